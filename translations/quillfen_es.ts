<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>AboutText</name>
    <message>
        <source>an unknown date</source>
        <translation>desconocida</translation>
    </message>
    <message>
        <source>None: no source can be asked as things are set.</source>
        <translation>Ninguna: con la configuración actual no se puede consultar ninguna fuente.</translation>
    </message>
    <message>
        <source>Asked in this order until one knows the code:</source>
        <translation>Se consultan en este orden hasta que una conoce el código:</translation>
    </message>
    <message>
        <source>&lt;b&gt;Open Food Facts, Open Beauty Facts, Open Pet Food Facts and Open Products Facts&lt;/b&gt;: data by the Open Food Facts contributors (%1), available under the Open Database Licence (%2). The product index is made from their exports and comes under the same licence.</source>
        <extracomment>HTML. %1 links to the database&apos;s site, %2 to the licence.</extracomment>
        <translation>&lt;b&gt;Open Food Facts, Open Beauty Facts, Open Pet Food Facts y Open Products Facts&lt;/b&gt;: datos de los colaboradores de Open Food Facts (%1), disponibles bajo la Open Database License (%2). El índice de productos se crea a partir de sus exportaciones y está sujeto a la misma licencia.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Open Library&lt;/b&gt; (%1), a project of the Internet Archive: its catalogue data is in the public domain, free for anyone to reuse (%2).</source>
        <extracomment>HTML. %1 links to the site, %2 to its data terms.</extracomment>
        <translation>&lt;b&gt;Open Library&lt;/b&gt; (%1), un proyecto de Internet Archive: sus datos de catálogo son de dominio público y cualquiera puede reutilizarlos (%2).</translation>
    </message>
    <message>
        <source>Open Library&apos;s data terms</source>
        <translation>condiciones de uso de datos de Open Library</translation>
    </message>
    <message>
        <source>&lt;b&gt;UPCitemdb&lt;/b&gt; (%1): product data used subject to its terms of service.</source>
        <extracomment>HTML. %1 links to the site.</extracomment>
        <translation>&lt;b&gt;UPCitemdb&lt;/b&gt; (%1): datos de productos utilizados conforme a sus condiciones de servicio.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Page service&lt;/b&gt;: the lookup service at the address you name; its own terms apply.</source>
        <translation>&lt;b&gt;Servicio de páginas&lt;/b&gt;: el servicio de consulta en la dirección que usted indique; se aplican sus propias condiciones.</translation>
    </message>
    <message>
        <source>No product index imported. Lookup → Import Product Database or Download Product Database makes one.</source>
        <translation>No se ha importado ningún índice de productos. Consulta → Importar base de datos de productos o Descargar base de datos de productos crea uno.</translation>
    </message>
    <message>
        <source>The product index in %1 cannot be read: %2</source>
        <extracomment>%1 is the index file&apos;s path, %2 what is wrong with it.</extracomment>
        <translation>No se puede leer el índice de productos en %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>%1 products, %2, in %3.</source>
        <extracomment>%1 is the number of products, %2 the file&apos;s size (&quot;12.3 MB&quot;), %3 its path.</extracomment>
        <translation>
            <numerusform>%1 producto, %2, en %3.</numerusform>
            <numerusform>%1 productos, %2, en %3.</numerusform>
        </translation>
    </message>
    <message>
        <source>Databases: %1.</source>
        <translation>Bases de datos: %1.</translation>
    </message>
    <message numerus="yes">
        <source>%1: %2, exported %3, %4 products</source>
        <extracomment>%1 is a database, %2 its export&apos;s file name, %3 the export&apos;s date, %4 how many products it held.</extracomment>
        <translation>
            <numerusform>%1: %2, fecha de exportación: %3, %4 producto</numerusform>
            <numerusform>%1: %2, fecha de exportación: %3, %4 productos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>This session neither uses nor keeps remembered answers (--no-cache). %1 answer kept in %2.</source>
        <extracomment>%1 is the number of answers, %2 where they are kept.</extracomment>
        <translation>
            <numerusform>Esta sesión no utiliza respuestas guardadas ni guarda otras nuevas (--no-cache). %1 respuesta guardada en %2.</numerusform>
            <numerusform>Esta sesión no utiliza respuestas guardadas ni guarda otras nuevas (--no-cache). %1 respuestas guardadas en %2.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>This session neither uses nor keeps remembered answers (--no-cache). %1 answers kept in %2.</source>
        <translation>
            <numerusform>Esta sesión no utiliza respuestas guardadas ni guarda otras nuevas (--no-cache). %1 respuesta guardada en %2.</numerusform>
            <numerusform>Esta sesión no utiliza respuestas guardadas ni guarda otras nuevas (--no-cache). %1 respuestas guardadas en %2.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 answer of the open databases remembered in %2. Each is used again instead of asking, for up to a month (a week for codes not found); Lookup → Forget Remembered Answers clears them.</source>
        <extracomment>%1 is the number of answers, %2 where they are kept.</extracomment>
        <translation>
            <numerusform>%1 respuesta de las bases de datos abiertas guardada en %2. Cada una se reutiliza en lugar de volver a consultar, durante un mes como máximo (una semana para los códigos no encontrados); Consulta → Olvidar respuestas guardadas las borra.</numerusform>
            <numerusform>%1 respuestas de las bases de datos abiertas guardadas en %2. Cada una se reutiliza en lugar de volver a consultar, durante un mes como máximo (una semana para los códigos no encontrados); Consulta → Olvidar respuestas guardadas las borra.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 answers of the open databases remembered in %2. Each is used again instead of asking, for up to a month (a week for codes not found); Lookup → Forget Remembered Answers clears them.</source>
        <translation>
            <numerusform>%1 respuesta de las bases de datos abiertas guardada en %2. Cada una se reutiliza en lugar de volver a consultar, durante un mes como máximo (una semana para los códigos no encontrados); Consulta → Olvidar respuestas guardadas las borra.</numerusform>
            <numerusform>%1 respuestas de las bases de datos abiertas guardadas en %2. Cada una se reutiliza en lugar de volver a consultar, durante un mes como máximo (una semana para los códigos no encontrados); Consulta → Olvidar respuestas guardadas las borra.</numerusform>
        </translation>
    </message>
    <message>
        <source>Looks up EAN product codes in batches.</source>
        <translation>Consulta códigos de producto EAN por lotes.</translation>
    </message>
    <message>
        <source>Sources in use</source>
        <translation>Fuentes en uso</translation>
    </message>
    <message>
        <source>Where the data comes from</source>
        <translation>De dónde proceden los datos</translation>
    </message>
    <message>
        <source>Product index</source>
        <translation>Índice de productos</translation>
    </message>
    <message>
        <source>Download Product Database fetches the export from %1.</source>
        <translation>Descargar base de datos de productos obtiene la exportación de %1.</translation>
    </message>
    <message>
        <source>Remembered answers</source>
        <translation>Respuestas guardadas</translation>
    </message>
    <message>
        <source>About Quillfen</source>
        <translation>Acerca de Quillfen</translation>
    </message>
</context>
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
        <source>Also use the source this file describes, for this run (/usr/share/doc/quillfen/docs/sources.md, &quot;Your own sources&quot;); may be given more than once.</source>
        <translation>Usar también, en esta ejecución, la fuente que describe este archivo (/usr/share/doc/quillfen/docs/sources.md, &quot;Your own sources&quot;); puede indicarse varias veces.</translation>
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
    <message>
        <source>Looks up EAN product codes in batches: in its window, or with --batch from files or standard input without a display. The manual: /usr/share/doc/quillfen/README.md and the pages beside it in /usr/share/doc/quillfen/docs/.</source>
        <translation>Consulta códigos de producto EAN por lotes: en su ventana o, con --batch, desde archivos o la entrada estándar sin pantalla gráfica. El manual: /usr/share/doc/quillfen/README.md y las páginas junto a él en /usr/share/doc/quillfen/docs/.</translation>
    </message>
    <message>
        <source>The language of the window and its messages, and the language to ask product names in, such as de, fr or es (default: the desktop&apos;s; environment: QUILLFEN_LANGUAGE).</source>
        <translation>El idioma de la ventana y sus mensajes, y el idioma en que se piden los nombres de producto, como de, fr o es (predeterminado: el del escritorio; variable de entorno: QUILLFEN_LANGUAGE).</translation>
    </message>
    <message>
        <source>With --batch: csv, tsv, json, jsonl, xlsx, ods, marc, marcxml, shopify, woocommerce or merchant (default: from the output file&apos;s extension, else csv). marc (MARC 21, .mrc) and marcxml (.xml) write the catalogue records of the books found instead of rows; shopify, woocommerce and merchant (a Google Merchant Center feed) a shop&apos;s import file of the products found.</source>
        <translation>Con --batch: csv, tsv, json, jsonl, xlsx, ods, marc, marcxml, shopify, woocommerce o merchant (por defecto: según la extensión del archivo de salida, si no csv). marc (MARC 21, .mrc) y marcxml (.xml) escriben los registros de catálogo de los libros encontrados en lugar de filas; shopify, woocommerce y merchant (un feed de Google Merchant Center) un archivo de importación de tienda con los productos encontrados.</translation>
    </message>
    <message>
        <source>--labels and --list-layouts go alone.</source>
        <translation>--labels y --list-layouts van solos.</translation>
    </message>
    <message>
        <source>--%1 goes with --labels.</source>
        <translation>--%1 va con --labels.</translation>
    </message>
</context>
<context>
    <name>BarcodeCodeLoader</name>
    <message numerus="yes">
        <source>%n code</source>
        <translation>
            <numerusform>%n código</numerusform>
            <numerusform>%n códigos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n codes</source>
        <translation>
            <numerusform>%n código</numerusform>
            <numerusform>%n códigos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n file</source>
        <translation>
            <numerusform>%n archivo</numerusform>
            <numerusform>%n archivos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files</source>
        <translation>
            <numerusform>%n archivo</numerusform>
            <numerusform>%n archivos</numerusform>
        </translation>
    </message>
    <message>
        <source>Found %1 in %2.</source>
        <extracomment>%1 is a number of codes (&quot;3 codes&quot;), %2 a number of files (&quot;2 files&quot;).</extracomment>
        <translation>Encontrados: %1 en %2.</translation>
    </message>
    <message>
        <source>No barcodes found in %1.</source>
        <translation>No se encontraron códigos de barras en %1.</translation>
    </message>
    <message>
        <source>Cancelling…</source>
        <translation>Cancelando…</translation>
    </message>
    <message>
        <source>Load EAN Numbers From File</source>
        <translation>Cargar números EAN desde un archivo</translation>
    </message>
    <message>
        <source>%1: %2. The codes of its other pages were loaded.</source>
        <translation>%1: %2. Se cargaron los códigos de sus demás páginas.</translation>
    </message>
</context>
<context>
    <name>BarcodeReader</name>
    <message>
        <source>Reading barcodes: %1 (page %2 of %3)</source>
        <extracomment>%1 is the file&apos;s name, %2 and %3 page numbers.</extracomment>
        <translation>Leyendo códigos de barras: %1 (página %2 de %3)</translation>
    </message>
    <message>
        <source>not a picture that can be read</source>
        <translation>no es una imagen legible</translation>
    </message>
    <message>
        <source>larger than 100 megapixels (%1 x %2 pixels)</source>
        <translation>más de 100 megapíxeles (%1 x %2 píxeles)</translation>
    </message>
    <message>
        <source>the PDF is damaged (it has no pages)</source>
        <translation>el PDF está dañado (no tiene páginas)</translation>
    </message>
    <message>
        <source>more than 500 pages (%1)</source>
        <translation>más de 500 páginas (%1)</translation>
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
    <message>
        <source>%1: %2; the codes of its other pages are looked up</source>
        <translation>%1: %2; se buscan los códigos de sus demás páginas</translation>
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
    <name>BatchListing</name>
    <message>
        <source>more than one of your columns could be the price: %1. Name one with --price-column by its header, letter or number.</source>
        <translation>más de una de sus columnas podría ser el precio: %1. Indique una con --price-column por su encabezado, su letra o su número.</translation>
    </message>
    <message>
        <source>more than one of your columns could be the SKU: %1. Name one with --sku-column by its header, letter or number.</source>
        <translation>más de una de sus columnas podría ser la referencia (SKU): %1. Indique una con --sku-column por su encabezado, su letra o su número.</translation>
    </message>
    <message>
        <source>more than one of your columns could be the stock: %1. Name one with --stock-column by its header, letter or number.</source>
        <translation>más de una de sus columnas podría ser el stock: %1. Indique una con --stock-column por su encabezado, su letra o su número.</translation>
    </message>
    <message>
        <source>no column &quot;%1&quot; for --%2; name one of these by its header, letter or number: %3</source>
        <extracomment>%1 is what --price-column (or another, %2) named, %3 the columns.</extracomment>
        <translation>no hay ninguna columna «%1» para --%2; indique una de estas por su encabezado, su letra o su número: %3</translation>
    </message>
    <message>
        <source>--price-column, --sku-column and --stock-column need a spreadsheet input (.xlsx, .ods, .csv or .tsv).</source>
        <translation>--price-column, --sku-column y --stock-column necesitan una hoja de cálculo como entrada (.xlsx, .ods, .csv o .tsv).</translation>
    </message>
    <message>
        <source>--format merchant writes each price with its currency: name it with --currency, such as EUR.</source>
        <translation>--format merchant escribe cada precio con su moneda: indíquela con --currency, por ejemplo EUR.</translation>
    </message>
    <message>
        <source>pictures cannot be saved here.</source>
        <translation>aquí no se pueden guardar imágenes.</translation>
    </message>
    <message>
        <source>%1; no more pictures are saved.</source>
        <extracomment>%1 says why a picture could not be written.</extracomment>
        <translation>%1; no se guardan más imágenes.</translation>
    </message>
    <message>
        <source>pictures saved: %1</source>
        <extracomment>On the progress line, after the counts of the codes.</extracomment>
        <translation>imágenes guardadas: %1</translation>
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
        <source>--keep-columns writes csv, tsv, xlsx or ods, not json or jsonl</source>
        <translation>--keep-columns escribe csv, tsv, xlsx u ods, no json ni jsonl</translation>
    </message>
    <message>
        <source>--keep-columns writes csv, tsv, xlsx or ods, not catalogue records</source>
        <translation>--keep-columns escribe csv, tsv, xlsx u ods, no registros de catálogo</translation>
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
    <message numerus="yes">
        <source>%n failed: %1</source>
        <extracomment>How many codes failed for one reason; %1 is the source and the reason.</extracomment>
        <translation>
            <numerusform>%n fallido: %1</numerusform>
            <numerusform>%n fallidos: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n failed for other reasons</source>
        <translation>
            <numerusform>%n fallido por otros motivos</numerusform>
            <numerusform>%n fallidos por otros motivos</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>BlockSaveFile</name>
    <message>
        <source>Cannot create the file %1: %2</source>
        <translation>No se puede crear el archivo %1: %2</translation>
    </message>
    <message>
        <source>Cannot write the file %1: %2</source>
        <translation>No se puede escribir el archivo %1: %2</translation>
    </message>
</context>
<context>
    <name>CaptionProgressBar</name>
    <message>
        <source>Progress Bar</source>
        <translation>Barra de progreso</translation>
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
    <name>CodeFacts</name>
    <message>
        <source>restricted circulation</source>
        <translation>circulación restringida</translation>
    </message>
    <message>
        <source>coupon</source>
        <translation>cupón</translation>
    </message>
    <message>
        <source>refund receipt</source>
        <translation>vale de reembolso</translation>
    </message>
</context>
<context>
    <name>CodeFileLoader</name>
    <message>
        <source>The file %1 cannot be read: %2. No codes were loaded from it.</source>
        <extracomment>%1 is the file, %2 why it cannot be read.</extracomment>
        <translation>No se puede leer el archivo %1: %2. No se cargó ningún código de él.</translation>
    </message>
    <message>
        <source>The file %1 is not a text file. No codes were loaded from it.</source>
        <translation>El archivo %1 no es un archivo de texto. No se cargó ningún código de él.</translation>
    </message>
    <message>
        <source>Code Lists, Spreadsheets, Pictures and PDFs</source>
        <translation>Listas de códigos, hojas de cálculo, imágenes y PDF</translation>
    </message>
    <message>
        <source>Text Files</source>
        <translation>Archivos de texto</translation>
    </message>
    <message>
        <source>Spreadsheets</source>
        <translation>Hojas de cálculo</translation>
    </message>
    <message>
        <source>Pictures and PDFs</source>
        <translation>Imágenes y PDF</translation>
    </message>
    <message>
        <source>All Files</source>
        <translation>Todos los archivos</translation>
    </message>
    <message>
        <source>The file %1 was not found.</source>
        <translation>No se encontró el archivo %1.</translation>
    </message>
    <message>
        <source>The file named on the command line was not loaded:</source>
        <translation>No se cargó el archivo indicado en la línea de comandos:</translation>
    </message>
    <message>
        <source>%1 of the %2 files named on the command line were not loaded:</source>
        <translation>No se cargaron %1 de los %2 archivos indicados en la línea de comandos:</translation>
    </message>
    <message>
        <source>The file %1 is larger than 100 MB. No codes were loaded from it.</source>
        <translation>El archivo %1 supera los 100 MB. No se cargó ningún código de él.</translation>
    </message>
    <message>
        <source>Load List(s) - Hold Ctrl to select multiple list files</source>
        <translation>Cargar lista(s) - Mantenga pulsada Ctrl para seleccionar varios archivos de lista</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>Archivo no encontrado</translation>
    </message>
</context>
<context>
    <name>CodeListEditor</name>
    <message>
        <source>Enter EAN number or numbers (use commas): </source>
        <translation>Introduzca uno o varios números EAN (separados por comas): </translation>
    </message>
</context>
<context>
    <name>ConnectionsModule</name>
    <message>
        <source>The libraries for the network, library catalogues, the keyring and workbooks could not be loaded: %1</source>
        <extracomment>%1 is what the system said.</extracomment>
        <translation>No se pudieron cargar las bibliotecas para la red, los catálogos de bibliotecas, el llavero y los libros de cálculo: %1</translation>
    </message>
</context>
<context>
    <name>ConnectivityCheck</name>
    <message>
        <source>You must be online to use this software accurately.</source>
        <translation>Debe estar conectado a Internet para usar este programa correctamente.</translation>
    </message>
</context>
<context>
    <name>CredentialManagerKeyStore</name>
    <message>
        <source>The Windows Credential Manager did not answer (%1).</source>
        <translation>El Administrador de credenciales de Windows no responde (%1).</translation>
    </message>
    <message>
        <source>The key is too long for the Windows Credential Manager (%1 bytes at most).</source>
        <translation>La clave es demasiado larga para el Administrador de credenciales de Windows (%1 bytes como máximo).</translation>
    </message>
</context>
<context>
    <name>ErrorReport</name>
    <message>
        <source>Please email screenshot of this message to %1</source>
        <extracomment>%1 is the support e-mail address.</extracomment>
        <translation>Envíe una captura de pantalla de este mensaje por correo electrónico a %1</translation>
    </message>
    <message>
        <source>at line %1</source>
        <translation>en la línea %1</translation>
    </message>
    <message>
        <source>Application Error</source>
        <translation>Error de la aplicación</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Memoria insuficiente</translation>
    </message>
    <message>
        <source>Unknown failure</source>
        <translation>Error desconocido</translation>
    </message>
</context>
<context>
    <name>ExportDecoder</name>
    <message>
        <source>not a gzip file or a text export</source>
        <translation>no es un archivo gzip ni una exportación de texto</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>el archivo está vacío</translation>
    </message>
</context>
<context>
    <name>ExportReader</name>
    <message>
        <source>the first line is not a header line</source>
        <translation>la primera línea no es una línea de encabezado</translation>
    </message>
    <message>
        <source>the export holds no header line</source>
        <translation>la exportación no contiene ninguna línea de encabezado</translation>
    </message>
    <message>
        <source>the first line names no &quot;code&quot; column: not a product export</source>
        <translation>la primera línea no nombra ninguna columna &quot;code&quot;: no es una exportación de productos</translation>
    </message>
</context>
<context>
    <name>FaithfulOdsCopy</name>
    <message>
        <source>the copy cannot be written: %1</source>
        <translation>no se puede escribir la copia: %1</translation>
    </message>
    <message>
        <source>it has no sheet &quot;%1&quot;</source>
        <translation>no tiene ninguna hoja &quot;%1&quot;</translation>
    </message>
</context>
<context>
    <name>FaithfulXlsxCopy</name>
    <message>
        <source>it is in strict Office Open XML</source>
        <translation>está en Office Open XML estricto</translation>
    </message>
    <message>
        <source>the copy cannot be written: %1</source>
        <translation>no se puede escribir la copia: %1</translation>
    </message>
    <message>
        <source>it changed while its codes were looked up</source>
        <translation>cambió mientras se consultaban sus códigos</translation>
    </message>
    <message>
        <source>it has no sheet &quot;%1&quot;</source>
        <translation>no tiene ninguna hoja &quot;%1&quot;</translation>
    </message>
    <message>
        <source>its sheet has no free columns for the answers</source>
        <translation>su hoja no tiene columnas libres para las respuestas</translation>
    </message>
</context>
<context>
    <name>FileSources</name>
    <message>
        <source>%1: name: &quot;%2&quot; is a built-in source&apos;s</source>
        <extracomment>%1 is a file, &quot;name&quot; the field in it (keep it), %2 the name it gives.</extracomment>
        <translation>%1: name: &quot;%2&quot; es el nombre de una fuente integrada</translation>
    </message>
    <message>
        <source>%1 is not an http:// or https:// address: %2</source>
        <extracomment>%1 is an environment variable, %2 its value.</extracomment>
        <translation>%1 no es una dirección http:// o https://: %2</translation>
    </message>
    <message>
        <source>%1 wants a whole number of requests a minute, 1 or more, not &quot;%2&quot;.</source>
        <extracomment>%1 is an environment variable, %2 its value.</extracomment>
        <translation>%1 espera un número entero de solicitudes por minuto, 1 o más, no &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>%1 (--sources or QUILLFEN_SOURCES)</source>
        <extracomment>%1 says which source is wrong; the option and the variable name where it was chosen.</extracomment>
        <translation>%1 (--sources o QUILLFEN_SOURCES)</translation>
    </message>
    <message>
        <source>--key-file %1=...: no source named %1</source>
        <extracomment>%1 is a source name as given with --key-file NAME=PATH.</extracomment>
        <translation>--key-file %1=...: no hay ninguna fuente llamada %1</translation>
    </message>
    <message>
        <source>%1 is neither an SRU address (http:// or https://) nor z3950://HOST:PORT/DATABASE: %2</source>
        <extracomment>%1 is an environment variable, %2 its value.</extracomment>
        <translation>%1 no es ni una dirección SRU (http:// o https://) ni z3950://HOST:PUERTO/BASE: %2</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>No answers are remembered.</source>
        <translation>No hay respuestas guardadas.</translation>
    </message>
    <message numerus="yes">
        <source>Forget the remembered answer? The open databases will be asked again about every code.</source>
        <translation>
            <numerusform>¿Olvidar la respuesta guardada? Se volverá a consultar a las bases de datos abiertas sobre cada código.</numerusform>
            <numerusform>¿Olvidar la respuesta guardada? Se volverá a consultar a las bases de datos abiertas sobre cada código.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Forget the %1 remembered answers? The open databases will be asked again about every code.</source>
        <translation>
            <numerusform>¿Olvidar %1 respuesta guardada? Se volverá a consultar a las bases de datos abiertas sobre cada código.</numerusform>
            <numerusform>¿Olvidar las %1 respuestas guardadas? Se volverá a consultar a las bases de datos abiertas sobre cada código.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 was not opened: %2.</source>
        <extracomment>%1 is a web address, %2 why it was refused.</extracomment>
        <translation>No se abrió %1: %2.</translation>
    </message>
    <message>
        <source>%1 was not opened: only this machine may be reached (QUILLFEN_LOOPBACK_ONLY).</source>
        <translation>No se abrió %1: solo se puede acceder a este equipo (QUILLFEN_LOOPBACK_ONLY).</translation>
    </message>
    <message>
        <source>EAN Codes</source>
        <translation>Códigos EAN</translation>
    </message>
    <message>
        <source>Description</source>
        <extracomment>The header of the results list: each row describes the product of a code.</extracomment>
        <translation>Descripción</translation>
    </message>
</context>
<context>
    <name>GzipInflater</name>
    <message>
        <source>out of memory</source>
        <translation>memoria insuficiente</translation>
    </message>
    <message>
        <source>damaged data</source>
        <translation>datos dañados</translation>
    </message>
    <message>
        <source>after %1 compressed bytes (%2 bytes of text)</source>
        <extracomment>Where a compressed file broke: %1 and %2 are numbers of bytes.</extracomment>
        <translation>tras %1 bytes comprimidos (%2 bytes de texto)</translation>
    </message>
    <message>
        <source>the compressed file is empty</source>
        <translation>el archivo comprimido está vacío</translation>
    </message>
    <message>
        <source>the compressed file ends early, %1</source>
        <extracomment>%1 says where: &quot;after 1,024 compressed bytes (4,096 bytes of text)&quot;.</extracomment>
        <translation>el archivo comprimido termina antes de tiempo, %1</translation>
    </message>
    <message>
        <source>the compressed file is damaged (%1) %2</source>
        <extracomment>%1 is zlib&apos;s own message, %2 says where.</extracomment>
        <translation>el archivo comprimido está dañado (%1) %2</translation>
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
        <translation>%1: no es una dirección de bucle local</translation>
    </message>
    <message>
        <source>the list is longer than %1 bytes</source>
        <translation>la lista ocupa más de %1 bytes</translation>
    </message>
    <message>
        <source>there is no product index to update: download or import one first</source>
        <translation>no hay ningún índice de productos que actualizar: descargue o importe uno primero</translation>
    </message>
    <message>
        <source>the product index cannot be read (%1)</source>
        <translation>no se puede leer el índice de productos (%1)</translation>
    </message>
    <message>
        <source>the product index does not say how recent it is: download or import it again</source>
        <translation>el índice de productos no indica su antigüedad: descárguelo o impórtelo de nuevo</translation>
    </message>
    <message>
        <source>Applied %1 daily change file (%2 products); the index is now of %3.</source>
        <extracomment>%1 is a number of files, %2 of products, %3 a date and time.</extracomment>
        <translation>Se aplicó %1 archivo de cambios diario (%2 productos); el índice es ahora del %3.</translation>
    </message>
    <message>
        <source>Applied %1 daily change files (%2 products); the index is now of %3.</source>
        <translation>Se aplicaron %1 archivos de cambios diarios (%2 productos); el índice es ahora del %3.</translation>
    </message>
    <message>
        <source>Download the whole database again (Lookup -&gt; Download Product Database, or quillfen --download-index).</source>
        <translation>Descargue de nuevo toda la base de datos (Consulta -&gt; Descargar base de datos de productos, o quillfen --download-index).</translation>
    </message>
    <message>
        <source>The product index is up to date (%1): no newer daily change file is published.</source>
        <translation>El índice de productos está al día (%1): no se ha publicado ningún archivo de cambios diario más reciente.</translation>
    </message>
    <message>
        <source>The daily change files have a gap from %1 to %2: no file after it was applied.</source>
        <translation>Los archivos de cambios diarios tienen un hueco del %1 al %2: no se aplicó ningún archivo posterior.</translation>
    </message>
    <message>
        <source>The product index (of %1) is older than the oldest daily change file kept (from %2): nothing was applied.</source>
        <translation>El índice de productos (del %1) es más antiguo que el archivo de cambios diario más antiguo que se conserva (del %2): no se aplicó nada.</translation>
    </message>
    <message>
        <source>Update failed: %1</source>
        <translation>Error al actualizar: %1</translation>
    </message>
    <message>
        <source>The product index is as it was before that file.</source>
        <translation>El índice de productos está como estaba antes de ese archivo.</translation>
    </message>
    <message>
        <source>Update interrupted: the product index is as it was before the file under way.</source>
        <translation>Actualización interrumpida: el índice de productos está como estaba antes del archivo en curso.</translation>
    </message>
    <message>
        <source>the product index says it is of %1, which is yet to come: download it again</source>
        <translation>el índice de productos dice ser del %1, una fecha aún por llegar: descárguelo de nuevo</translation>
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
    <name>IndexDownload</name>
    <message>
        <source>%1 of %2 downloaded (%3%)</source>
        <extracomment>%1 is a number of megabytes, %2 the size of the file (&quot;12.5 MB&quot;), %3 a per cent.</extracomment>
        <translation>%1 de %2 descargados (%3%)</translation>
    </message>
    <message>
        <source>%1 MB downloaded</source>
        <extracomment>%1 is a number of megabytes.</extracomment>
        <translation>%1 MB descargados</translation>
    </message>
    <message>
        <source>%1/s</source>
        <extracomment>A speed: %1 is a size (&quot;3.2 MB&quot;).</extracomment>
        <translation>%1/s</translation>
    </message>
    <message>
        <source>about %1 left</source>
        <extracomment>%1 is a time (&quot;2 min 05 s&quot;).</extracomment>
        <translation>quedan aprox. %1</translation>
    </message>
    <message>
        <source>%1: not a loopback address</source>
        <translation>%1: no es una dirección de bucle local</translation>
    </message>
    <message>
        <source>cancelled; run again to go on from %1</source>
        <translation>cancelado; ejecútelo de nuevo para continuar desde %1</translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation>cancelado</translation>
    </message>
    <message>
        <source>the downloaded file is damaged: %1</source>
        <translation>el archivo descargado está dañado: %1</translation>
    </message>
    <message>
        <source>no data</source>
        <translation>sin datos</translation>
    </message>
    <message>
        <source>the download broke off after %1; run again to go on from there</source>
        <translation>la descarga se interrumpió tras %1; ejecútela de nuevo para continuar desde ahí</translation>
    </message>
    <message>
        <source>the download broke off after %1 (%2); run again to go on from there</source>
        <extracomment>%1 is a size (&quot;12.5 MB&quot;), %2 why the download broke off.</extracomment>
        <translation>la descarga se interrumpió tras %1 (%2); ejecútela de nuevo para continuar desde ahí</translation>
    </message>
    <message>
        <source>%1: the server cannot resume the download</source>
        <translation>%1: el servidor no puede reanudar la descarga</translation>
    </message>
    <message>
        <source>the file changed on the server; starting again from the beginning</source>
        <translation>el archivo cambió en el servidor; se empieza de nuevo desde el principio</translation>
    </message>
    <message>
        <source>the server cannot resume; starting again from the beginning</source>
        <translation>el servidor no puede reanudar; se empieza de nuevo desde el principio</translation>
    </message>
</context>
<context>
    <name>IndexImport</name>
    <message>
        <source>%1 with a wrong number of fields</source>
        <translation>%1 con un número de campos incorrecto</translation>
    </message>
    <message>
        <source>%1 with an empty code</source>
        <translation>%1 con un código vacío</translation>
    </message>
    <message>
        <source>%1 that are not a JSON object</source>
        <translation>%1 que no son un objeto JSON</translation>
    </message>
    <message>
        <source>%1 with a code longer than %2 characters</source>
        <translation>%1 con un código de más de %2 caracteres</translation>
    </message>
    <message>
        <source>%1 of %2 read (%3%)</source>
        <extracomment>%1 is a number of megabytes read, %2 the size of the file (&quot;12.5 MB&quot;).</extracomment>
        <translation>%1 de %2 leídos (%3%)</translation>
    </message>
    <message>
        <source>%1 of %2 read</source>
        <translation>%1 de %2 leídos</translation>
    </message>
    <message>
        <source>%1 rows</source>
        <translation>%1 filas</translation>
    </message>
    <message>
        <source>sorting them into the index</source>
        <translation>ordenándolas en el índice</translation>
    </message>
    <message>
        <source>%1/s</source>
        <extracomment>A speed: %1 is a size (&quot;3.2 MB&quot;).</extracomment>
        <translation>%1/s</translation>
    </message>
    <message>
        <source>about %1 left</source>
        <extracomment>%1 is a time (&quot;2 min 05 s&quot;).</extracomment>
        <translation>quedan aprox. %1</translation>
    </message>
    <message>
        <source>Imported %1 products from %2 file in %3 (%4 of text).</source>
        <extracomment>%1 is a number of products, %2 of files, %3 a time, %4 a size (&quot;12.5 MB&quot;).</extracomment>
        <translation>Se importaron %1 productos de %2 archivo en %3 (%4 de texto).</translation>
    </message>
    <message>
        <source>Imported %1 products from %2 files in %3 (%4 of text).</source>
        <translation>Se importaron %1 productos de %2 archivos en %3 (%4 de texto).</translation>
    </message>
    <message>
        <source>Import cancelled after %1: the product index is as it was.</source>
        <translation>Importación cancelada tras %1: el índice de productos no ha cambiado.</translation>
    </message>
    <message>
        <source>Import failed: %1</source>
        <translation>Error en la importación: %1</translation>
    </message>
    <message>
        <source>The product index is as it was.</source>
        <translation>El índice de productos no ha cambiado.</translation>
    </message>
    <message>
        <source>No line was skipped.</source>
        <translation>No se omitió ninguna línea.</translation>
    </message>
    <message>
        <source>Skipped %1 lines: %2</source>
        <extracomment>%1 is the number of lines skipped; the reasons follow, one count each.</extracomment>
        <translation>Se omitieron %1 líneas: %2</translation>
    </message>
    <message>
        <source>Cut %1 names, brands or quantities at %2 characters.</source>
        <translation>Se recortaron %1 nombres, marcas o cantidades a %2 caracteres.</translation>
    </message>
    <message>
        <source>the file holds a header line only</source>
        <translation>el archivo solo contiene una línea de encabezado</translation>
    </message>
    <message>
        <source>no products in %1 (%2 line skipped: %3)</source>
        <extracomment>%1 is the file&apos;s name, %2 the number of lines skipped, %3 the reasons.</extracomment>
        <translation>no hay productos en %1 (%2 línea omitida: %3)</translation>
    </message>
    <message>
        <source>no products in %1 (%2 lines skipped: %3)</source>
        <translation>no hay productos en %1 (%2 líneas omitidas: %3)</translation>
    </message>
    <message>
        <source>unexpected error while reading</source>
        <translation>error inesperado durante la lectura</translation>
    </message>
    <message>
        <source>%1 longer than %2 bytes</source>
        <translation>%1 de más de %2 bytes</translation>
    </message>
</context>
<context>
    <name>IsbnRanges</name>
    <message>
        <source>larger than 16 MB</source>
        <translation>mayor de 16 MB</translation>
    </message>
    <message>
        <source>a group named %1</source>
        <translation>un grupo llamado %1</translation>
    </message>
    <message>
        <source>a prefix named %1</source>
        <translation>un prefijo llamado %1</translation>
    </message>
    <message>
        <source>%1: a rule with the range %2</source>
        <translation>%1: una regla con el rango %2</translation>
    </message>
    <message>
        <source>not XML: %1 (line %2)</source>
        <translation>no es XML: %1 (línea %2)</translation>
    </message>
    <message>
        <source>no ISBN ranges in it (not a RangeMessage)</source>
        <translation>no contiene rangos ISBN (no es un RangeMessage)</translation>
    </message>
</context>
<context>
    <name>LabelDesigner</name>
    <message>
        <source>the label is too small for its %1 at 80%: it needs %2, the label leaves %3</source>
        <extracomment>%1 is a kind of barcode (&quot;EAN-13&quot;), %2 its smallest size (&quot;29.8 × 11.3 mm&quot;), %3 the room the label leaves for it.</extracomment>
        <translation>la etiqueta es demasiado pequeña para su %1 al 80 %: necesita %2, la etiqueta deja %3</translation>
    </message>
    <message>
        <source>the label is too small for its lines: they need %1, the label leaves %2</source>
        <translation>la etiqueta es demasiado pequeña para sus líneas: necesitan %1, la etiqueta deja %2</translation>
    </message>
    <message>
        <source>The labels of %1 are too small: %2.</source>
        <extracomment>%1 is the layout&apos;s name, %2 why a label does not fit.</extracomment>
        <translation>Las etiquetas de %1 son demasiado pequeñas: %2.</translation>
    </message>
</context>
<context>
    <name>LabelItems</name>
    <message>
        <source>row %1: copies &quot;%2&quot; is not a whole number from 0 to %3</source>
        <extracomment>%1 is a row number, %2 what the cell holds, %3 the most copies.</extracomment>
        <translation>fila %1: las copias «%2» no son un número entero de 0 a %3</translation>
    </message>
</context>
<context>
    <name>LabelJob</name>
    <message numerus="yes">
        <source>1 label on 1 page</source>
        <translation>
            <numerusform>1 etiqueta en 1 página</numerusform>
            <numerusform>1 etiqueta en 1 página</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 labels on 1 page</source>
        <extracomment>%1 is a number of labels, more than one.</extracomment>
        <translation>
            <numerusform>%1 etiqueta en 1 página</numerusform>
            <numerusform>%1 etiquetas en 1 página</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 labels on %2 pages</source>
        <extracomment>%1 and %2 are numbers of labels and pages, more than one each.</extracomment>
        <translation>
            <numerusform>%1 etiqueta en %2 páginas</numerusform>
            <numerusform>%1 etiquetas en %2 páginas</numerusform>
        </translation>
    </message>
    <message>
        <source>The first label cannot go to row %1, column %2: %3 has %4 rows of %5.</source>
        <extracomment>%1 and %2 are the row and column asked for, %3 the layout, %4 and %5 its rows and columns.</extracomment>
        <translation>La primera etiqueta no puede ir a la fila %1, columna %2: %3 tiene %4 filas de %5.</translation>
    </message>
    <message>
        <source>More than %1 labels: print them in several jobs.</source>
        <extracomment>%1 is the most labels a job prints.</extracomment>
        <translation>Más de %1 etiquetas: imprímalas en varios trabajos.</translation>
    </message>
</context>
<context>
    <name>LabelLayout</name>
    <message>
        <source>missing</source>
        <translation>falta</translation>
    </message>
    <message>
        <source>not a text</source>
        <translation>no es un texto</translation>
    </message>
    <message>
        <source>longer than %1 characters</source>
        <translation>más de %1 caracteres</translation>
    </message>
    <message>
        <source>holds a control character</source>
        <translation>contiene un carácter de control</translation>
    </message>
    <message>
        <source>not a number</source>
        <translation>no es un número</translation>
    </message>
    <message>
        <source>must be 0 or more</source>
        <translation>debe ser 0 o más</translation>
    </message>
    <message>
        <source>must be more than 0</source>
        <translation>debe ser más de 0</translation>
    </message>
    <message>
        <source>longer than %1</source>
        <extracomment>%1 is a length with its unit: &quot;1000 mm&quot;.</extracomment>
        <translation>más largo que %1</translation>
    </message>
    <message>
        <source>%1 is not a whole number from 1 to %2</source>
        <translation>%1 no es un número entero de 1 a %2</translation>
    </message>
    <message>
        <source>unknown field</source>
        <translation>campo desconocido</translation>
    </message>
    <message>
        <source>use lower-case letters, digits, &quot;-&quot;, &quot;.&quot; and &quot;_&quot; only</source>
        <translation>use solo minúsculas, dígitos, «-», «.» y «_»</translation>
    </message>
    <message>
        <source>must be &quot;mm&quot; or &quot;in&quot;</source>
        <translation>debe ser «mm» o «in»</translation>
    </message>
    <message>
        <source>give the page by its name or by its size, not both</source>
        <translation>indique la página por su nombre o por su tamaño, no ambos</translation>
    </message>
    <message>
        <source>not a page size Quillfen knows; choose from %1, or give pageWidth and pageHeight</source>
        <extracomment>%1 is the list of page names the file may give.</extracomment>
        <translation>no es un tamaño de página que Quillfen conozca; elija entre %1, o indique pageWidth y pageHeight</translation>
    </message>
    <message>
        <source>%1 is wider than the page (%2)</source>
        <extracomment>%1 and %2 are lengths with their units.</extracomment>
        <translation>%1 es más ancho que la página (%2)</translation>
    </message>
    <message>
        <source>%1 is taller than the page (%2)</source>
        <translation>%1 es más alto que la página (%2)</translation>
    </message>
    <message>
        <source>%1 is less than the label&apos;s width (%2): the labels would overlap</source>
        <translation>%1 es menor que el ancho de la etiqueta (%2): las etiquetas se solaparían</translation>
    </message>
    <message>
        <source>%1 is less than the label&apos;s height (%2): the labels would overlap</source>
        <translation>%1 es menor que el alto de la etiqueta (%2): las etiquetas se solaparían</translation>
    </message>
    <message>
        <source>%1 labels across reach %2 from the page&apos;s left edge, past its width of %3</source>
        <extracomment>%1 is a number of labels, %2 and %3 lengths with their units.</extracomment>
        <translation>%1 etiquetas a lo ancho llegan a %2 del borde izquierdo de la página, más allá de su ancho de %3</translation>
    </message>
    <message>
        <source>%1 labels down reach %2 from the page&apos;s top edge, past its height of %3</source>
        <translation>%1 etiquetas a lo alto llegan a %2 del borde superior de la página, más allá de su alto de %3</translation>
    </message>
    <message>
        <source>more than half the label&apos;s smaller side</source>
        <translation>más de la mitad del lado menor de la etiqueta</translation>
    </message>
    <message>
        <source>%1: larger than %2 KB</source>
        <translation>%1: más de %2 KB</translation>
    </message>
    <message>
        <source>%1: not JSON (%2 at byte %3)</source>
        <extracomment>%1 is the file&apos;s name, %2 what the JSON reader says is wrong, %3 where.</extracomment>
        <translation>%1: no es JSON (%2 en el byte %3)</translation>
    </message>
    <message>
        <source>%1: not a JSON object</source>
        <translation>%1: no es un objeto JSON</translation>
    </message>
    <message>
        <source>page %1 × %2</source>
        <translation>página %1 × %2</translation>
    </message>
    <message>
        <source>%1, %2 × %3 labels of %4 × %5</source>
        <extracomment>%1 is the page (&quot;A4&quot;), %2 and %3 how many labels across and down, %4 and %5 the label&apos;s width and height (%5 with its unit).</extracomment>
        <translation>%1, %2 × %3 etiquetas de %4 × %5</translation>
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
        <translation>Imprimir etiquetas de los códigos dados, o de los códigos de los archivos dados (listas de códigos, hojas de cálculo), en la plantilla nombrada (vea --list-layouts), en el archivo PDF que nombra --output, y salir.</translation>
    </message>
    <message>
        <source>List the label layouts known, with their sizes, and exit.</source>
        <translation>Listar las plantillas de etiquetas conocidas, con sus tamaños, y salir.</translation>
    </message>
    <message>
        <source>Also use the label layout this file describes, for this run.</source>
        <translation>En esta ejecución, usar también la plantilla de etiquetas que describe este archivo.</translation>
    </message>
    <message>
        <source>With --labels: what goes on each label, comma-separated: %1 (default: barcode,digits,name,price).</source>
        <translation>Con --labels: lo que va en cada etiqueta, separado por comas: %1 (por omisión: barcode,digits,name,price).</translation>
    </message>
    <message>
        <source>With --labels: N labels of each code (default 1).</source>
        <translation>Con --labels: N etiquetas de cada código (por omisión 1).</translation>
    </message>
    <message>
        <source>With --labels and a spreadsheet: the column that says how many labels of each code, by its header, letter or number.</source>
        <translation>Con --labels y una hoja de cálculo: la columna que dice cuántas etiquetas de cada código, por su encabezado, letra o número.</translation>
    </message>
    <message>
        <source>With --labels and a spreadsheet: the column of the names (default: the one headed like names; else the names this machine knows).</source>
        <translation>Con --labels y una hoja de cálculo: la columna de los nombres (por omisión: la encabezada como nombres; si no, los nombres que conoce este equipo).</translation>
    </message>
    <message>
        <source>With --labels and a spreadsheet: the column of the prices (default: the one headed like prices).</source>
        <translation>Con --labels y una hoja de cálculo: la columna de los precios (por omisión: la encabezada como precios).</translation>
    </message>
    <message>
        <source>With --labels: the first free place on a sheet used before, as ROW,COL from 1 (default 1,1).</source>
        <translation>Con --labels: el primer sitio libre en una hoja ya usada, como ROW,COL desde 1 (por omisión 1,1).</translation>
    </message>
    <message>
        <source>With --labels: the currency symbol put beside every price.</source>
        <translation>Con --labels: el símbolo de moneda junto a cada precio.</translation>
    </message>
    <message>
        <source>With --labels: a line of your own text on every label (the field &quot;text&quot;).</source>
        <translation>Con --labels: una línea de texto propio en cada etiqueta (el campo «text»).</translation>
    </message>
    <message>
        <source>--labels needs --output and the PDF file to write.</source>
        <translation>--labels necesita --output y el archivo PDF que escribir.</translation>
    </message>
    <message>
        <source>--labels needs codes, or files of codes or a spreadsheet.</source>
        <translation>--labels necesita códigos, archivos de códigos o una hoja de cálculo.</translation>
    </message>
    <message>
        <source>Unknown field &quot;%1&quot; in --label-fields: choose from %2.</source>
        <extracomment>%1 is what was given, %2 the fields there are.</extracomment>
        <translation>Campo desconocido «%1» en --label-fields: elija entre %2.</translation>
    </message>
    <message>
        <source>--label-copies wants a whole number from 1 to %1, not &quot;%2&quot;.</source>
        <translation>--label-copies pide un número entero de 1 a %1, no «%2».</translation>
    </message>
    <message>
        <source>--label-copies and --label-copies-column go alone.</source>
        <translation>--label-copies y --label-copies-column van solos.</translation>
    </message>
    <message>
        <source>--label-start wants ROW,COL, whole numbers from 1, as in 3,2; not &quot;%1&quot;.</source>
        <translation>--label-start pide ROW,COL, números enteros desde 1, como 3,2; no «%1».</translation>
    </message>
</context>
<context>
    <name>LabelPrinting</name>
    <message numerus="yes">
        <source>and %1 more</source>
        <extracomment>After a list of codes: how many more are not listed.</extracomment>
        <translation>
            <numerusform>y %1 más</numerusform>
            <numerusform>y %1 más</numerusform>
        </translation>
    </message>
    <message>
        <source>Choose the spreadsheet the codes are in.</source>
        <translation>Elija la hoja de cálculo con los códigos.</translation>
    </message>
    <message>
        <source>No codes could be read from %1.</source>
        <extracomment>%1 is the file&apos;s name.</extracomment>
        <translation>No se pudo leer ningún código de %1.</translation>
    </message>
    <message>
        <source>Choose the column that says how many labels of each code.</source>
        <translation>Elija la columna que dice cuántas etiquetas de cada código.</translation>
    </message>
    <message>
        <source>Choose a layout.</source>
        <translation>Elija una plantilla.</translation>
    </message>
    <message>
        <source>Not printed:</source>
        <translation>No impresos:</translation>
    </message>
    <message>
        <source>No label to print.</source>
        <translation>Ninguna etiqueta que imprimir.</translation>
    </message>
    <message>
        <source>%1, barcodes at %2% of their size or more.</source>
        <translation>%1, códigos de barras al %2 % de su tamaño o más.</translation>
    </message>
    <message>
        <source>No label layout was found. Reinstall Quillfen, or put a layout file into %1.</source>
        <translation>No se encontró ninguna plantilla de etiquetas. Reinstale Quillfen o ponga un archivo de plantilla en %1.</translation>
    </message>
    <message>
        <source>Save the Labels as PDF</source>
        <translation>Guardar las etiquetas como PDF</translation>
    </message>
    <message>
        <source>PDF (*.pdf)|*.pdf|</source>
        <extracomment>A file dialog&apos;s filter: the description, &quot;|&quot;, the pattern, &quot;|&quot;.</extracomment>
        <translation>PDF (*.pdf)|*.pdf|</translation>
    </message>
    <message>
        <source>Saved in %1: %2.</source>
        <extracomment>%1 is the file, %2 says how many labels on how many pages (&quot;42 labels on 2 pages&quot;).</extracomment>
        <translation>Guardado en %1: %2.</translation>
    </message>
    <message>
        <source>The labels were not printed: %1</source>
        <extracomment>%1 is why.</extracomment>
        <translation>Las etiquetas no se imprimieron: %1</translation>
    </message>
    <message>
        <source>%1 went to the printer.</source>
        <extracomment>%1 says how many labels on how many pages.</extracomment>
        <translation>%1 enviadas a la impresora.</translation>
    </message>
    <message>
        <source>These codes were not printed:</source>
        <translation>Estos códigos no se imprimieron:</translation>
    </message>
    <message>
        <source>Print Labels</source>
        <translation>Imprimir etiquetas</translation>
    </message>
</context>
<context>
    <name>LabelSymbols</name>
    <message>
        <source>no code</source>
        <translation>ningún código</translation>
    </message>
    <message>
        <source>longer than the %1 characters a label&apos;s Code 128 holds</source>
        <translation>más largo que los %1 caracteres que caben en el Code 128 de una etiqueta</translation>
    </message>
    <message>
        <source>Code 128 holds letters, digits and signs of Western European languages only</source>
        <translation>Code 128 solo admite letras, dígitos y signos de las lenguas de Europa occidental</translation>
    </message>
</context>
<context>
    <name>LabelsCommand</name>
    <message>
        <source>%1 names no column of the spreadsheet: &quot;%2&quot;.</source>
        <extracomment>%1 is the option, %2 the column it names.</extracomment>
        <translation>%1 no nombra ninguna columna de la hoja de cálculo: «%2».</translation>
    </message>
    <message>
        <source>the sheet holds nothing</source>
        <translation>la hoja no contiene nada</translation>
    </message>
    <message>
        <source>--column names no column of the spreadsheet: &quot;%1&quot;.</source>
        <translation>--column no nombra ninguna columna de la hoja de cálculo: «%1».</translation>
    </message>
    <message>
        <source>which column holds the codes? Name it with --column: %1</source>
        <extracomment>%1 lists the sheet&apos;s columns.</extracomment>
        <translation>¿qué columna contiene los códigos? Nómbrela con --column: %1</translation>
    </message>
    <message>
        <source>larger than 100 MB</source>
        <translation>más de 100 MB</translation>
    </message>
    <message>
        <source>not a text file</source>
        <translation>no es un archivo de texto</translation>
    </message>
    <message>
        <source>No label layout &quot;%1&quot;: choose from %2 (--list-layouts), or give your own with --layout-file.</source>
        <extracomment>%1 is the name given, %2 the layouts there are.</extracomment>
        <translation>No hay plantilla de etiquetas «%1»: elija entre %2 (--list-layouts) o indique la suya con --layout-file.</translation>
    </message>
    <message>
        <source>no such file</source>
        <translation>no existe el archivo</translation>
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
        <translation>--label-copies-column necesita una hoja de cálculo entre las entradas.</translation>
    </message>
    <message>
        <source>not printed: %1</source>
        <extracomment>%1 is a row of a spreadsheet and why it is not printed.
----------
%1 is a code and why it is not printed (&quot;4006381333932: check digit should be 1&quot;).</extracomment>
        <translation>no impreso: %1</translation>
    </message>
    <message>
        <source>no label to print; %1 was not written.</source>
        <translation>ninguna etiqueta que imprimir; %1 no se escribió.</translation>
    </message>
    <message>
        <source>%1 was not written: %2</source>
        <extracomment>%1 is the file, %2 why it could not be written.</extracomment>
        <translation>%1 no se escribió: %2</translation>
    </message>
</context>
<context>
    <name>LibzipArchives</name>
    <message>
        <source>it is damaged: the part %1 cannot be unpacked</source>
        <translation>está dañado: la parte %1 no se puede descomprimir</translation>
    </message>
    <message>
        <source>the part %1 unpacks to more than its limit</source>
        <translation>la parte %1 supera su límite al descomprimirse</translation>
    </message>
    <message>
        <source>it is not a zip container (%1)</source>
        <translation>no es un contenedor zip (%1)</translation>
    </message>
    <message>
        <source>Cannot write the file %1: %2</source>
        <translation>No se puede escribir el archivo %1: %2</translation>
    </message>
    <message>
        <source>Cannot write the file %1</source>
        <translation>No se puede escribir el archivo %1</translation>
    </message>
    <message>
        <source>it is damaged: it holds the part %1 twice</source>
        <translation>está dañado: contiene dos veces la parte %1</translation>
    </message>
</context>
<context>
    <name>ListingCommandLine</name>
    <message>
        <source>With --batch: save the picture of every product found in this folder, one file each named by its GTIN (4006381333931.jpg), with a list of them, pictures.csv. A picture saved there by an earlier run is not fetched again.</source>
        <translation>Con --batch: guardar la imagen de cada producto encontrado en esta carpeta, un archivo cada una con su GTIN como nombre (4006381333931.jpg), con su lista, pictures.csv. Una imagen que una ejecución anterior guardó allí no se vuelve a descargar.</translation>
    </message>
    <message>
        <source>With --pictures-dir: ask no source, take the answers remembered, and save their pictures alone, without a results file.</source>
        <translation>Con --pictures-dir: no consultar ninguna fuente, tomar las respuestas guardadas y guardar solo sus imágenes, sin archivo de resultados.</translation>
    </message>
    <message>
        <source>With --pictures-dir: make pictures larger than N pixels on their longer side that small, as JPEG.</source>
        <translation>Con --pictures-dir: reducir a ese tamaño, como JPEG, las imágenes cuyo lado mayor supere N píxeles.</translation>
    </message>
    <message>
        <source>With --pictures-dir and a shop&apos;s --format: the address the saved pictures will be published under; each product&apos;s picture is then this address followed by its file&apos;s name.</source>
        <translation>Con --pictures-dir y el --format de una tienda: la dirección en la que se publicarán las imágenes guardadas; la imagen de cada producto es entonces esa dirección seguida del nombre de su archivo.</translation>
    </message>
    <message>
        <source>With a shop&apos;s --format and a spreadsheet input: your column of prices, by its header, letter or number (default: the one headed Price, Preis, Prix, Precio, ...).</source>
        <translation>Con el --format de una tienda y una hoja de cálculo como entrada: su columna de precios, por su encabezado, su letra o su número (por defecto: la titulada Price, Preis, Prix, Precio, ...).</translation>
    </message>
    <message>
        <source>With a shop&apos;s --format and a spreadsheet input: your column of SKUs (default: the one headed SKU, Article, Artikel, ...).</source>
        <translation>Con el --format de una tienda y una hoja de cálculo como entrada: su columna de referencias (por defecto: la titulada SKU, Article, Artikel, ...).</translation>
    </message>
    <message>
        <source>With a shop&apos;s --format and a spreadsheet input: your column of stock (default: the one headed Stock, Qty, Bestand, ...).</source>
        <translation>Con el --format de una tienda y una hoja de cálculo como entrada: su columna de stock (por defecto: la titulada Stock, Qty, Bestand, ...).</translation>
    </message>
    <message>
        <source>--keep-columns writes csv, tsv, xlsx or ods, not a shop&apos;s file.</source>
        <translation>--keep-columns escribe csv, tsv, xlsx u ods, no un archivo de tienda.</translation>
    </message>
    <message>
        <source>--pictures-dir needs a folder.</source>
        <translation>--pictures-dir necesita una carpeta.</translation>
    </message>
    <message>
        <source>--%1 goes with --pictures-dir.</source>
        <extracomment>%1 is an option&apos;s name.</extracomment>
        <translation>--%1 va con --pictures-dir.</translation>
    </message>
    <message>
        <source>--pictures-only writes no results: leave out --%1.</source>
        <translation>--pictures-only no escribe resultados: quite --%1.</translation>
    </message>
    <message>
        <source>--pictures-only takes the answers remembered: leave out --no-cache.</source>
        <translation>--pictures-only toma las respuestas guardadas: quite --no-cache.</translation>
    </message>
    <message>
        <source>--picture-size wants a number of pixels from %1 to %2, not &quot;%3&quot;.</source>
        <translation>--picture-size espera un número de píxeles de %1 a %2, no «%3».</translation>
    </message>
    <message>
        <source>--pictures-base-url goes with a shop&apos;s --format (shopify, woocommerce, merchant).</source>
        <translation>--pictures-base-url va con el --format de una tienda (shopify, woocommerce, merchant).</translation>
    </message>
    <message>
        <source>Not a usable address in --pictures-base-url: &quot;%1&quot;; give it as https://host/folder/.</source>
        <translation>Dirección no utilizable en --pictures-base-url: «%1»; indíquela como https://host/carpeta/.</translation>
    </message>
    <message>
        <source>--currency goes with --format merchant.</source>
        <translation>--currency va con --format merchant.</translation>
    </message>
    <message>
        <source>--currency wants a currency&apos;s three-letter code, such as EUR, not &quot;%1&quot;.</source>
        <translation>--currency espera el código de tres letras de una moneda, por ejemplo EUR, no «%1».</translation>
    </message>
    <message>
        <source>--%1 goes with a shop&apos;s --format (shopify, woocommerce, merchant).</source>
        <translation>--%1 va con el --format de una tienda (shopify, woocommerce, merchant).</translation>
    </message>
    <message>
        <source>With --format merchant: the prices&apos; currency, such as EUR (default: the locale&apos;s); with --labels: the symbol put beside every price.</source>
        <translation>Con --format merchant: la moneda de los precios, por ejemplo EUR (por defecto: la de la configuración regional); con --labels: el símbolo junto a cada precio.</translation>
    </message>
</context>
<context>
    <name>ListingSheets</name>
    <message>
        <source>Your columns of %1 cannot be read again: %2. The shop&apos;s file is written without them.</source>
        <extracomment>%1 is a spreadsheet&apos;s file, %2 why it cannot be read.</extracomment>
        <translation>Sus columnas de %1 no se pueden volver a leer: %2. El archivo de la tienda se escribe sin ellas.</translation>
    </message>
</context>
<context>
    <name>LookupChain</name>
    <message>
        <source>none of the chosen sources looks up such codes</source>
        <translation>ninguna de las fuentes elegidas consulta este tipo de códigos</translation>
    </message>
    <message>
        <source>a coupon code, not a product</source>
        <translation>un código de cupón, no un producto</translation>
    </message>
    <message>
        <source>a refund receipt</source>
        <translation>un vale de reembolso</translation>
    </message>
    <message>
        <source> - unnamed product</source>
        <extracomment>Follows the code in the results list.</extracomment>
        <translation> - producto sin nombre</translation>
    </message>
    <message>
        <source> - lookup failed: </source>
        <extracomment>Follows the code in the results list; the source and the reason follow it.</extracomment>
        <translation> - error en la consulta: </translation>
    </message>
    <message>
        <source> - not looked up: </source>
        <extracomment>Follows the code in the results list; the reason follows it.</extracomment>
        <translation> - no consultado: </translation>
    </message>
    <message>
        <source> - no record found</source>
        <extracomment>Follows the code in the results list.</extracomment>
        <translation> - ningún registro encontrado</translation>
    </message>
    <message>
        <source>unexpected answer</source>
        <translation>respuesta inesperada</translation>
    </message>
    <message>
        <source>empty answer</source>
        <translation>respuesta vacía</translation>
    </message>
    <message>
        <source>not JSON</source>
        <translation>no es JSON</translation>
    </message>
    <message>
        <source>malformed JSON</source>
        <translation>JSON mal formado</translation>
    </message>
    <message>
        <source>no title in answer</source>
        <translation>sin título en la respuesta</translation>
    </message>
    <message>
        <source>empty page</source>
        <translation>página vacía</translation>
    </message>
    <message>
        <source>no HTTP status</source>
        <translation>sin estado HTTP</translation>
    </message>
    <message>
        <source>daily limit reached</source>
        <translation>límite diario alcanzado</translation>
    </message>
    <message>
        <source>unexpected answer: no list of results</source>
        <translation>respuesta inesperada: sin lista de resultados</translation>
    </message>
    <message>
        <source>unexpected answer: no results</source>
        <translation>respuesta inesperada: sin resultados</translation>
    </message>
    <message>
        <source>the key holds characters other than printable ASCII</source>
        <translation>la clave contiene caracteres que no son ASCII imprimible</translation>
    </message>
    <message>
        <source>not asked over the network</source>
        <translation>no consultado por la red</translation>
    </message>
    <message>
        <source>no product index (import one first)</source>
        <translation>no hay índice de productos (importe uno primero)</translation>
    </message>
    <message>
        <source>too many redirects</source>
        <translation>demasiadas redirecciones</translation>
    </message>
    <message>
        <source>insecure redirect</source>
        <translation>redirección no segura</translation>
    </message>
    <message>
        <source>connection refused</source>
        <translation>conexión rechazada</translation>
    </message>
    <message>
        <source>connection closed</source>
        <translation>conexión cerrada</translation>
    </message>
    <message>
        <source>host not found</source>
        <translation>host no encontrado</translation>
    </message>
    <message>
        <source>timed out</source>
        <translation>tiempo de espera agotado</translation>
    </message>
    <message>
        <source>secure connection failed</source>
        <translation>error en la conexión segura</translation>
    </message>
    <message>
        <source>proxy error</source>
        <translation>error del proxy</translation>
    </message>
    <message>
        <source>malformed answer</source>
        <translation>respuesta mal formada</translation>
    </message>
    <message>
        <source>page too large</source>
        <translation>página demasiado grande</translation>
    </message>
    <message>
        <source>network unavailable</source>
        <translation>red no disponible</translation>
    </message>
    <message>
        <source>no answer</source>
        <translation>sin respuesta</translation>
    </message>
    <message>
        <source>stopped</source>
        <translation>detenido</translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation>cancelado</translation>
    </message>
    <message>
        <source>answer about another code</source>
        <translation>respuesta sobre otro código</translation>
    </message>
    <message>
        <source>HTTP %1</source>
        <translation>HTTP %1</translation>
    </message>
    <message>
        <source>the key for %1 was refused</source>
        <translation>la clave de %1 fue rechazada</translation>
    </message>
    <message>
        <source>malformed JSON (%1)</source>
        <translation>JSON mal formado (%1)</translation>
    </message>
    <message>
        <source>not a public address: %1</source>
        <translation>no es una dirección pública: %1</translation>
    </message>
    <message>
        <source>not a loopback address: %1</source>
        <translation>no es una dirección de bucle local: %1</translation>
    </message>
    <message>
        <source> (%1)</source>
        <extracomment>Follows &quot; - no record found&quot; in the results list; %1 is why.</extracomment>
        <translation> (%1)</translation>
    </message>
    <message>
        <source>a variable-measure item (indicator 9), whose code names no one product</source>
        <translation>un artículo de medida variable (indicador 9), cuyo código no designa un producto concreto</translation>
    </message>
    <message>
        <source>%1 (case of %2)</source>
        <extracomment>A case&apos;s row: what the case holds, then that product&apos;s code.</extracomment>
        <translation>%1 (caja de %2)</translation>
    </message>
    <message>
        <source>no catalogue connection</source>
        <translation>sin conexión a catálogos</translation>
    </message>
    <message>
        <source>could not connect</source>
        <translation>no se pudo conectar</translation>
    </message>
    <message>
        <source>answer too large</source>
        <translation>respuesta demasiado grande</translation>
    </message>
    <message>
        <source>the catalogue sent no records</source>
        <translation>el catálogo no envió ningún registro</translation>
    </message>
    <message>
        <source>damaged record: %1</source>
        <translation>registro dañado: %1</translation>
    </message>
</context>
<context>
    <name>LookupRun</name>
    <message>
        <source>No failed rows to retry.</source>
        <translation>No hay filas con error que reintentar.</translation>
    </message>
    <message>
        <source>Stopped after %1 of %2 codes.</source>
        <translation>Detenido tras %1 de %2 códigos.</translation>
    </message>
    <message>
        <source>Waiting %1 s for %2&apos; turn</source>
        <extracomment>%1 is a number of seconds, %2 the name of a product database.</extracomment>
        <translation>Esperando %1 s al turno de %2</translation>
    </message>
    <message>
        <source>Waiting %1 s for %2&apos;s turn</source>
        <translation>Esperando %1 s al turno de %2</translation>
    </message>
    <message>
        <source>Processing: %1 (service busy, next try in %2 s)</source>
        <extracomment>%1 is the code being looked up, %2 a number of seconds.</extracomment>
        <translation>Procesando: %1 (servicio saturado, nuevo intento en %2 s)</translation>
    </message>
    <message>
        <source>No items added to list.</source>
        <translation>No se añadió ningún elemento a la lista.</translation>
    </message>
    <message>
        <source>Done.</source>
        <translation>Hecho.</translation>
    </message>
    <message>
        <source>Processing: %1</source>
        <extracomment>%1 is the code being looked up.</extracomment>
        <translation>Procesando: %1</translation>
    </message>
    <message>
        <source>%1 of %2 lookups failed; Lookup → Retry Failed Rows asks again.</source>
        <translation>Fallaron %1 de %2 consultas; Consulta → Reintentar filas fallidas las repite.</translation>
    </message>
    <message>
        <source>%1 found, %2 not found, %3 failed</source>
        <extracomment>%1, %2 and %3 are numbers of codes.</extracomment>
        <translation>%1 encontrados, %2 no encontrados, %3 fallidos</translation>
    </message>
    <message>
        <source>%1 found, %2 not found, %3 failed, %4 not looked up</source>
        <translation>%1 encontrados, %2 no encontrados, %3 fallidos, %4 no consultados</translation>
    </message>
    <message>
        <source>Lookup → Retry Failed Rows asks again about the failed ones.</source>
        <translation>Consulta → Reintentar filas fallidas vuelve a consultar las que fallaron.</translation>
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
        <translation>portadas</translation>
    </message>
    <message>
        <source>pictures</source>
        <translation>imágenes</translation>
    </message>
    <message>
        <source>product pages</source>
        <translation>páginas de productos</translation>
    </message>
</context>
<context>
    <name>LookupSource</name>
    <message>
        <source>Page service</source>
        <translation>Servicio de páginas</translation>
    </message>
    <message>
        <source>Product index</source>
        <translation>Índice de productos</translation>
    </message>
    <message>
        <source>UPCitemdb (paid plan)</source>
        <translation>UPCitemdb (plan de pago)</translation>
    </message>
</context>
<context>
    <name>OdsReader</name>
    <message>
        <source>its cells&apos; text stands for more than %1 spaces</source>
        <translation>el texto de sus celdas equivale a más de %1 espacios</translation>
    </message>
    <message>
        <source>it is damaged: the document holds no sheet</source>
        <translation>está dañado: el documento no contiene ninguna hoja</translation>
    </message>
</context>
<context>
    <name>OdsWorkbook</name>
    <message>
        <source>No workbook is open</source>
        <translation>No hay ningún libro abierto</translation>
    </message>
    <message>
        <source>There is no cell %1, %2 on a sheet</source>
        <translation>Una hoja no tiene ninguna celda %1, %2</translation>
    </message>
    <message>
        <source>Cannot set cell %1, %2: its row is already written</source>
        <translation>No se puede rellenar la celda %1, %2: su fila ya está escrita</translation>
    </message>
    <message>
        <source>Cannot write the workbook %1: %2</source>
        <translation>No se puede escribir el libro %1: %2</translation>
    </message>
</context>
<context>
    <name>OutcomeWriter</name>
    <message>
        <source>Code as typed</source>
        <translation>Código tal como se escribió</translation>
    </message>
    <message>
        <source>GTIN</source>
        <translation>GTIN</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Product name</source>
        <translation>Nombre del producto</translation>
    </message>
    <message>
        <source>Brand</source>
        <translation>Marca</translation>
    </message>
    <message>
        <source>Quantity</source>
        <translation>Cantidad</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Fuente</translation>
    </message>
    <message>
        <source>Why not found or failed</source>
        <translation>Por qué no se encontró o falló</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Categorías</translation>
    </message>
    <message>
        <source>Kind of code</source>
        <translation>Tipo de código</translation>
    </message>
    <message>
        <source>GS1 office</source>
        <translation>Organización GS1</translation>
    </message>
    <message>
        <source>Picture address</source>
        <translation>Dirección de la imagen</translation>
    </message>
    <message>
        <source>Page address</source>
        <translation>Dirección de la página</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>A column&apos;s readable name, then its name in the file and in batch mode&apos;s --columns.</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Same product as row</source>
        <translation>Mismo producto que la fila</translation>
    </message>
    <message>
        <source>Case of</source>
        <translation>Caja de</translation>
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
        <translation>ISBN con guiones</translation>
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
        <translation>Editorial</translation>
    </message>
    <message>
        <source>Published</source>
        <translation>Publicación</translation>
    </message>
    <message>
        <source>Catalogue record number</source>
        <translation>Número del registro de catálogo</translation>
    </message>
</context>
<context>
    <name>PartFiles</name>
    <message>
        <source>Cannot write the file %1: %2</source>
        <translation>No se puede escribir el archivo %1: %2</translation>
    </message>
    <message>
        <source>Cannot create the file %1: it is a folder</source>
        <translation>No se puede crear el archivo %1: es una carpeta</translation>
    </message>
    <message>
        <source>Cannot create the file %1: %2</source>
        <translation>No se puede crear el archivo %1: %2</translation>
    </message>
    <message>
        <source>Cannot create the file %1: no free temporary name beside it</source>
        <translation>No se puede crear el archivo %1: no hay ningún nombre temporal libre a su lado</translation>
    </message>
</context>
<context>
    <name>PictureFetch</name>
    <message>
        <source>an empty answer</source>
        <translation>una respuesta vacía</translation>
    </message>
</context>
<context>
    <name>PictureFolder</name>
    <message>
        <source>no GTIN to name the file by</source>
        <translation>ningún GTIN con el que nombrar el archivo</translation>
    </message>
    <message>
        <source>not a picture</source>
        <translation>no es una imagen</translation>
    </message>
    <message>
        <source>Pictures in %1: %2 saved, %3 already there, %4 left as your own file of that name, %5 without a picture, %6 failed.</source>
        <extracomment>%1 is a folder; then how many pictures were saved, were there already, were kept as the user&apos;s own file under that name, had no picture, and failed.</extracomment>
        <translation>Imágenes en %1: %2 guardadas, %3 ya presentes, %4 dejadas como su propio archivo con ese nombre, %5 sin imagen, %6 fallidas.</translation>
    </message>
    <message>
        <source>Why: %1.</source>
        <extracomment>%1 lists reasons, each with how many pictures failed for it.</extracomment>
        <translation>Por qué: %1.</translation>
    </message>
    <message>
        <source>The %1 there is not Quillfen&apos;s: it was left as it is, and no list was written.</source>
        <extracomment>%1 is the file name pictures.csv.</extracomment>
        <translation>El archivo %1 que hay allí no es de Quillfen: se dejó como está y no se escribió ninguna lista.</translation>
    </message>
</context>
<context>
    <name>PictureFolderSave</name>
    <message>
        <source>Saving pictures: %1 of %2</source>
        <extracomment>On the progress bar: which picture of how many is being saved.</extracomment>
        <translation>Guardando imágenes: %1 de %2</translation>
    </message>
    <message>
        <source>Stopped.</source>
        <translation>Detenido.</translation>
    </message>
    <message>
        <source>Save Pictures</source>
        <translation>Guardar imágenes</translation>
    </message>
    <message>
        <source>No product found in the results has a picture to save.</source>
        <translation>Ningún producto encontrado en los resultados tiene una imagen que guardar.</translation>
    </message>
    <message>
        <source>Pictures are saved once the lookup is over: wait for it, or stop it.</source>
        <translation>Las imágenes se guardan cuando termina la consulta: espere o deténgala.</translation>
    </message>
</context>
<context>
    <name>PictureModule</name>
    <message>
        <source>The reader of pictures and PDF pages could not be loaded: %1</source>
        <extracomment>%1 is what the system said.</extracomment>
        <translation>No se pudo cargar el lector de imágenes y páginas PDF: %1</translation>
    </message>
</context>
<context>
    <name>Politeness</name>
    <message>
        <source>Open Food Facts is busy for everyone and asks that large lists be looked up in its export instead: Lookup → Download Product Database (quillfen --download-index) imports it once for answers offline.</source>
        <translation>Open Food Facts está saturado para todos y pide que las listas grandes se consulten en su exportación: Consulta → Descargar base de datos de productos (quillfen --download-index) la importa una vez para responder sin conexión.</translation>
    </message>
</context>
<context>
    <name>PopplerPdfDocument</name>
    <message>
        <source>the PDF has no page %1</source>
        <translation>el PDF no tiene página %1</translation>
    </message>
    <message>
        <source>page %1 of the PDF is damaged</source>
        <translation>la página %1 del PDF está dañada</translation>
    </message>
    <message>
        <source>the PDF is damaged or is no PDF</source>
        <translation>el PDF está dañado o no es un PDF</translation>
    </message>
    <message>
        <source>the PDF is protected by a password</source>
        <translation>el PDF está protegido con contraseña</translation>
    </message>
    <message>
        <source>the PDF is damaged (it is cut short)</source>
        <translation>el PDF está dañado (está incompleto)</translation>
    </message>
    <message>
        <source>page %1 of the PDF cannot be drawn</source>
        <translation>la página %1 del PDF no se puede dibujar</translation>
    </message>
</context>
<context>
    <name>ProductCode</name>
    <message>
        <source>check digit should be %1</source>
        <translation>el dígito de control debería ser %1</translation>
    </message>
    <message>
        <source>the spreadsheet turned this code into the number %1 and lost its digits; format the column as text</source>
        <translation>la hoja de cálculo convirtió este código en el número %1 y perdió sus dígitos; dé formato de texto a la columna</translation>
    </message>
    <message>
        <source>not an EAN (8, 12, 13 or 14 digits expected) or an ISBN-10</source>
        <translation>no es un EAN (se esperan 8, 12, 13 o 14 dígitos) ni un ISBN-10</translation>
    </message>
</context>
<context>
    <name>ProductDatabaseMenu</name>
    <message>
        <source>Importing %1/%2 %3:
%4</source>
        <extracomment>%1 is the file&apos;s number, %2 how many files, %3 its name; then how far it has come.</extracomment>
        <translation>Importando %3 (%1/%2):
%4</translation>
    </message>
    <message>
        <source>Importing %1:
%2</source>
        <extracomment>%1 is the file&apos;s name; then how far it has come.</extracomment>
        <translation>Importando %1:
%2</translation>
    </message>
    <message>
        <source>No product index</source>
        <translation>Sin índice de productos</translation>
    </message>
    <message>
        <source>The product index cannot be read</source>
        <translation>No se puede leer el índice de productos</translation>
    </message>
    <message numerus="yes">
        <source>Index, %1 product</source>
        <extracomment>%1 is how many products the index holds.</extracomment>
        <translation>
            <numerusform>Índice, %1 producto</numerusform>
            <numerusform>Índice, %1 productos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Index, %1 products</source>
        <translation>
            <numerusform>Índice, %1 producto</numerusform>
            <numerusform>Índice, %1 productos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Index of %1, %2 product</source>
        <extracomment>%1 is the date of the index&apos;s data (2026-12-08), %2 how many products it holds.</extracomment>
        <translation>
            <numerusform>Índice del %1, %2 producto</numerusform>
            <numerusform>Índice del %1, %2 productos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Index of %1, %2 products</source>
        <translation>
            <numerusform>Índice del %1, %2 producto</numerusform>
            <numerusform>Índice del %1, %2 productos</numerusform>
        </translation>
    </message>
    <message>
        <source>Product database exports (%1)</source>
        <extracomment>A file dialog&apos;s choice; %1 is the names it shows (*.csv.gz *.csv ...).</extracomment>
        <translation>Exportaciones de bases de datos de productos (%1)</translation>
    </message>
    <message>
        <source>All Files (*.*)</source>
        <translation>Todos los archivos (*.*)</translation>
    </message>
    <message>
        <source>The product database is being downloaded; wait for it to end, or cancel it.</source>
        <translation>La base de datos de productos se está descargando; espere a que termine o cancele la operación.</translation>
    </message>
    <message>
        <source>The product database is being updated; wait for it to end, or cancel it.</source>
        <translation>La base de datos de productos se está actualizando; espere a que termine o cancele la operación.</translation>
    </message>
    <message>
        <source>The product database is being imported; wait for it to end, or cancel it.</source>
        <translation>La base de datos de productos se está importando; espere a que termine o cancele la operación.</translation>
    </message>
    <message>
        <source>Opening %1</source>
        <extracomment>%1 is the export&apos;s path.</extracomment>
        <translation>Abriendo %1</translation>
    </message>
    <message>
        <source>Downloading %1</source>
        <extracomment>%1 is the address downloaded from.</extracomment>
        <translation>Descargando %1</translation>
    </message>
    <message>
        <source>Downloading %1:</source>
        <extracomment>%1 is the address downloaded from; how far it has come follows.</extracomment>
        <translation>Descargando %1:</translation>
    </message>
    <message>
        <source>Reading the list of daily change files at %1</source>
        <translation>Leyendo la lista de archivos de cambios diarios en %1</translation>
    </message>
    <message>
        <source>Updating %1/%2 %3:</source>
        <extracomment>%1 is the file&apos;s number, %2 how many files, %3 its name; how far it has come follows.</extracomment>
        <translation>Actualizando con %3 (%1/%2):</translation>
    </message>
    <message numerus="yes">
        <source>%1 products applied</source>
        <translation>
            <numerusform>%1 producto aplicado</numerusform>
            <numerusform>%1 productos aplicados</numerusform>
        </translation>
    </message>
    <message>
        <source>Download the whole product database now?</source>
        <translation>¿Descargar ahora toda la base de datos de productos?</translation>
    </message>
    <message>
        <source>Cancelling…</source>
        <translation>Cancelando…</translation>
    </message>
    <message>
        <source>Download cancelled. What has arrived is kept, and the next download goes on from there. The product index is as it was.</source>
        <translation>Descarga cancelada. Lo ya recibido se conserva y la próxima descarga continuará desde ahí. El índice de productos no ha cambiado.</translation>
    </message>
    <message>
        <source>The download failed: %1.
The product index is as it was.</source>
        <extracomment>%1 says what went wrong.</extracomment>
        <translation>La descarga ha fallado: %1.
El índice de productos no ha cambiado.</translation>
    </message>
    <message>
        <source>Import Product Database</source>
        <translation>Importar base de datos de productos</translation>
    </message>
    <message>
        <source>Download Product Database</source>
        <translation>Descargar base de datos de productos</translation>
    </message>
    <message>
        <source>Update the Index</source>
        <translation>Actualizar el índice</translation>
    </message>
</context>
<context>
    <name>ProductDetailsView</name>
    <message>
        <source>Brand</source>
        <translation>Marca</translation>
    </message>
    <message>
        <source>Quantity</source>
        <translation>Cantidad</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Categorías</translation>
    </message>
    <message>
        <source>Countries</source>
        <translation>Países</translation>
    </message>
    <message>
        <source>Publishers</source>
        <translation>Editoriales</translation>
    </message>
    <message>
        <source>Published</source>
        <translation>Publicación</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>Código</translation>
    </message>
    <message>
        <source>Kind of code</source>
        <translation>Tipo de código</translation>
    </message>
    <message>
        <source>GS1 office</source>
        <translation>Organización GS1</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Fuente</translation>
    </message>
    <message>
        <source>Open Database License (ODbL)</source>
        <translation>Open Database License (ODbL)</translation>
    </message>
    <message>
        <source>public domain (CC0)</source>
        <translation>dominio público (CC0)</translation>
    </message>
    <message>
        <source>UPCitemdb&apos;s terms of use</source>
        <translation>condiciones de uso de UPCitemdb</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Descripción</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Imagen</translation>
    </message>
    <message>
        <source>Case of</source>
        <translation>Caja de</translation>
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
        <translation>Materias</translation>
    </message>
    <message>
        <source>Control number</source>
        <translation>Número de control</translation>
    </message>
</context>
<context>
    <name>ProgressDisplay</name>
    <message>
        <source>Progress Bar</source>
        <translation>Barra de progreso</translation>
    </message>
</context>
<context>
    <name>PublicAddress</name>
    <message>
        <source>a loopback address</source>
        <translation>una dirección de bucle local</translation>
    </message>
    <message>
        <source>a private address</source>
        <translation>una dirección privada</translation>
    </message>
    <message>
        <source>a link-local address</source>
        <translation>una dirección de enlace local</translation>
    </message>
    <message>
        <source>an unspecified address</source>
        <translation>una dirección no especificada</translation>
    </message>
    <message>
        <source>no host&apos;s address</source>
        <translation>no es la dirección de un host</translation>
    </message>
    <message>
        <source>not a web address</source>
        <translation>no es una dirección web</translation>
    </message>
    <message>
        <source>not a public address: %1 (%2)</source>
        <translation>no es una dirección pública: %1 (%2)</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Muestra la ayuda sobre las opciones de la línea de comandos.</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>Muestra la ayuda, incluidas las opciones propias de Qt.</translation>
    </message>
</context>
<context>
    <name>QtBatchConsole</name>
    <message>
        <source>Cannot read standard input: %1</source>
        <translation>No se puede leer la entrada estándar: %1</translation>
    </message>
    <message>
        <source>Cannot write to standard output: %1</source>
        <translation>No se puede escribir en la salida estándar: %1</translation>
    </message>
</context>
<context>
    <name>QtBrowserOpener</name>
    <message>
        <source>Could not open %1 in the web browser</source>
        <translation>No se pudo abrir %1 en el navegador web</translation>
    </message>
</context>
<context>
    <name>QtClipboard</name>
    <message>
        <source>The clipboard is not available</source>
        <translation>El portapapeles no está disponible</translation>
    </message>
    <message>
        <source>Clipboard format %1 is not available</source>
        <translation>El formato %1 del portapapeles no está disponible</translation>
    </message>
</context>
<context>
    <name>QtColumnChoiceDialog</name>
    <message>
        <source>Code Column</source>
        <translation>Columna de códigos</translation>
    </message>
    <message>
        <source>Which column of %1 holds the codes?</source>
        <translation>¿Qué columna de %1 contiene los códigos?</translation>
    </message>
    <message>
        <source>Columns</source>
        <translation>Columnas</translation>
    </message>
    <message>
        <source>Column</source>
        <extracomment>Columns of the list: the column&apos;s letter (A, B, ...), its first row&apos;s text, and the first values under it.</extracomment>
        <translation>Columna</translation>
    </message>
    <message>
        <source>Header</source>
        <translation>Encabezado</translation>
    </message>
    <message>
        <source>First values</source>
        <translation>Primeros valores</translation>
    </message>
</context>
<context>
    <name>QtDetailsWindow</name>
    <message>
        <source>Loading picture…</source>
        <translation>Cargando imagen…</translation>
    </message>
    <message>
        <source>no picture</source>
        <translation>sin imagen</translation>
    </message>
    <message>
        <source>Product Details</source>
        <translation>Detalles del producto</translation>
    </message>
    <message>
        <source>Open the product&apos;s page</source>
        <translation>Abrir la página del producto</translation>
    </message>
    <message>
        <source>Picture of %1</source>
        <translation>Imagen de %1</translation>
    </message>
</context>
<context>
    <name>QtDownloadStore</name>
    <message>
        <source>Could not make the folder %1</source>
        <translation>No se pudo crear la carpeta %1</translation>
    </message>
    <message>
        <source>Could not rename %1 to %2</source>
        <translation>No se pudo cambiar el nombre de %1 a %2</translation>
    </message>
    <message>
        <source>disk full</source>
        <translation>disco lleno</translation>
    </message>
</context>
<context>
    <name>QtFileSystem</name>
    <message>
        <source>%1 is a folder, not a file</source>
        <translation>%1 es una carpeta, no un archivo</translation>
    </message>
    <message>
        <source>%1 is not a file</source>
        <translation>%1 no es un archivo</translation>
    </message>
    <message>
        <source>Could not open %1: %2</source>
        <translation>No se pudo abrir %1: %2</translation>
    </message>
    <message>
        <source>Could not read %1: %2</source>
        <translation>No se pudo leer %1: %2</translation>
    </message>
    <message>
        <source>Could not make the folder %1</source>
        <translation>No se pudo crear la carpeta %1</translation>
    </message>
    <message>
        <source>Could not write %1: %2</source>
        <translation>No se pudo escribir %1: %2</translation>
    </message>
</context>
<context>
    <name>QtFolderFiles</name>
    <message>
        <source>Cannot make the folder %1: %2</source>
        <translation>No se puede crear la carpeta %1: %2</translation>
    </message>
    <message>
        <source>a file of that name is there</source>
        <translation>allí hay un archivo con ese nombre</translation>
    </message>
    <message>
        <source>Cannot write the file %1: %2</source>
        <translation>No se puede escribir el archivo %1: %2</translation>
    </message>
    <message>
        <source>Cannot write the file %1</source>
        <translation>No se puede escribir el archivo %1</translation>
    </message>
    <message>
        <source>Cannot remove the file %1: %2</source>
        <translation>No se puede eliminar el archivo %1: %2</translation>
    </message>
</context>
<context>
    <name>QtForm1Window</name>
    <message>
        <source>Double-click item to remove it. Move | line to right and out of window to reveal full names.</source>
        <translation>Haga doble clic en un elemento para quitarlo. Arrastre la línea | a la derecha, fuera de la ventana, para ver los nombres completos.</translation>
    </message>
    <message>
        <source>Add EAN Number or Numbers</source>
        <translation>Añadir uno o varios EAN</translation>
    </message>
    <message>
        <source>Load EAN Numbers From File</source>
        <translation>Cargar EAN desde un archivo</translation>
    </message>
    <message>
        <source>Clear List</source>
        <translation>Vaciar la lista</translation>
    </message>
    <message>
        <source>Load Sample/Example EANs</source>
        <translation>Cargar EAN de ejemplo</translation>
    </message>
    <message>
        <source>Start Looking Up</source>
        <translation>Iniciar consulta</translation>
    </message>
    <message>
        <source>Save Results As Text File</source>
        <translation>Guardar como texto</translation>
    </message>
    <message>
        <source>Save Results As Excel File</source>
        <translation>Guardar como Excel</translation>
    </message>
    <message>
        <source>Copy Results To Clipboard</source>
        <translation>Copiar resultados</translation>
    </message>
    <message>
        <source>Clear Results</source>
        <translation>Borrar resultados</translation>
    </message>
    <message>
        <source>Menu bar</source>
        <translation>Barra de menús</translation>
    </message>
    <message>
        <source>&amp;Lookup</source>
        <translation>&amp;Consulta</translation>
    </message>
    <message>
        <source>Lookup</source>
        <translation>Consulta</translation>
    </message>
    <message>
        <source>&amp;Sources…</source>
        <translation>&amp;Fuentes…</translation>
    </message>
    <message>
        <source>&amp;Forget Remembered Answers</source>
        <translation>&amp;Olvidar respuestas guardadas</translation>
    </message>
    <message>
        <source>&amp;Import Product Database…</source>
        <translation>&amp;Importar base de datos de productos…</translation>
    </message>
    <message>
        <source>&amp;Download Product Database</source>
        <translation>&amp;Descargar base de datos de productos</translation>
    </message>
    <message>
        <source>&amp;Update the Index</source>
        <translation>Act&amp;ualizar el índice</translation>
    </message>
    <message>
        <source>No product index</source>
        <translation>Ningún índice de productos</translation>
    </message>
    <message>
        <source>S&amp;top Looking Up</source>
        <translation>De&amp;tener la consulta</translation>
    </message>
    <message>
        <source>&amp;Retry Failed Rows</source>
        <translation>&amp;Reintentar filas fallidas</translation>
    </message>
    <message>
        <source>&amp;Product Details…</source>
        <translation>Detalles del &amp;producto…</translation>
    </message>
    <message>
        <source>Save Results &amp;As…</source>
        <translation>Guardar resultados co&amp;mo…</translation>
    </message>
    <message>
        <source>&amp;Enrich a Spreadsheet…</source>
        <translation>Compl&amp;etar una hoja de cálculo…</translation>
    </message>
    <message>
        <source>S&amp;can…</source>
        <translation>Es&amp;canear…</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>&amp;About Quillfen</source>
        <translation>&amp;Acerca de Quillfen</translation>
    </message>
    <message>
        <source>Invalid picture: %1</source>
        <translation>Imagen no válida: %1</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Idioma</translation>
    </message>
    <message>
        <source>EAN Codes</source>
        <translation>Códigos EAN</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Descripción</translation>
    </message>
    <message>
        <source>Progress Bar</source>
        <translation>Barra de progreso</translation>
    </message>
    <message>
        <source>Save Rec&amp;ords As…</source>
        <translation>Guardar re&amp;gistros como…</translation>
    </message>
    <message>
        <source>Sa&amp;ve Pictures…</source>
        <translation>Gu&amp;ardar imágenes…</translation>
    </message>
    <message>
        <source>Print &amp;Labels…</source>
        <translation>Imprimir &amp;etiquetas…</translation>
    </message>
</context>
<context>
    <name>QtHttpFetcher</name>
    <message>
        <source>not a loopback address</source>
        <translation>no es una dirección de bucle local</translation>
    </message>
    <message>
        <source>stopped</source>
        <translation>detenido</translation>
    </message>
    <message>
        <source>no data for %1 s</source>
        <extracomment>%1 is a number of seconds.</extracomment>
        <translation>sin datos durante %1 s</translation>
    </message>
    <message>
        <source>insecure redirect</source>
        <translation>redirección insegura</translation>
    </message>
    <message>
        <source>no answer</source>
        <translation>sin respuesta</translation>
    </message>
</context>
<context>
    <name>QtInputFiles</name>
    <message>
        <source>Cannot open %1: it is a folder</source>
        <translation>No se puede abrir %1: es una carpeta</translation>
    </message>
    <message>
        <source>Cannot open %1: %2</source>
        <translation>No se puede abrir %1: %2</translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>No se puede leer %1: %2</translation>
    </message>
</context>
<context>
    <name>QtKeychainStore</name>
    <message>
        <source>No keyring answers (%1).</source>
        <translation>El llavero no responde (%1).</translation>
    </message>
</context>
<context>
    <name>QtLabelPrinter</name>
    <message>
        <source>The pages could not be begun.</source>
        <translation>No se pudieron empezar las páginas.</translation>
    </message>
    <message>
        <source>No room for another page.</source>
        <translation>No hay sitio para otra página.</translation>
    </message>
    <message>
        <source>The pages could not be finished.</source>
        <translation>No se pudieron terminar las páginas.</translation>
    </message>
    <message>
        <source>Labels</source>
        <translation>Etiquetas</translation>
    </message>
    <message>
        <source>Print Labels</source>
        <translation>Imprimir etiquetas</translation>
    </message>
</context>
<context>
    <name>QtLabelsDialog</name>
    <message>
        <source>(none)</source>
        <translation>(ninguna)</translation>
    </message>
    <message>
        <source>Print Labels</source>
        <translation>Imprimir etiquetas</translation>
    </message>
    <message>
        <source>Layout</source>
        <translation>Plantilla</translation>
    </message>
    <message>
        <source>&amp;Layout:</source>
        <translation>&amp;Plantilla:</translation>
    </message>
    <message>
        <source>On each label</source>
        <translation>En cada etiqueta</translation>
    </message>
    <message>
        <source>&amp;Barcode</source>
        <translation>Código de &amp;barras</translation>
    </message>
    <message>
        <source>The code in &amp;digits</source>
        <translation>El código en &amp;dígitos</translation>
    </message>
    <message>
        <source>&amp;Name</source>
        <translation>&amp;Nombre</translation>
    </message>
    <message>
        <source>&amp;Price</source>
        <translation>P&amp;recio</translation>
    </message>
    <message>
        <source>Your &amp;text:</source>
        <translation>Su te&amp;xto:</translation>
    </message>
    <message>
        <source>Your text</source>
        <translation>Su texto</translation>
    </message>
    <message>
        <source>Currency symbol</source>
        <translation>Símbolo de divisa</translation>
    </message>
    <message>
        <source>Currenc&amp;y:</source>
        <translation>Di&amp;visa:</translation>
    </message>
    <message>
        <source>Codes</source>
        <translation>Códigos</translation>
    </message>
    <message numerus="yes">
        <source>The &amp;code list (1 code)</source>
        <translation>
            <numerusform>La lista de &amp;códigos (1 código)</numerusform>
            <numerusform>La lista de &amp;códigos (1 código)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The &amp;code list (%1 codes)</source>
        <translation>
            <numerusform>La lista de &amp;códigos (%1 código)</numerusform>
            <numerusform>La lista de &amp;códigos (%1 códigos)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The sc&amp;an session (1 code)</source>
        <translation>
            <numerusform>La &amp;sesión de escaneo (1 código)</numerusform>
            <numerusform>La &amp;sesión de escaneo (1 código)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The sc&amp;an session (%1 codes)</source>
        <translation>
            <numerusform>La &amp;sesión de escaneo (%1 código)</numerusform>
            <numerusform>La &amp;sesión de escaneo (%1 códigos)</numerusform>
        </translation>
    </message>
    <message>
        <source>A &amp;spreadsheet:</source>
        <translation>Una &amp;hoja de cálculo:</translation>
    </message>
    <message>
        <source>C&amp;hoose…</source>
        <translation>&amp;Elegir…</translation>
    </message>
    <message>
        <source>Names from the column</source>
        <translation>Nombres de la columna</translation>
    </message>
    <message>
        <source>Prices from the column</source>
        <translation>Precios de la columna</translation>
    </message>
    <message>
        <source>Na&amp;mes from:</source>
        <translation>No&amp;mbres de:</translation>
    </message>
    <message>
        <source>Pr&amp;ices from:</source>
        <translation>Preci&amp;os de:</translation>
    </message>
    <message>
        <source>How many of each</source>
        <translation>Cuántas de cada uno</translation>
    </message>
    <message>
        <source>&amp;One</source>
        <translation>&amp;Una</translation>
    </message>
    <message>
        <source>Th&amp;e scan count</source>
        <translation>El recuen&amp;to de escaneo</translation>
    </message>
    <message>
        <source>&amp;From the column:</source>
        <translation>De &amp;la columna:</translation>
    </message>
    <message>
        <source>Copies from the column</source>
        <translation>Copias de la columna</translation>
    </message>
    <message>
        <source>First free label on the sheet</source>
        <translation>Primera etiqueta libre de la hoja</translation>
    </message>
    <message>
        <source>Row</source>
        <translation>Fila</translation>
    </message>
    <message>
        <source>Column</source>
        <translation>Columna</translation>
    </message>
    <message>
        <source>Ro&amp;w:</source>
        <translation>&amp;Fila:</translation>
    </message>
    <message>
        <source>Col&amp;umn:</source>
        <translation>Column&amp;a:</translation>
    </message>
    <message>
        <source>Preview of the first page</source>
        <translation>Vista previa de la primera página</translation>
    </message>
    <message>
        <source>P&amp;rint…</source>
        <translation>&amp;Imprimir…</translation>
    </message>
    <message>
        <source>Sa&amp;ve PDF…</source>
        <translation>&amp;Guardar PDF…</translation>
    </message>
    <message>
        <source>Choose a Spreadsheet</source>
        <translation>Elegir una hoja de cálculo</translation>
    </message>
    <message>
        <source>Spreadsheets (%1);;All files (%2)</source>
        <extracomment>Two filters of a file dialog, separated by ;; (keep it); %1 and %2 are the file patterns they show.</extracomment>
        <translation>Hojas de cálculo (%1);;Todos los archivos (%2)</translation>
    </message>
</context>
<context>
    <name>QtListControl</name>
    <message>
        <source>Index out of bounds</source>
        <translation>Índice fuera de los límites</translation>
    </message>
</context>
<context>
    <name>QtOutputFiles</name>
    <message>
        <source>The workbook %1 is already written</source>
        <translation>El libro %1 ya está escrito</translation>
    </message>
</context>
<context>
    <name>QtPageLoader</name>
    <message>
        <source>connection refused</source>
        <translation>conexión rechazada</translation>
    </message>
    <message>
        <source>connection closed</source>
        <translation>conexión cerrada</translation>
    </message>
    <message>
        <source>host not found</source>
        <translation>host no encontrado</translation>
    </message>
    <message>
        <source>timed out</source>
        <translation>tiempo de espera agotado</translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation>cancelado</translation>
    </message>
    <message>
        <source>secure connection failed</source>
        <translation>falló la conexión segura</translation>
    </message>
    <message>
        <source>network unavailable</source>
        <translation>red no disponible</translation>
    </message>
    <message>
        <source>too many redirects</source>
        <translation>demasiadas redirecciones</translation>
    </message>
    <message>
        <source>insecure redirect</source>
        <translation>redirección insegura</translation>
    </message>
    <message>
        <source>malformed answer</source>
        <translation>respuesta mal formada</translation>
    </message>
    <message>
        <source>proxy error</source>
        <translation>error del proxy</translation>
    </message>
    <message>
        <source>network error</source>
        <translation>error de red</translation>
    </message>
</context>
<context>
    <name>QtPhoneScanServer</name>
    <message>
        <source>not an address of this machine: %1</source>
        <translation>no es una dirección de este equipo: %1</translation>
    </message>
    <message>
        <source>port %1 is in use; choose another port</source>
        <translation>el puerto %1 está en uso; elija otro puerto</translation>
    </message>
</context>
<context>
    <name>QtPictureFiles</name>
    <message>
        <source>not enough memory for the picture</source>
        <translation>no hay memoria suficiente para la imagen</translation>
    </message>
    <message>
        <source>the picture cannot be decoded (%1)</source>
        <translation>la imagen no se puede decodificar (%1)</translation>
    </message>
    <message>
        <source>the picture is damaged (it is cut short)</source>
        <translation>la imagen está dañada (está incompleta)</translation>
    </message>
    <message>
        <source>the picture is too large to decode in colour; save it in grey or as %1</source>
        <translation>la imagen es demasiado grande para decodificarla en color; guárdela en escala de grises o como %1</translation>
    </message>
    <message>
        <source>the picture is too large to decode</source>
        <translation>la imagen es demasiado grande para decodificarla</translation>
    </message>
    <message>
        <source>the picture cannot be written as %1 (%2)</source>
        <translation>la imagen no se puede escribir como %1 (%2)</translation>
    </message>
</context>
<context>
    <name>QtPlatform</name>
    <message>
        <source>&amp;Desktop&apos;s Language</source>
        <translation>Idioma del &amp;escritorio</translation>
    </message>
</context>
<context>
    <name>QtProgressDialog</name>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
</context>
<context>
    <name>QtScanJournal</name>
    <message>
        <source>could not write the session file to the disk</source>
        <translation>no se pudo escribir el archivo de sesión en el disco</translation>
    </message>
    <message>
        <source>could not remove %1</source>
        <translation>no se pudo eliminar %1</translation>
    </message>
    <message>
        <source>could not open the session file %1: %2</source>
        <translation>no se pudo abrir el archivo de sesión %1: %2</translation>
    </message>
    <message>
        <source>the session file %1 is not a regular file (a pipe, a device or a folder); move it away</source>
        <translation>el archivo de sesión %1 no es un archivo normal (una tubería, un dispositivo o una carpeta); muévalo a otro lugar</translation>
    </message>
</context>
<context>
    <name>QtScanWindow</name>
    <message>
        <source>Scan</source>
        <extracomment>The scan window&apos;s title (the noun: the window where codes are scanned).</extracomment>
        <translation>Escaneo</translation>
    </message>
    <message>
        <source>Scan line</source>
        <translation>Línea de escaneo</translation>
    </message>
    <message>
        <source>Scan or type a code, then Enter</source>
        <translation>Escanee o escriba un código y pulse Intro</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Respuesta</translation>
    </message>
    <message>
        <source>Scans</source>
        <translation>Escaneos</translation>
    </message>
    <message>
        <source>Count</source>
        <extracomment>The scans table&apos;s columns: how many times the code was scanned, the code, the product&apos;s name and brand, and whether it was found.</extracomment>
        <translation>Veces</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>Código</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Brand</source>
        <translation>Marca</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Send to Code List</source>
        <translation>Enviar a la lista de códigos</translation>
    </message>
    <message>
        <source>Save As…</source>
        <translation>Guardar como…</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Silenciar</translation>
    </message>
    <message>
        <source>Receive Scans From a Phone</source>
        <translation>Recibir escaneos de un teléfono</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Dirección</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Puerto</translation>
    </message>
    <message>
        <source>New Link</source>
        <translation>Nuevo enlace</translation>
    </message>
    <message>
        <source>QR code of the link</source>
        <translation>Código QR del enlace</translation>
    </message>
    <message>
        <source>Notice</source>
        <translation>Aviso</translation>
    </message>
</context>
<context>
    <name>QtSettingsStore</name>
    <message>
        <source>Could not save the setting &quot;%1&quot; in %2</source>
        <translation>No se pudo guardar el ajuste &quot;%1&quot; en %2</translation>
    </message>
</context>
<context>
    <name>QtShopColumnsDialog</name>
    <message>
        <source>Your Columns</source>
        <translation>Sus columnas</translation>
    </message>
    <message>
        <source>The shop&apos;s file takes these from %1.</source>
        <extracomment>%1 is a spreadsheet&apos;s file name.</extracomment>
        <translation>El archivo de la tienda los toma de %1.</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(ninguna)</translation>
    </message>
    <message>
        <source>Which of your columns is the price?</source>
        <translation>¿Cuál de sus columnas es el precio?</translation>
    </message>
    <message>
        <source>Which is your SKU (your own article number)?</source>
        <translation>¿Cuál es su SKU (su propia referencia de artículo)?</translation>
    </message>
    <message>
        <source>Which is the stock?</source>
        <translation>¿Cuál es el stock?</translation>
    </message>
</context>
<context>
    <name>QtSkinComponent</name>
    <message>
        <source>Could not load the skin %1: %2</source>
        <translation>No se pudo cargar el aspecto %1: %2</translation>
    </message>
    <message>
        <source>Could not load the skin %1: the file is too large to be a skin</source>
        <translation>No se pudo cargar el aspecto %1: el archivo es demasiado grande para un aspecto</translation>
    </message>
    <message>
        <source>Could not load the skin %1: the file is not a text file</source>
        <translation>No se pudo cargar el aspecto %1: el archivo no es un archivo de texto</translation>
    </message>
</context>
<context>
    <name>QtSourcesDialog</name>
    <message>
        <source>Sources</source>
        <translation>Fuentes</translation>
    </message>
    <message>
        <source>Test</source>
        <extracomment>The title of what a test lookup of a source read (the noun).</extracomment>
        <translation>Prueba</translation>
    </message>
    <message>
        <source>Read from the answer:</source>
        <translation>Leído de la respuesta:</translation>
    </message>
    <message>
        <source>The answer:</source>
        <translation>La respuesta:</translation>
    </message>
    <message>
        <source>&amp;Ask these sources, from the top down:</source>
        <translation>&amp;Consultar estas fuentes, de arriba abajo:</translation>
    </message>
    <message>
        <source>Space ticks or unticks; Ctrl+Up and Ctrl+Down move.</source>
        <translation>Espacio marca o desmarca; Ctrl+Arriba y Ctrl+Abajo mueven.</translation>
    </message>
    <message>
        <source>Move &amp;Up</source>
        <translation>&amp;Subir</translation>
    </message>
    <message>
        <source>Move &amp;Down</source>
        <translation>&amp;Bajar</translation>
    </message>
    <message>
        <source>&amp;Add a Source...</source>
        <translation>&amp;Añadir una fuente...</translation>
    </message>
    <message>
        <source>Add a Source</source>
        <translation>Añadir una fuente</translation>
    </message>
    <message>
        <source>Source files (%1);;All files (%2)</source>
        <extracomment>Two filters of a file dialog, separated by ;; (keep it); %1 and %2 are the file patterns they show.</extracomment>
        <translation>Archivos de fuente (%1);;Todos los archivos (%2)</translation>
    </message>
    <message>
        <source>Set &amp;Key...</source>
        <translation>Definir la cla&amp;ve...</translation>
    </message>
    <message>
        <source>Set Key</source>
        <translation>Definir la clave</translation>
    </message>
    <message>
        <source>The key for %1:</source>
        <translation>La clave para %1:</translation>
    </message>
    <message>
        <source>&amp;Forget Key</source>
        <translation>&amp;Olvidar la clave</translation>
    </message>
    <message>
        <source>&amp;Test...</source>
        <translation>P&amp;robar...</translation>
    </message>
    <message>
        <source>Code to look up:</source>
        <translation>Código que consultar:</translation>
    </message>
    <message>
        <source>&amp;Page service address:</source>
        <translation>Dirección del servicio de &amp;páginas:</translation>
    </message>
    <message>
        <source>Page service address</source>
        <translation>Dirección del servicio de páginas</translation>
    </message>
    <message>
        <source>Fill the &amp;gaps from the next sources</source>
        <translation>Completar los &amp;huecos con las fuentes siguientes</translation>
    </message>
    <message>
        <source>A found product without a brand, a quantity or a picture is completed from the next sources that know the code.</source>
        <translation>Un producto encontrado sin marca, cantidad o imagen se completa con las fuentes siguientes que conocen el código.</translation>
    </message>
    <message>
        <source>From a file...</source>
        <translation>Desde un archivo...</translation>
    </message>
    <message>
        <source>Tick one of the sources Quillfen comes with, or choose &quot;From a file...&quot; to add a source described in a file of your own. A file&apos;s path may also be typed here.</source>
        <translation>Marque una de las fuentes que trae Quillfen, o elija «Desde un archivo...» para añadir una fuente descrita en un archivo propio. También puede escribirse aquí la ruta de un archivo.</translation>
    </message>
</context>
<context>
    <name>RecordWriter</name>
    <message numerus="yes">
        <source>Left out of the file, without a catalogue record (%n): %1</source>
        <extracomment>%n is how many codes, %1 the codes themselves.</extracomment>
        <translation>
            <numerusform>Fuera del archivo, sin registro de catálogo (%n): %1</numerusform>
            <numerusform>Fuera del archivo, sin registro de catálogo (%n): %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RecordsFileSave</name>
    <message numerus="yes">
        <source>Catalogue records saved in %1: %n.</source>
        <extracomment>%1 is the file, %n how many records it holds.</extracomment>
        <translation>
            <numerusform>Registros de catálogo guardados en %1: %n.</numerusform>
            <numerusform>Registros de catálogo guardados en %1: %n.</numerusform>
        </translation>
    </message>
    <message>
        <source>Save Records As</source>
        <translation>Guardar registros como</translation>
    </message>
    <message>
        <source>MARC 21 Records (*.mrc)|*.mrc|MARCXML Records (*.xml)|*.xml|</source>
        <extracomment>A file dialog&apos;s choices: a name, then after &quot;|&quot; the files it shows, each ending in &quot;|&quot;. Translate the names only; keep every &quot;|&quot; and pattern.</extracomment>
        <translation>Registros MARC 21 (*.mrc)|*.mrc|Registros MARCXML (*.xml)|*.xml|</translation>
    </message>
    <message>
        <source>None of the ticked results holds a catalogue record. Records come from the library catalogues (loc, dnb, k10plus or one of your own), chosen in Lookup &gt; Sources.</source>
        <translation>Ninguno de los resultados marcados tiene un registro de catálogo. Los registros vienen de los catálogos de bibliotecas (loc, dnb, k10plus o uno propio), elegidos en Consulta &gt; Fuentes.</translation>
    </message>
</context>
<context>
    <name>ResultsFileSave</name>
    <message>
        <source>Save Results As</source>
        <translation>Guardar resultados como</translation>
    </message>
    <message>
        <source>CSV (*.csv)|*.csv|Tab-Separated Text (*.tsv)|*.tsv|JSON (*.json)|*.json|JSON Lines (*.jsonl)|*.jsonl|Excel Workbook (*.xlsx)|*.xlsx|OpenDocument Spreadsheet (*.ods)|*.ods|</source>
        <extracomment>A file dialog&apos;s choices: a name, then after &quot;|&quot; the files it shows, each ending in &quot;|&quot;. Translate the names only; keep every &quot;|&quot; and pattern.</extracomment>
        <translation>CSV (*.csv)|*.csv|Texto separado por tabulaciones (*.tsv)|*.tsv|JSON (*.json)|*.json|JSON Lines (*.jsonl)|*.jsonl|Libro de Excel (*.xlsx)|*.xlsx|Hoja de cálculo OpenDocument (*.ods)|*.ods|</translation>
    </message>
    <message>
        <source>Columns</source>
        <extracomment>The title of the box that asks which columns a saved file holds.</extracomment>
        <translation>Columnas</translation>
    </message>
    <message>
        <source>Which columns go into the file?</source>
        <translation>¿Qué columnas se incluyen en el archivo?</translation>
    </message>
    <message>
        <source>There are no ticked results to save.</source>
        <translation>No hay resultados marcados para guardar.</translation>
    </message>
    <message>
        <source>Shopify Products (*.csv)|*.csv|WooCommerce Products (*.csv)|*.csv|Google Merchant Center Feed (*.tsv)|*.tsv|</source>
        <extracomment>The shops&apos; import files, offered after the formats above in the same dialog.</extracomment>
        <translation>Productos de Shopify (*.csv)|*.csv|Productos de WooCommerce (*.csv)|*.csv|Feed de Google Merchant Center (*.tsv)|*.tsv|</translation>
    </message>
</context>
<context>
    <name>ResultsTableActions</name>
    <message>
        <source>Results have been copied to the clipboard.<byte value="xd"/><byte value="xd"/>Click a text area where you normally type and press Ctrl+V to paste the clipboard.</source>
        <translation>Los resultados se han copiado en el portapapeles.<byte value="xd"/><byte value="xd"/>Haga clic en un área de texto donde suela escribir y pulse Ctrl+V para pegar el portapapeles.</translation>
    </message>
</context>
<context>
    <name>SaveUntilSaved</name>
    <message>
        <source>%1. Nothing was saved.</source>
        <extracomment>%1 says why the file could not be written.</extracomment>
        <translation>%1. No se ha guardado nada.</translation>
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
    <message>
        <source>Codes sent to the code list: %1. Already in it: %2.</source>
        <extracomment>%1: how many of the session&apos;s codes were added to the code list; %2: how many it held already.</extracomment>
        <translation>Códigos enviados a la lista de códigos: %1. Ya estaban en ella: %2.</translation>
    </message>
</context>
<context>
    <name>SheetBuilder</name>
    <message>
        <source>it has more than %1 rows</source>
        <translation>tiene más de %1 filas</translation>
    </message>
    <message>
        <source>it has more than %1 columns</source>
        <translation>tiene más de %1 columnas</translation>
    </message>
    <message>
        <source>it has more than %1 cells that hold something</source>
        <translation>tiene más de %1 celdas con contenido</translation>
    </message>
    <message>
        <source>it is damaged: it holds the row %1 twice</source>
        <translation>está dañado: contiene dos veces la fila %1</translation>
    </message>
</context>
<context>
    <name>SheetCodeLoader</name>
    <message>
        <source>The file %1 holds no codes. No codes were loaded from it.</source>
        <translation>El archivo %1 no contiene códigos. No se cargó ningún código de él.</translation>
    </message>
</context>
<context>
    <name>SheetEnrichment</name>
    <message>
        <source>Excel Workbook (*.xlsx)</source>
        <translation>Libro de Excel (*.xlsx)</translation>
    </message>
    <message>
        <source>OpenDocument Spreadsheet (*.ods)</source>
        <translation>Hoja de cálculo OpenDocument (*.ods)</translation>
    </message>
    <message>
        <source>Tab-Separated Text (*.tsv)</source>
        <translation>Texto separado por tabulaciones (*.tsv)</translation>
    </message>
    <message>
        <source>%1 with names</source>
        <extracomment>A file name offered for the enriched copy; %1 is the spreadsheet&apos;s own name.</extracomment>
        <translation>%1 con nombres</translation>
    </message>
    <message numerus="yes">
        <source>The enriched spreadsheet was saved. One cell longer than Excel&apos;s limit of %1 characters was cut, ending in ….</source>
        <extracomment>%1 is how many characters a cell may hold.</extracomment>
        <translation>
            <numerusform>La hoja de cálculo completada se ha guardado. Una celda que superaba el límite de Excel de %1 caracteres se ha recortado y termina en ….</numerusform>
            <numerusform>La hoja de cálculo completada se ha guardado. Una celda que superaba el límite de Excel de %1 caracteres se ha recortado y termina en ….</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The enriched spreadsheet was saved. %1 cells longer than Excel&apos;s limit of %2 characters were cut, ending in ….</source>
        <extracomment>%1 is how many cells, %2 how many characters a cell may hold.</extracomment>
        <translation>
            <numerusform>La hoja de cálculo completada se ha guardado. %1 celda que superaba el límite de Excel de %2 caracteres se ha recortado y termina en ….</numerusform>
            <numerusform>La hoja de cálculo completada se ha guardado. %1 celdas que superaban el límite de Excel de %2 caracteres se han recortado y terminan en ….</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 cannot be copied as it is: %2.

Save a copy of its values instead, without its formulas, formats and other sheets?</source>
        <extracomment>%1 is the spreadsheet&apos;s file name, %2 why it cannot be copied.</extracomment>
        <translation>%1 no se puede copiar tal cual: %2.

¿Guardar en su lugar una copia de sus valores, sin fórmulas, formatos ni otras hojas?</translation>
    </message>
    <message numerus="yes">
        <source>The enriched spreadsheet was saved. One character of the answers is not in its encoding (Windows-1252) and was written as &quot;?&quot;.</source>
        <translation>
            <numerusform>La hoja de cálculo completada se ha guardado. Un carácter de las respuestas no existe en su codificación (Windows-1252) y se ha escrito como &quot;?&quot;.</numerusform>
            <numerusform>La hoja de cálculo completada se ha guardado. Un carácter de las respuestas no existe en su codificación (Windows-1252) y se ha escrito como &quot;?&quot;.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The enriched spreadsheet was saved. %1 characters of the answers are not in its encoding (Windows-1252) and were written as &quot;?&quot;.</source>
        <extracomment>%1 is how many characters.</extracomment>
        <translation>
            <numerusform>La hoja de cálculo completada se ha guardado. %1 carácter de las respuestas no existe en su codificación (Windows-1252) y se ha escrito como &quot;?&quot;.</numerusform>
            <numerusform>La hoja de cálculo completada se ha guardado. %1 caracteres de las respuestas no existen en su codificación (Windows-1252) y se han escrito como &quot;?&quot;.</numerusform>
        </translation>
    </message>
    <message>
        <source>Enrich a Spreadsheet</source>
        <translation>Completar una hoja de cálculo</translation>
    </message>
    <message>
        <source>Save the Enriched Spreadsheet</source>
        <translation>Guardar la hoja de cálculo completada</translation>
    </message>
    <message>
        <source>Spreadsheets (*.xlsx *.ods *.csv *.tsv)|*.xlsx;*.ods;*.csv;*.tsv|</source>
        <extracomment>A file dialog&apos;s choice: a name, then after &quot;|&quot; the files it shows, ending in &quot;|&quot;. Translate the name only; keep every &quot;|&quot; and pattern.</extracomment>
        <translation>Hojas de cálculo (*.xlsx *.ods *.csv *.tsv)|*.xlsx;*.ods;*.csv;*.tsv|</translation>
    </message>
    <message>
        <source>The enriched copy cannot replace the spreadsheet it comes from</source>
        <translation>La copia completada no puede sustituir a la hoja de cálculo de la que procede</translation>
    </message>
</context>
<context>
    <name>SheetFile</name>
    <message>
        <source>it has no sheet &quot;%1&quot;; its sheets are %2</source>
        <translation>no tiene ninguna hoja &quot;%1&quot;; sus hojas son %2</translation>
    </message>
    <message>
        <source>it is encrypted with a password: save it without one first</source>
        <translation>está cifrado con contraseña: guárdelo primero sin contraseña</translation>
    </message>
    <message>
        <source>it is an Excel 97-2003 workbook: save it as .xlsx first</source>
        <translation>es un libro de Excel 97-2003: guárdelo primero como .xlsx</translation>
    </message>
    <message>
        <source>it is larger than the limit of %1</source>
        <translation>supera el límite de %1</translation>
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
        <translation>%1 bytes</translation>
    </message>
</context>
<context>
    <name>ShopFileWriter</name>
    <message>
        <source>Shop file: %1 products. Left out: %2 not found, %3 failed, %4 not looked up, %5 without a name.</source>
        <extracomment>The products a shop&apos;s import file holds, and how many outcomes were left out, by why.</extracomment>
        <translation>Archivo de tienda: %1 productos. Omitidos: %2 no encontrados, %3 fallidos, %4 no consultados, %5 sin nombre.</translation>
    </message>
    <message>
        <source>Rows of a product already in the file, left out: %1.</source>
        <extracomment>Rows whose code is that of a product an earlier row already made (another form of the same GTIN, or the same code again).</extracomment>
        <translation>Filas de un producto que ya está en el archivo, omitidas: %1.</translation>
    </message>
    <message>
        <source>Cells of your price column that held no price, left empty: %1.</source>
        <translation>Celdas de su columna de precios que no contenían un precio, dejadas vacías: %1.</translation>
    </message>
    <message>
        <source>Cells of your stock column that held no whole number, left empty: %1.</source>
        <translation>Celdas de su columna de stock que no contenían un número entero, dejadas vacías: %1.</translation>
    </message>
</context>
<context>
    <name>SortBy</name>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Text Files (*.txt)|*.txt|All Files (*.*)|*.*|</source>
        <extracomment>Pairs of a description and its pattern, each followed by &quot;|&quot;: translate the descriptions only.</extracomment>
        <translation>Archivos de texto (*.txt)|*.txt|Todos los archivos (*.*)|*.*|</translation>
    </message>
    <message>
        <source>Writing file: %1</source>
        <extracomment>%1 is the name of the file being written.</extracomment>
        <translation>Escribiendo archivo: %1</translation>
    </message>
    <message>
        <source>Done.</source>
        <translation>Hecho.</translation>
    </message>
</context>
<context>
    <name>SourceFile</name>
    <message>
        <source>unknown field</source>
        <translation>campo desconocido</translation>
    </message>
    <message>
        <source>missing</source>
        <translation>falta</translation>
    </message>
    <message>
        <source>not a text</source>
        <translation>no es un texto</translation>
    </message>
    <message>
        <source>longer than %1 characters</source>
        <translation>más de %1 caracteres</translation>
    </message>
    <message>
        <source>holds a control character</source>
        <translation>contiene un carácter de control</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vacío</translation>
    </message>
    <message>
        <source>not a whole number from %1 to %2</source>
        <translation>no es un número entero de %1 a %2</translation>
    </message>
    <message>
        <source>not a JSON pointer</source>
        <translation>no es un puntero JSON</translation>
    </message>
    <message>
        <source>not an object</source>
        <translation>no es un objeto</translation>
    </message>
    <message>
        <source>unknown placeholder {%1}</source>
        <translation>marcador desconocido {%1}</translation>
    </message>
    <message>
        <source>&quot;all&quot;, &quot;isbn&quot; or a list of kinds (&quot;EAN-13&quot;, &quot;UPC-A&quot;)</source>
        <translation>&quot;all&quot;, &quot;isbn&quot; o una lista de tipos (&quot;EAN-13&quot;, &quot;UPC-A&quot;)</translation>
    </message>
    <message>
        <source>unknown kind %1</source>
        <translation>tipo desconocido %1</translation>
    </message>
    <message>
        <source>not an http:// or https:// address</source>
        <translation>no es una dirección http:// o https://</translation>
    </message>
    <message>
        <source>holds a user name or password</source>
        <translation>contiene un nombre de usuario o una contraseña</translation>
    </message>
    <message>
        <source>GET or POST</source>
        <translation>GET o POST</translation>
    </message>
    <message>
        <source>not a header name</source>
        <translation>no es un nombre de encabezado</translation>
    </message>
    <message>
        <source>not a text of one line</source>
        <translation>no es un texto de una sola línea</translation>
    </message>
    <message>
        <source>only a POST sends a body</source>
        <translation>solo un POST envía un cuerpo</translation>
    </message>
    <message>
        <source>either json or form, not both</source>
        <translation>json o form, no ambos</translation>
    </message>
    <message>
        <source>missing (a POST sends json or form)</source>
        <translation>falta (un POST envía json o form)</translation>
    </message>
    <message>
        <source>&quot;required&quot; or &quot;optional&quot;</source>
        <translation>&quot;required&quot; u &quot;optional&quot;</translation>
    </message>
    <message>
        <source>no template names {key}</source>
        <translation>ninguna plantilla contiene {key}</translation>
    </message>
    <message>
        <source>not a list</source>
        <translation>no es una lista</translation>
    </message>
    <message>
        <source>not an HTTP error status other than 429 and 503</source>
        <translation>no es un estado de error HTTP distinto de 429 y 503</translation>
    </message>
    <message>
        <source>not true or false</source>
        <translation>no es true ni false</translation>
    </message>
    <message>
        <source>not a text, number, true, false or null</source>
        <translation>no es un texto, número, true, false ni null</translation>
    </message>
    <message>
        <source>lower-case letters and digits only</source>
        <translation>solo letras minúsculas y dígitos</translation>
    </message>
    <message>
        <source>%1: larger than %2 KB</source>
        <translation>%1: más de %2 KB</translation>
    </message>
    <message>
        <source>%1: not JSON (%2 at byte %3)</source>
        <extracomment>%1 is the file&apos;s name, %2 what the JSON reader says is wrong, %3 where.</extracomment>
        <translation>%1: no es JSON (%2 en el byte %3)</translation>
    </message>
    <message>
        <source>%1: not a JSON object</source>
        <translation>%1: no es un objeto JSON</translation>
    </message>
    <message>
        <source>&quot;z3950&quot; or &quot;sru&quot;</source>
        <translation>«z3950» o «sru»</translation>
    </message>
    <message>
        <source>not a host name or address</source>
        <translation>no es un nombre de host ni una dirección</translation>
    </message>
    <message>
        <source>true or false, and only for SRU</source>
        <translation>true o false, y solo para SRU</translation>
    </message>
    <message>
        <source>holds a space, &quot;?&quot; or &quot;#&quot;</source>
        <translation>contiene un espacio, «?» o «#»</translation>
    </message>
    <message>
        <source>names neither {isbn13} nor {isbn10}</source>
        <translation>no nombra ni {isbn13} ni {isbn10}</translation>
    </message>
</context>
<context>
    <name>SourceTools</name>
    <message>
        <source>No key was typed; nothing was kept.</source>
        <translation>No se ha escrito ninguna clave; no se ha guardado nada.</translation>
    </message>
    <message>
        <source>%1 The key was not kept anywhere. Give it in %2, or with --key-file %3=PATH (a file only you may read).</source>
        <extracomment>%1 says why the keyring refused, %2 is an environment variable, %3 the source&apos;s name.</extracomment>
        <translation>%1 La clave no se ha guardado en ningún sitio. Indíquela en %2 o con --key-file %3=PATH (un archivo que solo usted pueda leer).</translation>
    </message>
    <message>
        <source>The key for %1 is kept in your desktop&apos;s keyring.</source>
        <translation>La clave de %1 se guarda en el llavero de su escritorio.</translation>
    </message>
    <message>
        <source>The keyring holds no key for %1 any more.</source>
        <translation>El llavero ya no contiene ninguna clave para %1.</translation>
    </message>
    <message>
        <source>%1 cannot be tested here.</source>
        <translation>%1 no se puede probar aquí.</translation>
    </message>
    <message>
        <source>%1 does not look up such codes (%2).</source>
        <extracomment>%1 is a source, %2 why it does not take the code.</extracomment>
        <translation>%1 no consulta este tipo de códigos (%2).</translation>
    </message>
    <message>
        <source>not one it takes</source>
        <translation>no lo admite</translation>
    </message>
    <message>
        <source>Asked: %1</source>
        <extracomment>%1 is the address asked.</extracomment>
        <translation>Dirección consultada: %1</translation>
    </message>
    <message>
        <source>HTTP status: %1</source>
        <translation>Estado HTTP: %1</translation>
    </message>
    <message>
        <source>No answer: %1</source>
        <translation>Sin respuesta: %1</translation>
    </message>
    <message>
        <source>Found.</source>
        <translation>Encontrado.</translation>
    </message>
    <message>
        <source>Not found.</source>
        <translation>No encontrado.</translation>
    </message>
    <message>
        <source>Failed: %1</source>
        <translation>Error: %1</translation>
    </message>
    <message>
        <source>[... %1 bytes in all]</source>
        <translation>[... %1 bytes en total]</translation>
    </message>
    <message>
        <source>%1: name: &quot;%2&quot; is a built-in source&apos;s</source>
        <extracomment>%1 is a file, &quot;name&quot; the field in it (keep it), %2 the name it gives.</extracomment>
        <translation>%1: name: &quot;%2&quot; es el nombre de una fuente integrada</translation>
    </message>
    <message>
        <source>%1 is used for this session only.</source>
        <extracomment>%1 is a source&apos;s name.</extracomment>
        <translation>%1 solo se usa en esta sesión.</translation>
    </message>
    <message>
        <source>%1 is kept in %2 and used from now on.</source>
        <extracomment>%1 is a source&apos;s name, %2 the file it is read from at every start.</extracomment>
        <translation>%1 se guarda en %2 y se usa a partir de ahora.</translation>
    </message>
    <message>
        <source>Your sources folder %2 already holds a file named %1. Replace it?</source>
        <extracomment>%1 is a file name, %2 a folder.</extracomment>
        <translation>Su carpeta de fuentes %2 ya contiene un archivo llamado %1. ¿Desea reemplazarlo?</translation>
    </message>
    <message>
        <source>It could not be kept for later sessions: %1</source>
        <extracomment>%1 says why the file could not be written.</extracomment>
        <translation>No se pudo guardar para sesiones posteriores: %1</translation>
    </message>
    <message>
        <source>Asked: %1 for %2</source>
        <extracomment>%1 is the catalogue&apos;s address, %2 the query sent to it.</extracomment>
        <translation>Consultado: %1 por %2</translation>
    </message>
    <message>
        <source>Records found: %1</source>
        <translation>Registros encontrados: %1</translation>
    </message>
</context>
<context>
    <name>SourcesSetting</name>
    <message>
        <source>Product index</source>
        <translation>Índice de productos</translation>
    </message>
    <message>
        <source>Page service</source>
        <translation>Servicio de páginas</translation>
    </message>
    <message>
        <source>Tick at least one source.</source>
        <translation>Marque al menos una fuente.</translation>
    </message>
    <message>
        <source>The page service needs an address, such as http://lookup.example.net:8080. Type one, or untick it.</source>
        <translation>El servicio de páginas necesita una dirección, como http://lookup.example.net:8080. Escriba una o desmárquelo.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be used as the page service&apos;s address: it must start with http:// or https:// and name a host, as in http://lookup.example.net:8080.</source>
        <extracomment>%1 is the address typed.</extracomment>
        <translation>&quot;%1&quot; no se puede usar como dirección del servicio de páginas: debe empezar por http:// o https:// e indicar un host, como en http://lookup.example.net:8080.</translation>
    </message>
    <message>
        <source>This session asks the sources named on the command line or in the environment (%1), and the page service at %2. What you choose here is saved for later sessions started without them.</source>
        <extracomment>%1 lists the sources, %2 is the page service&apos;s address.</extracomment>
        <translation>Esta sesión consulta las fuentes indicadas en la línea de órdenes o en el entorno (%1) y el servicio de páginas en %2. Lo que elija aquí se guarda para las sesiones posteriores que se inicien sin ellas.</translation>
    </message>
    <message>
        <source>This session asks the sources named on the command line or in the environment (%1). What you choose here is saved for later sessions started without them.</source>
        <extracomment>%1 lists the sources.</extracomment>
        <translation>Esta sesión consulta las fuentes indicadas en la línea de órdenes o en el entorno (%1). Lo que elija aquí se guarda para las sesiones posteriores que se inicien sin ellas.</translation>
    </message>
    <message>
        <source>This session asks the page service alone, at %1, as named on the command line or in the environment. What you choose here is saved for later sessions started without it.</source>
        <extracomment>%1 is the page service&apos;s address.</extracomment>
        <translation>Esta sesión consulta solo el servicio de páginas, en %1, como se indica en la línea de órdenes o en el entorno. Lo que elija aquí se guarda para las sesiones posteriores que se inicien sin él.</translation>
    </message>
</context>
<context>
    <name>SpreadsheetExport</name>
    <message>
        <source>The spreadsheet application did not start</source>
        <translation>La aplicación de hoja de cálculo no se inició</translation>
    </message>
    <message>
        <source>Excel is not installed on this computer. You need to have it installed to use this software without error.</source>
        <translation>Excel no está instalado en este equipo. Debe estar instalado para usar este programa sin errores.</translation>
    </message>
    <message>
        <source>Save the Workbook</source>
        <translation>Guardar el libro</translation>
    </message>
    <message>
        <source>Excel Workbook (*.xlsx)|*.xlsx|</source>
        <extracomment>A description and its pattern, followed by &quot;|&quot;: translate the description only.</extracomment>
        <translation>Libro de Excel (*.xlsx)|*.xlsx|</translation>
    </message>
</context>
<context>
    <name>SqliteAnswerStore</name>
    <message>
        <source>the remembered answers were written by a newer Quillfen; this run does not use them</source>
        <translation>las respuestas guardadas las escribió un Quillfen más reciente; esta ejecución no las usa</translation>
    </message>
    <message>
        <source>its folder cannot be made</source>
        <translation>no se puede crear su carpeta</translation>
    </message>
    <message>
        <source>Qt&apos;s SQLite driver is not installed</source>
        <translation>el controlador SQLite de Qt no está instalado</translation>
    </message>
    <message>
        <source>the check found nothing</source>
        <translation>la comprobación no encontró nada</translation>
    </message>
    <message>
        <source>it cannot be opened for writing</source>
        <translation>no se puede abrir para escribir</translation>
    </message>
    <message>
        <source>%1; it cannot be moved aside: %2</source>
        <translation>%1; no se puede apartar: %2</translation>
    </message>
    <message>
        <source>The file of remembered answers %1 was damaged (%2). It was moved aside as %3, and a new one was started.</source>
        <translation>El archivo de respuestas guardadas %1 estaba dañado (%2). Se apartó como %3 y se creó uno nuevo.</translation>
    </message>
    <message>
        <source>Answers cannot be remembered in %1 (%2). Lookups go on without remembering them.</source>
        <translation>No se pueden guardar las respuestas en %1 (%2). Las consultas continúan sin guardarlas.</translation>
    </message>
</context>
<context>
    <name>SqlitePacingStore</name>
    <message>
        <source>its folder cannot be made</source>
        <translation>no se puede crear su carpeta</translation>
    </message>
    <message>
        <source>Qt&apos;s SQLite driver is not installed</source>
        <translation>el controlador SQLite de Qt no está instalado</translation>
    </message>
    <message>
        <source>Pacing cannot be shared with other Quillfen runs through %1 (%2). This run keeps its own pace.</source>
        <translation>El ritmo de las consultas no se puede compartir con otras ejecuciones de Quillfen a través de %1 (%2). Esta ejecución mantiene su propio ritmo.</translation>
    </message>
</context>
<context>
    <name>SqliteProductIndex</name>
    <message>
        <source>unknown database error</source>
        <translation>error de base de datos desconocido</translation>
    </message>
    <message>
        <source>Could not write the product index: %1</source>
        <translation>No se pudo escribir el índice de productos: %1</translation>
    </message>
    <message>
        <source>Could not put the new product index in place at %1</source>
        <translation>No se pudo colocar el nuevo índice de productos en %1</translation>
    </message>
    <message>
        <source>it was made by another version of Quillfen; import the database again</source>
        <translation>lo creó otra versión de Quillfen; importe de nuevo la base de datos</translation>
    </message>
    <message>
        <source>not a product index of this version of Quillfen</source>
        <translation>no es un índice de productos de esta versión de Quillfen</translation>
    </message>
    <message>
        <source>There is no product index to update at %1</source>
        <translation>No hay ningún índice de productos que actualizar en %1</translation>
    </message>
    <message>
        <source>Another import or update of the product index is under way (%1)</source>
        <translation>Ya hay otra importación o actualización del índice de productos en curso (%1)</translation>
    </message>
    <message>
        <source>Could not copy the product index to %1</source>
        <translation>No se pudo copiar el índice de productos a %1</translation>
    </message>
    <message>
        <source>The product index cannot be updated: %1</source>
        <translation>El índice de productos no se puede actualizar: %1</translation>
    </message>
    <message>
        <source>Could not make the folder %1</source>
        <translation>No se pudo crear la carpeta %1</translation>
    </message>
    <message>
        <source>Another import of the product index is under way (%1)</source>
        <translation>Ya hay otra importación del índice de productos en curso (%1)</translation>
    </message>
    <message>
        <source>A row came before its export</source>
        <translation>Una fila llegó antes que su exportación</translation>
    </message>
    <message>
        <source>The product index was not finished: cancelled</source>
        <translation>El índice de productos no se terminó: cancelado</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>memoria insuficiente</translation>
    </message>
</context>
<context>
    <name>UiLanguage</name>
    <message>
        <source>The language you chose takes effect when Quillfen is next started.</source>
        <translation>El idioma elegido se aplicará la próxima vez que se inicie Quillfen.</translation>
    </message>
</context>
<context>
    <name>WorkbookPart</name>
    <message>
        <source>it is damaged: the part %1 is missing</source>
        <translation>está dañado: falta la parte %1</translation>
    </message>
    <message>
        <source>its part %1 inflates past the limit of %2</source>
        <translation>su parte %1 supera el límite de %2 al descomprimirse</translation>
    </message>
    <message>
        <source>its part %1 inflates past the limit of %2 times its packed size</source>
        <translation>su parte %1 supera %2 veces su tamaño comprimido al descomprimirse</translation>
    </message>
    <message>
        <source>it is damaged: the part %1, line %2: %3</source>
        <translation>está dañado: parte %1, línea %2: %3</translation>
    </message>
</context>
<context>
    <name>XlsxReader</name>
    <message>
        <source>it is damaged: the cell %1 of %2 names no shared string</source>
        <translation>está dañado: la celda %1 de %2 no remite a ninguna cadena compartida</translation>
    </message>
    <message>
        <source>it is damaged: the workbook lists no sheet</source>
        <translation>está dañado: el libro no incluye ninguna hoja</translation>
    </message>
    <message>
        <source>it is damaged: the sheet &quot;%1&quot; has no part</source>
        <translation>está dañado: la hoja &quot;%1&quot; no tiene parte</translation>
    </message>
    <message>
        <source>it is damaged: the cell %1 of %2 holds no number</source>
        <translation>está dañado: la celda %1 de %2 no contiene ningún número</translation>
    </message>
    <message>
        <source>it is damaged: the cell %1 of %2 stands in the row %3</source>
        <translation>está dañado: la celda %1 de %2 está en la fila %3</translation>
    </message>
</context>
<context>
    <name>XlsxSpreadsheetTarget</name>
    <message>
        <source>A workbook is already open</source>
        <translation>Ya hay un libro abierto</translation>
    </message>
    <message>
        <source>No workbook is open</source>
        <translation>No hay ningún libro abierto</translation>
    </message>
    <message>
        <source>No application could open the workbook %1</source>
        <translation>Ninguna aplicación pudo abrir el libro %1</translation>
    </message>
    <message>
        <source>Cannot create a workbook in %1: %2</source>
        <translation>No se puede crear un libro en %1: %2</translation>
    </message>
    <message>
        <source>Cannot find a free name for a workbook in %1</source>
        <translation>No se encuentra ningún nombre libre para un libro en %1</translation>
    </message>
    <message>
        <source>No application to open spreadsheets (%1 files) is installed</source>
        <translation>No hay ninguna aplicación instalada para abrir hojas de cálculo (archivos %1)</translation>
    </message>
</context>
<context>
    <name>XlsxWorkbook</name>
    <message>
        <source>Cannot create a new workbook</source>
        <translation>No se puede crear un libro nuevo</translation>
    </message>
    <message>
        <source>Cannot create a new workbook: %1</source>
        <translation>No se puede crear un libro nuevo: %1</translation>
    </message>
    <message>
        <source>There is no cell %1, %2 on a sheet</source>
        <translation>Una hoja no tiene ninguna celda %1, %2</translation>
    </message>
    <message>
        <source>Cannot set cell %1, %2</source>
        <translation>No se puede rellenar la celda %1, %2</translation>
    </message>
    <message>
        <source>Cannot add the number format %1</source>
        <translation>No se puede añadir el formato de número %1</translation>
    </message>
    <message>
        <source>There is no cell 1, %1 on a sheet</source>
        <translation>Una hoja no tiene ninguna celda 1, %1</translation>
    </message>
    <message>
        <source>Cannot write the workbook %1</source>
        <translation>No se puede escribir el libro %1</translation>
    </message>
    <message>
        <source>No workbook is open</source>
        <translation>No hay ningún libro abierto</translation>
    </message>
</context>
<context>
    <name>XmlTokens</name>
    <message>
        <source>it is damaged: the part %1 declares entities</source>
        <translation>está dañado: la parte %1 declara entidades</translation>
    </message>
    <message>
        <source>it is damaged: the part %1 cannot be read (%2)</source>
        <translation>está dañado: no se puede leer la parte %1 (%2)</translation>
    </message>
</context>
<context>
    <name>ZintSymbol</name>
    <message>
        <source>Out of memory.</source>
        <translation>Memoria agotada.</translation>
    </message>
    <message>
        <source>libzint cannot draw it: %1</source>
        <extracomment>%1 is what the barcode library said.</extracomment>
        <translation>libzint no puede dibujarlo: %1</translation>
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
    <message>
        <source>QUILLFEN_ISBN_RANGES: %1: %2; the built-in ISBN ranges are used.</source>
        <extracomment>%1 is a file, %2 why it cannot be used.</extracomment>
        <translation>QUILLFEN_ISBN_RANGES: %1: %2; se usan los rangos ISBN incorporados.</translation>
    </message>
    <message>
        <source>%1 could not be started: %2</source>
        <extracomment>%1 is a program&apos;s file, %2 what the system said.</extracomment>
        <translation>No se pudo iniciar %1: %2</translation>
    </message>
</context>
</TS>
