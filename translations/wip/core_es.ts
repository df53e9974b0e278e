<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
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
        <source>Done.
%1 of %2 lookups failed; Lookup → Retry Failed Rows asks again.</source>
        <translation>Hecho.
Fallaron %1 de %2 consultas; Consulta → Reintentar filas con error las repite.</translation>
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
    <name>Politeness</name>
    <message>
        <source>Open Food Facts is busy for everyone and asks that large lists be looked up in its export instead: Lookup → Download Product Database (quillfen --download-index) imports it once for answers offline.</source>
        <translation>Open Food Facts está saturado para todos y pide que las listas grandes se consulten en su exportación: Consulta → Descargar base de datos de productos (quillfen --download-index) la importa una vez para responder sin conexión.</translation>
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
    <name>ResultsTableActions</name>
    <message>
        <source>Results have been copied to the clipboard.<byte value="xd"/><byte value="xd"/>Click a text area where you normally type and press Ctrl+V to paste the clipboard.</source>
        <translation>Los resultados se han copiado en el portapapeles.<byte value="xd"/><byte value="xd"/>Haga clic en un área de texto donde suela escribir y pulse Ctrl+V para pegar el portapapeles.</translation>
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
</context>
<context>
    <name>SheetCodeLoader</name>
    <message>
        <source>The file %1 holds no codes. No codes were loaded from it.</source>
        <translation>El archivo %1 no contiene códigos. No se cargó ningún código de él.</translation>
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
</TS>
