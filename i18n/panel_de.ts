<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>CZORSystemMaintenanceDlg</name>
    <message>
        <source>Back Up Settings</source>
        <translation>Einstellungen sichern</translation>
    </message>
    <message>
        <source>Compare/Restore Settings</source>
        <translation>Einstellungen vergleichen/wiederherstellen</translation>
    </message>
    <message>
        <source>Settings snapshots</source>
        <translation>Einstellungs-Snapshots</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Alle Dateien</translation>
    </message>
    <message>
        <source>Service Report</source>
        <translation>Servicebericht</translation>
    </message>
    <message>
        <source>Restoring %1 (%2 of %3)...</source>
        <translation>%1 wird wiederhergestellt (%2 von %3)...</translation>
    </message>
    <message>
        <source>Identity</source>
        <translation>Identität</translation>
    </message>
    <message>
        <source>Working Time</source>
        <translation>Betriebszeit</translation>
    </message>
</context>
<context>
    <name>zor::panel::CZORSystemMaintenanceDlg</name>
    <message>
        <source>Distortion Correction</source>
        <translation>Verzeichnungskorrektur</translation>
    </message>
    <message>
        <source>Centering Adjustment</source>
        <translation>Zentrierjustierung</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>FEHLER</translation>
    </message>
    <message>
        <source>ERRPR</source>
        <translation>FEHLER</translation>
    </message>
    <message>
        <source>The service log could not be written: %1.
Operations go on, but are missing from the log.</source>
        <translation>Das Serviceprotokoll konnte nicht geschrieben werden: %1.
Die Vorgänge laufen weiter, fehlen aber im Protokoll.</translation>
    </message>
    <message>
        <source>&amp;Back Up Settings...</source>
        <translation>&amp;Einstellungen sichern...</translation>
    </message>
    <message>
        <source>Compare/&amp;Restore Settings...</source>
        <translation>Einstellungen vergleichen/&amp;wiederherstellen...</translation>
    </message>
    <message>
        <source>Service &amp;Log...</source>
        <translation>Service&amp;protokoll...</translation>
    </message>
    <message>
        <source>Calibrate &amp;Field...</source>
        <translation>Scanfeld &amp;kalibrieren...</translation>
    </message>
    <message>
        <source>Service Re&amp;port...</source>
        <translation>Service&amp;bericht...</translation>
    </message>
    <message>
        <source>Build : %1</source>
        <translation>Build : %1</translation>
    </message>
    <message>
        <source>No ZORComm.DLL found</source>
        <translation>Keine ZORComm.DLL gefunden</translation>
    </message>
    <message>
        <source>Reading the settings from the controller...</source>
        <translation>Die Einstellungen werden aus der Steuerung gelesen...</translation>
    </message>
    <message>
        <source>The settings could not be saved: %1</source>
        <translation>Die Einstellungen konnten nicht gespeichert werden: %1</translation>
    </message>
    <message>
        <source>The settings were saved to %1.</source>
        <translation>Die Einstellungen wurden in %1 gespeichert.</translation>
    </message>
    <message>
        <source>These could not be read and are not in the file: %1.</source>
        <translation>Diese konnten nicht gelesen werden und fehlen in der Datei: %1.</translation>
    </message>
    <message>
        <source>Not on %1, so not in the file: %2.</source>
        <translation>Auf %1 nicht vorhanden, daher nicht in der Datei: %2.</translation>
    </message>
    <message>
        <source>This file cannot be restored: %1. Nothing was sent.</source>
        <translation>Diese Datei kann nicht wiederhergestellt werden: %1. Es wurde nichts gesendet.</translation>
    </message>
    <message>
        <source>PDF documents</source>
        <translation>PDF-Dokumente</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Alle Dateien</translation>
    </message>
    <message>
        <source>The service report could not be saved: %1</source>
        <translation>Der Servicebericht konnte nicht gespeichert werden: %1</translation>
    </message>
    <message>
        <source>The service report was saved to %1.</source>
        <translation>Der Servicebericht wurde in %1 gespeichert.</translation>
    </message>
    <message>
        <source>These could not be read and are listed as not read: %1.</source>
        <translation>Diese konnten nicht gelesen werden und sind als nicht gelesen aufgeführt: %1.</translation>
    </message>
    <message>
        <source>It holds no service-log entries: the service log could not be read: %1.</source>
        <translation>Er enthält keine Einträge des Serviceprotokolls, denn das Serviceprotokoll konnte nicht gelesen werden: %1.</translation>
    </message>
    <message>
        <source>Marking Time: %1</source>
        <translation>Beschriftungszeit: %1</translation>
    </message>
    <message>
        <source>the PDF could not be made</source>
        <translation>das PDF konnte nicht erstellt werden</translation>
    </message>
</context>
</TS>
