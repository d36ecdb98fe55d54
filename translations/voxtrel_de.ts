<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en">
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Displays version information.</source>
        <translation>Zeigt die Versionsinformation an.</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Zeigt die Hilfe zu den Kommandozeilenoptionen an.</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>Zeigt die Hilfe einschließlich der Qt-spezifischen Optionen an.</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Unbekannte Option „%1“.</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>Unbekannte Optionen: %1.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>Fehlender Wert nach „%1“.</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>Unerwarteter Wert nach „%1“.</translation>
    </message>
    <message>
        <source>[options]</source>
        <translation>[Optionen]</translation>
    </message>
    <message>
        <source>Usage: %1</source>
        <translation>Aufruf: %1</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Optionen:</translation>
    </message>
    <message>
        <source>Arguments:</source>
        <translation>Argumente:</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
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
        <source>Discard</source>
        <translation>Verwerfen</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Ja</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nein</translation>
    </message>
</context>
<context>
    <name>voxtrel::AboutMenu</name>
    <message>
        <source>&amp;Copyright</source>
        <translation>&amp;Urheberrecht</translation>
    </message>
    <message>
        <source>No web browser could be opened for this page:
%1</source>
        <translation>Für diese Seite konnte kein Webbrowser geöffnet werden:
%1</translation>
    </message>
</context>
<context>
    <name>voxtrel::ApplyCommand</name>
    <message>
        <source>Apply one list to several name files.</source>
        <translation>Eine Liste auf mehrere Namensdateien anwenden.</translation>
    </message>
    <message>
        <source>Applies the list or patch LIST to every FILE, such as all ten language versions, each in its own code page. Every file is opened and checked first (readable, a name file, the list, its conflicts, the code page, writable, not the same file twice); only when all pass is any written, each by the journalled save, else nothing is written and every refusal is named. Should a save fail after the checks passed, each file is as it was or fully written, and the last line says which were written and which were not. Exits 0 only when every file was saved or had nothing to change.</source>
        <translation>Wendet die Liste oder den Patch LIST auf jede FILE an, etwa auf alle zehn Sprachversionen, jede in ihrer eigenen Codepage. Jede Datei wird zuerst geöffnet und geprüft (lesbar, eine Namensdatei, die Liste, ihre Konflikte, die Codepage, beschreibbar, nicht zweimal dieselbe Datei); nur wenn alle bestehen, wird geschrieben, jede mit dem protokollierten Speichern, sonst wird nichts geschrieben und jede Ablehnung genannt. Schlägt ein Speichern nach bestandenen Prüfungen fehl, ist jede Datei wie zuvor oder ganz geschrieben, und die letzte Zeile sagt, welche geschrieben wurden und welche nicht. Endet nur mit 0, wenn jede Datei gespeichert wurde oder nichts zu ändern hatte.</translation>
    </message>
    <message>
        <source>The list or patch, a workbook or CSV as import takes it; - reads standard input.</source>
        <translation>Die Liste oder der Patch, eine Arbeitsmappe oder CSV wie bei import; - liest die Standardeingabe.</translation>
    </message>
    <message>
        <source>The compressed name files.</source>
        <translation>Die komprimierten Namensdateien.</translation>
    </message>
    <message>
        <source>a list and one name file or more</source>
        <translation>eine Liste und eine oder mehrere Namensdateien</translation>
    </message>
    <message>
        <source>Print, for each file, its code page, the names that would change, the conflicts and the characters replaced, and write nothing.</source>
        <translation>Für jede Datei ihre Codepage, die Namen, die sich ändern würden, die Konflikte und die ersetzten Zeichen ausgeben, und nichts schreiben.</translation>
    </message>
    <message>
        <source>each FILE without --encoding-of or a remembered one</source>
        <translation>jede FILE ohne --encoding-of oder eine gemerkte</translation>
    </message>
    <message>
        <source>%1 (%2): %3 would change, %4, %5 with characters replaced</source>
        <translation>%1 (%2): %3 würden sich ändern, %4, %5 mit ersetzten Zeichen</translation>
    </message>
    <message numerus="yes">
        <source>%n conflict</source>
        <translation>
            <numerusform>%n Konflikt</numerusform>
            <numerusform>%n Konflikte</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n conflicts</source>
        <translation>
            <numerusform>%n Konflikt</numerusform>
            <numerusform>%n Konflikte</numerusform>
        </translation>
    </message>
    <message>
        <source>; refused.</source>
        <translation>; abgelehnt.</translation>
    </message>
    <message>
        <source>Nothing was written.</source>
        <translation>Es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>Dry run: nothing was written.</source>
        <translation>Probelauf: Es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>%1 (%2): no name changes; not written.</source>
        <translation>%1 (%2): keine Namensänderungen; nicht geschrieben.</translation>
    </message>
    <message>
        <source>%1 (%2): %3 changed; saved.</source>
        <translation>%1 (%2): %3 geändert; gespeichert.</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>Written: %1. Not written: %2.</source>
        <translation>Geschrieben: %1. Nicht geschrieben: %2.</translation>
    </message>
</context>
<context>
    <name>voxtrel::ApplyToFiles</name>
    <message>
        <source>&amp;Apply to other files...</source>
        <translation>&amp;Auf andere Dateien anwenden...</translation>
    </message>
    <message>
        <source>Apply the current differences, or a patch file?</source>
        <translation>Die aktuellen Unterschiede anwenden oder eine Patch-Datei?</translation>
    </message>
    <message>
        <source>&amp;Differences: turns %1 into %2</source>
        <translation>&amp;Unterschiede: macht %1 zu %2</translation>
    </message>
    <message>
        <source>Differences: t&amp;urns %1 into %2</source>
        <translation>Unterschiede: &amp;macht %1 zu %2</translation>
    </message>
    <message>
        <source>A &amp;patch file...</source>
        <translation>Eine &amp;Patch-Datei...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>the differences that turn %1 into %2</source>
        <translation>die Unterschiede, die %1 zu %2 machen</translation>
    </message>
    <message>
        <source>Apply a patch</source>
        <translation>Einen Patch anwenden</translation>
    </message>
    <message>
        <source>Apply to name files</source>
        <translation>Auf Namensdateien anwenden</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Code page</source>
        <translation>Codepage</translation>
    </message>
    <message>
        <source>Names changed</source>
        <translation>Geänderte Namen</translation>
    </message>
    <message>
        <source>Conflicts</source>
        <translation>Konflikte</translation>
    </message>
    <message>
        <source>Replaced</source>
        <translation>Ersetzt</translation>
    </message>
    <message>
        <source>Read-only</source>
        <translation>Schreibgeschützt</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Prüfung</translation>
    </message>
    <message>
        <source>&amp;Replace characters a code page cannot hold</source>
        <translation>&amp;Zeichen ersetzen, die eine Codepage nicht fassen kann</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>&amp;Anwenden</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Bereit</translation>
    </message>
    <message>
        <source> Its names look like %1.</source>
        <translation> Ihre Namen sehen nach %1 aus.</translation>
    </message>
    <message>
        <source>Applying %1 to %2 files: %3 of them pass. Apply writes them all, or none while any fails its check.</source>
        <translation>%1 wird auf %2 Dateien angewendet: %3 davon bestehen. Anwenden schreibt alle oder keine, solange eine ihre Prüfung nicht besteht.</translation>
    </message>
    <message>
        <source>No name changes; not written.</source>
        <translation>Keine Namensänderungen; nicht geschrieben.</translation>
    </message>
    <message>
        <source>Saved.</source>
        <translation>Gespeichert.</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>Written: %1.</source>
        <translation>Geschrieben: %1.</translation>
    </message>
    <message>
        <source>Written: %1. Not written: %2.</source>
        <translation>Geschrieben: %1. Nicht geschrieben: %2.</translation>
    </message>
</context>
<context>
    <name>voxtrel::Baza</name>
    <message>
        <source>No name file has been loaded.</source>
        <translation>Es ist keine Namensdatei geladen.</translation>
    </message>
    <message>
        <source>No file to save to.</source>
        <translation>Keine Datei zum Speichern.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; does not exist.</source>
        <translation>Die Datei „%1“ existiert nicht.</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;: %2</source>
        <translation>„%1“ kann nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>Cannot read &quot;%1&quot;: %2</source>
        <translation>„%1“ kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; cannot be written.</source>
        <translation>Die Datei „%1“ kann nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;: %2</source>
        <translation>„%1“ kann nicht geschrieben werden: %2</translation>
    </message>
</context>
<context>
    <name>voxtrel::BoundedXml</name>
    <message>
        <source>a tag holds more than %1 attributes, which a workbook never needs</source>
        <translation>ein Tag hat mehr als %1 Attribute, die eine Arbeitsmappe nie braucht</translation>
    </message>
    <message>
        <source>its XML declares entities, which a workbook never needs</source>
        <translation>sein XML deklariert Entitäten, die eine Arbeitsmappe nie braucht</translation>
    </message>
    <message>
        <source>its elements nest more than %1 deep</source>
        <translation>seine Elemente sind tiefer als %1 verschachtelt</translation>
    </message>
    <message>
        <source>it holds more text than a list of names could</source>
        <translation>es enthält mehr Text, als eine Namensliste haben könnte</translation>
    </message>
    <message>
        <source>its XML is broken: %1</source>
        <translation>sein XML ist defekt: %1</translation>
    </message>
</context>
<context>
    <name>voxtrel::ChangePreviewDialog</name>
    <message numerus="yes">
        <source>The list renames %n name. Nothing changes until you apply it.</source>
        <translation>
            <numerusform>Die Liste benennt %n Namen um. Nichts ändert sich, bevor Sie sie anwenden.</numerusform>
            <numerusform>Die Liste benennt %n Namen um. Nichts ändert sich, bevor Sie sie anwenden.</numerusform>
        </translation>
    </message>
    <message>
        <source>Index</source>
        <translation>Index</translation>
    </message>
    <message>
        <source>Current name</source>
        <translation>Aktueller Name</translation>
    </message>
    <message>
        <source>New name</source>
        <translation>Neuer Name</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>&amp;Anwenden</translation>
    </message>
    <message>
        <source>Looks like %1 a spreadsheet made of &quot;%2&quot;</source>
        <translation>Sieht aus wie %1, das eine Tabellenkalkulation aus „%2“ gemacht hat</translation>
    </message>
    <message>
        <source>&amp;Replace characters the code page cannot hold</source>
        <translation>&amp;Zeichen ersetzen, die die Codepage nicht fassen kann</translation>
    </message>
    <message>
        <source>The &amp;marked names look converted by a spreadsheet (&quot;0123&quot; as &quot;123&quot;); apply them all the same</source>
        <translation>Die &amp;markierten Namen sehen von einer Tabellenkalkulation umgewandelt aus („0123“ als „123“); trotzdem alle anwenden</translation>
    </message>
</context>
<context>
    <name>voxtrel::CodePage</name>
    <message>
        <source>Central European</source>
        <translation>Mitteleuropäisch</translation>
    </message>
    <message>
        <source>Cyrillic</source>
        <translation>Kyrillisch</translation>
    </message>
    <message>
        <source>Western</source>
        <translation>Westlich</translation>
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
        <source>Baltic</source>
        <translation>Baltisch</translation>
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
        <source>Vietnamese</source>
        <translation>Vietnamesisch</translation>
    </message>
    <message>
        <source>Thai</source>
        <translation>Thailändisch</translation>
    </message>
</context>
<context>
    <name>voxtrel::Command</name>
    <message>
        <source>The command.</source>
        <translation>Der Befehl.</translation>
    </message>
    <message>
        <source>%1: --encoding-of takes FILE=ENCODING, FILE one of the files given (or its bare name) and ENCODING one of %2; not &quot;%3&quot;.</source>
        <translation>%1: --encoding-of erwartet FILE=ENCODING, FILE eine der angegebenen Dateien (oder ihr bloßer Name) und ENCODING eine von %2; nicht „%3“.</translation>
    </message>
    <message>
        <source>
--force applies them all the same.</source>
        <translation>
--force wendet sie trotzdem an.</translation>
    </message>
    <message>
        <source>Warning: %1: its names read as %2 look unlikely; it is more likely %3 (--encoding-of %4=%3).</source>
        <translation>Warnung: %1: Ihre Namen, als %2 gelesen, wirken unwahrscheinlich; wahrscheinlicher ist %3 (--encoding-of %4=%3).</translation>
    </message>
    <message numerus="yes">
        <source>%n name</source>
        <translation>
            <numerusform>%n Name</numerusform>
            <numerusform>%n Namen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n names</source>
        <translation>
            <numerusform>%n Name</numerusform>
            <numerusform>%n Namen</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: --format takes xlsx or csv, not &quot;%2&quot;.</source>
        <translation>%1: --format erwartet xlsx oder csv, nicht „%2“.</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; has an extension this program does not write. The formats are .csv, .xlsx and - (CSV on standard output); --format csv or --format xlsx writes that format whatever the name.</source>
        <translation>%1: „%2“ hat eine Endung, die dieses Programm nicht schreibt. Die Formate sind .csv, .xlsx und - (CSV auf der Standardausgabe); --format csv oder --format xlsx schreibt dieses Format unabhängig vom Namen.</translation>
    </message>
    <message>
        <source>Write the %1 to OUT instead of standard output (-): OUT.xlsx a workbook, OUT.csv (or a name without an extension) CSV; any other extension is refused unless --format says which to write. A FIFO or a device is written as a stream; a name file read is refused.</source>
        <translation>Die %1 nach OUT statt auf die Standardausgabe (-) schreiben: OUT.xlsx eine Arbeitsmappe, OUT.csv (oder ein Name ohne Endung) CSV; jede andere Endung wird abgelehnt, außer --format sagt, was geschrieben wird. Ein FIFO oder ein Gerät wird als Datenstrom geschrieben; eine gelesene Namensdatei wird abgelehnt.</translation>
    </message>
    <message>
        <source>xlsx or csv; without it, chosen by OUT&apos;s extension (CSV for standard output).</source>
        <translation>xlsx oder csv; ohne die Option nach der Endung von OUT gewählt (CSV für die Standardausgabe).</translation>
    </message>
    <message>
        <source>Apply a patch&apos;s rows whose name is not what its &quot;was&quot; column says (a conflict), and rows whose new name looks like what a spreadsheet made of the name (&quot;0123&quot; as &quot;123&quot;), all the same. It does not write over a file that changed while it was being read.</source>
        <translation>Zeilen eines Patches, deren Name nicht dem entspricht, was seine Spalte „was“ sagt (ein Konflikt), und Zeilen, deren neuer Name so aussieht, wie eine Tabellenkalkulation den Namen umgewandelt hätte („0123“ als „123“), trotzdem anwenden. Eine Datei, die sich beim Lesen geändert hat, wird nicht überschrieben.</translation>
    </message>
    <message>
        <source>Replace each character the code page cannot hold by its Latin letters (a Polish L with a stroke by L, a Cyrillic letter by its transliteration), listing every replacement, instead of refusing the list.</source>
        <translation>Jedes Zeichen, das die Codepage nicht fassen kann, durch seine lateinischen Buchstaben ersetzen (ein polnisches L mit Strich durch L, einen kyrillischen Buchstaben durch seine Transliteration) und jede Ersetzung auflisten, statt die Liste abzulehnen.</translation>
    </message>
    <message>
        <source>The code page of one FILE (as given, or its bare name); may be given again for each. A FILE without one takes the code page the editor last used for its name, then --encoding.</source>
        <translation>Die Codepage einer FILE (wie angegeben oder ihr bloßer Name); kann für jede erneut angegeben werden. Eine FILE ohne sie nimmt die Codepage, die der Editor zuletzt für ihren Namen benutzt hat, dann --encoding.</translation>
    </message>
    <message>
        <source>The code page of the names in %1, for the language version: %2. The default is windows-1252.</source>
        <translation>Die Codepage der Namen in %1, je nach Sprachversion: %2. Vorgabe ist windows-1252.</translation>
    </message>
    <message>
        <source>Run &quot;%1 %2 --help&quot; for its usage.</source>
        <translation>„%1 %2 --help“ zeigt die Verwendung.</translation>
    </message>
    <message>
        <source>%1: %2 needs %3: %4</source>
        <translation>%1: %2 braucht %3: %4</translation>
    </message>
    <message>
        <source>%1: %2 takes only %3: %4</source>
        <translation>%1: %2 nimmt nur %3: %4</translation>
    </message>
    <message>
        <source>%1: unknown encoding &quot;%2&quot;. Supported: %3</source>
        <translation>%1: unbekannte Kodierung „%2“. Unterstützt: %3</translation>
    </message>
</context>
<context>
    <name>voxtrel::CompareMarks</name>
    <message>
        <source>&amp;Compare with file...</source>
        <translation>Mit Datei &amp;vergleichen...</translation>
    </message>
    <message>
        <source>Export &amp;differences...</source>
        <translation>Unterschiede e&amp;xportieren...</translation>
    </message>
    <message>
        <source>Next &amp;difference</source>
        <translation>Nächster &amp;Unterschied</translation>
    </message>
    <message>
        <source>Previous difference</source>
        <translation>Vorheriger Unterschied</translation>
    </message>
    <message>
        <source>Compare with file</source>
        <translation>Mit Datei vergleichen</translation>
    </message>
    <message numerus="yes">
        <source>%n name differs from %1 (F7: next, Shift+F7: previous)%2</source>
        <translation>
            <numerusform>%n Name weicht von %1 ab (F7: nächster, Umschalt+F7: vorheriger)%2</numerusform>
            <numerusform>%n Namen weichen von %1 ab (F7: nächster, Umschalt+F7: vorheriger)%2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n names differ from %1 (F7: next, Shift+F7: previous)%2</source>
        <translation>
            <numerusform>%n Name weicht von %1 ab (F7: nächster, Umschalt+F7: vorheriger)%2</numerusform>
            <numerusform>%n Namen weichen von %1 ab (F7: nächster, Umschalt+F7: vorheriger)%2</numerusform>
        </translation>
    </message>
    <message>
        <source> · record %1 there: &quot;%2&quot;</source>
        <translation> · dort Eintrag %1: „%2“</translation>
    </message>
    <message>
        <source>Compare with a file first (Menu &gt; Compare with file...).</source>
        <translation>Zuerst mit einer Datei vergleichen (Menü &gt; Mit Datei vergleichen...).</translation>
    </message>
    <message>
        <source>Export a patch that turns %1 into %2 (it applies the renames of the open file), or one that turns %2 into %1?</source>
        <translation>Einen Patch exportieren, der %1 zu %2 macht (er wendet die Umbenennungen der offenen Datei an), oder einen, der %2 zu %1 macht?</translation>
    </message>
    <message>
        <source>&amp;Turns %1 into %2</source>
        <translation>&amp;Macht %1 zu %2</translation>
    </message>
    <message>
        <source>Turns %1 &amp;into %2</source>
        <translation>Macht %1 &amp;zu %2</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Export differences</source>
        <translation>Unterschiede exportieren</translation>
    </message>
    <message>
        <source>%1 differences exported to &quot;%2&quot;.</source>
        <translation>%1 Unterschiede nach „%2“ exportiert.</translation>
    </message>
    <message>
        <source>The differences were not exported:
%1</source>
        <translation>Die Unterschiede wurden nicht exportiert:
%1</translation>
    </message>
</context>
<context>
    <name>voxtrel::DiffCommand</name>
    <message>
        <source>Write the names that differ as a patch.</source>
        <translation>Die abweichenden Namen als Patch schreiben.</translation>
    </message>
    <message>
        <source>Compares the name files OLD and NEW and writes one row per record whose name differs: its index, NEW&apos;s name and OLD&apos;s (column &quot;was&quot;), in index order. Apply the patch to other files with import or apply: a row changes a name only where it is still OLD&apos;s; a name that was empty in OLD has an empty &quot;was&quot;, which guards an empty name. Says on standard error how many differ.</source>
        <translation>Vergleicht die Namensdateien OLD und NEW und schreibt eine Zeile je Eintrag, dessen Name abweicht: seinen Index, den Namen aus NEW und den aus OLD (Spalte „was“), nach Index geordnet. Wenden Sie den Patch mit import oder apply auf andere Dateien an: Eine Zeile ändert einen Namen nur, wo er noch der aus OLD ist; ein in OLD leerer Name hat ein leeres „was“, das einen leeren Namen schützt. Nennt auf der Standardfehlerausgabe, wie viele abweichen.</translation>
    </message>
    <message>
        <source>The name file as it was, such as the game&apos;s own.</source>
        <translation>Die Namensdatei, wie sie war, etwa die des Spiels.</translation>
    </message>
    <message>
        <source>The name file with the renames.</source>
        <translation>Die Namensdatei mit den Umbenennungen.</translation>
    </message>
    <message>
        <source>two name files, the old and the new</source>
        <translation>zwei Namensdateien, die alte und die neue</translation>
    </message>
    <message>
        <source>OLD and NEW</source>
        <translation>OLD und NEW</translation>
    </message>
</context>
<context>
    <name>voxtrel::DocumentController</name>
    <message>
        <source>&amp;Open</source>
        <translation>Ö&amp;ffnen</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Speichern &amp;unter...</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Otwórz plik buttów</source>
        <translation>Namensdatei öffnen</translation>
    </message>
    <message>
        <source>unnamed_1846.bin (*.bin)|*.bin| Wszystkie pliki (*.*)|*.*</source>
        <translation>unnamed_1846.bin (*.bin)|*.bin| Alle Dateien (*.*)|*.*</translation>
    </message>
    <message>
        <source>A file wasn&apos;t chosen  !!</source>
        <translation>Keine Datei gewählt  !!</translation>
    </message>
    <message>
        <source>Mistake of loading the file </source>
        <translation>Fehler beim Laden der Datei </translation>
    </message>
    <message>
        <source>A Mistake Appeared </source>
        <translation>Ein Fehler ist aufgetreten </translation>
    </message>
    <message>
        <source> [read-only]</source>
        <translation> [schreibgeschützt]</translation>
    </message>
    <message>
        <source>Names shown in %1 (%2).</source>
        <translation>Namen in %1 (%2) angezeigt.</translation>
    </message>
    <message>
        <source>The names in %1 have changed. Save the changes?</source>
        <translation>Die Namen in %1 wurden geändert. Änderungen speichern?</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>Datei speichern</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Speichern unter</translation>
    </message>
</context>
<context>
    <name>voxtrel::EditorMain</name>
    <message>
        <source>Qt: the widget style, such as Fusion (also -style=STYLE).</source>
        <translation>Qt: der Widget-Stil, etwa Fusion (auch -style=STYLE).</translation>
    </message>
    <message>
        <source>Qt: a style sheet file for the window, such as one of high contrast.</source>
        <translation>Qt: eine Stylesheet-Datei für das Fenster, etwa eine mit hohem Kontrast.</translation>
    </message>
    <message>
        <source>Qt: the platform plugin, such as xcb, wayland or offscreen.</source>
        <translation>Qt: das Plattform-Plugin, etwa xcb, wayland oder offscreen.</translation>
    </message>
    <message>
        <source>Qt: lay the window out right to left.</source>
        <translation>Qt: das Fenster von rechts nach links anordnen.</translation>
    </message>
    <message>
        <source>Edits the names of a game&apos;s compressed name file.</source>
        <translation>Bearbeitet die Namen der komprimierten Namensdatei eines Spiels.</translation>
    </message>
    <message>
        <source>A compressed name file to open, such as unnamed_1846.bin; a relative path is taken from the current folder.</source>
        <translation>Eine komprimierte Namensdatei zum Öffnen, etwa unnamed_1846.bin; ein relativer Pfad gilt ab dem aktuellen Ordner.</translation>
    </message>
    <message>
        <source>Forget what the editor remembers: the window&apos;s place, the last folder, the code page of each file name.</source>
        <translation>Vergessen, was sich der Editor merkt: die Fensterposition, den letzten Ordner, die Codepage jedes Dateinamens.</translation>
    </message>
</context>
<context>
    <name>voxtrel::ExportCommand</name>
    <message>
        <source>Write FILE&apos;s names as a list.</source>
        <translation>Die Namen von FILE als Liste schreiben.</translation>
    </message>
    <message>
        <source>Writes the names of the compressed name file FILE as a list: a header row &quot;index,name&quot;, then one row per name. OUT.xlsx is a workbook for spreadsheets, its names in a column formatted as Text; anything else is CSV (UTF-8), for scripts, diffs and version control.</source>
        <translation>Schreibt die Namen der komprimierten Namensdatei FILE als Liste: eine Kopfzeile „index,name“, dann eine Zeile je Name. OUT.xlsx ist eine Arbeitsmappe für Tabellenkalkulationen, ihre Namen in einer als Text formatierten Spalte; alles andere ist CSV (UTF-8), für Skripte, Diffs und Versionsverwaltung.</translation>
    </message>
    <message>
        <source>The compressed name file.</source>
        <translation>Die komprimierte Namensdatei.</translation>
    </message>
    <message>
        <source>a name file</source>
        <translation>eine Namensdatei</translation>
    </message>
</context>
<context>
    <name>voxtrel::FileLock</name>
    <message>
        <source>%1 is locked by %2; nothing written</source>
        <translation>%1 ist von %2 gesperrt; nichts geschrieben</translation>
    </message>
    <message>
        <source>another program</source>
        <translation>ein anderes Programm</translation>
    </message>
    <message>
        <source>The save was cancelled while %1 was locked; nothing written</source>
        <translation>Das Speichern wurde abgebrochen, während %1 gesperrt war; nichts geschrieben</translation>
    </message>
</context>
<context>
    <name>voxtrel::FileTypes</name>
    <message>
        <source>Name files (*.bin);;All files (*)</source>
        <translation>Namensdateien (*.bin);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Workbooks (*.xlsx);;CSV lists (*.csv);;All files (*)</source>
        <translation>Arbeitsmappen (*.xlsx);;CSV-Listen (*.csv);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Name lists (*.xlsx *.csv);;All files (*)</source>
        <translation>Namenslisten (*.xlsx *.csv);;Alle Dateien (*)</translation>
    </message>
</context>
<context>
    <name>voxtrel::ImportCommand</name>
    <message>
        <source>Rename the names a list holds, and save FILE.</source>
        <translation>Die Namen einer Liste umbenennen und FILE speichern.</translation>
    </message>
    <message>
        <source>Renames the names that the list NAMES holds and saves FILE where it is. Every row is checked first: if any is wrong, nothing changes.</source>
        <translation>Benennt die Namen um, die die Liste NAMES enthält, und speichert FILE an seinem Ort. Jede Zeile wird zuerst geprüft: Ist eine falsch, ändert sich nichts.</translation>
    </message>
    <message>
        <source>The compressed name file to change.</source>
        <translation>Die zu ändernde komprimierte Namensdatei.</translation>
    </message>
    <message>
        <source>The list: a header row &quot;index,name&quot;, then any of the rows of an export (a patch adds a column &quot;was&quot;: a row applies only where the name is still what it was; an empty &quot;was&quot; guards an empty name, so such a row applies only where the name is empty), as a workbook (.xlsx, its first visible sheet) or as CSV (UTF-8, or UTF-16 with its mark; fields between commas, semicolons or tabs). - reads it from standard input. Rows whose new name looks like what a spreadsheet makes of the name (&quot;0123&quot; as &quot;123&quot;, &quot;00:30&quot; as &quot;12:30:00 AM&quot;) are refused unless --force.</source>
        <translation>Die Liste: eine Kopfzeile „index,name“, dann beliebige Zeilen eines Exports (ein Patch fügt eine Spalte „was“ hinzu: Eine Zeile gilt nur, wo der Name noch ist, was er war; ein leeres „was“ schützt einen leeren Namen, solch eine Zeile gilt also nur, wo der Name leer ist), als Arbeitsmappe (.xlsx, ihr erstes sichtbares Blatt) oder als CSV (UTF-8 oder UTF-16 mit Kennung; Felder durch Kommas, Semikolons oder Tabulatoren getrennt). - liest sie von der Standardeingabe. Zeilen, deren neuer Name so aussieht, wie eine Tabellenkalkulation den Namen umwandelt („0123“ als „123“, „00:30“ als „12:30:00 AM“), werden ohne --force abgelehnt.</translation>
    </message>
    <message>
        <source>a name file and a list</source>
        <translation>eine Namensdatei und eine Liste</translation>
    </message>
    <message>
        <source>Print what would change, and write nothing.</source>
        <translation>Ausgeben, was sich ändern würde, und nichts schreiben.</translation>
    </message>
    <message>
        <source>Save FILE even if another program changed it while it was being read; without it, such a file is left as the other program wrote it and the import fails.</source>
        <translation>FILE auch speichern, wenn ein anderes Programm sie beim Lesen geändert hat; ohne die Option bleibt eine solche Datei, wie das andere Programm sie schrieb, und der Import schlägt fehl.</translation>
    </message>
    <message>
        <source>No name changes; %1 was not written.</source>
        <translation>Keine Namensänderungen; %1 wurde nicht geschrieben.</translation>
    </message>
    <message>
        <source>%1 would change; dry run, nothing was written.</source>
        <translation>%1 würden sich ändern; Probelauf, es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>%1 changed; %2 saved%3.</source>
        <translation>%1 geändert; %2 gespeichert%3.</translation>
    </message>
</context>
<context>
    <name>voxtrel::ImportPlan</name>
    <message>
        <source>index %1: %2 → %3</source>
        <translation>Index %1: %2 → %3</translation>
    </message>
    <message>
        <source>The same file is given twice.</source>
        <translation>Dieselbe Datei ist zweimal angegeben.</translation>
    </message>
    <message>
        <source>It is the file open in the editor; Import names... applies a list to it.</source>
        <translation>Es ist die im Editor geöffnete Datei; Namen importieren... wendet eine Liste auf sie an.</translation>
    </message>
</context>
<context>
    <name>voxtrel::Links</name>
    <message>
        <source>Made by kicker_quill</source>
        <translation>Von kicker_quill</translation>
    </message>
</context>
<context>
    <name>voxtrel::ListCommands</name>
    <message>
        <source>&amp;Export names...</source>
        <translation>Namen &amp;exportieren...</translation>
    </message>
    <message>
        <source>&amp;Import names...</source>
        <translation>Namen &amp;importieren...</translation>
    </message>
    <message>
        <source>Export names</source>
        <translation>Namen exportieren</translation>
    </message>
    <message>
        <source>The names were not exported:
%1</source>
        <translation>Die Namen wurden nicht exportiert:
%1</translation>
    </message>
    <message>
        <source>%1 names exported to &quot;%2&quot;.</source>
        <translation>%1 Namen nach „%2“ exportiert.</translation>
    </message>
    <message>
        <source>Import names</source>
        <translation>Namen importieren</translation>
    </message>
    <message>
        <source>The name list changes no name.</source>
        <translation>Die Namensliste ändert keinen Namen.</translation>
    </message>
    <message numerus="yes">
        <source>%n names changed. Save writes them to the file.</source>
        <translation>
            <numerusform>%n Name geändert. Speichern schreibt ihn in die Datei.</numerusform>
            <numerusform>%n Namen geändert. Speichern schreibt sie in die Datei.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>voxtrel::ListFormats</name>
    <message>
        <source>The name list formats could not be loaded: %1</source>
        <translation>Die Formate der Namenslisten konnten nicht geladen werden: %1</translation>
    </message>
</context>
<context>
    <name>voxtrel::LockHolder</name>
    <message>
        <source>another program</source>
        <translation>ein anderes Programm</translation>
    </message>
    <message>
        <source>%1 (pid %2)</source>
        <translation>%1 (PID %2)</translation>
    </message>
</context>
<context>
    <name>voxtrel::LockWaitPanel</name>
    <message>
        <source>Waiting</source>
        <translation>Warten</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>%1 is locked by %2. Waiting for it...</source>
        <translation>%1 ist von %2 gesperrt. Warte darauf...</translation>
    </message>
    <message>
        <source>another program</source>
        <translation>ein anderes Programm</translation>
    </message>
</context>
<context>
    <name>voxtrel::MainLayout</name>
    <message>
        <source>1)Other Version-unnamed_1845.bin

2)English Version-unnamed_1846.bin

3)Other Version-unnamed_1847.bin

4)Other Version-unnamed_1848.bin

5)Other Version-unnamed_1849.bin

6)Other Version-unnamed_1850.bin

7)Other Version-unnamed_1852.bin

8)Other Version-unnamed_1853.bin

9)Other Version-unnamed_1854.bin</source>
        <translation>1)Andere Version-unnamed_1845.bin

2)Englische Version-unnamed_1846.bin

3)Andere Version-unnamed_1847.bin

4)Andere Version-unnamed_1848.bin

5)Andere Version-unnamed_1849.bin

6)Andere Version-unnamed_1850.bin

7)Andere Version-unnamed_1852.bin

8)Andere Version-unnamed_1853.bin

9)Andere Version-unnamed_1854.bin</translation>
    </message>
    <message>
        <source>Quick Save</source>
        <translation>Schnell speichern</translation>
    </message>
    <message>
        <source>Voxtrel banner</source>
        <translation>Voxtrel-Banner</translation>
    </message>
    <message>
        <source>Football pitch with a ball, and GOAL!</source>
        <translation>Fußballfeld mit einem Ball und GOAL!</translation>
    </message>
    <message>
        <source>Names</source>
        <translation>Namen</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Suche</translation>
    </message>
    <message>
        <source>Search...</source>
        <translation>Suchen...</translation>
    </message>
    <message>
        <source>Show only the names that hold the search text (Ctrl+Shift+F)</source>
        <translation>Nur die Namen zeigen, die den Suchtext enthalten (Strg+Umschalt+F)</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filter</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>File dt0f.img</source>
        <translation>Datei dt0f.img</translation>
    </message>
</context>
<context>
    <name>voxtrel::MainMenus</name>
    <message>
        <source>&amp;Menu</source>
        <translation>&amp;Menü</translation>
    </message>
    <message>
        <source>E&amp;ncoding</source>
        <translation>&amp;Kodierung</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Über</translation>
    </message>
    <message>
        <source>&amp;Visit</source>
        <translation>&amp;Besuchen</translation>
    </message>
</context>
<context>
    <name>voxtrel::NameCsv</name>
    <message>
        <source>line %1: a quote inside a field that is not quoted, or text after a closing quote</source>
        <translation>Zeile %1: ein Anführungszeichen in einem Feld ohne Anführungszeichen oder Text nach einem schließenden Anführungszeichen</translation>
    </message>
    <message>
        <source>line %1: a quoted field is never closed</source>
        <translation>Zeile %1: ein Feld in Anführungszeichen wird nie geschlossen</translation>
    </message>
    <message>
        <source>The file ends in half a UTF-16 character: it was cut short or is not UTF-16 text.</source>
        <translation>Die Datei endet mit einem halben UTF-16-Zeichen: Sie wurde abgeschnitten oder ist kein UTF-16-Text.</translation>
    </message>
    <message>
        <source>line %1: half of a UTF-16 surrogate pair stands alone; the text is broken.</source>
        <translation>Zeile %1: eine Hälfte eines UTF-16-Surrogatpaars steht allein; der Text ist defekt.</translation>
    </message>
    <message>
        <source>It is UTF-16 text without a byte-order mark; save it as UTF-8 CSV and import it again.</source>
        <translation>Es ist UTF-16-Text ohne Byte-Order-Mark; speichern Sie ihn als UTF-8-CSV und importieren Sie ihn erneut.</translation>
    </message>
    <message>
        <source>line %1: it is not UTF-8 text; save it as UTF-8 CSV and import it again.</source>
        <translation>Zeile %1: Es ist kein UTF-8-Text; speichern Sie ihn als UTF-8-CSV und importieren Sie ihn erneut.</translation>
    </message>
</context>
<context>
    <name>voxtrel::NameDocument</name>
    <message>
        <source>The working folder cannot take a copy of &quot;%1&quot;: %2</source>
        <translation>Der Arbeitsordner kann keine Kopie von „%1“ aufnehmen: %2</translation>
    </message>
    <message>
        <source>Decompressing %1...</source>
        <translation>%1 wird entpackt...</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; could not be decompressed:
%2</source>
        <translation>Die Datei „%1“ konnte nicht entpackt werden:
%2</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; could not be loaded:
%2</source>
        <translation>Die Datei „%1“ konnte nicht geladen werden:
%2</translation>
    </message>
    <message>
        <source>Import %1 names</source>
        <translation>%1 Namen importieren</translation>
    </message>
    <message>
        <source>No name file is open.</source>
        <translation>Es ist keine Namensdatei geöffnet.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was changed on disk since it was read: %2</source>
        <translation>„%1“ wurde seit dem Lesen auf der Festplatte geändert: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was changed on disk since it was read.</source>
        <translation>„%1“ wurde seit dem Lesen auf der Festplatte geändert.</translation>
    </message>
    <message>
        <source>The working file could not be written:
%1</source>
        <translation>Die Arbeitsdatei konnte nicht geschrieben werden:
%1</translation>
    </message>
    <message>
        <source>Compressing %1...</source>
        <translation>%1 wird komprimiert...</translation>
    </message>
    <message>
        <source>The compression tool left no compressed file.</source>
        <translation>Das Komprimierungsprogramm hat keine komprimierte Datei hinterlassen.</translation>
    </message>
    <message>
        <source>The compressed file could not be checked: the working folder refused a rename.</source>
        <translation>Die komprimierte Datei konnte nicht geprüft werden: Der Arbeitsordner verweigerte ein Umbenennen.</translation>
    </message>
    <message>
        <source>Checking %1...</source>
        <translation>%1 wird geprüft...</translation>
    </message>
    <message>
        <source>The compressed file could not be checked:
%1</source>
        <translation>Die komprimierte Datei konnte nicht geprüft werden:
%1</translation>
    </message>
    <message>
        <source>The compressed file does not decompress to the names written.</source>
        <translation>Die komprimierte Datei entpackt nicht zu den geschriebenen Namen.</translation>
    </message>
    <message>
        <source>The file is marked read-only; Save As writes the names to another file.</source>
        <translation>Die Datei ist schreibgeschützt; Speichern unter schreibt die Namen in eine andere Datei.</translation>
    </message>
    <message>
        <source>You may not write this file; Save As writes the names to another file.</source>
        <translation>Sie dürfen diese Datei nicht schreiben; Speichern unter schreibt die Namen in eine andere Datei.</translation>
    </message>
</context>
<context>
    <name>voxtrel::NameEditor</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederholen</translation>
    </message>
    <message>
        <source>Re&amp;vert name</source>
        <translation>Name &amp;zurücksetzen</translation>
    </message>
    <message>
        <source>Name.</source>
        <translation>Name.</translation>
    </message>
    <message>
        <source>A name holds at most %1 characters.</source>
        <translation>Ein Name hat höchstens %1 Zeichen.</translation>
    </message>
</context>
<context>
    <name>voxtrel::NameFileSize</name>
    <message>
        <source>%1 is %2 bytes when decompressed; a name file is %3 bytes.</source>
        <translation>%1 ist entpackt %2 Bytes groß; eine Namensdatei hat %3 Bytes.</translation>
    </message>
</context>
<context>
    <name>voxtrel::NameList</name>
    <message>
        <source>&amp;Find</source>
        <translation>&amp;Suchen</translation>
    </message>
    <message>
        <source>Fi&amp;lter names</source>
        <translation>Namen fi&amp;ltern</translation>
    </message>
    <message>
        <source>No name starts with &apos;%1&apos;</source>
        <translation>Kein Name beginnt mit „%1“</translation>
    </message>
    <message>
        <source>No name contains &apos;%1&apos;</source>
        <translation>Kein Name enthält „%1“</translation>
    </message>
</context>
<context>
    <name>voxtrel::NameListModel</name>
    <message>
        <source>Renamed, not saved</source>
        <translation>Umbenannt, nicht gespeichert</translation>
    </message>
</context>
<context>
    <name>voxtrel::NameLists</name>
    <message>
        <source>standard input</source>
        <translation>Standardeingabe</translation>
    </message>
    <message>
        <source>The name list %1 is larger than 4 MiB; a list of 1209 names is far smaller.</source>
        <translation>Die Namensliste %1 ist größer als 4 MiB; eine Liste mit 1209 Namen ist weit kleiner.</translation>
    </message>
    <message>
        <source>The name list was not read: %1</source>
        <translation>Die Namensliste wurde nicht gelesen: %1</translation>
    </message>
    <message>
        <source>The name list %1 is empty.</source>
        <translation>Die Namensliste %1 ist leer.</translation>
    </message>
</context>
<context>
    <name>voxtrel::NameRows</name>
    <message>
        <source>the name holds a line break</source>
        <translation>der Name enthält einen Zeilenumbruch</translation>
    </message>
    <message>
        <source>the name holds the control character %1</source>
        <translation>der Name enthält das Steuerzeichen %1</translation>
    </message>
    <message>
        <source>the name has %1 characters; a name holds at most %2</source>
        <translation>der Name hat %1 Zeichen; ein Name hat höchstens %2</translation>
    </message>
    <message>
        <source>%1 cannot be written in %2</source>
        <translation>%1 kann nicht in %2 geschrieben werden</translation>
    </message>
    <message>
        <source>a number</source>
        <translation>eine Zahl</translation>
    </message>
    <message>
        <source>a formula</source>
        <translation>eine Formel</translation>
    </message>
    <message>
        <source>an error value</source>
        <translation>einen Fehlerwert</translation>
    </message>
    <message>
        <source>TRUE or FALSE</source>
        <translation>WAHR oder FALSCH</translation>
    </message>
    <message>
        <source>a date</source>
        <translation>ein Datum</translation>
    </message>
    <message>
        <source>text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>line %1</source>
        <translation>Zeile %1</translation>
    </message>
    <message>
        <source>row %1</source>
        <translation>Zeile %1</translation>
    </message>
    <message>
        <source>the header must be &quot;index,name&quot; (or &quot;index,name,was&quot;)</source>
        <translation>die Kopfzeile muss „index,name“ (oder „index,name,was“) lauten</translation>
    </message>
    <message>
        <source>a column is missing (expected %1)</source>
        <translation>eine Spalte fehlt (erwartet %1)</translation>
    </message>
    <message>
        <source>an extra column (expected %1)</source>
        <translation>eine Spalte zu viel (erwartet %1)</translation>
    </message>
    <message>
        <source>the index &quot;%1&quot; is not a whole number</source>
        <translation>der Index „%1“ ist keine ganze Zahl</translation>
    </message>
    <message>
        <source>the index %1 is out of range: the file has no names</source>
        <translation>der Index %1 liegt außerhalb des Bereichs: Die Datei hat keine Namen</translation>
    </message>
    <message>
        <source>the index %1 is out of range (0 to %2)</source>
        <translation>der Index %1 liegt außerhalb des Bereichs (0 bis %2)</translation>
    </message>
    <message>
        <source>the index %1 is also on %2</source>
        <translation>der Index %1 steht auch in %2</translation>
    </message>
    <message>
        <source>the name cell holds %1, not text; format the name column as Text and type the name again</source>
        <translation>die Namenszelle enthält %1, keinen Text; formatieren Sie die Namensspalte als Text und geben Sie den Namen erneut ein</translation>
    </message>
    <message>
        <source>the name has more than %1 characters; a name holds at most %1</source>
        <translation>der Name hat mehr als %1 Zeichen; ein Name hat höchstens %1</translation>
    </message>
    <message>
        <source>the name is not UTF-8 text; save the list as UTF-8 CSV</source>
        <translation>der Name ist kein UTF-8-Text; speichern Sie die Liste als UTF-8-CSV</translation>
    </message>
    <message>
        <source>the former name is not UTF-8 text</source>
        <translation>der frühere Name ist kein UTF-8-Text</translation>
    </message>
    <message>
        <source>%1: index %2: expected &quot;%3&quot;, found &quot;%4&quot;</source>
        <translation>%1: Index %2: erwartet „%3“, gefunden „%4“</translation>
    </message>
    <message>
        <source>%1: index %2: &quot;%3&quot; → &quot;%4&quot; looks like %5</source>
        <translation>%1: Index %2: „%3“ → „%4“ sieht aus wie %5</translation>
    </message>
    <message>
        <source>The name list was refused; no name was changed.
</source>
        <translation>Die Namensliste wurde abgelehnt; kein Name wurde geändert.
</translation>
    </message>
    <message>
        <source>the header &quot;index,name&quot; is missing</source>
        <translation>die Kopfzeile „index,name“ fehlt</translation>
    </message>
    <message>
        <source>1 name looks converted by a spreadsheet, not renamed</source>
        <translation>1 Name sieht von einer Tabellenkalkulation umgewandelt aus, nicht umbenannt</translation>
    </message>
    <message>
        <source>%1 names look converted by a spreadsheet, not renamed</source>
        <translation>%1 Namen sehen von einer Tabellenkalkulation umgewandelt aus, nicht umbenannt</translation>
    </message>
    <message>
        <source>; no name was changed:
</source>
        <translation>; kein Name wurde geändert:
</translation>
    </message>
    <message>
        <source>
... and %1 more.</source>
        <translation>
... und %1 weitere.</translation>
    </message>
    <message>
        <source>
A spreadsheet that opens a CSV list turns names that look like numbers, dates, times or formulas into values. Export the names as .xlsx, whose name column is Text, and edit that instead.</source>
        <translation>
Eine Tabellenkalkulation, die eine CSV-Liste öffnet, macht aus Namen, die wie Zahlen, Daten, Uhrzeiten oder Formeln aussehen, Werte. Exportieren Sie die Namen als .xlsx, deren Namensspalte Text ist, und bearbeiten Sie diese.</translation>
    </message>
    <message>
        <source>1 name is not what the patch says it was</source>
        <translation>1 Name ist nicht, was der Patch als früheren Namen angibt</translation>
    </message>
    <message>
        <source>%1 names are not what the patch says they were</source>
        <translation>%1 Namen sind nicht, was der Patch als frühere Namen angibt</translation>
    </message>
    <message>
        <source>
... and %1 more lines with faults.</source>
        <translation>
... und %1 weitere fehlerhafte Zeilen.</translation>
    </message>
</context>
<context>
    <name>voxtrel::NameWorkbook</name>
    <message>
        <source>the written workbook cannot be opened again</source>
        <translation>die geschriebene Arbeitsmappe lässt sich nicht wieder öffnen</translation>
    </message>
    <message>
        <source>the written sheet cannot be read again</source>
        <translation>das geschriebene Blatt lässt sich nicht wieder lesen</translation>
    </message>
    <message>
        <source>the written sheet cannot be replaced</source>
        <translation>das geschriebene Blatt lässt sich nicht ersetzen</translation>
    </message>
    <message>
        <source>the written workbook cannot be closed</source>
        <translation>die geschriebene Arbeitsmappe lässt sich nicht schließen</translation>
    </message>
    <message>
        <source>No workbook can be made in the working folder: %1</source>
        <translation>Im Arbeitsordner kann keine Arbeitsmappe angelegt werden: %1</translation>
    </message>
    <message>
        <source>No workbook can be made in the working folder.</source>
        <translation>Im Arbeitsordner kann keine Arbeitsmappe angelegt werden.</translation>
    </message>
    <message>
        <source>The workbook could not be written: %1</source>
        <translation>Die Arbeitsmappe konnte nicht geschrieben werden: %1</translation>
    </message>
    <message>
        <source>The workbook could not be written: %1.</source>
        <translation>Die Arbeitsmappe konnte nicht geschrieben werden: %1.</translation>
    </message>
    <message>
        <source>The workbook could not be read back: %1</source>
        <translation>Die Arbeitsmappe konnte nicht zurückgelesen werden: %1</translation>
    </message>
</context>
<context>
    <name>voxtrel::NamesMain</name>
    <message>
        <source>Usage: voxtrel-names &lt;command&gt; [options]
Takes the names of a compressed name file out as a list, puts them back, and
shares renames between files as patches.

Commands:
</source>
        <translation>Aufruf: voxtrel-names &lt;Befehl&gt; [Optionen]
Gibt die Namen einer komprimierten Namensdatei als Liste aus, schreibt sie zurück
und teilt Umbenennungen als Patches zwischen Dateien.

Befehle:
</translation>
    </message>
    <message>
        <source>  %1  %2
</source>
        <translation>  %1  %2
</translation>
    </message>
    <message>
        <source>
Run &quot;voxtrel-names &lt;command&gt; --help&quot; for a command&apos;s options, and
&quot;man voxtrel-names&quot; for the list formats and examples.
Exit codes: 0 done; 1 failed: nothing was written, except after a double
fault (an in-place write and the write-back of the former bytes both failed),
where the message names the copy of the former bytes it kept, and for apply,
whose last line names the files that were saved and those that were not;
2 a usage error.
</source>
        <translation>
„voxtrel-names &lt;Befehl&gt; --help“ zeigt die Optionen eines Befehls,
„man voxtrel-names“ die Listenformate und Beispiele.
Exit-Codes: 0 erledigt; 1 fehlgeschlagen: nichts wurde geschrieben, außer nach einem
Doppelfehler (ein Schreiben an Ort und Stelle und das Zurückschreiben der alten
Bytes schlugen fehl), wo die Meldung die Kopie der alten Bytes nennt, und bei apply,
dessen letzte Zeile die gespeicherten und die nicht gespeicherten Dateien nennt;
2 ein Aufruffehler.
</translation>
    </message>
    <message>
        <source>voxtrel-names: no command given.
</source>
        <translation>voxtrel-names: kein Befehl angegeben.
</translation>
    </message>
    <message>
        <source>voxtrel-names: unknown command &quot;%1&quot;.
</source>
        <translation>voxtrel-names: unbekannter Befehl „%1“.
</translation>
    </message>
</context>
<context>
    <name>voxtrel::PlainFile</name>
    <message>
        <source>cannot read %1: %2</source>
        <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>%1 is a folder, not a file.</source>
        <translation>%1 ist ein Ordner, keine Datei.</translation>
    </message>
    <message>
        <source>%1 is not a regular file.</source>
        <translation>%1 ist keine reguläre Datei.</translation>
    </message>
    <message>
        <source>%1 is larger than %2 MiB.</source>
        <translation>%1 ist größer als %2 MiB.</translation>
    </message>
    <message>
        <source>standard input</source>
        <translation>Standardeingabe</translation>
    </message>
    <message>
        <source>%1 does not exist.</source>
        <translation>%1 existiert nicht.</translation>
    </message>
    <message>
        <source>%1 is a link to a file that does not exist.</source>
        <translation>%1 ist ein Link auf eine Datei, die nicht existiert.</translation>
    </message>
    <message>
        <source>%1 is a link that leads back to itself.</source>
        <translation>%1 ist ein Link, der auf sich selbst zurückführt.</translation>
    </message>
</context>
<context>
    <name>voxtrel::QtAppServices</name>
    <message>
        <source>&amp;Discard</source>
        <translation>&amp;Verwerfen</translation>
    </message>
</context>
<context>
    <name>voxtrel::Questions</name>
    <message>
        <source> Open it anyway?</source>
        <translation> Trotzdem öffnen?</translation>
    </message>
    <message>
        <source>the last %1 bytes are left out</source>
        <translation>die letzten %1 Bytes werden weggelassen</translation>
    </message>
    <message>
        <source>%1 bytes are added</source>
        <translation>%1 Bytes werden angefügt</translation>
    </message>
    <message>
        <source>%1 decompressed to %2 bytes; a name file is %3 bytes. Saving writes a %3-byte name file: %4. Save?</source>
        <translation>%1 wurde zu %2 Bytes entpackt; eine Namensdatei hat %3 Bytes. Speichern schreibt eine Namensdatei mit %3 Bytes: %4. Speichern?</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>&amp;Overwrite</source>
        <translation>Ü&amp;berschreiben</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Speichern &amp;unter...</translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation>&amp;Verwerfen</translation>
    </message>
    <message>
        <source>%1 was changed on disk since it was opened. Overwrite it, or cancel and keep both?</source>
        <translation>%1 wurde seit dem Öffnen auf der Festplatte geändert. Überschreiben, oder abbrechen und beide behalten?</translation>
    </message>
    <message>
        <source>The names in %1 have changed, and %1 cannot be written. Save the changes to another file?</source>
        <translation>Die Namen in %1 wurden geändert, und %1 kann nicht geschrieben werden. Die Änderungen in eine andere Datei speichern?</translation>
    </message>
    <message>
        <source>Written to %1%2</source>
        <translation>Geschrieben nach %1%2</translation>
    </message>
    <message>
        <source>Not a name file&apos;s size: %1 bytes</source>
        <translation>Keine Größe einer Namensdatei: %1 Bytes</translation>
    </message>
    <message>
        <source>%1 cannot be stored in the %2 (%3) code page%4</source>
        <translation>%1 lässt sich nicht in der Codepage %2 (%3) speichern%4</translation>
    </message>
    <message>
        <source>; the rest was kept.</source>
        <translation>; der Rest wurde übernommen.</translation>
    </message>
</context>
<context>
    <name>voxtrel::RememberedEncodings</name>
    <message>
        <source>Settings are not kept: &quot;%1&quot; is %2.</source>
        <translation>Einstellungen werden nicht gespeichert: „%1“ ist %2.</translation>
    </message>
    <message>
        <source>a link</source>
        <translation>ein Link</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>keine reguläre Datei</translation>
    </message>
</context>
<context>
    <name>voxtrel::RenameCommand</name>
    <message>
        <source>Rename &quot;%1&quot;</source>
        <translation>„%1“ umbenennen</translation>
    </message>
</context>
<context>
    <name>voxtrel::ResolvedTarget</name>
    <message>
        <source>%1 is a link that leads back to itself.</source>
        <translation>%1 ist ein Link, der auf sich selbst zurückführt.</translation>
    </message>
    <message>
        <source>The folder of %1 cannot be opened: %2</source>
        <translation>Der Ordner von %1 kann nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>%1 is a folder, not a file.</source>
        <translation>%1 ist ein Ordner, keine Datei.</translation>
    </message>
    <message>
        <source>%1 is a link to a file that does not exist.</source>
        <translation>%1 ist ein Link auf eine Datei, die nicht existiert.</translation>
    </message>
    <message>
        <source>%1 cannot be followed.</source>
        <translation>%1 kann nicht verfolgt werden.</translation>
    </message>
</context>
<context>
    <name>voxtrel::SafeWriter</name>
    <message>
        <source>%1 is read-only.</source>
        <translation>%1 ist schreibgeschützt.</translation>
    </message>
    <message>
        <source>%1 cannot be written:
%2</source>
        <translation>%1 kann nicht geschrieben werden:
%2</translation>
    </message>
    <message>
        <source>Standard output cannot be written: %1</source>
        <translation>Die Standardausgabe kann nicht geschrieben werden: %1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is the name file itself; the list goes to another file.</source>
        <translation>„%1“ ist die Namensdatei selbst; die Liste gehört in eine andere Datei.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be written: %2</source>
        <translation>„%1“ kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>%1 cannot be written in place: %2</source>
        <translation>%1 kann nicht an Ort und Stelle geschrieben werden: %2</translation>
    </message>
    <message>
        <source>%1 cannot be written in place: %2.</source>
        <translation>%1 kann nicht an Ort und Stelle geschrieben werden: %2.</translation>
    </message>
    <message>
        <source>%1 cannot be written in place:
%2</source>
        <translation>%1 kann nicht an Ort und Stelle geschrieben werden:
%2</translation>
    </message>
    <message>
        <source>
Its former content was written back.</source>
        <translation>
Ihr früherer Inhalt wurde zurückgeschrieben.</translation>
    </message>
    <message>
        <source>
The disk did not confirm writing its former content back, but the file reads back unchanged.</source>
        <translation>
Die Festplatte hat das Zurückschreiben des früheren Inhalts nicht bestätigt, aber die Datei liest sich unverändert.</translation>
    </message>
    <message>
        <source>
Its former content could not be written back; a copy of it is kept in &quot;%1&quot;, and the next time the file is opened it is put back, unless the file is whole with the new names.</source>
        <translation>
Ihr früherer Inhalt konnte nicht zurückgeschrieben werden; eine Kopie liegt in „%1“, und beim nächsten Öffnen der Datei wird sie zurückgelegt, außer die Datei ist mit den neuen Namen vollständig.</translation>
    </message>
</context>
<context>
    <name>voxtrel::SaveJournal</name>
    <message>
        <source>there is no folder to keep its present content in (neither XDG_STATE_HOME nor HOME is set)</source>
        <translation>es gibt keinen Ordner, um ihren jetzigen Inhalt aufzubewahren (weder XDG_STATE_HOME noch HOME ist gesetzt)</translation>
    </message>
    <message>
        <source>its present content cannot be kept in &quot;%1&quot;: %2</source>
        <translation>ihr jetziger Inhalt kann nicht in „%1“ aufbewahrt werden: %2</translation>
    </message>
    <message>
        <source>%1 was restored: a save of it at %2 was cut off; it holds what it held before that save.</source>
        <translation>%1 wurde wiederhergestellt: Ein Speichern um %2 wurde unterbrochen; sie enthält, was sie vor diesem Speichern enthielt.</translation>
    </message>
    <message>
        <source>A save of %1 at %2 was cut off, and %3; its content before that save is kept in &quot;%4&quot;.</source>
        <translation>Ein Speichern von %1 um %2 wurde unterbrochen, und %3; ihr Inhalt vor diesem Speichern liegt in „%4“.</translation>
    </message>
    <message>
        <source>the file is gone</source>
        <translation>die Datei ist weg</translation>
    </message>
    <message>
        <source>another file has its name now</source>
        <translation>eine andere Datei trägt jetzt ihren Namen</translation>
    </message>
    <message>
        <source>the copy of its former content is damaged</source>
        <translation>die Kopie ihres früheren Inhalts ist beschädigt</translation>
    </message>
    <message>
        <source>its former content could not be written back (%1)</source>
        <translation>ihr früherer Inhalt konnte nicht zurückgeschrieben werden (%1)</translation>
    </message>
</context>
<context>
    <name>voxtrel::SaveResult</name>
    <message>
        <source>in place: its folder takes no new file beside it</source>
        <translation>an Ort und Stelle: ihr Ordner nimmt keine neue Datei daneben auf</translation>
    </message>
    <message>
        <source>in place: its name leaves no room for a temporary name beside it</source>
        <translation>an Ort und Stelle: ihr Name lässt keinen Platz für einen temporären Namen daneben</translation>
    </message>
    <message>
        <source>in place: it has other names (hard links), which keep seeing it</source>
        <translation>an Ort und Stelle: sie hat weitere Namen (harte Links), die sie weiter sehen</translation>
    </message>
    <message>
        <source>in place: a new file could not keep its owner and group</source>
        <translation>an Ort und Stelle: eine neue Datei könnte ihren Besitzer und ihre Gruppe nicht behalten</translation>
    </message>
    <message>
        <source>%1 was not saved.
%2</source>
        <translation>%1 wurde nicht gespeichert.
%2</translation>
    </message>
    <message>
        <source>%1 changed while it was being read; nothing written.</source>
        <translation>%1 hat sich beim Lesen geändert; nichts geschrieben.</translation>
    </message>
    <message>
        <source>%1 was not saved; it is unchanged.
%2</source>
        <translation>%1 wurde nicht gespeichert; sie ist unverändert.
%2</translation>
    </message>
</context>
<context>
    <name>voxtrel::Scn_Process</name>
    <message>
        <source>The command line names no program.</source>
        <translation>Die Befehlszeile nennt kein Programm.</translation>
    </message>
</context>
<context>
    <name>voxtrel::SpreadsheetDamage</name>
    <message>
        <source>a formula&apos;s result</source>
        <translation>das Ergebnis einer Formel</translation>
    </message>
    <message>
        <source>a number</source>
        <translation>eine Zahl</translation>
    </message>
    <message>
        <source>a time</source>
        <translation>eine Uhrzeit</translation>
    </message>
    <message>
        <source>a date</source>
        <translation>ein Datum</translation>
    </message>
    <message>
        <source>TRUE or FALSE</source>
        <translation>WAHR oder FALSCH</translation>
    </message>
</context>
<context>
    <name>voxtrel::StatusNotes</name>
    <message>
        <source>%1 of %1</source>
        <translation>%1 von %1</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 von %2</translation>
    </message>
    <message>
        <source>Record %1 of %2 · %3</source>
        <translation>Eintrag %1 von %2 · %3</translation>
    </message>
</context>
<context>
    <name>voxtrel::ToolProgress</name>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>voxtrel::ToolRunner</name>
    <message>
        <source>The compression tool is still running.</source>
        <translation>Das Komprimierungsprogramm läuft noch.</translation>
    </message>
    <message>
        <source>The compression tool was cancelled.</source>
        <translation>Das Komprimierungsprogramm wurde abgebrochen.</translation>
    </message>
    <message>
        <source>The compression tool could not be started:
%1
%2</source>
        <translation>Das Komprimierungsprogramm konnte nicht gestartet werden:
%1
%2</translation>
    </message>
    <message>
        <source>The compression tool failed (exit code %1).</source>
        <translation>Das Komprimierungsprogramm ist fehlgeschlagen (Exit-Code %1).</translation>
    </message>
</context>
<context>
    <name>voxtrel::WorkFolder</name>
    <message>
        <source>it is a link, not a folder of its own</source>
        <translation>er ist ein Link, kein eigener Ordner</translation>
    </message>
    <message>
        <source>it belongs to another user</source>
        <translation>er gehört einem anderen Benutzer</translation>
    </message>
    <message>
        <source>it changed while it was opened</source>
        <translation>er hat sich beim Öffnen geändert</translation>
    </message>
    <message>
        <source>The working folder &quot;%1&quot; is refused: %2. Nothing is opened until it is a folder of your own.</source>
        <translation>Der Arbeitsordner „%1“ wird abgelehnt: %2. Nichts wird geöffnet, bevor er ein eigener Ordner ist.</translation>
    </message>
    <message>
        <source>No working folder could be made in &quot;%1&quot;: %2</source>
        <translation>In „%1“ konnte kein Arbeitsordner angelegt werden: %2</translation>
    </message>
</context>
<context>
    <name>voxtrel::WorkbookReader</name>
    <message>
        <source>it holds more than %1 shared strings</source>
        <translation>sie enthält mehr als %1 gemeinsame Zeichenketten</translation>
    </message>
    <message>
        <source>%1 hidden %2 read: %3%4.</source>
        <translation>%1 %2 gelesen: %3%4.</translation>
    </message>
    <message>
        <source>row was</source>
        <translation>verborgene Zeile wurde</translation>
    </message>
    <message>
        <source>rows were</source>
        <translation>verborgene Zeilen wurden</translation>
    </message>
    <message>
        <source>a cell has no place</source>
        <translation>eine Zelle hat keine Position</translation>
    </message>
    <message>
        <source>the cell points to shared string &quot;%1&quot;, which the workbook does not hold (it holds %2)</source>
        <translation>die Zelle verweist auf die gemeinsame Zeichenkette „%1“, die die Arbeitsmappe nicht enthält (sie enthält %2)</translation>
    </message>
    <message>
        <source>the text holds half of a surrogate pair; it is broken</source>
        <translation>der Text enthält eine Hälfte eines Surrogatpaars; er ist defekt</translation>
    </message>
    <message>
        <source>It is not a workbook this editor can read: %1.</source>
        <translation>Es ist keine Arbeitsmappe, die dieser Editor lesen kann: %1.</translation>
    </message>
    <message>
        <source>it has no sheet</source>
        <translation>sie hat kein Blatt</translation>
    </message>
    <message>
        <source>every sheet is hidden</source>
        <translation>jedes Blatt ist verborgen</translation>
    </message>
    <message>
        <source>the sheet &quot;%1&quot; is missing</source>
        <translation>das Blatt „%1“ fehlt</translation>
    </message>
    <message>
        <source>Read the sheet &quot;%1&quot;, the first visible one of %2 sheets.</source>
        <translation>Das Blatt „%1“ gelesen, das erste sichtbare von %2 Blättern.</translation>
    </message>
</context>
<context>
    <name>voxtrel::ZipPackage</name>
    <message>
        <source>the package cannot be opened</source>
        <translation>das Paket lässt sich nicht öffnen</translation>
    </message>
    <message>
        <source>the package has more than %1 parts</source>
        <translation>das Paket hat mehr als %1 Teile</translation>
    </message>
    <message>
        <source>the part %1 is larger than %2 MiB when unpacked</source>
        <translation>der Teil %1 ist entpackt größer als %2 MiB</translation>
    </message>
    <message>
        <source>the part %1 cannot be unpacked</source>
        <translation>der Teil %1 lässt sich nicht entpacken</translation>
    </message>
    <message>
        <source>the part %1 is missing</source>
        <translation>der Teil %1 fehlt</translation>
    </message>
</context>
<context>
    <name>voxtrel::frmMain</name>
    <message>
        <source>Voxtrel String Editor 2011</source>
        <translation>Voxtrel String Editor 2011</translation>
    </message>
</context>
</TS>
