<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>AboutText</name>
    <message>
        <source>an unknown date</source>
        <translation>unbekanntes Datum</translation>
    </message>
    <message>
        <source>None: no source can be asked as things are set.</source>
        <translation>Keine: So wie alles eingestellt ist, kann keine Quelle abgefragt werden.</translation>
    </message>
    <message>
        <source>Asked in this order until one knows the code:</source>
        <translation>In dieser Reihenfolge abgefragt, bis eine den Code kennt:</translation>
    </message>
    <message>
        <source>&lt;b&gt;Open Food Facts, Open Beauty Facts, Open Pet Food Facts and Open Products Facts&lt;/b&gt;: data by the Open Food Facts contributors (%1), available under the Open Database Licence (%2). The product index is made from their exports and comes under the same licence.</source>
        <extracomment>HTML. %1 links to the database&apos;s site, %2 to the licence.</extracomment>
        <translation>&lt;b&gt;Open Food Facts, Open Beauty Facts, Open Pet Food Facts und Open Products Facts&lt;/b&gt;: Daten der Mitwirkenden von Open Food Facts (%1), verfügbar unter der Open Database License (%2). Der Produktindex wird aus ihren Exporten erstellt und steht unter derselben Lizenz.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Open Library&lt;/b&gt; (%1), a project of the Internet Archive: its catalogue data is in the public domain, free for anyone to reuse (%2).</source>
        <extracomment>HTML. %1 links to the site, %2 to its data terms.</extracomment>
        <translation>&lt;b&gt;Open Library&lt;/b&gt; (%1), ein Projekt des Internet Archive: Die Katalogdaten sind gemeinfrei und dürfen von allen weiterverwendet werden (%2).</translation>
    </message>
    <message>
        <source>Open Library&apos;s data terms</source>
        <translation>Datenbedingungen von Open Library</translation>
    </message>
    <message>
        <source>&lt;b&gt;UPCitemdb&lt;/b&gt; (%1): product data used subject to its terms of service.</source>
        <extracomment>HTML. %1 links to the site.</extracomment>
        <translation>&lt;b&gt;UPCitemdb&lt;/b&gt; (%1): Produktdaten, verwendet gemäß den Nutzungsbedingungen des Dienstes.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Page service&lt;/b&gt;: the lookup service at the address you name; its own terms apply.</source>
        <translation>&lt;b&gt;Seitendienst&lt;/b&gt;: der Abfragedienst unter der von Ihnen angegebenen Adresse; es gelten dessen eigene Bedingungen.</translation>
    </message>
    <message>
        <source>No product index imported. Lookup → Import Product Database or Download Product Database makes one.</source>
        <translation>Kein Produktindex importiert. Abfrage → Produktdatenbank importieren oder Produktdatenbank herunterladen erstellt einen.</translation>
    </message>
    <message>
        <source>The product index in %1 cannot be read: %2</source>
        <extracomment>%1 is the index file&apos;s path, %2 what is wrong with it.</extracomment>
        <translation>Der Produktindex in %1 kann nicht gelesen werden: %2</translation>
    </message>
    <message numerus="yes">
        <source>%1 products, %2, in %3.</source>
        <extracomment>%1 is the number of products, %2 the file&apos;s size (&quot;12.3 MB&quot;), %3 its path.</extracomment>
        <translation>
            <numerusform>%1 Produkt, %2, in %3.</numerusform>
            <numerusform>%1 Produkte, %2, in %3.</numerusform>
        </translation>
    </message>
    <message>
        <source>Databases: %1.</source>
        <translation>Datenbanken: %1.</translation>
    </message>
    <message numerus="yes">
        <source>%1: %2, exported %3, %4 products</source>
        <extracomment>%1 is a database, %2 its export&apos;s file name, %3 the export&apos;s date, %4 how many products it held.</extracomment>
        <translation>
            <numerusform>%1: %2, exportiert: %3, %4 Produkt</numerusform>
            <numerusform>%1: %2, exportiert: %3, %4 Produkte</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>This session neither uses nor keeps remembered answers (--no-cache). %1 answer kept in %2.</source>
        <extracomment>%1 is the number of answers, %2 where they are kept.</extracomment>
        <translation>
            <numerusform>Diese Sitzung nutzt keine gespeicherten Antworten und speichert keine neuen (--no-cache). %1 Antwort gespeichert in %2.</numerusform>
            <numerusform>Diese Sitzung nutzt keine gespeicherten Antworten und speichert keine neuen (--no-cache). %1 Antworten gespeichert in %2.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>This session neither uses nor keeps remembered answers (--no-cache). %1 answers kept in %2.</source>
        <translation>
            <numerusform>Diese Sitzung nutzt keine gespeicherten Antworten und speichert keine neuen (--no-cache). %1 Antwort gespeichert in %2.</numerusform>
            <numerusform>Diese Sitzung nutzt keine gespeicherten Antworten und speichert keine neuen (--no-cache). %1 Antworten gespeichert in %2.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 answer of the open databases remembered in %2. Each is used again instead of asking, for up to a month (a week for codes not found); Lookup → Forget Remembered Answers clears them.</source>
        <extracomment>%1 is the number of answers, %2 where they are kept.</extracomment>
        <translation>
            <numerusform>%1 Antwort der offenen Datenbanken gespeichert in %2. Jede wird bis zu einem Monat lang (bei nicht gefundenen Codes eine Woche) wiederverwendet, statt erneut zu fragen; Abfrage → Gespeicherte Antworten vergessen löscht sie.</numerusform>
            <numerusform>%1 Antworten der offenen Datenbanken gespeichert in %2. Jede wird bis zu einem Monat lang (bei nicht gefundenen Codes eine Woche) wiederverwendet, statt erneut zu fragen; Abfrage → Gespeicherte Antworten vergessen löscht sie.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 answers of the open databases remembered in %2. Each is used again instead of asking, for up to a month (a week for codes not found); Lookup → Forget Remembered Answers clears them.</source>
        <translation>
            <numerusform>%1 Antwort der offenen Datenbanken gespeichert in %2. Jede wird bis zu einem Monat lang (bei nicht gefundenen Codes eine Woche) wiederverwendet, statt erneut zu fragen; Abfrage → Gespeicherte Antworten vergessen löscht sie.</numerusform>
            <numerusform>%1 Antworten der offenen Datenbanken gespeichert in %2. Jede wird bis zu einem Monat lang (bei nicht gefundenen Codes eine Woche) wiederverwendet, statt erneut zu fragen; Abfrage → Gespeicherte Antworten vergessen löscht sie.</numerusform>
        </translation>
    </message>
    <message>
        <source>Looks up EAN product codes in batches.</source>
        <translation>Fragt EAN-Produktcodes stapelweise ab.</translation>
    </message>
    <message>
        <source>Sources in use</source>
        <translation>Verwendete Quellen</translation>
    </message>
    <message>
        <source>Where the data comes from</source>
        <translation>Woher die Daten stammen</translation>
    </message>
    <message>
        <source>Product index</source>
        <translation>Produktindex</translation>
    </message>
    <message>
        <source>Download Product Database fetches the export from %1.</source>
        <translation>Produktdatenbank herunterladen lädt den Export von %1.</translation>
    </message>
    <message>
        <source>Remembered answers</source>
        <translation>Gespeicherte Antworten</translation>
    </message>
    <message>
        <source>About Quillfen</source>
        <translation>Über Quillfen</translation>
    </message>
</context>
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
        <source>Also use the source this file describes, for this run (/usr/share/doc/quillfen/docs/sources.md, &quot;Your own sources&quot;); may be given more than once.</source>
        <translation>Für diesen Lauf zusätzlich die Quelle verwenden, die diese Datei beschreibt (/usr/share/doc/quillfen/docs/sources.md, „Your own sources“); kann mehrmals angegeben werden.</translation>
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
    <message>
        <source>Looks up EAN product codes in batches: in its window, or with --batch from files or standard input without a display. The manual: /usr/share/doc/quillfen/README.md and the pages beside it in /usr/share/doc/quillfen/docs/.</source>
        <translation>Fragt EAN-Produktcodes stapelweise ab: in seinem Fenster oder mit --batch aus Dateien oder der Standardeingabe ohne grafische Anzeige. Das Handbuch: /usr/share/doc/quillfen/README.md und die Seiten daneben in /usr/share/doc/quillfen/docs/.</translation>
    </message>
    <message>
        <source>The language of the window and its messages, and the language to ask product names in, such as de, fr or es (default: the desktop&apos;s; environment: QUILLFEN_LANGUAGE).</source>
        <translation>Die Sprache des Fensters und seiner Meldungen und die Sprache, in der Produktnamen abgefragt werden, etwa de, fr oder es (Standard: die des Desktops; Umgebungsvariable: QUILLFEN_LANGUAGE).</translation>
    </message>
    <message>
        <source>With --batch: csv, tsv, json, jsonl, xlsx, ods, marc, marcxml, shopify, woocommerce or merchant (default: from the output file&apos;s extension, else csv). marc (MARC 21, .mrc) and marcxml (.xml) write the catalogue records of the books found instead of rows; shopify, woocommerce and merchant (a Google Merchant Center feed) a shop&apos;s import file of the products found.</source>
        <translation>Mit --batch: csv, tsv, json, jsonl, xlsx, ods, marc, marcxml, shopify, woocommerce oder merchant (Standard: nach der Endung der Ausgabedatei, sonst csv). marc (MARC 21, .mrc) und marcxml (.xml) schreiben statt Zeilen die Katalogdatensätze der gefundenen Bücher; shopify, woocommerce und merchant (ein Google-Merchant-Center-Feed) eine Importdatei für einen Shop mit den gefundenen Produkten.</translation>
    </message>
    <message>
        <source>--labels and --list-layouts go alone.</source>
        <translation>--labels und --list-layouts stehen allein.</translation>
    </message>
    <message>
        <source>--%1 goes with --labels.</source>
        <translation>--%1 gehört zu --labels.</translation>
    </message>
</context>
<context>
    <name>BarcodeCodeLoader</name>
    <message numerus="yes">
        <source>%n code</source>
        <translation>
            <numerusform>%n Code</numerusform>
            <numerusform>%n Codes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n codes</source>
        <translation>
            <numerusform>%n Code</numerusform>
            <numerusform>%n Codes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n file</source>
        <translation>
            <numerusform>%n Datei</numerusform>
            <numerusform>%n Dateien</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files</source>
        <translation>
            <numerusform>%n Datei</numerusform>
            <numerusform>%n Dateien</numerusform>
        </translation>
    </message>
    <message>
        <source>Found %1 in %2.</source>
        <extracomment>%1 is a number of codes (&quot;3 codes&quot;), %2 a number of files (&quot;2 files&quot;).</extracomment>
        <translation>%1 in %2 gefunden.</translation>
    </message>
    <message>
        <source>No barcodes found in %1.</source>
        <translation>Keine Barcodes gefunden in %1.</translation>
    </message>
    <message>
        <source>Cancelling…</source>
        <translation>Wird abgebrochen…</translation>
    </message>
    <message>
        <source>Load EAN Numbers From File</source>
        <translation>EAN-Nummern aus Datei laden</translation>
    </message>
    <message>
        <source>%1: %2. The codes of its other pages were loaded.</source>
        <translation>%1: %2. Die Codes der übrigen Seiten wurden geladen.</translation>
    </message>
</context>
<context>
    <name>BarcodeReader</name>
    <message>
        <source>Reading barcodes: %1 (page %2 of %3)</source>
        <extracomment>%1 is the file&apos;s name, %2 and %3 page numbers.</extracomment>
        <translation>Barcodes werden gelesen: %1 (Seite %2 von %3)</translation>
    </message>
    <message>
        <source>not a picture that can be read</source>
        <translation>kein lesbares Bild</translation>
    </message>
    <message>
        <source>larger than 100 megapixels (%1 x %2 pixels)</source>
        <translation>größer als 100 Megapixel (%1 x %2 Pixel)</translation>
    </message>
    <message>
        <source>the PDF is damaged (it has no pages)</source>
        <translation>das PDF ist beschädigt (es hat keine Seiten)</translation>
    </message>
    <message>
        <source>more than 500 pages (%1)</source>
        <translation>mehr als 500 Seiten (%1)</translation>
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
    <message>
        <source>%1: %2; the codes of its other pages are looked up</source>
        <translation>%1: %2; die Codes der übrigen Seiten werden nachgeschlagen</translation>
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
    <name>BatchListing</name>
    <message>
        <source>more than one of your columns could be the price: %1. Name one with --price-column by its header, letter or number.</source>
        <translation>mehr als eine Ihrer Spalten könnte der Preis sein: %1. Nennen Sie eine mit --price-column über ihre Überschrift, ihren Buchstaben oder ihre Nummer.</translation>
    </message>
    <message>
        <source>more than one of your columns could be the SKU: %1. Name one with --sku-column by its header, letter or number.</source>
        <translation>mehr als eine Ihrer Spalten könnte die Artikelnummer (SKU) sein: %1. Nennen Sie eine mit --sku-column über ihre Überschrift, ihren Buchstaben oder ihre Nummer.</translation>
    </message>
    <message>
        <source>more than one of your columns could be the stock: %1. Name one with --stock-column by its header, letter or number.</source>
        <translation>mehr als eine Ihrer Spalten könnte der Bestand sein: %1. Nennen Sie eine mit --stock-column über ihre Überschrift, ihren Buchstaben oder ihre Nummer.</translation>
    </message>
    <message>
        <source>no column &quot;%1&quot; for --%2; name one of these by its header, letter or number: %3</source>
        <extracomment>%1 is what --price-column (or another, %2) named, %3 the columns.</extracomment>
        <translation>keine Spalte „%1“ für --%2; nennen Sie eine von diesen über ihre Überschrift, ihren Buchstaben oder ihre Nummer: %3</translation>
    </message>
    <message>
        <source>--price-column, --sku-column and --stock-column need a spreadsheet input (.xlsx, .ods, .csv or .tsv).</source>
        <translation>--price-column, --sku-column und --stock-column brauchen eine Tabelle als Eingabe (.xlsx, .ods, .csv oder .tsv).</translation>
    </message>
    <message>
        <source>--format merchant writes each price with its currency: name it with --currency, such as EUR.</source>
        <translation>--format merchant schreibt jeden Preis mit seiner Währung: nennen Sie sie mit --currency, etwa EUR.</translation>
    </message>
    <message>
        <source>pictures cannot be saved here.</source>
        <translation>Bilder können hier nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>%1; no more pictures are saved.</source>
        <extracomment>%1 says why a picture could not be written.</extracomment>
        <translation>%1; es werden keine weiteren Bilder gespeichert.</translation>
    </message>
    <message>
        <source>pictures saved: %1</source>
        <extracomment>On the progress line, after the counts of the codes.</extracomment>
        <translation>Bilder gespeichert: %1</translation>
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
        <source>--keep-columns writes csv, tsv, xlsx or ods, not json or jsonl</source>
        <translation>--keep-columns schreibt csv, tsv, xlsx oder ods, nicht json oder jsonl</translation>
    </message>
    <message>
        <source>--keep-columns writes csv, tsv, xlsx or ods, not catalogue records</source>
        <translation>--keep-columns schreibt csv, tsv, xlsx oder ods, keine Katalogdatensätze</translation>
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
    <message numerus="yes">
        <source>%n failed: %1</source>
        <extracomment>How many codes failed for one reason; %1 is the source and the reason.</extracomment>
        <translation>
            <numerusform>%n fehlgeschlagen: %1</numerusform>
            <numerusform>%n fehlgeschlagen: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n failed for other reasons</source>
        <translation>
            <numerusform>%n aus anderen Gründen fehlgeschlagen</numerusform>
            <numerusform>%n aus anderen Gründen fehlgeschlagen</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>BlockSaveFile</name>
    <message>
        <source>Cannot create the file %1: %2</source>
        <translation>Die Datei %1 kann nicht angelegt werden: %2</translation>
    </message>
    <message>
        <source>Cannot write the file %1: %2</source>
        <translation>Die Datei %1 kann nicht geschrieben werden: %2</translation>
    </message>
</context>
<context>
    <name>CaptionProgressBar</name>
    <message>
        <source>Progress Bar</source>
        <translation>Fortschrittsanzeige</translation>
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
    <name>CodeFacts</name>
    <message>
        <source>restricted circulation</source>
        <translation>interne Verwendung</translation>
    </message>
    <message>
        <source>coupon</source>
        <translation>Coupon</translation>
    </message>
    <message>
        <source>refund receipt</source>
        <translation>Pfandbon</translation>
    </message>
</context>
<context>
    <name>CodeFileLoader</name>
    <message>
        <source>The file %1 cannot be read: %2. No codes were loaded from it.</source>
        <extracomment>%1 is the file, %2 why it cannot be read.</extracomment>
        <translation>Die Datei %1 kann nicht gelesen werden: %2. Es wurden keine Codes daraus geladen.</translation>
    </message>
    <message>
        <source>The file %1 is not a text file. No codes were loaded from it.</source>
        <translation>Die Datei %1 ist keine Textdatei. Es wurden keine Codes daraus geladen.</translation>
    </message>
    <message>
        <source>Code Lists, Spreadsheets, Pictures and PDFs</source>
        <translation>Codelisten, Tabellen, Bilder und PDFs</translation>
    </message>
    <message>
        <source>Text Files</source>
        <translation>Textdateien</translation>
    </message>
    <message>
        <source>Spreadsheets</source>
        <translation>Tabellen</translation>
    </message>
    <message>
        <source>Pictures and PDFs</source>
        <translation>Bilder und PDFs</translation>
    </message>
    <message>
        <source>All Files</source>
        <translation>Alle Dateien</translation>
    </message>
    <message>
        <source>The file %1 was not found.</source>
        <translation>Die Datei %1 wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>The file named on the command line was not loaded:</source>
        <translation>Die in der Befehlszeile genannte Datei wurde nicht geladen:</translation>
    </message>
    <message>
        <source>%1 of the %2 files named on the command line were not loaded:</source>
        <translation>%1 der %2 in der Befehlszeile genannten Dateien wurden nicht geladen:</translation>
    </message>
    <message>
        <source>The file %1 is larger than 100 MB. No codes were loaded from it.</source>
        <translation>Die Datei %1 ist größer als 100 MB. Es wurden keine Codes daraus geladen.</translation>
    </message>
    <message>
        <source>Load List(s) - Hold Ctrl to select multiple list files</source>
        <translation>Liste(n) laden - Strg gedrückt halten, um mehrere Listendateien auszuwählen</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>Datei nicht gefunden</translation>
    </message>
</context>
<context>
    <name>CodeListEditor</name>
    <message>
        <source>Enter EAN number or numbers (use commas): </source>
        <translation>EAN-Nummer oder -Nummern eingeben (durch Kommas getrennt): </translation>
    </message>
</context>
<context>
    <name>ConnectionsModule</name>
    <message>
        <source>The libraries for the network, library catalogues, the keyring and workbooks could not be loaded: %1</source>
        <extracomment>%1 is what the system said.</extracomment>
        <translation>Die Bibliotheken für das Netz, die Bibliothekskataloge, den Schlüsselbund und die Arbeitsmappen konnten nicht geladen werden: %1</translation>
    </message>
</context>
<context>
    <name>ConnectivityCheck</name>
    <message>
        <source>You must be online to use this software accurately.</source>
        <translation>Sie müssen online sein, um dieses Programm zuverlässig zu nutzen.</translation>
    </message>
</context>
<context>
    <name>CredentialManagerKeyStore</name>
    <message>
        <source>The Windows Credential Manager did not answer (%1).</source>
        <translation>Die Windows-Anmeldeinformationsverwaltung antwortet nicht (%1).</translation>
    </message>
    <message>
        <source>The key is too long for the Windows Credential Manager (%1 bytes at most).</source>
        <translation>Der Schlüssel ist zu lang für die Windows-Anmeldeinformationsverwaltung (höchstens %1 Bytes).</translation>
    </message>
</context>
<context>
    <name>ErrorReport</name>
    <message>
        <source>Please email screenshot of this message to %1</source>
        <extracomment>%1 is the support e-mail address.</extracomment>
        <translation>Bitte senden Sie einen Screenshot dieser Meldung per E-Mail an %1</translation>
    </message>
    <message>
        <source>at line %1</source>
        <translation>in Zeile %1</translation>
    </message>
    <message>
        <source>Application Error</source>
        <translation>Anwendungsfehler</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Nicht genügend Arbeitsspeicher</translation>
    </message>
    <message>
        <source>Unknown failure</source>
        <translation>Unbekannter Fehler</translation>
    </message>
</context>
<context>
    <name>ExportDecoder</name>
    <message>
        <source>not a gzip file or a text export</source>
        <translation>weder eine gzip-Datei noch ein Textexport</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>die Datei ist leer</translation>
    </message>
</context>
<context>
    <name>ExportReader</name>
    <message>
        <source>the first line is not a header line</source>
        <translation>die erste Zeile ist keine Kopfzeile</translation>
    </message>
    <message>
        <source>the export holds no header line</source>
        <translation>der Export enthält keine Kopfzeile</translation>
    </message>
    <message>
        <source>the first line names no &quot;code&quot; column: not a product export</source>
        <translation>die erste Zeile nennt keine Spalte „code“: kein Produktexport</translation>
    </message>
</context>
<context>
    <name>FaithfulOdsCopy</name>
    <message>
        <source>the copy cannot be written: %1</source>
        <translation>die Kopie kann nicht geschrieben werden: %1</translation>
    </message>
    <message>
        <source>it has no sheet &quot;%1&quot;</source>
        <translation>die Datei hat kein Tabellenblatt „%1“</translation>
    </message>
</context>
<context>
    <name>FaithfulXlsxCopy</name>
    <message>
        <source>it is in strict Office Open XML</source>
        <translation>die Datei ist in Strict Office Open XML gespeichert</translation>
    </message>
    <message>
        <source>the copy cannot be written: %1</source>
        <translation>die Kopie kann nicht geschrieben werden: %1</translation>
    </message>
    <message>
        <source>it changed while its codes were looked up</source>
        <translation>die Datei wurde geändert, während ihre Codes abgefragt wurden</translation>
    </message>
    <message>
        <source>it has no sheet &quot;%1&quot;</source>
        <translation>die Datei hat kein Tabellenblatt „%1“</translation>
    </message>
    <message>
        <source>its sheet has no free columns for the answers</source>
        <translation>das Tabellenblatt hat keine freien Spalten für die Antworten</translation>
    </message>
</context>
<context>
    <name>FileSources</name>
    <message>
        <source>%1: name: &quot;%2&quot; is a built-in source&apos;s</source>
        <extracomment>%1 is a file, &quot;name&quot; the field in it (keep it), %2 the name it gives.</extracomment>
        <translation>%1: name: „%2“ ist der Name einer eingebauten Quelle</translation>
    </message>
    <message>
        <source>%1 is not an http:// or https:// address: %2</source>
        <extracomment>%1 is an environment variable, %2 its value.</extracomment>
        <translation>%1 ist keine http://- oder https://-Adresse: %2</translation>
    </message>
    <message>
        <source>%1 wants a whole number of requests a minute, 1 or more, not &quot;%2&quot;.</source>
        <extracomment>%1 is an environment variable, %2 its value.</extracomment>
        <translation>%1 erwartet eine ganze Zahl von Anfragen pro Minute, 1 oder mehr, nicht „%2“.</translation>
    </message>
    <message>
        <source>%1 (--sources or QUILLFEN_SOURCES)</source>
        <extracomment>%1 says which source is wrong; the option and the variable name where it was chosen.</extracomment>
        <translation>%1 (--sources oder QUILLFEN_SOURCES)</translation>
    </message>
    <message>
        <source>--key-file %1=...: no source named %1</source>
        <extracomment>%1 is a source name as given with --key-file NAME=PATH.</extracomment>
        <translation>--key-file %1=...: keine Quelle namens %1</translation>
    </message>
    <message>
        <source>%1 is neither an SRU address (http:// or https://) nor z3950://HOST:PORT/DATABASE: %2</source>
        <extracomment>%1 is an environment variable, %2 its value.</extracomment>
        <translation>%1 ist weder eine SRU-Adresse (http:// oder https://) noch z3950://HOST:PORT/DATENBANK: %2</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>No answers are remembered.</source>
        <translation>Es sind keine Antworten gespeichert.</translation>
    </message>
    <message numerus="yes">
        <source>Forget the remembered answer? The open databases will be asked again about every code.</source>
        <translation>
            <numerusform>Die gespeicherte Antwort vergessen? Die offenen Datenbanken werden dann zu jedem Code erneut abgefragt.</numerusform>
            <numerusform>Die gespeicherte Antwort vergessen? Die offenen Datenbanken werden dann zu jedem Code erneut abgefragt.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Forget the %1 remembered answers? The open databases will be asked again about every code.</source>
        <translation>
            <numerusform>Die %1 gespeicherte Antwort vergessen? Die offenen Datenbanken werden dann zu jedem Code erneut abgefragt.</numerusform>
            <numerusform>Die %1 gespeicherten Antworten vergessen? Die offenen Datenbanken werden dann zu jedem Code erneut abgefragt.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 was not opened: %2.</source>
        <extracomment>%1 is a web address, %2 why it was refused.</extracomment>
        <translation>%1 wurde nicht geöffnet: %2.</translation>
    </message>
    <message>
        <source>%1 was not opened: only this machine may be reached (QUILLFEN_LOOPBACK_ONLY).</source>
        <translation>%1 wurde nicht geöffnet: Nur dieser Rechner darf erreicht werden (QUILLFEN_LOOPBACK_ONLY).</translation>
    </message>
    <message>
        <source>EAN Codes</source>
        <translation>EAN-Codes</translation>
    </message>
    <message>
        <source>Description</source>
        <extracomment>The header of the results list: each row describes the product of a code.</extracomment>
        <translation>Beschreibung</translation>
    </message>
</context>
<context>
    <name>GzipInflater</name>
    <message>
        <source>out of memory</source>
        <translation>nicht genügend Arbeitsspeicher</translation>
    </message>
    <message>
        <source>damaged data</source>
        <translation>beschädigte Daten</translation>
    </message>
    <message>
        <source>after %1 compressed bytes (%2 bytes of text)</source>
        <extracomment>Where a compressed file broke: %1 and %2 are numbers of bytes.</extracomment>
        <translation>nach %1 komprimierten Bytes (%2 Bytes Text)</translation>
    </message>
    <message>
        <source>the compressed file is empty</source>
        <translation>die komprimierte Datei ist leer</translation>
    </message>
    <message>
        <source>the compressed file ends early, %1</source>
        <extracomment>%1 says where: &quot;after 1,024 compressed bytes (4,096 bytes of text)&quot;.</extracomment>
        <translation>die komprimierte Datei endet vorzeitig, %1</translation>
    </message>
    <message>
        <source>the compressed file is damaged (%1) %2</source>
        <extracomment>%1 is zlib&apos;s own message, %2 says where.</extracomment>
        <translation>die komprimierte Datei ist beschädigt (%1) %2</translation>
    </message>
</context>
<context>
    <name>ImportText</name>
    <message>
        <source>%1 MB</source>
        <extracomment>A size in megabytes.</extracomment>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>%1 s</source>
        <extracomment>A time in seconds.</extracomment>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>%1 min %2 s</source>
        <extracomment>A time in minutes and seconds.</extracomment>
        <translation>%1 min %2 s</translation>
    </message>
    <message>
        <source>%1 h %2 min</source>
        <extracomment>A time in hours and minutes.</extracomment>
        <translation>%1 h %2 min</translation>
    </message>
</context>
<context>
    <name>IndexChanges</name>
    <message>
        <source>%1: not a loopback address</source>
        <translation>%1: keine Loopback-Adresse</translation>
    </message>
    <message>
        <source>the list is longer than %1 bytes</source>
        <translation>die Liste ist länger als %1 Bytes</translation>
    </message>
    <message>
        <source>there is no product index to update: download or import one first</source>
        <translation>es gibt keinen Produktindex zum Aktualisieren: laden Sie zuerst einen herunter oder importieren Sie einen</translation>
    </message>
    <message>
        <source>the product index cannot be read (%1)</source>
        <translation>der Produktindex kann nicht gelesen werden (%1)</translation>
    </message>
    <message>
        <source>the product index does not say how recent it is: download or import it again</source>
        <translation>der Produktindex gibt nicht an, wie aktuell er ist: laden Sie ihn erneut herunter oder importieren Sie ihn erneut</translation>
    </message>
    <message>
        <source>Applied %1 daily change file (%2 products); the index is now of %3.</source>
        <extracomment>%1 is a number of files, %2 of products, %3 a date and time.</extracomment>
        <translation>%1 tägliche Änderungsdatei angewendet (%2 Produkte); der Index ist jetzt vom %3.</translation>
    </message>
    <message>
        <source>Applied %1 daily change files (%2 products); the index is now of %3.</source>
        <translation>%1 tägliche Änderungsdateien angewendet (%2 Produkte); der Index ist jetzt vom %3.</translation>
    </message>
    <message>
        <source>Download the whole database again (Lookup -&gt; Download Product Database, or quillfen --download-index).</source>
        <translation>Laden Sie die ganze Datenbank erneut herunter (Abfrage -&gt; Produktdatenbank herunterladen, oder quillfen --download-index).</translation>
    </message>
    <message>
        <source>The product index is up to date (%1): no newer daily change file is published.</source>
        <translation>Der Produktindex ist aktuell (%1): es ist keine neuere tägliche Änderungsdatei veröffentlicht.</translation>
    </message>
    <message>
        <source>The daily change files have a gap from %1 to %2: no file after it was applied.</source>
        <translation>Die täglichen Änderungsdateien haben eine Lücke von %1 bis %2: keine spätere Datei wurde angewendet.</translation>
    </message>
    <message>
        <source>The product index (of %1) is older than the oldest daily change file kept (from %2): nothing was applied.</source>
        <translation>Der Produktindex (vom %1) ist älter als die älteste vorgehaltene tägliche Änderungsdatei (vom %2): es wurde nichts angewendet.</translation>
    </message>
    <message>
        <source>Update failed: %1</source>
        <translation>Aktualisierung fehlgeschlagen: %1</translation>
    </message>
    <message>
        <source>The product index is as it was before that file.</source>
        <translation>Der Produktindex ist so, wie er vor dieser Datei war.</translation>
    </message>
    <message>
        <source>Update interrupted: the product index is as it was before the file under way.</source>
        <translation>Aktualisierung unterbrochen: der Produktindex ist so, wie er vor der laufenden Datei war.</translation>
    </message>
    <message>
        <source>the product index says it is of %1, which is yet to come: download it again</source>
        <translation>der Produktindex gibt an, er sei vom %1, einem Datum in der Zukunft: laden Sie ihn erneut herunter</translation>
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
    <name>IndexDownload</name>
    <message>
        <source>%1 of %2 downloaded (%3%)</source>
        <extracomment>%1 is a number of megabytes, %2 the size of the file (&quot;12.5 MB&quot;), %3 a per cent.</extracomment>
        <translation>%1 von %2 heruntergeladen (%3%)</translation>
    </message>
    <message>
        <source>%1 MB downloaded</source>
        <extracomment>%1 is a number of megabytes.</extracomment>
        <translation>%1 MB heruntergeladen</translation>
    </message>
    <message>
        <source>%1/s</source>
        <extracomment>A speed: %1 is a size (&quot;3.2 MB&quot;).</extracomment>
        <translation>%1/s</translation>
    </message>
    <message>
        <source>about %1 left</source>
        <extracomment>%1 is a time (&quot;2 min 05 s&quot;).</extracomment>
        <translation>noch etwa %1</translation>
    </message>
    <message>
        <source>%1: not a loopback address</source>
        <translation>%1: keine Loopback-Adresse</translation>
    </message>
    <message>
        <source>cancelled; run again to go on from %1</source>
        <translation>abgebrochen; erneut ausführen, um ab %1 fortzufahren</translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation>abgebrochen</translation>
    </message>
    <message>
        <source>the downloaded file is damaged: %1</source>
        <translation>die heruntergeladene Datei ist beschädigt: %1</translation>
    </message>
    <message>
        <source>no data</source>
        <translation>keine Daten</translation>
    </message>
    <message>
        <source>the download broke off after %1; run again to go on from there</source>
        <translation>der Download brach nach %1 ab; erneut ausführen, um dort fortzufahren</translation>
    </message>
    <message>
        <source>the download broke off after %1 (%2); run again to go on from there</source>
        <extracomment>%1 is a size (&quot;12.5 MB&quot;), %2 why the download broke off.</extracomment>
        <translation>der Download brach nach %1 ab (%2); erneut ausführen, um dort fortzufahren</translation>
    </message>
    <message>
        <source>%1: the server cannot resume the download</source>
        <translation>%1: der Server kann den Download nicht fortsetzen</translation>
    </message>
    <message>
        <source>the file changed on the server; starting again from the beginning</source>
        <translation>die Datei hat sich auf dem Server geändert; es wird von vorn begonnen</translation>
    </message>
    <message>
        <source>the server cannot resume; starting again from the beginning</source>
        <translation>der Server kann nicht fortsetzen; es wird von vorn begonnen</translation>
    </message>
</context>
<context>
    <name>IndexImport</name>
    <message>
        <source>%1 with a wrong number of fields</source>
        <translation>%1 mit falscher Anzahl von Feldern</translation>
    </message>
    <message>
        <source>%1 with an empty code</source>
        <translation>%1 mit leerem Code</translation>
    </message>
    <message>
        <source>%1 that are not a JSON object</source>
        <translation>%1, die kein JSON-Objekt sind</translation>
    </message>
    <message>
        <source>%1 with a code longer than %2 characters</source>
        <translation>%1 mit einem Code länger als %2 Zeichen</translation>
    </message>
    <message>
        <source>%1 of %2 read (%3%)</source>
        <extracomment>%1 is a number of megabytes read, %2 the size of the file (&quot;12.5 MB&quot;).</extracomment>
        <translation>%1 von %2 gelesen (%3%)</translation>
    </message>
    <message>
        <source>%1 of %2 read</source>
        <translation>%1 von %2 gelesen</translation>
    </message>
    <message>
        <source>%1 rows</source>
        <translation>%1 Zeilen</translation>
    </message>
    <message>
        <source>sorting them into the index</source>
        <translation>sie werden in den Index einsortiert</translation>
    </message>
    <message>
        <source>%1/s</source>
        <extracomment>A speed: %1 is a size (&quot;3.2 MB&quot;).</extracomment>
        <translation>%1/s</translation>
    </message>
    <message>
        <source>about %1 left</source>
        <extracomment>%1 is a time (&quot;2 min 05 s&quot;).</extracomment>
        <translation>noch etwa %1</translation>
    </message>
    <message>
        <source>Imported %1 products from %2 file in %3 (%4 of text).</source>
        <extracomment>%1 is a number of products, %2 of files, %3 a time, %4 a size (&quot;12.5 MB&quot;).</extracomment>
        <translation>%1 Produkte aus %2 Datei in %3 importiert (%4 Text).</translation>
    </message>
    <message>
        <source>Imported %1 products from %2 files in %3 (%4 of text).</source>
        <translation>%1 Produkte aus %2 Dateien in %3 importiert (%4 Text).</translation>
    </message>
    <message>
        <source>Import cancelled after %1: the product index is as it was.</source>
        <translation>Import nach %1 abgebrochen: der Produktindex ist unverändert.</translation>
    </message>
    <message>
        <source>Import failed: %1</source>
        <translation>Import fehlgeschlagen: %1</translation>
    </message>
    <message>
        <source>The product index is as it was.</source>
        <translation>Der Produktindex ist unverändert.</translation>
    </message>
    <message>
        <source>No line was skipped.</source>
        <translation>Keine Zeile wurde übersprungen.</translation>
    </message>
    <message>
        <source>Skipped %1 lines: %2</source>
        <extracomment>%1 is the number of lines skipped; the reasons follow, one count each.</extracomment>
        <translation>%1 Zeilen übersprungen: %2</translation>
    </message>
    <message>
        <source>Cut %1 names, brands or quantities at %2 characters.</source>
        <translation>%1 Namen, Marken oder Mengen auf %2 Zeichen gekürzt.</translation>
    </message>
    <message>
        <source>the file holds a header line only</source>
        <translation>die Datei enthält nur eine Kopfzeile</translation>
    </message>
    <message>
        <source>no products in %1 (%2 line skipped: %3)</source>
        <extracomment>%1 is the file&apos;s name, %2 the number of lines skipped, %3 the reasons.</extracomment>
        <translation>keine Produkte in %1 (%2 Zeile übersprungen: %3)</translation>
    </message>
    <message>
        <source>no products in %1 (%2 lines skipped: %3)</source>
        <translation>keine Produkte in %1 (%2 Zeilen übersprungen: %3)</translation>
    </message>
    <message>
        <source>unexpected error while reading</source>
        <translation>unerwarteter Fehler beim Lesen</translation>
    </message>
    <message>
        <source>%1 longer than %2 bytes</source>
        <translation>%1 länger als %2 Byte</translation>
    </message>
</context>
<context>
    <name>IsbnRanges</name>
    <message>
        <source>larger than 16 MB</source>
        <translation>größer als 16 MB</translation>
    </message>
    <message>
        <source>a group named %1</source>
        <translation>eine Gruppe namens %1</translation>
    </message>
    <message>
        <source>a prefix named %1</source>
        <translation>ein Präfix namens %1</translation>
    </message>
    <message>
        <source>%1: a rule with the range %2</source>
        <translation>%1: eine Regel mit dem Bereich %2</translation>
    </message>
    <message>
        <source>not XML: %1 (line %2)</source>
        <translation>kein XML: %1 (Zeile %2)</translation>
    </message>
    <message>
        <source>no ISBN ranges in it (not a RangeMessage)</source>
        <translation>keine ISBN-Bereiche darin (keine RangeMessage)</translation>
    </message>
</context>
<context>
    <name>LabelDesigner</name>
    <message>
        <source>the label is too small for its %1 at 80%: it needs %2, the label leaves %3</source>
        <extracomment>%1 is a kind of barcode (&quot;EAN-13&quot;), %2 its smallest size (&quot;29.8 × 11.3 mm&quot;), %3 the room the label leaves for it.</extracomment>
        <translation>das Etikett ist zu klein für seinen %1 bei 80 %: er braucht %2, das Etikett lässt %3</translation>
    </message>
    <message>
        <source>the label is too small for its lines: they need %1, the label leaves %2</source>
        <translation>das Etikett ist zu klein für seine Zeilen: sie brauchen %1, das Etikett lässt %2</translation>
    </message>
    <message>
        <source>The labels of %1 are too small: %2.</source>
        <extracomment>%1 is the layout&apos;s name, %2 why a label does not fit.</extracomment>
        <translation>Die Etiketten von %1 sind zu klein: %2.</translation>
    </message>
</context>
<context>
    <name>LabelItems</name>
    <message>
        <source>row %1: copies &quot;%2&quot; is not a whole number from 0 to %3</source>
        <extracomment>%1 is a row number, %2 what the cell holds, %3 the most copies.</extracomment>
        <translation>Zeile %1: Anzahl „%2“ ist keine ganze Zahl von 0 bis %3</translation>
    </message>
</context>
<context>
    <name>LabelJob</name>
    <message numerus="yes">
        <source>1 label on 1 page</source>
        <translation>
            <numerusform>1 Etikett auf 1 Seite</numerusform>
            <numerusform>1 Etikett auf 1 Seite</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 labels on 1 page</source>
        <extracomment>%1 is a number of labels, more than one.</extracomment>
        <translation>
            <numerusform>%1 Etikett auf 1 Seite</numerusform>
            <numerusform>%1 Etiketten auf 1 Seite</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 labels on %2 pages</source>
        <extracomment>%1 and %2 are numbers of labels and pages, more than one each.</extracomment>
        <translation>
            <numerusform>%1 Etikett auf %2 Seiten</numerusform>
            <numerusform>%1 Etiketten auf %2 Seiten</numerusform>
        </translation>
    </message>
    <message>
        <source>The first label cannot go to row %1, column %2: %3 has %4 rows of %5.</source>
        <extracomment>%1 and %2 are the row and column asked for, %3 the layout, %4 and %5 its rows and columns.</extracomment>
        <translation>Das erste Etikett kann nicht in Zeile %1, Spalte %2: %3 hat %4 Zeilen zu %5.</translation>
    </message>
    <message>
        <source>More than %1 labels: print them in several jobs.</source>
        <extracomment>%1 is the most labels a job prints.</extracomment>
        <translation>Mehr als %1 Etiketten: drucken Sie sie in mehreren Aufträgen.</translation>
    </message>
</context>
<context>
    <name>LabelLayout</name>
    <message>
        <source>missing</source>
        <translation>fehlt</translation>
    </message>
    <message>
        <source>not a text</source>
        <translation>kein Text</translation>
    </message>
    <message>
        <source>longer than %1 characters</source>
        <translation>länger als %1 Zeichen</translation>
    </message>
    <message>
        <source>holds a control character</source>
        <translation>enthält ein Steuerzeichen</translation>
    </message>
    <message>
        <source>not a number</source>
        <translation>keine Zahl</translation>
    </message>
    <message>
        <source>must be 0 or more</source>
        <translation>muss 0 oder mehr sein</translation>
    </message>
    <message>
        <source>must be more than 0</source>
        <translation>muss mehr als 0 sein</translation>
    </message>
    <message>
        <source>longer than %1</source>
        <extracomment>%1 is a length with its unit: &quot;1000 mm&quot;.</extracomment>
        <translation>länger als %1</translation>
    </message>
    <message>
        <source>%1 is not a whole number from 1 to %2</source>
        <translation>%1 ist keine ganze Zahl von 1 bis %2</translation>
    </message>
    <message>
        <source>unknown field</source>
        <translation>unbekanntes Feld</translation>
    </message>
    <message>
        <source>use lower-case letters, digits, &quot;-&quot;, &quot;.&quot; and &quot;_&quot; only</source>
        <translation>nur Kleinbuchstaben, Ziffern, „-“, „.“ und „_“ verwenden</translation>
    </message>
    <message>
        <source>must be &quot;mm&quot; or &quot;in&quot;</source>
        <translation>muss „mm“ oder „in“ sein</translation>
    </message>
    <message>
        <source>give the page by its name or by its size, not both</source>
        <translation>die Seite mit ihrem Namen oder ihrer Größe angeben, nicht mit beidem</translation>
    </message>
    <message>
        <source>not a page size Quillfen knows; choose from %1, or give pageWidth and pageHeight</source>
        <extracomment>%1 is the list of page names the file may give.</extracomment>
        <translation>keine Seitengröße, die Quillfen kennt; wählen Sie aus %1 oder geben Sie pageWidth und pageHeight an</translation>
    </message>
    <message>
        <source>%1 is wider than the page (%2)</source>
        <extracomment>%1 and %2 are lengths with their units.</extracomment>
        <translation>%1 ist breiter als die Seite (%2)</translation>
    </message>
    <message>
        <source>%1 is taller than the page (%2)</source>
        <translation>%1 ist höher als die Seite (%2)</translation>
    </message>
    <message>
        <source>%1 is less than the label&apos;s width (%2): the labels would overlap</source>
        <translation>%1 ist kleiner als die Breite des Etiketts (%2): die Etiketten würden sich überlappen</translation>
    </message>
    <message>
        <source>%1 is less than the label&apos;s height (%2): the labels would overlap</source>
        <translation>%1 ist kleiner als die Höhe des Etiketts (%2): die Etiketten würden sich überlappen</translation>
    </message>
    <message>
        <source>%1 labels across reach %2 from the page&apos;s left edge, past its width of %3</source>
        <extracomment>%1 is a number of labels, %2 and %3 lengths with their units.</extracomment>
        <translation>%1 Etiketten nebeneinander reichen %2 vom linken Seitenrand, über die Breite von %3 hinaus</translation>
    </message>
    <message>
        <source>%1 labels down reach %2 from the page&apos;s top edge, past its height of %3</source>
        <translation>%1 Etiketten untereinander reichen %2 vom oberen Seitenrand, über die Höhe von %3 hinaus</translation>
    </message>
    <message>
        <source>more than half the label&apos;s smaller side</source>
        <translation>mehr als die Hälfte der kürzeren Seite des Etiketts</translation>
    </message>
    <message>
        <source>%1: larger than %2 KB</source>
        <translation>%1: größer als %2 KB</translation>
    </message>
    <message>
        <source>%1: not JSON (%2 at byte %3)</source>
        <extracomment>%1 is the file&apos;s name, %2 what the JSON reader says is wrong, %3 where.</extracomment>
        <translation>%1: kein JSON (%2 bei Byte %3)</translation>
    </message>
    <message>
        <source>%1: not a JSON object</source>
        <translation>%1: kein JSON-Objekt</translation>
    </message>
    <message>
        <source>page %1 × %2</source>
        <translation>Seite %1 × %2</translation>
    </message>
    <message>
        <source>%1, %2 × %3 labels of %4 × %5</source>
        <extracomment>%1 is the page (&quot;A4&quot;), %2 and %3 how many labels across and down, %4 and %5 the label&apos;s width and height (%5 with its unit).</extracomment>
        <translation>%1, %2 × %3 Etiketten zu %4 × %5</translation>
    </message>
</context>
<context>
    <name>LabelLayouts</name>
    <message>
        <source>%1 (%2) %3</source>
        <extracomment>One line of --list-layouts: %1 the layout&apos;s sizes, %2 where it comes from (&quot;preset&quot;, &quot;your folder&quot;, &quot;--layout-file&quot;), %3 its description.</extracomment>
        <translation>%1 (%2) %3</translation>
    </message>
</context>
<context>
    <name>LabelOptions</name>
    <message>
        <source>Print labels of the codes given, or of the codes in the files given (code lists, spreadsheets), on the layout named (see --list-layouts), into the PDF file --output names, and exit.</source>
        <translation>Etiketten der angegebenen Codes oder der Codes in den angegebenen Dateien (Codelisten, Tabellen) im genannten Layout (siehe --list-layouts) in die PDF-Datei drucken, die --output nennt, und beenden.</translation>
    </message>
    <message>
        <source>List the label layouts known, with their sizes, and exit.</source>
        <translation>Die bekannten Etikettenlayouts mit ihren Größen auflisten und beenden.</translation>
    </message>
    <message>
        <source>Also use the label layout this file describes, for this run.</source>
        <translation>Für diesen Lauf auch das Etikettenlayout verwenden, das diese Datei beschreibt.</translation>
    </message>
    <message>
        <source>With --labels: what goes on each label, comma-separated: %1 (default: barcode,digits,name,price).</source>
        <translation>Mit --labels: was auf jedes Etikett kommt, durch Kommas getrennt: %1 (Standard: barcode,digits,name,price).</translation>
    </message>
    <message>
        <source>With --labels: N labels of each code (default 1).</source>
        <translation>Mit --labels: N Etiketten je Code (Standard 1).</translation>
    </message>
    <message>
        <source>With --labels and a spreadsheet: the column that says how many labels of each code, by its header, letter or number.</source>
        <translation>Mit --labels und einer Tabelle: die Spalte, die sagt, wie viele Etiketten je Code, nach Überschrift, Buchstabe oder Nummer.</translation>
    </message>
    <message>
        <source>With --labels and a spreadsheet: the column of the names (default: the one headed like names; else the names this machine knows).</source>
        <translation>Mit --labels und einer Tabelle: die Spalte der Namen (Standard: die wie Namen überschriebene; sonst die Namen, die dieser Rechner kennt).</translation>
    </message>
    <message>
        <source>With --labels and a spreadsheet: the column of the prices (default: the one headed like prices).</source>
        <translation>Mit --labels und einer Tabelle: die Spalte der Preise (Standard: die wie Preise überschriebene).</translation>
    </message>
    <message>
        <source>With --labels: the first free place on a sheet used before, as ROW,COL from 1 (default 1,1).</source>
        <translation>Mit --labels: der erste freie Platz auf einem schon benutzten Bogen, als ROW,COL ab 1 (Standard 1,1).</translation>
    </message>
    <message>
        <source>With --labels: the currency symbol put beside every price.</source>
        <translation>Mit --labels: das Währungszeichen neben jedem Preis.</translation>
    </message>
    <message>
        <source>With --labels: a line of your own text on every label (the field &quot;text&quot;).</source>
        <translation>Mit --labels: eine Zeile eigenen Textes auf jedem Etikett (das Feld „text“).</translation>
    </message>
    <message>
        <source>--labels needs --output and the PDF file to write.</source>
        <translation>--labels braucht --output und die zu schreibende PDF-Datei.</translation>
    </message>
    <message>
        <source>--labels needs codes, or files of codes or a spreadsheet.</source>
        <translation>--labels braucht Codes, Dateien mit Codes oder eine Tabelle.</translation>
    </message>
    <message>
        <source>Unknown field &quot;%1&quot; in --label-fields: choose from %2.</source>
        <extracomment>%1 is what was given, %2 the fields there are.</extracomment>
        <translation>Unbekanntes Feld „%1“ in --label-fields: wählen Sie aus %2.</translation>
    </message>
    <message>
        <source>--label-copies wants a whole number from 1 to %1, not &quot;%2&quot;.</source>
        <translation>--label-copies verlangt eine ganze Zahl von 1 bis %1, nicht „%2“.</translation>
    </message>
    <message>
        <source>--label-copies and --label-copies-column go alone.</source>
        <translation>--label-copies und --label-copies-column stehen allein.</translation>
    </message>
    <message>
        <source>--label-start wants ROW,COL, whole numbers from 1, as in 3,2; not &quot;%1&quot;.</source>
        <translation>--label-start verlangt ROW,COL, ganze Zahlen ab 1, etwa 3,2; nicht „%1“.</translation>
    </message>
</context>
<context>
    <name>LabelPrinting</name>
    <message numerus="yes">
        <source>and %1 more</source>
        <extracomment>After a list of codes: how many more are not listed.</extracomment>
        <translation>
            <numerusform>und %1 weiterer</numerusform>
            <numerusform>und %1 weitere</numerusform>
        </translation>
    </message>
    <message>
        <source>Choose the spreadsheet the codes are in.</source>
        <translation>Wählen Sie die Tabelle mit den Codes.</translation>
    </message>
    <message>
        <source>No codes could be read from %1.</source>
        <extracomment>%1 is the file&apos;s name.</extracomment>
        <translation>Aus %1 konnten keine Codes gelesen werden.</translation>
    </message>
    <message>
        <source>Choose the column that says how many labels of each code.</source>
        <translation>Wählen Sie die Spalte, die sagt, wie viele Etiketten je Code.</translation>
    </message>
    <message>
        <source>Choose a layout.</source>
        <translation>Wählen Sie ein Layout.</translation>
    </message>
    <message>
        <source>Not printed:</source>
        <translation>Nicht gedruckt:</translation>
    </message>
    <message>
        <source>No label to print.</source>
        <translation>Kein Etikett zu drucken.</translation>
    </message>
    <message>
        <source>%1, barcodes at %2% of their size or more.</source>
        <translation>%1, Barcodes mit %2 % ihrer Größe oder mehr.</translation>
    </message>
    <message>
        <source>No label layout was found. Reinstall Quillfen, or put a layout file into %1.</source>
        <translation>Kein Etikettenlayout gefunden. Installieren Sie Quillfen neu oder legen Sie eine Layoutdatei in %1 ab.</translation>
    </message>
    <message>
        <source>Save the Labels as PDF</source>
        <translation>Etiketten als PDF speichern</translation>
    </message>
    <message>
        <source>PDF (*.pdf)|*.pdf|</source>
        <extracomment>A file dialog&apos;s filter: the description, &quot;|&quot;, the pattern, &quot;|&quot;.</extracomment>
        <translation>PDF (*.pdf)|*.pdf|</translation>
    </message>
    <message>
        <source>Saved in %1: %2.</source>
        <extracomment>%1 is the file, %2 says how many labels on how many pages (&quot;42 labels on 2 pages&quot;).</extracomment>
        <translation>Gespeichert in %1: %2.</translation>
    </message>
    <message>
        <source>The labels were not printed: %1</source>
        <extracomment>%1 is why.</extracomment>
        <translation>Die Etiketten wurden nicht gedruckt: %1</translation>
    </message>
    <message>
        <source>%1 went to the printer.</source>
        <extracomment>%1 says how many labels on how many pages.</extracomment>
        <translation>%1 an den Drucker gesendet.</translation>
    </message>
    <message>
        <source>These codes were not printed:</source>
        <translation>Diese Codes wurden nicht gedruckt:</translation>
    </message>
    <message>
        <source>Print Labels</source>
        <translation>Etiketten drucken</translation>
    </message>
</context>
<context>
    <name>LabelSymbols</name>
    <message>
        <source>no code</source>
        <translation>kein Code</translation>
    </message>
    <message>
        <source>longer than the %1 characters a label&apos;s Code 128 holds</source>
        <translation>länger als die %1 Zeichen, die der Code 128 eines Etiketts fasst</translation>
    </message>
    <message>
        <source>Code 128 holds letters, digits and signs of Western European languages only</source>
        <translation>Code 128 fasst nur Buchstaben, Ziffern und Zeichen westeuropäischer Sprachen</translation>
    </message>
</context>
<context>
    <name>LabelsCommand</name>
    <message>
        <source>%1 names no column of the spreadsheet: &quot;%2&quot;.</source>
        <extracomment>%1 is the option, %2 the column it names.</extracomment>
        <translation>%1 nennt keine Spalte der Tabelle: „%2“.</translation>
    </message>
    <message>
        <source>the sheet holds nothing</source>
        <translation>die Tabelle ist leer</translation>
    </message>
    <message>
        <source>--column names no column of the spreadsheet: &quot;%1&quot;.</source>
        <translation>--column nennt keine Spalte der Tabelle: „%1“.</translation>
    </message>
    <message>
        <source>which column holds the codes? Name it with --column: %1</source>
        <extracomment>%1 lists the sheet&apos;s columns.</extracomment>
        <translation>welche Spalte enthält die Codes? Nennen Sie sie mit --column: %1</translation>
    </message>
    <message>
        <source>larger than 100 MB</source>
        <translation>größer als 100 MB</translation>
    </message>
    <message>
        <source>not a text file</source>
        <translation>keine Textdatei</translation>
    </message>
    <message>
        <source>No label layout &quot;%1&quot;: choose from %2 (--list-layouts), or give your own with --layout-file.</source>
        <extracomment>%1 is the name given, %2 the layouts there are.</extracomment>
        <translation>Kein Etikettenlayout „%1“: wählen Sie aus %2 (--list-layouts) oder geben Sie Ihr eigenes mit --layout-file an.</translation>
    </message>
    <message>
        <source>no such file</source>
        <translation>keine solche Datei</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>%1 is an input (a file&apos;s name), %2 what is wrong with it.
----------
%1 says how many labels on how many pages (&quot;42 labels on 2 pages&quot;), %2 is the file.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>--label-copies-column needs a spreadsheet among the inputs.</source>
        <translation>--label-copies-column braucht eine Tabelle unter den Eingaben.</translation>
    </message>
    <message>
        <source>not printed: %1</source>
        <extracomment>%1 is a row of a spreadsheet and why it is not printed.
----------
%1 is a code and why it is not printed (&quot;4006381333932: check digit should be 1&quot;).</extracomment>
        <translation>nicht gedruckt: %1</translation>
    </message>
    <message>
        <source>no label to print; %1 was not written.</source>
        <translation>kein Etikett zu drucken; %1 wurde nicht geschrieben.</translation>
    </message>
    <message>
        <source>%1 was not written: %2</source>
        <extracomment>%1 is the file, %2 why it could not be written.</extracomment>
        <translation>%1 wurde nicht geschrieben: %2</translation>
    </message>
</context>
<context>
    <name>LibzipArchives</name>
    <message>
        <source>it is damaged: the part %1 cannot be unpacked</source>
        <translation>sie ist beschädigt: der Teil %1 kann nicht entpackt werden</translation>
    </message>
    <message>
        <source>the part %1 unpacks to more than its limit</source>
        <translation>der Teil %1 wird entpackt größer als erlaubt</translation>
    </message>
    <message>
        <source>it is not a zip container (%1)</source>
        <translation>sie ist kein ZIP-Container (%1)</translation>
    </message>
    <message>
        <source>Cannot write the file %1: %2</source>
        <translation>Die Datei %1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>Cannot write the file %1</source>
        <translation>Die Datei %1 kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>it is damaged: it holds the part %1 twice</source>
        <translation>die Datei ist beschädigt: sie enthält den Teil %1 zweimal</translation>
    </message>
</context>
<context>
    <name>ListingCommandLine</name>
    <message>
        <source>With --batch: save the picture of every product found in this folder, one file each named by its GTIN (4006381333931.jpg), with a list of them, pictures.csv. A picture saved there by an earlier run is not fetched again.</source>
        <translation>Mit --batch: das Bild jedes gefundenen Produkts in diesem Ordner speichern, je eine Datei, benannt nach seiner GTIN (4006381333931.jpg), mit einer Liste davon, pictures.csv. Ein Bild, das ein früherer Lauf dort gespeichert hat, wird nicht noch einmal geholt.</translation>
    </message>
    <message>
        <source>With --pictures-dir: ask no source, take the answers remembered, and save their pictures alone, without a results file.</source>
        <translation>Mit --pictures-dir: keine Quelle fragen, die gespeicherten Antworten nehmen und nur ihre Bilder speichern, ohne Ergebnisdatei.</translation>
    </message>
    <message>
        <source>With --pictures-dir: make pictures larger than N pixels on their longer side that small, as JPEG.</source>
        <translation>Mit --pictures-dir: Bilder, deren längere Seite größer als N Pixel ist, auf diese Größe verkleinern, als JPEG.</translation>
    </message>
    <message>
        <source>With --pictures-dir and a shop&apos;s --format: the address the saved pictures will be published under; each product&apos;s picture is then this address followed by its file&apos;s name.</source>
        <translation>Mit --pictures-dir und dem --format eines Shops: die Adresse, unter der die gespeicherten Bilder veröffentlicht werden; das Bild jedes Produkts ist dann diese Adresse, gefolgt vom Namen seiner Datei.</translation>
    </message>
    <message>
        <source>With a shop&apos;s --format and a spreadsheet input: your column of prices, by its header, letter or number (default: the one headed Price, Preis, Prix, Precio, ...).</source>
        <translation>Mit dem --format eines Shops und einer Tabelle als Eingabe: Ihre Spalte der Preise, über ihre Überschrift, ihren Buchstaben oder ihre Nummer (Standard: die mit der Überschrift Price, Preis, Prix, Precio, ...).</translation>
    </message>
    <message>
        <source>With a shop&apos;s --format and a spreadsheet input: your column of SKUs (default: the one headed SKU, Article, Artikel, ...).</source>
        <translation>Mit dem --format eines Shops und einer Tabelle als Eingabe: Ihre Spalte der Artikelnummern (Standard: die mit der Überschrift SKU, Article, Artikel, ...).</translation>
    </message>
    <message>
        <source>With a shop&apos;s --format and a spreadsheet input: your column of stock (default: the one headed Stock, Qty, Bestand, ...).</source>
        <translation>Mit dem --format eines Shops und einer Tabelle als Eingabe: Ihre Spalte des Bestands (Standard: die mit der Überschrift Stock, Qty, Bestand, ...).</translation>
    </message>
    <message>
        <source>--keep-columns writes csv, tsv, xlsx or ods, not a shop&apos;s file.</source>
        <translation>--keep-columns schreibt csv, tsv, xlsx oder ods, keine Shop-Datei.</translation>
    </message>
    <message>
        <source>--pictures-dir needs a folder.</source>
        <translation>--pictures-dir braucht einen Ordner.</translation>
    </message>
    <message>
        <source>--%1 goes with --pictures-dir.</source>
        <extracomment>%1 is an option&apos;s name.</extracomment>
        <translation>--%1 gehört zu --pictures-dir.</translation>
    </message>
    <message>
        <source>--pictures-only writes no results: leave out --%1.</source>
        <translation>--pictures-only schreibt keine Ergebnisse: lassen Sie --%1 weg.</translation>
    </message>
    <message>
        <source>--pictures-only takes the answers remembered: leave out --no-cache.</source>
        <translation>--pictures-only nimmt die gespeicherten Antworten: lassen Sie --no-cache weg.</translation>
    </message>
    <message>
        <source>--picture-size wants a number of pixels from %1 to %2, not &quot;%3&quot;.</source>
        <translation>--picture-size erwartet eine Pixelzahl von %1 bis %2, nicht „%3“.</translation>
    </message>
    <message>
        <source>--pictures-base-url goes with a shop&apos;s --format (shopify, woocommerce, merchant).</source>
        <translation>--pictures-base-url gehört zum --format eines Shops (shopify, woocommerce, merchant).</translation>
    </message>
    <message>
        <source>Not a usable address in --pictures-base-url: &quot;%1&quot;; give it as https://host/folder/.</source>
        <translation>Keine brauchbare Adresse in --pictures-base-url: „%1“; geben Sie sie als https://host/ordner/ an.</translation>
    </message>
    <message>
        <source>--currency goes with --format merchant.</source>
        <translation>--currency gehört zu --format merchant.</translation>
    </message>
    <message>
        <source>--currency wants a currency&apos;s three-letter code, such as EUR, not &quot;%1&quot;.</source>
        <translation>--currency erwartet den dreibuchstabigen Code einer Währung, etwa EUR, nicht „%1“.</translation>
    </message>
    <message>
        <source>--%1 goes with a shop&apos;s --format (shopify, woocommerce, merchant).</source>
        <translation>--%1 gehört zum --format eines Shops (shopify, woocommerce, merchant).</translation>
    </message>
    <message>
        <source>With --format merchant: the prices&apos; currency, such as EUR (default: the locale&apos;s); with --labels: the symbol put beside every price.</source>
        <translation>Mit --format merchant: die Währung der Preise, etwa EUR (Standard: die des Gebietsschemas); mit --labels: das Zeichen neben jedem Preis.</translation>
    </message>
</context>
<context>
    <name>ListingSheets</name>
    <message>
        <source>Your columns of %1 cannot be read again: %2. The shop&apos;s file is written without them.</source>
        <extracomment>%1 is a spreadsheet&apos;s file, %2 why it cannot be read.</extracomment>
        <translation>Ihre Spalten aus %1 können nicht erneut gelesen werden: %2. Die Shop-Datei wird ohne sie geschrieben.</translation>
    </message>
</context>
<context>
    <name>LookupChain</name>
    <message>
        <source>none of the chosen sources looks up such codes</source>
        <translation>keine der gewählten Quellen fragt solche Codes ab</translation>
    </message>
    <message>
        <source>a coupon code, not a product</source>
        <translation>ein Coupon-Code, kein Produkt</translation>
    </message>
    <message>
        <source>a refund receipt</source>
        <translation>ein Pfandbon</translation>
    </message>
    <message>
        <source> - unnamed product</source>
        <extracomment>Follows the code in the results list.</extracomment>
        <translation> - Produkt ohne Namen</translation>
    </message>
    <message>
        <source> - lookup failed: </source>
        <extracomment>Follows the code in the results list; the source and the reason follow it.</extracomment>
        <translation> - Abfrage fehlgeschlagen: </translation>
    </message>
    <message>
        <source> - not looked up: </source>
        <extracomment>Follows the code in the results list; the reason follows it.</extracomment>
        <translation> - nicht abgefragt: </translation>
    </message>
    <message>
        <source> - no record found</source>
        <extracomment>Follows the code in the results list.</extracomment>
        <translation> - kein Eintrag gefunden</translation>
    </message>
    <message>
        <source>unexpected answer</source>
        <translation>unerwartete Antwort</translation>
    </message>
    <message>
        <source>empty answer</source>
        <translation>leere Antwort</translation>
    </message>
    <message>
        <source>not JSON</source>
        <translation>kein JSON</translation>
    </message>
    <message>
        <source>malformed JSON</source>
        <translation>fehlerhaftes JSON</translation>
    </message>
    <message>
        <source>no title in answer</source>
        <translation>kein Titel in der Antwort</translation>
    </message>
    <message>
        <source>empty page</source>
        <translation>leere Seite</translation>
    </message>
    <message>
        <source>no HTTP status</source>
        <translation>kein HTTP-Status</translation>
    </message>
    <message>
        <source>daily limit reached</source>
        <translation>Tageslimit erreicht</translation>
    </message>
    <message>
        <source>unexpected answer: no list of results</source>
        <translation>unerwartete Antwort: keine Ergebnisliste</translation>
    </message>
    <message>
        <source>unexpected answer: no results</source>
        <translation>unerwartete Antwort: keine Ergebnisse</translation>
    </message>
    <message>
        <source>the key holds characters other than printable ASCII</source>
        <translation>der Schlüssel enthält andere Zeichen als druckbares ASCII</translation>
    </message>
    <message>
        <source>not asked over the network</source>
        <translation>nicht über das Netz abgefragt</translation>
    </message>
    <message>
        <source>no product index (import one first)</source>
        <translation>kein Produktindex (importieren Sie zuerst einen)</translation>
    </message>
    <message>
        <source>too many redirects</source>
        <translation>zu viele Weiterleitungen</translation>
    </message>
    <message>
        <source>insecure redirect</source>
        <translation>unsichere Weiterleitung</translation>
    </message>
    <message>
        <source>connection refused</source>
        <translation>Verbindung abgelehnt</translation>
    </message>
    <message>
        <source>connection closed</source>
        <translation>Verbindung geschlossen</translation>
    </message>
    <message>
        <source>host not found</source>
        <translation>Host nicht gefunden</translation>
    </message>
    <message>
        <source>timed out</source>
        <translation>Zeitüberschreitung</translation>
    </message>
    <message>
        <source>secure connection failed</source>
        <translation>sichere Verbindung fehlgeschlagen</translation>
    </message>
    <message>
        <source>proxy error</source>
        <translation>Proxy-Fehler</translation>
    </message>
    <message>
        <source>malformed answer</source>
        <translation>fehlerhafte Antwort</translation>
    </message>
    <message>
        <source>page too large</source>
        <translation>Seite zu groß</translation>
    </message>
    <message>
        <source>network unavailable</source>
        <translation>Netzwerk nicht verfügbar</translation>
    </message>
    <message>
        <source>no answer</source>
        <translation>keine Antwort</translation>
    </message>
    <message>
        <source>stopped</source>
        <translation>angehalten</translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation>abgebrochen</translation>
    </message>
    <message>
        <source>answer about another code</source>
        <translation>Antwort zu einem anderen Code</translation>
    </message>
    <message>
        <source>HTTP %1</source>
        <translation>HTTP %1</translation>
    </message>
    <message>
        <source>the key for %1 was refused</source>
        <translation>der Schlüssel für %1 wurde abgelehnt</translation>
    </message>
    <message>
        <source>malformed JSON (%1)</source>
        <translation>fehlerhaftes JSON (%1)</translation>
    </message>
    <message>
        <source>not a public address: %1</source>
        <translation>keine öffentliche Adresse: %1</translation>
    </message>
    <message>
        <source>not a loopback address: %1</source>
        <translation>keine Loopback-Adresse: %1</translation>
    </message>
    <message>
        <source> (%1)</source>
        <extracomment>Follows &quot; - no record found&quot; in the results list; %1 is why.</extracomment>
        <translation> (%1)</translation>
    </message>
    <message>
        <source>a variable-measure item (indicator 9), whose code names no one product</source>
        <translation>ein Artikel mit variabler Menge (Indikator 9), dessen Code kein einzelnes Produkt bezeichnet</translation>
    </message>
    <message>
        <source>%1 (case of %2)</source>
        <extracomment>A case&apos;s row: what the case holds, then that product&apos;s code.</extracomment>
        <translation>%1 (Umkarton von %2)</translation>
    </message>
    <message>
        <source>no catalogue connection</source>
        <translation>keine Verbindung zu Katalogen</translation>
    </message>
    <message>
        <source>could not connect</source>
        <translation>keine Verbindung möglich</translation>
    </message>
    <message>
        <source>answer too large</source>
        <translation>Antwort zu groß</translation>
    </message>
    <message>
        <source>the catalogue sent no records</source>
        <translation>der Katalog hat keine Datensätze geschickt</translation>
    </message>
    <message>
        <source>damaged record: %1</source>
        <translation>beschädigter Datensatz: %1</translation>
    </message>
</context>
<context>
    <name>LookupRun</name>
    <message>
        <source>No failed rows to retry.</source>
        <translation>Keine fehlgeschlagenen Zeilen zum Wiederholen.</translation>
    </message>
    <message>
        <source>Stopped after %1 of %2 codes.</source>
        <translation>Nach %1 von %2 Codes angehalten.</translation>
    </message>
    <message>
        <source>Waiting %1 s for %2&apos; turn</source>
        <extracomment>%1 is a number of seconds, %2 the name of a product database.</extracomment>
        <translation>Warte %1 s, bis %2 an der Reihe ist</translation>
    </message>
    <message>
        <source>Waiting %1 s for %2&apos;s turn</source>
        <translation>Warte %1 s, bis %2 an der Reihe ist</translation>
    </message>
    <message>
        <source>Processing: %1 (service busy, next try in %2 s)</source>
        <extracomment>%1 is the code being looked up, %2 a number of seconds.</extracomment>
        <translation>Verarbeitung: %1 (Dienst ausgelastet, nächster Versuch in %2 s)</translation>
    </message>
    <message>
        <source>No items added to list.</source>
        <translation>Keine Einträge zur Liste hinzugefügt.</translation>
    </message>
    <message>
        <source>Done.</source>
        <translation>Fertig.</translation>
    </message>
    <message>
        <source>Processing: %1</source>
        <extracomment>%1 is the code being looked up.</extracomment>
        <translation>Verarbeitung: %1</translation>
    </message>
    <message>
        <source>%1 of %2 lookups failed; Lookup → Retry Failed Rows asks again.</source>
        <translation>%1 von %2 Abfragen fehlgeschlagen; Abfrage → Fehlgeschlagene Zeilen wiederholen fragt erneut.</translation>
    </message>
    <message>
        <source>%1 found, %2 not found, %3 failed</source>
        <extracomment>%1, %2 and %3 are numbers of codes.</extracomment>
        <translation>%1 gefunden, %2 nicht gefunden, %3 fehlgeschlagen</translation>
    </message>
    <message>
        <source>%1 found, %2 not found, %3 failed, %4 not looked up</source>
        <translation>%1 gefunden, %2 nicht gefunden, %3 fehlgeschlagen, %4 nicht abgefragt</translation>
    </message>
    <message>
        <source>Lookup → Retry Failed Rows asks again about the failed ones.</source>
        <translation>Abfrage → Fehlgeschlagene Zeilen wiederholen fragt die fehlgeschlagenen erneut ab.</translation>
    </message>
    <message>
        <source>%1 — %2</source>
        <extracomment>A progress caption, then something the run has to say.</extracomment>
        <translation>%1 — %2</translation>
    </message>
</context>
<context>
    <name>LookupSetup</name>
    <message>
        <source>covers</source>
        <extracomment>What an address in the About box is for: the books&apos; cover pictures.</extracomment>
        <translation>Titelbilder</translation>
    </message>
    <message>
        <source>pictures</source>
        <translation>Bilder</translation>
    </message>
    <message>
        <source>product pages</source>
        <translation>Produktseiten</translation>
    </message>
</context>
<context>
    <name>LookupSource</name>
    <message>
        <source>Page service</source>
        <translation>Seitendienst</translation>
    </message>
    <message>
        <source>Product index</source>
        <translation>Produktindex</translation>
    </message>
    <message>
        <source>UPCitemdb (paid plan)</source>
        <translation>UPCitemdb (kostenpflichtiger Tarif)</translation>
    </message>
</context>
<context>
    <name>OdsReader</name>
    <message>
        <source>its cells&apos; text stands for more than %1 spaces</source>
        <translation>der Zelltext steht für mehr als %1 Leerzeichen</translation>
    </message>
    <message>
        <source>it is damaged: the document holds no sheet</source>
        <translation>die Datei ist beschädigt: das Dokument enthält kein Tabellenblatt</translation>
    </message>
</context>
<context>
    <name>OdsWorkbook</name>
    <message>
        <source>No workbook is open</source>
        <translation>Keine Arbeitsmappe ist geöffnet</translation>
    </message>
    <message>
        <source>There is no cell %1, %2 on a sheet</source>
        <translation>Auf einem Tabellenblatt gibt es keine Zelle %1, %2</translation>
    </message>
    <message>
        <source>Cannot set cell %1, %2: its row is already written</source>
        <translation>Zelle %1, %2 kann nicht gesetzt werden: ihre Zeile ist schon geschrieben</translation>
    </message>
    <message>
        <source>Cannot write the workbook %1: %2</source>
        <translation>Die Arbeitsmappe %1 kann nicht geschrieben werden: %2</translation>
    </message>
</context>
<context>
    <name>OutcomeWriter</name>
    <message>
        <source>Code as typed</source>
        <translation>Code wie eingegeben</translation>
    </message>
    <message>
        <source>GTIN</source>
        <translation>GTIN</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Product name</source>
        <translation>Produktname</translation>
    </message>
    <message>
        <source>Brand</source>
        <translation>Marke</translation>
    </message>
    <message>
        <source>Quantity</source>
        <translation>Menge</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Quelle</translation>
    </message>
    <message>
        <source>Why not found or failed</source>
        <translation>Warum nicht gefunden oder fehlgeschlagen</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Kategorien</translation>
    </message>
    <message>
        <source>Kind of code</source>
        <translation>Codeart</translation>
    </message>
    <message>
        <source>GS1 office</source>
        <translation>GS1-Organisation</translation>
    </message>
    <message>
        <source>Picture address</source>
        <translation>Bildadresse</translation>
    </message>
    <message>
        <source>Page address</source>
        <translation>Seitenadresse</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>A column&apos;s readable name, then its name in the file and in batch mode&apos;s --columns.</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Same product as row</source>
        <translation>Dasselbe Produkt wie Zeile</translation>
    </message>
    <message>
        <source>Case of</source>
        <translation>Umkarton von</translation>
    </message>
    <message>
        <source>UPC</source>
        <translation>UPC</translation>
    </message>
    <message>
        <source>ISBN-10</source>
        <translation>ISBN-10</translation>
    </message>
    <message>
        <source>ISBN with hyphens</source>
        <translation>ISBN mit Bindestrichen</translation>
    </message>
    <message>
        <source>ISSN</source>
        <translation>ISSN</translation>
    </message>
    <message>
        <source>Author</source>
        <translation>Autor</translation>
    </message>
    <message>
        <source>Publisher</source>
        <translation>Verlag</translation>
    </message>
    <message>
        <source>Published</source>
        <translation>Erschienen</translation>
    </message>
    <message>
        <source>Catalogue record number</source>
        <translation>Nummer des Katalogdatensatzes</translation>
    </message>
</context>
<context>
    <name>PartFiles</name>
    <message>
        <source>Cannot write the file %1: %2</source>
        <translation>Die Datei %1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>Cannot create the file %1: it is a folder</source>
        <translation>Die Datei %1 kann nicht angelegt werden: sie ist ein Ordner</translation>
    </message>
    <message>
        <source>Cannot create the file %1: %2</source>
        <translation>Die Datei %1 kann nicht angelegt werden: %2</translation>
    </message>
    <message>
        <source>Cannot create the file %1: no free temporary name beside it</source>
        <translation>Die Datei %1 kann nicht angelegt werden: daneben ist kein temporärer Name frei</translation>
    </message>
</context>
<context>
    <name>PictureFetch</name>
    <message>
        <source>an empty answer</source>
        <translation>eine leere Antwort</translation>
    </message>
</context>
<context>
    <name>PictureFolder</name>
    <message>
        <source>no GTIN to name the file by</source>
        <translation>keine GTIN, nach der die Datei benannt werden kann</translation>
    </message>
    <message>
        <source>not a picture</source>
        <translation>kein Bild</translation>
    </message>
    <message>
        <source>Pictures in %1: %2 saved, %3 already there, %4 left as your own file of that name, %5 without a picture, %6 failed.</source>
        <extracomment>%1 is a folder; then how many pictures were saved, were there already, were kept as the user&apos;s own file under that name, had no picture, and failed.</extracomment>
        <translation>Bilder in %1: %2 gespeichert, %3 schon vorhanden, %4 als Ihre eigene Datei dieses Namens belassen, %5 ohne Bild, %6 fehlgeschlagen.</translation>
    </message>
    <message>
        <source>Why: %1.</source>
        <extracomment>%1 lists reasons, each with how many pictures failed for it.</extracomment>
        <translation>Warum: %1.</translation>
    </message>
    <message>
        <source>The %1 there is not Quillfen&apos;s: it was left as it is, and no list was written.</source>
        <extracomment>%1 is the file name pictures.csv.</extracomment>
        <translation>Die Datei %1 dort stammt nicht von Quillfen: Sie wurde belassen, wie sie ist, und keine Liste wurde geschrieben.</translation>
    </message>
</context>
<context>
    <name>PictureFolderSave</name>
    <message>
        <source>Saving pictures: %1 of %2</source>
        <extracomment>On the progress bar: which picture of how many is being saved.</extracomment>
        <translation>Bilder werden gespeichert: %1 von %2</translation>
    </message>
    <message>
        <source>Stopped.</source>
        <translation>Angehalten.</translation>
    </message>
    <message>
        <source>Save Pictures</source>
        <translation>Bilder speichern</translation>
    </message>
    <message>
        <source>No product found in the results has a picture to save.</source>
        <translation>Kein gefundenes Produkt in den Ergebnissen hat ein Bild zum Speichern.</translation>
    </message>
    <message>
        <source>Pictures are saved once the lookup is over: wait for it, or stop it.</source>
        <translation>Bilder werden gespeichert, sobald die Abfrage vorbei ist: warten Sie darauf oder halten Sie sie an.</translation>
    </message>
</context>
<context>
    <name>PictureModule</name>
    <message>
        <source>The reader of pictures and PDF pages could not be loaded: %1</source>
        <extracomment>%1 is what the system said.</extracomment>
        <translation>Der Leser für Bilder und PDF-Seiten konnte nicht geladen werden: %1</translation>
    </message>
</context>
<context>
    <name>Politeness</name>
    <message>
        <source>Open Food Facts is busy for everyone and asks that large lists be looked up in its export instead: Lookup → Download Product Database (quillfen --download-index) imports it once for answers offline.</source>
        <translation>Open Food Facts ist für alle ausgelastet und bittet darum, große Listen stattdessen in seinem Export abzufragen: Abfrage → Produktdatenbank herunterladen (quillfen --download-index) importiert ihn einmal für Antworten ohne Netz.</translation>
    </message>
</context>
<context>
    <name>PopplerPdfDocument</name>
    <message>
        <source>the PDF has no page %1</source>
        <translation>das PDF hat keine Seite %1</translation>
    </message>
    <message>
        <source>page %1 of the PDF is damaged</source>
        <translation>Seite %1 des PDF ist beschädigt</translation>
    </message>
    <message>
        <source>the PDF is damaged or is no PDF</source>
        <translation>das PDF ist beschädigt oder kein PDF</translation>
    </message>
    <message>
        <source>the PDF is protected by a password</source>
        <translation>das PDF ist durch ein Passwort geschützt</translation>
    </message>
    <message>
        <source>the PDF is damaged (it is cut short)</source>
        <translation>das PDF ist beschädigt (es ist unvollständig)</translation>
    </message>
    <message>
        <source>page %1 of the PDF cannot be drawn</source>
        <translation>Seite %1 des PDF kann nicht dargestellt werden</translation>
    </message>
</context>
<context>
    <name>ProductCode</name>
    <message>
        <source>check digit should be %1</source>
        <translation>Prüfziffer sollte %1 sein</translation>
    </message>
    <message>
        <source>the spreadsheet turned this code into the number %1 and lost its digits; format the column as text</source>
        <translation>die Tabelle hat diesen Code in die Zahl %1 umgewandelt und seine Ziffern verloren; formatieren Sie die Spalte als Text</translation>
    </message>
    <message>
        <source>not an EAN (8, 12, 13 or 14 digits expected) or an ISBN-10</source>
        <translation>keine EAN (8, 12, 13 oder 14 Ziffern erwartet) oder ISBN-10</translation>
    </message>
</context>
<context>
    <name>ProductDatabaseMenu</name>
    <message>
        <source>Importing %1/%2 %3:
%4</source>
        <extracomment>%1 is the file&apos;s number, %2 how many files, %3 its name; then how far it has come.</extracomment>
        <translation>Import von %3 (%1/%2):
%4</translation>
    </message>
    <message>
        <source>Importing %1:
%2</source>
        <extracomment>%1 is the file&apos;s name; then how far it has come.</extracomment>
        <translation>Import von %1:
%2</translation>
    </message>
    <message>
        <source>No product index</source>
        <translation>Kein Produktindex</translation>
    </message>
    <message>
        <source>The product index cannot be read</source>
        <translation>Der Produktindex kann nicht gelesen werden</translation>
    </message>
    <message numerus="yes">
        <source>Index, %1 product</source>
        <extracomment>%1 is how many products the index holds.</extracomment>
        <translation>
            <numerusform>Index, %1 Produkt</numerusform>
            <numerusform>Index, %1 Produkte</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Index, %1 products</source>
        <translation>
            <numerusform>Index, %1 Produkt</numerusform>
            <numerusform>Index, %1 Produkte</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Index of %1, %2 product</source>
        <extracomment>%1 is the date of the index&apos;s data (2026-12-08), %2 how many products it holds.</extracomment>
        <translation>
            <numerusform>Index vom %1, %2 Produkt</numerusform>
            <numerusform>Index vom %1, %2 Produkte</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Index of %1, %2 products</source>
        <translation>
            <numerusform>Index vom %1, %2 Produkt</numerusform>
            <numerusform>Index vom %1, %2 Produkte</numerusform>
        </translation>
    </message>
    <message>
        <source>Product database exports (%1)</source>
        <extracomment>A file dialog&apos;s choice; %1 is the names it shows (*.csv.gz *.csv ...).</extracomment>
        <translation>Exporte von Produktdatenbanken (%1)</translation>
    </message>
    <message>
        <source>All Files (*.*)</source>
        <translation>Alle Dateien (*.*)</translation>
    </message>
    <message>
        <source>The product database is being downloaded; wait for it to end, or cancel it.</source>
        <translation>Die Produktdatenbank wird gerade heruntergeladen; warten Sie, bis der Vorgang endet, oder brechen Sie ihn ab.</translation>
    </message>
    <message>
        <source>The product database is being updated; wait for it to end, or cancel it.</source>
        <translation>Die Produktdatenbank wird gerade aktualisiert; warten Sie, bis der Vorgang endet, oder brechen Sie ihn ab.</translation>
    </message>
    <message>
        <source>The product database is being imported; wait for it to end, or cancel it.</source>
        <translation>Die Produktdatenbank wird gerade importiert; warten Sie, bis der Vorgang endet, oder brechen Sie ihn ab.</translation>
    </message>
    <message>
        <source>Opening %1</source>
        <extracomment>%1 is the export&apos;s path.</extracomment>
        <translation>%1 wird geöffnet</translation>
    </message>
    <message>
        <source>Downloading %1</source>
        <extracomment>%1 is the address downloaded from.</extracomment>
        <translation>%1 wird heruntergeladen</translation>
    </message>
    <message>
        <source>Downloading %1:</source>
        <extracomment>%1 is the address downloaded from; how far it has come follows.</extracomment>
        <translation>%1 wird heruntergeladen:</translation>
    </message>
    <message>
        <source>Reading the list of daily change files at %1</source>
        <translation>Die Liste der täglichen Änderungsdateien wird von %1 gelesen</translation>
    </message>
    <message>
        <source>Updating %1/%2 %3:</source>
        <extracomment>%1 is the file&apos;s number, %2 how many files, %3 its name; how far it has come follows.</extracomment>
        <translation>Aktualisierung mit %3 (%1/%2):</translation>
    </message>
    <message numerus="yes">
        <source>%1 products applied</source>
        <translation>
            <numerusform>%1 Produkt übernommen</numerusform>
            <numerusform>%1 Produkte übernommen</numerusform>
        </translation>
    </message>
    <message>
        <source>Download the whole product database now?</source>
        <translation>Jetzt die gesamte Produktdatenbank herunterladen?</translation>
    </message>
    <message>
        <source>Cancelling…</source>
        <translation>Wird abgebrochen…</translation>
    </message>
    <message>
        <source>Download cancelled. What has arrived is kept, and the next download goes on from there. The product index is as it was.</source>
        <translation>Download abgebrochen. Was bereits angekommen ist, bleibt erhalten, und der nächste Download setzt dort fort. Der Produktindex ist unverändert.</translation>
    </message>
    <message>
        <source>The download failed: %1.
The product index is as it was.</source>
        <extracomment>%1 says what went wrong.</extracomment>
        <translation>Der Download ist fehlgeschlagen: %1.
Der Produktindex ist unverändert.</translation>
    </message>
    <message>
        <source>Import Product Database</source>
        <translation>Produktdatenbank importieren</translation>
    </message>
    <message>
        <source>Download Product Database</source>
        <translation>Produktdatenbank herunterladen</translation>
    </message>
    <message>
        <source>Update the Index</source>
        <translation>Index aktualisieren</translation>
    </message>
</context>
<context>
    <name>ProductDetailsView</name>
    <message>
        <source>Brand</source>
        <translation>Marke</translation>
    </message>
    <message>
        <source>Quantity</source>
        <translation>Menge</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Kategorien</translation>
    </message>
    <message>
        <source>Countries</source>
        <translation>Länder</translation>
    </message>
    <message>
        <source>Publishers</source>
        <translation>Verlage</translation>
    </message>
    <message>
        <source>Published</source>
        <translation>Erschienen</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>Code</translation>
    </message>
    <message>
        <source>Kind of code</source>
        <translation>Codeart</translation>
    </message>
    <message>
        <source>GS1 office</source>
        <translation>GS1-Organisation</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Quelle</translation>
    </message>
    <message>
        <source>Open Database License (ODbL)</source>
        <translation>Open Database License (ODbL)</translation>
    </message>
    <message>
        <source>public domain (CC0)</source>
        <translation>gemeinfrei (CC0)</translation>
    </message>
    <message>
        <source>UPCitemdb&apos;s terms of use</source>
        <translation>Nutzungsbedingungen von UPCitemdb</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Bild</translation>
    </message>
    <message>
        <source>Case of</source>
        <translation>Umkarton von</translation>
    </message>
    <message>
        <source>UPC</source>
        <translation>UPC</translation>
    </message>
    <message>
        <source>ISBN-10</source>
        <translation>ISBN-10</translation>
    </message>
    <message>
        <source>ISBN</source>
        <translation>ISBN</translation>
    </message>
    <message>
        <source>ISSN</source>
        <translation>ISSN</translation>
    </message>
    <message>
        <source>Author</source>
        <translation>Autor</translation>
    </message>
    <message>
        <source>Subjects</source>
        <translation>Schlagwörter</translation>
    </message>
    <message>
        <source>Control number</source>
        <translation>Kontrollnummer</translation>
    </message>
</context>
<context>
    <name>ProgressDisplay</name>
    <message>
        <source>Progress Bar</source>
        <translation>Fortschrittsanzeige</translation>
    </message>
</context>
<context>
    <name>PublicAddress</name>
    <message>
        <source>a loopback address</source>
        <translation>eine Loopback-Adresse</translation>
    </message>
    <message>
        <source>a private address</source>
        <translation>eine private Adresse</translation>
    </message>
    <message>
        <source>a link-local address</source>
        <translation>eine Link-Local-Adresse</translation>
    </message>
    <message>
        <source>an unspecified address</source>
        <translation>eine unspezifizierte Adresse</translation>
    </message>
    <message>
        <source>no host&apos;s address</source>
        <translation>keine Adresse eines Hosts</translation>
    </message>
    <message>
        <source>not a web address</source>
        <translation>keine Webadresse</translation>
    </message>
    <message>
        <source>not a public address: %1 (%2)</source>
        <translation>keine öffentliche Adresse: %1 (%2)</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Zeigt Hilfe zu den Kommandozeilenoptionen an.</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>Zeigt Hilfe einschließlich Qt-spezifischer Optionen an.</translation>
    </message>
</context>
<context>
    <name>QtBatchConsole</name>
    <message>
        <source>Cannot read standard input: %1</source>
        <translation>Die Standardeingabe kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>Cannot write to standard output: %1</source>
        <translation>In die Standardausgabe kann nicht geschrieben werden: %1</translation>
    </message>
</context>
<context>
    <name>QtBrowserOpener</name>
    <message>
        <source>Could not open %1 in the web browser</source>
        <translation>%1 konnte nicht im Webbrowser geöffnet werden</translation>
    </message>
</context>
<context>
    <name>QtClipboard</name>
    <message>
        <source>The clipboard is not available</source>
        <translation>Die Zwischenablage ist nicht verfügbar</translation>
    </message>
    <message>
        <source>Clipboard format %1 is not available</source>
        <translation>Das Format %1 der Zwischenablage ist nicht verfügbar</translation>
    </message>
</context>
<context>
    <name>QtColumnChoiceDialog</name>
    <message>
        <source>Code Column</source>
        <translation>Code-Spalte</translation>
    </message>
    <message>
        <source>Which column of %1 holds the codes?</source>
        <translation>Welche Spalte von %1 enthält die Codes?</translation>
    </message>
    <message>
        <source>Columns</source>
        <translation>Spalten</translation>
    </message>
    <message>
        <source>Column</source>
        <extracomment>Columns of the list: the column&apos;s letter (A, B, ...), its first row&apos;s text, and the first values under it.</extracomment>
        <translation>Spalte</translation>
    </message>
    <message>
        <source>Header</source>
        <translation>Überschrift</translation>
    </message>
    <message>
        <source>First values</source>
        <translation>Erste Werte</translation>
    </message>
</context>
<context>
    <name>QtDetailsWindow</name>
    <message>
        <source>Loading picture…</source>
        <translation>Bild wird geladen…</translation>
    </message>
    <message>
        <source>no picture</source>
        <translation>kein Bild</translation>
    </message>
    <message>
        <source>Product Details</source>
        <translation>Produktdetails</translation>
    </message>
    <message>
        <source>Open the product&apos;s page</source>
        <translation>Produktseite öffnen</translation>
    </message>
    <message>
        <source>Picture of %1</source>
        <translation>Bild von %1</translation>
    </message>
</context>
<context>
    <name>QtDownloadStore</name>
    <message>
        <source>Could not make the folder %1</source>
        <translation>Der Ordner %1 konnte nicht angelegt werden</translation>
    </message>
    <message>
        <source>Could not rename %1 to %2</source>
        <translation>%1 konnte nicht in %2 umbenannt werden</translation>
    </message>
    <message>
        <source>disk full</source>
        <translation>Datenträger voll</translation>
    </message>
</context>
<context>
    <name>QtFileSystem</name>
    <message>
        <source>%1 is a folder, not a file</source>
        <translation>%1 ist ein Ordner, keine Datei</translation>
    </message>
    <message>
        <source>%1 is not a file</source>
        <translation>%1 ist keine Datei</translation>
    </message>
    <message>
        <source>Could not open %1: %2</source>
        <translation>%1 konnte nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>Could not read %1: %2</source>
        <translation>%1 konnte nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>Could not make the folder %1</source>
        <translation>Der Ordner %1 konnte nicht angelegt werden</translation>
    </message>
    <message>
        <source>Could not write %1: %2</source>
        <translation>%1 konnte nicht geschrieben werden: %2</translation>
    </message>
</context>
<context>
    <name>QtFolderFiles</name>
    <message>
        <source>Cannot make the folder %1: %2</source>
        <translation>Der Ordner %1 kann nicht angelegt werden: %2</translation>
    </message>
    <message>
        <source>a file of that name is there</source>
        <translation>dort liegt eine Datei dieses Namens</translation>
    </message>
    <message>
        <source>Cannot write the file %1: %2</source>
        <translation>Die Datei %1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>Cannot write the file %1</source>
        <translation>Die Datei %1 kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>Cannot remove the file %1: %2</source>
        <translation>Die Datei %1 kann nicht entfernt werden: %2</translation>
    </message>
</context>
<context>
    <name>QtForm1Window</name>
    <message>
        <source>Double-click item to remove it. Move | line to right and out of window to reveal full names.</source>
        <translation>Doppelklick auf einen Eintrag entfernt ihn. Ziehen Sie die Linie | nach rechts aus dem Fenster, um ganze Namen zu sehen.</translation>
    </message>
    <message>
        <source>Add EAN Number or Numbers</source>
        <translation>EAN-Nummer(n) hinzufügen</translation>
    </message>
    <message>
        <source>Load EAN Numbers From File</source>
        <translation>EAN-Nummern aus Datei laden</translation>
    </message>
    <message>
        <source>Clear List</source>
        <translation>Liste leeren</translation>
    </message>
    <message>
        <source>Load Sample/Example EANs</source>
        <translation>Beispiel-EANs laden</translation>
    </message>
    <message>
        <source>Start Looking Up</source>
        <translation>Abfrage starten</translation>
    </message>
    <message>
        <source>Save Results As Text File</source>
        <translation>Als Textdatei speichern</translation>
    </message>
    <message>
        <source>Save Results As Excel File</source>
        <translation>Als Excel-Datei speichern</translation>
    </message>
    <message>
        <source>Copy Results To Clipboard</source>
        <translation>Ergebnisse kopieren</translation>
    </message>
    <message>
        <source>Clear Results</source>
        <translation>Ergebnisse leeren</translation>
    </message>
    <message>
        <source>Menu bar</source>
        <translation>Menüleiste</translation>
    </message>
    <message>
        <source>&amp;Lookup</source>
        <translation>&amp;Abfrage</translation>
    </message>
    <message>
        <source>Lookup</source>
        <translation>Abfrage</translation>
    </message>
    <message>
        <source>&amp;Sources…</source>
        <translation>&amp;Quellen…</translation>
    </message>
    <message>
        <source>&amp;Forget Remembered Answers</source>
        <translation>Gespeicherte Antworten &amp;vergessen</translation>
    </message>
    <message>
        <source>&amp;Import Product Database…</source>
        <translation>Produktdatenbank &amp;importieren…</translation>
    </message>
    <message>
        <source>&amp;Download Product Database</source>
        <translation>Produktdatenbank &amp;herunterladen</translation>
    </message>
    <message>
        <source>&amp;Update the Index</source>
        <translation>Index a&amp;ktualisieren</translation>
    </message>
    <message>
        <source>No product index</source>
        <translation>Kein Produktindex</translation>
    </message>
    <message>
        <source>S&amp;top Looking Up</source>
        <translation>Abfrage a&amp;nhalten</translation>
    </message>
    <message>
        <source>&amp;Retry Failed Rows</source>
        <translation>Fehlgeschlagene Zeilen &amp;wiederholen</translation>
    </message>
    <message>
        <source>&amp;Product Details…</source>
        <translation>&amp;Produktdetails…</translation>
    </message>
    <message>
        <source>Save Results &amp;As…</source>
        <translation>Ergebnisse &amp;speichern unter…</translation>
    </message>
    <message>
        <source>&amp;Enrich a Spreadsheet…</source>
        <translation>Tabelle &amp;ergänzen…</translation>
    </message>
    <message>
        <source>S&amp;can…</source>
        <translation>S&amp;cannen…</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>&amp;About Quillfen</source>
        <translation>Ü&amp;ber Quillfen</translation>
    </message>
    <message>
        <source>Invalid picture: %1</source>
        <translation>Ungültiges Bild: %1</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Sprache</translation>
    </message>
    <message>
        <source>EAN Codes</source>
        <translation>EAN-Codes</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>Progress Bar</source>
        <translation>Fortschrittsanzeige</translation>
    </message>
    <message>
        <source>Save Rec&amp;ords As…</source>
        <translation>&amp;Datensätze speichern unter…</translation>
    </message>
    <message>
        <source>Sa&amp;ve Pictures…</source>
        <translation>&amp;Bilder speichern…</translation>
    </message>
    <message>
        <source>Print &amp;Labels…</source>
        <translation>&amp;Etiketten drucken…</translation>
    </message>
</context>
<context>
    <name>QtHttpFetcher</name>
    <message>
        <source>not a loopback address</source>
        <translation>keine Loopback-Adresse</translation>
    </message>
    <message>
        <source>stopped</source>
        <translation>angehalten</translation>
    </message>
    <message>
        <source>no data for %1 s</source>
        <extracomment>%1 is a number of seconds.</extracomment>
        <translation>seit %1 s keine Daten</translation>
    </message>
    <message>
        <source>insecure redirect</source>
        <translation>unsichere Weiterleitung</translation>
    </message>
    <message>
        <source>no answer</source>
        <translation>keine Antwort</translation>
    </message>
</context>
<context>
    <name>QtInputFiles</name>
    <message>
        <source>Cannot open %1: it is a folder</source>
        <translation>%1 kann nicht geöffnet werden: es ist ein Ordner</translation>
    </message>
    <message>
        <source>Cannot open %1: %2</source>
        <translation>%1 kann nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
</context>
<context>
    <name>QtKeychainStore</name>
    <message>
        <source>No keyring answers (%1).</source>
        <translation>Der Schlüsselbund antwortet nicht (%1).</translation>
    </message>
</context>
<context>
    <name>QtLabelPrinter</name>
    <message>
        <source>The pages could not be begun.</source>
        <translation>Die Seiten konnten nicht begonnen werden.</translation>
    </message>
    <message>
        <source>No room for another page.</source>
        <translation>Kein Platz für eine weitere Seite.</translation>
    </message>
    <message>
        <source>The pages could not be finished.</source>
        <translation>Die Seiten konnten nicht abgeschlossen werden.</translation>
    </message>
    <message>
        <source>Labels</source>
        <translation>Etiketten</translation>
    </message>
    <message>
        <source>Print Labels</source>
        <translation>Etiketten drucken</translation>
    </message>
</context>
<context>
    <name>QtLabelsDialog</name>
    <message>
        <source>(none)</source>
        <translation>(keine)</translation>
    </message>
    <message>
        <source>Print Labels</source>
        <translation>Etiketten drucken</translation>
    </message>
    <message>
        <source>Layout</source>
        <translation>Layout</translation>
    </message>
    <message>
        <source>&amp;Layout:</source>
        <translation>&amp;Layout:</translation>
    </message>
    <message>
        <source>On each label</source>
        <translation>Auf jedem Etikett</translation>
    </message>
    <message>
        <source>&amp;Barcode</source>
        <translation>&amp;Barcode</translation>
    </message>
    <message>
        <source>The code in &amp;digits</source>
        <translation>Der Code in &amp;Ziffern</translation>
    </message>
    <message>
        <source>&amp;Name</source>
        <translation>&amp;Name</translation>
    </message>
    <message>
        <source>&amp;Price</source>
        <translation>&amp;Preis</translation>
    </message>
    <message>
        <source>Your &amp;text:</source>
        <translation>Ihr Te&amp;xt:</translation>
    </message>
    <message>
        <source>Your text</source>
        <translation>Ihr Text</translation>
    </message>
    <message>
        <source>Currency symbol</source>
        <translation>Währungszeichen</translation>
    </message>
    <message>
        <source>Currenc&amp;y:</source>
        <translation>Wä&amp;hrung:</translation>
    </message>
    <message>
        <source>Codes</source>
        <translation>Codes</translation>
    </message>
    <message numerus="yes">
        <source>The &amp;code list (1 code)</source>
        <translation>
            <numerusform>Die &amp;Codeliste (1 Code)</numerusform>
            <numerusform>Die &amp;Codeliste (1 Code)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The &amp;code list (%1 codes)</source>
        <translation>
            <numerusform>Die &amp;Codeliste (%1 Code)</numerusform>
            <numerusform>Die &amp;Codeliste (%1 Codes)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The sc&amp;an session (1 code)</source>
        <translation>
            <numerusform>Die &amp;Scan-Sitzung (1 Code)</numerusform>
            <numerusform>Die &amp;Scan-Sitzung (1 Code)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The sc&amp;an session (%1 codes)</source>
        <translation>
            <numerusform>Die &amp;Scan-Sitzung (%1 Code)</numerusform>
            <numerusform>Die &amp;Scan-Sitzung (%1 Codes)</numerusform>
        </translation>
    </message>
    <message>
        <source>A &amp;spreadsheet:</source>
        <translation>Eine &amp;Tabelle:</translation>
    </message>
    <message>
        <source>C&amp;hoose…</source>
        <translation>Aus&amp;wählen…</translation>
    </message>
    <message>
        <source>Names from the column</source>
        <translation>Namen aus der Spalte</translation>
    </message>
    <message>
        <source>Prices from the column</source>
        <translation>Preise aus der Spalte</translation>
    </message>
    <message>
        <source>Na&amp;mes from:</source>
        <translation>Na&amp;men aus:</translation>
    </message>
    <message>
        <source>Pr&amp;ices from:</source>
        <translation>P&amp;reise aus:</translation>
    </message>
    <message>
        <source>How many of each</source>
        <translation>Wie viele von jedem</translation>
    </message>
    <message>
        <source>&amp;One</source>
        <translation>&amp;Eines</translation>
    </message>
    <message>
        <source>Th&amp;e scan count</source>
        <translation>&amp;Die Scan-Anzahl</translation>
    </message>
    <message>
        <source>&amp;From the column:</source>
        <translation>A&amp;us der Spalte:</translation>
    </message>
    <message>
        <source>Copies from the column</source>
        <translation>Anzahl aus der Spalte</translation>
    </message>
    <message>
        <source>First free label on the sheet</source>
        <translation>Erstes freies Etikett auf dem Bogen</translation>
    </message>
    <message>
        <source>Row</source>
        <translation>Zeile</translation>
    </message>
    <message>
        <source>Column</source>
        <translation>Spalte</translation>
    </message>
    <message>
        <source>Ro&amp;w:</source>
        <translation>Ze&amp;ile:</translation>
    </message>
    <message>
        <source>Col&amp;umn:</source>
        <translation>Sp&amp;alte:</translation>
    </message>
    <message>
        <source>Preview of the first page</source>
        <translation>Vorschau der ersten Seite</translation>
    </message>
    <message>
        <source>P&amp;rint…</source>
        <translation>Druc&amp;ken…</translation>
    </message>
    <message>
        <source>Sa&amp;ve PDF…</source>
        <translation>PD&amp;F speichern…</translation>
    </message>
    <message>
        <source>Choose a Spreadsheet</source>
        <translation>Tabelle auswählen</translation>
    </message>
    <message>
        <source>Spreadsheets (%1);;All files (%2)</source>
        <extracomment>Two filters of a file dialog, separated by ;; (keep it); %1 and %2 are the file patterns they show.</extracomment>
        <translation>Tabellen (%1);;Alle Dateien (%2)</translation>
    </message>
</context>
<context>
    <name>QtListControl</name>
    <message>
        <source>Index out of bounds</source>
        <translation>Index außerhalb des gültigen Bereichs</translation>
    </message>
</context>
<context>
    <name>QtOutputFiles</name>
    <message>
        <source>The workbook %1 is already written</source>
        <translation>Die Arbeitsmappe %1 ist bereits geschrieben</translation>
    </message>
</context>
<context>
    <name>QtPageLoader</name>
    <message>
        <source>connection refused</source>
        <translation>Verbindung abgelehnt</translation>
    </message>
    <message>
        <source>connection closed</source>
        <translation>Verbindung geschlossen</translation>
    </message>
    <message>
        <source>host not found</source>
        <translation>Host nicht gefunden</translation>
    </message>
    <message>
        <source>timed out</source>
        <translation>Zeitüberschreitung</translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation>abgebrochen</translation>
    </message>
    <message>
        <source>secure connection failed</source>
        <translation>sichere Verbindung fehlgeschlagen</translation>
    </message>
    <message>
        <source>network unavailable</source>
        <translation>Netzwerk nicht verfügbar</translation>
    </message>
    <message>
        <source>too many redirects</source>
        <translation>zu viele Weiterleitungen</translation>
    </message>
    <message>
        <source>insecure redirect</source>
        <translation>unsichere Weiterleitung</translation>
    </message>
    <message>
        <source>malformed answer</source>
        <translation>fehlerhafte Antwort</translation>
    </message>
    <message>
        <source>proxy error</source>
        <translation>Proxy-Fehler</translation>
    </message>
    <message>
        <source>network error</source>
        <translation>Netzwerkfehler</translation>
    </message>
</context>
<context>
    <name>QtPhoneScanServer</name>
    <message>
        <source>not an address of this machine: %1</source>
        <translation>keine Adresse dieses Rechners: %1</translation>
    </message>
    <message>
        <source>port %1 is in use; choose another port</source>
        <translation>Port %1 ist belegt; wählen Sie einen anderen Port</translation>
    </message>
</context>
<context>
    <name>QtPictureFiles</name>
    <message>
        <source>not enough memory for the picture</source>
        <translation>nicht genug Speicher für das Bild</translation>
    </message>
    <message>
        <source>the picture cannot be decoded (%1)</source>
        <translation>das Bild kann nicht dekodiert werden (%1)</translation>
    </message>
    <message>
        <source>the picture is damaged (it is cut short)</source>
        <translation>das Bild ist beschädigt (es ist unvollständig)</translation>
    </message>
    <message>
        <source>the picture is too large to decode in colour; save it in grey or as %1</source>
        <translation>das Bild ist zu groß, um es in Farbe zu dekodieren; speichern Sie es in Graustufen oder als %1</translation>
    </message>
    <message>
        <source>the picture is too large to decode</source>
        <translation>das Bild ist zu groß zum Dekodieren</translation>
    </message>
    <message>
        <source>the picture cannot be written as %1 (%2)</source>
        <translation>das Bild kann nicht als %1 geschrieben werden (%2)</translation>
    </message>
</context>
<context>
    <name>QtPlatform</name>
    <message>
        <source>&amp;Desktop&apos;s Language</source>
        <translation>Sprache des &amp;Desktops</translation>
    </message>
</context>
<context>
    <name>QtProgressDialog</name>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
</context>
<context>
    <name>QtScanJournal</name>
    <message>
        <source>could not write the session file to the disk</source>
        <translation>die Sitzungsdatei konnte nicht auf den Datenträger geschrieben werden</translation>
    </message>
    <message>
        <source>could not remove %1</source>
        <translation>%1 konnte nicht entfernt werden</translation>
    </message>
    <message>
        <source>could not open the session file %1: %2</source>
        <translation>die Sitzungsdatei %1 konnte nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>the session file %1 is not a regular file (a pipe, a device or a folder); move it away</source>
        <translation>die Sitzungsdatei %1 ist keine gewöhnliche Datei (eine Pipe, ein Gerät oder ein Ordner); verschieben Sie sie</translation>
    </message>
</context>
<context>
    <name>QtScanWindow</name>
    <message>
        <source>Scan</source>
        <extracomment>The scan window&apos;s title (the noun: the window where codes are scanned).</extracomment>
        <translation>Scannen</translation>
    </message>
    <message>
        <source>Scan line</source>
        <translation>Scan-Zeile</translation>
    </message>
    <message>
        <source>Scan or type a code, then Enter</source>
        <translation>Code scannen oder eingeben, dann Enter</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Antwort</translation>
    </message>
    <message>
        <source>Scans</source>
        <translation>Scans</translation>
    </message>
    <message>
        <source>Count</source>
        <extracomment>The scans table&apos;s columns: how many times the code was scanned, the code, the product&apos;s name and brand, and whether it was found.</extracomment>
        <translation>Anzahl</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>Code</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Brand</source>
        <translation>Marke</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Send to Code List</source>
        <translation>An Codeliste senden</translation>
    </message>
    <message>
        <source>Save As…</source>
        <translation>Speichern unter…</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Ton aus</translation>
    </message>
    <message>
        <source>Receive Scans From a Phone</source>
        <translation>Scans vom Telefon empfangen</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>New Link</source>
        <translation>Neuer Link</translation>
    </message>
    <message>
        <source>QR code of the link</source>
        <translation>QR-Code des Links</translation>
    </message>
    <message>
        <source>Notice</source>
        <translation>Hinweis</translation>
    </message>
</context>
<context>
    <name>QtSettingsStore</name>
    <message>
        <source>Could not save the setting &quot;%1&quot; in %2</source>
        <translation>Die Einstellung „%1“ konnte nicht in %2 gespeichert werden</translation>
    </message>
</context>
<context>
    <name>QtShopColumnsDialog</name>
    <message>
        <source>Your Columns</source>
        <translation>Ihre Spalten</translation>
    </message>
    <message>
        <source>The shop&apos;s file takes these from %1.</source>
        <extracomment>%1 is a spreadsheet&apos;s file name.</extracomment>
        <translation>Die Shop-Datei übernimmt diese aus %1.</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(keine)</translation>
    </message>
    <message>
        <source>Which of your columns is the price?</source>
        <translation>Welche Ihrer Spalten ist der Preis?</translation>
    </message>
    <message>
        <source>Which is your SKU (your own article number)?</source>
        <translation>Welche ist Ihre SKU (Ihre eigene Artikelnummer)?</translation>
    </message>
    <message>
        <source>Which is the stock?</source>
        <translation>Welche ist der Bestand?</translation>
    </message>
</context>
<context>
    <name>QtSkinComponent</name>
    <message>
        <source>Could not load the skin %1: %2</source>
        <translation>Der Skin %1 konnte nicht geladen werden: %2</translation>
    </message>
    <message>
        <source>Could not load the skin %1: the file is too large to be a skin</source>
        <translation>Der Skin %1 konnte nicht geladen werden: die Datei ist zu groß für einen Skin</translation>
    </message>
    <message>
        <source>Could not load the skin %1: the file is not a text file</source>
        <translation>Der Skin %1 konnte nicht geladen werden: die Datei ist keine Textdatei</translation>
    </message>
</context>
<context>
    <name>QtSourcesDialog</name>
    <message>
        <source>Sources</source>
        <translation>Quellen</translation>
    </message>
    <message>
        <source>Test</source>
        <extracomment>The title of what a test lookup of a source read (the noun).</extracomment>
        <translation>Test</translation>
    </message>
    <message>
        <source>Read from the answer:</source>
        <translation>Aus der Antwort gelesen:</translation>
    </message>
    <message>
        <source>The answer:</source>
        <translation>Die Antwort:</translation>
    </message>
    <message>
        <source>&amp;Ask these sources, from the top down:</source>
        <translation>Diese Quellen von oben nach unten &amp;abfragen:</translation>
    </message>
    <message>
        <source>Space ticks or unticks; Ctrl+Up and Ctrl+Down move.</source>
        <translation>Leertaste hakt an oder ab; Strg+Auf und Strg+Ab verschieben.</translation>
    </message>
    <message>
        <source>Move &amp;Up</source>
        <translation>Nach &amp;oben</translation>
    </message>
    <message>
        <source>Move &amp;Down</source>
        <translation>Nach &amp;unten</translation>
    </message>
    <message>
        <source>&amp;Add a Source...</source>
        <translation>Quelle &amp;hinzufügen...</translation>
    </message>
    <message>
        <source>Add a Source</source>
        <translation>Quelle hinzufügen</translation>
    </message>
    <message>
        <source>Source files (%1);;All files (%2)</source>
        <extracomment>Two filters of a file dialog, separated by ;; (keep it); %1 and %2 are the file patterns they show.</extracomment>
        <translation>Quelldateien (%1);;Alle Dateien (%2)</translation>
    </message>
    <message>
        <source>Set &amp;Key...</source>
        <translation>&amp;Schlüssel festlegen...</translation>
    </message>
    <message>
        <source>Set Key</source>
        <translation>Schlüssel festlegen</translation>
    </message>
    <message>
        <source>The key for %1:</source>
        <translation>Der Schlüssel für %1:</translation>
    </message>
    <message>
        <source>&amp;Forget Key</source>
        <translation>Schlüssel &amp;vergessen</translation>
    </message>
    <message>
        <source>&amp;Test...</source>
        <translation>&amp;Testen...</translation>
    </message>
    <message>
        <source>Code to look up:</source>
        <translation>Abzufragender Code:</translation>
    </message>
    <message>
        <source>&amp;Page service address:</source>
        <translation>Adresse des Seiten&amp;dienstes:</translation>
    </message>
    <message>
        <source>Page service address</source>
        <translation>Adresse des Seitendienstes</translation>
    </message>
    <message>
        <source>Fill the &amp;gaps from the next sources</source>
        <translation>&amp;Lücken aus den nächsten Quellen füllen</translation>
    </message>
    <message>
        <source>A found product without a brand, a quantity or a picture is completed from the next sources that know the code.</source>
        <translation>Bei einem gefundenen Produkt ohne Marke, Menge oder Bild wird das Fehlende aus den nächsten Quellen ergänzt, die den Code kennen.</translation>
    </message>
    <message>
        <source>From a file...</source>
        <translation>Aus einer Datei...</translation>
    </message>
    <message>
        <source>Tick one of the sources Quillfen comes with, or choose &quot;From a file...&quot; to add a source described in a file of your own. A file&apos;s path may also be typed here.</source>
        <translation>Haken Sie eine der mit Quillfen gelieferten Quellen an, oder wählen Sie „Aus einer Datei...“, um eine Quelle aus einer eigenen Datei hinzuzufügen. Der Pfad einer Datei kann auch hier eingegeben werden.</translation>
    </message>
</context>
<context>
    <name>RecordWriter</name>
    <message numerus="yes">
        <source>Left out of the file, without a catalogue record (%n): %1</source>
        <extracomment>%n is how many codes, %1 the codes themselves.</extracomment>
        <translation>
            <numerusform>Nicht in der Datei, ohne Katalogdatensatz (%n): %1</numerusform>
            <numerusform>Nicht in der Datei, ohne Katalogdatensatz (%n): %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RecordsFileSave</name>
    <message numerus="yes">
        <source>Catalogue records saved in %1: %n.</source>
        <extracomment>%1 is the file, %n how many records it holds.</extracomment>
        <translation>
            <numerusform>Katalogdatensätze gespeichert in %1: %n.</numerusform>
            <numerusform>Katalogdatensätze gespeichert in %1: %n.</numerusform>
        </translation>
    </message>
    <message>
        <source>Save Records As</source>
        <translation>Datensätze speichern unter</translation>
    </message>
    <message>
        <source>MARC 21 Records (*.mrc)|*.mrc|MARCXML Records (*.xml)|*.xml|</source>
        <extracomment>A file dialog&apos;s choices: a name, then after &quot;|&quot; the files it shows, each ending in &quot;|&quot;. Translate the names only; keep every &quot;|&quot; and pattern.</extracomment>
        <translation>MARC-21-Datensätze (*.mrc)|*.mrc|MARCXML-Datensätze (*.xml)|*.xml|</translation>
    </message>
    <message>
        <source>None of the ticked results holds a catalogue record. Records come from the library catalogues (loc, dnb, k10plus or one of your own), chosen in Lookup &gt; Sources.</source>
        <translation>Keines der angehakten Ergebnisse hat einen Katalogdatensatz. Datensätze kommen von den Bibliothekskatalogen (loc, dnb, k10plus oder einem eigenen), die unter Abfrage &gt; Quellen gewählt werden.</translation>
    </message>
</context>
<context>
    <name>ResultsFileSave</name>
    <message>
        <source>Save Results As</source>
        <translation>Ergebnisse speichern unter</translation>
    </message>
    <message>
        <source>CSV (*.csv)|*.csv|Tab-Separated Text (*.tsv)|*.tsv|JSON (*.json)|*.json|JSON Lines (*.jsonl)|*.jsonl|Excel Workbook (*.xlsx)|*.xlsx|OpenDocument Spreadsheet (*.ods)|*.ods|</source>
        <extracomment>A file dialog&apos;s choices: a name, then after &quot;|&quot; the files it shows, each ending in &quot;|&quot;. Translate the names only; keep every &quot;|&quot; and pattern.</extracomment>
        <translation>CSV (*.csv)|*.csv|Tabulatorgetrennter Text (*.tsv)|*.tsv|JSON (*.json)|*.json|JSON Lines (*.jsonl)|*.jsonl|Excel-Arbeitsmappe (*.xlsx)|*.xlsx|OpenDocument-Tabelle (*.ods)|*.ods|</translation>
    </message>
    <message>
        <source>Columns</source>
        <extracomment>The title of the box that asks which columns a saved file holds.</extracomment>
        <translation>Spalten</translation>
    </message>
    <message>
        <source>Which columns go into the file?</source>
        <translation>Welche Spalten sollen in die Datei?</translation>
    </message>
    <message>
        <source>There are no ticked results to save.</source>
        <translation>Es gibt keine angehakten Ergebnisse zum Speichern.</translation>
    </message>
    <message>
        <source>Shopify Products (*.csv)|*.csv|WooCommerce Products (*.csv)|*.csv|Google Merchant Center Feed (*.tsv)|*.tsv|</source>
        <extracomment>The shops&apos; import files, offered after the formats above in the same dialog.</extracomment>
        <translation>Shopify-Produkte (*.csv)|*.csv|WooCommerce-Produkte (*.csv)|*.csv|Google-Merchant-Center-Feed (*.tsv)|*.tsv|</translation>
    </message>
</context>
<context>
    <name>ResultsTableActions</name>
    <message>
        <source>Results have been copied to the clipboard.<byte value="xd"/><byte value="xd"/>Click a text area where you normally type and press Ctrl+V to paste the clipboard.</source>
        <translation>Die Ergebnisse wurden in die Zwischenablage kopiert.<byte value="xd"/><byte value="xd"/>Klicken Sie in ein Textfeld, in das Sie sonst schreiben, und drücken Sie Strg+V, um die Zwischenablage einzufügen.</translation>
    </message>
</context>
<context>
    <name>SaveUntilSaved</name>
    <message>
        <source>%1. Nothing was saved.</source>
        <extracomment>%1 says why the file could not be written.</extracomment>
        <translation>%1. Es wurde nichts gespeichert.</translation>
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
    <message>
        <source>Codes sent to the code list: %1. Already in it: %2.</source>
        <extracomment>%1: how many of the session&apos;s codes were added to the code list; %2: how many it held already.</extracomment>
        <translation>An die Codeliste gesendete Codes: %1. Bereits darin: %2.</translation>
    </message>
</context>
<context>
    <name>SheetBuilder</name>
    <message>
        <source>it has more than %1 rows</source>
        <translation>die Datei hat mehr als %1 Zeilen</translation>
    </message>
    <message>
        <source>it has more than %1 columns</source>
        <translation>die Datei hat mehr als %1 Spalten</translation>
    </message>
    <message>
        <source>it has more than %1 cells that hold something</source>
        <translation>die Datei hat mehr als %1 gefüllte Zellen</translation>
    </message>
    <message>
        <source>it is damaged: it holds the row %1 twice</source>
        <translation>die Datei ist beschädigt: sie enthält die Zeile %1 zweimal</translation>
    </message>
</context>
<context>
    <name>SheetCodeLoader</name>
    <message>
        <source>The file %1 holds no codes. No codes were loaded from it.</source>
        <translation>Die Datei %1 enthält keine Codes. Es wurden keine Codes daraus geladen.</translation>
    </message>
</context>
<context>
    <name>SheetEnrichment</name>
    <message>
        <source>Excel Workbook (*.xlsx)</source>
        <translation>Excel-Arbeitsmappe (*.xlsx)</translation>
    </message>
    <message>
        <source>OpenDocument Spreadsheet (*.ods)</source>
        <translation>OpenDocument-Tabelle (*.ods)</translation>
    </message>
    <message>
        <source>Tab-Separated Text (*.tsv)</source>
        <translation>Tabulatorgetrennter Text (*.tsv)</translation>
    </message>
    <message>
        <source>%1 with names</source>
        <extracomment>A file name offered for the enriched copy; %1 is the spreadsheet&apos;s own name.</extracomment>
        <translation>%1 mit Namen</translation>
    </message>
    <message numerus="yes">
        <source>The enriched spreadsheet was saved. One cell longer than Excel&apos;s limit of %1 characters was cut, ending in ….</source>
        <extracomment>%1 is how many characters a cell may hold.</extracomment>
        <translation>
            <numerusform>Die ergänzte Tabelle wurde gespeichert. Eine Zelle, die Excels Grenze von %1 Zeichen überschritt, wurde gekürzt und endet auf ….</numerusform>
            <numerusform>Die ergänzte Tabelle wurde gespeichert. Eine Zelle, die Excels Grenze von %1 Zeichen überschritt, wurde gekürzt und endet auf ….</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The enriched spreadsheet was saved. %1 cells longer than Excel&apos;s limit of %2 characters were cut, ending in ….</source>
        <extracomment>%1 is how many cells, %2 how many characters a cell may hold.</extracomment>
        <translation>
            <numerusform>Die ergänzte Tabelle wurde gespeichert. %1 Zelle, die Excels Grenze von %2 Zeichen überschritt, wurde gekürzt und endet auf ….</numerusform>
            <numerusform>Die ergänzte Tabelle wurde gespeichert. %1 Zellen, die Excels Grenze von %2 Zeichen überschritten, wurden gekürzt und enden auf ….</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 cannot be copied as it is: %2.

Save a copy of its values instead, without its formulas, formats and other sheets?</source>
        <extracomment>%1 is the spreadsheet&apos;s file name, %2 why it cannot be copied.</extracomment>
        <translation>%1 kann nicht unverändert kopiert werden: %2.

Stattdessen eine Kopie nur mit den Werten speichern, ohne Formeln, Formate und weitere Tabellenblätter?</translation>
    </message>
    <message numerus="yes">
        <source>The enriched spreadsheet was saved. One character of the answers is not in its encoding (Windows-1252) and was written as &quot;?&quot;.</source>
        <translation>
            <numerusform>Die ergänzte Tabelle wurde gespeichert. Ein Zeichen der Antworten fehlt in ihrer Codierung (Windows-1252) und wurde als „?“ geschrieben.</numerusform>
            <numerusform>Die ergänzte Tabelle wurde gespeichert. Ein Zeichen der Antworten fehlt in ihrer Codierung (Windows-1252) und wurde als „?“ geschrieben.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The enriched spreadsheet was saved. %1 characters of the answers are not in its encoding (Windows-1252) and were written as &quot;?&quot;.</source>
        <extracomment>%1 is how many characters.</extracomment>
        <translation>
            <numerusform>Die ergänzte Tabelle wurde gespeichert. %1 Zeichen der Antworten fehlt in ihrer Codierung (Windows-1252) und wurde als „?“ geschrieben.</numerusform>
            <numerusform>Die ergänzte Tabelle wurde gespeichert. %1 Zeichen der Antworten fehlen in ihrer Codierung (Windows-1252) und wurden als „?“ geschrieben.</numerusform>
        </translation>
    </message>
    <message>
        <source>Enrich a Spreadsheet</source>
        <translation>Tabelle ergänzen</translation>
    </message>
    <message>
        <source>Save the Enriched Spreadsheet</source>
        <translation>Ergänzte Tabelle speichern</translation>
    </message>
    <message>
        <source>Spreadsheets (*.xlsx *.ods *.csv *.tsv)|*.xlsx;*.ods;*.csv;*.tsv|</source>
        <extracomment>A file dialog&apos;s choice: a name, then after &quot;|&quot; the files it shows, ending in &quot;|&quot;. Translate the name only; keep every &quot;|&quot; and pattern.</extracomment>
        <translation>Tabellen (*.xlsx *.ods *.csv *.tsv)|*.xlsx;*.ods;*.csv;*.tsv|</translation>
    </message>
    <message>
        <source>The enriched copy cannot replace the spreadsheet it comes from</source>
        <translation>Die ergänzte Kopie kann die Tabelle, aus der sie stammt, nicht ersetzen</translation>
    </message>
</context>
<context>
    <name>SheetFile</name>
    <message>
        <source>it has no sheet &quot;%1&quot;; its sheets are %2</source>
        <translation>die Datei hat kein Tabellenblatt „%1“; ihre Tabellenblätter sind %2</translation>
    </message>
    <message>
        <source>it is encrypted with a password: save it without one first</source>
        <translation>die Datei ist mit einem Passwort verschlüsselt: speichern Sie sie zuerst ohne Passwort</translation>
    </message>
    <message>
        <source>it is an Excel 97-2003 workbook: save it as .xlsx first</source>
        <translation>die Datei ist eine Excel-97-2003-Arbeitsmappe: speichern Sie sie zuerst als .xlsx</translation>
    </message>
    <message>
        <source>it is larger than the limit of %1</source>
        <translation>die Datei überschreitet die Grenze von %1</translation>
    </message>
</context>
<context>
    <name>SheetNumbers</name>
    <message>
        <source>%1 GB</source>
        <translation>%1 GB</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 Bytes</translation>
    </message>
</context>
<context>
    <name>ShopFileWriter</name>
    <message>
        <source>Shop file: %1 products. Left out: %2 not found, %3 failed, %4 not looked up, %5 without a name.</source>
        <extracomment>The products a shop&apos;s import file holds, and how many outcomes were left out, by why.</extracomment>
        <translation>Shop-Datei: %1 Produkte. Ausgelassen: %2 nicht gefunden, %3 fehlgeschlagen, %4 nicht abgefragt, %5 ohne Namen.</translation>
    </message>
    <message>
        <source>Rows of a product already in the file, left out: %1.</source>
        <extracomment>Rows whose code is that of a product an earlier row already made (another form of the same GTIN, or the same code again).</extracomment>
        <translation>Zeilen eines Produkts, das schon in der Datei steht, ausgelassen: %1.</translation>
    </message>
    <message>
        <source>Cells of your price column that held no price, left empty: %1.</source>
        <translation>Zellen Ihrer Preisspalte, die keinen Preis enthielten, leer gelassen: %1.</translation>
    </message>
    <message>
        <source>Cells of your stock column that held no whole number, left empty: %1.</source>
        <translation>Zellen Ihrer Bestandsspalte, die keine ganze Zahl enthielten, leer gelassen: %1.</translation>
    </message>
</context>
<context>
    <name>SortBy</name>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Text Files (*.txt)|*.txt|All Files (*.*)|*.*|</source>
        <extracomment>Pairs of a description and its pattern, each followed by &quot;|&quot;: translate the descriptions only.</extracomment>
        <translation>Textdateien (*.txt)|*.txt|Alle Dateien (*.*)|*.*|</translation>
    </message>
    <message>
        <source>Writing file: %1</source>
        <extracomment>%1 is the name of the file being written.</extracomment>
        <translation>Datei wird geschrieben: %1</translation>
    </message>
    <message>
        <source>Done.</source>
        <translation>Fertig.</translation>
    </message>
</context>
<context>
    <name>SourceFile</name>
    <message>
        <source>unknown field</source>
        <translation>unbekanntes Feld</translation>
    </message>
    <message>
        <source>missing</source>
        <translation>fehlt</translation>
    </message>
    <message>
        <source>not a text</source>
        <translation>kein Text</translation>
    </message>
    <message>
        <source>longer than %1 characters</source>
        <translation>länger als %1 Zeichen</translation>
    </message>
    <message>
        <source>holds a control character</source>
        <translation>enthält ein Steuerzeichen</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>leer</translation>
    </message>
    <message>
        <source>not a whole number from %1 to %2</source>
        <translation>keine ganze Zahl von %1 bis %2</translation>
    </message>
    <message>
        <source>not a JSON pointer</source>
        <translation>kein JSON-Pointer</translation>
    </message>
    <message>
        <source>not an object</source>
        <translation>kein Objekt</translation>
    </message>
    <message>
        <source>unknown placeholder {%1}</source>
        <translation>unbekannter Platzhalter {%1}</translation>
    </message>
    <message>
        <source>&quot;all&quot;, &quot;isbn&quot; or a list of kinds (&quot;EAN-13&quot;, &quot;UPC-A&quot;)</source>
        <translation>&quot;all&quot;, &quot;isbn&quot; oder eine Liste von Codearten (&quot;EAN-13&quot;, &quot;UPC-A&quot;)</translation>
    </message>
    <message>
        <source>unknown kind %1</source>
        <translation>unbekannte Codeart %1</translation>
    </message>
    <message>
        <source>not an http:// or https:// address</source>
        <translation>keine http://- oder https://-Adresse</translation>
    </message>
    <message>
        <source>holds a user name or password</source>
        <translation>enthält einen Benutzernamen oder ein Passwort</translation>
    </message>
    <message>
        <source>GET or POST</source>
        <translation>GET oder POST</translation>
    </message>
    <message>
        <source>not a header name</source>
        <translation>kein Header-Name</translation>
    </message>
    <message>
        <source>not a text of one line</source>
        <translation>kein einzeiliger Text</translation>
    </message>
    <message>
        <source>only a POST sends a body</source>
        <translation>nur ein POST sendet einen Body</translation>
    </message>
    <message>
        <source>either json or form, not both</source>
        <translation>entweder json oder form, nicht beides</translation>
    </message>
    <message>
        <source>missing (a POST sends json or form)</source>
        <translation>fehlt (ein POST sendet json oder form)</translation>
    </message>
    <message>
        <source>&quot;required&quot; or &quot;optional&quot;</source>
        <translation>&quot;required&quot; oder &quot;optional&quot;</translation>
    </message>
    <message>
        <source>no template names {key}</source>
        <translation>keine Vorlage enthält {key}</translation>
    </message>
    <message>
        <source>not a list</source>
        <translation>keine Liste</translation>
    </message>
    <message>
        <source>not an HTTP error status other than 429 and 503</source>
        <translation>kein HTTP-Fehlerstatus außer 429 und 503</translation>
    </message>
    <message>
        <source>not true or false</source>
        <translation>nicht true oder false</translation>
    </message>
    <message>
        <source>not a text, number, true, false or null</source>
        <translation>weder Text noch Zahl, true, false oder null</translation>
    </message>
    <message>
        <source>lower-case letters and digits only</source>
        <translation>nur Kleinbuchstaben und Ziffern</translation>
    </message>
    <message>
        <source>%1: larger than %2 KB</source>
        <translation>%1: größer als %2 KB</translation>
    </message>
    <message>
        <source>%1: not JSON (%2 at byte %3)</source>
        <extracomment>%1 is the file&apos;s name, %2 what the JSON reader says is wrong, %3 where.</extracomment>
        <translation>%1: kein JSON (%2 bei Byte %3)</translation>
    </message>
    <message>
        <source>%1: not a JSON object</source>
        <translation>%1: kein JSON-Objekt</translation>
    </message>
    <message>
        <source>&quot;z3950&quot; or &quot;sru&quot;</source>
        <translation>„z3950“ oder „sru“</translation>
    </message>
    <message>
        <source>not a host name or address</source>
        <translation>kein Hostname und keine Adresse</translation>
    </message>
    <message>
        <source>true or false, and only for SRU</source>
        <translation>true oder false, und nur für SRU</translation>
    </message>
    <message>
        <source>holds a space, &quot;?&quot; or &quot;#&quot;</source>
        <translation>enthält ein Leerzeichen, „?“ oder „#“</translation>
    </message>
    <message>
        <source>names neither {isbn13} nor {isbn10}</source>
        <translation>nennt weder {isbn13} noch {isbn10}</translation>
    </message>
</context>
<context>
    <name>SourceTools</name>
    <message>
        <source>No key was typed; nothing was kept.</source>
        <translation>Es wurde kein Schlüssel eingegeben; nichts wurde gespeichert.</translation>
    </message>
    <message>
        <source>%1 The key was not kept anywhere. Give it in %2, or with --key-file %3=PATH (a file only you may read).</source>
        <extracomment>%1 says why the keyring refused, %2 is an environment variable, %3 the source&apos;s name.</extracomment>
        <translation>%1 Der Schlüssel wurde nirgends gespeichert. Geben Sie ihn in %2 an oder mit --key-file %3=PATH (eine Datei, die nur Sie lesen dürfen).</translation>
    </message>
    <message>
        <source>The key for %1 is kept in your desktop&apos;s keyring.</source>
        <translation>Der Schlüssel für %1 ist im Schlüsselbund Ihres Desktops gespeichert.</translation>
    </message>
    <message>
        <source>The keyring holds no key for %1 any more.</source>
        <translation>Der Schlüsselbund enthält keinen Schlüssel für %1 mehr.</translation>
    </message>
    <message>
        <source>%1 cannot be tested here.</source>
        <translation>%1 kann hier nicht getestet werden.</translation>
    </message>
    <message>
        <source>%1 does not look up such codes (%2).</source>
        <extracomment>%1 is a source, %2 why it does not take the code.</extracomment>
        <translation>%1 fragt solche Codes nicht ab (%2).</translation>
    </message>
    <message>
        <source>not one it takes</source>
        <translation>kein Code, den sie annimmt</translation>
    </message>
    <message>
        <source>Asked: %1</source>
        <extracomment>%1 is the address asked.</extracomment>
        <translation>Abgefragt: %1</translation>
    </message>
    <message>
        <source>HTTP status: %1</source>
        <translation>HTTP-Status: %1</translation>
    </message>
    <message>
        <source>No answer: %1</source>
        <translation>Keine Antwort: %1</translation>
    </message>
    <message>
        <source>Found.</source>
        <translation>Gefunden.</translation>
    </message>
    <message>
        <source>Not found.</source>
        <translation>Nicht gefunden.</translation>
    </message>
    <message>
        <source>Failed: %1</source>
        <translation>Fehlgeschlagen: %1</translation>
    </message>
    <message>
        <source>[... %1 bytes in all]</source>
        <translation>[... insgesamt %1 Bytes]</translation>
    </message>
    <message>
        <source>%1: name: &quot;%2&quot; is a built-in source&apos;s</source>
        <extracomment>%1 is a file, &quot;name&quot; the field in it (keep it), %2 the name it gives.</extracomment>
        <translation>%1: name: „%2“ ist der Name einer eingebauten Quelle</translation>
    </message>
    <message>
        <source>%1 is used for this session only.</source>
        <extracomment>%1 is a source&apos;s name.</extracomment>
        <translation>%1 wird nur in dieser Sitzung verwendet.</translation>
    </message>
    <message>
        <source>%1 is kept in %2 and used from now on.</source>
        <extracomment>%1 is a source&apos;s name, %2 the file it is read from at every start.</extracomment>
        <translation>%1 ist in %2 gespeichert und wird ab jetzt verwendet.</translation>
    </message>
    <message>
        <source>Your sources folder %2 already holds a file named %1. Replace it?</source>
        <extracomment>%1 is a file name, %2 a folder.</extracomment>
        <translation>Ihr Quellenordner %2 enthält bereits eine Datei namens %1. Möchten Sie sie ersetzen?</translation>
    </message>
    <message>
        <source>It could not be kept for later sessions: %1</source>
        <extracomment>%1 says why the file could not be written.</extracomment>
        <translation>Sie konnte für spätere Sitzungen nicht gespeichert werden: %1</translation>
    </message>
    <message>
        <source>Asked: %1 for %2</source>
        <extracomment>%1 is the catalogue&apos;s address, %2 the query sent to it.</extracomment>
        <translation>Gefragt: %1 nach %2</translation>
    </message>
    <message>
        <source>Records found: %1</source>
        <translation>Gefundene Datensätze: %1</translation>
    </message>
</context>
<context>
    <name>SourcesSetting</name>
    <message>
        <source>Product index</source>
        <translation>Produktindex</translation>
    </message>
    <message>
        <source>Page service</source>
        <translation>Seitendienst</translation>
    </message>
    <message>
        <source>Tick at least one source.</source>
        <translation>Haken Sie mindestens eine Quelle an.</translation>
    </message>
    <message>
        <source>The page service needs an address, such as http://lookup.example.net:8080. Type one, or untick it.</source>
        <translation>Der Seitendienst braucht eine Adresse, etwa http://lookup.example.net:8080. Geben Sie eine ein oder entfernen Sie den Haken.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be used as the page service&apos;s address: it must start with http:// or https:// and name a host, as in http://lookup.example.net:8080.</source>
        <extracomment>%1 is the address typed.</extracomment>
        <translation>„%1“ kann nicht als Adresse des Seitendienstes verwendet werden: Sie muss mit http:// oder https:// beginnen und einen Host nennen, wie in http://lookup.example.net:8080.</translation>
    </message>
    <message>
        <source>This session asks the sources named on the command line or in the environment (%1), and the page service at %2. What you choose here is saved for later sessions started without them.</source>
        <extracomment>%1 lists the sources, %2 is the page service&apos;s address.</extracomment>
        <translation>Diese Sitzung fragt die Quellen ab, die auf der Befehlszeile oder in der Umgebung genannt sind (%1), und den Seitendienst unter %2. Was Sie hier wählen, wird für spätere Sitzungen ohne diese Angaben gespeichert.</translation>
    </message>
    <message>
        <source>This session asks the sources named on the command line or in the environment (%1). What you choose here is saved for later sessions started without them.</source>
        <extracomment>%1 lists the sources.</extracomment>
        <translation>Diese Sitzung fragt die Quellen ab, die auf der Befehlszeile oder in der Umgebung genannt sind (%1). Was Sie hier wählen, wird für spätere Sitzungen ohne diese Angaben gespeichert.</translation>
    </message>
    <message>
        <source>This session asks the page service alone, at %1, as named on the command line or in the environment. What you choose here is saved for later sessions started without it.</source>
        <extracomment>%1 is the page service&apos;s address.</extracomment>
        <translation>Diese Sitzung fragt nur den Seitendienst unter %1 ab, wie auf der Befehlszeile oder in der Umgebung angegeben. Was Sie hier wählen, wird für spätere Sitzungen ohne diese Angabe gespeichert.</translation>
    </message>
</context>
<context>
    <name>SpreadsheetExport</name>
    <message>
        <source>The spreadsheet application did not start</source>
        <translation>Die Tabellenkalkulation wurde nicht gestartet</translation>
    </message>
    <message>
        <source>Excel is not installed on this computer. You need to have it installed to use this software without error.</source>
        <translation>Excel ist auf diesem Computer nicht installiert. Es muss installiert sein, damit diese Software fehlerfrei funktioniert.</translation>
    </message>
    <message>
        <source>Save the Workbook</source>
        <translation>Arbeitsmappe speichern</translation>
    </message>
    <message>
        <source>Excel Workbook (*.xlsx)|*.xlsx|</source>
        <extracomment>A description and its pattern, followed by &quot;|&quot;: translate the description only.</extracomment>
        <translation>Excel-Arbeitsmappe (*.xlsx)|*.xlsx|</translation>
    </message>
</context>
<context>
    <name>SqliteAnswerStore</name>
    <message>
        <source>the remembered answers were written by a newer Quillfen; this run does not use them</source>
        <translation>die gespeicherten Antworten stammen von einem neueren Quillfen; dieser Lauf verwendet sie nicht</translation>
    </message>
    <message>
        <source>its folder cannot be made</source>
        <translation>ihr Ordner kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>Qt&apos;s SQLite driver is not installed</source>
        <translation>der SQLite-Treiber von Qt ist nicht installiert</translation>
    </message>
    <message>
        <source>the check found nothing</source>
        <translation>die Prüfung fand nichts</translation>
    </message>
    <message>
        <source>it cannot be opened for writing</source>
        <translation>sie kann nicht zum Schreiben geöffnet werden</translation>
    </message>
    <message>
        <source>%1; it cannot be moved aside: %2</source>
        <translation>%1; sie kann nicht beiseitegelegt werden: %2</translation>
    </message>
    <message>
        <source>The file of remembered answers %1 was damaged (%2). It was moved aside as %3, and a new one was started.</source>
        <translation>Die Datei der gespeicherten Antworten %1 war beschädigt (%2). Sie wurde als %3 beiseitegelegt und eine neue wurde angelegt.</translation>
    </message>
    <message>
        <source>Answers cannot be remembered in %1 (%2). Lookups go on without remembering them.</source>
        <translation>Antworten können nicht in %1 gespeichert werden (%2). Abfragen laufen ohne gespeicherte Antworten weiter.</translation>
    </message>
</context>
<context>
    <name>SqlitePacingStore</name>
    <message>
        <source>its folder cannot be made</source>
        <translation>ihr Ordner kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>Qt&apos;s SQLite driver is not installed</source>
        <translation>der SQLite-Treiber von Qt ist nicht installiert</translation>
    </message>
    <message>
        <source>Pacing cannot be shared with other Quillfen runs through %1 (%2). This run keeps its own pace.</source>
        <translation>Das Abfragetempo kann nicht über %1 mit anderen Quillfen-Läufen geteilt werden (%2). Dieser Lauf hält sein eigenes Tempo.</translation>
    </message>
</context>
<context>
    <name>SqliteProductIndex</name>
    <message>
        <source>unknown database error</source>
        <translation>unbekannter Datenbankfehler</translation>
    </message>
    <message>
        <source>Could not write the product index: %1</source>
        <translation>Der Produktindex konnte nicht geschrieben werden: %1</translation>
    </message>
    <message>
        <source>Could not put the new product index in place at %1</source>
        <translation>Der neue Produktindex konnte nicht unter %1 abgelegt werden</translation>
    </message>
    <message>
        <source>it was made by another version of Quillfen; import the database again</source>
        <translation>er wurde von einer anderen Version von Quillfen erstellt; importieren Sie die Datenbank erneut</translation>
    </message>
    <message>
        <source>not a product index of this version of Quillfen</source>
        <translation>kein Produktindex dieser Version von Quillfen</translation>
    </message>
    <message>
        <source>There is no product index to update at %1</source>
        <translation>Unter %1 gibt es keinen Produktindex zum Aktualisieren</translation>
    </message>
    <message>
        <source>Another import or update of the product index is under way (%1)</source>
        <translation>Ein anderer Import oder eine andere Aktualisierung des Produktindex läuft bereits (%1)</translation>
    </message>
    <message>
        <source>Could not copy the product index to %1</source>
        <translation>Der Produktindex konnte nicht nach %1 kopiert werden</translation>
    </message>
    <message>
        <source>The product index cannot be updated: %1</source>
        <translation>Der Produktindex kann nicht aktualisiert werden: %1</translation>
    </message>
    <message>
        <source>Could not make the folder %1</source>
        <translation>Der Ordner %1 konnte nicht angelegt werden</translation>
    </message>
    <message>
        <source>Another import of the product index is under way (%1)</source>
        <translation>Ein anderer Import des Produktindex läuft bereits (%1)</translation>
    </message>
    <message>
        <source>A row came before its export</source>
        <translation>Eine Zeile kam vor ihrem Export</translation>
    </message>
    <message>
        <source>The product index was not finished: cancelled</source>
        <translation>Der Produktindex wurde nicht fertiggestellt: abgebrochen</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>nicht genug Speicher</translation>
    </message>
</context>
<context>
    <name>UiLanguage</name>
    <message>
        <source>The language you chose takes effect when Quillfen is next started.</source>
        <translation>Die gewählte Sprache gilt ab dem nächsten Start von Quillfen.</translation>
    </message>
</context>
<context>
    <name>WorkbookPart</name>
    <message>
        <source>it is damaged: the part %1 is missing</source>
        <translation>die Datei ist beschädigt: der Teil %1 fehlt</translation>
    </message>
    <message>
        <source>its part %1 inflates past the limit of %2</source>
        <translation>der Teil %1 wird entpackt größer als die Grenze von %2</translation>
    </message>
    <message>
        <source>its part %1 inflates past the limit of %2 times its packed size</source>
        <translation>der Teil %1 wird entpackt mehr als %2-mal so groß wie gepackt</translation>
    </message>
    <message>
        <source>it is damaged: the part %1, line %2: %3</source>
        <translation>die Datei ist beschädigt: Teil %1, Zeile %2: %3</translation>
    </message>
</context>
<context>
    <name>XlsxReader</name>
    <message>
        <source>it is damaged: the cell %1 of %2 names no shared string</source>
        <translation>die Datei ist beschädigt: die Zelle %1 von %2 verweist auf keine gemeinsame Zeichenfolge</translation>
    </message>
    <message>
        <source>it is damaged: the workbook lists no sheet</source>
        <translation>die Datei ist beschädigt: die Arbeitsmappe nennt kein Tabellenblatt</translation>
    </message>
    <message>
        <source>it is damaged: the sheet &quot;%1&quot; has no part</source>
        <translation>die Datei ist beschädigt: das Tabellenblatt „%1“ hat keinen Teil</translation>
    </message>
    <message>
        <source>it is damaged: the cell %1 of %2 holds no number</source>
        <translation>die Datei ist beschädigt: die Zelle %1 von %2 enthält keine Zahl</translation>
    </message>
    <message>
        <source>it is damaged: the cell %1 of %2 stands in the row %3</source>
        <translation>die Datei ist beschädigt: die Zelle %1 von %2 steht in der Zeile %3</translation>
    </message>
</context>
<context>
    <name>XlsxSpreadsheetTarget</name>
    <message>
        <source>A workbook is already open</source>
        <translation>Eine Arbeitsmappe ist bereits geöffnet</translation>
    </message>
    <message>
        <source>No workbook is open</source>
        <translation>Keine Arbeitsmappe ist geöffnet</translation>
    </message>
    <message>
        <source>No application could open the workbook %1</source>
        <translation>Keine Anwendung konnte die Arbeitsmappe %1 öffnen</translation>
    </message>
    <message>
        <source>Cannot create a workbook in %1: %2</source>
        <translation>In %1 kann keine Arbeitsmappe angelegt werden: %2</translation>
    </message>
    <message>
        <source>Cannot find a free name for a workbook in %1</source>
        <translation>In %1 ist kein freier Name für eine Arbeitsmappe zu finden</translation>
    </message>
    <message>
        <source>No application to open spreadsheets (%1 files) is installed</source>
        <translation>Keine Anwendung zum Öffnen von Tabellen (%1-Dateien) ist installiert</translation>
    </message>
</context>
<context>
    <name>XlsxWorkbook</name>
    <message>
        <source>Cannot create a new workbook</source>
        <translation>Es kann keine neue Arbeitsmappe angelegt werden</translation>
    </message>
    <message>
        <source>Cannot create a new workbook: %1</source>
        <translation>Es kann keine neue Arbeitsmappe angelegt werden: %1</translation>
    </message>
    <message>
        <source>There is no cell %1, %2 on a sheet</source>
        <translation>Auf einem Tabellenblatt gibt es keine Zelle %1, %2</translation>
    </message>
    <message>
        <source>Cannot set cell %1, %2</source>
        <translation>Zelle %1, %2 kann nicht gesetzt werden</translation>
    </message>
    <message>
        <source>Cannot add the number format %1</source>
        <translation>Das Zahlenformat %1 kann nicht hinzugefügt werden</translation>
    </message>
    <message>
        <source>There is no cell 1, %1 on a sheet</source>
        <translation>Auf einem Tabellenblatt gibt es keine Zelle 1, %1</translation>
    </message>
    <message>
        <source>Cannot write the workbook %1</source>
        <translation>Die Arbeitsmappe %1 kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>No workbook is open</source>
        <translation>Keine Arbeitsmappe ist geöffnet</translation>
    </message>
</context>
<context>
    <name>XmlTokens</name>
    <message>
        <source>it is damaged: the part %1 declares entities</source>
        <translation>die Datei ist beschädigt: der Teil %1 deklariert Entitäten</translation>
    </message>
    <message>
        <source>it is damaged: the part %1 cannot be read (%2)</source>
        <translation>die Datei ist beschädigt: der Teil %1 kann nicht gelesen werden (%2)</translation>
    </message>
</context>
<context>
    <name>ZintSymbol</name>
    <message>
        <source>Out of memory.</source>
        <translation>Kein Speicher mehr.</translation>
    </message>
    <message>
        <source>libzint cannot draw it: %1</source>
        <extracomment>%1 is what the barcode library said.</extracomment>
        <translation>libzint kann ihn nicht zeichnen: %1</translation>
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
    <message>
        <source>QUILLFEN_ISBN_RANGES: %1: %2; the built-in ISBN ranges are used.</source>
        <extracomment>%1 is a file, %2 why it cannot be used.</extracomment>
        <translation>QUILLFEN_ISBN_RANGES: %1: %2; die eingebauten ISBN-Bereiche werden verwendet.</translation>
    </message>
    <message>
        <source>%1 could not be started: %2</source>
        <extracomment>%1 is a program&apos;s file, %2 what the system said.</extracomment>
        <translation>%1 konnte nicht gestartet werden: %2</translation>
    </message>
</context>
</TS>
