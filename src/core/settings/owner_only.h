// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFileDevice>

namespace pelicast {

// The files that hold the user's account or records (settings, journal) are
// created with kOwnerOnly, and lose kGroupOrOthers when found with them.
inline constexpr QFileDevice::Permissions kOwnerOnly =
    QFileDevice::ReadOwner | QFileDevice::WriteOwner;
inline constexpr QFileDevice::Permissions kGroupOrOthers =
    QFileDevice::ReadGroup | QFileDevice::WriteGroup | QFileDevice::ExeGroup |
    QFileDevice::ReadOther | QFileDevice::WriteOther | QFileDevice::ExeOther;

}  // namespace pelicast
