#include "fakes/fake_transfer.h"

namespace pelicast::fakes {

void FakeTransfer::Execute(const QString& url, const QString& operation, const QString& body,
                           const QString& headers) {
    requests.append({url, operation, body, headers});
    executing = true;
}

QString FakeTransfer::GetChunk(int size, int) {
    chunkSizes.append(size);
    const QString chunk = pending_.left(size);
    pending_.remove(0, chunk.size());
    return chunk;
}

void FakeTransfer::SetAccessType(int value) {
    accessType = value;
    propertyWrites.append(QStringLiteral("access=%1").arg(value));
}

void FakeTransfer::SetProxy(const QString& value) {
    proxy = value;
    propertyWrites.append(QStringLiteral("proxy=") + value);
}

void FakeTransfer::reply(const QString& body) {
    pending_ = body;
    executing = false;
    Q_EMIT StateChanged(icResponseCompleted);
}

void FakeTransfer::fail(const QString& reason) {
    error = reason;
    executing = false;
    Q_EMIT StateChanged(icError);
}

}  // namespace pelicast::fakes
