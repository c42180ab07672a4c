// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/journal/process_tag.h"

#include <unistd.h>
#include <QByteArray>
#include <QFile>
#include <QList>

#include "common/bounded_read.h"

using namespace Qt::StringLiterals;

namespace pelicast {

namespace {

// A line of /proc is short; the limit only guards against the unexpected.
constexpr qint64 kProcLimit = 4096;

QByteArray procFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const Expected<QByteArray> bytes = readToEnd(file, kProcLimit);
    return bytes ? bytes->trimmed() : QByteArray();
}

const QString& bootId() {
    static const QString id = QString::fromLatin1(procFile(u"/proc/sys/kernel/random/boot_id"_s));
    return id;
}

struct ProcessStat {
    char state = 0;
    QByteArray startTime;  // clock ticks after the boot
};

// The fields after the name in /proc/PID/stat: the name is in parentheses
// and may hold blanks and parentheses itself.
ProcessStat statOf(const QString& pid) {
    const QByteArray stat = procFile(u"/proc/"_s + pid + u"/stat"_s);
    const qsizetype nameEnd = stat.lastIndexOf(')');
    if (nameEnd < 0)
        return {};
    const QList<QByteArray> fields = stat.mid(nameEnd + 1).simplified().split(' ');
    // state is the third field of the line, starttime the 22nd.
    constexpr qsizetype kState = 0, kStartTime = 19;
    if (fields.size() <= kStartTime || fields.at(kState).size() != 1)
        return {};
    return {fields.at(kState).at(0), fields.at(kStartTime)};
}

}  // namespace

QString processTag() {
    static const QString tag = [] {
        const QString pid = QString::number(::getpid());
        const ProcessStat self = statOf(pid);
        if (bootId().isEmpty() || self.startTime.isEmpty())
            return QString();
        return bootId() + u' ' + pid + u' ' + QString::fromLatin1(self.startTime);
    }();
    return tag;
}

ProcessState processStateOf(const QString& tag) {
    const QStringList parts = tag.split(u' ');
    if (parts.size() != 3 || bootId().isEmpty())
        return ProcessState::Unknown;
    bool number = false;
    parts.at(1).toUInt(&number);
    if (!number)
        return ProcessState::Unknown;
    if (parts.at(0) != bootId())
        return ProcessState::Restarted;
    const ProcessStat stat = statOf(parts.at(1));
    // Gone, a zombie waiting for its parent, or the id now another's.
    if (stat.state == 0 || stat.state == 'Z' || stat.state == 'X' ||
        QString::fromLatin1(stat.startTime) != parts.at(2))
        return ProcessState::Ended;
    return ProcessState::Running;
}

}  // namespace pelicast
