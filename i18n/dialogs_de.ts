<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>AimingAlignmentTemplate</name>
    <message>
        <source>Next</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>UP</source>
        <translation>OBEN</translation>
    </message>
    <message>
        <source>LEFT</source>
        <translation>LINKS</translation>
    </message>
    <message>
        <source>RIGHT</source>
        <translation>RECHTS</translation>
    </message>
    <message>
        <source>DOWN</source>
        <translation>UNTEN</translation>
    </message>
    <message>
        <source>CENTER OF TOP LEFT</source>
        <translation>MITTE LINKS OBEN</translation>
    </message>
    <message>
        <source>Aiming Diode Alignment</source>
        <translation>Pilotlaser-Ausrichtung</translation>
    </message>
</context>
<context>
    <name>CalibrateFieldTemplate</name>
    <message>
        <source>1. Mark the corrected square and measure it.</source>
        <translation>1. Korrigiertes Quadrat beschriften und messen.</translation>
    </message>
    <message>
        <source>&amp;Mark Corrected Square</source>
        <translation>&amp;Quadrat beschriften</translation>
    </message>
    <message>
        <source>2. Type the sizes you measured, in millimetres.</source>
        <translation>2. Gemessene Maße in Millimetern eingeben.</translation>
    </message>
    <message>
        <source>&amp;Width across the middle:</source>
        <translation>&amp;Breite in der Mitte:</translation>
    </message>
    <message>
        <source>Width across the middle</source>
        <translation>Breite in der Mitte</translation>
    </message>
    <message>
        <source>&amp;Height across the middle:</source>
        <translation>&amp;Höhe in der Mitte:</translation>
    </message>
    <message>
        <source>Height across the middle</source>
        <translation>Höhe in der Mitte</translation>
    </message>
    <message>
        <source>&amp;Top edge:</source>
        <translation>&amp;Obere Kante:</translation>
    </message>
    <message>
        <source>Top edge</source>
        <translation>Obere Kante</translation>
    </message>
    <message>
        <source>&amp;Left edge:</source>
        <translation>&amp;Linke Kante:</translation>
    </message>
    <message>
        <source>Left edge</source>
        <translation>Linke Kante</translation>
    </message>
    <message>
        <source>&amp;Nominal size:</source>
        <translation>&amp;Sollmaß:</translation>
    </message>
    <message>
        <source>Nominal size</source>
        <translation>Sollmaß</translation>
    </message>
    <message>
        <source>3. Send the corrections.</source>
        <translation>3. Korrekturen senden.</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>Überneh&amp;men</translation>
    </message>
    <message>
        <source>Corrections</source>
        <translation>Korrekturen</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Jetzt</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Scale X:</source>
        <translation>Skalierung X:</translation>
    </message>
    <message>
        <source>Scale Y:</source>
        <translation>Skalierung Y:</translation>
    </message>
    <message>
        <source>Distortion X:</source>
        <translation>Verzeichnung X:</translation>
    </message>
    <message>
        <source>Distortion Y:</source>
        <translation>Verzeichnung Y:</translation>
    </message>
    <message>
        <source>Expected width:</source>
        <translation>Erwartete Breite:</translation>
    </message>
    <message>
        <source>Expected height:</source>
        <translation>Erwartete Höhe:</translation>
    </message>
    <message>
        <source>&amp;Rounds:</source>
        <translation>&amp;Runden:</translation>
    </message>
    <message>
        <source>Calibration rounds</source>
        <translation>Kalibrierrunden</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>S&amp;chließen</translation>
    </message>
    <message>
        <source>Calibrate Field</source>
        <translation>Scanfeld kalibrieren</translation>
    </message>
</context>
<context>
    <name>JogAdjustmentTemplate</name>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>UP</source>
        <translation>OBEN</translation>
    </message>
    <message>
        <source>LEFT</source>
        <translation>LINKS</translation>
    </message>
    <message>
        <source>RIGHT</source>
        <translation>RECHTS</translation>
    </message>
    <message>
        <source>DOWN</source>
        <translation>UNTEN</translation>
    </message>
    <message>
        <source>Distortion Correction</source>
        <translation>Verzeichnungskorrektur</translation>
    </message>
</context>
<context>
    <name>PasswordTemplate</name>
    <message>
        <source>Password :</source>
        <translation>Passwort:</translation>
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
        <source>Password</source>
        <translation>Passwort</translation>
    </message>
</context>
<context>
    <name>WorkingTimeTemplate</name>
    <message>
        <source>Days,HH:MM:SS</source>
        <translation>Tage,HH:MM:SS</translation>
    </message>
    <message>
        <source>Working Time :</source>
        <translation>Betriebszeit:</translation>
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
        <source>Working Time</source>
        <translation>Betriebszeit</translation>
    </message>
</context>
<context>
    <name>zor::dialogs::AimingAlignment</name>
    <message>
        <source>CENTER OF RIGHT BOTTOM</source>
        <translation>MITTE RECHTS UNTEN</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
</context>
<context>
    <name>zor::dialogs::CalibrateFieldDialog</name>
    <message>
        <source>Round</source>
        <translation>Runde</translation>
    </message>
    <message>
        <source>Width × height (mm)</source>
        <translation>Breite × Höhe (mm)</translation>
    </message>
    <message>
        <source>Top / left (mm)</source>
        <translation>Oben / links (mm)</translation>
    </message>
    <message>
        <source>Expected (mm)</source>
        <translation>Erwartet (mm)</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>millimetres</source>
        <translation>Millimeter</translation>
    </message>
    <message>
        <source>optional</source>
        <translation>optional</translation>
    </message>
    <message>
        <source>from the lens</source>
        <translation>vom Objektiv</translation>
    </message>
    <message>
        <source>millimetres, corner to corner; optional, with the left edge</source>
        <translation>Millimeter, von Ecke zu Ecke; optional, zusammen mit der linken Kante</translation>
    </message>
    <message>
        <source>millimetres, corner to corner; optional, with the top edge</source>
        <translation>Millimeter, von Ecke zu Ecke; optional, zusammen mit der oberen Kante</translation>
    </message>
    <message>
        <source>millimetres; empty: half the field&apos;s side from the lens</source>
        <translation>Millimeter; leer: die halbe Feldseite laut Objektiv</translation>
    </message>
    <message>
        <source>Mark the corrected square and measure it: the width and the height across the middle and, to straighten the edges, the top and the left edge from corner to corner. Type the sizes and press Apply.</source>
        <translation>Beschriften Sie das korrigierte Quadrat und messen Sie es: Breite und Höhe durch die Mitte und, um die Kanten zu begradigen, die obere und die linke Kante von Ecke zu Ecke. Geben Sie die Maße ein und klicken Sie auf Übernehmen.</translation>
    </message>
    <message>
        <source>The corrected square was marked. Measure it, type the sizes and press Apply.</source>
        <translation>Das korrigierte Quadrat wurde beschriftet. Messen Sie es, geben Sie die Maße ein und klicken Sie auf Übernehmen.</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <translation>%1 oder %2</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not a number of millimetres. Type it as %3. Nothing was sent.</source>
        <translation>%1: „%2“ ist keine Millimeterangabe. Geben Sie sie als %3 ein. Es wurde nichts gesendet.</translation>
    </message>
    <message>
        <source>%1: type the size you measured, in millimetres. Nothing was sent.</source>
        <translation>%1: Geben Sie das gemessene Maß in Millimetern ein. Es wurde nichts gesendet.</translation>
    </message>
    <message>
        <source>Within tolerance; nothing sent</source>
        <translation>In der Toleranz; nichts gesendet</translation>
    </message>
    <message>
        <source>The square is within tolerance (each size within %1 % of nominal, each edge within %2 mm of its middle size): nothing was sent.</source>
        <translation>Das Quadrat liegt in der Toleranz (jedes Maß innerhalb %1 % des Sollmaßes, jede Kante innerhalb %2 mm ihres Maßes durch die Mitte): Es wurde nichts gesendet.</translation>
    </message>
    <message>
        <source>Not sent: no system</source>
        <translation>Nicht gesendet: kein System</translation>
    </message>
    <message>
        <source>Not taken</source>
        <translation>Nicht übernommen</translation>
    </message>
    <message>
        <source>%1

Apply again to read the corrections afresh and send what they then need.</source>
        <translation>%1

Klicken Sie erneut auf Übernehmen, um die Korrekturen neu zu lesen und das dann Nötige zu senden.</translation>
    </message>
    <message>
        <source>The new corrections were not sent.</source>
        <translation>Die neuen Korrekturen wurden nicht gesendet.</translation>
    </message>
    <message>
        <source>Sent</source>
        <translation>Gesendet</translation>
    </message>
    <message>
        <source>The new corrections were sent. Mark the corrected square again and measure it: if it is not within tolerance yet, apply its sizes for another round.</source>
        <translation>Die neuen Korrekturen wurden gesendet. Beschriften Sie das korrigierte Quadrat erneut und messen Sie es: Liegt es noch nicht in der Toleranz, übernehmen Sie seine Maße für eine weitere Runde.</translation>
    </message>
    <message>
        <source>%1 mm</source>
        <translation>%1 mm</translation>
    </message>
    <message>
        <source>not measured</source>
        <translation>nicht gemessen</translation>
    </message>
</context>
<context>
    <name>zor::dialogs::CompareRestoreDialog</name>
    <message>
        <source>Restore</source>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <source>Same</source>
        <translation>Gleich</translation>
    </message>
    <message>
        <source>Not in the file</source>
        <translation>Nicht in der Datei</translation>
    </message>
    <message>
        <source>Differs (identity value)</source>
        <translation>Abweichend (Identitätswert)</translation>
    </message>
    <message>
        <source>Never restored</source>
        <translation>Wird nie wiederhergestellt</translation>
    </message>
    <message>
        <source>Not on this family</source>
        <translation>Nicht in dieser Gerätefamilie</translation>
    </message>
    <message>
        <source>Compare/Restore Settings</source>
        <translation>Einstellungen vergleichen/wiederherstellen</translation>
    </message>
    <message>
        <source>Snapshot %1, taken %2 from marking system %3 (%4).</source>
        <translation>Snapshot %1, aufgenommen %2 von Beschriftungssystem %3 (%4).</translation>
    </message>
    <message>
        <source>Snapshot %1, taken %2.</source>
        <translation>Snapshot %1, aufgenommen %2.</translation>
    </message>
    <message>
        <source>Settings on the controller and in the file</source>
        <translation>Einstellungen in der Steuerung und in der Datei</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>Einstellung</translation>
    </message>
    <message>
        <source>On the controller</source>
        <translation>In der Steuerung</translation>
    </message>
    <message>
        <source>In the file</source>
        <translation>In der Datei</translation>
    </message>
    <message>
        <source>&amp;Also restore the serial number, model name and controller model (asks for the service password)</source>
        <translation>&amp;Auch Seriennummer, Modellname und Steuerungsmodell wiederherstellen (fragt nach dem Servicepasswort)</translation>
    </message>
    <message>
        <source>marking system %1</source>
        <translation>Beschriftungssystem %1</translation>
    </message>
    <message>
        <source>a marking system whose identity is not in it</source>
        <translation>einem Beschriftungssystem, dessen Identität nicht darin steht</translation>
    </message>
    <message>
        <source>not identified</source>
        <translation>nicht identifiziert</translation>
    </message>
    <message>
        <source>The snapshot comes from %1; this one is %2. Restore &amp;onto this system anyway</source>
        <translation>Der Snapshot stammt von %1; dieses System ist %2. Trotzdem auf &amp;dieses System wiederherstellen</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Wiederherstellen</translation>
    </message>
    <message>
        <source>%1 (not read)</source>
        <translation>%1 (nicht gelesen)</translation>
    </message>
    <message>
        <source>(could not be read)</source>
        <translation>(nicht lesbar)</translation>
    </message>
    <message>
        <source>(not on this family)</source>
        <translation>(nicht in dieser Gerätefamilie)</translation>
    </message>
    <message>
        <source>(not in the file)</source>
        <translation>(nicht in der Datei)</translation>
    </message>
    <message>
        <source>The controller already holds every value of the file that a restore would send.</source>
        <translation>Die Steuerung hat bereits jeden Wert der Datei, den ein Wiederherstellen senden würde.</translation>
    </message>
    <message>
        <source>1 setting would be sent.</source>
        <translation>1 Einstellung würde gesendet.</translation>
    </message>
    <message>
        <source>%1 settings would be sent.</source>
        <translation>%1 Einstellungen würden gesendet.</translation>
    </message>
</context>
<context>
    <name>zor::dialogs::ServiceLogDialog</name>
    <message>
        <source>The service log could not be read: %1.</source>
        <translation>Das Serviceprotokoll konnte nicht gelesen werden: %1.</translation>
    </message>
    <message>
        <source>No operations have been logged yet.</source>
        <translation>Bisher wurden keine Vorgänge protokolliert.</translation>
    </message>
    <message>
        <source>Only the most recent %1 of the log are shown.</source>
        <translation>Nur die neuesten %1 des Protokolls werden angezeigt.</translation>
    </message>
    <message>
        <source>1 line could not be read.</source>
        <translation>1 Zeile konnte nicht gelesen werden.</translation>
    </message>
    <message>
        <source>%1 lines could not be read.</source>
        <translation>%1 Zeilen konnten nicht gelesen werden.</translation>
    </message>
    <message>
        <source>Service Log</source>
        <translation>Serviceprotokoll</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Front end</source>
        <translation>Programm</translation>
    </message>
    <message>
        <source>Serial</source>
        <translation>Seriennr.</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modell</translation>
    </message>
    <message>
        <source>Operation</source>
        <translation>Vorgang</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Wert</translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>Logged operations</source>
        <translation>Protokollierte Vorgänge</translation>
    </message>
</context>
<context>
    <name>zor::dialogs::SquareFigure</name>
    <message>
        <source>Where each size is measured</source>
        <translation>Wo jedes Maß gemessen wird</translation>
    </message>
    <message>
        <source>Width and height across the middle of the corrected square; the top edge and the left edge from corner to corner.</source>
        <translation>Breite und Höhe durch die Mitte des korrigierten Quadrats; die obere und die linke Kante von Ecke zu Ecke.</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Breite</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Höhe</translation>
    </message>
    <message>
        <source>Top edge</source>
        <translation>Obere Kante</translation>
    </message>
    <message>
        <source>Left edge</source>
        <translation>Linke Kante</translation>
    </message>
</context>
<context>
    <name>zor::dialogs::SystemChooser</name>
    <message>
        <source>Select System</source>
        <translation>System auswählen</translation>
    </message>
    <message>
        <source>Several marking systems answered. Choose the one to work with:</source>
        <translation>Mehrere Beschriftungssysteme haben geantwortet. Wählen Sie eines aus:</translation>
    </message>
    <message>
        <source>Marking systems</source>
        <translation>Beschriftungssysteme</translation>
    </message>
    <message>
        <source>Serial number, name and address of each system that answered</source>
        <translation>Seriennummer, Name und Adresse jedes Systems, das geantwortet hat</translation>
    </message>
</context>
<context>
    <name>zor::dialogs::WorkingTimeDialog</name>
    <message>
        <source>Days,HH:MM:SS</source>
        <translation>Tage,HH:MM:SS</translation>
    </message>
</context>
</TS>
