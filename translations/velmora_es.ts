<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
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
        <translation> Para LMT41C, LMT40S, etc.<byte value="xd"/>
 1) En el menú &apos;software upgrade&apos; del medidor puede copiar sattp.csv del medidor a un USB.<byte value="xd"/>
 2) Edite sattp.csv con velmora; al terminar, guarde sattp.csv y cópielo al USB.<byte value="xd"/>
 3) En el menú &apos;software upgrade&apos; del medidor puede cargar sattp.csv del USB al medidor.<byte value="xd"/>
 Aviso: desconecte el USB antes de encender el medidor; si no, se actualizará el software.<byte value="xd"/>
<byte value="xd"/>
 ¡Para el LMT20, antes el puerto serie debe ser suyo!<byte value="xd"/>
 Un adaptador USB-RS232 aparece como /dev/ttyUSB0 (COM1); añádase al grupo<byte value="xd"/>
 &apos;dialout&apos; (sudo usermod -aG dialout $USER) y vuelva a iniciar sesión.<byte value="xd"/>
<byte value="xd"/>
 LMT20: ACTUALIZAR DATOS<byte value="xd"/>
 1) Edite sattp.csv con velmora; al terminar, guarde sattp.csv.<byte value="xd"/>
 2) Conecte el adaptador USB-RS232 al PC y encienda el medidor.<byte value="xd"/>
 3) Elija su puerto (COM1..COM9) y pulse &apos;Escribir&apos; en velmora para actualizar los TP.<byte value="xd"/>
 4) Si la actualización termina bien, el LED del medidor mostrará &apos;OK&apos;.  <byte value="xd"/>
 <byte value="xd"/>
 LMT20: ACTUALIZAR SOFTWARE<byte value="xd"/>
 1) Conecte el adaptador USB-RS232 al PC. <byte value="xd"/>
 2) Pulse EXIT y encienda el medidor. <byte value="xd"/>
 3) Abra el archivo hex del software desde el menú Archivo. <byte value="xd"/>
 4) Pulse &apos;SOFT&apos; en velmora para actualizar el software.<byte value="xd"/>
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
            <numerusform>%n añadido</numerusform>
            <numerusform>%n añadidos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n removed</source>
        <translation>
            <numerusform>%n eliminado</numerusform>
            <numerusform>%n eliminados</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n changed</source>
        <translation>
            <numerusform>%n cambiado</numerusform>
            <numerusform>%n cambiados</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>FormLayout</name>
    <message>
        <source>RS232 communication</source>
        <translation>Comunicación RS232</translation>
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
        <translation>Añadir</translation>
    </message>
    <message>
        <source>EDIT</source>
        <translation>Editar</translation>
    </message>
    <message>
        <source>DELETE</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>SORT</source>
        <translation>Ordenar</translation>
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
        <translation>Buscar (Ctrl+F)</translation>
    </message>
</context>
<context>
    <name>ImportDlg</name>
    <message>
        <source>Import transponders</source>
        <translation>Importar transpondedores</translation>
    </message>
    <message>
        <source>Export satellites.xml</source>
        <translation>Exportar satellites.xml</translation>
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
        <translation>%1: esta lista no contiene satélites</translation>
    </message>
    <message>
        <source>All files (*);;Transponder lists (*.xml *.ini)</source>
        <translation>Todos los archivos (*);;Listas de transpondedores (*.xml *.ini)</translation>
    </message>
</context>
<context>
    <name>MainFrame</name>
    <message>
        <source>CAP</source>
        <extracomment>The status bar&apos;s Caps Lock indicator: keep it as short as the keyboard&apos;s word</extracomment>
        <translation>MAYÚS</translation>
    </message>
    <message>
        <source>NUM</source>
        <extracomment>The status bar&apos;s Num Lock indicator</extracomment>
        <translation>NUM</translation>
    </message>
    <message>
        <source>SCRL</source>
        <extracomment>The status bar&apos;s Scroll Lock indicator</extracomment>
        <translation>DESPL</translation>
    </message>
</context>
<context>
    <name>TpListModel</name>
    <message>
        <source>No.</source>
        <translation>N.º</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satélite</translation>
    </message>
    <message>
        <source>LNB</source>
        <translation>LNB</translation>
    </message>
    <message>
        <source>Freq</source>
        <translation>Frec.</translation>
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
        <translation>ÚNICO</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Tensión</translation>
    </message>
    <message>
        <source>Dish</source>
        <translation>Antena</translation>
    </message>
    <message>
        <source>DiSEqC Switch</source>
        <translation>Conmutador DiSEqC</translation>
    </message>
    <message>
        <source>DiSEqC Input</source>
        <translation>Entrada DiSEqC</translation>
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
        <translation>%1 (nuevo)</translation>
    </message>
    <message>
        <source>%1 added</source>
        <extracomment>Transponders added to a satellite.</extracomment>
        <translation>%1 añadidos</translation>
    </message>
    <message>
        <source>%1 removed</source>
        <extracomment>Transponders removed from a satellite.</extracomment>
        <translation>%1 eliminados</translation>
    </message>
    <message>
        <source>%1 changed</source>
        <extracomment>Transponders whose symbol rate changes.</extracomment>
        <translation>%1 modificados</translation>
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
        <translation>%1 coincide con %2</translation>
    </message>
</context>
<context>
    <name>Commands</name>
    <message>
        <source>New(&amp;N)</source>
        <translation>&amp;Nuevo</translation>
    </message>
    <message>
        <source>Open(&amp;O)...</source>
        <translation>&amp;Abrir...</translation>
    </message>
    <message>
        <source>Open an existing table file
Open a table</source>
        <translation>Abrir un archivo CSV existente
Abrir archivo CSV</translation>
    </message>
    <message>
        <source>Save(&amp;S)</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>Save the table to its file
Save</source>
        <translation>Guardar en el archivo CSV actual
Guardar</translation>
    </message>
    <message>
        <source>Save as(&amp;A)...</source>
        <translation>Guardar &amp;como...</translation>
    </message>
    <message>
        <source>Save the table to a new file
Save as</source>
        <translation>Guardar en un archivo CSV nuevo
Guardar como</translation>
    </message>
    <message>
        <source>Import transponders...</source>
        <translation>Importar transpondedores...</translation>
    </message>
    <message>
        <source>Merge a satellites.xml, .ini or dvbv5 transponder list into the table
Import transponders</source>
        <translation>Incorporar a la tabla una lista de transpondedores (satellites.xml, .ini o dvbv5)
Importar transpondedores</translation>
    </message>
    <message>
        <source>Export satellites.xml...</source>
        <translation>Exportar satellites.xml...</translation>
    </message>
    <message>
        <source>Write the table as a satellites.xml file
Export satellites.xml</source>
        <translation>Guardar la tabla como archivo satellites.xml
Exportar satellites.xml</translation>
    </message>
    <message>
        <source>Load soft...</source>
        <translation>Cargar firmware...</translation>
    </message>
    <message>
        <source>Load a firmware file (rav32izazud.hex)
Load soft</source>
        <translation>Cargar un archivo rav32izazud.hex existente
Abrir rav32izazud.hex</translation>
    </message>
    <message>
        <source>Load icon...</source>
        <translation>Cargar iconos...</translation>
    </message>
    <message>
        <source>Load an icon file (stm32icon.bin)
Load icon</source>
        <translation>Cargar un archivo stm32icon.bin existente
Abrir archivo stm32icon</translation>
    </message>
    <message>
        <source>Load logo...</source>
        <translation>Cargar logo...</translation>
    </message>
    <message>
        <source>Load a logo file (bootlogo.bin)
Load logo</source>
        <translation>Cargar un archivo bootlogo.bin existente
Abrir archivo bootlogo</translation>
    </message>
    <message>
        <source>Create Flash1M.bin</source>
        <translation>Crear Flash1M.bin</translation>
    </message>
    <message>
        <source>Create the factory image Flash1M.bin
Create Flash1M.bin</source>
        <translation>Crear Flash1M.bin para fábrica
Crear Flash1M.bin</translation>
    </message>
    <message>
        <source>Exit(&amp;X)</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Quit, asking to save the changes first
Exit</source>
        <translation>Salir y preguntar si guardar
Salir</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>Undo the last change of the tables
Undo</source>
        <translation>Deshacer el último cambio de las tablas
Deshacer</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rehacer</translation>
    </message>
    <message>
        <source>Redo the change undone last
Redo</source>
        <translation>Rehacer el último cambio deshecho
Rehacer</translation>
    </message>
    <message>
        <source>TP Add...</source>
        <translation>Añadir TP...</translation>
    </message>
    <message>
        <source>Add a transponder</source>
        <translation>Añadir un transpondedor</translation>
    </message>
    <message>
        <source>TP Edit...</source>
        <translation>Editar TP...</translation>
    </message>
    <message>
        <source>Edit the selected transponder</source>
        <translation>Editar el transpondedor seleccionado</translation>
    </message>
    <message>
        <source>TP Delete</source>
        <translation>Borrar TP</translation>
    </message>
    <message>
        <source>Delete the selected transponders</source>
        <translation>Borrar los transpondedores seleccionados</translation>
    </message>
    <message>
        <source>TP Sort...</source>
        <translation>Ordenar TP...</translation>
    </message>
    <message>
        <source>Sort the transponders</source>
        <translation>Ordenar los transpondedores</translation>
    </message>
    <message>
        <source>Satellite Add...</source>
        <translation>Añadir satélite...</translation>
    </message>
    <message>
        <source>Add a satellite</source>
        <translation>Añadir un satélite</translation>
    </message>
    <message>
        <source>Satellite Edit...</source>
        <translation>Editar satélite...</translation>
    </message>
    <message>
        <source>Edit the chosen satellite</source>
        <translation>Editar el satélite elegido</translation>
    </message>
    <message>
        <source>Satellite Delete</source>
        <translation>Borrar satélite</translation>
    </message>
    <message>
        <source>Delete the satellite of the selected transponder</source>
        <translation>Borrar el satélite del transpondedor seleccionado</translation>
    </message>
    <message>
        <source>LNB Edit...</source>
        <translation>Editar LNB...</translation>
    </message>
    <message>
        <source>Edit the selected LNB</source>
        <translation>Editar el LNB seleccionado</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>Find transponders by frequency, symbol rate, polarisation or satellite</source>
        <translation>Buscar transpondedores por frecuencia, tasa de símbolos, polarización o satélite</translation>
    </message>
    <message>
        <source>Check table...</source>
        <translation>Revisar tabla...</translation>
    </message>
    <message>
        <source>List what is probably wrong with the table</source>
        <translation>Listar lo que probablemente esté mal en la tabla</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Leer</translation>
    </message>
    <message>
        <source>Read transponders from meter</source>
        <translation>Leer los transpondedores del medidor</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>Escribir</translation>
    </message>
    <message>
        <source>Write transponders to meter</source>
        <translation>Escribir los transpondedores en el medidor</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Parar</translation>
    </message>
    <message>
        <source>Stop read/write transponders</source>
        <translation>Detener la lectura/escritura de transpondedores</translation>
    </message>
    <message>
        <source>Compare with meter...</source>
        <translation>Comparar con medidor...</translation>
    </message>
    <message>
        <source>Compare the tables with the meter&apos;s tables
Compare with meter</source>
        <translation>Comparar las tablas con las del medidor
Comparar con medidor</translation>
    </message>
    <message>
        <source>Unit records...</source>
        <translation>Registros de equipos...</translation>
    </message>
    <message>
        <source>Show the records of the meters this bench serviced
Unit records</source>
        <translation>Mostrar los registros de los medidores atendidos en este puesto
Registros de equipos</translation>
    </message>
    <message>
        <source>Write logo</source>
        <translation>Escribir logo</translation>
    </message>
    <message>
        <source>Write logo to meter</source>
        <translation>Escribir el logo en el medidor</translation>
    </message>
    <message>
        <source>Write icon</source>
        <translation>Escribir iconos</translation>
    </message>
    <message>
        <source>Write icon to meter</source>
        <translation>Escribir los iconos en el medidor</translation>
    </message>
    <message>
        <source>SOFT upgrade</source>
        <translation>Actualizar firmware</translation>
    </message>
    <message>
        <source>Upgrade the meter&apos;s software, Please press EXIT and turn on meter first !</source>
        <translation>Actualizar el firmware del medidor. ¡Primero pulse EXIT y encienda el medidor!</translation>
    </message>
    <message>
        <source>PATCH UP</source>
        <translation>PATCH UP</translation>
    </message>
    <message>
        <source>Run the ticked uploads (SOFT, ICON, LOGO, SAT TP) one by one
Patch up one by one</source>
        <translation>Ejecutar una tras otra las cargas marcadas (SOFT, ICON, LOGO, SAT TP)
Cargar una tras otra</translation>
    </message>
    <message>
        <source>Delete meter OSD icon...</source>
        <translation>Borrar iconos OSD del medidor...</translation>
    </message>
    <message>
        <source>Delete the meter&apos;s on-screen icons
Delete icons</source>
        <translation>Borrar los iconos OSD del medidor
Borrar iconos</translation>
    </message>
    <message>
        <source>Verify after write</source>
        <translation>Verificar tras escribir</translation>
    </message>
    <message>
        <source>Read the tables back after a write and check them
Verify after write</source>
        <translation>Releer las tablas tras escribirlas y comprobarlas
Verificar tras escribir</translation>
    </message>
    <message>
        <source>Back up before write</source>
        <translation>Copia antes de escribir</translation>
    </message>
    <message>
        <source>Save the meter&apos;s tables in the backups folder before a write
Back up before write</source>
        <translation>Guardar las tablas del medidor en la carpeta de copias antes de escribir
Copia antes de escribir</translation>
    </message>
    <message>
        <source>Help Contents...</source>
        <translation>Temas de ayuda...</translation>
    </message>
    <message>
        <source>Show the guide to the everyday tasks
Help Contents</source>
        <translation>Mostrar la guía de las tareas habituales
Temas de ayuda</translation>
    </message>
    <message>
        <source>About Orvane...</source>
        <translation>Acerca de Orvane...</translation>
    </message>
    <message>
        <source>Show the program&apos;s version and notes for meter owners
About</source>
        <translation>Mostrar la versión del programa y notas para los dueños del medidor
Acerca de</translation>
    </message>
    <message>
        <source>Display transponders</source>
        <translation>Mostrar transpondedores</translation>
    </message>
    <message>
        <source>Display LNB</source>
        <translation>Mostrar LNB</translation>
    </message>
    <message>
        <source>File(&amp;F)</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>Edit(&amp;E)</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>Meter(&amp;M)</source>
        <translation>&amp;Medidor</translation>
    </message>
    <message>
        <source>Help(&amp;H)</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>Find meter</source>
        <translation>Buscar medidor</translation>
    </message>
    <message>
        <source>Ask every port whether the meter answers, and choose the port it is on
Find meter</source>
        <translation>Preguntar en cada puerto si responde el medidor y elegir el puerto en que está
Buscar medidor</translation>
    </message>
    <message>
        <source>Import from the web...</source>
        <translation>Importar de la web...</translation>
    </message>
    <message>
        <source>Download a transponder list from an http or https address and merge it
Import from the web</source>
        <translation>Descargar una lista de transpondedores de una dirección http o https e incorporarla a la tabla
Importar de la web</translation>
    </message>
    <message>
        <source>Add satellites from the catalog...</source>
        <translation>Añadir satélites del catálogo...</translation>
    </message>
    <message>
        <source>Merge satellites from the scan tables installed on this computer
Add satellites from the catalog</source>
        <translation>Incorporar satélites de las tablas de escaneo instaladas en este equipo
Añadir satélites del catálogo</translation>
    </message>
    <message>
        <source>Restore a backup...</source>
        <translation>Restaurar una copia...</translation>
    </message>
    <message>
        <source>Write one of the backups taken before a write back to the meter
Restore a backup</source>
        <translation>Volver a escribir en el medidor una de las copias hechas antes de una escritura
Restaurar una copia</translation>
    </message>
    <message>
        <source>Record unit records</source>
        <translation>Llevar registros de equipos</translation>
    </message>
    <message>
        <source>Keep a record of every meter upgraded or written in the unit records
Record unit records</source>
        <translation>Anotar cada medidor actualizado o escrito en los registros de equipos
Llevar registros de equipos</translation>
    </message>
</context>
<context>
    <name>Core</name>
    <message>
        <source>Save the changes to %1?</source>
        <translation>¿Guardar los cambios en %1?</translation>
    </message>
    <message>
        <source>Save the changes to the table?</source>
        <translation>¿Guardar los cambios en la tabla?</translation>
    </message>
    <message>
        <source>soft files (*.hex);;All Files (*)</source>
        <translation>Archivos de firmware (*.hex);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>SOFT:</source>
        <translation>SOFT:</translation>
    </message>
    <message>
        <source>Device initialize ...</source>
        <translation>Iniciando dispositivo ...</translation>
    </message>
    <message>
        <source>File open failed ! </source>
        <translation>¡No se pudo abrir el archivo! </translation>
    </message>
    <message>
        <source>Device not found ! </source>
        <translation>¡Dispositivo no encontrado! </translation>
    </message>
    <message>
        <source>Firmware file is empty ! </source>
        <translation>¡El archivo de firmware está vacío! </translation>
    </message>
    <message>
        <source>Firmware larger than flash ! </source>
        <translation>¡Firmware mayor que la memoria flash! </translation>
    </message>
    <message>
        <source>Erasing memory ...</source>
        <translation>Borrando memoria ...</translation>
    </message>
    <message>
        <source>Failed to erase memory !</source>
        <translation>¡No se pudo borrar la memoria!</translation>
    </message>
    <message>
        <source>Failed to read file !</source>
        <translation>¡No se pudo leer el archivo!</translation>
    </message>
    <message>
        <source>Failed to write memory !</source>
        <translation>¡No se pudo escribir la memoria!</translation>
    </message>
    <message>
        <source>Failed to read memory !</source>
        <translation>¡No se pudo leer la memoria!</translation>
    </message>
    <message>
        <source>Software upgrade success ! </source>
        <translation>¡Firmware actualizado correctamente! </translation>
    </message>
    <message>
        <source>GetCommState Error </source>
        <translation>Error de GetCommState </translation>
    </message>
    <message>
        <source>SetCommState Error </source>
        <translation>Error de SetCommState </translation>
    </message>
    <message>
        <source>Failed to create event for thread!</source>
        <translation>¡No se pudo crear el evento del hilo!</translation>
    </message>
    <message>
        <source>Connect fail </source>
        <translation>Fallo de conexión </translation>
    </message>
    <message>
        <source> ask timeout !  </source>
        <translation> ¡Tiempo de espera agotado!  </translation>
    </message>
    <message>
        <source>Wait for connect ...</source>
        <translation>Esperando conexión ...</translation>
    </message>
    <message>
        <source>Press Stop to give up.</source>
        <translation>Pulse Parar para desistir.</translation>
    </message>
    <message>
        <source>Press Ctrl+C to give up.</source>
        <translation>Pulse Ctrl+C para desistir.</translation>
    </message>
    <message>
        <source>Read Completed ! </source>
        <translation>¡Lectura terminada! </translation>
    </message>
    <message>
        <source>Read Failed ! </source>
        <translation>¡Fallo de lectura! </translation>
    </message>
    <message>
        <source>Write Completed ! </source>
        <translation>¡Escritura terminada! </translation>
    </message>
    <message>
        <source>Write Failed ! </source>
        <translation>¡Fallo de escritura! </translation>
    </message>
    <message>
        <source>Delete Completed ! </source>
        <translation>¡Borrado terminado! </translation>
    </message>
    <message>
        <source>Delete Failed ! </source>
        <translation>¡Fallo de borrado! </translation>
    </message>
    <message>
        <source>Read LNB ...</source>
        <translation>Leyendo LNB ...</translation>
    </message>
    <message>
        <source>Read Satellites ...</source>
        <translation>Leyendo satélites ...</translation>
    </message>
    <message>
        <source>Read Transponders ...</source>
        <translation>Leyendo transpondedores ...</translation>
    </message>
    <message>
        <source>Write LNB ...</source>
        <translation>Escribiendo LNB ...</translation>
    </message>
    <message>
        <source>Write Satellites ...</source>
        <translation>Escribiendo satélites ...</translation>
    </message>
    <message>
        <source>Write Transponders ...</source>
        <translation>Escribiendo transpondedores ...</translation>
    </message>
    <message>
        <source>Verify ...</source>
        <translation>Verificando ...</translation>
    </message>
    <message>
        <source>Verify Failed ! </source>
        <translation>¡Fallo de verificación! </translation>
    </message>
    <message>
        <source>Verify failed: the table could not be read back from the meter.</source>
        <translation>Fallo de verificación: no se pudo releer la tabla del medidor.</translation>
    </message>
    <message>
        <source>Backup Failed ! </source>
        <translation>¡Fallo de la copia! </translation>
    </message>
    <message>
        <source>Backup failed: the meter&apos;s table could not be read. Nothing was written; the meter&apos;s table was left as it was.</source>
        <translation>Fallo de la copia: no se pudo leer la tabla del medidor. No se escribió nada; la tabla del medidor quedó como estaba.</translation>
    </message>
    <message>
        <source>You stopped the backup read. Nothing was written; the meter&apos;s table is as it was.</source>
        <translation>Detuvo la lectura de la copia. No se escribió nada; la tabla del medidor está como estaba.</translation>
    </message>
    <message>
        <source>You stopped the read-back: the table was written to the meter but not checked.</source>
        <translation>Detuvo la relectura: la tabla se escribió en el medidor, pero no se comprobó.</translation>
    </message>
    <message>
        <source>You stopped the write part-way, so the meter may now hold a partial table. Write the table again to make it whole.</source>
        <translation>Detuvo la escritura a medias, así que el medidor puede tener ahora una tabla incompleta. Vuelva a escribir la tabla para completarla.</translation>
    </message>
    <message>
        <source>The write broke off part-way, so the meter may now hold a partial table. Check that the meter is switched on and connected, then write the table again.</source>
        <translation>La escritura se interrumpió a medias, así que el medidor puede tener ahora una tabla incompleta. Compruebe que el medidor está encendido y conectado, y vuelva a escribir la tabla.</translation>
    </message>
    <message>
        <source>Open logo file error !</source>
        <translation>¡Error al abrir el archivo de logo!</translation>
    </message>
    <message>
        <source>Open icon file error !</source>
        <translation>¡Error al abrir el archivo de iconos!</translation>
    </message>
    <message>
        <source>Logo file too short !</source>
        <translation>¡Archivo de logo demasiado corto!</translation>
    </message>
    <message>
        <source>Icon file too short !</source>
        <translation>¡Archivo de iconos demasiado corto!</translation>
    </message>
    <message>
        <source>Write logo ...</source>
        <translation>Escribiendo logo ...</translation>
    </message>
    <message>
        <source>Write icon ...</source>
        <translation>Escribiendo iconos ...</translation>
    </message>
    <message>
        <source>Are you sure to delete meter osd icon ?  </source>
        <translation>¿Seguro que desea borrar los iconos OSD del medidor?  </translation>
    </message>
    <message>
        <source>logo files (*.bin);;All Files (*)</source>
        <translation>Archivos de logo (*.bin);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>icon files (*.bin);;All Files (*)</source>
        <translation>Archivos de iconos (*.bin);;Todos los archivos (*)</translation>
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
        <translation>¡Error al guardar el archivo!</translation>
    </message>
    <message>
        <source>The table has no satellites or transponders to write.</source>
        <translation>La tabla no tiene satélites ni transpondedores que escribir.</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>Deshacer %1</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>Rehacer %1</translation>
    </message>
    <message>
        <source>Delete %1 TPs</source>
        <translation>Borrar %1 TP</translation>
    </message>
    <message>
        <source>Add Satellite</source>
        <translation>Añadir satélite</translation>
    </message>
    <message>
        <source>Delete Satellite</source>
        <translation>Borrar satélite</translation>
    </message>
    <message>
        <source>Edit Satellite</source>
        <translation>Editar satélite</translation>
    </message>
    <message>
        <source>Add TP</source>
        <translation>Añadir TP</translation>
    </message>
    <message>
        <source>Edit TP</source>
        <translation>Editar TP</translation>
    </message>
    <message>
        <source>Delete TP</source>
        <translation>Borrar TP</translation>
    </message>
    <message>
        <source>Edit LNB</source>
        <translation>Editar LNB</translation>
    </message>
    <message>
        <source>Sort TPs</source>
        <translation>Ordenar TP</translation>
    </message>
    <message>
        <source>Read from Meter</source>
        <translation>Leer del medidor</translation>
    </message>
    <message>
        <source>sattp files (*.csv);;All Files (*)</source>
        <translation>Archivos sattp (*.csv);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Save as</source>
        <translation>Guardar como</translation>
    </message>
    <message>
        <source>A firmware file&apos;s name begins with rav32izazud.</source>
        <translation>El nombre de un archivo de firmware empieza por rav32izazud.</translation>
    </message>
    <message>
        <source>A logo file&apos;s name begins with stm32logo.</source>
        <translation>El nombre de un archivo de logo empieza por stm32logo.</translation>
    </message>
    <message>
        <source>An icon file&apos;s name begins with stm32icon.</source>
        <translation>El nombre de un archivo de iconos empieza por stm32icon.</translation>
    </message>
    <message>
        <source>%1(the adapter was unplugged)</source>
        <translation>%1(se desconectó el adaptador)</translation>
    </message>
    <message>
        <source>Meter found on %1</source>
        <translation>Medidor encontrado en %1</translation>
    </message>
    <message>
        <source>A meter in its bootloader answered on %1: use Firmware upgrade (Meter &gt; SOFT upgrade)</source>
        <translation>Un medidor en su bootloader respondió en %1: use Actualizar firmware (Medidor &gt; Actualizar firmware)</translation>
    </message>
    <message>
        <source>No meter answered on %1: is the meter switched on and its cable plugged?</source>
        <translation>Ningún medidor respondió en %1: ¿está el medidor encendido y su cable conectado?</translation>
    </message>
    <message>
        <source>No meter could be asked: %1</source>
        <translation>No se pudo preguntar a ningún medidor: %1</translation>
    </message>
    <message>
        <source>USB serial adapter plugged in: %1</source>
        <translation>Adaptador USB-RS232 conectado: %1</translation>
    </message>
    <message>
        <source>USB serial adapter pulled out: %1</source>
        <translation>Adaptador USB-RS232 desconectado: %1</translation>
    </message>
    <message>
        <source>You are not allowed to use %1: add yourself to the group &apos;%2&apos; (sudo usermod -aG %3 $USER) and log in again</source>
        <translation>No tiene permiso para usar %1: únase al grupo &apos;%2&apos; (sudo usermod -aG %3 $USER) y vuelva a iniciar sesión</translation>
    </message>
    <message>
        <source>%1 is in use by another program</source>
        <translation>%1 está en uso por otro programa</translation>
    </message>
    <message>
        <source>%1 is in use by another program (%2)</source>
        <translation>%1 está en uso por otro programa (%2)</translation>
    </message>
    <message>
        <source>%1 is locked by another program (%2)</source>
        <translation>%1 está bloqueado por otro programa (%2)</translation>
    </message>
    <message>
        <source>%1 is gone: is the cable plugged in?</source>
        <translation>%1 ha desaparecido: ¿está conectado el cable?</translation>
    </message>
    <message>
        <source>%1 is not a serial port</source>
        <translation>%1 no es un puerto serie</translation>
    </message>
    <message>
        <source>%1 cannot be opened</source>
        <translation>%1 no se puede abrir</translation>
    </message>
    <message>
        <source>%1 cannot be opened: %2</source>
        <translation>%1 no se puede abrir: %2</translation>
    </message>
    <message>
        <source>%1 is busy: ModemManager is probing it; the package&apos;s udev rule keeps it away, or wait 10 s</source>
        <translation>%1 está ocupado: ModemManager lo está sondeando; la regla udev del paquete lo mantiene alejado, o espere 10 s</translation>
    </message>
    <message>
        <source>A %1 USB serial adapter is plugged in but has no port: brltty (a braille display service) claimed it; remove brltty with &apos;sudo apt remove brltty&apos; or, if a braille display needs it, run &apos;sudo systemctl mask brltty-udev.service&apos; and plug the adapter in again</source>
        <translation>Hay un adaptador USB-RS232 %1 conectado pero sin puerto: brltty (un servicio para pantallas braille) lo ha ocupado; quite brltty con &apos;sudo apt remove brltty&apos; o, si una pantalla braille lo necesita, ejecute &apos;sudo systemctl mask brltty-udev.service&apos; y vuelva a conectar el adaptador</translation>
    </message>
    <message>
        <source>%1 has no device: is the cable plugged in? (VELMORA_%2 may name its path)</source>
        <translation>%1 no tiene dispositivo: ¿está conectado el cable? (VELMORA_%2 puede indicar su ruta)</translation>
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
        <translation>Apagado</translation>
    </message>
    <message>
        <source>Fixed</source>
        <translation>Fija</translation>
    </message>
    <message>
        <source>Moved</source>
        <translation>Motorizada</translation>
    </message>
    <message>
        <source>Looking for the meter ...</source>
        <translation>Buscando el medidor ...</translation>
    </message>
    <message>
        <source>No USB serial adapter is plugged in.</source>
        <translation>No hay ningún adaptador USB-RS232 conectado.</translation>
    </message>
    <message>
        <source>%1 answers late (latency timer %2 ms): a table write will take about %3 seconds; see the manual page</source>
        <translation>%1 responde con retraso (latency timer %2 ms): escribir la tabla tardará unos %3 segundos; vea la página del manual</translation>
    </message>
    <message>
        <source>%1 answers late (latency timer %2 ms): a table write will take about %3 minutes; see the manual page</source>
        <translation>%1 responde con retraso (latency timer %2 ms): escribir la tabla tardará unos %3 minutos; vea la página del manual</translation>
    </message>
    <message>
        <source>%1 cannot keep: %2.</source>
        <translation>%1 no puede conservar: %2.</translation>
    </message>
    <message>
        <source>%1 Save anyway ?</source>
        <translation>%1 ¿Guardar de todos modos?</translation>
    </message>
    <message>
        <source>%1: frequency %2 is outside %3..%4 MHz</source>
        <translation>%1: la frecuencia %2 está fuera de %3..%4 MHz</translation>
    </message>
    <message>
        <source>%1: symbol rate %2 is outside %3..%4 kS/s</source>
        <translation>%1: la tasa de símbolos %2 está fuera de %3..%4 kS/s</translation>
    </message>
    <message>
        <source>LNB %1: unknown type %2 (shown as 5150)</source>
        <translation>LNB %1: tipo %2 desconocido (se muestra como 5150)</translation>
    </message>
    <message>
        <source>%1: position %2 is above 3599 tenths of a degree (shown as %3)</source>
        <translation>%1: la posición %2 supera las 3599 décimas de grado (se muestra como %3)</translation>
    </message>
    <message>
        <source>%1: name has bytes that are not UTF-8 (%2)</source>
        <translation>%1: el nombre contiene bytes que no son UTF-8 (%2)</translation>
    </message>
    <message>
        <source>%1: no transponders</source>
        <translation>%1: sin transpondedores</translation>
    </message>
    <message>
        <source>%1: SAT %2 is not in use (the table has %3 satellites)</source>
        <translation>%1: el SAT %2 no está en uso (la tabla tiene %3 satélites)</translation>
    </message>
    <message>
        <source>%1: duplicate of TP %2 (%3)</source>
        <translation>%1: duplicado del TP %2 (%3)</translation>
    </message>
    <message>
        <source>1 difference</source>
        <translation>1 diferencia</translation>
    </message>
    <message>
        <source>%1 differences</source>
        <translation>%1 diferencias</translation>
    </message>
    <message>
        <source>order differs</source>
        <translation>el orden es distinto</translation>
    </message>
    <message>
        <source>icon written</source>
        <translation>iconos escritos</translation>
    </message>
    <message>
        <source>logo written</source>
        <translation>logo escrito</translation>
    </message>
    <message>
        <source>icon and logo written</source>
        <translation>iconos y logo escritos</translation>
    </message>
    <message>
        <source>tables written</source>
        <translation>tablas escritas</translation>
    </message>
    <message>
        <source>icon and tables written</source>
        <translation>iconos y tablas escritos</translation>
    </message>
    <message>
        <source>logo and tables written</source>
        <translation>logo y tablas escritos</translation>
    </message>
    <message>
        <source>icon, logo and tables written</source>
        <translation>iconos, logo y tablas escritos</translation>
    </message>
    <message>
        <source>Patch up done in %1 s: firmware upgraded and verified.</source>
        <translation>Carga terminada en %1 s: firmware actualizado y verificado.</translation>
    </message>
    <message>
        <source>Patch up done in %1 s.</source>
        <translation>Carga terminada en %1 s.</translation>
    </message>
    <message>
        <source>Patch up done in %1 s: firmware upgraded and verified; %2.</source>
        <translation>Carga terminada en %1 s: firmware actualizado y verificado; %2.</translation>
    </message>
    <message>
        <source>Patch up done in %1 s: %2.</source>
        <translation>Carga terminada en %1 s: %2.</translation>
    </message>
    <message>
        <source>No answer from the meter on %1 yet: is it switched on and connected to this port? %2</source>
        <translation>El medidor aún no responde en %1: ¿está encendido y conectado a este puerto? %2</translation>
    </message>
    <message>
        <source>No answer from the meter on %1: is it switched on and connected to this port? Nothing on the meter was changed.</source>
        <translation>El medidor no responde en %1: ¿está encendido y conectado a este puerto? No se cambió nada en el medidor.</translation>
    </message>
    <message>
        <source>%1 The meter&apos;s table before this write is in %2.</source>
        <translation>%1 La tabla del medidor anterior a esta escritura está en %2.</translation>
    </message>
    <message>
        <source>Backup failed: cannot write %1: %2. Nothing was written; the meter&apos;s table was left as it was.</source>
        <translation>Fallo de la copia: no se puede escribir %1: %2. No se escribió nada; la tabla del medidor quedó como estaba.</translation>
    </message>
    <message>
        <source>%1 was not read completely:

%2

Saving it writes the table without what is listed here.</source>
        <translation>%1 no se leyó por completo:

%2

Al guardarlo se escribe la tabla sin lo que aquí se indica.</translation>
    </message>
    <message>
        <source>%1 was not read completely (1 finding), so the table to be saved is shorter than that file.</source>
        <translation>%1 no se leyó por completo (1 hallazgo), así que la tabla que se va a guardar es más corta que ese archivo.</translation>
    </message>
    <message>
        <source>%1 was not read completely (%2 findings), so the table to be saved is shorter than that file.</source>
        <translation>%1 no se leyó por completo (%2 hallazgos), así que la tabla que se va a guardar es más corta que ese archivo.</translation>
    </message>
    <message>
        <source>Flash1M.bin written: %1 (%2 bytes)</source>
        <translation>Flash1M.bin escrito: %1 (%2 bytes)</translation>
    </message>
    <message>
        <source>%1

The result was added to %2.</source>
        <translation>%1

El resultado se añadió a %2.</translation>
    </message>
    <message>
        <source>Import added nothing</source>
        <translation>La importación no añadió nada</translation>
    </message>
    <message>
        <source>Import added 1 TP</source>
        <translation>La importación añadió 1 TP</translation>
    </message>
    <message>
        <source>Import added %1 TPs</source>
        <translation>La importación añadió %1 TP</translation>
    </message>
    <message>
        <source>Import added 1 TP, 1 satellite</source>
        <translation>La importación añadió 1 TP y 1 satélite</translation>
    </message>
    <message>
        <source>Import added %1 TPs, 1 satellite</source>
        <translation>La importación añadió %1 TP y 1 satélite</translation>
    </message>
    <message>
        <source>Import added 1 TP, %1 satellites</source>
        <translation>La importación añadió 1 TP y %1 satélites</translation>
    </message>
    <message>
        <source>Import added %1 TPs, %2 satellites</source>
        <translation>La importación añadió %1 TP y %2 satélites</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>No se puede escribir %1: %2</translation>
    </message>
    <message>
        <source>Exported 1 satellite and 1 transponder to %1</source>
        <translation>Se exportaron 1 satélite y 1 transpondedor a %1</translation>
    </message>
    <message>
        <source>Exported 1 satellite and %1 transponders to %2</source>
        <translation>Se exportaron 1 satélite y %1 transpondedores a %2</translation>
    </message>
    <message>
        <source>Exported %1 satellites and 1 transponder to %2</source>
        <translation>Se exportaron %1 satélites y 1 transpondedor a %2</translation>
    </message>
    <message>
        <source>Exported %1 satellites and %2 transponders to %3</source>
        <translation>Se exportaron %1 satélites y %2 transpondedores a %3</translation>
    </message>
    <message>
        <source>Cannot copy the sample table into %1.</source>
        <translation>No se puede copiar la tabla de ejemplo en %1.</translation>
    </message>
    <message>
        <source>Cannot create the data folder %1: %2</source>
        <translation>No se puede crear la carpeta de datos %1: %2</translation>
    </message>
    <message>
        <source>a file of that name is in the way</source>
        <translation>un archivo con ese nombre lo impide</translation>
    </message>
    <message>
        <source>Delete the transponder %1?</source>
        <translation>¿Borrar el transpondedor %1?</translation>
    </message>
    <message>
        <source>Delete %1 TPs ?</source>
        <translation>¿Borrar %1 TP?</translation>
    </message>
    <message>
        <source>Delete the satellite %1 and its transponders?</source>
        <translation>¿Borrar el satélite %1 y sus transpondedores?</translation>
    </message>
    <message>
        <source>matched %1, added %2 satellites and %3 transponders, %4 duplicates skipped, %5 replaced, %6 left out (table full), %7 invalid</source>
        <translation>%1 coincidentes, %2 satélites y %3 transpondedores añadidos, %4 duplicados omitidos, %5 reemplazados, %6 descartados (tabla llena), %7 no válidos</translation>
    </message>
    <message>
        <source>no scan tables in %1: install them with &apos;sudo apt install dtv-scan-tables&apos;</source>
        <translation>no hay tablas de escaneo en %1: instálelas con &apos;sudo apt install dtv-scan-tables&apos;</translation>
    </message>
    <message>
        <source>no scan tables in %1: %2</source>
        <translation>no hay tablas de escaneo en %1: %2</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importación</translation>
    </message>
    <message>
        <source>Downloading %1</source>
        <translation>Descargando %1</translation>
    </message>
    <message>
        <source>Download failed</source>
        <translation>La descarga ha fallado</translation>
    </message>
    <message>
        <source>Take the Meter&apos;s Table</source>
        <translation>Tomar la tabla del medidor</translation>
    </message>
    <message>
        <source>SOFT upgrade erases the meter&apos;s firmware and writes %1 in its place.

Switch the meter on while holding EXIT, then answer Yes.
Do not switch the meter off until the upgrade is done.

Upgrade the firmware now?</source>
        <translation>La actualización SOFT borra el firmware del medidor y escribe %1 en su lugar.

Encienda el medidor manteniendo pulsado EXIT y responda Sí.
No apague el medidor hasta que termine la actualización.

¿Actualizar el firmware ahora?</translation>
    </message>
    <message>
        <source>Logo written: %1</source>
        <translation>Logotipo escrito: %1</translation>
    </message>
    <message>
        <source>Icon written: %1</source>
        <translation>Icono escrito: %1</translation>
    </message>
    <message>
        <source>Icon file too large !</source>
        <translation>¡Archivo de iconos demasiado grande!</translation>
    </message>
    <message>
        <source>Icon file header makes no sense ! %1 announces records of %2 bytes, %3 x %4 of each size: all three must be above 0.</source>
        <translation>¡La cabecera del archivo de iconos no tiene sentido! %1 anuncia registros de %2 bytes, %3 x %4 de cada tamaño: los tres deben ser mayores que 0.</translation>
    </message>
    <message>
        <source>Icon file too large ! %1 announces %2 bytes; the meter&apos;s icon area holds %3.</source>
        <translation>¡Archivo de iconos demasiado grande! %1 anuncia %2 bytes; el área de iconos del medidor admite %3.</translation>
    </message>
    <message>
        <source>Logo file too short ! %1 holds %2 bytes; a logo takes %3.</source>
        <translation>¡Archivo de logo demasiado corto! %1 tiene %2 bytes; un logo ocupa %3.</translation>
    </message>
    <message>
        <source>Icon file too short ! %1 holds %2 bytes; an icon header takes %3.</source>
        <translation>¡Archivo de iconos demasiado corto! %1 tiene %2 bytes; una cabecera de iconos ocupa %3.</translation>
    </message>
    <message>
        <source>Icon file too short ! %1 holds %2 bytes; its header announces %3.</source>
        <translation>¡Archivo de iconos demasiado corto! %1 tiene %2 bytes; su cabecera anuncia %3.</translation>
    </message>
    <message>
        <source>hold EXIT while switching the meter on, then try again</source>
        <translation>mantenga pulsado EXIT al encender el medidor y vuelva a intentarlo</translation>
    </message>
    <message>
        <source>%1: LNB %2 (%3) receives %4..%5 MHz only</source>
        <translation>%1: el LNB %2 (%3) solo recibe %4..%5 MHz</translation>
    </message>
    <message>
        <source>The meter restarts with its new firmware: %1 s</source>
        <translation>El medidor se reinicia con su nuevo firmware: %1 s</translation>
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
        <translation>No hay copias en %1. Se hace una copia antes de cada escritura mientras Medidor &gt; Copia antes de escribir está activado.</translation>
    </message>
    <message>
        <source>Write the backup %1 to the meter? It replaces the meter&apos;s table.</source>
        <translation>¿Escribir la copia %1 en el medidor? Sustituye la tabla del medidor.</translation>
    </message>
    <message>
        <source>Backup written to the meter: %1</source>
        <translation>Copia escrita en el medidor: %1</translation>
    </message>
    <message>
        <source>The backup %1 holds no satellites, so there is nothing to write back.</source>
        <translation>La copia %1 no contiene satélites, así que no hay nada que volver a escribir.</translation>
    </message>
    <message>
        <source>No data folder for the unit records (HOME is not set); turn off Meter &gt; Record unit records or name a file in the settings.</source>
        <translation>No hay carpeta de datos para los registros de equipos (HOME no está definido); desactive Medidor &gt; Llevar registros de equipos o indique un archivo en la configuración.</translation>
    </message>
</context>
<context>
    <name>Language</name>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>Predeterminado del sistema</translation>
    </message>
    <message>
        <source>The language changes when Orvane is started next.</source>
        <translation>El idioma cambiará la próxima vez que se inicie Orvane.</translation>
    </message>
</context>
<context>
    <name>LnbChoiceText</name>
    <message>
        <source>no DiSEqC</source>
        <translation>sin DiSEqC</translation>
    </message>
    <message>
        <source>unknown DiSEqC switch</source>
        <translation>conmutador DiSEqC desconocido</translation>
    </message>
    <message>
        <source>DiSEqC %1 tone burst %2</source>
        <translation>DiSEqC %1 tone burst %2</translation>
    </message>
    <message>
        <source>DiSEqC %1 input %2</source>
        <translation>DiSEqC %1 entrada %2</translation>
    </message>
</context>
<context>
    <name>MeterMenu</name>
    <message>
        <source>backups/ beside the table</source>
        <translation>backups/ junto a la tabla</translation>
    </message>
    <message>
        <source>Back up before write (to %1)</source>
        <translation>Copia antes de escribir (en %1)</translation>
    </message>
    <message>
        <source>Write the backup back</source>
        <translation>Volver a escribir la copia</translation>
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
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Parar</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Leer</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>Escribir</translation>
    </message>
</context>
<context>
    <name>velmora::AboutDlg</name>
    <message>
        <source>About Orvane</source>
        <translation>Acerca de Orvane</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>velmora::CatalogDlg</name>
    <message>
        <source>Add satellites from the catalog</source>
        <translation>Añadir satélites del catálogo</translation>
    </message>
    <message>
        <source>Find a satellite by name or position</source>
        <translation>Buscar un satélite por nombre o posición</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Posición</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>TPs</source>
        <translation>TP</translation>
    </message>
    <message>
        <source>Tick the satellites to add.</source>
        <translation>Marque los satélites que desea añadir.</translation>
    </message>
</context>
<context>
    <name>velmora::CheckDlg</name>
    <message>
        <source>Check table</source>
        <translation>Revisar tabla</translation>
    </message>
    <message>
        <source>Nothing looks wrong with the table.</source>
        <translation>No se ve nada mal en la tabla.</translation>
    </message>
    <message numerus="yes">
        <source>%n finding(s); click one to select its row.</source>
        <translation>
            <numerusform>%n hallazgo; haga clic en él para seleccionar su fila.</numerusform>
            <numerusform>%n hallazgos; haga clic en uno para seleccionar su fila.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>velmora::CompareDlg</name>
    <message>
        <source>Compare with meter</source>
        <translation>Comparar con medidor</translation>
    </message>
    <message>
        <source>What writing the document&apos;s tables would change on the meter:</source>
        <translation>Lo que cambiaría en el medidor al escribir las tablas del documento:</translation>
    </message>
    <message>
        <source>Take the meter&apos;s table</source>
        <translation>Tomar la tabla del medidor</translation>
    </message>
    <message>
        <source>Replace the document&apos;s tables with the meter&apos;s</source>
        <translation>Sustituir las tablas del documento por las del medidor</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Write to the meter</source>
        <translation>Escribir en el medidor</translation>
    </message>
    <message>
        <source>Replace the meter&apos;s table with the document&apos;s</source>
        <translation>Sustituir la tabla del medidor por la del documento</translation>
    </message>
</context>
<context>
    <name>velmora::FormDialog</name>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>velmora::HelpDlg</name>
    <message>
        <source>Orvane Help</source>
        <translation>Ayuda de Orvane</translation>
    </message>
</context>
<context>
    <name>velmora::ImportDlg</name>
    <message>
        <source>Find a satellite by name or position</source>
        <translation>Buscar un satélite por nombre o posición</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Posición</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>TPs</source>
        <extracomment>Column of transponder counts</extracomment>
        <translation>TP</translation>
    </message>
    <message>
        <source>Goes into</source>
        <translation>Destino</translation>
    </message>
    <message>
        <source>The name a new satellite gets; double-click to change it</source>
        <translation>El nombre que recibe un satélite nuevo; doble clic para cambiarlo</translation>
    </message>
    <message>
        <source>A new satellite, or a table satellite of the band within 1.0 degree</source>
        <translation>Un satélite nuevo, o un satélite de la tabla de la misma banda a 1,0 grados como máximo</translation>
    </message>
    <message>
        <source>Select all</source>
        <translation>Seleccionar todo</translation>
    </message>
    <message>
        <source>Select none</source>
        <translation>No seleccionar nada</translation>
    </message>
    <message>
        <source>LNB of new Ku-band satellites</source>
        <translation>LNB de los satélites nuevos en banda Ku</translation>
    </message>
    <message>
        <source>LNB of new C-band satellites</source>
        <translation>LNB de los satélites nuevos en banda C</translation>
    </message>
    <message>
        <source>Add new transponders</source>
        <translation>Añadir transpondedores nuevos</translation>
    </message>
    <message>
        <source>Replace the transponders of the table satellites they go into</source>
        <translation>Sustituir los transpondedores de los satélites de destino de la tabla</translation>
    </message>
    <message>
        <source>new</source>
        <extracomment>The choice &quot;a new satellite&quot; in the &quot;Goes into&quot; column</extracomment>
        <translation>nuevo</translation>
    </message>
    <message>
        <source>Nothing in the table changes.</source>
        <translation>La tabla no cambia.</translation>
    </message>
    <message>
        <source>LNB of new Ka-band satellites</source>
        <translation>LNB de los satélites nuevos en banda Ka</translation>
    </message>
</context>
<context>
    <name>velmora::LnbEditDlg</name>
    <message>
        <source>LNB Edit</source>
        <translation>Editar LNB</translation>
    </message>
    <message>
        <source>LNB frequency</source>
        <translation>Frecuencia LNB</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Apagado</translation>
    </message>
    <message>
        <source>LNB power</source>
        <translation>Tensión LNB</translation>
    </message>
    <message>
        <source>Fixed</source>
        <translation>Fija</translation>
    </message>
    <message>
        <source>Moved</source>
        <translation>Motorizada</translation>
    </message>
    <message>
        <source>Dish type</source>
        <translation>Antena</translation>
    </message>
    <message>
        <source>DiSEqC switch</source>
        <translation>Conmut. DiSEqC</translation>
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
        <translation>Entrada DiSEqC</translation>
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
        <translation>Listo</translation>
    </message>
    <message>
        <source>Recent files</source>
        <translation>Archivos recientes</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Barra de herramientas</translation>
    </message>
    <message>
        <source>Satellites %1/%2   TPs %3/%4</source>
        <extracomment>How full the tables are; &quot;TPs&quot; are transponders</extracomment>
        <translation>Satélites %1/%2   TP %3/%4</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Sin título</translation>
    </message>
</context>
<context>
    <name>velmora::RestoreDlg</name>
    <message>
        <source>Restore a backup</source>
        <translation>Restaurar una copia</translation>
    </message>
    <message>
        <source>The backups in %1, newest first. The one you choose replaces the meter&apos;s table; the document stays as it is.</source>
        <translation>Las copias de %1, la más reciente primero. La que elija sustituye la tabla del medidor; el documento queda como está.</translation>
    </message>
    <message>
        <source>Taken</source>
        <translation>Hecha</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>Write to the meter</source>
        <translation>Escribir en el medidor</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>velmora::SatAddDlg</name>
    <message>
        <source>Satellite Edit</source>
        <translation>Editar satélite</translation>
    </message>
    <message>
        <source>Satellite Add</source>
        <translation>Añadir satélite</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satélite</translation>
    </message>
    <message>
        <source>East</source>
        <translation>Este</translation>
    </message>
    <message>
        <source>West</source>
        <translation>Oeste</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Posición</translation>
    </message>
    <message>
        <source>%1 of %2 bytes left</source>
        <translation>quedan %1 de %2 bytes</translation>
    </message>
    <message>
        <source>A comma cannot be stored: sattp.csv separates its columns with commas.</source>
        <translation>No se puede guardar una coma: sattp.csv separa sus columnas con comas.</translation>
    </message>
    <message>
        <source>No room left: a name holds at most %1 bytes, and a letter such as é takes 2.</source>
        <translation>No queda espacio: un nombre ocupa como máximo %1 bytes, y una letra como é ocupa 2.</translation>
    </message>
</context>
<context>
    <name>velmora::SatelliteTree</name>
    <message>
        <source>All Satellites</source>
        <translation>Todos los satélites</translation>
    </message>
</context>
<context>
    <name>velmora::TpEditDlg</name>
    <message>
        <source>Transponder</source>
        <translation>Transpondedor</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satélite</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frecuencia</translation>
    </message>
    <message>
        <source>MHz</source>
        <translation>MHz</translation>
    </message>
    <message>
        <source>Symbol rate</source>
        <translation>Tasa de símb.</translation>
    </message>
    <message>
        <source>kS/s</source>
        <translation>kS/s</translation>
    </message>
    <message>
        <source>Vertical / right (13 V)</source>
        <translation>Vertical / derecha (13 V)</translation>
    </message>
    <message>
        <source>Horizontal / left (18 V)</source>
        <translation>Horizontal / izquierda (18 V)</translation>
    </message>
    <message>
        <source>Polarisation</source>
        <translation>Polarización</translation>
    </message>
    <message>
        <source>Unique</source>
        <extracomment>A transponder found nowhere else in the table</extracomment>
        <translation>Único</translation>
    </message>
</context>
<context>
    <name>velmora::TpSortDlg</name>
    <message>
        <source>Frequency</source>
        <translation>Frecuencia</translation>
    </message>
    <message>
        <source>Symbol rate</source>
        <translation>Tasa de símbolos</translation>
    </message>
    <message>
        <source>Polarisation</source>
        <translation>Polarización</translation>
    </message>
    <message>
        <source>Start with</source>
        <translation>Empezar por</translation>
    </message>
    <message>
        <source>West to east</source>
        <translation>De oeste a este</translation>
    </message>
    <message>
        <source>East to west</source>
        <translation>De este a oeste</translation>
    </message>
    <message>
        <source>Satellites</source>
        <translation>Satélites</translation>
    </message>
    <message>
        <source>Transponders</source>
        <translation>TP</translation>
    </message>
    <message>
        <source>then by</source>
        <translation>y luego por</translation>
    </message>
    <message>
        <source>Satellites are put in order of position, beginning with the one chosen and going round in the direction chosen. The transponders of each satellite are sorted by the two keys.</source>
        <translation>Los satélites se ordenan por posición, empezando por el elegido y siguiendo en el sentido elegido. Los transpondedores de cada satélite se ordenan por las dos claves.</translation>
    </message>
</context>
<context>
    <name>velmora::TransponderListView</name>
    <message>
        <source>%1 of %2 rows match &quot;%3&quot;</source>
        <translation>%1 de %2 filas coinciden con «%3»</translation>
    </message>
</context>
<context>
    <name>velmora::UnitRecordsDlg</name>
    <message>
        <source>Unit records</source>
        <translation>Registros de equipos</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>Unique ID:</source>
        <translation>ID única:</translation>
    </message>
    <message>
        <source>From (UTC):</source>
        <translation>Desde (UTC):</translation>
    </message>
    <message>
        <source>To (UTC):</source>
        <translation>Hasta (UTC):</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Hora</translation>
    </message>
    <message>
        <source>Bench</source>
        <translation>Puesto</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Puerto</translation>
    </message>
    <message>
        <source>Unique ID</source>
        <translation>ID única</translation>
    </message>
    <message>
        <source>Firmware</source>
        <translation>Firmware</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Resultado</translation>
    </message>
    <message>
        <source>Reason</source>
        <translation>Motivo</translation>
    </message>
    <message>
        <source>Write a day as 2026-12-09, a time as 2026-12-09T08:00:00Z.</source>
        <translation>Escriba un día como 2026-12-09 y una hora como 2026-12-09T08:00:00Z.</translation>
    </message>
    <message>
        <source>passed</source>
        <translation>correcto</translation>
    </message>
    <message>
        <source>failed</source>
        <translation>fallido</translation>
    </message>
    <message>
        <source>%1 serviced, %2 passed, %3 failed; records in %4</source>
        <translation>%1 atendidos, %2 correctos, %3 fallidos; registros en %4</translation>
    </message>
    <message>
        <source>Records</source>
        <translation>Registros</translation>
    </message>
    <message>
        <source>Production report</source>
        <translation>Informe de producción</translation>
    </message>
    <message>
        <source>Open a report...</source>
        <translation>Abrir un informe...</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Inicio</translation>
    </message>
    <message>
        <source>Meter</source>
        <translation>Equipo</translation>
    </message>
    <message>
        <source>Steps</source>
        <translation>Pasos</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Informe</translation>
    </message>
    <message>
        <source>Open a report</source>
        <translation>Abrir un informe</translation>
    </message>
    <message>
        <source>Production reports (*.jsonl *.json *.txt);;All Files (*)</source>
        <translation>Informes de producción (*.jsonl *.json *.txt);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>The production line writes one line per meter into the file of --report.</source>
        <translation>La línea de producción escribe una línea por medidor en el archivo de --report.</translation>
    </message>
    <message>
        <source>%1 cannot be read.</source>
        <translation>No se puede leer %1.</translation>
    </message>
    <message>
        <source>%1, line %2, is not a line of a production report.</source>
        <translation>%1, línea %2, no es una línea de un informe de producción.</translation>
    </message>
    <message>
        <source>%1: %2 meters, %3 passed, %4 failed</source>
        <translation>%1: %2 medidores, %3 correctos, %4 fallidos</translation>
    </message>
</context>
<context>
    <name>velmora::UrlDlg</name>
    <message>
        <source>Import from the web</source>
        <translation>Importar de la web</translation>
    </message>
    <message>
        <source>https://... a satellites.xml, .ini or dvbv5 list</source>
        <translation>https://... una lista satellites.xml, .ini o dvbv5</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Dirección</translation>
    </message>
</context>
<context>
    <name>velmora::VelmoraDoc</name>
    <message>
        <source>Untitled</source>
        <translation>Sin título</translation>
    </message>
</context>
<context>
    <name>WebPage</name>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Hemisphere</source>
        <translation>Hemisferio</translation>
    </message>
    <message>
        <source>TP Add</source>
        <translation>Añadir TP</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>TP Edit</source>
        <translation>Editar TP</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>Entrada</translation>
    </message>
    <message>
        <source>22K tone</source>
        <translation>Tono 22 kHz</translation>
    </message>
    <message>
        <source>TP Sort</source>
        <translation>Ordenar TP</translation>
    </message>
    <message>
        <source>First satellite</source>
        <translation>Primer satélite</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>Dirección</translation>
    </message>
    <message>
        <source>West-&gt;East</source>
        <translation>Oeste-&gt;Este</translation>
    </message>
    <message>
        <source>East-&gt;West</source>
        <translation>Este-&gt;Oeste</translation>
    </message>
    <message>
        <source>First key</source>
        <translation>Primera clave</translation>
    </message>
    <message>
        <source>Symbolrate</source>
        <translation>Tasa de símb</translation>
    </message>
    <message>
        <source>Pol</source>
        <translation>Pol</translation>
    </message>
    <message>
        <source>Second key</source>
        <translation>Segunda clave</translation>
    </message>
    <message>
        <source>automatic</source>
        <translation>automático</translation>
    </message>
    <message>
        <source>The address of a transponder list (http or https):</source>
        <translation>La dirección de una lista de transpondedores (http o https):</translation>
    </message>
    <message>
        <source>Findings: %1</source>
        <translation>Hallazgos: %1</translation>
    </message>
    <message>
        <source>No findings</source>
        <translation>Sin hallazgos</translation>
    </message>
    <message>
        <source>Orvane in the browser: the table editor and meter service, with the same core as the desktop program.</source>
        <translation>Orvane en el navegador: el editor de tablas y el servicio del medidor, con el mismo núcleo que el programa de escritorio.</translation>
    </message>
    <message>
        <source>The commands are those of the desktop program&apos;s menus. Connect chooses the meter&apos;s serial port.</source>
        <translation>Las órdenes son las de los menús del programa de escritorio. «Conectar» elige el puerto serie del medidor.</translation>
    </message>
    <message>
        <source>%1: the browser cannot do this; the desktop program can.</source>
        <translation>%1: el navegador no puede hacerlo; el programa de escritorio sí.</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ajustes</translation>
    </message>
    <message>
        <source>Web Serial port chosen</source>
        <translation>Puerto Web Serial elegido</translation>
    </message>
    <message>
        <source>This browser has no Web Serial, so the page cannot reach a meter: use Chrome, Edge or Opera on Windows, macOS or Linux (or Firefox from its release 151); the table editor works here.</source>
        <translation>Este navegador no tiene Web Serial, así que la página no puede llegar a un medidor: use Chrome, Edge u Opera en Windows, macOS o Linux (o Firefox desde su versión 151); el editor de tablas funciona aquí.</translation>
    </message>
    <message>
        <source>Menus</source>
        <translation>Menús</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Conectar</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Puerto</translation>
    </message>
    <message>
        <source>No port</source>
        <translation>Sin puerto</translation>
    </message>
    <message>
        <source>List</source>
        <translation>Lista</translation>
    </message>
    <message>
        <source>Meter</source>
        <translation>Medidor</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progreso</translation>
    </message>
    <message>
        <source>Satellites of the list</source>
        <translation>Satélites de la lista</translation>
    </message>
    <message>
        <source>Import summary</source>
        <translation>Resumen de la importación</translation>
    </message>
    <message>
        <source>Changes</source>
        <translation>Cambios</translation>
    </message>
    <message>
        <source>The desktop program has this; a browser cannot do it.</source>
        <translation>El programa de escritorio lo tiene; un navegador no puede hacerlo.</translation>
    </message>
</context>
</TS>
