<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
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
        <source>Looks up EAN product codes in batches: in its window, or with --batch from files or standard input without a display.</source>
        <translation>Recherche des codes produit EAN par lots : dans sa fenêtre, ou avec --batch à partir de fichiers ou de l&apos;entrée standard, sans affichage graphique.</translation>
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
        <source>The language to ask product names in, such as de, fr or es (default: the desktop&apos;s; environment: QUILLFEN_LANGUAGE).</source>
        <translation>La langue dans laquelle demander les noms de produits, par exemple de, fr ou es (par défaut : celle du bureau ; variable d&apos;environnement : QUILLFEN_LANGUAGE).</translation>
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
        <source>With --batch: csv, tsv, json, jsonl, xlsx or ods (default: from the output file&apos;s extension, else csv).</source>
        <translation>Avec --batch : csv, tsv, json, jsonl, xlsx ou ods (par défaut : d&apos;après l&apos;extension du fichier de sortie, sinon csv).</translation>
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
        <source>Also use the source this file describes, for this run (README, &quot;Your own sources&quot;); may be given more than once.</source>
        <translation>Utiliser aussi, pour cette exécution, la source que décrit ce fichier (README, « Your own sources ») ; peut être indiqué plusieurs fois.</translation>
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
        <source>it is in strict Office Open XML</source>
        <translation>il est au format Office Open XML strict</translation>
    </message>
    <message>
        <source>--keep-columns writes csv, tsv, xlsx or ods, not json or jsonl</source>
        <translation>--keep-columns écrit en csv, tsv, xlsx ou ods, pas en json ni en jsonl</translation>
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
</context>
<context>
    <name>CmdOutput</name>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>Appel de procédure ou argument incorrect</translation>
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
</context>
</TS>
