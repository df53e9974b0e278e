<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>AppConfig</name>
    <message>
        <source>Unknown lookup source &quot;%1&quot;: choose from %2.</source>
        <translation>Fuente desconocida &quot;%1&quot;: elija entre %2.</translation>
    </message>
    <message>
        <source>No lookup source named: give one or more of %1.</source>
        <translation>No se ha indicado ninguna fuente: indique una o varias de %1.</translation>
    </message>
    <message>
        <source>Looks up EAN product codes in batches: in its window, or with --batch from files or standard input without a display.</source>
        <translation>Consulta códigos de producto EAN por lotes: en su ventana o, con --batch, desde archivos o la entrada estándar sin pantalla gráfica.</translation>
    </message>
    <message>
        <source>The host the start-up connectivity check pings (default: %1; environment: QUILLFEN_PING_HOST).</source>
        <translation>El host al que hace ping la comprobación de conexión al iniciar (predeterminado: %1; variable de entorno: QUILLFEN_PING_HOST).</translation>
    </message>
    <message>
        <source>The page service to ask: scheme, host, optional port and path, for example http://127.0.0.1:8080. Named alone, it is the only source. Overrides QUILLFEN_SERVICE_URL.</source>
        <translation>El servicio de páginas que se consulta: esquema, host, puerto y ruta opcionales, por ejemplo http://127.0.0.1:8080. Si se indica solo, es la única fuente. Prevalece sobre QUILLFEN_SERVICE_URL.</translation>
    </message>
    <message>
        <source>The lookup sources to ask, in order, comma-separated: index, openfoodfacts, openlibrary, upcitemdb, page (default: index (when imported), openfoodfacts, openlibrary). Overrides QUILLFEN_SOURCES.</source>
        <translation>Las fuentes que se consultan, en orden, separadas por comas: index, openfoodfacts, openlibrary, upcitemdb, page (predeterminado: index (si se ha importado), openfoodfacts, openlibrary). Prevalece sobre QUILLFEN_SOURCES.</translation>
    </message>
    <message>
        <source>The language to ask product names in, such as de, fr or es (default: the desktop&apos;s; environment: QUILLFEN_LANGUAGE).</source>
        <translation>El idioma en que se piden los nombres de producto, como de, fr o es (predeterminado: el del escritorio; variable de entorno: QUILLFEN_LANGUAGE).</translation>
    </message>
    <message>
        <source>With --import-index and --download-index: the languages whose product names the index keeps, comma-separated, at most four (default: the language of names).</source>
        <translation>Con --import-index y --download-index: los idiomas cuyos nombres de producto guarda el índice, separados por comas, cuatro como máximo (predeterminado: el idioma de los nombres).</translation>
    </message>
    <message>
        <source>Remember no answers between runs, and use none remembered (environment: QUILLFEN_NO_CACHE=1).</source>
        <translation>No guardar respuestas entre ejecuciones ni usar las guardadas (variable de entorno: QUILLFEN_NO_CACHE=1).</translation>
    </message>
    <message>
        <source>Up to N requests to the page service at once, 1 to %1 (default 1; environment: QUILLFEN_PARALLEL). The open databases keep their own pace.</source>
        <translation>Hasta N solicitudes simultáneas al servicio de páginas, de 1 a %1 (predeterminado 1; variable de entorno: QUILLFEN_PARALLEL). Las bases de datos abiertas mantienen su propio ritmo.</translation>
    </message>
    <message>
        <source>Look up the codes of the files (standard input without any, or for &quot;-&quot;) without a window, and write the results. Pictures and PDFs give the codes of their barcodes.</source>
        <translation>Consultar sin ventana los códigos de los archivos (los de la entrada estándar si no hay ninguno, o con &quot;-&quot;) y escribir los resultados. Las imágenes y los PDF aportan los códigos de sus códigos de barras.</translation>
    </message>
    <message>
        <source>Read scans from standard input, one a line (a barcode scanner typing codes), without a window, and write a row for each to standard output once it is answered, with a count column after the code; a repeat writes the code&apos;s row again with its new count. Takes --format (csv, tsv, json, jsonl) and --columns.</source>
        <translation>Leer escaneos de la entrada estándar, uno por línea (un lector de códigos de barras que teclea códigos), sin ventana, y escribir una fila por cada uno en la salida estándar en cuanto tenga respuesta, con una columna de recuento tras el código; un escaneo repetido vuelve a escribir la fila del código con su nuevo recuento. Admite --format (csv, tsv, json, jsonl) y --columns.</translation>
    </message>
    <message>
        <source>With --batch: the results file (default: CSV on standard output).</source>
        <translation>Con --batch: el archivo de resultados (predeterminado: CSV en la salida estándar).</translation>
    </message>
    <message>
        <source>With --batch: csv, tsv, json, jsonl, xlsx or ods (default: from the output file&apos;s extension, else csv).</source>
        <translation>Con --batch: csv, tsv, json, jsonl, xlsx u ods (predeterminado: según la extensión del archivo de salida; si no, csv).</translation>
    </message>
    <message>
        <source>With --batch: the columns to write, comma-separated, in that order: %1 (default: all).</source>
        <translation>Con --batch: las columnas que se escriben, separadas por comas, en ese orden: %1 (predeterminado: all).</translation>
    </message>
    <message>
        <source>With --batch: no progress on standard error.</source>
        <translation>Con --batch: sin progreso en la salida de error estándar.</translation>
    </message>
    <message>
        <source>With --batch: the sheet of an .xlsx or .ods input to read, by its name or number (default: the first that holds data).</source>
        <translation>Con --batch: la hoja de una entrada .xlsx u .ods que se lee, por su nombre o número (predeterminado: la primera que contiene datos).</translation>
    </message>
    <message>
        <source>With --batch: the column of a spreadsheet input that holds the codes, by its header, letter (C, AB) or number (1 is the first) (default: the one headed like a code column, else the one that is mostly codes).</source>
        <translation>Con --batch: la columna de una hoja de cálculo de entrada que contiene los códigos, por su encabezado, letra (C, AB) o número (1 es la primera) (predeterminado: la que tiene encabezado de columna de códigos; si no, la que contiene sobre todo códigos).</translation>
    </message>
    <message>
        <source>With --batch and one spreadsheet input: each output row is the input row, every column, followed by the answers in the --columns chosen (csv, tsv, xlsx or ods).</source>
        <translation>Con --batch y una sola hoja de cálculo de entrada: cada fila de salida es la fila de entrada, con todas sus columnas, seguida de las respuestas en las columnas elegidas con --columns (csv, tsv, xlsx u ods).</translation>
    </message>
    <message>
        <source>Import the product database export files given (.csv, .csv.gz, .jsonl or .jsonl.gz) into the offline index, and exit.</source>
        <translation>Importar en el índice sin conexión los archivos de exportación de la base de datos de productos indicados (.csv, .csv.gz, .jsonl o .jsonl.gz) y salir.</translation>
    </message>
    <message>
        <source>Download the product database export (environment: QUILLFEN_INDEX_URL), import it into the offline index, and exit.</source>
        <translation>Descargar la exportación de la base de datos de productos (variable de entorno: QUILLFEN_INDEX_URL), importarla en el índice sin conexión y salir.</translation>
    </message>
    <message>
        <source>Apply the daily change files published since the offline index&apos;s data (environment: QUILLFEN_INDEX_DELTAS_URL), and exit.</source>
        <translation>Aplicar los archivos de cambios diarios publicados desde la fecha de los datos del índice sin conexión (variable de entorno: QUILLFEN_INDEX_DELTAS_URL) y salir.</translation>
    </message>
    <message>
        <source>Complete a found product that lacks a brand, a quantity or a picture from the next sources that know the code (environment: QUILLFEN_FILL_GAPS=1).</source>
        <translation>Completar un producto encontrado al que le falte marca, cantidad o imagen con las siguientes fuentes que conozcan el código (variable de entorno: QUILLFEN_FILL_GAPS=1).</translation>
    </message>
    <message>
        <source>Also use the source this file describes, for this run (README, &quot;Your own sources&quot;); may be given more than once.</source>
        <translation>Usar también, en esta ejecución, la fuente que describe este archivo (README, &quot;Your own sources&quot;); puede indicarse varias veces.</translation>
    </message>
    <message>
        <source>Read the key of the source NAME from the file at PATH, which only you may read; may be given more than once.</source>
        <translation>Leer la clave de la fuente NAME del archivo en PATH, que solo usted puede leer; puede indicarse varias veces.</translation>
    </message>
    <message>
        <source>List every lookup source known, where it comes from, whether it has its key and whether it is in use, and exit.</source>
        <translation>Listar todas las fuentes conocidas, su procedencia, si tienen su clave y si están en uso, y salir.</translation>
    </message>
    <message>
        <source>Code files, spreadsheets, pictures or PDFs to add to the list at start-up. With --batch: the same, to look up. With --import-index: export files.</source>
        <translation>Archivos de códigos, hojas de cálculo, imágenes o PDF que se añaden a la lista al iniciar. Con --batch: lo mismo, para consultar. Con --import-index: archivos de exportación.</translation>
    </message>
    <message>
        <source>--batch, --scan, --import-index, --download-index, --update-index and --list-sources go alone.</source>
        <translation>--batch, --scan, --import-index, --download-index, --update-index y --list-sources se usan por separado.</translation>
    </message>
    <message>
        <source>--key-file wants NAME=PATH, as in acme=/home/me/acme.key.</source>
        <translation>--key-file requiere NAME=PATH, como en acme=/home/me/acme.key.</translation>
    </message>
    <message>
        <source>--%1 goes with --batch.</source>
        <translation>--%1 solo se usa con --batch.</translation>
    </message>
    <message>
        <source>--scan reads standard input alone: %1</source>
        <translation>--scan solo lee la entrada estándar: %1</translation>
    </message>
    <message>
        <source>Unknown --format &quot;%1&quot;: choose from %2.</source>
        <translation>--format desconocido &quot;%1&quot;: elija entre %2.</translation>
    </message>
    <message>
        <source>Unknown column &quot;%1&quot; in --columns: choose from %2, or all.</source>
        <translation>Columna desconocida &quot;%1&quot; en --columns: elija entre %2, o all.</translation>
    </message>
    <message>
        <source>--output needs a file name.</source>
        <translation>--output necesita un nombre de archivo.</translation>
    </message>
    <message>
        <source>--import-index needs one or more export files.</source>
        <translation>--import-index necesita uno o varios archivos de exportación.</translation>
    </message>
    <message>
        <source>Unexpected argument: %1</source>
        <translation>Argumento inesperado: %1</translation>
    </message>
    <message>
        <source>Not a host name or address to ping: &quot;%1&quot;</source>
        <translation>No es un nombre de host ni una dirección a la que hacer ping: &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Not a usable lookup service address: &quot;%1&quot;
Give it as http://host[:port] or https://host[:port] (--service-url or QUILLFEN_SERVICE_URL).</source>
        <translation>No es una dirección utilizable del servicio de consulta: &quot;%1&quot;
Indíquela como http://host[:port] o https://host[:port] (--service-url o QUILLFEN_SERVICE_URL).</translation>
    </message>
    <message>
        <source>%1 (--sources or QUILLFEN_SOURCES)</source>
        <translation>%1 (--sources o QUILLFEN_SOURCES)</translation>
    </message>
    <message>
        <source>Not a usable address in %1: &quot;%2&quot;
Give it as http://host[:port][/path] or https://....</source>
        <translation>No es una dirección utilizable en %1: &quot;%2&quot;
Indíquela como http://host[:port][/path] o https://....</translation>
    </message>
    <message>
        <source>Not a usable address in QUILLFEN_INDEX_URL: &quot;%1&quot;</source>
        <translation>No es una dirección utilizable en QUILLFEN_INDEX_URL: &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Not a usable address in QUILLFEN_INDEX_DELTAS_URL: &quot;%1&quot;</source>
        <translation>No es una dirección utilizable en QUILLFEN_INDEX_DELTAS_URL: &quot;%1&quot;</translation>
    </message>
    <message>
        <source>%1 wants a whole number of requests a minute, 1 or more, not &quot;%2&quot;.</source>
        <translation>%1 requiere un número entero de solicitudes por minuto, 1 o más, no &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>QUILLFEN_CONTACT wants an e-mail address or web address in plain ASCII, without parentheses.</source>
        <translation>QUILLFEN_CONTACT requiere una dirección de correo electrónico o web en ASCII simple, sin paréntesis.</translation>
    </message>
    <message>
        <source>Not a language: &quot;%1&quot;; name one as de, fr or pt_BR.</source>
        <translation>No es un idioma: &quot;%1&quot;; indíquelo como de, fr o pt_BR.</translation>
    </message>
    <message>
        <source>Not a language in --languages: &quot;%1&quot;; name them as de,fr.</source>
        <translation>No es un idioma en --languages: &quot;%1&quot;; indíquelos como de,fr.</translation>
    </message>
    <message>
        <source>--parallel (or QUILLFEN_PARALLEL) wants a number from 1 to %1, not &quot;%2&quot;.</source>
        <translation>--parallel (o QUILLFEN_PARALLEL) requiere un número de 1 a %1, no &quot;%2&quot;.</translation>
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
        <translation>no hay ninguna columna &quot;%1&quot;; indique una de estas con --column por su encabezado, letra o número:</translation>
    </message>
    <message>
        <source>which column holds the codes? Name it with --column by its header, letter or number:</source>
        <translation>¿qué columna contiene los códigos? Indíquela con --column por su encabezado, letra o número:</translation>
    </message>
    <message>
        <source>standard input</source>
        <translation>entrada estándar</translation>
    </message>
    <message>
        <source>no barcodes found in %1</source>
        <translation>no se han encontrado códigos de barras en %1</translation>
    </message>
    <message>
        <source>larger than 100 MB, too large for a code file</source>
        <translation>más de 100 MB, demasiado grande para un archivo de códigos</translation>
    </message>
    <message>
        <source>not a text file</source>
        <translation>no es un archivo de texto</translation>
    </message>
</context>
<context>
    <name>BatchCommand</name>
    <message>
        <source>%1 is both an input and the output: name another file with --output</source>
        <translation>%1 es a la vez una entrada y la salida: indique otro archivo con --output</translation>
    </message>
    <message>
        <source>no code was looked up.</source>
        <translation>no se ha consultado ningún código.</translation>
    </message>
    <message>
        <source>--keep-columns needs one spreadsheet input (.xlsx, .ods, .csv or .tsv)</source>
        <translation>--keep-columns necesita una sola hoja de cálculo de entrada (.xlsx, .ods, .csv o .tsv)</translation>
    </message>
    <message>
        <source>Reading codes from standard input; end with Ctrl+D.</source>
        <translation>Leyendo códigos de la entrada estándar; termine con Ctrl+D.</translation>
    </message>
    <message>
        <source>Stopped by %1 while reading the codes; no code was looked up.</source>
        <translation>Detenido por %1 mientras se leían los códigos; no se ha consultado ningún código.</translation>
    </message>
    <message>
        <source>%1 cannot be copied as it is (%2); its values are written instead.</source>
        <translation>%1 no se puede copiar tal cual (%2); en su lugar se escriben sus valores.</translation>
    </message>
</context>
<context>
    <name>BatchOutput</name>
    <message>
        <source>%1 has grown past the limit of %2</source>
        <translation>%1 ha superado el límite de %2</translation>
    </message>
    <message>
        <source>a spreadsheet (%1) is written to a file: name it with --output FILE</source>
        <translation>una hoja de cálculo (%1) se escribe en un archivo: indíquelo con --output FILE</translation>
    </message>
    <message>
        <source>it is in strict Office Open XML</source>
        <translation>está en Office Open XML estricto</translation>
    </message>
    <message>
        <source>--keep-columns writes csv, tsv, xlsx or ods, not json or jsonl</source>
        <translation>--keep-columns escribe csv, tsv, xlsx u ods, no json ni jsonl</translation>
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
        <translation>%1 d %2 h</translation>
    </message>
    <message>
        <source>%1 codes/s</source>
        <translation>%1 códigos/s</translation>
    </message>
    <message>
        <source>%1 codes/min</source>
        <translation>%1 códigos/min</translation>
    </message>
    <message numerus="yes">
        <source>%1/%n codes: %2 found, %3 not found, %4 failed</source>
        <extracomment>%1 codes done of %n in all; then how many were found, not found and failed.</extracomment>
        <translation>
            <numerusform>%1/%n código: encontrados %2, no encontrados %3, fallidos %4</numerusform>
            <numerusform>%1/%n códigos: encontrados %2, no encontrados %3, fallidos %4</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n not looked up</source>
        <translation>
            <numerusform>%n sin consultar</numerusform>
            <numerusform>%n sin consultar</numerusform>
        </translation>
    </message>
    <message>
        <source>about %1 left</source>
        <extracomment>The time the run has still to go, such as &quot;3 min 20 s&quot;.</extracomment>
        <translation>quedan unos %1</translation>
    </message>
    <message numerus="yes">
        <source>%n cell cut to Excel&apos;s limit of %1 characters</source>
        <translation>
            <numerusform>%n celda recortada al límite de Excel de %1 caracteres</numerusform>
            <numerusform>%n celdas recortadas al límite de Excel de %1 caracteres</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n cells cut to Excel&apos;s limit of %1 characters</source>
        <translation>
            <numerusform>%n celda recortada al límite de Excel de %1 caracteres</numerusform>
            <numerusform>%n celdas recortadas al límite de Excel de %1 caracteres</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n character the file&apos;s encoding cannot hold written as &quot;?&quot;</source>
        <translation>
            <numerusform>%n carácter que la codificación del archivo no admite, escrito como &quot;?&quot;</numerusform>
            <numerusform>%n caracteres que la codificación del archivo no admite, escritos como &quot;?&quot;</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n characters the file&apos;s encoding cannot hold written as &quot;?&quot;</source>
        <translation>
            <numerusform>%n carácter que la codificación del archivo no admite, escrito como &quot;?&quot;</numerusform>
            <numerusform>%n caracteres que la codificación del archivo no admite, escritos como &quot;?&quot;</numerusform>
        </translation>
    </message>
    <message>
        <source>Done in %1: %2</source>
        <extracomment>%1 is how long the run took, %2 the counts of the codes.</extracomment>
        <translation>Terminado en %1: %2</translation>
    </message>
    <message>
        <source>Results not written; looked up in %1: %2</source>
        <translation>Resultados no escritos; consultado en %1: %2</translation>
    </message>
    <message>
        <source>Stopped by %1 after %2: %3. Codes not reached: %4.</source>
        <extracomment>%1 is the signal&apos;s name (SIGINT, SIGTERM), %2 how long the run took, %3 the counts of the codes, %4 how many codes were not reached.</extracomment>
        <translation>Detenido por %1 tras %2: %3. Códigos no alcanzados: %4.</translation>
    </message>
    <message>
        <source>Results not written.</source>
        <translation>Resultados no escritos.</translation>
    </message>
</context>
<context>
    <name>CmdOutput</name>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>Llamada a procedimiento o argumento no válidos</translation>
    </message>
</context>
<context>
    <name>IndexCommands</name>
    <message>
        <source>Importing %1/%2 %3: %4</source>
        <extracomment>%1 and %2: the file&apos;s number and how many there are; %3 its name, %4 how far the import has come.</extracomment>
        <translation>Importando %1/%2 %3: %4</translation>
    </message>
    <message>
        <source>Importing %1: %2</source>
        <translation>Importando %1: %2</translation>
    </message>
    <message>
        <source>Name the export files to import, for example:</source>
        <translation>Indique los archivos de exportación que desea importar, por ejemplo:</translation>
    </message>
    <message>
        <source>Downloading %1</source>
        <translation>Descargando %1</translation>
    </message>
    <message>
        <source>Downloading: %1</source>
        <translation>Descargando: %1</translation>
    </message>
    <message>
        <source>Download interrupted: %1</source>
        <translation>Descarga interrumpida: %1</translation>
    </message>
    <message>
        <source>Download failed: %1</source>
        <translation>Error en la descarga: %1</translation>
    </message>
    <message>
        <source>Reading the list of daily change files at %1</source>
        <translation>Leyendo la lista de archivos de cambios diarios en %1</translation>
    </message>
    <message>
        <source>Updating %1/%2 %3: %4</source>
        <extracomment>%1 and %2: the change file&apos;s number and how many there are; %3 its name, %4 how far it has come.</extracomment>
        <translation>Actualizando %1/%2 %3: %4</translation>
    </message>
    <message>
        <source>%1 products applied</source>
        <translation>%1 productos aplicados</translation>
    </message>
</context>
<context>
    <name>ScanCommand</name>
    <message numerus="yes">
        <source>%n scans of a session that did not end were read back from its file</source>
        <translation>
            <numerusform>Se ha recuperado de su archivo %n escaneo de una sesión que no terminó</numerusform>
            <numerusform>Se han recuperado de su archivo %n escaneos de una sesión que no terminó</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 not taken: %2</source>
        <extracomment>%1 is the scanned code, %2 why it could not be written down.</extracomment>
        <translation>%1 no registrado: %2</translation>
    </message>
</context>
<context>
    <name>ScanMode</name>
    <message>
        <source>queued</source>
        <translation>en cola</translation>
    </message>
    <message>
        <source>not a valid code</source>
        <translation>código no válido</translation>
    </message>
    <message>
        <source>found</source>
        <translation>encontrado</translation>
    </message>
    <message>
        <source>not found</source>
        <translation>no encontrado</translation>
    </message>
    <message>
        <source>failed</source>
        <translation>fallido</translation>
    </message>
    <message>
        <source>not looked up</source>
        <translation>sin consultar</translation>
    </message>
    <message>
        <source>CSV (*.csv)|*.csv|Tab-Separated Text (*.tsv)|*.tsv|JSON (*.json)|*.json|JSON Lines (*.jsonl)|*.jsonl|Excel Workbook (*.xlsx)|*.xlsx|OpenDocument Spreadsheet (*.ods)|*.ods|</source>
        <extracomment>File types: a name, &quot;|&quot;, its patterns, &quot;|&quot;, and so on; translate only the names.</extracomment>
        <translation>CSV (*.csv)|*.csv|Texto separado por tabulaciones (*.tsv)|*.tsv|JSON (*.json)|*.json|JSON Lines (*.jsonl)|*.jsonl|Libro de Excel (*.xlsx)|*.xlsx|Hoja de cálculo OpenDocument (*.ods)|*.ods|</translation>
    </message>
    <message>
        <source>Quillfen could not receive scans from a phone at that address and port: %1</source>
        <translation>Quillfen no ha podido recibir escaneos de un teléfono en esa dirección y puerto: %1</translation>
    </message>
    <message>
        <source>A scan session did not end the last time Quillfen ran. Restore its scans?</source>
        <translation>Una sesión de escaneo no terminó la última vez que se ejecutó Quillfen. ¿Desea restaurar sus escaneos?</translation>
    </message>
    <message>
        <source>Save Scans As</source>
        <translation>Guardar escaneos como</translation>
    </message>
    <message>
        <source>There are no scans yet.</source>
        <translation>Todavía no hay escaneos.</translation>
    </message>
    <message>
        <source>The scan could not be written to the session file, so it was not taken: %1</source>
        <translation>No se ha podido escribir el escaneo en el archivo de sesión, por lo que no se ha registrado: %1</translation>
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
        <translation>Quillfen no ha podido abrir una ventana: no se puede acceder a la pantalla (DISPLAY=%1, WAYLAND_DISPLAY=%2).
Inícielo desde una sesión de escritorio o dentro de un servidor X virtual:
    xvfb-run -a quillfen
(Mensaje de Qt: %3)
</translation>
    </message>
    <message>
        <source>Quillfen needs a graphical display, and none was found (DISPLAY and WAYLAND_DISPLAY are empty).
Start it from a desktop session, or inside a virtual X server:
    xvfb-run -a quillfen
</source>
        <translation>Quillfen necesita una pantalla gráfica y no se ha encontrado ninguna (DISPLAY y WAYLAND_DISPLAY están vacías).
Inícielo desde una sesión de escritorio o dentro de un servidor X virtual:
    xvfb-run -a quillfen
</translation>
    </message>
</context>
</TS>
