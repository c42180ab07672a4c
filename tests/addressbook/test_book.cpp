#include "addressbook/test_book.h"

#include <QFile>

#include "platform/component_factory.h"

namespace pelicast::testing {

namespace {
const QString kCrLf = QStringLiteral("\r\n");

QByteArray escaped(const QString& text) {
    QString out;
    for (const QChar c : text) {
        if (c == QLatin1Char('\\') || c == QLatin1Char(',') || c == QLatin1Char(';'))
            out += QLatin1Char('\\');
        out += c;
    }
    return out.toUtf8();
}

QByteArray line(const QByteArray& name, const QByteArray& value) {
    return name + ':' + value + "\r\n";
}
}  // namespace

TestBook::TestBook(Kind kind) : kind_(kind), path_(dir_.filePath(QStringLiteral("contacts.vcf"))) {
    vcardFactory_ = std::make_unique<platform::DefaultComponentFactory>(path_);
    memory_.logCalls = false;
}

TestBook::~TestBook() = default;

void TestBook::add(Fields fields) {
    Record record;
    for (const auto& [name, value] : fields)
        record.insert(name.toLower(), value);
    if (kind_ == Kind::Memory) {
        memory_.add(fields);
        return;
    }
    write(record);
}

void TestBook::addContact(const QString& firstname, const QString& surname,
                          const QString& cellPhone, const QString& groups1,
                          const QString& groups2) {
    add({{"Firstname", firstname},
         {"Surname", surname},
         {"Name", firstname + QLatin1Char(' ') + surname},
         {"CellPhone", cellPhone},
         {"Groups1", groups1},
         {"Groups2", groups2}});
}

// One card per record; "Groups1" becomes its categories, each name of
// "Groups2" a group card that lists it as a member.
void TestBook::write(const Record& r) {
    const QByteArray uid = "test-" + QByteArray::number(++written_);
    QByteArray card =
        "BEGIN:VCARD\r\nVERSION:3.0\r\n" + line("UID", uid) + line("FN", escaped(r.value("name"))) +
        line("N", escaped(r.value("surname")) + ';' + escaped(r.value("firstname")) + ";;;");
    if (!r.value("cellphone").isEmpty())
        card += line("TEL;TYPE=CELL", escaped(r.value("cellphone")));
    if (!r.value("homeemail").isEmpty())
        card += line("EMAIL;TYPE=HOME", escaped(r.value("homeemail")));
    QByteArrayList categories;
    for (const QString& name : r.value("groups1").split(kCrLf, Qt::SkipEmptyParts))
        categories.append(escaped(name));
    if (!categories.isEmpty())
        card += line("CATEGORIES", categories.join(','));
    card += "END:VCARD\r\n";
    for (const QString& group : r.value("groups2").split(kCrLf, Qt::SkipEmptyParts)) {
        card += "BEGIN:VCARD\r\nVERSION:4.0\r\nKIND:group\r\n" + line("FN", escaped(group)) +
                line("MEMBER", "urn:uuid:" + uid) + "END:VCARD\r\n";
    }
    pending_ += card;
}

void TestBook::flush() {
    if (pending_.isEmpty())
        return;
    QFile file(path_);
    if (!file.open(QIODevice::Append) || file.write(pending_) != pending_.size())
        qFatal("cannot write the test book %s", qPrintable(path_));
    pending_.clear();
}

std::unique_ptr<platform::AddressBookComponent> TestBook::CreateAddressBook(const QString& progId) {
    if (kind_ == Kind::Memory)
        return memoryFactory_.CreateAddressBook(progId);
    flush();
    return vcardFactory_->CreateAddressBook(progId);
}

std::unique_ptr<platform::AddressBookComponent> TestBook::open() {
    auto book = factory().CreateAddressBook(QLatin1String(platform::kAddressBookProgId));
    book->Open(QString());
    return book;
}

int TestBook::count() {
    return open()->GetCount();
}

QString TestBook::value(int index, const QString& field) {
    auto book = open();
    return book->Select(index) ? book->GetValue(field) : QStringLiteral("<no record>");
}

void TestBook::set(int index, const QString& field, const QString& value) {
    auto book = open();
    book->Select(index);
    book->SetValue(field, value);
    book->Close();
}

void TestBook::remove(int index) {
    auto book = open();
    book->Select(index);
    book->Delete();
    book->Close();
}

}  // namespace pelicast::testing
