#include "app/request_channel.h"

#include "addressbook/picker_host.h"
#include "app/gateway_contract.h"
#include "app/user_data.h"
#include "platform/dialogs.h"
#include "platform/text.h"
#include "platform/transfer_component.h"

namespace pelicast {

namespace {
constexpr int kChunkSize = 1024;

// The text after the first marker, up to a second marker or the end; none
// when the marker does not occur with exactly this spelling.
std::optional<QString> balanceIn(const QString& reply) {
    const QString marker = QLatin1String(gateway::kCreditsMarker);
    const qsizetype first = reply.indexOf(marker);
    if (first < 0)
        return std::nullopt;
    const qsizetype from = first + marker.size();
    const qsizetype second = reply.indexOf(marker, from);
    return reply.mid(from, second < 0 ? -1 : second - from);
}
}  // namespace

RequestChannel::RequestChannel(platform::TransferComponent& inet, platform::Dialogs& dialogs,
                               userdata::UserData& userData, ChannelHost& host, QObject* parent)
    : QObject(parent), inet_(inet), dialogs_(dialogs), userData_(userData), host_(host) {
    connect(&inet_, &platform::TransferComponent::StateChanged, this,
            &RequestChannel::Inet1_StateChanged);
}

bool RequestChannel::refuseIfBusy() {
    if (!busy_)
        return false;
    dialogs_.MsgBox(host_.dialogParent(),
                    {QStringLiteral("A request is already in progress. Please wait for the "
                                    "server's reply.")});
    return true;
}

void RequestChannel::post(const QString& address, const QString& body, const QString& statusText) {
    host_.setStatusText(statusText);
    host_.setMousePointer(kPointerArrowHourglass);
    busy_ = true;
    inet_.Execute(address, QLatin1String(gateway::kPostOperation), body,
                  QLatin1String(gateway::kContentTypeHeader));
}

void RequestChannel::Inet1_StateChanged(int state) {
    if (!busy_)
        return;  // a late report of a request given up
    if (state == platform::TransferComponent::icResponseCompleted)
        showReply();
    else if (state == platform::TransferComponent::icError)
        showFailure();
}

void RequestChannel::showReply() {
    QString reply = inet_.GetChunk(kChunkSize, platform::TransferComponent::icString);
    for (QString chunk = inet_.GetChunk(kChunkSize, platform::TransferComponent::icString);
         !chunk.isEmpty();
         chunk = inet_.GetChunk(kChunkSize, platform::TransferComponent::icString))
        reply += chunk;
    busy_ = false;
    host_.setStatusText(QString());
    host_.setMousePointer(kPointerArrow);
    dialogs_.MsgBox(host_.dialogParent(),
                    {reply, platform::Dialogs::Buttons::Ok, platform::Dialogs::Icon::None,
                     QStringLiteral("Server Response:")});
    if (sCount(reply, QLatin1String(gateway::kCreditsMarker)) == QLatin1String("0"))
        return;
    // The count ignores case but the balance is taken only after the marker
    // spelled exactly; a reply with it in other letters changes nothing.
    if (const auto balance = balanceIn(reply)) {
        host_.setBalanceCaption(QLatin1String(gateway::kCreditsMarker) + *balance);
        userData_.save(userdata::kCredits, *balance);
    }
}

void RequestChannel::showFailure() {
    busy_ = false;
    host_.setStatusText(QString());
    host_.setMousePointer(kPointerArrow);
    dialogs_.MsgBox(
        host_.dialogParent(),
        {QStringLiteral("The request did not reach the gateway.\r\n\r\n") + inet_.ErrorText() +
         QStringLiteral("\r\n\r\nCheck your network connection and the "
                        "Options, then try again.")});
}

}  // namespace pelicast
