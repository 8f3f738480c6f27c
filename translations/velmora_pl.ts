<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl" sourcelanguage="en">
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
        <translation> Dla LMT41C, LMT40S itp.<byte value="xd"/>
 1) W menu miernika &apos;software upgrade&apos; można zapisać kopię sattp.csv z miernika na USB.<byte value="xd"/>
 2) Edytuj sattp.csv w velmora, po zakończeniu zapisz sattp.csv i skopiuj na USB.<byte value="xd"/>
 3) W menu miernika &apos;software upgrade&apos; można wgrać sattp.csv z USB do miernika.<byte value="xd"/>
 Uwaga: przed włączeniem miernika odłącz USB, inaczej rozpocznie się aktualizacja oprogramowania.<byte value="xd"/>
<byte value="xd"/>
 Dla LMT20 port szeregowy musi najpierw należeć do Ciebie!<byte value="xd"/>
 Adapter USB-RS232 jest widoczny jako /dev/ttyUSB0 (COM1); dodaj się do grupy<byte value="xd"/>
 &apos;dialout&apos; (sudo usermod -aG dialout $USER) i zaloguj się ponownie.<byte value="xd"/>
<byte value="xd"/>
 LMT20: AKTUALIZACJA DANYCH<byte value="xd"/>
 1) Edytuj sattp.csv w velmora, po zakończeniu zapisz sattp.csv.<byte value="xd"/>
 2) Podłącz adapter USB-RS232 do komputera i włącz miernik.<byte value="xd"/>
 3) Wybierz jego port (COM1..COM9) i kliknij w velmora przycisk &apos;Zapis&apos;, aby wgrać TP.<byte value="xd"/>
 4) Gdy aktualizacja zakończy się pomyślnie, wyświetlacz LED miernika pokaże &apos;OK&apos;.  <byte value="xd"/>
 <byte value="xd"/>
 LMT20: AKTUALIZACJA OPROGRAMOWANIA<byte value="xd"/>
 1) Podłącz adapter USB-RS232 do komputera. <byte value="xd"/>
 2) Naciśnij EXIT i włącz miernik. <byte value="xd"/>
 3) Otwórz plik oprogramowania (HEX) z menu Plik. <byte value="xd"/>
 4) Kliknij w velmora przycisk &apos;SOFT&apos;, aby zaktualizować oprogramowanie.<byte value="xd"/>
 </translation>
    </message>
    <message>
        <source>Orvane Ver %1.%2</source>
        <extracomment>The version line; &quot;Orvane&quot; is the product name, never translated</extracomment>
        <translation>Orvane wer. %1.%2</translation>
    </message>
</context>
<context>
    <name>CompareDlg</name>
    <message numerus="yes">
        <source>%n added</source>
        <translation>
            <numerusform>dodano %n</numerusform>
            <numerusform>dodano %n</numerusform>
            <numerusform>dodano %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n removed</source>
        <translation>
            <numerusform>usunięto %n</numerusform>
            <numerusform>usunięto %n</numerusform>
            <numerusform>usunięto %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n changed</source>
        <translation>
            <numerusform>zmieniono %n</numerusform>
            <numerusform>zmieniono %n</numerusform>
            <numerusform>zmieniono %n</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>FormLayout</name>
    <message>
        <source>RS232 communication</source>
        <translation>Połączenie RS232</translation>
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
        <translation>Dodaj</translation>
    </message>
    <message>
        <source>EDIT</source>
        <translation>Edytuj</translation>
    </message>
    <message>
        <source>DELETE</source>
        <translation>Usuń</translation>
    </message>
    <message>
        <source>SORT</source>
        <translation>Sortuj</translation>
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
        <translation>Szukaj (Ctrl+F)</translation>
    </message>
</context>
<context>
    <name>ImportDlg</name>
    <message>
        <source>Import transponders</source>
        <translation>Import transponderów</translation>
    </message>
    <message>
        <source>Export satellites.xml</source>
        <translation>Eksport satellites.xml</translation>
    </message>
    <message>
        <source>C band</source>
        <translation>Pasmo C</translation>
    </message>
    <message>
        <source>Ka band</source>
        <translation>Pasmo Ka</translation>
    </message>
    <message>
        <source>Ku band</source>
        <translation>Pasmo Ku</translation>
    </message>
    <message>
        <source>%1: no satellites in this list</source>
        <translation>%1: brak satelitów na tej liście</translation>
    </message>
    <message>
        <source>All files (*);;Transponder lists (*.xml *.ini)</source>
        <translation>Wszystkie pliki (*);;Listy transponderów (*.xml *.ini)</translation>
    </message>
</context>
<context>
    <name>MainFrame</name>
    <message>
        <source>CAP</source>
        <extracomment>The status bar&apos;s Caps Lock indicator: keep it as short as the keyboard&apos;s word</extracomment>
        <translation>CAP</translation>
    </message>
    <message>
        <source>NUM</source>
        <extracomment>The status bar&apos;s Num Lock indicator</extracomment>
        <translation>NUM</translation>
    </message>
    <message>
        <source>SCRL</source>
        <extracomment>The status bar&apos;s Scroll Lock indicator</extracomment>
        <translation>SCRL</translation>
    </message>
</context>
<context>
    <name>TpListModel</name>
    <message>
        <source>No.</source>
        <translation>Lp.</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satelita</translation>
    </message>
    <message>
        <source>LNB</source>
        <translation>LNB</translation>
    </message>
    <message>
        <source>Freq</source>
        <translation>Częst.</translation>
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
        <translation>UNIKAT</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Zasilanie</translation>
    </message>
    <message>
        <source>Dish</source>
        <translation>Antena</translation>
    </message>
    <message>
        <source>DiSEqC Switch</source>
        <translation>Przełącznik DiSEqC</translation>
    </message>
    <message>
        <source>DiSEqC Input</source>
        <translation>Wejście DiSEqC</translation>
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
        <translation>%1 (nowy)</translation>
    </message>
    <message>
        <source>%1 added</source>
        <extracomment>Transponders added to a satellite.</extracomment>
        <translation>dodano: %1</translation>
    </message>
    <message>
        <source>%1 removed</source>
        <extracomment>Transponders removed from a satellite.</extracomment>
        <translation>usunięto: %1</translation>
    </message>
    <message>
        <source>%1 changed</source>
        <extracomment>Transponders whose symbol rate changes.</extracomment>
        <translation>zmieniono: %1</translation>
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
        <translation>%1 dopasowano do %2</translation>
    </message>
</context>
<context>
    <name>Commands</name>
    <message>
        <source>New(&amp;N)</source>
        <translation>&amp;Nowy</translation>
    </message>
    <message>
        <source>Open(&amp;O)...</source>
        <translation>&amp;Otwórz...</translation>
    </message>
    <message>
        <source>Open an existing table file
Open a table</source>
        <translation>Otwórz istniejący plik CSV
Otwórz plik CSV</translation>
    </message>
    <message>
        <source>Save(&amp;S)</source>
        <translation>&amp;Zapisz</translation>
    </message>
    <message>
        <source>Save the table to its file
Save</source>
        <translation>Zapisz do bieżącego pliku CSV
Zapisz</translation>
    </message>
    <message>
        <source>Save as(&amp;A)...</source>
        <translation>Zapisz &amp;jako...</translation>
    </message>
    <message>
        <source>Save the table to a new file
Save as</source>
        <translation>Zapisz do nowego pliku CSV
Zapisz jako</translation>
    </message>
    <message>
        <source>Import transponders...</source>
        <translation>Importuj transpondery...</translation>
    </message>
    <message>
        <source>Merge a satellites.xml, .ini or dvbv5 transponder list into the table
Import transponders</source>
        <translation>Dołącz do tabeli listę transponderów (satellites.xml, .ini lub dvbv5)
Importuj transpondery</translation>
    </message>
    <message>
        <source>Export satellites.xml...</source>
        <translation>Eksportuj satellites.xml...</translation>
    </message>
    <message>
        <source>Write the table as a satellites.xml file
Export satellites.xml</source>
        <translation>Zapisz tabelę jako plik satellites.xml
Eksportuj satellites.xml</translation>
    </message>
    <message>
        <source>Load soft...</source>
        <translation>Wczytaj oprogramowanie...</translation>
    </message>
    <message>
        <source>Load a firmware file (rav32izazud.hex)
Load soft</source>
        <translation>Wczytaj istniejący plik rav32izazud.hex
Otwórz rav32izazud.hex</translation>
    </message>
    <message>
        <source>Load icon...</source>
        <translation>Wczytaj ikony...</translation>
    </message>
    <message>
        <source>Load an icon file (stm32icon.bin)
Load icon</source>
        <translation>Wczytaj istniejący plik stm32icon.bin
Otwórz plik stm32icon</translation>
    </message>
    <message>
        <source>Load logo...</source>
        <translation>Wczytaj logo...</translation>
    </message>
    <message>
        <source>Load a logo file (bootlogo.bin)
Load logo</source>
        <translation>Wczytaj istniejący plik bootlogo.bin
Otwórz plik bootlogo</translation>
    </message>
    <message>
        <source>Create Flash1M.bin</source>
        <translation>Utwórz Flash1M.bin</translation>
    </message>
    <message>
        <source>Create the factory image Flash1M.bin
Create Flash1M.bin</source>
        <translation>Utwórz Flash1M.bin dla produkcji
Utwórz Flash1M.bin</translation>
    </message>
    <message>
        <source>Exit(&amp;X)</source>
        <translation>Za&amp;kończ</translation>
    </message>
    <message>
        <source>Quit, asking to save the changes first
Exit</source>
        <translation>Zakończ, pytając o zapisanie zmian
Zakończ</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Cofnij</translation>
    </message>
    <message>
        <source>Undo the last change of the tables
Undo</source>
        <translation>Cofnij ostatnią zmianę tabel
Cofnij</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Ponów</translation>
    </message>
    <message>
        <source>Redo the change undone last
Redo</source>
        <translation>Ponów ostatnio cofniętą zmianę
Ponów</translation>
    </message>
    <message>
        <source>TP Add...</source>
        <translation>Dodaj TP...</translation>
    </message>
    <message>
        <source>Add a transponder</source>
        <translation>Dodaj transponder</translation>
    </message>
    <message>
        <source>TP Edit...</source>
        <translation>Edytuj TP...</translation>
    </message>
    <message>
        <source>Edit the selected transponder</source>
        <translation>Edytuj zaznaczony transponder</translation>
    </message>
    <message>
        <source>TP Delete</source>
        <translation>Usuń TP</translation>
    </message>
    <message>
        <source>Delete the selected transponders</source>
        <translation>Usuń zaznaczone transpondery</translation>
    </message>
    <message>
        <source>TP Sort...</source>
        <translation>Sortuj TP...</translation>
    </message>
    <message>
        <source>Sort the transponders</source>
        <translation>Sortuj transpondery</translation>
    </message>
    <message>
        <source>Satellite Add...</source>
        <translation>Dodaj satelitę...</translation>
    </message>
    <message>
        <source>Add a satellite</source>
        <translation>Dodaj satelitę</translation>
    </message>
    <message>
        <source>Satellite Edit...</source>
        <translation>Edytuj satelitę...</translation>
    </message>
    <message>
        <source>Edit the chosen satellite</source>
        <translation>Edytuj wybranego satelitę</translation>
    </message>
    <message>
        <source>Satellite Delete</source>
        <translation>Usuń satelitę</translation>
    </message>
    <message>
        <source>Delete the satellite of the selected transponder</source>
        <translation>Usuń satelitę zaznaczonego transpondera</translation>
    </message>
    <message>
        <source>LNB Edit...</source>
        <translation>Edytuj LNB...</translation>
    </message>
    <message>
        <source>Edit the selected LNB</source>
        <translation>Edytuj zaznaczony konwerter LNB</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Szukaj</translation>
    </message>
    <message>
        <source>Find transponders by frequency, symbol rate, polarisation or satellite</source>
        <translation>Szukaj transponderów według częstotliwości, szybkości symbolowej, polaryzacji lub satelity</translation>
    </message>
    <message>
        <source>Check table...</source>
        <translation>Sprawdź tabelę...</translation>
    </message>
    <message>
        <source>List what is probably wrong with the table</source>
        <translation>Wypisz, co w tabeli jest prawdopodobnie błędne</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Odczyt</translation>
    </message>
    <message>
        <source>Read transponders from meter</source>
        <translation>Odczytaj transpondery z miernika</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>Zapis</translation>
    </message>
    <message>
        <source>Write transponders to meter</source>
        <translation>Zapisz transpondery do miernika</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Stop read/write transponders</source>
        <translation>Zatrzymaj odczyt/zapis transponderów</translation>
    </message>
    <message>
        <source>Compare with meter...</source>
        <translation>Porównaj z miernikiem...</translation>
    </message>
    <message>
        <source>Compare the tables with the meter&apos;s tables
Compare with meter</source>
        <translation>Porównaj tabele z tabelami miernika
Porównaj z miernikiem</translation>
    </message>
    <message>
        <source>Unit records...</source>
        <translation>Rejestr urządzeń...</translation>
    </message>
    <message>
        <source>Show the records of the meters this bench serviced
Unit records</source>
        <translation>Pokaż rejestr mierników obsłużonych na tym stanowisku
Rejestr urządzeń</translation>
    </message>
    <message>
        <source>Write logo</source>
        <translation>Zapisz logo</translation>
    </message>
    <message>
        <source>Write logo to meter</source>
        <translation>Zapisz logo do miernika</translation>
    </message>
    <message>
        <source>Write icon</source>
        <translation>Zapisz ikony</translation>
    </message>
    <message>
        <source>Write icon to meter</source>
        <translation>Zapisz ikony do miernika</translation>
    </message>
    <message>
        <source>SOFT upgrade</source>
        <translation>Aktualizacja SOFT</translation>
    </message>
    <message>
        <source>Upgrade the meter&apos;s software, Please press EXIT and turn on meter first !</source>
        <translation>Aktualizuj oprogramowanie miernika. Najpierw naciśnij EXIT i włącz miernik!</translation>
    </message>
    <message>
        <source>PATCH UP</source>
        <translation>PATCH UP</translation>
    </message>
    <message>
        <source>Run the ticked uploads (SOFT, ICON, LOGO, SAT TP) one by one
Patch up one by one</source>
        <translation>Wykonaj zaznaczone transfery (SOFT, ICON, LOGO, SAT TP) po kolei
Wgraj po kolei</translation>
    </message>
    <message>
        <source>Delete meter OSD icon...</source>
        <translation>Usuń ikony OSD miernika...</translation>
    </message>
    <message>
        <source>Delete the meter&apos;s on-screen icons
Delete icons</source>
        <translation>Usuń ikony OSD miernika
Usuń ikony</translation>
    </message>
    <message>
        <source>Verify after write</source>
        <translation>Weryfikuj po zapisie</translation>
    </message>
    <message>
        <source>Read the tables back after a write and check them
Verify after write</source>
        <translation>Po zapisie odczytaj tabele z powrotem i sprawdź je
Weryfikuj po zapisie</translation>
    </message>
    <message>
        <source>Back up before write</source>
        <translation>Kopia przed zapisem</translation>
    </message>
    <message>
        <source>Save the meter&apos;s tables in the backups folder before a write
Back up before write</source>
        <translation>Przed zapisem zachowaj tabele miernika w folderze kopii zapasowych
Kopia przed zapisem</translation>
    </message>
    <message>
        <source>Help Contents...</source>
        <translation>Tematy pomocy...</translation>
    </message>
    <message>
        <source>Show the guide to the everyday tasks
Help Contents</source>
        <translation>Pokaż przewodnik po codziennych czynnościach
Tematy pomocy</translation>
    </message>
    <message>
        <source>About Orvane...</source>
        <translation>O programie Orvane...</translation>
    </message>
    <message>
        <source>Show the program&apos;s version and notes for meter owners
About</source>
        <translation>Pokaż wersję programu i uwagi dla właścicieli miernika
O programie</translation>
    </message>
    <message>
        <source>Display transponders</source>
        <translation>Pokaż transpondery</translation>
    </message>
    <message>
        <source>Display LNB</source>
        <translation>Pokaż LNB</translation>
    </message>
    <message>
        <source>File(&amp;F)</source>
        <translation>&amp;Plik</translation>
    </message>
    <message>
        <source>Edit(&amp;E)</source>
        <translation>&amp;Edycja</translation>
    </message>
    <message>
        <source>Meter(&amp;M)</source>
        <translation>&amp;Miernik</translation>
    </message>
    <message>
        <source>Help(&amp;H)</source>
        <translation>Pomo&amp;c</translation>
    </message>
    <message>
        <source>Find meter</source>
        <translation>Znajdź miernik</translation>
    </message>
    <message>
        <source>Ask every port whether the meter answers, and choose the port it is on
Find meter</source>
        <translation>Zapytaj każdy port, czy odpowiada miernik, i wybierz port, na którym jest
Znajdź miernik</translation>
    </message>
    <message>
        <source>Import from the web...</source>
        <translation>Importuj z internetu...</translation>
    </message>
    <message>
        <source>Download a transponder list from an http or https address and merge it
Import from the web</source>
        <translation>Pobierz listę transponderów z adresu http lub https i dołącz ją do tabeli
Importuj z internetu</translation>
    </message>
    <message>
        <source>Add satellites from the catalog...</source>
        <translation>Dodaj satelity z katalogu...</translation>
    </message>
    <message>
        <source>Merge satellites from the scan tables installed on this computer
Add satellites from the catalog</source>
        <translation>Dołącz satelity z tabel skanowania zainstalowanych na tym komputerze
Dodaj satelity z katalogu</translation>
    </message>
    <message>
        <source>Restore a backup...</source>
        <translation>Przywróć kopię...</translation>
    </message>
    <message>
        <source>Write one of the backups taken before a write back to the meter
Restore a backup</source>
        <translation>Zapisz z powrotem w mierniku jedną z kopii wykonanych przed zapisem
Przywróć kopię</translation>
    </message>
    <message>
        <source>Record unit records</source>
        <translation>Prowadź rejestr urządzeń</translation>
    </message>
    <message>
        <source>Keep a record of every meter upgraded or written in the unit records
Record unit records</source>
        <translation>Zapisuj w rejestrze urządzeń każdy zaktualizowany lub zapisany miernik
Prowadź rejestr urządzeń</translation>
    </message>
</context>
<context>
    <name>Core</name>
    <message>
        <source>Save the changes to %1?</source>
        <translation>Zapisać zmiany w %1?</translation>
    </message>
    <message>
        <source>Save the changes to the table?</source>
        <translation>Zapisać zmiany w tabeli?</translation>
    </message>
    <message>
        <source>soft files (*.hex);;All Files (*)</source>
        <translation>Pliki oprogramowania (*.hex);;Wszystkie pliki (*)</translation>
    </message>
    <message>
        <source>SOFT:</source>
        <translation>SOFT:</translation>
    </message>
    <message>
        <source>Device initialize ...</source>
        <translation>Inicjalizacja urządzenia ...</translation>
    </message>
    <message>
        <source>File open failed ! </source>
        <translation>Nie można otworzyć pliku! </translation>
    </message>
    <message>
        <source>Device not found ! </source>
        <translation>Nie znaleziono urządzenia! </translation>
    </message>
    <message>
        <source>Firmware file is empty ! </source>
        <translation>Plik oprogramowania jest pusty! </translation>
    </message>
    <message>
        <source>Firmware larger than flash ! </source>
        <translation>Oprogramowanie większe niż pamięć flash! </translation>
    </message>
    <message>
        <source>Erasing memory ...</source>
        <translation>Kasowanie pamięci ...</translation>
    </message>
    <message>
        <source>Failed to erase memory !</source>
        <translation>Nie udało się skasować pamięci!</translation>
    </message>
    <message>
        <source>Failed to read file !</source>
        <translation>Nie udało się odczytać pliku!</translation>
    </message>
    <message>
        <source>Failed to write memory !</source>
        <translation>Nie udało się zapisać pamięci!</translation>
    </message>
    <message>
        <source>Failed to read memory !</source>
        <translation>Nie udało się odczytać pamięci!</translation>
    </message>
    <message>
        <source>Software upgrade success ! </source>
        <translation>Aktualizacja oprogramowania zakończona pomyślnie! </translation>
    </message>
    <message>
        <source>GetCommState Error </source>
        <translation>Błąd GetCommState </translation>
    </message>
    <message>
        <source>SetCommState Error </source>
        <translation>Błąd SetCommState </translation>
    </message>
    <message>
        <source>Failed to create event for thread!</source>
        <translation>Nie udało się utworzyć zdarzenia dla wątku!</translation>
    </message>
    <message>
        <source>Connect fail </source>
        <translation>Błąd połączenia </translation>
    </message>
    <message>
        <source> ask timeout !  </source>
        <translation> przekroczono czas oczekiwania na odpowiedź!  </translation>
    </message>
    <message>
        <source>Wait for connect ...</source>
        <translation>Oczekiwanie na połączenie ...</translation>
    </message>
    <message>
        <source>Press Stop to give up.</source>
        <translation>Kliknij Stop, aby przerwać.</translation>
    </message>
    <message>
        <source>Press Ctrl+C to give up.</source>
        <translation>Naciśnij Ctrl+C, aby przerwać.</translation>
    </message>
    <message>
        <source>Read Completed ! </source>
        <translation>Odczyt zakończony! </translation>
    </message>
    <message>
        <source>Read Failed ! </source>
        <translation>Odczyt nieudany! </translation>
    </message>
    <message>
        <source>Write Completed ! </source>
        <translation>Zapis zakończony! </translation>
    </message>
    <message>
        <source>Write Failed ! </source>
        <translation>Zapis nieudany! </translation>
    </message>
    <message>
        <source>Delete Completed ! </source>
        <translation>Usuwanie zakończone! </translation>
    </message>
    <message>
        <source>Delete Failed ! </source>
        <translation>Usuwanie nieudane! </translation>
    </message>
    <message>
        <source>Read LNB ...</source>
        <translation>Odczyt LNB ...</translation>
    </message>
    <message>
        <source>Read Satellites ...</source>
        <translation>Odczyt satelitów ...</translation>
    </message>
    <message>
        <source>Read Transponders ...</source>
        <translation>Odczyt transponderów ...</translation>
    </message>
    <message>
        <source>Write LNB ...</source>
        <translation>Zapis LNB ...</translation>
    </message>
    <message>
        <source>Write Satellites ...</source>
        <translation>Zapis satelitów ...</translation>
    </message>
    <message>
        <source>Write Transponders ...</source>
        <translation>Zapis transponderów ...</translation>
    </message>
    <message>
        <source>Verify ...</source>
        <translation>Weryfikacja ...</translation>
    </message>
    <message>
        <source>Verify Failed ! </source>
        <translation>Weryfikacja nieudana! </translation>
    </message>
    <message>
        <source>Verify failed: the table could not be read back from the meter.</source>
        <translation>Weryfikacja nieudana: nie udało się odczytać tabeli z powrotem z miernika.</translation>
    </message>
    <message>
        <source>Backup Failed ! </source>
        <translation>Kopia zapasowa nieudana! </translation>
    </message>
    <message>
        <source>Backup failed: the meter&apos;s table could not be read. Nothing was written; the meter&apos;s table was left as it was.</source>
        <translation>Kopia zapasowa nieudana: nie udało się odczytać tabeli miernika. Nic nie zostało zapisane; tabela w mierniku pozostała bez zmian.</translation>
    </message>
    <message>
        <source>You stopped the backup read. Nothing was written; the meter&apos;s table is as it was.</source>
        <translation>Przerwano odczyt kopii zapasowej. Nic nie zostało zapisane; tabela w mierniku jest bez zmian.</translation>
    </message>
    <message>
        <source>You stopped the read-back: the table was written to the meter but not checked.</source>
        <translation>Przerwano odczyt kontrolny: tabela została zapisana do miernika, ale nie została sprawdzona.</translation>
    </message>
    <message>
        <source>You stopped the write part-way, so the meter may now hold a partial table. Write the table again to make it whole.</source>
        <translation>Przerwano zapis w trakcie, więc miernik może teraz zawierać niepełną tabelę. Zapisz tabelę ponownie, aby była kompletna.</translation>
    </message>
    <message>
        <source>The write broke off part-way, so the meter may now hold a partial table. Check that the meter is switched on and connected, then write the table again.</source>
        <translation>Zapis przerwał się w trakcie, więc miernik może teraz zawierać niepełną tabelę. Sprawdź, czy miernik jest włączony i podłączony, a następnie zapisz tabelę ponownie.</translation>
    </message>
    <message>
        <source>Open logo file error !</source>
        <translation>Błąd otwarcia pliku logo!</translation>
    </message>
    <message>
        <source>Open icon file error !</source>
        <translation>Błąd otwarcia pliku ikon!</translation>
    </message>
    <message>
        <source>Logo file too short !</source>
        <translation>Plik logo jest za krótki!</translation>
    </message>
    <message>
        <source>Icon file too short !</source>
        <translation>Plik ikon jest za krótki!</translation>
    </message>
    <message>
        <source>Write logo ...</source>
        <translation>Zapis logo ...</translation>
    </message>
    <message>
        <source>Write icon ...</source>
        <translation>Zapis ikon ...</translation>
    </message>
    <message>
        <source>Are you sure to delete meter osd icon ?  </source>
        <translation>Czy na pewno usunąć ikony OSD miernika?  </translation>
    </message>
    <message>
        <source>logo files (*.bin);;All Files (*)</source>
        <translation>Pliki logo (*.bin);;Wszystkie pliki (*)</translation>
    </message>
    <message>
        <source>icon files (*.bin);;All Files (*)</source>
        <translation>Pliki ikon (*.bin);;Wszystkie pliki (*)</translation>
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
        <translation>Błąd zapisu pliku!</translation>
    </message>
    <message>
        <source>The table has no satellites or transponders to write.</source>
        <translation>Tabela nie zawiera satelitów ani transponderów do zapisania.</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>Cofnij: %1</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>Ponów: %1</translation>
    </message>
    <message>
        <source>Delete %1 TPs</source>
        <translation>Usuń TP (%1)</translation>
    </message>
    <message>
        <source>Add Satellite</source>
        <translation>Dodaj satelitę</translation>
    </message>
    <message>
        <source>Delete Satellite</source>
        <translation>Usuń satelitę</translation>
    </message>
    <message>
        <source>Edit Satellite</source>
        <translation>Edytuj satelitę</translation>
    </message>
    <message>
        <source>Add TP</source>
        <translation>Dodaj TP</translation>
    </message>
    <message>
        <source>Edit TP</source>
        <translation>Edytuj TP</translation>
    </message>
    <message>
        <source>Delete TP</source>
        <translation>Usuń TP</translation>
    </message>
    <message>
        <source>Edit LNB</source>
        <translation>Edytuj LNB</translation>
    </message>
    <message>
        <source>Sort TPs</source>
        <translation>Sortuj TP</translation>
    </message>
    <message>
        <source>Read from Meter</source>
        <translation>Odczyt z miernika</translation>
    </message>
    <message>
        <source>sattp files (*.csv);;All Files (*)</source>
        <translation>Pliki sattp (*.csv);;Wszystkie pliki (*)</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Otwórz</translation>
    </message>
    <message>
        <source>Save as</source>
        <translation>Zapisz jako</translation>
    </message>
    <message>
        <source>A firmware file&apos;s name begins with rav32izazud.</source>
        <translation>Nazwa pliku oprogramowania zaczyna się od rav32izazud.</translation>
    </message>
    <message>
        <source>A logo file&apos;s name begins with stm32logo.</source>
        <translation>Nazwa pliku logo zaczyna się od stm32logo.</translation>
    </message>
    <message>
        <source>An icon file&apos;s name begins with stm32icon.</source>
        <translation>Nazwa pliku ikon zaczyna się od stm32icon.</translation>
    </message>
    <message>
        <source>%1(the adapter was unplugged)</source>
        <translation>%1(odłączono adapter)</translation>
    </message>
    <message>
        <source>Meter found on %1</source>
        <translation>Znaleziono miernik na %1</translation>
    </message>
    <message>
        <source>A meter in its bootloader answered on %1: use Firmware upgrade (Meter &gt; SOFT upgrade)</source>
        <translation>Miernik w trybie bootloadera odpowiedział na %1: użyj Aktualizacja SOFT (Miernik &gt; Aktualizacja SOFT)</translation>
    </message>
    <message>
        <source>No meter answered on %1: is the meter switched on and its cable plugged?</source>
        <translation>Żaden miernik nie odpowiedział na %1: czy miernik jest włączony, a jego kabel podłączony?</translation>
    </message>
    <message>
        <source>No meter could be asked: %1</source>
        <translation>Nie można było zapytać żadnego miernika: %1</translation>
    </message>
    <message>
        <source>USB serial adapter plugged in: %1</source>
        <translation>Podłączono adapter USB-RS232: %1</translation>
    </message>
    <message>
        <source>USB serial adapter pulled out: %1</source>
        <translation>Odłączono adapter USB-RS232: %1</translation>
    </message>
    <message>
        <source>You are not allowed to use %1: add yourself to the group &apos;%2&apos; (sudo usermod -aG %3 $USER) and log in again</source>
        <translation>Nie masz uprawnień do %1: dodaj się do grupy &apos;%2&apos; (sudo usermod -aG %3 $USER) i zaloguj się ponownie</translation>
    </message>
    <message>
        <source>%1 is in use by another program</source>
        <translation>%1 jest używany przez inny program</translation>
    </message>
    <message>
        <source>%1 is in use by another program (%2)</source>
        <translation>%1 jest używany przez inny program (%2)</translation>
    </message>
    <message>
        <source>%1 is locked by another program (%2)</source>
        <translation>%1 jest zablokowany przez inny program (%2)</translation>
    </message>
    <message>
        <source>%1 is gone: is the cable plugged in?</source>
        <translation>%1 zniknął: czy kabel jest podłączony?</translation>
    </message>
    <message>
        <source>%1 is not a serial port</source>
        <translation>%1 nie jest portem szeregowym</translation>
    </message>
    <message>
        <source>%1 cannot be opened</source>
        <translation>Nie można otworzyć %1</translation>
    </message>
    <message>
        <source>%1 cannot be opened: %2</source>
        <translation>Nie można otworzyć %1: %2</translation>
    </message>
    <message>
        <source>%1 is busy: ModemManager is probing it; the package&apos;s udev rule keeps it away, or wait 10 s</source>
        <translation>%1 jest zajęty: ModemManager go sprawdza; reguła udev z pakietu trzyma go z dala, albo odczekaj 10 s</translation>
    </message>
    <message>
        <source>A %1 USB serial adapter is plugged in but has no port: brltty (a braille display service) claimed it; remove brltty with &apos;sudo apt remove brltty&apos; or, if a braille display needs it, run &apos;sudo systemctl mask brltty-udev.service&apos; and plug the adapter in again</source>
        <translation>Adapter USB-RS232 %1 jest podłączony, ale nie ma portu: przejął go brltty (usługa monitorów brajlowskich); usuń brltty poleceniem &apos;sudo apt remove brltty&apos; albo, jeśli potrzebuje go monitor brajlowski, uruchom &apos;sudo systemctl mask brltty-udev.service&apos; i podłącz adapter ponownie</translation>
    </message>
    <message>
        <source>%1 has no device: is the cable plugged in? (VELMORA_%2 may name its path)</source>
        <translation>%1 nie ma urządzenia: czy kabel jest podłączony? (VELMORA_%2 może podać jego ścieżkę)</translation>
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
        <translation>Wył.</translation>
    </message>
    <message>
        <source>Fixed</source>
        <translation>Stała</translation>
    </message>
    <message>
        <source>Moved</source>
        <translation>Z motorem</translation>
    </message>
    <message>
        <source>Looking for the meter ...</source>
        <translation>Szukanie miernika ...</translation>
    </message>
    <message>
        <source>No USB serial adapter is plugged in.</source>
        <translation>Nie podłączono żadnego adaptera USB-RS232.</translation>
    </message>
    <message>
        <source>%1 answers late (latency timer %2 ms): a table write will take about %3 seconds; see the manual page</source>
        <translation>%1 odpowiada z opóźnieniem (latency timer %2 ms): zapis tabeli potrwa około %3 s; zobacz stronę podręcznika</translation>
    </message>
    <message>
        <source>%1 answers late (latency timer %2 ms): a table write will take about %3 minutes; see the manual page</source>
        <translation>%1 odpowiada z opóźnieniem (latency timer %2 ms): zapis tabeli potrwa około %3 min; zobacz stronę podręcznika</translation>
    </message>
    <message>
        <source>%1 cannot keep: %2.</source>
        <translation>%1 nie pomieści: %2.</translation>
    </message>
    <message>
        <source>%1 Save anyway ?</source>
        <translation>%1 Zapisać mimo to?</translation>
    </message>
    <message>
        <source>%1: frequency %2 is outside %3..%4 MHz</source>
        <translation>%1: częstotliwość %2 jest poza zakresem %3..%4 MHz</translation>
    </message>
    <message>
        <source>%1: symbol rate %2 is outside %3..%4 kS/s</source>
        <translation>%1: szybkość symbolowa %2 jest poza zakresem %3..%4 kS/s</translation>
    </message>
    <message>
        <source>LNB %1: unknown type %2 (shown as 5150)</source>
        <translation>LNB %1: nieznany typ %2 (wyświetlany jako 5150)</translation>
    </message>
    <message>
        <source>%1: position %2 is above 3599 tenths of a degree (shown as %3)</source>
        <translation>%1: pozycja %2 przekracza 3599 dziesiątych części stopnia (wyświetlana jako %3)</translation>
    </message>
    <message>
        <source>%1: name has bytes that are not UTF-8 (%2)</source>
        <translation>%1: nazwa zawiera bajty spoza UTF-8 (%2)</translation>
    </message>
    <message>
        <source>%1: no transponders</source>
        <translation>%1: brak transponderów</translation>
    </message>
    <message>
        <source>%1: SAT %2 is not in use (the table has %3 satellites)</source>
        <translation>%1: SAT %2 nie jest używany (liczba satelitów w tabeli: %3)</translation>
    </message>
    <message>
        <source>%1: duplicate of TP %2 (%3)</source>
        <translation>%1: duplikat TP %2 (%3)</translation>
    </message>
    <message>
        <source>1 difference</source>
        <translation>1 różnica</translation>
    </message>
    <message>
        <source>%1 differences</source>
        <translation>różnice: %1</translation>
    </message>
    <message>
        <source>order differs</source>
        <translation>inna kolejność</translation>
    </message>
    <message>
        <source>icon written</source>
        <translation>ikony zapisane</translation>
    </message>
    <message>
        <source>logo written</source>
        <translation>logo zapisane</translation>
    </message>
    <message>
        <source>icon and logo written</source>
        <translation>ikony i logo zapisane</translation>
    </message>
    <message>
        <source>tables written</source>
        <translation>tabele zapisane</translation>
    </message>
    <message>
        <source>icon and tables written</source>
        <translation>ikony i tabele zapisane</translation>
    </message>
    <message>
        <source>logo and tables written</source>
        <translation>logo i tabele zapisane</translation>
    </message>
    <message>
        <source>icon, logo and tables written</source>
        <translation>ikony, logo i tabele zapisane</translation>
    </message>
    <message>
        <source>Patch up done in %1 s: firmware upgraded and verified.</source>
        <translation>Wgrywanie zakończone w %1 s: oprogramowanie zaktualizowane i sprawdzone.</translation>
    </message>
    <message>
        <source>Patch up done in %1 s.</source>
        <translation>Wgrywanie zakończone w %1 s.</translation>
    </message>
    <message>
        <source>Patch up done in %1 s: firmware upgraded and verified; %2.</source>
        <translation>Wgrywanie zakończone w %1 s: oprogramowanie zaktualizowane i sprawdzone; %2.</translation>
    </message>
    <message>
        <source>Patch up done in %1 s: %2.</source>
        <translation>Wgrywanie zakończone w %1 s: %2.</translation>
    </message>
    <message>
        <source>No answer from the meter on %1 yet: is it switched on and connected to this port? %2</source>
        <translation>Miernik na %1 jeszcze nie odpowiada: czy jest włączony i podłączony do tego portu? %2</translation>
    </message>
    <message>
        <source>No answer from the meter on %1: is it switched on and connected to this port? Nothing on the meter was changed.</source>
        <translation>Brak odpowiedzi miernika na %1: czy jest włączony i podłączony do tego portu? W mierniku nic nie zostało zmienione.</translation>
    </message>
    <message>
        <source>%1 The meter&apos;s table before this write is in %2.</source>
        <translation>%1 Tabela miernika sprzed tego zapisu jest w %2.</translation>
    </message>
    <message>
        <source>Backup failed: cannot write %1: %2. Nothing was written; the meter&apos;s table was left as it was.</source>
        <translation>Kopia zapasowa nieudana: nie można zapisać %1: %2. Nic nie zostało zapisane; tabela w mierniku pozostała bez zmian.</translation>
    </message>
    <message>
        <source>%1 was not read completely:

%2

Saving it writes the table without what is listed here.</source>
        <translation>Plik %1 nie został wczytany w całości:

%2

Przy zapisie tabela zostanie zapisana bez tego, co tu wymieniono.</translation>
    </message>
    <message>
        <source>%1 was not read completely (1 finding), so the table to be saved is shorter than that file.</source>
        <translation>Plik %1 nie został wczytany w całości (1 uwaga), więc tabela do zapisania jest krótsza niż ten plik.</translation>
    </message>
    <message>
        <source>%1 was not read completely (%2 findings), so the table to be saved is shorter than that file.</source>
        <translation>Plik %1 nie został wczytany w całości (liczba uwag: %2), więc tabela do zapisania jest krótsza niż ten plik.</translation>
    </message>
    <message>
        <source>Flash1M.bin written: %1 (%2 bytes)</source>
        <translation>Zapisano Flash1M.bin: %1 (rozmiar w bajtach: %2)</translation>
    </message>
    <message>
        <source>%1

The result was added to %2.</source>
        <translation>%1

Wynik dopisano do %2.</translation>
    </message>
    <message>
        <source>Import added nothing</source>
        <translation>Import nic nie dodał</translation>
    </message>
    <message>
        <source>Import added 1 TP</source>
        <translation>Import dodał 1 TP</translation>
    </message>
    <message>
        <source>Import added %1 TPs</source>
        <translation>Import dodał %1 TP</translation>
    </message>
    <message>
        <source>Import added 1 TP, 1 satellite</source>
        <translation>Import dodał 1 TP i 1 satelitę</translation>
    </message>
    <message>
        <source>Import added %1 TPs, 1 satellite</source>
        <translation>Import dodał %1 TP i 1 satelitę</translation>
    </message>
    <message>
        <source>Import added 1 TP, %1 satellites</source>
        <translation>Import dodał 1 TP, liczba satelitów: %1</translation>
    </message>
    <message>
        <source>Import added %1 TPs, %2 satellites</source>
        <translation>Import dodał %1 TP, liczba satelitów: %2</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Nie można zapisać %1: %2</translation>
    </message>
    <message>
        <source>Exported 1 satellite and 1 transponder to %1</source>
        <translation>Wyeksportowano 1 satelitę i 1 transponder do %1</translation>
    </message>
    <message>
        <source>Exported 1 satellite and %1 transponders to %2</source>
        <translation>Wyeksportowano do %2: 1 satelitę, liczba transponderów: %1</translation>
    </message>
    <message>
        <source>Exported %1 satellites and 1 transponder to %2</source>
        <translation>Wyeksportowano do %2: liczba satelitów: %1, 1 transponder</translation>
    </message>
    <message>
        <source>Exported %1 satellites and %2 transponders to %3</source>
        <translation>Wyeksportowano do %3: liczba satelitów: %1, liczba transponderów: %2</translation>
    </message>
    <message>
        <source>Cannot copy the sample table into %1.</source>
        <translation>Nie można skopiować przykładowej tabeli do %1.</translation>
    </message>
    <message>
        <source>Cannot create the data folder %1: %2</source>
        <translation>Nie można utworzyć folderu danych %1: %2</translation>
    </message>
    <message>
        <source>a file of that name is in the way</source>
        <translation>istnieje już plik o tej nazwie</translation>
    </message>
    <message>
        <source>Delete the transponder %1?</source>
        <translation>Usunąć transponder %1?</translation>
    </message>
    <message>
        <source>Delete %1 TPs ?</source>
        <translation>Usunąć TP (%1)?</translation>
    </message>
    <message>
        <source>Delete the satellite %1 and its transponders?</source>
        <translation>Usunąć satelitę %1 wraz z jego transponderami?</translation>
    </message>
    <message>
        <source>matched %1, added %2 satellites and %3 transponders, %4 duplicates skipped, %5 replaced, %6 left out (table full), %7 invalid</source>
        <translation>dopasowano: %1, dodano satelitów: %2 i transponderów: %3, pominięto duplikatów: %4, zastąpiono: %5, nie zmieściło się (tabela pełna): %6, błędnych: %7</translation>
    </message>
    <message>
        <source>no scan tables in %1: install them with &apos;sudo apt install dtv-scan-tables&apos;</source>
        <translation>brak tabel skanowania w %1: zainstaluj je poleceniem &apos;sudo apt install dtv-scan-tables&apos;</translation>
    </message>
    <message>
        <source>no scan tables in %1: %2</source>
        <translation>brak tabel skanowania w %1: %2</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Import</translation>
    </message>
    <message>
        <source>Downloading %1</source>
        <translation>Pobieranie %1</translation>
    </message>
    <message>
        <source>Download failed</source>
        <translation>Pobieranie nie powiodło się</translation>
    </message>
    <message>
        <source>Take the Meter&apos;s Table</source>
        <translation>Przejmij tabelę miernika</translation>
    </message>
    <message>
        <source>SOFT upgrade erases the meter&apos;s firmware and writes %1 in its place.

Switch the meter on while holding EXIT, then answer Yes.
Do not switch the meter off until the upgrade is done.

Upgrade the firmware now?</source>
        <translation>Aktualizacja SOFT kasuje oprogramowanie miernika i zapisuje w jego miejsce %1.

Włącz miernik, przytrzymując EXIT, a potem odpowiedz Tak.
Nie wyłączaj miernika, dopóki aktualizacja się nie zakończy.

Zaktualizować oprogramowanie teraz?</translation>
    </message>
    <message>
        <source>Logo written: %1</source>
        <translation>Zapisano logo: %1</translation>
    </message>
    <message>
        <source>Icon written: %1</source>
        <translation>Zapisano ikonę: %1</translation>
    </message>
    <message>
        <source>Icon file too large !</source>
        <translation>Plik ikon jest za duży!</translation>
    </message>
    <message>
        <source>Icon file header makes no sense ! %1 announces records of %2 bytes, %3 x %4 of each size: all three must be above 0.</source>
        <translation>Nagłówek pliku ikon nie ma sensu! %1 zapowiada rekordy po %2 bajtów, %3 x %4 każdego rozmiaru: wszystkie trzy muszą być większe od 0.</translation>
    </message>
    <message>
        <source>Icon file too large ! %1 announces %2 bytes; the meter&apos;s icon area holds %3.</source>
        <translation>Plik ikon jest za duży! %1 zapowiada %2 bajtów; obszar ikon miernika mieści %3.</translation>
    </message>
    <message>
        <source>Logo file too short ! %1 holds %2 bytes; a logo takes %3.</source>
        <translation>Plik logo jest za krótki! %1 ma %2 bajtów; logo zajmuje %3.</translation>
    </message>
    <message>
        <source>Icon file too short ! %1 holds %2 bytes; an icon header takes %3.</source>
        <translation>Plik ikon jest za krótki! %1 ma %2 bajtów; nagłówek ikon zajmuje %3.</translation>
    </message>
    <message>
        <source>Icon file too short ! %1 holds %2 bytes; its header announces %3.</source>
        <translation>Plik ikon jest za krótki! %1 ma %2 bajtów; jego nagłówek zapowiada %3.</translation>
    </message>
    <message>
        <source>hold EXIT while switching the meter on, then try again</source>
        <translation>przytrzymaj EXIT podczas włączania miernika, potem spróbuj ponownie</translation>
    </message>
    <message>
        <source>%1: LNB %2 (%3) receives %4..%5 MHz only</source>
        <translation>%1: LNB %2 (%3) odbiera tylko %4..%5 MHz</translation>
    </message>
    <message>
        <source>The meter restarts with its new firmware: %1 s</source>
        <translation>Miernik uruchamia się ponownie z nowym oprogramowaniem: %1 s</translation>
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
        <translation>W %1 nie ma kopii. Kopia powstaje przed każdym zapisem, gdy włączona jest opcja Miernik &gt; Kopia przed zapisem.</translation>
    </message>
    <message>
        <source>Write the backup %1 to the meter? It replaces the meter&apos;s table.</source>
        <translation>Zapisać kopię %1 w mierniku? Zastąpi ona tabelę miernika.</translation>
    </message>
    <message>
        <source>Backup written to the meter: %1</source>
        <translation>Zapisano kopię w mierniku: %1</translation>
    </message>
    <message>
        <source>The backup %1 holds no satellites, so there is nothing to write back.</source>
        <translation>Kopia %1 nie zawiera satelitów, więc nie ma czego zapisać z powrotem.</translation>
    </message>
    <message>
        <source>No data folder for the unit records (HOME is not set); turn off Meter &gt; Record unit records or name a file in the settings.</source>
        <translation>Brak folderu danych dla rejestru urządzeń (HOME nie jest ustawione); wyłącz Miernik &gt; Prowadź rejestr urządzeń lub podaj plik w ustawieniach.</translation>
    </message>
</context>
<context>
    <name>Language</name>
    <message>
        <source>Language</source>
        <translation>Język</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>Domyślny systemu</translation>
    </message>
    <message>
        <source>The language changes when Orvane is started next.</source>
        <translation>Język zmieni się przy następnym uruchomieniu Orvane.</translation>
    </message>
</context>
<context>
    <name>LnbChoiceText</name>
    <message>
        <source>no DiSEqC</source>
        <translation>bez DiSEqC</translation>
    </message>
    <message>
        <source>unknown DiSEqC switch</source>
        <translation>nieznany przełącznik DiSEqC</translation>
    </message>
    <message>
        <source>DiSEqC %1 tone burst %2</source>
        <translation>DiSEqC %1 tone burst %2</translation>
    </message>
    <message>
        <source>DiSEqC %1 input %2</source>
        <translation>DiSEqC %1 wejście %2</translation>
    </message>
</context>
<context>
    <name>MeterMenu</name>
    <message>
        <source>backups/ beside the table</source>
        <translation>backups/ obok tabeli</translation>
    </message>
    <message>
        <source>Back up before write (to %1)</source>
        <translation>Kopia przed zapisem (do %1)</translation>
    </message>
    <message>
        <source>Write the backup back</source>
        <translation>Zapisz kopię z powrotem</translation>
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
        <translation>Otwórz</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Zapisz</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Odczyt</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>Zapis</translation>
    </message>
</context>
<context>
    <name>velmora::AboutDlg</name>
    <message>
        <source>About Orvane</source>
        <translation>O programie Orvane</translation>
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
        <translation>Dodaj satelity z katalogu</translation>
    </message>
    <message>
        <source>Find a satellite by name or position</source>
        <translation>Szukaj satelity według nazwy lub pozycji</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Pozycja</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nazwa</translation>
    </message>
    <message>
        <source>TPs</source>
        <translation>TP</translation>
    </message>
    <message>
        <source>Tick the satellites to add.</source>
        <translation>Zaznacz satelity do dodania.</translation>
    </message>
</context>
<context>
    <name>velmora::CheckDlg</name>
    <message>
        <source>Check table</source>
        <translation>Sprawdzanie tabeli</translation>
    </message>
    <message>
        <source>Nothing looks wrong with the table.</source>
        <translation>W tabeli nie widać żadnych błędów.</translation>
    </message>
    <message numerus="yes">
        <source>%n finding(s); click one to select its row.</source>
        <translation>
            <numerusform>%n uwaga; kliknij ją, aby zaznaczyć jej wiersz.</numerusform>
            <numerusform>%n uwagi; kliknij jedną, aby zaznaczyć jej wiersz.</numerusform>
            <numerusform>%n uwag; kliknij jedną, aby zaznaczyć jej wiersz.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>velmora::CompareDlg</name>
    <message>
        <source>Compare with meter</source>
        <translation>Porównanie z miernikiem</translation>
    </message>
    <message>
        <source>What writing the document&apos;s tables would change on the meter:</source>
        <translation>Co zmieniłby w mierniku zapis tabel tego dokumentu:</translation>
    </message>
    <message>
        <source>Take the meter&apos;s table</source>
        <translation>Przejmij tabelę miernika</translation>
    </message>
    <message>
        <source>Replace the document&apos;s tables with the meter&apos;s</source>
        <translation>Zastąp tabele dokumentu tabelami miernika</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>Write to the meter</source>
        <translation>Zapisz w mierniku</translation>
    </message>
    <message>
        <source>Replace the meter&apos;s table with the document&apos;s</source>
        <translation>Zastąp tabelę miernika tabelą dokumentu</translation>
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
        <translation>Anuluj</translation>
    </message>
</context>
<context>
    <name>velmora::HelpDlg</name>
    <message>
        <source>Orvane Help</source>
        <translation>Pomoc Orvane</translation>
    </message>
</context>
<context>
    <name>velmora::ImportDlg</name>
    <message>
        <source>Find a satellite by name or position</source>
        <translation>Szukaj satelity według nazwy lub pozycji</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Pozycja</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nazwa</translation>
    </message>
    <message>
        <source>TPs</source>
        <extracomment>Column of transponder counts</extracomment>
        <translation>TP</translation>
    </message>
    <message>
        <source>Goes into</source>
        <translation>Cel</translation>
    </message>
    <message>
        <source>The name a new satellite gets; double-click to change it</source>
        <translation>Nazwa, którą otrzyma nowy satelita; kliknij dwukrotnie, aby ją zmienić</translation>
    </message>
    <message>
        <source>A new satellite, or a table satellite of the band within 1.0 degree</source>
        <translation>Nowy satelita albo satelita z tabeli w tym samym paśmie, odległy najwyżej o 1,0 stopnia</translation>
    </message>
    <message>
        <source>Select all</source>
        <translation>Zaznacz wszystkie</translation>
    </message>
    <message>
        <source>Select none</source>
        <translation>Odznacz wszystkie</translation>
    </message>
    <message>
        <source>LNB of new Ku-band satellites</source>
        <translation>LNB nowych satelitów pasma Ku</translation>
    </message>
    <message>
        <source>LNB of new C-band satellites</source>
        <translation>LNB nowych satelitów pasma C</translation>
    </message>
    <message>
        <source>Add new transponders</source>
        <translation>Dodaj nowe transpondery</translation>
    </message>
    <message>
        <source>Replace the transponders of the table satellites they go into</source>
        <translation>Zastąp transpondery docelowych satelitów z tabeli</translation>
    </message>
    <message>
        <source>new</source>
        <extracomment>The choice &quot;a new satellite&quot; in the &quot;Goes into&quot; column</extracomment>
        <translation>nowy</translation>
    </message>
    <message>
        <source>Nothing in the table changes.</source>
        <translation>Nic w tabeli się nie zmienia.</translation>
    </message>
    <message>
        <source>LNB of new Ka-band satellites</source>
        <translation>LNB nowych satelitów pasma Ka</translation>
    </message>
</context>
<context>
    <name>velmora::LnbEditDlg</name>
    <message>
        <source>LNB Edit</source>
        <translation>Edycja LNB</translation>
    </message>
    <message>
        <source>LNB frequency</source>
        <translation>Częstotliwość LNB</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Wył.</translation>
    </message>
    <message>
        <source>LNB power</source>
        <translation>Zasilanie LNB</translation>
    </message>
    <message>
        <source>Fixed</source>
        <translation>Stała</translation>
    </message>
    <message>
        <source>Moved</source>
        <translation>Z motorem</translation>
    </message>
    <message>
        <source>Dish type</source>
        <translation>Antena</translation>
    </message>
    <message>
        <source>DiSEqC switch</source>
        <translation>Przełącznik DiSEqC</translation>
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
        <translation>Wejście DiSEqC</translation>
    </message>
    <message>
        <source>22 kHz tone</source>
        <translation>Ton 22 kHz</translation>
    </message>
</context>
<context>
    <name>velmora::MainFrame</name>
    <message>
        <source>Ready</source>
        <translation>Gotowy</translation>
    </message>
    <message>
        <source>Recent files</source>
        <translation>Ostatnie pliki</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Pasek narzędzi</translation>
    </message>
    <message>
        <source>Satellites %1/%2   TPs %3/%4</source>
        <extracomment>How full the tables are; &quot;TPs&quot; are transponders</extracomment>
        <translation>Satelity %1/%2   TP %3/%4</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Bez nazwy</translation>
    </message>
</context>
<context>
    <name>velmora::RestoreDlg</name>
    <message>
        <source>Restore a backup</source>
        <translation>Przywróć kopię</translation>
    </message>
    <message>
        <source>The backups in %1, newest first. The one you choose replaces the meter&apos;s table; the document stays as it is.</source>
        <translation>Kopie w %1, od najnowszej. Wybrana zastąpi tabelę miernika; dokument pozostaje bez zmian.</translation>
    </message>
    <message>
        <source>Taken</source>
        <translation>Wykonano</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Plik</translation>
    </message>
    <message>
        <source>Write to the meter</source>
        <translation>Zapisz w mierniku</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
</context>
<context>
    <name>velmora::SatAddDlg</name>
    <message>
        <source>Satellite Edit</source>
        <translation>Edycja satelity</translation>
    </message>
    <message>
        <source>Satellite Add</source>
        <translation>Dodawanie satelity</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satelita</translation>
    </message>
    <message>
        <source>East</source>
        <translation>Wsch.</translation>
    </message>
    <message>
        <source>West</source>
        <translation>Zach.</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Pozycja</translation>
    </message>
    <message>
        <source>%1 of %2 bytes left</source>
        <translation>zostało %1 z %2 bajtów</translation>
    </message>
    <message>
        <source>A comma cannot be stored: sattp.csv separates its columns with commas.</source>
        <translation>Przecinka nie można zapisać: sattp.csv oddziela kolumny przecinkami.</translation>
    </message>
    <message>
        <source>No room left: a name holds at most %1 bytes, and a letter such as é takes 2.</source>
        <translation>Brak miejsca: nazwa mieści najwyżej %1 bajtów, a litera taka jak é zajmuje 2.</translation>
    </message>
</context>
<context>
    <name>velmora::SatelliteTree</name>
    <message>
        <source>All Satellites</source>
        <translation>Wszystkie satelity</translation>
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
        <translation>Satelita</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Częstotliwość</translation>
    </message>
    <message>
        <source>MHz</source>
        <translation>MHz</translation>
    </message>
    <message>
        <source>Symbol rate</source>
        <translation>Szybkość symbolowa</translation>
    </message>
    <message>
        <source>kS/s</source>
        <translation>kS/s</translation>
    </message>
    <message>
        <source>Vertical / right (13 V)</source>
        <translation>Pionowa / prawa (13 V)</translation>
    </message>
    <message>
        <source>Horizontal / left (18 V)</source>
        <translation>Pozioma / lewa (18 V)</translation>
    </message>
    <message>
        <source>Polarisation</source>
        <translation>Polaryzacja</translation>
    </message>
    <message>
        <source>Unique</source>
        <extracomment>A transponder found nowhere else in the table</extracomment>
        <translation>Unikat</translation>
    </message>
</context>
<context>
    <name>velmora::TpSortDlg</name>
    <message>
        <source>Frequency</source>
        <translation>Częstotliwość</translation>
    </message>
    <message>
        <source>Symbol rate</source>
        <translation>Szybkość symbolowa</translation>
    </message>
    <message>
        <source>Polarisation</source>
        <translation>Polaryzacja</translation>
    </message>
    <message>
        <source>Start with</source>
        <translation>Zacznij od</translation>
    </message>
    <message>
        <source>West to east</source>
        <translation>Z zachodu na wschód</translation>
    </message>
    <message>
        <source>East to west</source>
        <translation>Ze wschodu na zachód</translation>
    </message>
    <message>
        <source>Satellites</source>
        <translation>Satelity</translation>
    </message>
    <message>
        <source>Transponders</source>
        <translation>Transpondery</translation>
    </message>
    <message>
        <source>then by</source>
        <translation>następnie według</translation>
    </message>
    <message>
        <source>Satellites are put in order of position, beginning with the one chosen and going round in the direction chosen. The transponders of each satellite are sorted by the two keys.</source>
        <translation>Satelity są układane według pozycji, zaczynając od wybranego i idąc dookoła w wybranym kierunku. Transpondery każdego satelity są sortowane według obu kluczy.</translation>
    </message>
</context>
<context>
    <name>velmora::TransponderListView</name>
    <message>
        <source>%1 of %2 rows match &quot;%3&quot;</source>
        <translation>%1 z %2 wierszy pasuje do „%3”</translation>
    </message>
</context>
<context>
    <name>velmora::UnitRecordsDlg</name>
    <message>
        <source>Unit records</source>
        <translation>Rejestr urządzeń</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Szukaj</translation>
    </message>
    <message>
        <source>Unique ID:</source>
        <translation>Unikalny ID:</translation>
    </message>
    <message>
        <source>From (UTC):</source>
        <translation>Od (UTC):</translation>
    </message>
    <message>
        <source>To (UTC):</source>
        <translation>Do (UTC):</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Czas</translation>
    </message>
    <message>
        <source>Bench</source>
        <translation>Stanowisko</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Unique ID</source>
        <translation>Unikalny ID</translation>
    </message>
    <message>
        <source>Firmware</source>
        <translation>Oprogramowanie</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Wynik</translation>
    </message>
    <message>
        <source>Reason</source>
        <translation>Przyczyna</translation>
    </message>
    <message>
        <source>Write a day as 2026-12-09, a time as 2026-12-09T08:00:00Z.</source>
        <translation>Dzień zapisz jako 2026-12-09, czas jako 2026-12-09T08:00:00Z.</translation>
    </message>
    <message>
        <source>passed</source>
        <translation>udane</translation>
    </message>
    <message>
        <source>failed</source>
        <translation>nieudane</translation>
    </message>
    <message>
        <source>%1 serviced, %2 passed, %3 failed; records in %4</source>
        <translation>obsłużono %1, udanych %2, nieudanych %3; rejestr w %4</translation>
    </message>
    <message>
        <source>Records</source>
        <translation>Wpisy</translation>
    </message>
    <message>
        <source>Production report</source>
        <translation>Raport produkcji</translation>
    </message>
    <message>
        <source>Open a report...</source>
        <translation>Otwórz raport...</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Początek</translation>
    </message>
    <message>
        <source>Meter</source>
        <translation>Urządzenie</translation>
    </message>
    <message>
        <source>Steps</source>
        <translation>Kroki</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Raport</translation>
    </message>
    <message>
        <source>Open a report</source>
        <translation>Otwórz raport</translation>
    </message>
    <message>
        <source>Production reports (*.jsonl *.json *.txt);;All Files (*)</source>
        <translation>Raporty produkcji (*.jsonl *.json *.txt);;Wszystkie pliki (*)</translation>
    </message>
    <message>
        <source>The production line writes one line per meter into the file of --report.</source>
        <translation>Linia produkcyjna zapisuje jeden wiersz na miernik do pliku --report.</translation>
    </message>
    <message>
        <source>%1 cannot be read.</source>
        <translation>Nie można odczytać %1.</translation>
    </message>
    <message>
        <source>%1, line %2, is not a line of a production report.</source>
        <translation>%1, wiersz %2, nie jest wierszem raportu produkcji.</translation>
    </message>
    <message>
        <source>%1: %2 meters, %3 passed, %4 failed</source>
        <translation>%1: mierniki %2, udane %3, nieudane %4</translation>
    </message>
</context>
<context>
    <name>velmora::UrlDlg</name>
    <message>
        <source>Import from the web</source>
        <translation>Import z internetu</translation>
    </message>
    <message>
        <source>https://... a satellites.xml, .ini or dvbv5 list</source>
        <translation>https://... lista satellites.xml, .ini lub dvbv5</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adres</translation>
    </message>
</context>
<context>
    <name>velmora::VelmoraDoc</name>
    <message>
        <source>Untitled</source>
        <translation>Bez nazwy</translation>
    </message>
</context>
<context>
    <name>WebPage</name>
    <message>
        <source>Name</source>
        <translation>Nazwa</translation>
    </message>
    <message>
        <source>Hemisphere</source>
        <translation>Półkula</translation>
    </message>
    <message>
        <source>TP Add</source>
        <translation>Dodaj TP</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nie</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Tak</translation>
    </message>
    <message>
        <source>TP Edit</source>
        <translation>Edytuj TP</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>Wejście</translation>
    </message>
    <message>
        <source>22K tone</source>
        <translation>Ton 22 kHz</translation>
    </message>
    <message>
        <source>TP Sort</source>
        <translation>Sortuj TP</translation>
    </message>
    <message>
        <source>First satellite</source>
        <translation>Pierwszy satelita</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>Kierunek</translation>
    </message>
    <message>
        <source>West-&gt;East</source>
        <translation>Zachód-&gt;Wschód</translation>
    </message>
    <message>
        <source>East-&gt;West</source>
        <translation>Wschód-&gt;Zachód</translation>
    </message>
    <message>
        <source>First key</source>
        <translation>Pierwszy klucz</translation>
    </message>
    <message>
        <source>Symbolrate</source>
        <translation>Szybkość symbolowa</translation>
    </message>
    <message>
        <source>Pol</source>
        <translation>Pol</translation>
    </message>
    <message>
        <source>Second key</source>
        <translation>Drugi klucz</translation>
    </message>
    <message>
        <source>automatic</source>
        <translation>automatycznie</translation>
    </message>
    <message>
        <source>The address of a transponder list (http or https):</source>
        <translation>Adres listy transponderów (http lub https):</translation>
    </message>
    <message>
        <source>Findings: %1</source>
        <translation>Uwagi: %1</translation>
    </message>
    <message>
        <source>No findings</source>
        <translation>Brak uwag</translation>
    </message>
    <message>
        <source>Orvane in the browser: the table editor and meter service, with the same core as the desktop program.</source>
        <translation>Orvane w przeglądarce: edytor tabel i obsługa miernika, z tym samym rdzeniem co program na komputer.</translation>
    </message>
    <message>
        <source>The commands are those of the desktop program&apos;s menus. Connect chooses the meter&apos;s serial port.</source>
        <translation>Polecenia są takie jak w menu programu na komputer. „Połącz” wybiera port szeregowy miernika.</translation>
    </message>
    <message>
        <source>%1: the browser cannot do this; the desktop program can.</source>
        <translation>%1: przeglądarka tego nie potrafi; program na komputer tak.</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ustawienia</translation>
    </message>
    <message>
        <source>Web Serial port chosen</source>
        <translation>Wybrano port Web Serial</translation>
    </message>
    <message>
        <source>This browser has no Web Serial, so the page cannot reach a meter: use Chrome, Edge or Opera on Windows, macOS or Linux (or Firefox from its release 151); the table editor works here.</source>
        <translation>Ta przeglądarka nie ma Web Serial, więc strona nie może dotrzeć do miernika: użyj Chrome, Edge lub Opery w systemie Windows, macOS lub Linux (albo Firefoksa od wersji 151); edytor tabel działa tutaj.</translation>
    </message>
    <message>
        <source>Menus</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Połącz</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>No port</source>
        <translation>Brak portu</translation>
    </message>
    <message>
        <source>List</source>
        <translation>Lista</translation>
    </message>
    <message>
        <source>Meter</source>
        <translation>Miernik</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Stan</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Postęp</translation>
    </message>
    <message>
        <source>Satellites of the list</source>
        <translation>Satelity z listy</translation>
    </message>
    <message>
        <source>Import summary</source>
        <translation>Podsumowanie importu</translation>
    </message>
    <message>
        <source>Changes</source>
        <translation>Zmiany</translation>
    </message>
    <message>
        <source>The desktop program has this; a browser cannot do it.</source>
        <translation>Program na komputer to ma; przeglądarka tego nie potrafi.</translation>
    </message>
</context>
</TS>
