<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
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
        <source>Done.
%1 of %2 lookups failed; Lookup → Retry Failed Rows asks again.</source>
        <translation>Terminé.
%1 recherches sur %2 ont échoué ; Recherche → Relancer les lignes en échec les relance.</translation>
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
    <name>Politeness</name>
    <message>
        <source>Open Food Facts is busy for everyone and asks that large lists be looked up in its export instead: Lookup → Download Product Database (quillfen --download-index) imports it once for answers offline.</source>
        <translation>Open Food Facts est surchargé pour tout le monde et demande que les grandes listes soient recherchées plutôt dans son export : Recherche → Télécharger la base de produits (quillfen --download-index) l&apos;importe une fois pour répondre hors ligne.</translation>
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
    <name>ResultsTableActions</name>
    <message>
        <source>Results have been copied to the clipboard.<byte value="xd"/><byte value="xd"/>Click a text area where you normally type and press Ctrl+V to paste the clipboard.</source>
        <translation>Les résultats ont été copiés dans le presse-papiers.<byte value="xd"/><byte value="xd"/>Cliquez dans une zone de texte où vous saisissez habituellement et appuyez sur Ctrl+V pour coller le presse-papiers.</translation>
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
</context>
<context>
    <name>SheetCodeLoader</name>
    <message>
        <source>The file %1 holds no codes. No codes were loaded from it.</source>
        <translation>Le fichier %1 ne contient aucun code. Aucun code n&apos;a été chargé depuis ce fichier.</translation>
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
</TS>
