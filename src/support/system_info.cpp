#include "support/system_info.h"

#include <QDir>
#include <QFileInfo>

#include "platform/shell.h"

namespace pelicast {

namespace {

constexpr std::uint32_t kBufferSize = 1024;

constexpr auto kSysInfoKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
constexpr auto kSysInfoValue = "PATH";
constexpr auto kSysInfoLocationKey = "SOFTWARE\\Microsoft\\Shared Tools Location";
constexpr auto kSysInfoLocationValue = "MSINFO";
constexpr auto kSysInfoProgram = "MSINFO32.EXE";

// A number value's bytes are stored lowest first.
QString numberText(const QByteArray& bytes) {
    QByteArray hex;
    for (qsizetype i = bytes.size() - 1; i >= 0; --i)
        hex += QByteArray(1, bytes[i]).toHex();
    bool ok = false;
    const qulonglong value = hex.toULongLong(&ok, 16);
    return ok ? QString::number(value) : QString();
}

}  // namespace

bool GetKeyValue(platform::Registry& registry, platform::RegHandle KeyRoot,
                 const QByteArray& KeyName, const QByteArray& SubKeyRef, QString& KeyVal) {
    platform::RegHandle key = 0;
    if (registry.RegOpenKeyExA(KeyRoot, KeyName, 0, platform::KEY_ALL_ACCESS, &key) !=
        platform::ERROR_SUCCESS) {
        KeyVal.clear();
        return false;
    }

    QByteArray buffer(kBufferSize, '\0');
    std::uint32_t type = platform::REG_NONE;
    std::uint32_t size = kBufferSize;
    if (registry.RegQueryValueExA(key, SubKeyRef, 0, &type, buffer.data(), &size) !=
        platform::ERROR_SUCCESS) {
        KeyVal.clear();
        registry.RegCloseKey(key);
        return false;
    }

    buffer.truncate(std::min(size, kBufferSize));
    if (!buffer.isEmpty() && buffer.back() == '\0')
        buffer.chop(1);
    if (type == platform::REG_SZ)
        KeyVal = QString::fromLocal8Bit(buffer);
    else if (type == platform::REG_DWORD)
        KeyVal = numberText(buffer);

    registry.RegCloseKey(key);
    return true;
}

QString SystemInformationProgram(platform::Registry& registry, platform::Shell& shell) {
    QString found;
    if (GetKeyValue(registry, platform::HKEY_LOCAL_MACHINE, kSysInfoKey, kSysInfoValue, found))
        return found;
    if (GetKeyValue(registry, platform::HKEY_LOCAL_MACHINE, kSysInfoLocationKey,
                    kSysInfoLocationValue, found)) {
        if (found.isEmpty())
            return {};
        const QString program = QDir(found).filePath(QLatin1String(kSysInfoProgram));
        return QFileInfo::exists(program) ? program : QString();
    }
    // Desktops without that registry record have their own program.
    return shell.FindSystemInformationProgram();
}

}  // namespace pelicast
