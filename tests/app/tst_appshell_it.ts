<TS version="2.1" language="it_IT"><context><name>MainWindow</name><message><source>Update List</source><translation>Aggiorna elenco</translation></message></context></TS>
