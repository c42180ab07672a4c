// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include "core/message/send_estimate.h"

namespace pelicast {

class SendContext;

// A message without fields to the recipients of --to and --group: one
// request, as the window sends it, checked by the window's rules first.
// `draft` holds the account and `text` the message. Returns the exit status.
int sendSingle(SendContext& context, MessageDraft draft, const QString& text);
// The balance of the account in `draft` (--credits).
int requestBalance(SendContext& context, const MessageDraft& draft);

}  // namespace pelicast
