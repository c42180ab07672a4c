// SPDX-License-Identifier: GPL-3.0-or-later
#include "batch_send.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonObject>
#include <functional>

#include "batch_session.h"
#include "core/book/address_book.h"
#include "core/book/contact_entries.h"
#include "core/book/recipient_list.h"
#include "core/book/recipient_table.h"
#include "core/message/batch_plan.h"
#include "core/message/draft_review.h"
#include "core/message/printable_text.h"
#include "core/settings/preferences.h"
#include "schedule_commands.h"
#include "send_context.h"
#include "send_inputs.h"

using namespace Qt::StringLiterals;

namespace pelicast {

namespace {

// This file's texts, under the command's context for the translators.
struct BatchSendText {
    Q_DECLARE_TR_FUNCTIONS(SendCommand)
};

// A list of thousands names a few of them.
constexpr qsizetype kLinesNamed = 10;

// The first few of `count` items, one a line, the lines made by `line(i)`.
QString listed(qsizetype count, const std::function<QString(qsizetype)>& line) {
    QString text;
    for (qsizetype i = 0; i < std::min(count, kLinesNamed); ++i)
        text += u"\n  "_s + line(i);
    if (count > kLinesNamed)
        text += u"\n  "_s + BatchSendText::tr("… and %n more", nullptr, int(count - kLinesNamed));
    return text;
}

QString listed(const QStringList& lines) {
    return listed(lines.size(), [&lines](qsizetype i) { return lines.at(i); });
}

class BatchSend {
    Q_DECLARE_TR_FUNCTIONS(SendCommand)

public:
    BatchSend(SendContext& context, const MessageDraft& account, const QString& text)
        : context_(context),
          account_(account),
          text_(text),
          preferences_(commandPreferences(context)) {}

    int send() {
        QDateTime due;
        if (!readDueTime(context_, due) || !readRecipients() || !checkRecipients() || !plan() ||
            !checkPlan())
            return context_.status;
        if (context_.isSet(u"dry-run"_s))
            return showDryRun();
        if (costly_)
            return context_.fail(kBadUsage, costRefusal());
        BatchSession session(context_);
        if (!session.open())
            return context_.status;
        const Expected<qint64> id =
            session.store().create({account_.user, text_, source_, pause_, due}, plan_);
        if (!id)
            return context_.fail(kUnreadableData, tr("%1\nNothing was sent.").arg(id.error()));
        if (due.isValid())
            return tellScheduled(context_, *id, due, plan_);
        context_.say(u"pelicast-send: "_s, tr("batch %1: %2 written to the journal.")
                                               .arg(QString::number(*id), plan_.totals().text()));
        return session.run(*id, account_.password);
    }

private:
    bool readRecipients();
    bool readTable();
    bool checkRecipients();
    bool plan();
    bool checkPlan();
    QString where(qsizetype recipient) const;
    QString costRefusal() const;
    int showDryRun();

    SendContext& context_;
    MessageDraft account_;
    QString text_;
    Preferences preferences_;
    RecipientList list_;
    QString source_;
    std::chrono::milliseconds pause_{};
    BatchPlan plan_;
    std::optional<CostFinding> costly_;
};

bool BatchSend::readRecipients() {
    if (context_.isSet(u"csv"_s))
        return readTable();
    if (context_.isSet(u"number-column"_s))
        return context_.stop(kBadUsage, tr("--number-column names a column of --csv FILE."));
    QStringList elements;
    if (!readTypedRecipients(context_, elements))
        return false;
    const QStringList groups = context_.parser.values(u"group"_s);
    for (const QString& group : groups)
        elements.append(groupLabel(group));
    if (elements.isEmpty())
        return context_.stop(kBadUsage, tr("No recipient: give --to, --group or --csv."));
    AddressBook book;
    if (!book.load())
        return context_.stop(kUnreadableData,
                             tr("The address book cannot be read: %1").arg(book.errorString()));
    list_ = RecipientList::fromText(elements.join(u';'), book, preferences_.numberRegion());
    source_ = groups.isEmpty() ? u"typed recipients"_s
                               : u"the groups %1 and typed recipients"_s.arg(groups.join(u", "_s));
    return true;
}

bool BatchSend::readTable() {
    if (context_.isSet(u"to"_s) || context_.isSet(u"group"_s))
        return context_.stop(kBadUsage,
                             tr("--csv takes the recipients from the file: leave out --to and "
                                "--group."));
    const QString path = context_.value(u"csv"_s);
    Expected<RecipientTable> table = RecipientTable::read(path);
    if (!table)
        return context_.stop(kUnreadableData,
                             tr("The list file %1 cannot be read: %2").arg(path, table.error()));
    const QString columns = table->columnNames().join(u", "_s);
    int column = table->numberColumn();
    if (context_.isSet(u"number-column"_s)) {
        column = table->columnOf(context_.value(u"number-column"_s));
        if (column < 0)
            return context_.stop(kBadUsage,
                                 tr("The list file %1 has no column \"%2\"; its columns: %3.")
                                     .arg(path, context_.value(u"number-column"_s), columns));
    } else if (column < 0) {
        return context_.stop(kBadUsage, tr("No column of the list file %1 holds phone numbers; "
                                           "give --number-column (its columns: %2).")
                                            .arg(path, columns));
    }
    source_ = u"%1, column “%2”, %3"_s.arg(QFileInfo(path).fileName(),
                                           table->columnNames().at(column), table->encoding());
    list_ = RecipientList::fromTable(std::move(*table), column, preferences_.numberRegion());
    return true;
}

// Rows that cannot be sent to stop a batch, as a recipient that cannot be a
// number stops a message; repeats and rows without a number are told.
bool BatchSend::checkRecipients() {
    QStringList refused, told;
    for (const LeftOutRecipient& left : list_.leftOut()) {
        const bool fatal = left.reason == LeftOutRecipient::Reason::Impossible ||
                           left.reason == LeftOutRecipient::Reason::EmptyGroup;
        (fatal ? refused : told).append(left.text());
    }
    if (!refused.isEmpty())
        return context_.stop(
            kBadUsage, tr("These recipients cannot be sent to:%1\nCorrect them, or leave them out.")
                           .arg(listed(refused)));
    if (!told.isEmpty())
        context_.warn(tr("Left out, each number getting one message:%1").arg(listed(told)));
    if (list_.isEmpty())
        return context_.stop(kBadUsage, tr("No recipient is left to send to."));
    const QStringList unknown = PersonalText(text_, list_.fieldNames()).unknownFields();
    if (!unknown.isEmpty())
        return context_.stop(
            kBadUsage,
            tr("The message holds {%1}, which names no field of these recipients (%2). Write "
               "{{ and }} to send a brace itself.")
                .arg(unknown.join(u"}, {"_s), list_.fieldNames().join(u", "_s)));
    // The window's rules for the numbers, the originator and the text.
    QStringList elements;
    for (qsizetype i = 0; i < list_.count(); ++i)
        elements.append(list_.element(i));
    MessageDraft draft = account_;
    draft.recipients = elements.join(u';');
    draft.message = text_;
    const DraftReview review = reviewDraft(draft, preferences_, context_.maxCost);
    if (review.control)
        return context_.stop(kBadUsage, review.control->text());
    if (review.noRegion)
        return context_.stop(kBadUsage, review.noRegion->text() + u'\n' + regionAdvice());
    if (review.impossible)
        return context_.stop(kBadUsage,
                             review.impossible->text() + u'\n' + review.impossible->advice());
    if (review.originator)
        context_.warn(review.originator->text());
    return true;
}

bool BatchSend::plan() {
    BatchOptions options;
    const QString missing = context_.value(u"missing"_s), tooLong = context_.value(u"too-long"_s);
    if (!missing.isEmpty() && missing != "empty"_L1 && missing != "skip"_L1)
        return context_.stop(kBadUsage,
                             tr("--missing takes empty or skip, not \"%1\".").arg(missing));
    if (!tooLong.isEmpty() && tooLong != "send"_L1 && tooLong != "skip"_L1)
        return context_.stop(kBadUsage,
                             tr("--too-long takes send or skip, not \"%1\".").arg(tooLong));
    if (missing == "skip"_L1)
        options.missing = BatchOptions::Missing::Skip;
    if (tooLong == "skip"_L1)
        options.tooLong = BatchOptions::TooLong::Skip;
    pause_ = preferences_.pause;
    if (context_.isSet(u"pause"_s)) {
        const auto pause = Preferences::pauseOf(context_.value(u"pause"_s));
        if (!pause)
            return context_.stop(kBadUsage, tr("--pause takes seconds from 0 to 3600, not \"%1\".")
                                                .arg(context_.value(u"pause"_s)));
        pause_ = *pause;
    }
    plan_ = BatchPlan(text_, list_, account_.originator, options);
    // A script cannot be asked: the options answer beforehand.
    const PersonalText personal(text_, list_.fieldNames());
    const QList<qsizetype>& lacking = plan_.missingValues();
    if (!lacking.isEmpty() && missing.isEmpty()) {
        const auto line = [&](qsizetype n) {
            QStringList fields;
            for (const int field : personal.fields()) {
                if (list_.value(lacking.at(n), field).isEmpty())
                    fields.append(list_.fieldNames().at(field));
            }
            return tr("%1: no %2").arg(where(lacking.at(n)), fields.join(u", "_s));
        };
        return context_.stop(
            kBadUsage,
            tr("%n recipients have no value for a field of the message:%1\nGive --missing empty "
               "to send the message with the field left empty, or --missing skip to leave them "
               "out.",
               nullptr, int(lacking.size()))
                .arg(listed(lacking.size(), line)));
    }
    const QList<qsizetype>& over = plan_.overLimit();
    if (!over.isEmpty() && tooLong.isEmpty())
        return context_.stop(
            kBadUsage,
            tr("%n messages are over %1 characters once filled in:%2\nGive --too-long send to "
               "send them as they are (in more parts), or --too-long skip to leave them out.",
               nullptr, int(over.size()))
                .arg(QString::number(kMessageLimit),
                     listed(over.size(), [&](qsizetype n) { return where(over.at(n)); })));
    return true;
}

QString BatchSend::where(qsizetype recipient) const {
    const qsizetype row = list_.row(recipient);
    return row > 0 ? tr("row %1 (%2)").arg(QString::number(row), list_.element(recipient))
                   : list_.element(recipient);
}

bool BatchSend::checkPlan() {
    if (plan_.count() == 0)
        return context_.stop(kBadUsage, tr("Every message is empty or left out: nothing to send."));
    // A field's value may hold what the typed text may not.
    for (qsizetype i = 0; i < plan_.count(); ++i) {
        const PlannedRequest request = plan_.request(i);
        if (const qsizetype at = firstForbiddenControl(request.text); at >= 0)
            return context_.stop(kBadUsage, ControlFinding{request.text.at(at)}.text() + u"\n  "_s +
                                                request.recipientsText());
    }
    costly_ = checkCost(plan_.totals().estimate, costLimit(preferences_, context_.maxCost));
    return true;
}

QString BatchSend::costRefusal() const {
    return tr("%1\nGive --max-cost %2 to send it all the same.")
        .arg(costly_->text(), QString::number(costly_->estimate.cost));
}

int BatchSend::showDryRun() {
    BatchJson json(account_.user, account_.originator);
    QString text = tr("Would send from %1 as %2: %3")
                       .arg(account_.user, account_.originator, plan_.totals().text()) +
                   u'\n';
    for (qsizetype i = 0; i < plan_.count(); ++i) {
        const PlannedRequest request = plan_.request(i);
        const QString encoding = encodingName(request.length.encoding);
        json.add(request.recipients, request.text, request.length.parts, encoding,
                 request.estimate.cost, u"dry-run"_s);
        text += u"  "_s +
                tr("%1: %2 (%3 SMS, %4, %n credits)", nullptr, int(request.estimate.cost))
                    .arg(request.recipients.join(u"; "_s), request.text,
                         QString::number(request.length.parts), encoding) +
                u'\n';
    }
    text += tr("Nothing was sent: this was a dry run.");
    QJsonObject result = json.result(QJsonValue(), u"dry-run"_s);
    if (costly_)
        result.insert(u"error"_s, costRefusal());
    context_.print(result, text);
    if (!costly_)
        return kAccepted;
    context_.say(u"pelicast-send: ", costRefusal());
    return kBadUsage;
}

}  // namespace

int sendBatch(SendContext& context, const MessageDraft& account, const QString& text) {
    return BatchSend(context, account, text).send();
}

}  // namespace pelicast
