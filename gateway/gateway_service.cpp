// SPDX-License-Identifier: GPL-3.0-or-later
#include "gateway_service.h"

#include <QJsonArray>
#include <QJsonObject>
#include <span>

#include "core/gateway/gateway_protocol.h"
#include "form.h"

using namespace Qt::StringLiterals;

namespace pelicast::gateway {

using namespace protocol;

namespace {

constexpr auto kPlainText = "text/plain; charset=utf-8";

Response plain(int status, const QString& text) {
    return {status, kPlainText, text.toUtf8()};
}

Response withBalance(const QString& text, qint64 credits) {
    return plain(200, text + QLatin1String(kLineBreak) + QLatin1String(kCreditsMarker) +
                          QLatin1Char(' ') + QString::number(credits));
}

Response refused() {
    // No balance: it is shown to the account's holder only.
    return plain(200, u"Wrong user name or password."_s);
}

Response badRequest(const QString& why) {
    return plain(400, u"Bad request. "_s + why);
}

Response storageFailure(const QString& why) {
    return plain(500, u"The gateway could not store the request: "_s + why);
}

Response htmlPage(const QString& title, const QString& text) {
    const QString html =
        u"<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\"><title>%1</title>"
        "</head>\n<body><h1>%1</h1>\n<p>%2</p>\n"
        "<p>This is the local gateway stand-in.</p></body></html>\n"_s.arg(title, text);
    return {200, "text/html; charset=utf-8", html.toUtf8()};
}

bool isFormBody(const QByteArray& contentType) {
    const QByteArray mediaType = contentType.split(';').first().trimmed().toLower();
    return mediaType == kFormContentType;
}

QJsonArray jsonArray(const QStringList& texts) {
    return QJsonArray::fromStringList(texts);
}

QString countOf(qsizetype count, const char* one, const char* many) {
    return u"%1 %2"_s.arg(count).arg(QLatin1String(count == 1 ? one : many));
}

}  // namespace

Response GatewayService::handle(const QByteArray& method, const QString& path,
                                const QByteArray& contentType, const QByteArray& body) {
    const QString page = path.section(QLatin1Char('/'), -1);
    if (page.isEmpty()) {
        return htmlPage(u"Quillo SMS gateway"_s, u"Send SMS to any mobile number."_s);
    }
    if (page == QLatin1String(kNewUserPage)) {
        return htmlPage(u"Create an account"_s,
                        u"Use the account \"demo\" with the password \"demo\"."_s);
    }
    if (page == QLatin1String(kBuyPage)) {
        return htmlPage(u"Buy credits"_s, u"The demo account starts with 1000 credits."_s);
    }

    using Handler = Response (GatewayService::*)(const Form&);
    struct FormPage {
        const char* name;
        std::span<const char* const> fields;
        Handler handler;
    };
    const FormPage pages[] = {
        {kSendPage, kSendFields, &GatewayService::send},
        {kCreditsPage, kCreditsFields, &GatewayService::credits},
        {kUploadPage, kUploadFields, &GatewayService::upload},
    };
    for (const FormPage& formPage : pages) {
        if (page != QLatin1String(formPage.name)) {
            continue;
        }
        if (method != "POST") {
            return plain(405, u"This page takes a form sent by POST."_s);
        }
        if (!isFormBody(contentType)) {
            return badRequest(u"The body must be %1."_s.arg(QLatin1String(kFormContentType)));
        }
        const auto form = Form::decode(body);
        if (!form) {
            return badRequest(form.error());
        }
        const QStringList missing = form->missing(formPage.fields);
        if (!missing.isEmpty()) {
            return badRequest(u"Missing field(s): %1."_s.arg(missing.join(QLatin1String(", "))));
        }
        return (this->*formPage.handler)(*form);
    }
    return plain(404, u"No such page."_s);
}

Response GatewayService::credits(const Form& form) {
    const Account* account = accounts_.authenticate(form.value(kUser), form.value(kPass));
    if (!account) {
        return refused();
    }
    return withBalance(u"Account %1."_s.arg(account->user), account->credits);
}

Response GatewayService::send(const Form& form) {
    const Account* account = accounts_.authenticate(form.value(kUser), form.value(kPass));
    if (!account) {
        return refused();
    }
    const QString message = form.value(kSms);
    const QStringList recipients = separatedItems(form.value(kRcpt));
    if (message.trimmed().isEmpty()) {
        return withBalance(u"The message is empty. Nothing was sent."_s, account->credits);
    }
    if (recipients.isEmpty()) {
        return withBalance(u"No recipient. Nothing was sent."_s, account->credits);
    }
    const QString originator = form.value(kFrom);
    const int price = originator.isEmpty() || originator == QLatin1String(kServiceOriginator)
                          ? kServicePrice
                          : kOwnOriginatorPrice;
    const qint64 cost = qint64(recipients.size()) * price;
    if (cost > account->credits) {
        return withBalance(u"Not enough credits: %1 at %2 credits cost %3. Nothing was sent."_s
                               .arg(countOf(recipients.size(), "recipient", "recipients"))
                               .arg(price)
                               .arg(cost),
                           account->credits);
    }
    const QString accepted = u"Message accepted for %1, %2 credits charged."_s
                                 .arg(countOf(recipients.size(), "recipient", "recipients"))
                                 .arg(cost);
    return deliver(*account, cost,
                   {{QLatin1String("page"), QLatin1String(kSendPage)},
                    {QLatin1String(kUser), account->user},
                    {QLatin1String(kFrom), originator},
                    {QLatin1String(kSms), message},
                    {QLatin1String(kRcpt), joinedBySemicolons(form.value(kRcpt))},
                    {QLatin1String("recipients"), jsonArray(recipients)},
                    {QLatin1String(kAff), form.value(kAff)},
                    {QLatin1String("cost"), cost}},
                   accepted);
}

Response GatewayService::upload(const Form& form) {
    const Account* account = accounts_.authenticate(form.value(kUser), form.value(kPass));
    if (!account) {
        return refused();
    }
    const QStringList names = crlfLines(form.value(kNewName));
    const QStringList numbers = crlfLines(form.value(kNewNum));
    const QStringList emails = crlfLines(form.value(kNewEmails));
    if (numbers.size() != names.size() || emails.size() != names.size()) {
        return badRequest(u"The name, number and e-mail lists differ in length."_s);
    }
    const bool replace = form.has(kDelOld);
    if (replace && form.value(kDelOld) != QLatin1String(kDelOldValue)) {
        return badRequest(
            u"The field delold takes only the value %1."_s.arg(QLatin1String(kDelOldValue)));
    }
    const QStringList groups = separatedItems(form.value(kNewGroups));
    const QString accepted = u"Contact list received: %1%2."_s.arg(
        countOf(names.size(), "contact", "contacts"),
        replace ? u", existing groups replaced"_s : QString());
    return deliver(*account, 0,
                   {{QLatin1String("page"), QLatin1String(kUploadPage)},
                    {QLatin1String(kUser), account->user},
                    {QLatin1String("names"), jsonArray(names)},
                    {QLatin1String("numbers"), jsonArray(numbers)},
                    {QLatin1String("emails"), jsonArray(emails)},
                    {QLatin1String(kNewGroups), joinedBySemicolons(form.value(kNewGroups))},
                    {QLatin1String("groups"), jsonArray(groups)},
                    {QLatin1String(kDelOld), replace}},
                   accepted);
}

Response GatewayService::deliver(const Account& account, qint64 cost, QJsonObject record,
                                 const QString& acceptedText) {
    const QString user = account.user;
    const qint64 left = account.credits - cost;
    record.insert(QLatin1String("credits"), left);
    // Recorded before charged: a crash in between leaves a record without its
    // charge, never a charge without its record.
    if (const auto recorded = outbox_.append(record); !recorded) {
        return storageFailure(recorded.error());
    }
    if (cost > 0 && !accounts_.setCredits(user, left)) {
        return plain(500,
                     u"The request was recorded, but its cost could not be "
                     "charged: "_s +
                         accounts_.errorString());
    }
    return withBalance(acceptedText, left);
}

}  // namespace pelicast::gateway
