<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="el_GR" sourcelanguage="en">
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Displays version information.</source>
        <translation>Εμφανίζει πληροφορίες έκδοσης.</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Εμφανίζει βοήθεια για τις επιλογές γραμμής εντολών.</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>Εμφανίζει βοήθεια, μαζί με τις επιλογές του Qt.</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Άγνωστη επιλογή «%1».</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>Άγνωστες επιλογές: %1.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>Λείπει τιμή μετά το «%1».</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>Απρόσμενη τιμή μετά το «%1».</translation>
    </message>
    <message>
        <source>[options]</source>
        <translation>[επιλογές]</translation>
    </message>
    <message>
        <source>Usage: %1</source>
        <translation>Χρήση: %1</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Επιλογές:</translation>
    </message>
    <message>
        <source>Arguments:</source>
        <translation>Ορίσματα:</translation>
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
        <translation>Αποθήκευση</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Άκυρο</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Απόρριψη</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Ναι</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>Ό&amp;χι</translation>
    </message>
</context>
<context>
    <name>voxtrel::AboutMenu</name>
    <message>
        <source>&amp;Copyright</source>
        <translation>Πνευματικά &amp;δικαιώματα</translation>
    </message>
    <message>
        <source>No web browser could be opened for this page:
%1</source>
        <translation>Δεν ήταν δυνατό να ανοίξει πρόγραμμα περιήγησης για αυτή τη σελίδα:
%1</translation>
    </message>
</context>
<context>
    <name>voxtrel::ApplyCommand</name>
    <message>
        <source>Apply one list to several name files.</source>
        <translation>Εφαρμογή μίας λίστας σε πολλά αρχεία ονομάτων.</translation>
    </message>
    <message>
        <source>Applies the list or patch LIST to every FILE, such as all ten language versions, each in its own code page. Every file is opened and checked first (readable, a name file, the list, its conflicts, the code page, writable, not the same file twice); only when all pass is any written, each by the journalled save, else nothing is written and every refusal is named. Should a save fail after the checks passed, each file is as it was or fully written, and the last line says which were written and which were not. Exits 0 only when every file was saved or had nothing to change.</source>
        <translation>Εφαρμόζει τη λίστα ή τη διόρθωση LIST σε κάθε FILE, για παράδειγμα και στις δέκα γλωσσικές εκδόσεις, την καθεμία στη δική της κωδικοσελίδα. Κάθε αρχείο ανοίγει και ελέγχεται πρώτα (αν διαβάζεται, αν είναι αρχείο ονομάτων, η λίστα, οι συγκρούσεις της, η κωδικοσελίδα, αν γράφεται, αν δεν δόθηκε δύο φορές)· μόνο όταν περάσουν όλα γράφεται οτιδήποτε, το καθένα με αποθήκευση με ημερολόγιο, αλλιώς δεν γράφεται τίποτα και αναφέρεται κάθε άρνηση. Αν μια αποθήκευση αποτύχει μετά τους ελέγχους, κάθε αρχείο είναι όπως ήταν ή γραμμένο ολόκληρο, και η τελευταία γραμμή λέει ποια γράφτηκαν και ποια όχι. Τερματίζει με 0 μόνο όταν κάθε αρχείο αποθηκεύτηκε ή δεν είχε τίποτα να αλλάξει.</translation>
    </message>
    <message>
        <source>The list or patch, a workbook or CSV as import takes it; - reads standard input.</source>
        <translation>Η λίστα ή η διόρθωση, βιβλίο εργασίας ή CSV όπως τα δέχεται η import· το - διαβάζει την τυπική είσοδο.</translation>
    </message>
    <message>
        <source>The compressed name files.</source>
        <translation>Τα συμπιεσμένα αρχεία ονομάτων.</translation>
    </message>
    <message>
        <source>a list and one name file or more</source>
        <translation>μια λίστα και ένα ή περισσότερα αρχεία ονομάτων</translation>
    </message>
    <message>
        <source>Print, for each file, its code page, the names that would change, the conflicts and the characters replaced, and write nothing.</source>
        <translation>Εμφάνιση, για κάθε αρχείο, της κωδικοσελίδας του, των ονομάτων που θα άλλαζαν, των συγκρούσεων και των χαρακτήρων που αντικαταστάθηκαν, χωρίς να γραφτεί τίποτα.</translation>
    </message>
    <message>
        <source>each FILE without --encoding-of or a remembered one</source>
        <translation>κάθε FILE χωρίς --encoding-of ή απομνημονευμένη κωδικοσελίδα</translation>
    </message>
    <message>
        <source>%1 (%2): %3 would change, %4, %5 with characters replaced</source>
        <translation>%1 (%2): θα άλλαζαν: %3, %4, με αντικατεστημένους χαρακτήρες: %5</translation>
    </message>
    <message numerus="yes">
        <source>%n conflict</source>
        <translation>
            <numerusform>%n σύγκρουση</numerusform>
            <numerusform>%n συγκρούσεις</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n conflicts</source>
        <translation>
            <numerusform>%n σύγκρουση</numerusform>
            <numerusform>%n συγκρούσεις</numerusform>
        </translation>
    </message>
    <message>
        <source>; refused.</source>
        <translation>· απορρίφθηκε.</translation>
    </message>
    <message>
        <source>Nothing was written.</source>
        <translation>Δεν γράφτηκε τίποτα.</translation>
    </message>
    <message>
        <source>Dry run: nothing was written.</source>
        <translation>Δοκιμή: δεν γράφτηκε τίποτα.</translation>
    </message>
    <message>
        <source>%1 (%2): no name changes; not written.</source>
        <translation>%1 (%2): καμία αλλαγή ονομάτων· δεν γράφτηκε.</translation>
    </message>
    <message>
        <source>%1 (%2): %3 changed; saved.</source>
        <translation>%1 (%2): άλλαξαν: %3· αποθηκεύτηκε.</translation>
    </message>
    <message>
        <source>none</source>
        <translation>κανένα</translation>
    </message>
    <message>
        <source>Written: %1. Not written: %2.</source>
        <translation>Γράφτηκαν: %1. Δεν γράφτηκαν: %2.</translation>
    </message>
</context>
<context>
    <name>voxtrel::ApplyToFiles</name>
    <message>
        <source>&amp;Apply to other files...</source>
        <translation>&amp;Εφαρμογή σε άλλα αρχεία...</translation>
    </message>
    <message>
        <source>Apply the current differences, or a patch file?</source>
        <translation>Εφαρμογή των τρεχουσών διαφορών ή ενός αρχείου διόρθωσης;</translation>
    </message>
    <message>
        <source>&amp;Differences: turns %1 into %2</source>
        <translation>&amp;Διαφορές: κάνουν το %1 σε %2</translation>
    </message>
    <message>
        <source>Differences: t&amp;urns %1 into %2</source>
        <translation>Διαφορές: κά&amp;νουν το %1 σε %2</translation>
    </message>
    <message>
        <source>A &amp;patch file...</source>
        <translation>Αρχείο &amp;διόρθωσης...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Άκυρο</translation>
    </message>
    <message>
        <source>the differences that turn %1 into %2</source>
        <translation>οι διαφορές που κάνουν το %1 σε %2</translation>
    </message>
    <message>
        <source>Apply a patch</source>
        <translation>Εφαρμογή διόρθωσης</translation>
    </message>
    <message>
        <source>Apply to name files</source>
        <translation>Εφαρμογή σε αρχεία ονομάτων</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Αρχείο</translation>
    </message>
    <message>
        <source>Code page</source>
        <translation>Κωδικοσελίδα</translation>
    </message>
    <message>
        <source>Names changed</source>
        <translation>Αλλαγμένα ονόματα</translation>
    </message>
    <message>
        <source>Conflicts</source>
        <translation>Συγκρούσεις</translation>
    </message>
    <message>
        <source>Replaced</source>
        <translation>Αντικατ.</translation>
    </message>
    <message>
        <source>Read-only</source>
        <translation>Μόνο ανάγνωση</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Έλεγχος</translation>
    </message>
    <message>
        <source>&amp;Replace characters a code page cannot hold</source>
        <translation>&amp;Αντικατάσταση χαρακτήρων που δεν χωρά μια κωδικοσελίδα</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>&amp;Εφαρμογή</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ναι</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Έτοιμο</translation>
    </message>
    <message>
        <source> Its names look like %1.</source>
        <translation> Τα ονόματά του μοιάζουν με %1.</translation>
    </message>
    <message>
        <source>Applying %1 to %2 files: %3 of them pass. Apply writes them all, or none while any fails its check.</source>
        <translation>Εφαρμογή του %1 σε αρχεία (%2): περνούν %3. Η Εφαρμογή τα γράφει όλα ή κανένα, όσο κάποιο αποτυγχάνει στον έλεγχο.</translation>
    </message>
    <message>
        <source>No name changes; not written.</source>
        <translation>Καμία αλλαγή ονομάτων· δεν γράφτηκε.</translation>
    </message>
    <message>
        <source>Saved.</source>
        <translation>Αποθηκεύτηκε.</translation>
    </message>
    <message>
        <source>none</source>
        <translation>κανένα</translation>
    </message>
    <message>
        <source>Written: %1.</source>
        <translation>Γράφτηκαν: %1.</translation>
    </message>
    <message>
        <source>Written: %1. Not written: %2.</source>
        <translation>Γράφτηκαν: %1. Δεν γράφτηκαν: %2.</translation>
    </message>
</context>
<context>
    <name>voxtrel::Baza</name>
    <message>
        <source>No name file has been loaded.</source>
        <translation>Δεν έχει φορτωθεί αρχείο ονομάτων.</translation>
    </message>
    <message>
        <source>No file to save to.</source>
        <translation>Δεν υπάρχει αρχείο για αποθήκευση.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; does not exist.</source>
        <translation>Το αρχείο «%1» δεν υπάρχει.</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;: %2</source>
        <translation>Το «%1» δεν ανοίγει: %2</translation>
    </message>
    <message>
        <source>Cannot read &quot;%1&quot;: %2</source>
        <translation>Το «%1» δεν διαβάζεται: %2</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; cannot be written.</source>
        <translation>Το αρχείο «%1» δεν γράφεται.</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;: %2</source>
        <translation>Το «%1» δεν γράφεται: %2</translation>
    </message>
</context>
<context>
    <name>voxtrel::BoundedXml</name>
    <message>
        <source>a tag holds more than %1 attributes, which a workbook never needs</source>
        <translation>μια ετικέτα έχει πάνω από %1 χαρακτηριστικά, που ένα βιβλίο εργασίας δεν χρειάζεται ποτέ</translation>
    </message>
    <message>
        <source>its XML declares entities, which a workbook never needs</source>
        <translation>η XML του δηλώνει οντότητες, που ένα βιβλίο εργασίας δεν χρειάζεται ποτέ</translation>
    </message>
    <message>
        <source>its elements nest more than %1 deep</source>
        <translation>τα στοιχεία του είναι ένθετα σε βάθος πάνω από %1</translation>
    </message>
    <message>
        <source>it holds more text than a list of names could</source>
        <translation>περιέχει περισσότερο κείμενο απ&apos; όσο θα μπορούσε μια λίστα ονομάτων</translation>
    </message>
    <message>
        <source>its XML is broken: %1</source>
        <translation>η XML του είναι κατεστραμμένη: %1</translation>
    </message>
</context>
<context>
    <name>voxtrel::ChangePreviewDialog</name>
    <message numerus="yes">
        <source>The list renames %n name. Nothing changes until you apply it.</source>
        <translation>
            <numerusform>Η λίστα μετονομάζει %n όνομα. Τίποτα δεν αλλάζει μέχρι να την εφαρμόσετε.</numerusform>
            <numerusform>Η λίστα μετονομάζει %n ονόματα. Τίποτα δεν αλλάζει μέχρι να την εφαρμόσετε.</numerusform>
        </translation>
    </message>
    <message>
        <source>Index</source>
        <translation>Δείκτης</translation>
    </message>
    <message>
        <source>Current name</source>
        <translation>Τρέχον όνομα</translation>
    </message>
    <message>
        <source>New name</source>
        <translation>Νέο όνομα</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>&amp;Εφαρμογή</translation>
    </message>
    <message>
        <source>Looks like %1 a spreadsheet made of &quot;%2&quot;</source>
        <translation>Μοιάζει με %1 που έφτιαξε ένα υπολογιστικό φύλλο από το «%2»</translation>
    </message>
    <message>
        <source>&amp;Replace characters the code page cannot hold</source>
        <translation>&amp;Αντικατάσταση χαρακτήρων που δεν χωρά η κωδικοσελίδα</translation>
    </message>
    <message>
        <source>The &amp;marked names look converted by a spreadsheet (&quot;0123&quot; as &quot;123&quot;); apply them all the same</source>
        <translation>Τα &amp;σημειωμένα ονόματα μοιάζουν μετατρεπμένα από υπολογιστικό φύλλο («0123» ως «123»)· να εφαρμοστούν παρ&apos; όλα αυτά</translation>
    </message>
</context>
<context>
    <name>voxtrel::CodePage</name>
    <message>
        <source>Central European</source>
        <translation>Κεντρικής Ευρώπης</translation>
    </message>
    <message>
        <source>Cyrillic</source>
        <translation>Κυριλλική</translation>
    </message>
    <message>
        <source>Western</source>
        <translation>Δυτική</translation>
    </message>
    <message>
        <source>Greek</source>
        <translation>Ελληνική</translation>
    </message>
    <message>
        <source>Turkish</source>
        <translation>Τουρκική</translation>
    </message>
    <message>
        <source>Baltic</source>
        <translation>Βαλτική</translation>
    </message>
    <message>
        <source>Hebrew</source>
        <translation>Εβραϊκή</translation>
    </message>
    <message>
        <source>Arabic</source>
        <translation>Αραβική</translation>
    </message>
    <message>
        <source>Vietnamese</source>
        <translation>Βιετναμέζικη</translation>
    </message>
    <message>
        <source>Thai</source>
        <translation>Ταϊλανδική</translation>
    </message>
</context>
<context>
    <name>voxtrel::Command</name>
    <message>
        <source>The command.</source>
        <translation>Η εντολή.</translation>
    </message>
    <message>
        <source>%1: --encoding-of takes FILE=ENCODING, FILE one of the files given (or its bare name) and ENCODING one of %2; not &quot;%3&quot;.</source>
        <translation>%1: το --encoding-of δέχεται FILE=ENCODING, όπου FILE ένα από τα αρχεία που δόθηκαν (ή σκέτο το όνομά του) και ENCODING ένα από τα %2· όχι «%3».</translation>
    </message>
    <message>
        <source>
--force applies them all the same.</source>
        <translation>
Το --force τις εφαρμόζει παρ&apos; όλα αυτά.</translation>
    </message>
    <message>
        <source>Warning: %1: its names read as %2 look unlikely; it is more likely %3 (--encoding-of %4=%3).</source>
        <translation>Προειδοποίηση: %1: τα ονόματά του, διαβασμένα ως %2, φαίνονται απίθανα· πιθανότερο είναι το %3 (--encoding-of %4=%3).</translation>
    </message>
    <message numerus="yes">
        <source>%n name</source>
        <translation>
            <numerusform>%n όνομα</numerusform>
            <numerusform>%n ονόματα</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n names</source>
        <translation>
            <numerusform>%n όνομα</numerusform>
            <numerusform>%n ονόματα</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: --format takes xlsx or csv, not &quot;%2&quot;.</source>
        <translation>%1: το --format δέχεται xlsx ή csv, όχι «%2».</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; has an extension this program does not write. The formats are .csv, .xlsx and - (CSV on standard output); --format csv or --format xlsx writes that format whatever the name.</source>
        <translation>%1: το «%2» έχει επέκταση που αυτό το πρόγραμμα δεν γράφει. Οι μορφές είναι .csv, .xlsx και - (CSV στην τυπική έξοδο)· το --format csv ή --format xlsx γράφει αυτή τη μορφή όποιο κι αν είναι το όνομα.</translation>
    </message>
    <message>
        <source>Write the %1 to OUT instead of standard output (-): OUT.xlsx a workbook, OUT.csv (or a name without an extension) CSV; any other extension is refused unless --format says which to write. A FIFO or a device is written as a stream; a name file read is refused.</source>
        <translation>Εγγραφή %1 στο OUT αντί για την τυπική έξοδο (-): OUT.xlsx βιβλίο εργασίας, OUT.csv (ή όνομα χωρίς επέκταση) CSV· κάθε άλλη επέκταση απορρίπτεται, εκτός αν το --format λέει τι να γραφτεί. Ένα FIFO ή μια συσκευή γράφεται ως ροή· ένα αρχείο ονομάτων που διαβάζεται απορρίπτεται.</translation>
    </message>
    <message>
        <source>xlsx or csv; without it, chosen by OUT&apos;s extension (CSV for standard output).</source>
        <translation>xlsx ή csv· χωρίς αυτό, επιλέγεται από την επέκταση του OUT (CSV για την τυπική έξοδο).</translation>
    </message>
    <message>
        <source>Apply a patch&apos;s rows whose name is not what its &quot;was&quot; column says (a conflict), and rows whose new name looks like what a spreadsheet made of the name (&quot;0123&quot; as &quot;123&quot;), all the same. It does not write over a file that changed while it was being read.</source>
        <translation>Εφαρμογή παρ&apos; όλα αυτά των γραμμών μιας διόρθωσης των οποίων το όνομα δεν είναι αυτό που λέει η στήλη «was» (σύγκρουση), και των γραμμών των οποίων το νέο όνομα μοιάζει με ό,τι έφτιαξε ένα υπολογιστικό φύλλο από το όνομα («0123» ως «123»). Δεν γράφει πάνω σε αρχείο που άλλαξε όσο διαβαζόταν.</translation>
    </message>
    <message>
        <source>Replace each character the code page cannot hold by its Latin letters (a Polish L with a stroke by L, a Cyrillic letter by its transliteration), listing every replacement, instead of refusing the list.</source>
        <translation>Αντικατάσταση κάθε χαρακτήρα που δεν χωρά η κωδικοσελίδα με τα λατινικά του γράμματα (ένα πολωνικό Ł με L, ένα κυριλλικό γράμμα με τη μεταγραφή του), με καταγραφή κάθε αντικατάστασης, αντί να απορριφθεί η λίστα.</translation>
    </message>
    <message>
        <source>The code page of one FILE (as given, or its bare name); may be given again for each. A FILE without one takes the code page the editor last used for its name, then --encoding.</source>
        <translation>Η κωδικοσελίδα ενός FILE (όπως δόθηκε ή σκέτο το όνομά του)· μπορεί να δοθεί ξανά για το καθένα. Ένα FILE χωρίς αυτήν παίρνει την κωδικοσελίδα που χρησιμοποίησε τελευταία ο επεξεργαστής για το όνομά του, έπειτα το --encoding.</translation>
    </message>
    <message>
        <source>The code page of the names in %1, for the language version: %2. The default is windows-1252.</source>
        <translation>Η κωδικοσελίδα των ονομάτων στο %1, ανάλογα με τη γλωσσική έκδοση: %2. Προεπιλογή windows-1252.</translation>
    </message>
    <message>
        <source>Run &quot;%1 %2 --help&quot; for its usage.</source>
        <translation>Χρήση: «%1 %2 --help».</translation>
    </message>
    <message>
        <source>%1: %2 needs %3: %4</source>
        <translation>%1: η %2 χρειάζεται %3: %4</translation>
    </message>
    <message>
        <source>%1: %2 takes only %3: %4</source>
        <translation>%1: η %2 δέχεται μόνο %3: %4</translation>
    </message>
    <message>
        <source>%1: unknown encoding &quot;%2&quot;. Supported: %3</source>
        <translation>%1: άγνωστη κωδικοποίηση «%2». Υποστηρίζονται: %3</translation>
    </message>
</context>
<context>
    <name>voxtrel::CompareMarks</name>
    <message>
        <source>&amp;Compare with file...</source>
        <translation>Σύ&amp;γκριση με αρχείο...</translation>
    </message>
    <message>
        <source>Export &amp;differences...</source>
        <translation>Εξαγωγή &amp;διαφορών...</translation>
    </message>
    <message>
        <source>Next &amp;difference</source>
        <translation>Επόμενη &amp;διαφορά</translation>
    </message>
    <message>
        <source>Previous difference</source>
        <translation>Προηγούμενη διαφορά</translation>
    </message>
    <message>
        <source>Compare with file</source>
        <translation>Σύγκριση με αρχείο</translation>
    </message>
    <message numerus="yes">
        <source>%n name differs from %1 (F7: next, Shift+F7: previous)%2</source>
        <translation>
            <numerusform>%n όνομα διαφέρει από το %1 (F7: επόμενη, Shift+F7: προηγούμενη)%2</numerusform>
            <numerusform>%n ονόματα διαφέρουν από το %1 (F7: επόμενη, Shift+F7: προηγούμενη)%2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n names differ from %1 (F7: next, Shift+F7: previous)%2</source>
        <translation>
            <numerusform>%n όνομα διαφέρει από το %1 (F7: επόμενη, Shift+F7: προηγούμενη)%2</numerusform>
            <numerusform>%n ονόματα διαφέρουν από το %1 (F7: επόμενη, Shift+F7: προηγούμενη)%2</numerusform>
        </translation>
    </message>
    <message>
        <source> · record %1 there: &quot;%2&quot;</source>
        <translation> · εκεί εγγραφή %1: «%2»</translation>
    </message>
    <message>
        <source>Compare with a file first (Menu &gt; Compare with file...).</source>
        <translation>Κάντε πρώτα σύγκριση με αρχείο (Μενού &gt; Σύγκριση με αρχείο...).</translation>
    </message>
    <message>
        <source>Export a patch that turns %1 into %2 (it applies the renames of the open file), or one that turns %2 into %1?</source>
        <translation>Εξαγωγή διόρθωσης που κάνει το %1 σε %2 (εφαρμόζει τις μετονομασίες του ανοιχτού αρχείου) ή διόρθωσης που κάνει το %2 σε %1;</translation>
    </message>
    <message>
        <source>&amp;Turns %1 into %2</source>
        <translation>&amp;Κάνει το %1 σε %2</translation>
    </message>
    <message>
        <source>Turns %1 &amp;into %2</source>
        <translation>Κάνει το %1 &amp;σε %2</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Άκυρο</translation>
    </message>
    <message>
        <source>Export differences</source>
        <translation>Εξαγωγή διαφορών</translation>
    </message>
    <message>
        <source>%1 differences exported to &quot;%2&quot;.</source>
        <translation>Διαφορές (%1) εξήχθησαν στο «%2».</translation>
    </message>
    <message>
        <source>The differences were not exported:
%1</source>
        <translation>Οι διαφορές δεν εξήχθησαν:
%1</translation>
    </message>
</context>
<context>
    <name>voxtrel::DiffCommand</name>
    <message>
        <source>Write the names that differ as a patch.</source>
        <translation>Εγγραφή των ονομάτων που διαφέρουν ως διόρθωση.</translation>
    </message>
    <message>
        <source>Compares the name files OLD and NEW and writes one row per record whose name differs: its index, NEW&apos;s name and OLD&apos;s (column &quot;was&quot;), in index order. Apply the patch to other files with import or apply: a row changes a name only where it is still OLD&apos;s; a name that was empty in OLD has an empty &quot;was&quot;, which guards an empty name. Says on standard error how many differ.</source>
        <translation>Συγκρίνει τα αρχεία ονομάτων OLD και NEW και γράφει μία γραμμή για κάθε εγγραφή της οποίας το όνομα διαφέρει: τον δείκτη της, το όνομα του NEW και του OLD (στήλη «was»), κατά σειρά δείκτη. Εφαρμόστε τη διόρθωση σε άλλα αρχεία με import ή apply: μια γραμμή αλλάζει ένα όνομα μόνο όπου είναι ακόμη αυτό του OLD· ένα όνομα κενό στο OLD έχει κενό «was», που προστατεύει ένα κενό όνομα. Λέει στην τυπική έξοδο σφαλμάτων πόσα διαφέρουν.</translation>
    </message>
    <message>
        <source>The name file as it was, such as the game&apos;s own.</source>
        <translation>Το αρχείο ονομάτων όπως ήταν, π.χ. αυτό του παιχνιδιού.</translation>
    </message>
    <message>
        <source>The name file with the renames.</source>
        <translation>Το αρχείο ονομάτων με τις μετονομασίες.</translation>
    </message>
    <message>
        <source>two name files, the old and the new</source>
        <translation>δύο αρχεία ονομάτων, το παλιό και το νέο</translation>
    </message>
    <message>
        <source>OLD and NEW</source>
        <translation>OLD και NEW</translation>
    </message>
</context>
<context>
    <name>voxtrel::DocumentController</name>
    <message>
        <source>&amp;Open</source>
        <translation>Ά&amp;νοιγμα</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>Απο&amp;θήκευση</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Αποθήκευση &amp;ως...</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>Έ&amp;ξοδος</translation>
    </message>
    <message>
        <source>Otwórz plik buttów</source>
        <translation>Άνοιγμα αρχείου ονομάτων</translation>
    </message>
    <message>
        <source>unnamed_1846.bin (*.bin)|*.bin| Wszystkie pliki (*.*)|*.*</source>
        <translation>unnamed_1846.bin (*.bin)|*.bin| Όλα τα αρχεία (*.*)|*.*</translation>
    </message>
    <message>
        <source>A file wasn&apos;t chosen  !!</source>
        <translation>Δεν επιλέχθηκε αρχείο  !!</translation>
    </message>
    <message>
        <source>Mistake of loading the file </source>
        <translation>Σφάλμα φόρτωσης του αρχείου </translation>
    </message>
    <message>
        <source>A Mistake Appeared </source>
        <translation>Παρουσιάστηκε σφάλμα </translation>
    </message>
    <message>
        <source> [read-only]</source>
        <translation> [μόνο ανάγνωση]</translation>
    </message>
    <message>
        <source>Names shown in %1 (%2).</source>
        <translation>Ονόματα σε %1 (%2).</translation>
    </message>
    <message>
        <source>The names in %1 have changed. Save the changes?</source>
        <translation>Τα ονόματα στο %1 άλλαξαν. Αποθήκευση των αλλαγών;</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>Αποθήκευση αρχείου</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Αποθήκευση ως</translation>
    </message>
</context>
<context>
    <name>voxtrel::EditorMain</name>
    <message>
        <source>Qt: the widget style, such as Fusion (also -style=STYLE).</source>
        <translation>Qt: το στυλ των γραφικών στοιχείων, π.χ. Fusion (και -style=STYLE).</translation>
    </message>
    <message>
        <source>Qt: a style sheet file for the window, such as one of high contrast.</source>
        <translation>Qt: αρχείο φύλλου στυλ για το παράθυρο, π.χ. υψηλής αντίθεσης.</translation>
    </message>
    <message>
        <source>Qt: the platform plugin, such as xcb, wayland or offscreen.</source>
        <translation>Qt: το πρόσθετο πλατφόρμας, π.χ. xcb, wayland ή offscreen.</translation>
    </message>
    <message>
        <source>Qt: lay the window out right to left.</source>
        <translation>Qt: διάταξη του παραθύρου από δεξιά προς αριστερά.</translation>
    </message>
    <message>
        <source>Edits the names of a game&apos;s compressed name file.</source>
        <translation>Επεξεργάζεται τα ονόματα του συμπιεσμένου αρχείου ονομάτων ενός παιχνιδιού.</translation>
    </message>
    <message>
        <source>A compressed name file to open, such as unnamed_1846.bin; a relative path is taken from the current folder.</source>
        <translation>Ένα συμπιεσμένο αρχείο ονομάτων για άνοιγμα, π.χ. unnamed_1846.bin· μια σχετική διαδρομή λαμβάνεται από τον τρέχοντα φάκελο.</translation>
    </message>
    <message>
        <source>Forget what the editor remembers: the window&apos;s place, the last folder, the code page of each file name.</source>
        <translation>Λήθη όσων θυμάται ο επεξεργαστής: τη θέση του παραθύρου, τον τελευταίο φάκελο, την κωδικοσελίδα κάθε ονόματος αρχείου.</translation>
    </message>
</context>
<context>
    <name>voxtrel::ExportCommand</name>
    <message>
        <source>Write FILE&apos;s names as a list.</source>
        <translation>Εγγραφή των ονομάτων του FILE ως λίστα.</translation>
    </message>
    <message>
        <source>Writes the names of the compressed name file FILE as a list: a header row &quot;index,name&quot;, then one row per name. OUT.xlsx is a workbook for spreadsheets, its names in a column formatted as Text; anything else is CSV (UTF-8), for scripts, diffs and version control.</source>
        <translation>Γράφει τα ονόματα του συμπιεσμένου αρχείου ονομάτων FILE ως λίστα: μια γραμμή κεφαλίδας «index,name», έπειτα μία γραμμή ανά όνομα. Το OUT.xlsx είναι βιβλίο εργασίας για υπολογιστικά φύλλα, με τα ονόματα σε στήλη μορφοποιημένη ως Κείμενο· οτιδήποτε άλλο είναι CSV (UTF-8), για σενάρια, συγκρίσεις και έλεγχο εκδόσεων.</translation>
    </message>
    <message>
        <source>The compressed name file.</source>
        <translation>Το συμπιεσμένο αρχείο ονομάτων.</translation>
    </message>
    <message>
        <source>a name file</source>
        <translation>ένα αρχείο ονομάτων</translation>
    </message>
</context>
<context>
    <name>voxtrel::FileLock</name>
    <message>
        <source>%1 is locked by %2; nothing written</source>
        <translation>Το %1 είναι κλειδωμένο από %2· δεν γράφτηκε τίποτα</translation>
    </message>
    <message>
        <source>another program</source>
        <translation>άλλο πρόγραμμα</translation>
    </message>
    <message>
        <source>The save was cancelled while %1 was locked; nothing written</source>
        <translation>Η αποθήκευση ακυρώθηκε ενώ το %1 ήταν κλειδωμένο· δεν γράφτηκε τίποτα</translation>
    </message>
</context>
<context>
    <name>voxtrel::FileTypes</name>
    <message>
        <source>Name files (*.bin);;All files (*)</source>
        <translation>Αρχεία ονομάτων (*.bin);;Όλα τα αρχεία (*)</translation>
    </message>
    <message>
        <source>Workbooks (*.xlsx);;CSV lists (*.csv);;All files (*)</source>
        <translation>Βιβλία εργασίας (*.xlsx);;Λίστες CSV (*.csv);;Όλα τα αρχεία (*)</translation>
    </message>
    <message>
        <source>Name lists (*.xlsx *.csv);;All files (*)</source>
        <translation>Λίστες ονομάτων (*.xlsx *.csv);;Όλα τα αρχεία (*)</translation>
    </message>
</context>
<context>
    <name>voxtrel::ImportCommand</name>
    <message>
        <source>Rename the names a list holds, and save FILE.</source>
        <translation>Μετονομασία των ονομάτων μιας λίστας και αποθήκευση του FILE.</translation>
    </message>
    <message>
        <source>Renames the names that the list NAMES holds and saves FILE where it is. Every row is checked first: if any is wrong, nothing changes.</source>
        <translation>Μετονομάζει τα ονόματα που περιέχει η λίστα NAMES και αποθηκεύει το FILE εκεί όπου βρίσκεται. Κάθε γραμμή ελέγχεται πρώτα: αν κάποια είναι λάθος, δεν αλλάζει τίποτα.</translation>
    </message>
    <message>
        <source>The compressed name file to change.</source>
        <translation>Το συμπιεσμένο αρχείο ονομάτων προς αλλαγή.</translation>
    </message>
    <message>
        <source>The list: a header row &quot;index,name&quot;, then any of the rows of an export (a patch adds a column &quot;was&quot;: a row applies only where the name is still what it was; an empty &quot;was&quot; guards an empty name, so such a row applies only where the name is empty), as a workbook (.xlsx, its first visible sheet) or as CSV (UTF-8, or UTF-16 with its mark; fields between commas, semicolons or tabs). - reads it from standard input. Rows whose new name looks like what a spreadsheet makes of the name (&quot;0123&quot; as &quot;123&quot;, &quot;00:30&quot; as &quot;12:30:00 AM&quot;) are refused unless --force.</source>
        <translation>Η λίστα: μια γραμμή κεφαλίδας «index,name», έπειτα οποιεσδήποτε γραμμές μιας εξαγωγής (μια διόρθωση προσθέτει στήλη «was»: μια γραμμή ισχύει μόνο όπου το όνομα είναι ακόμη αυτό που ήταν· ένα κενό «was» προστατεύει ένα κενό όνομα, άρα μια τέτοια γραμμή ισχύει μόνο όπου το όνομα είναι κενό), ως βιβλίο εργασίας (.xlsx, το πρώτο ορατό φύλλο του) ή ως CSV (UTF-8 ή UTF-16 με το σημάδι του· πεδία χωρισμένα με κόμματα, ερωτηματικά ή στηλοθέτες). Το - τη διαβάζει από την τυπική είσοδο. Γραμμές των οποίων το νέο όνομα μοιάζει με ό,τι κάνει ένα υπολογιστικό φύλλο από το όνομα («0123» ως «123», «00:30» ως «12:30:00 AM») απορρίπτονται χωρίς --force.</translation>
    </message>
    <message>
        <source>a name file and a list</source>
        <translation>ένα αρχείο ονομάτων και μια λίστα</translation>
    </message>
    <message>
        <source>Print what would change, and write nothing.</source>
        <translation>Εμφάνιση του τι θα άλλαζε, χωρίς να γραφτεί τίποτα.</translation>
    </message>
    <message>
        <source>Save FILE even if another program changed it while it was being read; without it, such a file is left as the other program wrote it and the import fails.</source>
        <translation>Αποθήκευση του FILE ακόμη κι αν άλλο πρόγραμμα το άλλαξε όσο διαβαζόταν· χωρίς αυτό, ένα τέτοιο αρχείο μένει όπως το έγραψε το άλλο πρόγραμμα και η εισαγωγή αποτυγχάνει.</translation>
    </message>
    <message>
        <source>No name changes; %1 was not written.</source>
        <translation>Καμία αλλαγή ονομάτων· το %1 δεν γράφτηκε.</translation>
    </message>
    <message>
        <source>%1 would change; dry run, nothing was written.</source>
        <translation>Θα άλλαζαν: %1· δοκιμή, δεν γράφτηκε τίποτα.</translation>
    </message>
    <message>
        <source>%1 changed; %2 saved%3.</source>
        <translation>Άλλαξαν: %1· το %2 αποθηκεύτηκε%3.</translation>
    </message>
</context>
<context>
    <name>voxtrel::ImportPlan</name>
    <message>
        <source>index %1: %2 → %3</source>
        <translation>δείκτης %1: %2 → %3</translation>
    </message>
    <message>
        <source>The same file is given twice.</source>
        <translation>Το ίδιο αρχείο δόθηκε δύο φορές.</translation>
    </message>
    <message>
        <source>It is the file open in the editor; Import names... applies a list to it.</source>
        <translation>Είναι το αρχείο που είναι ανοιχτό στον επεξεργαστή· η Εισαγωγή ονομάτων... εφαρμόζει λίστα σε αυτό.</translation>
    </message>
</context>
<context>
    <name>voxtrel::Links</name>
    <message>
        <source>Made by kicker_quill</source>
        <translation>Από τον kicker_quill</translation>
    </message>
</context>
<context>
    <name>voxtrel::ListCommands</name>
    <message>
        <source>&amp;Export names...</source>
        <translation>Εξαγωγή ονο&amp;μάτων...</translation>
    </message>
    <message>
        <source>&amp;Import names...</source>
        <translation>Ει&amp;σαγωγή ονομάτων...</translation>
    </message>
    <message>
        <source>Export names</source>
        <translation>Εξαγωγή ονομάτων</translation>
    </message>
    <message>
        <source>The names were not exported:
%1</source>
        <translation>Τα ονόματα δεν εξήχθησαν:
%1</translation>
    </message>
    <message>
        <source>%1 names exported to &quot;%2&quot;.</source>
        <translation>Ονόματα (%1) εξήχθησαν στο «%2».</translation>
    </message>
    <message>
        <source>Import names</source>
        <translation>Εισαγωγή ονομάτων</translation>
    </message>
    <message>
        <source>The name list changes no name.</source>
        <translation>Η λίστα ονομάτων δεν αλλάζει κανένα όνομα.</translation>
    </message>
    <message numerus="yes">
        <source>%n names changed. Save writes them to the file.</source>
        <translation>
            <numerusform>Άλλαξε %n όνομα. Η Αποθήκευση το γράφει στο αρχείο.</numerusform>
            <numerusform>Άλλαξαν %n ονόματα. Η Αποθήκευση τα γράφει στο αρχείο.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>voxtrel::ListFormats</name>
    <message>
        <source>The name list formats could not be loaded: %1</source>
        <translation>Δεν ήταν δυνατή η φόρτωση των μορφών λίστας ονομάτων: %1</translation>
    </message>
</context>
<context>
    <name>voxtrel::LockHolder</name>
    <message>
        <source>another program</source>
        <translation>άλλο πρόγραμμα</translation>
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
        <translation>Αναμονή</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Άκυρο</translation>
    </message>
    <message>
        <source>%1 is locked by %2. Waiting for it...</source>
        <translation>Το %1 είναι κλειδωμένο από %2. Αναμονή...</translation>
    </message>
    <message>
        <source>another program</source>
        <translation>άλλο πρόγραμμα</translation>
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
        <translation>1)Άλλη έκδοση-unnamed_1845.bin

2)Αγγλική έκδοση-unnamed_1846.bin

3)Άλλη έκδοση-unnamed_1847.bin

4)Άλλη έκδοση-unnamed_1848.bin

5)Άλλη έκδοση-unnamed_1849.bin

6)Άλλη έκδοση-unnamed_1850.bin

7)Άλλη έκδοση-unnamed_1852.bin

8)Άλλη έκδοση-unnamed_1853.bin

9)Άλλη έκδοση-unnamed_1854.bin</translation>
    </message>
    <message>
        <source>Quick Save</source>
        <translation>Γρήγορη αποθ.</translation>
    </message>
    <message>
        <source>Voxtrel banner</source>
        <translation>Πανό Voxtrel</translation>
    </message>
    <message>
        <source>Football pitch with a ball, and GOAL!</source>
        <translation>Γήπεδο ποδοσφαίρου με μπάλα και GOAL!</translation>
    </message>
    <message>
        <source>Names</source>
        <translation>Ονόματα</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Αναζήτηση</translation>
    </message>
    <message>
        <source>Search...</source>
        <translation>Αναζήτηση...</translation>
    </message>
    <message>
        <source>Show only the names that hold the search text (Ctrl+Shift+F)</source>
        <translation>Εμφάνιση μόνο των ονομάτων που περιέχουν το κείμενο αναζήτησης (Ctrl+Shift+F)</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Φίλτρο</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Όνομα</translation>
    </message>
    <message>
        <source>File dt0f.img</source>
        <translation>Αρχείο dt0f.img</translation>
    </message>
</context>
<context>
    <name>voxtrel::MainMenus</name>
    <message>
        <source>&amp;Menu</source>
        <translation>&amp;Μενού</translation>
    </message>
    <message>
        <source>E&amp;ncoding</source>
        <translation>&amp;Κωδικοποίηση</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Επεξεργασία</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Σχετικά</translation>
    </message>
    <message>
        <source>&amp;Visit</source>
        <translation>Ε&amp;πίσκεψη</translation>
    </message>
</context>
<context>
    <name>voxtrel::NameCsv</name>
    <message>
        <source>line %1: a quote inside a field that is not quoted, or text after a closing quote</source>
        <translation>γραμμή %1: εισαγωγικό μέσα σε πεδίο χωρίς εισαγωγικά ή κείμενο μετά από κλείσιμο εισαγωγικών</translation>
    </message>
    <message>
        <source>line %1: a quoted field is never closed</source>
        <translation>γραμμή %1: ένα πεδίο σε εισαγωγικά δεν κλείνει ποτέ</translation>
    </message>
    <message>
        <source>The file ends in half a UTF-16 character: it was cut short or is not UTF-16 text.</source>
        <translation>Το αρχείο τελειώνει σε μισό χαρακτήρα UTF-16: κόπηκε ή δεν είναι κείμενο UTF-16.</translation>
    </message>
    <message>
        <source>line %1: half of a UTF-16 surrogate pair stands alone; the text is broken.</source>
        <translation>γραμμή %1: το μισό ενός ζεύγους υποκατάστασης UTF-16 στέκει μόνο του· το κείμενο είναι κατεστραμμένο.</translation>
    </message>
    <message>
        <source>It is UTF-16 text without a byte-order mark; save it as UTF-8 CSV and import it again.</source>
        <translation>Είναι κείμενο UTF-16 χωρίς σημάδι σειράς byte· αποθηκεύστε το ως CSV σε UTF-8 και εισαγάγετέ το ξανά.</translation>
    </message>
    <message>
        <source>line %1: it is not UTF-8 text; save it as UTF-8 CSV and import it again.</source>
        <translation>γραμμή %1: δεν είναι κείμενο UTF-8· αποθηκεύστε το ως CSV σε UTF-8 και εισαγάγετέ το ξανά.</translation>
    </message>
</context>
<context>
    <name>voxtrel::NameDocument</name>
    <message>
        <source>The working folder cannot take a copy of &quot;%1&quot;: %2</source>
        <translation>Ο φάκελος εργασίας δεν μπορεί να δεχτεί αντίγραφο του «%1»: %2</translation>
    </message>
    <message>
        <source>Decompressing %1...</source>
        <translation>Αποσυμπίεση %1...</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; could not be decompressed:
%2</source>
        <translation>Το αρχείο «%1» δεν αποσυμπιέστηκε:
%2</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; could not be loaded:
%2</source>
        <translation>Το αρχείο «%1» δεν φορτώθηκε:
%2</translation>
    </message>
    <message>
        <source>Import %1 names</source>
        <translation>Εισαγωγή ονομάτων: %1</translation>
    </message>
    <message>
        <source>No name file is open.</source>
        <translation>Δεν είναι ανοιχτό κανένα αρχείο ονομάτων.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was changed on disk since it was read: %2</source>
        <translation>Το «%1» άλλαξε στον δίσκο αφότου διαβάστηκε: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was changed on disk since it was read.</source>
        <translation>Το «%1» άλλαξε στον δίσκο αφότου διαβάστηκε.</translation>
    </message>
    <message>
        <source>The working file could not be written:
%1</source>
        <translation>Το αρχείο εργασίας δεν γράφτηκε:
%1</translation>
    </message>
    <message>
        <source>Compressing %1...</source>
        <translation>Συμπίεση %1...</translation>
    </message>
    <message>
        <source>The compression tool left no compressed file.</source>
        <translation>Το εργαλείο συμπίεσης δεν άφησε συμπιεσμένο αρχείο.</translation>
    </message>
    <message>
        <source>The compressed file could not be checked: the working folder refused a rename.</source>
        <translation>Το συμπιεσμένο αρχείο δεν ελέγχθηκε: ο φάκελος εργασίας αρνήθηκε μια μετονομασία.</translation>
    </message>
    <message>
        <source>Checking %1...</source>
        <translation>Έλεγχος %1...</translation>
    </message>
    <message>
        <source>The compressed file could not be checked:
%1</source>
        <translation>Το συμπιεσμένο αρχείο δεν ελέγχθηκε:
%1</translation>
    </message>
    <message>
        <source>The compressed file does not decompress to the names written.</source>
        <translation>Το συμπιεσμένο αρχείο δεν αποσυμπιέζεται στα ονόματα που γράφτηκαν.</translation>
    </message>
    <message>
        <source>The file is marked read-only; Save As writes the names to another file.</source>
        <translation>Το αρχείο είναι μόνο για ανάγνωση· η Αποθήκευση ως γράφει τα ονόματα σε άλλο αρχείο.</translation>
    </message>
    <message>
        <source>You may not write this file; Save As writes the names to another file.</source>
        <translation>Δεν επιτρέπεται να γράψετε αυτό το αρχείο· η Αποθήκευση ως γράφει τα ονόματα σε άλλο αρχείο.</translation>
    </message>
</context>
<context>
    <name>voxtrel::NameEditor</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Αναίρεση</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Επανάληψη</translation>
    </message>
    <message>
        <source>Re&amp;vert name</source>
        <translation>Επαναφορά &amp;ονόματος</translation>
    </message>
    <message>
        <source>Name.</source>
        <translation>Όνομα.</translation>
    </message>
    <message>
        <source>A name holds at most %1 characters.</source>
        <translation>Ένα όνομα έχει το πολύ %1 χαρακτήρες.</translation>
    </message>
</context>
<context>
    <name>voxtrel::NameFileSize</name>
    <message>
        <source>%1 is %2 bytes when decompressed; a name file is %3 bytes.</source>
        <translation>Το %1 είναι %2 byte όταν αποσυμπιεστεί· ένα αρχείο ονομάτων είναι %3 byte.</translation>
    </message>
</context>
<context>
    <name>voxtrel::NameList</name>
    <message>
        <source>&amp;Find</source>
        <translation>Εύ&amp;ρεση</translation>
    </message>
    <message>
        <source>Fi&amp;lter names</source>
        <translation>&amp;Φίλτρο ονομάτων</translation>
    </message>
    <message>
        <source>No name starts with &apos;%1&apos;</source>
        <translation>Κανένα όνομα δεν αρχίζει με «%1»</translation>
    </message>
    <message>
        <source>No name contains &apos;%1&apos;</source>
        <translation>Κανένα όνομα δεν περιέχει «%1»</translation>
    </message>
</context>
<context>
    <name>voxtrel::NameListModel</name>
    <message>
        <source>Renamed, not saved</source>
        <translation>Μετονομάστηκε, δεν αποθηκεύτηκε</translation>
    </message>
</context>
<context>
    <name>voxtrel::NameLists</name>
    <message>
        <source>standard input</source>
        <translation>τυπική είσοδος</translation>
    </message>
    <message>
        <source>The name list %1 is larger than 4 MiB; a list of 1209 names is far smaller.</source>
        <translation>Η λίστα ονομάτων %1 είναι μεγαλύτερη από 4 MiB· μια λίστα 1209 ονομάτων είναι πολύ μικρότερη.</translation>
    </message>
    <message>
        <source>The name list was not read: %1</source>
        <translation>Η λίστα ονομάτων δεν διαβάστηκε: %1</translation>
    </message>
    <message>
        <source>The name list %1 is empty.</source>
        <translation>Η λίστα ονομάτων %1 είναι κενή.</translation>
    </message>
</context>
<context>
    <name>voxtrel::NameRows</name>
    <message>
        <source>the name holds a line break</source>
        <translation>το όνομα περιέχει αλλαγή γραμμής</translation>
    </message>
    <message>
        <source>the name holds the control character %1</source>
        <translation>το όνομα περιέχει τον χαρακτήρα ελέγχου %1</translation>
    </message>
    <message>
        <source>the name has %1 characters; a name holds at most %2</source>
        <translation>το όνομα έχει %1 χαρακτήρες· ένα όνομα έχει το πολύ %2</translation>
    </message>
    <message>
        <source>%1 cannot be written in %2</source>
        <translation>το %1 δεν γράφεται σε %2</translation>
    </message>
    <message>
        <source>a number</source>
        <translation>αριθμό</translation>
    </message>
    <message>
        <source>a formula</source>
        <translation>τύπο</translation>
    </message>
    <message>
        <source>an error value</source>
        <translation>τιμή σφάλματος</translation>
    </message>
    <message>
        <source>TRUE or FALSE</source>
        <translation>TRUE ή FALSE</translation>
    </message>
    <message>
        <source>a date</source>
        <translation>ημερομηνία</translation>
    </message>
    <message>
        <source>text</source>
        <translation>κείμενο</translation>
    </message>
    <message>
        <source>line %1</source>
        <translation>γραμμή %1</translation>
    </message>
    <message>
        <source>row %1</source>
        <translation>γραμμή %1</translation>
    </message>
    <message>
        <source>the header must be &quot;index,name&quot; (or &quot;index,name,was&quot;)</source>
        <translation>η κεφαλίδα πρέπει να είναι «index,name» (ή «index,name,was»)</translation>
    </message>
    <message>
        <source>a column is missing (expected %1)</source>
        <translation>λείπει μια στήλη (αναμένονται %1)</translation>
    </message>
    <message>
        <source>an extra column (expected %1)</source>
        <translation>μια στήλη παραπάνω (αναμένονται %1)</translation>
    </message>
    <message>
        <source>the index &quot;%1&quot; is not a whole number</source>
        <translation>ο δείκτης «%1» δεν είναι ακέραιος</translation>
    </message>
    <message>
        <source>the index %1 is out of range: the file has no names</source>
        <translation>ο δείκτης %1 είναι εκτός ορίων: το αρχείο δεν έχει ονόματα</translation>
    </message>
    <message>
        <source>the index %1 is out of range (0 to %2)</source>
        <translation>ο δείκτης %1 είναι εκτός ορίων (0 έως %2)</translation>
    </message>
    <message>
        <source>the index %1 is also on %2</source>
        <translation>ο δείκτης %1 υπάρχει και στη θέση %2</translation>
    </message>
    <message>
        <source>the name cell holds %1, not text; format the name column as Text and type the name again</source>
        <translation>το κελί του ονόματος περιέχει %1, όχι κείμενο· μορφοποιήστε τη στήλη ονομάτων ως Κείμενο και πληκτρολογήστε ξανά το όνομα</translation>
    </message>
    <message>
        <source>the name has more than %1 characters; a name holds at most %1</source>
        <translation>το όνομα έχει πάνω από %1 χαρακτήρες· ένα όνομα έχει το πολύ %1</translation>
    </message>
    <message>
        <source>the name is not UTF-8 text; save the list as UTF-8 CSV</source>
        <translation>το όνομα δεν είναι κείμενο UTF-8· αποθηκεύστε τη λίστα ως CSV σε UTF-8</translation>
    </message>
    <message>
        <source>the former name is not UTF-8 text</source>
        <translation>το προηγούμενο όνομα δεν είναι κείμενο UTF-8</translation>
    </message>
    <message>
        <source>%1: index %2: expected &quot;%3&quot;, found &quot;%4&quot;</source>
        <translation>%1: δείκτης %2: αναμενόταν «%3», βρέθηκε «%4»</translation>
    </message>
    <message>
        <source>%1: index %2: &quot;%3&quot; → &quot;%4&quot; looks like %5</source>
        <translation>%1: δείκτης %2: «%3» → «%4» μοιάζει με %5</translation>
    </message>
    <message>
        <source>The name list was refused; no name was changed.
</source>
        <translation>Η λίστα ονομάτων απορρίφθηκε· κανένα όνομα δεν άλλαξε.
</translation>
    </message>
    <message>
        <source>the header &quot;index,name&quot; is missing</source>
        <translation>λείπει η κεφαλίδα «index,name»</translation>
    </message>
    <message>
        <source>1 name looks converted by a spreadsheet, not renamed</source>
        <translation>1 όνομα μοιάζει μετατρεπμένο από υπολογιστικό φύλλο, όχι μετονομασμένο</translation>
    </message>
    <message>
        <source>%1 names look converted by a spreadsheet, not renamed</source>
        <translation>%1 ονόματα μοιάζουν μετατρεπμένα από υπολογιστικό φύλλο, όχι μετονομασμένα</translation>
    </message>
    <message>
        <source>; no name was changed:
</source>
        <translation>· κανένα όνομα δεν άλλαξε:
</translation>
    </message>
    <message>
        <source>
... and %1 more.</source>
        <translation>
... και %1 ακόμη.</translation>
    </message>
    <message>
        <source>
A spreadsheet that opens a CSV list turns names that look like numbers, dates, times or formulas into values. Export the names as .xlsx, whose name column is Text, and edit that instead.</source>
        <translation>
Ένα υπολογιστικό φύλλο που ανοίγει λίστα CSV μετατρέπει σε τιμές τα ονόματα που μοιάζουν με αριθμούς, ημερομηνίες, ώρες ή τύπους. Εξαγάγετε τα ονόματα ως .xlsx, του οποίου η στήλη ονομάτων είναι Κείμενο, και επεξεργαστείτε εκείνο.</translation>
    </message>
    <message>
        <source>1 name is not what the patch says it was</source>
        <translation>1 όνομα δεν είναι αυτό που λέει η διόρθωση ότι ήταν</translation>
    </message>
    <message>
        <source>%1 names are not what the patch says they were</source>
        <translation>%1 ονόματα δεν είναι αυτά που λέει η διόρθωση ότι ήταν</translation>
    </message>
    <message>
        <source>
... and %1 more lines with faults.</source>
        <translation>
... και %1 ακόμη γραμμές με σφάλματα.</translation>
    </message>
</context>
<context>
    <name>voxtrel::NameWorkbook</name>
    <message>
        <source>the written workbook cannot be opened again</source>
        <translation>το βιβλίο εργασίας που γράφτηκε δεν ανοίγει ξανά</translation>
    </message>
    <message>
        <source>the written sheet cannot be read again</source>
        <translation>το φύλλο που γράφτηκε δεν διαβάζεται ξανά</translation>
    </message>
    <message>
        <source>the written sheet cannot be replaced</source>
        <translation>το φύλλο που γράφτηκε δεν αντικαθίσταται</translation>
    </message>
    <message>
        <source>the written workbook cannot be closed</source>
        <translation>το βιβλίο εργασίας που γράφτηκε δεν κλείνει</translation>
    </message>
    <message>
        <source>No workbook can be made in the working folder: %1</source>
        <translation>Δεν μπορεί να δημιουργηθεί βιβλίο εργασίας στον φάκελο εργασίας: %1</translation>
    </message>
    <message>
        <source>No workbook can be made in the working folder.</source>
        <translation>Δεν μπορεί να δημιουργηθεί βιβλίο εργασίας στον φάκελο εργασίας.</translation>
    </message>
    <message>
        <source>The workbook could not be written: %1</source>
        <translation>Το βιβλίο εργασίας δεν γράφτηκε: %1</translation>
    </message>
    <message>
        <source>The workbook could not be written: %1.</source>
        <translation>Το βιβλίο εργασίας δεν γράφτηκε: %1.</translation>
    </message>
    <message>
        <source>The workbook could not be read back: %1</source>
        <translation>Το βιβλίο εργασίας δεν διαβάστηκε πίσω: %1</translation>
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
        <translation>Χρήση: voxtrel-names &lt;εντολή&gt; [επιλογές]
Βγάζει τα ονόματα ενός συμπιεσμένου αρχείου ονομάτων ως λίστα, τα ξαναβάζει
και μοιράζει μετονομασίες μεταξύ αρχείων ως διορθώσεις.

Εντολές:
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
Το «voxtrel-names &lt;εντολή&gt; --help» δείχνει τις επιλογές μιας εντολής
και το «man voxtrel-names» τις μορφές λίστας και παραδείγματα.
Κωδικοί εξόδου: 0 έγινε· 1 απέτυχε: δεν γράφτηκε τίποτα, εκτός από διπλό
σφάλμα (απέτυχαν και η εγγραφή στη θέση του και η επαναφορά των παλιών byte),
όπου το μήνυμα ονομάζει το αντίγραφο των παλιών byte που κράτησε, και την apply,
της οποίας η τελευταία γραμμή ονομάζει τα αρχεία που αποθηκεύτηκαν και όσα όχι·
2 σφάλμα χρήσης.
</translation>
    </message>
    <message>
        <source>voxtrel-names: no command given.
</source>
        <translation>voxtrel-names: δεν δόθηκε εντολή.
</translation>
    </message>
    <message>
        <source>voxtrel-names: unknown command &quot;%1&quot;.
</source>
        <translation>voxtrel-names: άγνωστη εντολή «%1».
</translation>
    </message>
</context>
<context>
    <name>voxtrel::PlainFile</name>
    <message>
        <source>cannot read %1: %2</source>
        <translation>το %1 δεν διαβάζεται: %2</translation>
    </message>
    <message>
        <source>%1 is a folder, not a file.</source>
        <translation>Το %1 είναι φάκελος, όχι αρχείο.</translation>
    </message>
    <message>
        <source>%1 is not a regular file.</source>
        <translation>Το %1 δεν είναι κανονικό αρχείο.</translation>
    </message>
    <message>
        <source>%1 is larger than %2 MiB.</source>
        <translation>Το %1 είναι μεγαλύτερο από %2 MiB.</translation>
    </message>
    <message>
        <source>standard input</source>
        <translation>τυπική είσοδος</translation>
    </message>
    <message>
        <source>%1 does not exist.</source>
        <translation>Το %1 δεν υπάρχει.</translation>
    </message>
    <message>
        <source>%1 is a link to a file that does not exist.</source>
        <translation>Το %1 είναι σύνδεσμος σε αρχείο που δεν υπάρχει.</translation>
    </message>
    <message>
        <source>%1 is a link that leads back to itself.</source>
        <translation>Το %1 είναι σύνδεσμος που οδηγεί πίσω στον εαυτό του.</translation>
    </message>
</context>
<context>
    <name>voxtrel::QtAppServices</name>
    <message>
        <source>&amp;Discard</source>
        <translation>Α&amp;πόρριψη</translation>
    </message>
</context>
<context>
    <name>voxtrel::Questions</name>
    <message>
        <source> Open it anyway?</source>
        <translation> Άνοιγμα παρ&apos; όλα αυτά;</translation>
    </message>
    <message>
        <source>the last %1 bytes are left out</source>
        <translation>τα τελευταία %1 byte παραλείπονται</translation>
    </message>
    <message>
        <source>%1 bytes are added</source>
        <translation>προστίθενται %1 byte</translation>
    </message>
    <message>
        <source>%1 decompressed to %2 bytes; a name file is %3 bytes. Saving writes a %3-byte name file: %4. Save?</source>
        <translation>Το %1 αποσυμπιέστηκε σε %2 byte· ένα αρχείο ονομάτων είναι %3 byte. Η αποθήκευση γράφει αρχείο ονομάτων %3 byte: %4. Αποθήκευση;</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>Απο&amp;θήκευση</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Άκυρο</translation>
    </message>
    <message>
        <source>&amp;Overwrite</source>
        <translation>&amp;Αντικατάσταση</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Αποθήκευση &amp;ως...</translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation>Α&amp;πόρριψη</translation>
    </message>
    <message>
        <source>%1 was changed on disk since it was opened. Overwrite it, or cancel and keep both?</source>
        <translation>Το %1 άλλαξε στον δίσκο αφότου άνοιξε. Αντικατάσταση ή ακύρωση και διατήρηση και των δύο;</translation>
    </message>
    <message>
        <source>The names in %1 have changed, and %1 cannot be written. Save the changes to another file?</source>
        <translation>Τα ονόματα στο %1 άλλαξαν και το %1 δεν μπορεί να γραφτεί. Αποθήκευση των αλλαγών σε άλλο αρχείο;</translation>
    </message>
    <message>
        <source>Written to %1%2</source>
        <translation>Γράφτηκε στο %1%2</translation>
    </message>
    <message>
        <source>Not a name file&apos;s size: %1 bytes</source>
        <translation>Όχι μέγεθος αρχείου ονομάτων: %1 byte</translation>
    </message>
    <message>
        <source>%1 cannot be stored in the %2 (%3) code page%4</source>
        <translation>Το %1 δεν αποθηκεύεται στην κωδικοσελίδα %2 (%3)%4</translation>
    </message>
    <message>
        <source>; the rest was kept.</source>
        <translation>· τα υπόλοιπα κρατήθηκαν.</translation>
    </message>
</context>
<context>
    <name>voxtrel::RememberedEncodings</name>
    <message>
        <source>Settings are not kept: &quot;%1&quot; is %2.</source>
        <translation>Οι ρυθμίσεις δεν διατηρούνται: το «%1» είναι %2.</translation>
    </message>
    <message>
        <source>a link</source>
        <translation>σύνδεσμος</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>όχι κανονικό αρχείο</translation>
    </message>
</context>
<context>
    <name>voxtrel::RenameCommand</name>
    <message>
        <source>Rename &quot;%1&quot;</source>
        <translation>Μετονομασία «%1»</translation>
    </message>
</context>
<context>
    <name>voxtrel::ResolvedTarget</name>
    <message>
        <source>%1 is a link that leads back to itself.</source>
        <translation>Το %1 είναι σύνδεσμος που οδηγεί πίσω στον εαυτό του.</translation>
    </message>
    <message>
        <source>The folder of %1 cannot be opened: %2</source>
        <translation>Ο φάκελος του %1 δεν ανοίγει: %2</translation>
    </message>
    <message>
        <source>%1 is a folder, not a file.</source>
        <translation>Το %1 είναι φάκελος, όχι αρχείο.</translation>
    </message>
    <message>
        <source>%1 is a link to a file that does not exist.</source>
        <translation>Το %1 είναι σύνδεσμος σε αρχείο που δεν υπάρχει.</translation>
    </message>
    <message>
        <source>%1 cannot be followed.</source>
        <translation>Το %1 δεν ακολουθείται.</translation>
    </message>
</context>
<context>
    <name>voxtrel::SafeWriter</name>
    <message>
        <source>%1 is read-only.</source>
        <translation>Το %1 είναι μόνο για ανάγνωση.</translation>
    </message>
    <message>
        <source>%1 cannot be written:
%2</source>
        <translation>Το %1 δεν γράφεται:
%2</translation>
    </message>
    <message>
        <source>Standard output cannot be written: %1</source>
        <translation>Η τυπική έξοδος δεν γράφεται: %1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is the name file itself; the list goes to another file.</source>
        <translation>Το «%1» είναι το ίδιο το αρχείο ονομάτων· η λίστα πηγαίνει σε άλλο αρχείο.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be written: %2</source>
        <translation>Το «%1» δεν γράφεται: %2</translation>
    </message>
    <message>
        <source>%1 cannot be written in place: %2</source>
        <translation>Το %1 δεν γράφεται στη θέση του: %2</translation>
    </message>
    <message>
        <source>%1 cannot be written in place: %2.</source>
        <translation>Το %1 δεν γράφεται στη θέση του: %2.</translation>
    </message>
    <message>
        <source>%1 cannot be written in place:
%2</source>
        <translation>Το %1 δεν γράφεται στη θέση του:
%2</translation>
    </message>
    <message>
        <source>
Its former content was written back.</source>
        <translation>
Το προηγούμενο περιεχόμενό του γράφτηκε πίσω.</translation>
    </message>
    <message>
        <source>
The disk did not confirm writing its former content back, but the file reads back unchanged.</source>
        <translation>
Ο δίσκος δεν επιβεβαίωσε την εγγραφή του προηγούμενου περιεχομένου, αλλά το αρχείο διαβάζεται αμετάβλητο.</translation>
    </message>
    <message>
        <source>
Its former content could not be written back; a copy of it is kept in &quot;%1&quot;, and the next time the file is opened it is put back, unless the file is whole with the new names.</source>
        <translation>
Το προηγούμενο περιεχόμενό του δεν γράφτηκε πίσω· ένα αντίγραφό του φυλάσσεται στο «%1» και την επόμενη φορά που θα ανοίξει το αρχείο επανέρχεται, εκτός αν το αρχείο είναι ακέραιο με τα νέα ονόματα.</translation>
    </message>
</context>
<context>
    <name>voxtrel::SaveJournal</name>
    <message>
        <source>there is no folder to keep its present content in (neither XDG_STATE_HOME nor HOME is set)</source>
        <translation>δεν υπάρχει φάκελος για να κρατηθεί το τωρινό περιεχόμενό του (δεν έχει οριστεί ούτε XDG_STATE_HOME ούτε HOME)</translation>
    </message>
    <message>
        <source>its present content cannot be kept in &quot;%1&quot;: %2</source>
        <translation>το τωρινό περιεχόμενό του δεν μπορεί να κρατηθεί στο «%1»: %2</translation>
    </message>
    <message>
        <source>%1 was restored: a save of it at %2 was cut off; it holds what it held before that save.</source>
        <translation>Το %1 επανήλθε: μια αποθήκευσή του στις %2 διακόπηκε· περιέχει ό,τι περιείχε πριν από εκείνη την αποθήκευση.</translation>
    </message>
    <message>
        <source>A save of %1 at %2 was cut off, and %3; its content before that save is kept in &quot;%4&quot;.</source>
        <translation>Μια αποθήκευση του %1 στις %2 διακόπηκε και %3· το περιεχόμενό του πριν από εκείνη την αποθήκευση φυλάσσεται στο «%4».</translation>
    </message>
    <message>
        <source>the file is gone</source>
        <translation>το αρχείο χάθηκε</translation>
    </message>
    <message>
        <source>another file has its name now</source>
        <translation>άλλο αρχείο έχει τώρα το όνομά του</translation>
    </message>
    <message>
        <source>the copy of its former content is damaged</source>
        <translation>το αντίγραφο του προηγούμενου περιεχομένου του είναι κατεστραμμένο</translation>
    </message>
    <message>
        <source>its former content could not be written back (%1)</source>
        <translation>το προηγούμενο περιεχόμενό του δεν γράφτηκε πίσω (%1)</translation>
    </message>
</context>
<context>
    <name>voxtrel::SaveResult</name>
    <message>
        <source>in place: its folder takes no new file beside it</source>
        <translation>στη θέση του: ο φάκελός του δεν δέχεται νέο αρχείο δίπλα του</translation>
    </message>
    <message>
        <source>in place: its name leaves no room for a temporary name beside it</source>
        <translation>στη θέση του: το όνομά του δεν αφήνει χώρο για προσωρινό όνομα δίπλα του</translation>
    </message>
    <message>
        <source>in place: it has other names (hard links), which keep seeing it</source>
        <translation>στη θέση του: έχει κι άλλα ονόματα (σκληρούς συνδέσμους), που συνεχίζουν να το βλέπουν</translation>
    </message>
    <message>
        <source>in place: a new file could not keep its owner and group</source>
        <translation>στη θέση του: ένα νέο αρχείο δεν θα κρατούσε τον κάτοχο και την ομάδα του</translation>
    </message>
    <message>
        <source>%1 was not saved.
%2</source>
        <translation>Το %1 δεν αποθηκεύτηκε.
%2</translation>
    </message>
    <message>
        <source>%1 changed while it was being read; nothing written.</source>
        <translation>Το %1 άλλαξε όσο διαβαζόταν· δεν γράφτηκε τίποτα.</translation>
    </message>
    <message>
        <source>%1 was not saved; it is unchanged.
%2</source>
        <translation>Το %1 δεν αποθηκεύτηκε· είναι αμετάβλητο.
%2</translation>
    </message>
</context>
<context>
    <name>voxtrel::Scn_Process</name>
    <message>
        <source>The command line names no program.</source>
        <translation>Η γραμμή εντολών δεν ονομάζει πρόγραμμα.</translation>
    </message>
</context>
<context>
    <name>voxtrel::SpreadsheetDamage</name>
    <message>
        <source>a formula&apos;s result</source>
        <translation>το αποτέλεσμα ενός τύπου</translation>
    </message>
    <message>
        <source>a number</source>
        <translation>αριθμό</translation>
    </message>
    <message>
        <source>a time</source>
        <translation>ώρα</translation>
    </message>
    <message>
        <source>a date</source>
        <translation>ημερομηνία</translation>
    </message>
    <message>
        <source>TRUE or FALSE</source>
        <translation>TRUE ή FALSE</translation>
    </message>
</context>
<context>
    <name>voxtrel::StatusNotes</name>
    <message>
        <source>%1 of %1</source>
        <translation>%1 από %1</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 από %2</translation>
    </message>
    <message>
        <source>Record %1 of %2 · %3</source>
        <translation>Εγγραφή %1 από %2 · %3</translation>
    </message>
</context>
<context>
    <name>voxtrel::ToolProgress</name>
    <message>
        <source>Cancel</source>
        <translation>Άκυρο</translation>
    </message>
</context>
<context>
    <name>voxtrel::ToolRunner</name>
    <message>
        <source>The compression tool is still running.</source>
        <translation>Το εργαλείο συμπίεσης εκτελείται ακόμη.</translation>
    </message>
    <message>
        <source>The compression tool was cancelled.</source>
        <translation>Το εργαλείο συμπίεσης ακυρώθηκε.</translation>
    </message>
    <message>
        <source>The compression tool could not be started:
%1
%2</source>
        <translation>Το εργαλείο συμπίεσης δεν ξεκίνησε:
%1
%2</translation>
    </message>
    <message>
        <source>The compression tool failed (exit code %1).</source>
        <translation>Το εργαλείο συμπίεσης απέτυχε (κωδικός εξόδου %1).</translation>
    </message>
</context>
<context>
    <name>voxtrel::WorkFolder</name>
    <message>
        <source>it is a link, not a folder of its own</source>
        <translation>είναι σύνδεσμος, όχι δικός σας φάκελος</translation>
    </message>
    <message>
        <source>it belongs to another user</source>
        <translation>ανήκει σε άλλον χρήστη</translation>
    </message>
    <message>
        <source>it changed while it was opened</source>
        <translation>άλλαξε ενώ άνοιγε</translation>
    </message>
    <message>
        <source>The working folder &quot;%1&quot; is refused: %2. Nothing is opened until it is a folder of your own.</source>
        <translation>Ο φάκελος εργασίας «%1» απορρίπτεται: %2. Δεν ανοίγει τίποτα μέχρι να είναι δικός σας φάκελος.</translation>
    </message>
    <message>
        <source>No working folder could be made in &quot;%1&quot;: %2</source>
        <translation>Δεν δημιουργήθηκε φάκελος εργασίας στο «%1»: %2</translation>
    </message>
</context>
<context>
    <name>voxtrel::WorkbookReader</name>
    <message>
        <source>it holds more than %1 shared strings</source>
        <translation>περιέχει πάνω από %1 κοινόχρηστες συμβολοσειρές</translation>
    </message>
    <message>
        <source>%1 hidden %2 read: %3%4.</source>
        <translation>Κρυφές γραμμές (%1) %2: %3%4.</translation>
    </message>
    <message>
        <source>row was</source>
        <translation>διαβάστηκαν</translation>
    </message>
    <message>
        <source>rows were</source>
        <translation>διαβάστηκαν</translation>
    </message>
    <message>
        <source>a cell has no place</source>
        <translation>ένα κελί δεν έχει θέση</translation>
    </message>
    <message>
        <source>the cell points to shared string &quot;%1&quot;, which the workbook does not hold (it holds %2)</source>
        <translation>το κελί δείχνει στην κοινόχρηστη συμβολοσειρά «%1», που το βιβλίο εργασίας δεν περιέχει (περιέχει %2)</translation>
    </message>
    <message>
        <source>the text holds half of a surrogate pair; it is broken</source>
        <translation>το κείμενο περιέχει το μισό ενός ζεύγους υποκατάστασης· είναι κατεστραμμένο</translation>
    </message>
    <message>
        <source>It is not a workbook this editor can read: %1.</source>
        <translation>Δεν είναι βιβλίο εργασίας που μπορεί να διαβάσει αυτός ο επεξεργαστής: %1.</translation>
    </message>
    <message>
        <source>it has no sheet</source>
        <translation>δεν έχει φύλλο</translation>
    </message>
    <message>
        <source>every sheet is hidden</source>
        <translation>κάθε φύλλο είναι κρυφό</translation>
    </message>
    <message>
        <source>the sheet &quot;%1&quot; is missing</source>
        <translation>λείπει το φύλλο «%1»</translation>
    </message>
    <message>
        <source>Read the sheet &quot;%1&quot;, the first visible one of %2 sheets.</source>
        <translation>Διαβάστηκε το φύλλο «%1», το πρώτο ορατό από %2 φύλλα.</translation>
    </message>
</context>
<context>
    <name>voxtrel::ZipPackage</name>
    <message>
        <source>the package cannot be opened</source>
        <translation>το πακέτο δεν ανοίγει</translation>
    </message>
    <message>
        <source>the package has more than %1 parts</source>
        <translation>το πακέτο έχει πάνω από %1 μέρη</translation>
    </message>
    <message>
        <source>the part %1 is larger than %2 MiB when unpacked</source>
        <translation>το μέρος %1 είναι μεγαλύτερο από %2 MiB όταν αποσυμπιεστεί</translation>
    </message>
    <message>
        <source>the part %1 cannot be unpacked</source>
        <translation>το μέρος %1 δεν αποσυμπιέζεται</translation>
    </message>
    <message>
        <source>the part %1 is missing</source>
        <translation>λείπει το μέρος %1</translation>
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
