// SPDX-License-Identifier: GPL-3.0-or-later
// Linked into every test: before main() runs, HOME and the XDG folders point
// into a new temporary folder, removed at exit. Tests run in parallel, none
// finds what another left, and none touches the user's own files; programs
// a test starts inherit that home.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

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
    }
};

const TemporaryHome home;

}  // namespace
