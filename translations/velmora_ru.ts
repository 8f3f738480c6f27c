<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru" sourcelanguage="en">
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
        <translation> Для LMT41C, LMT40S и др.<byte value="xd"/>
 1) В меню измерителя &apos;software upgrade&apos; можно сохранить копию sattp.csv из измерителя на USB.<byte value="xd"/>
 2) Отредактируйте sattp.csv в velmora, затем сохраните sattp.csv и скопируйте на USB.<byte value="xd"/>
 3) В меню измерителя &apos;software upgrade&apos; можно загрузить sattp.csv с USB в измеритель.<byte value="xd"/>
 Внимание: перед включением измерителя отключите USB, иначе начнётся обновление прошивки.<byte value="xd"/>
<byte value="xd"/>
 Для LMT20 последовательный порт сначала должен стать вашим!<byte value="xd"/>
 Адаптер USB-RS232 виден как /dev/ttyUSB0 (COM1); добавьте себя в группу<byte value="xd"/>
 &apos;dialout&apos; (sudo usermod -aG dialout $USER) и войдите в систему заново.<byte value="xd"/>
<byte value="xd"/>
 LMT20: ОБНОВЛЕНИЕ ДАННЫХ<byte value="xd"/>
 1) Отредактируйте sattp.csv в velmora, затем сохраните sattp.csv.<byte value="xd"/>
 2) Подключите адаптер USB-RS232 к ПК и включите измеритель.<byte value="xd"/>
 3) Выберите его порт (COM1..COM9) и нажмите в velmora кнопку &apos;Запись&apos;, чтобы обновить TP.<byte value="xd"/>
 4) При успешном обновлении светодиодный индикатор измерителя покажет &apos;OK&apos;.  <byte value="xd"/>
 <byte value="xd"/>
 LMT20: ОБНОВЛЕНИЕ ПРОШИВКИ<byte value="xd"/>
 1) Подключите адаптер USB-RS232 к ПК. <byte value="xd"/>
 2) Нажмите EXIT и включите измеритель. <byte value="xd"/>
 3) Откройте файл прошивки (HEX) через меню Файл. <byte value="xd"/>
 4) Нажмите в velmora кнопку &apos;SOFT&apos;, чтобы обновить прошивку.<byte value="xd"/>
 </translation>
    </message>
    <message>
        <source>Orvane Ver %1.%2</source>
        <extracomment>The version line; &quot;Orvane&quot; is the product name, never translated</extracomment>
        <translation>Orvane вер. %1.%2</translation>
    </message>
</context>
<context>
    <name>CompareDlg</name>
    <message numerus="yes">
        <source>%n added</source>
        <translation>
            <numerusform>добавлено: %n</numerusform>
            <numerusform>добавлено: %n</numerusform>
            <numerusform>добавлено: %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n removed</source>
        <translation>
            <numerusform>удалено: %n</numerusform>
            <numerusform>удалено: %n</numerusform>
            <numerusform>удалено: %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n changed</source>
        <translation>
            <numerusform>изменено: %n</numerusform>
            <numerusform>изменено: %n</numerusform>
            <numerusform>изменено: %n</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>FormLayout</name>
    <message>
        <source>RS232 communication</source>
        <translation>Связь по RS232</translation>
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
        <translation>Добавить</translation>
    </message>
    <message>
        <source>EDIT</source>
        <translation>Изменить</translation>
    </message>
    <message>
        <source>DELETE</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>SORT</source>
        <translation>Порядок</translation>
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
        <translation>Поиск (Ctrl+F)</translation>
    </message>
</context>
<context>
    <name>ImportDlg</name>
    <message>
        <source>Import transponders</source>
        <translation>Импорт транспондеров</translation>
    </message>
    <message>
        <source>Export satellites.xml</source>
        <translation>Экспорт satellites.xml</translation>
    </message>
    <message>
        <source>C band</source>
        <translation>Диапазон C</translation>
    </message>
    <message>
        <source>Ka band</source>
        <translation>Диапазон Ka</translation>
    </message>
    <message>
        <source>Ku band</source>
        <translation>Диапазон Ku</translation>
    </message>
    <message>
        <source>%1: no satellites in this list</source>
        <translation>%1: в этом списке нет спутников</translation>
    </message>
    <message>
        <source>All files (*);;Transponder lists (*.xml *.ini)</source>
        <translation>Все файлы (*);;Списки транспондеров (*.xml *.ini)</translation>
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
        <translation>№</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Спутник</translation>
    </message>
    <message>
        <source>LNB</source>
        <translation>LNB</translation>
    </message>
    <message>
        <source>Freq</source>
        <translation>Частота</translation>
    </message>
    <message>
        <source>Pol</source>
        <translation>Пол.</translation>
    </message>
    <message>
        <source>SR</source>
        <translation>SR</translation>
    </message>
    <message>
        <source>UNIQUE</source>
        <translation>УНИК.</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Тип</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Питание</translation>
    </message>
    <message>
        <source>Dish</source>
        <translation>Антенна</translation>
    </message>
    <message>
        <source>DiSEqC Switch</source>
        <translation>DiSEqC-переключатель</translation>
    </message>
    <message>
        <source>DiSEqC Input</source>
        <translation>Вход DiSEqC</translation>
    </message>
    <message>
        <source>22 kHz</source>
        <translation>22 кГц</translation>
    </message>
</context>
<context>
    <name>ChangesText</name>
    <message>
        <source>%1 (new)</source>
        <extracomment>A satellite the import adds to the table.</extracomment>
        <translation>%1 (новый)</translation>
    </message>
    <message>
        <source>%1 added</source>
        <extracomment>Transponders added to a satellite.</extracomment>
        <translation>добавлено: %1</translation>
    </message>
    <message>
        <source>%1 removed</source>
        <extracomment>Transponders removed from a satellite.</extracomment>
        <translation>удалено: %1</translation>
    </message>
    <message>
        <source>%1 changed</source>
        <extracomment>Transponders whose symbol rate changes.</extracomment>
        <translation>изменено: %1</translation>
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
        <translation>%1 сопоставлен с %2</translation>
    </message>
</context>
<context>
    <name>Commands</name>
    <message>
        <source>New(&amp;N)</source>
        <translation>&amp;Создать</translation>
    </message>
    <message>
        <source>Open(&amp;O)...</source>
        <translation>&amp;Открыть...</translation>
    </message>
    <message>
        <source>Open an existing table file
Open a table</source>
        <translation>Открыть существующий файл CSV
Открыть файл CSV</translation>
    </message>
    <message>
        <source>Save(&amp;S)</source>
        <translation>Со&amp;хранить</translation>
    </message>
    <message>
        <source>Save the table to its file
Save</source>
        <translation>Сохранить в текущий файл CSV
Сохранить</translation>
    </message>
    <message>
        <source>Save as(&amp;A)...</source>
        <translation>Сохранить &amp;как...</translation>
    </message>
    <message>
        <source>Save the table to a new file
Save as</source>
        <translation>Сохранить в новый файл CSV
Сохранить как</translation>
    </message>
    <message>
        <source>Import transponders...</source>
        <translation>Импорт транспондеров...</translation>
    </message>
    <message>
        <source>Merge a satellites.xml, .ini or dvbv5 transponder list into the table
Import transponders</source>
        <translation>Добавить в таблицу список транспондеров (satellites.xml, .ini или dvbv5)
Импорт транспондеров</translation>
    </message>
    <message>
        <source>Export satellites.xml...</source>
        <translation>Экспорт satellites.xml...</translation>
    </message>
    <message>
        <source>Write the table as a satellites.xml file
Export satellites.xml</source>
        <translation>Записать таблицу в файл satellites.xml
Экспорт satellites.xml</translation>
    </message>
    <message>
        <source>Load soft...</source>
        <translation>Загрузить прошивку...</translation>
    </message>
    <message>
        <source>Load a firmware file (rav32izazud.hex)
Load soft</source>
        <translation>Загрузить существующий файл rav32izazud.hex
Открыть rav32izazud.hex</translation>
    </message>
    <message>
        <source>Load icon...</source>
        <translation>Загрузить иконки...</translation>
    </message>
    <message>
        <source>Load an icon file (stm32icon.bin)
Load icon</source>
        <translation>Загрузить существующий файл stm32icon.bin
Открыть файл stm32icon</translation>
    </message>
    <message>
        <source>Load logo...</source>
        <translation>Загрузить логотип...</translation>
    </message>
    <message>
        <source>Load a logo file (bootlogo.bin)
Load logo</source>
        <translation>Загрузить существующий файл bootlogo.bin
Открыть файл bootlogo</translation>
    </message>
    <message>
        <source>Create Flash1M.bin</source>
        <translation>Создать Flash1M.bin</translation>
    </message>
    <message>
        <source>Create the factory image Flash1M.bin
Create Flash1M.bin</source>
        <translation>Создать Flash1M.bin для производства
Создать Flash1M.bin</translation>
    </message>
    <message>
        <source>Exit(&amp;X)</source>
        <translation>В&amp;ыход</translation>
    </message>
    <message>
        <source>Quit, asking to save the changes first
Exit</source>
        <translation>Выйти, предложив сохранить изменения
Выход</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Отменить</translation>
    </message>
    <message>
        <source>Undo the last change of the tables
Undo</source>
        <translation>Отменить последнее изменение таблиц
Отменить</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Повторить</translation>
    </message>
    <message>
        <source>Redo the change undone last
Redo</source>
        <translation>Повторить последнее отменённое изменение
Повторить</translation>
    </message>
    <message>
        <source>TP Add...</source>
        <translation>Добавить TP...</translation>
    </message>
    <message>
        <source>Add a transponder</source>
        <translation>Добавить транспондер</translation>
    </message>
    <message>
        <source>TP Edit...</source>
        <translation>Изменить TP...</translation>
    </message>
    <message>
        <source>Edit the selected transponder</source>
        <translation>Изменить выделенный транспондер</translation>
    </message>
    <message>
        <source>TP Delete</source>
        <translation>Удалить TP</translation>
    </message>
    <message>
        <source>Delete the selected transponders</source>
        <translation>Удалить выделенные транспондеры</translation>
    </message>
    <message>
        <source>TP Sort...</source>
        <translation>Сортировать TP...</translation>
    </message>
    <message>
        <source>Sort the transponders</source>
        <translation>Сортировать транспондеры</translation>
    </message>
    <message>
        <source>Satellite Add...</source>
        <translation>Добавить спутник...</translation>
    </message>
    <message>
        <source>Add a satellite</source>
        <translation>Добавить спутник</translation>
    </message>
    <message>
        <source>Satellite Edit...</source>
        <translation>Изменить спутник...</translation>
    </message>
    <message>
        <source>Edit the chosen satellite</source>
        <translation>Изменить выбранный спутник</translation>
    </message>
    <message>
        <source>Satellite Delete</source>
        <translation>Удалить спутник</translation>
    </message>
    <message>
        <source>Delete the satellite of the selected transponder</source>
        <translation>Удалить спутник выделенного транспондера</translation>
    </message>
    <message>
        <source>LNB Edit...</source>
        <translation>Изменить LNB...</translation>
    </message>
    <message>
        <source>Edit the selected LNB</source>
        <translation>Изменить выделенный конвертер (LNB)</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Поиск</translation>
    </message>
    <message>
        <source>Find transponders by frequency, symbol rate, polarisation or satellite</source>
        <translation>Искать транспондеры по частоте, символьной скорости, поляризации или спутнику</translation>
    </message>
    <message>
        <source>Check table...</source>
        <translation>Проверить таблицу...</translation>
    </message>
    <message>
        <source>List what is probably wrong with the table</source>
        <translation>Перечислить, что в таблице, вероятно, неверно</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Чтение</translation>
    </message>
    <message>
        <source>Read transponders from meter</source>
        <translation>Прочитать транспондеры из измерителя</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>Запись</translation>
    </message>
    <message>
        <source>Write transponders to meter</source>
        <translation>Записать транспондеры в измеритель</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Стоп</translation>
    </message>
    <message>
        <source>Stop read/write transponders</source>
        <translation>Остановить чтение/запись транспондеров</translation>
    </message>
    <message>
        <source>Compare with meter...</source>
        <translation>Сравнить с измерителем...</translation>
    </message>
    <message>
        <source>Compare the tables with the meter&apos;s tables
Compare with meter</source>
        <translation>Сравнить таблицы с таблицами измерителя
Сравнить с измерителем</translation>
    </message>
    <message>
        <source>Unit records...</source>
        <translation>Журнал приборов...</translation>
    </message>
    <message>
        <source>Show the records of the meters this bench serviced
Unit records</source>
        <translation>Показать журнал приборов, обслуженных на этом стенде
Журнал приборов</translation>
    </message>
    <message>
        <source>Write logo</source>
        <translation>Записать логотип</translation>
    </message>
    <message>
        <source>Write logo to meter</source>
        <translation>Записать логотип в измеритель</translation>
    </message>
    <message>
        <source>Write icon</source>
        <translation>Записать иконки</translation>
    </message>
    <message>
        <source>Write icon to meter</source>
        <translation>Записать иконки в измеритель</translation>
    </message>
    <message>
        <source>SOFT upgrade</source>
        <translation>Обновить прошивку</translation>
    </message>
    <message>
        <source>Upgrade the meter&apos;s software, Please press EXIT and turn on meter first !</source>
        <translation>Обновить прошивку измерителя. Сначала нажмите EXIT и включите измеритель!</translation>
    </message>
    <message>
        <source>PATCH UP</source>
        <translation>PATCH UP</translation>
    </message>
    <message>
        <source>Run the ticked uploads (SOFT, ICON, LOGO, SAT TP) one by one
Patch up one by one</source>
        <translation>Выполнить отмеченные загрузки (SOFT, ICON, LOGO, SAT TP) по очереди
Загрузить по очереди</translation>
    </message>
    <message>
        <source>Delete meter OSD icon...</source>
        <translation>Удалить OSD-иконки измерителя...</translation>
    </message>
    <message>
        <source>Delete the meter&apos;s on-screen icons
Delete icons</source>
        <translation>Удалить OSD-иконки измерителя
Удалить иконки</translation>
    </message>
    <message>
        <source>Verify after write</source>
        <translation>Проверять после записи</translation>
    </message>
    <message>
        <source>Read the tables back after a write and check them
Verify after write</source>
        <translation>После записи прочитать таблицы обратно и сверить их
Проверять после записи</translation>
    </message>
    <message>
        <source>Back up before write</source>
        <translation>Копия перед записью</translation>
    </message>
    <message>
        <source>Save the meter&apos;s tables in the backups folder before a write
Back up before write</source>
        <translation>Перед записью сохранять таблицы измерителя в папку резервных копий
Копия перед записью</translation>
    </message>
    <message>
        <source>Help Contents...</source>
        <translation>Содержание справки...</translation>
    </message>
    <message>
        <source>Show the guide to the everyday tasks
Help Contents</source>
        <translation>Показать руководство по повседневным задачам
Содержание справки</translation>
    </message>
    <message>
        <source>About Orvane...</source>
        <translation>О программе Orvane...</translation>
    </message>
    <message>
        <source>Show the program&apos;s version and notes for meter owners
About</source>
        <translation>Показать версию программы и заметки для владельцев измерителя
О программе</translation>
    </message>
    <message>
        <source>Display transponders</source>
        <translation>Показать транспондеры</translation>
    </message>
    <message>
        <source>Display LNB</source>
        <translation>Показать LNB</translation>
    </message>
    <message>
        <source>File(&amp;F)</source>
        <translation>&amp;Файл</translation>
    </message>
    <message>
        <source>Edit(&amp;E)</source>
        <translation>&amp;Правка</translation>
    </message>
    <message>
        <source>Meter(&amp;M)</source>
        <translation>&amp;Измеритель</translation>
    </message>
    <message>
        <source>Help(&amp;H)</source>
        <translation>&amp;Справка</translation>
    </message>
    <message>
        <source>Find meter</source>
        <translation>Найти измеритель</translation>
    </message>
    <message>
        <source>Ask every port whether the meter answers, and choose the port it is on
Find meter</source>
        <translation>Опросить все порты, отвечает ли измеритель, и выбрать порт, на котором он найден
Найти измеритель</translation>
    </message>
    <message>
        <source>Import from the web...</source>
        <translation>Импорт из интернета...</translation>
    </message>
    <message>
        <source>Download a transponder list from an http or https address and merge it
Import from the web</source>
        <translation>Загрузить список транспондеров по адресу http или https и добавить его в таблицу
Импорт из интернета</translation>
    </message>
    <message>
        <source>Add satellites from the catalog...</source>
        <translation>Добавить спутники из каталога...</translation>
    </message>
    <message>
        <source>Merge satellites from the scan tables installed on this computer
Add satellites from the catalog</source>
        <translation>Добавить спутники из таблиц сканирования, установленных на этом компьютере
Добавить спутники из каталога</translation>
    </message>
    <message>
        <source>Restore a backup...</source>
        <translation>Восстановить копию...</translation>
    </message>
    <message>
        <source>Write one of the backups taken before a write back to the meter
Restore a backup</source>
        <translation>Записать обратно в измеритель одну из копий, сделанных перед записью
Восстановить копию</translation>
    </message>
    <message>
        <source>Record unit records</source>
        <translation>Вести журнал приборов</translation>
    </message>
    <message>
        <source>Keep a record of every meter upgraded or written in the unit records
Record unit records</source>
        <translation>Записывать в журнал приборов каждый обновлённый или записанный измеритель
Вести журнал приборов</translation>
    </message>
</context>
<context>
    <name>Core</name>
    <message>
        <source>Save the changes to %1?</source>
        <translation>Сохранить изменения в %1?</translation>
    </message>
    <message>
        <source>Save the changes to the table?</source>
        <translation>Сохранить изменения в таблице?</translation>
    </message>
    <message>
        <source>soft files (*.hex);;All Files (*)</source>
        <translation>Файлы прошивки (*.hex);;Все файлы (*)</translation>
    </message>
    <message>
        <source>SOFT:</source>
        <translation>SOFT:</translation>
    </message>
    <message>
        <source>Device initialize ...</source>
        <translation>Инициализация устройства ...</translation>
    </message>
    <message>
        <source>File open failed ! </source>
        <translation>Не удалось открыть файл! </translation>
    </message>
    <message>
        <source>Device not found ! </source>
        <translation>Устройство не найдено! </translation>
    </message>
    <message>
        <source>Firmware file is empty ! </source>
        <translation>Файл прошивки пуст! </translation>
    </message>
    <message>
        <source>Firmware larger than flash ! </source>
        <translation>Прошивка больше flash-памяти! </translation>
    </message>
    <message>
        <source>Erasing memory ...</source>
        <translation>Стирание памяти ...</translation>
    </message>
    <message>
        <source>Failed to erase memory !</source>
        <translation>Не удалось стереть память!</translation>
    </message>
    <message>
        <source>Failed to read file !</source>
        <translation>Не удалось прочитать файл!</translation>
    </message>
    <message>
        <source>Failed to write memory !</source>
        <translation>Не удалось записать память!</translation>
    </message>
    <message>
        <source>Failed to read memory !</source>
        <translation>Не удалось прочитать память!</translation>
    </message>
    <message>
        <source>Software upgrade success ! </source>
        <translation>Прошивка успешно обновлена! </translation>
    </message>
    <message>
        <source>GetCommState Error </source>
        <translation>Ошибка GetCommState </translation>
    </message>
    <message>
        <source>SetCommState Error </source>
        <translation>Ошибка SetCommState </translation>
    </message>
    <message>
        <source>Failed to create event for thread!</source>
        <translation>Не удалось создать событие для потока!</translation>
    </message>
    <message>
        <source>Connect fail </source>
        <translation>Ошибка соединения </translation>
    </message>
    <message>
        <source> ask timeout !  </source>
        <translation> тайм-аут запроса!  </translation>
    </message>
    <message>
        <source>Wait for connect ...</source>
        <translation>Ожидание соединения ...</translation>
    </message>
    <message>
        <source>Press Stop to give up.</source>
        <translation>Нажмите «Стоп», чтобы прервать.</translation>
    </message>
    <message>
        <source>Press Ctrl+C to give up.</source>
        <translation>Нажмите Ctrl+C, чтобы прервать.</translation>
    </message>
    <message>
        <source>Read Completed ! </source>
        <translation>Чтение завершено! </translation>
    </message>
    <message>
        <source>Read Failed ! </source>
        <translation>Ошибка чтения! </translation>
    </message>
    <message>
        <source>Write Completed ! </source>
        <translation>Запись завершена! </translation>
    </message>
    <message>
        <source>Write Failed ! </source>
        <translation>Ошибка записи! </translation>
    </message>
    <message>
        <source>Delete Completed ! </source>
        <translation>Удаление завершено! </translation>
    </message>
    <message>
        <source>Delete Failed ! </source>
        <translation>Ошибка удаления! </translation>
    </message>
    <message>
        <source>Read LNB ...</source>
        <translation>Чтение LNB ...</translation>
    </message>
    <message>
        <source>Read Satellites ...</source>
        <translation>Чтение спутников ...</translation>
    </message>
    <message>
        <source>Read Transponders ...</source>
        <translation>Чтение транспондеров ...</translation>
    </message>
    <message>
        <source>Write LNB ...</source>
        <translation>Запись LNB ...</translation>
    </message>
    <message>
        <source>Write Satellites ...</source>
        <translation>Запись спутников ...</translation>
    </message>
    <message>
        <source>Write Transponders ...</source>
        <translation>Запись транспондеров ...</translation>
    </message>
    <message>
        <source>Verify ...</source>
        <translation>Проверка ...</translation>
    </message>
    <message>
        <source>Verify Failed ! </source>
        <translation>Ошибка проверки! </translation>
    </message>
    <message>
        <source>Verify failed: the table could not be read back from the meter.</source>
        <translation>Ошибка проверки: не удалось прочитать таблицу обратно из измерителя.</translation>
    </message>
    <message>
        <source>Backup Failed ! </source>
        <translation>Ошибка резервного копирования! </translation>
    </message>
    <message>
        <source>Backup failed: the meter&apos;s table could not be read. Nothing was written; the meter&apos;s table was left as it was.</source>
        <translation>Ошибка резервного копирования: не удалось прочитать таблицу измерителя. Ничего не записано; таблица в измерителе осталась прежней.</translation>
    </message>
    <message>
        <source>You stopped the backup read. Nothing was written; the meter&apos;s table is as it was.</source>
        <translation>Вы остановили чтение резервной копии. Ничего не записано; таблица в измерителе осталась прежней.</translation>
    </message>
    <message>
        <source>You stopped the read-back: the table was written to the meter but not checked.</source>
        <translation>Вы остановили контрольное чтение: таблица записана в измеритель, но не проверена.</translation>
    </message>
    <message>
        <source>You stopped the write part-way, so the meter may now hold a partial table. Write the table again to make it whole.</source>
        <translation>Вы остановили запись на полпути, поэтому в измерителе теперь может быть неполная таблица. Запишите таблицу ещё раз, чтобы она стала полной.</translation>
    </message>
    <message>
        <source>The write broke off part-way, so the meter may now hold a partial table. Check that the meter is switched on and connected, then write the table again.</source>
        <translation>Запись прервалась на полпути, поэтому в измерителе теперь может быть неполная таблица. Проверьте, что измеритель включён и подключён, и запишите таблицу ещё раз.</translation>
    </message>
    <message>
        <source>Open logo file error !</source>
        <translation>Ошибка открытия файла логотипа!</translation>
    </message>
    <message>
        <source>Open icon file error !</source>
        <translation>Ошибка открытия файла иконок!</translation>
    </message>
    <message>
        <source>Logo file too short !</source>
        <translation>Файл логотипа слишком короткий!</translation>
    </message>
    <message>
        <source>Icon file too short !</source>
        <translation>Файл иконок слишком короткий!</translation>
    </message>
    <message>
        <source>Write logo ...</source>
        <translation>Запись логотипа ...</translation>
    </message>
    <message>
        <source>Write icon ...</source>
        <translation>Запись иконок ...</translation>
    </message>
    <message>
        <source>Are you sure to delete meter osd icon ?  </source>
        <translation>Действительно удалить OSD-иконки измерителя?  </translation>
    </message>
    <message>
        <source>logo files (*.bin);;All Files (*)</source>
        <translation>Файлы логотипа (*.bin);;Все файлы (*)</translation>
    </message>
    <message>
        <source>icon files (*.bin);;All Files (*)</source>
        <translation>Файлы иконок (*.bin);;Все файлы (*)</translation>
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
        <translation>Ошибка сохранения файла!</translation>
    </message>
    <message>
        <source>The table has no satellites or transponders to write.</source>
        <translation>В таблице нет спутников или транспондеров для записи.</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>Отменить: %1</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>Повторить: %1</translation>
    </message>
    <message>
        <source>Delete %1 TPs</source>
        <translation>Удалить TP (%1)</translation>
    </message>
    <message>
        <source>Add Satellite</source>
        <translation>Добавить спутник</translation>
    </message>
    <message>
        <source>Delete Satellite</source>
        <translation>Удалить спутник</translation>
    </message>
    <message>
        <source>Edit Satellite</source>
        <translation>Изменить спутник</translation>
    </message>
    <message>
        <source>Add TP</source>
        <translation>Добавить TP</translation>
    </message>
    <message>
        <source>Edit TP</source>
        <translation>Изменить TP</translation>
    </message>
    <message>
        <source>Delete TP</source>
        <translation>Удалить TP</translation>
    </message>
    <message>
        <source>Edit LNB</source>
        <translation>Изменить LNB</translation>
    </message>
    <message>
        <source>Sort TPs</source>
        <translation>Сортировать TP</translation>
    </message>
    <message>
        <source>Read from Meter</source>
        <translation>Чтение из измерителя</translation>
    </message>
    <message>
        <source>sattp files (*.csv);;All Files (*)</source>
        <translation>Файлы sattp (*.csv);;Все файлы (*)</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Открыть</translation>
    </message>
    <message>
        <source>Save as</source>
        <translation>Сохранить как</translation>
    </message>
    <message>
        <source>A firmware file&apos;s name begins with rav32izazud.</source>
        <translation>Имя файла прошивки начинается с rav32izazud.</translation>
    </message>
    <message>
        <source>A logo file&apos;s name begins with stm32logo.</source>
        <translation>Имя файла логотипа начинается с stm32logo.</translation>
    </message>
    <message>
        <source>An icon file&apos;s name begins with stm32icon.</source>
        <translation>Имя файла иконок начинается с stm32icon.</translation>
    </message>
    <message>
        <source>%1(the adapter was unplugged)</source>
        <translation>%1(адаптер отключён)</translation>
    </message>
    <message>
        <source>Meter found on %1</source>
        <translation>Измеритель найден на %1</translation>
    </message>
    <message>
        <source>A meter in its bootloader answered on %1: use Firmware upgrade (Meter &gt; SOFT upgrade)</source>
        <translation>Измеритель в режиме загрузчика ответил на %1: используйте Обновить прошивку (Измеритель &gt; Обновить прошивку)</translation>
    </message>
    <message>
        <source>No meter answered on %1: is the meter switched on and its cable plugged?</source>
        <translation>Ни один измеритель не ответил на %1: включён ли измеритель и подключён ли его кабель?</translation>
    </message>
    <message>
        <source>No meter could be asked: %1</source>
        <translation>Не удалось опросить ни один измеритель: %1</translation>
    </message>
    <message>
        <source>USB serial adapter plugged in: %1</source>
        <translation>Адаптер USB-RS232 подключён: %1</translation>
    </message>
    <message>
        <source>USB serial adapter pulled out: %1</source>
        <translation>Адаптер USB-RS232 отключён: %1</translation>
    </message>
    <message>
        <source>You are not allowed to use %1: add yourself to the group &apos;%2&apos; (sudo usermod -aG %3 $USER) and log in again</source>
        <translation>Нет прав на использование %1: добавьте себя в группу &apos;%2&apos; (sudo usermod -aG %3 $USER) и войдите в систему заново</translation>
    </message>
    <message>
        <source>%1 is in use by another program</source>
        <translation>%1 занят другой программой</translation>
    </message>
    <message>
        <source>%1 is in use by another program (%2)</source>
        <translation>%1 занят другой программой (%2)</translation>
    </message>
    <message>
        <source>%1 is locked by another program (%2)</source>
        <translation>%1 заблокирован другой программой (%2)</translation>
    </message>
    <message>
        <source>%1 is gone: is the cable plugged in?</source>
        <translation>%1 пропал: подключён ли кабель?</translation>
    </message>
    <message>
        <source>%1 is not a serial port</source>
        <translation>%1 не является последовательным портом</translation>
    </message>
    <message>
        <source>%1 cannot be opened</source>
        <translation>Не удаётся открыть %1</translation>
    </message>
    <message>
        <source>%1 cannot be opened: %2</source>
        <translation>Не удаётся открыть %1: %2</translation>
    </message>
    <message>
        <source>%1 is busy: ModemManager is probing it; the package&apos;s udev rule keeps it away, or wait 10 s</source>
        <translation>%1 занят: ModemManager опрашивает его; правило udev из пакета не подпускает его, или подождите 10 с</translation>
    </message>
    <message>
        <source>A %1 USB serial adapter is plugged in but has no port: brltty (a braille display service) claimed it; remove brltty with &apos;sudo apt remove brltty&apos; or, if a braille display needs it, run &apos;sudo systemctl mask brltty-udev.service&apos; and plug the adapter in again</source>
        <translation>Адаптер USB-RS232 %1 подключён, но порта нет: его занял brltty (служба брайлевских дисплеев); удалите brltty командой &apos;sudo apt remove brltty&apos; или, если он нужен брайлевскому дисплею, выполните &apos;sudo systemctl mask brltty-udev.service&apos; и переподключите адаптер</translation>
    </message>
    <message>
        <source>%1 has no device: is the cable plugged in? (VELMORA_%2 may name its path)</source>
        <translation>У %1 нет устройства: подключён ли кабель? (путь можно указать в VELMORA_%2)</translation>
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
        <translation>Выкл.</translation>
    </message>
    <message>
        <source>Fixed</source>
        <translation>Фикс.</translation>
    </message>
    <message>
        <source>Moved</source>
        <translation>Мотор</translation>
    </message>
    <message>
        <source>Looking for the meter ...</source>
        <translation>Поиск измерителя ...</translation>
    </message>
    <message>
        <source>No USB serial adapter is plugged in.</source>
        <translation>Ни один адаптер USB-RS232 не подключён.</translation>
    </message>
    <message>
        <source>%1 answers late (latency timer %2 ms): a table write will take about %3 seconds; see the manual page</source>
        <translation>%1 отвечает с задержкой (latency timer %2 мс): запись таблицы займёт около %3 с; см. страницу руководства</translation>
    </message>
    <message>
        <source>%1 answers late (latency timer %2 ms): a table write will take about %3 minutes; see the manual page</source>
        <translation>%1 отвечает с задержкой (latency timer %2 мс): запись таблицы займёт около %3 мин; см. страницу руководства</translation>
    </message>
    <message>
        <source>%1 cannot keep: %2.</source>
        <translation>%1 не может содержать: %2.</translation>
    </message>
    <message>
        <source>%1 Save anyway ?</source>
        <translation>%1 Всё равно сохранить?</translation>
    </message>
    <message>
        <source>%1: frequency %2 is outside %3..%4 MHz</source>
        <translation>%1: частота %2 вне диапазона %3..%4 MHz</translation>
    </message>
    <message>
        <source>%1: symbol rate %2 is outside %3..%4 kS/s</source>
        <translation>%1: символьная скорость %2 вне диапазона %3..%4 kS/s</translation>
    </message>
    <message>
        <source>LNB %1: unknown type %2 (shown as 5150)</source>
        <translation>LNB %1: неизвестный тип %2 (показан как 5150)</translation>
    </message>
    <message>
        <source>%1: position %2 is above 3599 tenths of a degree (shown as %3)</source>
        <translation>%1: позиция %2 больше 3599 десятых долей градуса (показана как %3)</translation>
    </message>
    <message>
        <source>%1: name has bytes that are not UTF-8 (%2)</source>
        <translation>%1: в названии есть байты не в UTF-8 (%2)</translation>
    </message>
    <message>
        <source>%1: no transponders</source>
        <translation>%1: нет транспондеров</translation>
    </message>
    <message>
        <source>%1: SAT %2 is not in use (the table has %3 satellites)</source>
        <translation>%1: SAT %2 не используется (спутников в таблице: %3)</translation>
    </message>
    <message>
        <source>%1: duplicate of TP %2 (%3)</source>
        <translation>%1: дубликат TP %2 (%3)</translation>
    </message>
    <message>
        <source>1 difference</source>
        <translation>1 различие</translation>
    </message>
    <message>
        <source>%1 differences</source>
        <translation>различий: %1</translation>
    </message>
    <message>
        <source>order differs</source>
        <translation>порядок отличается</translation>
    </message>
    <message>
        <source>icon written</source>
        <translation>иконки записаны</translation>
    </message>
    <message>
        <source>logo written</source>
        <translation>логотип записан</translation>
    </message>
    <message>
        <source>icon and logo written</source>
        <translation>иконки и логотип записаны</translation>
    </message>
    <message>
        <source>tables written</source>
        <translation>таблицы записаны</translation>
    </message>
    <message>
        <source>icon and tables written</source>
        <translation>иконки и таблицы записаны</translation>
    </message>
    <message>
        <source>logo and tables written</source>
        <translation>логотип и таблицы записаны</translation>
    </message>
    <message>
        <source>icon, logo and tables written</source>
        <translation>иконки, логотип и таблицы записаны</translation>
    </message>
    <message>
        <source>Patch up done in %1 s: firmware upgraded and verified.</source>
        <translation>Загрузка завершена за %1 s: прошивка обновлена и проверена.</translation>
    </message>
    <message>
        <source>Patch up done in %1 s.</source>
        <translation>Загрузка завершена за %1 s.</translation>
    </message>
    <message>
        <source>Patch up done in %1 s: firmware upgraded and verified; %2.</source>
        <translation>Загрузка завершена за %1 s: прошивка обновлена и проверена; %2.</translation>
    </message>
    <message>
        <source>Patch up done in %1 s: %2.</source>
        <translation>Загрузка завершена за %1 s: %2.</translation>
    </message>
    <message>
        <source>No answer from the meter on %1 yet: is it switched on and connected to this port? %2</source>
        <translation>Измеритель на %1 пока не отвечает: он включён и подключён к этому порту? %2</translation>
    </message>
    <message>
        <source>No answer from the meter on %1: is it switched on and connected to this port? Nothing on the meter was changed.</source>
        <translation>Измеритель на %1 не отвечает: он включён и подключён к этому порту? В измерителе ничего не изменено.</translation>
    </message>
    <message>
        <source>%1 The meter&apos;s table before this write is in %2.</source>
        <translation>%1 Таблица измерителя до этой записи сохранена в %2.</translation>
    </message>
    <message>
        <source>Backup failed: cannot write %1: %2. Nothing was written; the meter&apos;s table was left as it was.</source>
        <translation>Ошибка резервного копирования: не удаётся записать %1: %2. Ничего не записано; таблица в измерителе осталась прежней.</translation>
    </message>
    <message>
        <source>%1 was not read completely:

%2

Saving it writes the table without what is listed here.</source>
        <translation>Файл %1 прочитан не полностью:

%2

При сохранении таблица будет записана без того, что перечислено здесь.</translation>
    </message>
    <message>
        <source>%1 was not read completely (1 finding), so the table to be saved is shorter than that file.</source>
        <translation>Файл %1 прочитан не полностью (1 замечание), поэтому сохраняемая таблица короче этого файла.</translation>
    </message>
    <message>
        <source>%1 was not read completely (%2 findings), so the table to be saved is shorter than that file.</source>
        <translation>Файл %1 прочитан не полностью (замечаний: %2), поэтому сохраняемая таблица короче этого файла.</translation>
    </message>
    <message>
        <source>Flash1M.bin written: %1 (%2 bytes)</source>
        <translation>Flash1M.bin записан: %1 (байт: %2)</translation>
    </message>
    <message>
        <source>%1

The result was added to %2.</source>
        <translation>%1

Результат добавлен в %2.</translation>
    </message>
    <message>
        <source>Import added nothing</source>
        <translation>Импорт ничего не добавил</translation>
    </message>
    <message>
        <source>Import added 1 TP</source>
        <translation>Импорт добавил 1 TP</translation>
    </message>
    <message>
        <source>Import added %1 TPs</source>
        <translation>Импорт добавил %1 TP</translation>
    </message>
    <message>
        <source>Import added 1 TP, 1 satellite</source>
        <translation>Импорт добавил 1 TP и 1 спутник</translation>
    </message>
    <message>
        <source>Import added %1 TPs, 1 satellite</source>
        <translation>Импорт добавил %1 TP и 1 спутник</translation>
    </message>
    <message>
        <source>Import added 1 TP, %1 satellites</source>
        <translation>Импорт добавил 1 TP, спутников: %1</translation>
    </message>
    <message>
        <source>Import added %1 TPs, %2 satellites</source>
        <translation>Импорт добавил %1 TP, спутников: %2</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Не удаётся записать %1: %2</translation>
    </message>
    <message>
        <source>Exported 1 satellite and 1 transponder to %1</source>
        <translation>Экспорт в %1: 1 спутник, 1 транспондер</translation>
    </message>
    <message>
        <source>Exported 1 satellite and %1 transponders to %2</source>
        <translation>Экспорт в %2: 1 спутник, транспондеров: %1</translation>
    </message>
    <message>
        <source>Exported %1 satellites and 1 transponder to %2</source>
        <translation>Экспорт в %2: спутников: %1, 1 транспондер</translation>
    </message>
    <message>
        <source>Exported %1 satellites and %2 transponders to %3</source>
        <translation>Экспорт в %3: спутников: %1, транспондеров: %2</translation>
    </message>
    <message>
        <source>Cannot copy the sample table into %1.</source>
        <translation>Не удаётся скопировать образец таблицы в %1.</translation>
    </message>
    <message>
        <source>Cannot create the data folder %1: %2</source>
        <translation>Не удаётся создать папку данных %1: %2</translation>
    </message>
    <message>
        <source>a file of that name is in the way</source>
        <translation>мешает файл с таким же именем</translation>
    </message>
    <message>
        <source>Delete the transponder %1?</source>
        <translation>Удалить транспондер %1?</translation>
    </message>
    <message>
        <source>Delete %1 TPs ?</source>
        <translation>Удалить TP (%1)?</translation>
    </message>
    <message>
        <source>Delete the satellite %1 and its transponders?</source>
        <translation>Удалить спутник %1 вместе с его транспондерами?</translation>
    </message>
    <message>
        <source>matched %1, added %2 satellites and %3 transponders, %4 duplicates skipped, %5 replaced, %6 left out (table full), %7 invalid</source>
        <translation>сопоставлено: %1, добавлено спутников: %2 и транспондеров: %3, пропущено дубликатов: %4, заменено: %5, не поместилось (таблица заполнена): %6, ошибочных: %7</translation>
    </message>
    <message>
        <source>no scan tables in %1: install them with &apos;sudo apt install dtv-scan-tables&apos;</source>
        <translation>нет таблиц сканирования в %1: установите их командой &apos;sudo apt install dtv-scan-tables&apos;</translation>
    </message>
    <message>
        <source>no scan tables in %1: %2</source>
        <translation>нет таблиц сканирования в %1: %2</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Импорт</translation>
    </message>
    <message>
        <source>Downloading %1</source>
        <translation>Загрузка %1</translation>
    </message>
    <message>
        <source>Download failed</source>
        <translation>Ошибка загрузки</translation>
    </message>
    <message>
        <source>Take the Meter&apos;s Table</source>
        <translation>Взять таблицу измерителя</translation>
    </message>
    <message>
        <source>SOFT upgrade erases the meter&apos;s firmware and writes %1 in its place.

Switch the meter on while holding EXIT, then answer Yes.
Do not switch the meter off until the upgrade is done.

Upgrade the firmware now?</source>
        <translation>Обновление SOFT стирает прошивку прибора и записывает на её место %1.

Включите прибор, удерживая EXIT, затем ответьте «Да».
Не выключайте прибор, пока обновление не завершится.

Обновить прошивку сейчас?</translation>
    </message>
    <message>
        <source>Logo written: %1</source>
        <translation>Логотип записан: %1</translation>
    </message>
    <message>
        <source>Icon written: %1</source>
        <translation>Значок записан: %1</translation>
    </message>
    <message>
        <source>Icon file too large !</source>
        <translation>Файл иконок слишком большой!</translation>
    </message>
    <message>
        <source>Icon file header makes no sense ! %1 announces records of %2 bytes, %3 x %4 of each size: all three must be above 0.</source>
        <translation>Заголовок файла иконок не имеет смысла! %1 объявляет записи по %2 байт, %3 x %4 каждого размера: все три должны быть больше 0.</translation>
    </message>
    <message>
        <source>Icon file too large ! %1 announces %2 bytes; the meter&apos;s icon area holds %3.</source>
        <translation>Файл иконок слишком большой! %1 объявляет %2 байт; область иконок прибора вмещает %3.</translation>
    </message>
    <message>
        <source>Logo file too short ! %1 holds %2 bytes; a logo takes %3.</source>
        <translation>Файл логотипа слишком короткий! В %1 %2 байт; логотип занимает %3.</translation>
    </message>
    <message>
        <source>Icon file too short ! %1 holds %2 bytes; an icon header takes %3.</source>
        <translation>Файл иконок слишком короткий! В %1 %2 байт; заголовок иконок занимает %3.</translation>
    </message>
    <message>
        <source>Icon file too short ! %1 holds %2 bytes; its header announces %3.</source>
        <translation>Файл иконок слишком короткий! В %1 %2 байт; его заголовок объявляет %3.</translation>
    </message>
    <message>
        <source>hold EXIT while switching the meter on, then try again</source>
        <translation>удерживайте EXIT при включении прибора, затем повторите</translation>
    </message>
    <message>
        <source>%1: LNB %2 (%3) receives %4..%5 MHz only</source>
        <translation>%1: LNB %2 (%3) принимает только %4..%5 МГц</translation>
    </message>
    <message>
        <source>The meter restarts with its new firmware: %1 s</source>
        <translation>Прибор перезапускается с новой прошивкой: %1 с</translation>
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
        <translation>В %1 нет резервных копий. Копия делается перед каждой записью, пока включено Измеритель &gt; Копия перед записью.</translation>
    </message>
    <message>
        <source>Write the backup %1 to the meter? It replaces the meter&apos;s table.</source>
        <translation>Записать резервную копию %1 в измеритель? Она заменит таблицу измерителя.</translation>
    </message>
    <message>
        <source>Backup written to the meter: %1</source>
        <translation>Резервная копия записана в измеритель: %1</translation>
    </message>
    <message>
        <source>The backup %1 holds no satellites, so there is nothing to write back.</source>
        <translation>В резервной копии %1 нет спутников, поэтому записывать обратно нечего.</translation>
    </message>
    <message>
        <source>No data folder for the unit records (HOME is not set); turn off Meter &gt; Record unit records or name a file in the settings.</source>
        <translation>Нет папки данных для журнала приборов (HOME не задан); выключите Измеритель &gt; Вести журнал приборов или укажите файл в настройках.</translation>
    </message>
</context>
<context>
    <name>Language</name>
    <message>
        <source>Language</source>
        <translation>Язык</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>Как в системе</translation>
    </message>
    <message>
        <source>The language changes when Orvane is started next.</source>
        <translation>Язык сменится при следующем запуске Orvane.</translation>
    </message>
</context>
<context>
    <name>LnbChoiceText</name>
    <message>
        <source>no DiSEqC</source>
        <translation>без DiSEqC</translation>
    </message>
    <message>
        <source>unknown DiSEqC switch</source>
        <translation>неизвестный DiSEqC-переключатель</translation>
    </message>
    <message>
        <source>DiSEqC %1 tone burst %2</source>
        <translation>DiSEqC %1 tone burst %2</translation>
    </message>
    <message>
        <source>DiSEqC %1 input %2</source>
        <translation>DiSEqC %1 вход %2</translation>
    </message>
</context>
<context>
    <name>MeterMenu</name>
    <message>
        <source>backups/ beside the table</source>
        <translation>backups/ рядом с таблицей</translation>
    </message>
    <message>
        <source>Back up before write (to %1)</source>
        <translation>Копия перед записью (в %1)</translation>
    </message>
    <message>
        <source>Write the backup back</source>
        <translation>Записать копию обратно</translation>
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
        <translation>Открыть</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Стоп</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Чтение</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>Запись</translation>
    </message>
</context>
<context>
    <name>velmora::AboutDlg</name>
    <message>
        <source>About Orvane</source>
        <translation>О программе Orvane</translation>
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
        <translation>Добавить спутники из каталога</translation>
    </message>
    <message>
        <source>Find a satellite by name or position</source>
        <translation>Найти спутник по названию или позиции</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Позиция</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Название</translation>
    </message>
    <message>
        <source>TPs</source>
        <translation>TP</translation>
    </message>
    <message>
        <source>Tick the satellites to add.</source>
        <translation>Отметьте спутники, которые нужно добавить.</translation>
    </message>
</context>
<context>
    <name>velmora::CheckDlg</name>
    <message>
        <source>Check table</source>
        <translation>Проверка таблицы</translation>
    </message>
    <message>
        <source>Nothing looks wrong with the table.</source>
        <translation>В таблице не найдено ничего подозрительного.</translation>
    </message>
    <message numerus="yes">
        <source>%n finding(s); click one to select its row.</source>
        <translation>
            <numerusform>%n замечание; щёлкните по нему, чтобы выделить его строку.</numerusform>
            <numerusform>%n замечания; щёлкните по одному, чтобы выделить его строку.</numerusform>
            <numerusform>%n замечаний; щёлкните по одному, чтобы выделить его строку.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>velmora::CompareDlg</name>
    <message>
        <source>Compare with meter</source>
        <translation>Сравнение с измерителем</translation>
    </message>
    <message>
        <source>What writing the document&apos;s tables would change on the meter:</source>
        <translation>Что изменит в измерителе запись таблиц этого документа:</translation>
    </message>
    <message>
        <source>Take the meter&apos;s table</source>
        <translation>Взять таблицу измерителя</translation>
    </message>
    <message>
        <source>Replace the document&apos;s tables with the meter&apos;s</source>
        <translation>Заменить таблицы документа таблицами измерителя</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Write to the meter</source>
        <translation>Записать в измеритель</translation>
    </message>
    <message>
        <source>Replace the meter&apos;s table with the document&apos;s</source>
        <translation>Заменить таблицу измерителя таблицей документа</translation>
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
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>velmora::HelpDlg</name>
    <message>
        <source>Orvane Help</source>
        <translation>Справка Orvane</translation>
    </message>
</context>
<context>
    <name>velmora::ImportDlg</name>
    <message>
        <source>Find a satellite by name or position</source>
        <translation>Найти спутник по названию или позиции</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Позиция</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Название</translation>
    </message>
    <message>
        <source>TPs</source>
        <extracomment>Column of transponder counts</extracomment>
        <translation>TP</translation>
    </message>
    <message>
        <source>Goes into</source>
        <translation>Куда</translation>
    </message>
    <message>
        <source>The name a new satellite gets; double-click to change it</source>
        <translation>Название нового спутника; дважды щёлкните, чтобы изменить</translation>
    </message>
    <message>
        <source>A new satellite, or a table satellite of the band within 1.0 degree</source>
        <translation>Новый спутник или спутник таблицы в том же диапазоне не далее 1,0 градуса</translation>
    </message>
    <message>
        <source>Select all</source>
        <translation>Выбрать все</translation>
    </message>
    <message>
        <source>Select none</source>
        <translation>Снять выбор</translation>
    </message>
    <message>
        <source>LNB of new Ku-band satellites</source>
        <translation>LNB новых спутников Ku-диапазона</translation>
    </message>
    <message>
        <source>LNB of new C-band satellites</source>
        <translation>LNB новых спутников C-диапазона</translation>
    </message>
    <message>
        <source>Add new transponders</source>
        <translation>Добавить новые транспондеры</translation>
    </message>
    <message>
        <source>Replace the transponders of the table satellites they go into</source>
        <translation>Заменить транспондеры спутников таблицы, куда они попадают</translation>
    </message>
    <message>
        <source>new</source>
        <extracomment>The choice &quot;a new satellite&quot; in the &quot;Goes into&quot; column</extracomment>
        <translation>новый</translation>
    </message>
    <message>
        <source>Nothing in the table changes.</source>
        <translation>В таблице ничего не меняется.</translation>
    </message>
    <message>
        <source>LNB of new Ka-band satellites</source>
        <translation>LNB новых спутников Ka-диапазона</translation>
    </message>
</context>
<context>
    <name>velmora::LnbEditDlg</name>
    <message>
        <source>LNB Edit</source>
        <translation>Изменение LNB</translation>
    </message>
    <message>
        <source>LNB frequency</source>
        <translation>Частота LNB (гетеродин)</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Выкл.</translation>
    </message>
    <message>
        <source>LNB power</source>
        <translation>Питание LNB</translation>
    </message>
    <message>
        <source>Fixed</source>
        <translation>Фикс.</translation>
    </message>
    <message>
        <source>Moved</source>
        <translation>Мотор</translation>
    </message>
    <message>
        <source>Dish type</source>
        <translation>Антенна</translation>
    </message>
    <message>
        <source>DiSEqC switch</source>
        <translation>DiSEqC-переключатель</translation>
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
        <translation>Вход DiSEqC</translation>
    </message>
    <message>
        <source>22 kHz tone</source>
        <translation>Тон 22 кГц</translation>
    </message>
</context>
<context>
    <name>velmora::MainFrame</name>
    <message>
        <source>Ready</source>
        <translation>Готово</translation>
    </message>
    <message>
        <source>Recent files</source>
        <translation>Последние файлы</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Панель инструментов</translation>
    </message>
    <message>
        <source>Satellites %1/%2   TPs %3/%4</source>
        <extracomment>How full the tables are; &quot;TPs&quot; are transponders</extracomment>
        <translation>Спутники %1/%2   TP %3/%4</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Без имени</translation>
    </message>
</context>
<context>
    <name>velmora::RestoreDlg</name>
    <message>
        <source>Restore a backup</source>
        <translation>Восстановить копию</translation>
    </message>
    <message>
        <source>The backups in %1, newest first. The one you choose replaces the meter&apos;s table; the document stays as it is.</source>
        <translation>Резервные копии в %1, сначала самые новые. Выбранная заменит таблицу измерителя; документ останется как есть.</translation>
    </message>
    <message>
        <source>Taken</source>
        <translation>Сделана</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Файл</translation>
    </message>
    <message>
        <source>Write to the meter</source>
        <translation>Записать в измеритель</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
</context>
<context>
    <name>velmora::SatAddDlg</name>
    <message>
        <source>Satellite Edit</source>
        <translation>Изменение спутника</translation>
    </message>
    <message>
        <source>Satellite Add</source>
        <translation>Добавление спутника</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Спутник</translation>
    </message>
    <message>
        <source>East</source>
        <translation>В. д.</translation>
    </message>
    <message>
        <source>West</source>
        <translation>З. д.</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Позиция</translation>
    </message>
    <message>
        <source>%1 of %2 bytes left</source>
        <translation>осталось %1 из %2 байт</translation>
    </message>
    <message>
        <source>A comma cannot be stored: sattp.csv separates its columns with commas.</source>
        <translation>Запятую сохранить нельзя: в sattp.csv столбцы разделяются запятыми.</translation>
    </message>
    <message>
        <source>No room left: a name holds at most %1 bytes, and a letter such as é takes 2.</source>
        <translation>Места нет: имя вмещает не больше %1 байт, а буква вроде é занимает 2.</translation>
    </message>
</context>
<context>
    <name>velmora::SatelliteTree</name>
    <message>
        <source>All Satellites</source>
        <translation>Все спутники</translation>
    </message>
</context>
<context>
    <name>velmora::TpEditDlg</name>
    <message>
        <source>Transponder</source>
        <translation>Транспондер</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Спутник</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Частота</translation>
    </message>
    <message>
        <source>MHz</source>
        <translation>MHz</translation>
    </message>
    <message>
        <source>Symbol rate</source>
        <translation>Символьная скорость</translation>
    </message>
    <message>
        <source>kS/s</source>
        <translation>kS/s</translation>
    </message>
    <message>
        <source>Vertical / right (13 V)</source>
        <translation>Вертикальная / правая (13 V)</translation>
    </message>
    <message>
        <source>Horizontal / left (18 V)</source>
        <translation>Горизонтальная / левая (18 V)</translation>
    </message>
    <message>
        <source>Polarisation</source>
        <translation>Поляризация</translation>
    </message>
    <message>
        <source>Unique</source>
        <extracomment>A transponder found nowhere else in the table</extracomment>
        <translation>Уникальный</translation>
    </message>
</context>
<context>
    <name>velmora::TpSortDlg</name>
    <message>
        <source>Frequency</source>
        <translation>Частота</translation>
    </message>
    <message>
        <source>Symbol rate</source>
        <translation>Символьная скорость</translation>
    </message>
    <message>
        <source>Polarisation</source>
        <translation>Поляризация</translation>
    </message>
    <message>
        <source>Start with</source>
        <translation>Начать с</translation>
    </message>
    <message>
        <source>West to east</source>
        <translation>С запада на восток</translation>
    </message>
    <message>
        <source>East to west</source>
        <translation>С востока на запад</translation>
    </message>
    <message>
        <source>Satellites</source>
        <translation>Спутники</translation>
    </message>
    <message>
        <source>Transponders</source>
        <translation>Транспондеры</translation>
    </message>
    <message>
        <source>then by</source>
        <translation>затем по</translation>
    </message>
    <message>
        <source>Satellites are put in order of position, beginning with the one chosen and going round in the direction chosen. The transponders of each satellite are sorted by the two keys.</source>
        <translation>Спутники упорядочиваются по позиции, начиная с выбранного и далее по кругу в выбранном направлении. Транспондеры каждого спутника сортируются по двум ключам.</translation>
    </message>
</context>
<context>
    <name>velmora::TransponderListView</name>
    <message>
        <source>%1 of %2 rows match &quot;%3&quot;</source>
        <translation>%1 из %2 строк соответствуют «%3»</translation>
    </message>
</context>
<context>
    <name>velmora::UnitRecordsDlg</name>
    <message>
        <source>Unit records</source>
        <translation>Журнал приборов</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Найти</translation>
    </message>
    <message>
        <source>Unique ID:</source>
        <translation>Уникальный ID:</translation>
    </message>
    <message>
        <source>From (UTC):</source>
        <translation>С (UTC):</translation>
    </message>
    <message>
        <source>To (UTC):</source>
        <translation>По (UTC):</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Время</translation>
    </message>
    <message>
        <source>Bench</source>
        <translation>Стенд</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Порт</translation>
    </message>
    <message>
        <source>Unique ID</source>
        <translation>Уникальный ID</translation>
    </message>
    <message>
        <source>Firmware</source>
        <translation>Прошивка</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Результат</translation>
    </message>
    <message>
        <source>Reason</source>
        <translation>Причина</translation>
    </message>
    <message>
        <source>Write a day as 2026-12-09, a time as 2026-12-09T08:00:00Z.</source>
        <translation>Дата пишется как 2026-12-09, время как 2026-12-09T08:00:00Z.</translation>
    </message>
    <message>
        <source>passed</source>
        <translation>успешно</translation>
    </message>
    <message>
        <source>failed</source>
        <translation>ошибка</translation>
    </message>
    <message>
        <source>%1 serviced, %2 passed, %3 failed; records in %4</source>
        <translation>обслужено %1, успешно %2, с ошибкой %3; журнал в %4</translation>
    </message>
    <message>
        <source>Records</source>
        <translation>Записи</translation>
    </message>
    <message>
        <source>Production report</source>
        <translation>Отчёт производства</translation>
    </message>
    <message>
        <source>Open a report...</source>
        <translation>Открыть отчёт...</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Начало</translation>
    </message>
    <message>
        <source>Meter</source>
        <translation>Прибор</translation>
    </message>
    <message>
        <source>Steps</source>
        <translation>Шаги</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Отчёт</translation>
    </message>
    <message>
        <source>Open a report</source>
        <translation>Открыть отчёт</translation>
    </message>
    <message>
        <source>Production reports (*.jsonl *.json *.txt);;All Files (*)</source>
        <translation>Отчёты производства (*.jsonl *.json *.txt);;Все файлы (*)</translation>
    </message>
    <message>
        <source>The production line writes one line per meter into the file of --report.</source>
        <translation>Производственная линия пишет по строке на каждый измеритель в файл --report.</translation>
    </message>
    <message>
        <source>%1 cannot be read.</source>
        <translation>Не удаётся прочитать %1.</translation>
    </message>
    <message>
        <source>%1, line %2, is not a line of a production report.</source>
        <translation>%1, строка %2, не является строкой отчёта производства.</translation>
    </message>
    <message>
        <source>%1: %2 meters, %3 passed, %4 failed</source>
        <translation>%1: измерителей %2, успешно %3, с ошибкой %4</translation>
    </message>
</context>
<context>
    <name>velmora::UrlDlg</name>
    <message>
        <source>Import from the web</source>
        <translation>Импорт из интернета</translation>
    </message>
    <message>
        <source>https://... a satellites.xml, .ini or dvbv5 list</source>
        <translation>https://... список satellites.xml, .ini или dvbv5</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Адрес</translation>
    </message>
</context>
<context>
    <name>velmora::VelmoraDoc</name>
    <message>
        <source>Untitled</source>
        <translation>Без имени</translation>
    </message>
</context>
<context>
    <name>WebPage</name>
    <message>
        <source>Name</source>
        <translation>Название</translation>
    </message>
    <message>
        <source>Hemisphere</source>
        <translation>Полушарие</translation>
    </message>
    <message>
        <source>TP Add</source>
        <translation>Добавить TP</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Нет</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Да</translation>
    </message>
    <message>
        <source>TP Edit</source>
        <translation>Изменить TP</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>Вход</translation>
    </message>
    <message>
        <source>22K tone</source>
        <translation>Тон 22 кГц</translation>
    </message>
    <message>
        <source>TP Sort</source>
        <translation>Сортировать TP</translation>
    </message>
    <message>
        <source>First satellite</source>
        <translation>Первый спутник</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>Направление</translation>
    </message>
    <message>
        <source>West-&gt;East</source>
        <translation>Запад-&gt;Восток</translation>
    </message>
    <message>
        <source>East-&gt;West</source>
        <translation>Восток-&gt;Запад</translation>
    </message>
    <message>
        <source>First key</source>
        <translation>Первый ключ</translation>
    </message>
    <message>
        <source>Symbolrate</source>
        <translation>Символьная скорость</translation>
    </message>
    <message>
        <source>Pol</source>
        <translation>Пол</translation>
    </message>
    <message>
        <source>Second key</source>
        <translation>Второй ключ</translation>
    </message>
    <message>
        <source>automatic</source>
        <translation>автоматически</translation>
    </message>
    <message>
        <source>The address of a transponder list (http or https):</source>
        <translation>Адрес списка транспондеров (http или https):</translation>
    </message>
    <message>
        <source>Findings: %1</source>
        <translation>Замечания: %1</translation>
    </message>
    <message>
        <source>No findings</source>
        <translation>Замечаний нет</translation>
    </message>
    <message>
        <source>Orvane in the browser: the table editor and meter service, with the same core as the desktop program.</source>
        <translation>Orvane в браузере: редактор таблиц и обслуживание измерителя, с тем же ядром, что и настольная программа.</translation>
    </message>
    <message>
        <source>The commands are those of the desktop program&apos;s menus. Connect chooses the meter&apos;s serial port.</source>
        <translation>Команды те же, что в меню настольной программы. «Подключить» выбирает последовательный порт измерителя.</translation>
    </message>
    <message>
        <source>%1: the browser cannot do this; the desktop program can.</source>
        <translation>%1: браузер этого не умеет; настольная программа умеет.</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>Web Serial port chosen</source>
        <translation>Выбран порт Web Serial</translation>
    </message>
    <message>
        <source>This browser has no Web Serial, so the page cannot reach a meter: use Chrome, Edge or Opera on Windows, macOS or Linux (or Firefox from its release 151); the table editor works here.</source>
        <translation>В этом браузере нет Web Serial, поэтому страница не может достичь измерителя: используйте Chrome, Edge или Opera в Windows, macOS или Linux (или Firefox начиная с версии 151); редактор таблиц здесь работает.</translation>
    </message>
    <message>
        <source>Menus</source>
        <translation>Меню</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Подключить</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Порт</translation>
    </message>
    <message>
        <source>No port</source>
        <translation>Нет порта</translation>
    </message>
    <message>
        <source>List</source>
        <translation>Список</translation>
    </message>
    <message>
        <source>Meter</source>
        <translation>Измеритель</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Состояние</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Ход выполнения</translation>
    </message>
    <message>
        <source>Satellites of the list</source>
        <translation>Спутники списка</translation>
    </message>
    <message>
        <source>Import summary</source>
        <translation>Сводка импорта</translation>
    </message>
    <message>
        <source>Changes</source>
        <translation>Изменения</translation>
    </message>
    <message>
        <source>The desktop program has this; a browser cannot do it.</source>
        <translation>Это есть в настольной программе; браузер этого не умеет.</translation>
    </message>
</context>
</TS>
