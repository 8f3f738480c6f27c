<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
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
        <translation> Pour LMT41C, LMT40S, etc.<byte value="xd"/>
 1) Dans le menu &apos;software upgrade&apos; du mesureur, vous pouvez sauvegarder sattp.csv sur USB.<byte value="xd"/>
 2) Modifiez sattp.csv avec velmora, puis enregistrez sattp.csv et copiez-le sur l&apos;USB.<byte value="xd"/>
 3) Dans le menu &apos;software upgrade&apos; du mesureur, vous pouvez charger sattp.csv depuis l&apos;USB.<byte value="xd"/>
 Attention&#xa0;: débranchez l&apos;USB avant d&apos;allumer le mesureur, sinon il se met à jour.<byte value="xd"/>
<byte value="xd"/>
 Pour le LMT20, le port série doit d&apos;abord vous appartenir&#xa0;!<byte value="xd"/>
 Un adaptateur USB-RS232 apparaît comme /dev/ttyUSB0 (COM1)&#xa0;; ajoutez-vous au groupe<byte value="xd"/>
 &apos;dialout&apos; (sudo usermod -aG dialout $USER) et reconnectez-vous.<byte value="xd"/>
<byte value="xd"/>
 LMT20&#xa0;: MISE À JOUR DES DONNÉES<byte value="xd"/>
 1) Modifiez sattp.csv avec velmora, puis enregistrez sattp.csv.<byte value="xd"/>
 2) Branchez l&apos;adaptateur USB-RS232 sur le PC et allumez le mesureur.<byte value="xd"/>
 3) Choisissez son port (COM1..COM9) et cliquez sur &apos;Écrire&apos; dans velmora.<byte value="xd"/>
 4) Si la mise à jour a réussi, l&apos;afficheur du mesureur indique &apos;OK&apos;.  <byte value="xd"/>
 <byte value="xd"/>
 LMT20&#xa0;: MISE À JOUR DU MICROLOGICIEL<byte value="xd"/>
 1) Branchez l&apos;adaptateur USB-RS232 sur le PC. <byte value="xd"/>
 2) Appuyez sur EXIT et allumez le mesureur. <byte value="xd"/>
 3) Ouvrez le fichier hex du micrologiciel depuis le menu Fichier. <byte value="xd"/>
 4) Cliquez sur &apos;SOFT&apos; dans velmora pour mettre à jour le micrologiciel.<byte value="xd"/>
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
            <numerusform>%n ajouté</numerusform>
            <numerusform>%n ajoutés</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n removed</source>
        <translation>
            <numerusform>%n supprimé</numerusform>
            <numerusform>%n supprimés</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n changed</source>
        <translation>
            <numerusform>%n modifié</numerusform>
            <numerusform>%n modifiés</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>FormLayout</name>
    <message>
        <source>RS232 communication</source>
        <translation>Liaison RS232</translation>
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
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>EDIT</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <source>DELETE</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>SORT</source>
        <translation>Trier</translation>
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
        <translation>Rechercher (Ctrl+F)</translation>
    </message>
</context>
<context>
    <name>ImportDlg</name>
    <message>
        <source>Import transponders</source>
        <translation>Importer des transpondeurs</translation>
    </message>
    <message>
        <source>Export satellites.xml</source>
        <translation>Exporter satellites.xml</translation>
    </message>
    <message>
        <source>C band</source>
        <translation>Bande C</translation>
    </message>
    <message>
        <source>Ka band</source>
        <translation>Bande Ka</translation>
    </message>
    <message>
        <source>Ku band</source>
        <translation>Bande Ku</translation>
    </message>
    <message>
        <source>%1: no satellites in this list</source>
        <translation>%1&#xa0;: aucun satellite dans cette liste</translation>
    </message>
    <message>
        <source>All files (*);;Transponder lists (*.xml *.ini)</source>
        <translation>Tous les fichiers (*);;Listes de transpondeurs (*.xml *.ini)</translation>
    </message>
</context>
<context>
    <name>MainFrame</name>
    <message>
        <source>CAP</source>
        <extracomment>The status bar&apos;s Caps Lock indicator: keep it as short as the keyboard&apos;s word</extracomment>
        <translation>MAJ</translation>
    </message>
    <message>
        <source>NUM</source>
        <extracomment>The status bar&apos;s Num Lock indicator</extracomment>
        <translation>NUM</translation>
    </message>
    <message>
        <source>SCRL</source>
        <extracomment>The status bar&apos;s Scroll Lock indicator</extracomment>
        <translation>DÉFIL</translation>
    </message>
</context>
<context>
    <name>TpListModel</name>
    <message>
        <source>No.</source>
        <translation>N°</translation>
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
        <translation>Fréq.</translation>
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
        <translation>UNIQUE</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Alim.</translation>
    </message>
    <message>
        <source>Dish</source>
        <translation>Parabole</translation>
    </message>
    <message>
        <source>DiSEqC Switch</source>
        <translation>Commutateur DiSEqC</translation>
    </message>
    <message>
        <source>DiSEqC Input</source>
        <translation>Entrée DiSEqC</translation>
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
        <translation>%1 (nouveau)</translation>
    </message>
    <message>
        <source>%1 added</source>
        <extracomment>Transponders added to a satellite.</extracomment>
        <translation>%1 ajoutés</translation>
    </message>
    <message>
        <source>%1 removed</source>
        <extracomment>Transponders removed from a satellite.</extracomment>
        <translation>%1 supprimés</translation>
    </message>
    <message>
        <source>%1 changed</source>
        <extracomment>Transponders whose symbol rate changes.</extracomment>
        <translation>%1 modifiés</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A satellite and what changes on it: &quot;19.2E Astra 1KR: 2 added, 1 removed&quot;.</extracomment>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>%1 matched %2</source>
        <extracomment>A list&apos;s satellite and the table satellite nearby its transponders go into: &quot;Thor 5 0.8W matched 1.0W Thor&quot;.</extracomment>
        <translation>%1 reconnu comme %2</translation>
    </message>
</context>
<context>
    <name>Commands</name>
    <message>
        <source>New(&amp;N)</source>
        <translation>&amp;Nouveau</translation>
    </message>
    <message>
        <source>Open(&amp;O)...</source>
        <translation>&amp;Ouvrir...</translation>
    </message>
    <message>
        <source>Open an existing table file
Open a table</source>
        <translation>Ouvrir un fichier CSV existant
Ouvrir un fichier CSV</translation>
    </message>
    <message>
        <source>Save(&amp;S)</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>Save the table to its file
Save</source>
        <translation>Enregistrer dans le fichier CSV actuel
Enregistrer</translation>
    </message>
    <message>
        <source>Save as(&amp;A)...</source>
        <translation>Enregistrer &amp;sous...</translation>
    </message>
    <message>
        <source>Save the table to a new file
Save as</source>
        <translation>Enregistrer dans un nouveau fichier CSV
Enregistrer sous</translation>
    </message>
    <message>
        <source>Import transponders...</source>
        <translation>Importer des transpondeurs...</translation>
    </message>
    <message>
        <source>Merge a satellites.xml, .ini or dvbv5 transponder list into the table
Import transponders</source>
        <translation>Fusionner une liste de transpondeurs (satellites.xml, .ini ou dvbv5) dans la table
Importer des transpondeurs</translation>
    </message>
    <message>
        <source>Export satellites.xml...</source>
        <translation>Exporter satellites.xml...</translation>
    </message>
    <message>
        <source>Write the table as a satellites.xml file
Export satellites.xml</source>
        <translation>Écrire la table dans un fichier satellites.xml
Exporter satellites.xml</translation>
    </message>
    <message>
        <source>Load soft...</source>
        <translation>Charger le micrologiciel...</translation>
    </message>
    <message>
        <source>Load a firmware file (rav32izazud.hex)
Load soft</source>
        <translation>Charger un fichier rav32izazud.hex existant
Ouvrir rav32izazud.hex</translation>
    </message>
    <message>
        <source>Load icon...</source>
        <translation>Charger les icônes...</translation>
    </message>
    <message>
        <source>Load an icon file (stm32icon.bin)
Load icon</source>
        <translation>Charger un fichier stm32icon.bin existant
Ouvrir le fichier stm32icon</translation>
    </message>
    <message>
        <source>Load logo...</source>
        <translation>Charger le logo...</translation>
    </message>
    <message>
        <source>Load a logo file (bootlogo.bin)
Load logo</source>
        <translation>Charger un fichier bootlogo.bin existant
Ouvrir le fichier bootlogo</translation>
    </message>
    <message>
        <source>Create Flash1M.bin</source>
        <translation>Créer Flash1M.bin</translation>
    </message>
    <message>
        <source>Create the factory image Flash1M.bin
Create Flash1M.bin</source>
        <translation>Créer Flash1M.bin pour la production
Créer Flash1M.bin</translation>
    </message>
    <message>
        <source>Exit(&amp;X)</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Quit, asking to save the changes first
Exit</source>
        <translation>Quitter en proposant d&apos;enregistrer
Quitter</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Undo the last change of the tables
Undo</source>
        <translation>Annuler la dernière modification des tables
Annuler</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rétablir</translation>
    </message>
    <message>
        <source>Redo the change undone last
Redo</source>
        <translation>Rétablir la dernière modification annulée
Rétablir</translation>
    </message>
    <message>
        <source>TP Add...</source>
        <translation>Ajouter un TP...</translation>
    </message>
    <message>
        <source>Add a transponder</source>
        <translation>Ajouter un transpondeur</translation>
    </message>
    <message>
        <source>TP Edit...</source>
        <translation>Modifier le TP...</translation>
    </message>
    <message>
        <source>Edit the selected transponder</source>
        <translation>Modifier le transpondeur sélectionné</translation>
    </message>
    <message>
        <source>TP Delete</source>
        <translation>Supprimer les TP</translation>
    </message>
    <message>
        <source>Delete the selected transponders</source>
        <translation>Supprimer les transpondeurs sélectionnés</translation>
    </message>
    <message>
        <source>TP Sort...</source>
        <translation>Trier les TP...</translation>
    </message>
    <message>
        <source>Sort the transponders</source>
        <translation>Trier les transpondeurs</translation>
    </message>
    <message>
        <source>Satellite Add...</source>
        <translation>Ajouter un satellite...</translation>
    </message>
    <message>
        <source>Add a satellite</source>
        <translation>Ajouter un satellite</translation>
    </message>
    <message>
        <source>Satellite Edit...</source>
        <translation>Modifier le satellite...</translation>
    </message>
    <message>
        <source>Edit the chosen satellite</source>
        <translation>Modifier le satellite choisi</translation>
    </message>
    <message>
        <source>Satellite Delete</source>
        <translation>Supprimer le satellite</translation>
    </message>
    <message>
        <source>Delete the satellite of the selected transponder</source>
        <translation>Supprimer le satellite du transpondeur sélectionné</translation>
    </message>
    <message>
        <source>LNB Edit...</source>
        <translation>Modifier le LNB...</translation>
    </message>
    <message>
        <source>Edit the selected LNB</source>
        <translation>Modifier le LNB sélectionné</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>Find transponders by frequency, symbol rate, polarisation or satellite</source>
        <translation>Rechercher des transpondeurs par fréquence, débit symbole, polarisation ou satellite</translation>
    </message>
    <message>
        <source>Check table...</source>
        <translation>Vérifier la table...</translation>
    </message>
    <message>
        <source>List what is probably wrong with the table</source>
        <translation>Lister ce qui est probablement faux dans la table</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Lire</translation>
    </message>
    <message>
        <source>Read transponders from meter</source>
        <translation>Lire les transpondeurs du mesureur</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>Écrire</translation>
    </message>
    <message>
        <source>Write transponders to meter</source>
        <translation>Écrire les transpondeurs dans le mesureur</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>Stop read/write transponders</source>
        <translation>Arrêter la lecture/écriture des transpondeurs</translation>
    </message>
    <message>
        <source>Compare with meter...</source>
        <translation>Comparer au mesureur...</translation>
    </message>
    <message>
        <source>Compare the tables with the meter&apos;s tables
Compare with meter</source>
        <translation>Comparer les tables à celles du mesureur
Comparer au mesureur</translation>
    </message>
    <message>
        <source>Unit records...</source>
        <translation>Registre des appareils...</translation>
    </message>
    <message>
        <source>Show the records of the meters this bench serviced
Unit records</source>
        <translation>Afficher le registre des mesureurs traités sur ce poste
Registre des appareils</translation>
    </message>
    <message>
        <source>Write logo</source>
        <translation>Écrire le logo</translation>
    </message>
    <message>
        <source>Write logo to meter</source>
        <translation>Écrire le logo dans le mesureur</translation>
    </message>
    <message>
        <source>Write icon</source>
        <translation>Écrire les icônes</translation>
    </message>
    <message>
        <source>Write icon to meter</source>
        <translation>Écrire les icônes dans le mesureur</translation>
    </message>
    <message>
        <source>SOFT upgrade</source>
        <translation>Mise à jour SOFT</translation>
    </message>
    <message>
        <source>Upgrade the meter&apos;s software, Please press EXIT and turn on meter first !</source>
        <translation>Mettre à jour le micrologiciel du mesureur. Appuyez d&apos;abord sur EXIT et allumez le mesureur&#xa0;!</translation>
    </message>
    <message>
        <source>PATCH UP</source>
        <translation>PATCH UP</translation>
    </message>
    <message>
        <source>Run the ticked uploads (SOFT, ICON, LOGO, SAT TP) one by one
Patch up one by one</source>
        <translation>Exécuter l&apos;un après l&apos;autre les envois cochés (SOFT, ICON, LOGO, SAT TP)
Envoyer l&apos;un après l&apos;autre</translation>
    </message>
    <message>
        <source>Delete meter OSD icon...</source>
        <translation>Supprimer les icônes OSD du mesureur...</translation>
    </message>
    <message>
        <source>Delete the meter&apos;s on-screen icons
Delete icons</source>
        <translation>Supprimer les icônes OSD du mesureur
Supprimer les icônes</translation>
    </message>
    <message>
        <source>Verify after write</source>
        <translation>Vérifier après écriture</translation>
    </message>
    <message>
        <source>Read the tables back after a write and check them
Verify after write</source>
        <translation>Relire les tables après une écriture et les contrôler
Vérifier après écriture</translation>
    </message>
    <message>
        <source>Back up before write</source>
        <translation>Sauvegarder avant écriture</translation>
    </message>
    <message>
        <source>Save the meter&apos;s tables in the backups folder before a write
Back up before write</source>
        <translation>Enregistrer les tables du mesureur dans le dossier de sauvegarde avant une écriture
Sauvegarder avant écriture</translation>
    </message>
    <message>
        <source>Help Contents...</source>
        <translation>Rubriques d&apos;aide...</translation>
    </message>
    <message>
        <source>Show the guide to the everyday tasks
Help Contents</source>
        <translation>Afficher le guide des tâches courantes
Rubriques d&apos;aide</translation>
    </message>
    <message>
        <source>About Orvane...</source>
        <translation>À propos d&apos;Orvane...</translation>
    </message>
    <message>
        <source>Show the program&apos;s version and notes for meter owners
About</source>
        <translation>Afficher la version du programme et des notes pour les possesseurs du mesureur
À propos</translation>
    </message>
    <message>
        <source>Display transponders</source>
        <translation>Afficher les transpondeurs</translation>
    </message>
    <message>
        <source>Display LNB</source>
        <translation>Afficher les LNB</translation>
    </message>
    <message>
        <source>File(&amp;F)</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>Edit(&amp;E)</source>
        <translation>É&amp;dition</translation>
    </message>
    <message>
        <source>Meter(&amp;M)</source>
        <translation>&amp;Mesureur</translation>
    </message>
    <message>
        <source>Help(&amp;H)</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>Find meter</source>
        <translation>Trouver le mesureur</translation>
    </message>
    <message>
        <source>Ask every port whether the meter answers, and choose the port it is on
Find meter</source>
        <translation>Demander sur chaque port si le mesureur répond, et choisir le port où il se trouve
Trouver le mesureur</translation>
    </message>
    <message>
        <source>Import from the web...</source>
        <translation>Importer depuis le Web...</translation>
    </message>
    <message>
        <source>Download a transponder list from an http or https address and merge it
Import from the web</source>
        <translation>Télécharger une liste de transpondeurs depuis une adresse http ou https et la fusionner dans la table
Importer depuis le Web</translation>
    </message>
    <message>
        <source>Add satellites from the catalog...</source>
        <translation>Ajouter des satellites du catalogue...</translation>
    </message>
    <message>
        <source>Merge satellites from the scan tables installed on this computer
Add satellites from the catalog</source>
        <translation>Fusionner des satellites des tables de balayage installées sur cet ordinateur
Ajouter des satellites du catalogue</translation>
    </message>
    <message>
        <source>Restore a backup...</source>
        <translation>Restaurer une sauvegarde...</translation>
    </message>
    <message>
        <source>Write one of the backups taken before a write back to the meter
Restore a backup</source>
        <translation>Réécrire dans le mesureur une des sauvegardes faites avant une écriture
Restaurer une sauvegarde</translation>
    </message>
    <message>
        <source>Record unit records</source>
        <translation>Tenir le registre des appareils</translation>
    </message>
    <message>
        <source>Keep a record of every meter upgraded or written in the unit records
Record unit records</source>
        <translation>Inscrire chaque mesureur mis à jour ou écrit dans le registre des appareils
Tenir le registre des appareils</translation>
    </message>
</context>
<context>
    <name>Core</name>
    <message>
        <source>Save the changes to %1?</source>
        <translation>Enregistrer les modifications de %1&#xa0;?</translation>
    </message>
    <message>
        <source>Save the changes to the table?</source>
        <translation>Enregistrer les modifications de la table&#xa0;?</translation>
    </message>
    <message>
        <source>soft files (*.hex);;All Files (*)</source>
        <translation>Fichiers micrologiciel (*.hex);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>SOFT:</source>
        <translation>SOFT:</translation>
    </message>
    <message>
        <source>Device initialize ...</source>
        <translation>Initialisation de l&apos;appareil ...</translation>
    </message>
    <message>
        <source>File open failed ! </source>
        <translation>Échec de l&apos;ouverture du fichier&#xa0;! </translation>
    </message>
    <message>
        <source>Device not found ! </source>
        <translation>Appareil introuvable&#xa0;! </translation>
    </message>
    <message>
        <source>Firmware file is empty ! </source>
        <translation>Le fichier du micrologiciel est vide&#xa0;! </translation>
    </message>
    <message>
        <source>Firmware larger than flash ! </source>
        <translation>Micrologiciel plus grand que la flash&#xa0;! </translation>
    </message>
    <message>
        <source>Erasing memory ...</source>
        <translation>Effacement de la mémoire ...</translation>
    </message>
    <message>
        <source>Failed to erase memory !</source>
        <translation>Échec de l&apos;effacement de la mémoire&#xa0;!</translation>
    </message>
    <message>
        <source>Failed to read file !</source>
        <translation>Échec de la lecture du fichier&#xa0;!</translation>
    </message>
    <message>
        <source>Failed to write memory !</source>
        <translation>Échec de l&apos;écriture de la mémoire&#xa0;!</translation>
    </message>
    <message>
        <source>Failed to read memory !</source>
        <translation>Échec de la lecture de la mémoire&#xa0;!</translation>
    </message>
    <message>
        <source>Software upgrade success ! </source>
        <translation>Mise à jour du micrologiciel réussie&#xa0;! </translation>
    </message>
    <message>
        <source>GetCommState Error </source>
        <translation>Erreur GetCommState </translation>
    </message>
    <message>
        <source>SetCommState Error </source>
        <translation>Erreur SetCommState </translation>
    </message>
    <message>
        <source>Failed to create event for thread!</source>
        <translation>Impossible de créer l&apos;événement du thread&#xa0;!</translation>
    </message>
    <message>
        <source>Connect fail </source>
        <translation>Échec de la connexion </translation>
    </message>
    <message>
        <source> ask timeout !  </source>
        <translation> Délai de réponse dépassé&#xa0;!  </translation>
    </message>
    <message>
        <source>Wait for connect ...</source>
        <translation>Attente de connexion ...</translation>
    </message>
    <message>
        <source>Press Stop to give up.</source>
        <translation>Cliquez sur Arrêter pour abandonner.</translation>
    </message>
    <message>
        <source>Press Ctrl+C to give up.</source>
        <translation>Appuyez sur Ctrl+C pour abandonner.</translation>
    </message>
    <message>
        <source>Read Completed ! </source>
        <translation>Lecture terminée&#xa0;! </translation>
    </message>
    <message>
        <source>Read Failed ! </source>
        <translation>Échec de la lecture&#xa0;! </translation>
    </message>
    <message>
        <source>Write Completed ! </source>
        <translation>Écriture terminée&#xa0;! </translation>
    </message>
    <message>
        <source>Write Failed ! </source>
        <translation>Échec de l&apos;écriture&#xa0;! </translation>
    </message>
    <message>
        <source>Delete Completed ! </source>
        <translation>Suppression terminée&#xa0;! </translation>
    </message>
    <message>
        <source>Delete Failed ! </source>
        <translation>Échec de la suppression&#xa0;! </translation>
    </message>
    <message>
        <source>Read LNB ...</source>
        <translation>Lecture des LNB ...</translation>
    </message>
    <message>
        <source>Read Satellites ...</source>
        <translation>Lecture des satellites ...</translation>
    </message>
    <message>
        <source>Read Transponders ...</source>
        <translation>Lecture des transpondeurs ...</translation>
    </message>
    <message>
        <source>Write LNB ...</source>
        <translation>Écriture des LNB ...</translation>
    </message>
    <message>
        <source>Write Satellites ...</source>
        <translation>Écriture des satellites ...</translation>
    </message>
    <message>
        <source>Write Transponders ...</source>
        <translation>Écriture des transpondeurs ...</translation>
    </message>
    <message>
        <source>Verify ...</source>
        <translation>Vérification ...</translation>
    </message>
    <message>
        <source>Verify Failed ! </source>
        <translation>Échec de la vérification&#xa0;! </translation>
    </message>
    <message>
        <source>Verify failed: the table could not be read back from the meter.</source>
        <translation>Échec de la vérification&#xa0;: impossible de relire la table du mesureur.</translation>
    </message>
    <message>
        <source>Backup Failed ! </source>
        <translation>Échec de la sauvegarde&#xa0;! </translation>
    </message>
    <message>
        <source>Backup failed: the meter&apos;s table could not be read. Nothing was written; the meter&apos;s table was left as it was.</source>
        <translation>Échec de la sauvegarde&#xa0;: impossible de lire la table du mesureur. Rien n&apos;a été écrit&#xa0;; la table du mesureur est restée telle quelle.</translation>
    </message>
    <message>
        <source>You stopped the backup read. Nothing was written; the meter&apos;s table is as it was.</source>
        <translation>Vous avez arrêté la lecture de sauvegarde. Rien n&apos;a été écrit&#xa0;; la table du mesureur est inchangée.</translation>
    </message>
    <message>
        <source>You stopped the read-back: the table was written to the meter but not checked.</source>
        <translation>Vous avez arrêté la relecture&#xa0;: la table a été écrite dans le mesureur, mais pas vérifiée.</translation>
    </message>
    <message>
        <source>You stopped the write part-way, so the meter may now hold a partial table. Write the table again to make it whole.</source>
        <translation>Vous avez arrêté l&apos;écriture en cours de route&#xa0;: le mesureur peut maintenant contenir une table partielle. Écrivez à nouveau la table pour la compléter.</translation>
    </message>
    <message>
        <source>The write broke off part-way, so the meter may now hold a partial table. Check that the meter is switched on and connected, then write the table again.</source>
        <translation>L&apos;écriture s&apos;est interrompue en cours de route&#xa0;: le mesureur peut maintenant contenir une table partielle. Vérifiez que le mesureur est allumé et relié, puis écrivez à nouveau la table.</translation>
    </message>
    <message>
        <source>Open logo file error !</source>
        <translation>Erreur d&apos;ouverture du fichier logo&#xa0;!</translation>
    </message>
    <message>
        <source>Open icon file error !</source>
        <translation>Erreur d&apos;ouverture du fichier d&apos;icônes&#xa0;!</translation>
    </message>
    <message>
        <source>Logo file too short !</source>
        <translation>Fichier logo trop court&#xa0;!</translation>
    </message>
    <message>
        <source>Icon file too short !</source>
        <translation>Fichier d&apos;icônes trop court&#xa0;!</translation>
    </message>
    <message>
        <source>Write logo ...</source>
        <translation>Écriture du logo ...</translation>
    </message>
    <message>
        <source>Write icon ...</source>
        <translation>Écriture des icônes ...</translation>
    </message>
    <message>
        <source>Are you sure to delete meter osd icon ?  </source>
        <translation>Voulez-vous vraiment supprimer les icônes OSD du mesureur&#xa0;?  </translation>
    </message>
    <message>
        <source>logo files (*.bin);;All Files (*)</source>
        <translation>Fichiers logo (*.bin);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>icon files (*.bin);;All Files (*)</source>
        <translation>Fichiers d&apos;icônes (*.bin);;Tous les fichiers (*)</translation>
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
        <translation>Erreur d&apos;enregistrement du fichier&#xa0;!</translation>
    </message>
    <message>
        <source>The table has no satellites or transponders to write.</source>
        <translation>La table ne contient aucun satellite ni transpondeur à écrire.</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>Annuler&#xa0;: %1</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>Rétablir&#xa0;: %1</translation>
    </message>
    <message>
        <source>Delete %1 TPs</source>
        <translation>Supprimer %1 TP</translation>
    </message>
    <message>
        <source>Add Satellite</source>
        <translation>Ajouter un satellite</translation>
    </message>
    <message>
        <source>Delete Satellite</source>
        <translation>Supprimer le satellite</translation>
    </message>
    <message>
        <source>Edit Satellite</source>
        <translation>Modifier le satellite</translation>
    </message>
    <message>
        <source>Add TP</source>
        <translation>Ajouter un TP</translation>
    </message>
    <message>
        <source>Edit TP</source>
        <translation>Modifier le TP</translation>
    </message>
    <message>
        <source>Delete TP</source>
        <translation>Supprimer le TP</translation>
    </message>
    <message>
        <source>Edit LNB</source>
        <translation>Modifier le LNB</translation>
    </message>
    <message>
        <source>Sort TPs</source>
        <translation>Trier les TP</translation>
    </message>
    <message>
        <source>Read from Meter</source>
        <translation>Lire depuis le mesureur</translation>
    </message>
    <message>
        <source>sattp files (*.csv);;All Files (*)</source>
        <translation>Fichiers sattp (*.csv);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Save as</source>
        <translation>Enregistrer sous</translation>
    </message>
    <message>
        <source>A firmware file&apos;s name begins with rav32izazud.</source>
        <translation>Le nom d&apos;un fichier de micrologiciel commence par rav32izazud.</translation>
    </message>
    <message>
        <source>A logo file&apos;s name begins with stm32logo.</source>
        <translation>Le nom d&apos;un fichier logo commence par stm32logo.</translation>
    </message>
    <message>
        <source>An icon file&apos;s name begins with stm32icon.</source>
        <translation>Le nom d&apos;un fichier d&apos;icônes commence par stm32icon.</translation>
    </message>
    <message>
        <source>%1(the adapter was unplugged)</source>
        <translation>%1(l&apos;adaptateur a été débranché)</translation>
    </message>
    <message>
        <source>Meter found on %1</source>
        <translation>Mesureur trouvé sur %1</translation>
    </message>
    <message>
        <source>A meter in its bootloader answered on %1: use Firmware upgrade (Meter &gt; SOFT upgrade)</source>
        <translation>Un mesureur dans son bootloader a répondu sur %1&#xa0;: utilisez Mise à jour SOFT (Mesureur &gt; Mise à jour SOFT)</translation>
    </message>
    <message>
        <source>No meter answered on %1: is the meter switched on and its cable plugged?</source>
        <translation>Aucun mesureur n&apos;a répondu sur %1&#xa0;: le mesureur est-il allumé et son câble branché&#xa0;?</translation>
    </message>
    <message>
        <source>No meter could be asked: %1</source>
        <translation>Aucun mesureur n&apos;a pu être interrogé&#xa0;: %1</translation>
    </message>
    <message>
        <source>USB serial adapter plugged in: %1</source>
        <translation>Adaptateur USB-RS232 branché&#xa0;: %1</translation>
    </message>
    <message>
        <source>USB serial adapter pulled out: %1</source>
        <translation>Adaptateur USB-RS232 débranché&#xa0;: %1</translation>
    </message>
    <message>
        <source>You are not allowed to use %1: add yourself to the group &apos;%2&apos; (sudo usermod -aG %3 $USER) and log in again</source>
        <translation>Vous n&apos;avez pas le droit d&apos;utiliser %1&#xa0;: ajoutez-vous au groupe &apos;%2&apos; (sudo usermod -aG %3 $USER) puis reconnectez-vous</translation>
    </message>
    <message>
        <source>%1 is in use by another program</source>
        <translation>%1 est utilisé par un autre programme</translation>
    </message>
    <message>
        <source>%1 is in use by another program (%2)</source>
        <translation>%1 est utilisé par un autre programme (%2)</translation>
    </message>
    <message>
        <source>%1 is locked by another program (%2)</source>
        <translation>%1 est verrouillé par un autre programme (%2)</translation>
    </message>
    <message>
        <source>%1 is gone: is the cable plugged in?</source>
        <translation>%1 a disparu&#xa0;: le câble est-il branché&#xa0;?</translation>
    </message>
    <message>
        <source>%1 is not a serial port</source>
        <translation>%1 n&apos;est pas un port série</translation>
    </message>
    <message>
        <source>%1 cannot be opened</source>
        <translation>%1 ne peut pas être ouvert</translation>
    </message>
    <message>
        <source>%1 cannot be opened: %2</source>
        <translation>%1 ne peut pas être ouvert&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 is busy: ModemManager is probing it; the package&apos;s udev rule keeps it away, or wait 10 s</source>
        <translation>%1 est occupé&#xa0;: ModemManager le sonde&#xa0;; la règle udev du paquet l&apos;en écarte, sinon attendez 10 s</translation>
    </message>
    <message>
        <source>A %1 USB serial adapter is plugged in but has no port: brltty (a braille display service) claimed it; remove brltty with &apos;sudo apt remove brltty&apos; or, if a braille display needs it, run &apos;sudo systemctl mask brltty-udev.service&apos; and plug the adapter in again</source>
        <translation>Un adaptateur USB-RS232 %1 est branché mais n&apos;a pas de port&#xa0;: brltty (un service pour afficheurs braille) l&apos;a pris&#xa0;; supprimez brltty avec &apos;sudo apt remove brltty&apos; ou, si un afficheur braille en a besoin, lancez &apos;sudo systemctl mask brltty-udev.service&apos; et rebranchez l&apos;adaptateur</translation>
    </message>
    <message>
        <source>%1 has no device: is the cable plugged in? (VELMORA_%2 may name its path)</source>
        <translation>%1 n&apos;a pas de périphérique&#xa0;: le câble est-il branché&#xa0;? (VELMORA_%2 peut indiquer son chemin)</translation>
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
        <translation>Arrêt</translation>
    </message>
    <message>
        <source>Fixed</source>
        <translation>Fixe</translation>
    </message>
    <message>
        <source>Moved</source>
        <translation>Motorisée</translation>
    </message>
    <message>
        <source>Looking for the meter ...</source>
        <translation>Recherche du mesureur ...</translation>
    </message>
    <message>
        <source>No USB serial adapter is plugged in.</source>
        <translation>Aucun adaptateur USB-RS232 n&apos;est branché.</translation>
    </message>
    <message>
        <source>%1 answers late (latency timer %2 ms): a table write will take about %3 seconds; see the manual page</source>
        <translation>%1 répond tard (latency timer %2 ms)&#xa0;: l&apos;écriture de la table prendra environ %3 secondes&#xa0;; voir la page de manuel</translation>
    </message>
    <message>
        <source>%1 answers late (latency timer %2 ms): a table write will take about %3 minutes; see the manual page</source>
        <translation>%1 répond tard (latency timer %2 ms)&#xa0;: l&apos;écriture de la table prendra environ %3 minutes&#xa0;; voir la page de manuel</translation>
    </message>
    <message>
        <source>%1 cannot keep: %2.</source>
        <translation>%1 ne peut pas conserver&#xa0;: %2.</translation>
    </message>
    <message>
        <source>%1 Save anyway ?</source>
        <translation>%1 Enregistrer quand même&#xa0;?</translation>
    </message>
    <message>
        <source>%1: frequency %2 is outside %3..%4 MHz</source>
        <translation>%1&#xa0;: la fréquence %2 est hors de %3..%4 MHz</translation>
    </message>
    <message>
        <source>%1: symbol rate %2 is outside %3..%4 kS/s</source>
        <translation>%1&#xa0;: le débit symbole %2 est hors de %3..%4 kS/s</translation>
    </message>
    <message>
        <source>LNB %1: unknown type %2 (shown as 5150)</source>
        <translation>LNB %1&#xa0;: type %2 inconnu (affiché comme 5150)</translation>
    </message>
    <message>
        <source>%1: position %2 is above 3599 tenths of a degree (shown as %3)</source>
        <translation>%1&#xa0;: la position %2 dépasse 3599 dixièmes de degré (affichée comme %3)</translation>
    </message>
    <message>
        <source>%1: name has bytes that are not UTF-8 (%2)</source>
        <translation>%1&#xa0;: le nom contient des octets qui ne sont pas de l&apos;UTF-8 (%2)</translation>
    </message>
    <message>
        <source>%1: no transponders</source>
        <translation>%1&#xa0;: aucun transpondeur</translation>
    </message>
    <message>
        <source>%1: SAT %2 is not in use (the table has %3 satellites)</source>
        <translation>%1&#xa0;: le SAT %2 n&apos;est pas utilisé (la table a %3 satellites)</translation>
    </message>
    <message>
        <source>%1: duplicate of TP %2 (%3)</source>
        <translation>%1&#xa0;: doublon du TP %2 (%3)</translation>
    </message>
    <message>
        <source>1 difference</source>
        <translation>1 différence</translation>
    </message>
    <message>
        <source>%1 differences</source>
        <translation>%1 différences</translation>
    </message>
    <message>
        <source>order differs</source>
        <translation>l&apos;ordre diffère</translation>
    </message>
    <message>
        <source>icon written</source>
        <translation>icônes écrites</translation>
    </message>
    <message>
        <source>logo written</source>
        <translation>logo écrit</translation>
    </message>
    <message>
        <source>icon and logo written</source>
        <translation>icônes et logo écrits</translation>
    </message>
    <message>
        <source>tables written</source>
        <translation>tables écrites</translation>
    </message>
    <message>
        <source>icon and tables written</source>
        <translation>icônes et tables écrites</translation>
    </message>
    <message>
        <source>logo and tables written</source>
        <translation>logo et tables écrits</translation>
    </message>
    <message>
        <source>icon, logo and tables written</source>
        <translation>icônes, logo et tables écrits</translation>
    </message>
    <message>
        <source>Patch up done in %1 s: firmware upgraded and verified.</source>
        <translation>Envoi terminé en %1 s&#xa0;: micrologiciel mis à jour et vérifié.</translation>
    </message>
    <message>
        <source>Patch up done in %1 s.</source>
        <translation>Envoi terminé en %1 s.</translation>
    </message>
    <message>
        <source>Patch up done in %1 s: firmware upgraded and verified; %2.</source>
        <translation>Envoi terminé en %1 s&#xa0;: micrologiciel mis à jour et vérifié&#xa0;; %2.</translation>
    </message>
    <message>
        <source>Patch up done in %1 s: %2.</source>
        <translation>Envoi terminé en %1 s&#xa0;: %2.</translation>
    </message>
    <message>
        <source>No answer from the meter on %1 yet: is it switched on and connected to this port? %2</source>
        <translation>Pas encore de réponse du mesureur sur %1&#xa0;: est-il allumé et relié à ce port&#xa0;? %2</translation>
    </message>
    <message>
        <source>No answer from the meter on %1: is it switched on and connected to this port? Nothing on the meter was changed.</source>
        <translation>Pas de réponse du mesureur sur %1&#xa0;: est-il allumé et relié à ce port&#xa0;? Rien n&apos;a été modifié dans le mesureur.</translation>
    </message>
    <message>
        <source>%1 The meter&apos;s table before this write is in %2.</source>
        <translation>%1 La table du mesureur d&apos;avant cette écriture se trouve dans %2.</translation>
    </message>
    <message>
        <source>Backup failed: cannot write %1: %2. Nothing was written; the meter&apos;s table was left as it was.</source>
        <translation>Échec de la sauvegarde&#xa0;: impossible d&apos;écrire %1&#xa0;: %2. Rien n&apos;a été écrit&#xa0;; la table du mesureur est restée telle quelle.</translation>
    </message>
    <message>
        <source>%1 was not read completely:

%2

Saving it writes the table without what is listed here.</source>
        <translation>%1 n&apos;a pas été lu entièrement&#xa0;:

%2

L&apos;enregistrer écrit la table sans ce qui est listé ici.</translation>
    </message>
    <message>
        <source>%1 was not read completely (1 finding), so the table to be saved is shorter than that file.</source>
        <translation>%1 n&apos;a pas été lu entièrement (1 constat), la table à enregistrer est donc plus courte que ce fichier.</translation>
    </message>
    <message>
        <source>%1 was not read completely (%2 findings), so the table to be saved is shorter than that file.</source>
        <translation>%1 n&apos;a pas été lu entièrement (%2 constats), la table à enregistrer est donc plus courte que ce fichier.</translation>
    </message>
    <message>
        <source>Flash1M.bin written: %1 (%2 bytes)</source>
        <translation>Flash1M.bin écrit&#xa0;: %1 (%2 octets)</translation>
    </message>
    <message>
        <source>%1

The result was added to %2.</source>
        <translation>%1

Le résultat a été ajouté à %2.</translation>
    </message>
    <message>
        <source>Import added nothing</source>
        <translation>L&apos;import n&apos;a rien ajouté</translation>
    </message>
    <message>
        <source>Import added 1 TP</source>
        <translation>L&apos;import a ajouté 1 TP</translation>
    </message>
    <message>
        <source>Import added %1 TPs</source>
        <translation>L&apos;import a ajouté %1 TP</translation>
    </message>
    <message>
        <source>Import added 1 TP, 1 satellite</source>
        <translation>L&apos;import a ajouté 1 TP et 1 satellite</translation>
    </message>
    <message>
        <source>Import added %1 TPs, 1 satellite</source>
        <translation>L&apos;import a ajouté %1 TP et 1 satellite</translation>
    </message>
    <message>
        <source>Import added 1 TP, %1 satellites</source>
        <translation>L&apos;import a ajouté 1 TP et %1 satellites</translation>
    </message>
    <message>
        <source>Import added %1 TPs, %2 satellites</source>
        <translation>L&apos;import a ajouté %1 TP et %2 satellites</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Impossible d&apos;écrire %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Exported 1 satellite and 1 transponder to %1</source>
        <translation>1 satellite et 1 transpondeur exportés vers %1</translation>
    </message>
    <message>
        <source>Exported 1 satellite and %1 transponders to %2</source>
        <translation>1 satellite et %1 transpondeurs exportés vers %2</translation>
    </message>
    <message>
        <source>Exported %1 satellites and 1 transponder to %2</source>
        <translation>%1 satellites et 1 transpondeur exportés vers %2</translation>
    </message>
    <message>
        <source>Exported %1 satellites and %2 transponders to %3</source>
        <translation>%1 satellites et %2 transpondeurs exportés vers %3</translation>
    </message>
    <message>
        <source>Cannot copy the sample table into %1.</source>
        <translation>Impossible de copier la table d&apos;exemple dans %1.</translation>
    </message>
    <message>
        <source>Cannot create the data folder %1: %2</source>
        <translation>Impossible de créer le dossier de données %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>a file of that name is in the way</source>
        <translation>un fichier de ce nom fait obstacle</translation>
    </message>
    <message>
        <source>Delete the transponder %1?</source>
        <translation>Supprimer le transpondeur %1&#xa0;?</translation>
    </message>
    <message>
        <source>Delete %1 TPs ?</source>
        <translation>Supprimer %1 TP&#xa0;?</translation>
    </message>
    <message>
        <source>Delete the satellite %1 and its transponders?</source>
        <translation>Supprimer le satellite %1 et ses transpondeurs&#xa0;?</translation>
    </message>
    <message>
        <source>matched %1, added %2 satellites and %3 transponders, %4 duplicates skipped, %5 replaced, %6 left out (table full), %7 invalid</source>
        <translation>%1 reconnus, %2 satellites et %3 transpondeurs ajoutés, %4 doublons ignorés, %5 remplacés, %6 écartés (table pleine), %7 invalides</translation>
    </message>
    <message>
        <source>no scan tables in %1: install them with &apos;sudo apt install dtv-scan-tables&apos;</source>
        <translation>aucune table de balayage dans %1&#xa0;: installez-les avec « sudo apt install dtv-scan-tables »</translation>
    </message>
    <message>
        <source>no scan tables in %1: %2</source>
        <translation>aucune table de balayage dans %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Import</translation>
    </message>
    <message>
        <source>Downloading %1</source>
        <translation>Téléchargement de %1</translation>
    </message>
    <message>
        <source>Download failed</source>
        <translation>Échec du téléchargement</translation>
    </message>
    <message>
        <source>Take the Meter&apos;s Table</source>
        <translation>Prendre la table du mesureur</translation>
    </message>
    <message>
        <source>SOFT upgrade erases the meter&apos;s firmware and writes %1 in its place.

Switch the meter on while holding EXIT, then answer Yes.
Do not switch the meter off until the upgrade is done.

Upgrade the firmware now?</source>
        <translation>La mise à jour SOFT efface le micrologiciel du mesureur et écrit %1 à sa place.

Allumez le mesureur en maintenant EXIT enfoncé, puis répondez Oui.
N’éteignez pas le mesureur avant la fin de la mise à jour.

Mettre à jour le micrologiciel maintenant ?</translation>
    </message>
    <message>
        <source>Logo written: %1</source>
        <translation>Logo écrit : %1</translation>
    </message>
    <message>
        <source>Icon written: %1</source>
        <translation>Icône écrite : %1</translation>
    </message>
    <message>
        <source>Icon file too large !</source>
        <translation>Fichier d&apos;icônes trop grand !</translation>
    </message>
    <message>
        <source>Icon file header makes no sense ! %1 announces records of %2 bytes, %3 x %4 of each size: all three must be above 0.</source>
        <translation>En-tête du fichier d&apos;icônes incohérent ! %1 annonce des enregistrements de %2 octets, %3 x %4 de chaque taille : les trois doivent être supérieurs à 0.</translation>
    </message>
    <message>
        <source>Icon file too large ! %1 announces %2 bytes; the meter&apos;s icon area holds %3.</source>
        <translation>Fichier d&apos;icônes trop grand ! %1 annonce %2 octets ; la zone d&apos;icônes du mesureur en contient %3.</translation>
    </message>
    <message>
        <source>Logo file too short ! %1 holds %2 bytes; a logo takes %3.</source>
        <translation>Fichier logo trop court ! %1 contient %2 octets ; un logo en prend %3.</translation>
    </message>
    <message>
        <source>Icon file too short ! %1 holds %2 bytes; an icon header takes %3.</source>
        <translation>Fichier d&apos;icônes trop court ! %1 contient %2 octets ; un en-tête d&apos;icônes en prend %3.</translation>
    </message>
    <message>
        <source>Icon file too short ! %1 holds %2 bytes; its header announces %3.</source>
        <translation>Fichier d&apos;icônes trop court ! %1 contient %2 octets ; son en-tête en annonce %3.</translation>
    </message>
    <message>
        <source>hold EXIT while switching the meter on, then try again</source>
        <translation>maintenez EXIT enfoncé en allumant le mesureur, puis réessayez</translation>
    </message>
    <message>
        <source>%1: LNB %2 (%3) receives %4..%5 MHz only</source>
        <translation>%1 : le LNB %2 (%3) ne reçoit que %4..%5 MHz</translation>
    </message>
    <message>
        <source>The meter restarts with its new firmware: %1 s</source>
        <translation>Le mesureur redémarre avec son nouveau micrologiciel : %1 s</translation>
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
        <translation>Il n&apos;y a aucune sauvegarde dans %1. Une sauvegarde est faite avant chaque écriture tant que Mesureur &gt; Sauvegarder avant écriture est activé.</translation>
    </message>
    <message>
        <source>Write the backup %1 to the meter? It replaces the meter&apos;s table.</source>
        <translation>Écrire la sauvegarde %1 dans le mesureur ? Elle remplace la table du mesureur.</translation>
    </message>
    <message>
        <source>Backup written to the meter: %1</source>
        <translation>Sauvegarde écrite dans le mesureur : %1</translation>
    </message>
    <message>
        <source>The backup %1 holds no satellites, so there is nothing to write back.</source>
        <translation>La sauvegarde %1 ne contient aucun satellite : il n&apos;y a rien à réécrire.</translation>
    </message>
    <message>
        <source>No data folder for the unit records (HOME is not set); turn off Meter &gt; Record unit records or name a file in the settings.</source>
        <translation>Aucun dossier de données pour le registre des appareils (HOME n&apos;est pas défini) ; désactivez Mesureur &gt; Tenir le registre des appareils ou indiquez un fichier dans les réglages.</translation>
    </message>
</context>
<context>
    <name>Language</name>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>Langue du système</translation>
    </message>
    <message>
        <source>The language changes when Orvane is started next.</source>
        <translation>La langue change au prochain démarrage d&apos;Orvane.</translation>
    </message>
</context>
<context>
    <name>LnbChoiceText</name>
    <message>
        <source>no DiSEqC</source>
        <translation>sans DiSEqC</translation>
    </message>
    <message>
        <source>unknown DiSEqC switch</source>
        <translation>commutateur DiSEqC inconnu</translation>
    </message>
    <message>
        <source>DiSEqC %1 tone burst %2</source>
        <translation>DiSEqC %1 tone burst %2</translation>
    </message>
    <message>
        <source>DiSEqC %1 input %2</source>
        <translation>DiSEqC %1 entrée %2</translation>
    </message>
</context>
<context>
    <name>MeterMenu</name>
    <message>
        <source>backups/ beside the table</source>
        <translation>backups/ à côté de la table</translation>
    </message>
    <message>
        <source>Back up before write (to %1)</source>
        <translation>Sauvegarder avant écriture (dans %1)</translation>
    </message>
    <message>
        <source>Write the backup back</source>
        <translation>Réécrire la sauvegarde</translation>
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
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enreg.</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêt</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Lire</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>Écrire</translation>
    </message>
</context>
<context>
    <name>velmora::AboutDlg</name>
    <message>
        <source>About Orvane</source>
        <translation>À propos d&apos;Orvane</translation>
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
        <translation>Ajouter des satellites du catalogue</translation>
    </message>
    <message>
        <source>Find a satellite by name or position</source>
        <translation>Rechercher un satellite par nom ou position</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>TPs</source>
        <translation>TP</translation>
    </message>
    <message>
        <source>Tick the satellites to add.</source>
        <translation>Cochez les satellites à ajouter.</translation>
    </message>
</context>
<context>
    <name>velmora::CheckDlg</name>
    <message>
        <source>Check table</source>
        <translation>Vérifier la table</translation>
    </message>
    <message>
        <source>Nothing looks wrong with the table.</source>
        <translation>Rien ne semble faux dans la table.</translation>
    </message>
    <message numerus="yes">
        <source>%n finding(s); click one to select its row.</source>
        <translation>
            <numerusform>%n constat&#xa0;; cliquez dessus pour sélectionner sa ligne.</numerusform>
            <numerusform>%n constats&#xa0;; cliquez sur l&apos;un d&apos;eux pour sélectionner sa ligne.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>velmora::CompareDlg</name>
    <message>
        <source>Compare with meter</source>
        <translation>Comparer au mesureur</translation>
    </message>
    <message>
        <source>What writing the document&apos;s tables would change on the meter:</source>
        <translation>Ce que l&apos;écriture des tables du document changerait dans le mesureur&#xa0;:</translation>
    </message>
    <message>
        <source>Take the meter&apos;s table</source>
        <translation>Prendre la table du mesureur</translation>
    </message>
    <message>
        <source>Replace the document&apos;s tables with the meter&apos;s</source>
        <translation>Remplacer les tables du document par celles du mesureur</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Write to the meter</source>
        <translation>Écrire dans le mesureur</translation>
    </message>
    <message>
        <source>Replace the meter&apos;s table with the document&apos;s</source>
        <translation>Remplacer la table du mesureur par celle du document</translation>
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
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>velmora::HelpDlg</name>
    <message>
        <source>Orvane Help</source>
        <translation>Aide d&apos;Orvane</translation>
    </message>
</context>
<context>
    <name>velmora::ImportDlg</name>
    <message>
        <source>Find a satellite by name or position</source>
        <translation>Rechercher un satellite par nom ou position</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>TPs</source>
        <extracomment>Column of transponder counts</extracomment>
        <translation>TP</translation>
    </message>
    <message>
        <source>Goes into</source>
        <translation>Destination</translation>
    </message>
    <message>
        <source>The name a new satellite gets; double-click to change it</source>
        <translation>Le nom que reçoit un nouveau satellite&#xa0;; double-cliquez pour le changer</translation>
    </message>
    <message>
        <source>A new satellite, or a table satellite of the band within 1.0 degree</source>
        <translation>Un nouveau satellite, ou un satellite de la table de la même bande à 1,0 degré au plus</translation>
    </message>
    <message>
        <source>Select all</source>
        <translation>Tout sélectionner</translation>
    </message>
    <message>
        <source>Select none</source>
        <translation>Ne rien sélectionner</translation>
    </message>
    <message>
        <source>LNB of new Ku-band satellites</source>
        <translation>LNB des nouveaux satellites en bande Ku</translation>
    </message>
    <message>
        <source>LNB of new C-band satellites</source>
        <translation>LNB des nouveaux satellites en bande C</translation>
    </message>
    <message>
        <source>Add new transponders</source>
        <translation>Ajouter les nouveaux transpondeurs</translation>
    </message>
    <message>
        <source>Replace the transponders of the table satellites they go into</source>
        <translation>Remplacer les transpondeurs des satellites de destination de la table</translation>
    </message>
    <message>
        <source>new</source>
        <extracomment>The choice &quot;a new satellite&quot; in the &quot;Goes into&quot; column</extracomment>
        <translation>nouveau</translation>
    </message>
    <message>
        <source>Nothing in the table changes.</source>
        <translation>La table ne change pas.</translation>
    </message>
    <message>
        <source>LNB of new Ka-band satellites</source>
        <translation>LNB des nouveaux satellites en bande Ka</translation>
    </message>
</context>
<context>
    <name>velmora::LnbEditDlg</name>
    <message>
        <source>LNB Edit</source>
        <translation>Modifier le LNB</translation>
    </message>
    <message>
        <source>LNB frequency</source>
        <translation>Fréquence LNB</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Arrêt</translation>
    </message>
    <message>
        <source>LNB power</source>
        <translation>Alim. LNB</translation>
    </message>
    <message>
        <source>Fixed</source>
        <translation>Fixe</translation>
    </message>
    <message>
        <source>Moved</source>
        <translation>Motorisée</translation>
    </message>
    <message>
        <source>Dish type</source>
        <translation>Parabole</translation>
    </message>
    <message>
        <source>DiSEqC switch</source>
        <translation>Commut. DiSEqC</translation>
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
        <translation>Entrée DiSEqC</translation>
    </message>
    <message>
        <source>22 kHz tone</source>
        <translation>Tonalité 22 kHz</translation>
    </message>
</context>
<context>
    <name>velmora::MainFrame</name>
    <message>
        <source>Ready</source>
        <translation>Prêt</translation>
    </message>
    <message>
        <source>Recent files</source>
        <translation>Fichiers récents</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Barre d&apos;outils</translation>
    </message>
    <message>
        <source>Satellites %1/%2   TPs %3/%4</source>
        <extracomment>How full the tables are; &quot;TPs&quot; are transponders</extracomment>
        <translation>Satellites %1/%2   TP %3/%4</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Sans titre</translation>
    </message>
</context>
<context>
    <name>velmora::RestoreDlg</name>
    <message>
        <source>Restore a backup</source>
        <translation>Restaurer une sauvegarde</translation>
    </message>
    <message>
        <source>The backups in %1, newest first. The one you choose replaces the meter&apos;s table; the document stays as it is.</source>
        <translation>Les sauvegardes dans %1, la plus récente en premier. Celle que vous choisissez remplace la table du mesureur ; le document reste tel quel.</translation>
    </message>
    <message>
        <source>Taken</source>
        <translation>Faite le</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>Write to the meter</source>
        <translation>Écrire dans le mesureur</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>velmora::SatAddDlg</name>
    <message>
        <source>Satellite Edit</source>
        <translation>Modifier le satellite</translation>
    </message>
    <message>
        <source>Satellite Add</source>
        <translation>Ajouter un satellite</translation>
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
        <translation>Ouest</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>%1 of %2 bytes left</source>
        <translation>%1 octets libres sur %2</translation>
    </message>
    <message>
        <source>A comma cannot be stored: sattp.csv separates its columns with commas.</source>
        <translation>Une virgule ne peut pas être enregistrée : sattp.csv sépare ses colonnes par des virgules.</translation>
    </message>
    <message>
        <source>No room left: a name holds at most %1 bytes, and a letter such as é takes 2.</source>
        <translation>Plus de place : un nom tient en %1 octets au plus, et une lettre comme é en prend 2.</translation>
    </message>
</context>
<context>
    <name>velmora::SatelliteTree</name>
    <message>
        <source>All Satellites</source>
        <translation>Tous les satellites</translation>
    </message>
</context>
<context>
    <name>velmora::TpEditDlg</name>
    <message>
        <source>Transponder</source>
        <translation>Transpondeur</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satellite</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Fréquence</translation>
    </message>
    <message>
        <source>MHz</source>
        <translation>MHz</translation>
    </message>
    <message>
        <source>Symbol rate</source>
        <translation>Débit symbole</translation>
    </message>
    <message>
        <source>kS/s</source>
        <translation>kS/s</translation>
    </message>
    <message>
        <source>Vertical / right (13 V)</source>
        <translation>Verticale / droite (13 V)</translation>
    </message>
    <message>
        <source>Horizontal / left (18 V)</source>
        <translation>Horizontale / gauche (18 V)</translation>
    </message>
    <message>
        <source>Polarisation</source>
        <translation>Polarisation</translation>
    </message>
    <message>
        <source>Unique</source>
        <extracomment>A transponder found nowhere else in the table</extracomment>
        <translation>Unique</translation>
    </message>
</context>
<context>
    <name>velmora::TpSortDlg</name>
    <message>
        <source>Frequency</source>
        <translation>Fréquence</translation>
    </message>
    <message>
        <source>Symbol rate</source>
        <translation>Débit symbole</translation>
    </message>
    <message>
        <source>Polarisation</source>
        <translation>Polarisation</translation>
    </message>
    <message>
        <source>Start with</source>
        <translation>Départ</translation>
    </message>
    <message>
        <source>West to east</source>
        <translation>D&apos;ouest en est</translation>
    </message>
    <message>
        <source>East to west</source>
        <translation>D&apos;est en ouest</translation>
    </message>
    <message>
        <source>Satellites</source>
        <translation>Satellites</translation>
    </message>
    <message>
        <source>Transponders</source>
        <translation>Transpondeurs</translation>
    </message>
    <message>
        <source>then by</source>
        <translation>puis par</translation>
    </message>
    <message>
        <source>Satellites are put in order of position, beginning with the one chosen and going round in the direction chosen. The transponders of each satellite are sorted by the two keys.</source>
        <translation>Les satellites sont rangés par position, en partant de celui choisi et en tournant dans le sens choisi. Les transpondeurs de chaque satellite sont triés selon les deux clés.</translation>
    </message>
</context>
<context>
    <name>velmora::TransponderListView</name>
    <message>
        <source>%1 of %2 rows match &quot;%3&quot;</source>
        <translation>%1 lignes sur %2 correspondent à «&#xa0;%3&#xa0;»</translation>
    </message>
</context>
<context>
    <name>velmora::UnitRecordsDlg</name>
    <message>
        <source>Unit records</source>
        <translation>Registre des appareils</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>Unique ID:</source>
        <translation>ID unique :</translation>
    </message>
    <message>
        <source>From (UTC):</source>
        <translation>Du (UTC) :</translation>
    </message>
    <message>
        <source>To (UTC):</source>
        <translation>Au (UTC) :</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Heure</translation>
    </message>
    <message>
        <source>Bench</source>
        <translation>Poste</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Unique ID</source>
        <translation>ID unique</translation>
    </message>
    <message>
        <source>Firmware</source>
        <translation>Micrologiciel</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Résultat</translation>
    </message>
    <message>
        <source>Reason</source>
        <translation>Raison</translation>
    </message>
    <message>
        <source>Write a day as 2026-12-09, a time as 2026-12-09T08:00:00Z.</source>
        <translation>Écrivez un jour sous la forme 2026-12-09, une heure sous la forme 2026-12-09T08:00:00Z.</translation>
    </message>
    <message>
        <source>passed</source>
        <translation>réussi</translation>
    </message>
    <message>
        <source>failed</source>
        <translation>échoué</translation>
    </message>
    <message>
        <source>%1 serviced, %2 passed, %3 failed; records in %4</source>
        <translation>%1 traités, %2 réussis, %3 échoués ; registre dans %4</translation>
    </message>
    <message>
        <source>Records</source>
        <translation>Enregistrements</translation>
    </message>
    <message>
        <source>Production report</source>
        <translation>Rapport de production</translation>
    </message>
    <message>
        <source>Open a report...</source>
        <translation>Ouvrir un rapport...</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Début</translation>
    </message>
    <message>
        <source>Meter</source>
        <translation>Appareil</translation>
    </message>
    <message>
        <source>Steps</source>
        <translation>Étapes</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Rapport</translation>
    </message>
    <message>
        <source>Open a report</source>
        <translation>Ouvrir un rapport</translation>
    </message>
    <message>
        <source>Production reports (*.jsonl *.json *.txt);;All Files (*)</source>
        <translation>Rapports de production (*.jsonl *.json *.txt);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>The production line writes one line per meter into the file of --report.</source>
        <translation>La ligne de production écrit une ligne par mesureur dans le fichier de --report.</translation>
    </message>
    <message>
        <source>%1 cannot be read.</source>
        <translation>%1 ne peut pas être lu.</translation>
    </message>
    <message>
        <source>%1, line %2, is not a line of a production report.</source>
        <translation>%1, ligne %2, n&apos;est pas une ligne d&apos;un rapport de production.</translation>
    </message>
    <message>
        <source>%1: %2 meters, %3 passed, %4 failed</source>
        <translation>%1 : %2 mesureurs, %3 réussis, %4 échoués</translation>
    </message>
</context>
<context>
    <name>velmora::UrlDlg</name>
    <message>
        <source>Import from the web</source>
        <translation>Importer depuis le Web</translation>
    </message>
    <message>
        <source>https://... a satellites.xml, .ini or dvbv5 list</source>
        <translation>https://... une liste satellites.xml, .ini ou dvbv5</translation>
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
        <translation>Sans titre</translation>
    </message>
</context>
<context>
    <name>WebPage</name>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Hemisphere</source>
        <translation>Hémisphère</translation>
    </message>
    <message>
        <source>TP Add</source>
        <translation>Ajouter un TP</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>TP Edit</source>
        <translation>Modifier le TP</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>Entrée</translation>
    </message>
    <message>
        <source>22K tone</source>
        <translation>Tonalité 22 kHz</translation>
    </message>
    <message>
        <source>TP Sort</source>
        <translation>Trier les TP</translation>
    </message>
    <message>
        <source>First satellite</source>
        <translation>Premier satellite</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>Sens</translation>
    </message>
    <message>
        <source>West-&gt;East</source>
        <translation>Ouest-&gt;Est</translation>
    </message>
    <message>
        <source>East-&gt;West</source>
        <translation>Est-&gt;Ouest</translation>
    </message>
    <message>
        <source>First key</source>
        <translation>Première clé</translation>
    </message>
    <message>
        <source>Symbolrate</source>
        <translation>Débit symbole</translation>
    </message>
    <message>
        <source>Pol</source>
        <translation>Pol</translation>
    </message>
    <message>
        <source>Second key</source>
        <translation>Deuxième clé</translation>
    </message>
    <message>
        <source>automatic</source>
        <translation>automatique</translation>
    </message>
    <message>
        <source>The address of a transponder list (http or https):</source>
        <translation>L&apos;adresse d&apos;une liste de transpondeurs (http ou https) :</translation>
    </message>
    <message>
        <source>Findings: %1</source>
        <translation>Constats : %1</translation>
    </message>
    <message>
        <source>No findings</source>
        <translation>Aucun constat</translation>
    </message>
    <message>
        <source>Orvane in the browser: the table editor and meter service, with the same core as the desktop program.</source>
        <translation>Orvane dans le navigateur : l&apos;éditeur de tables et la maintenance du mesureur, avec le même cœur que le programme de bureau.</translation>
    </message>
    <message>
        <source>The commands are those of the desktop program&apos;s menus. Connect chooses the meter&apos;s serial port.</source>
        <translation>Les commandes sont celles des menus du programme de bureau. « Connecter » choisit le port série du mesureur.</translation>
    </message>
    <message>
        <source>%1: the browser cannot do this; the desktop program can.</source>
        <translation>%1 : le navigateur ne peut pas le faire ; le programme de bureau le peut.</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Réglages</translation>
    </message>
    <message>
        <source>Web Serial port chosen</source>
        <translation>Port Web Serial choisi</translation>
    </message>
    <message>
        <source>This browser has no Web Serial, so the page cannot reach a meter: use Chrome, Edge or Opera on Windows, macOS or Linux (or Firefox from its release 151); the table editor works here.</source>
        <translation>Ce navigateur n&apos;a pas Web Serial, la page ne peut donc pas atteindre un mesureur : utilisez Chrome, Edge ou Opera sous Windows, macOS ou Linux (ou Firefox à partir de sa version 151) ; l&apos;éditeur de tables fonctionne ici.</translation>
    </message>
    <message>
        <source>Menus</source>
        <translation>Menus</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Connecter</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>No port</source>
        <translation>Aucun port</translation>
    </message>
    <message>
        <source>List</source>
        <translation>Liste</translation>
    </message>
    <message>
        <source>Meter</source>
        <translation>Mesureur</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>État</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progression</translation>
    </message>
    <message>
        <source>Satellites of the list</source>
        <translation>Satellites de la liste</translation>
    </message>
    <message>
        <source>Import summary</source>
        <translation>Résumé de l&apos;importation</translation>
    </message>
    <message>
        <source>Changes</source>
        <translation>Modifications</translation>
    </message>
    <message>
        <source>The desktop program has this; a browser cannot do it.</source>
        <translation>Le programme de bureau le propose ; un navigateur ne peut pas le faire.</translation>
    </message>
</context>
</TS>
