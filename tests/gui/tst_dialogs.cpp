// SPDX-License-Identifier: GPL-3.0-or-later
// The Options dialog, the About box and the web links, opened from the main
// window as a user opens them.
#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QDesktopServices>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimeEdit>

#include "core/book/address_book.h"
#include "core/settings/settings.h"
#include "gui/about_dialog.h"
#include "gui/main_window.h"
#include "gui/message_box.h"
#include "gui/options_dialog.h"
#include "gui/system_info_dialog.h"

using namespace pelicast;
using namespace Qt::StringLiterals;

namespace {

const GatewayLocation kLocation{u"http://www."_s, u"https://secure."_s, u"quillo.example"_s};

template <typename T = QWidget>
T* child(QObject* parent, const char* name) {
    T* widget = parent ? parent->findChild<T*>(QLatin1String(name)) : nullptr;
    if (!widget)
        qFatal("no widget %s", name);
    return widget;
}

// Takes the place of the browser.
class Browser : public QObject {
    Q_OBJECT
public:
    QList<QUrl> opened;
public Q_SLOTS:
    void open(const QUrl& url) { opened.append(url); }
};

}  // namespace

class TestDialogs : public QObject {
    Q_OBJECT
    QTemporaryDir home_;
    std::unique_ptr<MainWindow> window_;

    template <typename Dialog>
    Dialog* open(const char* action) {
        child<QAction>(window_.get(), action)->trigger();
        return window_->findChild<Dialog*>();
    }
    bool isOpen(QDialog* dialog) { return dialog && dialog->isVisible(); }

private Q_SLOTS:
    void initTestCase() {
        qputenv("XDG_CONFIG_HOME", home_.path().toUtf8());
        QCoreApplication::setApplicationName(u"Pelicast"_s);
        QCoreApplication::setApplicationVersion(u"0.8.4"_s);
    }
    void init() {
        QFile::remove(Settings::fileName());
        MessageBox::startRecording();
        window_ = std::make_unique<MainWindow>(kLocation);
        window_->show();
    }
    void cleanup() { window_.reset(); }

    // With no proxy stored, the system proxy in use is shown and no choice
    // the user did not make is stored. Return is OK, Escape is Cancel.
    void optionsKeys_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("transport");
        QTest::addColumn<QString>("base");
        QTest::newRow("Return") << int(Qt::Key_Return) << u"http"_s << u"http://www."_s;
        QTest::newRow("Escape") << int(Qt::Key_Escape) << u"https"_s << u"https://secure."_s;
    }
    void optionsKeys() {
        QFETCH(int, key);
        QPointer options = open<OptionsDialog>("opmenu");
        QVERIFY(child<QRadioButton>(options, "proxybut_1")->isChecked());
        QCOMPARE(child<QRadioButton>(options, "proxybut_1")->text().remove(u'&'),
                 u"Use system proxy settings"_s);
        QVERIFY(!child(options, "proxysrv")->isEnabled());
        child<QRadioButton>(options, "http_1")->click();
        QTest::keyClick(options, Qt::Key(key));
        QTRY_VERIFY(!options);  // the next opening shows the stored choices afresh
        QTEST(Settings().value(keys::kTransport), "transport");
        QVERIFY(!Settings().contains(keys::kProxy));
        QTEST(child<QLabel>(window_.get(), "transp")->text(), "base");
    }

    void customProxy_data() {
        QTest::addColumn<QString>("server");
        QTest::addColumn<QString>("port");
        QTest::addColumn<QString>("focus");  // empty: accepted
        QTest::newRow("no port") << u"proxy.lan"_s << QString() << u"proxyport"_s;
        QTest::newRow("no address") << QString() << u"3128"_s << u"proxysrv"_s;
        QTest::newRow("both, stored as typed") << u" proxy.lan"_s << u"3128 "_s << QString();
    }
    void customProxy() {
        QFETCH(QString, server);
        QFETCH(QString, port);
        QFETCH(QString, focus);
        QPointer options = open<OptionsDialog>("opmenu");
        child<QRadioButton>(options, "proxybut_2")->click();
        child<QLineEdit>(options, "proxysrv")->setText(server);
        child<QLineEdit>(options, "proxyport")->setText(port);
        if (!focus.isEmpty())
            MessageBox::setNextAnswer(MessageBox::Answer::Ok);
        child<QPushButton>(options, "cmdOK")->click();
        QCOMPARE(isOpen(options), !focus.isEmpty());
        const Settings settings;
        QCOMPARE(settings.value(keys::kProxy), focus.isEmpty() ? u"2"_s : QString());
        if (focus.isEmpty()) {
            QCOMPARE(settings.value(keys::kProxyServer), server);
            QCOMPARE(settings.value(keys::kProxyPort), port);
        } else {
            QCOMPARE(MessageBox::shownTexts(),
                     QStringList{u"Please enter proxy address and port"_s});
            QCOMPARE(options->focusWidget()->objectName(), focus);
        }
    }

    // What the user typed survives a look at another window.
    void optionsKeepTypingAcrossActivation() {
        QPointer options = open<OptionsDialog>("opmenu");
        child<QRadioButton>(options, "proxybut_2")->click();
        child<QLineEdit>(options, "proxysrv")->setText(u"proxy.lan"_s);
        QApplication::setActiveWindow(window_.get());
        QApplication::setActiveWindow(options);
        QVERIFY(child<QRadioButton>(options, "proxybut_2")->isChecked());
        QCOMPARE(child<QLineEdit>(options, "proxysrv")->text(), u"proxy.lan"_s);
    }

    // Quiet hours that would never end are refused: the dialog stays open
    // and nothing of sending later is saved.
    void sendingLaterOptions_data() {
        QTest::addColumn<bool>("quiet");
        QTest::addColumn<QString>("end");
        QTest::addColumn<QString>("stored");  // quiet_hours late_hours; "": still open
        QTest::newRow("off") << false << u"08:00"_s << u"off 5"_s;
        QTest::newRow("changed") << true << u"07:30"_s << u"21:00-07:30 5"_s;
        QTest::newRow("never ending") << true << u"21:00"_s << QString();
    }
    void sendingLaterOptions() {
        QFETCH(bool, quiet);
        QFETCH(QString, end);
        QFETCH(QString, stored);
        QPointer options = open<OptionsDialog>("opmenu");
        QVERIFY(child<QCheckBox>(options, "quietHours")->isChecked());
        child<QCheckBox>(options, "quietHours")->setChecked(quiet);
        child<QTimeEdit>(options, "quietEnd")->setTime(QTime::fromString(end, u"HH:mm"_s));
        child<QSpinBox>(options, "lateHours")->setValue(5);
        if (stored.isEmpty())
            MessageBox::setNextAnswer(MessageBox::Answer::Ok);
        child<QPushButton>(options, "cmdOK")->click();
        QCOMPARE(isOpen(options), stored.isEmpty());
        const Settings settings;
        QCOMPARE(settings.value(keys::preferences::kQuietHours) + u' ' +
                     settings.value(keys::preferences::kLateHours),
                 stored.isEmpty() ? u" "_s : stored);
        QCOMPARE(MessageBox::shownTexts().size(), stored.isEmpty() ? 1 : 0);
    }

    void aboutBox() {
        QPointer about = open<AboutDialog>("About");
        QCOMPARE(about->windowTitle(), u"About Pelicast"_s);
        QCOMPARE(child<QLabel>(about, "lblVersion")->text(), u"Version 0.8.4"_s);
        QTest::keyClick(about, Qt::Key_Escape);
        QTRY_VERIFY(!about);
        about = open<AboutDialog>("About");
        QTest::keyClick(about, Qt::Key_Return);
        QTRY_VERIFY(!about);
    }

    // A report to copy into a bug report: one fact a line.
    void systemInformation() {
        child<QPushButton>(open<AboutDialog>("About"), "cmdSysInfo")->click();
        auto* report = child<QPlainTextEdit>(window_->findChild<SystemInfoDialog*>(), "report");
        const QStringList lines = report->toPlainText().split(u'\n');
        QCOMPARE(lines.first(), u"Pelicast 0.8.4"_s);
        for (
            const QString& line :
            {u"Settings: "_s + Settings::fileName(),
             u"Address book: "_s + AddressBook::defaultPath(),
             u"Gateway: https://secure.quillo.example/ or http://www.quillo.example/ (built in)"_s})
            QVERIFY2(lines.contains(line), qPrintable(line));
        QVERIFY(lines.filter(QRegularExpression(u"^libphonenumber: \\d+\\.\\d+"_s)).size() == 1);
        child<QPushButton>(report->window(), "copy")->click();
        QCOMPARE(QGuiApplication::clipboard()->text(), report->toPlainText());
    }

    // The gateway's pages follow the transport in use. Where no program is
    // there for web links, or it cannot be started, the user is told.
    void webLinks_data() {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("transport");
        QTest::addColumn<QString>("tools");  // on the PATH: "open", "mime" answering "query"
        QTest::addColumn<QString>("url");    // or what the box says
        QTest::newRow("account over http") << u"account"_s << u"http"_s << u"open mime"_s
                                           << u"http://www.quillo.example/newuser.asp"_s;
        QTest::newRow("home over https") << u"quillomenu"_s << u"https"_s << u"open mime"_s
                                         << u"https://secure.quillo.example/"_s;
        QTest::newRow("no xdg-open")
            << u"mainbuy"_s << u"https"_s << QString() << u"Could not find associated Browser"_s;
        QTest::newRow("no program for https")
            << u"mainbuy"_s << u"https"_s << u"open"_s << u"Could not find associated Browser"_s;
        QTest::newRow("browser not started")
            << u"mainbuy"_s << u"https"_s << u"open mime"_s << u"Web Page not Opened"_s;
    }
    void webLinks() {
        QFETCH(QString, action);
        QFETCH(QString, transport);
        QFETCH(QString, tools);
        QFETCH(QString, url);
        QTemporaryDir bin;
        const auto script = [&](const QString& name, const QString& body) {
            QFile file(bin.filePath(name));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("#!/bin/sh\n" + body.toUtf8() + '\n');
            file.setPermissions(file.permissions() | QFile::ExeOwner);
        };
        script(u"xdg-mime"_s, tools.contains(u"mime"_s) ? u"echo browser.desktop"_s : QString());
        if (tools.contains(u"open"_s))
            script(u"xdg-open"_s, QString());
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", bin.path().toUtf8());
        Settings().setValue(keys::kTransport, transport);
        window_ = std::make_unique<MainWindow>(kLocation);
        Browser browser;
        const bool opens = url.contains(u"://"_s);
        // Without a handler the offscreen platform opens nothing.
        if (opens)
            QDesktopServices::setUrlHandler(transport, &browser, "open");
        else
            MessageBox::setNextAnswer(MessageBox::Answer::Ok);
        child<QAction>(window_.get(), qPrintable(action))->trigger();
        QDesktopServices::unsetUrlHandler(transport);
        qputenv("PATH", path);
        if (opens)
            QCOMPARE(browser.opened, QList<QUrl>{QUrl(url)});
        else
            QCOMPARE(MessageBox::shownTexts(), QStringList{url});
    }
};

QTEST_MAIN(TestDialogs)
#include "tst_dialogs.moc"
