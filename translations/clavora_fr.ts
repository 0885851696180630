<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>AccessibleKeys</name>
    <message>
        <source>SPACE</source>
        <translation>ESPACE</translation>
    </message>
</context>
<context>
    <name>AppSettings</name>
    <message>
        <source>The settings could not be saved to &quot;%1&quot;: %2.</source>
        <translation>Les réglages n&apos;ont pas pu être enregistrés dans «&#xa0;%1&#xa0;»&#xa0;:&#xa0;%2.</translation>
    </message>
    <message>
        <source>The quick-exercise start-up entry could not be saved to &quot;%1&quot;: %2.</source>
        <translation>L&apos;entrée de démarrage des exercices rapides n&apos;a pas pu être enregistrée dans «&#xa0;%1&#xa0;»&#xa0;:&#xa0;%2.</translation>
    </message>
    <message>
        <source>Save Error</source>
        <translation>Erreur d&apos;enregistrement</translation>
    </message>
    <message>
        <source>Quick Exercises at Log-in</source>
        <translation>Exercices rapides à l&apos;ouverture de session</translation>
    </message>
    <message>
        <source>Quick exercises at log-in need the program in a folder whose path holds none of the characters $ ` &quot; \ % and no control characters.

The program is &quot;%1&quot;, so no start-up entry was made.</source>
        <translation>Les exercices rapides à l&apos;ouverture de session demandent que le programme soit dans un dossier dont le chemin ne contient aucun des caractères $ ` &quot; \&#xa0;% ni aucun caractère de contrôle.

Le programme est «&#xa0;%1&#xa0;»&#xa0;: aucune entrée de démarrage n&apos;a été créée.</translation>
    </message>
    <message>
        <source>Settings Not Read</source>
        <translation>Réglages non lus</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is larger than 4 MB, so it was not read and will be left as it is. The program starts with its default settings.</source>
        <translation>«&#xa0;%1&#xa0;» dépasse 4 Mo&#xa0;: il n&apos;a pas été lu et restera tel quel. Le programme démarre avec ses réglages par défaut.</translation>
    </message>
</context>
<context>
    <name>CalendarGrid</name>
    <message>
        <source>none</source>
        <translation>aucune</translation>
    </message>
    <message>
        <source>under %1</source>
        <translation>moins de %1</translation>
    </message>
    <message>
        <source>%1+</source>
        <translation>%1+</translation>
    </message>
    <message>
        <source>%1: under a minute</source>
        <translation>%1&#xa0;: moins d’une minute</translation>
    </message>
    <message>
        <source>%1: 1 minute</source>
        <translation>%1&#xa0;: 1 minute</translation>
    </message>
    <message>
        <source>%1: %2 minutes</source>
        <translation>%1&#xa0;: %2 minutes</translation>
    </message>
</context>
<context>
    <name>Captions</name>
    <message>
        <source>Orvella Clavora - Exercises</source>
        <translation>Orvella Clavora - Exercices</translation>
    </message>
    <message>
        <source>Orvella Clavora - Quick Exercises</source>
        <translation>Orvella Clavora - Exercices rapides</translation>
    </message>
    <message>
        <source>Orvella Clavora - Game</source>
        <translation>Orvella Clavora - Jeu</translation>
    </message>
    <message>
        <source>Orvella Clavora - Keyboard Layout</source>
        <translation>Orvella Clavora - Clavier</translation>
    </message>
    <message>
        <source>Orvella Clavora - Settings</source>
        <translation>Orvella Clavora - Options</translation>
    </message>
    <message>
        <source>Orvella Clavora - Progress</source>
        <translation>Orvella Clavora - Progression</translation>
    </message>
    <message>
        <source>Orvella Clavora - Help</source>
        <translation>Orvella Clavora - Aide</translation>
    </message>
</context>
<context>
    <name>ClassGoalsQuery</name>
    <message>
        <source>You teach no class named &quot;%1&quot;.</source>
        <translation>Vous n&apos;enseignez dans aucune classe nommée « %1 ».</translation>
    </message>
</context>
<context>
    <name>ClassGoalsSaver</name>
    <message>
        <source>The class server keeps no goals yet: ask whoever runs it to update its tables.</source>
        <translation>Le serveur de classe ne garde pas encore d&apos;objectifs : demandez à la personne qui le gère de mettre ses tables à jour.</translation>
    </message>
</context>
<context>
    <name>ClassPage</name>
    <message>
        <source>Loading…</source>
        <translation>Chargement…</translation>
    </message>
    <message>
        <source>Your class could not be read: %1</source>
        <translation>Votre classe n’a pas pu être lue&#xa0;: %1</translation>
    </message>
    <message>
        <source>Your classes have no learners yet.</source>
        <translation>Vos classes n’ont pas encore d’élèves.</translation>
    </message>
    <message>
        <source>Loading the progress of %1…</source>
        <translation>Chargement de la progression de %1…</translation>
    </message>
    <message>
        <source>The progress of %1 could not be read: %2</source>
        <translation>La progression de %1 n’a pas pu être lue&#xa0;: %2</translation>
    </message>
    <message>
        <source>CSV Files (*.csv)</source>
        <translation>Fichiers CSV (*.csv)</translation>
    </message>
    <message>
        <source>All Files (*.*)</source>
        <translation>Tous les fichiers (*.*)</translation>
    </message>
    <message>
        <source>Export Class As . . .</source>
        <translation>Exporter la classe sous . . .</translation>
    </message>
    <message>
        <source>Export Error</source>
        <translation>Erreur d&apos;exportation</translation>
    </message>
    <message>
        <source>An error occurred while exporting the class.</source>
        <translation>Une erreur s&apos;est produite lors de l&apos;exportation de la classe.</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportation</translation>
    </message>
    <message>
        <source>The class is in %1.</source>
        <translation>La classe se trouve dans %1.</translation>
    </message>
    <message>
        <source>PDF Files (*.pdf)</source>
        <translation>Fichiers PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Save Report As . . .</source>
        <translation>Enregistrer le rapport sous . . .</translation>
    </message>
    <message>
        <source>Class report</source>
        <translation>Rapport de classe</translation>
    </message>
    <message>
        <source>The report could not be made.</source>
        <translation>Le rapport n&apos;a pas pu être créé.</translation>
    </message>
    <message>
        <source>Report Error</source>
        <translation>Erreur de rapport</translation>
    </message>
    <message>
        <source>The report could not be saved: %1</source>
        <translation>Le rapport n&apos;a pas pu être enregistré : %1</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Rapport</translation>
    </message>
    <message>
        <source>The report is in %1.</source>
        <translation>Le rapport se trouve dans %1.</translation>
    </message>
    <message>
        <source>Setting the goals of %1…</source>
        <translation>Définition des objectifs de %1…</translation>
    </message>
    <message>
        <source>The goals of %1 could not be set: %2</source>
        <translation>Les objectifs de %1 n&apos;ont pas pu être définis : %2</translation>
    </message>
    <message>
        <source>%1 of %2 practised %3 minutes this week</source>
        <translation>%1 sur %2 se sont entraînés %3 minutes cette semaine</translation>
    </message>
    <message>
        <source>%1 of %2 reached %3 % accuracy</source>
        <translation>%1 sur %2 ont atteint %3 % de précision</translation>
    </message>
    <message>
        <source>%1 of %2 reached %3 WPM</source>
        <translation>%1 sur %2 ont atteint %3 MPM</translation>
    </message>
</context>
<context>
    <name>ClassReachSentence</name>
    <message>
        <source>today at %1</source>
        <translation>aujourd’hui à %1</translation>
    </message>
    <message>
        <source>yesterday at %1</source>
        <translation>hier à %1</translation>
    </message>
    <message>
        <source>on %1 at %2</source>
        <translation>le %1 à %2</translation>
    </message>
    <message>
        <source>Your class was last reached %1.</source>
        <translation>Votre classe a été jointe pour la dernière fois %1.</translation>
    </message>
    <message>
        <source>Your class has not been reached yet.</source>
        <translation>Votre classe n’a pas encore été jointe.</translation>
    </message>
    <message>
        <source>It was last reached %1.</source>
        <translation>Dernière connexion %1.</translation>
    </message>
    <message>
        <source>Your attempts are kept here and sent once it can be reached.</source>
        <translation>Vos essais sont gardés ici et envoyés dès qu’elle pourra être jointe.</translation>
    </message>
    <message>
        <source>it did not let you in. Ask your teacher to check your login, and keep your password in ~/.pgpass.</source>
        <translation>il ne t’a pas laissé entrer. Demande à ton enseignant de vérifier ton identifiant, et garde ton mot de passe dans ~/.pgpass.</translation>
    </message>
    <message>
        <source>the service named in the setting is not in your service file.</source>
        <translation>le service nommé dans le réglage n’est pas dans ton fichier de services.</translation>
    </message>
    <message>
        <source>its secure connection could not be checked. Ask your teacher.</source>
        <translation>sa connexion sécurisée n’a pas pu être vérifiée. Demande à ton enseignant.</translation>
    </message>
    <message>
        <source>it has no class of that name. Check the setting.</source>
        <translation>il n’a pas de classe de ce nom. Vérifie le réglage.</translation>
    </message>
    <message>
        <source>its name is not known on this network. Check the setting and the network.</source>
        <translation>son nom est inconnu sur ce réseau. Vérifie le réglage et le réseau.</translation>
    </message>
    <message>
        <source>it did not answer in time.</source>
        <translation>il n’a pas répondu à temps.</translation>
    </message>
    <message>
        <source>it is short of connections, memory or disk just now. Clavora tries again by itself.</source>
        <translation>il manque en ce moment de connexions, de mémoire ou de place. Clavora réessaie de lui-même.</translation>
    </message>
    <message>
        <source>it is not running, or this computer cannot reach it.</source>
        <translation>il ne fonctionne pas, ou cet ordinateur ne peut pas l’atteindre.</translation>
    </message>
    <message>
        <source>The class server could not be reached: %1</source>
        <translation>Le serveur de la classe n&apos;a pas pu être joint : %1</translation>
    </message>
</context>
<context>
    <name>ClassReport</name>
    <message>
        <source>This week is the seven days to %1; a trend compares it with the four weeks before.</source>
        <translation>Cette semaine, ce sont les sept jours jusqu&apos;au %1 ; une tendance la compare aux quatre semaines précédentes.</translation>
    </message>
    <message>
        <source>Learners in no class</source>
        <translation>Élèves d&apos;aucune classe</translation>
    </message>
    <message>
        <source>Class %1</source>
        <translation>Classe %1</translation>
    </message>
    <message>
        <source>Each week: minutes per learner (bars) and the learners&apos; median WPM (line)</source>
        <translation>Chaque semaine : minutes par élève (barres) et MPM médian des élèves (ligne)</translation>
    </message>
    <message>
        <source>Figure</source>
        <translation>Mesure</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Valeur</translation>
    </message>
    <message>
        <source>Each week: minutes (bars) and median WPM (line)</source>
        <translation>Chaque semaine : minutes (barres) et MPM médian (ligne)</translation>
    </message>
</context>
<context>
    <name>ClassServerCheck</name>
    <message>
        <source>A password does not belong here: the settings file would keep it for anyone to read. Put it in ~/.pgpass or in the service file, and name the server without it.</source>
        <translation>Un mot de passe n’a pas sa place ici&#xa0;: le fichier de réglages le garderait lisible par tous. Mettez-le dans ~/.pgpass ou dans le fichier de service, et nommez le serveur sans lui.</translation>
    </message>
    <message>
        <source>The server must be written on one line.</source>
        <translation>Le serveur doit tenir sur une ligne.</translation>
    </message>
    <message>
        <source>Name the server as keyword=value pairs, such as service=clavora-class or host=school.example dbname=clavora.</source>
        <translation>Nommez le serveur par des paires mot-clé=valeur, comme service=clavora-class ou host=school.example dbname=clavora.</translation>
    </message>
    <message>
        <source>The server is longer than the %1 characters the settings file keeps.</source>
        <translation>Le serveur dépasse les %1 caractères que garde le fichier de réglages.</translation>
    </message>
</context>
<context>
    <name>CoachCourse</name>
    <message>
        <source>Coach&apos;s course - keys %1</source>
        <translation>Cours du coach - touches %1</translation>
    </message>
    <message>
        <source>Coach&apos;s course - keys %1, next %2</source>
        <translation>Cours du coach - touches %1, ensuite %2</translation>
    </message>
    <message>
        <source>%1 of %2 letters ready</source>
        <translation>%1 lettres prêtes sur %2</translation>
    </message>
    <message>
        <source>; needing accuracy: %1</source>
        <translation>; précision à travailler : %1</translation>
    </message>
    <message>
        <source>; needing speed: %1</source>
        <translation>; vitesse à travailler : %1</translation>
    </message>
    <message>
        <source>; needing more strokes: %1</source>
        <translation>; frappes encore nécessaires : %1</translation>
    </message>
</context>
<context>
    <name>CoachResult</name>
    <message>
        <source>Mistakes: %1</source>
        <translation>Erreurs : %1</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Usage: clavora [/g | /q | /k] [--coach]
       clavora --help | --version

A touch-typing tutor with exercises, a typing game and an on-screen keyboard.
Every attempt and game is kept in a history: the progress window (Ctrl+P) shows it,
and its weak-key drill (&quot;Practise my weak keys&quot;) makes random exercises of the
keys you missed most.

  /g         start with the typing game
  /q         run quick exercises, then close
  /k         show only the on-screen keyboard; closing it does not save the settings
  --coach    learn to type from the start: the Coach on, with its course of random
             lines that adds a letter whenever you have learnt the ones before
  --help     print this text
  --version  print the version
The switches count anywhere on the command line, in either case; only the first of
/g, /q, /k (in that order) acts.

Files, portable (the program&apos;s folder holds Exercises/ and can be written to):
  Clavora.ini, History.sqlite, Exercises/*.txt, Layouts/*.kbl, Logs/, Readme.txt
  beside the program

Files, installed (the program in &lt;prefix&gt;/bin with &lt;prefix&gt;/share/clavora, or its
folder cannot be written to):
  settings   $XDG_CONFIG_HOME/clavora/Clavora.ini (~/.config/clavora/Clavora.ini)
  exercises  $XDG_DATA_HOME/clavora/Exercises/*.txt (~/.local/share/clavora/Exercises),
             then &lt;prefix&gt;/share/clavora/Exercises; your file of the same name wins
  layouts    $XDG_DATA_HOME/clavora/Layouts/*.kbl, then &lt;prefix&gt;/share/clavora/Layouts
  logs       $XDG_DATA_HOME/clavora/Logs/
  history    $XDG_DATA_HOME/clavora/History.sqlite
  help       &lt;prefix&gt;/share/clavora/Readme.txt

Either way, the entry that runs quick exercises at log-in is
$XDG_CONFIG_HOME/autostart/clavora-quick-exercises.desktop (~/.config/autostart).
</source>
        <translation>Utilisation&#xa0;: clavora [/g | /q | /k] [--coach]
              clavora --help | --version

Un logiciel d&apos;apprentissage de la dactylographie avec des exercices, un jeu de frappe et
un clavier à l&apos;écran. Chaque tentative et chaque partie entrent dans un historique&#xa0;: la
fenêtre de progression (Ctrl+P) le montre, et son «&#xa0;S’entraîner sur mes touches faibles&#xa0;»
fait des exercices aléatoires des touches que vous manquez le plus.

  /g         commencer par le jeu de frappe
  /q         faire des exercices rapides, puis fermer
  /k         n&apos;afficher que le clavier à l&apos;écran&#xa0;; le fermer n&apos;enregistre pas les réglages
  --coach    apprendre à taper depuis le début : le coach activé, avec son cours de
             lignes aléatoires qui ajoute une lettre dès que vous maîtrisez les précédentes
  --help     afficher ce texte
  --version  afficher la version
Les options comptent n&apos;importe où sur la ligne de commande, en majuscules comme en
minuscules&#xa0;; seule la première de /g, /q, /k (dans cet ordre) agit.

Fichiers, mode portable (le dossier du programme contient Exercises/ et accepte l&apos;écriture)&#xa0;:
  Clavora.ini, History.sqlite, Exercises/*.txt, Layouts/*.kbl, Logs/, Readme.fr.txt
  à côté du programme

Fichiers, mode installé (le programme dans &lt;prefix&gt;/bin avec &lt;prefix&gt;/share/clavora, ou son
dossier refuse l&apos;écriture)&#xa0;:
  réglages      $XDG_CONFIG_HOME/clavora/Clavora.ini (~/.config/clavora/Clavora.ini)
  exercices     $XDG_DATA_HOME/clavora/Exercises/*.txt (~/.local/share/clavora/Exercises),
                puis &lt;prefix&gt;/share/clavora/Exercises&#xa0;; votre fichier du même nom l&apos;emporte
  dispositions  $XDG_DATA_HOME/clavora/Layouts/*.kbl, puis &lt;prefix&gt;/share/clavora/Layouts
  journaux      $XDG_DATA_HOME/clavora/Logs/
  historique    $XDG_DATA_HOME/clavora/History.sqlite
  aide          &lt;prefix&gt;/share/clavora/Readme.fr.txt

Dans les deux cas, l&apos;entrée qui lance les exercices rapides à l&apos;ouverture de session est
$XDG_CONFIG_HOME/autostart/clavora-quick-exercises.desktop (~/.config/autostart).
</translation>
    </message>
</context>
<context>
    <name>DesktopLayout</name>
    <message>
        <source>English (US)</source>
        <translation>anglais (US)</translation>
    </message>
    <message>
        <source>English (UK)</source>
        <translation>anglais (UK)</translation>
    </message>
    <message>
        <source>German</source>
        <translation>allemand</translation>
    </message>
    <message>
        <source>French</source>
        <translation>français</translation>
    </message>
    <message>
        <source>English (Dvorak)</source>
        <translation>anglais (Dvorak)</translation>
    </message>
    <message>
        <source>English (Colemak)</source>
        <translation>anglais (Colemak)</translation>
    </message>
    <message>
        <source>%1 (your keyboard is %2)</source>
        <translation>%1 (votre clavier&#xa0;:&#xa0;%2)</translation>
    </message>
</context>
<context>
    <name>Evaluation</name>
    <message>
        <source>%1 (%2 of %3)</source>
        <translation>%1 (%2 sur&#xa0;%3)</translation>
    </message>
    <message>
        <source>%1: %2/%3 (%4%) correct, %5 seconds, %6 WPM, %7 correct WPM.</source>
        <translation>%1&#xa0;:&#xa0;%2/%3 (%4&#xa0;%) justes,&#xa0;%5 secondes,&#xa0;%6 MPM,&#xa0;%7 MPM justes.</translation>
    </message>
    <message>
        <source>Less than %1% correct - try again.</source>
        <translation>Moins de&#xa0;%1&#xa0;% de justes - recommencez.</translation>
    </message>
    <message>
        <source>Slower than %1 WPM - try again.</source>
        <translation>Moins de&#xa0;%1 MPM - recommencez.</translation>
    </message>
</context>
<context>
    <name>ExerciseControl</name>
    <message>
        <source>Exercise Not Found</source>
        <translation>Exercice introuvable</translation>
    </message>
    <message>
        <source>Invalid exercise number.  Please try a lower number.</source>
        <translation>Numéro d&apos;exercice non valide.  Essayez un numéro plus petit.</translation>
    </message>
    <message>
        <source>Preset Exercise #%1</source>
        <translation>Exercice prédéfini n°&#xa0;%1</translation>
    </message>
    <message>
        <source>Random Key Exercise - level %1</source>
        <translation>Exercice aléatoire - niveau&#xa0;%1</translation>
    </message>
    <message>
        <source>Exercise Status</source>
        <translation>Résultat de l&apos;exercice</translation>
    </message>
    <message>
        <source>Text Documents (*.txt)</source>
        <translation>Documents texte (*.txt)</translation>
    </message>
    <message>
        <source>Log Files (*.log)</source>
        <translation>Fichiers journaux (*.log)</translation>
    </message>
    <message>
        <source>All Files (*.*)</source>
        <translation>Tous les fichiers (*.*)</translation>
    </message>
    <message>
        <source>Save Log As . . .</source>
        <translation>Enregistrer le journal sous . . .</translation>
    </message>
    <message>
        <source>Save Error</source>
        <translation>Erreur d&apos;enregistrement</translation>
    </message>
    <message>
        <source>An error occurred while saving the log.</source>
        <translation>Une erreur s&apos;est produite lors de l&apos;enregistrement du journal.</translation>
    </message>
    <message>
        <source> LOL, nice try xD </source>
        <translation> LOL, bien essayé xD </translation>
    </message>
    <message>
        <source>There is no record of your keys to practise yet.  Type a few exercises with &quot;Record my progress&quot; ticked in the progress window, then try again.</source>
        <translation>Aucun relevé de vos touches à travailler pour l’instant.  Tapez quelques exercices avec «&#xa0;Enregistrer ma progression&#xa0;» coché dans la fenêtre de progression, puis réessayez.</translation>
    </message>
    <message>
        <source>No Weak Keys Yet</source>
        <translation>Pas encore de touches faibles</translation>
    </message>
    <message>
        <source>Weak-Key Drill</source>
        <translation>Exercice des touches faibles</translation>
    </message>
    <message>
        <source>the Coach on</source>
        <translation>le coach activé</translation>
    </message>
    <message>
        <source>at least %1% correct</source>
        <translation>au moins %1 % de réussite</translation>
    </message>
    <message>
        <source>a speed target of at least %1 WPM</source>
        <translation>un objectif de vitesse d’au moins %1 MPM</translation>
    </message>
    <message>
        <source>Set by your teacher: %1.</source>
        <translation>Fixé par votre enseignant : %1.</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
</context>
<context>
    <name>FileNames</name>
    <message>
        <source>The folder &quot;%1&quot; does not exist.  Choose a folder that does.</source>
        <translation>Le dossier «&#xa0;%1&#xa0;» n&apos;existe pas.  Choisissez un dossier existant.</translation>
    </message>
    <message>
        <source>You cannot save files in the folder &quot;%1&quot;.  Choose another folder.</source>
        <translation>Vous ne pouvez pas enregistrer de fichiers dans le dossier «&#xa0;%1&#xa0;».  Choisissez un autre dossier.</translation>
    </message>
</context>
<context>
    <name>Fingers</name>
    <message>
        <source>left little finger</source>
        <translation>auriculaire gauche</translation>
    </message>
    <message>
        <source>left ring finger</source>
        <translation>annulaire gauche</translation>
    </message>
    <message>
        <source>left middle finger</source>
        <translation>majeur gauche</translation>
    </message>
    <message>
        <source>left index finger</source>
        <translation>index gauche</translation>
    </message>
    <message>
        <source>right index finger</source>
        <translation>index droit</translation>
    </message>
    <message>
        <source>right middle finger</source>
        <translation>majeur droit</translation>
    </message>
    <message>
        <source>right ring finger</source>
        <translation>annulaire droit</translation>
    </message>
    <message>
        <source>right little finger</source>
        <translation>auriculaire droit</translation>
    </message>
    <message>
        <source>thumb</source>
        <translation>pouce</translation>
    </message>
</context>
<context>
    <name>GameForm</name>
    <message>
        <source>Key level: %1</source>
        <translation>Touches&#xa0;: niveau&#xa0;%1</translation>
    </message>
    <message>
        <source>Press ALT and S to start a game.</source>
        <translation>Appuyez sur ALT et L pour lancer une partie.</translation>
    </message>
    <message>
        <source>Press ALT and P to pause the game.</source>
        <translation>Appuyez sur ALT et P pour mettre la partie en pause.</translation>
    </message>
    <message>
        <source>Game paused.  Press ALT and P to unpause the game.</source>
        <translation>Partie en pause.  Appuyez sur ALT et R pour reprendre la partie.</translation>
    </message>
    <message>
        <source>Hit ENTER to advance to the next level!</source>
        <translation>Appuyez sur ENTRÉE pour passer au niveau suivant&#xa0;!</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Pause</translation>
    </message>
    <message>
        <source>Un&amp;pause</source>
        <translation>&amp;Reprendre</translation>
    </message>
    <message>
        <source>Level: %1</source>
        <translation>Niveau&#xa0;:&#xa0;%1</translation>
    </message>
    <message>
        <source>Score: %1</source>
        <translation>Score&#xa0;:&#xa0;%1</translation>
    </message>
    <message>
        <source>Time elapsed: %1:%2</source>
        <translation>Temps écoulé&#xa0;:&#xa0;%1:%2</translation>
    </message>
    <message>
        <source>No weak keys known yet: playing with all keys.</source>
        <translation>Aucune touche faible connue&#xa0;: partie avec toutes les touches.</translation>
    </message>
</context>
<context>
    <name>HistoryStore</name>
    <message>
        <source>The history cannot be read</source>
        <translation>L&apos;historique ne peut pas être lu</translation>
    </message>
    <message>
        <source>The history cannot be updated</source>
        <translation>L&apos;historique ne peut pas être mis à jour</translation>
    </message>
    <message>
        <source>The history cannot be written</source>
        <translation>L&apos;historique ne peut pas être écrit</translation>
    </message>
    <message>
        <source>%1. Clavora goes on without recording your history.</source>
        <translation>%1. Clavora continue sans enregistrer votre historique.</translation>
    </message>
    <message>
        <source>The SQLite driver of Qt is not installed</source>
        <translation>Le pilote SQLite de Qt n&apos;est pas installé</translation>
    </message>
    <message>
        <source>The history cannot be opened</source>
        <translation>L&apos;historique ne peut pas être ouvert</translation>
    </message>
    <message>
        <source>The history was written by a newer version of Clavora</source>
        <translation>L&apos;historique a été écrit par une version plus récente de Clavora</translation>
    </message>
    <message>
        <source>The history cannot be emptied</source>
        <translation>L&apos;historique ne peut pas être vidé</translation>
    </message>
</context>
<context>
    <name>KeyboardControl</name>
    <message>
        <source>The layout file &quot;%1&quot; could not be read, so the keys show no characters.</source>
        <translation>Le fichier de disposition «&#xa0;%1&#xa0;» n&apos;a pas pu être lu&#xa0;: les touches n&apos;affichent aucun caractère.</translation>
    </message>
    <message>
        <source>The layout file &quot;%1&quot; holds no characters, so the keys show none.</source>
        <translation>Le fichier de disposition «&#xa0;%1&#xa0;» ne contient aucun caractère&#xa0;: les touches n&apos;en affichent aucun.</translation>
    </message>
    <message>
        <source>The layout file &quot;%1&quot; ends after its first line, so the keys show no shifted characters.</source>
        <translation>Le fichier de disposition «&#xa0;%1&#xa0;» s&apos;arrête après sa première ligne&#xa0;: les touches n&apos;affichent aucun caractère avec Maj.</translation>
    </message>
    <message>
        <source>space</source>
        <translation>espace</translation>
    </message>
    <message>
        <source>next: %1, %2</source>
        <translation>ensuite : %1, %2</translation>
    </message>
    <message>
        <source> + left Shift</source>
        <translation> + Maj gauche</translation>
    </message>
    <message>
        <source> + right Shift</source>
        <translation> + Maj droite</translation>
    </message>
    <message>
        <source> + AltGr</source>
        <translation> + AltGr</translation>
    </message>
    <message>
        <source>The desktop&apos;s keyboard database has no layout &quot;%1&quot;, so the keys show no characters.</source>
        <translation>La base de claviers du bureau n&apos;a pas de disposition «&#xa0;%1&#xa0;»&#xa0;: les touches ne montrent aucun caractère.</translation>
    </message>
</context>
<context>
    <name>KeyboardForm</name>
    <message>
        <source>TAB</source>
        <translation>TAB</translation>
    </message>
    <message>
        <source>CAPS</source>
        <translation>VERR.</translation>
    </message>
    <message>
        <source>LOCK</source>
        <translation>MAJ</translation>
    </message>
    <message>
        <source>SHIFT</source>
        <translation>MAJ</translation>
    </message>
    <message>
        <source>BACKSPACE</source>
        <translation>RETOUR</translation>
    </message>
    <message>
        <source>ENTER</source>
        <translation>ENTRÉE</translation>
    </message>
    <message>
        <source>CTRL</source>
        <translation>CTRL</translation>
    </message>
    <message>
        <source>WIN</source>
        <translation>WIN</translation>
    </message>
    <message>
        <source>ALT</source>
        <translation>ALT</translation>
    </message>
    <message>
        <source>ALT GR</source>
        <translation>ALT GR</translation>
    </message>
    <message>
        <source>MENU</source>
        <translation>MENU</translation>
    </message>
</context>
<context>
    <name>MistakeList</name>
    <message>
        <source>space</source>
        <translation>espace</translation>
    </message>
    <message>
        <source>expected %1, typed %2</source>
        <translation>attendu %1, tapé %2</translation>
    </message>
    <message>
        <source>expected %1, typed %2 (%3 times)</source>
        <translation>attendu %1, tapé %2 (%3 fois)</translation>
    </message>
    <message>
        <source>; </source>
        <translation>&#xa0;; </translation>
    </message>
</context>
<context>
    <name>ProfileFile</name>
    <message>
        <source>the file is larger than 4 MB</source>
        <translation>le fichier dépasse 4 Mo</translation>
    </message>
</context>
<context>
    <name>ProgressControl</name>
    <message>
        <source>expected %1, struck %2: %3 %4</source>
        <translation>attendu&#xa0;%1, tapé&#xa0;%2&#xa0;:&#xa0;%3&#xa0;%4</translation>
    </message>
    <message>
        <source>time</source>
        <translation>fois</translation>
    </message>
    <message>
        <source>times</source>
        <translation>fois</translation>
    </message>
    <message>
        <source>Forget My History</source>
        <translation>Oublier mon historique</translation>
    </message>
    <message>
        <source>Forget every recorded attempt, key and game? This cannot be undone.</source>
        <translation>Oublier toutes les tentatives, touches et parties enregistrées&#xa0;? Cette action est irréversible.</translation>
    </message>
    <message>
        <source>Forget Error</source>
        <translation>Erreur d&apos;effacement</translation>
    </message>
    <message>
        <source>The history could not be emptied.
%1</source>
        <translation>L&apos;historique n&apos;a pas pu être vidé.
%1</translation>
    </message>
    <message>
        <source>CSV Files (*.csv)</source>
        <translation>Fichiers CSV (*.csv)</translation>
    </message>
    <message>
        <source>All Files (*.*)</source>
        <translation>Tous les fichiers (*.*)</translation>
    </message>
    <message>
        <source>Export History As . . .</source>
        <translation>Exporter l&apos;historique sous . . .</translation>
    </message>
    <message>
        <source>Export Error</source>
        <translation>Erreur d&apos;exportation</translation>
    </message>
    <message>
        <source>An error occurred while exporting the history.</source>
        <translation>Une erreur s&apos;est produite lors de l&apos;exportation de l&apos;historique.</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportation</translation>
    </message>
    <message>
        <source>The attempts are in %1 and the keys in %2.</source>
        <translation>Les tentatives sont dans&#xa0;%1 et les touches dans&#xa0;%2.</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Espace</translation>
    </message>
    <message>
        <source>Forget every attempt, key and game recorded on this computer? This cannot be undone. Your class&apos;s server keeps what was already sent, and your teacher still sees it; ask whoever runs the server to remove it. Nothing recorded until now is fetched back to this computer.</source>
        <translation>Oublier toutes les tentatives, touches et parties enregistrées sur cet ordinateur ? Cela ne peut pas être annulé. Le serveur de votre classe garde ce qui a déjà été envoyé, et votre enseignant le voit toujours ; demandez à qui gère le serveur de le supprimer. Rien de ce qui a été enregistré jusqu&apos;ici n&apos;est rapatrié sur cet ordinateur.</translation>
    </message>
</context>
<context>
    <name>Session</name>
    <message>
        <source>Streak</source>
        <translation>Série</translation>
    </message>
    <message numerus="yes">
        <source>You have practised %n day in a row.</source>
        <translation>
            <numerusform>Vous avez pratiqué %n jour d&apos;affilée.</numerusform>
            <numerusform>Vous avez pratiqué %n jours d&apos;affilée.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>You have practised %n days in a row.</source>
        <translation>
            <numerusform>Vous avez pratiqué %n jour d&apos;affilée.</numerusform>
            <numerusform>Vous avez pratiqué %n jours d&apos;affilée.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>XdgStartupEntry</name>
    <message>
        <source>the folder could not be created</source>
        <translation>le dossier n&apos;a pas pu être créé</translation>
    </message>
</context>
<context>
    <name>clavora::AppWiring</name>
    <message>
        <source>This desktop does not let Clavora place its windows, so the keyboard may stand over the exercises. Drag it where it suits you.</source>
        <translation>Ce bureau ne laisse pas Clavora placer ses fenêtres, le clavier peut donc recouvrir les exercices. Faites-le glisser où bon vous semble.</translation>
    </message>
</context>
<context>
    <name>clavora::CalendarWidget</name>
    <message>
        <source>Minutes a day:</source>
        <translation>Minutes par jour&#xa0;:</translation>
    </message>
</context>
<context>
    <name>clavora::ClassDialog</name>
    <message>
        <source>Class</source>
        <translation>Classe</translation>
    </message>
    <message>
        <source>&amp;Server of your class:</source>
        <translation>&amp;Serveur de votre classe&#xa0;:</translation>
    </message>
    <message>
        <source>As your school gave it, such as service=clavora-class or host=school.example dbname=clavora sslmode=verify-full. Leave it empty to leave the class.
Your password belongs in ~/.pgpass or in the service file, never here.</source>
        <translation>Tel que votre école l’a donné, comme service=clavora-class ou host=school.example dbname=clavora sslmode=verify-full. Laissez vide pour quitter la classe.
Votre mot de passe va dans ~/.pgpass ou dans le fichier de service, jamais ici.</translation>
    </message>
</context>
<context>
    <name>clavora::ClassGoalsDialog</name>
    <message>
        <source>No goal</source>
        <translation>Aucun objectif</translation>
    </message>
    <message>
        <source>Class Goals</source>
        <translation>Objectifs de la classe</translation>
    </message>
    <message>
        <source> minutes</source>
        <translation> minutes</translation>
    </message>
    <message>
        <source> %</source>
        <translation> %</translation>
    </message>
    <message>
        <source> WPM</source>
        <translation> MPM</translation>
    </message>
    <message>
        <source>The &amp;Coach is on for its learners</source>
        <translation>Le &amp;Coach est activé pour ses élèves</translation>
    </message>
    <message>
        <source>C&amp;lass:</source>
        <translation>C&amp;lasse :</translation>
    </message>
    <message>
        <source>&amp;Practice each week:</source>
        <translation>&amp;Entraînement chaque semaine :</translation>
    </message>
    <message>
        <source>&amp;Accuracy mark:</source>
        <translation>Seuil de &amp;précision :</translation>
    </message>
    <message>
        <source>&amp;Speed target:</source>
        <translation>Objectif de &amp;vitesse :</translation>
    </message>
</context>
<context>
    <name>clavora::ClassSender</name>
    <message>
        <source>The class server is newer than this version of Clavora, which sends nothing to it until it is updated.</source>
        <translation>Le serveur de la classe est plus récent que cette version de Clavora, qui ne lui envoie rien tant qu&apos;elle n&apos;est pas mise à jour.</translation>
    </message>
    <message>
        <source>The class server is older than this version of Clavora: ask whoever runs it to update its tables.</source>
        <translation>Le serveur de la classe est plus ancien que cette version de Clavora : demandez à la personne qui le gère de mettre ses tables à jour.</translation>
    </message>
    <message>
        <source>The class server has no class tables of Clavora: %1</source>
        <translation>Le serveur de la classe n&apos;a pas de tables de classe de Clavora : %1</translation>
    </message>
    <message>
        <source>The class server did not give your records: %1</source>
        <translation>Le serveur de la classe n&apos;a pas donné vos résultats : %1</translation>
    </message>
    <message>
        <source>The class server did not take your records: %1</source>
        <translation>Le serveur de la classe n&apos;a pas accepté vos résultats : %1</translation>
    </message>
    <message>
        <source>Your history cannot be written: %1</source>
        <translation>Votre historique ne peut pas être écrit : %1</translation>
    </message>
    <message>
        <source>The class server did not say what it holds of your records: %1</source>
        <translation>Le serveur de la classe n&apos;a pas dit ce qu&apos;il détient de vos enregistrements : %1</translation>
    </message>
    <message>
        <source>The class server did not give your class&apos;s goals: %1</source>
        <translation>Le serveur de la classe n’a pas donné les objectifs de votre classe : %1</translation>
    </message>
</context>
<context>
    <name>clavora::ClassTableModel</name>
    <message>
        <source>Learner</source>
        <translation>Élève</translation>
    </message>
    <message>
        <source>Classes</source>
        <translation>Classes</translation>
    </message>
    <message>
        <source>Last practice</source>
        <translation>Dernier entraînement</translation>
    </message>
    <message>
        <source>Minutes
this week</source>
        <translation>Minutes
cette semaine</translation>
    </message>
    <message>
        <source>Attempts
this week</source>
        <translation>Essais
cette semaine</translation>
    </message>
    <message>
        <source>Median WPM
and trend</source>
        <translation>MPM médian
et tendance</translation>
    </message>
    <message>
        <source>Median
accuracy %
and trend</source>
        <translation>Précision %
(médiane)
et tendance</translation>
    </message>
    <message>
        <source>Weakest
keys</source>
        <translation>Touches les
plus faibles</translation>
    </message>
    <message>
        <source>%1 this week; no figure for the four weeks before</source>
        <translation>%1 cette semaine ; aucune mesure pour les quatre semaines précédentes</translation>
    </message>
    <message>
        <source>%1 words per minute this week, %2 the four weeks before</source>
        <translation>%1 mots par minute cette semaine, %2 les quatre semaines précédentes</translation>
    </message>
    <message>
        <source>%1 % this week, %2 % the four weeks before</source>
        <translation>%1 % cette semaine, %2 % les quatre semaines précédentes</translation>
    </message>
    <message>
        <source>Letters
unlocked</source>
        <translation>Lettres
débloquées</translation>
    </message>
    <message>
        <source>Minutes this week against the class&apos;s weekly goal</source>
        <translation>Minutes cette semaine face à l&apos;objectif hebdomadaire de la classe</translation>
    </message>
</context>
<context>
    <name>clavora::GameWindow</name>
    <message>
        <source>Start &amp;Level:</source>
        <translation>&amp;Niv. initial&#xa0;:</translation>
    </message>
    <message>
        <source>Start level</source>
        <translation>Niveau initial</translation>
    </message>
    <message>
        <source>&amp;Start Game</source>
        <translation>&amp;Lancer la partie</translation>
    </message>
    <message>
        <source>&amp;End Game</source>
        <translation>&amp;Terminer la partie</translation>
    </message>
    <message>
        <source>E&amp;xercises</source>
        <translation>E&amp;xercices</translation>
    </message>
    <message>
        <source>Se&amp;ttings</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;ide</translation>
    </message>
    <message>
        <source>Show keyboard layout</source>
        <translation>Afficher le clavier</translation>
    </message>
    <message>
        <source>Play area</source>
        <translation>Aire de jeu</translation>
    </message>
    <message>
        <source>&amp;Weak keys</source>
        <translation>Touches &amp;faibles</translation>
    </message>
</context>
<context>
    <name>clavora::HeatMapWidget</name>
    <message>
        <source>%1%</source>
        <translation>%1&#xa0;%</translation>
    </message>
    <message>
        <source>Error rate</source>
        <translation>Taux d&apos;erreur</translation>
    </message>
    <message>
        <source>%1 or more</source>
        <translation>%1 ou plus</translation>
    </message>
    <message>
        <source>Fewer than %1 strokes</source>
        <translation>Moins de&#xa0;%1 frappes</translation>
    </message>
    <message>
        <source>Not on this keyboard: %1</source>
        <translation>Absent de ce clavier&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>clavora::HelpWindow</name>
    <message>
        <source>Help text</source>
        <translation>Texte d&apos;aide</translation>
    </message>
    <message>
        <source>The help file %1 could not be read: %2.</source>
        <translation>Le fichier d&apos;aide&#xa0;%1 n&apos;a pas pu être lu&#xa0;:&#xa0;%2.</translation>
    </message>
</context>
<context>
    <name>clavora::KeyCapture</name>
    <message>
        <source>Key capture</source>
        <translation>Saisie des touches</translation>
    </message>
</context>
<context>
    <name>clavora::KeyboardWindow</name>
    <message>
        <source>Keyboard Layout Notice</source>
        <translation>Avis sur la disposition du clavier</translation>
    </message>
    <message>
        <source>Show my &amp;weak keys</source>
        <translation>Afficher mes touches &amp;faibles</translation>
    </message>
    <message>
        <source>Show my &amp;weak keys (no history)</source>
        <translation>Afficher mes touches &amp;faibles (aucun historique)</translation>
    </message>
    <message>
        <source>&amp;Switch to the %1 layout</source>
        <translation>&amp;Passer au clavier %1</translation>
    </message>
</context>
<context>
    <name>clavora::MainWindow</name>
    <message>
        <source>Exercise type:</source>
        <translation>Exercices&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Preset - exercise:</source>
        <translation>&amp;Prédéfini - n°&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Random</source>
        <translation>&amp;Aléatoire</translation>
    </message>
    <message>
        <source>&amp;Start Exercises</source>
        <translation>&amp;Démarrer</translation>
    </message>
    <message>
        <source>S&amp;top Exercises</source>
        <translation>A&amp;rrêter</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Jeu</translation>
    </message>
    <message>
        <source>S&amp;ettings</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;ide</translation>
    </message>
    <message>
        <source>Typing line</source>
        <translation>Ligne de saisie</translation>
    </message>
    <message>
        <source>Exercise</source>
        <translation>Exercice</translation>
    </message>
    <message>
        <source>Time elapsed:</source>
        <translation>Temps écoulé&#xa0;:</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>sec.</translation>
    </message>
    <message>
        <source>Log</source>
        <translation>Journal</translation>
    </message>
    <message>
        <source>Show keyboard layout</source>
        <translation>Afficher le clavier</translation>
    </message>
    <message>
        <source>Sa&amp;ve Log</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>Exercise number</source>
        <translation>Numéro d&apos;exercice</translation>
    </message>
    <message>
        <source>Time elapsed in seconds</source>
        <translation>Temps écoulé en secondes</translation>
    </message>
    <message>
        <source>Coach me</source>
        <translation>Me coacher</translation>
    </message>
    <message>
        <source>Speed target (WPM):</source>
        <translation>Objectif (MPM) :</translation>
    </message>
    <message>
        <source>Speed target in words per minute</source>
        <translation>Objectif de vitesse en mots par minute</translation>
    </message>
    <message>
        <source>New to typing? Tick this and choose Random: the Coach&apos;s course starts on the home row and adds a letter whenever you have learnt the ones before.</source>
        <translation>Débutant ? Cochez cette case et choisissez Aléatoire : le cours du coach commence par la rangée de repos et ajoute une lettre dès que vous maîtrisez les précédentes.</translation>
    </message>
</context>
<context>
    <name>clavora::PlayArea</name>
    <message>
        <source>GAME OVER!</source>
        <translation>PARTIE TERMINÉE&#xa0;!</translation>
    </message>
</context>
<context>
    <name>clavora::ProgressWindow</name>
    <message>
        <source>&amp;Show:</source>
        <translation>&amp;Afficher&#xa0;:</translation>
    </message>
    <message>
        <source>Speed per day (words per minute)</source>
        <translation>Vitesse par jour (mots par minute)</translation>
    </message>
    <message>
        <source>Accuracy per day (%)</source>
        <translation>Précision par jour (%)</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Touche</translation>
    </message>
    <message>
        <source>Strokes</source>
        <translation>Frappes</translation>
    </message>
    <message>
        <source>Error rate %</source>
        <translation>Taux d&apos;erreur&#xa0;%</translation>
    </message>
    <message>
        <source>Median interval ms</source>
        <translation>Intervalle médian ms</translation>
    </message>
    <message>
        <source>Struck instead</source>
        <translation>Tapé à la place</translation>
    </message>
    <message>
        <source>Played</source>
        <translation>Jouée le</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>Start level</source>
        <translation>Niveau initial</translation>
    </message>
    <message>
        <source>Level reached</source>
        <translation>Niveau atteint</translation>
    </message>
    <message>
        <source>&amp;Record my progress</source>
        <translation>&amp;Enregistrer ma progression</translation>
    </message>
    <message>
        <source>&amp;Forget my history…</source>
        <translation>&amp;Oublier mon historique…</translation>
    </message>
    <message>
        <source>&amp;Export…</source>
        <translation>E&amp;xporter…</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Touches</translation>
    </message>
    <message>
        <source>Most frequent mistakes</source>
        <translation>Erreurs les plus fréquentes</translation>
    </message>
    <message>
        <source>Best games</source>
        <translation>Meilleures parties</translation>
    </message>
    <message>
        <source>Median WPM</source>
        <translation>MPM médian</translation>
    </message>
    <message>
        <source>Best WPM</source>
        <translation>Meilleur MPM</translation>
    </message>
    <message>
        <source>Median correct WPM</source>
        <translation>MPM justes médian</translation>
    </message>
    <message>
        <source>Best correct WPM</source>
        <translation>Meilleur MPM justes</translation>
    </message>
    <message>
        <source>Median accuracy</source>
        <translation>Précision médiane</translation>
    </message>
    <message>
        <source>Best accuracy</source>
        <translation>Meilleure précision</translation>
    </message>
    <message>
        <source>7 days</source>
        <translation>7 jours</translation>
    </message>
    <message>
        <source>30 days</source>
        <translation>30 jours</translation>
    </message>
    <message>
        <source>A year</source>
        <translation>Un an</translation>
    </message>
    <message>
        <source>Everything</source>
        <translation>Tout</translation>
    </message>
    <message>
        <source>Pr&amp;ogress</source>
        <translation>Pro&amp;gression</translation>
    </message>
    <message>
        <source>Practise my &amp;weak keys</source>
        <translation>S’e&amp;ntraîner sur mes touches faibles</translation>
    </message>
    <message>
        <source>Minutes typed per day over the last 52 weeks</source>
        <translation>Minutes de frappe par jour sur les 52 dernières semaines</translation>
    </message>
    <message>
        <source>Speed and &amp;accuracy</source>
        <translation>&amp;Vitesse et précision</translation>
    </message>
    <message>
        <source>&amp;Keys</source>
        <translation>&amp;Touches</translation>
    </message>
    <message>
        <source>Ca&amp;lendar and games</source>
        <translation>Ca&amp;lendrier et parties</translation>
    </message>
    <message>
        <source>Days in a row: %1</source>
        <translation>Jours d’affilée&#xa0;: %1</translation>
    </message>
    <message>
        <source>Error rate of each key</source>
        <translation>Taux d’erreur de chaque touche</translation>
    </message>
    <message>
        <source>Minutes typed per day</source>
        <translation>Minutes de frappe par jour</translation>
    </message>
    <message>
        <source>Class…</source>
        <translation>Classe…</translation>
    </message>
    <message>
        <source>This week is the last seven days; a trend compares it with the four weeks before. Double-click a learner to see their progress.</source>
        <translation>Cette semaine, ce sont les sept derniers jours&#xa0;; une tendance la compare aux quatre semaines d’avant. Double-cliquez sur un élève pour voir sa progression.</translation>
    </message>
    <message>
        <source>Ex&amp;port class…</source>
        <translation>Exporter la &amp;classe…</translation>
    </message>
    <message>
        <source>Progress of %1</source>
        <translation>Progression de %1</translation>
    </message>
    <message>
        <source>Class</source>
        <translation>Classe</translation>
    </message>
    <message>
        <source>Report as P&amp;DF…</source>
        <translation>Rapport en P&amp;DF…</translation>
    </message>
    <message>
        <source>A page for each class and for each of its learners, to print and hand out</source>
        <translation>Une page pour chaque classe et pour chacun de ses élèves, à imprimer et à distribuer</translation>
    </message>
    <message>
        <source>Class &amp;goals…</source>
        <translation>O&amp;bjectifs de la classe…</translation>
    </message>
    <message>
        <source>The classes&apos; goals</source>
        <translation>Les objectifs des classes</translation>
    </message>
</context>
<context>
    <name>clavora::ReportPdf</name>
    <message>
        <source>weeks ending on</source>
        <translation>semaines se terminant le</translation>
    </message>
</context>
<context>
    <name>clavora::SettingsDialog</name>
    <message>
        <source>Exercises:</source>
        <translation>Exercices&#xa0;:</translation>
    </message>
    <message>
        <source>Preset exercise &amp;file:</source>
        <translation>Fichier d&apos;e&amp;xercices&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Repeats:</source>
        <translation>&amp;Répétitions&#xa0;:</translation>
    </message>
    <message>
        <source>Minimum &amp;accuracy to pass:</source>
        <translation>&amp;Précision minimale pour réussir&#xa0;:</translation>
    </message>
    <message>
        <source>Minimum &amp;speed to pass:</source>
        <translation>&amp;Vitesse minimale pour réussir&#xa0;:</translation>
    </message>
    <message>
        <source>WPM</source>
        <translation>MPM</translation>
    </message>
    <message>
        <source>Random Exercises and Game - allow these keys:</source>
        <translation>Exercices aléatoires et jeu - autoriser ces touches&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Lower case letters</source>
        <translation>&amp;Lettres minuscules</translation>
    </message>
    <message>
        <source>&amp;Upper case letters</source>
        <translation>Lettres ma&amp;juscules</translation>
    </message>
    <message>
        <source>&amp;Numbers</source>
        <translation>&amp;Chiffres</translation>
    </message>
    <message>
        <source>Spa&amp;cebar</source>
        <translation>&amp;Barre d&apos;espace</translation>
    </message>
    <message>
        <source>Nu&amp;mber punctuation and symbols (! $ % etc.)</source>
        <translation>Ponctuation et symboles des chiffr&amp;es (! $&#xa0;% etc.)</translation>
    </message>
    <message>
        <source>Other non-shifted &amp;punctuation and symbols (; , . etc.)</source>
        <translation>&amp;Autres ponctuations et symboles sans Maj (; , . etc.)</translation>
    </message>
    <message>
        <source>Other sh&amp;ifted punctuation and symbols (: &lt; &gt; etc.)</source>
        <translation>Autres ponctuations et symboles avec &amp;Maj (: &lt; &gt; etc.)</translation>
    </message>
    <message>
        <source>Cust&amp;om:</source>
        <translation>Personnali&amp;sées&#xa0;:</translation>
    </message>
    <message>
        <source>Custom keys</source>
        <translation>Touches personnalisées</translation>
    </message>
    <message>
        <source>Quick Exercises:</source>
        <translation>Exercices rapides&#xa0;:</translation>
    </message>
    <message>
        <source>Num&amp;ber of exercises:</source>
        <translation>&amp;Nombre d&apos;exercices&#xa0;:</translation>
    </message>
    <message>
        <source>Repeats:</source>
        <translation>Répétitions&#xa0;:</translation>
    </message>
    <message>
        <source>Pr&amp;eset - random exercise between:</source>
        <translation>Prédéfini - exercice au &amp;hasard entre&#xa0;:</translation>
    </message>
    <message>
        <source>and</source>
        <translation>et</translation>
    </message>
    <message>
        <source>Ran&amp;dom</source>
        <translation>Aléat&amp;oire</translation>
    </message>
    <message>
        <source>Exercise type:</source>
        <translation>Type d&apos;exercice&#xa0;:</translation>
    </message>
    <message>
        <source>Keyboard Layout:</source>
        <translation>Disposition du clavier&#xa0;:</translation>
    </message>
    <message>
        <source>Keyboard layout</source>
        <translation>Disposition du clavier</translation>
    </message>
    <message>
        <source>Display:</source>
        <translation>Affichage&#xa0;:</translation>
    </message>
    <message>
        <source>Change &amp;Text Colour</source>
        <translation>Changer la couleur du &amp;texte</translation>
    </message>
    <message>
        <source>Change &amp;Window Colour</source>
        <translation>Changer la couleur de la &amp;fenêtre</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>Valeurs par défaut</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Launch &amp;quick exercises when I log in</source>
        <translation>Lancer les exercices rapi&amp;des à l&apos;ouverture de session</translation>
    </message>
    <message>
        <source>Lowest quick exercise</source>
        <translation>Premier exercice rapide</translation>
    </message>
    <message>
        <source>Highest quick exercise</source>
        <translation>Dernier exercice rapide</translation>
    </message>
    <message>
        <source>Coach:</source>
        <translation>Coach :</translation>
    </message>
    <message>
        <source>Stop at a wrong &amp;key: it stays marked until the right one is typed</source>
        <translation>&amp;Quand une touche est fausse, attendre la bonne (elle reste marquée)</translation>
    </message>
    <message>
        <source>Find a layout</source>
        <translation>Chercher une disposition</translation>
    </message>
    <message>
        <source>Find a keyboard layout by name</source>
        <translation>Chercher une disposition de clavier par son nom</translation>
    </message>
</context>
</TS>
