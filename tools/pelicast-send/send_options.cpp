// SPDX-License-Identifier: GPL-3.0-or-later
#include "send_options.h"

#include <QCoreApplication>

#include "core/gateway/gateway_location.h"

using namespace Qt::StringLiterals;

namespace pelicast {

namespace {

// This file's texts, under one context for the translators.
struct SendOptionsText {
    Q_DECLARE_TR_FUNCTIONS(SendOptions)
};

QString description() {
    return SendOptionsText::tr(
        "Sends an SMS through the Quillo gateway, or asks for the balance, with the "
        "settings, address book and journal of Pelicast.\n"
        "\n"
        "The account is the one Pelicast remembers, or --user. A password is never "
        "taken on the command line, where other users can see it.\n"
        "\n"
        "The message is checked as Pelicast's window checks it, by the settings of "
        "its Options: recipients that cannot be phone numbers of the default region "
        "stop it, and so do numbers in national format when no region is known (none "
        "set in Options or by --region, and none in the system's language settings, "
        "as under cron); numbers named twice and an originator that networks may drop are "
        "warned about; a message that costs more than the credits set at \"Ask "
        "again above\" is refused, unless --max-cost allows it.\n"
        "\n"
        "Sending to many. A message with fields ({first}, {last} and {name} of the "
        "address book's contacts, or {Column} for any column of a --csv list, letter "
        "case aside; {{ and }} write a brace), or to the rows of --csv FILE, goes as "
        "a batch: one request per distinct text, each number once (the first row), "
        "written to the journal before the first request leaves, then sent one at a "
        "time with --pause between two (default: the preference \"pause\", 1 s). A "
        "row with a field left empty, or a text over 160 characters once filled in, "
        "stops the batch before anything is sent unless --missing or --too-long says "
        "what to do; so does a row whose number cannot be one. --max-cost applies to "
        "the batch's total. A request that did not reach the gateway goes back to the "
        "queue and ends the run; one that went out without a complete answer is "
        "\"unknown\" and is never sent again on pelicast-send's own. Two programs "
        "never send the same request: each claims it in the journal first.\n"
        "\n"
        "The state of a batch's request (the journal's words, as --json gives them): "
        "queued (waits to be sent), pending (being sent), accepted, refused, unclear "
        "(an answer that says neither; counted as unknown), unknown (it went out and "
        "no complete answer came: it may have been sent), declined (its batch was "
        "closed before it went).\n"
        "\n"
        "--json prints one JSON value, of the same shape for a dry run and a send. Of a "
        "message: \"outcome\" (accepted, refused, unclear, unknown, failed or dry-run), "
        "\"account\", \"originator\", \"recipients\", \"recipientCount\", \"parts\", "
        "\"encoding\", \"cost\", \"interconnectionCharges\", \"reply\" (the gateway's reply "
        "as it came; null when there is none) and \"balance\" (a number, as the reply stated "
        "it; null when it stated none). Of a batch: \"batch\" (its number, as a string; null "
        "in a dry run), \"outcome\" (what its requests come to: accepted, refused, unknown, "
        "queued or dry-run), \"account\", \"originator\", \"messages\", \"sms\", \"cost\", "
        "\"requests\" (each with \"recipients\", \"text\", \"parts\", \"encoding\", \"cost\" "
        "and \"outcome\") and \"balance\" (as the last reply stated it). A failure adds "
        "\"error\". --batches --json prints a list of {\"batch\", \"created\" (UTC, ISO 8601), "
        "\"accepted\", \"refused\", \"unknown\", \"queued\", \"pending\", \"source\"}, oldest "
        "first.\n"
        "\n"
        "The password, the first found of:\n"
        "  1  the first line of the --password-file\n"
        "  2  the environment variable PELICAST_PASSWORD\n"
        "  3  the desktop's keyring (Secret Service: service \"Pelicast\", the user\n"
        "     name as key), where Pelicast keeps it when \"Remember Password\" is\n"
        "     ticked; a keyring that is locked, or does not answer within 5\n"
        "     seconds, gives none: an unlock prompt is not waited for\n"
        "  4  the settings file, where Pelicast keeps it (scrambled) for the\n"
        "     account it remembers where no keyring could\n"
        "\n"
        "Exit status:\n"
        "  0  the gateway accepted the request (of a batch: every request): its\n"
        "     reply states the balance and says nothing of a refusal\n"
        "  1  the gateway refused it (its reply is printed): the reply says that\n"
        "     nothing was sent, that the user name or password is wrong, or that\n"
        "     something is invalid, with a balance or without; of a batch: some\n"
        "     were refused, the others accepted\n"
        "  2  bad usage or input, or a message the checks refuse (a recipient that\n"
        "     is not a possible number, a national number while no region is known,\n"
        "     a cost above the limit, a field without a value), in a dry run as in\n"
        "     a send\n"
        "  3  no clear outcome: a network or TLS failure, an HTTP error status, an\n"
        "     empty or unknown reply (\"Unclear, check your balance\"), or SIGINT,\n"
        "     SIGTERM or SIGHUP while the request was out; when the request went\n"
        "     out, the gateway may have sent the message all the same: check the\n"
        "     balance before sending again (pelicast-send never retries by itself);\n"
        "     of a batch: some request is unknown or unclear, or some are still\n"
        "     queued (the network failed, or a signal stopped it)\n"
        "  4  the user's data (settings, address book, password file, list file,\n"
        "     journal) could not be read or written, or no password is available:\n"
        "     none given, none kept, or the keyring locked or not answering\n"
        "  5  the outcome could not be written to standard output (a full disk);\n"
        "     the request's outcome is in Pelicast's History\n"
        "\n"
        "SIGINT, SIGTERM or SIGHUP before the request leaves end pelicast-send as\n"
        "they end any program (the shell shows 130, 143 or 129): nothing was sent.\n"
        "Once the answer came, they change nothing. During a batch they stop it:\n"
        "the request out is unknown, the rest stay queued (--continue), status 3.\n"
        "\n"
        "The gateway's reply is printed with control characters other than line "
        "feed and tab shown as the replacement character U+FFFD; --json gives it "
        "exactly.");
}

QString sendingLater() {
    return SendOptionsText::tr(
        "Sending later. --at TIME writes the batch to the journal, scheduled, and sends "
        "nothing: Pelicast's window sends it at its time while it is open, and the "
        "systemd user timer pelicast-send-due.timer (turned on the first time something "
        "is scheduled) runs --run-due every minute while it is closed. Nothing is sent "
        "inside the quiet hours (preference quiet_hours, default 21:00-08:00, \"off\" "
        "for none): a batch due then goes when they end, and a batch reaching them "
        "pauses until they end. A batch more than late_hours (default 2) past its time "
        "is left for the window to ask about. --run-due takes the password from the "
        "keyring or the settings file; with none, the batch stays scheduled, a desktop "
        "notice says why, and the exit status is 4. --scheduled --json prints a list of "
        "{\"batch\", \"due\" (UTC, ISO 8601), \"account\", \"source\", \"messages\", "
        "\"requests\", \"cost\", \"text\"}, soonest first.");
}

}  // namespace

void addSendOptions(QCommandLineParser& parser) {
    parser.setApplicationDescription(description() + u"\n\n"_s + sendingLater());
    parser.addOptions({
        {u"to"_s,
         SendOptionsText::tr(
             "A recipient: a mobile number, or \"Surname, Firstname (number)\" as the "
             "address book writes it. Several are separated by \";\" or given by "
             "repeating --to."),
         u"recipients"_s},
        {u"group"_s,
         SendOptionsText::tr(
             "Adds every member of this address-book group who has a mobile number; "
             "may be repeated."),
         u"name"_s},
        {u"csv"_s,
         SendOptionsText::tr(
             "Sends to the rows of this list file (CSV or TSV as spreadsheets save it; "
             "delimiter, header, encoding and number column found from the file): a batch."),
         u"file"_s},
        {u"number-column"_s,
         SendOptionsText::tr(
             "The column of --csv that holds the numbers, by its name in the first row "
             "(default: the one whose cells are mostly phone numbers)."),
         u"name"_s},
        {u"from"_s,
         SendOptionsText::tr("The originator (default: the one Pelicast remembers, else Quillo)."),
         u"originator"_s},
        {u"text"_s,
         SendOptionsText::tr(
             "The message; \"-\" reads it from standard input (at most 4 KiB). Line breaks "
             "and tabs are the only control characters it may hold."),
         u"message"_s},
        {u"template"_s, SendOptionsText::tr("Sends the message saved as this template."),
         u"name"_s},
        {u"user"_s,
         SendOptionsText::tr("The account's user name (default: the one Pelicast remembers)."),
         u"name"_s},
        {u"password-file"_s,
         SendOptionsText::tr(
             "Reads the account's password from the first line of this file (a regular "
             "file of at most 4 KiB)."),
         u"file"_s},
        {u"credits"_s, SendOptionsText::tr("Asks for the account's balance instead of sending.")},
        {u"dry-run"_s,
         SendOptionsText::tr(
             "Prints what would be sent (recipients, parts and encoding, cost; of a batch, "
             "every request) and sends nothing.")},
        {u"max-cost"_s,
         SendOptionsText::tr(
             "Sends only when the message (or the batch, in all) costs at most this many "
             "credits. For this run it replaces the limit set in Options (\"Ask again "
             "above\"), whether that is ticked or not."),
         u"credits"_s},
        {u"region"_s,
         SendOptionsText::tr(
             "Reads numbers in national format as numbers of this country (a two-letter code "
             "such as GR); replaces the default region set in Options for this run."),
         u"CC"_s},
        {u"once"_s,
         SendOptionsText::tr(
             "Sends once to each number when the recipients name a number more than once "
             "(by default each is sent, and paid for). A batch always sends once.")},
        {u"pause"_s, SendOptionsText::tr("Seconds between two requests of a batch (0 to 3600)."),
         u"seconds"_s},
        {u"missing"_s,
         SendOptionsText::tr(
             "A batch's recipient without a value for a field of the message: \"empty\" "
             "sends the message with the field left empty, \"skip\" leaves the recipient out "
             "(default: nothing is sent, and the rows are named)."),
         u"empty|skip"_s},
        {u"too-long"_s,
         SendOptionsText::tr(
             "A batch's message over 160 characters once filled in: \"send\" sends it as it "
             "is, in more parts, \"skip\" leaves it out (default: nothing is sent)."),
         u"send|skip"_s},
        {u"batches"_s, SendOptionsText::tr(
                           "Lists the unfinished batches (a request queued, being sent, unknown or "
                           "unclear), oldest first.")},
        {u"continue"_s, SendOptionsText::tr("Sends the queued requests of this batch."),
         u"batch"_s},
        {u"resend-refused"_s,
         SendOptionsText::tr(
             "Queues the refused requests of this batch again, and sends its queue."),
         u"batch"_s},
        {u"resend-unknown"_s,
         SendOptionsText::tr(
             "Queues the unknown and unclear requests of this batch again, and sends its "
             "queue: the gateway may have sent them already, so their recipients may get "
             "them twice, and you pay again."),
         u"batch"_s},
        {u"close"_s,
         SendOptionsText::tr(
             "Ends this batch as it is: its queued requests are never sent, and it is no "
             "longer listed as unfinished."),
         u"batch"_s},
        {u"at"_s,
         SendOptionsText::tr(
             "Schedules the message (always a batch) for this time instead of sending it "
             "now: \"YYYY-MM-DD HH:MM\" in local time, or ISO 8601 with an offset "
             "(2026-05-04T08:00+02:00). Pelicast's window, or the systemd user timer, sends "
             "it then."),
         u"time"_s},
        {u"scheduled"_s, SendOptionsText::tr("Lists the scheduled batches, soonest first.")},
        {u"cancel"_s,
         SendOptionsText::tr("Cancels this scheduled batch: none of its messages is sent."),
         u"batch"_s},
        {u"run-due"_s,
         SendOptionsText::tr(
             "Sends the scheduled batches whose time has come, outside the quiet hours and "
             "not more than the late hours late, as the systemd user timer does every "
             "minute.")},
        {u"templates"_s, SendOptionsText::tr("Lists the saved templates.")},
        {u"save-template"_s,
         SendOptionsText::tr("Saves the --text as this template, and sends nothing."), u"name"_s},
        {u"delete-template"_s, SendOptionsText::tr("Deletes this template."), u"name"_s},
        {u"json"_s,
         SendOptionsText::tr(
             "Prints one JSON value: the outcome, the reply and the balance; of a batch, "
             "its requests.")},
        {u"gateway"_s, GatewayLocation::optionDescription(), u"URL"_s},
    });
}

const QStringList& singleValueOptions() {
    static const QStringList options{u"from"_s,
                                     u"text"_s,
                                     u"user"_s,
                                     u"password-file"_s,
                                     u"max-cost"_s,
                                     u"region"_s,
                                     u"csv"_s,
                                     u"number-column"_s,
                                     u"template"_s,
                                     u"pause"_s,
                                     u"missing"_s,
                                     u"too-long"_s,
                                     u"continue"_s,
                                     u"resend-refused"_s,
                                     u"resend-unknown"_s,
                                     u"close"_s,
                                     u"save-template"_s,
                                     u"delete-template"_s,
                                     u"gateway"_s,
                                     u"at"_s,
                                     u"cancel"_s};
    return options;
}

const QStringList& modeOptions() {
    static const QStringList options{u"credits"_s,        u"batches"_s,        u"continue"_s,
                                     u"resend-refused"_s, u"resend-unknown"_s, u"close"_s,
                                     u"templates"_s,      u"save-template"_s,  u"delete-template"_s,
                                     u"scheduled"_s,      u"cancel"_s,         u"run-due"_s};
    return options;
}

const QStringList& messageOptions() {
    static const QStringList options{u"to"_s,       u"group"_s,    u"csv"_s,   u"number-column"_s,
                                     u"text"_s,     u"template"_s, u"from"_s,  u"max-cost"_s,
                                     u"region"_s,   u"once"_s,     u"pause"_s, u"missing"_s,
                                     u"too-long"_s, u"at"_s};
    return options;
}

}  // namespace pelicast
