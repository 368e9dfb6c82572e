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
</context>
<context>
    <name>basFolderUpdate</name>
    <message>
        <source>%1; the old state was not carried over</source>
        <translation>%1; der alte Bearbeitungsstand wurde nicht übernommen</translation>
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
    <name>tralyx::clsEditorListModel</name>
    <message>
        <source>Untranslated</source>
        <translation>Nicht übersetzt</translation>
    </message>
    <message>
        <source>Same as the source</source>
        <translation>Gleich wie die Quelle</translation>
    </message>
    <message>
        <source>Changed, not saved</source>
        <translation>Geändert, nicht gespeichert</translation>
    </message>
    <message>
        <source>To review: the source changed since it was translated</source>
        <translation>Zu prüfen: Die Quelle hat sich seit der Übersetzung geändert</translation>
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
</context>
<context>
    <name>tralyx::clsRecentFiles</name>
    <message>
        <source>Opens in %1</source>
        <translation>Öffnet als %1</translation>
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
    <name>tralyx::clsViewMenu</name>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Filter Rows</source>
        <translation>Zeilen &amp;filtern</translation>
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
    <name>tralyx::frmReplace</name>
    <message>
        <source>Match &amp;case</source>
        <translation>&amp;Groß-/Kleinschreibung beachten</translation>
    </message>
    <message>
        <source>&amp;Whole word</source>
        <translation>Nur ganze &amp;Wörter</translation>
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
