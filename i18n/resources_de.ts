<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>AboutBoxTemplate</name>
    <message>
        <source>ZORSystemMaintence</source>
        <translation>ZORSystemMaintence</translation>
    </message>
    <message>
        <source>ZORSystemMaintence Version 1.0</source>
        <translation>ZORSystemMaintence Version 1.0</translation>
    </message>
    <message>
        <source>Service tool for ZOR laser marking systems</source>
        <translation>Servicewerkzeug für ZOR-Laserbeschriftungssysteme</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>About ZORSystemMaintence</source>
        <translation>Über ZORSystemMaintence</translation>
    </message>
</context>
<context>
    <name>MainPanelTemplate</name>
    <message>
        <source>Mark Max Field</source>
        <translation>Maximalfeld</translation>
    </message>
    <message>
        <source>ON/OFF</source>
        <translation>EIN/AUS</translation>
    </message>
    <message>
        <source>ON/OFF Mark Max Field</source>
        <translation>EIN/AUS Maximalfeld beschriften</translation>
    </message>
    <message>
        <source>Aiming Diode Alignment...</source>
        <translation>Pilotlaser-Ausrichtung...</translation>
    </message>
    <message>
        <source>XA:</source>
        <translation>XA:</translation>
    </message>
    <message>
        <source>YA:</source>
        <translation>YA:</translation>
    </message>
    <message>
        <source>XB:</source>
        <translation>XB:</translation>
    </message>
    <message>
        <source>YB:</source>
        <translation>YB:</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Setz.</translation>
    </message>
    <message>
        <source>Set Aiming Diode Alignment</source>
        <translation>Pilotlaser-Ausrichtung setzen</translation>
    </message>
    <message>
        <source>Get</source>
        <translation>Lesen</translation>
    </message>
    <message>
        <source>Get Aiming Diode Alignment</source>
        <translation>Pilotlaser-Ausrichtung lesen</translation>
    </message>
    <message>
        <source>Aiming Alignment...</source>
        <translation>Pilotlaser ausrichten...</translation>
    </message>
    <message>
        <source>Build : 07/19/10</source>
        <translation>Build : 07/19/10</translation>
    </message>
    <message>
        <source>XY Centering Correction</source>
        <translation>XY-Zentrierkorrektur</translation>
    </message>
    <message>
        <source>X:</source>
        <translation>X:</translation>
    </message>
    <message>
        <source>XY Centering Correction X:</source>
        <translation>XY-Zentrierkorrektur X:</translation>
    </message>
    <message>
        <source>Y:</source>
        <translation>Y:</translation>
    </message>
    <message>
        <source>XY Centering Correction Y:</source>
        <translation>XY-Zentrierkorrektur Y:</translation>
    </message>
    <message>
        <source>Set XY Centering Correction</source>
        <translation>XY-Zentrierkorrektur setzen</translation>
    </message>
    <message>
        <source>Get XY Centering Correction</source>
        <translation>XY-Zentrierkorrektur lesen</translation>
    </message>
    <message>
        <source>Adjust Center</source>
        <translation>Zentrum justieren</translation>
    </message>
    <message>
        <source>XY Distortion Correction</source>
        <translation>XY-Verzeichnungskorrektur</translation>
    </message>
    <message>
        <source>XY Distortion Correction X:</source>
        <translation>XY-Verzeichnungskorrektur X:</translation>
    </message>
    <message>
        <source>XY Distortion Correction Y:</source>
        <translation>XY-Verzeichnungskorrektur Y:</translation>
    </message>
    <message>
        <source>Set XY Distortion Correction</source>
        <translation>XY-Verzeichnungskorrektur setzen</translation>
    </message>
    <message>
        <source>Get XY Distortion Correction</source>
        <translation>XY-Verzeichnungskorrektur lesen</translation>
    </message>
    <message>
        <source>Adjust Distortion</source>
        <translation>Verz. justieren</translation>
    </message>
    <message>
        <source>XY Scale Correction</source>
        <translation>XY-Skalierungskorrektur</translation>
    </message>
    <message>
        <source>Mark Original Square</source>
        <translation>Orig.-Quadrat beschr.</translation>
    </message>
    <message>
        <source>Mark Corrected Square</source>
        <translation>Korr. Quadrat beschr.</translation>
    </message>
    <message>
        <source>X Scale Correction:</source>
        <translation>X-Skalierung:</translation>
    </message>
    <message>
        <source>Y Scale Correction:</source>
        <translation>Y-Skalierung:</translation>
    </message>
    <message>
        <source>Set XY Scale Correction</source>
        <translation>XY-Skalierungskorrektur setzen</translation>
    </message>
    <message>
        <source>Get XY Scale Correction</source>
        <translation>XY-Skalierungskorrektur lesen</translation>
    </message>
    <message>
        <source>Move To X:</source>
        <translation>Ziel X:</translation>
    </message>
    <message>
        <source>Move To Y:</source>
        <translation>Ziel Y:</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Verfahren</translation>
    </message>
    <message>
        <source>RC Jump Delay</source>
        <translation>RC-Sprungverzögerung</translation>
    </message>
    <message>
        <source>RC JD Set</source>
        <translation>RC SV setzen</translation>
    </message>
    <message>
        <source>Reset Serial</source>
        <translation>Seriennr. zurücksetzen</translation>
    </message>
    <message>
        <source>Parameters</source>
        <translation>Parameter</translation>
    </message>
    <message>
        <source>Min Current:</source>
        <translation>Min. Strom:</translation>
    </message>
    <message>
        <source>Set Min</source>
        <translation>Min setzen</translation>
    </message>
    <message>
        <source>20% Current:</source>
        <translation>20%-Strom:</translation>
    </message>
    <message>
        <source>Set 20% Current</source>
        <translation>20%-Strom setzen</translation>
    </message>
    <message>
        <source>Max Current:</source>
        <translation>Max. Strom:</translation>
    </message>
    <message>
        <source>Set Max</source>
        <translation>Max setzen</translation>
    </message>
    <message>
        <source>Init Power B/d</source>
        <translation>Leist.-Pl. init.</translation>
    </message>
    <message>
        <source>Get Curr</source>
        <translation>Ströme lesen</translation>
    </message>
    <message>
        <source>Serial Number:</source>
        <translation>Seriennr.:</translation>
    </message>
    <message>
        <source>Set Serial Number</source>
        <translation>Seriennummer setzen</translation>
    </message>
    <message>
        <source>Model Name:</source>
        <translation>Modellname:</translation>
    </message>
    <message>
        <source>Set Model Name</source>
        <translation>Modellname setzen</translation>
    </message>
    <message>
        <source>Lens:</source>
        <translation>Objektiv:</translation>
    </message>
    <message>
        <source>Set Lens</source>
        <translation>Objektiv setzen</translation>
    </message>
    <message>
        <source>Ctrlr Model:</source>
        <translation>Steuerung:</translation>
    </message>
    <message>
        <source>Set Ctrlr Model</source>
        <translation>Steuerungsmodell setzen</translation>
    </message>
    <message>
        <source>Get Ctrlr Model</source>
        <translation>Steuerungsmodell lesen</translation>
    </message>
    <message>
        <source>Delay Adjustment</source>
        <translation>Verzögerungen</translation>
    </message>
    <message>
        <source>Jump Delay:</source>
        <translation>Sprungverz.:</translation>
    </message>
    <message>
        <source>Set Jump Delay</source>
        <translation>Sprungverzögerung setzen</translation>
    </message>
    <message>
        <source>X Multiplier:</source>
        <translation>X-Faktor:</translation>
    </message>
    <message>
        <source>Set X Multiplier</source>
        <translation>X-Faktor setzen</translation>
    </message>
    <message>
        <source>Y Multipler:</source>
        <translation>Y-Faktor:</translation>
    </message>
    <message>
        <source>Set Y Multipler</source>
        <translation>Y-Faktor setzen</translation>
    </message>
    <message>
        <source>Shutter</source>
        <translation>Shutter</translation>
    </message>
    <message>
        <source>OPEN</source>
        <translation>AUF</translation>
    </message>
    <message>
        <source>CLOSE</source>
        <translation>ZU</translation>
    </message>
    <message>
        <source>Testing Power</source>
        <translation>Testleistung</translation>
    </message>
    <message>
        <source>Pulse</source>
        <translation>Puls</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>EIN</translation>
    </message>
    <message>
        <source>ON Testing Power</source>
        <translation>Testleistung EIN</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>AUS</translation>
    </message>
    <message>
        <source>OFF Testing Power</source>
        <translation>Testleistung AUS</translation>
    </message>
    <message>
        <source>AIMING</source>
        <translation>PILOT</translation>
    </message>
    <message>
        <source>Show Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>Get Work Time</source>
        <translation>Zeit lesen</translation>
    </message>
    <message>
        <source>Init. Work Time</source>
        <translation>Zeit init.</translation>
    </message>
    <message>
        <source>Mrkr Time</source>
        <translation>Laserzeit</translation>
    </message>
    <message>
        <source>Get Info</source>
        <translation>Info lesen</translation>
    </message>
    <message>
        <source>Config IP</source>
        <translation>IP konfig.</translation>
    </message>
    <message>
        <source>Device family</source>
        <translation>Gerätefamilie</translation>
    </message>
    <message>
        <source>Working :</source>
        <translation>Betrieb:</translation>
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
        <source>SystemMaintenance (N/NK/NZ-Series)</source>
        <translation>SystemMaintenance (N/NK/NZ-Serie)</translation>
    </message>
</context>
<context>
    <name>res::StringTable</name>
    <message>
        <source>&amp;About ZORSystemMaintenance...</source>
        <translation>&amp;Info über ZORSystemMaintenance...</translation>
    </message>
</context>
</TS>
