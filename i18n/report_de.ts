<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>zor::report::PdfReport</name>
    <message>
        <source>not read</source>
        <translation>nicht gelesen</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>ja</translation>
    </message>
    <message>
        <source>no</source>
        <translation>nein</translation>
    </message>
    <message>
        <source>Page %1</source>
        <translation>Seite %1</translation>
    </message>
    <message>
        <source>not on this family</source>
        <translation>nicht in dieser Gerätefamilie</translation>
    </message>
    <message>
        <source>System</source>
        <translation>System</translation>
    </message>
    <message>
        <source>Item</source>
        <translation>Angabe</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Wert</translation>
    </message>
    <message>
        <source>System name</source>
        <translation>Systemname</translation>
    </message>
    <message>
        <source>Serial number</source>
        <translation>Seriennummer</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>Release date</source>
        <translation>Freigabedatum</translation>
    </message>
    <message>
        <source>Lens (mm)</source>
        <translation>Objektiv (mm)</translation>
    </message>
    <message>
        <source>Family</source>
        <translation>Gerätefamilie</translation>
    </message>
    <message>
        <source>Controller model</source>
        <translation>Steuerungsmodell</translation>
    </message>
    <message>
        <source>Working time</source>
        <translation>Betriebszeit</translation>
    </message>
    <message>
        <source>The system&apos;s identity could not be read.</source>
        <translation>Die Identität des Systems konnte nicht gelesen werden.</translation>
    </message>
    <message>
        <source>Settings as read now</source>
        <translation>Einstellungen, wie jetzt gelesen</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>Einstellung</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Schlüssel</translation>
    </message>
    <message>
        <source>Not on this system&apos;s family: %1.</source>
        <translation>Nicht in der Gerätefamilie dieses Systems: %1.</translation>
    </message>
    <message>
        <source>the service log could not be read: %1.</source>
        <translation>Das Serviceprotokoll konnte nicht gelesen werden: %1.</translation>
    </message>
    <message>
        <source>the system&apos;s identity could not be read, so its entries are not known.</source>
        <translation>Die Identität des Systems konnte nicht gelesen werden, daher sind seine Einträge nicht bekannt.</translation>
    </message>
    <message>
        <source>Service log since %1</source>
        <translation>Serviceprotokoll seit %1</translation>
    </message>
    <message>
        <source>The service log is larger than can be read at once: only its newest entries were read.</source>
        <translation>Das Serviceprotokoll ist größer, als auf einmal gelesen werden kann: Nur seine neuesten Einträge wurden gelesen.</translation>
    </message>
    <message numerus="yes">
        <source>%n lines of the service log could not be read.</source>
        <translation>
            <numerusform>%n Zeile des Serviceprotokolls konnte nicht gelesen werden.</numerusform>
            <numerusform>%n Zeilen des Serviceprotokolls konnten nicht gelesen werden.</numerusform>
        </translation>
    </message>
    <message>
        <source>No operations were logged for this system in that time.</source>
        <translation>Für dieses System wurden in diesem Zeitraum keine Vorgänge protokolliert.</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Von</translation>
    </message>
    <message>
        <source>Operation</source>
        <translation>Vorgang</translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>Measured before: %1 x %2 mm across the middle; top edge %3 mm, left edge %4 mm</source>
        <translation>Vorher gemessen: %1 x %2 mm durch die Mitte; obere Kante %3 mm, linke Kante %4 mm</translation>
    </message>
    <message>
        <source>Measured before: %1 x %2 mm across the middle</source>
        <translation>Vorher gemessen: %1 x %2 mm durch die Mitte</translation>
    </message>
    <message>
        <source>Expected after: %1 x %2 mm</source>
        <translation>Nachher erwartet: %1 x %2 mm</translation>
    </message>
    <message>
        <source>Nominal: %1 x %1 mm</source>
        <translation>Sollmaß: %1 x %1 mm</translation>
    </message>
    <message>
        <source>Drawn to scale, centred; grid lines 10 mm apart.</source>
        <translation>Maßstabsgetreu und zentriert gezeichnet; Gitterlinien im Abstand von 10 mm.</translation>
    </message>
    <message>
        <source>Calibration rounds</source>
        <translation>Kalibrierrunden</translation>
    </message>
    <message>
        <source>No calibration rounds were logged for this system in that time.</source>
        <translation>Für dieses System wurden in diesem Zeitraum keine Kalibrierrunden protokolliert.</translation>
    </message>
    <message>
        <source>Round %1, %2 (%3)</source>
        <translation>Runde %1, %2 (%3)</translation>
    </message>
    <message>
        <source>Measured width</source>
        <translation>Gemessene Breite</translation>
    </message>
    <message>
        <source>Measured height</source>
        <translation>Gemessene Höhe</translation>
    </message>
    <message>
        <source>Measured top edge</source>
        <translation>Gemessene obere Kante</translation>
    </message>
    <message>
        <source>Measured left edge</source>
        <translation>Gemessene linke Kante</translation>
    </message>
    <message>
        <source>Nominal square</source>
        <translation>Sollmaß des Quadrats</translation>
    </message>
    <message>
        <source>Expected width</source>
        <translation>Erwartete Breite</translation>
    </message>
    <message>
        <source>Expected height</source>
        <translation>Erwartete Höhe</translation>
    </message>
    <message>
        <source>Within tolerance</source>
        <translation>In der Toleranz</translation>
    </message>
    <message>
        <source>Sent</source>
        <translation>Gesendet</translation>
    </message>
    <message>
        <source>Measurement or correction</source>
        <translation>Messung oder Korrektur</translation>
    </message>
    <message>
        <source>Before / value</source>
        <translation>Vorher / Wert</translation>
    </message>
    <message>
        <source>After</source>
        <translation>Nachher</translation>
    </message>
    <message>
        <source>This round&apos;s sizes cannot be drawn.</source>
        <translation>Die Maße dieser Runde können nicht gezeichnet werden.</translation>
    </message>
    <message>
        <source>Service Report</source>
        <translation>Servicebericht</translation>
    </message>
    <message>
        <source>(not read)</source>
        <translation>(nicht gelesen)</translation>
    </message>
    <message>
        <source>Service report, serial number %1, made %2</source>
        <translation>Servicebericht, Seriennummer %1, erstellt %2</translation>
    </message>
    <message>
        <source>(identity not read)</source>
        <translation>(Identität nicht gelesen)</translation>
    </message>
    <message>
        <source>ZOR laser marking system %1, serial number %2</source>
        <translation>ZOR-Laserbeschriftungssystem %1, Seriennummer %2</translation>
    </message>
    <message>
        <source>Made on %1 on host %2 with zor-maintenance %3</source>
        <translation>Erstellt am %1 auf dem Rechner %2 mit zor-maintenance %3</translation>
    </message>
</context>
</TS>
