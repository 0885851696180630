<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>AccessibleKeys</name>
    <message>
        <source>SPACE</source>
        <translation>LEERTASTE</translation>
    </message>
</context>
<context>
    <name>AppSettings</name>
    <message>
        <source>The settings could not be saved to &quot;%1&quot;: %2.</source>
        <translation>Die Einstellungen konnten nicht in „%1“ gespeichert werden: %2.</translation>
    </message>
    <message>
        <source>The quick-exercise start-up entry could not be saved to &quot;%1&quot;: %2.</source>
        <translation>Der Starteintrag für die Schnellübungen konnte nicht in „%1“ gespeichert werden: %2.</translation>
    </message>
    <message>
        <source>Save Error</source>
        <translation>Fehler beim Speichern</translation>
    </message>
    <message>
        <source>Quick Exercises at Log-in</source>
        <translation>Schnellübungen bei der Anmeldung</translation>
    </message>
    <message>
        <source>Quick exercises at log-in need the program in a folder whose path holds none of the characters $ ` &quot; \ % and no control characters.

The program is &quot;%1&quot;, so no start-up entry was made.</source>
        <translation>Schnellübungen bei der Anmeldung brauchen das Programm in einem Ordner, dessen Pfad keines der Zeichen $ ` &quot; \ % und keine Steuerzeichen enthält.

Das Programm ist „%1“, daher wurde kein Starteintrag angelegt.</translation>
    </message>
    <message>
        <source>Settings Not Read</source>
        <translation>Einstellungen nicht gelesen</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is larger than 4 MB, so it was not read and will be left as it is. The program starts with its default settings.</source>
        <translation>„%1“ ist größer als 4 MB und wurde daher nicht gelesen; die Datei bleibt, wie sie ist. Das Programm startet mit seinen Standardeinstellungen.</translation>
    </message>
</context>
<context>
    <name>CalendarGrid</name>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>under %1</source>
        <translation>unter %1</translation>
    </message>
    <message>
        <source>%1+</source>
        <translation>%1+</translation>
    </message>
    <message>
        <source>%1: under a minute</source>
        <translation>%1: unter einer Minute</translation>
    </message>
    <message>
        <source>%1: 1 minute</source>
        <translation>%1: 1 Minute</translation>
    </message>
    <message>
        <source>%1: %2 minutes</source>
        <translation>%1: %2 Minuten</translation>
    </message>
</context>
<context>
    <name>Captions</name>
    <message>
        <source>Orvella Clavora - Exercises</source>
        <translation>Orvella Clavora - Übungen</translation>
    </message>
    <message>
        <source>Orvella Clavora - Quick Exercises</source>
        <translation>Orvella Clavora - Schnellübungen</translation>
    </message>
    <message>
        <source>Orvella Clavora - Game</source>
        <translation>Orvella Clavora - Spiel</translation>
    </message>
    <message>
        <source>Orvella Clavora - Keyboard Layout</source>
        <translation>Orvella Clavora - Tastatur</translation>
    </message>
    <message>
        <source>Orvella Clavora - Settings</source>
        <translation>Orvella Clavora - Optionen</translation>
    </message>
    <message>
        <source>Orvella Clavora - Progress</source>
        <translation>Orvella Clavora - Fortschritt</translation>
    </message>
    <message>
        <source>Orvella Clavora - Help</source>
        <translation>Orvella Clavora - Hilfe</translation>
    </message>
</context>
<context>
    <name>ClassGoalsQuery</name>
    <message>
        <source>You teach no class named &quot;%1&quot;.</source>
        <translation>Sie unterrichten keine Klasse namens „%1“.</translation>
    </message>
</context>
<context>
    <name>ClassGoalsSaver</name>
    <message>
        <source>The class server keeps no goals yet: ask whoever runs it to update its tables.</source>
        <translation>Der Klassenserver speichert noch keine Ziele: Bitten Sie die Person, die ihn betreibt, seine Tabellen zu aktualisieren.</translation>
    </message>
</context>
<context>
    <name>ClassPage</name>
    <message>
        <source>Loading…</source>
        <translation>Wird geladen…</translation>
    </message>
    <message>
        <source>Your class could not be read: %1</source>
        <translation>Deine Klasse konnte nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>Your classes have no learners yet.</source>
        <translation>Deine Klassen haben noch keine Lernenden.</translation>
    </message>
    <message>
        <source>Loading the progress of %1…</source>
        <translation>Fortschritt von %1 wird geladen…</translation>
    </message>
    <message>
        <source>The progress of %1 could not be read: %2</source>
        <translation>Der Fortschritt von %1 konnte nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>CSV Files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>All Files (*.*)</source>
        <translation>Alle Dateien (*.*)</translation>
    </message>
    <message>
        <source>Export Class As . . .</source>
        <translation>Klasse exportieren unter . . .</translation>
    </message>
    <message>
        <source>Export Error</source>
        <translation>Exportfehler</translation>
    </message>
    <message>
        <source>An error occurred while exporting the class.</source>
        <translation>Beim Exportieren der Klasse ist ein Fehler aufgetreten.</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Export</translation>
    </message>
    <message>
        <source>The class is in %1.</source>
        <translation>Die Klasse steht in %1.</translation>
    </message>
    <message>
        <source>PDF Files (*.pdf)</source>
        <translation>PDF-Dateien (*.pdf)</translation>
    </message>
    <message>
        <source>Save Report As . . .</source>
        <translation>Bericht speichern unter . . .</translation>
    </message>
    <message>
        <source>Class report</source>
        <translation>Klassenbericht</translation>
    </message>
    <message>
        <source>The report could not be made.</source>
        <translation>Der Bericht konnte nicht erstellt werden.</translation>
    </message>
    <message>
        <source>Report Error</source>
        <translation>Fehler beim Bericht</translation>
    </message>
    <message>
        <source>The report could not be saved: %1</source>
        <translation>Der Bericht konnte nicht gespeichert werden: %1</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Bericht</translation>
    </message>
    <message>
        <source>The report is in %1.</source>
        <translation>Der Bericht steht in %1.</translation>
    </message>
    <message>
        <source>Setting the goals of %1…</source>
        <translation>Die Ziele von %1 werden gesetzt…</translation>
    </message>
    <message>
        <source>The goals of %1 could not be set: %2</source>
        <translation>Die Ziele von %1 konnten nicht gesetzt werden: %2</translation>
    </message>
    <message>
        <source>%1 of %2 practised %3 minutes this week</source>
        <translation>%1 von %2 übten diese Woche %3 Minuten</translation>
    </message>
    <message>
        <source>%1 of %2 reached %3 % accuracy</source>
        <translation>%1 von %2 erreichten %3 % Genauigkeit</translation>
    </message>
    <message>
        <source>%1 of %2 reached %3 WPM</source>
        <translation>%1 von %2 erreichten %3 WpM</translation>
    </message>
</context>
<context>
    <name>ClassReachSentence</name>
    <message>
        <source>today at %1</source>
        <translation>heute um %1</translation>
    </message>
    <message>
        <source>yesterday at %1</source>
        <translation>gestern um %1</translation>
    </message>
    <message>
        <source>on %1 at %2</source>
        <translation>am %1 um %2</translation>
    </message>
    <message>
        <source>Your class was last reached %1.</source>
        <translation>Deine Klasse wurde zuletzt %1 erreicht.</translation>
    </message>
    <message>
        <source>Your class has not been reached yet.</source>
        <translation>Deine Klasse wurde noch nicht erreicht.</translation>
    </message>
    <message>
        <source>It was last reached %1.</source>
        <translation>Zuletzt erreicht %1.</translation>
    </message>
    <message>
        <source>Your attempts are kept here and sent once it can be reached.</source>
        <translation>Deine Versuche bleiben hier und werden gesendet, sobald sie erreichbar ist.</translation>
    </message>
    <message>
        <source>it did not let you in. Ask your teacher to check your login, and keep your password in ~/.pgpass.</source>
        <translation>Er hat dich nicht hereingelassen. Bitte deine Lehrkraft, deine Anmeldung zu prüfen, und bewahre dein Passwort in ~/.pgpass auf.</translation>
    </message>
    <message>
        <source>the service named in the setting is not in your service file.</source>
        <translation>Der in der Einstellung genannte Dienst steht nicht in deiner Dienstdatei.</translation>
    </message>
    <message>
        <source>its secure connection could not be checked. Ask your teacher.</source>
        <translation>Seine sichere Verbindung ließ sich nicht prüfen. Frag deine Lehrkraft.</translation>
    </message>
    <message>
        <source>it has no class of that name. Check the setting.</source>
        <translation>Er hat keine Klasse dieses Namens. Prüfe die Einstellung.</translation>
    </message>
    <message>
        <source>its name is not known on this network. Check the setting and the network.</source>
        <translation>Sein Name ist in diesem Netz unbekannt. Prüfe die Einstellung und das Netz.</translation>
    </message>
    <message>
        <source>it did not answer in time.</source>
        <translation>Er hat nicht rechtzeitig geantwortet.</translation>
    </message>
    <message>
        <source>it is short of connections, memory or disk just now. Clavora tries again by itself.</source>
        <translation>Ihm fehlen gerade Verbindungen, Speicher oder Platz. Clavora versucht es von selbst wieder.</translation>
    </message>
    <message>
        <source>it is not running, or this computer cannot reach it.</source>
        <translation>Er läuft nicht, oder dieser Computer erreicht ihn nicht.</translation>
    </message>
    <message>
        <source>The class server could not be reached: %1</source>
        <translation>Der Klassenserver war nicht erreichbar: %1</translation>
    </message>
</context>
<context>
    <name>ClassReport</name>
    <message>
        <source>This week is the seven days to %1; a trend compares it with the four weeks before.</source>
        <translation>Diese Woche sind die sieben Tage bis %1; ein Trend vergleicht sie mit den vier Wochen davor.</translation>
    </message>
    <message>
        <source>Learners in no class</source>
        <translation>Lernende in keiner Klasse</translation>
    </message>
    <message>
        <source>Class %1</source>
        <translation>Klasse %1</translation>
    </message>
    <message>
        <source>Each week: minutes per learner (bars) and the learners&apos; median WPM (line)</source>
        <translation>Jede Woche: Minuten je Lernende(n) (Balken) und der Median der WpM (Linie)</translation>
    </message>
    <message>
        <source>Figure</source>
        <translation>Kennzahl</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Wert</translation>
    </message>
    <message>
        <source>Each week: minutes (bars) and median WPM (line)</source>
        <translation>Jede Woche: Minuten (Balken) und WpM im Median (Linie)</translation>
    </message>
</context>
<context>
    <name>ClassServerCheck</name>
    <message>
        <source>A password does not belong here: the settings file would keep it for anyone to read. Put it in ~/.pgpass or in the service file, and name the server without it.</source>
        <translation>Ein Passwort gehört nicht hierher: Die Einstellungsdatei würde es für alle lesbar speichern. Lege es in ~/.pgpass oder in der Dienstdatei ab und nenne den Server ohne es.</translation>
    </message>
    <message>
        <source>The server must be written on one line.</source>
        <translation>Der Server muss in einer Zeile stehen.</translation>
    </message>
    <message>
        <source>Name the server as keyword=value pairs, such as service=clavora-class or host=school.example dbname=clavora.</source>
        <translation>Nenne den Server als Paare Schlüsselwort=Wert, etwa service=clavora-class oder host=school.example dbname=clavora.</translation>
    </message>
    <message>
        <source>The server is longer than the %1 characters the settings file keeps.</source>
        <translation>Der Server ist länger als die %1 Zeichen, die die Einstellungsdatei speichert.</translation>
    </message>
</context>
<context>
    <name>CoachCourse</name>
    <message>
        <source>Coach&apos;s course - keys %1</source>
        <translation>Trainerkurs - Tasten %1</translation>
    </message>
    <message>
        <source>Coach&apos;s course - keys %1, next %2</source>
        <translation>Trainerkurs - Tasten %1, als Nächstes %2</translation>
    </message>
    <message>
        <source>%1 of %2 letters ready</source>
        <translation>%1 von %2 Buchstaben sitzen</translation>
    </message>
    <message>
        <source>; needing accuracy: %1</source>
        <translation>; Genauigkeit fehlt: %1</translation>
    </message>
    <message>
        <source>; needing speed: %1</source>
        <translation>; Tempo fehlt: %1</translation>
    </message>
    <message>
        <source>; needing more strokes: %1</source>
        <translation>; mehr Anschläge nötig: %1</translation>
    </message>
</context>
<context>
    <name>CoachResult</name>
    <message>
        <source>Mistakes: %1</source>
        <translation>Fehler: %1</translation>
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
        <translation>Aufruf: clavora [/g | /q | /k] [--coach]
        clavora --help | --version

Ein Tipptrainer für das Zehnfingerschreiben mit Übungen, einem Tippspiel und einer
Bildschirmtastatur. Jeder Versuch und jedes Spiel kommt in einen Verlauf: das
Fortschrittsfenster (Strg+P) zeigt ihn, und sein &quot;Schwache Tasten üben&quot; macht
Zufallsübungen aus den Tasten, die Sie am häufigsten verfehlt haben.

  /g         mit dem Tippspiel beginnen
  /q         Schnellübungen machen, dann schließen
  /k         nur die Bildschirmtastatur zeigen; ihr Schließen speichert die Einstellungen nicht
  --coach    von Anfang an tippen lernen: mit Trainer und seinem Kurs aus Zufallszeilen,
             der einen Buchstaben hinzunimmt, sobald Sie die bisherigen gelernt haben
  --help     diesen Text ausgeben
  --version  die Version ausgeben
Die Schalter gelten überall auf der Befehlszeile, groß oder klein geschrieben; nur der
erste von /g, /q, /k (in dieser Reihenfolge) wirkt.

Dateien, portabel (der Ordner des Programms enthält Exercises/ und ist beschreibbar):
  Clavora.ini, History.sqlite, Exercises/*.txt, Layouts/*.kbl, Logs/, Readme.de.txt
  neben dem Programm

Dateien, installiert (das Programm in &lt;prefix&gt;/bin mit &lt;prefix&gt;/share/clavora, oder sein
Ordner ist nicht beschreibbar):
  Einstellungen  $XDG_CONFIG_HOME/clavora/Clavora.ini (~/.config/clavora/Clavora.ini)
  Übungen        $XDG_DATA_HOME/clavora/Exercises/*.txt (~/.local/share/clavora/Exercises),
                 dann &lt;prefix&gt;/share/clavora/Exercises; Ihre Datei gleichen Namens gewinnt
  Belegungen     $XDG_DATA_HOME/clavora/Layouts/*.kbl, dann &lt;prefix&gt;/share/clavora/Layouts
  Logs           $XDG_DATA_HOME/clavora/Logs/
  Verlauf        $XDG_DATA_HOME/clavora/History.sqlite
  Hilfe          &lt;prefix&gt;/share/clavora/Readme.de.txt

In beiden Fällen ist der Eintrag, der Schnellübungen bei der Anmeldung startet,
$XDG_CONFIG_HOME/autostart/clavora-quick-exercises.desktop (~/.config/autostart).
</translation>
    </message>
</context>
<context>
    <name>DesktopLayout</name>
    <message>
        <source>English (US)</source>
        <translation>Englisch (US)</translation>
    </message>
    <message>
        <source>English (UK)</source>
        <translation>Englisch (UK)</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Deutsch</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Französisch</translation>
    </message>
    <message>
        <source>English (Dvorak)</source>
        <translation>Englisch (Dvorak)</translation>
    </message>
    <message>
        <source>English (Colemak)</source>
        <translation>Englisch (Colemak)</translation>
    </message>
    <message>
        <source>%1 (your keyboard is %2)</source>
        <translation>%1 (Ihre Tastatur: %2)</translation>
    </message>
</context>
<context>
    <name>Evaluation</name>
    <message>
        <source>%1 (%2 of %3)</source>
        <translation>%1 (%2 von %3)</translation>
    </message>
    <message>
        <source>%1: %2/%3 (%4%) correct, %5 seconds, %6 WPM, %7 correct WPM.</source>
        <translation>%1: %2/%3 (%4&#xa0;%) richtig, %5 Sekunden, %6 WpM, %7 WpM richtig.</translation>
    </message>
    <message>
        <source>Less than %1% correct - try again.</source>
        <translation>Weniger als %1&#xa0;% richtig - noch einmal.</translation>
    </message>
    <message>
        <source>Slower than %1 WPM - try again.</source>
        <translation>Langsamer als %1 WpM - noch einmal.</translation>
    </message>
</context>
<context>
    <name>ExerciseControl</name>
    <message>
        <source>Exercise Not Found</source>
        <translation>Übung nicht gefunden</translation>
    </message>
    <message>
        <source>Invalid exercise number.  Please try a lower number.</source>
        <translation>Ungültige Übungsnummer.  Bitte versuchen Sie eine kleinere Nummer.</translation>
    </message>
    <message>
        <source>Preset Exercise #%1</source>
        <translation>Vorgabeübung Nr. %1</translation>
    </message>
    <message>
        <source>Random Key Exercise - level %1</source>
        <translation>Zufallsübung - Tastenstufe %1</translation>
    </message>
    <message>
        <source>Exercise Status</source>
        <translation>Übungsergebnis</translation>
    </message>
    <message>
        <source>Text Documents (*.txt)</source>
        <translation>Textdokumente (*.txt)</translation>
    </message>
    <message>
        <source>Log Files (*.log)</source>
        <translation>Log-Dateien (*.log)</translation>
    </message>
    <message>
        <source>All Files (*.*)</source>
        <translation>Alle Dateien (*.*)</translation>
    </message>
    <message>
        <source>Save Log As . . .</source>
        <translation>Log speichern unter . . .</translation>
    </message>
    <message>
        <source>Save Error</source>
        <translation>Fehler beim Speichern</translation>
    </message>
    <message>
        <source>An error occurred while saving the log.</source>
        <translation>Beim Speichern des Logs ist ein Fehler aufgetreten.</translation>
    </message>
    <message>
        <source> LOL, nice try xD </source>
        <translation> LOL, netter Versuch xD </translation>
    </message>
    <message>
        <source>There is no record of your keys to practise yet.  Type a few exercises with &quot;Record my progress&quot; ticked in the progress window, then try again.</source>
        <translation>Es gibt noch keine Aufzeichnung Ihrer Tasten zum Üben.  Tippen Sie einige Übungen mit angehaktem &quot;Fortschritt aufzeichnen&quot; im Fortschrittsfenster und versuchen Sie es dann erneut.</translation>
    </message>
    <message>
        <source>No Weak Keys Yet</source>
        <translation>Noch keine schwachen Tasten</translation>
    </message>
    <message>
        <source>Weak-Key Drill</source>
        <translation>Schwache-Tasten-Übung</translation>
    </message>
    <message>
        <source>the Coach on</source>
        <translation>der Trainer an</translation>
    </message>
    <message>
        <source>at least %1% correct</source>
        <translation>mindestens %1 % richtig</translation>
    </message>
    <message>
        <source>a speed target of at least %1 WPM</source>
        <translation>ein Tempoziel von mindestens %1 WpM</translation>
    </message>
    <message>
        <source>Set by your teacher: %1.</source>
        <translation>Von Ihrer Lehrkraft festgelegt: %1.</translation>
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
        <translation>Der Ordner „%1“ existiert nicht.  Wählen Sie einen vorhandenen Ordner.</translation>
    </message>
    <message>
        <source>You cannot save files in the folder &quot;%1&quot;.  Choose another folder.</source>
        <translation>Im Ordner „%1“ können Sie keine Dateien speichern.  Wählen Sie einen anderen Ordner.</translation>
    </message>
</context>
<context>
    <name>Fingers</name>
    <message>
        <source>left little finger</source>
        <translation>linker kleiner Finger</translation>
    </message>
    <message>
        <source>left ring finger</source>
        <translation>linker Ringfinger</translation>
    </message>
    <message>
        <source>left middle finger</source>
        <translation>linker Mittelfinger</translation>
    </message>
    <message>
        <source>left index finger</source>
        <translation>linker Zeigefinger</translation>
    </message>
    <message>
        <source>right index finger</source>
        <translation>rechter Zeigefinger</translation>
    </message>
    <message>
        <source>right middle finger</source>
        <translation>rechter Mittelfinger</translation>
    </message>
    <message>
        <source>right ring finger</source>
        <translation>rechter Ringfinger</translation>
    </message>
    <message>
        <source>right little finger</source>
        <translation>rechter kleiner Finger</translation>
    </message>
    <message>
        <source>thumb</source>
        <translation>Daumen</translation>
    </message>
</context>
<context>
    <name>GameForm</name>
    <message>
        <source>Key level: %1</source>
        <translation>Tastenstufe: %1</translation>
    </message>
    <message>
        <source>Press ALT and S to start a game.</source>
        <translation>Drücken Sie ALT und S, um ein Spiel zu starten.</translation>
    </message>
    <message>
        <source>Press ALT and P to pause the game.</source>
        <translation>Drücken Sie ALT und P, um das Spiel anzuhalten.</translation>
    </message>
    <message>
        <source>Game paused.  Press ALT and P to unpause the game.</source>
        <translation>Spiel angehalten.  Drücken Sie ALT und W, um weiterzuspielen.</translation>
    </message>
    <message>
        <source>Hit ENTER to advance to the next level!</source>
        <translation>Drücken Sie ENTER für das nächste Level!</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Pause</translation>
    </message>
    <message>
        <source>Un&amp;pause</source>
        <translation>&amp;Weiter</translation>
    </message>
    <message>
        <source>Level: %1</source>
        <translation>Level: %1</translation>
    </message>
    <message>
        <source>Score: %1</source>
        <translation>Punkte: %1</translation>
    </message>
    <message>
        <source>Time elapsed: %1:%2</source>
        <translation>Verstrichene Zeit: %1:%2</translation>
    </message>
    <message>
        <source>No weak keys known yet: playing with all keys.</source>
        <translation>Noch keine schwachen Tasten bekannt: Spiel mit allen Tasten.</translation>
    </message>
</context>
<context>
    <name>HistoryStore</name>
    <message>
        <source>The history cannot be read</source>
        <translation>Der Verlauf kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>The history cannot be updated</source>
        <translation>Der Verlauf kann nicht aktualisiert werden</translation>
    </message>
    <message>
        <source>The history cannot be written</source>
        <translation>Der Verlauf kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>%1. Clavora goes on without recording your history.</source>
        <translation>%1. Clavora läuft weiter, ohne Ihren Verlauf aufzuzeichnen.</translation>
    </message>
    <message>
        <source>The SQLite driver of Qt is not installed</source>
        <translation>Der SQLite-Treiber von Qt ist nicht installiert</translation>
    </message>
    <message>
        <source>The history cannot be opened</source>
        <translation>Der Verlauf kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>The history was written by a newer version of Clavora</source>
        <translation>Der Verlauf wurde von einer neueren Version von Clavora geschrieben</translation>
    </message>
    <message>
        <source>The history cannot be emptied</source>
        <translation>Der Verlauf kann nicht geleert werden</translation>
    </message>
</context>
<context>
    <name>KeyboardControl</name>
    <message>
        <source>The layout file &quot;%1&quot; could not be read, so the keys show no characters.</source>
        <translation>Die Belegungsdatei „%1“ konnte nicht gelesen werden, daher zeigen die Tasten keine Zeichen.</translation>
    </message>
    <message>
        <source>The layout file &quot;%1&quot; holds no characters, so the keys show none.</source>
        <translation>Die Belegungsdatei „%1“ enthält keine Zeichen, daher zeigen die Tasten keine.</translation>
    </message>
    <message>
        <source>The layout file &quot;%1&quot; ends after its first line, so the keys show no shifted characters.</source>
        <translation>Die Belegungsdatei „%1“ endet nach der ersten Zeile, daher zeigen die Tasten keine Zeichen mit Umschalttaste.</translation>
    </message>
    <message>
        <source>space</source>
        <translation>Leerzeichen</translation>
    </message>
    <message>
        <source>next: %1, %2</source>
        <translation>als Nächstes: %1, %2</translation>
    </message>
    <message>
        <source> + left Shift</source>
        <translation> + linke Umschalttaste</translation>
    </message>
    <message>
        <source> + right Shift</source>
        <translation> + rechte Umschalttaste</translation>
    </message>
    <message>
        <source> + AltGr</source>
        <translation> + AltGr</translation>
    </message>
    <message>
        <source>The desktop&apos;s keyboard database has no layout &quot;%1&quot;, so the keys show no characters.</source>
        <translation>Die Tastaturdatenbank des Desktops kennt kein Layout „%1“, daher zeigen die Tasten keine Zeichen.</translation>
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
        <translation>FEST-</translation>
    </message>
    <message>
        <source>LOCK</source>
        <translation>STELL</translation>
    </message>
    <message>
        <source>SHIFT</source>
        <translation>UMSCHALT</translation>
    </message>
    <message>
        <source>BACKSPACE</source>
        <translation>RÜCKTASTE</translation>
    </message>
    <message>
        <source>ENTER</source>
        <translation>EINGABE</translation>
    </message>
    <message>
        <source>CTRL</source>
        <translation>STRG</translation>
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
        <translation>MENÜ</translation>
    </message>
</context>
<context>
    <name>MistakeList</name>
    <message>
        <source>space</source>
        <translation>Leerzeichen</translation>
    </message>
    <message>
        <source>expected %1, typed %2</source>
        <translation>erwartet %1, getippt %2</translation>
    </message>
    <message>
        <source>expected %1, typed %2 (%3 times)</source>
        <translation>erwartet %1, getippt %2 (%3-mal)</translation>
    </message>
    <message>
        <source>; </source>
        <translation>; </translation>
    </message>
</context>
<context>
    <name>ProfileFile</name>
    <message>
        <source>the file is larger than 4 MB</source>
        <translation>die Datei ist größer als 4 MB</translation>
    </message>
</context>
<context>
    <name>ProgressControl</name>
    <message>
        <source>expected %1, struck %2: %3 %4</source>
        <translation>erwartet %1, getippt %2: %3&#xa0;%4</translation>
    </message>
    <message>
        <source>time</source>
        <translation>Mal</translation>
    </message>
    <message>
        <source>times</source>
        <translation>Mal</translation>
    </message>
    <message>
        <source>Forget My History</source>
        <translation>Verlauf löschen</translation>
    </message>
    <message>
        <source>Forget every recorded attempt, key and game? This cannot be undone.</source>
        <translation>Alle aufgezeichneten Versuche, Tasten und Spiele löschen? Das lässt sich nicht rückgängig machen.</translation>
    </message>
    <message>
        <source>Forget Error</source>
        <translation>Fehler beim Löschen</translation>
    </message>
    <message>
        <source>The history could not be emptied.
%1</source>
        <translation>Der Verlauf konnte nicht geleert werden.
%1</translation>
    </message>
    <message>
        <source>CSV Files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>All Files (*.*)</source>
        <translation>Alle Dateien (*.*)</translation>
    </message>
    <message>
        <source>Export History As . . .</source>
        <translation>Verlauf exportieren unter . . .</translation>
    </message>
    <message>
        <source>Export Error</source>
        <translation>Fehler beim Export</translation>
    </message>
    <message>
        <source>An error occurred while exporting the history.</source>
        <translation>Beim Exportieren des Verlaufs ist ein Fehler aufgetreten.</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Export</translation>
    </message>
    <message>
        <source>The attempts are in %1 and the keys in %2.</source>
        <translation>Die Versuche stehen in %1 und die Tasten in %2.</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Leertaste</translation>
    </message>
    <message>
        <source>Forget every attempt, key and game recorded on this computer? This cannot be undone. Your class&apos;s server keeps what was already sent, and your teacher still sees it; ask whoever runs the server to remove it. Nothing recorded until now is fetched back to this computer.</source>
        <translation>Alle auf diesem Computer aufgezeichneten Versuche, Tasten und Spiele vergessen? Das lässt sich nicht rückgängig machen. Der Server Ihrer Klasse behält, was schon gesendet wurde, und Ihre Lehrkraft sieht es weiterhin; bitten Sie, wer den Server betreut, es zu entfernen. Nichts bisher Aufgezeichnete wird auf diesen Computer zurückgeholt.</translation>
    </message>
</context>
<context>
    <name>Session</name>
    <message>
        <source>Streak</source>
        <translation>Serie</translation>
    </message>
    <message numerus="yes">
        <source>You have practised %n day in a row.</source>
        <translation>
            <numerusform>Sie haben %n Tag in Folge geübt.</numerusform>
            <numerusform>Sie haben %n Tage in Folge geübt.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>You have practised %n days in a row.</source>
        <translation>
            <numerusform>Sie haben %n Tag in Folge geübt.</numerusform>
            <numerusform>Sie haben %n Tage in Folge geübt.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>XdgStartupEntry</name>
    <message>
        <source>the folder could not be created</source>
        <translation>der Ordner konnte nicht angelegt werden</translation>
    </message>
</context>
<context>
    <name>clavora::AppWiring</name>
    <message>
        <source>This desktop does not let Clavora place its windows, so the keyboard may stand over the exercises. Drag it where it suits you.</source>
        <translation>Dieser Desktop lässt Clavora seine Fenster nicht selbst platzieren, daher kann die Tastatur über den Übungen liegen. Ziehen Sie sie dorthin, wo sie Ihnen passt.</translation>
    </message>
</context>
<context>
    <name>clavora::CalendarWidget</name>
    <message>
        <source>Minutes a day:</source>
        <translation>Minuten am Tag:</translation>
    </message>
</context>
<context>
    <name>clavora::ClassDialog</name>
    <message>
        <source>Class</source>
        <translation>Klasse</translation>
    </message>
    <message>
        <source>&amp;Server of your class:</source>
        <translation>&amp;Server deiner Klasse:</translation>
    </message>
    <message>
        <source>As your school gave it, such as service=clavora-class or host=school.example dbname=clavora sslmode=verify-full. Leave it empty to leave the class.
Your password belongs in ~/.pgpass or in the service file, never here.</source>
        <translation>Wie deine Schule ihn angibt, etwa service=clavora-class oder host=school.example dbname=clavora sslmode=verify-full. Leer lassen, um die Klasse zu verlassen.
Dein Passwort gehört in ~/.pgpass oder in die Dienstdatei, nie hierher.</translation>
    </message>
</context>
<context>
    <name>clavora::ClassGoalsDialog</name>
    <message>
        <source>No goal</source>
        <translation>Kein Ziel</translation>
    </message>
    <message>
        <source>Class Goals</source>
        <translation>Klassenziele</translation>
    </message>
    <message>
        <source> minutes</source>
        <translation> Minuten</translation>
    </message>
    <message>
        <source> %</source>
        <translation> %</translation>
    </message>
    <message>
        <source> WPM</source>
        <translation> WpM</translation>
    </message>
    <message>
        <source>The &amp;Coach is on for its learners</source>
        <translation>Der &amp;Coach ist für ihre Lernenden an</translation>
    </message>
    <message>
        <source>C&amp;lass:</source>
        <translation>K&amp;lasse:</translation>
    </message>
    <message>
        <source>&amp;Practice each week:</source>
        <translation>Ü&amp;bung jede Woche:</translation>
    </message>
    <message>
        <source>&amp;Accuracy mark:</source>
        <translation>&amp;Genauigkeitsmarke:</translation>
    </message>
    <message>
        <source>&amp;Speed target:</source>
        <translation>&amp;Tempoziel:</translation>
    </message>
</context>
<context>
    <name>clavora::ClassSender</name>
    <message>
        <source>The class server is newer than this version of Clavora, which sends nothing to it until it is updated.</source>
        <translation>Der Klassenserver ist neuer als diese Version von Clavora, die ihm nichts sendet, bis sie aktualisiert ist.</translation>
    </message>
    <message>
        <source>The class server is older than this version of Clavora: ask whoever runs it to update its tables.</source>
        <translation>Der Klassenserver ist älter als diese Version von Clavora: Bitten Sie die Person, die ihn betreibt, seine Tabellen zu aktualisieren.</translation>
    </message>
    <message>
        <source>The class server has no class tables of Clavora: %1</source>
        <translation>Der Klassenserver hat keine Klassentabellen von Clavora: %1</translation>
    </message>
    <message>
        <source>The class server did not give your records: %1</source>
        <translation>Der Klassenserver hat Ihre Ergebnisse nicht geliefert: %1</translation>
    </message>
    <message>
        <source>The class server did not take your records: %1</source>
        <translation>Der Klassenserver hat Ihre Ergebnisse nicht angenommen: %1</translation>
    </message>
    <message>
        <source>Your history cannot be written: %1</source>
        <translation>Ihr Verlauf kann nicht geschrieben werden: %1</translation>
    </message>
    <message>
        <source>The class server did not say what it holds of your records: %1</source>
        <translation>Der Server der Klasse hat nicht gesagt, was er von Ihren Aufzeichnungen hat: %1</translation>
    </message>
    <message>
        <source>The class server did not give your class&apos;s goals: %1</source>
        <translation>Der Server der Klasse hat die Ziele Ihrer Klasse nicht geliefert: %1</translation>
    </message>
</context>
<context>
    <name>clavora::ClassTableModel</name>
    <message>
        <source>Learner</source>
        <translation>Lernende(r)</translation>
    </message>
    <message>
        <source>Classes</source>
        <translation>Klassen</translation>
    </message>
    <message>
        <source>Last practice</source>
        <translation>Zuletzt geübt</translation>
    </message>
    <message>
        <source>Minutes
this week</source>
        <translation>Minuten
diese Woche</translation>
    </message>
    <message>
        <source>Attempts
this week</source>
        <translation>Versuche
diese Woche</translation>
    </message>
    <message>
        <source>Median WPM
and trend</source>
        <translation>WpM (Median)
und Trend</translation>
    </message>
    <message>
        <source>Median
accuracy %
and trend</source>
        <translation>Genauigkeit %
(Median)
und Trend</translation>
    </message>
    <message>
        <source>Weakest
keys</source>
        <translation>Schwächste
Tasten</translation>
    </message>
    <message>
        <source>%1 this week; no figure for the four weeks before</source>
        <translation>%1 diese Woche; keine Zahl für die vier Wochen davor</translation>
    </message>
    <message>
        <source>%1 words per minute this week, %2 the four weeks before</source>
        <translation>%1 Wörter pro Minute diese Woche, %2 in den vier Wochen davor</translation>
    </message>
    <message>
        <source>%1 % this week, %2 % the four weeks before</source>
        <translation>%1 % diese Woche, %2 % in den vier Wochen davor</translation>
    </message>
    <message>
        <source>Letters
unlocked</source>
        <translation>Freigeschaltete
Buchstaben</translation>
    </message>
    <message>
        <source>Minutes this week against the class&apos;s weekly goal</source>
        <translation>Minuten diese Woche gegenüber dem Wochenziel der Klasse</translation>
    </message>
</context>
<context>
    <name>clavora::GameWindow</name>
    <message>
        <source>Start &amp;Level:</source>
        <translation>Start-&amp;Level:</translation>
    </message>
    <message>
        <source>Start level</source>
        <translation>Start-Level</translation>
    </message>
    <message>
        <source>&amp;Start Game</source>
        <translation>Spiel &amp;starten</translation>
    </message>
    <message>
        <source>&amp;End Game</source>
        <translation>Spiel be&amp;enden</translation>
    </message>
    <message>
        <source>E&amp;xercises</source>
        <translation>Ü&amp;bungen</translation>
    </message>
    <message>
        <source>Se&amp;ttings</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Show keyboard layout</source>
        <translation>Tastatur zeigen</translation>
    </message>
    <message>
        <source>Play area</source>
        <translation>Spielfeld</translation>
    </message>
    <message>
        <source>&amp;Weak keys</source>
        <translation>Schwache &amp;Tasten</translation>
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
        <translation>Fehlerquote</translation>
    </message>
    <message>
        <source>%1 or more</source>
        <translation>%1 oder mehr</translation>
    </message>
    <message>
        <source>Fewer than %1 strokes</source>
        <translation>Weniger als %1 Anschläge</translation>
    </message>
    <message>
        <source>Not on this keyboard: %1</source>
        <translation>Nicht auf dieser Tastatur: %1</translation>
    </message>
</context>
<context>
    <name>clavora::HelpWindow</name>
    <message>
        <source>Help text</source>
        <translation>Hilfetext</translation>
    </message>
    <message>
        <source>The help file %1 could not be read: %2.</source>
        <translation>Die Hilfedatei %1 konnte nicht gelesen werden: %2.</translation>
    </message>
</context>
<context>
    <name>clavora::KeyCapture</name>
    <message>
        <source>Key capture</source>
        <translation>Tastenerfassung</translation>
    </message>
</context>
<context>
    <name>clavora::KeyboardWindow</name>
    <message>
        <source>Keyboard Layout Notice</source>
        <translation>Hinweis zur Tastaturbelegung</translation>
    </message>
    <message>
        <source>Show my &amp;weak keys</source>
        <translation>Meine &amp;schwachen Tasten zeigen</translation>
    </message>
    <message>
        <source>Show my &amp;weak keys (no history)</source>
        <translation>Meine &amp;schwachen Tasten zeigen (kein Verlauf)</translation>
    </message>
    <message>
        <source>&amp;Switch to the %1 layout</source>
        <translation>Zum Layout %1 &amp;wechseln</translation>
    </message>
</context>
<context>
    <name>clavora::MainWindow</name>
    <message>
        <source>Exercise type:</source>
        <translation>Übungsart:</translation>
    </message>
    <message>
        <source>&amp;Preset - exercise:</source>
        <translation>&amp;Vorgabe - Nr.:</translation>
    </message>
    <message>
        <source>&amp;Random</source>
        <translation>&amp;Zufall</translation>
    </message>
    <message>
        <source>&amp;Start Exercises</source>
        <translation>Übungen &amp;starten</translation>
    </message>
    <message>
        <source>S&amp;top Exercises</source>
        <translation>Übungen &amp;beenden</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>S&amp;piel</translation>
    </message>
    <message>
        <source>S&amp;ettings</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Typing line</source>
        <translation>Eingabezeile</translation>
    </message>
    <message>
        <source>Exercise</source>
        <translation>Übung</translation>
    </message>
    <message>
        <source>Time elapsed:</source>
        <translation>Verstrichene Zeit:</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>Sek.</translation>
    </message>
    <message>
        <source>Log</source>
        <translation>Log</translation>
    </message>
    <message>
        <source>Show keyboard layout</source>
        <translation>Tastatur zeigen</translation>
    </message>
    <message>
        <source>Sa&amp;ve Log</source>
        <translation>&amp;Log sichern</translation>
    </message>
    <message>
        <source>Exercise number</source>
        <translation>Übungsnummer</translation>
    </message>
    <message>
        <source>Time elapsed in seconds</source>
        <translation>Verstrichene Zeit in Sekunden</translation>
    </message>
    <message>
        <source>Coach me</source>
        <translation>Mit Trainer</translation>
    </message>
    <message>
        <source>Speed target (WPM):</source>
        <translation>Tempoziel (WpM):</translation>
    </message>
    <message>
        <source>Speed target in words per minute</source>
        <translation>Tempoziel in Wörtern pro Minute</translation>
    </message>
    <message>
        <source>New to typing? Tick this and choose Random: the Coach&apos;s course starts on the home row and adds a letter whenever you have learnt the ones before.</source>
        <translation>Neu beim Tippen? Kreuzen Sie dies an und wählen Sie Zufall: Der Trainerkurs beginnt auf der Grundreihe und nimmt einen Buchstaben hinzu, sobald Sie die bisherigen gelernt haben.</translation>
    </message>
</context>
<context>
    <name>clavora::PlayArea</name>
    <message>
        <source>GAME OVER!</source>
        <translation>SPIEL VORBEI!</translation>
    </message>
</context>
<context>
    <name>clavora::ProgressWindow</name>
    <message>
        <source>&amp;Show:</source>
        <translation>&amp;Zeitraum:</translation>
    </message>
    <message>
        <source>Speed per day (words per minute)</source>
        <translation>Tempo pro Tag (Wörter pro Minute)</translation>
    </message>
    <message>
        <source>Accuracy per day (%)</source>
        <translation>Genauigkeit pro Tag (%)</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Taste</translation>
    </message>
    <message>
        <source>Strokes</source>
        <translation>Anschläge</translation>
    </message>
    <message>
        <source>Error rate %</source>
        <translation>Fehlerquote %</translation>
    </message>
    <message>
        <source>Median interval ms</source>
        <translation>Median-Abstand ms</translation>
    </message>
    <message>
        <source>Struck instead</source>
        <translation>Stattdessen getippt</translation>
    </message>
    <message>
        <source>Played</source>
        <translation>Gespielt</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Punkte</translation>
    </message>
    <message>
        <source>Start level</source>
        <translation>Start-Level</translation>
    </message>
    <message>
        <source>Level reached</source>
        <translation>Erreichtes Level</translation>
    </message>
    <message>
        <source>&amp;Record my progress</source>
        <translation>&amp;Fortschritt aufzeichnen</translation>
    </message>
    <message>
        <source>&amp;Forget my history…</source>
        <translation>Verlauf &amp;löschen…</translation>
    </message>
    <message>
        <source>&amp;Export…</source>
        <translation>&amp;Exportieren…</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Tasten</translation>
    </message>
    <message>
        <source>Most frequent mistakes</source>
        <translation>Häufigste Fehler</translation>
    </message>
    <message>
        <source>Best games</source>
        <translation>Beste Spiele</translation>
    </message>
    <message>
        <source>Median WPM</source>
        <translation>WpM (Median)</translation>
    </message>
    <message>
        <source>Best WPM</source>
        <translation>Bester WpM-Wert</translation>
    </message>
    <message>
        <source>Median correct WPM</source>
        <translation>WpM richtig (Median)</translation>
    </message>
    <message>
        <source>Best correct WPM</source>
        <translation>Bester Wert WpM richtig</translation>
    </message>
    <message>
        <source>Median accuracy</source>
        <translation>Genauigkeit (Median)</translation>
    </message>
    <message>
        <source>Best accuracy</source>
        <translation>Beste Genauigkeit</translation>
    </message>
    <message>
        <source>7 days</source>
        <translation>7 Tage</translation>
    </message>
    <message>
        <source>30 days</source>
        <translation>30 Tage</translation>
    </message>
    <message>
        <source>A year</source>
        <translation>Ein Jahr</translation>
    </message>
    <message>
        <source>Everything</source>
        <translation>Alles</translation>
    </message>
    <message>
        <source>Pr&amp;ogress</source>
        <translation>&amp;Fortschritt</translation>
    </message>
    <message>
        <source>Practise my &amp;weak keys</source>
        <translation>Sch&amp;wache Tasten üben</translation>
    </message>
    <message>
        <source>Minutes typed per day over the last 52 weeks</source>
        <translation>Getippte Minuten pro Tag in den letzten 52 Wochen</translation>
    </message>
    <message>
        <source>Speed and &amp;accuracy</source>
        <translation>&amp;Geschwindigkeit und Genauigkeit</translation>
    </message>
    <message>
        <source>&amp;Keys</source>
        <translation>&amp;Tasten</translation>
    </message>
    <message>
        <source>Ca&amp;lendar and games</source>
        <translation>&amp;Kalender und Spiele</translation>
    </message>
    <message>
        <source>Days in a row: %1</source>
        <translation>Tage in Folge: %1</translation>
    </message>
    <message>
        <source>Error rate of each key</source>
        <translation>Fehlerquote jeder Taste</translation>
    </message>
    <message>
        <source>Minutes typed per day</source>
        <translation>Getippte Minuten pro Tag</translation>
    </message>
    <message>
        <source>Class…</source>
        <translation>Klasse…</translation>
    </message>
    <message>
        <source>This week is the last seven days; a trend compares it with the four weeks before. Double-click a learner to see their progress.</source>
        <translation>Diese Woche sind die letzten sieben Tage; ein Trend vergleicht sie mit den vier Wochen davor. Doppelklicke auf Lernende, um ihren Fortschritt zu sehen.</translation>
    </message>
    <message>
        <source>Ex&amp;port class…</source>
        <translation>Klasse ex&amp;portieren…</translation>
    </message>
    <message>
        <source>Progress of %1</source>
        <translation>Fortschritt von %1</translation>
    </message>
    <message>
        <source>Class</source>
        <translation>Klasse</translation>
    </message>
    <message>
        <source>Report as P&amp;DF…</source>
        <translation>Bericht als P&amp;DF…</translation>
    </message>
    <message>
        <source>A page for each class and for each of its learners, to print and hand out</source>
        <translation>Eine Seite für jede Klasse und für alle ihre Lernenden, zum Drucken und Austeilen</translation>
    </message>
    <message>
        <source>Class &amp;goals…</source>
        <translation>Klassenz&amp;iele…</translation>
    </message>
    <message>
        <source>The classes&apos; goals</source>
        <translation>Die Ziele der Klassen</translation>
    </message>
</context>
<context>
    <name>clavora::ReportPdf</name>
    <message>
        <source>weeks ending on</source>
        <translation>Wochen bis zum</translation>
    </message>
</context>
<context>
    <name>clavora::SettingsDialog</name>
    <message>
        <source>Exercises:</source>
        <translation>Übungen:</translation>
    </message>
    <message>
        <source>Preset exercise &amp;file:</source>
        <translation>Übungs&amp;datei:</translation>
    </message>
    <message>
        <source>&amp;Repeats:</source>
        <translation>&amp;Wiederholungen:</translation>
    </message>
    <message>
        <source>Minimum &amp;accuracy to pass:</source>
        <translation>Mindest&amp;genauigkeit zum Bestehen:</translation>
    </message>
    <message>
        <source>Minimum &amp;speed to pass:</source>
        <translation>Mindest&amp;tempo zum Bestehen:</translation>
    </message>
    <message>
        <source>WPM</source>
        <translation>WpM</translation>
    </message>
    <message>
        <source>Random Exercises and Game - allow these keys:</source>
        <translation>Zufallsübungen und Spiel - diese Tasten erlauben:</translation>
    </message>
    <message>
        <source>&amp;Lower case letters</source>
        <translation>&amp;Kleinbuchstaben</translation>
    </message>
    <message>
        <source>&amp;Upper case letters</source>
        <translation>Großb&amp;uchstaben</translation>
    </message>
    <message>
        <source>&amp;Numbers</source>
        <translation>&amp;Ziffern</translation>
    </message>
    <message>
        <source>Spa&amp;cebar</source>
        <translation>&amp;Leertaste</translation>
    </message>
    <message>
        <source>Nu&amp;mber punctuation and symbols (! $ % etc.)</source>
        <translation>Satz- und Sonderzeichen der Ziffer&amp;ntasten (! $ % usw.)</translation>
    </message>
    <message>
        <source>Other non-shifted &amp;punctuation and symbols (; , . etc.)</source>
        <translation>Weitere Satz- und Sonderzeichen &amp;ohne Umschalttaste (; , . usw.)</translation>
    </message>
    <message>
        <source>Other sh&amp;ifted punctuation and symbols (: &lt; &gt; etc.)</source>
        <translation>Weitere Satz- und Sonderzeichen m&amp;it Umschalttaste (: &lt; &gt; usw.)</translation>
    </message>
    <message>
        <source>Cust&amp;om:</source>
        <translation>&amp;Eigene:</translation>
    </message>
    <message>
        <source>Custom keys</source>
        <translation>Eigene Tasten</translation>
    </message>
    <message>
        <source>Quick Exercises:</source>
        <translation>Schnellübungen:</translation>
    </message>
    <message>
        <source>Num&amp;ber of exercises:</source>
        <translation>&amp;Anzahl der Übungen:</translation>
    </message>
    <message>
        <source>Repeats:</source>
        <translation>Wiederholungen:</translation>
    </message>
    <message>
        <source>Pr&amp;eset - random exercise between:</source>
        <translation>&amp;Vorgabe - zufällige Übung zwischen:</translation>
    </message>
    <message>
        <source>and</source>
        <translation>und</translation>
    </message>
    <message>
        <source>Ran&amp;dom</source>
        <translation>Zu&amp;fall</translation>
    </message>
    <message>
        <source>Exercise type:</source>
        <translation>Übungsart:</translation>
    </message>
    <message>
        <source>Keyboard Layout:</source>
        <translation>Tastaturbelegung:</translation>
    </message>
    <message>
        <source>Keyboard layout</source>
        <translation>Tastaturbelegung</translation>
    </message>
    <message>
        <source>Display:</source>
        <translation>Anzeige:</translation>
    </message>
    <message>
        <source>Change &amp;Text Colour</source>
        <translation>Te&amp;xtfarbe ändern</translation>
    </message>
    <message>
        <source>Change &amp;Window Colour</source>
        <translation>Fensterfa&amp;rbe ändern</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>Standardwerte</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Launch &amp;quick exercises when I log in</source>
        <translation>&amp;Schnellübungen bei der Anmeldung starten</translation>
    </message>
    <message>
        <source>Lowest quick exercise</source>
        <translation>Niedrigste Schnellübung</translation>
    </message>
    <message>
        <source>Highest quick exercise</source>
        <translation>Höchste Schnellübung</translation>
    </message>
    <message>
        <source>Coach:</source>
        <translation>Trainer:</translation>
    </message>
    <message>
        <source>Stop at a wrong &amp;key: it stays marked until the right one is typed</source>
        <translation>Bei falscher Taste an&amp;halten: Sie bleibt markiert, bis die richtige getippt ist</translation>
    </message>
    <message>
        <source>Find a layout</source>
        <translation>Layout suchen</translation>
    </message>
    <message>
        <source>Find a keyboard layout by name</source>
        <translation>Tastaturlayout nach Namen suchen</translation>
    </message>
</context>
</TS>
