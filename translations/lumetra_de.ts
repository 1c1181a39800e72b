<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AlbumCommands</name>
    <message>
        <source>Enter new name for album</source>
        <translation>Neuen Namen für das Album eingeben</translation>
    </message>
    <message>
        <source>The album could not be renamed: %1</source>
        <translation>Das Album konnte nicht umbenannt werden: %1</translation>
    </message>
    <message>
        <source>Lumetra needs at least two albums present!  Please create some new ones before deleting these ones.</source>
        <translation>Lumetra braucht mindestens zwei Alben!  Bitte legen Sie neue an, bevor Sie diese löschen.</translation>
    </message>
    <message>
        <source>yes</source>
        <comment>the word typed to confirm that an album is removed</comment>
        <translation>ja</translation>
    </message>
    <message>
        <source>Are you sure?  This will remove the album: %1 from Lumetra (but not delete it from your disk) - you must type &quot;%2&quot; to confirm...</source>
        <translation>Sind Sie sicher?  Damit wird das Album %1 aus Lumetra entfernt (aber nicht von Ihrer Festplatte gelöscht) - geben Sie zur Bestätigung „%2“ ein...</translation>
    </message>
    <message>
        <source>The album could not be removed: %1</source>
        <translation>Das Album konnte nicht entfernt werden: %1</translation>
    </message>
    <message>
        <source>Please add individual tracks, not albums.  Folder will not be added.</source>
        <translation>Bitte fügen Sie einzelne Titel hinzu, keine Alben.  Der Ordner wird nicht hinzugefügt.</translation>
    </message>
</context>
<context>
    <name>AlbumFiles</name>
    <message>
        <source>%1 cannot be read.</source>
        <translation>%1 kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
</context>
<context>
    <name>AppFolder</name>
    <message>
        <source>The folder %1 cannot be created.</source>
        <translation>Der Ordner %1 kann nicht angelegt werden.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be entered.</source>
        <translation>Der Ordner %1 kann nicht geöffnet werden.</translation>
    </message>
</context>
<context>
    <name>Catalogue</name>
    <message>
        <source>%1 holds triggers, which a catalogue does not have.</source>
        <translation>%1 enthält Trigger, die ein Katalog nicht hat.</translation>
    </message>
    <message>
        <source>%1 is not a file.</source>
        <translation>%1 ist keine Datei.</translation>
    </message>
    <message>
        <source>%1 is not a catalogue database.</source>
        <translation>%1 ist keine Katalogdatenbank.</translation>
    </message>
    <message>
        <source>%1 cannot be opened: %2</source>
        <translation>%1 kann nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>%1 cannot be created: %2</source>
        <translation>%1 kann nicht angelegt werden: %2</translation>
    </message>
    <message>
        <source>%1 is damaged: %2</source>
        <translation>%1 ist beschädigt: %2</translation>
    </message>
    <message>
        <source>%1 has no table of albums (songs).</source>
        <translation>%1 hat keine Albentabelle (songs).</translation>
    </message>
    <message>
        <source>%1: the table of albums lacks some of the fields %2.</source>
        <translation>%1: Der Albentabelle fehlen einige der Felder %2.</translation>
    </message>
    <message>
        <source>%1: the field ID of the table of albums is not an automatic number.</source>
        <translation>%1: Das Feld ID der Albentabelle ist keine automatische Nummer.</translation>
    </message>
    <message>
        <source>%1 cannot be completed: %2</source>
        <translation>%1 kann nicht ergänzt werden: %2</translation>
    </message>
    <message>
        <source>%1: the table of settings (opts) lacks some of the fields %2.</source>
        <translation>%1: Der Einstellungstabelle (opts) fehlen einige der Felder %2.</translation>
    </message>
</context>
<context>
    <name>CollectionFile</name>
    <message>
        <source>&quot;%1&quot; cannot be used as the title of a collection: %2 Please type another title.</source>
        <translation>„%1“ kann nicht als Titel einer Sammlung verwendet werden: %2 Bitte geben Sie einen anderen Titel ein.</translation>
    </message>
    <message>
        <source>it is empty.</source>
        <translation>Er ist leer.</translation>
    </message>
    <message>
        <source>it begins or ends with a blank.</source>
        <translation>Er beginnt oder endet mit einem Leerzeichen.</translation>
    </message>
    <message>
        <source>it begins with a full stop.</source>
        <translation>Er beginnt mit einem Punkt.</translation>
    </message>
    <message>
        <source>it begins with an invisible character.</source>
        <translation>Er beginnt mit einem unsichtbaren Zeichen.</translation>
    </message>
    <message>
        <source>it holds one of the characters / \ : * ? &quot; &lt; &gt; | that a file name cannot hold.</source>
        <translation>Er enthält eines der Zeichen / \ : * ? &quot; &lt; &gt; |, die in einem Dateinamen nicht vorkommen dürfen.</translation>
    </message>
    <message>
        <source>it is too long for a file name.</source>
        <translation>Er ist zu lang für einen Dateinamen.</translation>
    </message>
</context>
<context>
    <name>Collections</name>
    <message>
        <source>None of the albums picked from this collection holds music to play.</source>
        <translation>Keines der aus dieser Sammlung gewählten Alben enthält abspielbare Musik.</translation>
    </message>
    <message>
        <source>Your collections are listed below - you can click the album cover to skip tracks...</source>
        <translation>Ihre Sammlungen stehen unten - mit einem Klick auf das Cover überspringen Sie Titel...</translation>
    </message>
    <message>
        <source>Collections Mode</source>
        <translation>Sammlungsmodus</translation>
    </message>
    <message>
        <source>Collection: %1</source>
        <translation>Sammlung: %1</translation>
    </message>
    <message>
        <source>File not found!  This album has been moved or changed</source>
        <translation>Datei nicht gefunden!  Dieses Album wurde verschoben oder geändert</translation>
    </message>
    <message>
        <source>Please enter a title for this collection</source>
        <translation>Bitte geben Sie einen Titel für diese Sammlung ein</translation>
    </message>
    <message>
        <source>Action abandoned, or no Collection name supplied.</source>
        <translation>Aktion abgebrochen, oder kein Name für die Sammlung angegeben.</translation>
    </message>
    <message>
        <source>Click on an album cover to add it to your collection: %1</source>
        <translation>Klicken Sie auf ein Cover, um das Album Ihrer Sammlung hinzuzufügen: %1</translation>
    </message>
    <message>
        <source>Collection %1 could not be saved: %2</source>
        <translation>Die Sammlung %1 konnte nicht gespeichert werden: %2</translation>
    </message>
    <message>
        <source>Please click on album covers to add them to this collection</source>
        <translation>Bitte klicken Sie auf Cover, um die Alben dieser Sammlung hinzuzufügen</translation>
    </message>
    <message>
        <source>Collection %1 has been saved</source>
        <translation>Die Sammlung %1 wurde gespeichert</translation>
    </message>
    <message>
        <source>Click on an album to delete it from the list, or a cover to add to list.</source>
        <translation>Klicken Sie auf ein Album, um es aus der Liste zu löschen, oder auf ein Cover, um es hinzuzufügen.</translation>
    </message>
    <message>
        <source>Are you sure you want to delete this collection?</source>
        <translation>Möchten Sie diese Sammlung wirklich löschen?</translation>
    </message>
    <message>
        <source>%1 has been deleted</source>
        <translation>%1 wurde gelöscht</translation>
    </message>
    <message>
        <source>No collections found.</source>
        <translation>Keine Sammlungen gefunden.</translation>
    </message>
    <message>
        <source>The playlist could not be written: %1</source>
        <translation>Die Wiedergabeliste konnte nicht geschrieben werden: %1</translation>
    </message>
    <message>
        <source>Collection %1 exported to %2</source>
        <translation>Sammlung %1 nach %2 exportiert</translation>
    </message>
    <message>
        <source>Imported playlist</source>
        <translation>Importierte Wiedergabeliste</translation>
    </message>
    <message>
        <source>None of the tracks of %1 belongs to an album of Lumetra, so no collection was made.</source>
        <translation>Keiner der Titel von %1 gehört zu einem Album in Lumetra, daher wurde keine Sammlung angelegt.</translation>
    </message>
    <message>
        <source>Collection %1 made from %2</source>
        <translation>Sammlung %1 aus %2 angelegt</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Use DIR as the application folder.</source>
        <translation>DIR als Anwendungsordner verwenden.</translation>
    </message>
    <message>
        <source>Rebuild the catalogue from the music folder ROOT without a window (with --layout).</source>
        <translation>Den Katalog ohne Fenster aus dem Musikordner ROOT neu aufbauen (mit --layout).</translation>
    </message>
    <message>
        <source>With --scan: nested (albums inside artist folders) or flat.</source>
        <translation>Mit --scan: nested (Alben in Interpretenordnern) oder flat.</translation>
    </message>
    <message>
        <source>Write albums.htm in the application folder without a window.</source>
        <translation>albums.htm ohne Fenster in den Anwendungsordner schreiben.</translation>
    </message>
    <message>
        <source>An .m3u or .m3u8 playlist to import as a collection.</source>
        <translation>Eine .m3u- oder .m3u8-Wiedergabeliste, die als Sammlung importiert wird.</translation>
    </message>
    <message>
        <source>Give at most one playlist.</source>
        <translation>Geben Sie höchstens eine Wiedergabeliste an.</translation>
    </message>
    <message>
        <source>%1 is not an .m3u or .m3u8 playlist.</source>
        <translation>%1 ist keine .m3u- oder .m3u8-Wiedergabeliste.</translation>
    </message>
    <message>
        <source>The playlist %1 cannot be read.</source>
        <translation>Die Wiedergabeliste %1 kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>Lumetra Jukebox: a wall of album covers that plays your music folder.

The application folder holds the catalogue tracks.lum, the settings jb.ini, the
collections (*.ply), albums.htm and the program&apos;s pictures in files/. It is the folder
given with --app-dir; else, for an installed program, the user&apos;s data folder
($XDG_DATA_HOME/Lumetra, by default ~/.local/share/Lumetra); a copy run from the folder
it was built or unpacked in uses that folder when it may write there.
Without --app-dir this program uses %1</source>
        <translation>Lumetra Jukebox: eine Wand aus Albumcovern, die Ihren Musikordner abspielt.

Der Anwendungsordner enthält den Katalog tracks.lum, die Einstellungen jb.ini, die
Sammlungen (*.ply), albums.htm und die Bilder des Programms in files/. Es ist der mit
--app-dir angegebene Ordner; sonst für ein installiertes Programm der Datenordner des
Benutzers ($XDG_DATA_HOME/Lumetra, vorgegeben ~/.local/share/Lumetra); eine Kopie, die
aus ihrem Build- oder Entpackordner läuft, nutzt diesen Ordner, wenn sie dort schreiben darf.
Ohne --app-dir verwendet dieses Programm %1</translation>
    </message>
    <message>
        <source>Give either --scan ROOT --layout nested|flat or --inventory.</source>
        <translation>Geben Sie entweder --scan ROOT --layout nested|flat oder --inventory an.</translation>
    </message>
    <message>
        <source>A playlist is imported in the window, not with --scan or --inventory.</source>
        <translation>Eine Wiedergabeliste wird im Fenster importiert, nicht mit --scan oder --inventory.</translation>
    </message>
    <message>
        <source>--scan needs --layout nested or --layout flat.</source>
        <translation>--scan braucht --layout nested oder --layout flat.</translation>
    </message>
    <message>
        <source>The catalogue holds no albums, so albums.htm was not written.</source>
        <translation>Der Katalog enthält keine Alben, daher wurde albums.htm nicht geschrieben.</translation>
    </message>
    <message>
        <source>albums.htm could not be written: %1</source>
        <translation>albums.htm konnte nicht geschrieben werden: %1</translation>
    </message>
    <message>
        <source>Lumetra Jukebox is open on %1. Close it first: --scan and --inventory write what its window holds.</source>
        <translation>Lumetra Jukebox ist für %1 geöffnet. Schließen Sie es zuerst: --scan und --inventory schreiben, was sein Fenster zeigt.</translation>
    </message>
</context>
<context>
    <name>CopyProgress</name>
    <message>
        <source>Copying music files...</source>
        <translation>Musikdateien werden kopiert...</translation>
    </message>
    <message>
        <source>Copying music files</source>
        <translation>Musikdateien werden kopiert</translation>
    </message>
</context>
<context>
    <name>CoverArtForm</name>
    <message>
        <source>The cover could not be saved as %1: %2
The album keeps its cover.</source>
        <translation>Das Cover konnte nicht als %1 gespeichert werden: %2
Das Album behält sein Cover.</translation>
    </message>
</context>
<context>
    <name>CoverSlot</name>
    <message>
        <source>Empty slot</source>
        <translation>Leerer Platz</translation>
    </message>
    <message>
        <source>Cover shadow</source>
        <translation>Schatten des Covers</translation>
    </message>
</context>
<context>
    <name>JukeboxQueue</name>
    <message>
        <source>%1 - Added by Lumetra - Hey, Nothing was waiting in the queue...</source>
        <translation>%1 - Von Lumetra hinzugefügt - Hey, in der Warteschlange wartete nichts...</translation>
    </message>
    <message>
        <source>*Playlist Mode: (click album art in playlist area to skip track...)</source>
        <translation>*Wiedergabelisten-Modus: (Cover im Wiedergabelistenbereich anklicken, um den Titel zu überspringen...)</translation>
    </message>
    <message>
        <source>Cannot delete a playing track - click on the album cover art to right if you want to skip this track</source>
        <translation>Ein laufender Titel kann nicht gelöscht werden - klicken Sie auf das Cover rechts, um diesen Titel zu überspringen</translation>
    </message>
</context>
<context>
    <name>NewAlbumForm</name>
    <message>
        <source>&quot;%1&quot; cannot be the name of an album folder - please choose a different name.</source>
        <translation>„%1“ kann nicht der Name eines Albumordners sein - bitte wählen Sie einen anderen Namen.</translation>
    </message>
    <message>
        <source>A folder with this name already exists in this location!  Please choose a different name or re-scan your folders</source>
        <translation>Ein Ordner mit diesem Namen existiert hier bereits!  Bitte wählen Sie einen anderen Namen oder durchsuchen Sie Ihre Ordner erneut</translation>
    </message>
    <message>
        <source>Please Select a Track first</source>
        <translation>Bitte wählen Sie zuerst einen Titel aus</translation>
    </message>
    <message>
        <source>No tracks have yet been added - please select a folder that contains music tracks</source>
        <translation>Noch keine Titel hinzugefügt - bitte wählen Sie einen Ordner mit Musiktiteln</translation>
    </message>
    <message>
        <source>No tracks have yet been added - please drag music tracks to the left hand pain or use the Copy from Folder button</source>
        <translation>Noch keine Titel hinzugefügt - bitte ziehen Sie Musiktitel in den linken Bereich oder verwenden Sie die Schaltfläche „Aus Ordner kopieren“</translation>
    </message>
    <message>
        <source>Please enter a title.</source>
        <translation>Bitte geben Sie einen Titel ein.</translation>
    </message>
    <message>
        <source>Lumetra already has an album with this name listed!  Please choose a different name.</source>
        <translation>Lumetra führt bereits ein Album mit diesem Namen!  Bitte wählen Sie einen anderen Namen.</translation>
    </message>
    <message>
        <source>If you have less than 2 albums in Lumetra, you must restart the program before they can be added.  This is not needed once you have more than two albums.</source>
        <translation>Wenn Lumetra weniger als 2 Alben hat, müssen Sie das Programm neu starten, bevor sie hinzugefügt werden.  Ab mehr als zwei Alben ist das nicht mehr nötig.</translation>
    </message>
    <message>
        <source>The album could not be added to the catalogue: %1</source>
        <translation>Das Album konnte nicht in den Katalog aufgenommen werden: %1</translation>
    </message>
    <message>
        <source>New album created!</source>
        <translation>Neues Album angelegt!</translation>
    </message>
</context>
<context>
    <name>Playback</name>
    <message>
        <source>Could not play &quot;%1&quot;</source>
        <translation>„%1“ konnte nicht abgespielt werden</translation>
    </message>
    <message>
        <source>Playback has stopped: %1 files in a row could not be played. The last one was in the folder &quot;%2&quot;.</source>
        <translation>Die Wiedergabe wurde angehalten: %1 Dateien hintereinander konnten nicht abgespielt werden. Die letzte lag im Ordner „%2“.</translation>
    </message>
    <message>
        <source>%1 was skipped because its folder holds nothing to play.</source>
        <translation>%1 wurde übersprungen, weil sein Ordner nichts Abspielbares enthält.</translation>
    </message>
    <message>
        <source>You cannot select albums in Shuffle All mode</source>
        <translation>Im Modus „Alles zufällig“ können Sie keine Alben auswählen</translation>
    </message>
    <message>
        <source>*Shuffle Mode: &quot;%1&quot; [hit album picture to skip].</source>
        <translation>*Zufallsmodus: „%1“ [Cover anklicken zum Überspringen].</translation>
    </message>
    <message>
        <source>Cannot skip tracks when editing collections...</source>
        <translation>Beim Bearbeiten von Sammlungen können keine Titel übersprungen werden...</translation>
    </message>
    <message>
        <source>%1 was skipped because it is set not to play in Random mode.</source>
        <translation>%1 wurde übersprungen, weil es im Zufallsmodus nicht gespielt werden soll.</translation>
    </message>
    <message>
        <source>Cannot find enough albums to play in this mode.  Please ensure that they are not all set to skip in shuffle mode!</source>
        <translation>Es gibt nicht genug Alben, die in diesem Modus gespielt werden können.  Bitte achten Sie darauf, dass nicht alle im Zufallsmodus übersprungen werden!</translation>
    </message>
    <message>
        <source>This can&apos;t be used in Jukebox mode</source>
        <translation>Das ist im Jukebox-Modus nicht möglich</translation>
    </message>
    <message numerus="yes">
        <source>%n albums loaded.</source>
        <translation>
            <numerusform>%n Album geladen.</numerusform>
            <numerusform>%n Alben geladen.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RecordView</name>
    <message>
        <source>The catalogue is not open.</source>
        <translation>Der Katalog ist nicht geöffnet.</translation>
    </message>
    <message>
        <source>Table %1 does not exist.</source>
        <translation>Die Tabelle %1 existiert nicht.</translation>
    </message>
    <message>
        <source>The catalogue&apos;s driver is not SQLite.</source>
        <translation>Der Treiber des Katalogs ist nicht SQLite.</translation>
    </message>
</context>
<context>
    <name>RemoteCall</name>
    <message>
        <source>Bad request.</source>
        <translation>Ungültige Anfrage.</translation>
    </message>
    <message>
        <source>The body must be JSON.</source>
        <translation>Der Inhalt muss JSON sein.</translation>
    </message>
    <message>
        <source>Not found.</source>
        <translation>Nicht gefunden.</translation>
    </message>
    <message>
        <source>Method not allowed.</source>
        <translation>Methode nicht erlaubt.</translation>
    </message>
</context>
<context>
    <name>RemoteServer</name>
    <message>
        <source>A request body needs its length.</source>
        <translation>Der Inhalt einer Anfrage braucht seine Länge.</translation>
    </message>
    <message>
        <source>The request is too large.</source>
        <translation>Die Anfrage ist zu groß.</translation>
    </message>
    <message>
        <source>The request&apos;s headers are too large.</source>
        <translation>Die Kopfzeilen der Anfrage sind zu groß.</translation>
    </message>
    <message>
        <source>Too many connections; please try again later.</source>
        <translation>Zu viele Verbindungen; bitte später noch einmal versuchen.</translation>
    </message>
</context>
<context>
    <name>RemoteService</name>
    <message>
        <source>Forbidden.</source>
        <translation>Verboten.</translation>
    </message>
</context>
<context>
    <name>Scanner</name>
    <message>
        <source>Left out: %1</source>
        <translation>Ausgelassen: %1</translation>
    </message>
    <message>
        <source>The music folder &quot;%1&quot; is not a full path, so the catalogue was left as it was.</source>
        <translation>Der Musikordner „%1“ ist kein vollständiger Pfad, daher blieb der Katalog unverändert.</translation>
    </message>
    <message>
        <source>Done! Time taken: %1 seconds.    Music folders found: %2</source>
        <translation>Fertig! Benötigte Zeit: %1 Sekunden.    Gefundene Musikordner: %2</translation>
    </message>
    <message>
        <source>The music folder &quot;%1&quot; cannot be read (%2), so the catalogue was left as it was.</source>
        <translation>Der Musikordner „%1“ kann nicht gelesen werden (%2), daher blieb der Katalog unverändert.</translation>
    </message>
    <message>
        <source>no folder given</source>
        <translation>kein Ordner angegeben</translation>
    </message>
    <message>
        <source>The catalogue cannot be written, so it was left as it was.</source>
        <translation>Der Katalog kann nicht geschrieben werden, daher blieb er unverändert.</translation>
    </message>
    <message>
        <source>The catalogue cannot be written: %1</source>
        <translation>Der Katalog kann nicht geschrieben werden: %1</translation>
    </message>
    <message>
        <source>Searching for music files . . . %1</source>
        <translation>Suche nach Musikdateien . . . %1</translation>
    </message>
    <message>
        <source>%1: the name is not valid UTF-8</source>
        <translation>%1: Der Name ist kein gültiges UTF-8</translation>
    </message>
    <message>
        <source>The scan was stopped; the catalogue was left as it was.</source>
        <translation>Das Einlesen wurde abgebrochen; der Katalog blieb unverändert.</translation>
    </message>
    <message>
        <source>The new catalogue could not be saved; the old one was kept.</source>
        <translation>Der neue Katalog konnte nicht gespeichert werden; der alte wurde behalten.</translation>
    </message>
    <message numerus="yes">
        <source>Folders left out: %n</source>
        <translation>
            <numerusform>Ausgelassener Ordner: %n</numerusform>
            <numerusform>Ausgelassene Ordner: %n</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SettingsForm</name>
    <message>
        <source>Music folder</source>
        <translation>Musikordner</translation>
    </message>
    <message>
        <source>Cover size</source>
        <translation>Covergröße</translation>
    </message>
    <message>
        <source>Spacing</source>
        <translation>Abstand</translation>
    </message>
    <message>
        <source>Title font</source>
        <translation>Titelschrift</translation>
    </message>
    <message>
        <source>Background picture</source>
        <translation>Hintergrundbild</translation>
    </message>
    <message>
        <source>%1: the value holds a line break, and jb.ini keeps each value on one line. Please correct it; nothing has been saved.</source>
        <translation>%1: Der Wert enthält einen Zeilenumbruch, jb.ini hält aber jeden Wert auf einer Zeile. Bitte korrigieren Sie ihn; es wurde nichts gespeichert.</translation>
    </message>
</context>
<context>
    <name>TextFile</name>
    <message>
        <source>line %1 holds a line break.</source>
        <translation>Zeile %1 enthält einen Zeilenumbruch.</translation>
    </message>
</context>
<context>
    <name>TrackSearch</name>
    <message>
        <source>[Album]    - %1</source>
        <translation>[Album]    - %1</translation>
    </message>
</context>
<context>
    <name>Wall</name>
    <message numerus="yes">
        <source>Lumetra Jukebox: %n albums loaded.</source>
        <translation>
            <numerusform>Lumetra Jukebox: %n Album geladen.</numerusform>
            <numerusform>Lumetra Jukebox: %n Alben geladen.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>lumetra::AddTracksWindow</name>
    <message>
        <source>Add tracks</source>
        <translation>Titel hinzufügen</translation>
    </message>
    <message>
        <source>Tracks to add: drop music files here</source>
        <translation>Hinzuzufügende Titel: Musikdateien hier ablegen</translation>
    </message>
    <message>
        <source>Alternatively, you can simply just drop any music file on top of any album cover to add it to that album - use right-click and explore to find files...</source>
        <translation>Musikdateien können Sie auch einfach auf ein Cover ziehen, um sie dem Album hinzuzufügen - per Rechtsklick öffnen Sie den Ordner...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Okay</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>lumetra::ButtonStrip</name>
    <message>
        <source>Button strip</source>
        <translation>Schaltflächenleiste</translation>
    </message>
    <message>
        <source>Next page</source>
        <translation>Nächste Seite</translation>
    </message>
    <message>
        <source>Previous page</source>
        <translation>Vorherige Seite</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Modus</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Hover mouse at top of screen to jump to a letter..</source>
        <translation>Maus an den oberen Bildschirmrand führen, um zu einem Buchstaben zu springen..</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>Prev</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Locked for guests</source>
        <translation>Für Gäste gesperrt</translation>
    </message>
</context>
<context>
    <name>lumetra::ChildWindows</name>
    <message>
        <source>The album list could not be written: %1</source>
        <translation>Die Albenliste konnte nicht geschrieben werden: %1</translation>
    </message>
    <message>
        <source>The folder %1 could not be opened.</source>
        <translation>Der Ordner %1 konnte nicht geöffnet werden.</translation>
    </message>
</context>
<context>
    <name>lumetra::CollectionsPanel</name>
    <message>
        <source>Collection status</source>
        <translation>Status der Sammlung</translation>
    </message>
    <message>
        <source>Collections</source>
        <translation>Sammlungen</translation>
    </message>
    <message>
        <source>Drop an .m3u or .m3u8 playlist here to make it a collection</source>
        <translation>Eine .m3u- oder .m3u8-Wiedergabeliste hier ablegen, um daraus eine Sammlung zu machen</translation>
    </message>
    <message>
        <source>Export Collection as Playlist (.m3u8)...</source>
        <translation>Sammlung als Wiedergabeliste exportieren (.m3u8)...</translation>
    </message>
    <message>
        <source>My Colls.</source>
        <translation>Alle</translation>
    </message>
    <message>
        <source>View all the collections</source>
        <translation>Alle Sammlungen anzeigen</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Create a new collection</source>
        <translation>Neue Sammlung anlegen</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Save the new collection</source>
        <translation>Die neue Sammlung speichern</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>Save the edited collection</source>
        <translation>Die bearbeitete Sammlung speichern</translation>
    </message>
    <message>
        <source>Collection cover: skip the current track</source>
        <translation>Cover der Sammlung: aktuellen Titel überspringen</translation>
    </message>
    <message>
        <source>Click here to skip current track...</source>
        <translation>Hier klicken, um den aktuellen Titel zu überspringen...</translation>
    </message>
    <message>
        <source>List of collections</source>
        <translation>Liste der Sammlungen</translation>
    </message>
    <message>
        <source>Scroll the list of collections</source>
        <translation>Liste der Sammlungen blättern</translation>
    </message>
    <message>
        <source>Collection %1</source>
        <translation>Sammlung %1</translation>
    </message>
</context>
<context>
    <name>lumetra::CoverArtWindow</name>
    <message>
        <source>Click here to search for cover on Google!</source>
        <translation>Hier klicken, um bei Google nach dem Cover zu suchen!</translation>
    </message>
    <message>
        <source>All image files (*.bmp,*.jpg,*.gif)</source>
        <translation>Alle Bilddateien (*.bmp,*.jpg,*.gif)</translation>
    </message>
    <message>
        <source>BMP files (*.bmp)</source>
        <translation>BMP-Dateien (*.bmp)</translation>
    </message>
    <message>
        <source>JPG files (*.jpg)</source>
        <translation>JPG-Dateien (*.jpg)</translation>
    </message>
    <message>
        <source>GIF files (*.gif)</source>
        <translation>GIF-Dateien (*.gif)</translation>
    </message>
    <message>
        <source>&lt;&lt; Back</source>
        <translation>&lt;&lt; Zurück</translation>
    </message>
    <message>
        <source>Cover Art</source>
        <translation>Cover</translation>
    </message>
    <message>
        <source>Cover Art: %1</source>
        <translation>Cover: %1</translation>
    </message>
    <message>
        <source>Browse PC</source>
        <translation>PC durchsuchen</translation>
    </message>
    <message>
        <source>Paste from Clipboard</source>
        <translation>Aus Zwischenablage einfügen</translation>
    </message>
    <message>
        <source>Use this button to paste a picture you have just copied</source>
        <translation>Mit dieser Schaltfläche fügen Sie ein gerade kopiertes Bild ein</translation>
    </message>
    <message>
        <source>Google</source>
        <translation>Google</translation>
    </message>
    <message>
        <source>Okay</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vorschau</translation>
    </message>
    <message>
        <source>Web page</source>
        <translation>Webseite</translation>
    </message>
</context>
<context>
    <name>lumetra::CoverSlot</name>
    <message>
        <source>No shuffle</source>
        <translation>Zufall aus</translation>
    </message>
    <message>
        <source>Skipped in shuffle</source>
        <translation>Im Zufallsmodus übersprungen</translation>
    </message>
    <message>
        <source>Shuffle All leaves this album out</source>
        <translation>„Alles zufällig“ lässt dieses Album aus</translation>
    </message>
    <message>
        <source>No cover</source>
        <translation>Kein Cover</translation>
    </message>
</context>
<context>
    <name>lumetra::GuestRules</name>
    <message>
        <source>The queue is full for now (at most %1 picks may wait); please wait until one has played.</source>
        <translation>Die Warteschlange ist vorerst voll (höchstens %1 Wünsche dürfen warten); bitte warten Sie, bis einer gespielt wurde.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is already waiting in the queue.</source>
        <translation>„%1“ wartet bereits in der Warteschlange.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; played a short while ago; please choose another track.</source>
        <translation>„%1“ lief vor kurzem; bitte wählen Sie einen anderen Titel.</translation>
    </message>
</context>
<context>
    <name>lumetra::HelpWindow</name>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Help -[Lumetra %1]</source>
        <translation>Hilfe -[Lumetra %1]</translation>
    </message>
    <message>
        <source>Help page</source>
        <translation>Hilfeseite</translation>
    </message>
</context>
<context>
    <name>lumetra::JukeboxArea</name>
    <message>
        <source>Jukebox queue</source>
        <translation>Jukebox-Warteschlange</translation>
    </message>
    <message>
        <source>Jukebox playlist area</source>
        <translation>Wiedergabelistenbereich der Jukebox</translation>
    </message>
    <message>
        <source>Queue cover: skip the current track</source>
        <translation>Cover der Warteschlange: aktuellen Titel überspringen</translation>
    </message>
    <message>
        <source>Click here to skip the current track</source>
        <translation>Hier klicken, um den aktuellen Titel zu überspringen</translation>
    </message>
</context>
<context>
    <name>lumetra::JukeboxHost</name>
    <message>
        <source>Picks are closed: the jukebox is not in Jukebox mode.</source>
        <translation>Keine Wünsche möglich: Die Jukebox ist nicht im Jukebox-Modus.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was the last track queued.</source>
        <translation>„%1“ wurde gerade als Letztes eingereiht.</translation>
    </message>
</context>
<context>
    <name>lumetra::LetterBar</name>
    <message>
        <source>Letter bar</source>
        <translation>Buchstabenleiste</translation>
    </message>
</context>
<context>
    <name>lumetra::LockDialog</name>
    <message>
        <source>PIN</source>
        <translation>PIN</translation>
    </message>
    <message>
        <source>PIN again</source>
        <translation>PIN bestätigen</translation>
    </message>
    <message>
        <source>Guests may skip tracks</source>
        <translation>Gäste dürfen Titel überspringen</translation>
    </message>
    <message>
        <source>Lock for guests</source>
        <translation>Für Gäste sperren</translation>
    </message>
    <message>
        <source>Picks that may wait in the queue</source>
        <translation>Höchstzahl wartender Wünsche</translation>
    </message>
    <message>
        <source>Loudest volume for guests</source>
        <translation>Höchste Lautstärke für Gäste</translation>
    </message>
    <message>
        <source>Problem</source>
        <translation>Problem</translation>
    </message>
    <message>
        <source>Guests can page, search, open albums and queue tracks. Everything else, leaving full screen and closing the jukebox ask for this PIN.</source>
        <translation>Gäste können blättern, suchen, Alben öffnen und Titel in die Warteschlange stellen. Alles andere, das Verlassen des Vollbilds und das Schließen der Jukebox verlangen diese PIN.</translation>
    </message>
    <message>
        <source>About the lock</source>
        <translation>Über die Sperre</translation>
    </message>
    <message>
        <source>PIN (%1 to %2 digits):</source>
        <translation>PIN (%1 bis %2 Ziffern):</translation>
    </message>
    <message>
        <source>PIN again:</source>
        <translation>PIN bestätigen:</translation>
    </message>
    <message>
        <source>Picks that may wait in the queue:</source>
        <translation>Höchstzahl wartender Wünsche:</translation>
    </message>
    <message>
        <source>Loudest volume for guests:</source>
        <translation>Höchste Lautstärke für Gäste:</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>Sperren</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>The PIN must be %1 to %2 digits.</source>
        <translation>Die PIN muss aus %1 bis %2 Ziffern bestehen.</translation>
    </message>
    <message>
        <source>The two PINs differ; type the same PIN twice.</source>
        <translation>Die beiden PINs unterscheiden sich; geben Sie zweimal dieselbe PIN ein.</translation>
    </message>
    <message>
        <source>Quietest volume for guests</source>
        <translation>Kleinste Lautstärke für Gäste</translation>
    </message>
    <message>
        <source>Quietest volume for guests:</source>
        <translation>Kleinste Lautstärke für Gäste:</translation>
    </message>
</context>
<context>
    <name>lumetra::MainMenus</name>
    <message>
        <source>Import Playlist as Collection...</source>
        <translation>Wiedergabeliste als Sammlung importieren...</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>Vollbild</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Modus</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Normal Play</source>
        <translation>Normale Wiedergabe</translation>
    </message>
    <message>
        <source>Shuffle All</source>
        <translation>Alles zufällig</translation>
    </message>
    <message>
        <source>Jukebox</source>
        <translation>Jukebox</translation>
    </message>
    <message>
        <source>Collections</source>
        <translation>Sammlungen</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Add New Album</source>
        <translation>Neues Album hinzufügen</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>List Albums in Browser</source>
        <translation>Alben im Browser auflisten</translation>
    </message>
    <message>
        <source>Play this album shuffled</source>
        <translation>Dieses Album zufällig spielen</translation>
    </message>
    <message>
        <source>List Songs</source>
        <translation>Titel auflisten</translation>
    </message>
    <message>
        <source>Get Cover Art</source>
        <translation>Cover holen</translation>
    </message>
    <message>
        <source>Explore</source>
        <translation>Im Dateimanager öffnen</translation>
    </message>
    <message>
        <source>Shuffle</source>
        <translation>Zufall</translation>
    </message>
    <message>
        <source>Skip this album when in shuffle mode</source>
        <translation>Dieses Album im Zufallsmodus überspringen</translation>
    </message>
    <message>
        <source>Play this album when in Shuffle mode</source>
        <translation>Dieses Album im Zufallsmodus wieder berücksichtigen</translation>
    </message>
    <message>
        <source>Add songs to this album</source>
        <translation>Titel zu diesem Album hinzufügen</translation>
    </message>
    <message>
        <source>Rename Album</source>
        <translation>Album umbenennen</translation>
    </message>
    <message>
        <source>Delete Album</source>
        <translation>Album löschen</translation>
    </message>
    <message>
        <source>Move to top of list</source>
        <translation>An den Anfang der Liste</translation>
    </message>
    <message>
        <source>Delete from Playlist</source>
        <translation>Aus der Wiedergabeliste löschen</translation>
    </message>
    <message>
        <source>Remove This Album</source>
        <translation>Dieses Album entfernen</translation>
    </message>
    <message>
        <source>Albums skipped in shuffle…</source>
        <translation>Im Zufallsmodus übersprungene Alben…</translation>
    </message>
    <message>
        <source>Party Mode</source>
        <translation>Partymodus</translation>
    </message>
    <message>
        <source>Lock for guests…</source>
        <translation>Für Gäste sperren…</translation>
    </message>
    <message>
        <source>Unlock</source>
        <translation>Entsperren</translation>
    </message>
    <message>
        <source>Phone remote…</source>
        <translation>Handy-Fernbedienung…</translation>
    </message>
</context>
<context>
    <name>lumetra::MainWindow</name>
    <message>
        <source>Playlists (*.m3u;*.m3u8)</source>
        <translation>Wiedergabelisten (*.m3u;*.m3u8)</translation>
    </message>
    <message>
        <source>The album catalogue could not be opened, so Lumetra starts with an empty wall.

%1

The file has been left exactly as it was.</source>
        <translation>Der Albenkatalog konnte nicht geöffnet werden, daher startet Lumetra mit einer leeren Wand.

%1

Die Datei wurde genau so belassen, wie sie war.</translation>
    </message>
    <message>
        <source>Lumetra doesn&apos;t yet contain any albums - click on Options &gt; Add New Album to start building your collection, or use the options screen where Lumetra can scan your hard disk for you..   Once done, you MUST restart Lumetra before these first albums are added to teh collection.</source>
        <translation>Lumetra enthält noch keine Alben - klicken Sie auf Optionen &gt; Neues Album hinzufügen, um Ihre Sammlung aufzubauen, oder lassen Sie Lumetra in den Einstellungen Ihre Musik von der Festplatte einlesen.   Danach MÜSSEN Sie Lumetra neu starten, bevor diese ersten Alben in die Sammlung aufgenommen werden.</translation>
    </message>
    <message>
        <source>Playlists (*.m3u8)</source>
        <translation>Wiedergabelisten (*.m3u8)</translation>
    </message>
</context>
<context>
    <name>lumetra::NewAlbumWindow</name>
    <message>
        <source>Create a New Album</source>
        <translation>Neues Album anlegen</translation>
    </message>
    <message>
        <source>Please select an option:</source>
        <translation>Bitte wählen Sie eine Möglichkeit:</translation>
    </message>
    <message>
        <source>Add the songs to the database and leave them where they are on disk</source>
        <translation>Die Titel in die Datenbank aufnehmen und dort lassen, wo sie auf der Festplatte liegen</translation>
    </message>
    <message>
        <source>Add the songs to the database and copy them to the default music folder</source>
        <translation>Die Titel in die Datenbank aufnehmen und in den Standard-Musikordner kopieren</translation>
    </message>
    <message>
        <source>IMPORTANT:  Don&apos;t forget that if you haven&apos;t done before,  you can always go to the Settings screen and ask Lumetra to scan for music files for you.</source>
        <translation>WICHTIG:  Falls noch nicht geschehen, können Sie Lumetra jederzeit in den Einstellungen Ihre Musikdateien einlesen lassen.</translation>
    </message>
    <message>
        <source>[Click here]</source>
        <translation>[Hier klicken]</translation>
    </message>
    <message>
        <source>Open the settings to scan for music</source>
        <translation>Die Einstellungen öffnen, um Musik einzulesen</translation>
    </message>
    <message>
        <source>Tracks of the new album</source>
        <translation>Titel des neuen Albums</translation>
    </message>
    <message>
        <source>HINT: Drop mp3, ogg and wma tracks onto the window to the left to add them to the new album...</source>
        <translation>TIPP: Ziehen Sie mp3-, ogg- und wma-Titel in das linke Fenster, um sie dem neuen Album hinzuzufügen...</translation>
    </message>
    <message>
        <source>Advice: Now click on &quot;Locate New Album&quot; and browse to where the album resides on your hard disk.  Once you have located it, you will be given the chance to rename it should you wish to.  You cannot use a nane that is the same as one that Lumetra is already using.  Finally you should click on &quot;Add to database&quot;.</source>
        <translation>Tipp: Klicken Sie jetzt auf „Neues Album suchen“ und wechseln Sie zu dem Ordner, in dem das Album auf Ihrer Festplatte liegt.  Danach können Sie es auf Wunsch umbenennen.  Ein Name, den Lumetra schon verwendet, ist nicht möglich.  Klicken Sie zum Schluss auf „In Datenbank aufnehmen“.</translation>
    </message>
    <message>
        <source>Enter a name for the new album:</source>
        <translation>Namen für das neue Album eingeben:</translation>
    </message>
    <message>
        <source>Name of the new album</source>
        <translation>Name des neuen Albums</translation>
    </message>
    <message>
        <source>Format should be:  Artist Name, Album Name</source>
        <translation>Format:  Interpret, Albumname</translation>
    </message>
    <message>
        <source>Copy from Folder</source>
        <translation>Aus Ordner kopieren</translation>
    </message>
    <message>
        <source>Locate New Album</source>
        <translation>Neues Album suchen</translation>
    </message>
    <message>
        <source>Windows Explorer</source>
        <translation>Dateimanager</translation>
    </message>
    <message>
        <source>Open the application folder in the file manager</source>
        <translation>Den Anwendungsordner im Dateimanager öffnen</translation>
    </message>
    <message>
        <source>Create this Album</source>
        <translation>Album anlegen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Remove from List</source>
        <translation>Aus der Liste entfernen</translation>
    </message>
    <message>
        <source>Add to Database</source>
        <translation>In Datenbank aufnehmen</translation>
    </message>
    <message>
        <source>Locate the folder that contains the mp3/wma files you want</source>
        <translation>Wählen Sie den Ordner mit den gewünschten mp3/wma-Dateien</translation>
    </message>
    <message>
        <source>This character not allowed in the name - a hyphen will be substituted</source>
        <translation>Dieses Zeichen ist im Namen nicht erlaubt - es wird durch einen Bindestrich ersetzt</translation>
    </message>
</context>
<context>
    <name>lumetra::Party</name>
    <message>
        <source>The party settings in %1 could not be used: %2. Party mode is off; the file is left as it is until party mode is changed.</source>
        <translation>Die Partyeinstellungen in %1 konnten nicht verwendet werden: %2. Der Partymodus ist aus; die Datei bleibt unverändert, bis der Partymodus geändert wird.</translation>
    </message>
    <message>
        <source>The PIN must be %1 to %2 digits.</source>
        <translation>Die PIN muss aus %1 bis %2 Ziffern bestehen.</translation>
    </message>
    <message>
        <source>Other users of this computer could read %1; now only you can.</source>
        <translation>Andere Benutzer dieses Computers konnten %1 lesen; nun können nur noch Sie die Datei lesen.</translation>
    </message>
</context>
<context>
    <name>lumetra::PartyControls</name>
    <message>
        <source>Party mode stays as it was: %1 could not be written (%2).</source>
        <translation>Der Partymodus bleibt, wie er war: %1 konnte nicht geschrieben werden (%2).</translation>
    </message>
    <message>
        <source>The jukebox is not locked: %1 could not be written (%2).</source>
        <translation>Die Jukebox ist nicht gesperrt: %1 konnte nicht geschrieben werden (%2).</translation>
    </message>
</context>
<context>
    <name>lumetra::PartyGuard</name>
    <message>
        <source>Too many wrong PINs: try again in %1 seconds.</source>
        <translation>Zu viele falsche PINs: versuchen Sie es in %1 Sekunden erneut.</translation>
    </message>
    <message>
        <source>The jukebox is locked. Enter the PIN:</source>
        <translation>Die Jukebox ist gesperrt. Geben Sie die PIN ein:</translation>
    </message>
    <message>
        <source>Wrong PIN.</source>
        <translation>Falsche PIN.</translation>
    </message>
    <message>
        <source>The jukebox stays locked: %1 could not be written (%2).</source>
        <translation>Die Jukebox bleibt gesperrt: %1 konnte nicht geschrieben werden (%2).</translation>
    </message>
</context>
<context>
    <name>lumetra::PartySettings</name>
    <message>
        <source>it could not be read (%1)</source>
        <translation>sie konnte nicht gelesen werden (%1)</translation>
    </message>
    <message>
        <source>its format</source>
        <translation>ihr Format</translation>
    </message>
    <message>
        <source>the value of %1 is missing or not valid</source>
        <translation>der Wert von %1 fehlt oder ist ungültig</translation>
    </message>
    <message>
        <source>the settings could not be written</source>
        <translation>die Einstellungen konnten nicht geschrieben werden</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>sie ist keine gewöhnliche Datei</translation>
    </message>
</context>
<context>
    <name>lumetra::PlayerBar</name>
    <message>
        <source>Player</source>
        <translation>Wiedergabe</translation>
    </message>
    <message>
        <source>Play or pause</source>
        <translation>Abspielen oder pausieren</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Lautstärke</translation>
    </message>
    <message>
        <source>Time played</source>
        <translation>Gespielte Zeit</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Abspielen</translation>
    </message>
</context>
<context>
    <name>lumetra::Remote</name>
    <message>
        <source>The phone remote could not be started: %1</source>
        <translation>Die Handy-Fernbedienung konnte nicht gestartet werden: %1</translation>
    </message>
    <message>
        <source>The settings could not be saved: %1</source>
        <translation>Die Einstellungen konnten nicht gespeichert werden: %1</translation>
    </message>
    <message>
        <source>Choose a port from %1 to 65535.</source>
        <translation>Wählen Sie einen Port von %1 bis 65535.</translation>
    </message>
</context>
<context>
    <name>lumetra::RemoteDialog</name>
    <message>
        <source>Let phones on this network use the remote</source>
        <translation>Handys in diesem Netzwerk die Fernbedienung nutzen lassen</translation>
    </message>
    <message>
        <source>Draw a new address</source>
        <translation>Neue Adresse erzeugen</translation>
    </message>
    <message>
        <source>Phone remote</source>
        <translation>Handy-Fernbedienung</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Page address</source>
        <translation>Adresse der Seite</translation>
    </message>
    <message>
        <source>QR code of the page address</source>
        <translation>QR-Code der Adresse der Seite</translation>
    </message>
    <message>
        <source>Phones that use the old address are disconnected.</source>
        <translation>Handys mit der alten Adresse werden getrennt.</translation>
    </message>
    <message>
        <source>Why the last change could not be made</source>
        <translation>Warum die letzte Änderung nicht möglich war</translation>
    </message>
    <message>
        <source>Guests open this address on a phone on the same network, or scan the code, to browse the albums and queue tracks in Jukebox mode.</source>
        <translation>Gäste öffnen diese Adresse auf einem Handy im selben Netzwerk oder scannen den Code, um die Alben zu durchsuchen und im Jukebox-Modus Titel einzureihen.</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Port:</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>Adresse:</translation>
    </message>
    <message>
        <source>The remote is off.</source>
        <translation>Die Fernbedienung ist aus.</translation>
    </message>
</context>
<context>
    <name>lumetra::RemoteServer</name>
    <message>
        <source>Port %1 is already in use by another program.</source>
        <translation>Port %1 wird schon von einem anderen Programm benutzt.</translation>
    </message>
    <message>
        <source>Too many pages are open; please try again later.</source>
        <translation>Zu viele Seiten sind offen; bitte später noch einmal versuchen.</translation>
    </message>
    <message>
        <source>Not found.</source>
        <translation>Nicht gefunden.</translation>
    </message>
    <message>
        <source>This is not a WebSocket request.</source>
        <translation>Dies ist keine WebSocket-Anfrage.</translation>
    </message>
</context>
<context>
    <name>lumetra::RemoteService</name>
    <message>
        <source>Too many requests; please slow down.</source>
        <translation>Zu viele Anfragen; bitte etwas langsamer.</translation>
    </message>
    <message>
        <source>This address is for the page&apos;s live updates.</source>
        <translation>Diese Adresse ist für die Live-Aktualisierung der Seite.</translation>
    </message>
    <message>
        <source>There is no such album.</source>
        <translation>Dieses Album gibt es nicht.</translation>
    </message>
    <message>
        <source>The jukebox is busy searching; please try again in a moment.</source>
        <translation>Die Jukebox sucht gerade; bitte gleich noch einmal versuchen.</translation>
    </message>
    <message>
        <source>This album has no cover.</source>
        <translation>Dieses Album hat kein Cover.</translation>
    </message>
    <message>
        <source>That album has no such track.</source>
        <translation>Dieses Album hat keinen solchen Titel.</translation>
    </message>
    <message>
        <source>This album has changed; please open it again.</source>
        <translation>Dieses Album hat sich geändert; bitte noch einmal öffnen.</translation>
    </message>
    <message>
        <source>Something went wrong.</source>
        <translation>Etwas ist schiefgegangen.</translation>
    </message>
    <message>
        <source>No PIN has been set on the jukebox.</source>
        <translation>Auf der Jukebox ist keine PIN festgelegt.</translation>
    </message>
    <message>
        <source>Too many wrong PINs; please try again in %1 seconds.</source>
        <translation>Zu viele falsche PINs; bitte in %1 Sekunden noch einmal versuchen.</translation>
    </message>
    <message>
        <source>That PIN is not right.</source>
        <translation>Diese PIN stimmt nicht.</translation>
    </message>
    <message>
        <source>Please enter the PIN again.</source>
        <translation>Bitte die PIN noch einmal eingeben.</translation>
    </message>
</context>
<context>
    <name>lumetra::RightPanel</name>
    <message>
        <source>Now playing</source>
        <translation>Aktuelle Wiedergabe</translation>
    </message>
    <message>
        <source>Now playing cover</source>
        <translation>Cover der aktuellen Wiedergabe</translation>
    </message>
    <message>
        <source>Click here to skip current track</source>
        <translation>Hier klicken, um den aktuellen Titel zu überspringen</translation>
    </message>
    <message>
        <source>Track list</source>
        <translation>Titelliste</translation>
    </message>
</context>
<context>
    <name>lumetra::SearchWindow</name>
    <message>
        <source>Search for track names</source>
        <translation>Nach Titelnamen suchen</translation>
    </message>
    <message>
        <source>Search status</source>
        <translation>Suchstatus</translation>
    </message>
    <message>
        <source>Search text</source>
        <translation>Suchtext</translation>
    </message>
    <message>
        <source>Search results</source>
        <translation>Suchergebnisse</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Type in a track-name search string, e.g. &quot;Jude&quot; or &quot;last night&quot;...</source>
        <translation>Geben Sie einen Suchbegriff für Titelnamen ein, z. B. „Jude“ oder „last night“...</translation>
    </message>
    <message>
        <source>Searching...</source>
        <translation>Suche läuft...</translation>
    </message>
    <message>
        <source>No matches found! Try a simpler search perhaps?</source>
        <translation>Keine Treffer! Vielleicht mit einem einfacheren Suchbegriff versuchen?</translation>
    </message>
    <message>
        <source>Double-click on any result to move to that album...</source>
        <translation>Doppelklicken Sie auf ein Ergebnis, um zu diesem Album zu springen...</translation>
    </message>
    <message>
        <source>Error - not found!</source>
        <translation>Fehler - nicht gefunden!</translation>
    </message>
    <message>
        <source>Number of results</source>
        <translation>Anzahl der Treffer</translation>
    </message>
    <message>
        <source>%1 results; showing the first %2</source>
        <translation>%1 Treffer; die ersten %2 werden angezeigt</translation>
    </message>
    <message>
        <source>1 result</source>
        <translation>1 Treffer</translation>
    </message>
    <message>
        <source>%1 results</source>
        <translation>%1 Treffer</translation>
    </message>
</context>
<context>
    <name>lumetra::SettingsWindow</name>
    <message>
        <source>Scan progress</source>
        <translation>Fortschritt des Einlesens</translation>
    </message>
    <message>
        <source>Folders left out of the scan</source>
        <translation>Beim Einlesen ausgelassene Ordner</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Scan disk for songs and build database:</source>
        <translation>Titel von der Festplatte einlesen und Datenbank aufbauen:</translation>
    </message>
    <message>
        <source>* = Recommend restart</source>
        <translation>* = Neustart empfohlen</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vorschau</translation>
    </message>
    <message>
        <source>Background picture: click to change</source>
        <translation>Hintergrundbild: zum Ändern klicken</translation>
    </message>
    <message>
        <source>Sample cover</source>
        <translation>Beispielcover</translation>
    </message>
    <message>
        <source>Click to change text...</source>
        <translation>Zum Ändern klicken...</translation>
    </message>
    <message>
        <source>Sample title: click to change the text colour and font</source>
        <translation>Beispieltitel: zum Ändern von Textfarbe und Schrift klicken</translation>
    </message>
    <message>
        <source>Background colour: click to change</source>
        <translation>Hintergrundfarbe: zum Ändern klicken</translation>
    </message>
    <message>
        <source>Click here to change colour</source>
        <translation>Farbe ändern</translation>
    </message>
    <message>
        <source>Click here to change back image</source>
        <translation>Hintergrundbild ändern</translation>
    </message>
    <message>
        <source>[No image]</source>
        <translation>[Kein Bild]</translation>
    </message>
    <message>
        <source>[Reset to Defaults]</source>
        <translation>[Standardwerte]</translation>
    </message>
    <message>
        <source>Background picture</source>
        <translation>Hintergrundbild</translation>
    </message>
    <message>
        <source>Cover size in twips</source>
        <translation>Covergröße in Twips</translation>
    </message>
    <message>
        <source>Spacing in twips</source>
        <translation>Abstand in Twips</translation>
    </message>
    <message>
        <source>Covers bounce on mouseover</source>
        <translation>Cover hüpfen unter der Maus</translation>
    </message>
    <message>
        <source>Autoplay albums on click</source>
        <translation>Alben beim Klicken abspielen</translation>
    </message>
    <message>
        <source>Do not scroll covers after Z to A</source>
        <translation>Nach Z nicht zu A weiterblättern</translation>
    </message>
    <message>
        <source>Background colour:</source>
        <translation>Hintergrundfarbe:</translation>
    </message>
    <message>
        <source>Background picture:</source>
        <translation>Hintergrundbild:</translation>
    </message>
    <message>
        <source>Cover size (twips) *</source>
        <translation>Covergröße (Twips) *</translation>
    </message>
    <message>
        <source>Spacing (twips) *</source>
        <translation>Abstand (Twips) *</translation>
    </message>
    <message>
        <source>Scan disk</source>
        <translation>Einlesen</translation>
    </message>
    <message>
        <source>Use to scan for songs if NOT using the default folder</source>
        <translation>Zum Einlesen von Titeln, wenn Sie NICHT den Standardordner verwenden</translation>
    </message>
    <message>
        <source>Okay</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Scan panel</source>
        <translation>Einlesen</translation>
    </message>
    <message>
        <source>Warning!  This will overwrite your existing Lumetra database.</source>
        <translation>Achtung!  Dies überschreibt Ihre bestehende Lumetra-Datenbank.</translation>
    </message>
    <message>
        <source>If you already have an MP3 collection, please use &quot;Browse to Songs&quot; to locate the area on your disk and then use the relevant &quot;Scan&quot; button to add them to Lumetra.  See the Help files about which option to use if you are unsure.</source>
        <translation>Wenn Sie schon eine MP3-Sammlung haben, wählen Sie mit „Zu den Titeln“ den Ort auf Ihrer Festplatte und fügen Sie sie dann mit der passenden „Einlesen“-Schaltfläche zu Lumetra hinzu.  Welche Möglichkeit die richtige ist, steht in der Hilfe.</translation>
    </message>
    <message>
        <source>If you are using the default Lumetra settings and manually building a new collection you do not need to change this option - hit Close to go back to the Options screen.</source>
        <translation>Wenn Sie die Standardeinstellungen von Lumetra verwenden und eine neue Sammlung von Hand aufbauen, brauchen Sie hier nichts zu ändern - mit „Schließen“ kommen Sie zurück zu den Einstellungen.</translation>
    </message>
    <message>
        <source>Browse to Songs</source>
        <translation>Zu den Titeln</translation>
    </message>
    <message>
        <source>Music folder</source>
        <translation>Musikordner</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>Einlesen</translation>
    </message>
    <message>
        <source>Scan: albums inside artist folders</source>
        <translation>Einlesen: Alben in Interpretenordnern</translation>
    </message>
    <message>
        <source>Scan: one folder per album</source>
        <translation>Einlesen: ein Ordner pro Album</translation>
    </message>
    <message>
        <source>If albums are sub-folders of the artist, e.g. &quot;D:\Music\Travis\The Best Of&quot; then click here to add them to the database...</source>
        <translation>Wenn Alben Unterordner des Interpreten sind, z. B. „D:\Music\Travis\The Best Of“, klicken Sie hier, um sie in die Datenbank aufzunehmen...</translation>
    </message>
    <message>
        <source>If your songs are stored in a flat folder structure, e.g. &quot;D:\Music\Travis - The Best Of&quot; then click here to add them to the database...</source>
        <translation>Wenn Ihre Titel in einer flachen Ordnerstruktur liegen, z. B. „D:\Music\Travis - The Best Of“, klicken Sie hier, um sie in die Datenbank aufzunehmen...</translation>
    </message>
    <message>
        <source>Time taken: 0 second(s)</source>
        <translation>Benötigte Zeit: 0 Sekunde(n)</translation>
    </message>
    <message>
        <source>SCan for MP3s</source>
        <translation>MP3s einlesen</translation>
    </message>
    <message>
        <source>Folders waiting to be searched</source>
        <translation>Noch zu durchsuchende Ordner</translation>
    </message>
    <message>
        <source>Music folders found</source>
        <translation>Gefundene Musikordner</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>All image files (*.bmp,*.jpg,*.pcx)</source>
        <translation>Alle Bilddateien (*.bmp,*.jpg,*.pcx)</translation>
    </message>
    <message>
        <source>The settings could not be saved to jb.ini, so nothing was changed.

%1</source>
        <translation>Die Einstellungen konnten nicht in jb.ini gespeichert werden, daher wurde nichts geändert.

%1</translation>
    </message>
    <message>
        <source>Locate the area that contains your music files</source>
        <translation>Wählen Sie den Ort, an dem Ihre Musikdateien liegen</translation>
    </message>
    <message numerus="yes">
        <source>Folders left out: %n</source>
        <translation>
            <numerusform>Ausgelassener Ordner: %n</numerusform>
            <numerusform>Ausgelassene Ordner: %n</numerusform>
        </translation>
    </message>
    <message>
        <source>The sound settings could not be saved to sound.ini, so nothing was changed.</source>
        <translation>Die Klangeinstellungen konnten nicht in sound.ini gespeichert werden; es wurde nichts geändert.</translation>
    </message>
</context>
<context>
    <name>lumetra::SkippedAlbumsWindow</name>
    <message>
        <source>Play in Shuffle Again</source>
        <translation>Im Zufallsmodus wieder berücksichtigen</translation>
    </message>
    <message>
        <source>Shuffle All may pick the selected album again</source>
        <translation>„Alles zufällig“ darf das gewählte Album wieder wählen</translation>
    </message>
    <message>
        <source>Albums skipped in shuffle</source>
        <translation>Im Zufallsmodus übersprungene Alben</translation>
    </message>
    <message>
        <source>Skipped albums</source>
        <translation>Übersprungene Alben</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>No album is skipped: Shuffle All may pick every album.</source>
        <translation>Kein Album wird übersprungen: „Alles zufällig“ darf jedes Album wählen.</translation>
    </message>
    <message>
        <source>Shuffle All leaves out the albums below (%1).</source>
        <translation>„Alles zufällig“ lässt die folgenden Alben aus (%1).</translation>
    </message>
</context>
<context>
    <name>lumetra::SoundBox</name>
    <message>
        <source>Sound</source>
        <translation>Klang</translation>
    </message>
    <message>
        <source> s</source>
        <translation> s</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>Crossfade between albums</source>
        <translation>Überblenden zwischen Alben</translation>
    </message>
    <message>
        <source>Even out loudness</source>
        <translation>Lautstärke angleichen</translation>
    </message>
    <message>
        <source>Loudness measurement</source>
        <translation>Lautheitsmessung</translation>
    </message>
    <message>
        <source>Loudness measured: %1 of %2 tracks</source>
        <translation>Lautheit gemessen: %1 von %2 Titeln</translation>
    </message>
</context>
<context>
    <name>lumetra::TrackListingWindow</name>
    <message>
        <source>Track Listing</source>
        <translation>Titelliste</translation>
    </message>
    <message>
        <source>Tracks of %1</source>
        <translation>Titel von %1</translation>
    </message>
</context>
<context>
    <name>lumetra::UpNext</name>
    <message>
        <source>Up next (random): %1  -  %2</source>
        <translation>Als Nächstes (zufällig): %1  -  %2</translation>
    </message>
</context>
<context>
    <name>lumetra::WallView</name>
    <message>
        <source>Notice</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <source>No albums found</source>
        <translation>Keine Alben gefunden</translation>
    </message>
    <message>
        <source>Album wall</source>
        <translation>Albenwand</translation>
    </message>
    <message>
        <source>Wall background</source>
        <translation>Hintergrund der Wand</translation>
    </message>
    <message>
        <source>Show letter bar</source>
        <translation>Buchstabenleiste zeigen</translation>
    </message>
</context>
<context>
    <name>lumetra::WebBrowser</name>
    <message>
        <source>Web page</source>
        <translation>Webseite</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Lumetra Jukebox already runs for %1 but does not answer.</source>
        <translation>Lumetra Jukebox läuft bereits für %1, antwortet aber nicht.</translation>
    </message>
</context>
</TS>
