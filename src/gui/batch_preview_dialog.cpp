// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/batch_preview_dialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include "core/message/personal_text.h"
#include "gui/batch_preview_model.h"
#include "gui/help_launcher.h"
#include "gui/message_box.h"
#include "gui/send_checks.h"
#include "gui/window_geometry.h"

using namespace Qt::StringLiterals;

namespace pelicast {

namespace {

// Texts as wide as a column's usual content; the last takes the rest.
const std::pair<int, const char*> kColumnSamples[] = {
    {BatchPreviewModel::Recipients, "+30 694 000 0000; +30 694 0"},
    {BatchPreviewModel::Message, "Dear Anna, the meeting on Friday is at 8 in the"},
    {BatchPreviewModel::Parts, "Parts"},
    {BatchPreviewModel::Alphabet, "Unicode: ć, ’ (right"},
    {BatchPreviewModel::Cost, "00000"},
    {BatchPreviewModel::Notes, "no value for {first}"},
};

QString fieldList(const QStringList& names) {
    QStringList fields;
    for (const QString& name : names)
        fields.append(fieldPlaceholder(name));
    return fields.join(u", "_s);
}

}  // namespace

BatchPreviewDialog::BatchPreviewDialog(const QString& text, const RecipientList& recipients,
                                       const QString& originator,
                                       const std::optional<CostLimit>& limit, QWidget* parent)
    : QDialog(parent),
      text_(text),
      recipients_(recipients),
      originator_(originator),
      limit_(limit),
      model_(new BatchPreviewModel(this)) {
    setObjectName(u"batchPreview"_s);
    setWindowTitle(tr("Preview of the messages"));
    totals_ = new QLabel(this);
    totals_->setObjectName(u"totals"_s);
    totals_->setTextFormat(Qt::PlainText);
    totals_->setWordWrap(true);
    totals_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    QFont bold = totals_->font();
    bold.setBold(true);
    totals_->setFont(bold);
    notices_ = new QLabel(this);
    notices_->setObjectName(u"notices"_s);
    notices_->setTextFormat(Qt::PlainText);
    notices_->setWordWrap(true);
    requests_ = new QTableView(this);
    requests_->setObjectName(u"requests"_s);
    requests_->setAccessibleName(tr("Requests"));
    requests_->setModel(model_);
    requests_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    requests_->setSelectionBehavior(QAbstractItemView::SelectRows);
    requests_->setWordWrap(false);
    // Rows of one height and columns of set widths: the view never measures
    // rows it does not show, so a plan's size costs it nothing.
    const QFontMetrics metrics = fontMetrics();
    requests_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    requests_->verticalHeader()->setDefaultSectionSize(metrics.height() + metrics.height() / 2);
    // As wide as the sample or the title, in whatever language.
    for (const auto& [column, sample] : kColumnSamples) {
        const QString title = model_->headerData(column, Qt::Horizontal).toString();
        const int text = std::max(metrics.horizontalAdvance(QString::fromUtf8(sample)),
                                  metrics.horizontalAdvance(title));
        requests_->horizontalHeader()->resizeSection(column, text + metrics.height() + 8);
    }
    requests_->horizontalHeader()->setStretchLastSection(true);
    replaceLookAlikes_ = new QCheckBox(tr("&Replace look-alikes in every message"), this);
    replaceLookAlikes_->setObjectName(u"replaceLookAlikes"_s);
    replaceLookAlikes_->setToolTip(
        tr("Typographic quotes, dashes, the ellipsis and unusual spaces make a message go as "
           "Unicode, with fewer characters a part. Replaced by their plain look-alikes, more "
           "messages fit in fewer parts. Letters are never changed."));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, this);
    QPushButton* send = buttons->addButton(tr("&Send..."), QDialogButtonBox::AcceptRole);
    send->setObjectName(u"send"_s);
    send->setDefault(true);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(totals_);
    layout->addWidget(notices_);
    layout->addWidget(requests_, 1);
    layout->addWidget(replaceLookAlikes_);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(replaceLookAlikes_, &QCheckBox::toggled, this, [this](bool on) {
        options_.replaceLookAlikes = on;
        replan();
    });
    setHelpTopic(this, u"sending_to_many.htm"_s);
    WindowGeometry::keep(this, keys::windows::kBatchPreview,
                         {metrics.averageCharWidth() * 150, metrics.lineSpacing() * 32});
    replan();
    send->setFocus();
}

BatchPreviewDialog::~BatchPreviewDialog() = default;

void BatchPreviewDialog::replan() {
    model_->setPlan(nullptr);
    plan_ = BatchPlan(text_, recipients_, originator_, options_);
    model_->setPlan(&plan_);
    const BatchTotals& totals = plan_.totals();
    totals_->setText(totals.text());
    QStringList notices;
    if (const QStringList unknown = plan_.unknownFields(); !unknown.isEmpty())
        notices.append(
            tr("No recipient has a field %1: it goes as typed.").arg(fieldList(unknown)));
    if (const qsizetype left = recipients_.leftOut().size(); left > 0)
        notices.append(
            tr("%n recipient(s) of the list get no message (repeated numbers, numbers "
               "that are not possible, empty cells).",
               nullptr, int(left)));
    if (const std::optional<CostFinding> costly = checkCost(totals.estimate, limit_))
        notices.append(costly->text());
    if (plan_.count() == 0)
        notices.append(tr("No message is left to send."));
    notices_->setText(notices.join(u'\n'));
    notices_->setVisible(!notices.isEmpty());
    // Offered while it can change something, and kept once chosen.
    replaceLookAlikes_->setEnabled(totals.unicode > 0 || options_.replaceLookAlikes);
}

// Only questions that apply are asked; Cancel at any of them returns to the
// preview, its rows as the answers so far made them.
void BatchPreviewDialog::accept() {
    if (!askAboutMissing() || !askAboutTooLong())
        return;
    const BatchTotals& totals = plan_.totals();
    if (plan_.count() == 0) {
        MessageBox::tell(this, tr("No message is left to send."));
        return;
    }
    if (MessageBox::ask(this, totals.text() + u"\r\n"_s + totals.estimate.confirmation(),
                        tr("Send SMS ?")) != MessageBox::Answer::Yes ||
        !confirmCost(this, checkCost(totals.estimate, limit_)))
        return;
    QDialog::accept();
}

bool BatchPreviewDialog::askAboutMissing() {
    const qint64 missing = plan_.totals().missing;
    if (missing == 0 || options_.missing == BatchOptions::Missing::Skip)
        return true;
    const QString answer = MessageBox::askChoice(
        this,
        tr("%n message(s) lack the value of a field for their recipient. Send them with the "
           "field left empty, or skip those recipients?",
           nullptr, int(missing)),
        tr("Fields without a value"),
        {{tr("Send them with the field left empty"), u"empty"_s},
         {tr("Skip those recipients"), u"skip"_s}},
        u"empty"_s);
    if (answer.isEmpty())
        return false;
    if (answer == u"skip"_s) {
        options_.missing = BatchOptions::Missing::Skip;
        replan();
    }
    return true;
}

bool BatchPreviewDialog::askAboutTooLong() {
    const BatchTotals totals = plan_.totals();
    if (totals.tooLong == 0 || options_.tooLong == BatchOptions::TooLong::Skip)
        return true;
    // What they add to the batch is what leaving them out takes off.
    BatchOptions without = options_;
    without.tooLong = BatchOptions::TooLong::Skip;
    const BatchTotals rest = BatchPlan(text_, recipients_, originator_, without).totals();
    const QString answer = MessageBox::askChoice(
        this,
        tr("%n message(s) are over the %1 characters of the message field. As they are, they "
           "take %2 SMS and cost %3 credits. Send them as they are, or skip them?",
           nullptr, int(totals.tooLong))
            .arg(kMessageLimit)
            .arg(totals.sms - rest.sms)
            .arg(totals.estimate.cost - rest.estimate.cost),
        tr("Messages over %1 characters").arg(kMessageLimit),
        {{tr("Send them as they are"), u"send"_s}, {tr("Skip them"), u"skip"_s}}, u"send"_s);
    if (answer.isEmpty())
        return false;
    if (answer == u"skip"_s) {
        options_.tooLong = BatchOptions::TooLong::Skip;
        replan();
    }
    return true;
}

}  // namespace pelicast
