#include "connection/regrw.h"

namespace pelicast::regrw {

namespace {
constexpr std::uint32_t kBufferSize = 1024;

// Bytes from the last to the first, read as one hexadecimal number.
QString dwordText(const QByteArray& bytes) {
    QByteArray hex;
    for (qsizetype i = bytes.size() - 1; i >= 0; --i)
        hex += QByteArray(1, bytes.at(i)).toHex();
    return QString::number(hex.isEmpty() ? 0u : hex.toUInt(nullptr, 16));
}
}  // namespace

QByteArray CutAtSize(const char* buffer, std::uint32_t dataSize) {
    const std::uint32_t n = std::min(dataSize, kBufferSize);
    if (n > 0 && buffer[n - 1] == '\0')
        return QByteArray(buffer, n - 1);
    return QByteArray(buffer, n);
}

bool GetRegValue(platform::Registry& registry, platform::RegHandle root, const QString& keyPath,
                 const QString& valueName, QString& output) {
    platform::RegHandle key = 0;
    bool ok = false;
    if (registry.RegOpenKeyExA(root, keyPath.toLocal8Bit(), 0, platform::KEY_ALL_ACCESS, &key) ==
        platform::ERROR_SUCCESS) {
        char buffer[kBufferSize] = {};
        std::uint32_t size = kBufferSize;
        std::uint32_t type = platform::REG_NONE;
        if (registry.RegQueryValueExA(key, valueName.toLocal8Bit(), 0, &type, buffer, &size) ==
            platform::ERROR_SUCCESS) {
            const QByteArray data = CutAtSize(buffer, size);
            if (type == platform::REG_SZ || type == platform::REG_BINARY)
                output = QString::fromLocal8Bit(data);
            else if (type == platform::REG_DWORD)
                output = dwordText(data);
            ok = true;
        }
    }
    registry.RegCloseKey(key);
    return ok;
}

}  // namespace pelicast::regrw
