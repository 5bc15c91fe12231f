<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>MainWindow</name>
    <message>
        <source>Update List</source>
        <translation>Aggiorna elenco</translation>
    </message>
</context>
</TS>
