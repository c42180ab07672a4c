// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <functional>

#include "core/gateway/form_fields.h"

class QWidget;

namespace pelicast {

class JournalRecorder;
class Settings;

// The contact-list upload after the account fields were checked: asks for the
// default groups and whether to replace existing groups, reads the address
// book and posts it through `recorder`. `setStatus` is called with the status
// line's text ("" when done without posting). Returns whether it was posted.
bool uploadContacts(QWidget* parent, JournalRecorder& recorder, Settings& settings,
                    const QString& user, const QString& password,
                    const std::function<void(const QString&)>& setStatus);

}  // namespace pelicast
