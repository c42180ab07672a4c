// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/batch_preview_model.h"

#include <QApplication>
#include <QStyle>

#include "core/message/draft_review.h"
#include "core/message/personal_text.h"

using namespace Qt::StringLiterals;

namespace pelicast {

namespace {

// Elements a cell names before it counts the rest; a tooltip names more.
constexpr qsizetype kShownRecipients = 3;
constexpr qsizetype kTipRecipients = 40;

QString someRecipients(const QStringList& recipients, qsizetype shown) {
    if (recipients.size() <= shown)
        return recipients.join(u"; "_s);
    return BatchPreviewModel::tr("%1; … (%2 in all)")
        .arg(recipients.mid(0, shown).join(u"; "_s))
        .arg(recipients.size());
}

QString oneLine(QString text) {
    return text.replace(u"\r\n"_s, u" "_s).replace(u'\n', u' ');
}

// A character one would not tell apart by looking: a space, an invisible
// one, a mark, or a sign with a GSM look-alike.
bool needsName(QChar ch) {
    return !ch.isLetterOrNumber() || ch.category() == QChar::Mark_NonSpacing;
}

}  // namespace

void BatchPreviewModel::setPlan(const BatchPlan* plan) {
    beginResetModel();
    plan_ = plan;
    made_.clear();
    endResetModel();
}

int BatchPreviewModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() || !plan_ ? 0 : int(plan_->count());
}

int BatchPreviewModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

const PlannedRequest& BatchPreviewModel::request(int row) const {
    if (PlannedRequest* made = made_.object(row))
        return *made;
    auto* made = new PlannedRequest(plan_->request(row));
    made_.insert(row, made);
    return *made;
}

QString BatchPreviewModel::unicodeMark(const QString& characters) {
    QStringList marks;
    for (const char32_t ch : characters.toUcs4()) {
        const QString name = characterName(ch);
        if (ch > 0xFFFF || !needsName(QChar(char16_t(ch))) || name.isEmpty())
            marks.append(QString::fromUcs4(&ch, 1));
        else if (QChar(char16_t(ch)).isPrint() && !QChar(char16_t(ch)).isSpace())
            marks.append(tr("%1 (%2)").arg(QString::fromUcs4(&ch, 1), name));
        else
            marks.append(
                tr("U+%1 (%2)")
                    .arg(QString::number(uint(ch), 16).toUpper().rightJustified(4, u'0'), name));
    }
    return marks.join(u", "_s);
}

QString BatchPreviewModel::notes(const PlannedRequest& request) const {
    QStringList notes;
    if (request.tooLong)
        notes.append(
            tr("%1 characters, over %2").arg(messageCharacters(request.text)).arg(kMessageLimit));
    if (!request.missing.isEmpty()) {
        QStringList fields;
        for (const QString& name : request.missing)
            fields.append(fieldPlaceholder(name));
        notes.append(tr("no value for %1").arg(fields.join(u", "_s)));
    }
    return notes.join(u"; "_s);
}

QVariant BatchPreviewModel::display(const PlannedRequest& request, int column) const {
    switch (column) {
        case Recipients:
            return someRecipients(request.recipients, kShownRecipients);
        case Message:
            return oneLine(request.text);
        case Parts:
            return request.length.parts;
        case Alphabet:
            return request.length.encoding == SmsEncoding::Gsm7
                       ? tr("GSM 7-bit")
                       : tr("Unicode: %1").arg(unicodeMark(request.unicodeCharacters));
        case Cost:
            return qlonglong(request.estimate.cost);
        case Notes:
            return notes(request);
    }
    return {};
}

QVariant BatchPreviewModel::data(const QModelIndex& index, int role) const {
    if (!plan_ || !checkIndex(index, CheckIndexOption::IndexIsValid))
        return {};
    const PlannedRequest& made = request(index.row());
    const int column = index.column();
    const bool unicode = made.length.encoding == SmsEncoding::Ucs2;
    switch (role) {
        case Qt::DisplayRole:
            return display(made, column);
        case Qt::ToolTipRole:
            if (column == Recipients)
                return someRecipients(made.recipients, kTipRecipients);
            if (column == Message)
                return made.text;
            if (column == Alphabet && unicode)
                return tr("Goes as Unicode, %1 characters a part instead of %2.")
                    .arg(made.length.parts > 1 ? kUcs2Part : kUcs2Single)
                    .arg(made.length.parts > 1 ? kGsm7Part : kGsm7Single);
            return {};
        case Qt::DecorationRole:
            if (column == Alphabet && unicode)
                return QApplication::style()->standardIcon(QStyle::SP_MessageBoxInformation);
            if (column == Notes && (made.tooLong || !made.missing.isEmpty()))
                return QApplication::style()->standardIcon(QStyle::SP_MessageBoxWarning);
            return {};
        case Qt::TextAlignmentRole:
            return column == Parts || column == Cost
                       ? QVariant(int(Qt::AlignRight | Qt::AlignVCenter))
                       : QVariant();
        case kUnicodeRole:
            return unicode;
        case kTooLongRole:
            return made.tooLong;
        case kMissingRole:
            return !made.missing.isEmpty();
    }
    return {};
}

QVariant BatchPreviewModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Vertical)
        return section + 1;
    static const char* const titles[] = {QT_TR_NOOP("Recipients"), QT_TR_NOOP("Message"),
                                         QT_TR_NOOP("Parts"),      QT_TR_NOOP("Alphabet"),
                                         QT_TR_NOOP("Cost"),       QT_TR_NOOP("Check")};
    static_assert(std::size(titles) == ColumnCount);
    return section >= 0 && section < ColumnCount ? tr(titles[section]) : QVariant();
}

}  // namespace pelicast
