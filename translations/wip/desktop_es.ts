<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
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
        <translation>&amp;Olvidar las respuestas guardadas</translation>
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
</context>
<context>
    <name>QtSettingsStore</name>
    <message>
        <source>Could not save the setting &quot;%1&quot; in %2</source>
        <translation>No se pudo guardar el ajuste &quot;%1&quot; en %2</translation>
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
        <source>A file...</source>
        <translation>Un archivo...</translation>
    </message>
    <message>
        <source>Add a Source</source>
        <translation>Añadir una fuente</translation>
    </message>
    <message>
        <source>Source:</source>
        <translation>Fuente:</translation>
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
</TS>
