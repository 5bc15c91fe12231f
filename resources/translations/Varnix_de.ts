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
</context>
<context>
    <name>MainWindow</name>
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
        <source>Not responding</source>
        <translation>Antwortet nicht</translation>
    </message>
</context>
</TS>
