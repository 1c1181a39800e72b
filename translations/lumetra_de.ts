<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>Catalogue</name>
    <message>
        <source>%1 holds triggers, which a catalogue does not have.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Collections</name>
    <message>
        <source>None of the albums picked from this collection holds music to play.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Use DIR as the application folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rebuild the catalogue from the music folder ROOT without a window (with --layout).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With --scan: nested (albums inside artist folders) or flat.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write albums.htm in the application folder without a window.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An .m3u or .m3u8 playlist to import as a collection.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Give at most one playlist.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not an .m3u or .m3u8 playlist.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The playlist %1 cannot be read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lumetra Jukebox: a wall of album covers that plays your music folder.

The application folder holds the catalogue tracks.lum, the settings jb.ini, the
collections (*.ply), albums.htm and the program&apos;s pictures in files/. It is the folder
given with --app-dir; else, for an installed program, the user&apos;s data folder
($XDG_DATA_HOME/Lumetra, by default ~/.local/share/Lumetra); a copy run from the folder
it was built or unpacked in uses that folder when it may write there.
Without --app-dir this program uses %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Give either --scan ROOT --layout nested|flat or --inventory.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A playlist is imported in the window, not with --scan or --inventory.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--scan needs --layout nested or --layout flat.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The catalogue holds no albums, so albums.htm was not written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>albums.htm could not be written: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NewAlbumForm</name>
    <message>
        <source>&quot;%1&quot; cannot be the name of an album folder - please choose a different name.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Playback</name>
    <message>
        <source>Could not play &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Playback has stopped: %1 files in a row could not be played. The last one was in the folder &quot;%2&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 was skipped because its folder holds nothing to play.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Scanner</name>
    <message>
        <source>Left out: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Folders left out: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The music folder &quot;%1&quot; is not a full path, so the catalogue was left as it was.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the name is not valid UTF-8</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SettingsForm</name>
    <message>
        <source>Music folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cover size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spacing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Title font</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Background picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: the value holds a line break, and jb.ini keeps each value on one line. Please correct it; nothing has been saved.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TextFile</name>
    <message>
        <source>line %1 holds a line break.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>lumetra::CollectionsPanel</name>
    <message>
        <source>Collection status</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>lumetra::MainMenus</name>
    <message>
        <source>Import Playlist as Collection...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>lumetra::MainWindow</name>
    <message>
        <source>Playlists (*.m3u;*.m3u8)|*.m3u;*.m3u8|</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>lumetra::SettingsWindow</name>
    <message>
        <source>Scan progress</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Folders left out of the scan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Folders left out: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>lumetra::WallView</name>
    <message>
        <source>Notice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No albums found</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
