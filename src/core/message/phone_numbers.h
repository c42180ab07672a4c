// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

namespace pelicast::phone_numbers {

// The phone-number rules, from a module of their own that a program loads
// when it first reads a number: libphonenumber, with protobuf and abseil
// under it, linked into the programs cost every start a few milliseconds.
struct Functions {
    // Reads `number` as a number of `region`: false when it cannot be one,
    // else its country code and national significant number.
    bool (*read)(const std::string& number, const std::string& region, int* countryCode,
                 std::string* national);
    // The two-letter codes of the regions whose numbers can be read, sorted.
    std::vector<std::string> (*regions)();
    // The country calling code of `region`, 0 for an unknown one.
    int (*callingCode)(const std::string& region);
    // The version of the libphonenumber loaded ("8.12"), from its file's
    // name: the library states none. "" when it cannot be told.
    std::string (*libraryVersion)();
};

// The function the module hands its Functions out with.
inline constexpr char kEntryPoint[] = "pelicast_phone_numbers";
using Entry = const Functions* (*)();

}  // namespace pelicast::phone_numbers
