<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
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
</context>
<context>
    <name>QtSettingsStore</name>
    <message>
        <source>Could not save the setting &quot;%1&quot; in %2</source>
        <translation>Die Einstellung „%1“ konnte nicht in %2 gespeichert werden</translation>
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
        <source>A file...</source>
        <translation>Eine Datei...</translation>
    </message>
    <message>
        <source>Add a Source</source>
        <translation>Quelle hinzufügen</translation>
    </message>
    <message>
        <source>Source:</source>
        <translation>Quelle:</translation>
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
</TS>
