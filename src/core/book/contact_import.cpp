// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/book/contact_import.h"

#include <QCoreApplication>

namespace pelicast {

namespace {

// This file's texts, under one context for the translators.
struct ContactImportText {
    Q_DECLARE_TR_FUNCTIONS(ContactImport)
};

}  // namespace

Expected<AddressBook::ImportCount> importVCardFiles(AddressBook& book, const QStringList& paths,
                                                    const ImportProgress& progress) {
    QList<QByteArray> contents;
    qint64 total = 0;
    for (const QString& path : paths) {
        Expected<QByteArray> text = AddressBook::readVCardFile(path);
        if (!text)
            return Unexpected{text.error()};
        total += text->size();
        contents.append(std::move(*text));
    }
    const QString stopped =
        ContactImportText::tr("The import was stopped; the address book was left as it was.");
    AddressBook::ImportCount count;
    qint64 before = 0;
    for (const QByteArray& text : std::as_const(contents)) {
        bool going = true;
        const AddressBook::ImportCount one = book.importCards(text, [&](qsizetype done) {
            going = !progress || progress(before + done, total);
            return going;
        });
        if (!going)
            return Unexpected{stopped};
        count.added += one.added;
        count.skipped += one.skipped;
        count.undecoded += one.undecoded;
        before += text.size();
    }
    if (progress && !progress(total, total))
        return Unexpected{stopped};
    if (!book.save())
        return Unexpected{book.errorString()};
    // Another import of the same cards may have come first.
    count.added -= book.importsFoundOnSave();
    count.skipped += book.importsFoundOnSave();
    return count;
}

QString importCountText(const AddressBook::ImportCount& count) {
    QString text =
        ContactImportText::tr("Added %n contacts, skipped %1 already in the address book.", nullptr,
                              int(count.added))
            .arg(count.skipped);
    if (count.undecoded > 0)
        text += u' ' + ContactImportText::tr(
                           "Of the added contacts, %1 use a character set this system cannot read: "
                           "their names may show wrongly.")
                           .arg(count.undecoded);
    return text;
}

}  // namespace pelicast
