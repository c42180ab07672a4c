// SPDX-License-Identifier: GPL-3.0-or-later
// The Options dialog, the About box and the web links, opened from the main
// window as a user opens them.
#include <QAction>
#include <QDesktopServices>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

#include "core/settings/settings.h"
#include "gui/about_dialog.h"
#include "gui/main_window.h"
#include "gui/message_box.h"
#include "gui/options_dialog.h"

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
        QCOMPARE(child<QRadioButton>(options, "proxybut_1")->text(),
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

    // Without a system-information program the user is told so.
    void systemInformationUnavailable() {
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", home_.path().toUtf8());
        MessageBox::setNextAnswer(MessageBox::Answer::Ok);
        child<QPushButton>(open<AboutDialog>("About"), "cmdSysInfo")->click();
        qputenv("PATH", path);
        QCOMPARE(MessageBox::shownTexts(),
                 QStringList{u"System Information Is Unavailable At This Time"_s});
    }

    // The gateway's pages follow the transport in use; a browser that cannot
    // be started is reported.
    void webLinks_data() {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("transport");
        QTest::addColumn<QString>("url");
        QTest::newRow("account over http")
            << u"account"_s << u"http"_s << u"http://www.quillo.example/newuser.asp"_s;
        QTest::newRow("home over https")
            << u"quillomenu"_s << u"https"_s << u"https://secure.quillo.example/"_s;
        QTest::newRow("no browser") << u"mainbuy"_s << u"https"_s << QString();
    }
    void webLinks() {
        QFETCH(QString, action);
        QFETCH(QString, transport);
        QFETCH(QString, url);
        Settings().setValue(keys::kTransport, transport);
        window_ = std::make_unique<MainWindow>(kLocation);
        Browser browser;
        // Without a handler the offscreen platform opens nothing.
        if (url.isEmpty())
            MessageBox::setNextAnswer(MessageBox::Answer::Ok);
        else
            QDesktopServices::setUrlHandler(transport, &browser, "open");
        child<QAction>(window_.get(), qPrintable(action))->trigger();
        QDesktopServices::unsetUrlHandler(transport);
        if (url.isEmpty())
            QCOMPARE(MessageBox::shownTexts(), QStringList{u"Web Page not Opened"_s});
        else
            QCOMPARE(browser.opened, QList<QUrl>{QUrl(url)});
    }
};

QTEST_MAIN(TestDialogs)
#include "tst_dialogs.moc"
