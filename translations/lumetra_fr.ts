<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>AlbumCommands</name>
    <message>
        <source>Enter new name for album</source>
        <translation>Saisissez le nouveau nom de l&apos;album</translation>
    </message>
    <message>
        <source>The album could not be renamed: %1</source>
        <translation>L&apos;album n&apos;a pas pu être renommé&#xa0;: %1</translation>
    </message>
    <message>
        <source>Lumetra needs at least two albums present!  Please create some new ones before deleting these ones.</source>
        <translation>Lumetra a besoin d&apos;au moins deux albums&#xa0;!  Veuillez en créer de nouveaux avant de supprimer ceux-ci.</translation>
    </message>
    <message>
        <source>yes</source>
        <comment>the word typed to confirm that an album is removed</comment>
        <translation>oui</translation>
    </message>
    <message>
        <source>Are you sure?  This will remove the album: %1 from Lumetra (but not delete it from your disk) - you must type &quot;%2&quot; to confirm...</source>
        <translation>Êtes-vous sûr&#xa0;?  L&apos;album %1 sera retiré de Lumetra (mais pas effacé de votre disque) - tapez «&#xa0;%2&#xa0;» pour confirmer...</translation>
    </message>
    <message>
        <source>The album could not be removed: %1</source>
        <translation>L&apos;album n&apos;a pas pu être retiré&#xa0;: %1</translation>
    </message>
    <message>
        <source>Please add individual tracks, not albums.  Folder will not be added.</source>
        <translation>Veuillez ajouter des morceaux, pas des albums.  Le dossier ne sera pas ajouté.</translation>
    </message>
</context>
<context>
    <name>AlbumFiles</name>
    <message>
        <source>%1 cannot be read.</source>
        <translation>%1 ne peut pas être lu.</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>%1 ne peut pas être écrit&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>AppFolder</name>
    <message>
        <source>The folder %1 cannot be created.</source>
        <translation>Le dossier %1 ne peut pas être créé.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be entered.</source>
        <translation>Impossible d&apos;entrer dans le dossier %1.</translation>
    </message>
</context>
<context>
    <name>Catalogue</name>
    <message>
        <source>%1 holds triggers, which a catalogue does not have.</source>
        <translation>%1 contient des déclencheurs, ce qu&apos;un catalogue n&apos;a pas.</translation>
    </message>
    <message>
        <source>%1 is not a file.</source>
        <translation>%1 n&apos;est pas un fichier.</translation>
    </message>
    <message>
        <source>%1 is not a catalogue database.</source>
        <translation>%1 n&apos;est pas une base de données de catalogue.</translation>
    </message>
    <message>
        <source>%1 cannot be opened: %2</source>
        <translation>%1 ne peut pas être ouvert&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 cannot be created: %2</source>
        <translation>%1 ne peut pas être créé&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 is damaged: %2</source>
        <translation>%1 est endommagé&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 has no table of albums (songs).</source>
        <translation>%1 n&apos;a pas de table des albums (songs).</translation>
    </message>
    <message>
        <source>%1: the table of albums lacks some of the fields %2.</source>
        <translation>%1&#xa0;: il manque à la table des albums certains des champs %2.</translation>
    </message>
    <message>
        <source>%1: the field ID of the table of albums is not an automatic number.</source>
        <translation>%1&#xa0;: le champ ID de la table des albums n&apos;est pas un numéro automatique.</translation>
    </message>
    <message>
        <source>%1 cannot be completed: %2</source>
        <translation>%1 ne peut pas être complété&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1: the table of settings (opts) lacks some of the fields %2.</source>
        <translation>%1&#xa0;: il manque à la table des réglages (opts) certains des champs %2.</translation>
    </message>
</context>
<context>
    <name>CollectionFile</name>
    <message>
        <source>&quot;%1&quot; cannot be used as the title of a collection: %2 Please type another title.</source>
        <translation>«&#xa0;%1&#xa0;» ne peut pas servir de titre de collection&#xa0;: %2 Veuillez saisir un autre titre.</translation>
    </message>
    <message>
        <source>it is empty.</source>
        <translation>il est vide.</translation>
    </message>
    <message>
        <source>it begins or ends with a blank.</source>
        <translation>il commence ou finit par une espace.</translation>
    </message>
    <message>
        <source>it begins with a full stop.</source>
        <translation>il commence par un point.</translation>
    </message>
    <message>
        <source>it begins with an invisible character.</source>
        <translation>il commence par un caractère invisible.</translation>
    </message>
    <message>
        <source>it holds one of the characters / \ : * ? &quot; &lt; &gt; | that a file name cannot hold.</source>
        <translation>il contient l&apos;un des caractères / \&#xa0;: *&#xa0;? &quot; &lt; &gt; | interdits dans un nom de fichier.</translation>
    </message>
    <message>
        <source>it is too long for a file name.</source>
        <translation>il est trop long pour un nom de fichier.</translation>
    </message>
</context>
<context>
    <name>Collections</name>
    <message>
        <source>None of the albums picked from this collection holds music to play.</source>
        <translation>Aucun des albums choisis dans cette collection ne contient de musique à lire.</translation>
    </message>
    <message>
        <source>Your collections are listed below - you can click the album cover to skip tracks...</source>
        <translation>Vos collections sont listées ci-dessous - cliquez sur la pochette pour passer des morceaux...</translation>
    </message>
    <message>
        <source>Collections Mode</source>
        <translation>Mode Collections</translation>
    </message>
    <message>
        <source>Collection: %1</source>
        <translation>Collection&#xa0;: %1</translation>
    </message>
    <message>
        <source>File not found!  This album has been moved or changed</source>
        <translation>Fichier introuvable&#xa0;!  Cet album a été déplacé ou modifié</translation>
    </message>
    <message>
        <source>Please enter a title for this collection</source>
        <translation>Veuillez saisir un titre pour cette collection</translation>
    </message>
    <message>
        <source>Action abandoned, or no Collection name supplied.</source>
        <translation>Action annulée, ou aucun nom de collection fourni.</translation>
    </message>
    <message>
        <source>Click on an album cover to add it to your collection: %1</source>
        <translation>Cliquez sur une pochette pour ajouter l&apos;album à votre collection&#xa0;: %1</translation>
    </message>
    <message>
        <source>Collection %1 could not be saved: %2</source>
        <translation>La collection %1 n&apos;a pas pu être enregistrée&#xa0;: %2</translation>
    </message>
    <message>
        <source>Please click on album covers to add them to this collection</source>
        <translation>Veuillez cliquer sur des pochettes pour ajouter les albums à cette collection</translation>
    </message>
    <message>
        <source>Collection %1 has been saved</source>
        <translation>La collection %1 a été enregistrée</translation>
    </message>
    <message>
        <source>Click on an album to delete it from the list, or a cover to add to list.</source>
        <translation>Cliquez sur un album pour le retirer de la liste, ou sur une pochette pour l&apos;ajouter.</translation>
    </message>
    <message>
        <source>Are you sure you want to delete this collection?</source>
        <translation>Voulez-vous vraiment supprimer cette collection&#xa0;?</translation>
    </message>
    <message>
        <source>%1 has been deleted</source>
        <translation>%1 a été supprimée</translation>
    </message>
    <message>
        <source>No collections found.</source>
        <translation>Aucune collection trouvée.</translation>
    </message>
    <message>
        <source>The playlist could not be written: %1</source>
        <translation>La liste de lecture n&apos;a pas pu être écrite&#xa0;: %1</translation>
    </message>
    <message>
        <source>Collection %1 exported to %2</source>
        <translation>Collection %1 exportée vers %2</translation>
    </message>
    <message>
        <source>Imported playlist</source>
        <translation>Liste de lecture importée</translation>
    </message>
    <message>
        <source>None of the tracks of %1 belongs to an album of Lumetra, so no collection was made.</source>
        <translation>Aucun des morceaux de %1 n&apos;appartient à un album de Lumetra&#xa0;: aucune collection n&apos;a été créée.</translation>
    </message>
    <message>
        <source>Collection %1 made from %2</source>
        <translation>Collection %1 créée à partir de %2</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Use DIR as the application folder.</source>
        <translation>Utiliser DIR comme dossier de l&apos;application.</translation>
    </message>
    <message>
        <source>Rebuild the catalogue from the music folder ROOT without a window (with --layout).</source>
        <translation>Reconstruire le catalogue à partir du dossier de musique ROOT, sans fenêtre (avec --layout).</translation>
    </message>
    <message>
        <source>With --scan: nested (albums inside artist folders) or flat.</source>
        <translation>Avec --scan&#xa0;: nested (albums dans des dossiers d&apos;artiste) ou flat.</translation>
    </message>
    <message>
        <source>Write albums.htm in the application folder without a window.</source>
        <translation>Écrire albums.htm dans le dossier de l&apos;application, sans fenêtre.</translation>
    </message>
    <message>
        <source>An .m3u or .m3u8 playlist to import as a collection.</source>
        <translation>Une liste de lecture .m3u ou .m3u8 à importer comme collection.</translation>
    </message>
    <message>
        <source>Give at most one playlist.</source>
        <translation>Indiquez au plus une liste de lecture.</translation>
    </message>
    <message>
        <source>%1 is not an .m3u or .m3u8 playlist.</source>
        <translation>%1 n&apos;est pas une liste de lecture .m3u ou .m3u8.</translation>
    </message>
    <message>
        <source>The playlist %1 cannot be read.</source>
        <translation>La liste de lecture %1 ne peut pas être lue.</translation>
    </message>
    <message>
        <source>Lumetra Jukebox: a wall of album covers that plays your music folder.

The application folder holds the catalogue tracks.lum, the settings jb.ini, the
collections (*.ply), albums.htm and the program&apos;s pictures in files/. It is the folder
given with --app-dir; else, for an installed program, the user&apos;s data folder
($XDG_DATA_HOME/Lumetra, by default ~/.local/share/Lumetra); a copy run from the folder
it was built or unpacked in uses that folder when it may write there.
Without --app-dir this program uses %1</source>
        <translation>Lumetra Jukebox&#xa0;: un mur de pochettes d&apos;albums qui joue votre dossier de musique.

Le dossier de l&apos;application contient le catalogue tracks.lum, les réglages jb.ini, les
collections (*.ply), albums.htm et les images du programme dans files/. C&apos;est le dossier
indiqué par --app-dir&#xa0;; sinon, pour un programme installé, le dossier de données de
l&apos;utilisateur ($XDG_DATA_HOME/Lumetra, par défaut ~/.local/share/Lumetra)&#xa0;; une copie lancée
depuis le dossier où elle a été compilée ou décompressée utilise ce dossier si elle peut y écrire.
Sans --app-dir, ce programme utilise %1</translation>
    </message>
    <message>
        <source>Give either --scan ROOT --layout nested|flat or --inventory.</source>
        <translation>Indiquez soit --scan ROOT --layout nested|flat, soit --inventory.</translation>
    </message>
    <message>
        <source>A playlist is imported in the window, not with --scan or --inventory.</source>
        <translation>Une liste de lecture s&apos;importe dans la fenêtre, pas avec --scan ni --inventory.</translation>
    </message>
    <message>
        <source>--scan needs --layout nested or --layout flat.</source>
        <translation>--scan demande --layout nested ou --layout flat.</translation>
    </message>
    <message>
        <source>The catalogue holds no albums, so albums.htm was not written.</source>
        <translation>Le catalogue ne contient aucun album&#xa0;: albums.htm n&apos;a pas été écrit.</translation>
    </message>
    <message>
        <source>albums.htm could not be written: %1</source>
        <translation>albums.htm n&apos;a pas pu être écrit&#xa0;: %1</translation>
    </message>
    <message>
        <source>Lumetra Jukebox is open on %1. Close it first: --scan and --inventory write what its window holds.</source>
        <translation>Lumetra Jukebox est ouvert sur %1. Fermez-le d&apos;abord&#xa0;: --scan et --inventory écrivent ce que sa fenêtre contient.</translation>
    </message>
</context>
<context>
    <name>CopyProgress</name>
    <message>
        <source>Copying music files...</source>
        <translation>Copie des fichiers de musique...</translation>
    </message>
    <message>
        <source>Copying music files</source>
        <translation>Copie des fichiers de musique</translation>
    </message>
</context>
<context>
    <name>CoverArtForm</name>
    <message>
        <source>The cover could not be saved as %1: %2
The album keeps its cover.</source>
        <translation>La pochette n&apos;a pas pu être enregistrée sous %1&#xa0;: %2
L&apos;album garde sa pochette.</translation>
    </message>
</context>
<context>
    <name>CoverSlot</name>
    <message>
        <source>Empty slot</source>
        <translation>Emplacement vide</translation>
    </message>
    <message>
        <source>Cover shadow</source>
        <translation>Ombre de la pochette</translation>
    </message>
</context>
<context>
    <name>JukeboxQueue</name>
    <message>
        <source>%1 - Added by Lumetra - Hey, Nothing was waiting in the queue...</source>
        <translation>%1 - Ajouté par Lumetra - Hé, rien n&apos;attendait dans la file...</translation>
    </message>
    <message>
        <source>*Playlist Mode: (click album art in playlist area to skip track...)</source>
        <translation>*Mode Liste de lecture&#xa0;: (cliquez sur la pochette dans la zone de la liste pour passer le morceau...)</translation>
    </message>
    <message>
        <source>Cannot delete a playing track - click on the album cover art to right if you want to skip this track</source>
        <translation>Impossible de supprimer un morceau en cours de lecture - cliquez sur la pochette à droite pour passer ce morceau</translation>
    </message>
</context>
<context>
    <name>NewAlbumForm</name>
    <message>
        <source>&quot;%1&quot; cannot be the name of an album folder - please choose a different name.</source>
        <translation>«&#xa0;%1&#xa0;» ne peut pas être le nom d&apos;un dossier d&apos;album - veuillez choisir un autre nom.</translation>
    </message>
    <message>
        <source>A folder with this name already exists in this location!  Please choose a different name or re-scan your folders</source>
        <translation>Un dossier de ce nom existe déjà à cet endroit&#xa0;!  Veuillez choisir un autre nom ou analyser à nouveau vos dossiers</translation>
    </message>
    <message>
        <source>Please Select a Track first</source>
        <translation>Veuillez d&apos;abord sélectionner un morceau</translation>
    </message>
    <message>
        <source>No tracks have yet been added - please select a folder that contains music tracks</source>
        <translation>Aucun morceau ajouté pour le moment - veuillez choisir un dossier contenant des morceaux</translation>
    </message>
    <message>
        <source>No tracks have yet been added - please drag music tracks to the left hand pain or use the Copy from Folder button</source>
        <translation>Aucun morceau ajouté pour le moment - faites glisser des morceaux dans le volet de gauche ou utilisez le bouton «&#xa0;Copier depuis un dossier&#xa0;»</translation>
    </message>
    <message>
        <source>Please enter a title.</source>
        <translation>Veuillez saisir un titre.</translation>
    </message>
    <message>
        <source>Lumetra already has an album with this name listed!  Please choose a different name.</source>
        <translation>Lumetra contient déjà un album de ce nom&#xa0;!  Veuillez choisir un autre nom.</translation>
    </message>
    <message>
        <source>If you have less than 2 albums in Lumetra, you must restart the program before they can be added.  This is not needed once you have more than two albums.</source>
        <translation>Si Lumetra contient moins de 2 albums, vous devez redémarrer le programme pour qu&apos;ils soient ajoutés.  Ce n&apos;est plus nécessaire au-delà de deux albums.</translation>
    </message>
    <message>
        <source>The album could not be added to the catalogue: %1</source>
        <translation>L&apos;album n&apos;a pas pu être ajouté au catalogue&#xa0;: %1</translation>
    </message>
    <message>
        <source>New album created!</source>
        <translation>Nouvel album créé&#xa0;!</translation>
    </message>
</context>
<context>
    <name>Playback</name>
    <message>
        <source>Could not play &quot;%1&quot;</source>
        <translation>Impossible de lire «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>Playback has stopped: %1 files in a row could not be played. The last one was in the folder &quot;%2&quot;.</source>
        <translation>La lecture s&apos;est arrêtée&#xa0;: %1 fichiers de suite n&apos;ont pas pu être lus. Le dernier se trouvait dans le dossier «&#xa0;%2&#xa0;».</translation>
    </message>
    <message>
        <source>%1 was skipped because its folder holds nothing to play.</source>
        <translation>%1 a été passé car son dossier ne contient rien à lire.</translation>
    </message>
    <message>
        <source>You cannot select albums in Shuffle All mode</source>
        <translation>Vous ne pouvez pas choisir d&apos;album en mode Tout aléatoire</translation>
    </message>
    <message>
        <source>*Shuffle Mode: &quot;%1&quot; [hit album picture to skip].</source>
        <translation>*Mode aléatoire&#xa0;: «&#xa0;%1&#xa0;» [cliquez sur la pochette pour passer].</translation>
    </message>
    <message>
        <source>Cannot skip tracks when editing collections...</source>
        <translation>Impossible de passer des morceaux pendant la modification d&apos;une collection...</translation>
    </message>
    <message>
        <source>%1 was skipped because it is set not to play in Random mode.</source>
        <translation>%1 a été passé car il est exclu de la lecture aléatoire.</translation>
    </message>
    <message>
        <source>Cannot find enough albums to play in this mode.  Please ensure that they are not all set to skip in shuffle mode!</source>
        <translation>Pas assez d&apos;albums à jouer dans ce mode.  Vérifiez qu&apos;ils ne sont pas tous exclus du mode aléatoire&#xa0;!</translation>
    </message>
    <message>
        <source>This can&apos;t be used in Jukebox mode</source>
        <translation>Ceci n&apos;est pas disponible en mode Jukebox</translation>
    </message>
    <message numerus="yes">
        <source>%n albums loaded.</source>
        <translation>
            <numerusform>%n album chargé.</numerusform>
            <numerusform>%n albums chargés.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RecordView</name>
    <message>
        <source>The catalogue is not open.</source>
        <translation>Le catalogue n&apos;est pas ouvert.</translation>
    </message>
    <message>
        <source>Table %1 does not exist.</source>
        <translation>La table %1 n&apos;existe pas.</translation>
    </message>
    <message>
        <source>The catalogue&apos;s driver is not SQLite.</source>
        <translation>Le pilote du catalogue n&apos;est pas SQLite.</translation>
    </message>
</context>
<context>
    <name>RemoteCall</name>
    <message>
        <source>Bad request.</source>
        <translation>Requête invalide.</translation>
    </message>
    <message>
        <source>The body must be JSON.</source>
        <translation>Le contenu doit être du JSON.</translation>
    </message>
    <message>
        <source>Not found.</source>
        <translation>Introuvable.</translation>
    </message>
    <message>
        <source>Method not allowed.</source>
        <translation>Méthode non autorisée.</translation>
    </message>
</context>
<context>
    <name>RemoteServer</name>
    <message>
        <source>A request body needs its length.</source>
        <translation>Le contenu d&apos;une requête doit indiquer sa longueur.</translation>
    </message>
    <message>
        <source>The request is too large.</source>
        <translation>La requête est trop grande.</translation>
    </message>
    <message>
        <source>The request&apos;s headers are too large.</source>
        <translation>Les en-têtes de la requête sont trop grands.</translation>
    </message>
    <message>
        <source>Too many connections; please try again later.</source>
        <translation>Trop de connexions&#xa0;; veuillez réessayer plus tard.</translation>
    </message>
</context>
<context>
    <name>RemoteService</name>
    <message>
        <source>Forbidden.</source>
        <translation>Interdit.</translation>
    </message>
</context>
<context>
    <name>Scanner</name>
    <message>
        <source>Left out: %1</source>
        <translation>Ignoré&#xa0;: %1</translation>
    </message>
    <message>
        <source>The music folder &quot;%1&quot; is not a full path, so the catalogue was left as it was.</source>
        <translation>Le dossier de musique «&#xa0;%1&#xa0;» n&apos;est pas un chemin complet&#xa0;: le catalogue est resté tel quel.</translation>
    </message>
    <message>
        <source>Done! Time taken: %1 seconds.    Music folders found: %2</source>
        <translation>Terminé&#xa0;! Durée&#xa0;: %1 secondes.    Dossiers de musique trouvés&#xa0;: %2</translation>
    </message>
    <message>
        <source>The music folder &quot;%1&quot; cannot be read (%2), so the catalogue was left as it was.</source>
        <translation>Le dossier de musique «&#xa0;%1&#xa0;» ne peut pas être lu (%2)&#xa0;: le catalogue est resté tel quel.</translation>
    </message>
    <message>
        <source>no folder given</source>
        <translation>aucun dossier indiqué</translation>
    </message>
    <message>
        <source>The catalogue cannot be written, so it was left as it was.</source>
        <translation>Le catalogue ne peut pas être écrit&#xa0;: il est resté tel quel.</translation>
    </message>
    <message>
        <source>The catalogue cannot be written: %1</source>
        <translation>Le catalogue ne peut pas être écrit&#xa0;: %1</translation>
    </message>
    <message>
        <source>Searching for music files . . . %1</source>
        <translation>Recherche de fichiers de musique . . . %1</translation>
    </message>
    <message>
        <source>%1: the name is not valid UTF-8</source>
        <translation>%1&#xa0;: le nom n&apos;est pas de l&apos;UTF-8 valide</translation>
    </message>
    <message>
        <source>The scan was stopped; the catalogue was left as it was.</source>
        <translation>L&apos;analyse a été arrêtée&#xa0;; le catalogue est resté tel quel.</translation>
    </message>
    <message>
        <source>The new catalogue could not be saved; the old one was kept.</source>
        <translation>Le nouveau catalogue n&apos;a pas pu être enregistré&#xa0;; l&apos;ancien a été conservé.</translation>
    </message>
    <message numerus="yes">
        <source>Folders left out: %n</source>
        <translation>
            <numerusform>Dossier ignoré&#xa0;: %n</numerusform>
            <numerusform>Dossiers ignorés&#xa0;: %n</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SettingsForm</name>
    <message>
        <source>Music folder</source>
        <translation>Dossier de musique</translation>
    </message>
    <message>
        <source>Cover size</source>
        <translation>Taille des pochettes</translation>
    </message>
    <message>
        <source>Spacing</source>
        <translation>Espacement</translation>
    </message>
    <message>
        <source>Title font</source>
        <translation>Police des titres</translation>
    </message>
    <message>
        <source>Background picture</source>
        <translation>Image d&apos;arrière-plan</translation>
    </message>
    <message>
        <source>%1: the value holds a line break, and jb.ini keeps each value on one line. Please correct it; nothing has been saved.</source>
        <translation>%1&#xa0;: la valeur contient un saut de ligne, or jb.ini garde chaque valeur sur une ligne. Veuillez la corriger&#xa0;; rien n&apos;a été enregistré.</translation>
    </message>
</context>
<context>
    <name>TextFile</name>
    <message>
        <source>line %1 holds a line break.</source>
        <translation>la ligne %1 contient un saut de ligne.</translation>
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
            <numerusform>Lumetra Jukebox&#xa0;: %n album chargé.</numerusform>
            <numerusform>Lumetra Jukebox&#xa0;: %n albums chargés.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>lumetra::AddTracksWindow</name>
    <message>
        <source>Add tracks</source>
        <translation>Ajouter des morceaux</translation>
    </message>
    <message>
        <source>Tracks to add: drop music files here</source>
        <translation>Morceaux à ajouter&#xa0;: déposez les fichiers de musique ici</translation>
    </message>
    <message>
        <source>Alternatively, you can simply just drop any music file on top of any album cover to add it to that album - use right-click and explore to find files...</source>
        <translation>Vous pouvez aussi déposer un fichier de musique sur une pochette pour l&apos;ajouter à l&apos;album - clic droit, «&#xa0;Explorer&#xa0;» pour le trouver...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
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
        <translation>Barre de boutons</translation>
    </message>
    <message>
        <source>Next page</source>
        <translation>Page suivante</translation>
    </message>
    <message>
        <source>Previous page</source>
        <translation>Page précédente</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Mode</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Hover mouse at top of screen to jump to a letter..</source>
        <translation>Placez la souris en haut de l&apos;écran pour sauter à une lettre..</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <source>Prev</source>
        <translation>Précédent</translation>
    </message>
    <message>
        <source>Locked for guests</source>
        <translation>Verrouillé pour les invités</translation>
    </message>
</context>
<context>
    <name>lumetra::ChildWindows</name>
    <message>
        <source>The album list could not be written: %1</source>
        <translation>La liste des albums n&apos;a pas pu être écrite&#xa0;: %1</translation>
    </message>
    <message>
        <source>The folder %1 could not be opened.</source>
        <translation>Le dossier %1 n&apos;a pas pu être ouvert.</translation>
    </message>
</context>
<context>
    <name>lumetra::CollectionsPanel</name>
    <message>
        <source>Collection status</source>
        <translation>État de la collection</translation>
    </message>
    <message>
        <source>Collections</source>
        <translation>Collections</translation>
    </message>
    <message>
        <source>Drop an .m3u or .m3u8 playlist here to make it a collection</source>
        <translation>Déposez ici une liste de lecture .m3u ou .m3u8 pour en faire une collection</translation>
    </message>
    <message>
        <source>Export Collection as Playlist (.m3u8)...</source>
        <translation>Exporter la collection en liste de lecture (.m3u8)...</translation>
    </message>
    <message>
        <source>My Colls.</source>
        <translation>Toutes</translation>
    </message>
    <message>
        <source>View all the collections</source>
        <translation>Afficher toutes les collections</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nouvelle</translation>
    </message>
    <message>
        <source>Create a new collection</source>
        <translation>Créer une collection</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Save the new collection</source>
        <translation>Enregistrer la nouvelle collection</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <source>Save the edited collection</source>
        <translation>Enregistrer la collection modifiée</translation>
    </message>
    <message>
        <source>Collection cover: skip the current track</source>
        <translation>Pochette de la collection&#xa0;: passer le morceau en cours</translation>
    </message>
    <message>
        <source>Click here to skip current track...</source>
        <translation>Cliquez ici pour passer le morceau en cours...</translation>
    </message>
    <message>
        <source>List of collections</source>
        <translation>Liste des collections</translation>
    </message>
    <message>
        <source>Scroll the list of collections</source>
        <translation>Faire défiler la liste des collections</translation>
    </message>
    <message>
        <source>Collection %1</source>
        <translation>Collection %1</translation>
    </message>
</context>
<context>
    <name>lumetra::CoverArtWindow</name>
    <message>
        <source>Click here to search for cover on Google!</source>
        <translation>Cliquez ici pour chercher la pochette sur Google&#xa0;!</translation>
    </message>
    <message>
        <source>All image files (*.bmp,*.jpg,*.gif)</source>
        <translation>Tous les fichiers d&apos;image (*.bmp,*.jpg,*.gif)</translation>
    </message>
    <message>
        <source>BMP files (*.bmp)</source>
        <translation>Fichiers BMP (*.bmp)</translation>
    </message>
    <message>
        <source>JPG files (*.jpg)</source>
        <translation>Fichiers JPG (*.jpg)</translation>
    </message>
    <message>
        <source>GIF files (*.gif)</source>
        <translation>Fichiers GIF (*.gif)</translation>
    </message>
    <message>
        <source>&lt;&lt; Back</source>
        <translation>&lt;&lt; Retour</translation>
    </message>
    <message>
        <source>Cover Art</source>
        <translation>Pochette</translation>
    </message>
    <message>
        <source>Cover Art: %1</source>
        <translation>Pochette&#xa0;: %1</translation>
    </message>
    <message>
        <source>Browse PC</source>
        <translation>Parcourir le PC</translation>
    </message>
    <message>
        <source>Paste from Clipboard</source>
        <translation>Coller depuis le presse-papiers</translation>
    </message>
    <message>
        <source>Use this button to paste a picture you have just copied</source>
        <translation>Ce bouton colle une image que vous venez de copier</translation>
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
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Aperçu</translation>
    </message>
    <message>
        <source>Web page</source>
        <translation>Page web</translation>
    </message>
</context>
<context>
    <name>lumetra::CoverSlot</name>
    <message>
        <source>No shuffle</source>
        <translation>Hors aléatoire</translation>
    </message>
    <message>
        <source>Skipped in shuffle</source>
        <translation>Exclu de la lecture aléatoire</translation>
    </message>
    <message>
        <source>Shuffle All leaves this album out</source>
        <translation>Tout aléatoire laisse cet album de côté</translation>
    </message>
    <message>
        <source>No cover</source>
        <translation>Pas de pochette</translation>
    </message>
</context>
<context>
    <name>lumetra::GuestRules</name>
    <message>
        <source>The queue is full for now (at most %1 picks may wait); please wait until one has played.</source>
        <translation>La file est pleine pour l&apos;instant (au plus %1 demandes peuvent attendre)&#xa0;; attendez qu&apos;un morceau ait été joué.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is already waiting in the queue.</source>
        <translation>«&#xa0;%1&#xa0;» attend déjà dans la file.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; played a short while ago; please choose another track.</source>
        <translation>«&#xa0;%1&#xa0;» a été joué il y a peu&#xa0;; choisissez un autre morceau.</translation>
    </message>
</context>
<context>
    <name>lumetra::HelpWindow</name>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Help -[Lumetra %1]</source>
        <translation>Aide -[Lumetra %1]</translation>
    </message>
    <message>
        <source>Help page</source>
        <translation>Page d&apos;aide</translation>
    </message>
</context>
<context>
    <name>lumetra::JukeboxArea</name>
    <message>
        <source>Jukebox queue</source>
        <translation>File d&apos;attente du jukebox</translation>
    </message>
    <message>
        <source>Jukebox playlist area</source>
        <translation>Zone de la liste de lecture du jukebox</translation>
    </message>
    <message>
        <source>Queue cover: skip the current track</source>
        <translation>Pochette de la file&#xa0;: passer le morceau en cours</translation>
    </message>
    <message>
        <source>Click here to skip the current track</source>
        <translation>Cliquez ici pour passer le morceau en cours</translation>
    </message>
</context>
<context>
    <name>lumetra::JukeboxHost</name>
    <message>
        <source>Picks are closed: the jukebox is not in Jukebox mode.</source>
        <translation>Les demandes sont fermées&#xa0;: le jukebox n&apos;est pas en mode Jukebox.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was the last track queued.</source>
        <translation>«&#xa0;%1&#xa0;» est le dernier morceau ajouté à la file.</translation>
    </message>
</context>
<context>
    <name>lumetra::LetterBar</name>
    <message>
        <source>Letter bar</source>
        <translation>Barre des lettres</translation>
    </message>
</context>
<context>
    <name>lumetra::LockDialog</name>
    <message>
        <source>PIN</source>
        <translation>Code PIN</translation>
    </message>
    <message>
        <source>PIN again</source>
        <translation>Confirmer le code PIN</translation>
    </message>
    <message>
        <source>Guests may skip tracks</source>
        <translation>Les invités peuvent passer des morceaux</translation>
    </message>
    <message>
        <source>Lock for guests</source>
        <translation>Verrouiller pour les invités</translation>
    </message>
    <message>
        <source>Picks that may wait in the queue</source>
        <translation>Demandes pouvant attendre dans la file</translation>
    </message>
    <message>
        <source>Loudest volume for guests</source>
        <translation>Volume maximal pour les invités</translation>
    </message>
    <message>
        <source>Problem</source>
        <translation>Problème</translation>
    </message>
    <message>
        <source>Guests can page, search, open albums and queue tracks. Everything else, leaving full screen and closing the jukebox ask for this PIN.</source>
        <translation>Les invités peuvent feuilleter, chercher, ouvrir des albums et ajouter des morceaux à la file. Tout le reste, quitter le plein écran et fermer le jukebox demandent ce code PIN.</translation>
    </message>
    <message>
        <source>About the lock</source>
        <translation>À propos du verrou</translation>
    </message>
    <message>
        <source>PIN (%1 to %2 digits):</source>
        <translation>Code PIN (%1 à %2 chiffres)&#xa0;:</translation>
    </message>
    <message>
        <source>PIN again:</source>
        <translation>Confirmer le code PIN&#xa0;:</translation>
    </message>
    <message>
        <source>Picks that may wait in the queue:</source>
        <translation>Demandes pouvant attendre dans la file&#xa0;:</translation>
    </message>
    <message>
        <source>Loudest volume for guests:</source>
        <translation>Volume maximal pour les invités&#xa0;:</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>Verrouiller</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>The PIN must be %1 to %2 digits.</source>
        <translation>Le code PIN doit compter de %1 à %2 chiffres.</translation>
    </message>
    <message>
        <source>The two PINs differ; type the same PIN twice.</source>
        <translation>Les deux codes PIN diffèrent&#xa0;; tapez deux fois le même code.</translation>
    </message>
    <message>
        <source>Quietest volume for guests</source>
        <translation>Volume minimal pour les invités</translation>
    </message>
    <message>
        <source>Quietest volume for guests:</source>
        <translation>Volume minimal pour les invités&#xa0;:</translation>
    </message>
</context>
<context>
    <name>lumetra::MainMenus</name>
    <message>
        <source>Import Playlist as Collection...</source>
        <translation>Importer une liste de lecture comme collection...</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>Plein écran</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Mode</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Normal Play</source>
        <translation>Lecture normale</translation>
    </message>
    <message>
        <source>Shuffle All</source>
        <translation>Tout aléatoire</translation>
    </message>
    <message>
        <source>Jukebox</source>
        <translation>Jukebox</translation>
    </message>
    <message>
        <source>Collections</source>
        <translation>Collections</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>Add New Album</source>
        <translation>Ajouter un album</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Réglages</translation>
    </message>
    <message>
        <source>List Albums in Browser</source>
        <translation>Lister les albums dans le navigateur</translation>
    </message>
    <message>
        <source>Play this album shuffled</source>
        <translation>Jouer cet album en aléatoire</translation>
    </message>
    <message>
        <source>List Songs</source>
        <translation>Lister les morceaux</translation>
    </message>
    <message>
        <source>Get Cover Art</source>
        <translation>Obtenir la pochette</translation>
    </message>
    <message>
        <source>Explore</source>
        <translation>Explorer</translation>
    </message>
    <message>
        <source>Shuffle</source>
        <translation>Aléatoire</translation>
    </message>
    <message>
        <source>Skip this album when in shuffle mode</source>
        <translation>Exclure cet album de la lecture aléatoire</translation>
    </message>
    <message>
        <source>Play this album when in Shuffle mode</source>
        <translation>Réintégrer cet album à la lecture aléatoire</translation>
    </message>
    <message>
        <source>Add songs to this album</source>
        <translation>Ajouter des morceaux à cet album</translation>
    </message>
    <message>
        <source>Rename Album</source>
        <translation>Renommer l&apos;album</translation>
    </message>
    <message>
        <source>Delete Album</source>
        <translation>Supprimer l&apos;album</translation>
    </message>
    <message>
        <source>Move to top of list</source>
        <translation>Placer en tête de liste</translation>
    </message>
    <message>
        <source>Delete from Playlist</source>
        <translation>Supprimer de la liste de lecture</translation>
    </message>
    <message>
        <source>Remove This Album</source>
        <translation>Retirer cet album</translation>
    </message>
    <message>
        <source>Albums skipped in shuffle…</source>
        <translation>Albums exclus de la lecture aléatoire…</translation>
    </message>
    <message>
        <source>Party Mode</source>
        <translation>Mode fête</translation>
    </message>
    <message>
        <source>Lock for guests…</source>
        <translation>Verrouiller pour les invités…</translation>
    </message>
    <message>
        <source>Unlock</source>
        <translation>Déverrouiller</translation>
    </message>
    <message>
        <source>Phone remote…</source>
        <translation>Télécommande par téléphone…</translation>
    </message>
</context>
<context>
    <name>lumetra::MainWindow</name>
    <message>
        <source>Playlists (*.m3u;*.m3u8)</source>
        <translation>Listes de lecture (*.m3u;*.m3u8)</translation>
    </message>
    <message>
        <source>The album catalogue could not be opened, so Lumetra starts with an empty wall.

%1

The file has been left exactly as it was.</source>
        <translation>Le catalogue des albums n&apos;a pas pu être ouvert&#xa0;: Lumetra démarre avec un mur vide.

%1

Le fichier a été laissé exactement tel quel.</translation>
    </message>
    <message>
        <source>Lumetra doesn&apos;t yet contain any albums - click on Options &gt; Add New Album to start building your collection, or use the options screen where Lumetra can scan your hard disk for you..   Once done, you MUST restart Lumetra before these first albums are added to teh collection.</source>
        <translation>Lumetra ne contient encore aucun album - cliquez sur Options &gt; Ajouter un album pour commencer votre collection, ou laissez Lumetra analyser votre disque depuis l&apos;écran des réglages.   Ensuite, vous DEVEZ redémarrer Lumetra pour que ces premiers albums entrent dans la collection.</translation>
    </message>
    <message>
        <source>Playlists (*.m3u8)</source>
        <translation>Listes de lecture (*.m3u8)</translation>
    </message>
</context>
<context>
    <name>lumetra::NewAlbumWindow</name>
    <message>
        <source>Create a New Album</source>
        <translation>Créer un nouvel album</translation>
    </message>
    <message>
        <source>Please select an option:</source>
        <translation>Veuillez choisir une option&#xa0;:</translation>
    </message>
    <message>
        <source>Add the songs to the database and leave them where they are on disk</source>
        <translation>Ajouter les morceaux à la base et les laisser où ils sont sur le disque</translation>
    </message>
    <message>
        <source>Add the songs to the database and copy them to the default music folder</source>
        <translation>Ajouter les morceaux à la base et les copier dans le dossier de musique par défaut</translation>
    </message>
    <message>
        <source>IMPORTANT:  Don&apos;t forget that if you haven&apos;t done before,  you can always go to the Settings screen and ask Lumetra to scan for music files for you.</source>
        <translation>IMPORTANT&#xa0;:  si ce n&apos;est pas déjà fait, vous pouvez toujours demander à Lumetra, dans l&apos;écran des réglages, de rechercher vos fichiers de musique.</translation>
    </message>
    <message>
        <source>[Click here]</source>
        <translation>[Cliquez ici]</translation>
    </message>
    <message>
        <source>Open the settings to scan for music</source>
        <translation>Ouvrir les réglages pour rechercher de la musique</translation>
    </message>
    <message>
        <source>Tracks of the new album</source>
        <translation>Morceaux du nouvel album</translation>
    </message>
    <message>
        <source>HINT: Drop mp3, ogg and wma tracks onto the window to the left to add them to the new album...</source>
        <translation>ASTUCE&#xa0;: déposez des morceaux mp3, ogg et wma dans la fenêtre de gauche pour les ajouter au nouvel album...</translation>
    </message>
    <message>
        <source>Advice: Now click on &quot;Locate New Album&quot; and browse to where the album resides on your hard disk.  Once you have located it, you will be given the chance to rename it should you wish to.  You cannot use a nane that is the same as one that Lumetra is already using.  Finally you should click on &quot;Add to database&quot;.</source>
        <translation>Conseil&#xa0;: cliquez maintenant sur «&#xa0;Localiser un album&#xa0;» et allez jusqu&apos;au dossier de l&apos;album sur votre disque.  Vous pourrez ensuite le renommer si vous le souhaitez.  Un nom déjà utilisé par Lumetra n&apos;est pas possible.  Cliquez enfin sur «&#xa0;Ajouter à la base&#xa0;».</translation>
    </message>
    <message>
        <source>Enter a name for the new album:</source>
        <translation>Nom du nouvel album&#xa0;:</translation>
    </message>
    <message>
        <source>Name of the new album</source>
        <translation>Nom du nouvel album</translation>
    </message>
    <message>
        <source>Format should be:  Artist Name, Album Name</source>
        <translation>Format&#xa0;:  Nom de l&apos;artiste, Nom de l&apos;album</translation>
    </message>
    <message>
        <source>Copy from Folder</source>
        <translation>Copier depuis un dossier</translation>
    </message>
    <message>
        <source>Locate New Album</source>
        <translation>Localiser un album</translation>
    </message>
    <message>
        <source>Windows Explorer</source>
        <translation>Gestionnaire de fichiers</translation>
    </message>
    <message>
        <source>Open the application folder in the file manager</source>
        <translation>Ouvrir le dossier de l&apos;application dans le gestionnaire de fichiers</translation>
    </message>
    <message>
        <source>Create this Album</source>
        <translation>Créer cet album</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Remove from List</source>
        <translation>Retirer de la liste</translation>
    </message>
    <message>
        <source>Add to Database</source>
        <translation>Ajouter à la base</translation>
    </message>
    <message>
        <source>Locate the folder that contains the mp3/wma files you want</source>
        <translation>Choisissez le dossier contenant les fichiers mp3/wma voulus</translation>
    </message>
    <message>
        <source>This character not allowed in the name - a hyphen will be substituted</source>
        <translation>Ce caractère n&apos;est pas autorisé dans le nom - il sera remplacé par un tiret</translation>
    </message>
</context>
<context>
    <name>lumetra::Party</name>
    <message>
        <source>The party settings in %1 could not be used: %2. Party mode is off; the file is left as it is until party mode is changed.</source>
        <translation>Les réglages de fête de %1 n&apos;ont pas pu être utilisés&#xa0;: %2. Le mode fête est désactivé&#xa0;; le fichier reste tel quel jusqu&apos;au prochain changement du mode fête.</translation>
    </message>
    <message>
        <source>The PIN must be %1 to %2 digits.</source>
        <translation>Le code PIN doit compter de %1 à %2 chiffres.</translation>
    </message>
    <message>
        <source>Other users of this computer could read %1; now only you can.</source>
        <translation>D&apos;autres utilisateurs de cet ordinateur pouvaient lire %1&#xa0;; désormais, vous seul pouvez le lire.</translation>
    </message>
</context>
<context>
    <name>lumetra::PartyControls</name>
    <message>
        <source>Party mode stays as it was: %1 could not be written (%2).</source>
        <translation>Le mode fête reste tel quel&#xa0;: %1 n&apos;a pas pu être écrit (%2).</translation>
    </message>
    <message>
        <source>The jukebox is not locked: %1 could not be written (%2).</source>
        <translation>Le jukebox n&apos;est pas verrouillé&#xa0;: %1 n&apos;a pas pu être écrit (%2).</translation>
    </message>
</context>
<context>
    <name>lumetra::PartyGuard</name>
    <message>
        <source>Too many wrong PINs: try again in %1 seconds.</source>
        <translation>Trop de codes PIN erronés&#xa0;: réessayez dans %1 secondes.</translation>
    </message>
    <message>
        <source>The jukebox is locked. Enter the PIN:</source>
        <translation>Le jukebox est verrouillé. Entrez le code PIN&#xa0;:</translation>
    </message>
    <message>
        <source>Wrong PIN.</source>
        <translation>Code PIN erroné.</translation>
    </message>
    <message>
        <source>The jukebox stays locked: %1 could not be written (%2).</source>
        <translation>Le jukebox reste verrouillé&#xa0;: %1 n&apos;a pas pu être écrit (%2).</translation>
    </message>
</context>
<context>
    <name>lumetra::PartySettings</name>
    <message>
        <source>it could not be read (%1)</source>
        <translation>il n&apos;a pas pu être lu (%1)</translation>
    </message>
    <message>
        <source>its format</source>
        <translation>son format</translation>
    </message>
    <message>
        <source>the value of %1 is missing or not valid</source>
        <translation>la valeur de %1 manque ou n&apos;est pas valide</translation>
    </message>
    <message>
        <source>the settings could not be written</source>
        <translation>les réglages n&apos;ont pas pu être écrits</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>ce n&apos;est pas un fichier ordinaire</translation>
    </message>
</context>
<context>
    <name>lumetra::PlayerBar</name>
    <message>
        <source>Player</source>
        <translation>Lecteur</translation>
    </message>
    <message>
        <source>Play or pause</source>
        <translation>Lecture ou pause</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêt</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>Time played</source>
        <translation>Temps écoulé</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Lecture</translation>
    </message>
</context>
<context>
    <name>lumetra::Remote</name>
    <message>
        <source>The phone remote could not be started: %1</source>
        <translation>La télécommande par téléphone n&apos;a pas pu démarrer&#xa0;: %1</translation>
    </message>
    <message>
        <source>The settings could not be saved: %1</source>
        <translation>Les réglages n&apos;ont pas pu être enregistrés&#xa0;: %1</translation>
    </message>
    <message>
        <source>Choose a port from %1 to 65535.</source>
        <translation>Choisissez un port de %1 à 65535.</translation>
    </message>
</context>
<context>
    <name>lumetra::RemoteDialog</name>
    <message>
        <source>Let phones on this network use the remote</source>
        <translation>Permettre aux téléphones de ce réseau d&apos;utiliser la télécommande</translation>
    </message>
    <message>
        <source>Draw a new address</source>
        <translation>Générer une nouvelle adresse</translation>
    </message>
    <message>
        <source>Phone remote</source>
        <translation>Télécommande par téléphone</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Page address</source>
        <translation>Adresse de la page</translation>
    </message>
    <message>
        <source>QR code of the page address</source>
        <translation>Code QR de l&apos;adresse de la page</translation>
    </message>
    <message>
        <source>Phones that use the old address are disconnected.</source>
        <translation>Les téléphones qui utilisent l&apos;ancienne adresse sont déconnectés.</translation>
    </message>
    <message>
        <source>Why the last change could not be made</source>
        <translation>Pourquoi la dernière modification n&apos;a pas pu être faite</translation>
    </message>
    <message>
        <source>Guests open this address on a phone on the same network, or scan the code, to browse the albums and queue tracks in Jukebox mode.</source>
        <translation>Les invités ouvrent cette adresse sur un téléphone du même réseau, ou scannent le code, pour parcourir les albums et ajouter des morceaux à la file en mode Jukebox.</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Port&#xa0;:</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>Adresse&#xa0;:</translation>
    </message>
    <message>
        <source>The remote is off.</source>
        <translation>La télécommande est désactivée.</translation>
    </message>
</context>
<context>
    <name>lumetra::RemoteServer</name>
    <message>
        <source>Port %1 is already in use by another program.</source>
        <translation>Le port %1 est déjà utilisé par un autre programme.</translation>
    </message>
    <message>
        <source>Too many pages are open; please try again later.</source>
        <translation>Trop de pages sont ouvertes&#xa0;; veuillez réessayer plus tard.</translation>
    </message>
    <message>
        <source>Not found.</source>
        <translation>Introuvable.</translation>
    </message>
    <message>
        <source>This is not a WebSocket request.</source>
        <translation>Ceci n&apos;est pas une requête WebSocket.</translation>
    </message>
</context>
<context>
    <name>lumetra::RemoteService</name>
    <message>
        <source>Too many requests; please slow down.</source>
        <translation>Trop de requêtes&#xa0;; veuillez ralentir.</translation>
    </message>
    <message>
        <source>This address is for the page&apos;s live updates.</source>
        <translation>Cette adresse sert aux mises à jour en direct de la page.</translation>
    </message>
    <message>
        <source>There is no such album.</source>
        <translation>Cet album n&apos;existe pas.</translation>
    </message>
    <message>
        <source>The jukebox is busy searching; please try again in a moment.</source>
        <translation>Le jukebox est occupé à chercher&#xa0;; veuillez réessayer dans un instant.</translation>
    </message>
    <message>
        <source>This album has no cover.</source>
        <translation>Cet album n&apos;a pas de pochette.</translation>
    </message>
    <message>
        <source>That album has no such track.</source>
        <translation>Cet album n&apos;a pas ce morceau.</translation>
    </message>
    <message>
        <source>This album has changed; please open it again.</source>
        <translation>Cet album a changé&#xa0;; veuillez le rouvrir.</translation>
    </message>
    <message>
        <source>Something went wrong.</source>
        <translation>Une erreur s&apos;est produite.</translation>
    </message>
    <message>
        <source>No PIN has been set on the jukebox.</source>
        <translation>Aucun code PIN n&apos;a été défini sur le jukebox.</translation>
    </message>
    <message>
        <source>Too many wrong PINs; please try again in %1 seconds.</source>
        <translation>Trop de codes PIN erronés&#xa0;; veuillez réessayer dans %1 secondes.</translation>
    </message>
    <message>
        <source>That PIN is not right.</source>
        <translation>Ce code PIN n&apos;est pas le bon.</translation>
    </message>
    <message>
        <source>Please enter the PIN again.</source>
        <translation>Veuillez saisir à nouveau le code PIN.</translation>
    </message>
</context>
<context>
    <name>lumetra::RightPanel</name>
    <message>
        <source>Now playing</source>
        <translation>En cours de lecture</translation>
    </message>
    <message>
        <source>Now playing cover</source>
        <translation>Pochette en cours de lecture</translation>
    </message>
    <message>
        <source>Click here to skip current track</source>
        <translation>Cliquez ici pour passer le morceau en cours</translation>
    </message>
    <message>
        <source>Track list</source>
        <translation>Liste des morceaux</translation>
    </message>
</context>
<context>
    <name>lumetra::SearchWindow</name>
    <message>
        <source>Search for track names</source>
        <translation>Rechercher des noms de morceaux</translation>
    </message>
    <message>
        <source>Search status</source>
        <translation>État de la recherche</translation>
    </message>
    <message>
        <source>Search text</source>
        <translation>Texte recherché</translation>
    </message>
    <message>
        <source>Search results</source>
        <translation>Résultats de la recherche</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Chercher</translation>
    </message>
    <message>
        <source>Type in a track-name search string, e.g. &quot;Jude&quot; or &quot;last night&quot;...</source>
        <translation>Tapez un texte à chercher dans les noms de morceaux, par ex. «&#xa0;Jude&#xa0;» ou «&#xa0;last night&#xa0;»...</translation>
    </message>
    <message>
        <source>Searching...</source>
        <translation>Recherche en cours...</translation>
    </message>
    <message>
        <source>No matches found! Try a simpler search perhaps?</source>
        <translation>Aucun résultat&#xa0;! Essayez peut-être une recherche plus simple&#xa0;?</translation>
    </message>
    <message>
        <source>Double-click on any result to move to that album...</source>
        <translation>Double-cliquez sur un résultat pour aller à cet album...</translation>
    </message>
    <message>
        <source>Error - not found!</source>
        <translation>Erreur - introuvable&#xa0;!</translation>
    </message>
    <message>
        <source>Number of results</source>
        <translation>Nombre de résultats</translation>
    </message>
    <message>
        <source>%1 results; showing the first %2</source>
        <translation>%1 résultats ; affichage des %2 premiers</translation>
    </message>
    <message>
        <source>1 result</source>
        <translation>1 résultat</translation>
    </message>
    <message>
        <source>%1 results</source>
        <translation>%1 résultats</translation>
    </message>
</context>
<context>
    <name>lumetra::SettingsWindow</name>
    <message>
        <source>Scan progress</source>
        <translation>Progression de l&apos;analyse</translation>
    </message>
    <message>
        <source>Folders left out of the scan</source>
        <translation>Dossiers ignorés par l&apos;analyse</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Réglages</translation>
    </message>
    <message>
        <source>Scan disk for songs and build database:</source>
        <translation>Analyser le disque et construire la base&#xa0;:</translation>
    </message>
    <message>
        <source>* = Recommend restart</source>
        <translation>* = Redémarrage conseillé</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Aperçu</translation>
    </message>
    <message>
        <source>Background picture: click to change</source>
        <translation>Image d&apos;arrière-plan&#xa0;: cliquez pour changer</translation>
    </message>
    <message>
        <source>Sample cover</source>
        <translation>Pochette exemple</translation>
    </message>
    <message>
        <source>Click to change text...</source>
        <translation>Cliquez pour changer...</translation>
    </message>
    <message>
        <source>Sample title: click to change the text colour and font</source>
        <translation>Titre exemple&#xa0;: cliquez pour changer la couleur et la police du texte</translation>
    </message>
    <message>
        <source>Background colour: click to change</source>
        <translation>Couleur d&apos;arrière-plan&#xa0;: cliquez pour changer</translation>
    </message>
    <message>
        <source>Click here to change colour</source>
        <translation>Changer la couleur</translation>
    </message>
    <message>
        <source>Click here to change back image</source>
        <translation>Changer l&apos;image de fond</translation>
    </message>
    <message>
        <source>[No image]</source>
        <translation>[Aucune image]</translation>
    </message>
    <message>
        <source>[Reset to Defaults]</source>
        <translation>[Valeurs par défaut]</translation>
    </message>
    <message>
        <source>Background picture</source>
        <translation>Image d&apos;arrière-plan</translation>
    </message>
    <message>
        <source>Cover size in twips</source>
        <translation>Taille des pochettes en twips</translation>
    </message>
    <message>
        <source>Spacing in twips</source>
        <translation>Espacement en twips</translation>
    </message>
    <message>
        <source>Covers bounce on mouseover</source>
        <translation>Les pochettes rebondissent au survol</translation>
    </message>
    <message>
        <source>Autoplay albums on click</source>
        <translation>Jouer les albums au clic</translation>
    </message>
    <message>
        <source>Do not scroll covers after Z to A</source>
        <translation>Ne pas revenir de Z à A</translation>
    </message>
    <message>
        <source>Background colour:</source>
        <translation>Couleur d&apos;arrière-plan&#xa0;:</translation>
    </message>
    <message>
        <source>Background picture:</source>
        <translation>Image d&apos;arrière-plan&#xa0;:</translation>
    </message>
    <message>
        <source>Cover size (twips) *</source>
        <translation>Taille des pochettes (twips) *</translation>
    </message>
    <message>
        <source>Spacing (twips) *</source>
        <translation>Espacement (twips) *</translation>
    </message>
    <message>
        <source>Scan disk</source>
        <translation>Analyser</translation>
    </message>
    <message>
        <source>Use to scan for songs if NOT using the default folder</source>
        <translation>Pour rechercher des morceaux si vous n&apos;utilisez PAS le dossier par défaut</translation>
    </message>
    <message>
        <source>Okay</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Scan panel</source>
        <translation>Panneau d&apos;analyse</translation>
    </message>
    <message>
        <source>Warning!  This will overwrite your existing Lumetra database.</source>
        <translation>Attention&#xa0;!  Cela remplace votre base Lumetra actuelle.</translation>
    </message>
    <message>
        <source>If you already have an MP3 collection, please use &quot;Browse to Songs&quot; to locate the area on your disk and then use the relevant &quot;Scan&quot; button to add them to Lumetra.  See the Help files about which option to use if you are unsure.</source>
        <translation>Si vous avez déjà une collection MP3, choisissez son emplacement sur le disque avec «&#xa0;Aller aux morceaux&#xa0;», puis ajoutez-la à Lumetra avec le bouton «&#xa0;Analyser&#xa0;» qui convient.  En cas de doute, l&apos;aide explique quelle option choisir.</translation>
    </message>
    <message>
        <source>If you are using the default Lumetra settings and manually building a new collection you do not need to change this option - hit Close to go back to the Options screen.</source>
        <translation>Si vous utilisez les réglages par défaut de Lumetra et construisez une collection à la main, inutile de changer cette option - cliquez sur «&#xa0;Fermer&#xa0;» pour revenir aux réglages.</translation>
    </message>
    <message>
        <source>Browse to Songs</source>
        <translation>Aller aux morceaux</translation>
    </message>
    <message>
        <source>Music folder</source>
        <translation>Dossier de musique</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>Analyser</translation>
    </message>
    <message>
        <source>Scan: albums inside artist folders</source>
        <translation>Analyser&#xa0;: albums dans des dossiers d&apos;artiste</translation>
    </message>
    <message>
        <source>Scan: one folder per album</source>
        <translation>Analyser&#xa0;: un dossier par album</translation>
    </message>
    <message>
        <source>If albums are sub-folders of the artist, e.g. &quot;D:\Music\Travis\The Best Of&quot; then click here to add them to the database...</source>
        <translation>Si les albums sont des sous-dossiers de l&apos;artiste, par ex. «&#xa0;D:\Music\Travis\The Best Of&#xa0;», cliquez ici pour les ajouter à la base...</translation>
    </message>
    <message>
        <source>If your songs are stored in a flat folder structure, e.g. &quot;D:\Music\Travis - The Best Of&quot; then click here to add them to the database...</source>
        <translation>Si vos morceaux sont rangés dans des dossiers à plat, par ex. «&#xa0;D:\Music\Travis - The Best Of&#xa0;», cliquez ici pour les ajouter à la base...</translation>
    </message>
    <message>
        <source>Time taken: 0 second(s)</source>
        <translation>Durée&#xa0;: 0 seconde(s)</translation>
    </message>
    <message>
        <source>SCan for MP3s</source>
        <translation>Recherche de MP3</translation>
    </message>
    <message>
        <source>Folders waiting to be searched</source>
        <translation>Dossiers en attente de recherche</translation>
    </message>
    <message>
        <source>Music folders found</source>
        <translation>Dossiers de musique trouvés</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>All image files (*.bmp,*.jpg,*.pcx)</source>
        <translation>Tous les fichiers d&apos;image (*.bmp,*.jpg,*.pcx)</translation>
    </message>
    <message>
        <source>The settings could not be saved to jb.ini, so nothing was changed.

%1</source>
        <translation>Les réglages n&apos;ont pas pu être enregistrés dans jb.ini&#xa0;: rien n&apos;a été modifié.

%1</translation>
    </message>
    <message>
        <source>Locate the area that contains your music files</source>
        <translation>Choisissez l&apos;emplacement de vos fichiers de musique</translation>
    </message>
    <message numerus="yes">
        <source>Folders left out: %n</source>
        <translation>
            <numerusform>Dossier ignoré&#xa0;: %n</numerusform>
            <numerusform>Dossiers ignorés&#xa0;: %n</numerusform>
        </translation>
    </message>
    <message>
        <source>The sound settings could not be saved to sound.ini, so nothing was changed.</source>
        <translation>Les réglages du son n&apos;ont pas pu être enregistrés dans sound.ini&#xa0;; rien n&apos;a été modifié.</translation>
    </message>
</context>
<context>
    <name>lumetra::SkippedAlbumsWindow</name>
    <message>
        <source>Play in Shuffle Again</source>
        <translation>Réintégrer à la lecture aléatoire</translation>
    </message>
    <message>
        <source>Shuffle All may pick the selected album again</source>
        <translation>Tout aléatoire peut de nouveau choisir l&apos;album sélectionné</translation>
    </message>
    <message>
        <source>Albums skipped in shuffle</source>
        <translation>Albums exclus de la lecture aléatoire</translation>
    </message>
    <message>
        <source>Skipped albums</source>
        <translation>Albums exclus</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>No album is skipped: Shuffle All may pick every album.</source>
        <translation>Aucun album n&apos;est exclu&#xa0;: Tout aléatoire peut choisir chaque album.</translation>
    </message>
    <message>
        <source>Shuffle All leaves out the albums below (%1).</source>
        <translation>Tout aléatoire laisse de côté les albums ci-dessous (%1).</translation>
    </message>
</context>
<context>
    <name>lumetra::SoundBox</name>
    <message>
        <source>Sound</source>
        <translation>Son</translation>
    </message>
    <message>
        <source> s</source>
        <translation> s</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Désactivé</translation>
    </message>
    <message>
        <source>Crossfade between albums</source>
        <translation>Fondu enchaîné entre les albums</translation>
    </message>
    <message>
        <source>Even out loudness</source>
        <translation>Égaliser le volume sonore</translation>
    </message>
    <message>
        <source>Loudness measurement</source>
        <translation>Mesure du volume sonore</translation>
    </message>
    <message>
        <source>Loudness measured: %1 of %2 tracks</source>
        <translation>Volume sonore mesuré&#xa0;: %1 pistes sur %2</translation>
    </message>
</context>
<context>
    <name>lumetra::TrackListingWindow</name>
    <message>
        <source>Track Listing</source>
        <translation>Liste des morceaux</translation>
    </message>
    <message>
        <source>Tracks of %1</source>
        <translation>Morceaux de %1</translation>
    </message>
</context>
<context>
    <name>lumetra::UpNext</name>
    <message>
        <source>Up next (random): %1  -  %2</source>
        <translation>À suivre (aléatoire)&#xa0;: %1  -  %2</translation>
    </message>
</context>
<context>
    <name>lumetra::WallView</name>
    <message>
        <source>Notice</source>
        <translation>Avis</translation>
    </message>
    <message>
        <source>No albums found</source>
        <translation>Aucun album trouvé</translation>
    </message>
    <message>
        <source>Album wall</source>
        <translation>Mur des albums</translation>
    </message>
    <message>
        <source>Wall background</source>
        <translation>Arrière-plan du mur</translation>
    </message>
    <message>
        <source>Show letter bar</source>
        <translation>Afficher la barre des lettres</translation>
    </message>
</context>
<context>
    <name>lumetra::WebBrowser</name>
    <message>
        <source>Web page</source>
        <translation>Page web</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Lumetra Jukebox already runs for %1 but does not answer.</source>
        <translation>Lumetra Jukebox tourne déjà pour %1 mais ne répond pas.</translation>
    </message>
</context>
</TS>
