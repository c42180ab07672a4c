// SPDX-License-Identifier: GPL-3.0-or-later
// Opens every window of Pelicast over demo data (a settings file, an
// address book and scheduled batches in the temporary home the script sets)
// and saves a picture of each as PNG, for the documentation.
//   pelicast-screenshots [--dark] OUTPUT_FOLDER
// Run it on a real display server (scripts/screenshots uses Xvfb) so fonts
// and styles look as users see them; it works offscreen too. --dark gives
// the application the palette of a dark desktop theme, as such a desktop
// would, so that every control can be seen to stay visible there. The
// windows speak the language of the environment (LANGUAGE=de, as a user's
// desktop sets it).
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QHelpEngine>
#include <QListView>
#include <QPalette>
#include <QStyle>
#include <QTimer>
#include <cstdio>

#include "core/book/address_book.h"
#include "core/book/recipient_list.h"
#include "core/book/recipient_table.h"
#include "core/journal/batch_store.h"
#include "core/journal/journal.h"
#include "core/message/batch_plan.h"
#include "core/schedule/clock.h"
#include "core/settings/settings.h"
#include "gui/about_dialog.h"
#include "gui/batch_preview_dialog.h"
#include "gui/contact_editor.h"
#include "gui/indicator_style.h"
#include "gui/main_window.h"
#include "gui/message_text_edit.h"
#include "gui/options_dialog.h"
#include "gui/recipient_picker.h"
#include "gui/scheduled_window.h"
#include "pelicast-help/help_collection.h"
#include "pelicast-help/help_window.h"
#include "translations/translations.h"

using namespace pelicast;
using namespace Qt::StringLiterals;

namespace {

// Long enough for the windows to be mapped and painted once.
constexpr int kSettleMs = 700;

const Contact kContacts[] = {
    {u"Anna"_s, u"Berg"_s, u"Anna Berg"_s, u"0944 120 331"_s, {}, {u"Friends"_s}},
    {u"Carl"_s, u"Dahl"_s, u"Carl Dahl"_s, u"0977 410 552"_s, {}, {u"Work"_s}},
    {u"Eva"_s, u"Fors"_s, u"Eva Fors"_s, u"0933 208 114"_s, {}, {u"Friends"_s, u"Family"_s}},
    {u"Gustav"_s, u"Holm"_s, u"Gustav Holm"_s, u"0999 731 006"_s, {}, {u"Family"_s}},
    {u"Ida"_s, u"Lund"_s, u"Ida Lund"_s, u"0944 555 218"_s, {}, {u"Work"_s}},
    {u"Jonas"_s, u"Mark"_s, u"Jonas Mark"_s, u"0977 902 740"_s, {}, {}},
};

// A user who has checked the balance before and sent to two numbers.
bool storeDemoData() {
    Settings settings;
    settings.setScrambledValue(keys::kUsername, u"demo"_s);
    settings.setScrambledValue(keys::kPassword, u"demo"_s);
    // Told before that, without a keyring, the password is kept here.
    settings.setValue(keys::keyring::kFileNoticeShown, u"true"_s);
    settings.setScrambledValue(keys::kOriginator, u"Quillo"_s);
    settings.setValue(keys::kRecent1, u"0944120331;0977410552"_s);
    settings.setValue(keys::kRecent2, u"0933208114"_s);
    settings.setValue(keys::kCredits, u" 985"_s);
    settings.setValue(keys::kTransport, u"https"_s);
    AddressBook book;
    if (!book.load())
        return false;
    for (const Contact& contact : kContacts)
        book.add(contact);
    return book.save();
}

// The club's notices waiting for their time, seen on the evening of
// `clock`: one to a group, one to the whole list.
bool storeScheduledBatches(const Clock& clock) {
    Journal journal;
    AddressBook book;
    if (!journal.open() || !book.load())
        return false;
    const QDate day = clock.now().toTimeZone(clock.zone()).date();
    const struct {
        QString recipients, source, text;
        QDate day;
        QTime time;
    } batches[] = {
        {u"0944120331;0933208114"_s, u"Friends"_s, u"Dinner moved to 8:30 tonight, {first}!"_s,
         day.addDays(1), QTime(8, 0)},
        {u"0944120331;0977410552;0933208114;0999731006;0944555218"_s, u"Everyone"_s,
         u"Reminder: the club meets on Saturday at 10."_s, day.addDays(4), QTime(18, 30)},
    };
    BatchStore store(journal);
    for (const auto& batch : batches) {
        const BatchPlan plan(batch.text, RecipientList::fromText(batch.recipients, book, u"GR"_s),
                             u"Quillo"_s);
        if (!store.create({u"demo"_s,
                           batch.text,
                           batch.source,
                           {},
                           QDateTime(batch.day, batch.time, clock.zone())},
                          plan))
            return false;
    }
    return true;
}

void writeDemoMessage(MainWindow& window) {
    window.findChild<QComboBox*>(u"rcpt"_s)->setEditText(u"0944120331;0977410552"_s);
    window.findChild<MessageTextEdit*>(u"sms"_s)->setText(
        u"Dinner at eight on Friday? Table for four.\r\nBring the photos \u2013 and Anna\u2019s camera!"_s);
}

// A club's list, one name in Unicode and one without a first name.
const char kDemoList[] =
    "First,Last,Mobile\r\nAnna,Berg,0944 120 331\r\nCarl,Dahl,0977 410 552\r\n"
    "Eva,Fors,0933 208 114\r\nŽeljka,Nikolić,0944 555 218\r\n,Holm,0999 731 006\r\n"
    "Ida,Lund,0977 902 740\r\nAnna,Sand,0933 118 402\r\n";

RecipientList demoList() {
    const QString path = QDir::home().filePath(u"club.csv"_s);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(kDemoList) < 0)
        return {};
    file.close();
    Expected<RecipientTable> table = RecipientTable::read(path);
    return table ? RecipientList::fromTable(std::move(*table), 2, {}) : RecipientList();
}

// Ticks the first `count` entries of the picker's list.
void tickEntries(RecipientPicker& picker, int count) {
    auto* list = picker.findChild<QListView*>(u"con_idx"_s);
    QAbstractItemModel* model = list->model();
    for (int row = 0; row < count && row < model->rowCount(); ++row)
        model->setData(model->index(row, 0), Qt::Checked, Qt::CheckStateRole);
    list->setCurrentIndex(model->index(0, 0));
}

// The colours of a common dark desktop theme (Adwaita dark), in the roles
// the platform theme fills; the style derives the rest.
QPalette darkPalette() {
    const QColor window(0x35, 0x35, 0x35), base(0x2d, 0x2d, 0x2d), text(0xee, 0xee, 0xec);
    QPalette palette(text, window, window.lighter(130), window.darker(130), window.darker(110),
                     text, text, base, window);
    palette.setColor(QPalette::AlternateBase, base.lighter(115));
    palette.setColor(QPalette::Highlight, QColor(0x35, 0x84, 0xe4));
    palette.setColor(QPalette::HighlightedText, Qt::white);
    palette.setColor(QPalette::ToolTipBase, base);
    palette.setColor(QPalette::ToolTipText, text);
    palette.setColor(QPalette::PlaceholderText, text.darker(160));
    palette.setColor(QPalette::Link, QColor(0x78, 0xae, 0xed));
    palette.setColor(QPalette::Disabled, QPalette::Text, text.darker(170));
    palette.setColor(QPalette::Disabled, QPalette::WindowText, text.darker(170));
    palette.setColor(QPalette::Disabled, QPalette::ButtonText, text.darker(170));
    return palette;
}

bool save(QWidget* window, const QDir& folder, const QString& name) {
    const QString path = folder.filePath(name + u".png"_s);
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
    QApplication::setApplicationName(u"Pelicast"_s);
    translations::install(QLocale(), {u"qtbase"_s, u"qt_help"_s});
    QStringList arguments = QApplication::arguments().mid(1);
    const bool dark = arguments.removeAll(u"--dark"_s) > 0;
    if (arguments.size() != 1) {
        std::fprintf(stderr, "usage: %s [--dark] OUTPUT_FOLDER\n", argv[0]);
        return 2;
    }
    if (dark)
        QApplication::setPalette(darkPalette());
    IndicatorStyle::install();
    const QDir folder(arguments.first());
    if (!folder.mkpath(u"."_s) || !storeDemoData()) {
        std::fprintf(stderr, "cannot create %s or the demo data\n", qPrintable(arguments.first()));
        return 2;
    }

    MainWindow window(GatewayLocation::builtIn());
    writeDemoMessage(window);
    window.show();

    Settings settings;
    OptionsDialog options(settings, &window);
    options.show();
    AboutDialog about(GatewayLocation::builtIn(), &window);
    about.show();

    auto engine = help::openCollection(help::installedCollection());
    if (!engine) {
        std::fprintf(stderr, "help: %s\n", qPrintable(engine.error()));
        return 1;
    }
    help::HelpWindow helpWindow(std::move(*engine));
    helpWindow.resize(760, 520);
    helpWindow.showTopic(u"main_window.htm"_s);
    helpWindow.show();

    RecipientPicker picker(&window);
    picker.showPicker();
    tickEntries(picker, 2);

    ContactEditor editor(&window);
    editor.editContact(kContacts[0], 0);
    editor.show();

    const ManualClock evening(
        QDateTime(QDate(2026, 5, 4), QTime(18, 0), QTimeZone::systemTimeZone()));
    ScheduledWindow scheduled(evening, settings, &window);
    if (!storeScheduledBatches(evening) || !scheduled.showScheduled()) {
        std::fprintf(stderr, "cannot store or show the scheduled batches\n");
        return 1;
    }

    BatchPreviewDialog preview(
        u"Dear {First}, the club meets on Friday at 18:00 in the main hall. See you there!"_s,
        demoList(), u"Quillo"_s, std::nullopt, &window);
    preview.resize(960, 330);
    preview.show();

    int failures = 0;
    QTimer::singleShot(kSettleMs, [&] {
        failures += !save(&window, folder, u"main-window"_s);
        failures += !save(&options, folder, u"options"_s);
        failures += !save(&about, folder, u"about"_s);
        failures += !save(&helpWindow, folder, u"help"_s);
        failures += !save(&picker, folder, u"picker"_s);
        failures += !save(&editor, folder, u"contact-editor"_s);
        failures += !save(&scheduled, folder, u"scheduled"_s);
        failures += !save(&preview, folder, u"batch-preview"_s);
        // exit(), not quit(): quitting would ask about the unsent demo message.
        QCoreApplication::exit(failures == 0 ? 0 : 1);
    });
    return QApplication::exec();
}
