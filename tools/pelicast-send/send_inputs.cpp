// SPDX-License-Identifier: GPL-3.0-or-later
#include "send_inputs.h"

#include <QCoreApplication>
#include <QFile>
#include <QStringDecoder>
#include <algorithm>
#include <optional>

#include "common/bounded_read.h"
#include "core/gateway/gateway_protocol.h"
#include "core/journal/journal.h"
#include "core/journal/template_store.h"
#include "core/settings/keyring.h"
#include "core/settings/preferences.h"
#include "send_context.h"

using namespace Qt::StringLiterals;

namespace pelicast {

namespace {

// This file's texts, under one context for the translators.
struct SendInputsText {
    Q_DECLARE_TR_FUNCTIONS(SendCommand)
};

// A message is at most a few hundred bytes (a template with fields a few
// more); a password one line.
constexpr qint64 kMaxMessageInput = 4 * 1024;
constexpr qint64 kMaxPasswordFile = 4 * 1024;

constexpr auto kPasswordVariable = "PELICAST_PASSWORD";

bool readStandardInput(SendContext& context, QString& text) {
    QFile in;
    if (!in.open(stdin, QIODevice::ReadOnly))
        return context.stop(
            kBadUsage,
            SendInputsText::tr("Standard input cannot be read: %1").arg(in.errorString()));
    const Expected<QByteArray> bytes = readToEnd(in, kMaxMessageInput);
    if (!bytes)
        return context.stop(kBadUsage,
                            SendInputsText::tr("The message on standard input cannot be read: %1.")
                                .arg(bytes.error()));
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    text = decoder.decode(*bytes);
    if (decoder.hasError())
        return context.stop(kBadUsage,
                            SendInputsText::tr("The text on standard input is not UTF-8."));
    // The line end that echo and here-documents add is not part of it.
    while (text.endsWith(u'\n') || text.endsWith(u'\r'))
        text.chop(1);
    return true;
}

bool readTemplate(SendContext& context, const QString& name, QString& text) {
    Journal journal;
    if (!journal.open())
        return context.stop(kUnreadableData, journal.errorString());
    const Expected<std::optional<QString>> saved = TemplateStore(journal).text(name);
    if (!saved)
        return context.stop(kUnreadableData, saved.error());
    if (!*saved)
        return context.stop(
            kBadUsage,
            SendInputsText::tr("There is no template \"%1\" (see --templates).").arg(name));
    text = **saved;
    return true;
}

}  // namespace

Preferences commandPreferences(const SendContext& context) {
    Preferences preferences = Preferences::load(context.settings);
    if (context.region) {
        preferences.region = *context.region;
        preferences.regionSource = Preferences::RegionSource::Chosen;
    }
    return preferences;
}

QString regionAdvice() {
    return SendInputsText::tr(
        "Give --region with the country's two-letter code (--region GR), or choose the "
        "default region in Pelicast's Options; numbers in international format (+30…) need "
        "neither.");
}

bool readAccount(SendContext& context, bool needPassword, MessageDraft& draft,
                 const QString& user) {
    const QString storedUser = context.settings.scrambledValue(keys::kUsername);
    draft.user = !user.isEmpty()            ? user
                 : context.isSet(u"user"_s) ? context.value(u"user"_s)
                                            : storedUser;
    if (draft.user.isEmpty())
        return context.stop(
            kBadUsage,
            SendInputsText::tr("No account: Pelicast remembers no user name; give --user."));
    QString problem = SendInputsText::tr("Pelicast keeps none.");
    if (context.isSet(u"password-file"_s)) {
        problem = SendInputsText::tr("The password file holds none.");
        const QString path = context.value(u"password-file"_s);
        const Expected<QByteArray> secret = readRegularFile(path, kMaxPasswordFile);
        if (!secret)
            return context.stop(kUnreadableData,
                                SendInputsText::tr("The password file %1 cannot be read: %2")
                                    .arg(path, secret.error()));
        if (QFile::permissions(path) & (QFile::ReadGroup | QFile::ReadOther))
            context.warn(
                SendInputsText::tr("The password file %1 can be read by other users.").arg(path));
        // The first line, with or without a line end after it.
        draft.password = QString::fromUtf8(secret->split('\n').constFirst()).remove(u'\r');
    } else if (qEnvironmentVariableIsSet(kPasswordVariable)) {
        draft.password = qEnvironmentVariable(kPasswordVariable);
        problem = SendInputsText::tr("PELICAST_PASSWORD is empty.");
    } else if (needPassword) {
        const Expected<QString> kept = Keyring::readNow(draft.user);
        draft.password = kept ? *kept : QString();
        if (draft.password.isEmpty())
            draft.password = context.settings.rememberedPassword(draft.user);
        if (!kept)
            problem = kept.error();
    }
    if (needPassword && draft.password.isEmpty())
        return context.stop(kUnreadableData,
                            SendInputsText::tr("No password for %1: %2 Give --password-file or set "
                                               "PELICAST_PASSWORD.")
                                .arg(draft.user, problem));
    draft.originator = context.isSet(u"from"_s)
                           ? context.value(u"from"_s)
                           : context.settings.scrambledValue(keys::kOriginator);
    // The window shows the service's name in an empty originator field.
    if (draft.originator.isEmpty() && !context.isSet(u"from"_s))
        draft.originator = QLatin1String(protocol::kServiceOriginator);
    return true;
}

bool readTypedRecipients(SendContext& context, QStringList& elements) {
    for (const QString& value : context.parser.values(u"to"_s)) {
        const QStringList split = value.split(u';', Qt::SkipEmptyParts);
        const bool blank = std::any_of(split.cbegin(), split.cend(), [](const QString& element) {
            return element.trimmed().isEmpty();
        });
        if (split.isEmpty() || blank)
            return context.stop(
                kBadUsage, SendInputsText::tr("--to \"%1\" holds a blank recipient; recipients are "
                                              "separated by \";\".")
                               .arg(value));
        elements += split;
    }
    return true;
}

bool readMessageText(SendContext& context, QString& text) {
    if (context.isSet(u"template"_s)) {
        if (context.isSet(u"text"_s))
            return context.stop(kBadUsage,
                                SendInputsText::tr("Give --text or --template, not both."));
        if (!readTemplate(context, context.value(u"template"_s), text))
            return false;
    } else if (!context.isSet(u"text"_s)) {
        return context.stop(
            kBadUsage, SendInputsText::tr("No message: give --text, or --text - to read it from "
                                          "standard input."));
    } else {
        text = context.value(u"text"_s);
        if (text == u"-"_s && !readStandardInput(context, text))
            return false;
    }
    text.replace(u"\r\n"_s, u"\n"_s).replace(u'\r', u'\n');
    if (text.isEmpty())
        return context.stop(kBadUsage, SendInputsText::tr("The message is empty."));
    text.replace(u'\n', u"\r\n"_s);
    return true;
}

}  // namespace pelicast
