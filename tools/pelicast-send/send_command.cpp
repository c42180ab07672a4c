// SPDX-License-Identifier: GPL-3.0-or-later
#include "send_command.h"

#include <QCoreApplication>

#include "batch_commands.h"
#include "batch_send.h"
#include "common/command_output.h"
#include "core/book/recipient_list.h"
#include "core/message/personal_text.h"
#include "core/message/recipient_check.h"
#include "schedule_commands.h"
#include "send_context.h"
#include "send_inputs.h"
#include "send_options.h"
#include "single_send.h"

using namespace Qt::StringLiterals;

namespace pelicast {

namespace {

// This file's texts, under one context for the translators.
struct SendCommandText {
    Q_DECLARE_TR_FUNCTIONS(SendCommand)
};

// The command line read and checked; false when the run ends here (--help,
// --version, or a usage error).
bool parse(SendContext& context, const QStringList& arguments) {
    QCommandLineParser& parser = context.parser;
    parser.addHelpOption();
    parser.addVersionOption();
    addSendOptions(parser);
    // Known even when the rest cannot be read, so a usage error is JSON too.
    const bool parsed = parser.parse(arguments);
    context.json = parser.isSet(u"json"_s);
    if (!parsed) {
        if (parser.unknownOptionNames().contains(u"password"_s))
            return context.stop(
                kBadUsage, SendCommandText::tr("A password is never taken on the command line: use "
                                               "--password-file or PELICAST_PASSWORD."));
        return context.stop(kBadUsage, parser.errorText(), true);
    }
    if (parser.isSet(u"help"_s) || parser.isSet(u"version"_s)) {
        if (parser.isSet(u"help"_s))
            context.out << parser.helpText();
        else
            context.out << QCoreApplication::applicationName() << ' '
                        << QCoreApplication::applicationVersion() << '\n';
        context.status = kAccepted;
        return false;
    }
    if (!parser.positionalArguments().isEmpty())
        return context.stop(kBadUsage,
                            SendCommandText::tr("Unexpected argument \"%1\".")
                                .arg(parser.positionalArguments().constFirst()),
                            true);
    for (const QString& option : singleValueOptions()) {
        if (parser.values(option).size() > 1)
            return context.stop(kBadUsage,
                                SendCommandText::tr("--%1 is given %2 times; give it once.")
                                    .arg(option)
                                    .arg(parser.values(option).size()));
    }
    QStringList modes;
    for (const QString& option : modeOptions()) {
        if (parser.isSet(option))
            modes.append(option);
    }
    if (modes.size() > 1)
        return context.stop(kBadUsage,
                            SendCommandText::tr("Give one of --%1.").arg(modes.join(u", --"_s)));
    // What no mode but sending takes; --save-template takes the text.
    const QString mode = modes.value(0);
    for (const QString& option : messageOptions()) {
        if (!mode.isEmpty() && parser.isSet(option) &&
            !(mode == "save-template"_L1 && option == "text"_L1))
            return context.stop(
                kBadUsage,
                SendCommandText::tr("--%1 sends no message: leave out --%2.").arg(mode, option));
    }
    // Nothing but a message and the balance has a dry run: --continue
    // --dry-run must not send.
    if (!mode.isEmpty() && mode != "credits"_L1 && parser.isSet(u"dry-run"_s))
        return context.stop(
            kBadUsage, SendCommandText::tr("--%1 has no dry run: leave out --dry-run.").arg(mode));
    if (parser.isSet(u"max-cost"_s)) {
        bool number = false;
        context.maxCost = parser.value(u"max-cost"_s).toLongLong(&number);
        if (!number || *context.maxCost < 0)
            return context.stop(
                kBadUsage, SendCommandText::tr("--max-cost takes a number of credits, not \"%1\".")
                               .arg(parser.value(u"max-cost"_s)));
    }
    if (parser.isSet(u"region"_s)) {
        context.region = parser.value(u"region"_s).toUpper();
        if (!isPhoneRegion(*context.region))
            return context.stop(
                kBadUsage,
                SendCommandText::tr(
                    "--region takes a country's two-letter code, such as GR, not \"%1\".")
                    .arg(parser.value(u"region"_s)));
    }
    const Expected<GatewayLocation> gateway = GatewayLocation::chosen(
        parser.value(u"gateway"_s), parser.isSet(u"gateway"_s), context.location);
    if (!gateway)
        return context.stop(kBadUsage, gateway.error());
    context.location = *gateway;
    return true;
}

// A message goes as a batch when it comes from a list file or has fields of
// the contacts; else as the one request it always was.
bool goesAsBatch(const SendContext& context, const QString& text) {
    return context.isSet(u"csv"_s) || context.isSet(u"at"_s) ||
           PersonalText(text, RecipientList::contactFields()).isPersonal();
}

int run(SendContext& context, const QStringList& arguments) {
    if (!parse(context, arguments))
        return context.status;
    if (!context.settings.checkReadable())
        return context.fail(
            kUnreadableData,
            SendCommandText::tr("Pelicast's settings %1").arg(context.settings.errorString()));
    if (context.isSet(u"scheduled"_s))
        return listScheduled(context);
    if (context.isSet(u"cancel"_s))
        return cancelScheduled(context);
    if (context.isSet(u"run-due"_s))
        return runDue(context);
    if (context.isSet(u"batches"_s))
        return listBatches(context);
    if (context.isSet(u"continue"_s) || context.isSet(u"resend-refused"_s) ||
        context.isSet(u"resend-unknown"_s))
        return continueBatch(context);
    if (context.isSet(u"close"_s))
        return closeBatch(context);
    if (context.isSet(u"templates"_s) || context.isSet(u"save-template"_s) ||
        context.isSet(u"delete-template"_s))
        return manageTemplates(context);
    const bool dryRun = context.isSet(u"dry-run"_s);
    MessageDraft draft;
    // A scheduled batch takes the password kept for its account at its time.
    if (!readAccount(context, !dryRun && !context.isSet(u"at"_s), draft))
        return context.status;
    if (context.isSet(u"credits"_s))
        return requestBalance(context, draft);
    QString text;
    if (!readMessageText(context, text))
        return context.status;
    return goesAsBatch(context, text) ? sendBatch(context, draft, text)
                                      : sendSingle(context, draft, text);
}

}  // namespace

int runSendCommand(const QStringList& arguments, const GatewayLocation& location, QTextStream& out,
                   QTextStream& err) {
    SendContext context(location, out, err);
    const int status = run(context, arguments);
    return finishOutput(out, err, status, status == kAccepted ? kOutputLost : status);
}

}  // namespace pelicast
