// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <string>

namespace pelicast {

// What the recipients text of a send holds, element by element (the pieces
// between ";"; blank ones are skipped). Elements are named trimmed, but
// otherwise as typed: the check never rewrites a number.
struct RecipientReport {
    // Elements that cannot be a phone number of the region.
    QStringList impossible;
    // Elements that name one number, in groups, each in the order typed.
    QList<QStringList> repeats;
    // The recipients text without the second and later element of each
    // group; the text itself when there are none.
    QString withoutRepeats;
    // Elements in national format while no region is known to read them in.
    QStringList national;
};

// Reads every element as a phone number of `region` (a two-letter code).
// A picker label, "Surname, Firstname (number)", is read by the number in
// its brackets. With a region that is "" or unknown, elements are compared
// by their text without spaces, dashes, dots and brackets, and none is
// refused; unless `regionKnown` is false (no region was chosen, and the
// system names none): then elements in international format ("+30…",
// "0030…") are read as always, and the others are listed in `national`, as
// no region tells whose numbers they are.
RecipientReport checkRecipients(const QString& recipients, const QString& region,
                                bool regionKnown = true);

// The number an element names: a picker label's is in the brackets that end
// it; anything else is its own.
QStringView recipientNumber(QStringView element);

// What elements that name one number share, to find repeats: in a region,
// its country code and national number ("30 6941234567"), "" for an element
// that cannot be a number of the region; without a region (or an unknown
// one), its text without blanks, dashes, dots and brackets. A picker label
// is read by the number in its brackets. With `regionKnown` false and no
// region, only international numbers can be read (see needsRegion()).
class NumberKeys {
public:
    explicit NumberKeys(const QString& region, bool regionKnown = true);
    bool byText() const { return byText_; }
    // An element in national format while no region is known to read it in.
    bool needsRegion(QStringView element) const;
    QString of(QStringView element) const;

private:
    bool inRegion_;
    bool byText_;
    std::string region_;
};

// The two-letter codes of the regions whose numbers can be read, sorted.
QStringList phoneRegions();
// The same, sorted by phoneRegionName() as the user's language sorts.
QStringList phoneRegionsByName();
bool isPhoneRegion(const QString& region);
// The version of libphonenumber the number rules come from; "" when the
// module cannot be loaded or the version not told.
QString phoneNumberLibraryVersion();
// The country calling code of a region (30 for "GR"), 0 for an unknown one.
int callingCode(const QString& region);
// How a region is shown: "Greece (+30)".
QString phoneRegionName(const QString& region);
// The region of the system locale, or "" when it names none that is known
// (the C locale).
QString systemPhoneRegion();
// A guess for the user to confirm: the region of the system's time zone,
// else of the system locale; "" when neither names one.
QString guessedPhoneRegion();

}  // namespace pelicast
