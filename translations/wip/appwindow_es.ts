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
    <name>ConnectivityCheck</name>
    <message>
        <source>You must be online to use this software accurately.</source>
        <translation>Debe estar conectado a Internet para usar este programa correctamente.</translation>
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
</TS>
