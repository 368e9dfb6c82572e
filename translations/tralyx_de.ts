<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>basChecks</name>
    <message>
        <source>the access key %1 (%2) is also the one of %3 (%4) on this form</source>
        <translation>die Zugriffstaste %1 (%2) ist auf diesem Formular auch die von %3 (%4)</translation>
    </message>
</context>
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
    <name>basControlTextFormat</name>
    <message>
        <source>the line is blank</source>
        <translation>die Zeile ist leer</translation>
    </message>
    <message>
        <source>expected Form.Control.Index.Tag:Text, but the line has fewer than three &apos;.&apos;</source>
        <translation>erwartet wird Form.Control.Index.Tag:Text, die Zeile hat aber weniger als drei &apos;.&apos;</translation>
    </message>
    <message>
        <source>index &apos;%1&apos; is not a number from 0 to 255</source>
        <translation>der Index &apos;%1&apos; ist keine Zahl von 0 bis 255</translation>
    </message>
    <message>
        <source>no &apos;:&apos; after the index (expected a tag such as T: or C:)</source>
        <translation>kein &apos;:&apos; nach dem Index (erwartet wird eine Kennung wie T: oder C:)</translation>
    </message>
    <message>
        <source>unexpected tag &apos;%1&apos; (a line is T: or C:)</source>
        <translation>unerwartete Kennung &apos;%1&apos; (eine Zeile ist T: oder C:)</translation>
    </message>
    <message>
        <source>unexpected tag &apos;%1&apos;; the line was skipped</source>
        <translation>unerwartete Kennung &apos;%1&apos;; die Zeile wurde übersprungen</translation>
    </message>
    <message>
        <source>the file has more than %L1 records, the most a table can hold</source>
        <translation>die Datei hat mehr als %L1 Datensätze, die höchste Zahl, die eine Tabelle aufnehmen kann</translation>
    </message>
    <message>
        <source>%1: the name &apos;%2&apos; holds a &apos;.&apos; or a line break, which this format cannot carry</source>
        <translation>%1: der Name &apos;%2&apos; enthält einen &apos;.&apos; oder einen Zeilenumbruch, den dieses Format nicht aufnehmen kann</translation>
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
    <name>basEndMarks</name>
    <message>
        <source>the source ends with &quot;...&quot; (more input follows), the translation does not</source>
        <translation>die Quelle endet mit „...“ (weitere Eingabe folgt), die Übersetzung nicht</translation>
    </message>
    <message>
        <source>the translation ends with %1 but has no %2 before it</source>
        <translation>die Übersetzung endet mit %1, hat aber kein %2 davor</translation>
    </message>
    <message>
        <source>the source ends with &quot;:&quot;, the translation does not</source>
        <translation>die Quelle endet mit „:“, die Übersetzung nicht</translation>
    </message>
    <message>
        <source>the source ends with %1, the translation with %2</source>
        <translation>die Quelle endet mit %1, die Übersetzung mit %2</translation>
    </message>
    <message>
        <source>the source ends with %1, the translation does not</source>
        <translation>die Quelle endet mit %1, die Übersetzung nicht</translation>
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
    <name>basEntryRules</name>
    <message>
        <source>line break</source>
        <translation>Zeilenumbruch</translation>
    </message>
    <message>
        <source>no-break space</source>
        <translation>geschütztes Leerzeichen</translation>
    </message>
    <message>
        <source>the source has this entry (line %1), the translation does not</source>
        <translation>die Quelle hat diesen Eintrag (Zeile %1), die Übersetzung nicht</translation>
    </message>
    <message>
        <source>the source has this entry, the translation does not</source>
        <translation>die Quelle hat diesen Eintrag, die Übersetzung nicht</translation>
    </message>
    <message>
        <source>the source has no such entry any more; the application never shows it</source>
        <translation>die Quelle hat diesen Eintrag nicht mehr; die Anwendung zeigt ihn nie an</translation>
    </message>
    <message>
        <source>no caption line for a &quot;txt&quot; control</source>
        <translation>keine Beschriftungszeile für ein „txt“-Steuerelement</translation>
    </message>
    <message>
        <source>no tool-tip line for an &quot;mnu&quot; or &quot;[cap&quot; control</source>
        <translation>keine Minihilfe-Zeile für ein „mnu“- oder „[cap“-Steuerelement</translation>
    </message>
    <message>
        <source>core.lrc has %1; this text is lost on save</source>
        <translation>core.lrc hat %1; dieser Text geht beim Speichern verloren</translation>
    </message>
    <message>
        <source>the source has this text, but core.lrc has %1: no translation can carry it (rename the control)</source>
        <translation>die Quelle hat diesen Text, core.lrc hat aber %1: keine Übersetzung kann ihn aufnehmen (benennen Sie das Steuerelement um)</translation>
    </message>
    <message>
        <source>carried over from %1 by the update (the control was renamed); review the translation</source>
        <translation>von der Aktualisierung aus %1 übernommen (das Steuerelement wurde umbenannt); prüfen Sie die Übersetzung</translation>
    </message>
    <message>
        <source>marked for review; review the translation</source>
        <translation>zur Prüfung markiert; prüfen Sie die Übersetzung</translation>
    </message>
    <message>
        <source>the source was &quot;%1&quot; when this was translated; review the translation</source>
        <translation>die Quelle war „%1“, als dies übersetzt wurde; prüfen Sie die Übersetzung</translation>
    </message>
    <message>
        <source>the translation is empty</source>
        <translation>die Übersetzung ist leer</translation>
    </message>
    <message>
        <source>the translation is the same as the source</source>
        <translation>die Übersetzung ist identisch mit der Quelle</translation>
    </message>
    <message>
        <source>&quot;[#!&quot; without its closing &quot;!#]&quot;: the end user sees the raw marker</source>
        <translation>„[#!“ ohne schließendes „!#]“: der Endbenutzer sieht den rohen Platzhalter</translation>
    </message>
    <message>
        <source>the source has an access key (%1), the translation has none</source>
        <translation>die Quelle hat eine Zugriffstaste (%1), die Übersetzung keine</translation>
    </message>
    <message>
        <source>the translation has %1 access keys, the source one (%2); write &quot;&amp;&amp;&quot; for a plain &quot;&amp;&quot;</source>
        <translation>die Übersetzung hat %1 Zugriffstasten, die Quelle eine (%2); schreiben Sie „&amp;&amp;“ für ein einfaches „&amp;“</translation>
    </message>
    <message>
        <source>the translation has an access key (%1), the source has none; write &quot;&amp;&amp;&quot; for a plain &quot;&amp;&quot;</source>
        <translation>die Übersetzung hat eine Zugriffstaste (%1), die Quelle keine; schreiben Sie „&amp;&amp;“ für ein einfaches „&amp;“</translation>
    </message>
    <message>
        <source>the translation has %1 characters, the source %2; it may not fit its control</source>
        <translation>die Übersetzung hat %1 Zeichen, die Quelle %2; sie passt vielleicht nicht in ihr Steuerelement</translation>
    </message>
    <message>
        <source>the source has %1 lines, the translation %2</source>
        <translation>die Quelle hat %1 Zeilen, die Übersetzung %2</translation>
    </message>
    <message>
        <source>the source begins with %1, the translation with %2</source>
        <translation>die Quelle beginnt mit %1, die Übersetzung mit %2</translation>
    </message>
    <message>
        <source>the source ends with %1, the translation with %2</source>
        <translation>die Quelle endet mit %1, die Übersetzung mit %2</translation>
    </message>
    <message>
        <source>the source has the numbers %1, the translation %2</source>
        <translation>die Quelle hat die Zahlen %1, die Übersetzung %2</translation>
    </message>
    <message>
        <source>a word comes twice in a row: &quot;%1&quot;</source>
        <translation>ein Wort steht zweimal hintereinander: „%1“</translation>
    </message>
    <message>
        <source>a quotation mark without its partner</source>
        <translation>ein Anführungszeichen ohne Gegenstück</translation>
    </message>
    <message>
        <source>the translation has </source>
        <translation>die Übersetzung hat </translation>
    </message>
    <message>
        <source>tab</source>
        <translation>Tabulator</translation>
    </message>
    <message>
        <source>space</source>
        <translation>Leerzeichen</translation>
    </message>
    <message>
        <source>the translation lacks %1; the application replaces the source&apos;s markers only</source>
        <translation>der Übersetzung fehlt %1; die Anwendung ersetzt nur die Platzhalter der Quelle</translation>
    </message>
    <message>
        <source>the translation adds %1; the application replaces the source&apos;s markers only</source>
        <translation>die Übersetzung fügt %1 hinzu; die Anwendung ersetzt nur die Platzhalter der Quelle</translation>
    </message>
    <message>
        <source>the translation lacks %1 and adds %2; the application replaces the source&apos;s markers only</source>
        <translation>der Übersetzung fehlt %1, und sie fügt %2 hinzu; die Anwendung ersetzt nur die Platzhalter der Quelle</translation>
    </message>
    <message>
        <source>a &quot;%1&quot; without its &quot;%2&quot;</source>
        <translation>ein „%1“ ohne zugehöriges „%2“</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; without their &quot;%3&quot;</source>
        <translation>%1 „%2“ ohne zugehöriges „%3“</translation>
    </message>
    <message>
        <source> and </source>
        <translation> und </translation>
    </message>
</context>
<context>
    <name>basExchangeImport</name>
    <message>
        <source>the lines of record %1 are not where they were read</source>
        <translation>die Zeilen von Datensatz %1 stehen nicht dort, wo sie gelesen wurden</translation>
    </message>
    <message>
        <source>the lines of %1 are not consecutive</source>
        <translation>die Zeilen von %1 stehen nicht hintereinander</translation>
    </message>
    <message>
        <source>%1 cannot write &apos;%2&apos;</source>
        <translation>%1 kann &apos;%2&apos; nicht schreiben</translation>
    </message>
    <message>
        <source>cannot make a temporary file: %1</source>
        <translation>es kann keine temporäre Datei angelegt werden: %1</translation>
    </message>
    <message>
        <source>the changed file would not read back as the translations say; it was left as it is</source>
        <translation>die geänderte Datei ließe sich nicht so zurücklesen, wie die Übersetzungen es sagen; sie blieb, wie sie war</translation>
    </message>
    <message>
        <source>the changed file would not load (%1); it was left as it is</source>
        <translation>die geänderte Datei ließe sich nicht laden (%1); sie blieb, wie sie war</translation>
    </message>
    <message>
        <source>core.lrc has no caption line for a txt... control</source>
        <translation>core.lrc hat keine Beschriftungszeile für ein txt...-Steuerelement</translation>
    </message>
    <message>
        <source>core.lrc has no tool-tip line for an mnu... or [cap... control</source>
        <translation>core.lrc hat keine Minihilfe-Zeile für ein mnu...- oder [cap...-Steuerelement</translation>
    </message>
    <message>
        <source>a message title cannot hold a line break</source>
        <translation>ein Meldungstitel kann keinen Zeilenumbruch enthalten</translation>
    </message>
    <message>
        <source>core.lrc drops the blanks at the start of a text</source>
        <translation>core.lrc verwirft die Leerzeichen am Anfang eines Textes</translation>
    </message>
    <message>
        <source>%1 cannot write the characters &apos;%2&apos;</source>
        <translation>%1 kann die Zeichen &apos;%2&apos; nicht schreiben</translation>
    </message>
    <message>
        <source>the folder has no %1</source>
        <translation>der Ordner hat keine %1</translation>
    </message>
    <message>
        <source>the folder&apos;s %1 could not be read</source>
        <translation>die %1 des Ordners konnte nicht gelesen werden</translation>
    </message>
    <message>
        <source>the file names the entry by its line only (%1 line %2), where the source has no one text &quot;%3&quot;</source>
        <translation>die Datei nennt den Eintrag nur über seine Zeile (%1 Zeile %2), wo die Quelle keinen eindeutigen Text „%3“ hat</translation>
    </message>
    <message>
        <source>the file names the entry by its line only (%1 line %2): without the source folder nothing says which text it is</source>
        <translation>die Datei nennt den Eintrag nur über seine Zeile (%1 Zeile %2): ohne den Quellordner sagt nichts, welcher Text es ist</translation>
    </message>
    <message>
        <source>the folder&apos;s %1 has no such entry</source>
        <translation>die %1 des Ordners hat keinen solchen Eintrag</translation>
    </message>
    <message>
        <source>the exchange file has this entry twice; the first one was taken</source>
        <translation>die Austauschdatei hat diesen Eintrag zweimal; der erste wurde genommen</translation>
    </message>
    <message>
        <source>the source has no such entry any more</source>
        <translation>die Quelle hat diesen Eintrag nicht mehr</translation>
    </message>
    <message>
        <source>; left as it is</source>
        <translation>; unverändert gelassen</translation>
    </message>
    <message>
        <source>the English changed since the export (it is now &quot;%1&quot;)</source>
        <translation>das Englische hat sich seit dem Export geändert (jetzt „%1“)</translation>
    </message>
    <message>
        <source>changed in the folder since the export, not in the file; left as it is</source>
        <translation>seit dem Export im Ordner geändert, nicht in der Datei; unverändert gelassen</translation>
    </message>
    <message>
        <source>conflict: the file has &quot;%1&quot;, the folder changed it since the export to &quot;%2&quot;; left as it is (--theirs takes the file&apos;s)</source>
        <translation>Konflikt: die Datei hat „%1“, der Ordner hat es seit dem Export in „%2“ geändert; unverändert gelassen (--theirs nimmt die der Datei)</translation>
    </message>
    <message>
        <source>empty translation, left as it is</source>
        <translation>leere Übersetzung, unverändert gelassen</translation>
    </message>
    <message>
        <source>the file changed since it was read; run again</source>
        <translation>die Datei wurde seit dem Lesen geändert; erneut ausführen</translation>
    </message>
    <message>
        <source>no language file has this name</source>
        <translation>keine Sprachdatei hat diesen Namen</translation>
    </message>
</context>
<context>
    <name>basExchangeText</name>
    <message>
        <source>the file says its code page is %1, but its bytes are UTF-8: its texts may be garbled (read as %1, as the file says)</source>
        <translation>die Datei gibt als Codepage %1 an, ihre Bytes sind aber UTF-8: ihre Texte sind vielleicht verstümmelt (als %1 gelesen, wie die Datei sagt)</translation>
    </message>
</context>
<context>
    <name>basFileSystem</name>
    <message>
        <source>%1 does not exist</source>
        <translation>%1 ist nicht vorhanden</translation>
    </message>
    <message>
        <source>%1 is a folder, not a file</source>
        <translation>%1 ist ein Ordner, keine Datei</translation>
    </message>
    <message>
        <source>%1 is larger than %2 MiB (%3 bytes), too large for a language file</source>
        <translation>%1 ist größer als %2 MiB (%3 Byte), zu groß für eine Sprachdatei</translation>
    </message>
    <message>
        <source>%1 appeared while it was being written; not replaced</source>
        <translation>%1 ist entstanden, während sie geschrieben wurde; nicht ersetzt</translation>
    </message>
    <message>
        <source>not enough memory to read %1</source>
        <translation>nicht genug Arbeitsspeicher, um %1 zu lesen</translation>
    </message>
    <message>
        <source>%1: too many levels of symbolic links (is there a symlink loop?)</source>
        <translation>%1: zu viele Ebenen symbolischer Verknüpfungen (gibt es eine Verknüpfungsschleife?)</translation>
    </message>
    <message>
        <source>%1 changed since it was read; nothing was written (run again)</source>
        <translation>%1 wurde seit dem Lesen geändert; nichts wurde geschrieben (erneut ausführen)</translation>
    </message>
    <message>
        <source>%1 is a symlink to %2, which does not exist</source>
        <translation>%1 ist eine symbolische Verknüpfung auf %2, das nicht vorhanden ist</translation>
    </message>
    <message>
        <source>%1 is not a regular file</source>
        <translation>%1 ist keine reguläre Datei</translation>
    </message>
    <message>
        <source>cannot open %1: %2</source>
        <translation>%1 kann nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>no permission to write in its parent</source>
        <translation>keine Schreibberechtigung im übergeordneten Ordner</translation>
    </message>
    <message>
        <source>the folder %1 could not be created</source>
        <translation>der Ordner %1 konnte nicht angelegt werden</translation>
    </message>
    <message>
        <source>the file name is not valid in this system&apos;s encoding (UTF-8)</source>
        <translation>der Dateiname ist in der Kodierung dieses Systems (UTF-8) ungültig</translation>
    </message>
</context>
<context>
    <name>basFileSystem_Portable</name>
    <message>
        <source>no file name given</source>
        <translation>kein Dateiname angegeben</translation>
    </message>
    <message>
        <source>; not replaced</source>
        <translation>; nicht ersetzt</translation>
    </message>
    <message>
        <source>the folder %1 does not exist</source>
        <translation>der Ordner %1 ist nicht vorhanden</translation>
    </message>
    <message>
        <source>cannot create %1: %2</source>
        <translation>%1 kann nicht angelegt werden: %2</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>cannot write %1: Permission denied</source>
        <translation>%1 kann nicht geschrieben werden: Zugriff verweigert</translation>
    </message>
</context>
<context>
    <name>basFileSystem_Posix</name>
    <message>
        <source>%1 is not a regular file (it is %2)</source>
        <translation>%1 ist keine reguläre Datei (sondern %2)</translation>
    </message>
    <message>
        <source>%1 is a file, not a folder, so %2 cannot exist</source>
        <translation>%1 ist eine Datei, kein Ordner, daher kann %2 nicht vorhanden sein</translation>
    </message>
    <message>
        <source>%1: a part of the path is not a folder</source>
        <translation>%1: ein Teil des Pfads ist kein Ordner</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>no file name given</source>
        <translation>kein Dateiname angegeben</translation>
    </message>
    <message>
        <source>; not replaced</source>
        <translation>; nicht ersetzt</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>the folder %1 does not exist</source>
        <translation>der Ordner %1 ist nicht vorhanden</translation>
    </message>
    <message>
        <source>cannot create %1: %2</source>
        <translation>%1 kann nicht angelegt werden: %2</translation>
    </message>
</context>
<context>
    <name>basFolderCheck</name>
    <message>
        <source>; the state was ignored</source>
        <translation>; der Bearbeitungsstand wurde ignoriert</translation>
    </message>
    <message>
        <source>a merge kept &quot;%1&quot; and left &quot;%2&quot; as the other candidate (%3): choose one</source>
        <translation>eine Zusammenführung hat „%1“ behalten und „%2“ als zweite Fassung hinterlassen (%3): wählen Sie eine</translation>
    </message>
    <message>
        <source>the source folder has no such file</source>
        <translation>der Quellordner hat keine solche Datei</translation>
    </message>
    <message>
        <source>the source folder has this file, the translation does not</source>
        <translation>der Quellordner hat diese Datei, die Übersetzung nicht</translation>
    </message>
    <message>
        <source>no language file (core.lrc, messages.lrc or secondary.lrc) in the folder or its source</source>
        <translation>keine Sprachdatei (core.lrc, messages.lrc oder secondary.lrc) im Ordner oder seiner Quelle</translation>
    </message>
</context>
<context>
    <name>basFolderImport</name>
    <message>
        <source>1 entry changed</source>
        <translation>1 Eintrag geändert</translation>
    </message>
    <message>
        <source>%1 entries changed</source>
        <translation>%1 Einträge geändert</translation>
    </message>
    <message>
        <source>%1: nothing to import (the file holds no entries)</source>
        <translation>%1: nichts zu importieren (die Datei enthält keine Einträge)</translation>
    </message>
    <message>
        <source>%1: the translations are for the language &apos;%2&apos;, %3 is &apos;%4&apos;; nothing was imported (--language %2 imports them all the same)</source>
        <translation>%1: die Übersetzungen sind für die Sprache &apos;%2&apos;, %3 ist &apos;%4&apos;; nichts wurde importiert (--language %2 importiert sie trotzdem)</translation>
    </message>
    <message>
        <source>; nothing was written</source>
        <translation>; nichts wurde geschrieben</translation>
    </message>
    <message>
        <source>%1: no source folder (no sibling folder named English; --source DIR names one): the translations were not compared with the source, and the checks did not run</source>
        <translation>%1: kein Quellordner (kein Nachbarordner namens English; --source DIR nennt einen): die Übersetzungen wurden nicht mit der Quelle verglichen, und die Prüfungen liefen nicht</translation>
    </message>
    <message>
        <source>%1; it is ignored</source>
        <translation>%1; die Datei wird nicht beachtet</translation>
    </message>
    <message>
        <source>%1: no change, not written</source>
        <translation>%1: keine Änderung, nicht geschrieben</translation>
    </message>
    <message>
        <source>%1: %2, not written: %3</source>
        <translation>%1: %2, nicht geschrieben: %3</translation>
    </message>
    <message>
        <source>%1: %2, would be written (dry run)</source>
        <translation>%1: %2, würde geschrieben (Probelauf)</translation>
    </message>
    <message>
        <source>%1: %2, not written: the file exists (give --force to replace it)</source>
        <translation>%1: %2, nicht geschrieben: die Datei ist vorhanden (--force ersetzt sie)</translation>
    </message>
    <message>
        <source>%1: %2, written</source>
        <translation>%1: %2, geschrieben</translation>
    </message>
    <message>
        <source>%1: not written: %2</source>
        <translation>%1: nicht geschrieben: %2</translation>
    </message>
    <message>
        <source>%1: written</source>
        <translation>%1: geschrieben</translation>
    </message>
    <message>
        <source>%1: the state changes, would be written (dry run)</source>
        <translation>%1: der Bearbeitungsstand ändert sich, würde geschrieben (Probelauf)</translation>
    </message>
    <message>
        <source>%1: the state changes, not written (give --force to write it)</source>
        <translation>%1: der Bearbeitungsstand ändert sich, nicht geschrieben (--force schreibt ihn)</translation>
    </message>
    <message>
        <source>left as it is: </source>
        <translation>unverändert: </translation>
    </message>
    <message>
        <source>not applied: </source>
        <translation>nicht übernommen: </translation>
    </message>
    <message>
        <source>%1: %2 translations not applied</source>
        <translation>%1: %2 Übersetzungen nicht übernommen</translation>
    </message>
    <message>
        <source>listed first; the translations are the translator&apos;s, and are written all the same</source>
        <translation>oben aufgeführt; die Übersetzungen sind die des Übersetzers und werden trotzdem geschrieben</translation>
    </message>
    <message>
        <source>%1: the import brings in 1 error of the checks (%2)</source>
        <translation>%1: der Import bringt 1 Fehler der Prüfungen mit (%2)</translation>
    </message>
    <message>
        <source>%1: the import brings in %2 errors of the checks (%3)</source>
        <translation>%1: der Import bringt %2 Fehler der Prüfungen mit (%3)</translation>
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
    <message>
        <source>; its marks and notes would be lost, so nothing was written (mend it, or give --discard-state to update without them)</source>
        <translation>; seine Markierungen und Notizen gingen verloren, daher wurde nichts geschrieben (reparieren Sie ihn, oder aktualisieren Sie mit --discard-state ohne sie)</translation>
    </message>
    <message>
        <source>; nothing was written</source>
        <translation>; nichts wurde geschrieben</translation>
    </message>
</context>
<context>
    <name>basFormTextFile</name>
    <message>
        <source>%1.%2 holds &apos;%3&apos;, which %4 cannot write</source>
        <translation>%1.%2 enthält &apos;%3&apos;, das %4 nicht schreiben kann</translation>
    </message>
    <message>
        <source>%1 cannot write the characters &apos;%2&apos;</source>
        <translation>%1 kann die Zeichen &apos;%2&apos; nicht schreiben</translation>
    </message>
</context>
<context>
    <name>basFormatText</name>
    <message>
        <source>&apos;%1&apos; is out of place: the numbers run 001, 002, 003, ... as the writers write them, so this one should be %2</source>
        <translation>&apos;%1&apos; steht falsch: die Nummern laufen 001, 002, 003, ..., wie die Schreibroutinen sie schreiben, diese müsste also %2 sein</translation>
    </message>
</context>
<context>
    <name>basGlossaryFile</name>
    <message>
        <source>line %1: a quoted field is not closed</source>
        <translation>Zeile %1: ein Feld in Anführungszeichen ist nicht geschlossen</translation>
    </message>
    <message>
        <source>line %1: a quote inside a field that does not start with one</source>
        <translation>Zeile %1: ein Anführungszeichen in einem Feld, das nicht mit einem beginnt</translation>
    </message>
    <message>
        <source>line %1: text after a quoted field&apos;s closing quote</source>
        <translation>Zeile %1: Text nach dem schließenden Anführungszeichen eines Feldes</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>; nothing was read</source>
        <translation>; nichts wurde gelesen</translation>
    </message>
    <message>
        <source>the entity &amp;%1; was not expanded (only the file&apos;s own declarations are read, no DTD or external entity), so a term would lose it; nothing was read</source>
        <translation>die Entität &amp;%1; wurde nicht aufgelöst (nur die eigenen Deklarationen der Datei werden gelesen, keine DTD und keine externe Entität), ein Begriff verlöre sie also; nichts wurde gelesen</translation>
    </message>
    <message>
        <source>not a TBX document (the root is &lt;%1&gt;)</source>
        <translation>kein TBX-Dokument (die Wurzel ist &lt;%1&gt;)</translation>
    </message>
    <message>
        <source>not a TBX document</source>
        <translation>kein TBX-Dokument</translation>
    </message>
    <message>
        <source>line %1: bytes that are not valid UTF-8</source>
        <translation>Zeile %1: Bytes, die kein gültiges UTF-8 sind</translation>
    </message>
    <message>
        <source>line 1: the header names %1 language; give two or more, such as en,de</source>
        <translation>Zeile 1: die Kopfzeile nennt %1 Sprache; geben Sie zwei oder mehr an, etwa en,de</translation>
    </message>
    <message>
        <source>line 1: the header &quot;%1&quot; names no column of %2</source>
        <translation>Zeile 1: die Kopfzeile „%1“ nennt keine Spalte für %2</translation>
    </message>
    <message>
        <source>line %1: %2 fields, the header has %3</source>
        <translation>Zeile %1: %2 Felder, die Kopfzeile hat %3</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: the text holds a control character that XML cannot carry</source>
        <translation>„%1“: der Text enthält ein Steuerzeichen, das XML nicht aufnehmen kann</translation>
    </message>
</context>
<context>
    <name>basJoinFormText</name>
    <message>
        <source>%1: no such folder</source>
        <translation>%1: kein solcher Ordner</translation>
    </message>
    <message>
        <source>; nothing was written</source>
        <translation>; nichts wurde geschrieben</translation>
    </message>
    <message>
        <source>%1: this is the folder&apos;s core.lrc itself, not a form file; nothing was written</source>
        <translation>%1: das ist die core.lrc des Ordners selbst, keine Formulardatei; nichts wurde geschrieben</translation>
    </message>
    <message>
        <source>%1: %2 is no longer on its form%3</source>
        <translation>%1: %2 ist nicht mehr auf seinem Formular%3</translation>
    </message>
    <message>
        <source>, removed</source>
        <translation>, entfernt</translation>
    </message>
    <message>
        <source>%1: not written: %2</source>
        <translation>%1: nicht geschrieben: %2</translation>
    </message>
    <message>
        <source>%1 added, %2 changed, %3 removed</source>
        <translation>%1 hinzugefügt, %2 geändert, %3 entfernt</translation>
    </message>
    <message>
        <source>: no change, not written</source>
        <translation>: keine Änderung, nicht geschrieben</translation>
    </message>
    <message>
        <source>%1: %2, written</source>
        <translation>%1: %2, geschrieben</translation>
    </message>
    <message>
        <source>%1: %2, not written: %3</source>
        <translation>%1: %2, nicht geschrieben: %3</translation>
    </message>
</context>
<context>
    <name>basMemoryFill</name>
    <message>
        <source>%1: not filled from the memory, %2 cannot write &apos;%3&apos;</source>
        <translation>%1: nicht aus dem Übersetzungsspeicher gefüllt, %2 kann &apos;%3&apos; nicht schreiben</translation>
    </message>
</context>
<context>
    <name>basMergeConflict</name>
    <message>
        <source>an unresolved merge conflict (a line of Git&apos;s conflict markers); resolve it and remove the marker lines</source>
        <translation>ein ungelöster Zusammenführungskonflikt (eine Zeile mit Gits Konfliktmarkierungen); lösen Sie ihn und entfernen Sie die Markierungszeilen</translation>
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
    <name>basMessagesFormat</name>
    <message>
        <source>the line is blank</source>
        <translation>die Zeile ist leer</translation>
    </message>
    <message>
        <source>the line is shorter than its 7-character head (MSGnnn:)</source>
        <translation>die Zeile ist kürzer als ihr 7 Zeichen langer Kopf (MSGnnn:)</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not an MSGnnn: or MSTnnn: head</source>
        <translation>&apos;%1&apos; ist kein Kopf MSGnnn: oder MSTnnn:</translation>
    </message>
    <message>
        <source>record number %1 is above %2</source>
        <translation>die Datensatznummer %1 ist größer als %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not an MSGnnn: or MSTnnn: head; the line was skipped</source>
        <translation>&apos;%1&apos; ist kein Kopf MSGnnn: oder MSTnnn:; die Zeile wurde übersprungen</translation>
    </message>
    <message>
        <source>a %1 line comes before the first record (its number is 000 or missing)</source>
        <translation>eine %1-Zeile steht vor dem ersten Datensatz (ihre Nummer ist 000 oder fehlt)</translation>
    </message>
    <message>
        <source>: a title cannot hold a line break in this format</source>
        <translation>: ein Titel kann in diesem Format keinen Zeilenumbruch enthalten</translation>
    </message>
</context>
<context>
    <name>basPoFile</name>
    <message>
        <source>line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>cannot make a temporary folder: %1</source>
        <translation>es kann kein temporärer Ordner angelegt werden: %1</translation>
    </message>
    <message>
        <source>%1 %2: the text holds a NUL character, which PO cannot carry</source>
        <translation>%1 %2: der Text enthält ein NUL-Zeichen, das PO nicht aufnehmen kann</translation>
    </message>
    <message>
        <source>the PO writer failed</source>
        <translation>das Schreiben der PO-Datei schlug fehl</translation>
    </message>
</context>
<context>
    <name>basPoReader</name>
    <message>
        <source>line %1: unexpected character &apos;%2&apos;</source>
        <translation>Zeile %1: unerwartetes Zeichen &apos;%2&apos;</translation>
    </message>
    <message>
        <source>line %1: keyword &quot;%2&quot; unknown</source>
        <translation>Zeile %1: Schlüsselwort „%2“ unbekannt</translation>
    </message>
    <message>
        <source>line %1: msgstr[ without its number and ]</source>
        <translation>Zeile %1: msgstr[ ohne seine Nummer und ]</translation>
    </message>
    <message>
        <source>line %1: a string not closed on its line</source>
        <translation>Zeile %1: eine Zeichenkette, die auf ihrer Zeile nicht geschlossen wird</translation>
    </message>
    <message>
        <source>line %1: invalid control sequence \%2 in a string</source>
        <translation>Zeile %1: ungültige Steuersequenz \%2 in einer Zeichenkette</translation>
    </message>
    <message>
        <source>a string without its keyword</source>
        <translation>eine Zeichenkette ohne ihr Schlüsselwort</translation>
    </message>
    <message>
        <source>line %1: duplicate message definition (the first is on line %2)</source>
        <translation>Zeile %1: doppelte Meldungsdefinition (die erste steht in Zeile %2)</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>%1 without its string</source>
        <translation>%1 ohne seine Zeichenkette</translation>
    </message>
    <message>
        <source>msgid expected</source>
        <translation>msgid erwartet</translation>
    </message>
    <message>
        <source>msgstr expected</source>
        <translation>msgstr erwartet</translation>
    </message>
    <message>
        <source>msgstr[0] expected after msgid_plural</source>
        <translation>msgstr[0] nach msgid_plural erwartet</translation>
    </message>
    <message>
        <source>msgstr[%1] without a msgid_plural</source>
        <translation>msgstr[%1] ohne msgid_plural</translation>
    </message>
    <message>
        <source>line %1: a NUL character (\000), which no language file can hold and PO tools cut a text at; nothing was imported</source>
        <translation>Zeile %1: ein NUL-Zeichen (\000), das keine Sprachdatei aufnehmen kann und an dem PO-Werkzeuge einen Text abschneiden; nichts wurde importiert</translation>
    </message>
    <message>
        <source>unknown charset &apos;%1&apos; in the header</source>
        <translation>unbekannter Zeichensatz &apos;%1&apos; im Kopf</translation>
    </message>
    <message>
        <source>plural forms are not used by these files</source>
        <translation>Pluralformen werden von diesen Dateien nicht verwendet</translation>
    </message>
    <message>
        <source>line %1: bytes that are not valid %2, the file&apos;s charset; nothing was imported</source>
        <translation>Zeile %1: Bytes, die kein gültiges %2 sind, der Zeichensatz der Datei; nichts wurde importiert</translation>
    </message>
</context>
<context>
    <name>basSavedAsUtf8</name>
    <message>
        <source>the file starts with a UTF-8 byte-order mark, so it was saved as UTF-8 (load it as UTF-8, or save it in %1)</source>
        <translation>die Datei beginnt mit einer UTF-8-Bytereihenfolge-Markierung, wurde also als UTF-8 gespeichert (laden Sie sie als UTF-8, oder speichern Sie sie in %1)</translation>
    </message>
    <message>
        <source>the file reads as valid UTF-8, so it was most likely saved as UTF-8: %1 reads &apos;%2&apos; where UTF-8 reads &apos;%3&apos; (load it as UTF-8, or save it in %1)</source>
        <translation>die Datei ist gültiges UTF-8, wurde also höchstwahrscheinlich als UTF-8 gespeichert: %1 liest &apos;%2&apos;, wo UTF-8 &apos;%3&apos; liest (laden Sie sie als UTF-8, oder speichern Sie sie in %1)</translation>
    </message>
</context>
<context>
    <name>basSecondaryFormat</name>
    <message>
        <source>&apos;%1&apos; is not a TXTnnn: head</source>
        <translation>&apos;%1&apos; ist kein Kopf TXTnnn:</translation>
    </message>
    <message>
        <source>no number after the first three characters (TXTnnn:); the line was skipped</source>
        <translation>keine Nummer nach den ersten drei Zeichen (TXTnnn:); die Zeile wurde übersprungen</translation>
    </message>
    <message>
        <source>the numbered line is shorter than its 7-character head (TXTnnn:)</source>
        <translation>die nummerierte Zeile ist kürzer als ihr 7 Zeichen langer Kopf (TXTnnn:)</translation>
    </message>
    <message>
        <source>the first numbered line has number 000</source>
        <translation>die erste nummerierte Zeile hat die Nummer 000</translation>
    </message>
</context>
<context>
    <name>basTableFile</name>
    <message>
        <source>the file is in UTF-16 (%1), not in %2 or another 8-bit code page; save it in %2</source>
        <translation>die Datei ist in UTF-16 (%1), nicht in %2 oder einer anderen 8-Bit-Codepage; speichern Sie sie in %2</translation>
    </message>
</context>
<context>
    <name>basThreeWayMerge</name>
    <message>
        <source>%1 changed on our side and removed on the other: the change is left out (&quot;%2&quot;)</source>
        <translation>%1 auf unserer Seite geändert und auf der anderen entfernt: die Änderung entfällt („%2“)</translation>
    </message>
    <message>
        <source>%1 changed on their side and removed on the other: the change is left out (&quot;%2&quot;)</source>
        <translation>%1 auf ihrer Seite geändert und auf der anderen entfernt: die Änderung entfällt („%2“)</translation>
    </message>
    <message>
        <source>both sides added entries before %1, the other side %2 more; they follow ours</source>
        <translation>beide Seiten fügten vor %1 Einträge hinzu, die andere Seite %2 mehr; sie folgen unseren</translation>
    </message>
    <message>
        <source>both sides added entries before the end, the other side %1 more; they follow ours</source>
        <translation>beide Seiten fügten vor dem Ende Einträge hinzu, die andere Seite %1 mehr; sie folgen unseren</translation>
    </message>
    <message>
        <source>%1 changed on their side and removed on the other: the change is kept</source>
        <translation>%1 auf ihrer Seite geändert und auf der anderen entfernt: die Änderung bleibt</translation>
    </message>
    <message>
        <source>%1 changed on our side and removed on the other: the change is kept</source>
        <translation>%1 auf unserer Seite geändert und auf der anderen entfernt: die Änderung bleibt</translation>
    </message>
    <message>
        <source>: one side marked it done, the other for review: ours is kept</source>
        <translation>: eine Seite markierte es als erledigt, die andere zur Prüfung: unsere Markierung bleibt</translation>
    </message>
    <message>
        <source>: both sides changed the note: both are kept, ours first</source>
        <translation>: beide Seiten änderten die Notiz: beide bleiben, unsere zuerst</translation>
    </message>
</context>
<context>
    <name>basTmxFile</name>
    <message>
        <source>%1: the text holds a control character that XML cannot carry</source>
        <translation>%1: der Text enthält ein Steuerzeichen, das XML nicht aufnehmen kann</translation>
    </message>
    <message>
        <source>the XML writer failed</source>
        <translation>das Schreiben des XML schlug fehl</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>; nothing was read</source>
        <translation>; nichts wurde gelesen</translation>
    </message>
    <message>
        <source>not a TMX document (the root is &lt;%1&gt;)</source>
        <translation>kein TMX-Dokument (die Wurzel ist &lt;%1&gt;)</translation>
    </message>
    <message>
        <source>the entity &amp;%1; was not expanded (only the file&apos;s own declarations are read, no DTD or external entity), so the text would lose it; nothing was read</source>
        <translation>die Entität &amp;%1; wurde nicht aufgelöst (nur die eigenen Deklarationen der Datei werden gelesen, keine DTD und keine externe Entität), der Text verlöre sie also; nichts wurde gelesen</translation>
    </message>
    <message>
        <source>not a TMX document</source>
        <translation>kein TMX-Dokument</translation>
    </message>
</context>
<context>
    <name>basUiHarvest</name>
    <message>
        <source>%1: cannot make the folder</source>
        <translation>%1: der Ordner kann nicht angelegt werden</translation>
    </message>
</context>
<context>
    <name>basXliffFile</name>
    <message>
        <source>%1 %2: the text holds a control character that XML cannot carry</source>
        <translation>%1 %2: der Text enthält ein Steuerzeichen, das XML nicht aufnehmen kann</translation>
    </message>
    <message>
        <source>; nothing was imported</source>
        <translation>; nichts wurde importiert</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>not an XLIFF document (the root is &lt;%1&gt;)</source>
        <translation>kein XLIFF-Dokument (die Wurzel ist &lt;%1&gt;)</translation>
    </message>
    <message>
        <source>the &lt;xliff&gt; root gives no version; only XLIFF 1.2 and 1.1 are read</source>
        <translation>die Wurzel &lt;xliff&gt; nennt keine Version; nur XLIFF 1.2 und 1.1 werden gelesen</translation>
    </message>
    <message>
        <source>XLIFF %1 is not read, only XLIFF 1.2 (as export writes it) and 1.1</source>
        <translation>XLIFF %1 wird nicht gelesen, nur XLIFF 1.2 (wie export es schreibt) und 1.1</translation>
    </message>
    <message>
        <source>line %1: the state &quot;%2&quot; is not one XLIFF 1.2 defines; its translations are taken as to review</source>
        <translation>Zeile %1: der Status „%2“ ist keiner, den XLIFF 1.2 definiert; seine Übersetzungen werden als zu prüfen übernommen</translation>
    </message>
    <message>
        <source>the entity &amp;%1; was not expanded (only the file&apos;s own declarations are read, no DTD or external entity), so the text would lose it</source>
        <translation>die Entität &amp;%1; wurde nicht aufgelöst (nur die eigenen Deklarationen der Datei werden gelesen, keine DTD und keine externe Entität), der Text verlöre sie also</translation>
    </message>
    <message>
        <source>the unit has more than one &lt;target&gt;</source>
        <translation>die Einheit hat mehr als ein &lt;target&gt;</translation>
    </message>
    <message>
        <source>not an XLIFF document</source>
        <translation>kein XLIFF-Dokument</translation>
    </message>
</context>
<context>
    <name>basXmlText</name>
    <message>
        <source>line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>line 1: the encoding %1 is not known</source>
        <translation>Zeile 1: die Kodierung %1 ist unbekannt</translation>
    </message>
    <message>
        <source>line %1: bytes that are not valid %2, the file&apos;s encoding</source>
        <translation>Zeile %1: Bytes, die kein gültiges %2 sind, die Kodierung der Datei</translation>
    </message>
    <message>
        <source>the entity %1 comes from outside the file (%2), which is not read</source>
        <translation>die Entität %1 kommt von außerhalb der Datei (%2), und das wird nicht gelesen</translation>
    </message>
</context>
<context>
    <name>clsCodePage</name>
    <message>
        <source>unknown code page &apos;%1&apos; (for example windows-1252, windows-1250, UTF-8)</source>
        <translation>unbekannte Codepage &apos;%1&apos; (zum Beispiel windows-1252, windows-1250, UTF-8)</translation>
    </message>
    <message>
        <source>code page &apos;%1&apos; cannot be used: language files need line ends, &apos;.&apos;, &apos;:&apos;, digits and ASCII letters as single ASCII bytes, and every character the same bytes wherever it stands (no shifting between states)</source>
        <translation>die Codepage &apos;%1&apos; ist nicht verwendbar: Sprachdateien brauchen Zeilenenden, &apos;.&apos;, &apos;:&apos;, Ziffern und ASCII-Buchstaben als einzelne ASCII-Bytes und für jedes Zeichen dieselben Bytes, wo immer es steht (kein Umschalten zwischen Zuständen)</translation>
    </message>
    <message>
        <source>byte %1 at column %2 is not valid %3 (is the code page right?)</source>
        <translation>das Byte %1 in Spalte %2 ist in %3 nicht gültig (ist die Codepage richtig?)</translation>
    </message>
    <message>
        <source>bytes %1 at column %2 are not valid %3 (is the code page right?)</source>
        <translation>die Bytes %1 in Spalte %2 sind in %3 nicht gültig (ist die Codepage richtig?)</translation>
    </message>
</context>
<context>
    <name>clsCompiledLanguage</name>
    <message>
        <source>cannot be read (%1)</source>
        <translation>kann nicht gelesen werden (%1)</translation>
    </message>
    <message>
        <source>is cut short (%1 bytes)</source>
        <translation>ist abgeschnitten (%1 Byte)</translation>
    </message>
    <message>
        <source>is not a compiled language of this version</source>
        <translation>ist keine kompilierte Sprache dieser Version</translation>
    </message>
    <message>
        <source>is cut short or damaged (%1 bytes where it was written with %2)</source>
        <translation>ist abgeschnitten oder beschädigt (%1 Byte, geschrieben wurde sie mit %2)</translation>
    </message>
    <message>
        <source>is damaged (a table lies outside the file)</source>
        <translation>ist beschädigt (eine Tabelle liegt außerhalb der Datei)</translation>
    </message>
    <message>
        <source>was compiled for the code page %1, not %2</source>
        <translation>wurde für die Codepage %1 kompiliert, nicht für %2</translation>
    </message>
    <message>
        <source>was compiled with a source language, and this load has none</source>
        <translation>wurde mit einer Quellsprache kompiliert, und dieses Laden hat keine</translation>
    </message>
    <message>
        <source>was compiled without a source language, and this load has one</source>
        <translation>wurde ohne Quellsprache kompiliert, und dieses Laden hat eine</translation>
    </message>
    <message>
        <source>is damaged (its stamps)</source>
        <translation>ist beschädigt (ihre Dateistempel)</translation>
    </message>
    <message>
        <source>is older than %1 (or that file changed since): run tralyx-lrc compile again</source>
        <translation>ist älter als %1 (oder diese Datei wurde seitdem geändert): führen Sie tralyx-lrc compile erneut aus</translation>
    </message>
    <message>
        <source>is older than the source language&apos;s %1 (or that file changed since): run tralyx-lrc compile again</source>
        <translation>ist älter als die %1 der Quellsprache (oder diese Datei wurde seitdem geändert): führen Sie tralyx-lrc compile erneut aus</translation>
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
    <name>clsFileLock</name>
    <message>
        <source>%1 is being changed by another program (an import, an update or a save holds its lock); nothing was written (run again when it has finished)</source>
        <translation>%1 wird gerade von einem anderen Programm geändert (ein Import, eine Aktualisierung oder ein Speichern hält seine Sperre); nichts wurde geschrieben (erneut ausführen, wenn es fertig ist)</translation>
    </message>
</context>
<context>
    <name>clsFolderTransaction</name>
    <message>
        <source>%1 is a link (to %2); the state is never written through a link: replace it with the file it names, or remove it</source>
        <translation>%1 ist eine Verknüpfung (auf %2); der Bearbeitungsstand wird nie durch eine Verknüpfung geschrieben: ersetzen Sie sie durch die Datei, auf die sie zeigt, oder entfernen Sie sie</translation>
    </message>
    <message>
        <source>; it is never replaced by a state that lacks what it holds (mend it, or give --discard-state to replace it)</source>
        <translation>; er wird nie durch einen Bearbeitungsstand ersetzt, dem fehlt, was er enthält (reparieren Sie ihn, oder ersetzen Sie ihn mit --discard-state)</translation>
    </message>
</context>
<context>
    <name>clsLanguageFolder</name>
    <message>
        <source>the file starts with a UTF-8 byte-order mark but is read as %1: load it as UTF-8, or save it in %1 without the mark</source>
        <translation>die Datei beginnt mit einer UTF-8-Bytereihenfolge-Markierung, wird aber als %1 gelesen: laden Sie sie als UTF-8, oder speichern Sie sie ohne die Markierung in %1</translation>
    </message>
    <message>
        <source>the last line has no line end: is the file cut short?</source>
        <translation>die letzte Zeile hat kein Zeilenende: ist die Datei abgeschnitten?</translation>
    </message>
    <message>
        <source>: the files changed while they were read (%1 times): another program is writing the folder; load it again when it is done</source>
        <translation>: die Dateien wurden während des Lesens geändert (%1-mal): ein anderes Programm schreibt in den Ordner; laden Sie ihn erneut, wenn es fertig ist</translation>
    </message>
    <message>
        <source>: not enough memory to read the language</source>
        <translation>: nicht genug Arbeitsspeicher, um die Sprache zu lesen</translation>
    </message>
</context>
<context>
    <name>clsLayoutFits</name>
    <message>
        <source>label</source>
        <translation>Beschriftung</translation>
    </message>
    <message>
        <source>button</source>
        <translation>Schaltfläche</translation>
    </message>
    <message>
        <source>check box</source>
        <translation>Kontrollkästchen</translation>
    </message>
    <message>
        <source>option button</source>
        <translation>Optionsfeld</translation>
    </message>
    <message>
        <source>frame</source>
        <translation>Rahmen</translation>
    </message>
    <message>
        <source>tab</source>
        <translation>Registerkarte</translation>
    </message>
    <message>
        <source>%1 px too tall for its %2 px high %3</source>
        <translation>%1 px zu hoch: %3 mit %2 px Höhe</translation>
    </message>
    <message>
        <source>%1 px too wide for its %2 px %3</source>
        <translation>%1 px zu breit: %3 mit %2 px</translation>
    </message>
    <message>
        <source>, measured in %1 for %2, which is not installed</source>
        <translation>, gemessen in %1 statt %2, die nicht installiert ist</translation>
    </message>
</context>
<context>
    <name>clsMergeCandidates</name>
    <message>
        <source>: not valid JSON (%1)</source>
        <translation>: kein gültiges JSON (%1)</translation>
    </message>
    <message>
        <source>: a candidate of %1 without an id</source>
        <translation>: ein Kandidat von %1 ohne id</translation>
    </message>
    <message>
        <source>: cannot be removed</source>
        <translation>: kann nicht entfernt werden</translation>
    </message>
    <message>
        <source>: is a link; nothing is written through it</source>
        <translation>: ist eine Verknüpfung; nichts wird durch sie geschrieben</translation>
    </message>
</context>
<context>
    <name>clsSpeller</name>
    <message>
        <source>%1 is not a language such as de or de_DE</source>
        <translation>%1 ist keine Sprache wie de oder de_DE</translation>
    </message>
    <message>
        <source>no temporary folder for the spelling dictionary could be made</source>
        <translation>für das Rechtschreibwörterbuch konnte kein temporärer Ordner angelegt werden</translation>
    </message>
    <message>
        <source>no spelling dictionary for %1 is installed</source>
        <translation>kein Rechtschreibwörterbuch für %1 installiert</translation>
    </message>
    <message>
        <source> (the Debian package %1 adds one)</source>
        <translation> (das Debian-Paket %1 bringt eines mit)</translation>
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
    <message>
        <source>; not replaced</source>
        <translation>; nicht ersetzt</translation>
    </message>
    <message>
        <source>%1 already exists and was not overwritten</source>
        <translation>%1 ist bereits vorhanden und wurde nicht überschrieben</translation>
    </message>
</context>
<context>
    <name>clsTralyx_Merge</name>
    <message>
        <source> does not exist: merged without the old source</source>
        <translation> ist nicht vorhanden: ohne die alte Quelle zusammengeführt</translation>
    </message>
    <message>
        <source>%1 is the old source file itself; an update never writes over its input</source>
        <translation>%1 ist die Datei der alten Quelle selbst; eine Aktualisierung überschreibt nie ihre Eingabe</translation>
    </message>
    <message>
        <source>%1 is the old or the new file itself; an update never writes over its input</source>
        <translation>%1 ist die alte oder die neue Datei selbst; eine Aktualisierung überschreibt nie ihre Eingabe</translation>
    </message>
    <message>
        <source>the destination folder&apos;s name is blank</source>
        <translation>der Name des Zielordners ist leer</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 ist kein Ordner</translation>
    </message>
</context>
<context>
    <name>clsTranslationConsistency</name>
    <message>
        <source>the source %1 is translated %2 here and %3 at %4 (%5:%6)</source>
        <translation>die Quelle %1 ist hier mit %2 übersetzt und mit %3 bei %4 (%5:%6)</translation>
    </message>
</context>
<context>
    <name>clsTranslationMemory</name>
    <message>
        <source>%1: its language is %2, the memory&apos;s %3</source>
        <translation>%1: seine Sprache ist %2, die des Übersetzungsspeichers %3</translation>
    </message>
    <message>
        <source>%1: none of its %2 units has a translation in %3</source>
        <translation>%1: keine seiner %2 Einheiten hat eine Übersetzung in %3</translation>
    </message>
    <message>
        <source>a second language</source>
        <translation>einer zweiten Sprache</translation>
    </message>
    <message>
        <source>%1: no source folder beside it (a sibling folder named English)</source>
        <translation>%1: kein Quellordner daneben (ein Nachbarordner namens English)</translation>
    </message>
    <message>
        <source>%1: neither a language folder nor a .tmx file</source>
        <translation>%1: weder ein Sprachordner noch eine .tmx-Datei</translation>
    </message>
    <message>
        <source>%1: no such file or folder</source>
        <translation>%1: keine Datei und kein Ordner dieses Namens</translation>
    </message>
</context>
<context>
    <name>clsTranslationState</name>
    <message>
        <source>%1 is larger than %2 MiB (%3 bytes), more than the state of any language folder</source>
        <translation>%1 ist größer als %2 MiB (%3 Byte), mehr als der Bearbeitungsstand jedes Sprachordners</translation>
    </message>
    <message>
        <source>not valid JSON: %1</source>
        <translation>kein gültiges JSON: %1</translation>
    </message>
    <message>
        <source>not a translation state file (no &quot;%1&quot; version)</source>
        <translation>keine Datei mit Bearbeitungsstand (keine Version „%1“)</translation>
    </message>
    <message>
        <source>version %1 of the state file is not known to this Tralyx (it reads version %2)</source>
        <translation>Version %1 der Datei mit dem Bearbeitungsstand kennt dieses Tralyx nicht (es liest Version %2)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be a list</source>
        <translation>„%1“ muss eine Liste sein</translation>
    </message>
    <message>
        <source>&quot;%1&quot; entry %2: %3</source>
        <translation>„%1“ Eintrag %2: %3</translation>
    </message>
    <message>
        <source>must be an object with an &quot;id&quot;</source>
        <translation>muss ein Objekt mit einer „id“ sein</translation>
    </message>
    <message>
        <source>&quot;review&quot;, &quot;movedFrom&quot;, &quot;note&quot; and &quot;for&quot; must be strings, &quot;done&quot; true or false</source>
        <translation>„review“, „movedFrom“, „note“ und „for“ müssen Zeichenketten sein, „done“ true oder false</translation>
    </message>
    <message>
        <source>its done mark is not applied</source>
        <translation>seine Erledigt-Markierung wird nicht übernommen</translation>
    </message>
    <message>
        <source>its review ends (the translation is not the one to review)</source>
        <translation>seine Prüfung endet (die Übersetzung ist nicht die zu prüfende)</translation>
    </message>
    <message>
        <source>its note was written for an earlier text</source>
        <translation>seine Notiz wurde für einen früheren Text geschrieben</translation>
    </message>
    <message>
        <source>the state was given for another text than the entry has now: </source>
        <translation>der Bearbeitungsstand galt einem anderen Text, als der Eintrag jetzt hat: </translation>
    </message>
</context>
<context>
    <name>clsUiForm</name>
    <message>
        <source>not a Qt Designer form: the document is &lt;%1&gt;, not &lt;ui&gt;</source>
        <translation>kein Qt-Designer-Formular: das Dokument ist &lt;%1&gt;, nicht &lt;ui&gt;</translation>
    </message>
    <message>
        <source>not a Qt Designer form: it has no &lt;widget&gt;</source>
        <translation>kein Qt-Designer-Formular: es hat kein &lt;widget&gt;</translation>
    </message>
    <message>
        <source>widgets and layouts nest more than %1 deep</source>
        <translation>Widgets und Layouts sind mehr als %1 Ebenen tief verschachtelt</translation>
    </message>
    <message>
        <source>the form has no geometry of its own</source>
        <translation>das Formular hat keine eigene Geometrie</translation>
    </message>
</context>
<context>
    <name>tralyx</name>
    <message>
        <source>usage: tralyx [options] [FILE...]

Opens the editor of language resource files, with each FILE (core.lrc, messages.lrc,
secondary.lrc) in a window of its own; a FILE that is a folder opens its three files.

options:
  -h, --help     show this help
  --version      print the program&apos;s name and version
  --source DIR   the source-language folder shown beside the files (default: the sibling
                 folder named English)
  --             every argument after this one is a FILE

Qt&apos;s own options are understood as well, for example -platform offscreen or -style Fusion.
</source>
        <translation>Aufruf: tralyx [Optionen] [FILE...]

Öffnet den Editor für Sprachressourcendateien, jede FILE (core.lrc, messages.lrc,
secondary.lrc) in einem eigenen Fenster; eine FILE, die ein Ordner ist, öffnet seine drei Dateien.

Optionen:
  -h, --help     diese Hilfe anzeigen
  --version      Namen und Version des Programms ausgeben
  --source DIR   der Ordner der Quellsprache, der neben den Dateien angezeigt wird (Vorgabe:
                 der benachbarte Ordner namens English)
  --             jedes Argument danach ist eine FILE

Auch die Optionen von Qt werden verstanden, zum Beispiel -platform offscreen oder -style Fusion.
</translation>
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
    <name>tralyx_lrc</name>
    <message>
        <source>usage: tralyx-lrc check FILE... | dump FILE | write FILE | update OLD NEW DEST | lint FOLDER|ROOT
       | status FOLDER|ROOT | export FOLDER OUT | import FILE FOLDER | tm export|suggest ...
       | glossary export FOLDER OUT.tbx | compile FOLDER | merge-file BASE OURS THEIRS PATH
       | git setup|textconv ... | harvest FORM.ui... -o DIR | join ENGLISH FORMFILE...
       | pseudo SOURCE DEST
       [options]
</source>
        <translation>Aufruf: tralyx-lrc check FILE... | dump FILE | write FILE | update OLD NEW DEST | lint FOLDER|ROOT
        | status FOLDER|ROOT | export FOLDER OUT | import FILE FOLDER | tm export|suggest ...
        | glossary export FOLDER OUT.tbx | compile FOLDER | merge-file BASE OURS THEIRS PATH
        | git setup|textconv ... | harvest FORM.ui... -o DIR | join ENGLISH FORMFILE...
        | pseudo SOURCE DEST
        [Optionen]
</translation>
    </message>
    <message>
        <source>usage: tralyx-lrc COMMAND [options] ARGUMENTS

  check FILE...        load each file (or a translation-state.json); print &quot;FILE: ok, N records&quot; or
                       &quot;FILE:LINE: reason&quot;
  dump FILE            print the table that FILE loads into as JSON on stdout
  write FILE           write FILE from JSON on stdin (the &quot;records&quot; of a dump)
  update OLD NEW DEST  merge an old and a new language folder into DEST
  lint FOLDER|ROOT     check a translated folder, or every one under ROOT, against its source
                       language (FILE:LINE: problem)
  status FOLDER|ROOT   the entries translated, to review and to do, per language and file
  export FOLDER OUT    a language folder with its source texts as PO (OUT.po) or XLIFF (OUT.xlf),
                       or a PO template of its source texts (OUT.pot)
  import FILE FOLDER   bring the translations of a PO or XLIFF file back into FOLDER
  tm export|suggest    translation memory: a folder&apos;s translations as TMX (tm export FOLDER OUT.tmx),
                       what a memory suggests for source texts (tm suggest --memory PATH TEXT...)
  glossary export FOLDER OUT.tbx   the start of a glossary: FOLDER&apos;s short captions and menus with
                       their translations as TBX-Basic (lint --glossary FILE checks against one)
  compile FOLDER       the language and its source in one file (language.tralyx) that the
                       applications&apos; loader maps instead of reading the text files
  merge-file BASE OURS THEIRS PATH   Git&apos;s merge driver: a .lrc file or the state merged entry by
                       entry into OURS (exit 1 with both candidates kept where both sides changed a text)
  git setup [REPO]     make a Git repository merge and diff Tralyx folders with this program
  git textconv FILE    a .lrc file&apos;s lines decoded, as git diff shows them
  harvest FORM.ui... -o DIR   the English texts of Qt Designer forms, one DIR/&lt;form&gt;.LRC each, as the
                       run-time harvest of the windows uic builds from them writes them
  join ENGLISH FORMFILE...   merge form text files into the English folder&apos;s core.lrc (entries keep
                       their place; those no longer on their form are reported, or removed with --prune)
  pseudo SOURCE DEST   a test language made from SOURCE: every text longer, accented and in brackets
                       on request, so that the application shows what it cuts and what it never loads

options:
  --kind core|messages|secondary   the kind of file (default: from its name, core.lrc etc.)
  --code-page NAME                 the files&apos; code page (default windows-1252)
  --force                          write, update, export, import, tm, glossary, pseudo: replace files that exist
  --dry-run                        update, import: write nothing, report what would happen
  --json                           update, lint, status, tm: print the report as JSON
  --format text|json|github|junit  lint: how the report is printed (GitHub annotations, JUnit XML)
  --fail-on WHAT                   lint, status: also fail on warning, review, untranslated or missing
  --infos                          lint: print the infos too
  --drop-unwritable                write: leave out the texts core.lrc has no line for (else refused)
  -o, --output DIR                 harvest: the folder the form text files are written to
  --prune                          join: remove the entries no longer on their form
  --expand PERCENT                 pseudo: make each text this much longer (default 35)
  --accents, --brackets            pseudo: accent the letters, put each text in brackets
  --source DIR                     lint, status, export, import, tm, glossary: the source folder (default: the sibling named English)
  --old-source DIR                 update: the source folder OLD was translated from
  --language CODE                  import: the folder&apos;s language, when its name does not say it
  --source-language, --target-language CODE   export, tm, glossary (lint: the target): language codes (default: from the folder names)
  --memory PATH                    tm, update --fill-from-memory: a translated folder or a .tmx file of the memory (repeatable)
  --spell [--dictionary LANG]      lint: also check the spelling (default: the folder&apos;s language)
  --glossary FILE                  lint: also check the terms of a TBX or CSV glossary
  --help                           show this help
  --version                        print the program&apos;s name and version

tralyx-lrc COMMAND --help shows one command&apos;s usage.
exit status: 0 all well, 1 a file failed to load or write (lint: or an error was found), 2 usage error
</source>
        <translation>Aufruf: tralyx-lrc COMMAND [Optionen] ARGUMENTS

  check FILE...        jede Datei (oder eine translation-state.json) laden; „FILE: ok, N Datensätze“ oder
                       „FILE:LINE: Grund“ ausgeben
  dump FILE            die Tabelle, in die FILE geladen wird, als JSON auf der Standardausgabe ausgeben
  write FILE           FILE aus JSON von der Standardeingabe schreiben (die &quot;records&quot; eines dump)
  update OLD NEW DEST  einen alten und einen neuen Sprachordner in DEST zusammenführen
  lint FOLDER|ROOT     einen übersetzten Ordner, oder jeden unter ROOT, mit seiner Quellsprache
                       vergleichen (FILE:LINE: Problem)
  status FOLDER|ROOT   die übersetzten, zu prüfenden und offenen Einträge, je Sprache und Datei
  export FOLDER OUT    einen Sprachordner mit seinen Quelltexten als PO (OUT.po) oder XLIFF (OUT.xlf),
                       oder eine PO-Vorlage seiner Quelltexte (OUT.pot)
  import FILE FOLDER   die Übersetzungen einer PO- oder XLIFF-Datei zurück nach FOLDER bringen
  tm export|suggest    Übersetzungsspeicher: die Übersetzungen eines Ordners als TMX (tm export FOLDER OUT.tmx),
                       was ein Speicher für Quelltexte vorschlägt (tm suggest --memory PATH TEXT...)
  glossary export FOLDER OUT.tbx   der Anfang eines Glossars: die kurzen Beschriftungen und Menüs von FOLDER
                       mit ihren Übersetzungen als TBX-Basic (lint --glossary FILE prüft dagegen)
  compile FOLDER       die Sprache und ihre Quelle in einer Datei (language.tralyx), die der Lader
                       der Anwendungen einblendet, statt die Textdateien zu lesen
  merge-file BASE OURS THEIRS PATH   Merge-Treiber für Git: eine .lrc-Datei oder den Bearbeitungsstand Eintrag
                       für Eintrag in OURS zusammenführen (Status 1, beide Fassungen behalten, wo beide Seiten einen Text änderten)
  git setup [REPO]     ein Git-Repository Tralyx-Ordner mit diesem Programm zusammenführen und vergleichen lassen
  git textconv FILE    die Zeilen einer .lrc-Datei dekodiert, wie git diff sie zeigt
  harvest FORM.ui... -o DIR   die englischen Texte von Qt-Designer-Formularen, je eine DIR/&lt;form&gt;.LRC, so wie
                       sie die Laufzeit-Ernte der daraus mit uic erzeugten Fenster schreibt
  join ENGLISH FORMFILE...   Formular-Textdateien in die core.lrc des englischen Ordners einfügen (Einträge
                       behalten ihren Platz; nicht mehr vorhandene werden gemeldet oder mit --prune entfernt)
  pseudo SOURCE DEST   eine Testsprache aus SOURCE: jeder Text länger, auf Wunsch mit Akzenten und in
                       Klammern, damit die Anwendung zeigt, was sie abschneidet und was sie nie lädt

Optionen:
  --kind core|messages|secondary   die Art der Datei (Vorgabe: nach ihrem Namen, core.lrc usw.)
  --code-page NAME                 die Codepage der Dateien (Vorgabe windows-1252)
  --force                          write, update, export, import, tm, glossary, pseudo: vorhandene Dateien ersetzen
  --dry-run                        update, import: nichts schreiben, melden, was geschehen würde
  --json                           update, lint, status, tm: den Bericht als JSON ausgeben
  --format text|json|github|junit  lint: wie der Bericht ausgegeben wird (GitHub-Annotationen, JUnit-XML)
  --fail-on WHAT                   lint, status: auch bei warning, review, untranslated oder missing fehlschlagen
  --infos                          lint: auch die Hinweise ausgeben
  --drop-unwritable                write: die Texte weglassen, für die core.lrc keine Zeile hat (sonst abgelehnt)
  -o, --output DIR                 harvest: der Ordner, in den die Formular-Textdateien geschrieben werden
  --prune                          join: die Einträge entfernen, die nicht mehr auf ihrem Formular sind
  --expand PERCENT                 pseudo: jeden Text um so viel Prozent verlängern (Vorgabe 35)
  --accents, --brackets            pseudo: die Buchstaben mit Akzenten versehen, jeden Text in Klammern setzen
  --source DIR                     lint, status, export, import, tm, glossary: der Quellordner (Vorgabe: der benachbarte namens English)
  --old-source DIR                 update: der Quellordner, aus dem OLD übersetzt wurde
  --language CODE                  import: die Sprache des Ordners, wenn sein Name sie nicht nennt
  --source-language, --target-language CODE   export, tm, glossary (lint: das Ziel): Sprachcodes (Vorgabe: aus den Ordnernamen)
  --memory PATH                    tm, update --fill-from-memory: ein übersetzter Ordner oder eine .tmx-Datei des Speichers (wiederholbar)
  --spell [--dictionary LANG]      lint: auch die Rechtschreibung prüfen (Vorgabe: die Sprache des Ordners)
  --glossary FILE                  lint: auch die Begriffe eines TBX- oder CSV-Glossars prüfen
  --help                           diese Hilfe anzeigen
  --version                        Namen und Version des Programms ausgeben

tralyx-lrc COMMAND --help zeigt den Aufruf eines Befehls.
Exit-Status: 0 alles in Ordnung, 1 eine Datei ließ sich nicht laden oder schreiben (lint: oder ein Fehler wurde gefunden), 2 Aufruffehler
</translation>
    </message>
    <message>
        <source>%1: cannot write to the standard output: %2
</source>
        <translation>%1: In die Standardausgabe kann nicht geschrieben werden: %2
</translation>
    </message>
    <message>
        <source>write error</source>
        <translation>Schreibfehler</translation>
    </message>
    <message>
        <source>tralyx-lrc: the file name &apos;%1&apos; is not valid in this system&apos;s encoding (UTF-8); nothing was done
</source>
        <translation>tralyx-lrc: Der Dateiname &apos;%1&apos; ist in der Kodierung dieses Systems (UTF-8) ungültig; es wurde nichts getan
</translation>
    </message>
    <message>
        <source>tralyx-lrc: unknown command &apos;%1&apos;
</source>
        <translation>tralyx-lrc: unbekannter Befehl &apos;%1&apos;
</translation>
    </message>
    <message>
        <source>tralyx-lrc: not enough memory
</source>
        <translation>tralyx-lrc: nicht genug Arbeitsspeicher
</translation>
    </message>
    <message>
        <source>holds a lone surrogate \u%1 at character %2, which is not a character</source>
        <translation>enthält bei Zeichen %2 ein einzelnes Surrogat \u%1, das kein Zeichen ist</translation>
    </message>
    <message>
        <source>true or false</source>
        <translation>true oder false</translation>
    </message>
    <message>
        <source>an array</source>
        <translation>ein Array</translation>
    </message>
    <message>
        <source>an object</source>
        <translation>ein Objekt</translation>
    </message>
    <message>
        <source>must be an object, not %1</source>
        <translation>muss ein Objekt sein, nicht %1</translation>
    </message>
    <message>
        <source>has an unknown field &apos;%1&apos; (the fields are %2)</source>
        <translation>hat ein unbekanntes Feld &apos;%1&apos; (die Felder sind %2)</translation>
    </message>
    <message>
        <source>must be a string, not %1</source>
        <translation>muss eine Zeichenkette sein, nicht %1</translation>
    </message>
    <message>
        <source>is missing</source>
        <translation>fehlt</translation>
    </message>
    <message>
        <source>must be a whole number from 0 to 255, not %1</source>
        <translation>muss eine ganze Zahl von 0 bis 255 sein, nicht %1</translation>
    </message>
    <message>
        <source>%1: not valid JSON: %2</source>
        <translation>%1: kein gültiges JSON: %2</translation>
    </message>
    <message>
        <source>expected an object with &quot;records&quot;, as dump prints it</source>
        <translation>erwartet wird ein Objekt mit &quot;records&quot;, wie dump es ausgibt</translation>
    </message>
    <message>
        <source>the object has no &quot;records&quot;</source>
        <translation>das Objekt hat kein &quot;records&quot;</translation>
    </message>
    <message>
        <source>&quot;records&quot; must be an array, not %1</source>
        <translation>&quot;records&quot; muss ein Array sein, nicht %1</translation>
    </message>
    <message>
        <source>the dump is of a load that failed%1, so its records are only the part read before the failure; nothing was written (mend the file and dump it again)</source>
        <translation>der dump stammt von einem fehlgeschlagenen Laden%1, seine Datensätze sind also nur der vor dem Fehler gelesene Teil; nichts wurde geschrieben (reparieren Sie die Datei und geben Sie sie erneut mit dump aus)</translation>
    </message>
    <message>
        <source>&quot;success&quot; must be true or false, not %1</source>
        <translation>&quot;success&quot; muss true oder false sein, nicht %1</translation>
    </message>
    <message>
        <source>&quot;kind&quot; must be &quot;core&quot;, &quot;messages&quot; or &quot;secondary&quot;</source>
        <translation>&quot;kind&quot; muss &quot;core&quot;, &quot;messages&quot; oder &quot;secondary&quot; sein</translation>
    </message>
    <message>
        <source>records[%1] must be a string, not %2</source>
        <translation>records[%1] muss eine Zeichenkette sein, nicht %2</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>unbekannte Option &apos;%1&apos;</translation>
    </message>
    <message>
        <source>%1 takes no value</source>
        <translation>%1 nimmt keinen Wert</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 braucht einen Wert</translation>
    </message>
    <message>
        <source>unknown kind &apos;%1&apos; (core, messages or secondary)</source>
        <translation>unbekannte Art &apos;%1&apos; (core, messages oder secondary)</translation>
    </message>
    <message>
        <source>%1 needs a folder</source>
        <translation>%1 braucht einen Ordner</translation>
    </message>
    <message>
        <source>--expand needs a percentage from 0 to 1000</source>
        <translation>--expand braucht einen Prozentwert von 0 bis 1000</translation>
    </message>
    <message>
        <source>--glossary needs a .tbx or .csv file</source>
        <translation>--glossary braucht eine .tbx- oder .csv-Datei</translation>
    </message>
    <message>
        <source>--language needs a language code</source>
        <translation>--language braucht einen Sprachcode</translation>
    </message>
    <message>
        <source>--memory needs a folder or a .tmx file</source>
        <translation>--memory braucht einen Ordner oder eine .tmx-Datei</translation>
    </message>
    <message>
        <source>unknown format &apos;%1&apos; (text, json, github or junit)</source>
        <translation>unbekanntes Format &apos;%1&apos; (text, json, github oder junit)</translation>
    </message>
    <message>
        <source>unknown --fail-on &apos;%1&apos; (error, warning, review, untranslated or missing)</source>
        <translation>unbekanntes --fail-on &apos;%1&apos; (error, warning, review, untranslated oder missing)</translation>
    </message>
    <message>
        <source>--dictionary needs a language such as de_DE</source>
        <translation>--dictionary braucht eine Sprache wie de_DE</translation>
    </message>
    <message>
        <source>an empty argument is not a file name</source>
        <translation>ein leeres Argument ist kein Dateiname</translation>
    </message>
    <message>
        <source>cannot tell the kind of file from the name &apos;%1&apos;; expected core.lrc, messages.lrc or secondary.lrc, or give --kind core|messages|secondary</source>
        <translation>die Art der Datei ist am Namen &apos;%1&apos; nicht zu erkennen; erwartet wird core.lrc, messages.lrc oder secondary.lrc, oder geben Sie --kind core|messages|secondary an</translation>
    </message>
    <message>
        <source>%1: is %2 itself, which the command reads; nothing was written</source>
        <translation>%1: ist %2 selbst, das der Befehl liest; nichts wurde geschrieben</translation>
    </message>
    <message>
        <source>%1: not a folder</source>
        <translation>%1: kein Ordner</translation>
    </message>
    <message>
        <source>%1: no source folder (no sibling folder named English); give --source DIR</source>
        <translation>%1: kein Quellordner (kein benachbarter Ordner namens English); geben Sie --source DIR an</translation>
    </message>
    <message>
        <source>which the applications&apos; reader does not take as a line end; Git makes such files from &quot;* text=auto&quot;: put &quot;*.lrc -text&quot; in .gitattributes and check the file out again</source>
        <translation>was der Leser der Anwendungen nicht als Zeilenende nimmt; Git erzeugt solche Dateien aus &quot;* text=auto&quot;: tragen Sie &quot;*.lrc -text&quot; in .gitattributes ein und checken Sie die Datei erneut aus</translation>
    </message>
    <message>
        <source>1 line ends with LF alone (this one the first), %1</source>
        <translation>1 Zeile endet mit LF allein (diese als erste), %1</translation>
    </message>
    <message>
        <source>%L1 lines end with LF alone (this one the first), %2</source>
        <translation>%L1 Zeilen enden mit LF allein (diese als erste), %2</translation>
    </message>
    <message>
        <source>usage: tralyx-lrc check [--kind core|messages|secondary] [--code-page NAME] FILE...</source>
        <translation>Aufruf: tralyx-lrc check [--kind core|messages|secondary] [--code-page NAME] FILE...</translation>
    </message>
    <message>
        <source>no FILE given</source>
        <translation>keine FILE angegeben</translation>
    </message>
    <message>
        <source>usage: tralyx-lrc compile [--source DIR] [--code-page NAME] FOLDER</source>
        <translation>Aufruf: tralyx-lrc compile [--source DIR] [--code-page NAME] FOLDER</translation>
    </message>
    <message>
        <source>one FOLDER is needed</source>
        <translation>ein FOLDER wird gebraucht</translation>
    </message>
    <message>
        <source>; nothing was compiled</source>
        <translation>; nichts wurde kompiliert</translation>
    </message>
    <message>
        <source>: is a link; nothing was written through it</source>
        <translation>: ist eine Verknüpfung; nichts wurde durch sie geschrieben</translation>
    </message>
    <message>
        <source>, without a source language</source>
        <translation>, ohne Quellsprache</translation>
    </message>
    <message>
        <source>, with the source language of </source>
        <translation>, mit der Quellsprache von </translation>
    </message>
    <message>
        <source>usage: tralyx-lrc dump [--kind core|messages|secondary] [--code-page NAME] FILE</source>
        <translation>Aufruf: tralyx-lrc dump [--kind core|messages|secondary] [--code-page NAME] FILE</translation>
    </message>
    <message>
        <source>give exactly one FILE</source>
        <translation>geben Sie genau eine FILE an</translation>
    </message>
    <message>
        <source>usage: tralyx-lrc export [--source DIR] [--force] [--code-page NAME] [--source-language CODE]
                         [--target-language CODE] FOLDER OUT
  Writes the texts of FOLDER&apos;s core.lrc, messages.lrc and secondary.lrc, each with its source text
  from DIR (default: the sibling folder named English), to OUT: PO when OUT ends in .po, XLIFF 1.2
  when it ends in .xlf or .xliff, a PO template (every source text, no translation) when it ends
  in .pot. The state of FOLDER/translation-state.json goes with them: to review as fuzzy, done as
  translated, notes as the translator&apos;s comments. OUT is replaced only with --force. The language
  codes come from the folders&apos; names (German: de) unless given.</source>
        <translation>Aufruf: tralyx-lrc export [--source DIR] [--force] [--code-page NAME] [--source-language CODE]
                          [--target-language CODE] FOLDER OUT
  Schreibt die Texte von core.lrc, messages.lrc und secondary.lrc aus FOLDER, jeden mit seinem
  Quelltext aus DIR (Vorgabe: der benachbarte Ordner namens English), nach OUT: PO, wenn OUT auf .po
  endet, XLIFF 1.2 bei .xlf oder .xliff, eine PO-Vorlage (jeder Quelltext, keine Übersetzung) bei
  .pot. Der Bearbeitungsstand aus FOLDER/translation-state.json kommt mit: zu prüfen als fuzzy,
  erledigt als übersetzt, Notizen als Kommentare des Übersetzers. OUT wird nur mit --force ersetzt.
  Die Sprachcodes kommen aus den Ordnernamen (German: de), wenn sie nicht angegeben sind.</translation>
    </message>
    <message>
        <source>give FOLDER and OUT</source>
        <translation>geben Sie FOLDER und OUT an</translation>
    </message>
    <message>
        <source>OUT must end in .po, .pot, .xlf or .xliff</source>
        <translation>OUT muss auf .po, .pot, .xlf oder .xliff enden</translation>
    </message>
    <message>
        <source>cannot tell the language of %1 from its name; give --source-language</source>
        <translation>die Sprache von %1 ist an seinem Namen nicht zu erkennen; geben Sie --source-language an</translation>
    </message>
    <message>
        <source>cannot tell the language of %1 from its name; give --target-language</source>
        <translation>die Sprache von %1 ist an seinem Namen nicht zu erkennen; geben Sie --target-language an</translation>
    </message>
    <message>
        <source>%1: already exists (give --force to replace it)</source>
        <translation>%1: ist bereits vorhanden (--force ersetzt es)</translation>
    </message>
    <message>
        <source>warning: %1; it is ignored</source>
        <translation>warning: %1; er wird ignoriert</translation>
    </message>
    <message>
        <source>%1: %2 entries of the source are not in this file and were left out (tralyx-lrc update adds them)</source>
        <translation>%1: %2 Einträge der Quelle fehlen in dieser Datei und wurden weggelassen (tralyx-lrc update fügt sie hinzu)</translation>
    </message>
    <message>
        <source>%1: holds none of core.lrc, messages.lrc, secondary.lrc</source>
        <translation>%1: enthält keine von core.lrc, messages.lrc, secondary.lrc</translation>
    </message>
    <message>
        <source>%1: written, %2 entries (%3), %4 untranslated, %5 to review, %6 obsolete</source>
        <translation>%1: geschrieben, %2 Einträge (%3), %4 nicht übersetzt, %5 zu prüfen, %6 veraltet</translation>
    </message>
    <message>
        <source>usage: tralyx-lrc merge-file [--code-page NAME] BASE OURS THEIRS PATH</source>
        <translation>Aufruf: tralyx-lrc merge-file [--code-page NAME] BASE OURS THEIRS PATH</translation>
    </message>
    <message>
        <source>usage: tralyx-lrc git setup [--code-page NAME] [REPO] | git textconv [--code-page NAME] FILE</source>
        <translation>Aufruf: tralyx-lrc git setup [--code-page NAME] [REPO] | git textconv [--code-page NAME] FILE</translation>
    </message>
    <message>
        <source> (its candidates are printed above only)</source>
        <translation> (seine Fassungen stehen nur oben in der Ausgabe)</translation>
    </message>
    <message>
        <source>%1 (%2): %3; nothing was merged</source>
        <translation>%1 (%2): %3; nichts wurde zusammengeführt</translation>
    </message>
    <message>
        <source>%1 (%2): %3; the file is left as ours is, to merge by hand</source>
        <translation>%1 (%2): %3; die Datei bleibt, wie unsere ist, zum Zusammenführen von Hand</translation>
    </message>
    <message>
        <source>%1: %2; the file is left as ours is</source>
        <translation>%1: %2; die Datei bleibt, wie unsere ist</translation>
    </message>
    <message>
        <source>%1: %2: both sides changed it: ours %3 is kept, theirs %4 is the other candidate</source>
        <translation>%1: %2: beide Seiten haben es geändert: unsere %3 bleibt, ihre %4 ist die zweite Fassung</translation>
    </message>
    <message>
        <source>%1: choose between the candidates in the editor (they are kept in %2)</source>
        <translation>%1: wählen Sie im Editor zwischen den Fassungen (sie sind in %2 gespeichert)</translation>
    </message>
    <message>
        <source>tralyx-lrc git: git %1: %2</source>
        <translation>tralyx-lrc git: git %1: %2</translation>
    </message>
    <message>
        <source>%1: the merge driver and the diff of Tralyx folders are set up%2</source>
        <translation>%1: der Merge-Treiber und der Vergleich von Tralyx-Ordnern sind eingerichtet%2</translation>
    </message>
    <message>
        <source>; .gitattributes has its lines (commit it)</source>
        <translation>; .gitattributes hat seine Zeilen (committen Sie sie)</translation>
    </message>
    <message>
        <source>textconv takes one FILE</source>
        <translation>textconv nimmt eine FILE</translation>
    </message>
    <message>
        <source>BASE, OURS, THEIRS and PATH are needed</source>
        <translation>BASE, OURS, THEIRS und PATH werden gebraucht</translation>
    </message>
    <message>
        <source>setup or textconv is needed</source>
        <translation>setup oder textconv wird gebraucht</translation>
    </message>
    <message>
        <source>usage: tralyx-lrc glossary export [--source DIR] [--force] [--code-page NAME] [--source-language CODE]
                                  [--target-language CODE] FOLDER OUT.tbx
  Writes the captions and menus of FOLDER&apos;s core.lrc of up to 4 words that are translated, each with
  its translation, as TBX-Basic: access keys and a trailing &quot;...&quot; or &quot;:&quot; removed, each source once.
  A source translated in several ways takes its most frequent translation; each such source is
  named on stderr. The source texts come from DIR (default: the sibling folder named English).
  OUT is replaced only with --force.
  Exit status: 0 done, 1 a folder did not load or OUT was not written, 2 usage error.</source>
        <translation>Aufruf: tralyx-lrc glossary export [--source DIR] [--force] [--code-page NAME] [--source-language CODE]
                                   [--target-language CODE] FOLDER OUT.tbx
  Schreibt die übersetzten Beschriftungen und Menüs aus der core.lrc von FOLDER mit bis zu 4 Wörtern,
  jede mit ihrer Übersetzung, als TBX-Basic: ohne Zugriffstasten und abschließendes &quot;...&quot; oder &quot;:&quot;,
  jede Quelle einmal. Eine unterschiedlich übersetzte Quelle nimmt ihre häufigste Übersetzung; jede
  solche Quelle wird auf stderr genannt. Die Quelltexte kommen aus DIR (Vorgabe: der benachbarte
  Ordner namens English). OUT wird nur mit --force ersetzt.
  Exit-Status: 0 erledigt, 1 ein Ordner ließ sich nicht laden oder OUT wurde nicht geschrieben, 2 Aufruffehler.</translation>
    </message>
    <message>
        <source>give FOLDER and OUT.tbx</source>
        <translation>geben Sie FOLDER und OUT.tbx an</translation>
    </message>
    <message>
        <source>OUT must end in .tbx</source>
        <translation>OUT muss auf .tbx enden</translation>
    </message>
    <message>
        <source>%1: no core.lrc to take the captions from</source>
        <translation>%1: keine core.lrc, aus der die Beschriftungen kommen könnten</translation>
    </message>
    <message>
        <source>%1: several translations of %2</source>
        <translation>%1: mehrere Übersetzungen von %2</translation>
    </message>
    <message>
        <source>%1: written, %L2 terms (%3 to %4), %L5 with several translations</source>
        <translation>%1: geschrieben, %L2 Begriffe (%3 nach %4), %L5 mit mehreren Übersetzungen</translation>
    </message>
    <message>
        <source>give export</source>
        <translation>geben Sie export an</translation>
    </message>
    <message>
        <source>unknown action &apos;%1&apos; (export)</source>
        <translation>unbekannte Aktion &apos;%1&apos; (export)</translation>
    </message>
    <message>
        <source>usage: tralyx-lrc harvest [--code-page NAME] -o|--output DIR FORM.ui...</source>
        <translation>Aufruf: tralyx-lrc harvest [--code-page NAME] -o|--output DIR FORM.ui...</translation>
    </message>
    <message>
        <source>no FORM.ui given</source>
        <translation>keine FORM.ui angegeben</translation>
    </message>
    <message>
        <source>no -o DIR given</source>
        <translation>kein -o DIR angegeben</translation>
    </message>
    <message>
        <source>%1: warning: its form has the name of %2&apos;s, whose texts it replaces in %3</source>
        <translation>%1: warning: sein Formular hat den Namen des Formulars von %2, dessen Texte es in %3 ersetzt</translation>
    </message>
    <message>
        <source>%1: warning: %2 holds &quot;%3&quot;, which core.lrc has no line for (the caption of a &quot;txt&quot; name, the tool-tip of an &quot;mnu&quot; name are not kept)</source>
        <translation>%1: warning: %2 enthält „%3“, wofür core.lrc keine Zeile hat (die Beschriftung eines „txt“-Namens und die Minihilfe eines „mnu“-Namens werden nicht gespeichert)</translation>
    </message>
    <message>
        <source>usage: tralyx-lrc join [--prune] [--code-page NAME] ENGLISH FORMFILE...</source>
        <translation>Aufruf: tralyx-lrc join [--prune] [--code-page NAME] ENGLISH FORMFILE...</translation>
    </message>
    <message>
        <source>expected the English folder and at least one form file</source>
        <translation>erwartet werden der englische Ordner und mindestens eine Formular-Textdatei</translation>
    </message>
    <message>
        <source>usage: tralyx-lrc import [--force] [--dry-run] [--discard-state] [--theirs] [--source DIR] [--language CODE]
                         [--code-page NAME]
                         FILE FOLDER
  Applies the translations of FILE (.po, .xlf or .xliff) to the language files in FOLDER. Only
  texts whose translation changed are rewritten; a file without a change is not written. Files are
  replaced only with --force; --dry-run reports what would change. Lists each translation it did
  not apply. Against the source folder (DIR, default: the sibling folder named English) a
  translation made for another source text is not applied, and the checks run on every text that
  changes. Review (fuzzy), done and the translator&apos;s notes go to FOLDER/translation-state.json. A
  file for another language than FOLDER&apos;s (from its name, or --language CODE) is refused. A state
  file that cannot be read is never replaced: nothing is written unless --discard-state.
  A file exported by tralyx-lrc records each translation it exported: only the translations the
  translator changed are applied, so a stale export never reverts a newer change in FOLDER. One
  changed both in FILE and in FOLDER since the export is a conflict, named and not applied, unless
  --theirs (FILE&apos;s translation is taken).
  Exit status: 0 all applied, 1 something not applied or not written or an error brought in, 2 usage error.</source>
        <translation>Aufruf: tralyx-lrc import [--force] [--dry-run] [--discard-state] [--theirs] [--source DIR] [--language CODE]
                          [--code-page NAME]
                          FILE FOLDER
  Überträgt die Übersetzungen aus FILE (.po, .xlf oder .xliff) in die Sprachdateien in FOLDER. Nur
  Texte, deren Übersetzung sich geändert hat, werden neu geschrieben; eine Datei ohne Änderung wird
  nicht geschrieben. Dateien werden nur mit --force ersetzt; --dry-run meldet, was sich ändern würde.
  Nennt jede Übersetzung, die nicht übernommen wurde. Gegen den Quellordner (DIR, Vorgabe: der
  benachbarte Ordner namens English) wird eine für einen anderen Quelltext gemachte Übersetzung nicht
  übernommen, und die Prüfungen laufen über jeden geänderten Text. Prüfung (fuzzy), erledigt und die
  Notizen des Übersetzers kommen in FOLDER/translation-state.json. Eine Datei für eine andere Sprache als die von FOLDER (nach seinem Namen oder --language CODE) wird abgelehnt.
  Ein unlesbarer Bearbeitungsstand wird nie ersetzt: ohne --discard-state wird nichts geschrieben.
  Eine von tralyx-lrc exportierte Datei hält jede exportierte Übersetzung fest: nur die vom Übersetzer
  geänderten Übersetzungen werden übernommen, ein veralteter Export macht also nie eine neuere Änderung
  in FOLDER rückgängig. Eine seit dem Export in FILE und in FOLDER geänderte ist ein Konflikt, wird
  genannt und nicht übernommen, außer mit --theirs (die Übersetzung aus FILE wird genommen).
  Exit-Status: 0 alles übernommen, 1 etwas nicht übernommen, nicht geschrieben oder ein Fehler eingebracht, 2 Aufruffehler.</translation>
    </message>
    <message>
        <source>give FILE and FOLDER</source>
        <translation>geben Sie FILE und FOLDER an</translation>
    </message>
    <message>
        <source>FILE must end in .po, .xlf or .xliff</source>
        <translation>FILE muss auf .po, .xlf oder .xliff enden</translation>
    </message>
    <message>
        <source>usage: tralyx-lrc status [--source DIR] [--json] [--fail-on WHAT]... [--code-page NAME] FOLDER|ROOT
  The table lint ends with, for FOLDER or every language folder under ROOT: per language and file
  the entries, translated, to review, untranslated, errors, warnings and words to do.
  Exit status as lint&apos;s.</source>
        <translation>Aufruf: tralyx-lrc status [--source DIR] [--json] [--fail-on WHAT]... [--code-page NAME] FOLDER|ROOT
  Die Tabelle, mit der lint endet, für FOLDER oder jeden Sprachordner unter ROOT: je Sprache und Datei
  die Einträge, übersetzten, zu prüfenden, nicht übersetzten, Fehler, Warnungen und offenen Wörter.
  Exit-Status wie bei lint.</translation>
    </message>
    <message>
        <source>expected one FOLDER, got %1</source>
        <translation>erwartet wird ein FOLDER, angegeben wurden %1</translation>
    </message>
    <message>
        <source>status prints its table as text or JSON</source>
        <translation>status gibt seine Tabelle als Text oder JSON aus</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 ist kein Ordner</translation>
    </message>
    <message>
        <source>%1 has no sibling folder named English; name the source with --source DIR</source>
        <translation>%1 hat keinen benachbarten Ordner namens English; nennen Sie die Quelle mit --source DIR</translation>
    </message>
    <message>
        <source>%1 has no folder named English; name the source with --source DIR</source>
        <translation>%1 hat keinen Ordner namens English; nennen Sie die Quelle mit --source DIR</translation>
    </message>
    <message>
        <source>--target-language names the language of one folder; lint it alone</source>
        <translation>--target-language nennt die Sprache eines Ordners; prüfen Sie ihn allein</translation>
    </message>
    <message>
        <source>%1: cannot tell the language from the folder&apos;s name, so its sentence ends are checked loosely; lint it alone with --target-language CODE</source>
        <translation>%1: die Sprache ist am Namen des Ordners nicht zu erkennen, seine Satzenden werden daher nur grob geprüft; prüfen Sie ihn allein mit --target-language CODE</translation>
    </message>
    <message>
        <source>tralyx-lrc lint: </source>
        <translation>tralyx-lrc lint: </translation>
    </message>
    <message>
        <source>cannot tell the language of %1 from its name; give --dictionary LANG</source>
        <translation>die Sprache von %1 ist an seinem Namen nicht zu erkennen; geben Sie --dictionary LANG an</translation>
    </message>
    <message>
        <source>usage: tralyx-lrc pseudo [--expand PERCENT] [--accents] [--brackets] [--force] [--code-page NAME] SOURCE DEST</source>
        <translation>Aufruf: tralyx-lrc pseudo [--expand PERCENT] [--accents] [--brackets] [--force] [--code-page NAME] SOURCE DEST</translation>
    </message>
    <message>
        <source>SOURCE and DEST are needed</source>
        <translation>SOURCE und DEST werden gebraucht</translation>
    </message>
    <message>
        <source>: the folder could not be created</source>
        <translation>: der Ordner konnte nicht angelegt werden</translation>
    </message>
    <message>
        <source>; not made</source>
        <translation>; nicht erzeugt</translation>
    </message>
    <message>
        <source> (give --force to replace it)</source>
        <translation> (--force ersetzt sie)</translation>
    </message>
    <message>
        <source>: holds none of core.lrc, messages.lrc and secondary.lrc</source>
        <translation>: enthält keine von core.lrc, messages.lrc und secondary.lrc</translation>
    </message>
    <message>
        <source>usage: tralyx-lrc tm export [--source DIR] [--memory PATH]... [--force] [--code-page NAME]
                            [--source-language CODE] [--target-language CODE] [FOLDER] OUT.tmx
       tralyx-lrc tm suggest --memory PATH [--memory PATH]... [--json] [--code-page NAME]
                             [--target-language CODE] TEXT...
  export writes the translated texts of FOLDER, each with its source text from DIR (default: the
  sibling folder named English), and those of every --memory, as TMX 1.4b; each source with its
  translation once. OUT is replaced only with --force.
  suggest prints up to 5 suggestions of the memory for each TEXT: exact matches first, then the
  others scored from 70 to 100.
  --memory PATH    a translated language folder (its source found as for FOLDER) or a .tmx file
  Exit status: 0 done, 1 a folder or file did not load or OUT was not written, 2 usage error.</source>
        <translation>Aufruf: tralyx-lrc tm export [--source DIR] [--memory PATH]... [--force] [--code-page NAME]
                             [--source-language CODE] [--target-language CODE] [FOLDER] OUT.tmx
        tralyx-lrc tm suggest --memory PATH [--memory PATH]... [--json] [--code-page NAME]
                              [--target-language CODE] TEXT...
  export schreibt die übersetzten Texte von FOLDER, jeden mit seinem Quelltext aus DIR (Vorgabe: der
  benachbarte Ordner namens English), und die jedes --memory als TMX 1.4b; jede Quelle mit ihrer
  Übersetzung einmal. OUT wird nur mit --force ersetzt.
  suggest gibt bis zu 5 Vorschläge des Speichers für jeden TEXT aus: zuerst genaue Treffer, dann die
  übrigen mit einer Bewertung von 70 bis 100.
  --memory PATH    ein übersetzter Sprachordner (seine Quelle wie bei FOLDER gefunden) oder eine .tmx-Datei
  Exit-Status: 0 erledigt, 1 ein Ordner oder eine Datei ließ sich nicht laden oder OUT wurde nicht geschrieben, 2 Aufruffehler.</translation>
    </message>
    <message>
        <source>give FOLDER and OUT.tmx (or --memory PATH and OUT.tmx)</source>
        <translation>geben Sie FOLDER und OUT.tmx an (oder --memory PATH und OUT.tmx)</translation>
    </message>
    <message>
        <source>OUT must end in .tmx</source>
        <translation>OUT muss auf .tmx enden</translation>
    </message>
    <message>
        <source>cannot tell the source language from the folders&apos; names; give --source-language</source>
        <translation>die Quellsprache ist an den Namen der Ordner nicht zu erkennen; geben Sie --source-language an</translation>
    </message>
    <message>
        <source>cannot tell the target language from the folders&apos; names; give --target-language</source>
        <translation>die Zielsprache ist an den Namen der Ordner nicht zu erkennen; geben Sie --target-language an</translation>
    </message>
    <message>
        <source>%1: written, %L2 translation units (%3 to %4)</source>
        <translation>%1: geschrieben, %L2 Übersetzungseinheiten (%3 nach %4)</translation>
    </message>
    <message>
        <source>give the memory with --memory PATH</source>
        <translation>geben Sie den Speicher mit --memory PATH an</translation>
    </message>
    <message>
        <source>give a TEXT to look up</source>
        <translation>geben Sie einen TEXT zum Nachschlagen an</translation>
    </message>
    <message>
        <source>  no suggestion
</source>
        <translation>  kein Vorschlag
</translation>
    </message>
    <message>
        <source>give export or suggest</source>
        <translation>geben Sie export oder suggest an</translation>
    </message>
    <message>
        <source>unknown action &apos;%1&apos; (export or suggest)</source>
        <translation>unbekannte Aktion &apos;%1&apos; (export oder suggest)</translation>
    </message>
    <message>
        <source>%1 would not be written: %2 is not a folder</source>
        <translation>%1 würde nicht geschrieben: %2 ist kein Ordner</translation>
    </message>
    <message>
        <source>%1 would be written to %2</source>
        <translation>%1 würde nach %2 geschrieben</translation>
    </message>
    <message>
        <source>%1 would not be written: %2 is a folder</source>
        <translation>%1 würde nicht geschrieben: %2 ist ein Ordner</translation>
    </message>
    <message>
        <source>%1 would not be written: %2 is not a regular file</source>
        <translation>%1 würde nicht geschrieben: %2 ist keine reguläre Datei</translation>
    </message>
    <message>
        <source>%1 would not be written: %2 already exists (--force overwrites it)</source>
        <translation>%1 würde nicht geschrieben: %2 ist bereits vorhanden (--force überschreibt es)</translation>
    </message>
    <message>
        <source>%1 would be overwritten: %2</source>
        <translation>%1 würde überschrieben: %2</translation>
    </message>
    <message>
        <source>fill from memory: not done</source>
        <translation>Füllen aus dem Speicher: nicht ausgeführt</translation>
    </message>
    <message>
        <source>filled from the memory: 1 text, each marked for review</source>
        <translation>aus dem Speicher gefüllt: 1 Text, zur Prüfung markiert</translation>
    </message>
    <message>
        <source>filled from the memory: %1 texts, each marked for review</source>
        <translation>aus dem Speicher gefüllt: %1 Texte, jeder zur Prüfung markiert</translation>
    </message>
    <message>
        <source>expected three folders (OLD NEW DEST), got %1</source>
        <translation>erwartet werden drei Ordner (OLD NEW DEST), angegeben wurden %1</translation>
    </message>
    <message>
        <source>an empty argument is not a folder name</source>
        <translation>ein leeres Argument ist kein Ordnername</translation>
    </message>
    <message>
        <source>tralyx-lrc update: %1 is not a folder; nothing was written</source>
        <translation>tralyx-lrc update: %1 ist kein Ordner; nichts wurde geschrieben</translation>
    </message>
    <message>
        <source>--fill-from-memory and --memory PATH go together</source>
        <translation>--fill-from-memory und --memory PATH gehören zusammen</translation>
    </message>
    <message>
        <source> (--force overwrites it)</source>
        <translation> (--force überschreibt sie)</translation>
    </message>
    <message>
        <source>fill from memory: not tried in a dry run</source>
        <translation>Füllen aus dem Speicher: im Probelauf nicht versucht</translation>
    </message>
    <message>
        <source>fill from memory: not done, the update did not write every file</source>
        <translation>Füllen aus dem Speicher: nicht ausgeführt, die Aktualisierung hat nicht jede Datei geschrieben</translation>
    </message>
    <message>
        <source>usage: tralyx-lrc write [--kind core|messages|secondary] [--code-page NAME] [--force] [--drop-unwritable] FILE &lt; JSON</source>
        <translation>Aufruf: tralyx-lrc write [--kind core|messages|secondary] [--code-page NAME] [--force] [--drop-unwritable] FILE &lt; JSON</translation>
    </message>
    <message>
        <source>tralyx-lrc write: cannot read the standard input</source>
        <translation>tralyx-lrc write: die Standardeingabe kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>tralyx-lrc write: the standard input is larger than %1 MiB, too large for a language file</source>
        <translation>tralyx-lrc write: die Standardeingabe ist größer als %1 MiB, zu groß für eine Sprachdatei</translation>
    </message>
    <message>
        <source>tralyx-lrc write: cannot read the standard input: </source>
        <translation>tralyx-lrc write: die Standardeingabe kann nicht gelesen werden: </translation>
    </message>
    <message>
        <source>tralyx-lrc write: standard input: </source>
        <translation>tralyx-lrc write: Standardeingabe: </translation>
    </message>
    <message>
        <source>%1: the JSON holds a %2 table, but the file is written as %3</source>
        <translation>%1: das JSON enthält eine Tabelle %2, die Datei wird aber als %3 geschrieben</translation>
    </message>
    <message>
        <source>%1: %2: core.lrc has no line for this text: &quot;%3&quot;%4</source>
        <translation>%1: %2: core.lrc hat keine Zeile für diesen Text: „%3“%4</translation>
    </message>
    <message>
        <source> (left out)</source>
        <translation> (weggelassen)</translation>
    </message>
    <message>
        <source>%1: not written: %2 text(s) would be lost (give --drop-unwritable to leave them out)</source>
        <translation>%1: nicht geschrieben: %2 Text(e) gingen verloren (--drop-unwritable lässt sie weg)</translation>
    </message>
    <message>
        <source>1 error</source>
        <translation>1 Fehler</translation>
    </message>
    <message>
        <source>%L1 errors</source>
        <translation>%L1 Fehler</translation>
    </message>
    <message>
        <source>1 warning</source>
        <translation>1 Warnung</translation>
    </message>
    <message>
        <source>%L1 warnings</source>
        <translation>%L1 Warnungen</translation>
    </message>
    <message>
        <source>1 info</source>
        <translation>1 Hinweis</translation>
    </message>
    <message>
        <source>%L1 infos</source>
        <translation>%L1 Hinweise</translation>
    </message>
    <message>
        <source>%1 against %2: %3, %4, %5; %L6 of %L7 entries translated</source>
        <translation>%1 gegen %2: %3, %4, %5; %L6 von %L7 Einträgen übersetzt</translation>
    </message>
    <message>
        <source>%1, %2; %L3 of %L4 entries translated</source>
        <translation>%1, %2; %L3 von %L4 Einträgen übersetzt</translation>
    </message>
    <message>
        <source>line %1, column %2</source>
        <translation>Zeile %1, Spalte %2</translation>
    </message>
    <message>
        <source>a number</source>
        <translation>eine Zahl</translation>
    </message>
    <message>
        <source>a string</source>
        <translation>eine Zeichenkette</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>%1: ok, %2 records</source>
        <translation>%1: ok, %2 Datensätze</translation>
    </message>
    <message>
        <source>%1: written %2</source>
        <translation>%1: %2 geschrieben</translation>
    </message>
    <message>
        <source>  %1 %2 %3
      from %4 (%5)
</source>
        <translation>  %1 %2 %3
      aus %4 (%5)
</translation>
    </message>
    <message>
        <source>usage: tralyx-lrc lint [--source DIR] [--format text|json|github|junit] [--fail-on WHAT]... [--infos]
                       [--target-language CODE] [--code-page NAME] [--spell [--dictionary LANG]] FOLDER|ROOT
  Checks core.lrc, messages.lrc and secondary.lrc of the translated FOLDER against those of the
  source folder: the sibling folder named English unless --source names another. ROOT, a folder
  of language folders, checks each of them against ROOT&apos;s English (or --source), on every core,
  and ends with a table per language and file. The end of each text is checked as the folder&apos;s
  language (told by its name, or --target-language) ends a sentence: Greek &quot;;&quot; for &quot;?&quot;.
  --format text     FILE:LINE: severity: entry: rule: message (the default)
  --format json     {&quot;source&quot;, &quot;folder&quot;, &quot;entries&quot;, &quot;translated&quot;, &quot;files&quot;, &quot;problems&quot;, &quot;state&quot;}
                    (--json says the same); for ROOT {&quot;root&quot;, &quot;languages&quot;: [...]}
  --format github   GitHub Actions annotations (::error file=...,line=...,col=...::...)
  --format junit    JUnit XML: a test suite per language, a test case per file
  --fail-on WHAT    besides an error, what makes the exit status 1: warning, review,
                    untranslated, missing (repeatable; error always counts)
  --infos           also print the infos (they are always counted)
  --spell           also name each misspelt word of the translations (rule spelling, info), with the
                    dictionary of FOLDER&apos;s language (German: de_DE) or --dictionary LANG (implies --spell)
  --glossary FILE   also warn where a term of the glossary (TBX, or CSV with a header such as en,de)
                    is in the source but none of its translations in the translation (rule glossary);
                    only in the folders of the glossary&apos;s language
  Where the source folder has a layout.json (joined from a harvest of the application&apos;s forms), each
  translated caption is measured in its control&apos;s font and warned of where it does not fit (rule fits).
  Exit status: 0 nothing that fails, 1 an error (a file that failed to load, a missing file, an
  empty folder) or what --fail-on names, 2 usage error.</source>
        <translation>Aufruf: tralyx-lrc lint [--source DIR] [--format text|json|github|junit] [--fail-on WHAT]... [--infos]
                        [--target-language CODE] [--code-page NAME] [--spell [--dictionary LANG]] FOLDER|ROOT
  Prüft core.lrc, messages.lrc und secondary.lrc des übersetzten FOLDER gegen die des Quellordners:
  des benachbarten Ordners namens English, wenn --source keinen anderen nennt. ROOT, ein Ordner von
  Sprachordnern, prüft jeden davon gegen das English von ROOT (oder --source), auf allen Kernen,
  und endet mit einer Tabelle je Sprache und Datei. Das Ende jedes Textes wird so geprüft, wie die
  Sprache des Ordners (nach seinem Namen oder --target-language) einen Satz beendet: Griechisch &quot;;&quot; für &quot;?&quot;.
  --format text     FILE:LINE: severity: entry: rule: message (die Vorgabe; severity und rule bleiben englisch)
  --format json     {&quot;source&quot;, &quot;folder&quot;, &quot;entries&quot;, &quot;translated&quot;, &quot;files&quot;, &quot;problems&quot;, &quot;state&quot;}
                    (--json ist dasselbe); für ROOT {&quot;root&quot;, &quot;languages&quot;: [...]}
  --format github   Annotationen für GitHub Actions (::error file=...,line=...,col=...::...)
  --format junit    JUnit-XML: eine Testsuite je Sprache, ein Testfall je Datei
  --fail-on WHAT    was außer einem Fehler den Exit-Status 1 ergibt: warning, review,
                    untranslated, missing (wiederholbar; error zählt immer)
  --infos           auch die Hinweise ausgeben (gezählt werden sie immer)
  --spell           auch jedes falsch geschriebene Wort der Übersetzungen nennen (Regel spelling, info), mit dem
                    Wörterbuch der Sprache von FOLDER (German: de_DE) oder --dictionary LANG (schließt --spell ein)
  --glossary FILE   auch warnen, wo ein Begriff des Glossars (TBX, oder CSV mit einer Kopfzeile wie en,de)
                    in der Quelle steht, aber keine seiner Übersetzungen in der Übersetzung (Regel glossary);
                    nur in den Ordnern der Sprache des Glossars
  Hat der Quellordner eine layout.json (aus den gesammelten Formularen der Anwendung zusammengefügt),
  wird jede übersetzte Beschriftung in der Schrift ihres Steuerelements gemessen (Regel fits).
  Exit-Status: 0 nichts, was fehlschlägt, 1 ein Fehler (eine Datei, die sich nicht laden ließ, eine fehlende
  Datei, ein leerer Ordner) oder was --fail-on nennt, 2 Aufruffehler.</translation>
    </message>
    <message>
        <source>tralyx-lrc lint: %1; captions are not measured (rule fits)</source>
        <translation>tralyx-lrc lint: %1; Beschriftungen werden nicht gemessen (Regel fits)</translation>
    </message>
    <message>
        <source>%1: warning: no layout written, %2</source>
        <translation>%1: Warnung: kein Layout geschrieben, %2</translation>
    </message>
    <message>
        <source>%1: warning: layouts place %2 of its controls, which have no size in the file (%3); harvest the running application to check them</source>
        <translation>%1: Warnung: %2 seiner Steuerelemente werden von Layouts platziert und haben in der Datei keine Größe (%3); sammeln Sie sie aus der laufenden Anwendung, um sie zu prüfen</translation>
    </message>
    <message>
        <source>%1: written %2 and %3</source>
        <translation>%1: %2 und %3 geschrieben</translation>
    </message>
    <message>
        <source>usage: tralyx-lrc update OLD NEW DEST [--old-source DIR] [--fill-from-memory --memory PATH...] [--force]
                         [--dry-run] [--json] [--discard-state] [--code-page NAME]
  Merges core.lrc, messages.lrc and secondary.lrc of the old (translated) folder OLD with those
  of the new release&apos;s folder NEW into DEST (made when it does not exist): entries the old files
  already had keep their text.
  --old-source DIR the source folder OLD was translated from: a text whose source changed is kept
                   for review, texts follow their source to a new number, renamed controls keep
                   their translation; the state goes to DEST/translation-state.json
  --fill-from-memory  then put the memory&apos;s exact match into every untranslated text of DEST, each
                   marked for review in DEST/translation-state.json (not in a dry run)
  --memory PATH    a translated language folder (its source the sibling English folder) or a .tmx
                   file of the memory; repeatable
  --force          overwrite files that already exist in DEST (otherwise they are left alone)
  --dry-run        write nothing; report what would happen
  --json           print the reports as JSON, with every entry taken new and every one dropped
  --discard-state  go on when OLD&apos;s or DEST&apos;s translation-state.json cannot be read (its marks
                   and notes are lost); without it nothing is written
  --code-page NAME the code page of the files (default windows-1252)
  OLD may be a root, a folder of language folders: each of them but its English is updated into
  DEST/&lt;its name&gt;, against that English as the old source (or --old-source), on every core.
  Exit status: 0 all three files written, 1 a file was skipped or failed, 2 usage error.</source>
        <translation>Aufruf: tralyx-lrc update OLD NEW DEST [--old-source DIR] [--fill-from-memory --memory PATH...] [--force]
                          [--dry-run] [--json] [--discard-state] [--code-page NAME]
  Führt core.lrc, messages.lrc und secondary.lrc des alten (übersetzten) Ordners OLD mit denen des
  Ordners NEW der neuen Version in DEST zusammen (angelegt, wenn er nicht vorhanden ist): Einträge,
  die die alten Dateien schon hatten, behalten ihren Text.
  --old-source DIR der Quellordner, aus dem OLD übersetzt wurde: ein Text, dessen Quelle sich geändert hat,
                   bleibt zur Prüfung erhalten, Texte folgen ihrer Quelle zu einer neuen Nummer, umbenannte
                   Steuerelemente behalten ihre Übersetzung; der Bearbeitungsstand kommt in DEST/translation-state.json
  --fill-from-memory  danach den genauen Treffer des Speichers in jeden nicht übersetzten Text von DEST setzen,
                   jeden in DEST/translation-state.json zur Prüfung markiert (nicht im Probelauf)
  --memory PATH    ein übersetzter Sprachordner (seine Quelle der benachbarte Ordner English) oder eine
                   .tmx-Datei des Speichers; wiederholbar
  --force          Dateien überschreiben, die in DEST schon vorhanden sind (sonst bleiben sie unverändert)
  --dry-run        nichts schreiben; melden, was geschehen würde
  --json           die Berichte als JSON ausgeben, mit jedem neu aufgenommenen und jedem entfallenen Eintrag
  --discard-state  fortfahren, wenn die translation-state.json von OLD oder DEST nicht lesbar ist (ihre
                   Markierungen und Notizen gehen verloren); ohne diese Option wird nichts geschrieben
  --code-page NAME die Codepage der Dateien (Vorgabe windows-1252)
  OLD darf ein Wurzelordner sein, ein Ordner von Sprachordnern: jeder von ihnen außer seinem English
  wird nach DEST/&lt;sein Name&gt; aktualisiert, mit diesem English als alter Quelle (oder --old-source), auf allen Kernen.
  Exit-Status: 0 alle drei Dateien geschrieben, 1 eine Datei wurde übersprungen oder schlug fehl, 2 Aufruffehler.</translation>
    </message>
    <message>
        <source>--fill-from-memory fills one language; update its folder alone</source>
        <translation>--fill-from-memory füllt eine Sprache; aktualisieren Sie ihren Ordner allein</translation>
    </message>
    <message>
        <source>%1 has no folder named English; name the old source with --old-source DIR</source>
        <translation>%1 hat keinen Ordner namens English; nennen Sie die alte Quelle mit --old-source DIR</translation>
    </message>
    <message>
        <source>%1 into %2:</source>
        <translation>%1 nach %2:</translation>
    </message>
</context>
<context>
    <name>udtFileIssue</name>
    <message>
        <source>line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
</context>
<context>
    <name>udtFileRead</name>
    <message>
        <source>and %1 more lines were skipped</source>
        <translation>und %1 weitere Zeilen wurden übersprungen</translation>
    </message>
    <message>
        <source>%1: %2 cannot write the characters &apos;%3&apos;</source>
        <translation>%1: %2 kann die Zeichen &apos;%3&apos; nicht schreiben</translation>
    </message>
    <message>
        <source>not enough memory</source>
        <translation>nicht genug Arbeitsspeicher</translation>
    </message>
    <message>
        <source>the table has %L1 records; a file can hold at most %L2</source>
        <translation>die Tabelle hat %L1 Datensätze; eine Datei kann höchstens %L2 aufnehmen</translation>
    </message>
    <message>
        <source>the file has more than %1 messages, the most it can hold</source>
        <translation>die Datei hat mehr als %1 Meldungen; mehr kann sie nicht aufnehmen</translation>
    </message>
    <message>
        <source>the table has %1 messages; a file can number at most %2</source>
        <translation>die Tabelle hat %1 Meldungen; eine Datei kann höchstens %2 nummerieren</translation>
    </message>
    <message>
        <source>the file has more than %L1 entries, the most a table can hold</source>
        <translation>die Datei hat mehr als %L1 Einträge; mehr kann eine Tabelle nicht aufnehmen</translation>
    </message>
    <message>
        <source>the table has %L1 entries; a file can hold at most %L2</source>
        <translation>die Tabelle hat %L1 Einträge; eine Datei kann höchstens %L2 aufnehmen</translation>
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
