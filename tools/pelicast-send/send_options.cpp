// SPDX-License-Identifier: GPL-3.0-or-later
#include "send_options.h"

#include "core/gateway/gateway_location.h"

using namespace Qt::StringLiterals;

namespace pelicast {

void addSendOptions(QCommandLineParser& parser) {
    parser.addOptions({
        {u"to"_s,
         u"A recipient: a mobile number, or \"Surname, Firstname (number)\" as the "
         "address book writes it. Several are separated by \";\" or given by "
         "repeating --to."_s,
         u"recipients"_s},
        {u"group"_s,
         u"Adds every member of this address-book group who has a mobile number; "
         "may be repeated."_s,
         u"name"_s},
        {u"from"_s, u"The originator (default: the one Pelicast remembers, else Quillo)."_s,
         u"originator"_s},
        {u"text"_s,
         u"The message; \"-\" reads it from standard input (at most 4 KiB). Line breaks "
         "and tabs are the only control characters it may hold."_s,
         u"message"_s},
        {u"user"_s, u"The account's user name (default: the one Pelicast remembers)."_s, u"name"_s},
        {u"password-file"_s,
         u"Reads the account's password from the first line of this file (a regular "
         "file of at most 4 KiB)."_s,
         u"file"_s},
        {u"credits"_s, u"Asks for the account's balance instead of sending."_s},
        {u"dry-run"_s,
         u"Prints what would be sent (recipients, parts and encoding, cost) and sends "
         "nothing."_s},
        {u"max-cost"_s,
         u"Sends only when the message costs at most this many credits. For this run it "
         "replaces the limit set in Options (\"Ask again above\"), whether that is "
         "ticked or not."_s,
         u"credits"_s},
        {u"region"_s,
         u"Reads numbers in national format as numbers of this country (a two-letter code "
         "such as GR); replaces the default region set in Options for this run."_s,
         u"CC"_s},
        {u"once"_s,
         u"Sends once to each number when the recipients name a number more than once "
         "(by default each is sent, and paid for)."_s},
        {u"json"_s, u"Prints one JSON object with the outcome, the reply and the balance."_s},
        {u"gateway"_s, GatewayLocation::optionDescription(), u"URL"_s},
    });
}

const QStringList& singleValueOptions() {
    static const QStringList options{u"from"_s,     u"text"_s,   u"user"_s,   u"password-file"_s,
                                     u"max-cost"_s, u"region"_s, u"gateway"_s};
    return options;
}

}  // namespace pelicast
