// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/command_output.h"

#include <QCoreApplication>
#include <QIODevice>

using namespace Qt::StringLiterals;

namespace pelicast {

Expected<void> flushOutput(QTextStream& out) {
    out.flush();
    if (out.status() == QTextStream::Ok)
        return {};
    const QString reason = out.device() ? out.device()->errorString() : QString();
    return Unexpected{reason.isEmpty() ? u"the output cannot be written"_s : reason};
}

int finishOutput(QTextStream& out, QTextStream& err, int status, int failure) {
    const Expected<void> flushed = flushOutput(out);
    if (flushed)
        return status;
    err << QCoreApplication::applicationName()
        << ": the output cannot be written: " << flushed.error() << '\n';
    err.flush();
    return failure;
}

}  // namespace pelicast
