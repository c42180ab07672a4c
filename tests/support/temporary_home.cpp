// SPDX-License-Identifier: GPL-3.0-or-later
// Linked into every test: before main() runs, HOME and the XDG folders point
// into a new temporary folder, removed at exit. Tests run in parallel, none
// finds what another left, and none touches the user's own files; programs
// a test starts inherit that home. They speak English, whatever the
// desktop's language, with the program's English plural forms.
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "translations/translations.h"

using namespace Qt::StringLiterals;

namespace {

struct TemporaryHome {
    QTemporaryDir dir{QDir::tempPath() + u"/pelicast-test-XXXXXX"_s};
    TemporaryHome() {
        if (!dir.isValid())
            qFatal("No temporary home: %s", qPrintable(dir.errorString()));
        const QByteArray home = QFile::encodeName(dir.path());
        qputenv("HOME", home);
        qputenv("XDG_CONFIG_HOME", home + "/.config");
        qputenv("XDG_DATA_HOME", home + "/.local/share");
        qputenv("XDG_CACHE_HOME", home + "/.cache");
        qputenv("XDG_STATE_HOME", home + "/.local/state");
        // Where a program finds the one already running (InstanceChannel).
        QDir(dir.path())
            .mkdir(u"runtime"_s, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qputenv("XDG_RUNTIME_DIR", home + "/runtime");
        // Nor does a test reach the desktop's session bus, and with it the
        // user's keyring, unless support/with-keyring started a bus of its
        // own for it.
        if (qEnvironmentVariableIsEmpty("PELICAST_TEST_KEYRING"))
            qputenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=" + home + "/no-session-bus");
        qputenv("LANGUAGE", "en");
    }
};

const TemporaryHome home;

void installTranslations() {
    pelicast::translations::install();
}

}  // namespace

Q_COREAPP_STARTUP_FUNCTION(installTranslations)
