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
    <message>
        <source>The subnet mask 0.0.0.0 cannot be used.</source>
        <translation>La subnet mask 0.0.0.0 non può essere usata.</translation>
    </message>
    <message>
        <source>The subnet mask must be ones followed by zeros, such as 255.255.255.0.</source>
        <translation>La subnet mask deve essere composta da uni seguiti da zeri, ad esempio 255.255.255.0.</translation>
    </message>
    <message>
        <source>The address 0.0.0.0 cannot be given to a camera.</source>
        <translation>L&apos;indirizzo 0.0.0.0 non può essere assegnato a una telecamera.</translation>
    </message>
    <message>
        <source>The address 255.255.255.255 cannot be given to a camera.</source>
        <translation>L&apos;indirizzo 255.255.255.255 non può essere assegnato a una telecamera.</translation>
    </message>
    <message>
        <source>Loopback addresses (127.x.x.x) cannot be given to a camera.</source>
        <translation>Gli indirizzi di loopback (127.x.x.x) non possono essere assegnati a una telecamera.</translation>
    </message>
    <message>
        <source>Multicast addresses (224.x.x.x to 239.x.x.x) cannot be given to a camera.</source>
        <translation>Gli indirizzi multicast (da 224.x.x.x a 239.x.x.x) non possono essere assegnati a una telecamera.</translation>
    </message>
    <message>
        <source>Reserved addresses (240.x.x.x and above) cannot be given to a camera.</source>
        <translation>Gli indirizzi riservati (da 240.x.x.x in su) non possono essere assegnati a una telecamera.</translation>
    </message>
    <message>
        <source>This is the network address of its subnet; it cannot be given to a camera.</source>
        <translation>Questo è l&apos;indirizzo di rete della sua sottorete; non può essere assegnato a una telecamera.</translation>
    </message>
    <message>
        <source>This is the broadcast address of its subnet; it cannot be given to a camera.</source>
        <translation>Questo è l&apos;indirizzo di broadcast della sua sottorete; non può essere assegnato a una telecamera.</translation>
    </message>
    <message>
        <source>Enter the address and the mask as four numbers from 0 to 255, separated by dots.</source>
        <translation>Inserire indirizzo e maschera come quattro numeri da 0 a 255 separati da punti.</translation>
    </message>
    <message>
        <source>This address is outside the network adapter&apos;s subnet: the camera will be listed in red and may become unreachable.</source>
        <translation>Questo indirizzo è fuori dalla sottorete della scheda di rete: la telecamera verrà mostrata in rosso e potrebbe non essere più raggiungibile.</translation>
    </message>
    <message>
        <source>Another camera in the list already uses this address.</source>
        <translation>Un&apos;altra telecamera nell&apos;elenco usa già questo indirizzo.</translation>
    </message>
    <message>
        <source>The network adapter itself uses this address.</source>
        <translation>Questo indirizzo è usato dalla scheda di rete stessa.</translation>
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
    <message>
        <source>Camera %1</source>
        <translation>Telecamera %1</translation>
    </message>
    <message>
        <source>Cameras involved: %1</source>
        <translation>Telecamere coinvolte: %1</translation>
    </message>
    <message>
        <source>Copy details</source>
        <translation>Copia dettagli</translation>
    </message>
    <message>
        <source>No program for the network settings was found. Please open the network settings of your system yourself.</source>
        <translation>Non è stato trovato alcun programma per le impostazioni di rete. Aprire manualmente le impostazioni di rete del sistema.</translation>
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
    <message>
        <source>Status not yet known</source>
        <translation>Non ancora noto</translation>
    </message>
    <message>
        <source>Not responding</source>
        <translation>Non risponde</translation>
    </message>
</context>
</TS>
