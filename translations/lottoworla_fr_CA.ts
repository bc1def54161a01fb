<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_CA">
<context>
    <name>AboutWindow</name>
    <message>
        <source>About Orvek&apos;s Lotto Worla Generator</source>
        <translation>À propos du générateur Lotto Worla d&apos;Orvek</translation>
    </message>
    <message>
        <source>Version 1.0</source>
        <translation>Version 1.0</translation>
    </message>
    <message>
        <source>Talmar Software Inc.</source>
        <translation>Talmar Software Inc.</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Write to %1</source>
        <translation>Écrire à %1</translation>
    </message>
</context>
<context>
    <name>BrowserClient</name>
    <message>
        <source>The built-in web browser could not be started, so the page cannot be shown.</source>
        <translation>Le navigateur Web intégré n&apos;a pas pu démarrer, la page ne peut donc pas être affichée.</translation>
    </message>
    <message>
        <source>Info.</source>
        <translation>Info.</translation>
    </message>
    <message>
        <source>Its helper program %1 was not found.</source>
        <translation>Son programme auxiliaire, %1, est introuvable.</translation>
    </message>
    <message>
        <source>Its helper program %1 could not be started: %2</source>
        <translation>Son programme auxiliaire, %1, n&apos;a pas pu démarrer&#xa0;: %2</translation>
    </message>
    <message>
        <source>Its helper program %1 did not answer within %2 seconds.</source>
        <translation>Son programme auxiliaire, %1, n&apos;a pas répondu en %2 secondes.</translation>
    </message>
    <message>
        <source>Its helper program %1 ended as it started.</source>
        <translation>Son programme auxiliaire, %1, s&apos;est arrêté dès son démarrage.</translation>
    </message>
    <message>
        <source>The built-in web browser stopped answering and was closed. The next link opens it again.</source>
        <translation>Le navigateur Web intégré ne répondait plus et a été fermé. Le prochain lien l&apos;ouvrira de nouveau.</translation>
    </message>
    <message>
        <source>Its helper program %1 is not named by an absolute path.</source>
        <translation>Son programme auxiliaire, %1, n&apos;est pas désigné par un chemin absolu.</translation>
    </message>
    <message>
        <source>Its private folder could not be made: %1</source>
        <translation>Son dossier privé n&apos;a pas pu être créé&#xa0;: %1</translation>
    </message>
    <message>
        <source>Its helper program %1 ended before its window was shown.</source>
        <translation>Son programme auxiliaire, %1, s&apos;est arrêté avant d&apos;afficher sa fenêtre.</translation>
    </message>
</context>
<context>
    <name>BrowserHost</name>
    <message>
        <source>The web engine&apos;s helper program %1 is missing.</source>
        <translation>Le programme auxiliaire du moteur Web, %1, est introuvable.</translation>
    </message>
    <message>
        <source>The web engine&apos;s resources %1 are missing.</source>
        <translation>Les ressources du moteur Web, %1, sont introuvables.</translation>
    </message>
</context>
<context>
    <name>BrowserWindow</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Précédent</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Actualiser</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Accueil</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>&amp;Address:</source>
        <translation>&amp;Adresse&#xa0;:</translation>
    </message>
    <message>
        <source>Working...</source>
        <translation>Chargement...</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>This window opens web pages only (http and https).</source>
        <translation>Cette fenêtre n&apos;ouvre que des pages Web (http et https).</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was not saved.</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;a pas été enregistré.</translation>
    </message>
    <message>
        <source>This window does not save files.</source>
        <translation>Cette fenêtre n&apos;enregistre pas de fichiers.</translation>
    </message>
    <message>
        <source>Info.</source>
        <translation>Info.</translation>
    </message>
    <message>
        <source>This page sent the window on to an address that is not a web page.</source>
        <translation>Cette page a renvoyé la fenêtre vers une adresse qui n&apos;est pas une page Web.</translation>
    </message>
</context>
<context>
    <name>Catalogue</name>
    <message>
        <source>Select this to generate numbers for Lotto 649</source>
        <translation>Choisissez ceci pour générer des numéros pour le Lotto 649</translation>
    </message>
    <message>
        <source>The generated numbers will appear in here: 6 numbers from 1-49</source>
        <translation>Les numéros générés apparaîtront ici&#xa0;: 6 numéros de 1 à 49</translation>
    </message>
    <message>
        <source>&lt;--- Click here to check the results for the LOTTO 649 Lottery</source>
        <translation>&lt;--- Cliquez ici pour vérifier les résultats du LOTTO 649</translation>
    </message>
    <message>
        <source>Select this to generate numbers for Pick 3</source>
        <translation>Choisissez ceci pour générer des numéros pour le Pick 3</translation>
    </message>
    <message>
        <source>The generated numbers will appear in here: 3 numbers from 0-9</source>
        <translation>Les numéros générés apparaîtront ici&#xa0;: 3 chiffres de 0 à 9</translation>
    </message>
    <message>
        <source>&lt;--- Click here to check the results for the Pick 3 Lottery</source>
        <translation>&lt;--- Cliquez ici pour vérifier les résultats du Pick 3</translation>
    </message>
    <message>
        <source>Select this to generate numbers for ONTARIO 49</source>
        <translation>Choisissez ceci pour générer des numéros pour l&apos;ONTARIO 49</translation>
    </message>
    <message>
        <source>&lt;--- Click here to check the results for the ONTARIO 49 Lottery</source>
        <translation>&lt;--- Cliquez ici pour vérifier les résultats de l&apos;ONTARIO 49</translation>
    </message>
    <message>
        <source>Select this to generate numbers for LOTTO SUPER 7</source>
        <translation>Choisissez ceci pour générer des numéros pour le LOTTO SUPER 7</translation>
    </message>
    <message>
        <source>The generated numbers will appear in here: 7 numbers from 1-47</source>
        <translation>Les numéros générés apparaîtront ici&#xa0;: 7 numéros de 1 à 47</translation>
    </message>
    <message>
        <source>&lt;--- Click here to check the results for the Super 7 Lottery</source>
        <translation>&lt;--- Cliquez ici pour vérifier les résultats du Super 7</translation>
    </message>
    <message>
        <source>Select this to generate numbers for LOTTARIO</source>
        <translation>Choisissez ceci pour générer des numéros pour le LOTTARIO</translation>
    </message>
    <message>
        <source>The generated numbers will appear in here: 6 numbers from 1-45</source>
        <translation>Les numéros générés apparaîtront ici&#xa0;: 6 numéros de 1 à 45</translation>
    </message>
    <message>
        <source>&lt;--- Click here to check the results for the LOTTARIO Lottery.</source>
        <translation>&lt;--- Cliquez ici pour vérifier les résultats du LOTTARIO.</translation>
    </message>
    <message>
        <source>Select this to generate numbers for another lotto system not included here.</source>
        <translation>Choisissez ceci pour générer des numéros pour une autre loterie qui n&apos;est pas offerte ici.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Usage: lottoworla [options]
Orvek&apos;s Lotto Worla Generator suggests numbers for five Ontario lottery games.

Options:
  -h, --help     Show this help and exit.
  -v, --version  Show the version and exit.

Qt&apos;s own options (for example -platform or -style) are accepted as well.
</source>
        <translation>Utilisation&#xa0;: lottoworla [options]
Le générateur Lotto Worla d&apos;Orvek suggère des numéros pour cinq loteries de l&apos;Ontario.

Options&#xa0;:
  -h, --help     Affiche cette aide et quitte.
  -v, --version  Affiche la version et quitte.

Les options propres à Qt (par exemple -platform ou -style) sont aussi acceptées.
</translation>
    </message>
</context>
<context>
    <name>GamePanel</name>
    <message>
        <source>&amp;Add/Remove Vorla</source>
        <translation>&amp;Ajouter/retirer Vorla</translation>
    </message>
    <message>
        <source>Click here to add/remove vorla from the number generation.</source>
        <translation>Cliquez ici pour ajouter ou retirer de la vorla dans la génération des numéros.</translation>
    </message>
    <message>
        <source>&amp;Generate</source>
        <translation>&amp;Générer</translation>
    </message>
    <message>
        <source>Click here to generate your lotto numbers.</source>
        <translation>Cliquez ici pour générer vos numéros de loterie.</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>&amp;Effacer</translation>
    </message>
    <message>
        <source>Click this button to clear the board.</source>
        <translation>Cliquez sur ce bouton pour effacer la grille.</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>Re&amp;tour</translation>
    </message>
    <message>
        <source>Click here to return to the main menu.</source>
        <translation>Cliquez ici pour revenir au menu principal.</translation>
    </message>
    <message>
        <source>These numbers are filled with Worla.</source>
        <translation>Ces numéros sont remplis de Worla.</translation>
    </message>
    <message>
        <source>&amp;Rules</source>
        <translation>&amp;Règles</translation>
    </message>
    <message>
        <source>Click here to learn the rules/regulations of this lottery system.</source>
        <translation>Cliquez ici pour connaître les règles et règlements de cette loterie.</translation>
    </message>
    <message>
        <source>%1 results</source>
        <translation>Résultats du %1</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Autre</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Welcome to the Orveks Lotto Worla Generator. This program will not only generate lottery numbers at random, it will use past statistics of lottery results, and of course Worla.</source>
        <translation>Bienvenue dans le générateur Lotto Worla d&apos;Orvek. Ce programme ne se contente pas de générer des numéros de loterie au hasard&#xa0;: il utilise les statistiques des résultats passés et, bien sûr, la Worla.</translation>
    </message>
    <message>
        <source>What is Worla you ask? Our world is composed of numbers. We do not understand probability, and chance fully yet but we are getting closer daily. However a link lurks between words, people, objects and the generation of numbers. In a recent case in the USA a citizen used the Bible to generate lotto numbers which surprisingly won him $30 MILLION. This program offers a unique feature which allows you to add text of names, numbers, words, etc... and this programt will use the text to specially generate your lotto numbers. So go through the bible and find words, add your kids names, and birthdays, add anything you think will give you good luck and it just might improve your odds of winning.</source>
        <translation>Qu&apos;est-ce que la Worla, demandez-vous? Notre monde est fait de nombres. Nous ne comprenons pas encore tout à fait les probabilités et le hasard, mais nous nous en rapprochons chaque jour. Pourtant, un lien se cache entre les mots, les gens, les objets et la génération des nombres. Récemment, aux États-Unis, un citoyen s&apos;est servi de la Bible pour générer des numéros de loterie qui, à sa grande surprise, lui ont fait gagner 30 MILLIONS $. Ce programme offre une fonction unique qui vous permet d&apos;ajouter du texte&#xa0;: des noms, des nombres, des mots, etc., et il se servira de ce texte pour générer vos numéros de loterie de façon spéciale. Alors parcourez la Bible pour y trouver des mots, ajoutez les noms et les dates de naissance de vos enfants, ajoutez tout ce qui, selon vous, vous portera chance&#xa0;: cela pourrait bien améliorer vos chances de gagner.</translation>
    </message>
    <message>
        <source>This program includes the following features:</source>
        <translation>Ce programme comprend les fonctions suivantes&#xa0;:</translation>
    </message>
    <message>
        <source>-- Worla Generator (Explained above)</source>
        <translation>-- Générateur Worla (expliqué plus haut)</translation>
    </message>
    <message>
        <source>-- If no Worla is added, program automatically generates numbers using old lotto results and makes an educated guess rather than purley random.</source>
        <translation>-- Si aucune Worla n&apos;est ajoutée, le programme génère automatiquement les numéros à partir des anciens résultats de loterie et fait une supposition éclairée plutôt qu&apos;un choix purement aléatoire.</translation>
    </message>
    <message>
        <source>-- Internet Link: Check the results on-line, check if your numbers have ever won on a lottery system, get your zodiac numbers (numbers special to your zodiac sign eg: cancer, leo, scorpio, etc...) for any lottery system, perform an advanced analysis on past lottery results (eg: most frequent number, pattern etc...),  the Canadian Lottery Information link contains special information about all lottery systems in Canada.</source>
        <translation>-- Liens Internet&#xa0;: consultez les résultats en ligne, vérifiez si vos numéros ont déjà gagné à une loterie, obtenez vos numéros du zodiaque (des numéros propres à votre signe, p. ex.&#xa0;: cancer, lion, scorpion, etc.) pour n&apos;importe quelle loterie, effectuez une analyse avancée des résultats passés (p. ex.&#xa0;: numéro le plus fréquent, régularités, etc.),  le lien Information sur les loteries canadiennes contient des renseignements particuliers sur toutes les loteries du Canada.</translation>
    </message>
    <message>
        <source>What to expect in version 2.0</source>
        <translation>À venir dans la version 2.0</translation>
    </message>
    <message>
        <source>-- Generate lottery numbers to any custom lottery you want.</source>
        <translation>-- Générer des numéros pour n&apos;importe quelle loterie personnalisée.</translation>
    </message>
    <message>
        <source>-- Save/Open a detailed record of your lottery numbers and the results.</source>
        <translation>-- Enregistrer et ouvrir un relevé détaillé de vos numéros de loterie et des résultats.</translation>
    </message>
    <message>
        <source>-- Please send your comments, questions, ideas, concerns to:</source>
        <translation>-- Veuillez envoyer vos commentaires, questions, idées et préoccupations à&#xa0;:</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
</context>
<context>
    <name>LinkTable</name>
    <message>
        <source>Click here to see the latest lotto results for LOTTO 649</source>
        <translation>Cliquez ici pour voir les derniers résultats du LOTTO 649</translation>
    </message>
    <message>
        <source>Click here to see the latest lotto results for PICK 3</source>
        <translation>Cliquez ici pour voir les derniers résultats du PICK 3</translation>
    </message>
    <message>
        <source>Click here to see the latest lotto results for ONTARIO 49</source>
        <translation>Cliquez ici pour voir les derniers résultats de l&apos;ONTARIO 49</translation>
    </message>
    <message>
        <source>Click here to see the latest lotto results for LOTTO SUPER 7</source>
        <translation>Cliquez ici pour voir les derniers résultats du LOTTO SUPER 7</translation>
    </message>
    <message>
        <source>Click here to see the latest lotto results for LOTTARIO</source>
        <translation>Cliquez ici pour voir les derniers résultats du LOTTARIO</translation>
    </message>
    <message>
        <source>Lotto Result&apos;s Site.</source>
        <translation>Site des résultats de loterie.</translation>
    </message>
    <message>
        <source>Check if your lotto numbers have ever won!</source>
        <translation>Vérifiez si vos numéros ont déjà gagné!</translation>
    </message>
    <message>
        <source>Perform Advanced Analysis On Past Results!</source>
        <translation>Analyse avancée des résultats passés!</translation>
    </message>
    <message>
        <source>Zodiac Lottery Picker!</source>
        <translation>Numéros du zodiaque!</translation>
    </message>
    <message>
        <source>Canadian Lottery Information!</source>
        <translation>Information sur les loteries canadiennes!</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Orvek&apos;s Lotto Worla Generator</source>
        <translation>Générateur Lotto Worla d&apos;Orvek</translation>
    </message>
    <message>
        <source>Please Wait While Generating . . .</source>
        <translation>Génération en cours . . .</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Internet</source>
        <translation>&amp;Internet</translation>
    </message>
    <message>
        <source>&amp;Add/Remove Vorla</source>
        <translation>&amp;Ajouter/retirer Vorla</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>Im&amp;primer</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À &amp;propos</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>À &amp;propos...</translation>
    </message>
    <message>
        <source>This is comming in the next version.</source>
        <translation>Cette fonction sera offerte dans la prochaine version.</translation>
    </message>
    <message>
        <source>Info.</source>
        <translation>Info.</translation>
    </message>
    <message>
        <source>Are you sure you want to print?</source>
        <translation>Voulez-vous vraiment imprimer?</translation>
    </message>
    <message>
        <source>* QUESTION *</source>
        <translation>* QUESTION *</translation>
    </message>
    <message>
        <source>Printing Canceled!</source>
        <translation>Impression annulée!</translation>
    </message>
    <message>
        <source>Status.</source>
        <translation>État.</translation>
    </message>
    <message>
        <source>Are you sure you want to exit?</source>
        <translation>Voulez-vous vraiment quitter?</translation>
    </message>
</context>
<context>
    <name>NumberLabel</name>
    <message>
        <source>Number %1 of %2: %3</source>
        <translation>Numéro %1 sur %2&#xa0;: %3</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vide</translation>
    </message>
</context>
<context>
    <name>Rules</name>
    <message>
        <source>2) Present the completed selection slip to an authorized retailer, and pay the appropriate price.</source>
        <translation>2) Présentez le bordereau de sélection rempli à un détaillant autorisé et payez le prix demandé.</translation>
    </message>
    <message>
        <source>1) Mark 6 numbers from 1 to 49 for each board you wish to play.</source>
        <translation>1) Cochez 6 numéros de 1 à 49 pour chaque grille que vous voulez jouer.</translation>
    </message>
    <message>
        <source>TO WIN:</source>
        <translation>POUR GAGNER&#xa0;:</translation>
    </message>
    <message>
        <source>Each set of 6 numbers must match as follows:</source>
        <translation>Chaque série de 6 numéros doit correspondre comme suit&#xa0;:</translation>
    </message>
    <message>
        <source>- All 6 numbers for a jackpot prize</source>
        <translation>- Les 6 numéros pour le gros lot</translation>
    </message>
    <message>
        <source>- Or 5 main numbers  and the bonus number for a 2nd prize</source>
        <translation>- Ou 5 numéros principaux  et le numéro complémentaire pour un 2e prix</translation>
    </message>
    <message>
        <source>- Or 3, 4, or 5 main numbers for a 5th, 4th, or 3rd prize respectively.</source>
        <translation>- Ou 3, 4 ou 5 numéros principaux pour un 5e, 4e ou 3e prix respectivement.</translation>
    </message>
    <message>
        <source>Lotto 649 Information . . .</source>
        <translation>Information sur le Lotto 649 . . .</translation>
    </message>
    <message>
        <source>HOW TO PLAY LOTTO 649:</source>
        <translation>COMMENT JOUER AU LOTTO 649&#xa0;:</translation>
    </message>
    <message>
        <source>Ontario 49 Lotto Information . . .</source>
        <translation>Information sur l&apos;Ontario 49 . . .</translation>
    </message>
    <message>
        <source>HOW TO PLAY ONTARIO 49:</source>
        <translation>COMMENT JOUER À L&apos;ONTARIO 49&#xa0;:</translation>
    </message>
    <message>
        <source>Pick 3 Lotto Information . . .</source>
        <translation>Information sur le Pick 3 . . .</translation>
    </message>
    <message>
        <source>HOW TO PLAY ONTARIO PICK 3:</source>
        <translation>COMMENT JOUER AU PICK 3 DE L&apos;ONTARIO&#xa0;:</translation>
    </message>
    <message>
        <source>1) You can play a STRAIGHT PLAY, or a BOX PLAY (Straight Play and Box Play are each comprised of 3 digits, which you select). Simply choose one digit from O to 9 in each column by placing a vertical mark. Do not mark more than one box per column.</source>
        <translation>1) Vous pouvez jouer une MISE EXACTE ou une MISE COMBINÉE (la mise exacte et la mise combinée comptent chacune 3 chiffres, que vous choisissez). Choisissez simplement un chiffre de 0 à 9 dans chaque colonne en y traçant un trait vertical. Ne cochez pas plus d&apos;une case par colonne.</translation>
    </message>
    <message>
        <source>2) To play more than one day, select the number of consecutive days from 2 to 10 you want to play and mark the appropriate box in the # OF DAYS area on the right hand side of the selection slip.</source>
        <translation>2) Pour jouer plus d&apos;un jour, choisissez le nombre de jours consécutifs, de 2 à 10, que vous voulez jouer et cochez la case appropriée dans la zone NBRE DE JOURS, à droite du bordereau de sélection.</translation>
    </message>
    <message>
        <source>3) Choose the $ PER DAY you want to spend, either $1, $2, $5 or $10, and mark the appropriate box.</source>
        <translation>3) Choisissez le montant $ PAR JOUR que vous voulez dépenser, soit 1 $, 2 $, 5 $ ou 10 $, et cochez la case appropriée.</translation>
    </message>
    <message>
        <source>4) Present the completed selection slip to an authorized retailer, and pay the appropriate price.</source>
        <translation>4) Présentez le bordereau de sélection rempli à un détaillant autorisé et payez le prix demandé.</translation>
    </message>
    <message>
        <source>There is more, click ok to continue . . .</source>
        <translation>Ce n&apos;est pas tout, cliquez sur OK pour continuer . . .</translation>
    </message>
    <message>
        <source>The STRAIGHT PLAY wins if the 3 digit number you picked matches the 3 digit number IN THE EXACT ORDER. A number with the same 3 digits (e.g. 444) can be a winning STRAIGHT PLAY only. Odds of winning are 1 in 1,000.</source>
        <translation>La MISE EXACTE gagne si le nombre de 3 chiffres que vous avez choisi correspond au nombre de 3 chiffres tiré DANS LE MÊME ORDRE. Un nombre formé de 3 chiffres identiques (p. ex. 444) ne peut gagner qu&apos;en MISE EXACTE. Les chances de gagner sont de 1 sur 1&#xa0;000.</translation>
    </message>
    <message>
        <source>The BOX PLAY wins if the 3 digit number you pick matches the winning 3 digit number IN ANY ORDER. Odds of winning are 1 in 167. Prizes vary depending on the amount played and number of winners. There is no maximum prize amount per draw. There are no subsidiary prizes</source>
        <translation>La MISE COMBINÉE gagne si le nombre de 3 chiffres que vous choisissez correspond au nombre gagnant de 3 chiffres DANS N&apos;IMPORTE QUEL ORDRE. Les chances de gagner sont de 1 sur 167. Les lots varient selon le montant joué et le nombre de gagnants. Il n&apos;y a pas de montant maximal de lots par tirage. Il n&apos;y a pas de lots secondaires</translation>
    </message>
    <message>
        <source>Super 7 Information . . .</source>
        <translation>Information sur le Super 7 . . .</translation>
    </message>
    <message>
        <source>HOW TO PLAY SUPER 7:</source>
        <translation>COMMENT JOUER AU SUPER 7&#xa0;:</translation>
    </message>
    <message>
        <source>1) Mark 7 numbers from 1 to 47 for each board you wish to play at a price of $2.00 per board.</source>
        <translation>1) Cochez 7 numéros de 1 à 47 pour chaque grille que vous voulez jouer, au prix de 2,00 $ la grille.</translation>
    </message>
    <message>
        <source>On the draw date, ILC will draw 7 main numbers and 1 bonus number at random from among all numbers from 1 to 47.</source>
        <translation>À la date du tirage, la SLI tire au hasard 7 numéros principaux et 1 numéro complémentaire parmi tous les numéros de 1 à 47.</translation>
    </message>
    <message>
        <source>To win, each set of 7 numbers must match as follows: all 7 numbers for a jackpot prize, or 6 main numbers and the bonus number for a 2nd prize, or 3, 3+bonus, 4, 5, or 6 main numbers for a 7th, 6th, 5th, 4th or 3rd prize respectively.</source>
        <translation>Pour gagner, chaque série de 7 numéros doit correspondre comme suit&#xa0;: les 7 numéros pour le gros lot, ou 6 numéros principaux et le numéro complémentaire pour un 2e prix, ou 3, 3 + complémentaire, 4, 5 ou 6 numéros principaux pour un 7e, 6e, 5e, 4e ou 3e prix respectivement.</translation>
    </message>
    <message>
        <source>ILC determines from time to time a Prize Structure and calculates the amount of each prize in accordance with the Prize Structure then in force.</source>
        <translation>La SLI établit de temps à autre une structure des lots et calcule le montant de chaque lot selon la structure des lots alors en vigueur.</translation>
    </message>
    <message>
        <source>LOTTARIO Information . . .</source>
        <translation>Information sur le LOTTARIO . . .</translation>
    </message>
    <message>
        <source>HOW TO PLAY LOTTARIO:</source>
        <translation>COMMENT JOUER AU LOTTARIO&#xa0;:</translation>
    </message>
    <message>
        <source>1) Mark 6 numbers from 1 to 45 for each board. Pay $1.00 for each board played, and you will receive a second set of computer generated numbers.</source>
        <translation>1) Cochez 6 numéros de 1 à 45 pour chaque grille. Payez 1,00 $ pour chaque grille jouée et vous recevrez une deuxième série de numéros générés par l&apos;ordinateur.</translation>
    </message>
    <message>
        <source>2) If you make a mistake, mark the VOID box. DO NOT ERASE. Then make your selection in the next board.</source>
        <translation>2) Si vous faites une erreur, cochez la case ANNULÉ. N&apos;EFFACEZ PAS. Faites ensuite votre sélection dans la grille suivante.</translation>
    </message>
    <message>
        <source>3) Give your selection slip to your on line retailer.</source>
        <translation>3) Remettez votre bordereau de sélection à votre détaillant en ligne.</translation>
    </message>
</context>
<context>
    <name>SelectionPanel</name>
    <message>
        <source>Choose a lotto system from below!</source>
        <translation>Choisissez une loterie ci-dessous!</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Autre</translation>
    </message>
</context>
<context>
    <name>SplashWindow</name>
    <message>
        <source>Orvek&apos;s Lotto Vorla</source>
        <translation>Lotto Vorla d&apos;Orvek</translation>
    </message>
    <message>
        <source>Windows9&apos;X &apos;NT &amp; &apos;2000</source>
        <translation>Windows9&apos;X &apos;NT &amp; &apos;2000</translation>
    </message>
    <message>
        <source>Version 1.0</source>
        <translation>Version 1.0</translation>
    </message>
    <message>
        <source>Talmar Software Inc.</source>
        <translation>Talmar Software Inc.</translation>
    </message>
</context>
<context>
    <name>VorlaWindow</name>
    <message>
        <source>Add/Remove Vorla</source>
        <translation>Ajouter/retirer Vorla</translation>
    </message>
    <message>
        <source>Click Here To Learn More About Vorla . . .</source>
        <translation>Cliquez ici pour en savoir plus sur la Vorla . . .</translation>
    </message>
    <message>
        <source>Show me sample words!</source>
        <translation>Voir des exemples de mots!</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Our world is composed of numbers. We do not understand probability, and chance fully yet but we are getting closer daily. However a link lurks between words, people, objects and the generation of numbers. In a recent case in the USA a citizen used the Bible to generate lotto numbers which surprisingly won him $30 MILLION. This program offers a unique feature which allows you to add text of names, numbers, words, etc... and this programt will use the text to specially generate your lotto numbers. So go through the bible and find words, add your kids names, and birthdays, add anything you think will give you good luck and it just might improve your odds of winning.</source>
        <translation>Notre monde est fait de nombres. Nous ne comprenons pas encore tout à fait les probabilités et le hasard, mais nous nous en rapprochons chaque jour. Pourtant, un lien se cache entre les mots, les gens, les objets et la génération des nombres. Récemment, aux États-Unis, un citoyen s&apos;est servi de la Bible pour générer des numéros de loterie qui, à sa grande surprise, lui ont fait gagner 30 MILLIONS $. Ce programme offre une fonction unique qui vous permet d&apos;ajouter du texte&#xa0;: des noms, des nombres, des mots, etc., et il se servira de ce texte pour générer vos numéros de loterie de façon spéciale. Alors parcourez la Bible pour y trouver des mots, ajoutez les noms et les dates de naissance de vos enfants, ajoutez tout ce qui, selon vous, vous portera chance&#xa0;: cela pourrait bien améliorer vos chances de gagner.</translation>
    </message>
    <message>
        <source>Once you add the text in the box below click ok to return to the program. You can add/remove anything you wish from the box. If no vorla is added the program uses a unique algorithm scheme to generate your lotto numbers. Good Luck, and may the force be with you.</source>
        <translation>Une fois le texte ajouté dans la zone ci-dessous, cliquez sur OK pour revenir au programme. Vous pouvez ajouter ou retirer ce que vous voulez dans la zone. Si aucune vorla n&apos;est ajoutée, le programme utilise un algorithme unique pour générer vos numéros de loterie. Bonne chance, et que la force soit avec vous.</translation>
    </message>
    <message>
        <source>Some words you might want to add in here to give you good vorla (luck):</source>
        <translation>Quelques mots que vous pourriez ajouter ici pour vous donner une bonne vorla (chance)&#xa0;:</translation>
    </message>
    <message>
        <source>DATE OF LOTTERY DRAW</source>
        <translation>DATE DU TIRAGE</translation>
    </message>
    <message>
        <source>YOUR DATE OF BIRTH</source>
        <translation>VOTRE DATE DE NAISSANCE</translation>
    </message>
    <message>
        <source>CLOSEST PERSON TOO YOU</source>
        <translation>LA PERSONNE LA PLUS PROCHE DE VOUS</translation>
    </message>
    <message>
        <source>PAST WINNING NUMBERS</source>
        <translation>ANCIENS NUMÉROS GAGNANTS</translation>
    </message>
    <message>
        <source>You might want to cut and paste your autobiography, or your best work. You just never know...</source>
        <translation>Vous pourriez couper-coller votre autobiographie, ou votre meilleur texte. On ne sait jamais...</translation>
    </message>
    <message>
        <source>Possible words you might want to use . . .</source>
        <translation>Des mots que vous pourriez utiliser . . .</translation>
    </message>
    <message>
        <source>TORAH</source>
        <translation>TORAH</translation>
    </message>
    <message>
        <source>GOD</source>
        <translation>DIEU</translation>
    </message>
    <message>
        <source>LOVE</source>
        <translation>AMOUR</translation>
    </message>
    <message>
        <source>PEACE</source>
        <translation>PAIX</translation>
    </message>
    <message>
        <source>MONEY</source>
        <translation>ARGENT</translation>
    </message>
    <message>
        <source>RICH</source>
        <translation>RICHE</translation>
    </message>
    <message>
        <source>LUCKY</source>
        <translation>CHANCEUX</translation>
    </message>
    <message>
        <source>CLOVER</source>
        <translation>TRÈFLE</translation>
    </message>
    <message>
        <source>JESUS</source>
        <translation>JÉSUS</translation>
    </message>
    <message>
        <source>SEX</source>
        <translation>SEXE</translation>
    </message>
    <message>
        <source>LIFE</source>
        <translation>VIE</translation>
    </message>
    <message>
        <source>Vorla</source>
        <translation>Vorla</translation>
    </message>
    <message>
        <source>Names, birthdays, favourite words: the text that seeds your lotto numbers.</source>
        <translation>Des noms, des dates de naissance, des mots préférés&#xa0;: le texte qui sert de base à vos numéros de loterie.</translation>
    </message>
</context>
<context>
    <name>WindowPrinter</name>
    <message>
        <source>Printing Failed.</source>
        <translation>Échec de l&apos;impression.</translation>
    </message>
    <message>
        <source>The window was not printed: no default printer is set up.</source>
        <translation>La fenêtre n&apos;a pas été imprimée&#xa0;: aucune imprimante par défaut n&apos;est configurée.</translation>
    </message>
    <message>
        <source>Install a printer, or choose one as the default printer in the system&apos;s printer settings, then try again.</source>
        <translation>Installez une imprimante ou choisissez-en une comme imprimante par défaut dans les paramètres d&apos;impression du système, puis réessayez.</translation>
    </message>
    <message>
        <source>The window was not printed: the printer &quot;%1&quot; could not be opened.</source>
        <translation>La fenêtre n&apos;a pas été imprimée&#xa0;: impossible d&apos;ouvrir l&apos;imprimante «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>Check that the printer is connected and switched on and that the printing service is running, or choose another default printer, then try again.</source>
        <translation>Vérifiez que l&apos;imprimante est branchée et allumée et que le service d&apos;impression fonctionne, ou choisissez une autre imprimante par défaut, puis réessayez.</translation>
    </message>
    <message>
        <source>The window was not printed: the print job for &quot;%1&quot; failed.</source>
        <translation>La fenêtre n&apos;a pas été imprimée&#xa0;: la tâche d&apos;impression pour «&#xa0;%1&#xa0;» a échoué.</translation>
    </message>
    <message>
        <source>Check the printer and its queue in the system&apos;s printer settings, then try again.</source>
        <translation>Vérifiez l&apos;imprimante et sa file d&apos;attente dans les paramètres d&apos;impression du système, puis réessayez.</translation>
    </message>
</context>
</TS>
