<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
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
        <source>Done.
%1 of %2 lookups failed; Lookup → Retry Failed Rows asks again.</source>
        <translation>Fertig.
%1 von %2 Abfragen fehlgeschlagen; Abfrage → Fehlgeschlagene Zeilen wiederholen fragt erneut.</translation>
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
    <name>Politeness</name>
    <message>
        <source>Open Food Facts is busy for everyone and asks that large lists be looked up in its export instead: Lookup → Download Product Database (quillfen --download-index) imports it once for answers offline.</source>
        <translation>Open Food Facts ist für alle ausgelastet und bittet darum, große Listen stattdessen in seinem Export abzufragen: Abfrage → Produktdatenbank herunterladen (quillfen --download-index) importiert ihn einmal für Antworten ohne Netz.</translation>
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
    <name>ResultsTableActions</name>
    <message>
        <source>Results have been copied to the clipboard.<byte value="xd"/><byte value="xd"/>Click a text area where you normally type and press Ctrl+V to paste the clipboard.</source>
        <translation>Die Ergebnisse wurden in die Zwischenablage kopiert.<byte value="xd"/><byte value="xd"/>Klicken Sie in ein Textfeld, in das Sie sonst schreiben, und drücken Sie Strg+V, um die Zwischenablage einzufügen.</translation>
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
</context>
<context>
    <name>SheetCodeLoader</name>
    <message>
        <source>The file %1 holds no codes. No codes were loaded from it.</source>
        <translation>Die Datei %1 enthält keine Codes. Es wurden keine Codes daraus geladen.</translation>
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
</TS>
