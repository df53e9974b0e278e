<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>AppConfig</name>
    <message>
        <source>Unknown lookup source &quot;%1&quot;: choose from %2.</source>
        <translation>Unbekannte Quelle „%1“: Wählen Sie aus %2.</translation>
    </message>
    <message>
        <source>No lookup source named: give one or more of %1.</source>
        <translation>Keine Quelle angegeben: Geben Sie eine oder mehrere von %1 an.</translation>
    </message>
    <message>
        <source>Looks up EAN product codes in batches: in its window, or with --batch from files or standard input without a display.</source>
        <translation>Fragt EAN-Produktcodes stapelweise ab: in seinem Fenster oder mit --batch aus Dateien oder der Standardeingabe ohne grafische Anzeige.</translation>
    </message>
    <message>
        <source>The host the start-up connectivity check pings (default: %1; environment: QUILLFEN_PING_HOST).</source>
        <translation>Der Host, den die Verbindungsprüfung beim Start anpingt (Standard: %1; Umgebungsvariable: QUILLFEN_PING_HOST).</translation>
    </message>
    <message>
        <source>The page service to ask: scheme, host, optional port and path, for example http://127.0.0.1:8080. Named alone, it is the only source. Overrides QUILLFEN_SERVICE_URL.</source>
        <translation>Der abzufragende Seitendienst: Schema, Host, optional Port und Pfad, zum Beispiel http://127.0.0.1:8080. Allein angegeben, ist er die einzige Quelle. Hat Vorrang vor QUILLFEN_SERVICE_URL.</translation>
    </message>
    <message>
        <source>The lookup sources to ask, in order, comma-separated: index, openfoodfacts, openlibrary, upcitemdb, page (default: index (when imported), openfoodfacts, openlibrary). Overrides QUILLFEN_SOURCES.</source>
        <translation>Die abzufragenden Quellen, in dieser Reihenfolge, durch Kommas getrennt: index, openfoodfacts, openlibrary, upcitemdb, page (Standard: index (sofern importiert), openfoodfacts, openlibrary). Hat Vorrang vor QUILLFEN_SOURCES.</translation>
    </message>
    <message>
        <source>The language to ask product names in, such as de, fr or es (default: the desktop&apos;s; environment: QUILLFEN_LANGUAGE).</source>
        <translation>Die Sprache, in der Produktnamen abgefragt werden, etwa de, fr oder es (Standard: die des Desktops; Umgebungsvariable: QUILLFEN_LANGUAGE).</translation>
    </message>
    <message>
        <source>With --import-index and --download-index: the languages whose product names the index keeps, comma-separated, at most four (default: the language of names).</source>
        <translation>Mit --import-index und --download-index: die Sprachen, deren Produktnamen der Index behält, durch Kommas getrennt, höchstens vier (Standard: die Sprache der Namen).</translation>
    </message>
    <message>
        <source>Remember no answers between runs, and use none remembered (environment: QUILLFEN_NO_CACHE=1).</source>
        <translation>Keine Antworten zwischen Läufen speichern und keine gespeicherten verwenden (Umgebungsvariable: QUILLFEN_NO_CACHE=1).</translation>
    </message>
    <message>
        <source>Up to N requests to the page service at once, 1 to %1 (default 1; environment: QUILLFEN_PARALLEL). The open databases keep their own pace.</source>
        <translation>Bis zu N Anfragen gleichzeitig an den Seitendienst, 1 bis %1 (Standard 1; Umgebungsvariable: QUILLFEN_PARALLEL). Die offenen Datenbanken behalten ihr eigenes Tempo.</translation>
    </message>
    <message>
        <source>Look up the codes of the files (standard input without any, or for &quot;-&quot;) without a window, and write the results. Pictures and PDFs give the codes of their barcodes.</source>
        <translation>Die Codes der Dateien (ohne Dateien oder für „-“ die der Standardeingabe) ohne Fenster abfragen und die Ergebnisse schreiben. Bilder und PDFs liefern die Codes ihrer Barcodes.</translation>
    </message>
    <message>
        <source>Read scans from standard input, one a line (a barcode scanner typing codes), without a window, and write a row for each to standard output once it is answered, with a count column after the code; a repeat writes the code&apos;s row again with its new count. Takes --format (csv, tsv, json, jsonl) and --columns.</source>
        <translation>Scans zeilenweise von der Standardeingabe lesen (ein Barcodescanner, der Codes tippt), ohne Fenster, und für jeden Scan, sobald er beantwortet ist, eine Zeile mit einer Zählspalte nach dem Code auf die Standardausgabe schreiben; eine Wiederholung schreibt die Zeile des Codes erneut mit dem neuen Zählerstand. Nimmt --format (csv, tsv, json, jsonl) und --columns an.</translation>
    </message>
    <message>
        <source>With --batch: the results file (default: CSV on standard output).</source>
        <translation>Mit --batch: die Ergebnisdatei (Standard: CSV auf der Standardausgabe).</translation>
    </message>
    <message>
        <source>With --batch: csv, tsv, json, jsonl, xlsx or ods (default: from the output file&apos;s extension, else csv).</source>
        <translation>Mit --batch: csv, tsv, json, jsonl, xlsx oder ods (Standard: nach der Endung der Ausgabedatei, sonst csv).</translation>
    </message>
    <message>
        <source>With --batch: the columns to write, comma-separated, in that order: %1 (default: all).</source>
        <translation>Mit --batch: die zu schreibenden Spalten, durch Kommas getrennt, in dieser Reihenfolge: %1 (Standard: all).</translation>
    </message>
    <message>
        <source>With --batch: no progress on standard error.</source>
        <translation>Mit --batch: kein Fortschritt auf der Standardfehlerausgabe.</translation>
    </message>
    <message>
        <source>With --batch: the sheet of an .xlsx or .ods input to read, by its name or number (default: the first that holds data).</source>
        <translation>Mit --batch: das zu lesende Tabellenblatt einer .xlsx- oder .ods-Eingabe, nach Name oder Nummer (Standard: das erste mit Daten).</translation>
    </message>
    <message>
        <source>With --batch: the column of a spreadsheet input that holds the codes, by its header, letter (C, AB) or number (1 is the first) (default: the one headed like a code column, else the one that is mostly codes).</source>
        <translation>Mit --batch: die Spalte einer Tabelle als Eingabe, die die Codes enthält, nach Überschrift, Buchstabe (C, AB) oder Nummer (1 ist die erste) (Standard: die wie eine Codespalte überschriebene, sonst die, die überwiegend Codes enthält).</translation>
    </message>
    <message>
        <source>With --batch and one spreadsheet input: each output row is the input row, every column, followed by the answers in the --columns chosen (csv, tsv, xlsx or ods).</source>
        <translation>Mit --batch und einer einzigen Tabelle als Eingabe: Jede Ausgabezeile ist die Eingabezeile mit allen Spalten, gefolgt von den Antworten in den mit --columns gewählten Spalten (csv, tsv, xlsx oder ods).</translation>
    </message>
    <message>
        <source>Import the product database export files given (.csv, .csv.gz, .jsonl or .jsonl.gz) into the offline index, and exit.</source>
        <translation>Die angegebenen Exportdateien der Produktdatenbank (.csv, .csv.gz, .jsonl oder .jsonl.gz) in den Offline-Index importieren und beenden.</translation>
    </message>
    <message>
        <source>Download the product database export (environment: QUILLFEN_INDEX_URL), import it into the offline index, and exit.</source>
        <translation>Den Export der Produktdatenbank herunterladen (Umgebungsvariable: QUILLFEN_INDEX_URL), in den Offline-Index importieren und beenden.</translation>
    </message>
    <message>
        <source>Apply the daily change files published since the offline index&apos;s data (environment: QUILLFEN_INDEX_DELTAS_URL), and exit.</source>
        <translation>Die täglichen Änderungsdateien anwenden, die seit dem Datenstand des Offline-Index veröffentlicht wurden (Umgebungsvariable: QUILLFEN_INDEX_DELTAS_URL), und beenden.</translation>
    </message>
    <message>
        <source>Complete a found product that lacks a brand, a quantity or a picture from the next sources that know the code (environment: QUILLFEN_FILL_GAPS=1).</source>
        <translation>Ein gefundenes Produkt ohne Marke, Menge oder Bild aus den nächsten Quellen ergänzen, die den Code kennen (Umgebungsvariable: QUILLFEN_FILL_GAPS=1).</translation>
    </message>
    <message>
        <source>Also use the source this file describes, for this run (README, &quot;Your own sources&quot;); may be given more than once.</source>
        <translation>Für diesen Lauf zusätzlich die Quelle verwenden, die diese Datei beschreibt (README, „Your own sources“); kann mehrmals angegeben werden.</translation>
    </message>
    <message>
        <source>Read the key of the source NAME from the file at PATH, which only you may read; may be given more than once.</source>
        <translation>Den Schlüssel der Quelle NAME aus der Datei unter PATH lesen, die nur Sie lesen dürfen; kann mehrmals angegeben werden.</translation>
    </message>
    <message>
        <source>List every lookup source known, where it comes from, whether it has its key and whether it is in use, and exit.</source>
        <translation>Alle bekannten Quellen auflisten, mit ihrer Herkunft, ob ihr Schlüssel vorliegt und ob sie verwendet werden, und beenden.</translation>
    </message>
    <message>
        <source>Code files, spreadsheets, pictures or PDFs to add to the list at start-up. With --batch: the same, to look up. With --import-index: export files.</source>
        <translation>Codedateien, Tabellen, Bilder oder PDFs, die beim Start zur Liste hinzugefügt werden. Mit --batch: dieselben, zum Abfragen. Mit --import-index: Exportdateien.</translation>
    </message>
    <message>
        <source>--batch, --scan, --import-index, --download-index, --update-index and --list-sources go alone.</source>
        <translation>--batch, --scan, --import-index, --download-index, --update-index und --list-sources sind nur einzeln möglich.</translation>
    </message>
    <message>
        <source>--key-file wants NAME=PATH, as in acme=/home/me/acme.key.</source>
        <translation>--key-file erwartet NAME=PATH, wie in acme=/home/me/acme.key.</translation>
    </message>
    <message>
        <source>--%1 goes with --batch.</source>
        <translation>--%1 geht nur zusammen mit --batch.</translation>
    </message>
    <message>
        <source>--scan reads standard input alone: %1</source>
        <translation>--scan liest nur die Standardeingabe: %1</translation>
    </message>
    <message>
        <source>Unknown --format &quot;%1&quot;: choose from %2.</source>
        <translation>Unbekanntes --format „%1“: Wählen Sie aus %2.</translation>
    </message>
    <message>
        <source>Unknown column &quot;%1&quot; in --columns: choose from %2, or all.</source>
        <translation>Unbekannte Spalte „%1“ in --columns: Wählen Sie aus %2 oder all.</translation>
    </message>
    <message>
        <source>--output needs a file name.</source>
        <translation>--output braucht einen Dateinamen.</translation>
    </message>
    <message>
        <source>--import-index needs one or more export files.</source>
        <translation>--import-index braucht eine oder mehrere Exportdateien.</translation>
    </message>
    <message>
        <source>Unexpected argument: %1</source>
        <translation>Unerwartetes Argument: %1</translation>
    </message>
    <message>
        <source>Not a host name or address to ping: &quot;%1&quot;</source>
        <translation>Kein Hostname und keine Adresse zum Anpingen: „%1“</translation>
    </message>
    <message>
        <source>Not a usable lookup service address: &quot;%1&quot;
Give it as http://host[:port] or https://host[:port] (--service-url or QUILLFEN_SERVICE_URL).</source>
        <translation>Keine verwendbare Adresse des Abfragedienstes: „%1“
Geben Sie sie als http://host[:port] oder https://host[:port] an (--service-url oder QUILLFEN_SERVICE_URL).</translation>
    </message>
    <message>
        <source>%1 (--sources or QUILLFEN_SOURCES)</source>
        <translation>%1 (--sources oder QUILLFEN_SOURCES)</translation>
    </message>
    <message>
        <source>Not a usable address in %1: &quot;%2&quot;
Give it as http://host[:port][/path] or https://....</source>
        <translation>Keine verwendbare Adresse in %1: „%2“
Geben Sie sie als http://host[:port][/path] oder https://... an.</translation>
    </message>
    <message>
        <source>Not a usable address in QUILLFEN_INDEX_URL: &quot;%1&quot;</source>
        <translation>Keine verwendbare Adresse in QUILLFEN_INDEX_URL: „%1“</translation>
    </message>
    <message>
        <source>Not a usable address in QUILLFEN_INDEX_DELTAS_URL: &quot;%1&quot;</source>
        <translation>Keine verwendbare Adresse in QUILLFEN_INDEX_DELTAS_URL: „%1“</translation>
    </message>
    <message>
        <source>%1 wants a whole number of requests a minute, 1 or more, not &quot;%2&quot;.</source>
        <translation>%1 erwartet eine ganze Zahl von Anfragen pro Minute, 1 oder mehr, nicht „%2“.</translation>
    </message>
    <message>
        <source>QUILLFEN_CONTACT wants an e-mail address or web address in plain ASCII, without parentheses.</source>
        <translation>QUILLFEN_CONTACT erwartet eine E-Mail- oder Webadresse in reinem ASCII, ohne Klammern.</translation>
    </message>
    <message>
        <source>Not a language: &quot;%1&quot;; name one as de, fr or pt_BR.</source>
        <translation>Keine Sprache: „%1“; geben Sie eine an wie de, fr oder pt_BR.</translation>
    </message>
    <message>
        <source>Not a language in --languages: &quot;%1&quot;; name them as de,fr.</source>
        <translation>Keine Sprache in --languages: „%1“; geben Sie sie an wie de,fr.</translation>
    </message>
    <message>
        <source>--parallel (or QUILLFEN_PARALLEL) wants a number from 1 to %1, not &quot;%2&quot;.</source>
        <translation>--parallel (oder QUILLFEN_PARALLEL) erwartet eine Zahl von 1 bis %1, nicht „%2“.</translation>
    </message>
</context>
<context>
    <name>BatchCodes</name>
    <message>
        <source>%1: %2</source>
        <extracomment>%1 is an input file (or standard input), %2 why it cannot be used.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>no column &quot;%1&quot;; name one of these with --column by its header, letter or number:</source>
        <translation>keine Spalte „%1“; geben Sie eine dieser Spalten mit --column nach Überschrift, Buchstabe oder Nummer an:</translation>
    </message>
    <message>
        <source>which column holds the codes? Name it with --column by its header, letter or number:</source>
        <translation>welche Spalte enthält die Codes? Geben Sie sie mit --column nach Überschrift, Buchstabe oder Nummer an:</translation>
    </message>
    <message>
        <source>standard input</source>
        <translation>Standardeingabe</translation>
    </message>
    <message>
        <source>no barcodes found in %1</source>
        <translation>keine Barcodes gefunden in %1</translation>
    </message>
    <message>
        <source>larger than 100 MB, too large for a code file</source>
        <translation>größer als 100 MB, zu groß für eine Codedatei</translation>
    </message>
    <message>
        <source>not a text file</source>
        <translation>keine Textdatei</translation>
    </message>
</context>
<context>
    <name>BatchCommand</name>
    <message>
        <source>%1 is both an input and the output: name another file with --output</source>
        <translation>%1 ist zugleich Eingabe und Ausgabe: Geben Sie mit --output eine andere Datei an</translation>
    </message>
    <message>
        <source>no code was looked up.</source>
        <translation>kein Code wurde abgefragt.</translation>
    </message>
    <message>
        <source>--keep-columns needs one spreadsheet input (.xlsx, .ods, .csv or .tsv)</source>
        <translation>--keep-columns braucht genau eine Tabelle als Eingabe (.xlsx, .ods, .csv oder .tsv)</translation>
    </message>
    <message>
        <source>Reading codes from standard input; end with Ctrl+D.</source>
        <translation>Codes werden von der Standardeingabe gelesen; beenden Sie mit Strg+D.</translation>
    </message>
    <message>
        <source>Stopped by %1 while reading the codes; no code was looked up.</source>
        <translation>Durch %1 beim Lesen der Codes angehalten; kein Code wurde abgefragt.</translation>
    </message>
    <message>
        <source>%1 cannot be copied as it is (%2); its values are written instead.</source>
        <translation>%1 kann nicht unverändert kopiert werden (%2); stattdessen werden die Werte geschrieben.</translation>
    </message>
</context>
<context>
    <name>BatchOutput</name>
    <message>
        <source>%1 has grown past the limit of %2</source>
        <translation>%1 ist über die Grenze von %2 hinaus gewachsen</translation>
    </message>
    <message>
        <source>a spreadsheet (%1) is written to a file: name it with --output FILE</source>
        <translation>eine Tabelle (%1) wird in eine Datei geschrieben: Geben Sie sie mit --output FILE an</translation>
    </message>
    <message>
        <source>it is in strict Office Open XML</source>
        <translation>sie liegt im strikten Office Open XML vor</translation>
    </message>
    <message>
        <source>--keep-columns writes csv, tsv, xlsx or ods, not json or jsonl</source>
        <translation>--keep-columns schreibt csv, tsv, xlsx oder ods, nicht json oder jsonl</translation>
    </message>
</context>
<context>
    <name>BatchProgress</name>
    <message>
        <source>%1 s</source>
        <extracomment>Seconds.</extracomment>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>%1 min %2 s</source>
        <extracomment>Minutes and seconds.</extracomment>
        <translation>%1 min %2 s</translation>
    </message>
    <message>
        <source>%1 h %2 min</source>
        <extracomment>Hours and minutes.</extracomment>
        <translation>%1 h %2 min</translation>
    </message>
    <message>
        <source>%1 d %2 h</source>
        <extracomment>Days and hours.</extracomment>
        <translation>%1 T %2 h</translation>
    </message>
    <message>
        <source>%1 codes/s</source>
        <translation>%1 Codes/s</translation>
    </message>
    <message>
        <source>%1 codes/min</source>
        <translation>%1 Codes/min</translation>
    </message>
    <message numerus="yes">
        <source>%1/%n codes: %2 found, %3 not found, %4 failed</source>
        <extracomment>%1 codes done of %n in all; then how many were found, not found and failed.</extracomment>
        <translation>
            <numerusform>%1/%n Code: %2 gefunden, %3 nicht gefunden, %4 fehlgeschlagen</numerusform>
            <numerusform>%1/%n Codes: %2 gefunden, %3 nicht gefunden, %4 fehlgeschlagen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n not looked up</source>
        <translation>
            <numerusform>%n nicht abgefragt</numerusform>
            <numerusform>%n nicht abgefragt</numerusform>
        </translation>
    </message>
    <message>
        <source>about %1 left</source>
        <extracomment>The time the run has still to go, such as &quot;3 min 20 s&quot;.</extracomment>
        <translation>noch etwa %1</translation>
    </message>
    <message numerus="yes">
        <source>%n cell cut to Excel&apos;s limit of %1 characters</source>
        <translation>
            <numerusform>%n Zelle auf Excels Grenze von %1 Zeichen gekürzt</numerusform>
            <numerusform>%n Zellen auf Excels Grenze von %1 Zeichen gekürzt</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n cells cut to Excel&apos;s limit of %1 characters</source>
        <translation>
            <numerusform>%n Zelle auf Excels Grenze von %1 Zeichen gekürzt</numerusform>
            <numerusform>%n Zellen auf Excels Grenze von %1 Zeichen gekürzt</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n character the file&apos;s encoding cannot hold written as &quot;?&quot;</source>
        <translation>
            <numerusform>%n Zeichen, das die Kodierung der Datei nicht darstellen kann, als „?“ geschrieben</numerusform>
            <numerusform>%n Zeichen, die die Kodierung der Datei nicht darstellen kann, als „?“ geschrieben</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n characters the file&apos;s encoding cannot hold written as &quot;?&quot;</source>
        <translation>
            <numerusform>%n Zeichen, das die Kodierung der Datei nicht darstellen kann, als „?“ geschrieben</numerusform>
            <numerusform>%n Zeichen, die die Kodierung der Datei nicht darstellen kann, als „?“ geschrieben</numerusform>
        </translation>
    </message>
    <message>
        <source>Done in %1: %2</source>
        <extracomment>%1 is how long the run took, %2 the counts of the codes.</extracomment>
        <translation>Fertig in %1: %2</translation>
    </message>
    <message>
        <source>Results not written; looked up in %1: %2</source>
        <translation>Ergebnisse nicht geschrieben; abgefragt in %1: %2</translation>
    </message>
    <message>
        <source>Stopped by %1 after %2: %3. Codes not reached: %4.</source>
        <extracomment>%1 is the signal&apos;s name (SIGINT, SIGTERM), %2 how long the run took, %3 the counts of the codes, %4 how many codes were not reached.</extracomment>
        <translation>Durch %1 nach %2 angehalten: %3. Nicht erreichte Codes: %4.</translation>
    </message>
    <message>
        <source>Results not written.</source>
        <translation>Ergebnisse nicht geschrieben.</translation>
    </message>
</context>
<context>
    <name>CmdOutput</name>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>Ungültiger Prozeduraufruf oder ungültiges Argument</translation>
    </message>
</context>
<context>
    <name>IndexCommands</name>
    <message>
        <source>Importing %1/%2 %3: %4</source>
        <extracomment>%1 and %2: the file&apos;s number and how many there are; %3 its name, %4 how far the import has come.</extracomment>
        <translation>Importiere %1/%2 %3: %4</translation>
    </message>
    <message>
        <source>Importing %1: %2</source>
        <translation>Importiere %1: %2</translation>
    </message>
    <message>
        <source>Name the export files to import, for example:</source>
        <translation>Geben Sie die zu importierenden Exportdateien an, zum Beispiel:</translation>
    </message>
    <message>
        <source>Downloading %1</source>
        <translation>Lade %1 herunter</translation>
    </message>
    <message>
        <source>Downloading: %1</source>
        <translation>Herunterladen: %1</translation>
    </message>
    <message>
        <source>Download interrupted: %1</source>
        <translation>Download unterbrochen: %1</translation>
    </message>
    <message>
        <source>Download failed: %1</source>
        <translation>Download fehlgeschlagen: %1</translation>
    </message>
    <message>
        <source>Reading the list of daily change files at %1</source>
        <translation>Lese die Liste der täglichen Änderungsdateien unter %1</translation>
    </message>
    <message>
        <source>Updating %1/%2 %3: %4</source>
        <extracomment>%1 and %2: the change file&apos;s number and how many there are; %3 its name, %4 how far it has come.</extracomment>
        <translation>Aktualisiere %1/%2 %3: %4</translation>
    </message>
    <message>
        <source>%1 products applied</source>
        <translation>%1 Produkte übernommen</translation>
    </message>
</context>
<context>
    <name>ScanCommand</name>
    <message numerus="yes">
        <source>%n scans of a session that did not end were read back from its file</source>
        <translation>
            <numerusform>%n Scan einer nicht beendeten Sitzung wurde aus ihrer Datei wiederhergestellt</numerusform>
            <numerusform>%n Scans einer nicht beendeten Sitzung wurden aus ihrer Datei wiederhergestellt</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 not taken: %2</source>
        <extracomment>%1 is the scanned code, %2 why it could not be written down.</extracomment>
        <translation>%1 nicht übernommen: %2</translation>
    </message>
</context>
<context>
    <name>ScanMode</name>
    <message>
        <source>queued</source>
        <translation>wartet</translation>
    </message>
    <message>
        <source>not a valid code</source>
        <translation>kein gültiger Code</translation>
    </message>
    <message>
        <source>found</source>
        <translation>gefunden</translation>
    </message>
    <message>
        <source>not found</source>
        <translation>nicht gefunden</translation>
    </message>
    <message>
        <source>failed</source>
        <translation>fehlgeschlagen</translation>
    </message>
    <message>
        <source>not looked up</source>
        <translation>nicht abgefragt</translation>
    </message>
    <message>
        <source>CSV (*.csv)|*.csv|Tab-Separated Text (*.tsv)|*.tsv|JSON (*.json)|*.json|JSON Lines (*.jsonl)|*.jsonl|Excel Workbook (*.xlsx)|*.xlsx|OpenDocument Spreadsheet (*.ods)|*.ods|</source>
        <extracomment>File types: a name, &quot;|&quot;, its patterns, &quot;|&quot;, and so on; translate only the names.</extracomment>
        <translation>CSV (*.csv)|*.csv|Tabulatorgetrennter Text (*.tsv)|*.tsv|JSON (*.json)|*.json|JSON Lines (*.jsonl)|*.jsonl|Excel-Arbeitsmappe (*.xlsx)|*.xlsx|OpenDocument-Tabelle (*.ods)|*.ods|</translation>
    </message>
    <message>
        <source>Quillfen could not receive scans from a phone at that address and port: %1</source>
        <translation>Quillfen konnte an dieser Adresse und diesem Port keine Scans von einem Smartphone empfangen: %1</translation>
    </message>
    <message>
        <source>A scan session did not end the last time Quillfen ran. Restore its scans?</source>
        <translation>Eine Scansitzung wurde beim letzten Lauf von Quillfen nicht beendet. Ihre Scans wiederherstellen?</translation>
    </message>
    <message>
        <source>Save Scans As</source>
        <translation>Scans speichern unter</translation>
    </message>
    <message>
        <source>There are no scans yet.</source>
        <translation>Es gibt noch keine Scans.</translation>
    </message>
    <message>
        <source>The scan could not be written to the session file, so it was not taken: %1</source>
        <translation>Der Scan konnte nicht in die Sitzungsdatei geschrieben werden und wurde daher nicht übernommen: %1</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Quillfen could not open a window: the display (DISPLAY=%1, WAYLAND_DISPLAY=%2) cannot be reached.
Start it from a desktop session, or inside a virtual X server:
    xvfb-run -a quillfen
(Qt said: %3)
</source>
        <extracomment>%1 and %2: the environment&apos;s values; %3: Qt&apos;s own message.</extracomment>
        <translation>Quillfen konnte kein Fenster öffnen: Die Anzeige (DISPLAY=%1, WAYLAND_DISPLAY=%2) ist nicht erreichbar.
Starten Sie das Programm aus einer Desktop-Sitzung oder in einem virtuellen X-Server:
    xvfb-run -a quillfen
(Meldung von Qt: %3)
</translation>
    </message>
    <message>
        <source>Quillfen needs a graphical display, and none was found (DISPLAY and WAYLAND_DISPLAY are empty).
Start it from a desktop session, or inside a virtual X server:
    xvfb-run -a quillfen
</source>
        <translation>Quillfen benötigt eine grafische Anzeige, es wurde aber keine gefunden (DISPLAY und WAYLAND_DISPLAY sind leer).
Starten Sie das Programm aus einer Desktop-Sitzung oder in einem virtuellen X-Server:
    xvfb-run -a quillfen
</translation>
    </message>
</context>
</TS>
