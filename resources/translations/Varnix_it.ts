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
        <translation>Maschera di sottorete:</translation>
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
        <source>An address has no plus or minus sign.</source>
        <translation>Un indirizzo non ha segno più o meno.</translation>
    </message>
    <message>
        <source>An address has four numbers, not five.</source>
        <translation>Un indirizzo ha quattro numeri, non cinque.</translation>
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
    <message>
        <source>The camera answers through a router. A new address goes by broadcast on the camera&apos;s own network segment, which the router does not pass: give it its address from a computer on that segment.</source>
        <translation>La telecamera risponde tramite un router. Un nuovo indirizzo viene inviato in broadcast sul segmento di rete della telecamera, che il router non inoltra: assegnatele l&apos;indirizzo da un computer di quel segmento.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Assign addresses...</source>
        <translation>Assegna indirizzi...</translation>
    </message>
    <message>
        <source>%1 (%2, MAC %3)</source>
        <translation>%1 (%2, MAC %3)</translation>
    </message>
    <message>
        <source>Camera without a row</source>
        <translation>Telecamera senza riga</translation>
    </message>
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
    <message>
        <source>Check the network for problems (Ctrl+D)</source>
        <translation>Verifica la rete alla ricerca di problemi (Ctrl+D)</translation>
    </message>
    <message>
        <source>Check network...</source>
        <translation>Verifica rete...</translation>
    </message>
    <message>
        <source>The camera is no longer listed. Check again.</source>
        <translation>La telecamera non è più nell&apos;elenco. Ripetete la verifica.</translation>
    </message>
    <message>
        <source>&amp;List</source>
        <translation>&amp;Elenco</translation>
    </message>
    <message>
        <source>&amp;Save list...</source>
        <translation>&amp;Salva elenco...</translation>
    </message>
    <message>
        <source>&amp;Copy list</source>
        <translation>&amp;Copia elenco</translation>
    </message>
    <message>
        <source>CSV table (*.csv)</source>
        <translation>Tabella CSV (*.csv)</translation>
    </message>
    <message>
        <source>JSON (*.json)</source>
        <translation>JSON (*.json)</translation>
    </message>
    <message>
        <source>Save list</source>
        <translation>Salva elenco</translation>
    </message>
    <message>
        <source>cameras</source>
        <translation>telecamere</translation>
    </message>
    <message>
        <source>It is not a regular file; it is left as it is.</source>
        <translation>Non è un file normale; viene lasciato com'è.</translation>
    </message>
    <message>
        <source>The list could not be saved to %1.</source>
        <translation>Impossibile salvare l'elenco in %1.</translation>
    </message>
    <message>
        <source>The expected line cannot be read; the window goes on without it.
%1</source>
        <translation>Impossibile leggere la linea prevista; la finestra prosegue senza.
%1</translation>
    </message>
    <message>
        <source>Use as expected line</source>
        <translation>Usa come linea prevista</translation>
    </message>
    <message>
        <source>Open expected line...</source>
        <translation>Apri linea prevista...</translation>
    </message>
    <message>
        <source>Forget expected line</source>
        <translation>Dimentica linea prevista</translation>
    </message>
    <message>
        <source>Camera addresses...</source>
        <translation>Indirizzi telecamere...</translation>
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
        <source>Unknown status (%1)</source>
        <translation>Stato sconosciuto (%1)</translation>
    </message>
    <message>
        <source>Not responding</source>
        <translation>Non risponde</translation>
    </message>
    <message>
        <source>routed</source>
        <translation>tramite router</translation>
    </message>
</context>
<context>
    <name>FindingTexts</name>
    <message>
        <source>unlisted</source>
        <translation>non in elenco</translation>
    </message>
    <message>
        <source>%1 %2 at %3</source>
        <translation>%1 %2 all&apos;indirizzo %3</translation>
    </message>
    <message>
        <source>%1 cameras share the IP address %2: %3.</source>
        <translation>%1 telecamere condividono l&apos;indirizzo IP %2: %3.</translation>
    </message>
    <message>
        <source>Give all but one of them a new address: connect one at a time and run varnix-scan --set-address CAMERA_IP NEW_IP MASK</source>
        <translation>Assegnate un nuovo indirizzo a tutte tranne una: collegatele una alla volta ed eseguite varnix-scan --set-address IP_TELECAMERA NUOVO_IP MASCHERA</translation>
    </message>
    <message>
        <source>%1 cameras share the MAC address %2: %3.</source>
        <translation>%1 telecamere condividono l&apos;indirizzo MAC %2: %3.</translation>
    </message>
    <message>
        <source>A MAC address must be unique on a network: keep one of these cameras on this network and have the others&apos; MAC addresses corrected by the manufacturer</source>
        <translation>Un indirizzo MAC deve essere univoco nella rete: lasciate in questa rete una sola di queste telecamere e fate correggere dal produttore gli indirizzi MAC delle altre</translation>
    </message>
    <message>
        <source>%1 cameras share the serial number %2: %3.</source>
        <translation>%1 telecamere condividono il numero di serie %2: %3.</translation>
    </message>
    <message>
        <source>A serial number names one camera: the others carry a copied configuration; have it corrected by the manufacturer</source>
        <translation>Un numero di serie identifica una sola telecamera: le altre hanno una configurazione copiata; fatela correggere dal produttore</translation>
    </message>
    <message>
        <source>%1 uses jumbo frames (MTU %2) while the cameras send standard %3-byte datagrams: %4.</source>
        <translation>%1 usa jumbo frame (MTU %2) mentre le telecamere inviano datagrammi standard da %3 byte: %4.</translation>
    </message>
    <message>
        <source>%1 has MTU %2, too small for the cameras&apos; %3-byte datagrams (it needs MTU %4 or more): %5.</source>
        <translation>%1 ha MTU %2, troppo piccola per i datagrammi da %3 byte delle telecamere (serve una MTU di almeno %4): %5.</translation>
    </message>
    <message>
        <source>Set the MTU (jumbo packet size) of the adapter of %1 to %2</source>
        <translation>Impostate la MTU (dimensione dei pacchetti jumbo) della scheda di %1 a %2</translation>
    </message>
    <message>
        <source>or, if the cameras use another datagram size, pass it with --datagram-size</source>
        <translation>oppure, se le telecamere usano un&apos;altra dimensione dei datagrammi, indicatela con --datagram-size</translation>
    </message>
    <message>
        <source>Camera %1 is outside the subnet %2 of %3: it is reached only through a host route, and not at all with strict reverse-path filtering.</source>
        <translation>La telecamera %1 è fuori dalla sottorete %2 di %3: è raggiungibile solo tramite una route host, e per niente con il filtro reverse-path rigoroso.</translation>
    </message>
    <message>
        <source>Widen the subnet of %1: it has no free address for the camera</source>
        <translation>Allargate la sottorete di %1: non ha indirizzi liberi per la telecamera</translation>
    </message>
    <message>
        <source>%1   (must leave through %2)</source>
        <translation>%1   (deve uscire da %2)</translation>
    </message>
    <message>
        <source>Let UDP from %1 in: firewalls on this machine and on the way must pass the camera&apos;s replies</source>
        <translation>Lasciate entrare l&apos;UDP da %1: i firewall su questo computer e lungo il percorso devono far passare le risposte della telecamera</translation>
    </message>
    <message>
        <source>Camera %1 answered discovery but none of its name, option or status requests: the unicast path to it is broken.</source>
        <translation>La telecamera %1 ha risposto alla ricerca ma a nessuna richiesta di nome, opzioni o stato: il percorso unicast verso di essa è interrotto.</translation>
    </message>
    <message>
        <source>(loose mode, 2, keeps the protection; add the same settings under /etc/sysctl.d/ to keep them)</source>
        <translation>(la modalità loose, 2, mantiene la protezione; aggiungete le stesse impostazioni in /etc/sysctl.d/ per renderle permanenti)</translation>
    </message>
    <message>
        <source>Strict reverse-path filtering on %1 drops the replies of cameras outside %2 before Varnix sees them.</source>
        <translation>Il filtro reverse-path rigoroso su %1 scarta le risposte delle telecamere fuori da %2 prima che Varnix le veda.</translation>
    </message>
    <message>
        <source>%1 (%2/%3) and %4 (%5/%6) share one subnet: a request to a camera leaves through one of them only, and replies may come back through the other.</source>
        <translation>%1 (%2/%3) e %4 (%5/%6) condividono una sottorete: una richiesta a una telecamera esce solo da una delle due, e le risposte possono tornare dall&apos;altra.</translation>
    </message>
    <message>
        <source>Give each camera adapter a subnet of its own and move its cameras into it (varnix-scan --set-address)</source>
        <translation>Assegnate a ogni scheda per le telecamere una sottorete propria e spostatevi le sue telecamere (varnix-scan --set-address)</translation>
    </message>
    <message>
        <source>Check the cable, the switch port and the camera&apos;s power</source>
        <translation>Controllate il cavo, la porta dello switch e l&apos;alimentazione della telecamera</translation>
    </message>
    <message>
        <source>%1 is down: nothing behind it can answer.</source>
        <translation>%1 non è attiva: nulla dietro di essa può rispondere.</translation>
    </message>
    <message>
        <source>%1 links at %2 Mb/s; cameras need 1 Gb/s or more.</source>
        <translation>%1 è collegata a %2 Mb/s; le telecamere richiedono almeno 1 Gb/s.</translation>
    </message>
    <message>
        <source>Check the cable (all four pairs), the switch port and auto-negotiation</source>
        <translation>Controllate il cavo (tutte e quattro le coppie), la porta dello switch e l&apos;autonegoziazione</translation>
    </message>
    <message>
        <source>%1 links at %2 Mb/s, slower than the 10G cameras behind it: %3.</source>
        <translation>%1 è collegata a %2 Mb/s, più lenta delle telecamere 10G collegate: %3.</translation>
    </message>
    <message>
        <source>Connect them through a 10 Gb/s adapter and switch</source>
        <translation>Collegatele tramite una scheda e uno switch da 10 Gb/s</translation>
    </message>
    <message>
        <source>net.core.rmem_max is %1 bytes, below the %2 the discovery and camera sockets ask for: a discovery burst from more than about %3 cameras on one adapter overflows and cameras are missed.</source>
        <translation>net.core.rmem_max è di %1 byte, meno dei %2 richiesti dai socket di ricerca e delle telecamere: le risposte di più di circa %3 telecamere su una scheda traboccano durante la ricerca e alcune telecamere mancano.</translation>
    </message>
    <message>
        <source>Nothing answered on %1 (%2).</source>
        <translation>Nessuna risposta su %1 (%2).</translation>
    </message>
    <message>
        <source>Check the cameras&apos; power and cables, or listen longer (--wait %1)</source>
        <translation>Controllate l&apos;alimentazione e i cavi delle telecamere, oppure attendete più a lungo (--wait %1)</translation>
    </message>
    <message>
        <source>Cameras share an IP address</source>
        <translation>Telecamere con lo stesso indirizzo IP</translation>
    </message>
    <message>
        <source>Cameras share a MAC address</source>
        <translation>Telecamere con lo stesso indirizzo MAC</translation>
    </message>
    <message>
        <source>Cameras share a serial number</source>
        <translation>Telecamere con lo stesso numero di serie</translation>
    </message>
    <message>
        <source>Datagram size and adapter MTU do not match</source>
        <translation>Dimensione dei datagrammi e MTU della scheda non corrispondono</translation>
    </message>
    <message>
        <source>Camera outside the adapter&apos;s subnet</source>
        <translation>Telecamera fuori dalla sottorete della scheda</translation>
    </message>
    <message>
        <source>Camera does not answer requests</source>
        <translation>La telecamera non risponde alle richieste</translation>
    </message>
    <message>
        <source>Strict reverse-path filtering</source>
        <translation>Filtro reverse-path rigoroso</translation>
    </message>
    <message>
        <source>Firewall blocks the cameras&apos; replies</source>
        <translation>Il firewall blocca le risposte delle telecamere</translation>
    </message>
    <message>
        <source>Adapters share a subnet</source>
        <translation>Schede di rete nella stessa sottorete</translation>
    </message>
    <message>
        <source>Network link</source>
        <translation>Collegamento di rete</translation>
    </message>
    <message>
        <source>Receive buffer too small</source>
        <translation>Buffer di ricezione troppo piccolo</translation>
    </message>
    <message>
        <source>No camera answered on an adapter</source>
        <translation>Nessuna telecamera ha risposto su una scheda</translation>
    </message>
    <message>
        <source>The path to a camera is too narrow</source>
        <translation>Il percorso verso una telecamera è troppo stretto</translation>
    </message>
    <message>
        <source>Jumbo packet setting of the adapter</source>
        <translation>Impostazione jumbo packet della scheda</translation>
    </message>
    <message>
        <source>Receive buffers of the adapter</source>
        <translation>Buffer di ricezione della scheda</translation>
    </message>
    <message>
        <source>Answers from impossible addresses</source>
        <translation>Risposte da indirizzi impossibili</translation>
    </message>
    <message>
        <source>Something on the link answers discovery from addresses no camera can have (%1); it is not listed and nothing is sent to it.</source>
        <translation>Qualcosa sulla rete risponde alla ricerca da indirizzi che nessuna telecamera può avere (%1); non viene elencato e non gli viene inviato nulla.</translation>
    </message>
    <message>
        <source>Find the device that answers from these addresses and correct its address.</source>
        <translation>Trovate il dispositivo che risponde da questi indirizzi e correggetene l&apos;indirizzo.</translation>
    </message>
    <message>
        <source>Interrupt moderation of the adapter</source>
        <translation>Moderazione degli interrupt della scheda</translation>
    </message>
    <message>
        <source>The path to camera %1 carries packets of at most %2 bytes, but its datagrams need %3: something on the way drops them, and no image arrives.</source>
        <translation>Il percorso verso la telecamera %1 trasporta pacchetti di al massimo %2 byte, ma i suoi datagrammi ne richiedono %3: qualcosa lungo il percorso li scarta e non arriva alcuna immagine.</translation>
    </message>
    <message>
        <source>Every switch and network card between %1 and %2 must pass jumbo frames of %3 bytes or more (MTU 9000 on each of them)</source>
        <translation>Ogni switch e scheda di rete tra %1 e %2 deve far passare jumbo frame di almeno %3 byte (MTU 9000 su ciascuno)</translation>
    </message>
    <message>
        <source>or set the camera to %1-byte datagrams, which fit the path, and check with --datagram-size %1</source>
        <translation>oppure impostate la telecamera su datagrammi da %1 byte, che passano nel percorso, e verificate con --datagram-size %1</translation>
    </message>
    <message>
        <source>The input chain &quot;%1&quot; drops what it does not accept and accepts no UDP to the discovery ports %2: the cameras&apos; replies never arrive.</source>
        <translation>La catena di input &quot;%1&quot; scarta ciò che non accetta e non accetta UDP verso le porte di ricerca %2: le risposte delle telecamere non arrivano mai.</translation>
    </message>
    <message>
        <source>(camera replies to name and status requests also need &quot;ct state established,related accept&quot; in that chain)</source>
        <translation>(le risposte delle telecamere alle richieste di nome e stato richiedono inoltre &quot;ct state established,related accept&quot; in quella catena)</translation>
    </message>
    <message>
        <source>ufw lets no UDP to the discovery ports %1 in on %2: the cameras&apos; replies never arrive.</source>
        <translation>ufw non lascia entrare UDP verso le porte di ricerca %1 su %2: le risposte delle telecamere non arrivano mai.</translation>
    </message>
    <message>
        <source>firewalld&apos;s zone %1 lets no UDP to the discovery ports %2 in on %3: the cameras&apos; replies never arrive.</source>
        <translation>La zona %1 di firewalld non lascia entrare UDP verso le porte di ricerca %2 su %3: le risposte delle telecamere non arrivano mai.</translation>
    </message>
    <message>
        <source>or give the camera adapter a zone of its own that accepts them</source>
        <translation>oppure assegnate alla scheda delle telecamere una zona propria che le accetti</translation>
    </message>
    <message>
        <source>(in PowerShell run as administrator; the adapter restarts)</source>
        <translation>(in PowerShell eseguita come amministratore; la scheda si riavvia)</translation>
    </message>
    <message>
        <source>The driver of %1 passes frames of up to %2 bytes (*JumboPacket): the cameras&apos; %3-byte datagrams need %4, and every image datagram is dropped.</source>
        <translation>Il driver di %1 fa passare frame fino a %2 byte (*JumboPacket): i datagrammi da %3 byte delle telecamere ne richiedono %4, e ogni datagramma d&apos;immagine viene scartato.</translation>
    </message>
    <message>
        <source>The driver of %1 keeps %2 receive buffers (*ReceiveBuffers): an image burst overflows them and datagrams are lost.</source>
        <translation>Il driver di %1 dispone di %2 buffer di ricezione (*ReceiveBuffers): una raffica di immagini li fa traboccare e si perdono datagrammi.</translation>
    </message>
    <message>
        <source>Interrupt moderation is off on %1 (*InterruptModeration): every datagram interrupts the processor, which falls behind during an image transfer.</source>
        <translation>La moderazione degli interrupt è disattivata su %1 (*InterruptModeration): ogni datagramma interrompe il processore, che durante un trasferimento di immagini resta indietro.</translation>
    </message>
    <message>
        <source>Adapter on a Public network</source>
        <translation>Scheda su una rete pubblica</translation>
    </message>
    <message>
        <source>Windows counts the network of %1 as Public and trusts it least: its firewall may drop the cameras&apos; discovery replies there.</source>
        <translation>Windows considera pubblica la rete di %1 e le dà la minima fiducia: il suo firewall può scartarvi le risposte delle telecamere alla ricerca.</translation>
    </message>
    <message>
        <source>(in PowerShell run as administrator)</source>
        <translation>(in PowerShell eseguita come amministratore)</translation>
    </message>
    <message>
        <source>The firewall rule &quot;%1&quot; blocks UDP to %2 (%3 profile), whatever other rules allow: the cameras&apos; replies never arrive.</source>
        <translation>La regola del firewall &quot;%1&quot; blocca l&apos;UDP verso %2 (profilo %3), qualunque cosa consentano le altre regole: le risposte delle telecamere non arrivano mai.</translation>
    </message>
    <message>
        <source>Windows Defender Firewall blocks all incoming traffic (%1 profile): the cameras&apos; replies never arrive.</source>
        <translation>Windows Defender Firewall blocca tutto il traffico in ingresso (profilo %1): le risposte delle telecamere non arrivano mai.</translation>
    </message>
    <message>
        <source>Windows Defender Firewall (%1 profile) has no inbound rule letting UDP reach %2: the cameras&apos; replies never arrive.</source>
        <translation>Windows Defender Firewall (profilo %1) non ha una regola in ingresso che lasci arrivare l&apos;UDP a %2: le risposte delle telecamere non arrivano mai.</translation>
    </message>
    <message>
        <source>(in a command prompt run as administrator)</source>
        <translation>(in un prompt dei comandi eseguito come amministratore)</translation>
    </message>
    <message>
        <source>(Disable-NetFirewallRule in PowerShell)</source>
        <translation>(Disable-NetFirewallRule in PowerShell)</translation>
    </message>
    <message>
        <source>Expected camera missing</source>
        <translation>Telecamera della linea prevista mancante</translation>
    </message>
    <message>
        <source>Expected camera moved</source>
        <translation>Telecamera della linea prevista spostata</translation>
    </message>
    <message>
        <source>Camera not in the expected line</source>
        <translation>Telecamera non nella linea prevista</translation>
    </message>
    <message>
        <source>MAC %1</source>
        <translation>MAC %1</translation>
    </message>
    <message>
        <source>%1, serial %2</source>
        <translation>%1, numero di serie %2</translation>
    </message>
    <message>
        <source>If the line has changed for good, save the camera list again as the expected line</source>
        <translation>Se la linea è cambiata in modo definitivo, salvate di nuovo l&apos;elenco delle telecamere come linea prevista</translation>
    </message>
    <message>
        <source>Camera %1 of the expected line did not answer.</source>
        <translation>La telecamera %1 della linea prevista non ha risposto.</translation>
    </message>
    <message>
        <source>Camera %1 of the expected line did not answer at %2.</source>
        <translation>La telecamera %1 della linea prevista non ha risposto all&apos;indirizzo %2.</translation>
    </message>
    <message>
        <source>Camera %1 answers with its MAC address but another serial number (%2): a different camera with a copied MAC address.</source>
        <translation>La telecamera %1 risponde con il suo indirizzo MAC ma con un altro numero di serie (%2): è un&apos;altra telecamera con un indirizzo MAC copiato.</translation>
    </message>
    <message>
        <source>Camera %1 answers through %2, not at %3 through %4 where the expected line has it.</source>
        <translation>La telecamera %1 risponde tramite %2, non all&apos;indirizzo %3 tramite %4 come nella linea prevista.</translation>
    </message>
    <message>
        <source>Camera %1 answers through %2, not through %3 where the expected line has it.</source>
        <translation>La telecamera %1 risponde tramite %2, non tramite %3 come nella linea prevista.</translation>
    </message>
    <message>
        <source>Camera %1 answers there, not at %2 where the expected line has it.</source>
        <translation>La telecamera %1 risponde lì, non all&apos;indirizzo %2 come nella linea prevista.</translation>
    </message>
    <message>
        <source>Connect it to %1 again, where the expected line has it</source>
        <translation>Ricollegatela a %1, come nella linea prevista</translation>
    </message>
    <message>
        <source>Give it the address %1 again</source>
        <translation>Riassegnatele l&apos;indirizzo %1</translation>
    </message>
    <message>
        <source>Camera %1 answers but is not in the expected line.</source>
        <translation>La telecamera %1 risponde ma non è nella linea prevista.</translation>
    </message>
    <message>
        <source>If it belongs to the line, save the camera list again as the expected line; otherwise take it off the camera network</source>
        <translation>Se fa parte della linea, salvate di nuovo l&apos;elenco delle telecamere come linea prevista; altrimenti toglietela dalla rete delle telecamere</translation>
    </message>
    <message>
        <source>Camera %1 carries the MAC address of camera %2 of the expected line but another serial number: a different camera with a copied MAC address.</source>
        <translation>La telecamera %1 ha l&apos;indirizzo MAC della telecamera %2 della linea prevista ma un altro numero di serie: è un&apos;altra telecamera con un indirizzo MAC copiato.</translation>
    </message>
    <message>
        <source>A MAC address names one camera: have this camera&apos;s MAC address corrected by the manufacturer</source>
        <translation>Un indirizzo MAC identifica una sola telecamera: fate correggere dal produttore l&apos;indirizzo MAC di questa telecamera</translation>
    </message>
</context>
<context>
    <name>NetworkCheckWindow</name>
    <message>
        <source>Assign addresses...</source>
        <translation>Assegna indirizzi...</translation>
    </message>
    <message>
        <source>Network check</source>
        <translation>Verifica della rete</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Check again</source>
        <translation>Verifica di nuovo</translation>
    </message>
    <message>
        <source>Copy report</source>
        <translation>Copia rapporto</translation>
    </message>
    <message>
        <source>Save report...</source>
        <translation>Salva rapporto...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Checking the network...</source>
        <translation>Verifica della rete in corso...</translation>
    </message>
    <message>
        <source>Probing the path to each camera...</source>
        <translation>Verifica del percorso verso ogni telecamera...</translation>
    </message>
    <message>
        <source>No problem found on any adapter.</source>
        <translation>Nessun problema trovato su alcuna scheda.</translation>
    </message>
    <message>
        <source>No problem found on %1.</source>
        <translation>Nessun problema trovato su %1.</translation>
    </message>
    <message>
        <source>All adapters: problems %1, warnings %2.</source>
        <translation>Tutte le schede: problemi %1, avvisi %2.</translation>
    </message>
    <message>
        <source>Adapter %1: problems %2, warnings %3.</source>
        <translation>Scheda %1: problemi %2, avvisi %3.</translation>
    </message>
    <message>
        <source>The path probe was cancelled: the paths were not checked.</source>
        <translation>La verifica dei percorsi è stata annullata: i percorsi non sono stati verificati.</translation>
    </message>
    <message>
        <source>The paths were not checked: this program may not send ICMP echo here.</source>
        <translation>I percorsi non sono stati verificati: qui questo programma non può inviare echo ICMP.</translation>
    </message>
    <message>
        <source>Paths not checked, the camera answers no echo: %1</source>
        <translation>Percorsi non verificati, la telecamera non risponde all&apos;echo: %1</translation>
    </message>
    <message>
        <source>Problem</source>
        <translation>Problema</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Avviso</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>Telecamera</translation>
    </message>
    <message>
        <source>Cameras: %1</source>
        <translation>Telecamere: %1</translation>
    </message>
    <message>
        <source>Click a camera to select it in the list</source>
        <translation>Fate clic su una telecamera per selezionarla nell&apos;elenco</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copia</translation>
    </message>
    <message>
        <source>Move camera...</source>
        <translation>Sposta telecamera...</translation>
    </message>
    <message>
        <source>Save report</source>
        <translation>Salva rapporto</translation>
    </message>
    <message>
        <source>JSON files (*.json)</source>
        <translation>File JSON (*.json)</translation>
    </message>
    <message>
        <source>The report could not be written to %1.</source>
        <translation>Impossibile scrivere il rapporto in %1.</translation>
    </message>
    <message>
        <source>%1 is not a regular file; the report was not written.</source>
        <translation>%1 non è un file regolare; il rapporto non è stato scritto.</translation>
    </message>
    <message>
        <source>Not readable here, so not checked: %1.</source>
        <translation>Non leggibile qui, quindi non verificato: %1.</translation>
    </message>
</context>
<context>
    <name>FixView</name>
    <message>
        <source>The adapter restarts.</source>
        <translation>La scheda si riavvia.</translation>
    </message>
    <message>
        <source>In PowerShell run as administrator:</source>
        <translation>In PowerShell eseguita come amministratore:</translation>
    </message>
    <message>
        <source>In a command prompt run as administrator:</source>
        <translation>In un prompt dei comandi eseguito come amministratore:</translation>
    </message>
    <message>
        <source>In a terminal:</source>
        <translation>In un terminale:</translation>
    </message>
    <message>
        <source>The route to the camera must leave through %1; in a terminal:</source>
        <translation>Il percorso verso la telecamera deve uscire da %1; in un terminale:</translation>
    </message>
    <message>
        <source>Move camera... gives it the free address %1 (mask %2) in the subnet of %3.</source>
        <translation>Sposta telecamera... le assegna l&apos;indirizzo libero %1 (maschera %2) nella sottorete di %3.</translation>
    </message>
    <message>
        <source>Give all but one of them a new address: right-click each in the camera list and choose Edit IP Address...</source>
        <translation>Assegnate un nuovo indirizzo a tutte tranne una: fate clic destro su ciascuna nell&apos;elenco delle telecamere e scegliete Modifica indirizzo IP...</translation>
    </message>
    <message>
        <source>Give each camera adapter a subnet of its own and move its cameras into it (Edit IP Address... in the camera list).</source>
        <translation>Assegnate a ogni scheda delle telecamere una sottorete propria e spostatevi le sue telecamere (Modifica indirizzo IP... nell&apos;elenco delle telecamere).</translation>
    </message>
    <message>
        <source>Or, if the cameras use another datagram size, choose it under Datagram size, then Check again.</source>
        <translation>Oppure, se le telecamere usano un&apos;altra dimensione dei datagrammi, sceglietela in Dimensione datagramma, poi Verifica di nuovo.</translation>
    </message>
    <message>
        <source>Or set the camera to %1-byte datagrams, which fit the path, choose %1 under Datagram size, then Check again.</source>
        <translation>Oppure impostate la telecamera su datagrammi da %1 byte, che passano dal percorso, scegliete %1 in Dimensione datagramma, poi Verifica di nuovo.</translation>
    </message>
    <message>
        <source>Check the cameras&apos; power and cables; a camera that has just been switched on answers a little later: Update List, then Check again.</source>
        <translation>Controllate l&apos;alimentazione e i cavi delle telecamere; una telecamera appena accesa risponde un po&apos; più tardi: Aggiorna elenco, poi Verifica di nuovo.</translation>
    </message>
    <message>
        <source>firewall</source>
        <translation>firewall</translation>
    </message>
    <message>
        <source>adapter settings</source>
        <translation>impostazioni della scheda</translation>
    </message>
    <message>
        <source>link state</source>
        <translation>stato del collegamento</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 di %2</translation>
    </message>
    <message>
        <source>Move camera... gives it back the address %1 (mask %2) that the expected line has for it.</source>
        <translation>Sposta telecamera... le riassegna l&apos;indirizzo %1 (maschera %2) che ha nella linea prevista.</translation>
    </message>
</context>
<context>
    <name>CameraList</name>
    <message>
        <source>Index</source>
        <translation>Indice</translation>
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
        <source>Serial number</source>
        <translation>Numero di serie</translation>
    </message>
    <message>
        <source>Firmware</source>
        <translation>Firmware</translation>
    </message>
    <message>
        <source>IP address</source>
        <translation>Indirizzo IP</translation>
    </message>
    <message>
        <source>Mask</source>
        <translation>Maschera</translation>
    </message>
    <message>
        <source>MAC address</source>
        <translation>Indirizzo MAC</translation>
    </message>
    <message>
        <source>Adapter</source>
        <translation>Adattatore</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>Collegamento</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Stato</translation>
    </message>
    <message>
        <source>Protocol</source>
        <translation>Protocollo</translation>
    </message>
    <message>
        <source>In subnet</source>
        <translation>Nella sottorete</translation>
    </message>
    <message>
        <source>Conflict</source>
        <translation>Conflitto</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>sì</translation>
    </message>
    <message>
        <source>no</source>
        <translation>no</translation>
    </message>
</context>
<context>
    <name>AssignAddressesDlg</name>
    <message>
        <source>Not changed</source>
        <translation>Non modificato</translation>
    </message>
    <message>
        <source>Does not answer at %1</source>
        <translation>Non risponde a %1</translation>
    </message>
    <message>
        <source>Answers at %1</source>
        <translation>Risponde a %1</translation>
    </message>
    <message>
        <source>Sent</source>
        <translation>Inviato</translation>
    </message>
    <message>
        <source>Looking for the cameras at their new addresses...</source>
        <translation>Ricerca delle telecamere ai nuovi indirizzi...</translation>
    </message>
    <message>
        <source>Sending the new addresses...</source>
        <translation>Invio dei nuovi indirizzi...</translation>
    </message>
    <message>
        <source>Another camera already uses this address or is given it here.</source>
        <translation>Un'altra telecamera usa già questo indirizzo o lo riceve qui.</translation>
    </message>
    <message>
        <source>Enter the address as four numbers from 0 to 255, separated by dots.</source>
        <translation>Inserire l'indirizzo come quattro numeri da 0 a 255 separati da punti.</translation>
    </message>
    <message>
        <source>Every camera has an address of its own in its network adapter's subnet.</source>
        <translation>Ogni telecamera ha un indirizzo proprio nella sottorete della sua scheda di rete.</translation>
    </message>
    <message>
        <source>Looking for free addresses...</source>
        <translation>Ricerca di indirizzi liberi...</translation>
    </message>
    <message>
        <source>Enter the first address as four numbers from 0 to 255, separated by dots.</source>
        <translation>Inserire il primo indirizzo come quattro numeri da 0 a 255 separati da punti.</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Risultato</translation>
    </message>
    <message>
        <source>New address</source>
        <translation>Nuovo indirizzo</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Indirizzo</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modello</translation>
    </message>
    <message>
        <source>Serial number</source>
        <translation>Numero di serie</translation>
    </message>
    <message>
        <source>MAC address</source>
        <translation>Indirizzo MAC</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Applica</translation>
    </message>
    <message>
        <source>First address:</source>
        <translation>Primo indirizzo:</translation>
    </message>
    <message>
        <source>These cameras share their address with another camera or lie outside the subnet of their network adapter. Each is offered a free address in that subnet; nothing is sent before &quot;Apply&quot;.</source>
        <translation>Queste telecamere condividono l'indirizzo con un'altra telecamera o sono fuori dalla sottorete della loro scheda di rete. A ognuna è proposto un indirizzo libero in quella sottorete; nulla viene inviato prima di &quot;Applica&quot;.</translation>
    </message>
    <message>
        <source>Assign addresses</source>
        <translation>Assegna indirizzi</translation>
    </message>
</context>
<context>
    <name>LineView</name>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>The list could not be kept as the expected line.</source>
        <translation>Non è stato possibile salvare l&apos;elenco come linea prevista.</translation>
    </message>
    <message>
        <source>Open expected line</source>
        <translation>Apri linea prevista</translation>
    </message>
    <message>
        <source>Saved camera lists (*.json);;All files (*)</source>
        <translation>Elenchi di telecamere salvati (*.json);;Tutti i file (*)</translation>
    </message>
    <message>
        <source>This file cannot be used as the expected line.</source>
        <translation>Questo file non può essere usato come linea prevista.</translation>
    </message>
    <message>
        <source>Expected line: %1 of %2 cameras so far</source>
        <translation>Linea prevista: finora %1 di %2 telecamere</translation>
    </message>
    <message>
        <source>Expected line: %1 of %2 cameras</source>
        <translation>Linea prevista: %1 di %2 telecamere</translation>
    </message>
    <message numerus="yes">
        <source>, %n moved</source>
        <translation>
            <numerusform>, %n spostata</numerusform>
            <numerusform>, %n spostate</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>, %n not in the line</source>
        <translation>
            <numerusform>, %n non nella linea</numerusform>
            <numerusform>, %n non nella linea</numerusform>
        </translation>
    </message>
    <message>
        <source>Moved: the expected line has it at %1 through %2</source>
        <translation>Spostata: nella linea prevista è all&apos;indirizzo %1 tramite %2</translation>
    </message>
    <message>
        <source>Moved: the expected line has it at %1</source>
        <translation>Spostata: nella linea prevista è all&apos;indirizzo %1</translation>
    </message>
    <message>
        <source>Not in the expected line: it carries the MAC address of one of its cameras, with another serial number</source>
        <translation>Non nella linea prevista: ha l&apos;indirizzo MAC di una delle sue telecamere, con un altro numero di serie</translation>
    </message>
    <message>
        <source>Not in the expected line</source>
        <translation>Non nella linea prevista</translation>
    </message>
</context>
<context>
    <name>Targets</name>
    <message>
        <source>This is not an address: four numbers from 0 to 255 separated by dots, optionally followed by a slash and a prefix length.</source>
        <translation>Questo non è un indirizzo: quattro numeri da 0 a 255 separati da punti, eventualmente seguiti da una barra e dalla lunghezza del prefisso.</translation>
    </message>
    <message>
        <source>The prefix length after the slash must be a number from 0 to 32.</source>
        <translation>La lunghezza del prefisso dopo la barra deve essere un numero da 0 a 32.</translation>
    </message>
    <message>
        <source>A range may hold at most 1024 addresses (a /22): give a longer prefix, or several ranges.</source>
        <translation>Un intervallo può contenere al massimo 1024 indirizzi (un /22): indicate un prefisso più lungo o più intervalli.</translation>
    </message>
    <message>
        <source>All camera addresses together may hold at most 1024 addresses.</source>
        <translation>Tutti gli indirizzi delle telecamere insieme possono essere al massimo 1024.</translation>
    </message>
    <message>
        <source>Addresses 0.x.x.x (0.0.0.0 among them) are no destination.</source>
        <translation>Gli indirizzi 0.x.x.x (0.0.0.0 compreso) non sono una destinazione.</translation>
    </message>
    <message>
        <source>255.255.255.255 is the broadcast, which goes out anyway.</source>
        <translation>255.255.255.255 è il broadcast, che viene inviato comunque.</translation>
    </message>
    <message>
        <source>Loopback addresses (127.x.x.x) lead back to this computer, not to a camera.</source>
        <translation>Gli indirizzi di loopback (127.x.x.x) riportano a questo computer, non a una telecamera.</translation>
    </message>
    <message>
        <source>Multicast addresses (224.x.x.x to 239.x.x.x) are no camera&apos;s address.</source>
        <translation>Gli indirizzi multicast (da 224.x.x.x a 239.x.x.x) non sono indirizzi di telecamere.</translation>
    </message>
    <message>
        <source>Reserved addresses (240.x.x.x and above) are no camera&apos;s address.</source>
        <translation>Gli indirizzi riservati (da 240.x.x.x in su) non sono indirizzi di telecamere.</translation>
    </message>
    <message>
        <source>This is the network address of a subnet of this computer; no camera answers there.</source>
        <translation>Questo è l&apos;indirizzo di rete di una sottorete di questo computer; lì non risponde nessuna telecamera.</translation>
    </message>
    <message>
        <source>This is the broadcast address of a subnet of this computer, which the broadcast reaches anyway.</source>
        <translation>Questo è l&apos;indirizzo di broadcast di una sottorete di questo computer, che il broadcast raggiunge comunque.</translation>
    </message>
    <message>
        <source>This computer itself has this address.</source>
        <translation>Questo computer ha già questo indirizzo.</translation>
    </message>
</context>
<context>
    <name>TargetsDlg</name>
    <message>
        <source>Camera addresses</source>
        <translation>Indirizzi telecamere</translation>
    </message>
    <message>
        <source>A broadcast does not pass a router. Cameras behind one are asked at their own addresses: one address or range per line, such as 10.88.0.5 or 10.88.0.0/24 (at most 1024 addresses). Discovery asks them in every round, beside the broadcast.</source>
        <translation>Un broadcast non attraversa un router. Le telecamere dietro un router vengono interrogate ai loro indirizzi: un indirizzo o un intervallo per riga, per esempio 10.88.0.5 o 10.88.0.0/24 (al massimo 1024 indirizzi). La ricerca li interroga a ogni giro, oltre al broadcast.</translation>
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
        <source>Line %1 (%2): %3</source>
        <translation>Riga %1 (%2): %3</translation>
    </message>
    <message>
        <source>No address: discovery asks by broadcast only.</source>
        <translation>Nessun indirizzo: la ricerca interroga solo in broadcast.</translation>
    </message>
    <message numerus="yes">
        <source>%n address(es) asked in every discovery round.</source>
        <translation>
            <numerusform>%n indirizzo interrogato a ogni giro di ricerca.</numerusform>
            <numerusform>%n indirizzi interrogati a ogni giro di ricerca.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ExpectedLine</name>
    <message>
        <source>there is no such file</source>
        <translation>questo file non esiste</translation>
    </message>
    <message>
        <source>this is not a regular file</source>
        <translation>non è un file normale</translation>
    </message>
    <message>
        <source>the file is too large to be a camera list (more than 16 MiB)</source>
        <translation>il file è troppo grande per essere un elenco di telecamere (più di 16 MiB)</translation>
    </message>
    <message>
        <source>the file cannot be read: %1</source>
        <translation>impossibile leggere il file: %1</translation>
    </message>
    <message>
        <source>this is not JSON: %1 at line %2, column %3</source>
        <translation>non è JSON: %1 alla riga %2, colonna %3</translation>
    </message>
    <message>
        <source>this is not a camera list: it is no JSON object with a &quot;cameras&quot; array</source>
        <translation>non è un elenco di telecamere: non è un oggetto JSON con un array &quot;cameras&quot;</translation>
    </message>
    <message>
        <source>the camera list has no cameras</source>
        <translation>l&apos;elenco non contiene telecamere</translation>
    </message>
    <message>
        <source>entry %1 of &quot;cameras&quot; is not a camera (a JSON object)</source>
        <translation>la voce %1 di &quot;cameras&quot; non è una telecamera (un oggetto JSON)</translation>
    </message>
    <message>
        <source>entry %1 of &quot;cameras&quot; has no &quot;mac&quot;</source>
        <translation>la voce %1 di &quot;cameras&quot; non ha &quot;mac&quot;</translation>
    </message>
    <message>
        <source>entry %1 of &quot;cameras&quot; has a malformed &quot;%2&quot;: %3</source>
        <translation>la voce %1 di &quot;cameras&quot; ha un &quot;%2&quot; non valido: %3</translation>
    </message>
    <message>
        <source>entries %1 and %2 of &quot;cameras&quot; have the same MAC %3</source>
        <translation>le voci %1 e %2 di &quot;cameras&quot; hanno lo stesso MAC %3</translation>
    </message>
</context>
<context>
    <name>AdapterChoice</name>
    <message>
        <source>%1 [gone]</source>
        <translation>%1 [assente]</translation>
    </message>
    <message>
        <source>Its adapter is gone: this camera cannot be reached until the adapter is back.</source>
        <translation>La scheda di rete di questa telecamera non è presente: la telecamera non è raggiungibile finché la scheda non torna.</translation>
    </message>
    <message>
        <source>%1 is now at %2: looking for its cameras again.</source>
        <translation>%1 ora ha l&apos;indirizzo %2: nuova ricerca delle sue telecamere.</translation>
    </message>
    <message>
        <source>%1 is up: looking for its cameras.</source>
        <translation>%1 è disponibile: ricerca delle sue telecamere.</translation>
    </message>
    <message>
        <source>%1 is gone: its cameras cannot be reached until it is back.</source>
        <translation>%1 non è presente: le sue telecamere non sono raggiungibili finché non torna.</translation>
    </message>
</context>
</TS>
