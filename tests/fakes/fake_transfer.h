#pragma once

#include <QList>
#include <QStringList>

#include "platform/transfer_component.h"

namespace pelicast::fakes {

// Transfer component that records what it is asked and replies only when the
// test says so.
class FakeTransfer : public platform::TransferComponent {
    Q_OBJECT

public:
    struct Request {
        QString url, operation, body, headers;
    };

    using platform::TransferComponent::TransferComponent;

    void Execute(const QString& url, const QString& operation, const QString& body,
                 const QString& headers) override;
    QString GetChunk(int size, int dataType) override;
    bool StillExecuting() const override { return executing; }
    QString ErrorText() const override { return error; }
    int AccessType() const override { return accessType; }
    void SetAccessType(int value) override;
    QString Proxy() const override { return proxy; }
    void SetProxy(const QString& value) override;

    // Completes the request out: state 12 with `body` as the reply.
    void reply(const QString& body);
    // Fails the request out: state 11 with `reason`.
    void fail(const QString& reason);

    QList<Request> requests;
    QStringList propertyWrites;  // "proxy=<text>" and "access=<n>" in order
    QList<int> chunkSizes;       // sizes asked of GetChunk
    int accessType = 0;
    QString proxy;
    QString error;
    bool executing = false;

private:
    QString pending_;
};

}  // namespace pelicast::fakes
