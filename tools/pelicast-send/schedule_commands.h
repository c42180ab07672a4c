// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>

namespace pelicast {

class BatchPlan;
class SendContext;

// The time of --at into `due`, checked to lie ahead; `due` stays null
// without --at. False, with status 2, for a time that cannot be.
bool readDueTime(SendContext& context, QDateTime& due);
// Tells that batch `id` of `plan` is scheduled for `due`, and turns on the
// timer that sends it while the window is closed.
int tellScheduled(SendContext& context, qint64 id, const QDateTime& due, const BatchPlan& plan);

// --scheduled: the batches that wait for their time, soonest first.
int listScheduled(SendContext& context);
// --cancel ID: a scheduled batch called off.
int cancelScheduled(SendContext& context);
// --run-due: the scheduled batches whose time has come, sent as the timer
// sends them; nothing but a look at the journal when none has.
int runDue(SendContext& context);

}  // namespace pelicast
