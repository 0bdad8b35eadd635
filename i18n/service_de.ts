<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>zor::service::Calibration</name>
    <message>
        <source>width across the middle</source>
        <translation>Breite über die Mitte</translation>
    </message>
    <message>
        <source>height across the middle</source>
        <translation>Höhe über die Mitte</translation>
    </message>
    <message>
        <source>top edge</source>
        <translation>Obere Kante</translation>
    </message>
    <message>
        <source>left edge</source>
        <translation>Linke Kante</translation>
    </message>
    <message>
        <source>The %1 %2 is more than %3 % away from the nominal %4: check the figure.</source>
        <translation>Der Messwert „%1“ (%2) weicht um mehr als %3 % vom Sollmaß %4 ab: Prüfen Sie die Figur.</translation>
    </message>
    <message>
        <source>The %1 must be a positive number of millimetres.</source>
        <translation>Der Messwert „%1“ muss eine positive Zahl in Millimetern sein.</translation>
    </message>
    <message>
        <source>The top edge was given without the left edge: measure both edges, or neither.</source>
        <translation>Die obere Kante wurde ohne die linke Kante angegeben: Messen Sie beide Kanten oder keine.</translation>
    </message>
    <message>
        <source>The left edge was given without the top edge: measure both edges, or neither.</source>
        <translation>Die linke Kante wurde ohne die obere Kante angegeben: Messen Sie beide Kanten oder keine.</translation>
    </message>
    <message>
        <source>The tolerance must be a percentage and millimetres of 0 or more.</source>
        <translation>Die Toleranz muss ein Prozentsatz und Millimeter von 0 oder mehr sein.</translation>
    </message>
    <message>
        <source>The nominal size must be a positive number of millimetres.</source>
        <translation>Das Sollmaß muss eine positive Zahl in Millimetern sein.</translation>
    </message>
    <message>
        <source>The controller holds no lens focal length: give the nominal size.</source>
        <translation>Die Steuerung hat keine Brennweite des Objektivs gespeichert: Geben Sie das Sollmaß an.</translation>
    </message>
    <message>
        <source>The controller&apos;s scale correction (%1, %2) is not a positive factor: set it first.</source>
        <translation>Die Skalierungskorrektur der Steuerung (%1, %2) ist kein positiver Faktor: Setzen Sie sie zuerst.</translation>
    </message>
    <message>
        <source>No scale and distortion correction brings these sizes to nominal: check the figures.</source>
        <translation>Keine Skalierungs- und Verzeichnungskorrektur bringt diese Maße auf das Sollmaß: Prüfen Sie die Werte.</translation>
    </message>
    <message>
        <source>%1: the calibration needs %2, which the controller cannot take as a scale.</source>
        <translation>%1: Die Kalibrierung benötigt %2, was die Steuerung nicht als Skalierung annehmen kann.</translation>
    </message>
    <message>
        <source>%1: the calibration needs the word %2, outside the 0 to 65535 the controller takes.</source>
        <translation>%1: Die Kalibrierung benötigt den Wert %2, außerhalb der 0 bis 65535, die die Steuerung annimmt.</translation>
    </message>
    <message>
        <source>The last round did not bring the square closer to its nominal size: it measured %1, was expected to measure %2, and measures %3 now. This controller&apos;s corrections may act otherwise than the model has them: check the measurements, or correct the values by hand.</source>
        <translation>Die letzte Runde hat das Quadrat nicht näher an sein Sollmaß gebracht: Es maß %1, sollte %2 messen und misst jetzt %3. Die Korrekturen dieser Steuerung wirken möglicherweise anders als im Modell: Prüfen Sie die Messungen oder korrigieren Sie die Werte von Hand.</translation>
    </message>
    <message>
        <source>The new scale correction was not taken.</source>
        <translation>Die neue Skalierungskorrektur wurde nicht übernommen.</translation>
    </message>
    <message>
        <source>The new distortion correction was not taken.</source>
        <translation>Die neue Verzeichnungskorrektur wurde nicht übernommen.</translation>
    </message>
</context>
<context>
    <name>zor::service::Families</name>
    <message>
        <source>no minimum current (Set Min)</source>
        <translation>keinen Mindeststrom (Min setzen)</translation>
    </message>
    <message>
        <source>no 20% current (20% Current Set)</source>
        <translation>keinen 20%-Strom (20%-Strom setzen)</translation>
    </message>
    <message>
        <source>no maximum current (Set Max)</source>
        <translation>keinen Höchststrom (Max setzen)</translation>
    </message>
    <message>
        <source>no power board reinitialisation (Init Power B/d)</source>
        <translation>keine Neuinitialisierung der Leistungsplatine (Leist.-Pl. init.)</translation>
    </message>
    <message>
        <source>no current readout (Get Curr)</source>
        <translation>kein Auslesen der Ströme (Ströme lesen)</translation>
    </message>
    <message>
        <source>no centering correction (XY Centering Correction, Adjust Center)</source>
        <translation>keine Zentrierkorrektur (XY-Zentrierkorrektur, Zentrum justieren)</translation>
    </message>
    <message>
        <source>no distortion values (XY Distortion Correction)</source>
        <translation>keine Verzeichnungswerte (XY-Verzeichnungskorrektur)</translation>
    </message>
    <message>
        <source>no distortion adjustment (Adjust Distortion)</source>
        <translation>keine Verzeichnungsjustierung (Verz. justieren)</translation>
    </message>
    <message>
        <source>no scale correction (XY Scale Correction)</source>
        <translation>keine Skalierungskorrektur (XY-Skalierungskorrektur)</translation>
    </message>
    <message>
        <source>no test squares (Mark Original Square, Mark Corrected Square)</source>
        <translation>keine Testquadrate (Orig.-Quadrat beschr., Korr. Quadrat beschr.)</translation>
    </message>
    <message>
        <source>no maximum field mark (Mark Max Field)</source>
        <translation>keine Beschriftung des Maximalfelds (Maximalfeld)</translation>
    </message>
    <message>
        <source>no aiming diode alignment (Aiming Alignment...)</source>
        <translation>keine Pilotlaser-Ausrichtung (Pilotlaser ausrichten...)</translation>
    </message>
    <message>
        <source>no serial number Set</source>
        <translation>kein Setzen der Seriennummer</translation>
    </message>
    <message>
        <source>no model name Set</source>
        <translation>kein Setzen des Modellnamens</translation>
    </message>
    <message>
        <source>no lens Set</source>
        <translation>kein Setzen des Objektivs</translation>
    </message>
    <message>
        <source>no controller model (Ctrlr Model)</source>
        <translation>kein Steuerungsmodell (Steuerung)</translation>
    </message>
    <message>
        <source>no shutter (OPEN, CLOSE)</source>
        <translation>keinen Shutter (AUF, ZU)</translation>
    </message>
    <message>
        <source>no Show Version</source>
        <translation>keine Versionsanzeige (Version)</translation>
    </message>
    <message>
        <source>no working-time counter (Get Work Time, Init. Work Time)</source>
        <translation>keinen Betriebszeitzähler (Zeit lesen, Zeit init.)</translation>
    </message>
    <message>
        <source>no network settings (Config IP)</source>
        <translation>keine Netzwerkeinstellungen (IP konfig.)</translation>
    </message>
    <message>
        <source>a marking system of unknown family</source>
        <translation>ein Beschriftungssystem unbekannter Gerätefamilie</translation>
    </message>
    <message>
        <source>an NK-series marking system</source>
        <translation>ein Beschriftungssystem der NK-Serie</translation>
    </message>
    <message>
        <source>an N-series marking system</source>
        <translation>ein Beschriftungssystem der N-Serie</translation>
    </message>
    <message>
        <source>an NZ-series marking system</source>
        <translation>ein Beschriftungssystem der NZ-Serie</translation>
    </message>
    <message>
        <source>%1: %2 has %3; nothing was sent</source>
        <translation>%1: %2 hat %3; es wurde nichts gesendet</translation>
    </message>
    <message>
        <source>%1: the marking system&apos;s family is not known (its identity could not be read), and without it the panel offers %2; nothing was sent</source>
        <translation>%1: Die Gerätefamilie des Beschriftungssystems ist nicht bekannt (seine Identität konnte nicht gelesen werden), und ohne sie bietet das Bedienfeld %2; es wurde nichts gesendet</translation>
    </message>
</context>
<context>
    <name>zor::service::Files</name>
    <message>
        <source>cannot open %1: %2</source>
        <translation>%1 kann nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>%1 is a symbolic link</source>
        <translation>%1 ist ein symbolischer Link</translation>
    </message>
    <message>
        <source>%1 is not a regular file</source>
        <translation>%1 ist keine reguläre Datei</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 ist kein Ordner</translation>
    </message>
    <message>
        <source>cannot create the folder %1: %2</source>
        <translation>der Ordner %1 kann nicht angelegt werden: %2</translation>
    </message>
    <message>
        <source>cannot write in %1: %2</source>
        <translation>in %1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>%1 exists and is not a regular file; it was left alone</source>
        <translation>%1 existiert und ist keine reguläre Datei; es bleibt unverändert</translation>
    </message>
    <message>
        <source>%1 is named like the temporary files of a save, which a later save removes</source>
        <translation>%1 ist wie die temporären Dateien eines Speicherns benannt, die ein späteres Speichern entfernt</translation>
    </message>
</context>
<context>
    <name>zor::service::Maintenance</name>
    <message>
        <source>The pulse value must be a whole number from %1 to %2.</source>
        <translation>Der Pulswert muss eine ganze Zahl von %1 bis %2 sein.</translation>
    </message>
    <message>
        <source>The test power may be on.</source>
        <translation>Die Testleistung ist möglicherweise eingeschaltet.</translation>
    </message>
    <message>
        <source>The test power may still be on.</source>
        <translation>Die Testleistung ist möglicherweise noch eingeschaltet.</translation>
    </message>
    <message>
        <source>The shutter may still be open.</source>
        <translation>Der Shutter ist möglicherweise noch offen.</translation>
    </message>
    <message>
        <source>The aiming diode may still be on.</source>
        <translation>Die Pilotlaserdiode ist möglicherweise noch eingeschaltet.</translation>
    </message>
    <message>
        <source>Total working days: %1</source>
        <translation>Betriebszeit gesamt (Tage): %1</translation>
    </message>
    <message>
        <source>The distortion correction could not be read from the controller.</source>
        <translation>Die Verzeichnungskorrektur konnte nicht von der Steuerung gelesen werden.</translation>
    </message>
    <message>
        <source>The scale correction could not be read from the controller.</source>
        <translation>Die Skalierungskorrektur konnte nicht von der Steuerung gelesen werden.</translation>
    </message>
    <message>
        <source>The Move To X and Y targets must be whole numbers from 0 to %1.</source>
        <translation>Die Ziele X und Y für das Verfahren müssen ganze Zahlen von 0 bis %1 sein.</translation>
    </message>
    <message>
        <source>The currents could not be read from the controller.</source>
        <translation>Die Ströme konnten nicht von der Steuerung gelesen werden.</translation>
    </message>
    <message>
        <source>The controller model could not be read.</source>
        <translation>Das Steuerungsmodell konnte nicht gelesen werden.</translation>
    </message>
    <message>
        <source>The identity could not be read from the controller.</source>
        <translation>Die Identität konnte nicht von der Steuerung gelesen werden.</translation>
    </message>
    <message>
        <source>The marking system did not accept the command (device link result %1), so nothing more was sent. The next operation looks for the system again.</source>
        <translation>Das Beschriftungssystem hat den Befehl nicht angenommen (Ergebnis der Gerätebibliothek %1), daher wurde nichts weiter gesendet. Der nächste Vorgang sucht das System erneut.</translation>
    </message>
    <message>
        <source>The %1 holds the character (%2), which would end the text early. Nothing was sent.</source>
        <translation>Das Feld „%1“ enthält das Zeichen (%2), das den Text vorzeitig beenden würde. Es wurde nichts gesendet.</translation>
    </message>
    <message>
        <source>The %1 holds the character “%3” (%2), which the controller cannot take: it takes Latin-1 characters only. Nothing was sent.</source>
        <translation>Das Feld „%1“ enthält das Zeichen „%3“ (%2), das die Steuerung nicht annehmen kann: Sie nimmt nur Latin-1-Zeichen an. Es wurde nichts gesendet.</translation>
    </message>
    <message>
        <source>The %1 is too long: it goes out as %2 characters, and the controller takes at most %3 in one text. Nothing was sent.</source>
        <translation>Das Feld „%1“ ist zu lang: Es wird als %2 Zeichen gesendet, und die Steuerung nimmt höchstens %3 in einem Text an. Es wurde nichts gesendet.</translation>
    </message>
    <message>
        <source>The IP address could not be read from the controller.</source>
        <translation>Die IP-Adresse konnte nicht von der Steuerung gelesen werden.</translation>
    </message>
    <message>
        <source>The IP address is incomplete. Fill in all four fields before setting it. Nothing was sent.</source>
        <translation>Die IP-Adresse ist unvollständig. Füllen Sie alle vier Felder aus, bevor Sie sie setzen. Es wurde nichts gesendet.</translation>
    </message>
    <message>
        <source>The subnet mask could not be read from the controller.</source>
        <translation>Die Subnetzmaske konnte nicht von der Steuerung gelesen werden.</translation>
    </message>
    <message>
        <source>The subnet mask is incomplete. Fill in all four fields before setting it. Nothing was sent.</source>
        <translation>Die Subnetzmaske ist unvollständig. Füllen Sie alle vier Felder aus, bevor Sie sie setzen. Es wurde nichts gesendet.</translation>
    </message>
    <message>
        <source>The gateway address could not be read from the controller.</source>
        <translation>Die Gateway-Adresse konnte nicht von der Steuerung gelesen werden.</translation>
    </message>
    <message>
        <source>The gateway address is incomplete. Fill in all four fields before setting it. Nothing was sent.</source>
        <translation>Die Gateway-Adresse ist unvollständig. Füllen Sie alle vier Felder aus, bevor Sie sie setzen. Es wurde nichts gesendet.</translation>
    </message>
    <message>
        <source>The MAC address could not be read from the controller.</source>
        <translation>Die MAC-Adresse konnte nicht von der Steuerung gelesen werden.</translation>
    </message>
    <message>
        <source>The SHIP ID could not be read from the controller.</source>
        <translation>Die SHIP ID konnte nicht von der Steuerung gelesen werden.</translation>
    </message>
    <message>
        <source>The working time could not be read from the controller.</source>
        <translation>Die Betriebszeit konnte nicht von der Steuerung gelesen werden.</translation>
    </message>
    <message>
        <source>Enter the working time as Days,HH:MM:SS with four whole numbers, for example 1,02:03:04. The largest working time the controller can hold is 49710,06:28:15.</source>
        <translation>Geben Sie die Betriebszeit als Tage,HH:MM:SS mit vier ganzen Zahlen ein, zum Beispiel 1,02:03:04. Die größte Betriebszeit, die die Steuerung speichern kann, ist 49710,06:28:15.</translation>
    </message>
</context>
<context>
    <name>zor::service::Messages</name>
    <message>
        <source>the service password is wrong; nothing was sent</source>
        <translation>das Servicepasswort ist falsch; es wurde nichts gesendet</translation>
    </message>
    <message>
        <source>The MAC address is incomplete. Enter all six groups of two hexadecimal digits, for example 00:1A:2B:3C:4D:5E. Nothing was sent.</source>
        <translation>Die MAC-Adresse ist unvollständig. Geben Sie alle sechs Gruppen aus zwei Hexadezimalziffern ein, zum Beispiel 00:1A:2B:3C:4D:5E. Es wurde nichts gesendet.</translation>
    </message>
    <message>
        <source>A marking system was found, but its identity could not be read.
Check the connection and press &quot;Get Info&quot; to try again.</source>
        <translation>Ein Beschriftungssystem wurde gefunden, aber seine Identität konnte nicht gelesen werden.
Prüfen Sie die Verbindung und klicken Sie auf „Info lesen“, um es erneut zu versuchen.</translation>
    </message>
</context>
<context>
    <name>zor::service::Names</name>
    <message>
        <source>Currents</source>
        <translation>Ströme</translation>
    </message>
    <message>
        <source>Min Current</source>
        <translation>Mindeststrom</translation>
    </message>
    <message>
        <source>20% Current</source>
        <translation>20%-Strom</translation>
    </message>
    <message>
        <source>Max Current</source>
        <translation>Höchststrom</translation>
    </message>
    <message>
        <source>Lens</source>
        <translation>Objektiv</translation>
    </message>
    <message>
        <source>XY Distortion Correction</source>
        <translation>XY-Verzeichnungskorrektur</translation>
    </message>
    <message>
        <source>X Distortion Correction</source>
        <translation>X-Verzeichnungskorrektur</translation>
    </message>
    <message>
        <source>Y Distortion Correction</source>
        <translation>Y-Verzeichnungskorrektur</translation>
    </message>
    <message>
        <source>XY Scale Correction</source>
        <translation>XY-Skalierungskorrektur</translation>
    </message>
    <message>
        <source>X Scale Correction</source>
        <translation>X-Skalierungskorrektur</translation>
    </message>
    <message>
        <source>Y Scale Correction</source>
        <translation>Y-Skalierungskorrektur</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Seriennummer</translation>
    </message>
    <message>
        <source>Model Name</source>
        <translation>Modellname</translation>
    </message>
    <message>
        <source>Ctrlr Model</source>
        <translation>Steuerungsmodell</translation>
    </message>
    <message>
        <source>X Multiplier</source>
        <translation>X-Faktor</translation>
    </message>
    <message>
        <source>Y Multiplier</source>
        <translation>Y-Faktor</translation>
    </message>
    <message>
        <source>Working Time</source>
        <translation>Betriebszeit</translation>
    </message>
    <message>
        <source>MAC Address</source>
        <translation>MAC-Adresse</translation>
    </message>
    <message>
        <source>IP Address</source>
        <translation>IP-Adresse</translation>
    </message>
    <message>
        <source>Subnet Mask</source>
        <translation>Subnetzmaske</translation>
    </message>
    <message>
        <source>Gateway IP</source>
        <translation>Gateway-IP</translation>
    </message>
    <message>
        <source>SHIP ID</source>
        <translation>SHIP ID</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Passwort</translation>
    </message>
    <message>
        <source>RC Jump Delay</source>
        <translation>RC-Sprungverzögerung</translation>
    </message>
    <message>
        <source>Move To X</source>
        <translation>Verfahren nach X</translation>
    </message>
    <message>
        <source>Move To Y</source>
        <translation>Verfahren nach Y</translation>
    </message>
    <message>
        <source>Pulse</source>
        <translation>Puls</translation>
    </message>
    <message>
        <source>Width across the middle</source>
        <translation>Breite über die Mitte</translation>
    </message>
    <message>
        <source>Height across the middle</source>
        <translation>Höhe über die Mitte</translation>
    </message>
    <message>
        <source>Top edge</source>
        <translation>Obere Kante</translation>
    </message>
    <message>
        <source>Left edge</source>
        <translation>Linke Kante</translation>
    </message>
    <message>
        <source>Nominal size</source>
        <translation>Sollmaß</translation>
    </message>
</context>
<context>
    <name>zor::service::Outcome</name>
    <message>
        <source>The marking system took the change, but its controller could not save it (device link result 5): the change lasts only until the controller ends (for a simulated system, the program holding it or zor-simulator). The device link gives the reason on its standard error and in its trace.</source>
        <translation>Das Beschriftungssystem hat die Änderung übernommen, aber seine Steuerung konnte sie nicht speichern (Ergebnis der Gerätebibliothek 5): Die Änderung gilt nur, bis die Steuerung endet (bei einem simulierten System das Programm, das es hält, oder zor-simulator). Die Gerätebibliothek nennt den Grund auf ihrer Standardfehlerausgabe und in ihrem Trace.</translation>
    </message>
</context>
<context>
    <name>zor::service::Restore</name>
    <message>
        <source>%1; %2</source>
        <translation>%1; %2</translation>
    </message>
    <message>
        <source>%1: taken, not saved</source>
        <translation>%1: übernommen, nicht gespeichert</translation>
    </message>
    <message>
        <source>%1: sent %2, the controller reads %3</source>
        <translation>%1: %2 gesendet, die Steuerung liest %3</translation>
    </message>
    <message>
        <source>%1: sent %2, but it could not be read back</source>
        <translation>%1: %2 gesendet, konnte aber nicht zurückgelesen werden</translation>
    </message>
    <message>
        <source>%1: no marking system answered, so the restore stopped there</source>
        <translation>%1: kein Beschriftungssystem hat geantwortet, daher hat das Wiederherstellen dort angehalten</translation>
    </message>
    <message>
        <source>%1: the marking system did not take it, so the restore stopped there</source>
        <translation>%1: das Beschriftungssystem hat ihn nicht angenommen, daher hat das Wiederherstellen dort angehalten</translation>
    </message>
    <message>
        <source>%1: not sent in full, so the restore stopped there</source>
        <translation>%1: nicht vollständig gesendet, daher hat das Wiederherstellen dort angehalten</translation>
    </message>
    <message>
        <source>1 setting</source>
        <translation>1 Einstellung</translation>
    </message>
    <message>
        <source>%1 settings</source>
        <translation>%1 Einstellungen</translation>
    </message>
    <message>
        <source>%1 restored and verified</source>
        <translation>%1 wiederhergestellt und geprüft</translation>
    </message>
    <message>
        <source>%1 taken, not saved</source>
        <translation>%1 übernommen, nicht gespeichert</translation>
    </message>
    <message>
        <source>%1 sent but reading back otherwise</source>
        <translation>%1 gesendet, aber anders zurückgelesen</translation>
    </message>
    <message>
        <source>%1 sent but not readable afterwards</source>
        <translation>%1 gesendet, aber danach nicht lesbar</translation>
    </message>
    <message>
        <source>%1 not fully sent</source>
        <translation>%1 nicht vollständig gesendet</translation>
    </message>
    <message>
        <source>%1 not sent, as they were</source>
        <translation>%1 nicht gesendet, unverändert</translation>
    </message>
    <message>
        <source>1 setting not sent</source>
        <translation>1 Einstellung nicht gesendet</translation>
    </message>
    <message>
        <source>%1 settings not sent</source>
        <translation>%1 Einstellungen nicht gesendet</translation>
    </message>
    <message>
        <source>%1.</source>
        <translation>%1.</translation>
    </message>
    <message>
        <source>Nothing needed restoring</source>
        <translation>Nichts musste wiederhergestellt werden</translation>
    </message>
    <message>
        <source>%1. The restore was cancelled between settings.</source>
        <translation>%1. Das Wiederherstellen wurde zwischen zwei Einstellungen abgebrochen.</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>1 setting of the file was not sent: %1 has %2.</source>
        <translation>1 Einstellung der Datei wurde nicht gesendet: %1 hat %2.</translation>
    </message>
    <message>
        <source>%1 settings of the file were not sent: %2 has %3.</source>
        <translation>%1 Einstellungen der Datei wurden nicht gesendet: %2 hat %3.</translation>
    </message>
    <message>
        <source>The snapshot was taken from marking system %1, and this one is %2. Confirm that it is meant for this system to restore it. Nothing was sent.</source>
        <translation>Der Snapshot stammt vom Beschriftungssystem %1, und dieses ist %2. Bestätigen Sie, dass er für dieses System bestimmt ist, um ihn wiederherzustellen. Es wurde nichts gesendet.</translation>
    </message>
    <message>
        <source>The snapshot was taken from marking system %1, and this one is not identified. Confirm that it is meant for this system to restore it. Nothing was sent.</source>
        <translation>Der Snapshot stammt vom Beschriftungssystem %1, und dieses ist nicht identifiziert. Bestätigen Sie, dass er für dieses System bestimmt ist, um ihn wiederherzustellen. Es wurde nichts gesendet.</translation>
    </message>
    <message>
        <source>The snapshot was taken from a marking system whose identity could not be read, and this one is %1. Confirm that it is meant for this system to restore it. Nothing was sent.</source>
        <translation>Der Snapshot stammt von einem Beschriftungssystem, dessen Identität nicht gelesen werden konnte, und dieses ist %1. Bestätigen Sie, dass er für dieses System bestimmt ist, um ihn wiederherzustellen. Es wurde nichts gesendet.</translation>
    </message>
    <message>
        <source>The snapshot was taken from a marking system whose identity could not be read, and this one is not identified. Confirm that it is meant for this system to restore it. Nothing was sent.</source>
        <translation>Der Snapshot stammt von einem Beschriftungssystem, dessen Identität nicht gelesen werden konnte, und dieses ist nicht identifiziert. Bestätigen Sie, dass er für dieses System bestimmt ist, um ihn wiederherzustellen. Es wurde nichts gesendet.</translation>
    </message>
    <message>
        <source>unchanged</source>
        <translation>unverändert</translation>
    </message>
    <message>
        <source>verified</source>
        <translation>geprüft</translation>
    </message>
    <message>
        <source>taken, not saved</source>
        <translation>übernommen, nicht gespeichert</translation>
    </message>
    <message>
        <source>differs</source>
        <translation>abweichend</translation>
    </message>
    <message>
        <source>unreadable</source>
        <translation>nicht lesbar</translation>
    </message>
    <message>
        <source>failed</source>
        <translation>fehlgeschlagen</translation>
    </message>
    <message>
        <source>not sent</source>
        <translation>nicht gesendet</translation>
    </message>
    <message>
        <source>send</source>
        <translation>senden</translation>
    </message>
    <message>
        <source>same</source>
        <translation>gleich</translation>
    </message>
    <message>
        <source>not in file</source>
        <translation>nicht in der Datei</translation>
    </message>
    <message>
        <source>needs --identity</source>
        <translation>benötigt --identity</translation>
    </message>
    <message>
        <source>never restored</source>
        <translation>nie wiederhergestellt</translation>
    </message>
    <message>
        <source>not on family</source>
        <translation>nicht in der Gerätefamilie</translation>
    </message>
</context>
<context>
    <name>zor::service::ServiceLog</name>
    <message>
        <source>the service log has no place: neither XDG_STATE_HOME nor HOME names an absolute folder</source>
        <translation>das Serviceprotokoll hat keinen Ort: Weder XDG_STATE_HOME noch HOME nennt einen absoluten Ordner</translation>
    </message>
    <message>
        <source>cannot lock %1: %2</source>
        <translation>%1 kann nicht gesperrt werden: %2</translation>
    </message>
    <message>
        <source>another program has held the lock on %1 for more than %2</source>
        <translation>ein anderes Programm hält die Sperre auf %1 seit mehr als %2</translation>
    </message>
    <message>
        <source>%1 belongs to another user</source>
        <translation>%1 gehört einem anderen Benutzer</translation>
    </message>
    <message>
        <source>cannot read the size of %1: %2</source>
        <translation>die Größe von %1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>cannot write the whole line to %1 (a part of it is left)</source>
        <translation>die Zeile kann nicht vollständig in %1 geschrieben werden (ein Teil davon bleibt stehen)</translation>
    </message>
    <message>
        <source>cannot write the whole line to %1</source>
        <translation>die Zeile kann nicht vollständig in %1 geschrieben werden</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>cannot write %1</source>
        <translation>%1 kann nicht geschrieben werden</translation>
    </message>
</context>
<context>
    <name>zor::service::Settings</name>
    <message>
        <source>&apos;%1&apos; is not a code to type by hand: give its six hexadecimal digits, as 100022</source>
        <translation>‚%1‘ ist kein Code für die Eingabe von Hand: Geben Sie seine sechs Hexadezimalziffern an, etwa 100022</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a controller model: give its six-digit code, as 100022, or the eight digits get controller-model shows, flag byte 00 (typed by hand) or 10 (listed) first, as 10100022</source>
        <translation>‚%1‘ ist kein Steuerungsmodell: Geben Sie seinen sechsstelligen Code an, etwa 100022, oder die acht Ziffern, die get controller-model zeigt, mit dem Flag-Byte 00 (von Hand eingegeben) oder 10 (aus der Liste) vorn, etwa 10100022</translation>
    </message>
    <message>
        <source>&apos;%1&apos;: %2</source>
        <translation>‚%1‘: %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a MAC address: give six groups of two hexadecimal digits, as 00:1A:2B:3C:4D:5E</source>
        <translation>‚%1‘ ist keine MAC-Adresse: Geben Sie sechs Gruppen aus zwei Hexadezimalziffern an, etwa 00:1A:2B:3C:4D:5E</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not an address: give four decimal numbers from 0 to %2, as 192.168.1.10</source>
        <translation>‚%1‘ ist keine Adresse: Geben Sie vier Dezimalzahlen von 0 bis %2 an, etwa 192.168.1.10</translation>
    </message>
    <message>
        <source>sent as typed; the controller checks the text</source>
        <translation>wie eingegeben gesendet; die Steuerung prüft den Text</translation>
    </message>
    <message>
        <source>sent as typed, behind the service password</source>
        <translation>wie eingegeben gesendet, hinter dem Servicepasswort</translation>
    </message>
    <message>
        <source>both halves, 100 ms apart</source>
        <translation>beide Hälften, im Abstand von 100 ms</translation>
    </message>
    <message>
        <source>four decimal octets</source>
        <translation>vier dezimale Oktette</translation>
    </message>
    <message>
        <source>flag byte and model code</source>
        <translation>Flag-Byte und Modellcode</translation>
    </message>
    <message>
        <source>behind the service password; a listed code (100021, 100022, 200031, 200041) as if picked from the list, any other six-digit code as typed, and the eight digits get controller-model prints as they read (flag byte 00 or 10, then the code)</source>
        <translation>hinter dem Servicepasswort; ein gelisteter Code (100021, 100022, 200031, 200041) wie aus der Liste gewählt, jeder andere sechsstellige Code wie eingegeben, und die acht Ziffern, die get controller-model ausgibt, wie gelesen (Flag-Byte 00 oder 10, dann der Code)</translation>
    </message>
    <message>
        <source>behind the service password; four whole numbers whose total fits the counter (at most 49710,06:28:15)</source>
        <translation>hinter dem Servicepasswort; vier ganze Zahlen, deren Summe in den Zähler passt (höchstens 49710,06:28:15)</translation>
    </message>
    <message>
        <source>six hexadecimal groups in any usual notation</source>
        <translation>sechs hexadezimale Gruppen in jeder üblichen Schreibweise</translation>
    </message>
</context>
<context>
    <name>zor::service::Snapshot</name>
    <message>
        <source>unterminated object</source>
        <translation>unbeendetes Objekt</translation>
    </message>
    <message>
        <source>missing name separator</source>
        <translation>fehlendes Namenstrennzeichen</translation>
    </message>
    <message>
        <source>unterminated array</source>
        <translation>unbeendetes Array</translation>
    </message>
    <message>
        <source>missing value separator</source>
        <translation>fehlendes Wertetrennzeichen</translation>
    </message>
    <message>
        <source>illegal value</source>
        <translation>ungültiger Wert</translation>
    </message>
    <message>
        <source>invalid termination by number</source>
        <translation>ungültiges Ende durch eine Zahl</translation>
    </message>
    <message>
        <source>illegal number</source>
        <translation>ungültige Zahl</translation>
    </message>
    <message>
        <source>invalid escape sequence</source>
        <translation>ungültige Escape-Sequenz</translation>
    </message>
    <message>
        <source>invalid UTF8 string</source>
        <translation>ungültige UTF8-Zeichenkette</translation>
    </message>
    <message>
        <source>unterminated string</source>
        <translation>unbeendete Zeichenkette</translation>
    </message>
    <message>
        <source>object is missing after a comma</source>
        <translation>nach einem Komma fehlt ein Objekt</translation>
    </message>
    <message>
        <source>too deeply nested document</source>
        <translation>zu tief verschachteltes Dokument</translation>
    </message>
    <message>
        <source>too large document</source>
        <translation>zu großes Dokument</translation>
    </message>
    <message>
        <source>garbage at the end of the document</source>
        <translation>überzählige Zeichen am Ende des Dokuments</translation>
    </message>
    <message>
        <source>%1 is not a list of settings</source>
        <translation>%1 ist keine Liste von Einstellungen</translation>
    </message>
    <message>
        <source>%1 is neither in the file nor listed as missing</source>
        <translation>%1 ist weder in der Datei noch als fehlend aufgeführt</translation>
    </message>
    <message>
        <source>a number</source>
        <translation>eine Zahl</translation>
    </message>
    <message>
        <source>true or false</source>
        <translation>true oder false</translation>
    </message>
    <message>
        <source>a list</source>
        <translation>eine Liste</translation>
    </message>
    <message>
        <source>an object</source>
        <translation>ein Objekt</translation>
    </message>
    <message>
        <source>%1 is not a number the controller could have reported</source>
        <translation>%1 ist keine Zahl, die die Steuerung gemeldet haben könnte</translation>
    </message>
    <message>
        <source>%1 is not a whole number from 0 to %2</source>
        <translation>%1 ist keine ganze Zahl von 0 bis %2</translation>
    </message>
    <message>
        <source>%1 is not a whole number of seconds from 0 to %2</source>
        <translation>%1 ist keine ganze Sekundenzahl von 0 bis %2</translation>
    </message>
    <message>
        <source>%1 is not eight hexadecimal digits</source>
        <translation>%1 besteht nicht aus acht Hexadezimalziffern</translation>
    </message>
    <message>
        <source>%1 is not a MAC address</source>
        <translation>%1 ist keine MAC-Adresse</translation>
    </message>
    <message>
        <source>%1 is not a MAC address (six groups of two hexadecimal digits)</source>
        <translation>%1 ist keine MAC-Adresse (sechs Gruppen aus je zwei Hexadezimalziffern)</translation>
    </message>
    <message>
        <source>%1 is not an address of four decimal numbers from 0 to %2</source>
        <translation>%1 ist keine Adresse aus vier Dezimalzahlen von 0 bis %2</translation>
    </message>
    <message>
        <source>%1 is not a working time</source>
        <translation>%1 ist keine Betriebszeit</translation>
    </message>
    <message>
        <source>%1 is not a text of at most %2 Latin-1 characters</source>
        <translation>%1 ist kein Text aus höchstens %2 Latin-1-Zeichen</translation>
    </message>
    <message>
        <source>%1 is not a whole number the controller could have reported</source>
        <translation>%1 ist keine ganze Zahl, die die Steuerung gemeldet haben könnte</translation>
    </message>
    <message>
        <source>%1 does not match %2</source>
        <translation>%1 passt nicht zu %2</translation>
    </message>
    <message>
        <source>the file is not JSON (%1 at byte %2)</source>
        <translation>die Datei ist kein JSON (%1 bei Byte %2)</translation>
    </message>
    <message>
        <source>the file is not a settings snapshot (no JSON object)</source>
        <translation>die Datei ist kein Einstellungs-Snapshot (kein JSON-Objekt)</translation>
    </message>
    <message>
        <source>the key &quot;%1&quot; is given twice at the top level</source>
        <translation>der Schlüssel „%1“ steht zweimal auf der obersten Ebene</translation>
    </message>
    <message>
        <source>the key &quot;%1&quot; is given twice in %2</source>
        <translation>der Schlüssel „%1“ steht zweimal in %2</translation>
    </message>
    <message>
        <source>the file is not a settings snapshot of this tool (format &quot;%1&quot;)</source>
        <translation>die Datei ist kein Einstellungs-Snapshot dieses Werkzeugs (Format „%1“)</translation>
    </message>
    <message>
        <source>the snapshot has no valid version</source>
        <translation>der Snapshot hat keine gültige Version</translation>
    </message>
    <message>
        <source>the snapshot was written by a newer version of the tool (snapshot version %1; this tool reads version %2)</source>
        <translation>der Snapshot wurde von einer neueren Version des Werkzeugs geschrieben (Snapshot-Version %1; dieses Werkzeug liest Version %2)</translation>
    </message>
    <message>
        <source>%1 names %2, which is no setting</source>
        <translation>%1 nennt %2, was keine Einstellung ist</translation>
    </message>
    <message>
        <source>%1 names %2, which is no setting of a version %3 snapshot (it came with version %4)</source>
        <translation>%1 nennt %2, was keine Einstellung eines Snapshots der Version %3 ist (sie kam mit Version %4)</translation>
    </message>
    <message>
        <source>%1 is no setting of a version %2 snapshot (it came with version %3)</source>
        <translation>%1 ist keine Einstellung eines Snapshots der Version %2 (sie kam mit Version %3)</translation>
    </message>
    <message>
        <source>the snapshot has no %1</source>
        <translation>dem Snapshot fehlt %1</translation>
    </message>
    <message>
        <source>%1 names %2, which is also listed as missing</source>
        <translation>%1 nennt %2, was auch als fehlend aufgeführt ist</translation>
    </message>
    <message>
        <source>%1 is there, but it is listed as missing</source>
        <translation>%1 ist vorhanden, aber als fehlend aufgeführt</translation>
    </message>
    <message>
        <source>%1 names &quot;%2&quot;, which %3 has</source>
        <translation>%1 nennt „%2“, obwohl %3 es hat</translation>
    </message>
    <message>
        <source>%1 is not an object</source>
        <translation>%1 ist kein Objekt</translation>
    </message>
    <message>
        <source>%1 is no setting of this tool</source>
        <translation>%1 ist keine Einstellung dieses Werkzeugs</translation>
    </message>
    <message>
        <source>%1 is there, but its setting is listed as missing</source>
        <translation>%1 ist vorhanden, aber seine Einstellung ist als fehlend aufgeführt</translation>
    </message>
    <message>
        <source>%1 is there, but its setting is listed as not on the family</source>
        <translation>%1 ist vorhanden, aber seine Einstellung ist als nicht in der Gerätefamilie aufgeführt</translation>
    </message>
    <message>
        <source>%1 is larger than %2: no settings snapshot is that large</source>
        <translation>%1 ist größer als %2: Kein Einstellungs-Snapshot ist so groß</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
</context>
</TS>
