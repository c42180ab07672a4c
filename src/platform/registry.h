#pragma once

#include <QByteArray>
#include <cstdint>

namespace pelicast::platform {

// Read-only registry, shaped like the ANSI advapi32 calls so that the readers
// built on it keep their buffer and type rules.
using RegHandle = std::uint32_t;
using RegStatus = long;

inline constexpr RegHandle HKEY_CURRENT_USER = 0x80000001u;
inline constexpr RegHandle HKEY_LOCAL_MACHINE = 0x80000002u;
inline constexpr std::uint32_t KEY_ALL_ACCESS = 0x2003Fu;

inline constexpr RegStatus ERROR_SUCCESS = 0;
inline constexpr RegStatus ERROR_FILE_NOT_FOUND = 2;
inline constexpr RegStatus ERROR_ACCESS_DENIED = 5;
inline constexpr RegStatus ERROR_INVALID_HANDLE = 6;
inline constexpr RegStatus ERROR_MORE_DATA = 234;

inline constexpr std::uint32_t REG_NONE = 0;
inline constexpr std::uint32_t REG_SZ = 1;
inline constexpr std::uint32_t REG_EXPAND_SZ = 2;
inline constexpr std::uint32_t REG_BINARY = 3;
inline constexpr std::uint32_t REG_DWORD = 4;

class Registry {
public:
    virtual ~Registry() = default;

    virtual RegStatus RegOpenKeyExA(RegHandle root, const QByteArray& subKey, std::uint32_t options,
                                    std::uint32_t samDesired, RegHandle* result) = 0;
    // Copies the value's bytes into `data` (capacity `*dataSize` bytes) and sets
    // `*dataSize` to the number of bytes the value holds. A value larger than the
    // buffer gives ERROR_MORE_DATA and leaves the buffer unspecified.
    virtual RegStatus RegQueryValueExA(RegHandle key, const QByteArray& valueName,
                                       std::uint32_t reserved, std::uint32_t* type, char* data,
                                       std::uint32_t* dataSize) = 0;
    virtual RegStatus RegCloseKey(RegHandle key) = 0;
};

}  // namespace pelicast::platform
