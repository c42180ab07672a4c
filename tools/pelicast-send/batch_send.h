// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include "core/message/send_estimate.h"

namespace pelicast {

class SendContext;

// A message with fields, or to the rows of --csv FILE, as a batch: the list
// read and checked, a request per distinct text planned, written to the
// journal, then sent one at a time. `account` holds the account, `text` the
// message. Returns the exit status.
int sendBatch(SendContext& context, const MessageDraft& account, const QString& text);

}  // namespace pelicast
