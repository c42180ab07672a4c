#pragma once

#include <QObject>
#include <QString>

namespace pelicast::platform {

// The asynchronous HTTP(S) transfer control the main window talks to the
// gateway through. One request at a time; the outcome arrives as StateChanged.
class TransferComponent : public QObject {
    Q_OBJECT

public:
    enum State : int {
        icNone = 0,
        icResolvingHost = 1,
        icConnecting = 3,
        icRequesting = 5,
        icReceivingResponse = 7,
        icError = 11,
        icResponseCompleted = 12,
    };
    enum AccessType : int { icUseDefault = 0, icDirect = 1, icNamedProxy = 2 };
    enum DataType : int { icString = 0, icByteArray = 1 };

    using QObject::QObject;

    // Starts the request and returns at once. `operation` is the verb as the
    // caller passes it ("POST "); `headers` holds "Name: value" lines.
    virtual void Execute(const QString& url, const QString& operation, const QString& body,
                         const QString& headers) = 0;
    // Hands out the reply text in pieces of at most `size` characters; an empty
    // piece means the reply has been handed out whole.
    virtual QString GetChunk(int size, int dataType) = 0;
    virtual bool StillExecuting() const = 0;
    // Why the last request failed (state 11), in words the user can read.
    virtual QString ErrorText() const = 0;

    virtual int AccessType() const = 0;
    virtual void SetAccessType(int accessType) = 0;
    virtual QString Proxy() const = 0;
    virtual void SetProxy(const QString& proxy) = 0;

Q_SIGNALS:
    void StateChanged(int state);
};

}  // namespace pelicast::platform
