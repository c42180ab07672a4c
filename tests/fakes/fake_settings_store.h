#pragma once

#include <QMap>
#include <QStringList>

#include "platform/settings_store.h"

namespace pelicast::fakes {

// In-memory store that also records the order of writes.
class FakeSettingsStore : public platform::SettingsStore {
public:
    QString GetSetting(const QString& application, const QString& section, const QString& key,
                       const QString& defaultValue = {}) const override {
        return values.value(path(application, section, key), defaultValue);
    }
    void SaveSetting(const QString& application, const QString& section, const QString& key,
                     const QString& value) override {
        values.insert(path(application, section, key), value);
        writes.append(key);
    }

    // Shortcuts for the program's own application and section.
    QString get(const QString& key) const { return GetSetting("Quillo", "udata", key); }
    bool has(const QString& key) const { return values.contains(path("Quillo", "udata", key)); }
    void set(const QString& key, const QString& value) {
        values.insert(path("Quillo", "udata", key), value);
    }

    QMap<QString, QString> values;
    QStringList writes;  // keys in the order they were saved

private:
    static QString path(const QString& a, const QString& s, const QString& k) {
        return a + '/' + s + '/' + k;
    }
};

}  // namespace pelicast::fakes
