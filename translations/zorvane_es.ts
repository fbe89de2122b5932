<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>Choosers</name>
    <message>
        <source>The folder &quot;%1&quot; could not be created.</source>
        <translation>No se pudo crear la carpeta «%1».</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a file, not a folder.</source>
        <translation>«%1» es un archivo, no una carpeta.</translation>
    </message>
    <message>
        <source>Preview:</source>
        <translation>Vista previa:</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>WAV Files (*.WAV *.wav)</source>
        <translation>Archivos WAV (*.WAV *.wav)</translation>
    </message>
    <message>
        <source>MIDI Files (*.MID *.mid *.midi)</source>
        <translation>Archivos MIDI (*.MID *.mid *.midi)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Open Picture</source>
        <translation>Abrir imagen</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Todas las imágenes</translation>
    </message>
    <message>
        <source>Device Independent Bitmap</source>
        <translation>Mapa de bits independiente del dispositivo</translation>
    </message>
    <message>
        <source>Bitmaps</source>
        <translation>Mapas de bits</translation>
    </message>
    <message>
        <source>Enhanced Metafiles</source>
        <translation>Metarchivos mejorados</translation>
    </message>
    <message>
        <source>Metafiles</source>
        <translation>Metarchivos</translation>
    </message>
    <message>
        <source>PNG Pictures</source>
        <translation>Imágenes PNG</translation>
    </message>
    <message>
        <source>Choose Folder</source>
        <translation>Elegir carpeta</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; does not exist. Do you want to create it?</source>
        <translation>La carpeta «%1» no existe. ¿Quieres crearla?</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>show this help and exit</source>
        <translation>muestra esta ayuda y sale</translation>
    </message>
    <message>
        <source>show the version and exit</source>
        <translation>muestra la versión y sale</translation>
    </message>
    <message>
        <source>the window system plugin, such as xcb or wayland</source>
        <translation>el complemento del sistema de ventanas, como xcb o wayland</translation>
    </message>
    <message>
        <source>a folder to look for window system plugins in</source>
        <translation>una carpeta donde buscar complementos del sistema de ventanas</translation>
    </message>
    <message>
        <source>the platform theme</source>
        <translation>el tema de la plataforma</translation>
    </message>
    <message>
        <source>an input plugin to load</source>
        <translation>un complemento de entrada que cargar</translation>
    </message>
    <message>
        <source>the X display to open (xcb)</source>
        <translation>la pantalla X que abrir (xcb)</translation>
    </message>
    <message>
        <source>the widget style, such as Fusion (or -style=STYLE)</source>
        <translation>el estilo de los controles, como Fusion (o -style=ESTILO)</translation>
    </message>
    <message>
        <source>a style sheet for the widgets (or -stylesheet=FILE)</source>
        <translation>una hoja de estilo para los controles (o -stylesheet=ARCHIVO)</translation>
    </message>
    <message>
        <source>the desktop session the game is restored into</source>
        <translation>la sesión de escritorio en la que se restaura el juego</translation>
    </message>
    <message>
        <source>lay the windows out from right to left</source>
        <translation>dispone las ventanas de derecha a izquierda</translation>
    </message>
    <message>
        <source>count the widgets left over at the end</source>
        <translation>cuenta los controles que quedan al final</translation>
    </message>
    <message>
        <source>Usage: zorvane [OPTION]... [FILE]</source>
        <translation>Uso: zorvane [OPCIÓN]... [ARCHIVO]</translation>
    </message>
    <message>
        <source>Zorvane, a colour-group puzzle game. At start it opens FILE, a saved game
(.SAV), or else the game that was in progress when it last closed.</source>
        <translation>Zorvane, un juego de grupos de colores. Al iniciarse abre ARCHIVO, una partida
guardada (.SAV), o si no, la partida que estaba en curso cuando se cerró.</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Opciones:</translation>
    </message>
    <message>
        <source>Qt&apos;s usual options, with one dash or two:</source>
        <translation>Las opciones habituales de Qt, con uno o dos guiones:</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>opción desconocida %1</translation>
    </message>
    <message>
        <source>the option %1 needs a value</source>
        <translation>la opción %1 necesita un valor</translation>
    </message>
    <message>
        <source>more than one file given: %1 and %2</source>
        <translation>se indicó más de un archivo: %1 y %2</translation>
    </message>
    <message>
        <source>%1 (see zorvane --help)</source>
        <translation>%1 (consulta zorvane --help)</translation>
    </message>
</context>
<context>
    <name>MessageBatch</name>
    <message>
        <source>Reading %1 found %2 problems:</source>
        <translation>Al leer %1 se encontraron %2 problemas:</translation>
    </message>
    <message>
        <source>and %1 more.</source>
        <translation>y %1 más.</translation>
    </message>
</context>
<context>
    <name>MessageWords</name>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Confirmar</translation>
    </message>
    <message>
        <source>Congratulations!</source>
        <translation>¡Enhorabuena!</translation>
    </message>
    <message>
        <source>Congratulations</source>
        <comment>a new level</comment>
        <translation>Enhorabuena</translation>
    </message>
    <message>
        <source>The game is over!</source>
        <translation>¡La partida ha terminado!</translation>
    </message>
    <message>
        <source>Would you like to play again?</source>
        <translation>¿Quieres volver a jugar?</translation>
    </message>
    <message>
        <source>You cleared the board!</source>
        <translation>¡Has vaciado el tablero!</translation>
    </message>
    <message>
        <source>You get a %1 point bonus!</source>
        <translation>¡Ganas una bonificación de %1 puntos!</translation>
    </message>
    <message>
        <source>You cleared the board %1 times!</source>
        <translation>¡Has vaciado el tablero %1 veces!</translation>
    </message>
    <message>
        <source>You have proceeded to the next level!</source>
        <translation>¡Has pasado al siguiente nivel!</translation>
    </message>
    <message>
        <source>You have proceeded to the next level</source>
        <translation>¡Has pasado al siguiente nivel</translation>
    </message>
    <message>
        <source>and earned a temporary speed relief!</source>
        <translation>y el juego se ralentiza durante un tiempo!</translation>
    </message>
    <message>
        <source>These high scores could not be saved in %1 (%2):</source>
        <translation>Estas puntuaciones no se pudieron guardar en %1 (%2):</translation>
    </message>
</context>
<context>
    <name>QtDialogService</name>
    <message>
        <source>Save Game</source>
        <translation>Guardar partida</translation>
    </message>
    <message>
        <source>SAV Files (*.SAV *.sav)</source>
        <translation>Archivos SAV (*.SAV *.sav)</translation>
    </message>
    <message>
        <source>Open Game</source>
        <translation>Abrir partida</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Todos los archivos (*)</translation>
    </message>
</context>
<context>
    <name>ReasonWords</name>
    <message>
        <source>not a regular file</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <source>not a valid file name</source>
        <translation>no es un nombre de archivo válido</translation>
    </message>
    <message>
        <source>the file holds no saved game</source>
        <translation>el archivo no contiene ninguna partida guardada</translation>
    </message>
    <message>
        <source>it is not a regular file and cannot be replaced</source>
        <translation>no es un archivo normal y no se puede sustituir</translation>
    </message>
    <message>
        <source>another copy of the game kept the file locked</source>
        <translation>otra copia del juego mantenía el archivo bloqueado</translation>
    </message>
    <message>
        <source>none of the songs in this folder can be played.</source>
        <translation>no se puede reproducir ninguna de las canciones de esta carpeta.</translation>
    </message>
    <message>
        <source>the song ended as soon as it started</source>
        <translation>la canción terminó nada más empezar</translation>
    </message>
    <message>
        <source>; the file is left as it is, and new high scores are kept only while the game runs</source>
        <translation>; el archivo se deja como está y las nuevas puntuaciones solo se conservan mientras el juego siga abierto</translation>
    </message>
    <message>
        <source>; the new high scores are kept and saved later</source>
        <translation>; las nuevas puntuaciones se conservan y se guardarán más tarde</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a file and what went wrong with it</comment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>too large (%1 MB, at most %2 MB)</source>
        <translation>demasiado grande (%1 MB, como máximo %2 MB)</translation>
    </message>
    <message>
        <source>Cannot create the folder %1 (%2)</source>
        <translation>No se puede crear la carpeta %1 (%2)</translation>
    </message>
</context>
<context>
    <name>StatusWords</name>
    <message>
        <source>Level: %1</source>
        <translation>Nivel: %1</translation>
    </message>
    <message>
        <source>Bonus: %1</source>
        <translation>Bonificación: %1</translation>
    </message>
    <message>
        <source>Percent of level completed: %1</source>
        <translation>Porcentaje del nivel: %1</translation>
    </message>
    <message>
        <source>Rows Done: %1</source>
        <translation>Filas completadas: %1</translation>
    </message>
    <message>
        <source>Start</source>
        <comment>the pause button of a paused game</comment>
        <translation>Empezar</translation>
    </message>
    <message>
        <source>Pause</source>
        <comment>the pause button of a running game</comment>
        <translation>Pausa</translation>
    </message>
</context>
<context>
    <name>zorvane::BoardGuide</name>
    <message>
        <source>Board</source>
        <translation>Tablero</translation>
    </message>
    <message>
        <source>area piece</source>
        <translation>pieza de área</translation>
    </message>
    <message>
        <source>row piece</source>
        <translation>pieza de fila</translation>
    </message>
    <message>
        <source>column piece</source>
        <translation>pieza de columna</translation>
    </message>
    <message>
        <source>cross piece</source>
        <translation>pieza de cruz</translation>
    </message>
    <message>
        <source>rows-up piece</source>
        <translation>pieza hacia arriba</translation>
    </message>
    <message>
        <source>everything piece</source>
        <translation>pieza de todo</translation>
    </message>
    <message>
        <source>gray piece</source>
        <translation>pieza gris</translation>
    </message>
    <message>
        <source>blue piece</source>
        <translation>pieza azul</translation>
    </message>
    <message>
        <source>cyan piece</source>
        <translation>pieza cian</translation>
    </message>
    <message>
        <source>green piece</source>
        <translation>pieza verde</translation>
    </message>
    <message>
        <source>orange piece</source>
        <translation>pieza naranja</translation>
    </message>
    <message>
        <source>purple piece</source>
        <translation>pieza morada</translation>
    </message>
    <message>
        <source>red piece</source>
        <translation>pieza roja</translation>
    </message>
    <message>
        <source>yellow piece</source>
        <translation>pieza amarilla</translation>
    </message>
    <message>
        <source>pink piece</source>
        <translation>pieza rosa</translation>
    </message>
    <message>
        <source>gray bomb</source>
        <translation>bomba gris</translation>
    </message>
    <message>
        <source>blue bomb</source>
        <translation>bomba azul</translation>
    </message>
    <message>
        <source>cyan bomb</source>
        <translation>bomba cian</translation>
    </message>
    <message>
        <source>green bomb</source>
        <translation>bomba verde</translation>
    </message>
    <message>
        <source>orange bomb</source>
        <translation>bomba naranja</translation>
    </message>
    <message>
        <source>purple bomb</source>
        <translation>bomba morada</translation>
    </message>
    <message>
        <source>red bomb</source>
        <translation>bomba roja</translation>
    </message>
    <message>
        <source>yellow bomb</source>
        <translation>bomba amarilla</translation>
    </message>
    <message>
        <source>pink bomb</source>
        <translation>bomba rosa</translation>
    </message>
    <message>
        <source>unknown piece</source>
        <translation>pieza desconocida</translation>
    </message>
    <message>
        <source>black bomb</source>
        <translation>bomba negra</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vacía</translation>
    </message>
    <message>
        <source>Arrow keys choose a cell; Space or Enter plays it.</source>
        <translation>Las flechas eligen una casilla; Espacio o Intro la juega.</translation>
    </message>
    <message>
        <source>The pieces are moving.</source>
        <translation>Las piezas se están moviendo.</translation>
    </message>
    <message>
        <source>Row %1, column %2: %3.</source>
        <translation>Fila %1, columna %2: %3.</translation>
    </message>
    <message>
        <source>A click here is no move.</source>
        <translation>Un clic aquí no es una jugada.</translation>
    </message>
    <message>
        <source>A click here takes 1 piece.</source>
        <translation>Un clic aquí quita 1 pieza.</translation>
    </message>
    <message>
        <source>A click here takes %1 pieces.</source>
        <translation>Un clic aquí quita %1 piezas.</translation>
    </message>
</context>
<context>
    <name>zorvane::HelpWindow</name>
    <message>
        <source>Zorvane Help</source>
        <translation>Ayuda de Zorvane</translation>
    </message>
    <message>
        <source>&lt; &amp;Back</source>
        <translation>&lt; &amp;Atrás</translation>
    </message>
    <message>
        <source>&amp;Forward &gt;</source>
        <translation>A&amp;delante &gt;</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
</context>
<context>
    <name>zorvane::TFrmAbout</name>
    <message>
        <source>Game design and programming: the Zorvane team</source>
        <translation>Diseño y programación: el equipo de Zorvane</translation>
    </message>
    <message>
        <source>Pieces, bombs and logo drawn for Zorvane</source>
        <translation>Piezas, bombas y logotipo dibujados para Zorvane</translation>
    </message>
    <message>
        <source>Sound effects and music made for Zorvane</source>
        <translation>Efectos de sonido y música creados para Zorvane</translation>
    </message>
    <message>
        <source>Thanks to every player of the beta!</source>
        <translation>¡Gracias a todos los que jugaron la beta!</translation>
    </message>
    <message>
        <source>About Zorvane!</source>
        <translation>Acerca de Zorvane</translation>
    </message>
    <message>
        <source>Version %1 b</source>
        <translation>Versión %1 b</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>zorvane::TFrmName</name>
    <message>
        <source>Enter Name</source>
        <translation>Tu nombre</translation>
    </message>
    <message>
        <source>You got a high score! Please enter your name:</source>
        <translation>¡Has logrado una de las mejores puntuaciones! Escribe tu nombre:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>zorvane::TFrmOptions</name>
    <message>
        <source>Edit Options</source>
        <translation>Editar opciones</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Juego</translation>
    </message>
    <message>
        <source>Pieces</source>
        <translation>Piezas</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Fondo</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>Sonidos</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Música</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Program does not current support JPEGs</source>
        <translation>El programa todavía no admite imágenes JPEG.</translation>
    </message>
    <message>
        <source> Rows </source>
        <translation> Filas </translation>
    </message>
    <message>
        <source>Start Rows:</source>
        <translation>Filas iniciales:</translation>
    </message>
    <message>
        <source> Game Size: </source>
        <translation> Tamaño del juego: </translation>
    </message>
    <message>
        <source>640x480 (9 rows)</source>
        <translation>640x480 (9 filas)</translation>
    </message>
    <message>
        <source>800x600 (12 rows)</source>
        <translation>800x600 (12 filas)</translation>
    </message>
    <message>
        <source>1024x768 (16 rows)</source>
        <translation>1024x768 (16 filas)</translation>
    </message>
    <message>
        <source>Random Mode (for experts only)</source>
        <translation>Modo aleatorio (solo para expertos)</translation>
    </message>
    <message>
        <source>Help on Random Mode</source>
        <translation>Ayuda sobre el modo aleatorio</translation>
    </message>
    <message>
        <source>Graphics Buffered</source>
        <translation>Gráficos con búfer</translation>
    </message>
    <message>
        <source>This option makes the game
run a little slower, but there
is no flicker.</source>
        <translation>El juego va un poco más
lento, pero la imagen
no parpadea.</translation>
    </message>
    <message>
        <source>Animations</source>
        <translation>Animaciones</translation>
    </message>
    <message>
        <source>Pieces fade, fall and slide
and rows rise, briefly.</source>
        <translation>Breves animaciones:
las piezas se funden,
caen y se deslizan,
y las filas suben.</translation>
    </message>
    <message>
        <source> Piece Shape </source>
        <translation> Forma de las piezas </translation>
    </message>
    <message>
        <source>Circle</source>
        <translation>Círculo</translation>
    </message>
    <message>
        <source>Square</source>
        <translation>Cuadrado</translation>
    </message>
    <message>
        <source>Diamond</source>
        <translation>Rombo</translation>
    </message>
    <message>
        <source>Star</source>
        <translation>Estrella</translation>
    </message>
    <message>
        <source> Piece Colors </source>
        <translation> Colores de las piezas </translation>
    </message>
    <message>
        <source>Gray</source>
        <translation>Gris</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Azul</translation>
    </message>
    <message>
        <source>Cyan</source>
        <translation>Cian</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Verde</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Naranja</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Morado</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rojo</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Amarillo</translation>
    </message>
    <message>
        <source>Pink</source>
        <translation>Rosa</translation>
    </message>
    <message>
        <source>Show symbols
on pieces</source>
        <translation>Mostrar símbolos
en las piezas</translation>
    </message>
    <message>
        <source>Show symbols on pieces</source>
        <translation>Mostrar símbolos en las piezas</translation>
    </message>
    <message>
        <source>Set Board Color</source>
        <translation>Color del tablero</translation>
    </message>
    <message>
        <source>Use Graphic Background</source>
        <translation>Imagen de fondo</translation>
    </message>
    <message>
        <source>Transparent Graphics</source>
        <translation>Imagen transparente</translation>
    </message>
    <message>
        <source> Set Board Graphic </source>
        <translation> Imagen del tablero </translation>
    </message>
    <message>
        <source>Set Graphic Background</source>
        <translation>Elegir imagen de fondo</translation>
    </message>
    <message>
        <source>Draw</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>Centrado</translation>
    </message>
    <message>
        <source>Stretch</source>
        <translation>Estirado</translation>
    </message>
    <message>
        <source>Tiled</source>
        <translation>Mosaico</translation>
    </message>
    <message>
        <source>Sample:</source>
        <translation>Muestra:</translation>
    </message>
    <message>
        <source>Bad Move Sound:</source>
        <translation>Sonido de jugada errónea:</translation>
    </message>
    <message>
        <source>Good Move Sound:</source>
        <translation>Sonido de jugada buena:</translation>
    </message>
    <message>
        <source>Explode Sound:</source>
        <translation>Sonido de explosión:</translation>
    </message>
    <message>
        <source>Row Shift Sound:</source>
        <translation>Sonido de subida de fila:</translation>
    </message>
    <message>
        <source>Mute Bad Sound</source>
        <translation>Silenciar jugada errónea</translation>
    </message>
    <message>
        <source>Mute Good Sound</source>
        <translation>Silenciar jugada buena</translation>
    </message>
    <message>
        <source>Mute Explode Sound</source>
        <translation>Silenciar explosión</translation>
    </message>
    <message>
        <source>Mute Row Shift Sound</source>
        <translation>Silenciar subida de fila</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Examinar…</translation>
    </message>
    <message>
        <source>Mute All</source>
        <translation>Silenciar todo</translation>
    </message>
    <message>
        <source>Play Background Music as:</source>
        <translation>Música de fondo:</translation>
    </message>
    <message>
        <source>Single Song</source>
        <translation>Una sola canción</translation>
    </message>
    <message>
        <source>Random Song from a Folder</source>
        <translation>Canción al azar de una carpeta</translation>
    </message>
    <message>
        <source>Background Music (Single Song):</source>
        <translation>Música de fondo (una sola canción):</translation>
    </message>
    <message>
        <source>Background Music (Random Songs) Folder:</source>
        <translation>Carpeta de música de fondo (canciones al azar):</translation>
    </message>
    <message>
        <source>Mute Background Music</source>
        <translation>Silenciar música de fondo</translation>
    </message>
    <message>
        <source>Pause Music on Deactivate Program</source>
        <translation>Pausar la música si el juego está inactivo</translation>
    </message>
    <message>
        <source>(When the program is minimized, hidden by another application,
or another program has the keyboard focus.)</source>
        <translation>(Cuando el juego está minimizado u oculto por otra aplicación,
o cuando otro programa recibe el teclado.)</translation>
    </message>
    <message>
        <source>Good place to download music #%1</source>
        <translation>Buen sitio para descargar música n.º %1</translation>
    </message>
</context>
<context>
    <name>zorvane::TFrmScores</name>
    <message>
        <source>High Scores</source>
        <translation>Mejores puntuaciones</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Puntuación</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Nivel</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Clear Scores</source>
        <translation>Borrar puntuaciones</translation>
    </message>
    <message>
        <source>Are you sure you want to clear the high scores table?</source>
        <translation>¿Seguro que quieres borrar la tabla de mejores puntuaciones?</translation>
    </message>
    <message>
        <source>This action cannot be undone.</source>
        <translation>Esta acción no se puede deshacer.</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Confirmar</translation>
    </message>
</context>
<context>
    <name>zorvane::TMainBoard</name>
    <message>
        <source>Notice!</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>Board size change will take effect the next time the program is started</source>
        <translation>El nuevo tamaño del tablero se aplicará la próxima vez que se inicie el juego.</translation>
    </message>
    <message>
        <source>Remember to save options to change the board size!</source>
        <translation>¡Recuerda guardar las opciones para cambiar el tamaño del tablero!</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Juego</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Nuevo juego</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>&amp;Save Game</source>
        <translation>&amp;Guardar partida</translation>
    </message>
    <message>
        <source>&amp;Open Game</source>
        <translation>&amp;Abrir partida</translation>
    </message>
    <message>
        <source>&amp;High Scores</source>
        <translation>&amp;Mejores puntuaciones</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opciones</translation>
    </message>
    <message>
        <source>&amp;Start Rows</source>
        <translation>&amp;Filas iniciales</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Pausa</translation>
    </message>
    <message>
        <source>&amp;Edit Options</source>
        <translation>&amp;Editar opciones</translation>
    </message>
    <message>
        <source>S&amp;ave Options</source>
        <translation>&amp;Guardar opciones</translation>
    </message>
    <message>
        <source>&amp;Full Screen</source>
        <translation>Pantalla &amp;completa</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Ayuda</translation>
    </message>
    <message>
        <source>&amp;Zorvane Help</source>
        <translation>&amp;Ayuda de Zorvane</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>A&amp;cerca de Zorvane</translation>
    </message>
    <message>
        <source>Pause</source>
        <comment>context menu</comment>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>New Game</source>
        <comment>context menu</comment>
        <translation>Nuevo juego</translation>
    </message>
    <message>
        <source>Undo</source>
        <comment>context menu</comment>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>Edit Options</source>
        <comment>context menu</comment>
        <translation>Editar opciones</translation>
    </message>
    <message>
        <source>Help</source>
        <comment>context menu</comment>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Are you sure you want to load an old game?</source>
        <translation>¿Seguro que quieres cargar una partida guardada?</translation>
    </message>
    <message>
        <source>The game in progress will be ended. Continue?</source>
        <translation>La partida en curso terminará. ¿Continuar?</translation>
    </message>
    <message>
        <source>Web Link</source>
        <translation>Enlace web</translation>
    </message>
    <message>
        <source>Zorvane could not open this address in a web browser:</source>
        <translation>Zorvane no pudo abrir esta dirección en un navegador web:</translation>
    </message>
    <message>
        <source>Copy it into your browser to visit the page.</source>
        <translation>Cópiala en tu navegador para visitar la página.</translation>
    </message>
    <message>
        <source>the help page is missing</source>
        <translation>falta la página de ayuda</translation>
    </message>
    <message>
        <source>Zorvane cannot find your home folder (HOME is not set and the user database names none), so your options and high scores will not be saved.</source>
        <translation>Zorvane no encuentra tu carpeta personal (HOME no está definida y la base de datos de usuarios no indica ninguna), así que no se guardarán tus opciones ni tus puntuaciones.</translation>
    </message>
    <message>
        <source>Zorvane v. %1 b</source>
        <translation>Zorvane v. %1 b</translation>
    </message>
    <message>
        <source>Zorvane version %1 public beta</source>
        <translation>Zorvane versión %1, beta pública</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Puntuación</translation>
    </message>
    <message>
        <source>Starts the game clock, or pauses it</source>
        <translation>Pone en marcha el reloj del juego o lo pausa</translation>
    </message>
    <message>
        <source>Percent of level completed</source>
        <translation>Porcentaje del nivel</translation>
    </message>
    <message>
        <source>cannot be removed</source>
        <translation>no se puede eliminar</translation>
    </message>
    <message>
        <source>cannot be renamed to %1</source>
        <translation>no se puede renombrar a %1</translation>
    </message>
</context>
</TS>
