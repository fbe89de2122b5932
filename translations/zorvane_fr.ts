<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>Choosers</name>
    <message>
        <source>The folder &quot;%1&quot; could not be created.</source>
        <translation>Le dossier «&#xa0;%1&#xa0;» n’a pas pu être créé.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a file, not a folder.</source>
        <translation>«&#xa0;%1&#xa0;» est un fichier, pas un dossier.</translation>
    </message>
    <message>
        <source>Preview:</source>
        <translation>Aperçu&#xa0;:</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>WAV Files (*.WAV *.wav)</source>
        <translation>Fichiers WAV (*.WAV *.wav)</translation>
    </message>
    <message>
        <source>MIDI Files (*.MID *.mid *.midi)</source>
        <translation>Fichiers MIDI (*.MID *.mid *.midi)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Open Picture</source>
        <translation>Ouvrir une image</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Toutes les images</translation>
    </message>
    <message>
        <source>Device Independent Bitmap</source>
        <translation>Bitmap indépendant du périphérique</translation>
    </message>
    <message>
        <source>Bitmaps</source>
        <translation>Bitmaps</translation>
    </message>
    <message>
        <source>Enhanced Metafiles</source>
        <translation>Métafichiers améliorés</translation>
    </message>
    <message>
        <source>Metafiles</source>
        <translation>Métafichiers</translation>
    </message>
    <message>
        <source>PNG Pictures</source>
        <translation>Images PNG</translation>
    </message>
    <message>
        <source>Choose Folder</source>
        <translation>Choisir un dossier</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; does not exist. Do you want to create it?</source>
        <translation>Le dossier «&#xa0;%1&#xa0;» n’existe pas. Voulez-vous le créer&#xa0;?</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>show this help and exit</source>
        <translation>affiche cette aide et quitte</translation>
    </message>
    <message>
        <source>show the version and exit</source>
        <translation>affiche la version et quitte</translation>
    </message>
    <message>
        <source>the window system plugin, such as xcb or wayland</source>
        <translation>le module du système de fenêtres, par exemple xcb ou wayland</translation>
    </message>
    <message>
        <source>a folder to look for window system plugins in</source>
        <translation>un dossier où chercher les modules du système de fenêtres</translation>
    </message>
    <message>
        <source>the platform theme</source>
        <translation>le thème de la plateforme</translation>
    </message>
    <message>
        <source>an input plugin to load</source>
        <translation>un module d’entrée à charger</translation>
    </message>
    <message>
        <source>the X display to open (xcb)</source>
        <translation>l’écran X à ouvrir (xcb)</translation>
    </message>
    <message>
        <source>the widget style, such as Fusion (or -style=STYLE)</source>
        <translation>le style des éléments d’interface, par exemple Fusion (ou -style=STYLE)</translation>
    </message>
    <message>
        <source>a style sheet for the widgets (or -stylesheet=FILE)</source>
        <translation>une feuille de style pour les éléments d’interface (ou -stylesheet=FICHIER)</translation>
    </message>
    <message>
        <source>the desktop session the game is restored into</source>
        <translation>la session de bureau dans laquelle le jeu est restauré</translation>
    </message>
    <message>
        <source>lay the windows out from right to left</source>
        <translation>dispose les fenêtres de droite à gauche</translation>
    </message>
    <message>
        <source>count the widgets left over at the end</source>
        <translation>compte les éléments d’interface restants à la fin</translation>
    </message>
    <message>
        <source>Usage: zorvane [OPTION]... [FILE]</source>
        <translation>Utilisation : zorvane [OPTION]... [FICHIER]</translation>
    </message>
    <message>
        <source>Zorvane, a colour-group puzzle game. At start it opens FILE, a saved game
(.SAV), or else the game that was in progress when it last closed.</source>
        <translation>Zorvane, un jeu de réflexion par groupes de couleurs. Au démarrage, il ouvre
FICHIER, une partie enregistrée (.SAV), ou sinon la partie en cours à sa dernière fermeture.</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Options :</translation>
    </message>
    <message>
        <source>Qt&apos;s usual options, with one dash or two:</source>
        <translation>Les options habituelles de Qt, avec un ou deux tirets :</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>option inconnue %1</translation>
    </message>
    <message>
        <source>the option %1 needs a value</source>
        <translation>l’option %1 demande une valeur</translation>
    </message>
    <message>
        <source>more than one file given: %1 and %2</source>
        <translation>plus d’un fichier indiqué : %1 et %2</translation>
    </message>
    <message>
        <source>%1 (see zorvane --help)</source>
        <translation>%1 (voir zorvane --help)</translation>
    </message>
</context>
<context>
    <name>MessageBatch</name>
    <message>
        <source>Reading %1 found %2 problems:</source>
        <translation>La lecture de %1 a révélé %2&#xa0;problèmes&#xa0;:</translation>
    </message>
    <message>
        <source>and %1 more.</source>
        <translation>et %1 de plus.</translation>
    </message>
</context>
<context>
    <name>MessageWords</name>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Confirmation</translation>
    </message>
    <message>
        <source>Congratulations!</source>
        <translation>Félicitations&#xa0;!</translation>
    </message>
    <message>
        <source>Congratulations</source>
        <comment>a new level</comment>
        <translation>Félicitations</translation>
    </message>
    <message>
        <source>The game is over!</source>
        <translation>La partie est terminée&#xa0;!</translation>
    </message>
    <message>
        <source>Would you like to play again?</source>
        <translation>Voulez-vous rejouer&#xa0;?</translation>
    </message>
    <message>
        <source>You cleared the board!</source>
        <translation>Vous avez vidé le plateau&#xa0;!</translation>
    </message>
    <message>
        <source>You get a %1 point bonus!</source>
        <translation>Vous gagnez un bonus de %1&#xa0;points&#xa0;!</translation>
    </message>
    <message>
        <source>You cleared the board %1 times!</source>
        <translation>Vous avez vidé le plateau %1&#xa0;fois&#xa0;!</translation>
    </message>
    <message>
        <source>You have proceeded to the next level!</source>
        <translation>Vous passez au niveau suivant&#xa0;!</translation>
    </message>
    <message>
        <source>You have proceeded to the next level</source>
        <translation>Vous passez au niveau suivant</translation>
    </message>
    <message>
        <source>and earned a temporary speed relief!</source>
        <translation>et le jeu ralentit pour un temps&#xa0;!</translation>
    </message>
    <message>
        <source>These high scores could not be saved in %1 (%2):</source>
        <translation>Ces scores n’ont pas pu être enregistrés dans %1 (%2)&#xa0;:</translation>
    </message>
</context>
<context>
    <name>QtDialogService</name>
    <message>
        <source>Save Game</source>
        <translation>Enregistrer la partie</translation>
    </message>
    <message>
        <source>SAV Files (*.SAV *.sav)</source>
        <translation>Fichiers SAV (*.SAV *.sav)</translation>
    </message>
    <message>
        <source>Open Game</source>
        <translation>Ouvrir une partie</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Tous les fichiers (*)</translation>
    </message>
</context>
<context>
    <name>ReasonWords</name>
    <message>
        <source>not a regular file</source>
        <translation>pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>not a valid file name</source>
        <translation>nom de fichier non valable</translation>
    </message>
    <message>
        <source>the file holds no saved game</source>
        <translation>le fichier ne contient aucune partie enregistrée</translation>
    </message>
    <message>
        <source>it is not a regular file and cannot be replaced</source>
        <translation>ce n’est pas un fichier ordinaire, il ne peut pas être remplacé</translation>
    </message>
    <message>
        <source>another copy of the game kept the file locked</source>
        <translation>un autre Zorvane en cours gardait le fichier verrouillé</translation>
    </message>
    <message>
        <source>none of the songs in this folder can be played.</source>
        <translation>aucun des morceaux de ce dossier ne peut être joué.</translation>
    </message>
    <message>
        <source>the song ended as soon as it started</source>
        <translation>le morceau s’est arrêté aussitôt commencé</translation>
    </message>
    <message>
        <source>; the file is left as it is, and new high scores are kept only while the game runs</source>
        <translation>&#xa0;; le fichier est laissé tel quel, et les nouveaux scores ne sont gardés que tant que le jeu tourne</translation>
    </message>
    <message>
        <source>; the new high scores are kept and saved later</source>
        <translation>&#xa0;; les nouveaux scores sont gardés et seront enregistrés plus tard</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a file and what went wrong with it</comment>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>too large (%1 MB, at most %2 MB)</source>
        <translation>trop volumineux (%1&#xa0;Mo, au plus %2&#xa0;Mo)</translation>
    </message>
    <message>
        <source>Cannot create the folder %1 (%2)</source>
        <translation>Impossible de créer le dossier %1 (%2)</translation>
    </message>
</context>
<context>
    <name>StatusWords</name>
    <message>
        <source>Level: %1</source>
        <translation>Niveau&#xa0;: %1</translation>
    </message>
    <message>
        <source>Bonus: %1</source>
        <translation>Bonus&#xa0;: %1</translation>
    </message>
    <message>
        <source>Percent of level completed: %1</source>
        <translation>Pourcentage du niveau&#xa0;: %1</translation>
    </message>
    <message>
        <source>Rows Done: %1</source>
        <translation>Rangées passées&#xa0;: %1</translation>
    </message>
    <message>
        <source>Start</source>
        <comment>the pause button of a paused game</comment>
        <translation>Démarrer</translation>
    </message>
    <message>
        <source>Pause</source>
        <comment>the pause button of a running game</comment>
        <translation>Pause</translation>
    </message>
</context>
<context>
    <name>zorvane::BoardGuide</name>
    <message>
        <source>Board</source>
        <translation>Plateau</translation>
    </message>
    <message>
        <source>area piece</source>
        <translation>pièce zone</translation>
    </message>
    <message>
        <source>row piece</source>
        <translation>pièce rangée</translation>
    </message>
    <message>
        <source>column piece</source>
        <translation>pièce colonne</translation>
    </message>
    <message>
        <source>cross piece</source>
        <translation>pièce croix</translation>
    </message>
    <message>
        <source>rows-up piece</source>
        <translation>pièce vers le haut</translation>
    </message>
    <message>
        <source>everything piece</source>
        <translation>pièce tout</translation>
    </message>
    <message>
        <source>gray piece</source>
        <translation>pièce grise</translation>
    </message>
    <message>
        <source>blue piece</source>
        <translation>pièce bleue</translation>
    </message>
    <message>
        <source>cyan piece</source>
        <translation>pièce cyan</translation>
    </message>
    <message>
        <source>green piece</source>
        <translation>pièce verte</translation>
    </message>
    <message>
        <source>orange piece</source>
        <translation>pièce orange</translation>
    </message>
    <message>
        <source>purple piece</source>
        <translation>pièce violette</translation>
    </message>
    <message>
        <source>red piece</source>
        <translation>pièce rouge</translation>
    </message>
    <message>
        <source>yellow piece</source>
        <translation>pièce jaune</translation>
    </message>
    <message>
        <source>pink piece</source>
        <translation>pièce rose</translation>
    </message>
    <message>
        <source>gray bomb</source>
        <translation>bombe grise</translation>
    </message>
    <message>
        <source>blue bomb</source>
        <translation>bombe bleue</translation>
    </message>
    <message>
        <source>cyan bomb</source>
        <translation>bombe cyan</translation>
    </message>
    <message>
        <source>green bomb</source>
        <translation>bombe verte</translation>
    </message>
    <message>
        <source>orange bomb</source>
        <translation>bombe orange</translation>
    </message>
    <message>
        <source>purple bomb</source>
        <translation>bombe violette</translation>
    </message>
    <message>
        <source>red bomb</source>
        <translation>bombe rouge</translation>
    </message>
    <message>
        <source>yellow bomb</source>
        <translation>bombe jaune</translation>
    </message>
    <message>
        <source>pink bomb</source>
        <translation>bombe rose</translation>
    </message>
    <message>
        <source>unknown piece</source>
        <translation>pièce inconnue</translation>
    </message>
    <message>
        <source>black bomb</source>
        <translation>bombe noire</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vide</translation>
    </message>
    <message>
        <source>Arrow keys choose a cell; Space or Enter plays it.</source>
        <translation>Les flèches choisissent une case ; Espace ou Entrée la joue.</translation>
    </message>
    <message>
        <source>The pieces are moving.</source>
        <translation>Les pièces se déplacent.</translation>
    </message>
    <message>
        <source>Row %1, column %2: %3.</source>
        <translation>Rangée %1, colonne %2 : %3.</translation>
    </message>
    <message>
        <source>A click here is no move.</source>
        <translation>Un clic ici ne joue aucun coup.</translation>
    </message>
    <message>
        <source>A click here takes 1 piece.</source>
        <translation>Un clic ici retire 1 pièce.</translation>
    </message>
    <message>
        <source>A click here takes %1 pieces.</source>
        <translation>Un clic ici retire %1 pièces.</translation>
    </message>
</context>
<context>
    <name>zorvane::HelpWindow</name>
    <message>
        <source>Zorvane Help</source>
        <translation>Aide de Zorvane</translation>
    </message>
    <message>
        <source>&lt; &amp;Back</source>
        <translation>&lt; &amp;Précédent</translation>
    </message>
    <message>
        <source>&amp;Forward &gt;</source>
        <translation>&amp;Suivant &gt;</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
</context>
<context>
    <name>zorvane::TFrmAbout</name>
    <message>
        <source>Game design and programming: the Zorvane team</source>
        <translation>Conception et programmation&#xa0;: l’équipe de Zorvane</translation>
    </message>
    <message>
        <source>Pieces, bombs and logo drawn for Zorvane</source>
        <translation>Pièces, bombes et logo dessinés pour Zorvane</translation>
    </message>
    <message>
        <source>Sound effects and music made for Zorvane</source>
        <translation>Effets sonores et musique créés pour Zorvane</translation>
    </message>
    <message>
        <source>Thanks to every player of the beta!</source>
        <translation>Merci à tous les joueurs de la bêta&#xa0;!</translation>
    </message>
    <message>
        <source>About Zorvane!</source>
        <translation>À propos de Zorvane</translation>
    </message>
    <message>
        <source>Version %1 b</source>
        <translation>Version %1 b</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>zorvane::TFrmName</name>
    <message>
        <source>Enter Name</source>
        <translation>Votre nom</translation>
    </message>
    <message>
        <source>You got a high score! Please enter your name:</source>
        <translation>Vous entrez dans les meilleurs scores&#xa0;! Entrez votre nom&#xa0;:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>zorvane::TFrmOptions</name>
    <message>
        <source>Edit Options</source>
        <translation>Modifier les options</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Partie</translation>
    </message>
    <message>
        <source>Pieces</source>
        <translation>Pièces</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Fond</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>Sons</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Musique</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Program does not current support JPEGs</source>
        <translation>Le programme ne prend pas encore en charge les images JPEG.</translation>
    </message>
    <message>
        <source> Rows </source>
        <translation> Rangées </translation>
    </message>
    <message>
        <source>Start Rows:</source>
        <translation>Rangées de départ&#xa0;:</translation>
    </message>
    <message>
        <source> Game Size: </source>
        <translation> Taille du jeu&#xa0;: </translation>
    </message>
    <message>
        <source>640x480 (9 rows)</source>
        <translation>640x480 (9 rangées)</translation>
    </message>
    <message>
        <source>800x600 (12 rows)</source>
        <translation>800x600 (12 rangées)</translation>
    </message>
    <message>
        <source>1024x768 (16 rows)</source>
        <translation>1024x768 (16 rangées)</translation>
    </message>
    <message>
        <source>Random Mode (for experts only)</source>
        <translation>Mode aléatoire (pour experts)</translation>
    </message>
    <message>
        <source>Help on Random Mode</source>
        <translation>Aide sur le mode aléatoire</translation>
    </message>
    <message>
        <source>Graphics Buffered</source>
        <translation>Affichage tamponné</translation>
    </message>
    <message>
        <source>This option makes the game
run a little slower, but there
is no flicker.</source>
        <translation>Le jeu tourne un peu moins
vite, mais l’image ne
scintille pas.</translation>
    </message>
    <message>
        <source>Animations</source>
        <translation>Animations</translation>
    </message>
    <message>
        <source>Pieces fade, fall and slide
and rows rise, briefly.</source>
        <translation>Brèves animations&#xa0;:
les pièces s’effacent,
tombent et glissent,
et les rangées montent.</translation>
    </message>
    <message>
        <source> Piece Shape </source>
        <translation> Forme des pièces </translation>
    </message>
    <message>
        <source>Circle</source>
        <translation>Cercle</translation>
    </message>
    <message>
        <source>Square</source>
        <translation>Carré</translation>
    </message>
    <message>
        <source>Diamond</source>
        <translation>Losange</translation>
    </message>
    <message>
        <source>Star</source>
        <translation>Étoile</translation>
    </message>
    <message>
        <source> Piece Colors </source>
        <translation> Couleurs des pièces </translation>
    </message>
    <message>
        <source>Gray</source>
        <translation>Gris</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Bleu</translation>
    </message>
    <message>
        <source>Cyan</source>
        <translation>Cyan</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Vert</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Orange</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Violet</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rouge</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Jaune</translation>
    </message>
    <message>
        <source>Pink</source>
        <translation>Rose</translation>
    </message>
    <message>
        <source>Show symbols
on pieces</source>
        <translation>Afficher des
symboles sur
les pièces</translation>
    </message>
    <message>
        <source>Show symbols on pieces</source>
        <translation>Afficher des symboles sur les pièces</translation>
    </message>
    <message>
        <source>Set Board Color</source>
        <translation>Couleur du plateau</translation>
    </message>
    <message>
        <source>Use Graphic Background</source>
        <translation>Image de fond</translation>
    </message>
    <message>
        <source>Transparent Graphics</source>
        <translation>Image transparente</translation>
    </message>
    <message>
        <source> Set Board Graphic </source>
        <translation> Image du plateau </translation>
    </message>
    <message>
        <source>Set Graphic Background</source>
        <translation>Choisir l’image de fond</translation>
    </message>
    <message>
        <source>Draw</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>Centré</translation>
    </message>
    <message>
        <source>Stretch</source>
        <translation>Étiré</translation>
    </message>
    <message>
        <source>Tiled</source>
        <translation>Mosaïque</translation>
    </message>
    <message>
        <source>Sample:</source>
        <translation>Aperçu&#xa0;:</translation>
    </message>
    <message>
        <source>Bad Move Sound:</source>
        <translation>Son d’un mauvais coup&#xa0;:</translation>
    </message>
    <message>
        <source>Good Move Sound:</source>
        <translation>Son d’un bon coup&#xa0;:</translation>
    </message>
    <message>
        <source>Explode Sound:</source>
        <translation>Son d’explosion&#xa0;:</translation>
    </message>
    <message>
        <source>Row Shift Sound:</source>
        <translation>Son de montée d’une rangée&#xa0;:</translation>
    </message>
    <message>
        <source>Mute Bad Sound</source>
        <translation>Couper le son du mauvais coup</translation>
    </message>
    <message>
        <source>Mute Good Sound</source>
        <translation>Couper le son du bon coup</translation>
    </message>
    <message>
        <source>Mute Explode Sound</source>
        <translation>Couper le son d’explosion</translation>
    </message>
    <message>
        <source>Mute Row Shift Sound</source>
        <translation>Couper le son de montée</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Parcourir…</translation>
    </message>
    <message>
        <source>Mute All</source>
        <translation>Tout couper</translation>
    </message>
    <message>
        <source>Play Background Music as:</source>
        <translation>Musique de fond&#xa0;:</translation>
    </message>
    <message>
        <source>Single Song</source>
        <translation>Un seul morceau</translation>
    </message>
    <message>
        <source>Random Song from a Folder</source>
        <translation>Morceau au hasard d’un dossier</translation>
    </message>
    <message>
        <source>Background Music (Single Song):</source>
        <translation>Musique de fond (un seul morceau)&#xa0;:</translation>
    </message>
    <message>
        <source>Background Music (Random Songs) Folder:</source>
        <translation>Dossier de musique de fond (morceaux au hasard)&#xa0;:</translation>
    </message>
    <message>
        <source>Mute Background Music</source>
        <translation>Couper la musique de fond</translation>
    </message>
    <message>
        <source>Pause Music on Deactivate Program</source>
        <translation>Mettre la musique en pause quand le jeu est inactif</translation>
    </message>
    <message>
        <source>(When the program is minimized, hidden by another application,
or another program has the keyboard focus.)</source>
        <translation>(Quand le jeu est réduit ou caché par une autre application,
ou qu’un autre programme reçoit le clavier.)</translation>
    </message>
    <message>
        <source>Good place to download music #%1</source>
        <translation>Bon site pour télécharger de la musique n°&#xa0;%1</translation>
    </message>
</context>
<context>
    <name>zorvane::TFrmScores</name>
    <message>
        <source>High Scores</source>
        <translation>Meilleurs scores</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Niveau</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Clear Scores</source>
        <translation>Effacer les scores</translation>
    </message>
    <message>
        <source>Are you sure you want to clear the high scores table?</source>
        <translation>Voulez-vous vraiment effacer les meilleurs scores&#xa0;?</translation>
    </message>
    <message>
        <source>This action cannot be undone.</source>
        <translation>Cette action est irréversible.</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Confirmation</translation>
    </message>
</context>
<context>
    <name>zorvane::TMainBoard</name>
    <message>
        <source>Notice!</source>
        <translation>Remarque</translation>
    </message>
    <message>
        <source>Board size change will take effect the next time the program is started</source>
        <translation>La nouvelle taille du plateau s’appliquera au prochain lancement du jeu.</translation>
    </message>
    <message>
        <source>Remember to save options to change the board size!</source>
        <translation>N’oubliez pas d’enregistrer les options pour changer la taille du plateau&#xa0;!</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Partie</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Nouvelle partie</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Save Game</source>
        <translation>&amp;Enregistrer la partie</translation>
    </message>
    <message>
        <source>&amp;Open Game</source>
        <translation>&amp;Ouvrir une partie</translation>
    </message>
    <message>
        <source>&amp;High Scores</source>
        <translation>&amp;Meilleurs scores</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>&amp;Start Rows</source>
        <translation>&amp;Rangées de départ</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Pause</translation>
    </message>
    <message>
        <source>&amp;Edit Options</source>
        <translation>&amp;Modifier les options</translation>
    </message>
    <message>
        <source>S&amp;ave Options</source>
        <translation>&amp;Enregistrer les options</translation>
    </message>
    <message>
        <source>&amp;Full Screen</source>
        <translation>Plein é&amp;cran</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;Zorvane Help</source>
        <translation>&amp;Aide de Zorvane</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À &amp;propos de Zorvane</translation>
    </message>
    <message>
        <source>Pause</source>
        <comment>context menu</comment>
        <translation>Pause</translation>
    </message>
    <message>
        <source>New Game</source>
        <comment>context menu</comment>
        <translation>Nouvelle partie</translation>
    </message>
    <message>
        <source>Undo</source>
        <comment>context menu</comment>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Edit Options</source>
        <comment>context menu</comment>
        <translation>Modifier les options</translation>
    </message>
    <message>
        <source>Help</source>
        <comment>context menu</comment>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Are you sure you want to load an old game?</source>
        <translation>Voulez-vous vraiment charger une ancienne partie&#xa0;?</translation>
    </message>
    <message>
        <source>The game in progress will be ended. Continue?</source>
        <translation>La partie en cours sera terminée. Continuer&#xa0;?</translation>
    </message>
    <message>
        <source>Web Link</source>
        <translation>Lien web</translation>
    </message>
    <message>
        <source>Zorvane could not open this address in a web browser:</source>
        <translation>Zorvane n’a pas pu ouvrir cette adresse dans un navigateur web&#xa0;:</translation>
    </message>
    <message>
        <source>Copy it into your browser to visit the page.</source>
        <translation>Copiez-la dans votre navigateur pour consulter la page.</translation>
    </message>
    <message>
        <source>the help page is missing</source>
        <translation>la page d’aide est introuvable</translation>
    </message>
    <message>
        <source>Zorvane cannot find your home folder (HOME is not set and the user database names none), so your options and high scores will not be saved.</source>
        <translation>Zorvane ne trouve pas votre dossier personnel (HOME n’est pas défini et la base des utilisateurs n’en indique aucun)&#xa0;: vos options et vos meilleurs scores ne seront pas enregistrés.</translation>
    </message>
    <message>
        <source>Zorvane v. %1 b</source>
        <translation>Zorvane v. %1 b</translation>
    </message>
    <message>
        <source>Zorvane version %1 public beta</source>
        <translation>Zorvane version %1, bêta publique</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>Starts the game clock, or pauses it</source>
        <translation>Démarre l’horloge du jeu, ou la met en pause</translation>
    </message>
    <message>
        <source>Percent of level completed</source>
        <translation>Pourcentage du niveau</translation>
    </message>
    <message>
        <source>cannot be removed</source>
        <translation>ne peut pas être supprimé</translation>
    </message>
    <message>
        <source>cannot be renamed to %1</source>
        <translation>ne peut pas être renommé en %1</translation>
    </message>
</context>
</TS>
