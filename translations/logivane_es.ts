<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>ControlLabels</name>
    <message>
        <source>More tool buttons</source>
        <translation>Más botones de herramientas</translation>
    </message>
    <message>
        <source>More menus</source>
        <translation>Más menús</translation>
    </message>
</context>
<context>
    <name>Datasheets</name>
    <message>
        <source>Unable to open datasheet.</source>
        <translation>No se puede abrir la hoja de datos.</translation>
    </message>
</context>
<context>
    <name>TAnalyserForm</name>
    <message>
        <source>Logic History</source>
        <translation>Cronograma</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opciones</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Ejecutar</translation>
    </message>
    <message>
        <source>&amp;Export...</source>
        <translation>&amp;Exportar...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>&amp;Highlight When Clock High</source>
        <translation>&amp;Resaltar cuando el reloj está en alto</translation>
    </message>
    <message>
        <source>Show &amp;Bus Values</source>
        <translation>Mostrar valores del &amp;bus</translation>
    </message>
    <message>
        <source>&amp;Help Topics...</source>
        <translation>&amp;Temas de ayuda...</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Step Back</source>
        <translation>Retroceder un paso</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>Paso</translation>
    </message>
    <message>
        <source>Toggle Display Mode</source>
        <translation>Cambiar modo de visualización</translation>
    </message>
</context>
<context>
    <name>TAssociateHelpDialog</name>
    <message>
        <source>Attach Datasheet</source>
        <translation>Adjuntar hoja de datos</translation>
    </message>
    <message>
        <source>Datasheet Source:</source>
        <translation>Origen de la hoja de datos:</translation>
    </message>
    <message>
        <source>Windows Help File</source>
        <translation>Archivo de ayuda de Windows</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nombre:</translation>
    </message>
    <message>
        <source>Context ID:</source>
        <translation>ID de contexto:</translation>
    </message>
    <message>
        <source>Web Page</source>
        <translation>Página web</translation>
    </message>
    <message>
        <source>URL:</source>
        <translation>URL:</translation>
    </message>
    <message>
        <source>Application Document</source>
        <translation>Documento de aplicación</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
</context>
<context>
    <name>TChangeMemoryDialog</name>
    <message>
        <source>Select Memory Device</source>
        <translation>Seleccionar memoria</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>RAM</source>
        <translation>RAM</translation>
    </message>
    <message>
        <source>ROM</source>
        <translation>ROM</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamaño</translation>
    </message>
    <message>
        <source>Address Lines</source>
        <translation>Líneas de dirección</translation>
    </message>
    <message>
        <source>Data Lines</source>
        <translation>Líneas de datos</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>Example</source>
        <translation>Ejemplo</translation>
    </message>
</context>
<context>
    <name>TCircuitFile</name>
    <message>
        <source>You need a later version of Logivane to read this file.</source>
        <translation>Necesita una versión más reciente de Logivane para leer este archivo.</translation>
    </message>
    <message>
        <source>This is not a valid Logivane file.</source>
        <translation>Este no es un archivo de Logivane válido.</translation>
    </message>
    <message>
        <source>An error has occurred trying to read this Logivane file.</source>
        <translation>Se ha producido un error al leer este archivo de Logivane.</translation>
    </message>
    <message>
        <source>Unable to locate the Logivane file &apos;%1&apos;</source>
        <translation>No se encuentra el archivo de Logivane &apos;%1&apos;</translation>
    </message>
</context>
<context>
    <name>TCircuitFileCommands</name>
    <message>
        <source>An error has occurred trying to write this Logivane file.</source>
        <translation>Se ha producido un error al escribir este archivo de Logivane.</translation>
    </message>
    <message>
        <source>Reading %1, please wait...</source>
        <translation>Leyendo %1, espere por favor...</translation>
    </message>
</context>
<context>
    <name>TDatasheetPathDialog</name>
    <message>
        <source>Datasheet Path</source>
        <translation>Ruta de las hojas de datos</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Ruta</translation>
    </message>
    <message>
        <source>The default Logivane path is searched first in an attempt to locate a datasheet.  If the search fails, the above search path is used.</source>
        <translation>Primero se busca la hoja de datos en la ruta predeterminada de Logivane. Si no se encuentra, se usa la ruta de búsqueda indicada arriba.</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
</context>
<context>
    <name>TDeviceMenu</name>
    <message>
        <source>&amp;Red</source>
        <translation>&amp;Rojo</translation>
    </message>
    <message>
        <source>&amp;Green</source>
        <translation>&amp;Verde</translation>
    </message>
    <message>
        <source>&amp;Yellow</source>
        <translation>&amp;Amarillo</translation>
    </message>
    <message>
        <source>&amp;Blue</source>
        <translation>A&amp;zul</translation>
    </message>
    <message>
        <source>&amp;White</source>
        <translation>&amp;Blanco</translation>
    </message>
    <message>
        <source>&amp;Left</source>
        <translation>&amp;Izquierda</translation>
    </message>
    <message>
        <source>&amp;Right</source>
        <translation>&amp;Derecha</translation>
    </message>
    <message>
        <source>&amp;Top</source>
        <translation>&amp;Arriba</translation>
    </message>
    <message>
        <source>&amp;Bottom</source>
        <translation>A&amp;bajo</translation>
    </message>
    <message>
        <source>&amp;Cut</source>
        <translation>Cor&amp;tar</translation>
    </message>
    <message>
        <source>C&amp;opy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Pegar</translation>
    </message>
    <message>
        <source>&amp;Inputs</source>
        <translation>E&amp;ntradas</translation>
    </message>
    <message>
        <source>&amp;2 - Two</source>
        <translation>&amp;2 - Dos</translation>
    </message>
    <message>
        <source>&amp;3 - Three</source>
        <translation>&amp;3 - Tres</translation>
    </message>
    <message>
        <source>&amp;4 - Four</source>
        <translation>&amp;4 - Cuatro</translation>
    </message>
    <message>
        <source>Edit &amp;Memory Contents...</source>
        <translation>Editar el contenido de la &amp;memoria...</translation>
    </message>
    <message>
        <source>&amp;Edit Annotation...</source>
        <translation>Editar la &amp;anotación...</translation>
    </message>
    <message>
        <source>&amp;Name Macro</source>
        <translation>&amp;Nombrar macro</translation>
    </message>
    <message>
        <source>&amp;Edit Sequence...</source>
        <translation>Editar la &amp;secuencia...</translation>
    </message>
    <message>
        <source>&amp;Edit Macro...</source>
        <translation>Editar &amp;macro...</translation>
    </message>
    <message>
        <source>&amp;View Datasheet...</source>
        <translation>&amp;Ver hoja de datos...</translation>
    </message>
    <message>
        <source>C&amp;hange Color</source>
        <translation>Cambiar co&amp;lor</translation>
    </message>
    <message>
        <source>&amp;Custom...</source>
        <translation>&amp;Personalizado...</translation>
    </message>
    <message>
        <source>&amp;Set Switch Type...</source>
        <translation>Tipo de &amp;interruptor...</translation>
    </message>
    <message>
        <source>&amp;Text...</source>
        <translation>Te&amp;xto...</translation>
    </message>
    <message>
        <source>Text &amp;Style</source>
        <translation>E&amp;stilo del texto</translation>
    </message>
    <message>
        <source>C&amp;ommon</source>
        <translation>C&amp;omún</translation>
    </message>
    <message>
        <source>&amp;Cathode</source>
        <translation>&amp;Cátodo</translation>
    </message>
    <message>
        <source>&amp;Anode</source>
        <translation>Á&amp;nodo</translation>
    </message>
    <message>
        <source>Properties...</source>
        <translation>Propiedades...</translation>
    </message>
    <message>
        <source>Add to Logic &amp;History</source>
        <translation>Añadir al c&amp;ronograma</translation>
    </message>
    <message>
        <source>Pulse &amp;Input</source>
        <translation>&amp;Impulso en la entrada</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Eliminar</translation>
    </message>
    <message>
        <source>&amp;Template Editor...</source>
        <translation>Editor de pla&amp;ntillas...</translation>
    </message>
    <message>
        <source>T&amp;ag Text Style</source>
        <translation>Estilo del texto de la eti&amp;queta</translation>
    </message>
    <message>
        <source>Inputs</source>
        <translation>Entradas</translation>
    </message>
</context>
<context>
    <name>TEditContentsDialog</name>
    <message>
        <source>Memory Contents</source>
        <translation>Contenido de la memoria</translation>
    </message>
    <message>
        <source>Binary</source>
        <translation>Binario</translation>
    </message>
    <message>
        <source>Hexadecimal</source>
        <translation>Hexadecimal</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>C&amp;lear Memory</source>
        <translation>&amp;Borrar la memoria</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nuevo</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Abrir...</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Ctrl+O</source>
        <translation>Ctrl+O</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Ctrl+S</source>
        <translation>Ctrl+S</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>&amp;Help Topics...</source>
        <translation>&amp;Temas de ayuda...</translation>
    </message>
</context>
<context>
    <name>TEditSequenceDialog</name>
    <message>
        <source>Edit Sequence</source>
        <translation>Editar secuencia</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Atrás</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Modo</translation>
    </message>
    <message>
        <source>Bin</source>
        <translation>Bin</translation>
    </message>
    <message>
        <source>Hex</source>
        <translation>Hex</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
</context>
<context>
    <name>TEditSwitchDialog</name>
    <message>
        <source>Edit Switch Type</source>
        <translation>Tipo de interruptor</translation>
    </message>
    <message>
        <source>Types</source>
        <translation>Tipos</translation>
    </message>
    <message>
        <source>Toggle</source>
        <translation>Interruptor</translation>
    </message>
    <message>
        <source>Push To Make</source>
        <translation>Pulsador (normalmente abierto)</translation>
    </message>
    <message>
        <source>Push To Break</source>
        <translation>Pulsador (normalmente cerrado)</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Probar</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
</context>
<context>
    <name>TEditTextDialog</name>
    <message>
        <source>Edit Text</source>
        <translation>Editar texto</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texto</translation>
    </message>
    <message>
        <source>Change Text Size</source>
        <translation>Cambiar el tamaño del texto</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Fuente</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Cursiva</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Negrita</translation>
    </message>
    <message>
        <source>Overbar</source>
        <translation>Barra superior</translation>
    </message>
    <message>
        <source>Clear Text</source>
        <translation>Borrar texto</translation>
    </message>
    <message>
        <source>Color...</source>
        <translation>Color...</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
</context>
<context>
    <name>TExportPictureDialog</name>
    <message>
        <source>Export Picture</source>
        <translation>Exportar imagen</translation>
    </message>
    <message>
        <source>&amp;Scale</source>
        <translation>&amp;Escala</translation>
    </message>
    <message>
        <source> %</source>
        <translation> %</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Fondo</translation>
    </message>
    <message>
        <source>&amp;White</source>
        <translation>&amp;Blanco</translation>
    </message>
    <message>
        <source>&amp;Transparent</source>
        <translation>&amp;Transparente</translation>
    </message>
</context>
<context>
    <name>TFileStatusDialog</name>
    <message>
        <source>File Status</source>
        <translation>Estado del archivo</translation>
    </message>
</context>
<context>
    <name>TGridSetupDialog</name>
    <message>
        <source>Grid Setup</source>
        <translation>Configuración de la rejilla</translation>
    </message>
    <message>
        <source>Snap to grid</source>
        <translation>Ajustar a la rejilla</translation>
    </message>
    <message>
        <source>Show grid</source>
        <translation>Mostrar la rejilla</translation>
    </message>
    <message>
        <source>Rotation Angle</source>
        <translation>Ángulo de giro</translation>
    </message>
    <message>
        <source>Grid Frequency:</source>
        <translation>Paso de la rejilla:</translation>
    </message>
    <message>
        <source>Display Frequency:</source>
        <translation>Paso de visualización:</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
</context>
<context>
    <name>TKeyboardEditing</name>
    <message>
        <source>Devices</source>
        <translation>Componentes</translation>
    </message>
    <message>
        <source>Device Palette</source>
        <translation>Paleta de componentes</translation>
    </message>
    <message>
        <source>Press Insert to choose a device, then Enter to place it at the cross-hair</source>
        <translation>Pulse Insert para elegir un componente y luego Intro para colocarlo en la cruz</translation>
    </message>
    <message>
        <source>Placed: the arrow keys move it, W wires it, Tab selects the next object</source>
        <translation>Colocado: las flechas lo mueven, W lo cablea, Tab selecciona el objeto siguiente</translation>
    </message>
    <message>
        <source>Object %1 of %2: the arrow keys move it, W wires it, Escape lets it go</source>
        <translation>Objeto %1 de %2: las flechas lo mueven, W lo cablea, Esc lo suelta</translation>
    </message>
    <message>
        <source>Select a device with Tab first, then press W to wire it</source>
        <translation>Seleccione primero un componente con Tab y luego pulse W para cablearlo</translation>
    </message>
    <message>
        <source>Every pin of this device is wired</source>
        <translation>Todos los pines de este componente están cableados</translation>
    </message>
    <message>
        <source>No free pin to wire to: Escape cancels the wire</source>
        <translation>No hay ningún pin libre que cablear: Esc cancela el cable</translation>
    </message>
    <message>
        <source>Wiring to pin %1 of %2: Tab or the arrow keys choose another, Enter connects, Escape cancels</source>
        <translation>Cableando al pin %1 de %2: Tab o las flechas eligen otro, Intro conecta, Esc cancela</translation>
    </message>
    <message>
        <source>Wired: W wires the next free pin</source>
        <translation>Cableado: W cablea el siguiente pin libre</translation>
    </message>
    <message>
        <source>Circuit drawing</source>
        <translation>Esquema del circuito</translation>
    </message>
</context>
<context>
    <name>TMacroTemplate</name>
    <message>
        <source>This is not a valid Logivane Template file.</source>
        <translation>Este no es un archivo de plantilla de Logivane válido.</translation>
    </message>
    <message>
        <source>An error has occurred trying to read this Logivane file.</source>
        <translation>Se ha producido un error al leer este archivo de Logivane.</translation>
    </message>
    <message>
        <source>An error has occurred trying to write this Logivane file.</source>
        <translation>Se ha producido un error al escribir este archivo de Logivane.</translation>
    </message>
</context>
<context>
    <name>TMainMenus</name>
    <message>
        <source>OR Gate</source>
        <translation>Puerta OR</translation>
    </message>
    <message>
        <source>NOR Gate</source>
        <translation>Puerta NOR</translation>
    </message>
    <message>
        <source>XOR Gate</source>
        <translation>Puerta XOR</translation>
    </message>
    <message>
        <source>XNOR Gate</source>
        <translation>Puerta XNOR</translation>
    </message>
    <message>
        <source>NOT Gate</source>
        <translation>Puerta NOT</translation>
    </message>
    <message>
        <source>AND Gate</source>
        <translation>Puerta AND</translation>
    </message>
    <message>
        <source>NAND Gate</source>
        <translation>Puerta NAND</translation>
    </message>
    <message>
        <source>Tri-State Device</source>
        <translation>Búfer triestado</translation>
    </message>
    <message>
        <source>RS Flip Flop</source>
        <translation>Biestable RS</translation>
    </message>
    <message>
        <source>JK Flip Flop</source>
        <translation>Biestable JK</translation>
    </message>
    <message>
        <source>D Flip Flop</source>
        <translation>Biestable D</translation>
    </message>
    <message>
        <source>Memory Device</source>
        <translation>Memoria</translation>
    </message>
    <message>
        <source>Switch</source>
        <extracomment>The toggle switch that the user flips, as a device of the circuit</extracomment>
        <translation>Interruptor</translation>
    </message>
    <message>
        <source>Tag Device</source>
        <extracomment>A named connector: tags of one name are joined without a wire</extracomment>
        <translation>Etiqueta de conexión</translation>
    </message>
    <message>
        <source>Sequence Generator</source>
        <translation>Generador de secuencia</translation>
    </message>
    <message>
        <source>Clock</source>
        <extracomment>The device that gives the clock signal, not a time of day</extracomment>
        <translation>Reloj</translation>
    </message>
    <message>
        <source>Interactive Input</source>
        <translation>Entrada interactiva</translation>
    </message>
    <message>
        <source>Ground</source>
        <extracomment>The source of a constant logic 0 (0 V)</extracomment>
        <translation>Tierra</translation>
    </message>
    <message>
        <source>Vcc</source>
        <translation>Vcc</translation>
    </message>
    <message>
        <source>LED</source>
        <translation>LED</translation>
    </message>
    <message>
        <source>7 Segment LED</source>
        <translation>Visualizador de 7 segmentos</translation>
    </message>
    <message>
        <source>Numeric Output</source>
        <translation>Visualizador numérico</translation>
    </message>
    <message>
        <source>Annotation</source>
        <translation>Anotación</translation>
    </message>
    <message>
        <source>1 Hertz</source>
        <translation>1 hercio</translation>
    </message>
    <message>
        <source>2 Hertz</source>
        <translation>2 hercios</translation>
    </message>
    <message>
        <source>5 Hertz</source>
        <translation>5 hercios</translation>
    </message>
    <message>
        <source>10 Hertz</source>
        <translation>10 hercios</translation>
    </message>
    <message>
        <source>50 Hertz</source>
        <translation>50 hercios</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;New Circuit</source>
        <translation>&amp;Nuevo circuito</translation>
    </message>
    <message>
        <source>Ctrl+N</source>
        <translation>Ctrl+N</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Abrir</translation>
    </message>
    <message>
        <source>Ctrl+O</source>
        <translation>Ctrl+O</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>Ctrl+S</source>
        <translation>Ctrl+S</translation>
    </message>
    <message>
        <source>S&amp;ave As...</source>
        <translation>Guardar &amp;como...</translation>
    </message>
    <message>
        <source>&amp;Reopen</source>
        <translation>Abrir &amp;reciente</translation>
    </message>
    <message>
        <source>&amp;Export Picture...</source>
        <translation>E&amp;xportar imagen...</translation>
    </message>
    <message>
        <source>Print Set&amp;up...</source>
        <translation>Configurar &amp;página...</translation>
    </message>
    <message>
        <source>Print Pre&amp;view...</source>
        <translation>&amp;Vista previa de impresión...</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Imprimir</translation>
    </message>
    <message>
        <source>Ctrl+P</source>
        <translation>Ctrl+P</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>Ctrl+Z</source>
        <translation>Ctrl+Z</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rehacer</translation>
    </message>
    <message>
        <source>Ctrl+Y</source>
        <translation>Ctrl+Y</translation>
    </message>
    <message>
        <source>Ctrl+Shift+Z</source>
        <translation>Ctrl+Shift+Z</translation>
    </message>
    <message>
        <source>&amp;Cut</source>
        <translation>Cor&amp;tar</translation>
    </message>
    <message>
        <source>Ctrl+X</source>
        <translation>Ctrl+X</translation>
    </message>
    <message>
        <source>C&amp;opy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>Ctrl+C</source>
        <translation>Ctrl+C</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Pegar</translation>
    </message>
    <message>
        <source>Ctrl+V</source>
        <translation>Ctrl+V</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Eliminar</translation>
    </message>
    <message>
        <source>&amp;Select All</source>
        <translation>Seleccionar t&amp;odo</translation>
    </message>
    <message>
        <source>Ctrl+A</source>
        <translation>Ctrl+A</translation>
    </message>
    <message>
        <source>&amp;Circuit</source>
        <translation>&amp;Circuito</translation>
    </message>
    <message>
        <source>&amp;Run</source>
        <translation>&amp;Ejecutar</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Detener</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Pausa</translation>
    </message>
    <message>
        <source>S&amp;tep Circuit</source>
        <translation>Avanzar un pa&amp;so</translation>
    </message>
    <message>
        <source>Step &amp;Back</source>
        <translation>&amp;Retroceder un paso</translation>
    </message>
    <message>
        <source>&amp;Clock Speed</source>
        <translation>&amp;Frecuencia del reloj</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>&amp;Show Grid</source>
        <translation>&amp;Mostrar la rejilla</translation>
    </message>
    <message>
        <source>S&amp;nap To Grid</source>
        <translation>&amp;Ajustar a la rejilla</translation>
    </message>
    <message>
        <source>&amp;Grid Setup...</source>
        <translation>Configurar la &amp;rejilla...</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>A&amp;cercar</translation>
    </message>
    <message>
        <source>Ctrl++</source>
        <translation>Ctrl++</translation>
    </message>
    <message>
        <source>Ctrl+=</source>
        <translation>Ctrl+=</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>A&amp;lejar</translation>
    </message>
    <message>
        <source>Ctrl+-</source>
        <translation>Ctrl+-</translation>
    </message>
    <message>
        <source>&amp;Actual Size</source>
        <translation>&amp;Tamaño real</translation>
    </message>
    <message>
        <source>Ctrl+0</source>
        <translation>Ctrl+0</translation>
    </message>
    <message>
        <source>Zoom to &amp;Fit</source>
        <translation>Ajustar a la &amp;ventana</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Herramientas</translation>
    </message>
    <message>
        <source>Logic &amp;History...</source>
        <translation>&amp;Cronograma...</translation>
    </message>
    <message>
        <source>&amp;Template Editor...</source>
        <translation>Editor de pla&amp;ntillas...</translation>
    </message>
    <message>
        <source>Te&amp;st Table...</source>
        <translation>&amp;Tabla de pruebas...</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opciones</translation>
    </message>
    <message>
        <source>&amp;Attach Datasheet...</source>
        <translation>&amp;Adjuntar hoja de datos...</translation>
    </message>
    <message>
        <source>&amp;Name Macro...</source>
        <translation>&amp;Nombrar macro...</translation>
    </message>
    <message>
        <source>&amp;Set Datasheet Path...</source>
        <translation>&amp;Ruta de las hojas de datos...</translation>
    </message>
    <message>
        <source>&amp;Preferences...</source>
        <translation>&amp;Preferencias...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>&amp;Help Topics...</source>
        <translation>&amp;Temas de ayuda...</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Acerca de...</translation>
    </message>
    <message>
        <source>About Logivane</source>
        <translation>Acerca de Logivane</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Logivane&lt;/h3&gt;&lt;p&gt;Design logic circuits, run them step by step and watch every wire change.&lt;/p&gt;&lt;p&gt;Place gates, flip-flops, sources and displays from the tool bars, wire them with the Wiring Tool, and press Run.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Logivane&lt;/h3&gt;&lt;p&gt;Diseñe circuitos lógicos, ejecútelos paso a paso y observe cómo cambia cada cable.&lt;/p&gt;&lt;p&gt;Coloque puertas, biestables, fuentes y visualizadores desde las barras de herramientas, conéctelos con la herramienta de cableado y pulse Ejecutar.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nuevo</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Cortar</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Pegar</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rehacer</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Devices</source>
        <translation>Componentes</translation>
    </message>
    <message>
        <source>Wiring Tool</source>
        <translation>Herramienta de cableado</translation>
    </message>
    <message>
        <source>Run</source>
        <extracomment>Starts the simulation</extracomment>
        <translation>Ejecutar</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Step Back</source>
        <translation>Retroceder un paso</translation>
    </message>
    <message>
        <source>Step</source>
        <extracomment>Runs the simulation for one clock step</extracomment>
        <translation>Paso</translation>
    </message>
    <message>
        <source>&amp;Half Clock Cycle</source>
        <translation>&amp;Medio ciclo de reloj</translation>
    </message>
    <message>
        <source>&amp;Full Clock Cycle</source>
        <translation>Ciclo de reloj &amp;completo</translation>
    </message>
    <message>
        <source>Object Selector</source>
        <translation>Selector de objetos</translation>
    </message>
    <message>
        <source>Object Interaction</source>
        <translation>Interacción con objetos</translation>
    </message>
    <message>
        <source>Logic Probe</source>
        <translation>Sonda lógica</translation>
    </message>
    <message>
        <source>Parts Centre  </source>
        <translation>Centro de componentes  </translation>
    </message>
    <message>
        <source>Show Parts Centre</source>
        <translation>Mostrar el centro de componentes</translation>
    </message>
    <message>
        <source>Close Macro  </source>
        <translation>Cerrar macro  </translation>
    </message>
    <message>
        <source>Close Macro</source>
        <translation>Cerrar macro</translation>
    </message>
    <message>
        <source>&amp;Examples...</source>
        <translation>&amp;Ejemplos...</translation>
    </message>
</context>
<context>
    <name>TMemoryCommands</name>
    <message>
        <source>Edit Memory</source>
        <translation>Editar memoria</translation>
    </message>
</context>
<context>
    <name>TMemoryMap</name>
    <message>
        <source>This is not a valid Memory Map file.</source>
        <translation>Este no es un archivo de mapa de memoria válido.</translation>
    </message>
    <message>
        <source>This Memory Map file is incomplete.</source>
        <translation>Este archivo de mapa de memoria está incompleto.</translation>
    </message>
</context>
<context>
    <name>TNameMacroDialog</name>
    <message>
        <source>Name Macro</source>
        <translation>Nombrar macro</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texto</translation>
    </message>
    <message>
        <source>Name Macro can be used to display a more meaningful name when the &apos;Macro Name&apos; view option is selected from the parts centre main menu.</source>
        <translation>«Nombrar macro» permite mostrar un nombre más significativo cuando se elige la vista «Nombre de macro» en el menú principal del centro de componentes.</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
</context>
<context>
    <name>TNumberOutDialog</name>
    <message>
        <source>Numeric Output</source>
        <translation>Visualizador numérico</translation>
    </message>
    <message>
        <source>Display Format</source>
        <translation>Formato de visualización</translation>
    </message>
    <message>
        <source>Binary</source>
        <translation>Binario</translation>
    </message>
    <message>
        <source>Hexadecimal</source>
        <translation>Hexadecimal</translation>
    </message>
    <message>
        <source>Decimal</source>
        <translation>Decimal</translation>
    </message>
    <message>
        <source>Two&apos;s complement interpretation</source>
        <translation>Interpretación en complemento a dos</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamaño</translation>
    </message>
    <message>
        <source>Input Lines</source>
        <translation>Líneas de entrada</translation>
    </message>
    <message>
        <source>Example</source>
        <translation>Ejemplo</translation>
    </message>
    <message>
        <source>Suppress leading zero</source>
        <translation>Suprimir ceros a la izquierda</translation>
    </message>
    <message>
        <source>Connection pins at bottom</source>
        <translation>Pines de conexión abajo</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
</context>
<context>
    <name>TPartsForm</name>
    <message>
        <source>Parts Centre</source>
        <translation>Centro de componentes</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>&amp;Filename</source>
        <translation>Nombre de &amp;archivo</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>&amp;Macro Name</source>
        <translation>Nombre de &amp;macro</translation>
    </message>
    <message>
        <source>&amp;Large Icons</source>
        <translation>Iconos &amp;grandes</translation>
    </message>
    <message>
        <source>&amp;Small Icons</source>
        <translation>Iconos &amp;pequeños</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>&amp;Barra de estado</translation>
    </message>
    <message>
        <source>&amp;Help Topics...</source>
        <translation>&amp;Temas de ayuda...</translation>
    </message>
    <message>
        <source>Edit Macro</source>
        <translation>Editar macro</translation>
    </message>
    <message>
        <source>Up One Level</source>
        <translation>Subir un nivel</translation>
    </message>
    <message>
        <source>Backspace</source>
        <translation>Backspace</translation>
    </message>
    <message>
        <source>Parts Centre Root</source>
        <translation>Raíz del centro de componentes</translation>
    </message>
    <message>
        <source>Change Drive</source>
        <translation>Cambiar de unidad</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Eliminar</translation>
    </message>
    <message>
        <source>Del</source>
        <translation>Del</translation>
    </message>
    <message>
        <source>Place in Circuit</source>
        <translation>Colocar en el circuito</translation>
    </message>
    <message>
        <source>&amp;Edit Macro</source>
        <translation>&amp;Editar macro</translation>
    </message>
    <message>
        <source>&amp;View Datasheet...</source>
        <translation>&amp;Ver hoja de datos...</translation>
    </message>
    <message>
        <source>home</source>
        <translation>carpeta personal</translation>
    </message>
</context>
<context>
    <name>TPictureExport</name>
    <message>
        <source>Pictures are written as PNG, SVG or PDF files.</source>
        <translation>Las imágenes se guardan como archivos PNG, SVG o PDF.</translation>
    </message>
    <message>
        <source>The picture could not be written.</source>
        <translation>No se pudo guardar la imagen.</translation>
    </message>
</context>
<context>
    <name>TPreferencesDialog</name>
    <message>
        <source>Preferences</source>
        <translation>Preferencias</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Archivos</translation>
    </message>
    <message>
        <source>Autosave &amp;every</source>
        <translation>&amp;Guardar automáticamente cada</translation>
    </message>
    <message>
        <source>How often a recovery copy of a circuit with unsaved changes is written</source>
        <translation>Con qué frecuencia se escribe una copia de recuperación de un circuito con cambios sin guardar</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Desactivado</translation>
    </message>
    <message>
        <source> seconds</source>
        <translation> segundos</translation>
    </message>
    <message>
        <source>&amp;Reopen last circuit on start-up</source>
        <translation>&amp;Reabrir el último circuito al iniciar</translation>
    </message>
    <message>
        <source>Simulation</source>
        <translation>Simulación</translation>
    </message>
    <message>
        <source>Step &amp;Back remembers</source>
        <translation>Re&amp;troceder un paso recuerda</translation>
    </message>
    <message>
        <source>How many steps Step Back can go back</source>
        <translation>Cuántos pasos puede retroceder «Retroceder un paso»</translation>
    </message>
    <message>
        <source> steps</source>
        <translation> pasos</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Idioma</translation>
    </message>
    <message>
        <source>The language of the menus, windows and messages</source>
        <translation>El idioma de los menús, las ventanas y los mensajes</translation>
    </message>
    <message>
        <source>Menus and windows change at once; some messages change when Logivane starts again.</source>
        <translation>Los menús y las ventanas cambian al momento; algunos mensajes cambian la próxima vez que se inicie Logivane.</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Apariencia</translation>
    </message>
    <message>
        <source>&amp;Theme</source>
        <translation>T&amp;ema</translation>
    </message>
    <message>
        <source>The colours of the windows and the drawing; printouts and pictures stay light</source>
        <translation>Los colores de las ventanas y del dibujo; las impresiones y las imágenes siguen claras</translation>
    </message>
    <message>
        <source>System</source>
        <comment>theme that follows the desktop&apos;s colours</comment>
        <translation>Sistema</translation>
    </message>
    <message>
        <source>Light</source>
        <comment>theme</comment>
        <translation>Claro</translation>
    </message>
    <message>
        <source>Dark</source>
        <comment>theme</comment>
        <translation>Oscuro</translation>
    </message>
</context>
<context>
    <name>TPrintPreview</name>
    <message>
        <source>Logivane - Print Preview</source>
        <translation>Logivane - Vista previa de impresión</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>Vista previa de impresión</translation>
    </message>
    <message>
        <source>Print Set&amp;up...</source>
        <translation>Configurar &amp;página...</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Imprimir</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Ctrl+P</source>
        <translation>Ctrl+P</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>Ctrl+W</source>
        <translation>Ctrl+W</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Centre Image</source>
        <translation>Centrar la imagen</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation>Vertical</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>Horizontal</translation>
    </message>
</context>
<context>
    <name>TRecoveryCommands</name>
    <message>
        <source>1 day</source>
        <translation>1 día</translation>
    </message>
    <message>
        <source>%1 days</source>
        <translation>%1 días</translation>
    </message>
    <message>
        <source>1 hour</source>
        <translation>1 hora</translation>
    </message>
    <message>
        <source>%1 hours</source>
        <translation>%1 horas</translation>
    </message>
    <message>
        <source>1 minute</source>
        <translation>1 minuto</translation>
    </message>
    <message>
        <source>%1 minutes</source>
        <translation>%1 minutos</translation>
    </message>
    <message>
        <source>1 second</source>
        <translation>1 segundo</translation>
    </message>
    <message>
        <source>%1 seconds</source>
        <translation>%1 segundos</translation>
    </message>
    <message>
        <source>never saved</source>
        <translation>nunca guardado</translation>
    </message>
    <message>
        <source>the file is missing</source>
        <translation>falta el archivo</translation>
    </message>
    <message>
        <source>%1 newer than the file</source>
        <translation>%1 más reciente que el archivo</translation>
    </message>
    <message>
        <source>%1 older than the file</source>
        <translation>%1 más antigua que el archivo</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Sin título</translation>
    </message>
    <message>
        <source>Another Logivane has taken the recovery copy of &quot;%1&quot; already.</source>
        <translation>Otra instancia de Logivane ya ha tomado la copia de recuperación de «%1».</translation>
    </message>
</context>
<context>
    <name>TRecoveryDialog</name>
    <message>
        <source>Recover Circuits</source>
        <translation>Recuperar circuitos</translation>
    </message>
    <message>
        <source>Logivane stopped before these circuits were saved. Their unsaved work was copied for recovery.</source>
        <translation>Logivane se cerró antes de guardar estos circuitos. El trabajo sin guardar se copió para poder recuperarlo.</translation>
    </message>
    <message>
        <source>Circuit</source>
        <translation>Circuito</translation>
    </message>
    <message>
        <source>Copied</source>
        <translation>Copiado</translation>
    </message>
    <message>
        <source>Compared with the file</source>
        <translation>Comparado con el archivo</translation>
    </message>
    <message>
        <source>&amp;Recover</source>
        <translation>&amp;Recuperar</translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation>&amp;Descartar</translation>
    </message>
    <message>
        <source>&amp;Later</source>
        <translation>Más &amp;tarde</translation>
    </message>
</context>
<context>
    <name>TRecoveryFolder</name>
    <message>
        <source>cannot create the folder</source>
        <translation>no se puede crear la carpeta</translation>
    </message>
    <message>
        <source>Its side file is damaged.</source>
        <translation>Su archivo auxiliar está dañado.</translation>
    </message>
    <message>
        <source>Its side file is missing.</source>
        <translation>Falta su archivo auxiliar.</translation>
    </message>
    <message>
        <source>The copy is missing.</source>
        <translation>Falta la copia.</translation>
    </message>
</context>
<context>
    <name>TRenameDialog</name>
    <message>
        <source>Edit Text</source>
        <translation>Editar texto</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texto</translation>
    </message>
    <message>
        <source>Overbar</source>
        <translation>Barra superior</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
</context>
<context>
    <name>TRunCommands</name>
    <message>
        <source>Stopped: press Run (F9) or Step Circuit (F12) to see the effect</source>
        <translation>Detenido: pulse Ejecutar (F9) o Avanzar un paso (F12) para ver el efecto</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Detenido</translation>
    </message>
    <message>
        <source>Paused · cycle %1</source>
        <translation>En pausa · ciclo %1</translation>
    </message>
    <message>
        <source>Running · cycle %1</source>
        <translation>En ejecución · ciclo %1</translation>
    </message>
</context>
<context>
    <name>TRunControl</name>
    <message>
        <source>Bus contention, process halted</source>
        <translation>Conflicto de bus, simulación detenida</translation>
    </message>
    <message>
        <source>Bus contention at higher level</source>
        <translation>Conflicto de bus en un nivel superior</translation>
    </message>
    <message>
        <source>Race condition, process halted</source>
        <translation>Condición de carrera, simulación detenida</translation>
    </message>
    <message>
        <source>Race condition at higher level</source>
        <translation>Condición de carrera en un nivel superior</translation>
    </message>
</context>
<context>
    <name>TTemplateForm</name>
    <message>
        <source>Template Editor</source>
        <translation>Editor de plantillas</translation>
    </message>
</context>
<context>
    <name>TTestTable</name>
    <message>
        <source>expected &apos;)&apos;</source>
        <translation>se esperaba &apos;)&apos;</translation>
    </message>
    <message>
        <source>expected one of %1, 0, 1, &apos;~&apos; or &apos;(&apos; in the expression</source>
        <translation>se esperaba %1, 0, 1, &apos;~&apos; o &apos;(&apos; en la expresión</translation>
    </message>
    <message>
        <source>expected the header: input names, &apos;|&apos;, output names</source>
        <translation>se esperaba la cabecera: nombres de entradas, &apos;|&apos;, nombres de salidas</translation>
    </message>
    <message>
        <source>expected a row after the header</source>
        <translation>se esperaba una fila después de la cabecera</translation>
    </message>
    <message>
        <source>expected one &apos;|&apos; in the header</source>
        <translation>se esperaba un solo &apos;|&apos; en la cabecera</translation>
    </message>
    <message>
        <source>expected an output name after &apos;|&apos;</source>
        <translation>se esperaba un nombre de salida después de &apos;|&apos;</translation>
    </message>
    <message>
        <source>&apos;%1&apos; appears twice in the header</source>
        <translation>&apos;%1&apos; aparece dos veces en la cabecera</translation>
    </message>
    <message>
        <source>expected an indented block of rows after &apos;repeat&apos;</source>
        <translation>se esperaba un bloque de filas sangrado después de &apos;repeat&apos;</translation>
    </message>
    <message>
        <source>expected a whole number from 1 to %1 after &apos;%2&apos;</source>
        <translation>se esperaba un número entero de 1 a %1 después de &apos;%2&apos;</translation>
    </message>
    <message>
        <source>expected nothing more after &apos;%1 %2&apos;</source>
        <translation>no se esperaba nada más después de &apos;%1 %2&apos;</translation>
    </message>
    <message>
        <source>expected at most %1 rows in all</source>
        <translation>se esperaban como máximo %1 filas en total</translation>
    </message>
    <message>
        <source>expected &apos;|&apos; between the inputs and the outputs</source>
        <translation>se esperaba &apos;|&apos; entre las entradas y las salidas</translation>
    </message>
    <message>
        <source>expected one &apos;|&apos; in a row</source>
        <translation>se esperaba un solo &apos;|&apos; por fila</translation>
    </message>
    <message>
        <source>expected &apos;(&apos; after &apos;bits&apos;</source>
        <translation>se esperaba &apos;(&apos; después de &apos;bits&apos;</translation>
    </message>
    <message>
        <source>expected an input name of the header or &apos;)&apos;</source>
        <translation>se esperaba un nombre de entrada de la cabecera o &apos;)&apos;</translation>
    </message>
    <message>
        <source>&apos;%1&apos; appears twice in bits(...)</source>
        <translation>&apos;%1&apos; aparece dos veces en bits(...)</translation>
    </message>
    <message>
        <source>expected at most %1 names in bits(...)</source>
        <translation>se esperaban como máximo %1 nombres en bits(...)</translation>
    </message>
    <message>
        <source>expected an input name of the header</source>
        <translation>se esperaba un nombre de entrada de la cabecera</translation>
    </message>
    <message>
        <source>expected &apos;|&apos; after bits(...)</source>
        <translation>se esperaba &apos;|&apos; después de bits(...)</translation>
    </message>
    <message>
        <source>expected %1 output values after &apos;|&apos;, found more</source>
        <translation>se esperaban %1 valores de salida después de &apos;|&apos;, hay más</translation>
    </message>
    <message>
        <source>expected 0, 1, X or C for input &apos;%1&apos;</source>
        <translation>se esperaba 0, 1, X o C para la entrada &apos;%1&apos;</translation>
    </message>
    <message>
        <source>expected a number below 2^32 for output &apos;%1&apos;</source>
        <translation>se esperaba un número menor que 2^32 para la salida &apos;%1&apos;</translation>
    </message>
    <message>
        <source>expected 0, 1, X or a number for output &apos;%1&apos;; C pulses inputs only</source>
        <translation>se esperaba 0, 1, X o un número para la salida &apos;%1&apos;; C solo pulsa entradas</translation>
    </message>
    <message>
        <source>expected 0, 1, X or a number for output &apos;%1&apos;</source>
        <translation>se esperaba 0, 1, X o un número para la salida &apos;%1&apos;</translation>
    </message>
    <message>
        <source>expected %1 output values after &apos;|&apos;, found %2</source>
        <translation>se esperaban %1 valores de salida después de &apos;|&apos;, hay %2</translation>
    </message>
    <message>
        <source>expected %1 input values before &apos;|&apos;, found %2</source>
        <translation>se esperaban %1 valores de entrada antes de &apos;|&apos;, hay %2</translation>
    </message>
    <message>
        <source>input tag</source>
        <translation>etiqueta de entrada</translation>
    </message>
    <message>
        <source>output tag</source>
        <translation>etiqueta de salida</translation>
    </message>
    <message>
        <source>bidirectional tag</source>
        <translation>etiqueta bidireccional</translation>
    </message>
    <message>
        <source>tag without a direction</source>
        <translation>etiqueta sin dirección</translation>
    </message>
    <message>
        <source>&apos;%1&apos; names %2 devices</source>
        <translation>&apos;%1&apos; designa %2 componentes</translation>
    </message>
    <message>
        <source>&apos;%1&apos; names the %2; expected %3, or %4</source>
        <translation>&apos;%1&apos; designa: %2; se esperaba %3 o %4</translation>
    </message>
    <message>
        <source>&apos;%1&apos; names no device at the top level; expected the label of %2, or tagN</source>
        <translation>&apos;%1&apos; no designa ningún componente del nivel superior; se esperaba la etiqueta de %2, o tagN</translation>
    </message>
    <message>
        <source>expected 0, 1 or X for &apos;%1&apos;, which shows one bit</source>
        <translation>se esperaba 0, 1 o X para &apos;%1&apos;, que muestra un solo bit</translation>
    </message>
    <message>
        <source>%1 does not fit the %2-bit display &apos;%3&apos; (0 to %4)</source>
        <translation>%1 no cabe en el visualizador de %2 bits &apos;%3&apos; (0 a %4)</translation>
    </message>
    <message>
        <source>an interactive input, a switch or a push button</source>
        <translation>una entrada interactiva, un interruptor o un pulsador</translation>
    </message>
    <message>
        <source>an input tag</source>
        <translation>una etiqueta de entrada</translation>
    </message>
    <message>
        <source>an LED or a numeric display</source>
        <translation>un LED o un visualizador numérico</translation>
    </message>
    <message>
        <source>an output tag</source>
        <translation>una etiqueta de salida</translation>
    </message>
    <message>
        <source>Unable to read the test table &apos;%1&apos;: %2</source>
        <translation>No se puede leer la tabla de pruebas &apos;%1&apos;: %2</translation>
    </message>
    <message>
        <source>The test table &apos;%1&apos; is not UTF-8 text.</source>
        <translation>La tabla de pruebas &apos;%1&apos; no es texto UTF-8.</translation>
    </message>
</context>
<context>
    <name>TTestTableCommands</name>
    <message>
        <source>The test table &quot;%1&quot; could not be written.
%2</source>
        <translation>No se pudo guardar la tabla de pruebas «%1».
%2</translation>
    </message>
    <message>
        <source>The test table has changed, save it beside the circuit?</source>
        <translation>La tabla de pruebas ha cambiado. ¿Guardarla junto al circuito?</translation>
    </message>
</context>
<context>
    <name>TTestTableWindow</name>
    <message>
        <source>Test Table</source>
        <translation>Tabla de pruebas</translation>
    </message>
    <message>
        <source>&amp;Table:</source>
        <translation>&amp;Tabla:</translation>
    </message>
    <message>
        <source>&amp;Errors:</source>
        <translation>&amp;Errores:</translation>
    </message>
    <message>
        <source>Click an error to go to its place in the table</source>
        <translation>Haga clic en un error para ir a su lugar en la tabla</translation>
    </message>
    <message>
        <source>Ro&amp;ws:</source>
        <translation>&amp;Filas:</translation>
    </message>
    <message>
        <source>&amp;Run Tests</source>
        <translation>Ejecutar &amp;pruebas</translation>
    </message>
    <message>
        <source>Run every row on a copy of the circuit (F8)</source>
        <translation>Ejecutar cada fila en una copia del circuito (F8)</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>F8</source>
        <translation>F8</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>&amp;Help Topics...</source>
        <translation>&amp;Temas de ayuda...</translation>
    </message>
</context>
<context>
    <name>logivane::TAnalyserForm</name>
    <message>
        <source>Value Change Dump (*.vcd)</source>
        <translation>Value Change Dump (*.vcd)</translation>
    </message>
    <message>
        <source>Comma-Separated Values (*.csv)</source>
        <translation>Valores separados por comas (*.csv)</translation>
    </message>
    <message>
        <source>WaveDrom Files (*.json)</source>
        <translation>Archivos WaveDrom (*.json)</translation>
    </message>
    <message>
        <source>Export Logic History</source>
        <translation>Exportar el cronograma</translation>
    </message>
    <message>
        <source>Cycle Length </source>
        <translation>Longitud del ciclo </translation>
    </message>
    <message>
        <source>Clock Cycle Range</source>
        <translation>Intervalo de ciclos de reloj</translation>
    </message>
    <message>
        <source>Cycle %1 completed</source>
        <translation>Ciclo %1 completado</translation>
    </message>
    <message>
        <source>There are no recorded samples to export. Run or step the circuit first.</source>
        <translation>No hay muestras registradas para exportar. Ejecute el circuito o avance paso a paso primero.</translation>
    </message>
    <message>
        <source>The Logic History could not be written to %1:
%2</source>
        <translation>No se pudo guardar el cronograma en %1:
%2</translation>
    </message>
</context>
<context>
    <name>logivane::TAutosave</name>
    <message>
        <source>Your unsaved work could not be copied for recovery: %1</source>
        <translation>No se pudo copiar su trabajo sin guardar para recuperarlo: %1</translation>
    </message>
</context>
<context>
    <name>logivane::TCircuitDocument</name>
    <message>
        <source>Insert Macro</source>
        <translation>Insertar macro</translation>
    </message>
</context>
<context>
    <name>logivane::TEditContentsDialog</name>
    <message>
        <source>Memory Files (*.map)</source>
        <translation>Archivos de memoria (*.map)</translation>
    </message>
    <message>
        <source>Open Memory Map</source>
        <translation>Abrir mapa de memoria</translation>
    </message>
    <message>
        <source>Save Memory Map</source>
        <translation>Guardar mapa de memoria</translation>
    </message>
    <message>
        <source>This is not a valid Memory Map file.</source>
        <translation>Este no es un archivo de mapa de memoria válido.</translation>
    </message>
    <message>
        <source>This Memory Map file holds fewer words than it says. The memory was left as it was.</source>
        <translation>Este archivo de mapa de memoria contiene menos palabras de las que indica. La memoria no se ha modificado.</translation>
    </message>
    <message>
        <source>The Memory Map file could not be read: %1</source>
        <translation>No se pudo leer el archivo de mapa de memoria: %1</translation>
    </message>
    <message>
        <source>Clear all memory contents?</source>
        <translation>¿Borrar todo el contenido de la memoria?</translation>
    </message>
    <message>
        <source>The Memory Map file could not be saved: %1</source>
        <translation>No se pudo guardar el archivo de mapa de memoria: %1</translation>
    </message>
    <message>
        <source>Intel HEX Files (*.hex *.ihx)</source>
        <translation>Archivos Intel HEX (*.hex *.ihx)</translation>
    </message>
    <message>
        <source>Binary Files (*.bin)</source>
        <translation>Archivos binarios (*.bin)</translation>
    </message>
    <message>
        <source>All Memory Files (*.map *.hex *.ihx *.bin)</source>
        <translation>Todos los archivos de memoria (*.map *.hex *.ihx *.bin)</translation>
    </message>
    <message>
        <source>%1
The memory was left as it was.</source>
        <translation>%1
La memoria no se ha modificado.</translation>
    </message>
</context>
<context>
    <name>logivane::TEditHistory</name>
    <message>
        <source>Edit</source>
        <extracomment>A change of the circuit, named in Undo</extracomment>
        <translation>Edición</translation>
    </message>
</context>
<context>
    <name>logivane::TEditTextDialog</name>
    <message>
        <source>Text - %1 points</source>
        <translation>Texto - %1 puntos</translation>
    </message>
</context>
<context>
    <name>logivane::THelpWindow</name>
    <message>
        <source>Logivane Help</source>
        <translation>Ayuda de Logivane</translation>
    </message>
    <message>
        <source>Navigation</source>
        <translation>Navegación</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Atrás</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>A&amp;delante</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Contenido</translation>
    </message>
    <message>
        <source>Unable to open the help file &quot;%1&quot;.</source>
        <translation>No se puede abrir el archivo de ayuda «%1».</translation>
    </message>
    <message>
        <source>The help topic &quot;%1&quot; is not in the help file &quot;%2&quot;.</source>
        <translation>El tema de ayuda «%1» no está en el archivo de ayuda «%2».</translation>
    </message>
    <message>
        <source>(contents)</source>
        <translation>(contenido)</translation>
    </message>
</context>
<context>
    <name>logivane::TLogivaneDrawing</name>
    <message>
        <source>Unable to copy object to clipboard.</source>
        <translation>No se puede copiar el objeto al portapapeles.</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Cortar</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Pegar</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>Colocar</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Mover</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>Girar</translation>
    </message>
    <message>
        <source>Resize</source>
        <translation>Cambiar tamaño</translation>
    </message>
    <message>
        <source>Move Vertex</source>
        <translation>Mover vértice</translation>
    </message>
    <message>
        <source>Draw</source>
        <translation>Dibujar</translation>
    </message>
    <message>
        <source>Interaction</source>
        <extracomment>The change made by clicking a switch or input, named in Undo</extracomment>
        <translation>Interacción</translation>
    </message>
    <message>
        <source>Unable to connect two outputs</source>
        <translation>No se pueden conectar dos salidas</translation>
    </message>
    <message>
        <source>Wire</source>
        <translation>Cablear</translation>
    </message>
</context>
<context>
    <name>logivane::TMainForm</name>
    <message>
        <source>Annotation</source>
        <translation>Anotación</translation>
    </message>
    <message>
        <source>Use the left mouse button to finish wiring</source>
        <translation>Use el botón izquierdo del ratón para terminar el cableado</translation>
    </message>
    <message>
        <source>Use the left mouse button to begin wiring</source>
        <translation>Use el botón izquierdo del ratón para empezar el cableado</translation>
    </message>
    <message>
        <source> - pin %1 available.</source>
        <translation> - pin %1 disponible.</translation>
    </message>
    <message>
        <source>Use the left mouse button to change device state</source>
        <translation>Use el botón izquierdo del ratón para cambiar el estado del componente</translation>
    </message>
    <message>
        <source>Are you sure you want to delete this object?</source>
        <translation>¿Seguro que desea eliminar este objeto?</translation>
    </message>
    <message>
        <source>Are you sure you want to delete all of the selected objects?</source>
        <translation>¿Seguro que desea eliminar todos los objetos seleccionados?</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Sin título</translation>
    </message>
    <message>
        <source>Circuit has changed, save current circuit?</source>
        <translation>El circuito ha cambiado. ¿Guardar el circuito actual?</translation>
    </message>
    <message>
        <source>This action will save to file the circuit at its current level, not its root level.  Do you want to proceed?</source>
        <translation>Esta acción guardará en el archivo el circuito del nivel actual, no el del nivel principal. ¿Desea continuar?</translation>
    </message>
    <message>
        <source>&quot;%1&quot; comes with Logivane and stays as it was shipped, so that the next user finds it unchanged. Save your circuit under a name of your own.</source>
        <translation>«%1» viene con Logivane y se mantiene tal como se entregó, para que el siguiente usuario lo encuentre sin cambios. Guarde su circuito con un nombre propio.</translation>
    </message>
    <message>
        <source>Datasheet available</source>
        <translation>Hoja de datos disponible</translation>
    </message>
    <message>
        <source>There is nothing to picture.</source>
        <translation>No hay nada que representar.</translation>
    </message>
    <message>
        <source>Unable to write the picture %1.</source>
        <translation>No se puede guardar la imagen %1.</translation>
    </message>
    <message>
        <source>Macro Files (*.lvm)</source>
        <translation>Archivos de macro (*.lvm)</translation>
    </message>
    <message>
        <source>Open Circuit</source>
        <translation>Abrir circuito</translation>
    </message>
    <message>
        <source>Save Circuit</source>
        <translation>Guardar circuito</translation>
    </message>
    <message>
        <source>Export Picture</source>
        <translation>Exportar imagen</translation>
    </message>
    <message>
        <source>PNG Images (*.png);;SVG Drawings (*.svg);;PDF Documents (*.pdf)</source>
        <translation>Imágenes PNG (*.png);;Dibujos SVG (*.svg);;Documentos PDF (*.pdf)</translation>
    </message>
</context>
<context>
    <name>logivane::TMemoryContentsModel</name>
    <message>
        <source>Address</source>
        <translation>Dirección</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Contenido</translation>
    </message>
</context>
<context>
    <name>logivane::TPartsForm</name>
    <message>
        <source>Are you sure you want to delete this macro?</source>
        <translation>¿Seguro que desea eliminar esta macro?</translation>
    </message>
    <message>
        <source>The macro could not be deleted.</source>
        <translation>No se pudo eliminar la macro.</translation>
    </message>
</context>
<context>
    <name>logivane::TPreferencesDialog</name>
    <message>
        <source>System default</source>
        <translation>Idioma del sistema</translation>
    </message>
</context>
<context>
    <name>logivane::TPrintPreview</name>
    <message>
        <source>The circuit could not be printed. Check that the printer is switched on and ready, then try again.</source>
        <translation>No se pudo imprimir el circuito. Compruebe que la impresora está encendida y preparada, y vuelva a intentarlo.</translation>
    </message>
</context>
<context>
    <name>logivane::TRecoveryDialog</name>
    <message>
        <source>These copies cannot be read and can only be discarded: %1</source>
        <translation>Estas copias no se pueden leer y solo se pueden descartar: %1</translation>
    </message>
</context>
<context>
    <name>logivane::TTemplateForm</name>
    <message>
        <source>Template Files (*.lvt)</source>
        <translation>Archivos de plantilla (*.lvt)</translation>
    </message>
    <message>
        <source>Open Template</source>
        <translation>Abrir plantilla</translation>
    </message>
    <message>
        <source>Save Template</source>
        <translation>Guardar plantilla</translation>
    </message>
    <message>
        <source>Template has changed, save current drawing?</source>
        <translation>La plantilla ha cambiado. ¿Guardar el dibujo actual?</translation>
    </message>
    <message>
        <source>Double click mouse to terminate polygon</source>
        <translation>Haga doble clic para terminar el polígono</translation>
    </message>
    <message>
        <source>Double click mouse to terminate polyline</source>
        <translation>Haga doble clic para terminar la polilínea</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nuevo</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Abrir...</translation>
    </message>
    <message>
        <source>&amp;Save...</source>
        <translation>&amp;Guardar...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Cor&amp;tar</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Pegar</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Eliminar</translation>
    </message>
    <message>
        <source>&amp;Select All</source>
        <translation>Seleccionar t&amp;odo</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>&amp;Show Grid</source>
        <translation>&amp;Mostrar la rejilla</translation>
    </message>
    <message>
        <source>S&amp;nap To Grid</source>
        <translation>&amp;Ajustar a la rejilla</translation>
    </message>
    <message>
        <source>&amp;Grid Setup...</source>
        <translation>Configurar la &amp;rejilla...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>&amp;Help Topics...</source>
        <translation>&amp;Temas de ayuda...</translation>
    </message>
    <message>
        <source>Object Selector</source>
        <translation>Selector de objetos</translation>
    </message>
    <message>
        <source>Pin</source>
        <translation>Pin</translation>
    </message>
    <message>
        <source>Circle</source>
        <translation>Círculo</translation>
    </message>
    <message>
        <source>Annotation</source>
        <translation>Anotación</translation>
    </message>
    <message>
        <source>Polygon</source>
        <translation>Polígono</translation>
    </message>
    <message>
        <source>Polyline</source>
        <translation>Polilínea</translation>
    </message>
    <message>
        <source>Toggle Display Pins</source>
        <translation>Mostrar/ocultar pines</translation>
    </message>
    <message>
        <source>&amp;Edit Annotation...</source>
        <translation>Editar la &amp;anotación...</translation>
    </message>
    <message>
        <source>&amp;Associate With Tag</source>
        <translation>&amp;Asociar con etiqueta</translation>
    </message>
    <message>
        <source>&amp;Pen Colour...</source>
        <translation>Color de &amp;línea...</translation>
    </message>
    <message>
        <source>&amp;Brush Colour...</source>
        <translation>Color de &amp;relleno...</translation>
    </message>
    <message>
        <source>&amp;Edit Points</source>
        <translation>&amp;Editar puntos</translation>
    </message>
    <message>
        <source>&amp;Bring To Front</source>
        <translation>&amp;Traer al frente</translation>
    </message>
    <message>
        <source>&amp;Send To Back</source>
        <translation>&amp;Enviar al fondo</translation>
    </message>
    <message>
        <source>Pin %1 Selected</source>
        <translation>Pin %1 seleccionado</translation>
    </message>
    <message>
        <source>Are you sure you want to delete all of the selected objects?</source>
        <translation>¿Seguro que desea eliminar todos los objetos seleccionados?</translation>
    </message>
    <message>
        <source>Are you sure you want to delete this object?</source>
        <translation>¿Seguro que desea eliminar este objeto?</translation>
    </message>
</context>
<context>
    <name>logivane::TTestTableGrid</name>
    <message>
        <source>Line</source>
        <translation>Línea</translation>
    </message>
    <message>
        <source>expected %1, got %2</source>
        <translation>se esperaba %1, se obtuvo %2</translation>
    </message>
</context>
<context>
    <name>logivane::TTestTableWindow</name>
    <message>
        <source>The table has errors: no row was run</source>
        <translation>La tabla tiene errores: no se ejecutó ninguna fila</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>línea %1: %2</translation>
    </message>
</context>
<context>
    <name>logivane::TUndoCommands</name>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Deshacer %1</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Rehacer %1</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rehacer</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>Deshacer %1</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>Rehacer %1</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rehacer</translation>
    </message>
</context>
</TS>
