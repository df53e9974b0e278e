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
    <name>AppConfig</name>
    <message>
        <source>Unknown lookup source &quot;%1&quot;: choose from %2.</source>
        <translation>Source inconnue « %1 » : choisissez parmi %2.</translation>
    </message>
    <message>
        <source>No lookup source named: give one or more of %1.</source>
        <translation>Aucune source indiquée : indiquez-en une ou plusieurs parmi %1.</translation>
    </message>
    <message>
        <source>The host the start-up connectivity check pings (default: %1; environment: QUILLFEN_PING_HOST).</source>
        <translation>L&apos;hôte que la vérification de connexion au démarrage interroge par ping (par défaut : %1 ; variable d&apos;environnement : QUILLFEN_PING_HOST).</translation>
    </message>
    <message>
        <source>The page service to ask: scheme, host, optional port and path, for example http://127.0.0.1:8080. Named alone, it is the only source. Overrides QUILLFEN_SERVICE_URL.</source>
        <translation>Le service de pages à interroger : schéma, hôte, port et chemin facultatifs, par exemple http://127.0.0.1:8080. Indiqué seul, il est la seule source. Prime sur QUILLFEN_SERVICE_URL.</translation>
    </message>
    <message>
        <source>The lookup sources to ask, in order, comma-separated: index, openfoodfacts, openlibrary, upcitemdb, page (default: index (when imported), openfoodfacts, openlibrary). Overrides QUILLFEN_SOURCES.</source>
        <translation>Les sources à interroger, dans l&apos;ordre, séparées par des virgules : index, openfoodfacts, openlibrary, upcitemdb, page (par défaut : index (s&apos;il a été importé), openfoodfacts, openlibrary). Prime sur QUILLFEN_SOURCES.</translation>
    </message>
    <message>
        <source>With --import-index and --download-index: the languages whose product names the index keeps, comma-separated, at most four (default: the language of names).</source>
        <translation>Avec --import-index et --download-index : les langues dont l&apos;index conserve les noms de produits, séparées par des virgules, quatre au plus (par défaut : la langue des noms).</translation>
    </message>
    <message>
        <source>Remember no answers between runs, and use none remembered (environment: QUILLFEN_NO_CACHE=1).</source>
        <translation>Ne mémoriser aucune réponse d&apos;une exécution à l&apos;autre et n&apos;utiliser aucune réponse mémorisée (variable d&apos;environnement : QUILLFEN_NO_CACHE=1).</translation>
    </message>
    <message>
        <source>Up to N requests to the page service at once, 1 to %1 (default 1; environment: QUILLFEN_PARALLEL). The open databases keep their own pace.</source>
        <translation>Jusqu&apos;à N requêtes simultanées au service de pages, de 1 à %1 (par défaut 1 ; variable d&apos;environnement : QUILLFEN_PARALLEL). Les bases ouvertes gardent leur propre rythme.</translation>
    </message>
    <message>
        <source>Look up the codes of the files (standard input without any, or for &quot;-&quot;) without a window, and write the results. Pictures and PDFs give the codes of their barcodes.</source>
        <translation>Rechercher sans fenêtre les codes des fichiers (ceux de l&apos;entrée standard s&apos;il n&apos;y en a aucun, ou pour « - ») et écrire les résultats. Les images et les PDF donnent les codes de leurs codes-barres.</translation>
    </message>
    <message>
        <source>Read scans from standard input, one a line (a barcode scanner typing codes), without a window, and write a row for each to standard output once it is answered, with a count column after the code; a repeat writes the code&apos;s row again with its new count. Takes --format (csv, tsv, json, jsonl) and --columns.</source>
        <translation>Lire les scans sur l&apos;entrée standard, un par ligne (une douchette qui saisit les codes), sans fenêtre, et écrire une ligne pour chacun sur la sortie standard dès qu&apos;il a sa réponse, avec une colonne de comptage après le code ; un scan répété réécrit la ligne du code avec son nouveau compte. Accepte --format (csv, tsv, json, jsonl) et --columns.</translation>
    </message>
    <message>
        <source>With --batch: the results file (default: CSV on standard output).</source>
        <translation>Avec --batch : le fichier de résultats (par défaut : CSV sur la sortie standard).</translation>
    </message>
    <message>
        <source>With --batch: the columns to write, comma-separated, in that order: %1 (default: all).</source>
        <translation>Avec --batch : les colonnes à écrire, séparées par des virgules, dans cet ordre : %1 (par défaut : all).</translation>
    </message>
    <message>
        <source>With --batch: no progress on standard error.</source>
        <translation>Avec --batch : aucune progression sur la sortie d&apos;erreur.</translation>
    </message>
    <message>
        <source>With --batch: the sheet of an .xlsx or .ods input to read, by its name or number (default: the first that holds data).</source>
        <translation>Avec --batch : la feuille d&apos;une entrée .xlsx ou .ods à lire, par son nom ou son numéro (par défaut : la première qui contient des données).</translation>
    </message>
    <message>
        <source>With --batch: the column of a spreadsheet input that holds the codes, by its header, letter (C, AB) or number (1 is the first) (default: the one headed like a code column, else the one that is mostly codes).</source>
        <translation>Avec --batch : la colonne d&apos;une feuille de calcul en entrée qui contient les codes, par son en-tête, sa lettre (C, AB) ou son numéro (1 est la première) (par défaut : celle dont l&apos;en-tête désigne une colonne de codes, sinon celle qui contient surtout des codes).</translation>
    </message>
    <message>
        <source>With --batch and one spreadsheet input: each output row is the input row, every column, followed by the answers in the --columns chosen (csv, tsv, xlsx or ods).</source>
        <translation>Avec --batch et une seule feuille de calcul en entrée : chaque ligne de sortie est la ligne d&apos;entrée, toutes colonnes comprises, suivie des réponses dans les colonnes choisies par --columns (csv, tsv, xlsx ou ods).</translation>
    </message>
    <message>
        <source>Import the product database export files given (.csv, .csv.gz, .jsonl or .jsonl.gz) into the offline index, and exit.</source>
        <translation>Importer dans l&apos;index hors ligne les fichiers d&apos;export de la base de produits indiqués (.csv, .csv.gz, .jsonl ou .jsonl.gz), puis quitter.</translation>
    </message>
    <message>
        <source>Download the product database export (environment: QUILLFEN_INDEX_URL), import it into the offline index, and exit.</source>
        <translation>Télécharger l&apos;export de la base de produits (variable d&apos;environnement : QUILLFEN_INDEX_URL), l&apos;importer dans l&apos;index hors ligne, puis quitter.</translation>
    </message>
    <message>
        <source>Apply the daily change files published since the offline index&apos;s data (environment: QUILLFEN_INDEX_DELTAS_URL), and exit.</source>
        <translation>Appliquer les fichiers de modifications quotidiens publiés depuis la date des données de l&apos;index hors ligne (variable d&apos;environnement : QUILLFEN_INDEX_DELTAS_URL), puis quitter.</translation>
    </message>
    <message>
        <source>Complete a found product that lacks a brand, a quantity or a picture from the next sources that know the code (environment: QUILLFEN_FILL_GAPS=1).</source>
        <translation>Compléter un produit trouvé auquel il manque une marque, une quantité ou une image à partir des sources suivantes qui connaissent le code (variable d&apos;environnement : QUILLFEN_FILL_GAPS=1).</translation>
    </message>
    <message>
        <source>Also use the source this file describes, for this run (/usr/share/doc/quillfen/docs/sources.md, &quot;Your own sources&quot;); may be given more than once.</source>
        <translation>Utiliser aussi, pour cette exécution, la source que décrit ce fichier (/usr/share/doc/quillfen/docs/sources.md, « Your own sources ») ; peut être indiqué plusieurs fois.</translation>
    </message>
    <message>
        <source>Read the key of the source NAME from the file at PATH, which only you may read; may be given more than once.</source>
        <translation>Lire la clé de la source NAME dans le fichier PATH, que vous seul pouvez lire ; peut être indiqué plusieurs fois.</translation>
    </message>
    <message>
        <source>List every lookup source known, where it comes from, whether it has its key and whether it is in use, and exit.</source>
        <translation>Lister toutes les sources connues, leur provenance, si leur clé est présente et si elles sont utilisées, puis quitter.</translation>
    </message>
    <message>
        <source>Code files, spreadsheets, pictures or PDFs to add to the list at start-up. With --batch: the same, to look up. With --import-index: export files.</source>
        <translation>Fichiers de codes, feuilles de calcul, images ou PDF à ajouter à la liste au démarrage. Avec --batch : les mêmes, à rechercher. Avec --import-index : des fichiers d&apos;export.</translation>
    </message>
    <message>
        <source>--batch, --scan, --import-index, --download-index, --update-index and --list-sources go alone.</source>
        <translation>--batch, --scan, --import-index, --download-index, --update-index et --list-sources s&apos;emploient seuls.</translation>
    </message>
    <message>
        <source>--key-file wants NAME=PATH, as in acme=/home/me/acme.key.</source>
        <translation>--key-file attend NAME=PATH, comme dans acme=/home/me/acme.key.</translation>
    </message>
    <message>
        <source>--%1 goes with --batch.</source>
        <translation>--%1 ne s&apos;emploie qu&apos;avec --batch.</translation>
    </message>
    <message>
        <source>--scan reads standard input alone: %1</source>
        <translation>--scan lit uniquement l&apos;entrée standard : %1</translation>
    </message>
    <message>
        <source>Unknown --format &quot;%1&quot;: choose from %2.</source>
        <translation>--format inconnu « %1 » : choisissez parmi %2.</translation>
    </message>
    <message>
        <source>Unknown column &quot;%1&quot; in --columns: choose from %2, or all.</source>
        <translation>Colonne inconnue « %1 » dans --columns : choisissez parmi %2, ou all.</translation>
    </message>
    <message>
        <source>--output needs a file name.</source>
        <translation>--output a besoin d&apos;un nom de fichier.</translation>
    </message>
    <message>
        <source>--import-index needs one or more export files.</source>
        <translation>--import-index a besoin d&apos;un ou de plusieurs fichiers d&apos;export.</translation>
    </message>
    <message>
        <source>Unexpected argument: %1</source>
        <translation>Argument inattendu : %1</translation>
    </message>
    <message>
        <source>Not a host name or address to ping: &quot;%1&quot;</source>
        <translation>Ni un nom d&apos;hôte ni une adresse à interroger par ping : « %1 »</translation>
    </message>
    <message>
        <source>Not a usable lookup service address: &quot;%1&quot;
Give it as http://host[:port] or https://host[:port] (--service-url or QUILLFEN_SERVICE_URL).</source>
        <translation>Adresse du service de recherche inutilisable : « %1 »
Indiquez-la sous la forme http://host[:port] ou https://host[:port] (--service-url ou QUILLFEN_SERVICE_URL).</translation>
    </message>
    <message>
        <source>%1 (--sources or QUILLFEN_SOURCES)</source>
        <translation>%1 (--sources ou QUILLFEN_SOURCES)</translation>
    </message>
    <message>
        <source>Not a usable address in %1: &quot;%2&quot;
Give it as http://host[:port][/path] or https://....</source>
        <translation>Adresse inutilisable dans %1 : « %2 »
Indiquez-la sous la forme http://host[:port][/path] ou https://....</translation>
    </message>
    <message>
        <source>Not a usable address in QUILLFEN_INDEX_URL: &quot;%1&quot;</source>
        <translation>Adresse inutilisable dans QUILLFEN_INDEX_URL : « %1 »</translation>
    </message>
    <message>
        <source>Not a usable address in QUILLFEN_INDEX_DELTAS_URL: &quot;%1&quot;</source>
        <translation>Adresse inutilisable dans QUILLFEN_INDEX_DELTAS_URL : « %1 »</translation>
    </message>
    <message>
        <source>%1 wants a whole number of requests a minute, 1 or more, not &quot;%2&quot;.</source>
        <translation>%1 attend un nombre entier de requêtes par minute, 1 ou plus, et non « %2 ».</translation>
    </message>
    <message>
        <source>QUILLFEN_CONTACT wants an e-mail address or web address in plain ASCII, without parentheses.</source>
        <translation>QUILLFEN_CONTACT attend une adresse e-mail ou web en ASCII simple, sans parenthèses.</translation>
    </message>
    <message>
        <source>Not a language: &quot;%1&quot;; name one as de, fr or pt_BR.</source>
        <translation>Pas une langue : « %1 » ; indiquez-la sous la forme de, fr ou pt_BR.</translation>
    </message>
    <message>
        <source>Not a language in --languages: &quot;%1&quot;; name them as de,fr.</source>
        <translation>Pas une langue dans --languages : « %1 » ; indiquez-les sous la forme de,fr.</translation>
    </message>
    <message>
        <source>--parallel (or QUILLFEN_PARALLEL) wants a number from 1 to %1, not &quot;%2&quot;.</source>
        <translation>--parallel (ou QUILLFEN_PARALLEL) attend un nombre de 1 à %1, et non « %2 ».</translation>
    </message>
    <message>
        <source>Looks up EAN product codes in batches: in its window, or with --batch from files or standard input without a display. The manual: /usr/share/doc/quillfen/README.md and the pages beside it in /usr/share/doc/quillfen/docs/.</source>
        <translation>Recherche des codes produit EAN par lots : dans sa fenêtre, ou avec --batch à partir de fichiers ou de l&apos;entrée standard, sans affichage graphique. Le manuel : /usr/share/doc/quillfen/README.md et les pages à côté dans /usr/share/doc/quillfen/docs/.</translation>
    </message>
    <message>
        <source>The language of the window and its messages, and the language to ask product names in, such as de, fr or es (default: the desktop&apos;s; environment: QUILLFEN_LANGUAGE).</source>
        <translation>La langue de la fenêtre et de ses messages, et celle dans laquelle demander les noms de produits, par exemple de, fr ou es (par défaut : celle du bureau ; variable d&apos;environnement : QUILLFEN_LANGUAGE).</translation>
    </message>
    <message>
        <source>With --batch: csv, tsv, json, jsonl, xlsx, ods, marc, marcxml, shopify, woocommerce or merchant (default: from the output file&apos;s extension, else csv). marc (MARC 21, .mrc) and marcxml (.xml) write the catalogue records of the books found instead of rows; shopify, woocommerce and merchant (a Google Merchant Center feed) a shop&apos;s import file of the products found.</source>
        <translation>Avec --batch : csv, tsv, json, jsonl, xlsx, ods, marc, marcxml, shopify, woocommerce ou merchant (par défaut : selon l&apos;extension du fichier de sortie, sinon csv). marc (MARC 21, .mrc) et marcxml (.xml) écrivent les notices catalographiques des livres trouvés au lieu des lignes ; shopify, woocommerce et merchant (un flux Google Merchant Center) un fichier d&apos;import de boutique des produits trouvés.</translation>
    </message>
    <message>
        <source>--labels and --list-layouts go alone.</source>
        <translation>--labels et --list-layouts s&apos;emploient seuls.</translation>
    </message>
    <message>
        <source>--%1 goes with --labels.</source>
        <translation>--%1 s&apos;emploie avec --labels.</translation>
    </message>
</context>
<context>
    <name>BarcodeCodeLoader</name>
    <message numerus="yes">
        <source>%n code</source>
        <translation>
            <numerusform>%n code</numerusform>
            <numerusform>%n codes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n codes</source>
        <translation>
            <numerusform>%n code</numerusform>
            <numerusform>%n codes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n file</source>
        <translation>
            <numerusform>%n fichier</numerusform>
            <numerusform>%n fichiers</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files</source>
        <translation>
            <numerusform>%n fichier</numerusform>
            <numerusform>%n fichiers</numerusform>
        </translation>
    </message>
    <message>
        <source>Found %1 in %2.</source>
        <extracomment>%1 is a number of codes (&quot;3 codes&quot;), %2 a number of files (&quot;2 files&quot;).</extracomment>
        <translation>Trouvé : %1 dans %2.</translation>
    </message>
    <message>
        <source>No barcodes found in %1.</source>
        <translation>Aucun code-barres trouvé dans %1.</translation>
    </message>
    <message>
        <source>Cancelling…</source>
        <translation>Annulation…</translation>
    </message>
    <message>
        <source>Load EAN Numbers From File</source>
        <translation>Charger des numéros EAN depuis un fichier</translation>
    </message>
    <message>
        <source>%1: %2. The codes of its other pages were loaded.</source>
        <translation>%1 : %2. Les codes de ses autres pages ont été chargés.</translation>
    </message>
</context>
<context>
    <name>BarcodeReader</name>
    <message>
        <source>Reading barcodes: %1 (page %2 of %3)</source>
        <extracomment>%1 is the file&apos;s name, %2 and %3 page numbers.</extracomment>
        <translation>Lecture des codes-barres : %1 (page %2 sur %3)</translation>
    </message>
    <message>
        <source>not a picture that can be read</source>
        <translation>pas une image lisible</translation>
    </message>
    <message>
        <source>larger than 100 megapixels (%1 x %2 pixels)</source>
        <translation>plus de 100 mégapixels (%1 x %2 pixels)</translation>
    </message>
    <message>
        <source>the PDF is damaged (it has no pages)</source>
        <translation>le PDF est endommagé (il n&apos;a aucune page)</translation>
    </message>
    <message>
        <source>more than 500 pages (%1)</source>
        <translation>plus de 500 pages (%1)</translation>
    </message>
</context>
<context>
    <name>BatchCodes</name>
    <message>
        <source>%1: %2</source>
        <extracomment>%1 is an input file (or standard input), %2 why it cannot be used.</extracomment>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>no column &quot;%1&quot;; name one of these with --column by its header, letter or number:</source>
        <translation>aucune colonne « %1 » ; indiquez l&apos;une de celles-ci avec --column, par son en-tête, sa lettre ou son numéro :</translation>
    </message>
    <message>
        <source>which column holds the codes? Name it with --column by its header, letter or number:</source>
        <translation>quelle colonne contient les codes ? Indiquez-la avec --column, par son en-tête, sa lettre ou son numéro :</translation>
    </message>
    <message>
        <source>standard input</source>
        <translation>entrée standard</translation>
    </message>
    <message>
        <source>no barcodes found in %1</source>
        <translation>aucun code-barres trouvé dans %1</translation>
    </message>
    <message>
        <source>larger than 100 MB, too large for a code file</source>
        <translation>plus de 100 Mo, trop volumineux pour un fichier de codes</translation>
    </message>
    <message>
        <source>not a text file</source>
        <translation>pas un fichier texte</translation>
    </message>
    <message>
        <source>%1: %2; the codes of its other pages are looked up</source>
        <translation>%1 : %2 ; les codes de ses autres pages sont recherchés</translation>
    </message>
</context>
<context>
    <name>BatchCommand</name>
    <message>
        <source>%1 is both an input and the output: name another file with --output</source>
        <translation>%1 est à la fois une entrée et la sortie : indiquez un autre fichier avec --output</translation>
    </message>
    <message>
        <source>no code was looked up.</source>
        <translation>aucun code n&apos;a été recherché.</translation>
    </message>
    <message>
        <source>--keep-columns needs one spreadsheet input (.xlsx, .ods, .csv or .tsv)</source>
        <translation>--keep-columns a besoin d&apos;une seule feuille de calcul en entrée (.xlsx, .ods, .csv ou .tsv)</translation>
    </message>
    <message>
        <source>Reading codes from standard input; end with Ctrl+D.</source>
        <translation>Lecture des codes sur l&apos;entrée standard ; terminez par Ctrl+D.</translation>
    </message>
    <message>
        <source>Stopped by %1 while reading the codes; no code was looked up.</source>
        <translation>Arrêté par %1 pendant la lecture des codes ; aucun code n&apos;a été recherché.</translation>
    </message>
    <message>
        <source>%1 cannot be copied as it is (%2); its values are written instead.</source>
        <translation>%1 ne peut pas être copié tel quel (%2) ; ses valeurs sont écrites à la place.</translation>
    </message>
</context>
<context>
    <name>BatchListing</name>
    <message>
        <source>more than one of your columns could be the price: %1. Name one with --price-column by its header, letter or number.</source>
        <translation>plusieurs de vos colonnes pourraient être le prix : %1. Désignez-en une avec --price-column par son en-tête, sa lettre ou son numéro.</translation>
    </message>
    <message>
        <source>more than one of your columns could be the SKU: %1. Name one with --sku-column by its header, letter or number.</source>
        <translation>plusieurs de vos colonnes pourraient être la référence (SKU) : %1. Désignez-en une avec --sku-column par son en-tête, sa lettre ou son numéro.</translation>
    </message>
    <message>
        <source>more than one of your columns could be the stock: %1. Name one with --stock-column by its header, letter or number.</source>
        <translation>plusieurs de vos colonnes pourraient être le stock : %1. Désignez-en une avec --stock-column par son en-tête, sa lettre ou son numéro.</translation>
    </message>
    <message>
        <source>no column &quot;%1&quot; for --%2; name one of these by its header, letter or number: %3</source>
        <extracomment>%1 is what --price-column (or another, %2) named, %3 the columns.</extracomment>
        <translation>aucune colonne « %1 » pour --%2 ; désignez l&apos;une de celles-ci par son en-tête, sa lettre ou son numéro : %3</translation>
    </message>
    <message>
        <source>--price-column, --sku-column and --stock-column need a spreadsheet input (.xlsx, .ods, .csv or .tsv).</source>
        <translation>--price-column, --sku-column et --stock-column demandent une feuille de calcul en entrée (.xlsx, .ods, .csv ou .tsv).</translation>
    </message>
    <message>
        <source>--format merchant writes each price with its currency: name it with --currency, such as EUR.</source>
        <translation>--format merchant écrit chaque prix avec sa devise : indiquez-la avec --currency, par exemple EUR.</translation>
    </message>
    <message>
        <source>pictures cannot be saved here.</source>
        <translation>les images ne peuvent pas être enregistrées ici.</translation>
    </message>
    <message>
        <source>%1; no more pictures are saved.</source>
        <extracomment>%1 says why a picture could not be written.</extracomment>
        <translation>%1 ; plus aucune image n&apos;est enregistrée.</translation>
    </message>
    <message>
        <source>pictures saved: %1</source>
        <extracomment>On the progress line, after the counts of the codes.</extracomment>
        <translation>images enregistrées : %1</translation>
    </message>
</context>
<context>
    <name>BatchOutput</name>
    <message>
        <source>%1 has grown past the limit of %2</source>
        <translation>%1 a dépassé la limite de %2</translation>
    </message>
    <message>
        <source>a spreadsheet (%1) is written to a file: name it with --output FILE</source>
        <translation>une feuille de calcul (%1) s&apos;écrit dans un fichier : indiquez-le avec --output FILE</translation>
    </message>
    <message>
        <source>--keep-columns writes csv, tsv, xlsx or ods, not json or jsonl</source>
        <translation>--keep-columns écrit en csv, tsv, xlsx ou ods, pas en json ni en jsonl</translation>
    </message>
    <message>
        <source>--keep-columns writes csv, tsv, xlsx or ods, not catalogue records</source>
        <translation>--keep-columns écrit du csv, tsv, xlsx ou ods, pas de notices catalographiques</translation>
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
        <translation>%1 j %2 h</translation>
    </message>
    <message>
        <source>%1 codes/s</source>
        <translation>%1 codes/s</translation>
    </message>
    <message>
        <source>%1 codes/min</source>
        <translation>%1 codes/min</translation>
    </message>
    <message numerus="yes">
        <source>%1/%n codes: %2 found, %3 not found, %4 failed</source>
        <extracomment>%1 codes done of %n in all; then how many were found, not found and failed.</extracomment>
        <translation>
            <numerusform>%1/%n code : trouvés %2, introuvables %3, en échec %4</numerusform>
            <numerusform>%1/%n codes : trouvés %2, introuvables %3, en échec %4</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n not looked up</source>
        <translation>
            <numerusform>%n non recherché</numerusform>
            <numerusform>%n non recherchés</numerusform>
        </translation>
    </message>
    <message>
        <source>about %1 left</source>
        <extracomment>The time the run has still to go, such as &quot;3 min 20 s&quot;.</extracomment>
        <translation>encore %1 environ</translation>
    </message>
    <message numerus="yes">
        <source>%n cell cut to Excel&apos;s limit of %1 characters</source>
        <translation>
            <numerusform>%n cellule tronquée à la limite d&apos;Excel de %1 caractères</numerusform>
            <numerusform>%n cellules tronquées à la limite d&apos;Excel de %1 caractères</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n cells cut to Excel&apos;s limit of %1 characters</source>
        <translation>
            <numerusform>%n cellule tronquée à la limite d&apos;Excel de %1 caractères</numerusform>
            <numerusform>%n cellules tronquées à la limite d&apos;Excel de %1 caractères</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n character the file&apos;s encoding cannot hold written as &quot;?&quot;</source>
        <translation>
            <numerusform>%n caractère que l&apos;encodage du fichier ne peut pas représenter remplacé par « ? »</numerusform>
            <numerusform>%n caractères que l&apos;encodage du fichier ne peut pas représenter remplacés par « ? »</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n characters the file&apos;s encoding cannot hold written as &quot;?&quot;</source>
        <translation>
            <numerusform>%n caractère que l&apos;encodage du fichier ne peut pas représenter remplacé par « ? »</numerusform>
            <numerusform>%n caractères que l&apos;encodage du fichier ne peut pas représenter remplacés par « ? »</numerusform>
        </translation>
    </message>
    <message>
        <source>Done in %1: %2</source>
        <extracomment>%1 is how long the run took, %2 the counts of the codes.</extracomment>
        <translation>Terminé en %1 : %2</translation>
    </message>
    <message>
        <source>Results not written; looked up in %1: %2</source>
        <translation>Résultats non écrits ; recherche effectuée en %1 : %2</translation>
    </message>
    <message>
        <source>Stopped by %1 after %2: %3. Codes not reached: %4.</source>
        <extracomment>%1 is the signal&apos;s name (SIGINT, SIGTERM), %2 how long the run took, %3 the counts of the codes, %4 how many codes were not reached.</extracomment>
        <translation>Arrêté par %1 après %2 : %3. Codes non atteints : %4.</translation>
    </message>
    <message>
        <source>Results not written.</source>
        <translation>Résultats non écrits.</translation>
    </message>
    <message numerus="yes">
        <source>%n failed: %1</source>
        <extracomment>How many codes failed for one reason; %1 is the source and the reason.</extracomment>
        <translation>
            <numerusform>%n en échec : %1</numerusform>
            <numerusform>%n en échec : %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n failed for other reasons</source>
        <translation>
            <numerusform>%n en échec pour d&apos;autres raisons</numerusform>
            <numerusform>%n en échec pour d&apos;autres raisons</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>BlockSaveFile</name>
    <message>
        <source>Cannot create the file %1: %2</source>
        <translation>Impossible de créer le fichier %1 : %2</translation>
    </message>
    <message>
        <source>Cannot write the file %1: %2</source>
        <translation>Impossible d&apos;écrire le fichier %1 : %2</translation>
    </message>
</context>
<context>
    <name>CaptionProgressBar</name>
    <message>
        <source>Progress Bar</source>
        <translation>Barre de progression</translation>
    </message>
</context>
<context>
    <name>CmdOutput</name>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>Appel de procédure ou argument incorrect</translation>
    </message>
</context>
<context>
    <name>CodeFacts</name>
    <message>
        <source>restricted circulation</source>
        <translation>circulation restreinte</translation>
    </message>
    <message>
        <source>coupon</source>
        <translation>coupon</translation>
    </message>
    <message>
        <source>refund receipt</source>
        <translation>bon de remboursement</translation>
    </message>
</context>
<context>
    <name>CodeFileLoader</name>
    <message>
        <source>The file %1 cannot be read: %2. No codes were loaded from it.</source>
        <extracomment>%1 is the file, %2 why it cannot be read.</extracomment>
        <translation>Le fichier %1 ne peut pas être lu : %2. Aucun code n&apos;a été chargé depuis ce fichier.</translation>
    </message>
    <message>
        <source>The file %1 is not a text file. No codes were loaded from it.</source>
        <translation>Le fichier %1 n&apos;est pas un fichier texte. Aucun code n&apos;a été chargé depuis ce fichier.</translation>
    </message>
    <message>
        <source>Code Lists, Spreadsheets, Pictures and PDFs</source>
        <translation>Listes de codes, feuilles de calcul, images et PDF</translation>
    </message>
    <message>
        <source>Text Files</source>
        <translation>Fichiers texte</translation>
    </message>
    <message>
        <source>Spreadsheets</source>
        <translation>Feuilles de calcul</translation>
    </message>
    <message>
        <source>Pictures and PDFs</source>
        <translation>Images et PDF</translation>
    </message>
    <message>
        <source>All Files</source>
        <translation>Tous les fichiers</translation>
    </message>
    <message>
        <source>The file %1 was not found.</source>
        <translation>Le fichier %1 est introuvable.</translation>
    </message>
    <message>
        <source>The file named on the command line was not loaded:</source>
        <translation>Le fichier indiqué sur la ligne de commande n&apos;a pas été chargé :</translation>
    </message>
    <message>
        <source>%1 of the %2 files named on the command line were not loaded:</source>
        <translation>%1 des %2 fichiers indiqués sur la ligne de commande n&apos;ont pas été chargés :</translation>
    </message>
    <message>
        <source>The file %1 is larger than 100 MB. No codes were loaded from it.</source>
        <translation>Le fichier %1 dépasse 100 Mo. Aucun code n&apos;a été chargé depuis ce fichier.</translation>
    </message>
    <message>
        <source>Load List(s) - Hold Ctrl to select multiple list files</source>
        <translation>Charger des listes - Maintenez Ctrl pour sélectionner plusieurs fichiers de liste</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>Fichier introuvable</translation>
    </message>
</context>
<context>
    <name>CodeListEditor</name>
    <message>
        <source>Enter EAN number or numbers (use commas): </source>
        <translation>Saisissez un ou plusieurs numéros EAN (séparés par des virgules) : </translation>
    </message>
</context>
<context>
    <name>ConnectionsModule</name>
    <message>
        <source>The libraries for the network, library catalogues, the keyring and workbooks could not be loaded: %1</source>
        <extracomment>%1 is what the system said.</extracomment>
        <translation>Les bibliothèques pour le réseau, les catalogues de bibliothèque, le trousseau de clés et les classeurs n&apos;ont pas pu être chargées : %1</translation>
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
    <name>CredentialManagerKeyStore</name>
    <message>
        <source>The Windows Credential Manager did not answer (%1).</source>
        <translation>Le Gestionnaire d&apos;identification de Windows ne répond pas (%1).</translation>
    </message>
    <message>
        <source>The key is too long for the Windows Credential Manager (%1 bytes at most).</source>
        <translation>La clé est trop longue pour le Gestionnaire d&apos;identification de Windows (%1 octets au plus).</translation>
    </message>
</context>
<context>
    <name>ErrorReport</name>
    <message>
        <source>Please email screenshot of this message to %1</source>
        <extracomment>%1 is the support e-mail address.</extracomment>
        <translation>Veuillez envoyer une capture d&apos;écran de ce message par e-mail à %1</translation>
    </message>
    <message>
        <source>at line %1</source>
        <translation>à la ligne %1</translation>
    </message>
    <message>
        <source>Application Error</source>
        <translation>Erreur d&apos;application</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Mémoire insuffisante</translation>
    </message>
    <message>
        <source>Unknown failure</source>
        <translation>Erreur inconnue</translation>
    </message>
</context>
<context>
    <name>ExportDecoder</name>
    <message>
        <source>not a gzip file or a text export</source>
        <translation>ni un fichier gzip ni un export texte</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>le fichier est vide</translation>
    </message>
</context>
<context>
    <name>ExportReader</name>
    <message>
        <source>the first line is not a header line</source>
        <translation>la première ligne n&apos;est pas une ligne d&apos;en-tête</translation>
    </message>
    <message>
        <source>the export holds no header line</source>
        <translation>l&apos;export ne contient aucune ligne d&apos;en-tête</translation>
    </message>
    <message>
        <source>the first line names no &quot;code&quot; column: not a product export</source>
        <translation>la première ligne ne nomme aucune colonne « code » : pas un export de produits</translation>
    </message>
</context>
<context>
    <name>FaithfulOdsCopy</name>
    <message>
        <source>the copy cannot be written: %1</source>
        <translation>la copie ne peut pas être écrite : %1</translation>
    </message>
    <message>
        <source>it has no sheet &quot;%1&quot;</source>
        <translation>le fichier n&apos;a pas de feuille « %1 »</translation>
    </message>
</context>
<context>
    <name>FaithfulXlsxCopy</name>
    <message>
        <source>it is in strict Office Open XML</source>
        <translation>le fichier est au format Office Open XML strict</translation>
    </message>
    <message>
        <source>the copy cannot be written: %1</source>
        <translation>la copie ne peut pas être écrite : %1</translation>
    </message>
    <message>
        <source>it changed while its codes were looked up</source>
        <translation>le fichier a changé pendant la recherche de ses codes</translation>
    </message>
    <message>
        <source>it has no sheet &quot;%1&quot;</source>
        <translation>le fichier n&apos;a pas de feuille « %1 »</translation>
    </message>
    <message>
        <source>its sheet has no free columns for the answers</source>
        <translation>sa feuille n&apos;a pas de colonnes libres pour les réponses</translation>
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
    <message>
        <source>--key-file %1=...: no source named %1</source>
        <extracomment>%1 is a source name as given with --key-file NAME=PATH.</extracomment>
        <translation>--key-file %1=... : aucune source nommée %1</translation>
    </message>
    <message>
        <source>%1 is neither an SRU address (http:// or https://) nor z3950://HOST:PORT/DATABASE: %2</source>
        <extracomment>%1 is an environment variable, %2 its value.</extracomment>
        <translation>%1 n&apos;est ni une adresse SRU (http:// ou https://) ni z3950://HÔTE:PORT/BASE : %2</translation>
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
    <name>GzipInflater</name>
    <message>
        <source>out of memory</source>
        <translation>mémoire insuffisante</translation>
    </message>
    <message>
        <source>damaged data</source>
        <translation>données endommagées</translation>
    </message>
    <message>
        <source>after %1 compressed bytes (%2 bytes of text)</source>
        <extracomment>Where a compressed file broke: %1 and %2 are numbers of bytes.</extracomment>
        <translation>après %1 octets compressés (%2 octets de texte)</translation>
    </message>
    <message>
        <source>the compressed file is empty</source>
        <translation>le fichier compressé est vide</translation>
    </message>
    <message>
        <source>the compressed file ends early, %1</source>
        <extracomment>%1 says where: &quot;after 1,024 compressed bytes (4,096 bytes of text)&quot;.</extracomment>
        <translation>le fichier compressé se termine trop tôt, %1</translation>
    </message>
    <message>
        <source>the compressed file is damaged (%1) %2</source>
        <extracomment>%1 is zlib&apos;s own message, %2 says where.</extracomment>
        <translation>le fichier compressé est endommagé (%1) %2</translation>
    </message>
</context>
<context>
    <name>ImportText</name>
    <message>
        <source>%1 MB</source>
        <extracomment>A size in megabytes.</extracomment>
        <translation>%1 Mo</translation>
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
        <translation>%1 : pas une adresse de bouclage</translation>
    </message>
    <message>
        <source>the list is longer than %1 bytes</source>
        <translation>la liste dépasse %1 octets</translation>
    </message>
    <message>
        <source>there is no product index to update: download or import one first</source>
        <translation>il n&apos;y a aucun index de produits à mettre à jour : téléchargez-en ou importez-en un d&apos;abord</translation>
    </message>
    <message>
        <source>the product index cannot be read (%1)</source>
        <translation>l&apos;index de produits ne peut pas être lu (%1)</translation>
    </message>
    <message>
        <source>the product index does not say how recent it is: download or import it again</source>
        <translation>l&apos;index de produits n&apos;indique pas de quand il date : téléchargez-le ou importez-le à nouveau</translation>
    </message>
    <message>
        <source>Applied %1 daily change file (%2 products); the index is now of %3.</source>
        <extracomment>%1 is a number of files, %2 of products, %3 a date and time.</extracomment>
        <translation>%1 fichier de modifications quotidien appliqué (%2 produits) ; l&apos;index date maintenant du %3.</translation>
    </message>
    <message>
        <source>Applied %1 daily change files (%2 products); the index is now of %3.</source>
        <translation>%1 fichiers de modifications quotidiens appliqués (%2 produits) ; l&apos;index date maintenant du %3.</translation>
    </message>
    <message>
        <source>Download the whole database again (Lookup -&gt; Download Product Database, or quillfen --download-index).</source>
        <translation>Téléchargez à nouveau toute la base (Recherche -&gt; Télécharger la base de produits, ou quillfen --download-index).</translation>
    </message>
    <message>
        <source>The product index is up to date (%1): no newer daily change file is published.</source>
        <translation>L&apos;index de produits est à jour (%1) : aucun fichier de modifications quotidien plus récent n&apos;est publié.</translation>
    </message>
    <message>
        <source>The daily change files have a gap from %1 to %2: no file after it was applied.</source>
        <translation>Les fichiers de modifications quotidiens présentent un trou du %1 au %2 : aucun fichier postérieur n&apos;a été appliqué.</translation>
    </message>
    <message>
        <source>The product index (of %1) is older than the oldest daily change file kept (from %2): nothing was applied.</source>
        <translation>L&apos;index de produits (du %1) est plus ancien que le plus ancien fichier de modifications quotidien conservé (du %2) : rien n&apos;a été appliqué.</translation>
    </message>
    <message>
        <source>Update failed: %1</source>
        <translation>Échec de la mise à jour : %1</translation>
    </message>
    <message>
        <source>The product index is as it was before that file.</source>
        <translation>L&apos;index de produits est tel qu&apos;il était avant ce fichier.</translation>
    </message>
    <message>
        <source>Update interrupted: the product index is as it was before the file under way.</source>
        <translation>Mise à jour interrompue : l&apos;index de produits est tel qu&apos;il était avant le fichier en cours.</translation>
    </message>
    <message>
        <source>the product index says it is of %1, which is yet to come: download it again</source>
        <translation>l&apos;index de produits dit dater du %1, une date encore à venir : téléchargez-le à nouveau</translation>
    </message>
</context>
<context>
    <name>IndexCommands</name>
    <message>
        <source>Importing %1/%2 %3: %4</source>
        <extracomment>%1 and %2: the file&apos;s number and how many there are; %3 its name, %4 how far the import has come.</extracomment>
        <translation>Importation %1/%2 %3 : %4</translation>
    </message>
    <message>
        <source>Importing %1: %2</source>
        <translation>Importation de %1 : %2</translation>
    </message>
    <message>
        <source>Name the export files to import, for example:</source>
        <translation>Indiquez les fichiers d&apos;export à importer, par exemple :</translation>
    </message>
    <message>
        <source>Downloading %1</source>
        <translation>Téléchargement de %1</translation>
    </message>
    <message>
        <source>Downloading: %1</source>
        <translation>Téléchargement : %1</translation>
    </message>
    <message>
        <source>Download interrupted: %1</source>
        <translation>Téléchargement interrompu : %1</translation>
    </message>
    <message>
        <source>Download failed: %1</source>
        <translation>Échec du téléchargement : %1</translation>
    </message>
    <message>
        <source>Reading the list of daily change files at %1</source>
        <translation>Lecture de la liste des fichiers de modifications quotidiens sur %1</translation>
    </message>
    <message>
        <source>Updating %1/%2 %3: %4</source>
        <extracomment>%1 and %2: the change file&apos;s number and how many there are; %3 its name, %4 how far it has come.</extracomment>
        <translation>Mise à jour %1/%2 %3 : %4</translation>
    </message>
    <message>
        <source>%1 products applied</source>
        <translation>%1 produits appliqués</translation>
    </message>
</context>
<context>
    <name>IndexDownload</name>
    <message>
        <source>%1 of %2 downloaded (%3%)</source>
        <extracomment>%1 is a number of megabytes, %2 the size of the file (&quot;12.5 MB&quot;), %3 a per cent.</extracomment>
        <translation>%1 sur %2 téléchargés (%3 %)</translation>
    </message>
    <message>
        <source>%1 MB downloaded</source>
        <extracomment>%1 is a number of megabytes.</extracomment>
        <translation>%1 Mo téléchargés</translation>
    </message>
    <message>
        <source>%1/s</source>
        <extracomment>A speed: %1 is a size (&quot;3.2 MB&quot;).</extracomment>
        <translation>%1/s</translation>
    </message>
    <message>
        <source>about %1 left</source>
        <extracomment>%1 is a time (&quot;2 min 05 s&quot;).</extracomment>
        <translation>reste environ %1</translation>
    </message>
    <message>
        <source>%1: not a loopback address</source>
        <translation>%1 : pas une adresse de bouclage</translation>
    </message>
    <message>
        <source>cancelled; run again to go on from %1</source>
        <translation>annulé ; relancez pour reprendre à partir de %1</translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation>annulé</translation>
    </message>
    <message>
        <source>the downloaded file is damaged: %1</source>
        <translation>le fichier téléchargé est endommagé : %1</translation>
    </message>
    <message>
        <source>no data</source>
        <translation>aucune donnée</translation>
    </message>
    <message>
        <source>the download broke off after %1; run again to go on from there</source>
        <translation>le téléchargement s&apos;est interrompu après %1 ; relancez pour reprendre à partir de là</translation>
    </message>
    <message>
        <source>the download broke off after %1 (%2); run again to go on from there</source>
        <extracomment>%1 is a size (&quot;12.5 MB&quot;), %2 why the download broke off.</extracomment>
        <translation>le téléchargement s&apos;est interrompu après %1 (%2) ; relancez pour reprendre à partir de là</translation>
    </message>
    <message>
        <source>%1: the server cannot resume the download</source>
        <translation>%1 : le serveur ne peut pas reprendre le téléchargement</translation>
    </message>
    <message>
        <source>the file changed on the server; starting again from the beginning</source>
        <translation>le fichier a changé sur le serveur ; reprise depuis le début</translation>
    </message>
    <message>
        <source>the server cannot resume; starting again from the beginning</source>
        <translation>le serveur ne peut pas reprendre ; reprise depuis le début</translation>
    </message>
</context>
<context>
    <name>IndexImport</name>
    <message>
        <source>%1 with a wrong number of fields</source>
        <translation>%1 avec un nombre de champs incorrect</translation>
    </message>
    <message>
        <source>%1 with an empty code</source>
        <translation>%1 avec un code vide</translation>
    </message>
    <message>
        <source>%1 that are not a JSON object</source>
        <translation>%1 qui ne sont pas un objet JSON</translation>
    </message>
    <message>
        <source>%1 with a code longer than %2 characters</source>
        <translation>%1 avec un code de plus de %2 caractères</translation>
    </message>
    <message>
        <source>%1 of %2 read (%3%)</source>
        <extracomment>%1 is a number of megabytes read, %2 the size of the file (&quot;12.5 MB&quot;).</extracomment>
        <translation>%1 sur %2 lus (%3 %)</translation>
    </message>
    <message>
        <source>%1 of %2 read</source>
        <translation>%1 sur %2 lus</translation>
    </message>
    <message>
        <source>%1 rows</source>
        <translation>%1 lignes</translation>
    </message>
    <message>
        <source>sorting them into the index</source>
        <translation>tri dans l&apos;index en cours</translation>
    </message>
    <message>
        <source>%1/s</source>
        <extracomment>A speed: %1 is a size (&quot;3.2 MB&quot;).</extracomment>
        <translation>%1/s</translation>
    </message>
    <message>
        <source>about %1 left</source>
        <extracomment>%1 is a time (&quot;2 min 05 s&quot;).</extracomment>
        <translation>reste environ %1</translation>
    </message>
    <message>
        <source>Imported %1 products from %2 file in %3 (%4 of text).</source>
        <extracomment>%1 is a number of products, %2 of files, %3 a time, %4 a size (&quot;12.5 MB&quot;).</extracomment>
        <translation>%1 produits importés depuis %2 fichier en %3 (%4 de texte).</translation>
    </message>
    <message>
        <source>Imported %1 products from %2 files in %3 (%4 of text).</source>
        <translation>%1 produits importés depuis %2 fichiers en %3 (%4 de texte).</translation>
    </message>
    <message>
        <source>Import cancelled after %1: the product index is as it was.</source>
        <translation>Importation annulée après %1 : l&apos;index de produits est inchangé.</translation>
    </message>
    <message>
        <source>Import failed: %1</source>
        <translation>Échec de l&apos;importation : %1</translation>
    </message>
    <message>
        <source>The product index is as it was.</source>
        <translation>L&apos;index de produits est inchangé.</translation>
    </message>
    <message>
        <source>No line was skipped.</source>
        <translation>Aucune ligne n&apos;a été ignorée.</translation>
    </message>
    <message>
        <source>Skipped %1 lines: %2</source>
        <extracomment>%1 is the number of lines skipped; the reasons follow, one count each.</extracomment>
        <translation>%1 lignes ignorées : %2</translation>
    </message>
    <message>
        <source>Cut %1 names, brands or quantities at %2 characters.</source>
        <translation>%1 noms, marques ou quantités coupés à %2 caractères.</translation>
    </message>
    <message>
        <source>the file holds a header line only</source>
        <translation>le fichier ne contient qu&apos;une ligne d&apos;en-tête</translation>
    </message>
    <message>
        <source>no products in %1 (%2 line skipped: %3)</source>
        <extracomment>%1 is the file&apos;s name, %2 the number of lines skipped, %3 the reasons.</extracomment>
        <translation>aucun produit dans %1 (%2 ligne ignorée : %3)</translation>
    </message>
    <message>
        <source>no products in %1 (%2 lines skipped: %3)</source>
        <translation>aucun produit dans %1 (%2 lignes ignorées : %3)</translation>
    </message>
    <message>
        <source>unexpected error while reading</source>
        <translation>erreur inattendue pendant la lecture</translation>
    </message>
    <message>
        <source>%1 longer than %2 bytes</source>
        <translation>%1 de plus de %2 octets</translation>
    </message>
</context>
<context>
    <name>IsbnRanges</name>
    <message>
        <source>larger than 16 MB</source>
        <translation>plus de 16 Mo</translation>
    </message>
    <message>
        <source>a group named %1</source>
        <translation>un groupe nommé %1</translation>
    </message>
    <message>
        <source>a prefix named %1</source>
        <translation>un préfixe nommé %1</translation>
    </message>
    <message>
        <source>%1: a rule with the range %2</source>
        <translation>%1 : une règle avec la plage %2</translation>
    </message>
    <message>
        <source>not XML: %1 (line %2)</source>
        <translation>pas du XML : %1 (ligne %2)</translation>
    </message>
    <message>
        <source>no ISBN ranges in it (not a RangeMessage)</source>
        <translation>aucune plage ISBN (ce n&apos;est pas un RangeMessage)</translation>
    </message>
</context>
<context>
    <name>LabelDesigner</name>
    <message>
        <source>the label is too small for its %1 at 80%: it needs %2, the label leaves %3</source>
        <extracomment>%1 is a kind of barcode (&quot;EAN-13&quot;), %2 its smallest size (&quot;29.8 × 11.3 mm&quot;), %3 the room the label leaves for it.</extracomment>
        <translation>l&apos;étiquette est trop petite pour son %1 à 80 % : il lui faut %2, l&apos;étiquette laisse %3</translation>
    </message>
    <message>
        <source>the label is too small for its lines: they need %1, the label leaves %2</source>
        <translation>l&apos;étiquette est trop petite pour ses lignes : il leur faut %1, l&apos;étiquette laisse %2</translation>
    </message>
    <message>
        <source>The labels of %1 are too small: %2.</source>
        <extracomment>%1 is the layout&apos;s name, %2 why a label does not fit.</extracomment>
        <translation>Les étiquettes de %1 sont trop petites : %2.</translation>
    </message>
</context>
<context>
    <name>LabelItems</name>
    <message>
        <source>row %1: copies &quot;%2&quot; is not a whole number from 0 to %3</source>
        <extracomment>%1 is a row number, %2 what the cell holds, %3 the most copies.</extracomment>
        <translation>ligne %1 : le nombre d&apos;exemplaires « %2 » n&apos;est pas un nombre entier de 0 à %3</translation>
    </message>
</context>
<context>
    <name>LabelJob</name>
    <message numerus="yes">
        <source>1 label on 1 page</source>
        <translation>
            <numerusform>1 étiquette sur 1 page</numerusform>
            <numerusform>1 étiquette sur 1 page</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 labels on 1 page</source>
        <extracomment>%1 is a number of labels, more than one.</extracomment>
        <translation>
            <numerusform>%1 étiquette sur 1 page</numerusform>
            <numerusform>%1 étiquettes sur 1 page</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 labels on %2 pages</source>
        <extracomment>%1 and %2 are numbers of labels and pages, more than one each.</extracomment>
        <translation>
            <numerusform>%1 étiquette sur %2 pages</numerusform>
            <numerusform>%1 étiquettes sur %2 pages</numerusform>
        </translation>
    </message>
    <message>
        <source>The first label cannot go to row %1, column %2: %3 has %4 rows of %5.</source>
        <extracomment>%1 and %2 are the row and column asked for, %3 the layout, %4 and %5 its rows and columns.</extracomment>
        <translation>La première étiquette ne peut pas aller à la ligne %1, colonne %2 : %3 a %4 lignes de %5.</translation>
    </message>
    <message>
        <source>More than %1 labels: print them in several jobs.</source>
        <extracomment>%1 is the most labels a job prints.</extracomment>
        <translation>Plus de %1 étiquettes : imprimez-les en plusieurs travaux.</translation>
    </message>
</context>
<context>
    <name>LabelLayout</name>
    <message>
        <source>missing</source>
        <translation>manquant</translation>
    </message>
    <message>
        <source>not a text</source>
        <translation>pas un texte</translation>
    </message>
    <message>
        <source>longer than %1 characters</source>
        <translation>plus long que %1 caractères</translation>
    </message>
    <message>
        <source>holds a control character</source>
        <translation>contient un caractère de contrôle</translation>
    </message>
    <message>
        <source>not a number</source>
        <translation>pas un nombre</translation>
    </message>
    <message>
        <source>must be 0 or more</source>
        <translation>doit valoir 0 ou plus</translation>
    </message>
    <message>
        <source>must be more than 0</source>
        <translation>doit valoir plus de 0</translation>
    </message>
    <message>
        <source>longer than %1</source>
        <extracomment>%1 is a length with its unit: &quot;1000 mm&quot;.</extracomment>
        <translation>plus long que %1</translation>
    </message>
    <message>
        <source>%1 is not a whole number from 1 to %2</source>
        <translation>%1 n&apos;est pas un nombre entier de 1 à %2</translation>
    </message>
    <message>
        <source>unknown field</source>
        <translation>champ inconnu</translation>
    </message>
    <message>
        <source>use lower-case letters, digits, &quot;-&quot;, &quot;.&quot; and &quot;_&quot; only</source>
        <translation>n&apos;employez que des minuscules, des chiffres, « - », « . » et « _ »</translation>
    </message>
    <message>
        <source>must be &quot;mm&quot; or &quot;in&quot;</source>
        <translation>doit valoir « mm » ou « in »</translation>
    </message>
    <message>
        <source>give the page by its name or by its size, not both</source>
        <translation>donnez la page par son nom ou par sa taille, pas les deux</translation>
    </message>
    <message>
        <source>not a page size Quillfen knows; choose from %1, or give pageWidth and pageHeight</source>
        <extracomment>%1 is the list of page names the file may give.</extracomment>
        <translation>pas un format de page que Quillfen connaît ; choisissez parmi %1, ou donnez pageWidth et pageHeight</translation>
    </message>
    <message>
        <source>%1 is wider than the page (%2)</source>
        <extracomment>%1 and %2 are lengths with their units.</extracomment>
        <translation>%1 est plus large que la page (%2)</translation>
    </message>
    <message>
        <source>%1 is taller than the page (%2)</source>
        <translation>%1 est plus haut que la page (%2)</translation>
    </message>
    <message>
        <source>%1 is less than the label&apos;s width (%2): the labels would overlap</source>
        <translation>%1 est inférieur à la largeur de l&apos;étiquette (%2) : les étiquettes se chevaucheraient</translation>
    </message>
    <message>
        <source>%1 is less than the label&apos;s height (%2): the labels would overlap</source>
        <translation>%1 est inférieur à la hauteur de l&apos;étiquette (%2) : les étiquettes se chevaucheraient</translation>
    </message>
    <message>
        <source>%1 labels across reach %2 from the page&apos;s left edge, past its width of %3</source>
        <extracomment>%1 is a number of labels, %2 and %3 lengths with their units.</extracomment>
        <translation>%1 étiquettes en largeur vont jusqu&apos;à %2 du bord gauche de la page, au-delà de sa largeur de %3</translation>
    </message>
    <message>
        <source>%1 labels down reach %2 from the page&apos;s top edge, past its height of %3</source>
        <translation>%1 étiquettes en hauteur vont jusqu&apos;à %2 du bord supérieur de la page, au-delà de sa hauteur de %3</translation>
    </message>
    <message>
        <source>more than half the label&apos;s smaller side</source>
        <translation>plus de la moitié du petit côté de l&apos;étiquette</translation>
    </message>
    <message>
        <source>%1: larger than %2 KB</source>
        <translation>%1 : plus de %2 Ko</translation>
    </message>
    <message>
        <source>%1: not JSON (%2 at byte %3)</source>
        <extracomment>%1 is the file&apos;s name, %2 what the JSON reader says is wrong, %3 where.</extracomment>
        <translation>%1 : pas du JSON (%2 à l&apos;octet %3)</translation>
    </message>
    <message>
        <source>%1: not a JSON object</source>
        <translation>%1 : pas un objet JSON</translation>
    </message>
    <message>
        <source>page %1 × %2</source>
        <translation>page %1 × %2</translation>
    </message>
    <message>
        <source>%1, %2 × %3 labels of %4 × %5</source>
        <extracomment>%1 is the page (&quot;A4&quot;), %2 and %3 how many labels across and down, %4 and %5 the label&apos;s width and height (%5 with its unit).</extracomment>
        <translation>%1, %2 × %3 étiquettes de %4 × %5</translation>
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
        <translation>Imprimer les étiquettes des codes donnés, ou des codes des fichiers donnés (listes de codes, classeurs), sur la disposition nommée (voir --list-layouts), dans le fichier PDF que nomme --output, puis quitter.</translation>
    </message>
    <message>
        <source>List the label layouts known, with their sizes, and exit.</source>
        <translation>Lister les dispositions d&apos;étiquettes connues, avec leurs tailles, puis quitter.</translation>
    </message>
    <message>
        <source>Also use the label layout this file describes, for this run.</source>
        <translation>Pour cette exécution, utiliser aussi la disposition d&apos;étiquettes que décrit ce fichier.</translation>
    </message>
    <message>
        <source>With --labels: what goes on each label, comma-separated: %1 (default: barcode,digits,name,price).</source>
        <translation>Avec --labels : ce que porte chaque étiquette, séparé par des virgules : %1 (par défaut : barcode,digits,name,price).</translation>
    </message>
    <message>
        <source>With --labels: N labels of each code (default 1).</source>
        <translation>Avec --labels : N étiquettes de chaque code (par défaut 1).</translation>
    </message>
    <message>
        <source>With --labels and a spreadsheet: the column that says how many labels of each code, by its header, letter or number.</source>
        <translation>Avec --labels et un classeur : la colonne qui dit combien d&apos;étiquettes de chaque code, par son en-tête, sa lettre ou son numéro.</translation>
    </message>
    <message>
        <source>With --labels and a spreadsheet: the column of the names (default: the one headed like names; else the names this machine knows).</source>
        <translation>Avec --labels et un classeur : la colonne des noms (par défaut : celle dont l&apos;en-tête désigne des noms ; sinon les noms que connaît cette machine).</translation>
    </message>
    <message>
        <source>With --labels and a spreadsheet: the column of the prices (default: the one headed like prices).</source>
        <translation>Avec --labels et un classeur : la colonne des prix (par défaut : celle dont l&apos;en-tête désigne des prix).</translation>
    </message>
    <message>
        <source>With --labels: the first free place on a sheet used before, as ROW,COL from 1 (default 1,1).</source>
        <translation>Avec --labels : la première place libre sur une planche déjà entamée, en ROW,COL à partir de 1 (par défaut 1,1).</translation>
    </message>
    <message>
        <source>With --labels: the currency symbol put beside every price.</source>
        <translation>Avec --labels : le symbole monétaire placé à côté de chaque prix.</translation>
    </message>
    <message>
        <source>With --labels: a line of your own text on every label (the field &quot;text&quot;).</source>
        <translation>Avec --labels : une ligne de votre propre texte sur chaque étiquette (le champ « text »).</translation>
    </message>
    <message>
        <source>--labels needs --output and the PDF file to write.</source>
        <translation>--labels demande --output et le fichier PDF à écrire.</translation>
    </message>
    <message>
        <source>--labels needs codes, or files of codes or a spreadsheet.</source>
        <translation>--labels demande des codes, des fichiers de codes ou un classeur.</translation>
    </message>
    <message>
        <source>Unknown field &quot;%1&quot; in --label-fields: choose from %2.</source>
        <extracomment>%1 is what was given, %2 the fields there are.</extracomment>
        <translation>Champ inconnu « %1 » dans --label-fields : choisissez parmi %2.</translation>
    </message>
    <message>
        <source>--label-copies wants a whole number from 1 to %1, not &quot;%2&quot;.</source>
        <translation>--label-copies demande un nombre entier de 1 à %1, pas « %2 ».</translation>
    </message>
    <message>
        <source>--label-copies and --label-copies-column go alone.</source>
        <translation>--label-copies et --label-copies-column s&apos;emploient seuls.</translation>
    </message>
    <message>
        <source>--label-start wants ROW,COL, whole numbers from 1, as in 3,2; not &quot;%1&quot;.</source>
        <translation>--label-start demande ROW,COL, des nombres entiers à partir de 1, comme 3,2 ; pas « %1 ».</translation>
    </message>
</context>
<context>
    <name>LabelPrinting</name>
    <message numerus="yes">
        <source>and %1 more</source>
        <extracomment>After a list of codes: how many more are not listed.</extracomment>
        <translation>
            <numerusform>et %1 autre</numerusform>
            <numerusform>et %1 autres</numerusform>
        </translation>
    </message>
    <message>
        <source>Choose the spreadsheet the codes are in.</source>
        <translation>Choisissez le classeur qui contient les codes.</translation>
    </message>
    <message>
        <source>No codes could be read from %1.</source>
        <extracomment>%1 is the file&apos;s name.</extracomment>
        <translation>Aucun code n&apos;a pu être lu dans %1.</translation>
    </message>
    <message>
        <source>Choose the column that says how many labels of each code.</source>
        <translation>Choisissez la colonne qui dit combien d&apos;étiquettes de chaque code.</translation>
    </message>
    <message>
        <source>Choose a layout.</source>
        <translation>Choisissez une disposition.</translation>
    </message>
    <message>
        <source>Not printed:</source>
        <translation>Non imprimés :</translation>
    </message>
    <message>
        <source>No label to print.</source>
        <translation>Aucune étiquette à imprimer.</translation>
    </message>
    <message>
        <source>%1, barcodes at %2% of their size or more.</source>
        <translation>%1, codes-barres à %2 % de leur taille ou plus.</translation>
    </message>
    <message>
        <source>No label layout was found. Reinstall Quillfen, or put a layout file into %1.</source>
        <translation>Aucune disposition d&apos;étiquettes trouvée. Réinstallez Quillfen, ou placez un fichier de disposition dans %1.</translation>
    </message>
    <message>
        <source>Save the Labels as PDF</source>
        <translation>Enregistrer les étiquettes en PDF</translation>
    </message>
    <message>
        <source>PDF (*.pdf)|*.pdf|</source>
        <extracomment>A file dialog&apos;s filter: the description, &quot;|&quot;, the pattern, &quot;|&quot;.</extracomment>
        <translation>PDF (*.pdf)|*.pdf|</translation>
    </message>
    <message>
        <source>Saved in %1: %2.</source>
        <extracomment>%1 is the file, %2 says how many labels on how many pages (&quot;42 labels on 2 pages&quot;).</extracomment>
        <translation>Enregistré dans %1 : %2.</translation>
    </message>
    <message>
        <source>The labels were not printed: %1</source>
        <extracomment>%1 is why.</extracomment>
        <translation>Les étiquettes n&apos;ont pas été imprimées : %1</translation>
    </message>
    <message>
        <source>%1 went to the printer.</source>
        <extracomment>%1 says how many labels on how many pages.</extracomment>
        <translation>%1 envoyées à l&apos;imprimante.</translation>
    </message>
    <message>
        <source>These codes were not printed:</source>
        <translation>Ces codes n&apos;ont pas été imprimés :</translation>
    </message>
    <message>
        <source>Print Labels</source>
        <translation>Imprimer des étiquettes</translation>
    </message>
</context>
<context>
    <name>LabelSymbols</name>
    <message>
        <source>no code</source>
        <translation>aucun code</translation>
    </message>
    <message>
        <source>longer than the %1 characters a label&apos;s Code 128 holds</source>
        <translation>plus long que les %1 caractères que contient le Code 128 d&apos;une étiquette</translation>
    </message>
    <message>
        <source>Code 128 holds letters, digits and signs of Western European languages only</source>
        <translation>le Code 128 ne contient que des lettres, chiffres et signes des langues d&apos;Europe occidentale</translation>
    </message>
</context>
<context>
    <name>LabelsCommand</name>
    <message>
        <source>%1 names no column of the spreadsheet: &quot;%2&quot;.</source>
        <extracomment>%1 is the option, %2 the column it names.</extracomment>
        <translation>%1 ne désigne aucune colonne du classeur : « %2 ».</translation>
    </message>
    <message>
        <source>the sheet holds nothing</source>
        <translation>la feuille ne contient rien</translation>
    </message>
    <message>
        <source>--column names no column of the spreadsheet: &quot;%1&quot;.</source>
        <translation>--column ne désigne aucune colonne du classeur : « %1 ».</translation>
    </message>
    <message>
        <source>which column holds the codes? Name it with --column: %1</source>
        <extracomment>%1 lists the sheet&apos;s columns.</extracomment>
        <translation>quelle colonne contient les codes ? Désignez-la avec --column : %1</translation>
    </message>
    <message>
        <source>larger than 100 MB</source>
        <translation>plus de 100 Mo</translation>
    </message>
    <message>
        <source>not a text file</source>
        <translation>pas un fichier texte</translation>
    </message>
    <message>
        <source>No label layout &quot;%1&quot;: choose from %2 (--list-layouts), or give your own with --layout-file.</source>
        <extracomment>%1 is the name given, %2 the layouts there are.</extracomment>
        <translation>Aucune disposition d&apos;étiquettes « %1 » : choisissez parmi %2 (--list-layouts), ou donnez la vôtre avec --layout-file.</translation>
    </message>
    <message>
        <source>no such file</source>
        <translation>fichier introuvable</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>%1 is an input (a file&apos;s name), %2 what is wrong with it.
----------
%1 says how many labels on how many pages (&quot;42 labels on 2 pages&quot;), %2 is the file.</extracomment>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>--label-copies-column needs a spreadsheet among the inputs.</source>
        <translation>--label-copies-column demande un classeur parmi les entrées.</translation>
    </message>
    <message>
        <source>not printed: %1</source>
        <extracomment>%1 is a row of a spreadsheet and why it is not printed.
----------
%1 is a code and why it is not printed (&quot;4006381333932: check digit should be 1&quot;).</extracomment>
        <translation>non imprimé : %1</translation>
    </message>
    <message>
        <source>no label to print; %1 was not written.</source>
        <translation>aucune étiquette à imprimer ; %1 n&apos;a pas été écrit.</translation>
    </message>
    <message>
        <source>%1 was not written: %2</source>
        <extracomment>%1 is the file, %2 why it could not be written.</extracomment>
        <translation>%1 n&apos;a pas été écrit : %2</translation>
    </message>
</context>
<context>
    <name>LibzipArchives</name>
    <message>
        <source>it is damaged: the part %1 cannot be unpacked</source>
        <translation>il est endommagé : la partie %1 ne peut pas être décompressée</translation>
    </message>
    <message>
        <source>the part %1 unpacks to more than its limit</source>
        <translation>la partie %1 dépasse sa limite une fois décompressée</translation>
    </message>
    <message>
        <source>it is not a zip container (%1)</source>
        <translation>ce n&apos;est pas une archive zip (%1)</translation>
    </message>
    <message>
        <source>Cannot write the file %1: %2</source>
        <translation>Impossible d&apos;écrire le fichier %1 : %2</translation>
    </message>
    <message>
        <source>Cannot write the file %1</source>
        <translation>Impossible d&apos;écrire le fichier %1</translation>
    </message>
    <message>
        <source>it is damaged: it holds the part %1 twice</source>
        <translation>le fichier est endommagé : il contient deux fois la partie %1</translation>
    </message>
</context>
<context>
    <name>ListingCommandLine</name>
    <message>
        <source>With --batch: save the picture of every product found in this folder, one file each named by its GTIN (4006381333931.jpg), with a list of them, pictures.csv. A picture saved there by an earlier run is not fetched again.</source>
        <translation>Avec --batch : enregistrer l&apos;image de chaque produit trouvé dans ce dossier, un fichier chacune nommé d&apos;après son GTIN (4006381333931.jpg), avec leur liste, pictures.csv. Une image qu&apos;une exécution précédente y a enregistrée n&apos;est pas récupérée à nouveau.</translation>
    </message>
    <message>
        <source>With --pictures-dir: ask no source, take the answers remembered, and save their pictures alone, without a results file.</source>
        <translation>Avec --pictures-dir : n&apos;interroger aucune source, prendre les réponses mémorisées et n&apos;enregistrer que leurs images, sans fichier de résultats.</translation>
    </message>
    <message>
        <source>With --pictures-dir: make pictures larger than N pixels on their longer side that small, as JPEG.</source>
        <translation>Avec --pictures-dir : réduire à cette taille, en JPEG, les images dont le plus grand côté dépasse N pixels.</translation>
    </message>
    <message>
        <source>With --pictures-dir and a shop&apos;s --format: the address the saved pictures will be published under; each product&apos;s picture is then this address followed by its file&apos;s name.</source>
        <translation>Avec --pictures-dir et le --format d&apos;une boutique : l&apos;adresse sous laquelle les images enregistrées seront publiées ; l&apos;image de chaque produit est alors cette adresse suivie du nom de son fichier.</translation>
    </message>
    <message>
        <source>With a shop&apos;s --format and a spreadsheet input: your column of prices, by its header, letter or number (default: the one headed Price, Preis, Prix, Precio, ...).</source>
        <translation>Avec le --format d&apos;une boutique et une feuille de calcul en entrée : votre colonne des prix, par son en-tête, sa lettre ou son numéro (par défaut : celle intitulée Price, Preis, Prix, Precio, ...).</translation>
    </message>
    <message>
        <source>With a shop&apos;s --format and a spreadsheet input: your column of SKUs (default: the one headed SKU, Article, Artikel, ...).</source>
        <translation>Avec le --format d&apos;une boutique et une feuille de calcul en entrée : votre colonne des références (par défaut : celle intitulée SKU, Article, Artikel, ...).</translation>
    </message>
    <message>
        <source>With a shop&apos;s --format and a spreadsheet input: your column of stock (default: the one headed Stock, Qty, Bestand, ...).</source>
        <translation>Avec le --format d&apos;une boutique et une feuille de calcul en entrée : votre colonne du stock (par défaut : celle intitulée Stock, Qty, Bestand, ...).</translation>
    </message>
    <message>
        <source>--keep-columns writes csv, tsv, xlsx or ods, not a shop&apos;s file.</source>
        <translation>--keep-columns écrit du csv, tsv, xlsx ou ods, pas un fichier de boutique.</translation>
    </message>
    <message>
        <source>--pictures-dir needs a folder.</source>
        <translation>--pictures-dir demande un dossier.</translation>
    </message>
    <message>
        <source>--%1 goes with --pictures-dir.</source>
        <extracomment>%1 is an option&apos;s name.</extracomment>
        <translation>--%1 va avec --pictures-dir.</translation>
    </message>
    <message>
        <source>--pictures-only writes no results: leave out --%1.</source>
        <translation>--pictures-only n&apos;écrit aucun résultat : retirez --%1.</translation>
    </message>
    <message>
        <source>--pictures-only takes the answers remembered: leave out --no-cache.</source>
        <translation>--pictures-only prend les réponses mémorisées : retirez --no-cache.</translation>
    </message>
    <message>
        <source>--picture-size wants a number of pixels from %1 to %2, not &quot;%3&quot;.</source>
        <translation>--picture-size attend un nombre de pixels de %1 à %2, pas « %3 ».</translation>
    </message>
    <message>
        <source>--pictures-base-url goes with a shop&apos;s --format (shopify, woocommerce, merchant).</source>
        <translation>--pictures-base-url va avec le --format d&apos;une boutique (shopify, woocommerce, merchant).</translation>
    </message>
    <message>
        <source>Not a usable address in --pictures-base-url: &quot;%1&quot;; give it as https://host/folder/.</source>
        <translation>Adresse inutilisable dans --pictures-base-url : « %1 » ; donnez-la sous la forme https://hote/dossier/.</translation>
    </message>
    <message>
        <source>--currency goes with --format merchant.</source>
        <translation>--currency va avec --format merchant.</translation>
    </message>
    <message>
        <source>--currency wants a currency&apos;s three-letter code, such as EUR, not &quot;%1&quot;.</source>
        <translation>--currency attend le code à trois lettres d&apos;une devise, par exemple EUR, pas « %1 ».</translation>
    </message>
    <message>
        <source>--%1 goes with a shop&apos;s --format (shopify, woocommerce, merchant).</source>
        <translation>--%1 va avec le --format d&apos;une boutique (shopify, woocommerce, merchant).</translation>
    </message>
    <message>
        <source>With --format merchant: the prices&apos; currency, such as EUR (default: the locale&apos;s); with --labels: the symbol put beside every price.</source>
        <translation>Avec --format merchant : la devise des prix, par exemple EUR (par défaut : celle des paramètres régionaux) ; avec --labels : le symbole placé à côté de chaque prix.</translation>
    </message>
</context>
<context>
    <name>ListingSheets</name>
    <message>
        <source>Your columns of %1 cannot be read again: %2. The shop&apos;s file is written without them.</source>
        <extracomment>%1 is a spreadsheet&apos;s file, %2 why it cannot be read.</extracomment>
        <translation>Vos colonnes de %1 ne peuvent pas être relues : %2. Le fichier de la boutique est écrit sans elles.</translation>
    </message>
</context>
<context>
    <name>LookupChain</name>
    <message>
        <source>none of the chosen sources looks up such codes</source>
        <translation>aucune des sources choisies ne recherche ce type de code</translation>
    </message>
    <message>
        <source>a coupon code, not a product</source>
        <translation>un code de coupon, pas un produit</translation>
    </message>
    <message>
        <source>a refund receipt</source>
        <translation>un bon de remboursement</translation>
    </message>
    <message>
        <source> - unnamed product</source>
        <extracomment>Follows the code in the results list.</extracomment>
        <translation> - produit sans nom</translation>
    </message>
    <message>
        <source> - lookup failed: </source>
        <extracomment>Follows the code in the results list; the source and the reason follow it.</extracomment>
        <translation> - échec de la recherche : </translation>
    </message>
    <message>
        <source> - not looked up: </source>
        <extracomment>Follows the code in the results list; the reason follows it.</extracomment>
        <translation> - non recherché : </translation>
    </message>
    <message>
        <source> - no record found</source>
        <extracomment>Follows the code in the results list.</extracomment>
        <translation> - aucune fiche trouvée</translation>
    </message>
    <message>
        <source>unexpected answer</source>
        <translation>réponse inattendue</translation>
    </message>
    <message>
        <source>empty answer</source>
        <translation>réponse vide</translation>
    </message>
    <message>
        <source>not JSON</source>
        <translation>pas du JSON</translation>
    </message>
    <message>
        <source>malformed JSON</source>
        <translation>JSON mal formé</translation>
    </message>
    <message>
        <source>no title in answer</source>
        <translation>aucun titre dans la réponse</translation>
    </message>
    <message>
        <source>empty page</source>
        <translation>page vide</translation>
    </message>
    <message>
        <source>no HTTP status</source>
        <translation>aucun statut HTTP</translation>
    </message>
    <message>
        <source>daily limit reached</source>
        <translation>limite quotidienne atteinte</translation>
    </message>
    <message>
        <source>unexpected answer: no list of results</source>
        <translation>réponse inattendue : aucune liste de résultats</translation>
    </message>
    <message>
        <source>unexpected answer: no results</source>
        <translation>réponse inattendue : aucun résultat</translation>
    </message>
    <message>
        <source>the key holds characters other than printable ASCII</source>
        <translation>la clé contient des caractères autres que de l&apos;ASCII imprimable</translation>
    </message>
    <message>
        <source>not asked over the network</source>
        <translation>non recherché par le réseau</translation>
    </message>
    <message>
        <source>no product index (import one first)</source>
        <translation>aucun index de produits (importez-en un d&apos;abord)</translation>
    </message>
    <message>
        <source>too many redirects</source>
        <translation>trop de redirections</translation>
    </message>
    <message>
        <source>insecure redirect</source>
        <translation>redirection non sécurisée</translation>
    </message>
    <message>
        <source>connection refused</source>
        <translation>connexion refusée</translation>
    </message>
    <message>
        <source>connection closed</source>
        <translation>connexion fermée</translation>
    </message>
    <message>
        <source>host not found</source>
        <translation>hôte introuvable</translation>
    </message>
    <message>
        <source>timed out</source>
        <translation>délai dépassé</translation>
    </message>
    <message>
        <source>secure connection failed</source>
        <translation>échec de la connexion sécurisée</translation>
    </message>
    <message>
        <source>proxy error</source>
        <translation>erreur de proxy</translation>
    </message>
    <message>
        <source>malformed answer</source>
        <translation>réponse mal formée</translation>
    </message>
    <message>
        <source>page too large</source>
        <translation>page trop volumineuse</translation>
    </message>
    <message>
        <source>network unavailable</source>
        <translation>réseau indisponible</translation>
    </message>
    <message>
        <source>no answer</source>
        <translation>aucune réponse</translation>
    </message>
    <message>
        <source>stopped</source>
        <translation>arrêté</translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation>annulé</translation>
    </message>
    <message>
        <source>answer about another code</source>
        <translation>réponse concernant un autre code</translation>
    </message>
    <message>
        <source>HTTP %1</source>
        <translation>HTTP %1</translation>
    </message>
    <message>
        <source>the key for %1 was refused</source>
        <translation>la clé pour %1 a été refusée</translation>
    </message>
    <message>
        <source>malformed JSON (%1)</source>
        <translation>JSON mal formé (%1)</translation>
    </message>
    <message>
        <source>not a public address: %1</source>
        <translation>pas une adresse publique : %1</translation>
    </message>
    <message>
        <source>not a loopback address: %1</source>
        <translation>pas une adresse de bouclage : %1</translation>
    </message>
    <message>
        <source> (%1)</source>
        <extracomment>Follows &quot; - no record found&quot; in the results list; %1 is why.</extracomment>
        <translation> (%1)</translation>
    </message>
    <message>
        <source>a variable-measure item (indicator 9), whose code names no one product</source>
        <translation>un article à mesure variable (indicateur 9), dont le code ne désigne aucun produit précis</translation>
    </message>
    <message>
        <source>%1 (case of %2)</source>
        <extracomment>A case&apos;s row: what the case holds, then that product&apos;s code.</extracomment>
        <translation>%1 (carton de %2)</translation>
    </message>
    <message>
        <source>no catalogue connection</source>
        <translation>aucune connexion aux catalogues</translation>
    </message>
    <message>
        <source>could not connect</source>
        <translation>connexion impossible</translation>
    </message>
    <message>
        <source>answer too large</source>
        <translation>réponse trop volumineuse</translation>
    </message>
    <message>
        <source>the catalogue sent no records</source>
        <translation>le catalogue n&apos;a envoyé aucune notice</translation>
    </message>
    <message>
        <source>damaged record: %1</source>
        <translation>notice endommagée : %1</translation>
    </message>
</context>
<context>
    <name>LookupRun</name>
    <message>
        <source>No failed rows to retry.</source>
        <translation>Aucune ligne en échec à relancer.</translation>
    </message>
    <message>
        <source>Stopped after %1 of %2 codes.</source>
        <translation>Arrêté après %1 codes sur %2.</translation>
    </message>
    <message>
        <source>Waiting %1 s for %2&apos; turn</source>
        <extracomment>%1 is a number of seconds, %2 the name of a product database.</extracomment>
        <translation>Attente de %1 s avant le tour de %2</translation>
    </message>
    <message>
        <source>Waiting %1 s for %2&apos;s turn</source>
        <translation>Attente de %1 s avant le tour de %2</translation>
    </message>
    <message>
        <source>Processing: %1 (service busy, next try in %2 s)</source>
        <extracomment>%1 is the code being looked up, %2 a number of seconds.</extracomment>
        <translation>Traitement : %1 (service surchargé, nouvel essai dans %2 s)</translation>
    </message>
    <message>
        <source>No items added to list.</source>
        <translation>Aucun élément ajouté à la liste.</translation>
    </message>
    <message>
        <source>Done.</source>
        <translation>Terminé.</translation>
    </message>
    <message>
        <source>Processing: %1</source>
        <extracomment>%1 is the code being looked up.</extracomment>
        <translation>Traitement : %1</translation>
    </message>
    <message>
        <source>%1 of %2 lookups failed; Lookup → Retry Failed Rows asks again.</source>
        <translation>%1 recherches sur %2 ont échoué ; Recherche → Relancer les lignes en échec les relance.</translation>
    </message>
    <message>
        <source>%1 found, %2 not found, %3 failed</source>
        <extracomment>%1, %2 and %3 are numbers of codes.</extracomment>
        <translation>%1 trouvés, %2 introuvables, %3 en échec</translation>
    </message>
    <message>
        <source>%1 found, %2 not found, %3 failed, %4 not looked up</source>
        <translation>%1 trouvés, %2 introuvables, %3 en échec, %4 non recherchés</translation>
    </message>
    <message>
        <source>Lookup → Retry Failed Rows asks again about the failed ones.</source>
        <translation>Recherche → Relancer les lignes en échec relance celles qui ont échoué.</translation>
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
    <name>LookupSource</name>
    <message>
        <source>Page service</source>
        <translation>Service de pages</translation>
    </message>
    <message>
        <source>Product index</source>
        <translation>Index des produits</translation>
    </message>
    <message>
        <source>UPCitemdb (paid plan)</source>
        <translation>UPCitemdb (offre payante)</translation>
    </message>
</context>
<context>
    <name>OdsReader</name>
    <message>
        <source>its cells&apos; text stands for more than %1 spaces</source>
        <translation>le texte de ses cellules représente plus de %1 espaces</translation>
    </message>
    <message>
        <source>it is damaged: the document holds no sheet</source>
        <translation>le fichier est endommagé : le document ne contient aucune feuille</translation>
    </message>
</context>
<context>
    <name>OdsWorkbook</name>
    <message>
        <source>No workbook is open</source>
        <translation>Aucun classeur n&apos;est ouvert</translation>
    </message>
    <message>
        <source>There is no cell %1, %2 on a sheet</source>
        <translation>Une feuille n&apos;a pas de cellule %1, %2</translation>
    </message>
    <message>
        <source>Cannot set cell %1, %2: its row is already written</source>
        <translation>Impossible de remplir la cellule %1, %2 : sa ligne est déjà écrite</translation>
    </message>
    <message>
        <source>Cannot write the workbook %1: %2</source>
        <translation>Impossible d&apos;écrire le classeur %1 : %2</translation>
    </message>
</context>
<context>
    <name>OutcomeWriter</name>
    <message>
        <source>Code as typed</source>
        <translation>Code tel que saisi</translation>
    </message>
    <message>
        <source>GTIN</source>
        <translation>GTIN</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>État</translation>
    </message>
    <message>
        <source>Product name</source>
        <translation>Nom du produit</translation>
    </message>
    <message>
        <source>Brand</source>
        <translation>Marque</translation>
    </message>
    <message>
        <source>Quantity</source>
        <translation>Quantité</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Source</translation>
    </message>
    <message>
        <source>Why not found or failed</source>
        <translation>Pourquoi introuvable ou en échec</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Catégories</translation>
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
        <source>Picture address</source>
        <translation>Adresse de l&apos;image</translation>
    </message>
    <message>
        <source>Page address</source>
        <translation>Adresse de la page</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>A column&apos;s readable name, then its name in the file and in batch mode&apos;s --columns.</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Same product as row</source>
        <translation>Même produit que la ligne</translation>
    </message>
    <message>
        <source>Case of</source>
        <translation>Carton de</translation>
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
        <translation>ISBN avec tirets</translation>
    </message>
    <message>
        <source>ISSN</source>
        <translation>ISSN</translation>
    </message>
    <message>
        <source>Author</source>
        <translation>Auteur</translation>
    </message>
    <message>
        <source>Publisher</source>
        <translation>Éditeur</translation>
    </message>
    <message>
        <source>Published</source>
        <translation>Publication</translation>
    </message>
    <message>
        <source>Catalogue record number</source>
        <translation>Numéro de la notice</translation>
    </message>
</context>
<context>
    <name>PartFiles</name>
    <message>
        <source>Cannot write the file %1: %2</source>
        <translation>Impossible d&apos;écrire le fichier %1 : %2</translation>
    </message>
    <message>
        <source>Cannot create the file %1: it is a folder</source>
        <translation>Impossible de créer le fichier %1 : c&apos;est un dossier</translation>
    </message>
    <message>
        <source>Cannot create the file %1: %2</source>
        <translation>Impossible de créer le fichier %1 : %2</translation>
    </message>
    <message>
        <source>Cannot create the file %1: no free temporary name beside it</source>
        <translation>Impossible de créer le fichier %1 : aucun nom temporaire libre à côté</translation>
    </message>
</context>
<context>
    <name>PictureFetch</name>
    <message>
        <source>an empty answer</source>
        <translation>une réponse vide</translation>
    </message>
</context>
<context>
    <name>PictureFolder</name>
    <message>
        <source>no GTIN to name the file by</source>
        <translation>aucun GTIN pour nommer le fichier</translation>
    </message>
    <message>
        <source>not a picture</source>
        <translation>pas une image</translation>
    </message>
    <message>
        <source>Pictures in %1: %2 saved, %3 already there, %4 left as your own file of that name, %5 without a picture, %6 failed.</source>
        <extracomment>%1 is a folder; then how many pictures were saved, were there already, were kept as the user&apos;s own file under that name, had no picture, and failed.</extracomment>
        <translation>Images dans %1 : %2 enregistrées, %3 déjà présentes, %4 laissées comme votre propre fichier de ce nom, %5 sans image, %6 en échec.</translation>
    </message>
    <message>
        <source>Why: %1.</source>
        <extracomment>%1 lists reasons, each with how many pictures failed for it.</extracomment>
        <translation>Pourquoi : %1.</translation>
    </message>
    <message>
        <source>The %1 there is not Quillfen&apos;s: it was left as it is, and no list was written.</source>
        <extracomment>%1 is the file name pictures.csv.</extracomment>
        <translation>Le fichier %1 qui s&apos;y trouve n&apos;est pas celui de Quillfen : il a été laissé tel quel et aucune liste n&apos;a été écrite.</translation>
    </message>
</context>
<context>
    <name>PictureFolderSave</name>
    <message>
        <source>Saving pictures: %1 of %2</source>
        <extracomment>On the progress bar: which picture of how many is being saved.</extracomment>
        <translation>Enregistrement des images : %1 sur %2</translation>
    </message>
    <message>
        <source>Stopped.</source>
        <translation>Arrêté.</translation>
    </message>
    <message>
        <source>Save Pictures</source>
        <translation>Enregistrer les images</translation>
    </message>
    <message>
        <source>No product found in the results has a picture to save.</source>
        <translation>Aucun produit trouvé dans les résultats n&apos;a d&apos;image à enregistrer.</translation>
    </message>
    <message>
        <source>Pictures are saved once the lookup is over: wait for it, or stop it.</source>
        <translation>Les images sont enregistrées une fois la recherche terminée : attendez-la ou arrêtez-la.</translation>
    </message>
</context>
<context>
    <name>PictureModule</name>
    <message>
        <source>The reader of pictures and PDF pages could not be loaded: %1</source>
        <extracomment>%1 is what the system said.</extracomment>
        <translation>Le lecteur d&apos;images et de pages PDF n&apos;a pas pu être chargé : %1</translation>
    </message>
</context>
<context>
    <name>Politeness</name>
    <message>
        <source>Open Food Facts is busy for everyone and asks that large lists be looked up in its export instead: Lookup → Download Product Database (quillfen --download-index) imports it once for answers offline.</source>
        <translation>Open Food Facts est surchargé pour tout le monde et demande que les grandes listes soient recherchées plutôt dans son export : Recherche → Télécharger la base de produits (quillfen --download-index) l&apos;importe une fois pour répondre hors ligne.</translation>
    </message>
</context>
<context>
    <name>PopplerPdfDocument</name>
    <message>
        <source>the PDF has no page %1</source>
        <translation>le PDF n&apos;a pas de page %1</translation>
    </message>
    <message>
        <source>page %1 of the PDF is damaged</source>
        <translation>la page %1 du PDF est endommagée</translation>
    </message>
    <message>
        <source>the PDF is damaged or is no PDF</source>
        <translation>le PDF est endommagé ou n&apos;est pas un PDF</translation>
    </message>
    <message>
        <source>the PDF is protected by a password</source>
        <translation>le PDF est protégé par un mot de passe</translation>
    </message>
    <message>
        <source>the PDF is damaged (it is cut short)</source>
        <translation>le PDF est endommagé (il est tronqué)</translation>
    </message>
    <message>
        <source>page %1 of the PDF cannot be drawn</source>
        <translation>la page %1 du PDF ne peut pas être affichée</translation>
    </message>
</context>
<context>
    <name>ProductCode</name>
    <message>
        <source>check digit should be %1</source>
        <translation>la clé de contrôle devrait être %1</translation>
    </message>
    <message>
        <source>the spreadsheet turned this code into the number %1 and lost its digits; format the column as text</source>
        <translation>la feuille de calcul a transformé ce code en nombre %1 et a perdu ses chiffres ; formatez la colonne en texte</translation>
    </message>
    <message>
        <source>not an EAN (8, 12, 13 or 14 digits expected) or an ISBN-10</source>
        <translation>ni un EAN (8, 12, 13 ou 14 chiffres attendus) ni un ISBN-10</translation>
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
    <message>
        <source>Description</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Image</translation>
    </message>
    <message>
        <source>Case of</source>
        <translation>Carton de</translation>
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
        <translation>Auteur</translation>
    </message>
    <message>
        <source>Subjects</source>
        <translation>Sujets</translation>
    </message>
    <message>
        <source>Control number</source>
        <translation>Numéro de contrôle</translation>
    </message>
</context>
<context>
    <name>ProgressDisplay</name>
    <message>
        <source>Progress Bar</source>
        <translation>Barre de progression</translation>
    </message>
</context>
<context>
    <name>PublicAddress</name>
    <message>
        <source>a loopback address</source>
        <translation>une adresse de bouclage</translation>
    </message>
    <message>
        <source>a private address</source>
        <translation>une adresse privée</translation>
    </message>
    <message>
        <source>a link-local address</source>
        <translation>une adresse lien-local</translation>
    </message>
    <message>
        <source>an unspecified address</source>
        <translation>une adresse non spécifiée</translation>
    </message>
    <message>
        <source>no host&apos;s address</source>
        <translation>pas l&apos;adresse d&apos;un hôte</translation>
    </message>
    <message>
        <source>not a web address</source>
        <translation>pas une adresse web</translation>
    </message>
    <message>
        <source>not a public address: %1 (%2)</source>
        <translation>pas une adresse publique : %1 (%2)</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Affiche l&apos;aide sur les options de la ligne de commande.</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>Affiche l&apos;aide, options propres à Qt comprises.</translation>
    </message>
</context>
<context>
    <name>QtBatchConsole</name>
    <message>
        <source>Cannot read standard input: %1</source>
        <translation>Impossible de lire l&apos;entrée standard : %1</translation>
    </message>
    <message>
        <source>Cannot write to standard output: %1</source>
        <translation>Impossible d&apos;écrire sur la sortie standard : %1</translation>
    </message>
</context>
<context>
    <name>QtBrowserOpener</name>
    <message>
        <source>Could not open %1 in the web browser</source>
        <translation>Impossible d&apos;ouvrir %1 dans le navigateur web</translation>
    </message>
</context>
<context>
    <name>QtClipboard</name>
    <message>
        <source>The clipboard is not available</source>
        <translation>Le presse-papiers n&apos;est pas disponible</translation>
    </message>
    <message>
        <source>Clipboard format %1 is not available</source>
        <translation>Le format %1 du presse-papiers n&apos;est pas disponible</translation>
    </message>
</context>
<context>
    <name>QtColumnChoiceDialog</name>
    <message>
        <source>Code Column</source>
        <translation>Colonne des codes</translation>
    </message>
    <message>
        <source>Which column of %1 holds the codes?</source>
        <translation>Quelle colonne de %1 contient les codes ?</translation>
    </message>
    <message>
        <source>Columns</source>
        <translation>Colonnes</translation>
    </message>
    <message>
        <source>Column</source>
        <extracomment>Columns of the list: the column&apos;s letter (A, B, ...), its first row&apos;s text, and the first values under it.</extracomment>
        <translation>Colonne</translation>
    </message>
    <message>
        <source>Header</source>
        <translation>En-tête</translation>
    </message>
    <message>
        <source>First values</source>
        <translation>Premières valeurs</translation>
    </message>
</context>
<context>
    <name>QtDetailsWindow</name>
    <message>
        <source>Loading picture…</source>
        <translation>Chargement de l&apos;image…</translation>
    </message>
    <message>
        <source>no picture</source>
        <translation>pas d&apos;image</translation>
    </message>
    <message>
        <source>Product Details</source>
        <translation>Détails du produit</translation>
    </message>
    <message>
        <source>Open the product&apos;s page</source>
        <translation>Ouvrir la page du produit</translation>
    </message>
    <message>
        <source>Picture of %1</source>
        <translation>Image de %1</translation>
    </message>
</context>
<context>
    <name>QtDownloadStore</name>
    <message>
        <source>Could not make the folder %1</source>
        <translation>Impossible de créer le dossier %1</translation>
    </message>
    <message>
        <source>Could not rename %1 to %2</source>
        <translation>Impossible de renommer %1 en %2</translation>
    </message>
    <message>
        <source>disk full</source>
        <translation>disque plein</translation>
    </message>
</context>
<context>
    <name>QtFileSystem</name>
    <message>
        <source>%1 is a folder, not a file</source>
        <translation>%1 est un dossier, pas un fichier</translation>
    </message>
    <message>
        <source>%1 is not a file</source>
        <translation>%1 n&apos;est pas un fichier</translation>
    </message>
    <message>
        <source>Could not open %1: %2</source>
        <translation>Impossible d&apos;ouvrir %1 : %2</translation>
    </message>
    <message>
        <source>Could not read %1: %2</source>
        <translation>Impossible de lire %1 : %2</translation>
    </message>
    <message>
        <source>Could not make the folder %1</source>
        <translation>Impossible de créer le dossier %1</translation>
    </message>
    <message>
        <source>Could not write %1: %2</source>
        <translation>Impossible d&apos;écrire %1 : %2</translation>
    </message>
</context>
<context>
    <name>QtFolderFiles</name>
    <message>
        <source>Cannot make the folder %1: %2</source>
        <translation>Impossible de créer le dossier %1 : %2</translation>
    </message>
    <message>
        <source>a file of that name is there</source>
        <translation>un fichier de ce nom s&apos;y trouve</translation>
    </message>
    <message>
        <source>Cannot write the file %1: %2</source>
        <translation>Impossible d&apos;écrire le fichier %1 : %2</translation>
    </message>
    <message>
        <source>Cannot write the file %1</source>
        <translation>Impossible d&apos;écrire le fichier %1</translation>
    </message>
    <message>
        <source>Cannot remove the file %1: %2</source>
        <translation>Impossible de supprimer le fichier %1 : %2</translation>
    </message>
</context>
<context>
    <name>QtForm1Window</name>
    <message>
        <source>Double-click item to remove it. Move | line to right and out of window to reveal full names.</source>
        <translation>Double-cliquez sur un élément pour le retirer. Faites glisser la ligne | vers la droite hors de la fenêtre pour voir les noms en entier.</translation>
    </message>
    <message>
        <source>Add EAN Number or Numbers</source>
        <translation>Ajouter un ou plusieurs EAN</translation>
    </message>
    <message>
        <source>Load EAN Numbers From File</source>
        <translation>Charger des EAN d&apos;un fichier</translation>
    </message>
    <message>
        <source>Clear List</source>
        <translation>Vider la liste</translation>
    </message>
    <message>
        <source>Load Sample/Example EANs</source>
        <translation>Charger des EAN d&apos;exemple</translation>
    </message>
    <message>
        <source>Start Looking Up</source>
        <translation>Lancer la recherche</translation>
    </message>
    <message>
        <source>Save Results As Text File</source>
        <translation>Enregistrer en texte</translation>
    </message>
    <message>
        <source>Save Results As Excel File</source>
        <translation>Enregistrer en Excel</translation>
    </message>
    <message>
        <source>Copy Results To Clipboard</source>
        <translation>Copier les résultats</translation>
    </message>
    <message>
        <source>Clear Results</source>
        <translation>Effacer les résultats</translation>
    </message>
    <message>
        <source>Menu bar</source>
        <translation>Barre de menus</translation>
    </message>
    <message>
        <source>&amp;Lookup</source>
        <translation>&amp;Recherche</translation>
    </message>
    <message>
        <source>Lookup</source>
        <translation>Recherche</translation>
    </message>
    <message>
        <source>&amp;Sources…</source>
        <translation>&amp;Sources…</translation>
    </message>
    <message>
        <source>&amp;Forget Remembered Answers</source>
        <translation>&amp;Oublier les réponses mémorisées</translation>
    </message>
    <message>
        <source>&amp;Import Product Database…</source>
        <translation>&amp;Importer la base de produits…</translation>
    </message>
    <message>
        <source>&amp;Download Product Database</source>
        <translation>&amp;Télécharger la base de produits</translation>
    </message>
    <message>
        <source>&amp;Update the Index</source>
        <translation>Mettre à &amp;jour l&apos;index</translation>
    </message>
    <message>
        <source>No product index</source>
        <translation>Aucun index de produits</translation>
    </message>
    <message>
        <source>S&amp;top Looking Up</source>
        <translation>&amp;Arrêter la recherche</translation>
    </message>
    <message>
        <source>&amp;Retry Failed Rows</source>
        <translation>&amp;Relancer les lignes en échec</translation>
    </message>
    <message>
        <source>&amp;Product Details…</source>
        <translation>Détails du &amp;produit…</translation>
    </message>
    <message>
        <source>Save Results &amp;As…</source>
        <translation>&amp;Enregistrer les résultats sous…</translation>
    </message>
    <message>
        <source>&amp;Enrich a Spreadsheet…</source>
        <translation>Co&amp;mpléter une feuille de calcul…</translation>
    </message>
    <message>
        <source>S&amp;can…</source>
        <translation>S&amp;canner…</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Aid&amp;e</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>&amp;About Quillfen</source>
        <translation>À &amp;propos de Quillfen</translation>
    </message>
    <message>
        <source>Invalid picture: %1</source>
        <translation>Image non valide : %1</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Langue</translation>
    </message>
    <message>
        <source>EAN Codes</source>
        <translation>Codes EAN</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>Progress Bar</source>
        <translation>Barre de progression</translation>
    </message>
    <message>
        <source>Save Rec&amp;ords As…</source>
        <translation>Enregistrer les &amp;notices sous…</translation>
    </message>
    <message>
        <source>Sa&amp;ve Pictures…</source>
        <translation>Enregistrer les ima&amp;ges…</translation>
    </message>
    <message>
        <source>Print &amp;Labels…</source>
        <translation>Imprimer des é&amp;tiquettes…</translation>
    </message>
</context>
<context>
    <name>QtHttpFetcher</name>
    <message>
        <source>not a loopback address</source>
        <translation>pas une adresse de bouclage</translation>
    </message>
    <message>
        <source>stopped</source>
        <translation>arrêté</translation>
    </message>
    <message>
        <source>no data for %1 s</source>
        <extracomment>%1 is a number of seconds.</extracomment>
        <translation>aucune donnée depuis %1 s</translation>
    </message>
    <message>
        <source>insecure redirect</source>
        <translation>redirection non sécurisée</translation>
    </message>
    <message>
        <source>no answer</source>
        <translation>pas de réponse</translation>
    </message>
</context>
<context>
    <name>QtInputFiles</name>
    <message>
        <source>Cannot open %1: it is a folder</source>
        <translation>Impossible d&apos;ouvrir %1 : c&apos;est un dossier</translation>
    </message>
    <message>
        <source>Cannot open %1: %2</source>
        <translation>Impossible d&apos;ouvrir %1 : %2</translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>Impossible de lire %1 : %2</translation>
    </message>
</context>
<context>
    <name>QtKeychainStore</name>
    <message>
        <source>No keyring answers (%1).</source>
        <translation>Le trousseau de clés ne répond pas (%1).</translation>
    </message>
</context>
<context>
    <name>QtLabelPrinter</name>
    <message>
        <source>The pages could not be begun.</source>
        <translation>Les pages n&apos;ont pas pu être commencées.</translation>
    </message>
    <message>
        <source>No room for another page.</source>
        <translation>Pas de place pour une page de plus.</translation>
    </message>
    <message>
        <source>The pages could not be finished.</source>
        <translation>Les pages n&apos;ont pas pu être terminées.</translation>
    </message>
    <message>
        <source>Labels</source>
        <translation>Étiquettes</translation>
    </message>
    <message>
        <source>Print Labels</source>
        <translation>Imprimer des étiquettes</translation>
    </message>
</context>
<context>
    <name>QtLabelsDialog</name>
    <message>
        <source>(none)</source>
        <translation>(aucune)</translation>
    </message>
    <message>
        <source>Print Labels</source>
        <translation>Imprimer des étiquettes</translation>
    </message>
    <message>
        <source>Layout</source>
        <translation>Disposition</translation>
    </message>
    <message>
        <source>&amp;Layout:</source>
        <translation>&amp;Disposition :</translation>
    </message>
    <message>
        <source>On each label</source>
        <translation>Sur chaque étiquette</translation>
    </message>
    <message>
        <source>&amp;Barcode</source>
        <translation>&amp;Code-barres</translation>
    </message>
    <message>
        <source>The code in &amp;digits</source>
        <translation>Le code en c&amp;hiffres</translation>
    </message>
    <message>
        <source>&amp;Name</source>
        <translation>&amp;Nom</translation>
    </message>
    <message>
        <source>&amp;Price</source>
        <translation>&amp;Prix</translation>
    </message>
    <message>
        <source>Your &amp;text:</source>
        <translation>Votre &amp;texte :</translation>
    </message>
    <message>
        <source>Your text</source>
        <translation>Votre texte</translation>
    </message>
    <message>
        <source>Currency symbol</source>
        <translation>Symbole monétaire</translation>
    </message>
    <message>
        <source>Currenc&amp;y:</source>
        <translation>De&amp;vise :</translation>
    </message>
    <message>
        <source>Codes</source>
        <translation>Codes</translation>
    </message>
    <message numerus="yes">
        <source>The &amp;code list (1 code)</source>
        <translation>
            <numerusform>La liste de c&amp;odes (1 code)</numerusform>
            <numerusform>La liste de c&amp;odes (1 code)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The &amp;code list (%1 codes)</source>
        <translation>
            <numerusform>La liste de c&amp;odes (%1 code)</numerusform>
            <numerusform>La liste de c&amp;odes (%1 codes)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The sc&amp;an session (1 code)</source>
        <translation>
            <numerusform>La &amp;session de scan (1 code)</numerusform>
            <numerusform>La &amp;session de scan (1 code)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The sc&amp;an session (%1 codes)</source>
        <translation>
            <numerusform>La &amp;session de scan (%1 code)</numerusform>
            <numerusform>La &amp;session de scan (%1 codes)</numerusform>
        </translation>
    </message>
    <message>
        <source>A &amp;spreadsheet:</source>
        <translation>Un cl&amp;asseur :</translation>
    </message>
    <message>
        <source>C&amp;hoose…</source>
        <translation>Choisi&amp;r…</translation>
    </message>
    <message>
        <source>Names from the column</source>
        <translation>Noms de la colonne</translation>
    </message>
    <message>
        <source>Prices from the column</source>
        <translation>Prix de la colonne</translation>
    </message>
    <message>
        <source>Na&amp;mes from:</source>
        <translation>No&amp;ms de :</translation>
    </message>
    <message>
        <source>Pr&amp;ices from:</source>
        <translation>Pri&amp;x de :</translation>
    </message>
    <message>
        <source>How many of each</source>
        <translation>Combien de chacun</translation>
    </message>
    <message>
        <source>&amp;One</source>
        <translation>&amp;Une</translation>
    </message>
    <message>
        <source>Th&amp;e scan count</source>
        <translation>Le nom&amp;bre scanné</translation>
    </message>
    <message>
        <source>&amp;From the column:</source>
        <translation>De la colonn&amp;e :</translation>
    </message>
    <message>
        <source>Copies from the column</source>
        <translation>Exemplaires de la colonne</translation>
    </message>
    <message>
        <source>First free label on the sheet</source>
        <translation>Première étiquette libre de la planche</translation>
    </message>
    <message>
        <source>Row</source>
        <translation>Ligne</translation>
    </message>
    <message>
        <source>Column</source>
        <translation>Colonne</translation>
    </message>
    <message>
        <source>Ro&amp;w:</source>
        <translation>Li&amp;gne :</translation>
    </message>
    <message>
        <source>Col&amp;umn:</source>
        <translation>Co&amp;lonne :</translation>
    </message>
    <message>
        <source>Preview of the first page</source>
        <translation>Aperçu de la première page</translation>
    </message>
    <message>
        <source>P&amp;rint…</source>
        <translation>&amp;Imprimer…</translation>
    </message>
    <message>
        <source>Sa&amp;ve PDF…</source>
        <translation>Enregistrer en PD&amp;F…</translation>
    </message>
    <message>
        <source>Choose a Spreadsheet</source>
        <translation>Choisir un classeur</translation>
    </message>
    <message>
        <source>Spreadsheets (%1);;All files (%2)</source>
        <extracomment>Two filters of a file dialog, separated by ;; (keep it); %1 and %2 are the file patterns they show.</extracomment>
        <translation>Classeurs (%1);;Tous les fichiers (%2)</translation>
    </message>
</context>
<context>
    <name>QtListControl</name>
    <message>
        <source>Index out of bounds</source>
        <translation>Indice hors limites</translation>
    </message>
</context>
<context>
    <name>QtOutputFiles</name>
    <message>
        <source>The workbook %1 is already written</source>
        <translation>Le classeur %1 est déjà écrit</translation>
    </message>
</context>
<context>
    <name>QtPageLoader</name>
    <message>
        <source>connection refused</source>
        <translation>connexion refusée</translation>
    </message>
    <message>
        <source>connection closed</source>
        <translation>connexion fermée</translation>
    </message>
    <message>
        <source>host not found</source>
        <translation>hôte introuvable</translation>
    </message>
    <message>
        <source>timed out</source>
        <translation>délai dépassé</translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation>annulé</translation>
    </message>
    <message>
        <source>secure connection failed</source>
        <translation>échec de la connexion sécurisée</translation>
    </message>
    <message>
        <source>network unavailable</source>
        <translation>réseau indisponible</translation>
    </message>
    <message>
        <source>too many redirects</source>
        <translation>trop de redirections</translation>
    </message>
    <message>
        <source>insecure redirect</source>
        <translation>redirection non sécurisée</translation>
    </message>
    <message>
        <source>malformed answer</source>
        <translation>réponse mal formée</translation>
    </message>
    <message>
        <source>proxy error</source>
        <translation>erreur de proxy</translation>
    </message>
    <message>
        <source>network error</source>
        <translation>erreur réseau</translation>
    </message>
</context>
<context>
    <name>QtPhoneScanServer</name>
    <message>
        <source>not an address of this machine: %1</source>
        <translation>ce n&apos;est pas une adresse de cet ordinateur : %1</translation>
    </message>
    <message>
        <source>port %1 is in use; choose another port</source>
        <translation>le port %1 est occupé ; choisissez un autre port</translation>
    </message>
</context>
<context>
    <name>QtPictureFiles</name>
    <message>
        <source>not enough memory for the picture</source>
        <translation>pas assez de mémoire pour l&apos;image</translation>
    </message>
    <message>
        <source>the picture cannot be decoded (%1)</source>
        <translation>l&apos;image ne peut pas être décodée (%1)</translation>
    </message>
    <message>
        <source>the picture is damaged (it is cut short)</source>
        <translation>l&apos;image est endommagée (elle est tronquée)</translation>
    </message>
    <message>
        <source>the picture is too large to decode in colour; save it in grey or as %1</source>
        <translation>l&apos;image est trop volumineuse pour être décodée en couleur ; enregistrez-la en niveaux de gris ou en %1</translation>
    </message>
    <message>
        <source>the picture is too large to decode</source>
        <translation>l&apos;image est trop grande pour être décodée</translation>
    </message>
    <message>
        <source>the picture cannot be written as %1 (%2)</source>
        <translation>l&apos;image ne peut pas être écrite en %1 (%2)</translation>
    </message>
</context>
<context>
    <name>QtPlatform</name>
    <message>
        <source>&amp;Desktop&apos;s Language</source>
        <translation>Langue du &amp;bureau</translation>
    </message>
</context>
<context>
    <name>QtProgressDialog</name>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
</context>
<context>
    <name>QtScanJournal</name>
    <message>
        <source>could not write the session file to the disk</source>
        <translation>impossible d&apos;écrire le fichier de session sur le disque</translation>
    </message>
    <message>
        <source>could not remove %1</source>
        <translation>impossible de supprimer %1</translation>
    </message>
    <message>
        <source>could not open the session file %1: %2</source>
        <translation>impossible d&apos;ouvrir le fichier de session %1 : %2</translation>
    </message>
    <message>
        <source>the session file %1 is not a regular file (a pipe, a device or a folder); move it away</source>
        <translation>le fichier de session %1 n&apos;est pas un fichier ordinaire (un tube, un périphérique ou un dossier) ; déplacez-le</translation>
    </message>
</context>
<context>
    <name>QtScanWindow</name>
    <message>
        <source>Scan</source>
        <extracomment>The scan window&apos;s title (the noun: the window where codes are scanned).</extracomment>
        <translation>Scan</translation>
    </message>
    <message>
        <source>Scan line</source>
        <translation>Ligne de scan</translation>
    </message>
    <message>
        <source>Scan or type a code, then Enter</source>
        <translation>Scannez ou tapez un code, puis Entrée</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Réponse</translation>
    </message>
    <message>
        <source>Scans</source>
        <translation>Scans</translation>
    </message>
    <message>
        <source>Count</source>
        <extracomment>The scans table&apos;s columns: how many times the code was scanned, the code, the product&apos;s name and brand, and whether it was found.</extracomment>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>Code</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Brand</source>
        <translation>Marque</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>État</translation>
    </message>
    <message>
        <source>Send to Code List</source>
        <translation>Envoyer à la liste de codes</translation>
    </message>
    <message>
        <source>Save As…</source>
        <translation>Enregistrer sous…</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Muet</translation>
    </message>
    <message>
        <source>Receive Scans From a Phone</source>
        <translation>Recevoir les scans d&apos;un téléphone</translation>
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
        <translation>Nouveau lien</translation>
    </message>
    <message>
        <source>QR code of the link</source>
        <translation>QR code du lien</translation>
    </message>
    <message>
        <source>Notice</source>
        <translation>Avis</translation>
    </message>
</context>
<context>
    <name>QtSettingsStore</name>
    <message>
        <source>Could not save the setting &quot;%1&quot; in %2</source>
        <translation>Impossible d&apos;enregistrer le réglage « %1 » dans %2</translation>
    </message>
</context>
<context>
    <name>QtShopColumnsDialog</name>
    <message>
        <source>Your Columns</source>
        <translation>Vos colonnes</translation>
    </message>
    <message>
        <source>The shop&apos;s file takes these from %1.</source>
        <extracomment>%1 is a spreadsheet&apos;s file name.</extracomment>
        <translation>Le fichier de la boutique les reprend de %1.</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(aucune)</translation>
    </message>
    <message>
        <source>Which of your columns is the price?</source>
        <translation>Laquelle de vos colonnes est le prix ?</translation>
    </message>
    <message>
        <source>Which is your SKU (your own article number)?</source>
        <translation>Laquelle est votre SKU (votre propre référence d&apos;article) ?</translation>
    </message>
    <message>
        <source>Which is the stock?</source>
        <translation>Laquelle est le stock ?</translation>
    </message>
</context>
<context>
    <name>QtSkinComponent</name>
    <message>
        <source>Could not load the skin %1: %2</source>
        <translation>Impossible de charger l&apos;habillage %1 : %2</translation>
    </message>
    <message>
        <source>Could not load the skin %1: the file is too large to be a skin</source>
        <translation>Impossible de charger l&apos;habillage %1 : le fichier est trop volumineux pour un habillage</translation>
    </message>
    <message>
        <source>Could not load the skin %1: the file is not a text file</source>
        <translation>Impossible de charger l&apos;habillage %1 : le fichier n&apos;est pas un fichier texte</translation>
    </message>
</context>
<context>
    <name>QtSourcesDialog</name>
    <message>
        <source>Sources</source>
        <translation>Sources</translation>
    </message>
    <message>
        <source>Test</source>
        <extracomment>The title of what a test lookup of a source read (the noun).</extracomment>
        <translation>Test</translation>
    </message>
    <message>
        <source>Read from the answer:</source>
        <translation>Lu dans la réponse :</translation>
    </message>
    <message>
        <source>The answer:</source>
        <translation>La réponse :</translation>
    </message>
    <message>
        <source>&amp;Ask these sources, from the top down:</source>
        <translation>&amp;Interroger ces sources, de haut en bas :</translation>
    </message>
    <message>
        <source>Space ticks or unticks; Ctrl+Up and Ctrl+Down move.</source>
        <translation>Espace coche ou décoche ; Ctrl+Haut et Ctrl+Bas déplacent.</translation>
    </message>
    <message>
        <source>Move &amp;Up</source>
        <translation>&amp;Monter</translation>
    </message>
    <message>
        <source>Move &amp;Down</source>
        <translation>&amp;Descendre</translation>
    </message>
    <message>
        <source>&amp;Add a Source...</source>
        <translation>&amp;Ajouter une source...</translation>
    </message>
    <message>
        <source>Add a Source</source>
        <translation>Ajouter une source</translation>
    </message>
    <message>
        <source>Source files (%1);;All files (%2)</source>
        <extracomment>Two filters of a file dialog, separated by ;; (keep it); %1 and %2 are the file patterns they show.</extracomment>
        <translation>Fichiers de source (%1);;Tous les fichiers (%2)</translation>
    </message>
    <message>
        <source>Set &amp;Key...</source>
        <translation>Définir la &amp;clé...</translation>
    </message>
    <message>
        <source>Set Key</source>
        <translation>Définir la clé</translation>
    </message>
    <message>
        <source>The key for %1:</source>
        <translation>La clé pour %1 :</translation>
    </message>
    <message>
        <source>&amp;Forget Key</source>
        <translation>&amp;Oublier la clé</translation>
    </message>
    <message>
        <source>&amp;Test...</source>
        <translation>&amp;Tester...</translation>
    </message>
    <message>
        <source>Code to look up:</source>
        <translation>Code à rechercher :</translation>
    </message>
    <message>
        <source>&amp;Page service address:</source>
        <translation>Adresse du service de &amp;pages :</translation>
    </message>
    <message>
        <source>Page service address</source>
        <translation>Adresse du service de pages</translation>
    </message>
    <message>
        <source>Fill the &amp;gaps from the next sources</source>
        <translation>Compléter les &amp;lacunes par les sources suivantes</translation>
    </message>
    <message>
        <source>A found product without a brand, a quantity or a picture is completed from the next sources that know the code.</source>
        <translation>Un produit trouvé sans marque, quantité ou image est complété par les sources suivantes qui connaissent le code.</translation>
    </message>
    <message>
        <source>From a file...</source>
        <translation>Depuis un fichier...</translation>
    </message>
    <message>
        <source>Tick one of the sources Quillfen comes with, or choose &quot;From a file...&quot; to add a source described in a file of your own. A file&apos;s path may also be typed here.</source>
        <translation>Cochez l&apos;une des sources fournies avec Quillfen, ou choisissez « Depuis un fichier... » pour ajouter une source décrite dans un fichier à vous. Le chemin d&apos;un fichier peut aussi être saisi ici.</translation>
    </message>
</context>
<context>
    <name>RecordWriter</name>
    <message numerus="yes">
        <source>Left out of the file, without a catalogue record (%n): %1</source>
        <extracomment>%n is how many codes, %1 the codes themselves.</extracomment>
        <translation>
            <numerusform>Absents du fichier, sans notice catalographique (%n) : %1</numerusform>
            <numerusform>Absents du fichier, sans notice catalographique (%n) : %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RecordsFileSave</name>
    <message numerus="yes">
        <source>Catalogue records saved in %1: %n.</source>
        <extracomment>%1 is the file, %n how many records it holds.</extracomment>
        <translation>
            <numerusform>Notices catalographiques enregistrées dans %1 : %n.</numerusform>
            <numerusform>Notices catalographiques enregistrées dans %1 : %n.</numerusform>
        </translation>
    </message>
    <message>
        <source>Save Records As</source>
        <translation>Enregistrer les notices sous</translation>
    </message>
    <message>
        <source>MARC 21 Records (*.mrc)|*.mrc|MARCXML Records (*.xml)|*.xml|</source>
        <extracomment>A file dialog&apos;s choices: a name, then after &quot;|&quot; the files it shows, each ending in &quot;|&quot;. Translate the names only; keep every &quot;|&quot; and pattern.</extracomment>
        <translation>Notices MARC 21 (*.mrc)|*.mrc|Notices MARCXML (*.xml)|*.xml|</translation>
    </message>
    <message>
        <source>None of the ticked results holds a catalogue record. Records come from the library catalogues (loc, dnb, k10plus or one of your own), chosen in Lookup &gt; Sources.</source>
        <translation>Aucun des résultats cochés n&apos;a de notice catalographique. Les notices viennent des catalogues de bibliothèque (loc, dnb, k10plus ou l&apos;un des vôtres), choisis dans Recherche &gt; Sources.</translation>
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
    <message>
        <source>Shopify Products (*.csv)|*.csv|WooCommerce Products (*.csv)|*.csv|Google Merchant Center Feed (*.tsv)|*.tsv|</source>
        <extracomment>The shops&apos; import files, offered after the formats above in the same dialog.</extracomment>
        <translation>Produits Shopify (*.csv)|*.csv|Produits WooCommerce (*.csv)|*.csv|Flux Google Merchant Center (*.tsv)|*.tsv|</translation>
    </message>
</context>
<context>
    <name>ResultsTableActions</name>
    <message>
        <source>Results have been copied to the clipboard.<byte value="xd"/><byte value="xd"/>Click a text area where you normally type and press Ctrl+V to paste the clipboard.</source>
        <translation>Les résultats ont été copiés dans le presse-papiers.<byte value="xd"/><byte value="xd"/>Cliquez dans une zone de texte où vous saisissez habituellement et appuyez sur Ctrl+V pour coller le presse-papiers.</translation>
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
    <name>ScanCommand</name>
    <message numerus="yes">
        <source>%n scans of a session that did not end were read back from its file</source>
        <translation>
            <numerusform>%n scan d&apos;une session non terminée a été relu depuis son fichier</numerusform>
            <numerusform>%n scans d&apos;une session non terminée ont été relus depuis son fichier</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 not taken: %2</source>
        <extracomment>%1 is the scanned code, %2 why it could not be written down.</extracomment>
        <translation>%1 non pris en compte : %2</translation>
    </message>
</context>
<context>
    <name>ScanMode</name>
    <message>
        <source>queued</source>
        <translation>en attente</translation>
    </message>
    <message>
        <source>not a valid code</source>
        <translation>code non valide</translation>
    </message>
    <message>
        <source>found</source>
        <translation>trouvé</translation>
    </message>
    <message>
        <source>not found</source>
        <translation>introuvable</translation>
    </message>
    <message>
        <source>failed</source>
        <translation>échec</translation>
    </message>
    <message>
        <source>not looked up</source>
        <translation>non recherché</translation>
    </message>
    <message>
        <source>CSV (*.csv)|*.csv|Tab-Separated Text (*.tsv)|*.tsv|JSON (*.json)|*.json|JSON Lines (*.jsonl)|*.jsonl|Excel Workbook (*.xlsx)|*.xlsx|OpenDocument Spreadsheet (*.ods)|*.ods|</source>
        <extracomment>File types: a name, &quot;|&quot;, its patterns, &quot;|&quot;, and so on; translate only the names.</extracomment>
        <translation>CSV (*.csv)|*.csv|Texte séparé par des tabulations (*.tsv)|*.tsv|JSON (*.json)|*.json|JSON Lines (*.jsonl)|*.jsonl|Classeur Excel (*.xlsx)|*.xlsx|Feuille de calcul OpenDocument (*.ods)|*.ods|</translation>
    </message>
    <message>
        <source>Quillfen could not receive scans from a phone at that address and port: %1</source>
        <translation>Quillfen n&apos;a pas pu recevoir de scans d&apos;un téléphone à cette adresse et sur ce port : %1</translation>
    </message>
    <message>
        <source>A scan session did not end the last time Quillfen ran. Restore its scans?</source>
        <translation>Une session de scan ne s&apos;est pas terminée lors de la dernière exécution de Quillfen. Restaurer ses scans ?</translation>
    </message>
    <message>
        <source>Save Scans As</source>
        <translation>Enregistrer les scans sous</translation>
    </message>
    <message>
        <source>There are no scans yet.</source>
        <translation>Il n&apos;y a encore aucun scan.</translation>
    </message>
    <message>
        <source>The scan could not be written to the session file, so it was not taken: %1</source>
        <translation>Le scan n&apos;a pas pu être écrit dans le fichier de session ; il n&apos;a donc pas été pris en compte : %1</translation>
    </message>
    <message>
        <source>Codes sent to the code list: %1. Already in it: %2.</source>
        <extracomment>%1: how many of the session&apos;s codes were added to the code list; %2: how many it held already.</extracomment>
        <translation>Codes envoyés à la liste de codes : %1. Déjà présents : %2.</translation>
    </message>
</context>
<context>
    <name>SheetBuilder</name>
    <message>
        <source>it has more than %1 rows</source>
        <translation>le fichier a plus de %1 lignes</translation>
    </message>
    <message>
        <source>it has more than %1 columns</source>
        <translation>le fichier a plus de %1 colonnes</translation>
    </message>
    <message>
        <source>it has more than %1 cells that hold something</source>
        <translation>le fichier a plus de %1 cellules non vides</translation>
    </message>
    <message>
        <source>it is damaged: it holds the row %1 twice</source>
        <translation>le fichier est endommagé : il contient deux fois la ligne %1</translation>
    </message>
</context>
<context>
    <name>SheetCodeLoader</name>
    <message>
        <source>The file %1 holds no codes. No codes were loaded from it.</source>
        <translation>Le fichier %1 ne contient aucun code. Aucun code n&apos;a été chargé depuis ce fichier.</translation>
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
    <name>SheetFile</name>
    <message>
        <source>it has no sheet &quot;%1&quot;; its sheets are %2</source>
        <translation>le fichier n&apos;a pas de feuille « %1 » ; ses feuilles sont %2</translation>
    </message>
    <message>
        <source>it is encrypted with a password: save it without one first</source>
        <translation>le fichier est chiffré par un mot de passe : enregistrez-le d&apos;abord sans mot de passe</translation>
    </message>
    <message>
        <source>it is an Excel 97-2003 workbook: save it as .xlsx first</source>
        <translation>le fichier est un classeur Excel 97-2003 : enregistrez-le d&apos;abord au format .xlsx</translation>
    </message>
    <message>
        <source>it is larger than the limit of %1</source>
        <translation>le fichier dépasse la limite de %1</translation>
    </message>
</context>
<context>
    <name>SheetNumbers</name>
    <message>
        <source>%1 GB</source>
        <translation>%1 Go</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 Mo</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 octets</translation>
    </message>
</context>
<context>
    <name>ShopFileWriter</name>
    <message>
        <source>Shop file: %1 products. Left out: %2 not found, %3 failed, %4 not looked up, %5 without a name.</source>
        <extracomment>The products a shop&apos;s import file holds, and how many outcomes were left out, by why.</extracomment>
        <translation>Fichier de boutique : %1 produits. Laissés de côté : %2 non trouvés, %3 en échec, %4 non recherchés, %5 sans nom.</translation>
    </message>
    <message>
        <source>Rows of a product already in the file, left out: %1.</source>
        <extracomment>Rows whose code is that of a product an earlier row already made (another form of the same GTIN, or the same code again).</extracomment>
        <translation>Lignes d&apos;un produit déjà présent dans le fichier, laissées de côté : %1.</translation>
    </message>
    <message>
        <source>Cells of your price column that held no price, left empty: %1.</source>
        <translation>Cellules de votre colonne de prix ne contenant aucun prix, laissées vides : %1.</translation>
    </message>
    <message>
        <source>Cells of your stock column that held no whole number, left empty: %1.</source>
        <translation>Cellules de votre colonne de stock ne contenant aucun nombre entier, laissées vides : %1.</translation>
    </message>
</context>
<context>
    <name>SortBy</name>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Text Files (*.txt)|*.txt|All Files (*.*)|*.*|</source>
        <extracomment>Pairs of a description and its pattern, each followed by &quot;|&quot;: translate the descriptions only.</extracomment>
        <translation>Fichiers texte (*.txt)|*.txt|Tous les fichiers (*.*)|*.*|</translation>
    </message>
    <message>
        <source>Writing file: %1</source>
        <extracomment>%1 is the name of the file being written.</extracomment>
        <translation>Écriture du fichier : %1</translation>
    </message>
    <message>
        <source>Done.</source>
        <translation>Terminé.</translation>
    </message>
</context>
<context>
    <name>SourceFile</name>
    <message>
        <source>unknown field</source>
        <translation>champ inconnu</translation>
    </message>
    <message>
        <source>missing</source>
        <translation>manquant</translation>
    </message>
    <message>
        <source>not a text</source>
        <translation>pas un texte</translation>
    </message>
    <message>
        <source>longer than %1 characters</source>
        <translation>plus de %1 caractères</translation>
    </message>
    <message>
        <source>holds a control character</source>
        <translation>contient un caractère de contrôle</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vide</translation>
    </message>
    <message>
        <source>not a whole number from %1 to %2</source>
        <translation>pas un nombre entier de %1 à %2</translation>
    </message>
    <message>
        <source>not a JSON pointer</source>
        <translation>pas un pointeur JSON</translation>
    </message>
    <message>
        <source>not an object</source>
        <translation>pas un objet</translation>
    </message>
    <message>
        <source>unknown placeholder {%1}</source>
        <translation>espace réservé inconnu {%1}</translation>
    </message>
    <message>
        <source>&quot;all&quot;, &quot;isbn&quot; or a list of kinds (&quot;EAN-13&quot;, &quot;UPC-A&quot;)</source>
        <translation>&quot;all&quot;, &quot;isbn&quot; ou une liste de types (&quot;EAN-13&quot;, &quot;UPC-A&quot;)</translation>
    </message>
    <message>
        <source>unknown kind %1</source>
        <translation>type inconnu %1</translation>
    </message>
    <message>
        <source>not an http:// or https:// address</source>
        <translation>pas une adresse http:// ou https://</translation>
    </message>
    <message>
        <source>holds a user name or password</source>
        <translation>contient un nom d&apos;utilisateur ou un mot de passe</translation>
    </message>
    <message>
        <source>GET or POST</source>
        <translation>GET ou POST</translation>
    </message>
    <message>
        <source>not a header name</source>
        <translation>pas un nom d&apos;en-tête</translation>
    </message>
    <message>
        <source>not a text of one line</source>
        <translation>pas un texte d&apos;une seule ligne</translation>
    </message>
    <message>
        <source>only a POST sends a body</source>
        <translation>seul un POST envoie un corps</translation>
    </message>
    <message>
        <source>either json or form, not both</source>
        <translation>soit json, soit form, pas les deux</translation>
    </message>
    <message>
        <source>missing (a POST sends json or form)</source>
        <translation>manquant (un POST envoie json ou form)</translation>
    </message>
    <message>
        <source>&quot;required&quot; or &quot;optional&quot;</source>
        <translation>&quot;required&quot; ou &quot;optional&quot;</translation>
    </message>
    <message>
        <source>no template names {key}</source>
        <translation>aucun modèle ne contient {key}</translation>
    </message>
    <message>
        <source>not a list</source>
        <translation>pas une liste</translation>
    </message>
    <message>
        <source>not an HTTP error status other than 429 and 503</source>
        <translation>pas un statut d&apos;erreur HTTP autre que 429 et 503</translation>
    </message>
    <message>
        <source>not true or false</source>
        <translation>ni true ni false</translation>
    </message>
    <message>
        <source>not a text, number, true, false or null</source>
        <translation>ni un texte, ni un nombre, ni true, false ou null</translation>
    </message>
    <message>
        <source>lower-case letters and digits only</source>
        <translation>lettres minuscules et chiffres uniquement</translation>
    </message>
    <message>
        <source>%1: larger than %2 KB</source>
        <translation>%1 : plus de %2 Ko</translation>
    </message>
    <message>
        <source>%1: not JSON (%2 at byte %3)</source>
        <extracomment>%1 is the file&apos;s name, %2 what the JSON reader says is wrong, %3 where.</extracomment>
        <translation>%1 : pas du JSON (%2 à l&apos;octet %3)</translation>
    </message>
    <message>
        <source>%1: not a JSON object</source>
        <translation>%1 : pas un objet JSON</translation>
    </message>
    <message>
        <source>&quot;z3950&quot; or &quot;sru&quot;</source>
        <translation>« z3950 » ou « sru »</translation>
    </message>
    <message>
        <source>not a host name or address</source>
        <translation>ni un nom d&apos;hôte ni une adresse</translation>
    </message>
    <message>
        <source>true or false, and only for SRU</source>
        <translation>true ou false, et seulement pour SRU</translation>
    </message>
    <message>
        <source>holds a space, &quot;?&quot; or &quot;#&quot;</source>
        <translation>contient une espace, « ? » ou « # »</translation>
    </message>
    <message>
        <source>names neither {isbn13} nor {isbn10}</source>
        <translation>ne nomme ni {isbn13} ni {isbn10}</translation>
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
    <message>
        <source>%1 is used for this session only.</source>
        <extracomment>%1 is a source&apos;s name.</extracomment>
        <translation>%1 n&apos;est utilisée que pour cette session.</translation>
    </message>
    <message>
        <source>%1 is kept in %2 and used from now on.</source>
        <extracomment>%1 is a source&apos;s name, %2 the file it is read from at every start.</extracomment>
        <translation>%1 est conservée dans %2 et utilisée désormais.</translation>
    </message>
    <message>
        <source>Your sources folder %2 already holds a file named %1. Replace it?</source>
        <extracomment>%1 is a file name, %2 a folder.</extracomment>
        <translation>Votre dossier de sources %2 contient déjà un fichier nommé %1. Voulez-vous le remplacer ?</translation>
    </message>
    <message>
        <source>It could not be kept for later sessions: %1</source>
        <extracomment>%1 says why the file could not be written.</extracomment>
        <translation>Elle n&apos;a pas pu être conservée pour les sessions suivantes : %1</translation>
    </message>
    <message>
        <source>Asked: %1 for %2</source>
        <extracomment>%1 is the catalogue&apos;s address, %2 the query sent to it.</extracomment>
        <translation>Demandé : %1 pour %2</translation>
    </message>
    <message>
        <source>Records found: %1</source>
        <translation>Notices trouvées : %1</translation>
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
<context>
    <name>SpreadsheetExport</name>
    <message>
        <source>The spreadsheet application did not start</source>
        <translation>Le tableur n&apos;a pas démarré</translation>
    </message>
    <message>
        <source>Excel is not installed on this computer. You need to have it installed to use this software without error.</source>
        <translation>Excel n&apos;est pas installé sur cet ordinateur. Il doit être installé pour utiliser ce logiciel sans erreur.</translation>
    </message>
    <message>
        <source>Save the Workbook</source>
        <translation>Enregistrer le classeur</translation>
    </message>
    <message>
        <source>Excel Workbook (*.xlsx)|*.xlsx|</source>
        <extracomment>A description and its pattern, followed by &quot;|&quot;: translate the description only.</extracomment>
        <translation>Classeur Excel (*.xlsx)|*.xlsx|</translation>
    </message>
</context>
<context>
    <name>SqliteAnswerStore</name>
    <message>
        <source>the remembered answers were written by a newer Quillfen; this run does not use them</source>
        <translation>les réponses mémorisées ont été écrites par un Quillfen plus récent ; cette exécution ne les utilise pas</translation>
    </message>
    <message>
        <source>its folder cannot be made</source>
        <translation>son dossier ne peut pas être créé</translation>
    </message>
    <message>
        <source>Qt&apos;s SQLite driver is not installed</source>
        <translation>le pilote SQLite de Qt n&apos;est pas installé</translation>
    </message>
    <message>
        <source>the check found nothing</source>
        <translation>la vérification n&apos;a rien trouvé</translation>
    </message>
    <message>
        <source>it cannot be opened for writing</source>
        <translation>il ne peut pas être ouvert en écriture</translation>
    </message>
    <message>
        <source>%1; it cannot be moved aside: %2</source>
        <translation>%1 ; il ne peut pas être mis de côté : %2</translation>
    </message>
    <message>
        <source>The file of remembered answers %1 was damaged (%2). It was moved aside as %3, and a new one was started.</source>
        <translation>Le fichier des réponses mémorisées %1 était endommagé (%2). Il a été mis de côté sous le nom %3, et un nouveau a été créé.</translation>
    </message>
    <message>
        <source>Answers cannot be remembered in %1 (%2). Lookups go on without remembering them.</source>
        <translation>Les réponses ne peuvent pas être mémorisées dans %1 (%2). Les recherches continuent sans les mémoriser.</translation>
    </message>
</context>
<context>
    <name>SqlitePacingStore</name>
    <message>
        <source>its folder cannot be made</source>
        <translation>son dossier ne peut pas être créé</translation>
    </message>
    <message>
        <source>Qt&apos;s SQLite driver is not installed</source>
        <translation>le pilote SQLite de Qt n&apos;est pas installé</translation>
    </message>
    <message>
        <source>Pacing cannot be shared with other Quillfen runs through %1 (%2). This run keeps its own pace.</source>
        <translation>Le rythme des requêtes ne peut pas être partagé avec d&apos;autres exécutions de Quillfen via %1 (%2). Cette exécution garde son propre rythme.</translation>
    </message>
</context>
<context>
    <name>SqliteProductIndex</name>
    <message>
        <source>unknown database error</source>
        <translation>erreur de base de données inconnue</translation>
    </message>
    <message>
        <source>Could not write the product index: %1</source>
        <translation>Impossible d&apos;écrire l&apos;index de produits : %1</translation>
    </message>
    <message>
        <source>Could not put the new product index in place at %1</source>
        <translation>Impossible de mettre le nouvel index de produits en place dans %1</translation>
    </message>
    <message>
        <source>it was made by another version of Quillfen; import the database again</source>
        <translation>il a été créé par une autre version de Quillfen ; importez de nouveau la base</translation>
    </message>
    <message>
        <source>not a product index of this version of Quillfen</source>
        <translation>pas un index de produits de cette version de Quillfen</translation>
    </message>
    <message>
        <source>There is no product index to update at %1</source>
        <translation>Il n&apos;y a pas d&apos;index de produits à mettre à jour dans %1</translation>
    </message>
    <message>
        <source>Another import or update of the product index is under way (%1)</source>
        <translation>Une autre importation ou mise à jour de l&apos;index de produits est en cours (%1)</translation>
    </message>
    <message>
        <source>Could not copy the product index to %1</source>
        <translation>Impossible de copier l&apos;index de produits dans %1</translation>
    </message>
    <message>
        <source>The product index cannot be updated: %1</source>
        <translation>L&apos;index de produits ne peut pas être mis à jour : %1</translation>
    </message>
    <message>
        <source>Could not make the folder %1</source>
        <translation>Impossible de créer le dossier %1</translation>
    </message>
    <message>
        <source>Another import of the product index is under way (%1)</source>
        <translation>Une autre importation de l&apos;index de produits est en cours (%1)</translation>
    </message>
    <message>
        <source>A row came before its export</source>
        <translation>Une ligne est arrivée avant son export</translation>
    </message>
    <message>
        <source>The product index was not finished: cancelled</source>
        <translation>L&apos;index de produits n&apos;a pas été terminé : annulé</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>mémoire insuffisante</translation>
    </message>
</context>
<context>
    <name>UiLanguage</name>
    <message>
        <source>The language you chose takes effect when Quillfen is next started.</source>
        <translation>La langue choisie s&apos;appliquera au prochain démarrage de Quillfen.</translation>
    </message>
</context>
<context>
    <name>WorkbookPart</name>
    <message>
        <source>it is damaged: the part %1 is missing</source>
        <translation>le fichier est endommagé : la partie %1 manque</translation>
    </message>
    <message>
        <source>its part %1 inflates past the limit of %2</source>
        <translation>sa partie %1 dépasse la limite de %2 une fois décompressée</translation>
    </message>
    <message>
        <source>its part %1 inflates past the limit of %2 times its packed size</source>
        <translation>sa partie %1 dépasse %2 fois sa taille compressée une fois décompressée</translation>
    </message>
    <message>
        <source>it is damaged: the part %1, line %2: %3</source>
        <translation>le fichier est endommagé : partie %1, ligne %2 : %3</translation>
    </message>
</context>
<context>
    <name>XlsxReader</name>
    <message>
        <source>it is damaged: the cell %1 of %2 names no shared string</source>
        <translation>le fichier est endommagé : la cellule %1 de %2 ne désigne aucune chaîne partagée</translation>
    </message>
    <message>
        <source>it is damaged: the workbook lists no sheet</source>
        <translation>le fichier est endommagé : le classeur ne liste aucune feuille</translation>
    </message>
    <message>
        <source>it is damaged: the sheet &quot;%1&quot; has no part</source>
        <translation>le fichier est endommagé : la feuille « %1 » n&apos;a pas de partie</translation>
    </message>
    <message>
        <source>it is damaged: the cell %1 of %2 holds no number</source>
        <translation>le fichier est endommagé : la cellule %1 de %2 ne contient pas de nombre</translation>
    </message>
    <message>
        <source>it is damaged: the cell %1 of %2 stands in the row %3</source>
        <translation>le fichier est endommagé : la cellule %1 de %2 se trouve dans la ligne %3</translation>
    </message>
</context>
<context>
    <name>XlsxSpreadsheetTarget</name>
    <message>
        <source>A workbook is already open</source>
        <translation>Un classeur est déjà ouvert</translation>
    </message>
    <message>
        <source>No workbook is open</source>
        <translation>Aucun classeur n&apos;est ouvert</translation>
    </message>
    <message>
        <source>No application could open the workbook %1</source>
        <translation>Aucune application n&apos;a pu ouvrir le classeur %1</translation>
    </message>
    <message>
        <source>Cannot create a workbook in %1: %2</source>
        <translation>Impossible de créer un classeur dans %1 : %2</translation>
    </message>
    <message>
        <source>Cannot find a free name for a workbook in %1</source>
        <translation>Impossible de trouver un nom libre pour un classeur dans %1</translation>
    </message>
    <message>
        <source>No application to open spreadsheets (%1 files) is installed</source>
        <translation>Aucune application pour ouvrir les feuilles de calcul (fichiers %1) n&apos;est installée</translation>
    </message>
</context>
<context>
    <name>XlsxWorkbook</name>
    <message>
        <source>Cannot create a new workbook</source>
        <translation>Impossible de créer un nouveau classeur</translation>
    </message>
    <message>
        <source>Cannot create a new workbook: %1</source>
        <translation>Impossible de créer un nouveau classeur : %1</translation>
    </message>
    <message>
        <source>There is no cell %1, %2 on a sheet</source>
        <translation>Une feuille n&apos;a pas de cellule %1, %2</translation>
    </message>
    <message>
        <source>Cannot set cell %1, %2</source>
        <translation>Impossible de remplir la cellule %1, %2</translation>
    </message>
    <message>
        <source>Cannot add the number format %1</source>
        <translation>Impossible d&apos;ajouter le format de nombre %1</translation>
    </message>
    <message>
        <source>There is no cell 1, %1 on a sheet</source>
        <translation>Une feuille n&apos;a pas de cellule 1, %1</translation>
    </message>
    <message>
        <source>Cannot write the workbook %1</source>
        <translation>Impossible d&apos;écrire le classeur %1</translation>
    </message>
    <message>
        <source>No workbook is open</source>
        <translation>Aucun classeur n&apos;est ouvert</translation>
    </message>
</context>
<context>
    <name>XmlTokens</name>
    <message>
        <source>it is damaged: the part %1 declares entities</source>
        <translation>le fichier est endommagé : la partie %1 déclare des entités</translation>
    </message>
    <message>
        <source>it is damaged: the part %1 cannot be read (%2)</source>
        <translation>le fichier est endommagé : la partie %1 ne peut pas être lue (%2)</translation>
    </message>
</context>
<context>
    <name>ZintSymbol</name>
    <message>
        <source>Out of memory.</source>
        <translation>Mémoire insuffisante.</translation>
    </message>
    <message>
        <source>libzint cannot draw it: %1</source>
        <extracomment>%1 is what the barcode library said.</extracomment>
        <translation>libzint ne peut pas le dessiner : %1</translation>
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
        <translation>Quillfen n&apos;a pas pu ouvrir de fenêtre : l&apos;affichage (DISPLAY=%1, WAYLAND_DISPLAY=%2) est injoignable.
Lancez-le depuis une session de bureau, ou dans un serveur X virtuel :
    xvfb-run -a quillfen
(Message de Qt : %3)
</translation>
    </message>
    <message>
        <source>Quillfen needs a graphical display, and none was found (DISPLAY and WAYLAND_DISPLAY are empty).
Start it from a desktop session, or inside a virtual X server:
    xvfb-run -a quillfen
</source>
        <translation>Quillfen a besoin d&apos;un affichage graphique, et aucun n&apos;a été trouvé (DISPLAY et WAYLAND_DISPLAY sont vides).
Lancez-le depuis une session de bureau, ou dans un serveur X virtuel :
    xvfb-run -a quillfen
</translation>
    </message>
    <message>
        <source>QUILLFEN_ISBN_RANGES: %1: %2; the built-in ISBN ranges are used.</source>
        <extracomment>%1 is a file, %2 why it cannot be used.</extracomment>
        <translation>QUILLFEN_ISBN_RANGES : %1 : %2 ; les plages ISBN intégrées sont utilisées.</translation>
    </message>
    <message>
        <source>%1 could not be started: %2</source>
        <extracomment>%1 is a program&apos;s file, %2 what the system said.</extracomment>
        <translation>%1 n&apos;a pas pu être lancé : %2</translation>
    </message>
</context>
</TS>
