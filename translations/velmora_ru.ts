<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru" sourcelanguage="en">
<context>
    <name>CAboutDlg</name>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Orvane Ver %1.%2</source>
        <extracomment>The version line; &quot;Orvane&quot; is the product name, never translated</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CCompareDlg</name>
    <message numerus="yes">
        <source>%n added</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n removed</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n changed</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CFormLayout</name>
    <message>
        <source>RS232 communication</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SOFT:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ICON:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LOGO:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TP</source>
        <extracomment>The transponders&apos; buttons</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ADD</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>EDIT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DELETE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SORT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SAT</source>
        <extracomment>The satellites&apos; buttons</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LNB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PATCH UP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SOFT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ICON</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LOGO</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SAT TP</source>
        <extracomment>Upload the satellite and transponder table in PATCH UP</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find (Ctrl+F)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CImportDlg</name>
    <message>
        <source>Import transponders</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export satellites.xml</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C band</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ka band</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ku band</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: no satellites in this list</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>CAP</source>
        <extracomment>The status bar&apos;s Caps Lock indicator: keep it as short as the keyboard&apos;s word</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NUM</source>
        <extracomment>The status bar&apos;s Num Lock indicator</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SCRL</source>
        <extracomment>The status bar&apos;s Scroll Lock indicator</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CTpListModel</name>
    <message>
        <source>No.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LNB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Freq</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pol</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SR</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>UNIQUE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Power</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dish</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DiSEqC Switch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DiSEqC Input</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>22 kHz</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Commands</name>
    <message>
        <source>New(&amp;N)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open(&amp;O)...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open a exist csv file
open cvs file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save(&amp;S)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save to current csv file
Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save as(&amp;A)...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save to a new csv file
Save as</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import transponders...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Merge a satellites.xml, .ini or dvbv5 transponder list into the table
Import transponders</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export satellites.xml...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write the table as a satellites.xml file
Export satellites.xml</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load soft...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load a exist rav32izazud.hex file
open rav32izazud.hex</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load icon...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load a exist stm32icon.bin file
open stm32icon file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load logo...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load a exist bootlogo.bin file
open bootlogo file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create Flash1M.bin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create Flash1M.bin for factory
Create Flash1M.bin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit(&amp;X)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit and prompt to save
Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undo the last change of the tables
Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Redo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Redo the change undone last
Redo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TP Add...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add a transponder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TP Edit...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit the selected transponder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TP Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete the selected transponders</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TP Sort...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sort the transponders</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Satellite Add...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add a satellite</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Satellite Edit...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit the chosen satellite</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Satellite Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete the satellite of the selected transponder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LNB Edit...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit the selected LNB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find transponders by frequency, symbol rate, polarisation or satellite</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check table...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>List what is probably wrong with the table</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read transponders from meter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write transponders to meter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop read/write transponders</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compare with meter...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compare the tables with the meter&apos;s tables
Compare with meter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write logo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write logo to meter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write icon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write icon to meter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SOFT upgrade</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Upgrade the meter&apos;s software, Please press EXIT and turn on meter first !</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PATCH UP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Run the ticked uploads (SOFT, ICON, LOGO, SAT TP) one by one
Patch up one by one</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete meter OSD icon...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete meter osd icon
delete icon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verify after write</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read the tables back after a write and check them
Verify after write</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back up before write</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save the meter&apos;s tables in the backups folder before a write
Back up before write</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help Contents...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show the guide to the everyday tasks
Help Contents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About Orvane...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show the program&apos;s version and notes for meter owners
About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Display  transponders</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Display LNB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File(&amp;F)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit(&amp;E)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Meter(&amp;M)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help(&amp;H)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Core</name>
    <message>
        <source>Save the changes to %1?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save the changes to the table?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>soft files (*.hex)|*.hex|All Files (*.*)|*.*||</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SOFT:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Device initialize ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File open failed ! </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Device not found ! </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Firmware file is empty ! </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Firmware larger than flash ! </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Erasing memory ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed to erase memory !</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed to read file !</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed to write memory !</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed to read memory !</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Software upgrade success ! </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GetCommState Error </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SetCommState Error </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed to create event for thread!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connect fail </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> ask timeout !  </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wait for connect ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Press Stop to give up.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Press Ctrl+C to give up.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read Completed ! </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read Failed ! </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write Completed ! </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write Failed ! </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete Completed ! </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete Failed ! </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read LNB ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read Satellites ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read Transponders ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write LNB ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write Satellites ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write Transponders ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verify ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verify Failed ! </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verify failed: the table could not be read back from the meter.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Backup Failed ! </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Backup failed: the meter&apos;s table could not be read. Nothing was written; the meter&apos;s table was left as it was.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You stopped the backup read. Nothing was written; the meter&apos;s table is as it was.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You stopped the read-back: the table was written to the meter but not checked.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You stopped the write part-way, so the meter may now hold a partial table. Write the table again to make it whole.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The write broke off part-way, so the meter may now hold a partial table. Check that the meter is switched on and connected, then write the table again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open logo file error !</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open icon file error !</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Logo file too short !</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Icon file too short !</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write logo ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write icon ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure to delete meter osd icon ?  </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>logo files (*.bin)|*.bin|All Files (*.*)|*.*||</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>icon files (*.bin)|*.bin|All Files (*.*)|*.*||</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LOGO:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ICON:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save file error !</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The table has no satellites or transponders to write.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete %1 TPs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add Satellite</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete Satellite</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit Satellite</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add TP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit TP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete TP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit LNB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sort TPs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read from Meter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sattp files (*.csv)|*.csv|All Files (*.*)|*.*||</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save as</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A firmware file&apos;s name begins with rav32izazud.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A logo file&apos;s name begins with stm32logo.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An icon file&apos;s name begins with stm32icon.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot keep: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 Save anyway ?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: frequency %2 is outside %3..%4 MHz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: symbol rate %2 is outside %3..%4 kS/s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LNB %1: unknown type %2 (shown as 5150)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: position %2 is above 3599 tenths of a degree (shown as %3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: name has bytes that are not UTF-8 (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: no transponders</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: SAT %2 is not in use (the table has %3 satellites)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: duplicate of TP %2 (%3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 difference</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 differences</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>order differs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No answer from the meter on %1 yet: is it switched on and connected to this port? %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No answer from the meter on %1: is it switched on and connected to this port? Nothing on the meter was changed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 The meter&apos;s table before this write is in %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Backup failed: cannot write %1: %2. Nothing was written; the meter&apos;s table was left as it was.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 was not read completely:

%2

Saving it writes the table without what is listed here.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 was not read completely (1 finding), so the table to be saved is shorter than that file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 was not read completely (%2 findings), so the table to be saved is shorter than that file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flash1M.bin written: %1 (%2 bytes)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1

The result was added to %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import added nothing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import added 1 TP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import added %1 TPs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import added 1 TP, 1 satellite</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import added %1 TPs, 1 satellite</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import added 1 TP, %1 satellites</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import added %1 TPs, %2 satellites</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exported 1 satellite and 1 transponder to %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exported 1 satellite and %1 transponders to %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exported %1 satellites and 1 transponder to %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exported %1 satellites and %2 transponders to %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>icon written</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>logo written</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>icon and logo written</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>tables written</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>icon and tables written</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>logo and tables written</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>icon, logo and tables written</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Patch up done in %1 s: firmware upgraded and verified.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Patch up done in %1 s.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Patch up done in %1 s: firmware upgraded and verified; %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Patch up done in %1 s: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot copy the sample table into %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot create the data folder %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a file of that name is in the way</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Language</name>
    <message>
        <source>Language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>System default</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The language changes when Orvane is started next.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LnbChoiceText</name>
    <message>
        <source>no DiSEqC</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown DiSEqC switch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DiSEqC %1 tone burst %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DiSEqC %1 input %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MeterMenu</name>
    <message>
        <source>backups/ beside the table</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back up before write (to %1)</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velmora::CAboutDlg</name>
    <message>
        <source>About Orvane</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velmora::CCheckDlg</name>
    <message>
        <source>Check table</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing looks wrong with the table.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n finding(s); click one to select its row.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>velmora::CCompareDlg</name>
    <message>
        <source>Compare with meter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What writing the document&apos;s tables would change on the meter:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Take the meter&apos;s table</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Replace the document&apos;s tables with the meter&apos;s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velmora::CFormDialog</name>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velmora::CHelpDlg</name>
    <message>
        <source>Orvane Help</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velmora::CImportDlg</name>
    <message>
        <source>Find a satellite by name or position</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Position</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TPs</source>
        <extracomment>Column of transponder counts</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Goes into</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The name a new satellite gets; double-click to change it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A new satellite, or a table satellite of the band within 1.0 degree</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select all</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select none</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LNB of new Ku-band satellites</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LNB of new C-band satellites</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add new transponders</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Replace the transponders of the table satellites they go into</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>new</source>
        <extracomment>The choice &quot;a new satellite&quot; in the &quot;Goes into&quot; column</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velmora::CLnbEditDlg</name>
    <message>
        <source>LNB Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LNB frequency</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LNB power</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fixed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moved</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dish type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DiSEqC switch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Burst A</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Burst B</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DiSEqC input</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>22 kHz tone</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velmora::CMainFrame</name>
    <message>
        <source>Ready</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recent files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Satellites %1/%2   TPs %3/%4</source>
        <extracomment>How full the tables are; &quot;TPs&quot; are transponders</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velmora::CSatAddDlg</name>
    <message>
        <source>Satellite Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Satellite Add</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>East</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>West</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velmora::CSatelliteTree</name>
    <message>
        <source>All Satellites</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velmora::CTpEditDlg</name>
    <message>
        <source>Transponder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MHz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Symbol rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>kS/s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vertical / right (13 V)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Horizontal / left (18 V)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Polarisation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unique</source>
        <extracomment>A transponder found nowhere else in the table</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velmora::CTpSortDlg</name>
    <message>
        <source>Frequency</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Symbol rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Polarisation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start with</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>West to east</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>East to west</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Satellites</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transponders</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>then by</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Satellites are put in order of position, beginning with the one chosen and going round in the direction chosen. The transponders of each satellite are sorted by the two keys.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velmora::CTransponderList</name>
    <message>
        <source>%1 of %2 rows match &quot;%3&quot;</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velmora::CVelmoraDoc</name>
    <message>
        <source>Untitled</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
