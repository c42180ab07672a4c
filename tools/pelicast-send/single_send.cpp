// SPDX-License-Identifier: GPL-3.0-or-later
#include "single_send.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QJsonArray>
#include <QJsonObject>
#include <optional>

#include "core/book/address_book.h"
#include "core/book/contact_entries.h"
#include "core/gateway/connection_settings.h"
#include "core/gateway/gateway_client.h"
#include "core/gateway/gateway_protocol.h"
#include "core/journal/journal_recorder.h"
#include "core/journal/request_record.h"
#include "core/message/draft_review.h"
#include "core/message/recipient_check.h"
#include "core/settings/preferences.h"
#include "send_context.h"
#include "send_inputs.h"
#include "signal_catcher.h"

using namespace Qt::StringLiterals;

namespace pelicast {

namespace {

class SingleSend {
    Q_DECLARE_TR_FUNCTIONS(SendCommand)

public:
    SingleSend(SendContext& context, MessageDraft draft)
        : context_(context), draft_(std::move(draft)), shape_{{u"account"_s, draft_.user}} {}

    int send(const QString& text) {
        draft_.message = text;
        if (!readRecipients() || !reviewMessage())
            return context_.status;
        describeMessage();
        if (context_.isSet(u"dry-run"_s))
            return showDryRun();
        return request(protocol::kSendPage, sendMessageFields(draft_));
    }

    int request(const char* page, const FormFields& fields);
    // What a run tells a script with --json, one shape for a dry run and a
    // request: what is (or would be) sent, the outcome, the gateway's reply
    // and the balance it states (null where there is none).
    QJsonObject result(const QString& outcome, const QString& reply = {}) const;

private:
    bool readRecipients();
    bool reviewMessage();
    void describeMessage();
    QString costRefusal() const;
    int showDryRun();
    int interrupted(JournalRecorder& recorder, int signal);

    SendContext& context_;
    MessageDraft draft_;
    QStringList recipients_;
    DraftReview review_;
    QJsonObject shape_;  // the account, and what is sent
};

bool SingleSend::readRecipients() {
    if (!readTypedRecipients(context_, recipients_))
        return false;
    const QStringList groups = context_.parser.values(u"group"_s);
    if (!groups.isEmpty()) {
        AddressBook book;
        if (!book.load())
            return context_.stop(kUnreadableData,
                                 tr("The address book cannot be read: %1").arg(book.errorString()));
        QStringList labels;
        for (const QString& group : groups)
            labels.append(groupLabel(group));
        const MembersOfGroups members = membersOfGroups(book, labels);
        for (qsizetype i = 0; i < groups.size(); ++i) {
            if (members.recipients.at(i).isEmpty())
                return context_.stop(kBadUsage, tr("The address book has no group \"%1\" with a "
                                                   "mobile number in it.")
                                                    .arg(groups.at(i)));
            if (members.skipped > 0)
                context_.warn(
                    tr("%n contacts of the address book cannot be read; members of \"%1\" "
                       "among them are left out.",
                       nullptr, int(members.skipped))
                        .arg(groups.at(i)));
            recipients_ += members.recipients.at(i).split(u';', Qt::SkipEmptyParts);
        }
    }
    if (recipients_.isEmpty())
        return context_.stop(kBadUsage, tr("No recipient: give --to, --group or --csv."));
    draft_.recipients = recipients_.join(u';');
    return true;
}

// The window's review. What stops the window stops here; a script cannot
// answer questions, so --once and --max-cost answer them beforehand and the
// rest are warnings.
bool SingleSend::reviewMessage() {
    review_ = reviewDraft(draft_, commandPreferences(context_), context_.maxCost);
    if (review_.tooLong)
        return context_.stop(kBadUsage, review_.tooLong->text());
    if (review_.control)
        return context_.stop(kBadUsage, review_.control->text());
    if (review_.noRegion)
        return context_.stop(kBadUsage, review_.noRegion->text() + u'\n' + regionAdvice());
    if (review_.impossible)
        return context_.stop(kBadUsage,
                             review_.impossible->text() + u'\n' + review_.impossible->advice());
    if (review_.repeats) {
        const bool once = context_.isSet(u"once"_s);
        context_.warn(review_.repeats->text() + u'\n' +
                      (once ? tr("Each number is sent once.")
                            : tr("Each is sent and paid for (see --once).")));
        if (once) {
            review_.dropRepeats();
            recipients_ = review_.draft.recipients.split(u';', Qt::SkipEmptyParts);
        }
    }
    if (review_.originator)
        context_.warn(review_.originator->text());
    // A dry run shows the cost before it refuses.
    if (review_.costly && !context_.isSet(u"dry-run"_s))
        return context_.stop(kBadUsage, costRefusal());
    draft_ = review_.draft;
    return true;
}

QString SingleSend::costRefusal() const {
    return tr("%1\nGive --max-cost %2 to send it all the same.")
        .arg(review_.costly->text(), QString::number(review_.costly->estimate.cost));
}

void SingleSend::describeMessage() {
    const SendEstimate& estimate = review_.estimate;
    shape_.insert(u"originator"_s, draft_.originator);
    shape_.insert(u"recipients"_s, QJsonArray::fromStringList(recipients_));
    shape_.insert(u"recipientCount"_s, estimate.recipients);
    shape_.insert(u"parts"_s, review_.length.parts);
    shape_.insert(u"encoding"_s, encodingName(review_.length.encoding));
    shape_.insert(u"cost"_s, estimate.cost);
    shape_.insert(u"interconnectionCharges"_s, estimate.interconnectionNote);
}

QJsonObject SingleSend::result(const QString& outcome, const QString& reply) const {
    QJsonObject result = shape_;
    result.insert(u"outcome"_s, outcome);
    result.insert(u"reply"_s, reply.isNull() ? QJsonValue() : QJsonValue(reply));
    result.insert(u"balance"_s, balanceValue(plausibleBalance(reply)));
    return result;
}

int SingleSend::showDryRun() {
    const SendEstimate& estimate = review_.estimate;
    const SmsLength& length = review_.length;
    QJsonObject result = this->result(u"dry-run"_s);
    QString text =
        tr("Would send from %1 as %2 to %n recipients:\n", nullptr, int(estimate.recipients))
            .arg(draft_.user, draft_.originator);
    for (const QString& recipient : std::as_const(recipients_))
        text += u"  "_s + recipient + u'\n';
    text += tr("Message: %1 SMS, %2\nCost: %3 credits")
                .arg(QString::number(length.parts), encodingName(length.encoding),
                     QString::number(estimate.cost));
    if (estimate.interconnectionNote)
        text += tr(" (additional interconnection charges may apply)");
    text += tr("\nNothing was sent: this was a dry run.");
    if (review_.costly)
        result.insert(u"error"_s, costRefusal());
    context_.print(result, text);
    if (!review_.costly)
        return kAccepted;
    context_.say(u"pelicast-send: ", costRefusal());
    return kBadUsage;
}

int SingleSend::request(const char* page, const FormFields& fields) {
    GatewayClient client(context_.location);
    client.setConnection(ConnectionSettings::load(context_.settings));
    JournalRecorder recorder(client, context_.settings);
    QObject::connect(&recorder, &JournalRecorder::failed, [this](const QString& reason) {
        context_.warn(tr("%1 The request goes on without it.").arg(reason));
    });
    QObject::connect(&recorder, &JournalRecorder::journalSetAside,
                     [this](const QString& notice) { context_.warn(notice); });
    // From here a signal ends the program only once the request's row says
    // what became of it.
    SignalCatcher interrupts;
    QEventLoop loop;
    bool answered = false;
    QString reply;
    QString failure;
    bool uncertain = false;
    int signal = 0;
    QObject::connect(&client, &GatewayClient::replied, &loop, [&](const QString& text) {
        answered = true;
        reply = text;
        loop.quit();
    });
    QObject::connect(&client, &GatewayClient::failed, &loop,
                     [&](const QString& message, bool mayHaveActed) {
                         answered = true;
                         failure = message;
                         uncertain = mayHaveActed;
                         loop.quit();
                     });
    QObject::connect(&interrupts, &SignalCatcher::caught, &loop, [&](int number) {
        signal = number;
        loop.quit();
    });
    recorder.post(QLatin1String(page), fields);
    loop.exec();
    if (!answered)
        return interrupted(recorder, signal);
    recorder.waitForWrites();  // a journal warning comes before the outcome

    if (!failure.isEmpty()) {
        if (context_.json) {
            QJsonObject shown = result(uncertain ? u"unknown"_s : u"failed"_s);
            shown.insert(u"error"_s, failure);
            context_.print(shown, {});
        }
        context_.say(u"pelicast-send: ", failure);
        return kNetworkFailure;
    }
    // Kept as the window keeps it, which shows it at its next start.
    const QString balance = plausibleBalance(reply);
    if (!balance.isNull())
        context_.settings.setValue(keys::kCredits, balance);
    const RequestRecord::Outcome outcome = outcomeOfReply(reply);
    context_.print(result(outcomeName(outcome), reply), reply);
    switch (outcome) {
        case RequestRecord::Outcome::Accepted:
            return kAccepted;
        case RequestRecord::Outcome::Refused:
            return kRefused;
        default:
            context_.warn(unclearReplyNotice());
            return kNetworkFailure;
    }
}

// A request not yet posted never leaves, and the signal ends the program as
// it ends any; one that went out is recorded as without a complete answer,
// and the user told that it may have been sent.
int SingleSend::interrupted(JournalRecorder& recorder, int signal) {
    const QString name = SignalCatcher::nameOf(signal);
    if (!recorder.abandon(
            tr("pelicast-send was stopped by %1 before the answer came.").arg(name))) {
        context_.out.flush();
        context_.err.flush();
        SignalCatcher::endBy(signal);
    }
    const QString message = tr("Stopped by %1 with the request out. %2")
                                .arg(name, GatewayClient::noCompleteAnswer(recorder.page()));
    if (context_.json) {
        QJsonObject shown = result(outcomeName(RequestRecord::Outcome::Unknown));
        shown.insert(u"error"_s, message);
        context_.print(shown, {});
    }
    context_.say(u"pelicast-send: ", message);
    return kNetworkFailure;
}

}  // namespace

int sendSingle(SendContext& context, MessageDraft draft, const QString& text) {
    return SingleSend(context, std::move(draft)).send(text);
}

int requestBalance(SendContext& context, const MessageDraft& draft) {
    SingleSend balance(context, draft);
    if (context.isSet(u"dry-run"_s)) {
        context.print(
            balance.result(u"dry-run"_s),
            SingleSend::tr("Would ask for the balance of %1. Nothing was sent: this was a dry run.")
                .arg(draft.user));
        return kAccepted;
    }
    return balance.request(protocol::kCreditsPage, creditCheckFields(draft.user, draft.password));
}

}  // namespace pelicast
