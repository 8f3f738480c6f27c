<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt" sourcelanguage="en">
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
 1) No menu &apos;software upgrade&apos; do medidor pode copiar o sattp.csv do medidor para a memória USB.<byte value="xd"/>
 2) Edite o sattp.csv no velmora; no fim, guarde o sattp.csv e copie-o para a memória USB.<byte value="xd"/>
 3) No menu &apos;software upgrade&apos; do medidor pode carregar o sattp.csv da memória USB para o medidor.<byte value="xd"/>
 Atenção: antes de ligar o medidor, retire a memória USB; caso contrário, inicia-se a atualização do firmware.<byte value="xd"/>
<byte value="xd"/>
 No LMT20, a porta série tem de ser sua primeiro!<byte value="xd"/>
 Um adaptador USB-RS232 aparece como /dev/ttyUSB0 (COM1); junte-se ao grupo<byte value="xd"/>
 &apos;dialout&apos; (sudo usermod -aG dialout $USER) e volte a iniciar sessão.<byte value="xd"/>
<byte value="xd"/>
 LMT20: ATUALIZAR DADOS<byte value="xd"/>
 1) Edite o sattp.csv no velmora; no fim, guarde o sattp.csv.<byte value="xd"/>
 2) Ligue o adaptador USB-RS232 ao PC e ligue o medidor.<byte value="xd"/>
 3) Escolha a porta (COM1..COM9) e clique no botão &apos;Escrever&apos; do velmora para atualizar os TP.<byte value="xd"/>
 4) Se a atualização terminar com êxito, o visor LED do medidor mostra &apos;OK&apos;.  <byte value="xd"/>
 <byte value="xd"/>
 LMT20: ATUALIZAR FIRMWARE<byte value="xd"/>
 1) Ligue o adaptador USB-RS232 ao PC. <byte value="xd"/>
 2) Pressione EXIT e ligue o medidor. <byte value="xd"/>
 3) Abra o ficheiro de firmware (HEX) no menu Ficheiro. <byte value="xd"/>
 4) Clique no botão &apos;SOFT&apos; do velmora para atualizar o firmware.<byte value="xd"/>
 </translation>
    </message>
    <message>
        <source>Orvane Ver %1.%2</source>
        <extracomment>The version line; &quot;Orvane&quot; is the product name, never translated</extracomment>
        <translation>Orvane versão %1.%2</translation>
    </message>
</context>
<context>
    <name>CompareDlg</name>
    <message numerus="yes">
        <source>%n added</source>
        <translation>
            <numerusform>%n adicionado</numerusform>
            <numerusform>%n adicionados</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n removed</source>
        <translation>
            <numerusform>%n removido</numerusform>
            <numerusform>%n removidos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n changed</source>
        <translation>
            <numerusform>%n alterado</numerusform>
            <numerusform>%n alterados</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>FormLayout</name>
    <message>
        <source>RS232 communication</source>
        <translation>Comunicação RS232</translation>
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
        <translation>Novo</translation>
    </message>
    <message>
        <source>EDIT</source>
        <translation>Editar</translation>
    </message>
    <message>
        <source>DELETE</source>
        <translation>Eliminar</translation>
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
        <translation>Procurar (Ctrl+F)</translation>
    </message>
</context>
<context>
    <name>ImportDlg</name>
    <message>
        <source>Import transponders</source>
        <translation>Importar transponders</translation>
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
        <translation>%1: esta lista não tem satélites</translation>
    </message>
    <message>
        <source>All files (*);;Transponder lists (*.xml *.ini)</source>
        <translation>Todos os ficheiros (*);;Listas de transponders (*.xml *.ini)</translation>
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
        <translation>ÚNICO</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Alimentação</translation>
    </message>
    <message>
        <source>Dish</source>
        <translation>Antena</translation>
    </message>
    <message>
        <source>DiSEqC Switch</source>
        <translation>Comutador DiSEqC</translation>
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
        <translation>%1 (novo)</translation>
    </message>
    <message>
        <source>%1 added</source>
        <extracomment>Transponders added to a satellite.</extracomment>
        <translation>%1 acrescentados</translation>
    </message>
    <message>
        <source>%1 removed</source>
        <extracomment>Transponders removed from a satellite.</extracomment>
        <translation>%1 removidos</translation>
    </message>
    <message>
        <source>%1 changed</source>
        <extracomment>Transponders whose symbol rate changes.</extracomment>
        <translation>%1 alterados</translation>
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
        <translation>%1 corresponde a %2</translation>
    </message>
</context>
<context>
    <name>Commands</name>
    <message>
        <source>New(&amp;N)</source>
        <translation>&amp;Novo</translation>
    </message>
    <message>
        <source>Open(&amp;O)...</source>
        <translation>&amp;Abrir...</translation>
    </message>
    <message>
        <source>Open an existing table file
Open a table</source>
        <translation>Abrir um ficheiro CSV existente
Abrir ficheiro CSV</translation>
    </message>
    <message>
        <source>Save(&amp;S)</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>Save the table to its file
Save</source>
        <translation>Guardar no ficheiro CSV atual
Guardar</translation>
    </message>
    <message>
        <source>Save as(&amp;A)...</source>
        <translation>Guardar &amp;como...</translation>
    </message>
    <message>
        <source>Save the table to a new file
Save as</source>
        <translation>Guardar num novo ficheiro CSV
Guardar como</translation>
    </message>
    <message>
        <source>Import transponders...</source>
        <translation>Importar transponders...</translation>
    </message>
    <message>
        <source>Merge a satellites.xml, .ini or dvbv5 transponder list into the table
Import transponders</source>
        <translation>Juntar à tabela uma lista de transponders (satellites.xml, .ini ou dvbv5)
Importar transponders</translation>
    </message>
    <message>
        <source>Export satellites.xml...</source>
        <translation>Exportar satellites.xml...</translation>
    </message>
    <message>
        <source>Write the table as a satellites.xml file
Export satellites.xml</source>
        <translation>Escrever a tabela num ficheiro satellites.xml
Exportar satellites.xml</translation>
    </message>
    <message>
        <source>Load soft...</source>
        <translation>Carregar firmware...</translation>
    </message>
    <message>
        <source>Load a firmware file (rav32izazud.hex)
Load soft</source>
        <translation>Carregar um ficheiro rav32izazud.hex existente
Abrir rav32izazud.hex</translation>
    </message>
    <message>
        <source>Load icon...</source>
        <translation>Carregar ícones...</translation>
    </message>
    <message>
        <source>Load an icon file (stm32icon.bin)
Load icon</source>
        <translation>Carregar um ficheiro stm32icon.bin existente
Abrir ficheiro stm32icon</translation>
    </message>
    <message>
        <source>Load logo...</source>
        <translation>Carregar logótipo...</translation>
    </message>
    <message>
        <source>Load a logo file (bootlogo.bin)
Load logo</source>
        <translation>Carregar um ficheiro bootlogo.bin existente
Abrir ficheiro bootlogo</translation>
    </message>
    <message>
        <source>Create Flash1M.bin</source>
        <translation>Criar Flash1M.bin</translation>
    </message>
    <message>
        <source>Create the factory image Flash1M.bin
Create Flash1M.bin</source>
        <translation>Criar Flash1M.bin para a fábrica
Criar Flash1M.bin</translation>
    </message>
    <message>
        <source>Exit(&amp;X)</source>
        <translation>Sa&amp;ir</translation>
    </message>
    <message>
        <source>Quit, asking to save the changes first
Exit</source>
        <translation>Sair, perguntando se quer guardar
Sair</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Desfazer</translation>
    </message>
    <message>
        <source>Undo the last change of the tables
Undo</source>
        <translation>Desfazer a última alteração das tabelas
Desfazer</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Refazer</translation>
    </message>
    <message>
        <source>Redo the change undone last
Redo</source>
        <translation>Refazer a última alteração desfeita
Refazer</translation>
    </message>
    <message>
        <source>TP Add...</source>
        <translation>Adicionar TP...</translation>
    </message>
    <message>
        <source>Add a transponder</source>
        <translation>Adicionar um transponder</translation>
    </message>
    <message>
        <source>TP Edit...</source>
        <translation>Editar TP...</translation>
    </message>
    <message>
        <source>Edit the selected transponder</source>
        <translation>Editar o transponder selecionado</translation>
    </message>
    <message>
        <source>TP Delete</source>
        <translation>Eliminar TP</translation>
    </message>
    <message>
        <source>Delete the selected transponders</source>
        <translation>Eliminar os transponders selecionados</translation>
    </message>
    <message>
        <source>TP Sort...</source>
        <translation>Ordenar TP...</translation>
    </message>
    <message>
        <source>Sort the transponders</source>
        <translation>Ordenar os transponders</translation>
    </message>
    <message>
        <source>Satellite Add...</source>
        <translation>Adicionar satélite...</translation>
    </message>
    <message>
        <source>Add a satellite</source>
        <translation>Adicionar um satélite</translation>
    </message>
    <message>
        <source>Satellite Edit...</source>
        <translation>Editar satélite...</translation>
    </message>
    <message>
        <source>Edit the chosen satellite</source>
        <translation>Editar o satélite escolhido</translation>
    </message>
    <message>
        <source>Satellite Delete</source>
        <translation>Eliminar satélite</translation>
    </message>
    <message>
        <source>Delete the satellite of the selected transponder</source>
        <translation>Eliminar o satélite do transponder selecionado</translation>
    </message>
    <message>
        <source>LNB Edit...</source>
        <translation>Editar LNB...</translation>
    </message>
    <message>
        <source>Edit the selected LNB</source>
        <translation>Editar o LNB selecionado</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Procurar</translation>
    </message>
    <message>
        <source>Find transponders by frequency, symbol rate, polarisation or satellite</source>
        <translation>Procurar transponders por frequência, taxa de símbolos, polarização ou satélite</translation>
    </message>
    <message>
        <source>Check table...</source>
        <translation>Verificar tabela...</translation>
    </message>
    <message>
        <source>List what is probably wrong with the table</source>
        <translation>Listar o que provavelmente está errado na tabela</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Ler</translation>
    </message>
    <message>
        <source>Read transponders from meter</source>
        <translation>Ler os transponders do medidor</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>Escrever</translation>
    </message>
    <message>
        <source>Write transponders to meter</source>
        <translation>Escrever os transponders no medidor</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Parar</translation>
    </message>
    <message>
        <source>Stop read/write transponders</source>
        <translation>Parar a leitura/escrita dos transponders</translation>
    </message>
    <message>
        <source>Compare with meter...</source>
        <translation>Comparar com o medidor...</translation>
    </message>
    <message>
        <source>Compare the tables with the meter&apos;s tables
Compare with meter</source>
        <translation>Comparar as tabelas com as do medidor
Comparar com o medidor</translation>
    </message>
    <message>
        <source>Unit records...</source>
        <translation>Registos de aparelhos...</translation>
    </message>
    <message>
        <source>Show the records of the meters this bench serviced
Unit records</source>
        <translation>Mostrar os registos dos medidores atendidos nesta bancada
Registos de aparelhos</translation>
    </message>
    <message>
        <source>Write logo</source>
        <translation>Escrever logótipo</translation>
    </message>
    <message>
        <source>Write logo to meter</source>
        <translation>Escrever o logótipo no medidor</translation>
    </message>
    <message>
        <source>Write icon</source>
        <translation>Escrever ícones</translation>
    </message>
    <message>
        <source>Write icon to meter</source>
        <translation>Escrever os ícones no medidor</translation>
    </message>
    <message>
        <source>SOFT upgrade</source>
        <translation>Atualizar firmware</translation>
    </message>
    <message>
        <source>Upgrade the meter&apos;s software, Please press EXIT and turn on meter first !</source>
        <translation>Atualizar o firmware do medidor. Pressione primeiro EXIT e ligue o medidor!</translation>
    </message>
    <message>
        <source>PATCH UP</source>
        <translation>PATCH UP</translation>
    </message>
    <message>
        <source>Run the ticked uploads (SOFT, ICON, LOGO, SAT TP) one by one
Patch up one by one</source>
        <translation>Executar as transferências marcadas (SOFT, ICON, LOGO, SAT TP) uma a uma
Transferir uma a uma</translation>
    </message>
    <message>
        <source>Delete meter OSD icon...</source>
        <translation>Apagar ícones OSD do medidor...</translation>
    </message>
    <message>
        <source>Delete the meter&apos;s on-screen icons
Delete icons</source>
        <translation>Apagar os ícones OSD do medidor
Apagar ícones</translation>
    </message>
    <message>
        <source>Verify after write</source>
        <translation>Verificar após escrever</translation>
    </message>
    <message>
        <source>Read the tables back after a write and check them
Verify after write</source>
        <translation>Reler as tabelas após a escrita e verificá-las
Verificar após escrever</translation>
    </message>
    <message>
        <source>Back up before write</source>
        <translation>Cópia antes de escrever</translation>
    </message>
    <message>
        <source>Save the meter&apos;s tables in the backups folder before a write
Back up before write</source>
        <translation>Guardar as tabelas do medidor na pasta de cópias de segurança antes de escrever
Cópia antes de escrever</translation>
    </message>
    <message>
        <source>Help Contents...</source>
        <translation>Tópicos da ajuda...</translation>
    </message>
    <message>
        <source>Show the guide to the everyday tasks
Help Contents</source>
        <translation>Mostrar o guia das tarefas do dia a dia
Tópicos da ajuda</translation>
    </message>
    <message>
        <source>About Orvane...</source>
        <translation>Acerca do Orvane...</translation>
    </message>
    <message>
        <source>Show the program&apos;s version and notes for meter owners
About</source>
        <translation>Mostrar a versão do programa e notas para os donos do medidor
Acerca de</translation>
    </message>
    <message>
        <source>Display transponders</source>
        <translation>Mostrar transponders</translation>
    </message>
    <message>
        <source>Display LNB</source>
        <translation>Mostrar LNB</translation>
    </message>
    <message>
        <source>File(&amp;F)</source>
        <translation>&amp;Ficheiro</translation>
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
        <translation>A&amp;juda</translation>
    </message>
    <message>
        <source>Find meter</source>
        <translation>Procurar medidor</translation>
    </message>
    <message>
        <source>Ask every port whether the meter answers, and choose the port it is on
Find meter</source>
        <translation>Perguntar em cada porta se o medidor responde e escolher a porta em que está
Procurar medidor</translation>
    </message>
    <message>
        <source>Import from the web...</source>
        <translation>Importar da web...</translation>
    </message>
    <message>
        <source>Download a transponder list from an http or https address and merge it
Import from the web</source>
        <translation>Transferir uma lista de transponders de um endereço http ou https e juntá-la à tabela
Importar da web</translation>
    </message>
    <message>
        <source>Add satellites from the catalog...</source>
        <translation>Acrescentar satélites do catálogo...</translation>
    </message>
    <message>
        <source>Merge satellites from the scan tables installed on this computer
Add satellites from the catalog</source>
        <translation>Juntar satélites das tabelas de pesquisa instaladas neste computador
Acrescentar satélites do catálogo</translation>
    </message>
    <message>
        <source>Restore a backup...</source>
        <translation>Restaurar uma cópia...</translation>
    </message>
    <message>
        <source>Write one of the backups taken before a write back to the meter
Restore a backup</source>
        <translation>Voltar a escrever no medidor uma das cópias feitas antes de uma escrita
Restaurar uma cópia</translation>
    </message>
    <message>
        <source>Record unit records</source>
        <translation>Manter registos de aparelhos</translation>
    </message>
    <message>
        <source>Keep a record of every meter upgraded or written in the unit records
Record unit records</source>
        <translation>Registar cada medidor atualizado ou escrito nos registos de aparelhos
Manter registos de aparelhos</translation>
    </message>
</context>
<context>
    <name>Core</name>
    <message>
        <source>Save the changes to %1?</source>
        <translation>Guardar as alterações em %1?</translation>
    </message>
    <message>
        <source>Save the changes to the table?</source>
        <translation>Guardar as alterações da tabela?</translation>
    </message>
    <message>
        <source>soft files (*.hex);;All Files (*)</source>
        <translation>Ficheiros de firmware (*.hex);;Todos os ficheiros (*)</translation>
    </message>
    <message>
        <source>SOFT:</source>
        <translation>SOFT:</translation>
    </message>
    <message>
        <source>Device initialize ...</source>
        <translation>A inicializar o dispositivo ...</translation>
    </message>
    <message>
        <source>File open failed ! </source>
        <translation>Não foi possível abrir o ficheiro! </translation>
    </message>
    <message>
        <source>Device not found ! </source>
        <translation>Dispositivo não encontrado! </translation>
    </message>
    <message>
        <source>Firmware file is empty ! </source>
        <translation>O ficheiro de firmware está vazio! </translation>
    </message>
    <message>
        <source>Firmware larger than flash ! </source>
        <translation>Firmware maior do que a memória flash! </translation>
    </message>
    <message>
        <source>Erasing memory ...</source>
        <translation>A apagar a memória ...</translation>
    </message>
    <message>
        <source>Failed to erase memory !</source>
        <translation>Falha ao apagar a memória!</translation>
    </message>
    <message>
        <source>Failed to read file !</source>
        <translation>Falha ao ler o ficheiro!</translation>
    </message>
    <message>
        <source>Failed to write memory !</source>
        <translation>Falha ao escrever a memória!</translation>
    </message>
    <message>
        <source>Failed to read memory !</source>
        <translation>Falha ao ler a memória!</translation>
    </message>
    <message>
        <source>Software upgrade success ! </source>
        <translation>Firmware atualizado com êxito! </translation>
    </message>
    <message>
        <source>GetCommState Error </source>
        <translation>Erro de GetCommState </translation>
    </message>
    <message>
        <source>SetCommState Error </source>
        <translation>Erro de SetCommState </translation>
    </message>
    <message>
        <source>Failed to create event for thread!</source>
        <translation>Falha ao criar o evento para a thread!</translation>
    </message>
    <message>
        <source>Connect fail </source>
        <translation>Falha na ligação </translation>
    </message>
    <message>
        <source> ask timeout !  </source>
        <translation> tempo de resposta esgotado!  </translation>
    </message>
    <message>
        <source>Wait for connect ...</source>
        <translation>A aguardar ligação ...</translation>
    </message>
    <message>
        <source>Press Stop to give up.</source>
        <translation>Clique em Parar para desistir.</translation>
    </message>
    <message>
        <source>Press Ctrl+C to give up.</source>
        <translation>Pressione Ctrl+C para desistir.</translation>
    </message>
    <message>
        <source>Read Completed ! </source>
        <translation>Leitura concluída! </translation>
    </message>
    <message>
        <source>Read Failed ! </source>
        <translation>Falha na leitura! </translation>
    </message>
    <message>
        <source>Write Completed ! </source>
        <translation>Escrita concluída! </translation>
    </message>
    <message>
        <source>Write Failed ! </source>
        <translation>Falha na escrita! </translation>
    </message>
    <message>
        <source>Delete Completed ! </source>
        <translation>Eliminação concluída! </translation>
    </message>
    <message>
        <source>Delete Failed ! </source>
        <translation>Falha na eliminação! </translation>
    </message>
    <message>
        <source>Read LNB ...</source>
        <translation>A ler LNB ...</translation>
    </message>
    <message>
        <source>Read Satellites ...</source>
        <translation>A ler satélites ...</translation>
    </message>
    <message>
        <source>Read Transponders ...</source>
        <translation>A ler transponders ...</translation>
    </message>
    <message>
        <source>Write LNB ...</source>
        <translation>A escrever LNB ...</translation>
    </message>
    <message>
        <source>Write Satellites ...</source>
        <translation>A escrever satélites ...</translation>
    </message>
    <message>
        <source>Write Transponders ...</source>
        <translation>A escrever transponders ...</translation>
    </message>
    <message>
        <source>Verify ...</source>
        <translation>A verificar ...</translation>
    </message>
    <message>
        <source>Verify Failed ! </source>
        <translation>Falha na verificação! </translation>
    </message>
    <message>
        <source>Verify failed: the table could not be read back from the meter.</source>
        <translation>Falha na verificação: não foi possível reler a tabela do medidor.</translation>
    </message>
    <message>
        <source>Backup Failed ! </source>
        <translation>Falha na cópia de segurança! </translation>
    </message>
    <message>
        <source>Backup failed: the meter&apos;s table could not be read. Nothing was written; the meter&apos;s table was left as it was.</source>
        <translation>Falha na cópia de segurança: não foi possível ler a tabela do medidor. Nada foi escrito; a tabela do medidor ficou como estava.</translation>
    </message>
    <message>
        <source>You stopped the backup read. Nothing was written; the meter&apos;s table is as it was.</source>
        <translation>Parou a leitura da cópia de segurança. Nada foi escrito; a tabela do medidor está como estava.</translation>
    </message>
    <message>
        <source>You stopped the read-back: the table was written to the meter but not checked.</source>
        <translation>Parou a releitura: a tabela foi escrita no medidor, mas não foi verificada.</translation>
    </message>
    <message>
        <source>You stopped the write part-way, so the meter may now hold a partial table. Write the table again to make it whole.</source>
        <translation>Parou a escrita a meio, por isso o medidor pode agora ter uma tabela incompleta. Escreva a tabela de novo para a completar.</translation>
    </message>
    <message>
        <source>The write broke off part-way, so the meter may now hold a partial table. Check that the meter is switched on and connected, then write the table again.</source>
        <translation>A escrita foi interrompida a meio, por isso o medidor pode agora ter uma tabela incompleta. Verifique se o medidor está ligado e conectado e escreva a tabela de novo.</translation>
    </message>
    <message>
        <source>Open logo file error !</source>
        <translation>Erro ao abrir o ficheiro do logótipo!</translation>
    </message>
    <message>
        <source>Open icon file error !</source>
        <translation>Erro ao abrir o ficheiro dos ícones!</translation>
    </message>
    <message>
        <source>Logo file too short !</source>
        <translation>Ficheiro do logótipo demasiado curto!</translation>
    </message>
    <message>
        <source>Icon file too short !</source>
        <translation>Ficheiro dos ícones demasiado curto!</translation>
    </message>
    <message>
        <source>Write logo ...</source>
        <translation>A escrever o logótipo ...</translation>
    </message>
    <message>
        <source>Write icon ...</source>
        <translation>A escrever os ícones ...</translation>
    </message>
    <message>
        <source>Are you sure to delete meter osd icon ?  </source>
        <translation>Tem a certeza de que quer apagar os ícones OSD do medidor?  </translation>
    </message>
    <message>
        <source>logo files (*.bin);;All Files (*)</source>
        <translation>Ficheiros de logótipo (*.bin);;Todos os ficheiros (*)</translation>
    </message>
    <message>
        <source>icon files (*.bin);;All Files (*)</source>
        <translation>Ficheiros de ícones (*.bin);;Todos os ficheiros (*)</translation>
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
        <translation>Erro ao guardar o ficheiro!</translation>
    </message>
    <message>
        <source>The table has no satellites or transponders to write.</source>
        <translation>A tabela não tem satélites nem transponders para escrever.</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>Desfazer %1</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>Refazer %1</translation>
    </message>
    <message>
        <source>Delete %1 TPs</source>
        <translation>Eliminar %1 TP</translation>
    </message>
    <message>
        <source>Add Satellite</source>
        <translation>Adicionar satélite</translation>
    </message>
    <message>
        <source>Delete Satellite</source>
        <translation>Eliminar satélite</translation>
    </message>
    <message>
        <source>Edit Satellite</source>
        <translation>Editar satélite</translation>
    </message>
    <message>
        <source>Add TP</source>
        <translation>Adicionar TP</translation>
    </message>
    <message>
        <source>Edit TP</source>
        <translation>Editar TP</translation>
    </message>
    <message>
        <source>Delete TP</source>
        <translation>Eliminar TP</translation>
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
        <translation>Ler do medidor</translation>
    </message>
    <message>
        <source>sattp files (*.csv);;All Files (*)</source>
        <translation>Ficheiros sattp (*.csv);;Todos os ficheiros (*)</translation>
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
        <translation>O nome de um ficheiro de firmware começa por rav32izazud.</translation>
    </message>
    <message>
        <source>A logo file&apos;s name begins with stm32logo.</source>
        <translation>O nome de um ficheiro de logótipo começa por stm32logo.</translation>
    </message>
    <message>
        <source>An icon file&apos;s name begins with stm32icon.</source>
        <translation>O nome de um ficheiro de ícones começa por stm32icon.</translation>
    </message>
    <message>
        <source>%1(the adapter was unplugged)</source>
        <translation>%1(o adaptador foi desligado)</translation>
    </message>
    <message>
        <source>Meter found on %1</source>
        <translation>Medidor encontrado em %1</translation>
    </message>
    <message>
        <source>A meter in its bootloader answered on %1: use Firmware upgrade (Meter &gt; SOFT upgrade)</source>
        <translation>Um medidor no seu bootloader respondeu em %1: use Atualizar firmware (Medidor &gt; Atualizar firmware)</translation>
    </message>
    <message>
        <source>No meter answered on %1: is the meter switched on and its cable plugged?</source>
        <translation>Nenhum medidor respondeu em %1: o medidor está ligado e o cabo conectado?</translation>
    </message>
    <message>
        <source>No meter could be asked: %1</source>
        <translation>Não foi possível consultar nenhum medidor: %1</translation>
    </message>
    <message>
        <source>USB serial adapter plugged in: %1</source>
        <translation>Adaptador USB-RS232 ligado: %1</translation>
    </message>
    <message>
        <source>USB serial adapter pulled out: %1</source>
        <translation>Adaptador USB-RS232 desligado: %1</translation>
    </message>
    <message>
        <source>You are not allowed to use %1: add yourself to the group &apos;%2&apos; (sudo usermod -aG %3 $USER) and log in again</source>
        <translation>Não tem permissão para usar %1: junte-se ao grupo &apos;%2&apos; (sudo usermod -aG %3 $USER) e volte a iniciar sessão</translation>
    </message>
    <message>
        <source>%1 is in use by another program</source>
        <translation>%1 está a ser usado por outro programa</translation>
    </message>
    <message>
        <source>%1 is in use by another program (%2)</source>
        <translation>%1 está a ser usado por outro programa (%2)</translation>
    </message>
    <message>
        <source>%1 is locked by another program (%2)</source>
        <translation>%1 está bloqueado por outro programa (%2)</translation>
    </message>
    <message>
        <source>%1 is gone: is the cable plugged in?</source>
        <translation>%1 desapareceu: o cabo está conectado?</translation>
    </message>
    <message>
        <source>%1 is not a serial port</source>
        <translation>%1 não é uma porta série</translation>
    </message>
    <message>
        <source>%1 cannot be opened</source>
        <translation>Não é possível abrir %1</translation>
    </message>
    <message>
        <source>%1 cannot be opened: %2</source>
        <translation>Não é possível abrir %1: %2</translation>
    </message>
    <message>
        <source>%1 is busy: ModemManager is probing it; the package&apos;s udev rule keeps it away, or wait 10 s</source>
        <translation>%1 está ocupado: o ModemManager está a sondá-lo; a regra udev do pacote mantém-no afastado, ou aguarde 10 s</translation>
    </message>
    <message>
        <source>A %1 USB serial adapter is plugged in but has no port: brltty (a braille display service) claimed it; remove brltty with &apos;sudo apt remove brltty&apos; or, if a braille display needs it, run &apos;sudo systemctl mask brltty-udev.service&apos; and plug the adapter in again</source>
        <translation>Está ligado um adaptador USB-RS232 %1, mas sem porta: o brltty (um serviço para linhas braille) tomou-o; remova o brltty com &apos;sudo apt remove brltty&apos; ou, se uma linha braille precisar dele, execute &apos;sudo systemctl mask brltty-udev.service&apos; e volte a ligar o adaptador</translation>
    </message>
    <message>
        <source>%1 has no device: is the cable plugged in? (VELMORA_%2 may name its path)</source>
        <translation>%1 não tem dispositivo: o cabo está conectado? (VELMORA_%2 pode indicar o caminho)</translation>
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
        <translation>Desligado</translation>
    </message>
    <message>
        <source>Fixed</source>
        <translation>Fixa</translation>
    </message>
    <message>
        <source>Moved</source>
        <translation>Motor</translation>
    </message>
    <message>
        <source>Looking for the meter ...</source>
        <translation>A procurar o medidor ...</translation>
    </message>
    <message>
        <source>No USB serial adapter is plugged in.</source>
        <translation>Não está ligado nenhum adaptador USB-RS232.</translation>
    </message>
    <message>
        <source>%1 answers late (latency timer %2 ms): a table write will take about %3 seconds; see the manual page</source>
        <translation>%1 responde com atraso (latency timer %2 ms): escrever a tabela demorará cerca de %3 segundos; consulte a página do manual</translation>
    </message>
    <message>
        <source>%1 answers late (latency timer %2 ms): a table write will take about %3 minutes; see the manual page</source>
        <translation>%1 responde com atraso (latency timer %2 ms): escrever a tabela demorará cerca de %3 minutos; consulte a página do manual</translation>
    </message>
    <message>
        <source>%1 cannot keep: %2.</source>
        <translation>%1 não pode conter: %2.</translation>
    </message>
    <message>
        <source>%1 Save anyway ?</source>
        <translation>%1 Guardar mesmo assim?</translation>
    </message>
    <message>
        <source>%1: frequency %2 is outside %3..%4 MHz</source>
        <translation>%1: a frequência %2 está fora de %3..%4 MHz</translation>
    </message>
    <message>
        <source>%1: symbol rate %2 is outside %3..%4 kS/s</source>
        <translation>%1: a taxa de símbolos %2 está fora de %3..%4 kS/s</translation>
    </message>
    <message>
        <source>LNB %1: unknown type %2 (shown as 5150)</source>
        <translation>LNB %1: tipo desconhecido %2 (mostrado como 5150)</translation>
    </message>
    <message>
        <source>%1: position %2 is above 3599 tenths of a degree (shown as %3)</source>
        <translation>%1: a posição %2 ultrapassa 3599 décimas de grau (mostrada como %3)</translation>
    </message>
    <message>
        <source>%1: name has bytes that are not UTF-8 (%2)</source>
        <translation>%1: o nome tem bytes que não são UTF-8 (%2)</translation>
    </message>
    <message>
        <source>%1: no transponders</source>
        <translation>%1: sem transponders</translation>
    </message>
    <message>
        <source>%1: SAT %2 is not in use (the table has %3 satellites)</source>
        <translation>%1: o SAT %2 não está em uso (a tabela tem %3 satélites)</translation>
    </message>
    <message>
        <source>%1: duplicate of TP %2 (%3)</source>
        <translation>%1: duplicado do TP %2 (%3)</translation>
    </message>
    <message>
        <source>1 difference</source>
        <translation>1 diferença</translation>
    </message>
    <message>
        <source>%1 differences</source>
        <translation>%1 diferenças</translation>
    </message>
    <message>
        <source>order differs</source>
        <translation>a ordem é diferente</translation>
    </message>
    <message>
        <source>icon written</source>
        <translation>ícones escritos</translation>
    </message>
    <message>
        <source>logo written</source>
        <translation>logótipo escrito</translation>
    </message>
    <message>
        <source>icon and logo written</source>
        <translation>ícones e logótipo escritos</translation>
    </message>
    <message>
        <source>tables written</source>
        <translation>tabelas escritas</translation>
    </message>
    <message>
        <source>icon and tables written</source>
        <translation>ícones e tabelas escritos</translation>
    </message>
    <message>
        <source>logo and tables written</source>
        <translation>logótipo e tabelas escritos</translation>
    </message>
    <message>
        <source>icon, logo and tables written</source>
        <translation>ícones, logótipo e tabelas escritos</translation>
    </message>
    <message>
        <source>Patch up done in %1 s: firmware upgraded and verified.</source>
        <translation>Transferência concluída em %1 s: firmware atualizado e verificado.</translation>
    </message>
    <message>
        <source>Patch up done in %1 s.</source>
        <translation>Transferência concluída em %1 s.</translation>
    </message>
    <message>
        <source>Patch up done in %1 s: firmware upgraded and verified; %2.</source>
        <translation>Transferência concluída em %1 s: firmware atualizado e verificado; %2.</translation>
    </message>
    <message>
        <source>Patch up done in %1 s: %2.</source>
        <translation>Transferência concluída em %1 s: %2.</translation>
    </message>
    <message>
        <source>No answer from the meter on %1 yet: is it switched on and connected to this port? %2</source>
        <translation>O medidor em %1 ainda não respondeu: está ligado e conectado a esta porta? %2</translation>
    </message>
    <message>
        <source>No answer from the meter on %1: is it switched on and connected to this port? Nothing on the meter was changed.</source>
        <translation>O medidor em %1 não responde: está ligado e conectado a esta porta? Nada foi alterado no medidor.</translation>
    </message>
    <message>
        <source>%1 The meter&apos;s table before this write is in %2.</source>
        <translation>%1 A tabela do medidor anterior a esta escrita está em %2.</translation>
    </message>
    <message>
        <source>Backup failed: cannot write %1: %2. Nothing was written; the meter&apos;s table was left as it was.</source>
        <translation>Falha na cópia de segurança: não é possível escrever %1: %2. Nada foi escrito; a tabela do medidor ficou como estava.</translation>
    </message>
    <message>
        <source>%1 was not read completely:

%2

Saving it writes the table without what is listed here.</source>
        <translation>%1 não foi lido por completo:

%2

Ao guardá-lo, a tabela é escrita sem o que aqui se indica.</translation>
    </message>
    <message>
        <source>%1 was not read completely (1 finding), so the table to be saved is shorter than that file.</source>
        <translation>%1 não foi lido por completo (1 ocorrência), por isso a tabela a guardar é mais curta do que esse ficheiro.</translation>
    </message>
    <message>
        <source>%1 was not read completely (%2 findings), so the table to be saved is shorter than that file.</source>
        <translation>%1 não foi lido por completo (%2 ocorrências), por isso a tabela a guardar é mais curta do que esse ficheiro.</translation>
    </message>
    <message>
        <source>Flash1M.bin written: %1 (%2 bytes)</source>
        <translation>Flash1M.bin escrito: %1 (%2 bytes)</translation>
    </message>
    <message>
        <source>%1

The result was added to %2.</source>
        <translation>%1

O resultado foi acrescentado a %2.</translation>
    </message>
    <message>
        <source>Import added nothing</source>
        <translation>A importação não acrescentou nada</translation>
    </message>
    <message>
        <source>Import added 1 TP</source>
        <translation>A importação acrescentou 1 TP</translation>
    </message>
    <message>
        <source>Import added %1 TPs</source>
        <translation>A importação acrescentou %1 TPs</translation>
    </message>
    <message>
        <source>Import added 1 TP, 1 satellite</source>
        <translation>A importação acrescentou 1 TP e 1 satélite</translation>
    </message>
    <message>
        <source>Import added %1 TPs, 1 satellite</source>
        <translation>A importação acrescentou %1 TPs e 1 satélite</translation>
    </message>
    <message>
        <source>Import added 1 TP, %1 satellites</source>
        <translation>A importação acrescentou 1 TP e %1 satélites</translation>
    </message>
    <message>
        <source>Import added %1 TPs, %2 satellites</source>
        <translation>A importação acrescentou %1 TPs e %2 satélites</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Não é possível escrever %1: %2</translation>
    </message>
    <message>
        <source>Exported 1 satellite and 1 transponder to %1</source>
        <translation>1 satélite e 1 transponder exportados para %1</translation>
    </message>
    <message>
        <source>Exported 1 satellite and %1 transponders to %2</source>
        <translation>1 satélite e %1 transponders exportados para %2</translation>
    </message>
    <message>
        <source>Exported %1 satellites and 1 transponder to %2</source>
        <translation>%1 satélites e 1 transponder exportados para %2</translation>
    </message>
    <message>
        <source>Exported %1 satellites and %2 transponders to %3</source>
        <translation>%1 satélites e %2 transponders exportados para %3</translation>
    </message>
    <message>
        <source>Cannot copy the sample table into %1.</source>
        <translation>Não é possível copiar a tabela de exemplo para %1.</translation>
    </message>
    <message>
        <source>Cannot create the data folder %1: %2</source>
        <translation>Não é possível criar a pasta de dados %1: %2</translation>
    </message>
    <message>
        <source>a file of that name is in the way</source>
        <translation>já existe um ficheiro com esse nome</translation>
    </message>
    <message>
        <source>Delete the transponder %1?</source>
        <translation>Eliminar o transponder %1?</translation>
    </message>
    <message>
        <source>Delete %1 TPs ?</source>
        <translation>Eliminar %1 TP?</translation>
    </message>
    <message>
        <source>Delete the satellite %1 and its transponders?</source>
        <translation>Eliminar o satélite %1 e os seus transponders?</translation>
    </message>
    <message>
        <source>matched %1, added %2 satellites and %3 transponders, %4 duplicates skipped, %5 replaced, %6 left out (table full), %7 invalid</source>
        <translation>%1 correspondentes, %2 satélites e %3 transponders acrescentados, %4 duplicados ignorados, %5 substituídos, %6 deixados de fora (tabela cheia), %7 inválidos</translation>
    </message>
    <message>
        <source>no scan tables in %1: install them with &apos;sudo apt install dtv-scan-tables&apos;</source>
        <translation>não há tabelas de pesquisa em %1: instale-as com &apos;sudo apt install dtv-scan-tables&apos;</translation>
    </message>
    <message>
        <source>no scan tables in %1: %2</source>
        <translation>não há tabelas de pesquisa em %1: %2</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importação</translation>
    </message>
    <message>
        <source>Downloading %1</source>
        <translation>A transferir %1</translation>
    </message>
    <message>
        <source>Download failed</source>
        <translation>A transferência falhou</translation>
    </message>
    <message>
        <source>Take the Meter&apos;s Table</source>
        <translation>Usar a tabela do medidor</translation>
    </message>
    <message>
        <source>SOFT upgrade erases the meter&apos;s firmware and writes %1 in its place.

Switch the meter on while holding EXIT, then answer Yes.
Do not switch the meter off until the upgrade is done.

Upgrade the firmware now?</source>
        <translation>A atualização SOFT apaga o firmware do medidor e grava %1 no seu lugar.

Ligue o medidor mantendo EXIT premido e responda Sim.
Não desligue o medidor até a atualização terminar.

Atualizar o firmware agora?</translation>
    </message>
    <message>
        <source>Logo written: %1</source>
        <translation>Logótipo gravado: %1</translation>
    </message>
    <message>
        <source>Icon written: %1</source>
        <translation>Ícone gravado: %1</translation>
    </message>
    <message>
        <source>Icon file too large !</source>
        <translation>Ficheiro dos ícones demasiado grande!</translation>
    </message>
    <message>
        <source>Icon file header makes no sense ! %1 announces records of %2 bytes, %3 x %4 of each size: all three must be above 0.</source>
        <translation>O cabeçalho do ficheiro dos ícones não faz sentido! %1 anuncia registos de %2 bytes, %3 x %4 de cada tamanho: os três têm de ser maiores que 0.</translation>
    </message>
    <message>
        <source>Icon file too large ! %1 announces %2 bytes; the meter&apos;s icon area holds %3.</source>
        <translation>Ficheiro dos ícones demasiado grande! %1 anuncia %2 bytes; a área de ícones do medidor guarda %3.</translation>
    </message>
    <message>
        <source>Logo file too short ! %1 holds %2 bytes; a logo takes %3.</source>
        <translation>Ficheiro do logótipo demasiado curto! %1 tem %2 bytes; um logótipo ocupa %3.</translation>
    </message>
    <message>
        <source>Icon file too short ! %1 holds %2 bytes; an icon header takes %3.</source>
        <translation>Ficheiro dos ícones demasiado curto! %1 tem %2 bytes; um cabeçalho de ícones ocupa %3.</translation>
    </message>
    <message>
        <source>Icon file too short ! %1 holds %2 bytes; its header announces %3.</source>
        <translation>Ficheiro dos ícones demasiado curto! %1 tem %2 bytes; o seu cabeçalho anuncia %3.</translation>
    </message>
    <message>
        <source>hold EXIT while switching the meter on, then try again</source>
        <translation>mantenha EXIT premido ao ligar o medidor e tente de novo</translation>
    </message>
    <message>
        <source>%1: LNB %2 (%3) receives %4..%5 MHz only</source>
        <translation>%1: o LNB %2 (%3) só recebe %4..%5 MHz</translation>
    </message>
    <message>
        <source>The meter restarts with its new firmware: %1 s</source>
        <translation>O medidor reinicia com o novo firmware: %1 s</translation>
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
        <translation>Não há cópias em %1. É feita uma cópia antes de cada escrita enquanto Medidor &gt; Cópia antes de escrever estiver ativo.</translation>
    </message>
    <message>
        <source>Write the backup %1 to the meter? It replaces the meter&apos;s table.</source>
        <translation>Escrever a cópia %1 no medidor? Ela substitui a tabela do medidor.</translation>
    </message>
    <message>
        <source>Backup written to the meter: %1</source>
        <translation>Cópia escrita no medidor: %1</translation>
    </message>
    <message>
        <source>The backup %1 holds no satellites, so there is nothing to write back.</source>
        <translation>A cópia %1 não contém satélites, por isso não há nada para voltar a escrever.</translation>
    </message>
    <message>
        <source>No data folder for the unit records (HOME is not set); turn off Meter &gt; Record unit records or name a file in the settings.</source>
        <translation>Sem pasta de dados para os registos de aparelhos (HOME não está definido); desligue Medidor &gt; Manter registos de aparelhos ou indique um ficheiro nas definições.</translation>
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
        <translation>Predefinição do sistema</translation>
    </message>
    <message>
        <source>The language changes when Orvane is started next.</source>
        <translation>O idioma muda quando o Orvane for iniciado da próxima vez.</translation>
    </message>
</context>
<context>
    <name>LnbChoiceText</name>
    <message>
        <source>no DiSEqC</source>
        <translation>sem DiSEqC</translation>
    </message>
    <message>
        <source>unknown DiSEqC switch</source>
        <translation>comutador DiSEqC desconhecido</translation>
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
        <translation>backups/ junto à tabela</translation>
    </message>
    <message>
        <source>Back up before write (to %1)</source>
        <translation>Cópia antes de escrever (em %1)</translation>
    </message>
    <message>
        <source>Write the backup back</source>
        <translation>Voltar a escrever a cópia</translation>
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
        <translation>Ler</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>Escrever</translation>
    </message>
</context>
<context>
    <name>velmora::AboutDlg</name>
    <message>
        <source>About Orvane</source>
        <translation>Acerca do Orvane</translation>
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
        <translation>Acrescentar satélites do catálogo</translation>
    </message>
    <message>
        <source>Find a satellite by name or position</source>
        <translation>Procurar um satélite por nome ou posição</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Posição</translation>
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
        <translation>Marque os satélites a acrescentar.</translation>
    </message>
</context>
<context>
    <name>velmora::CheckDlg</name>
    <message>
        <source>Check table</source>
        <translation>Verificar tabela</translation>
    </message>
    <message>
        <source>Nothing looks wrong with the table.</source>
        <translation>Nada parece errado na tabela.</translation>
    </message>
    <message numerus="yes">
        <source>%n finding(s); click one to select its row.</source>
        <translation>
            <numerusform>%n ocorrência; clique nela para selecionar a sua linha.</numerusform>
            <numerusform>%n ocorrências; clique numa para selecionar a sua linha.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>velmora::CompareDlg</name>
    <message>
        <source>Compare with meter</source>
        <translation>Comparar com o medidor</translation>
    </message>
    <message>
        <source>What writing the document&apos;s tables would change on the meter:</source>
        <translation>O que a escrita das tabelas do documento mudaria no medidor:</translation>
    </message>
    <message>
        <source>Take the meter&apos;s table</source>
        <translation>Usar a tabela do medidor</translation>
    </message>
    <message>
        <source>Replace the document&apos;s tables with the meter&apos;s</source>
        <translation>Substituir as tabelas do documento pelas do medidor</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Write to the meter</source>
        <translation>Escrever no medidor</translation>
    </message>
    <message>
        <source>Replace the meter&apos;s table with the document&apos;s</source>
        <translation>Substituir a tabela do medidor pela do documento</translation>
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
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>velmora::HelpDlg</name>
    <message>
        <source>Orvane Help</source>
        <translation>Ajuda do Orvane</translation>
    </message>
</context>
<context>
    <name>velmora::ImportDlg</name>
    <message>
        <source>Find a satellite by name or position</source>
        <translation>Procurar um satélite pelo nome ou posição</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Posição</translation>
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
        <translation>Destino</translation>
    </message>
    <message>
        <source>The name a new satellite gets; double-click to change it</source>
        <translation>O nome que um novo satélite recebe; faça duplo clique para o alterar</translation>
    </message>
    <message>
        <source>A new satellite, or a table satellite of the band within 1.0 degree</source>
        <translation>Um novo satélite, ou um satélite da tabela na mesma banda a 1,0 grau no máximo</translation>
    </message>
    <message>
        <source>Select all</source>
        <translation>Selecionar tudo</translation>
    </message>
    <message>
        <source>Select none</source>
        <translation>Selecionar nada</translation>
    </message>
    <message>
        <source>LNB of new Ku-band satellites</source>
        <translation>LNB dos novos satélites da banda Ku</translation>
    </message>
    <message>
        <source>LNB of new C-band satellites</source>
        <translation>LNB dos novos satélites da banda C</translation>
    </message>
    <message>
        <source>Add new transponders</source>
        <translation>Adicionar novos transponders</translation>
    </message>
    <message>
        <source>Replace the transponders of the table satellites they go into</source>
        <translation>Substituir os transponders dos satélites de destino da tabela</translation>
    </message>
    <message>
        <source>new</source>
        <extracomment>The choice &quot;a new satellite&quot; in the &quot;Goes into&quot; column</extracomment>
        <translation>novo</translation>
    </message>
    <message>
        <source>Nothing in the table changes.</source>
        <translation>Nada muda na tabela.</translation>
    </message>
    <message>
        <source>LNB of new Ka-band satellites</source>
        <translation>LNB dos novos satélites da banda Ka</translation>
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
        <translation>Frequência do LNB</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Desligado</translation>
    </message>
    <message>
        <source>LNB power</source>
        <translation>Alimentação do LNB</translation>
    </message>
    <message>
        <source>Fixed</source>
        <translation>Fixa</translation>
    </message>
    <message>
        <source>Moved</source>
        <translation>Motor</translation>
    </message>
    <message>
        <source>Dish type</source>
        <translation>Tipo de antena</translation>
    </message>
    <message>
        <source>DiSEqC switch</source>
        <translation>Comutador DiSEqC</translation>
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
        <translation>Tom 22 kHz</translation>
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
        <translation>Ficheiros recentes</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Barra de ferramentas</translation>
    </message>
    <message>
        <source>Satellites %1/%2   TPs %3/%4</source>
        <extracomment>How full the tables are; &quot;TPs&quot; are transponders</extracomment>
        <translation>Satélites %1/%2   TP %3/%4</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Sem título</translation>
    </message>
</context>
<context>
    <name>velmora::RestoreDlg</name>
    <message>
        <source>Restore a backup</source>
        <translation>Restaurar uma cópia</translation>
    </message>
    <message>
        <source>The backups in %1, newest first. The one you choose replaces the meter&apos;s table; the document stays as it is.</source>
        <translation>As cópias em %1, a mais recente primeiro. A que escolher substitui a tabela do medidor; o documento fica como está.</translation>
    </message>
    <message>
        <source>Taken</source>
        <translation>Feita em</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Ficheiro</translation>
    </message>
    <message>
        <source>Write to the meter</source>
        <translation>Escrever no medidor</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
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
        <translation>Adicionar satélite</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satélite</translation>
    </message>
    <message>
        <source>East</source>
        <translation>Leste</translation>
    </message>
    <message>
        <source>West</source>
        <translation>Oeste</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Longitude</translation>
    </message>
    <message>
        <source>%1 of %2 bytes left</source>
        <translation>restam %1 de %2 bytes</translation>
    </message>
    <message>
        <source>A comma cannot be stored: sattp.csv separates its columns with commas.</source>
        <translation>Uma vírgula não pode ser guardada: sattp.csv separa as suas colunas com vírgulas.</translation>
    </message>
    <message>
        <source>No room left: a name holds at most %1 bytes, and a letter such as é takes 2.</source>
        <translation>Sem espaço: um nome tem no máximo %1 bytes, e uma letra como é ocupa 2.</translation>
    </message>
</context>
<context>
    <name>velmora::SatelliteTree</name>
    <message>
        <source>All Satellites</source>
        <translation>Todos os satélites</translation>
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
        <translation>Satélite</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frequência</translation>
    </message>
    <message>
        <source>MHz</source>
        <translation>MHz</translation>
    </message>
    <message>
        <source>Symbol rate</source>
        <translation>Taxa de símbolos</translation>
    </message>
    <message>
        <source>kS/s</source>
        <translation>kS/s</translation>
    </message>
    <message>
        <source>Vertical / right (13 V)</source>
        <translation>Vertical / direita (13 V)</translation>
    </message>
    <message>
        <source>Horizontal / left (18 V)</source>
        <translation>Horizontal / esquerda (18 V)</translation>
    </message>
    <message>
        <source>Polarisation</source>
        <translation>Polarização</translation>
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
        <translation>Frequência</translation>
    </message>
    <message>
        <source>Symbol rate</source>
        <translation>Taxa de símbolos</translation>
    </message>
    <message>
        <source>Polarisation</source>
        <translation>Polarização</translation>
    </message>
    <message>
        <source>Start with</source>
        <translation>Começar por</translation>
    </message>
    <message>
        <source>West to east</source>
        <translation>De oeste para leste</translation>
    </message>
    <message>
        <source>East to west</source>
        <translation>De leste para oeste</translation>
    </message>
    <message>
        <source>Satellites</source>
        <translation>Satélites</translation>
    </message>
    <message>
        <source>Transponders</source>
        <translation>Transponders</translation>
    </message>
    <message>
        <source>then by</source>
        <translation>depois por</translation>
    </message>
    <message>
        <source>Satellites are put in order of position, beginning with the one chosen and going round in the direction chosen. The transponders of each satellite are sorted by the two keys.</source>
        <translation>Os satélites são ordenados pela posição, começando pelo escolhido e dando a volta no sentido escolhido. Os transponders de cada satélite são ordenados pelas duas chaves.</translation>
    </message>
</context>
<context>
    <name>velmora::TransponderListView</name>
    <message>
        <source>%1 of %2 rows match &quot;%3&quot;</source>
        <translation>%1 de %2 linhas correspondem a «%3»</translation>
    </message>
</context>
<context>
    <name>velmora::UnitRecordsDlg</name>
    <message>
        <source>Unit records</source>
        <translation>Registos de aparelhos</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Procurar</translation>
    </message>
    <message>
        <source>Unique ID:</source>
        <translation>ID única:</translation>
    </message>
    <message>
        <source>From (UTC):</source>
        <translation>De (UTC):</translation>
    </message>
    <message>
        <source>To (UTC):</source>
        <translation>Até (UTC):</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Hora</translation>
    </message>
    <message>
        <source>Bench</source>
        <translation>Bancada</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Porta</translation>
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
        <translation>Escreva um dia como 2026-12-09 e uma hora como 2026-12-09T08:00:00Z.</translation>
    </message>
    <message>
        <source>passed</source>
        <translation>aprovado</translation>
    </message>
    <message>
        <source>failed</source>
        <translation>falhou</translation>
    </message>
    <message>
        <source>%1 serviced, %2 passed, %3 failed; records in %4</source>
        <translation>%1 atendidos, %2 aprovados, %3 falhados; registos em %4</translation>
    </message>
    <message>
        <source>Records</source>
        <translation>Registos</translation>
    </message>
    <message>
        <source>Production report</source>
        <translation>Relatório de produção</translation>
    </message>
    <message>
        <source>Open a report...</source>
        <translation>Abrir um relatório...</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Início</translation>
    </message>
    <message>
        <source>Meter</source>
        <translation>Aparelho</translation>
    </message>
    <message>
        <source>Steps</source>
        <translation>Passos</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Relatório</translation>
    </message>
    <message>
        <source>Open a report</source>
        <translation>Abrir um relatório</translation>
    </message>
    <message>
        <source>Production reports (*.jsonl *.json *.txt);;All Files (*)</source>
        <translation>Relatórios de produção (*.jsonl *.json *.txt);;Todos os ficheiros (*)</translation>
    </message>
    <message>
        <source>The production line writes one line per meter into the file of --report.</source>
        <translation>A linha de produção escreve uma linha por medidor no ficheiro de --report.</translation>
    </message>
    <message>
        <source>%1 cannot be read.</source>
        <translation>Não é possível ler %1.</translation>
    </message>
    <message>
        <source>%1, line %2, is not a line of a production report.</source>
        <translation>%1, linha %2, não é uma linha de um relatório de produção.</translation>
    </message>
    <message>
        <source>%1: %2 meters, %3 passed, %4 failed</source>
        <translation>%1: %2 medidores, %3 aprovados, %4 falhados</translation>
    </message>
</context>
<context>
    <name>velmora::UrlDlg</name>
    <message>
        <source>Import from the web</source>
        <translation>Importar da web</translation>
    </message>
    <message>
        <source>https://... a satellites.xml, .ini or dvbv5 list</source>
        <translation>https://... uma lista satellites.xml, .ini ou dvbv5</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Endereço</translation>
    </message>
</context>
<context>
    <name>velmora::VelmoraDoc</name>
    <message>
        <source>Untitled</source>
        <translation>Sem título</translation>
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
        <translation>Hemisfério</translation>
    </message>
    <message>
        <source>TP Add</source>
        <translation>Adicionar TP</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Não</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sim</translation>
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
        <translation>Tom 22 kHz</translation>
    </message>
    <message>
        <source>TP Sort</source>
        <translation>Ordenar TP</translation>
    </message>
    <message>
        <source>First satellite</source>
        <translation>Primeiro satélite</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>Direção</translation>
    </message>
    <message>
        <source>West-&gt;East</source>
        <translation>Oeste-&gt;Leste</translation>
    </message>
    <message>
        <source>East-&gt;West</source>
        <translation>Leste-&gt;Oeste</translation>
    </message>
    <message>
        <source>First key</source>
        <translation>Primeira chave</translation>
    </message>
    <message>
        <source>Symbolrate</source>
        <translation>Taxa de símbolos</translation>
    </message>
    <message>
        <source>Pol</source>
        <translation>Pol</translation>
    </message>
    <message>
        <source>Second key</source>
        <translation>Segunda chave</translation>
    </message>
    <message>
        <source>automatic</source>
        <translation>automático</translation>
    </message>
    <message>
        <source>The address of a transponder list (http or https):</source>
        <translation>O endereço de uma lista de transponders (http ou https):</translation>
    </message>
    <message>
        <source>Findings: %1</source>
        <translation>Ocorrências: %1</translation>
    </message>
    <message>
        <source>No findings</source>
        <translation>Nenhuma ocorrência</translation>
    </message>
    <message>
        <source>Orvane in the browser: the table editor and meter service, with the same core as the desktop program.</source>
        <translation>Orvane no navegador: o editor de tabelas e o serviço do medidor, com o mesmo núcleo do programa de computador.</translation>
    </message>
    <message>
        <source>The commands are those of the desktop program&apos;s menus. Connect chooses the meter&apos;s serial port.</source>
        <translation>Os comandos são os dos menus do programa de computador. «Ligar» escolhe a porta série do medidor.</translation>
    </message>
    <message>
        <source>%1: the browser cannot do this; the desktop program can.</source>
        <translation>%1: o navegador não consegue fazer isto; o programa de computador consegue.</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Definições</translation>
    </message>
    <message>
        <source>Web Serial port chosen</source>
        <translation>Porta Web Serial escolhida</translation>
    </message>
    <message>
        <source>This browser has no Web Serial, so the page cannot reach a meter: use Chrome, Edge or Opera on Windows, macOS or Linux (or Firefox from its release 151); the table editor works here.</source>
        <translation>Este navegador não tem Web Serial, por isso a página não chega a um medidor: use o Chrome, o Edge ou o Opera no Windows, macOS ou Linux (ou o Firefox a partir da versão 151); o editor de tabelas funciona aqui.</translation>
    </message>
    <message>
        <source>Menus</source>
        <translation>Menus</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Ligar</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Porta</translation>
    </message>
    <message>
        <source>No port</source>
        <translation>Sem porta</translation>
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
        <translation>Progresso</translation>
    </message>
    <message>
        <source>Satellites of the list</source>
        <translation>Satélites da lista</translation>
    </message>
    <message>
        <source>Import summary</source>
        <translation>Resumo da importação</translation>
    </message>
    <message>
        <source>Changes</source>
        <translation>Alterações</translation>
    </message>
    <message>
        <source>The desktop program has this; a browser cannot do it.</source>
        <translation>O programa de computador tem isto; um navegador não o consegue fazer.</translation>
    </message>
</context>
</TS>
