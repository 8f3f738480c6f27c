<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr" sourcelanguage="en">
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
        <translation> LMT41C, LMT40S vb. için<byte value="xd"/>
 1) Cihazın &apos;software upgrade&apos; menüsünde sattp.csv dosyasını cihazdan USB belleğe yedekleyebilirsiniz.<byte value="xd"/>
 2) sattp.csv dosyasını velmora ile düzenleyin, bitince kaydedip USB belleğe kopyalayın.<byte value="xd"/>
 3) Cihazın &apos;software upgrade&apos; menüsünde sattp.csv dosyasını USB bellekten cihaza yükleyebilirsiniz.<byte value="xd"/>
 Dikkat: Cihazı açmadan önce USB belleği çıkarın, yoksa yazılım güncellemesi başlar.<byte value="xd"/>
<byte value="xd"/>
 LMT20 için seri port önce sizin olmalı !<byte value="xd"/>
 USB RS232 adaptörü /dev/ttyUSB0 (COM1) olarak görünür; kendinizi &apos;dialout&apos;<byte value="xd"/>
 grubuna ekleyin (sudo usermod -aG dialout $USER) ve yeniden oturum açın.<byte value="xd"/>
<byte value="xd"/>
 LMT20 VERİ GÜNCELLEME<byte value="xd"/>
 1) sattp.csv dosyasını velmora ile düzenleyin, bitince kaydedin.<byte value="xd"/>
 2) USB RS232 adaptörünü PC&apos;ye bağlayın ve cihazı açın.<byte value="xd"/>
 3) Portunu (COM1..COM9) seçin ve TP&apos;leri güncellemek için velmora&apos;nın &apos;Yaz&apos; düğmesine tıklayın.<byte value="xd"/>
 4) Güncelleme başarıyla bitince cihazın LED göstergesinde &apos;OK&apos; yazar.<byte value="xd"/>
 <byte value="xd"/>
 LMT20 YAZILIM GÜNCELLEME<byte value="xd"/>
 1) USB RS232 adaptörünü PC&apos;ye bağlayın.<byte value="xd"/>
 2) EXIT tuşuna basın ve cihazı açın.<byte value="xd"/>
 3) Yazılım hex dosyasını Dosya menüsünden açın.<byte value="xd"/>
 4) Yazılımı güncellemek için velmora&apos;nın &apos;SOFT&apos; düğmesine tıklayın.<byte value="xd"/>
 </translation>
    </message>
    <message>
        <source>Orvane Ver %1.%2</source>
        <extracomment>The version line; &quot;Orvane&quot; is the product name, never translated</extracomment>
        <translation>Orvane Sürüm %1.%2</translation>
    </message>
</context>
<context>
    <name>CompareDlg</name>
    <message numerus="yes">
        <source>%n added</source>
        <translation>
            <numerusform>%n eklendi</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n removed</source>
        <translation>
            <numerusform>%n kaldırıldı</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n changed</source>
        <translation>
            <numerusform>%n değişti</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>FormLayout</name>
    <message>
        <source>RS232 communication</source>
        <translation>RS232 bağlantısı</translation>
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
        <translation>Ekle</translation>
    </message>
    <message>
        <source>EDIT</source>
        <translation>Düzenle</translation>
    </message>
    <message>
        <source>DELETE</source>
        <translation>Sil</translation>
    </message>
    <message>
        <source>SORT</source>
        <translation>Sırala</translation>
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
        <translation>Bul (Ctrl+F)</translation>
    </message>
</context>
<context>
    <name>ImportDlg</name>
    <message>
        <source>Import transponders</source>
        <translation>Transponder içe aktar</translation>
    </message>
    <message>
        <source>Export satellites.xml</source>
        <translation>satellites.xml dışa aktar</translation>
    </message>
    <message>
        <source>C band</source>
        <translation>C bandı</translation>
    </message>
    <message>
        <source>Ka band</source>
        <translation>Ka bandı</translation>
    </message>
    <message>
        <source>Ku band</source>
        <translation>Ku bandı</translation>
    </message>
    <message>
        <source>%1: no satellites in this list</source>
        <translation>%1: bu listede uydu yok</translation>
    </message>
    <message>
        <source>All files (*);;Transponder lists (*.xml *.ini)</source>
        <translation>Tüm dosyalar (*);;Transponder listeleri (*.xml *.ini)</translation>
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
        <translation>No.</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Uydu</translation>
    </message>
    <message>
        <source>LNB</source>
        <translation>LNB</translation>
    </message>
    <message>
        <source>Freq</source>
        <translation>Frek.</translation>
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
        <translation>TEKİL</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tür</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Besleme</translation>
    </message>
    <message>
        <source>Dish</source>
        <translation>Çanak</translation>
    </message>
    <message>
        <source>DiSEqC Switch</source>
        <translation>DiSEqC anahtarı</translation>
    </message>
    <message>
        <source>DiSEqC Input</source>
        <translation>DiSEqC girişi</translation>
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
        <translation>%1 (yeni)</translation>
    </message>
    <message>
        <source>%1 added</source>
        <extracomment>Transponders added to a satellite.</extracomment>
        <translation>%1 eklendi</translation>
    </message>
    <message>
        <source>%1 removed</source>
        <extracomment>Transponders removed from a satellite.</extracomment>
        <translation>%1 kaldırıldı</translation>
    </message>
    <message>
        <source>%1 changed</source>
        <extracomment>Transponders whose symbol rate changes.</extracomment>
        <translation>%1 değişti</translation>
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
        <translation>%1, %2 ile eşleşti</translation>
    </message>
</context>
<context>
    <name>Commands</name>
    <message>
        <source>New(&amp;N)</source>
        <translation>&amp;Yeni</translation>
    </message>
    <message>
        <source>Open(&amp;O)...</source>
        <translation>&amp;Aç...</translation>
    </message>
    <message>
        <source>Open an existing table file
Open a table</source>
        <translation>Mevcut bir CSV dosyasını aç
CSV dosyası aç</translation>
    </message>
    <message>
        <source>Save(&amp;S)</source>
        <translation>&amp;Kaydet</translation>
    </message>
    <message>
        <source>Save the table to its file
Save</source>
        <translation>Geçerli CSV dosyasına kaydet
Kaydet</translation>
    </message>
    <message>
        <source>Save as(&amp;A)...</source>
        <translation>&amp;Farklı kaydet...</translation>
    </message>
    <message>
        <source>Save the table to a new file
Save as</source>
        <translation>Yeni bir CSV dosyasına kaydet
Farklı kaydet</translation>
    </message>
    <message>
        <source>Import transponders...</source>
        <translation>Transponder içe aktar...</translation>
    </message>
    <message>
        <source>Merge a satellites.xml, .ini or dvbv5 transponder list into the table
Import transponders</source>
        <translation>Tabloya bir satellites.xml, .ini veya dvbv5 transponder listesi ekle
Transponder içe aktar</translation>
    </message>
    <message>
        <source>Export satellites.xml...</source>
        <translation>satellites.xml dışa aktar...</translation>
    </message>
    <message>
        <source>Write the table as a satellites.xml file
Export satellites.xml</source>
        <translation>Tabloyu satellites.xml dosyası olarak yaz
satellites.xml dışa aktar</translation>
    </message>
    <message>
        <source>Load soft...</source>
        <translation>Yazılım yükle...</translation>
    </message>
    <message>
        <source>Load a firmware file (rav32izazud.hex)
Load soft</source>
        <translation>Mevcut bir rav32izazud.hex dosyasını yükle
rav32izazud.hex aç</translation>
    </message>
    <message>
        <source>Load icon...</source>
        <translation>Simge yükle...</translation>
    </message>
    <message>
        <source>Load an icon file (stm32icon.bin)
Load icon</source>
        <translation>Mevcut bir stm32icon.bin dosyasını yükle
stm32icon dosyası aç</translation>
    </message>
    <message>
        <source>Load logo...</source>
        <translation>Logo yükle...</translation>
    </message>
    <message>
        <source>Load a logo file (bootlogo.bin)
Load logo</source>
        <translation>Mevcut bir bootlogo.bin dosyasını yükle
bootlogo dosyası aç</translation>
    </message>
    <message>
        <source>Create Flash1M.bin</source>
        <translation>Flash1M.bin oluştur</translation>
    </message>
    <message>
        <source>Create the factory image Flash1M.bin
Create Flash1M.bin</source>
        <translation>Fabrika için Flash1M.bin oluştur
Flash1M.bin oluştur</translation>
    </message>
    <message>
        <source>Exit(&amp;X)</source>
        <translation>&amp;Çıkış</translation>
    </message>
    <message>
        <source>Quit, asking to save the changes first
Exit</source>
        <translation>Çık, önce kaydetmeyi sor
Çıkış</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Geri al</translation>
    </message>
    <message>
        <source>Undo the last change of the tables
Undo</source>
        <translation>Tablolardaki son değişikliği geri al
Geri al</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Yinele</translation>
    </message>
    <message>
        <source>Redo the change undone last
Redo</source>
        <translation>Son geri alınan değişikliği yinele
Yinele</translation>
    </message>
    <message>
        <source>TP Add...</source>
        <translation>TP ekle...</translation>
    </message>
    <message>
        <source>Add a transponder</source>
        <translation>Bir transponder ekle</translation>
    </message>
    <message>
        <source>TP Edit...</source>
        <translation>TP düzenle...</translation>
    </message>
    <message>
        <source>Edit the selected transponder</source>
        <translation>Seçili transponderi düzenle</translation>
    </message>
    <message>
        <source>TP Delete</source>
        <translation>TP sil</translation>
    </message>
    <message>
        <source>Delete the selected transponders</source>
        <translation>Seçili transponderleri sil</translation>
    </message>
    <message>
        <source>TP Sort...</source>
        <translation>TP sırala...</translation>
    </message>
    <message>
        <source>Sort the transponders</source>
        <translation>Transponderleri sırala</translation>
    </message>
    <message>
        <source>Satellite Add...</source>
        <translation>Uydu ekle...</translation>
    </message>
    <message>
        <source>Add a satellite</source>
        <translation>Bir uydu ekle</translation>
    </message>
    <message>
        <source>Satellite Edit...</source>
        <translation>Uydu düzenle...</translation>
    </message>
    <message>
        <source>Edit the chosen satellite</source>
        <translation>Seçilen uyduyu düzenle</translation>
    </message>
    <message>
        <source>Satellite Delete</source>
        <translation>Uydu sil</translation>
    </message>
    <message>
        <source>Delete the satellite of the selected transponder</source>
        <translation>Seçili transponderin uydusunu sil</translation>
    </message>
    <message>
        <source>LNB Edit...</source>
        <translation>LNB düzenle...</translation>
    </message>
    <message>
        <source>Edit the selected LNB</source>
        <translation>Seçili LNB&apos;yi düzenle</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Bul</translation>
    </message>
    <message>
        <source>Find transponders by frequency, symbol rate, polarisation or satellite</source>
        <translation>Transponderleri frekans, sembol oranı, polarizasyon veya uyduya göre bul</translation>
    </message>
    <message>
        <source>Check table...</source>
        <translation>Tabloyu denetle...</translation>
    </message>
    <message>
        <source>List what is probably wrong with the table</source>
        <translation>Tablodaki olası hataları listele</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Oku</translation>
    </message>
    <message>
        <source>Read transponders from meter</source>
        <translation>Transponderleri ölçüm cihazından oku</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>Yaz</translation>
    </message>
    <message>
        <source>Write transponders to meter</source>
        <translation>Transponderleri ölçüm cihazına yaz</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Durdur</translation>
    </message>
    <message>
        <source>Stop read/write transponders</source>
        <translation>Transponder okuma/yazmayı durdur</translation>
    </message>
    <message>
        <source>Compare with meter...</source>
        <translation>Cihazla karşılaştır...</translation>
    </message>
    <message>
        <source>Compare the tables with the meter&apos;s tables
Compare with meter</source>
        <translation>Tabloları ölçüm cihazındaki tablolarla karşılaştır
Cihazla karşılaştır</translation>
    </message>
    <message>
        <source>Unit records...</source>
        <translation>Cihaz kayıtları...</translation>
    </message>
    <message>
        <source>Show the records of the meters this bench serviced
Unit records</source>
        <translation>Bu tezgâhta işlenen ölçü aletlerinin kayıtlarını göster
Cihaz kayıtları</translation>
    </message>
    <message>
        <source>Write logo</source>
        <translation>Logo yaz</translation>
    </message>
    <message>
        <source>Write logo to meter</source>
        <translation>Logoyu ölçüm cihazına yaz</translation>
    </message>
    <message>
        <source>Write icon</source>
        <translation>Simge yaz</translation>
    </message>
    <message>
        <source>Write icon to meter</source>
        <translation>Simgeleri ölçüm cihazına yaz</translation>
    </message>
    <message>
        <source>SOFT upgrade</source>
        <translation>Yazılım güncelleme</translation>
    </message>
    <message>
        <source>Upgrade the meter&apos;s software, Please press EXIT and turn on meter first !</source>
        <translation>Ölçüm cihazının yazılımını güncelle. Lütfen önce EXIT tuşuna basın ve cihazı açın!</translation>
    </message>
    <message>
        <source>PATCH UP</source>
        <translation>PATCH UP</translation>
    </message>
    <message>
        <source>Run the ticked uploads (SOFT, ICON, LOGO, SAT TP) one by one
Patch up one by one</source>
        <translation>İşaretli yüklemeleri (SOFT, ICON, LOGO, SAT TP) sırayla çalıştır
Sırayla yükle</translation>
    </message>
    <message>
        <source>Delete meter OSD icon...</source>
        <translation>Cihazdaki OSD simgelerini sil...</translation>
    </message>
    <message>
        <source>Delete the meter&apos;s on-screen icons
Delete icons</source>
        <translation>Ölçüm cihazındaki OSD simgelerini sil
Simgeleri sil</translation>
    </message>
    <message>
        <source>Verify after write</source>
        <translation>Yazdıktan sonra doğrula</translation>
    </message>
    <message>
        <source>Read the tables back after a write and check them
Verify after write</source>
        <translation>Yazdıktan sonra tabloları geri okuyup denetle
Yazdıktan sonra doğrula</translation>
    </message>
    <message>
        <source>Back up before write</source>
        <translation>Yazmadan önce yedekle</translation>
    </message>
    <message>
        <source>Save the meter&apos;s tables in the backups folder before a write
Back up before write</source>
        <translation>Yazmadan önce cihazın tablolarını yedek klasörüne kaydet
Yazmadan önce yedekle</translation>
    </message>
    <message>
        <source>Help Contents...</source>
        <translation>Yardım konuları...</translation>
    </message>
    <message>
        <source>Show the guide to the everyday tasks
Help Contents</source>
        <translation>Günlük işler için kılavuzu göster
Yardım konuları</translation>
    </message>
    <message>
        <source>About Orvane...</source>
        <translation>Orvane hakkında...</translation>
    </message>
    <message>
        <source>Show the program&apos;s version and notes for meter owners
About</source>
        <translation>Programın sürümünü ve cihaz sahipleri için notları göster
Hakkında</translation>
    </message>
    <message>
        <source>Display transponders</source>
        <translation>Transponderleri göster</translation>
    </message>
    <message>
        <source>Display LNB</source>
        <translation>LNB&apos;leri göster</translation>
    </message>
    <message>
        <source>File(&amp;F)</source>
        <translation>&amp;Dosya</translation>
    </message>
    <message>
        <source>Edit(&amp;E)</source>
        <translation>Dü&amp;zen</translation>
    </message>
    <message>
        <source>Meter(&amp;M)</source>
        <translation>&amp;Cihaz</translation>
    </message>
    <message>
        <source>Help(&amp;H)</source>
        <translation>&amp;Yardım</translation>
    </message>
    <message>
        <source>Find meter</source>
        <translation>Ölçüm cihazını bul</translation>
    </message>
    <message>
        <source>Ask every port whether the meter answers, and choose the port it is on
Find meter</source>
        <translation>Her porta ölçüm cihazının yanıt verip vermediğini sor ve bulunduğu portu seç
Ölçüm cihazını bul</translation>
    </message>
    <message>
        <source>Import from the web...</source>
        <translation>Web&apos;den içe aktar...</translation>
    </message>
    <message>
        <source>Download a transponder list from an http or https address and merge it
Import from the web</source>
        <translation>Bir http veya https adresinden transponder listesi indir ve tabloya ekle
Web&apos;den içe aktar</translation>
    </message>
    <message>
        <source>Add satellites from the catalog...</source>
        <translation>Katalogdan uydu ekle...</translation>
    </message>
    <message>
        <source>Merge satellites from the scan tables installed on this computer
Add satellites from the catalog</source>
        <translation>Bu bilgisayarda kurulu tarama tablolarındaki uyduları ekle
Katalogdan uydu ekle</translation>
    </message>
    <message>
        <source>Restore a backup...</source>
        <translation>Yedeği geri yükle...</translation>
    </message>
    <message>
        <source>Write one of the backups taken before a write back to the meter
Restore a backup</source>
        <translation>Bir yazmadan önce alınan yedeklerden birini cihaza geri yaz
Yedeği geri yükle</translation>
    </message>
    <message>
        <source>Record unit records</source>
        <translation>Cihaz kayıtlarını tut</translation>
    </message>
    <message>
        <source>Keep a record of every meter upgraded or written in the unit records
Record unit records</source>
        <translation>Güncellenen veya yazılan her cihazı cihaz kayıtlarına işle
Cihaz kayıtlarını tut</translation>
    </message>
</context>
<context>
    <name>Core</name>
    <message>
        <source>Save the changes to %1?</source>
        <translation>%1 dosyasındaki değişiklikler kaydedilsin mi?</translation>
    </message>
    <message>
        <source>Save the changes to the table?</source>
        <translation>Tablodaki değişiklikler kaydedilsin mi?</translation>
    </message>
    <message>
        <source>soft files (*.hex);;All Files (*)</source>
        <translation>Yazılım dosyaları (*.hex);;Tüm dosyalar (*)</translation>
    </message>
    <message>
        <source>SOFT:</source>
        <translation>SOFT:</translation>
    </message>
    <message>
        <source>Device initialize ...</source>
        <translation>Cihaz hazırlanıyor ...</translation>
    </message>
    <message>
        <source>File open failed ! </source>
        <translation>Dosya açılamadı ! </translation>
    </message>
    <message>
        <source>Device not found ! </source>
        <translation>Cihaz bulunamadı ! </translation>
    </message>
    <message>
        <source>Firmware file is empty ! </source>
        <translation>Yazılım dosyası boş ! </translation>
    </message>
    <message>
        <source>Firmware larger than flash ! </source>
        <translation>Yazılım flash belleğe sığmıyor ! </translation>
    </message>
    <message>
        <source>Erasing memory ...</source>
        <translation>Bellek siliniyor ...</translation>
    </message>
    <message>
        <source>Failed to erase memory !</source>
        <translation>Bellek silinemedi !</translation>
    </message>
    <message>
        <source>Failed to read file !</source>
        <translation>Dosya okunamadı !</translation>
    </message>
    <message>
        <source>Failed to write memory !</source>
        <translation>Belleğe yazılamadı !</translation>
    </message>
    <message>
        <source>Failed to read memory !</source>
        <translation>Bellek okunamadı !</translation>
    </message>
    <message>
        <source>Software upgrade success ! </source>
        <translation>Yazılım güncelleme başarılı ! </translation>
    </message>
    <message>
        <source>GetCommState Error </source>
        <translation>GetCommState hatası </translation>
    </message>
    <message>
        <source>SetCommState Error </source>
        <translation>SetCommState hatası </translation>
    </message>
    <message>
        <source>Failed to create event for thread!</source>
        <translation>İş parçacığı için olay oluşturulamadı!</translation>
    </message>
    <message>
        <source>Connect fail </source>
        <translation>Bağlantı başarısız </translation>
    </message>
    <message>
        <source> ask timeout !  </source>
        <translation> sorgu zaman aşımı !  </translation>
    </message>
    <message>
        <source>Wait for connect ...</source>
        <translation>Bağlantı bekleniyor ...</translation>
    </message>
    <message>
        <source>Press Stop to give up.</source>
        <translation>Vazgeçmek için Durdur&apos;a basın.</translation>
    </message>
    <message>
        <source>Press Ctrl+C to give up.</source>
        <translation>Vazgeçmek için Ctrl+C&apos;ye basın.</translation>
    </message>
    <message>
        <source>Read Completed ! </source>
        <translation>Okuma tamamlandı ! </translation>
    </message>
    <message>
        <source>Read Failed ! </source>
        <translation>Okuma başarısız ! </translation>
    </message>
    <message>
        <source>Write Completed ! </source>
        <translation>Yazma tamamlandı ! </translation>
    </message>
    <message>
        <source>Write Failed ! </source>
        <translation>Yazma başarısız ! </translation>
    </message>
    <message>
        <source>Delete Completed ! </source>
        <translation>Silme tamamlandı ! </translation>
    </message>
    <message>
        <source>Delete Failed ! </source>
        <translation>Silme başarısız ! </translation>
    </message>
    <message>
        <source>Read LNB ...</source>
        <translation>LNB okunuyor ...</translation>
    </message>
    <message>
        <source>Read Satellites ...</source>
        <translation>Uydular okunuyor ...</translation>
    </message>
    <message>
        <source>Read Transponders ...</source>
        <translation>Transponderler okunuyor ...</translation>
    </message>
    <message>
        <source>Write LNB ...</source>
        <translation>LNB yazılıyor ...</translation>
    </message>
    <message>
        <source>Write Satellites ...</source>
        <translation>Uydular yazılıyor ...</translation>
    </message>
    <message>
        <source>Write Transponders ...</source>
        <translation>Transponderler yazılıyor ...</translation>
    </message>
    <message>
        <source>Verify ...</source>
        <translation>Doğrulanıyor ...</translation>
    </message>
    <message>
        <source>Verify Failed ! </source>
        <translation>Doğrulama başarısız ! </translation>
    </message>
    <message>
        <source>Verify failed: the table could not be read back from the meter.</source>
        <translation>Doğrulama başarısız: tablo ölçüm cihazından geri okunamadı.</translation>
    </message>
    <message>
        <source>Backup Failed ! </source>
        <translation>Yedekleme başarısız ! </translation>
    </message>
    <message>
        <source>Backup failed: the meter&apos;s table could not be read. Nothing was written; the meter&apos;s table was left as it was.</source>
        <translation>Yedekleme başarısız: cihazın tablosu okunamadı. Hiçbir şey yazılmadı; cihazın tablosu olduğu gibi kaldı.</translation>
    </message>
    <message>
        <source>You stopped the backup read. Nothing was written; the meter&apos;s table is as it was.</source>
        <translation>Yedek okumasını durdurdunuz. Hiçbir şey yazılmadı; cihazın tablosu olduğu gibi duruyor.</translation>
    </message>
    <message>
        <source>You stopped the read-back: the table was written to the meter but not checked.</source>
        <translation>Geri okumayı durdurdunuz: tablo cihaza yazıldı ama denetlenmedi.</translation>
    </message>
    <message>
        <source>You stopped the write part-way, so the meter may now hold a partial table. Write the table again to make it whole.</source>
        <translation>Yazmayı yarıda durdurdunuz; cihazda artık eksik bir tablo olabilir. Tamamlamak için tabloyu yeniden yazın.</translation>
    </message>
    <message>
        <source>The write broke off part-way, so the meter may now hold a partial table. Check that the meter is switched on and connected, then write the table again.</source>
        <translation>Yazma yarıda kesildi; cihazda artık eksik bir tablo olabilir. Cihazın açık ve bağlı olduğunu denetleyin, sonra tabloyu yeniden yazın.</translation>
    </message>
    <message>
        <source>Open logo file error !</source>
        <translation>Logo dosyası açma hatası !</translation>
    </message>
    <message>
        <source>Open icon file error !</source>
        <translation>Simge dosyası açma hatası !</translation>
    </message>
    <message>
        <source>Logo file too short !</source>
        <translation>Logo dosyası çok kısa !</translation>
    </message>
    <message>
        <source>Icon file too short !</source>
        <translation>Simge dosyası çok kısa !</translation>
    </message>
    <message>
        <source>Write logo ...</source>
        <translation>Logo yazılıyor ...</translation>
    </message>
    <message>
        <source>Write icon ...</source>
        <translation>Simgeler yazılıyor ...</translation>
    </message>
    <message>
        <source>Are you sure to delete meter osd icon ?  </source>
        <translation>Cihazdaki OSD simgeleri silinsin mi ?  </translation>
    </message>
    <message>
        <source>logo files (*.bin);;All Files (*)</source>
        <translation>Logo dosyaları (*.bin);;Tüm dosyalar (*)</translation>
    </message>
    <message>
        <source>icon files (*.bin);;All Files (*)</source>
        <translation>Simge dosyaları (*.bin);;Tüm dosyalar (*)</translation>
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
        <translation>Dosya kaydetme hatası !</translation>
    </message>
    <message>
        <source>The table has no satellites or transponders to write.</source>
        <translation>Tabloda yazılacak uydu veya transponder yok.</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>Geri al: %1</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>Yinele: %1</translation>
    </message>
    <message>
        <source>Delete %1 TPs</source>
        <translation>%1 TP sil</translation>
    </message>
    <message>
        <source>Add Satellite</source>
        <translation>Uydu ekle</translation>
    </message>
    <message>
        <source>Delete Satellite</source>
        <translation>Uydu sil</translation>
    </message>
    <message>
        <source>Edit Satellite</source>
        <translation>Uydu düzenle</translation>
    </message>
    <message>
        <source>Add TP</source>
        <translation>TP ekle</translation>
    </message>
    <message>
        <source>Edit TP</source>
        <translation>TP düzenle</translation>
    </message>
    <message>
        <source>Delete TP</source>
        <translation>TP sil</translation>
    </message>
    <message>
        <source>Edit LNB</source>
        <translation>LNB düzenle</translation>
    </message>
    <message>
        <source>Sort TPs</source>
        <translation>TP sırala</translation>
    </message>
    <message>
        <source>Read from Meter</source>
        <translation>Cihazdan oku</translation>
    </message>
    <message>
        <source>sattp files (*.csv);;All Files (*)</source>
        <translation>sattp dosyaları (*.csv);;Tüm dosyalar (*)</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Aç</translation>
    </message>
    <message>
        <source>Save as</source>
        <translation>Farklı kaydet</translation>
    </message>
    <message>
        <source>A firmware file&apos;s name begins with rav32izazud.</source>
        <translation>Yazılım dosyasının adı rav32izazud ile başlar.</translation>
    </message>
    <message>
        <source>A logo file&apos;s name begins with stm32logo.</source>
        <translation>Logo dosyasının adı stm32logo ile başlar.</translation>
    </message>
    <message>
        <source>An icon file&apos;s name begins with stm32icon.</source>
        <translation>Simge dosyasının adı stm32icon ile başlar.</translation>
    </message>
    <message>
        <source>%1(the adapter was unplugged)</source>
        <translation>%1(adaptör çıkarıldı)</translation>
    </message>
    <message>
        <source>Meter found on %1</source>
        <translation>Ölçüm cihazı bulundu: %1</translation>
    </message>
    <message>
        <source>A meter in its bootloader answered on %1: use Firmware upgrade (Meter &gt; SOFT upgrade)</source>
        <translation>Önyükleyicideki bir ölçüm cihazı %1 üzerinde yanıt verdi: Yazılım güncelleme kullanın (Cihaz &gt; Yazılım güncelleme)</translation>
    </message>
    <message>
        <source>No meter answered on %1: is the meter switched on and its cable plugged?</source>
        <translation>%1 üzerinde hiçbir ölçüm cihazı yanıt vermedi: ölçüm cihazı açık ve kablosu takılı mı?</translation>
    </message>
    <message>
        <source>No meter could be asked: %1</source>
        <translation>Hiçbir ölçüm cihazına sorulamadı: %1</translation>
    </message>
    <message>
        <source>USB serial adapter plugged in: %1</source>
        <translation>USB RS232 adaptör takıldı: %1</translation>
    </message>
    <message>
        <source>USB serial adapter pulled out: %1</source>
        <translation>USB RS232 adaptör çıkarıldı: %1</translation>
    </message>
    <message>
        <source>You are not allowed to use %1: add yourself to the group &apos;%2&apos; (sudo usermod -aG %3 $USER) and log in again</source>
        <translation>%1 için kullanma izniniz yok: kendinizi &apos;%2&apos; grubuna ekleyin (sudo usermod -aG %3 $USER) ve yeniden oturum açın</translation>
    </message>
    <message>
        <source>%1 is in use by another program</source>
        <translation>%1 başka bir program tarafından kullanılıyor</translation>
    </message>
    <message>
        <source>%1 is in use by another program (%2)</source>
        <translation>%1 başka bir program tarafından kullanılıyor (%2)</translation>
    </message>
    <message>
        <source>%1 is locked by another program (%2)</source>
        <translation>%1 başka bir program tarafından kilitlendi (%2)</translation>
    </message>
    <message>
        <source>%1 is gone: is the cable plugged in?</source>
        <translation>%1 kayboldu: kablo takılı mı?</translation>
    </message>
    <message>
        <source>%1 is not a serial port</source>
        <translation>%1 bir seri port değil</translation>
    </message>
    <message>
        <source>%1 cannot be opened</source>
        <translation>%1 açılamıyor</translation>
    </message>
    <message>
        <source>%1 cannot be opened: %2</source>
        <translation>%1 açılamıyor: %2</translation>
    </message>
    <message>
        <source>%1 is busy: ModemManager is probing it; the package&apos;s udev rule keeps it away, or wait 10 s</source>
        <translation>%1 meşgul: ModemManager onu yokluyor; paketin udev kuralı onu uzak tutar, ya da 10 sn bekleyin</translation>
    </message>
    <message>
        <source>A %1 USB serial adapter is plugged in but has no port: brltty (a braille display service) claimed it; remove brltty with &apos;sudo apt remove brltty&apos; or, if a braille display needs it, run &apos;sudo systemctl mask brltty-udev.service&apos; and plug the adapter in again</source>
        <translation>Bir %1 USB RS232 adaptör takılı ama portu yok: brltty (bir braille ekran hizmeti) onu sahiplendi; brltty&apos;yi &apos;sudo apt remove brltty&apos; ile kaldırın ya da bir braille ekran gerekiyorsa &apos;sudo systemctl mask brltty-udev.service&apos; çalıştırıp adaptörü yeniden takın</translation>
    </message>
    <message>
        <source>%1 has no device: is the cable plugged in? (VELMORA_%2 may name its path)</source>
        <translation>%1 için aygıt yok: kablo takılı mı? (VELMORA_%2 yolunu belirtebilir)</translation>
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
        <translation>Kapalı</translation>
    </message>
    <message>
        <source>Fixed</source>
        <translation>Sabit</translation>
    </message>
    <message>
        <source>Moved</source>
        <translation>Motorlu</translation>
    </message>
    <message>
        <source>Looking for the meter ...</source>
        <translation>Ölçüm cihazı aranıyor ...</translation>
    </message>
    <message>
        <source>No USB serial adapter is plugged in.</source>
        <translation>Takılı USB RS232 adaptör yok.</translation>
    </message>
    <message>
        <source>%1 answers late (latency timer %2 ms): a table write will take about %3 seconds; see the manual page</source>
        <translation>%1 geç yanıt veriyor (latency timer %2 ms): tablo yazma yaklaşık %3 saniye sürecek; kılavuz sayfasına bakın</translation>
    </message>
    <message>
        <source>%1 answers late (latency timer %2 ms): a table write will take about %3 minutes; see the manual page</source>
        <translation>%1 geç yanıt veriyor (latency timer %2 ms): tablo yazma yaklaşık %3 dakika sürecek; kılavuz sayfasına bakın</translation>
    </message>
    <message>
        <source>%1 cannot keep: %2.</source>
        <translation>%1 şunları tutamaz: %2.</translation>
    </message>
    <message>
        <source>%1 Save anyway ?</source>
        <translation>%1 Yine de kaydedilsin mi ?</translation>
    </message>
    <message>
        <source>%1: frequency %2 is outside %3..%4 MHz</source>
        <translation>%1: %2 frekansı %3..%4 MHz aralığının dışında</translation>
    </message>
    <message>
        <source>%1: symbol rate %2 is outside %3..%4 kS/s</source>
        <translation>%1: %2 sembol oranı %3..%4 kS/s aralığının dışında</translation>
    </message>
    <message>
        <source>LNB %1: unknown type %2 (shown as 5150)</source>
        <translation>LNB %1: bilinmeyen tür %2 (5150 olarak gösteriliyor)</translation>
    </message>
    <message>
        <source>%1: position %2 is above 3599 tenths of a degree (shown as %3)</source>
        <translation>%1: %2 konumu 3599 onda bir dereceyi aşıyor (%3 olarak gösteriliyor)</translation>
    </message>
    <message>
        <source>%1: name has bytes that are not UTF-8 (%2)</source>
        <translation>%1: adda UTF-8 olmayan baytlar var (%2)</translation>
    </message>
    <message>
        <source>%1: no transponders</source>
        <translation>%1: transponder yok</translation>
    </message>
    <message>
        <source>%1: SAT %2 is not in use (the table has %3 satellites)</source>
        <translation>%1: SAT %2 kullanılmıyor (tabloda %3 uydu var)</translation>
    </message>
    <message>
        <source>%1: duplicate of TP %2 (%3)</source>
        <translation>%1: TP %2 ile aynı (%3)</translation>
    </message>
    <message>
        <source>1 difference</source>
        <translation>1 fark</translation>
    </message>
    <message>
        <source>%1 differences</source>
        <translation>%1 fark</translation>
    </message>
    <message>
        <source>order differs</source>
        <translation>sıra farklı</translation>
    </message>
    <message>
        <source>icon written</source>
        <translation>simgeler yazıldı</translation>
    </message>
    <message>
        <source>logo written</source>
        <translation>logo yazıldı</translation>
    </message>
    <message>
        <source>icon and logo written</source>
        <translation>simgeler ve logo yazıldı</translation>
    </message>
    <message>
        <source>tables written</source>
        <translation>tablolar yazıldı</translation>
    </message>
    <message>
        <source>icon and tables written</source>
        <translation>simgeler ve tablolar yazıldı</translation>
    </message>
    <message>
        <source>logo and tables written</source>
        <translation>logo ve tablolar yazıldı</translation>
    </message>
    <message>
        <source>icon, logo and tables written</source>
        <translation>simgeler, logo ve tablolar yazıldı</translation>
    </message>
    <message>
        <source>Patch up done in %1 s: firmware upgraded and verified.</source>
        <translation>Sırayla yükleme %1 sn içinde tamamlandı: yazılım güncellendi ve doğrulandı.</translation>
    </message>
    <message>
        <source>Patch up done in %1 s.</source>
        <translation>Sırayla yükleme %1 sn içinde tamamlandı.</translation>
    </message>
    <message>
        <source>Patch up done in %1 s: firmware upgraded and verified; %2.</source>
        <translation>Sırayla yükleme %1 sn içinde tamamlandı: yazılım güncellendi ve doğrulandı; %2.</translation>
    </message>
    <message>
        <source>Patch up done in %1 s: %2.</source>
        <translation>Sırayla yükleme %1 sn içinde tamamlandı: %2.</translation>
    </message>
    <message>
        <source>No answer from the meter on %1 yet: is it switched on and connected to this port? %2</source>
        <translation>%1 üzerinde ölçüm cihazından henüz yanıt yok: cihaz açık ve bu porta bağlı mı? %2</translation>
    </message>
    <message>
        <source>No answer from the meter on %1: is it switched on and connected to this port? Nothing on the meter was changed.</source>
        <translation>%1 üzerinde ölçüm cihazından yanıt yok: cihaz açık ve bu porta bağlı mı? Ölçüm cihazında hiçbir şey değiştirilmedi.</translation>
    </message>
    <message>
        <source>%1 The meter&apos;s table before this write is in %2.</source>
        <translation>%1 Cihazın bu yazmadan önceki tablosu %2 içinde.</translation>
    </message>
    <message>
        <source>Backup failed: cannot write %1: %2. Nothing was written; the meter&apos;s table was left as it was.</source>
        <translation>Yedekleme başarısız: %1 yazılamıyor: %2. Hiçbir şey yazılmadı; cihazın tablosu olduğu gibi kaldı.</translation>
    </message>
    <message>
        <source>%1 was not read completely:

%2

Saving it writes the table without what is listed here.</source>
        <translation>%1 tam olarak okunamadı:

%2

Kaydederseniz tablo, burada listelenenler olmadan yazılır.</translation>
    </message>
    <message>
        <source>%1 was not read completely (1 finding), so the table to be saved is shorter than that file.</source>
        <translation>%1 tam olarak okunamadı (1 bulgu); bu yüzden kaydedilecek tablo o dosyadan daha kısa.</translation>
    </message>
    <message>
        <source>%1 was not read completely (%2 findings), so the table to be saved is shorter than that file.</source>
        <translation>%1 tam olarak okunamadı (%2 bulgu); bu yüzden kaydedilecek tablo o dosyadan daha kısa.</translation>
    </message>
    <message>
        <source>Flash1M.bin written: %1 (%2 bytes)</source>
        <translation>Flash1M.bin yazıldı: %1 (%2 bayt)</translation>
    </message>
    <message>
        <source>%1

The result was added to %2.</source>
        <translation>%1

Sonuç %2 dosyasına eklendi.</translation>
    </message>
    <message>
        <source>Import added nothing</source>
        <translation>İçe aktarma hiçbir şey eklemedi</translation>
    </message>
    <message>
        <source>Import added 1 TP</source>
        <translation>İçe aktarma 1 TP ekledi</translation>
    </message>
    <message>
        <source>Import added %1 TPs</source>
        <translation>İçe aktarma %1 TP ekledi</translation>
    </message>
    <message>
        <source>Import added 1 TP, 1 satellite</source>
        <translation>İçe aktarma 1 TP, 1 uydu ekledi</translation>
    </message>
    <message>
        <source>Import added %1 TPs, 1 satellite</source>
        <translation>İçe aktarma %1 TP, 1 uydu ekledi</translation>
    </message>
    <message>
        <source>Import added 1 TP, %1 satellites</source>
        <translation>İçe aktarma 1 TP, %1 uydu ekledi</translation>
    </message>
    <message>
        <source>Import added %1 TPs, %2 satellites</source>
        <translation>İçe aktarma %1 TP, %2 uydu ekledi</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>%1 yazılamıyor: %2</translation>
    </message>
    <message>
        <source>Exported 1 satellite and 1 transponder to %1</source>
        <translation>1 uydu ve 1 transponder %1 dosyasına dışa aktarıldı</translation>
    </message>
    <message>
        <source>Exported 1 satellite and %1 transponders to %2</source>
        <translation>1 uydu ve %1 transponder %2 dosyasına dışa aktarıldı</translation>
    </message>
    <message>
        <source>Exported %1 satellites and 1 transponder to %2</source>
        <translation>%1 uydu ve 1 transponder %2 dosyasına dışa aktarıldı</translation>
    </message>
    <message>
        <source>Exported %1 satellites and %2 transponders to %3</source>
        <translation>%1 uydu ve %2 transponder %3 dosyasına dışa aktarıldı</translation>
    </message>
    <message>
        <source>Cannot copy the sample table into %1.</source>
        <translation>Örnek tablo %1 içine kopyalanamıyor.</translation>
    </message>
    <message>
        <source>Cannot create the data folder %1: %2</source>
        <translation>%1 veri klasörü oluşturulamıyor: %2</translation>
    </message>
    <message>
        <source>a file of that name is in the way</source>
        <translation>aynı adda bir dosya engel oluyor</translation>
    </message>
    <message>
        <source>Delete the transponder %1?</source>
        <translation>Transponder %1 silinsin mi?</translation>
    </message>
    <message>
        <source>Delete %1 TPs ?</source>
        <translation>%1 TP silinsin mi ?</translation>
    </message>
    <message>
        <source>Delete the satellite %1 and its transponders?</source>
        <translation>Uydu %1 ve transponderleri silinsin mi?</translation>
    </message>
    <message>
        <source>matched %1, added %2 satellites and %3 transponders, %4 duplicates skipped, %5 replaced, %6 left out (table full), %7 invalid</source>
        <translation>%1 eşleşti, %2 uydu ve %3 transponder eklendi, %4 tekrar atlandı, %5 değiştirildi, %6 alınmadı (tablo dolu), %7 geçersiz</translation>
    </message>
    <message>
        <source>no scan tables in %1: install them with &apos;sudo apt install dtv-scan-tables&apos;</source>
        <translation>%1 içinde tarama tablosu yok: &apos;sudo apt install dtv-scan-tables&apos; ile kurun</translation>
    </message>
    <message>
        <source>no scan tables in %1: %2</source>
        <translation>%1 içinde tarama tablosu yok: %2</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>İçe aktar</translation>
    </message>
    <message>
        <source>Downloading %1</source>
        <translation>%1 indiriliyor</translation>
    </message>
    <message>
        <source>Download failed</source>
        <translation>İndirme başarısız</translation>
    </message>
    <message>
        <source>Take the Meter&apos;s Table</source>
        <translation>Cihazın tablosunu al</translation>
    </message>
    <message>
        <source>SOFT upgrade erases the meter&apos;s firmware and writes %1 in its place.

Switch the meter on while holding EXIT, then answer Yes.
Do not switch the meter off until the upgrade is done.

Upgrade the firmware now?</source>
        <translation>SOFT yükseltmesi cihazın yazılımını siler ve yerine %1 yazar.

EXIT basılı tutarken cihazı açın, sonra Evet deyin.
Yükseltme bitene kadar cihazı kapatmayın.

Yazılım şimdi yükseltilsin mi?</translation>
    </message>
    <message>
        <source>Logo written: %1</source>
        <translation>Logo yazıldı: %1</translation>
    </message>
    <message>
        <source>Icon written: %1</source>
        <translation>Simge yazıldı: %1</translation>
    </message>
    <message>
        <source>Icon file too large !</source>
        <translation>Simge dosyası çok büyük !</translation>
    </message>
    <message>
        <source>Icon file header makes no sense ! %1 announces records of %2 bytes, %3 x %4 of each size: all three must be above 0.</source>
        <translation>Simge dosyasının başlığı anlamsız ! %1, %2 baytlık kayıtlar, her boyuttan %3 x %4 bildiriyor: üçü de 0&apos;dan büyük olmalı.</translation>
    </message>
    <message>
        <source>Icon file too large ! %1 announces %2 bytes; the meter&apos;s icon area holds %3.</source>
        <translation>Simge dosyası çok büyük ! %1, %2 bayt bildiriyor; ölçerin simge alanı %3 bayt alır.</translation>
    </message>
    <message>
        <source>Logo file too short ! %1 holds %2 bytes; a logo takes %3.</source>
        <translation>Logo dosyası çok kısa ! %1 %2 bayt içeriyor; bir logo %3 bayt tutar.</translation>
    </message>
    <message>
        <source>Icon file too short ! %1 holds %2 bytes; an icon header takes %3.</source>
        <translation>Simge dosyası çok kısa ! %1 %2 bayt içeriyor; bir simge başlığı %3 bayt tutar.</translation>
    </message>
    <message>
        <source>Icon file too short ! %1 holds %2 bytes; its header announces %3.</source>
        <translation>Simge dosyası çok kısa ! %1 %2 bayt içeriyor; başlığı %3 bayt bildiriyor.</translation>
    </message>
    <message>
        <source>hold EXIT while switching the meter on, then try again</source>
        <translation>ölçeri açarken EXIT tuşunu basılı tutun, sonra yeniden deneyin</translation>
    </message>
    <message>
        <source>%1: LNB %2 (%3) receives %4..%5 MHz only</source>
        <translation>%1: LNB %2 (%3) yalnızca %4..%5 MHz alır</translation>
    </message>
    <message>
        <source>The meter restarts with its new firmware: %1 s</source>
        <translation>Ölçer yeni yazılımıyla yeniden başlıyor: %1 sn</translation>
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
        <translation>%1 içinde yedek yok. Cihaz &gt; Yazmadan önce yedekle açıkken her yazmadan önce bir yedek alınır.</translation>
    </message>
    <message>
        <source>Write the backup %1 to the meter? It replaces the meter&apos;s table.</source>
        <translation>%1 yedeği cihaza yazılsın mı? Cihazın tablosunun yerini alır.</translation>
    </message>
    <message>
        <source>Backup written to the meter: %1</source>
        <translation>Yedek cihaza yazıldı: %1</translation>
    </message>
    <message>
        <source>The backup %1 holds no satellites, so there is nothing to write back.</source>
        <translation>%1 yedeğinde uydu yok, bu yüzden geri yazılacak bir şey yok.</translation>
    </message>
    <message>
        <source>No data folder for the unit records (HOME is not set); turn off Meter &gt; Record unit records or name a file in the settings.</source>
        <translation>Cihaz kayıtları için veri klasörü yok (HOME ayarlı değil); Cihaz &gt; Cihaz kayıtlarını tut seçeneğini kapatın veya ayarlarda bir dosya belirtin.</translation>
    </message>
</context>
<context>
    <name>Language</name>
    <message>
        <source>Language</source>
        <translation>Dil</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>Sistem varsayılanı</translation>
    </message>
    <message>
        <source>The language changes when Orvane is started next.</source>
        <translation>Dil, Orvane bir sonraki açılışında değişir.</translation>
    </message>
</context>
<context>
    <name>LnbChoiceText</name>
    <message>
        <source>no DiSEqC</source>
        <translation>DiSEqC yok</translation>
    </message>
    <message>
        <source>unknown DiSEqC switch</source>
        <translation>bilinmeyen DiSEqC anahtarı</translation>
    </message>
    <message>
        <source>DiSEqC %1 tone burst %2</source>
        <translation>DiSEqC %1 ton burst %2</translation>
    </message>
    <message>
        <source>DiSEqC %1 input %2</source>
        <translation>DiSEqC %1 giriş %2</translation>
    </message>
</context>
<context>
    <name>MeterMenu</name>
    <message>
        <source>backups/ beside the table</source>
        <translation>tablonun yanındaki backups/</translation>
    </message>
    <message>
        <source>Back up before write (to %1)</source>
        <translation>Yazmadan önce yedekle (%1 içine)</translation>
    </message>
    <message>
        <source>Write the backup back</source>
        <translation>Yedeği geri yaz</translation>
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
        <translation>Aç</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Kaydet</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Durdur</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Oku</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>Yaz</translation>
    </message>
</context>
<context>
    <name>velmora::AboutDlg</name>
    <message>
        <source>About Orvane</source>
        <translation>Orvane hakkında</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Tamam</translation>
    </message>
</context>
<context>
    <name>velmora::CatalogDlg</name>
    <message>
        <source>Add satellites from the catalog</source>
        <translation>Katalogdan uydu ekle</translation>
    </message>
    <message>
        <source>Find a satellite by name or position</source>
        <translation>Uyduyu adına veya konumuna göre bul</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Konum</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Ad</translation>
    </message>
    <message>
        <source>TPs</source>
        <translation>TP</translation>
    </message>
    <message>
        <source>Tick the satellites to add.</source>
        <translation>Eklenecek uyduları işaretleyin.</translation>
    </message>
</context>
<context>
    <name>velmora::CheckDlg</name>
    <message>
        <source>Check table</source>
        <translation>Tabloyu denetle</translation>
    </message>
    <message>
        <source>Nothing looks wrong with the table.</source>
        <translation>Tabloda yanlış görünen bir şey yok.</translation>
    </message>
    <message numerus="yes">
        <source>%n finding(s); click one to select its row.</source>
        <translation>
            <numerusform>%n bulgu; satırını seçmek için birine tıklayın.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>velmora::CompareDlg</name>
    <message>
        <source>Compare with meter</source>
        <translation>Cihazla karşılaştır</translation>
    </message>
    <message>
        <source>What writing the document&apos;s tables would change on the meter:</source>
        <translation>Belgenin tablolarını yazmak ölçüm cihazında şunları değiştirir:</translation>
    </message>
    <message>
        <source>Take the meter&apos;s table</source>
        <translation>Cihazın tablosunu al</translation>
    </message>
    <message>
        <source>Replace the document&apos;s tables with the meter&apos;s</source>
        <translation>Belgenin tablolarını cihazınkilerle değiştir</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Kapat</translation>
    </message>
    <message>
        <source>Write to the meter</source>
        <translation>Cihaza yaz</translation>
    </message>
    <message>
        <source>Replace the meter&apos;s table with the document&apos;s</source>
        <translation>Cihazın tablosunu belgenin tablosuyla değiştir</translation>
    </message>
</context>
<context>
    <name>velmora::FormDialog</name>
    <message>
        <source>OK</source>
        <translation>Tamam</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
</context>
<context>
    <name>velmora::HelpDlg</name>
    <message>
        <source>Orvane Help</source>
        <translation>Orvane Yardım</translation>
    </message>
</context>
<context>
    <name>velmora::ImportDlg</name>
    <message>
        <source>Find a satellite by name or position</source>
        <translation>Uyduyu adına veya konumuna göre bul</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Konum</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Ad</translation>
    </message>
    <message>
        <source>TPs</source>
        <extracomment>Column of transponder counts</extracomment>
        <translation>TP</translation>
    </message>
    <message>
        <source>Goes into</source>
        <translation>Hedef</translation>
    </message>
    <message>
        <source>The name a new satellite gets; double-click to change it</source>
        <translation>Yeni uydunun alacağı ad; değiştirmek için çift tıklayın</translation>
    </message>
    <message>
        <source>A new satellite, or a table satellite of the band within 1.0 degree</source>
        <translation>Yeni bir uydu ya da tablodaki aynı banttan en fazla 1,0 derece uzaktaki bir uydu</translation>
    </message>
    <message>
        <source>Select all</source>
        <translation>Tümünü seç</translation>
    </message>
    <message>
        <source>Select none</source>
        <translation>Hiçbirini seçme</translation>
    </message>
    <message>
        <source>LNB of new Ku-band satellites</source>
        <translation>Yeni Ku bandı uydularının LNB&apos;si</translation>
    </message>
    <message>
        <source>LNB of new C-band satellites</source>
        <translation>Yeni C bandı uydularının LNB&apos;si</translation>
    </message>
    <message>
        <source>Add new transponders</source>
        <translation>Yeni transponderleri ekle</translation>
    </message>
    <message>
        <source>Replace the transponders of the table satellites they go into</source>
        <translation>Hedef tablo uydularının transponderlerini değiştir</translation>
    </message>
    <message>
        <source>new</source>
        <extracomment>The choice &quot;a new satellite&quot; in the &quot;Goes into&quot; column</extracomment>
        <translation>yeni</translation>
    </message>
    <message>
        <source>Nothing in the table changes.</source>
        <translation>Tabloda hiçbir şey değişmiyor.</translation>
    </message>
    <message>
        <source>LNB of new Ka-band satellites</source>
        <translation>Yeni Ka bandı uydularının LNB&apos;si</translation>
    </message>
</context>
<context>
    <name>velmora::LnbEditDlg</name>
    <message>
        <source>LNB Edit</source>
        <translation>LNB düzenle</translation>
    </message>
    <message>
        <source>LNB frequency</source>
        <translation>LNB frekansı</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Kapalı</translation>
    </message>
    <message>
        <source>LNB power</source>
        <translation>LNB besleme</translation>
    </message>
    <message>
        <source>Fixed</source>
        <translation>Sabit</translation>
    </message>
    <message>
        <source>Moved</source>
        <translation>Motorlu</translation>
    </message>
    <message>
        <source>Dish type</source>
        <translation>Çanak tipi</translation>
    </message>
    <message>
        <source>DiSEqC switch</source>
        <translation>DiSEqC anahtarı</translation>
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
        <translation>DiSEqC girişi</translation>
    </message>
    <message>
        <source>22 kHz tone</source>
        <translation>22 kHz ton</translation>
    </message>
</context>
<context>
    <name>velmora::MainFrame</name>
    <message>
        <source>Ready</source>
        <translation>Hazır</translation>
    </message>
    <message>
        <source>Recent files</source>
        <translation>Son dosyalar</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Araç çubuğu</translation>
    </message>
    <message>
        <source>Satellites %1/%2   TPs %3/%4</source>
        <extracomment>How full the tables are; &quot;TPs&quot; are transponders</extracomment>
        <translation>Uydular %1/%2   TP %3/%4</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Adsız</translation>
    </message>
</context>
<context>
    <name>velmora::RestoreDlg</name>
    <message>
        <source>Restore a backup</source>
        <translation>Yedeği geri yükle</translation>
    </message>
    <message>
        <source>The backups in %1, newest first. The one you choose replaces the meter&apos;s table; the document stays as it is.</source>
        <translation>%1 içindeki yedekler, en yenisi önce. Seçtiğiniz yedek cihazın tablosunun yerini alır; belge olduğu gibi kalır.</translation>
    </message>
    <message>
        <source>Taken</source>
        <translation>Alındığı zaman</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Dosya</translation>
    </message>
    <message>
        <source>Write to the meter</source>
        <translation>Cihaza yaz</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Kapat</translation>
    </message>
</context>
<context>
    <name>velmora::SatAddDlg</name>
    <message>
        <source>Satellite Edit</source>
        <translation>Uydu düzenle</translation>
    </message>
    <message>
        <source>Satellite Add</source>
        <translation>Uydu ekle</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Uydu</translation>
    </message>
    <message>
        <source>East</source>
        <translation>Doğu</translation>
    </message>
    <message>
        <source>West</source>
        <translation>Batı</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Boylam</translation>
    </message>
    <message>
        <source>%1 of %2 bytes left</source>
        <translation>%2 bayttan %1 bayt kaldı</translation>
    </message>
    <message>
        <source>A comma cannot be stored: sattp.csv separates its columns with commas.</source>
        <translation>Virgül saklanamaz: sattp.csv sütunlarını virgülle ayırır.</translation>
    </message>
    <message>
        <source>No room left: a name holds at most %1 bytes, and a letter such as é takes 2.</source>
        <translation>Yer kalmadı: bir ad en fazla %1 bayt tutar ve é gibi bir harf 2 bayt kaplar.</translation>
    </message>
</context>
<context>
    <name>velmora::SatelliteTree</name>
    <message>
        <source>All Satellites</source>
        <translation>Tüm uydular</translation>
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
        <translation>Uydu</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frekans</translation>
    </message>
    <message>
        <source>MHz</source>
        <translation>MHz</translation>
    </message>
    <message>
        <source>Symbol rate</source>
        <translation>Sembol oranı</translation>
    </message>
    <message>
        <source>kS/s</source>
        <translation>kS/s</translation>
    </message>
    <message>
        <source>Vertical / right (13 V)</source>
        <translation>Dikey / sağ (13 V)</translation>
    </message>
    <message>
        <source>Horizontal / left (18 V)</source>
        <translation>Yatay / sol (18 V)</translation>
    </message>
    <message>
        <source>Polarisation</source>
        <translation>Polarizasyon</translation>
    </message>
    <message>
        <source>Unique</source>
        <extracomment>A transponder found nowhere else in the table</extracomment>
        <translation>Tekil</translation>
    </message>
</context>
<context>
    <name>velmora::TpSortDlg</name>
    <message>
        <source>Frequency</source>
        <translation>Frekans</translation>
    </message>
    <message>
        <source>Symbol rate</source>
        <translation>Sembol oranı</translation>
    </message>
    <message>
        <source>Polarisation</source>
        <translation>Polarizasyon</translation>
    </message>
    <message>
        <source>Start with</source>
        <translation>Başlangıç</translation>
    </message>
    <message>
        <source>West to east</source>
        <translation>Batıdan doğuya</translation>
    </message>
    <message>
        <source>East to west</source>
        <translation>Doğudan batıya</translation>
    </message>
    <message>
        <source>Satellites</source>
        <translation>Uydular</translation>
    </message>
    <message>
        <source>Transponders</source>
        <translation>Transponderler</translation>
    </message>
    <message>
        <source>then by</source>
        <translation>sonra</translation>
    </message>
    <message>
        <source>Satellites are put in order of position, beginning with the one chosen and going round in the direction chosen. The transponders of each satellite are sorted by the two keys.</source>
        <translation>Uydular, seçilen uydudan başlayıp seçilen yönde ilerleyerek konuma göre sıralanır. Her uydunun transponderleri iki anahtara göre sıralanır.</translation>
    </message>
</context>
<context>
    <name>velmora::TransponderListView</name>
    <message>
        <source>%1 of %2 rows match &quot;%3&quot;</source>
        <translation>%2 satırdan %1 tanesi &quot;%3&quot; ile eşleşiyor</translation>
    </message>
</context>
<context>
    <name>velmora::UnitRecordsDlg</name>
    <message>
        <source>Unit records</source>
        <translation>Cihaz kayıtları</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Bul</translation>
    </message>
    <message>
        <source>Unique ID:</source>
        <translation>Benzersiz kimlik:</translation>
    </message>
    <message>
        <source>From (UTC):</source>
        <translation>Başlangıç (UTC):</translation>
    </message>
    <message>
        <source>To (UTC):</source>
        <translation>Bitiş (UTC):</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zaman</translation>
    </message>
    <message>
        <source>Bench</source>
        <translation>Tezgâh</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Bağlantı noktası</translation>
    </message>
    <message>
        <source>Unique ID</source>
        <translation>Benzersiz kimlik</translation>
    </message>
    <message>
        <source>Firmware</source>
        <translation>Yazılım</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Sonuç</translation>
    </message>
    <message>
        <source>Reason</source>
        <translation>Neden</translation>
    </message>
    <message>
        <source>Write a day as 2026-12-09, a time as 2026-12-09T08:00:00Z.</source>
        <translation>Günü 2026-12-09, saati 2026-12-09T08:00:00Z biçiminde yazın.</translation>
    </message>
    <message>
        <source>passed</source>
        <translation>başarılı</translation>
    </message>
    <message>
        <source>failed</source>
        <translation>başarısız</translation>
    </message>
    <message>
        <source>%1 serviced, %2 passed, %3 failed; records in %4</source>
        <translation>%1 işlendi, %2 başarılı, %3 başarısız; kayıtlar: %4</translation>
    </message>
    <message>
        <source>Records</source>
        <translation>Kayıtlar</translation>
    </message>
    <message>
        <source>Production report</source>
        <translation>Üretim raporu</translation>
    </message>
    <message>
        <source>Open a report...</source>
        <translation>Rapor aç...</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Başlangıç</translation>
    </message>
    <message>
        <source>Meter</source>
        <translation>Cihaz</translation>
    </message>
    <message>
        <source>Steps</source>
        <translation>Adımlar</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Rapor</translation>
    </message>
    <message>
        <source>Open a report</source>
        <translation>Rapor aç</translation>
    </message>
    <message>
        <source>Production reports (*.jsonl *.json *.txt);;All Files (*)</source>
        <translation>Üretim raporları (*.jsonl *.json *.txt);;Tüm dosyalar (*)</translation>
    </message>
    <message>
        <source>The production line writes one line per meter into the file of --report.</source>
        <translation>Üretim hattı her cihaz için --report dosyasına bir satır yazar.</translation>
    </message>
    <message>
        <source>%1 cannot be read.</source>
        <translation>%1 okunamıyor.</translation>
    </message>
    <message>
        <source>%1, line %2, is not a line of a production report.</source>
        <translation>%1, satır %2, bir üretim raporu satırı değil.</translation>
    </message>
    <message>
        <source>%1: %2 meters, %3 passed, %4 failed</source>
        <translation>%1: %2 cihaz, %3 başarılı, %4 başarısız</translation>
    </message>
</context>
<context>
    <name>velmora::UrlDlg</name>
    <message>
        <source>Import from the web</source>
        <translation>Web&apos;den içe aktar</translation>
    </message>
    <message>
        <source>https://... a satellites.xml, .ini or dvbv5 list</source>
        <translation>https://... satellites.xml, .ini veya dvbv5 listesi</translation>
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
        <translation>Adsız</translation>
    </message>
</context>
<context>
    <name>WebPage</name>
    <message>
        <source>Name</source>
        <translation>Ad</translation>
    </message>
    <message>
        <source>Hemisphere</source>
        <translation>Yarımküre</translation>
    </message>
    <message>
        <source>TP Add</source>
        <translation>TP ekle</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Hayır</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Evet</translation>
    </message>
    <message>
        <source>TP Edit</source>
        <translation>TP düzenle</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>Giriş</translation>
    </message>
    <message>
        <source>22K tone</source>
        <translation>22 kHz ton</translation>
    </message>
    <message>
        <source>TP Sort</source>
        <translation>TP sırala</translation>
    </message>
    <message>
        <source>First satellite</source>
        <translation>İlk uydu</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>Yön</translation>
    </message>
    <message>
        <source>West-&gt;East</source>
        <translation>Batı-&gt;Doğu</translation>
    </message>
    <message>
        <source>East-&gt;West</source>
        <translation>Doğu-&gt;Batı</translation>
    </message>
    <message>
        <source>First key</source>
        <translation>Birinci anahtar</translation>
    </message>
    <message>
        <source>Symbolrate</source>
        <translation>Sembol oranı</translation>
    </message>
    <message>
        <source>Pol</source>
        <translation>Pol</translation>
    </message>
    <message>
        <source>Second key</source>
        <translation>İkinci anahtar</translation>
    </message>
    <message>
        <source>automatic</source>
        <translation>otomatik</translation>
    </message>
    <message>
        <source>The address of a transponder list (http or https):</source>
        <translation>Bir transponder listesinin adresi (http veya https):</translation>
    </message>
    <message>
        <source>Findings: %1</source>
        <translation>Bulgular: %1</translation>
    </message>
    <message>
        <source>No findings</source>
        <translation>Bulgu yok</translation>
    </message>
    <message>
        <source>Orvane in the browser: the table editor and meter service, with the same core as the desktop program.</source>
        <translation>Tarayıcıda Orvane: tablo düzenleyici ve ölçüm cihazı servisi, masaüstü programıyla aynı çekirdekle.</translation>
    </message>
    <message>
        <source>The commands are those of the desktop program&apos;s menus. Connect chooses the meter&apos;s serial port.</source>
        <translation>Komutlar masaüstü programının menülerindekilerle aynıdır. “Bağlan” ölçüm cihazının seri bağlantı noktasını seçer.</translation>
    </message>
    <message>
        <source>%1: the browser cannot do this; the desktop program can.</source>
        <translation>%1: tarayıcı bunu yapamaz; masaüstü programı yapabilir.</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ayarlar</translation>
    </message>
    <message>
        <source>Web Serial port chosen</source>
        <translation>Web Serial bağlantı noktası seçildi</translation>
    </message>
    <message>
        <source>This browser has no Web Serial, so the page cannot reach a meter: use Chrome, Edge or Opera on Windows, macOS or Linux (or Firefox from its release 151); the table editor works here.</source>
        <translation>Bu tarayıcıda Web Serial yok, bu yüzden sayfa bir ölçüm cihazına ulaşamaz: Windows, macOS veya Linux üzerinde Chrome, Edge ya da Opera kullanın (veya 151 sürümünden itibaren Firefox); tablo düzenleyici burada çalışır.</translation>
    </message>
    <message>
        <source>Menus</source>
        <translation>Menüler</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Bağlan</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Bağlantı noktası</translation>
    </message>
    <message>
        <source>No port</source>
        <translation>Bağlantı noktası yok</translation>
    </message>
    <message>
        <source>List</source>
        <translation>Liste</translation>
    </message>
    <message>
        <source>Meter</source>
        <translation>Cihaz</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Durum</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>İlerleme</translation>
    </message>
    <message>
        <source>Satellites of the list</source>
        <translation>Listenin uyduları</translation>
    </message>
    <message>
        <source>Import summary</source>
        <translation>İçe aktarma özeti</translation>
    </message>
    <message>
        <source>Changes</source>
        <translation>Değişiklikler</translation>
    </message>
    <message>
        <source>The desktop program has this; a browser cannot do it.</source>
        <translation>Masaüstü programında bu var; bir tarayıcı bunu yapamaz.</translation>
    </message>
</context>
</TS>
