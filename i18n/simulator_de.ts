<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>zor::simulator::FieldModel</name>
    <message>
        <source>%1 wide and %2 high (meant to be %3)</source>
        <translation>%1 breit und %2 hoch (Sollmaß %3)</translation>
    </message>
    <message>
        <source>Scan field %1 square.</source>
        <translation>Scanfeld %1 im Quadrat.</translation>
    </message>
    <message>
        <source>Nothing marked.</source>
        <translation>Nichts beschriftet.</translation>
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
        <source>%1 marked.</source>
        <translation>%1 beschriftet.</translation>
    </message>
    <message>
        <source>%1 marked %2.</source>
        <translation>%1 beschriftet, %2.</translation>
    </message>
    <message>
        <source>%1 marked %2 times.</source>
        <translation>%1 %2-mal beschriftet.</translation>
    </message>
    <message>
        <source>%1 marked %2 times, the last %3.</source>
        <translation>%1 %2-mal beschriftet, zuletzt %3.</translation>
    </message>
    <message>
        <source>Spot at %1.</source>
        <translation>Punkt bei %1.</translation>
    </message>
    <message>
        <source>Aiming dot at %1.</source>
        <translation>Pilotlaserpunkt bei %1.</translation>
    </message>
    <message>
        <source>Aiming alignment: top left point at %1, right bottom point at %2; aligning the right bottom point.</source>
        <translation>Pilotlaser-Ausrichtung: Punkt oben links bei %1, Punkt rechts unten bei %2; der Punkt rechts unten wird ausgerichtet.</translation>
    </message>
    <message>
        <source>Aiming alignment: top left point at %1, right bottom point at %2; aligning the top left point.</source>
        <translation>Pilotlaser-Ausrichtung: Punkt oben links bei %1, Punkt rechts unten bei %2; der Punkt oben links wird ausgerichtet.</translation>
    </message>
    <message>
        <source>Centering: field centre at %1.</source>
        <translation>Zentrierung: Feldmitte bei %1.</translation>
    </message>
    <message>
        <source>Distortion preview: corrected square %1.</source>
        <translation>Verzeichnungsvorschau: korrigiertes Quadrat %1.</translation>
    </message>
</context>
<context>
    <name>zor::simulator::ShownText</name>
    <message>
        <source>found</source>
        <translation>gefunden</translation>
    </message>
    <message>
        <source>none found</source>
        <translation>keins gefunden</translation>
    </message>
    <message>
        <source>no system</source>
        <translation>kein System</translation>
    </message>
    <message>
        <source>bad argument</source>
        <translation>ungültiges Argument</translation>
    </message>
    <message>
        <source>unknown status</source>
        <translation>unbekannter Status</translation>
    </message>
    <message>
        <source>block too short</source>
        <translation>Block zu kurz</translation>
    </message>
    <message>
        <source>not kept</source>
        <translation>nicht gespeichert</translation>
    </message>
    <message>
        <source>internal error</source>
        <translation>interner Fehler</translation>
    </message>
    <message>
        <source>no answer</source>
        <translation>keine Antwort</translation>
    </message>
    <message>
        <source>fault injected</source>
        <translation>Störung eingespeist</translation>
    </message>
    <message>
        <source>Time (s)</source>
        <translation>Zeit (s)</translation>
    </message>
    <message>
        <source>Client</source>
        <translation>Client</translation>
    </message>
    <message>
        <source>Entry point</source>
        <translation>Einsprungpunkt</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>Code</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Wert</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Reply</source>
        <translation>Antwort</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>%1 ms SHORT (%2 needed)</source>
        <translation>%1 ms ZU KURZ (%2 nötig)</translation>
    </message>
    <message>
        <source>%1 × %2 mm, nominal %3 mm (%4, %5)</source>
        <translation>%1 × %2 mm, Sollmaß %3 mm (%4, %5)</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>distortion</source>
        <translation>Verzeichnung</translation>
    </message>
    <message>
        <source>centering</source>
        <translation>Zentrierung</translation>
    </message>
    <message>
        <source>aiming alignment, top left point</source>
        <translation>Pilotlaser-Ausrichtung, Punkt oben links</translation>
    </message>
    <message>
        <source>aiming alignment, right bottom point</source>
        <translation>Pilotlaser-Ausrichtung, Punkt rechts unten</translation>
    </message>
    <message>
        <source>refusing the next 1 packet</source>
        <translation>das nächste Paket wird abgelehnt</translation>
    </message>
    <message>
        <source>refusing the next %1 packets</source>
        <translation>die nächsten %1 Pakete werden abgelehnt</translation>
    </message>
    <message>
        <source>status queries unanswered</source>
        <translation>Statusabfragen unbeantwortet</translation>
    </message>
    <message>
        <source>no discovery</source>
        <translation>keine Systemsuche</translation>
    </message>
    <message>
        <source>answering %1 ms late</source>
        <translation>Antwort %1 ms verzögert</translation>
    </message>
</context>
</TS>
