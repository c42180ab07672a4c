#pragma once

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QStringList>
#include <QTest>

#include "addressbook/clist.h"
#include "addressbook/picker_host.h"
#include "addressbook/test_book.h"
#include "fakes/scripted_dialogs.h"

namespace pelicast::testing {

// The main window as the picker sees it.
struct RecordingPickerHost : PickerHost {
    QString recipientsText() const override { return recipients; }
    void setRecipientsText(const QString& text) override { recipients = text; }
    void setStatusText(const QString& text) override { status = text; }
    void setMousePointer(int value) override { pointer = value; }

    QString recipients;
    QString status = QStringLiteral("untouched");
    int pointer = -1;
};

// The main window with its picker, over a book of the test's own.
struct PickerFixture {
    explicit PickerFixture(TestBook::Kind kind = TestBook::Kind::VCard) : book(kind) {}

    // What the main window's address-book button does.
    clist& open() { return *clist::open(picker, dialogs, book.factory(), host, &mainWindow); }

    fakes::ScriptedDialogs dialogs;
    TestBook book;
    RecordingPickerHost host;
    QWidget mainWindow;
    QPointer<clist> picker;
};

template <class Widget>
Widget& control(QWidget& window, const char* name) {
    auto* widget = window.findChild<Widget*>(QLatin1String(name));
    if (!widget)
        qFatal("no control %s", name);
    return *widget;
}

inline QListWidget& entryList(QWidget& picker) {
    return control<QListWidget>(picker, "con_idx");
}

inline QStringList entries(QWidget& picker) {
    QStringList texts;
    const QListWidget& list = entryList(picker);
    for (int row = 0; row < list.count(); ++row)
        texts.append(list.item(row)->text());
    return texts;
}

inline QStringList tickedEntries(QWidget& picker) {
    QStringList texts;
    const QListWidget& list = entryList(picker);
    for (int row = 0; row < list.count(); ++row) {
        if (list.item(row)->checkState() == Qt::Checked)
            texts.append(list.item(row)->text());
    }
    return texts;
}

// Ticks the first entry showing `text`.
inline void tick(QWidget& picker, const QString& text) {
    const auto found = entryList(picker).findItems(text, Qt::MatchExactly);
    if (found.isEmpty())
        qFatal("no entry %s", qPrintable(text));
    found.first()->setCheckState(Qt::Checked);
}

// Makes the entry at `row` the current entry, as a click on it does.
inline void makeCurrent(QWidget& picker, int row) {
    QListWidget& list = entryList(picker);
    const QRect box = list.visualItemRect(list.item(row));
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, box.center());
    QCOMPARE_EQ(list.currentRow(), row);
}

// The user chooses a category in the drop-down list.
inline void chooseCategory(QWidget& picker, const QString& category) {
    auto& box = control<QComboBox>(picker, "con_cat");
    const int index = box.findText(category);
    box.setCurrentIndex(index);
    Q_EMIT box.activated(index);
}

inline void press(QWidget& window, const char* button) {
    control<QPushButton>(window, button).click();
}

inline bool enabled(QWidget& window, const char* name) {
    return control<QWidget>(window, name).isEnabled();
}

}  // namespace pelicast::testing
