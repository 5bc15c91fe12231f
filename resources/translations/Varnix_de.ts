<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>CamInfoDlg</name>
    <message>
        <source>Camera Information</source>
        <translation>Kamerainformationen</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modell</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Seriennummer</translation>
    </message>
    <message>
        <source>Firmware Versions</source>
        <translation>Firmware-Versionen</translation>
    </message>
    <message>
        <source>Camera Protocol</source>
        <translation>Kameraprotokoll</translation>
    </message>
    <message>
        <source>Camera IP Address</source>
        <translation>IP-Adresse der Kamera</translation>
    </message>
    <message>
        <source>Camera Subnet Mask</source>
        <translation>Subnetzmaske der Kamera</translation>
    </message>
    <message>
        <source>Camera MAC Address</source>
        <translation>MAC-Adresse der Kamera</translation>
    </message>
    <message>
        <source>Network Adp IP Address</source>
        <translation>IP-Adresse des Adapters</translation>
    </message>
    <message>
        <source>Network Adp Subnet Mask</source>
        <translation>Subnetzmaske des Adapters</translation>
    </message>
    <message>
        <source>Network Adp MTU</source>
        <translation>MTU des Adapters</translation>
    </message>
    <message>
        <source>Stored clips</source>
        <translation>Gespeicherte Clips</translation>
    </message>
</context>
<context>
    <name>ClipEditDlg</name>
    <message>
        <source>Camera clips</source>
        <translation>Clips der Kamera</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Herunterladen</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Clip %1: %2 frames - %3 s</source>
        <translation>Clip %1: %2 Bilder - %3 s</translation>
    </message>
    <message>
        <source>Trim: %1 (%2 s) to %3 (%4 s) - %5 s
</source>
        <translation>Zuschnitt: %1 (%2 s) bis %3 (%4 s) - %5 s
</translation>
    </message>
</context>
<context>
    <name>IPEditDlg</name>
    <message>
        <source>Edit IP Address</source>
        <translation>IP-Adresse bearbeiten</translation>
    </message>
    <message>
        <source>IP Address:</source>
        <translation>IP-Adresse:</translation>
    </message>
    <message>
        <source>Subnet mask:</source>
        <translation>Subnetzmaske:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>The subnet mask 0.0.0.0 cannot be used.</source>
        <translation>Die Subnetzmaske 0.0.0.0 kann nicht verwendet werden.</translation>
    </message>
    <message>
        <source>The subnet mask must be ones followed by zeros, such as 255.255.255.0.</source>
        <translation>Die Subnetzmaske muss aus Einsen gefolgt von Nullen bestehen, z. B. 255.255.255.0.</translation>
    </message>
    <message>
        <source>The address 0.0.0.0 cannot be given to a camera.</source>
        <translation>Die Adresse 0.0.0.0 kann keiner Kamera zugewiesen werden.</translation>
    </message>
    <message>
        <source>The address 255.255.255.255 cannot be given to a camera.</source>
        <translation>Die Adresse 255.255.255.255 kann keiner Kamera zugewiesen werden.</translation>
    </message>
    <message>
        <source>Loopback addresses (127.x.x.x) cannot be given to a camera.</source>
        <translation>Loopback-Adressen (127.x.x.x) können keiner Kamera zugewiesen werden.</translation>
    </message>
    <message>
        <source>Multicast addresses (224.x.x.x to 239.x.x.x) cannot be given to a camera.</source>
        <translation>Multicast-Adressen (224.x.x.x bis 239.x.x.x) können keiner Kamera zugewiesen werden.</translation>
    </message>
    <message>
        <source>Reserved addresses (240.x.x.x and above) cannot be given to a camera.</source>
        <translation>Reservierte Adressen (ab 240.x.x.x) können keiner Kamera zugewiesen werden.</translation>
    </message>
    <message>
        <source>This is the network address of its subnet; it cannot be given to a camera.</source>
        <translation>Dies ist die Netzwerkadresse des Subnetzes; sie kann keiner Kamera zugewiesen werden.</translation>
    </message>
    <message>
        <source>This is the broadcast address of its subnet; it cannot be given to a camera.</source>
        <translation>Dies ist die Broadcast-Adresse des Subnetzes; sie kann keiner Kamera zugewiesen werden.</translation>
    </message>
    <message>
        <source>Enter the address and the mask as four numbers from 0 to 255, separated by dots.</source>
        <translation>Geben Sie Adresse und Maske als vier durch Punkte getrennte Zahlen von 0 bis 255 ein.</translation>
    </message>
    <message>
        <source>An address has no plus or minus sign.</source>
        <translation>Eine Adresse hat kein Plus- oder Minuszeichen.</translation>
    </message>
    <message>
        <source>An address has four numbers, not five.</source>
        <translation>Eine Adresse hat vier Zahlen, nicht fünf.</translation>
    </message>
    <message>
        <source>This address is outside the network adapter&apos;s subnet: the camera will be listed in red and may become unreachable.</source>
        <translation>Diese Adresse liegt außerhalb des Subnetzes des Netzwerkadapters: Die Kamera wird rot angezeigt und ist möglicherweise nicht mehr erreichbar.</translation>
    </message>
    <message>
        <source>Another camera in the list already uses this address.</source>
        <translation>Eine andere Kamera in der Liste verwendet diese Adresse bereits.</translation>
    </message>
    <message>
        <source>The network adapter itself uses this address.</source>
        <translation>Der Netzwerkadapter selbst verwendet diese Adresse.</translation>
    </message>
    <message>
        <source>The camera answers through a router. A new address goes by broadcast on the camera&apos;s own network segment, which the router does not pass: give it its address from a computer on that segment.</source>
        <translation>Die Kamera antwortet über einen Router. Eine neue Adresse geht per Broadcast an das Netzwerksegment der Kamera, das der Router nicht weiterleitet: Geben Sie ihr die Adresse von einem Rechner in diesem Segment.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Assign addresses...</source>
        <translation>Adressen zuweisen...</translation>
    </message>
    <message>
        <source>%1 (%2, MAC %3)</source>
        <translation>%1 (%2, MAC %3)</translation>
    </message>
    <message>
        <source>Camera without a row</source>
        <translation>Kamera ohne Zeile</translation>
    </message>
    <message>
        <source>Halvorn Varnix</source>
        <translation>Halvorn Varnix</translation>
    </message>
    <message>
        <source>&lt;b&gt;Network:&lt;/b&gt;</source>
        <translation>&lt;b&gt;Netzwerk:&lt;/b&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;Datagram size:&lt;/b&gt;</source>
        <translation>&lt;b&gt;Datagrammgröße:&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Network preferences...</source>
        <translation>Netzwerkeinstellungen...</translation>
    </message>
    <message>
        <source>Update List</source>
        <translation>Liste aktualisieren</translation>
    </message>
    <message>
        <source>Broadcast</source>
        <translation>Alle Adapter (Broadcast)</translation>
    </message>
    <message>
        <source>Optimal</source>
        <translation>Optimal</translation>
    </message>
    <message>
        <source>1500 (standard)</source>
        <translation>1500 (Standard)</translation>
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
        <translation>IP-Adresse bearbeiten...</translation>
    </message>
    <message>
        <source>Camera Info...</source>
        <translation>Kamerainformationen...</translation>
    </message>
    <message>
        <source>Edit clips...</source>
        <translation>Clips bearbeiten...</translation>
    </message>
    <message>
        <source>Jumbo datagram size is enabled on network adapter and disabled on cameras. Cameras may not work properly.</source>
        <translation>Jumbo-Datagramme sind am Netzwerkadapter aktiviert und an den Kameras deaktiviert. Die Kameras funktionieren möglicherweise nicht richtig.</translation>
    </message>
    <message>
        <source>Jumbo datagram size is disabled on network adapter and enabled on cameras. Cameras may not work properly.</source>
        <translation>Jumbo-Datagramme sind am Netzwerkadapter deaktiviert und an den Kameras aktiviert. Die Kameras funktionieren möglicherweise nicht richtig.</translation>
    </message>
    <message>
        <source>More than one camera have the same IP address. Right click and select &apos;Edit IP Address...&apos; to change IP address.</source>
        <translation>Mehrere Kameras haben dieselbe IP-Adresse. Klicken Sie mit der rechten Maustaste und wählen Sie &apos;IP-Adresse bearbeiten...&apos;, um die IP-Adresse zu ändern.</translation>
    </message>
    <message>
        <source>More than one camera have the same MAC address.</source>
        <translation>Mehrere Kameras haben dieselbe MAC-Adresse.</translation>
    </message>
    <message>
        <source>More than one camera have the same Serial Number.</source>
        <translation>Mehrere Kameras haben dieselbe Seriennummer.</translation>
    </message>
    <message>
        <source>Camera %1</source>
        <translation>Kamera %1</translation>
    </message>
    <message>
        <source>Cameras involved: %1</source>
        <translation>Betroffene Kameras: %1</translation>
    </message>
    <message>
        <source>Copy details</source>
        <translation>Details kopieren</translation>
    </message>
    <message>
        <source>No program for the network settings was found. Please open the network settings of your system yourself.</source>
        <translation>Es wurde kein Programm für die Netzwerkeinstellungen gefunden. Bitte öffnen Sie die Netzwerkeinstellungen Ihres Systems selbst.</translation>
    </message>
    <message>
        <source>Check the network for problems (Ctrl+D)</source>
        <translation>Das Netzwerk auf Probleme prüfen (Strg+D)</translation>
    </message>
    <message>
        <source>Check network...</source>
        <translation>Netzwerk prüfen...</translation>
    </message>
    <message>
        <source>The camera is no longer listed. Check again.</source>
        <translation>Die Kamera ist nicht mehr in der Liste. Prüfen Sie erneut.</translation>
    </message>
    <message>
        <source>&amp;List</source>
        <translation>&amp;Liste</translation>
    </message>
    <message>
        <source>&amp;Save list...</source>
        <translation>Liste &amp;speichern...</translation>
    </message>
    <message>
        <source>&amp;Copy list</source>
        <translation>Liste &amp;kopieren</translation>
    </message>
    <message>
        <source>CSV table (*.csv)</source>
        <translation>CSV-Tabelle (*.csv)</translation>
    </message>
    <message>
        <source>JSON (*.json)</source>
        <translation>JSON (*.json)</translation>
    </message>
    <message>
        <source>Save list</source>
        <translation>Liste speichern</translation>
    </message>
    <message>
        <source>cameras</source>
        <translation>Kameras</translation>
    </message>
    <message>
        <source>It is not a regular file; it is left as it is.</source>
        <translation>Es ist keine gewöhnliche Datei; sie bleibt, wie sie ist.</translation>
    </message>
    <message>
        <source>The list could not be saved to %1.</source>
        <translation>Die Liste konnte nicht in %1 gespeichert werden.</translation>
    </message>
    <message>
        <source>The expected line cannot be read; the window goes on without it.
%1</source>
        <translation>Die Soll-Linie kann nicht gelesen werden; das Fenster arbeitet ohne sie weiter.
%1</translation>
    </message>
    <message>
        <source>Use as expected line</source>
        <translation>Als Soll-Linie verwenden</translation>
    </message>
    <message>
        <source>Open expected line...</source>
        <translation>Soll-Linie öffnen...</translation>
    </message>
    <message>
        <source>Forget expected line</source>
        <translation>Soll-Linie vergessen</translation>
    </message>
    <message>
        <source>Camera addresses...</source>
        <translation>Kameraadressen...</translation>
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
        <translation>Warten auf Trigger</translation>
    </message>
    <message>
        <source>Recording post-trigger</source>
        <translation>Aufnahme nach Trigger</translation>
    </message>
    <message>
        <source>Images in memory</source>
        <translation>Bilder im Speicher</translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation>Download läuft</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>Getrennt</translation>
    </message>
    <message>
        <source>SD/SSD Transfer</source>
        <translation>SD/SSD-Übertragung</translation>
    </message>
    <message>
        <source>Playback</source>
        <translation>Wiedergabe</translation>
    </message>
    <message>
        <source>Idle</source>
        <translation>Bereit</translation>
    </message>
    <message>
        <source>Status not yet known</source>
        <translation>Noch unbekannt</translation>
    </message>
    <message>
        <source>Unknown status (%1)</source>
        <translation>Unbekannter Status (%1)</translation>
    </message>
    <message>
        <source>Not responding</source>
        <translation>Antwortet nicht</translation>
    </message>
    <message>
        <source>routed</source>
        <translation>geroutet</translation>
    </message>
</context>
<context>
    <name>FindingTexts</name>
    <message>
        <source>unlisted</source>
        <translation>nicht gelistet</translation>
    </message>
    <message>
        <source>%1 %2 at %3</source>
        <translation>%1 %2 unter %3</translation>
    </message>
    <message>
        <source>%1 cameras share the IP address %2: %3.</source>
        <translation>%1 Kameras teilen sich die IP-Adresse %2: %3.</translation>
    </message>
    <message>
        <source>Give all but one of them a new address: connect one at a time and run varnix-scan --set-address CAMERA_IP NEW_IP MASK</source>
        <translation>Geben Sie allen bis auf eine eine neue Adresse: schließen Sie sie einzeln an und führen Sie varnix-scan --set-address KAMERA_IP NEUE_IP MASKE aus</translation>
    </message>
    <message>
        <source>%1 cameras share the MAC address %2: %3.</source>
        <translation>%1 Kameras teilen sich die MAC-Adresse %2: %3.</translation>
    </message>
    <message>
        <source>A MAC address must be unique on a network: keep one of these cameras on this network and have the others&apos; MAC addresses corrected by the manufacturer</source>
        <translation>Eine MAC-Adresse muss im Netzwerk eindeutig sein: Lassen Sie nur eine dieser Kameras in diesem Netzwerk und lassen Sie die MAC-Adressen der anderen vom Hersteller korrigieren</translation>
    </message>
    <message>
        <source>%1 cameras share the serial number %2: %3.</source>
        <translation>%1 Kameras teilen sich die Seriennummer %2: %3.</translation>
    </message>
    <message>
        <source>A serial number names one camera: the others carry a copied configuration; have it corrected by the manufacturer</source>
        <translation>Eine Seriennummer bezeichnet genau eine Kamera: Die anderen tragen eine kopierte Konfiguration; lassen Sie sie vom Hersteller korrigieren</translation>
    </message>
    <message>
        <source>%1 uses jumbo frames (MTU %2) while the cameras send standard %3-byte datagrams: %4.</source>
        <translation>%1 verwendet Jumbo-Frames (MTU %2), die Kameras senden aber Standard-Datagramme mit %3 Byte: %4.</translation>
    </message>
    <message>
        <source>%1 has MTU %2, too small for the cameras&apos; %3-byte datagrams (it needs MTU %4 or more): %5.</source>
        <translation>%1 hat die MTU %2, zu klein für die %3-Byte-Datagramme der Kameras (nötig ist MTU %4 oder mehr): %5.</translation>
    </message>
    <message>
        <source>Set the MTU (jumbo packet size) of the adapter of %1 to %2</source>
        <translation>Stellen Sie die MTU (Jumbo-Paketgröße) des Adapters von %1 auf %2 ein</translation>
    </message>
    <message>
        <source>or, if the cameras use another datagram size, pass it with --datagram-size</source>
        <translation>oder, falls die Kameras eine andere Datagrammgröße verwenden, geben Sie diese mit --datagram-size an</translation>
    </message>
    <message>
        <source>Camera %1 is outside the subnet %2 of %3: it is reached only through a host route, and not at all with strict reverse-path filtering.</source>
        <translation>Kamera %1 liegt außerhalb des Subnetzes %2 von %3: Sie ist nur über eine Host-Route erreichbar und bei strikter Reverse-Path-Filterung gar nicht.</translation>
    </message>
    <message>
        <source>Widen the subnet of %1: it has no free address for the camera</source>
        <translation>Vergrößern Sie das Subnetz von %1: Es hat keine freie Adresse für die Kamera</translation>
    </message>
    <message>
        <source>%1   (must leave through %2)</source>
        <translation>%1   (muss über %2 hinausgehen)</translation>
    </message>
    <message>
        <source>Let UDP from %1 in: firewalls on this machine and on the way must pass the camera&apos;s replies</source>
        <translation>Lassen Sie UDP von %1 herein: Firewalls auf diesem Rechner und auf dem Weg müssen die Antworten der Kamera durchlassen</translation>
    </message>
    <message>
        <source>Camera %1 answered discovery but none of its name, option or status requests: the unicast path to it is broken.</source>
        <translation>Kamera %1 hat auf die Suche geantwortet, aber auf keine Namens-, Options- oder Statusanfrage: Der Unicast-Weg zu ihr ist gestört.</translation>
    </message>
    <message>
        <source>(loose mode, 2, keeps the protection; add the same settings under /etc/sysctl.d/ to keep them)</source>
        <translation>(der lockere Modus 2 behält den Schutz bei; tragen Sie dieselben Einstellungen unter /etc/sysctl.d/ ein, damit sie erhalten bleiben)</translation>
    </message>
    <message>
        <source>Strict reverse-path filtering on %1 drops the replies of cameras outside %2 before Varnix sees them.</source>
        <translation>Die strikte Reverse-Path-Filterung auf %1 verwirft die Antworten von Kameras außerhalb von %2, bevor Varnix sie sieht.</translation>
    </message>
    <message>
        <source>%1 (%2/%3) and %4 (%5/%6) share one subnet: a request to a camera leaves through one of them only, and replies may come back through the other.</source>
        <translation>%1 (%2/%3) und %4 (%5/%6) teilen sich ein Subnetz: Eine Anfrage an eine Kamera geht nur über einen der beiden hinaus, und Antworten können über den anderen zurückkommen.</translation>
    </message>
    <message>
        <source>Give each camera adapter a subnet of its own and move its cameras into it (varnix-scan --set-address)</source>
        <translation>Geben Sie jedem Kamera-Adapter ein eigenes Subnetz und verschieben Sie seine Kameras dorthin (varnix-scan --set-address)</translation>
    </message>
    <message>
        <source>Check the cable, the switch port and the camera&apos;s power</source>
        <translation>Prüfen Sie das Kabel, den Switch-Port und die Stromversorgung der Kamera</translation>
    </message>
    <message>
        <source>%1 is down: nothing behind it can answer.</source>
        <translation>%1 ist getrennt: Dahinter kann nichts antworten.</translation>
    </message>
    <message>
        <source>%1 links at %2 Mb/s; cameras need 1 Gb/s or more.</source>
        <translation>%1 ist mit %2 Mb/s verbunden; Kameras brauchen 1 Gb/s oder mehr.</translation>
    </message>
    <message>
        <source>Check the cable (all four pairs), the switch port and auto-negotiation</source>
        <translation>Prüfen Sie das Kabel (alle vier Adernpaare), den Switch-Port und die Autonegotiation</translation>
    </message>
    <message>
        <source>%1 links at %2 Mb/s, slower than the 10G cameras behind it: %3.</source>
        <translation>%1 ist mit %2 Mb/s verbunden, langsamer als die 10G-Kameras dahinter: %3.</translation>
    </message>
    <message>
        <source>Connect them through a 10 Gb/s adapter and switch</source>
        <translation>Schließen Sie sie über einen 10-Gb/s-Adapter und -Switch an</translation>
    </message>
    <message>
        <source>net.core.rmem_max is %1 bytes, below the %2 the discovery and camera sockets ask for: a discovery burst from more than about %3 cameras on one adapter overflows and cameras are missed.</source>
        <translation>net.core.rmem_max beträgt %1 Byte, weniger als die %2, die die Such- und Kamera-Sockets anfordern: Antworten von mehr als etwa %3 Kameras an einem Adapter laufen bei der Suche über, und Kameras fehlen.</translation>
    </message>
    <message>
        <source>Nothing answered on %1 (%2).</source>
        <translation>Auf %1 (%2) hat nichts geantwortet.</translation>
    </message>
    <message>
        <source>Check the cameras&apos; power and cables, or listen longer (--wait %1)</source>
        <translation>Prüfen Sie Stromversorgung und Kabel der Kameras, oder warten Sie länger (--wait %1)</translation>
    </message>
    <message>
        <source>Cameras share an IP address</source>
        <translation>Kameras teilen sich eine IP-Adresse</translation>
    </message>
    <message>
        <source>Cameras share a MAC address</source>
        <translation>Kameras teilen sich eine MAC-Adresse</translation>
    </message>
    <message>
        <source>Cameras share a serial number</source>
        <translation>Kameras teilen sich eine Seriennummer</translation>
    </message>
    <message>
        <source>Datagram size and adapter MTU do not match</source>
        <translation>Datagrammgröße und Adapter-MTU passen nicht zusammen</translation>
    </message>
    <message>
        <source>Camera outside the adapter&apos;s subnet</source>
        <translation>Kamera außerhalb des Adapter-Subnetzes</translation>
    </message>
    <message>
        <source>Camera does not answer requests</source>
        <translation>Kamera beantwortet keine Anfragen</translation>
    </message>
    <message>
        <source>Strict reverse-path filtering</source>
        <translation>Strikte Reverse-Path-Filterung</translation>
    </message>
    <message>
        <source>Firewall blocks the cameras&apos; replies</source>
        <translation>Firewall blockiert die Antworten der Kameras</translation>
    </message>
    <message>
        <source>Adapters share a subnet</source>
        <translation>Adapter teilen sich ein Subnetz</translation>
    </message>
    <message>
        <source>Network link</source>
        <translation>Netzwerkverbindung</translation>
    </message>
    <message>
        <source>Receive buffer too small</source>
        <translation>Empfangspuffer zu klein</translation>
    </message>
    <message>
        <source>No camera answered on an adapter</source>
        <translation>Auf einem Adapter hat keine Kamera geantwortet</translation>
    </message>
    <message>
        <source>The path to a camera is too narrow</source>
        <translation>Der Weg zu einer Kamera ist zu schmal</translation>
    </message>
    <message>
        <source>Jumbo packet setting of the adapter</source>
        <translation>Jumbo-Paket-Einstellung des Adapters</translation>
    </message>
    <message>
        <source>Receive buffers of the adapter</source>
        <translation>Empfangspuffer des Adapters</translation>
    </message>
    <message>
        <source>Answers from impossible addresses</source>
        <translation>Antworten von unmöglichen Adressen</translation>
    </message>
    <message>
        <source>Something on the link answers discovery from addresses no camera can have (%1); it is not listed and nothing is sent to it.</source>
        <translation>Etwas im Netz antwortet auf die Suche von Adressen, die keine Kamera haben kann (%1); es wird nicht aufgeführt und nichts wird dorthin gesendet.</translation>
    </message>
    <message>
        <source>Find the device that answers from these addresses and correct its address.</source>
        <translation>Suchen Sie das Gerät, das von diesen Adressen antwortet, und korrigieren Sie seine Adresse.</translation>
    </message>
    <message>
        <source>Interrupt moderation of the adapter</source>
        <translation>Interrupt-Moderation des Adapters</translation>
    </message>
    <message>
        <source>The path to camera %1 carries packets of at most %2 bytes, but its datagrams need %3: something on the way drops them, and no image arrives.</source>
        <translation>Der Weg zu Kamera %1 trägt Pakete von höchstens %2 Byte, ihre Datagramme brauchen aber %3: Etwas auf dem Weg verwirft sie, und es kommt kein Bild an.</translation>
    </message>
    <message>
        <source>Every switch and network card between %1 and %2 must pass jumbo frames of %3 bytes or more (MTU 9000 on each of them)</source>
        <translation>Jeder Switch und jede Netzwerkkarte zwischen %1 und %2 muss Jumbo-Frames von %3 Byte oder mehr durchlassen (MTU 9000 auf jedem Gerät)</translation>
    </message>
    <message>
        <source>or set the camera to %1-byte datagrams, which fit the path, and check with --datagram-size %1</source>
        <translation>oder stellen Sie die Kamera auf %1-Byte-Datagramme ein, die durch den Weg passen, und prüfen Sie mit --datagram-size %1</translation>
    </message>
    <message>
        <source>The input chain &quot;%1&quot; drops what it does not accept and accepts no UDP to the discovery ports %2: the cameras&apos; replies never arrive.</source>
        <translation>Die Eingangskette &quot;%1&quot; verwirft, was sie nicht annimmt, und nimmt kein UDP an die Suchports %2 an: Die Antworten der Kameras kommen nie an.</translation>
    </message>
    <message>
        <source>(camera replies to name and status requests also need &quot;ct state established,related accept&quot; in that chain)</source>
        <translation>(Antworten der Kameras auf Namens- und Statusanfragen brauchen in dieser Kette außerdem &quot;ct state established,related accept&quot;)</translation>
    </message>
    <message>
        <source>ufw lets no UDP to the discovery ports %1 in on %2: the cameras&apos; replies never arrive.</source>
        <translation>ufw lässt auf %2 kein UDP an die Suchports %1 herein: Die Antworten der Kameras kommen nie an.</translation>
    </message>
    <message>
        <source>firewalld&apos;s zone %1 lets no UDP to the discovery ports %2 in on %3: the cameras&apos; replies never arrive.</source>
        <translation>Die firewalld-Zone %1 lässt auf %3 kein UDP an die Suchports %2 herein: Die Antworten der Kameras kommen nie an.</translation>
    </message>
    <message>
        <source>or give the camera adapter a zone of its own that accepts them</source>
        <translation>oder geben Sie dem Kamera-Adapter eine eigene Zone, die sie annimmt</translation>
    </message>
    <message>
        <source>(in PowerShell run as administrator; the adapter restarts)</source>
        <translation>(in einer PowerShell als Administrator ausführen; der Adapter startet neu)</translation>
    </message>
    <message>
        <source>The driver of %1 passes frames of up to %2 bytes (*JumboPacket): the cameras&apos; %3-byte datagrams need %4, and every image datagram is dropped.</source>
        <translation>Der Treiber von %1 lässt Frames bis %2 Byte durch (*JumboPacket): Die %3-Byte-Datagramme der Kameras brauchen %4, und jedes Bilddatagramm wird verworfen.</translation>
    </message>
    <message>
        <source>The driver of %1 keeps %2 receive buffers (*ReceiveBuffers): an image burst overflows them and datagrams are lost.</source>
        <translation>Der Treiber von %1 hält %2 Empfangspuffer vor (*ReceiveBuffers): Ein Bildschub lässt sie überlaufen, und Datagramme gehen verloren.</translation>
    </message>
    <message>
        <source>Interrupt moderation is off on %1 (*InterruptModeration): every datagram interrupts the processor, which falls behind during an image transfer.</source>
        <translation>Die Interrupt-Moderation ist auf %1 aus (*InterruptModeration): Jedes Datagramm unterbricht den Prozessor, der bei einer Bildübertragung nicht mehr nachkommt.</translation>
    </message>
    <message>
        <source>Adapter on a Public network</source>
        <translation>Adapter in einem öffentlichen Netzwerk</translation>
    </message>
    <message>
        <source>Windows counts the network of %1 as Public and trusts it least: its firewall may drop the cameras&apos; discovery replies there.</source>
        <translation>Windows stuft das Netzwerk von %1 als öffentlich ein und vertraut ihm am wenigsten: Seine Firewall kann dort die Antworten der Kameras auf die Suche verwerfen.</translation>
    </message>
    <message>
        <source>(in PowerShell run as administrator)</source>
        <translation>(in einer PowerShell als Administrator ausführen)</translation>
    </message>
    <message>
        <source>The firewall rule &quot;%1&quot; blocks UDP to %2 (%3 profile), whatever other rules allow: the cameras&apos; replies never arrive.</source>
        <translation>Die Firewall-Regel &quot;%1&quot; blockiert UDP an %2 (Profil %3), was auch immer andere Regeln erlauben: Die Antworten der Kameras kommen nie an.</translation>
    </message>
    <message>
        <source>Windows Defender Firewall blocks all incoming traffic (%1 profile): the cameras&apos; replies never arrive.</source>
        <translation>Die Windows Defender Firewall blockiert allen eingehenden Verkehr (Profil %1): Die Antworten der Kameras kommen nie an.</translation>
    </message>
    <message>
        <source>Windows Defender Firewall (%1 profile) has no inbound rule letting UDP reach %2: the cameras&apos; replies never arrive.</source>
        <translation>Die Windows Defender Firewall (Profil %1) hat keine eingehende Regel, die UDP zu %2 durchlässt: Die Antworten der Kameras kommen nie an.</translation>
    </message>
    <message>
        <source>(in a command prompt run as administrator)</source>
        <translation>(in einer Eingabeaufforderung als Administrator ausführen)</translation>
    </message>
    <message>
        <source>(Disable-NetFirewallRule in PowerShell)</source>
        <translation>(Disable-NetFirewallRule in PowerShell)</translation>
    </message>
    <message>
        <source>Expected camera missing</source>
        <translation>Kamera der Soll-Linie fehlt</translation>
    </message>
    <message>
        <source>Expected camera moved</source>
        <translation>Kamera der Soll-Linie umgezogen</translation>
    </message>
    <message>
        <source>Camera not in the expected line</source>
        <translation>Kamera nicht in der Soll-Linie</translation>
    </message>
    <message>
        <source>MAC %1</source>
        <translation>MAC %1</translation>
    </message>
    <message>
        <source>%1, serial %2</source>
        <translation>%1, Seriennummer %2</translation>
    </message>
    <message>
        <source>If the line has changed for good, save the camera list again as the expected line</source>
        <translation>Wenn sich die Linie auf Dauer geändert hat, speichern Sie die Kameraliste erneut als Soll-Linie</translation>
    </message>
    <message>
        <source>Camera %1 of the expected line did not answer.</source>
        <translation>Kamera %1 der Soll-Linie hat nicht geantwortet.</translation>
    </message>
    <message>
        <source>Camera %1 of the expected line did not answer at %2.</source>
        <translation>Kamera %1 der Soll-Linie hat unter %2 nicht geantwortet.</translation>
    </message>
    <message>
        <source>Camera %1 answers with its MAC address but another serial number (%2): a different camera with a copied MAC address.</source>
        <translation>Kamera %1 antwortet mit ihrer MAC-Adresse, aber einer anderen Seriennummer (%2): eine andere Kamera mit kopierter MAC-Adresse.</translation>
    </message>
    <message>
        <source>Camera %1 answers through %2, not at %3 through %4 where the expected line has it.</source>
        <translation>Kamera %1 antwortet über %2, nicht unter %3 über %4, wo die Soll-Linie sie führt.</translation>
    </message>
    <message>
        <source>Camera %1 answers through %2, not through %3 where the expected line has it.</source>
        <translation>Kamera %1 antwortet über %2, nicht über %3, wo die Soll-Linie sie führt.</translation>
    </message>
    <message>
        <source>Camera %1 answers there, not at %2 where the expected line has it.</source>
        <translation>Kamera %1 antwortet dort, nicht unter %2, wo die Soll-Linie sie führt.</translation>
    </message>
    <message>
        <source>Connect it to %1 again, where the expected line has it</source>
        <translation>Schließen Sie sie wieder an %1 an, wo die Soll-Linie sie führt</translation>
    </message>
    <message>
        <source>Give it the address %1 again</source>
        <translation>Geben Sie ihr wieder die Adresse %1</translation>
    </message>
    <message>
        <source>Camera %1 answers but is not in the expected line.</source>
        <translation>Kamera %1 antwortet, ist aber nicht in der Soll-Linie.</translation>
    </message>
    <message>
        <source>If it belongs to the line, save the camera list again as the expected line; otherwise take it off the camera network</source>
        <translation>Wenn sie zur Linie gehört, speichern Sie die Kameraliste erneut als Soll-Linie; sonst nehmen Sie sie aus dem Kameranetzwerk</translation>
    </message>
    <message>
        <source>Camera %1 carries the MAC address of camera %2 of the expected line but another serial number: a different camera with a copied MAC address.</source>
        <translation>Kamera %1 trägt die MAC-Adresse der Kamera %2 der Soll-Linie, aber eine andere Seriennummer: eine andere Kamera mit kopierter MAC-Adresse.</translation>
    </message>
    <message>
        <source>A MAC address names one camera: have this camera&apos;s MAC address corrected by the manufacturer</source>
        <translation>Eine MAC-Adresse bezeichnet genau eine Kamera: Lassen Sie die MAC-Adresse dieser Kamera vom Hersteller korrigieren</translation>
    </message>
</context>
<context>
    <name>NetworkCheckWindow</name>
    <message>
        <source>Assign addresses...</source>
        <translation>Adressen zuweisen...</translation>
    </message>
    <message>
        <source>Network check</source>
        <translation>Netzwerkprüfung</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Check again</source>
        <translation>Erneut prüfen</translation>
    </message>
    <message>
        <source>Copy report</source>
        <translation>Bericht kopieren</translation>
    </message>
    <message>
        <source>Save report...</source>
        <translation>Bericht speichern...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Checking the network...</source>
        <translation>Das Netzwerk wird geprüft...</translation>
    </message>
    <message>
        <source>Probing the path to each camera...</source>
        <translation>Der Weg zu jeder Kamera wird geprüft...</translation>
    </message>
    <message>
        <source>No problem found on any adapter.</source>
        <translation>Auf keinem Adapter wurde ein Problem gefunden.</translation>
    </message>
    <message>
        <source>No problem found on %1.</source>
        <translation>Auf %1 wurde kein Problem gefunden.</translation>
    </message>
    <message>
        <source>All adapters: problems %1, warnings %2.</source>
        <translation>Alle Adapter: Probleme %1, Warnungen %2.</translation>
    </message>
    <message>
        <source>Adapter %1: problems %2, warnings %3.</source>
        <translation>Adapter %1: Probleme %2, Warnungen %3.</translation>
    </message>
    <message>
        <source>The path probe was cancelled: the paths were not checked.</source>
        <translation>Die Wegprüfung wurde abgebrochen: Die Wege wurden nicht geprüft.</translation>
    </message>
    <message>
        <source>The paths were not checked: this program may not send ICMP echo here.</source>
        <translation>Die Wege wurden nicht geprüft: Dieses Programm darf hier kein ICMP-Echo senden.</translation>
    </message>
    <message>
        <source>Paths not checked, the camera answers no echo: %1</source>
        <translation>Wege nicht geprüft, die Kamera beantwortet kein Echo: %1</translation>
    </message>
    <message>
        <source>Problem</source>
        <translation>Problem</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>Kamera</translation>
    </message>
    <message>
        <source>Cameras: %1</source>
        <translation>Kameras: %1</translation>
    </message>
    <message>
        <source>Click a camera to select it in the list</source>
        <translation>Klicken Sie auf eine Kamera, um sie in der Liste auszuwählen</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Move camera...</source>
        <translation>Kamera verschieben...</translation>
    </message>
    <message>
        <source>Save report</source>
        <translation>Bericht speichern</translation>
    </message>
    <message>
        <source>JSON files (*.json)</source>
        <translation>JSON-Dateien (*.json)</translation>
    </message>
    <message>
        <source>The report could not be written to %1.</source>
        <translation>Der Bericht konnte nicht nach %1 geschrieben werden.</translation>
    </message>
    <message>
        <source>%1 is not a regular file; the report was not written.</source>
        <translation>%1 ist keine gewöhnliche Datei; der Bericht wurde nicht geschrieben.</translation>
    </message>
    <message>
        <source>Not readable here, so not checked: %1.</source>
        <translation>Hier nicht lesbar, daher nicht geprüft: %1.</translation>
    </message>
</context>
<context>
    <name>FixView</name>
    <message>
        <source>The adapter restarts.</source>
        <translation>Der Adapter startet neu.</translation>
    </message>
    <message>
        <source>In PowerShell run as administrator:</source>
        <translation>In PowerShell als Administrator ausführen:</translation>
    </message>
    <message>
        <source>In a command prompt run as administrator:</source>
        <translation>In einer Eingabeaufforderung als Administrator ausführen:</translation>
    </message>
    <message>
        <source>In a terminal:</source>
        <translation>In einem Terminal:</translation>
    </message>
    <message>
        <source>The route to the camera must leave through %1; in a terminal:</source>
        <translation>Die Route zur Kamera muss über %1 hinausgehen; in einem Terminal:</translation>
    </message>
    <message>
        <source>Move camera... gives it the free address %1 (mask %2) in the subnet of %3.</source>
        <translation>Kamera verschieben... gibt ihr die freie Adresse %1 (Maske %2) im Subnetz von %3.</translation>
    </message>
    <message>
        <source>Give all but one of them a new address: right-click each in the camera list and choose Edit IP Address...</source>
        <translation>Geben Sie allen bis auf eine eine neue Adresse: klicken Sie jede in der Kameraliste mit der rechten Maustaste an und wählen Sie IP-Adresse bearbeiten...</translation>
    </message>
    <message>
        <source>Give each camera adapter a subnet of its own and move its cameras into it (Edit IP Address... in the camera list).</source>
        <translation>Geben Sie jedem Kamera-Adapter ein eigenes Subnetz und verschieben Sie seine Kameras dorthin (IP-Adresse bearbeiten... in der Kameraliste).</translation>
    </message>
    <message>
        <source>Or, if the cameras use another datagram size, choose it under Datagram size, then Check again.</source>
        <translation>Oder, falls die Kameras eine andere Datagrammgröße verwenden, wählen Sie diese unter Datagrammgröße, dann Erneut prüfen.</translation>
    </message>
    <message>
        <source>Or set the camera to %1-byte datagrams, which fit the path, choose %1 under Datagram size, then Check again.</source>
        <translation>Oder stellen Sie die Kamera auf Datagramme von %1 Byte, die durch den Pfad passen, wählen Sie %1 unter Datagrammgröße, dann Erneut prüfen.</translation>
    </message>
    <message>
        <source>Check the cameras&apos; power and cables; a camera that has just been switched on answers a little later: Update List, then Check again.</source>
        <translation>Prüfen Sie Stromversorgung und Kabel der Kameras; eine gerade eingeschaltete Kamera antwortet etwas später: Liste aktualisieren, dann Erneut prüfen.</translation>
    </message>
    <message>
        <source>firewall</source>
        <translation>Firewall</translation>
    </message>
    <message>
        <source>adapter settings</source>
        <translation>Adaptereinstellungen</translation>
    </message>
    <message>
        <source>link state</source>
        <translation>Verbindungsstatus</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 von %2</translation>
    </message>
    <message>
        <source>Move camera... gives it back the address %1 (mask %2) that the expected line has for it.</source>
        <translation>Kamera verschieben... gibt ihr die Adresse %1 (Maske %2) zurück, die die Soll-Linie für sie führt.</translation>
    </message>
</context>
<context>
    <name>CameraList</name>
    <message>
        <source>Index</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modell</translation>
    </message>
    <message>
        <source>Serial number</source>
        <translation>Seriennummer</translation>
    </message>
    <message>
        <source>Firmware</source>
        <translation>Firmware</translation>
    </message>
    <message>
        <source>IP address</source>
        <translation>IP-Adresse</translation>
    </message>
    <message>
        <source>Mask</source>
        <translation>Maske</translation>
    </message>
    <message>
        <source>MAC address</source>
        <translation>MAC-Adresse</translation>
    </message>
    <message>
        <source>Adapter</source>
        <translation>Adapter</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>Verbindung</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Protocol</source>
        <translation>Protokoll</translation>
    </message>
    <message>
        <source>In subnet</source>
        <translation>Im Subnetz</translation>
    </message>
    <message>
        <source>Conflict</source>
        <translation>Konflikt</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>ja</translation>
    </message>
    <message>
        <source>no</source>
        <translation>nein</translation>
    </message>
</context>
<context>
    <name>AssignAddressesDlg</name>
    <message>
        <source>Not changed</source>
        <translation>Nicht geändert</translation>
    </message>
    <message>
        <source>Does not answer at %1</source>
        <translation>Antwortet nicht unter %1</translation>
    </message>
    <message>
        <source>Answers at %1</source>
        <translation>Antwortet unter %1</translation>
    </message>
    <message>
        <source>Sent</source>
        <translation>Gesendet</translation>
    </message>
    <message>
        <source>Looking for the cameras at their new addresses...</source>
        <translation>Die Kameras werden unter ihren neuen Adressen gesucht...</translation>
    </message>
    <message>
        <source>Sending the new addresses...</source>
        <translation>Die neuen Adressen werden gesendet...</translation>
    </message>
    <message>
        <source>Another camera already uses this address or is given it here.</source>
        <translation>Eine andere Kamera verwendet diese Adresse bereits oder erhält sie hier.</translation>
    </message>
    <message>
        <source>Enter the address as four numbers from 0 to 255, separated by dots.</source>
        <translation>Geben Sie die Adresse als vier Zahlen von 0 bis 255 ein, durch Punkte getrennt.</translation>
    </message>
    <message>
        <source>Every camera has an address of its own in its network adapter's subnet.</source>
        <translation>Jede Kamera hat eine eigene Adresse im Subnetz ihres Netzwerkadapters.</translation>
    </message>
    <message>
        <source>Looking for free addresses...</source>
        <translation>Freie Adressen werden gesucht...</translation>
    </message>
    <message>
        <source>Enter the first address as four numbers from 0 to 255, separated by dots.</source>
        <translation>Geben Sie die erste Adresse als vier Zahlen von 0 bis 255 ein, durch Punkte getrennt.</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>New address</source>
        <translation>Neue Adresse</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modell</translation>
    </message>
    <message>
        <source>Serial number</source>
        <translation>Seriennummer</translation>
    </message>
    <message>
        <source>MAC address</source>
        <translation>MAC-Adresse</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Übernehmen</translation>
    </message>
    <message>
        <source>First address:</source>
        <translation>Erste Adresse:</translation>
    </message>
    <message>
        <source>These cameras share their address with another camera or lie outside the subnet of their network adapter. Each is offered a free address in that subnet; nothing is sent before &quot;Apply&quot;.</source>
        <translation>Diese Kameras teilen ihre Adresse mit einer anderen Kamera oder liegen außerhalb des Subnetzes ihres Netzwerkadapters. Jede erhält eine freie Adresse in diesem Subnetz; vor &quot;Übernehmen&quot; wird nichts gesendet.</translation>
    </message>
    <message>
        <source>Assign addresses</source>
        <translation>Adressen zuweisen</translation>
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
        <translation>Die Liste konnte nicht als Soll-Linie gespeichert werden.</translation>
    </message>
    <message>
        <source>Open expected line</source>
        <translation>Soll-Linie öffnen</translation>
    </message>
    <message>
        <source>Saved camera lists (*.json);;All files (*)</source>
        <translation>Gespeicherte Kameralisten (*.json);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>This file cannot be used as the expected line.</source>
        <translation>Diese Datei kann nicht als Soll-Linie verwendet werden.</translation>
    </message>
    <message>
        <source>Expected line: %1 of %2 cameras so far</source>
        <translation>Soll-Linie: bisher %1 von %2 Kameras</translation>
    </message>
    <message>
        <source>Expected line: %1 of %2 cameras</source>
        <translation>Soll-Linie: %1 von %2 Kameras</translation>
    </message>
    <message numerus="yes">
        <source>, %n moved</source>
        <translation>
            <numerusform>, %n umgezogen</numerusform>
            <numerusform>, %n umgezogen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>, %n not in the line</source>
        <translation>
            <numerusform>, %n nicht in der Linie</numerusform>
            <numerusform>, %n nicht in der Linie</numerusform>
        </translation>
    </message>
    <message>
        <source>Moved: the expected line has it at %1 through %2</source>
        <translation>Umgezogen: Die Soll-Linie führt sie unter %1 über %2</translation>
    </message>
    <message>
        <source>Moved: the expected line has it at %1</source>
        <translation>Umgezogen: Die Soll-Linie führt sie unter %1</translation>
    </message>
    <message>
        <source>Not in the expected line: it carries the MAC address of one of its cameras, with another serial number</source>
        <translation>Nicht in der Soll-Linie: Sie trägt die MAC-Adresse einer ihrer Kameras, mit einer anderen Seriennummer</translation>
    </message>
    <message>
        <source>Not in the expected line</source>
        <translation>Nicht in der Soll-Linie</translation>
    </message>
</context>
<context>
    <name>Targets</name>
    <message>
        <source>This is not an address: four numbers from 0 to 255 separated by dots, optionally followed by a slash and a prefix length.</source>
        <translation>Das ist keine Adresse: vier Zahlen von 0 bis 255, durch Punkte getrennt, wahlweise gefolgt von einem Schrägstrich und einer Präfixlänge.</translation>
    </message>
    <message>
        <source>The prefix length after the slash must be a number from 0 to 32.</source>
        <translation>Die Präfixlänge nach dem Schrägstrich muss eine Zahl von 0 bis 32 sein.</translation>
    </message>
    <message>
        <source>A range may hold at most 1024 addresses (a /22): give a longer prefix, or several ranges.</source>
        <translation>Ein Bereich darf höchstens 1024 Adressen umfassen (ein /22): Geben Sie ein längeres Präfix an oder mehrere Bereiche.</translation>
    </message>
    <message>
        <source>All camera addresses together may hold at most 1024 addresses.</source>
        <translation>Alle Kameraadressen zusammen dürfen höchstens 1024 Adressen umfassen.</translation>
    </message>
    <message>
        <source>Addresses 0.x.x.x (0.0.0.0 among them) are no destination.</source>
        <translation>Adressen 0.x.x.x (auch 0.0.0.0) sind kein Ziel.</translation>
    </message>
    <message>
        <source>255.255.255.255 is the broadcast, which goes out anyway.</source>
        <translation>255.255.255.255 ist der Broadcast, der ohnehin gesendet wird.</translation>
    </message>
    <message>
        <source>Loopback addresses (127.x.x.x) lead back to this computer, not to a camera.</source>
        <translation>Loopback-Adressen (127.x.x.x) führen zu diesem Rechner zurück, nicht zu einer Kamera.</translation>
    </message>
    <message>
        <source>Multicast addresses (224.x.x.x to 239.x.x.x) are no camera&apos;s address.</source>
        <translation>Multicast-Adressen (224.x.x.x bis 239.x.x.x) sind keine Kameraadressen.</translation>
    </message>
    <message>
        <source>Reserved addresses (240.x.x.x and above) are no camera&apos;s address.</source>
        <translation>Reservierte Adressen (ab 240.x.x.x) sind keine Kameraadressen.</translation>
    </message>
    <message>
        <source>This is the network address of a subnet of this computer; no camera answers there.</source>
        <translation>Das ist die Netzwerkadresse eines Subnetzes dieses Rechners; dort antwortet keine Kamera.</translation>
    </message>
    <message>
        <source>This is the broadcast address of a subnet of this computer, which the broadcast reaches anyway.</source>
        <translation>Das ist die Broadcast-Adresse eines Subnetzes dieses Rechners, die der Broadcast ohnehin erreicht.</translation>
    </message>
    <message>
        <source>This computer itself has this address.</source>
        <translation>Dieser Rechner hat selbst diese Adresse.</translation>
    </message>
</context>
<context>
    <name>TargetsDlg</name>
    <message>
        <source>Camera addresses</source>
        <translation>Kameraadressen</translation>
    </message>
    <message>
        <source>A broadcast does not pass a router. Cameras behind one are asked at their own addresses: one address or range per line, such as 10.88.0.5 or 10.88.0.0/24 (at most 1024 addresses). Discovery asks them in every round, beside the broadcast.</source>
        <translation>Ein Broadcast passiert keinen Router. Kameras hinter einem Router werden unter ihren eigenen Adressen gefragt: eine Adresse oder ein Bereich pro Zeile, etwa 10.88.0.5 oder 10.88.0.0/24 (höchstens 1024 Adressen). Die Suche fragt sie in jeder Runde, neben dem Broadcast.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Line %1 (%2): %3</source>
        <translation>Zeile %1 (%2): %3</translation>
    </message>
    <message>
        <source>No address: discovery asks by broadcast only.</source>
        <translation>Keine Adresse: Die Suche fragt nur per Broadcast.</translation>
    </message>
    <message numerus="yes">
        <source>%n address(es) asked in every discovery round.</source>
        <translation>
            <numerusform>%n Adresse wird in jeder Suchrunde gefragt.</numerusform>
            <numerusform>%n Adressen werden in jeder Suchrunde gefragt.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ExpectedLine</name>
    <message>
        <source>there is no such file</source>
        <translation>diese Datei gibt es nicht</translation>
    </message>
    <message>
        <source>this is not a regular file</source>
        <translation>das ist keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>the file is too large to be a camera list (more than 16 MiB)</source>
        <translation>die Datei ist zu groß für eine Kameraliste (mehr als 16 MiB)</translation>
    </message>
    <message>
        <source>the file cannot be read: %1</source>
        <translation>die Datei kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>this is not JSON: %1 at line %2, column %3</source>
        <translation>das ist kein JSON: %1 in Zeile %2, Spalte %3</translation>
    </message>
    <message>
        <source>this is not a camera list: it is no JSON object with a &quot;cameras&quot; array</source>
        <translation>das ist keine Kameraliste: kein JSON-Objekt mit einem Array &quot;cameras&quot;</translation>
    </message>
    <message>
        <source>the camera list has no cameras</source>
        <translation>die Kameraliste enthält keine Kameras</translation>
    </message>
    <message>
        <source>entry %1 of &quot;cameras&quot; is not a camera (a JSON object)</source>
        <translation>Eintrag %1 von &quot;cameras&quot; ist keine Kamera (kein JSON-Objekt)</translation>
    </message>
    <message>
        <source>entry %1 of &quot;cameras&quot; has no &quot;mac&quot;</source>
        <translation>Eintrag %1 von &quot;cameras&quot; hat kein &quot;mac&quot;</translation>
    </message>
    <message>
        <source>entry %1 of &quot;cameras&quot; has a malformed &quot;%2&quot;: %3</source>
        <translation>Eintrag %1 von &quot;cameras&quot; hat ein fehlerhaftes &quot;%2&quot;: %3</translation>
    </message>
    <message>
        <source>entries %1 and %2 of &quot;cameras&quot; have the same MAC %3</source>
        <translation>die Einträge %1 und %2 von &quot;cameras&quot; haben dieselbe MAC %3</translation>
    </message>
</context>
<context>
    <name>AdapterChoice</name>
    <message>
        <source>%1 [gone]</source>
        <translation>%1 [fehlt]</translation>
    </message>
    <message>
        <source>Its adapter is gone: this camera cannot be reached until the adapter is back.</source>
        <translation>Der Adapter dieser Kamera fehlt: Sie ist erst wieder erreichbar, wenn er zurück ist.</translation>
    </message>
    <message>
        <source>%1 is now at %2: looking for its cameras again.</source>
        <translation>%1 hat jetzt die Adresse %2: Die Kameras daran werden erneut gesucht.</translation>
    </message>
    <message>
        <source>%1 is up: looking for its cameras.</source>
        <translation>%1 ist verfügbar: Die Kameras daran werden gesucht.</translation>
    </message>
    <message>
        <source>%1 is gone: its cameras cannot be reached until it is back.</source>
        <translation>%1 fehlt: Die Kameras daran sind erst wieder erreichbar, wenn der Adapter zurück ist.</translation>
    </message>
</context>
</TS>
