<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar" sourcelanguage="en">
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
        <translation> لأجهزة LMT41C وLMT40S وغيرها<byte value="xd"/>
 1) من قائمة &apos;software upgrade&apos; في جهاز القياس يمكنك نسخ sattp.csv احتياطيًا من الجهاز إلى USB.<byte value="xd"/>
 2) استخدم velmora لتعديل sattp.csv، وعند الانتهاء احفظ sattp.csv وانسخه إلى USB.<byte value="xd"/>
 3) من قائمة &apos;software upgrade&apos; في جهاز القياس يمكنك ترقية sattp.csv من USB إلى الجهاز.<byte value="xd"/>
 تنبيه: قبل تشغيل الجهاز يجب فصل USB، وإلا فستبدأ ترقية البرنامج.<byte value="xd"/>
<byte value="xd"/>
 في LMT20 يجب أن يكون المنفذ التسلسلي متاحًا لك أولاً !<byte value="xd"/>
 يظهر محوّل USB RS232 باسم /dev/ttyUSB0 (COM1)؛ أضف نفسك<byte value="xd"/>
 إلى المجموعة &apos;dialout&apos; (sudo usermod -aG dialout $USER) ثم سجّل الدخول من جديد.<byte value="xd"/>
<byte value="xd"/>
 تحديث البيانات في LMT20<byte value="xd"/>
 1) استخدم velmora لتعديل sattp.csv، وعند الانتهاء احفظ sattp.csv.<byte value="xd"/>
 2) وصّل محوّل USB RS232 بالحاسوب وشغّل جهاز القياس.<byte value="xd"/>
 3) اختر منفذه (COM1..COM9) وانقر زر &apos;كتابة&apos; في velmora لتحديث المرسلات المستجيبة.<byte value="xd"/>
 4) عند انتهاء التحديث بنجاح تعرض شاشة LED في الجهاز &apos;OK&apos;.<byte value="xd"/>
 <byte value="xd"/>
 ترقية البرنامج في LMT20<byte value="xd"/>
 1) وصّل محوّل USB RS232 بالحاسوب.<byte value="xd"/>
 2) اضغط EXIT وشغّل جهاز القياس.<byte value="xd"/>
 3) افتح ملف البرنامج hex من قائمة ملف.<byte value="xd"/>
 4) انقر زر &apos;SOFT&apos; في velmora لترقية البرنامج.<byte value="xd"/>
 </translation>
    </message>
    <message>
        <source>Orvane Ver %1.%2</source>
        <extracomment>The version line; &quot;Orvane&quot; is the product name, never translated</extracomment>
        <translation>Orvane الإصدار %1.%2</translation>
    </message>
</context>
<context>
    <name>CompareDlg</name>
    <message numerus="yes">
        <source>%n added</source>
        <translation>
            <numerusform>أُضيف: %n</numerusform>
            <numerusform>أُضيف: %n</numerusform>
            <numerusform>أُضيف: %n</numerusform>
            <numerusform>أُضيف: %n</numerusform>
            <numerusform>أُضيف: %n</numerusform>
            <numerusform>أُضيف: %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n removed</source>
        <translation>
            <numerusform>حُذف: %n</numerusform>
            <numerusform>حُذف: %n</numerusform>
            <numerusform>حُذف: %n</numerusform>
            <numerusform>حُذف: %n</numerusform>
            <numerusform>حُذف: %n</numerusform>
            <numerusform>حُذف: %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n changed</source>
        <translation>
            <numerusform>تغيّر: %n</numerusform>
            <numerusform>تغيّر: %n</numerusform>
            <numerusform>تغيّر: %n</numerusform>
            <numerusform>تغيّر: %n</numerusform>
            <numerusform>تغيّر: %n</numerusform>
            <numerusform>تغيّر: %n</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>FormLayout</name>
    <message>
        <source>RS232 communication</source>
        <translation>اتصال RS232</translation>
    </message>
    <message>
        <source>SOFT:</source>
        <translation>البرنامج:</translation>
    </message>
    <message>
        <source>ICON:</source>
        <translation>الأيقونات:</translation>
    </message>
    <message>
        <source>LOGO:</source>
        <translation>الشعار:</translation>
    </message>
    <message>
        <source>TP</source>
        <extracomment>The transponders&apos; buttons</extracomment>
        <translation>TP</translation>
    </message>
    <message>
        <source>ADD</source>
        <translation>إضافة</translation>
    </message>
    <message>
        <source>EDIT</source>
        <translation>تعديل</translation>
    </message>
    <message>
        <source>DELETE</source>
        <translation>حذف</translation>
    </message>
    <message>
        <source>SORT</source>
        <translation>فرز</translation>
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
        <translation>بحث (Ctrl+F)</translation>
    </message>
</context>
<context>
    <name>ImportDlg</name>
    <message>
        <source>Import transponders</source>
        <translation>استيراد المرسلات المستجيبة</translation>
    </message>
    <message>
        <source>Export satellites.xml</source>
        <translation>تصدير satellites.xml</translation>
    </message>
    <message>
        <source>C band</source>
        <translation>النطاق C</translation>
    </message>
    <message>
        <source>Ka band</source>
        <translation>النطاق Ka</translation>
    </message>
    <message>
        <source>Ku band</source>
        <translation>النطاق Ku</translation>
    </message>
    <message>
        <source>%1: no satellites in this list</source>
        <translation>%1: لا توجد أقمار صناعية في هذه القائمة</translation>
    </message>
    <message>
        <source>All files (*);;Transponder lists (*.xml *.ini)</source>
        <translation>كل الملفات (*);;قوائم المرسلات المستجيبة (*.xml *.ini)</translation>
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
        <translation>رقم</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>القمر</translation>
    </message>
    <message>
        <source>LNB</source>
        <translation>LNB</translation>
    </message>
    <message>
        <source>Freq</source>
        <translation>التردد</translation>
    </message>
    <message>
        <source>Pol</source>
        <translation>استقطاب</translation>
    </message>
    <message>
        <source>SR</source>
        <translation>SR</translation>
    </message>
    <message>
        <source>UNIQUE</source>
        <translation>فريد</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>النوع</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>التغذية</translation>
    </message>
    <message>
        <source>Dish</source>
        <translation>الطبق</translation>
    </message>
    <message>
        <source>DiSEqC Switch</source>
        <translation>مبدّل DiSEqC</translation>
    </message>
    <message>
        <source>DiSEqC Input</source>
        <translation>مدخل DiSEqC</translation>
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
        <translation>%1 (جديد)</translation>
    </message>
    <message>
        <source>%1 added</source>
        <extracomment>Transponders added to a satellite.</extracomment>
        <translation>أُضيف %1</translation>
    </message>
    <message>
        <source>%1 removed</source>
        <extracomment>Transponders removed from a satellite.</extracomment>
        <translation>حُذف %1</translation>
    </message>
    <message>
        <source>%1 changed</source>
        <extracomment>Transponders whose symbol rate changes.</extracomment>
        <translation>تغيّر %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A satellite and what changes on it: &quot;19.2E Astra 1KR: 2 added, 1 removed&quot;.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>, </source>
        <translation>، </translation>
    </message>
    <message>
        <source>%1 matched %2</source>
        <extracomment>A list&apos;s satellite and the table satellite nearby its transponders go into: &quot;Thor 5 0.8W matched 1.0W Thor&quot;.</extracomment>
        <translation>%1 يطابق %2</translation>
    </message>
</context>
<context>
    <name>Commands</name>
    <message>
        <source>New(&amp;N)</source>
        <translation>&amp;جديد</translation>
    </message>
    <message>
        <source>Open(&amp;O)...</source>
        <translation>&amp;فتح...</translation>
    </message>
    <message>
        <source>Open an existing table file
Open a table</source>
        <translation>فتح ملف CSV موجود
فتح ملف CSV</translation>
    </message>
    <message>
        <source>Save(&amp;S)</source>
        <translation>&amp;حفظ</translation>
    </message>
    <message>
        <source>Save the table to its file
Save</source>
        <translation>الحفظ في ملف CSV الحالي
حفظ</translation>
    </message>
    <message>
        <source>Save as(&amp;A)...</source>
        <translation>حفظ &amp;باسم...</translation>
    </message>
    <message>
        <source>Save the table to a new file
Save as</source>
        <translation>الحفظ في ملف CSV جديد
حفظ باسم</translation>
    </message>
    <message>
        <source>Import transponders...</source>
        <translation>استيراد المرسلات المستجيبة...</translation>
    </message>
    <message>
        <source>Merge a satellites.xml, .ini or dvbv5 transponder list into the table
Import transponders</source>
        <translation>دمج قائمة مرسلات مستجيبة (satellites.xml أو .ini أو dvbv5) في الجدول
استيراد المرسلات المستجيبة</translation>
    </message>
    <message>
        <source>Export satellites.xml...</source>
        <translation>تصدير satellites.xml...</translation>
    </message>
    <message>
        <source>Write the table as a satellites.xml file
Export satellites.xml</source>
        <translation>كتابة الجدول في ملف satellites.xml
تصدير satellites.xml</translation>
    </message>
    <message>
        <source>Load soft...</source>
        <translation>تحميل البرنامج الثابت...</translation>
    </message>
    <message>
        <source>Load a firmware file (rav32izazud.hex)
Load soft</source>
        <translation>تحميل ملف rav32izazud.hex موجود
فتح rav32izazud.hex</translation>
    </message>
    <message>
        <source>Load icon...</source>
        <translation>تحميل الأيقونات...</translation>
    </message>
    <message>
        <source>Load an icon file (stm32icon.bin)
Load icon</source>
        <translation>تحميل ملف stm32icon.bin موجود
فتح ملف stm32icon</translation>
    </message>
    <message>
        <source>Load logo...</source>
        <translation>تحميل الشعار...</translation>
    </message>
    <message>
        <source>Load a logo file (bootlogo.bin)
Load logo</source>
        <translation>تحميل ملف bootlogo.bin موجود
فتح ملف bootlogo</translation>
    </message>
    <message>
        <source>Create Flash1M.bin</source>
        <translation>إنشاء Flash1M.bin</translation>
    </message>
    <message>
        <source>Create the factory image Flash1M.bin
Create Flash1M.bin</source>
        <translation>إنشاء Flash1M.bin للمصنع
إنشاء Flash1M.bin</translation>
    </message>
    <message>
        <source>Exit(&amp;X)</source>
        <translation>&amp;خروج</translation>
    </message>
    <message>
        <source>Quit, asking to save the changes first
Exit</source>
        <translation>الخروج مع السؤال عن الحفظ
خروج</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>تراجع</translation>
    </message>
    <message>
        <source>Undo the last change of the tables
Undo</source>
        <translation>التراجع عن آخر تغيير في الجداول
تراجع</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>إعادة</translation>
    </message>
    <message>
        <source>Redo the change undone last
Redo</source>
        <translation>إعادة آخر تغيير تم التراجع عنه
إعادة</translation>
    </message>
    <message>
        <source>TP Add...</source>
        <translation>إضافة TP...</translation>
    </message>
    <message>
        <source>Add a transponder</source>
        <translation>إضافة مرسل مستجيب</translation>
    </message>
    <message>
        <source>TP Edit...</source>
        <translation>تعديل TP...</translation>
    </message>
    <message>
        <source>Edit the selected transponder</source>
        <translation>تعديل المرسل المستجيب المحدد</translation>
    </message>
    <message>
        <source>TP Delete</source>
        <translation>حذف TP</translation>
    </message>
    <message>
        <source>Delete the selected transponders</source>
        <translation>حذف المرسلات المستجيبة المحددة</translation>
    </message>
    <message>
        <source>TP Sort...</source>
        <translation>فرز TP...</translation>
    </message>
    <message>
        <source>Sort the transponders</source>
        <translation>فرز المرسلات المستجيبة</translation>
    </message>
    <message>
        <source>Satellite Add...</source>
        <translation>إضافة قمر...</translation>
    </message>
    <message>
        <source>Add a satellite</source>
        <translation>إضافة قمر صناعي</translation>
    </message>
    <message>
        <source>Satellite Edit...</source>
        <translation>تعديل القمر...</translation>
    </message>
    <message>
        <source>Edit the chosen satellite</source>
        <translation>تعديل القمر الصناعي المختار</translation>
    </message>
    <message>
        <source>Satellite Delete</source>
        <translation>حذف القمر</translation>
    </message>
    <message>
        <source>Delete the satellite of the selected transponder</source>
        <translation>حذف القمر الصناعي الذي يتبعه المرسل المستجيب المحدد</translation>
    </message>
    <message>
        <source>LNB Edit...</source>
        <translation>تعديل LNB...</translation>
    </message>
    <message>
        <source>Edit the selected LNB</source>
        <translation>تعديل LNB المحدد</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>بحث</translation>
    </message>
    <message>
        <source>Find transponders by frequency, symbol rate, polarisation or satellite</source>
        <translation>البحث عن المرسلات المستجيبة حسب التردد أو معدل الرموز أو الاستقطاب أو القمر الصناعي</translation>
    </message>
    <message>
        <source>Check table...</source>
        <translation>فحص الجدول...</translation>
    </message>
    <message>
        <source>List what is probably wrong with the table</source>
        <translation>سرد ما قد يكون خاطئًا في الجدول</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>قراءة</translation>
    </message>
    <message>
        <source>Read transponders from meter</source>
        <translation>قراءة المرسلات المستجيبة من جهاز القياس</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>كتابة</translation>
    </message>
    <message>
        <source>Write transponders to meter</source>
        <translation>كتابة المرسلات المستجيبة إلى جهاز القياس</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>إيقاف</translation>
    </message>
    <message>
        <source>Stop read/write transponders</source>
        <translation>إيقاف قراءة/كتابة المرسلات المستجيبة</translation>
    </message>
    <message>
        <source>Compare with meter...</source>
        <translation>مقارنة مع الجهاز...</translation>
    </message>
    <message>
        <source>Compare the tables with the meter&apos;s tables
Compare with meter</source>
        <translation>مقارنة الجداول بجداول جهاز القياس
مقارنة مع الجهاز</translation>
    </message>
    <message>
        <source>Unit records...</source>
        <translation>سجلات الأجهزة...</translation>
    </message>
    <message>
        <source>Show the records of the meters this bench serviced
Unit records</source>
        <translation>عرض سجلات أجهزة القياس التي خُدمت على هذه المنصة
سجلات الأجهزة</translation>
    </message>
    <message>
        <source>Write logo</source>
        <translation>كتابة الشعار</translation>
    </message>
    <message>
        <source>Write logo to meter</source>
        <translation>كتابة الشعار إلى جهاز القياس</translation>
    </message>
    <message>
        <source>Write icon</source>
        <translation>كتابة الأيقونات</translation>
    </message>
    <message>
        <source>Write icon to meter</source>
        <translation>كتابة الأيقونات إلى جهاز القياس</translation>
    </message>
    <message>
        <source>SOFT upgrade</source>
        <translation>ترقية البرنامج الثابت</translation>
    </message>
    <message>
        <source>Upgrade the meter&apos;s software, Please press EXIT and turn on meter first !</source>
        <translation>ترقية البرنامج الثابت لجهاز القياس، يرجى الضغط على EXIT وتشغيل الجهاز أولاً !</translation>
    </message>
    <message>
        <source>PATCH UP</source>
        <translation>PATCH UP</translation>
    </message>
    <message>
        <source>Run the ticked uploads (SOFT, ICON, LOGO, SAT TP) one by one
Patch up one by one</source>
        <translation>تنفيذ عمليات الرفع المحددة (SOFT وICON وLOGO وSAT TP) واحدة تلو الأخرى
الرفع واحدة تلو الأخرى</translation>
    </message>
    <message>
        <source>Delete meter OSD icon...</source>
        <translation>حذف أيقونات OSD من الجهاز...</translation>
    </message>
    <message>
        <source>Delete the meter&apos;s on-screen icons
Delete icons</source>
        <translation>حذف أيقونات OSD من جهاز القياس
حذف الأيقونات</translation>
    </message>
    <message>
        <source>Verify after write</source>
        <translation>التحقق بعد الكتابة</translation>
    </message>
    <message>
        <source>Read the tables back after a write and check them
Verify after write</source>
        <translation>إعادة قراءة الجداول بعد الكتابة وفحصها
التحقق بعد الكتابة</translation>
    </message>
    <message>
        <source>Back up before write</source>
        <translation>نسخ احتياطي قبل الكتابة</translation>
    </message>
    <message>
        <source>Save the meter&apos;s tables in the backups folder before a write
Back up before write</source>
        <translation>حفظ جداول جهاز القياس في مجلد النسخ الاحتياطية قبل الكتابة
نسخ احتياطي قبل الكتابة</translation>
    </message>
    <message>
        <source>Help Contents...</source>
        <translation>موضوعات التعليمات...</translation>
    </message>
    <message>
        <source>Show the guide to the everyday tasks
Help Contents</source>
        <translation>عرض دليل المهام اليومية
موضوعات التعليمات</translation>
    </message>
    <message>
        <source>About Orvane...</source>
        <translation>حول Orvane...</translation>
    </message>
    <message>
        <source>Show the program&apos;s version and notes for meter owners
About</source>
        <translation>عرض إصدار البرنامج وملاحظات لمالكي جهاز القياس
حول</translation>
    </message>
    <message>
        <source>Display transponders</source>
        <translation>عرض المرسلات المستجيبة</translation>
    </message>
    <message>
        <source>Display LNB</source>
        <translation>عرض LNB</translation>
    </message>
    <message>
        <source>File(&amp;F)</source>
        <translation>&amp;ملف</translation>
    </message>
    <message>
        <source>Edit(&amp;E)</source>
        <translation>&amp;تحرير</translation>
    </message>
    <message>
        <source>Meter(&amp;M)</source>
        <translation>&amp;جهاز القياس</translation>
    </message>
    <message>
        <source>Help(&amp;H)</source>
        <translation>م&amp;ساعدة</translation>
    </message>
    <message>
        <source>Find meter</source>
        <translation>البحث عن جهاز القياس</translation>
    </message>
    <message>
        <source>Ask every port whether the meter answers, and choose the port it is on
Find meter</source>
        <translation>سؤال كل منفذ هل يجيب جهاز القياس، واختيار المنفذ الذي هو عليه
البحث عن جهاز القياس</translation>
    </message>
    <message>
        <source>Import from the web...</source>
        <translation>استيراد من الويب...</translation>
    </message>
    <message>
        <source>Download a transponder list from an http or https address and merge it
Import from the web</source>
        <translation>تنزيل قائمة مرسلات مستجيبة من عنوان http أو https ودمجها في الجدول
استيراد من الويب</translation>
    </message>
    <message>
        <source>Add satellites from the catalog...</source>
        <translation>إضافة أقمار صناعية من الفهرس...</translation>
    </message>
    <message>
        <source>Merge satellites from the scan tables installed on this computer
Add satellites from the catalog</source>
        <translation>دمج أقمار صناعية من جداول المسح المثبتة على هذا الحاسوب
إضافة أقمار صناعية من الفهرس</translation>
    </message>
    <message>
        <source>Restore a backup...</source>
        <translation>استعادة نسخة احتياطية...</translation>
    </message>
    <message>
        <source>Write one of the backups taken before a write back to the meter
Restore a backup</source>
        <translation>إعادة كتابة إحدى النسخ الاحتياطية المأخوذة قبل الكتابة في الجهاز
استعادة نسخة احتياطية</translation>
    </message>
    <message>
        <source>Record unit records</source>
        <translation>الاحتفاظ بسجلات الأجهزة</translation>
    </message>
    <message>
        <source>Keep a record of every meter upgraded or written in the unit records
Record unit records</source>
        <translation>تسجيل كل جهاز قياس تمت ترقيته أو الكتابة إليه في سجلات الأجهزة
الاحتفاظ بسجلات الأجهزة</translation>
    </message>
</context>
<context>
    <name>Core</name>
    <message>
        <source>Save the changes to %1?</source>
        <translation>هل تريد حفظ التغييرات في %1؟</translation>
    </message>
    <message>
        <source>Save the changes to the table?</source>
        <translation>هل تريد حفظ التغييرات في الجدول؟</translation>
    </message>
    <message>
        <source>soft files (*.hex);;All Files (*)</source>
        <translation>ملفات البرنامج الثابت (*.hex);;كل الملفات (*)</translation>
    </message>
    <message>
        <source>SOFT:</source>
        <translation>البرنامج:</translation>
    </message>
    <message>
        <source>Device initialize ...</source>
        <translation>تهيئة الجهاز ...</translation>
    </message>
    <message>
        <source>File open failed ! </source>
        <translation>فشل فتح الملف ! </translation>
    </message>
    <message>
        <source>Device not found ! </source>
        <translation>لم يتم العثور على الجهاز ! </translation>
    </message>
    <message>
        <source>Firmware file is empty ! </source>
        <translation>ملف البرنامج الثابت فارغ ! </translation>
    </message>
    <message>
        <source>Firmware larger than flash ! </source>
        <translation>البرنامج الثابت أكبر من ذاكرة الفلاش ! </translation>
    </message>
    <message>
        <source>Erasing memory ...</source>
        <translation>جارٍ مسح الذاكرة ...</translation>
    </message>
    <message>
        <source>Failed to erase memory !</source>
        <translation>فشل مسح الذاكرة !</translation>
    </message>
    <message>
        <source>Failed to read file !</source>
        <translation>فشلت قراءة الملف !</translation>
    </message>
    <message>
        <source>Failed to write memory !</source>
        <translation>فشلت الكتابة إلى الذاكرة !</translation>
    </message>
    <message>
        <source>Failed to read memory !</source>
        <translation>فشلت قراءة الذاكرة !</translation>
    </message>
    <message>
        <source>Software upgrade success ! </source>
        <translation>نجحت ترقية البرنامج الثابت ! </translation>
    </message>
    <message>
        <source>GetCommState Error </source>
        <translation>خطأ GetCommState </translation>
    </message>
    <message>
        <source>SetCommState Error </source>
        <translation>خطأ SetCommState </translation>
    </message>
    <message>
        <source>Failed to create event for thread!</source>
        <translation>تعذر إنشاء حدث للخيط!</translation>
    </message>
    <message>
        <source>Connect fail </source>
        <translation>فشل الاتصال </translation>
    </message>
    <message>
        <source> ask timeout !  </source>
        <translation> انتهت مهلة الطلب !  </translation>
    </message>
    <message>
        <source>Wait for connect ...</source>
        <translation>انتظار الاتصال ...</translation>
    </message>
    <message>
        <source>Press Stop to give up.</source>
        <translation>اضغط «إيقاف» للإلغاء.</translation>
    </message>
    <message>
        <source>Press Ctrl+C to give up.</source>
        <translation>اضغط Ctrl+C للإلغاء.</translation>
    </message>
    <message>
        <source>Read Completed ! </source>
        <translation>اكتملت القراءة ! </translation>
    </message>
    <message>
        <source>Read Failed ! </source>
        <translation>فشلت القراءة ! </translation>
    </message>
    <message>
        <source>Write Completed ! </source>
        <translation>اكتملت الكتابة ! </translation>
    </message>
    <message>
        <source>Write Failed ! </source>
        <translation>فشلت الكتابة ! </translation>
    </message>
    <message>
        <source>Delete Completed ! </source>
        <translation>اكتمل الحذف ! </translation>
    </message>
    <message>
        <source>Delete Failed ! </source>
        <translation>فشل الحذف ! </translation>
    </message>
    <message>
        <source>Read LNB ...</source>
        <translation>قراءة LNB ...</translation>
    </message>
    <message>
        <source>Read Satellites ...</source>
        <translation>قراءة الأقمار الصناعية ...</translation>
    </message>
    <message>
        <source>Read Transponders ...</source>
        <translation>قراءة المرسلات المستجيبة ...</translation>
    </message>
    <message>
        <source>Write LNB ...</source>
        <translation>كتابة LNB ...</translation>
    </message>
    <message>
        <source>Write Satellites ...</source>
        <translation>كتابة الأقمار الصناعية ...</translation>
    </message>
    <message>
        <source>Write Transponders ...</source>
        <translation>كتابة المرسلات المستجيبة ...</translation>
    </message>
    <message>
        <source>Verify ...</source>
        <translation>التحقق ...</translation>
    </message>
    <message>
        <source>Verify Failed ! </source>
        <translation>فشل التحقق ! </translation>
    </message>
    <message>
        <source>Verify failed: the table could not be read back from the meter.</source>
        <translation>فشل التحقق: تعذرت إعادة قراءة الجدول من جهاز القياس.</translation>
    </message>
    <message>
        <source>Backup Failed ! </source>
        <translation>فشل النسخ الاحتياطي ! </translation>
    </message>
    <message>
        <source>Backup failed: the meter&apos;s table could not be read. Nothing was written; the meter&apos;s table was left as it was.</source>
        <translation>فشل النسخ الاحتياطي: تعذرت قراءة جدول جهاز القياس. لم يُكتب أي شيء؛ بقي جدول الجهاز كما كان.</translation>
    </message>
    <message>
        <source>You stopped the backup read. Nothing was written; the meter&apos;s table is as it was.</source>
        <translation>لقد أوقفت قراءة النسخة الاحتياطية. لم يُكتب أي شيء؛ جدول الجهاز كما كان.</translation>
    </message>
    <message>
        <source>You stopped the read-back: the table was written to the meter but not checked.</source>
        <translation>لقد أوقفت إعادة القراءة: كُتب الجدول إلى الجهاز لكن لم يُتحقق منه.</translation>
    </message>
    <message>
        <source>You stopped the write part-way, so the meter may now hold a partial table. Write the table again to make it whole.</source>
        <translation>لقد أوقفت الكتابة في منتصفها، لذا قد يحتوي الجهاز الآن على جدول ناقص. اكتب الجدول مرة أخرى لإكماله.</translation>
    </message>
    <message>
        <source>The write broke off part-way, so the meter may now hold a partial table. Check that the meter is switched on and connected, then write the table again.</source>
        <translation>انقطعت الكتابة في منتصفها، لذا قد يحتوي الجهاز الآن على جدول ناقص. تأكد من أن الجهاز مشغّل ومتصل، ثم اكتب الجدول مرة أخرى.</translation>
    </message>
    <message>
        <source>Open logo file error !</source>
        <translation>خطأ في فتح ملف الشعار !</translation>
    </message>
    <message>
        <source>Open icon file error !</source>
        <translation>خطأ في فتح ملف الأيقونات !</translation>
    </message>
    <message>
        <source>Logo file too short !</source>
        <translation>ملف الشعار قصير جدًا !</translation>
    </message>
    <message>
        <source>Icon file too short !</source>
        <translation>ملف الأيقونات قصير جدًا !</translation>
    </message>
    <message>
        <source>Write logo ...</source>
        <translation>كتابة الشعار ...</translation>
    </message>
    <message>
        <source>Write icon ...</source>
        <translation>كتابة الأيقونات ...</translation>
    </message>
    <message>
        <source>Are you sure to delete meter osd icon ?  </source>
        <translation>هل تريد فعلاً حذف أيقونات OSD من الجهاز ؟  </translation>
    </message>
    <message>
        <source>logo files (*.bin);;All Files (*)</source>
        <translation>ملفات الشعار (*.bin);;كل الملفات (*)</translation>
    </message>
    <message>
        <source>icon files (*.bin);;All Files (*)</source>
        <translation>ملفات الأيقونات (*.bin);;كل الملفات (*)</translation>
    </message>
    <message>
        <source>LOGO:</source>
        <translation>الشعار:</translation>
    </message>
    <message>
        <source>ICON:</source>
        <translation>الأيقونات:</translation>
    </message>
    <message>
        <source>Save file error !</source>
        <translation>خطأ في حفظ الملف !</translation>
    </message>
    <message>
        <source>The table has no satellites or transponders to write.</source>
        <translation>لا يحتوي الجدول على أقمار صناعية أو مرسلات مستجيبة لكتابتها.</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>تراجع عن %1</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>إعادة %1</translation>
    </message>
    <message>
        <source>Delete %1 TPs</source>
        <translation>حذف %1 TP</translation>
    </message>
    <message>
        <source>Add Satellite</source>
        <translation>إضافة قمر</translation>
    </message>
    <message>
        <source>Delete Satellite</source>
        <translation>حذف قمر</translation>
    </message>
    <message>
        <source>Edit Satellite</source>
        <translation>تعديل قمر</translation>
    </message>
    <message>
        <source>Add TP</source>
        <translation>إضافة TP</translation>
    </message>
    <message>
        <source>Edit TP</source>
        <translation>تعديل TP</translation>
    </message>
    <message>
        <source>Delete TP</source>
        <translation>حذف TP</translation>
    </message>
    <message>
        <source>Edit LNB</source>
        <translation>تعديل LNB</translation>
    </message>
    <message>
        <source>Sort TPs</source>
        <translation>فرز TP</translation>
    </message>
    <message>
        <source>Read from Meter</source>
        <translation>القراءة من الجهاز</translation>
    </message>
    <message>
        <source>sattp files (*.csv);;All Files (*)</source>
        <translation>ملفات sattp (*.csv);;كل الملفات (*)</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>فتح</translation>
    </message>
    <message>
        <source>Save as</source>
        <translation>حفظ باسم</translation>
    </message>
    <message>
        <source>A firmware file&apos;s name begins with rav32izazud.</source>
        <translation>يبدأ اسم ملف البرنامج الثابت بـ rav32izazud.</translation>
    </message>
    <message>
        <source>A logo file&apos;s name begins with stm32logo.</source>
        <translation>يبدأ اسم ملف الشعار بـ stm32logo.</translation>
    </message>
    <message>
        <source>An icon file&apos;s name begins with stm32icon.</source>
        <translation>يبدأ اسم ملف الأيقونات بـ stm32icon.</translation>
    </message>
    <message>
        <source>%1(the adapter was unplugged)</source>
        <translation>%1(تم فصل المحوّل)</translation>
    </message>
    <message>
        <source>Meter found on %1</source>
        <translation>تم العثور على جهاز القياس على %1</translation>
    </message>
    <message>
        <source>A meter in its bootloader answered on %1: use Firmware upgrade (Meter &gt; SOFT upgrade)</source>
        <translation>أجاب جهاز قياس في محمّل الإقلاع على %1: استخدم ترقية البرنامج الثابت (جهاز القياس &gt; ترقية البرنامج الثابت)</translation>
    </message>
    <message>
        <source>No meter answered on %1: is the meter switched on and its cable plugged?</source>
        <translation>لم يجب أي جهاز قياس على %1: هل جهاز القياس مشغّل وكابله موصول؟</translation>
    </message>
    <message>
        <source>No meter could be asked: %1</source>
        <translation>تعذّر سؤال أي جهاز قياس: %1</translation>
    </message>
    <message>
        <source>USB serial adapter plugged in: %1</source>
        <translation>تم توصيل محوّل USB RS232: %1</translation>
    </message>
    <message>
        <source>USB serial adapter pulled out: %1</source>
        <translation>تم فصل محوّل USB RS232: %1</translation>
    </message>
    <message>
        <source>You are not allowed to use %1: add yourself to the group &apos;%2&apos; (sudo usermod -aG %3 $USER) and log in again</source>
        <translation>لا يُسمح لك باستخدام %1: أضف نفسك إلى المجموعة &apos;%2&apos; (sudo usermod -aG %3 $USER) ثم سجّل الدخول من جديد</translation>
    </message>
    <message>
        <source>%1 is in use by another program</source>
        <translation>%1 قيد الاستخدام من برنامج آخر</translation>
    </message>
    <message>
        <source>%1 is in use by another program (%2)</source>
        <translation>%1 قيد الاستخدام من برنامج آخر (%2)</translation>
    </message>
    <message>
        <source>%1 is locked by another program (%2)</source>
        <translation>%1 مقفل من برنامج آخر (%2)</translation>
    </message>
    <message>
        <source>%1 is gone: is the cable plugged in?</source>
        <translation>%1 اختفى: هل الكابل موصول؟</translation>
    </message>
    <message>
        <source>%1 is not a serial port</source>
        <translation>%1 ليس منفذًا تسلسليًا</translation>
    </message>
    <message>
        <source>%1 cannot be opened</source>
        <translation>تعذّر فتح %1</translation>
    </message>
    <message>
        <source>%1 cannot be opened: %2</source>
        <translation>تعذّر فتح %1: %2</translation>
    </message>
    <message>
        <source>%1 is busy: ModemManager is probing it; the package&apos;s udev rule keeps it away, or wait 10 s</source>
        <translation>%1 مشغول: ModemManager يفحصه؛ قاعدة udev الخاصة بالحزمة تبعده عنه، أو انتظر 10 ثوانٍ</translation>
    </message>
    <message>
        <source>A %1 USB serial adapter is plugged in but has no port: brltty (a braille display service) claimed it; remove brltty with &apos;sudo apt remove brltty&apos; or, if a braille display needs it, run &apos;sudo systemctl mask brltty-udev.service&apos; and plug the adapter in again</source>
        <translation>محوّل USB RS232 %1 موصول لكن بلا منفذ: استحوذ عليه brltty (خدمة لشاشات برايل)؛ أزل brltty بالأمر &apos;sudo apt remove brltty&apos; أو، إن احتاجته شاشة برايل، نفّذ &apos;sudo systemctl mask brltty-udev.service&apos; ثم أعد توصيل المحوّل</translation>
    </message>
    <message>
        <source>%1 has no device: is the cable plugged in? (VELMORA_%2 may name its path)</source>
        <translation>%1 بلا جهاز: هل الكابل موصول؟ (يمكن أن يحدّد VELMORA_%2 مساره)</translation>
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
        <translation>إيقاف</translation>
    </message>
    <message>
        <source>Fixed</source>
        <translation>ثابت</translation>
    </message>
    <message>
        <source>Moved</source>
        <translation>متحرك</translation>
    </message>
    <message>
        <source>Looking for the meter ...</source>
        <translation>جارٍ البحث عن جهاز القياس ...</translation>
    </message>
    <message>
        <source>No USB serial adapter is plugged in.</source>
        <translation>لا يوجد محوّل USB RS232 موصول.</translation>
    </message>
    <message>
        <source>%1 answers late (latency timer %2 ms): a table write will take about %3 seconds; see the manual page</source>
        <translation>%1 يجيب متأخرًا (latency timer %2 ms): ستستغرق كتابة الجدول نحو %3 ثانية؛ راجع صفحة الدليل</translation>
    </message>
    <message>
        <source>%1 answers late (latency timer %2 ms): a table write will take about %3 minutes; see the manual page</source>
        <translation>%1 يجيب متأخرًا (latency timer %2 ms): ستستغرق كتابة الجدول نحو %3 دقيقة؛ راجع صفحة الدليل</translation>
    </message>
    <message>
        <source>%1 cannot keep: %2.</source>
        <translation>لا يتسع %1 لما يلي: %2.</translation>
    </message>
    <message>
        <source>%1 Save anyway ?</source>
        <translation>%1 هل تريد الحفظ رغم ذلك ؟</translation>
    </message>
    <message>
        <source>%1: frequency %2 is outside %3..%4 MHz</source>
        <translation>%1: التردد %2 خارج النطاق %3..%4 MHz</translation>
    </message>
    <message>
        <source>%1: symbol rate %2 is outside %3..%4 kS/s</source>
        <translation>%1: معدل الرموز %2 خارج النطاق %3..%4 kS/s</translation>
    </message>
    <message>
        <source>LNB %1: unknown type %2 (shown as 5150)</source>
        <translation>LNB %1: نوع غير معروف %2 (يُعرض على أنه 5150)</translation>
    </message>
    <message>
        <source>%1: position %2 is above 3599 tenths of a degree (shown as %3)</source>
        <translation>%1: الموقع %2 يتجاوز 3599 من أعشار الدرجة (يُعرض على أنه %3)</translation>
    </message>
    <message>
        <source>%1: name has bytes that are not UTF-8 (%2)</source>
        <translation>%1: يحتوي الاسم على بايتات ليست UTF-8 (%2)</translation>
    </message>
    <message>
        <source>%1: no transponders</source>
        <translation>%1: لا توجد مرسلات مستجيبة</translation>
    </message>
    <message>
        <source>%1: SAT %2 is not in use (the table has %3 satellites)</source>
        <translation>%1: SAT %2 غير مستخدم (عدد الأقمار الصناعية في الجدول: %3)</translation>
    </message>
    <message>
        <source>%1: duplicate of TP %2 (%3)</source>
        <translation>%1: نسخة مكررة من TP %2 (%3)</translation>
    </message>
    <message>
        <source>1 difference</source>
        <translation>فرق واحد</translation>
    </message>
    <message>
        <source>%1 differences</source>
        <translation>عدد الفروق: %1</translation>
    </message>
    <message>
        <source>order differs</source>
        <translation>الترتيب مختلف</translation>
    </message>
    <message>
        <source>icon written</source>
        <translation>كُتبت الأيقونات</translation>
    </message>
    <message>
        <source>logo written</source>
        <translation>كُتب الشعار</translation>
    </message>
    <message>
        <source>icon and logo written</source>
        <translation>كُتبت الأيقونات والشعار</translation>
    </message>
    <message>
        <source>tables written</source>
        <translation>كُتبت الجداول</translation>
    </message>
    <message>
        <source>icon and tables written</source>
        <translation>كُتبت الأيقونات والجداول</translation>
    </message>
    <message>
        <source>logo and tables written</source>
        <translation>كُتب الشعار والجداول</translation>
    </message>
    <message>
        <source>icon, logo and tables written</source>
        <translation>كُتبت الأيقونات والشعار والجداول</translation>
    </message>
    <message>
        <source>Patch up done in %1 s: firmware upgraded and verified.</source>
        <translation>اكتمل الرفع في %1 ثانية: تمت ترقية البرنامج الثابت والتحقق منه.</translation>
    </message>
    <message>
        <source>Patch up done in %1 s.</source>
        <translation>اكتمل الرفع في %1 ثانية.</translation>
    </message>
    <message>
        <source>Patch up done in %1 s: firmware upgraded and verified; %2.</source>
        <translation>اكتمل الرفع في %1 ثانية: تمت ترقية البرنامج الثابت والتحقق منه؛ %2.</translation>
    </message>
    <message>
        <source>Patch up done in %1 s: %2.</source>
        <translation>اكتمل الرفع في %1 ثانية: %2.</translation>
    </message>
    <message>
        <source>No answer from the meter on %1 yet: is it switched on and connected to this port? %2</source>
        <translation>لا رد من جهاز القياس على %1 حتى الآن: هل هو مشغّل وموصول بهذا المنفذ؟ %2</translation>
    </message>
    <message>
        <source>No answer from the meter on %1: is it switched on and connected to this port? Nothing on the meter was changed.</source>
        <translation>لا رد من جهاز القياس على %1: هل هو مشغّل وموصول بهذا المنفذ؟ لم يتغير أي شيء في جهاز القياس.</translation>
    </message>
    <message>
        <source>%1 The meter&apos;s table before this write is in %2.</source>
        <translation>%1 جدول جهاز القياس كما كان قبل هذه الكتابة محفوظ في %2.</translation>
    </message>
    <message>
        <source>Backup failed: cannot write %1: %2. Nothing was written; the meter&apos;s table was left as it was.</source>
        <translation>فشل النسخ الاحتياطي: تعذرت كتابة %1: %2. لم يُكتب أي شيء؛ بقي جدول الجهاز كما كان.</translation>
    </message>
    <message>
        <source>%1 was not read completely:

%2

Saving it writes the table without what is listed here.</source>
        <translation>لم يُقرأ %1 بالكامل:

%2

عند الحفظ يُكتب الجدول دون ما هو مذكور هنا.</translation>
    </message>
    <message>
        <source>%1 was not read completely (1 finding), so the table to be saved is shorter than that file.</source>
        <translation>لم يُقرأ %1 بالكامل (ملاحظة واحدة)، لذا فالجدول الذي سيُحفظ أقصر من ذلك الملف.</translation>
    </message>
    <message>
        <source>%1 was not read completely (%2 findings), so the table to be saved is shorter than that file.</source>
        <translation>لم يُقرأ %1 بالكامل (عدد الملاحظات: %2)، لذا فالجدول الذي سيُحفظ أقصر من ذلك الملف.</translation>
    </message>
    <message>
        <source>Flash1M.bin written: %1 (%2 bytes)</source>
        <translation>كُتب Flash1M.bin: %1 (%2 بايت)</translation>
    </message>
    <message>
        <source>%1

The result was added to %2.</source>
        <translation>%1

أُضيفت النتيجة إلى %2.</translation>
    </message>
    <message>
        <source>Import added nothing</source>
        <translation>لم يُضف الاستيراد أي شيء</translation>
    </message>
    <message>
        <source>Import added 1 TP</source>
        <translation>أضاف الاستيراد TP واحدًا</translation>
    </message>
    <message>
        <source>Import added %1 TPs</source>
        <translation>أضاف الاستيراد %1 TP</translation>
    </message>
    <message>
        <source>Import added 1 TP, 1 satellite</source>
        <translation>أضاف الاستيراد TP واحدًا وقمرًا صناعيًا واحدًا</translation>
    </message>
    <message>
        <source>Import added %1 TPs, 1 satellite</source>
        <translation>أضاف الاستيراد %1 TP وقمرًا صناعيًا واحدًا</translation>
    </message>
    <message>
        <source>Import added 1 TP, %1 satellites</source>
        <translation>أضاف الاستيراد TP واحدًا و%1 من الأقمار الصناعية</translation>
    </message>
    <message>
        <source>Import added %1 TPs, %2 satellites</source>
        <translation>أضاف الاستيراد %1 TP و%2 من الأقمار الصناعية</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>تعذرت كتابة %1: %2</translation>
    </message>
    <message>
        <source>Exported 1 satellite and 1 transponder to %1</source>
        <translation>صُدِّر قمر صناعي واحد ومرسل مستجيب واحد إلى %1</translation>
    </message>
    <message>
        <source>Exported 1 satellite and %1 transponders to %2</source>
        <translation>صُدِّر قمر صناعي واحد و%1 من المرسلات المستجيبة إلى %2</translation>
    </message>
    <message>
        <source>Exported %1 satellites and 1 transponder to %2</source>
        <translation>صُدِّر %1 من الأقمار الصناعية ومرسل مستجيب واحد إلى %2</translation>
    </message>
    <message>
        <source>Exported %1 satellites and %2 transponders to %3</source>
        <translation>صُدِّر %1 من الأقمار الصناعية و%2 من المرسلات المستجيبة إلى %3</translation>
    </message>
    <message>
        <source>Cannot copy the sample table into %1.</source>
        <translation>تعذّر نسخ الجدول النموذجي إلى %1.</translation>
    </message>
    <message>
        <source>Cannot create the data folder %1: %2</source>
        <translation>تعذّر إنشاء مجلد البيانات %1: %2</translation>
    </message>
    <message>
        <source>a file of that name is in the way</source>
        <translation>يوجد ملف بالاسم نفسه يحول دون ذلك</translation>
    </message>
    <message>
        <source>Delete the transponder %1?</source>
        <translation>حذف المرسل المستجيب %1؟</translation>
    </message>
    <message>
        <source>Delete %1 TPs ?</source>
        <translation>حذف %1 TP ؟</translation>
    </message>
    <message>
        <source>Delete the satellite %1 and its transponders?</source>
        <translation>حذف القمر الصناعي %1 ومرسلاته المستجيبة؟</translation>
    </message>
    <message>
        <source>matched %1, added %2 satellites and %3 transponders, %4 duplicates skipped, %5 replaced, %6 left out (table full), %7 invalid</source>
        <translation>مطابق: %1، أُضيف %2 من الأقمار الصناعية و%3 من المرسلات المستجيبة، تُخطّي %4 مكرر، استُبدل %5، استُبعد %6 (الجدول ممتلئ)، غير صالح: %7</translation>
    </message>
    <message>
        <source>no scan tables in %1: install them with &apos;sudo apt install dtv-scan-tables&apos;</source>
        <translation>لا توجد جداول مسح في %1: ثبّتها بالأمر &apos;sudo apt install dtv-scan-tables&apos;</translation>
    </message>
    <message>
        <source>no scan tables in %1: %2</source>
        <translation>لا توجد جداول مسح في %1: %2</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>استيراد</translation>
    </message>
    <message>
        <source>Downloading %1</source>
        <translation>جارٍ تنزيل %1</translation>
    </message>
    <message>
        <source>Download failed</source>
        <translation>فشل التنزيل</translation>
    </message>
    <message>
        <source>Take the Meter&apos;s Table</source>
        <translation>أخذ جدول الجهاز</translation>
    </message>
    <message>
        <source>SOFT upgrade erases the meter&apos;s firmware and writes %1 in its place.

Switch the meter on while holding EXIT, then answer Yes.
Do not switch the meter off until the upgrade is done.

Upgrade the firmware now?</source>
        <translation>ترقية SOFT تمحو البرنامج الثابت للجهاز وتكتب %1 مكانه.

شغّل الجهاز مع الضغط على EXIT، ثم أجب بنعم.
لا تطفئ الجهاز حتى تنتهي الترقية.

هل تريد ترقية البرنامج الثابت الآن؟</translation>
    </message>
    <message>
        <source>Logo written: %1</source>
        <translation>تمت كتابة الشعار: %1</translation>
    </message>
    <message>
        <source>Icon written: %1</source>
        <translation>تمت كتابة الأيقونة: %1</translation>
    </message>
    <message>
        <source>Icon file too large !</source>
        <translation>ملف الأيقونات كبير جدًا !</translation>
    </message>
    <message>
        <source>Icon file header makes no sense ! %1 announces records of %2 bytes, %3 x %4 of each size: all three must be above 0.</source>
        <translation>ترويسة ملف الأيقونات غير منطقية ! يعلن %1 عن سجلات من %2 بايت، %3 × %4 من كل حجم: يجب أن تكون الثلاثة أكبر من 0.</translation>
    </message>
    <message>
        <source>Icon file too large ! %1 announces %2 bytes; the meter&apos;s icon area holds %3.</source>
        <translation>ملف الأيقونات كبير جدًا ! يعلن %1 عن %2 بايت؛ منطقة الأيقونات في الجهاز تتسع لـ %3.</translation>
    </message>
    <message>
        <source>Logo file too short ! %1 holds %2 bytes; a logo takes %3.</source>
        <translation>ملف الشعار قصير جدًا ! يحوي %1 على %2 بايت؛ يحتاج الشعار إلى %3.</translation>
    </message>
    <message>
        <source>Icon file too short ! %1 holds %2 bytes; an icon header takes %3.</source>
        <translation>ملف الأيقونات قصير جدًا ! يحوي %1 على %2 بايت؛ تحتاج ترويسة الأيقونات إلى %3.</translation>
    </message>
    <message>
        <source>Icon file too short ! %1 holds %2 bytes; its header announces %3.</source>
        <translation>ملف الأيقونات قصير جدًا ! يحوي %1 على %2 بايت؛ تعلن ترويسته عن %3.</translation>
    </message>
    <message>
        <source>hold EXIT while switching the meter on, then try again</source>
        <translation>اضغط EXIT مع الاستمرار أثناء تشغيل الجهاز، ثم أعد المحاولة</translation>
    </message>
    <message>
        <source>%1: LNB %2 (%3) receives %4..%5 MHz only</source>
        <translation>%1: LNB %2 (%3) يستقبل %4..%5 MHz فقط</translation>
    </message>
    <message>
        <source>The meter restarts with its new firmware: %1 s</source>
        <translation>يُعاد تشغيل الجهاز بالبرنامج الثابت الجديد: %1 ث</translation>
    </message>
    <message>
        <source>SOFT: %1</source>
        <translation>البرنامج: ‎%1‎</translation>
    </message>
    <message>
        <source>LOGO: %1</source>
        <translation>الشعار: ‎%1‎</translation>
    </message>
    <message>
        <source>ICON: %1</source>
        <translation>الأيقونات: ‎%1‎</translation>
    </message>
    <message>
        <source>There are no backups in %1. A backup is taken before each write while Meter &gt; Back up before write is on.</source>
        <translation>لا توجد نسخ احتياطية في %1. تُؤخذ نسخة احتياطية قبل كل كتابة ما دام الخيار جهاز القياس &gt; نسخ احتياطي قبل الكتابة مفعّلًا.</translation>
    </message>
    <message>
        <source>Write the backup %1 to the meter? It replaces the meter&apos;s table.</source>
        <translation>هل تريد كتابة النسخة الاحتياطية %1 في الجهاز؟ ستحل محل جدول الجهاز.</translation>
    </message>
    <message>
        <source>Backup written to the meter: %1</source>
        <translation>كُتبت النسخة الاحتياطية في الجهاز: %1</translation>
    </message>
    <message>
        <source>The backup %1 holds no satellites, so there is nothing to write back.</source>
        <translation>لا تحتوي النسخة الاحتياطية %1 على أي قمر صناعي، فلا يوجد ما تُعاد كتابته.</translation>
    </message>
    <message>
        <source>No data folder for the unit records (HOME is not set); turn off Meter &gt; Record unit records or name a file in the settings.</source>
        <translation>لا يوجد مجلد بيانات لسجلات الأجهزة (HOME غير معيّن)؛ أوقف جهاز القياس &gt; الاحتفاظ بسجلات الأجهزة أو حدّد ملفًا في الإعدادات.</translation>
    </message>
</context>
<context>
    <name>Language</name>
    <message>
        <source>Language</source>
        <translation>اللغة</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>لغة النظام</translation>
    </message>
    <message>
        <source>The language changes when Orvane is started next.</source>
        <translation>تتغير اللغة عند تشغيل Orvane في المرة القادمة.</translation>
    </message>
</context>
<context>
    <name>LnbChoiceText</name>
    <message>
        <source>no DiSEqC</source>
        <translation>بدون DiSEqC</translation>
    </message>
    <message>
        <source>unknown DiSEqC switch</source>
        <translation>مبدّل DiSEqC غير معروف</translation>
    </message>
    <message>
        <source>DiSEqC %1 tone burst %2</source>
        <translation>DiSEqC %1 Tone Burst %2</translation>
    </message>
    <message>
        <source>DiSEqC %1 input %2</source>
        <translation>DiSEqC %1 مدخل %2</translation>
    </message>
</context>
<context>
    <name>MeterMenu</name>
    <message>
        <source>backups/ beside the table</source>
        <translation>مجلد backups بجانب الجدول</translation>
    </message>
    <message>
        <source>Back up before write (to %1)</source>
        <translation>نسخ احتياطي قبل الكتابة (إلى %1)</translation>
    </message>
    <message>
        <source>Write the backup back</source>
        <translation>إعادة كتابة النسخة الاحتياطية</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <extracomment>Translate as &quot;RTL&quot; for a language written right to left, else &quot;LTR&quot;</extracomment>
        <translation>RTL</translation>
    </message>
</context>
<context>
    <name>Toolbar</name>
    <message>
        <source>Open</source>
        <translation>فتح</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>حفظ</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>إيقاف</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>قراءة</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>كتابة</translation>
    </message>
</context>
<context>
    <name>velmora::AboutDlg</name>
    <message>
        <source>About Orvane</source>
        <translation>حول Orvane</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>موافق</translation>
    </message>
</context>
<context>
    <name>velmora::CatalogDlg</name>
    <message>
        <source>Add satellites from the catalog</source>
        <translation>إضافة أقمار صناعية من الفهرس</translation>
    </message>
    <message>
        <source>Find a satellite by name or position</source>
        <translation>البحث عن قمر بالاسم أو الموقع</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>الموقع</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>الاسم</translation>
    </message>
    <message>
        <source>TPs</source>
        <translation>TP</translation>
    </message>
    <message>
        <source>Tick the satellites to add.</source>
        <translation>حدّد الأقمار الصناعية المراد إضافتها.</translation>
    </message>
</context>
<context>
    <name>velmora::CheckDlg</name>
    <message>
        <source>Check table</source>
        <translation>فحص الجدول</translation>
    </message>
    <message>
        <source>Nothing looks wrong with the table.</source>
        <translation>لا يبدو أن في الجدول أي خطأ.</translation>
    </message>
    <message numerus="yes">
        <source>%n finding(s); click one to select its row.</source>
        <translation>
            <numerusform>عدد الملاحظات: %n؛ انقر على إحداها لتحديد صفها.</numerusform>
            <numerusform>عدد الملاحظات: %n؛ انقر على إحداها لتحديد صفها.</numerusform>
            <numerusform>عدد الملاحظات: %n؛ انقر على إحداها لتحديد صفها.</numerusform>
            <numerusform>عدد الملاحظات: %n؛ انقر على إحداها لتحديد صفها.</numerusform>
            <numerusform>عدد الملاحظات: %n؛ انقر على إحداها لتحديد صفها.</numerusform>
            <numerusform>عدد الملاحظات: %n؛ انقر على إحداها لتحديد صفها.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>velmora::CompareDlg</name>
    <message>
        <source>Compare with meter</source>
        <translation>مقارنة مع الجهاز</translation>
    </message>
    <message>
        <source>What writing the document&apos;s tables would change on the meter:</source>
        <translation>ما ستغيّره كتابة جداول هذا المستند في جهاز القياس:</translation>
    </message>
    <message>
        <source>Take the meter&apos;s table</source>
        <translation>أخذ جدول الجهاز</translation>
    </message>
    <message>
        <source>Replace the document&apos;s tables with the meter&apos;s</source>
        <translation>استبدال جداول المستند بجداول جهاز القياس</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>إغلاق</translation>
    </message>
    <message>
        <source>Write to the meter</source>
        <translation>الكتابة في الجهاز</translation>
    </message>
    <message>
        <source>Replace the meter&apos;s table with the document&apos;s</source>
        <translation>استبدال جدول الجهاز بجدول المستند</translation>
    </message>
</context>
<context>
    <name>velmora::FormDialog</name>
    <message>
        <source>OK</source>
        <translation>موافق</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
</context>
<context>
    <name>velmora::HelpDlg</name>
    <message>
        <source>Orvane Help</source>
        <translation>تعليمات Orvane</translation>
    </message>
</context>
<context>
    <name>velmora::ImportDlg</name>
    <message>
        <source>Find a satellite by name or position</source>
        <translation>البحث عن قمر بالاسم أو الموقع</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>الموقع</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>الاسم</translation>
    </message>
    <message>
        <source>TPs</source>
        <extracomment>Column of transponder counts</extracomment>
        <translation>TP</translation>
    </message>
    <message>
        <source>Goes into</source>
        <translation>الوجهة</translation>
    </message>
    <message>
        <source>The name a new satellite gets; double-click to change it</source>
        <translation>الاسم الذي سيأخذه القمر الجديد؛ انقر نقرًا مزدوجًا لتغييره</translation>
    </message>
    <message>
        <source>A new satellite, or a table satellite of the band within 1.0 degree</source>
        <translation>قمر جديد، أو قمر من الجدول في النطاق نفسه على بعد 1.0 درجة أو أقل</translation>
    </message>
    <message>
        <source>Select all</source>
        <translation>تحديد الكل</translation>
    </message>
    <message>
        <source>Select none</source>
        <translation>إلغاء التحديد</translation>
    </message>
    <message>
        <source>LNB of new Ku-band satellites</source>
        <translation>LNB للأقمار الجديدة في النطاق Ku</translation>
    </message>
    <message>
        <source>LNB of new C-band satellites</source>
        <translation>LNB للأقمار الجديدة في النطاق C</translation>
    </message>
    <message>
        <source>Add new transponders</source>
        <translation>إضافة المرسلات المستجيبة الجديدة</translation>
    </message>
    <message>
        <source>Replace the transponders of the table satellites they go into</source>
        <translation>استبدال المرسلات المستجيبة لأقمار الجدول التي تذهب إليها</translation>
    </message>
    <message>
        <source>new</source>
        <extracomment>The choice &quot;a new satellite&quot; in the &quot;Goes into&quot; column</extracomment>
        <translation>جديد</translation>
    </message>
    <message>
        <source>Nothing in the table changes.</source>
        <translation>لا يتغير شيء في الجدول.</translation>
    </message>
    <message>
        <source>LNB of new Ka-band satellites</source>
        <translation>LNB للأقمار الجديدة في النطاق Ka</translation>
    </message>
</context>
<context>
    <name>velmora::LnbEditDlg</name>
    <message>
        <source>LNB Edit</source>
        <translation>تعديل LNB</translation>
    </message>
    <message>
        <source>LNB frequency</source>
        <translation>تردد LNB</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>إيقاف</translation>
    </message>
    <message>
        <source>LNB power</source>
        <translation>تغذية LNB</translation>
    </message>
    <message>
        <source>Fixed</source>
        <translation>ثابت</translation>
    </message>
    <message>
        <source>Moved</source>
        <translation>متحرك</translation>
    </message>
    <message>
        <source>Dish type</source>
        <translation>نوع الطبق</translation>
    </message>
    <message>
        <source>DiSEqC switch</source>
        <translation>مبدّل DiSEqC</translation>
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
        <translation>مدخل DiSEqC</translation>
    </message>
    <message>
        <source>22 kHz tone</source>
        <translation>نغمة 22 كيلوهرتز</translation>
    </message>
</context>
<context>
    <name>velmora::MainFrame</name>
    <message>
        <source>Ready</source>
        <translation>جاهز</translation>
    </message>
    <message>
        <source>Recent files</source>
        <translation>الملفات الأخيرة</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>شريط الأدوات</translation>
    </message>
    <message>
        <source>Satellites %1/%2   TPs %3/%4</source>
        <extracomment>How full the tables are; &quot;TPs&quot; are transponders</extracomment>
        <translation>الأقمار %1/%2   TP %3/%4</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>بدون عنوان</translation>
    </message>
</context>
<context>
    <name>velmora::RestoreDlg</name>
    <message>
        <source>Restore a backup</source>
        <translation>استعادة نسخة احتياطية</translation>
    </message>
    <message>
        <source>The backups in %1, newest first. The one you choose replaces the meter&apos;s table; the document stays as it is.</source>
        <translation>النسخ الاحتياطية في %1، الأحدث أولًا. النسخة التي تختارها تحل محل جدول الجهاز؛ ويبقى المستند كما هو.</translation>
    </message>
    <message>
        <source>Taken</source>
        <translation>وقت أخذها</translation>
    </message>
    <message>
        <source>File</source>
        <translation>الملف</translation>
    </message>
    <message>
        <source>Write to the meter</source>
        <translation>الكتابة في الجهاز</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>إغلاق</translation>
    </message>
</context>
<context>
    <name>velmora::SatAddDlg</name>
    <message>
        <source>Satellite Edit</source>
        <translation>تعديل القمر الصناعي</translation>
    </message>
    <message>
        <source>Satellite Add</source>
        <translation>إضافة قمر صناعي</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>القمر الصناعي</translation>
    </message>
    <message>
        <source>East</source>
        <translation>شرق</translation>
    </message>
    <message>
        <source>West</source>
        <translation>غرب</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>خط الطول</translation>
    </message>
    <message>
        <source>%1 of %2 bytes left</source>
        <translation>بقي %1 من %2 بايت</translation>
    </message>
    <message>
        <source>A comma cannot be stored: sattp.csv separates its columns with commas.</source>
        <translation>لا يمكن حفظ الفاصلة: يفصل الملف sattp.csv أعمدته بالفواصل.</translation>
    </message>
    <message>
        <source>No room left: a name holds at most %1 bytes, and a letter such as é takes 2.</source>
        <translation>لم يبق مكان: يتسع الاسم لـ %1 بايت على الأكثر، والحرف مثل é يشغل 2.</translation>
    </message>
</context>
<context>
    <name>velmora::SatelliteTree</name>
    <message>
        <source>All Satellites</source>
        <translation>كل الأقمار الصناعية</translation>
    </message>
</context>
<context>
    <name>velmora::TpEditDlg</name>
    <message>
        <source>Transponder</source>
        <translation>المرسل المستجيب</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>القمر الصناعي</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>التردد</translation>
    </message>
    <message>
        <source>MHz</source>
        <translation>MHz</translation>
    </message>
    <message>
        <source>Symbol rate</source>
        <translation>معدل الرموز</translation>
    </message>
    <message>
        <source>kS/s</source>
        <translation>kS/s</translation>
    </message>
    <message>
        <source>Vertical / right (13 V)</source>
        <translation>عمودي / يمين (13 V)</translation>
    </message>
    <message>
        <source>Horizontal / left (18 V)</source>
        <translation>أفقي / يسار (18 V)</translation>
    </message>
    <message>
        <source>Polarisation</source>
        <translation>الاستقطاب</translation>
    </message>
    <message>
        <source>Unique</source>
        <extracomment>A transponder found nowhere else in the table</extracomment>
        <translation>فريد</translation>
    </message>
</context>
<context>
    <name>velmora::TpSortDlg</name>
    <message>
        <source>Frequency</source>
        <translation>التردد</translation>
    </message>
    <message>
        <source>Symbol rate</source>
        <translation>معدل الرموز</translation>
    </message>
    <message>
        <source>Polarisation</source>
        <translation>الاستقطاب</translation>
    </message>
    <message>
        <source>Start with</source>
        <translation>البدء من</translation>
    </message>
    <message>
        <source>West to east</source>
        <translation>من الغرب إلى الشرق</translation>
    </message>
    <message>
        <source>East to west</source>
        <translation>من الشرق إلى الغرب</translation>
    </message>
    <message>
        <source>Satellites</source>
        <translation>الأقمار الصناعية</translation>
    </message>
    <message>
        <source>Transponders</source>
        <translation>المرسلات المستجيبة</translation>
    </message>
    <message>
        <source>then by</source>
        <translation>ثم حسب</translation>
    </message>
    <message>
        <source>Satellites are put in order of position, beginning with the one chosen and going round in the direction chosen. The transponders of each satellite are sorted by the two keys.</source>
        <translation>تُرتَّب الأقمار الصناعية حسب الموقع، بدءًا بالقمر المختار ثم في الاتجاه المختار. وتُفرز المرسلات المستجيبة لكل قمر حسب المفتاحين.</translation>
    </message>
</context>
<context>
    <name>velmora::TransponderListView</name>
    <message>
        <source>%1 of %2 rows match &quot;%3&quot;</source>
        <translation>%1 من أصل %2 صفًا تطابق «%3»</translation>
    </message>
</context>
<context>
    <name>velmora::UnitRecordsDlg</name>
    <message>
        <source>Unit records</source>
        <translation>سجلات الأجهزة</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>بحث</translation>
    </message>
    <message>
        <source>Unique ID:</source>
        <translation>المعرّف الفريد:</translation>
    </message>
    <message>
        <source>From (UTC):</source>
        <translation>من (UTC):</translation>
    </message>
    <message>
        <source>To (UTC):</source>
        <translation>إلى (UTC):</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>الوقت</translation>
    </message>
    <message>
        <source>Bench</source>
        <translation>المنصة</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>المنفذ</translation>
    </message>
    <message>
        <source>Unique ID</source>
        <translation>المعرّف الفريد</translation>
    </message>
    <message>
        <source>Firmware</source>
        <translation>البرنامج الثابت</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>النتيجة</translation>
    </message>
    <message>
        <source>Reason</source>
        <translation>السبب</translation>
    </message>
    <message>
        <source>Write a day as 2026-12-09, a time as 2026-12-09T08:00:00Z.</source>
        <translation>اكتب اليوم بالشكل 2026-12-09 والوقت بالشكل 2026-12-09T08:00:00Z.</translation>
    </message>
    <message>
        <source>passed</source>
        <translation>نجح</translation>
    </message>
    <message>
        <source>failed</source>
        <translation>فشل</translation>
    </message>
    <message>
        <source>%1 serviced, %2 passed, %3 failed; records in %4</source>
        <translation>خُدم %1، نجح %2، فشل %3؛ السجلات في %4</translation>
    </message>
    <message>
        <source>Records</source>
        <translation>السجلات</translation>
    </message>
    <message>
        <source>Production report</source>
        <translation>تقرير الإنتاج</translation>
    </message>
    <message>
        <source>Open a report...</source>
        <translation>فتح تقرير...</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>البدء</translation>
    </message>
    <message>
        <source>Meter</source>
        <translation>الجهاز</translation>
    </message>
    <message>
        <source>Steps</source>
        <translation>الخطوات</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>التقرير</translation>
    </message>
    <message>
        <source>Open a report</source>
        <translation>فتح تقرير</translation>
    </message>
    <message>
        <source>Production reports (*.jsonl *.json *.txt);;All Files (*)</source>
        <translation>تقارير الإنتاج (*.jsonl *.json *.txt);;كل الملفات (*)</translation>
    </message>
    <message>
        <source>The production line writes one line per meter into the file of --report.</source>
        <translation>يكتب خط الإنتاج سطرًا واحدًا لكل جهاز قياس في ملف --report.</translation>
    </message>
    <message>
        <source>%1 cannot be read.</source>
        <translation>تعذّرت قراءة %1.</translation>
    </message>
    <message>
        <source>%1, line %2, is not a line of a production report.</source>
        <translation>%1، السطر %2، ليس سطرًا من تقرير إنتاج.</translation>
    </message>
    <message>
        <source>%1: %2 meters, %3 passed, %4 failed</source>
        <translation>%1: %2 أجهزة، %3 نجحت، %4 فشلت</translation>
    </message>
</context>
<context>
    <name>velmora::UrlDlg</name>
    <message>
        <source>Import from the web</source>
        <translation>استيراد من الويب</translation>
    </message>
    <message>
        <source>https://... a satellites.xml, .ini or dvbv5 list</source>
        <translation>https://... قائمة satellites.xml أو .ini أو dvbv5</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>العنوان</translation>
    </message>
</context>
<context>
    <name>velmora::VelmoraDoc</name>
    <message>
        <source>Untitled</source>
        <translation>بدون عنوان</translation>
    </message>
</context>
<context>
    <name>WebPage</name>
    <message>
        <source>Name</source>
        <translation>الاسم</translation>
    </message>
    <message>
        <source>Hemisphere</source>
        <translation>نصف الكرة</translation>
    </message>
    <message>
        <source>TP Add</source>
        <translation>إضافة TP</translation>
    </message>
    <message>
        <source>No</source>
        <translation>لا</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>نعم</translation>
    </message>
    <message>
        <source>TP Edit</source>
        <translation>تعديل TP</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>المدخل</translation>
    </message>
    <message>
        <source>22K tone</source>
        <translation>نغمة 22 كيلوهرتز</translation>
    </message>
    <message>
        <source>TP Sort</source>
        <translation>فرز TP</translation>
    </message>
    <message>
        <source>First satellite</source>
        <translation>القمر الصناعي الأول</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>الاتجاه</translation>
    </message>
    <message>
        <source>West-&gt;East</source>
        <translation>غرب-&gt;شرق</translation>
    </message>
    <message>
        <source>East-&gt;West</source>
        <translation>شرق-&gt;غرب</translation>
    </message>
    <message>
        <source>First key</source>
        <translation>المفتاح الأول</translation>
    </message>
    <message>
        <source>Symbolrate</source>
        <translation>معدل الرموز</translation>
    </message>
    <message>
        <source>Pol</source>
        <translation>استقطاب</translation>
    </message>
    <message>
        <source>Second key</source>
        <translation>المفتاح الثاني</translation>
    </message>
    <message>
        <source>automatic</source>
        <translation>تلقائي</translation>
    </message>
    <message>
        <source>The address of a transponder list (http or https):</source>
        <translation>عنوان قائمة المرسلات المستجيبة (http أو https):</translation>
    </message>
    <message>
        <source>Findings: %1</source>
        <translation>عدد الملاحظات: %1</translation>
    </message>
    <message>
        <source>No findings</source>
        <translation>لا توجد ملاحظات</translation>
    </message>
    <message>
        <source>Orvane in the browser: the table editor and meter service, with the same core as the desktop program.</source>
        <translation>Orvane في المتصفح: محرر الجداول وخدمة جهاز القياس، بالنواة نفسها التي يستخدمها برنامج سطح المكتب.</translation>
    </message>
    <message>
        <source>The commands are those of the desktop program&apos;s menus. Connect chooses the meter&apos;s serial port.</source>
        <translation>الأوامر هي أوامر قوائم برنامج سطح المكتب. يختار «اتصال» المنفذ التسلسلي لجهاز القياس.</translation>
    </message>
    <message>
        <source>%1: the browser cannot do this; the desktop program can.</source>
        <translation>%1: لا يستطيع المتصفح فعل ذلك؛ برنامج سطح المكتب يستطيع.</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>الإعدادات</translation>
    </message>
    <message>
        <source>Web Serial port chosen</source>
        <translation>تم اختيار منفذ Web Serial</translation>
    </message>
    <message>
        <source>This browser has no Web Serial, so the page cannot reach a meter: use Chrome, Edge or Opera on Windows, macOS or Linux (or Firefox from its release 151); the table editor works here.</source>
        <translation>لا يدعم هذا المتصفح Web Serial، لذا لا تستطيع الصفحة الوصول إلى جهاز القياس: استخدم Chrome أو Edge أو Opera على Windows أو macOS أو Linux (أو Firefox بدءًا من إصداره 151)؛ محرر الجداول يعمل هنا.</translation>
    </message>
    <message>
        <source>Menus</source>
        <translation>القوائم</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>اتصال</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>المنفذ</translation>
    </message>
    <message>
        <source>No port</source>
        <translation>لا يوجد منفذ</translation>
    </message>
    <message>
        <source>List</source>
        <translation>القائمة</translation>
    </message>
    <message>
        <source>Meter</source>
        <translation>جهاز القياس</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>الحالة</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>التقدم</translation>
    </message>
    <message>
        <source>Satellites of the list</source>
        <translation>أقمار القائمة</translation>
    </message>
    <message>
        <source>Import summary</source>
        <translation>ملخص الاستيراد</translation>
    </message>
    <message>
        <source>Changes</source>
        <translation>التغييرات</translation>
    </message>
    <message>
        <source>The desktop program has this; a browser cannot do it.</source>
        <translation>هذا متاح في برنامج سطح المكتب؛ لا يستطيع المتصفح فعله.</translation>
    </message>
</context>
</TS>
