<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Choosers</name>
    <message>
        <source>The folder &quot;%1&quot; could not be created.</source>
        <translation>Der Ordner „%1“ konnte nicht angelegt werden.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a file, not a folder.</source>
        <translation>„%1“ ist eine Datei, kein Ordner.</translation>
    </message>
    <message>
        <source>Preview:</source>
        <translation>Vorschau:</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>WAV Files (*.WAV *.wav)</source>
        <translation>WAV-Dateien (*.WAV *.wav)</translation>
    </message>
    <message>
        <source>MIDI Files (*.MID *.mid *.midi)</source>
        <translation>MIDI-Dateien (*.MID *.mid *.midi)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Open Picture</source>
        <translation>Bild öffnen</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Alle Bilder</translation>
    </message>
    <message>
        <source>Device Independent Bitmap</source>
        <translation>Geräteunabhängige Bitmap</translation>
    </message>
    <message>
        <source>Bitmaps</source>
        <translation>Bitmaps</translation>
    </message>
    <message>
        <source>Enhanced Metafiles</source>
        <translation>Erweiterte Metadateien</translation>
    </message>
    <message>
        <source>Metafiles</source>
        <translation>Metadateien</translation>
    </message>
    <message>
        <source>PNG Pictures</source>
        <translation>PNG-Bilder</translation>
    </message>
    <message>
        <source>Choose Folder</source>
        <translation>Ordner wählen</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; does not exist. Do you want to create it?</source>
        <translation>Der Ordner „%1“ existiert nicht. Möchten Sie ihn anlegen?</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>show this help and exit</source>
        <translation>diese Hilfe zeigen und beenden</translation>
    </message>
    <message>
        <source>show the version and exit</source>
        <translation>die Version zeigen und beenden</translation>
    </message>
    <message>
        <source>the window system plugin, such as xcb or wayland</source>
        <translation>das Fenstersystem-Plugin, etwa xcb oder wayland</translation>
    </message>
    <message>
        <source>a folder to look for window system plugins in</source>
        <translation>ein Ordner, in dem nach Fenstersystem-Plugins gesucht wird</translation>
    </message>
    <message>
        <source>the platform theme</source>
        <translation>das Plattform-Design</translation>
    </message>
    <message>
        <source>an input plugin to load</source>
        <translation>ein zu ladendes Eingabe-Plugin</translation>
    </message>
    <message>
        <source>the X display to open (xcb)</source>
        <translation>der zu öffnende X-Bildschirm (xcb)</translation>
    </message>
    <message>
        <source>the widget style, such as Fusion (or -style=STYLE)</source>
        <translation>der Stil der Bedienelemente, etwa Fusion (oder -style=STIL)</translation>
    </message>
    <message>
        <source>a style sheet for the widgets (or -stylesheet=FILE)</source>
        <translation>ein Stylesheet für die Bedienelemente (oder -stylesheet=DATEI)</translation>
    </message>
    <message>
        <source>the desktop session the game is restored into</source>
        <translation>die Desktop-Sitzung, in die das Spiel zurückkehrt</translation>
    </message>
    <message>
        <source>lay the windows out from right to left</source>
        <translation>Fenster von rechts nach links anordnen</translation>
    </message>
    <message>
        <source>count the widgets left over at the end</source>
        <translation>am Ende übrige Bedienelemente zählen</translation>
    </message>
    <message>
        <source>Usage: zorvane [OPTION]... [FILE]</source>
        <translation>Aufruf: zorvane [OPTION]... [DATEI]</translation>
    </message>
    <message>
        <source>Zorvane, a colour-group puzzle game. At start it opens FILE, a saved game
(.SAV), or else the game that was in progress when it last closed.</source>
        <translation>Zorvane, ein Farbgruppen-Puzzlespiel. Beim Start öffnet es DATEI, ein
gespeichertes Spiel (.SAV), sonst das Spiel, das beim letzten Schließen lief.</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Optionen:</translation>
    </message>
    <message>
        <source>Qt&apos;s usual options, with one dash or two:</source>
        <translation>Die üblichen Qt-Optionen, mit einem oder zwei Bindestrichen:</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>unbekannte Option %1</translation>
    </message>
    <message>
        <source>the option %1 needs a value</source>
        <translation>die Option %1 braucht einen Wert</translation>
    </message>
    <message>
        <source>more than one file given: %1 and %2</source>
        <translation>mehr als eine Datei angegeben: %1 und %2</translation>
    </message>
    <message>
        <source>%1 (see zorvane --help)</source>
        <translation>%1 (siehe zorvane --help)</translation>
    </message>
</context>
<context>
    <name>MessageBatch</name>
    <message>
        <source>Reading %1 found %2 problems:</source>
        <translation>Beim Lesen von %1 gab es %2 Probleme:</translation>
    </message>
    <message>
        <source>and %1 more.</source>
        <translation>und %1 weitere.</translation>
    </message>
</context>
<context>
    <name>MessageWords</name>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Bestätigen</translation>
    </message>
    <message>
        <source>Congratulations!</source>
        <translation>Glückwunsch!</translation>
    </message>
    <message>
        <source>Congratulations</source>
        <comment>a new level</comment>
        <translation>Glückwunsch</translation>
    </message>
    <message>
        <source>The game is over!</source>
        <translation>Das Spiel ist vorbei!</translation>
    </message>
    <message>
        <source>Would you like to play again?</source>
        <translation>Möchten Sie noch einmal spielen?</translation>
    </message>
    <message>
        <source>You cleared the board!</source>
        <translation>Sie haben das Spielfeld leer geräumt!</translation>
    </message>
    <message>
        <source>You get a %1 point bonus!</source>
        <translation>Dafür gibt es %1 Bonuspunkte!</translation>
    </message>
    <message>
        <source>You cleared the board %1 times!</source>
        <translation>Sie haben das Spielfeld %1-mal leer geräumt!</translation>
    </message>
    <message>
        <source>You have proceeded to the next level!</source>
        <translation>Sie haben die nächste Stufe erreicht!</translation>
    </message>
    <message>
        <source>You have proceeded to the next level</source>
        <translation>Sie haben die nächste Stufe erreicht</translation>
    </message>
    <message>
        <source>and earned a temporary speed relief!</source>
        <translation>und das Tempo lässt vorübergehend nach!</translation>
    </message>
    <message>
        <source>These high scores could not be saved in %1 (%2):</source>
        <translation>Diese Einträge der Bestenliste konnten nicht in %1 gespeichert werden (%2):</translation>
    </message>
</context>
<context>
    <name>QtDialogService</name>
    <message>
        <source>Save Game</source>
        <translation>Spiel speichern</translation>
    </message>
    <message>
        <source>SAV Files (*.SAV *.sav)</source>
        <translation>SAV-Dateien (*.SAV *.sav)</translation>
    </message>
    <message>
        <source>Open Game</source>
        <translation>Spiel öffnen</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
</context>
<context>
    <name>ReasonWords</name>
    <message>
        <source>not a regular file</source>
        <translation>keine normale Datei</translation>
    </message>
    <message>
        <source>not a valid file name</source>
        <translation>kein gültiger Dateiname</translation>
    </message>
    <message>
        <source>the file holds no saved game</source>
        <translation>die Datei enthält kein gespeichertes Spiel</translation>
    </message>
    <message>
        <source>it is not a regular file and cannot be replaced</source>
        <translation>sie ist keine normale Datei und kann nicht ersetzt werden</translation>
    </message>
    <message>
        <source>another copy of the game kept the file locked</source>
        <translation>ein anderes laufendes Zorvane hielt die Datei gesperrt</translation>
    </message>
    <message>
        <source>none of the songs in this folder can be played.</source>
        <translation>keines der Lieder in diesem Ordner lässt sich abspielen.</translation>
    </message>
    <message>
        <source>the song ended as soon as it started</source>
        <translation>das Lied endete gleich nach dem Start</translation>
    </message>
    <message>
        <source>; the file is left as it is, and new high scores are kept only while the game runs</source>
        <translation>; die Datei bleibt unverändert, und neue Bestwerte bleiben nur erhalten, solange das Spiel läuft</translation>
    </message>
    <message>
        <source>; the new high scores are kept and saved later</source>
        <translation>; die neuen Bestwerte bleiben erhalten und werden später gespeichert</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a file and what went wrong with it</comment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>too large (%1 MB, at most %2 MB)</source>
        <translation>zu groß (%1 MB, höchstens %2 MB)</translation>
    </message>
    <message>
        <source>Cannot create the folder %1 (%2)</source>
        <translation>Der Ordner %1 kann nicht angelegt werden (%2)</translation>
    </message>
</context>
<context>
    <name>StatusWords</name>
    <message>
        <source>Level: %1</source>
        <translation>Stufe: %1</translation>
    </message>
    <message>
        <source>Bonus: %1</source>
        <translation>Bonus: %1</translation>
    </message>
    <message>
        <source>Percent of level completed: %1</source>
        <translation>Prozent der Stufe geschafft: %1</translation>
    </message>
    <message>
        <source>Rows Done: %1</source>
        <translation>Geschaffte Reihen: %1</translation>
    </message>
    <message>
        <source>Start</source>
        <comment>the pause button of a paused game</comment>
        <translation>Start</translation>
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
        <translation>Spielfeld</translation>
    </message>
    <message>
        <source>area piece</source>
        <translation>Flächenstein</translation>
    </message>
    <message>
        <source>row piece</source>
        <translation>Reihenstein</translation>
    </message>
    <message>
        <source>column piece</source>
        <translation>Spaltenstein</translation>
    </message>
    <message>
        <source>cross piece</source>
        <translation>Kreuzstein</translation>
    </message>
    <message>
        <source>rows-up piece</source>
        <translation>Aufwärtsstein</translation>
    </message>
    <message>
        <source>everything piece</source>
        <translation>Allesstein</translation>
    </message>
    <message>
        <source>gray piece</source>
        <translation>grauer Stein</translation>
    </message>
    <message>
        <source>blue piece</source>
        <translation>blauer Stein</translation>
    </message>
    <message>
        <source>cyan piece</source>
        <translation>cyanfarbener Stein</translation>
    </message>
    <message>
        <source>green piece</source>
        <translation>grüner Stein</translation>
    </message>
    <message>
        <source>orange piece</source>
        <translation>orangefarbener Stein</translation>
    </message>
    <message>
        <source>purple piece</source>
        <translation>lila Stein</translation>
    </message>
    <message>
        <source>red piece</source>
        <translation>roter Stein</translation>
    </message>
    <message>
        <source>yellow piece</source>
        <translation>gelber Stein</translation>
    </message>
    <message>
        <source>pink piece</source>
        <translation>rosa Stein</translation>
    </message>
    <message>
        <source>gray bomb</source>
        <translation>graue Bombe</translation>
    </message>
    <message>
        <source>blue bomb</source>
        <translation>blaue Bombe</translation>
    </message>
    <message>
        <source>cyan bomb</source>
        <translation>cyanfarbene Bombe</translation>
    </message>
    <message>
        <source>green bomb</source>
        <translation>grüne Bombe</translation>
    </message>
    <message>
        <source>orange bomb</source>
        <translation>orangefarbene Bombe</translation>
    </message>
    <message>
        <source>purple bomb</source>
        <translation>lila Bombe</translation>
    </message>
    <message>
        <source>red bomb</source>
        <translation>rote Bombe</translation>
    </message>
    <message>
        <source>yellow bomb</source>
        <translation>gelbe Bombe</translation>
    </message>
    <message>
        <source>pink bomb</source>
        <translation>rosa Bombe</translation>
    </message>
    <message>
        <source>unknown piece</source>
        <translation>unbekannter Stein</translation>
    </message>
    <message>
        <source>black bomb</source>
        <translation>schwarze Bombe</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>leer</translation>
    </message>
    <message>
        <source>Arrow keys choose a cell; Space or Enter plays it.</source>
        <translation>Pfeiltasten wählen ein Feld, Leertaste oder Eingabetaste spielt es.</translation>
    </message>
    <message>
        <source>The pieces are moving.</source>
        <translation>Die Steine bewegen sich.</translation>
    </message>
    <message>
        <source>Row %1, column %2: %3.</source>
        <translation>Reihe %1, Spalte %2: %3.</translation>
    </message>
    <message>
        <source>A click here is no move.</source>
        <translation>Ein Klick hier ist kein Zug.</translation>
    </message>
    <message>
        <source>A click here takes 1 piece.</source>
        <translation>Ein Klick hier räumt 1 Stein ab.</translation>
    </message>
    <message>
        <source>A click here takes %1 pieces.</source>
        <translation>Ein Klick hier räumt %1 Steine ab.</translation>
    </message>
</context>
<context>
    <name>zorvane::HelpWindow</name>
    <message>
        <source>Zorvane Help</source>
        <translation>Zorvane-Hilfe</translation>
    </message>
    <message>
        <source>&lt; &amp;Back</source>
        <translation>&lt; &amp;Zurück</translation>
    </message>
    <message>
        <source>&amp;Forward &gt;</source>
        <translation>&amp;Vor &gt;</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
</context>
<context>
    <name>zorvane::TFrmAbout</name>
    <message>
        <source>Game design and programming: the Zorvane team</source>
        <translation>Spielidee und Programmierung: das Zorvane-Team</translation>
    </message>
    <message>
        <source>Pieces, bombs and logo drawn for Zorvane</source>
        <translation>Steine, Bomben und Logo eigens für Zorvane gezeichnet</translation>
    </message>
    <message>
        <source>Sound effects and music made for Zorvane</source>
        <translation>Klänge und Musik eigens für Zorvane gemacht</translation>
    </message>
    <message>
        <source>Thanks to every player of the beta!</source>
        <translation>Danke an alle, die die Beta gespielt haben!</translation>
    </message>
    <message>
        <source>About Zorvane!</source>
        <translation>Über Zorvane</translation>
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
        <translation>Name eingeben</translation>
    </message>
    <message>
        <source>You got a high score! Please enter your name:</source>
        <translation>Ein neuer Bestwert! Bitte geben Sie Ihren Namen ein:</translation>
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
        <translation>Optionen bearbeiten</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Spiel</translation>
    </message>
    <message>
        <source>Pieces</source>
        <translation>Steine</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Hintergrund</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>Klänge</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Musik</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Program does not current support JPEGs</source>
        <translation>Das Programm kann noch keine JPEG-Bilder anzeigen.</translation>
    </message>
    <message>
        <source> Rows </source>
        <translation> Reihen </translation>
    </message>
    <message>
        <source>Start Rows:</source>
        <translation>Startreihen:</translation>
    </message>
    <message>
        <source> Game Size: </source>
        <translation> Spielfeldgröße: </translation>
    </message>
    <message>
        <source>640x480 (9 rows)</source>
        <translation>640x480 (9 Reihen)</translation>
    </message>
    <message>
        <source>800x600 (12 rows)</source>
        <translation>800x600 (12 Reihen)</translation>
    </message>
    <message>
        <source>1024x768 (16 rows)</source>
        <translation>1024x768 (16 Reihen)</translation>
    </message>
    <message>
        <source>Random Mode (for experts only)</source>
        <translation>Zufallsmodus (nur für Profis)</translation>
    </message>
    <message>
        <source>Help on Random Mode</source>
        <translation>Hilfe zum Zufallsmodus</translation>
    </message>
    <message>
        <source>Graphics Buffered</source>
        <translation>Gepufferte Grafik</translation>
    </message>
    <message>
        <source>This option makes the game
run a little slower, but there
is no flicker.</source>
        <translation>Damit läuft das Spiel etwas
langsamer, aber nichts
flimmert.</translation>
    </message>
    <message>
        <source>Animations</source>
        <translation>Animationen</translation>
    </message>
    <message>
        <source>Pieces fade, fall and slide
and rows rise, briefly.</source>
        <translation>Steine verblassen, fallen
und rutschen, Reihen
steigen auf, ganz kurz.</translation>
    </message>
    <message>
        <source> Piece Shape </source>
        <translation> Steinform </translation>
    </message>
    <message>
        <source>Circle</source>
        <translation>Kreis</translation>
    </message>
    <message>
        <source>Square</source>
        <translation>Quadrat</translation>
    </message>
    <message>
        <source>Diamond</source>
        <translation>Raute</translation>
    </message>
    <message>
        <source>Star</source>
        <translation>Stern</translation>
    </message>
    <message>
        <source> Piece Colors </source>
        <translation> Steinfarben </translation>
    </message>
    <message>
        <source>Gray</source>
        <translation>Grau</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blau</translation>
    </message>
    <message>
        <source>Cyan</source>
        <translation>Cyan</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Grün</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Orange</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Lila</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rot</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Gelb</translation>
    </message>
    <message>
        <source>Pink</source>
        <translation>Rosa</translation>
    </message>
    <message>
        <source>Show symbols
on pieces</source>
        <translation>Symbole auf den
Steinen zeigen</translation>
    </message>
    <message>
        <source>Show symbols on pieces</source>
        <translation>Symbole auf den Steinen zeigen</translation>
    </message>
    <message>
        <source>Set Board Color</source>
        <translation>Spielfeldfarbe</translation>
    </message>
    <message>
        <source>Use Graphic Background</source>
        <translation>Bild als Hintergrund</translation>
    </message>
    <message>
        <source>Transparent Graphics</source>
        <translation>Transparentes Bild</translation>
    </message>
    <message>
        <source> Set Board Graphic </source>
        <translation> Spielfeldbild </translation>
    </message>
    <message>
        <source>Set Graphic Background</source>
        <translation>Hintergrundbild wählen</translation>
    </message>
    <message>
        <source>Draw</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>Zentriert</translation>
    </message>
    <message>
        <source>Stretch</source>
        <translation>Gestreckt</translation>
    </message>
    <message>
        <source>Tiled</source>
        <translation>Gekachelt</translation>
    </message>
    <message>
        <source>Sample:</source>
        <translation>Muster:</translation>
    </message>
    <message>
        <source>Bad Move Sound:</source>
        <translation>Klang bei falschem Zug:</translation>
    </message>
    <message>
        <source>Good Move Sound:</source>
        <translation>Klang bei gutem Zug:</translation>
    </message>
    <message>
        <source>Explode Sound:</source>
        <translation>Explosionsklang:</translation>
    </message>
    <message>
        <source>Row Shift Sound:</source>
        <translation>Klang beim Nachrücken einer Reihe:</translation>
    </message>
    <message>
        <source>Mute Bad Sound</source>
        <translation>Klang bei falschem Zug aus</translation>
    </message>
    <message>
        <source>Mute Good Sound</source>
        <translation>Klang bei gutem Zug aus</translation>
    </message>
    <message>
        <source>Mute Explode Sound</source>
        <translation>Explosionsklang aus</translation>
    </message>
    <message>
        <source>Mute Row Shift Sound</source>
        <translation>Klang beim Nachrücken aus</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Wählen…</translation>
    </message>
    <message>
        <source>Mute All</source>
        <translation>Alles stumm</translation>
    </message>
    <message>
        <source>Play Background Music as:</source>
        <translation>Hintergrundmusik spielen als:</translation>
    </message>
    <message>
        <source>Single Song</source>
        <translation>Einzelnes Lied</translation>
    </message>
    <message>
        <source>Random Song from a Folder</source>
        <translation>Zufälliges Lied aus einem Ordner</translation>
    </message>
    <message>
        <source>Background Music (Single Song):</source>
        <translation>Hintergrundmusik (einzelnes Lied):</translation>
    </message>
    <message>
        <source>Background Music (Random Songs) Folder:</source>
        <translation>Ordner der Hintergrundmusik (zufällige Lieder):</translation>
    </message>
    <message>
        <source>Mute Background Music</source>
        <translation>Hintergrundmusik aus</translation>
    </message>
    <message>
        <source>Pause Music on Deactivate Program</source>
        <translation>Musik anhalten, wenn das Spiel inaktiv ist</translation>
    </message>
    <message>
        <source>(When the program is minimized, hidden by another application,
or another program has the keyboard focus.)</source>
        <translation>(Wenn das Spiel minimiert oder von einem anderen Fenster
verdeckt ist oder ein anderes Programm die Tastatur hat.)</translation>
    </message>
    <message>
        <source>Good place to download music #%1</source>
        <translation>Gute Quelle für Musik Nr. %1</translation>
    </message>
</context>
<context>
    <name>zorvane::TFrmScores</name>
    <message>
        <source>High Scores</source>
        <translation>Bestenliste</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Punkte</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Stufe</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Clear Scores</source>
        <translation>Liste leeren</translation>
    </message>
    <message>
        <source>Are you sure you want to clear the high scores table?</source>
        <translation>Möchten Sie die Bestenliste wirklich leeren?</translation>
    </message>
    <message>
        <source>This action cannot be undone.</source>
        <translation>Das lässt sich nicht rückgängig machen.</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Bestätigen</translation>
    </message>
</context>
<context>
    <name>zorvane::TMainBoard</name>
    <message>
        <source>Notice!</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <source>Board size change will take effect the next time the program is started</source>
        <translation>Die neue Spielfeldgröße gilt ab dem nächsten Start des Spiels.</translation>
    </message>
    <message>
        <source>Remember to save options to change the board size!</source>
        <translation>Speichern Sie die Optionen, damit die neue Spielfeldgröße gilt!</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Spiel</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Neues Spiel</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Save Game</source>
        <translation>Spiel &amp;speichern</translation>
    </message>
    <message>
        <source>&amp;Open Game</source>
        <translation>Spiel ö&amp;ffnen</translation>
    </message>
    <message>
        <source>&amp;High Scores</source>
        <translation>&amp;Bestenliste</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>B&amp;eenden</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>&amp;Start Rows</source>
        <translation>&amp;Startreihen</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Pause</translation>
    </message>
    <message>
        <source>&amp;Edit Options</source>
        <translation>Optionen &amp;bearbeiten</translation>
    </message>
    <message>
        <source>S&amp;ave Options</source>
        <translation>Optionen spei&amp;chern</translation>
    </message>
    <message>
        <source>&amp;Full Screen</source>
        <translation>&amp;Vollbild</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Zorvane Help</source>
        <translation>&amp;Zorvane-Hilfe</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Ü&amp;ber Zorvane</translation>
    </message>
    <message>
        <source>Pause</source>
        <comment>context menu</comment>
        <translation>Pause</translation>
    </message>
    <message>
        <source>New Game</source>
        <comment>context menu</comment>
        <translation>Neues Spiel</translation>
    </message>
    <message>
        <source>Undo</source>
        <comment>context menu</comment>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Edit Options</source>
        <comment>context menu</comment>
        <translation>Optionen bearbeiten</translation>
    </message>
    <message>
        <source>Help</source>
        <comment>context menu</comment>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Are you sure you want to load an old game?</source>
        <translation>Möchten Sie wirklich ein gespeichertes Spiel laden?</translation>
    </message>
    <message>
        <source>The game in progress will be ended. Continue?</source>
        <translation>Das laufende Spiel wird beendet. Fortfahren?</translation>
    </message>
    <message>
        <source>Web Link</source>
        <translation>Weblink</translation>
    </message>
    <message>
        <source>Zorvane could not open this address in a web browser:</source>
        <translation>Zorvane konnte diese Adresse in keinem Webbrowser öffnen:</translation>
    </message>
    <message>
        <source>Copy it into your browser to visit the page.</source>
        <translation>Kopieren Sie sie in Ihren Browser, um die Seite zu besuchen.</translation>
    </message>
    <message>
        <source>the help page is missing</source>
        <translation>die Hilfeseite fehlt</translation>
    </message>
    <message>
        <source>Zorvane cannot find your home folder (HOME is not set and the user database names none), so your options and high scores will not be saved.</source>
        <translation>Zorvane findet Ihren persönlichen Ordner nicht (HOME ist nicht gesetzt, und die Benutzerdatenbank nennt keinen). Ihre Optionen und Bestwerte werden daher nicht gespeichert.</translation>
    </message>
    <message>
        <source>Zorvane v. %1 b</source>
        <translation>Zorvane v. %1 b</translation>
    </message>
    <message>
        <source>Zorvane version %1 public beta</source>
        <translation>Zorvane Version %1, öffentliche Beta</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Punkte</translation>
    </message>
    <message>
        <source>Starts the game clock, or pauses it</source>
        <translation>Startet die Spieluhr oder hält sie an</translation>
    </message>
    <message>
        <source>Percent of level completed</source>
        <translation>Prozent der Stufe geschafft</translation>
    </message>
    <message>
        <source>cannot be removed</source>
        <translation>kann nicht entfernt werden</translation>
    </message>
    <message>
        <source>cannot be renamed to %1</source>
        <translation>kann nicht in %1 umbenannt werden</translation>
    </message>
</context>
</TS>
