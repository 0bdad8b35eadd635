<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>app::CommandLine</name>
    <message>
        <source>Usage: zor-maintenance [--help] [--version] [--startup-probe] [Qt options]

Service and maintenance tool for ZOR laser marking systems: reads a marking
system&apos;s identity and sets its calibration and service parameters.

  -h, --help       show this help and exit
  -v, --version    show the version and exit
  --startup-probe  print when the panel was first painted and the resident
                   memory, then close (used by bench/startup)

Qt&apos;s standard options (-platform, -style, -session, ...) are taken as Qt
takes them. Any other argument is reported and ignored.

The tool talks to the controller through the device link libZorComm.so,
found beside the executable or in the installed library folder. Its own
environment (ZORCOMM_LINK, ZORCOMM_SIM_MODEL, ZORCOMM_STATE, ZORCOMM_TRACE)
selects the simulated controller and its state file; see zor-maintenance(1).
</source>
        <translation>Aufruf: zor-maintenance [--help] [--version] [--startup-probe] [Qt-Optionen]

Service- und Wartungswerkzeug für ZOR-Laserbeschriftungssysteme: liest die
Identität eines Beschriftungssystems und setzt seine Kalibrier- und
Serviceparameter.

  -h, --help       diese Hilfe anzeigen und beenden
  -v, --version    die Version anzeigen und beenden
  --startup-probe  ausgeben, wann das Bedienfeld zuerst gezeichnet wurde, und
                   den belegten Speicher, dann schließen (für bench/startup)

Die Standardoptionen von Qt (-platform, -style, -session, ...) werden wie
bei Qt verarbeitet. Jedes andere Argument wird gemeldet und ignoriert.

Das Werkzeug spricht mit der Steuerung über die Gerätebibliothek
libZorComm.so, die neben dem Programm oder im installierten Bibliotheksordner
liegt. Deren Umgebungsvariablen (ZORCOMM_LINK, ZORCOMM_SIM_MODEL,
ZORCOMM_STATE, ZORCOMM_TRACE) wählen die simulierte Steuerung und ihre
Zustandsdatei; siehe zor-maintenance(1).
</translation>
    </message>
    <message>
        <source>ignoring unknown argument &apos;%1&apos; (see --help)</source>
        <translation>unbekanntes Argument &apos;%1&apos; wird ignoriert (siehe --help)</translation>
    </message>
</context>
</TS>
