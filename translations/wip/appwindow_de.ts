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
    <name>ConnectivityCheck</name>
    <message>
        <source>You must be online to use this software accurately.</source>
        <translation>Sie müssen online sein, um dieses Programm zuverlässig zu nutzen.</translation>
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
</TS>
