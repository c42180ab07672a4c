// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

#include "core/message/send_estimate.h"

namespace pelicast {

class SendContext;
struct Preferences;

// The preferences of the window, with --region for the region.
Preferences commandPreferences(const SendContext& context);
// What to do about national numbers while no region is known.
QString regionAdvice();

// The account of a request into `draft`: the user (`user` where given, else
// --user or the one Pelicast remembers), the password by the order --help
// gives (when `needPassword`) and the originator (--from, else the
// remembered one, else the service's name).
bool readAccount(SendContext& context, bool needPassword, MessageDraft& draft,
                 const QString& user = {});

// The recipients of every --to, each value split at ";".
bool readTypedRecipients(SendContext& context, QStringList& elements);

// The message of --text ("-": standard input) or of --template, with CR LF
// line breaks as the gateway takes them.
bool readMessageText(SendContext& context, QString& text);

}  // namespace pelicast
