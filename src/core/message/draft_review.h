// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <optional>

#include "core/message/send_estimate.h"
#include "core/message/sms_encoding.h"

namespace pelicast {

struct Preferences;

// The longest message, in characters; a line break counts as one although it
// is sent as CR LF.
inline constexpr int kMessageLimit = 160;
// The characters of `text`, as sent, that the limit counts.
qsizetype messageCharacters(QStringView text);

// The rules a send is checked by before it goes, whoever sends it: the window
// asks or tells through its boxes, pelicast-send warns or refuses. Each
// finding holds the words the user reads, so both say the same.

// A message above kMessageLimit: nothing can be sent.
struct LengthFinding {
    qsizetype characters = 0;
    QString text() const;
};

// Control characters other than line breaks and tab (NUL, ESC, ...), which
// no phone shows: nothing is sent.
struct ControlFinding {
    QChar character;  // the first
    QString text() const;
};

// Recipients that cannot be numbers of the region: nothing is sent.
struct ImpossibleFinding {
    QStringList recipients;
    QString regionName;  // "Greece (+30)"; "" without a region
    QString text() const;
    QString advice() const;
};

// Recipients in national format while no region is known (none chosen, and
// the system names none, as under cron): whose numbers they are would be a
// guess, so nothing is sent until a region is set.
struct RegionFinding {
    QStringList recipients;
    QString text() const;
};

// Recipients that name one number; each would be sent and paid for.
struct RepeatFinding {
    QList<QStringList> groups;  // each in the order typed
    QString withoutRepeats;     // the recipients text without the later ones of each group
    QString text() const;
    QString question() const;  // for whoever can answer
};

// An originator that networks may replace or drop.
struct OriginatorFinding {
    QString originator;
    QString text() const;
};

// The most a send may cost before the user says so again: the threshold set
// in Options, or an allowance given for one send, which replaces it.
struct CostLimit {
    enum class Source { Options, Allowance };
    qint64 credits = 0;
    Source source = Source::Options;
};

// The limit of a send: `allowance` where given, else the Options threshold
// while "ask again above" is ticked; none otherwise.
std::optional<CostLimit> costLimit(const Preferences& preferences,
                                   std::optional<qint64> allowance = std::nullopt);

struct CostFinding {
    SendEstimate estimate;
    CostLimit limit;
    QString text() const;
    QString question() const;  // for whoever can answer
};

// A finding when `estimate`, of one request or the total of several, costs
// more than `limit`.
std::optional<CostFinding> checkCost(const SendEstimate& estimate,
                                     const std::optional<CostLimit>& limit);

struct DraftReview {
    MessageDraft draft;     // as it goes: without repeats after dropRepeats()
    SmsLength length;       // parts and alphabet of the message
    SendEstimate estimate;  // of the draft's recipients
    std::optional<CostLimit> limit;
    // In the order they are presented.
    std::optional<LengthFinding> tooLong;
    std::optional<ControlFinding> control;
    std::optional<RegionFinding> noRegion;
    std::optional<ImpossibleFinding> impossible;
    std::optional<RepeatFinding> repeats;
    std::optional<OriginatorFinding> originator;
    std::optional<CostFinding> costly;

    // Once to each number: the recipients without repeats, counted and
    // priced anew.
    void dropRepeats();
};

// Reviews `draft` by the user's preferences (the region and whether the
// recipients are checked, the cost threshold), with `allowance` as the cost
// limit of this send where given.
DraftReview reviewDraft(const MessageDraft& draft, const Preferences& preferences,
                        std::optional<qint64> allowance = std::nullopt);

}  // namespace pelicast
