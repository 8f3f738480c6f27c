<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it" sourcelanguage="en">
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
        <translation> Per LMT41C, LMT40S ecc.<byte value="xd"/>
 1) Nel menu &apos;software upgrade&apos; del misuratore si può salvare sattp.csv su una chiavetta USB.<byte value="xd"/>
 2) Modificare sattp.csv con velmora, poi salvare sattp.csv e copiarlo sulla chiavetta USB.<byte value="xd"/>
 3) Nel menu &apos;software upgrade&apos; del misuratore si può caricare sattp.csv dalla chiavetta USB.<byte value="xd"/>
 Attenzione: scollegare la chiavetta USB prima di accendere, altrimenti parte l&apos;aggiornamento.<byte value="xd"/>
<byte value="xd"/>
 Per l&apos;LMT20 la porta seriale deve prima essere vostra!<byte value="xd"/>
 Un adattatore USB-RS232 compare come /dev/ttyUSB0 (COM1); aggiungetevi al gruppo<byte value="xd"/>
 &apos;dialout&apos; (sudo usermod -aG dialout $USER) e rientrate nella sessione.<byte value="xd"/>
<byte value="xd"/>
 LMT20: AGGIORNAMENTO DATI<byte value="xd"/>
 1) Modificare sattp.csv con velmora, poi salvare sattp.csv.<byte value="xd"/>
 2) Collegare l&apos;adattatore USB-RS232 al PC e accendere il misuratore.<byte value="xd"/>
 3) Scegliere la sua porta (COM1..COM9) e fare clic su &apos;Scrivi&apos; in velmora.<byte value="xd"/>
 4) Se l&apos;aggiornamento riesce, il display del misuratore mostra &apos;OK&apos;.  <byte value="xd"/>
 <byte value="xd"/>
 LMT20: AGGIORNAMENTO FIRMWARE<byte value="xd"/>
 1) Collegare l&apos;adattatore USB-RS232 al PC. <byte value="xd"/>
 2) Premere EXIT e accendere il misuratore. <byte value="xd"/>
 3) Aprire il file hex del firmware dal menu File. <byte value="xd"/>
 4) Fare clic su &apos;SOFT&apos; in velmora per aggiornare il firmware.<byte value="xd"/>
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
            <numerusform>%n aggiunto</numerusform>
            <numerusform>%n aggiunti</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n removed</source>
        <translation>
            <numerusform>%n rimosso</numerusform>
            <numerusform>%n rimossi</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n changed</source>
        <translation>
            <numerusform>%n modificato</numerusform>
            <numerusform>%n modificati</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>FormLayout</name>
    <message>
        <source>RS232 communication</source>
        <translation>Collegamento RS232</translation>
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
        <translation>Aggiungi</translation>
    </message>
    <message>
        <source>EDIT</source>
        <translation>Modifica</translation>
    </message>
    <message>
        <source>DELETE</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>SORT</source>
        <translation>Ordina</translation>
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
        <translation>Cerca (Ctrl+F)</translation>
    </message>
</context>
<context>
    <name>ImportDlg</name>
    <message>
        <source>Import transponders</source>
        <translation>Importa transponder</translation>
    </message>
    <message>
        <source>Export satellites.xml</source>
        <translation>Esporta satellites.xml</translation>
    </message>
    <message>
        <source>C band</source>
        <translation>Banda C</translation>
    </message>
    <message>
        <source>Ka band</source>
        <translation>Banda Ka</translation>
    </message>
    <message>
        <source>Ku band</source>
        <translation>Banda Ku</translation>
    </message>
    <message>
        <source>%1: no satellites in this list</source>
        <translation>%1: nessun satellite in questa lista</translation>
    </message>
    <message>
        <source>All files (*);;Transponder lists (*.xml *.ini)</source>
        <translation>Tutti i file (*);;Elenchi di transponder (*.xml *.ini)</translation>
    </message>
</context>
<context>
    <name>MainFrame</name>
    <message>
        <source>CAP</source>
        <extracomment>The status bar&apos;s Caps Lock indicator: keep it as short as the keyboard&apos;s word</extracomment>
        <translation>MAIUSC</translation>
    </message>
    <message>
        <source>NUM</source>
        <extracomment>The status bar&apos;s Num Lock indicator</extracomment>
        <translation>NUM</translation>
    </message>
    <message>
        <source>SCRL</source>
        <extracomment>The status bar&apos;s Scroll Lock indicator</extracomment>
        <translation>SCORR</translation>
    </message>
</context>
<context>
    <name>TpListModel</name>
    <message>
        <source>No.</source>
        <translation>N.</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satellite</translation>
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
        <translation>UNICO</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Alim.</translation>
    </message>
    <message>
        <source>Dish</source>
        <translation>Parabola</translation>
    </message>
    <message>
        <source>DiSEqC Switch</source>
        <translation>Switch DiSEqC</translation>
    </message>
    <message>
        <source>DiSEqC Input</source>
        <translation>Ingresso DiSEqC</translation>
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
        <translation>%1 (nuovo)</translation>
    </message>
    <message>
        <source>%1 added</source>
        <extracomment>Transponders added to a satellite.</extracomment>
        <translation>%1 aggiunti</translation>
    </message>
    <message>
        <source>%1 removed</source>
        <extracomment>Transponders removed from a satellite.</extracomment>
        <translation>%1 rimossi</translation>
    </message>
    <message>
        <source>%1 changed</source>
        <extracomment>Transponders whose symbol rate changes.</extracomment>
        <translation>%1 modificati</translation>
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
        <translation>%1 corrisponde a %2</translation>
    </message>
</context>
<context>
    <name>Commands</name>
    <message>
        <source>New(&amp;N)</source>
        <translation>&amp;Nuovo</translation>
    </message>
    <message>
        <source>Open(&amp;O)...</source>
        <translation>&amp;Apri...</translation>
    </message>
    <message>
        <source>Open an existing table file
Open a table</source>
        <translation>Apre un file CSV esistente
Apri file CSV</translation>
    </message>
    <message>
        <source>Save(&amp;S)</source>
        <translation>&amp;Salva</translation>
    </message>
    <message>
        <source>Save the table to its file
Save</source>
        <translation>Salva nel file CSV attuale
Salva</translation>
    </message>
    <message>
        <source>Save as(&amp;A)...</source>
        <translation>Salva &amp;con nome...</translation>
    </message>
    <message>
        <source>Save the table to a new file
Save as</source>
        <translation>Salva in un nuovo file CSV
Salva con nome</translation>
    </message>
    <message>
        <source>Import transponders...</source>
        <translation>Importa transponder...</translation>
    </message>
    <message>
        <source>Merge a satellites.xml, .ini or dvbv5 transponder list into the table
Import transponders</source>
        <translation>Unisce alla tabella una lista di transponder (satellites.xml, .ini o dvbv5)
Importa transponder</translation>
    </message>
    <message>
        <source>Export satellites.xml...</source>
        <translation>Esporta satellites.xml...</translation>
    </message>
    <message>
        <source>Write the table as a satellites.xml file
Export satellites.xml</source>
        <translation>Scrive la tabella in un file satellites.xml
Esporta satellites.xml</translation>
    </message>
    <message>
        <source>Load soft...</source>
        <translation>Carica firmware...</translation>
    </message>
    <message>
        <source>Load a firmware file (rav32izazud.hex)
Load soft</source>
        <translation>Carica un file rav32izazud.hex esistente
Apri rav32izazud.hex</translation>
    </message>
    <message>
        <source>Load icon...</source>
        <translation>Carica icone...</translation>
    </message>
    <message>
        <source>Load an icon file (stm32icon.bin)
Load icon</source>
        <translation>Carica un file stm32icon.bin esistente
Apri file stm32icon</translation>
    </message>
    <message>
        <source>Load logo...</source>
        <translation>Carica logo...</translation>
    </message>
    <message>
        <source>Load a logo file (bootlogo.bin)
Load logo</source>
        <translation>Carica un file bootlogo.bin esistente
Apri file bootlogo</translation>
    </message>
    <message>
        <source>Create Flash1M.bin</source>
        <translation>Crea Flash1M.bin</translation>
    </message>
    <message>
        <source>Create the factory image Flash1M.bin
Create Flash1M.bin</source>
        <translation>Crea Flash1M.bin per la produzione
Crea Flash1M.bin</translation>
    </message>
    <message>
        <source>Exit(&amp;X)</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>Quit, asking to save the changes first
Exit</source>
        <translation>Esce chiedendo se salvare
Esci</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Undo the last change of the tables
Undo</source>
        <translation>Annulla l&apos;ultima modifica delle tabelle
Annulla</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Ripeti</translation>
    </message>
    <message>
        <source>Redo the change undone last
Redo</source>
        <translation>Ripete l&apos;ultima modifica annullata
Ripeti</translation>
    </message>
    <message>
        <source>TP Add...</source>
        <translation>Aggiungi TP...</translation>
    </message>
    <message>
        <source>Add a transponder</source>
        <translation>Aggiunge un transponder</translation>
    </message>
    <message>
        <source>TP Edit...</source>
        <translation>Modifica TP...</translation>
    </message>
    <message>
        <source>Edit the selected transponder</source>
        <translation>Modifica il transponder selezionato</translation>
    </message>
    <message>
        <source>TP Delete</source>
        <translation>Elimina TP</translation>
    </message>
    <message>
        <source>Delete the selected transponders</source>
        <translation>Elimina i transponder selezionati</translation>
    </message>
    <message>
        <source>TP Sort...</source>
        <translation>Ordina TP...</translation>
    </message>
    <message>
        <source>Sort the transponders</source>
        <translation>Ordina i transponder</translation>
    </message>
    <message>
        <source>Satellite Add...</source>
        <translation>Aggiungi satellite...</translation>
    </message>
    <message>
        <source>Add a satellite</source>
        <translation>Aggiunge un satellite</translation>
    </message>
    <message>
        <source>Satellite Edit...</source>
        <translation>Modifica satellite...</translation>
    </message>
    <message>
        <source>Edit the chosen satellite</source>
        <translation>Modifica il satellite scelto</translation>
    </message>
    <message>
        <source>Satellite Delete</source>
        <translation>Elimina satellite</translation>
    </message>
    <message>
        <source>Delete the satellite of the selected transponder</source>
        <translation>Elimina il satellite del transponder selezionato</translation>
    </message>
    <message>
        <source>LNB Edit...</source>
        <translation>Modifica LNB...</translation>
    </message>
    <message>
        <source>Edit the selected LNB</source>
        <translation>Modifica l&apos;LNB selezionato</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Cerca</translation>
    </message>
    <message>
        <source>Find transponders by frequency, symbol rate, polarisation or satellite</source>
        <translation>Cerca transponder per frequenza, symbol rate, polarizzazione o satellite</translation>
    </message>
    <message>
        <source>Check table...</source>
        <translation>Controlla tabella...</translation>
    </message>
    <message>
        <source>List what is probably wrong with the table</source>
        <translation>Elenca ciò che probabilmente non va nella tabella</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Leggi</translation>
    </message>
    <message>
        <source>Read transponders from meter</source>
        <translation>Legge i transponder dal misuratore</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>Scrivi</translation>
    </message>
    <message>
        <source>Write transponders to meter</source>
        <translation>Scrive i transponder nel misuratore</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Stop read/write transponders</source>
        <translation>Interrompe la lettura/scrittura dei transponder</translation>
    </message>
    <message>
        <source>Compare with meter...</source>
        <translation>Confronta con misuratore...</translation>
    </message>
    <message>
        <source>Compare the tables with the meter&apos;s tables
Compare with meter</source>
        <translation>Confronta le tabelle con quelle del misuratore
Confronta con misuratore</translation>
    </message>
    <message>
        <source>Unit records...</source>
        <translation>Registro apparecchi...</translation>
    </message>
    <message>
        <source>Show the records of the meters this bench serviced
Unit records</source>
        <translation>Mostra il registro dei misuratori lavorati su questo banco
Registro apparecchi</translation>
    </message>
    <message>
        <source>Write logo</source>
        <translation>Scrivi logo</translation>
    </message>
    <message>
        <source>Write logo to meter</source>
        <translation>Scrive il logo nel misuratore</translation>
    </message>
    <message>
        <source>Write icon</source>
        <translation>Scrivi icone</translation>
    </message>
    <message>
        <source>Write icon to meter</source>
        <translation>Scrive le icone nel misuratore</translation>
    </message>
    <message>
        <source>SOFT upgrade</source>
        <translation>Aggiorna firmware</translation>
    </message>
    <message>
        <source>Upgrade the meter&apos;s software, Please press EXIT and turn on meter first !</source>
        <translation>Aggiorna il firmware del misuratore. Prima premere EXIT e accendere il misuratore!</translation>
    </message>
    <message>
        <source>PATCH UP</source>
        <translation>PATCH UP</translation>
    </message>
    <message>
        <source>Run the ticked uploads (SOFT, ICON, LOGO, SAT TP) one by one
Patch up one by one</source>
        <translation>Esegue uno dopo l&apos;altro i caricamenti spuntati (SOFT, ICON, LOGO, SAT TP)
Carica uno dopo l&apos;altro</translation>
    </message>
    <message>
        <source>Delete meter OSD icon...</source>
        <translation>Elimina icone OSD del misuratore...</translation>
    </message>
    <message>
        <source>Delete the meter&apos;s on-screen icons
Delete icons</source>
        <translation>Elimina le icone OSD del misuratore
Elimina icone</translation>
    </message>
    <message>
        <source>Verify after write</source>
        <translation>Verifica dopo la scrittura</translation>
    </message>
    <message>
        <source>Read the tables back after a write and check them
Verify after write</source>
        <translation>Rilegge le tabelle dopo una scrittura e le controlla
Verifica dopo la scrittura</translation>
    </message>
    <message>
        <source>Back up before write</source>
        <translation>Backup prima di scrivere</translation>
    </message>
    <message>
        <source>Save the meter&apos;s tables in the backups folder before a write
Back up before write</source>
        <translation>Salva le tabelle del misuratore nella cartella dei backup prima di scrivere
Backup prima di scrivere</translation>
    </message>
    <message>
        <source>Help Contents...</source>
        <translation>Sommario della guida...</translation>
    </message>
    <message>
        <source>Show the guide to the everyday tasks
Help Contents</source>
        <translation>Mostra la guida alle operazioni quotidiane
Sommario della guida</translation>
    </message>
    <message>
        <source>About Orvane...</source>
        <translation>Informazioni su Orvane...</translation>
    </message>
    <message>
        <source>Show the program&apos;s version and notes for meter owners
About</source>
        <translation>Mostra la versione del programma e note per chi possiede il misuratore
Informazioni</translation>
    </message>
    <message>
        <source>Display transponders</source>
        <translation>Mostra transponder</translation>
    </message>
    <message>
        <source>Display LNB</source>
        <translation>Mostra LNB</translation>
    </message>
    <message>
        <source>File(&amp;F)</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>Edit(&amp;E)</source>
        <translation>&amp;Modifica</translation>
    </message>
    <message>
        <source>Meter(&amp;M)</source>
        <translation>Mi&amp;suratore</translation>
    </message>
    <message>
        <source>Help(&amp;H)</source>
        <translation>&amp;Aiuto</translation>
    </message>
    <message>
        <source>Find meter</source>
        <translation>Trova misuratore</translation>
    </message>
    <message>
        <source>Ask every port whether the meter answers, and choose the port it is on
Find meter</source>
        <translation>Chiede su ogni porta se il misuratore risponde e sceglie la porta su cui si trova
Trova misuratore</translation>
    </message>
    <message>
        <source>Import from the web...</source>
        <translation>Importa dal web...</translation>
    </message>
    <message>
        <source>Download a transponder list from an http or https address and merge it
Import from the web</source>
        <translation>Scarica una lista di transponder da un indirizzo http o https e la unisce alla tabella
Importa dal web</translation>
    </message>
    <message>
        <source>Add satellites from the catalog...</source>
        <translation>Aggiungi satelliti dal catalogo...</translation>
    </message>
    <message>
        <source>Merge satellites from the scan tables installed on this computer
Add satellites from the catalog</source>
        <translation>Unisce satelliti dalle tabelle di scansione installate su questo computer
Aggiungi satelliti dal catalogo</translation>
    </message>
    <message>
        <source>Restore a backup...</source>
        <translation>Ripristina un backup...</translation>
    </message>
    <message>
        <source>Write one of the backups taken before a write back to the meter
Restore a backup</source>
        <translation>Riscrivi nel misuratore uno dei backup fatti prima di una scrittura
Ripristina un backup</translation>
    </message>
    <message>
        <source>Record unit records</source>
        <translation>Tenere il registro apparecchi</translation>
    </message>
    <message>
        <source>Keep a record of every meter upgraded or written in the unit records
Record unit records</source>
        <translation>Annotare ogni misuratore aggiornato o scritto nel registro apparecchi
Tenere il registro apparecchi</translation>
    </message>
</context>
<context>
    <name>Core</name>
    <message>
        <source>Save the changes to %1?</source>
        <translation>Salvare le modifiche a %1?</translation>
    </message>
    <message>
        <source>Save the changes to the table?</source>
        <translation>Salvare le modifiche alla tabella?</translation>
    </message>
    <message>
        <source>soft files (*.hex);;All Files (*)</source>
        <translation>File firmware (*.hex);;Tutti i file (*)</translation>
    </message>
    <message>
        <source>SOFT:</source>
        <translation>SOFT:</translation>
    </message>
    <message>
        <source>Device initialize ...</source>
        <translation>Inizializzazione dispositivo ...</translation>
    </message>
    <message>
        <source>File open failed ! </source>
        <translation>Impossibile aprire il file! </translation>
    </message>
    <message>
        <source>Device not found ! </source>
        <translation>Dispositivo non trovato! </translation>
    </message>
    <message>
        <source>Firmware file is empty ! </source>
        <translation>Il file del firmware è vuoto! </translation>
    </message>
    <message>
        <source>Firmware larger than flash ! </source>
        <translation>Firmware più grande della flash! </translation>
    </message>
    <message>
        <source>Erasing memory ...</source>
        <translation>Cancellazione memoria ...</translation>
    </message>
    <message>
        <source>Failed to erase memory !</source>
        <translation>Impossibile cancellare la memoria!</translation>
    </message>
    <message>
        <source>Failed to read file !</source>
        <translation>Impossibile leggere il file!</translation>
    </message>
    <message>
        <source>Failed to write memory !</source>
        <translation>Impossibile scrivere la memoria!</translation>
    </message>
    <message>
        <source>Failed to read memory !</source>
        <translation>Impossibile leggere la memoria!</translation>
    </message>
    <message>
        <source>Software upgrade success ! </source>
        <translation>Aggiornamento firmware riuscito! </translation>
    </message>
    <message>
        <source>GetCommState Error </source>
        <translation>Errore GetCommState </translation>
    </message>
    <message>
        <source>SetCommState Error </source>
        <translation>Errore SetCommState </translation>
    </message>
    <message>
        <source>Failed to create event for thread!</source>
        <translation>Impossibile creare l&apos;evento per il thread!</translation>
    </message>
    <message>
        <source>Connect fail </source>
        <translation>Connessione non riuscita </translation>
    </message>
    <message>
        <source> ask timeout !  </source>
        <translation> Timeout della richiesta!  </translation>
    </message>
    <message>
        <source>Wait for connect ...</source>
        <translation>In attesa di connessione ...</translation>
    </message>
    <message>
        <source>Press Stop to give up.</source>
        <translation>Premere Stop per rinunciare.</translation>
    </message>
    <message>
        <source>Press Ctrl+C to give up.</source>
        <translation>Premere Ctrl+C per rinunciare.</translation>
    </message>
    <message>
        <source>Read Completed ! </source>
        <translation>Lettura completata! </translation>
    </message>
    <message>
        <source>Read Failed ! </source>
        <translation>Lettura non riuscita! </translation>
    </message>
    <message>
        <source>Write Completed ! </source>
        <translation>Scrittura completata! </translation>
    </message>
    <message>
        <source>Write Failed ! </source>
        <translation>Scrittura non riuscita! </translation>
    </message>
    <message>
        <source>Delete Completed ! </source>
        <translation>Eliminazione completata! </translation>
    </message>
    <message>
        <source>Delete Failed ! </source>
        <translation>Eliminazione non riuscita! </translation>
    </message>
    <message>
        <source>Read LNB ...</source>
        <translation>Lettura LNB ...</translation>
    </message>
    <message>
        <source>Read Satellites ...</source>
        <translation>Lettura satelliti ...</translation>
    </message>
    <message>
        <source>Read Transponders ...</source>
        <translation>Lettura transponder ...</translation>
    </message>
    <message>
        <source>Write LNB ...</source>
        <translation>Scrittura LNB ...</translation>
    </message>
    <message>
        <source>Write Satellites ...</source>
        <translation>Scrittura satelliti ...</translation>
    </message>
    <message>
        <source>Write Transponders ...</source>
        <translation>Scrittura transponder ...</translation>
    </message>
    <message>
        <source>Verify ...</source>
        <translation>Verifica ...</translation>
    </message>
    <message>
        <source>Verify Failed ! </source>
        <translation>Verifica non riuscita! </translation>
    </message>
    <message>
        <source>Verify failed: the table could not be read back from the meter.</source>
        <translation>Verifica non riuscita: impossibile rileggere la tabella dal misuratore.</translation>
    </message>
    <message>
        <source>Backup Failed ! </source>
        <translation>Backup non riuscito! </translation>
    </message>
    <message>
        <source>Backup failed: the meter&apos;s table could not be read. Nothing was written; the meter&apos;s table was left as it was.</source>
        <translation>Backup non riuscito: impossibile leggere la tabella del misuratore. Non è stato scritto nulla; la tabella del misuratore è rimasta com&apos;era.</translation>
    </message>
    <message>
        <source>You stopped the backup read. Nothing was written; the meter&apos;s table is as it was.</source>
        <translation>Avete interrotto la lettura per il backup. Non è stato scritto nulla; la tabella del misuratore è com&apos;era.</translation>
    </message>
    <message>
        <source>You stopped the read-back: the table was written to the meter but not checked.</source>
        <translation>Avete interrotto la rilettura: la tabella è stata scritta nel misuratore, ma non verificata.</translation>
    </message>
    <message>
        <source>You stopped the write part-way, so the meter may now hold a partial table. Write the table again to make it whole.</source>
        <translation>Avete interrotto la scrittura a metà, quindi ora il misuratore può contenere una tabella parziale. Scrivete di nuovo la tabella per completarla.</translation>
    </message>
    <message>
        <source>The write broke off part-way, so the meter may now hold a partial table. Check that the meter is switched on and connected, then write the table again.</source>
        <translation>La scrittura si è interrotta a metà, quindi ora il misuratore può contenere una tabella parziale. Controllate che il misuratore sia acceso e collegato, poi scrivete di nuovo la tabella.</translation>
    </message>
    <message>
        <source>Open logo file error !</source>
        <translation>Errore di apertura del file logo!</translation>
    </message>
    <message>
        <source>Open icon file error !</source>
        <translation>Errore di apertura del file icone!</translation>
    </message>
    <message>
        <source>Logo file too short !</source>
        <translation>File logo troppo corto!</translation>
    </message>
    <message>
        <source>Icon file too short !</source>
        <translation>File icone troppo corto!</translation>
    </message>
    <message>
        <source>Write logo ...</source>
        <translation>Scrittura logo ...</translation>
    </message>
    <message>
        <source>Write icon ...</source>
        <translation>Scrittura icone ...</translation>
    </message>
    <message>
        <source>Are you sure to delete meter osd icon ?  </source>
        <translation>Eliminare davvero le icone OSD del misuratore?  </translation>
    </message>
    <message>
        <source>logo files (*.bin);;All Files (*)</source>
        <translation>File logo (*.bin);;Tutti i file (*)</translation>
    </message>
    <message>
        <source>icon files (*.bin);;All Files (*)</source>
        <translation>File icone (*.bin);;Tutti i file (*)</translation>
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
        <translation>Errore durante il salvataggio del file!</translation>
    </message>
    <message>
        <source>The table has no satellites or transponders to write.</source>
        <translation>La tabella non ha satelliti né transponder da scrivere.</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>Annulla %1</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>Ripeti %1</translation>
    </message>
    <message>
        <source>Delete %1 TPs</source>
        <translation>Elimina %1 TP</translation>
    </message>
    <message>
        <source>Add Satellite</source>
        <translation>Aggiungi satellite</translation>
    </message>
    <message>
        <source>Delete Satellite</source>
        <translation>Elimina satellite</translation>
    </message>
    <message>
        <source>Edit Satellite</source>
        <translation>Modifica satellite</translation>
    </message>
    <message>
        <source>Add TP</source>
        <translation>Aggiungi TP</translation>
    </message>
    <message>
        <source>Edit TP</source>
        <translation>Modifica TP</translation>
    </message>
    <message>
        <source>Delete TP</source>
        <translation>Elimina TP</translation>
    </message>
    <message>
        <source>Edit LNB</source>
        <translation>Modifica LNB</translation>
    </message>
    <message>
        <source>Sort TPs</source>
        <translation>Ordina TP</translation>
    </message>
    <message>
        <source>Read from Meter</source>
        <translation>Leggi dal misuratore</translation>
    </message>
    <message>
        <source>sattp files (*.csv);;All Files (*)</source>
        <translation>File sattp (*.csv);;Tutti i file (*)</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Apri</translation>
    </message>
    <message>
        <source>Save as</source>
        <translation>Salva con nome</translation>
    </message>
    <message>
        <source>A firmware file&apos;s name begins with rav32izazud.</source>
        <translation>Il nome di un file firmware inizia con rav32izazud.</translation>
    </message>
    <message>
        <source>A logo file&apos;s name begins with stm32logo.</source>
        <translation>Il nome di un file logo inizia con stm32logo.</translation>
    </message>
    <message>
        <source>An icon file&apos;s name begins with stm32icon.</source>
        <translation>Il nome di un file icone inizia con stm32icon.</translation>
    </message>
    <message>
        <source>%1(the adapter was unplugged)</source>
        <translation>%1(l&apos;adattatore è stato scollegato)</translation>
    </message>
    <message>
        <source>Meter found on %1</source>
        <translation>Misuratore trovato su %1</translation>
    </message>
    <message>
        <source>A meter in its bootloader answered on %1: use Firmware upgrade (Meter &gt; SOFT upgrade)</source>
        <translation>Un misuratore nel suo bootloader ha risposto su %1: usare Aggiorna firmware (Misuratore &gt; Aggiorna firmware)</translation>
    </message>
    <message>
        <source>No meter answered on %1: is the meter switched on and its cable plugged?</source>
        <translation>Nessun misuratore ha risposto su %1: il misuratore è acceso e il suo cavo collegato?</translation>
    </message>
    <message>
        <source>No meter could be asked: %1</source>
        <translation>Non è stato possibile interrogare alcun misuratore: %1</translation>
    </message>
    <message>
        <source>USB serial adapter plugged in: %1</source>
        <translation>Adattatore USB-RS232 collegato: %1</translation>
    </message>
    <message>
        <source>USB serial adapter pulled out: %1</source>
        <translation>Adattatore USB-RS232 scollegato: %1</translation>
    </message>
    <message>
        <source>You are not allowed to use %1: add yourself to the group &apos;%2&apos; (sudo usermod -aG %3 $USER) and log in again</source>
        <translation>Non hai il permesso di usare %1: aggiungiti al gruppo &apos;%2&apos; (sudo usermod -aG %3 $USER) e accedi di nuovo</translation>
    </message>
    <message>
        <source>%1 is in use by another program</source>
        <translation>%1 è in uso da un altro programma</translation>
    </message>
    <message>
        <source>%1 is in use by another program (%2)</source>
        <translation>%1 è in uso da un altro programma (%2)</translation>
    </message>
    <message>
        <source>%1 is locked by another program (%2)</source>
        <translation>%1 è bloccata da un altro programma (%2)</translation>
    </message>
    <message>
        <source>%1 is gone: is the cable plugged in?</source>
        <translation>%1 non c&apos;è più: il cavo è collegato?</translation>
    </message>
    <message>
        <source>%1 is not a serial port</source>
        <translation>%1 non è una porta seriale</translation>
    </message>
    <message>
        <source>%1 cannot be opened</source>
        <translation>%1 non può essere aperta</translation>
    </message>
    <message>
        <source>%1 cannot be opened: %2</source>
        <translation>%1 non può essere aperta: %2</translation>
    </message>
    <message>
        <source>%1 is busy: ModemManager is probing it; the package&apos;s udev rule keeps it away, or wait 10 s</source>
        <translation>%1 è occupata: ModemManager la sta sondando; la regola udev del pacchetto lo tiene lontano, oppure attendere 10 s</translation>
    </message>
    <message>
        <source>A %1 USB serial adapter is plugged in but has no port: brltty (a braille display service) claimed it; remove brltty with &apos;sudo apt remove brltty&apos; or, if a braille display needs it, run &apos;sudo systemctl mask brltty-udev.service&apos; and plug the adapter in again</source>
        <translation>Un adattatore USB-RS232 %1 è collegato ma non ha una porta: brltty (un servizio per display braille) l&apos;ha occupato; rimuovere brltty con &apos;sudo apt remove brltty&apos; oppure, se serve a un display braille, eseguire &apos;sudo systemctl mask brltty-udev.service&apos; e ricollegare l&apos;adattatore</translation>
    </message>
    <message>
        <source>%1 has no device: is the cable plugged in? (VELMORA_%2 may name its path)</source>
        <translation>%1 non ha un dispositivo: il cavo è collegato? (VELMORA_%2 può indicarne il percorso)</translation>
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
        <translation>Spento</translation>
    </message>
    <message>
        <source>Fixed</source>
        <translation>Fissa</translation>
    </message>
    <message>
        <source>Moved</source>
        <translation>Motorizzata</translation>
    </message>
    <message>
        <source>Looking for the meter ...</source>
        <translation>Ricerca del misuratore ...</translation>
    </message>
    <message>
        <source>No USB serial adapter is plugged in.</source>
        <translation>Nessun adattatore USB-RS232 è collegato.</translation>
    </message>
    <message>
        <source>%1 answers late (latency timer %2 ms): a table write will take about %3 seconds; see the manual page</source>
        <translation>%1 risponde in ritardo (latency timer %2 ms): la scrittura della tabella richiederà circa %3 secondi; vedere la pagina di manuale</translation>
    </message>
    <message>
        <source>%1 answers late (latency timer %2 ms): a table write will take about %3 minutes; see the manual page</source>
        <translation>%1 risponde in ritardo (latency timer %2 ms): la scrittura della tabella richiederà circa %3 minuti; vedere la pagina di manuale</translation>
    </message>
    <message>
        <source>%1 cannot keep: %2.</source>
        <translation>%1 non può conservare: %2.</translation>
    </message>
    <message>
        <source>%1 Save anyway ?</source>
        <translation>%1 Salvare comunque?</translation>
    </message>
    <message>
        <source>%1: frequency %2 is outside %3..%4 MHz</source>
        <translation>%1: la frequenza %2 è fuori da %3..%4 MHz</translation>
    </message>
    <message>
        <source>%1: symbol rate %2 is outside %3..%4 kS/s</source>
        <translation>%1: il symbol rate %2 è fuori da %3..%4 kS/s</translation>
    </message>
    <message>
        <source>LNB %1: unknown type %2 (shown as 5150)</source>
        <translation>LNB %1: tipo %2 sconosciuto (mostrato come 5150)</translation>
    </message>
    <message>
        <source>%1: position %2 is above 3599 tenths of a degree (shown as %3)</source>
        <translation>%1: la posizione %2 supera 3599 decimi di grado (mostrata come %3)</translation>
    </message>
    <message>
        <source>%1: name has bytes that are not UTF-8 (%2)</source>
        <translation>%1: il nome contiene byte che non sono UTF-8 (%2)</translation>
    </message>
    <message>
        <source>%1: no transponders</source>
        <translation>%1: nessun transponder</translation>
    </message>
    <message>
        <source>%1: SAT %2 is not in use (the table has %3 satellites)</source>
        <translation>%1: il SAT %2 non è in uso (la tabella ha %3 satelliti)</translation>
    </message>
    <message>
        <source>%1: duplicate of TP %2 (%3)</source>
        <translation>%1: duplicato del TP %2 (%3)</translation>
    </message>
    <message>
        <source>1 difference</source>
        <translation>1 differenza</translation>
    </message>
    <message>
        <source>%1 differences</source>
        <translation>%1 differenze</translation>
    </message>
    <message>
        <source>order differs</source>
        <translation>l&apos;ordine è diverso</translation>
    </message>
    <message>
        <source>icon written</source>
        <translation>icone scritte</translation>
    </message>
    <message>
        <source>logo written</source>
        <translation>logo scritto</translation>
    </message>
    <message>
        <source>icon and logo written</source>
        <translation>icone e logo scritti</translation>
    </message>
    <message>
        <source>tables written</source>
        <translation>tabelle scritte</translation>
    </message>
    <message>
        <source>icon and tables written</source>
        <translation>icone e tabelle scritte</translation>
    </message>
    <message>
        <source>logo and tables written</source>
        <translation>logo e tabelle scritti</translation>
    </message>
    <message>
        <source>icon, logo and tables written</source>
        <translation>icone, logo e tabelle scritti</translation>
    </message>
    <message>
        <source>Patch up done in %1 s: firmware upgraded and verified.</source>
        <translation>Caricamento completato in %1 s: firmware aggiornato e verificato.</translation>
    </message>
    <message>
        <source>Patch up done in %1 s.</source>
        <translation>Caricamento completato in %1 s.</translation>
    </message>
    <message>
        <source>Patch up done in %1 s: firmware upgraded and verified; %2.</source>
        <translation>Caricamento completato in %1 s: firmware aggiornato e verificato; %2.</translation>
    </message>
    <message>
        <source>Patch up done in %1 s: %2.</source>
        <translation>Caricamento completato in %1 s: %2.</translation>
    </message>
    <message>
        <source>No answer from the meter on %1 yet: is it switched on and connected to this port? %2</source>
        <translation>Il misuratore non risponde ancora su %1: è acceso e collegato a questa porta? %2</translation>
    </message>
    <message>
        <source>No answer from the meter on %1: is it switched on and connected to this port? Nothing on the meter was changed.</source>
        <translation>Il misuratore non risponde su %1: è acceso e collegato a questa porta? Nel misuratore non è stato modificato nulla.</translation>
    </message>
    <message>
        <source>%1 The meter&apos;s table before this write is in %2.</source>
        <translation>%1 La tabella del misuratore precedente a questa scrittura si trova in %2.</translation>
    </message>
    <message>
        <source>Backup failed: cannot write %1: %2. Nothing was written; the meter&apos;s table was left as it was.</source>
        <translation>Backup non riuscito: impossibile scrivere %1: %2. Non è stato scritto nulla; la tabella del misuratore è rimasta com&apos;era.</translation>
    </message>
    <message>
        <source>%1 was not read completely:

%2

Saving it writes the table without what is listed here.</source>
        <translation>%1 non è stato letto completamente:

%2

Salvandolo si scrive la tabella senza quanto elencato qui.</translation>
    </message>
    <message>
        <source>%1 was not read completely (1 finding), so the table to be saved is shorter than that file.</source>
        <translation>%1 non è stato letto completamente (1 segnalazione), quindi la tabella da salvare è più corta di quel file.</translation>
    </message>
    <message>
        <source>%1 was not read completely (%2 findings), so the table to be saved is shorter than that file.</source>
        <translation>%1 non è stato letto completamente (%2 segnalazioni), quindi la tabella da salvare è più corta di quel file.</translation>
    </message>
    <message>
        <source>Flash1M.bin written: %1 (%2 bytes)</source>
        <translation>Flash1M.bin scritto: %1 (%2 byte)</translation>
    </message>
    <message>
        <source>%1

The result was added to %2.</source>
        <translation>%1

Il risultato è stato aggiunto a %2.</translation>
    </message>
    <message>
        <source>Import added nothing</source>
        <translation>L&apos;importazione non ha aggiunto nulla</translation>
    </message>
    <message>
        <source>Import added 1 TP</source>
        <translation>L&apos;importazione ha aggiunto 1 TP</translation>
    </message>
    <message>
        <source>Import added %1 TPs</source>
        <translation>L&apos;importazione ha aggiunto %1 TP</translation>
    </message>
    <message>
        <source>Import added 1 TP, 1 satellite</source>
        <translation>L&apos;importazione ha aggiunto 1 TP e 1 satellite</translation>
    </message>
    <message>
        <source>Import added %1 TPs, 1 satellite</source>
        <translation>L&apos;importazione ha aggiunto %1 TP e 1 satellite</translation>
    </message>
    <message>
        <source>Import added 1 TP, %1 satellites</source>
        <translation>L&apos;importazione ha aggiunto 1 TP e %1 satelliti</translation>
    </message>
    <message>
        <source>Import added %1 TPs, %2 satellites</source>
        <translation>L&apos;importazione ha aggiunto %1 TP e %2 satelliti</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Impossibile scrivere %1: %2</translation>
    </message>
    <message>
        <source>Exported 1 satellite and 1 transponder to %1</source>
        <translation>Esportati 1 satellite e 1 transponder in %1</translation>
    </message>
    <message>
        <source>Exported 1 satellite and %1 transponders to %2</source>
        <translation>Esportati 1 satellite e %1 transponder in %2</translation>
    </message>
    <message>
        <source>Exported %1 satellites and 1 transponder to %2</source>
        <translation>Esportati %1 satelliti e 1 transponder in %2</translation>
    </message>
    <message>
        <source>Exported %1 satellites and %2 transponders to %3</source>
        <translation>Esportati %1 satelliti e %2 transponder in %3</translation>
    </message>
    <message>
        <source>Cannot copy the sample table into %1.</source>
        <translation>Impossibile copiare la tabella di esempio in %1.</translation>
    </message>
    <message>
        <source>Cannot create the data folder %1: %2</source>
        <translation>Impossibile creare la cartella dei dati %1: %2</translation>
    </message>
    <message>
        <source>a file of that name is in the way</source>
        <translation>un file con quel nome lo impedisce</translation>
    </message>
    <message>
        <source>Delete the transponder %1?</source>
        <translation>Eliminare il transponder %1?</translation>
    </message>
    <message>
        <source>Delete %1 TPs ?</source>
        <translation>Eliminare %1 TP?</translation>
    </message>
    <message>
        <source>Delete the satellite %1 and its transponders?</source>
        <translation>Eliminare il satellite %1 e i suoi transponder?</translation>
    </message>
    <message>
        <source>matched %1, added %2 satellites and %3 transponders, %4 duplicates skipped, %5 replaced, %6 left out (table full), %7 invalid</source>
        <translation>%1 corrispondenti, %2 satelliti e %3 transponder aggiunti, %4 duplicati saltati, %5 sostituiti, %6 esclusi (tabella piena), %7 non validi</translation>
    </message>
    <message>
        <source>no scan tables in %1: install them with &apos;sudo apt install dtv-scan-tables&apos;</source>
        <translation>nessuna tabella di scansione in %1: installarle con &apos;sudo apt install dtv-scan-tables&apos;</translation>
    </message>
    <message>
        <source>no scan tables in %1: %2</source>
        <translation>nessuna tabella di scansione in %1: %2</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importazione</translation>
    </message>
    <message>
        <source>Downloading %1</source>
        <translation>Download di %1</translation>
    </message>
    <message>
        <source>Download failed</source>
        <translation>Download non riuscito</translation>
    </message>
    <message>
        <source>Take the Meter&apos;s Table</source>
        <translation>Prendi la tabella del misuratore</translation>
    </message>
    <message>
        <source>SOFT upgrade erases the meter&apos;s firmware and writes %1 in its place.

Switch the meter on while holding EXIT, then answer Yes.
Do not switch the meter off until the upgrade is done.

Upgrade the firmware now?</source>
        <translation>L&apos;aggiornamento SOFT cancella il firmware del misuratore e scrive %1 al suo posto.

Accendere il misuratore tenendo premuto EXIT, poi rispondere Sì.
Non spegnere il misuratore finché l&apos;aggiornamento non è finito.

Aggiornare il firmware ora?</translation>
    </message>
    <message>
        <source>Logo written: %1</source>
        <translation>Logo scritto: %1</translation>
    </message>
    <message>
        <source>Icon written: %1</source>
        <translation>Icona scritta: %1</translation>
    </message>
    <message>
        <source>Icon file too large !</source>
        <translation>File icone troppo grande!</translation>
    </message>
    <message>
        <source>Icon file header makes no sense ! %1 announces records of %2 bytes, %3 x %4 of each size: all three must be above 0.</source>
        <translation>L&apos;intestazione del file icone non ha senso! %1 annuncia record di %2 byte, %3 x %4 per ogni dimensione: tutti e tre devono essere maggiori di 0.</translation>
    </message>
    <message>
        <source>Icon file too large ! %1 announces %2 bytes; the meter&apos;s icon area holds %3.</source>
        <translation>File icone troppo grande! %1 annuncia %2 byte; l&apos;area icone dello strumento ne contiene %3.</translation>
    </message>
    <message>
        <source>Logo file too short ! %1 holds %2 bytes; a logo takes %3.</source>
        <translation>File logo troppo corto! %1 contiene %2 byte; un logo ne richiede %3.</translation>
    </message>
    <message>
        <source>Icon file too short ! %1 holds %2 bytes; an icon header takes %3.</source>
        <translation>File icone troppo corto! %1 contiene %2 byte; un&apos;intestazione icone ne richiede %3.</translation>
    </message>
    <message>
        <source>Icon file too short ! %1 holds %2 bytes; its header announces %3.</source>
        <translation>File icone troppo corto! %1 contiene %2 byte; la sua intestazione ne annuncia %3.</translation>
    </message>
    <message>
        <source>hold EXIT while switching the meter on, then try again</source>
        <translation>tenere premuto EXIT mentre si accende lo strumento, poi riprovare</translation>
    </message>
    <message>
        <source>%1: LNB %2 (%3) receives %4..%5 MHz only</source>
        <translation>%1: l&apos;LNB %2 (%3) riceve solo %4..%5 MHz</translation>
    </message>
    <message>
        <source>The meter restarts with its new firmware: %1 s</source>
        <translation>Lo strumento si riavvia con il nuovo firmware: %1 s</translation>
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
        <translation>Non ci sono backup in %1. Un backup viene fatto prima di ogni scrittura finché Misuratore &gt; Backup prima di scrivere è attivo.</translation>
    </message>
    <message>
        <source>Write the backup %1 to the meter? It replaces the meter&apos;s table.</source>
        <translation>Scrivere il backup %1 nel misuratore? Sostituisce la tabella del misuratore.</translation>
    </message>
    <message>
        <source>Backup written to the meter: %1</source>
        <translation>Backup scritto nel misuratore: %1</translation>
    </message>
    <message>
        <source>The backup %1 holds no satellites, so there is nothing to write back.</source>
        <translation>Il backup %1 non contiene satelliti, quindi non c&apos;è nulla da riscrivere.</translation>
    </message>
    <message>
        <source>No data folder for the unit records (HOME is not set); turn off Meter &gt; Record unit records or name a file in the settings.</source>
        <translation>Nessuna cartella dati per il registro apparecchi (HOME non è impostato); disattivare Misuratore &gt; Tenere il registro apparecchi o indicare un file nelle impostazioni.</translation>
    </message>
</context>
<context>
    <name>Language</name>
    <message>
        <source>Language</source>
        <translation>Lingua</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>Predefinita di sistema</translation>
    </message>
    <message>
        <source>The language changes when Orvane is started next.</source>
        <translation>La lingua cambia al prossimo avvio di Orvane.</translation>
    </message>
</context>
<context>
    <name>LnbChoiceText</name>
    <message>
        <source>no DiSEqC</source>
        <translation>nessun DiSEqC</translation>
    </message>
    <message>
        <source>unknown DiSEqC switch</source>
        <translation>switch DiSEqC sconosciuto</translation>
    </message>
    <message>
        <source>DiSEqC %1 tone burst %2</source>
        <translation>DiSEqC %1 tone burst %2</translation>
    </message>
    <message>
        <source>DiSEqC %1 input %2</source>
        <translation>DiSEqC %1 ingresso %2</translation>
    </message>
</context>
<context>
    <name>MeterMenu</name>
    <message>
        <source>backups/ beside the table</source>
        <translation>backups/ accanto alla tabella</translation>
    </message>
    <message>
        <source>Back up before write (to %1)</source>
        <translation>Backup prima di scrivere (in %1)</translation>
    </message>
    <message>
        <source>Write the backup back</source>
        <translation>Riscrivi il backup</translation>
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
        <translation>Apri</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Leggi</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>Scrivi</translation>
    </message>
</context>
<context>
    <name>velmora::AboutDlg</name>
    <message>
        <source>About Orvane</source>
        <translation>Informazioni su Orvane</translation>
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
        <translation>Aggiungi satelliti dal catalogo</translation>
    </message>
    <message>
        <source>Find a satellite by name or position</source>
        <translation>Cerca un satellite per nome o posizione</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Posizione</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>TPs</source>
        <translation>TP</translation>
    </message>
    <message>
        <source>Tick the satellites to add.</source>
        <translation>Spuntare i satelliti da aggiungere.</translation>
    </message>
</context>
<context>
    <name>velmora::CheckDlg</name>
    <message>
        <source>Check table</source>
        <translation>Controlla tabella</translation>
    </message>
    <message>
        <source>Nothing looks wrong with the table.</source>
        <translation>Nella tabella non sembra esserci nulla di errato.</translation>
    </message>
    <message numerus="yes">
        <source>%n finding(s); click one to select its row.</source>
        <translation>
            <numerusform>%n segnalazione; fare clic per selezionarne la riga.</numerusform>
            <numerusform>%n segnalazioni; fare clic su una per selezionarne la riga.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>velmora::CompareDlg</name>
    <message>
        <source>Compare with meter</source>
        <translation>Confronta con misuratore</translation>
    </message>
    <message>
        <source>What writing the document&apos;s tables would change on the meter:</source>
        <translation>Cosa cambierebbe nel misuratore scrivendo le tabelle del documento:</translation>
    </message>
    <message>
        <source>Take the meter&apos;s table</source>
        <translation>Prendi la tabella del misuratore</translation>
    </message>
    <message>
        <source>Replace the document&apos;s tables with the meter&apos;s</source>
        <translation>Sostituisce le tabelle del documento con quelle del misuratore</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Write to the meter</source>
        <translation>Scrivi nel misuratore</translation>
    </message>
    <message>
        <source>Replace the meter&apos;s table with the document&apos;s</source>
        <translation>Sostituisci la tabella del misuratore con quella del documento</translation>
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
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>velmora::HelpDlg</name>
    <message>
        <source>Orvane Help</source>
        <translation>Guida di Orvane</translation>
    </message>
</context>
<context>
    <name>velmora::ImportDlg</name>
    <message>
        <source>Find a satellite by name or position</source>
        <translation>Cerca un satellite per nome o posizione</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Posizione</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>TPs</source>
        <extracomment>Column of transponder counts</extracomment>
        <translation>TP</translation>
    </message>
    <message>
        <source>Goes into</source>
        <translation>Destinazione</translation>
    </message>
    <message>
        <source>The name a new satellite gets; double-click to change it</source>
        <translation>Il nome che riceve un nuovo satellite; doppio clic per cambiarlo</translation>
    </message>
    <message>
        <source>A new satellite, or a table satellite of the band within 1.0 degree</source>
        <translation>Un nuovo satellite, o un satellite della tabella nella stessa banda entro 1,0 gradi</translation>
    </message>
    <message>
        <source>Select all</source>
        <translation>Seleziona tutto</translation>
    </message>
    <message>
        <source>Select none</source>
        <translation>Deseleziona tutto</translation>
    </message>
    <message>
        <source>LNB of new Ku-band satellites</source>
        <translation>LNB dei nuovi satelliti in banda Ku</translation>
    </message>
    <message>
        <source>LNB of new C-band satellites</source>
        <translation>LNB dei nuovi satelliti in banda C</translation>
    </message>
    <message>
        <source>Add new transponders</source>
        <translation>Aggiungi i nuovi transponder</translation>
    </message>
    <message>
        <source>Replace the transponders of the table satellites they go into</source>
        <translation>Sostituisci i transponder dei satelliti di destinazione della tabella</translation>
    </message>
    <message>
        <source>new</source>
        <extracomment>The choice &quot;a new satellite&quot; in the &quot;Goes into&quot; column</extracomment>
        <translation>nuovo</translation>
    </message>
    <message>
        <source>Nothing in the table changes.</source>
        <translation>La tabella non cambia.</translation>
    </message>
    <message>
        <source>LNB of new Ka-band satellites</source>
        <translation>LNB dei nuovi satelliti in banda Ka</translation>
    </message>
</context>
<context>
    <name>velmora::LnbEditDlg</name>
    <message>
        <source>LNB Edit</source>
        <translation>Modifica LNB</translation>
    </message>
    <message>
        <source>LNB frequency</source>
        <translation>Frequenza LNB</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Spento</translation>
    </message>
    <message>
        <source>LNB power</source>
        <translation>Alim. LNB</translation>
    </message>
    <message>
        <source>Fixed</source>
        <translation>Fissa</translation>
    </message>
    <message>
        <source>Moved</source>
        <translation>Motorizzata</translation>
    </message>
    <message>
        <source>Dish type</source>
        <translation>Parabola</translation>
    </message>
    <message>
        <source>DiSEqC switch</source>
        <translation>Switch DiSEqC</translation>
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
        <translation>Porta DiSEqC</translation>
    </message>
    <message>
        <source>22 kHz tone</source>
        <translation>Tono 22 kHz</translation>
    </message>
</context>
<context>
    <name>velmora::MainFrame</name>
    <message>
        <source>Ready</source>
        <translation>Pronto</translation>
    </message>
    <message>
        <source>Recent files</source>
        <translation>File recenti</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Barra degli strumenti</translation>
    </message>
    <message>
        <source>Satellites %1/%2   TPs %3/%4</source>
        <extracomment>How full the tables are; &quot;TPs&quot; are transponders</extracomment>
        <translation>Satelliti %1/%2   TP %3/%4</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Senza titolo</translation>
    </message>
</context>
<context>
    <name>velmora::RestoreDlg</name>
    <message>
        <source>Restore a backup</source>
        <translation>Ripristina un backup</translation>
    </message>
    <message>
        <source>The backups in %1, newest first. The one you choose replaces the meter&apos;s table; the document stays as it is.</source>
        <translation>I backup in %1, il più recente per primo. Quello scelto sostituisce la tabella del misuratore; il documento resta com&apos;è.</translation>
    </message>
    <message>
        <source>Taken</source>
        <translation>Fatto il</translation>
    </message>
    <message>
        <source>File</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Write to the meter</source>
        <translation>Scrivi nel misuratore</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
</context>
<context>
    <name>velmora::SatAddDlg</name>
    <message>
        <source>Satellite Edit</source>
        <translation>Modifica satellite</translation>
    </message>
    <message>
        <source>Satellite Add</source>
        <translation>Aggiungi satellite</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satellite</translation>
    </message>
    <message>
        <source>East</source>
        <translation>Est</translation>
    </message>
    <message>
        <source>West</source>
        <translation>Ovest</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Posizione</translation>
    </message>
    <message>
        <source>%1 of %2 bytes left</source>
        <translation>restano %1 byte su %2</translation>
    </message>
    <message>
        <source>A comma cannot be stored: sattp.csv separates its columns with commas.</source>
        <translation>Una virgola non può essere salvata: sattp.csv separa le sue colonne con virgole.</translation>
    </message>
    <message>
        <source>No room left: a name holds at most %1 bytes, and a letter such as é takes 2.</source>
        <translation>Spazio esaurito: un nome contiene al massimo %1 byte, e una lettera come é ne occupa 2.</translation>
    </message>
</context>
<context>
    <name>velmora::SatelliteTree</name>
    <message>
        <source>All Satellites</source>
        <translation>Tutti i satelliti</translation>
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
        <translation>Satellite</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frequenza</translation>
    </message>
    <message>
        <source>MHz</source>
        <translation>MHz</translation>
    </message>
    <message>
        <source>Symbol rate</source>
        <translation>Symbol rate</translation>
    </message>
    <message>
        <source>kS/s</source>
        <translation>kS/s</translation>
    </message>
    <message>
        <source>Vertical / right (13 V)</source>
        <translation>Verticale / destra (13 V)</translation>
    </message>
    <message>
        <source>Horizontal / left (18 V)</source>
        <translation>Orizzontale / sinistra (18 V)</translation>
    </message>
    <message>
        <source>Polarisation</source>
        <translation>Polarità</translation>
    </message>
    <message>
        <source>Unique</source>
        <extracomment>A transponder found nowhere else in the table</extracomment>
        <translation>Unico</translation>
    </message>
</context>
<context>
    <name>velmora::TpSortDlg</name>
    <message>
        <source>Frequency</source>
        <translation>Frequenza</translation>
    </message>
    <message>
        <source>Symbol rate</source>
        <translation>Symbol rate</translation>
    </message>
    <message>
        <source>Polarisation</source>
        <translation>Polarizzazione</translation>
    </message>
    <message>
        <source>Start with</source>
        <translation>Inizia da</translation>
    </message>
    <message>
        <source>West to east</source>
        <translation>Da ovest a est</translation>
    </message>
    <message>
        <source>East to west</source>
        <translation>Da est a ovest</translation>
    </message>
    <message>
        <source>Satellites</source>
        <translation>Satelliti</translation>
    </message>
    <message>
        <source>Transponders</source>
        <translation>Transponder</translation>
    </message>
    <message>
        <source>then by</source>
        <translation>poi per</translation>
    </message>
    <message>
        <source>Satellites are put in order of position, beginning with the one chosen and going round in the direction chosen. The transponders of each satellite are sorted by the two keys.</source>
        <translation>I satelliti vengono ordinati per posizione, partendo da quello scelto e proseguendo nella direzione scelta. I transponder di ogni satellite vengono ordinati secondo le due chiavi.</translation>
    </message>
</context>
<context>
    <name>velmora::TransponderListView</name>
    <message>
        <source>%1 of %2 rows match &quot;%3&quot;</source>
        <translation>%1 righe su %2 corrispondono a «%3»</translation>
    </message>
</context>
<context>
    <name>velmora::UnitRecordsDlg</name>
    <message>
        <source>Unit records</source>
        <translation>Registro apparecchi</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Cerca</translation>
    </message>
    <message>
        <source>Unique ID:</source>
        <translation>ID univoco:</translation>
    </message>
    <message>
        <source>From (UTC):</source>
        <translation>Dal (UTC):</translation>
    </message>
    <message>
        <source>To (UTC):</source>
        <translation>Al (UTC):</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Ora</translation>
    </message>
    <message>
        <source>Bench</source>
        <translation>Banco</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Porta</translation>
    </message>
    <message>
        <source>Unique ID</source>
        <translation>ID univoco</translation>
    </message>
    <message>
        <source>Firmware</source>
        <translation>Firmware</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Esito</translation>
    </message>
    <message>
        <source>Reason</source>
        <translation>Motivo</translation>
    </message>
    <message>
        <source>Write a day as 2026-12-09, a time as 2026-12-09T08:00:00Z.</source>
        <translation>Scrivere un giorno come 2026-12-09, un orario come 2026-12-09T08:00:00Z.</translation>
    </message>
    <message>
        <source>passed</source>
        <translation>riuscito</translation>
    </message>
    <message>
        <source>failed</source>
        <translation>fallito</translation>
    </message>
    <message>
        <source>%1 serviced, %2 passed, %3 failed; records in %4</source>
        <translation>%1 lavorati, %2 riusciti, %3 falliti; registro in %4</translation>
    </message>
    <message>
        <source>Records</source>
        <translation>Registrazioni</translation>
    </message>
    <message>
        <source>Production report</source>
        <translation>Rapporto di produzione</translation>
    </message>
    <message>
        <source>Open a report...</source>
        <translation>Apri un rapporto...</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Inizio</translation>
    </message>
    <message>
        <source>Meter</source>
        <translation>Apparecchio</translation>
    </message>
    <message>
        <source>Steps</source>
        <translation>Passi</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Rapporto</translation>
    </message>
    <message>
        <source>Open a report</source>
        <translation>Apri un rapporto</translation>
    </message>
    <message>
        <source>Production reports (*.jsonl *.json *.txt);;All Files (*)</source>
        <translation>Rapporti di produzione (*.jsonl *.json *.txt);;Tutti i file (*)</translation>
    </message>
    <message>
        <source>The production line writes one line per meter into the file of --report.</source>
        <translation>La linea di produzione scrive una riga per misuratore nel file di --report.</translation>
    </message>
    <message>
        <source>%1 cannot be read.</source>
        <translation>Impossibile leggere %1.</translation>
    </message>
    <message>
        <source>%1, line %2, is not a line of a production report.</source>
        <translation>%1, riga %2, non è una riga di un rapporto di produzione.</translation>
    </message>
    <message>
        <source>%1: %2 meters, %3 passed, %4 failed</source>
        <translation>%1: %2 misuratori, %3 riusciti, %4 falliti</translation>
    </message>
</context>
<context>
    <name>velmora::UrlDlg</name>
    <message>
        <source>Import from the web</source>
        <translation>Importa dal web</translation>
    </message>
    <message>
        <source>https://... a satellites.xml, .ini or dvbv5 list</source>
        <translation>https://... una lista satellites.xml, .ini o dvbv5</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Indirizzo</translation>
    </message>
</context>
<context>
    <name>velmora::VelmoraDoc</name>
    <message>
        <source>Untitled</source>
        <translation>Senza titolo</translation>
    </message>
</context>
<context>
    <name>WebPage</name>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Hemisphere</source>
        <translation>Emisfero</translation>
    </message>
    <message>
        <source>TP Add</source>
        <translation>Aggiungi TP</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sì</translation>
    </message>
    <message>
        <source>TP Edit</source>
        <translation>Modifica TP</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>Ingresso</translation>
    </message>
    <message>
        <source>22K tone</source>
        <translation>Tono 22 kHz</translation>
    </message>
    <message>
        <source>TP Sort</source>
        <translation>Ordina TP</translation>
    </message>
    <message>
        <source>First satellite</source>
        <translation>Primo satellite</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>Direzione</translation>
    </message>
    <message>
        <source>West-&gt;East</source>
        <translation>Ovest-&gt;Est</translation>
    </message>
    <message>
        <source>East-&gt;West</source>
        <translation>Est-&gt;Ovest</translation>
    </message>
    <message>
        <source>First key</source>
        <translation>Prima chiave</translation>
    </message>
    <message>
        <source>Symbolrate</source>
        <translation>Symbol rate</translation>
    </message>
    <message>
        <source>Pol</source>
        <translation>Pol</translation>
    </message>
    <message>
        <source>Second key</source>
        <translation>Seconda chiave</translation>
    </message>
    <message>
        <source>automatic</source>
        <translation>automatico</translation>
    </message>
    <message>
        <source>The address of a transponder list (http or https):</source>
        <translation>L&apos;indirizzo di un elenco di transponder (http o https):</translation>
    </message>
    <message>
        <source>Findings: %1</source>
        <translation>Segnalazioni: %1</translation>
    </message>
    <message>
        <source>No findings</source>
        <translation>Nessuna segnalazione</translation>
    </message>
    <message>
        <source>Orvane in the browser: the table editor and meter service, with the same core as the desktop program.</source>
        <translation>Orvane nel browser: l&apos;editor di tabelle e l&apos;assistenza del misuratore, con lo stesso nucleo del programma desktop.</translation>
    </message>
    <message>
        <source>The commands are those of the desktop program&apos;s menus. Connect chooses the meter&apos;s serial port.</source>
        <translation>I comandi sono quelli dei menu del programma desktop. «Connetti» sceglie la porta seriale del misuratore.</translation>
    </message>
    <message>
        <source>%1: the browser cannot do this; the desktop program can.</source>
        <translation>%1: il browser non può farlo; il programma desktop sì.</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Impostazioni</translation>
    </message>
    <message>
        <source>Web Serial port chosen</source>
        <translation>Porta Web Serial scelta</translation>
    </message>
    <message>
        <source>This browser has no Web Serial, so the page cannot reach a meter: use Chrome, Edge or Opera on Windows, macOS or Linux (or Firefox from its release 151); the table editor works here.</source>
        <translation>Questo browser non ha Web Serial, quindi la pagina non può raggiungere un misuratore: usare Chrome, Edge o Opera su Windows, macOS o Linux (o Firefox dalla versione 151); l&apos;editor di tabelle qui funziona.</translation>
    </message>
    <message>
        <source>Menus</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Connetti</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Porta</translation>
    </message>
    <message>
        <source>No port</source>
        <translation>Nessuna porta</translation>
    </message>
    <message>
        <source>List</source>
        <translation>Elenco</translation>
    </message>
    <message>
        <source>Meter</source>
        <translation>Misuratore</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Stato</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Avanzamento</translation>
    </message>
    <message>
        <source>Satellites of the list</source>
        <translation>Satelliti dell&apos;elenco</translation>
    </message>
    <message>
        <source>Import summary</source>
        <translation>Riepilogo dell&apos;importazione</translation>
    </message>
    <message>
        <source>Changes</source>
        <translation>Modifiche</translation>
    </message>
    <message>
        <source>The desktop program has this; a browser cannot do it.</source>
        <translation>Il programma desktop lo offre; un browser non può farlo.</translation>
    </message>
</context>
</TS>
