// SPDX-License-Identifier: GPL-3.0-or-later
#include "contacts_tool.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include "common/command_output.h"
#include "core/book/address_book.h"
#include "core/book/contact_entries.h"
#include "core/book/contact_import.h"
#include "core/message/printable_text.h"

namespace pelicast {

namespace {

using namespace Qt::StringLiterals;

// This file's texts, under one context for the translators.
struct ContactsToolText {
    Q_DECLARE_TR_FUNCTIONS(ContactsTool)
};

QString commandsHelp() {
    return ContactsToolText::tr(
        "\nCommands:\n"
        "  list            One line per contact: the text the contact picker shows\n"
        "                  (\"Surname, Firstname (mobile)\"), then a tab and its groups.\n"
        "  import FILE...  Adds the cards of other vCard files (2.1, 3.0 or 4.0, as any\n"
        "                  address book exports them). A card whose UID, or whose name\n"
        "                  and mobile number, is already in the book is skipped. Each\n"
        "                  file, as the book itself, is a regular file of at most 256 MiB.\n"
        "  export FILE     Writes the whole address book to FILE as a vCard file.\n"
        "\nWithout --book the tool works on the address book Pelicast uses.\n"
        "\nExit status:\n"
        "  0  done\n"
        "  1  the address book or a file could not be read or written\n"
        "  2  a wrong command line\n");
}

// Every error line says whose it is.
int fail(QTextStream& err, const QString& message, int status = 1) {
    for (const QString& line : message.split(u'\n'))
        err << "pelicast-contacts: " << line << '\n';
    return status;
}

int list(const AddressBook& book, QTextStream& out) {
    for (int i = 0; i < book.count(); ++i) {
        const Contact contact = book.contact(i);
        // A card from elsewhere may hold what a terminal takes for commands.
        out << printableText(contactLabel(contact));
        if (!contact.groups.isEmpty())
            out << '\t' << printableText(contact.groups.join(u", "_s));
        out << '\n';
    }
    return 0;
}

int import(AddressBook& book, const QStringList& files, QTextStream& out, QTextStream& err) {
    const Expected<AddressBook::ImportCount> count = importVCardFiles(book, files);
    if (!count)
        return fail(err, count.error());
    out << importCountText(*count) << '\n';
    return 0;
}

int exportBook(AddressBook& book, const QString& file, QTextStream& out, QTextStream& err) {
    if (!book.exportTo(file))
        return fail(err, book.errorString());
    out << ContactsToolText::tr("Exported %n contacts to %1.", nullptr, book.count()).arg(file)
        << '\n';
    return 0;
}

int runCommand(const QStringList& arguments, QTextStream& out, QTextStream& err) {
    QCommandLineParser parser;
    parser.setApplicationDescription(ContactsToolText::tr(
        "Lists, imports and exports the contacts of Pelicast's address book."));
    const QCommandLineOption help({u"h"_s, u"help"_s}, ContactsToolText::tr("Shows this help."));
    const QCommandLineOption version({u"v"_s, u"version"_s},
                                     ContactsToolText::tr("Shows the version."));
    const QCommandLineOption bookOption(
        u"book"_s, ContactsToolText::tr("Works on the vCard file PATH."), u"PATH"_s);
    parser.addOption(help);
    parser.addOption(version);
    parser.addOption(bookOption);
    parser.addPositionalArgument(u"command"_s,
                                 ContactsToolText::tr("list, import FILE... or export FILE."));
    auto usage = [&parser]() { return parser.helpText() + commandsHelp(); };
    // A usage error ends with the usage line, as in the other programs.
    const auto usageError = [&](const QString& problem) {
        fail(err, problem);
        err << usage().section(u'\n', 0, 0) << '\n';
        return 2;
    };
    if (!parser.parse(arguments))
        return usageError(parser.errorText());
    if (parser.isSet(help)) {
        out << usage();
        return 0;
    }
    if (parser.isSet(version)) {
        out << QCoreApplication::applicationName() << ' ' << QCoreApplication::applicationVersion()
            << '\n';
        return 0;
    }
    const QStringList positional = parser.positionalArguments();
    const QString command = positional.value(0);
    const QStringList files = positional.mid(1);
    const bool wellFormed = (command == "list"_L1 && files.isEmpty()) ||
                            (command == "import"_L1 && !files.isEmpty()) ||
                            (command == "export"_L1 && files.size() == 1);
    if (!wellFormed)
        return usageError(
            command.isEmpty()
                ? ContactsToolText::tr("No command given; see --help.")
                : ContactsToolText::tr("Wrong use of \"%1\"; see --help.").arg(command));
    AddressBook book(parser.value(bookOption));
    if (!book.load())
        return fail(err, book.errorString());
    if (command == "list"_L1)
        return list(book, out);
    if (command == "import"_L1)
        return import(book, files, out, err);
    return exportBook(book, files.first(), out, err);
}

}  // namespace

int runContactsTool(const QStringList& arguments, QTextStream& out, QTextStream& err) {
    const int status = runCommand(arguments, out, err);
    return finishOutput(out, err, status, status == 0 ? 1 : status);
}

}  // namespace pelicast
