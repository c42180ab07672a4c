// SPDX-License-Identifier: GPL-3.0-or-later
#include "send_command.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QEventLoop>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStringDecoder>
#include <algorithm>

#include "common/bounded_read.h"
#include "common/command_output.h"
#include "core/book/address_book.h"
#include "core/book/contact_entries.h"
#include "core/gateway/connection_settings.h"
#include "core/gateway/gateway_client.h"
#include "core/gateway/gateway_protocol.h"
#include "core/journal/journal_recorder.h"
#include "core/journal/request_record.h"
#include "core/message/draft_review.h"
#include "core/message/printable_text.h"
#include "core/message/recipient_check.h"
#include "core/settings/keyring.h"
#include "core/settings/preferences.h"
#include "core/settings/settings.h"
#include "send_options.h"
#include "signal_catcher.h"

using namespace Qt::StringLiterals;

namespace pelicast {

namespace {

enum ExitStatus {
    kAccepted = 0,
    kRefused = 1,
    kBadUsage = 2,
    kNetworkFailure = 3,
    kUnreadableData = 4,
    kOutputLost = 5,
};

// A message is at most a few hundred bytes; a password one line.
constexpr qint64 kMaxMessageInput = 4 * 1024;
constexpr qint64 kMaxPasswordFile = 4 * 1024;

constexpr auto kPasswordVariable = "PELICAST_PASSWORD";

class SendCommand {
    Q_DECLARE_TR_FUNCTIONS(SendCommand)

public:
    SendCommand(const GatewayLocation& location, QTextStream& out, QTextStream& err)
        : location_(location), out_(out), err_(err) {}

    int run(const QStringList& arguments) {
        if (!parse(arguments) || !readSettings())
            return status_;
        const bool dryRun = parser_.isSet(u"dry-run"_s);
        if (!readAccount(!dryRun))
            return status_;
        if (parser_.isSet(u"credits"_s)) {
            if (!dryRun)
                return request(protocol::kCreditsPage,
                               creditCheckFields(draft_.user, draft_.password));
            print({{u"outcome"_s, u"dry-run"_s}, {u"account"_s, draft_.user}},
                  tr("Would ask for the balance of %1. Nothing was sent: this was a dry run.")
                      .arg(draft_.user));
            return kAccepted;
        }
        if (!readRecipients() || !readText() || !reviewMessage())
            return status_;
        if (dryRun)
            return showDryRun();
        return request(protocol::kSendPage, sendMessageFields(draft_));
    }

private:
    bool parse(const QStringList& arguments) {
        parser_.setApplicationDescription(sendDescription());
        parser_.addHelpOption();
        parser_.addVersionOption();
        addSendOptions(parser_);
        // Known even when the rest cannot be read, so a usage error is JSON too.
        const bool parsed = parser_.parse(arguments);
        json_ = parser_.isSet(u"json"_s);
        if (!parsed) {
            if (parser_.unknownOptionNames().contains(u"password"_s))
                return stop(kBadUsage, tr("A password is never taken on the command line: use "
                                          "--password-file or PELICAST_PASSWORD."));
            return stop(kBadUsage, parser_.errorText(), true);
        }
        if (parser_.isSet(u"help"_s) || parser_.isSet(u"version"_s)) {
            if (parser_.isSet(u"help"_s))
                out_ << parser_.helpText();
            else
                out_ << QCoreApplication::applicationName() << ' '
                     << QCoreApplication::applicationVersion() << '\n';
            status_ = kAccepted;
            return false;
        }
        if (!parser_.positionalArguments().isEmpty())
            return stop(
                kBadUsage,
                tr("Unexpected argument \"%1\".").arg(parser_.positionalArguments().constFirst()),
                true);
        for (const QString& option : singleValueOptions()) {
            if (parser_.values(option).size() > 1)
                return stop(kBadUsage, tr("--%1 is given %2 times; give it once.")
                                           .arg(option)
                                           .arg(parser_.values(option).size()));
        }
        if (parser_.isSet(u"credits"_s)) {
            for (const QString& option :
                 {u"to"_s, u"group"_s, u"text"_s, u"from"_s, u"max-cost"_s, u"region"_s}) {
                if (parser_.isSet(option))
                    return stop(kBadUsage,
                                tr("--credits sends no message: leave out --%1.").arg(option));
            }
        }
        if (parser_.isSet(u"max-cost"_s)) {
            bool number = false;
            maxCost_ = parser_.value(u"max-cost"_s).toLongLong(&number);
            if (!number || *maxCost_ < 0)
                return stop(kBadUsage, tr("--max-cost takes a number of credits, not \"%1\".")
                                           .arg(parser_.value(u"max-cost"_s)));
        }
        if (parser_.isSet(u"region"_s)) {
            region_ = parser_.value(u"region"_s).toUpper();
            if (!isPhoneRegion(*region_))
                return stop(
                    kBadUsage,
                    tr("--region takes a country's two-letter code, such as GR, not \"%1\".")
                        .arg(parser_.value(u"region"_s)));
        }
        const Expected<GatewayLocation> gateway = GatewayLocation::chosen(
            parser_.value(u"gateway"_s), parser_.isSet(u"gateway"_s), location_);
        if (!gateway)
            return stop(kBadUsage, gateway.error());
        location_ = *gateway;
        return true;
    }

    bool readSettings() {
        return settings_.checkReadable() ||
               stop(kUnreadableData, tr("Pelicast's settings %1").arg(settings_.errorString()));
    }

    bool readAccount(bool needPassword) {
        const QString storedUser = settings_.scrambledValue(keys::kUsername);
        draft_.user = parser_.isSet(u"user"_s) ? parser_.value(u"user"_s) : storedUser;
        if (draft_.user.isEmpty())
            return stop(kBadUsage, tr("No account: Pelicast remembers no user name; give --user."));
        QString problem = tr("Pelicast keeps none.");
        if (parser_.isSet(u"password-file"_s)) {
            problem = tr("The password file holds none.");
            const QString path = parser_.value(u"password-file"_s);
            const Expected<QByteArray> secret = readRegularFile(path, kMaxPasswordFile);
            if (!secret)
                return stop(
                    kUnreadableData,
                    tr("The password file %1 cannot be read: %2").arg(path, secret.error()));
            if (QFile::permissions(path) & (QFile::ReadGroup | QFile::ReadOther))
                warn(tr("The password file %1 can be read by other users.").arg(path));
            // The first line, with or without a line end after it.
            draft_.password = QString::fromUtf8(secret->split('\n').constFirst()).remove(u'\r');
        } else if (qEnvironmentVariableIsSet(kPasswordVariable)) {
            draft_.password = qEnvironmentVariable(kPasswordVariable);
            problem = tr("PELICAST_PASSWORD is empty.");
        } else if (needPassword) {
            const Expected<QString> kept = Keyring::readNow(draft_.user);
            draft_.password = kept ? *kept : QString();
            if (draft_.password.isEmpty() && draft_.user == storedUser)
                draft_.password = settings_.scrambledValue(keys::kPassword);
            if (!kept)
                problem = kept.error();
        }
        if (needPassword && draft_.password.isEmpty())
            return stop(kUnreadableData, tr("No password for %1: %2 Give --password-file or set "
                                            "PELICAST_PASSWORD.")
                                             .arg(draft_.user, problem));
        draft_.originator = parser_.isSet(u"from"_s) ? parser_.value(u"from"_s)
                                                     : settings_.scrambledValue(keys::kOriginator);
        // The window shows the service's name in an empty originator field.
        if (draft_.originator.isEmpty() && !parser_.isSet(u"from"_s))
            draft_.originator = QLatin1String(protocol::kServiceOriginator);
        return true;
    }

    bool readRecipients() {
        for (const QString& value : parser_.values(u"to"_s)) {
            const QStringList elements = value.split(u';', Qt::SkipEmptyParts);
            const bool blank =
                std::any_of(elements.cbegin(), elements.cend(),
                            [](const QString& element) { return element.trimmed().isEmpty(); });
            if (elements.isEmpty() || blank)
                return stop(kBadUsage, tr("--to \"%1\" holds a blank recipient; recipients are "
                                          "separated by \";\".")
                                           .arg(value));
            recipients_ += elements;
        }
        const QStringList groups = parser_.values(u"group"_s);
        if (!groups.isEmpty()) {
            AddressBook book;
            if (!book.load())
                return stop(kUnreadableData,
                            tr("The address book cannot be read: %1").arg(book.errorString()));
            QStringList labels;
            for (const QString& group : groups)
                labels.append(groupLabel(group));
            const MembersOfGroups members = membersOfGroups(book, labels);
            for (qsizetype i = 0; i < groups.size(); ++i) {
                if (members.recipients.at(i).isEmpty())
                    return stop(kBadUsage, tr("The address book has no group \"%1\" with a "
                                              "mobile number in it.")
                                               .arg(groups.at(i)));
                if (members.skipped > 0)
                    warn(tr("%n contacts of the address book cannot be read; members of \"%1\" "
                            "among them are left out.",
                            nullptr, int(members.skipped))
                             .arg(groups.at(i)));
                recipients_ += members.recipients.at(i).split(u';', Qt::SkipEmptyParts);
            }
        }
        if (recipients_.isEmpty())
            return stop(kBadUsage, tr("No recipient: give --to or --group."));
        draft_.recipients = recipients_.join(u';');
        return true;
    }

    bool readText() {
        if (!parser_.isSet(u"text"_s))
            return stop(kBadUsage, tr("No message: give --text, or --text - to read it from "
                                      "standard input."));
        QString text = parser_.value(u"text"_s);
        if (text == u"-"_s) {
            QFile in;
            if (!in.open(stdin, QIODevice::ReadOnly))
                return stop(kBadUsage,
                            tr("Standard input cannot be read: %1").arg(in.errorString()));
            const Expected<QByteArray> bytes = readToEnd(in, kMaxMessageInput);
            if (!bytes)
                return stop(
                    kBadUsage,
                    tr("The message on standard input cannot be read: %1.").arg(bytes.error()));
            QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
            text = decoder.decode(*bytes);
            if (decoder.hasError())
                return stop(kBadUsage, tr("The text on standard input is not UTF-8."));
            // The line end that echo and here-documents add is not part of it.
            while (text.endsWith(u'\n') || text.endsWith(u'\r'))
                text.chop(1);
        }
        text.replace(u"\r\n"_s, u"\n"_s).replace(u'\r', u'\n');
        if (text.isEmpty())
            return stop(kBadUsage, tr("The message is empty."));
        draft_.message = text.replace(u'\n', u"\r\n"_s);
        return true;
    }

    // The window's review. What stops the window stops here; a script cannot
    // answer questions, so --once and --max-cost answer them beforehand and
    // the rest are warnings.
    bool reviewMessage() {
        Preferences preferences = Preferences::load(settings_);
        if (region_) {
            preferences.region = *region_;
            preferences.regionSource = Preferences::RegionSource::Chosen;
        }
        review_ = reviewDraft(draft_, preferences, maxCost_);
        if (review_.tooLong)
            return stop(kBadUsage, review_.tooLong->text());
        if (review_.control)
            return stop(kBadUsage, review_.control->text());
        if (review_.noRegion)
            return stop(kBadUsage,
                        review_.noRegion->text() +
                            tr("\nGive --region with the country's two-letter code "
                               "(--region GR), or choose the default region in Pelicast's "
                               "Options; numbers in international format (+30…) need "
                               "neither."));
        if (review_.impossible)
            return stop(kBadUsage,
                        review_.impossible->text() + u'\n' + review_.impossible->advice());
        if (review_.repeats) {
            const bool once = parser_.isSet(u"once"_s);
            warn(review_.repeats->text() + u'\n' +
                 (once ? tr("Each number is sent once.")
                       : tr("Each is sent and paid for (see --once).")));
            if (once) {
                review_.dropRepeats();
                recipients_ = review_.draft.recipients.split(u';', Qt::SkipEmptyParts);
            }
        }
        if (review_.originator)
            warn(review_.originator->text());
        // A dry run shows the cost before it refuses.
        if (review_.costly && !parser_.isSet(u"dry-run"_s))
            return stop(kBadUsage, costRefusal());
        draft_ = review_.draft;
        return true;
    }

    QString costRefusal() const {
        return review_.costly->text() + tr("\nGive --max-cost %1 to send it all the same.")
                                            .arg(review_.costly->estimate.cost);
    }

    int showDryRun() {
        const SendEstimate& estimate = review_.estimate;
        const SmsLength& length = review_.length;
        QJsonObject result{
            {u"parts"_s, length.parts},
            {u"encoding"_s, encodingName(length.encoding)},
            {u"outcome"_s, u"dry-run"_s},
            {u"account"_s, draft_.user},
            {u"originator"_s, draft_.originator},
            {u"recipients"_s, QJsonArray::fromStringList(recipients_)},
            {u"recipientCount"_s, estimate.recipients},
            {u"cost"_s, estimate.cost},
            {u"interconnectionCharges"_s, estimate.interconnectionNote},
        };
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
        print(result, text);
        if (!review_.costly)
            return kAccepted;
        say(u"pelicast-send: ", costRefusal());
        return kBadUsage;
    }

    int request(const char* page, const FormFields& fields) {
        GatewayClient client(location_);
        client.setConnection(ConnectionSettings::load(settings_));
        JournalRecorder recorder(client, settings_);
        QObject::connect(&recorder, &JournalRecorder::failed, [this](const QString& reason) {
            warn(reason + tr(" The request goes on without it."));
        });
        QObject::connect(&recorder, &JournalRecorder::journalSetAside,
                         [this](const QString& notice) { warn(notice); });
        // From here a signal ends the program only once the request's row
        // says what became of it.
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
            if (json_)
                print(
                    {{u"outcome"_s, uncertain ? u"unknown"_s : u"failed"_s}, {u"error"_s, failure}},
                    {});
            say(u"pelicast-send: ", failure);
            return kNetworkFailure;
        }
        // Kept as the window keeps it, which shows it at its next start.
        const QString balance = plausibleBalance(reply);
        if (!balance.isNull())
            settings_.setValue(keys::kCredits, balance);
        const RequestRecord::Outcome outcome = outcomeOfReply(reply);
        print({{u"outcome"_s, outcomeName(outcome)},
               {u"reply"_s, reply},
               {u"balance"_s, balance.isNull() ? QJsonValue() : QJsonValue(balance.trimmed())}},
              reply);
        switch (outcome) {
            case RequestRecord::Outcome::Accepted:
                return kAccepted;
            case RequestRecord::Outcome::Refused:
                return kRefused;
            default:
                warn(unclearReplyNotice());
                return kNetworkFailure;
        }
    }

    // A request not yet posted never leaves, and the signal ends the program
    // as it ends any; one that went out is recorded as without a complete
    // answer, and the user told that it may have been sent.
    int interrupted(JournalRecorder& recorder, int signal) {
        const QString name = SignalCatcher::nameOf(signal);
        if (!recorder.abandon(
                tr("pelicast-send was stopped by %1 before the answer came.").arg(name))) {
            out_.flush();
            err_.flush();
            SignalCatcher::endBy(signal);
        }
        const QString message = tr("Stopped by %1 with the request out. ").arg(name) +
                                GatewayClient::noCompleteAnswer(recorder.page());
        if (json_)
            print({{u"outcome"_s, outcomeName(RequestRecord::Outcome::Unknown)},
                   {u"error"_s, message}},
                  {});
        say(u"pelicast-send: ", message);
        return kNetworkFailure;
    }

    void print(const QJsonObject& result, const QString& text) {
        if (json_)
            out_ << QJsonDocument(result).toJson(QJsonDocument::Compact) << '\n';
        else if (!text.isEmpty())
            out_ << printableText(text) << '\n';
    }

    void warn(const QString& text) { say(u"pelicast-send: warning: ", text); }

    // The first line of --help ("Usage: ...") follows a usage error.
    bool stop(int status, const QString& message, bool withUsage = false) {
        status_ = status;
        say(u"pelicast-send: ", message);
        if (withUsage)
            err_ << parser_.helpText().section(u'\n', 0, 0) << '\n';
        if (json_)
            print({{u"outcome"_s, u"error"_s}, {u"error"_s, message}}, {});
        return false;
    }

    // Every line says whose it is; an indented one belongs to a list above.
    void say(QStringView prefix, const QString& text) {
        const QString shown = printableText(text);
        for (QStringView line : QStringView(shown).split(u'\n'))
            err_ << (line.startsWith(u' ') ? QStringView() : prefix) << line << '\n';
    }

    GatewayLocation location_;
    QTextStream& out_;
    QTextStream& err_;
    QCommandLineParser parser_;
    Settings settings_;
    bool json_ = false;
    int status_ = kAccepted;
    MessageDraft draft_;
    QStringList recipients_;
    std::optional<qint64> maxCost_;
    std::optional<QString> region_;
    DraftReview review_;
};

}  // namespace

int runSendCommand(const QStringList& arguments, const GatewayLocation& location, QTextStream& out,
                   QTextStream& err) {
    const int status = SendCommand(location, out, err).run(arguments);
    return finishOutput(out, err, status, status == kAccepted ? kOutputLost : status);
}

}  // namespace pelicast
