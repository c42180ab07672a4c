#pragma once

#include <QByteArray>
#include <QMap>
#include <QPair>
#include <QStringList>
#include <cstring>

#include "platform/registry.h"

namespace pelicast::fakes {

// Registry holding values by root, key path and value name; counts handles so
// tests can see every opened key closed again.
class FakeRegistry : public platform::Registry {
public:
    struct Value {
        std::uint32_t type = platform::REG_SZ;
        QByteArray bytes;
    };

    void setValue(platform::RegHandle root, const QByteArray& key, const QByteArray& name,
                  std::uint32_t type, const QByteArray& bytes) {
        keys[keyName(root, key)][name.toLower()] = Value{type, bytes};
    }
    void addKey(platform::RegHandle root, const QByteArray& key) { keys[keyName(root, key)]; }

    platform::RegStatus RegOpenKeyExA(platform::RegHandle root, const QByteArray& subKey,
                                      std::uint32_t, std::uint32_t,
                                      platform::RegHandle* result) override {
        const QByteArray name = keyName(root, subKey);
        if (!keys.contains(name))
            return platform::ERROR_FILE_NOT_FOUND;
        const platform::RegHandle handle = nextHandle++;
        open.insert(handle, name);
        *result = handle;
        return platform::ERROR_SUCCESS;
    }
    platform::RegStatus RegQueryValueExA(platform::RegHandle key, const QByteArray& valueName,
                                         std::uint32_t, std::uint32_t* type, char* data,
                                         std::uint32_t* dataSize) override {
        if (!open.contains(key))
            return platform::ERROR_INVALID_HANDLE;
        const auto& values = keys[open[key]];
        const auto it = values.find(valueName.toLower());
        if (it == values.end())
            return platform::ERROR_FILE_NOT_FOUND;
        const auto size = static_cast<std::uint32_t>(it->bytes.size());
        if (type)
            *type = it->type;
        if (size > *dataSize) {
            *dataSize = size;
            return platform::ERROR_MORE_DATA;
        }
        if (size > 0)
            std::memcpy(data, it->bytes.constData(), size);
        *dataSize = size;
        return platform::ERROR_SUCCESS;
    }
    platform::RegStatus RegCloseKey(platform::RegHandle key) override {
        ++closes;
        return open.remove(key) ? platform::ERROR_SUCCESS : platform::ERROR_INVALID_HANDLE;
    }

    QMap<QByteArray, QMap<QByteArray, Value>> keys;
    QMap<platform::RegHandle, QByteArray> open;
    int closes = 0;

private:
    static QByteArray keyName(platform::RegHandle root, const QByteArray& key) {
        return QByteArray::number(root) + '\\' + key.toLower();
    }
    platform::RegHandle nextHandle = 0x100;
};

}  // namespace pelicast::fakes
