<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en">
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
        <translation> 适用于 LMT41C、LMT40S 等<byte value="xd"/>
 1) 在寻星仪的“software upgrade”菜单中，可将 sattp.csv 从寻星仪备份到 U 盘。<byte value="xd"/>
 2) 用 velmora 编辑 sattp.csv，编辑完成后保存 sattp.csv 并复制到 U 盘。<byte value="xd"/>
 3) 在寻星仪的“software upgrade”菜单中，可将 sattp.csv 从 U 盘升级到寻星仪。<byte value="xd"/>
 注意：打开寻星仪前必须拔下 U 盘，否则会进入软件升级。<byte value="xd"/>
<byte value="xd"/>
 LMT20 须先取得串口的使用权限！<byte value="xd"/>
 USB RS232 转换器显示为 /dev/ttyUSB0 (COM1)；请将自己加入<byte value="xd"/>
 “dialout”组（sudo usermod -aG dialout $USER）并重新登录。<byte value="xd"/>
<byte value="xd"/>
 LMT20 数据更新<byte value="xd"/>
 1) 用 velmora 编辑 sattp.csv，编辑完成后保存 sattp.csv。<byte value="xd"/>
 2) 将 USB RS232 转换器连接到电脑，并打开寻星仪。<byte value="xd"/>
 3) 选择其端口（COM1..COM9），点击 velmora 的“写入”按钮更新 TP。<byte value="xd"/>
 4) 更新成功完成后，寻星仪的 LED 将显示“OK”。<byte value="xd"/>
 <byte value="xd"/>
 LMT20 软件升级<byte value="xd"/>
 1) 将 USB RS232 转换器连接到电脑。<byte value="xd"/>
 2) 按住 EXIT 键并打开寻星仪。<byte value="xd"/>
 3) 从“文件”菜单打开软件 hex 文件。<byte value="xd"/>
 4) 点击 velmora 的“SOFT”按钮升级软件。<byte value="xd"/>
 </translation>
    </message>
    <message>
        <source>Orvane Ver %1.%2</source>
        <extracomment>The version line; &quot;Orvane&quot; is the product name, never translated</extracomment>
        <translation>Orvane 版本 %1.%2</translation>
    </message>
</context>
<context>
    <name>CompareDlg</name>
    <message numerus="yes">
        <source>%n added</source>
        <translation>
            <numerusform>新增 %n 项</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n removed</source>
        <translation>
            <numerusform>删除 %n 项</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n changed</source>
        <translation>
            <numerusform>更改 %n 项</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>FormLayout</name>
    <message>
        <source>RS232 communication</source>
        <translation>RS232 通信</translation>
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
        <translation>添加</translation>
    </message>
    <message>
        <source>EDIT</source>
        <translation>编辑</translation>
    </message>
    <message>
        <source>DELETE</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>SORT</source>
        <translation>排序</translation>
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
        <translation>查找 (Ctrl+F)</translation>
    </message>
</context>
<context>
    <name>ImportDlg</name>
    <message>
        <source>Import transponders</source>
        <translation>导入转发器</translation>
    </message>
    <message>
        <source>Export satellites.xml</source>
        <translation>导出 satellites.xml</translation>
    </message>
    <message>
        <source>C band</source>
        <translation>C 波段</translation>
    </message>
    <message>
        <source>Ka band</source>
        <translation>Ka 波段</translation>
    </message>
    <message>
        <source>Ku band</source>
        <translation>Ku 波段</translation>
    </message>
    <message>
        <source>%1: no satellites in this list</source>
        <translation>%1：此列表中没有卫星</translation>
    </message>
    <message>
        <source>All files (*);;Transponder lists (*.xml *.ini)</source>
        <translation>所有文件 (*);;转发器列表 (*.xml *.ini)</translation>
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
        <translation>序号</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>卫星</translation>
    </message>
    <message>
        <source>LNB</source>
        <translation>LNB</translation>
    </message>
    <message>
        <source>Freq</source>
        <translation>频率</translation>
    </message>
    <message>
        <source>Pol</source>
        <translation>极化</translation>
    </message>
    <message>
        <source>SR</source>
        <translation>符号率</translation>
    </message>
    <message>
        <source>UNIQUE</source>
        <translation>唯一</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>类型</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>供电</translation>
    </message>
    <message>
        <source>Dish</source>
        <translation>天线</translation>
    </message>
    <message>
        <source>DiSEqC Switch</source>
        <translation>DiSEqC 切换器</translation>
    </message>
    <message>
        <source>DiSEqC Input</source>
        <translation>DiSEqC 端口</translation>
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
        <translation>%1（新增）</translation>
    </message>
    <message>
        <source>%1 added</source>
        <extracomment>Transponders added to a satellite.</extracomment>
        <translation>新增 %1 个</translation>
    </message>
    <message>
        <source>%1 removed</source>
        <extracomment>Transponders removed from a satellite.</extracomment>
        <translation>删除 %1 个</translation>
    </message>
    <message>
        <source>%1 changed</source>
        <extracomment>Transponders whose symbol rate changes.</extracomment>
        <translation>更改 %1 个</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A satellite and what changes on it: &quot;19.2E Astra 1KR: 2 added, 1 removed&quot;.</extracomment>
        <translation>%1：%2</translation>
    </message>
    <message>
        <source>, </source>
        <translation>，</translation>
    </message>
    <message>
        <source>%1 matched %2</source>
        <extracomment>A list&apos;s satellite and the table satellite nearby its transponders go into: &quot;Thor 5 0.8W matched 1.0W Thor&quot;.</extracomment>
        <translation>%1 匹配到 %2</translation>
    </message>
</context>
<context>
    <name>Commands</name>
    <message>
        <source>New(&amp;N)</source>
        <translation>新建(&amp;N)</translation>
    </message>
    <message>
        <source>Open(&amp;O)...</source>
        <translation>打开(&amp;O)...</translation>
    </message>
    <message>
        <source>Open an existing table file
Open a table</source>
        <translation>打开已有的 CSV 文件
打开 CSV 文件</translation>
    </message>
    <message>
        <source>Save(&amp;S)</source>
        <translation>保存(&amp;S)</translation>
    </message>
    <message>
        <source>Save the table to its file
Save</source>
        <translation>保存到当前 CSV 文件
保存</translation>
    </message>
    <message>
        <source>Save as(&amp;A)...</source>
        <translation>另存为(&amp;A)...</translation>
    </message>
    <message>
        <source>Save the table to a new file
Save as</source>
        <translation>保存到新的 CSV 文件
另存为</translation>
    </message>
    <message>
        <source>Import transponders...</source>
        <translation>导入转发器...</translation>
    </message>
    <message>
        <source>Merge a satellites.xml, .ini or dvbv5 transponder list into the table
Import transponders</source>
        <translation>将 satellites.xml、.ini 或 dvbv5 转发器列表合并到表中
导入转发器</translation>
    </message>
    <message>
        <source>Export satellites.xml...</source>
        <translation>导出 satellites.xml...</translation>
    </message>
    <message>
        <source>Write the table as a satellites.xml file
Export satellites.xml</source>
        <translation>将表格写成 satellites.xml 文件
导出 satellites.xml</translation>
    </message>
    <message>
        <source>Load soft...</source>
        <translation>载入固件...</translation>
    </message>
    <message>
        <source>Load a firmware file (rav32izazud.hex)
Load soft</source>
        <translation>载入已有的 rav32izazud.hex 文件
打开 rav32izazud.hex</translation>
    </message>
    <message>
        <source>Load icon...</source>
        <translation>载入图标...</translation>
    </message>
    <message>
        <source>Load an icon file (stm32icon.bin)
Load icon</source>
        <translation>载入已有的 stm32icon.bin 文件
打开 stm32icon 文件</translation>
    </message>
    <message>
        <source>Load logo...</source>
        <translation>载入 Logo...</translation>
    </message>
    <message>
        <source>Load a logo file (bootlogo.bin)
Load logo</source>
        <translation>载入已有的 bootlogo.bin 文件
打开 bootlogo 文件</translation>
    </message>
    <message>
        <source>Create Flash1M.bin</source>
        <translation>生成 Flash1M.bin</translation>
    </message>
    <message>
        <source>Create the factory image Flash1M.bin
Create Flash1M.bin</source>
        <translation>生成出厂用的 Flash1M.bin
生成 Flash1M.bin</translation>
    </message>
    <message>
        <source>Exit(&amp;X)</source>
        <translation>退出(&amp;X)</translation>
    </message>
    <message>
        <source>Quit, asking to save the changes first
Exit</source>
        <translation>退出，退出前提示保存
退出</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>撤销</translation>
    </message>
    <message>
        <source>Undo the last change of the tables
Undo</source>
        <translation>撤销对表格的上一次更改
撤销</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>重做</translation>
    </message>
    <message>
        <source>Redo the change undone last
Redo</source>
        <translation>重做上一次撤销的更改
重做</translation>
    </message>
    <message>
        <source>TP Add...</source>
        <translation>添加 TP...</translation>
    </message>
    <message>
        <source>Add a transponder</source>
        <translation>添加一个转发器</translation>
    </message>
    <message>
        <source>TP Edit...</source>
        <translation>编辑 TP...</translation>
    </message>
    <message>
        <source>Edit the selected transponder</source>
        <translation>编辑选中的转发器</translation>
    </message>
    <message>
        <source>TP Delete</source>
        <translation>删除 TP</translation>
    </message>
    <message>
        <source>Delete the selected transponders</source>
        <translation>删除选中的转发器</translation>
    </message>
    <message>
        <source>TP Sort...</source>
        <translation>排序 TP...</translation>
    </message>
    <message>
        <source>Sort the transponders</source>
        <translation>对转发器排序</translation>
    </message>
    <message>
        <source>Satellite Add...</source>
        <translation>添加卫星...</translation>
    </message>
    <message>
        <source>Add a satellite</source>
        <translation>添加一颗卫星</translation>
    </message>
    <message>
        <source>Satellite Edit...</source>
        <translation>编辑卫星...</translation>
    </message>
    <message>
        <source>Edit the chosen satellite</source>
        <translation>编辑所选的卫星</translation>
    </message>
    <message>
        <source>Satellite Delete</source>
        <translation>删除卫星</translation>
    </message>
    <message>
        <source>Delete the satellite of the selected transponder</source>
        <translation>删除选中转发器所属的卫星</translation>
    </message>
    <message>
        <source>LNB Edit...</source>
        <translation>编辑 LNB...</translation>
    </message>
    <message>
        <source>Edit the selected LNB</source>
        <translation>编辑选中的 LNB</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>查找</translation>
    </message>
    <message>
        <source>Find transponders by frequency, symbol rate, polarisation or satellite</source>
        <translation>按频率、符号率、极化或卫星查找转发器</translation>
    </message>
    <message>
        <source>Check table...</source>
        <translation>检查表格...</translation>
    </message>
    <message>
        <source>List what is probably wrong with the table</source>
        <translation>列出表格中可能有误的地方</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>读取</translation>
    </message>
    <message>
        <source>Read transponders from meter</source>
        <translation>从寻星仪读取转发器</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>写入</translation>
    </message>
    <message>
        <source>Write transponders to meter</source>
        <translation>将转发器写入寻星仪</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Stop read/write transponders</source>
        <translation>停止读取/写入转发器</translation>
    </message>
    <message>
        <source>Compare with meter...</source>
        <translation>与寻星仪比较...</translation>
    </message>
    <message>
        <source>Compare the tables with the meter&apos;s tables
Compare with meter</source>
        <translation>将表格与寻星仪中的表格比较
与寻星仪比较</translation>
    </message>
    <message>
        <source>Unit records...</source>
        <translation>设备记录...</translation>
    </message>
    <message>
        <source>Show the records of the meters this bench serviced
Unit records</source>
        <translation>显示本工位处理过的仪表记录
设备记录</translation>
    </message>
    <message>
        <source>Write logo</source>
        <translation>写入 Logo</translation>
    </message>
    <message>
        <source>Write logo to meter</source>
        <translation>将 Logo 写入寻星仪</translation>
    </message>
    <message>
        <source>Write icon</source>
        <translation>写入图标</translation>
    </message>
    <message>
        <source>Write icon to meter</source>
        <translation>将图标写入寻星仪</translation>
    </message>
    <message>
        <source>SOFT upgrade</source>
        <translation>固件升级</translation>
    </message>
    <message>
        <source>Upgrade the meter&apos;s software, Please press EXIT and turn on meter first !</source>
        <translation>升级寻星仪的固件，请先按住 EXIT 键再打开寻星仪！</translation>
    </message>
    <message>
        <source>PATCH UP</source>
        <translation>PATCH UP</translation>
    </message>
    <message>
        <source>Run the ticked uploads (SOFT, ICON, LOGO, SAT TP) one by one
Patch up one by one</source>
        <translation>依次执行勾选的上传（SOFT、ICON、LOGO、SAT TP）
依次上传</translation>
    </message>
    <message>
        <source>Delete meter OSD icon...</source>
        <translation>删除寻星仪 OSD 图标...</translation>
    </message>
    <message>
        <source>Delete the meter&apos;s on-screen icons
Delete icons</source>
        <translation>删除寻星仪中的 OSD 图标
删除图标</translation>
    </message>
    <message>
        <source>Verify after write</source>
        <translation>写入后校验</translation>
    </message>
    <message>
        <source>Read the tables back after a write and check them
Verify after write</source>
        <translation>写入后读回表格并校验
写入后校验</translation>
    </message>
    <message>
        <source>Back up before write</source>
        <translation>写入前备份</translation>
    </message>
    <message>
        <source>Save the meter&apos;s tables in the backups folder before a write
Back up before write</source>
        <translation>写入前将寻星仪的表格保存到备份文件夹
写入前备份</translation>
    </message>
    <message>
        <source>Help Contents...</source>
        <translation>帮助主题...</translation>
    </message>
    <message>
        <source>Show the guide to the everyday tasks
Help Contents</source>
        <translation>显示日常操作指南
帮助主题</translation>
    </message>
    <message>
        <source>About Orvane...</source>
        <translation>关于 Orvane...</translation>
    </message>
    <message>
        <source>Show the program&apos;s version and notes for meter owners
About</source>
        <translation>显示程序版本及寻星仪用户须知
关于</translation>
    </message>
    <message>
        <source>Display transponders</source>
        <translation>显示转发器</translation>
    </message>
    <message>
        <source>Display LNB</source>
        <translation>显示 LNB</translation>
    </message>
    <message>
        <source>File(&amp;F)</source>
        <translation>文件(&amp;F)</translation>
    </message>
    <message>
        <source>Edit(&amp;E)</source>
        <translation>编辑(&amp;E)</translation>
    </message>
    <message>
        <source>Meter(&amp;M)</source>
        <translation>寻星仪(&amp;M)</translation>
    </message>
    <message>
        <source>Help(&amp;H)</source>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <source>Find meter</source>
        <translation>查找寻星仪</translation>
    </message>
    <message>
        <source>Ask every port whether the meter answers, and choose the port it is on
Find meter</source>
        <translation>逐个询问端口寻星仪是否应答，并选择寻星仪所在的端口
查找寻星仪</translation>
    </message>
    <message>
        <source>Import from the web...</source>
        <translation>从网络导入...</translation>
    </message>
    <message>
        <source>Download a transponder list from an http or https address and merge it
Import from the web</source>
        <translation>从 http 或 https 地址下载转发器列表并合并到表中
从网络导入</translation>
    </message>
    <message>
        <source>Add satellites from the catalog...</source>
        <translation>从目录添加卫星...</translation>
    </message>
    <message>
        <source>Merge satellites from the scan tables installed on this computer
Add satellites from the catalog</source>
        <translation>合并本机已安装的扫描表中的卫星
从目录添加卫星</translation>
    </message>
    <message>
        <source>Restore a backup...</source>
        <translation>恢复备份...</translation>
    </message>
    <message>
        <source>Write one of the backups taken before a write back to the meter
Restore a backup</source>
        <translation>将写入前所做的某个备份写回寻星仪
恢复备份</translation>
    </message>
    <message>
        <source>Record unit records</source>
        <translation>保存设备记录</translation>
    </message>
    <message>
        <source>Keep a record of every meter upgraded or written in the unit records
Record unit records</source>
        <translation>将每台升级或写入的寻星仪记入设备记录
保存设备记录</translation>
    </message>
</context>
<context>
    <name>Core</name>
    <message>
        <source>Save the changes to %1?</source>
        <translation>是否保存对 %1 的更改？</translation>
    </message>
    <message>
        <source>Save the changes to the table?</source>
        <translation>是否保存对表格的更改？</translation>
    </message>
    <message>
        <source>soft files (*.hex);;All Files (*)</source>
        <translation>固件文件 (*.hex);;所有文件 (*)</translation>
    </message>
    <message>
        <source>SOFT:</source>
        <translation>SOFT:</translation>
    </message>
    <message>
        <source>Device initialize ...</source>
        <translation>设备初始化 ...</translation>
    </message>
    <message>
        <source>File open failed ! </source>
        <translation>文件打开失败！ </translation>
    </message>
    <message>
        <source>Device not found ! </source>
        <translation>未找到设备！ </translation>
    </message>
    <message>
        <source>Firmware file is empty ! </source>
        <translation>固件文件为空！ </translation>
    </message>
    <message>
        <source>Firmware larger than flash ! </source>
        <translation>固件大于 Flash 容量！ </translation>
    </message>
    <message>
        <source>Erasing memory ...</source>
        <translation>正在擦除存储器 ...</translation>
    </message>
    <message>
        <source>Failed to erase memory !</source>
        <translation>擦除存储器失败！</translation>
    </message>
    <message>
        <source>Failed to read file !</source>
        <translation>读取文件失败！</translation>
    </message>
    <message>
        <source>Failed to write memory !</source>
        <translation>写入存储器失败！</translation>
    </message>
    <message>
        <source>Failed to read memory !</source>
        <translation>读取存储器失败！</translation>
    </message>
    <message>
        <source>Software upgrade success ! </source>
        <translation>固件升级成功！ </translation>
    </message>
    <message>
        <source>GetCommState Error </source>
        <translation>GetCommState 错误 </translation>
    </message>
    <message>
        <source>SetCommState Error </source>
        <translation>SetCommState 错误 </translation>
    </message>
    <message>
        <source>Failed to create event for thread!</source>
        <translation>无法为线程创建事件！</translation>
    </message>
    <message>
        <source>Connect fail </source>
        <translation>连接失败 </translation>
    </message>
    <message>
        <source> ask timeout !  </source>
        <translation> 请求超时！  </translation>
    </message>
    <message>
        <source>Wait for connect ...</source>
        <translation>等待连接 ...</translation>
    </message>
    <message>
        <source>Press Stop to give up.</source>
        <translation>按“停止”可放弃。</translation>
    </message>
    <message>
        <source>Press Ctrl+C to give up.</source>
        <translation>按 Ctrl+C 可放弃。</translation>
    </message>
    <message>
        <source>Read Completed ! </source>
        <translation>读取完成！ </translation>
    </message>
    <message>
        <source>Read Failed ! </source>
        <translation>读取失败！ </translation>
    </message>
    <message>
        <source>Write Completed ! </source>
        <translation>写入完成！ </translation>
    </message>
    <message>
        <source>Write Failed ! </source>
        <translation>写入失败！ </translation>
    </message>
    <message>
        <source>Delete Completed ! </source>
        <translation>删除完成！ </translation>
    </message>
    <message>
        <source>Delete Failed ! </source>
        <translation>删除失败！ </translation>
    </message>
    <message>
        <source>Read LNB ...</source>
        <translation>读取 LNB ...</translation>
    </message>
    <message>
        <source>Read Satellites ...</source>
        <translation>读取卫星 ...</translation>
    </message>
    <message>
        <source>Read Transponders ...</source>
        <translation>读取转发器 ...</translation>
    </message>
    <message>
        <source>Write LNB ...</source>
        <translation>写入 LNB ...</translation>
    </message>
    <message>
        <source>Write Satellites ...</source>
        <translation>写入卫星 ...</translation>
    </message>
    <message>
        <source>Write Transponders ...</source>
        <translation>写入转发器 ...</translation>
    </message>
    <message>
        <source>Verify ...</source>
        <translation>校验 ...</translation>
    </message>
    <message>
        <source>Verify Failed ! </source>
        <translation>校验失败！ </translation>
    </message>
    <message>
        <source>Verify failed: the table could not be read back from the meter.</source>
        <translation>校验失败：无法从寻星仪读回表格。</translation>
    </message>
    <message>
        <source>Backup Failed ! </source>
        <translation>备份失败！ </translation>
    </message>
    <message>
        <source>Backup failed: the meter&apos;s table could not be read. Nothing was written; the meter&apos;s table was left as it was.</source>
        <translation>备份失败：无法读取寻星仪的表格。未写入任何内容，寻星仪的表格保持原样。</translation>
    </message>
    <message>
        <source>You stopped the backup read. Nothing was written; the meter&apos;s table is as it was.</source>
        <translation>您停止了备份读取。未写入任何内容，寻星仪的表格保持原样。</translation>
    </message>
    <message>
        <source>You stopped the read-back: the table was written to the meter but not checked.</source>
        <translation>您停止了读回：表格已写入寻星仪，但未经校验。</translation>
    </message>
    <message>
        <source>You stopped the write part-way, so the meter may now hold a partial table. Write the table again to make it whole.</source>
        <translation>您中途停止了写入，寻星仪中现在可能只有部分表格。请重新写入表格，使其完整。</translation>
    </message>
    <message>
        <source>The write broke off part-way, so the meter may now hold a partial table. Check that the meter is switched on and connected, then write the table again.</source>
        <translation>写入中途中断，寻星仪中现在可能只有部分表格。请检查寻星仪是否已开机并连接，然后重新写入表格。</translation>
    </message>
    <message>
        <source>Open logo file error !</source>
        <translation>打开 Logo 文件出错！</translation>
    </message>
    <message>
        <source>Open icon file error !</source>
        <translation>打开图标文件出错！</translation>
    </message>
    <message>
        <source>Logo file too short !</source>
        <translation>Logo 文件太短！</translation>
    </message>
    <message>
        <source>Icon file too short !</source>
        <translation>图标文件太短！</translation>
    </message>
    <message>
        <source>Write logo ...</source>
        <translation>写入 Logo ...</translation>
    </message>
    <message>
        <source>Write icon ...</source>
        <translation>写入图标 ...</translation>
    </message>
    <message>
        <source>Are you sure to delete meter osd icon ?  </source>
        <translation>确定要删除寻星仪的 OSD 图标吗？  </translation>
    </message>
    <message>
        <source>logo files (*.bin);;All Files (*)</source>
        <translation>Logo 文件 (*.bin);;所有文件 (*)</translation>
    </message>
    <message>
        <source>icon files (*.bin);;All Files (*)</source>
        <translation>图标文件 (*.bin);;所有文件 (*)</translation>
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
        <translation>保存文件出错！</translation>
    </message>
    <message>
        <source>The table has no satellites or transponders to write.</source>
        <translation>表格中没有可写入的卫星或转发器。</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>撤销 %1</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>重做 %1</translation>
    </message>
    <message>
        <source>Delete %1 TPs</source>
        <translation>删除 %1 个 TP</translation>
    </message>
    <message>
        <source>Add Satellite</source>
        <translation>添加卫星</translation>
    </message>
    <message>
        <source>Delete Satellite</source>
        <translation>删除卫星</translation>
    </message>
    <message>
        <source>Edit Satellite</source>
        <translation>编辑卫星</translation>
    </message>
    <message>
        <source>Add TP</source>
        <translation>添加 TP</translation>
    </message>
    <message>
        <source>Edit TP</source>
        <translation>编辑 TP</translation>
    </message>
    <message>
        <source>Delete TP</source>
        <translation>删除 TP</translation>
    </message>
    <message>
        <source>Edit LNB</source>
        <translation>编辑 LNB</translation>
    </message>
    <message>
        <source>Sort TPs</source>
        <translation>排序 TP</translation>
    </message>
    <message>
        <source>Read from Meter</source>
        <translation>从寻星仪读取</translation>
    </message>
    <message>
        <source>sattp files (*.csv);;All Files (*)</source>
        <translation>sattp 文件 (*.csv);;所有文件 (*)</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>打开</translation>
    </message>
    <message>
        <source>Save as</source>
        <translation>另存为</translation>
    </message>
    <message>
        <source>A firmware file&apos;s name begins with rav32izazud.</source>
        <translation>固件文件名以 rav32izazud 开头。</translation>
    </message>
    <message>
        <source>A logo file&apos;s name begins with stm32logo.</source>
        <translation>Logo 文件名以 stm32logo 开头。</translation>
    </message>
    <message>
        <source>An icon file&apos;s name begins with stm32icon.</source>
        <translation>图标文件名以 stm32icon 开头。</translation>
    </message>
    <message>
        <source>%1(the adapter was unplugged)</source>
        <translation>%1(转换器已拔出)</translation>
    </message>
    <message>
        <source>Meter found on %1</source>
        <translation>在 %1 上找到寻星仪</translation>
    </message>
    <message>
        <source>A meter in its bootloader answered on %1: use Firmware upgrade (Meter &gt; SOFT upgrade)</source>
        <translation>处于引导程序中的寻星仪在 %1 上应答：请使用固件升级（寻星仪 &gt; 固件升级）</translation>
    </message>
    <message>
        <source>No meter answered on %1: is the meter switched on and its cable plugged?</source>
        <translation>%1 上没有寻星仪应答：寻星仪是否已开机、线缆是否已插好？</translation>
    </message>
    <message>
        <source>No meter could be asked: %1</source>
        <translation>无法询问任何寻星仪：%1</translation>
    </message>
    <message>
        <source>USB serial adapter plugged in: %1</source>
        <translation>已插入 USB RS232 转换器：%1</translation>
    </message>
    <message>
        <source>USB serial adapter pulled out: %1</source>
        <translation>已拔出 USB RS232 转换器：%1</translation>
    </message>
    <message>
        <source>You are not allowed to use %1: add yourself to the group &apos;%2&apos; (sudo usermod -aG %3 $USER) and log in again</source>
        <translation>您无权使用 %1：请将自己加入组 &apos;%2&apos;（sudo usermod -aG %3 $USER）并重新登录</translation>
    </message>
    <message>
        <source>%1 is in use by another program</source>
        <translation>%1 正被其他程序使用</translation>
    </message>
    <message>
        <source>%1 is in use by another program (%2)</source>
        <translation>%1 正被其他程序使用（%2）</translation>
    </message>
    <message>
        <source>%1 is locked by another program (%2)</source>
        <translation>%1 已被其他程序锁定（%2）</translation>
    </message>
    <message>
        <source>%1 is gone: is the cable plugged in?</source>
        <translation>%1 已消失：线缆是否已插好？</translation>
    </message>
    <message>
        <source>%1 is not a serial port</source>
        <translation>%1 不是串口</translation>
    </message>
    <message>
        <source>%1 cannot be opened</source>
        <translation>无法打开 %1</translation>
    </message>
    <message>
        <source>%1 cannot be opened: %2</source>
        <translation>无法打开 %1：%2</translation>
    </message>
    <message>
        <source>%1 is busy: ModemManager is probing it; the package&apos;s udev rule keeps it away, or wait 10 s</source>
        <translation>%1 忙：ModemManager 正在探测它；软件包的 udev 规则会让它避开此端口，或等待 10 秒</translation>
    </message>
    <message>
        <source>A %1 USB serial adapter is plugged in but has no port: brltty (a braille display service) claimed it; remove brltty with &apos;sudo apt remove brltty&apos; or, if a braille display needs it, run &apos;sudo systemctl mask brltty-udev.service&apos; and plug the adapter in again</source>
        <translation>已插入 %1 USB RS232 转换器，但没有端口：brltty（盲文显示器服务）占用了它；请用 &apos;sudo apt remove brltty&apos; 删除 brltty，或者如果盲文显示器需要它，运行 &apos;sudo systemctl mask brltty-udev.service&apos; 并重新插入转换器</translation>
    </message>
    <message>
        <source>%1 has no device: is the cable plugged in? (VELMORA_%2 may name its path)</source>
        <translation>%1 没有设备：线缆是否已插好？（可用 VELMORA_%2 指定其路径）</translation>
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
        <translation>关</translation>
    </message>
    <message>
        <source>Fixed</source>
        <translation>固定</translation>
    </message>
    <message>
        <source>Moved</source>
        <translation>马达</translation>
    </message>
    <message>
        <source>Looking for the meter ...</source>
        <translation>正在查找寻星仪 ...</translation>
    </message>
    <message>
        <source>No USB serial adapter is plugged in.</source>
        <translation>没有插入 USB RS232 转换器。</translation>
    </message>
    <message>
        <source>%1 answers late (latency timer %2 ms): a table write will take about %3 seconds; see the manual page</source>
        <translation>%1 应答较慢（latency timer %2 毫秒）：写入表格约需 %3 秒；请参阅手册页</translation>
    </message>
    <message>
        <source>%1 answers late (latency timer %2 ms): a table write will take about %3 minutes; see the manual page</source>
        <translation>%1 应答较慢（latency timer %2 毫秒）：写入表格约需 %3 分钟；请参阅手册页</translation>
    </message>
    <message>
        <source>%1 cannot keep: %2.</source>
        <translation>%1 无法保存以下内容：%2。</translation>
    </message>
    <message>
        <source>%1 Save anyway ?</source>
        <translation>%1 仍要保存吗？</translation>
    </message>
    <message>
        <source>%1: frequency %2 is outside %3..%4 MHz</source>
        <translation>%1：频率 %2 超出 %3..%4 MHz 范围</translation>
    </message>
    <message>
        <source>%1: symbol rate %2 is outside %3..%4 kS/s</source>
        <translation>%1：符号率 %2 超出 %3..%4 kS/s 范围</translation>
    </message>
    <message>
        <source>LNB %1: unknown type %2 (shown as 5150)</source>
        <translation>LNB %1：未知类型 %2（显示为 5150）</translation>
    </message>
    <message>
        <source>%1: position %2 is above 3599 tenths of a degree (shown as %3)</source>
        <translation>%1：位置 %2 超过 3599（单位：0.1 度），显示为 %3</translation>
    </message>
    <message>
        <source>%1: name has bytes that are not UTF-8 (%2)</source>
        <translation>%1：名称中含有非 UTF-8 字节（%2）</translation>
    </message>
    <message>
        <source>%1: no transponders</source>
        <translation>%1：没有转发器</translation>
    </message>
    <message>
        <source>%1: SAT %2 is not in use (the table has %3 satellites)</source>
        <translation>%1：SAT %2 未使用（表中有 %3 颗卫星）</translation>
    </message>
    <message>
        <source>%1: duplicate of TP %2 (%3)</source>
        <translation>%1：与 TP %2 重复（%3）</translation>
    </message>
    <message>
        <source>1 difference</source>
        <translation>1 处不同</translation>
    </message>
    <message>
        <source>%1 differences</source>
        <translation>%1 处不同</translation>
    </message>
    <message>
        <source>order differs</source>
        <translation>顺序不同</translation>
    </message>
    <message>
        <source>icon written</source>
        <translation>图标已写入</translation>
    </message>
    <message>
        <source>logo written</source>
        <translation>Logo 已写入</translation>
    </message>
    <message>
        <source>icon and logo written</source>
        <translation>图标和 Logo 已写入</translation>
    </message>
    <message>
        <source>tables written</source>
        <translation>表格已写入</translation>
    </message>
    <message>
        <source>icon and tables written</source>
        <translation>图标和表格已写入</translation>
    </message>
    <message>
        <source>logo and tables written</source>
        <translation>Logo 和表格已写入</translation>
    </message>
    <message>
        <source>icon, logo and tables written</source>
        <translation>图标、Logo 和表格已写入</translation>
    </message>
    <message>
        <source>Patch up done in %1 s: firmware upgraded and verified.</source>
        <translation>依次上传完成，用时 %1 秒：固件已升级并校验。</translation>
    </message>
    <message>
        <source>Patch up done in %1 s.</source>
        <translation>依次上传完成，用时 %1 秒。</translation>
    </message>
    <message>
        <source>Patch up done in %1 s: firmware upgraded and verified; %2.</source>
        <translation>依次上传完成，用时 %1 秒：固件已升级并校验；%2。</translation>
    </message>
    <message>
        <source>Patch up done in %1 s: %2.</source>
        <translation>依次上传完成，用时 %1 秒：%2。</translation>
    </message>
    <message>
        <source>No answer from the meter on %1 yet: is it switched on and connected to this port? %2</source>
        <translation>%1 上的寻星仪尚未应答：寻星仪是否已开机并连接到此端口？%2</translation>
    </message>
    <message>
        <source>No answer from the meter on %1: is it switched on and connected to this port? Nothing on the meter was changed.</source>
        <translation>%1 上的寻星仪没有应答：寻星仪是否已开机并连接到此端口？寻星仪上的内容未作任何更改。</translation>
    </message>
    <message>
        <source>%1 The meter&apos;s table before this write is in %2.</source>
        <translation>%1 本次写入前寻星仪的表格已保存在 %2 中。</translation>
    </message>
    <message>
        <source>Backup failed: cannot write %1: %2. Nothing was written; the meter&apos;s table was left as it was.</source>
        <translation>备份失败：无法写入 %1：%2。未写入任何内容，寻星仪的表格保持原样。</translation>
    </message>
    <message>
        <source>%1 was not read completely:

%2

Saving it writes the table without what is listed here.</source>
        <translation>%1 未能完整读取：

%2

保存时写入的表格将不包含此处列出的内容。</translation>
    </message>
    <message>
        <source>%1 was not read completely (1 finding), so the table to be saved is shorter than that file.</source>
        <translation>%1 未能完整读取（发现 1 个问题），因此要保存的表格比该文件短。</translation>
    </message>
    <message>
        <source>%1 was not read completely (%2 findings), so the table to be saved is shorter than that file.</source>
        <translation>%1 未能完整读取（发现 %2 个问题），因此要保存的表格比该文件短。</translation>
    </message>
    <message>
        <source>Flash1M.bin written: %1 (%2 bytes)</source>
        <translation>Flash1M.bin 已写入：%1（%2 字节）</translation>
    </message>
    <message>
        <source>%1

The result was added to %2.</source>
        <translation>%1

结果已追加到 %2。</translation>
    </message>
    <message>
        <source>Import added nothing</source>
        <translation>导入未添加任何内容</translation>
    </message>
    <message>
        <source>Import added 1 TP</source>
        <translation>导入添加了 1 个 TP</translation>
    </message>
    <message>
        <source>Import added %1 TPs</source>
        <translation>导入添加了 %1 个 TP</translation>
    </message>
    <message>
        <source>Import added 1 TP, 1 satellite</source>
        <translation>导入添加了 1 个 TP、1 颗卫星</translation>
    </message>
    <message>
        <source>Import added %1 TPs, 1 satellite</source>
        <translation>导入添加了 %1 个 TP、1 颗卫星</translation>
    </message>
    <message>
        <source>Import added 1 TP, %1 satellites</source>
        <translation>导入添加了 1 个 TP、%1 颗卫星</translation>
    </message>
    <message>
        <source>Import added %1 TPs, %2 satellites</source>
        <translation>导入添加了 %1 个 TP、%2 颗卫星</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>无法写入 %1：%2</translation>
    </message>
    <message>
        <source>Exported 1 satellite and 1 transponder to %1</source>
        <translation>已将 1 颗卫星和 1 个转发器导出到 %1</translation>
    </message>
    <message>
        <source>Exported 1 satellite and %1 transponders to %2</source>
        <translation>已将 1 颗卫星和 %1 个转发器导出到 %2</translation>
    </message>
    <message>
        <source>Exported %1 satellites and 1 transponder to %2</source>
        <translation>已将 %1 颗卫星和 1 个转发器导出到 %2</translation>
    </message>
    <message>
        <source>Exported %1 satellites and %2 transponders to %3</source>
        <translation>已将 %1 颗卫星和 %2 个转发器导出到 %3</translation>
    </message>
    <message>
        <source>Cannot copy the sample table into %1.</source>
        <translation>无法将示例表格复制到 %1。</translation>
    </message>
    <message>
        <source>Cannot create the data folder %1: %2</source>
        <translation>无法创建数据文件夹 %1：%2</translation>
    </message>
    <message>
        <source>a file of that name is in the way</source>
        <translation>已有同名文件占用了该位置</translation>
    </message>
    <message>
        <source>Delete the transponder %1?</source>
        <translation>删除转发器 %1？</translation>
    </message>
    <message>
        <source>Delete %1 TPs ?</source>
        <translation>删除 %1 个 TP？</translation>
    </message>
    <message>
        <source>Delete the satellite %1 and its transponders?</source>
        <translation>删除卫星 %1 及其转发器？</translation>
    </message>
    <message>
        <source>matched %1, added %2 satellites and %3 transponders, %4 duplicates skipped, %5 replaced, %6 left out (table full), %7 invalid</source>
        <translation>匹配 %1 个，添加 %2 颗卫星和 %3 个转发器，跳过 %4 个重复项，替换 %5 个，%6 个未加入（表已满），%7 个无效</translation>
    </message>
    <message>
        <source>no scan tables in %1: install them with &apos;sudo apt install dtv-scan-tables&apos;</source>
        <translation>%1 中没有扫描表：请用 &apos;sudo apt install dtv-scan-tables&apos; 安装</translation>
    </message>
    <message>
        <source>no scan tables in %1: %2</source>
        <translation>%1 中没有扫描表：%2</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>导入</translation>
    </message>
    <message>
        <source>Downloading %1</source>
        <translation>正在下载 %1</translation>
    </message>
    <message>
        <source>Download failed</source>
        <translation>下载失败</translation>
    </message>
    <message>
        <source>Take the Meter&apos;s Table</source>
        <translation>采用寻星仪的表格</translation>
    </message>
    <message>
        <source>SOFT upgrade erases the meter&apos;s firmware and writes %1 in its place.

Switch the meter on while holding EXIT, then answer Yes.
Do not switch the meter off until the upgrade is done.

Upgrade the firmware now?</source>
        <translation>SOFT 升级会擦除仪表的固件，并在其位置写入 %1。

按住 EXIT 的同时打开仪表，然后回答“是”。
升级完成之前不要关闭仪表。

现在升级固件吗？</translation>
    </message>
    <message>
        <source>Logo written: %1</source>
        <translation>已写入徽标：%1</translation>
    </message>
    <message>
        <source>Icon written: %1</source>
        <translation>已写入图标：%1</translation>
    </message>
    <message>
        <source>Icon file too large !</source>
        <translation>图标文件太大！</translation>
    </message>
    <message>
        <source>Icon file header makes no sense ! %1 announces records of %2 bytes, %3 x %4 of each size: all three must be above 0.</source>
        <translation>图标文件头无意义！%1 声明记录为 %2 字节，每种尺寸 %3 x %4：三者都必须大于 0。</translation>
    </message>
    <message>
        <source>Icon file too large ! %1 announces %2 bytes; the meter&apos;s icon area holds %3.</source>
        <translation>图标文件太大！%1 声明 %2 字节；仪表的图标区只能容纳 %3。</translation>
    </message>
    <message>
        <source>Logo file too short ! %1 holds %2 bytes; a logo takes %3.</source>
        <translation>Logo 文件太短！%1 只有 %2 字节；一个 Logo 需要 %3。</translation>
    </message>
    <message>
        <source>Icon file too short ! %1 holds %2 bytes; an icon header takes %3.</source>
        <translation>图标文件太短！%1 只有 %2 字节；图标文件头需要 %3。</translation>
    </message>
    <message>
        <source>Icon file too short ! %1 holds %2 bytes; its header announces %3.</source>
        <translation>图标文件太短！%1 只有 %2 字节；其文件头声明 %3。</translation>
    </message>
    <message>
        <source>hold EXIT while switching the meter on, then try again</source>
        <translation>按住 EXIT 键同时打开仪表，然后重试</translation>
    </message>
    <message>
        <source>%1: LNB %2 (%3) receives %4..%5 MHz only</source>
        <translation>%1：LNB %2 (%3) 只能接收 %4..%5 MHz</translation>
    </message>
    <message>
        <source>The meter restarts with its new firmware: %1 s</source>
        <translation>仪表正在以新固件重新启动：%1 秒</translation>
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
        <translation>%1 中没有备份。只要 寻星仪 &gt; 写入前备份 处于开启状态，每次写入前都会进行备份。</translation>
    </message>
    <message>
        <source>Write the backup %1 to the meter? It replaces the meter&apos;s table.</source>
        <translation>将备份 %1 写入寻星仪？它将替换寻星仪中的表格。</translation>
    </message>
    <message>
        <source>Backup written to the meter: %1</source>
        <translation>备份已写入寻星仪：%1</translation>
    </message>
    <message>
        <source>The backup %1 holds no satellites, so there is nothing to write back.</source>
        <translation>备份 %1 中没有卫星，因此没有可写回的内容。</translation>
    </message>
    <message>
        <source>No data folder for the unit records (HOME is not set); turn off Meter &gt; Record unit records or name a file in the settings.</source>
        <translation>没有设备记录的数据文件夹（未设置 HOME）；请关闭 寻星仪 &gt; 保存设备记录，或在设置中指定一个文件。</translation>
    </message>
</context>
<context>
    <name>Language</name>
    <message>
        <source>Language</source>
        <translation>语言</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>系统默认</translation>
    </message>
    <message>
        <source>The language changes when Orvane is started next.</source>
        <translation>语言将在下次启动 Orvane 时更改。</translation>
    </message>
</context>
<context>
    <name>LnbChoiceText</name>
    <message>
        <source>no DiSEqC</source>
        <translation>无 DiSEqC</translation>
    </message>
    <message>
        <source>unknown DiSEqC switch</source>
        <translation>未知 DiSEqC 切换器</translation>
    </message>
    <message>
        <source>DiSEqC %1 tone burst %2</source>
        <translation>DiSEqC %1 Tone Burst %2</translation>
    </message>
    <message>
        <source>DiSEqC %1 input %2</source>
        <translation>DiSEqC %1 端口 %2</translation>
    </message>
</context>
<context>
    <name>MeterMenu</name>
    <message>
        <source>backups/ beside the table</source>
        <translation>表格旁的 backups/</translation>
    </message>
    <message>
        <source>Back up before write (to %1)</source>
        <translation>写入前备份（到 %1）</translation>
    </message>
    <message>
        <source>Write the backup back</source>
        <translation>写回备份</translation>
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
        <translation>打开</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>读取</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>写入</translation>
    </message>
</context>
<context>
    <name>velmora::AboutDlg</name>
    <message>
        <source>About Orvane</source>
        <translation>关于 Orvane</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
</context>
<context>
    <name>velmora::CatalogDlg</name>
    <message>
        <source>Add satellites from the catalog</source>
        <translation>从目录添加卫星</translation>
    </message>
    <message>
        <source>Find a satellite by name or position</source>
        <translation>按名称或位置查找卫星</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>位置</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名称</translation>
    </message>
    <message>
        <source>TPs</source>
        <translation>TP 数</translation>
    </message>
    <message>
        <source>Tick the satellites to add.</source>
        <translation>勾选要添加的卫星。</translation>
    </message>
</context>
<context>
    <name>velmora::CheckDlg</name>
    <message>
        <source>Check table</source>
        <translation>检查表格</translation>
    </message>
    <message>
        <source>Nothing looks wrong with the table.</source>
        <translation>表格中未发现问题。</translation>
    </message>
    <message numerus="yes">
        <source>%n finding(s); click one to select its row.</source>
        <translation>
            <numerusform>发现 %n 个问题；单击一项可选中其所在行。</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>velmora::CompareDlg</name>
    <message>
        <source>Compare with meter</source>
        <translation>与寻星仪比较</translation>
    </message>
    <message>
        <source>What writing the document&apos;s tables would change on the meter:</source>
        <translation>写入本文档的表格将对寻星仪做以下更改：</translation>
    </message>
    <message>
        <source>Take the meter&apos;s table</source>
        <translation>采用寻星仪的表格</translation>
    </message>
    <message>
        <source>Replace the document&apos;s tables with the meter&apos;s</source>
        <translation>用寻星仪的表格替换本文档的表格</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Write to the meter</source>
        <translation>写入寻星仪</translation>
    </message>
    <message>
        <source>Replace the meter&apos;s table with the document&apos;s</source>
        <translation>用文档的表格替换寻星仪的表格</translation>
    </message>
</context>
<context>
    <name>velmora::FormDialog</name>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>velmora::HelpDlg</name>
    <message>
        <source>Orvane Help</source>
        <translation>Orvane 帮助</translation>
    </message>
</context>
<context>
    <name>velmora::ImportDlg</name>
    <message>
        <source>Find a satellite by name or position</source>
        <translation>按名称或位置查找卫星</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>位置</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名称</translation>
    </message>
    <message>
        <source>TPs</source>
        <extracomment>Column of transponder counts</extracomment>
        <translation>TP 数</translation>
    </message>
    <message>
        <source>Goes into</source>
        <translation>导入到</translation>
    </message>
    <message>
        <source>The name a new satellite gets; double-click to change it</source>
        <translation>新卫星将使用的名称；双击可更改</translation>
    </message>
    <message>
        <source>A new satellite, or a table satellite of the band within 1.0 degree</source>
        <translation>新卫星，或表中同一波段内相距不超过 1.0 度的卫星</translation>
    </message>
    <message>
        <source>Select all</source>
        <translation>全选</translation>
    </message>
    <message>
        <source>Select none</source>
        <translation>全不选</translation>
    </message>
    <message>
        <source>LNB of new Ku-band satellites</source>
        <translation>新 Ku 波段卫星的 LNB</translation>
    </message>
    <message>
        <source>LNB of new C-band satellites</source>
        <translation>新 C 波段卫星的 LNB</translation>
    </message>
    <message>
        <source>Add new transponders</source>
        <translation>添加新转发器</translation>
    </message>
    <message>
        <source>Replace the transponders of the table satellites they go into</source>
        <translation>替换表中目标卫星的转发器</translation>
    </message>
    <message>
        <source>new</source>
        <extracomment>The choice &quot;a new satellite&quot; in the &quot;Goes into&quot; column</extracomment>
        <translation>新建</translation>
    </message>
    <message>
        <source>Nothing in the table changes.</source>
        <translation>表中没有任何变化。</translation>
    </message>
    <message>
        <source>LNB of new Ka-band satellites</source>
        <translation>新 Ka 波段卫星的 LNB</translation>
    </message>
</context>
<context>
    <name>velmora::LnbEditDlg</name>
    <message>
        <source>LNB Edit</source>
        <translation>编辑 LNB</translation>
    </message>
    <message>
        <source>LNB frequency</source>
        <translation>LNB 本振频率</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>关</translation>
    </message>
    <message>
        <source>LNB power</source>
        <translation>LNB 供电</translation>
    </message>
    <message>
        <source>Fixed</source>
        <translation>固定</translation>
    </message>
    <message>
        <source>Moved</source>
        <translation>马达</translation>
    </message>
    <message>
        <source>Dish type</source>
        <translation>天线类型</translation>
    </message>
    <message>
        <source>DiSEqC switch</source>
        <translation>DiSEqC 切换器</translation>
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
        <translation>DiSEqC 端口</translation>
    </message>
    <message>
        <source>22 kHz tone</source>
        <translation>22 kHz 信号</translation>
    </message>
</context>
<context>
    <name>velmora::MainFrame</name>
    <message>
        <source>Ready</source>
        <translation>就绪</translation>
    </message>
    <message>
        <source>Recent files</source>
        <translation>最近的文件</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>工具栏</translation>
    </message>
    <message>
        <source>Satellites %1/%2   TPs %3/%4</source>
        <extracomment>How full the tables are; &quot;TPs&quot; are transponders</extracomment>
        <translation>卫星 %1/%2   TP %3/%4</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>未命名</translation>
    </message>
</context>
<context>
    <name>velmora::RestoreDlg</name>
    <message>
        <source>Restore a backup</source>
        <translation>恢复备份</translation>
    </message>
    <message>
        <source>The backups in %1, newest first. The one you choose replaces the meter&apos;s table; the document stays as it is.</source>
        <translation>%1 中的备份，最新的在前。所选备份将替换寻星仪的表格；文档保持不变。</translation>
    </message>
    <message>
        <source>Taken</source>
        <translation>备份时间</translation>
    </message>
    <message>
        <source>File</source>
        <translation>文件</translation>
    </message>
    <message>
        <source>Write to the meter</source>
        <translation>写入寻星仪</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
</context>
<context>
    <name>velmora::SatAddDlg</name>
    <message>
        <source>Satellite Edit</source>
        <translation>编辑卫星</translation>
    </message>
    <message>
        <source>Satellite Add</source>
        <translation>添加卫星</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>卫星</translation>
    </message>
    <message>
        <source>East</source>
        <translation>东</translation>
    </message>
    <message>
        <source>West</source>
        <translation>西</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>经度</translation>
    </message>
    <message>
        <source>%1 of %2 bytes left</source>
        <translation>剩余 %1/%2 字节</translation>
    </message>
    <message>
        <source>A comma cannot be stored: sattp.csv separates its columns with commas.</source>
        <translation>无法保存逗号：sattp.csv 用逗号分隔各列。</translation>
    </message>
    <message>
        <source>No room left: a name holds at most %1 bytes, and a letter such as é takes 2.</source>
        <translation>没有空间了：名称最多 %1 字节，像 é 这样的字母占 2 字节。</translation>
    </message>
</context>
<context>
    <name>velmora::SatelliteTree</name>
    <message>
        <source>All Satellites</source>
        <translation>所有卫星</translation>
    </message>
</context>
<context>
    <name>velmora::TpEditDlg</name>
    <message>
        <source>Transponder</source>
        <translation>转发器</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>卫星</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>频率</translation>
    </message>
    <message>
        <source>MHz</source>
        <translation>MHz</translation>
    </message>
    <message>
        <source>Symbol rate</source>
        <translation>符号率</translation>
    </message>
    <message>
        <source>kS/s</source>
        <translation>kS/s</translation>
    </message>
    <message>
        <source>Vertical / right (13 V)</source>
        <translation>垂直 / 右旋 (13 V)</translation>
    </message>
    <message>
        <source>Horizontal / left (18 V)</source>
        <translation>水平 / 左旋 (18 V)</translation>
    </message>
    <message>
        <source>Polarisation</source>
        <translation>极化</translation>
    </message>
    <message>
        <source>Unique</source>
        <extracomment>A transponder found nowhere else in the table</extracomment>
        <translation>唯一</translation>
    </message>
</context>
<context>
    <name>velmora::TpSortDlg</name>
    <message>
        <source>Frequency</source>
        <translation>频率</translation>
    </message>
    <message>
        <source>Symbol rate</source>
        <translation>符号率</translation>
    </message>
    <message>
        <source>Polarisation</source>
        <translation>极化</translation>
    </message>
    <message>
        <source>Start with</source>
        <translation>起始卫星</translation>
    </message>
    <message>
        <source>West to east</source>
        <translation>由西向东</translation>
    </message>
    <message>
        <source>East to west</source>
        <translation>由东向西</translation>
    </message>
    <message>
        <source>Satellites</source>
        <translation>卫星</translation>
    </message>
    <message>
        <source>Transponders</source>
        <translation>转发器</translation>
    </message>
    <message>
        <source>then by</source>
        <translation>然后按</translation>
    </message>
    <message>
        <source>Satellites are put in order of position, beginning with the one chosen and going round in the direction chosen. The transponders of each satellite are sorted by the two keys.</source>
        <translation>卫星按位置排序，从所选卫星开始，沿所选方向依次排列。每颗卫星的转发器按这两个关键字排序。</translation>
    </message>
</context>
<context>
    <name>velmora::TransponderListView</name>
    <message>
        <source>%1 of %2 rows match &quot;%3&quot;</source>
        <translation>%2 行中有 %1 行匹配“%3”</translation>
    </message>
</context>
<context>
    <name>velmora::UnitRecordsDlg</name>
    <message>
        <source>Unit records</source>
        <translation>设备记录</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>查找</translation>
    </message>
    <message>
        <source>Unique ID:</source>
        <translation>唯一 ID：</translation>
    </message>
    <message>
        <source>From (UTC):</source>
        <translation>从 (UTC)：</translation>
    </message>
    <message>
        <source>To (UTC):</source>
        <translation>到 (UTC)：</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>时间</translation>
    </message>
    <message>
        <source>Bench</source>
        <translation>工位</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>端口</translation>
    </message>
    <message>
        <source>Unique ID</source>
        <translation>唯一 ID</translation>
    </message>
    <message>
        <source>Firmware</source>
        <translation>固件</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>结果</translation>
    </message>
    <message>
        <source>Reason</source>
        <translation>原因</translation>
    </message>
    <message>
        <source>Write a day as 2026-12-09, a time as 2026-12-09T08:00:00Z.</source>
        <translation>日期写作 2026-12-09，时间写作 2026-12-09T08:00:00Z。</translation>
    </message>
    <message>
        <source>passed</source>
        <translation>通过</translation>
    </message>
    <message>
        <source>failed</source>
        <translation>失败</translation>
    </message>
    <message>
        <source>%1 serviced, %2 passed, %3 failed; records in %4</source>
        <translation>已处理 %1，通过 %2，失败 %3；记录位于 %4</translation>
    </message>
    <message>
        <source>Records</source>
        <translation>记录</translation>
    </message>
    <message>
        <source>Production report</source>
        <translation>生产报告</translation>
    </message>
    <message>
        <source>Open a report...</source>
        <translation>打开报告...</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>开始</translation>
    </message>
    <message>
        <source>Meter</source>
        <translation>设备</translation>
    </message>
    <message>
        <source>Steps</source>
        <translation>步骤</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>报告</translation>
    </message>
    <message>
        <source>Open a report</source>
        <translation>打开报告</translation>
    </message>
    <message>
        <source>Production reports (*.jsonl *.json *.txt);;All Files (*)</source>
        <translation>生产报告 (*.jsonl *.json *.txt);;所有文件 (*)</translation>
    </message>
    <message>
        <source>The production line writes one line per meter into the file of --report.</source>
        <translation>生产线在 --report 的文件中为每台寻星仪写一行。</translation>
    </message>
    <message>
        <source>%1 cannot be read.</source>
        <translation>无法读取 %1。</translation>
    </message>
    <message>
        <source>%1, line %2, is not a line of a production report.</source>
        <translation>%1 第 %2 行不是生产报告的行。</translation>
    </message>
    <message>
        <source>%1: %2 meters, %3 passed, %4 failed</source>
        <translation>%1：%2 台寻星仪，%3 台通过，%4 台失败</translation>
    </message>
</context>
<context>
    <name>velmora::UrlDlg</name>
    <message>
        <source>Import from the web</source>
        <translation>从网络导入</translation>
    </message>
    <message>
        <source>https://... a satellites.xml, .ini or dvbv5 list</source>
        <translation>https://... satellites.xml、.ini 或 dvbv5 列表</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>地址</translation>
    </message>
</context>
<context>
    <name>velmora::VelmoraDoc</name>
    <message>
        <source>Untitled</source>
        <translation>未命名</translation>
    </message>
</context>
<context>
    <name>WebPage</name>
    <message>
        <source>Name</source>
        <translation>名称</translation>
    </message>
    <message>
        <source>Hemisphere</source>
        <translation>半球</translation>
    </message>
    <message>
        <source>TP Add</source>
        <translation>添加 TP</translation>
    </message>
    <message>
        <source>No</source>
        <translation>否</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>是</translation>
    </message>
    <message>
        <source>TP Edit</source>
        <translation>编辑 TP</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>输入</translation>
    </message>
    <message>
        <source>22K tone</source>
        <translation>22 kHz 信号</translation>
    </message>
    <message>
        <source>TP Sort</source>
        <translation>排序 TP</translation>
    </message>
    <message>
        <source>First satellite</source>
        <translation>起始卫星</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>方向</translation>
    </message>
    <message>
        <source>West-&gt;East</source>
        <translation>西-&gt;东</translation>
    </message>
    <message>
        <source>East-&gt;West</source>
        <translation>东-&gt;西</translation>
    </message>
    <message>
        <source>First key</source>
        <translation>第一排序键</translation>
    </message>
    <message>
        <source>Symbolrate</source>
        <translation>符号率</translation>
    </message>
    <message>
        <source>Pol</source>
        <translation>极化</translation>
    </message>
    <message>
        <source>Second key</source>
        <translation>第二排序键</translation>
    </message>
    <message>
        <source>automatic</source>
        <translation>自动</translation>
    </message>
    <message>
        <source>The address of a transponder list (http or https):</source>
        <translation>转发器列表的地址（http 或 https）：</translation>
    </message>
    <message>
        <source>Findings: %1</source>
        <translation>发现问题：%1</translation>
    </message>
    <message>
        <source>No findings</source>
        <translation>未发现问题</translation>
    </message>
    <message>
        <source>Orvane in the browser: the table editor and meter service, with the same core as the desktop program.</source>
        <translation>浏览器中的 Orvane：表格编辑器和寻星仪维护，与桌面程序使用相同的核心。</translation>
    </message>
    <message>
        <source>The commands are those of the desktop program&apos;s menus. Connect chooses the meter&apos;s serial port.</source>
        <translation>命令与桌面程序菜单中的相同。“连接”用于选择寻星仪的串口。</translation>
    </message>
    <message>
        <source>%1: the browser cannot do this; the desktop program can.</source>
        <translation>%1：浏览器无法执行此操作；桌面程序可以。</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>Web Serial port chosen</source>
        <translation>已选择 Web Serial 端口</translation>
    </message>
    <message>
        <source>This browser has no Web Serial, so the page cannot reach a meter: use Chrome, Edge or Opera on Windows, macOS or Linux (or Firefox from its release 151); the table editor works here.</source>
        <translation>此浏览器不支持 Web Serial，因此页面无法连接寻星仪：请在 Windows、macOS 或 Linux 上使用 Chrome、Edge 或 Opera（或 151 版起的 Firefox）；表格编辑器在此可用。</translation>
    </message>
    <message>
        <source>Menus</source>
        <translation>菜单</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>连接</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>端口</translation>
    </message>
    <message>
        <source>No port</source>
        <translation>无端口</translation>
    </message>
    <message>
        <source>List</source>
        <translation>列表</translation>
    </message>
    <message>
        <source>Meter</source>
        <translation>寻星仪</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>状态</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>进度</translation>
    </message>
    <message>
        <source>Satellites of the list</source>
        <translation>列表中的卫星</translation>
    </message>
    <message>
        <source>Import summary</source>
        <translation>导入摘要</translation>
    </message>
    <message>
        <source>Changes</source>
        <translation>更改</translation>
    </message>
    <message>
        <source>The desktop program has this; a browser cannot do it.</source>
        <translation>桌面程序提供此功能；浏览器无法执行。</translation>
    </message>
</context>
</TS>
