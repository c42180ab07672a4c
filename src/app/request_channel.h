#pragma once

#include <QObject>
#include <QString>

class QWidget;

namespace pelicast {

namespace platform {
class Dialogs;
class TransferComponent;
}  // namespace platform
namespace userdata {
class UserData;
}

// What the request channel touches of the main window.
class ChannelHost {
public:
    virtual ~ChannelHost() = default;
    virtual void setStatusText(const QString& text) = 0;
    virtual void setMousePointer(int pointer) = 0;
    virtual void setBalanceCaption(const QString& caption) = 0;
    virtual QWidget* dialogParent() = 0;
};

// Posts one form-encoded request at a time to a gateway page and, when the
// transfer ends, shows the reply and keeps the credit balance it states.
class RequestChannel : public QObject {
    Q_OBJECT

public:
    RequestChannel(platform::TransferComponent& inet, platform::Dialogs& dialogs,
                   userdata::UserData& userData, ChannelHost& host, QObject* parent = nullptr);

    bool busy() const { return busy_; }
    // When a request is out, tells the user so and returns true: the caller
    // then stops without changing anything.
    bool refuseIfBusy();
    // Sets the status text and the busy pointer and hands the POST to the
    // transfer component; returns at once. `body` is already form-encoded.
    void post(const QString& address, const QString& body, const QString& statusText);

    // The transfer component's StateChanged.
    void Inet1_StateChanged(int state);

private:
    void showReply();
    void showFailure();

    platform::TransferComponent& inet_;
    platform::Dialogs& dialogs_;
    userdata::UserData& userData_;
    ChannelHost& host_;
    bool busy_ = false;
};

}  // namespace pelicast
