<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>AddressBook</name>
    <message>
        <source>Cannot create the address book &quot;%1&quot;: %2</source>
        <translation>Das Adressbuch „%1“ kann nicht angelegt werden: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a folder, not an address book.</source>
        <translation>„%1“ ist ein Ordner, kein Adressbuch.</translation>
    </message>
    <message>
        <source>Cannot read the address book &quot;%1&quot;: %2</source>
        <translation>Das Adressbuch „%1“ kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a vCard file; the address book was left as it is.</source>
        <translation>„%1“ ist keine vCard-Datei; das Adressbuch blieb unverändert.</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;: %2</source>
        <translation>„%1“ kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>The address book &quot;%1&quot; is in use; the changes were not saved.</source>
        <translation>Das Adressbuch „%1“ wird gerade verwendet; die Änderungen wurden nicht gespeichert.</translation>
    </message>
    <message>
        <source>Cannot lock the address book &quot;%1&quot;: %2; the changes were not saved.</source>
        <translation>Das Adressbuch „%1“ kann nicht gesperrt werden: %2; die Änderungen wurden nicht gespeichert.</translation>
    </message>
    <message>
        <source>There is no folder for the user&apos;s address book.</source>
        <translation>Es gibt keinen Ordner für das Adressbuch des Benutzers.</translation>
    </message>
    <message>
        <source>Cannot read &quot;%1&quot;: %2.</source>
        <translation>„%1“ kann nicht gelesen werden: %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a vCard file.</source>
        <translation>„%1“ ist keine vCard-Datei.</translation>
    </message>
    <message>
        <source>Cannot export to &quot;%1&quot;: %2.</source>
        <translation>Export nach „%1“ nicht möglich: %2.</translation>
    </message>
    <message>
        <source>The address book &quot;%1&quot; changed while it was read.</source>
        <translation>Das Adressbuch „%1“ wurde geändert, während es gelesen wurde.</translation>
    </message>
</context>
<context>
    <name>AddressBookError</name>
    <message>
        <source>The address book could not be read.</source>
        <translation>Das Adressbuch konnte nicht gelesen werden.</translation>
    </message>
    <message>
        <source>The address book could not be saved.</source>
        <translation>Das Adressbuch konnte nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>Address Book</source>
        <translation>Adressbuch</translation>
    </message>
</context>
<context>
    <name>Application</name>
    <message>
        <source>Sends SMS text messages through the Quillo web SMS gateway.

One Pelicast runs per user: started again, it brings the window of the running one to the front and ends (exit status 0).

Exit status: 0 when the window was closed or another Pelicast took the start over, 2 on a wrong command line or gateway address.</source>
        <translation>Versendet SMS-Nachrichten über das Web-SMS-Gateway von Quillo.

Je Benutzer läuft ein Pelicast: Erneut gestartet, holt es das Fenster des laufenden nach vorn und endet (Rückgabewert 0).

Rückgabewert: 0, wenn das Fenster geschlossen wurde oder ein anderes Pelicast den Start übernommen hat, 2 bei einer falschen Befehlszeile oder Gateway-Adresse.</translation>
    </message>
    <message>
        <source>Unexpected argument &quot;%1&quot;.</source>
        <translation>Unerwartetes Argument „%1“.</translation>
    </message>
    <message>
        <source>another Pelicast runs but does not answer; starting anew.</source>
        <translation>ein anderes Pelicast läuft, antwortet aber nicht; es wird neu gestartet.</translation>
    </message>
</context>
<context>
    <name>BatchPlan</name>
    <message numerus="yes">
        <source>%n messages</source>
        <translation>
            <numerusform>%n Nachricht</numerusform>
            <numerusform>%n Nachrichten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n SMS</source>
        <translation>
            <numerusform>%n SMS</numerusform>
            <numerusform>%n SMS</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n credits</source>
        <translation>
            <numerusform>%n Credit</numerusform>
            <numerusform>%n Credits</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 in Unicode</source>
        <translation>%1 in Unicode</translation>
    </message>
    <message>
        <source>%1 with a field left empty</source>
        <translation>%1 mit leerem Feld</translation>
    </message>
    <message>
        <source>%1 over %2 characters</source>
        <translation>%1 über %2 Zeichen</translation>
    </message>
    <message>
        <source>%1 left out</source>
        <translation>%1 ausgelassen</translation>
    </message>
</context>
<context>
    <name>BatchStore</name>
    <message>
        <source>The journal %1 cannot be used: %2</source>
        <translation>Das Protokoll %1 kann nicht verwendet werden: %2</translation>
    </message>
    <message>
        <source>The batch was closed before this request was sent.</source>
        <translation>Die Serie wurde geschlossen, bevor diese Anfrage gesendet wurde.</translation>
    </message>
</context>
<context>
    <name>BoundedRead</name>
    <message>
        <source>larger than the limit of %1</source>
        <translation>größer als die Grenze von %1</translation>
    </message>
    <message>
        <source>a folder, not a file</source>
        <translation>ein Ordner, keine Datei</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>keine reguläre Datei</translation>
    </message>
</context>
<context>
    <name>ContactImport</name>
    <message>
        <source>The import was stopped; the address book was left as it was.</source>
        <translation>Der Import wurde abgebrochen; das Adressbuch blieb, wie es war.</translation>
    </message>
    <message numerus="yes">
        <source>Added %n contacts, skipped %1 already in the address book.</source>
        <translation>
            <numerusform>%n Kontakt hinzugefügt, %1 bereits im Adressbuch vorhandene übersprungen.</numerusform>
            <numerusform>%n Kontakte hinzugefügt, %1 bereits im Adressbuch vorhandene übersprungen.</numerusform>
        </translation>
    </message>
    <message>
        <source>Of the added contacts, %1 use a character set this system cannot read: their names may show wrongly.</source>
        <translation>Von den hinzugefügten Kontakten verwenden %1 einen Zeichensatz, den dieses System nicht lesen kann: Ihre Namen werden eventuell falsch angezeigt.</translation>
    </message>
</context>
<context>
    <name>ContactImportDialog</name>
    <message>
        <source>Import contacts</source>
        <translation>Kontakte importieren</translation>
    </message>
    <message>
        <source>vCard files (*.vcf *.vcard);;All files (*)</source>
        <translation>vCard-Dateien (*.vcf *.vcard);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Contacts are being imported. Please wait until it ends.</source>
        <translation>Kontakte werden gerade importiert. Bitte warten Sie, bis der Import beendet ist.</translation>
    </message>
    <message>
        <source>Importing contacts...</source>
        <translation>Kontakte werden importiert...</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Saving the address book...</source>
        <translation>Das Adressbuch wird gespeichert...</translation>
    </message>
</context>
<context>
    <name>ContactUpload</name>
    <message>
        <source>Group(s) ? (separate groups with ;)</source>
        <translation>Gruppe(n)? (Gruppen mit ; trennen)</translation>
    </message>
    <message>
        <source>Enter default group(s)</source>
        <translation>Standardgruppe(n) eingeben</translation>
    </message>
    <message>
        <source>Outlook Contacts</source>
        <translation>Outlook-Kontakte</translation>
    </message>
    <message>
        <source>Delete existing groups with this name ?</source>
        <translation>Vorhandene Gruppen mit diesem Namen löschen?</translation>
    </message>
    <message>
        <source>Collecting Address Book Contacts...</source>
        <translation>Kontakte des Adressbuchs werden gesammelt...</translation>
    </message>
    <message>
        <source>Sending Request to server...</source>
        <translation>Anfrage wird an den Server gesendet...</translation>
    </message>
</context>
<context>
    <name>ContactsTool</name>
    <message>
        <source>
Commands:
  list            One line per contact: the text the contact picker shows
                  (&quot;Surname, Firstname (mobile)&quot;), then a tab and its groups.
  import FILE...  Adds the cards of other vCard files (2.1, 3.0 or 4.0, as any
                  address book exports them). A card whose UID, or whose name
                  and mobile number, is already in the book is skipped. Each
                  file, as the book itself, is a regular file of at most 256 MiB.
  export FILE     Writes the whole address book to FILE as a vCard file.

Without --book the tool works on the address book Pelicast uses.

Exit status:
  0  done
  1  the address book or a file could not be read or written
  2  a wrong command line
</source>
        <translation>
Befehle:
  list            Eine Zeile je Kontakt: der Text, den die Kontaktauswahl zeigt
                  („Nachname, Vorname (Mobilnummer)“), dann ein Tabulator und seine Gruppen.
  import DATEI... Fügt die Karten anderer vCard-Dateien hinzu (2.1, 3.0 oder 4.0, wie
                  jedes Adressbuch sie exportiert). Eine Karte, deren UID oder deren Name
                  und Mobilnummer schon im Adressbuch steht, wird übersprungen. Jede
                  Datei ist, wie das Adressbuch selbst, eine reguläre Datei von höchstens 256 MiB.
  export DATEI    Schreibt das ganze Adressbuch als vCard-Datei nach DATEI.

Ohne --book arbeitet das Werkzeug mit dem Adressbuch, das Pelicast verwendet.

Rückgabewert:
  0  erledigt
  1  das Adressbuch oder eine Datei konnte nicht gelesen oder geschrieben werden
  2  eine falsche Befehlszeile
</translation>
    </message>
    <message numerus="yes">
        <source>Exported %n contacts to %1.</source>
        <translation>
            <numerusform>%n Kontakt nach %1 exportiert.</numerusform>
            <numerusform>%n Kontakte nach %1 exportiert.</numerusform>
        </translation>
    </message>
    <message>
        <source>Lists, imports and exports the contacts of Pelicast&apos;s address book.</source>
        <translation>Listet, importiert und exportiert die Kontakte des Adressbuchs von Pelicast.</translation>
    </message>
    <message>
        <source>Shows this help.</source>
        <translation>Zeigt diese Hilfe.</translation>
    </message>
    <message>
        <source>Shows the version.</source>
        <translation>Zeigt die Version.</translation>
    </message>
    <message>
        <source>Works on the vCard file PATH.</source>
        <translation>Arbeitet mit der vCard-Datei PATH.</translation>
    </message>
    <message>
        <source>list, import FILE... or export FILE.</source>
        <translation>list, import DATEI... oder export DATEI.</translation>
    </message>
    <message>
        <source>No command given; see --help.</source>
        <translation>Kein Befehl angegeben; siehe --help.</translation>
    </message>
    <message>
        <source>Wrong use of &quot;%1&quot;; see --help.</source>
        <translation>Falsche Verwendung von „%1“; siehe --help.</translation>
    </message>
</context>
<context>
    <name>DraftReview</name>
    <message>
        <source>… and %1 more</source>
        <translation>… und %1 weitere</translation>
    </message>
    <message>
        <source>… (%1 in all)</source>
        <translation>… (%1 insgesamt)</translation>
    </message>
    <message>
        <source>The message has %1 characters; at most %2 fit, a line break counting as one.</source>
        <translation>Die Nachricht hat %1 Zeichen; höchstens %2 passen hinein, ein Zeilenumbruch zählt als eines.</translation>
    </message>
    <message>
        <source>The message holds the control character U+%1, which phones do not show; only line breaks and tabs may be in a message.</source>
        <translation>Die Nachricht enthält das Steuerzeichen U+%1, das Telefone nicht anzeigen; nur Zeilenumbrüche und Tabulatoren dürfen in einer Nachricht stehen.</translation>
    </message>
    <message>
        <source>This recipient is not a possible phone number:</source>
        <translation>Dieser Empfänger ist keine mögliche Telefonnummer:</translation>
    </message>
    <message>
        <source>These recipients are not possible phone numbers:</source>
        <translation>Diese Empfänger sind keine möglichen Telefonnummern:</translation>
    </message>
    <message>
        <source>This recipient is not a possible phone number of %1:</source>
        <translation>Dieser Empfänger ist keine mögliche Telefonnummer von %1:</translation>
    </message>
    <message>
        <source>These recipients are not possible phone numbers of %1:</source>
        <translation>Diese Empfänger sind keine möglichen Telefonnummern von %1:</translation>
    </message>
    <message>
        <source>No default region is set, so this national number cannot be checked:</source>
        <translation>Es ist keine Standardregion festgelegt, daher kann diese nationale Nummer nicht geprüft werden:</translation>
    </message>
    <message>
        <source>No default region is set, so these national numbers cannot be checked:</source>
        <translation>Es ist keine Standardregion festgelegt, daher können diese nationalen Nummern nicht geprüft werden:</translation>
    </message>
    <message>
        <source>Please correct the recipients, or choose another default region in Options.</source>
        <translation>Bitte korrigieren Sie die Empfänger oder wählen Sie in den Optionen eine andere Standardregion.</translation>
    </message>
    <message>
        <source>These recipients name the same number:</source>
        <translation>Diese Empfänger bezeichnen dieselbe Nummer:</translation>
    </message>
    <message>
        <source>Send the message once to each number? (No sends it to every recipient as written.)</source>
        <translation>Die Nachricht an jede Nummer nur einmal senden? (Nein sendet sie an jeden Empfänger, wie geschrieben.)</translation>
    </message>
    <message>
        <source>Many networks replace or drop the originator “%1”. They carry a name of at most 11 letters, digits or other characters of the GSM alphabet, or a number of at most 15 digits with an optional leading +.</source>
        <translation>Viele Netze ersetzen oder verwerfen den Absender „%1“. Sie übertragen einen Namen aus höchstens 11 Buchstaben, Ziffern oder anderen Zeichen des GSM-Alphabets oder eine Nummer aus höchstens 15 Ziffern mit optionalem führendem +.</translation>
    </message>
    <message>
        <source>Send it all the same?</source>
        <translation>Trotzdem senden?</translation>
    </message>
    <message numerus="yes">
        <source>This message costs %1 credits for %n recipient(s), more than the %2 credits set in Options.</source>
        <translation>
            <numerusform>Diese Nachricht kostet %1 Credits für %n Empfänger, mehr als die in den Optionen festgelegten %2 Credits.</numerusform>
            <numerusform>Diese Nachricht kostet %1 Credits für %n Empfänger, mehr als die in den Optionen festgelegten %2 Credits.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>This message costs %1 credits for %n recipient(s), more than the %2 credits allowed for this send.</source>
        <translation>
            <numerusform>Diese Nachricht kostet %1 Credits für %n Empfänger, mehr als die für diesen Versand erlaubten %2 Credits.</numerusform>
            <numerusform>Diese Nachricht kostet %1 Credits für %n Empfänger, mehr als die für diesen Versand erlaubten %2 Credits.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DueRules</name>
    <message>
        <source>That is inside the quiet hours (%1): the messages go at %2.</source>
        <translation>Das liegt in den Ruhezeiten (%1): Die Nachrichten gehen um %2.</translation>
    </message>
    <message>
        <source>Choose the date and time the messages are to go.</source>
        <translation>Wählen Sie Datum und Uhrzeit, zu der die Nachrichten gehen sollen.</translation>
    </message>
    <message>
        <source>%1 has passed: choose a later time, or send now.</source>
        <translation>%1 ist vorbei: Wählen Sie eine spätere Zeit, oder senden Sie jetzt.</translation>
    </message>
    <message>
        <source>%1 does not exist in this time zone (the clocks skip it): choose another time.</source>
        <translation>%1 gibt es in dieser Zeitzone nicht (die Uhren überspringen sie): Wählen Sie eine andere Zeit.</translation>
    </message>
    <message>
        <source>“%1” is no time: write it as YYYY-MM-DD HH:MM (your local time), or in ISO 8601 with an offset, such as 2026-05-04T08:00+02:00.</source>
        <translation>„%1“ ist keine Zeit: Schreiben Sie sie als JJJJ-MM-TT HH:MM (Ihre Ortszeit) oder in ISO 8601 mit Versatz, etwa 2026-05-04T08:00+02:00.</translation>
    </message>
    <message>
        <source>%1 on %2</source>
        <translation>%1 am %2</translation>
    </message>
</context>
<context>
    <name>GatewayLocation</name>
    <message>
        <source>&quot;%1&quot; is not a gateway address: it begins with http:// or https:// and names a host, as in http://127.0.0.1:18080/.</source>
        <translation>„%1“ ist keine Gateway-Adresse: Sie beginnt mit http:// oder https:// und nennt einen Host, wie in http://127.0.0.1:18080/.</translation>
    </message>
    <message>
        <source>Talks to the gateway at URL (such as http://127.0.0.1:18080/, where pelicast-gateway listens) instead of Quillo&apos;s: its pages are at URL followed by the page&apos;s name. The environment variable PELICAST_GATEWAY does the same; this option wins.</source>
        <translation>Verwendet das Gateway unter URL (etwa http://127.0.0.1:18080/, wo pelicast-gateway lauscht) statt dem von Quillo: Seine Seiten liegen unter URL, gefolgt vom Namen der Seite. Die Umgebungsvariable PELICAST_GATEWAY bewirkt dasselbe; diese Option hat Vorrang.</translation>
    </message>
</context>
<context>
    <name>HelpCollection</name>
    <message>
        <source>The help file %1 cannot be opened. %2</source>
        <translation>Die Hilfedatei %1 kann nicht geöffnet werden. %2</translation>
    </message>
    <message>
        <source>The help file %1 is missing.</source>
        <translation>Die Hilfedatei %1 fehlt.</translation>
    </message>
</context>
<context>
    <name>HelpLauncher</name>
    <message>
        <source>Help cannot be shown: the help viewer &quot;%1&quot; could not be started.</source>
        <translation>Die Hilfe kann nicht angezeigt werden: Der Hilfebetrachter „%1“ konnte nicht gestartet werden.</translation>
    </message>
</context>
<context>
    <name>HelpViewer</name>
    <message>
        <source>Open the help at PAGE, a page&apos;s file name such as options.htm.</source>
        <translation>Öffnet die Hilfe bei PAGE, dem Dateinamen einer Seite wie options.htm.</translation>
    </message>
    <message>
        <source>Shows the help of Pelicast. One help window is open per user: started again, pelicast-help shows the topic in that window and ends.

Exit status: 0 when the window was closed or the open one took the topic, 1 when the help cannot be read, 2 on a wrong command line.</source>
        <translation>Zeigt die Hilfe von Pelicast. Je Benutzer ist ein Hilfefenster offen: Erneut gestartet, zeigt pelicast-help das Thema in diesem Fenster und endet.

Rückgabewert: 0, wenn das Fenster geschlossen wurde oder das offene das Thema übernommen hat, 1, wenn die Hilfe nicht gelesen werden kann, 2 bei einer falschen Befehlszeile.</translation>
    </message>
    <message>
        <source>Unexpected argument &quot;%1&quot;.</source>
        <translation>Unerwartetes Argument „%1“.</translation>
    </message>
    <message>
        <source>Pelicast Help</source>
        <translation>Pelicast-Hilfe</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Qt&apos;s SQLite driver is missing (Debian: libqt6sql6-sqlite).</source>
        <translation>Der SQLite-Treiber von Qt fehlt (Debian: libqt6sql6-sqlite).</translation>
    </message>
    <message>
        <source>It is damaged, and it cannot be set aside as %1: %2</source>
        <translation>Sie ist beschädigt und kann nicht als %1 beiseitegelegt werden: %2</translation>
    </message>
    <message>
        <source>The record of your requests (%1) was damaged. Pelicast set it aside, unchanged, as %2 and started a new one: History shows the requests from now on.</source>
        <translation>Das Protokoll Ihrer Anfragen (%1) war beschädigt. Pelicast hat es unverändert als %2 beiseitegelegt und ein neues begonnen: Der Verlauf zeigt die Anfragen von jetzt an.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be created.</source>
        <translation>Der Ordner %1 kann nicht angelegt werden.</translation>
    </message>
    <message>
        <source>It is not a file.</source>
        <translation>Sie ist keine Datei.</translation>
    </message>
    <message>
        <source>It was written by a newer version of Pelicast.</source>
        <translation>Sie wurde von einer neueren Version von Pelicast geschrieben.</translation>
    </message>
    <message>
        <source>The program ended before the answer came: the gateway may have acted on it.</source>
        <translation>Das Programm wurde beendet, bevor die Antwort kam: Das Gateway hat die Anfrage eventuell ausgeführt.</translation>
    </message>
    <message>
        <source>It is not open.</source>
        <translation>Sie ist nicht geöffnet.</translation>
    </message>
    <message>
        <source>The journal %1 cannot be used: %2</source>
        <translation>Das Protokoll %1 kann nicht verwendet werden: %2</translation>
    </message>
    <message>
        <source>Request %1 is no longer this program&apos;s to send.</source>
        <translation>Die Anfrage %1 darf nicht mehr von diesem Programm gesendet werden.</translation>
    </message>
</context>
<context>
    <name>QuietHours</name>
    <message>
        <source>“%1” are no quiet hours: write them as 21:00-08:00, or off.</source>
        <translation>„%1“ sind keine Ruhezeiten: Schreiben Sie sie als 21:00-08:00, oder off.</translation>
    </message>
    <message>
        <source>Quiet hours from %1 to %1 would never end: choose an end that differs from the start, or turn them off.</source>
        <translation>Ruhezeiten von %1 bis %1 endeten nie: Wählen Sie ein Ende, das vom Beginn abweicht, oder schalten Sie sie aus.</translation>
    </message>
</context>
<context>
    <name>RecipientList</name>
    <message>
        <source>Row %1: “%2”</source>
        <translation>Zeile %1: „%2“</translation>
    </message>
    <message>
        <source>“%1”</source>
        <translation>„%1“</translation>
    </message>
    <message>
        <source>%1 has the number of row %2.</source>
        <translation>%1 hat die Nummer von Zeile %2.</translation>
    </message>
    <message>
        <source>%1 has the number of “%2”.</source>
        <translation>%1 hat die Nummer von „%2“.</translation>
    </message>
    <message>
        <source>%1 is not a possible phone number.</source>
        <translation>%1 ist keine mögliche Telefonnummer.</translation>
    </message>
    <message>
        <source>Row %1 has no number.</source>
        <translation>Zeile %1 hat keine Nummer.</translation>
    </message>
    <message>
        <source>%1 has no member with a mobile number.</source>
        <translation>%1 hat kein Mitglied mit einer Mobilnummer.</translation>
    </message>
</context>
<context>
    <name>RecipientTable</name>
    <message>
        <source>Row %1: a quoted cell is not closed.</source>
        <translation>Zeile %1: Eine Zelle in Anführungszeichen wird nicht geschlossen.</translation>
    </message>
    <message>
        <source>Column %1</source>
        <translation>Spalte %1</translation>
    </message>
    <message>
        <source>The encoding “%1” is not known.</source>
        <translation>Die Kodierung „%1“ ist unbekannt.</translation>
    </message>
    <message>
        <source>“%1” is not a file.</source>
        <translation>„%1“ ist keine Datei.</translation>
    </message>
    <message>
        <source>“%1” is larger than %2 MiB, the most a list of recipients may be.</source>
        <translation>„%1“ ist größer als %2 MiB, das Höchstmaß einer Empfängerliste.</translation>
    </message>
    <message>
        <source>Cannot read “%1”: %2</source>
        <translation>„%1“ kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>This is not a text file. Save the list from the spreadsheet as CSV (comma-separated values) and choose that file.</source>
        <translation>Dies ist keine Textdatei. Speichern Sie die Liste aus der Tabellenkalkulation als CSV (durch Kommas getrennte Werte) und wählen Sie diese Datei.</translation>
    </message>
</context>
<context>
    <name>ScheduleStore</name>
    <message>
        <source>Batch %1 is no longer scheduled: it is being sent, was sent or was cancelled.</source>
        <translation>Serie %1 ist nicht mehr geplant: Sie wird gerade gesendet, wurde gesendet oder abgesagt.</translation>
    </message>
    <message>
        <source>The scheduled batch was cancelled.</source>
        <translation>Die geplante Serie wurde abgesagt.</translation>
    </message>
    <message>
        <source>Part of batch %1 was sent already: its text can no longer change.</source>
        <translation>Ein Teil von Serie %1 wurde bereits gesendet: Ihr Text kann sich nicht mehr ändern.</translation>
    </message>
</context>
<context>
    <name>SendChecks</name>
    <message>
        <source>Message</source>
        <translation>Nachricht</translation>
    </message>
    <message>
        <source>Recipients</source>
        <translation>Empfänger</translation>
    </message>
    <message>
        <source>Repeated recipients</source>
        <translation>Mehrfache Empfänger</translation>
    </message>
    <message>
        <source>Which country are they numbers of? It is kept as the default region, which Options can change.</source>
        <translation>Aus welchem Land sind diese Nummern? Es wird als Standardregion gespeichert, die in den Optionen geändert werden kann.</translation>
    </message>
    <message>
        <source>Default region</source>
        <translation>Standardregion</translation>
    </message>
    <message>
        <source>Press Send again to send with this originator all the same.</source>
        <translation>Klicken Sie erneut auf Senden, um trotzdem mit diesem Absender zu senden.</translation>
    </message>
    <message>
        <source>Originator</source>
        <translation>Absender</translation>
    </message>
    <message>
        <source>Cost above your limit</source>
        <translation>Kosten über Ihrer Grenze</translation>
    </message>
</context>
<context>
    <name>SendCommand</name>
    <message>
        <source>--%1 takes the number of a batch (see --batches), not &quot;%2&quot;.</source>
        <translation>--%1 erwartet die Nummer einer Serie (siehe --batches), nicht „%2“.</translation>
    </message>
    <message>
        <source>There is no batch %1 (see --batches).</source>
        <translation>Es gibt keine Serie %1 (siehe --batches).</translation>
    </message>
    <message>
        <source>No batch is unfinished.</source>
        <translation>Es gibt keine unfertige Serie.</translation>
    </message>
    <message>
        <source>%1, made %2 from %3</source>
        <translation>%1, erstellt %2 aus %3</translation>
    </message>
    <message>
        <source>Batch %1 is %2: it is not sent now.</source>
        <translation>Serie %1 ist %2: Sie wird jetzt nicht gesendet.</translation>
    </message>
    <message>
        <source>Batch %1 is of the account %2: leave out --user.</source>
        <translation>Serie %1 gehört zum Konto %2: Lassen Sie --user weg.</translation>
    </message>
    <message numerus="yes">
        <source>%n refused requests of batch %1 are sent again: each is charged when the gateway takes it this time.</source>
        <translation>
            <numerusform>%n abgelehnte Anfrage der Serie %1 wird erneut gesendet: Sie wird berechnet, wenn das Gateway sie diesmal annimmt.</numerusform>
            <numerusform>%n abgelehnte Anfragen der Serie %1 werden erneut gesendet: Jede wird berechnet, wenn das Gateway sie diesmal annimmt.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n requests of batch %1 that got no clear answer are sent again. The gateway may have sent them already: their recipients may get them twice, and each is paid again.</source>
        <translation>
            <numerusform>%n Anfrage der Serie %1 ohne klare Antwort wird erneut gesendet. Das Gateway hat sie eventuell schon gesendet: Ihre Empfänger erhalten sie womöglich zweimal, und sie wird erneut bezahlt.</numerusform>
            <numerusform>%n Anfragen der Serie %1 ohne klare Antwort werden erneut gesendet. Das Gateway hat sie eventuell schon gesendet: Ihre Empfänger erhalten sie womöglich zweimal, und jede wird erneut bezahlt.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Batch %1 is closed: %n queued requests will not be sent; History keeps the rest as they are.</source>
        <translation>
            <numerusform>Serie %1 ist geschlossen: %n wartende Anfrage wird nicht gesendet; der Verlauf behält die übrigen, wie sie sind.</numerusform>
            <numerusform>Serie %1 ist geschlossen: %n wartende Anfragen werden nicht gesendet; der Verlauf behält die übrigen, wie sie sind.</numerusform>
        </translation>
    </message>
    <message>
        <source>Template &quot;%1&quot; saved.</source>
        <translation>Vorlage „%1“ gespeichert.</translation>
    </message>
    <message>
        <source>Template &quot;%1&quot; deleted.</source>
        <translation>Vorlage „%1“ gelöscht.</translation>
    </message>
    <message>
        <source>No template is saved.</source>
        <translation>Es ist keine Vorlage gespeichert.</translation>
    </message>
    <message numerus="yes">
        <source>… and %n more</source>
        <translation>
            <numerusform>… und %n weitere</numerusform>
            <numerusform>… und %n weitere</numerusform>
        </translation>
    </message>
    <message>
        <source>%1
Nothing was sent.</source>
        <translation>%1
Nichts wurde gesendet.</translation>
    </message>
    <message>
        <source>batch %1: %2 written to the journal.</source>
        <translation>Serie %1: %2 ins Protokoll geschrieben.</translation>
    </message>
    <message>
        <source>--number-column names a column of --csv FILE.</source>
        <translation>--number-column benennt eine Spalte von --csv FILE.</translation>
    </message>
    <message>
        <source>No recipient: give --to, --group or --csv.</source>
        <translation>Kein Empfänger: Geben Sie --to, --group oder --csv an.</translation>
    </message>
    <message>
        <source>The address book cannot be read: %1</source>
        <translation>Das Adressbuch kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>--csv takes the recipients from the file: leave out --to and --group.</source>
        <translation>--csv nimmt die Empfänger aus der Datei: Lassen Sie --to und --group weg.</translation>
    </message>
    <message>
        <source>The list file %1 cannot be read: %2</source>
        <translation>Die Listendatei %1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>The list file %1 has no column &quot;%2&quot;; its columns: %3.</source>
        <translation>Die Listendatei %1 hat keine Spalte „%2“; ihre Spalten: %3.</translation>
    </message>
    <message>
        <source>No column of the list file %1 holds phone numbers; give --number-column (its columns: %2).</source>
        <translation>Keine Spalte der Listendatei %1 enthält Telefonnummern; geben Sie --number-column an (ihre Spalten: %2).</translation>
    </message>
    <message>
        <source>These recipients cannot be sent to:%1
Correct them, or leave them out.</source>
        <translation>An diese Empfänger kann nicht gesendet werden:%1
Korrigieren Sie sie oder lassen Sie sie weg.</translation>
    </message>
    <message>
        <source>Left out, each number getting one message:%1</source>
        <translation>Ausgelassen, damit jede Nummer eine Nachricht erhält:%1</translation>
    </message>
    <message>
        <source>No recipient is left to send to.</source>
        <translation>Es bleibt kein Empfänger, an den gesendet werden kann.</translation>
    </message>
    <message>
        <source>The message holds {%1}, which names no field of these recipients (%2). Write {{ and }} to send a brace itself.</source>
        <translation>Die Nachricht enthält {%1}, was kein Feld dieser Empfänger benennt (%2). Schreiben Sie {{ und }}, um eine geschweifte Klammer selbst zu senden.</translation>
    </message>
    <message>
        <source>--missing takes empty or skip, not &quot;%1&quot;.</source>
        <translation>--missing erwartet empty oder skip, nicht „%1“.</translation>
    </message>
    <message>
        <source>--too-long takes send or skip, not &quot;%1&quot;.</source>
        <translation>--too-long erwartet send oder skip, nicht „%1“.</translation>
    </message>
    <message>
        <source>--pause takes seconds from 0 to 3600, not &quot;%1&quot;.</source>
        <translation>--pause erwartet Sekunden von 0 bis 3600, nicht „%1“.</translation>
    </message>
    <message>
        <source>%1: no %2</source>
        <translation>%1: ohne %2</translation>
    </message>
    <message numerus="yes">
        <source>%n recipients have no value for a field of the message:%1
Give --missing empty to send the message with the field left empty, or --missing skip to leave them out.</source>
        <translation>
            <numerusform>%n Empfänger hat keinen Wert für ein Feld der Nachricht:%1
Geben Sie --missing empty an, um die Nachricht mit leerem Feld zu senden, oder --missing skip, um ihn auszulassen.</numerusform>
            <numerusform>%n Empfänger haben keinen Wert für ein Feld der Nachricht:%1
Geben Sie --missing empty an, um die Nachricht mit leerem Feld zu senden, oder --missing skip, um sie auszulassen.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n messages are over %1 characters once filled in:%2
Give --too-long send to send them as they are (in more parts), or --too-long skip to leave them out.</source>
        <translation>
            <numerusform>%n Nachricht hat ausgefüllt mehr als %1 Zeichen:%2
Geben Sie --too-long send an, um sie so zu senden, wie sie ist (in mehr Teilen), oder --too-long skip, um sie auszulassen.</numerusform>
            <numerusform>%n Nachrichten haben ausgefüllt mehr als %1 Zeichen:%2
Geben Sie --too-long send an, um sie so zu senden, wie sie sind (in mehr Teilen), oder --too-long skip, um sie auszulassen.</numerusform>
        </translation>
    </message>
    <message>
        <source>row %1 (%2)</source>
        <translation>Zeile %1 (%2)</translation>
    </message>
    <message>
        <source>Every message is empty or left out: nothing to send.</source>
        <translation>Jede Nachricht ist leer oder ausgelassen: Es gibt nichts zu senden.</translation>
    </message>
    <message>
        <source>%1
Give --max-cost %2 to send it all the same.</source>
        <translation>%1
Geben Sie --max-cost %2 an, um trotzdem zu senden.</translation>
    </message>
    <message>
        <source>Would send from %1 as %2: %3</source>
        <translation>Würde von %1 als %2 senden: %3</translation>
    </message>
    <message numerus="yes">
        <source>%1: %2 (%3 SMS, %4, %n credits)</source>
        <translation>
            <numerusform>%1: %2 (%3 SMS, %4, %n Credit)</numerusform>
            <numerusform>%1: %2 (%3 SMS, %4, %n Credits)</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing was sent: this was a dry run.</source>
        <translation>Nichts wurde gesendet: Dies war ein Probelauf.</translation>
    </message>
    <message numerus="yes">
        <source>%1 and %n more</source>
        <translation>
            <numerusform>%1 und %n weiterer</numerusform>
            <numerusform>%1 und %n weitere</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Batch %1, %n requests: %2 accepted, %3 refused, %4 unknown, %5 queued</source>
        <translation>
            <numerusform>Serie %1, %n Anfrage: %2 angenommen, %3 abgelehnt, %4 unbekannt, %5 wartend</numerusform>
            <numerusform>Serie %1, %n Anfragen: %2 angenommen, %3 abgelehnt, %4 unbekannt, %5 wartend</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>, %n being sent</source>
        <translation>
            <numerusform>, %n wird gesendet</numerusform>
            <numerusform>, %n werden gesendet</numerusform>
        </translation>
    </message>
    <message>
        <source>%1
A batch is written to the journal before anything is sent: nothing was sent.</source>
        <translation>%1
Eine Serie wird ins Protokoll geschrieben, bevor etwas gesendet wird: Nichts wurde gesendet.</translation>
    </message>
    <message>
        <source>pelicast-send was stopped by %1 before the answer came.</source>
        <translation>pelicast-send wurde durch %1 beendet, bevor die Antwort kam.</translation>
    </message>
    <message>
        <source>Stopped by %1 with a request out. %2</source>
        <translation>Durch %1 beendet, während eine Anfrage unterwegs war. %2</translation>
    </message>
    <message>
        <source>Stopped by %1.</source>
        <translation>Durch %1 beendet.</translation>
    </message>
    <message numerus="yes">
        <source>; %n credits spent</source>
        <translation>
            <numerusform>; %n Credit verbraucht</numerusform>
            <numerusform>; %n Credits verbraucht</numerusform>
        </translation>
    </message>
    <message>
        <source>; Credits Left:%1</source>
        <translation>; Verbleibende Credits:%1</translation>
    </message>
    <message numerus="yes">
        <source>%n requests of batch %1 got no clear answer: they may have been sent. Check your balance; pelicast-send never sends them again on its own (--resend-unknown %1 does, at the risk of sending them twice).</source>
        <translation>
            <numerusform>%n Anfrage der Serie %1 bekam keine klare Antwort: Sie wurde eventuell gesendet. Prüfen Sie Ihr Guthaben; pelicast-send sendet sie nie von selbst erneut (--resend-unknown %1 tut es, mit dem Risiko, sie zweimal zu senden).</numerusform>
            <numerusform>%n Anfragen der Serie %1 bekamen keine klare Antwort: Sie wurden eventuell gesendet. Prüfen Sie Ihr Guthaben; pelicast-send sendet sie nie von selbst erneut (--resend-unknown %1 tut es, mit dem Risiko, sie zweimal zu senden).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n requests of batch %1 are still queued: pelicast-send --continue %1 sends them.</source>
        <translation>
            <numerusform>%n Anfrage der Serie %1 wartet noch: pelicast-send --continue %1 sendet sie.</numerusform>
            <numerusform>%n Anfragen der Serie %1 warten noch: pelicast-send --continue %1 sendet sie.</numerusform>
        </translation>
    </message>
    <message>
        <source>A password is never taken on the command line: use --password-file or PELICAST_PASSWORD.</source>
        <translation>Ein Passwort wird nie auf der Befehlszeile angenommen: Verwenden Sie --password-file oder PELICAST_PASSWORD.</translation>
    </message>
    <message>
        <source>Unexpected argument &quot;%1&quot;.</source>
        <translation>Unerwartetes Argument „%1“.</translation>
    </message>
    <message>
        <source>--%1 is given %2 times; give it once.</source>
        <translation>--%1 ist %2-mal angegeben; geben Sie es einmal an.</translation>
    </message>
    <message>
        <source>Give one of --%1.</source>
        <translation>Geben Sie nur eine der Optionen --%1 an.</translation>
    </message>
    <message>
        <source>--%1 sends no message: leave out --%2.</source>
        <translation>--%1 sendet keine Nachricht: Lassen Sie --%2 weg.</translation>
    </message>
    <message>
        <source>--%1 has no dry run: leave out --dry-run.</source>
        <translation>--%1 hat keinen Probelauf: Lassen Sie --dry-run weg.</translation>
    </message>
    <message>
        <source>--max-cost takes a number of credits, not &quot;%1&quot;.</source>
        <translation>--max-cost erwartet eine Anzahl Credits, nicht „%1“.</translation>
    </message>
    <message>
        <source>--region takes a country&apos;s two-letter code, such as GR, not &quot;%1&quot;.</source>
        <translation>--region erwartet den zweibuchstabigen Code eines Landes, etwa GR, nicht „%1“.</translation>
    </message>
    <message>
        <source>Pelicast&apos;s settings %1</source>
        <translation>Die Einstellungen von Pelicast: %1</translation>
    </message>
    <message>
        <source>Standard input cannot be read: %1</source>
        <translation>Die Standardeingabe kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>The message on standard input cannot be read: %1.</source>
        <translation>Die Nachricht auf der Standardeingabe kann nicht gelesen werden: %1.</translation>
    </message>
    <message>
        <source>The text on standard input is not UTF-8.</source>
        <translation>Der Text auf der Standardeingabe ist kein UTF-8.</translation>
    </message>
    <message>
        <source>There is no template &quot;%1&quot; (see --templates).</source>
        <translation>Es gibt keine Vorlage „%1“ (siehe --templates).</translation>
    </message>
    <message>
        <source>Give --region with the country&apos;s two-letter code (--region GR), or choose the default region in Pelicast&apos;s Options; numbers in international format (+30…) need neither.</source>
        <translation>Geben Sie --region mit dem zweibuchstabigen Code des Landes an (--region GR) oder wählen Sie die Standardregion in den Optionen von Pelicast; Nummern im internationalen Format (+30…) brauchen keines von beiden.</translation>
    </message>
    <message>
        <source>No account: Pelicast remembers no user name; give --user.</source>
        <translation>Kein Konto: Pelicast hat sich keinen Benutzernamen gemerkt; geben Sie --user an.</translation>
    </message>
    <message>
        <source>Pelicast keeps none.</source>
        <translation>Pelicast speichert keines.</translation>
    </message>
    <message>
        <source>The password file holds none.</source>
        <translation>Die Passwortdatei enthält keines.</translation>
    </message>
    <message>
        <source>The password file %1 cannot be read: %2</source>
        <translation>Die Passwortdatei %1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>The password file %1 can be read by other users.</source>
        <translation>Die Passwortdatei %1 kann von anderen Benutzern gelesen werden.</translation>
    </message>
    <message>
        <source>PELICAST_PASSWORD is empty.</source>
        <translation>PELICAST_PASSWORD ist leer.</translation>
    </message>
    <message>
        <source>No password for %1: %2 Give --password-file or set PELICAST_PASSWORD.</source>
        <translation>Kein Passwort für %1: %2 Geben Sie --password-file an oder setzen Sie PELICAST_PASSWORD.</translation>
    </message>
    <message>
        <source>--to &quot;%1&quot; holds a blank recipient; recipients are separated by &quot;;&quot;.</source>
        <translation>--to „%1“ enthält einen leeren Empfänger; Empfänger werden durch „;“ getrennt.</translation>
    </message>
    <message>
        <source>Give --text or --template, not both.</source>
        <translation>Geben Sie --text oder --template an, nicht beide.</translation>
    </message>
    <message>
        <source>No message: give --text, or --text - to read it from standard input.</source>
        <translation>Keine Nachricht: Geben Sie --text an, oder --text -, um sie von der Standardeingabe zu lesen.</translation>
    </message>
    <message>
        <source>The message is empty.</source>
        <translation>Die Nachricht ist leer.</translation>
    </message>
    <message>
        <source>The address book has no group &quot;%1&quot; with a mobile number in it.</source>
        <translation>Das Adressbuch hat keine Gruppe „%1“ mit einer Mobilnummer darin.</translation>
    </message>
    <message numerus="yes">
        <source>%n contacts of the address book cannot be read; members of &quot;%1&quot; among them are left out.</source>
        <translation>
            <numerusform>%n Kontakt des Adressbuchs kann nicht gelesen werden; Mitglieder von „%1“ darunter werden ausgelassen.</numerusform>
            <numerusform>%n Kontakte des Adressbuchs können nicht gelesen werden; Mitglieder von „%1“ darunter werden ausgelassen.</numerusform>
        </translation>
    </message>
    <message>
        <source>Each number is sent once.</source>
        <translation>Jede Nummer wird einmal gesendet.</translation>
    </message>
    <message>
        <source>Each is sent and paid for (see --once).</source>
        <translation>Jeder wird gesendet und bezahlt (siehe --once).</translation>
    </message>
    <message numerus="yes">
        <source>Would send from %1 as %2 to %n recipients:
</source>
        <translation>
            <numerusform>Würde von %1 als %2 an %n Empfänger senden:
</numerusform>
            <numerusform>Würde von %1 als %2 an %n Empfänger senden:
</numerusform>
        </translation>
    </message>
    <message>
        <source>Message: %1 SMS, %2
Cost: %3 credits</source>
        <translation>Nachricht: %1 SMS, %2
Kosten: %3 Credits</translation>
    </message>
    <message>
        <source> (additional interconnection charges may apply)</source>
        <translation> (zusätzliche Zusammenschaltungsgebühren möglich)</translation>
    </message>
    <message>
        <source>
Nothing was sent: this was a dry run.</source>
        <translation>
Nichts wurde gesendet: Dies war ein Probelauf.</translation>
    </message>
    <message>
        <source>%1 The request goes on without it.</source>
        <translation>%1 Die Anfrage wird ohne es fortgesetzt.</translation>
    </message>
    <message>
        <source>Stopped by %1 with the request out. %2</source>
        <translation>Durch %1 beendet, während die Anfrage unterwegs war. %2</translation>
    </message>
    <message>
        <source>Would ask for the balance of %1. Nothing was sent: this was a dry run.</source>
        <translation>Würde das Guthaben von %1 abfragen. Nichts wurde gesendet: Dies war ein Probelauf.</translation>
    </message>
    <message numerus="yes">
        <source>Batch %1 pauses for the quiet hours: its %n queued requests go at %2.</source>
        <translation>
            <numerusform>Serie %1 pausiert für die Ruhezeiten: Ihre %n wartende Anfrage geht um %2.</numerusform>
            <numerusform>Serie %1 pausiert für die Ruhezeiten: Ihre %n wartenden Anfragen gehen um %2.</numerusform>
        </translation>
    </message>
    <message>
        <source>--%1 takes the number of a scheduled batch (see --scheduled), not &quot;%2&quot;.</source>
        <translation>--%1 erwartet die Nummer einer geplanten Serie (siehe --scheduled), nicht „%2“.</translation>
    </message>
    <message>
        <source>Scheduled messages wait for a password</source>
        <translation>Geplante Nachrichten warten auf ein Passwort</translation>
    </message>
    <message>
        <source>Batch %1 of %2 was due at %3, but no password is available for the account: none is remembered, or the keyring is locked. It is sent as soon as Pelicast is open with the password, or the keyring is unlocked.</source>
        <translation>Serie %1 von %2 war um %3 fällig, aber für das Konto ist kein Passwort verfügbar: Keines ist gespeichert, oder der Schlüsselbund ist gesperrt. Sie wird gesendet, sobald Pelicast mit dem Passwort geöffnet ist oder der Schlüsselbund entsperrt wird.</translation>
    </message>
    <message>
        <source>Batch %1 is scheduled for %2: %3.</source>
        <translation>Serie %1 ist für %2 geplant: %3.</translation>
    </message>
    <message>
        <source>Nothing is scheduled.</source>
        <translation>Nichts ist geplant.</translation>
    </message>
    <message>
        <source>Batch %1 at %2, to %3: %4 · %5: %6
</source>
        <translation>Serie %1 um %2, an %3: %4 · %5: %6
</translation>
    </message>
    <message numerus="yes">
        <source>%n messages</source>
        <translation>
            <numerusform>%n Nachricht</numerusform>
            <numerusform>%n Nachrichten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n credits</source>
        <translation>
            <numerusform>%n Credit</numerusform>
            <numerusform>%n Credits</numerusform>
        </translation>
    </message>
    <message>
        <source>Batch %1 is cancelled: none of its messages is sent.</source>
        <translation>Serie %1 ist abgesagt: Keine ihrer Nachrichten wird gesendet.</translation>
    </message>
    <message>
        <source>Batch %1 was due at %2, more than %3 hours ago: it is not sent without your word. Pelicast asks when it starts; pelicast-send --cancel %1 calls it off.</source>
        <translation>Serie %1 war um %2 fällig, vor mehr als %3 Stunden: Ohne Ihr Wort wird sie nicht gesendet. Pelicast fragt beim Start; pelicast-send --cancel %1 sagt sie ab.</translation>
    </message>
</context>
<context>
    <name>SendEstimate</name>
    <message>
        <source> (additional interconnection charges may apply) </source>
        <translation> (zusätzliche Zusammenschaltungsgebühren möglich) </translation>
    </message>
    <message numerus="yes">
        <source>You will send sms to %n recipients.<byte value="xd"/>
It will cost You %1 credits %2.<byte value="xd"/>
Do you wish to continue ?</source>
        <translation>
            <numerusform>Sie senden die SMS an %n Empfänger.<byte value="xd"/>
Das kostet Sie %1 Credits %2.<byte value="xd"/>
Möchten Sie fortfahren?</numerusform>
            <numerusform>Sie senden die SMS an %n Empfänger.<byte value="xd"/>
Das kostet Sie %1 Credits %2.<byte value="xd"/>
Möchten Sie fortfahren?</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SendOptions</name>
    <message>
        <source>Sends an SMS through the Quillo gateway, or asks for the balance, with the settings, address book and journal of Pelicast.

The account is the one Pelicast remembers, or --user. A password is never taken on the command line, where other users can see it.

The message is checked as Pelicast&apos;s window checks it, by the settings of its Options: recipients that cannot be phone numbers of the default region stop it, and so do numbers in national format when no region is known (none set in Options or by --region, and none in the system&apos;s language settings, as under cron); numbers named twice and an originator that networks may drop are warned about; a message that costs more than the credits set at &quot;Ask again above&quot; is refused, unless --max-cost allows it.

Sending to many. A message with fields ({first}, {last} and {name} of the address book&apos;s contacts, or {Column} for any column of a --csv list, letter case aside; {{ and }} write a brace), or to the rows of --csv FILE, goes as a batch: one request per distinct text, each number once (the first row), written to the journal before the first request leaves, then sent one at a time with --pause between two (default: the preference &quot;pause&quot;, 1 s). A row with a field left empty, or a text over 160 characters once filled in, stops the batch before anything is sent unless --missing or --too-long says what to do; so does a row whose number cannot be one. --max-cost applies to the batch&apos;s total. A request that did not reach the gateway goes back to the queue and ends the run; one that went out without a complete answer is &quot;unknown&quot; and is never sent again on pelicast-send&apos;s own. Two programs never send the same request: each claims it in the journal first.

The state of a batch&apos;s request (the journal&apos;s words, as --json gives them): queued (waits to be sent), pending (being sent), accepted, refused, unclear (an answer that says neither; counted as unknown), unknown (it went out and no complete answer came: it may have been sent), declined (its batch was closed before it went).

--json prints one JSON value, of the same shape for a dry run and a send. Of a message: &quot;outcome&quot; (accepted, refused, unclear, unknown, failed or dry-run), &quot;account&quot;, &quot;originator&quot;, &quot;recipients&quot;, &quot;recipientCount&quot;, &quot;parts&quot;, &quot;encoding&quot;, &quot;cost&quot;, &quot;interconnectionCharges&quot;, &quot;reply&quot; (the gateway&apos;s reply as it came; null when there is none) and &quot;balance&quot; (a number, as the reply stated it; null when it stated none). Of a batch: &quot;batch&quot; (its number, as a string; null in a dry run), &quot;outcome&quot; (what its requests come to: accepted, refused, unknown, queued or dry-run), &quot;account&quot;, &quot;originator&quot;, &quot;messages&quot;, &quot;sms&quot;, &quot;cost&quot;, &quot;requests&quot; (each with &quot;recipients&quot;, &quot;text&quot;, &quot;parts&quot;, &quot;encoding&quot;, &quot;cost&quot; and &quot;outcome&quot;) and &quot;balance&quot; (as the last reply stated it). A failure adds &quot;error&quot;. --batches --json prints a list of {&quot;batch&quot;, &quot;created&quot; (UTC, ISO 8601), &quot;accepted&quot;, &quot;refused&quot;, &quot;unknown&quot;, &quot;queued&quot;, &quot;pending&quot;, &quot;source&quot;}, oldest first.

The password, the first found of:
  1  the first line of the --password-file
  2  the environment variable PELICAST_PASSWORD
  3  the desktop&apos;s keyring (Secret Service: service &quot;Pelicast&quot;, the user
     name as key), where Pelicast keeps it when &quot;Remember Password&quot; is
     ticked; a keyring that is locked, or does not answer within 5
     seconds, gives none: an unlock prompt is not waited for
  4  the settings file, where Pelicast keeps it (scrambled) for the
     account it remembers where no keyring could

Exit status:
  0  the gateway accepted the request (of a batch: every request): its
     reply states the balance and says nothing of a refusal
  1  the gateway refused it (its reply is printed): the reply says that
     nothing was sent, that the user name or password is wrong, or that
     something is invalid, with a balance or without; of a batch: some
     were refused, the others accepted
  2  bad usage or input, or a message the checks refuse (a recipient that
     is not a possible number, a national number while no region is known,
     a cost above the limit, a field without a value), in a dry run as in
     a send
  3  no clear outcome: a network or TLS failure, an HTTP error status, an
     empty or unknown reply (&quot;Unclear, check your balance&quot;), or SIGINT,
     SIGTERM or SIGHUP while the request was out; when the request went
     out, the gateway may have sent the message all the same: check the
     balance before sending again (pelicast-send never retries by itself);
     of a batch: some request is unknown or unclear, or some are still
     queued (the network failed, or a signal stopped it)
  4  the user&apos;s data (settings, address book, password file, list file,
     journal) could not be read or written, or no password is available:
     none given, none kept, or the keyring locked or not answering
  5  the outcome could not be written to standard output (a full disk);
     the request&apos;s outcome is in Pelicast&apos;s History

SIGINT, SIGTERM or SIGHUP before the request leaves end pelicast-send as
they end any program (the shell shows 130, 143 or 129): nothing was sent.
Once the answer came, they change nothing. During a batch they stop it:
the request out is unknown, the rest stay queued (--continue), status 3.

The gateway&apos;s reply is printed with control characters other than line feed and tab shown as the replacement character U+FFFD; --json gives it exactly.</source>
        <translation>Sendet eine SMS über das Gateway von Quillo oder fragt das Guthaben ab, mit den Einstellungen, dem Adressbuch und dem Protokoll von Pelicast.

Das Konto ist das, welches Pelicast sich merkt, oder --user. Ein Passwort wird nie auf der Befehlszeile angenommen, wo andere Benutzer es sehen können.

Die Nachricht wird geprüft, wie das Fenster von Pelicast sie prüft, nach den Einstellungen seiner Optionen: Empfänger, die keine Telefonnummern der Standardregion sein können, halten sie auf, ebenso Nummern im nationalen Format, wenn keine Region bekannt ist (keine in den Optionen oder mit --region festgelegt und keine in den Spracheinstellungen des Systems, wie unter cron); vor doppelt genannten Nummern und einem Absender, den Netze verwerfen können, wird gewarnt; eine Nachricht, die mehr kostet als die bei „Erneut fragen über“ festgelegten Credits, wird abgelehnt, außer --max-cost erlaubt sie.

An viele senden. Eine Nachricht mit Feldern ({first}, {last} und {name} der Kontakte des Adressbuchs oder {Column} für jede Spalte einer --csv-Liste, ohne Rücksicht auf Groß- und Kleinschreibung; {{ und }} schreiben eine geschweifte Klammer) oder an die Zeilen von --csv FILE geht als Serie hinaus: eine Anfrage je unterschiedlichem Text, jede Nummer einmal (die erste Zeile), ins Protokoll geschrieben, bevor die erste Anfrage hinausgeht, dann einzeln gesendet, mit --pause zwischen zweien (Standard: die Einstellung „pause“, 1 s). Eine Zeile mit leerem Feld oder ein Text, der ausgefüllt mehr als 160 Zeichen hat, hält die Serie auf, bevor etwas gesendet wird, es sei denn, --missing oder --too-long sagt, was zu tun ist; ebenso eine Zeile, deren Nummer keine sein kann. --max-cost gilt für die Summe der Serie. Eine Anfrage, die das Gateway nicht erreicht hat, kehrt in die Warteschlange zurück und beendet den Lauf; eine, die ohne vollständige Antwort hinausging, ist „unknown“ und wird von pelicast-send nie von selbst erneut gesendet. Zwei Programme senden nie dieselbe Anfrage: Jedes beansprucht sie zuerst im Protokoll.

Der Zustand einer Anfrage einer Serie (die Wörter des Protokolls, wie --json sie ausgibt): queued (wartet auf das Senden), pending (wird gesendet), accepted (angenommen), refused (abgelehnt), unclear (eine Antwort, die keines von beiden sagt; zählt als unknown), unknown (sie ging hinaus, und keine vollständige Antwort kam: Sie wurde eventuell gesendet), declined (ihre Serie wurde geschlossen, bevor sie hinausging).

--json gibt einen JSON-Wert aus, von derselben Form für einen Probelauf und ein Senden. Zu einer Nachricht: &quot;outcome&quot; (accepted, refused, unclear, unknown, failed oder dry-run), &quot;account&quot;, &quot;originator&quot;, &quot;recipients&quot;, &quot;recipientCount&quot;, &quot;parts&quot;, &quot;encoding&quot;, &quot;cost&quot;, &quot;interconnectionCharges&quot;, &quot;reply&quot; (die Antwort des Gateways, wie sie kam; null, wenn es keine gibt) und &quot;balance&quot; (eine Zahl, wie die Antwort es nannte; null, wenn sie keines nannte). Zu einer Serie: &quot;batch&quot; (ihre Nummer, als Zeichenkette; null im Probelauf), &quot;outcome&quot; (worauf ihre Anfragen hinauslaufen: accepted, refused, unknown, queued oder dry-run), &quot;account&quot;, &quot;originator&quot;, &quot;messages&quot;, &quot;sms&quot;, &quot;cost&quot;, &quot;requests&quot; (jede mit &quot;recipients&quot;, &quot;text&quot;, &quot;parts&quot;, &quot;encoding&quot;, &quot;cost&quot; und &quot;outcome&quot;) und &quot;balance&quot; (wie die letzte Antwort es nannte). Ein Fehler fügt &quot;error&quot; hinzu. --batches --json gibt eine Liste von {&quot;batch&quot;, &quot;created&quot; (UTC, ISO 8601), &quot;accepted&quot;, &quot;refused&quot;, &quot;unknown&quot;, &quot;queued&quot;, &quot;pending&quot;, &quot;source&quot;} aus, die älteste zuerst.

Das Passwort, das erste gefundene von:
  1  der ersten Zeile der --password-file
  2  der Umgebungsvariable PELICAST_PASSWORD
  3  dem Schlüsselbund des Desktops (Secret Service: Dienst „Pelicast“, der
     Benutzername als Schlüssel), wo Pelicast es ablegt, wenn „Passwort merken“
     angekreuzt ist; ein Schlüsselbund, der gesperrt ist oder nicht innerhalb
     von 5 Sekunden antwortet, liefert keines: Auf eine Entsperrabfrage wird nicht gewartet
  4  der Einstellungsdatei, wo Pelicast es (verschleiert) für das Konto
     ablegt, das es sich merkt, wo kein Schlüsselbund verwendet werden konnte

Rückgabewert:
  0  das Gateway hat die Anfrage angenommen (bei einer Serie: jede Anfrage):
     Seine Antwort nennt das Guthaben und sagt nichts von einer Ablehnung
  1  das Gateway hat sie abgelehnt (seine Antwort wird ausgegeben): Die Antwort
     sagt, dass nichts gesendet wurde, dass Benutzername oder Passwort falsch sind
     oder dass etwas ungültig ist, mit Guthaben oder ohne; bei einer Serie: einige
     wurden abgelehnt, die anderen angenommen
  2  falsche Verwendung oder Eingabe oder eine Nachricht, die die Prüfungen ablehnen
     (ein Empfänger, der keine mögliche Nummer ist, eine nationale Nummer, solange keine
     Region bekannt ist, Kosten über der Grenze, ein Feld ohne Wert), im Probelauf
     wie beim Senden
  3  kein klares Ergebnis: ein Netzwerk- oder TLS-Fehler, ein HTTP-Fehlerstatus, eine
     leere oder unbekannte Antwort („Unklar, prüfen Sie Ihr Guthaben“) oder SIGINT,
     SIGTERM oder SIGHUP, während die Anfrage unterwegs war; ging die Anfrage hinaus,
     hat das Gateway die Nachricht eventuell trotzdem gesendet: Prüfen Sie das
     Guthaben, bevor Sie erneut senden (pelicast-send wiederholt nie von selbst);
     bei einer Serie: Eine Anfrage ist unknown oder unclear, oder einige warten noch
     (das Netzwerk fiel aus, oder ein Signal hat sie angehalten)
  4  die Daten des Benutzers (Einstellungen, Adressbuch, Passwortdatei, Listendatei,
     Protokoll) konnten nicht gelesen oder geschrieben werden, oder kein Passwort ist
     verfügbar: keines angegeben, keines gespeichert oder der Schlüsselbund gesperrt
     oder ohne Antwort
  5  das Ergebnis konnte nicht auf die Standardausgabe geschrieben werden (eine volle
     Platte); das Ergebnis der Anfrage steht im Verlauf von Pelicast

SIGINT, SIGTERM oder SIGHUP, bevor die Anfrage hinausgeht, beenden pelicast-send,
wie sie jedes Programm beenden (die Shell zeigt 130, 143 oder 129): Nichts wurde gesendet.
Ist die Antwort da, ändern sie nichts mehr.
Während einer Serie halten sie sie an: Die Anfrage unterwegs ist unknown,
die übrigen bleiben in der Warteschlange (--continue), Status 3.

Die Antwort des Gateways wird ausgegeben, wobei andere Steuerzeichen als Zeilenvorschub und Tabulator als Ersatzzeichen U+FFFD erscheinen; --json gibt sie genau wieder.</translation>
    </message>
    <message>
        <source>A recipient: a mobile number, or &quot;Surname, Firstname (number)&quot; as the address book writes it. Several are separated by &quot;;&quot; or given by repeating --to.</source>
        <translation>Ein Empfänger: eine Mobilnummer oder „Nachname, Vorname (Nummer)“, wie das Adressbuch es schreibt. Mehrere werden durch „;“ getrennt oder durch wiederholtes --to angegeben.</translation>
    </message>
    <message>
        <source>Adds every member of this address-book group who has a mobile number; may be repeated.</source>
        <translation>Fügt jedes Mitglied dieser Adressbuchgruppe hinzu, das eine Mobilnummer hat; darf wiederholt werden.</translation>
    </message>
    <message>
        <source>Sends to the rows of this list file (CSV or TSV as spreadsheets save it; delimiter, header, encoding and number column found from the file): a batch.</source>
        <translation>Sendet an die Zeilen dieser Listendatei (CSV oder TSV, wie Tabellenkalkulationen sie speichern; Trennzeichen, Kopfzeile, Kodierung und Nummernspalte werden aus der Datei ermittelt): eine Serie.</translation>
    </message>
    <message>
        <source>The column of --csv that holds the numbers, by its name in the first row (default: the one whose cells are mostly phone numbers).</source>
        <translation>Die Spalte von --csv, die die Nummern enthält, nach ihrem Namen in der ersten Zeile (Standard: die, deren Zellen überwiegend Telefonnummern sind).</translation>
    </message>
    <message>
        <source>The originator (default: the one Pelicast remembers, else Quillo).</source>
        <translation>Der Absender (Standard: der, den Pelicast sich merkt, sonst Quillo).</translation>
    </message>
    <message>
        <source>The message; &quot;-&quot; reads it from standard input (at most 4 KiB). Line breaks and tabs are the only control characters it may hold.</source>
        <translation>Die Nachricht; „-“ liest sie von der Standardeingabe (höchstens 4 KiB). Zeilenumbrüche und Tabulatoren sind die einzigen Steuerzeichen, die sie enthalten darf.</translation>
    </message>
    <message>
        <source>Sends the message saved as this template.</source>
        <translation>Sendet die als diese Vorlage gespeicherte Nachricht.</translation>
    </message>
    <message>
        <source>The account&apos;s user name (default: the one Pelicast remembers).</source>
        <translation>Der Benutzername des Kontos (Standard: der, den Pelicast sich merkt).</translation>
    </message>
    <message>
        <source>Reads the account&apos;s password from the first line of this file (a regular file of at most 4 KiB).</source>
        <translation>Liest das Passwort des Kontos aus der ersten Zeile dieser Datei (eine reguläre Datei von höchstens 4 KiB).</translation>
    </message>
    <message>
        <source>Asks for the account&apos;s balance instead of sending.</source>
        <translation>Fragt das Guthaben des Kontos ab, statt zu senden.</translation>
    </message>
    <message>
        <source>Prints what would be sent (recipients, parts and encoding, cost; of a batch, every request) and sends nothing.</source>
        <translation>Gibt aus, was gesendet würde (Empfänger, Teile und Kodierung, Kosten; bei einer Serie jede Anfrage), und sendet nichts.</translation>
    </message>
    <message>
        <source>Sends only when the message (or the batch, in all) costs at most this many credits. For this run it replaces the limit set in Options (&quot;Ask again above&quot;), whether that is ticked or not.</source>
        <translation>Sendet nur, wenn die Nachricht (oder die Serie insgesamt) höchstens so viele Credits kostet. Für diesen Lauf ersetzt es die in den Optionen festgelegte Grenze („Erneut fragen über“), ob diese angekreuzt ist oder nicht.</translation>
    </message>
    <message>
        <source>Reads numbers in national format as numbers of this country (a two-letter code such as GR); replaces the default region set in Options for this run.</source>
        <translation>Liest Nummern im nationalen Format als Nummern dieses Landes (ein zweibuchstabiger Code wie GR); ersetzt für diesen Lauf die in den Optionen festgelegte Standardregion.</translation>
    </message>
    <message>
        <source>Sends once to each number when the recipients name a number more than once (by default each is sent, and paid for). A batch always sends once.</source>
        <translation>Sendet einmal an jede Nummer, wenn die Empfänger eine Nummer mehrfach nennen (standardmäßig wird jeder gesendet und bezahlt). Eine Serie sendet immer einmal.</translation>
    </message>
    <message>
        <source>Seconds between two requests of a batch (0 to 3600).</source>
        <translation>Sekunden zwischen zwei Anfragen einer Serie (0 bis 3600).</translation>
    </message>
    <message>
        <source>A batch&apos;s recipient without a value for a field of the message: &quot;empty&quot; sends the message with the field left empty, &quot;skip&quot; leaves the recipient out (default: nothing is sent, and the rows are named).</source>
        <translation>Ein Empfänger einer Serie ohne Wert für ein Feld der Nachricht: „empty“ sendet die Nachricht mit leerem Feld, „skip“ lässt den Empfänger aus (Standard: Nichts wird gesendet, und die Zeilen werden genannt).</translation>
    </message>
    <message>
        <source>A batch&apos;s message over 160 characters once filled in: &quot;send&quot; sends it as it is, in more parts, &quot;skip&quot; leaves it out (default: nothing is sent).</source>
        <translation>Eine Nachricht einer Serie, die ausgefüllt mehr als 160 Zeichen hat: „send“ sendet sie, wie sie ist, in mehr Teilen, „skip“ lässt sie aus (Standard: Nichts wird gesendet).</translation>
    </message>
    <message>
        <source>Lists the unfinished batches (a request queued, being sent, unknown or unclear), oldest first.</source>
        <translation>Listet die unfertigen Serien auf (eine Anfrage wartend, im Versand, unbekannt oder unklar), die älteste zuerst.</translation>
    </message>
    <message>
        <source>Sends the queued requests of this batch.</source>
        <translation>Sendet die wartenden Anfragen dieser Serie.</translation>
    </message>
    <message>
        <source>Queues the refused requests of this batch again, and sends its queue.</source>
        <translation>Stellt die abgelehnten Anfragen dieser Serie erneut in die Warteschlange und sendet diese.</translation>
    </message>
    <message>
        <source>Queues the unknown and unclear requests of this batch again, and sends its queue: the gateway may have sent them already, so their recipients may get them twice, and you pay again.</source>
        <translation>Stellt die unbekannten und unklaren Anfragen dieser Serie erneut in die Warteschlange und sendet diese: Das Gateway hat sie eventuell schon gesendet, ihre Empfänger erhalten sie also womöglich zweimal, und Sie bezahlen erneut.</translation>
    </message>
    <message>
        <source>Ends this batch as it is: its queued requests are never sent, and it is no longer listed as unfinished.</source>
        <translation>Beendet diese Serie, wie sie ist: Ihre wartenden Anfragen werden nie gesendet, und sie wird nicht mehr als unfertig aufgelistet.</translation>
    </message>
    <message>
        <source>Lists the saved templates.</source>
        <translation>Listet die gespeicherten Vorlagen auf.</translation>
    </message>
    <message>
        <source>Saves the --text as this template, and sends nothing.</source>
        <translation>Speichert den --text als diese Vorlage und sendet nichts.</translation>
    </message>
    <message>
        <source>Deletes this template.</source>
        <translation>Löscht diese Vorlage.</translation>
    </message>
    <message>
        <source>Prints one JSON value: the outcome, the reply and the balance; of a batch, its requests.</source>
        <translation>Gibt einen JSON-Wert aus: das Ergebnis, die Antwort und das Guthaben; bei einer Serie ihre Anfragen.</translation>
    </message>
    <message>
        <source>Sending later. --at TIME writes the batch to the journal, scheduled, and sends nothing: Pelicast&apos;s window sends it at its time while it is open, and the systemd user timer pelicast-send-due.timer (turned on the first time something is scheduled) runs --run-due every minute while it is closed. Nothing is sent inside the quiet hours (preference quiet_hours, default 21:00-08:00, &quot;off&quot; for none): a batch due then goes when they end, and a batch reaching them pauses until they end. A batch more than late_hours (default 2) past its time is left for the window to ask about. --run-due takes the password from the keyring or the settings file; with none, the batch stays scheduled, a desktop notice says why, and the exit status is 4. --scheduled --json prints a list of {&quot;batch&quot;, &quot;due&quot; (UTC, ISO 8601), &quot;account&quot;, &quot;source&quot;, &quot;messages&quot;, &quot;requests&quot;, &quot;cost&quot;, &quot;text&quot;}, soonest first.</source>
        <translation>Später senden. --at ZEIT schreibt die Serie geplant ins Journal und sendet nichts: Das Fenster von Pelicast sendet sie zu ihrer Zeit, solange es geöffnet ist, und der systemd-Benutzer-Timer pelicast-send-due.timer (eingeschaltet, sobald zum ersten Mal etwas geplant wird) führt --run-due jede Minute aus, solange es geschlossen ist. In den Ruhezeiten wird nichts gesendet (Einstellung quiet_hours, Standard 21:00-08:00, &quot;off&quot; für keine): Eine dann fällige Serie geht, wenn sie enden, und eine Serie, die sie erreicht, pausiert bis zu ihrem Ende. Eine Serie, die mehr als late_hours (Standard 2) über ihrer Zeit ist, bleibt für die Frage des Fensters liegen. --run-due nimmt das Passwort aus dem Schlüsselbund oder der Einstellungsdatei; ohne eines bleibt die Serie geplant, eine Desktop-Meldung sagt warum, und der Rückgabewert ist 4. --scheduled --json gibt eine Liste von {&quot;batch&quot;, &quot;due&quot; (UTC, ISO 8601), &quot;account&quot;, &quot;source&quot;, &quot;messages&quot;, &quot;requests&quot;, &quot;cost&quot;, &quot;text&quot;} aus, die nächste zuerst.</translation>
    </message>
    <message>
        <source>Schedules the message (always a batch) for this time instead of sending it now: &quot;YYYY-MM-DD HH:MM&quot; in local time, or ISO 8601 with an offset (2026-05-04T08:00+02:00). Pelicast&apos;s window, or the systemd user timer, sends it then.</source>
        <translation>Plant die Nachricht (immer eine Serie) für diese Zeit, statt sie jetzt zu senden: &quot;JJJJ-MM-TT HH:MM&quot; in Ortszeit oder ISO 8601 mit Versatz (2026-05-04T08:00+02:00). Das Fenster von Pelicast oder der systemd-Benutzer-Timer sendet sie dann.</translation>
    </message>
    <message>
        <source>Lists the scheduled batches, soonest first.</source>
        <translation>Listet die geplanten Serien, die nächste zuerst.</translation>
    </message>
    <message>
        <source>Cancels this scheduled batch: none of its messages is sent.</source>
        <translation>Sagt diese geplante Serie ab: Keine ihrer Nachrichten wird gesendet.</translation>
    </message>
    <message>
        <source>Sends the scheduled batches whose time has come, outside the quiet hours and not more than the late hours late, as the systemd user timer does every minute.</source>
        <translation>Sendet die geplanten Serien, deren Zeit gekommen ist, außerhalb der Ruhezeiten und nicht mehr als die Verspätungsstunden zu spät, wie es der systemd-Benutzer-Timer jede Minute tut.</translation>
    </message>
</context>
<context>
    <name>TemplateStore</name>
    <message>
        <source>The journal %1 cannot be used: %2</source>
        <translation>Das Protokoll %1 kann nicht verwendet werden: %2</translation>
    </message>
    <message>
        <source>A template needs a name.</source>
        <translation>Eine Vorlage braucht einen Namen.</translation>
    </message>
    <message>
        <source>A template&apos;s name has at most %1 characters.</source>
        <translation>Der Name einer Vorlage hat höchstens %1 Zeichen.</translation>
    </message>
    <message>
        <source>A template&apos;s name is one line of text.</source>
        <translation>Der Name einer Vorlage ist eine Zeile Text.</translation>
    </message>
    <message>
        <source>A template needs a text.</source>
        <translation>Eine Vorlage braucht einen Text.</translation>
    </message>
    <message>
        <source>A template has at most %1 characters.</source>
        <translation>Eine Vorlage hat höchstens %1 Zeichen.</translation>
    </message>
    <message>
        <source>A template named “%1” exists already.</source>
        <translation>Eine Vorlage namens „%1“ gibt es schon.</translation>
    </message>
    <message>
        <source>There is no template named “%1”.</source>
        <translation>Es gibt keine Vorlage namens „%1“.</translation>
    </message>
</context>
<context>
    <name>WebPage</name>
    <message>
        <source>Could not find associated Browser</source>
        <translation>Kein zugehöriger Browser gefunden</translation>
    </message>
    <message>
        <source>Browser Not Found</source>
        <translation>Browser nicht gefunden</translation>
    </message>
    <message>
        <source>Web Page not Opened</source>
        <translation>Webseite nicht geöffnet</translation>
    </message>
    <message>
        <source>URL Failed</source>
        <translation>URL fehlgeschlagen</translation>
    </message>
</context>
<context>
    <name>pelicast</name>
    <message>
        <source>... and %1 more characters, kept in %2.</source>
        <translation>... und %1 weitere Zeichen, aufbewahrt in %2.</translation>
    </message>
</context>
<context>
    <name>pelicast::AboutDialog</name>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Quillo home page</source>
        <translation>Startseite von Quillo</translation>
    </message>
    <message>
        <source>Application Title</source>
        <translation>Anwendungstitel</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>Send SMS to any mobile number with your Quillo account and your outlook contact list.</source>
        <translation>Senden Sie SMS an jede Mobilnummer mit Ihrem Quillo-Konto und Ihrer Outlook-Kontaktliste.</translation>
    </message>
    <message>
        <source>Warning: this program is provided as is, without warranty of any kind. Messages are delivered by the Quillo gateway and charged to your account there; the maker cannot answer for delays or losses in the gateway or the mobile networks.</source>
        <translation>Warnung: Dieses Programm wird ohne Gewähr jeglicher Art bereitgestellt, so wie es ist. Nachrichten werden vom Gateway von Quillo zugestellt und dort Ihrem Konto berechnet; der Hersteller haftet nicht für Verzögerungen oder Verluste im Gateway oder in den Mobilfunknetzen.</translation>
    </message>
    <message>
        <source>Pelicast is free software under the GNU General Public License, version 3 or later.</source>
        <translation>Pelicast ist freie Software unter der GNU General Public License, Version 3 oder später.</translation>
    </message>
    <message>
        <source>Pelicast is made by Brackel. Quillo is a service of its own operator.</source>
        <translation>Pelicast wird von Brackel hergestellt. Quillo ist ein Dienst seines eigenen Betreibers.</translation>
    </message>
    <message>
        <source>Brackel web site</source>
        <translation>Website von Brackel</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation>&amp;Systeminformationen...</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Über %1</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Project page: %1</source>
        <translation>Projektseite: %1</translation>
    </message>
</context>
<context>
    <name>pelicast::BatchPreviewDialog</name>
    <message>
        <source>Preview of the messages</source>
        <translation>Vorschau der Nachrichten</translation>
    </message>
    <message>
        <source>Requests</source>
        <translation>Anfragen</translation>
    </message>
    <message>
        <source>&amp;Replace look-alikes in every message</source>
        <translation>Ähnliche Zeichen in jeder Nachricht &amp;ersetzen</translation>
    </message>
    <message>
        <source>Typographic quotes, dashes, the ellipsis and unusual spaces make a message go as Unicode, with fewer characters a part. Replaced by their plain look-alikes, more messages fit in fewer parts. Letters are never changed.</source>
        <translation>Typografische Anführungszeichen, Gedankenstriche, die Auslassungspunkte und ungewöhnliche Leerzeichen lassen eine Nachricht als Unicode gehen, mit weniger Zeichen je Teil. Durch ihre einfachen Gegenstücke ersetzt, passen mehr Nachrichten in weniger Teile. Buchstaben werden nie geändert.</translation>
    </message>
    <message>
        <source>&amp;Send...</source>
        <translation>&amp;Senden...</translation>
    </message>
    <message>
        <source>No recipient has a field %1: it goes as typed.</source>
        <translation>Kein Empfänger hat ein Feld %1: es geht so, wie es geschrieben ist.</translation>
    </message>
    <message numerus="yes">
        <source>%n recipient(s) of the list get no message (repeated numbers, numbers that are not possible, empty cells).</source>
        <translation>
            <numerusform>%n Empfänger der Liste bekommt keine Nachricht (wiederholte Nummern, unmögliche Nummern, leere Zellen).</numerusform>
            <numerusform>%n Empfänger der Liste bekommen keine Nachricht (wiederholte Nummern, unmögliche Nummern, leere Zellen).</numerusform>
        </translation>
    </message>
    <message>
        <source>No message is left to send.</source>
        <translation>Es bleibt keine Nachricht zu senden.</translation>
    </message>
    <message>
        <source>Send SMS ?</source>
        <translation>SMS senden?</translation>
    </message>
    <message numerus="yes">
        <source>%n message(s) lack the value of a field for their recipient. Send them with the field left empty, or skip those recipients?</source>
        <translation>
            <numerusform>%n Nachricht fehlt der Wert eines Feldes für ihren Empfänger. Mit leerem Feld senden oder diese Empfänger auslassen?</numerusform>
            <numerusform>%n Nachrichten fehlt der Wert eines Feldes für ihren Empfänger. Mit leerem Feld senden oder diese Empfänger auslassen?</numerusform>
        </translation>
    </message>
    <message>
        <source>Fields without a value</source>
        <translation>Felder ohne Wert</translation>
    </message>
    <message>
        <source>Send them with the field left empty</source>
        <translation>Mit leerem Feld senden</translation>
    </message>
    <message>
        <source>Skip those recipients</source>
        <translation>Diese Empfänger auslassen</translation>
    </message>
    <message numerus="yes">
        <source>%n message(s) are over the %1 characters of the message field. As they are, they take %2 SMS and cost %3 credits. Send them as they are, or skip them?</source>
        <translation>
            <numerusform>%n Nachricht ist länger als die %1 Zeichen des Nachrichtenfelds. So, wie sie ist, braucht sie %2 SMS und kostet %3 Credits. So senden oder auslassen?</numerusform>
            <numerusform>%n Nachrichten sind länger als die %1 Zeichen des Nachrichtenfelds. So, wie sie sind, brauchen sie %2 SMS und kosten %3 Credits. So senden oder auslassen?</numerusform>
        </translation>
    </message>
    <message>
        <source>Messages over %1 characters</source>
        <translation>Nachrichten über %1 Zeichen</translation>
    </message>
    <message>
        <source>Send them as they are</source>
        <translation>So senden, wie sie sind</translation>
    </message>
    <message>
        <source>Skip them</source>
        <translation>Auslassen</translation>
    </message>
</context>
<context>
    <name>pelicast::BatchPreviewModel</name>
    <message>
        <source>%1; … (%2 in all)</source>
        <translation>%1; … (%2 insgesamt)</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>U+%1 (%2)</source>
        <translation>U+%1 (%2)</translation>
    </message>
    <message>
        <source>%1 characters, over %2</source>
        <translation>%1 Zeichen, über %2</translation>
    </message>
    <message>
        <source>no value for %1</source>
        <translation>kein Wert für %1</translation>
    </message>
    <message>
        <source>GSM 7-bit</source>
        <translation>GSM 7-Bit</translation>
    </message>
    <message>
        <source>Unicode: %1</source>
        <translation>Unicode: %1</translation>
    </message>
    <message>
        <source>Goes as Unicode, %1 characters a part instead of %2.</source>
        <translation>Geht als Unicode, %1 Zeichen je Teil statt %2.</translation>
    </message>
    <message>
        <source>Recipients</source>
        <translation>Empfänger</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Nachricht</translation>
    </message>
    <message>
        <source>Parts</source>
        <translation>Teile</translation>
    </message>
    <message>
        <source>Alphabet</source>
        <translation>Alphabet</translation>
    </message>
    <message>
        <source>Cost</source>
        <translation>Kosten</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Prüfung</translation>
    </message>
</context>
<context>
    <name>pelicast::BatchProgressDialog</name>
    <message>
        <source>Sending the messages</source>
        <translation>Die Nachrichten werden gesendet</translation>
    </message>
    <message>
        <source>Requests done</source>
        <translation>Erledigte Anfragen</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Anhalten</translation>
    </message>
    <message>
        <source>The request on its way is finished; no other is sent. The rest can be sent later with Continue.</source>
        <translation>Die laufende Anfrage wird zu Ende geführt; keine weitere wird gesendet. Der Rest kann später mit Fortsetzen gesendet werden.</translation>
    </message>
    <message>
        <source>Done:</source>
        <translation>Erledigt:</translation>
    </message>
    <message>
        <source>Credits spent:</source>
        <translation>Verbrauchte Credits:</translation>
    </message>
    <message>
        <source>Time left:</source>
        <translation>Verbleibende Zeit:</translation>
    </message>
    <message>
        <source>Balance:</source>
        <translation>Guthaben:</translation>
    </message>
    <message numerus="yes">
        <source>about %n second(s)</source>
        <translation>
            <numerusform>etwa %n Sekunde</numerusform>
            <numerusform>etwa %n Sekunden</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about %n minute(s)</source>
        <translation>
            <numerusform>etwa %n Minute</numerusform>
            <numerusform>etwa %n Minuten</numerusform>
        </translation>
    </message>
    <message>
        <source>about %1 h %2 min</source>
        <translation>etwa %1 h %2 min</translation>
    </message>
    <message>
        <source>not known yet</source>
        <translation>noch nicht bekannt</translation>
    </message>
    <message>
        <source>not stated yet</source>
        <translation>noch nicht genannt</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>Stopping...</source>
        <translation>Wird angehalten...</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n request(s)</source>
        <translation>
            <numerusform>%1 von %n Anfrage</numerusform>
            <numerusform>%1 von %n Anfragen</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>pelicast::BatchRunner</name>
    <message>
        <source>The program ended before the answer came.</source>
        <translation>Das Programm wurde beendet, bevor die Antwort kam.</translation>
    </message>
    <message>
        <source>Batch %1 is being sent.</source>
        <translation>Serie %1 wird gerade gesendet.</translation>
    </message>
    <message>
        <source>There is no batch %1.</source>
        <translation>Es gibt keine Serie %1.</translation>
    </message>
    <message>
        <source>Batch %1 was cancelled.</source>
        <translation>Serie %1 wurde abgebrochen.</translation>
    </message>
</context>
<context>
    <name>pelicast::ContactEditor</name>
    <message>
        <source>Add / Edit Contact</source>
        <translation>Kontakt hinzufügen / bearbeiten</translation>
    </message>
    <message>
        <source>&amp;First Name:</source>
        <translation>&amp;Vorname:</translation>
    </message>
    <message>
        <source>First Name</source>
        <translation>Vorname</translation>
    </message>
    <message>
        <source>&amp;Last Name:</source>
        <translation>&amp;Nachname:</translation>
    </message>
    <message>
        <source>Last Name</source>
        <translation>Nachname</translation>
    </message>
    <message>
        <source>&amp;Mobile Number:</source>
        <translation>&amp;Mobilnummer:</translation>
    </message>
    <message>
        <source>Mobile Number</source>
        <translation>Mobilnummer</translation>
    </message>
    <message>
        <source>&amp;Email address:</source>
        <translation>&amp;E-Mail-Adresse:</translation>
    </message>
    <message>
        <source>Email address</source>
        <translation>E-Mail-Adresse</translation>
    </message>
    <message>
        <source>&amp;Groups:</source>
        <translation>&amp;Gruppen:</translation>
    </message>
    <message>
        <source>Groups</source>
        <translation>Gruppen</translation>
    </message>
    <message>
        <source>The groups the contact is in: tick or untick them</source>
        <translation>Die Gruppen, in denen der Kontakt ist: Ankreuzen oder abwählen</translation>
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
        <source>Please enter the contact&apos;s mobile phone number</source>
        <translation>Bitte geben Sie die Mobilnummer des Kontakts ein</translation>
    </message>
    <message>
        <source>The contact is no longer in the address book.</source>
        <translation>Der Kontakt ist nicht mehr im Adressbuch.</translation>
    </message>
    <message>
        <source>Address Book</source>
        <translation>Adressbuch</translation>
    </message>
</context>
<context>
    <name>pelicast::CurrentRecipients</name>
    <message>
        <source>Recipients from file</source>
        <translation>Empfänger aus Datei</translation>
    </message>
    <message>
        <source>Lists of recipients (*.csv *.tsv *.txt);;All files (*)</source>
        <translation>Empfängerlisten (*.csv *.tsv *.txt);;Alle Dateien (*)</translation>
    </message>
</context>
<context>
    <name>pelicast::DueTimer</name>
    <message>
        <source>Scheduled messages now go at their time even while Pelicast is closed (the systemd user timer %1 is on).</source>
        <translation>Geplante Nachrichten gehen jetzt zu ihrer Zeit, auch wenn Pelicast geschlossen ist (der systemd-Benutzer-Timer %1 ist an).</translation>
    </message>
    <message>
        <source>Scheduled messages go at their time even while Pelicast is closed.</source>
        <translation>Geplante Nachrichten gehen zu ihrer Zeit, auch wenn Pelicast geschlossen ist.</translation>
    </message>
    <message>
        <source>No systemd runs for your user here, so scheduled messages go only while Pelicast is open at their time.</source>
        <translation>Hier läuft kein systemd für Ihren Benutzer, daher gehen geplante Nachrichten nur, wenn Pelicast zu ihrer Zeit geöffnet ist.</translation>
    </message>
    <message>
        <source>The systemd user timer %1 could not be turned on: %2
Scheduled messages go only while Pelicast is open at their time.</source>
        <translation>Der systemd-Benutzer-Timer %1 ließ sich nicht einschalten: %2
Geplante Nachrichten gehen nur, wenn Pelicast zu ihrer Zeit geöffnet ist.</translation>
    </message>
</context>
<context>
    <name>pelicast::EncodingHighlighter</name>
    <message>
        <source>“%1” %2(U+%3) is not in the GSM alphabet: the message goes as Unicode, %4 characters per SMS.</source>
        <translation>„%1“ %2(U+%3) ist nicht im GSM-Alphabet: Die Nachricht geht als Unicode, %4 Zeichen je SMS.</translation>
    </message>
    <message>
        <source> Replace look-alikes removes it.</source>
        <translation> „Ähnliche ersetzen“ entfernt es.</translation>
    </message>
    <message>
        <source> Replace look-alikes makes it “%1”.</source>
        <translation> „Ähnliche ersetzen“ macht daraus „%1“.</translation>
    </message>
</context>
<context>
    <name>pelicast::EncodingLine</name>
    <message>
        <source>&amp;Replace look-alikes</source>
        <translation>Ähnliche &amp;ersetzen</translation>
    </message>
    <message numerus="yes">
        <source>%n SMS · Unicode (%1 per SMS)</source>
        <translation>
            <numerusform>%n SMS · Unicode (%1 je SMS)</numerusform>
            <numerusform>%n SMS · Unicode (%1 je SMS)</numerusform>
        </translation>
    </message>
    <message>
        <source>Replace typographic quotes, dashes, spaces and the like by the GSM characters they look like</source>
        <translation>Typografische Anführungszeichen, Striche, Leerzeichen und Ähnliches durch die GSM-Zeichen ersetzen, denen sie ähneln</translation>
    </message>
    <message>
        <source>Replace look-alikes</source>
        <translation>Ähnliche ersetzen</translation>
    </message>
    <message numerus="yes">
        <source>%n SMS · GSM 7-bit</source>
        <translation>
            <numerusform>%n SMS · GSM 7-Bit</numerusform>
            <numerusform>%n SMS · GSM 7-Bit</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>pelicast::GatewayClient</name>
    <message>
        <source>The server %1 sent nothing for %2 seconds.</source>
        <translation>Der Server %1 hat %2 Sekunden lang nichts gesendet.</translation>
    </message>
    <message>
        <source>The reply from %1 did not arrive within %2 seconds.</source>
        <translation>Die Antwort von %1 kam nicht innerhalb von %2 Sekunden.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a web address.</source>
        <translation>„%1“ ist keine Webadresse.</translation>
    </message>
    <message>
        <source>The proxy setting &quot;%1&quot; names no usable proxy for %2.</source>
        <translation>Die Proxy-Einstellung „%1“ nennt keinen brauchbaren Proxy für %2.</translation>
    </message>
    <message>
        <source>The reply from %1 is larger than %2 and was cut off.</source>
        <translation>Die Antwort von %1 ist größer als %2 und wurde abgeschnitten.</translation>
    </message>
    <message>
        <source>No secure connection to %1 could be made: %2</source>
        <translation>Es konnte keine sichere Verbindung zu %1 hergestellt werden: %2</translation>
    </message>
    <message>
        <source>The proxy did not pass the request to %1 on: %2</source>
        <translation>Der Proxy hat die Anfrage nicht an %1 weitergegeben: %2</translation>
    </message>
    <message>
        <source>The reply from %1 broke off before it was complete: %2</source>
        <translation>Die Antwort von %1 brach ab, bevor sie vollständig war: %2</translation>
    </message>
    <message>
        <source>The server %1 could not be reached: %2</source>
        <translation>Der Server %1 war nicht erreichbar: %2</translation>
    </message>
    <message>
        <source>The request did not reach the gateway.</source>
        <translation>Die Anfrage hat das Gateway nicht erreicht.</translation>
    </message>
    <message>
        <source>Check your network connection and the Options, then try again.</source>
        <translation>Prüfen Sie Ihre Netzwerkverbindung und die Optionen und versuchen Sie es dann erneut.</translation>
    </message>
    <message>
        <source>The gateway refused the request: HTTP %1.</source>
        <translation>Das Gateway hat die Anfrage abgelehnt: HTTP %1.</translation>
    </message>
    <message>
        <source>The gateway answered HTTP %1 instead of a reply.</source>
        <translation>Das Gateway antwortete mit HTTP %1 statt mit einer Antwort.</translation>
    </message>
    <message>
        <source>No complete answer came back.</source>
        <translation>Es kam keine vollständige Antwort zurück.</translation>
    </message>
    <message>
        <source>The message may have been sent: check your balance before sending again.</source>
        <translation>Die Nachricht wurde eventuell gesendet: Prüfen Sie Ihr Guthaben, bevor Sie erneut senden.</translation>
    </message>
    <message>
        <source>The contacts may have been received: check your groups at the gateway before uploading again.</source>
        <translation>Die Kontakte wurden eventuell empfangen: Prüfen Sie Ihre Gruppen beim Gateway, bevor Sie erneut hochladen.</translation>
    </message>
    <message>
        <source>Try again later.</source>
        <translation>Versuchen Sie es später erneut.</translation>
    </message>
    <message>
        <source>Unclear, check your balance: the gateway&apos;s answer says neither that it took the request nor that it refused it.</source>
        <translation>Unklar, prüfen Sie Ihr Guthaben: Die Antwort des Gateways sagt weder, dass es die Anfrage angenommen, noch, dass es sie abgelehnt hat.</translation>
    </message>
</context>
<context>
    <name>pelicast::GroupActions</name>
    <message>
        <source>Group</source>
        <translation>Gruppe</translation>
    </message>
    <message>
        <source>A group name cannot hold “;”, line breaks or end in “ (group)”.</source>
        <translation>Ein Gruppenname darf kein „;“ und keine Zeilenumbrüche enthalten und nicht auf „ (group)“ enden.</translation>
    </message>
    <message>
        <source>&amp;New group...</source>
        <translation>&amp;Neue Gruppe...</translation>
    </message>
    <message>
        <source>&amp;Add to group...</source>
        <translation>Zu Gruppe &amp;hinzufügen...</translation>
    </message>
    <message>
        <source>Re&amp;move from group...</source>
        <translation>Aus Gruppe &amp;entfernen...</translation>
    </message>
    <message>
        <source>&amp;Rename group...</source>
        <translation>Gruppe &amp;umbenennen...</translation>
    </message>
    <message>
        <source>&amp;Delete group</source>
        <translation>Gruppe &amp;löschen</translation>
    </message>
    <message>
        <source>Please tick the contacts first.</source>
        <translation>Bitte kreuzen Sie zuerst die Kontakte an.</translation>
    </message>
    <message>
        <source>The address book has changed since the list was shown. Please choose the contacts again.</source>
        <translation>Das Adressbuch hat sich geändert, seit die Liste angezeigt wurde. Bitte wählen Sie die Kontakte erneut.</translation>
    </message>
    <message>
        <source>Name of the new group of the chosen contacts (%1):</source>
        <translation>Name der neuen Gruppe der gewählten Kontakte (%1):</translation>
    </message>
    <message>
        <source>There is a group “%1” already. Add the contacts to it?</source>
        <translation>Es gibt bereits eine Gruppe „%1“. Die Kontakte zu ihr hinzufügen?</translation>
    </message>
    <message>
        <source>Add the chosen contacts (%1) to the group:</source>
        <translation>Die gewählten Kontakte (%1) zur Gruppe hinzufügen:</translation>
    </message>
    <message>
        <source>The chosen contacts are in no group.</source>
        <translation>Die gewählten Kontakte sind in keiner Gruppe.</translation>
    </message>
    <message>
        <source>Take the chosen contacts (%1) out of the group:</source>
        <translation>Die gewählten Kontakte (%1) aus der Gruppe nehmen:</translation>
    </message>
    <message>
        <source>Please choose the group to rename in the list.</source>
        <translation>Bitte wählen Sie die umzubenennende Gruppe in der Liste.</translation>
    </message>
    <message>
        <source>New name of the group “%1”:</source>
        <translation>Neuer Name der Gruppe „%1“:</translation>
    </message>
    <message>
        <source>There is a group “%1” already. Put the members of “%2” into it?</source>
        <translation>Es gibt bereits eine Gruppe „%1“. Die Mitglieder von „%2“ in sie aufnehmen?</translation>
    </message>
    <message>
        <source>Please choose the group to delete in the list.</source>
        <translation>Bitte wählen Sie die zu löschende Gruppe in der Liste.</translation>
    </message>
    <message>
        <source>Delete the group “%1”? Its members stay in the address book.</source>
        <translation>Die Gruppe „%1“ löschen? Ihre Mitglieder bleiben im Adressbuch.</translation>
    </message>
    <message>
        <source>Save recipients as group</source>
        <translation>Empfänger als Gruppe speichern</translation>
    </message>
    <message>
        <source>There are no recipients to save as a group.</source>
        <translation>Es gibt keine Empfänger, die als Gruppe gespeichert werden könnten.</translation>
    </message>
    <message>
        <source>None of the recipients is a contact of the address book. Add them as contacts first.</source>
        <translation>Keiner der Empfänger ist ein Kontakt des Adressbuchs. Fügen Sie sie zuerst als Kontakte hinzu.</translation>
    </message>
    <message>
        <source>The recipients that are contacts (%1) join the group: a new name, or a group they are added to.</source>
        <translation>Die Empfänger, die Kontakte sind (%1), treten der Gruppe bei: ein neuer Name oder eine Gruppe, zu der sie hinzugefügt werden.</translation>
    </message>
    <message>
        <source>Members of the group “%1” now: %2.</source>
        <translation>Mitglieder der Gruppe „%1“ jetzt: %2.</translation>
    </message>
    <message>
        <source>Members before: %1.</source>
        <translation>Mitglieder vorher: %1.</translation>
    </message>
    <message>
        <source>Not in the address book, so not in the group: %1</source>
        <translation>Nicht im Adressbuch, daher nicht in der Gruppe: %1</translation>
    </message>
</context>
<context>
    <name>pelicast::HistoryModel</name>
    <message>
        <source>Credit check</source>
        <translation>Guthabenabfrage</translation>
    </message>
    <message>
        <source>Contact list upload</source>
        <translation>Hochladen der Kontaktliste</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Nachricht</translation>
    </message>
    <message>
        <source>Queued</source>
        <translation>In der Warteschlange</translation>
    </message>
    <message>
        <source>Sending</source>
        <translation>Wird gesendet</translation>
    </message>
    <message>
        <source>Accepted</source>
        <translation>Angenommen</translation>
    </message>
    <message>
        <source>Refused by the gateway</source>
        <translation>Vom Gateway abgelehnt</translation>
    </message>
    <message>
        <source>Unclear, check your balance</source>
        <translation>Unklar, prüfen Sie Ihr Guthaben</translation>
    </message>
    <message>
        <source>Failed, not sent</source>
        <translation>Fehlgeschlagen, nicht gesendet</translation>
    </message>
    <message>
        <source>Declined by you</source>
        <translation>Von Ihnen abgelehnt</translation>
    </message>
    <message>
        <source>No complete answer</source>
        <translation>Keine vollständige Antwort</translation>
    </message>
    <message>
        <source>Id</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Art</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Konto</translation>
    </message>
    <message>
        <source>Originator</source>
        <translation>Absender</translation>
    </message>
    <message>
        <source>Recipients</source>
        <translation>Empfänger</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Anzahl</translation>
    </message>
    <message>
        <source>Parts</source>
        <translation>Teile</translation>
    </message>
    <message>
        <source>Encoding</source>
        <translation>Kodierung</translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>Reason</source>
        <translation>Grund</translation>
    </message>
    <message>
        <source>Reply</source>
        <translation>Antwort</translation>
    </message>
    <message>
        <source>Balance before</source>
        <translation>Guthaben vorher</translation>
    </message>
    <message>
        <source>Balance after</source>
        <translation>Guthaben nachher</translation>
    </message>
    <message>
        <source>Unicode</source>
        <translation>Unicode</translation>
    </message>
    <message>
        <source>Cost quoted</source>
        <translation>Genannte Kosten</translation>
    </message>
    <message>
        <source>Cost charged</source>
        <translation>Berechnete Kosten</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Batch</source>
        <translation>Serie</translation>
    </message>
</context>
<context>
    <name>pelicast::HistoryWindow</name>
    <message>
        <source>History</source>
        <translation>Verlauf</translation>
    </message>
    <message>
        <source>&amp;Search:</source>
        <translation>&amp;Suchen:</translation>
    </message>
    <message>
        <source>Recipients or text</source>
        <translation>Empfänger oder Text</translation>
    </message>
    <message>
        <source>&amp;Kind:</source>
        <translation>&amp;Art:</translation>
    </message>
    <message>
        <source>All requests</source>
        <translation>Alle Anfragen</translation>
    </message>
    <message>
        <source>Messages</source>
        <translation>Nachrichten</translation>
    </message>
    <message>
        <source>Credit checks</source>
        <translation>Guthabenabfragen</translation>
    </message>
    <message>
        <source>Contact list uploads</source>
        <translation>Hochladen von Kontaktlisten</translation>
    </message>
    <message>
        <source>&amp;Dates from</source>
        <translation>&amp;Daten von</translation>
    </message>
    <message>
        <source>First day</source>
        <translation>Erster Tag</translation>
    </message>
    <message>
        <source>t&amp;o</source>
        <translation>&amp;bis</translation>
    </message>
    <message>
        <source>Last day</source>
        <translation>Letzter Tag</translation>
    </message>
    <message>
        <source>Requests</source>
        <translation>Anfragen</translation>
    </message>
    <message>
        <source>&amp;Reply:</source>
        <translation>&amp;Antwort:</translation>
    </message>
    <message>
        <source>Send &amp;again</source>
        <translation>&amp;Erneut senden</translation>
    </message>
    <message>
        <source>Puts the recipients and the text into the main window; nothing is sent until you click Send.</source>
        <translation>Übernimmt die Empfänger und den Text ins Hauptfenster; nichts wird gesendet, bis Sie auf Senden klicken.</translation>
    </message>
    <message>
        <source>&amp;Export CSV...</source>
        <translation>CSV &amp;exportieren...</translation>
    </message>
    <message>
        <source>the record: Export CSV writes all of it</source>
        <translation>das Protokoll: „CSV exportieren“ schreibt alles davon</translation>
    </message>
    <message>
        <source>No complete answer came: the gateway may have acted on the request. Check your balance before sending again.</source>
        <translation>Es kam keine vollständige Antwort: Das Gateway hat die Anfrage eventuell ausgeführt. Prüfen Sie Ihr Guthaben, bevor Sie erneut senden.</translation>
    </message>
    <message>
        <source>You answered No: nothing was sent.</source>
        <translation>Sie haben mit Nein geantwortet: Nichts wurde gesendet.</translation>
    </message>
    <message>
        <source>Waiting to be sent.</source>
        <translation>Wartet darauf, gesendet zu werden.</translation>
    </message>
    <message>
        <source>Being sent: the answer has not come yet.</source>
        <translation>Wird gesendet: Die Antwort ist noch nicht gekommen.</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>CSV exportieren</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>The history could not be exported to %1: %2</source>
        <translation>Der Verlauf konnte nicht nach %1 exportiert werden: %2</translation>
    </message>
    <message>
        <source>Requests of the &amp;batch</source>
        <translation>Anfragen der Ser&amp;ie</translation>
    </message>
    <message>
        <source>Each request of the batch with its outcome and reply (a double click does the same)</source>
        <translation>Jede Anfrage der Serie mit Ergebnis und Antwort (ein Doppelklick tut dasselbe)</translation>
    </message>
    <message>
        <source>The requests of the batch of %1 to %2</source>
        <translation>Die Anfragen der Serie vom %1 an %2</translation>
    </message>
    <message>
        <source>&amp;All requests</source>
        <translation>A&amp;lle Anfragen</translation>
    </message>
    <message numerus="yes">
        <source>A batch of %n request(s): Requests of the batch shows each with its outcome and reply.</source>
        <translation>
            <numerusform>Eine Serie von %n Anfrage: Anfragen der Serie zeigt sie mit Ergebnis und Antwort.</numerusform>
            <numerusform>Eine Serie von %n Anfragen: Anfragen der Serie zeigt jede mit Ergebnis und Antwort.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>pelicast::InsertFieldButton</name>
    <message>
        <source>Insert &amp;field</source>
        <translation>&amp;Feld einfügen</translation>
    </message>
    <message>
        <source>Insert field</source>
        <translation>Feld einfügen</translation>
    </message>
    <message>
        <source>The recipients have no fields yet. Choose contacts or load a list file (Recipients from file...) to write {first}, {name} or a column&apos;s name into the message.</source>
        <translation>Die Empfänger haben noch keine Felder. Wählen Sie Kontakte oder laden Sie eine Listendatei (Empfänger aus Datei...), um {first}, {name} oder den Namen einer Spalte in die Nachricht zu schreiben.</translation>
    </message>
    <message>
        <source>Puts a value of each recipient into the message, such as {%1}.</source>
        <translation>Setzt einen Wert jedes Empfängers in die Nachricht ein, etwa {%1}.</translation>
    </message>
    <message>
        <source>The message has no room left for %1.</source>
        <translation>Die Nachricht hat keinen Platz mehr für %1.</translation>
    </message>
</context>
<context>
    <name>pelicast::JournalRecorder</name>
    <message>
        <source>The program ended before the answer came.</source>
        <translation>Das Programm wurde beendet, bevor die Antwort kam.</translation>
    </message>
    <message>
        <source>The program ended before the request was sent.</source>
        <translation>Das Programm wurde beendet, bevor die Anfrage gesendet wurde.</translation>
    </message>
</context>
<context>
    <name>pelicast::Keyring</name>
    <message>
        <source>The desktop&apos;s keyring is locked or refused access</source>
        <translation>Der Schlüsselbund des Desktops ist gesperrt oder hat den Zugriff verweigert</translation>
    </message>
    <message>
        <source>The desktop&apos;s keyring did not remove the password</source>
        <translation>Der Schlüsselbund des Desktops hat das Passwort nicht entfernt</translation>
    </message>
    <message>
        <source>No keyring of the desktop could be used</source>
        <translation>Kein Schlüsselbund des Desktops konnte verwendet werden</translation>
    </message>
    <message>
        <source>The desktop&apos;s keyring is locked: it holds the password, but was not unlocked.</source>
        <translation>Der Schlüsselbund des Desktops ist gesperrt: Er enthält das Passwort, wurde aber nicht entsperrt.</translation>
    </message>
    <message>
        <source>The desktop&apos;s keyring did not answer within %1 seconds; it may be locked and waiting for its password.</source>
        <translation>Der Schlüsselbund des Desktops hat nicht innerhalb von %1 Sekunden geantwortet; er ist eventuell gesperrt und wartet auf sein Passwort.</translation>
    </message>
    <message>
        <source>none: no session bus (%1)</source>
        <translation>keiner: kein Sitzungsbus (%1)</translation>
    </message>
    <message>
        <source>%1 (%2), running</source>
        <translation>%1 (%2), läuft</translation>
    </message>
    <message>
        <source>%1 (%2), started on demand</source>
        <translation>%1 (%2), wird bei Bedarf gestartet</translation>
    </message>
    <message>
        <source>none on the session bus: a remembered password is kept in the settings file</source>
        <translation>keiner auf dem Sitzungsbus: Ein gemerktes Passwort wird in der Einstellungsdatei abgelegt</translation>
    </message>
</context>
<context>
    <name>pelicast::LateBatchesDialog</name>
    <message>
        <source>&amp;Send now</source>
        <translation>&amp;Jetzt senden</translation>
    </message>
    <message>
        <source>&amp;Cancel batch</source>
        <translation>Serie a&amp;bsagen</translation>
    </message>
    <message>
        <source>Late Scheduled Messages</source>
        <translation>Verspätete geplante Nachrichten</translation>
    </message>
    <message numerus="yes">
        <source>These scheduled messages were not sent at their time, and are more than %n hours late: they go only on your word. Choose for the selected ones; what you leave is asked about again at the next start.</source>
        <translation>
            <numerusform>Diese geplanten Nachrichten wurden nicht zu ihrer Zeit gesendet und sind mehr als %n Stunde verspätet: Sie gehen nur auf Ihr Wort hin. Wählen Sie für die markierten; was Sie offen lassen, wird beim nächsten Start erneut erfragt.</numerusform>
            <numerusform>Diese geplanten Nachrichten wurden nicht zu ihrer Zeit gesendet und sind mehr als %n Stunden verspätet: Sie gehen nur auf Ihr Wort hin. Wählen Sie für die markierten; was Sie offen lassen, wird beim nächsten Start erneut erfragt.</numerusform>
        </translation>
    </message>
    <message>
        <source>Late batches</source>
        <translation>Verspätete Serien</translation>
    </message>
    <message>
        <source>Due at %1, to %2: %3</source>
        <translation>Fällig um %1, an %2: %3</translation>
    </message>
    <message>
        <source>Ask &amp;later</source>
        <translation>&amp;Später fragen</translation>
    </message>
</context>
<context>
    <name>pelicast::MainWindow</name>
    <message>
        <source>Quillo</source>
        <translation>Quillo</translation>
    </message>
    <message>
        <source>New SMS</source>
        <translation>Neue SMS</translation>
    </message>
    <message>
        <source>Send SMS</source>
        <translation>SMS senden</translation>
    </message>
    <message>
        <source>Internet Options</source>
        <translation>Internetoptionen</translation>
    </message>
    <message>
        <source>Send Contact List to server</source>
        <translation>Kontaktliste an den Server senden</translation>
    </message>
    <message>
        <source>Address Book</source>
        <translation>Adressbuch</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Visit Quillo</source>
        <translation>Quillo besuchen</translation>
    </message>
    <message>
        <source>&amp;Username</source>
        <translation>&amp;Benutzername</translation>
    </message>
    <message>
        <source>Enter You Quillo username</source>
        <translation>Geben Sie Ihren Quillo-Benutzernamen ein</translation>
    </message>
    <message>
        <source>Username</source>
        <translation>Benutzername</translation>
    </message>
    <message>
        <source>Your Quillo username</source>
        <translation>Ihr Quillo-Benutzername</translation>
    </message>
    <message>
        <source>&amp;Password</source>
        <translation>&amp;Passwort</translation>
    </message>
    <message>
        <source>Enter You Quillo password</source>
        <translation>Geben Sie Ihr Quillo-Passwort ein</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Passwort</translation>
    </message>
    <message>
        <source>R&amp;emember Password</source>
        <translation>Passwort mer&amp;ken</translation>
    </message>
    <message>
        <source>Check to store the password</source>
        <translation>Ankreuzen, um das Passwort zu speichern</translation>
    </message>
    <message>
        <source>Ori&amp;ginator</source>
        <translation>Absen&amp;der</translation>
    </message>
    <message>
        <source>Originator of the sms message</source>
        <translation>Absender der SMS-Nachricht</translation>
    </message>
    <message>
        <source>Originator</source>
        <translation>Absender</translation>
    </message>
    <message>
        <source>&amp;Recipient</source>
        <translation>&amp;Empfänger</translation>
    </message>
    <message>
        <source>Recipient(s) Enter multiple recipients delimited with ;</source>
        <translation>Empfänger: Mehrere Empfänger mit ; getrennt eingeben</translation>
    </message>
    <message>
        <source>Recipient</source>
        <translation>Empfänger</translation>
    </message>
    <message>
        <source>&lt;</source>
        <translation>&lt;</translation>
    </message>
    <message>
        <source>Pop-up Address Book</source>
        <translation>Adressbuch öffnen</translation>
    </message>
    <message>
        <source>S&amp;MS</source>
        <translation>S&amp;MS</translation>
    </message>
    <message>
        <source>SMS Message text</source>
        <translation>Text der SMS-Nachricht</translation>
    </message>
    <message>
        <source>SMS</source>
        <translation>SMS</translation>
    </message>
    <message>
        <source>Type your message here</source>
        <translation>Geben Sie hier Ihre Nachricht ein</translation>
    </message>
    <message>
        <source>&amp;Send</source>
        <translation>&amp;Senden</translation>
    </message>
    <message>
        <source>Click here to send Your sms</source>
        <translation>Klicken Sie hier, um Ihre SMS zu senden</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>Abbre&amp;chen</translation>
    </message>
    <message>
        <source>160 characters left</source>
        <translation>160 Zeichen übrig</translation>
    </message>
    <message>
        <source>Credits Left: Unknown</source>
        <translation>Verbleibende Credits: unbekannt</translation>
    </message>
    <message>
        <source>Powered by Brackel</source>
        <translation>Bereitgestellt von Brackel</translation>
    </message>
    <message>
        <source>&amp;Actions</source>
        <translation>&amp;Aktionen</translation>
    </message>
    <message>
        <source>&amp;Web</source>
        <translation>&amp;Web</translation>
    </message>
    <message>
        <source>&amp;Buy Credits</source>
        <translation>&amp;Credits kaufen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;New SMS</source>
        <translation>&amp;Neue SMS</translation>
    </message>
    <message>
        <source>&amp;Send SMS</source>
        <translation>SMS &amp;senden</translation>
    </message>
    <message>
        <source>&amp;Address Book</source>
        <translation>&amp;Adressbuch</translation>
    </message>
    <message>
        <source>S&amp;end Contact List to server</source>
        <translation>&amp;Kontaktliste an den Server senden</translation>
    </message>
    <message>
        <source>&amp;Get Credit balance from server</source>
        <translation>&amp;Guthaben vom Server abfragen</translation>
    </message>
    <message>
        <source>&amp;History...</source>
        <translation>&amp;Verlauf...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>&amp;Main Page</source>
        <translation>&amp;Hauptseite</translation>
    </message>
    <message>
        <source>&amp;900 Credits</source>
        <translation>&amp;900 Credits</translation>
    </message>
    <message>
        <source>&amp;2.500 Credits</source>
        <translation>&amp;2.500 Credits</translation>
    </message>
    <message>
        <source>&amp;5.500 Credits</source>
        <translation>&amp;5.500 Credits</translation>
    </message>
    <message>
        <source>&amp;12.000 Credits</source>
        <translation>&amp;12.000 Credits</translation>
    </message>
    <message>
        <source>Create Quillo &amp;account</source>
        <translation>Quillo-&amp;Konto anlegen</translation>
    </message>
    <message>
        <source>&amp;Visit Quillo</source>
        <translation>Quillo &amp;besuchen</translation>
    </message>
    <message>
        <source>V&amp;isit Brackel</source>
        <translation>Brackel bes&amp;uchen</translation>
    </message>
    <message>
        <source>Help &amp;Topics (F1)</source>
        <translation>Hilfe&amp;themen (F1)</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Ü&amp;ber</translation>
    </message>
    <message>
        <source>History (Actions &gt; History)</source>
        <translation>Verlauf (Aktionen &gt; Verlauf)</translation>
    </message>
    <message>
        <source>Requests are not recorded, but they are sent.</source>
        <translation>Anfragen werden nicht protokolliert, aber sie werden gesendet.</translation>
    </message>
    <message>
        <source>test gateway: %1</source>
        <translation>Test-Gateway: %1</translation>
    </message>
    <message>
        <source>Credits Left: (last run)%1</source>
        <translation>Verbleibende Credits: (letzter Lauf)%1</translation>
    </message>
    <message>
        <source>Click here for %1</source>
        <translation>Hier klicken für %1</translation>
    </message>
    <message numerus="yes">
        <source>%n characters left</source>
        <translation>
            <numerusform>%n Zeichen übrig</numerusform>
            <numerusform>%n Zeichen übrig</numerusform>
        </translation>
    </message>
    <message>
        <source>A request is already in progress. Please wait for the server&apos;s reply.</source>
        <translation>Eine Anfrage läuft bereits. Bitte warten Sie auf die Antwort des Servers.</translation>
    </message>
    <message>
        <source>Please enter Your Quillo username</source>
        <translation>Bitte geben Sie Ihren Quillo-Benutzernamen ein</translation>
    </message>
    <message>
        <source>Please enter Your Quillo password</source>
        <translation>Bitte geben Sie Ihr Quillo-Passwort ein</translation>
    </message>
    <message>
        <source>Please enter Your Quillo Username</source>
        <translation>Bitte geben Sie Ihren Quillo-Benutzernamen ein</translation>
    </message>
    <message>
        <source>Please enter Password for User %1</source>
        <translation>Bitte geben Sie das Passwort für den Benutzer %1 ein</translation>
    </message>
    <message>
        <source>Please enter the recipient of You sms message</source>
        <translation>Bitte geben Sie den Empfänger Ihrer SMS-Nachricht ein</translation>
    </message>
    <message>
        <source>Please write Your message</source>
        <translation>Bitte schreiben Sie Ihre Nachricht</translation>
    </message>
    <message>
        <source>Send SMS ?</source>
        <translation>SMS senden?</translation>
    </message>
    <message>
        <source>Sending SMS...</source>
        <translation>SMS wird gesendet...</translation>
    </message>
    <message>
        <source>Receive credit balance from Quillo server ?</source>
        <translation>Guthaben vom Quillo-Server abfragen?</translation>
    </message>
    <message>
        <source>Credit check</source>
        <translation>Guthabenabfrage</translation>
    </message>
    <message>
        <source>Sending request...</source>
        <translation>Anfrage wird gesendet...</translation>
    </message>
    <message>
        <source>Server Response:</source>
        <translation>Antwort des Servers:</translation>
    </message>
    <message>
        <source>Credits Left:%1</source>
        <translation>Verbleibende Credits:%1</translation>
    </message>
    <message>
        <source>To begin, type your Quillo username and password.</source>
        <translation>Geben Sie zu Beginn Ihren Quillo-Benutzernamen und Ihr Passwort ein.</translation>
    </message>
    <message>
        <source>Your settings cannot be saved: changes to the account, recent recipients, balance and Options made now are lost when the program ends.

</source>
        <translation>Ihre Einstellungen können nicht gespeichert werden: Änderungen am Konto, an den letzten Empfängern, am Guthaben und an den Optionen gehen beim Beenden des Programms verloren.

</translation>
    </message>
    <message>
        <source>A request is still out. If you quit now, its answer is not waited for. %1

Quit all the same?</source>
        <translation>Eine Anfrage ist noch unterwegs. Wenn Sie jetzt beenden, wird auf ihre Antwort nicht gewartet. %1

Trotzdem beenden?</translation>
    </message>
    <message>
        <source>Discard the unsent message?</source>
        <translation>Die nicht gesendete Nachricht verwerfen?</translation>
    </message>
    <message>
        <source>Pelicast was closed before the answer came.</source>
        <translation>Pelicast wurde geschlossen, bevor die Antwort kam.</translation>
    </message>
    <message>
        <source>Recipients from &amp;file...</source>
        <translation>Empfänger aus &amp;Datei...</translation>
    </message>
    <message>
        <source>&amp;Import contacts...</source>
        <translation>Kontakte &amp;importieren...</translation>
    </message>
    <message>
        <source>Save recipients as g&amp;roup...</source>
        <translation>Empfänger als G&amp;ruppe speichern...</translation>
    </message>
    <message>
        <source>From fi&amp;le...</source>
        <translation>A&amp;us Datei...</translation>
    </message>
    <message>
        <source>Recipients from a CSV or TSV list file</source>
        <translation>Empfänger aus einer CSV- oder TSV-Listendatei</translation>
    </message>
    <message>
        <source>A batch is being sent. If you quit now, a request on its way is recorded as without a complete answer, and the rest stay queued: the next start offers to continue them.

Quit all the same?</source>
        <translation>Eine Serie wird gerade gesendet. Wenn Sie jetzt beenden, wird eine laufende Anfrage als ohne vollständige Antwort vermerkt, und der Rest bleibt in der Warteschlange: Der nächste Start bietet an, ihn fortzusetzen.

Trotzdem beenden?</translation>
    </message>
    <message>
        <source>%1 accepted, %2 refused, %3 without a clear answer, %4 still queued.</source>
        <translation>%1 angenommen, %2 abgelehnt, %3 ohne klare Antwort, %4 noch in der Warteschlange.</translation>
    </message>
    <message>
        <source>Nothing was sent: a batch is recorded whole before it is sent, and the journal cannot be used. %1</source>
        <translation>Nichts wurde gesendet: Eine Serie wird vollständig vermerkt, bevor sie gesendet wird, und das Protokoll kann nicht verwendet werden. %1</translation>
    </message>
    <message>
        <source>A batch is being sent. Wait until it ends, or stop it.</source>
        <translation>Eine Serie wird gerade gesendet. Warten Sie, bis sie endet, oder halten Sie sie an.</translation>
    </message>
    <message>
        <source>None of the recipients can get the message.</source>
        <translation>Keiner der Empfänger kann die Nachricht bekommen.</translation>
    </message>
    <message>
        <source>Nothing was sent: the batch cannot be recorded. %1</source>
        <translation>Nichts wurde gesendet: Die Serie kann nicht vermerkt werden. %1</translation>
    </message>
    <message>
        <source>Sending a batch...</source>
        <translation>Eine Serie wird gesendet...</translation>
    </message>
    <message>
        <source>The batch was sent.</source>
        <translation>Die Serie wurde gesendet.</translation>
    </message>
    <message>
        <source>Stopped. What is still queued is sent with Continue in Actions &gt; Unfinished batches.</source>
        <translation>Angehalten. Was noch in der Warteschlange ist, sendet Fortsetzen unter Aktionen &gt; Unfertige Serien.</translation>
    </message>
    <message>
        <source>The batch stopped: %1 What is still queued is sent with Continue in Actions &gt; Unfinished batches.</source>
        <translation>Die Serie wurde unterbrochen: %1 Was noch in der Warteschlange ist, sendet Fortsetzen unter Aktionen &gt; Unfertige Serien.</translation>
    </message>
    <message>
        <source>Pelicast: a batch ended</source>
        <translation>Pelicast: eine Serie ist beendet</translation>
    </message>
    <message>
        <source>Every batch is finished.</source>
        <translation>Jede Serie ist abgeschlossen.</translation>
    </message>
    <message>
        <source>This batch is sent from the account %1. Type that user name and its password in the main window, then choose it again.</source>
        <translation>Diese Serie wird vom Konto %1 gesendet. Geben Sie diesen Benutzernamen und sein Passwort im Hauptfenster ein und wählen Sie sie dann erneut.</translation>
    </message>
    <message>
        <source>Unfinished &amp;batches...</source>
        <translation>&amp;Unfertige Serien...</translation>
    </message>
    <message>
        <source>Paused for the quiet hours: the rest goes at %1.</source>
        <translation>Pausiert wegen der Ruhezeiten: Der Rest geht um %1.</translation>
    </message>
    <message>
        <source>The batch stopped: %1 The rest is tried again in a minute.</source>
        <translation>Die Serie wurde unterbrochen: %1 Der Rest wird in einer Minute erneut versucht.</translation>
    </message>
    <message>
        <source>Sen&amp;d later...</source>
        <translation>Spä&amp;ter senden...</translation>
    </message>
    <message>
        <source>Send later</source>
        <translation>Später senden</translation>
    </message>
    <message>
        <source>Send the message at a time you choose</source>
        <translation>Die Nachricht zu einer Zeit Ihrer Wahl senden</translation>
    </message>
    <message>
        <source>Sche&amp;duled messages...</source>
        <translation>Gep&amp;lante Nachrichten...</translation>
    </message>
    <message>
        <source>Nothing was scheduled: the batch cannot be recorded. %1</source>
        <translation>Nichts wurde geplant: Die Serie kann nicht vermerkt werden. %1</translation>
    </message>
    <message>
        <source>Send SMS later?</source>
        <translation>SMS später senden?</translation>
    </message>
    <message>
        <source>Batch %1 is scheduled for %2: %3.</source>
        <translation>Serie %1 ist für %2 geplant: %3.</translation>
    </message>
    <message>
        <source>Remember Password is off, so the timer has no password: these messages go only while Pelicast is open with the password typed. To let them go while it is closed, tick Remember Password before you schedule.</source>
        <translation>„Passwort merken“ ist aus, daher hat der Timer kein Passwort: Diese Nachrichten gehen nur, solange Pelicast mit eingegebenem Passwort geöffnet ist. Damit sie auch gehen, wenn es geschlossen ist, kreuzen Sie „Passwort merken“ an, bevor Sie planen.</translation>
    </message>
    <message>
        <source>Scheduling...</source>
        <translation>Wird geplant...</translation>
    </message>
    <message>
        <source>Batch %1 of %2 was due at %3, but no password for the account is available: none is remembered, and the keyring gives none. It stays scheduled; type the account&apos;s user name and password in the main window, and it goes within a minute.</source>
        <translation>Serie %1 von %2 war um %3 fällig, aber für das Konto ist kein Passwort verfügbar: Keines ist gemerkt, und der Schlüsselbund liefert keines. Sie bleibt geplant; geben Sie Benutzernamen und Passwort des Kontos im Hauptfenster ein, dann geht sie binnen einer Minute.</translation>
    </message>
</context>
<context>
    <name>pelicast::MessageTextEdit</name>
    <message numerus="yes">
        <source>Characters left out: %n. A message holds at most %1 characters.</source>
        <translation>
            <numerusform>Ausgelassene Zeichen: %n. Eine Nachricht fasst höchstens %1 Zeichen.</numerusform>
            <numerusform>Ausgelassene Zeichen: %n. Eine Nachricht fasst höchstens %1 Zeichen.</numerusform>
        </translation>
    </message>
    <message>
        <source>Undo (Ctrl+Z) takes the paste back.</source>
        <translation>Rückgängig (Strg+Z) nimmt das Einfügen zurück.</translation>
    </message>
</context>
<context>
    <name>pelicast::OptionsDialog</name>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Proxy Options</source>
        <translation>Proxy-Optionen</translation>
    </message>
    <message>
        <source>&amp;No proxy</source>
        <translation>&amp;Kein Proxy</translation>
    </message>
    <message>
        <source>Use s&amp;ystem proxy settings</source>
        <translation>S&amp;ystem-Proxy-Einstellungen verwenden</translation>
    </message>
    <message>
        <source>C&amp;ustom proxy</source>
        <translation>&amp;Eigener Proxy</translation>
    </message>
    <message>
        <source>Proxy address</source>
        <translation>Proxy-Adresse</translation>
    </message>
    <message>
        <source>&amp;Port</source>
        <translation>&amp;Port</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Internet Options</source>
        <translation>Internetoptionen</translation>
    </message>
    <message>
        <source>http&amp;s (recommended)</source>
        <translation>http&amp;s (empfohlen)</translation>
    </message>
    <message>
        <source>&amp;http</source>
        <translation>&amp;http</translation>
    </message>
    <message>
        <source>Before Sending</source>
        <translation>Vor dem Senden</translation>
    </message>
    <message>
        <source>Default &amp;region</source>
        <translation>Standard&amp;region</translation>
    </message>
    <message>
        <source>The country whose numbers you type without a country code</source>
        <translation>Das Land, dessen Nummern Sie ohne Ländervorwahl eingeben</translation>
    </message>
    <message>
        <source>Default region</source>
        <translation>Standardregion</translation>
    </message>
    <message>
        <source>&amp;Check the recipients&apos; numbers</source>
        <translation>Nummern der Empfänger &amp;prüfen</translation>
    </message>
    <message>
        <source>Refuse numbers that cannot exist and ask about numbers given twice</source>
        <translation>Nummern ablehnen, die es nicht geben kann, und bei doppelt angegebenen Nummern nachfragen</translation>
    </message>
    <message>
        <source>&amp;Ask again above</source>
        <translation>Erneut &amp;fragen über</translation>
    </message>
    <message>
        <source>Ask a second question before a send that costs more</source>
        <translation>Vor einem Versand, der mehr kostet, ein zweites Mal fragen</translation>
    </message>
    <message>
        <source>Credits to ask again above</source>
        <translation>Credits, über denen erneut gefragt wird</translation>
    </message>
    <message>
        <source> credits</source>
        <translation> Credits</translation>
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
        <source>Apply</source>
        <translation>Anwenden</translation>
    </message>
    <message>
        <source>None: compare numbers as written</source>
        <translation>Keine: Nummern wie geschrieben vergleichen</translation>
    </message>
    <message>
        <source>Not set: asked at the first send</source>
        <translation>Nicht festgelegt: wird beim ersten Senden gefragt</translation>
    </message>
    <message>
        <source>Please enter proxy address and port</source>
        <translation>Bitte geben Sie Adresse und Port des Proxys ein</translation>
    </message>
    <message>
        <source>Sending Later</source>
        <translation>Später senden</translation>
    </message>
    <message>
        <source>&amp;Quiet hours, from</source>
        <translation>R&amp;uhezeiten, von</translation>
    </message>
    <message>
        <source>Scheduled messages wait for the end of the quiet hours, and a batch running into them pauses until they end</source>
        <translation>Geplante Nachrichten warten auf das Ende der Ruhezeiten, und eine Serie, die in sie hineinläuft, pausiert bis zu ihrem Ende</translation>
    </message>
    <message>
        <source>Quiet hours start</source>
        <translation>Beginn der Ruhezeiten</translation>
    </message>
    <message>
        <source>t&amp;o</source>
        <translation>&amp;bis</translation>
    </message>
    <message>
        <source>Quiet hours end</source>
        <translation>Ende der Ruhezeiten</translation>
    </message>
    <message>
        <source>Ask before sending a batch &amp;late by more than</source>
        <translation>Vor dem Senden fragen, wenn eine Serie &amp;verspätet ist um mehr als</translation>
    </message>
    <message>
        <source>A scheduled batch found later than this (the computer was off) is not sent by the timer; Pelicast asks when it next starts</source>
        <translation>Eine geplante Serie, die später als das gefunden wird (der Computer war aus), wird nicht vom Timer gesendet; Pelicast fragt beim nächsten Start</translation>
    </message>
    <message>
        <source>Hours late before asking</source>
        <translation>Stunden Verspätung vor der Frage</translation>
    </message>
    <message>
        <source> hours</source>
        <translation> Stunden</translation>
    </message>
    <message>
        <source>Pause &amp;between the messages of a batch</source>
        <translation>&amp;Wartezeit zwischen den Nachrichten einer Serie</translation>
    </message>
    <message>
        <source>A batch sends one request at a time, and waits this long before the next</source>
        <translation>Eine Serie sendet eine Anfrage nach der anderen und wartet so lange vor der nächsten</translation>
    </message>
    <message>
        <source>Pause between the messages of a batch</source>
        <translation>Wartezeit zwischen den Nachrichten einer Serie</translation>
    </message>
    <message>
        <source> s</source>
        <translation> Sek.</translation>
    </message>
</context>
<context>
    <name>pelicast::PasswordKeeper</name>
    <message>
        <source>The desktop&apos;s keyring has not answered for %1 seconds; it may be waiting to be unlocked.

Wait for it longer?</source>
        <translation>Der Schlüsselbund des Desktops hat seit %1 Sekunden nicht geantwortet; er wartet eventuell darauf, entsperrt zu werden.

Länger darauf warten?</translation>
    </message>
    <message>
        <source>The desktop&apos;s keyring did not answer within %1 seconds.</source>
        <translation>Der Schlüsselbund des Desktops hat nicht innerhalb von %1 Sekunden geantwortet.</translation>
    </message>
    <message>
        <source>Your remembered password for %1 is now kept in the desktop&apos;s keyring, and no longer in Pelicast&apos;s settings file, %2.</source>
        <translation>Ihr gemerktes Passwort für %1 liegt jetzt im Schlüsselbund des Desktops und nicht mehr in der Einstellungsdatei von Pelicast, %2.</translation>
    </message>
    <message>
        <source>The password for %1 could not be removed from the desktop&apos;s keyring.

%2</source>
        <translation>Das Passwort für %1 konnte nicht aus dem Schlüsselbund des Desktops entfernt werden.

%2</translation>
    </message>
    <message>
        <source>The password for %1 is kept in Pelicast&apos;s settings file, %2, because no keyring of the desktop could keep it.

%3

Only you can read that file, but the password in it is scrambled, not encrypted: anyone who can read the file or a copy of it can read the password. To keep it nowhere, untick &quot;Remember Password&quot; before you send.</source>
        <translation>Das Passwort für %1 liegt in der Einstellungsdatei von Pelicast, %2, weil kein Schlüsselbund des Desktops es aufbewahren konnte.

%3

Nur Sie können diese Datei lesen, aber das Passwort darin ist verschleiert, nicht verschlüsselt: Wer die Datei oder eine Kopie davon lesen kann, kann das Passwort lesen. Um es nirgends aufzubewahren, nehmen Sie das Häkchen bei „Passwort merken“ heraus, bevor Sie senden.</translation>
    </message>
</context>
<context>
    <name>pelicast::RecipientFileDialog</name>
    <message>
        <source>comma</source>
        <translation>Komma</translation>
    </message>
    <message>
        <source>semicolon</source>
        <translation>Semikolon</translation>
    </message>
    <message>
        <source>tab</source>
        <translation>Tabulator</translation>
    </message>
    <message>
        <source>vertical bar</source>
        <translation>senkrechter Strich</translation>
    </message>
    <message>
        <source>Recipients from %1</source>
        <translation>Empfänger aus %1</translation>
    </message>
    <message>
        <source>Check that the rows read right and which column holds the mobile numbers.</source>
        <translation>Prüfen Sie, ob die Zeilen richtig gelesen werden und welche Spalte die Mobilnummern enthält.</translation>
    </message>
    <message>
        <source>&amp;First row names the columns</source>
        <translation>&amp;Erste Zeile benennt die Spalten</translation>
    </message>
    <message>
        <source>Choose the column of numbers</source>
        <translation>Wählen Sie die Spalte der Nummern</translation>
    </message>
    <message>
        <source>Rows of the file</source>
        <translation>Zeilen der Datei</translation>
    </message>
    <message>
        <source>Left out</source>
        <translation>Ausgelassen</translation>
    </message>
    <message>
        <source>&amp;Encoding:</source>
        <translation>&amp;Kodierung:</translation>
    </message>
    <message>
        <source>Delimiter:</source>
        <translation>Trennzeichen:</translation>
    </message>
    <message>
        <source>&amp;Number column:</source>
        <translation>&amp;Nummernspalte:</translation>
    </message>
    <message>
        <source>Recipients from file</source>
        <translation>Empfänger aus Datei</translation>
    </message>
    <message>
        <source>Which column holds the numbers?</source>
        <translation>Welche Spalte enthält die Nummern?</translation>
    </message>
    <message>
        <source>Recipients: %1. Left out: %2.</source>
        <translation>Empfänger: %1. Ausgelassen: %2.</translation>
    </message>
    <message>
        <source>&amp;Left out (%1)</source>
        <translation>&amp;Ausgelassen (%1)</translation>
    </message>
</context>
<context>
    <name>pelicast::RecipientPicker</name>
    <message>
        <source>Select Contacts / Groups</source>
        <translation>Kontakte / Gruppen auswählen</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Kategorie</translation>
    </message>
    <message>
        <source>Contacts / Groups</source>
        <translation>Kontakte / Gruppen</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>&amp;Groups</source>
        <translation>&amp;Gruppen</translation>
    </message>
    <message>
        <source>New group, add to or remove from a group, rename or delete a group</source>
        <translation>Neue Gruppe, zu einer Gruppe hinzufügen oder aus ihr entfernen, eine Gruppe umbenennen oder löschen</translation>
    </message>
    <message>
        <source>&amp;Import contacts...</source>
        <translation>Kontakte &amp;importieren...</translation>
    </message>
    <message>
        <source>Adds the contacts of vCard files from other address books</source>
        <translation>Fügt die Kontakte aus vCard-Dateien anderer Adressbücher hinzu</translation>
    </message>
    <message>
        <source>&amp;Replace recipients</source>
        <translation>Empfänger &amp;ersetzen</translation>
    </message>
    <message>
        <source>Add &amp;to existing recipients</source>
        <translation>Zu vorhandenen Empfängern hinzu&amp;fügen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Contacts</source>
        <translation>Kontakte</translation>
    </message>
    <message>
        <source>Groups</source>
        <translation>Gruppen</translation>
    </message>
    <message>
        <source>Collecting Contacts...</source>
        <translation>Kontakte werden gesammelt...</translation>
    </message>
    <message>
        <source>No Groups</source>
        <translation>Keine Gruppen</translation>
    </message>
    <message>
        <source>No Contacts</source>
        <translation>Keine Kontakte</translation>
    </message>
    <message>
        <source>No groups yet. Tick contacts under Contacts, then choose Groups &gt; New group.</source>
        <translation>Noch keine Gruppen. Kreuzen Sie Kontakte unter Kontakte an und wählen Sie dann Gruppen &gt; Neue Gruppe.</translation>
    </message>
    <message>
        <source>No contacts yet. Import a vCard file from another address book with Import contacts..., or add one with Add.</source>
        <translation>Noch keine Kontakte. Importieren Sie eine vCard-Datei aus einem anderen Adressbuch mit Kontakte importieren... oder fügen Sie einen mit Hinzufügen hinzu.</translation>
    </message>
    <message numerus="yes">
        <source>%n contacts of the ticked groups could not be read and were left out.</source>
        <translation>
            <numerusform>%n Kontakt der angekreuzten Gruppen konnte nicht gelesen werden und wurde ausgelassen.</numerusform>
            <numerusform>%n Kontakte der angekreuzten Gruppen konnten nicht gelesen werden und wurden ausgelassen.</numerusform>
        </translation>
    </message>
    <message>
        <source>Address Book</source>
        <translation>Adressbuch</translation>
    </message>
    <message>
        <source>The address book has changed since the list was shown. Please choose the contact again.</source>
        <translation>Das Adressbuch hat sich geändert, seit die Liste angezeigt wurde. Bitte wählen Sie den Kontakt erneut.</translation>
    </message>
    <message>
        <source>Please select the contact to edit</source>
        <translation>Bitte wählen Sie den zu bearbeitenden Kontakt</translation>
    </message>
    <message>
        <source>Select Contact to edit</source>
        <translation>Zu bearbeitenden Kontakt wählen</translation>
    </message>
    <message>
        <source>Are you sure you want to delete the selected contact ?</source>
        <translation>Möchten Sie den gewählten Kontakt wirklich löschen?</translation>
    </message>
    <message>
        <source>Confirm Contact Delete</source>
        <translation>Löschen des Kontakts bestätigen</translation>
    </message>
    <message>
        <source>Please select the Contact to delete</source>
        <translation>Bitte wählen Sie den zu löschenden Kontakt</translation>
    </message>
    <message>
        <source>Select Contact to delete</source>
        <translation>Zu löschenden Kontakt wählen</translation>
    </message>
</context>
<context>
    <name>pelicast::ScheduledWindow</name>
    <message>
        <source>When</source>
        <translation>Wann</translation>
    </message>
    <message>
        <source>To</source>
        <translation>An</translation>
    </message>
    <message>
        <source>Messages</source>
        <translation>Nachrichten</translation>
    </message>
    <message>
        <source>Credits</source>
        <translation>Credits</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Nachricht</translation>
    </message>
    <message>
        <source>Edit Text</source>
        <translation>Text bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Message:</source>
        <translation>&amp;Nachricht:</translation>
    </message>
    <message>
        <source>Change &amp;time...</source>
        <translation>&amp;Zeit ändern...</translation>
    </message>
    <message>
        <source>&amp;Edit text...</source>
        <translation>Text &amp;bearbeiten...</translation>
    </message>
    <message>
        <source>Scheduled Messages</source>
        <translation>Geplante Nachrichten</translation>
    </message>
    <message>
        <source>Scheduled batches</source>
        <translation>Geplante Serien</translation>
    </message>
    <message>
        <source>Pelicast sends these at their time while it is open, and the systemd user timer while it is closed.</source>
        <translation>Pelicast sendet diese zu ihrer Zeit, solange es geöffnet ist, und der systemd-Benutzer-Timer, solange es geschlossen ist.</translation>
    </message>
    <message>
        <source>With this text, no message would go: nothing was changed.</source>
        <translation>Mit diesem Text ginge keine Nachricht: Nichts wurde geändert.</translation>
    </message>
    <message>
        <source>Keep the new text for the messages at %1?

%2</source>
        <translation>Den neuen Text für die Nachrichten um %1 behalten?

%2</translation>
    </message>
    <message numerus="yes">
        <source>Cancel the %n messages to %1 at %2? None of them will be sent.</source>
        <translation>
            <numerusform>Die %n Nachricht an %1 um %2 absagen? Sie wird nicht gesendet.</numerusform>
            <numerusform>Die %n Nachrichten an %1 um %2 absagen? Keine davon wird gesendet.</numerusform>
        </translation>
    </message>
    <message>
        <source>Ca&amp;ncel batch</source>
        <translation>Serie &amp;absagen</translation>
    </message>
</context>
<context>
    <name>pelicast::SendLaterDialog</name>
    <message>
        <source>Send Later</source>
        <translation>Später senden</translation>
    </message>
    <message>
        <source>Send &amp;at:</source>
        <translation>Senden &amp;um:</translation>
    </message>
    <message>
        <source>&amp;Schedule</source>
        <translation>&amp;Planen</translation>
    </message>
</context>
<context>
    <name>pelicast::Settings</name>
    <message>
        <source>%1 cannot be written.</source>
        <translation>%1 kann nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>%1 cannot be created: %2</source>
        <translation>%1 kann nicht angelegt werden: %2</translation>
    </message>
    <message>
        <source>%1 is read-only.</source>
        <translation>%1 ist schreibgeschützt.</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>not a file</source>
        <translation>keine Datei</translation>
    </message>
</context>
<context>
    <name>pelicast::SignalCatcher</name>
    <message>
        <source>signal %1</source>
        <translation>Signal %1</translation>
    </message>
</context>
<context>
    <name>pelicast::SystemInfoDialog</name>
    <message>
        <source>unknown</source>
        <translation>unbekannt</translation>
    </message>
    <message>
        <source>%1 (test gateway)</source>
        <translation>%1 (Test-Gateway)</translation>
    </message>
    <message>
        <source>%1 or %2 (built in)</source>
        <translation>%1 oder %2 (eingebaut)</translation>
    </message>
    <message>
        <source>Pelicast %1</source>
        <translation>Pelicast %1</translation>
    </message>
    <message>
        <source>Qt: %1 (built with %2), platform %3, style %4, scale %5</source>
        <translation>Qt: %1 (erstellt mit %2), Plattform %3, Stil %4, Skalierung %5</translation>
    </message>
    <message>
        <source>libphonenumber: %1</source>
        <translation>libphonenumber: %1</translation>
    </message>
    <message>
        <source>System: %1, kernel %2 %3, %4</source>
        <translation>System: %1, Kernel %2 %3, %4</translation>
    </message>
    <message>
        <source>Desktop: %1, session %2</source>
        <translation>Desktop: %1, Sitzung %2</translation>
    </message>
    <message>
        <source>Settings: %1</source>
        <translation>Einstellungen: %1</translation>
    </message>
    <message>
        <source>Address book: %1</source>
        <translation>Adressbuch: %1</translation>
    </message>
    <message>
        <source>Journal: %1</source>
        <translation>Protokoll: %1</translation>
    </message>
    <message>
        <source>Keyring: %1</source>
        <translation>Schlüsselbund: %1</translation>
    </message>
    <message>
        <source>Gateway: %1</source>
        <translation>Gateway: %1</translation>
    </message>
    <message>
        <source>System Information</source>
        <translation>Systeminformationen</translation>
    </message>
    <message>
        <source>System information</source>
        <translation>Systeminformationen</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
</context>
<context>
    <name>pelicast::TemplatesMenu</name>
    <message>
        <source>&amp;Templates</source>
        <translation>&amp;Vorlagen</translation>
    </message>
    <message>
        <source>No templates yet</source>
        <translation>Noch keine Vorlagen</translation>
    </message>
    <message>
        <source>&amp;Save message as template...</source>
        <translation>Nachricht als Vorlage &amp;speichern...</translation>
    </message>
    <message>
        <source>&amp;Rename template...</source>
        <translation>Vorlage &amp;umbenennen...</translation>
    </message>
    <message>
        <source>&amp;Delete template...</source>
        <translation>Vorlage &amp;löschen...</translation>
    </message>
    <message>
        <source>The message has no room left for this template.</source>
        <translation>Die Nachricht hat keinen Platz mehr für diese Vorlage.</translation>
    </message>
    <message>
        <source>The templates cannot be changed: %1</source>
        <translation>Die Vorlagen können nicht geändert werden: %1</translation>
    </message>
    <message>
        <source>Save the message as the template:</source>
        <translation>Die Nachricht als diese Vorlage speichern:</translation>
    </message>
    <message>
        <source>Save as template</source>
        <translation>Als Vorlage speichern</translation>
    </message>
    <message>
        <source>A template named &quot;%1&quot; exists. Replace its text?</source>
        <translation>Eine Vorlage namens „%1“ gibt es schon. Ihren Text ersetzen?</translation>
    </message>
    <message>
        <source>Which template?</source>
        <translation>Welche Vorlage?</translation>
    </message>
    <message>
        <source>Rename template</source>
        <translation>Vorlage umbenennen</translation>
    </message>
    <message>
        <source>New name of &quot;%1&quot;:</source>
        <translation>Neuer Name von „%1“:</translation>
    </message>
    <message>
        <source>Delete template</source>
        <translation>Vorlage löschen</translation>
    </message>
    <message>
        <source>Delete the template &quot;%1&quot;?</source>
        <translation>Die Vorlage „%1“ löschen?</translation>
    </message>
</context>
<context>
    <name>pelicast::UnfinishedBatchesDialog</name>
    <message>
        <source>Unfinished batches</source>
        <translation>Unfertige Serien</translation>
    </message>
    <message>
        <source>These batches were not sent to the end. Choose one, then what becomes of it; Later leaves them all as they are.</source>
        <translation>Diese Serien wurden nicht zu Ende gesendet. Wählen Sie eine, dann, was aus ihr wird; Später lässt sie alle, wie sie sind.</translation>
    </message>
    <message>
        <source>&amp;Continue</source>
        <translation>&amp;Fortsetzen</translation>
    </message>
    <message>
        <source>Sends only the requests still queued: nobody gets the message twice.</source>
        <translation>Sendet nur die Anfragen, die noch in der Warteschlange sind: Niemand bekommt die Nachricht zweimal.</translation>
    </message>
    <message>
        <source>Send again to &amp;refused...</source>
        <translation>Erneut an a&amp;bgelehnte senden...</translation>
    </message>
    <message>
        <source>Send again to &amp;unknown...</source>
        <translation>Erneut an &amp;unbekannte senden...</translation>
    </message>
    <message>
        <source>Cl&amp;ose batch...</source>
        <translation>Serie &amp;schließen...</translation>
    </message>
    <message>
        <source>&amp;Later</source>
        <translation>Spä&amp;ter</translation>
    </message>
    <message numerus="yes">
        <source>The gateway refused %n request(s) of this batch, so their recipients got nothing. Sent again, they are paid for if the gateway takes them now; History shows why they were refused. Send them again?</source>
        <translation>
            <numerusform>Das Gateway hat %n Anfrage dieser Serie abgelehnt, ihre Empfänger bekamen also nichts. Erneut gesendet, wird sie bezahlt, wenn das Gateway sie jetzt annimmt; der Verlauf zeigt, warum sie abgelehnt wurde. Erneut senden?</numerusform>
            <numerusform>Das Gateway hat %n Anfragen dieser Serie abgelehnt, ihre Empfänger bekamen also nichts. Erneut gesendet, werden sie bezahlt, wenn das Gateway sie jetzt annimmt; der Verlauf zeigt, warum sie abgelehnt wurden. Erneut senden?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n request(s) of this batch went out and no complete answer came: the gateway may have sent them. Sent again, their recipients may get the message twice, and both are paid for. Check your balance and History first. Send them again all the same?</source>
        <translation>
            <numerusform>%n Anfrage dieser Serie ging hinaus, und keine vollständige Antwort kam: Das Gateway hat sie vielleicht gesendet. Erneut gesendet, bekommen ihre Empfänger die Nachricht vielleicht zweimal, und beide werden bezahlt. Prüfen Sie zuerst Ihr Guthaben und den Verlauf. Trotzdem erneut senden?</numerusform>
            <numerusform>%n Anfragen dieser Serie gingen hinaus, und keine vollständige Antwort kam: Das Gateway hat sie vielleicht gesendet. Erneut gesendet, bekommen ihre Empfänger die Nachricht vielleicht zweimal, und beide werden bezahlt. Prüfen Sie zuerst Ihr Guthaben und den Verlauf. Trotzdem erneut senden?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Close this batch? Its %n queued request(s) are never sent, and it is no longer listed as unfinished.</source>
        <translation>
            <numerusform>Diese Serie schließen? Ihre %n wartende Anfrage wird nie gesendet, und sie wird nicht mehr als unfertig aufgeführt.</numerusform>
            <numerusform>Diese Serie schließen? Ihre %n wartenden Anfragen werden nie gesendet, und sie wird nicht mehr als unfertig aufgeführt.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n request(s): %1 accepted, %2 refused, %3 without a clear answer, %4 queued</source>
        <translation>
            <numerusform>%n Anfrage: %1 angenommen, %2 abgelehnt, %3 ohne klare Antwort, %4 in der Warteschlange</numerusform>
            <numerusform>%n Anfragen: %1 angenommen, %2 abgelehnt, %3 ohne klare Antwort, %4 in der Warteschlange</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>pelicast::help::HelpBrowser</name>
    <message>
        <source>&lt;html&gt;&lt;body&gt;&lt;h1&gt;Page not found&lt;/h1&gt;&lt;p&gt;The page %1 is not in this help file.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;body&gt;&lt;h1&gt;Seite nicht gefunden&lt;/h1&gt;&lt;p&gt;Die Seite %1 ist nicht in dieser Hilfedatei.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
</context>
<context>
    <name>pelicast::help::HelpWindow</name>
    <message>
        <source>Pelicast Help</source>
        <translation>Pelicast-Hilfe</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Inhalt</translation>
    </message>
    <message>
        <source>I&amp;ndex</source>
        <translation>I&amp;ndex</translation>
    </message>
    <message>
        <source>&amp;Search</source>
        <translation>&amp;Suche</translation>
    </message>
    <message>
        <source>Type a keyword</source>
        <translation>Stichwort eingeben</translation>
    </message>
    <message>
        <source>Navigation</source>
        <translation>Navigation</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Zurück</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>&amp;Vor</translation>
    </message>
    <message>
        <source>&amp;Home</source>
        <translation>&amp;Startseite</translation>
    </message>
</context>
</TS>
