// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/contact_import_dialog.h"

#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QFileDialog>
#include <QProgressDialog>
#include <QThread>
#include <QTimer>
#include <atomic>
#include <memory>
#include <optional>

#include "core/book/contact_import.h"
#include "gui/message_box.h"

using namespace Qt::StringLiterals;

namespace pelicast {

namespace {

// This file's texts, under one context for the translators.
struct ImportText {
    Q_DECLARE_TR_FUNCTIONS(ContactImportDialog)
};

// A progress bar in steps of a thousandth.
constexpr int kSteps = 1000;
// Imports that end sooner show no progress bar.
constexpr int kQuietMs = 400;

}  // namespace

bool importContacts(QWidget* parent) {
    const QStringList paths =
        QFileDialog::getOpenFileNames(parent, ImportText::tr("Import contacts"), QDir::homePath(),
                                      ImportText::tr("vCard files (*.vcf *.vcard);;All files (*)"));
    return !paths.isEmpty() && importContactFiles(parent, paths);
}

bool importContactFiles(QWidget* parent, const QStringList& paths) {
    // The windows stay usable meanwhile: a second import waits for this one.
    static bool running = false;
    if (running) {
        MessageBox::tell(parent,
                         ImportText::tr("Contacts are being imported. Please wait until it ends."));
        return false;
    }
    running = true;
    std::atomic<qint64> done{0}, total{0};
    std::atomic<bool> stop{false};
    std::optional<Expected<AddressBook::ImportCount>> result;
    const std::unique_ptr<QThread> worker(QThread::create([&] {
        AddressBook book;
        if (!book.load()) {
            result = Unexpected{book.errorString()};
            return;
        }
        result = importVCardFiles(book, paths, [&](qint64 now, qint64 all) {
            total = all;
            done = now;
            return !stop;
        });
    }));
    QProgressDialog progress(ImportText::tr("Importing contacts..."), ImportText::tr("Stop"), 0,
                             kSteps, parent);
    progress.setWindowTitle(ImportText::tr("Import contacts"));
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(kQuietMs);
    progress.setAutoClose(false);
    progress.setAutoReset(false);
    QObject::connect(&progress, &QProgressDialog::canceled, [&stop] { stop = true; });
    QTimer poll;
    poll.setInterval(50);
    bool saving = false;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (progress.wasCanceled())
            stop = true;
        const qint64 all = total;
        if (all <= 0 || saving)
            return;
        progress.setValue(int(done * kSteps / all));
        if (done == all) {
            // Past the point where stopping could leave the book as it was.
            saving = true;
            progress.setLabelText(ImportText::tr("Saving the address book..."));
            progress.setCancelButton(nullptr);
        }
    });
    QEventLoop loop;
    QObject::connect(worker.get(), &QThread::finished, &loop, &QEventLoop::quit);
    worker->start();
    poll.start();
    loop.exec();
    worker->wait();
    progress.close();
    running = false;
    if (!*result) {
        MessageBox::tell(parent, result->error(), ImportText::tr("Import contacts"),
                         stop ? MessageBox::Icon::Information : MessageBox::Icon::Warning);
        return false;
    }
    MessageBox::tell(parent, importCountText(**result), ImportText::tr("Import contacts"),
                     MessageBox::Icon::Information);
    return (*result)->added > 0;
}

}  // namespace pelicast
