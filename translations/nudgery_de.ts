<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>CalendarTransfer</name>
    <message>
        <source>%1 cannot be imported. </source>
        <translation>%1 kann nicht importiert werden. </translation>
    </message>
    <message>
        <source>Cannot write the calendar file %1</source>
        <translation>Die Kalenderdatei %1 kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>It is too big for a calendar file.</source>
        <translation>Sie ist zu groß für eine Kalenderdatei.</translation>
    </message>
    <message>
        <source>There is no such file.</source>
        <translation>Diese Datei gibt es nicht.</translation>
    </message>
    <message>
        <source>It is a folder, not a file.</source>
        <translation>Es ist ein Ordner, keine Datei.</translation>
    </message>
    <message>
        <source>It cannot be read.</source>
        <translation>Sie kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>The reminders were added, but the memory of imports %1 cannot be written, so a later import of the same file may add them again.</source>
        <translation>Die Erinnerungen wurden hinzugefügt, aber die Liste der Importe %1 kann nicht geschrieben werden; ein späterer Import derselben Datei fügt sie womöglich erneut hinzu.</translation>
    </message>
</context>
<context>
    <name>CoreWords</name>
    <message>
        <source>Pending</source>
        <translation>Offen</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Erledigt</translation>
    </message>
    <message>
        <source>Expired</source>
        <translation>Abgelaufen</translation>
    </message>
    <message>
        <source>Not Today</source>
        <translation>Nicht heute</translation>
    </message>
    <message>
        <source>All Days</source>
        <translation>Alle Tage</translation>
    </message>
    <message>
        <source>Weekdays</source>
        <translation>Werktags</translation>
    </message>
    <message>
        <source>Weekends</source>
        <translation>Wochenende</translation>
    </message>
    <message>
        <source>%1 day of year</source>
        <translation>%1 Tag im Jahr</translation>
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
        <translation>1.</translation>
    </message>
    <message>
        <source>2nd</source>
        <translation>2.</translation>
    </message>
    <message>
        <source>3rd</source>
        <translation>3.</translation>
    </message>
    <message>
        <source>4th</source>
        <translation>4.</translation>
    </message>
    <message>
        <source>5th</source>
        <translation>5.</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>Letzter</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>So</translation>
    </message>
    <message>
        <source>Mon</source>
        <translation>Mo</translation>
    </message>
    <message>
        <source>Tue</source>
        <translation>Di</translation>
    </message>
    <message>
        <source>Wed</source>
        <translation>Mi</translation>
    </message>
    <message>
        <source>Thu</source>
        <translation>Do</translation>
    </message>
    <message>
        <source>Fri</source>
        <translation>Fr</translation>
    </message>
    <message>
        <source>Sat</source>
        <translation>Sa</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Tag</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Monat</translation>
    </message>
    <message>
        <source>Jan</source>
        <translation>Jan</translation>
    </message>
    <message>
        <source>Feb</source>
        <translation>Feb</translation>
    </message>
    <message>
        <source>Mar</source>
        <translation>Mär</translation>
    </message>
    <message>
        <source>Apr</source>
        <translation>Apr</translation>
    </message>
    <message>
        <source>May</source>
        <translation>Mai</translation>
    </message>
    <message>
        <source>Jun</source>
        <translation>Jun</translation>
    </message>
    <message>
        <source>Jul</source>
        <translation>Jul</translation>
    </message>
    <message>
        <source>Aug</source>
        <translation>Aug</translation>
    </message>
    <message>
        <source>Sep</source>
        <translation>Sep</translation>
    </message>
    <message>
        <source>Oct</source>
        <translation>Okt</translation>
    </message>
    <message>
        <source>Nov</source>
        <translation>Nov</translation>
    </message>
    <message>
        <source>Dec</source>
        <translation>Dez</translation>
    </message>
    <message>
        <source>%1st</source>
        <translation>%1.</translation>
    </message>
    <message>
        <source>%1nd</source>
        <translation>%1.</translation>
    </message>
    <message>
        <source>%1rd</source>
        <translation>%1.</translation>
    </message>
    <message>
        <source>%1th</source>
        <translation>%1.</translation>
    </message>
    <message>
        <source>Today at %1</source>
        <translation>Heute um %1</translation>
    </message>
    <message>
        <source>and %1 more until %2</source>
        <translation>und %1 weitere bis %2</translation>
    </message>
    <message>
        <source>%1 until %2</source>
        <translation>%1 bis %2</translation>
    </message>
    <message>
        <source>%1 at %2, every %3</source>
        <translation>%1 um %2, alle %3</translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <translation>%1 um %2</translation>
    </message>
    <message>
        <source>No day</source>
        <translation>Kein Tag</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>stündlich</translation>
    </message>
    <message>
        <source>%1 hrs %2 mins</source>
        <translation>%1 Std. %2 Min.</translation>
    </message>
    <message>
        <source>%1 hrs</source>
        <translation>%1 Std.</translation>
    </message>
    <message>
        <source>%1 min</source>
        <translation>%1 Min.</translation>
    </message>
    <message>
        <source>One-time</source>
        <translation>Einmalig</translation>
    </message>
    <message>
        <source>Repeating</source>
        <translation>Wiederholt</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Deleted</source>
        <translation>Gelöscht</translation>
    </message>
    <message>
        <source>Nothing done</source>
        <translation>Nichts getan</translation>
    </message>
    <message>
        <source>Not answered yet</source>
        <translation>Noch nicht beantwortet</translation>
    </message>
    <message>
        <source>Left unanswered at the end</source>
        <translation>Am Ende unbeantwortet</translation>
    </message>
    <message>
        <source>No window shown</source>
        <translation>Kein Fenster gezeigt</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Unbekannt</translation>
    </message>
    <message>
        <source>Missed</source>
        <translation>Verpasst</translation>
    </message>
    <message>
        <source>Missed, and %1 more that day</source>
        <translation>Verpasst, und %1 weitere an dem Tag</translation>
    </message>
    <message>
        <source>Timed out: %1</source>
        <translation>Zeit abgelaufen: %1</translation>
    </message>
    <message>
        <source>Snoozed %1</source>
        <translation>Verschoben um %1</translation>
    </message>
    <message>
        <source>1 minute</source>
        <translation>1 Minute</translation>
    </message>
    <message>
        <source>%1 minutes</source>
        <translation>%1 Minuten</translation>
    </message>
    <message>
        <source>1 hour</source>
        <translation>1 Stunde</translation>
    </message>
    <message>
        <source>%1 hours</source>
        <translation>%1 Stunden</translation>
    </message>
    <message>
        <source>1 week</source>
        <translation>1 Woche</translation>
    </message>
    <message>
        <source>%1 weeks</source>
        <translation>%1 Wochen</translation>
    </message>
    <message>
        <source>SMTWTFS</source>
        <comment>the initials of Sunday to Saturday, in that order</comment>
        <translation>SMDMDFS</translation>
    </message>
    <message>
        <source>On Days: %1</source>
        <translation>An Tagen: %1</translation>
    </message>
    <message>
        <source>Nothing will be added.</source>
        <translation>Es wird nichts hinzugefügt.</translation>
    </message>
    <message>
        <source>%1 and %2 will be added.</source>
        <translation>%1 und %2 werden hinzugefügt.</translation>
    </message>
    <message>
        <source>%1 will be added.</source>
        <translation>Hinzugefügt wird: %1.</translation>
    </message>
    <message>
        <source>1 one-time reminder</source>
        <translation>1 einmalige Erinnerung</translation>
    </message>
    <message>
        <source>%1 one-time reminders</source>
        <translation>%1 einmalige Erinnerungen</translation>
    </message>
    <message>
        <source>1 repeating reminder</source>
        <translation>1 wiederholte Erinnerung</translation>
    </message>
    <message>
        <source>%1 repeating reminders</source>
        <translation>%1 wiederholte Erinnerungen</translation>
    </message>
    <message>
        <source>1 entry cannot be taken.</source>
        <translation>1 Eintrag kann nicht übernommen werden.</translation>
    </message>
    <message>
        <source>%1 entries cannot be taken.</source>
        <translation>%1 Einträge können nicht übernommen werden.</translation>
    </message>
    <message>
        <source>1 reminder was imported before and is left out.</source>
        <translation>1 Erinnerung wurde schon früher importiert und bleibt weg.</translation>
    </message>
    <message>
        <source>%1 reminders were imported before and are left out.</source>
        <translation>%1 Erinnerungen wurden schon früher importiert und bleiben weg.</translation>
    </message>
    <message>
        <source>1 reminder is in the lists already and left out.</source>
        <translation>1 Erinnerung steht schon in den Listen und bleibt weg.</translation>
    </message>
    <message>
        <source>%1 reminders are in the lists already and left out.</source>
        <translation>%1 Erinnerungen stehen schon in den Listen und bleiben weg.</translation>
    </message>
    <message>
        <source>%1: %2; its occurrences in the next %3 days are added one by one, the first %4 of them</source>
        <translation>%1: %2; die Termine der nächsten %3 Tage werden einzeln hinzugefügt, die ersten %4 davon</translation>
    </message>
    <message>
        <source>%1: %2; its occurrences in the next %3 days are added one by one</source>
        <translation>%1: %2; die Termine der nächsten %3 Tage werden einzeln hinzugefügt</translation>
    </message>
    <message>
        <source>no alarm</source>
        <translation>kein Alarm</translation>
    </message>
    <message>
        <source>dates given one by one</source>
        <translation>einzeln angegebene Termine</translation>
    </message>
    <message>
        <source>alarms that do not follow a day rule</source>
        <translation>Alarme, die keiner Tagesregel folgen</translation>
    </message>
    <message>
        <source>its alarm time has passed</source>
        <translation>die Alarmzeit ist vorbei</translation>
    </message>
    <message>
        <source>a date out of range</source>
        <translation>ein Datum außerhalb des Bereichs</translation>
    </message>
    <message>
        <source>a rule that repeats within the day</source>
        <translation>eine Regel, die sich innerhalb des Tages wiederholt</translation>
    </message>
    <message>
        <source>no date for its alarm</source>
        <translation>kein Datum für den Alarm</translation>
    </message>
    <message>
        <source>no start</source>
        <translation>kein Beginn</translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation>abgesagt</translation>
    </message>
    <message>
        <source>completed</source>
        <translation>erledigt</translation>
    </message>
    <message>
        <source>days left out of its rule</source>
        <translation>Tage, die aus der Regel genommen sind</translation>
    </message>
    <message>
        <source>occurrences changed one by one</source>
        <translation>einzeln geänderte Termine</translation>
    </message>
    <message>
        <source>more than one rule</source>
        <translation>mehr als eine Regel</translation>
    </message>
    <message>
        <source>dates added to its rule</source>
        <translation>zur Regel hinzugefügte Termine</translation>
    </message>
    <message>
        <source>a rule no day rule matches</source>
        <translation>eine Regel, der keine Tagesregel entspricht</translation>
    </message>
    <message>
        <source>a rule for times of the day and no day rule for it</source>
        <translation>eine Regel für Tageszeiten, ohne Tagesregel dafür</translation>
    </message>
    <message>
        <source>a rule with UNTIL and no day rule for it</source>
        <translation>eine Regel mit UNTIL, ohne Tagesregel dafür</translation>
    </message>
    <message>
        <source>a rule with %1 and no day rule for it</source>
        <translation>eine Regel mit %1, ohne Tagesregel dafür</translation>
    </message>
    <message>
        <source>a date or time that does not exist</source>
        <translation>ein Datum oder eine Zeit, die es nicht gibt</translation>
    </message>
    <message>
        <source>a time too far from today for its time zone</source>
        <translation>eine Zeit zu weit von heute für ihre Zeitzone</translation>
    </message>
    <message>
        <source>the time zone %1 cannot be read</source>
        <translation>die Zeitzone %1 kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>the time zone %1 is not defined</source>
        <translation>die Zeitzone %1 ist nicht festgelegt</translation>
    </message>
    <message>
        <source>no occurrence in the next %1 days</source>
        <translation>kein Termin in den nächsten %1 Tagen</translation>
    </message>
    <message>
        <source>%1 alarm</source>
        <translation>%1-Alarm</translation>
    </message>
    <message>
        <source>%1 %2/Month</source>
        <translation>%1 %2 jedes Monats</translation>
    </message>
    <message>
        <source>%1 of Month</source>
        <translation>%1 jedes Monats</translation>
    </message>
</context>
<context>
    <name>DamagedFileReport</name>
    <message>
        <source>no reminders</source>
        <translation>keinen Erinnerungen</translation>
    </message>
    <message>
        <source>1 reminder</source>
        <translation>1 Erinnerung</translation>
    </message>
    <message>
        <source>%1 reminders</source>
        <translation>%1 Erinnerungen</translation>
    </message>
    <message>
        <source>No reminders could be read from it.</source>
        <translation>Es konnten keine Erinnerungen daraus gelesen werden.</translation>
    </message>
    <message>
        <source>1 reminder could be read from it; it is in the lists.</source>
        <translation>1 Erinnerung konnte daraus gelesen werden; sie steht in den Listen.</translation>
    </message>
    <message>
        <source>%1 reminders could be read from it; they are in the lists.</source>
        <translation>%1 Erinnerungen konnten daraus gelesen werden; sie stehen in den Listen.</translation>
    </message>
    <message>
        <source>The file could not be copied aside, so it is left as it is, and changes cannot be saved until it is moved away.</source>
        <translation>Die Datei konnte nicht beiseite kopiert werden; sie bleibt daher, wie sie ist, und Änderungen können erst gespeichert werden, wenn sie verschoben wurde.</translation>
    </message>
    <message>
        <source>The file as it was found is kept as %1.</source>
        <translation>Die Datei wird so, wie sie vorgefunden wurde, als %1 aufbewahrt.</translation>
    </message>
    <message>
        <source>The data file %1 is damaged or cut short.

%2

%3</source>
        <translation>Die Datendatei %1 ist beschädigt oder unvollständig.

%2

%3</translation>
    </message>
    <message>
        <source>

The backup %1 holds the last data file that loaded whole, with %2.</source>
        <translation>

Die Sicherung %1 enthält die letzte Datendatei, die vollständig geladen wurde, mit %2.</translation>
    </message>
    <message>
        <source> Restore it? Its reminders then take the place of those in the lists; the damaged file stays kept either way.</source>
        <translation> Wiederherstellen? Ihre Erinnerungen ersetzen dann die in den Listen; die beschädigte Datei bleibt in jedem Fall aufbewahrt.</translation>
    </message>
</context>
<context>
    <name>DataFileStore</name>
    <message>
        <source>Cannot create file %1</source>
        <translation>Die Datei %1 kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>The backup %1 cannot be read whole, so it was not restored.</source>
        <translation>Die Sicherung %1 kann nicht vollständig gelesen werden und wurde daher nicht wiederhergestellt.</translation>
    </message>
</context>
<context>
    <name>DeleteQuestion</name>
    <message>
        <source>Delete this reminder?</source>
        <translation>Diese Erinnerung löschen?</translation>
    </message>
    <message>
        <source>Delete &apos;%1&apos;?</source>
        <translation>„%1“ löschen?</translation>
    </message>
</context>
<context>
    <name>DesktopNotice</name>
    <message>
        <source>Show the reminder</source>
        <translation>Erinnerung zeigen</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Snooze 5 minutes</source>
        <translation>In 5 Minuten erneut</translation>
    </message>
    <message>
        <source>Reminder</source>
        <translation>Erinnerung</translation>
    </message>
    <message>
        <source>Due at %1</source>
        <translation>Fällig um %1</translation>
    </message>
</context>
<context>
    <name>EditorStyle</name>
    <message>
        <source>Get help for Nudgery!</source>
        <translation>Hilfe zu Nudgery! aufrufen</translation>
    </message>
    <message>
        <source>Select the sound file
in a File Open dialog</source>
        <translation>Die Klangdatei in einem
Dialog zum Öffnen wählen</translation>
    </message>
    <message>
        <source>Show message and play sound</source>
        <translation>Nachricht zeigen und Klang abspielen</translation>
    </message>
    <message>
        <source>Only show message</source>
        <translation>Nur Nachricht zeigen</translation>
    </message>
    <message>
        <source>Only play sound</source>
        <translation>Nur Klang abspielen</translation>
    </message>
    <message>
        <source>Do Nothing</source>
        <translation>Nichts tun</translation>
    </message>
</context>
<context>
    <name>FileChooser</name>
    <message>
        <source>Calendar Files (*.ics *.ICS *.ical *.ICAL *.ifb *.IFB);;All Files (*)</source>
        <translation>Kalenderdateien (*.ics *.ICS *.ical *.ICAL *.ifb *.IFB);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Sound Files (*.wav *.WAV *.mid *.MID)</source>
        <translation>Klangdateien (*.wav *.WAV *.mid *.MID)</translation>
    </message>
    <message>
        <source>Import Calendar File</source>
        <translation>Kalenderdatei importieren</translation>
    </message>
    <message>
        <source>Export to Calendar File</source>
        <translation>In Kalenderdatei exportieren</translation>
    </message>
</context>
<context>
    <name>HelpViewer</name>
    <message>
        <source>The help file %1 cannot be found.

Help topic %2 cannot be shown.</source>
        <translation>Die Hilfedatei %1 ist nicht zu finden.

Das Hilfethema %2 kann nicht gezeigt werden.</translation>
    </message>
    <message>
        <source>Nudgery! Help</source>
        <translation>Nudgery! Hilfe</translation>
    </message>
</context>
<context>
    <name>HistoryJournal</name>
    <message>
        <source>it is damaged and cannot be copied aside</source>
        <translation>sie ist beschädigt und kann nicht beiseite kopiert werden</translation>
    </message>
    <message>
        <source>The history of reminders in %1 was damaged. It is kept as %2, and a new history has been started.</source>
        <translation>Der Verlauf der Erinnerungen in %1 war beschädigt. Er wird als %2 aufbewahrt, und ein neuer Verlauf wurde begonnen.</translation>
    </message>
    <message>
        <source>The history of reminders cannot be kept in %1 (%2).

Your reminders are not affected: they fire and are answered as before, but what happens to them is not recorded while this lasts.</source>
        <translation>Der Verlauf der Erinnerungen kann nicht in %1 geführt werden (%2).

Ihre Erinnerungen sind nicht betroffen: Sie melden sich und werden beantwortet wie zuvor, aber was mit ihnen geschieht, wird solange nicht aufgezeichnet.</translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation>unbekannter Fehler</translation>
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
        <translation>Bestätigen</translation>
    </message>
</context>
<context>
    <name>TMainForm</name>
    <message>
        <source>Reminder</source>
        <translation>Erinnerung</translation>
    </message>
    <message>
        <source>When</source>
        <translation>Wann</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Repeat Reminder</source>
        <translation>Wiederholte Erinnerung</translation>
    </message>
    <message>
        <source>Days</source>
        <translation>Tage</translation>
    </message>
    <message>
        <source>First Time</source>
        <translation>Erste Zeit</translation>
    </message>
    <message>
        <source>Repeat Every...</source>
        <translation>Intervall</translation>
    </message>
    <message>
        <source>Next Reminder</source>
        <translation>Nächste Erinnerung</translation>
    </message>
    <message>
        <source>No web browser could be started.
Our Internet website is at:
%1</source>
        <translation>Es konnte kein Webbrowser gestartet werden.
Unsere Website finden Sie unter:
%1</translation>
    </message>
    <message>
        <source>1 reminder</source>
        <translation>1 Erinnerung</translation>
    </message>
    <message>
        <source>%1 reminders</source>
        <translation>%1 Erinnerungen</translation>
    </message>
    <message>
        <source>%1 written to %2</source>
        <translation>%1 nach %2 geschrieben</translation>
    </message>
    <message>
        <source>Red mark</source>
        <translation>Rote Markierung</translation>
    </message>
    <message>
        <source>Yellow mark</source>
        <translation>Gelbe Markierung</translation>
    </message>
    <message>
        <source>Blue mark</source>
        <translation>Blaue Markierung</translation>
    </message>
    <message>
        <source>Grey mark</source>
        <translation>Graue Markierung</translation>
    </message>
    <message>
        <source>Not today</source>
        <translation>Nicht heute</translation>
    </message>
    <message>
        <source>&amp;History</source>
        <translation>&amp;Verlauf</translation>
    </message>
    <message>
        <source>What became of each reminder that fell due</source>
        <translation>Was aus jeder fälligen Erinnerung wurde</translation>
    </message>
    <message>
        <source>&amp;History of This Reminder</source>
        <translation>&amp;Verlauf dieser Erinnerung</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>Add a new reminder</source>
        <translation>Eine neue Erinnerung anlegen</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>Edit current reminder</source>
        <translation>Die gewählte Erinnerung bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>Delete current reminder</source>
        <translation>Die gewählte Erinnerung löschen</translation>
    </message>
    <message>
        <source>&amp;Clone</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>Make a copy of 
current reminder</source>
        <translation>Eine Kopie der gewählten
Erinnerung anlegen</translation>
    </message>
    <message>
        <source>Adjust Time +-</source>
        <translation>Zeit +- ändern</translation>
    </message>
    <message>
        <source>Adjust the current reminder time 
plus or minus </source>
        <translation>Die Zeit der gewählten Erinnerung
vor- oder zurückstellen</translation>
    </message>
    <message>
        <source>The time of day</source>
        <translation>Die Uhrzeit</translation>
    </message>
    <message>
        <source>Reminders</source>
        <translation>Erinnerungen</translation>
    </message>
    <message>
        <source>Repeat Reminders</source>
        <translation>Wiederholte Erinnerungen</translation>
    </message>
    <message>
        <source>Enter edits the selected reminder, Delete deletes it</source>
        <translation>Eingabe bearbeitet die gewählte Erinnerung, Entf löscht sie</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimieren</translation>
    </message>
    <message>
        <source>Minimize Nudgery!</source>
        <translation>Nudgery! minimieren</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>B&amp;eenden</translation>
    </message>
    <message>
        <source>Exit Nudgery!</source>
        <translation>Nudgery! beenden</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Set Preferences</source>
        <translation>Ein&amp;stellungen</translation>
    </message>
    <message>
        <source>&amp;Import Calendar File…</source>
        <translation>Kalenderdatei &amp;importieren…</translation>
    </message>
    <message>
        <source>Ex&amp;port to Calendar File…</source>
        <translation>In Kalenderdatei e&amp;xportieren…</translation>
    </message>
    <message>
        <source>Delete reminders marked as &amp;Done</source>
        <translation>Als e&amp;rledigt markierte Erinnerungen löschen</translation>
    </message>
    <message>
        <source>Delete reminders marked as &amp;Expired</source>
        <translation>Als &amp;abgelaufen markierte Erinnerungen löschen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Inhalt</translation>
    </message>
    <message>
        <source>Show the help for Nudgery!</source>
        <translation>Die Hilfe zu Nudgery! zeigen</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Ü&amp;ber</translation>
    </message>
    <message>
        <source>About Nudgery!</source>
        <translation>Über Nudgery!</translation>
    </message>
    <message>
        <source>Online</source>
        <translation>Online</translation>
    </message>
    <message>
        <source>Visit Our Internet Website</source>
        <translation>Unsere Website besuchen</translation>
    </message>
    <message>
        <source>&amp;Show Nudgery</source>
        <translation>Nudgery &amp;zeigen</translation>
    </message>
    <message>
        <source>+1 Minute</source>
        <translation>+1 Minute</translation>
    </message>
    <message>
        <source>+5 Minutes</source>
        <translation>+5 Minuten</translation>
    </message>
    <message>
        <source>+20 Minutes</source>
        <translation>+20 Minuten</translation>
    </message>
    <message>
        <source>+1 Hour</source>
        <translation>+1 Stunde</translation>
    </message>
    <message>
        <source>+2 Hours</source>
        <translation>+2 Stunden</translation>
    </message>
    <message>
        <source>+6 Hours</source>
        <translation>+6 Stunden</translation>
    </message>
    <message>
        <source>+12 Hours</source>
        <translation>+12 Stunden</translation>
    </message>
    <message>
        <source>+1 Day</source>
        <translation>+1 Tag</translation>
    </message>
    <message>
        <source>+1 Week</source>
        <translation>+1 Woche</translation>
    </message>
    <message>
        <source>-1 Minute</source>
        <translation>-1 Minute</translation>
    </message>
    <message>
        <source>-5 Minutes</source>
        <translation>-5 Minuten</translation>
    </message>
    <message>
        <source>-20 Minutes</source>
        <translation>-20 Minuten</translation>
    </message>
    <message>
        <source>-1 Hour</source>
        <translation>-1 Stunde</translation>
    </message>
    <message>
        <source>-2 Hours</source>
        <translation>-2 Stunden</translation>
    </message>
    <message>
        <source>-6 Hours</source>
        <translation>-6 Stunden</translation>
    </message>
    <message>
        <source>-12 Hours</source>
        <translation>-12 Stunden</translation>
    </message>
    <message>
        <source>-1 Day</source>
        <translation>-1 Tag</translation>
    </message>
    <message>
        <source>-1 Week</source>
        <translation>-1 Woche</translation>
    </message>
    <message>
        <source>What&apos;s this?</source>
        <translation>Was ist das?</translation>
    </message>
    <message>
        <source>Delete all reminders which are marked as Done?</source>
        <translation>Alle als erledigt markierten Erinnerungen löschen?</translation>
    </message>
    <message>
        <source>Delete all reminders which are marked as Expired?</source>
        <translation>Alle als abgelaufen markierten Erinnerungen löschen?</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Erledigt</translation>
    </message>
    <message>
        <source>Expired</source>
        <translation>Abgelaufen</translation>
    </message>
    <message>
        <source>No reminders deleted</source>
        <translation>Keine Erinnerungen gelöscht</translation>
    </message>
    <message>
        <source>Deleted %1 reminders marked %2</source>
        <translation>%1 Erinnerungen mit „%2“ gelöscht</translation>
    </message>
</context>
<context>
    <name>UserTimeText</name>
    <message>
        <source>Invalid time. Please use your regional time format
   Example: </source>
        <translation>Ungültige Zeit. Bitte verwenden Sie Ihr regionales Zeitformat
   Beispiel: </translation>
    </message>
</context>
<context>
    <name>nudgery::HistoryModel</name>
    <message>
        <source>Due</source>
        <translation>Fällig</translation>
    </message>
    <message>
        <source>Reminder</source>
        <translation>Erinnerung</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Antwort</translation>
    </message>
    <message>
        <source>Shown</source>
        <translation>Gezeigt</translation>
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
        <translation>Über Nudgery!</translation>
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
        <translation>%1-Bit-Version</translation>
    </message>
</context>
<context>
    <name>nudgery::TActionSoundFrame</name>
    <message>
        <source>When this reminder is triggered:</source>
        <translation>Wenn diese Erinnerung fällig wird:</translation>
    </message>
    <message>
        <source>Select the action to take when a reminder
is triggered</source>
        <translation>Wählen Sie, was geschehen soll,
wenn eine Erinnerung fällig wird</translation>
    </message>
    <message>
        <source>Specify &amp;Sound File to play (*.wav or *.mid): </source>
        <translation>&amp;Klangdatei zum Abspielen (*.wav oder *.mid): </translation>
    </message>
    <message>
        <source>&amp;Choose</source>
        <translation>&amp;Wählen</translation>
    </message>
    <message>
        <source>Play &amp;Now</source>
        <translation>Abs&amp;pielen</translation>
    </message>
    <message>
        <source>Play the sound file you have selected</source>
        <translation>Die gewählte Klangdatei abspielen</translation>
    </message>
    <message>
        <source>Shhhh</source>
        <translation>Pssst</translation>
    </message>
    <message>
        <source>Stop a sound file from playing</source>
        <translation>Das Abspielen einer Klangdatei beenden</translation>
    </message>
</context>
<context>
    <name>nudgery::TAlarmShow</name>
    <message>
        <source>5 minutes</source>
        <translation>5 Minuten</translation>
    </message>
    <message>
        <source>Add 5 minutes to reminder time</source>
        <translation>Die Erinnerung um 5 Minuten verschieben</translation>
    </message>
    <message>
        <source>10 minutes</source>
        <translation>10 Minuten</translation>
    </message>
    <message>
        <source>Add 10 minutes to reminder time</source>
        <translation>Die Erinnerung um 10 Minuten verschieben</translation>
    </message>
    <message>
        <source>30 minutes</source>
        <translation>30 Minuten</translation>
    </message>
    <message>
        <source>Add 30 minutes to reminder time</source>
        <translation>Die Erinnerung um 30 Minuten verschieben</translation>
    </message>
    <message>
        <source>1 hour</source>
        <translation>1 Stunde</translation>
    </message>
    <message>
        <source>Add 60 minutes to reminder time</source>
        <translation>Die Erinnerung um 60 Minuten verschieben</translation>
    </message>
    <message>
        <source>2 hours</source>
        <translation>2 Stunden</translation>
    </message>
    <message>
        <source>Add 2 hours to reminder time</source>
        <translation>Die Erinnerung um 2 Stunden verschieben</translation>
    </message>
    <message>
        <source>4 hours</source>
        <translation>4 Stunden</translation>
    </message>
    <message>
        <source>Add 4 hours to reminder time</source>
        <translation>Die Erinnerung um 4 Stunden verschieben</translation>
    </message>
    <message>
        <source>24 hours</source>
        <translation>24 Stunden</translation>
    </message>
    <message>
        <source>Add 24 hours (one full day) to reminder time</source>
        <translation>Die Erinnerung um 24 Stunden (einen ganzen Tag) verschieben</translation>
    </message>
    <message>
        <source>1 week</source>
        <translation>1 Woche</translation>
    </message>
    <message>
        <source>Add one full week  to reminder time</source>
        <translation>Die Erinnerung um eine ganze Woche verschieben</translation>
    </message>
    <message>
        <source>Reminder Notification</source>
        <translation>Fällige Erinnerung</translation>
    </message>
    <message>
        <source>Remind me again in:</source>
        <translation>Erneut erinnern in:</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Delete this reminder</source>
        <translation>Diese Erinnerung löschen</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Terminate this alarm</source>
        <translation>Diese Erinnerung beenden</translation>
    </message>
    <message>
        <source>Timeout in   %1:%2</source>
        <translation>Zeitablauf in   %1:%2</translation>
    </message>
    <message>
        <source>Timeout in   :%1</source>
        <translation>Zeitablauf in   :%1</translation>
    </message>
</context>
<context>
    <name>nudgery::TDayRuleFrame</name>
    <message>
        <source>of Each Month</source>
        <translation>jedes Monats</translation>
    </message>
    <message>
        <source>of January</source>
        <translation>im Januar</translation>
    </message>
    <message>
        <source>of February</source>
        <translation>im Februar</translation>
    </message>
    <message>
        <source>of March</source>
        <translation>im März</translation>
    </message>
    <message>
        <source>of April</source>
        <translation>im April</translation>
    </message>
    <message>
        <source>of May</source>
        <translation>im Mai</translation>
    </message>
    <message>
        <source>of June</source>
        <translation>im Juni</translation>
    </message>
    <message>
        <source>of July</source>
        <translation>im Juli</translation>
    </message>
    <message>
        <source>of August</source>
        <translation>im August</translation>
    </message>
    <message>
        <source>of September</source>
        <translation>im September</translation>
    </message>
    <message>
        <source>of October</source>
        <translation>im Oktober</translation>
    </message>
    <message>
        <source>of November</source>
        <translation>im November</translation>
    </message>
    <message>
        <source>of December</source>
        <translation>im Dezember</translation>
    </message>
    <message>
        <source>Select the month, or choose &quot;of Each Month&quot;
for all months</source>
        <translation>Wählen Sie den Monat oder „jedes Monats“
für alle Monate</translation>
    </message>
    <message>
        <source>Mon</source>
        <translation>Mo</translation>
    </message>
    <message>
        <source>Tues</source>
        <translation>Di</translation>
    </message>
    <message>
        <source>Wed</source>
        <translation>Mi</translation>
    </message>
    <message>
        <source>Thu</source>
        <translation>Do</translation>
    </message>
    <message>
        <source>Fri</source>
        <translation>Fr</translation>
    </message>
    <message>
        <source>Sat</source>
        <translation>Sa</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>So</translation>
    </message>
    <message>
        <source>Day of the Week</source>
        <translation>Wochentag</translation>
    </message>
    <message>
        <source>Check here to choose a &apos;Days of the Week&apos; 
style Repeating Reminder</source>
        <translation>Hier ankreuzen für eine Erinnerung
an bestimmten Wochentagen</translation>
    </message>
    <message>
        <source>Check to use this reminder on this day of 
each week</source>
        <translation>Ankreuzen, um diese Erinnerung an diesem
Tag jeder Woche zu nutzen</translation>
    </message>
    <message>
        <source>All Days</source>
        <translation>Alle Tage</translation>
    </message>
    <message>
        <source>Check to include all days</source>
        <translation>Ankreuzen für alle Tage</translation>
    </message>
    <message>
        <source>Special</source>
        <translation>Besonders</translation>
    </message>
    <message>
        <source>Check here to choose a &apos;nth Day of Month&apos; 
style Repeating Reminder</source>
        <translation>Hier ankreuzen für eine Erinnerung
am n-ten Tag des Monats</translation>
    </message>
    <message>
        <source>first</source>
        <translation>ersten</translation>
    </message>
    <message>
        <source>second</source>
        <translation>zweiten</translation>
    </message>
    <message>
        <source>third</source>
        <translation>dritten</translation>
    </message>
    <message>
        <source>fourth</source>
        <translation>vierten</translation>
    </message>
    <message>
        <source>fifth</source>
        <translation>fünften</translation>
    </message>
    <message>
        <source>last</source>
        <translation>letzten</translation>
    </message>
    <message>
        <source>Select the occurrance: First, 2nd, 3rd, 4th, 5th
or Last</source>
        <translation>Wählen Sie das Vorkommen: erstes, 2., 3., 4., 5.
oder letztes</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Sonntag</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Montag</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Dienstag</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>Mittwoch</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Donnerstag</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Freitag</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Samstag</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Tag</translation>
    </message>
    <message>
        <source>Select the weekday (Sun-Sat), or select  &quot;Day&quot; 
for any day.</source>
        <translation>Wählen Sie den Wochentag (So–Sa) oder „Tag“
für jeden beliebigen Tag.</translation>
    </message>
    <message>
        <source>Day of the Month</source>
        <translation>Tag im Monat</translation>
    </message>
    <message>
        <source>Check here to choose a &apos;Day of the Month&apos; 
style Repeating Reminder</source>
        <translation>Hier ankreuzen für eine Erinnerung
an einem Tag im Monat</translation>
    </message>
    <message>
        <source>Select the day of the month (1-31)</source>
        <translation>Wählen Sie den Tag im Monat (1–31)</translation>
    </message>
    <message>
        <source>Day of the month</source>
        <translation>Tag im Monat</translation>
    </message>
    <message>
        <source>Day of the Year</source>
        <translation>Tag im Jahr</translation>
    </message>
    <message>
        <source>Check here to choose a &apos;Day of the Year&apos; 
style Repeating Reminder</source>
        <translation>Hier ankreuzen für eine Erinnerung
an einem Tag im Jahr</translation>
    </message>
    <message>
        <source>Select the day of the year (1-365)</source>
        <translation>Wählen Sie den Tag im Jahr (1–365)</translation>
    </message>
    <message>
        <source>Day of the year</source>
        <translation>Tag im Jahr</translation>
    </message>
    <message>
        <source>Invalid day of month entered </source>
        <translation>Ungültiger Tag im Monat eingegeben </translation>
    </message>
    <message>
        <source>Invalid month entered </source>
        <translation>Ungültiger Monat eingegeben </translation>
    </message>
    <message>
        <source>Invalid day of year entered </source>
        <translation>Ungültiger Tag im Jahr eingegeben </translation>
    </message>
    <message>
        <source>Invalid value entered for Special category</source>
        <translation>Ungültiger Wert für „Besonders“ eingegeben</translation>
    </message>
    <message>
        <source>You must select at least one day for this 
reminder to occur on</source>
        <translation>Sie müssen mindestens einen Tag wählen,
an dem diese Erinnerung stattfindet</translation>
    </message>
</context>
<context>
    <name>nudgery::TEditAlarmExact</name>
    <message>
        <source>Reminder Description</source>
        <translation>Einmalige Erinnerung</translation>
    </message>
    <message>
        <source>Path and name of the sound file (*.wav or *.mid)</source>
        <translation>Pfad und Name der Klangdatei (*.wav oder *.mid)</translation>
    </message>
    <message>
        <source>Click on the reminder date</source>
        <translation>Klicken Sie auf das Datum der Erinnerung</translation>
    </message>
    <message>
        <source>Reminder date</source>
        <translation>Datum der Erinnerung</translation>
    </message>
    <message>
        <source>Click on the reminder date, or move to it with the arrow keys</source>
        <translation>Klicken Sie auf das Datum der Erinnerung oder wählen Sie es mit den Pfeiltasten</translation>
    </message>
    <message>
        <source>&amp;Time</source>
        <translation>&amp;Zeit</translation>
    </message>
    <message>
        <source>Enter the reminder time here</source>
        <translation>Geben Sie hier die Zeit der Erinnerung ein</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Quick Time Set</source>
        <translation>Schnelle Zeitwahl</translation>
    </message>
    <message>
        <source>Show the previous year</source>
        <translation>Das vorige Jahr zeigen</translation>
    </message>
    <message>
        <source>Previous year</source>
        <translation>Voriges Jahr</translation>
    </message>
    <message>
        <source>Show the previous month</source>
        <translation>Den vorigen Monat zeigen</translation>
    </message>
    <message>
        <source>Previous month</source>
        <translation>Voriger Monat</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Heute</translation>
    </message>
    <message>
        <source>Show today&apos;s date</source>
        <translation>Das heutige Datum zeigen</translation>
    </message>
    <message>
        <source>Show the next month</source>
        <translation>Den nächsten Monat zeigen</translation>
    </message>
    <message>
        <source>Next month</source>
        <translation>Nächster Monat</translation>
    </message>
    <message>
        <source>Show the next year</source>
        <translation>Das nächste Jahr zeigen</translation>
    </message>
    <message>
        <source>Next year</source>
        <translation>Nächstes Jahr</translation>
    </message>
</context>
<context>
    <name>nudgery::TEditAlarmRepeating</name>
    <message>
        <source>Repeating Reminder Description</source>
        <translation>Wiederholte Erinnerung</translation>
    </message>
    <message>
        <source>Type in the path and name of the sound file (*.wav or *.mid)</source>
        <translation>Geben Sie Pfad und Name der Klangdatei ein (*.wav oder *.mid)</translation>
    </message>
    <message>
        <source>&amp;Starting Time</source>
        <translation>Anfangs&amp;zeit</translation>
    </message>
    <message>
        <source>Enter the reminder time here</source>
        <translation>Geben Sie hier die Zeit der Erinnerung ein</translation>
    </message>
    <message>
        <source>Starting time</source>
        <translation>Anfangszeit</translation>
    </message>
    <message>
        <source>Quick Time Set for the starting time</source>
        <translation>Schnelle Zeitwahl für die Anfangszeit</translation>
    </message>
    <message>
        <source>Once per day</source>
        <translation>Einmal am Tag</translation>
    </message>
    <message>
        <source>Check here to have this reminder occur 
only once per day</source>
        <translation>Hier ankreuzen, damit diese Erinnerung
nur einmal am Tag erscheint</translation>
    </message>
    <message>
        <source>Repeat Every</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>Check here to have this reminder repeat itself
at predefined intervals </source>
        <translation>Hier ankreuzen, damit sich diese Erinnerung
in festen Abständen wiederholt</translation>
    </message>
    <message>
        <source>Enter the number of minutes for the repeat
interval for this reminder</source>
        <translation>Geben Sie die Minuten zwischen den
Wiederholungen dieser Erinnerung ein</translation>
    </message>
    <message>
        <source>Repeat interval in minutes</source>
        <translation>Abstand der Wiederholungen in Minuten</translation>
    </message>
    <message>
        <source>min</source>
        <translation>Min.</translation>
    </message>
    <message>
        <source>For rest of day</source>
        <translation>Bis Tagesende</translation>
    </message>
    <message>
        <source>Check here to have this reminder continue 
repeating at the defined intervals for the rest 
of the day</source>
        <translation>Hier ankreuzen, damit sich diese Erinnerung
für den Rest des Tages in den festgelegten
Abständen wiederholt</translation>
    </message>
    <message>
        <source>Until</source>
        <translation>Bis</translation>
    </message>
    <message>
        <source>Check here to have this reminder continue 
repeating at the defined intervals until a 
specified time</source>
        <translation>Hier ankreuzen, damit sich diese Erinnerung
bis zu einer bestimmten Zeit in den
festgelegten Abständen wiederholt</translation>
    </message>
    <message>
        <source>Enter the ending time here</source>
        <translation>Geben Sie hier die Endzeit ein</translation>
    </message>
    <message>
        <source>Ending time</source>
        <translation>Endzeit</translation>
    </message>
    <message>
        <source>Quick Time Set for the ending time</source>
        <translation>Schnelle Zeitwahl für die Endzeit</translation>
    </message>
    <message>
        <source>Invalid ENDING time. Please use your regional time format
   Example: </source>
        <translation>Ungültige ENDZEIT. Bitte verwenden Sie Ihr regionales Zeitformat
   Beispiel: </translation>
    </message>
    <message>
        <source>Invalid ENDING time. Must be greater than starting time</source>
        <translation>Ungültige ENDZEIT. Sie muss nach der Anfangszeit liegen</translation>
    </message>
    <message>
        <source>Repeat interval must be greater than 10 minutes</source>
        <translation>Der Abstand der Wiederholungen muss größer als 10 Minuten sein</translation>
    </message>
</context>
<context>
    <name>nudgery::THistoryWindow</name>
    <message>
        <source>History</source>
        <translation>Verlauf</translation>
    </message>
    <message>
        <source>Text in the message</source>
        <translation>Text in der Nachricht</translation>
    </message>
    <message>
        <source>&amp;Find:</source>
        <translation>&amp;Suchen:</translation>
    </message>
    <message>
        <source>On &amp;day:</source>
        <translation>Am &amp;Tag:</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Tag</translation>
    </message>
    <message>
        <source>Show &amp;All</source>
        <translation>&amp;Alle zeigen</translation>
    </message>
    <message>
        <source>Reminders shown and answered</source>
        <translation>Gezeigte und beantwortete Erinnerungen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Only the repeating reminder &quot;%1&quot;</source>
        <translation>Nur die wiederholte Erinnerung „%1“</translation>
    </message>
    <message>
        <source>Only the one-time reminder &quot;%1&quot;</source>
        <translation>Nur die einmalige Erinnerung „%1“</translation>
    </message>
    <message>
        <source>1 entry</source>
        <translation>1 Eintrag</translation>
    </message>
    <message>
        <source>%L1 entries</source>
        <translation>%L1 Einträge</translation>
    </message>
</context>
<context>
    <name>nudgery::TImportPreview</name>
    <message>
        <source>Import Calendar File</source>
        <translation>Kalenderdatei importieren</translation>
    </message>
    <message>
        <source>Will be added:</source>
        <translation>Wird hinzugefügt:</translation>
    </message>
    <message>
        <source>Reminder</source>
        <translation>Erinnerung</translation>
    </message>
    <message>
        <source>When</source>
        <translation>Wann</translation>
    </message>
    <message>
        <source>Reminders that will be added</source>
        <translation>Erinnerungen, die hinzugefügt werden</translation>
    </message>
    <message>
        <source>Cannot be taken:</source>
        <translation>Kann nicht übernommen werden:</translation>
    </message>
    <message>
        <source>Entry</source>
        <translation>Eintrag</translation>
    </message>
    <message>
        <source>Why</source>
        <translation>Grund</translation>
    </message>
    <message>
        <source>Entries that cannot be taken</source>
        <translation>Einträge, die nicht übernommen werden können</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Hinzufügen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>nudgery::TMessageBand</name>
    <message>
        <source>&amp;Message</source>
        <translation>&amp;Nachricht</translation>
    </message>
    <message>
        <source>[Type reminder message here]</source>
        <translation>[Nachricht der Erinnerung hier eingeben]</translation>
    </message>
    <message>
        <source>Type your reminder message here
(at most %1 characters)</source>
        <translation>Geben Sie hier die Nachricht ein
(höchstens %1 Zeichen)</translation>
    </message>
</context>
<context>
    <name>nudgery::TMissedReminders</name>
    <message>
        <source>Missed Reminders</source>
        <translation>Verpasste Erinnerungen</translation>
    </message>
    <message>
        <source>These reminders fell due while Nudgery! could not show them:</source>
        <translation>Diese Erinnerungen wurden fällig, als Nudgery! sie nicht zeigen konnte:</translation>
    </message>
    <message>
        <source>Reminder</source>
        <translation>Erinnerung</translation>
    </message>
    <message>
        <source>When</source>
        <translation>Wann</translation>
    </message>
    <message>
        <source>Missed reminders</source>
        <translation>Verpasste Erinnerungen</translation>
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
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Default action when a reminder is triggered</source>
        <translation>Standardaktion, wenn eine Erinnerung fällig wird</translation>
    </message>
    <message>
        <source>Select the default action to take when a reminder
is triggered</source>
        <translation>Wählen Sie, was standardmäßig geschehen soll,
wenn eine Erinnerung fällig wird</translation>
    </message>
    <message>
        <source>Default Sound File (*.wav or *.mid)</source>
        <translation>Standard-Klangdatei (*.wav oder *.mid)</translation>
    </message>
    <message>
        <source>Path and name of the sound file (*.wav or *.mid)</source>
        <translation>Pfad und Name der Klangdatei (*.wav oder *.mid)</translation>
    </message>
    <message>
        <source>&amp;Choose</source>
        <translation>&amp;Wählen</translation>
    </message>
    <message>
        <source>Play &amp;Now</source>
        <translation>Abs&amp;pielen</translation>
    </message>
    <message>
        <source>Play the sound file you have selected</source>
        <translation>Die gewählte Klangdatei abspielen</translation>
    </message>
    <message>
        <source>Shhhh</source>
        <translation>Pssst</translation>
    </message>
    <message>
        <source>Stop a sound file from playing</source>
        <translation>Das Abspielen einer Klangdatei beenden</translation>
    </message>
    <message>
        <source>When Nudgery! shows a reminder,  there may be times when you are not at your desk and cannot respond by clicking one of the buttons. In this situation, Nudgery should:</source>
        <translation>Wenn Nudgery! eine Erinnerung zeigt, sind Sie vielleicht nicht am Platz und können auf keine Schaltfläche klicken. In diesem Fall soll Nudgery:</translation>
    </message>
    <message>
        <source>Continue waiting </source>
        <translation>Weiter warten </translation>
    </message>
    <message>
        <source>Select here to have Nudgery! continue waiting
indefinately</source>
        <translation>Hier wählen, damit Nudgery! unbegrenzt
weiter wartet</translation>
    </message>
    <message>
        <source>Wait for</source>
        <translation>Warten</translation>
    </message>
    <message>
        <source>Select here to have Nudgery! timeout after a
certain number of minutes</source>
        <translation>Hier wählen, damit Nudgery! nach einer
bestimmten Anzahl Minuten abbricht</translation>
    </message>
    <message>
        <source>Select the number of minutes Nudgery! should
wait before a timeout</source>
        <translation>Wählen Sie, wie viele Minuten Nudgery!
warten soll</translation>
    </message>
    <message>
        <source>minutes, then:</source>
        <translation>Minuten, dann:</translation>
    </message>
    <message>
        <source>Click the OK button</source>
        <translation>OK anklicken</translation>
    </message>
    <message>
        <source>Click the 5 minutes button</source>
        <translation>„5 Minuten“ anklicken</translation>
    </message>
    <message>
        <source>Click the 10 minutes button</source>
        <translation>„10 Minuten“ anklicken</translation>
    </message>
    <message>
        <source>Click the 30 minutes button</source>
        <translation>„30 Minuten“ anklicken</translation>
    </message>
    <message>
        <source>Click the 60 minutes button</source>
        <translation>„60 Minuten“ anklicken</translation>
    </message>
    <message>
        <source>Nudgery should take the following action when
a time-out is reached</source>
        <translation>Was Nudgery tun soll, wenn die
Wartezeit abgelaufen ist</translation>
    </message>
    <message>
        <source>Minutes to wait</source>
        <translation>Minuten Wartezeit</translation>
    </message>
    <message>
        <source>Show Hints</source>
        <translation>Tipps zeigen</translation>
    </message>
    <message>
        <source>Show popup help hints when the mouse
passes over a screen item (like this!)</source>
        <translation>Hilfetipps zeigen, wenn die Maus
über einem Element steht (wie hier!)</translation>
    </message>
    <message>
        <source>Show popup help hints when the mouse passes over a screen item</source>
        <translation>Hilfetipps zeigen, wenn die Maus über einem Element steht</translation>
    </message>
    <message>
        <source>Minimize to System Tray</source>
        <translation>In den Infobereich minimieren</translation>
    </message>
    <message>
        <source>Nudgery will place its icon in the System 
Tray when minimized</source>
        <translation>Nudgery legt sein Symbol beim Minimieren
in den Infobereich</translation>
    </message>
    <message>
        <source>Nudgery will place its icon in the System Tray when minimized</source>
        <translation>Nudgery legt sein Symbol beim Minimieren in den Infobereich</translation>
    </message>
    <message>
        <source>Animate Tray Icon</source>
        <translation>Symbol im Infobereich bewegen</translation>
    </message>
    <message>
        <source>Check here if you want a ticking clock for
Nudgery!&apos;s tray icon</source>
        <translation>Hier ankreuzen für eine tickende Uhr
als Symbol von Nudgery!</translation>
    </message>
    <message>
        <source>Also show a desktop notification</source>
        <translation>Auch als Desktop-Benachrichtigung</translation>
    </message>
    <message>
        <source>Also show each reminder in the desktop&apos;s notifications
when it falls due</source>
        <translation>Jede fällige Erinnerung auch in den
Benachrichtigungen des Desktops zeigen</translation>
    </message>
    <message>
        <source>&amp;Repeat the sound until answered, every</source>
        <translation>&amp;Klang wiederholen, bis beantwortet, alle</translation>
    </message>
    <message>
        <source>Play the reminder&apos;s sound again and again while its
notification waits for your answer</source>
        <translation>Den Klang der Erinnerung immer wieder abspielen,
solange sie auf Ihre Antwort wartet</translation>
    </message>
    <message>
        <source>Seconds of quiet before the sound plays again</source>
        <translation>Sekunden Stille, bevor der Klang erneut spielt</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>Sekunden</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Save this time</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>Cancel all changes made</source>
        <translation>Alle Änderungen verwerfen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Seconds between repeats of the sound</source>
        <translation>Sekunden zwischen den Wiederholungen des Klangs</translation>
    </message>
</context>
<context>
    <name>nudgery::TReminderEditor</name>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Save and Set the reminder as specified</source>
        <translation>Die Erinnerung wie angegeben speichern und stellen</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>Cancel all changes made</source>
        <translation>Alle Änderungen verwerfen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
</context>
<context>
    <name>nudgery::TSetTimeDialog</name>
    <message>
        <source>%1 PM</source>
        <translation>%1 nachm.</translation>
    </message>
    <message>
        <source>%1 AM</source>
        <translation>%1 vorm.</translation>
    </message>
    <message>
        <source>1 minute</source>
        <translation>1 Minute</translation>
    </message>
    <message>
        <source>%1 minutes</source>
        <translation>%1 Minuten</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>Stunde</translation>
    </message>
    <message>
        <source>Minute</source>
        <translation>Minute</translation>
    </message>
    <message>
        <source>Click to set the hours portion of the time</source>
        <translation>Klicken, um die Stunde einzustellen</translation>
    </message>
    <message>
        <source>AM</source>
        <translation>vorm.</translation>
    </message>
    <message>
        <source>PM</source>
        <translation>nachm.</translation>
    </message>
    <message>
        <source>Click to set the minutes portion of the time</source>
        <translation>Klicken, um die Minuten einzustellen</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Save this time</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>Cancel all changes made</source>
        <translation>Alle Änderungen verwerfen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Set Time As: </source>
        <translation>Zeit stellen auf: </translation>
    </message>
</context>
<context>
    <name>nudgery::TTimeEntry</name>
    <message>
        <source>Click for Quick Time Set</source>
        <translation>Klicken für die schnelle Zeitwahl</translation>
    </message>
</context>
</TS>
