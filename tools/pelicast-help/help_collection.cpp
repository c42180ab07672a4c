// SPDX-License-Identifier: GPL-3.0-or-later
#include "help_collection.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QHelpEngine>
#include <QStandardPaths>

#include "core/settings/installation.h"

using namespace Qt::StringLiterals;

namespace pelicast::help {

namespace {

// This file's texts, under one context for the translators.
struct HelpCollectionText {
    Q_DECLARE_TR_FUNCTIONS(HelpCollection)
};

// One copy per installed collection and build of it, so a viewer from the
// build tree and one from an installed tree, or an old and a new version,
// never share a copy that points at the wrong pages.
QString copyFolderName(const QFileInfo& source) {
    const QString identity = source.canonicalFilePath() + u'|' +
                             QString::number(source.lastModified().toMSecsSinceEpoch()) + u'|' +
                             QString::number(source.size());
    return QString::fromLatin1(
        QCryptographicHash::hash(identity.toUtf8(), QCryptographicHash::Sha1).toHex().left(16));
}

// Other copies are stale; a viewer still showing one keeps its open files.
void removeStaleCopies(const QDir& cache, const QString& current) {
    for (const QString& name : cache.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        if (name != current)
            QDir(cache.filePath(name)).removeRecursively();
    }
}

Expected<void> copyCollection(const QString& source, const QString& target) {
    QHelpEngineCore original(source);
    original.setReadOnly(true);
    // Two viewers starting together must not write the same file: copy under
    // a name of our own and move it into place; a copy already there wins.
    const QString partial = target + u".%1"_s.arg(QCoreApplication::applicationPid());
    QFile::remove(partial);
    if (!original.setupData() || !original.copyCollectionFile(partial)) {
        QFile::remove(partial);
        return Unexpected{original.error()};
    }
    if (!QFile::rename(partial, target))
        QFile::remove(partial);
    if (!QFileInfo::exists(target))
        return Unexpected{QString()};
    return {};
}

QString cannotOpen(const QString& collection, const QString& reason) {
    return HelpCollectionText::tr("The help file %1 cannot be opened. %2")
        .arg(QDir::toNativeSeparators(collection), reason)
        .trimmed();
}

}  // namespace

QString installedCollection() {
    return installation::helpCollection();
}

Expected<std::unique_ptr<QHelpEngine>> openCollection(const QString& collection) {
    const QFileInfo source(collection);
    if (!source.isReadable())
        return Unexpected{HelpCollectionText::tr("The help file %1 is missing.")
                              .arg(QDir::toNativeSeparators(collection))};
    const QDir cache(QStandardPaths::writableLocation(QStandardPaths::CacheLocation) +
                     u"/collections"_s);
    const QString folder = copyFolderName(source);
    const QString copy = cache.filePath(folder + u"/pelicast.qhc"_s);
    if (!QFileInfo::exists(copy)) {
        removeStaleCopies(cache, folder);
        if (!cache.mkpath(folder))
            return Unexpected{cannotOpen(collection, QString())};
        if (const Expected<void> copied = copyCollection(collection, copy); !copied)
            return Unexpected{cannotOpen(collection, copied.error())};
    }
    auto engine = std::make_unique<QHelpEngine>(copy);
    engine->setReadOnly(false);  // the copy is ours, and setup completes it
    // A collection whose pages file is gone still names it: look for pages.
    const QString pages =
        engine->setupData() ? engine->registeredDocumentations().value(0) : QString();
    if (pages.isEmpty() || engine->files(pages, QString()).isEmpty())
        return Unexpected{cannotOpen(collection, engine->error())};
    return engine;
}

}  // namespace pelicast::help
