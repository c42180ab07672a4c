// Builds every window of Pelicast with stand-in services and demo data and
// saves a picture of each as PNG, for the documentation.
//   pelicast-screenshots OUTPUT_FOLDER HELP_FILE
// Run it on a real display server (scripts/screenshots uses Xvfb) so fonts
// and styles look as users see them; it works offscreen too.
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QTimer>
#include <cstdio>

#include "addressbook/addedit.h"
#include "addressbook/clist.h"
#include "addressbook/contact_labels.h"
#include "app/frmaddin.h"
#include "app/sms_text_edit.h"
#include "app/transform.h"
#include "connection/frmoptions.h"
#include "fakes/fake_services.h"
#include "fakes/memory_address_book.h"
#include "pelicast-help/help_window.h"
#include "support/frmabout.h"

using namespace pelicast;

namespace {

// Long enough for the windows to be mapped and painted once.
constexpr int kSettleMs = 700;

const GatewayLocation kLocation{QStringLiteral("http://www."), QStringLiteral("https://secure."),
                                QStringLiteral("quillo.example")};

struct DemoContact {
    const char* firstname;
    const char* surname;
    const char* cellPhone;
    const char* groups;
};

constexpr DemoContact kContacts[] = {
    {"Anna", "Berg", "0944 120 331", "Friends"},
    {"Carl", "Dahl", "0977 410 552", "Work"},
    {"Eva", "Fors", "0933 208 114", "Friends\r\nFamily"},
    {"Gustav", "Holm", "0999 731 006", "Family"},
    {"Ida", "Lund", "0944 555 218", "Work"},
    {"Jonas", "Mark", "0977 902 740", ""},
};

// A user who has checked the balance before and sent to two numbers.
void storeDemoAccount(fakes::FakeSettingsStore& settings) {
    const QString key = QString::fromLatin1(userdata::kScrambleKey);
    settings.set(QLatin1String(userdata::kUsername), Transform(QStringLiteral("demo"), key));
    settings.set(QLatin1String(userdata::kPassword), Transform(QStringLiteral("demo"), key));
    settings.set(QLatin1String(userdata::kOriginator), Transform(QStringLiteral("Quillo"), key));
    settings.set(QLatin1String(userdata::kRecent1), QStringLiteral("0944120331;0977410552"));
    settings.set(QLatin1String(userdata::kRecent2), QStringLiteral("0933208114"));
    settings.set(QLatin1String(userdata::kCredits), QStringLiteral(" 985"));
    settings.set(QLatin1String(userdata::kTransport), QStringLiteral("https"));
    settings.set(QLatin1String(userdata::kProxy), QStringLiteral("1"));
}

void writeDemoMessage(frmAddIn& window) {
    window.setRecipientsText(QStringLiteral("0944120331;0977410552"));
    auto* sms = window.findChild<SmsTextEdit*>(QStringLiteral("sms"));
    sms->setText(
        QStringLiteral("Dinner at eight on Friday? Table booked for four.\r\nBring the "
                       "photos from the trip!"));
    window.sms_KeyUp();
}

void fillBook(fakes::MemoryBook& book) {
    for (const DemoContact& c : kContacts)
        book.addContact(QLatin1String(c.firstname), QLatin1String(c.surname),
                        QLatin1String(c.cellPhone), QLatin1String(c.groups));
    book.logCalls = false;
}

// Ticks the first `count` entries of the picker's list.
void tickEntries(clist& picker, int count) {
    auto* list = picker.findChild<QListWidget*>(QStringLiteral("con_idx"));
    for (int i = 0; i < count && i < list->count(); ++i)
        list->item(i)->setCheckState(Qt::Checked);
    list->setCurrentRow(0);
}

bool save(QWidget* window, const QDir& folder, const QString& name) {
    const QString path = folder.filePath(name + QStringLiteral(".png"));
    if (!window || !window->grab().save(path)) {
        std::fprintf(stderr, "could not save %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    return true;
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s OUTPUT_FOLDER HELP_FILE\n", argv[0]);
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!folder.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "cannot create %s\n", argv[1]);
        return 2;
    }

    fakes::FakeServices fake;
    fakes::MemoryBook book;
    fillBook(book);
    fakes::MemoryBookFactory components(book);
    storeDemoAccount(fake.settings);
    const platform::Services services{fake.settings, fake.registry, fake.inet, fake.dialogs,
                                      fake.app,      fake.shell,    fake.help, components};
    // The main window's own doors are covered by its tests; here it only
    // has to look like a session in progress.
    frmAddIn window(services, kLocation);
    writeDemoMessage(window);
    window.show();

    frmOptions* options = frmOptions::showOrRaise(fake.settings, fake.dialogs, window, &window);
    frmAbout* about = frmAbout::showOrRaise(services, kLocation, &window);

    QString error;
    const std::unique_ptr<help::HelpWindow> help =
        help::OpenHelpWindow({QString::fromLocal8Bit(argv[2]), std::nullopt}, &error);
    if (!help) {
        std::fprintf(stderr, "help window: %s\n", qPrintable(error));
        return 1;
    }
    help->resize(760, 520);
    help->show();

    QPointer<clist> picker;
    clist::open(picker, fake.dialogs, components, window, &window);
    tickEntries(*picker, 2);

    addedit editor(fake.dialogs, components, &window);
    editor.cdetails(ContactLabel(QStringLiteral("Berg"), QStringLiteral("Anna"),
                                 QStringLiteral("0944 120 331")));
    editor.show();

    int failures = 0;
    QTimer::singleShot(kSettleMs, [&] {
        failures += !save(&window, folder, QStringLiteral("main-window"));
        failures += !save(options, folder, QStringLiteral("options"));
        failures += !save(about, folder, QStringLiteral("about"));
        failures += !save(help.get(), folder, QStringLiteral("help"));
        failures += !save(picker, folder, QStringLiteral("picker"));
        failures += !save(&editor, folder, QStringLiteral("contact-editor"));
        QCoreApplication::quit();
    });
    QApplication::exec();
    return failures == 0 ? 0 : 1;
}
