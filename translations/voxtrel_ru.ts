<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU" sourcelanguage="en">
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Displays version information.</source>
        <translation>Показывает сведения о версии.</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Показывает справку по параметрам командной строки.</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>Показывает справку, включая параметры Qt.</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Неизвестный параметр «%1».</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>Неизвестные параметры: %1.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>Нет значения после «%1».</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>Неожиданное значение после «%1».</translation>
    </message>
    <message>
        <source>[options]</source>
        <translation>[параметры]</translation>
    </message>
    <message>
        <source>Usage: %1</source>
        <translation>Использование: %1</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Параметры:</translation>
    </message>
    <message>
        <source>Arguments:</source>
        <translation>Аргументы:</translation>
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
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Отбросить</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Да</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Нет</translation>
    </message>
</context>
<context>
    <name>voxtrel::AboutMenu</name>
    <message>
        <source>&amp;Copyright</source>
        <translation>&amp;Авторские права</translation>
    </message>
    <message>
        <source>No web browser could be opened for this page:
%1</source>
        <translation>Не удалось открыть браузер для этой страницы:
%1</translation>
    </message>
</context>
<context>
    <name>voxtrel::ApplyCommand</name>
    <message>
        <source>Apply one list to several name files.</source>
        <translation>Применить один список к нескольким файлам имён.</translation>
    </message>
    <message>
        <source>Applies the list or patch LIST to every FILE, such as all ten language versions, each in its own code page. Every file is opened and checked first (readable, a name file, the list, its conflicts, the code page, writable, not the same file twice); only when all pass is any written, each by the journalled save, else nothing is written and every refusal is named. Should a save fail after the checks passed, each file is as it was or fully written, and the last line says which were written and which were not. Exits 0 only when every file was saved or had nothing to change.</source>
        <translation>Применяет список или патч LIST к каждому файлу FILE, например ко всем десяти языковым версиям, каждой в своей кодовой странице. Сначала каждый файл открывается и проверяется (читается ли, файл ли это имён, список, его конфликты, кодовая страница, можно ли записать, не указан ли файл дважды); запись начинается, только если пройдены все проверки, каждый файл сохраняется с журналом, иначе ничего не записывается и называется каждый отказ. Если сохранение не удастся после пройденных проверок, каждый файл остаётся прежним или записан полностью, а последняя строка сообщает, какие записаны, а какие нет. Код выхода 0 только тогда, когда каждый файл сохранён или в нём нечего менять.</translation>
    </message>
    <message>
        <source>The list or patch, a workbook or CSV as import takes it; - reads standard input.</source>
        <translation>Список или патч, книга или CSV, как их принимает import; - читает стандартный ввод.</translation>
    </message>
    <message>
        <source>The compressed name files.</source>
        <translation>Сжатые файлы имён.</translation>
    </message>
    <message>
        <source>a list and one name file or more</source>
        <translation>список и один или несколько файлов имён</translation>
    </message>
    <message>
        <source>Print, for each file, its code page, the names that would change, the conflicts and the characters replaced, and write nothing.</source>
        <translation>Вывести для каждого файла его кодовую страницу, имена, которые изменились бы, конфликты и заменённые символы, ничего не записывая.</translation>
    </message>
    <message>
        <source>each FILE without --encoding-of or a remembered one</source>
        <translation>каждого FILE без --encoding-of и без запомненной страницы</translation>
    </message>
    <message>
        <source>%1 (%2): %3 would change, %4, %5 with characters replaced</source>
        <translation>%1 (%2): изменилось бы: %3, %4, с заменёнными символами: %5</translation>
    </message>
    <message numerus="yes">
        <source>%n conflict</source>
        <translation>
            <numerusform>%n конфликт</numerusform>
            <numerusform>%n конфликта</numerusform>
            <numerusform>%n конфликтов</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n conflicts</source>
        <translation>
            <numerusform>%n конфликт</numerusform>
            <numerusform>%n конфликта</numerusform>
            <numerusform>%n конфликтов</numerusform>
        </translation>
    </message>
    <message>
        <source>; refused.</source>
        <translation>; отклонено.</translation>
    </message>
    <message>
        <source>Nothing was written.</source>
        <translation>Ничего не записано.</translation>
    </message>
    <message>
        <source>Dry run: nothing was written.</source>
        <translation>Пробный запуск: ничего не записано.</translation>
    </message>
    <message>
        <source>%1 (%2): no name changes; not written.</source>
        <translation>%1 (%2): имена не меняются; не записано.</translation>
    </message>
    <message>
        <source>%1 (%2): %3 changed; saved.</source>
        <translation>%1 (%2): изменено: %3; сохранено.</translation>
    </message>
    <message>
        <source>none</source>
        <translation>нет</translation>
    </message>
    <message>
        <source>Written: %1. Not written: %2.</source>
        <translation>Записаны: %1. Не записаны: %2.</translation>
    </message>
</context>
<context>
    <name>voxtrel::ApplyToFiles</name>
    <message>
        <source>&amp;Apply to other files...</source>
        <translation>&amp;Применить к другим файлам...</translation>
    </message>
    <message>
        <source>Apply the current differences, or a patch file?</source>
        <translation>Применить текущие различия или файл патча?</translation>
    </message>
    <message>
        <source>&amp;Differences: turns %1 into %2</source>
        <translation>&amp;Различия: превращают %1 в %2</translation>
    </message>
    <message>
        <source>Differences: t&amp;urns %1 into %2</source>
        <translation>Различия: пре&amp;вращают %1 в %2</translation>
    </message>
    <message>
        <source>A &amp;patch file...</source>
        <translation>&amp;Файл патча...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>the differences that turn %1 into %2</source>
        <translation>различия, превращающие %1 в %2</translation>
    </message>
    <message>
        <source>Apply a patch</source>
        <translation>Применить патч</translation>
    </message>
    <message>
        <source>Apply to name files</source>
        <translation>Применить к файлам имён</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Файл</translation>
    </message>
    <message>
        <source>Code page</source>
        <translation>Кодовая страница</translation>
    </message>
    <message>
        <source>Names changed</source>
        <translation>Изменено имён</translation>
    </message>
    <message>
        <source>Conflicts</source>
        <translation>Конфликты</translation>
    </message>
    <message>
        <source>Replaced</source>
        <translation>Заменено</translation>
    </message>
    <message>
        <source>Read-only</source>
        <translation>Только чтение</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Проверка</translation>
    </message>
    <message>
        <source>&amp;Replace characters a code page cannot hold</source>
        <translation>&amp;Заменять символы, которых нет в кодовой странице</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>&amp;Применить</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Да</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Готово</translation>
    </message>
    <message>
        <source> Its names look like %1.</source>
        <translation> Его имена похожи на %1.</translation>
    </message>
    <message>
        <source>Applying %1 to %2 files: %3 of them pass. Apply writes them all, or none while any fails its check.</source>
        <translation>Применение %1 к файлам (%2): проходят проверку %3. «Применить» записывает все или ни одного, пока хоть один не проходит проверку.</translation>
    </message>
    <message>
        <source>No name changes; not written.</source>
        <translation>Имена не меняются; не записано.</translation>
    </message>
    <message>
        <source>Saved.</source>
        <translation>Сохранено.</translation>
    </message>
    <message>
        <source>none</source>
        <translation>нет</translation>
    </message>
    <message>
        <source>Written: %1.</source>
        <translation>Записаны: %1.</translation>
    </message>
    <message>
        <source>Written: %1. Not written: %2.</source>
        <translation>Записаны: %1. Не записаны: %2.</translation>
    </message>
</context>
<context>
    <name>voxtrel::Baza</name>
    <message>
        <source>No name file has been loaded.</source>
        <translation>Файл имён не загружен.</translation>
    </message>
    <message>
        <source>No file to save to.</source>
        <translation>Нет файла для сохранения.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; does not exist.</source>
        <translation>Файл «%1» не существует.</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;: %2</source>
        <translation>Не удаётся открыть «%1»: %2</translation>
    </message>
    <message>
        <source>Cannot read &quot;%1&quot;: %2</source>
        <translation>Не удаётся прочитать «%1»: %2</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; cannot be written.</source>
        <translation>Файл «%1» нельзя записать.</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;: %2</source>
        <translation>Не удаётся записать «%1»: %2</translation>
    </message>
</context>
<context>
    <name>voxtrel::BoundedXml</name>
    <message>
        <source>a tag holds more than %1 attributes, which a workbook never needs</source>
        <translation>тег содержит больше %1 атрибутов, которые книге никогда не нужны</translation>
    </message>
    <message>
        <source>its XML declares entities, which a workbook never needs</source>
        <translation>его XML объявляет сущности, которые книге никогда не нужны</translation>
    </message>
    <message>
        <source>its elements nest more than %1 deep</source>
        <translation>его элементы вложены глубже %1 уровней</translation>
    </message>
    <message>
        <source>it holds more text than a list of names could</source>
        <translation>в нём больше текста, чем может быть в списке имён</translation>
    </message>
    <message>
        <source>its XML is broken: %1</source>
        <translation>его XML повреждён: %1</translation>
    </message>
</context>
<context>
    <name>voxtrel::ChangePreviewDialog</name>
    <message numerus="yes">
        <source>The list renames %n name. Nothing changes until you apply it.</source>
        <translation>
            <numerusform>Список переименовывает %n имя. Ничего не изменится, пока вы его не примените.</numerusform>
            <numerusform>Список переименовывает %n имени. Ничего не изменится, пока вы его не примените.</numerusform>
            <numerusform>Список переименовывает %n имён. Ничего не изменится, пока вы его не примените.</numerusform>
        </translation>
    </message>
    <message>
        <source>Index</source>
        <translation>Индекс</translation>
    </message>
    <message>
        <source>Current name</source>
        <translation>Текущее имя</translation>
    </message>
    <message>
        <source>New name</source>
        <translation>Новое имя</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>&amp;Применить</translation>
    </message>
    <message>
        <source>Looks like %1 a spreadsheet made of &quot;%2&quot;</source>
        <translation>Похоже на %1, полученное электронной таблицей из «%2»</translation>
    </message>
    <message>
        <source>&amp;Replace characters the code page cannot hold</source>
        <translation>&amp;Заменять символы, которых нет в кодовой странице</translation>
    </message>
    <message>
        <source>The &amp;marked names look converted by a spreadsheet (&quot;0123&quot; as &quot;123&quot;); apply them all the same</source>
        <translation>&amp;Отмеченные имена похожи на преобразованные электронной таблицей («0123» как «123»); всё равно применить их</translation>
    </message>
</context>
<context>
    <name>voxtrel::CodePage</name>
    <message>
        <source>Central European</source>
        <translation>Центральноевропейская</translation>
    </message>
    <message>
        <source>Cyrillic</source>
        <translation>Кириллица</translation>
    </message>
    <message>
        <source>Western</source>
        <translation>Западная</translation>
    </message>
    <message>
        <source>Greek</source>
        <translation>Греческая</translation>
    </message>
    <message>
        <source>Turkish</source>
        <translation>Турецкая</translation>
    </message>
    <message>
        <source>Baltic</source>
        <translation>Балтийская</translation>
    </message>
    <message>
        <source>Hebrew</source>
        <translation>Иврит</translation>
    </message>
    <message>
        <source>Arabic</source>
        <translation>Арабская</translation>
    </message>
    <message>
        <source>Vietnamese</source>
        <translation>Вьетнамская</translation>
    </message>
    <message>
        <source>Thai</source>
        <translation>Тайская</translation>
    </message>
</context>
<context>
    <name>voxtrel::Command</name>
    <message>
        <source>The command.</source>
        <translation>Команда.</translation>
    </message>
    <message>
        <source>%1: --encoding-of takes FILE=ENCODING, FILE one of the files given (or its bare name) and ENCODING one of %2; not &quot;%3&quot;.</source>
        <translation>%1: --encoding-of принимает FILE=ENCODING, где FILE — один из указанных файлов (или его имя без пути), а ENCODING — одна из %2; не «%3».</translation>
    </message>
    <message>
        <source>
--force applies them all the same.</source>
        <translation>
--force всё равно применит их.</translation>
    </message>
    <message>
        <source>Warning: %1: its names read as %2 look unlikely; it is more likely %3 (--encoding-of %4=%3).</source>
        <translation>Предупреждение: %1: его имена, прочитанные как %2, выглядят неправдоподобно; вероятнее %3 (--encoding-of %4=%3).</translation>
    </message>
    <message numerus="yes">
        <source>%n name</source>
        <translation>
            <numerusform>%n имя</numerusform>
            <numerusform>%n имени</numerusform>
            <numerusform>%n имён</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n names</source>
        <translation>
            <numerusform>%n имя</numerusform>
            <numerusform>%n имени</numerusform>
            <numerusform>%n имён</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: --format takes xlsx or csv, not &quot;%2&quot;.</source>
        <translation>%1: --format принимает xlsx или csv, а не «%2».</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; has an extension this program does not write. The formats are .csv, .xlsx and - (CSV on standard output); --format csv or --format xlsx writes that format whatever the name.</source>
        <translation>%1: у «%2» расширение, которое эта программа не записывает. Форматы: .csv, .xlsx и - (CSV в стандартный вывод); --format csv или --format xlsx записывает этот формат при любом имени.</translation>
    </message>
    <message>
        <source>Write the %1 to OUT instead of standard output (-): OUT.xlsx a workbook, OUT.csv (or a name without an extension) CSV; any other extension is refused unless --format says which to write. A FIFO or a device is written as a stream; a name file read is refused.</source>
        <translation>Записать %1 в OUT вместо стандартного вывода (-): OUT.xlsx — книга, OUT.csv (или имя без расширения) — CSV; любое другое расширение отклоняется, если --format не говорит, что записать. FIFO или устройство записывается как поток; читаемый файл имён отклоняется.</translation>
    </message>
    <message>
        <source>xlsx or csv; without it, chosen by OUT&apos;s extension (CSV for standard output).</source>
        <translation>xlsx или csv; без параметра выбирается по расширению OUT (CSV для стандартного вывода).</translation>
    </message>
    <message>
        <source>Apply a patch&apos;s rows whose name is not what its &quot;was&quot; column says (a conflict), and rows whose new name looks like what a spreadsheet made of the name (&quot;0123&quot; as &quot;123&quot;), all the same. It does not write over a file that changed while it was being read.</source>
        <translation>Всё равно применить строки патча, где имя не то, что указано в столбце «was» (конфликт), и строки, где новое имя похоже на то, во что электронная таблица превратила имя («0123» как «123»). Файл, изменившийся во время чтения, не перезаписывается.</translation>
    </message>
    <message>
        <source>Replace each character the code page cannot hold by its Latin letters (a Polish L with a stroke by L, a Cyrillic letter by its transliteration), listing every replacement, instead of refusing the list.</source>
        <translation>Заменять каждый символ, которого нет в кодовой странице, латинскими буквами (польскую Ł на L, кириллическую букву её транслитерацией), перечисляя каждую замену, вместо того чтобы отклонять список.</translation>
    </message>
    <message>
        <source>The code page of one FILE (as given, or its bare name); may be given again for each. A FILE without one takes the code page the editor last used for its name, then --encoding.</source>
        <translation>Кодовая страница одного FILE (как указан или по имени без пути); можно указать снова для каждого. FILE без неё получает кодовую страницу, которую редактор последней использовал для его имени, затем --encoding.</translation>
    </message>
    <message>
        <source>The code page of the names in %1, for the language version: %2. The default is windows-1252.</source>
        <translation>Кодовая страница имён в %1 для языковой версии: %2. По умолчанию windows-1252.</translation>
    </message>
    <message>
        <source>Run &quot;%1 %2 --help&quot; for its usage.</source>
        <translation>Справка: «%1 %2 --help».</translation>
    </message>
    <message>
        <source>%1: %2 needs %3: %4</source>
        <translation>%1: %2 нужны %3: %4</translation>
    </message>
    <message>
        <source>%1: %2 takes only %3: %4</source>
        <translation>%1: %2 принимает только %3: %4</translation>
    </message>
    <message>
        <source>%1: unknown encoding &quot;%2&quot;. Supported: %3</source>
        <translation>%1: неизвестная кодировка «%2». Поддерживаются: %3</translation>
    </message>
</context>
<context>
    <name>voxtrel::CompareMarks</name>
    <message>
        <source>&amp;Compare with file...</source>
        <translation>Сра&amp;внить с файлом...</translation>
    </message>
    <message>
        <source>Export &amp;differences...</source>
        <translation>Экспорт &amp;различий...</translation>
    </message>
    <message>
        <source>Next &amp;difference</source>
        <translation>Следующее &amp;различие</translation>
    </message>
    <message>
        <source>Previous difference</source>
        <translation>Предыдущее различие</translation>
    </message>
    <message>
        <source>Compare with file</source>
        <translation>Сравнить с файлом</translation>
    </message>
    <message numerus="yes">
        <source>%n name differs from %1 (F7: next, Shift+F7: previous)%2</source>
        <translation>
            <numerusform>%n имя отличается от %1 (F7: следующее, Shift+F7: предыдущее)%2</numerusform>
            <numerusform>%n имени отличаются от %1 (F7: следующее, Shift+F7: предыдущее)%2</numerusform>
            <numerusform>%n имён отличаются от %1 (F7: следующее, Shift+F7: предыдущее)%2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n names differ from %1 (F7: next, Shift+F7: previous)%2</source>
        <translation>
            <numerusform>%n имя отличается от %1 (F7: следующее, Shift+F7: предыдущее)%2</numerusform>
            <numerusform>%n имени отличаются от %1 (F7: следующее, Shift+F7: предыдущее)%2</numerusform>
            <numerusform>%n имён отличаются от %1 (F7: следующее, Shift+F7: предыдущее)%2</numerusform>
        </translation>
    </message>
    <message>
        <source> · record %1 there: &quot;%2&quot;</source>
        <translation> · там запись %1: «%2»</translation>
    </message>
    <message>
        <source>Compare with a file first (Menu &gt; Compare with file...).</source>
        <translation>Сначала сравните с файлом (Меню &gt; Сравнить с файлом...).</translation>
    </message>
    <message>
        <source>Export a patch that turns %1 into %2 (it applies the renames of the open file), or one that turns %2 into %1?</source>
        <translation>Экспортировать патч, превращающий %1 в %2 (он применяет переименования открытого файла), или патч, превращающий %2 в %1?</translation>
    </message>
    <message>
        <source>&amp;Turns %1 into %2</source>
        <translation>&amp;Превращает %1 в %2</translation>
    </message>
    <message>
        <source>Turns %1 &amp;into %2</source>
        <translation>Превращает %1 &amp;в %2</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Export differences</source>
        <translation>Экспорт различий</translation>
    </message>
    <message>
        <source>%1 differences exported to &quot;%2&quot;.</source>
        <translation>Различия (%1) экспортированы в «%2».</translation>
    </message>
    <message>
        <source>The differences were not exported:
%1</source>
        <translation>Различия не экспортированы:
%1</translation>
    </message>
</context>
<context>
    <name>voxtrel::DiffCommand</name>
    <message>
        <source>Write the names that differ as a patch.</source>
        <translation>Записать различающиеся имена как патч.</translation>
    </message>
    <message>
        <source>Compares the name files OLD and NEW and writes one row per record whose name differs: its index, NEW&apos;s name and OLD&apos;s (column &quot;was&quot;), in index order. Apply the patch to other files with import or apply: a row changes a name only where it is still OLD&apos;s; a name that was empty in OLD has an empty &quot;was&quot;, which guards an empty name. Says on standard error how many differ.</source>
        <translation>Сравнивает файлы имён OLD и NEW и записывает по строке на каждую запись с различающимся именем: её индекс, имя из NEW и имя из OLD (столбец «was»), в порядке индексов. Примените патч к другим файлам командой import или apply: строка меняет имя, только если оно всё ещё такое, как в OLD; пустое в OLD имя имеет пустой «was», который защищает пустое имя. Сообщает в стандартный поток ошибок, сколько имён различается.</translation>
    </message>
    <message>
        <source>The name file as it was, such as the game&apos;s own.</source>
        <translation>Файл имён в прежнем виде, например из игры.</translation>
    </message>
    <message>
        <source>The name file with the renames.</source>
        <translation>Файл имён с переименованиями.</translation>
    </message>
    <message>
        <source>two name files, the old and the new</source>
        <translation>два файла имён, старый и новый</translation>
    </message>
    <message>
        <source>OLD and NEW</source>
        <translation>OLD и NEW</translation>
    </message>
</context>
<context>
    <name>voxtrel::DocumentController</name>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Открыть</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Сохранить</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Сохранить &amp;как...</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>В&amp;ыход</translation>
    </message>
    <message>
        <source>Otwórz plik buttów</source>
        <translation>Открыть файл имён</translation>
    </message>
    <message>
        <source>unnamed_1846.bin (*.bin)|*.bin| Wszystkie pliki (*.*)|*.*</source>
        <translation>unnamed_1846.bin (*.bin)|*.bin| Все файлы (*.*)|*.*</translation>
    </message>
    <message>
        <source>A file wasn&apos;t chosen  !!</source>
        <translation>Файл не выбран  !!</translation>
    </message>
    <message>
        <source>Mistake of loading the file </source>
        <translation>Ошибка загрузки файла </translation>
    </message>
    <message>
        <source>A Mistake Appeared </source>
        <translation>Произошла ошибка </translation>
    </message>
    <message>
        <source> [read-only]</source>
        <translation> [только чтение]</translation>
    </message>
    <message>
        <source>Names shown in %1 (%2).</source>
        <translation>Имена показаны в %1 (%2).</translation>
    </message>
    <message>
        <source>The names in %1 have changed. Save the changes?</source>
        <translation>Имена в %1 изменены. Сохранить изменения?</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>Сохранить файл</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Сохранить как</translation>
    </message>
</context>
<context>
    <name>voxtrel::EditorMain</name>
    <message>
        <source>Qt: the widget style, such as Fusion (also -style=STYLE).</source>
        <translation>Qt: стиль виджетов, например Fusion (также -style=STYLE).</translation>
    </message>
    <message>
        <source>Qt: a style sheet file for the window, such as one of high contrast.</source>
        <translation>Qt: файл таблицы стилей для окна, например высококонтрастной.</translation>
    </message>
    <message>
        <source>Qt: the platform plugin, such as xcb, wayland or offscreen.</source>
        <translation>Qt: платформенный модуль, например xcb, wayland или offscreen.</translation>
    </message>
    <message>
        <source>Qt: lay the window out right to left.</source>
        <translation>Qt: расположить окно справа налево.</translation>
    </message>
    <message>
        <source>Edits the names of a game&apos;s compressed name file.</source>
        <translation>Редактирует имена в сжатом файле имён игры.</translation>
    </message>
    <message>
        <source>A compressed name file to open, such as unnamed_1846.bin; a relative path is taken from the current folder.</source>
        <translation>Сжатый файл имён для открытия, например unnamed_1846.bin; относительный путь берётся от текущей папки.</translation>
    </message>
    <message>
        <source>Forget what the editor remembers: the window&apos;s place, the last folder, the code page of each file name.</source>
        <translation>Забыть то, что помнит редактор: место окна, последнюю папку, кодовую страницу каждого имени файла.</translation>
    </message>
</context>
<context>
    <name>voxtrel::ExportCommand</name>
    <message>
        <source>Write FILE&apos;s names as a list.</source>
        <translation>Записать имена из FILE как список.</translation>
    </message>
    <message>
        <source>Writes the names of the compressed name file FILE as a list: a header row &quot;index,name&quot;, then one row per name. OUT.xlsx is a workbook for spreadsheets, its names in a column formatted as Text; anything else is CSV (UTF-8), for scripts, diffs and version control.</source>
        <translation>Записывает имена сжатого файла имён FILE как список: строка заголовка «index,name», затем по строке на имя. OUT.xlsx — книга для электронных таблиц, имена в столбце с текстовым форматом; всё остальное — CSV (UTF-8) для скриптов, сравнений и систем контроля версий.</translation>
    </message>
    <message>
        <source>The compressed name file.</source>
        <translation>Сжатый файл имён.</translation>
    </message>
    <message>
        <source>a name file</source>
        <translation>файл имён</translation>
    </message>
</context>
<context>
    <name>voxtrel::FileLock</name>
    <message>
        <source>%1 is locked by %2; nothing written</source>
        <translation>%1 заблокирован программой %2; ничего не записано</translation>
    </message>
    <message>
        <source>another program</source>
        <translation>другая программа</translation>
    </message>
    <message>
        <source>The save was cancelled while %1 was locked; nothing written</source>
        <translation>Сохранение отменено, пока %1 был заблокирован; ничего не записано</translation>
    </message>
</context>
<context>
    <name>voxtrel::FileTypes</name>
    <message>
        <source>Name files (*.bin);;All files (*)</source>
        <translation>Файлы имён (*.bin);;Все файлы (*)</translation>
    </message>
    <message>
        <source>Workbooks (*.xlsx);;CSV lists (*.csv);;All files (*)</source>
        <translation>Книги (*.xlsx);;Списки CSV (*.csv);;Все файлы (*)</translation>
    </message>
    <message>
        <source>Name lists (*.xlsx *.csv);;All files (*)</source>
        <translation>Списки имён (*.xlsx *.csv);;Все файлы (*)</translation>
    </message>
</context>
<context>
    <name>voxtrel::ImportCommand</name>
    <message>
        <source>Rename the names a list holds, and save FILE.</source>
        <translation>Переименовать имена из списка и сохранить FILE.</translation>
    </message>
    <message>
        <source>Renames the names that the list NAMES holds and saves FILE where it is. Every row is checked first: if any is wrong, nothing changes.</source>
        <translation>Переименовывает имена, которые содержит список NAMES, и сохраняет FILE на месте. Сначала проверяется каждая строка: если хоть одна неверна, ничего не меняется.</translation>
    </message>
    <message>
        <source>The compressed name file to change.</source>
        <translation>Сжатый файл имён, который нужно изменить.</translation>
    </message>
    <message>
        <source>The list: a header row &quot;index,name&quot;, then any of the rows of an export (a patch adds a column &quot;was&quot;: a row applies only where the name is still what it was; an empty &quot;was&quot; guards an empty name, so such a row applies only where the name is empty), as a workbook (.xlsx, its first visible sheet) or as CSV (UTF-8, or UTF-16 with its mark; fields between commas, semicolons or tabs). - reads it from standard input. Rows whose new name looks like what a spreadsheet makes of the name (&quot;0123&quot; as &quot;123&quot;, &quot;00:30&quot; as &quot;12:30:00 AM&quot;) are refused unless --force.</source>
        <translation>Список: строка заголовка «index,name», затем любые строки экспорта (патч добавляет столбец «was»: строка применяется, только если имя всё ещё такое, каким было; пустой «was» защищает пустое имя, так что такая строка применяется, только если имя пустое), в виде книги (.xlsx, её первый видимый лист) или CSV (UTF-8 или UTF-16 с меткой; поля через запятые, точки с запятой или табуляции). - читает его из стандартного ввода. Строки, где новое имя похоже на то, во что электронная таблица превращает имя («0123» как «123», «00:30» как «12:30:00 AM»), отклоняются без --force.</translation>
    </message>
    <message>
        <source>a name file and a list</source>
        <translation>файл имён и список</translation>
    </message>
    <message>
        <source>Print what would change, and write nothing.</source>
        <translation>Вывести, что изменилось бы, ничего не записывая.</translation>
    </message>
    <message>
        <source>Save FILE even if another program changed it while it was being read; without it, such a file is left as the other program wrote it and the import fails.</source>
        <translation>Сохранить FILE, даже если другая программа изменила его во время чтения; без этого такой файл остаётся таким, каким его записала другая программа, и импорт не удаётся.</translation>
    </message>
    <message>
        <source>No name changes; %1 was not written.</source>
        <translation>Имена не меняются; %1 не записан.</translation>
    </message>
    <message>
        <source>%1 would change; dry run, nothing was written.</source>
        <translation>Изменилось бы: %1; пробный запуск, ничего не записано.</translation>
    </message>
    <message>
        <source>%1 changed; %2 saved%3.</source>
        <translation>Изменено: %1; %2 сохранён%3.</translation>
    </message>
</context>
<context>
    <name>voxtrel::ImportPlan</name>
    <message>
        <source>index %1: %2 → %3</source>
        <translation>индекс %1: %2 → %3</translation>
    </message>
    <message>
        <source>The same file is given twice.</source>
        <translation>Один и тот же файл указан дважды.</translation>
    </message>
    <message>
        <source>It is the file open in the editor; Import names... applies a list to it.</source>
        <translation>Это файл, открытый в редакторе; «Импорт имён...» применяет к нему список.</translation>
    </message>
</context>
<context>
    <name>voxtrel::Links</name>
    <message>
        <source>Made by kicker_quill</source>
        <translation>Автор: kicker_quill</translation>
    </message>
</context>
<context>
    <name>voxtrel::ListCommands</name>
    <message>
        <source>&amp;Export names...</source>
        <translation>&amp;Экспорт имён...</translation>
    </message>
    <message>
        <source>&amp;Import names...</source>
        <translation>&amp;Импорт имён...</translation>
    </message>
    <message>
        <source>Export names</source>
        <translation>Экспорт имён</translation>
    </message>
    <message>
        <source>The names were not exported:
%1</source>
        <translation>Имена не экспортированы:
%1</translation>
    </message>
    <message>
        <source>%1 names exported to &quot;%2&quot;.</source>
        <translation>Имена (%1) экспортированы в «%2».</translation>
    </message>
    <message>
        <source>Import names</source>
        <translation>Импорт имён</translation>
    </message>
    <message>
        <source>The name list changes no name.</source>
        <translation>Список имён не меняет ни одного имени.</translation>
    </message>
    <message numerus="yes">
        <source>%n names changed. Save writes them to the file.</source>
        <translation>
            <numerusform>Изменено %n имя. «Сохранить» запишет его в файл.</numerusform>
            <numerusform>Изменено %n имени. «Сохранить» запишет их в файл.</numerusform>
            <numerusform>Изменено %n имён. «Сохранить» запишет их в файл.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>voxtrel::ListFormats</name>
    <message>
        <source>The name list formats could not be loaded: %1</source>
        <translation>Не удалось загрузить форматы списков имён: %1</translation>
    </message>
</context>
<context>
    <name>voxtrel::LockHolder</name>
    <message>
        <source>another program</source>
        <translation>другая программа</translation>
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
        <translation>Ожидание</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>%1 is locked by %2. Waiting for it...</source>
        <translation>%1 заблокирован программой %2. Ожидание...</translation>
    </message>
    <message>
        <source>another program</source>
        <translation>другая программа</translation>
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
        <translation>1)Другая версия-unnamed_1845.bin

2)Английская версия-unnamed_1846.bin

3)Другая версия-unnamed_1847.bin

4)Другая версия-unnamed_1848.bin

5)Другая версия-unnamed_1849.bin

6)Другая версия-unnamed_1850.bin

7)Другая версия-unnamed_1852.bin

8)Другая версия-unnamed_1853.bin

9)Другая версия-unnamed_1854.bin</translation>
    </message>
    <message>
        <source>Quick Save</source>
        <translation>Быстро сохранить</translation>
    </message>
    <message>
        <source>Voxtrel banner</source>
        <translation>Баннер Voxtrel</translation>
    </message>
    <message>
        <source>Football pitch with a ball, and GOAL!</source>
        <translation>Футбольное поле с мячом и GOAL!</translation>
    </message>
    <message>
        <source>Names</source>
        <translation>Имена</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Поиск</translation>
    </message>
    <message>
        <source>Search...</source>
        <translation>Поиск...</translation>
    </message>
    <message>
        <source>Show only the names that hold the search text (Ctrl+Shift+F)</source>
        <translation>Показывать только имена, содержащие искомый текст (Ctrl+Shift+F)</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Фильтр</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Имя</translation>
    </message>
    <message>
        <source>File dt0f.img</source>
        <translation>Файл dt0f.img</translation>
    </message>
</context>
<context>
    <name>voxtrel::MainMenus</name>
    <message>
        <source>&amp;Menu</source>
        <translation>&amp;Меню</translation>
    </message>
    <message>
        <source>E&amp;ncoding</source>
        <translation>Ко&amp;дировка</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Правка</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;О программе</translation>
    </message>
    <message>
        <source>&amp;Visit</source>
        <translation>&amp;Посетить</translation>
    </message>
</context>
<context>
    <name>voxtrel::NameCsv</name>
    <message>
        <source>line %1: a quote inside a field that is not quoted, or text after a closing quote</source>
        <translation>строка %1: кавычка внутри поля без кавычек или текст после закрывающей кавычки</translation>
    </message>
    <message>
        <source>line %1: a quoted field is never closed</source>
        <translation>строка %1: поле в кавычках так и не закрыто</translation>
    </message>
    <message>
        <source>The file ends in half a UTF-16 character: it was cut short or is not UTF-16 text.</source>
        <translation>Файл заканчивается половиной символа UTF-16: он обрезан или это не текст UTF-16.</translation>
    </message>
    <message>
        <source>line %1: half of a UTF-16 surrogate pair stands alone; the text is broken.</source>
        <translation>строка %1: половина суррогатной пары UTF-16 стоит отдельно; текст повреждён.</translation>
    </message>
    <message>
        <source>It is UTF-16 text without a byte-order mark; save it as UTF-8 CSV and import it again.</source>
        <translation>Это текст UTF-16 без метки порядка байтов; сохраните его как CSV в UTF-8 и импортируйте снова.</translation>
    </message>
    <message>
        <source>line %1: it is not UTF-8 text; save it as UTF-8 CSV and import it again.</source>
        <translation>строка %1: это не текст UTF-8; сохраните его как CSV в UTF-8 и импортируйте снова.</translation>
    </message>
</context>
<context>
    <name>voxtrel::NameDocument</name>
    <message>
        <source>The working folder cannot take a copy of &quot;%1&quot;: %2</source>
        <translation>Рабочая папка не может принять копию «%1»: %2</translation>
    </message>
    <message>
        <source>Decompressing %1...</source>
        <translation>Распаковка %1...</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; could not be decompressed:
%2</source>
        <translation>Не удалось распаковать файл «%1»:
%2</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; could not be loaded:
%2</source>
        <translation>Не удалось загрузить файл «%1»:
%2</translation>
    </message>
    <message>
        <source>Import %1 names</source>
        <translation>Импорт имён: %1</translation>
    </message>
    <message>
        <source>No name file is open.</source>
        <translation>Файл имён не открыт.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was changed on disk since it was read: %2</source>
        <translation>«%1» изменён на диске после чтения: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was changed on disk since it was read.</source>
        <translation>«%1» изменён на диске после чтения.</translation>
    </message>
    <message>
        <source>The working file could not be written:
%1</source>
        <translation>Не удалось записать рабочий файл:
%1</translation>
    </message>
    <message>
        <source>Compressing %1...</source>
        <translation>Сжатие %1...</translation>
    </message>
    <message>
        <source>The compression tool left no compressed file.</source>
        <translation>Программа сжатия не оставила сжатого файла.</translation>
    </message>
    <message>
        <source>The compressed file could not be checked: the working folder refused a rename.</source>
        <translation>Не удалось проверить сжатый файл: рабочая папка не позволила переименование.</translation>
    </message>
    <message>
        <source>Checking %1...</source>
        <translation>Проверка %1...</translation>
    </message>
    <message>
        <source>The compressed file could not be checked:
%1</source>
        <translation>Не удалось проверить сжатый файл:
%1</translation>
    </message>
    <message>
        <source>The compressed file does not decompress to the names written.</source>
        <translation>Сжатый файл не распаковывается в записанные имена.</translation>
    </message>
    <message>
        <source>The file is marked read-only; Save As writes the names to another file.</source>
        <translation>Файл помечен только для чтения; «Сохранить как» запишет имена в другой файл.</translation>
    </message>
    <message>
        <source>You may not write this file; Save As writes the names to another file.</source>
        <translation>У вас нет права записи в этот файл; «Сохранить как» запишет имена в другой файл.</translation>
    </message>
</context>
<context>
    <name>voxtrel::NameEditor</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Отменить</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Повторить</translation>
    </message>
    <message>
        <source>Re&amp;vert name</source>
        <translation>&amp;Вернуть имя</translation>
    </message>
    <message>
        <source>Name.</source>
        <translation>Имя.</translation>
    </message>
    <message>
        <source>A name holds at most %1 characters.</source>
        <translation>Имя содержит не более %1 символов.</translation>
    </message>
</context>
<context>
    <name>voxtrel::NameFileSize</name>
    <message>
        <source>%1 is %2 bytes when decompressed; a name file is %3 bytes.</source>
        <translation>%1 после распаковки занимает %2 байт; файл имён — %3 байт.</translation>
    </message>
</context>
<context>
    <name>voxtrel::NameList</name>
    <message>
        <source>&amp;Find</source>
        <translation>&amp;Найти</translation>
    </message>
    <message>
        <source>Fi&amp;lter names</source>
        <translation>&amp;Фильтр имён</translation>
    </message>
    <message>
        <source>No name starts with &apos;%1&apos;</source>
        <translation>Нет имени, начинающегося с «%1»</translation>
    </message>
    <message>
        <source>No name contains &apos;%1&apos;</source>
        <translation>Нет имени, содержащего «%1»</translation>
    </message>
</context>
<context>
    <name>voxtrel::NameListModel</name>
    <message>
        <source>Renamed, not saved</source>
        <translation>Переименовано, не сохранено</translation>
    </message>
</context>
<context>
    <name>voxtrel::NameLists</name>
    <message>
        <source>standard input</source>
        <translation>стандартный ввод</translation>
    </message>
    <message>
        <source>The name list %1 is larger than 4 MiB; a list of 1209 names is far smaller.</source>
        <translation>Список имён %1 больше 4 МиБ; список из 1209 имён намного меньше.</translation>
    </message>
    <message>
        <source>The name list was not read: %1</source>
        <translation>Список имён не прочитан: %1</translation>
    </message>
    <message>
        <source>The name list %1 is empty.</source>
        <translation>Список имён %1 пуст.</translation>
    </message>
</context>
<context>
    <name>voxtrel::NameRows</name>
    <message>
        <source>the name holds a line break</source>
        <translation>имя содержит перевод строки</translation>
    </message>
    <message>
        <source>the name holds the control character %1</source>
        <translation>имя содержит управляющий символ %1</translation>
    </message>
    <message>
        <source>the name has %1 characters; a name holds at most %2</source>
        <translation>в имени %1 символов; имя содержит не более %2</translation>
    </message>
    <message>
        <source>%1 cannot be written in %2</source>
        <translation>%1 нельзя записать в %2</translation>
    </message>
    <message>
        <source>a number</source>
        <translation>число</translation>
    </message>
    <message>
        <source>a formula</source>
        <translation>формулу</translation>
    </message>
    <message>
        <source>an error value</source>
        <translation>значение ошибки</translation>
    </message>
    <message>
        <source>TRUE or FALSE</source>
        <translation>ИСТИНА или ЛОЖЬ</translation>
    </message>
    <message>
        <source>a date</source>
        <translation>дату</translation>
    </message>
    <message>
        <source>text</source>
        <translation>текст</translation>
    </message>
    <message>
        <source>line %1</source>
        <translation>строка %1</translation>
    </message>
    <message>
        <source>row %1</source>
        <translation>строка %1</translation>
    </message>
    <message>
        <source>the header must be &quot;index,name&quot; (or &quot;index,name,was&quot;)</source>
        <translation>заголовок должен быть «index,name» (или «index,name,was»)</translation>
    </message>
    <message>
        <source>a column is missing (expected %1)</source>
        <translation>не хватает столбца (ожидается %1)</translation>
    </message>
    <message>
        <source>an extra column (expected %1)</source>
        <translation>лишний столбец (ожидается %1)</translation>
    </message>
    <message>
        <source>the index &quot;%1&quot; is not a whole number</source>
        <translation>индекс «%1» не целое число</translation>
    </message>
    <message>
        <source>the index %1 is out of range: the file has no names</source>
        <translation>индекс %1 вне диапазона: в файле нет имён</translation>
    </message>
    <message>
        <source>the index %1 is out of range (0 to %2)</source>
        <translation>индекс %1 вне диапазона (от 0 до %2)</translation>
    </message>
    <message>
        <source>the index %1 is also on %2</source>
        <translation>индекс %1 есть также в: %2</translation>
    </message>
    <message>
        <source>the name cell holds %1, not text; format the name column as Text and type the name again</source>
        <translation>ячейка имени содержит %1, а не текст; задайте столбцу имён формат «Текстовый» и введите имя заново</translation>
    </message>
    <message>
        <source>the name has more than %1 characters; a name holds at most %1</source>
        <translation>в имени больше %1 символов; имя содержит не более %1</translation>
    </message>
    <message>
        <source>the name is not UTF-8 text; save the list as UTF-8 CSV</source>
        <translation>имя не является текстом UTF-8; сохраните список как CSV в UTF-8</translation>
    </message>
    <message>
        <source>the former name is not UTF-8 text</source>
        <translation>прежнее имя не является текстом UTF-8</translation>
    </message>
    <message>
        <source>%1: index %2: expected &quot;%3&quot;, found &quot;%4&quot;</source>
        <translation>%1: индекс %2: ожидалось «%3», найдено «%4»</translation>
    </message>
    <message>
        <source>%1: index %2: &quot;%3&quot; → &quot;%4&quot; looks like %5</source>
        <translation>%1: индекс %2: «%3» → «%4» похоже на %5</translation>
    </message>
    <message>
        <source>The name list was refused; no name was changed.
</source>
        <translation>Список имён отклонён; ни одно имя не изменено.
</translation>
    </message>
    <message>
        <source>the header &quot;index,name&quot; is missing</source>
        <translation>нет заголовка «index,name»</translation>
    </message>
    <message>
        <source>1 name looks converted by a spreadsheet, not renamed</source>
        <translation>1 имя похоже на преобразованное электронной таблицей, а не переименованное</translation>
    </message>
    <message>
        <source>%1 names look converted by a spreadsheet, not renamed</source>
        <translation>Имён, похожих на преобразованные электронной таблицей, а не переименованные: %1</translation>
    </message>
    <message>
        <source>; no name was changed:
</source>
        <translation>; ни одно имя не изменено:
</translation>
    </message>
    <message>
        <source>
... and %1 more.</source>
        <translation>
... и ещё %1.</translation>
    </message>
    <message>
        <source>
A spreadsheet that opens a CSV list turns names that look like numbers, dates, times or formulas into values. Export the names as .xlsx, whose name column is Text, and edit that instead.</source>
        <translation>
Электронная таблица, открывающая список CSV, превращает имена, похожие на числа, даты, время или формулы, в значения. Экспортируйте имена как .xlsx, где столбец имён текстовый, и редактируйте его.</translation>
    </message>
    <message>
        <source>1 name is not what the patch says it was</source>
        <translation>1 имя не такое, каким оно было по патчу</translation>
    </message>
    <message>
        <source>%1 names are not what the patch says they were</source>
        <translation>Имён, не таких, какими они были по патчу: %1</translation>
    </message>
    <message>
        <source>
... and %1 more lines with faults.</source>
        <translation>
... и ещё строк с ошибками: %1.</translation>
    </message>
</context>
<context>
    <name>voxtrel::NameWorkbook</name>
    <message>
        <source>the written workbook cannot be opened again</source>
        <translation>записанную книгу нельзя снова открыть</translation>
    </message>
    <message>
        <source>the written sheet cannot be read again</source>
        <translation>записанный лист нельзя снова прочитать</translation>
    </message>
    <message>
        <source>the written sheet cannot be replaced</source>
        <translation>записанный лист нельзя заменить</translation>
    </message>
    <message>
        <source>the written workbook cannot be closed</source>
        <translation>записанную книгу нельзя закрыть</translation>
    </message>
    <message>
        <source>No workbook can be made in the working folder: %1</source>
        <translation>В рабочей папке нельзя создать книгу: %1</translation>
    </message>
    <message>
        <source>No workbook can be made in the working folder.</source>
        <translation>В рабочей папке нельзя создать книгу.</translation>
    </message>
    <message>
        <source>The workbook could not be written: %1</source>
        <translation>Не удалось записать книгу: %1</translation>
    </message>
    <message>
        <source>The workbook could not be written: %1.</source>
        <translation>Не удалось записать книгу: %1.</translation>
    </message>
    <message>
        <source>The workbook could not be read back: %1</source>
        <translation>Не удалось прочитать книгу обратно: %1</translation>
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
        <translation>Использование: voxtrel-names &lt;команда&gt; [параметры]
Выгружает имена из сжатого файла имён как список, загружает их обратно
и переносит переименования между файлами в виде патчей.

Команды:
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
«voxtrel-names &lt;команда&gt; --help» показывает параметры команды,
«man voxtrel-names» — форматы списков и примеры.
Коды выхода: 0 готово; 1 ошибка: ничего не записано, кроме случая двойного
сбоя (запись на месте и возврат прежних байтов не удались), когда
сообщение называет сохранённую копию прежних байтов, и apply,
чья последняя строка называет сохранённые и несохранённые файлы;
2 ошибка использования.
</translation>
    </message>
    <message>
        <source>voxtrel-names: no command given.
</source>
        <translation>voxtrel-names: команда не указана.
</translation>
    </message>
    <message>
        <source>voxtrel-names: unknown command &quot;%1&quot;.
</source>
        <translation>voxtrel-names: неизвестная команда «%1».
</translation>
    </message>
</context>
<context>
    <name>voxtrel::PlainFile</name>
    <message>
        <source>cannot read %1: %2</source>
        <translation>не удаётся прочитать %1: %2</translation>
    </message>
    <message>
        <source>%1 is a folder, not a file.</source>
        <translation>%1 — папка, а не файл.</translation>
    </message>
    <message>
        <source>%1 is not a regular file.</source>
        <translation>%1 не является обычным файлом.</translation>
    </message>
    <message>
        <source>%1 is larger than %2 MiB.</source>
        <translation>%1 больше %2 МиБ.</translation>
    </message>
    <message>
        <source>standard input</source>
        <translation>стандартный ввод</translation>
    </message>
    <message>
        <source>%1 does not exist.</source>
        <translation>%1 не существует.</translation>
    </message>
    <message>
        <source>%1 is a link to a file that does not exist.</source>
        <translation>%1 — ссылка на несуществующий файл.</translation>
    </message>
    <message>
        <source>%1 is a link that leads back to itself.</source>
        <translation>%1 — ссылка, ведущая на саму себя.</translation>
    </message>
</context>
<context>
    <name>voxtrel::QtAppServices</name>
    <message>
        <source>&amp;Discard</source>
        <translation>&amp;Отбросить</translation>
    </message>
</context>
<context>
    <name>voxtrel::Questions</name>
    <message>
        <source> Open it anyway?</source>
        <translation> Всё равно открыть?</translation>
    </message>
    <message>
        <source>the last %1 bytes are left out</source>
        <translation>последние байты (%1) будут отброшены</translation>
    </message>
    <message>
        <source>%1 bytes are added</source>
        <translation>будут добавлены байты: %1</translation>
    </message>
    <message>
        <source>%1 decompressed to %2 bytes; a name file is %3 bytes. Saving writes a %3-byte name file: %4. Save?</source>
        <translation>%1 распакован в %2 байт; файл имён — %3 байт. При сохранении будет записан файл имён размером %3 байт: %4. Сохранить?</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Сохранить</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>&amp;Overwrite</source>
        <translation>&amp;Перезаписать</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Сохранить &amp;как...</translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation>&amp;Отбросить</translation>
    </message>
    <message>
        <source>%1 was changed on disk since it was opened. Overwrite it, or cancel and keep both?</source>
        <translation>%1 изменён на диске после открытия. Перезаписать его или отменить и сохранить оба?</translation>
    </message>
    <message>
        <source>The names in %1 have changed, and %1 cannot be written. Save the changes to another file?</source>
        <translation>Имена в %1 изменены, а %1 нельзя записать. Сохранить изменения в другой файл?</translation>
    </message>
    <message>
        <source>Written to %1%2</source>
        <translation>Записано в %1%2</translation>
    </message>
    <message>
        <source>Not a name file&apos;s size: %1 bytes</source>
        <translation>Не размер файла имён: %1 байт</translation>
    </message>
    <message>
        <source>%1 cannot be stored in the %2 (%3) code page%4</source>
        <translation>%1 нельзя сохранить в кодовой странице %2 (%3)%4</translation>
    </message>
    <message>
        <source>; the rest was kept.</source>
        <translation>; остальное сохранено.</translation>
    </message>
</context>
<context>
    <name>voxtrel::RememberedEncodings</name>
    <message>
        <source>Settings are not kept: &quot;%1&quot; is %2.</source>
        <translation>Настройки не сохраняются: «%1» — %2.</translation>
    </message>
    <message>
        <source>a link</source>
        <translation>ссылка</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>не обычный файл</translation>
    </message>
</context>
<context>
    <name>voxtrel::RenameCommand</name>
    <message>
        <source>Rename &quot;%1&quot;</source>
        <translation>Переименование «%1»</translation>
    </message>
</context>
<context>
    <name>voxtrel::ResolvedTarget</name>
    <message>
        <source>%1 is a link that leads back to itself.</source>
        <translation>%1 — ссылка, ведущая на саму себя.</translation>
    </message>
    <message>
        <source>The folder of %1 cannot be opened: %2</source>
        <translation>Не удаётся открыть папку %1: %2</translation>
    </message>
    <message>
        <source>%1 is a folder, not a file.</source>
        <translation>%1 — папка, а не файл.</translation>
    </message>
    <message>
        <source>%1 is a link to a file that does not exist.</source>
        <translation>%1 — ссылка на несуществующий файл.</translation>
    </message>
    <message>
        <source>%1 cannot be followed.</source>
        <translation>Не удаётся перейти по %1.</translation>
    </message>
</context>
<context>
    <name>voxtrel::SafeWriter</name>
    <message>
        <source>%1 is read-only.</source>
        <translation>%1 доступен только для чтения.</translation>
    </message>
    <message>
        <source>%1 cannot be written:
%2</source>
        <translation>Не удаётся записать %1:
%2</translation>
    </message>
    <message>
        <source>Standard output cannot be written: %1</source>
        <translation>Не удаётся записать в стандартный вывод: %1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is the name file itself; the list goes to another file.</source>
        <translation>«%1» — это сам файл имён; список записывается в другой файл.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be written: %2</source>
        <translation>Не удаётся записать «%1»: %2</translation>
    </message>
    <message>
        <source>%1 cannot be written in place: %2</source>
        <translation>Не удаётся записать %1 на месте: %2</translation>
    </message>
    <message>
        <source>%1 cannot be written in place: %2.</source>
        <translation>Не удаётся записать %1 на месте: %2.</translation>
    </message>
    <message>
        <source>%1 cannot be written in place:
%2</source>
        <translation>Не удаётся записать %1 на месте:
%2</translation>
    </message>
    <message>
        <source>
Its former content was written back.</source>
        <translation>
Его прежнее содержимое записано обратно.</translation>
    </message>
    <message>
        <source>
The disk did not confirm writing its former content back, but the file reads back unchanged.</source>
        <translation>
Диск не подтвердил обратную запись прежнего содержимого, но файл читается без изменений.</translation>
    </message>
    <message>
        <source>
Its former content could not be written back; a copy of it is kept in &quot;%1&quot;, and the next time the file is opened it is put back, unless the file is whole with the new names.</source>
        <translation>
Его прежнее содержимое не удалось записать обратно; копия хранится в «%1», и при следующем открытии файла она будет возвращена, если только файл не цел с новыми именами.</translation>
    </message>
</context>
<context>
    <name>voxtrel::SaveJournal</name>
    <message>
        <source>there is no folder to keep its present content in (neither XDG_STATE_HOME nor HOME is set)</source>
        <translation>нет папки для хранения его текущего содержимого (не заданы ни XDG_STATE_HOME, ни HOME)</translation>
    </message>
    <message>
        <source>its present content cannot be kept in &quot;%1&quot;: %2</source>
        <translation>его текущее содержимое нельзя сохранить в «%1»: %2</translation>
    </message>
    <message>
        <source>%1 was restored: a save of it at %2 was cut off; it holds what it held before that save.</source>
        <translation>%1 восстановлен: его сохранение в %2 было прервано; в нём то, что было до этого сохранения.</translation>
    </message>
    <message>
        <source>A save of %1 at %2 was cut off, and %3; its content before that save is kept in &quot;%4&quot;.</source>
        <translation>Сохранение %1 в %2 было прервано, и %3; его содержимое до этого сохранения хранится в «%4».</translation>
    </message>
    <message>
        <source>the file is gone</source>
        <translation>файла больше нет</translation>
    </message>
    <message>
        <source>another file has its name now</source>
        <translation>теперь его имя носит другой файл</translation>
    </message>
    <message>
        <source>the copy of its former content is damaged</source>
        <translation>копия его прежнего содержимого повреждена</translation>
    </message>
    <message>
        <source>its former content could not be written back (%1)</source>
        <translation>его прежнее содержимое не удалось записать обратно (%1)</translation>
    </message>
</context>
<context>
    <name>voxtrel::SaveResult</name>
    <message>
        <source>in place: its folder takes no new file beside it</source>
        <translation>на месте: его папка не принимает рядом новый файл</translation>
    </message>
    <message>
        <source>in place: its name leaves no room for a temporary name beside it</source>
        <translation>на месте: его имя не оставляет места для временного имени рядом</translation>
    </message>
    <message>
        <source>in place: it has other names (hard links), which keep seeing it</source>
        <translation>на месте: у него есть другие имена (жёсткие ссылки), которые продолжают его видеть</translation>
    </message>
    <message>
        <source>in place: a new file could not keep its owner and group</source>
        <translation>на месте: новый файл не смог бы сохранить владельца и группу</translation>
    </message>
    <message>
        <source>%1 was not saved.
%2</source>
        <translation>%1 не сохранён.
%2</translation>
    </message>
    <message>
        <source>%1 changed while it was being read; nothing written.</source>
        <translation>%1 изменился во время чтения; ничего не записано.</translation>
    </message>
    <message>
        <source>%1 was not saved; it is unchanged.
%2</source>
        <translation>%1 не сохранён; он не изменён.
%2</translation>
    </message>
</context>
<context>
    <name>voxtrel::Scn_Process</name>
    <message>
        <source>The command line names no program.</source>
        <translation>В командной строке не указана программа.</translation>
    </message>
</context>
<context>
    <name>voxtrel::SpreadsheetDamage</name>
    <message>
        <source>a formula&apos;s result</source>
        <translation>результат формулы</translation>
    </message>
    <message>
        <source>a number</source>
        <translation>число</translation>
    </message>
    <message>
        <source>a time</source>
        <translation>время</translation>
    </message>
    <message>
        <source>a date</source>
        <translation>дату</translation>
    </message>
    <message>
        <source>TRUE or FALSE</source>
        <translation>ИСТИНА или ЛОЖЬ</translation>
    </message>
</context>
<context>
    <name>voxtrel::StatusNotes</name>
    <message>
        <source>%1 of %1</source>
        <translation>%1 из %1</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 из %2</translation>
    </message>
    <message>
        <source>Record %1 of %2 · %3</source>
        <translation>Запись %1 из %2 · %3</translation>
    </message>
</context>
<context>
    <name>voxtrel::ToolProgress</name>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>voxtrel::ToolRunner</name>
    <message>
        <source>The compression tool is still running.</source>
        <translation>Программа сжатия ещё работает.</translation>
    </message>
    <message>
        <source>The compression tool was cancelled.</source>
        <translation>Работа программы сжатия отменена.</translation>
    </message>
    <message>
        <source>The compression tool could not be started:
%1
%2</source>
        <translation>Не удалось запустить программу сжатия:
%1
%2</translation>
    </message>
    <message>
        <source>The compression tool failed (exit code %1).</source>
        <translation>Программа сжатия завершилась с ошибкой (код выхода %1).</translation>
    </message>
</context>
<context>
    <name>voxtrel::WorkFolder</name>
    <message>
        <source>it is a link, not a folder of its own</source>
        <translation>это ссылка, а не собственная папка</translation>
    </message>
    <message>
        <source>it belongs to another user</source>
        <translation>она принадлежит другому пользователю</translation>
    </message>
    <message>
        <source>it changed while it was opened</source>
        <translation>она изменилась при открытии</translation>
    </message>
    <message>
        <source>The working folder &quot;%1&quot; is refused: %2. Nothing is opened until it is a folder of your own.</source>
        <translation>Рабочая папка «%1» отклонена: %2. Ничего не откроется, пока это не будет ваша собственная папка.</translation>
    </message>
    <message>
        <source>No working folder could be made in &quot;%1&quot;: %2</source>
        <translation>Не удалось создать рабочую папку в «%1»: %2</translation>
    </message>
</context>
<context>
    <name>voxtrel::WorkbookReader</name>
    <message>
        <source>it holds more than %1 shared strings</source>
        <translation>в ней больше %1 общих строк</translation>
    </message>
    <message>
        <source>%1 hidden %2 read: %3%4.</source>
        <translation>Скрытые строки (%1) %2: %3%4.</translation>
    </message>
    <message>
        <source>row was</source>
        <translation>прочитаны</translation>
    </message>
    <message>
        <source>rows were</source>
        <translation>прочитаны</translation>
    </message>
    <message>
        <source>a cell has no place</source>
        <translation>у ячейки нет адреса</translation>
    </message>
    <message>
        <source>the cell points to shared string &quot;%1&quot;, which the workbook does not hold (it holds %2)</source>
        <translation>ячейка ссылается на общую строку «%1», которой нет в книге (в ней %2)</translation>
    </message>
    <message>
        <source>the text holds half of a surrogate pair; it is broken</source>
        <translation>текст содержит половину суррогатной пары; он повреждён</translation>
    </message>
    <message>
        <source>It is not a workbook this editor can read: %1.</source>
        <translation>Это не книга, которую этот редактор может прочитать: %1.</translation>
    </message>
    <message>
        <source>it has no sheet</source>
        <translation>в ней нет листа</translation>
    </message>
    <message>
        <source>every sheet is hidden</source>
        <translation>все листы скрыты</translation>
    </message>
    <message>
        <source>the sheet &quot;%1&quot; is missing</source>
        <translation>нет листа «%1»</translation>
    </message>
    <message>
        <source>Read the sheet &quot;%1&quot;, the first visible one of %2 sheets.</source>
        <translation>Прочитан лист «%1», первый видимый из листов (%2).</translation>
    </message>
</context>
<context>
    <name>voxtrel::ZipPackage</name>
    <message>
        <source>the package cannot be opened</source>
        <translation>пакет не открывается</translation>
    </message>
    <message>
        <source>the package has more than %1 parts</source>
        <translation>в пакете больше %1 частей</translation>
    </message>
    <message>
        <source>the part %1 is larger than %2 MiB when unpacked</source>
        <translation>часть %1 после распаковки больше %2 МиБ</translation>
    </message>
    <message>
        <source>the part %1 cannot be unpacked</source>
        <translation>часть %1 не распаковывается</translation>
    </message>
    <message>
        <source>the part %1 is missing</source>
        <translation>нет части %1</translation>
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
