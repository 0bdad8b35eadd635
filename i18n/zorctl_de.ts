<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>zorctl::Arguments</name>
    <message>
        <source>option %1 needs a value</source>
        <translation>Option %1 braucht einen Wert</translation>
    </message>
    <message>
        <source>option %1 takes no value</source>
        <translation>Option %1 nimmt keinen Wert</translation>
    </message>
    <message>
        <source>--system takes a system&apos;s serial number (decimal), not &apos;%1&apos;</source>
        <translation>--system nimmt die Seriennummer eines Systems (dezimal), nicht &apos;%1&apos;</translation>
    </message>
    <message>
        <source>the service password is never taken from the command line (it would show in the process list): use --password-file FILE, ZOR_SERVICE_PASSWORD, or type it when asked</source>
        <translation>das Servicepasswort wird nie von der Befehlszeile genommen (es wäre in der Prozessliste zu sehen): verwenden Sie --password-file FILE oder ZOR_SERVICE_PASSWORD, oder geben Sie es ein, wenn Sie gefragt werden</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>unbekannte Option %1</translation>
    </message>
</context>
<context>
    <name>zorctl::Calibrate</name>
    <message>
        <source>calibrate: %1 &apos;%2&apos; is not a number of millimetres: write the decimal point as a point, e.g. 55.01</source>
        <translation>calibrate: %1 &apos;%2&apos; ist keine Zahl von Millimetern: schreiben Sie das Dezimaltrennzeichen als Punkt, z. B. 55.01</translation>
    </message>
    <message>
        <source>calibrate: %1 &apos;%2&apos; is not a number of millimetres (e.g. 55.01)</source>
        <translation>calibrate: %1 &apos;%2&apos; ist keine Zahl von Millimetern (z. B. 55.01)</translation>
    </message>
    <message>
        <source> (top edge %1, left edge %2)</source>
        <translation> (Oberkante %1, linke Kante %2)</translation>
    </message>
    <message>
        <source> (unchanged)</source>
        <translation> (unverändert)</translation>
    </message>
    <message>
        <source>calibrate needs --width MM and --height MM</source>
        <translation>calibrate braucht --width MM und --height MM</translation>
    </message>
    <message>
        <source>calibrate: --tolerance &apos;%1&apos; is not PCT,MM (a percentage and millimetres, e.g. 0.05,0.02)</source>
        <translation>calibrate: --tolerance &apos;%1&apos; ist nicht PCT,MM (ein Prozentsatz und Millimeter, z. B. 0.05,0.02)</translation>
    </message>
    <message>
        <source>calibrate: %1</source>
        <translation>calibrate: %1</translation>
    </message>
    <message>
        <source>calibrate: the new values depend on the corrections read; a dry run reads nothing</source>
        <translation>calibrate: die neuen Werte hängen von den gelesenen Korrekturen ab; ein Probelauf liest nichts</translation>
    </message>
    <message>
        <source>calibrate: the scan field&apos;s model misses these sizes by up to %1 mm: the lens errs otherwise than the model has it; the next round may need to correct further</source>
        <translation>calibrate: das Modell des Scanfelds verfehlt diese Maße um bis zu %1 mm: das Objektiv weicht anders ab, als das Modell annimmt; die nächste Runde muss eventuell weiter korrigieren</translation>
    </message>
    <message>
        <source>calibrate: the square is within tolerance; nothing was sent</source>
        <translation>calibrate: das Quadrat liegt innerhalb der Toleranz; es wurde nichts gesendet</translation>
    </message>
    <message>
        <source>calibrate: the new values are those in force; nothing was sent</source>
        <translation>calibrate: die neuen Werte sind die geltenden; es wurde nichts gesendet</translation>
    </message>
    <message>
        <source>calibrate: --no-set: nothing was sent</source>
        <translation>calibrate: --no-set: es wurde nichts gesendet</translation>
    </message>
</context>
<context>
    <name>zorctl::Commands</name>
    <message>
        <source>the marking system&apos;s identity could not be read</source>
        <translation>die Identität des Beschriftungssystems konnte nicht gelesen werden</translation>
    </message>
    <message>
        <source>unknown setting &apos;%1&apos;</source>
        <translation>unbekannte Einstellung &apos;%1&apos;</translation>
    </message>
    <message>
        <source>not on %1: %2</source>
        <translation>nicht bei %1: %2</translation>
    </message>
    <message>
        <source>some settings could not be read</source>
        <translation>einige Einstellungen konnten nicht gelesen werden</translation>
    </message>
    <message>
        <source>%1: sent; the controller&apos;s %2 cannot be read back</source>
        <translation>%1: gesendet; %2 der Steuerung kann nicht zurückgelesen werden</translation>
    </message>
    <message>
        <source>%1: sent; %2 cannot read it back</source>
        <translation>%1: gesendet; %2 kann den Wert nicht zurücklesen</translation>
    </message>
    <message>
        <source>%1: sent, but the controller reads back %2</source>
        <translation>%1: gesendet, aber die Steuerung liest %2 zurück</translation>
    </message>
    <message>
        <source>%1: sent, but it could not be read back</source>
        <translation>%1: gesendet, aber der Wert konnte nicht zurückgelesen werden</translation>
    </message>
    <message>
        <source>set %1 takes 1 value</source>
        <translation>set %1 nimmt 1 Wert</translation>
    </message>
    <message>
        <source>set %1 takes %2 values</source>
        <translation>set %1 nimmt %2 Werte</translation>
    </message>
    <message>
        <source>--typed is for set controller-model alone</source>
        <translation>--typed gilt nur für set controller-model</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>move: %1 &apos;%2&apos; is not a whole number from 0 to %3</source>
        <translation>move: %1 &apos;%2&apos; ist keine ganze Zahl von 0 bis %3</translation>
    </message>
    <message>
        <source>mark takes original-square, corrected-square or max-field</source>
        <translation>mark nimmt original-square, corrected-square oder max-field</translation>
    </message>
    <message>
        <source>shutter takes open or close</source>
        <translation>shutter nimmt open oder close</translation>
    </message>
    <message>
        <source>aiming takes on or off</source>
        <translation>aiming nimmt on oder off</translation>
    </message>
    <message>
        <source>test-power takes on PULSE, or off</source>
        <translation>test-power nimmt on PULSE oder off</translation>
    </message>
    <message>
        <source>adjust takes center, distortion or aiming</source>
        <translation>adjust nimmt center, distortion oder aiming</translation>
    </message>
    <message>
        <source>adjust aiming takes MOVES1 MOVES2 (MOVES1 alone with --cancel)</source>
        <translation>adjust aiming nimmt MOVES1 MOVES2 (MOVES1 allein mit --cancel)</translation>
    </message>
    <message>
        <source>adjust %1 takes MOVES</source>
        <translation>adjust %1 nimmt MOVES</translation>
    </message>
    <message>
        <source>adjust: MOVES &apos;%1&apos; may hold only the letters U, D, L and R</source>
        <translation>adjust: MOVES &apos;%1&apos; darf nur die Buchstaben U, D, L und R enthalten</translation>
    </message>
    <message>
        <source>the adjustment was ended without saving</source>
        <translation>die Justierung wurde ohne Speichern beendet</translation>
    </message>
    <message>
        <source>--since &apos;%1&apos; is not a date (2026-12-01) or a date and time (2026-12-01T08:00)</source>
        <translation>--since &apos;%1&apos; ist kein Datum (2026-12-01) und kein Datum mit Uhrzeit (2026-12-01T08:00)</translation>
    </message>
    <message>
        <source>the service log could not be read: %1</source>
        <translation>das Serviceprotokoll konnte nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>the service log is larger than %1: only its newest entries were read</source>
        <translation>das Serviceprotokoll ist größer als %1: nur seine neuesten Einträge wurden gelesen</translation>
    </message>
    <message>
        <source>1 line of the service log could not be read</source>
        <translation>1 Zeile des Serviceprotokolls konnte nicht gelesen werden</translation>
    </message>
    <message>
        <source>%1 lines of the service log could not be read</source>
        <translation>%1 Zeilen des Serviceprotokolls konnten nicht gelesen werden</translation>
    </message>
    <message>
        <source>no operations have been logged for serial number %1 since %2</source>
        <translation>seit %2 wurden für die Seriennummer %1 keine Vorgänge protokolliert</translation>
    </message>
    <message>
        <source>no operations have been logged for serial number %1 yet</source>
        <translation>für die Seriennummer %1 wurden noch keine Vorgänge protokolliert</translation>
    </message>
    <message>
        <source>no operations have been logged since %1</source>
        <translation>seit %1 wurden keine Vorgänge protokolliert</translation>
    </message>
    <message>
        <source>no operations have been logged yet</source>
        <translation>es wurden noch keine Vorgänge protokolliert</translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos;</source>
        <translation>unbekannter Befehl &apos;%1&apos;</translation>
    </message>
    <message>
        <source>option %1 is not one of %2&apos;s</source>
        <translation>Option %1 gehört nicht zu %2</translation>
    </message>
    <message>
        <source>%1 takes %2 to %3 values</source>
        <translation>%1 nimmt %2 bis %3 Werte</translation>
    </message>
    <message>
        <source>%1 takes 1 value</source>
        <translation>%1 nimmt 1 Wert</translation>
    </message>
    <message>
        <source>%1 takes %2 values</source>
        <translation>%1 nimmt %2 Werte</translation>
    </message>
</context>
<context>
    <name>zorctl::Common</name>
    <message>
        <source>%1 (zorctl help for the commands)</source>
        <translation>%1 (zorctl help zeigt die Befehle)</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>what was under way was sent in full</source>
        <translation>was gerade lief, wurde vollständig gesendet</translation>
    </message>
    <message>
        <source>%1: interrupted by %2; %3</source>
        <translation>%1: durch %2 unterbrochen; %3</translation>
    </message>
</context>
<context>
    <name>zorctl::List</name>
    <message>
        <source>SERIAL</source>
        <translation>SERIENNR.</translation>
    </message>
    <message>
        <source>NAME</source>
        <translation>NAME</translation>
    </message>
    <message>
        <source>ADDRESS</source>
        <translation>ADRESSE</translation>
    </message>
    <message>
        <source>FAMILY</source>
        <translation>FAMILIE</translation>
    </message>
</context>
<context>
    <name>zorctl::Main</name>
    <message>
        <source>%1 (zorctl --help for the options)</source>
        <translation>%1 (zorctl --help zeigt die Optionen)</translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos; (zorctl help for the commands)</source>
        <translation>unbekannter Befehl &apos;%1&apos; (zorctl help zeigt die Befehle)</translation>
    </message>
</context>
<context>
    <name>zorctl::Output</name>
    <message>
        <source>standard output could not be written: %1</source>
        <translation>die Standardausgabe konnte nicht geschrieben werden: %1</translation>
    </message>
    <message>
        <source>standard output could not be written</source>
        <translation>die Standardausgabe konnte nicht geschrieben werden</translation>
    </message>
    <message>
        <source>warning: %1</source>
        <translation>Warnung: %1</translation>
    </message>
</context>
<context>
    <name>zorctl::Password</name>
    <message>
        <source>cannot read the password file %1: %2</source>
        <translation>die Passwortdatei %1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>Service password: </source>
        <translation>Servicepasswort: </translation>
    </message>
    <message>
        <source>the password file %1 is not a regular file or a pipe</source>
        <translation>die Passwortdatei %1 ist weder eine reguläre Datei noch eine Pipe</translation>
    </message>
    <message>
        <source>no program wrote a password line to the pipe %1 within %2</source>
        <translation>kein Programm hat innerhalb von %2 eine Passwortzeile in die Pipe %1 geschrieben</translation>
    </message>
    <message>
        <source>the password file %1 does not start with a password line</source>
        <translation>die Passwortdatei %1 beginnt nicht mit einer Passwortzeile</translation>
    </message>
    <message>
        <source>this setting needs the service password: give --password-file FILE or ZOR_SERVICE_PASSWORD, or run zorctl on a terminal to type it</source>
        <translation>diese Einstellung braucht das Servicepasswort: geben Sie --password-file FILE oder ZOR_SERVICE_PASSWORD an, oder starten Sie zorctl in einem Terminal, um es einzugeben</translation>
    </message>
</context>
<context>
    <name>zorctl::Report</name>
    <message>
        <source>report needs --output FILE.pdf</source>
        <translation>report braucht --output FILE.pdf</translation>
    </message>
    <message>
        <source>--since &apos;%1&apos; is not a date (2026-12-01) or a date and time (2026-12-01T08:00)</source>
        <translation>--since &apos;%1&apos; ist kein Datum (2026-12-01) und kein Datum mit Uhrzeit (2026-12-01T08:00)</translation>
    </message>
    <message>
        <source>report: zor-report, which makes the PDF, is not installed beside zorctl</source>
        <translation>report: zor-report, das die PDF-Datei erstellt, ist nicht neben zorctl installiert</translation>
    </message>
    <message>
        <source>report: the PDF could not be made: %1</source>
        <translation>report: die PDF-Datei konnte nicht erstellt werden: %1</translation>
    </message>
    <message>
        <source>report written to %1</source>
        <translation>Servicebericht nach %1 geschrieben</translation>
    </message>
    <message>
        <source>the report holds no service-log entries: the service log could not be read: %1</source>
        <translation>der Servicebericht enthält keine Einträge des Serviceprotokolls: das Serviceprotokoll konnte nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>the report lists as not read what could not be read: %1</source>
        <translation>der Servicebericht führt als nicht gelesen auf, was nicht gelesen werden konnte: %1</translation>
    </message>
</context>
<context>
    <name>zorctl::RunProgram</name>
    <message>
        <source>cannot make a pipe: %1</source>
        <translation>eine Pipe kann nicht angelegt werden: %1</translation>
    </message>
    <message>
        <source>cannot run %1: %2</source>
        <translation>%1 kann nicht ausgeführt werden: %2</translation>
    </message>
    <message>
        <source>cannot wait for %1: %2</source>
        <translation>auf %1 kann nicht gewartet werden: %2</translation>
    </message>
    <message>
        <source>%1 did not finish within %2</source>
        <translation>%1 wurde nicht innerhalb von %2 fertig</translation>
    </message>
    <message>
        <source>%1 wrote more than %2</source>
        <translation>%1 hat mehr als %2 geschrieben</translation>
    </message>
</context>
<context>
    <name>zorctl::Session</name>
    <message>
        <source>%1: %2 s of %3 s </source>
        <translation>%1: %2 s von %3 s </translation>
    </message>
    <message>
        <source>the system to address could not be set in the environment</source>
        <translation>das anzusprechende System konnte nicht in der Umgebung gesetzt werden</translation>
    </message>
    <message>
        <source>No ZORComm.DLL found: libZorComm.so is not in LD_LIBRARY_PATH, beside zorctl, in the installed library folder or in the system library folders</source>
        <translation>Keine ZORComm.DLL gefunden: libZorComm.so liegt weder in LD_LIBRARY_PATH noch neben zorctl, im installierten Bibliotheksordner oder in den Bibliotheksordnern des Systems</translation>
    </message>
    <message>
        <source>%1 names no serial number: &quot;%2&quot; (found: %3)</source>
        <translation>%1 nennt keine Seriennummer: &quot;%2&quot; (gefunden: %3)</translation>
    </message>
    <message>
        <source>no marking system with serial number %1 answered (found: %2)</source>
        <translation>kein Beschriftungssystem mit der Seriennummer %1 hat geantwortet (gefunden: %2)</translation>
    </message>
    <message>
        <source>no marking system has serial number %1, which %2 names (found: %3)</source>
        <translation>kein Beschriftungssystem hat die Seriennummer %1, die %2 nennt (gefunden: %3)</translation>
    </message>
    <message>
        <source>the service log could not be written (%1); the operation goes on without it</source>
        <translation>das Serviceprotokoll konnte nicht geschrieben werden (%1); der Vorgang läuft ohne es weiter</translation>
    </message>
    <message>
        <source>no marking system answered</source>
        <translation>kein Beschriftungssystem hat geantwortet</translation>
    </message>
    <message>
        <source>the device link answered with the system of serial number %1, not %2: it does not address systems by serial number</source>
        <translation>die Gerätebibliothek hat mit dem System der Seriennummer %1 geantwortet, nicht %2: sie spricht Systeme nicht über die Seriennummer an</translation>
    </message>
    <message>
        <source>a marking system answered, but the device link does not list the systems it found</source>
        <translation>ein Beschriftungssystem hat geantwortet, aber die Gerätebibliothek listet die gefundenen Systeme nicht auf</translation>
    </message>
    <message>
        <source>stopping after this value</source>
        <translation>Halt nach diesem Wert</translation>
    </message>
    <message>
        <source>a marking system was found, but its identity could not be read</source>
        <translation>ein Beschriftungssystem wurde gefunden, aber seine Identität konnte nicht gelesen werden</translation>
    </message>
    <message>
        <source>the marking system was found again, but its identity could not be read</source>
        <translation>das Beschriftungssystem wurde wiedergefunden, aber seine Identität konnte nicht gelesen werden</translation>
    </message>
</context>
<context>
    <name>zorctl::Snapshots</name>
    <message>
        <source>%1; nothing was sent</source>
        <translation>%1; es wurde nichts gesendet</translation>
    </message>
    <message>
        <source>SETTING</source>
        <translation>EINSTELLUNG</translation>
    </message>
    <message>
        <source>CONTROLLER</source>
        <translation>STEUERUNG</translation>
    </message>
    <message>
        <source>FILE</source>
        <translation>DATEI</translation>
    </message>
    <message>
        <source>RESTORE</source>
        <translation>WIEDERHERSTELLEN</translation>
    </message>
    <message>
        <source>(unreadable)</source>
        <translation>(nicht lesbar)</translation>
    </message>
    <message>
        <source>(not on family)</source>
        <translation>(nicht in der Gerätefamilie)</translation>
    </message>
    <message>
        <source>(not in file)</source>
        <translation>(nicht in der Datei)</translation>
    </message>
    <message>
        <source>The file comes from marking system %1; this is %2.</source>
        <translation>Die Datei stammt vom Beschriftungssystem %1; dieses ist %2.</translation>
    </message>
    <message>
        <source>The file comes from marking system %1; this is not identified.</source>
        <translation>Die Datei stammt vom Beschriftungssystem %1; dieses ist nicht identifiziert.</translation>
    </message>
    <message>
        <source>The file comes from an unidentified system; this is %1.</source>
        <translation>Die Datei stammt von einem nicht identifizierten System; dieses ist %1.</translation>
    </message>
    <message>
        <source>The file comes from an unidentified system; this is not identified.</source>
        <translation>Die Datei stammt von einem nicht identifizierten System; dieses ist nicht identifiziert.</translation>
    </message>
    <message>
        <source>restoring %1 of %2: %3</source>
        <translation>Wiederherstellen %1 von %2: %3</translation>
    </message>
    <message>
        <source>stopping after this setting</source>
        <translation>Halt nach dieser Einstellung</translation>
    </message>
    <message>
        <source>settings saved to %1</source>
        <translation>Einstellungen in %1 gespeichert</translation>
    </message>
    <message>
        <source>not on %1, so not in the file: %2</source>
        <translation>nicht bei %1, daher nicht in der Datei: %2</translation>
    </message>
    <message>
        <source>saved without what could not be read: %1</source>
        <translation>gespeichert ohne das, was nicht gelesen werden konnte: %1</translation>
    </message>
    <message>
        <source>some controller values could not be read: %1</source>
        <translation>einige Werte der Steuerung konnten nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>a real restore sends only the settings that differ</source>
        <translation>ein echtes Wiederherstellen sendet nur die abweichenden Einstellungen</translation>
    </message>
    <message>
        <source>restore: without a terminal to confirm on, give --yes; nothing was sent</source>
        <translation>restore: ohne Terminal zum Bestätigen geben Sie --yes an; es wurde nichts gesendet</translation>
    </message>
    <message>
        <source>nothing differs; nothing was sent</source>
        <translation>nichts weicht ab; es wurde nichts gesendet</translation>
    </message>
    <message>
        <source>restore: the file comes from another marking system; give --other-system if it is meant for this one</source>
        <translation>restore: die Datei stammt von einem anderen Beschriftungssystem; geben Sie --other-system an, wenn sie für dieses bestimmt ist</translation>
    </message>
    <message>
        <source>Restore %1 settings?</source>
        <translation>%1 Einstellungen wiederherstellen?</translation>
    </message>
    <message>
        <source>restore: not confirmed; nothing was sent</source>
        <translation>restore: nicht bestätigt; es wurde nichts gesendet</translation>
    </message>
    <message>
        <source>restore: %1</source>
        <translation>restore: %1</translation>
    </message>
    <message>
        <source>BEFORE</source>
        <translation>VORHER</translation>
    </message>
    <message>
        <source>RESULT</source>
        <translation>ERGEBNIS</translation>
    </message>
    <message>
        <source>the settings after the one under way were not sent</source>
        <translation>die Einstellungen nach der laufenden wurden nicht gesendet</translation>
    </message>
    <message>
        <source>some settings do not read back as in the file</source>
        <translation>einige Einstellungen lesen sich nicht wie in der Datei zurück</translation>
    </message>
</context>
</TS>
