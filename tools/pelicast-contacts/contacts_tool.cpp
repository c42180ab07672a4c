#include "contacts_tool.h"

#include <QCommandLineParser>
#include <QFile>
#include <QSet>

#include "addressbook/contact_labels.h"
#include "platform/vcard_address_book.h"
#include "platform/vcard_card.h"
#include "platform/vcard_reader.h"
#include "platform/vcard_store.h"

namespace pelicast::tools {

namespace {

using platform::ComponentError;
using platform::VCardAddressBook;
namespace vcard = platform::vcard;

const char* const kCommands =
    "\nCommands:\n"
    "  list            One line per contact: the text the contact picker shows\n"
    "                  (\"Surname, Firstname (mobile)\"), then a tab and its groups.\n"
    "  import FILE...  Adds the cards of other vCard files (2.1, 3.0 or 4.0, as any\n"
    "                  address book exports them). A card whose UID, or whose name\n"
    "                  and mobile number, is already in the book is skipped.\n"
    "  export FILE     Writes the whole address book to FILE as a vCard file.\n"
    "\nWithout --book the tool works on the address book Pelicast uses.\n";

QString Field(VCardAddressBook& book, const char* name) {
    return book.GetValue(QString::fromLatin1(name));
}

int List(VCardAddressBook& book, QTextStream& out) {
    for (int i = 0; i <= book.GetCount(); ++i) {
        if (!book.Select(i))
            continue;
        out << ContactLabel(Field(book, "Surname"), Field(book, "Firstname"),
                            Field(book, "CellPhone"));
        const QStringList groups = GroupNames(Field(book, "Groups1"), Field(book, "Groups2"));
        if (!groups.isEmpty())
            out << '\t' << groups.join(QStringLiteral(", "));
        out << '\n';
    }
    return 0;
}

QByteArray ReadVCardFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        throw ComponentError(
            QStringLiteral("Cannot read \"%1\": %2").arg(path, file.errorString()));
    }
    QByteArray bytes = file.readAll();
    if (!vcard::IsVCardText(bytes))
        throw ComponentError(QStringLiteral("\"%1\" is not a vCard file.").arg(path));
    return bytes;
}

// A contact's name and mobile number, which tell a duplicate without a UID.
using Identity = std::pair<QString, QString>;

Identity IdentityOf(const vcard::CardFields& fields) {
    return {fields.Get(vcard::Field::Name), fields.Get(vcard::Field::CellPhone)};
}

int Import(VCardAddressBook& book, const QStringList& files, QTextStream& out) {
    QList<QByteArray> contents;
    for (const QString& file : files)
        contents.append(ReadVCardFile(file));
    QSet<Identity> known;
    for (int i = 0; i < book.GetCount(); ++i) {
        book.Select(i);
        known.insert({Field(book, "Name"), Field(book, "CellPhone")});
    }
    int added = 0;
    int skipped = 0;
    for (const QByteArray& bytes : std::as_const(contents)) {
        for (const vcard::Segment& segment : vcard::SplitCards(bytes)) {
            if (!segment.isCard)
                continue;
            const QByteArrayView card =
                QByteArrayView(bytes).sliced(segment.begin, segment.end - segment.begin);
            const vcard::CardInfo info = vcard::ReadCardInfo(card);
            const bool knownUid = book.ContainsUid(info.fields.Get(vcard::Field::Uid));
            if (info.isGroup) {
                if (!knownUid)
                    book.AddCard(card);
                continue;
            }
            if (knownUid || known.contains(IdentityOf(info.fields))) {
                ++skipped;
                continue;
            }
            book.AddCard(card);
            known.insert(IdentityOf(info.fields));
            ++added;
        }
    }
    book.Close();
    out << QStringLiteral("Added %1 contacts, skipped %2 already in the address book.\n")
               .arg(added)
               .arg(skipped);
    return 0;
}

int Export(VCardAddressBook& book, const QString& file, QTextStream& out) {
    QFile existing(file);
    if (existing.exists()) {
        if (!existing.open(QIODevice::ReadOnly) || !vcard::IsVCardText(existing.readAll()))
            throw ComponentError(
                QStringLiteral("\"%1\" exists and is not a vCard file; not overwritten.")
                    .arg(file));
    }
    vcard::WriteFileAtomically(file, book.Contents());
    out << QStringLiteral("Exported %1 contacts to %2.\n").arg(book.GetCount()).arg(file);
    return 0;
}

}  // namespace

int RunContactsTool(const QStringList& arguments, QTextStream& out, QTextStream& err) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Lists, imports and exports the contacts of Pelicast's address book."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Shows this help."));
    const QCommandLineOption bookOption(QStringLiteral("book"),
                                        QStringLiteral("Works on the vCard file PATH."),
                                        QStringLiteral("PATH"));
    parser.addOption(help);
    parser.addOption(bookOption);
    parser.addPositionalArgument(QStringLiteral("command"),
                                 QStringLiteral("list, import FILE... or export FILE."));
    auto usage = [&parser]() { return parser.helpText() + QLatin1String(kCommands); };
    if (!parser.parse(arguments)) {
        err << parser.errorText() << "\n\n" << usage();
        return 2;
    }
    if (parser.isSet(help)) {
        out << usage();
        return 0;
    }
    const QStringList positional = parser.positionalArguments();
    const QString command = positional.value(0);
    const QStringList files = positional.mid(1);
    const bool wellFormed = (command == QLatin1String("list") && files.isEmpty()) ||
                            (command == QLatin1String("import") && !files.isEmpty()) ||
                            (command == QLatin1String("export") && files.size() == 1);
    if (!wellFormed) {
        err << (command.isEmpty() ? QStringLiteral("No command given.")
                                  : QStringLiteral("Wrong use of \"%1\".").arg(command))
            << "\n\n"
            << usage();
        return 2;
    }
    try {
        VCardAddressBook book;
        book.Open(parser.value(bookOption));
        if (command == QLatin1String("list"))
            return List(book, out);
        if (command == QLatin1String("import"))
            return Import(book, files, out);
        return Export(book, files.first(), out);
    } catch (const ComponentError& error) {
        err << error.message() << '\n';
        return 1;
    }
}

}  // namespace pelicast::tools
