<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>AboutText</name>
    <message>
        <source>an unknown date</source>
        <translation>inconnue</translation>
    </message>
    <message>
        <source>None: no source can be asked as things are set.</source>
        <translation>Aucune : aucune source ne peut être interrogée avec les réglages actuels.</translation>
    </message>
    <message>
        <source>Asked in this order until one knows the code:</source>
        <translation>Interrogées dans cet ordre jusqu&apos;à ce que l&apos;une d&apos;elles connaisse le code :</translation>
    </message>
    <message>
        <source>&lt;b&gt;Open Food Facts, Open Beauty Facts, Open Pet Food Facts and Open Products Facts&lt;/b&gt;: data by the Open Food Facts contributors (%1), available under the Open Database Licence (%2). The product index is made from their exports and comes under the same licence.</source>
        <extracomment>HTML. %1 links to the database&apos;s site, %2 to the licence.</extracomment>
        <translation>&lt;b&gt;Open Food Facts, Open Beauty Facts, Open Pet Food Facts et Open Products Facts&lt;/b&gt; : données des contributeurs d&apos;Open Food Facts (%1), disponibles sous l&apos;Open Database License (%2). L&apos;index des produits est créé à partir de leurs exports et relève de la même licence.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Open Library&lt;/b&gt; (%1), a project of the Internet Archive: its catalogue data is in the public domain, free for anyone to reuse (%2).</source>
        <extracomment>HTML. %1 links to the site, %2 to its data terms.</extracomment>
        <translation>&lt;b&gt;Open Library&lt;/b&gt; (%1), un projet de l&apos;Internet Archive : ses données de catalogue sont dans le domaine public, librement réutilisables par tous (%2).</translation>
    </message>
    <message>
        <source>Open Library&apos;s data terms</source>
        <translation>conditions d&apos;utilisation des données d&apos;Open Library</translation>
    </message>
    <message>
        <source>&lt;b&gt;UPCitemdb&lt;/b&gt; (%1): product data used subject to its terms of service.</source>
        <extracomment>HTML. %1 links to the site.</extracomment>
        <translation>&lt;b&gt;UPCitemdb&lt;/b&gt; (%1) : données de produits utilisées conformément à ses conditions d&apos;utilisation.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Page service&lt;/b&gt;: the lookup service at the address you name; its own terms apply.</source>
        <translation>&lt;b&gt;Service de pages&lt;/b&gt; : le service de recherche à l&apos;adresse que vous indiquez ; ses propres conditions s&apos;appliquent.</translation>
    </message>
    <message>
        <source>No product index imported. Lookup → Import Product Database or Download Product Database makes one.</source>
        <translation>Aucun index des produits importé. Recherche → Importer la base de produits ou Télécharger la base de produits en crée un.</translation>
    </message>
    <message>
        <source>The product index in %1 cannot be read: %2</source>
        <extracomment>%1 is the index file&apos;s path, %2 what is wrong with it.</extracomment>
        <translation>L&apos;index des produits dans %1 ne peut pas être lu : %2</translation>
    </message>
    <message numerus="yes">
        <source>%1 products, %2, in %3.</source>
        <extracomment>%1 is the number of products, %2 the file&apos;s size (&quot;12.3 MB&quot;), %3 its path.</extracomment>
        <translation>
            <numerusform>%1 produit, %2, dans %3.</numerusform>
            <numerusform>%1 produits, %2, dans %3.</numerusform>
        </translation>
    </message>
    <message>
        <source>Databases: %1.</source>
        <translation>Bases de données : %1.</translation>
    </message>
    <message numerus="yes">
        <source>%1: %2, exported %3, %4 products</source>
        <extracomment>%1 is a database, %2 its export&apos;s file name, %3 the export&apos;s date, %4 how many products it held.</extracomment>
        <translation>
            <numerusform>%1 : %2, date d&apos;export : %3, %4 produit</numerusform>
            <numerusform>%1 : %2, date d&apos;export : %3, %4 produits</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>This session neither uses nor keeps remembered answers (--no-cache). %1 answer kept in %2.</source>
        <extracomment>%1 is the number of answers, %2 where they are kept.</extracomment>
        <translation>
            <numerusform>Cette session n&apos;utilise ni ne conserve de réponses mémorisées (--no-cache). %1 réponse conservée dans %2.</numerusform>
            <numerusform>Cette session n&apos;utilise ni ne conserve de réponses mémorisées (--no-cache). %1 réponses conservées dans %2.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>This session neither uses nor keeps remembered answers (--no-cache). %1 answers kept in %2.</source>
        <translation>
            <numerusform>Cette session n&apos;utilise ni ne conserve de réponses mémorisées (--no-cache). %1 réponse conservée dans %2.</numerusform>
            <numerusform>Cette session n&apos;utilise ni ne conserve de réponses mémorisées (--no-cache). %1 réponses conservées dans %2.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 answer of the open databases remembered in %2. Each is used again instead of asking, for up to a month (a week for codes not found); Lookup → Forget Remembered Answers clears them.</source>
        <extracomment>%1 is the number of answers, %2 where they are kept.</extracomment>
        <translation>
            <numerusform>%1 réponse des bases ouvertes mémorisée dans %2. Chacune est réutilisée au lieu d&apos;interroger à nouveau, pendant un mois au plus (une semaine pour les codes introuvables) ; Recherche → Oublier les réponses mémorisées les efface.</numerusform>
            <numerusform>%1 réponses des bases ouvertes mémorisées dans %2. Chacune est réutilisée au lieu d&apos;interroger à nouveau, pendant un mois au plus (une semaine pour les codes introuvables) ; Recherche → Oublier les réponses mémorisées les efface.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 answers of the open databases remembered in %2. Each is used again instead of asking, for up to a month (a week for codes not found); Lookup → Forget Remembered Answers clears them.</source>
        <translation>
            <numerusform>%1 réponse des bases ouvertes mémorisée dans %2. Chacune est réutilisée au lieu d&apos;interroger à nouveau, pendant un mois au plus (une semaine pour les codes introuvables) ; Recherche → Oublier les réponses mémorisées les efface.</numerusform>
            <numerusform>%1 réponses des bases ouvertes mémorisées dans %2. Chacune est réutilisée au lieu d&apos;interroger à nouveau, pendant un mois au plus (une semaine pour les codes introuvables) ; Recherche → Oublier les réponses mémorisées les efface.</numerusform>
        </translation>
    </message>
    <message>
        <source>Looks up EAN product codes in batches.</source>
        <translation>Recherche des codes produits EAN par lots.</translation>
    </message>
    <message>
        <source>Sources in use</source>
        <translation>Sources utilisées</translation>
    </message>
    <message>
        <source>Where the data comes from</source>
        <translation>Origine des données</translation>
    </message>
    <message>
        <source>Product index</source>
        <translation>Index des produits</translation>
    </message>
    <message>
        <source>Download Product Database fetches the export from %1.</source>
        <translation>Télécharger la base de produits récupère l&apos;export depuis %1.</translation>
    </message>
    <message>
        <source>Remembered answers</source>
        <translation>Réponses mémorisées</translation>
    </message>
    <message>
        <source>About Quillfen</source>
        <translation>À propos de Quillfen</translation>
    </message>
</context>
<context>
    <name>ConnectivityCheck</name>
    <message>
        <source>You must be online to use this software accurately.</source>
        <translation>Vous devez être en ligne pour utiliser ce logiciel correctement.</translation>
    </message>
</context>
<context>
    <name>FileSources</name>
    <message>
        <source>%1: name: &quot;%2&quot; is a built-in source&apos;s</source>
        <extracomment>%1 is a file, &quot;name&quot; the field in it (keep it), %2 the name it gives.</extracomment>
        <translation>%1 : name : « %2 » est le nom d&apos;une source intégrée</translation>
    </message>
    <message>
        <source>%1 is not an http:// or https:// address: %2</source>
        <extracomment>%1 is an environment variable, %2 its value.</extracomment>
        <translation>%1 n&apos;est pas une adresse http:// ou https:// : %2</translation>
    </message>
    <message>
        <source>%1 wants a whole number of requests a minute, 1 or more, not &quot;%2&quot;.</source>
        <extracomment>%1 is an environment variable, %2 its value.</extracomment>
        <translation>%1 attend un nombre entier de requêtes par minute, 1 ou plus, et non « %2 ».</translation>
    </message>
    <message>
        <source>%1 (--sources or QUILLFEN_SOURCES)</source>
        <extracomment>%1 says which source is wrong; the option and the variable name where it was chosen.</extracomment>
        <translation>%1 (--sources ou QUILLFEN_SOURCES)</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>No answers are remembered.</source>
        <translation>Aucune réponse n&apos;est mémorisée.</translation>
    </message>
    <message numerus="yes">
        <source>Forget the remembered answer? The open databases will be asked again about every code.</source>
        <translation>
            <numerusform>Oublier la réponse mémorisée ? Les bases ouvertes seront de nouveau interrogées pour chaque code.</numerusform>
            <numerusform>Oublier la réponse mémorisée ? Les bases ouvertes seront de nouveau interrogées pour chaque code.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Forget the %1 remembered answers? The open databases will be asked again about every code.</source>
        <translation>
            <numerusform>Oublier %1 réponse mémorisée ? Les bases ouvertes seront de nouveau interrogées pour chaque code.</numerusform>
            <numerusform>Oublier les %1 réponses mémorisées ? Les bases ouvertes seront de nouveau interrogées pour chaque code.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 was not opened: %2.</source>
        <extracomment>%1 is a web address, %2 why it was refused.</extracomment>
        <translation>%1 n&apos;a pas été ouvert : %2.</translation>
    </message>
    <message>
        <source>%1 was not opened: only this machine may be reached (QUILLFEN_LOOPBACK_ONLY).</source>
        <translation>%1 n&apos;a pas été ouvert : seule cette machine peut être contactée (QUILLFEN_LOOPBACK_ONLY).</translation>
    </message>
    <message>
        <source>EAN Codes</source>
        <translation>Codes EAN</translation>
    </message>
    <message>
        <source>Description</source>
        <extracomment>The header of the results list: each row describes the product of a code.</extracomment>
        <translation>Description</translation>
    </message>
</context>
<context>
    <name>LookupSetup</name>
    <message>
        <source>covers</source>
        <extracomment>What an address in the About box is for: the books&apos; cover pictures.</extracomment>
        <translation>couvertures</translation>
    </message>
    <message>
        <source>pictures</source>
        <translation>images</translation>
    </message>
    <message>
        <source>product pages</source>
        <translation>pages des produits</translation>
    </message>
</context>
<context>
    <name>ProductDatabaseMenu</name>
    <message>
        <source>Importing %1/%2 %3:
%4</source>
        <extracomment>%1 is the file&apos;s number, %2 how many files, %3 its name; then how far it has come.</extracomment>
        <translation>Importation de %3 (%1/%2) :
%4</translation>
    </message>
    <message>
        <source>Importing %1:
%2</source>
        <extracomment>%1 is the file&apos;s name; then how far it has come.</extracomment>
        <translation>Importation de %1 :
%2</translation>
    </message>
    <message>
        <source>No product index</source>
        <translation>Aucun index des produits</translation>
    </message>
    <message>
        <source>The product index cannot be read</source>
        <translation>L&apos;index des produits est illisible</translation>
    </message>
    <message numerus="yes">
        <source>Index, %1 product</source>
        <extracomment>%1 is how many products the index holds.</extracomment>
        <translation>
            <numerusform>Index, %1 produit</numerusform>
            <numerusform>Index, %1 produits</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Index, %1 products</source>
        <translation>
            <numerusform>Index, %1 produit</numerusform>
            <numerusform>Index, %1 produits</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Index of %1, %2 product</source>
        <extracomment>%1 is the date of the index&apos;s data (2026-12-08), %2 how many products it holds.</extracomment>
        <translation>
            <numerusform>Index du %1, %2 produit</numerusform>
            <numerusform>Index du %1, %2 produits</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Index of %1, %2 products</source>
        <translation>
            <numerusform>Index du %1, %2 produit</numerusform>
            <numerusform>Index du %1, %2 produits</numerusform>
        </translation>
    </message>
    <message>
        <source>Product database exports (%1)</source>
        <extracomment>A file dialog&apos;s choice; %1 is the names it shows (*.csv.gz *.csv ...).</extracomment>
        <translation>Exports de bases de produits (%1)</translation>
    </message>
    <message>
        <source>All Files (*.*)</source>
        <translation>Tous les fichiers (*.*)</translation>
    </message>
    <message>
        <source>The product database is being downloaded; wait for it to end, or cancel it.</source>
        <translation>La base de produits est en cours de téléchargement ; attendez la fin ou annulez l&apos;opération.</translation>
    </message>
    <message>
        <source>The product database is being updated; wait for it to end, or cancel it.</source>
        <translation>La base de produits est en cours de mise à jour ; attendez la fin ou annulez l&apos;opération.</translation>
    </message>
    <message>
        <source>The product database is being imported; wait for it to end, or cancel it.</source>
        <translation>La base de produits est en cours d&apos;importation ; attendez la fin ou annulez l&apos;opération.</translation>
    </message>
    <message>
        <source>Opening %1</source>
        <extracomment>%1 is the export&apos;s path.</extracomment>
        <translation>Ouverture de %1</translation>
    </message>
    <message>
        <source>Downloading %1</source>
        <extracomment>%1 is the address downloaded from.</extracomment>
        <translation>Téléchargement de %1</translation>
    </message>
    <message>
        <source>Downloading %1:</source>
        <extracomment>%1 is the address downloaded from; how far it has come follows.</extracomment>
        <translation>Téléchargement de %1 :</translation>
    </message>
    <message>
        <source>Reading the list of daily change files at %1</source>
        <translation>Lecture de la liste des fichiers de modifications quotidiens sur %1</translation>
    </message>
    <message>
        <source>Updating %1/%2 %3:</source>
        <extracomment>%1 is the file&apos;s number, %2 how many files, %3 its name; how far it has come follows.</extracomment>
        <translation>Mise à jour avec %3 (%1/%2) :</translation>
    </message>
    <message numerus="yes">
        <source>%1 products applied</source>
        <translation>
            <numerusform>%1 produit appliqué</numerusform>
            <numerusform>%1 produits appliqués</numerusform>
        </translation>
    </message>
    <message>
        <source>Download the whole product database now?</source>
        <translation>Télécharger maintenant toute la base de produits ?</translation>
    </message>
    <message>
        <source>Cancelling…</source>
        <translation>Annulation…</translation>
    </message>
    <message>
        <source>Download cancelled. What has arrived is kept, and the next download goes on from there. The product index is as it was.</source>
        <translation>Téléchargement annulé. Ce qui a déjà été reçu est conservé, et le prochain téléchargement reprendra à partir de là. L&apos;index des produits est inchangé.</translation>
    </message>
    <message>
        <source>The download failed: %1.
The product index is as it was.</source>
        <extracomment>%1 says what went wrong.</extracomment>
        <translation>Le téléchargement a échoué : %1.
L&apos;index des produits est inchangé.</translation>
    </message>
    <message>
        <source>Import Product Database</source>
        <translation>Importer la base de produits</translation>
    </message>
    <message>
        <source>Download Product Database</source>
        <translation>Télécharger la base de produits</translation>
    </message>
    <message>
        <source>Update the Index</source>
        <translation>Mettre à jour l&apos;index</translation>
    </message>
</context>
<context>
    <name>ProductDetailsView</name>
    <message>
        <source>Brand</source>
        <translation>Marque</translation>
    </message>
    <message>
        <source>Quantity</source>
        <translation>Quantité</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Catégories</translation>
    </message>
    <message>
        <source>Countries</source>
        <translation>Pays</translation>
    </message>
    <message>
        <source>Publishers</source>
        <translation>Éditeurs</translation>
    </message>
    <message>
        <source>Published</source>
        <translation>Publication</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>Code</translation>
    </message>
    <message>
        <source>Kind of code</source>
        <translation>Type de code</translation>
    </message>
    <message>
        <source>GS1 office</source>
        <translation>Organisation GS1</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Source</translation>
    </message>
    <message>
        <source>Open Database License (ODbL)</source>
        <translation>Open Database License (ODbL)</translation>
    </message>
    <message>
        <source>public domain (CC0)</source>
        <translation>domaine public (CC0)</translation>
    </message>
    <message>
        <source>UPCitemdb&apos;s terms of use</source>
        <translation>conditions d&apos;utilisation d&apos;UPCitemdb</translation>
    </message>
</context>
<context>
    <name>ResultsFileSave</name>
    <message>
        <source>Save Results As</source>
        <translation>Enregistrer les résultats sous</translation>
    </message>
    <message>
        <source>CSV (*.csv)|*.csv|Tab-Separated Text (*.tsv)|*.tsv|JSON (*.json)|*.json|JSON Lines (*.jsonl)|*.jsonl|Excel Workbook (*.xlsx)|*.xlsx|OpenDocument Spreadsheet (*.ods)|*.ods|</source>
        <extracomment>A file dialog&apos;s choices: a name, then after &quot;|&quot; the files it shows, each ending in &quot;|&quot;. Translate the names only; keep every &quot;|&quot; and pattern.</extracomment>
        <translation>CSV (*.csv)|*.csv|Texte séparé par des tabulations (*.tsv)|*.tsv|JSON (*.json)|*.json|JSON Lines (*.jsonl)|*.jsonl|Classeur Excel (*.xlsx)|*.xlsx|Feuille de calcul OpenDocument (*.ods)|*.ods|</translation>
    </message>
    <message>
        <source>Columns</source>
        <extracomment>The title of the box that asks which columns a saved file holds.</extracomment>
        <translation>Colonnes</translation>
    </message>
    <message>
        <source>Which columns go into the file?</source>
        <translation>Quelles colonnes inclure dans le fichier ?</translation>
    </message>
    <message>
        <source>There are no ticked results to save.</source>
        <translation>Il n&apos;y a aucun résultat coché à enregistrer.</translation>
    </message>
</context>
<context>
    <name>SaveUntilSaved</name>
    <message>
        <source>%1. Nothing was saved.</source>
        <extracomment>%1 says why the file could not be written.</extracomment>
        <translation>%1. Rien n&apos;a été enregistré.</translation>
    </message>
</context>
<context>
    <name>SheetEnrichment</name>
    <message>
        <source>Excel Workbook (*.xlsx)</source>
        <translation>Classeur Excel (*.xlsx)</translation>
    </message>
    <message>
        <source>OpenDocument Spreadsheet (*.ods)</source>
        <translation>Feuille de calcul OpenDocument (*.ods)</translation>
    </message>
    <message>
        <source>Tab-Separated Text (*.tsv)</source>
        <translation>Texte séparé par des tabulations (*.tsv)</translation>
    </message>
    <message>
        <source>%1 with names</source>
        <extracomment>A file name offered for the enriched copy; %1 is the spreadsheet&apos;s own name.</extracomment>
        <translation>%1 avec noms</translation>
    </message>
    <message numerus="yes">
        <source>The enriched spreadsheet was saved. One cell longer than Excel&apos;s limit of %1 characters was cut, ending in ….</source>
        <extracomment>%1 is how many characters a cell may hold.</extracomment>
        <translation>
            <numerusform>La feuille de calcul complétée a été enregistrée. Une cellule dépassant la limite d&apos;Excel de %1 caractères a été coupée et se termine par ….</numerusform>
            <numerusform>La feuille de calcul complétée a été enregistrée. Une cellule dépassant la limite d&apos;Excel de %1 caractères a été coupée et se termine par ….</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The enriched spreadsheet was saved. %1 cells longer than Excel&apos;s limit of %2 characters were cut, ending in ….</source>
        <extracomment>%1 is how many cells, %2 how many characters a cell may hold.</extracomment>
        <translation>
            <numerusform>La feuille de calcul complétée a été enregistrée. %1 cellule dépassant la limite d&apos;Excel de %2 caractères a été coupée et se termine par ….</numerusform>
            <numerusform>La feuille de calcul complétée a été enregistrée. %1 cellules dépassant la limite d&apos;Excel de %2 caractères ont été coupées et se terminent par ….</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 cannot be copied as it is: %2.

Save a copy of its values instead, without its formulas, formats and other sheets?</source>
        <extracomment>%1 is the spreadsheet&apos;s file name, %2 why it cannot be copied.</extracomment>
        <translation>%1 ne peut pas être copié tel quel : %2.

Enregistrer plutôt une copie de ses valeurs, sans ses formules, formats et autres feuilles ?</translation>
    </message>
    <message numerus="yes">
        <source>The enriched spreadsheet was saved. One character of the answers is not in its encoding (Windows-1252) and was written as &quot;?&quot;.</source>
        <translation>
            <numerusform>La feuille de calcul complétée a été enregistrée. Un caractère des réponses n&apos;existe pas dans son encodage (Windows-1252) et a été écrit « ? ».</numerusform>
            <numerusform>La feuille de calcul complétée a été enregistrée. Un caractère des réponses n&apos;existe pas dans son encodage (Windows-1252) et a été écrit « ? ».</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The enriched spreadsheet was saved. %1 characters of the answers are not in its encoding (Windows-1252) and were written as &quot;?&quot;.</source>
        <extracomment>%1 is how many characters.</extracomment>
        <translation>
            <numerusform>La feuille de calcul complétée a été enregistrée. %1 caractère des réponses n&apos;existe pas dans son encodage (Windows-1252) et a été écrit « ? ».</numerusform>
            <numerusform>La feuille de calcul complétée a été enregistrée. %1 caractères des réponses n&apos;existent pas dans son encodage (Windows-1252) et ont été écrits « ? ».</numerusform>
        </translation>
    </message>
    <message>
        <source>Enrich a Spreadsheet</source>
        <translation>Compléter une feuille de calcul</translation>
    </message>
    <message>
        <source>Save the Enriched Spreadsheet</source>
        <translation>Enregistrer la feuille de calcul complétée</translation>
    </message>
    <message>
        <source>Spreadsheets (*.xlsx *.ods *.csv *.tsv)|*.xlsx;*.ods;*.csv;*.tsv|</source>
        <extracomment>A file dialog&apos;s choice: a name, then after &quot;|&quot; the files it shows, ending in &quot;|&quot;. Translate the name only; keep every &quot;|&quot; and pattern.</extracomment>
        <translation>Feuilles de calcul (*.xlsx *.ods *.csv *.tsv)|*.xlsx;*.ods;*.csv;*.tsv|</translation>
    </message>
    <message>
        <source>The enriched copy cannot replace the spreadsheet it comes from</source>
        <translation>La copie complétée ne peut pas remplacer la feuille de calcul d&apos;origine</translation>
    </message>
</context>
<context>
    <name>SourceTools</name>
    <message>
        <source>No key was typed; nothing was kept.</source>
        <translation>Aucune clé n&apos;a été saisie ; rien n&apos;a été conservé.</translation>
    </message>
    <message>
        <source>%1 The key was not kept anywhere. Give it in %2, or with --key-file %3=PATH (a file only you may read).</source>
        <extracomment>%1 says why the keyring refused, %2 is an environment variable, %3 the source&apos;s name.</extracomment>
        <translation>%1 La clé n&apos;a été conservée nulle part. Indiquez-la dans %2, ou avec --key-file %3=PATH (un fichier que vous seul pouvez lire).</translation>
    </message>
    <message>
        <source>The key for %1 is kept in your desktop&apos;s keyring.</source>
        <translation>La clé de %1 est conservée dans le trousseau de clés de votre bureau.</translation>
    </message>
    <message>
        <source>The keyring holds no key for %1 any more.</source>
        <translation>Le trousseau de clés ne contient plus de clé pour %1.</translation>
    </message>
    <message>
        <source>%1 cannot be tested here.</source>
        <translation>%1 ne peut pas être testée ici.</translation>
    </message>
    <message>
        <source>%1 does not look up such codes (%2).</source>
        <extracomment>%1 is a source, %2 why it does not take the code.</extracomment>
        <translation>%1 ne recherche pas ce type de code (%2).</translation>
    </message>
    <message>
        <source>not one it takes</source>
        <translation>elle ne le prend pas en charge</translation>
    </message>
    <message>
        <source>Asked: %1</source>
        <extracomment>%1 is the address asked.</extracomment>
        <translation>Adresse interrogée : %1</translation>
    </message>
    <message>
        <source>HTTP status: %1</source>
        <translation>Statut HTTP : %1</translation>
    </message>
    <message>
        <source>No answer: %1</source>
        <translation>Pas de réponse : %1</translation>
    </message>
    <message>
        <source>Found.</source>
        <translation>Trouvé.</translation>
    </message>
    <message>
        <source>Not found.</source>
        <translation>Introuvable.</translation>
    </message>
    <message>
        <source>Failed: %1</source>
        <translation>Échec : %1</translation>
    </message>
    <message>
        <source>[... %1 bytes in all]</source>
        <translation>[... %1 octets au total]</translation>
    </message>
    <message>
        <source>%1: name: &quot;%2&quot; is a built-in source&apos;s</source>
        <extracomment>%1 is a file, &quot;name&quot; the field in it (keep it), %2 the name it gives.</extracomment>
        <translation>%1 : name : « %2 » est le nom d&apos;une source intégrée</translation>
    </message>
</context>
<context>
    <name>SourcesSetting</name>
    <message>
        <source>Product index</source>
        <translation>Index des produits</translation>
    </message>
    <message>
        <source>Page service</source>
        <translation>Service de pages</translation>
    </message>
    <message>
        <source>Tick at least one source.</source>
        <translation>Cochez au moins une source.</translation>
    </message>
    <message>
        <source>The page service needs an address, such as http://lookup.example.net:8080. Type one, or untick it.</source>
        <translation>Le service de pages a besoin d&apos;une adresse, par exemple http://lookup.example.net:8080. Saisissez-en une ou décochez-le.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be used as the page service&apos;s address: it must start with http:// or https:// and name a host, as in http://lookup.example.net:8080.</source>
        <extracomment>%1 is the address typed.</extracomment>
        <translation>« %1 » ne peut pas servir d&apos;adresse au service de pages : elle doit commencer par http:// ou https:// et nommer un hôte, comme dans http://lookup.example.net:8080.</translation>
    </message>
    <message>
        <source>This session asks the sources named on the command line or in the environment (%1), and the page service at %2. What you choose here is saved for later sessions started without them.</source>
        <extracomment>%1 lists the sources, %2 is the page service&apos;s address.</extracomment>
        <translation>Cette session interroge les sources indiquées sur la ligne de commande ou dans l&apos;environnement (%1), ainsi que le service de pages à %2. Ce que vous choisissez ici est enregistré pour les sessions suivantes lancées sans elles.</translation>
    </message>
    <message>
        <source>This session asks the sources named on the command line or in the environment (%1). What you choose here is saved for later sessions started without them.</source>
        <extracomment>%1 lists the sources.</extracomment>
        <translation>Cette session interroge les sources indiquées sur la ligne de commande ou dans l&apos;environnement (%1). Ce que vous choisissez ici est enregistré pour les sessions suivantes lancées sans elles.</translation>
    </message>
    <message>
        <source>This session asks the page service alone, at %1, as named on the command line or in the environment. What you choose here is saved for later sessions started without it.</source>
        <extracomment>%1 is the page service&apos;s address.</extracomment>
        <translation>Cette session interroge uniquement le service de pages, à %1, comme indiqué sur la ligne de commande ou dans l&apos;environnement. Ce que vous choisissez ici est enregistré pour les sessions suivantes lancées sans lui.</translation>
    </message>
</context>
</TS>
