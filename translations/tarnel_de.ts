<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>CAbbreviationExpander</name>
    <message>
        <source>Emmet is missing from this build.</source>
        <translation>Emmet fehlt in diesem Build.</translation>
    </message>
    <message>
        <source>Emmet did not start: %1</source>
        <translation>Emmet ist nicht gestartet: %1</translation>
    </message>
    <message>
        <source>There is no abbreviation at the caret.</source>
        <translation>An der Einfügemarke steht keine Abkürzung.</translation>
    </message>
    <message>
        <source>The abbreviation cannot be expanded: %1</source>
        <translation>Die Abkürzung lässt sich nicht erweitern: %1</translation>
    </message>
</context>
<context>
    <name>CAboutDlg</name>
    <message>
        <source>About Tarnel</source>
        <translation>Über Tarnel</translation>
    </message>
    <message>
        <source>Tarnel Version 1.0</source>
        <translation>Tarnel Version 1.0</translation>
    </message>
    <message>
        <source>A small editor for single HTML pages.</source>
        <translation>Ein kleiner Editor für einzelne HTML-Seiten.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>CChildFrame</name>
    <message>
        <source>%1 [read-only]</source>
        <translation>%1 [schreibgeschützt]</translation>
    </message>
    <message>
        <source>Text is edited in the live preview: open it with F12</source>
        <translation>Text wird in der Live-Vorschau bearbeitet: öffnen Sie sie mit F12</translation>
    </message>
    <message>
        <source>The page is read-only: the text edited was not written.</source>
        <translation>Die Seite ist schreibgeschützt: der bearbeitete Text wurde nicht geschrieben.</translation>
    </message>
</context>
<context>
    <name>CColourSwatches</name>
    <message>
        <source>Colour</source>
        <translation>Farbe</translation>
    </message>
</context>
<context>
    <name>CControlsDlg</name>
    <message>
        <source>Add New Control</source>
        <translation>Neues Steuerelement hinzufügen</translation>
    </message>
</context>
<context>
    <name>CDocManager</name>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>HTML Files (*.htm *.html);;All Files (*)</source>
        <translation>HTML-Dateien (*.htm *.html);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Editor</source>
        <translation>Editor</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Speichern unter</translation>
    </message>
    <message>
        <source>HTML Files (*.htm)</source>
        <translation>HTML-Dateien (*.htm)</translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <translation>Änderungen an %1 speichern?</translation>
    </message>
    <message>
        <source>The editor stopped without saving the changes to %1.
Restore the unsaved text?</source>
        <translation>Der Editor wurde beendet, ohne die Änderungen an %1 zu speichern.
Den ungespeicherten Text wiederherstellen?</translation>
    </message>
    <message>
        <source>%1

This file was changed by another program. Reload it?</source>
        <translation>%1

Diese Datei wurde von einem anderen Programm geändert. Neu laden?</translation>
    </message>
    <message>
        <source>
Your unsaved changes in the editor would be lost.</source>
        <translation>
Ihre ungespeicherten Änderungen im Editor gingen dabei verloren.</translation>
    </message>
    <message>
        <source>%1

This file was changed by another program since it was opened. Save over it?</source>
        <translation>%1

Diese Datei wurde seit dem Öffnen von einem anderen Programm geändert. Trotzdem überschreiben?</translation>
    </message>
    <message>
        <source>Opening %1 (%2 MB)...</source>
        <translation>%1 wird geöffnet (%2 MB)...</translation>
    </message>
    <message>
        <source>

The text is still in the editor. Save it elsewhere?</source>
        <translation>

Der Text ist noch im Editor. An anderer Stelle speichern?</translation>
    </message>
    <message>
        <source>Save As...</source>
        <translation>Speichern unter...</translation>
    </message>
    <message>
        <source>%1

This file was deleted or moved by another program.
Save As writes the page elsewhere; Keep leaves its text in the editor, and Save then writes the file here again; Close discards it.</source>
        <translation>%1

Diese Datei wurde von einem anderen Programm gelöscht oder verschoben.
Speichern unter schreibt die Seite an eine andere Stelle; Behalten lässt ihren Text im Editor, und Speichern legt die Datei dann hier wieder an; Schließen verwirft sie.</translation>
    </message>
    <message>
        <source>Keep</source>
        <translation>Behalten</translation>
    </message>
</context>
<context>
    <name>CFileDrops</name>
    <message>
        <source>%1 is a folder.</source>
        <translation>%1 ist ein Ordner.</translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>%1 is neither a page, a picture nor a text file.</source>
        <translation>%1 ist weder eine Seite noch ein Bild noch eine Textdatei.</translation>
    </message>
</context>
<context>
    <name>CFindReplaceDlg</name>
    <message>
        <source>Replace</source>
        <translation>Ersetzen</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Fi&amp;nd what:</source>
        <translation>&amp;Suchen nach:</translation>
    </message>
    <message>
        <source>Re&amp;place with:</source>
        <translation>E&amp;rsetzen durch:</translation>
    </message>
    <message>
        <source>Match &amp;whole word only</source>
        <translation>Nur &amp;ganzes Wort</translation>
    </message>
    <message>
        <source>Match &amp;case</source>
        <translation>Groß-/&amp;Kleinschreibung beachten</translation>
    </message>
    <message>
        <source>Regular e&amp;xpression</source>
        <translation>Regulärer &amp;Ausdruck</translation>
    </message>
    <message>
        <source>ECMAScript syntax; \1 to \9 in the replacement stand for the groups</source>
        <translation>ECMAScript-Syntax; \1 bis \9 stehen in der Ersetzung für die Gruppen</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>Richtung</translation>
    </message>
    <message>
        <source>&amp;Up</source>
        <translation>Nach &amp;oben</translation>
    </message>
    <message>
        <source>&amp;Down</source>
        <translation>Nach &amp;unten</translation>
    </message>
    <message>
        <source>&amp;Find Next</source>
        <translation>&amp;Weitersuchen</translation>
    </message>
    <message>
        <source>&amp;Replace</source>
        <translation>&amp;Ersetzen</translation>
    </message>
    <message>
        <source>Replace &amp;All</source>
        <translation>&amp;Alle ersetzen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message numerus="yes">
        <source>Replaced %n occurrence(s)</source>
        <translation>
            <numerusform>%n Vorkommen ersetzt</numerusform>
            <numerusform>%n Vorkommen ersetzt</numerusform>
        </translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a regular expression.</source>
        <translation>„%1“ ist kein regulärer Ausdruck.</translation>
    </message>
    <message>
        <source>Cannot find the string &apos;%1&apos;.</source>
        <translation>Die Zeichenfolge „%1“ wurde nicht gefunden.</translation>
    </message>
</context>
<context>
    <name>CFindingMarks</name>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>CFontDlg</name>
    <message>
        <source>FontColor</source>
        <translation>Schriftfarbe</translation>
    </message>
    <message>
        <source>Background Color</source>
        <translation>Hintergrundfarbe</translation>
    </message>
</context>
<context>
    <name>CFormDlg</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Editor</source>
        <translation>Editor</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
</context>
<context>
    <name>CImgDlg</name>
    <message>
        <source>Video</source>
        <translation>Video</translation>
    </message>
</context>
<context>
    <name>CKeysPage</name>
    <message>
        <source>C&amp;lear</source>
        <translation>&amp;Leeren</translation>
    </message>
    <message>
        <source>&amp;Reset to Defaults</source>
        <translation>&amp;Standard wiederherstellen</translation>
    </message>
    <message>
        <source>Command</source>
        <translation>Befehl</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Tasten</translation>
    </message>
    <message>
        <source>&amp;Press the new key:</source>
        <translation>Neue Taste &amp;drücken:</translation>
    </message>
    <message>
        <source>%1 is a key for typing; give a command a key with Ctrl, Alt or a function key.</source>
        <translation>%1 ist eine Taste zum Schreiben; geben Sie einem Befehl eine Taste mit Strg, Alt oder eine Funktionstaste.</translation>
    </message>
    <message>
        <source>%1 was %2&apos;s key; %2 now has none.</source>
        <translation>%1 war die Taste von %2; %2 hat jetzt keine.</translation>
    </message>
    <message>
        <source>%1 was %2&apos;s key; %2 keeps %3.</source>
        <translation>%1 war die Taste von %2; %2 behält %3.</translation>
    </message>
    <message>
        <source>Every command has its own keys again.</source>
        <translation>Jeder Befehl hat wieder seine eigenen Tasten.</translation>
    </message>
</context>
<context>
    <name>CLivePreview</name>
    <message>
        <source>The page keeps the live preview busy; it shows the text as it was.</source>
        <translation>Die Seite hält die Live-Vorschau beschäftigt; sie zeigt den Text, wie er war.</translation>
    </message>
    <message>
        <source>The live preview could not show the page.</source>
        <translation>Die Live-Vorschau konnte die Seite nicht anzeigen.</translation>
    </message>
    <message>
        <source>This element has no text to edit here.</source>
        <translation>Dieses Element hat hier keinen Text zum Bearbeiten.</translation>
    </message>
    <message>
        <source>This text cannot be edited here: its element&apos;s end tag is not written.</source>
        <translation>Dieser Text kann hier nicht bearbeitet werden: das End-Tag seines Elements ist nicht geschrieben.</translation>
    </message>
    <message>
        <source>This text cannot be edited here: it holds markup.</source>
        <translation>Dieser Text kann hier nicht bearbeitet werden: er enthält Auszeichnungen.</translation>
    </message>
    <message>
        <source>This text cannot be edited here: it holds a character reference to edit in the source.</source>
        <translation>Dieser Text kann hier nicht bearbeitet werden: er enthält eine Zeichenreferenz, die im Quelltext zu bearbeiten ist.</translation>
    </message>
    <message>
        <source>This text cannot be edited here: the page&apos;s scripts changed it.</source>
        <translation>Dieser Text kann hier nicht bearbeitet werden: die Skripte der Seite haben ihn geändert.</translation>
    </message>
    <message>
        <source>The live preview is not ready to edit this text yet.</source>
        <translation>Die Live-Vorschau ist noch nicht bereit, diesen Text zu bearbeiten.</translation>
    </message>
    <message>
        <source>The page&apos;s scripts changed the text while it was edited: nothing was written.</source>
        <translation>Die Skripte der Seite haben den Text während der Bearbeitung geändert: nichts wurde geschrieben.</translation>
    </message>
    <message>
        <source>The page changed while its text was edited: nothing was written.</source>
        <translation>Die Seite hat sich geändert, während ihr Text bearbeitet wurde: nichts wurde geschrieben.</translation>
    </message>
</context>
<context>
    <name>CLivePreviewPane</name>
    <message>
        <source>Phone</source>
        <translation>Telefon</translation>
    </message>
    <message>
        <source>Tablet</source>
        <translation>Tablet</translation>
    </message>
    <message>
        <source>Full</source>
        <translation>Voll</translation>
    </message>
    <message>
        <source>Zoom Out (Ctrl+-)</source>
        <translation>Verkleinern (Strg+-)</translation>
    </message>
    <message>
        <source>Zoom In (Ctrl+=)</source>
        <translation>Vergrößern (Strg+=)</translation>
    </message>
    <message>
        <source>Zoom (Ctrl+0: 100 %)</source>
        <translation>Zoom (Strg+0: 100 %)</translation>
    </message>
    <message>
        <source>Lay the page out %1 pixels wide</source>
        <translation>Die Seite %1 Pixel breit darstellen</translation>
    </message>
    <message>
        <source>Lay the page out as wide as the pane</source>
        <translation>Die Seite so breit wie der Bereich darstellen</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1 %</translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>Editor</source>
        <translation>Editor</translation>
    </message>
    <message>
        <source>Welcome to QUILLO Editor..To insert an Object click the  Insert Menu</source>
        <translation>Willkommen im QUILLO-Editor. Um ein Objekt einzufügen, klicken Sie auf das Menü Einfügen</translation>
    </message>
    <message>
        <source>Recent File</source>
        <translation>Zuletzt geöffnete Datei</translation>
    </message>
    <message>
        <source>Open this document</source>
        <translation>Dieses Dokument öffnen</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Werkzeugleiste</translation>
    </message>
    <message>
        <source>Views</source>
        <translation>Ansichten</translation>
    </message>
    <message>
        <source>Source View</source>
        <translation>Quelltextansicht</translation>
    </message>
    <message>
        <source>HTML View</source>
        <translation>HTML-Ansicht</translation>
    </message>
    <message>
        <source>CAP</source>
        <translation>GROSS</translation>
    </message>
    <message>
        <source>NUM</source>
        <translation>NUM</translation>
    </message>
    <message>
        <source>SCRL</source>
        <translation>ROLLEN</translation>
    </message>
    <message>
        <source>Ln %1, Col %2</source>
        <translation>Z %1, Sp %2</translation>
    </message>
    <message>
        <source>Drop a picture or a text file on a page&apos;s source view.</source>
        <translation>Legen Sie ein Bild oder eine Textdatei auf der Quelltextansicht einer Seite ab.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Window</source>
        <translation>&amp;Fenster</translation>
    </message>
    <message>
        <source>&amp;Insert</source>
        <translation>&amp;Einfügen</translation>
    </message>
    <message>
        <source>List</source>
        <translation>Liste</translation>
    </message>
    <message>
        <source>&amp;Section</source>
        <translation>Ab&amp;schnitt</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Keys and Features</source>
        <translation>Tasten und Funktionen</translation>
    </message>
    <message>
        <source>Not reopened, no longer there: %1.</source>
        <translation>Nicht wieder geöffnet, nicht mehr vorhanden: %1.</translation>
    </message>
    <message>
        <source>The preview cannot be shown: its browser did not load (%1).</source>
        <translation>Die Vorschau kann nicht gezeigt werden: ihr Browser wurde nicht geladen (%1).</translation>
    </message>
</context>
<context>
    <name>CMyFrame</name>
    <message>
        <source>HTML View</source>
        <translation>HTML-Ansicht</translation>
    </message>
</context>
<context>
    <name>COutlineItemModel</name>
    <message>
        <source>Applets</source>
        <translation>Applets</translation>
    </message>
    <message>
        <source>Hyperlinks</source>
        <translation>Hyperlinks</translation>
    </message>
    <message>
        <source>Media</source>
        <translation>Medien</translation>
    </message>
    <message>
        <source>Headings</source>
        <translation>Überschriften</translation>
    </message>
    <message>
        <source>Scripts &amp; Styles</source>
        <translation>Skripte und Stile</translation>
    </message>
    <message>
        <source>Images</source>
        <translation>Bilder</translation>
    </message>
    <message>
        <source>Web Page</source>
        <translation>Webseite</translation>
    </message>
</context>
<context>
    <name>CPagePrinter</name>
    <message>
        <source>Page %1</source>
        <translation>Seite %1</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Seite %1 von %2</translation>
    </message>
</context>
<context>
    <name>CPictureDlg</name>
    <message>
        <source>Editor</source>
        <translation>Editor</translation>
    </message>
</context>
<context>
    <name>CPreferencesDlg</name>
    <message>
        <source>Put in the &amp;closing tag after an opening tag</source>
        <translation>Nach einem öffnenden Tag das &amp;schließende einfügen</translation>
    </message>
    <message>
        <source>Show line &amp;numbers</source>
        <translation>&amp;Zeilennummern anzeigen</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>As in the list</source>
        <translation>Wie in der Liste</translation>
    </message>
    <message>
        <source>Upper case</source>
        <translation>Großbuchstaben</translation>
    </message>
    <message>
        <source>Lower case</source>
        <translation>Kleinbuchstaben</translation>
    </message>
    <message>
        <source>As typed (never rewritten)</source>
        <translation>Wie getippt (nie umgeschrieben)</translation>
    </message>
    <message>
        <source>As the page</source>
        <translation>Wie die Seite</translation>
    </message>
    <message>
        <source>A fifth of an inch</source>
        <translation>Ein Fünftel Zoll</translation>
    </message>
    <message>
        <source>Follow the desktop</source>
        <translation>Wie der Desktop</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Hell</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Dunkel</translation>
    </message>
    <message>
        <source>Spell tag and attribute &amp;names:</source>
        <translation>Tag- und Attribut&amp;namen schreiben:</translation>
    </message>
    <message>
        <source>&amp;Font:</source>
        <translation>Schrift&amp;art:</translation>
    </message>
    <message>
        <source>Font &amp;size:</source>
        <translation>Schrift&amp;größe:</translation>
    </message>
    <message>
        <source>&amp;Tab width (characters):</source>
        <translation>&amp;Tabulatorbreite (Zeichen):</translation>
    </message>
    <message>
        <source>Co&amp;lours:</source>
        <translation>&amp;Farben:</translation>
    </message>
    <message>
        <source>&amp;Reopen the pages open at the last exit</source>
        <translation>Beim letzten Beenden geöffnete Seiten wieder ö&amp;ffnen</translation>
    </message>
    <message>
        <source>&amp;Editor</source>
        <translation>&amp;Editor</translation>
    </message>
    <message>
        <source>&amp;Keys</source>
        <translation>&amp;Tasten</translation>
    </message>
</context>
<context>
    <name>CPreviewPage</name>
    <message>
        <source>The preview opens no links: %1</source>
        <translation>Die Vorschau öffnet keine Links: %1</translation>
    </message>
    <message>
        <source>The page&apos;s message: %1</source>
        <translation>Meldung der Seite: %1</translation>
    </message>
    <message>
        <source>The preview opens no file chooser for the page.</source>
        <translation>Die Vorschau öffnet für die Seite keine Dateiauswahl.</translation>
    </message>
</context>
<context>
    <name>CProblemsDock</name>
    <message>
        <source>Choose the File</source>
        <translation>Datei wählen</translation>
    </message>
    <message>
        <source>Problems</source>
        <translation>Probleme</translation>
    </message>
    <message>
        <source>Fix</source>
        <translation>Beheben</translation>
    </message>
    <message>
        <source>Severity</source>
        <translation>Schwere</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Zeile</translation>
    </message>
    <message>
        <source>Column</source>
        <translation>Spalte</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Meldung</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Advice</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>Fix available (Ctrl+.)</source>
        <translation>Behebung verfügbar (Strg+.)</translation>
    </message>
    <message>
        <source>1 problem</source>
        <translation>1 Problem</translation>
    </message>
    <message>
        <source>%1 problems</source>
        <translation>%1 Probleme</translation>
    </message>
    <message>
        <source>Problems (the first %1 of %2)</source>
        <translation>Probleme (die ersten %1 von %2)</translation>
    </message>
    <message>
        <source>Give It a Text Alternative...</source>
        <translation>Textalternative angeben...</translation>
    </message>
    <message>
        <source>Use “%1” as on disk</source>
        <translation>„%1“ wie auf der Festplatte verwenden</translation>
    </message>
    <message>
        <source>Choose the File...</source>
        <translation>Datei wählen...</translation>
    </message>
    <message>
        <source>Go to the Problem</source>
        <translation>Zum Problem gehen</translation>
    </message>
    <message>
        <source>The page changed since it was checked: try again once the list is new</source>
        <translation>Die Seite hat sich seit der Prüfung geändert: versuchen Sie es erneut, sobald die Liste neu ist</translation>
    </message>
</context>
<context>
    <name>CSplashWnd</name>
    <message>
        <source>HTML page editor</source>
        <translation>Editor für HTML-Seiten</translation>
    </message>
</context>
<context>
    <name>CTagEditing</name>
    <message>
        <source>A comment cannot go inside a tag.</source>
        <translation>Ein Kommentar kann nicht in einem Tag stehen.</translation>
    </message>
    <message>
        <source>A comment cannot go here: this element&apos;s content is read as text.</source>
        <translation>Hier kann kein Kommentar stehen: der Inhalt dieses Elements wird als Text gelesen.</translation>
    </message>
    <message>
        <source>These lines hold the end of a comment: a comment around them would end early.</source>
        <translation>Diese Zeilen enthalten das Ende eines Kommentars: ein Kommentar um sie herum endete zu früh.</translation>
    </message>
    <message>
        <source>The indentation already follows the nesting.</source>
        <translation>Die Einrückung folgt bereits der Verschachtelung.</translation>
    </message>
    <message numerus="yes">
        <source>Reindented %n line(s).</source>
        <translation>
            <numerusform>%n Zeile neu eingerückt.</numerusform>
            <numerusform>%n Zeilen neu eingerückt.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CTarnelApp</name>
    <message>
        <source>Cannot make a new page.</source>
        <translation>Eine neue Seite kann nicht angelegt werden.</translation>
    </message>
</context>
<context>
    <name>CTarnelDoc</name>
    <message>
        <source>Untitled</source>
        <translation>Unbenannt</translation>
    </message>
    <message>
        <source>Untitled %1</source>
        <translation>Unbenannt %1</translation>
    </message>
    <message>
        <source>Cannot make the folder for temporary copies: %1</source>
        <translation>Der Ordner für temporäre Kopien kann nicht angelegt werden: %1</translation>
    </message>
    <message>
        <source>Cannot make the temporary copy: %1</source>
        <translation>Die temporäre Kopie kann nicht angelegt werden: %1</translation>
    </message>
    <message>
        <source>Cannot open %1:
%2</source>
        <translation>%1 kann nicht geöffnet werden:
%2</translation>
    </message>
    <message>
        <source>Cannot read %1:
%2</source>
        <translation>%1 kann nicht gelesen werden:
%2</translation>
    </message>
    <message>
        <source>Cannot save %1:
%2</source>
        <translation>%1 kann nicht gespeichert werden:
%2</translation>
    </message>
    <message>
        <source>Cannot show the page in the browser:
%1</source>
        <translation>Die Seite kann nicht im Browser gezeigt werden:
%1</translation>
    </message>
    <message>
        <source>The file is read-only.</source>
        <translation>Die Datei ist schreibgeschützt.</translation>
    </message>
</context>
<context>
    <name>CTarnelView</name>
    <message>
        <source>The element is no longer in the page</source>
        <translation>Das Element steht nicht mehr in der Seite</translation>
    </message>
    <message>
        <source>Edit Tag...</source>
        <translation>Tag bearbeiten...</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
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
        <source>Insert an Image Or a Video</source>
        <translation>Ein Bild oder ein Video einfügen</translation>
    </message>
    <message>
        <source>Change the Background</source>
        <translation>Den Hintergrund ändern</translation>
    </message>
    <message>
        <source>Insert Sound</source>
        <translation>Ton einfügen</translation>
    </message>
    <message>
        <source>Insert a Link</source>
        <translation>Einen Link einfügen</translation>
    </message>
    <message>
        <source>Insert an Applet</source>
        <translation>Ein Applet einfügen</translation>
    </message>
    <message>
        <source>Insert a Table</source>
        <translation>Eine Tabelle einfügen</translation>
    </message>
    <message>
        <source>Insert Marquee</source>
        <translation>Lauftext einfügen</translation>
    </message>
    <message>
        <source>Insert Meta</source>
        <translation>Meta einfügen</translation>
    </message>
    <message>
        <source>Insert a Frame</source>
        <translation>Einen Frame einfügen</translation>
    </message>
    <message>
        <source>Insert an Ordered List</source>
        <translation>Eine nummerierte Liste einfügen</translation>
    </message>
    <message>
        <source>Insert an Unordered List</source>
        <translation>Eine ungeordnete Liste einfügen</translation>
    </message>
    <message>
        <source>Insert a Definition List</source>
        <translation>Eine Definitionsliste einfügen</translation>
    </message>
    <message>
        <source>Insert Controls</source>
        <translation>Steuerelemente einfügen</translation>
    </message>
    <message>
        <source>Printing failed.</source>
        <translation>Das Drucken ist fehlgeschlagen.</translation>
    </message>
    <message>
        <source>The page&apos;s encoding cannot hold this character: type it at one caret, where it goes in as its character reference.</source>
        <translation>Die Kodierung der Seite kann dieses Zeichen nicht aufnehmen: tippen Sie es an einer einzigen Einfügemarke, dort wird es als Zeichenreferenz eingefügt.</translation>
    </message>
    <message>
        <source>Go to Line</source>
        <translation>Gehe zu Zeile</translation>
    </message>
    <message>
        <source>Line (1-%1):</source>
        <translation>Zeile (1-%1):</translation>
    </message>
    <message>
        <source>Wrap in Tag</source>
        <translation>In Tag einschließen</translation>
    </message>
    <message>
        <source>Tag name:</source>
        <translation>Tag-Name:</translation>
    </message>
</context>
<context>
    <name>Commands</name>
    <message>
        <source>&amp;New	Ctrl+N</source>
        <translation>&amp;Neu	Ctrl+N</translation>
    </message>
    <message>
        <source>Create a new document
New</source>
        <translation>Ein neues Dokument anlegen
Neu</translation>
    </message>
    <message>
        <source>New &amp;HTML5 Page	Ctrl+Shift+N</source>
        <translation>Neue &amp;HTML5-Seite	Ctrl+Shift+N</translation>
    </message>
    <message>
        <source>Create a new HTML5 page
New HTML5 Page</source>
        <translation>Eine neue HTML5-Seite anlegen
Neue HTML5-Seite</translation>
    </message>
    <message>
        <source>&amp;Open...	Ctrl+O</source>
        <translation>Ö&amp;ffnen...	Ctrl+O</translation>
    </message>
    <message>
        <source>Open an existing document
Open</source>
        <translation>Ein vorhandenes Dokument öffnen
Öffnen</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>S&amp;chließen</translation>
    </message>
    <message>
        <source>Close the active document
Close</source>
        <translation>Das aktive Dokument schließen
Schließen</translation>
    </message>
    <message>
        <source>&amp;Save	Ctrl+S</source>
        <translation>&amp;Speichern	Ctrl+S</translation>
    </message>
    <message>
        <source>Save the active document
Save</source>
        <translation>Das aktive Dokument speichern
Speichern</translation>
    </message>
    <message>
        <source>Save the active document with a new name
Save As</source>
        <translation>Das aktive Dokument unter einem neuen Namen speichern
Speichern unter</translation>
    </message>
    <message>
        <source>&amp;Print...	Ctrl+P</source>
        <translation>&amp;Drucken...	Ctrl+P</translation>
    </message>
    <message>
        <source>Print the active document
Print</source>
        <translation>Das aktive Dokument drucken
Drucken</translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation>Druck&amp;vorschau</translation>
    </message>
    <message>
        <source>Display full pages
Print Preview</source>
        <translation>Ganze Seiten anzeigen
Druckvorschau</translation>
    </message>
    <message>
        <source>P&amp;rint Setup...</source>
        <translation>Drucker&amp;einrichtung...</translation>
    </message>
    <message>
        <source>Change the printer and printing options
Print Setup</source>
        <translation>Drucker und Druckoptionen ändern
Druckereinrichtung</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Quit the application; prompts to save documents
Exit</source>
        <translation>Das Programm beenden; fragt, ob Dokumente gespeichert werden sollen
Beenden</translation>
    </message>
    <message>
        <source>&amp;Undo	Ctrl+Z</source>
        <translation>&amp;Rückgängig	Ctrl+Z</translation>
    </message>
    <message>
        <source>Undo the last action
Undo</source>
        <translation>Die letzte Aktion rückgängig machen
Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Redo	Ctrl+Y</source>
        <translation>&amp;Wiederherstellen	Ctrl+Y</translation>
    </message>
    <message>
        <source>Redo the last action undone
Redo</source>
        <translation>Die zuletzt rückgängig gemachte Aktion wiederherstellen
Wiederherstellen</translation>
    </message>
    <message>
        <source>Cu&amp;t	Ctrl+X</source>
        <translation>&amp;Ausschneiden	Ctrl+X</translation>
    </message>
    <message>
        <source>Cut the selection and put it on the Clipboard
Cut</source>
        <translation>Die Auswahl ausschneiden und in die Zwischenablage legen
Ausschneiden</translation>
    </message>
    <message>
        <source>&amp;Copy	Ctrl+C</source>
        <translation>&amp;Kopieren	Ctrl+C</translation>
    </message>
    <message>
        <source>Copy the selection and put it on the Clipboard
Copy</source>
        <translation>Die Auswahl in die Zwischenablage kopieren
Kopieren</translation>
    </message>
    <message>
        <source>&amp;Paste	Ctrl+V</source>
        <translation>&amp;Einfügen	Ctrl+V</translation>
    </message>
    <message>
        <source>Insert Clipboard contents
Paste</source>
        <translation>Den Inhalt der Zwischenablage einfügen
Einfügen</translation>
    </message>
    <message>
        <source>Select A&amp;ll	Ctrl+A</source>
        <translation>Alles &amp;markieren	Ctrl+A</translation>
    </message>
    <message>
        <source>Select the entire document
Select All</source>
        <translation>Das ganze Dokument markieren
Alles markieren</translation>
    </message>
    <message>
        <source>&amp;Find...	Ctrl+F</source>
        <translation>&amp;Suchen...	Ctrl+F</translation>
    </message>
    <message>
        <source>Find the specified text
Find</source>
        <translation>Den angegebenen Text suchen
Suchen</translation>
    </message>
    <message>
        <source>F&amp;ind Next	F3</source>
        <translation>&amp;Nächstes suchen	F3</translation>
    </message>
    <message>
        <source>Repeat the last action
Repeat</source>
        <translation>Die letzte Aktion wiederholen
Wiederholen</translation>
    </message>
    <message>
        <source>R&amp;eplace	Ctrl+H</source>
        <translation>Erset&amp;zen	Ctrl+H</translation>
    </message>
    <message>
        <source>Replace specific text with different text
Replace</source>
        <translation>Einen Text durch einen anderen ersetzen
Ersetzen</translation>
    </message>
    <message>
        <source>&amp;Go to Line...	Ctrl+G</source>
        <translation>&amp;Gehe zu Zeile...	Ctrl+G</translation>
    </message>
    <message>
        <source>Move the caret to a line by its number
Go to Line</source>
        <translation>Die Einfügemarke in eine Zeile mit ihrer Nummer setzen
Gehe zu Zeile</translation>
    </message>
    <message>
        <source>&amp;Wrap in Tag...</source>
        <translation>In &amp;Tag einschließen...</translation>
    </message>
    <message>
        <source>Put the selection inside a new element
Wrap in Tag</source>
        <translation>Die Auswahl in ein neues Element setzen
In Tag einschließen</translation>
    </message>
    <message>
        <source>Toggle Co&amp;mment	Ctrl+/</source>
        <translation>Kommentar &amp;umschalten	Ctrl+/</translation>
    </message>
    <message>
        <source>Comment the selected lines out, or back in
Toggle Comment</source>
        <translation>Die markierten Zeilen auskommentieren oder wieder einkommentieren
Kommentar umschalten</translation>
    </message>
    <message>
        <source>Rein&amp;dent Lines</source>
        <translation>Zeilen neu e&amp;inrücken</translation>
    </message>
    <message>
        <source>Indent the selected lines, or the page, by element nesting; only leading blanks change
Reindent Lines</source>
        <translation>Die markierten Zeilen oder die Seite nach der Verschachtelung der Elemente einrücken; nur Leerraum am Zeilenanfang ändert sich
Zeilen neu einrücken</translation>
    </message>
    <message>
        <source>E&amp;xpand Abbreviation	Tab</source>
        <translation>A&amp;bkürzung erweitern	Tab</translation>
    </message>
    <message>
        <source>Expand the Emmet abbreviation before the caret
Expand Abbreviation</source>
        <translation>Die Emmet-Abkürzung vor der Einfügemarke erweitern
Abkürzung erweitern</translation>
    </message>
    <message>
        <source>Preference&amp;s...</source>
        <translation>Einste&amp;llungen...</translation>
    </message>
    <message>
        <source>Change how the source editor looks and behaves
Preferences</source>
        <translation>Aussehen und Verhalten des Quelltexteditors ändern
Einstellungen</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>&amp;Werkzeugleiste</translation>
    </message>
    <message>
        <source>Show or hide the toolbar
Toggle ToolBar</source>
        <translation>Die Werkzeugleiste ein- oder ausblenden
Werkzeugleiste ein/aus</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>&amp;Statusleiste</translation>
    </message>
    <message>
        <source>Show or hide the status bar
Toggle StatusBar</source>
        <translation>Die Statusleiste ein- oder ausblenden
Statusleiste ein/aus</translation>
    </message>
    <message>
        <source>&amp;Problems</source>
        <translation>&amp;Probleme</translation>
    </message>
    <message>
        <source>Show or hide the list of problems found in the page
Problems</source>
        <translation>Die Liste der in der Seite gefundenen Probleme ein- oder ausblenden
Probleme</translation>
    </message>
    <message>
        <source>Show &amp;Advice</source>
        <translation>&amp;Hinweise zeigen</translation>
    </message>
    <message>
        <source>List the validator&apos;s advice on writing the page besides its problems
Show Advice</source>
        <translation>Neben den Problemen auch die Hinweise der Prüfung zum Schreiben der Seite auflisten
Hinweise zeigen</translation>
    </message>
    <message>
        <source>&amp;Live Preview	F12</source>
        <translation>&amp;Live-Vorschau	F12</translation>
    </message>
    <message>
        <source>Show the page beside its source, following the typing
Live Preview</source>
        <translation>Die Seite neben ihrem Quelltext zeigen, während getippt wird
Live-Vorschau</translation>
    </message>
    <message>
        <source>&amp;Reload Preview	Ctrl+R</source>
        <translation>Vorschau &amp;neu laden	Ctrl+R</translation>
    </message>
    <message>
        <source>Show the live preview again with the files the page uses as they are now
Reload Preview</source>
        <translation>Die Live-Vorschau mit den Dateien der Seite in ihrem jetzigen Stand neu zeigen
Vorschau neu laden</translation>
    </message>
    <message>
        <source>&amp;New Window</source>
        <translation>&amp;Neues Fenster</translation>
    </message>
    <message>
        <source>Open another window for the active document
New Window</source>
        <translation>Ein weiteres Fenster für das aktive Dokument öffnen
Neues Fenster</translation>
    </message>
    <message>
        <source>&amp;Cascade</source>
        <translation>&amp;Überlappend</translation>
    </message>
    <message>
        <source>Arrange windows so they overlap
Cascade Windows</source>
        <translation>Fenster überlappend anordnen
Überlappend</translation>
    </message>
    <message>
        <source>&amp;Tile</source>
        <translation>N&amp;ebeneinander</translation>
    </message>
    <message>
        <source>Arrange windows as non-overlapping tiles
Tile Windows</source>
        <translation>Fenster ohne Überlappung nebeneinander anordnen
Nebeneinander</translation>
    </message>
    <message>
        <source>&amp;Arrange Icons</source>
        <translation>&amp;Symbole anordnen</translation>
    </message>
    <message>
        <source>Arrange icons at the bottom of the window
Arrange Icons</source>
        <translation>Symbole am unteren Fensterrand anordnen
Symbole anordnen</translation>
    </message>
    <message>
        <source>&amp;Image &amp;&amp; Video	...Ctl+I</source>
        <translation>&amp;Bild &amp;&amp; Video	...Ctl+I</translation>
    </message>
    <message>
        <source>&amp;Background	...Ctl+B</source>
        <translation>&amp;Hintergrund	...Ctl+B</translation>
    </message>
    <message>
        <source>Soun&amp;d	...Ctl+D</source>
        <translation>T&amp;on	...Ctl+D</translation>
    </message>
    <message>
        <source>Lin&amp;k	...Ctl+K</source>
        <translation>&amp;Link	...Ctl+K</translation>
    </message>
    <message>
        <source>Appl&amp;ets	...Ctl+E</source>
        <translation>&amp;Applets	...Ctl+E</translation>
    </message>
    <message>
        <source>&amp;Tables	...Ctl+T</source>
        <translation>&amp;Tabellen	...Ctl+T</translation>
    </message>
    <message>
        <source>Mar&amp;quee	...Ctl+Q</source>
        <translation>Lau&amp;ftext	...Ctl+Q</translation>
    </message>
    <message>
        <source>&amp;Meta	...Ctl+M</source>
        <translation>&amp;Meta	...Ctl+M</translation>
    </message>
    <message>
        <source>Frames	...Ctl+J</source>
        <translation>Frames	...Ctl+J</translation>
    </message>
    <message>
        <source>Ordered</source>
        <translation>Nummeriert</translation>
    </message>
    <message>
        <source>Unordered</source>
        <translation>Ungeordnet</translation>
    </message>
    <message>
        <source>Defining</source>
        <translation>Definitionen</translation>
    </message>
    <message>
        <source>Controls	...Ctl+L</source>
        <translation>Steuerelemente	...Ctl+L</translation>
    </message>
    <message>
        <source>Te&amp;xt</source>
        <translation>Te&amp;xt</translation>
    </message>
    <message>
        <source>Medi&amp;a...</source>
        <translation>Me&amp;dien...</translation>
    </message>
    <message>
        <source>Insert a video or a sound that browsers of today play</source>
        <translation>Ein Video oder einen Ton einfügen, den heutige Browser abspielen</translation>
    </message>
    <message>
        <source>&amp;Picture...</source>
        <translation>Bild in mehreren &amp;Größen...</translation>
    </message>
    <message>
        <source>Insert a picture in several sizes</source>
        <translation>Ein Bild in mehreren Größen einfügen</translation>
    </message>
    <message>
        <source>HEADER</source>
        <translation>HEADER</translation>
    </message>
    <message>
        <source>NAV</source>
        <translation>NAV</translation>
    </message>
    <message>
        <source>MAIN</source>
        <translation>MAIN</translation>
    </message>
    <message>
        <source>ARTICLE</source>
        <translation>ARTICLE</translation>
    </message>
    <message>
        <source>SECTION</source>
        <translation>SECTION</translation>
    </message>
    <message>
        <source>ASIDE</source>
        <translation>ASIDE</translation>
    </message>
    <message>
        <source>FOOTER</source>
        <translation>FOOTER</translation>
    </message>
    <message>
        <source>FIGURE with FIGCAPTION</source>
        <translation>FIGURE mit FIGCAPTION</translation>
    </message>
    <message>
        <source>&amp;About Tarnel...</source>
        <translation>&amp;Über Tarnel...</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright
About</source>
        <translation>Programminformationen, Versionsnummer und Copyright anzeigen
Über</translation>
    </message>
    <message>
        <source>Open in &amp;Browser</source>
        <translation>Im &amp;Browser öffnen</translation>
    </message>
    <message>
        <source>Open in Browser</source>
        <translation>Im Browser öffnen</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Vorwärts</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Aktualisieren</translation>
    </message>
    <message>
        <source>Next Pane</source>
        <translation>Nächster Bereich</translation>
    </message>
    <message>
        <source>Switch to the next window pane
Next Pane</source>
        <translation>Zum nächsten Fensterbereich wechseln
Nächster Bereich</translation>
    </message>
    <message>
        <source>Previous Pane</source>
        <translation>Vorheriger Bereich</translation>
    </message>
    <message>
        <source>Switch back to the previous window pane
Previous Pane</source>
        <translation>Zum vorherigen Fensterbereich zurückwechseln
Vorheriger Bereich</translation>
    </message>
    <message>
        <source>Save &amp;As...	Ctrl+Shift+S</source>
        <translation>Speichern &amp;unter...	Ctrl+Shift+S</translation>
    </message>
    <message>
        <source>Find Pre&amp;vious	Shift+F3</source>
        <translation>&amp;Vorheriges suchen	Shift+F3</translation>
    </message>
    <message>
        <source>Find the last text looked for again, back towards the start
Find Previous</source>
        <translation>Den zuletzt gesuchten Text erneut suchen, zum Anfang hin
Vorheriges suchen</translation>
    </message>
    <message>
        <source>&amp;Edit Text in Preview	F2</source>
        <translation>Text in der Vorschau &amp;bearbeiten	F2</translation>
    </message>
    <message>
        <source>Edit the text of the element at the caret where the live preview shows it
Edit Text in Preview</source>
        <translation>Den Text des Elements an der Einfügemarke dort bearbeiten, wo die Live-Vorschau ihn zeigt
Text in der Vorschau bearbeiten</translation>
    </message>
    <message>
        <source>Ne&amp;xt Page	Ctrl+PgDown</source>
        <translation>N&amp;ächste Seite	Ctrl+PgDown</translation>
    </message>
    <message>
        <source>Activate the next page&apos;s source window
Next Page</source>
        <translation>Das Quelltextfenster der nächsten Seite aktivieren
Nächste Seite</translation>
    </message>
    <message>
        <source>Pre&amp;vious Page	Ctrl+PgUp</source>
        <translation>&amp;Vorherige Seite	Ctrl+PgUp</translation>
    </message>
    <message>
        <source>Activate the previous page&apos;s source window
Previous Page</source>
        <translation>Das Quelltextfenster der vorherigen Seite aktivieren
Vorherige Seite</translation>
    </message>
    <message>
        <source>&amp;Keys and Features	F1</source>
        <translation>&amp;Tasten und Funktionen	F1</translation>
    </message>
    <message>
        <source>List every command with its keys, and what the editor does
Keys and Features</source>
        <translation>Jeden Befehl mit seinen Tasten auflisten, und was der Editor kann
Tasten und Funktionen</translation>
    </message>
</context>
<context>
    <name>KeysHelp</name>
    <message>
        <source>Expand the abbreviation before the caret</source>
        <translation>Die Abkürzung vor der Einfügemarke erweitern</translation>
    </message>
    <message>
        <source>Add a caret</source>
        <translation>Eine Einfügemarke hinzufügen</translation>
    </message>
    <message>
        <source>Ctrl+click</source>
        <translation>Strg+Klick</translation>
    </message>
    <message>
        <source>Move by words</source>
        <translation>Wortweise bewegen</translation>
    </message>
    <message>
        <source>Delete a word</source>
        <translation>Ein Wort löschen</translation>
    </message>
    <message>
        <source>Move by paragraphs</source>
        <translation>Absatzweise bewegen</translation>
    </message>
    <message>
        <source>Make the text larger or smaller</source>
        <translation>Den Text größer oder kleiner machen</translation>
    </message>
    <message>
        <source>Ctrl+keypad + and -</source>
        <translation>Strg+Ziffernblock + und -</translation>
    </message>
    <message>
        <source>Bring the outline up to date</source>
        <translation>Die Gliederung aktualisieren</translation>
    </message>
    <message>
        <source>The source is coloured as you type: tags, attributes, style sheets, scripts and character references.</source>
        <translation>Der Quelltext wird beim Schreiben eingefärbt: Tags, Attribute, Stylesheets, Skripte und Zeichenreferenzen.</translation>
    </message>
    <message>
        <source>Tag and attribute names are offered in a list as you type, and a tag typed gets its closing tag.</source>
        <translation>Tag- und Attributnamen werden beim Schreiben in einer Liste angeboten, und ein geschriebenes Tag erhält sein schließendes Tag.</translation>
    </message>
    <message>
        <source>The Insert menu&apos;s forms write exact HTML at the caret; a double click on an element in the outline reopens it in its form.</source>
        <translation>Die Formulare des Menüs Einfügen schreiben genaues HTML an der Einfügemarke; ein Doppelklick auf ein Element in der Gliederung öffnet es wieder in seinem Formular.</translation>
    </message>
    <message>
        <source>Live Preview shows the page beside its source as you type; View ▸ Problems lists what the checks find.</source>
        <translation>Die Live-Vorschau zeigt die Seite beim Schreiben neben ihrem Quelltext; Ansicht ▸ Probleme listet, was die Prüfungen finden.</translation>
    </message>
    <message>
        <source>Edit ▸ Preferences ▸ Keys gives any command the key you choose.</source>
        <translation>Bearbeiten ▸ Einstellungen ▸ Tasten gibt jedem Befehl die Taste Ihrer Wahl.</translation>
    </message>
</context>
<context>
    <name>PageFile</name>
    <message>
        <source>It is a folder.</source>
        <translation>Es ist ein Ordner.</translation>
    </message>
    <message>
        <source>It is not a regular file.</source>
        <translation>Es ist keine gewöhnliche Datei.</translation>
    </message>
</context>
<context>
    <name>StartUp</name>
    <message>
        <source>the display is reached over the network</source>
        <translation>der Bildschirm wird über das Netzwerk erreicht</translation>
    </message>
    <message>
        <source>no network namespace could be made</source>
        <translation>es ließ sich kein Netzwerk-Namensraum anlegen</translation>
    </message>
</context>
<context>
    <name>tarnel</name>
    <message>
        <source>Image Source</source>
        <translation>Bildquelle</translation>
    </message>
    <message>
        <source>You must enter Image source!!</source>
        <translation>Sie müssen eine Bildquelle angeben!</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Breite</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Höhe</translation>
    </message>
    <message>
        <source>Border</source>
        <translation>Rahmen</translation>
    </message>
    <message>
        <source>Image Comment</source>
        <translation>Bildkommentar</translation>
    </message>
    <message>
        <source>Align</source>
        <translation>Ausrichtung</translation>
    </message>
    <message>
        <source>Image Attributes</source>
        <translation>Bildattribute</translation>
    </message>
    <message>
        <source>Background Image</source>
        <translation>Hintergrundbild</translation>
    </message>
    <message>
        <source>Background Color</source>
        <translation>Hintergrundfarbe</translation>
    </message>
    <message>
        <source>Image</source>
        <translation>Bild</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Farbe</translation>
    </message>
    <message>
        <source>Image and Color</source>
        <translation>Bild und Farbe</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Hintergrund</translation>
    </message>
    <message>
        <source>Background Attributes</source>
        <translation>Hintergrundattribute</translation>
    </message>
    <message>
        <source>Image link</source>
        <translation>Bildlink</translation>
    </message>
    <message>
        <source>Applet Link</source>
        <translation>Applet-Link</translation>
    </message>
    <message>
        <source>Text Link</source>
        <translation>Textlink</translation>
    </message>
    <message>
        <source>Url:</source>
        <translation>URL:</translation>
    </message>
    <message>
        <source>You must enter a Link!!</source>
        <translation>Sie müssen einen Link angeben!</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Quelle</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Dateiname</translation>
    </message>
    <message>
        <source>Class Name</source>
        <translation>Klassenname</translation>
    </message>
    <message>
        <source>Applet Name</source>
        <translation>Applet-Name</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Applet</source>
        <translation>Applet</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>Link</translation>
    </message>
    <message>
        <source>Link Attributes</source>
        <translation>Linkattribute</translation>
    </message>
    <message>
        <source>Links</source>
        <translation>Links</translation>
    </message>
    <message>
        <source>Access Key</source>
        <translation>Zugriffstaste</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>You must enter the control name!!</source>
        <translation>Sie müssen den Namen des Steuerelements angeben!</translation>
    </message>
    <message>
        <source>Label</source>
        <translation>Beschriftung</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>DynSrc</source>
        <translation>DynSrc</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Alt</source>
        <translation>Alt</translation>
    </message>
    <message>
        <source>Tab Index</source>
        <translation>Tabulatorreihenfolge</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titel</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>MaxLength</source>
        <translation>Maximale Länge</translation>
    </message>
    <message>
        <source>LowSource:</source>
        <translation>LowSource:</translation>
    </message>
    <message>
        <source>ReadOnly</source>
        <translation>Schreibgeschützt</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Deaktiviert</translation>
    </message>
    <message>
        <source>Controls</source>
        <translation>Steuerelemente</translation>
    </message>
    <message>
        <source>Control Attributes</source>
        <translation>Attribute des Steuerelements</translation>
    </message>
    <message>
        <source>Font Names</source>
        <translation>Schriftarten</translation>
    </message>
    <message>
        <source>Style</source>
        <translation>Stil</translation>
    </message>
    <message>
        <source>Underline</source>
        <translation>Unterstrichen</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Links</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Rechts</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>Zentriert</translation>
    </message>
    <message>
        <source>Dialog</source>
        <translation>Dialog</translation>
    </message>
    <message>
        <source>Formatted Text</source>
        <translation>Formatierter Text</translation>
    </message>
    <message>
        <source>You must enter Sound source!!</source>
        <translation>Sie müssen eine Tonquelle angeben!</translation>
    </message>
    <message>
        <source>Loop</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>Balance</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Lautstärke</translation>
    </message>
    <message>
        <source>Background Sound Attributes</source>
        <translation>Attribute des Hintergrundtons</translation>
    </message>
    <message>
        <source>You must enter an Applet File Name!!</source>
        <translation>Sie müssen einen Dateinamen für das Applet angeben!</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Kommentar</translation>
    </message>
    <message>
        <source>Applet Attributes</source>
        <translation>Applet-Attribute</translation>
    </message>
    <message>
        <source>You must enter Behaviour &amp; Direction !!</source>
        <translation>Sie müssen Verhalten und Richtung angeben!</translation>
    </message>
    <message>
        <source>Behaviour</source>
        <translation>Verhalten</translation>
    </message>
    <message>
        <source>Data Format</source>
        <translation>Datenformat</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>Richtung</translation>
    </message>
    <message>
        <source>Scroll Delay</source>
        <translation>Bildlaufverzögerung</translation>
    </message>
    <message>
        <source>HSpace</source>
        <translation>Horizontaler Abstand</translation>
    </message>
    <message>
        <source>VSpace</source>
        <translation>Vertikaler Abstand</translation>
    </message>
    <message>
        <source>Marquee Attributes</source>
        <translation>Lauftextattribute</translation>
    </message>
    <message>
        <source>Content</source>
        <translation>Inhalt</translation>
    </message>
    <message>
        <source>Url </source>
        <translation>URL </translation>
    </message>
    <message>
        <source>Http-Equiv</source>
        <translation>Http-Equiv</translation>
    </message>
    <message>
        <source>Meta Attributes</source>
        <translation>Meta-Attribute</translation>
    </message>
    <message>
        <source>You must enter Height &amp; Width!!</source>
        <translation>Sie müssen Höhe und Breite angeben!</translation>
    </message>
    <message>
        <source>Margin Height</source>
        <translation>Randhöhe</translation>
    </message>
    <message>
        <source>Margin Width</source>
        <translation>Randbreite</translation>
    </message>
    <message>
        <source>Border Color</source>
        <translation>Rahmenfarbe</translation>
    </message>
    <message>
        <source>Frame Border</source>
        <translation>Frame-Rahmen</translation>
    </message>
    <message>
        <source>Scrolling</source>
        <translation>Bildlauf</translation>
    </message>
    <message>
        <source>Resizing</source>
        <translation>Größenänderung</translation>
    </message>
    <message>
        <source>WindowName</source>
        <translation>Fenstername</translation>
    </message>
    <message>
        <source>Frames Attributes</source>
        <translation>Frame-Attribute</translation>
    </message>
    <message>
        <source>Back Ground</source>
        <translation>Hintergrund</translation>
    </message>
    <message>
        <source>Cell Padding</source>
        <translation>Zellenauffüllung</translation>
    </message>
    <message>
        <source>Cell Spacing</source>
        <translation>Zellenabstand</translation>
    </message>
    <message>
        <source>Columns</source>
        <translation>Spalten</translation>
    </message>
    <message>
        <source>You must enter Column number!!</source>
        <translation>Sie müssen die Spaltenzahl angeben!</translation>
    </message>
    <message>
        <source>Page Size</source>
        <translation>Seitengröße</translation>
    </message>
    <message>
        <source>Border Color Dark</source>
        <translation>Rahmenfarbe dunkel</translation>
    </message>
    <message>
        <source>Border Color Light</source>
        <translation>Rahmenfarbe hell</translation>
    </message>
    <message>
        <source>BGColor</source>
        <translation>Hintergrundfarbe</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>Gitternetzlinien</translation>
    </message>
    <message>
        <source>Frames</source>
        <translation>Außenrahmen</translation>
    </message>
    <message>
        <source>Table Properties:</source>
        <translation>Tabelleneigenschaften:</translation>
    </message>
    <message>
        <source>Dingbat</source>
        <translation>Aufzählungszeichen</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>You must enter the Type!!</source>
        <translation>Sie müssen den Typ angeben!</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Wert</translation>
    </message>
    <message>
        <source>Start Position</source>
        <translation>Startwert</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Überspringen</translation>
    </message>
    <message>
        <source>Ordered List Attributes</source>
        <translation>Attribute der nummerierten Liste</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Typ:</translation>
    </message>
    <message>
        <source>Dingbat:</source>
        <translation>Aufzählungszeichen:</translation>
    </message>
    <message>
        <source>Unordered List Attributes</source>
        <translation>Attribute der ungeordneten Liste</translation>
    </message>
    <message>
        <source>Element</source>
        <translation>Element</translation>
    </message>
    <message>
        <source>You must choose Video or Audio!!</source>
        <translation>Sie müssen Video oder Audio wählen!</translation>
    </message>
    <message>
        <source>You must enter Media source!!</source>
        <translation>Sie müssen eine Medienquelle angeben!</translation>
    </message>
    <message>
        <source>Second Source</source>
        <translation>Zweite Quelle</translation>
    </message>
    <message>
        <source>Third Source</source>
        <translation>Dritte Quelle</translation>
    </message>
    <message>
        <source>Poster</source>
        <translation>Vorschaubild</translation>
    </message>
    <message>
        <source>Fallback Text</source>
        <translation>Ersatztext</translation>
    </message>
    <message>
        <source>Autoplay</source>
        <translation>Automatisch abspielen</translation>
    </message>
    <message>
        <source>Muted</source>
        <translation>Stumm</translation>
    </message>
    <message>
        <source>Preload</source>
        <translation>Vorladen</translation>
    </message>
    <message>
        <source>Media Attributes</source>
        <translation>Medienattribute</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Bild</translation>
    </message>
    <message>
        <source>You must enter Picture source!!</source>
        <translation>Sie müssen eine Bildquelle angeben!</translation>
    </message>
    <message>
        <source>Alternate Text</source>
        <translation>Alternativtext</translation>
    </message>
    <message>
        <source>Sizes</source>
        <translation>Größen</translation>
    </message>
    <message>
        <source>Lazy Loading</source>
        <translation>Verzögert laden</translation>
    </message>
    <message>
        <source>Second Picture</source>
        <translation>Zweites Bild</translation>
    </message>
    <message>
        <source>Second Width</source>
        <translation>Zweite Breite</translation>
    </message>
    <message>
        <source>Second Media</source>
        <translation>Zweites Medium</translation>
    </message>
    <message>
        <source>Third Picture</source>
        <translation>Drittes Bild</translation>
    </message>
    <message>
        <source>Third Width</source>
        <translation>Dritte Breite</translation>
    </message>
    <message>
        <source>Third Media</source>
        <translation>Drittes Medium</translation>
    </message>
    <message>
        <source>Picture Attributes</source>
        <translation>Bildattribute</translation>
    </message>
    <message>
        <source>You must enter Video source!!</source>
        <translation>Sie müssen eine Videoquelle angeben!</translation>
    </message>
    <message>
        <source>You must enter Image source or Colour!!</source>
        <translation>Sie müssen eine Bildquelle oder eine Farbe angeben!</translation>
    </message>
    <message>
        <source>You must enter Applet source!!</source>
        <translation>Sie müssen eine Applet-Quelle angeben!</translation>
    </message>
    <message>
        <source>The picture has no Alternate Text: anyone who cannot see it learns nothing of it. Insert it all the same?</source>
        <translation>Das Bild hat keinen Alternativtext: wer es nicht sehen kann, erfährt nichts davon. Trotzdem einfügen?</translation>
    </message>
    <message>
        <source>Button</source>
        <translation>Schaltfläche</translation>
    </message>
    <message>
        <source>Check Box</source>
        <translation>Kontrollkästchen</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Hidden</source>
        <translation>Verborgen</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Kennwort</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>Optionsfeld</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Zurücksetzen</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>Absenden</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Eingabefeld</translation>
    </message>
    <message>
        <source>Image Dialog</source>
        <translation>Bild</translation>
    </message>
    <message>
        <source>Background Sound</source>
        <translation>Hintergrundton</translation>
    </message>
    <message>
        <source>MARQUEE</source>
        <translation>MARQUEE</translation>
    </message>
    <message>
        <source>META</source>
        <translation>META</translation>
    </message>
    <message>
        <source>Tables</source>
        <translation>Tabellen</translation>
    </message>
    <message>
        <source>Ordered List</source>
        <translation>Nummerierte Liste</translation>
    </message>
    <message>
        <source>Unordered List</source>
        <translation>Ungeordnete Liste</translation>
    </message>
    <message>
        <source>Media</source>
        <translation>Medien</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Fett</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Kursiv</translation>
    </message>
    <message>
        <source>Bold-Italic</source>
        <translation>Fett kursiv</translation>
    </message>
    <message>
        <source>The page is too big for the HTML check (over 8 MB): only its links, pictures&apos; ALT texts and IDs were checked.</source>
        <translation>Die Seite ist zu groß für die HTML-Prüfung (über 8 MB): nur ihre Links, die ALT-Texte der Bilder und die IDs wurden geprüft.</translation>
    </message>
    <message>
        <source>missing file %1</source>
        <translation>fehlende Datei %1</translation>
    </message>
    <message>
        <source>%1 is written %2 on disk; a web server tells letter case apart</source>
        <translation>%1 heißt auf der Festplatte %2; ein Webserver unterscheidet Groß- und Kleinschreibung</translation>
    </message>
    <message>
        <source>%1 without ALT: give a text alternative (ALT=&quot;&quot; for decoration)</source>
        <translation>%1 ohne ALT: geben Sie eine Textalternative an (ALT=&quot;&quot; für Schmuckbilder)</translation>
    </message>
    <message>
        <source>%1 %2 is already used on line %3</source>
        <translation>%1 %2 wird schon in Zeile %3 verwendet</translation>
    </message>
    <message>
        <source>no element has the ID or NAME %1</source>
        <translation>kein Element hat die ID oder den NAME %1</translation>
    </message>
    <message>
        <source>All Files</source>
        <translation>Alle Dateien</translation>
    </message>
    <message>
        <source>All HTML Files</source>
        <translation>Alle HTML-Dateien</translation>
    </message>
    <message>
        <source>All Picture Files</source>
        <translation>Alle Bilddateien</translation>
    </message>
    <message>
        <source>All Supported Types</source>
        <translation>Alle unterstützten Typen</translation>
    </message>
    <message>
        <source>Applet Classes</source>
        <translation>Applet-Klassen</translation>
    </message>
    <message>
        <source>Applet Files</source>
        <translation>Applet-Dateien</translation>
    </message>
    <message>
        <source>Audio Files</source>
        <translation>Audiodateien</translation>
    </message>
    <message>
        <source>Audio Soft Files</source>
        <translation>Audio-Soft-Dateien</translation>
    </message>
    <message>
        <source>BITMAP Files</source>
        <translation>BITMAP-Dateien</translation>
    </message>
    <message>
        <source>CD DA Audio Tracks</source>
        <translation>CD-DA-Audiotitel</translation>
    </message>
    <message>
        <source>Creative Labs Voice Files</source>
        <translation>Creative-Labs-Voice-Dateien</translation>
    </message>
    <message>
        <source>Graphics Interface Format Files</source>
        <translation>GIF-Dateien (Graphics Interchange Format)</translation>
    </message>
    <message>
        <source>Image Sequence Files</source>
        <translation>Bildsequenzdateien</translation>
    </message>
    <message>
        <source>Impulse Tracker Modules</source>
        <translation>Impulse-Tracker-Module</translation>
    </message>
    <message>
        <source>JPEG File Inerchange Format</source>
        <translation>JPEG-Dateien (JPEG File Interchange Format)</translation>
    </message>
    <message>
        <source>MIDI Audio Files</source>
        <translation>MIDI-Audiodateien</translation>
    </message>
    <message>
        <source>MIDI File</source>
        <translation>MIDI-Datei</translation>
    </message>
    <message>
        <source>MIDI Files</source>
        <translation>MIDI-Dateien</translation>
    </message>
    <message>
        <source>MP3 Files</source>
        <translation>MP3-Dateien</translation>
    </message>
    <message>
        <source>MPEG Audio Files</source>
        <translation>MPEG-Audiodateien</translation>
    </message>
    <message>
        <source>Media Files</source>
        <translation>Mediendateien</translation>
    </message>
    <message>
        <source>Microsoft Streaming Media Files</source>
        <translation>Microsoft-Streaming-Media-Dateien</translation>
    </message>
    <message>
        <source>Microsoft Wave Form Audio Files</source>
        <translation>Microsoft-Wave-Audiodateien</translation>
    </message>
    <message>
        <source>Movie File(MPEG)</source>
        <translation>Filmdatei (MPEG)</translation>
    </message>
    <message>
        <source>Other Module Types</source>
        <translation>Andere Modultypen</translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation>Bilder</translation>
    </message>
    <message>
        <source>Playlist Files</source>
        <translation>Wiedergabelisten</translation>
    </message>
    <message>
        <source>Protracker Module</source>
        <translation>Protracker-Modul</translation>
    </message>
    <message>
        <source>Quick Time Files</source>
        <translation>QuickTime-Dateien</translation>
    </message>
    <message>
        <source>Screamtracker Modules</source>
        <translation>Screamtracker-Module</translation>
    </message>
    <message>
        <source>Video Files</source>
        <translation>Videodateien</translation>
    </message>
    <message>
        <source>Windows Media Audio File</source>
        <translation>Windows-Media-Audiodatei</translation>
    </message>
    <message>
        <source>eXtended Modules</source>
        <translation>eXtended-Module</translation>
    </message>
    <message>
        <source>Text Alternative</source>
        <translation>Textalternative</translation>
    </message>
    <message>
        <source>What the Image Says</source>
        <translation>Was das Bild sagt</translation>
    </message>
    <message>
        <source>Say in words what the image shows or does</source>
        <translation>Beschreiben Sie in Worten, was das Bild zeigt oder tut</translation>
    </message>
</context>
</TS>
