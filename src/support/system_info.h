#pragma once

#include <QByteArray>
#include <QString>

#include "platform/registry.h"

namespace pelicast::platform {
class Shell;
}

namespace pelicast {

// Reads the value `SubKeyRef` of the key `KeyName` under `KeyRoot` into
// `KeyVal`: text values as they are (without a closing NUL), 32-bit numbers
// as their decimal text, other types leave `KeyVal` alone. False, with
// `KeyVal` emptied, when the key or the value cannot be read.
bool GetKeyValue(platform::Registry& registry, platform::RegHandle KeyRoot,
                 const QByteArray& KeyName, const QByteArray& SubKeyRef, QString& KeyVal);

// The system-information program to start: the one the registry records,
// else this desktop's own; "" when there is none.
QString SystemInformationProgram(platform::Registry& registry, platform::Shell& shell);

}  // namespace pelicast
