<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>AboutDlg</name>
    <message>
        <source> For LMT41C, LMT40S etc<byte value="xd"/>
 1) In meter&apos;s &apos;software upgrade&apos; menu, you could backup sattp.csv to USB from meter.<byte value="xd"/>
 2) Use velmora to edit sattp.csv, when edit finished, save sattp.csv and copy to USB.<byte value="xd"/>
 3) In meter&apos;s &apos;software upgrade&apos; menu, you could upgrade sattp.csv from USB to meter.<byte value="xd"/>
 Notice: Before turn on the meter you must unplug USB, else will cause software upgrade.<byte value="xd"/>
<byte value="xd"/>
 For LMT20 the serial port must be yours first !<byte value="xd"/>
 A USB RS232 adapter appears as /dev/ttyUSB0 (COM1); add yourself to the group<byte value="xd"/>
 &apos;dialout&apos; (sudo usermod -aG dialout $USER) and log in again.<byte value="xd"/>
<byte value="xd"/>
 For LMT20 DATA UPDATE<byte value="xd"/>
 1) Use velmora to edit sattp.csv, when edit finished, save sattp.csv.<byte value="xd"/>
 2) Connect the USB RS232 adapter to the PC and turn on meter.<byte value="xd"/>
 3) Choose its port (COM1..COM9) and click velmora&apos;s &apos;Write&apos; button to update tp.<byte value="xd"/>
 4) When update finished and successfully the meter&apos;s LED will display &apos;OK&apos;.  <byte value="xd"/>
 <byte value="xd"/>
 For LMT20 SOFTWARE UPGRADE<byte value="xd"/>
 1) Connect the USB RS232 adapter to the PC. <byte value="xd"/>
 2) Press EXIT and turn on meter. <byte value="xd"/>
 3) Open software hex file from file menu. <byte value="xd"/>
 4) Click velmora&apos;s &apos;SOFT&apos; button to upgrade software.<byte value="xd"/>
 </source>
        <extracomment>The About box&apos;s notes for meter owners; keep the line breaks and the menu and button names as the meter and the window show them</extracomment>
        <translation> Für LMT41C, LMT40S usw.<byte value="xd"/>
 1) Im Menü „Software-Update“ des Messgeräts lässt sich sattp.csv auf einen USB-Stick sichern.<byte value="xd"/>
 2) sattp.csv mit velmora bearbeiten, danach speichern und auf den USB-Stick kopieren.<byte value="xd"/>
 3) Im Menü „Software-Update“ des Messgeräts sattp.csv vom USB-Stick ins Messgerät laden.<byte value="xd"/>
 Hinweis: Vor dem Einschalten den USB-Stick abziehen, sonst startet ein Software-Update.<byte value="xd"/>
<byte value="xd"/>
 Für das LMT20 muss die serielle Schnittstelle zuerst Ihnen gehören!<byte value="xd"/>
 Ein USB-RS232-Adapter erscheint als /dev/ttyUSB0 (COM1); sich selbst der Gruppe<byte value="xd"/>
 „dialout“ hinzufügen (sudo usermod -aG dialout $USER) und neu anmelden.<byte value="xd"/>
<byte value="xd"/>
 LMT20: DATEN AKTUALISIEREN<byte value="xd"/>
 1) sattp.csv mit velmora bearbeiten und danach speichern.<byte value="xd"/>
 2) Den USB-RS232-Adapter am PC anschließen und das Messgerät einschalten.<byte value="xd"/>
 3) Die Schnittstelle (COM1..COM9) wählen und in velmora auf „Schreiben“ klicken.<byte value="xd"/>
 4) Ist die Aktualisierung gelungen, zeigt die LED-Anzeige des Messgeräts „OK“.<byte value="xd"/>
 <byte value="xd"/>
 LMT20: SOFTWARE-UPDATE<byte value="xd"/>
 1) Den USB-RS232-Adapter am PC anschließen.<byte value="xd"/>
 2) EXIT drücken und das Messgerät einschalten.<byte value="xd"/>
 3) Die Firmware-Datei (HEX) über das Menü Datei öffnen.<byte value="xd"/>
 4) In velmora auf „SOFT“ klicken, um die Software zu aktualisieren.<byte value="xd"/>
 </translation>
    </message>
    <message>
        <source>Orvane Ver %1.%2</source>
        <extracomment>The version line; &quot;Orvane&quot; is the product name, never translated</extracomment>
        <translation>Orvane Ver. %1.%2</translation>
    </message>
</context>
<context>
    <name>CompareDlg</name>
    <message numerus="yes">
        <source>%n added</source>
        <translation>
            <numerusform>%n hinzugefügt</numerusform>
            <numerusform>%n hinzugefügt</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n removed</source>
        <translation>
            <numerusform>%n entfernt</numerusform>
            <numerusform>%n entfernt</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n changed</source>
        <translation>
            <numerusform>%n geändert</numerusform>
            <numerusform>%n geändert</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>FormLayout</name>
    <message>
        <source>RS232 communication</source>
        <translation>RS232-Verbindung</translation>
    </message>
    <message>
        <source>SOFT:</source>
        <translation>SOFT:</translation>
    </message>
    <message>
        <source>ICON:</source>
        <translation>ICON:</translation>
    </message>
    <message>
        <source>LOGO:</source>
        <translation>LOGO:</translation>
    </message>
    <message>
        <source>TP</source>
        <extracomment>The transponders&apos; buttons</extracomment>
        <translation>TP</translation>
    </message>
    <message>
        <source>ADD</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>EDIT</source>
        <translation>Ändern</translation>
    </message>
    <message>
        <source>DELETE</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>SORT</source>
        <translation>Sortieren</translation>
    </message>
    <message>
        <source>SAT</source>
        <extracomment>The satellites&apos; buttons</extracomment>
        <translation>SAT</translation>
    </message>
    <message>
        <source>LNB</source>
        <translation>LNB</translation>
    </message>
    <message>
        <source>PATCH UP</source>
        <translation>PATCH UP</translation>
    </message>
    <message>
        <source>SOFT</source>
        <translation>SOFT</translation>
    </message>
    <message>
        <source>ICON</source>
        <translation>ICON</translation>
    </message>
    <message>
        <source>LOGO</source>
        <translation>LOGO</translation>
    </message>
    <message>
        <source>SAT TP</source>
        <extracomment>Upload the satellite and transponder table in PATCH UP</extracomment>
        <translation>SAT TP</translation>
    </message>
    <message>
        <source>Find (Ctrl+F)</source>
        <translation>Suchen (Strg+F)</translation>
    </message>
</context>
<context>
    <name>ImportDlg</name>
    <message>
        <source>Import transponders</source>
        <translation>Transponder importieren</translation>
    </message>
    <message>
        <source>Export satellites.xml</source>
        <translation>satellites.xml exportieren</translation>
    </message>
    <message>
        <source>C band</source>
        <translation>C-Band</translation>
    </message>
    <message>
        <source>Ka band</source>
        <translation>Ka-Band</translation>
    </message>
    <message>
        <source>Ku band</source>
        <translation>Ku-Band</translation>
    </message>
    <message>
        <source>%1: no satellites in this list</source>
        <translation>%1: In dieser Liste stehen keine Satelliten</translation>
    </message>
    <message>
        <source>All files (*);;Transponder lists (*.xml *.ini)</source>
        <translation>Alle Dateien (*);;Transponderlisten (*.xml *.ini)</translation>
    </message>
</context>
<context>
    <name>MainFrame</name>
    <message>
        <source>CAP</source>
        <extracomment>The status bar&apos;s Caps Lock indicator: keep it as short as the keyboard&apos;s word</extracomment>
        <translation>GROSS</translation>
    </message>
    <message>
        <source>NUM</source>
        <extracomment>The status bar&apos;s Num Lock indicator</extracomment>
        <translation>NUM</translation>
    </message>
    <message>
        <source>SCRL</source>
        <extracomment>The status bar&apos;s Scroll Lock indicator</extracomment>
        <translation>ROLL</translation>
    </message>
</context>
<context>
    <name>TpListModel</name>
    <message>
        <source>No.</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satellit</translation>
    </message>
    <message>
        <source>LNB</source>
        <translation>LNB</translation>
    </message>
    <message>
        <source>Freq</source>
        <translation>Freq.</translation>
    </message>
    <message>
        <source>Pol</source>
        <translation>Pol.</translation>
    </message>
    <message>
        <source>SR</source>
        <translation>SR</translation>
    </message>
    <message>
        <source>UNIQUE</source>
        <translation>EINMALIG</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Speisung</translation>
    </message>
    <message>
        <source>Dish</source>
        <translation>Antenne</translation>
    </message>
    <message>
        <source>DiSEqC Switch</source>
        <translation>DiSEqC-Schalter</translation>
    </message>
    <message>
        <source>DiSEqC Input</source>
        <translation>DiSEqC-Eingang</translation>
    </message>
    <message>
        <source>22 kHz</source>
        <translation>22 kHz</translation>
    </message>
</context>
<context>
    <name>ChangesText</name>
    <message>
        <source>%1 (new)</source>
        <extracomment>A satellite the import adds to the table.</extracomment>
        <translation>%1 (neu)</translation>
    </message>
    <message>
        <source>%1 added</source>
        <extracomment>Transponders added to a satellite.</extracomment>
        <translation>%1 hinzugefügt</translation>
    </message>
    <message>
        <source>%1 removed</source>
        <extracomment>Transponders removed from a satellite.</extracomment>
        <translation>%1 entfernt</translation>
    </message>
    <message>
        <source>%1 changed</source>
        <extracomment>Transponders whose symbol rate changes.</extracomment>
        <translation>%1 geändert</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A satellite and what changes on it: &quot;19.2E Astra 1KR: 2 added, 1 removed&quot;.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>%1 matched %2</source>
        <extracomment>A list&apos;s satellite and the table satellite nearby its transponders go into: &quot;Thor 5 0.8W matched 1.0W Thor&quot;.</extracomment>
        <translation>%1 zugeordnet zu %2</translation>
    </message>
</context>
<context>
    <name>Commands</name>
    <message>
        <source>New(&amp;N)</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>Open(&amp;O)...</source>
        <translation>Ö&amp;ffnen...</translation>
    </message>
    <message>
        <source>Open an existing table file
Open a table</source>
        <translation>Eine vorhandene CSV-Datei öffnen
CSV-Datei öffnen</translation>
    </message>
    <message>
        <source>Save(&amp;S)</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Save the table to its file
Save</source>
        <translation>In die aktuelle CSV-Datei speichern
Speichern</translation>
    </message>
    <message>
        <source>Save as(&amp;A)...</source>
        <translation>Speichern &amp;unter...</translation>
    </message>
    <message>
        <source>Save the table to a new file
Save as</source>
        <translation>In eine neue CSV-Datei speichern
Speichern unter</translation>
    </message>
    <message>
        <source>Import transponders...</source>
        <translation>Transponder importieren...</translation>
    </message>
    <message>
        <source>Merge a satellites.xml, .ini or dvbv5 transponder list into the table
Import transponders</source>
        <translation>Eine Transponderliste (satellites.xml, .ini oder dvbv5) in die Tabelle übernehmen
Transponder importieren</translation>
    </message>
    <message>
        <source>Export satellites.xml...</source>
        <translation>satellites.xml exportieren...</translation>
    </message>
    <message>
        <source>Write the table as a satellites.xml file
Export satellites.xml</source>
        <translation>Die Tabelle als satellites.xml-Datei schreiben
satellites.xml exportieren</translation>
    </message>
    <message>
        <source>Load soft...</source>
        <translation>Firmware laden...</translation>
    </message>
    <message>
        <source>Load a firmware file (rav32izazud.hex)
Load soft</source>
        <translation>Eine vorhandene rav32izazud.hex-Datei laden
rav32izazud.hex öffnen</translation>
    </message>
    <message>
        <source>Load icon...</source>
        <translation>Symbole laden...</translation>
    </message>
    <message>
        <source>Load an icon file (stm32icon.bin)
Load icon</source>
        <translation>Eine vorhandene stm32icon.bin-Datei laden
stm32icon-Datei öffnen</translation>
    </message>
    <message>
        <source>Load logo...</source>
        <translation>Logo laden...</translation>
    </message>
    <message>
        <source>Load a logo file (bootlogo.bin)
Load logo</source>
        <translation>Eine vorhandene bootlogo.bin-Datei laden
bootlogo-Datei öffnen</translation>
    </message>
    <message>
        <source>Create Flash1M.bin</source>
        <translation>Flash1M.bin erstellen</translation>
    </message>
    <message>
        <source>Create the factory image Flash1M.bin
Create Flash1M.bin</source>
        <translation>Flash1M.bin für die Fertigung erstellen
Flash1M.bin erstellen</translation>
    </message>
    <message>
        <source>Exit(&amp;X)</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Quit, asking to save the changes first
Exit</source>
        <translation>Beenden, vorher nach dem Speichern fragen
Beenden</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Undo the last change of the tables
Undo</source>
        <translation>Die letzte Änderung der Tabellen zurücknehmen
Rückgängig</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>Redo the change undone last
Redo</source>
        <translation>Die zuletzt zurückgenommene Änderung wiederholen
Wiederholen</translation>
    </message>
    <message>
        <source>TP Add...</source>
        <translation>TP hinzufügen...</translation>
    </message>
    <message>
        <source>Add a transponder</source>
        <translation>Einen Transponder hinzufügen</translation>
    </message>
    <message>
        <source>TP Edit...</source>
        <translation>TP bearbeiten...</translation>
    </message>
    <message>
        <source>Edit the selected transponder</source>
        <translation>Den ausgewählten Transponder bearbeiten</translation>
    </message>
    <message>
        <source>TP Delete</source>
        <translation>TP löschen</translation>
    </message>
    <message>
        <source>Delete the selected transponders</source>
        <translation>Die ausgewählten Transponder löschen</translation>
    </message>
    <message>
        <source>TP Sort...</source>
        <translation>TP sortieren...</translation>
    </message>
    <message>
        <source>Sort the transponders</source>
        <translation>Die Transponder sortieren</translation>
    </message>
    <message>
        <source>Satellite Add...</source>
        <translation>Satellit hinzufügen...</translation>
    </message>
    <message>
        <source>Add a satellite</source>
        <translation>Einen Satelliten hinzufügen</translation>
    </message>
    <message>
        <source>Satellite Edit...</source>
        <translation>Satellit bearbeiten...</translation>
    </message>
    <message>
        <source>Edit the chosen satellite</source>
        <translation>Den gewählten Satelliten bearbeiten</translation>
    </message>
    <message>
        <source>Satellite Delete</source>
        <translation>Satellit löschen</translation>
    </message>
    <message>
        <source>Delete the satellite of the selected transponder</source>
        <translation>Den Satelliten des ausgewählten Transponders löschen</translation>
    </message>
    <message>
        <source>LNB Edit...</source>
        <translation>LNB bearbeiten...</translation>
    </message>
    <message>
        <source>Edit the selected LNB</source>
        <translation>Das ausgewählte LNB bearbeiten</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Find transponders by frequency, symbol rate, polarisation or satellite</source>
        <translation>Transponder nach Frequenz, Symbolrate, Polarisation oder Satellit suchen</translation>
    </message>
    <message>
        <source>Check table...</source>
        <translation>Tabelle prüfen...</translation>
    </message>
    <message>
        <source>List what is probably wrong with the table</source>
        <translation>Auflisten, was an der Tabelle wahrscheinlich falsch ist</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Lesen</translation>
    </message>
    <message>
        <source>Read transponders from meter</source>
        <translation>Transponder aus dem Messgerät lesen</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>Schreiben</translation>
    </message>
    <message>
        <source>Write transponders to meter</source>
        <translation>Transponder in das Messgerät schreiben</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Stop read/write transponders</source>
        <translation>Lesen/Schreiben der Transponder abbrechen</translation>
    </message>
    <message>
        <source>Compare with meter...</source>
        <translation>Mit Messgerät vergleichen...</translation>
    </message>
    <message>
        <source>Compare the tables with the meter&apos;s tables
Compare with meter</source>
        <translation>Die Tabellen mit denen des Messgeräts vergleichen
Mit Messgerät vergleichen</translation>
    </message>
    <message>
        <source>Unit records...</source>
        <translation>Geräteprotokolle...</translation>
    </message>
    <message>
        <source>Show the records of the meters this bench serviced
Unit records</source>
        <translation>Die Protokolle der an diesem Arbeitsplatz bearbeiteten Messgeräte zeigen
Geräteprotokolle</translation>
    </message>
    <message>
        <source>Write logo</source>
        <translation>Logo schreiben</translation>
    </message>
    <message>
        <source>Write logo to meter</source>
        <translation>Das Logo in das Messgerät schreiben</translation>
    </message>
    <message>
        <source>Write icon</source>
        <translation>Symbole schreiben</translation>
    </message>
    <message>
        <source>Write icon to meter</source>
        <translation>Die Symbole in das Messgerät schreiben</translation>
    </message>
    <message>
        <source>SOFT upgrade</source>
        <translation>Firmware-Update</translation>
    </message>
    <message>
        <source>Upgrade the meter&apos;s software, Please press EXIT and turn on meter first !</source>
        <translation>Die Firmware des Messgeräts aktualisieren. Bitte zuerst EXIT drücken und das Messgerät einschalten!</translation>
    </message>
    <message>
        <source>PATCH UP</source>
        <translation>PATCH UP</translation>
    </message>
    <message>
        <source>Run the ticked uploads (SOFT, ICON, LOGO, SAT TP) one by one
Patch up one by one</source>
        <translation>Die angehakten Übertragungen (SOFT, ICON, LOGO, SAT TP) nacheinander ausführen
Nacheinander übertragen</translation>
    </message>
    <message>
        <source>Delete meter OSD icon...</source>
        <translation>OSD-Symbole im Messgerät löschen...</translation>
    </message>
    <message>
        <source>Delete the meter&apos;s on-screen icons
Delete icons</source>
        <translation>Die OSD-Symbole im Messgerät löschen
Symbole löschen</translation>
    </message>
    <message>
        <source>Verify after write</source>
        <translation>Nach dem Schreiben prüfen</translation>
    </message>
    <message>
        <source>Read the tables back after a write and check them
Verify after write</source>
        <translation>Die Tabellen nach dem Schreiben zurücklesen und vergleichen
Nach dem Schreiben prüfen</translation>
    </message>
    <message>
        <source>Back up before write</source>
        <translation>Vor dem Schreiben sichern</translation>
    </message>
    <message>
        <source>Save the meter&apos;s tables in the backups folder before a write
Back up before write</source>
        <translation>Die Tabellen des Messgeräts vor dem Schreiben im Sicherungsordner speichern
Vor dem Schreiben sichern</translation>
    </message>
    <message>
        <source>Help Contents...</source>
        <translation>Hilfethemen...</translation>
    </message>
    <message>
        <source>Show the guide to the everyday tasks
Help Contents</source>
        <translation>Die Anleitung für die täglichen Aufgaben zeigen
Hilfethemen</translation>
    </message>
    <message>
        <source>About Orvane...</source>
        <translation>Über Orvane...</translation>
    </message>
    <message>
        <source>Show the program&apos;s version and notes for meter owners
About</source>
        <translation>Die Programmversion und Hinweise für Besitzer des Messgeräts zeigen
Über</translation>
    </message>
    <message>
        <source>Display transponders</source>
        <translation>Transponder anzeigen</translation>
    </message>
    <message>
        <source>Display LNB</source>
        <translation>LNBs anzeigen</translation>
    </message>
    <message>
        <source>File(&amp;F)</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>Edit(&amp;E)</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>Meter(&amp;M)</source>
        <translation>&amp;Messgerät</translation>
    </message>
    <message>
        <source>Help(&amp;H)</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Find meter</source>
        <translation>Messgerät suchen</translation>
    </message>
    <message>
        <source>Ask every port whether the meter answers, and choose the port it is on
Find meter</source>
        <translation>Alle Schnittstellen fragen, ob das Messgerät antwortet, und die Schnittstelle wählen, an der es hängt
Messgerät suchen</translation>
    </message>
    <message>
        <source>Import from the web...</source>
        <translation>Aus dem Internet importieren...</translation>
    </message>
    <message>
        <source>Download a transponder list from an http or https address and merge it
Import from the web</source>
        <translation>Eine Transponderliste von einer http- oder https-Adresse herunterladen und in die Tabelle übernehmen
Aus dem Internet importieren</translation>
    </message>
    <message>
        <source>Add satellites from the catalog...</source>
        <translation>Satelliten aus dem Katalog hinzufügen...</translation>
    </message>
    <message>
        <source>Merge satellites from the scan tables installed on this computer
Add satellites from the catalog</source>
        <translation>Satelliten aus den auf diesem Computer installierten Scan-Tabellen übernehmen
Satelliten aus dem Katalog hinzufügen</translation>
    </message>
    <message>
        <source>Restore a backup...</source>
        <translation>Sicherung wiederherstellen...</translation>
    </message>
    <message>
        <source>Write one of the backups taken before a write back to the meter
Restore a backup</source>
        <translation>Eine der vor dem Schreiben angelegten Sicherungen zurück ins Messgerät schreiben
Sicherung wiederherstellen</translation>
    </message>
    <message>
        <source>Record unit records</source>
        <translation>Geräteprotokolle führen</translation>
    </message>
    <message>
        <source>Keep a record of every meter upgraded or written in the unit records
Record unit records</source>
        <translation>Jedes aktualisierte oder beschriebene Messgerät in den Geräteprotokollen festhalten
Geräteprotokolle führen</translation>
    </message>
</context>
<context>
    <name>Core</name>
    <message>
        <source>Save the changes to %1?</source>
        <translation>Änderungen an %1 speichern?</translation>
    </message>
    <message>
        <source>Save the changes to the table?</source>
        <translation>Änderungen an der Tabelle speichern?</translation>
    </message>
    <message>
        <source>soft files (*.hex);;All Files (*)</source>
        <translation>Firmware-Dateien (*.hex);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>SOFT:</source>
        <translation>SOFT:</translation>
    </message>
    <message>
        <source>Device initialize ...</source>
        <translation>Gerät wird initialisiert ...</translation>
    </message>
    <message>
        <source>File open failed ! </source>
        <translation>Datei lässt sich nicht öffnen! </translation>
    </message>
    <message>
        <source>Device not found ! </source>
        <translation>Gerät nicht gefunden! </translation>
    </message>
    <message>
        <source>Firmware file is empty ! </source>
        <translation>Die Firmware-Datei ist leer! </translation>
    </message>
    <message>
        <source>Firmware larger than flash ! </source>
        <translation>Firmware größer als der Flash-Speicher! </translation>
    </message>
    <message>
        <source>Erasing memory ...</source>
        <translation>Speicher wird gelöscht ...</translation>
    </message>
    <message>
        <source>Failed to erase memory !</source>
        <translation>Speicher konnte nicht gelöscht werden!</translation>
    </message>
    <message>
        <source>Failed to read file !</source>
        <translation>Datei konnte nicht gelesen werden!</translation>
    </message>
    <message>
        <source>Failed to write memory !</source>
        <translation>Speicher konnte nicht beschrieben werden!</translation>
    </message>
    <message>
        <source>Failed to read memory !</source>
        <translation>Speicher konnte nicht gelesen werden!</translation>
    </message>
    <message>
        <source>Software upgrade success ! </source>
        <translation>Firmware-Update erfolgreich! </translation>
    </message>
    <message>
        <source>GetCommState Error </source>
        <translation>GetCommState-Fehler </translation>
    </message>
    <message>
        <source>SetCommState Error </source>
        <translation>SetCommState-Fehler </translation>
    </message>
    <message>
        <source>Failed to create event for thread!</source>
        <translation>Ereignis für den Thread konnte nicht angelegt werden!</translation>
    </message>
    <message>
        <source>Connect fail </source>
        <translation>Verbindung fehlgeschlagen </translation>
    </message>
    <message>
        <source> ask timeout !  </source>
        <translation> Zeitüberschreitung bei der Anfrage!  </translation>
    </message>
    <message>
        <source>Wait for connect ...</source>
        <translation>Warte auf Verbindung ...</translation>
    </message>
    <message>
        <source>Press Stop to give up.</source>
        <translation>Zum Abbrechen auf Stopp klicken.</translation>
    </message>
    <message>
        <source>Press Ctrl+C to give up.</source>
        <translation>Zum Abbrechen Strg+C drücken.</translation>
    </message>
    <message>
        <source>Read Completed ! </source>
        <translation>Lesen abgeschlossen! </translation>
    </message>
    <message>
        <source>Read Failed ! </source>
        <translation>Lesen fehlgeschlagen! </translation>
    </message>
    <message>
        <source>Write Completed ! </source>
        <translation>Schreiben abgeschlossen! </translation>
    </message>
    <message>
        <source>Write Failed ! </source>
        <translation>Schreiben fehlgeschlagen! </translation>
    </message>
    <message>
        <source>Delete Completed ! </source>
        <translation>Löschen abgeschlossen! </translation>
    </message>
    <message>
        <source>Delete Failed ! </source>
        <translation>Löschen fehlgeschlagen! </translation>
    </message>
    <message>
        <source>Read LNB ...</source>
        <translation>LNBs lesen ...</translation>
    </message>
    <message>
        <source>Read Satellites ...</source>
        <translation>Satelliten lesen ...</translation>
    </message>
    <message>
        <source>Read Transponders ...</source>
        <translation>Transponder lesen ...</translation>
    </message>
    <message>
        <source>Write LNB ...</source>
        <translation>LNBs schreiben ...</translation>
    </message>
    <message>
        <source>Write Satellites ...</source>
        <translation>Satelliten schreiben ...</translation>
    </message>
    <message>
        <source>Write Transponders ...</source>
        <translation>Transponder schreiben ...</translation>
    </message>
    <message>
        <source>Verify ...</source>
        <translation>Prüfen ...</translation>
    </message>
    <message>
        <source>Verify Failed ! </source>
        <translation>Prüfung fehlgeschlagen! </translation>
    </message>
    <message>
        <source>Verify failed: the table could not be read back from the meter.</source>
        <translation>Prüfung fehlgeschlagen: Die Tabelle ließ sich nicht aus dem Messgerät zurücklesen.</translation>
    </message>
    <message>
        <source>Backup Failed ! </source>
        <translation>Sicherung fehlgeschlagen! </translation>
    </message>
    <message>
        <source>Backup failed: the meter&apos;s table could not be read. Nothing was written; the meter&apos;s table was left as it was.</source>
        <translation>Sicherung fehlgeschlagen: Die Tabelle des Messgeräts ließ sich nicht lesen. Es wurde nichts geschrieben; die Tabelle im Messgerät ist unverändert.</translation>
    </message>
    <message>
        <source>You stopped the backup read. Nothing was written; the meter&apos;s table is as it was.</source>
        <translation>Sie haben das Lesen der Sicherung abgebrochen. Es wurde nichts geschrieben; die Tabelle im Messgerät ist unverändert.</translation>
    </message>
    <message>
        <source>You stopped the read-back: the table was written to the meter but not checked.</source>
        <translation>Sie haben das Zurücklesen abgebrochen: Die Tabelle wurde ins Messgerät geschrieben, aber nicht geprüft.</translation>
    </message>
    <message>
        <source>You stopped the write part-way, so the meter may now hold a partial table. Write the table again to make it whole.</source>
        <translation>Sie haben das Schreiben mittendrin abgebrochen; das Messgerät enthält jetzt womöglich nur einen Teil der Tabelle. Schreiben Sie die Tabelle erneut, damit sie vollständig ist.</translation>
    </message>
    <message>
        <source>The write broke off part-way, so the meter may now hold a partial table. Check that the meter is switched on and connected, then write the table again.</source>
        <translation>Das Schreiben brach mittendrin ab; das Messgerät enthält jetzt womöglich nur einen Teil der Tabelle. Prüfen Sie, ob das Messgerät eingeschaltet und angeschlossen ist, und schreiben Sie die Tabelle erneut.</translation>
    </message>
    <message>
        <source>Open logo file error !</source>
        <translation>Fehler beim Öffnen der Logo-Datei!</translation>
    </message>
    <message>
        <source>Open icon file error !</source>
        <translation>Fehler beim Öffnen der Symbol-Datei!</translation>
    </message>
    <message>
        <source>Logo file too short !</source>
        <translation>Logo-Datei zu kurz!</translation>
    </message>
    <message>
        <source>Icon file too short !</source>
        <translation>Symbol-Datei zu kurz!</translation>
    </message>
    <message>
        <source>Write logo ...</source>
        <translation>Logo schreiben ...</translation>
    </message>
    <message>
        <source>Write icon ...</source>
        <translation>Symbole schreiben ...</translation>
    </message>
    <message>
        <source>Are you sure to delete meter osd icon ?  </source>
        <translation>Die OSD-Symbole im Messgerät wirklich löschen?  </translation>
    </message>
    <message>
        <source>logo files (*.bin);;All Files (*)</source>
        <translation>Logo-Dateien (*.bin);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>icon files (*.bin);;All Files (*)</source>
        <translation>Symbol-Dateien (*.bin);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>LOGO:</source>
        <translation>LOGO:</translation>
    </message>
    <message>
        <source>ICON:</source>
        <translation>ICON:</translation>
    </message>
    <message>
        <source>Save file error !</source>
        <translation>Fehler beim Speichern der Datei!</translation>
    </message>
    <message>
        <source>The table has no satellites or transponders to write.</source>
        <translation>Die Tabelle enthält keine Satelliten oder Transponder zum Schreiben.</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>Rückgängig: %1</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>Wiederholen: %1</translation>
    </message>
    <message>
        <source>Delete %1 TPs</source>
        <translation>%1 TPs löschen</translation>
    </message>
    <message>
        <source>Add Satellite</source>
        <translation>Satellit hinzufügen</translation>
    </message>
    <message>
        <source>Delete Satellite</source>
        <translation>Satellit löschen</translation>
    </message>
    <message>
        <source>Edit Satellite</source>
        <translation>Satellit bearbeiten</translation>
    </message>
    <message>
        <source>Add TP</source>
        <translation>TP hinzufügen</translation>
    </message>
    <message>
        <source>Edit TP</source>
        <translation>TP bearbeiten</translation>
    </message>
    <message>
        <source>Delete TP</source>
        <translation>TP löschen</translation>
    </message>
    <message>
        <source>Edit LNB</source>
        <translation>LNB bearbeiten</translation>
    </message>
    <message>
        <source>Sort TPs</source>
        <translation>TPs sortieren</translation>
    </message>
    <message>
        <source>Read from Meter</source>
        <translation>Aus dem Messgerät lesen</translation>
    </message>
    <message>
        <source>sattp files (*.csv);;All Files (*)</source>
        <translation>sattp-Dateien (*.csv);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Save as</source>
        <translation>Speichern unter</translation>
    </message>
    <message>
        <source>A firmware file&apos;s name begins with rav32izazud.</source>
        <translation>Der Name einer Firmware-Datei beginnt mit rav32izazud.</translation>
    </message>
    <message>
        <source>A logo file&apos;s name begins with stm32logo.</source>
        <translation>Der Name einer Logo-Datei beginnt mit stm32logo.</translation>
    </message>
    <message>
        <source>An icon file&apos;s name begins with stm32icon.</source>
        <translation>Der Name einer Symbol-Datei beginnt mit stm32icon.</translation>
    </message>
    <message>
        <source>%1 cannot keep: %2.</source>
        <translation>%1 kann Folgendes nicht aufnehmen: %2.</translation>
    </message>
    <message>
        <source>%1 Save anyway ?</source>
        <translation>%1 Trotzdem speichern?</translation>
    </message>
    <message>
        <source>%1: frequency %2 is outside %3..%4 MHz</source>
        <translation>%1: Frequenz %2 liegt außerhalb von %3..%4 MHz</translation>
    </message>
    <message>
        <source>%1: symbol rate %2 is outside %3..%4 kS/s</source>
        <translation>%1: Symbolrate %2 liegt außerhalb von %3..%4 kS/s</translation>
    </message>
    <message>
        <source>LNB %1: unknown type %2 (shown as 5150)</source>
        <translation>LNB %1: unbekannter Typ %2 (als 5150 angezeigt)</translation>
    </message>
    <message>
        <source>%1: position %2 is above 3599 tenths of a degree (shown as %3)</source>
        <translation>%1: Position %2 liegt über 3599 Zehntelgrad (als %3 angezeigt)</translation>
    </message>
    <message>
        <source>%1: name has bytes that are not UTF-8 (%2)</source>
        <translation>%1: Der Name enthält Bytes, die kein UTF-8 sind (%2)</translation>
    </message>
    <message>
        <source>%1: no transponders</source>
        <translation>%1: keine Transponder</translation>
    </message>
    <message>
        <source>%1: SAT %2 is not in use (the table has %3 satellites)</source>
        <translation>%1: SAT %2 ist nicht belegt (die Tabelle hat %3 Satelliten)</translation>
    </message>
    <message>
        <source>%1: duplicate of TP %2 (%3)</source>
        <translation>%1: Duplikat von TP %2 (%3)</translation>
    </message>
    <message>
        <source>1 difference</source>
        <translation>1 Unterschied</translation>
    </message>
    <message>
        <source>%1 differences</source>
        <translation>%1 Unterschiede</translation>
    </message>
    <message>
        <source>order differs</source>
        <translation>Reihenfolge weicht ab</translation>
    </message>
    <message>
        <source>No answer from the meter on %1 yet: is it switched on and connected to this port? %2</source>
        <translation>Noch keine Antwort vom Messgerät an %1: Ist es eingeschaltet und an diese Schnittstelle angeschlossen? %2</translation>
    </message>
    <message>
        <source>No answer from the meter on %1: is it switched on and connected to this port? Nothing on the meter was changed.</source>
        <translation>Keine Antwort vom Messgerät an %1: Ist es eingeschaltet und an diese Schnittstelle angeschlossen? Am Messgerät wurde nichts geändert.</translation>
    </message>
    <message>
        <source>%1 The meter&apos;s table before this write is in %2.</source>
        <translation>%1 Die Tabelle des Messgeräts vor diesem Schreiben liegt in %2.</translation>
    </message>
    <message>
        <source>Backup failed: cannot write %1: %2. Nothing was written; the meter&apos;s table was left as it was.</source>
        <translation>Sicherung fehlgeschlagen: %1 lässt sich nicht schreiben: %2. Es wurde nichts geschrieben; die Tabelle im Messgerät ist unverändert.</translation>
    </message>
    <message>
        <source>%1 was not read completely:

%2

Saving it writes the table without what is listed here.</source>
        <translation>%1 wurde nicht vollständig gelesen:

%2

Beim Speichern wird die Tabelle ohne das hier Aufgeführte geschrieben.</translation>
    </message>
    <message>
        <source>%1 was not read completely (1 finding), so the table to be saved is shorter than that file.</source>
        <translation>%1 wurde nicht vollständig gelesen (1 Befund); die zu speichernde Tabelle ist daher kürzer als diese Datei.</translation>
    </message>
    <message>
        <source>%1 was not read completely (%2 findings), so the table to be saved is shorter than that file.</source>
        <translation>%1 wurde nicht vollständig gelesen (%2 Befunde); die zu speichernde Tabelle ist daher kürzer als diese Datei.</translation>
    </message>
    <message>
        <source>Flash1M.bin written: %1 (%2 bytes)</source>
        <translation>Flash1M.bin geschrieben: %1 (%2 Bytes)</translation>
    </message>
    <message>
        <source>%1

The result was added to %2.</source>
        <translation>%1

Das Ergebnis wurde an %2 angehängt.</translation>
    </message>
    <message>
        <source>Import added nothing</source>
        <translation>Der Import hat nichts hinzugefügt</translation>
    </message>
    <message>
        <source>Import added 1 TP</source>
        <translation>Der Import hat 1 TP hinzugefügt</translation>
    </message>
    <message>
        <source>Import added %1 TPs</source>
        <translation>Der Import hat %1 TPs hinzugefügt</translation>
    </message>
    <message>
        <source>Import added 1 TP, 1 satellite</source>
        <translation>Der Import hat 1 TP und 1 Satelliten hinzugefügt</translation>
    </message>
    <message>
        <source>Import added %1 TPs, 1 satellite</source>
        <translation>Der Import hat %1 TPs und 1 Satelliten hinzugefügt</translation>
    </message>
    <message>
        <source>Import added 1 TP, %1 satellites</source>
        <translation>Der Import hat 1 TP und %1 Satelliten hinzugefügt</translation>
    </message>
    <message>
        <source>Import added %1 TPs, %2 satellites</source>
        <translation>Der Import hat %1 TPs und %2 Satelliten hinzugefügt</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>%1 lässt sich nicht schreiben: %2</translation>
    </message>
    <message>
        <source>Exported 1 satellite and 1 transponder to %1</source>
        <translation>1 Satellit und 1 Transponder nach %1 exportiert</translation>
    </message>
    <message>
        <source>Exported 1 satellite and %1 transponders to %2</source>
        <translation>1 Satellit und %1 Transponder nach %2 exportiert</translation>
    </message>
    <message>
        <source>Exported %1 satellites and 1 transponder to %2</source>
        <translation>%1 Satelliten und 1 Transponder nach %2 exportiert</translation>
    </message>
    <message>
        <source>Exported %1 satellites and %2 transponders to %3</source>
        <translation>%1 Satelliten und %2 Transponder nach %3 exportiert</translation>
    </message>
    <message>
        <source>icon written</source>
        <translation>Symbole geschrieben</translation>
    </message>
    <message>
        <source>logo written</source>
        <translation>Logo geschrieben</translation>
    </message>
    <message>
        <source>icon and logo written</source>
        <translation>Symbole und Logo geschrieben</translation>
    </message>
    <message>
        <source>tables written</source>
        <translation>Tabellen geschrieben</translation>
    </message>
    <message>
        <source>icon and tables written</source>
        <translation>Symbole und Tabellen geschrieben</translation>
    </message>
    <message>
        <source>logo and tables written</source>
        <translation>Logo und Tabellen geschrieben</translation>
    </message>
    <message>
        <source>icon, logo and tables written</source>
        <translation>Symbole, Logo und Tabellen geschrieben</translation>
    </message>
    <message>
        <source>Patch up done in %1 s: firmware upgraded and verified.</source>
        <translation>Übertragung in %1 s abgeschlossen: Firmware aktualisiert und geprüft.</translation>
    </message>
    <message>
        <source>Patch up done in %1 s.</source>
        <translation>Übertragung in %1 s abgeschlossen.</translation>
    </message>
    <message>
        <source>Patch up done in %1 s: firmware upgraded and verified; %2.</source>
        <translation>Übertragung in %1 s abgeschlossen: Firmware aktualisiert und geprüft; %2.</translation>
    </message>
    <message>
        <source>Patch up done in %1 s: %2.</source>
        <translation>Übertragung in %1 s abgeschlossen: %2.</translation>
    </message>
    <message>
        <source>Cannot copy the sample table into %1.</source>
        <translation>Die Beispieltabelle lässt sich nicht nach %1 kopieren.</translation>
    </message>
    <message>
        <source>Cannot create the data folder %1: %2</source>
        <translation>Der Datenordner %1 lässt sich nicht anlegen: %2</translation>
    </message>
    <message>
        <source>a file of that name is in the way</source>
        <translation>eine Datei dieses Namens ist im Weg</translation>
    </message>
    <message>
        <source>Burst A</source>
        <translation>Burst A</translation>
    </message>
    <message>
        <source>Burst B</source>
        <translation>Burst B</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>Fixed</source>
        <translation>Fest</translation>
    </message>
    <message>
        <source>Moved</source>
        <translation>Motor</translation>
    </message>
    <message>
        <source>%1(the adapter was unplugged)</source>
        <translation>%1(der Adapter wurde abgezogen)</translation>
    </message>
    <message>
        <source>Looking for the meter ...</source>
        <translation>Messgerät wird gesucht ...</translation>
    </message>
    <message>
        <source>Meter found on %1</source>
        <translation>Messgerät gefunden an %1</translation>
    </message>
    <message>
        <source>A meter in its bootloader answered on %1: use Firmware upgrade (Meter &gt; SOFT upgrade)</source>
        <translation>Ein Messgerät im Bootloader hat an %1 geantwortet: Firmware-Update verwenden (Messgerät &gt; Firmware-Update)</translation>
    </message>
    <message>
        <source>No meter answered on %1: is the meter switched on and its cable plugged?</source>
        <translation>Kein Messgerät hat an %1 geantwortet: Ist das Messgerät eingeschaltet und sein Kabel eingesteckt?</translation>
    </message>
    <message>
        <source>No meter could be asked: %1</source>
        <translation>Kein Messgerät konnte gefragt werden: %1</translation>
    </message>
    <message>
        <source>No USB serial adapter is plugged in.</source>
        <translation>Es ist kein USB-RS232-Adapter eingesteckt.</translation>
    </message>
    <message>
        <source>USB serial adapter plugged in: %1</source>
        <translation>USB-RS232-Adapter eingesteckt: %1</translation>
    </message>
    <message>
        <source>USB serial adapter pulled out: %1</source>
        <translation>USB-RS232-Adapter abgezogen: %1</translation>
    </message>
    <message>
        <source>You are not allowed to use %1: add yourself to the group &apos;%2&apos; (sudo usermod -aG %3 $USER) and log in again</source>
        <translation>Sie dürfen %1 nicht benutzen: Treten Sie der Gruppe &apos;%2&apos; bei (sudo usermod -aG %3 $USER) und melden Sie sich neu an</translation>
    </message>
    <message>
        <source>%1 is in use by another program</source>
        <translation>%1 wird von einem anderen Programm benutzt</translation>
    </message>
    <message>
        <source>%1 is in use by another program (%2)</source>
        <translation>%1 wird von einem anderen Programm benutzt (%2)</translation>
    </message>
    <message>
        <source>%1 is locked by another program (%2)</source>
        <translation>%1 ist von einem anderen Programm gesperrt (%2)</translation>
    </message>
    <message>
        <source>%1 is gone: is the cable plugged in?</source>
        <translation>%1 ist weg: Ist das Kabel eingesteckt?</translation>
    </message>
    <message>
        <source>%1 is not a serial port</source>
        <translation>%1 ist keine serielle Schnittstelle</translation>
    </message>
    <message>
        <source>%1 cannot be opened</source>
        <translation>%1 lässt sich nicht öffnen</translation>
    </message>
    <message>
        <source>%1 cannot be opened: %2</source>
        <translation>%1 lässt sich nicht öffnen: %2</translation>
    </message>
    <message>
        <source>%1 is busy: ModemManager is probing it; the package&apos;s udev rule keeps it away, or wait 10 s</source>
        <translation>%1 ist belegt: ModemManager prüft die Schnittstelle; die udev-Regel des Pakets hält ihn fern, oder 10 s warten</translation>
    </message>
    <message>
        <source>A %1 USB serial adapter is plugged in but has no port: brltty (a braille display service) claimed it; remove brltty with &apos;sudo apt remove brltty&apos; or, if a braille display needs it, run &apos;sudo systemctl mask brltty-udev.service&apos; and plug the adapter in again</source>
        <translation>Ein USB-RS232-Adapter %1 ist eingesteckt, hat aber keine Schnittstelle: brltty (ein Dienst für Braillezeilen) hat ihn belegt; entfernen Sie brltty mit &apos;sudo apt remove brltty&apos; oder, falls eine Braillezeile es braucht, führen Sie &apos;sudo systemctl mask brltty-udev.service&apos; aus und stecken Sie den Adapter neu ein</translation>
    </message>
    <message>
        <source>%1 has no device: is the cable plugged in? (VELMORA_%2 may name its path)</source>
        <translation>%1 hat kein Gerät: Ist das Kabel eingesteckt? (VELMORA_%2 kann seinen Pfad angeben)</translation>
    </message>
    <message>
        <source>%1 answers late (latency timer %2 ms): a table write will take about %3 seconds; see the manual page</source>
        <translation>%1 antwortet spät (Latenz-Timer %2 ms): das Schreiben der Tabelle dauert etwa %3 Sekunden; siehe Handbuchseite</translation>
    </message>
    <message>
        <source>%1 answers late (latency timer %2 ms): a table write will take about %3 minutes; see the manual page</source>
        <translation>%1 antwortet spät (Latenz-Timer %2 ms): das Schreiben der Tabelle dauert etwa %3 Minuten; siehe Handbuchseite</translation>
    </message>
    <message>
        <source>Delete the transponder %1?</source>
        <translation>Transponder %1 löschen?</translation>
    </message>
    <message>
        <source>Delete %1 TPs ?</source>
        <translation>%1 TPs löschen?</translation>
    </message>
    <message>
        <source>Delete the satellite %1 and its transponders?</source>
        <translation>Satellit %1 samt seinen Transpondern löschen?</translation>
    </message>
    <message>
        <source>matched %1, added %2 satellites and %3 transponders, %4 duplicates skipped, %5 replaced, %6 left out (table full), %7 invalid</source>
        <translation>%1 zugeordnet, %2 Satelliten und %3 Transponder hinzugefügt, %4 Duplikate übersprungen, %5 ersetzt, %6 ausgelassen (Tabelle voll), %7 ungültig</translation>
    </message>
    <message>
        <source>no scan tables in %1: install them with &apos;sudo apt install dtv-scan-tables&apos;</source>
        <translation>keine Scan-Tabellen in %1: installieren Sie sie mit &apos;sudo apt install dtv-scan-tables&apos;</translation>
    </message>
    <message>
        <source>no scan tables in %1: %2</source>
        <translation>keine Scan-Tabellen in %1: %2</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Import</translation>
    </message>
    <message>
        <source>Downloading %1</source>
        <translation>%1 wird heruntergeladen</translation>
    </message>
    <message>
        <source>Download failed</source>
        <translation>Download fehlgeschlagen</translation>
    </message>
    <message>
        <source>Take the Meter&apos;s Table</source>
        <translation>Tabelle des Messgeräts übernehmen</translation>
    </message>
    <message>
        <source>SOFT upgrade erases the meter&apos;s firmware and writes %1 in its place.

Switch the meter on while holding EXIT, then answer Yes.
Do not switch the meter off until the upgrade is done.

Upgrade the firmware now?</source>
        <translation>SOFT-Upgrade löscht die Firmware des Messgeräts und schreibt %1 an ihre Stelle.

Schalten Sie das Messgerät ein, während Sie EXIT gedrückt halten, und antworten Sie dann mit Ja.
Schalten Sie das Messgerät erst aus, wenn das Upgrade fertig ist.

Firmware jetzt aktualisieren?</translation>
    </message>
    <message>
        <source>Logo written: %1</source>
        <translation>Logo geschrieben: %1</translation>
    </message>
    <message>
        <source>Icon written: %1</source>
        <translation>Icon geschrieben: %1</translation>
    </message>
    <message>
        <source>Icon file too large !</source>
        <translation>Symbol-Datei zu groß!</translation>
    </message>
    <message>
        <source>Icon file header makes no sense ! %1 announces records of %2 bytes, %3 x %4 of each size: all three must be above 0.</source>
        <translation>Kopf der Symbol-Datei ergibt keinen Sinn! %1 kündigt Einträge von %2 Bytes an, %3 x %4 je Größe: alle drei müssen über 0 liegen.</translation>
    </message>
    <message>
        <source>Icon file too large ! %1 announces %2 bytes; the meter&apos;s icon area holds %3.</source>
        <translation>Symbol-Datei zu groß! %1 kündigt %2 Bytes an; der Symbolbereich des Messgeräts fasst %3.</translation>
    </message>
    <message>
        <source>Logo file too short ! %1 holds %2 bytes; a logo takes %3.</source>
        <translation>Logo-Datei zu kurz! %1 enthält %2 Bytes; ein Logo braucht %3.</translation>
    </message>
    <message>
        <source>Icon file too short ! %1 holds %2 bytes; an icon header takes %3.</source>
        <translation>Symbol-Datei zu kurz! %1 enthält %2 Bytes; ein Symbol-Kopf braucht %3.</translation>
    </message>
    <message>
        <source>Icon file too short ! %1 holds %2 bytes; its header announces %3.</source>
        <translation>Symbol-Datei zu kurz! %1 enthält %2 Bytes; ihr Kopf kündigt %3 an.</translation>
    </message>
    <message>
        <source>hold EXIT while switching the meter on, then try again</source>
        <translation>beim Einschalten des Messgeräts EXIT gedrückt halten, dann erneut versuchen</translation>
    </message>
    <message>
        <source>%1: LNB %2 (%3) receives %4..%5 MHz only</source>
        <translation>%1: LNB %2 (%3) empfängt nur %4..%5 MHz</translation>
    </message>
    <message>
        <source>The meter restarts with its new firmware: %1 s</source>
        <translation>Das Messgerät startet mit der neuen Firmware neu: %1 s</translation>
    </message>
    <message>
        <source>SOFT: %1</source>
        <translation>SOFT: %1</translation>
    </message>
    <message>
        <source>LOGO: %1</source>
        <translation>LOGO: %1</translation>
    </message>
    <message>
        <source>ICON: %1</source>
        <translation>ICON: %1</translation>
    </message>
    <message>
        <source>There are no backups in %1. A backup is taken before each write while Meter &gt; Back up before write is on.</source>
        <translation>In %1 gibt es keine Sicherungen. Eine Sicherung wird vor jedem Schreiben angelegt, solange Messgerät &gt; Vor dem Schreiben sichern eingeschaltet ist.</translation>
    </message>
    <message>
        <source>Write the backup %1 to the meter? It replaces the meter&apos;s table.</source>
        <translation>Die Sicherung %1 ins Messgerät schreiben? Sie ersetzt die Tabelle des Messgeräts.</translation>
    </message>
    <message>
        <source>Backup written to the meter: %1</source>
        <translation>Sicherung ins Messgerät geschrieben: %1</translation>
    </message>
    <message>
        <source>The backup %1 holds no satellites, so there is nothing to write back.</source>
        <translation>Die Sicherung %1 enthält keine Satelliten, es gibt also nichts zurückzuschreiben.</translation>
    </message>
    <message>
        <source>No data folder for the unit records (HOME is not set); turn off Meter &gt; Record unit records or name a file in the settings.</source>
        <translation>Kein Datenordner für die Geräteprotokolle (HOME ist nicht gesetzt); Messgerät &gt; Geräteprotokolle führen ausschalten oder in den Einstellungen eine Datei nennen.</translation>
    </message>
</context>
<context>
    <name>Language</name>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>Systemvorgabe</translation>
    </message>
    <message>
        <source>The language changes when Orvane is started next.</source>
        <translation>Die Sprache wechselt beim nächsten Start von Orvane.</translation>
    </message>
</context>
<context>
    <name>LnbChoiceText</name>
    <message>
        <source>no DiSEqC</source>
        <translation>kein DiSEqC</translation>
    </message>
    <message>
        <source>unknown DiSEqC switch</source>
        <translation>unbekannter DiSEqC-Schalter</translation>
    </message>
    <message>
        <source>DiSEqC %1 tone burst %2</source>
        <translation>DiSEqC %1 Tone-Burst %2</translation>
    </message>
    <message>
        <source>DiSEqC %1 input %2</source>
        <translation>DiSEqC %1 Eingang %2</translation>
    </message>
</context>
<context>
    <name>MeterMenu</name>
    <message>
        <source>backups/ beside the table</source>
        <translation>backups/ neben der Tabelle</translation>
    </message>
    <message>
        <source>Back up before write (to %1)</source>
        <translation>Vor dem Schreiben sichern (nach %1)</translation>
    </message>
    <message>
        <source>Write the backup back</source>
        <translation>Sicherung zurückschreiben</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <extracomment>Translate as &quot;RTL&quot; for a language written right to left, else &quot;LTR&quot;</extracomment>
        <translation>LTR</translation>
    </message>
</context>
<context>
    <name>Toolbar</name>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Lesen</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>Schreiben</translation>
    </message>
</context>
<context>
    <name>velmora::AboutDlg</name>
    <message>
        <source>About Orvane</source>
        <translation>Über Orvane</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>velmora::CatalogDlg</name>
    <message>
        <source>Add satellites from the catalog</source>
        <translation>Satelliten aus dem Katalog hinzufügen</translation>
    </message>
    <message>
        <source>Find a satellite by name or position</source>
        <translation>Satellit nach Name oder Position suchen</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>TPs</source>
        <translation>TPs</translation>
    </message>
    <message>
        <source>Tick the satellites to add.</source>
        <translation>Kreuzen Sie die hinzuzufügenden Satelliten an.</translation>
    </message>
</context>
<context>
    <name>velmora::CheckDlg</name>
    <message>
        <source>Check table</source>
        <translation>Tabelle prüfen</translation>
    </message>
    <message>
        <source>Nothing looks wrong with the table.</source>
        <translation>An der Tabelle ist nichts Auffälliges.</translation>
    </message>
    <message numerus="yes">
        <source>%n finding(s); click one to select its row.</source>
        <translation>
            <numerusform>%n Befund; zum Auswählen seiner Zeile anklicken.</numerusform>
            <numerusform>%n Befunde; einen anklicken, um seine Zeile auszuwählen.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>velmora::CompareDlg</name>
    <message>
        <source>Compare with meter</source>
        <translation>Mit Messgerät vergleichen</translation>
    </message>
    <message>
        <source>What writing the document&apos;s tables would change on the meter:</source>
        <translation>Was das Schreiben der Tabellen dieses Dokuments im Messgerät ändern würde:</translation>
    </message>
    <message>
        <source>Take the meter&apos;s table</source>
        <translation>Tabelle des Messgeräts übernehmen</translation>
    </message>
    <message>
        <source>Replace the document&apos;s tables with the meter&apos;s</source>
        <translation>Die Tabellen des Dokuments durch die des Messgeräts ersetzen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Write to the meter</source>
        <translation>Ins Messgerät schreiben</translation>
    </message>
    <message>
        <source>Replace the meter&apos;s table with the document&apos;s</source>
        <translation>Die Tabelle des Messgeräts durch die des Dokuments ersetzen</translation>
    </message>
</context>
<context>
    <name>velmora::FormDialog</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>velmora::HelpDlg</name>
    <message>
        <source>Orvane Help</source>
        <translation>Orvane-Hilfe</translation>
    </message>
</context>
<context>
    <name>velmora::ImportDlg</name>
    <message>
        <source>Find a satellite by name or position</source>
        <translation>Satellit nach Name oder Position suchen</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>TPs</source>
        <extracomment>Column of transponder counts</extracomment>
        <translation>TPs</translation>
    </message>
    <message>
        <source>Goes into</source>
        <translation>Ziel</translation>
    </message>
    <message>
        <source>The name a new satellite gets; double-click to change it</source>
        <translation>Der Name, den ein neuer Satellit bekommt; zum Ändern doppelklicken</translation>
    </message>
    <message>
        <source>A new satellite, or a table satellite of the band within 1.0 degree</source>
        <translation>Ein neuer Satellit oder ein Satellit der Tabelle im selben Band, höchstens 1,0 Grad entfernt</translation>
    </message>
    <message>
        <source>Select all</source>
        <translation>Alle auswählen</translation>
    </message>
    <message>
        <source>Select none</source>
        <translation>Keinen auswählen</translation>
    </message>
    <message>
        <source>LNB of new Ku-band satellites</source>
        <translation>LNB neuer Ku-Band-Satelliten</translation>
    </message>
    <message>
        <source>LNB of new C-band satellites</source>
        <translation>LNB neuer C-Band-Satelliten</translation>
    </message>
    <message>
        <source>Add new transponders</source>
        <translation>Neue Transponder hinzufügen</translation>
    </message>
    <message>
        <source>Replace the transponders of the table satellites they go into</source>
        <translation>Die Transponder der Ziel-Satelliten in der Tabelle ersetzen</translation>
    </message>
    <message>
        <source>new</source>
        <extracomment>The choice &quot;a new satellite&quot; in the &quot;Goes into&quot; column</extracomment>
        <translation>neu</translation>
    </message>
    <message>
        <source>Nothing in the table changes.</source>
        <translation>An der Tabelle ändert sich nichts.</translation>
    </message>
    <message>
        <source>LNB of new Ka-band satellites</source>
        <translation>LNB neuer Ka-Band-Satelliten</translation>
    </message>
</context>
<context>
    <name>velmora::LnbEditDlg</name>
    <message>
        <source>LNB Edit</source>
        <translation>LNB bearbeiten</translation>
    </message>
    <message>
        <source>LNB frequency</source>
        <translation>LNB-Frequenz</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>LNB power</source>
        <translation>LNB-Speisung</translation>
    </message>
    <message>
        <source>Fixed</source>
        <translation>Fest</translation>
    </message>
    <message>
        <source>Moved</source>
        <translation>Motor</translation>
    </message>
    <message>
        <source>Dish type</source>
        <translation>Antenne</translation>
    </message>
    <message>
        <source>DiSEqC switch</source>
        <translation>DiSEqC-Schalter</translation>
    </message>
    <message>
        <source>Burst A</source>
        <translation>Burst A</translation>
    </message>
    <message>
        <source>Burst B</source>
        <translation>Burst B</translation>
    </message>
    <message>
        <source>DiSEqC input</source>
        <translation>DiSEqC-Eingang</translation>
    </message>
    <message>
        <source>22 kHz tone</source>
        <translation>22-kHz-Ton</translation>
    </message>
</context>
<context>
    <name>velmora::MainFrame</name>
    <message>
        <source>Ready</source>
        <translation>Bereit</translation>
    </message>
    <message>
        <source>Recent files</source>
        <translation>Zuletzt geöffnet</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Werkzeugleiste</translation>
    </message>
    <message>
        <source>Satellites %1/%2   TPs %3/%4</source>
        <extracomment>How full the tables are; &quot;TPs&quot; are transponders</extracomment>
        <translation>Satelliten %1/%2   TPs %3/%4</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Unbenannt</translation>
    </message>
</context>
<context>
    <name>velmora::RestoreDlg</name>
    <message>
        <source>Restore a backup</source>
        <translation>Sicherung wiederherstellen</translation>
    </message>
    <message>
        <source>The backups in %1, newest first. The one you choose replaces the meter&apos;s table; the document stays as it is.</source>
        <translation>Die Sicherungen in %1, die neueste zuerst. Die gewählte ersetzt die Tabelle des Messgeräts; das Dokument bleibt, wie es ist.</translation>
    </message>
    <message>
        <source>Taken</source>
        <translation>Angelegt</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Write to the meter</source>
        <translation>Ins Messgerät schreiben</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>velmora::SatAddDlg</name>
    <message>
        <source>Satellite Edit</source>
        <translation>Satellit bearbeiten</translation>
    </message>
    <message>
        <source>Satellite Add</source>
        <translation>Satellit hinzufügen</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satellit</translation>
    </message>
    <message>
        <source>East</source>
        <translation>Ost</translation>
    </message>
    <message>
        <source>West</source>
        <translation>West</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>%1 of %2 bytes left</source>
        <translation>noch %1 von %2 Bytes frei</translation>
    </message>
    <message>
        <source>A comma cannot be stored: sattp.csv separates its columns with commas.</source>
        <translation>Ein Komma kann nicht gespeichert werden: sattp.csv trennt seine Spalten mit Kommas.</translation>
    </message>
    <message>
        <source>No room left: a name holds at most %1 bytes, and a letter such as é takes 2.</source>
        <translation>Kein Platz mehr: Ein Name fasst höchstens %1 Bytes, und ein Buchstabe wie é belegt 2.</translation>
    </message>
</context>
<context>
    <name>velmora::SatelliteTree</name>
    <message>
        <source>All Satellites</source>
        <translation>Alle Satelliten</translation>
    </message>
</context>
<context>
    <name>velmora::TpEditDlg</name>
    <message>
        <source>Transponder</source>
        <translation>Transponder</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satellit</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frequenz</translation>
    </message>
    <message>
        <source>MHz</source>
        <translation>MHz</translation>
    </message>
    <message>
        <source>Symbol rate</source>
        <translation>Symbolrate</translation>
    </message>
    <message>
        <source>kS/s</source>
        <translation>kS/s</translation>
    </message>
    <message>
        <source>Vertical / right (13 V)</source>
        <translation>Vertikal / rechts (13 V)</translation>
    </message>
    <message>
        <source>Horizontal / left (18 V)</source>
        <translation>Horizontal / links (18 V)</translation>
    </message>
    <message>
        <source>Polarisation</source>
        <translation>Polarisation</translation>
    </message>
    <message>
        <source>Unique</source>
        <extracomment>A transponder found nowhere else in the table</extracomment>
        <translation>Einmalig</translation>
    </message>
</context>
<context>
    <name>velmora::TpSortDlg</name>
    <message>
        <source>Frequency</source>
        <translation>Frequenz</translation>
    </message>
    <message>
        <source>Symbol rate</source>
        <translation>Symbolrate</translation>
    </message>
    <message>
        <source>Polarisation</source>
        <translation>Polarisation</translation>
    </message>
    <message>
        <source>Start with</source>
        <translation>Beginnen mit</translation>
    </message>
    <message>
        <source>West to east</source>
        <translation>West nach Ost</translation>
    </message>
    <message>
        <source>East to west</source>
        <translation>Ost nach West</translation>
    </message>
    <message>
        <source>Satellites</source>
        <translation>Satelliten</translation>
    </message>
    <message>
        <source>Transponders</source>
        <translation>Transponder</translation>
    </message>
    <message>
        <source>then by</source>
        <translation>dann nach</translation>
    </message>
    <message>
        <source>Satellites are put in order of position, beginning with the one chosen and going round in the direction chosen. The transponders of each satellite are sorted by the two keys.</source>
        <translation>Die Satelliten werden nach Position geordnet, beginnend mit dem gewählten und in der gewählten Richtung weiter. Die Transponder jedes Satelliten werden nach den beiden Schlüsseln sortiert.</translation>
    </message>
</context>
<context>
    <name>velmora::TransponderListView</name>
    <message>
        <source>%1 of %2 rows match &quot;%3&quot;</source>
        <translation>%1 von %2 Zeilen passen zu „%3“</translation>
    </message>
</context>
<context>
    <name>velmora::UnitRecordsDlg</name>
    <message>
        <source>Unit records</source>
        <translation>Geräteprotokolle</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Unique ID:</source>
        <translation>Eindeutige ID:</translation>
    </message>
    <message>
        <source>From (UTC):</source>
        <translation>Von (UTC):</translation>
    </message>
    <message>
        <source>To (UTC):</source>
        <translation>Bis (UTC):</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Bench</source>
        <translation>Arbeitsplatz</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Unique ID</source>
        <translation>Eindeutige ID</translation>
    </message>
    <message>
        <source>Firmware</source>
        <translation>Firmware</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>Reason</source>
        <translation>Grund</translation>
    </message>
    <message>
        <source>Write a day as 2026-12-09, a time as 2026-12-09T08:00:00Z.</source>
        <translation>Einen Tag als 2026-12-09 schreiben, eine Zeit als 2026-12-09T08:00:00Z.</translation>
    </message>
    <message>
        <source>passed</source>
        <translation>bestanden</translation>
    </message>
    <message>
        <source>failed</source>
        <translation>fehlgeschlagen</translation>
    </message>
    <message>
        <source>%1 serviced, %2 passed, %3 failed; records in %4</source>
        <translation>%1 bearbeitet, %2 bestanden, %3 fehlgeschlagen; Protokolle in %4</translation>
    </message>
    <message>
        <source>Records</source>
        <translation>Protokolle</translation>
    </message>
    <message>
        <source>Production report</source>
        <translation>Produktionsbericht</translation>
    </message>
    <message>
        <source>Open a report...</source>
        <translation>Bericht öffnen...</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Beginn</translation>
    </message>
    <message>
        <source>Meter</source>
        <translation>Gerät</translation>
    </message>
    <message>
        <source>Steps</source>
        <translation>Schritte</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Bericht</translation>
    </message>
    <message>
        <source>Open a report</source>
        <translation>Bericht öffnen</translation>
    </message>
    <message>
        <source>Production reports (*.jsonl *.json *.txt);;All Files (*)</source>
        <translation>Produktionsberichte (*.jsonl *.json *.txt);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>The production line writes one line per meter into the file of --report.</source>
        <translation>Die Produktionslinie schreibt je Messgerät eine Zeile in die Datei von --report.</translation>
    </message>
    <message>
        <source>%1 cannot be read.</source>
        <translation>%1 kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>%1, line %2, is not a line of a production report.</source>
        <translation>%1, Zeile %2, ist keine Zeile eines Produktionsberichts.</translation>
    </message>
    <message>
        <source>%1: %2 meters, %3 passed, %4 failed</source>
        <translation>%1: %2 Messgeräte, %3 bestanden, %4 fehlgeschlagen</translation>
    </message>
</context>
<context>
    <name>velmora::UrlDlg</name>
    <message>
        <source>Import from the web</source>
        <translation>Aus dem Internet importieren</translation>
    </message>
    <message>
        <source>https://... a satellites.xml, .ini or dvbv5 list</source>
        <translation>https://... eine satellites.xml-, .ini- oder dvbv5-Liste</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
</context>
<context>
    <name>velmora::VelmoraDoc</name>
    <message>
        <source>Untitled</source>
        <translation>Unbenannt</translation>
    </message>
</context>
<context>
    <name>WebPage</name>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Hemisphere</source>
        <translation>Hemisphäre</translation>
    </message>
    <message>
        <source>TP Add</source>
        <translation>TP hinzufügen</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>TP Edit</source>
        <translation>TP bearbeiten</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>Eingang</translation>
    </message>
    <message>
        <source>22K tone</source>
        <translation>22-kHz-Ton</translation>
    </message>
    <message>
        <source>TP Sort</source>
        <translation>TP sortieren</translation>
    </message>
    <message>
        <source>First satellite</source>
        <translation>Erster Satellit</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>Richtung</translation>
    </message>
    <message>
        <source>West-&gt;East</source>
        <translation>West-&gt;Ost</translation>
    </message>
    <message>
        <source>East-&gt;West</source>
        <translation>Ost-&gt;West</translation>
    </message>
    <message>
        <source>First key</source>
        <translation>Erstes Sortierkriterium</translation>
    </message>
    <message>
        <source>Symbolrate</source>
        <translation>Symbolrate</translation>
    </message>
    <message>
        <source>Pol</source>
        <translation>Pol</translation>
    </message>
    <message>
        <source>Second key</source>
        <translation>Zweites Sortierkriterium</translation>
    </message>
    <message>
        <source>automatic</source>
        <translation>automatisch</translation>
    </message>
    <message>
        <source>The address of a transponder list (http or https):</source>
        <translation>Die Adresse einer Transponderliste (http oder https):</translation>
    </message>
    <message>
        <source>Findings: %1</source>
        <translation>Befunde: %1</translation>
    </message>
    <message>
        <source>No findings</source>
        <translation>Keine Befunde</translation>
    </message>
    <message>
        <source>Orvane in the browser: the table editor and meter service, with the same core as the desktop program.</source>
        <translation>Orvane im Browser: Tabelleneditor und Messgeräte-Service, mit demselben Kern wie das Desktop-Programm.</translation>
    </message>
    <message>
        <source>The commands are those of the desktop program&apos;s menus. Connect chooses the meter&apos;s serial port.</source>
        <translation>Die Befehle sind die aus den Menüs des Desktop-Programms. „Verbinden“ wählt die serielle Schnittstelle des Messgeräts.</translation>
    </message>
    <message>
        <source>%1: the browser cannot do this; the desktop program can.</source>
        <translation>%1: Das kann der Browser nicht; das Desktop-Programm kann es.</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Web Serial port chosen</source>
        <translation>Web-Serial-Schnittstelle gewählt</translation>
    </message>
    <message>
        <source>This browser has no Web Serial, so the page cannot reach a meter: use Chrome, Edge or Opera on Windows, macOS or Linux (or Firefox from its release 151); the table editor works here.</source>
        <translation>Dieser Browser hat kein Web Serial, daher kann die Seite kein Messgerät erreichen: Verwenden Sie Chrome, Edge oder Opera unter Windows, macOS oder Linux (oder Firefox ab Version 151); der Tabelleneditor funktioniert hier.</translation>
    </message>
    <message>
        <source>Menus</source>
        <translation>Menüs</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Verbinden</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Schnittstelle</translation>
    </message>
    <message>
        <source>No port</source>
        <translation>Keine Schnittstelle</translation>
    </message>
    <message>
        <source>List</source>
        <translation>Liste</translation>
    </message>
    <message>
        <source>Meter</source>
        <translation>Messgerät</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Fortschritt</translation>
    </message>
    <message>
        <source>Satellites of the list</source>
        <translation>Satelliten der Liste</translation>
    </message>
    <message>
        <source>Import summary</source>
        <translation>Importübersicht</translation>
    </message>
    <message>
        <source>Changes</source>
        <translation>Änderungen</translation>
    </message>
    <message>
        <source>The desktop program has this; a browser cannot do it.</source>
        <translation>Das Desktop-Programm hat das; ein Browser kann es nicht.</translation>
    </message>
</context>
</TS>
