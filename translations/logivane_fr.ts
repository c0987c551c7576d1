<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>ControlLabels</name>
    <message>
        <source>More tool buttons</source>
        <translation>Autres boutons d&apos;outils</translation>
    </message>
    <message>
        <source>More menus</source>
        <translation>Autres menus</translation>
    </message>
</context>
<context>
    <name>Datasheets</name>
    <message>
        <source>Unable to open datasheet.</source>
        <translation>Impossible d&apos;ouvrir la fiche technique.</translation>
    </message>
</context>
<context>
    <name>TAnalyserForm</name>
    <message>
        <source>Logic History</source>
        <translation>Chronogramme</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;ide</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Lancer</translation>
    </message>
    <message>
        <source>&amp;Export...</source>
        <translation>&amp;Exporter...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>&amp;Highlight When Clock High</source>
        <translation>&amp;Surligner quand l&apos;horloge est à 1</translation>
    </message>
    <message>
        <source>Show &amp;Bus Values</source>
        <translation>Afficher les valeurs du &amp;bus</translation>
    </message>
    <message>
        <source>&amp;Help Topics...</source>
        <translation>&amp;Rubriques d&apos;aide...</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Step Back</source>
        <translation>Pas précédent</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>Pas</translation>
    </message>
    <message>
        <source>Toggle Display Mode</source>
        <translation>Changer de mode d&apos;affichage</translation>
    </message>
</context>
<context>
    <name>TAssociateHelpDialog</name>
    <message>
        <source>Attach Datasheet</source>
        <translation>Joindre une fiche technique</translation>
    </message>
    <message>
        <source>Datasheet Source:</source>
        <translation>Source de la fiche technique :</translation>
    </message>
    <message>
        <source>Windows Help File</source>
        <translation>Fichier d&apos;aide Windows</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nom :</translation>
    </message>
    <message>
        <source>Context ID:</source>
        <translation>ID de contexte :</translation>
    </message>
    <message>
        <source>Web Page</source>
        <translation>Page web</translation>
    </message>
    <message>
        <source>URL:</source>
        <translation>URL :</translation>
    </message>
    <message>
        <source>Application Document</source>
        <translation>Document d&apos;application</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;ide</translation>
    </message>
</context>
<context>
    <name>TChangeMemoryDialog</name>
    <message>
        <source>Select Memory Device</source>
        <translation>Choisir la mémoire</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
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
        <translation>Taille</translation>
    </message>
    <message>
        <source>Address Lines</source>
        <translation>Lignes d&apos;adresse</translation>
    </message>
    <message>
        <source>Data Lines</source>
        <translation>Lignes de données</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>Example</source>
        <translation>Exemple</translation>
    </message>
</context>
<context>
    <name>TCircuitFile</name>
    <message>
        <source>You need a later version of Logivane to read this file.</source>
        <translation>Il faut une version plus récente de Logivane pour lire ce fichier.</translation>
    </message>
    <message>
        <source>This is not a valid Logivane file.</source>
        <translation>Ce fichier n&apos;est pas un fichier Logivane valide.</translation>
    </message>
    <message>
        <source>An error has occurred trying to read this Logivane file.</source>
        <translation>Une erreur s&apos;est produite lors de la lecture de ce fichier Logivane.</translation>
    </message>
    <message>
        <source>Unable to locate the Logivane file &apos;%1&apos;</source>
        <translation>Le fichier Logivane &apos;%1&apos; est introuvable</translation>
    </message>
</context>
<context>
    <name>TCircuitFileCommands</name>
    <message>
        <source>An error has occurred trying to write this Logivane file.</source>
        <translation>Une erreur s&apos;est produite lors de l&apos;écriture de ce fichier Logivane.</translation>
    </message>
    <message>
        <source>Reading %1, please wait...</source>
        <translation>Lecture de %1, veuillez patienter...</translation>
    </message>
</context>
<context>
    <name>TDatasheetPathDialog</name>
    <message>
        <source>Datasheet Path</source>
        <translation>Chemin des fiches techniques</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Chemin</translation>
    </message>
    <message>
        <source>The default Logivane path is searched first in an attempt to locate a datasheet.  If the search fails, the above search path is used.</source>
        <translation>La fiche technique est d&apos;abord cherchée dans le chemin par défaut de Logivane. Si elle n&apos;y est pas, le chemin de recherche ci-dessus est utilisé.</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
</context>
<context>
    <name>TDeviceMenu</name>
    <message>
        <source>&amp;Red</source>
        <translation>&amp;Rouge</translation>
    </message>
    <message>
        <source>&amp;Green</source>
        <translation>&amp;Vert</translation>
    </message>
    <message>
        <source>&amp;Yellow</source>
        <translation>&amp;Jaune</translation>
    </message>
    <message>
        <source>&amp;Blue</source>
        <translation>&amp;Bleu</translation>
    </message>
    <message>
        <source>&amp;White</source>
        <translation>B&amp;lanc</translation>
    </message>
    <message>
        <source>&amp;Left</source>
        <translation>À &amp;gauche</translation>
    </message>
    <message>
        <source>&amp;Right</source>
        <translation>À &amp;droite</translation>
    </message>
    <message>
        <source>&amp;Top</source>
        <translation>En &amp;haut</translation>
    </message>
    <message>
        <source>&amp;Bottom</source>
        <translation>En &amp;bas</translation>
    </message>
    <message>
        <source>&amp;Cut</source>
        <translation>Co&amp;uper</translation>
    </message>
    <message>
        <source>C&amp;opy</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>C&amp;oller</translation>
    </message>
    <message>
        <source>&amp;Inputs</source>
        <translation>&amp;Entrées</translation>
    </message>
    <message>
        <source>&amp;2 - Two</source>
        <translation>&amp;2 - Deux</translation>
    </message>
    <message>
        <source>&amp;3 - Three</source>
        <translation>&amp;3 - Trois</translation>
    </message>
    <message>
        <source>&amp;4 - Four</source>
        <translation>&amp;4 - Quatre</translation>
    </message>
    <message>
        <source>Edit &amp;Memory Contents...</source>
        <translation>Modifier le contenu de la &amp;mémoire...</translation>
    </message>
    <message>
        <source>&amp;Edit Annotation...</source>
        <translation>Modifier l&apos;&amp;annotation...</translation>
    </message>
    <message>
        <source>&amp;Name Macro</source>
        <translation>&amp;Nommer la macro</translation>
    </message>
    <message>
        <source>&amp;Edit Sequence...</source>
        <translation>Modifier la sé&amp;quence...</translation>
    </message>
    <message>
        <source>&amp;Edit Macro...</source>
        <translation>Modifier la &amp;macro...</translation>
    </message>
    <message>
        <source>&amp;View Datasheet...</source>
        <translation>Afficher la fiche &amp;technique...</translation>
    </message>
    <message>
        <source>C&amp;hange Color</source>
        <translation>Changer la cou&amp;leur</translation>
    </message>
    <message>
        <source>&amp;Custom...</source>
        <translation>&amp;Personnalisée...</translation>
    </message>
    <message>
        <source>&amp;Set Switch Type...</source>
        <translation>&amp;Type d&apos;interrupteur...</translation>
    </message>
    <message>
        <source>&amp;Text...</source>
        <translation>Te&amp;xte...</translation>
    </message>
    <message>
        <source>Text &amp;Style</source>
        <translation>St&amp;yle du texte</translation>
    </message>
    <message>
        <source>C&amp;ommon</source>
        <translation>Co&amp;mmune</translation>
    </message>
    <message>
        <source>&amp;Cathode</source>
        <translation>&amp;Cathode</translation>
    </message>
    <message>
        <source>&amp;Anode</source>
        <translation>&amp;Anode</translation>
    </message>
    <message>
        <source>Properties...</source>
        <translation>Propriétés...</translation>
    </message>
    <message>
        <source>Add to Logic &amp;History</source>
        <translation>Ajouter au c&amp;hronogramme</translation>
    </message>
    <message>
        <source>Pulse &amp;Input</source>
        <translation>&amp;Impulsion sur l&apos;entrée</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>&amp;Template Editor...</source>
        <translation>Éditeur de &amp;modèles...</translation>
    </message>
    <message>
        <source>T&amp;ag Text Style</source>
        <translation>Style du texte de l&apos;é&amp;tiquette</translation>
    </message>
    <message>
        <source>Inputs</source>
        <translation>Entrées</translation>
    </message>
</context>
<context>
    <name>TEditContentsDialog</name>
    <message>
        <source>Memory Contents</source>
        <translation>Contenu de la mémoire</translation>
    </message>
    <message>
        <source>Binary</source>
        <translation>Binaire</translation>
    </message>
    <message>
        <source>Hexadecimal</source>
        <translation>Hexadécimal</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;ide</translation>
    </message>
    <message>
        <source>C&amp;lear Memory</source>
        <translation>Effacer la &amp;mémoire</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nouveau</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Ouvrir...</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Ctrl+O</source>
        <translation>Ctrl+O</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Ctrl+S</source>
        <translation>Ctrl+S</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>&amp;Help Topics...</source>
        <translation>&amp;Rubriques d&apos;aide...</translation>
    </message>
</context>
<context>
    <name>TEditSequenceDialog</name>
    <message>
        <source>Edit Sequence</source>
        <translation>Modifier la séquence</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Retour</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Mode</translation>
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
        <translation>&amp;Annuler</translation>
    </message>
</context>
<context>
    <name>TEditSwitchDialog</name>
    <message>
        <source>Edit Switch Type</source>
        <translation>Type d&apos;interrupteur</translation>
    </message>
    <message>
        <source>Types</source>
        <translation>Types</translation>
    </message>
    <message>
        <source>Toggle</source>
        <translation>Interrupteur à bascule</translation>
    </message>
    <message>
        <source>Push To Make</source>
        <translation>Bouton-poussoir (contact NO)</translation>
    </message>
    <message>
        <source>Push To Break</source>
        <translation>Bouton-poussoir (contact NF)</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Tester</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
</context>
<context>
    <name>TEditTextDialog</name>
    <message>
        <source>Edit Text</source>
        <translation>Modifier le texte</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texte</translation>
    </message>
    <message>
        <source>Change Text Size</source>
        <translation>Changer la taille du texte</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Police</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Italique</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Gras</translation>
    </message>
    <message>
        <source>Overbar</source>
        <translation>Barre au-dessus</translation>
    </message>
    <message>
        <source>Clear Text</source>
        <translation>Effacer le texte</translation>
    </message>
    <message>
        <source>Color...</source>
        <translation>Couleur...</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
</context>
<context>
    <name>TExportPictureDialog</name>
    <message>
        <source>Export Picture</source>
        <translation>Exporter l&apos;image</translation>
    </message>
    <message>
        <source>&amp;Scale</source>
        <translation>É&amp;chelle</translation>
    </message>
    <message>
        <source> %</source>
        <translation> %</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Arrière-plan</translation>
    </message>
    <message>
        <source>&amp;White</source>
        <translation>B&amp;lanc</translation>
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
        <translation>État du fichier</translation>
    </message>
</context>
<context>
    <name>TGridSetupDialog</name>
    <message>
        <source>Grid Setup</source>
        <translation>Réglages de la grille</translation>
    </message>
    <message>
        <source>Snap to grid</source>
        <translation>Aligner sur la grille</translation>
    </message>
    <message>
        <source>Show grid</source>
        <translation>Afficher la grille</translation>
    </message>
    <message>
        <source>Rotation Angle</source>
        <translation>Angle de rotation</translation>
    </message>
    <message>
        <source>Grid Frequency:</source>
        <translation>Pas de la grille :</translation>
    </message>
    <message>
        <source>Display Frequency:</source>
        <translation>Pas d&apos;affichage :</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
</context>
<context>
    <name>TKeyboardEditing</name>
    <message>
        <source>Devices</source>
        <translation>Composants</translation>
    </message>
    <message>
        <source>Device Palette</source>
        <translation>Palette de composants</translation>
    </message>
    <message>
        <source>Press Insert to choose a device, then Enter to place it at the cross-hair</source>
        <translation>Appuyez sur Inser pour choisir un composant, puis sur Entrée pour le placer à la croix</translation>
    </message>
    <message>
        <source>Placed: the arrow keys move it, W wires it, Tab selects the next object</source>
        <translation>Placé : les flèches le déplacent, W le câble, Tab sélectionne l’objet suivant</translation>
    </message>
    <message>
        <source>Object %1 of %2: the arrow keys move it, W wires it, Escape lets it go</source>
        <translation>Objet %1 sur %2 : les flèches le déplacent, W le câble, Échap le relâche</translation>
    </message>
    <message>
        <source>Select a device with Tab first, then press W to wire it</source>
        <translation>Sélectionnez d’abord un composant avec Tab, puis appuyez sur W pour le câbler</translation>
    </message>
    <message>
        <source>Every pin of this device is wired</source>
        <translation>Toutes les broches de ce composant sont câblées</translation>
    </message>
    <message>
        <source>No free pin to wire to: Escape cancels the wire</source>
        <translation>Aucune broche libre à câbler : Échap annule le fil</translation>
    </message>
    <message>
        <source>Wiring to pin %1 of %2: Tab or the arrow keys choose another, Enter connects, Escape cancels</source>
        <translation>Câblage vers la broche %1 sur %2 : Tab ou les flèches en choisissent une autre, Entrée relie, Échap annule</translation>
    </message>
    <message>
        <source>Wired: W wires the next free pin</source>
        <translation>Câblé : W câble la broche libre suivante</translation>
    </message>
    <message>
        <source>Circuit drawing</source>
        <translation>Schéma du circuit</translation>
    </message>
</context>
<context>
    <name>TMacroTemplate</name>
    <message>
        <source>This is not a valid Logivane Template file.</source>
        <translation>Ce fichier n&apos;est pas un fichier de modèle Logivane valide.</translation>
    </message>
    <message>
        <source>An error has occurred trying to read this Logivane file.</source>
        <translation>Une erreur s&apos;est produite lors de la lecture de ce fichier Logivane.</translation>
    </message>
    <message>
        <source>An error has occurred trying to write this Logivane file.</source>
        <translation>Une erreur s&apos;est produite lors de l&apos;écriture de ce fichier Logivane.</translation>
    </message>
</context>
<context>
    <name>TMainMenus</name>
    <message>
        <source>OR Gate</source>
        <translation>Porte OU</translation>
    </message>
    <message>
        <source>NOR Gate</source>
        <translation>Porte NON-OU</translation>
    </message>
    <message>
        <source>XOR Gate</source>
        <translation>Porte OU exclusif</translation>
    </message>
    <message>
        <source>XNOR Gate</source>
        <translation>Porte NON-OU exclusif</translation>
    </message>
    <message>
        <source>NOT Gate</source>
        <translation>Porte NON</translation>
    </message>
    <message>
        <source>AND Gate</source>
        <translation>Porte ET</translation>
    </message>
    <message>
        <source>NAND Gate</source>
        <translation>Porte NON-ET</translation>
    </message>
    <message>
        <source>Tri-State Device</source>
        <translation>Tampon trois états</translation>
    </message>
    <message>
        <source>RS Flip Flop</source>
        <translation>Bascule RS</translation>
    </message>
    <message>
        <source>JK Flip Flop</source>
        <translation>Bascule JK</translation>
    </message>
    <message>
        <source>D Flip Flop</source>
        <translation>Bascule D</translation>
    </message>
    <message>
        <source>Memory Device</source>
        <translation>Mémoire</translation>
    </message>
    <message>
        <source>Switch</source>
        <extracomment>The toggle switch that the user flips, as a device of the circuit</extracomment>
        <translation>Interrupteur</translation>
    </message>
    <message>
        <source>Tag Device</source>
        <extracomment>A named connector: tags of one name are joined without a wire</extracomment>
        <translation>Étiquette de liaison</translation>
    </message>
    <message>
        <source>Sequence Generator</source>
        <translation>Générateur de séquence</translation>
    </message>
    <message>
        <source>Clock</source>
        <extracomment>The device that gives the clock signal, not a time of day</extracomment>
        <translation>Horloge</translation>
    </message>
    <message>
        <source>Interactive Input</source>
        <translation>Entrée interactive</translation>
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
        <translation>DEL</translation>
    </message>
    <message>
        <source>7 Segment LED</source>
        <translation>Afficheur 7 segments</translation>
    </message>
    <message>
        <source>Numeric Output</source>
        <translation>Afficheur numérique</translation>
    </message>
    <message>
        <source>Annotation</source>
        <translation>Annotation</translation>
    </message>
    <message>
        <source>1 Hertz</source>
        <translation>1 hertz</translation>
    </message>
    <message>
        <source>2 Hertz</source>
        <translation>2 hertz</translation>
    </message>
    <message>
        <source>5 Hertz</source>
        <translation>5 hertz</translation>
    </message>
    <message>
        <source>10 Hertz</source>
        <translation>10 hertz</translation>
    </message>
    <message>
        <source>50 Hertz</source>
        <translation>50 hertz</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;New Circuit</source>
        <translation>&amp;Nouveau circuit</translation>
    </message>
    <message>
        <source>Ctrl+N</source>
        <translation>Ctrl+N</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Ouvrir</translation>
    </message>
    <message>
        <source>Ctrl+O</source>
        <translation>Ctrl+O</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>Ctrl+S</source>
        <translation>Ctrl+S</translation>
    </message>
    <message>
        <source>S&amp;ave As...</source>
        <translation>Enregistrer &amp;sous...</translation>
    </message>
    <message>
        <source>&amp;Reopen</source>
        <translation>&amp;Rouvrir</translation>
    </message>
    <message>
        <source>&amp;Export Picture...</source>
        <translation>E&amp;xporter l&apos;image...</translation>
    </message>
    <message>
        <source>Print Set&amp;up...</source>
        <translation>Mise en &amp;page...</translation>
    </message>
    <message>
        <source>Print Pre&amp;view...</source>
        <translation>&amp;Aperçu avant impression...</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Imprimer</translation>
    </message>
    <message>
        <source>Ctrl+P</source>
        <translation>Ctrl+P</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>É&amp;dition</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>Ctrl+Z</source>
        <translation>Ctrl+Z</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rétablir</translation>
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
        <translation>Co&amp;uper</translation>
    </message>
    <message>
        <source>Ctrl+X</source>
        <translation>Ctrl+X</translation>
    </message>
    <message>
        <source>C&amp;opy</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>Ctrl+C</source>
        <translation>Ctrl+C</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>C&amp;oller</translation>
    </message>
    <message>
        <source>Ctrl+V</source>
        <translation>Ctrl+V</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>&amp;Select All</source>
        <translation>&amp;Tout sélectionner</translation>
    </message>
    <message>
        <source>Ctrl+A</source>
        <translation>Ctrl+A</translation>
    </message>
    <message>
        <source>&amp;Circuit</source>
        <translation>&amp;Circuit</translation>
    </message>
    <message>
        <source>&amp;Run</source>
        <translation>&amp;Lancer</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Arrêter</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>Pa&amp;use</translation>
    </message>
    <message>
        <source>S&amp;tep Circuit</source>
        <translation>Pas &amp;suivant</translation>
    </message>
    <message>
        <source>Step &amp;Back</source>
        <translation>Pas &amp;précédent</translation>
    </message>
    <message>
        <source>&amp;Clock Speed</source>
        <translation>&amp;Fréquence d&apos;horloge</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>&amp;Show Grid</source>
        <translation>Afficher la &amp;grille</translation>
    </message>
    <message>
        <source>S&amp;nap To Grid</source>
        <translation>Al&amp;igner sur la grille</translation>
    </message>
    <message>
        <source>&amp;Grid Setup...</source>
        <translation>&amp;Réglages de la grille...</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>&amp;Zoom avant</translation>
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
        <translation>Zoom &amp;arrière</translation>
    </message>
    <message>
        <source>Ctrl+-</source>
        <translation>Ctrl+-</translation>
    </message>
    <message>
        <source>&amp;Actual Size</source>
        <translation>&amp;Taille réelle</translation>
    </message>
    <message>
        <source>Ctrl+0</source>
        <translation>Ctrl+0</translation>
    </message>
    <message>
        <source>Zoom to &amp;Fit</source>
        <translation>Ajuster à la &amp;fenêtre</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Outils</translation>
    </message>
    <message>
        <source>Logic &amp;History...</source>
        <translation>&amp;Chronogramme...</translation>
    </message>
    <message>
        <source>&amp;Template Editor...</source>
        <translation>Éditeur de &amp;modèles...</translation>
    </message>
    <message>
        <source>Te&amp;st Table...</source>
        <translation>&amp;Table de test...</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>&amp;Attach Datasheet...</source>
        <translation>&amp;Joindre une fiche technique...</translation>
    </message>
    <message>
        <source>&amp;Name Macro...</source>
        <translation>&amp;Nommer la macro...</translation>
    </message>
    <message>
        <source>&amp;Set Datasheet Path...</source>
        <translation>&amp;Chemin des fiches techniques...</translation>
    </message>
    <message>
        <source>&amp;Preferences...</source>
        <translation>&amp;Préférences...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;ide</translation>
    </message>
    <message>
        <source>&amp;Help Topics...</source>
        <translation>&amp;Rubriques d&apos;aide...</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>À &amp;propos...</translation>
    </message>
    <message>
        <source>About Logivane</source>
        <translation>À propos de Logivane</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Logivane&lt;/h3&gt;&lt;p&gt;Design logic circuits, run them step by step and watch every wire change.&lt;/p&gt;&lt;p&gt;Place gates, flip-flops, sources and displays from the tool bars, wire them with the Wiring Tool, and press Run.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Logivane&lt;/h3&gt;&lt;p&gt;Concevez des circuits logiques, simulez-les pas à pas et observez chaque fil changer d&apos;état.&lt;/p&gt;&lt;p&gt;Placez des portes, des bascules, des sources et des afficheurs depuis les barres d&apos;outils, reliez-les avec l&apos;outil de câblage, puis cliquez sur Lancer.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nouveau</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Couper</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Coller</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rétablir</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Devices</source>
        <translation>Composants</translation>
    </message>
    <message>
        <source>Wiring Tool</source>
        <translation>Outil de câblage</translation>
    </message>
    <message>
        <source>Run</source>
        <extracomment>Starts the simulation</extracomment>
        <translation>Lancer</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Step Back</source>
        <translation>Pas précédent</translation>
    </message>
    <message>
        <source>Step</source>
        <extracomment>Runs the simulation for one clock step</extracomment>
        <translation>Pas</translation>
    </message>
    <message>
        <source>&amp;Half Clock Cycle</source>
        <translation>&amp;Demi-cycle d&apos;horloge</translation>
    </message>
    <message>
        <source>&amp;Full Clock Cycle</source>
        <translation>&amp;Cycle d&apos;horloge complet</translation>
    </message>
    <message>
        <source>Object Selector</source>
        <translation>Sélection d&apos;objets</translation>
    </message>
    <message>
        <source>Object Interaction</source>
        <translation>Interaction avec les objets</translation>
    </message>
    <message>
        <source>Logic Probe</source>
        <translation>Sonde logique</translation>
    </message>
    <message>
        <source>Parts Centre  </source>
        <translation>Centre de composants  </translation>
    </message>
    <message>
        <source>Show Parts Centre</source>
        <translation>Afficher le centre de composants</translation>
    </message>
    <message>
        <source>Close Macro  </source>
        <translation>Fermer la macro  </translation>
    </message>
    <message>
        <source>Close Macro</source>
        <translation>Fermer la macro</translation>
    </message>
    <message>
        <source>&amp;Examples...</source>
        <translation>&amp;Exemples...</translation>
    </message>
</context>
<context>
    <name>TMemoryCommands</name>
    <message>
        <source>Edit Memory</source>
        <translation>Modifier la mémoire</translation>
    </message>
</context>
<context>
    <name>TMemoryMap</name>
    <message>
        <source>This is not a valid Memory Map file.</source>
        <translation>Ce fichier n&apos;est pas une image mémoire valide.</translation>
    </message>
    <message>
        <source>This Memory Map file is incomplete.</source>
        <translation>Ce fichier d&apos;image mémoire est incomplet.</translation>
    </message>
</context>
<context>
    <name>TNameMacroDialog</name>
    <message>
        <source>Name Macro</source>
        <translation>Nommer la macro</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texte</translation>
    </message>
    <message>
        <source>Name Macro can be used to display a more meaningful name when the &apos;Macro Name&apos; view option is selected from the parts centre main menu.</source>
        <translation>« Nommer la macro » permet d&apos;afficher un nom plus parlant lorsque l&apos;option d&apos;affichage « Nom de la macro » est choisie dans le menu principal du centre de composants.</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
</context>
<context>
    <name>TNumberOutDialog</name>
    <message>
        <source>Numeric Output</source>
        <translation>Afficheur numérique</translation>
    </message>
    <message>
        <source>Display Format</source>
        <translation>Format d&apos;affichage</translation>
    </message>
    <message>
        <source>Binary</source>
        <translation>Binaire</translation>
    </message>
    <message>
        <source>Hexadecimal</source>
        <translation>Hexadécimal</translation>
    </message>
    <message>
        <source>Decimal</source>
        <translation>Décimal</translation>
    </message>
    <message>
        <source>Two&apos;s complement interpretation</source>
        <translation>Interprétation en complément à deux</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Taille</translation>
    </message>
    <message>
        <source>Input Lines</source>
        <translation>Lignes d&apos;entrée</translation>
    </message>
    <message>
        <source>Example</source>
        <translation>Exemple</translation>
    </message>
    <message>
        <source>Suppress leading zero</source>
        <translation>Supprimer les zéros de tête</translation>
    </message>
    <message>
        <source>Connection pins at bottom</source>
        <translation>Broches de connexion en bas</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
</context>
<context>
    <name>TPartsForm</name>
    <message>
        <source>Parts Centre</source>
        <translation>Centre de composants</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>&amp;Filename</source>
        <translation>Nom de &amp;fichier</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;ide</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>&amp;Macro Name</source>
        <translation>Nom de la &amp;macro</translation>
    </message>
    <message>
        <source>&amp;Large Icons</source>
        <translation>&amp;Grandes icônes</translation>
    </message>
    <message>
        <source>&amp;Small Icons</source>
        <translation>&amp;Petites icônes</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>&amp;Barre d&apos;état</translation>
    </message>
    <message>
        <source>&amp;Help Topics...</source>
        <translation>&amp;Rubriques d&apos;aide...</translation>
    </message>
    <message>
        <source>Edit Macro</source>
        <translation>Modifier la macro</translation>
    </message>
    <message>
        <source>Up One Level</source>
        <translation>Niveau supérieur</translation>
    </message>
    <message>
        <source>Backspace</source>
        <translation>Backspace</translation>
    </message>
    <message>
        <source>Parts Centre Root</source>
        <translation>Racine du centre de composants</translation>
    </message>
    <message>
        <source>Change Drive</source>
        <translation>Changer de lecteur</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>Del</source>
        <translation>Del</translation>
    </message>
    <message>
        <source>Place in Circuit</source>
        <translation>Placer dans le circuit</translation>
    </message>
    <message>
        <source>&amp;Edit Macro</source>
        <translation>&amp;Modifier la macro</translation>
    </message>
    <message>
        <source>&amp;View Datasheet...</source>
        <translation>Afficher la fiche &amp;technique...</translation>
    </message>
    <message>
        <source>home</source>
        <translation>dossier personnel</translation>
    </message>
</context>
<context>
    <name>TPictureExport</name>
    <message>
        <source>Pictures are written as PNG, SVG or PDF files.</source>
        <translation>Les images sont enregistrées en fichiers PNG, SVG ou PDF.</translation>
    </message>
    <message>
        <source>The picture could not be written.</source>
        <translation>L&apos;image n&apos;a pas pu être enregistrée.</translation>
    </message>
</context>
<context>
    <name>TPreferencesDialog</name>
    <message>
        <source>Preferences</source>
        <translation>Préférences</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Fichiers</translation>
    </message>
    <message>
        <source>Autosave &amp;every</source>
        <translation>Sauvegarde automatique &amp;toutes les</translation>
    </message>
    <message>
        <source>How often a recovery copy of a circuit with unsaved changes is written</source>
        <translation>Fréquence d&apos;écriture d&apos;une copie de récupération d&apos;un circuit non enregistré</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Désactivée</translation>
    </message>
    <message>
        <source> seconds</source>
        <translation> secondes</translation>
    </message>
    <message>
        <source>&amp;Reopen last circuit on start-up</source>
        <translation>&amp;Rouvrir le dernier circuit au démarrage</translation>
    </message>
    <message>
        <source>Simulation</source>
        <translation>Simulation</translation>
    </message>
    <message>
        <source>Step &amp;Back remembers</source>
        <translation>Pas &amp;précédent mémorise</translation>
    </message>
    <message>
        <source>How many steps Step Back can go back</source>
        <translation>Nombre de pas que « Pas précédent » peut remonter</translation>
    </message>
    <message>
        <source> steps</source>
        <translation> pas</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;ide</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Langue</translation>
    </message>
    <message>
        <source>The language of the menus, windows and messages</source>
        <translation>La langue des menus, des fenêtres et des messages</translation>
    </message>
    <message>
        <source>Menus and windows change at once; some messages change when Logivane starts again.</source>
        <translation>Les menus et les fenêtres changent tout de suite ; certains messages changent au prochain démarrage de Logivane.</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Apparence</translation>
    </message>
    <message>
        <source>&amp;Theme</source>
        <translation>Thè&amp;me</translation>
    </message>
    <message>
        <source>The colours of the windows and the drawing; printouts and pictures stay light</source>
        <translation>Les couleurs des fenêtres et du dessin ; les impressions et les images restent claires</translation>
    </message>
    <message>
        <source>System</source>
        <comment>theme that follows the desktop&apos;s colours</comment>
        <translation>Système</translation>
    </message>
    <message>
        <source>Light</source>
        <comment>theme</comment>
        <translation>Clair</translation>
    </message>
    <message>
        <source>Dark</source>
        <comment>theme</comment>
        <translation>Sombre</translation>
    </message>
</context>
<context>
    <name>TPrintPreview</name>
    <message>
        <source>Logivane - Print Preview</source>
        <translation>Logivane - Aperçu avant impression</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>Aperçu avant impression</translation>
    </message>
    <message>
        <source>Print Set&amp;up...</source>
        <translation>Mise en &amp;page...</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Imprimer</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Ctrl+P</source>
        <translation>Ctrl+P</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
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
        <translation>Centrer l&apos;image</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation>Portrait</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>Paysage</translation>
    </message>
</context>
<context>
    <name>TRecoveryCommands</name>
    <message>
        <source>1 day</source>
        <translation>1 jour</translation>
    </message>
    <message>
        <source>%1 days</source>
        <translation>%1 jours</translation>
    </message>
    <message>
        <source>1 hour</source>
        <translation>1 heure</translation>
    </message>
    <message>
        <source>%1 hours</source>
        <translation>%1 heures</translation>
    </message>
    <message>
        <source>1 minute</source>
        <translation>1 minute</translation>
    </message>
    <message>
        <source>%1 minutes</source>
        <translation>%1 minutes</translation>
    </message>
    <message>
        <source>1 second</source>
        <translation>1 seconde</translation>
    </message>
    <message>
        <source>%1 seconds</source>
        <translation>%1 secondes</translation>
    </message>
    <message>
        <source>never saved</source>
        <translation>jamais enregistré</translation>
    </message>
    <message>
        <source>the file is missing</source>
        <translation>le fichier est introuvable</translation>
    </message>
    <message>
        <source>%1 newer than the file</source>
        <translation>%1 plus récente que le fichier</translation>
    </message>
    <message>
        <source>%1 older than the file</source>
        <translation>%1 plus ancienne que le fichier</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Sans titre</translation>
    </message>
    <message>
        <source>Another Logivane has taken the recovery copy of &quot;%1&quot; already.</source>
        <translation>Une autre instance de Logivane a déjà pris la copie de récupération de « %1 ».</translation>
    </message>
</context>
<context>
    <name>TRecoveryDialog</name>
    <message>
        <source>Recover Circuits</source>
        <translation>Récupérer des circuits</translation>
    </message>
    <message>
        <source>Logivane stopped before these circuits were saved. Their unsaved work was copied for recovery.</source>
        <translation>Logivane s&apos;est arrêté avant l&apos;enregistrement de ces circuits. Le travail non enregistré a été copié pour pouvoir être récupéré.</translation>
    </message>
    <message>
        <source>Circuit</source>
        <translation>Circuit</translation>
    </message>
    <message>
        <source>Copied</source>
        <translation>Copié</translation>
    </message>
    <message>
        <source>Compared with the file</source>
        <translation>Par rapport au fichier</translation>
    </message>
    <message>
        <source>&amp;Recover</source>
        <translation>&amp;Récupérer</translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation>&amp;Abandonner</translation>
    </message>
    <message>
        <source>&amp;Later</source>
        <translation>Plus &amp;tard</translation>
    </message>
</context>
<context>
    <name>TRecoveryFolder</name>
    <message>
        <source>cannot create the folder</source>
        <translation>impossible de créer le dossier</translation>
    </message>
    <message>
        <source>Its side file is damaged.</source>
        <translation>Son fichier d&apos;accompagnement est endommagé.</translation>
    </message>
    <message>
        <source>Its side file is missing.</source>
        <translation>Son fichier d&apos;accompagnement est introuvable.</translation>
    </message>
    <message>
        <source>The copy is missing.</source>
        <translation>La copie est introuvable.</translation>
    </message>
</context>
<context>
    <name>TRenameDialog</name>
    <message>
        <source>Edit Text</source>
        <translation>Modifier le texte</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texte</translation>
    </message>
    <message>
        <source>Overbar</source>
        <translation>Barre au-dessus</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
</context>
<context>
    <name>TRunCommands</name>
    <message>
        <source>Stopped: press Run (F9) or Step Circuit (F12) to see the effect</source>
        <translation>Arrêté : appuyez sur Lancer (F9) ou Pas suivant (F12) pour voir l&apos;effet</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Arrêté</translation>
    </message>
    <message>
        <source>Paused · cycle %1</source>
        <translation>En pause · cycle %1</translation>
    </message>
    <message>
        <source>Running · cycle %1</source>
        <translation>En marche · cycle %1</translation>
    </message>
</context>
<context>
    <name>TRunControl</name>
    <message>
        <source>Bus contention, process halted</source>
        <translation>Conflit de bus, simulation arrêtée</translation>
    </message>
    <message>
        <source>Bus contention at higher level</source>
        <translation>Conflit de bus à un niveau supérieur</translation>
    </message>
    <message>
        <source>Race condition, process halted</source>
        <translation>Situation de course, simulation arrêtée</translation>
    </message>
    <message>
        <source>Race condition at higher level</source>
        <translation>Situation de course à un niveau supérieur</translation>
    </message>
</context>
<context>
    <name>TTemplateForm</name>
    <message>
        <source>Template Editor</source>
        <translation>Éditeur de modèles</translation>
    </message>
</context>
<context>
    <name>TTestTable</name>
    <message>
        <source>expected &apos;)&apos;</source>
        <translation>&apos;)&apos; attendu</translation>
    </message>
    <message>
        <source>expected one of %1, 0, 1, &apos;~&apos; or &apos;(&apos; in the expression</source>
        <translation>%1, 0, 1, &apos;~&apos; ou &apos;(&apos; attendu dans l&apos;expression</translation>
    </message>
    <message>
        <source>expected the header: input names, &apos;|&apos;, output names</source>
        <translation>en-tête attendu : noms des entrées, &apos;|&apos;, noms des sorties</translation>
    </message>
    <message>
        <source>expected a row after the header</source>
        <translation>ligne attendue après l&apos;en-tête</translation>
    </message>
    <message>
        <source>expected one &apos;|&apos; in the header</source>
        <translation>un seul &apos;|&apos; attendu dans l&apos;en-tête</translation>
    </message>
    <message>
        <source>expected an output name after &apos;|&apos;</source>
        <translation>nom de sortie attendu après &apos;|&apos;</translation>
    </message>
    <message>
        <source>&apos;%1&apos; appears twice in the header</source>
        <translation>&apos;%1&apos; apparaît deux fois dans l&apos;en-tête</translation>
    </message>
    <message>
        <source>expected an indented block of rows after &apos;repeat&apos;</source>
        <translation>bloc de lignes indenté attendu après &apos;repeat&apos;</translation>
    </message>
    <message>
        <source>expected a whole number from 1 to %1 after &apos;%2&apos;</source>
        <translation>nombre entier de 1 à %1 attendu après &apos;%2&apos;</translation>
    </message>
    <message>
        <source>expected nothing more after &apos;%1 %2&apos;</source>
        <translation>rien d&apos;autre attendu après &apos;%1 %2&apos;</translation>
    </message>
    <message>
        <source>expected at most %1 rows in all</source>
        <translation>au plus %1 lignes au total attendues</translation>
    </message>
    <message>
        <source>expected &apos;|&apos; between the inputs and the outputs</source>
        <translation>&apos;|&apos; attendu entre les entrées et les sorties</translation>
    </message>
    <message>
        <source>expected one &apos;|&apos; in a row</source>
        <translation>un seul &apos;|&apos; attendu par ligne</translation>
    </message>
    <message>
        <source>expected &apos;(&apos; after &apos;bits&apos;</source>
        <translation>&apos;(&apos; attendu après &apos;bits&apos;</translation>
    </message>
    <message>
        <source>expected an input name of the header or &apos;)&apos;</source>
        <translation>nom d&apos;entrée de l&apos;en-tête ou &apos;)&apos; attendu</translation>
    </message>
    <message>
        <source>&apos;%1&apos; appears twice in bits(...)</source>
        <translation>&apos;%1&apos; apparaît deux fois dans bits(...)</translation>
    </message>
    <message>
        <source>expected at most %1 names in bits(...)</source>
        <translation>au plus %1 noms attendus dans bits(...)</translation>
    </message>
    <message>
        <source>expected an input name of the header</source>
        <translation>nom d&apos;entrée de l&apos;en-tête attendu</translation>
    </message>
    <message>
        <source>expected &apos;|&apos; after bits(...)</source>
        <translation>&apos;|&apos; attendu après bits(...)</translation>
    </message>
    <message>
        <source>expected %1 output values after &apos;|&apos;, found more</source>
        <translation>%1 valeurs de sortie attendues après &apos;|&apos;, davantage trouvées</translation>
    </message>
    <message>
        <source>expected 0, 1, X or C for input &apos;%1&apos;</source>
        <translation>0, 1, X ou C attendu pour l&apos;entrée &apos;%1&apos;</translation>
    </message>
    <message>
        <source>expected a number below 2^32 for output &apos;%1&apos;</source>
        <translation>nombre inférieur à 2^32 attendu pour la sortie &apos;%1&apos;</translation>
    </message>
    <message>
        <source>expected 0, 1, X or a number for output &apos;%1&apos;; C pulses inputs only</source>
        <translation>0, 1, X ou un nombre attendu pour la sortie &apos;%1&apos; ; C ne s&apos;applique qu&apos;aux entrées</translation>
    </message>
    <message>
        <source>expected 0, 1, X or a number for output &apos;%1&apos;</source>
        <translation>0, 1, X ou un nombre attendu pour la sortie &apos;%1&apos;</translation>
    </message>
    <message>
        <source>expected %1 output values after &apos;|&apos;, found %2</source>
        <translation>%1 valeurs de sortie attendues après &apos;|&apos;, %2 trouvées</translation>
    </message>
    <message>
        <source>expected %1 input values before &apos;|&apos;, found %2</source>
        <translation>%1 valeurs d&apos;entrée attendues avant &apos;|&apos;, %2 trouvées</translation>
    </message>
    <message>
        <source>input tag</source>
        <translation>étiquette d&apos;entrée</translation>
    </message>
    <message>
        <source>output tag</source>
        <translation>étiquette de sortie</translation>
    </message>
    <message>
        <source>bidirectional tag</source>
        <translation>étiquette bidirectionnelle</translation>
    </message>
    <message>
        <source>tag without a direction</source>
        <translation>étiquette sans direction</translation>
    </message>
    <message>
        <source>&apos;%1&apos; names %2 devices</source>
        <translation>&apos;%1&apos; désigne %2 composants</translation>
    </message>
    <message>
        <source>&apos;%1&apos; names the %2; expected %3, or %4</source>
        <translation>&apos;%1&apos; désigne : %2 ; attendu : %3 ou %4</translation>
    </message>
    <message>
        <source>&apos;%1&apos; names no device at the top level; expected the label of %2, or tagN</source>
        <translation>&apos;%1&apos; ne désigne aucun composant au niveau supérieur ; attendu : le libellé de %2, ou tagN</translation>
    </message>
    <message>
        <source>expected 0, 1 or X for &apos;%1&apos;, which shows one bit</source>
        <translation>0, 1 ou X attendu pour &apos;%1&apos;, qui affiche un seul bit</translation>
    </message>
    <message>
        <source>%1 does not fit the %2-bit display &apos;%3&apos; (0 to %4)</source>
        <translation>%1 ne tient pas dans l&apos;afficheur %2 bits &apos;%3&apos; (0 à %4)</translation>
    </message>
    <message>
        <source>an interactive input, a switch or a push button</source>
        <translation>une entrée interactive, un interrupteur ou un bouton-poussoir</translation>
    </message>
    <message>
        <source>an input tag</source>
        <translation>une étiquette d&apos;entrée</translation>
    </message>
    <message>
        <source>an LED or a numeric display</source>
        <translation>une DEL ou un afficheur numérique</translation>
    </message>
    <message>
        <source>an output tag</source>
        <translation>une étiquette de sortie</translation>
    </message>
    <message>
        <source>Unable to read the test table &apos;%1&apos;: %2</source>
        <translation>Impossible de lire la table de test &apos;%1&apos; : %2</translation>
    </message>
    <message>
        <source>The test table &apos;%1&apos; is not UTF-8 text.</source>
        <translation>La table de test &apos;%1&apos; n&apos;est pas un texte UTF-8.</translation>
    </message>
</context>
<context>
    <name>TTestTableCommands</name>
    <message>
        <source>The test table &quot;%1&quot; could not be written.
%2</source>
        <translation>La table de test « %1 » n&apos;a pas pu être enregistrée.
%2</translation>
    </message>
    <message>
        <source>The test table has changed, save it beside the circuit?</source>
        <translation>La table de test a été modifiée. L&apos;enregistrer à côté du circuit ?</translation>
    </message>
</context>
<context>
    <name>TTestTableWindow</name>
    <message>
        <source>Test Table</source>
        <translation>Table de test</translation>
    </message>
    <message>
        <source>&amp;Table:</source>
        <translation>&amp;Table :</translation>
    </message>
    <message>
        <source>&amp;Errors:</source>
        <translation>&amp;Erreurs :</translation>
    </message>
    <message>
        <source>Click an error to go to its place in the table</source>
        <translation>Cliquez sur une erreur pour aller à sa place dans la table</translation>
    </message>
    <message>
        <source>Ro&amp;ws:</source>
        <translation>&amp;Lignes :</translation>
    </message>
    <message>
        <source>&amp;Run Tests</source>
        <translation>&amp;Lancer les tests</translation>
    </message>
    <message>
        <source>Run every row on a copy of the circuit (F8)</source>
        <translation>Exécuter chaque ligne sur une copie du circuit (F8)</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;ide</translation>
    </message>
    <message>
        <source>F8</source>
        <translation>F8</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>&amp;Help Topics...</source>
        <translation>&amp;Rubriques d&apos;aide...</translation>
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
        <translation>Valeurs séparées par des virgules (*.csv)</translation>
    </message>
    <message>
        <source>WaveDrom Files (*.json)</source>
        <translation>Fichiers WaveDrom (*.json)</translation>
    </message>
    <message>
        <source>Export Logic History</source>
        <translation>Exporter le chronogramme</translation>
    </message>
    <message>
        <source>Cycle Length </source>
        <translation>Longueur de cycle </translation>
    </message>
    <message>
        <source>Clock Cycle Range</source>
        <translation>Plage de cycles d&apos;horloge</translation>
    </message>
    <message>
        <source>Cycle %1 completed</source>
        <translation>Cycle %1 terminé</translation>
    </message>
    <message>
        <source>There are no recorded samples to export. Run or step the circuit first.</source>
        <translation>Aucun échantillon enregistré à exporter. Lancez le circuit ou avancez pas à pas d&apos;abord.</translation>
    </message>
    <message>
        <source>The Logic History could not be written to %1:
%2</source>
        <translation>Le chronogramme n&apos;a pas pu être enregistré dans %1 :
%2</translation>
    </message>
</context>
<context>
    <name>logivane::TAutosave</name>
    <message>
        <source>Your unsaved work could not be copied for recovery: %1</source>
        <translation>Votre travail non enregistré n&apos;a pas pu être copié pour récupération : %1</translation>
    </message>
</context>
<context>
    <name>logivane::TCircuitDocument</name>
    <message>
        <source>Insert Macro</source>
        <translation>Insérer une macro</translation>
    </message>
</context>
<context>
    <name>logivane::TEditContentsDialog</name>
    <message>
        <source>Memory Files (*.map)</source>
        <translation>Fichiers mémoire (*.map)</translation>
    </message>
    <message>
        <source>Open Memory Map</source>
        <translation>Ouvrir une image mémoire</translation>
    </message>
    <message>
        <source>Save Memory Map</source>
        <translation>Enregistrer l&apos;image mémoire</translation>
    </message>
    <message>
        <source>This is not a valid Memory Map file.</source>
        <translation>Ce fichier n&apos;est pas une image mémoire valide.</translation>
    </message>
    <message>
        <source>This Memory Map file holds fewer words than it says. The memory was left as it was.</source>
        <translation>Ce fichier d&apos;image mémoire contient moins de mots qu&apos;il n&apos;en annonce. La mémoire n&apos;a pas été modifiée.</translation>
    </message>
    <message>
        <source>The Memory Map file could not be read: %1</source>
        <translation>Le fichier d&apos;image mémoire n&apos;a pas pu être lu : %1</translation>
    </message>
    <message>
        <source>Clear all memory contents?</source>
        <translation>Effacer tout le contenu de la mémoire ?</translation>
    </message>
    <message>
        <source>The Memory Map file could not be saved: %1</source>
        <translation>Le fichier d&apos;image mémoire n&apos;a pas pu être enregistré : %1</translation>
    </message>
    <message>
        <source>Intel HEX Files (*.hex *.ihx)</source>
        <translation>Fichiers Intel HEX (*.hex *.ihx)</translation>
    </message>
    <message>
        <source>Binary Files (*.bin)</source>
        <translation>Fichiers binaires (*.bin)</translation>
    </message>
    <message>
        <source>All Memory Files (*.map *.hex *.ihx *.bin)</source>
        <translation>Tous les fichiers mémoire (*.map *.hex *.ihx *.bin)</translation>
    </message>
    <message>
        <source>%1
The memory was left as it was.</source>
        <translation>%1
La mémoire n’a pas été modifiée.</translation>
    </message>
</context>
<context>
    <name>logivane::TEditHistory</name>
    <message>
        <source>Edit</source>
        <extracomment>A change of the circuit, named in Undo</extracomment>
        <translation>Modification</translation>
    </message>
</context>
<context>
    <name>logivane::TEditTextDialog</name>
    <message>
        <source>Text - %1 points</source>
        <translation>Texte - %1 points</translation>
    </message>
</context>
<context>
    <name>logivane::THelpWindow</name>
    <message>
        <source>Logivane Help</source>
        <translation>Aide de Logivane</translation>
    </message>
    <message>
        <source>Navigation</source>
        <translation>Navigation</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Précédent</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>&amp;Suivant</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>Som&amp;maire</translation>
    </message>
    <message>
        <source>Unable to open the help file &quot;%1&quot;.</source>
        <translation>Impossible d&apos;ouvrir le fichier d&apos;aide « %1 ».</translation>
    </message>
    <message>
        <source>The help topic &quot;%1&quot; is not in the help file &quot;%2&quot;.</source>
        <translation>La rubrique d&apos;aide « %1 » ne figure pas dans le fichier d&apos;aide « %2 ».</translation>
    </message>
    <message>
        <source>(contents)</source>
        <translation>(sommaire)</translation>
    </message>
</context>
<context>
    <name>logivane::TLogivaneDrawing</name>
    <message>
        <source>Unable to copy object to clipboard.</source>
        <translation>Impossible de copier l&apos;objet dans le presse-papiers.</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Couper</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Coller</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Suppression</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>Placement</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Déplacement</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>Rotation</translation>
    </message>
    <message>
        <source>Resize</source>
        <translation>Redimensionnement</translation>
    </message>
    <message>
        <source>Move Vertex</source>
        <translation>Déplacement de sommet</translation>
    </message>
    <message>
        <source>Draw</source>
        <translation>Dessin</translation>
    </message>
    <message>
        <source>Interaction</source>
        <extracomment>The change made by clicking a switch or input, named in Undo</extracomment>
        <translation>Interaction</translation>
    </message>
    <message>
        <source>Unable to connect two outputs</source>
        <translation>Impossible de relier deux sorties</translation>
    </message>
    <message>
        <source>Wire</source>
        <translation>Câblage</translation>
    </message>
</context>
<context>
    <name>logivane::TMainForm</name>
    <message>
        <source>Annotation</source>
        <translation>Annotation</translation>
    </message>
    <message>
        <source>Use the left mouse button to finish wiring</source>
        <translation>Cliquez avec le bouton gauche pour terminer le câblage</translation>
    </message>
    <message>
        <source>Use the left mouse button to begin wiring</source>
        <translation>Cliquez avec le bouton gauche pour commencer le câblage</translation>
    </message>
    <message>
        <source> - pin %1 available.</source>
        <translation> - broche %1 disponible.</translation>
    </message>
    <message>
        <source>Use the left mouse button to change device state</source>
        <translation>Cliquez avec le bouton gauche pour changer l&apos;état du composant</translation>
    </message>
    <message>
        <source>Are you sure you want to delete this object?</source>
        <translation>Voulez-vous vraiment supprimer cet objet ?</translation>
    </message>
    <message>
        <source>Are you sure you want to delete all of the selected objects?</source>
        <translation>Voulez-vous vraiment supprimer tous les objets sélectionnés ?</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Sans titre</translation>
    </message>
    <message>
        <source>Circuit has changed, save current circuit?</source>
        <translation>Le circuit a été modifié. Enregistrer le circuit actuel ?</translation>
    </message>
    <message>
        <source>This action will save to file the circuit at its current level, not its root level.  Do you want to proceed?</source>
        <translation>Cette action enregistre dans le fichier le circuit du niveau actuel, et non celui du niveau principal. Voulez-vous continuer ?</translation>
    </message>
    <message>
        <source>&quot;%1&quot; comes with Logivane and stays as it was shipped, so that the next user finds it unchanged. Save your circuit under a name of your own.</source>
        <translation>« %1 » est fourni avec Logivane et reste tel qu&apos;il a été livré, pour que l&apos;utilisateur suivant le trouve intact. Enregistrez votre circuit sous un nom de votre choix.</translation>
    </message>
    <message>
        <source>Datasheet available</source>
        <translation>Fiche technique disponible</translation>
    </message>
    <message>
        <source>There is nothing to picture.</source>
        <translation>Il n&apos;y a rien à représenter.</translation>
    </message>
    <message>
        <source>Unable to write the picture %1.</source>
        <translation>Impossible d&apos;enregistrer l&apos;image %1.</translation>
    </message>
    <message>
        <source>Macro Files (*.lvm)</source>
        <translation>Fichiers de macro (*.lvm)</translation>
    </message>
    <message>
        <source>Open Circuit</source>
        <translation>Ouvrir un circuit</translation>
    </message>
    <message>
        <source>Save Circuit</source>
        <translation>Enregistrer le circuit</translation>
    </message>
    <message>
        <source>Export Picture</source>
        <translation>Exporter l&apos;image</translation>
    </message>
    <message>
        <source>PNG Images (*.png);;SVG Drawings (*.svg);;PDF Documents (*.pdf)</source>
        <translation>Images PNG (*.png);;Dessins SVG (*.svg);;Documents PDF (*.pdf)</translation>
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
        <translation>Contenu</translation>
    </message>
</context>
<context>
    <name>logivane::TPartsForm</name>
    <message>
        <source>Are you sure you want to delete this macro?</source>
        <translation>Voulez-vous vraiment supprimer cette macro ?</translation>
    </message>
    <message>
        <source>The macro could not be deleted.</source>
        <translation>La macro n&apos;a pas pu être supprimée.</translation>
    </message>
</context>
<context>
    <name>logivane::TPreferencesDialog</name>
    <message>
        <source>System default</source>
        <translation>Langue du système</translation>
    </message>
</context>
<context>
    <name>logivane::TPrintPreview</name>
    <message>
        <source>The circuit could not be printed. Check that the printer is switched on and ready, then try again.</source>
        <translation>Le circuit n&apos;a pas pu être imprimé. Vérifiez que l&apos;imprimante est allumée et prête, puis réessayez.</translation>
    </message>
</context>
<context>
    <name>logivane::TRecoveryDialog</name>
    <message>
        <source>These copies cannot be read and can only be discarded: %1</source>
        <translation>Ces copies sont illisibles et ne peuvent qu&apos;être abandonnées : %1</translation>
    </message>
</context>
<context>
    <name>logivane::TTemplateForm</name>
    <message>
        <source>Template Files (*.lvt)</source>
        <translation>Fichiers de modèle (*.lvt)</translation>
    </message>
    <message>
        <source>Open Template</source>
        <translation>Ouvrir un modèle</translation>
    </message>
    <message>
        <source>Save Template</source>
        <translation>Enregistrer le modèle</translation>
    </message>
    <message>
        <source>Template has changed, save current drawing?</source>
        <translation>Le modèle a été modifié. Enregistrer le dessin actuel ?</translation>
    </message>
    <message>
        <source>Double click mouse to terminate polygon</source>
        <translation>Double-cliquez pour terminer le polygone</translation>
    </message>
    <message>
        <source>Double click mouse to terminate polyline</source>
        <translation>Double-cliquez pour terminer la ligne brisée</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nouveau</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Ouvrir...</translation>
    </message>
    <message>
        <source>&amp;Save...</source>
        <translation>&amp;Enregistrer...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>É&amp;dition</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Co&amp;uper</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>C&amp;oller</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>&amp;Select All</source>
        <translation>&amp;Tout sélectionner</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>&amp;Show Grid</source>
        <translation>Afficher la &amp;grille</translation>
    </message>
    <message>
        <source>S&amp;nap To Grid</source>
        <translation>Al&amp;igner sur la grille</translation>
    </message>
    <message>
        <source>&amp;Grid Setup...</source>
        <translation>&amp;Réglages de la grille...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;ide</translation>
    </message>
    <message>
        <source>&amp;Help Topics...</source>
        <translation>&amp;Rubriques d&apos;aide...</translation>
    </message>
    <message>
        <source>Object Selector</source>
        <translation>Sélection d&apos;objets</translation>
    </message>
    <message>
        <source>Pin</source>
        <translation>Broche</translation>
    </message>
    <message>
        <source>Circle</source>
        <translation>Cercle</translation>
    </message>
    <message>
        <source>Annotation</source>
        <translation>Annotation</translation>
    </message>
    <message>
        <source>Polygon</source>
        <translation>Polygone</translation>
    </message>
    <message>
        <source>Polyline</source>
        <translation>Ligne brisée</translation>
    </message>
    <message>
        <source>Toggle Display Pins</source>
        <translation>Afficher/masquer les broches</translation>
    </message>
    <message>
        <source>&amp;Edit Annotation...</source>
        <translation>Modifier l&apos;&amp;annotation...</translation>
    </message>
    <message>
        <source>&amp;Associate With Tag</source>
        <translation>&amp;Associer à une étiquette</translation>
    </message>
    <message>
        <source>&amp;Pen Colour...</source>
        <translation>Couleur du &amp;trait...</translation>
    </message>
    <message>
        <source>&amp;Brush Colour...</source>
        <translation>Couleur de &amp;remplissage...</translation>
    </message>
    <message>
        <source>&amp;Edit Points</source>
        <translation>&amp;Modifier les points</translation>
    </message>
    <message>
        <source>&amp;Bring To Front</source>
        <translation>Mettre au &amp;premier plan</translation>
    </message>
    <message>
        <source>&amp;Send To Back</source>
        <translation>Mettre à l&apos;a&amp;rrière-plan</translation>
    </message>
    <message>
        <source>Pin %1 Selected</source>
        <translation>Broche %1 sélectionnée</translation>
    </message>
    <message>
        <source>Are you sure you want to delete all of the selected objects?</source>
        <translation>Voulez-vous vraiment supprimer tous les objets sélectionnés ?</translation>
    </message>
    <message>
        <source>Are you sure you want to delete this object?</source>
        <translation>Voulez-vous vraiment supprimer cet objet ?</translation>
    </message>
</context>
<context>
    <name>logivane::TTestTableGrid</name>
    <message>
        <source>Line</source>
        <translation>Ligne</translation>
    </message>
    <message>
        <source>expected %1, got %2</source>
        <translation>%1 attendu, %2 obtenu</translation>
    </message>
</context>
<context>
    <name>logivane::TTestTableWindow</name>
    <message>
        <source>The table has errors: no row was run</source>
        <translation>La table contient des erreurs : aucune ligne n&apos;a été exécutée</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>ligne %1 : %2</translation>
    </message>
</context>
<context>
    <name>logivane::TUndoCommands</name>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Annuler : %1</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Rétablir : %1</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rétablir</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>Annuler : %1</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>Rétablir : %1</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rétablir</translation>
    </message>
</context>
</TS>
