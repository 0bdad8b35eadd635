<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>zor::simulator_app::FieldLegend</name>
    <message>
        <source>not marked</source>
        <translation>nicht beschriftet</translation>
    </message>
    <message>
        <source>%1, marked %2 times</source>
        <translation>%1, %2-mal beschriftet</translation>
    </message>
    <message>
        <source>during a distortion adjustment</source>
        <translation>während einer Verzeichnungsjustierung</translation>
    </message>
    <message>
        <source>no move yet</source>
        <translation>noch nicht verfahren</translation>
    </message>
    <message>
        <source>aiming off</source>
        <translation>Pilotlaser aus</translation>
    </message>
    <message>
        <source>top left %1; right bottom %2</source>
        <translation>oben links %1; rechts unten %2</translation>
    </message>
    <message>
        <source>during the aiming alignment</source>
        <translation>während der Pilotlaser-Ausrichtung</translation>
    </message>
    <message>
        <source>during a centering adjustment</source>
        <translation>während einer Zentrierjustierung</translation>
    </message>
    <message>
        <source>Original square</source>
        <translation>Ursprüngliches Quadrat</translation>
    </message>
    <message>
        <source>Corrected square</source>
        <translation>Korrigiertes Quadrat</translation>
    </message>
    <message>
        <source>Maximum field</source>
        <translation>Maximales Feld</translation>
    </message>
    <message>
        <source>Distortion preview</source>
        <translation>Verzeichnungsvorschau</translation>
    </message>
    <message>
        <source>Move spot</source>
        <translation>Verfahrpunkt</translation>
    </message>
    <message>
        <source>Aiming dot</source>
        <translation>Pilotlaserpunkt</translation>
    </message>
    <message>
        <source>Alignment points</source>
        <translation>Ausrichtpunkte</translation>
    </message>
    <message>
        <source>Centre cross</source>
        <translation>Mittenkreuz</translation>
    </message>
</context>
<context>
    <name>zor::simulator_app::FieldView</name>
    <message>
        <source>Field %1 mm square, grid %2 mm</source>
        <translation>Feld %1 mm im Quadrat, Raster %2 mm</translation>
    </message>
    <message>
        <source>top left</source>
        <translation>oben links</translation>
    </message>
    <message>
        <source>right bottom</source>
        <translation>rechts unten</translation>
    </message>
    <message>
        <source>%1 (active)</source>
        <translation>%1 (aktiv)</translation>
    </message>
    <message>
        <source>Scan field</source>
        <translation>Scanfeld</translation>
    </message>
    <message>
        <source>Scan field of %1</source>
        <translation>Scanfeld von %1</translation>
    </message>
</context>
<context>
    <name>zor::simulator_app::MainWindow</name>
    <message>
        <source>1 system</source>
        <translation>1 System</translation>
    </message>
    <message>
        <source>%1 systems</source>
        <translation>%1 Systeme</translation>
    </message>
    <message>
        <source>zor-simulator: %1</source>
        <translation>zor-simulator: %1</translation>
    </message>
    <message>
        <source>Systems</source>
        <translation>Systeme</translation>
    </message>
    <message>
        <source>&amp;Systems:</source>
        <translation>&amp;Systeme:</translation>
    </message>
    <message>
        <source>Marks and sizes measured</source>
        <translation>Beschriftungen und gemessene Maße</translation>
    </message>
    <message>
        <source>Packet monitor</source>
        <translation>Paketmonitor</translation>
    </message>
    <message>
        <source>Serving %1 on %2</source>
        <translation>Stellt %1 unter %2 bereit</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>F&amp;aults</source>
        <translation>S&amp;törungen</translation>
    </message>
    <message>
        <source>Refuse Next Packets</source>
        <translation>Nächste Pakete ablehnen</translation>
    </message>
    <message>
        <source>Packets to refuse (result 8):</source>
        <translation>Abzulehnende Pakete (Ergebnis 8):</translation>
    </message>
    <message>
        <source>Answer Slowly</source>
        <translation>Langsam antworten</translation>
    </message>
    <message>
        <source>Delay of each answer in ms (0: none):</source>
        <translation>Verzögerung jeder Antwort in ms (0: keine):</translation>
    </message>
    <message>
        <source>No client connected</source>
        <translation>Kein Client verbunden</translation>
    </message>
    <message>
        <source>&amp;Monitor</source>
        <translation>&amp;Monitor</translation>
    </message>
    <message>
        <source>Clear Marks of &amp;This System</source>
        <comment>File menu</comment>
        <translation>Beschriftungen &amp;dieses Systems löschen</translation>
    </message>
    <message>
        <source>Clear Marks of &amp;All Systems</source>
        <comment>File menu</comment>
        <translation>Beschriftungen &amp;aller Systeme löschen</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <comment>File menu</comment>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Refuse Next Packets...</source>
        <comment>Faults menu</comment>
        <translation>Nächste Pakete &amp;ablehnen...</translation>
    </message>
    <message>
        <source>Stop Answering &amp;Status Queries</source>
        <comment>Faults menu</comment>
        <translation>&amp;Statusabfragen nicht mehr beantworten</translation>
    </message>
    <message>
        <source>Answer No &amp;Discovery</source>
        <comment>Faults menu</comment>
        <translation>Keine Systemsuche &amp;beantworten</translation>
    </message>
    <message>
        <source>Answer S&amp;lowly...</source>
        <comment>Faults menu</comment>
        <translation>&amp;Langsam antworten...</translation>
    </message>
    <message>
        <source>Dro&amp;p Client</source>
        <comment>Faults menu</comment>
        <translation>Client &amp;trennen</translation>
    </message>
</context>
<context>
    <name>zor::simulator_app::PacketMonitor</name>
    <message>
        <source>Show the calls of system</source>
        <translation>Aufrufe dieses Systems zeigen</translation>
    </message>
    <message>
        <source>All systems</source>
        <translation>Alle Systeme</translation>
    </message>
    <message>
        <source>Show the calls of client</source>
        <translation>Aufrufe dieses Clients zeigen</translation>
    </message>
    <message>
        <source>All clients</source>
        <translation>Alle Clients</translation>
    </message>
    <message>
        <source>S&amp;ystem:</source>
        <translation>S&amp;ystem:</translation>
    </message>
    <message>
        <source>C&amp;lient:</source>
        <translation>C&amp;lient:</translation>
    </message>
    <message>
        <source>&amp;Pause Monitor</source>
        <translation>Monitor &amp;anhalten</translation>
    </message>
    <message>
        <source>Stop taking calls into the monitor; the simulator goes on serving</source>
        <translation>Keine weiteren Aufrufe in den Monitor aufnehmen; der Simulator bedient weiter</translation>
    </message>
    <message>
        <source>&amp;Clear Monitor</source>
        <translation>Monitor l&amp;eeren</translation>
    </message>
    <message>
        <source>Calls shown</source>
        <translation>Angezeigte Aufrufe</translation>
    </message>
    <message>
        <source>Packet monitor</source>
        <translation>Paketmonitor</translation>
    </message>
    <message>
        <source>%1 (gone)</source>
        <extracomment>A client no longer connected, still chosen in the filter; %1 (its name) stays first.</extracomment>
        <translation>%1 (getrennt)</translation>
    </message>
    <message>
        <source>%1 of %2 calls shown; paused, %3 calls not taken</source>
        <translation>%1 von %2 Aufrufen angezeigt; angehalten, %3 Aufrufe nicht aufgenommen</translation>
    </message>
    <message>
        <source>%1 of %2 calls shown</source>
        <translation>%1 von %2 Aufrufen angezeigt</translation>
    </message>
</context>
<context>
    <name>zor::simulator_app::StatePanel</name>
    <message>
        <source>System</source>
        <translation>System</translation>
    </message>
    <message>
        <source>Shutter</source>
        <translation>Shutter</translation>
    </message>
    <message>
        <source>Aiming</source>
        <translation>Pilotlaser</translation>
    </message>
    <message>
        <source>Test power</source>
        <translation>Testleistung</translation>
    </message>
    <message>
        <source>Adjustment open</source>
        <translation>Offene Justierung</translation>
    </message>
    <message>
        <source>Working time</source>
        <translation>Betriebszeit</translation>
    </message>
    <message>
        <source>Clients (all systems)</source>
        <translation>Clients (alle Systeme)</translation>
    </message>
    <message>
        <source>Faults on (all systems)</source>
        <translation>Störungen (alle Systeme)</translation>
    </message>
    <message>
        <source>%1:</source>
        <comment>a row&apos;s name in the state panel</comment>
        <translation>%1:</translation>
    </message>
    <message>
        <source>State of system %1 (%2)</source>
        <translation>Zustand von System %1 (%2)</translation>
    </message>
    <message>
        <source>%1, %2, lens %3 mm, IP %4</source>
        <translation>%1, %2, Objektiv %3 mm, IP %4</translation>
    </message>
    <message>
        <source>open</source>
        <translation>offen</translation>
    </message>
    <message>
        <source>closed</source>
        <translation>geschlossen</translation>
    </message>
    <message>
        <source>on</source>
        <translation>ein</translation>
    </message>
    <message>
        <source>off</source>
        <translation>aus</translation>
    </message>
    <message>
        <source>on, pulse %1</source>
        <translation>ein, Puls %1</translation>
    </message>
    <message>
        <source>off (pulse %1)</source>
        <translation>aus (Puls %1)</translation>
    </message>
    <message>
        <source>%1 (counting)</source>
        <translation>%1 (läuft)</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
</context>
</TS>
