// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHash>
#include <QString>
#include <functional>

namespace pelicast {

// Tells, for items met in order, which earlier item had the same key (a
// number, a text). It keeps a hash of each key, and the keys themselves only
// where two keys share a hash, so 100,000 items cost a few bytes each; the
// key of an earlier item is asked for again when a key's hash was met.
class FirstOccurrence {
public:
    explicit FirstOccurrence(std::function<QString(qsizetype)> keyOf);

    // The earlier item whose key is `key`, or -1 after noting `item` as the
    // first with it.
    qsizetype earlier(const QString& key, qsizetype item);

private:
    std::function<QString(qsizetype)> keyOf_;
    // 32 bits of hash: a hash met twice costs one more key, and half the
    // memory of a 64-bit one.
    QHash<quint32, quint32> byHash_;
    QHash<QString, quint32> byKey_;  // keys of hashes met with two keys
    size_t seed_;
};

}  // namespace pelicast
