<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>CalendarTransfer</name>
    <message>
        <source>%1 cannot be imported. </source>
        <translation>Impossible d&apos;importer %1. </translation>
    </message>
    <message>
        <source>Cannot write the calendar file %1</source>
        <translation>Impossible d&apos;écrire le fichier de calendrier %1</translation>
    </message>
    <message>
        <source>It is too big for a calendar file.</source>
        <translation>Il est trop gros pour un fichier de calendrier.</translation>
    </message>
    <message>
        <source>There is no such file.</source>
        <translation>Ce fichier n&apos;existe pas.</translation>
    </message>
    <message>
        <source>It is a folder, not a file.</source>
        <translation>C&apos;est un dossier, pas un fichier.</translation>
    </message>
    <message>
        <source>It cannot be read.</source>
        <translation>Il ne peut pas être lu.</translation>
    </message>
    <message>
        <source>The reminders were added, but the memory of imports %1 cannot be written, so a later import of the same file may add them again.</source>
        <translation>Les rappels ont été ajoutés, mais la mémoire des importations %1 ne peut pas être écrite : un import ultérieur du même fichier pourrait les ajouter à nouveau.</translation>
    </message>
</context>
<context>
    <name>CoreWords</name>
    <message>
        <source>Pending</source>
        <translation>En attente</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fait</translation>
    </message>
    <message>
        <source>Expired</source>
        <translation>Expiré</translation>
    </message>
    <message>
        <source>Not Today</source>
        <translation>Pas aujourd&apos;hui</translation>
    </message>
    <message>
        <source>All Days</source>
        <translation>Tous</translation>
    </message>
    <message>
        <source>Weekdays</source>
        <translation>En semaine</translation>
    </message>
    <message>
        <source>Weekends</source>
        <translation>Week-ends</translation>
    </message>
    <message>
        <source>%1 day of year</source>
        <translation>%1 jour de l&apos;année</translation>
    </message>
    <message>
        <source>%1 %2/%3</source>
        <translation>%1 %2/%3</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>1st</source>
        <translation>1er</translation>
    </message>
    <message>
        <source>2nd</source>
        <translation>2e</translation>
    </message>
    <message>
        <source>3rd</source>
        <translation>3e</translation>
    </message>
    <message>
        <source>4th</source>
        <translation>4e</translation>
    </message>
    <message>
        <source>5th</source>
        <translation>5e</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>Dernier</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Dim</translation>
    </message>
    <message>
        <source>Mon</source>
        <translation>Lun</translation>
    </message>
    <message>
        <source>Tue</source>
        <translation>Mar</translation>
    </message>
    <message>
        <source>Wed</source>
        <translation>Mer</translation>
    </message>
    <message>
        <source>Thu</source>
        <translation>Jeu</translation>
    </message>
    <message>
        <source>Fri</source>
        <translation>Ven</translation>
    </message>
    <message>
        <source>Sat</source>
        <translation>Sam</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Jour</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Mois</translation>
    </message>
    <message>
        <source>Jan</source>
        <translation>janv</translation>
    </message>
    <message>
        <source>Feb</source>
        <translation>févr</translation>
    </message>
    <message>
        <source>Mar</source>
        <translation>mars</translation>
    </message>
    <message>
        <source>Apr</source>
        <translation>avr</translation>
    </message>
    <message>
        <source>May</source>
        <translation>mai</translation>
    </message>
    <message>
        <source>Jun</source>
        <translation>juin</translation>
    </message>
    <message>
        <source>Jul</source>
        <translation>juil</translation>
    </message>
    <message>
        <source>Aug</source>
        <translation>août</translation>
    </message>
    <message>
        <source>Sep</source>
        <translation>sept</translation>
    </message>
    <message>
        <source>Oct</source>
        <translation>oct</translation>
    </message>
    <message>
        <source>Nov</source>
        <translation>nov</translation>
    </message>
    <message>
        <source>Dec</source>
        <translation>déc</translation>
    </message>
    <message>
        <source>%1st</source>
        <translation>%1er</translation>
    </message>
    <message>
        <source>%1nd</source>
        <translation>%1e</translation>
    </message>
    <message>
        <source>%1rd</source>
        <translation>%1e</translation>
    </message>
    <message>
        <source>%1th</source>
        <translation>%1e</translation>
    </message>
    <message>
        <source>Today at %1</source>
        <translation>Aujourd&apos;hui à %1</translation>
    </message>
    <message>
        <source>and %1 more until %2</source>
        <translation>et %1 de plus jusqu&apos;à %2</translation>
    </message>
    <message>
        <source>%1 until %2</source>
        <translation>%1 jusqu&apos;à %2</translation>
    </message>
    <message>
        <source>%1 at %2, every %3</source>
        <translation>%1 à %2, toutes les %3</translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <translation>%1 à %2</translation>
    </message>
    <message>
        <source>No day</source>
        <translation>Aucun jour</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>1 h</translation>
    </message>
    <message>
        <source>%1 hrs %2 mins</source>
        <translation>%1 h %2 min</translation>
    </message>
    <message>
        <source>%1 hrs</source>
        <translation>%1 h</translation>
    </message>
    <message>
        <source>%1 min</source>
        <translation>%1 min</translation>
    </message>
    <message>
        <source>One-time</source>
        <translation>Unique</translation>
    </message>
    <message>
        <source>Repeating</source>
        <translation>Répétitif</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Deleted</source>
        <translation>Supprimé</translation>
    </message>
    <message>
        <source>Nothing done</source>
        <translation>Rien fait</translation>
    </message>
    <message>
        <source>Not answered yet</source>
        <translation>Pas encore répondu</translation>
    </message>
    <message>
        <source>Left unanswered at the end</source>
        <translation>Resté sans réponse à la fin</translation>
    </message>
    <message>
        <source>No window shown</source>
        <translation>Aucune fenêtre affichée</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Inconnu</translation>
    </message>
    <message>
        <source>Missed</source>
        <translation>Manqué</translation>
    </message>
    <message>
        <source>Missed, and %1 more that day</source>
        <translation>Manqué, et %1 de plus ce jour-là</translation>
    </message>
    <message>
        <source>Timed out: %1</source>
        <translation>Délai écoulé : %1</translation>
    </message>
    <message>
        <source>Snoozed %1</source>
        <translation>Reporté de %1</translation>
    </message>
    <message>
        <source>1 minute</source>
        <translation>1 minute</translation>
    </message>
    <message>
        <source>%1 minutes</source>
        <translation>%1 minutes</translation>
    </message>
    <message>
        <source>1 hour</source>
        <translation>1 heure</translation>
    </message>
    <message>
        <source>%1 hours</source>
        <translation>%1 heures</translation>
    </message>
    <message>
        <source>1 week</source>
        <translation>1 semaine</translation>
    </message>
    <message>
        <source>%1 weeks</source>
        <translation>%1 semaines</translation>
    </message>
    <message>
        <source>SMTWTFS</source>
        <comment>the initials of Sunday to Saturday, in that order</comment>
        <translation>DLMMJVS</translation>
    </message>
    <message>
        <source>On Days: %1</source>
        <translation>Jours : %1</translation>
    </message>
    <message>
        <source>Nothing will be added.</source>
        <translation>Rien ne sera ajouté.</translation>
    </message>
    <message>
        <source>%1 and %2 will be added.</source>
        <translation>%1 et %2 seront ajoutés.</translation>
    </message>
    <message>
        <source>%1 will be added.</source>
        <translation>Sera ajouté : %1.</translation>
    </message>
    <message>
        <source>1 one-time reminder</source>
        <translation>1 rappel unique</translation>
    </message>
    <message>
        <source>%1 one-time reminders</source>
        <translation>%1 rappels uniques</translation>
    </message>
    <message>
        <source>1 repeating reminder</source>
        <translation>1 rappel répétitif</translation>
    </message>
    <message>
        <source>%1 repeating reminders</source>
        <translation>%1 rappels répétitifs</translation>
    </message>
    <message>
        <source>1 entry cannot be taken.</source>
        <translation>1 entrée ne peut pas être reprise.</translation>
    </message>
    <message>
        <source>%1 entries cannot be taken.</source>
        <translation>%1 entrées ne peuvent pas être reprises.</translation>
    </message>
    <message>
        <source>1 reminder was imported before and is left out.</source>
        <translation>1 rappel a déjà été importé et est laissé de côté.</translation>
    </message>
    <message>
        <source>%1 reminders were imported before and are left out.</source>
        <translation>%1 rappels ont déjà été importés et sont laissés de côté.</translation>
    </message>
    <message>
        <source>1 reminder is in the lists already and left out.</source>
        <translation>1 rappel figure déjà dans les listes et est laissé de côté.</translation>
    </message>
    <message>
        <source>%1 reminders are in the lists already and left out.</source>
        <translation>%1 rappels figurent déjà dans les listes et sont laissés de côté.</translation>
    </message>
    <message>
        <source>%1: %2; its occurrences in the next %3 days are added one by one, the first %4 of them</source>
        <translation>%1 : %2 ; ses occurrences des %3 prochains jours sont ajoutées une à une, les %4 premières</translation>
    </message>
    <message>
        <source>%1: %2; its occurrences in the next %3 days are added one by one</source>
        <translation>%1 : %2 ; ses occurrences des %3 prochains jours sont ajoutées une à une</translation>
    </message>
    <message>
        <source>no alarm</source>
        <translation>aucune alarme</translation>
    </message>
    <message>
        <source>dates given one by one</source>
        <translation>des dates données une à une</translation>
    </message>
    <message>
        <source>alarms that do not follow a day rule</source>
        <translation>des alarmes qui ne suivent pas une règle de jours</translation>
    </message>
    <message>
        <source>its alarm time has passed</source>
        <translation>l&apos;heure de l&apos;alarme est passée</translation>
    </message>
    <message>
        <source>a date out of range</source>
        <translation>une date hors limites</translation>
    </message>
    <message>
        <source>a rule that repeats within the day</source>
        <translation>une règle qui se répète dans la journée</translation>
    </message>
    <message>
        <source>no date for its alarm</source>
        <translation>aucune date pour son alarme</translation>
    </message>
    <message>
        <source>no start</source>
        <translation>aucun début</translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation>annulé</translation>
    </message>
    <message>
        <source>completed</source>
        <translation>terminé</translation>
    </message>
    <message>
        <source>days left out of its rule</source>
        <translation>des jours retirés de sa règle</translation>
    </message>
    <message>
        <source>occurrences changed one by one</source>
        <translation>des occurrences modifiées une à une</translation>
    </message>
    <message>
        <source>more than one rule</source>
        <translation>plus d&apos;une règle</translation>
    </message>
    <message>
        <source>dates added to its rule</source>
        <translation>des dates ajoutées à sa règle</translation>
    </message>
    <message>
        <source>a rule no day rule matches</source>
        <translation>une règle qu&apos;aucune règle de jours ne rend</translation>
    </message>
    <message>
        <source>a rule for times of the day and no day rule for it</source>
        <translation>une règle pour des heures de la journée, sans règle de jours</translation>
    </message>
    <message>
        <source>a rule with UNTIL and no day rule for it</source>
        <translation>une règle avec UNTIL, sans règle de jours</translation>
    </message>
    <message>
        <source>a rule with %1 and no day rule for it</source>
        <translation>une règle avec %1, sans règle de jours</translation>
    </message>
    <message>
        <source>a date or time that does not exist</source>
        <translation>une date ou une heure qui n&apos;existe pas</translation>
    </message>
    <message>
        <source>a time too far from today for its time zone</source>
        <translation>une heure trop éloignée d&apos;aujourd&apos;hui pour son fuseau horaire</translation>
    </message>
    <message>
        <source>the time zone %1 cannot be read</source>
        <translation>le fuseau horaire %1 ne peut pas être lu</translation>
    </message>
    <message>
        <source>the time zone %1 is not defined</source>
        <translation>le fuseau horaire %1 n&apos;est pas défini</translation>
    </message>
    <message>
        <source>no occurrence in the next %1 days</source>
        <translation>aucune occurrence dans les %1 prochains jours</translation>
    </message>
    <message>
        <source>%1 alarm</source>
        <translation>alarme %1</translation>
    </message>
    <message>
        <source>%1 %2/Month</source>
        <translation>%1 %2 du mois</translation>
    </message>
    <message>
        <source>%1 of Month</source>
        <translation>%1 du mois</translation>
    </message>
</context>
<context>
    <name>DamagedFileReport</name>
    <message>
        <source>no reminders</source>
        <translation>aucun rappel</translation>
    </message>
    <message>
        <source>1 reminder</source>
        <translation>1 rappel</translation>
    </message>
    <message>
        <source>%1 reminders</source>
        <translation>%1 rappels</translation>
    </message>
    <message>
        <source>No reminders could be read from it.</source>
        <translation>Aucun rappel n&apos;a pu y être lu.</translation>
    </message>
    <message>
        <source>1 reminder could be read from it; it is in the lists.</source>
        <translation>1 rappel a pu y être lu ; il figure dans les listes.</translation>
    </message>
    <message>
        <source>%1 reminders could be read from it; they are in the lists.</source>
        <translation>%1 rappels ont pu y être lus ; ils figurent dans les listes.</translation>
    </message>
    <message>
        <source>The file could not be copied aside, so it is left as it is, and changes cannot be saved until it is moved away.</source>
        <translation>Le fichier n&apos;a pas pu être copié à part : il reste tel quel, et les modifications ne pourront pas être enregistrées tant qu&apos;il n&apos;aura pas été déplacé.</translation>
    </message>
    <message>
        <source>The file as it was found is kept as %1.</source>
        <translation>Le fichier tel qu&apos;il a été trouvé est conservé sous %1.</translation>
    </message>
    <message>
        <source>The data file %1 is damaged or cut short.

%2

%3</source>
        <translation>Le fichier de données %1 est endommagé ou tronqué.

%2

%3</translation>
    </message>
    <message>
        <source>

The backup %1 holds the last data file that loaded whole, with %2.</source>
        <translation>

La sauvegarde %1 contient le dernier fichier de données chargé en entier, avec %2.</translation>
    </message>
    <message>
        <source> Restore it? Its reminders then take the place of those in the lists; the damaged file stays kept either way.</source>
        <translation> La restaurer ? Ses rappels remplacent alors ceux des listes ; le fichier endommagé est conservé dans tous les cas.</translation>
    </message>
</context>
<context>
    <name>DataFileStore</name>
    <message>
        <source>Cannot create file %1</source>
        <translation>Impossible de créer le fichier %1</translation>
    </message>
    <message>
        <source>The backup %1 cannot be read whole, so it was not restored.</source>
        <translation>La sauvegarde %1 ne peut pas être lue en entier : elle n&apos;a pas été restaurée.</translation>
    </message>
</context>
<context>
    <name>DeleteQuestion</name>
    <message>
        <source>Delete this reminder?</source>
        <translation>Supprimer ce rappel ?</translation>
    </message>
    <message>
        <source>Delete &apos;%1&apos;?</source>
        <translation>Supprimer « %1 » ?</translation>
    </message>
</context>
<context>
    <name>DesktopNotice</name>
    <message>
        <source>Show the reminder</source>
        <translation>Afficher le rappel</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Snooze 5 minutes</source>
        <translation>Rappeler dans 5 minutes</translation>
    </message>
    <message>
        <source>Reminder</source>
        <translation>Rappel</translation>
    </message>
    <message>
        <source>Due at %1</source>
        <translation>Prévu à %1</translation>
    </message>
</context>
<context>
    <name>EditorStyle</name>
    <message>
        <source>Get help for Nudgery!</source>
        <translation>Obtenir de l&apos;aide sur Nudgery!</translation>
    </message>
    <message>
        <source>Select the sound file
in a File Open dialog</source>
        <translation>Choisir le fichier son
dans une boîte d&apos;ouverture</translation>
    </message>
    <message>
        <source>Show message and play sound</source>
        <translation>Afficher le message et jouer le son</translation>
    </message>
    <message>
        <source>Only show message</source>
        <translation>Afficher seulement le message</translation>
    </message>
    <message>
        <source>Only play sound</source>
        <translation>Jouer seulement le son</translation>
    </message>
    <message>
        <source>Do Nothing</source>
        <translation>Ne rien faire</translation>
    </message>
</context>
<context>
    <name>FileChooser</name>
    <message>
        <source>Calendar Files (*.ics *.ICS *.ical *.ICAL *.ifb *.IFB);;All Files (*)</source>
        <translation>Fichiers de calendrier (*.ics *.ICS *.ical *.ICAL *.ifb *.IFB);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Sound Files (*.wav *.WAV *.mid *.MID)</source>
        <translation>Fichiers son (*.wav *.WAV *.mid *.MID)</translation>
    </message>
    <message>
        <source>Import Calendar File</source>
        <translation>Importer un fichier de calendrier</translation>
    </message>
    <message>
        <source>Export to Calendar File</source>
        <translation>Exporter vers un fichier de calendrier</translation>
    </message>
</context>
<context>
    <name>HelpViewer</name>
    <message>
        <source>The help file %1 cannot be found.

Help topic %2 cannot be shown.</source>
        <translation>Le fichier d&apos;aide %1 est introuvable.

La rubrique d&apos;aide %2 ne peut pas être affichée.</translation>
    </message>
    <message>
        <source>Nudgery! Help</source>
        <translation>Aide de Nudgery!</translation>
    </message>
</context>
<context>
    <name>HistoryJournal</name>
    <message>
        <source>it is damaged and cannot be copied aside</source>
        <translation>il est endommagé et ne peut pas être copié à part</translation>
    </message>
    <message>
        <source>The history of reminders in %1 was damaged. It is kept as %2, and a new history has been started.</source>
        <translation>L&apos;historique des rappels dans %1 était endommagé. Il est conservé sous %2, et un nouvel historique a été commencé.</translation>
    </message>
    <message>
        <source>The history of reminders cannot be kept in %1 (%2).

Your reminders are not affected: they fire and are answered as before, but what happens to them is not recorded while this lasts.</source>
        <translation>L&apos;historique des rappels ne peut pas être tenu dans %1 (%2).

Vos rappels ne sont pas touchés : ils se déclenchent et reçoivent une réponse comme avant, mais ce qu&apos;il en advient n&apos;est pas enregistré tant que cela dure.</translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation>erreur inconnue</translation>
    </message>
</context>
<context>
    <name>MessageBoxes</name>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Confirmer</translation>
    </message>
</context>
<context>
    <name>TMainForm</name>
    <message>
        <source>Reminder</source>
        <translation>Rappel</translation>
    </message>
    <message>
        <source>When</source>
        <translation>Quand</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>État</translation>
    </message>
    <message>
        <source>Repeat Reminder</source>
        <translation>Rappel répétitif</translation>
    </message>
    <message>
        <source>Days</source>
        <translation>Jours</translation>
    </message>
    <message>
        <source>First Time</source>
        <translation>Première heure</translation>
    </message>
    <message>
        <source>Repeat Every...</source>
        <translation>Intervalle</translation>
    </message>
    <message>
        <source>Next Reminder</source>
        <translation>Prochain rappel</translation>
    </message>
    <message>
        <source>No web browser could be started.
Our Internet website is at:
%1</source>
        <translation>Aucun navigateur web n&apos;a pu être lancé.
Notre site Internet se trouve à l&apos;adresse :
%1</translation>
    </message>
    <message>
        <source>1 reminder</source>
        <translation>1 rappel</translation>
    </message>
    <message>
        <source>%1 reminders</source>
        <translation>%1 rappels</translation>
    </message>
    <message>
        <source>%1 written to %2</source>
        <translation>%1 écrit(s) dans %2</translation>
    </message>
    <message>
        <source>Red mark</source>
        <translation>Marque rouge</translation>
    </message>
    <message>
        <source>Yellow mark</source>
        <translation>Marque jaune</translation>
    </message>
    <message>
        <source>Blue mark</source>
        <translation>Marque bleue</translation>
    </message>
    <message>
        <source>Grey mark</source>
        <translation>Marque grise</translation>
    </message>
    <message>
        <source>Not today</source>
        <translation>Pas aujourd&apos;hui</translation>
    </message>
    <message>
        <source>&amp;History</source>
        <translation>&amp;Historique</translation>
    </message>
    <message>
        <source>What became of each reminder that fell due</source>
        <translation>Ce qu&apos;il est advenu de chaque rappel échu</translation>
    </message>
    <message>
        <source>&amp;History of This Reminder</source>
        <translation>&amp;Historique de ce rappel</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nouveau</translation>
    </message>
    <message>
        <source>Add a new reminder</source>
        <translation>Ajouter un nouveau rappel</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Modifier</translation>
    </message>
    <message>
        <source>Edit current reminder</source>
        <translation>Modifier le rappel choisi</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>Delete current reminder</source>
        <translation>Supprimer le rappel choisi</translation>
    </message>
    <message>
        <source>&amp;Clone</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>Make a copy of 
current reminder</source>
        <translation>Faire une copie du
rappel choisi</translation>
    </message>
    <message>
        <source>Adjust Time +-</source>
        <translation>Heure +-</translation>
    </message>
    <message>
        <source>Adjust the current reminder time 
plus or minus </source>
        <translation>Avancer ou reculer l&apos;heure
du rappel choisi</translation>
    </message>
    <message>
        <source>The time of day</source>
        <translation>L&apos;heure qu&apos;il est</translation>
    </message>
    <message>
        <source>Reminders</source>
        <translation>Rappels</translation>
    </message>
    <message>
        <source>Repeat Reminders</source>
        <translation>Rappels répétitifs</translation>
    </message>
    <message>
        <source>Enter edits the selected reminder, Delete deletes it</source>
        <translation>Entrée modifie le rappel choisi, Suppr le supprime</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Réduire</translation>
    </message>
    <message>
        <source>Minimize Nudgery!</source>
        <translation>Réduire Nudgery!</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Exit Nudgery!</source>
        <translation>Quitter Nudgery!</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Set Preferences</source>
        <translation>&amp;Préférences</translation>
    </message>
    <message>
        <source>&amp;Import Calendar File…</source>
        <translation>&amp;Importer un fichier de calendrier…</translation>
    </message>
    <message>
        <source>Ex&amp;port to Calendar File…</source>
        <translation>E&amp;xporter vers un fichier de calendrier…</translation>
    </message>
    <message>
        <source>Delete reminders marked as &amp;Done</source>
        <translation>Supprimer les rappels marqués &amp;Fait</translation>
    </message>
    <message>
        <source>Delete reminders marked as &amp;Expired</source>
        <translation>Supprimer les rappels marqués &amp;Expiré</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Sommaire</translation>
    </message>
    <message>
        <source>Show the help for Nudgery!</source>
        <translation>Afficher l&apos;aide de Nudgery!</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À &amp;propos</translation>
    </message>
    <message>
        <source>About Nudgery!</source>
        <translation>À propos de Nudgery!</translation>
    </message>
    <message>
        <source>Online</source>
        <translation>En ligne</translation>
    </message>
    <message>
        <source>Visit Our Internet Website</source>
        <translation>Visiter notre site Internet</translation>
    </message>
    <message>
        <source>&amp;Show Nudgery</source>
        <translation>&amp;Afficher Nudgery</translation>
    </message>
    <message>
        <source>+1 Minute</source>
        <translation>+1 minute</translation>
    </message>
    <message>
        <source>+5 Minutes</source>
        <translation>+5 minutes</translation>
    </message>
    <message>
        <source>+20 Minutes</source>
        <translation>+20 minutes</translation>
    </message>
    <message>
        <source>+1 Hour</source>
        <translation>+1 heure</translation>
    </message>
    <message>
        <source>+2 Hours</source>
        <translation>+2 heures</translation>
    </message>
    <message>
        <source>+6 Hours</source>
        <translation>+6 heures</translation>
    </message>
    <message>
        <source>+12 Hours</source>
        <translation>+12 heures</translation>
    </message>
    <message>
        <source>+1 Day</source>
        <translation>+1 jour</translation>
    </message>
    <message>
        <source>+1 Week</source>
        <translation>+1 semaine</translation>
    </message>
    <message>
        <source>-1 Minute</source>
        <translation>-1 minute</translation>
    </message>
    <message>
        <source>-5 Minutes</source>
        <translation>-5 minutes</translation>
    </message>
    <message>
        <source>-20 Minutes</source>
        <translation>-20 minutes</translation>
    </message>
    <message>
        <source>-1 Hour</source>
        <translation>-1 heure</translation>
    </message>
    <message>
        <source>-2 Hours</source>
        <translation>-2 heures</translation>
    </message>
    <message>
        <source>-6 Hours</source>
        <translation>-6 heures</translation>
    </message>
    <message>
        <source>-12 Hours</source>
        <translation>-12 heures</translation>
    </message>
    <message>
        <source>-1 Day</source>
        <translation>-1 jour</translation>
    </message>
    <message>
        <source>-1 Week</source>
        <translation>-1 semaine</translation>
    </message>
    <message>
        <source>What&apos;s this?</source>
        <translation>Qu&apos;est-ce que c&apos;est ?</translation>
    </message>
    <message>
        <source>Delete all reminders which are marked as Done?</source>
        <translation>Supprimer tous les rappels marqués Fait ?</translation>
    </message>
    <message>
        <source>Delete all reminders which are marked as Expired?</source>
        <translation>Supprimer tous les rappels marqués Expiré ?</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fait</translation>
    </message>
    <message>
        <source>Expired</source>
        <translation>Expiré</translation>
    </message>
    <message>
        <source>No reminders deleted</source>
        <translation>Aucun rappel supprimé</translation>
    </message>
    <message>
        <source>Deleted %1 reminders marked %2</source>
        <translation>%1 rappels marqués %2 supprimés</translation>
    </message>
</context>
<context>
    <name>UserTimeText</name>
    <message>
        <source>Invalid time. Please use your regional time format
   Example: </source>
        <translation>Heure non valide. Utilisez votre format d&apos;heure régional
   Exemple : </translation>
    </message>
</context>
<context>
    <name>nudgery::HistoryModel</name>
    <message>
        <source>Due</source>
        <translation>Prévu</translation>
    </message>
    <message>
        <source>Reminder</source>
        <translation>Rappel</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Réponse</translation>
    </message>
    <message>
        <source>Shown</source>
        <translation>Affiché</translation>
    </message>
    <message>
        <source>List</source>
        <translation>Liste</translation>
    </message>
</context>
<context>
    <name>nudgery::TAboutBox</name>
    <message>
        <source>About Nudgery!</source>
        <translation>À propos de Nudgery!</translation>
    </message>
    <message>
        <source>Version 2.8</source>
        <translation>Version 2.8</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>%1-bit version</source>
        <translation>Version %1 bits</translation>
    </message>
</context>
<context>
    <name>nudgery::TActionSoundFrame</name>
    <message>
        <source>When this reminder is triggered:</source>
        <translation>Quand ce rappel se déclenche :</translation>
    </message>
    <message>
        <source>Select the action to take when a reminder
is triggered</source>
        <translation>Choisissez ce qui se passe quand
un rappel se déclenche</translation>
    </message>
    <message>
        <source>Specify &amp;Sound File to play (*.wav or *.mid): </source>
        <translation>&amp;Fichier son à jouer (*.wav ou *.mid) : </translation>
    </message>
    <message>
        <source>&amp;Choose</source>
        <translation>&amp;Choisir</translation>
    </message>
    <message>
        <source>Play &amp;Now</source>
        <translation>&amp;Écouter</translation>
    </message>
    <message>
        <source>Play the sound file you have selected</source>
        <translation>Jouer le fichier son choisi</translation>
    </message>
    <message>
        <source>Shhhh</source>
        <translation>Chut</translation>
    </message>
    <message>
        <source>Stop a sound file from playing</source>
        <translation>Arrêter la lecture du fichier son</translation>
    </message>
</context>
<context>
    <name>nudgery::TAlarmShow</name>
    <message>
        <source>5 minutes</source>
        <translation>5 minutes</translation>
    </message>
    <message>
        <source>Add 5 minutes to reminder time</source>
        <translation>Reporter le rappel de 5 minutes</translation>
    </message>
    <message>
        <source>10 minutes</source>
        <translation>10 minutes</translation>
    </message>
    <message>
        <source>Add 10 minutes to reminder time</source>
        <translation>Reporter le rappel de 10 minutes</translation>
    </message>
    <message>
        <source>30 minutes</source>
        <translation>30 minutes</translation>
    </message>
    <message>
        <source>Add 30 minutes to reminder time</source>
        <translation>Reporter le rappel de 30 minutes</translation>
    </message>
    <message>
        <source>1 hour</source>
        <translation>1 heure</translation>
    </message>
    <message>
        <source>Add 60 minutes to reminder time</source>
        <translation>Reporter le rappel de 60 minutes</translation>
    </message>
    <message>
        <source>2 hours</source>
        <translation>2 heures</translation>
    </message>
    <message>
        <source>Add 2 hours to reminder time</source>
        <translation>Reporter le rappel de 2 heures</translation>
    </message>
    <message>
        <source>4 hours</source>
        <translation>4 heures</translation>
    </message>
    <message>
        <source>Add 4 hours to reminder time</source>
        <translation>Reporter le rappel de 4 heures</translation>
    </message>
    <message>
        <source>24 hours</source>
        <translation>24 heures</translation>
    </message>
    <message>
        <source>Add 24 hours (one full day) to reminder time</source>
        <translation>Reporter le rappel de 24 heures (une journée entière)</translation>
    </message>
    <message>
        <source>1 week</source>
        <translation>1 semaine</translation>
    </message>
    <message>
        <source>Add one full week  to reminder time</source>
        <translation>Reporter le rappel d&apos;une semaine entière</translation>
    </message>
    <message>
        <source>Reminder Notification</source>
        <translation>Rappel échu</translation>
    </message>
    <message>
        <source>Remind me again in:</source>
        <translation>Me rappeler dans :</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Delete this reminder</source>
        <translation>Supprimer ce rappel</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Terminate this alarm</source>
        <translation>Terminer ce rappel</translation>
    </message>
    <message>
        <source>Timeout in   %1:%2</source>
        <translation>Fin dans   %1:%2</translation>
    </message>
    <message>
        <source>Timeout in   :%1</source>
        <translation>Fin dans   :%1</translation>
    </message>
</context>
<context>
    <name>nudgery::TDayRuleFrame</name>
    <message>
        <source>of Each Month</source>
        <translation>de chaque mois</translation>
    </message>
    <message>
        <source>of January</source>
        <translation>de janvier</translation>
    </message>
    <message>
        <source>of February</source>
        <translation>de février</translation>
    </message>
    <message>
        <source>of March</source>
        <translation>de mars</translation>
    </message>
    <message>
        <source>of April</source>
        <translation>d&apos;avril</translation>
    </message>
    <message>
        <source>of May</source>
        <translation>de mai</translation>
    </message>
    <message>
        <source>of June</source>
        <translation>de juin</translation>
    </message>
    <message>
        <source>of July</source>
        <translation>de juillet</translation>
    </message>
    <message>
        <source>of August</source>
        <translation>d&apos;août</translation>
    </message>
    <message>
        <source>of September</source>
        <translation>de septembre</translation>
    </message>
    <message>
        <source>of October</source>
        <translation>d&apos;octobre</translation>
    </message>
    <message>
        <source>of November</source>
        <translation>de novembre</translation>
    </message>
    <message>
        <source>of December</source>
        <translation>de décembre</translation>
    </message>
    <message>
        <source>Select the month, or choose &quot;of Each Month&quot;
for all months</source>
        <translation>Choisissez le mois, ou « de chaque mois »
pour tous les mois</translation>
    </message>
    <message>
        <source>Mon</source>
        <translation>Lun</translation>
    </message>
    <message>
        <source>Tues</source>
        <translation>Mar</translation>
    </message>
    <message>
        <source>Wed</source>
        <translation>Mer</translation>
    </message>
    <message>
        <source>Thu</source>
        <translation>Jeu</translation>
    </message>
    <message>
        <source>Fri</source>
        <translation>Ven</translation>
    </message>
    <message>
        <source>Sat</source>
        <translation>Sam</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Dim</translation>
    </message>
    <message>
        <source>Day of the Week</source>
        <translation>Jour de la semaine</translation>
    </message>
    <message>
        <source>Check here to choose a &apos;Days of the Week&apos; 
style Repeating Reminder</source>
        <translation>Cochez ici pour un rappel répétitif
selon les jours de la semaine</translation>
    </message>
    <message>
        <source>Check to use this reminder on this day of 
each week</source>
        <translation>Cochez pour utiliser ce rappel ce jour-là
chaque semaine</translation>
    </message>
    <message>
        <source>All Days</source>
        <translation>Tous</translation>
    </message>
    <message>
        <source>Check to include all days</source>
        <translation>Cochez pour inclure tous les jours</translation>
    </message>
    <message>
        <source>Special</source>
        <translation>Spécial</translation>
    </message>
    <message>
        <source>Check here to choose a &apos;nth Day of Month&apos; 
style Repeating Reminder</source>
        <translation>Cochez ici pour un rappel répétitif
au n-ième jour du mois</translation>
    </message>
    <message>
        <source>first</source>
        <translation>premier</translation>
    </message>
    <message>
        <source>second</source>
        <translation>deuxième</translation>
    </message>
    <message>
        <source>third</source>
        <translation>troisième</translation>
    </message>
    <message>
        <source>fourth</source>
        <translation>quatrième</translation>
    </message>
    <message>
        <source>fifth</source>
        <translation>cinquième</translation>
    </message>
    <message>
        <source>last</source>
        <translation>dernier</translation>
    </message>
    <message>
        <source>Select the occurrance: First, 2nd, 3rd, 4th, 5th
or Last</source>
        <translation>Choisissez l&apos;occurrence : premier, 2e, 3e, 4e, 5e
ou dernier</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>dimanche</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>lundi</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>mardi</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>mercredi</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>jeudi</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>vendredi</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>samedi</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>jour</translation>
    </message>
    <message>
        <source>Select the weekday (Sun-Sat), or select  &quot;Day&quot; 
for any day.</source>
        <translation>Choisissez le jour de la semaine (dim.–sam.),
ou « jour » pour n&apos;importe quel jour.</translation>
    </message>
    <message>
        <source>Day of the Month</source>
        <translation>Jour du mois</translation>
    </message>
    <message>
        <source>Check here to choose a &apos;Day of the Month&apos; 
style Repeating Reminder</source>
        <translation>Cochez ici pour un rappel répétitif
à un jour du mois</translation>
    </message>
    <message>
        <source>Select the day of the month (1-31)</source>
        <translation>Choisissez le jour du mois (1-31)</translation>
    </message>
    <message>
        <source>Day of the month</source>
        <translation>Jour du mois</translation>
    </message>
    <message>
        <source>Day of the Year</source>
        <translation>Jour de l&apos;année</translation>
    </message>
    <message>
        <source>Check here to choose a &apos;Day of the Year&apos; 
style Repeating Reminder</source>
        <translation>Cochez ici pour un rappel répétitif
à un jour de l&apos;année</translation>
    </message>
    <message>
        <source>Select the day of the year (1-365)</source>
        <translation>Choisissez le jour de l&apos;année (1-365)</translation>
    </message>
    <message>
        <source>Day of the year</source>
        <translation>Jour de l&apos;année</translation>
    </message>
    <message>
        <source>Invalid day of month entered </source>
        <translation>Jour du mois saisi non valide </translation>
    </message>
    <message>
        <source>Invalid month entered </source>
        <translation>Mois saisi non valide </translation>
    </message>
    <message>
        <source>Invalid day of year entered </source>
        <translation>Jour de l&apos;année saisi non valide </translation>
    </message>
    <message>
        <source>Invalid value entered for Special category</source>
        <translation>Valeur saisie non valide pour « Spécial »</translation>
    </message>
    <message>
        <source>You must select at least one day for this 
reminder to occur on</source>
        <translation>Vous devez choisir au moins un jour
où ce rappel a lieu</translation>
    </message>
</context>
<context>
    <name>nudgery::TEditAlarmExact</name>
    <message>
        <source>Reminder Description</source>
        <translation>Description du rappel</translation>
    </message>
    <message>
        <source>Path and name of the sound file (*.wav or *.mid)</source>
        <translation>Chemin et nom du fichier son (*.wav ou *.mid)</translation>
    </message>
    <message>
        <source>Click on the reminder date</source>
        <translation>Cliquez sur la date du rappel</translation>
    </message>
    <message>
        <source>Reminder date</source>
        <translation>Date du rappel</translation>
    </message>
    <message>
        <source>Click on the reminder date, or move to it with the arrow keys</source>
        <translation>Cliquez sur la date du rappel, ou allez-y avec les touches fléchées</translation>
    </message>
    <message>
        <source>&amp;Time</source>
        <translation>&amp;Heure</translation>
    </message>
    <message>
        <source>Enter the reminder time here</source>
        <translation>Saisissez ici l&apos;heure du rappel</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Heure</translation>
    </message>
    <message>
        <source>Quick Time Set</source>
        <translation>Choix rapide de l&apos;heure</translation>
    </message>
    <message>
        <source>Show the previous year</source>
        <translation>Afficher l&apos;année précédente</translation>
    </message>
    <message>
        <source>Previous year</source>
        <translation>Année précédente</translation>
    </message>
    <message>
        <source>Show the previous month</source>
        <translation>Afficher le mois précédent</translation>
    </message>
    <message>
        <source>Previous month</source>
        <translation>Mois précédent</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Aujourd&apos;hui</translation>
    </message>
    <message>
        <source>Show today&apos;s date</source>
        <translation>Afficher la date du jour</translation>
    </message>
    <message>
        <source>Show the next month</source>
        <translation>Afficher le mois suivant</translation>
    </message>
    <message>
        <source>Next month</source>
        <translation>Mois suivant</translation>
    </message>
    <message>
        <source>Show the next year</source>
        <translation>Afficher l&apos;année suivante</translation>
    </message>
    <message>
        <source>Next year</source>
        <translation>Année suivante</translation>
    </message>
</context>
<context>
    <name>nudgery::TEditAlarmRepeating</name>
    <message>
        <source>Repeating Reminder Description</source>
        <translation>Description du rappel répétitif</translation>
    </message>
    <message>
        <source>Type in the path and name of the sound file (*.wav or *.mid)</source>
        <translation>Saisissez le chemin et le nom du fichier son (*.wav ou *.mid)</translation>
    </message>
    <message>
        <source>&amp;Starting Time</source>
        <translation>&amp;Heure de début</translation>
    </message>
    <message>
        <source>Enter the reminder time here</source>
        <translation>Saisissez ici l&apos;heure du rappel</translation>
    </message>
    <message>
        <source>Starting time</source>
        <translation>Heure de début</translation>
    </message>
    <message>
        <source>Quick Time Set for the starting time</source>
        <translation>Choix rapide de l&apos;heure de début</translation>
    </message>
    <message>
        <source>Once per day</source>
        <translation>Une fois par jour</translation>
    </message>
    <message>
        <source>Check here to have this reminder occur 
only once per day</source>
        <translation>Cochez ici pour que ce rappel n&apos;ait lieu
qu&apos;une fois par jour</translation>
    </message>
    <message>
        <source>Repeat Every</source>
        <translation>Répéter</translation>
    </message>
    <message>
        <source>Check here to have this reminder repeat itself
at predefined intervals </source>
        <translation>Cochez ici pour que ce rappel se répète
à intervalles fixes</translation>
    </message>
    <message>
        <source>Enter the number of minutes for the repeat
interval for this reminder</source>
        <translation>Saisissez le nombre de minutes entre
les répétitions de ce rappel</translation>
    </message>
    <message>
        <source>Repeat interval in minutes</source>
        <translation>Intervalle de répétition en minutes</translation>
    </message>
    <message>
        <source>min</source>
        <translation>min</translation>
    </message>
    <message>
        <source>For rest of day</source>
        <translation>Jusqu&apos;au soir</translation>
    </message>
    <message>
        <source>Check here to have this reminder continue 
repeating at the defined intervals for the rest 
of the day</source>
        <translation>Cochez ici pour que ce rappel continue
de se répéter aux intervalles définis
jusqu&apos;à la fin de la journée</translation>
    </message>
    <message>
        <source>Until</source>
        <translation>Jusqu&apos;à</translation>
    </message>
    <message>
        <source>Check here to have this reminder continue 
repeating at the defined intervals until a 
specified time</source>
        <translation>Cochez ici pour que ce rappel continue
de se répéter aux intervalles définis
jusqu&apos;à une heure donnée</translation>
    </message>
    <message>
        <source>Enter the ending time here</source>
        <translation>Saisissez ici l&apos;heure de fin</translation>
    </message>
    <message>
        <source>Ending time</source>
        <translation>Heure de fin</translation>
    </message>
    <message>
        <source>Quick Time Set for the ending time</source>
        <translation>Choix rapide de l&apos;heure de fin</translation>
    </message>
    <message>
        <source>Invalid ENDING time. Please use your regional time format
   Example: </source>
        <translation>Heure de FIN non valide. Utilisez votre format d&apos;heure régional
   Exemple : </translation>
    </message>
    <message>
        <source>Invalid ENDING time. Must be greater than starting time</source>
        <translation>Heure de FIN non valide. Elle doit être postérieure à l&apos;heure de début</translation>
    </message>
    <message>
        <source>Repeat interval must be greater than 10 minutes</source>
        <translation>L&apos;intervalle de répétition doit dépasser 10 minutes</translation>
    </message>
</context>
<context>
    <name>nudgery::THistoryWindow</name>
    <message>
        <source>History</source>
        <translation>Historique</translation>
    </message>
    <message>
        <source>Text in the message</source>
        <translation>Texte du message</translation>
    </message>
    <message>
        <source>&amp;Find:</source>
        <translation>&amp;Chercher :</translation>
    </message>
    <message>
        <source>On &amp;day:</source>
        <translation>Le &amp;jour :</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Jour</translation>
    </message>
    <message>
        <source>Show &amp;All</source>
        <translation>&amp;Tout afficher</translation>
    </message>
    <message>
        <source>Reminders shown and answered</source>
        <translation>Rappels affichés et répondus</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Only the repeating reminder &quot;%1&quot;</source>
        <translation>Seulement le rappel répétitif « %1 »</translation>
    </message>
    <message>
        <source>Only the one-time reminder &quot;%1&quot;</source>
        <translation>Seulement le rappel unique « %1 »</translation>
    </message>
    <message>
        <source>1 entry</source>
        <translation>1 entrée</translation>
    </message>
    <message>
        <source>%L1 entries</source>
        <translation>%L1 entrées</translation>
    </message>
</context>
<context>
    <name>nudgery::TImportPreview</name>
    <message>
        <source>Import Calendar File</source>
        <translation>Importer un fichier de calendrier</translation>
    </message>
    <message>
        <source>Will be added:</source>
        <translation>Sera ajouté :</translation>
    </message>
    <message>
        <source>Reminder</source>
        <translation>Rappel</translation>
    </message>
    <message>
        <source>When</source>
        <translation>Quand</translation>
    </message>
    <message>
        <source>Reminders that will be added</source>
        <translation>Rappels qui seront ajoutés</translation>
    </message>
    <message>
        <source>Cannot be taken:</source>
        <translation>Ne peut pas être repris :</translation>
    </message>
    <message>
        <source>Entry</source>
        <translation>Entrée</translation>
    </message>
    <message>
        <source>Why</source>
        <translation>Raison</translation>
    </message>
    <message>
        <source>Entries that cannot be taken</source>
        <translation>Entrées qui ne peuvent pas être reprises</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Ajouter</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>nudgery::TMessageBand</name>
    <message>
        <source>&amp;Message</source>
        <translation>&amp;Message</translation>
    </message>
    <message>
        <source>[Type reminder message here]</source>
        <translation>[Saisissez le message du rappel ici]</translation>
    </message>
    <message>
        <source>Type your reminder message here
(at most %1 characters)</source>
        <translation>Saisissez ici le message du rappel
(%1 caractères au plus)</translation>
    </message>
</context>
<context>
    <name>nudgery::TMissedReminders</name>
    <message>
        <source>Missed Reminders</source>
        <translation>Rappels manqués</translation>
    </message>
    <message>
        <source>These reminders fell due while Nudgery! could not show them:</source>
        <translation>Ces rappels sont échus alors que Nudgery! ne pouvait pas les afficher :</translation>
    </message>
    <message>
        <source>Reminder</source>
        <translation>Rappel</translation>
    </message>
    <message>
        <source>When</source>
        <translation>Quand</translation>
    </message>
    <message>
        <source>Missed reminders</source>
        <translation>Rappels manqués</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>nudgery::TPreferences</name>
    <message>
        <source>Preferences</source>
        <translation>Préférences</translation>
    </message>
    <message>
        <source>Default action when a reminder is triggered</source>
        <translation>Action par défaut au déclenchement d&apos;un rappel</translation>
    </message>
    <message>
        <source>Select the default action to take when a reminder
is triggered</source>
        <translation>Choisissez l&apos;action par défaut quand
un rappel se déclenche</translation>
    </message>
    <message>
        <source>Default Sound File (*.wav or *.mid)</source>
        <translation>Fichier son par défaut (*.wav ou *.mid)</translation>
    </message>
    <message>
        <source>Path and name of the sound file (*.wav or *.mid)</source>
        <translation>Chemin et nom du fichier son (*.wav ou *.mid)</translation>
    </message>
    <message>
        <source>&amp;Choose</source>
        <translation>&amp;Choisir</translation>
    </message>
    <message>
        <source>Play &amp;Now</source>
        <translation>&amp;Écouter</translation>
    </message>
    <message>
        <source>Play the sound file you have selected</source>
        <translation>Jouer le fichier son choisi</translation>
    </message>
    <message>
        <source>Shhhh</source>
        <translation>Chut</translation>
    </message>
    <message>
        <source>Stop a sound file from playing</source>
        <translation>Arrêter la lecture du fichier son</translation>
    </message>
    <message>
        <source>When Nudgery! shows a reminder,  there may be times when you are not at your desk and cannot respond by clicking one of the buttons. In this situation, Nudgery should:</source>
        <translation>Quand Nudgery! affiche un rappel, il se peut que vous ne soyez pas là pour cliquer sur l&apos;un des boutons. Dans ce cas, Nudgery doit :</translation>
    </message>
    <message>
        <source>Continue waiting </source>
        <translation>Attendre toujours </translation>
    </message>
    <message>
        <source>Select here to have Nudgery! continue waiting
indefinately</source>
        <translation>Choisissez ceci pour que Nudgery! attende
indéfiniment</translation>
    </message>
    <message>
        <source>Wait for</source>
        <translation>Attendre</translation>
    </message>
    <message>
        <source>Select here to have Nudgery! timeout after a
certain number of minutes</source>
        <translation>Choisissez ceci pour que Nudgery! cesse
d&apos;attendre après un certain nombre de minutes</translation>
    </message>
    <message>
        <source>Select the number of minutes Nudgery! should
wait before a timeout</source>
        <translation>Choisissez combien de minutes Nudgery!
doit attendre</translation>
    </message>
    <message>
        <source>minutes, then:</source>
        <translation>minutes, puis :</translation>
    </message>
    <message>
        <source>Click the OK button</source>
        <translation>Cliquer sur OK</translation>
    </message>
    <message>
        <source>Click the 5 minutes button</source>
        <translation>Cliquer sur « 5 minutes »</translation>
    </message>
    <message>
        <source>Click the 10 minutes button</source>
        <translation>Cliquer sur « 10 minutes »</translation>
    </message>
    <message>
        <source>Click the 30 minutes button</source>
        <translation>Cliquer sur « 30 minutes »</translation>
    </message>
    <message>
        <source>Click the 60 minutes button</source>
        <translation>Cliquer sur « 60 minutes »</translation>
    </message>
    <message>
        <source>Nudgery should take the following action when
a time-out is reached</source>
        <translation>Ce que Nudgery doit faire quand
le délai est écoulé</translation>
    </message>
    <message>
        <source>Minutes to wait</source>
        <translation>Minutes d&apos;attente</translation>
    </message>
    <message>
        <source>Show Hints</source>
        <translation>Afficher les bulles d&apos;aide</translation>
    </message>
    <message>
        <source>Show popup help hints when the mouse
passes over a screen item (like this!)</source>
        <translation>Afficher des bulles d&apos;aide quand la souris
passe sur un élément (comme ici !)</translation>
    </message>
    <message>
        <source>Show popup help hints when the mouse passes over a screen item</source>
        <translation>Afficher des bulles d&apos;aide quand la souris passe sur un élément</translation>
    </message>
    <message>
        <source>Minimize to System Tray</source>
        <translation>Réduire dans la zone de notification</translation>
    </message>
    <message>
        <source>Nudgery will place its icon in the System 
Tray when minimized</source>
        <translation>Nudgery place son icône dans la zone
de notification une fois réduit</translation>
    </message>
    <message>
        <source>Nudgery will place its icon in the System Tray when minimized</source>
        <translation>Nudgery place son icône dans la zone de notification une fois réduit</translation>
    </message>
    <message>
        <source>Animate Tray Icon</source>
        <translation>Animer l&apos;icône</translation>
    </message>
    <message>
        <source>Check here if you want a ticking clock for
Nudgery!&apos;s tray icon</source>
        <translation>Cochez ici pour une horloge qui tourne
comme icône de Nudgery!</translation>
    </message>
    <message>
        <source>Also show a desktop notification</source>
        <translation>Aussi en notification du bureau</translation>
    </message>
    <message>
        <source>Also show each reminder in the desktop&apos;s notifications
when it falls due</source>
        <translation>Afficher aussi chaque rappel échu
dans les notifications du bureau</translation>
    </message>
    <message>
        <source>&amp;Repeat the sound until answered, every</source>
        <translation>&amp;Répéter le son jusqu&apos;à la réponse, toutes les</translation>
    </message>
    <message>
        <source>Play the reminder&apos;s sound again and again while its
notification waits for your answer</source>
        <translation>Rejouer le son du rappel tant que sa
notification attend votre réponse</translation>
    </message>
    <message>
        <source>Seconds of quiet before the sound plays again</source>
        <translation>Secondes de silence avant que le son ne rejoue</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>secondes</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Save this time</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>Cancel all changes made</source>
        <translation>Annuler toutes les modifications</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ai&amp;de</translation>
    </message>
    <message>
        <source>Seconds between repeats of the sound</source>
        <translation>Secondes entre les répétitions du son</translation>
    </message>
</context>
<context>
    <name>nudgery::TReminderEditor</name>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>Save and Set the reminder as specified</source>
        <translation>Enregistrer et programmer le rappel ainsi</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>Cancel all changes made</source>
        <translation>Annuler toutes les modifications</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ai&amp;de</translation>
    </message>
</context>
<context>
    <name>nudgery::TSetTimeDialog</name>
    <message>
        <source>%1 PM</source>
        <translation>%1 PM</translation>
    </message>
    <message>
        <source>%1 AM</source>
        <translation>%1 AM</translation>
    </message>
    <message>
        <source>1 minute</source>
        <translation>1 minute</translation>
    </message>
    <message>
        <source>%1 minutes</source>
        <translation>%1 minutes</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>Heure</translation>
    </message>
    <message>
        <source>Minute</source>
        <translation>Minute</translation>
    </message>
    <message>
        <source>Click to set the hours portion of the time</source>
        <translation>Cliquez pour régler l&apos;heure</translation>
    </message>
    <message>
        <source>AM</source>
        <translation>AM</translation>
    </message>
    <message>
        <source>PM</source>
        <translation>PM</translation>
    </message>
    <message>
        <source>Click to set the minutes portion of the time</source>
        <translation>Cliquez pour régler les minutes</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Save this time</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>Cancel all changes made</source>
        <translation>Annuler toutes les modifications</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ai&amp;de</translation>
    </message>
    <message>
        <source>Set Time As: </source>
        <translation>Régler l&apos;heure à : </translation>
    </message>
</context>
<context>
    <name>nudgery::TTimeEntry</name>
    <message>
        <source>Click for Quick Time Set</source>
        <translation>Cliquez pour le choix rapide de l&apos;heure</translation>
    </message>
</context>
</TS>
