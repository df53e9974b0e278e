<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
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
        <translation>&amp;Importer une base de produits…</translation>
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
</context>
<context>
    <name>QtSettingsStore</name>
    <message>
        <source>Could not save the setting &quot;%1&quot; in %2</source>
        <translation>Impossible d&apos;enregistrer le réglage « %1 » dans %2</translation>
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
        <source>A file...</source>
        <translation>Un fichier...</translation>
    </message>
    <message>
        <source>Add a Source</source>
        <translation>Ajouter une source</translation>
    </message>
    <message>
        <source>Source:</source>
        <translation>Source :</translation>
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
</TS>
