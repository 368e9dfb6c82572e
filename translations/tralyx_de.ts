<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>basCodePages</name>
    <message>
        <source>Western European</source>
        <translation>Westeuropäisch</translation>
    </message>
    <message>
        <source>Central European</source>
        <translation>Mitteleuropäisch</translation>
    </message>
    <message>
        <source>Cyrillic</source>
        <translation>Kyrillisch</translation>
    </message>
    <message>
        <source>Greek</source>
        <translation>Griechisch</translation>
    </message>
    <message>
        <source>Turkish</source>
        <translation>Türkisch</translation>
    </message>
    <message>
        <source>Hebrew</source>
        <translation>Hebräisch</translation>
    </message>
    <message>
        <source>Arabic</source>
        <translation>Arabisch</translation>
    </message>
    <message>
        <source>Baltic</source>
        <translation>Baltisch</translation>
    </message>
    <message>
        <source>Vietnamese</source>
        <translation>Vietnamesisch</translation>
    </message>
    <message>
        <source>Thai</source>
        <translation>Thailändisch</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Japanisch</translation>
    </message>
    <message>
        <source>Simplified Chinese</source>
        <translation>Chinesisch (vereinfacht)</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>Koreanisch</translation>
    </message>
    <message>
        <source>Traditional Chinese</source>
        <translation>Chinesisch (traditionell)</translation>
    </message>
    <message>
        <source>Unicode</source>
        <translation>Unicode</translation>
    </message>
</context>
<context>
    <name>basEditorFiles</name>
    <message>
        <source>The file %1 was changed by another program after Tralyx read it.<byte value="xd"/>
Do you want to overwrite it anyway?</source>
        <translation>Die Datei %1 wurde von einem anderen Programm geändert, nachdem Tralyx sie gelesen hat.<byte value="xd"/>
Möchten Sie sie trotzdem überschreiben?</translation>
    </message>
    <message>
        <source>File changed</source>
        <translation>Datei geändert</translation>
    </message>
    <message>
        <source>control text (core.lrc)</source>
        <translation>Steuerelementtext (core.lrc)</translation>
    </message>
    <message>
        <source>procedural text (secondary.lrc)</source>
        <translation>Programmtext (secondary.lrc)</translation>
    </message>
    <message>
        <source>messages (messages.lrc)</source>
        <translation>Meldungen (messages.lrc)</translation>
    </message>
    <message>
        <source>not core.lrc, messages.lrc or secondary.lrc</source>
        <translation>weder core.lrc noch messages.lrc noch secondary.lrc</translation>
    </message>
    <message>
        <source>Tralyx opens core.lrc, messages.lrc and secondary.lrc (in any letter case) and tells them by their names.<byte value="xd"/>
<byte value="xd"/>
Not opened:<byte value="xd"/>
</source>
        <translation>Tralyx öffnet core.lrc, messages.lrc und secondary.lrc (in beliebiger Groß-/Kleinschreibung) und erkennt sie an ihren Namen.<byte value="xd"/>
<byte value="xd"/>
Nicht geöffnet:<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Files not opened</source>
        <translation>Dateien nicht geöffnet</translation>
    </message>
    <message>
        <source>skipped %1</source>
        <translation>übersprungen: %1</translation>
    </message>
    <message>
        <source>The file %1 is corrupt!<byte value="xd"/>
<byte value="xd"/>
%2</source>
        <translation>Die Datei %1 ist beschädigt!<byte value="xd"/>
<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>The file %1 could not be read.<byte value="xd"/>
<byte value="xd"/>
%2</source>
        <translation>Die Datei %1 konnte nicht gelesen werden.<byte value="xd"/>
<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>Couldn&apos;t load %1</source>
        <translation>%1 konnte nicht geladen werden</translation>
    </message>
    <message>
        <source>The file %1 would be read as %2, but this window holds %3.<byte value="xd"/>
Do you want to save it under this name anyway?</source>
        <translation>Die Datei %1 würde als %2 gelesen, dieses Fenster enthält aber %3.<byte value="xd"/>
Möchten Sie sie trotzdem unter diesem Namen speichern?</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Speichern unter</translation>
    </message>
    <message>
        <source>The file %1 could not be saved.<byte value="xd"/>
<byte value="xd"/>
%2</source>
        <translation>Die Datei %1 konnte nicht gespeichert werden.<byte value="xd"/>
<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>Couldn&apos;t save %1</source>
        <translation>%1 konnte nicht gespeichert werden</translation>
    </message>
    <message>
        <source>When %1 was opened, %2 line(s) of it could not be read and were skipped.<byte value="xd"/>
Save without them?</source>
        <translation>Beim Öffnen von %1 konnten %2 Zeile(n) nicht gelesen werden und wurden übersprungen.<byte value="xd"/>
Ohne sie speichern?</translation>
    </message>
    <message>
        <source>Skipped lines</source>
        <translation>Übersprungene Zeilen</translation>
    </message>
    <message>
        <source>The code page %1 of this file cannot write these characters: %2<byte value="xd"/>
They were committed, but the file cannot be saved until they are replaced.</source>
        <translation>Die Codepage %1 dieser Datei kann diese Zeichen nicht schreiben: %2<byte value="xd"/>
Sie wurden übernommen, aber die Datei kann erst gespeichert werden, wenn sie ersetzt sind.</translation>
    </message>
    <message>
        <source>Characters the file cannot hold</source>
        <translation>Zeichen, die die Datei nicht aufnehmen kann</translation>
    </message>
    <message>
        <source>%1 text(s) of %2 cannot be kept in core.lrc (the caption of a &quot;txt&quot; control, the tool-tip of an &quot;mnu&quot; or &quot;[cap&quot; control) and would be left out.<byte value="xd"/>
Save without them?</source>
        <translation>%1 Text(e) von %2 können in core.lrc nicht gespeichert werden (die Beschriftung eines „txt“-Steuerelements, die Minihilfe eines „mnu“- oder „[cap“-Steuerelements) und würden weggelassen.<byte value="xd"/>
Ohne sie speichern?</translation>
    </message>
    <message>
        <source>Texts not saved</source>
        <translation>Texte nicht gespeichert</translation>
    </message>
</context>
<context>
    <name>basEntryFind</name>
    <message>
        <source>Cannot find &quot;%1&quot; in the translations.</source>
        <translation>„%1“ wurde in den Übersetzungen nicht gefunden.</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Ersetzen</translation>
    </message>
    <message>
        <source>1 entry</source>
        <translation>1 Eintrag</translation>
    </message>
    <message>
        <source>%1 entries</source>
        <translation>%1 Einträge</translation>
    </message>
    <message>
        <source>Replace all will change %1. The changes are not saved until you save the file.<byte value="xd"/>
Do you want to replace?</source>
        <translation>„Alle ersetzen“ ändert %1. Die Änderungen werden erst gespeichert, wenn Sie die Datei speichern.<byte value="xd"/>
Möchten Sie ersetzen?</translation>
    </message>
    <message>
        <source>Replace all</source>
        <translation>Alle ersetzen</translation>
    </message>
    <message>
        <source>Replace all will change %1 in %2 files. The changes are not saved until you save the file.<byte value="xd"/>
Do you want to replace?</source>
        <translation>„Alle ersetzen“ ändert %1 in %2 Dateien. Die Änderungen werden erst gespeichert, wenn Sie die Dateien speichern.<byte value="xd"/>
Möchten Sie ersetzen?</translation>
    </message>
</context>
<context>
    <name>basFolderUpdate</name>
    <message>
        <source>%1; the old state was not carried over</source>
        <translation>%1; der alte Bearbeitungsstand wurde nicht übernommen</translation>
    </message>
    <message>
        <source>; nothing was updated</source>
        <translation>; nichts wurde aktualisiert</translation>
    </message>
    <message>
        <source>Created the destination folder %1.</source>
        <translation>Der Zielordner %1 wurde angelegt.</translation>
    </message>
    <message>
        <source>The destination folder %1 would be created.</source>
        <translation>Der Zielordner %1 würde angelegt.</translation>
    </message>
    <message>
        <source>%L1 text with a state, %L2 to review</source>
        <translation>%L1 Text mit Bearbeitungsstand, davon %L2 zu prüfen</translation>
    </message>
    <message>
        <source>%L1 texts with a state, %L2 of them to review</source>
        <translation>%L1 Texte mit Bearbeitungsstand, davon %L2 zu prüfen</translation>
    </message>
    <message>
        <source>%1 would be written: %2</source>
        <translation>%1 würde geschrieben: %2</translation>
    </message>
    <message>
        <source>%1 was not written: %2</source>
        <translation>%1 wurde nicht geschrieben: %2</translation>
    </message>
    <message>
        <source>%1 was written: %2</source>
        <translation>%1 wurde geschrieben: %2</translation>
    </message>
</context>
<context>
    <name>basMessagePreview</name>
    <message>
        <source>This message cannot be previewed: %1</source>
        <translation>Für diese Meldung ist keine Vorschau möglich: %1</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vorschau</translation>
    </message>
</context>
<context>
    <name>clsEditorLayout</name>
    <message>
        <source>Procedural text</source>
        <translation>Programmtext</translation>
    </message>
    <message>
        <source>Object Path</source>
        <translation>Objektpfad</translation>
    </message>
    <message>
        <source>Text/Caption</source>
        <translation>Text/Beschriftung</translation>
    </message>
    <message>
        <source>Tool-Tip</source>
        <translation>Minihilfe</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titel</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Meldung</translation>
    </message>
</context>
<context>
    <name>clsEditorSource</name>
    <message>
        <source>No source: %1 has no %2</source>
        <translation>Keine Quelle: %1 enthält kein %2</translation>
    </message>
    <message>
        <source>No source: the source folder is this file&apos;s own folder</source>
        <translation>Keine Quelle: Der Quellordner ist der Ordner dieser Datei</translation>
    </message>
    <message>
        <source>No source: %1: %2</source>
        <translation>Keine Quelle: %1: %2</translation>
    </message>
    <message>
        <source>Caption:</source>
        <translation>Beschriftung:</translation>
    </message>
    <message>
        <source>Tool-Tip:</source>
        <translation>Minihilfe:</translation>
    </message>
    <message>
        <source>Title:</source>
        <translation>Titel:</translation>
    </message>
    <message>
        <source>Message:</source>
        <translation>Meldung:</translation>
    </message>
    <message>
        <source>Text:</source>
        <translation>Text:</translation>
    </message>
</context>
<context>
    <name>clsEditorStates</name>
    <message>
        <source>%1<byte value="xd"/>
<byte value="xd"/>
Replace it with the review marks, done marks and notes of this window? What the file holds now is lost.</source>
        <translation>%1<byte value="xd"/>
<byte value="xd"/>
Durch die Prüf- und Erledigt-Markierungen und Notizen dieses Fensters ersetzen? Was die Datei jetzt enthält, geht verloren.</translation>
    </message>
    <message>
        <source>Translation state</source>
        <translation>Bearbeitungsstand</translation>
    </message>
</context>
<context>
    <name>clsTralyx</name>
    <message>
        <source>Index out-of-bounds setting secondary</source>
        <translation>Index außerhalb des gültigen Bereichs beim Setzen eines Programmtexts</translation>
    </message>
    <message>
        <source>Doh!</source>
        <translation>Hoppla!</translation>
    </message>
    <message>
        <source>Index out-of-bounds setting control text item</source>
        <translation>Index außerhalb des gültigen Bereichs beim Setzen eines Steuerelementtexts</translation>
    </message>
    <message>
        <source>The file %1 already exists.<byte value="xd"/>
Do you want to overwrite it?</source>
        <translation>Die Datei %1 ist bereits vorhanden.<byte value="xd"/>
Möchten Sie sie überschreiben?</translation>
    </message>
    <message>
        <source>Overwrite file</source>
        <translation>Datei überschreiben</translation>
    </message>
    <message>
        <source>An unexpected error occurred loading the control text.</source>
        <translation>Beim Laden des Steuerelementtexts ist ein unerwarteter Fehler aufgetreten.</translation>
    </message>
</context>
<context>
    <name>tralyx::clsCodePageMenu</name>
    <message>
        <source>&amp;Code Page</source>
        <translation>&amp;Codepage</translation>
    </message>
    <message>
        <source>Read the files opened from now on as %1</source>
        <translation>Die ab jetzt geöffneten Dateien als %1 lesen</translation>
    </message>
</context>
<context>
    <name>tralyx::clsEditorFilter</name>
    <message>
        <source>%1 of %2 rows and the row being edited</source>
        <translation>%1 von %2 Zeilen und die bearbeitete Zeile</translation>
    </message>
    <message>
        <source>%1 of %2 rows</source>
        <translation>%1 von %2 Zeilen</translation>
    </message>
</context>
<context>
    <name>tralyx::clsEditorListModel</name>
    <message>
        <source>Untranslated</source>
        <translation>Nicht übersetzt</translation>
    </message>
    <message>
        <source>Same as the source</source>
        <translation>Identisch mit der Quelle</translation>
    </message>
    <message>
        <source>Changed, not saved</source>
        <translation>Geändert, nicht gespeichert</translation>
    </message>
    <message>
        <source>To review: the source changed since it was translated</source>
        <translation>Zu prüfen: Die Quelle hat sich seit der Übersetzung geändert</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Quelle</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Stand</translation>
    </message>
</context>
<context>
    <name>tralyx::clsEntryBoxes</name>
    <message>
        <source>Message details</source>
        <translation>Meldungsdetails</translation>
    </message>
    <message>
        <source>Title:</source>
        <translation>Titel:</translation>
    </message>
    <message>
        <source>Message:</source>
        <translation>Meldung:</translation>
    </message>
    <message>
        <source>(No suggestions)</source>
        <translation>(Keine Vorschläge)</translation>
    </message>
    <message>
        <source>Add “%1” to Dictionary</source>
        <translation>„%1“ zum Wörterbuch hinzufügen</translation>
    </message>
    <message>
        <source>core.lrc keeps no caption for a txt... text box.</source>
        <translation>core.lrc speichert für ein Textfeld (txt...) keine Beschriftung.</translation>
    </message>
    <message>
        <source>core.lrc keeps no tool-tip for a menu or a [cap...] entry.</source>
        <translation>core.lrc speichert für ein Menü oder einen [cap...]-Eintrag keine Minihilfe.</translation>
    </message>
    <message>
        <source>Text:</source>
        <translation>Text:</translation>
    </message>
    <message>
        <source>Tool-Tip:</source>
        <translation>Minihilfe:</translation>
    </message>
    <message>
        <source>Caption:</source>
        <translation>Beschriftung:</translation>
    </message>
    <message>
        <source>This text holds a line-break mark (↵ ␍ ␊) or a paragraph mark that this box cannot show; it is kept as it is.</source>
        <translation>Dieser Text enthält ein Zeilenumbruchzeichen (↵ ␍ ␊) oder ein Absatzzeichen, das dieses Feld nicht anzeigen kann; er bleibt unverändert.</translation>
    </message>
</context>
<context>
    <name>tralyx::clsFilterBar</name>
    <message>
        <source>Filter</source>
        <translation>Filter</translation>
    </message>
    <message>
        <source>Filter: id, source or translation</source>
        <translation>Filter: Kennung, Quelle oder Übersetzung</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Alle</translation>
    </message>
    <message>
        <source>Needs work</source>
        <translation>Zu bearbeiten</translation>
    </message>
    <message>
        <source>Errors</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Changed</source>
        <translation>Geändert</translation>
    </message>
    <message>
        <source>Untranslated</source>
        <translation>Nicht übersetzt</translation>
    </message>
    <message>
        <source>To review</source>
        <translation>Zu prüfen</translation>
    </message>
    <message>
        <source>Untranslated or to review</source>
        <translation>Unübersetzt oder zu prüfen</translation>
    </message>
    <message>
        <source>Warnings</source>
        <translation>Warnungen</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Erledigt</translation>
    </message>
</context>
<context>
    <name>tralyx::clsFormPreview</name>
    <message>
        <source>Form Preview</source>
        <translation>Formularvorschau</translation>
    </message>
    <message>
        <source>The form preview shows the forms of core.lrc.</source>
        <translation>Die Formularvorschau zeigt die Formulare von core.lrc.</translation>
    </message>
    <message>
        <source>The source&apos;s layout has no form of this row.</source>
        <translation>Das Layout der Quelle hat kein Formular für diese Zeile.</translation>
    </message>
    <message>
        <source>The source folder has no layout.json: harvest the application&apos;s forms and join them into it.</source>
        <translation>Der Quellordner hat keine layout.json: Sammeln Sie die Formulare der Anwendung und fügen Sie sie dort zusammen.</translation>
    </message>
</context>
<context>
    <name>tralyx::clsRecentFiles</name>
    <message>
        <source>Opens in %1</source>
        <translation>Öffnet als %1</translation>
    </message>
</context>
<context>
    <name>tralyx::clsSourceDock</name>
    <message>
        <source>Source</source>
        <translation>Quelle</translation>
    </message>
    <message>
        <source>N&amp;ote:</source>
        <translation>&amp;Notiz:</translation>
    </message>
    <message>
        <source>Your note on this row, kept in translation-state.json with the file</source>
        <translation>Ihre Notiz zu dieser Zeile, gespeichert in translation-state.json bei der Datei</translation>
    </message>
    <message>
        <source>Suggestions:</source>
        <translation>Vorschläge:</translation>
    </message>
    <message>
        <source>Ctrl+1 to Ctrl+5 put a suggestion into the box, Ctrl+B the source</source>
        <translation>Strg+1 bis Strg+5 übernehmen einen Vorschlag ins Feld, Strg+B die Quelle</translation>
    </message>
    <message>
        <source>No problems.</source>
        <translation>Keine Probleme.</translation>
    </message>
    <message>
        <source>Problems:
</source>
        <translation>Probleme:
</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>&amp;Alles auswählen</translation>
    </message>
    <message>
        <source>No source folder for this file.</source>
        <translation>Kein Quellordner für diese Datei.</translation>
    </message>
    <message>
        <source>To review.</source>
        <translation>Zu prüfen.</translation>
    </message>
    <message>
        <source>Carried over from %1, whose control was renamed.</source>
        <translation>Übernommen von %1, dessen Steuerelement umbenannt wurde.</translation>
    </message>
    <message>
        <source>The source is the one the translation was made for (filled from the memory or marked in an exchange file).</source>
        <translation>Die Quelle ist die, für die die Übersetzung gemacht wurde (aus dem Übersetzungsspeicher gefüllt oder in einer Austauschdatei markiert).</translation>
    </message>
    <message>
        <source>The source changed since this was translated.</source>
        <translation>Die Quelle hat sich seit der Übersetzung geändert.</translation>
    </message>
    <message>
        <source>Was:</source>
        <translation>Vorher:</translation>
    </message>
    <message>
        <source>Now:</source>
        <translation>Jetzt:</translation>
    </message>
    <message>
        <source>Ctrl+Return commits the row and ends its review.</source>
        <translation>Strg+Eingabe übernimmt die Zeile und beendet ihre Prüfung.</translation>
    </message>
    <message>
        <source>The memory has nothing like this text.</source>
        <translation>Der Übersetzungsspeicher kennt nichts Ähnliches.</translation>
    </message>
    <message>
        <source>Glossary:</source>
        <translation>Glossar:</translation>
    </message>
    <message>
        <source>Alt+1 to Alt+9 type a term&apos;s translation at the cursor</source>
        <translation>Alt+1 bis Alt+9 schreiben die Übersetzung eines Begriffs an der Schreibmarke</translation>
    </message>
    <message>
        <source>No term of the glossary in this text.</source>
        <translation>Kein Begriff des Glossars in diesem Text.</translation>
    </message>
</context>
<context>
    <name>tralyx::clsSpellingMenu</name>
    <message>
        <source>&amp;Spelling</source>
        <translation>&amp;Rechtschreibung</translation>
    </message>
    <message>
        <source>&amp;Check Spelling</source>
        <translation>Rechtschreibung &amp;prüfen</translation>
    </message>
    <message>
        <source>&amp;Automatic (the folder&apos;s language)</source>
        <translation>&amp;Automatisch (die Sprache des Ordners)</translation>
    </message>
    <message>
        <source>No %1 spelling dictionary: the package %2 adds one</source>
        <translation>Kein Wörterbuch für %1: Das Paket %2 stellt eines bereit</translation>
    </message>
    <message>
        <source>No %1 spelling dictionary is installed</source>
        <translation>Kein Wörterbuch für %1 installiert</translation>
    </message>
</context>
<context>
    <name>tralyx::clsStatusPanels</name>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Code page of the next Open</source>
        <translation>Codepage für das nächste Öffnen</translation>
    </message>
    <message>
        <source>Code page of the active file</source>
        <translation>Codepage der aktiven Datei</translation>
    </message>
    <message>
        <source>Next Open: %1</source>
        <translation>Nächstes Öffnen: %1</translation>
    </message>
    <message>
        <source>Modified</source>
        <translation>Geändert</translation>
    </message>
</context>
<context>
    <name>tralyx::clsToolBar</name>
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
        <source>Save changes</source>
        <translation>Änderungen übernehmen</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Werkzeugleiste</translation>
    </message>
</context>
<context>
    <name>tralyx::clsUpdateReportModel</name>
    <message>
        <source>Kept</source>
        <translation>Behalten</translation>
    </message>
    <message>
        <source>Review</source>
        <translation>Zu prüfen</translation>
    </message>
    <message>
        <source>Moved</source>
        <translation>Verschoben</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Dropped</source>
        <translation>Entfernt</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Art</translation>
    </message>
    <message>
        <source>Id</source>
        <translation>Kennung</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <source>still in the source language</source>
        <translation>noch in der Quellsprache</translation>
    </message>
    <message>
        <source>a second entry with this path; the first one was kept</source>
        <translation>ein zweiter Eintrag mit diesem Pfad; der erste wurde behalten</translation>
    </message>
    <message>
        <source>the source was &quot;%1&quot;, now &quot;%2&quot;</source>
        <translation>die Quelle war „%1“, jetzt „%2“</translation>
    </message>
    <message>
        <source> (from %1)</source>
        <translation> (aus %1)</translation>
    </message>
    <message>
        <source>the old file&apos;s %1, which the new release does not have</source>
        <translation>%1 der alten Datei, das die neue Version nicht hat</translation>
    </message>
    <message>
        <source>the old file&apos;s %1, now %2, to review</source>
        <translation>%1 der alten Datei, jetzt %2, zu prüfen</translation>
    </message>
    <message>
        <source>the old file&apos;s %1, now %2</source>
        <translation>%1 der alten Datei, jetzt %2</translation>
    </message>
</context>
<context>
    <name>tralyx::clsViewMenu</name>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Filter Rows</source>
        <translation>Zeilen &amp;filtern</translation>
    </message>
    <message>
        <source>Source &amp;Column</source>
        <translation>Quell&amp;spalte</translation>
    </message>
    <message>
        <source>Form &amp;Preview</source>
        <translation>Formular&amp;vorschau</translation>
    </message>
</context>
<context>
    <name>tralyx::clsWelcome</name>
    <message>
        <source>Open Language Folder...</source>
        <translation>Sprachordner öffnen ...</translation>
    </message>
    <message>
        <source>Open a file...</source>
        <translation>Eine Datei öffnen ...</translation>
    </message>
    <message>
        <source>Opened last</source>
        <translation>Zuletzt geöffnet</translation>
    </message>
</context>
<context>
    <name>tralyx::clsWindowMenu</name>
    <message>
        <source>&amp;Window</source>
        <translation>&amp;Fenster</translation>
    </message>
    <message>
        <source>&amp;Cascade</source>
        <translation>&amp;Überlappend</translation>
    </message>
    <message>
        <source>Tile &amp;Horizontal</source>
        <translation>&amp;Untereinander</translation>
    </message>
    <message>
        <source>Tile &amp;Vertical</source>
        <translation>&amp;Nebeneinander</translation>
    </message>
    <message>
        <source>&amp;Arrange Icons</source>
        <translation>&amp;Symbole anordnen</translation>
    </message>
</context>
<context>
    <name>tralyx::frmAbout</name>
    <message>
        <source>About Tralyx</source>
        <translation>Über Tralyx</translation>
    </message>
    <message>
        <source>Allows management of Zarvo .LRC files to ease localisation.</source>
        <translation>Verwaltet Zarvo-.LRC-Dateien und erleichtert so die Lokalisierung.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>Version %1.%2.%3</translation>
    </message>
</context>
<context>
    <name>tralyx::frmConcordance</name>
    <message>
        <source>Concordance Search</source>
        <translation>Konkordanzsuche</translation>
    </message>
    <message>
        <source>Source and translation</source>
        <translation>Quelle und Übersetzung</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Quelle</translation>
    </message>
    <message>
        <source>Translation</source>
        <translation>Übersetzung</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Herkunft</translation>
    </message>
    <message>
        <source>Fi&amp;nd:</source>
        <translation>Such&amp;begriff:</translation>
    </message>
    <message>
        <source>&amp;Insert Translation</source>
        <translation>Übersetzung ein&amp;fügen</translation>
    </message>
    <message>
        <source>Into the translation box at its cursor, as typing (Return or a double click does the same)</source>
        <translation>In das Übersetzungsfeld an der Schreibmarke, wie getippt (Eingabetaste oder Doppelklick tun dasselbe)</translation>
    </message>
    <message>
        <source>The concordance searches the memory of a window whose file has its source folder (File &gt; Source Folder...).</source>
        <translation>Die Konkordanz durchsucht den Übersetzungsspeicher eines Fensters, dessen Datei ihren Quellordner hat (Datei &gt; Quellordner ...).</translation>
    </message>
    <message>
        <source>A word or a phrase, found in any case.</source>
        <translation>Ein Wort oder eine Wendung, in jeder Groß- und Kleinschreibung gefunden.</translation>
    </message>
    <message>
        <source>No unit of the memory holds it.</source>
        <translation>Keine Einheit des Übersetzungsspeichers enthält es.</translation>
    </message>
    <message>
        <source>1 unit of the memory holds it.</source>
        <translation>1 Einheit des Übersetzungsspeichers enthält es.</translation>
    </message>
    <message>
        <source>%1 units of the memory hold it; the first %2 are listed.</source>
        <translation>%1 Einheiten des Übersetzungsspeichers enthalten es; die ersten %2 sind aufgeführt.</translation>
    </message>
    <message>
        <source>%1 units of the memory hold it.</source>
        <translation>%1 Einheiten des Übersetzungsspeichers enthalten es.</translation>
    </message>
    <message>
        <source>Choose a row of the file to translate first.</source>
        <translation>Wählen Sie zuerst eine Zeile der Datei, die Sie übersetzen.</translation>
    </message>
    <message>
        <source>&amp;Look in:</source>
        <translation>Suchen &amp;in:</translation>
    </message>
    <message>
        <source>C&amp;opy Translation</source>
        <translation>Übersetzung &amp;kopieren</translation>
    </message>
</context>
<context>
    <name>tralyx::frmFolderSelector</name>
    <message>
        <source>Select a folder</source>
        <translation>Ordner auswählen</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
</context>
<context>
    <name>tralyx::frmMain</name>
    <message>
        <source>&amp;Open</source>
        <translation>Ö&amp;ffnen</translation>
    </message>
    <message>
        <source>Open Language &amp;Folder...</source>
        <translation>Sprach&amp;ordner öffnen ...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>S&amp;chließen</translation>
    </message>
    <message>
        <source>&amp;Update file</source>
        <translation>Datei &amp;aktualisieren</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Speichern &amp;unter ...</translation>
    </message>
    <message>
        <source>Source &amp;Folder...</source>
        <translation>&amp;Quellordner ...</translation>
    </message>
    <message>
        <source>Translation &amp;Memory...</source>
        <translation>&amp;Übersetzungsspeicher ...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
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
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederherstellen</translation>
    </message>
    <message>
        <source>&amp;Replace...</source>
        <translation>Erset&amp;zen ...</translation>
    </message>
    <message>
        <source>&amp;Next Needing Work</source>
        <translation>&amp;Nächster zu bearbeitender Eintrag</translation>
    </message>
    <message>
        <source>Pre&amp;vious Needing Work</source>
        <translation>&amp;Vorheriger zu bearbeitender Eintrag</translation>
    </message>
    <message>
        <source>Mark as &amp;Done</source>
        <translation>Als er&amp;ledigt markieren</translation>
    </message>
    <message>
        <source>&amp;Fill from Memory...</source>
        <translation>Aus dem &amp;Speicher füllen ...</translation>
    </message>
    <message>
        <source>&amp;About Tralyx...</source>
        <translation>&amp;Über Tralyx ...</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>Ask Before &amp;Overwriting the File Being Edited</source>
        <translation>Vor dem Überschreiben der bearbeiteten Datei &amp;nachfragen</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>E&amp;xtras</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>%1: a folder without any of them</source>
        <translation>%1: ein Ordner ohne jede dieser Dateien</translation>
    </message>
    <message>
        <source>%1: %2 of %3 translated</source>
        <translation>%1: %2 von %3 übersetzt</translation>
    </message>
    <message>
        <source>No other entry in %1 needs work.<byte value="xd"/>
Go on with %2?</source>
        <translation>In %1 ist sonst nichts mehr zu bearbeiten.<byte value="xd"/>
Mit %2 fortfahren?</translation>
    </message>
    <message>
        <source>Next Needing Work</source>
        <translation>Nächster zu bearbeitender Eintrag</translation>
    </message>
    <message>
        <source>%1 (ignored)</source>
        <translation>%1 (ignoriert)</translation>
    </message>
    <message>
        <source>Translation memory: %1</source>
        <translation>Übersetzungsspeicher: %1</translation>
    </message>
    <message>
        <source>Mark as Done is for a translation that is the same as its source on purpose (&quot;OK&quot;, a product name).</source>
        <translation>„Als erledigt markieren“ ist für eine Übersetzung, die absichtlich ihrer Quelle gleicht („OK“, ein Produktname).</translation>
    </message>
    <message>
        <source>Mark as Done</source>
        <translation>Als erledigt markieren</translation>
    </message>
    <message>
        <source>Fill from Memory needs the file&apos;s source folder (File &gt; Source Folder...).</source>
        <translation>„Aus dem Speicher füllen“ braucht den Quellordner der Datei (Datei &gt; Quellordner ...).</translation>
    </message>
    <message>
        <source>Fill from Memory</source>
        <translation>Aus dem Speicher füllen</translation>
    </message>
    <message>
        <source>The memory has no exact match for any untranslated text.</source>
        <translation>Der Übersetzungsspeicher hat für keinen unübersetzten Text eine genaue Entsprechung.</translation>
    </message>
    <message>
        <source>1 untranslated text was filled from the memory, each marked for review.</source>
        <translation>1 unübersetzter Text wurde aus dem Übersetzungsspeicher gefüllt und zur Prüfung markiert.</translation>
    </message>
    <message>
        <source>%1 untranslated texts were filled from the memory, each marked for review.</source>
        <translation>%1 unübersetzte Texte wurden aus dem Übersetzungsspeicher gefüllt, jeder zur Prüfung markiert.</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Rückgängig: %1</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Wiederherstellen: %1</translation>
    </message>
    <message>
        <source>Do you want to open %1 again in %2?<byte value="xd"/>
It was read in %3.</source>
        <translation>Möchten Sie %1 erneut als %2 öffnen?<byte value="xd"/>
Sie wurde als %3 gelesen.</translation>
    </message>
    <message>
        <source>Code page</source>
        <translation>Codepage</translation>
    </message>
    <message>
        <source>Zarvo Language resource files (*.LRC)|*.LRC|All Files (*.*)|*.*</source>
        <translation>Zarvo-Sprachressourcendateien (*.LRC)|*.LRC|Alle Dateien (*.*)|*.*</translation>
    </message>
    <message>
        <source>Save A&amp;ll</source>
        <translation>A&amp;lle speichern</translation>
    </message>
    <message>
        <source>Save the changes to %1 in %2?<byte value="xd"/>
The files there are overwritten.</source>
        <translation>Die Änderungen an %1 in %2 speichern?<byte value="xd"/>
Die Dateien dort werden überschrieben.</translation>
    </message>
    <message>
        <source>Save All</source>
        <translation>Alle speichern</translation>
    </message>
    <message>
        <source>Mar&amp;k for Review</source>
        <translation>Zur Prüfun&amp;g markieren</translation>
    </message>
    <message>
        <source>Mark for Review is for a translated row, to come back to it.</source>
        <translation>Zur Prüfung markieren gilt einer übersetzten Zeile, um auf sie zurückzukommen.</translation>
    </message>
    <message>
        <source>Mark for Review</source>
        <translation>Zur Prüfung markieren</translation>
    </message>
    <message>
        <source>Concordance &amp;Search...</source>
        <translation>K&amp;onkordanzsuche ...</translation>
    </message>
    <message>
        <source>&amp;Glossary...</source>
        <translation>&amp;Glossar ...</translation>
    </message>
    <message>
        <source>No Glossar&amp;y</source>
        <translation>&amp;Kein Glossar</translation>
    </message>
    <message>
        <source>Glossary: %1</source>
        <translation>Glossar: %1</translation>
    </message>
    <message>
        <source>Glossary: its language is %1, this folder&apos;s %2</source>
        <translation>Glossar: seine Sprache ist %1, die dieses Ordners %2</translation>
    </message>
    <message>
        <source>Glossaries (*.tbx;*.csv)|*.tbx;*.csv|All Files (*.*)|*.*</source>
        <translation>Glossare (*.tbx;*.csv)|*.tbx;*.csv|Alle Dateien (*.*)|*.*</translation>
    </message>
    <message>
        <source>The glossary cannot be read:
%1</source>
        <translation>Das Glossar kann nicht gelesen werden:
%1</translation>
    </message>
    <message>
        <source>Glossary</source>
        <translation>Glossar</translation>
    </message>
</context>
<context>
    <name>tralyx::frmMessageEditor</name>
    <message>
        <source>&amp;Preview</source>
        <translation>&amp;Vorschau</translation>
    </message>
    <message>
        <source>Message Tralyx</source>
        <translation>Meldungen – Tralyx</translation>
    </message>
    <message>
        <source>Drag to give the boxes more or less room</source>
        <translation>Ziehen, um den Feldern mehr oder weniger Platz zu geben</translation>
    </message>
    <message>
        <source>Localising %1</source>
        <translation>Lokalisierung: %1</translation>
    </message>
    <message>
        <source>This item has changed, do you want to save the changes?<byte value="xd"/>
<byte value="xd"/>
%1</source>
        <translation>Dieser Eintrag wurde geändert. Möchten Sie die Änderungen übernehmen?<byte value="xd"/>
<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>Data changed</source>
        <translation>Daten geändert</translation>
    </message>
    <message>
        <source>Commit %1</source>
        <translation>Übernehmen von %1</translation>
    </message>
    <message>
        <source>The texts were saved, but not their translation state (review, done, notes):<byte value="xd"/>
%1</source>
        <translation>Die Texte wurden gespeichert, ihr Bearbeitungsstand (Prüfung, erledigt, Notizen) aber nicht:<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>Translation state</source>
        <translation>Bearbeitungsstand</translation>
    </message>
    <message>
        <source>Do you want to save your changes?<byte value="xd"/>
<byte value="xd"/>
%1</source>
        <translation>Möchten Sie Ihre Änderungen speichern?<byte value="xd"/>
<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>Save changes</source>
        <translation>Änderungen speichern</translation>
    </message>
    <message>
        <source>No row is listed.</source>
        <translation>Keine Zeile aufgeführt.</translation>
    </message>
    <message>
        <source>Replace All “%1” by “%2”</source>
        <translation>Alle „%1“ durch „%2“ ersetzen</translation>
    </message>
    <message>
        <source>Typing in %1</source>
        <translation>Eingabe in %1</translation>
    </message>
    <message>
        <source>Not Done %1</source>
        <translation>Nicht erledigt: %1</translation>
    </message>
    <message>
        <source>Mark as Done %1</source>
        <translation>Als erledigt markieren: %1</translation>
    </message>
    <message>
        <source>Note on %1</source>
        <translation>Notiz zu %1</translation>
    </message>
    <message>
        <source>Fill from Memory</source>
        <translation>Aus dem Speicher füllen</translation>
    </message>
    <message>
        <source>A merge left another translation of %1: &quot;%2&quot; (before the merge: &quot;%3&quot;). Commit the row to keep what its box holds.</source>
        <translation>Eine Zusammenführung hat eine weitere Übersetzung von %1 hinterlassen: &quot;%2&quot; (vor der Zusammenführung: &quot;%3&quot;). Bestätigen Sie die Zeile, um zu behalten, was ihr Feld enthält.</translation>
    </message>
    <message>
        <source>Reviewed %1</source>
        <translation>%1 geprüft</translation>
    </message>
    <message>
        <source>Mark for Review %1</source>
        <translation>%1 zur Prüfung markieren</translation>
    </message>
    <message>
        <source>The form layout was not read: %1</source>
        <translation>Das Formularlayout wurde nicht gelesen: %1</translation>
    </message>
    <message>
        <source>fits: %1 of %2 px high</source>
        <translation>passt: %1 von %2 px Höhe</translation>
    </message>
    <message>
        <source>fits: %1 of %2 px</source>
        <translation>passt: %1 von %2 px</translation>
    </message>
    <message>
        <source>too tall: %1 of %2 px high</source>
        <translation>zu hoch: %1 von %2 px Höhe</translation>
    </message>
    <message>
        <source>too wide: %1 of %2 px</source>
        <translation>zu breit: %1 von %2 px</translation>
    </message>
    <message>
        <source>(measured in %1: %2 is not installed)</source>
        <translation>(gemessen in %1: %2 ist nicht installiert)</translation>
    </message>
</context>
<context>
    <name>tralyx::frmReplace</name>
    <message>
        <source>Match &amp;case</source>
        <translation>Groß-/&amp;Kleinschreibung beachten</translation>
    </message>
    <message>
        <source>&amp;Whole word</source>
        <translation>Nur &amp;ganze Wörter</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Ersetzen</translation>
    </message>
    <message>
        <source>Fi&amp;nd what:</source>
        <translation>&amp;Suchen nach:</translation>
    </message>
    <message>
        <source>Re&amp;place with:</source>
        <translation>Ersetzen &amp;durch:</translation>
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
        <source>Cannot find &quot;%1&quot; in the translations.</source>
        <translation>„%1“ wurde in den Übersetzungen nicht gefunden.</translation>
    </message>
    <message>
        <source>This window</source>
        <translation>Dieses Fenster</translation>
    </message>
    <message>
        <source>All open files of its folder</source>
        <translation>Alle geöffneten Dateien seines Ordners</translation>
    </message>
    <message>
        <source>&amp;Look in:</source>
        <translation>Suchen &amp;in:</translation>
    </message>
    <message>
        <source>No file is open.</source>
        <translation>Keine Datei geöffnet.</translation>
    </message>
    <message>
        <source>In %1</source>
        <translation>In %1</translation>
    </message>
</context>
<context>
    <name>tralyx::frmTranslationMemory</name>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Entfernen</translation>
    </message>
    <message>
        <source>Translation Memory</source>
        <translation>Übersetzungsspeicher</translation>
    </message>
    <message>
        <source>The suggestions and Fill from Memory draw on these translated language folders (each beside its English folder) and TMX files, first to last:</source>
        <translation>Die Vorschläge und „Aus dem Speicher füllen“ greifen auf diese übersetzten Sprachordner (jeweils neben ihrem englischen Ordner) und TMX-Dateien zurück, vom ersten bis zum letzten:</translation>
    </message>
    <message>
        <source>Add &amp;Folder...</source>
        <translation>&amp;Ordner hinzufügen ...</translation>
    </message>
    <message>
        <source>Add &amp;TMX File...</source>
        <translation>&amp;TMX-Datei hinzufügen ...</translation>
    </message>
    <message>
        <source>%1  (the open folder, always)</source>
        <translation>%1  (der geöffnete Ordner, immer)</translation>
    </message>
    <message>
        <source>Translation memory (*.tmx);;All Files (*)</source>
        <translation>Übersetzungsspeicher (*.tmx);;Alle Dateien (*)</translation>
    </message>
</context>
<context>
    <name>tralyx::frmUpdateFiles</name>
    <message>
        <source>Update Files</source>
        <translation>Dateien aktualisieren</translation>
    </message>
    <message>
        <source>File Details</source>
        <translation>Dateiangaben</translation>
    </message>
    <message>
        <source>O&amp;ld file folder:</source>
        <translation>&amp;Ordner der alten Dateien:</translation>
    </message>
    <message>
        <source>&amp;New file folder:</source>
        <translation>Ordner der &amp;neuen Dateien:</translation>
    </message>
    <message>
        <source>&amp;Destination folder:</source>
        <translation>&amp;Zielordner:</translation>
    </message>
    <message>
        <source>Old &amp;source folder:</source>
        <translation>Alter &amp;Quellordner:</translation>
    </message>
    <message>
        <source>Browse for the folder</source>
        <translation>Ordner suchen</translation>
    </message>
    <message>
        <source>optional</source>
        <translation>optional</translation>
    </message>
    <message>
        <source>The source folder the old folder was translated from (its English). With it, a text whose source
changed keeps its translation for review, texts follow their source to a new number, and a renamed
control keeps its translation. Empty: entries are matched by id and position only.</source>
        <translation>Der Quellordner, aus dem der alte Ordner übersetzt wurde (sein Englisch). Mit ihm behält ein Text, dessen
Quelle sich geändert hat, seine Übersetzung zur Prüfung, Texte folgen ihrer Quelle zu einer neuen Nummer,
und ein umbenanntes Steuerelement behält seine Übersetzung. Leer: Einträge werden nur nach Kennung und Position zugeordnet.</translation>
    </message>
    <message>
        <source>&amp;Update</source>
        <translation>A&amp;ktualisieren</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>Show &amp;Report</source>
        <translation>&amp;Bericht anzeigen</translation>
    </message>
    <message>
        <source>The old source folder %1 does not exist.<byte value="xd"/>
<byte value="xd"/>
Choose the folder the old folder was translated from, or clear the box to update without it.</source>
        <translation>Der alte Quellordner %1 ist nicht vorhanden.<byte value="xd"/>
<byte value="xd"/>
Wählen Sie den Ordner, aus dem der alte Ordner übersetzt wurde, oder leeren Sie das Feld, um ohne ihn zu aktualisieren.</translation>
    </message>
</context>
<context>
    <name>tralyx::frmUpdateReport</name>
    <message>
        <source>written</source>
        <translation>geschrieben</translation>
    </message>
    <message>
        <source>merged, not written (dry run)</source>
        <translation>zusammengeführt, nicht geschrieben (Probelauf)</translation>
    </message>
    <message>
        <source>Update Report</source>
        <translation>Aktualisierungsbericht</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>&amp;Show:</source>
        <translation>&amp;Anzeigen:</translation>
    </message>
    <message>
        <source>All entries</source>
        <translation>Alle Einträge</translation>
    </message>
    <message>
        <source>Save &amp;Report...</source>
        <translation>&amp;Bericht speichern ...</translation>
    </message>
    <message>
        <source>&amp;Open Result</source>
        <translation>Ergebnis ö&amp;ffnen</translation>
    </message>
    <message>
        <source>Opens the files written in the editor, with the new release&apos;s folder as their source</source>
        <translation>Öffnet die geschriebenen Dateien im Editor, mit dem Ordner der neuen Version als Quelle</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>From %1 and %2 into %3</source>
        <translation>Aus %1 und %2 nach %3</translation>
    </message>
    <message>
        <source>Compared with the old source %1</source>
        <translation>Verglichen mit der alten Quelle %1</translation>
    </message>
    <message>
        <source>%1: %L2 warning(s) while reading, the first: %3</source>
        <translation>%1: %L2 Warnung(en) beim Lesen, die erste: %3</translation>
    </message>
    <message>
        <source>%L1 of %L2 entries</source>
        <translation>%L1 von %L2 Einträgen</translation>
    </message>
    <message>
        <source>Text files (*.txt);;All Files (*)</source>
        <translation>Textdateien (*.txt);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>The report was not saved.<byte value="xd"/>
<byte value="xd"/>
%1</source>
        <translation>Der Bericht wurde nicht gespeichert.<byte value="xd"/>
<byte value="xd"/>
%1</translation>
    </message>
</context>
<context>
    <name>udtProgress</name>
    <message>
        <source>1 error</source>
        <translation>1 Fehler</translation>
    </message>
    <message>
        <source>%1 errors</source>
        <translation>%1 Fehler</translation>
    </message>
    <message>
        <source>1 warning</source>
        <translation>1 Warnung</translation>
    </message>
    <message>
        <source>%1 warnings</source>
        <translation>%1 Warnungen</translation>
    </message>
    <message>
        <source>Translated %1 of %2 (%3%)</source>
        <translation>%1 von %2 übersetzt (%3 %)</translation>
    </message>
</context>
<context>
    <name>udtUpdateReport</name>
    <message>
        <source>%1, line %2: %3</source>
        <translation>%1, Zeile %2: %3</translation>
    </message>
    <message>
        <source> (a second entry with this path; the first one was kept)</source>
        <translation> (ein zweiter Eintrag mit diesem Pfad; der erste wurde behalten)</translation>
    </message>
    <message>
        <source>    ... and %L1 more</source>
        <translation>    ... und %L1 weitere</translation>
    </message>
    <message>
        <source>%1 was written to %2</source>
        <translation>%1 wurde nach %2 geschrieben</translation>
    </message>
    <message>
        <source>%1 was merged and not written (dry run)</source>
        <translation>%1 wurde zusammengeführt und nicht geschrieben (Probelauf)</translation>
    </message>
    <message>
        <source>%1 was not merged: %2</source>
        <translation>%1 wurde nicht zusammengeführt: %2</translation>
    </message>
    <message>
        <source>%1 was not written: %2</source>
        <translation>%1 wurde nicht geschrieben: %2</translation>
    </message>
    <message>
        <source>  compared with the old source %1</source>
        <translation>  verglichen mit der alten Quelle %1</translation>
    </message>
    <message>
        <source>  entries from the old file: %L1, from the new file: %L2, old ones dropped: %L3</source>
        <translation>  Einträge aus der alten Datei: %L1, aus der neuen Datei: %L2, alte entfernt: %L3</translation>
    </message>
    <message>
        <source>  kept: %L1</source>
        <translation>  behalten: %L1</translation>
    </message>
    <message>
        <source>  the source changed, to review: %L1</source>
        <translation>  Quelle geändert, zu prüfen: %L1</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot;: the source was &quot;%3&quot;, now &quot;%4&quot;</source>
        <translation>%1 „%2“: die Quelle war „%3“, jetzt „%4“</translation>
    </message>
    <message>
        <source> (from %1)</source>
        <translation> (aus %1)</translation>
    </message>
    <message>
        <source>  moved: %L1</source>
        <translation>  verschoben: %L1</translation>
    </message>
    <message>
        <source> (to review)</source>
        <translation> (zu prüfen)</translation>
    </message>
    <message>
        <source>  taken from the new file, still to translate: %L1</source>
        <translation>  aus der neuen Datei übernommen, noch zu übersetzen: %L1</translation>
    </message>
    <message>
        <source>  dropped from the old file: %L1</source>
        <translation>  aus der alten Datei entfernt: %L1</translation>
    </message>
    <message>
        <source>  lines skipped while reading: %L1</source>
        <translation>  beim Lesen übersprungene Zeilen: %L1</translation>
    </message>
    <message>
        <source>Completed!</source>
        <translation>Fertig!</translation>
    </message>
    <message>
        <source>Not every file was updated.<byte value="xd"/>
<byte value="xd"/>
</source>
        <translation>Nicht jede Datei wurde aktualisiert.<byte value="xd"/>
<byte value="xd"/>
</translation>
    </message>
</context>
</TS>
