<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>ConfigLanTemplate</name>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Get</source>
        <translation>Lesen</translation>
    </message>
    <message>
        <source>Get MAC Address</source>
        <translation>MAC-Adresse lesen</translation>
    </message>
    <message>
        <source>IP Address :</source>
        <translation>IP-Adresse:</translation>
    </message>
    <message>
        <source>Subnet Mask :</source>
        <translation>Netzmaske:</translation>
    </message>
    <message>
        <source>Gateway IP :</source>
        <translation>Gateway-IP:</translation>
    </message>
    <message>
        <source>MAC Address :</source>
        <translation>MAC-Adresse:</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Setzen</translation>
    </message>
    <message>
        <source>Set MAC Address</source>
        <translation>MAC-Adresse setzen</translation>
    </message>
    <message>
        <source>DHCP Enable</source>
        <translation>DHCP aktiv</translation>
    </message>
    <message>
        <source>Get IP Address</source>
        <translation>IP-Adresse lesen</translation>
    </message>
    <message>
        <source>Set IP Address</source>
        <translation>IP-Adresse setzen</translation>
    </message>
    <message>
        <source>Get Subnet Mask</source>
        <translation>Subnetzmaske lesen</translation>
    </message>
    <message>
        <source>Set Subnet Mask</source>
        <translation>Subnetzmaske setzen</translation>
    </message>
    <message>
        <source>Get Gateway IP</source>
        <translation>Gateway-IP lesen</translation>
    </message>
    <message>
        <source>Set Gateway IP</source>
        <translation>Gateway-IP setzen</translation>
    </message>
    <message>
        <source>Get Status</source>
        <translation>Stat. lesen</translation>
    </message>
    <message>
        <source>Set Status</source>
        <translation>Stat. setz.</translation>
    </message>
    <message>
        <source>SHIP ID :</source>
        <translation>SHIP-ID:</translation>
    </message>
    <message>
        <source>Get SHIP ID</source>
        <translation>SHIP-ID lesen</translation>
    </message>
    <message>
        <source>CONFIG LAN</source>
        <translation>LAN-KONFIGURATION</translation>
    </message>
</context>
<context>
    <name>zor::lan::MacAddrEdit</name>
    <message>
        <source>MAC Address</source>
        <translation>MAC-Adresse</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;Ausschneiden</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>E&amp;infügen</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Alles auswählen</translation>
    </message>
</context>
</TS>
