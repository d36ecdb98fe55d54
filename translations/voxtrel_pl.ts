<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL" sourcelanguage="en">
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Displays version information.</source>
        <translation>Wyświetla informacje o wersji.</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Wyświetla pomoc dotyczącą opcji wiersza poleceń.</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>Wyświetla pomoc, w tym opcje specyficzne dla Qt.</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Nieznana opcja „%1”.</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>Nieznane opcje: %1.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>Brak wartości po „%1”.</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>Nieoczekiwana wartość po „%1”.</translation>
    </message>
    <message>
        <source>[options]</source>
        <translation>[opcje]</translation>
    </message>
    <message>
        <source>Usage: %1</source>
        <translation>Sposób użycia: %1</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Opcje:</translation>
    </message>
    <message>
        <source>Arguments:</source>
        <translation>Argumenty:</translation>
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
        <translation>Zapisz</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Odrzuć</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Tak</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nie</translation>
    </message>
</context>
<context>
    <name>voxtrel::AboutMenu</name>
    <message>
        <source>&amp;Copyright</source>
        <translation>&amp;Prawa autorskie</translation>
    </message>
    <message>
        <source>No web browser could be opened for this page:
%1</source>
        <translation>Nie udało się otworzyć przeglądarki dla tej strony:
%1</translation>
    </message>
</context>
<context>
    <name>voxtrel::ApplyCommand</name>
    <message>
        <source>Apply one list to several name files.</source>
        <translation>Zastosuj jedną listę do kilku plików nazw.</translation>
    </message>
    <message>
        <source>Applies the list or patch LIST to every FILE, such as all ten language versions, each in its own code page. Every file is opened and checked first (readable, a name file, the list, its conflicts, the code page, writable, not the same file twice); only when all pass is any written, each by the journalled save, else nothing is written and every refusal is named. Should a save fail after the checks passed, each file is as it was or fully written, and the last line says which were written and which were not. Exits 0 only when every file was saved or had nothing to change.</source>
        <translation>Stosuje listę lub łatkę LIST do każdego pliku FILE, na przykład do wszystkich dziesięciu wersji językowych, każdej w jej własnej stronie kodowej. Każdy plik jest najpierw otwierany i sprawdzany (czy da się go odczytać, czy to plik nazw, lista, jej konflikty, strona kodowa, czy da się go zapisać, czy nie podano go dwa razy); dopiero gdy wszystkie przejdą, cokolwiek jest zapisywane, każdy plik zapisem z dziennikiem, w przeciwnym razie nic nie jest zapisywane, a każda odmowa jest podana. Jeśli zapis nie powiedzie się po udanych sprawdzeniach, każdy plik jest taki jak przedtem albo zapisany w całości, a ostatni wiersz mówi, które zapisano, a których nie. Kończy z kodem 0 tylko wtedy, gdy każdy plik zapisano lub nie było w nim nic do zmiany.</translation>
    </message>
    <message>
        <source>The list or patch, a workbook or CSV as import takes it; - reads standard input.</source>
        <translation>Lista lub łatka, skoroszyt lub CSV, tak jak przyjmuje je import; - czyta standardowe wejście.</translation>
    </message>
    <message>
        <source>The compressed name files.</source>
        <translation>Skompresowane pliki nazw.</translation>
    </message>
    <message>
        <source>a list and one name file or more</source>
        <translation>listy i co najmniej jednego pliku nazw</translation>
    </message>
    <message>
        <source>Print, for each file, its code page, the names that would change, the conflicts and the characters replaced, and write nothing.</source>
        <translation>Wypisz dla każdego pliku jego stronę kodową, nazwy, które by się zmieniły, konflikty i zastąpione znaki, i nic nie zapisuj.</translation>
    </message>
    <message>
        <source>each FILE without --encoding-of or a remembered one</source>
        <translation>każdego pliku FILE bez --encoding-of ani zapamiętanej strony</translation>
    </message>
    <message>
        <source>%1 (%2): %3 would change, %4, %5 with characters replaced</source>
        <translation>%1 (%2): zmieniłoby się: %3, %4, ze zastąpionymi znakami: %5</translation>
    </message>
    <message numerus="yes">
        <source>%n conflict</source>
        <translation>
            <numerusform>%n konflikt</numerusform>
            <numerusform>%n konflikty</numerusform>
            <numerusform>%n konfliktów</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n conflicts</source>
        <translation>
            <numerusform>%n konflikt</numerusform>
            <numerusform>%n konflikty</numerusform>
            <numerusform>%n konfliktów</numerusform>
        </translation>
    </message>
    <message>
        <source>; refused.</source>
        <translation>; odrzucono.</translation>
    </message>
    <message>
        <source>Nothing was written.</source>
        <translation>Nic nie zostało zapisane.</translation>
    </message>
    <message>
        <source>Dry run: nothing was written.</source>
        <translation>Próba: nic nie zostało zapisane.</translation>
    </message>
    <message>
        <source>%1 (%2): no name changes; not written.</source>
        <translation>%1 (%2): brak zmian nazw; nie zapisano.</translation>
    </message>
    <message>
        <source>%1 (%2): %3 changed; saved.</source>
        <translation>%1 (%2): zmieniono: %3; zapisano.</translation>
    </message>
    <message>
        <source>none</source>
        <translation>brak</translation>
    </message>
    <message>
        <source>Written: %1. Not written: %2.</source>
        <translation>Zapisano: %1. Nie zapisano: %2.</translation>
    </message>
</context>
<context>
    <name>voxtrel::ApplyToFiles</name>
    <message>
        <source>&amp;Apply to other files...</source>
        <translation>Z&amp;astosuj do innych plików...</translation>
    </message>
    <message>
        <source>Apply the current differences, or a patch file?</source>
        <translation>Zastosować bieżące różnice czy plik łatki?</translation>
    </message>
    <message>
        <source>&amp;Differences: turns %1 into %2</source>
        <translation>&amp;Różnice: zmieniają %1 w %2</translation>
    </message>
    <message>
        <source>Differences: t&amp;urns %1 into %2</source>
        <translation>Różnice: z&amp;mieniają %1 w %2</translation>
    </message>
    <message>
        <source>A &amp;patch file...</source>
        <translation>&amp;Plik łatki...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>the differences that turn %1 into %2</source>
        <translation>różnice, które zmieniają %1 w %2</translation>
    </message>
    <message>
        <source>Apply a patch</source>
        <translation>Zastosuj łatkę</translation>
    </message>
    <message>
        <source>Apply to name files</source>
        <translation>Zastosuj do plików nazw</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Plik</translation>
    </message>
    <message>
        <source>Code page</source>
        <translation>Strona kodowa</translation>
    </message>
    <message>
        <source>Names changed</source>
        <translation>Zmienione nazwy</translation>
    </message>
    <message>
        <source>Conflicts</source>
        <translation>Konflikty</translation>
    </message>
    <message>
        <source>Replaced</source>
        <translation>Zastąpione</translation>
    </message>
    <message>
        <source>Read-only</source>
        <translation>Tylko do odczytu</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Sprawdzenie</translation>
    </message>
    <message>
        <source>&amp;Replace characters a code page cannot hold</source>
        <translation>Zastąp &amp;znaki, których strona kodowa nie obsługuje</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>Z&amp;astosuj</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Tak</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Gotowe</translation>
    </message>
    <message>
        <source> Its names look like %1.</source>
        <translation> Jego nazwy wyglądają na %1.</translation>
    </message>
    <message>
        <source>Applying %1 to %2 files: %3 of them pass. Apply writes them all, or none while any fails its check.</source>
        <translation>Stosowanie %1 do plików (%2): przechodzi ich %3. Zastosuj zapisuje wszystkie albo żadnego, dopóki któryś nie przechodzi sprawdzenia.</translation>
    </message>
    <message>
        <source>No name changes; not written.</source>
        <translation>Brak zmian nazw; nie zapisano.</translation>
    </message>
    <message>
        <source>Saved.</source>
        <translation>Zapisano.</translation>
    </message>
    <message>
        <source>none</source>
        <translation>brak</translation>
    </message>
    <message>
        <source>Written: %1.</source>
        <translation>Zapisano: %1.</translation>
    </message>
    <message>
        <source>Written: %1. Not written: %2.</source>
        <translation>Zapisano: %1. Nie zapisano: %2.</translation>
    </message>
</context>
<context>
    <name>voxtrel::Baza</name>
    <message>
        <source>No name file has been loaded.</source>
        <translation>Nie wczytano żadnego pliku nazw.</translation>
    </message>
    <message>
        <source>No file to save to.</source>
        <translation>Brak pliku do zapisu.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; does not exist.</source>
        <translation>Plik „%1” nie istnieje.</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;: %2</source>
        <translation>Nie można otworzyć „%1”: %2</translation>
    </message>
    <message>
        <source>Cannot read &quot;%1&quot;: %2</source>
        <translation>Nie można odczytać „%1”: %2</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; cannot be written.</source>
        <translation>Nie można zapisać pliku „%1”.</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;: %2</source>
        <translation>Nie można zapisać „%1”: %2</translation>
    </message>
</context>
<context>
    <name>voxtrel::BoundedXml</name>
    <message>
        <source>a tag holds more than %1 attributes, which a workbook never needs</source>
        <translation>znacznik ma więcej niż %1 atrybutów, których skoroszyt nigdy nie potrzebuje</translation>
    </message>
    <message>
        <source>its XML declares entities, which a workbook never needs</source>
        <translation>jego XML deklaruje encje, których skoroszyt nigdy nie potrzebuje</translation>
    </message>
    <message>
        <source>its elements nest more than %1 deep</source>
        <translation>jego elementy są zagnieżdżone głębiej niż %1</translation>
    </message>
    <message>
        <source>it holds more text than a list of names could</source>
        <translation>zawiera więcej tekstu, niż mogłaby mieć lista nazw</translation>
    </message>
    <message>
        <source>its XML is broken: %1</source>
        <translation>jego XML jest uszkodzony: %1</translation>
    </message>
</context>
<context>
    <name>voxtrel::ChangePreviewDialog</name>
    <message numerus="yes">
        <source>The list renames %n name. Nothing changes until you apply it.</source>
        <translation>
            <numerusform>Lista zmienia %n nazwę. Nic się nie zmieni, dopóki jej nie zastosujesz.</numerusform>
            <numerusform>Lista zmienia %n nazwy. Nic się nie zmieni, dopóki jej nie zastosujesz.</numerusform>
            <numerusform>Lista zmienia %n nazw. Nic się nie zmieni, dopóki jej nie zastosujesz.</numerusform>
        </translation>
    </message>
    <message>
        <source>Index</source>
        <translation>Indeks</translation>
    </message>
    <message>
        <source>Current name</source>
        <translation>Bieżąca nazwa</translation>
    </message>
    <message>
        <source>New name</source>
        <translation>Nowa nazwa</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>Z&amp;astosuj</translation>
    </message>
    <message>
        <source>Looks like %1 a spreadsheet made of &quot;%2&quot;</source>
        <translation>Wygląda na %1, które arkusz kalkulacyjny zrobił z „%2”</translation>
    </message>
    <message>
        <source>&amp;Replace characters the code page cannot hold</source>
        <translation>Zastąp &amp;znaki, których strona kodowa nie obsługuje</translation>
    </message>
    <message>
        <source>The &amp;marked names look converted by a spreadsheet (&quot;0123&quot; as &quot;123&quot;); apply them all the same</source>
        <translation>&amp;Oznaczone nazwy wyglądają na przekształcone przez arkusz kalkulacyjny („0123” jako „123”); zastosuj je mimo to</translation>
    </message>
</context>
<context>
    <name>voxtrel::CodePage</name>
    <message>
        <source>Central European</source>
        <translation>Środkowoeuropejska</translation>
    </message>
    <message>
        <source>Cyrillic</source>
        <translation>Cyrylica</translation>
    </message>
    <message>
        <source>Western</source>
        <translation>Zachodnia</translation>
    </message>
    <message>
        <source>Greek</source>
        <translation>Grecka</translation>
    </message>
    <message>
        <source>Turkish</source>
        <translation>Turecka</translation>
    </message>
    <message>
        <source>Baltic</source>
        <translation>Bałtycka</translation>
    </message>
    <message>
        <source>Hebrew</source>
        <translation>Hebrajska</translation>
    </message>
    <message>
        <source>Arabic</source>
        <translation>Arabska</translation>
    </message>
    <message>
        <source>Vietnamese</source>
        <translation>Wietnamska</translation>
    </message>
    <message>
        <source>Thai</source>
        <translation>Tajska</translation>
    </message>
</context>
<context>
    <name>voxtrel::Command</name>
    <message>
        <source>The command.</source>
        <translation>Polecenie.</translation>
    </message>
    <message>
        <source>%1: --encoding-of takes FILE=ENCODING, FILE one of the files given (or its bare name) and ENCODING one of %2; not &quot;%3&quot;.</source>
        <translation>%1: --encoding-of przyjmuje FILE=ENCODING, gdzie FILE to jeden z podanych plików (lub jego sama nazwa), a ENCODING jedno z: %2; nie „%3”.</translation>
    </message>
    <message>
        <source>
--force applies them all the same.</source>
        <translation>
--force i tak je zastosuje.</translation>
    </message>
    <message>
        <source>Warning: %1: its names read as %2 look unlikely; it is more likely %3 (--encoding-of %4=%3).</source>
        <translation>Ostrzeżenie: %1: jego nazwy odczytane jako %2 wyglądają nieprawdopodobnie; bardziej prawdopodobne jest %3 (--encoding-of %4=%3).</translation>
    </message>
    <message numerus="yes">
        <source>%n name</source>
        <translation>
            <numerusform>%n nazwa</numerusform>
            <numerusform>%n nazwy</numerusform>
            <numerusform>%n nazw</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n names</source>
        <translation>
            <numerusform>%n nazwa</numerusform>
            <numerusform>%n nazwy</numerusform>
            <numerusform>%n nazw</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: --format takes xlsx or csv, not &quot;%2&quot;.</source>
        <translation>%1: --format przyjmuje xlsx lub csv, nie „%2”.</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; has an extension this program does not write. The formats are .csv, .xlsx and - (CSV on standard output); --format csv or --format xlsx writes that format whatever the name.</source>
        <translation>%1: „%2” ma rozszerzenie, którego ten program nie zapisuje. Formaty to .csv, .xlsx i - (CSV na standardowe wyjście); --format csv lub --format xlsx zapisuje ten format niezależnie od nazwy.</translation>
    </message>
    <message>
        <source>Write the %1 to OUT instead of standard output (-): OUT.xlsx a workbook, OUT.csv (or a name without an extension) CSV; any other extension is refused unless --format says which to write. A FIFO or a device is written as a stream; a name file read is refused.</source>
        <translation>Zapisz %1 do OUT zamiast na standardowe wyjście (-): OUT.xlsx to skoroszyt, OUT.csv (lub nazwa bez rozszerzenia) to CSV; każde inne rozszerzenie jest odrzucane, chyba że --format mówi, co zapisać. FIFO lub urządzenie jest zapisywane jako strumień; odczytywany plik nazw jest odrzucany.</translation>
    </message>
    <message>
        <source>xlsx or csv; without it, chosen by OUT&apos;s extension (CSV for standard output).</source>
        <translation>xlsx lub csv; bez tej opcji wybierany według rozszerzenia OUT (CSV dla standardowego wyjścia).</translation>
    </message>
    <message>
        <source>Apply a patch&apos;s rows whose name is not what its &quot;was&quot; column says (a conflict), and rows whose new name looks like what a spreadsheet made of the name (&quot;0123&quot; as &quot;123&quot;), all the same. It does not write over a file that changed while it was being read.</source>
        <translation>Zastosuj mimo to wiersze łatki, których nazwa nie jest taka, jak mówi kolumna „was” (konflikt), oraz wiersze, których nowa nazwa wygląda na to, co arkusz kalkulacyjny zrobił z nazwy („0123” jako „123”). Nie nadpisuje pliku, który zmienił się w trakcie odczytu.</translation>
    </message>
    <message>
        <source>Replace each character the code page cannot hold by its Latin letters (a Polish L with a stroke by L, a Cyrillic letter by its transliteration), listing every replacement, instead of refusing the list.</source>
        <translation>Zastąp każdy znak, którego strona kodowa nie obsługuje, jego literami łacińskimi (polskie Ł przez L, literę cyrylicy przez jej transliterację), wypisując każde zastąpienie, zamiast odrzucać listę.</translation>
    </message>
    <message>
        <source>The code page of one FILE (as given, or its bare name); may be given again for each. A FILE without one takes the code page the editor last used for its name, then --encoding.</source>
        <translation>Strona kodowa jednego pliku FILE (jak podano lub sama nazwa); można ją podać ponownie dla każdego. Plik FILE bez niej dostaje stronę kodową, której edytor ostatnio użył dla jego nazwy, a potem --encoding.</translation>
    </message>
    <message>
        <source>The code page of the names in %1, for the language version: %2. The default is windows-1252.</source>
        <translation>Strona kodowa nazw w %1, zależnie od wersji językowej: %2. Domyślnie windows-1252.</translation>
    </message>
    <message>
        <source>Run &quot;%1 %2 --help&quot; for its usage.</source>
        <translation>Użycie: „%1 %2 --help”.</translation>
    </message>
    <message>
        <source>%1: %2 needs %3: %4</source>
        <translation>%1: %2 wymaga %3: %4</translation>
    </message>
    <message>
        <source>%1: %2 takes only %3: %4</source>
        <translation>%1: %2 przyjmuje tylko %3: %4</translation>
    </message>
    <message>
        <source>%1: unknown encoding &quot;%2&quot;. Supported: %3</source>
        <translation>%1: nieznane kodowanie „%2”. Obsługiwane: %3</translation>
    </message>
</context>
<context>
    <name>voxtrel::CompareMarks</name>
    <message>
        <source>&amp;Compare with file...</source>
        <translation>&amp;Porównaj z plikiem...</translation>
    </message>
    <message>
        <source>Export &amp;differences...</source>
        <translation>Eksportuj &amp;różnice...</translation>
    </message>
    <message>
        <source>Next &amp;difference</source>
        <translation>Następna &amp;różnica</translation>
    </message>
    <message>
        <source>Previous difference</source>
        <translation>Poprzednia różnica</translation>
    </message>
    <message>
        <source>Compare with file</source>
        <translation>Porównaj z plikiem</translation>
    </message>
    <message numerus="yes">
        <source>%n name differs from %1 (F7: next, Shift+F7: previous)%2</source>
        <translation>
            <numerusform>%n nazwa różni się od %1 (F7: następna, Shift+F7: poprzednia)%2</numerusform>
            <numerusform>%n nazwy różnią się od %1 (F7: następna, Shift+F7: poprzednia)%2</numerusform>
            <numerusform>%n nazw różni się od %1 (F7: następna, Shift+F7: poprzednia)%2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n names differ from %1 (F7: next, Shift+F7: previous)%2</source>
        <translation>
            <numerusform>%n nazwa różni się od %1 (F7: następna, Shift+F7: poprzednia)%2</numerusform>
            <numerusform>%n nazwy różnią się od %1 (F7: następna, Shift+F7: poprzednia)%2</numerusform>
            <numerusform>%n nazw różni się od %1 (F7: następna, Shift+F7: poprzednia)%2</numerusform>
        </translation>
    </message>
    <message>
        <source> · record %1 there: &quot;%2&quot;</source>
        <translation> · tam rekord %1: „%2”</translation>
    </message>
    <message>
        <source>Compare with a file first (Menu &gt; Compare with file...).</source>
        <translation>Najpierw porównaj z plikiem (Menu &gt; Porównaj z plikiem...).</translation>
    </message>
    <message>
        <source>Export a patch that turns %1 into %2 (it applies the renames of the open file), or one that turns %2 into %1?</source>
        <translation>Wyeksportować łatkę, która zmienia %1 w %2 (stosuje zmiany nazw otwartego pliku), czy taką, która zmienia %2 w %1?</translation>
    </message>
    <message>
        <source>&amp;Turns %1 into %2</source>
        <translation>&amp;Zmienia %1 w %2</translation>
    </message>
    <message>
        <source>Turns %1 &amp;into %2</source>
        <translation>Zmienia %1 &amp;w %2</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Export differences</source>
        <translation>Eksportuj różnice</translation>
    </message>
    <message>
        <source>%1 differences exported to &quot;%2&quot;.</source>
        <translation>Różnice (%1) wyeksportowano do „%2”.</translation>
    </message>
    <message>
        <source>The differences were not exported:
%1</source>
        <translation>Nie wyeksportowano różnic:
%1</translation>
    </message>
</context>
<context>
    <name>voxtrel::DiffCommand</name>
    <message>
        <source>Write the names that differ as a patch.</source>
        <translation>Zapisz różniące się nazwy jako łatkę.</translation>
    </message>
    <message>
        <source>Compares the name files OLD and NEW and writes one row per record whose name differs: its index, NEW&apos;s name and OLD&apos;s (column &quot;was&quot;), in index order. Apply the patch to other files with import or apply: a row changes a name only where it is still OLD&apos;s; a name that was empty in OLD has an empty &quot;was&quot;, which guards an empty name. Says on standard error how many differ.</source>
        <translation>Porównuje pliki nazw OLD i NEW i zapisuje jeden wiersz dla każdego rekordu, którego nazwa się różni: jego indeks, nazwę z NEW i nazwę z OLD (kolumna „was”), w kolejności indeksów. Zastosuj łatkę do innych plików poleceniem import lub apply: wiersz zmienia nazwę tylko tam, gdzie nadal jest taka jak w OLD; nazwa pusta w OLD ma puste „was”, które chroni pustą nazwę. Na standardowym wyjściu błędów podaje, ile nazw się różni.</translation>
    </message>
    <message>
        <source>The name file as it was, such as the game&apos;s own.</source>
        <translation>Plik nazw w pierwotnej postaci, na przykład ten z gry.</translation>
    </message>
    <message>
        <source>The name file with the renames.</source>
        <translation>Plik nazw ze zmienionymi nazwami.</translation>
    </message>
    <message>
        <source>two name files, the old and the new</source>
        <translation>dwóch plików nazw, starego i nowego</translation>
    </message>
    <message>
        <source>OLD and NEW</source>
        <translation>OLD i NEW</translation>
    </message>
</context>
<context>
    <name>voxtrel::DocumentController</name>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Otwórz</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Zapisz</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Zapisz &amp;jako...</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>Za&amp;kończ</translation>
    </message>
    <message>
        <source>Otwórz plik buttów</source>
        <translation>Otwórz plik buttów</translation>
    </message>
    <message>
        <source>unnamed_1846.bin (*.bin)|*.bin| Wszystkie pliki (*.*)|*.*</source>
        <translation>unnamed_1846.bin (*.bin)|*.bin| Wszystkie pliki (*.*)|*.*</translation>
    </message>
    <message>
        <source>A file wasn&apos;t chosen  !!</source>
        <translation>Nie wybrano pliku  !!</translation>
    </message>
    <message>
        <source>Mistake of loading the file </source>
        <translation>Błąd wczytywania pliku </translation>
    </message>
    <message>
        <source>A Mistake Appeared </source>
        <translation>Wystąpił błąd </translation>
    </message>
    <message>
        <source> [read-only]</source>
        <translation> [tylko do odczytu]</translation>
    </message>
    <message>
        <source>Names shown in %1 (%2).</source>
        <translation>Nazwy pokazane w %1 (%2).</translation>
    </message>
    <message>
        <source>The names in %1 have changed. Save the changes?</source>
        <translation>Nazwy w %1 zostały zmienione. Zapisać zmiany?</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>Zapisz plik</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Zapisz jako</translation>
    </message>
</context>
<context>
    <name>voxtrel::EditorMain</name>
    <message>
        <source>Qt: the widget style, such as Fusion (also -style=STYLE).</source>
        <translation>Qt: styl kontrolek, na przykład Fusion (także -style=STYLE).</translation>
    </message>
    <message>
        <source>Qt: a style sheet file for the window, such as one of high contrast.</source>
        <translation>Qt: plik arkusza stylów okna, na przykład o wysokim kontraście.</translation>
    </message>
    <message>
        <source>Qt: the platform plugin, such as xcb, wayland or offscreen.</source>
        <translation>Qt: wtyczka platformy, na przykład xcb, wayland lub offscreen.</translation>
    </message>
    <message>
        <source>Qt: lay the window out right to left.</source>
        <translation>Qt: układ okna od prawej do lewej.</translation>
    </message>
    <message>
        <source>Edits the names of a game&apos;s compressed name file.</source>
        <translation>Edytuje nazwy skompresowanego pliku nazw gry.</translation>
    </message>
    <message>
        <source>A compressed name file to open, such as unnamed_1846.bin; a relative path is taken from the current folder.</source>
        <translation>Skompresowany plik nazw do otwarcia, na przykład unnamed_1846.bin; ścieżka względna liczy się od bieżącego folderu.</translation>
    </message>
    <message>
        <source>Forget what the editor remembers: the window&apos;s place, the last folder, the code page of each file name.</source>
        <translation>Zapomnij, co pamięta edytor: położenie okna, ostatni folder, stronę kodową każdej nazwy pliku.</translation>
    </message>
</context>
<context>
    <name>voxtrel::ExportCommand</name>
    <message>
        <source>Write FILE&apos;s names as a list.</source>
        <translation>Zapisz nazwy z FILE jako listę.</translation>
    </message>
    <message>
        <source>Writes the names of the compressed name file FILE as a list: a header row &quot;index,name&quot;, then one row per name. OUT.xlsx is a workbook for spreadsheets, its names in a column formatted as Text; anything else is CSV (UTF-8), for scripts, diffs and version control.</source>
        <translation>Zapisuje nazwy ze skompresowanego pliku nazw FILE jako listę: wiersz nagłówka „index,name”, a potem jeden wiersz na nazwę. OUT.xlsx to skoroszyt dla arkuszy kalkulacyjnych, z nazwami w kolumnie sformatowanej jako Tekst; wszystko inne to CSV (UTF-8) dla skryptów, porównań i systemów kontroli wersji.</translation>
    </message>
    <message>
        <source>The compressed name file.</source>
        <translation>Skompresowany plik nazw.</translation>
    </message>
    <message>
        <source>a name file</source>
        <translation>pliku nazw</translation>
    </message>
</context>
<context>
    <name>voxtrel::FileLock</name>
    <message>
        <source>%1 is locked by %2; nothing written</source>
        <translation>%1 jest zablokowany przez %2; nic nie zapisano</translation>
    </message>
    <message>
        <source>another program</source>
        <translation>inny program</translation>
    </message>
    <message>
        <source>The save was cancelled while %1 was locked; nothing written</source>
        <translation>Zapis anulowano, gdy %1 był zablokowany; nic nie zapisano</translation>
    </message>
</context>
<context>
    <name>voxtrel::FileTypes</name>
    <message>
        <source>Name files (*.bin);;All files (*)</source>
        <translation>Pliki nazw (*.bin);;Wszystkie pliki (*)</translation>
    </message>
    <message>
        <source>Workbooks (*.xlsx);;CSV lists (*.csv);;All files (*)</source>
        <translation>Skoroszyty (*.xlsx);;Listy CSV (*.csv);;Wszystkie pliki (*)</translation>
    </message>
    <message>
        <source>Name lists (*.xlsx *.csv);;All files (*)</source>
        <translation>Listy nazw (*.xlsx *.csv);;Wszystkie pliki (*)</translation>
    </message>
</context>
<context>
    <name>voxtrel::ImportCommand</name>
    <message>
        <source>Rename the names a list holds, and save FILE.</source>
        <translation>Zmień nazwy z listy i zapisz FILE.</translation>
    </message>
    <message>
        <source>Renames the names that the list NAMES holds and saves FILE where it is. Every row is checked first: if any is wrong, nothing changes.</source>
        <translation>Zmienia nazwy zawarte w liście NAMES i zapisuje FILE w miejscu. Każdy wiersz jest najpierw sprawdzany: jeśli któryś jest błędny, nic się nie zmienia.</translation>
    </message>
    <message>
        <source>The compressed name file to change.</source>
        <translation>Skompresowany plik nazw do zmiany.</translation>
    </message>
    <message>
        <source>The list: a header row &quot;index,name&quot;, then any of the rows of an export (a patch adds a column &quot;was&quot;: a row applies only where the name is still what it was; an empty &quot;was&quot; guards an empty name, so such a row applies only where the name is empty), as a workbook (.xlsx, its first visible sheet) or as CSV (UTF-8, or UTF-16 with its mark; fields between commas, semicolons or tabs). - reads it from standard input. Rows whose new name looks like what a spreadsheet makes of the name (&quot;0123&quot; as &quot;123&quot;, &quot;00:30&quot; as &quot;12:30:00 AM&quot;) are refused unless --force.</source>
        <translation>Lista: wiersz nagłówka „index,name”, a potem dowolne wiersze eksportu (łatka dodaje kolumnę „was”: wiersz działa tylko tam, gdzie nazwa jest nadal taka, jaka była; puste „was” chroni pustą nazwę, więc taki wiersz działa tylko tam, gdzie nazwa jest pusta), jako skoroszyt (.xlsx, jego pierwszy widoczny arkusz) lub jako CSV (UTF-8 albo UTF-16 ze znacznikiem; pola rozdzielone przecinkami, średnikami lub tabulatorami). - czyta ją ze standardowego wejścia. Wiersze, których nowa nazwa wygląda na to, co arkusz kalkulacyjny robi z nazwy („0123” jako „123”, „00:30” jako „12:30:00 AM”), są odrzucane bez --force.</translation>
    </message>
    <message>
        <source>a name file and a list</source>
        <translation>pliku nazw i listy</translation>
    </message>
    <message>
        <source>Print what would change, and write nothing.</source>
        <translation>Wypisz, co by się zmieniło, i nic nie zapisuj.</translation>
    </message>
    <message>
        <source>Save FILE even if another program changed it while it was being read; without it, such a file is left as the other program wrote it and the import fails.</source>
        <translation>Zapisz FILE, nawet jeśli inny program zmienił go w trakcie odczytu; bez tej opcji taki plik zostaje taki, jak zapisał go tamten program, a import się nie udaje.</translation>
    </message>
    <message>
        <source>No name changes; %1 was not written.</source>
        <translation>Brak zmian nazw; %1 nie został zapisany.</translation>
    </message>
    <message>
        <source>%1 would change; dry run, nothing was written.</source>
        <translation>Zmieniłoby się: %1; próba, nic nie zapisano.</translation>
    </message>
    <message>
        <source>%1 changed; %2 saved%3.</source>
        <translation>Zmieniono: %1; zapisano %2%3.</translation>
    </message>
</context>
<context>
    <name>voxtrel::ImportPlan</name>
    <message>
        <source>index %1: %2 → %3</source>
        <translation>indeks %1: %2 → %3</translation>
    </message>
    <message>
        <source>The same file is given twice.</source>
        <translation>Ten sam plik podano dwa razy.</translation>
    </message>
    <message>
        <source>It is the file open in the editor; Import names... applies a list to it.</source>
        <translation>To plik otwarty w edytorze; Importuj nazwy... stosuje do niego listę.</translation>
    </message>
</context>
<context>
    <name>voxtrel::Links</name>
    <message>
        <source>Made by kicker_quill</source>
        <translation>Autor: kicker_quill</translation>
    </message>
</context>
<context>
    <name>voxtrel::ListCommands</name>
    <message>
        <source>&amp;Export names...</source>
        <translation>&amp;Eksportuj nazwy...</translation>
    </message>
    <message>
        <source>&amp;Import names...</source>
        <translation>&amp;Importuj nazwy...</translation>
    </message>
    <message>
        <source>Export names</source>
        <translation>Eksportuj nazwy</translation>
    </message>
    <message>
        <source>The names were not exported:
%1</source>
        <translation>Nie wyeksportowano nazw:
%1</translation>
    </message>
    <message>
        <source>%1 names exported to &quot;%2&quot;.</source>
        <translation>Nazwy (%1) wyeksportowano do „%2”.</translation>
    </message>
    <message>
        <source>Import names</source>
        <translation>Importuj nazwy</translation>
    </message>
    <message>
        <source>The name list changes no name.</source>
        <translation>Lista nazw nie zmienia żadnej nazwy.</translation>
    </message>
    <message numerus="yes">
        <source>%n names changed. Save writes them to the file.</source>
        <translation>
            <numerusform>Zmieniono %n nazwę. Zapisz zapisuje ją w pliku.</numerusform>
            <numerusform>Zmieniono %n nazwy. Zapisz zapisuje je w pliku.</numerusform>
            <numerusform>Zmieniono %n nazw. Zapisz zapisuje je w pliku.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>voxtrel::ListFormats</name>
    <message>
        <source>The name list formats could not be loaded: %1</source>
        <translation>Nie udało się wczytać formatów list nazw: %1</translation>
    </message>
</context>
<context>
    <name>voxtrel::LockHolder</name>
    <message>
        <source>another program</source>
        <translation>inny program</translation>
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
        <translation>Czekanie</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>%1 is locked by %2. Waiting for it...</source>
        <translation>%1 jest zablokowany przez %2. Czekam...</translation>
    </message>
    <message>
        <source>another program</source>
        <translation>inny program</translation>
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
        <translation>1)Inna wersja-unnamed_1845.bin

2)Wersja angielska-unnamed_1846.bin

3)Inna wersja-unnamed_1847.bin

4)Inna wersja-unnamed_1848.bin

5)Inna wersja-unnamed_1849.bin

6)Inna wersja-unnamed_1850.bin

7)Inna wersja-unnamed_1852.bin

8)Inna wersja-unnamed_1853.bin

9)Inna wersja-unnamed_1854.bin</translation>
    </message>
    <message>
        <source>Quick Save</source>
        <translation>Szybki zapis</translation>
    </message>
    <message>
        <source>Voxtrel banner</source>
        <translation>Baner Voxtrel</translation>
    </message>
    <message>
        <source>Football pitch with a ball, and GOAL!</source>
        <translation>Boisko z piłką i GOAL!</translation>
    </message>
    <message>
        <source>Names</source>
        <translation>Nazwy</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Szukaj</translation>
    </message>
    <message>
        <source>Search...</source>
        <translation>Szukaj...</translation>
    </message>
    <message>
        <source>Show only the names that hold the search text (Ctrl+Shift+F)</source>
        <translation>Pokaż tylko nazwy zawierające szukany tekst (Ctrl+Shift+F)</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filtr</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nazwa</translation>
    </message>
    <message>
        <source>File dt0f.img</source>
        <translation>Plik dt0f.img</translation>
    </message>
</context>
<context>
    <name>voxtrel::MainMenus</name>
    <message>
        <source>&amp;Menu</source>
        <translation>&amp;Menu</translation>
    </message>
    <message>
        <source>E&amp;ncoding</source>
        <translation>Kodowa&amp;nie</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Edycja</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;O programie</translation>
    </message>
    <message>
        <source>&amp;Visit</source>
        <translation>&amp;Odwiedź</translation>
    </message>
</context>
<context>
    <name>voxtrel::NameCsv</name>
    <message>
        <source>line %1: a quote inside a field that is not quoted, or text after a closing quote</source>
        <translation>wiersz %1: cudzysłów w polu bez cudzysłowów lub tekst po zamykającym cudzysłowie</translation>
    </message>
    <message>
        <source>line %1: a quoted field is never closed</source>
        <translation>wiersz %1: pole w cudzysłowie nie jest nigdy zamknięte</translation>
    </message>
    <message>
        <source>The file ends in half a UTF-16 character: it was cut short or is not UTF-16 text.</source>
        <translation>Plik kończy się połową znaku UTF-16: został ucięty lub nie jest tekstem UTF-16.</translation>
    </message>
    <message>
        <source>line %1: half of a UTF-16 surrogate pair stands alone; the text is broken.</source>
        <translation>wiersz %1: połowa pary zastępczej UTF-16 stoi osobno; tekst jest uszkodzony.</translation>
    </message>
    <message>
        <source>It is UTF-16 text without a byte-order mark; save it as UTF-8 CSV and import it again.</source>
        <translation>To tekst UTF-16 bez znacznika kolejności bajtów; zapisz go jako CSV w UTF-8 i zaimportuj ponownie.</translation>
    </message>
    <message>
        <source>line %1: it is not UTF-8 text; save it as UTF-8 CSV and import it again.</source>
        <translation>wiersz %1: to nie jest tekst UTF-8; zapisz go jako CSV w UTF-8 i zaimportuj ponownie.</translation>
    </message>
</context>
<context>
    <name>voxtrel::NameDocument</name>
    <message>
        <source>The working folder cannot take a copy of &quot;%1&quot;: %2</source>
        <translation>Folder roboczy nie może przyjąć kopii „%1”: %2</translation>
    </message>
    <message>
        <source>Decompressing %1...</source>
        <translation>Dekompresja %1...</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; could not be decompressed:
%2</source>
        <translation>Nie udało się zdekompresować pliku „%1”:
%2</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; could not be loaded:
%2</source>
        <translation>Nie udało się wczytać pliku „%1”:
%2</translation>
    </message>
    <message>
        <source>Import %1 names</source>
        <translation>Import nazw: %1</translation>
    </message>
    <message>
        <source>No name file is open.</source>
        <translation>Nie otwarto żadnego pliku nazw.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was changed on disk since it was read: %2</source>
        <translation>„%1” zmienił się na dysku od odczytu: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was changed on disk since it was read.</source>
        <translation>„%1” zmienił się na dysku od odczytu.</translation>
    </message>
    <message>
        <source>The working file could not be written:
%1</source>
        <translation>Nie udało się zapisać pliku roboczego:
%1</translation>
    </message>
    <message>
        <source>Compressing %1...</source>
        <translation>Kompresja %1...</translation>
    </message>
    <message>
        <source>The compression tool left no compressed file.</source>
        <translation>Narzędzie kompresji nie zostawiło skompresowanego pliku.</translation>
    </message>
    <message>
        <source>The compressed file could not be checked: the working folder refused a rename.</source>
        <translation>Nie udało się sprawdzić skompresowanego pliku: folder roboczy odmówił zmiany nazwy.</translation>
    </message>
    <message>
        <source>Checking %1...</source>
        <translation>Sprawdzanie %1...</translation>
    </message>
    <message>
        <source>The compressed file could not be checked:
%1</source>
        <translation>Nie udało się sprawdzić skompresowanego pliku:
%1</translation>
    </message>
    <message>
        <source>The compressed file does not decompress to the names written.</source>
        <translation>Skompresowany plik nie dekompresuje się do zapisanych nazw.</translation>
    </message>
    <message>
        <source>The file is marked read-only; Save As writes the names to another file.</source>
        <translation>Plik jest oznaczony jako tylko do odczytu; Zapisz jako zapisuje nazwy w innym pliku.</translation>
    </message>
    <message>
        <source>You may not write this file; Save As writes the names to another file.</source>
        <translation>Nie masz prawa zapisu tego pliku; Zapisz jako zapisuje nazwy w innym pliku.</translation>
    </message>
</context>
<context>
    <name>voxtrel::NameEditor</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Cofnij</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Ponów</translation>
    </message>
    <message>
        <source>Re&amp;vert name</source>
        <translation>Przywróć &amp;nazwę</translation>
    </message>
    <message>
        <source>Name.</source>
        <translation>Nazwa.</translation>
    </message>
    <message>
        <source>A name holds at most %1 characters.</source>
        <translation>Nazwa ma co najwyżej %1 znaków.</translation>
    </message>
</context>
<context>
    <name>voxtrel::NameFileSize</name>
    <message>
        <source>%1 is %2 bytes when decompressed; a name file is %3 bytes.</source>
        <translation>%1 po dekompresji ma %2 bajtów; plik nazw ma %3 bajtów.</translation>
    </message>
</context>
<context>
    <name>voxtrel::NameList</name>
    <message>
        <source>&amp;Find</source>
        <translation>&amp;Znajdź</translation>
    </message>
    <message>
        <source>Fi&amp;lter names</source>
        <translation>&amp;Filtruj nazwy</translation>
    </message>
    <message>
        <source>No name starts with &apos;%1&apos;</source>
        <translation>Żadna nazwa nie zaczyna się od „%1”</translation>
    </message>
    <message>
        <source>No name contains &apos;%1&apos;</source>
        <translation>Żadna nazwa nie zawiera „%1”</translation>
    </message>
</context>
<context>
    <name>voxtrel::NameListModel</name>
    <message>
        <source>Renamed, not saved</source>
        <translation>Zmieniona, niezapisana</translation>
    </message>
</context>
<context>
    <name>voxtrel::NameLists</name>
    <message>
        <source>standard input</source>
        <translation>standardowe wejście</translation>
    </message>
    <message>
        <source>The name list %1 is larger than 4 MiB; a list of 1209 names is far smaller.</source>
        <translation>Lista nazw %1 jest większa niż 4 MiB; lista 1209 nazw jest znacznie mniejsza.</translation>
    </message>
    <message>
        <source>The name list was not read: %1</source>
        <translation>Nie odczytano listy nazw: %1</translation>
    </message>
    <message>
        <source>The name list %1 is empty.</source>
        <translation>Lista nazw %1 jest pusta.</translation>
    </message>
</context>
<context>
    <name>voxtrel::NameRows</name>
    <message>
        <source>the name holds a line break</source>
        <translation>nazwa zawiera podział wiersza</translation>
    </message>
    <message>
        <source>the name holds the control character %1</source>
        <translation>nazwa zawiera znak sterujący %1</translation>
    </message>
    <message>
        <source>the name has %1 characters; a name holds at most %2</source>
        <translation>nazwa ma %1 znaków; nazwa ma co najwyżej %2</translation>
    </message>
    <message>
        <source>%1 cannot be written in %2</source>
        <translation>%1 nie da się zapisać w %2</translation>
    </message>
    <message>
        <source>a number</source>
        <translation>liczbę</translation>
    </message>
    <message>
        <source>a formula</source>
        <translation>formułę</translation>
    </message>
    <message>
        <source>an error value</source>
        <translation>wartość błędu</translation>
    </message>
    <message>
        <source>TRUE or FALSE</source>
        <translation>PRAWDA lub FAŁSZ</translation>
    </message>
    <message>
        <source>a date</source>
        <translation>datę</translation>
    </message>
    <message>
        <source>text</source>
        <translation>tekst</translation>
    </message>
    <message>
        <source>line %1</source>
        <translation>wiersz %1</translation>
    </message>
    <message>
        <source>row %1</source>
        <translation>wiersz %1</translation>
    </message>
    <message>
        <source>the header must be &quot;index,name&quot; (or &quot;index,name,was&quot;)</source>
        <translation>nagłówek musi brzmieć „index,name” (lub „index,name,was”)</translation>
    </message>
    <message>
        <source>a column is missing (expected %1)</source>
        <translation>brakuje kolumny (oczekiwano %1)</translation>
    </message>
    <message>
        <source>an extra column (expected %1)</source>
        <translation>nadmiarowa kolumna (oczekiwano %1)</translation>
    </message>
    <message>
        <source>the index &quot;%1&quot; is not a whole number</source>
        <translation>indeks „%1” nie jest liczbą całkowitą</translation>
    </message>
    <message>
        <source>the index %1 is out of range: the file has no names</source>
        <translation>indeks %1 jest poza zakresem: plik nie ma nazw</translation>
    </message>
    <message>
        <source>the index %1 is out of range (0 to %2)</source>
        <translation>indeks %1 jest poza zakresem (od 0 do %2)</translation>
    </message>
    <message>
        <source>the index %1 is also on %2</source>
        <translation>indeks %1 występuje też w: %2</translation>
    </message>
    <message>
        <source>the name cell holds %1, not text; format the name column as Text and type the name again</source>
        <translation>komórka nazwy zawiera %1, a nie tekst; sformatuj kolumnę nazw jako Tekst i wpisz nazwę ponownie</translation>
    </message>
    <message>
        <source>the name has more than %1 characters; a name holds at most %1</source>
        <translation>nazwa ma więcej niż %1 znaków; nazwa ma co najwyżej %1</translation>
    </message>
    <message>
        <source>the name is not UTF-8 text; save the list as UTF-8 CSV</source>
        <translation>nazwa nie jest tekstem UTF-8; zapisz listę jako CSV w UTF-8</translation>
    </message>
    <message>
        <source>the former name is not UTF-8 text</source>
        <translation>poprzednia nazwa nie jest tekstem UTF-8</translation>
    </message>
    <message>
        <source>%1: index %2: expected &quot;%3&quot;, found &quot;%4&quot;</source>
        <translation>%1: indeks %2: oczekiwano „%3”, jest „%4”</translation>
    </message>
    <message>
        <source>%1: index %2: &quot;%3&quot; → &quot;%4&quot; looks like %5</source>
        <translation>%1: indeks %2: „%3” → „%4” wygląda na %5</translation>
    </message>
    <message>
        <source>The name list was refused; no name was changed.
</source>
        <translation>Lista nazw została odrzucona; żadna nazwa nie została zmieniona.
</translation>
    </message>
    <message>
        <source>the header &quot;index,name&quot; is missing</source>
        <translation>brak nagłówka „index,name”</translation>
    </message>
    <message>
        <source>1 name looks converted by a spreadsheet, not renamed</source>
        <translation>1 nazwa wygląda na przekształconą przez arkusz kalkulacyjny, a nie zmienioną</translation>
    </message>
    <message>
        <source>%1 names look converted by a spreadsheet, not renamed</source>
        <translation>Nazwy wyglądające na przekształcone przez arkusz kalkulacyjny, a nie zmienione: %1</translation>
    </message>
    <message>
        <source>; no name was changed:
</source>
        <translation>; żadna nazwa nie została zmieniona:
</translation>
    </message>
    <message>
        <source>
... and %1 more.</source>
        <translation>
... i jeszcze %1.</translation>
    </message>
    <message>
        <source>
A spreadsheet that opens a CSV list turns names that look like numbers, dates, times or formulas into values. Export the names as .xlsx, whose name column is Text, and edit that instead.</source>
        <translation>
Arkusz kalkulacyjny, który otwiera listę CSV, zamienia nazwy wyglądające jak liczby, daty, godziny lub formuły w wartości. Wyeksportuj nazwy jako .xlsx, którego kolumna nazw jest tekstowa, i edytuj ten plik.</translation>
    </message>
    <message>
        <source>1 name is not what the patch says it was</source>
        <translation>1 nazwa nie jest taka, jaka według łatki była</translation>
    </message>
    <message>
        <source>%1 names are not what the patch says they were</source>
        <translation>Nazwy inne, niż według łatki były: %1</translation>
    </message>
    <message>
        <source>
... and %1 more lines with faults.</source>
        <translation>
... i jeszcze błędne wiersze: %1.</translation>
    </message>
</context>
<context>
    <name>voxtrel::NameWorkbook</name>
    <message>
        <source>the written workbook cannot be opened again</source>
        <translation>zapisanego skoroszytu nie da się ponownie otworzyć</translation>
    </message>
    <message>
        <source>the written sheet cannot be read again</source>
        <translation>zapisanego arkusza nie da się ponownie odczytać</translation>
    </message>
    <message>
        <source>the written sheet cannot be replaced</source>
        <translation>zapisanego arkusza nie da się zastąpić</translation>
    </message>
    <message>
        <source>the written workbook cannot be closed</source>
        <translation>zapisanego skoroszytu nie da się zamknąć</translation>
    </message>
    <message>
        <source>No workbook can be made in the working folder: %1</source>
        <translation>W folderze roboczym nie można utworzyć skoroszytu: %1</translation>
    </message>
    <message>
        <source>No workbook can be made in the working folder.</source>
        <translation>W folderze roboczym nie można utworzyć skoroszytu.</translation>
    </message>
    <message>
        <source>The workbook could not be written: %1</source>
        <translation>Nie udało się zapisać skoroszytu: %1</translation>
    </message>
    <message>
        <source>The workbook could not be written: %1.</source>
        <translation>Nie udało się zapisać skoroszytu: %1.</translation>
    </message>
    <message>
        <source>The workbook could not be read back: %1</source>
        <translation>Nie udało się odczytać skoroszytu z powrotem: %1</translation>
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
        <translation>Użycie: voxtrel-names &lt;polecenie&gt; [opcje]
Wyjmuje nazwy ze skompresowanego pliku nazw jako listę, wstawia je z powrotem
i przenosi zmiany nazw między plikami jako łatki.

Polecenia:
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
„voxtrel-names &lt;polecenie&gt; --help” pokazuje opcje polecenia,
a „man voxtrel-names” formaty list i przykłady.
Kody wyjścia: 0 gotowe; 1 błąd: nic nie zapisano, chyba że po podwójnym
błędzie (zapis w miejscu i przywrócenie dawnych bajtów nie powiodły się),
gdy komunikat podaje zachowaną kopię dawnych bajtów, oraz przy apply,
którego ostatni wiersz podaje pliki zapisane i niezapisane;
2 błąd użycia.
</translation>
    </message>
    <message>
        <source>voxtrel-names: no command given.
</source>
        <translation>voxtrel-names: nie podano polecenia.
</translation>
    </message>
    <message>
        <source>voxtrel-names: unknown command &quot;%1&quot;.
</source>
        <translation>voxtrel-names: nieznane polecenie „%1”.
</translation>
    </message>
</context>
<context>
    <name>voxtrel::PlainFile</name>
    <message>
        <source>cannot read %1: %2</source>
        <translation>nie można odczytać %1: %2</translation>
    </message>
    <message>
        <source>%1 is a folder, not a file.</source>
        <translation>%1 to folder, a nie plik.</translation>
    </message>
    <message>
        <source>%1 is not a regular file.</source>
        <translation>%1 nie jest zwykłym plikiem.</translation>
    </message>
    <message>
        <source>%1 is larger than %2 MiB.</source>
        <translation>%1 jest większy niż %2 MiB.</translation>
    </message>
    <message>
        <source>standard input</source>
        <translation>standardowe wejście</translation>
    </message>
    <message>
        <source>%1 does not exist.</source>
        <translation>%1 nie istnieje.</translation>
    </message>
    <message>
        <source>%1 is a link to a file that does not exist.</source>
        <translation>%1 to dowiązanie do pliku, który nie istnieje.</translation>
    </message>
    <message>
        <source>%1 is a link that leads back to itself.</source>
        <translation>%1 to dowiązanie, które prowadzi z powrotem do siebie.</translation>
    </message>
</context>
<context>
    <name>voxtrel::QtAppServices</name>
    <message>
        <source>&amp;Discard</source>
        <translation>&amp;Odrzuć</translation>
    </message>
</context>
<context>
    <name>voxtrel::Questions</name>
    <message>
        <source> Open it anyway?</source>
        <translation> Otworzyć mimo to?</translation>
    </message>
    <message>
        <source>the last %1 bytes are left out</source>
        <translation>ostatnie bajty (%1) zostaną pominięte</translation>
    </message>
    <message>
        <source>%1 bytes are added</source>
        <translation>zostanie dodanych bajtów: %1</translation>
    </message>
    <message>
        <source>%1 decompressed to %2 bytes; a name file is %3 bytes. Saving writes a %3-byte name file: %4. Save?</source>
        <translation>%1 po dekompresji ma %2 bajtów; plik nazw ma %3 bajtów. Zapis tworzy plik nazw o rozmiarze %3 bajtów: %4. Zapisać?</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Zapisz</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>&amp;Overwrite</source>
        <translation>&amp;Nadpisz</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Zapisz &amp;jako...</translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation>&amp;Odrzuć</translation>
    </message>
    <message>
        <source>%1 was changed on disk since it was opened. Overwrite it, or cancel and keep both?</source>
        <translation>%1 zmienił się na dysku od otwarcia. Nadpisać go, czy anulować i zachować oba?</translation>
    </message>
    <message>
        <source>The names in %1 have changed, and %1 cannot be written. Save the changes to another file?</source>
        <translation>Nazwy w %1 zostały zmienione, a %1 nie może zostać zapisany. Zapisać zmiany w innym pliku?</translation>
    </message>
    <message>
        <source>Written to %1%2</source>
        <translation>Zapisano do %1%2</translation>
    </message>
    <message>
        <source>Not a name file&apos;s size: %1 bytes</source>
        <translation>To nie jest rozmiar pliku nazw: %1 bajtów</translation>
    </message>
    <message>
        <source>%1 cannot be stored in the %2 (%3) code page%4</source>
        <translation>%1 nie da się zapisać w stronie kodowej %2 (%3)%4</translation>
    </message>
    <message>
        <source>; the rest was kept.</source>
        <translation>; resztę zachowano.</translation>
    </message>
</context>
<context>
    <name>voxtrel::RememberedEncodings</name>
    <message>
        <source>Settings are not kept: &quot;%1&quot; is %2.</source>
        <translation>Ustawienia nie są zapamiętywane: „%1” to %2.</translation>
    </message>
    <message>
        <source>a link</source>
        <translation>dowiązanie</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>nie zwykły plik</translation>
    </message>
</context>
<context>
    <name>voxtrel::RenameCommand</name>
    <message>
        <source>Rename &quot;%1&quot;</source>
        <translation>Zmiana nazwy „%1”</translation>
    </message>
</context>
<context>
    <name>voxtrel::ResolvedTarget</name>
    <message>
        <source>%1 is a link that leads back to itself.</source>
        <translation>%1 to dowiązanie, które prowadzi z powrotem do siebie.</translation>
    </message>
    <message>
        <source>The folder of %1 cannot be opened: %2</source>
        <translation>Nie można otworzyć folderu %1: %2</translation>
    </message>
    <message>
        <source>%1 is a folder, not a file.</source>
        <translation>%1 to folder, a nie plik.</translation>
    </message>
    <message>
        <source>%1 is a link to a file that does not exist.</source>
        <translation>%1 to dowiązanie do pliku, który nie istnieje.</translation>
    </message>
    <message>
        <source>%1 cannot be followed.</source>
        <translation>Nie można podążyć za %1.</translation>
    </message>
</context>
<context>
    <name>voxtrel::SafeWriter</name>
    <message>
        <source>%1 is read-only.</source>
        <translation>%1 jest tylko do odczytu.</translation>
    </message>
    <message>
        <source>%1 cannot be written:
%2</source>
        <translation>Nie można zapisać %1:
%2</translation>
    </message>
    <message>
        <source>Standard output cannot be written: %1</source>
        <translation>Nie można pisać na standardowe wyjście: %1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is the name file itself; the list goes to another file.</source>
        <translation>„%1” to sam plik nazw; lista trafia do innego pliku.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be written: %2</source>
        <translation>Nie można zapisać „%1”: %2</translation>
    </message>
    <message>
        <source>%1 cannot be written in place: %2</source>
        <translation>Nie można zapisać %1 w miejscu: %2</translation>
    </message>
    <message>
        <source>%1 cannot be written in place: %2.</source>
        <translation>Nie można zapisać %1 w miejscu: %2.</translation>
    </message>
    <message>
        <source>%1 cannot be written in place:
%2</source>
        <translation>Nie można zapisać %1 w miejscu:
%2</translation>
    </message>
    <message>
        <source>
Its former content was written back.</source>
        <translation>
Jego poprzednią zawartość zapisano z powrotem.</translation>
    </message>
    <message>
        <source>
The disk did not confirm writing its former content back, but the file reads back unchanged.</source>
        <translation>
Dysk nie potwierdził zapisania poprzedniej zawartości z powrotem, ale plik odczytuje się bez zmian.</translation>
    </message>
    <message>
        <source>
Its former content could not be written back; a copy of it is kept in &quot;%1&quot;, and the next time the file is opened it is put back, unless the file is whole with the new names.</source>
        <translation>
Nie udało się zapisać z powrotem jego poprzedniej zawartości; jej kopia jest w „%1” i przy następnym otwarciu pliku zostanie przywrócona, chyba że plik jest cały z nowymi nazwami.</translation>
    </message>
</context>
<context>
    <name>voxtrel::SaveJournal</name>
    <message>
        <source>there is no folder to keep its present content in (neither XDG_STATE_HOME nor HOME is set)</source>
        <translation>nie ma folderu na jego obecną zawartość (nie ustawiono ani XDG_STATE_HOME, ani HOME)</translation>
    </message>
    <message>
        <source>its present content cannot be kept in &quot;%1&quot;: %2</source>
        <translation>jego obecnej zawartości nie można zachować w „%1”: %2</translation>
    </message>
    <message>
        <source>%1 was restored: a save of it at %2 was cut off; it holds what it held before that save.</source>
        <translation>Przywrócono %1: jego zapis o %2 został przerwany; zawiera to, co przed tym zapisem.</translation>
    </message>
    <message>
        <source>A save of %1 at %2 was cut off, and %3; its content before that save is kept in &quot;%4&quot;.</source>
        <translation>Zapis %1 o %2 został przerwany, a %3; jego zawartość sprzed tego zapisu jest w „%4”.</translation>
    </message>
    <message>
        <source>the file is gone</source>
        <translation>pliku już nie ma</translation>
    </message>
    <message>
        <source>another file has its name now</source>
        <translation>inny plik ma teraz jego nazwę</translation>
    </message>
    <message>
        <source>the copy of its former content is damaged</source>
        <translation>kopia jego poprzedniej zawartości jest uszkodzona</translation>
    </message>
    <message>
        <source>its former content could not be written back (%1)</source>
        <translation>nie udało się zapisać z powrotem jego poprzedniej zawartości (%1)</translation>
    </message>
</context>
<context>
    <name>voxtrel::SaveResult</name>
    <message>
        <source>in place: its folder takes no new file beside it</source>
        <translation>w miejscu: jego folder nie przyjmuje obok nowego pliku</translation>
    </message>
    <message>
        <source>in place: its name leaves no room for a temporary name beside it</source>
        <translation>w miejscu: jego nazwa nie zostawia miejsca na nazwę tymczasową obok</translation>
    </message>
    <message>
        <source>in place: it has other names (hard links), which keep seeing it</source>
        <translation>w miejscu: ma inne nazwy (dowiązania twarde), które nadal go widzą</translation>
    </message>
    <message>
        <source>in place: a new file could not keep its owner and group</source>
        <translation>w miejscu: nowy plik nie mógłby zachować właściciela i grupy</translation>
    </message>
    <message>
        <source>%1 was not saved.
%2</source>
        <translation>%1 nie został zapisany.
%2</translation>
    </message>
    <message>
        <source>%1 changed while it was being read; nothing written.</source>
        <translation>%1 zmienił się w trakcie odczytu; nic nie zapisano.</translation>
    </message>
    <message>
        <source>%1 was not saved; it is unchanged.
%2</source>
        <translation>%1 nie został zapisany; jest bez zmian.
%2</translation>
    </message>
</context>
<context>
    <name>voxtrel::Scn_Process</name>
    <message>
        <source>The command line names no program.</source>
        <translation>Wiersz polecenia nie wskazuje programu.</translation>
    </message>
</context>
<context>
    <name>voxtrel::SpreadsheetDamage</name>
    <message>
        <source>a formula&apos;s result</source>
        <translation>wynik formuły</translation>
    </message>
    <message>
        <source>a number</source>
        <translation>liczbę</translation>
    </message>
    <message>
        <source>a time</source>
        <translation>godzinę</translation>
    </message>
    <message>
        <source>a date</source>
        <translation>datę</translation>
    </message>
    <message>
        <source>TRUE or FALSE</source>
        <translation>PRAWDA lub FAŁSZ</translation>
    </message>
</context>
<context>
    <name>voxtrel::StatusNotes</name>
    <message>
        <source>%1 of %1</source>
        <translation>%1 z %1</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 z %2</translation>
    </message>
    <message>
        <source>Record %1 of %2 · %3</source>
        <translation>Rekord %1 z %2 · %3</translation>
    </message>
</context>
<context>
    <name>voxtrel::ToolProgress</name>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
</context>
<context>
    <name>voxtrel::ToolRunner</name>
    <message>
        <source>The compression tool is still running.</source>
        <translation>Narzędzie kompresji nadal działa.</translation>
    </message>
    <message>
        <source>The compression tool was cancelled.</source>
        <translation>Narzędzie kompresji zostało anulowane.</translation>
    </message>
    <message>
        <source>The compression tool could not be started:
%1
%2</source>
        <translation>Nie udało się uruchomić narzędzia kompresji:
%1
%2</translation>
    </message>
    <message>
        <source>The compression tool failed (exit code %1).</source>
        <translation>Narzędzie kompresji zakończyło się błędem (kod wyjścia %1).</translation>
    </message>
</context>
<context>
    <name>voxtrel::WorkFolder</name>
    <message>
        <source>it is a link, not a folder of its own</source>
        <translation>to dowiązanie, a nie własny folder</translation>
    </message>
    <message>
        <source>it belongs to another user</source>
        <translation>należy do innego użytkownika</translation>
    </message>
    <message>
        <source>it changed while it was opened</source>
        <translation>zmienił się podczas otwierania</translation>
    </message>
    <message>
        <source>The working folder &quot;%1&quot; is refused: %2. Nothing is opened until it is a folder of your own.</source>
        <translation>Folder roboczy „%1” jest odrzucony: %2. Nic nie zostanie otwarte, dopóki nie będzie to Twój własny folder.</translation>
    </message>
    <message>
        <source>No working folder could be made in &quot;%1&quot;: %2</source>
        <translation>Nie udało się utworzyć folderu roboczego w „%1”: %2</translation>
    </message>
</context>
<context>
    <name>voxtrel::WorkbookReader</name>
    <message>
        <source>it holds more than %1 shared strings</source>
        <translation>zawiera więcej niż %1 wspólnych ciągów</translation>
    </message>
    <message>
        <source>%1 hidden %2 read: %3%4.</source>
        <translation>Ukryte wiersze (%1) %2: %3%4.</translation>
    </message>
    <message>
        <source>row was</source>
        <translation>odczytano</translation>
    </message>
    <message>
        <source>rows were</source>
        <translation>odczytano</translation>
    </message>
    <message>
        <source>a cell has no place</source>
        <translation>komórka nie ma położenia</translation>
    </message>
    <message>
        <source>the cell points to shared string &quot;%1&quot;, which the workbook does not hold (it holds %2)</source>
        <translation>komórka wskazuje wspólny ciąg „%1”, którego skoroszyt nie zawiera (zawiera %2)</translation>
    </message>
    <message>
        <source>the text holds half of a surrogate pair; it is broken</source>
        <translation>tekst zawiera połowę pary zastępczej; jest uszkodzony</translation>
    </message>
    <message>
        <source>It is not a workbook this editor can read: %1.</source>
        <translation>To nie jest skoroszyt, który ten edytor potrafi odczytać: %1.</translation>
    </message>
    <message>
        <source>it has no sheet</source>
        <translation>nie ma arkusza</translation>
    </message>
    <message>
        <source>every sheet is hidden</source>
        <translation>każdy arkusz jest ukryty</translation>
    </message>
    <message>
        <source>the sheet &quot;%1&quot; is missing</source>
        <translation>brak arkusza „%1”</translation>
    </message>
    <message>
        <source>Read the sheet &quot;%1&quot;, the first visible one of %2 sheets.</source>
        <translation>Odczytano arkusz „%1”, pierwszy widoczny z %2 arkuszy.</translation>
    </message>
</context>
<context>
    <name>voxtrel::ZipPackage</name>
    <message>
        <source>the package cannot be opened</source>
        <translation>nie można otworzyć pakietu</translation>
    </message>
    <message>
        <source>the package has more than %1 parts</source>
        <translation>pakiet ma więcej niż %1 części</translation>
    </message>
    <message>
        <source>the part %1 is larger than %2 MiB when unpacked</source>
        <translation>część %1 po rozpakowaniu jest większa niż %2 MiB</translation>
    </message>
    <message>
        <source>the part %1 cannot be unpacked</source>
        <translation>nie można rozpakować części %1</translation>
    </message>
    <message>
        <source>the part %1 is missing</source>
        <translation>brak części %1</translation>
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
