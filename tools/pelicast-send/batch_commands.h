// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace pelicast {

class SendContext;

// --batches: the unfinished batches, oldest first.
int listBatches(SendContext& context);
// --continue, --resend-refused and --resend-unknown ID: the batch's queued
// requests sent, after putting the refused or unknown ones back in the queue
// for the latter two (the risk told first).
int continueBatch(SendContext& context);
// --close ID: the batch ended as it is, its queued requests never sent.
int closeBatch(SendContext& context);
// --templates, --save-template NAME and --delete-template NAME.
int manageTemplates(SendContext& context);

}  // namespace pelicast
