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
    <name>zorctl::Help</name>
    <message>
        <source>every system that answers: serial number,
name, address and device family</source>
        <translation>jedes System, das antwortet: Seriennummer,
Name, Adresse und Gerätefamilie</translation>
    </message>
    <message>
        <source>Usage: zorctl list [--system SERIAL] [--json] [--dry-run]

Looks for marking systems once and lists every one that answers: its serial
number (decimal), name (the model name its controller reports), IPv4 address
and device family (NK, N or NZ, from the name). Exit status 3 when none
answers or, with --system, when that one is not among them.
  --json         {&quot;systems&quot;: [{serial, name, address, family}]}
</source>
        <translation>Aufruf: zorctl list [--system SERIAL] [--json] [--dry-run]

Sucht einmal nach Beschriftungssystemen und listet jedes auf, das antwortet:
seine Seriennummer (dezimal), seinen Namen (den Modellnamen, den seine
Steuerung meldet), seine IPv4-Adresse und seine Gerätefamilie (NK, N oder
NZ, aus dem Namen). Exit-Status 3, wenn keines antwortet oder, mit --system,
wenn jenes nicht darunter ist.
  --json         {&quot;systems&quot;: [{serial, name, address, family}]}
</translation>
    </message>
    <message>
        <source>system name, version, release date, serial
number, lens and device family</source>
        <translation>Systemname, Version, Freigabedatum,
Seriennummer, Objektiv und Gerätefamilie</translation>
    </message>
    <message>
        <source>Usage: zorctl info [--json]

Prints the identity the marking system reported when it was found: system
name, version, release date, serial number, lens (mm) and device family.
Exit status 4 when the identity could not be read.
</source>
        <translation>Aufruf: zorctl info [--json]

Gibt die Identität aus, die das Beschriftungssystem gemeldet hat, als es
gefunden wurde: Systemname, Version, Freigabedatum, Seriennummer, Objektiv
(mm) und Gerätefamilie.
Exit-Status 4, wenn die Identität nicht gelesen werden konnte.
</translation>
    </message>
    <message>
        <source>read a setting; NAME is one of @gets@, or all</source>
        <translation>eine Einstellung lesen; NAME ist eine von @gets@ oder all</translation>
    </message>
    <message>
        <source>Usage: zorctl get NAME [--json] [--dry-run]

Reads one setting, as the panel&apos;s Get does, and prints it:
@reads@
A setting the family does not have is refused (exit status 1).
</source>
        <translation>Aufruf: zorctl get NAME [--json] [--dry-run]

Liest eine Einstellung, wie &quot;Lesen&quot; im Bedienfeld, und gibt sie aus:
@reads@
Eine Einstellung, die die Gerätefamilie nicht hat, wird abgelehnt
(Exit-Status 1).
</translation>
    </message>
    <message>
        <source>write a setting; NAME is one of @sets@ (* needs the service password)</source>
        <translation>eine Einstellung schreiben; NAME ist eine von @sets@ (* braucht das Servicepasswort)</translation>
    </message>
    <message>
        <source>Usage: zorctl set NAME VALUE... [--json] [--dry-run] [--password-file FILE]
       zorctl set controller-model CODE --typed

Writes one setting, with the panel&apos;s packets and pauses:
@writes@
A text holding a character beyond Latin-1 is refused; nothing is sent, as
is a setting the system&apos;s family does not have (exit status 1).

The value is then read back wherever a Get reads it: one the controller did
not keep ends with &quot;sent, but the controller reads back X&quot; (exit status 4;
the service log&apos;s outcome &quot;differs&quot;), one that cannot be read with a line
saying so. --typed sends a controller model code as typed by hand (the
prefix 00), even one the panel&apos;s list has.
</source>
        <translation>Aufruf: zorctl set NAME VALUE... [--json] [--dry-run] [--password-file FILE]
        zorctl set controller-model CODE --typed

Schreibt eine Einstellung, mit den Paketen und Pausen des Bedienfelds:
@writes@
Ein Text mit einem Zeichen außerhalb von Latin-1 wird abgelehnt; es wird
nichts gesendet, ebenso bei einer Einstellung, die die Gerätefamilie des
Systems nicht hat (Exit-Status 1).

Der Wert wird danach zurückgelesen, wo eine Leseoperation ihn lesen kann:
einer, den die Steuerung nicht behalten hat, endet mit &quot;gesendet, aber die
Steuerung liest X zurück&quot; (Exit-Status 4; im Serviceprotokoll das Ergebnis
&quot;differs&quot;), einer, der nicht gelesen werden kann, mit einer Zeile, die das
sagt. --typed sendet einen Steuerungsmodell-Code wie von Hand eingegeben
(mit dem Präfix 00), auch einen, den die Liste des Bedienfelds enthält.
</translation>
    </message>
    <message>
        <source>move to a point (0 to 255 each)</source>
        <translation>zu einem Punkt verfahren (je 0 bis 255)</translation>
    </message>
    <message>
        <source>Usage: zorctl move X Y [--dry-run]

Moves to the point (X, Y); each a whole number from 0 to 255.
</source>
        <translation>Aufruf: zorctl move X Y [--dry-run]

Verfährt zum Punkt (X, Y); jeder Wert eine ganze Zahl von 0 bis 255.
</translation>
    </message>
    <message>
        <source>mark original-square, corrected-square or
max-field</source>
        <translation>original-square, corrected-square oder
max-field beschriften</translation>
    </message>
    <message>
        <source>Usage: zorctl mark original-square|corrected-square|max-field [--dry-run]

Marks a test figure. max-field toggles the controller&apos;s maximum field.
</source>
        <translation>Aufruf: zorctl mark original-square|corrected-square|max-field [--dry-run]

Beschriftet eine Testfigur. max-field schaltet das Maximalfeld der Steuerung
um.
</translation>
    </message>
    <message>
        <source>open or close the shutter</source>
        <translation>den Shutter öffnen oder schließen</translation>
    </message>
    <message>
        <source>Usage: zorctl shutter open|close [--dry-run]

Opens or closes the shutter.
</source>
        <translation>Aufruf: zorctl shutter open|close [--dry-run]

Öffnet oder schließt den Shutter.
</translation>
    </message>
    <message>
        <source>switch the aiming diode</source>
        <translation>die Pilotlaserdiode schalten</translation>
    </message>
    <message>
        <source>Usage: zorctl aiming on|off [--dry-run]

Switches the aiming diode on or off.
</source>
        <translation>Aufruf: zorctl aiming on|off [--dry-run]

Schaltet die Pilotlaserdiode ein oder aus.
</translation>
    </message>
    <message>
        <source>fire the test power at PULSE (0 to 100)</source>
        <translation>Testleistung mit PULSE auslösen (0 bis 100)</translation>
    </message>
    <message>
        <source>stop the test power</source>
        <translation>die Testleistung stoppen</translation>
    </message>
    <message>
        <source>Usage: zorctl test-power on PULSE | zorctl test-power off [--dry-run]

Fires the test power at PULSE, a whole number from 0 to 100, or stops it.
</source>
        <translation>Aufruf: zorctl test-power on PULSE | zorctl test-power off [--dry-run]

Löst die Testleistung mit PULSE aus, einer ganzen Zahl von 0 bis 100, oder
stoppt sie.
</translation>
    </message>
    <message>
        <source>reinitialise the power board</source>
        <translation>die Leistungsplatine neu initialisieren</translation>
    </message>
    <message>
        <source>Usage: zorctl init-power-board [--dry-run]

Reinitialises the power board.
</source>
        <translation>Aufruf: zorctl init-power-board [--dry-run]

Initialisiert die Leistungsplatine neu.
</translation>
    </message>
    <message>
        <source>make the controller show its version</source>
        <translation>die Steuerung ihre Version anzeigen lassen</translation>
    </message>
    <message>
        <source>Usage: zorctl show-version [--dry-run]

Makes the controller show its version.
</source>
        <translation>Aufruf: zorctl show-version [--dry-run]

Lässt die Steuerung ihre Version anzeigen.
</translation>
    </message>
    <message>
        <source>begin the adjustment, jog by MOVES (letters
U, D, L, R; &quot;&quot; for none) and save it, or with
--cancel end it without saving</source>
        <translation>die Justierung beginnen, um MOVES tippen
(Buchstaben U, D, L, R; &quot;&quot; für keinen Schritt)
und sie speichern, oder mit --cancel ohne
Speichern beenden</translation>
    </message>
    <message>
        <source>align the aiming diode: jog by MOVES1 at the
top left point, Next, jog by MOVES2 at the
right bottom point, then save (or --cancel;
MOVES1 alone with --cancel: end at the first
point)</source>
        <translation>die Pilotlaserdiode ausrichten: um MOVES1 am
Punkt oben links tippen, Weiter, um MOVES2 am
Punkt rechts unten tippen, dann speichern
(oder --cancel; MOVES1 allein mit --cancel: am
ersten Punkt beenden)</translation>
    </message>
    <message>
        <source>Usage: zorctl adjust center|distortion MOVES [--cancel] [--dry-run]
       zorctl adjust aiming MOVES1 MOVES2 [--cancel] [--dry-run]
       zorctl adjust aiming MOVES1 --cancel [--dry-run]

Begins the centering or distortion adjustment, sends one jog per letter of
MOVES (U up, D down, L left, R right; &quot;&quot; for none), then saves the result,
or with --cancel ends the adjustment without saving. Ctrl+C between two
jogs ends it without saving too (exit status 130).

aiming aligns the aiming diode at two points, as the panel&apos;s &quot;Aiming
Alignment...&quot; does: the jogs of MOVES1 at the centre of the top left, Next,
the jogs of MOVES2 at the centre of the right bottom, then the save and,
half a second later, the end of the alignment; with --cancel the end alone.
With --cancel and MOVES1 alone it ends at the first point, without Next, as
the alignment dialog cancelled there does.
</source>
        <translation>Aufruf: zorctl adjust center|distortion MOVES [--cancel] [--dry-run]
        zorctl adjust aiming MOVES1 MOVES2 [--cancel] [--dry-run]
        zorctl adjust aiming MOVES1 --cancel [--dry-run]

Beginnt die Zentrier- oder Verzeichnungsjustierung, sendet je Buchstabe von
MOVES einen Tippschritt (U hoch, D runter, L links, R rechts; &quot;&quot; für
keinen), speichert dann das Ergebnis oder beendet die Justierung mit
--cancel ohne Speichern. Strg+C zwischen zwei Tippschritten beendet sie
ebenfalls ohne Speichern (Exit-Status 130).

aiming richtet die Pilotlaserdiode an zwei Punkten aus, wie &quot;Pilotlaser
ausrichten...&quot; im Bedienfeld: die Tippschritte von MOVES1 am Mittelpunkt
oben links, Weiter, die Tippschritte von MOVES2 am Mittelpunkt rechts unten,
dann das Speichern und eine halbe Sekunde später das Ende der Ausrichtung;
mit --cancel nur das Ende. Mit --cancel und MOVES1 allein endet sie am
ersten Punkt, ohne Weiter, wie der dort abgebrochene Ausrichtungsdialog.
</translation>
    </message>
    <message>
        <source>compute the scale and distortion corrections
that bring the corrected square, as measured,
to its nominal size with straight edges, and
send them (--no-set: compute only; --mark:
mark the corrected square afterwards)</source>
        <translation>die Skalierungs- und Verzeichnungskorrekturen
berechnen, die das korrigierte Quadrat, wie
gemessen, auf sein Sollmaß mit geraden Kanten
bringen, und sie senden (--no-set: nur
berechnen; --mark: danach das korrigierte
Quadrat beschriften)</translation>
    </message>
    <message>
        <source>Usage: zorctl calibrate --width MM --height MM [--top MM --left MM] [--nominal MM]
                        [--tolerance PCT,MM] [--no-set] [--mark] [--json] [--dry-run]

The field calibration: mark the corrected square, measure it, and give its
width and height across the middle and, to straighten its edges, its top and
left edges from corner to corner, in millimetres. zorctl reads the scale and
distortion corrections in force, computes the new ones that bring the square
to its nominal size (half the field&apos;s side from the lens, or --nominal), prints
the old and new values and the sizes the next square should have, and sends
what changes with the panel&apos;s packets and pauses: Set scale, then Set
distortion. Width and height alone correct the scale only. With --mark it then
marks the corrected square, to be measured for the next round.

Nothing is sent when the square is already within tolerance (--tolerance
PCT,MM; default 0.05 % of nominal across the middle, and each edge within
0.02 mm of its middle size), or with --no-set. A size that is not a positive
number of millimetres (a point as decimal point) or lies more than 20 % from
nominal, an edge without the other, or a result the controller cannot take is
refused (exit status 1). When this round&apos;s square lies no closer to nominal
than the previous round&apos;s did, as the service log has it, zorctl says so.
Each round that sent is one service-log entry, operation &quot;calibrate&quot;.
</source>
        <translation>Aufruf: zorctl calibrate --width MM --height MM [--top MM --left MM] [--nominal MM]
                         [--tolerance PCT,MM] [--no-set] [--mark] [--json] [--dry-run]

Die Feldkalibrierung: das korrigierte Quadrat beschriften, messen und seine
Breite und Höhe durch die Mitte angeben und, um seine Kanten zu begradigen,
seine obere und linke Kante von Ecke zu Ecke, in Millimetern. zorctl liest
die geltenden Skalierungs- und Verzeichnungskorrekturen, berechnet die
neuen, die das Quadrat auf sein Sollmaß bringen (die halbe Seite des Felds
laut Objektiv, oder --nominal), gibt die alten und neuen Werte und die Maße
aus, die das nächste Quadrat haben sollte, und sendet, was sich ändert, mit
den Paketen und Pausen des Bedienfelds: erst Setzen der Skalierung, dann
Setzen der Verzeichnung. Breite und Höhe allein korrigieren nur die
Skalierung. Mit --mark beschriftet es danach das korrigierte Quadrat, das
für die nächste Runde gemessen wird.

Nichts wird gesendet, wenn das Quadrat schon innerhalb der Toleranz liegt
(--tolerance PCT,MM; Vorgabe 0.05 % des Sollmaßes durch die Mitte und jede
Kante innerhalb von 0.02 mm ihres Maßes in der Mitte), oder mit --no-set.
Ein Maß, das keine positive Zahl von Millimetern ist (mit Punkt als
Dezimaltrennzeichen) oder mehr als 20 % vom Sollmaß abweicht, eine Kante
ohne die andere oder ein Ergebnis, das die Steuerung nicht annehmen kann,
wird abgelehnt (Exit-Status 1). Liegt das Quadrat dieser Runde laut
Serviceprotokoll nicht näher am Sollmaß als das der vorigen Runde, sagt
zorctl das. Jede Runde, die gesendet hat, ist ein Eintrag im
Serviceprotokoll, Vorgang &quot;calibrate&quot;.
</translation>
    </message>
    <message>
        <source>read every setting the controller reports and
save them, with its identity, as a snapshot</source>
        <translation>jede Einstellung lesen, die die Steuerung
meldet, und sie mit ihrer Identität als
Snapshot speichern</translation>
    </message>
    <message>
        <source>Usage: zorctl backup FILE [--json] [--dry-run]

Reads the identity and every setting the controller can report (currents,
distortion, scale, controller model, MAC, IP, subnet, gateway, ship id,
working time) and saves them as one JSON file, written atomically. A read
that fails is left out and named at the end (exit status 4); a setting the
system&apos;s family does not have is not read and is listed under
&quot;not_on_family&quot;; a file that cannot be written is refused (exit status 5)
and nothing is left behind.
</source>
        <translation>Aufruf: zorctl backup FILE [--json] [--dry-run]

Liest die Identität und jede Einstellung, die die Steuerung melden kann
(Ströme, Verzeichnung, Skalierung, Steuerungsmodell, MAC, IP, Subnetz,
Gateway, SHIP ID, Betriebszeit), und speichert sie als eine JSON-Datei,
atomar geschrieben. Ein Lesen, das fehlschlägt, wird ausgelassen und am Ende
genannt (Exit-Status 4); eine Einstellung, die die Gerätefamilie des Systems
nicht hat, wird nicht gelesen und unter &quot;not_on_family&quot; aufgeführt; eine
Datei, die nicht geschrieben werden kann, wird abgelehnt (Exit-Status 5),
und nichts bleibt zurück.
</translation>
    </message>
    <message>
        <source>compare a snapshot with the controller, setting
by setting, and tell what a restore would send</source>
        <translation>einen Snapshot Einstellung für Einstellung mit
der Steuerung vergleichen und sagen, was ein
Wiederherstellen senden würde</translation>
    </message>
    <message>
        <source>Usage: zorctl diff FILE [--identity] [--json]

Compares a snapshot with the connected controller: each setting&apos;s value on
the controller and in the file, and whether a restore would send it. The
working time and the ship id are shown, never restored; a setting the
system&apos;s family has no Set for shows as &quot;not on family&quot; and is never sent.
A file that is not a valid snapshot is refused (exit status 1) and nothing
is read or sent. A controller value that could not be read shows as
(unreadable), and the exit status is 4.
</source>
        <translation>Aufruf: zorctl diff FILE [--identity] [--json]

Vergleicht einen Snapshot mit der verbundenen Steuerung: den Wert jeder
Einstellung in der Steuerung und in der Datei, und ob ein Wiederherstellen
ihn senden würde. Die Betriebszeit und die SHIP ID werden gezeigt, nie
wiederhergestellt; eine Einstellung, für die die Gerätefamilie des Systems
kein Setzen hat, erscheint als &quot;not on family&quot; und wird nie gesendet. Eine
Datei, die kein gültiger Snapshot ist, wird abgelehnt (Exit-Status 1), und
nichts wird gelesen oder gesendet. Ein Wert der Steuerung, der nicht gelesen
werden konnte, erscheint als (nicht lesbar), und der Exit-Status ist 4.
</translation>
    </message>
    <message>
        <source>send the snapshot&apos;s values that differ
(calibration first, network last) and read
each back; --identity also the serial number,
model name and controller model (password);
--other-system for another system&apos;s snapshot;
--yes without asking (needed off a terminal)</source>
        <translation>die abweichenden Werte des Snapshots senden
(Kalibrierung zuerst, Netzwerk zuletzt) und
jeden zurücklesen; --identity auch
Seriennummer, Modellname und Steuerungsmodell
(Passwort); --other-system für den Snapshot
eines anderen Systems; --yes ohne Rückfrage
(nötig ohne Terminal)</translation>
    </message>
    <message>
        <source>Usage: zorctl restore FILE [--identity] [--other-system] [--yes] [--json] [--dry-run]

Checks the whole file first: a file that is not JSON, of another format or
a newer version, misses a part, holds a value the panel would refuse or the
controller could not have reported, or is larger than 1 MB is refused with
the problem named, and nothing is sent. Then sends only the settings whose
values differ, with the panel&apos;s own packets and pauses (calibration first,
network settings last) and reads each back: verified, differs or
unreadable; &quot;taken, not saved&quot; when the controller took it but could not
save it (a warning; exit status 0). When a setting did not end verified,
the summary&apos;s first line says what happened and how many were not sent.
A setting the system&apos;s family has no Set for is never sent;
the summary names what the family lacks. The serial number, model name and
controller model go back only with --identity and the service password; a
snapshot of another system (another serial number) only with
--other-system. On a terminal the
comparison is shown and confirmed first; without one, --yes is needed.
Ctrl+C or SIGTERM stops it between settings: each is as it was or fully
sent, and the exit status is 130 (143).
</source>
        <translation>Aufruf: zorctl restore FILE [--identity] [--other-system] [--yes] [--json] [--dry-run]

Prüft zuerst die ganze Datei: eine Datei, die kein JSON ist, ein anderes
Format oder eine neuere Version hat, in der ein Teil fehlt, die einen Wert
enthält, den das Bedienfeld ablehnen würde oder den die Steuerung nicht
gemeldet haben kann, oder die größer als 1 MB ist, wird mit Nennung des
Problems abgelehnt, und nichts wird gesendet. Dann sendet es nur die
Einstellungen, deren Werte abweichen, mit den eigenen Paketen und Pausen des
Bedienfelds (Kalibrierung zuerst, Netzwerkeinstellungen zuletzt), und liest
jede zurück: verified, differs oder unreadable; &quot;taken, not saved&quot;, wenn die
Steuerung sie übernommen hat, aber nicht speichern konnte (eine Warnung;
Exit-Status 0). Endet eine Einstellung nicht mit verified, sagt die erste
Zeile der Zusammenfassung, was geschah und wie viele nicht gesendet wurden.
Eine Einstellung, für die die Gerätefamilie des Systems kein Setzen hat,
wird nie gesendet; die Zusammenfassung nennt, was der Gerätefamilie fehlt.
Seriennummer, Modellname und Steuerungsmodell werden nur mit --identity und
dem Servicepasswort zurückgeschrieben, der Snapshot eines anderen Systems
(einer anderen Seriennummer) nur mit --other-system. In einem Terminal wird
der Vergleich zuerst gezeigt und bestätigt; ohne Terminal ist --yes nötig.
Strg+C oder SIGTERM hält es zwischen zwei Einstellungen an: jede ist wie
zuvor oder vollständig gesendet, und der Exit-Status ist 130 (143).
</translation>
    </message>
    <message>
        <source>print the service log: every operation that
sent something, from zorctl and the panel</source>
        <translation>das Serviceprotokoll ausgeben: jeden Vorgang,
der etwas gesendet hat, von zorctl und vom
Bedienfeld</translation>
    </message>
    <message>
        <source>Usage: zorctl log [--since DATE] [--system SERIAL] [--json]

Prints the service log, oldest first: one line for every operation that sent
something to a marking system, from zorctl and from the panel, with its time
(local), front end, the system&apos;s serial number, the operation, the value sent
(&quot;-&quot; for none) and the outcome. Refusals send nothing and are not logged; the
service password never is. The device link is not loaded.

The log is $XDG_STATE_HOME/zor-maintenance/service-log.jsonl, or
~/.local/state/zor-maintenance/service-log.jsonl when XDG_STATE_HOME is unset
or not absolute: one JSON object per line with time (UTC, ISO 8601 with
milliseconds), front_end, serial and model (null when no identity was read),
operation, value, outcome (done, refused, not-connected, not-accepted,
read-failed; differs or unreadable for a Set a restore read back) and message
(when not done). Only its newest 8 MB are read; a line that cannot be read is
skipped and counted. A program that holds the log&apos;s lock for more than 2 s
makes the reading fail.

  --since DATE   only the entries from DATE on: 2026-12-01 (from midnight),
                 2026-12-01T08:00 or 2026-12-01T08:00:30 (&apos;T&apos; or a space);
                 local time, or UTC with a final Z (2026-12-01T08:00Z);
                 a time a daylight-saving change skipped is the first after it
  --system SERIAL  only the entries for the system of that serial number
  --json         {&quot;entries&quot;: [the lines&apos; objects], &quot;skipped&quot;: N}
Exit status 5 when the log exists but cannot be read.
</source>
        <translation>Aufruf: zorctl log [--since DATE] [--system SERIAL] [--json]

Gibt das Serviceprotokoll aus, die ältesten Einträge zuerst: eine Zeile für
jeden Vorgang, der etwas an ein Beschriftungssystem gesendet hat, von zorctl
und vom Bedienfeld, mit seiner Zeit (Ortszeit), dem Programm, der
Seriennummer des Systems, dem Vorgang, dem gesendeten Wert (&quot;-&quot; für keinen)
und dem Ergebnis. Ablehnungen senden nichts und werden nicht protokolliert,
das Servicepasswort nie. Die Gerätebibliothek wird nicht geladen.

Das Protokoll ist $XDG_STATE_HOME/zor-maintenance/service-log.jsonl, oder
~/.local/state/zor-maintenance/service-log.jsonl, wenn XDG_STATE_HOME nicht
gesetzt oder nicht absolut ist: ein JSON-Objekt je Zeile mit time (UTC,
ISO 8601 mit Millisekunden), front_end, serial und model (null, wenn keine
Identität gelesen wurde), operation, value, outcome (done, refused,
not-connected, not-accepted, read-failed; differs oder unreadable für ein
Setzen, das ein Wiederherstellen zurückgelesen hat) und message (wenn nicht
done). Nur seine neuesten 8 MB werden gelesen; eine Zeile, die nicht gelesen
werden kann, wird übersprungen und gezählt. Ein Programm, das die Sperre des
Protokolls länger als 2 s hält, lässt das Lesen fehlschlagen.

  --since DATE   nur die Einträge ab DATE: 2026-12-01 (ab Mitternacht),
                 2026-12-01T08:00 oder 2026-12-01T08:00:30 (&apos;T&apos; oder ein
                 Leerzeichen); Ortszeit, oder UTC mit einem Z am Ende
                 (2026-12-01T08:00Z); eine Zeit, die eine Sommerzeitumstellung
                 übersprungen hat, gilt als die erste danach
  --system SERIAL  nur die Einträge für das System dieser Seriennummer
  --json         {&quot;entries&quot;: [die Objekte der Zeilen], &quot;skipped&quot;: N}
Exit-Status 5, wenn das Protokoll existiert, aber nicht gelesen werden kann.
</translation>
    </message>
    <message>
        <source>write the service report: the system, every
setting as read now, the service log since
--since (default: today) and the calibration
rounds with a drawing of their squares</source>
        <translation>den Servicebericht schreiben: das System, jede
Einstellung wie jetzt gelesen, das
Serviceprotokoll seit --since (Vorgabe: heute)
und die Kalibrierrunden mit einer Zeichnung
ihrer Quadrate</translation>
    </message>
    <message>
        <source>Usage: zorctl report --output FILE.pdf [--since DATE] [--system SERIAL] [--json]

Writes the service report, a PDF to hand the customer: the system (name,
serial number, version, release date, lens, family, controller model,
working time), every setting its family has as read now (one that cannot be
read is listed as &quot;not read&quot;, never with a value), the service-log entries
for this system since DATE, the calibration rounds among them with their
measurements and a drawing of the measured, expected and nominal squares to
scale, and the date and host it was made on. No display is needed.

  --output FILE  the PDF; written atomically (a temporary beside it, then
                 renamed), never through a symbolic link at FILE, and
                 checked before anything is read
  --since DATE   the log&apos;s entries from DATE on, as for log (default: the
                 start of today, local time)
  --system SERIAL  the system to report on, when several answer

zorctl gathers the content and runs zor-report (beside zorctl, or in the
tool&apos;s library folder) to lay it out, waiting at most 60 s for it.
Exit status 4 when a setting could not be read (the report lists it as not
read), 5 when FILE cannot be written, the PDF could not be made or the
service log could not be read (the report then holds no entries).
</source>
        <translation>Aufruf: zorctl report --output FILE.pdf [--since DATE] [--system SERIAL] [--json]

Schreibt den Servicebericht, ein PDF für den Kunden: das System (Name,
Seriennummer, Version, Freigabedatum, Objektiv, Gerätefamilie,
Steuerungsmodell, Betriebszeit), jede Einstellung, die seine Gerätefamilie
hat, wie jetzt gelesen (eine, die nicht gelesen werden kann, wird als nicht
gelesen aufgeführt, nie mit einem Wert), die Einträge des Serviceprotokolls
für dieses System seit DATE, die Kalibrierrunden darunter mit ihren
Messungen und einer maßstäblichen Zeichnung des gemessenen, des erwarteten
und des Soll-Quadrats, und Datum und Rechner der Erstellung. Eine Anzeige
wird nicht gebraucht.

  --output FILE  das PDF; atomar geschrieben (erst eine temporäre Datei
                 daneben, dann umbenannt), nie über einen symbolischen Link
                 bei FILE, und geprüft, bevor etwas gelesen wird
  --since DATE   die Einträge des Protokolls ab DATE, wie bei log (Vorgabe:
                 der Beginn des heutigen Tages, Ortszeit)
  --system SERIAL  das System, über das berichtet wird, wenn mehrere antworten

zorctl sammelt den Inhalt und führt zor-report aus (neben zorctl oder im
Bibliotheksordner des Werkzeugs), um ihn zu setzen, und wartet darauf
höchstens 60 s.
Exit-Status 4, wenn eine Einstellung nicht gelesen werden konnte (der
Bericht führt sie als nicht gelesen auf), 5, wenn FILE nicht geschrieben
werden kann, das PDF nicht erstellt werden konnte oder das Serviceprotokoll
nicht gelesen werden konnte (der Bericht enthält dann keine Einträge).
</translation>
    </message>
    <message>
        <source>this text, or a command&apos;s own</source>
        <translation>dieser Text, oder die Hilfe eines Befehls</translation>
    </message>
    <message>
        <source>Usage: zorctl help [COMMAND]

Shows zorctl&apos;s help, or a command&apos;s.
</source>
        <translation>Aufruf: zorctl help [COMMAND]

Zeigt die Hilfe von zorctl oder die eines Befehls.
</translation>
    </message>
    <message>
        <source>Usage: zorctl [OPTIONS] COMMAND [VALUES...]

Reads and sets a ZOR laser marking system&apos;s identity, calibration and
network settings from the command line, exactly as the zor-maintenance
panel does: the same checks, the same packets and the same pauses.

Commands:
@commands@

Device families: a command is refused (exit status 1, nothing sent) when the
panel disables its control for the connected system&apos;s family, as the panel
started afresh does once it has found that family:
  NK- series   no controller-model, no network settings (mac, ip, subnet,
               gateway, ship-id)
  N- series    no get currents, init-power-board, adjust, mark,
               controller-model, work-time or network settings
  NZ series    no 20-current, max-current, init-power-board, adjust center
               or shutter
get all and backup leave out what the family does not have and name it
(not_on_family); diff shows it as &quot;not on family&quot; and restore never sends it.

Options:
  --json                one JSON object on standard output (keys below)
  --dry-run             run every check and print the packets, status queries
                        and waits the command would make, with their timing;
                        nothing in the device link is called (so no family
                        is known: the plan is the same for every family)
  -q, --quiet           no progress and no informational messages
  --system SERIAL       work with the system of this serial number (decimal)
                        when several answer; refused with exit status 3 when
                        it does not answer (log: its entries alone)
  --password-file FILE  read the service password from the first line of FILE
                        (a pipe such as &lt;(pass show zor) will do, if its line
                        comes within 10 s)
  --identity            diff, restore: the identity values too
  --other-system        restore: the snapshot may come from another system
  -y, --yes             restore: no question before sending
  --cancel              adjust: end without saving
  --typed               set controller-model: the code as typed by hand
  --output FILE         report: the PDF to write
  --width, --height MM  calibrate: the corrected square&apos;s width and height
                        across the middle, in mm (a point as decimal point)
  --top, --left MM      calibrate: its top and left edges, corner to corner
  --nominal MM          calibrate: the nominal side (else half the field&apos;s
                        side from the lens: 55.0125 mm for 163 mm)
  --tolerance PCT,MM    calibrate: within tolerance, nothing is sent
                        (default 0.05,0.02: 0.05 % of nominal, edges 0.02 mm)
  --no-set              calibrate: read and compute, send nothing
  --mark                calibrate: mark the corrected square after sending
  --since DATE          log, report: only entries from DATE on (2026-12-01, or
                        2026-12-01T08:00[:SS]; local time, UTC with a final Z;
                        a time a daylight-saving change skipped: the first
                        after it)
  -h, --help            show help and exit (after a command: its help)
  --version             show the version and exit

The service password (serial, model-name, controller-model, work-time) is
taken from --password-file, else from ZOR_SERVICE_PASSWORD (without a final
newline or CR; empty counts as unset), else asked for without echo when
standard input is a terminal. It is never accepted as an argument. A wrong
or missing password sends nothing.

Values travel exactly as the panel sends them: texts as typed (one byte per
character: Latin-1 only); a MAC address in any usual notation (00:1A:2B:3C:4D:5E,
00-1a-2b-3c-4d-5e, 001a.2b3c.4d5e, 001a2b3c4d5e) goes out as XX:XX:XX:XX:XX:XX;
an IP address, subnet mask or gateway as four decimal octets (192.168.1.10);
a listed controller model (100021, 100022, 200031, 200041) as if picked from
the panel&apos;s list (--typed: as typed by hand), any other six-digit code as
typed, and the eight digits get controller-model prints as they read: the
flag byte, 00 (typed by hand) or 10 (listed), then the code; any other value
is refused.

After a Set zorctl reads the value back wherever a Get reads it (currents,
lens, distortion, scale, serial, model name, controller model, the network
settings): one the controller did not keep ends with &quot;sent, but the
controller reads back X&quot; and exit status 4, and the service log says
&quot;differs&quot;. The 20-current and the multipliers cannot be read: zorctl says
once that the value was sent and cannot be read back.

Output: a reading of one value prints the value alone; of several, one
&quot;key: value&quot; line each. Control characters in texts from the marking system,
a file or the log show as escapes (\x1B, \u009B); JSON has its own. With
--json every command prints one object:
  command        the command line&apos;s command and values
  ok             true when the command did everything it set out to
  exit_status    as below
  error          {kind, message} when not ok; kind is usage, refused,
                 not-connected, not-accepted, read-failed, no-device-link,
                 file (a file could not be read or written) or interrupted
  warnings       [texts] when there is something to know besides: a change
                 the controller took but could not save (exit status 0)
  list:          systems [{serial, name, address, family}]
  info:          system_name, version, release_date, serial_number, lens_mm,
                 family (NK, N or NZ)
@keys@
  get all:       values {every key above}, missing [settings not read],
                 not_on_family [settings the family does not have]
  --dry-run:     dry_run [{at_ms, step}], total_ms
  backup:        file, missing [settings not read: not in the file],
                 not_on_family [settings the family does not have]
  diff:          settings [{setting, controller, file, restore}], to_send,
                 other_system, controller_serial, file_serial; restore is
                 send, same, not in file, needs --identity, never restored
                 or not on family
  restore:       settings [{setting, before, file, result, after}] for those
                 sent; result is verified, taken, not saved, differs,
                 unreadable, failed or not sent; sent, cancelled, summary
  calibrate:     measured {width_mm, height_mm, top_mm, left_mm}, nominal_mm,
                 old and new {scale_x, scale_y, distortion_x, distortion_y},
                 expected {width_mm, height_mm, top_mm, left_mm},
                 within_tolerance, sent
  log:           entries [{time, front_end, serial, model, operation, value,
                 outcome, message}] as the log holds them, oldest first;
                 skipped: lines that could not be read
  report:        file, not_read [settings listed as not read], log_entries,
                 calibrations

Exit status:
  0  done
  1  refused: a value or the password was not accepted; nothing was sent
  2  usage: unknown command, setting or option, or wrong number of values
  3  no device link, no marking system answered (with --system: not that
     one), or the device link did not accept a packet (nothing more was sent)
  4  the controller did not answer a read (backup: saved without it;
     report: listed as not read; diff: a value it compares), or it
     answered, but a value does not read back as sent (set, restore: the
     controller did not keep it)
  5  a file could not be read or written (the service log, a backup, a
     report, or zor-report could not make the PDF), or
     standard output or standard error could not be written
  130  interrupted by Ctrl+C (SIGINT; 143 for SIGTERM), as below

Ctrl+C (SIGINT) or SIGTERM while zorctl sends never cuts a value short: it
says &quot;stopping after this value&quot; and stops once the value under way is sent
whole (a restore: between settings; an adjustment: between jogs, then ended
unsaved). zorctl then ends by that signal, so a script running it stops too.
A second Ctrl+C ends it at once.

Environment:
  ZOR_SERVICE_PASSWORD   the service password
  LD_LIBRARY_PATH        absolute folders searched first for libZorComm.so
  XDG_STATE_HOME         the service log is $XDG_STATE_HOME/zor-maintenance/
                         service-log.jsonl (~/.local/state/... when unset)
  ZORCOMM_LINK, ZORCOMM_SOCKET, ZORCOMM_SYSTEM, ZORCOMM_SIM_MODEL,
  ZORCOMM_STATE, ZORCOMM_TRACE
                         the device link&apos;s own; see zor-maintenance(1)
                         (--system sets ZORCOMM_SYSTEM)

Examples:
  zorctl info
  zorctl list --json
  zorctl --system 100002 get scale
  zorctl get currents --json
  zorctl set min-current 0.5
  ZOR_SERVICE_PASSWORD=... zorctl set serial 100042
  zorctl set ip 192.168.1.10 --dry-run
  zorctl adjust distortion UUL
  zorctl adjust aiming UUL D
  zorctl calibrate --width 55.79 --height 54.15 --top 55.70 --left 54.06
  zorctl backup unit-100001.json
  zorctl diff unit-100001.json
  zorctl restore unit-100001.json --yes
  zorctl log --since 2026-12-01
</source>
        <extracomment>Command, option and setting names, values, JSON keys, examples and exit statuses stay as they are. Each line &quot;@name@&quot; is a list zorctl fills in: keep it, alone on its line. Lines at most 78 columns (a Chinese character counts two).</extracomment>
        <translation>Aufruf: zorctl [OPTIONS] COMMAND [VALUES...]

Liest und setzt Identität, Kalibrierung und Netzwerkeinstellungen eines
ZOR-Laserbeschriftungssystems von der Befehlszeile aus, genau wie das
Bedienfeld von zor-maintenance: dieselben Prüfungen, dieselben Pakete und
dieselben Pausen.

Befehle:
@commands@

Gerätefamilien: Ein Befehl wird abgelehnt (Exit-Status 1, nichts gesendet),
wenn das Bedienfeld sein Bedienelement für die Gerätefamilie des verbundenen
Systems sperrt, wie es das frisch gestartete Bedienfeld tut, sobald es diese
Gerätefamilie gefunden hat:
  NK-Serie     kein controller-model, keine Netzwerkeinstellungen (mac, ip,
               subnet, gateway, ship-id)
  N-Serie      kein get currents, init-power-board, adjust, mark,
               controller-model, work-time und keine Netzwerkeinstellungen
  NZ-Serie     kein 20-current, max-current, init-power-board, adjust center
               und kein shutter
get all und backup lassen aus, was die Gerätefamilie nicht hat, und nennen
es (not_on_family); diff zeigt es als &quot;not on family&quot;, und restore sendet es
nie.

Optionen:
  --json                ein JSON-Objekt als Ausgabe (Schlüssel unten)
  --dry-run             jede Prüfung ausführen und die Pakete, Statusabfragen
                        und Wartezeiten ausgeben, die der Befehl machen würde,
                        mit ihrem Zeitpunkt; nichts in der Gerätebibliothek
                        wird aufgerufen (daher ist keine Gerätefamilie
                        bekannt: der Plan ist für jede Gerätefamilie derselbe)
  -q, --quiet           kein Fortschritt und keine informativen Meldungen
  --system SERIAL       mit dem System dieser Seriennummer (dezimal) arbeiten,
                        wenn mehrere antworten; mit Exit-Status 3 abgelehnt,
                        wenn es nicht antwortet (log: nur seine Einträge)
  --password-file FILE  das Servicepasswort aus der ersten Zeile von FILE
                        lesen (eine Pipe wie &lt;(pass show zor) geht auch, wenn
                        ihre Zeile innerhalb von 10 s kommt)
  --identity            diff, restore: auch die Identitätswerte
  --other-system        restore: der Snapshot darf von einem anderen System
                        sein
  -y, --yes             restore: keine Rückfrage vor dem Senden
  --cancel              adjust: ohne Speichern beenden
  --typed               set controller-model: der Code wie von Hand eingegeben
  --output FILE         report: das zu schreibende PDF
  --width, --height MM  calibrate: Breite und Höhe des korrigierten Quadrats
                        durch die Mitte, in mm (mit Punkt als
                        Dezimaltrennzeichen)
  --top, --left MM      calibrate: obere und linke Kante, von Ecke zu Ecke
  --nominal MM          calibrate: die Sollseite (sonst die halbe Seite des
                        Felds laut Objektiv: 55.0125 mm bei 163 mm)
  --tolerance PCT,MM    calibrate: innerhalb der Toleranz wird nichts gesendet
                        (Vorgabe 0.05,0.02: 0.05 % des Sollmaßes, Kanten
                        0.02 mm)
  --no-set              calibrate: lesen und berechnen, nichts senden
  --mark                calibrate: das korrigierte Quadrat nach dem Senden
                        beschriften
  --since DATE          log, report: nur Einträge ab DATE (2026-12-01 oder
                        2026-12-01T08:00[:SS]; Ortszeit, UTC mit einem Z am
                        Ende; eine Zeit, die eine Sommerzeitumstellung
                        übersprungen hat: die erste danach)
  -h, --help            Hilfe anzeigen und beenden (nach einem Befehl: seine
                        Hilfe)
  --version             die Version anzeigen und beenden

Das Servicepasswort (serial, model-name, controller-model, work-time) wird
aus --password-file genommen, sonst aus ZOR_SERVICE_PASSWORD (ohne
abschließenden Zeilenumbruch oder CR; leer gilt als nicht gesetzt), sonst
ohne Echo abgefragt, wenn die Standardeingabe ein Terminal ist. Es wird nie
als Argument angenommen. Ein falsches oder fehlendes Passwort sendet nichts.

Werte werden genau so übertragen, wie das Bedienfeld sie sendet: Texte wie
eingegeben (ein Byte je Zeichen: nur Latin-1); eine MAC-Adresse in jeder
üblichen Schreibweise (00:1A:2B:3C:4D:5E, 00-1a-2b-3c-4d-5e, 001a.2b3c.4d5e,
001a2b3c4d5e) geht als XX:XX:XX:XX:XX:XX hinaus; eine IP-Adresse,
Subnetzmaske oder ein Gateway als vier dezimale Oktette (192.168.1.10); ein
gelistetes Steuerungsmodell (100021, 100022, 200031, 200041) wie aus der
Liste des Bedienfelds gewählt (--typed: wie von Hand eingegeben), jeder
andere sechsstellige Code wie eingegeben, und die acht Ziffern, die get
controller-model ausgibt, wie gelesen: das Flag-Byte, 00 (von Hand
eingegeben) oder 10 (gelistet), dann der Code; jeder andere Wert wird
abgelehnt.

Nach einem Setzen liest zorctl den Wert zurück, wo eine Leseoperation ihn
lesen kann (Ströme, Objektiv, Verzeichnung, Skalierung, Seriennummer,
Modellname, Steuerungsmodell, die Netzwerkeinstellungen): einer, den die
Steuerung nicht behalten hat, endet mit &quot;gesendet, aber die Steuerung liest
X zurück&quot; und Exit-Status 4, und das Serviceprotokoll sagt &quot;differs&quot;. Der
20%-Strom und die Faktoren können nicht gelesen werden: zorctl sagt einmal,
dass der Wert gesendet wurde und nicht zurückgelesen werden kann.

Ausgabe: Das Lesen eines Werts gibt den Wert allein aus, das mehrerer Werte
je eine Zeile &quot;key: value&quot;. Steuerzeichen in Texten vom Beschriftungssystem,
aus einer Datei oder aus dem Protokoll erscheinen als Escapes (\x1B,
\u009B); JSON hat eigene. Mit --json gibt jeder Befehl ein Objekt aus:
  command        Befehl und Werte der Befehlszeile
  ok             true, wenn der Befehl alles getan hat, was er vorhatte
  exit_status    wie unten
  error          {kind, message}, wenn nicht ok; kind ist usage, refused,
                 not-connected, not-accepted, read-failed, no-device-link,
                 file (eine Datei konnte nicht gelesen oder geschrieben
                 werden) oder interrupted
  warnings       [Texte], wenn es daneben etwas zu wissen gibt: eine Änderung,
                 die die Steuerung übernommen hat, aber nicht speichern konnte
                 (Exit-Status 0)
  list:          systems [{serial, name, address, family}]
  info:          system_name, version, release_date, serial_number, lens_mm,
                 family (NK, N oder NZ)
@keys@
  get all:       values {jeder Schlüssel oben}, missing [nicht gelesene
                 Einstellungen], not_on_family [Einstellungen, die die
                 Gerätefamilie nicht hat]
  --dry-run:     dry_run [{at_ms, step}], total_ms
  backup:        file, missing [nicht gelesene Einstellungen: nicht in der
                 Datei], not_on_family [Einstellungen, die die Gerätefamilie
                 nicht hat]
  diff:          settings [{setting, controller, file, restore}], to_send,
                 other_system, controller_serial, file_serial; restore ist
                 send, same, not in file, needs --identity, never restored
                 oder not on family
  restore:       settings [{setting, before, file, result, after}] für die
                 gesendeten; result ist verified, taken, not saved, differs,
                 unreadable, failed oder not sent; sent, cancelled, summary
  calibrate:     measured {width_mm, height_mm, top_mm, left_mm}, nominal_mm,
                 old und new {scale_x, scale_y, distortion_x, distortion_y},
                 expected {width_mm, height_mm, top_mm, left_mm},
                 within_tolerance, sent
  log:           entries [{time, front_end, serial, model, operation, value,
                 outcome, message}] wie das Protokoll sie enthält, die
                 ältesten zuerst; skipped: Zeilen, die nicht gelesen werden
                 konnten
  report:        file, not_read [als nicht gelesen aufgeführte Einstellungen],
                 log_entries, calibrations

Exit-Status:
  0  fertig
  1  abgelehnt: ein Wert oder das Passwort wurde nicht angenommen; es wurde
     nichts gesendet
  2  Aufruffehler: unbekannter Befehl, unbekannte Einstellung oder Option,
     oder falsche Anzahl von Werten
  3  keine Gerätebibliothek, kein Beschriftungssystem hat geantwortet (mit
     --system: nicht dieses), oder die Gerätebibliothek hat ein Paket nicht
     angenommen (danach wurde nichts mehr gesendet)
  4  die Steuerung hat ein Lesen nicht beantwortet (backup: ohne den Wert
     gespeichert; report: als nicht gelesen aufgeführt; diff: ein Wert, den es
     vergleicht), oder sie hat geantwortet, aber ein Wert liest sich nicht wie
     gesendet zurück (set, restore: die Steuerung hat ihn nicht behalten)
  5  eine Datei konnte nicht gelesen oder geschrieben werden (das
     Serviceprotokoll, ein Backup, ein Bericht, oder zor-report konnte das PDF
     nicht erstellen), oder die Standardausgabe oder die Standardfehlerausgabe
     konnte nicht geschrieben werden
  130  unterbrochen durch Strg+C (SIGINT; 143 bei SIGTERM), wie unten

Strg+C (SIGINT) oder SIGTERM, während zorctl sendet, schneidet nie einen
Wert ab: zorctl sagt &quot;Halt nach diesem Wert&quot; und hält an, sobald der
laufende Wert vollständig gesendet ist (ein restore: zwischen zwei
Einstellungen; eine Justierung: zwischen zwei Tippschritten, dann ohne
Speichern beendet). zorctl endet dann durch dieses Signal, sodass auch ein
Skript, das es ausführt, anhält. Ein zweites Strg+C beendet es sofort.

Umgebung:
  ZOR_SERVICE_PASSWORD   das Servicepasswort
  LD_LIBRARY_PATH        absolute Ordner, in denen zuerst nach libZorComm.so
                         gesucht wird
  XDG_STATE_HOME         das Serviceprotokoll ist
                         $XDG_STATE_HOME/zor-maintenance/service-log.jsonl
                         (~/.local/state/..., wenn nicht gesetzt)
  ZORCOMM_LINK, ZORCOMM_SOCKET, ZORCOMM_SYSTEM, ZORCOMM_SIM_MODEL,
  ZORCOMM_STATE, ZORCOMM_TRACE
                         die eigenen Variablen der Gerätebibliothek; siehe
                         zor-maintenance(1) (--system setzt ZORCOMM_SYSTEM)

Beispiele:
  zorctl info
  zorctl list --json
  zorctl --system 100002 get scale
  zorctl get currents --json
  zorctl set min-current 0.5
  ZOR_SERVICE_PASSWORD=... zorctl set serial 100042
  zorctl set ip 192.168.1.10 --dry-run
  zorctl adjust distortion UUL
  zorctl adjust aiming UUL D
  zorctl calibrate --width 55.79 --height 54.15 --top 55.70 --left 54.06
  zorctl backup unit-100001.json
  zorctl diff unit-100001.json
  zorctl restore unit-100001.json --yes
  zorctl log --since 2026-12-01
</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <source>8 hex digits</source>
        <translation>8 Hex-Ziffern</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>every one of these that the system&apos;s family has; one that cannot be read is listed under &quot;missing&quot; and the exit status is 4, one the family does not have under &quot;not_on_family&quot;</source>
        <translation>jede davon, die die Gerätefamilie des Systems hat; eine, die nicht gelesen werden kann, wird unter &quot;missing&quot; aufgeführt, und der Exit-Status ist 4, eine, die die Gerätefamilie nicht hat, unter &quot;not_on_family&quot;</translation>
    </message>
    <message>
        <source>%1 can be set, but not read.</source>
        <translation>Setzen, aber nicht lesen lassen sich: %1.</translation>
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
