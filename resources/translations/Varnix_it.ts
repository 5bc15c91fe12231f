<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>CamInfoDlg</name>
    <message>
        <source>Camera Information</source>
        <translation>Informazioni sulla telecamera</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modello</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Numero di serie</translation>
    </message>
    <message>
        <source>Firmware Versions</source>
        <translation>Versioni firmware</translation>
    </message>
    <message>
        <source>Camera Protocol</source>
        <translation>Protocollo telecamera</translation>
    </message>
    <message>
        <source>Camera IP Address</source>
        <translation>Indirizzo IP telecamera</translation>
    </message>
    <message>
        <source>Camera Subnet Mask</source>
        <translation>Subnet mask telecamera</translation>
    </message>
    <message>
        <source>Camera MAC Address</source>
        <translation>Indirizzo MAC telecamera</translation>
    </message>
    <message>
        <source>Network Adp IP Address</source>
        <translation>Indirizzo IP scheda di rete</translation>
    </message>
    <message>
        <source>Network Adp Subnet Mask</source>
        <translation>Subnet mask scheda di rete</translation>
    </message>
    <message>
        <source>Network Adp MTU</source>
        <translation>MTU scheda di rete</translation>
    </message>
    <message>
        <source>Stored clips</source>
        <translation>Clip memorizzate</translation>
    </message>
</context>
<context>
    <name>ClipEditDlg</name>
    <message>
        <source>Camera clips</source>
        <translation>Clip della telecamera</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Scarica</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>Clip %1: %2 frames - %3 s</source>
        <translation>Clip %1: %2 fotogrammi - %3 s</translation>
    </message>
    <message>
        <source>Trim: %1 (%2 s) to %3 (%4 s) - %5 s
</source>
        <translation>Taglio: da %1 (%2 s) a %3 (%4 s) - %5 s
</translation>
    </message>
</context>
<context>
    <name>IPEditDlg</name>
    <message>
        <source>Edit IP Address</source>
        <translation>Modifica indirizzo IP</translation>
    </message>
    <message>
        <source>IP Address:</source>
        <translation>Indirizzo IP:</translation>
    </message>
    <message>
        <source>Subnet mask:</source>
        <translation>Subnet mask:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Halvorn Varnix</source>
        <translation>Halvorn Varnix</translation>
    </message>
    <message>
        <source>&lt;b&gt;Network:&lt;/b&gt;</source>
        <translation>&lt;b&gt;Rete:&lt;/b&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;Datagram size:&lt;/b&gt;</source>
        <translation>&lt;b&gt;Dimensione datagramma:&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Network preferences...</source>
        <translation>Preferenze di rete...</translation>
    </message>
    <message>
        <source>Update List</source>
        <translation>Aggiorna elenco</translation>
    </message>
    <message>
        <source>Broadcast</source>
        <translation>Tutte le schede (broadcast)</translation>
    </message>
    <message>
        <source>Optimal</source>
        <translation>Ottimale</translation>
    </message>
    <message>
        <source>1500 (standard)</source>
        <translation>1500 (standard)</translation>
    </message>
    <message>
        <source>2920</source>
        <translation>2920</translation>
    </message>
    <message>
        <source>4360</source>
        <translation>4360</translation>
    </message>
    <message>
        <source>5800</source>
        <translation>5800</translation>
    </message>
    <message>
        <source>7240</source>
        <translation>7240</translation>
    </message>
    <message>
        <source>8680</source>
        <translation>8680</translation>
    </message>
    <message>
        <source>Edit IP Address...</source>
        <translation>Modifica indirizzo IP...</translation>
    </message>
    <message>
        <source>Camera Info...</source>
        <translation>Informazioni telecamera...</translation>
    </message>
    <message>
        <source>Edit clips...</source>
        <translation>Modifica clip...</translation>
    </message>
    <message>
        <source>Jumbo datagram size is enabled on network adapter and disabled on cameras. Cameras may not work properly.</source>
        <translation>I datagrammi jumbo sono attivi sulla scheda di rete e disattivati sulle telecamere. Le telecamere potrebbero non funzionare correttamente.</translation>
    </message>
    <message>
        <source>Jumbo datagram size is disabled on network adapter and enabled on cameras. Cameras may not work properly.</source>
        <translation>I datagrammi jumbo sono disattivati sulla scheda di rete e attivi sulle telecamere. Le telecamere potrebbero non funzionare correttamente.</translation>
    </message>
    <message>
        <source>More than one camera have the same IP address. Right click and select &apos;Edit IP Address...&apos; to change IP address.</source>
        <translation>Più telecamere hanno lo stesso indirizzo IP. Fare clic con il tasto destro e scegliere &apos;Modifica indirizzo IP...&apos; per cambiare l&apos;indirizzo IP.</translation>
    </message>
    <message>
        <source>More than one camera have the same MAC address.</source>
        <translation>Più telecamere hanno lo stesso indirizzo MAC.</translation>
    </message>
    <message>
        <source>More than one camera have the same Serial Number.</source>
        <translation>Più telecamere hanno lo stesso numero di serie.</translation>
    </message>
</context>
<context>
    <name>UdpCamManager</name>
    <message>
        <source>Live</source>
        <translation>Live</translation>
    </message>
    <message>
        <source>Waiting for trigger</source>
        <translation>In attesa del trigger</translation>
    </message>
    <message>
        <source>Recording post-trigger</source>
        <translation>Registrazione post-trigger</translation>
    </message>
    <message>
        <source>Images in memory</source>
        <translation>Immagini in memoria</translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation>Download in corso</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>Disconnessa</translation>
    </message>
    <message>
        <source>SD/SSD Transfer</source>
        <translation>Trasferimento SD/SSD</translation>
    </message>
    <message>
        <source>Playback</source>
        <translation>Riproduzione</translation>
    </message>
    <message>
        <source>Idle</source>
        <translation>Inattiva</translation>
    </message>
</context>
</TS>
