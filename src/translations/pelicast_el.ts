<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="el">
<context>
    <name>AddressBook</name>
    <message>
        <source>Cannot create the address book &quot;%1&quot;: %2</source>
        <translation>Δεν είναι δυνατή η δημιουργία του βιβλίου διευθύνσεων «%1»: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a folder, not an address book.</source>
        <translation>Το «%1» είναι φάκελος, όχι βιβλίο διευθύνσεων.</translation>
    </message>
    <message>
        <source>Cannot read the address book &quot;%1&quot;: %2</source>
        <translation>Δεν είναι δυνατή η ανάγνωση του βιβλίου διευθύνσεων «%1»: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a vCard file; the address book was left as it is.</source>
        <translation>Το «%1» δεν είναι αρχείο vCard· το βιβλίο διευθύνσεων έμεινε ως είχε.</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;: %2</source>
        <translation>Δεν είναι δυνατή η εγγραφή του «%1»: %2</translation>
    </message>
    <message>
        <source>The address book &quot;%1&quot; is in use; the changes were not saved.</source>
        <translation>Το βιβλίο διευθύνσεων «%1» χρησιμοποιείται· οι αλλαγές δεν αποθηκεύτηκαν.</translation>
    </message>
    <message>
        <source>Cannot lock the address book &quot;%1&quot;: %2; the changes were not saved.</source>
        <translation>Δεν είναι δυνατό το κλείδωμα του βιβλίου διευθύνσεων «%1»: %2· οι αλλαγές δεν αποθηκεύτηκαν.</translation>
    </message>
    <message>
        <source>There is no folder for the user&apos;s address book.</source>
        <translation>Δεν υπάρχει φάκελος για το βιβλίο διευθύνσεων του χρήστη.</translation>
    </message>
    <message>
        <source>Cannot read &quot;%1&quot;: %2.</source>
        <translation>Δεν είναι δυνατή η ανάγνωση του «%1»: %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a vCard file.</source>
        <translation>Το «%1» δεν είναι αρχείο vCard.</translation>
    </message>
    <message>
        <source>Cannot export to &quot;%1&quot;: %2.</source>
        <translation>Δεν είναι δυνατή η εξαγωγή στο «%1»: %2.</translation>
    </message>
    <message>
        <source>The address book &quot;%1&quot; changed while it was read.</source>
        <translation>Το βιβλίο διευθύνσεων «%1» άλλαξε όσο διαβαζόταν.</translation>
    </message>
</context>
<context>
    <name>AddressBookError</name>
    <message>
        <source>The address book could not be read.</source>
        <translation>Δεν ήταν δυνατή η ανάγνωση του βιβλίου διευθύνσεων.</translation>
    </message>
    <message>
        <source>The address book could not be saved.</source>
        <translation>Δεν ήταν δυνατή η αποθήκευση του βιβλίου διευθύνσεων.</translation>
    </message>
    <message>
        <source>Address Book</source>
        <translation>Βιβλίο διευθύνσεων</translation>
    </message>
</context>
<context>
    <name>Application</name>
    <message>
        <source>Sends SMS text messages through the Quillo web SMS gateway.

One Pelicast runs per user: started again, it brings the window of the running one to the front and ends (exit status 0).

Exit status: 0 when the window was closed or another Pelicast took the start over, 2 on a wrong command line or gateway address.</source>
        <translation>Στέλνει μηνύματα SMS μέσω της διαδικτυακής πύλης SMS της Quillo.

Ανά χρήστη εκτελείται ένα Pelicast: αν ξεκινήσει ξανά, φέρνει μπροστά το παράθυρο αυτού που εκτελείται και τερματίζει (κατάσταση εξόδου 0).

Κατάσταση εξόδου: 0 όταν έκλεισε το παράθυρο ή όταν άλλο Pelicast ανέλαβε την εκκίνηση, 2 για λανθασμένη γραμμή εντολών ή διεύθυνση πύλης.</translation>
    </message>
    <message>
        <source>Unexpected argument &quot;%1&quot;.</source>
        <translation>Απροσδόκητο όρισμα «%1».</translation>
    </message>
    <message>
        <source>another Pelicast runs but does not answer; starting anew.</source>
        <translation>εκτελείται άλλο Pelicast αλλά δεν απαντά· γίνεται νέα εκκίνηση.</translation>
    </message>
</context>
<context>
    <name>BatchPlan</name>
    <message numerus="yes">
        <source>%n messages</source>
        <translation>
            <numerusform>%n μήνυμα</numerusform>
            <numerusform>%n μηνύματα</numerusform>
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
            <numerusform>%n μονάδα</numerusform>
            <numerusform>%n μονάδες</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 in Unicode</source>
        <translation>%1 σε Unicode</translation>
    </message>
    <message>
        <source>%1 with a field left empty</source>
        <translation>%1 με κενό πεδίο</translation>
    </message>
    <message>
        <source>%1 over %2 characters</source>
        <translation>%1 πάνω από %2 χαρακτήρες</translation>
    </message>
    <message>
        <source>%1 left out</source>
        <translation>%1 παραλείφθηκαν</translation>
    </message>
</context>
<context>
    <name>BatchStore</name>
    <message>
        <source>The journal %1 cannot be used: %2</source>
        <translation>Το ημερολόγιο %1 δεν μπορεί να χρησιμοποιηθεί: %2</translation>
    </message>
    <message>
        <source>The batch was closed before this request was sent.</source>
        <translation>Η παρτίδα έκλεισε πριν σταλεί αυτό το αίτημα.</translation>
    </message>
</context>
<context>
    <name>BoundedRead</name>
    <message>
        <source>larger than the limit of %1</source>
        <translation>μεγαλύτερο από το όριο των %1</translation>
    </message>
    <message>
        <source>a folder, not a file</source>
        <translation>φάκελος, όχι αρχείο</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>όχι κανονικό αρχείο</translation>
    </message>
</context>
<context>
    <name>ContactImport</name>
    <message>
        <source>The import was stopped; the address book was left as it was.</source>
        <translation>Η εισαγωγή διακόπηκε· το βιβλίο διευθύνσεων έμεινε ως ήταν.</translation>
    </message>
    <message numerus="yes">
        <source>Added %n contacts, skipped %1 already in the address book.</source>
        <translation>
            <numerusform>Προστέθηκε %n επαφή, παραλείφθηκαν %1 που υπήρχαν ήδη στο βιβλίο διευθύνσεων.</numerusform>
            <numerusform>Προστέθηκαν %n επαφές, παραλείφθηκαν %1 που υπήρχαν ήδη στο βιβλίο διευθύνσεων.</numerusform>
        </translation>
    </message>
    <message>
        <source>Of the added contacts, %1 use a character set this system cannot read: their names may show wrongly.</source>
        <translation>Από τις επαφές που προστέθηκαν, %1 χρησιμοποιούν σύνολο χαρακτήρων που αυτό το σύστημα δεν μπορεί να διαβάσει: τα ονόματά τους ίσως εμφανίζονται λάθος.</translation>
    </message>
</context>
<context>
    <name>ContactImportDialog</name>
    <message>
        <source>Import contacts</source>
        <translation>Εισαγωγή επαφών</translation>
    </message>
    <message>
        <source>vCard files (*.vcf *.vcard);;All files (*)</source>
        <translation>Αρχεία vCard (*.vcf *.vcard);;Όλα τα αρχεία (*)</translation>
    </message>
    <message>
        <source>Contacts are being imported. Please wait until it ends.</source>
        <translation>Γίνεται ήδη εισαγωγή επαφών. Περιμένετε να τελειώσει.</translation>
    </message>
    <message>
        <source>Importing contacts...</source>
        <translation>Εισαγωγή επαφών...</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Διακοπή</translation>
    </message>
    <message>
        <source>Saving the address book...</source>
        <translation>Αποθήκευση του βιβλίου διευθύνσεων...</translation>
    </message>
</context>
<context>
    <name>ContactUpload</name>
    <message>
        <source>Group(s) ? (separate groups with ;)</source>
        <translation>Ομάδα(-ες); (χωρίστε τις ομάδες με ;)</translation>
    </message>
    <message>
        <source>Enter default group(s)</source>
        <translation>Εισαγάγετε προεπιλεγμένη ομάδα(-ες)</translation>
    </message>
    <message>
        <source>Outlook Contacts</source>
        <translation>Επαφές Outlook</translation>
    </message>
    <message>
        <source>Delete existing groups with this name ?</source>
        <translation>Διαγραφή των υπαρχουσών ομάδων με αυτό το όνομα;</translation>
    </message>
    <message>
        <source>Collecting Address Book Contacts...</source>
        <translation>Συλλογή των επαφών του βιβλίου διευθύνσεων...</translation>
    </message>
    <message>
        <source>Sending Request to server...</source>
        <translation>Αποστολή αιτήματος στον διακομιστή...</translation>
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
Εντολές:
  list            Μία γραμμή ανά επαφή: το κείμενο που δείχνει η επιλογή επαφών
                  («Επώνυμο, Όνομα (κινητό)»), έπειτα ένα tab και οι ομάδες της.
  import ΑΡΧΕΙΟ...Προσθέτει τις κάρτες άλλων αρχείων vCard (2.1, 3.0 ή 4.0, όπως
                  τις εξάγει κάθε βιβλίο διευθύνσεων). Μια κάρτα της οποίας το UID, ή το
                  όνομα και ο αριθμός κινητού, υπάρχει ήδη στο βιβλίο παραλείπεται. Κάθε
                  αρχείο, όπως και το ίδιο το βιβλίο, είναι κανονικό αρχείο έως 256 MiB.
  export ΑΡΧΕΙΟ   Γράφει όλο το βιβλίο διευθύνσεων στο ΑΡΧΕΙΟ ως αρχείο vCard.

Χωρίς --book το εργαλείο δουλεύει με το βιβλίο διευθύνσεων που χρησιμοποιεί το Pelicast.

Κατάσταση εξόδου:
  0  ολοκληρώθηκε
  1  δεν ήταν δυνατή η ανάγνωση ή εγγραφή του βιβλίου διευθύνσεων ή ενός αρχείου
  2  λανθασμένη γραμμή εντολών
</translation>
    </message>
    <message numerus="yes">
        <source>Exported %n contacts to %1.</source>
        <translation>
            <numerusform>Εξήχθη %n επαφή στο %1.</numerusform>
            <numerusform>Εξήχθησαν %n επαφές στο %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>Lists, imports and exports the contacts of Pelicast&apos;s address book.</source>
        <translation>Εμφανίζει, εισάγει και εξάγει τις επαφές του βιβλίου διευθύνσεων του Pelicast.</translation>
    </message>
    <message>
        <source>Shows this help.</source>
        <translation>Εμφανίζει αυτή τη βοήθεια.</translation>
    </message>
    <message>
        <source>Shows the version.</source>
        <translation>Εμφανίζει την έκδοση.</translation>
    </message>
    <message>
        <source>Works on the vCard file PATH.</source>
        <translation>Δουλεύει με το αρχείο vCard PATH.</translation>
    </message>
    <message>
        <source>list, import FILE... or export FILE.</source>
        <translation>list, import ΑΡΧΕΙΟ... ή export ΑΡΧΕΙΟ.</translation>
    </message>
    <message>
        <source>No command given; see --help.</source>
        <translation>Δεν δόθηκε εντολή· δείτε --help.</translation>
    </message>
    <message>
        <source>Wrong use of &quot;%1&quot;; see --help.</source>
        <translation>Λανθασμένη χρήση του «%1»· δείτε --help.</translation>
    </message>
</context>
<context>
    <name>DraftReview</name>
    <message>
        <source>… and %1 more</source>
        <translation>… και %1 ακόμη</translation>
    </message>
    <message>
        <source>… (%1 in all)</source>
        <translation>… (%1 συνολικά)</translation>
    </message>
    <message>
        <source>The message has %1 characters; at most %2 fit, a line break counting as one.</source>
        <translation>Το μήνυμα έχει %1 χαρακτήρες· χωρούν το πολύ %2, με την αλλαγή γραμμής να μετρά ως ένας.</translation>
    </message>
    <message>
        <source>The message holds the control character U+%1, which phones do not show; only line breaks and tabs may be in a message.</source>
        <translation>Το μήνυμα περιέχει τον χαρακτήρα ελέγχου U+%1, που τα τηλέφωνα δεν εμφανίζουν· μόνο αλλαγές γραμμής και tab επιτρέπονται σε ένα μήνυμα.</translation>
    </message>
    <message>
        <source>This recipient is not a possible phone number:</source>
        <translation>Αυτός ο παραλήπτης δεν είναι δυνατός αριθμός τηλεφώνου:</translation>
    </message>
    <message>
        <source>These recipients are not possible phone numbers:</source>
        <translation>Αυτοί οι παραλήπτες δεν είναι δυνατοί αριθμοί τηλεφώνου:</translation>
    </message>
    <message>
        <source>This recipient is not a possible phone number of %1:</source>
        <translation>Αυτός ο παραλήπτης δεν είναι δυνατός αριθμός τηλεφώνου της χώρας %1:</translation>
    </message>
    <message>
        <source>These recipients are not possible phone numbers of %1:</source>
        <translation>Αυτοί οι παραλήπτες δεν είναι δυνατοί αριθμοί τηλεφώνου της χώρας %1:</translation>
    </message>
    <message>
        <source>No default region is set, so this national number cannot be checked:</source>
        <translation>Δεν έχει οριστεί προεπιλεγμένη περιοχή, οπότε αυτός ο εθνικός αριθμός δεν μπορεί να ελεγχθεί:</translation>
    </message>
    <message>
        <source>No default region is set, so these national numbers cannot be checked:</source>
        <translation>Δεν έχει οριστεί προεπιλεγμένη περιοχή, οπότε αυτοί οι εθνικοί αριθμοί δεν μπορούν να ελεγχθούν:</translation>
    </message>
    <message>
        <source>Please correct the recipients, or choose another default region in Options.</source>
        <translation>Διορθώστε τους παραλήπτες ή επιλέξτε άλλη προεπιλεγμένη περιοχή στις Επιλογές.</translation>
    </message>
    <message>
        <source>These recipients name the same number:</source>
        <translation>Αυτοί οι παραλήπτες αντιστοιχούν στον ίδιο αριθμό:</translation>
    </message>
    <message>
        <source>Send the message once to each number? (No sends it to every recipient as written.)</source>
        <translation>Να σταλεί το μήνυμα μία φορά σε κάθε αριθμό; (Με το Όχι στέλνεται σε κάθε παραλήπτη όπως γράφτηκε.)</translation>
    </message>
    <message>
        <source>Many networks replace or drop the originator “%1”. They carry a name of at most 11 letters, digits or other characters of the GSM alphabet, or a number of at most 15 digits with an optional leading +.</source>
        <translation>Πολλά δίκτυα αντικαθιστούν ή απορρίπτουν τον αποστολέα «%1». Μεταφέρουν όνομα έως 11 γραμμάτων, ψηφίων ή άλλων χαρακτήρων του αλφαβήτου GSM, ή αριθμό έως 15 ψηφίων με προαιρετικό + στην αρχή.</translation>
    </message>
    <message>
        <source>Send it all the same?</source>
        <translation>Να σταλεί παρ&apos; όλα αυτά;</translation>
    </message>
    <message numerus="yes">
        <source>This message costs %1 credits for %n recipient(s), more than the %2 credits set in Options.</source>
        <translation>
            <numerusform>Αυτό το μήνυμα κοστίζει %1 μονάδες για %n παραλήπτη, περισσότερο από τις %2 μονάδες που ορίστηκαν στις Επιλογές.</numerusform>
            <numerusform>Αυτό το μήνυμα κοστίζει %1 μονάδες για %n παραλήπτες, περισσότερο από τις %2 μονάδες που ορίστηκαν στις Επιλογές.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>This message costs %1 credits for %n recipient(s), more than the %2 credits allowed for this send.</source>
        <translation>
            <numerusform>Αυτό το μήνυμα κοστίζει %1 μονάδες για %n παραλήπτη, περισσότερο από τις %2 μονάδες που επιτρέπονται για αυτή την αποστολή.</numerusform>
            <numerusform>Αυτό το μήνυμα κοστίζει %1 μονάδες για %n παραλήπτες, περισσότερο από τις %2 μονάδες που επιτρέπονται για αυτή την αποστολή.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DueRules</name>
    <message>
        <source>That is inside the quiet hours (%1): the messages go at %2.</source>
        <translation>Αυτό είναι μέσα στις ώρες ησυχίας (%1): τα μηνύματα φεύγουν στις %2.</translation>
    </message>
    <message>
        <source>Choose the date and time the messages are to go.</source>
        <translation>Επιλέξτε την ημερομηνία και την ώρα που θα φύγουν τα μηνύματα.</translation>
    </message>
    <message>
        <source>%1 has passed: choose a later time, or send now.</source>
        <translation>Η ώρα %1 έχει περάσει: επιλέξτε μια μεταγενέστερη ώρα ή στείλτε τώρα.</translation>
    </message>
    <message>
        <source>%1 does not exist in this time zone (the clocks skip it): choose another time.</source>
        <translation>Η ώρα %1 δεν υπάρχει σε αυτή τη ζώνη ώρας (τα ρολόγια την παραλείπουν): επιλέξτε άλλη ώρα.</translation>
    </message>
    <message>
        <source>“%1” is no time: write it as YYYY-MM-DD HH:MM (your local time), or in ISO 8601 with an offset, such as 2026-05-04T08:00+02:00.</source>
        <translation>Το «%1» δεν είναι ώρα: γράψτε τη ως ΕΕΕΕ-ΜΜ-ΗΗ ΩΩ:ΛΛ (τοπική ώρα) ή κατά ISO 8601 με διαφορά ώρας, π.χ. 2026-05-04T08:00+02:00.</translation>
    </message>
    <message>
        <source>%1 on %2</source>
        <translation>%1 την %2</translation>
    </message>
</context>
<context>
    <name>GatewayLocation</name>
    <message>
        <source>&quot;%1&quot; is not a gateway address: it begins with http:// or https:// and names a host, as in http://127.0.0.1:18080/.</source>
        <translation>Το «%1» δεν είναι διεύθυνση πύλης: αρχίζει με http:// ή https:// και ονομάζει έναν υπολογιστή, όπως στο http://127.0.0.1:18080/.</translation>
    </message>
    <message>
        <source>Talks to the gateway at URL (such as http://127.0.0.1:18080/, where pelicast-gateway listens) instead of Quillo&apos;s: its pages are at URL followed by the page&apos;s name. The environment variable PELICAST_GATEWAY does the same; this option wins.</source>
        <translation>Επικοινωνεί με την πύλη στο URL (όπως http://127.0.0.1:18080/, όπου ακούει το pelicast-gateway) αντί για της Quillo: οι σελίδες της βρίσκονται στο URL ακολουθούμενο από το όνομα της σελίδας. Η μεταβλητή περιβάλλοντος PELICAST_GATEWAY κάνει το ίδιο· αυτή η επιλογή υπερισχύει.</translation>
    </message>
</context>
<context>
    <name>HelpCollection</name>
    <message>
        <source>The help file %1 cannot be opened. %2</source>
        <translation>Το αρχείο βοήθειας %1 δεν μπορεί να ανοίξει. %2</translation>
    </message>
    <message>
        <source>The help file %1 is missing.</source>
        <translation>Το αρχείο βοήθειας %1 λείπει.</translation>
    </message>
</context>
<context>
    <name>HelpLauncher</name>
    <message>
        <source>Help cannot be shown: the help viewer &quot;%1&quot; could not be started.</source>
        <translation>Η βοήθεια δεν μπορεί να εμφανιστεί: το πρόγραμμα προβολής βοήθειας «%1» δεν ξεκίνησε.</translation>
    </message>
</context>
<context>
    <name>HelpViewer</name>
    <message>
        <source>Open the help at PAGE, a page&apos;s file name such as options.htm.</source>
        <translation>Ανοίγει τη βοήθεια στη σελίδα PAGE, το όνομα αρχείου μιας σελίδας όπως options.htm.</translation>
    </message>
    <message>
        <source>Shows the help of Pelicast. One help window is open per user: started again, pelicast-help shows the topic in that window and ends.

Exit status: 0 when the window was closed or the open one took the topic, 1 when the help cannot be read, 2 on a wrong command line.</source>
        <translation>Εμφανίζει τη βοήθεια του Pelicast. Ανά χρήστη είναι ανοιχτό ένα παράθυρο βοήθειας: αν ξεκινήσει ξανά, το pelicast-help δείχνει το θέμα σε εκείνο το παράθυρο και τερματίζει.

Κατάσταση εξόδου: 0 όταν έκλεισε το παράθυρο ή όταν το ανοιχτό ανέλαβε το θέμα, 1 όταν η βοήθεια δεν μπορεί να διαβαστεί, 2 για λανθασμένη γραμμή εντολών.</translation>
    </message>
    <message>
        <source>Unexpected argument &quot;%1&quot;.</source>
        <translation>Απροσδόκητο όρισμα «%1».</translation>
    </message>
    <message>
        <source>Pelicast Help</source>
        <translation>Βοήθεια Pelicast</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Qt&apos;s SQLite driver is missing (Debian: libqt6sql6-sqlite).</source>
        <translation>Λείπει το πρόγραμμα οδήγησης SQLite του Qt (Debian: libqt6sql6-sqlite).</translation>
    </message>
    <message>
        <source>It is damaged, and it cannot be set aside as %1: %2</source>
        <translation>Είναι κατεστραμμένο και δεν μπορεί να παραμεριστεί ως %1: %2</translation>
    </message>
    <message>
        <source>The record of your requests (%1) was damaged. Pelicast set it aside, unchanged, as %2 and started a new one: History shows the requests from now on.</source>
        <translation>Το ημερολόγιο των αιτημάτων σας (%1) ήταν κατεστραμμένο. Το Pelicast το παραμέρισε, αμετάβλητο, ως %2 και ξεκίνησε νέο: το Ιστορικό δείχνει τα αιτήματα από εδώ και πέρα.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be created.</source>
        <translation>Ο φάκελος %1 δεν μπορεί να δημιουργηθεί.</translation>
    </message>
    <message>
        <source>It is not a file.</source>
        <translation>Δεν είναι αρχείο.</translation>
    </message>
    <message>
        <source>It was written by a newer version of Pelicast.</source>
        <translation>Γράφτηκε από νεότερη έκδοση του Pelicast.</translation>
    </message>
    <message>
        <source>The program ended before the answer came: the gateway may have acted on it.</source>
        <translation>Το πρόγραμμα τερμάτισε πριν έρθει η απάντηση: η πύλη ίσως εκτέλεσε το αίτημα.</translation>
    </message>
    <message>
        <source>It is not open.</source>
        <translation>Δεν είναι ανοιχτό.</translation>
    </message>
    <message>
        <source>The journal %1 cannot be used: %2</source>
        <translation>Το ημερολόγιο %1 δεν μπορεί να χρησιμοποιηθεί: %2</translation>
    </message>
    <message>
        <source>Request %1 is no longer this program&apos;s to send.</source>
        <translation>Το αίτημα %1 δεν το στέλνει πλέον αυτό το πρόγραμμα.</translation>
    </message>
</context>
<context>
    <name>QuietHours</name>
    <message>
        <source>“%1” are no quiet hours: write them as 21:00-08:00, or off.</source>
        <translation>Το «%1» δεν είναι ώρες ησυχίας: γράψτε τις ως 21:00-08:00 ή off.</translation>
    </message>
    <message>
        <source>Quiet hours from %1 to %1 would never end: choose an end that differs from the start, or turn them off.</source>
        <translation>Ώρες ησυχίας από %1 έως %1 δεν θα τελείωναν ποτέ: επιλέξτε τέλος διαφορετικό από την αρχή ή απενεργοποιήστε τις.</translation>
    </message>
</context>
<context>
    <name>RecipientList</name>
    <message>
        <source>Row %1: “%2”</source>
        <translation>Γραμμή %1: «%2»</translation>
    </message>
    <message>
        <source>“%1”</source>
        <translation>«%1»</translation>
    </message>
    <message>
        <source>%1 has the number of row %2.</source>
        <translation>Το %1 έχει τον αριθμό της γραμμής %2.</translation>
    </message>
    <message>
        <source>%1 has the number of “%2”.</source>
        <translation>Το %1 έχει τον αριθμό του «%2».</translation>
    </message>
    <message>
        <source>%1 is not a possible phone number.</source>
        <translation>Το %1 δεν είναι δυνατός αριθμός τηλεφώνου.</translation>
    </message>
    <message>
        <source>Row %1 has no number.</source>
        <translation>Η γραμμή %1 δεν έχει αριθμό.</translation>
    </message>
    <message>
        <source>%1 has no member with a mobile number.</source>
        <translation>Το %1 δεν έχει μέλος με αριθμό κινητού.</translation>
    </message>
</context>
<context>
    <name>RecipientTable</name>
    <message>
        <source>Row %1: a quoted cell is not closed.</source>
        <translation>Γραμμή %1: ένα κελί σε εισαγωγικά δεν κλείνει.</translation>
    </message>
    <message>
        <source>Column %1</source>
        <translation>Στήλη %1</translation>
    </message>
    <message>
        <source>The encoding “%1” is not known.</source>
        <translation>Η κωδικοποίηση «%1» δεν είναι γνωστή.</translation>
    </message>
    <message>
        <source>“%1” is not a file.</source>
        <translation>Το «%1» δεν είναι αρχείο.</translation>
    </message>
    <message>
        <source>“%1” is larger than %2 MiB, the most a list of recipients may be.</source>
        <translation>Το «%1» είναι μεγαλύτερο από %2 MiB, το μέγιστο για μια λίστα παραληπτών.</translation>
    </message>
    <message>
        <source>Cannot read “%1”: %2</source>
        <translation>Δεν είναι δυνατή η ανάγνωση του «%1»: %2</translation>
    </message>
    <message>
        <source>This is not a text file. Save the list from the spreadsheet as CSV (comma-separated values) and choose that file.</source>
        <translation>Αυτό δεν είναι αρχείο κειμένου. Αποθηκεύστε τη λίστα από το υπολογιστικό φύλλο ως CSV (τιμές χωρισμένες με κόμμα) και επιλέξτε εκείνο το αρχείο.</translation>
    </message>
</context>
<context>
    <name>ScheduleStore</name>
    <message>
        <source>Batch %1 is no longer scheduled: it is being sent, was sent or was cancelled.</source>
        <translation>Η παρτίδα %1 δεν είναι πια προγραμματισμένη: στέλνεται τώρα, στάλθηκε ή ακυρώθηκε.</translation>
    </message>
    <message>
        <source>The scheduled batch was cancelled.</source>
        <translation>Η προγραμματισμένη παρτίδα ακυρώθηκε.</translation>
    </message>
    <message>
        <source>Part of batch %1 was sent already: its text can no longer change.</source>
        <translation>Μέρος της παρτίδας %1 έχει ήδη σταλεί: το κείμενό της δεν μπορεί πια να αλλάξει.</translation>
    </message>
</context>
<context>
    <name>SendChecks</name>
    <message>
        <source>Message</source>
        <translation>Μήνυμα</translation>
    </message>
    <message>
        <source>Recipients</source>
        <translation>Παραλήπτες</translation>
    </message>
    <message>
        <source>Repeated recipients</source>
        <translation>Επαναλαμβανόμενοι παραλήπτες</translation>
    </message>
    <message>
        <source>Which country are they numbers of? It is kept as the default region, which Options can change.</source>
        <translation>Από ποια χώρα είναι αυτοί οι αριθμοί; Θα κρατηθεί ως η προεπιλεγμένη περιοχή, που μπορεί να αλλάξει στις Επιλογές.</translation>
    </message>
    <message>
        <source>Default region</source>
        <translation>Προεπιλεγμένη περιοχή</translation>
    </message>
    <message>
        <source>Press Send again to send with this originator all the same.</source>
        <translation>Πατήστε ξανά Αποστολή για να στείλετε παρ&apos; όλα αυτά με αυτόν τον αποστολέα.</translation>
    </message>
    <message>
        <source>Originator</source>
        <translation>Αποστολέας</translation>
    </message>
    <message>
        <source>Cost above your limit</source>
        <translation>Κόστος πάνω από το όριό σας</translation>
    </message>
</context>
<context>
    <name>SendCommand</name>
    <message>
        <source>--%1 takes the number of a batch (see --batches), not &quot;%2&quot;.</source>
        <translation>Το --%1 δέχεται τον αριθμό μιας παρτίδας (βλ. --batches), όχι «%2».</translation>
    </message>
    <message>
        <source>There is no batch %1 (see --batches).</source>
        <translation>Δεν υπάρχει παρτίδα %1 (βλ. --batches).</translation>
    </message>
    <message>
        <source>No batch is unfinished.</source>
        <translation>Δεν υπάρχει ημιτελής παρτίδα.</translation>
    </message>
    <message>
        <source>%1, made %2 from %3</source>
        <translation>%1, δημιουργήθηκε %2 από %3</translation>
    </message>
    <message>
        <source>Batch %1 is %2: it is not sent now.</source>
        <translation>Η παρτίδα %1 είναι %2: δεν στέλνεται τώρα.</translation>
    </message>
    <message>
        <source>Batch %1 is of the account %2: leave out --user.</source>
        <translation>Η παρτίδα %1 ανήκει στον λογαριασμό %2: παραλείψτε το --user.</translation>
    </message>
    <message numerus="yes">
        <source>%n refused requests of batch %1 are sent again: each is charged when the gateway takes it this time.</source>
        <translation>
            <numerusform>%n αίτημα της παρτίδας %1 που απορρίφθηκε στέλνεται ξανά: χρεώνεται αν το δεχτεί η πύλη αυτή τη φορά.</numerusform>
            <numerusform>%n αιτήματα της παρτίδας %1 που απορρίφθηκαν στέλνονται ξανά: το καθένα χρεώνεται αν το δεχτεί η πύλη αυτή τη φορά.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n requests of batch %1 that got no clear answer are sent again. The gateway may have sent them already: their recipients may get them twice, and each is paid again.</source>
        <translation>
            <numerusform>%n αίτημα της παρτίδας %1 χωρίς σαφή απάντηση στέλνεται ξανά. Η πύλη ίσως το έστειλε ήδη: οι παραλήπτες του ίσως το λάβουν δύο φορές, και πληρώνεται ξανά.</numerusform>
            <numerusform>%n αιτήματα της παρτίδας %1 χωρίς σαφή απάντηση στέλνονται ξανά. Η πύλη ίσως τα έστειλε ήδη: οι παραλήπτες τους ίσως τα λάβουν δύο φορές, και το καθένα πληρώνεται ξανά.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Batch %1 is closed: %n queued requests will not be sent; History keeps the rest as they are.</source>
        <translation>
            <numerusform>Η παρτίδα %1 έκλεισε: %n αίτημα σε αναμονή δεν θα σταλεί· το Ιστορικό κρατά τα υπόλοιπα όπως είναι.</numerusform>
            <numerusform>Η παρτίδα %1 έκλεισε: %n αιτήματα σε αναμονή δεν θα σταλούν· το Ιστορικό κρατά τα υπόλοιπα όπως είναι.</numerusform>
        </translation>
    </message>
    <message>
        <source>Template &quot;%1&quot; saved.</source>
        <translation>Το πρότυπο «%1» αποθηκεύτηκε.</translation>
    </message>
    <message>
        <source>Template &quot;%1&quot; deleted.</source>
        <translation>Το πρότυπο «%1» διαγράφηκε.</translation>
    </message>
    <message>
        <source>No template is saved.</source>
        <translation>Δεν υπάρχει αποθηκευμένο πρότυπο.</translation>
    </message>
    <message numerus="yes">
        <source>… and %n more</source>
        <translation>
            <numerusform>… και %n ακόμη</numerusform>
            <numerusform>… και %n ακόμη</numerusform>
        </translation>
    </message>
    <message>
        <source>%1
Nothing was sent.</source>
        <translation>%1
Δεν στάλθηκε τίποτα.</translation>
    </message>
    <message>
        <source>batch %1: %2 written to the journal.</source>
        <translation>παρτίδα %1: %2 γράφτηκαν στο ημερολόγιο.</translation>
    </message>
    <message>
        <source>--number-column names a column of --csv FILE.</source>
        <translation>Το --number-column ονομάζει μια στήλη του --csv FILE.</translation>
    </message>
    <message>
        <source>No recipient: give --to, --group or --csv.</source>
        <translation>Δεν υπάρχει παραλήπτης: δώστε --to, --group ή --csv.</translation>
    </message>
    <message>
        <source>The address book cannot be read: %1</source>
        <translation>Το βιβλίο διευθύνσεων δεν μπορεί να διαβαστεί: %1</translation>
    </message>
    <message>
        <source>--csv takes the recipients from the file: leave out --to and --group.</source>
        <translation>Το --csv παίρνει τους παραλήπτες από το αρχείο: παραλείψτε τα --to και --group.</translation>
    </message>
    <message>
        <source>The list file %1 cannot be read: %2</source>
        <translation>Το αρχείο λίστας %1 δεν μπορεί να διαβαστεί: %2</translation>
    </message>
    <message>
        <source>The list file %1 has no column &quot;%2&quot;; its columns: %3.</source>
        <translation>Το αρχείο λίστας %1 δεν έχει στήλη «%2»· οι στήλες του: %3.</translation>
    </message>
    <message>
        <source>No column of the list file %1 holds phone numbers; give --number-column (its columns: %2).</source>
        <translation>Καμία στήλη του αρχείου λίστας %1 δεν περιέχει αριθμούς τηλεφώνου· δώστε --number-column (οι στήλες του: %2).</translation>
    </message>
    <message>
        <source>These recipients cannot be sent to:%1
Correct them, or leave them out.</source>
        <translation>Σε αυτούς τους παραλήπτες δεν γίνεται αποστολή:%1
Διορθώστε τους ή παραλείψτε τους.</translation>
    </message>
    <message>
        <source>Left out, each number getting one message:%1</source>
        <translation>Παραλείφθηκαν, ώστε κάθε αριθμός να λάβει ένα μήνυμα:%1</translation>
    </message>
    <message>
        <source>No recipient is left to send to.</source>
        <translation>Δεν απομένει παραλήπτης για αποστολή.</translation>
    </message>
    <message>
        <source>The message holds {%1}, which names no field of these recipients (%2). Write {{ and }} to send a brace itself.</source>
        <translation>Το μήνυμα περιέχει {%1}, που δεν ονομάζει κανένα πεδίο αυτών των παραληπτών (%2). Γράψτε {{ και }} για να στείλετε την ίδια την αγκύλη.</translation>
    </message>
    <message>
        <source>--missing takes empty or skip, not &quot;%1&quot;.</source>
        <translation>Το --missing δέχεται empty ή skip, όχι «%1».</translation>
    </message>
    <message>
        <source>--too-long takes send or skip, not &quot;%1&quot;.</source>
        <translation>Το --too-long δέχεται send ή skip, όχι «%1».</translation>
    </message>
    <message>
        <source>--pause takes seconds from 0 to 3600, not &quot;%1&quot;.</source>
        <translation>Το --pause δέχεται δευτερόλεπτα από 0 έως 3600, όχι «%1».</translation>
    </message>
    <message>
        <source>%1: no %2</source>
        <translation>%1: χωρίς %2</translation>
    </message>
    <message numerus="yes">
        <source>%n recipients have no value for a field of the message:%1
Give --missing empty to send the message with the field left empty, or --missing skip to leave them out.</source>
        <translation>
            <numerusform>%n παραλήπτης δεν έχει τιμή για ένα πεδίο του μηνύματος:%1
Δώστε --missing empty για να σταλεί το μήνυμα με το πεδίο κενό, ή --missing skip για να παραλειφθεί.</numerusform>
            <numerusform>%n παραλήπτες δεν έχουν τιμή για ένα πεδίο του μηνύματος:%1
Δώστε --missing empty για να σταλεί το μήνυμα με το πεδίο κενό, ή --missing skip για να παραλειφθούν.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n messages are over %1 characters once filled in:%2
Give --too-long send to send them as they are (in more parts), or --too-long skip to leave them out.</source>
        <translation>
            <numerusform>%n μήνυμα ξεπερνά τους %1 χαρακτήρες όταν συμπληρωθεί:%2
Δώστε --too-long send για να σταλεί όπως είναι (σε περισσότερα τμήματα), ή --too-long skip για να παραλειφθεί.</numerusform>
            <numerusform>%n μηνύματα ξεπερνούν τους %1 χαρακτήρες όταν συμπληρωθούν:%2
Δώστε --too-long send για να σταλούν όπως είναι (σε περισσότερα τμήματα), ή --too-long skip για να παραλειφθούν.</numerusform>
        </translation>
    </message>
    <message>
        <source>row %1 (%2)</source>
        <translation>γραμμή %1 (%2)</translation>
    </message>
    <message>
        <source>Every message is empty or left out: nothing to send.</source>
        <translation>Κάθε μήνυμα είναι κενό ή παραλείφθηκε: δεν υπάρχει τίποτα για αποστολή.</translation>
    </message>
    <message>
        <source>%1
Give --max-cost %2 to send it all the same.</source>
        <translation>%1
Δώστε --max-cost %2 για να σταλεί παρ&apos; όλα αυτά.</translation>
    </message>
    <message>
        <source>Would send from %1 as %2: %3</source>
        <translation>Θα έστελνε από %1 ως %2: %3</translation>
    </message>
    <message numerus="yes">
        <source>%1: %2 (%3 SMS, %4, %n credits)</source>
        <translation>
            <numerusform>%1: %2 (%3 SMS, %4, %n μονάδα)</numerusform>
            <numerusform>%1: %2 (%3 SMS, %4, %n μονάδες)</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing was sent: this was a dry run.</source>
        <translation>Δεν στάλθηκε τίποτα: ήταν δοκιμαστική εκτέλεση.</translation>
    </message>
    <message numerus="yes">
        <source>%1 and %n more</source>
        <translation>
            <numerusform>%1 και %n ακόμη</numerusform>
            <numerusform>%1 και %n ακόμη</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Batch %1, %n requests: %2 accepted, %3 refused, %4 unknown, %5 queued</source>
        <translation>
            <numerusform>Παρτίδα %1, %n αίτημα: %2 δεκτά, %3 απορριφθέντα, %4 άγνωστα, %5 σε αναμονή</numerusform>
            <numerusform>Παρτίδα %1, %n αιτήματα: %2 δεκτά, %3 απορριφθέντα, %4 άγνωστα, %5 σε αναμονή</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>, %n being sent</source>
        <translation>
            <numerusform>, %n στέλνεται</numerusform>
            <numerusform>, %n στέλνονται</numerusform>
        </translation>
    </message>
    <message>
        <source>%1
A batch is written to the journal before anything is sent: nothing was sent.</source>
        <translation>%1
Μια παρτίδα γράφεται στο ημερολόγιο πριν σταλεί οτιδήποτε: δεν στάλθηκε τίποτα.</translation>
    </message>
    <message>
        <source>pelicast-send was stopped by %1 before the answer came.</source>
        <translation>Το pelicast-send σταμάτησε από το %1 πριν έρθει η απάντηση.</translation>
    </message>
    <message>
        <source>Stopped by %1 with a request out. %2</source>
        <translation>Διακόπηκε από το %1 ενώ ένα αίτημα είχε σταλεί. %2</translation>
    </message>
    <message>
        <source>Stopped by %1.</source>
        <translation>Διακόπηκε από το %1.</translation>
    </message>
    <message numerus="yes">
        <source>; %n credits spent</source>
        <translation>
            <numerusform>· δαπανήθηκε %n μονάδα</numerusform>
            <numerusform>· δαπανήθηκαν %n μονάδες</numerusform>
        </translation>
    </message>
    <message>
        <source>; Credits Left:%1</source>
        <translation>· Υπόλοιπο μονάδων:%1</translation>
    </message>
    <message numerus="yes">
        <source>%n requests of batch %1 got no clear answer: they may have been sent. Check your balance; pelicast-send never sends them again on its own (--resend-unknown %1 does, at the risk of sending them twice).</source>
        <translation>
            <numerusform>%n αίτημα της παρτίδας %1 δεν πήρε σαφή απάντηση: ίσως στάλθηκε. Ελέγξτε το υπόλοιπό σας· το pelicast-send δεν το στέλνει ποτέ ξανά από μόνο του (το --resend-unknown %1 το κάνει, με κίνδυνο να σταλεί δύο φορές).</numerusform>
            <numerusform>%n αιτήματα της παρτίδας %1 δεν πήραν σαφή απάντηση: ίσως στάλθηκαν. Ελέγξτε το υπόλοιπό σας· το pelicast-send δεν τα στέλνει ποτέ ξανά από μόνο του (το --resend-unknown %1 το κάνει, με κίνδυνο να σταλούν δύο φορές).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n requests of batch %1 are still queued: pelicast-send --continue %1 sends them.</source>
        <translation>
            <numerusform>%n αίτημα της παρτίδας %1 είναι ακόμη σε αναμονή: το pelicast-send --continue %1 το στέλνει.</numerusform>
            <numerusform>%n αιτήματα της παρτίδας %1 είναι ακόμη σε αναμονή: το pelicast-send --continue %1 τα στέλνει.</numerusform>
        </translation>
    </message>
    <message>
        <source>A password is never taken on the command line: use --password-file or PELICAST_PASSWORD.</source>
        <translation>Ο κωδικός πρόσβασης δεν δίνεται ποτέ στη γραμμή εντολών: χρησιμοποιήστε --password-file ή PELICAST_PASSWORD.</translation>
    </message>
    <message>
        <source>Unexpected argument &quot;%1&quot;.</source>
        <translation>Απροσδόκητο όρισμα «%1».</translation>
    </message>
    <message>
        <source>--%1 is given %2 times; give it once.</source>
        <translation>Το --%1 δόθηκε %2 φορές· δώστε το μία φορά.</translation>
    </message>
    <message>
        <source>Give one of --%1.</source>
        <translation>Δώστε μόνο ένα από τα --%1.</translation>
    </message>
    <message>
        <source>--%1 sends no message: leave out --%2.</source>
        <translation>Το --%1 δεν στέλνει μήνυμα: παραλείψτε το --%2.</translation>
    </message>
    <message>
        <source>--%1 has no dry run: leave out --dry-run.</source>
        <translation>Το --%1 δεν έχει δοκιμαστική εκτέλεση: παραλείψτε το --dry-run.</translation>
    </message>
    <message>
        <source>--max-cost takes a number of credits, not &quot;%1&quot;.</source>
        <translation>Το --max-cost δέχεται αριθμό μονάδων, όχι «%1».</translation>
    </message>
    <message>
        <source>--region takes a country&apos;s two-letter code, such as GR, not &quot;%1&quot;.</source>
        <translation>Το --region δέχεται τον διψήφιο κωδικό μιας χώρας, όπως GR, όχι «%1».</translation>
    </message>
    <message>
        <source>Pelicast&apos;s settings %1</source>
        <translation>Οι ρυθμίσεις του Pelicast: %1</translation>
    </message>
    <message>
        <source>Standard input cannot be read: %1</source>
        <translation>Η τυπική είσοδος δεν μπορεί να διαβαστεί: %1</translation>
    </message>
    <message>
        <source>The message on standard input cannot be read: %1.</source>
        <translation>Το μήνυμα στην τυπική είσοδο δεν μπορεί να διαβαστεί: %1.</translation>
    </message>
    <message>
        <source>The text on standard input is not UTF-8.</source>
        <translation>Το κείμενο στην τυπική είσοδο δεν είναι UTF-8.</translation>
    </message>
    <message>
        <source>There is no template &quot;%1&quot; (see --templates).</source>
        <translation>Δεν υπάρχει πρότυπο «%1» (βλ. --templates).</translation>
    </message>
    <message>
        <source>Give --region with the country&apos;s two-letter code (--region GR), or choose the default region in Pelicast&apos;s Options; numbers in international format (+30…) need neither.</source>
        <translation>Δώστε --region με τον διψήφιο κωδικό της χώρας (--region GR) ή επιλέξτε την προεπιλεγμένη περιοχή στις Επιλογές του Pelicast· οι αριθμοί σε διεθνή μορφή (+30…) δεν χρειάζονται κανένα από τα δύο.</translation>
    </message>
    <message>
        <source>No account: Pelicast remembers no user name; give --user.</source>
        <translation>Δεν υπάρχει λογαριασμός: το Pelicast δεν θυμάται όνομα χρήστη· δώστε --user.</translation>
    </message>
    <message>
        <source>Pelicast keeps none.</source>
        <translation>Το Pelicast δεν έχει κρατήσει κανέναν.</translation>
    </message>
    <message>
        <source>The password file holds none.</source>
        <translation>Το αρχείο κωδικού δεν περιέχει κανέναν.</translation>
    </message>
    <message>
        <source>The password file %1 cannot be read: %2</source>
        <translation>Το αρχείο κωδικού %1 δεν μπορεί να διαβαστεί: %2</translation>
    </message>
    <message>
        <source>The password file %1 can be read by other users.</source>
        <translation>Το αρχείο κωδικού %1 μπορεί να διαβαστεί από άλλους χρήστες.</translation>
    </message>
    <message>
        <source>PELICAST_PASSWORD is empty.</source>
        <translation>Το PELICAST_PASSWORD είναι κενό.</translation>
    </message>
    <message>
        <source>No password for %1: %2 Give --password-file or set PELICAST_PASSWORD.</source>
        <translation>Δεν υπάρχει κωδικός για τον %1: %2 Δώστε --password-file ή ορίστε το PELICAST_PASSWORD.</translation>
    </message>
    <message>
        <source>--to &quot;%1&quot; holds a blank recipient; recipients are separated by &quot;;&quot;.</source>
        <translation>Το --to «%1» περιέχει κενό παραλήπτη· οι παραλήπτες χωρίζονται με «;».</translation>
    </message>
    <message>
        <source>Give --text or --template, not both.</source>
        <translation>Δώστε --text ή --template, όχι και τα δύο.</translation>
    </message>
    <message>
        <source>No message: give --text, or --text - to read it from standard input.</source>
        <translation>Δεν υπάρχει μήνυμα: δώστε --text, ή --text - για ανάγνωση από την τυπική είσοδο.</translation>
    </message>
    <message>
        <source>The message is empty.</source>
        <translation>Το μήνυμα είναι κενό.</translation>
    </message>
    <message>
        <source>The address book has no group &quot;%1&quot; with a mobile number in it.</source>
        <translation>Το βιβλίο διευθύνσεων δεν έχει ομάδα «%1» με αριθμό κινητού.</translation>
    </message>
    <message numerus="yes">
        <source>%n contacts of the address book cannot be read; members of &quot;%1&quot; among them are left out.</source>
        <translation>
            <numerusform>%n επαφή του βιβλίου διευθύνσεων δεν μπορεί να διαβαστεί· όσα μέλη του «%1» είναι ανάμεσά τους παραλείπονται.</numerusform>
            <numerusform>%n επαφές του βιβλίου διευθύνσεων δεν μπορούν να διαβαστούν· όσα μέλη του «%1» είναι ανάμεσά τους παραλείπονται.</numerusform>
        </translation>
    </message>
    <message>
        <source>Each number is sent once.</source>
        <translation>Κάθε αριθμός λαμβάνει το μήνυμα μία φορά.</translation>
    </message>
    <message>
        <source>Each is sent and paid for (see --once).</source>
        <translation>Κάθε ένας στέλνεται και χρεώνεται (δείτε --once).</translation>
    </message>
    <message numerus="yes">
        <source>Would send from %1 as %2 to %n recipients:
</source>
        <translation>
            <numerusform>Θα έστελνε από %1 ως %2 σε %n παραλήπτη:
</numerusform>
            <numerusform>Θα έστελνε από %1 ως %2 σε %n παραλήπτες:
</numerusform>
        </translation>
    </message>
    <message>
        <source>Message: %1 SMS, %2
Cost: %3 credits</source>
        <translation>Μήνυμα: %1 SMS, %2
Κόστος: %3 μονάδες</translation>
    </message>
    <message>
        <source> (additional interconnection charges may apply)</source>
        <translation> (ενδέχεται να ισχύουν πρόσθετες χρεώσεις διασύνδεσης)</translation>
    </message>
    <message>
        <source>
Nothing was sent: this was a dry run.</source>
        <translation>
Δεν στάλθηκε τίποτα: ήταν δοκιμαστική εκτέλεση.</translation>
    </message>
    <message>
        <source>%1 The request goes on without it.</source>
        <translation>%1 Το αίτημα συνεχίζει χωρίς αυτό.</translation>
    </message>
    <message>
        <source>Stopped by %1 with the request out. %2</source>
        <translation>Διακόπηκε από το %1 ενώ το αίτημα είχε σταλεί. %2</translation>
    </message>
    <message>
        <source>Would ask for the balance of %1. Nothing was sent: this was a dry run.</source>
        <translation>Θα ζητούσε το υπόλοιπο του %1. Δεν στάλθηκε τίποτα: ήταν δοκιμαστική εκτέλεση.</translation>
    </message>
    <message numerus="yes">
        <source>Batch %1 pauses for the quiet hours: its %n queued requests go at %2.</source>
        <translation>
            <numerusform>Η παρτίδα %1 σταματά για τις ώρες ησυχίας: το %n αίτημα σε αναμονή φεύγει στις %2.</numerusform>
            <numerusform>Η παρτίδα %1 σταματά για τις ώρες ησυχίας: τα %n αιτήματα σε αναμονή φεύγουν στις %2.</numerusform>
        </translation>
    </message>
    <message>
        <source>--%1 takes the number of a scheduled batch (see --scheduled), not &quot;%2&quot;.</source>
        <translation>Το --%1 δέχεται τον αριθμό μιας προγραμματισμένης παρτίδας (δείτε --scheduled), όχι «%2».</translation>
    </message>
    <message>
        <source>Scheduled messages wait for a password</source>
        <translation>Τα προγραμματισμένα μηνύματα περιμένουν κωδικό</translation>
    </message>
    <message>
        <source>Batch %1 of %2 was due at %3, but no password is available for the account: none is remembered, or the keyring is locked. It is sent as soon as Pelicast is open with the password, or the keyring is unlocked.</source>
        <translation>Η παρτίδα %1 του %2 έπρεπε να φύγει στις %3, αλλά δεν υπάρχει κωδικός για τον λογαριασμό: κανένας δεν έχει απομνημονευθεί ή η κλειδοθήκη είναι κλειδωμένη. Θα σταλεί μόλις το Pelicast ανοίξει με τον κωδικό ή ξεκλειδωθεί η κλειδοθήκη.</translation>
    </message>
    <message>
        <source>Batch %1 is scheduled for %2: %3.</source>
        <translation>Η παρτίδα %1 προγραμματίστηκε για %2: %3.</translation>
    </message>
    <message>
        <source>Nothing is scheduled.</source>
        <translation>Τίποτα δεν είναι προγραμματισμένο.</translation>
    </message>
    <message>
        <source>Batch %1 at %2, to %3: %4 · %5: %6
</source>
        <translation>Παρτίδα %1 στις %2, προς %3: %4 · %5: %6
</translation>
    </message>
    <message numerus="yes">
        <source>%n messages</source>
        <translation>
            <numerusform>%n μήνυμα</numerusform>
            <numerusform>%n μηνύματα</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n credits</source>
        <translation>
            <numerusform>%n μονάδα</numerusform>
            <numerusform>%n μονάδες</numerusform>
        </translation>
    </message>
    <message>
        <source>Batch %1 is cancelled: none of its messages is sent.</source>
        <translation>Η παρτίδα %1 ακυρώθηκε: κανένα από τα μηνύματά της δεν στέλνεται.</translation>
    </message>
    <message>
        <source>Batch %1 was due at %2, more than %3 hours ago: it is not sent without your word. Pelicast asks when it starts; pelicast-send --cancel %1 calls it off.</source>
        <translation>Η παρτίδα %1 έπρεπε να φύγει στις %2, πριν από περισσότερες από %3 ώρες: δεν στέλνεται χωρίς τη συγκατάθεσή σας. Το Pelicast ρωτά όταν ξεκινά· το pelicast-send --cancel %1 την ακυρώνει.</translation>
    </message>
</context>
<context>
    <name>SendEstimate</name>
    <message>
        <source> (additional interconnection charges may apply) </source>
        <translation> (ενδέχεται να ισχύουν πρόσθετες χρεώσεις διασύνδεσης) </translation>
    </message>
    <message numerus="yes">
        <source>You will send sms to %n recipients.<byte value="xd"/>
It will cost You %1 credits %2.<byte value="xd"/>
Do you wish to continue ?</source>
        <translation>
            <numerusform>Θα στείλετε SMS σε %n παραλήπτη.<byte value="xd"/>
Θα σας κοστίσει %1 μονάδες %2.<byte value="xd"/>
Θέλετε να συνεχίσετε;</numerusform>
            <numerusform>Θα στείλετε SMS σε %n παραλήπτες.<byte value="xd"/>
Θα σας κοστίσει %1 μονάδες %2.<byte value="xd"/>
Θέλετε να συνεχίσετε;</numerusform>
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
        <translation>Στέλνει ένα SMS μέσω της πύλης της Quillo ή ζητά το υπόλοιπο, με τις ρυθμίσεις, το βιβλίο διευθύνσεων και το ημερολόγιο του Pelicast.

Ο λογαριασμός είναι αυτός που θυμάται το Pelicast, ή το --user. Ο κωδικός πρόσβασης δεν δίνεται ποτέ στη γραμμή εντολών, όπου μπορούν να τον δουν άλλοι χρήστες.

Το μήνυμα ελέγχεται όπως το ελέγχει το παράθυρο του Pelicast, με τις ρυθμίσεις των Επιλογών του: παραλήπτες που δεν μπορούν να είναι αριθμοί τηλεφώνου της προεπιλεγμένης περιοχής το σταματούν, όπως και αριθμοί σε εθνική μορφή όταν δεν είναι γνωστή περιοχή (καμία στις Επιλογές ή με --region, και καμία στις ρυθμίσεις γλώσσας του συστήματος, όπως στο cron)· για αριθμούς που δίνονται δύο φορές και για αποστολέα που τα δίκτυα ίσως απορρίψουν δίνεται προειδοποίηση· μήνυμα που κοστίζει περισσότερο από τις μονάδες του «Ερώτηση ξανά πάνω από» απορρίπτεται, εκτός αν το επιτρέπει το --max-cost.

Αποστολή σε πολλούς. Μήνυμα με πεδία ({first}, {last} και {name} των επαφών του βιβλίου διευθύνσεων, ή {Column} για οποιαδήποτε στήλη μιας λίστας --csv, χωρίς διάκριση πεζών-κεφαλαίων· τα {{ και }} γράφουν αγκύλη), ή προς τις γραμμές του --csv FILE, στέλνεται ως παρτίδα: ένα αίτημα για κάθε διαφορετικό κείμενο, κάθε αριθμός μία φορά (η πρώτη γραμμή), γραμμένη στο ημερολόγιο πριν φύγει το πρώτο αίτημα, και στη συνέχεια σταλμένη ένα-ένα με --pause ανάμεσα σε δύο (προεπιλογή: η προτίμηση «pause», 1 s). Μια γραμμή με κενό πεδίο, ή ένα κείμενο πάνω από 160 χαρακτήρες όταν συμπληρωθεί, σταματά την παρτίδα πριν σταλεί οτιδήποτε, εκτός αν το --missing ή το --too-long ορίζει τι θα γίνει· το ίδιο και μια γραμμή της οποίας ο αριθμός δεν μπορεί να είναι αριθμός. Το --max-cost ισχύει για το σύνολο της παρτίδας. Ένα αίτημα που δεν έφτασε στην πύλη επιστρέφει στην ουρά και τερματίζει την εκτέλεση· ένα που στάλθηκε χωρίς πλήρη απάντηση είναι «unknown» και δεν στέλνεται ποτέ ξανά από το pelicast-send από μόνο του. Δύο προγράμματα δεν στέλνουν ποτέ το ίδιο αίτημα: το καθένα το δεσμεύει πρώτα στο ημερολόγιο.

Η κατάσταση ενός αιτήματος παρτίδας (οι λέξεις του ημερολογίου, όπως τις δίνει το --json): queued (περιμένει να σταλεί), pending (στέλνεται), accepted (έγινε δεκτό), refused (απορρίφθηκε), unclear (απάντηση που δεν λέει κανένα από τα δύο· μετρά ως unknown), unknown (στάλθηκε και δεν ήρθε πλήρης απάντηση: ίσως στάλθηκε), declined (η παρτίδα του έκλεισε πριν σταλεί).

Το --json εμφανίζει μία τιμή JSON, ίδιας μορφής για δοκιμαστική εκτέλεση και για αποστολή. Για μήνυμα: &quot;outcome&quot; (accepted, refused, unclear, unknown, failed ή dry-run), &quot;account&quot;, &quot;originator&quot;, &quot;recipients&quot;, &quot;recipientCount&quot;, &quot;parts&quot;, &quot;encoding&quot;, &quot;cost&quot;, &quot;interconnectionCharges&quot;, &quot;reply&quot; (η απάντηση της πύλης όπως ήρθε· null όταν δεν υπάρχει) και &quot;balance&quot; (αριθμός, όπως τον ανέφερε η απάντηση· null όταν δεν ανέφερε κανέναν). Για παρτίδα: &quot;batch&quot; (ο αριθμός της, ως συμβολοσειρά· null σε δοκιμαστική εκτέλεση), &quot;outcome&quot; (τι σημαίνουν συνολικά τα αιτήματά της: accepted, refused, unknown, queued ή dry-run), &quot;account&quot;, &quot;originator&quot;, &quot;messages&quot;, &quot;sms&quot;, &quot;cost&quot;, &quot;requests&quot; (το καθένα με &quot;recipients&quot;, &quot;text&quot;, &quot;parts&quot;, &quot;encoding&quot;, &quot;cost&quot; και &quot;outcome&quot;) και &quot;balance&quot; (όπως το ανέφερε η τελευταία απάντηση). Μια αποτυχία προσθέτει &quot;error&quot;. Το --batches --json εμφανίζει μια λίστα από {&quot;batch&quot;, &quot;created&quot; (UTC, ISO 8601), &quot;accepted&quot;, &quot;refused&quot;, &quot;unknown&quot;, &quot;queued&quot;, &quot;pending&quot;, &quot;source&quot;}, πρώτα την παλαιότερη.

Ο κωδικός πρόσβασης, ο πρώτος που βρίσκεται από:
  1  την πρώτη γραμμή του --password-file
  2  τη μεταβλητή περιβάλλοντος PELICAST_PASSWORD
  3  την κλειδοθήκη της επιφάνειας εργασίας (Secret Service: υπηρεσία «Pelicast»,
     το όνομα χρήστη ως κλειδί), όπου τον κρατά το Pelicast όταν είναι επιλεγμένο το
     «Απομνημόνευση κωδικού»· κλειδοθήκη κλειδωμένη ή που δεν απαντά μέσα σε 5
     δευτερόλεπτα δεν δίνει κανέναν: δεν γίνεται αναμονή για ξεκλείδωμα
  4  το αρχείο ρυθμίσεων, όπου τον κρατά το Pelicast (ανακατεμένο) για τον
     λογαριασμό που θυμάται, όταν καμία κλειδοθήκη δεν μπόρεσε

Κατάσταση εξόδου:
  0  η πύλη δέχτηκε το αίτημα (για παρτίδα: κάθε αίτημα): η απάντησή της
     αναφέρει το υπόλοιπο και δεν λέει τίποτα για απόρριψη
  1  η πύλη το απέρριψε (η απάντησή της εμφανίζεται): η απάντηση λέει ότι
     δεν στάλθηκε τίποτα, ότι το όνομα χρήστη ή ο κωδικός είναι λάθος, ή ότι
     κάτι δεν είναι έγκυρο, με υπόλοιπο ή χωρίς· για παρτίδα: κάποια
     απορρίφθηκαν, τα άλλα έγιναν δεκτά
  2  λανθασμένη χρήση ή είσοδος, ή μήνυμα που απορρίπτουν οι έλεγχοι (παραλήπτης
     που δεν είναι δυνατός αριθμός, εθνικός αριθμός ενώ δεν είναι γνωστή περιοχή,
     κόστος πάνω από το όριο, πεδίο χωρίς τιμή), σε δοκιμαστική εκτέλεση όπως
     και σε αποστολή
  3  κανένα σαφές αποτέλεσμα: αποτυχία δικτύου ή TLS, κατάσταση σφάλματος HTTP,
     κενή ή άγνωστη απάντηση («Ασαφές, ελέγξτε το υπόλοιπό σας»), ή SIGINT,
     SIGTERM ή SIGHUP ενώ το αίτημα είχε σταλεί· όταν το αίτημα στάλθηκε, η πύλη
     ίσως έστειλε το μήνυμα παρ&apos; όλα αυτά: ελέγξτε το υπόλοιπο πριν στείλετε
     ξανά (το pelicast-send δεν επαναλαμβάνει ποτέ από μόνο του)· για παρτίδα:
     κάποιο αίτημα είναι unknown ή unclear, ή κάποια είναι ακόμη σε αναμονή
     (το δίκτυο απέτυχε, ή ένα σήμα τη σταμάτησε)
  4  τα δεδομένα του χρήστη (ρυθμίσεις, βιβλίο διευθύνσεων, αρχείο κωδικού,
     αρχείο λίστας, ημερολόγιο) δεν διαβάστηκαν ή δεν γράφτηκαν, ή δεν υπάρχει
     κωδικός: κανένας δεν δόθηκε, κανένας δεν κρατήθηκε, ή η κλειδοθήκη είναι
     κλειδωμένη ή δεν απαντά
  5  το αποτέλεσμα δεν γράφτηκε στην τυπική έξοδο (γεμάτος δίσκος)·
     το αποτέλεσμα του αιτήματος βρίσκεται στο Ιστορικό του Pelicast

Τα SIGINT, SIGTERM ή SIGHUP πριν φύγει το αίτημα τερματίζουν το pelicast-send
όπως κάθε πρόγραμμα (το κέλυφος δείχνει 130, 143 ή 129): δεν στάλθηκε τίποτα.
Αφού έρθει η απάντηση, δεν αλλάζουν τίποτα.
Κατά τη διάρκεια μιας παρτίδας τη σταματούν: το αίτημα που έχει σταλεί είναι
unknown, τα υπόλοιπα μένουν σε αναμονή (--continue), κατάσταση 3.

Η απάντηση της πύλης εμφανίζεται με τους χαρακτήρες ελέγχου εκτός από αλλαγή γραμμής και tab ως τον χαρακτήρα αντικατάστασης U+FFFD· το --json τη δίνει ακριβώς.</translation>
    </message>
    <message>
        <source>A recipient: a mobile number, or &quot;Surname, Firstname (number)&quot; as the address book writes it. Several are separated by &quot;;&quot; or given by repeating --to.</source>
        <translation>Ένας παραλήπτης: αριθμός κινητού, ή «Επώνυμο, Όνομα (αριθμός)» όπως το γράφει το βιβλίο διευθύνσεων. Περισσότεροι χωρίζονται με «;» ή δίνονται με επανάληψη του --to.</translation>
    </message>
    <message>
        <source>Adds every member of this address-book group who has a mobile number; may be repeated.</source>
        <translation>Προσθέτει κάθε μέλος αυτής της ομάδας του βιβλίου διευθύνσεων που έχει αριθμό κινητού· μπορεί να επαναληφθεί.</translation>
    </message>
    <message>
        <source>Sends to the rows of this list file (CSV or TSV as spreadsheets save it; delimiter, header, encoding and number column found from the file): a batch.</source>
        <translation>Στέλνει στις γραμμές αυτού του αρχείου λίστας (CSV ή TSV όπως το αποθηκεύουν τα υπολογιστικά φύλλα· διαχωριστικό, κεφαλίδα, κωδικοποίηση και στήλη αριθμών βρίσκονται από το αρχείο): μια παρτίδα.</translation>
    </message>
    <message>
        <source>The column of --csv that holds the numbers, by its name in the first row (default: the one whose cells are mostly phone numbers).</source>
        <translation>Η στήλη του --csv που περιέχει τους αριθμούς, με το όνομά της στην πρώτη γραμμή (προεπιλογή: αυτή της οποίας τα κελιά είναι κυρίως αριθμοί τηλεφώνου).</translation>
    </message>
    <message>
        <source>The originator (default: the one Pelicast remembers, else Quillo).</source>
        <translation>Ο αποστολέας (προεπιλογή: αυτός που θυμάται το Pelicast, αλλιώς Quillo).</translation>
    </message>
    <message>
        <source>The message; &quot;-&quot; reads it from standard input (at most 4 KiB). Line breaks and tabs are the only control characters it may hold.</source>
        <translation>Το μήνυμα· το «-» το διαβάζει από την τυπική είσοδο (έως 4 KiB). Αλλαγές γραμμής και tab είναι οι μόνοι χαρακτήρες ελέγχου που μπορεί να περιέχει.</translation>
    </message>
    <message>
        <source>Sends the message saved as this template.</source>
        <translation>Στέλνει το μήνυμα που αποθηκεύτηκε ως αυτό το πρότυπο.</translation>
    </message>
    <message>
        <source>The account&apos;s user name (default: the one Pelicast remembers).</source>
        <translation>Το όνομα χρήστη του λογαριασμού (προεπιλογή: αυτό που θυμάται το Pelicast).</translation>
    </message>
    <message>
        <source>Reads the account&apos;s password from the first line of this file (a regular file of at most 4 KiB).</source>
        <translation>Διαβάζει τον κωδικό του λογαριασμού από την πρώτη γραμμή αυτού του αρχείου (κανονικό αρχείο έως 4 KiB).</translation>
    </message>
    <message>
        <source>Asks for the account&apos;s balance instead of sending.</source>
        <translation>Ζητά το υπόλοιπο του λογαριασμού αντί για αποστολή.</translation>
    </message>
    <message>
        <source>Prints what would be sent (recipients, parts and encoding, cost; of a batch, every request) and sends nothing.</source>
        <translation>Εμφανίζει τι θα στελνόταν (παραλήπτες, τμήματα και κωδικοποίηση, κόστος· για παρτίδα, κάθε αίτημα) και δεν στέλνει τίποτα.</translation>
    </message>
    <message>
        <source>Sends only when the message (or the batch, in all) costs at most this many credits. For this run it replaces the limit set in Options (&quot;Ask again above&quot;), whether that is ticked or not.</source>
        <translation>Στέλνει μόνο όταν το μήνυμα (ή η παρτίδα συνολικά) κοστίζει το πολύ τόσες μονάδες. Για αυτή την εκτέλεση αντικαθιστά το όριο των Επιλογών («Ερώτηση ξανά πάνω από»), είτε είναι επιλεγμένο είτε όχι.</translation>
    </message>
    <message>
        <source>Reads numbers in national format as numbers of this country (a two-letter code such as GR); replaces the default region set in Options for this run.</source>
        <translation>Διαβάζει αριθμούς σε εθνική μορφή ως αριθμούς αυτής της χώρας (διψήφιος κωδικός όπως GR)· αντικαθιστά για αυτή την εκτέλεση την προεπιλεγμένη περιοχή των Επιλογών.</translation>
    </message>
    <message>
        <source>Sends once to each number when the recipients name a number more than once (by default each is sent, and paid for). A batch always sends once.</source>
        <translation>Στέλνει μία φορά σε κάθε αριθμό όταν οι παραλήπτες αναφέρουν έναν αριθμό περισσότερες φορές (από προεπιλογή στέλνεται και χρεώνεται ο καθένας). Μια παρτίδα στέλνει πάντα μία φορά.</translation>
    </message>
    <message>
        <source>Seconds between two requests of a batch (0 to 3600).</source>
        <translation>Δευτερόλεπτα ανάμεσα σε δύο αιτήματα μιας παρτίδας (0 έως 3600).</translation>
    </message>
    <message>
        <source>A batch&apos;s recipient without a value for a field of the message: &quot;empty&quot; sends the message with the field left empty, &quot;skip&quot; leaves the recipient out (default: nothing is sent, and the rows are named).</source>
        <translation>Παραλήπτης παρτίδας χωρίς τιμή για ένα πεδίο του μηνύματος: το «empty» στέλνει το μήνυμα με το πεδίο κενό, το «skip» παραλείπει τον παραλήπτη (προεπιλογή: δεν στέλνεται τίποτα και αναφέρονται οι γραμμές).</translation>
    </message>
    <message>
        <source>A batch&apos;s message over 160 characters once filled in: &quot;send&quot; sends it as it is, in more parts, &quot;skip&quot; leaves it out (default: nothing is sent).</source>
        <translation>Μήνυμα παρτίδας πάνω από 160 χαρακτήρες όταν συμπληρωθεί: το «send» το στέλνει όπως είναι, σε περισσότερα τμήματα, το «skip» το παραλείπει (προεπιλογή: δεν στέλνεται τίποτα).</translation>
    </message>
    <message>
        <source>Lists the unfinished batches (a request queued, being sent, unknown or unclear), oldest first.</source>
        <translation>Εμφανίζει τις ημιτελείς παρτίδες (με αίτημα σε αναμονή, σε αποστολή, άγνωστο ή ασαφές), πρώτα την παλαιότερη.</translation>
    </message>
    <message>
        <source>Sends the queued requests of this batch.</source>
        <translation>Στέλνει τα αιτήματα σε αναμονή αυτής της παρτίδας.</translation>
    </message>
    <message>
        <source>Queues the refused requests of this batch again, and sends its queue.</source>
        <translation>Βάζει ξανά στην ουρά τα αιτήματα αυτής της παρτίδας που απορρίφθηκαν και στέλνει την ουρά της.</translation>
    </message>
    <message>
        <source>Queues the unknown and unclear requests of this batch again, and sends its queue: the gateway may have sent them already, so their recipients may get them twice, and you pay again.</source>
        <translation>Βάζει ξανά στην ουρά τα άγνωστα και ασαφή αιτήματα αυτής της παρτίδας και στέλνει την ουρά της: η πύλη ίσως τα έστειλε ήδη, οπότε οι παραλήπτες τους ίσως τα λάβουν δύο φορές, και πληρώνετε ξανά.</translation>
    </message>
    <message>
        <source>Ends this batch as it is: its queued requests are never sent, and it is no longer listed as unfinished.</source>
        <translation>Τερματίζει αυτή την παρτίδα όπως είναι: τα αιτήματά της σε αναμονή δεν στέλνονται ποτέ, και δεν εμφανίζεται πλέον ως ημιτελής.</translation>
    </message>
    <message>
        <source>Lists the saved templates.</source>
        <translation>Εμφανίζει τα αποθηκευμένα πρότυπα.</translation>
    </message>
    <message>
        <source>Saves the --text as this template, and sends nothing.</source>
        <translation>Αποθηκεύει το --text ως αυτό το πρότυπο και δεν στέλνει τίποτα.</translation>
    </message>
    <message>
        <source>Deletes this template.</source>
        <translation>Διαγράφει αυτό το πρότυπο.</translation>
    </message>
    <message>
        <source>Prints one JSON value: the outcome, the reply and the balance; of a batch, its requests.</source>
        <translation>Εμφανίζει μία τιμή JSON: το αποτέλεσμα, την απάντηση και το υπόλοιπο· για παρτίδα, τα αιτήματά της.</translation>
    </message>
    <message>
        <source>Sending later. --at TIME writes the batch to the journal, scheduled, and sends nothing: Pelicast&apos;s window sends it at its time while it is open, and the systemd user timer pelicast-send-due.timer (turned on the first time something is scheduled) runs --run-due every minute while it is closed. Nothing is sent inside the quiet hours (preference quiet_hours, default 21:00-08:00, &quot;off&quot; for none): a batch due then goes when they end, and a batch reaching them pauses until they end. A batch more than late_hours (default 2) past its time is left for the window to ask about. --run-due takes the password from the keyring or the settings file; with none, the batch stays scheduled, a desktop notice says why, and the exit status is 4. --scheduled --json prints a list of {&quot;batch&quot;, &quot;due&quot; (UTC, ISO 8601), &quot;account&quot;, &quot;source&quot;, &quot;messages&quot;, &quot;requests&quot;, &quot;cost&quot;, &quot;text&quot;}, soonest first.</source>
        <translation>Αποστολή αργότερα. Το --at ΩΡΑ γράφει την παρτίδα στο ημερολόγιο, προγραμματισμένη, και δεν στέλνει τίποτα: το παράθυρο του Pelicast τη στέλνει στην ώρα της όσο είναι ανοιχτό, και ο χρονοδιακόπτης χρήστη του systemd pelicast-send-due.timer (ενεργοποιείται την πρώτη φορά που προγραμματίζεται κάτι) εκτελεί το --run-due κάθε λεπτό όσο είναι κλειστό. Μέσα στις ώρες ησυχίας δεν στέλνεται τίποτα (προτίμηση quiet_hours, προεπιλογή 21:00-08:00, &quot;off&quot; για καμία): μια παρτίδα που λήγει τότε φεύγει όταν τελειώσουν, και μια παρτίδα που φτάνει σε αυτές σταματά μέχρι να τελειώσουν. Μια παρτίδα με καθυστέρηση πάνω από late_hours (προεπιλογή 2) μένει για να ρωτήσει το παράθυρο. Το --run-due παίρνει τον κωδικό από την κλειδοθήκη ή το αρχείο ρυθμίσεων· χωρίς κωδικό η παρτίδα μένει προγραμματισμένη, μια ειδοποίηση στην επιφάνεια εργασίας λέει γιατί, και η κατάσταση εξόδου είναι 4. Το --scheduled --json τυπώνει μια λίστα από {&quot;batch&quot;, &quot;due&quot; (UTC, ISO 8601), &quot;account&quot;, &quot;source&quot;, &quot;messages&quot;, &quot;requests&quot;, &quot;cost&quot;, &quot;text&quot;}, η πλησιέστερη πρώτα.</translation>
    </message>
    <message>
        <source>Schedules the message (always a batch) for this time instead of sending it now: &quot;YYYY-MM-DD HH:MM&quot; in local time, or ISO 8601 with an offset (2026-05-04T08:00+02:00). Pelicast&apos;s window, or the systemd user timer, sends it then.</source>
        <translation>Προγραμματίζει το μήνυμα (πάντα ως παρτίδα) για αυτή την ώρα αντί να το στείλει τώρα: &quot;ΕΕΕΕ-ΜΜ-ΗΗ ΩΩ:ΛΛ&quot; σε τοπική ώρα ή ISO 8601 με διαφορά ώρας (2026-05-04T08:00+02:00). Το παράθυρο του Pelicast ή ο χρονοδιακόπτης χρήστη του systemd το στέλνει τότε.</translation>
    </message>
    <message>
        <source>Lists the scheduled batches, soonest first.</source>
        <translation>Εμφανίζει τις προγραμματισμένες παρτίδες, την πλησιέστερη πρώτα.</translation>
    </message>
    <message>
        <source>Cancels this scheduled batch: none of its messages is sent.</source>
        <translation>Ακυρώνει αυτή την προγραμματισμένη παρτίδα: κανένα από τα μηνύματά της δεν στέλνεται.</translation>
    </message>
    <message>
        <source>Sends the scheduled batches whose time has come, outside the quiet hours and not more than the late hours late, as the systemd user timer does every minute.</source>
        <translation>Στέλνει τις προγραμματισμένες παρτίδες που ήρθε η ώρα τους, εκτός ωρών ησυχίας και με καθυστέρηση όχι μεγαλύτερη από τις ώρες καθυστέρησης, όπως κάνει κάθε λεπτό ο χρονοδιακόπτης χρήστη του systemd.</translation>
    </message>
</context>
<context>
    <name>TemplateStore</name>
    <message>
        <source>The journal %1 cannot be used: %2</source>
        <translation>Το ημερολόγιο %1 δεν μπορεί να χρησιμοποιηθεί: %2</translation>
    </message>
    <message>
        <source>A template needs a name.</source>
        <translation>Ένα πρότυπο χρειάζεται όνομα.</translation>
    </message>
    <message>
        <source>A template&apos;s name has at most %1 characters.</source>
        <translation>Το όνομα ενός προτύπου έχει το πολύ %1 χαρακτήρες.</translation>
    </message>
    <message>
        <source>A template&apos;s name is one line of text.</source>
        <translation>Το όνομα ενός προτύπου είναι μία γραμμή κειμένου.</translation>
    </message>
    <message>
        <source>A template needs a text.</source>
        <translation>Ένα πρότυπο χρειάζεται κείμενο.</translation>
    </message>
    <message>
        <source>A template has at most %1 characters.</source>
        <translation>Ένα πρότυπο έχει το πολύ %1 χαρακτήρες.</translation>
    </message>
    <message>
        <source>A template named “%1” exists already.</source>
        <translation>Υπάρχει ήδη πρότυπο με το όνομα «%1».</translation>
    </message>
    <message>
        <source>There is no template named “%1”.</source>
        <translation>Δεν υπάρχει πρότυπο με το όνομα «%1».</translation>
    </message>
</context>
<context>
    <name>WebPage</name>
    <message>
        <source>Could not find associated Browser</source>
        <translation>Δεν βρέθηκε συσχετισμένο πρόγραμμα περιήγησης</translation>
    </message>
    <message>
        <source>Browser Not Found</source>
        <translation>Δεν βρέθηκε πρόγραμμα περιήγησης</translation>
    </message>
    <message>
        <source>Web Page not Opened</source>
        <translation>Η ιστοσελίδα δεν άνοιξε</translation>
    </message>
    <message>
        <source>URL Failed</source>
        <translation>Αποτυχία URL</translation>
    </message>
</context>
<context>
    <name>pelicast</name>
    <message>
        <source>... and %1 more characters, kept in %2.</source>
        <translation>... και %1 ακόμη χαρακτήρες, που φυλάσσονται στο %2.</translation>
    </message>
</context>
<context>
    <name>pelicast::AboutDialog</name>
    <message>
        <source>About</source>
        <translation>Σχετικά</translation>
    </message>
    <message>
        <source>Quillo home page</source>
        <translation>Αρχική σελίδα της Quillo</translation>
    </message>
    <message>
        <source>Application Title</source>
        <translation>Τίτλος εφαρμογής</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Έκδοση</translation>
    </message>
    <message>
        <source>Send SMS to any mobile number with your Quillo account and your outlook contact list.</source>
        <translation>Στείλτε SMS σε κάθε αριθμό κινητού με τον λογαριασμό σας στη Quillo και τη λίστα επαφών σας του Outlook.</translation>
    </message>
    <message>
        <source>Warning: this program is provided as is, without warranty of any kind. Messages are delivered by the Quillo gateway and charged to your account there; the maker cannot answer for delays or losses in the gateway or the mobile networks.</source>
        <translation>Προειδοποίηση: αυτό το πρόγραμμα παρέχεται ως έχει, χωρίς καμία εγγύηση. Τα μηνύματα παραδίδονται από την πύλη της Quillo και χρεώνονται εκεί στον λογαριασμό σας· ο κατασκευαστής δεν ευθύνεται για καθυστερήσεις ή απώλειες στην πύλη ή στα δίκτυα κινητής.</translation>
    </message>
    <message>
        <source>Pelicast is free software under the GNU General Public License, version 3 or later.</source>
        <translation>Το Pelicast είναι ελεύθερο λογισμικό με την άδεια GNU General Public License, έκδοση 3 ή νεότερη.</translation>
    </message>
    <message>
        <source>Pelicast is made by Brackel. Quillo is a service of its own operator.</source>
        <translation>Το Pelicast κατασκευάζεται από την Brackel. Η Quillo είναι υπηρεσία του δικού της φορέα.</translation>
    </message>
    <message>
        <source>Brackel web site</source>
        <translation>Ιστότοπος της Brackel</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Εντάξει</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation>&amp;Πληροφορίες συστήματος...</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Σχετικά με το %1</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Έκδοση %1</translation>
    </message>
    <message>
        <source>Project page: %1</source>
        <translation>Σελίδα του έργου: %1</translation>
    </message>
</context>
<context>
    <name>pelicast::BatchPreviewDialog</name>
    <message>
        <source>Preview of the messages</source>
        <translation>Προεπισκόπηση των μηνυμάτων</translation>
    </message>
    <message>
        <source>Requests</source>
        <translation>Αιτήματα</translation>
    </message>
    <message>
        <source>&amp;Replace look-alikes in every message</source>
        <translation>Α&amp;ντικατάσταση παρόμοιων σε κάθε μήνυμα</translation>
    </message>
    <message>
        <source>Typographic quotes, dashes, the ellipsis and unusual spaces make a message go as Unicode, with fewer characters a part. Replaced by their plain look-alikes, more messages fit in fewer parts. Letters are never changed.</source>
        <translation>Τα τυπογραφικά εισαγωγικά, οι παύλες, τα αποσιωπητικά και τα ασυνήθιστα κενά κάνουν ένα μήνυμα να σταλεί ως Unicode, με λιγότερους χαρακτήρες ανά τμήμα. Με τα απλά παρόμοιά τους στη θέση τους, περισσότερα μηνύματα χωρούν σε λιγότερα τμήματα. Τα γράμματα δεν αλλάζουν ποτέ.</translation>
    </message>
    <message>
        <source>&amp;Send...</source>
        <translation>Απο&amp;στολή...</translation>
    </message>
    <message>
        <source>No recipient has a field %1: it goes as typed.</source>
        <translation>Κανένας παραλήπτης δεν έχει πεδίο %1: στέλνεται όπως γράφτηκε.</translation>
    </message>
    <message numerus="yes">
        <source>%n recipient(s) of the list get no message (repeated numbers, numbers that are not possible, empty cells).</source>
        <translation>
            <numerusform>%n παραλήπτης της λίστας δεν παίρνει μήνυμα (επαναλαμβανόμενοι αριθμοί, αδύνατοι αριθμοί, κενά κελιά).</numerusform>
            <numerusform>%n παραλήπτες της λίστας δεν παίρνουν μήνυμα (επαναλαμβανόμενοι αριθμοί, αδύνατοι αριθμοί, κενά κελιά).</numerusform>
        </translation>
    </message>
    <message>
        <source>No message is left to send.</source>
        <translation>Δεν μένει μήνυμα για αποστολή.</translation>
    </message>
    <message>
        <source>Send SMS ?</source>
        <translation>Αποστολή SMS;</translation>
    </message>
    <message numerus="yes">
        <source>%n message(s) lack the value of a field for their recipient. Send them with the field left empty, or skip those recipients?</source>
        <translation>
            <numerusform>Σε %n μήνυμα λείπει η τιμή ενός πεδίου για τον παραλήπτη του. Αποστολή με το πεδίο κενό ή παράλειψη αυτών των παραληπτών;</numerusform>
            <numerusform>Σε %n μηνύματα λείπει η τιμή ενός πεδίου για τον παραλήπτη τους. Αποστολή με το πεδίο κενό ή παράλειψη αυτών των παραληπτών;</numerusform>
        </translation>
    </message>
    <message>
        <source>Fields without a value</source>
        <translation>Πεδία χωρίς τιμή</translation>
    </message>
    <message>
        <source>Send them with the field left empty</source>
        <translation>Αποστολή με το πεδίο κενό</translation>
    </message>
    <message>
        <source>Skip those recipients</source>
        <translation>Παράλειψη αυτών των παραληπτών</translation>
    </message>
    <message numerus="yes">
        <source>%n message(s) are over the %1 characters of the message field. As they are, they take %2 SMS and cost %3 credits. Send them as they are, or skip them?</source>
        <translation>
            <numerusform>%n μήνυμα ξεπερνά τους %1 χαρακτήρες του πεδίου μηνύματος. Όπως είναι, χρειάζεται %2 SMS και κοστίζει %3 μονάδες. Αποστολή όπως είναι ή παράλειψη;</numerusform>
            <numerusform>%n μηνύματα ξεπερνούν τους %1 χαρακτήρες του πεδίου μηνύματος. Όπως είναι, χρειάζονται %2 SMS και κοστίζουν %3 μονάδες. Αποστολή όπως είναι ή παράλειψη;</numerusform>
        </translation>
    </message>
    <message>
        <source>Messages over %1 characters</source>
        <translation>Μηνύματα πάνω από %1 χαρακτήρες</translation>
    </message>
    <message>
        <source>Send them as they are</source>
        <translation>Αποστολή όπως είναι</translation>
    </message>
    <message>
        <source>Skip them</source>
        <translation>Παράλειψη</translation>
    </message>
</context>
<context>
    <name>pelicast::BatchPreviewModel</name>
    <message>
        <source>%1; … (%2 in all)</source>
        <translation>%1; … (%2 συνολικά)</translation>
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
        <translation>%1 χαρακτήρες, πάνω από %2</translation>
    </message>
    <message>
        <source>no value for %1</source>
        <translation>χωρίς τιμή για %1</translation>
    </message>
    <message>
        <source>GSM 7-bit</source>
        <translation>GSM 7-bit</translation>
    </message>
    <message>
        <source>Unicode: %1</source>
        <translation>Unicode: %1</translation>
    </message>
    <message>
        <source>Goes as Unicode, %1 characters a part instead of %2.</source>
        <translation>Στέλνεται ως Unicode, %1 χαρακτήρες ανά τμήμα αντί για %2.</translation>
    </message>
    <message>
        <source>Recipients</source>
        <translation>Παραλήπτες</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Μήνυμα</translation>
    </message>
    <message>
        <source>Parts</source>
        <translation>Τμήματα</translation>
    </message>
    <message>
        <source>Alphabet</source>
        <translation>Αλφάβητο</translation>
    </message>
    <message>
        <source>Cost</source>
        <translation>Κόστος</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Έλεγχος</translation>
    </message>
</context>
<context>
    <name>pelicast::BatchProgressDialog</name>
    <message>
        <source>Sending the messages</source>
        <translation>Αποστολή των μηνυμάτων</translation>
    </message>
    <message>
        <source>Requests done</source>
        <translation>Ολοκληρωμένα αιτήματα</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Διακοπή</translation>
    </message>
    <message>
        <source>The request on its way is finished; no other is sent. The rest can be sent later with Continue.</source>
        <translation>Το αίτημα που έχει φύγει ολοκληρώνεται· κανένα άλλο δεν στέλνεται. Τα υπόλοιπα μπορούν να σταλούν αργότερα με Συνέχεια.</translation>
    </message>
    <message>
        <source>Done:</source>
        <translation>Ολοκληρώθηκαν:</translation>
    </message>
    <message>
        <source>Credits spent:</source>
        <translation>Μονάδες που δαπανήθηκαν:</translation>
    </message>
    <message>
        <source>Time left:</source>
        <translation>Χρόνος που απομένει:</translation>
    </message>
    <message>
        <source>Balance:</source>
        <translation>Υπόλοιπο:</translation>
    </message>
    <message numerus="yes">
        <source>about %n second(s)</source>
        <translation>
            <numerusform>περίπου %n δευτερόλεπτο</numerusform>
            <numerusform>περίπου %n δευτερόλεπτα</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about %n minute(s)</source>
        <translation>
            <numerusform>περίπου %n λεπτό</numerusform>
            <numerusform>περίπου %n λεπτά</numerusform>
        </translation>
    </message>
    <message>
        <source>about %1 h %2 min</source>
        <translation>περίπου %1 ώρ. %2 λεπ.</translation>
    </message>
    <message>
        <source>not known yet</source>
        <translation>άγνωστος ακόμη</translation>
    </message>
    <message>
        <source>not stated yet</source>
        <translation>δεν έχει αναφερθεί ακόμη</translation>
    </message>
    <message>
        <source>none</source>
        <translation>κανένας</translation>
    </message>
    <message>
        <source>Stopping...</source>
        <translation>Διακοπή...</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n request(s)</source>
        <translation>
            <numerusform>%1 από %n αίτημα</numerusform>
            <numerusform>%1 από %n αιτήματα</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>pelicast::BatchRunner</name>
    <message>
        <source>The program ended before the answer came.</source>
        <translation>Το πρόγραμμα τερμάτισε πριν έρθει η απάντηση.</translation>
    </message>
    <message>
        <source>Batch %1 is being sent.</source>
        <translation>Η παρτίδα %1 στέλνεται ήδη.</translation>
    </message>
    <message>
        <source>There is no batch %1.</source>
        <translation>Δεν υπάρχει παρτίδα %1.</translation>
    </message>
    <message>
        <source>Batch %1 was cancelled.</source>
        <translation>Η παρτίδα %1 ακυρώθηκε.</translation>
    </message>
</context>
<context>
    <name>pelicast::ContactEditor</name>
    <message>
        <source>Add / Edit Contact</source>
        <translation>Προσθήκη / επεξεργασία επαφής</translation>
    </message>
    <message>
        <source>&amp;First Name:</source>
        <translation>Ό&amp;νομα:</translation>
    </message>
    <message>
        <source>First Name</source>
        <translation>Όνομα</translation>
    </message>
    <message>
        <source>&amp;Last Name:</source>
        <translation>&amp;Επώνυμο:</translation>
    </message>
    <message>
        <source>Last Name</source>
        <translation>Επώνυμο</translation>
    </message>
    <message>
        <source>&amp;Mobile Number:</source>
        <translation>&amp;Κινητό:</translation>
    </message>
    <message>
        <source>Mobile Number</source>
        <translation>Κινητό</translation>
    </message>
    <message>
        <source>&amp;Email address:</source>
        <translation>Διεύθυνση e&amp;mail:</translation>
    </message>
    <message>
        <source>Email address</source>
        <translation>Διεύθυνση email</translation>
    </message>
    <message>
        <source>&amp;Groups:</source>
        <translation>Ο&amp;μάδες:</translation>
    </message>
    <message>
        <source>Groups</source>
        <translation>Ομάδες</translation>
    </message>
    <message>
        <source>The groups the contact is in: tick or untick them</source>
        <translation>Οι ομάδες στις οποίες ανήκει η επαφή: επιλέξτε ή αποεπιλέξτε τες</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Εντάξει</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Ακύρωση</translation>
    </message>
    <message>
        <source>Please enter the contact&apos;s mobile phone number</source>
        <translation>Εισαγάγετε τον αριθμό κινητού της επαφής</translation>
    </message>
    <message>
        <source>The contact is no longer in the address book.</source>
        <translation>Η επαφή δεν υπάρχει πια στο βιβλίο διευθύνσεων.</translation>
    </message>
    <message>
        <source>Address Book</source>
        <translation>Βιβλίο διευθύνσεων</translation>
    </message>
</context>
<context>
    <name>pelicast::CurrentRecipients</name>
    <message>
        <source>Recipients from file</source>
        <translation>Παραλήπτες από αρχείο</translation>
    </message>
    <message>
        <source>Lists of recipients (*.csv *.tsv *.txt);;All files (*)</source>
        <translation>Λίστες παραληπτών (*.csv *.tsv *.txt);;Όλα τα αρχεία (*)</translation>
    </message>
</context>
<context>
    <name>pelicast::DueTimer</name>
    <message>
        <source>Scheduled messages now go at their time even while Pelicast is closed (the systemd user timer %1 is on).</source>
        <translation>Τα προγραμματισμένα μηνύματα φεύγουν πλέον στην ώρα τους ακόμη κι όταν το Pelicast είναι κλειστό (ο χρονοδιακόπτης χρήστη %1 του systemd είναι ενεργός).</translation>
    </message>
    <message>
        <source>Scheduled messages go at their time even while Pelicast is closed.</source>
        <translation>Τα προγραμματισμένα μηνύματα φεύγουν στην ώρα τους ακόμη κι όταν το Pelicast είναι κλειστό.</translation>
    </message>
    <message>
        <source>No systemd runs for your user here, so scheduled messages go only while Pelicast is open at their time.</source>
        <translation>Εδώ δεν τρέχει systemd για τον χρήστη σας, οπότε τα προγραμματισμένα μηνύματα φεύγουν μόνο αν το Pelicast είναι ανοιχτό την ώρα τους.</translation>
    </message>
    <message>
        <source>The systemd user timer %1 could not be turned on: %2
Scheduled messages go only while Pelicast is open at their time.</source>
        <translation>Ο χρονοδιακόπτης χρήστη %1 του systemd δεν ενεργοποιήθηκε: %2
Τα προγραμματισμένα μηνύματα φεύγουν μόνο αν το Pelicast είναι ανοιχτό την ώρα τους.</translation>
    </message>
</context>
<context>
    <name>pelicast::EncodingHighlighter</name>
    <message>
        <source>“%1” %2(U+%3) is not in the GSM alphabet: the message goes as Unicode, %4 characters per SMS.</source>
        <translation>Το «%1» %2(U+%3) δεν ανήκει στο αλφάβητο GSM: το μήνυμα στέλνεται ως Unicode, %4 χαρακτήρες ανά SMS.</translation>
    </message>
    <message>
        <source> Replace look-alikes removes it.</source>
        <translation> Η «Αντικατάσταση παρόμοιων» το αφαιρεί.</translation>
    </message>
    <message>
        <source> Replace look-alikes makes it “%1”.</source>
        <translation> Η «Αντικατάσταση παρόμοιων» το κάνει «%1».</translation>
    </message>
</context>
<context>
    <name>pelicast::EncodingLine</name>
    <message>
        <source>&amp;Replace look-alikes</source>
        <translation>&amp;Αντικατάσταση παρόμοιων</translation>
    </message>
    <message numerus="yes">
        <source>%n SMS · Unicode (%1 per SMS)</source>
        <translation>
            <numerusform>%n SMS · Unicode (%1 ανά SMS)</numerusform>
            <numerusform>%n SMS · Unicode (%1 ανά SMS)</numerusform>
        </translation>
    </message>
    <message>
        <source>Replace typographic quotes, dashes, spaces and the like by the GSM characters they look like</source>
        <translation>Αντικατάσταση τυπογραφικών εισαγωγικών, παυλών, κενών και παρόμοιων με τους χαρακτήρες GSM που μοιάζουν</translation>
    </message>
    <message>
        <source>Replace look-alikes</source>
        <translation>Αντικατάσταση παρόμοιων</translation>
    </message>
    <message numerus="yes">
        <source>%n SMS · GSM 7-bit</source>
        <translation>
            <numerusform>%n SMS · GSM 7-bit</numerusform>
            <numerusform>%n SMS · GSM 7-bit</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>pelicast::GatewayClient</name>
    <message>
        <source>The server %1 sent nothing for %2 seconds.</source>
        <translation>Ο διακομιστής %1 δεν έστειλε τίποτα για %2 δευτερόλεπτα.</translation>
    </message>
    <message>
        <source>The reply from %1 did not arrive within %2 seconds.</source>
        <translation>Η απάντηση από τον %1 δεν έφτασε μέσα σε %2 δευτερόλεπτα.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a web address.</source>
        <translation>Το «%1» δεν είναι διεύθυνση ιστού.</translation>
    </message>
    <message>
        <source>The proxy setting &quot;%1&quot; names no usable proxy for %2.</source>
        <translation>Η ρύθμιση διακομιστή μεσολάβησης «%1» δεν ορίζει χρησιμοποιήσιμο διακομιστή για το %2.</translation>
    </message>
    <message>
        <source>The reply from %1 is larger than %2 and was cut off.</source>
        <translation>Η απάντηση από τον %1 είναι μεγαλύτερη από %2 και κόπηκε.</translation>
    </message>
    <message>
        <source>No secure connection to %1 could be made: %2</source>
        <translation>Δεν ήταν δυνατή ασφαλής σύνδεση με τον %1: %2</translation>
    </message>
    <message>
        <source>The proxy did not pass the request to %1 on: %2</source>
        <translation>Ο διακομιστής μεσολάβησης δεν προώθησε το αίτημα στον %1: %2</translation>
    </message>
    <message>
        <source>The reply from %1 broke off before it was complete: %2</source>
        <translation>Η απάντηση από τον %1 διακόπηκε πριν ολοκληρωθεί: %2</translation>
    </message>
    <message>
        <source>The server %1 could not be reached: %2</source>
        <translation>Ο διακομιστής %1 δεν ήταν προσβάσιμος: %2</translation>
    </message>
    <message>
        <source>The request did not reach the gateway.</source>
        <translation>Το αίτημα δεν έφτασε στην πύλη.</translation>
    </message>
    <message>
        <source>Check your network connection and the Options, then try again.</source>
        <translation>Ελέγξτε τη σύνδεση δικτύου και τις Επιλογές και δοκιμάστε ξανά.</translation>
    </message>
    <message>
        <source>The gateway refused the request: HTTP %1.</source>
        <translation>Η πύλη απέρριψε το αίτημα: HTTP %1.</translation>
    </message>
    <message>
        <source>The gateway answered HTTP %1 instead of a reply.</source>
        <translation>Η πύλη απάντησε HTTP %1 αντί για απάντηση.</translation>
    </message>
    <message>
        <source>No complete answer came back.</source>
        <translation>Δεν ήρθε πλήρης απάντηση.</translation>
    </message>
    <message>
        <source>The message may have been sent: check your balance before sending again.</source>
        <translation>Το μήνυμα ίσως στάλθηκε: ελέγξτε το υπόλοιπό σας πριν στείλετε ξανά.</translation>
    </message>
    <message>
        <source>The contacts may have been received: check your groups at the gateway before uploading again.</source>
        <translation>Οι επαφές ίσως παραλήφθηκαν: ελέγξτε τις ομάδες σας στην πύλη πριν τις ανεβάσετε ξανά.</translation>
    </message>
    <message>
        <source>Try again later.</source>
        <translation>Δοκιμάστε ξανά αργότερα.</translation>
    </message>
    <message>
        <source>Unclear, check your balance: the gateway&apos;s answer says neither that it took the request nor that it refused it.</source>
        <translation>Ασαφές, ελέγξτε το υπόλοιπό σας: η απάντηση της πύλης δεν λέει ούτε ότι δέχτηκε το αίτημα ούτε ότι το απέρριψε.</translation>
    </message>
</context>
<context>
    <name>pelicast::GroupActions</name>
    <message>
        <source>Group</source>
        <translation>Ομάδα</translation>
    </message>
    <message>
        <source>A group name cannot hold “;”, line breaks or end in “ (group)”.</source>
        <translation>Ένα όνομα ομάδας δεν μπορεί να περιέχει «;» ή αλλαγές γραμμής ούτε να τελειώνει σε « (group)».</translation>
    </message>
    <message>
        <source>&amp;New group...</source>
        <translation>&amp;Νέα ομάδα...</translation>
    </message>
    <message>
        <source>&amp;Add to group...</source>
        <translation>&amp;Προσθήκη σε ομάδα...</translation>
    </message>
    <message>
        <source>Re&amp;move from group...</source>
        <translation>Α&amp;φαίρεση από ομάδα...</translation>
    </message>
    <message>
        <source>&amp;Rename group...</source>
        <translation>&amp;Μετονομασία ομάδας...</translation>
    </message>
    <message>
        <source>&amp;Delete group</source>
        <translation>&amp;Διαγραφή ομάδας</translation>
    </message>
    <message>
        <source>Please tick the contacts first.</source>
        <translation>Επιλέξτε πρώτα τις επαφές.</translation>
    </message>
    <message>
        <source>The address book has changed since the list was shown. Please choose the contacts again.</source>
        <translation>Το βιβλίο διευθύνσεων άλλαξε από τότε που εμφανίστηκε η λίστα. Επιλέξτε ξανά τις επαφές.</translation>
    </message>
    <message>
        <source>Name of the new group of the chosen contacts (%1):</source>
        <translation>Όνομα της νέας ομάδας των επιλεγμένων επαφών (%1):</translation>
    </message>
    <message>
        <source>There is a group “%1” already. Add the contacts to it?</source>
        <translation>Υπάρχει ήδη ομάδα «%1». Να προστεθούν σε αυτή οι επαφές;</translation>
    </message>
    <message>
        <source>Add the chosen contacts (%1) to the group:</source>
        <translation>Προσθήκη των επιλεγμένων επαφών (%1) στην ομάδα:</translation>
    </message>
    <message>
        <source>The chosen contacts are in no group.</source>
        <translation>Οι επιλεγμένες επαφές δεν ανήκουν σε καμία ομάδα.</translation>
    </message>
    <message>
        <source>Take the chosen contacts (%1) out of the group:</source>
        <translation>Αφαίρεση των επιλεγμένων επαφών (%1) από την ομάδα:</translation>
    </message>
    <message>
        <source>Please choose the group to rename in the list.</source>
        <translation>Επιλέξτε στη λίστα την ομάδα που θα μετονομαστεί.</translation>
    </message>
    <message>
        <source>New name of the group “%1”:</source>
        <translation>Νέο όνομα της ομάδας «%1»:</translation>
    </message>
    <message>
        <source>There is a group “%1” already. Put the members of “%2” into it?</source>
        <translation>Υπάρχει ήδη ομάδα «%1». Να μπουν σε αυτή τα μέλη της «%2»;</translation>
    </message>
    <message>
        <source>Please choose the group to delete in the list.</source>
        <translation>Επιλέξτε στη λίστα την ομάδα που θα διαγραφεί.</translation>
    </message>
    <message>
        <source>Delete the group “%1”? Its members stay in the address book.</source>
        <translation>Διαγραφή της ομάδας «%1»; Τα μέλη της μένουν στο βιβλίο διευθύνσεων.</translation>
    </message>
    <message>
        <source>Save recipients as group</source>
        <translation>Αποθήκευση παραληπτών ως ομάδα</translation>
    </message>
    <message>
        <source>There are no recipients to save as a group.</source>
        <translation>Δεν υπάρχουν παραλήπτες για αποθήκευση ως ομάδα.</translation>
    </message>
    <message>
        <source>None of the recipients is a contact of the address book. Add them as contacts first.</source>
        <translation>Κανένας από τους παραλήπτες δεν είναι επαφή του βιβλίου διευθύνσεων. Προσθέστε τους πρώτα ως επαφές.</translation>
    </message>
    <message>
        <source>The recipients that are contacts (%1) join the group: a new name, or a group they are added to.</source>
        <translation>Οι παραλήπτες που είναι επαφές (%1) μπαίνουν στην ομάδα: ένα νέο όνομα ή μια ομάδα στην οποία προστίθενται.</translation>
    </message>
    <message>
        <source>Members of the group “%1” now: %2.</source>
        <translation>Μέλη της ομάδας «%1» τώρα: %2.</translation>
    </message>
    <message>
        <source>Members before: %1.</source>
        <translation>Μέλη πριν: %1.</translation>
    </message>
    <message>
        <source>Not in the address book, so not in the group: %1</source>
        <translation>Δεν υπάρχουν στο βιβλίο διευθύνσεων, άρα ούτε στην ομάδα: %1</translation>
    </message>
</context>
<context>
    <name>pelicast::HistoryModel</name>
    <message>
        <source>Credit check</source>
        <translation>Έλεγχος υπολοίπου</translation>
    </message>
    <message>
        <source>Contact list upload</source>
        <translation>Αποστολή λίστας επαφών</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Μήνυμα</translation>
    </message>
    <message>
        <source>Queued</source>
        <translation>Σε αναμονή</translation>
    </message>
    <message>
        <source>Sending</source>
        <translation>Αποστέλλεται</translation>
    </message>
    <message>
        <source>Accepted</source>
        <translation>Έγινε δεκτό</translation>
    </message>
    <message>
        <source>Refused by the gateway</source>
        <translation>Απορρίφθηκε από την πύλη</translation>
    </message>
    <message>
        <source>Unclear, check your balance</source>
        <translation>Ασαφές, ελέγξτε το υπόλοιπό σας</translation>
    </message>
    <message>
        <source>Failed, not sent</source>
        <translation>Απέτυχε, δεν στάλθηκε</translation>
    </message>
    <message>
        <source>Declined by you</source>
        <translation>Απορρίφθηκε από εσάς</translation>
    </message>
    <message>
        <source>No complete answer</source>
        <translation>Χωρίς πλήρη απάντηση</translation>
    </message>
    <message>
        <source>Id</source>
        <translation>Α/Α</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Ώρα</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Είδος</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Λογαριασμός</translation>
    </message>
    <message>
        <source>Originator</source>
        <translation>Αποστολέας</translation>
    </message>
    <message>
        <source>Recipients</source>
        <translation>Παραλήπτες</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Πλήθος</translation>
    </message>
    <message>
        <source>Parts</source>
        <translation>Τμήματα</translation>
    </message>
    <message>
        <source>Encoding</source>
        <translation>Κωδικοποίηση</translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation>Αποτέλεσμα</translation>
    </message>
    <message>
        <source>Reason</source>
        <translation>Αιτία</translation>
    </message>
    <message>
        <source>Reply</source>
        <translation>Απάντηση</translation>
    </message>
    <message>
        <source>Balance before</source>
        <translation>Υπόλοιπο πριν</translation>
    </message>
    <message>
        <source>Balance after</source>
        <translation>Υπόλοιπο μετά</translation>
    </message>
    <message>
        <source>Unicode</source>
        <translation>Unicode</translation>
    </message>
    <message>
        <source>Cost quoted</source>
        <translation>Εκτιμώμενο κόστος</translation>
    </message>
    <message>
        <source>Cost charged</source>
        <translation>Χρεωμένο κόστος</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Batch</source>
        <translation>Παρτίδα</translation>
    </message>
</context>
<context>
    <name>pelicast::HistoryWindow</name>
    <message>
        <source>History</source>
        <translation>Ιστορικό</translation>
    </message>
    <message>
        <source>&amp;Search:</source>
        <translation>Ανα&amp;ζήτηση:</translation>
    </message>
    <message>
        <source>Recipients or text</source>
        <translation>Παραλήπτες ή κείμενο</translation>
    </message>
    <message>
        <source>&amp;Kind:</source>
        <translation>Εί&amp;δος:</translation>
    </message>
    <message>
        <source>All requests</source>
        <translation>Όλα τα αιτήματα</translation>
    </message>
    <message>
        <source>Messages</source>
        <translation>Μηνύματα</translation>
    </message>
    <message>
        <source>Credit checks</source>
        <translation>Έλεγχοι υπολοίπου</translation>
    </message>
    <message>
        <source>Contact list uploads</source>
        <translation>Αποστολές λίστας επαφών</translation>
    </message>
    <message>
        <source>&amp;Dates from</source>
        <translation>&amp;Ημερομηνίες από</translation>
    </message>
    <message>
        <source>First day</source>
        <translation>Πρώτη ημέρα</translation>
    </message>
    <message>
        <source>t&amp;o</source>
        <translation>έ&amp;ως</translation>
    </message>
    <message>
        <source>Last day</source>
        <translation>Τελευταία ημέρα</translation>
    </message>
    <message>
        <source>Requests</source>
        <translation>Αιτήματα</translation>
    </message>
    <message>
        <source>&amp;Reply:</source>
        <translation>&amp;Απάντηση:</translation>
    </message>
    <message>
        <source>Send &amp;again</source>
        <translation>Αποστολή &amp;ξανά</translation>
    </message>
    <message>
        <source>Puts the recipients and the text into the main window; nothing is sent until you click Send.</source>
        <translation>Βάζει τους παραλήπτες και το κείμενο στο κύριο παράθυρο· τίποτα δεν στέλνεται μέχρι να πατήσετε Αποστολή.</translation>
    </message>
    <message>
        <source>&amp;Export CSV...</source>
        <translation>&amp;Εξαγωγή CSV...</translation>
    </message>
    <message>
        <source>the record: Export CSV writes all of it</source>
        <translation>το ημερολόγιο: η Εξαγωγή CSV τα γράφει όλα</translation>
    </message>
    <message>
        <source>No complete answer came: the gateway may have acted on the request. Check your balance before sending again.</source>
        <translation>Δεν ήρθε πλήρης απάντηση: η πύλη ίσως εκτέλεσε το αίτημα. Ελέγξτε το υπόλοιπό σας πριν στείλετε ξανά.</translation>
    </message>
    <message>
        <source>You answered No: nothing was sent.</source>
        <translation>Απαντήσατε Όχι: δεν στάλθηκε τίποτα.</translation>
    </message>
    <message>
        <source>Waiting to be sent.</source>
        <translation>Σε αναμονή για αποστολή.</translation>
    </message>
    <message>
        <source>Being sent: the answer has not come yet.</source>
        <translation>Αποστέλλεται: η απάντηση δεν έχει έρθει ακόμη.</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>Εξαγωγή CSV</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Αρχεία CSV (*.csv)</translation>
    </message>
    <message>
        <source>The history could not be exported to %1: %2</source>
        <translation>Το ιστορικό δεν ήταν δυνατό να εξαχθεί στο %1: %2</translation>
    </message>
    <message>
        <source>Requests of the &amp;batch</source>
        <translation>Αιτήματα της &amp;παρτίδας</translation>
    </message>
    <message>
        <source>Each request of the batch with its outcome and reply (a double click does the same)</source>
        <translation>Κάθε αίτημα της παρτίδας με το αποτέλεσμα και την απάντησή του (το ίδιο κάνει και ένα διπλό κλικ)</translation>
    </message>
    <message>
        <source>The requests of the batch of %1 to %2</source>
        <translation>Τα αιτήματα της παρτίδας της %1 προς %2</translation>
    </message>
    <message>
        <source>&amp;All requests</source>
        <translation>Ό&amp;λα τα αιτήματα</translation>
    </message>
    <message numerus="yes">
        <source>A batch of %n request(s): Requests of the batch shows each with its outcome and reply.</source>
        <translation>
            <numerusform>Μια παρτίδα %n αιτήματος: τα Αιτήματα της παρτίδας το δείχνουν με το αποτέλεσμα και την απάντησή του.</numerusform>
            <numerusform>Μια παρτίδα %n αιτημάτων: τα Αιτήματα της παρτίδας δείχνουν το καθένα με το αποτέλεσμα και την απάντησή του.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>pelicast::InsertFieldButton</name>
    <message>
        <source>Insert &amp;field</source>
        <translation>Εισα&amp;γωγή πεδίου</translation>
    </message>
    <message>
        <source>Insert field</source>
        <translation>Εισαγωγή πεδίου</translation>
    </message>
    <message>
        <source>The recipients have no fields yet. Choose contacts or load a list file (Recipients from file...) to write {first}, {name} or a column&apos;s name into the message.</source>
        <translation>Οι παραλήπτες δεν έχουν ακόμη πεδία. Επιλέξτε επαφές ή φορτώστε ένα αρχείο λίστας (Παραλήπτες από αρχείο...) για να γράψετε στο μήνυμα {first}, {name} ή το όνομα μιας στήλης.</translation>
    </message>
    <message>
        <source>Puts a value of each recipient into the message, such as {%1}.</source>
        <translation>Βάζει στο μήνυμα μια τιμή κάθε παραλήπτη, όπως {%1}.</translation>
    </message>
    <message>
        <source>The message has no room left for %1.</source>
        <translation>Το μήνυμα δεν έχει άλλο χώρο για το %1.</translation>
    </message>
</context>
<context>
    <name>pelicast::JournalRecorder</name>
    <message>
        <source>The program ended before the answer came.</source>
        <translation>Το πρόγραμμα τερμάτισε πριν έρθει η απάντηση.</translation>
    </message>
    <message>
        <source>The program ended before the request was sent.</source>
        <translation>Το πρόγραμμα τερμάτισε πριν σταλεί το αίτημα.</translation>
    </message>
</context>
<context>
    <name>pelicast::Keyring</name>
    <message>
        <source>The desktop&apos;s keyring is locked or refused access</source>
        <translation>Η κλειδοθήκη της επιφάνειας εργασίας είναι κλειδωμένη ή αρνήθηκε την πρόσβαση</translation>
    </message>
    <message>
        <source>The desktop&apos;s keyring did not remove the password</source>
        <translation>Η κλειδοθήκη της επιφάνειας εργασίας δεν αφαίρεσε τον κωδικό</translation>
    </message>
    <message>
        <source>No keyring of the desktop could be used</source>
        <translation>Δεν ήταν δυνατή η χρήση καμίας κλειδοθήκης της επιφάνειας εργασίας</translation>
    </message>
    <message>
        <source>The desktop&apos;s keyring is locked: it holds the password, but was not unlocked.</source>
        <translation>Η κλειδοθήκη της επιφάνειας εργασίας είναι κλειδωμένη: περιέχει τον κωδικό, αλλά δεν ξεκλειδώθηκε.</translation>
    </message>
    <message>
        <source>The desktop&apos;s keyring did not answer within %1 seconds; it may be locked and waiting for its password.</source>
        <translation>Η κλειδοθήκη της επιφάνειας εργασίας δεν απάντησε μέσα σε %1 δευτερόλεπτα· ίσως είναι κλειδωμένη και περιμένει τον κωδικό της.</translation>
    </message>
    <message>
        <source>none: no session bus (%1)</source>
        <translation>καμία: δεν υπάρχει δίαυλος συνεδρίας (%1)</translation>
    </message>
    <message>
        <source>%1 (%2), running</source>
        <translation>%1 (%2), εκτελείται</translation>
    </message>
    <message>
        <source>%1 (%2), started on demand</source>
        <translation>%1 (%2), ξεκινά κατ&apos; απαίτηση</translation>
    </message>
    <message>
        <source>none on the session bus: a remembered password is kept in the settings file</source>
        <translation>καμία στον δίαυλο συνεδρίας: ένας απομνημονευμένος κωδικός κρατιέται στο αρχείο ρυθμίσεων</translation>
    </message>
</context>
<context>
    <name>pelicast::LateBatchesDialog</name>
    <message>
        <source>&amp;Send now</source>
        <translation>Αποστολή τώ&amp;ρα</translation>
    </message>
    <message>
        <source>&amp;Cancel batch</source>
        <translation>&amp;Ακύρωση παρτίδας</translation>
    </message>
    <message>
        <source>Late Scheduled Messages</source>
        <translation>Καθυστερημένα προγραμματισμένα μηνύματα</translation>
    </message>
    <message numerus="yes">
        <source>These scheduled messages were not sent at their time, and are more than %n hours late: they go only on your word. Choose for the selected ones; what you leave is asked about again at the next start.</source>
        <translation>
            <numerusform>Αυτά τα προγραμματισμένα μηνύματα δεν στάλθηκαν στην ώρα τους και έχουν καθυστέρηση πάνω από %n ώρα: φεύγουν μόνο με δική σας εντολή. Επιλέξτε για τα επιλεγμένα· ό,τι αφήσετε θα ερωτηθεί ξανά στην επόμενη εκκίνηση.</numerusform>
            <numerusform>Αυτά τα προγραμματισμένα μηνύματα δεν στάλθηκαν στην ώρα τους και έχουν καθυστέρηση πάνω από %n ώρες: φεύγουν μόνο με δική σας εντολή. Επιλέξτε για τα επιλεγμένα· ό,τι αφήσετε θα ερωτηθεί ξανά στην επόμενη εκκίνηση.</numerusform>
        </translation>
    </message>
    <message>
        <source>Late batches</source>
        <translation>Καθυστερημένες παρτίδες</translation>
    </message>
    <message>
        <source>Due at %1, to %2: %3</source>
        <translation>Προγραμματισμένη για %1, προς %2: %3</translation>
    </message>
    <message>
        <source>Ask &amp;later</source>
        <translation>Ερώτηση αργό&amp;τερα</translation>
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
        <translation>Νέο SMS</translation>
    </message>
    <message>
        <source>Send SMS</source>
        <translation>Αποστολή SMS</translation>
    </message>
    <message>
        <source>Internet Options</source>
        <translation>Επιλογές Internet</translation>
    </message>
    <message>
        <source>Send Contact List to server</source>
        <translation>Αποστολή λίστας επαφών στον διακομιστή</translation>
    </message>
    <message>
        <source>Address Book</source>
        <translation>Βιβλίο διευθύνσεων</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Βοήθεια</translation>
    </message>
    <message>
        <source>Visit Quillo</source>
        <translation>Επίσκεψη στη Quillo</translation>
    </message>
    <message>
        <source>&amp;Username</source>
        <translation>Όνομα &amp;χρήστη</translation>
    </message>
    <message>
        <source>Enter You Quillo username</source>
        <translation>Εισαγάγετε το όνομα χρήστη σας στη Quillo</translation>
    </message>
    <message>
        <source>Username</source>
        <translation>Όνομα χρήστη</translation>
    </message>
    <message>
        <source>Your Quillo username</source>
        <translation>Το όνομα χρήστη σας στη Quillo</translation>
    </message>
    <message>
        <source>&amp;Password</source>
        <translation>&amp;Κωδικός</translation>
    </message>
    <message>
        <source>Enter You Quillo password</source>
        <translation>Εισαγάγετε τον κωδικό σας στη Quillo</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Κωδικός</translation>
    </message>
    <message>
        <source>R&amp;emember Password</source>
        <translation>&amp;Απομνημόνευση κωδικού</translation>
    </message>
    <message>
        <source>Check to store the password</source>
        <translation>Επιλέξτε το για να κρατηθεί ο κωδικός</translation>
    </message>
    <message>
        <source>Ori&amp;ginator</source>
        <translation>Αποστο&amp;λέας</translation>
    </message>
    <message>
        <source>Originator of the sms message</source>
        <translation>Αποστολέας του μηνύματος SMS</translation>
    </message>
    <message>
        <source>Originator</source>
        <translation>Αποστολέας</translation>
    </message>
    <message>
        <source>&amp;Recipient</source>
        <translation>&amp;Παραλήπτης</translation>
    </message>
    <message>
        <source>Recipient(s) Enter multiple recipients delimited with ;</source>
        <translation>Παραλήπτης(-ες): εισαγάγετε πολλούς παραλήπτες χωρισμένους με ;</translation>
    </message>
    <message>
        <source>Recipient</source>
        <translation>Παραλήπτης</translation>
    </message>
    <message>
        <source>&lt;</source>
        <translation>&lt;</translation>
    </message>
    <message>
        <source>Pop-up Address Book</source>
        <translation>Άνοιγμα βιβλίου διευθύνσεων</translation>
    </message>
    <message>
        <source>S&amp;MS</source>
        <translation>S&amp;MS</translation>
    </message>
    <message>
        <source>SMS Message text</source>
        <translation>Κείμενο του μηνύματος SMS</translation>
    </message>
    <message>
        <source>SMS</source>
        <translation>SMS</translation>
    </message>
    <message>
        <source>Type your message here</source>
        <translation>Γράψτε εδώ το μήνυμά σας</translation>
    </message>
    <message>
        <source>&amp;Send</source>
        <translation>Απο&amp;στολή</translation>
    </message>
    <message>
        <source>Click here to send Your sms</source>
        <translation>Πατήστε εδώ για να στείλετε το SMS σας</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>Ακύ&amp;ρωση</translation>
    </message>
    <message>
        <source>160 characters left</source>
        <translation>Απομένουν 160 χαρακτήρες</translation>
    </message>
    <message>
        <source>Credits Left: Unknown</source>
        <translation>Υπόλοιπο μονάδων: άγνωστο</translation>
    </message>
    <message>
        <source>Powered by Brackel</source>
        <translation>Με την υποστήριξη της Brackel</translation>
    </message>
    <message>
        <source>&amp;Actions</source>
        <translation>&amp;Ενέργειες</translation>
    </message>
    <message>
        <source>&amp;Web</source>
        <translation>&amp;Ιστός</translation>
    </message>
    <message>
        <source>&amp;Buy Credits</source>
        <translation>Αγορά &amp;μονάδων</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Βοήθεια</translation>
    </message>
    <message>
        <source>&amp;New SMS</source>
        <translation>&amp;Νέο SMS</translation>
    </message>
    <message>
        <source>&amp;Send SMS</source>
        <translation>&amp;Αποστολή SMS</translation>
    </message>
    <message>
        <source>&amp;Address Book</source>
        <translation>&amp;Βιβλίο διευθύνσεων</translation>
    </message>
    <message>
        <source>S&amp;end Contact List to server</source>
        <translation>Αποστολή &amp;λίστας επαφών στον διακομιστή</translation>
    </message>
    <message>
        <source>&amp;Get Credit balance from server</source>
        <translation>Έλε&amp;γχος υπολοίπου από τον διακομιστή</translation>
    </message>
    <message>
        <source>&amp;History...</source>
        <translation>&amp;Ιστορικό...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Έ&amp;ξοδος</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Επιλογές</translation>
    </message>
    <message>
        <source>&amp;Main Page</source>
        <translation>&amp;Κεντρική σελίδα</translation>
    </message>
    <message>
        <source>&amp;900 Credits</source>
        <translation>&amp;900 μονάδες</translation>
    </message>
    <message>
        <source>&amp;2.500 Credits</source>
        <translation>&amp;2.500 μονάδες</translation>
    </message>
    <message>
        <source>&amp;5.500 Credits</source>
        <translation>&amp;5.500 μονάδες</translation>
    </message>
    <message>
        <source>&amp;12.000 Credits</source>
        <translation>&amp;12.000 μονάδες</translation>
    </message>
    <message>
        <source>Create Quillo &amp;account</source>
        <translation>Δημιουργία &amp;λογαριασμού Quillo</translation>
    </message>
    <message>
        <source>&amp;Visit Quillo</source>
        <translation>Επίσκεψη στη &amp;Quillo</translation>
    </message>
    <message>
        <source>V&amp;isit Brackel</source>
        <translation>Επίσκεψη στην B&amp;rackel</translation>
    </message>
    <message>
        <source>Help &amp;Topics (F1)</source>
        <translation>&amp;Θέματα βοήθειας (F1)</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Σχετικά</translation>
    </message>
    <message>
        <source>History (Actions &gt; History)</source>
        <translation>Ιστορικό (Ενέργειες &gt; Ιστορικό)</translation>
    </message>
    <message>
        <source>Requests are not recorded, but they are sent.</source>
        <translation>Τα αιτήματα δεν καταγράφονται, αλλά στέλνονται.</translation>
    </message>
    <message>
        <source>test gateway: %1</source>
        <translation>δοκιμαστική πύλη: %1</translation>
    </message>
    <message>
        <source>Credits Left: (last run)%1</source>
        <translation>Υπόλοιπο μονάδων: (τελευταία εκτέλεση)%1</translation>
    </message>
    <message>
        <source>Click here for %1</source>
        <translation>Πατήστε εδώ για %1</translation>
    </message>
    <message numerus="yes">
        <source>%n characters left</source>
        <translation>
            <numerusform>Απομένει %n χαρακτήρας</numerusform>
            <numerusform>Απομένουν %n χαρακτήρες</numerusform>
        </translation>
    </message>
    <message>
        <source>A request is already in progress. Please wait for the server&apos;s reply.</source>
        <translation>Ένα αίτημα είναι ήδη σε εξέλιξη. Περιμένετε την απάντηση του διακομιστή.</translation>
    </message>
    <message>
        <source>Please enter Your Quillo username</source>
        <translation>Εισαγάγετε το όνομα χρήστη σας στη Quillo</translation>
    </message>
    <message>
        <source>Please enter Your Quillo password</source>
        <translation>Εισαγάγετε τον κωδικό σας στη Quillo</translation>
    </message>
    <message>
        <source>Please enter Your Quillo Username</source>
        <translation>Εισαγάγετε το όνομα χρήστη σας στη Quillo</translation>
    </message>
    <message>
        <source>Please enter Password for User %1</source>
        <translation>Εισαγάγετε τον κωδικό για τον χρήστη %1</translation>
    </message>
    <message>
        <source>Please enter the recipient of You sms message</source>
        <translation>Εισαγάγετε τον παραλήπτη του μηνύματος SMS σας</translation>
    </message>
    <message>
        <source>Please write Your message</source>
        <translation>Γράψτε το μήνυμά σας</translation>
    </message>
    <message>
        <source>Send SMS ?</source>
        <translation>Αποστολή SMS;</translation>
    </message>
    <message>
        <source>Sending SMS...</source>
        <translation>Αποστολή SMS...</translation>
    </message>
    <message>
        <source>Receive credit balance from Quillo server ?</source>
        <translation>Λήψη του υπολοίπου μονάδων από τον διακομιστή της Quillo;</translation>
    </message>
    <message>
        <source>Credit check</source>
        <translation>Έλεγχος υπολοίπου</translation>
    </message>
    <message>
        <source>Sending request...</source>
        <translation>Αποστολή αιτήματος...</translation>
    </message>
    <message>
        <source>Server Response:</source>
        <translation>Απάντηση διακομιστή:</translation>
    </message>
    <message>
        <source>Credits Left:%1</source>
        <translation>Υπόλοιπο μονάδων:%1</translation>
    </message>
    <message>
        <source>To begin, type your Quillo username and password.</source>
        <translation>Για να ξεκινήσετε, πληκτρολογήστε το όνομα χρήστη και τον κωδικό σας στη Quillo.</translation>
    </message>
    <message>
        <source>Your settings cannot be saved: changes to the account, recent recipients, balance and Options made now are lost when the program ends.

</source>
        <translation>Οι ρυθμίσεις σας δεν μπορούν να αποθηκευτούν: οι αλλαγές στον λογαριασμό, στους πρόσφατους παραλήπτες, στο υπόλοιπο και στις Επιλογές που γίνονται τώρα θα χαθούν όταν τερματίσει το πρόγραμμα.

</translation>
    </message>
    <message>
        <source>A request is still out. If you quit now, its answer is not waited for. %1

Quit all the same?</source>
        <translation>Ένα αίτημα είναι ακόμη σε εξέλιξη. Αν τερματίσετε τώρα, δεν θα περιμένετε την απάντησή του. %1

Τερματισμός παρ&apos; όλα αυτά;</translation>
    </message>
    <message>
        <source>Discard the unsent message?</source>
        <translation>Απόρριψη του μηνύματος που δεν στάλθηκε;</translation>
    </message>
    <message>
        <source>Pelicast was closed before the answer came.</source>
        <translation>Το Pelicast έκλεισε πριν έρθει η απάντηση.</translation>
    </message>
    <message>
        <source>Recipients from &amp;file...</source>
        <translation>Παραλήπτες από &amp;αρχείο...</translation>
    </message>
    <message>
        <source>&amp;Import contacts...</source>
        <translation>&amp;Εισαγωγή επαφών...</translation>
    </message>
    <message>
        <source>Save recipients as g&amp;roup...</source>
        <translation>Αποθήκευση παραληπτών ως ο&amp;μάδα...</translation>
    </message>
    <message>
        <source>From fi&amp;le...</source>
        <translation>Από αρ&amp;χείο...</translation>
    </message>
    <message>
        <source>Recipients from a CSV or TSV list file</source>
        <translation>Παραλήπτες από αρχείο λίστας CSV ή TSV</translation>
    </message>
    <message>
        <source>A batch is being sent. If you quit now, a request on its way is recorded as without a complete answer, and the rest stay queued: the next start offers to continue them.

Quit all the same?</source>
        <translation>Μια παρτίδα αποστέλλεται. Αν κλείσετε τώρα, ένα αίτημα που έχει φύγει καταγράφεται χωρίς πλήρη απάντηση και τα υπόλοιπα μένουν σε αναμονή: η επόμενη εκκίνηση προτείνει να συνεχιστούν.

Κλείσιμο παρ&apos; όλα αυτά;</translation>
    </message>
    <message>
        <source>%1 accepted, %2 refused, %3 without a clear answer, %4 still queued.</source>
        <translation>%1 έγιναν δεκτά, %2 απορρίφθηκαν, %3 χωρίς σαφή απάντηση, %4 ακόμη σε αναμονή.</translation>
    </message>
    <message>
        <source>Nothing was sent: a batch is recorded whole before it is sent, and the journal cannot be used. %1</source>
        <translation>Δεν στάλθηκε τίποτα: μια παρτίδα καταγράφεται ολόκληρη πριν σταλεί, και το ημερολόγιο δεν μπορεί να χρησιμοποιηθεί. %1</translation>
    </message>
    <message>
        <source>A batch is being sent. Wait until it ends, or stop it.</source>
        <translation>Μια παρτίδα αποστέλλεται. Περιμένετε να τελειώσει ή διακόψτε την.</translation>
    </message>
    <message>
        <source>None of the recipients can get the message.</source>
        <translation>Κανένας από τους παραλήπτες δεν μπορεί να πάρει το μήνυμα.</translation>
    </message>
    <message>
        <source>Nothing was sent: the batch cannot be recorded. %1</source>
        <translation>Δεν στάλθηκε τίποτα: η παρτίδα δεν μπορεί να καταγραφεί. %1</translation>
    </message>
    <message>
        <source>Sending a batch...</source>
        <translation>Αποστολή παρτίδας...</translation>
    </message>
    <message>
        <source>The batch was sent.</source>
        <translation>Η παρτίδα στάλθηκε.</translation>
    </message>
    <message>
        <source>Stopped. What is still queued is sent with Continue in Actions &gt; Unfinished batches.</source>
        <translation>Διακόπηκε. Ό,τι είναι ακόμη σε αναμονή στέλνεται με Συνέχεια στις Ενέργειες &gt; Ανολοκλήρωτες παρτίδες.</translation>
    </message>
    <message>
        <source>The batch stopped: %1 What is still queued is sent with Continue in Actions &gt; Unfinished batches.</source>
        <translation>Η παρτίδα σταμάτησε: %1 Ό,τι είναι ακόμη σε αναμονή στέλνεται με Συνέχεια στις Ενέργειες &gt; Ανολοκλήρωτες παρτίδες.</translation>
    </message>
    <message>
        <source>Pelicast: a batch ended</source>
        <translation>Pelicast: μια παρτίδα τελείωσε</translation>
    </message>
    <message>
        <source>Every batch is finished.</source>
        <translation>Όλες οι παρτίδες έχουν ολοκληρωθεί.</translation>
    </message>
    <message>
        <source>This batch is sent from the account %1. Type that user name and its password in the main window, then choose it again.</source>
        <translation>Αυτή η παρτίδα στέλνεται από τον λογαριασμό %1. Πληκτρολογήστε αυτό το όνομα χρήστη και τον κωδικό του στο κύριο παράθυρο και επιλέξτε την ξανά.</translation>
    </message>
    <message>
        <source>Unfinished &amp;batches...</source>
        <translation>Ανολοκλήρωτες &amp;παρτίδες...</translation>
    </message>
    <message>
        <source>Paused for the quiet hours: the rest goes at %1.</source>
        <translation>Σε παύση λόγω των ωρών ησυχίας: τα υπόλοιπα φεύγουν στις %1.</translation>
    </message>
    <message>
        <source>The batch stopped: %1 The rest is tried again in a minute.</source>
        <translation>Η παρτίδα σταμάτησε: %1 Τα υπόλοιπα θα δοκιμαστούν ξανά σε ένα λεπτό.</translation>
    </message>
    <message>
        <source>Sen&amp;d later...</source>
        <translation>Αποστολή αργό&amp;τερα...</translation>
    </message>
    <message>
        <source>Send later</source>
        <translation>Αποστολή αργότερα</translation>
    </message>
    <message>
        <source>Send the message at a time you choose</source>
        <translation>Αποστολή του μηνύματος σε ώρα της επιλογής σας</translation>
    </message>
    <message>
        <source>Sche&amp;duled messages...</source>
        <translation>Π&amp;ρογραμματισμένα μηνύματα...</translation>
    </message>
    <message>
        <source>Nothing was scheduled: the batch cannot be recorded. %1</source>
        <translation>Δεν προγραμματίστηκε τίποτα: η παρτίδα δεν μπορεί να καταγραφεί. %1</translation>
    </message>
    <message>
        <source>Send SMS later?</source>
        <translation>Αποστολή SMS αργότερα;</translation>
    </message>
    <message>
        <source>Batch %1 is scheduled for %2: %3.</source>
        <translation>Η παρτίδα %1 προγραμματίστηκε για %2: %3.</translation>
    </message>
    <message>
        <source>Remember Password is off, so the timer has no password: these messages go only while Pelicast is open with the password typed. To let them go while it is closed, tick Remember Password before you schedule.</source>
        <translation>Η «Απομνημόνευση κωδικού» είναι ανενεργή, οπότε ο χρονοδιακόπτης δεν έχει κωδικό: αυτά τα μηνύματα φεύγουν μόνο όσο το Pelicast είναι ανοιχτό με πληκτρολογημένο τον κωδικό. Για να φεύγουν και όταν είναι κλειστό, επιλέξτε «Απομνημόνευση κωδικού» πριν τα προγραμματίσετε.</translation>
    </message>
    <message>
        <source>Scheduling...</source>
        <translation>Προγραμματισμός...</translation>
    </message>
    <message>
        <source>Batch %1 of %2 was due at %3, but no password for the account is available: none is remembered, and the keyring gives none. It stays scheduled; type the account&apos;s user name and password in the main window, and it goes within a minute.</source>
        <translation>Η παρτίδα %1 του %2 έπρεπε να φύγει στις %3, αλλά δεν υπάρχει διαθέσιμος κωδικός για τον λογαριασμό: κανένας δεν έχει απομνημονευθεί και η κλειδοθήκη δεν δίνει κανέναν. Μένει προγραμματισμένη· πληκτρολογήστε το όνομα χρήστη και τον κωδικό του λογαριασμού στο κύριο παράθυρο και θα φύγει μέσα σε ένα λεπτό.</translation>
    </message>
</context>
<context>
    <name>pelicast::MessageTextEdit</name>
    <message numerus="yes">
        <source>Characters left out: %n. A message holds at most %1 characters.</source>
        <translation>
            <numerusform>Χαρακτήρες που έμειναν έξω: %n. Ένα μήνυμα χωρά το πολύ %1 χαρακτήρες.</numerusform>
            <numerusform>Χαρακτήρες που έμειναν έξω: %n. Ένα μήνυμα χωρά το πολύ %1 χαρακτήρες.</numerusform>
        </translation>
    </message>
    <message>
        <source>Undo (Ctrl+Z) takes the paste back.</source>
        <translation>Η Αναίρεση (Ctrl+Z) παίρνει πίσω την επικόλληση.</translation>
    </message>
</context>
<context>
    <name>pelicast::OptionsDialog</name>
    <message>
        <source>Options</source>
        <translation>Επιλογές</translation>
    </message>
    <message>
        <source>Proxy Options</source>
        <translation>Επιλογές διακομιστή μεσολάβησης</translation>
    </message>
    <message>
        <source>&amp;No proxy</source>
        <translation>&amp;Χωρίς διακομιστή μεσολάβησης</translation>
    </message>
    <message>
        <source>Use s&amp;ystem proxy settings</source>
        <translation>Χρήση ρυθμίσεων &amp;συστήματος</translation>
    </message>
    <message>
        <source>C&amp;ustom proxy</source>
        <translation>&amp;Προσαρμοσμένος διακομιστής μεσολάβησης</translation>
    </message>
    <message>
        <source>Proxy address</source>
        <translation>Διεύθυνση διακομιστή μεσολάβησης</translation>
    </message>
    <message>
        <source>&amp;Port</source>
        <translation>&amp;Θύρα</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Θύρα</translation>
    </message>
    <message>
        <source>Internet Options</source>
        <translation>Επιλογές Internet</translation>
    </message>
    <message>
        <source>http&amp;s (recommended)</source>
        <translation>http&amp;s (συνιστάται)</translation>
    </message>
    <message>
        <source>&amp;http</source>
        <translation>&amp;http</translation>
    </message>
    <message>
        <source>Before Sending</source>
        <translation>Πριν την αποστολή</translation>
    </message>
    <message>
        <source>Default &amp;region</source>
        <translation>Προεπιλεγμένη &amp;περιοχή</translation>
    </message>
    <message>
        <source>The country whose numbers you type without a country code</source>
        <translation>Η χώρα της οποίας τους αριθμούς πληκτρολογείτε χωρίς κωδικό χώρας</translation>
    </message>
    <message>
        <source>Default region</source>
        <translation>Προεπιλεγμένη περιοχή</translation>
    </message>
    <message>
        <source>&amp;Check the recipients&apos; numbers</source>
        <translation>&amp;Έλεγχος των αριθμών των παραληπτών</translation>
    </message>
    <message>
        <source>Refuse numbers that cannot exist and ask about numbers given twice</source>
        <translation>Απόρριψη αριθμών που δεν μπορούν να υπάρχουν και ερώτηση για αριθμούς που δίνονται δύο φορές</translation>
    </message>
    <message>
        <source>&amp;Ask again above</source>
        <translation>Ερώ&amp;τηση ξανά πάνω από</translation>
    </message>
    <message>
        <source>Ask a second question before a send that costs more</source>
        <translation>Δεύτερη ερώτηση πριν από αποστολή που κοστίζει περισσότερο</translation>
    </message>
    <message>
        <source>Credits to ask again above</source>
        <translation>Μονάδες πάνω από τις οποίες γίνεται ξανά ερώτηση</translation>
    </message>
    <message>
        <source> credits</source>
        <translation> μονάδες</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Εντάξει</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Ακύρωση</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Εφαρμογή</translation>
    </message>
    <message>
        <source>None: compare numbers as written</source>
        <translation>Καμία: σύγκριση αριθμών όπως γράφτηκαν</translation>
    </message>
    <message>
        <source>Not set: asked at the first send</source>
        <translation>Δεν έχει οριστεί: ερωτάται στην πρώτη αποστολή</translation>
    </message>
    <message>
        <source>Please enter proxy address and port</source>
        <translation>Εισαγάγετε διεύθυνση και θύρα του διακομιστή μεσολάβησης</translation>
    </message>
    <message>
        <source>Sending Later</source>
        <translation>Αποστολή αργότερα</translation>
    </message>
    <message>
        <source>&amp;Quiet hours, from</source>
        <translation>Ώρες &amp;ησυχίας, από</translation>
    </message>
    <message>
        <source>Scheduled messages wait for the end of the quiet hours, and a batch running into them pauses until they end</source>
        <translation>Τα προγραμματισμένα μηνύματα περιμένουν το τέλος των ωρών ησυχίας, και μια παρτίδα που φτάνει σε αυτές σταματά προσωρινά μέχρι να τελειώσουν</translation>
    </message>
    <message>
        <source>Quiet hours start</source>
        <translation>Αρχή των ωρών ησυχίας</translation>
    </message>
    <message>
        <source>t&amp;o</source>
        <translation>έ&amp;ως</translation>
    </message>
    <message>
        <source>Quiet hours end</source>
        <translation>Τέλος των ωρών ησυχίας</translation>
    </message>
    <message>
        <source>Ask before sending a batch &amp;late by more than</source>
        <translation>Ερώτηση πριν από αποστολή παρτίδας με &amp;καθυστέρηση πάνω από</translation>
    </message>
    <message>
        <source>A scheduled batch found later than this (the computer was off) is not sent by the timer; Pelicast asks when it next starts</source>
        <translation>Μια προγραμματισμένη παρτίδα που βρίσκεται αργότερα από αυτό (ο υπολογιστής ήταν κλειστός) δεν στέλνεται από τον χρονοδιακόπτη· το Pelicast ρωτά στην επόμενη εκκίνηση</translation>
    </message>
    <message>
        <source>Hours late before asking</source>
        <translation>Ώρες καθυστέρησης πριν από την ερώτηση</translation>
    </message>
    <message>
        <source> hours</source>
        <translation> ώρες</translation>
    </message>
    <message>
        <source>Pause &amp;between the messages of a batch</source>
        <translation>&amp;Αναμονή ανάμεσα στα μηνύματα μιας παρτίδας</translation>
    </message>
    <message>
        <source>A batch sends one request at a time, and waits this long before the next</source>
        <translation>Μια παρτίδα στέλνει ένα αίτημα τη φορά και περιμένει τόσο πριν από το επόμενο</translation>
    </message>
    <message>
        <source>Pause between the messages of a batch</source>
        <translation>Αναμονή ανάμεσα στα μηνύματα μιας παρτίδας</translation>
    </message>
    <message>
        <source> s</source>
        <translation> δευτ.</translation>
    </message>
</context>
<context>
    <name>pelicast::PasswordKeeper</name>
    <message>
        <source>The desktop&apos;s keyring has not answered for %1 seconds; it may be waiting to be unlocked.

Wait for it longer?</source>
        <translation>Η κλειδοθήκη της επιφάνειας εργασίας δεν έχει απαντήσει εδώ και %1 δευτερόλεπτα· ίσως περιμένει να ξεκλειδωθεί.

Να περιμένετε περισσότερο;</translation>
    </message>
    <message>
        <source>The desktop&apos;s keyring did not answer within %1 seconds.</source>
        <translation>Η κλειδοθήκη της επιφάνειας εργασίας δεν απάντησε μέσα σε %1 δευτερόλεπτα.</translation>
    </message>
    <message>
        <source>Your remembered password for %1 is now kept in the desktop&apos;s keyring, and no longer in Pelicast&apos;s settings file, %2.</source>
        <translation>Ο απομνημονευμένος κωδικός σας για τον %1 κρατιέται τώρα στην κλειδοθήκη της επιφάνειας εργασίας και όχι πια στο αρχείο ρυθμίσεων του Pelicast, %2.</translation>
    </message>
    <message>
        <source>The password for %1 could not be removed from the desktop&apos;s keyring.

%2</source>
        <translation>Ο κωδικός για τον %1 δεν ήταν δυνατό να αφαιρεθεί από την κλειδοθήκη της επιφάνειας εργασίας.

%2</translation>
    </message>
    <message>
        <source>The password for %1 is kept in Pelicast&apos;s settings file, %2, because no keyring of the desktop could keep it.

%3

Only you can read that file, but the password in it is scrambled, not encrypted: anyone who can read the file or a copy of it can read the password. To keep it nowhere, untick &quot;Remember Password&quot; before you send.</source>
        <translation>Ο κωδικός για τον %1 κρατιέται στο αρχείο ρυθμίσεων του Pelicast, %2, επειδή καμία κλειδοθήκη της επιφάνειας εργασίας δεν μπόρεσε να τον κρατήσει.

%3

Μόνο εσείς μπορείτε να διαβάσετε αυτό το αρχείο, αλλά ο κωδικός μέσα του είναι ανακατεμένος, όχι κρυπτογραφημένος: όποιος μπορεί να διαβάσει το αρχείο ή ένα αντίγραφό του μπορεί να διαβάσει τον κωδικό. Για να μην κρατηθεί πουθενά, αποεπιλέξτε το «Απομνημόνευση κωδικού» πριν στείλετε.</translation>
    </message>
</context>
<context>
    <name>pelicast::RecipientFileDialog</name>
    <message>
        <source>comma</source>
        <translation>κόμμα</translation>
    </message>
    <message>
        <source>semicolon</source>
        <translation>ερωτηματικό</translation>
    </message>
    <message>
        <source>tab</source>
        <translation>tab</translation>
    </message>
    <message>
        <source>vertical bar</source>
        <translation>κάθετη γραμμή</translation>
    </message>
    <message>
        <source>Recipients from %1</source>
        <translation>Παραλήπτες από %1</translation>
    </message>
    <message>
        <source>Check that the rows read right and which column holds the mobile numbers.</source>
        <translation>Ελέγξτε ότι οι γραμμές διαβάζονται σωστά και ποια στήλη περιέχει τους αριθμούς κινητών.</translation>
    </message>
    <message>
        <source>&amp;First row names the columns</source>
        <translation>Η &amp;πρώτη γραμμή ονομάζει τις στήλες</translation>
    </message>
    <message>
        <source>Choose the column of numbers</source>
        <translation>Επιλέξτε τη στήλη των αριθμών</translation>
    </message>
    <message>
        <source>Rows of the file</source>
        <translation>Γραμμές του αρχείου</translation>
    </message>
    <message>
        <source>Left out</source>
        <translation>Έμειναν έξω</translation>
    </message>
    <message>
        <source>&amp;Encoding:</source>
        <translation>&amp;Κωδικοποίηση:</translation>
    </message>
    <message>
        <source>Delimiter:</source>
        <translation>Διαχωριστικό:</translation>
    </message>
    <message>
        <source>&amp;Number column:</source>
        <translation>Στήλη &amp;αριθμών:</translation>
    </message>
    <message>
        <source>Recipients from file</source>
        <translation>Παραλήπτες από αρχείο</translation>
    </message>
    <message>
        <source>Which column holds the numbers?</source>
        <translation>Ποια στήλη περιέχει τους αριθμούς;</translation>
    </message>
    <message>
        <source>Recipients: %1. Left out: %2.</source>
        <translation>Παραλήπτες: %1. Έμειναν έξω: %2.</translation>
    </message>
    <message>
        <source>&amp;Left out (%1)</source>
        <translation>Έμειναν έ&amp;ξω (%1)</translation>
    </message>
</context>
<context>
    <name>pelicast::RecipientPicker</name>
    <message>
        <source>Select Contacts / Groups</source>
        <translation>Επιλογή επαφών / ομάδων</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Κατηγορία</translation>
    </message>
    <message>
        <source>Contacts / Groups</source>
        <translation>Επαφές / ομάδες</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Προσθήκη</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Επεξεργασία</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Διαγραφή</translation>
    </message>
    <message>
        <source>&amp;Groups</source>
        <translation>&amp;Ομάδες</translation>
    </message>
    <message>
        <source>New group, add to or remove from a group, rename or delete a group</source>
        <translation>Νέα ομάδα, προσθήκη σε ή αφαίρεση από ομάδα, μετονομασία ή διαγραφή ομάδας</translation>
    </message>
    <message>
        <source>&amp;Import contacts...</source>
        <translation>&amp;Εισαγωγή επαφών...</translation>
    </message>
    <message>
        <source>Adds the contacts of vCard files from other address books</source>
        <translation>Προσθέτει τις επαφές αρχείων vCard από άλλα βιβλία διευθύνσεων</translation>
    </message>
    <message>
        <source>&amp;Replace recipients</source>
        <translation>Αντι&amp;κατάσταση παραληπτών</translation>
    </message>
    <message>
        <source>Add &amp;to existing recipients</source>
        <translation>Προσθήκη &amp;στους υπάρχοντες παραλήπτες</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Ακύρωση</translation>
    </message>
    <message>
        <source>Contacts</source>
        <translation>Επαφές</translation>
    </message>
    <message>
        <source>Groups</source>
        <translation>Ομάδες</translation>
    </message>
    <message>
        <source>Collecting Contacts...</source>
        <translation>Συλλογή επαφών...</translation>
    </message>
    <message>
        <source>No Groups</source>
        <translation>Καμία ομάδα</translation>
    </message>
    <message>
        <source>No Contacts</source>
        <translation>Καμία επαφή</translation>
    </message>
    <message>
        <source>No groups yet. Tick contacts under Contacts, then choose Groups &gt; New group.</source>
        <translation>Καμία ομάδα ακόμη. Επιλέξτε επαφές στις Επαφές και έπειτα Ομάδες &gt; Νέα ομάδα.</translation>
    </message>
    <message>
        <source>No contacts yet. Import a vCard file from another address book with Import contacts..., or add one with Add.</source>
        <translation>Καμία επαφή ακόμη. Εισαγάγετε ένα αρχείο vCard από άλλο βιβλίο διευθύνσεων με την Εισαγωγή επαφών... ή προσθέστε μία με την Προσθήκη.</translation>
    </message>
    <message numerus="yes">
        <source>%n contacts of the ticked groups could not be read and were left out.</source>
        <translation>
            <numerusform>%n επαφή των επιλεγμένων ομάδων δεν ήταν δυνατό να διαβαστεί και έμεινε έξω.</numerusform>
            <numerusform>%n επαφές των επιλεγμένων ομάδων δεν ήταν δυνατό να διαβαστούν και έμειναν έξω.</numerusform>
        </translation>
    </message>
    <message>
        <source>Address Book</source>
        <translation>Βιβλίο διευθύνσεων</translation>
    </message>
    <message>
        <source>The address book has changed since the list was shown. Please choose the contact again.</source>
        <translation>Το βιβλίο διευθύνσεων άλλαξε από τότε που εμφανίστηκε η λίστα. Επιλέξτε ξανά την επαφή.</translation>
    </message>
    <message>
        <source>Please select the contact to edit</source>
        <translation>Επιλέξτε την επαφή για επεξεργασία</translation>
    </message>
    <message>
        <source>Select Contact to edit</source>
        <translation>Επιλογή επαφής για επεξεργασία</translation>
    </message>
    <message>
        <source>Are you sure you want to delete the selected contact ?</source>
        <translation>Θέλετε σίγουρα να διαγράψετε την επιλεγμένη επαφή;</translation>
    </message>
    <message>
        <source>Confirm Contact Delete</source>
        <translation>Επιβεβαίωση διαγραφής επαφής</translation>
    </message>
    <message>
        <source>Please select the Contact to delete</source>
        <translation>Επιλέξτε την επαφή για διαγραφή</translation>
    </message>
    <message>
        <source>Select Contact to delete</source>
        <translation>Επιλογή επαφής για διαγραφή</translation>
    </message>
</context>
<context>
    <name>pelicast::ScheduledWindow</name>
    <message>
        <source>When</source>
        <translation>Πότε</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Προς</translation>
    </message>
    <message>
        <source>Messages</source>
        <translation>Μηνύματα</translation>
    </message>
    <message>
        <source>Credits</source>
        <translation>Μονάδες</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Μήνυμα</translation>
    </message>
    <message>
        <source>Edit Text</source>
        <translation>Επεξεργασία κειμένου</translation>
    </message>
    <message>
        <source>&amp;Message:</source>
        <translation>&amp;Μήνυμα:</translation>
    </message>
    <message>
        <source>Change &amp;time...</source>
        <translation>Αλλαγή ώ&amp;ρας...</translation>
    </message>
    <message>
        <source>&amp;Edit text...</source>
        <translation>&amp;Επεξεργασία κειμένου...</translation>
    </message>
    <message>
        <source>Scheduled Messages</source>
        <translation>Προγραμματισμένα μηνύματα</translation>
    </message>
    <message>
        <source>Scheduled batches</source>
        <translation>Προγραμματισμένες παρτίδες</translation>
    </message>
    <message>
        <source>Pelicast sends these at their time while it is open, and the systemd user timer while it is closed.</source>
        <translation>Το Pelicast τα στέλνει στην ώρα τους όσο είναι ανοιχτό, και ο χρονοδιακόπτης χρήστη του systemd όσο είναι κλειστό.</translation>
    </message>
    <message>
        <source>With this text, no message would go: nothing was changed.</source>
        <translation>Με αυτό το κείμενο δεν θα έφευγε κανένα μήνυμα: τίποτα δεν άλλαξε.</translation>
    </message>
    <message>
        <source>Keep the new text for the messages at %1?

%2</source>
        <translation>Να κρατηθεί το νέο κείμενο για τα μηνύματα των %1;

%2</translation>
    </message>
    <message numerus="yes">
        <source>Cancel the %n messages to %1 at %2? None of them will be sent.</source>
        <translation>
            <numerusform>Ακύρωση του %n μηνύματος προς %1 στις %2; Δεν θα σταλεί.</numerusform>
            <numerusform>Ακύρωση των %n μηνυμάτων προς %1 στις %2; Κανένα δεν θα σταλεί.</numerusform>
        </translation>
    </message>
    <message>
        <source>Ca&amp;ncel batch</source>
        <translation>Ακύρωση &amp;παρτίδας</translation>
    </message>
</context>
<context>
    <name>pelicast::SendLaterDialog</name>
    <message>
        <source>Send Later</source>
        <translation>Αποστολή αργότερα</translation>
    </message>
    <message>
        <source>Send &amp;at:</source>
        <translation>Αποστολή &amp;στις:</translation>
    </message>
    <message>
        <source>&amp;Schedule</source>
        <translation>&amp;Προγραμματισμός</translation>
    </message>
</context>
<context>
    <name>pelicast::Settings</name>
    <message>
        <source>%1 cannot be written.</source>
        <translation>Το %1 δεν μπορεί να εγγραφεί.</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>Το %1 δεν μπορεί να εγγραφεί: %2</translation>
    </message>
    <message>
        <source>%1 cannot be created: %2</source>
        <translation>Το %1 δεν μπορεί να δημιουργηθεί: %2</translation>
    </message>
    <message>
        <source>%1 is read-only.</source>
        <translation>Το %1 είναι μόνο για ανάγνωση.</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>Το %1 δεν μπορεί να διαβαστεί: %2</translation>
    </message>
    <message>
        <source>not a file</source>
        <translation>δεν είναι αρχείο</translation>
    </message>
</context>
<context>
    <name>pelicast::SignalCatcher</name>
    <message>
        <source>signal %1</source>
        <translation>σήμα %1</translation>
    </message>
</context>
<context>
    <name>pelicast::SystemInfoDialog</name>
    <message>
        <source>unknown</source>
        <translation>άγνωστο</translation>
    </message>
    <message>
        <source>%1 (test gateway)</source>
        <translation>%1 (δοκιμαστική πύλη)</translation>
    </message>
    <message>
        <source>%1 or %2 (built in)</source>
        <translation>%1 ή %2 (ενσωματωμένη)</translation>
    </message>
    <message>
        <source>Pelicast %1</source>
        <translation>Pelicast %1</translation>
    </message>
    <message>
        <source>Qt: %1 (built with %2), platform %3, style %4, scale %5</source>
        <translation>Qt: %1 (χτίστηκε με %2), πλατφόρμα %3, στυλ %4, κλίμακα %5</translation>
    </message>
    <message>
        <source>libphonenumber: %1</source>
        <translation>libphonenumber: %1</translation>
    </message>
    <message>
        <source>System: %1, kernel %2 %3, %4</source>
        <translation>Σύστημα: %1, πυρήνας %2 %3, %4</translation>
    </message>
    <message>
        <source>Desktop: %1, session %2</source>
        <translation>Επιφάνεια εργασίας: %1, συνεδρία %2</translation>
    </message>
    <message>
        <source>Settings: %1</source>
        <translation>Ρυθμίσεις: %1</translation>
    </message>
    <message>
        <source>Address book: %1</source>
        <translation>Βιβλίο διευθύνσεων: %1</translation>
    </message>
    <message>
        <source>Journal: %1</source>
        <translation>Ημερολόγιο: %1</translation>
    </message>
    <message>
        <source>Keyring: %1</source>
        <translation>Κλειδοθήκη: %1</translation>
    </message>
    <message>
        <source>Gateway: %1</source>
        <translation>Πύλη: %1</translation>
    </message>
    <message>
        <source>System Information</source>
        <translation>Πληροφορίες συστήματος</translation>
    </message>
    <message>
        <source>System information</source>
        <translation>Πληροφορίες συστήματος</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>Α&amp;ντιγραφή</translation>
    </message>
</context>
<context>
    <name>pelicast::TemplatesMenu</name>
    <message>
        <source>&amp;Templates</source>
        <translation>&amp;Πρότυπα</translation>
    </message>
    <message>
        <source>No templates yet</source>
        <translation>Κανένα πρότυπο ακόμη</translation>
    </message>
    <message>
        <source>&amp;Save message as template...</source>
        <translation>&amp;Αποθήκευση μηνύματος ως προτύπου...</translation>
    </message>
    <message>
        <source>&amp;Rename template...</source>
        <translation>&amp;Μετονομασία προτύπου...</translation>
    </message>
    <message>
        <source>&amp;Delete template...</source>
        <translation>&amp;Διαγραφή προτύπου...</translation>
    </message>
    <message>
        <source>The message has no room left for this template.</source>
        <translation>Το μήνυμα δεν έχει πια χώρο για αυτό το πρότυπο.</translation>
    </message>
    <message>
        <source>The templates cannot be changed: %1</source>
        <translation>Τα πρότυπα δεν μπορούν να αλλάξουν: %1</translation>
    </message>
    <message>
        <source>Save the message as the template:</source>
        <translation>Αποθήκευση του μηνύματος ως το πρότυπο:</translation>
    </message>
    <message>
        <source>Save as template</source>
        <translation>Αποθήκευση ως προτύπου</translation>
    </message>
    <message>
        <source>A template named &quot;%1&quot; exists. Replace its text?</source>
        <translation>Υπάρχει πρότυπο με όνομα «%1». Αντικατάσταση του κειμένου του;</translation>
    </message>
    <message>
        <source>Which template?</source>
        <translation>Ποιο πρότυπο;</translation>
    </message>
    <message>
        <source>Rename template</source>
        <translation>Μετονομασία προτύπου</translation>
    </message>
    <message>
        <source>New name of &quot;%1&quot;:</source>
        <translation>Νέο όνομα του «%1»:</translation>
    </message>
    <message>
        <source>Delete template</source>
        <translation>Διαγραφή προτύπου</translation>
    </message>
    <message>
        <source>Delete the template &quot;%1&quot;?</source>
        <translation>Διαγραφή του προτύπου «%1»;</translation>
    </message>
</context>
<context>
    <name>pelicast::UnfinishedBatchesDialog</name>
    <message>
        <source>Unfinished batches</source>
        <translation>Ανολοκλήρωτες παρτίδες</translation>
    </message>
    <message>
        <source>These batches were not sent to the end. Choose one, then what becomes of it; Later leaves them all as they are.</source>
        <translation>Αυτές οι παρτίδες δεν στάλθηκαν ως το τέλος. Επιλέξτε μία και μετά τι θα γίνει με αυτήν· το Αργότερα τις αφήνει όλες όπως είναι.</translation>
    </message>
    <message>
        <source>&amp;Continue</source>
        <translation>&amp;Συνέχεια</translation>
    </message>
    <message>
        <source>Sends only the requests still queued: nobody gets the message twice.</source>
        <translation>Στέλνει μόνο τα αιτήματα που είναι ακόμη σε αναμονή: κανείς δεν παίρνει το μήνυμα δύο φορές.</translation>
    </message>
    <message>
        <source>Send again to &amp;refused...</source>
        <translation>Ξανά στα α&amp;πορριφθέντα...</translation>
    </message>
    <message>
        <source>Send again to &amp;unknown...</source>
        <translation>Ξανά στα ά&amp;γνωστα...</translation>
    </message>
    <message>
        <source>Cl&amp;ose batch...</source>
        <translation>&amp;Κλείσιμο παρτίδας...</translation>
    </message>
    <message>
        <source>&amp;Later</source>
        <translation>&amp;Αργότερα</translation>
    </message>
    <message numerus="yes">
        <source>The gateway refused %n request(s) of this batch, so their recipients got nothing. Sent again, they are paid for if the gateway takes them now; History shows why they were refused. Send them again?</source>
        <translation>
            <numerusform>Η πύλη απέρριψε %n αίτημα αυτής της παρτίδας, οπότε οι παραλήπτες του δεν πήραν τίποτα. Αν σταλεί ξανά, πληρώνεται αν η πύλη το δεχτεί τώρα· το Ιστορικό δείχνει γιατί απορρίφθηκε. Αποστολή ξανά;</numerusform>
            <numerusform>Η πύλη απέρριψε %n αιτήματα αυτής της παρτίδας, οπότε οι παραλήπτες τους δεν πήραν τίποτα. Αν σταλούν ξανά, πληρώνονται αν η πύλη τα δεχτεί τώρα· το Ιστορικό δείχνει γιατί απορρίφθηκαν. Αποστολή ξανά;</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n request(s) of this batch went out and no complete answer came: the gateway may have sent them. Sent again, their recipients may get the message twice, and both are paid for. Check your balance and History first. Send them again all the same?</source>
        <translation>
            <numerusform>%n αίτημα αυτής της παρτίδας έφυγε και δεν ήρθε πλήρης απάντηση: η πύλη ίσως το έστειλε. Αν σταλεί ξανά, οι παραλήπτες του ίσως πάρουν το μήνυμα δύο φορές και πληρώνονται και τα δύο. Ελέγξτε πρώτα το υπόλοιπό σας και το Ιστορικό. Αποστολή ξανά παρ&apos; όλα αυτά;</numerusform>
            <numerusform>%n αιτήματα αυτής της παρτίδας έφυγαν και δεν ήρθε πλήρης απάντηση: η πύλη ίσως τα έστειλε. Αν σταλούν ξανά, οι παραλήπτες τους ίσως πάρουν το μήνυμα δύο φορές και πληρώνονται και τα δύο. Ελέγξτε πρώτα το υπόλοιπό σας και το Ιστορικό. Αποστολή ξανά παρ&apos; όλα αυτά;</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Close this batch? Its %n queued request(s) are never sent, and it is no longer listed as unfinished.</source>
        <translation>
            <numerusform>Κλείσιμο αυτής της παρτίδας; Το %n αίτημά της σε αναμονή δεν στέλνεται ποτέ και δεν εμφανίζεται πια ως ανολοκλήρωτη.</numerusform>
            <numerusform>Κλείσιμο αυτής της παρτίδας; Τα %n αιτήματά της σε αναμονή δεν στέλνονται ποτέ και δεν εμφανίζεται πια ως ανολοκλήρωτη.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n request(s): %1 accepted, %2 refused, %3 without a clear answer, %4 queued</source>
        <translation>
            <numerusform>%n αίτημα: %1 δεκτά, %2 απορρίφθηκαν, %3 χωρίς σαφή απάντηση, %4 σε αναμονή</numerusform>
            <numerusform>%n αιτήματα: %1 δεκτά, %2 απορρίφθηκαν, %3 χωρίς σαφή απάντηση, %4 σε αναμονή</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>pelicast::help::HelpBrowser</name>
    <message>
        <source>&lt;html&gt;&lt;body&gt;&lt;h1&gt;Page not found&lt;/h1&gt;&lt;p&gt;The page %1 is not in this help file.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;body&gt;&lt;h1&gt;Η σελίδα δεν βρέθηκε&lt;/h1&gt;&lt;p&gt;Η σελίδα %1 δεν υπάρχει σε αυτό το αρχείο βοήθειας.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
</context>
<context>
    <name>pelicast::help::HelpWindow</name>
    <message>
        <source>Pelicast Help</source>
        <translation>Βοήθεια Pelicast</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Περιεχόμενα</translation>
    </message>
    <message>
        <source>I&amp;ndex</source>
        <translation>Ευρε&amp;τήριο</translation>
    </message>
    <message>
        <source>&amp;Search</source>
        <translation>Ανα&amp;ζήτηση</translation>
    </message>
    <message>
        <source>Type a keyword</source>
        <translation>Πληκτρολογήστε μια λέξη-κλειδί</translation>
    </message>
    <message>
        <source>Navigation</source>
        <translation>Πλοήγηση</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Πίσω</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>&amp;Εμπρός</translation>
    </message>
    <message>
        <source>&amp;Home</source>
        <translation>&amp;Αρχική</translation>
    </message>
</context>
</TS>
