<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>ControlLabels</name>
    <message>
        <source>More tool buttons</source>
        <translation>Weitere Werkzeugschaltflächen</translation>
    </message>
    <message>
        <source>More menus</source>
        <translation>Weitere Menüs</translation>
    </message>
</context>
<context>
    <name>Datasheets</name>
    <message>
        <source>Unable to open datasheet.</source>
        <translation>Datenblatt kann nicht geöffnet werden.</translation>
    </message>
</context>
<context>
    <name>TAnalyserForm</name>
    <message>
        <source>Logic History</source>
        <translation>Signalverlauf</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Starten</translation>
    </message>
    <message>
        <source>&amp;Export...</source>
        <translation>&amp;Exportieren...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>Sch&amp;ließen</translation>
    </message>
    <message>
        <source>&amp;Highlight When Clock High</source>
        <translation>&amp;Hervorheben, wenn Takt auf High</translation>
    </message>
    <message>
        <source>Show &amp;Bus Values</source>
        <translation>&amp;Buswerte anzeigen</translation>
    </message>
    <message>
        <source>&amp;Help Topics...</source>
        <translation>&amp;Hilfethemen...</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stoppen</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Step Back</source>
        <translation>Schritt zurück</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>Schritt</translation>
    </message>
    <message>
        <source>Toggle Display Mode</source>
        <translation>Anzeigemodus umschalten</translation>
    </message>
</context>
<context>
    <name>TAssociateHelpDialog</name>
    <message>
        <source>Attach Datasheet</source>
        <translation>Datenblatt anhängen</translation>
    </message>
    <message>
        <source>Datasheet Source:</source>
        <translation>Quelle des Datenblatts:</translation>
    </message>
    <message>
        <source>Windows Help File</source>
        <translation>Windows-Hilfedatei</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Context ID:</source>
        <translation>Kontext-ID:</translation>
    </message>
    <message>
        <source>Web Page</source>
        <translation>Webseite</translation>
    </message>
    <message>
        <source>URL:</source>
        <translation>URL:</translation>
    </message>
    <message>
        <source>Application Document</source>
        <translation>Anwendungsdokument</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
</context>
<context>
    <name>TChangeMemoryDialog</name>
    <message>
        <source>Select Memory Device</source>
        <translation>Speicherbaustein wählen</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Typ</translation>
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
        <translation>Größe</translation>
    </message>
    <message>
        <source>Address Lines</source>
        <translation>Adressleitungen</translation>
    </message>
    <message>
        <source>Data Lines</source>
        <translation>Datenleitungen</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>Example</source>
        <translation>Beispiel</translation>
    </message>
</context>
<context>
    <name>TCircuitFile</name>
    <message>
        <source>You need a later version of Logivane to read this file.</source>
        <translation>Sie benötigen eine neuere Version von Logivane, um diese Datei zu lesen.</translation>
    </message>
    <message>
        <source>This is not a valid Logivane file.</source>
        <translation>Dies ist keine gültige Logivane-Datei.</translation>
    </message>
    <message>
        <source>An error has occurred trying to read this Logivane file.</source>
        <translation>Beim Lesen dieser Logivane-Datei ist ein Fehler aufgetreten.</translation>
    </message>
    <message>
        <source>Unable to locate the Logivane file &apos;%1&apos;</source>
        <translation>Die Logivane-Datei &apos;%1&apos; wurde nicht gefunden</translation>
    </message>
</context>
<context>
    <name>TCircuitFileCommands</name>
    <message>
        <source>An error has occurred trying to write this Logivane file.</source>
        <translation>Beim Schreiben dieser Logivane-Datei ist ein Fehler aufgetreten.</translation>
    </message>
    <message>
        <source>Reading %1, please wait...</source>
        <translation>%1 wird gelesen, bitte warten...</translation>
    </message>
</context>
<context>
    <name>TDatasheetPathDialog</name>
    <message>
        <source>Datasheet Path</source>
        <translation>Datenblattpfad</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Pfad</translation>
    </message>
    <message>
        <source>The default Logivane path is searched first in an attempt to locate a datasheet.  If the search fails, the above search path is used.</source>
        <translation>Zuerst wird der Standardpfad von Logivane nach einem Datenblatt durchsucht. Wird dort keines gefunden, wird der obige Suchpfad verwendet.</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
</context>
<context>
    <name>TDeviceMenu</name>
    <message>
        <source>&amp;Red</source>
        <translation>&amp;Rot</translation>
    </message>
    <message>
        <source>&amp;Green</source>
        <translation>&amp;Grün</translation>
    </message>
    <message>
        <source>&amp;Yellow</source>
        <translation>G&amp;elb</translation>
    </message>
    <message>
        <source>&amp;Blue</source>
        <translation>&amp;Blau</translation>
    </message>
    <message>
        <source>&amp;White</source>
        <translation>&amp;Weiß</translation>
    </message>
    <message>
        <source>&amp;Left</source>
        <translation>&amp;Links</translation>
    </message>
    <message>
        <source>&amp;Right</source>
        <translation>&amp;Rechts</translation>
    </message>
    <message>
        <source>&amp;Top</source>
        <translation>&amp;Oben</translation>
    </message>
    <message>
        <source>&amp;Bottom</source>
        <translation>&amp;Unten</translation>
    </message>
    <message>
        <source>&amp;Cut</source>
        <translation>&amp;Ausschneiden</translation>
    </message>
    <message>
        <source>C&amp;opy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Einfügen</translation>
    </message>
    <message>
        <source>&amp;Inputs</source>
        <translation>Ein&amp;gänge</translation>
    </message>
    <message>
        <source>&amp;2 - Two</source>
        <translation>&amp;2 - Zwei</translation>
    </message>
    <message>
        <source>&amp;3 - Three</source>
        <translation>&amp;3 - Drei</translation>
    </message>
    <message>
        <source>&amp;4 - Four</source>
        <translation>&amp;4 - Vier</translation>
    </message>
    <message>
        <source>Edit &amp;Memory Contents...</source>
        <translation>Speicher&amp;inhalt bearbeiten...</translation>
    </message>
    <message>
        <source>&amp;Edit Annotation...</source>
        <translation>Beschriftung &amp;bearbeiten...</translation>
    </message>
    <message>
        <source>&amp;Name Macro</source>
        <translation>Makro be&amp;nennen</translation>
    </message>
    <message>
        <source>&amp;Edit Sequence...</source>
        <translation>&amp;Folge bearbeiten...</translation>
    </message>
    <message>
        <source>&amp;Edit Macro...</source>
        <translation>Makro &amp;bearbeiten...</translation>
    </message>
    <message>
        <source>&amp;View Datasheet...</source>
        <translation>&amp;Datenblatt anzeigen...</translation>
    </message>
    <message>
        <source>C&amp;hange Color</source>
        <translation>&amp;Farbe ändern</translation>
    </message>
    <message>
        <source>&amp;Custom...</source>
        <translation>&amp;Benutzerdefiniert...</translation>
    </message>
    <message>
        <source>&amp;Set Switch Type...</source>
        <translation>Schaltert&amp;yp festlegen...</translation>
    </message>
    <message>
        <source>&amp;Text...</source>
        <translation>&amp;Text...</translation>
    </message>
    <message>
        <source>Text &amp;Style</source>
        <translation>Text&amp;stil</translation>
    </message>
    <message>
        <source>C&amp;ommon</source>
        <translation>Ge&amp;meinsame</translation>
    </message>
    <message>
        <source>&amp;Cathode</source>
        <translation>&amp;Kathode</translation>
    </message>
    <message>
        <source>&amp;Anode</source>
        <translation>&amp;Anode</translation>
    </message>
    <message>
        <source>Properties...</source>
        <translation>Eigenschaften...</translation>
    </message>
    <message>
        <source>Add to Logic &amp;History</source>
        <translation>Zum Signalverlauf &amp;hinzufügen</translation>
    </message>
    <message>
        <source>Pulse &amp;Input</source>
        <translation>&amp;Impuls am Eingang</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>&amp;Template Editor...</source>
        <translation>&amp;Vorlageneditor...</translation>
    </message>
    <message>
        <source>T&amp;ag Text Style</source>
        <translation>Stil des M&amp;arkentexts</translation>
    </message>
    <message>
        <source>Inputs</source>
        <translation>Eingänge</translation>
    </message>
</context>
<context>
    <name>TEditContentsDialog</name>
    <message>
        <source>Memory Contents</source>
        <translation>Speicherinhalt</translation>
    </message>
    <message>
        <source>Binary</source>
        <translation>Binär</translation>
    </message>
    <message>
        <source>Hexadecimal</source>
        <translation>Hexadezimal</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>C&amp;lear Memory</source>
        <translation>Speicher l&amp;eeren</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>Ö&amp;ffnen...</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Ctrl+O</source>
        <translation>Ctrl+O</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Ctrl+S</source>
        <translation>Ctrl+S</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>Sch&amp;ließen</translation>
    </message>
    <message>
        <source>&amp;Help Topics...</source>
        <translation>&amp;Hilfethemen...</translation>
    </message>
</context>
<context>
    <name>TEditSequenceDialog</name>
    <message>
        <source>Edit Sequence</source>
        <translation>Folge bearbeiten</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Leeren</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Modus</translation>
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
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
</context>
<context>
    <name>TEditSwitchDialog</name>
    <message>
        <source>Edit Switch Type</source>
        <translation>Schaltertyp bearbeiten</translation>
    </message>
    <message>
        <source>Types</source>
        <translation>Typen</translation>
    </message>
    <message>
        <source>Toggle</source>
        <translation>Umschalter (rastend)</translation>
    </message>
    <message>
        <source>Push To Make</source>
        <translation>Taster (Schließer)</translation>
    </message>
    <message>
        <source>Push To Break</source>
        <translation>Taster (Öffner)</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Testen</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
</context>
<context>
    <name>TEditTextDialog</name>
    <message>
        <source>Edit Text</source>
        <translation>Text bearbeiten</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Change Text Size</source>
        <translation>Textgröße ändern</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Schriftart</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Kursiv</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Fett</translation>
    </message>
    <message>
        <source>Overbar</source>
        <translation>Überstrich</translation>
    </message>
    <message>
        <source>Clear Text</source>
        <translation>Text löschen</translation>
    </message>
    <message>
        <source>Color...</source>
        <translation>Farbe...</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
</context>
<context>
    <name>TExportPictureDialog</name>
    <message>
        <source>Export Picture</source>
        <translation>Bild exportieren</translation>
    </message>
    <message>
        <source>&amp;Scale</source>
        <translation>&amp;Maßstab</translation>
    </message>
    <message>
        <source> %</source>
        <translation> %</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Hintergrund</translation>
    </message>
    <message>
        <source>&amp;White</source>
        <translation>&amp;Weiß</translation>
    </message>
    <message>
        <source>&amp;Transparent</source>
        <translation>&amp;Transparent</translation>
    </message>
</context>
<context>
    <name>TFileStatusDialog</name>
    <message>
        <source>File Status</source>
        <translation>Dateistatus</translation>
    </message>
</context>
<context>
    <name>TGridSetupDialog</name>
    <message>
        <source>Grid Setup</source>
        <translation>Rastereinstellungen</translation>
    </message>
    <message>
        <source>Snap to grid</source>
        <translation>Am Raster ausrichten</translation>
    </message>
    <message>
        <source>Show grid</source>
        <translation>Raster anzeigen</translation>
    </message>
    <message>
        <source>Rotation Angle</source>
        <translation>Drehwinkel</translation>
    </message>
    <message>
        <source>Grid Frequency:</source>
        <translation>Rasterabstand:</translation>
    </message>
    <message>
        <source>Display Frequency:</source>
        <translation>Anzeigeabstand:</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
</context>
<context>
    <name>TKeyboardEditing</name>
    <message>
        <source>Devices</source>
        <translation>Bauteile</translation>
    </message>
    <message>
        <source>Device Palette</source>
        <translation>Bauteilpalette</translation>
    </message>
    <message>
        <source>Press Insert to choose a device, then Enter to place it at the cross-hair</source>
        <translation>Mit Einfg ein Bauteil wählen, dann mit Eingabe am Fadenkreuz platzieren</translation>
    </message>
    <message>
        <source>Placed: the arrow keys move it, W wires it, Tab selects the next object</source>
        <translation>Platziert: Pfeiltasten verschieben es, W verdrahtet es, Tab wählt das nächste Objekt</translation>
    </message>
    <message>
        <source>Object %1 of %2: the arrow keys move it, W wires it, Escape lets it go</source>
        <translation>Objekt %1 von %2: Pfeiltasten verschieben es, W verdrahtet es, Esc gibt es frei</translation>
    </message>
    <message>
        <source>Select a device with Tab first, then press W to wire it</source>
        <translation>Zuerst mit Tab ein Bauteil wählen, dann mit W verdrahten</translation>
    </message>
    <message>
        <source>Every pin of this device is wired</source>
        <translation>Alle Anschlüsse dieses Bauteils sind verdrahtet</translation>
    </message>
    <message>
        <source>No free pin to wire to: Escape cancels the wire</source>
        <translation>Kein freier Anschluss zum Verdrahten: Esc bricht die Leitung ab</translation>
    </message>
    <message>
        <source>Wiring to pin %1 of %2: Tab or the arrow keys choose another, Enter connects, Escape cancels</source>
        <translation>Verdrahten mit Anschluss %1 von %2: Tab oder Pfeiltasten wählen einen anderen, Eingabe verbindet, Esc bricht ab</translation>
    </message>
    <message>
        <source>Wired: W wires the next free pin</source>
        <translation>Verdrahtet: W verdrahtet den nächsten freien Anschluss</translation>
    </message>
    <message>
        <source>Circuit drawing</source>
        <translation>Schaltplan</translation>
    </message>
</context>
<context>
    <name>TMacroTemplate</name>
    <message>
        <source>This is not a valid Logivane Template file.</source>
        <translation>Dies ist keine gültige Logivane-Vorlagendatei.</translation>
    </message>
    <message>
        <source>An error has occurred trying to read this Logivane file.</source>
        <translation>Beim Lesen dieser Logivane-Datei ist ein Fehler aufgetreten.</translation>
    </message>
    <message>
        <source>An error has occurred trying to write this Logivane file.</source>
        <translation>Beim Schreiben dieser Logivane-Datei ist ein Fehler aufgetreten.</translation>
    </message>
</context>
<context>
    <name>TMainMenus</name>
    <message>
        <source>OR Gate</source>
        <translation>ODER-Gatter</translation>
    </message>
    <message>
        <source>NOR Gate</source>
        <translation>NOR-Gatter</translation>
    </message>
    <message>
        <source>XOR Gate</source>
        <translation>XOR-Gatter</translation>
    </message>
    <message>
        <source>XNOR Gate</source>
        <translation>XNOR-Gatter</translation>
    </message>
    <message>
        <source>NOT Gate</source>
        <translation>NICHT-Gatter</translation>
    </message>
    <message>
        <source>AND Gate</source>
        <translation>UND-Gatter</translation>
    </message>
    <message>
        <source>NAND Gate</source>
        <translation>NAND-Gatter</translation>
    </message>
    <message>
        <source>Tri-State Device</source>
        <translation>Tri-State-Treiber</translation>
    </message>
    <message>
        <source>RS Flip Flop</source>
        <translation>RS-Flipflop</translation>
    </message>
    <message>
        <source>JK Flip Flop</source>
        <translation>JK-Flipflop</translation>
    </message>
    <message>
        <source>D Flip Flop</source>
        <translation>D-Flipflop</translation>
    </message>
    <message>
        <source>Memory Device</source>
        <translation>Speicherbaustein</translation>
    </message>
    <message>
        <source>Switch</source>
        <extracomment>The toggle switch that the user flips, as a device of the circuit</extracomment>
        <translation>Schalter</translation>
    </message>
    <message>
        <source>Tag Device</source>
        <extracomment>A named connector: tags of one name are joined without a wire</extracomment>
        <translation>Verbindungsmarke</translation>
    </message>
    <message>
        <source>Sequence Generator</source>
        <translation>Bitfolgengenerator</translation>
    </message>
    <message>
        <source>Clock</source>
        <extracomment>The device that gives the clock signal, not a time of day</extracomment>
        <translation>Taktgeber</translation>
    </message>
    <message>
        <source>Interactive Input</source>
        <translation>Interaktiver Eingang</translation>
    </message>
    <message>
        <source>Ground</source>
        <extracomment>The source of a constant logic 0 (0 V)</extracomment>
        <translation>Masse</translation>
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
        <translation>7-Segment-Anzeige</translation>
    </message>
    <message>
        <source>Numeric Output</source>
        <translation>Zahlenanzeige</translation>
    </message>
    <message>
        <source>Annotation</source>
        <translation>Beschriftung</translation>
    </message>
    <message>
        <source>1 Hertz</source>
        <translation>1 Hertz</translation>
    </message>
    <message>
        <source>2 Hertz</source>
        <translation>2 Hertz</translation>
    </message>
    <message>
        <source>5 Hertz</source>
        <translation>5 Hertz</translation>
    </message>
    <message>
        <source>10 Hertz</source>
        <translation>10 Hertz</translation>
    </message>
    <message>
        <source>50 Hertz</source>
        <translation>50 Hertz</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;New Circuit</source>
        <translation>&amp;Neue Schaltung</translation>
    </message>
    <message>
        <source>Ctrl+N</source>
        <translation>Ctrl+N</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>Ö&amp;ffnen</translation>
    </message>
    <message>
        <source>Ctrl+O</source>
        <translation>Ctrl+O</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Ctrl+S</source>
        <translation>Ctrl+S</translation>
    </message>
    <message>
        <source>S&amp;ave As...</source>
        <translation>Speichern &amp;unter...</translation>
    </message>
    <message>
        <source>&amp;Reopen</source>
        <translation>&amp;Zuletzt geöffnet</translation>
    </message>
    <message>
        <source>&amp;Export Picture...</source>
        <translation>Bild e&amp;xportieren...</translation>
    </message>
    <message>
        <source>Print Set&amp;up...</source>
        <translation>Druck&amp;einrichtung...</translation>
    </message>
    <message>
        <source>Print Pre&amp;view...</source>
        <translation>Seiten&amp;ansicht...</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Drucken</translation>
    </message>
    <message>
        <source>Ctrl+P</source>
        <translation>Ctrl+P</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>Ctrl+Z</source>
        <translation>Ctrl+Z</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederherstellen</translation>
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
        <translation>&amp;Ausschneiden</translation>
    </message>
    <message>
        <source>Ctrl+X</source>
        <translation>Ctrl+X</translation>
    </message>
    <message>
        <source>C&amp;opy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>Ctrl+C</source>
        <translation>Ctrl+C</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Einfügen</translation>
    </message>
    <message>
        <source>Ctrl+V</source>
        <translation>Ctrl+V</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>&amp;Select All</source>
        <translation>Alles &amp;markieren</translation>
    </message>
    <message>
        <source>Ctrl+A</source>
        <translation>Ctrl+A</translation>
    </message>
    <message>
        <source>&amp;Circuit</source>
        <translation>S&amp;chaltung</translation>
    </message>
    <message>
        <source>&amp;Run</source>
        <translation>&amp;Starten</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>St&amp;oppen</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Pause</translation>
    </message>
    <message>
        <source>S&amp;tep Circuit</source>
        <translation>&amp;Einzelschritt</translation>
    </message>
    <message>
        <source>Step &amp;Back</source>
        <translation>Schritt &amp;zurück</translation>
    </message>
    <message>
        <source>&amp;Clock Speed</source>
        <translation>&amp;Taktfrequenz</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Show Grid</source>
        <translation>&amp;Raster anzeigen</translation>
    </message>
    <message>
        <source>S&amp;nap To Grid</source>
        <translation>Am Raster &amp;ausrichten</translation>
    </message>
    <message>
        <source>&amp;Grid Setup...</source>
        <translation>Raster&amp;einstellungen...</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>Ver&amp;größern</translation>
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
        <translation>Ver&amp;kleinern</translation>
    </message>
    <message>
        <source>Ctrl+-</source>
        <translation>Ctrl+-</translation>
    </message>
    <message>
        <source>&amp;Actual Size</source>
        <translation>&amp;Originalgröße</translation>
    </message>
    <message>
        <source>Ctrl+0</source>
        <translation>Ctrl+0</translation>
    </message>
    <message>
        <source>Zoom to &amp;Fit</source>
        <translation>&amp;In Fenster einpassen</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>E&amp;xtras</translation>
    </message>
    <message>
        <source>Logic &amp;History...</source>
        <translation>Si&amp;gnalverlauf...</translation>
    </message>
    <message>
        <source>&amp;Template Editor...</source>
        <translation>&amp;Vorlageneditor...</translation>
    </message>
    <message>
        <source>Te&amp;st Table...</source>
        <translation>&amp;Testtabelle...</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>&amp;Attach Datasheet...</source>
        <translation>Datenblatt &amp;anhängen...</translation>
    </message>
    <message>
        <source>&amp;Name Macro...</source>
        <translation>Makro &amp;benennen...</translation>
    </message>
    <message>
        <source>&amp;Set Datasheet Path...</source>
        <translation>Datenblatt&amp;pfad festlegen...</translation>
    </message>
    <message>
        <source>&amp;Preferences...</source>
        <translation>&amp;Einstellungen...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Help Topics...</source>
        <translation>&amp;Hilfethemen...</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>Ü&amp;ber...</translation>
    </message>
    <message>
        <source>About Logivane</source>
        <translation>Über Logivane</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Logivane&lt;/h3&gt;&lt;p&gt;Design logic circuits, run them step by step and watch every wire change.&lt;/p&gt;&lt;p&gt;Place gates, flip-flops, sources and displays from the tool bars, wire them with the Wiring Tool, and press Run.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Logivane&lt;/h3&gt;&lt;p&gt;Logikschaltungen entwerfen, Schritt für Schritt simulieren und jede Leitung beim Umschalten beobachten.&lt;/p&gt;&lt;p&gt;Gatter, Flipflops, Quellen und Anzeigen aus den Werkzeugleisten platzieren, mit dem Verdrahtungswerkzeug verbinden und Starten drücken.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Ausschneiden</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Devices</source>
        <translation>Bauteile</translation>
    </message>
    <message>
        <source>Wiring Tool</source>
        <translation>Verdrahtungswerkzeug</translation>
    </message>
    <message>
        <source>Run</source>
        <extracomment>Starts the simulation</extracomment>
        <translation>Starten</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stoppen</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Step Back</source>
        <translation>Schritt zurück</translation>
    </message>
    <message>
        <source>Step</source>
        <extracomment>Runs the simulation for one clock step</extracomment>
        <translation>Schritt</translation>
    </message>
    <message>
        <source>&amp;Half Clock Cycle</source>
        <translation>&amp;Halber Taktzyklus</translation>
    </message>
    <message>
        <source>&amp;Full Clock Cycle</source>
        <translation>&amp;Ganzer Taktzyklus</translation>
    </message>
    <message>
        <source>Object Selector</source>
        <translation>Objektauswahl</translation>
    </message>
    <message>
        <source>Object Interaction</source>
        <translation>Objekte bedienen</translation>
    </message>
    <message>
        <source>Logic Probe</source>
        <translation>Logiktester</translation>
    </message>
    <message>
        <source>Parts Centre  </source>
        <translation>Bauteilzentrale  </translation>
    </message>
    <message>
        <source>Show Parts Centre</source>
        <translation>Bauteilzentrale anzeigen</translation>
    </message>
    <message>
        <source>Close Macro  </source>
        <translation>Makro schließen  </translation>
    </message>
    <message>
        <source>Close Macro</source>
        <translation>Makro schließen</translation>
    </message>
    <message>
        <source>&amp;Examples...</source>
        <translation>Beis&amp;piele...</translation>
    </message>
</context>
<context>
    <name>TMemoryCommands</name>
    <message>
        <source>Edit Memory</source>
        <translation>Speicher bearbeiten</translation>
    </message>
</context>
<context>
    <name>TMemoryMap</name>
    <message>
        <source>This is not a valid Memory Map file.</source>
        <translation>Dies ist keine gültige Speicherabbilddatei.</translation>
    </message>
    <message>
        <source>This Memory Map file is incomplete.</source>
        <translation>Diese Speicherabbilddatei ist unvollständig.</translation>
    </message>
</context>
<context>
    <name>TNameMacroDialog</name>
    <message>
        <source>Name Macro</source>
        <translation>Makro benennen</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Name Macro can be used to display a more meaningful name when the &apos;Macro Name&apos; view option is selected from the parts centre main menu.</source>
        <translation>Mit „Makro benennen“ lässt sich ein aussagekräftigerer Name anzeigen, wenn im Hauptmenü der Bauteilzentrale die Ansicht „Makroname“ gewählt ist.</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
</context>
<context>
    <name>TNumberOutDialog</name>
    <message>
        <source>Numeric Output</source>
        <translation>Zahlenanzeige</translation>
    </message>
    <message>
        <source>Display Format</source>
        <translation>Anzeigeformat</translation>
    </message>
    <message>
        <source>Binary</source>
        <translation>Binär</translation>
    </message>
    <message>
        <source>Hexadecimal</source>
        <translation>Hexadezimal</translation>
    </message>
    <message>
        <source>Decimal</source>
        <translation>Dezimal</translation>
    </message>
    <message>
        <source>Two&apos;s complement interpretation</source>
        <translation>Als Zweierkomplement interpretieren</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>Input Lines</source>
        <translation>Eingangsleitungen</translation>
    </message>
    <message>
        <source>Example</source>
        <translation>Beispiel</translation>
    </message>
    <message>
        <source>Suppress leading zero</source>
        <translation>Führende Nullen unterdrücken</translation>
    </message>
    <message>
        <source>Connection pins at bottom</source>
        <translation>Anschlüsse unten</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
</context>
<context>
    <name>TPartsForm</name>
    <message>
        <source>Parts Centre</source>
        <translation>Bauteilzentrale</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Filename</source>
        <translation>&amp;Dateiname</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>Sch&amp;ließen</translation>
    </message>
    <message>
        <source>&amp;Macro Name</source>
        <translation>&amp;Makroname</translation>
    </message>
    <message>
        <source>&amp;Large Icons</source>
        <translation>&amp;Große Symbole</translation>
    </message>
    <message>
        <source>&amp;Small Icons</source>
        <translation>&amp;Kleine Symbole</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>&amp;Statusleiste</translation>
    </message>
    <message>
        <source>&amp;Help Topics...</source>
        <translation>&amp;Hilfethemen...</translation>
    </message>
    <message>
        <source>Edit Macro</source>
        <translation>Makro bearbeiten</translation>
    </message>
    <message>
        <source>Up One Level</source>
        <translation>Eine Ebene nach oben</translation>
    </message>
    <message>
        <source>Backspace</source>
        <translation>Backspace</translation>
    </message>
    <message>
        <source>Parts Centre Root</source>
        <translation>Stammordner der Bauteilzentrale</translation>
    </message>
    <message>
        <source>Change Drive</source>
        <translation>Laufwerk wechseln</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>Del</source>
        <translation>Del</translation>
    </message>
    <message>
        <source>Place in Circuit</source>
        <translation>In Schaltung platzieren</translation>
    </message>
    <message>
        <source>&amp;Edit Macro</source>
        <translation>Makro &amp;bearbeiten</translation>
    </message>
    <message>
        <source>&amp;View Datasheet...</source>
        <translation>&amp;Datenblatt anzeigen...</translation>
    </message>
    <message>
        <source>home</source>
        <translation>benutzerordner</translation>
    </message>
</context>
<context>
    <name>TPictureExport</name>
    <message>
        <source>Pictures are written as PNG, SVG or PDF files.</source>
        <translation>Bilder werden als PNG-, SVG- oder PDF-Dateien geschrieben.</translation>
    </message>
    <message>
        <source>The picture could not be written.</source>
        <translation>Das Bild konnte nicht geschrieben werden.</translation>
    </message>
</context>
<context>
    <name>TPreferencesDialog</name>
    <message>
        <source>Preferences</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Dateien</translation>
    </message>
    <message>
        <source>Autosave &amp;every</source>
        <translation>Automatisch &amp;sichern alle</translation>
    </message>
    <message>
        <source>How often a recovery copy of a circuit with unsaved changes is written</source>
        <translation>Wie oft eine Wiederherstellungskopie einer Schaltung mit ungespeicherten Änderungen geschrieben wird</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source> seconds</source>
        <translation> Sekunden</translation>
    </message>
    <message>
        <source>&amp;Reopen last circuit on start-up</source>
        <translation>Letzte Schaltung beim Start &amp;wieder öffnen</translation>
    </message>
    <message>
        <source>Simulation</source>
        <translation>Simulation</translation>
    </message>
    <message>
        <source>Step &amp;Back remembers</source>
        <translation>Schritt &amp;zurück merkt sich</translation>
    </message>
    <message>
        <source>How many steps Step Back can go back</source>
        <translation>Wie viele Schritte „Schritt zurück“ zurückgehen kann</translation>
    </message>
    <message>
        <source> steps</source>
        <translation> Schritte</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>S&amp;prache</translation>
    </message>
    <message>
        <source>The language of the menus, windows and messages</source>
        <translation>Die Sprache der Menüs, Fenster und Meldungen</translation>
    </message>
    <message>
        <source>Menus and windows change at once; some messages change when Logivane starts again.</source>
        <translation>Menüs und Fenster wechseln sofort; manche Meldungen erst beim nächsten Start von Logivane.</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Darstellung</translation>
    </message>
    <message>
        <source>&amp;Theme</source>
        <translation>&amp;Design</translation>
    </message>
    <message>
        <source>The colours of the windows and the drawing; printouts and pictures stay light</source>
        <translation>Die Farben der Fenster und der Zeichnung; Ausdrucke und Bilder bleiben hell</translation>
    </message>
    <message>
        <source>System</source>
        <comment>theme that follows the desktop&apos;s colours</comment>
        <translation>System</translation>
    </message>
    <message>
        <source>Light</source>
        <comment>theme</comment>
        <translation>Hell</translation>
    </message>
    <message>
        <source>Dark</source>
        <comment>theme</comment>
        <translation>Dunkel</translation>
    </message>
</context>
<context>
    <name>TPrintPreview</name>
    <message>
        <source>Logivane - Print Preview</source>
        <translation>Logivane - Seitenansicht</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>Seitenansicht</translation>
    </message>
    <message>
        <source>Print Set&amp;up...</source>
        <translation>Druck&amp;einrichtung...</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Drucken</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Ctrl+P</source>
        <translation>Ctrl+P</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>Sch&amp;ließen</translation>
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
        <translation>Bild zentrieren</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation>Hochformat</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>Querformat</translation>
    </message>
</context>
<context>
    <name>TRecoveryCommands</name>
    <message>
        <source>1 day</source>
        <translation>1 Tag</translation>
    </message>
    <message>
        <source>%1 days</source>
        <translation>%1 Tage</translation>
    </message>
    <message>
        <source>1 hour</source>
        <translation>1 Stunde</translation>
    </message>
    <message>
        <source>%1 hours</source>
        <translation>%1 Stunden</translation>
    </message>
    <message>
        <source>1 minute</source>
        <translation>1 Minute</translation>
    </message>
    <message>
        <source>%1 minutes</source>
        <translation>%1 Minuten</translation>
    </message>
    <message>
        <source>1 second</source>
        <translation>1 Sekunde</translation>
    </message>
    <message>
        <source>%1 seconds</source>
        <translation>%1 Sekunden</translation>
    </message>
    <message>
        <source>never saved</source>
        <translation>nie gespeichert</translation>
    </message>
    <message>
        <source>the file is missing</source>
        <translation>die Datei fehlt</translation>
    </message>
    <message>
        <source>%1 newer than the file</source>
        <translation>%1 neuer als die Datei</translation>
    </message>
    <message>
        <source>%1 older than the file</source>
        <translation>%1 älter als die Datei</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Unbenannt</translation>
    </message>
    <message>
        <source>Another Logivane has taken the recovery copy of &quot;%1&quot; already.</source>
        <translation>Ein anderes Logivane hat die Wiederherstellungskopie von „%1“ bereits übernommen.</translation>
    </message>
</context>
<context>
    <name>TRecoveryDialog</name>
    <message>
        <source>Recover Circuits</source>
        <translation>Schaltungen wiederherstellen</translation>
    </message>
    <message>
        <source>Logivane stopped before these circuits were saved. Their unsaved work was copied for recovery.</source>
        <translation>Logivane wurde beendet, bevor diese Schaltungen gespeichert waren. Die ungespeicherten Änderungen wurden zur Wiederherstellung kopiert.</translation>
    </message>
    <message>
        <source>Circuit</source>
        <translation>Schaltung</translation>
    </message>
    <message>
        <source>Copied</source>
        <translation>Kopiert</translation>
    </message>
    <message>
        <source>Compared with the file</source>
        <translation>Verglichen mit der Datei</translation>
    </message>
    <message>
        <source>&amp;Recover</source>
        <translation>&amp;Wiederherstellen</translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation>&amp;Verwerfen</translation>
    </message>
    <message>
        <source>&amp;Later</source>
        <translation>&amp;Später</translation>
    </message>
</context>
<context>
    <name>TRecoveryFolder</name>
    <message>
        <source>cannot create the folder</source>
        <translation>der Ordner kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>Its side file is damaged.</source>
        <translation>Ihre Begleitdatei ist beschädigt.</translation>
    </message>
    <message>
        <source>Its side file is missing.</source>
        <translation>Ihre Begleitdatei fehlt.</translation>
    </message>
    <message>
        <source>The copy is missing.</source>
        <translation>Die Kopie fehlt.</translation>
    </message>
</context>
<context>
    <name>TRenameDialog</name>
    <message>
        <source>Edit Text</source>
        <translation>Text bearbeiten</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Overbar</source>
        <translation>Überstrich</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
</context>
<context>
    <name>TRunCommands</name>
    <message>
        <source>Stopped: press Run (F9) or Step Circuit (F12) to see the effect</source>
        <translation>Gestoppt: Starten (F9) oder Einzelschritt (F12) drücken, um die Wirkung zu sehen</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Gestoppt</translation>
    </message>
    <message>
        <source>Paused · cycle %1</source>
        <translation>Angehalten · Takt %1</translation>
    </message>
    <message>
        <source>Running · cycle %1</source>
        <translation>Läuft · Takt %1</translation>
    </message>
</context>
<context>
    <name>TRunControl</name>
    <message>
        <source>Bus contention, process halted</source>
        <translation>Buskonflikt, Simulation angehalten</translation>
    </message>
    <message>
        <source>Bus contention at higher level</source>
        <translation>Buskonflikt auf höherer Ebene</translation>
    </message>
    <message>
        <source>Race condition, process halted</source>
        <translation>Wettlaufsituation (Race Condition), Simulation angehalten</translation>
    </message>
    <message>
        <source>Race condition at higher level</source>
        <translation>Wettlaufsituation (Race Condition) auf höherer Ebene</translation>
    </message>
</context>
<context>
    <name>TTemplateForm</name>
    <message>
        <source>Template Editor</source>
        <translation>Vorlageneditor</translation>
    </message>
</context>
<context>
    <name>TTestTable</name>
    <message>
        <source>expected &apos;)&apos;</source>
        <translation>&apos;)&apos; erwartet</translation>
    </message>
    <message>
        <source>expected one of %1, 0, 1, &apos;~&apos; or &apos;(&apos; in the expression</source>
        <translation>%1, 0, 1, &apos;~&apos; oder &apos;(&apos; im Ausdruck erwartet</translation>
    </message>
    <message>
        <source>expected the header: input names, &apos;|&apos;, output names</source>
        <translation>Kopfzeile erwartet: Eingangsnamen, &apos;|&apos;, Ausgangsnamen</translation>
    </message>
    <message>
        <source>expected a row after the header</source>
        <translation>Zeile nach der Kopfzeile erwartet</translation>
    </message>
    <message>
        <source>expected one &apos;|&apos; in the header</source>
        <translation>genau ein &apos;|&apos; in der Kopfzeile erwartet</translation>
    </message>
    <message>
        <source>expected an output name after &apos;|&apos;</source>
        <translation>Ausgangsname nach &apos;|&apos; erwartet</translation>
    </message>
    <message>
        <source>&apos;%1&apos; appears twice in the header</source>
        <translation>&apos;%1&apos; kommt in der Kopfzeile doppelt vor</translation>
    </message>
    <message>
        <source>expected an indented block of rows after &apos;repeat&apos;</source>
        <translation>eingerückter Zeilenblock nach &apos;repeat&apos; erwartet</translation>
    </message>
    <message>
        <source>expected a whole number from 1 to %1 after &apos;%2&apos;</source>
        <translation>ganze Zahl von 1 bis %1 nach &apos;%2&apos; erwartet</translation>
    </message>
    <message>
        <source>expected nothing more after &apos;%1 %2&apos;</source>
        <translation>nach &apos;%1 %2&apos; nichts weiter erwartet</translation>
    </message>
    <message>
        <source>expected at most %1 rows in all</source>
        <translation>höchstens %1 Zeilen insgesamt erwartet</translation>
    </message>
    <message>
        <source>expected &apos;|&apos; between the inputs and the outputs</source>
        <translation>&apos;|&apos; zwischen Eingängen und Ausgängen erwartet</translation>
    </message>
    <message>
        <source>expected one &apos;|&apos; in a row</source>
        <translation>genau ein &apos;|&apos; pro Zeile erwartet</translation>
    </message>
    <message>
        <source>expected &apos;(&apos; after &apos;bits&apos;</source>
        <translation>&apos;(&apos; nach &apos;bits&apos; erwartet</translation>
    </message>
    <message>
        <source>expected an input name of the header or &apos;)&apos;</source>
        <translation>Eingangsname aus der Kopfzeile oder &apos;)&apos; erwartet</translation>
    </message>
    <message>
        <source>&apos;%1&apos; appears twice in bits(...)</source>
        <translation>&apos;%1&apos; kommt in bits(...) doppelt vor</translation>
    </message>
    <message>
        <source>expected at most %1 names in bits(...)</source>
        <translation>höchstens %1 Namen in bits(...) erwartet</translation>
    </message>
    <message>
        <source>expected an input name of the header</source>
        <translation>Eingangsname aus der Kopfzeile erwartet</translation>
    </message>
    <message>
        <source>expected &apos;|&apos; after bits(...)</source>
        <translation>&apos;|&apos; nach bits(...) erwartet</translation>
    </message>
    <message>
        <source>expected %1 output values after &apos;|&apos;, found more</source>
        <translation>%1 Ausgangswerte nach &apos;|&apos; erwartet, mehr gefunden</translation>
    </message>
    <message>
        <source>expected 0, 1, X or C for input &apos;%1&apos;</source>
        <translation>0, 1, X oder C für Eingang &apos;%1&apos; erwartet</translation>
    </message>
    <message>
        <source>expected a number below 2^32 for output &apos;%1&apos;</source>
        <translation>Zahl unter 2^32 für Ausgang &apos;%1&apos; erwartet</translation>
    </message>
    <message>
        <source>expected 0, 1, X or a number for output &apos;%1&apos;; C pulses inputs only</source>
        <translation>0, 1, X oder eine Zahl für Ausgang &apos;%1&apos; erwartet; C taktet nur Eingänge</translation>
    </message>
    <message>
        <source>expected 0, 1, X or a number for output &apos;%1&apos;</source>
        <translation>0, 1, X oder eine Zahl für Ausgang &apos;%1&apos; erwartet</translation>
    </message>
    <message>
        <source>expected %1 output values after &apos;|&apos;, found %2</source>
        <translation>%1 Ausgangswerte nach &apos;|&apos; erwartet, %2 gefunden</translation>
    </message>
    <message>
        <source>expected %1 input values before &apos;|&apos;, found %2</source>
        <translation>%1 Eingangswerte vor &apos;|&apos; erwartet, %2 gefunden</translation>
    </message>
    <message>
        <source>input tag</source>
        <translation>Eingangsmarke</translation>
    </message>
    <message>
        <source>output tag</source>
        <translation>Ausgangsmarke</translation>
    </message>
    <message>
        <source>bidirectional tag</source>
        <translation>bidirektionale Marke</translation>
    </message>
    <message>
        <source>tag without a direction</source>
        <translation>Marke ohne Richtung</translation>
    </message>
    <message>
        <source>&apos;%1&apos; names %2 devices</source>
        <translation>&apos;%1&apos; bezeichnet %2 Bauteile</translation>
    </message>
    <message>
        <source>&apos;%1&apos; names the %2; expected %3, or %4</source>
        <translation>&apos;%1&apos; bezeichnet %2; erwartet: %3 oder %4</translation>
    </message>
    <message>
        <source>&apos;%1&apos; names no device at the top level; expected the label of %2, or tagN</source>
        <translation>&apos;%1&apos; bezeichnet kein Bauteil auf der obersten Ebene; erwartet: die Beschriftung von %2 oder tagN</translation>
    </message>
    <message>
        <source>expected 0, 1 or X for &apos;%1&apos;, which shows one bit</source>
        <translation>0, 1 oder X für &apos;%1&apos; erwartet, das ein Bit anzeigt</translation>
    </message>
    <message>
        <source>%1 does not fit the %2-bit display &apos;%3&apos; (0 to %4)</source>
        <translation>%1 passt nicht in die %2-Bit-Anzeige &apos;%3&apos; (0 bis %4)</translation>
    </message>
    <message>
        <source>an interactive input, a switch or a push button</source>
        <translation>einen interaktiven Eingang, einen Schalter oder einen Taster</translation>
    </message>
    <message>
        <source>an input tag</source>
        <translation>eine Eingangsmarke</translation>
    </message>
    <message>
        <source>an LED or a numeric display</source>
        <translation>eine LED oder eine Zahlenanzeige</translation>
    </message>
    <message>
        <source>an output tag</source>
        <translation>eine Ausgangsmarke</translation>
    </message>
    <message>
        <source>Unable to read the test table &apos;%1&apos;: %2</source>
        <translation>Die Testtabelle &apos;%1&apos; kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>The test table &apos;%1&apos; is not UTF-8 text.</source>
        <translation>Die Testtabelle &apos;%1&apos; ist kein UTF-8-Text.</translation>
    </message>
</context>
<context>
    <name>TTestTableCommands</name>
    <message>
        <source>The test table &quot;%1&quot; could not be written.
%2</source>
        <translation>Die Testtabelle „%1“ konnte nicht geschrieben werden.
%2</translation>
    </message>
    <message>
        <source>The test table has changed, save it beside the circuit?</source>
        <translation>Die Testtabelle wurde geändert. Neben der Schaltung speichern?</translation>
    </message>
</context>
<context>
    <name>TTestTableWindow</name>
    <message>
        <source>Test Table</source>
        <translation>Testtabelle</translation>
    </message>
    <message>
        <source>&amp;Table:</source>
        <translation>&amp;Tabelle:</translation>
    </message>
    <message>
        <source>&amp;Errors:</source>
        <translation>&amp;Fehler:</translation>
    </message>
    <message>
        <source>Click an error to go to its place in the table</source>
        <translation>Fehler anklicken, um zur Stelle in der Tabelle zu springen</translation>
    </message>
    <message>
        <source>Ro&amp;ws:</source>
        <translation>&amp;Zeilen:</translation>
    </message>
    <message>
        <source>&amp;Run Tests</source>
        <translation>Tests &amp;ausführen</translation>
    </message>
    <message>
        <source>Run every row on a copy of the circuit (F8)</source>
        <translation>Jede Zeile an einer Kopie der Schaltung ausführen (F8)</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>F8</source>
        <translation>F8</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>Sch&amp;ließen</translation>
    </message>
    <message>
        <source>&amp;Help Topics...</source>
        <translation>&amp;Hilfethemen...</translation>
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
        <translation>Kommagetrennte Werte (*.csv)</translation>
    </message>
    <message>
        <source>WaveDrom Files (*.json)</source>
        <translation>WaveDrom-Dateien (*.json)</translation>
    </message>
    <message>
        <source>Export Logic History</source>
        <translation>Signalverlauf exportieren</translation>
    </message>
    <message>
        <source>Cycle Length </source>
        <translation>Zykluslänge </translation>
    </message>
    <message>
        <source>Clock Cycle Range</source>
        <translation>Taktzyklusbereich</translation>
    </message>
    <message>
        <source>Cycle %1 completed</source>
        <translation>Zyklus %1 abgeschlossen</translation>
    </message>
    <message>
        <source>There are no recorded samples to export. Run or step the circuit first.</source>
        <translation>Es gibt keine aufgezeichneten Werte zum Exportieren. Starten Sie die Schaltung zuerst oder gehen Sie sie schrittweise durch.</translation>
    </message>
    <message>
        <source>The Logic History could not be written to %1:
%2</source>
        <translation>Der Signalverlauf konnte nicht nach %1 geschrieben werden:
%2</translation>
    </message>
</context>
<context>
    <name>logivane::TAutosave</name>
    <message>
        <source>Your unsaved work could not be copied for recovery: %1</source>
        <translation>Ihre ungespeicherte Arbeit konnte nicht zur Wiederherstellung kopiert werden: %1</translation>
    </message>
</context>
<context>
    <name>logivane::TCircuitDocument</name>
    <message>
        <source>Insert Macro</source>
        <translation>Makro einfügen</translation>
    </message>
</context>
<context>
    <name>logivane::TEditContentsDialog</name>
    <message>
        <source>Memory Files (*.map)</source>
        <translation>Speicherdateien (*.map)</translation>
    </message>
    <message>
        <source>Open Memory Map</source>
        <translation>Speicherabbild öffnen</translation>
    </message>
    <message>
        <source>Save Memory Map</source>
        <translation>Speicherabbild speichern</translation>
    </message>
    <message>
        <source>This is not a valid Memory Map file.</source>
        <translation>Dies ist keine gültige Speicherabbilddatei.</translation>
    </message>
    <message>
        <source>This Memory Map file holds fewer words than it says. The memory was left as it was.</source>
        <translation>Diese Speicherabbilddatei enthält weniger Wörter als angegeben. Der Speicher wurde nicht verändert.</translation>
    </message>
    <message>
        <source>The Memory Map file could not be read: %1</source>
        <translation>Die Speicherabbilddatei konnte nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>Clear all memory contents?</source>
        <translation>Gesamten Speicherinhalt löschen?</translation>
    </message>
    <message>
        <source>The Memory Map file could not be saved: %1</source>
        <translation>Die Speicherabbilddatei konnte nicht gespeichert werden: %1</translation>
    </message>
    <message>
        <source>Intel HEX Files (*.hex *.ihx)</source>
        <translation>Intel-HEX-Dateien (*.hex *.ihx)</translation>
    </message>
    <message>
        <source>Binary Files (*.bin)</source>
        <translation>Binärdateien (*.bin)</translation>
    </message>
    <message>
        <source>All Memory Files (*.map *.hex *.ihx *.bin)</source>
        <translation>Alle Speicherdateien (*.map *.hex *.ihx *.bin)</translation>
    </message>
    <message>
        <source>%1
The memory was left as it was.</source>
        <translation>%1
Der Speicher wurde nicht verändert.</translation>
    </message>
</context>
<context>
    <name>logivane::TEditHistory</name>
    <message>
        <source>Edit</source>
        <extracomment>A change of the circuit, named in Undo</extracomment>
        <translation>Bearbeiten</translation>
    </message>
</context>
<context>
    <name>logivane::TEditTextDialog</name>
    <message>
        <source>Text - %1 points</source>
        <translation>Text - %1 Punkt</translation>
    </message>
</context>
<context>
    <name>logivane::THelpWindow</name>
    <message>
        <source>Logivane Help</source>
        <translation>Logivane-Hilfe</translation>
    </message>
    <message>
        <source>Navigation</source>
        <translation>Navigation</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Zurück</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>&amp;Vorwärts</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Inhalt</translation>
    </message>
    <message>
        <source>Unable to open the help file &quot;%1&quot;.</source>
        <translation>Die Hilfedatei „%1“ kann nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>The help topic &quot;%1&quot; is not in the help file &quot;%2&quot;.</source>
        <translation>Das Hilfethema „%1“ ist nicht in der Hilfedatei „%2“ enthalten.</translation>
    </message>
    <message>
        <source>(contents)</source>
        <translation>(Inhalt)</translation>
    </message>
</context>
<context>
    <name>logivane::TLogivaneDrawing</name>
    <message>
        <source>Unable to copy object to clipboard.</source>
        <translation>Das Objekt kann nicht in die Zwischenablage kopiert werden.</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Ausschneiden</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>Platzieren</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Verschieben</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>Drehen</translation>
    </message>
    <message>
        <source>Resize</source>
        <translation>Größe ändern</translation>
    </message>
    <message>
        <source>Move Vertex</source>
        <translation>Eckpunkt verschieben</translation>
    </message>
    <message>
        <source>Draw</source>
        <translation>Zeichnen</translation>
    </message>
    <message>
        <source>Interaction</source>
        <extracomment>The change made by clicking a switch or input, named in Undo</extracomment>
        <translation>Bedienen</translation>
    </message>
    <message>
        <source>Unable to connect two outputs</source>
        <translation>Zwei Ausgänge können nicht verbunden werden</translation>
    </message>
    <message>
        <source>Wire</source>
        <translation>Verdrahten</translation>
    </message>
</context>
<context>
    <name>logivane::TMainForm</name>
    <message>
        <source>Annotation</source>
        <translation>Beschriftung</translation>
    </message>
    <message>
        <source>Use the left mouse button to finish wiring</source>
        <translation>Mit der linken Maustaste die Verdrahtung beenden</translation>
    </message>
    <message>
        <source>Use the left mouse button to begin wiring</source>
        <translation>Mit der linken Maustaste die Verdrahtung beginnen</translation>
    </message>
    <message>
        <source> - pin %1 available.</source>
        <translation> - Anschluss %1 verfügbar.</translation>
    </message>
    <message>
        <source>Use the left mouse button to change device state</source>
        <translation>Mit der linken Maustaste den Zustand des Bauteils ändern</translation>
    </message>
    <message>
        <source>Are you sure you want to delete this object?</source>
        <translation>Soll dieses Objekt wirklich gelöscht werden?</translation>
    </message>
    <message>
        <source>Are you sure you want to delete all of the selected objects?</source>
        <translation>Sollen wirklich alle ausgewählten Objekte gelöscht werden?</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Unbenannt</translation>
    </message>
    <message>
        <source>Circuit has changed, save current circuit?</source>
        <translation>Die Schaltung wurde geändert. Aktuelle Schaltung speichern?</translation>
    </message>
    <message>
        <source>This action will save to file the circuit at its current level, not its root level.  Do you want to proceed?</source>
        <translation>Hiermit wird die Schaltung der aktuellen Ebene in die Datei gespeichert, nicht die oberste Ebene. Möchten Sie fortfahren?</translation>
    </message>
    <message>
        <source>&quot;%1&quot; comes with Logivane and stays as it was shipped, so that the next user finds it unchanged. Save your circuit under a name of your own.</source>
        <translation>„%1“ gehört zum Lieferumfang von Logivane und bleibt unverändert, damit der nächste Benutzer es so vorfindet. Speichern Sie Ihre Schaltung unter einem eigenen Namen.</translation>
    </message>
    <message>
        <source>Datasheet available</source>
        <translation>Datenblatt verfügbar</translation>
    </message>
    <message>
        <source>There is nothing to picture.</source>
        <translation>Es gibt nichts abzubilden.</translation>
    </message>
    <message>
        <source>Unable to write the picture %1.</source>
        <translation>Das Bild %1 kann nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>Macro Files (*.lvm)</source>
        <translation>Makrodateien (*.lvm)</translation>
    </message>
    <message>
        <source>Open Circuit</source>
        <translation>Schaltung öffnen</translation>
    </message>
    <message>
        <source>Save Circuit</source>
        <translation>Schaltung speichern</translation>
    </message>
    <message>
        <source>Export Picture</source>
        <translation>Bild exportieren</translation>
    </message>
    <message>
        <source>PNG Images (*.png);;SVG Drawings (*.svg);;PDF Documents (*.pdf)</source>
        <translation>PNG-Bilder (*.png);;SVG-Zeichnungen (*.svg);;PDF-Dokumente (*.pdf)</translation>
    </message>
</context>
<context>
    <name>logivane::TMemoryContentsModel</name>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Inhalt</translation>
    </message>
</context>
<context>
    <name>logivane::TPartsForm</name>
    <message>
        <source>Are you sure you want to delete this macro?</source>
        <translation>Soll dieses Makro wirklich gelöscht werden?</translation>
    </message>
    <message>
        <source>The macro could not be deleted.</source>
        <translation>Das Makro konnte nicht gelöscht werden.</translation>
    </message>
</context>
<context>
    <name>logivane::TPreferencesDialog</name>
    <message>
        <source>System default</source>
        <translation>Systemsprache</translation>
    </message>
</context>
<context>
    <name>logivane::TPrintPreview</name>
    <message>
        <source>The circuit could not be printed. Check that the printer is switched on and ready, then try again.</source>
        <translation>Die Schaltung konnte nicht gedruckt werden. Prüfen Sie, ob der Drucker eingeschaltet und bereit ist, und versuchen Sie es erneut.</translation>
    </message>
</context>
<context>
    <name>logivane::TRecoveryDialog</name>
    <message>
        <source>These copies cannot be read and can only be discarded: %1</source>
        <translation>Diese Kopien können nicht gelesen und nur verworfen werden: %1</translation>
    </message>
</context>
<context>
    <name>logivane::TTemplateForm</name>
    <message>
        <source>Template Files (*.lvt)</source>
        <translation>Vorlagendateien (*.lvt)</translation>
    </message>
    <message>
        <source>Open Template</source>
        <translation>Vorlage öffnen</translation>
    </message>
    <message>
        <source>Save Template</source>
        <translation>Vorlage speichern</translation>
    </message>
    <message>
        <source>Template has changed, save current drawing?</source>
        <translation>Die Vorlage wurde geändert. Aktuelle Zeichnung speichern?</translation>
    </message>
    <message>
        <source>Double click mouse to terminate polygon</source>
        <translation>Doppelklick beendet das Polygon</translation>
    </message>
    <message>
        <source>Double click mouse to terminate polyline</source>
        <translation>Doppelklick beendet den Linienzug</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>Ö&amp;ffnen...</translation>
    </message>
    <message>
        <source>&amp;Save...</source>
        <translation>&amp;Speichern...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>Sch&amp;ließen</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;Ausschneiden</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Einfügen</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>&amp;Select All</source>
        <translation>Alles &amp;markieren</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Show Grid</source>
        <translation>&amp;Raster anzeigen</translation>
    </message>
    <message>
        <source>S&amp;nap To Grid</source>
        <translation>Am Raster &amp;ausrichten</translation>
    </message>
    <message>
        <source>&amp;Grid Setup...</source>
        <translation>Raster&amp;einstellungen...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Help Topics...</source>
        <translation>&amp;Hilfethemen...</translation>
    </message>
    <message>
        <source>Object Selector</source>
        <translation>Objektauswahl</translation>
    </message>
    <message>
        <source>Pin</source>
        <translation>Anschluss</translation>
    </message>
    <message>
        <source>Circle</source>
        <translation>Kreis</translation>
    </message>
    <message>
        <source>Annotation</source>
        <translation>Beschriftung</translation>
    </message>
    <message>
        <source>Polygon</source>
        <translation>Polygon</translation>
    </message>
    <message>
        <source>Polyline</source>
        <translation>Linienzug</translation>
    </message>
    <message>
        <source>Toggle Display Pins</source>
        <translation>Anschlüsse ein-/ausblenden</translation>
    </message>
    <message>
        <source>&amp;Edit Annotation...</source>
        <translation>Beschriftung &amp;bearbeiten...</translation>
    </message>
    <message>
        <source>&amp;Associate With Tag</source>
        <translation>Mit Marke &amp;verknüpfen</translation>
    </message>
    <message>
        <source>&amp;Pen Colour...</source>
        <translation>&amp;Linienfarbe...</translation>
    </message>
    <message>
        <source>&amp;Brush Colour...</source>
        <translation>&amp;Füllfarbe...</translation>
    </message>
    <message>
        <source>&amp;Edit Points</source>
        <translation>&amp;Punkte bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Bring To Front</source>
        <translation>In den &amp;Vordergrund</translation>
    </message>
    <message>
        <source>&amp;Send To Back</source>
        <translation>In den &amp;Hintergrund</translation>
    </message>
    <message>
        <source>Pin %1 Selected</source>
        <translation>Anschluss %1 ausgewählt</translation>
    </message>
    <message>
        <source>Are you sure you want to delete all of the selected objects?</source>
        <translation>Sollen wirklich alle ausgewählten Objekte gelöscht werden?</translation>
    </message>
    <message>
        <source>Are you sure you want to delete this object?</source>
        <translation>Soll dieses Objekt wirklich gelöscht werden?</translation>
    </message>
</context>
<context>
    <name>logivane::TTestTableGrid</name>
    <message>
        <source>Line</source>
        <translation>Zeile</translation>
    </message>
    <message>
        <source>expected %1, got %2</source>
        <translation>%1 erwartet, %2 erhalten</translation>
    </message>
</context>
<context>
    <name>logivane::TTestTableWindow</name>
    <message>
        <source>The table has errors: no row was run</source>
        <translation>Die Tabelle enthält Fehler: Keine Zeile wurde ausgeführt</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
</context>
<context>
    <name>logivane::TUndoCommands</name>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Rückgängig: %1</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Wiederherstellen: %1</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederherstellen</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>Rückgängig: %1</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>Wiederherstellen: %1</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Wiederherstellen</translation>
    </message>
</context>
</TS>
