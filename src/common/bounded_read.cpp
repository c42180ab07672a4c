// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/bounded_read.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QLocale>
#include <cerrno>
#include <cstring>

using namespace Qt::StringLiterals;

namespace pelicast {

namespace {

// This file's texts, under one context for the translators.
struct BoundedReadText {
    Q_DECLARE_TR_FUNCTIONS(BoundedRead)
};

Unexpected<QString> tooLarge(qint64 limit) {
    return Unexpected{BoundedReadText::tr("larger than the limit of %1").arg(byteSizeText(limit))};
}

Unexpected<QString> systemReason(int error) {
    return Unexpected{QString::fromLocal8Bit(std::strerror(error))};
}

}  // namespace

QString byteSizeText(qint64 bytes) {
    return QLocale::c().formattedDataSize(bytes, 0, QLocale::DataSizeIecFormat);
}

Expected<void> openRegularFile(QFile& file, const QString& path, qint64 limit) {
    // Without O_NONBLOCK, opening a FIFO waits for a writer that may never come.
    const int handle =
        ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (handle < 0)
        return systemReason(errno);
    struct stat info {};
    const bool described = ::fstat(handle, &info) == 0;
    const int error = errno;
    if (!described || !S_ISREG(info.st_mode) || info.st_size > limit) {
        ::close(handle);
        if (!described)
            return systemReason(error);
        if (S_ISDIR(info.st_mode))
            return Unexpected{BoundedReadText::tr("a folder, not a file")};
        if (!S_ISREG(info.st_mode))
            return Unexpected{BoundedReadText::tr("not a regular file")};
        return tooLarge(limit);
    }
    ::fcntl(handle, F_SETFL, ::fcntl(handle, F_GETFL) & ~O_NONBLOCK);
    if (!file.open(handle, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(handle);
        return Unexpected{file.errorString()};
    }
    return {};
}

Expected<QByteArray> readRegularFile(const QString& path, qint64 limit) {
    QFile file;
    if (auto opened = openRegularFile(file, path, limit); !opened)
        return Unexpected{opened.error()};
    return readToEnd(file, limit);
}

Expected<QByteArray> readToEnd(QIODevice& device, qint64 limit) {
    QByteArray data;
    char chunk[64 * 1024];
    for (;;) {
        const qint64 got = device.read(chunk, sizeof chunk);
        if (got < 0)
            return Unexpected{device.errorString()};
        if (got == 0)
            return data;
        if (data.size() + got > limit)
            return tooLarge(limit);
        data.append(chunk, got);
    }
}

}  // namespace pelicast
