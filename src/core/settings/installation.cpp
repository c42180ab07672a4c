// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/settings/installation.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace pelicast::installation {

namespace {

// Folders relative to the top of the tree, from the build's configuration.
const QString kBinDir = QStringLiteral(PELICAST_BINDIR);
const QString kLibexecDir = QStringLiteral(PELICAST_PKGLIBEXECDIR);
const QString kLibDir = QStringLiteral(PELICAST_PKGLIBDIR);
const QString kDataDir = QStringLiteral(PELICAST_PKGDATADIR);

QString runningRoot() {
    // Before or without an application object, from the executable itself.
    return root(QCoreApplication::instance()
                    ? QCoreApplication::applicationDirPath()
                    : QFileInfo(u"/proc/self/exe"_s).canonicalFilePath().section(u'/', 0, -2));
}

}  // namespace

QString desktopId() {
    return QStringLiteral(PELICAST_DESKTOP_ID);
}

QString root(const QString& programFolder) {
    const QString folder = QDir::cleanPath(programFolder);
    for (const QString& known : {kLibexecDir, kBinDir}) {
        if (folder.endsWith(u'/' + known))
            return folder.chopped(known.size() + 1);
    }
    return QDir::cleanPath(folder + u"/.."_s);
}

QString helpViewer() {
    return runningRoot() + u'/' + kLibexecDir + u"/pelicast-help"_s;
}

QString helpCollection() {
    return runningRoot() + u'/' + kDataDir + u"/pelicast.qhc"_s;
}

QString phoneNumbersModule() {
    return runningRoot() + u'/' + kLibDir + u"/pelicast-phone-numbers.so"_s;
}

}  // namespace pelicast::installation
