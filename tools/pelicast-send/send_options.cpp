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

}  // namespace

QString sendDescription() {
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
        "  0  the gateway accepted the request: its reply states the balance and\n"
        "     says nothing of a refusal\n"
        "  1  the gateway refused it (its reply is printed): the reply says that\n"
        "     nothing was sent, that the user name or password is wrong, or that\n"
        "     something is invalid, with a balance or without\n"
        "  2  bad usage or input, or a message the checks refuse (a recipient that\n"
        "     is not a possible number, a national number while no region is known,\n"
        "     a cost above the limit), in a dry run as in a send\n"
        "  3  no clear outcome: a network or TLS failure, an HTTP error status, an\n"
        "     empty or unknown reply (\"Unclear, check your balance\"), or SIGINT,\n"
        "     SIGTERM or SIGHUP while the request was out; when the request went\n"
        "     out, the gateway may have sent the message all the same: check the\n"
        "     balance before sending again (pelicast-send never retries by itself)\n"
        "  4  the user's data (settings, address book, password file) could not be\n"
        "     read, or no password is available: none given, none kept, or the\n"
        "     keyring locked or not answering\n"
        "  5  the outcome could not be written to standard output (a full disk);\n"
        "     the request's outcome is in Pelicast's History\n"
        "\n"
        "SIGINT, SIGTERM or SIGHUP before the request leaves end pelicast-send as\n"
        "they end any program (the shell shows 130, 143 or 129): nothing was sent.\n"
        "Once the answer came, they change nothing.\n"
        "\n"
        "The gateway's reply is printed with control characters other than line "
        "feed and tab shown as the replacement character U+FFFD; --json gives it "
        "exactly.");
}

void addSendOptions(QCommandLineParser& parser) {
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
        {u"from"_s,
         SendOptionsText::tr("The originator (default: the one Pelicast remembers, else Quillo)."),
         u"originator"_s},
        {u"text"_s,
         SendOptionsText::tr(
             "The message; \"-\" reads it from standard input (at most 4 KiB). Line breaks "
             "and tabs are the only control characters it may hold."),
         u"message"_s},
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
             "Prints what would be sent (recipients, parts and encoding, cost) and sends "
             "nothing.")},
        {u"max-cost"_s,
         SendOptionsText::tr(
             "Sends only when the message costs at most this many credits. For this run it "
             "replaces the limit set in Options (\"Ask again above\"), whether that is "
             "ticked or not."),
         u"credits"_s},
        {u"region"_s,
         SendOptionsText::tr(
             "Reads numbers in national format as numbers of this country (a two-letter code "
             "such as GR); replaces the default region set in Options for this run."),
         u"CC"_s},
        {u"once"_s,
         SendOptionsText::tr(
             "Sends once to each number when the recipients name a number more than once "
             "(by default each is sent, and paid for).")},
        {u"json"_s, SendOptionsText::tr(
                        "Prints one JSON object with the outcome, the reply and the balance.")},
        {u"gateway"_s, GatewayLocation::optionDescription(), u"URL"_s},
    });
}

const QStringList& singleValueOptions() {
    static const QStringList options{u"from"_s,     u"text"_s,   u"user"_s,   u"password-file"_s,
                                     u"max-cost"_s, u"region"_s, u"gateway"_s};
    return options;
}

}  // namespace pelicast
