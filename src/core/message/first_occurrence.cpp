// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/message/first_occurrence.h"

namespace pelicast {

FirstOccurrence::FirstOccurrence(std::function<QString(qsizetype)> keyOf)
    : keyOf_(std::move(keyOf)), seed_(QHashSeed::globalSeed()) {}

qsizetype FirstOccurrence::earlier(const QString& key, qsizetype item) {
    const auto hash = quint32(qHash(key, seed_));
    const auto first = byHash_.constFind(hash);
    if (first == byHash_.cend()) {
        byHash_.insert(hash, quint32(item));
        return -1;
    }
    if (const auto known = byKey_.constFind(key); known != byKey_.cend())
        return *known;
    const QString firstKey = keyOf_(*first);
    if (firstKey == key)
        return *first;
    byKey_.insert(firstKey, *first);
    byKey_.insert(key, quint32(item));
    return -1;
}

}  // namespace pelicast
