// SPDX-License-Identifier: GPL-3.0-or-later
// The module of phone_numbers.h, over libphonenumber.
#include <dlfcn.h>
#include <phonenumbers/phonenumberutil.h>

#include <climits>
#include <cstdlib>
#include <set>

#include "core/message/phone_numbers.h"

using i18n::phonenumbers::PhoneNumber;
using i18n::phonenumbers::PhoneNumberUtil;

namespace {

bool read(const std::string& text, const std::string& region, int* countryCode,
          std::string* national) {
    const PhoneNumberUtil& util = *PhoneNumberUtil::GetInstance();
    PhoneNumber number;
    if (util.Parse(text, region, &number) != PhoneNumberUtil::NO_PARSING_ERROR ||
        !util.IsPossibleNumber(number))
        return false;
    *countryCode = number.country_code();
    util.GetNationalSignificantNumber(number, national);
    return true;
}

std::vector<std::string> regions() {
    std::set<std::string> codes;
    PhoneNumberUtil::GetInstance()->GetSupportedRegions(&codes);
    return {codes.cbegin(), codes.cend()};
}

int callingCode(const std::string& region) {
    return PhoneNumberUtil::GetInstance()->GetCountryCodeForRegion(region);
}

// The file the library was loaded from, its links followed to the name
// that ends in the full version: libphonenumber.so.8.12.
std::string libraryVersion() {
    Dl_info info{};
    if (dladdr(reinterpret_cast<void*>(&PhoneNumberUtil::GetInstance), &info) == 0 ||
        !info.dli_fname)
        return {};
    char resolved[PATH_MAX];
    if (!realpath(info.dli_fname, resolved))
        return {};
    const std::string path(resolved);
    const std::size_t at = path.rfind(".so.");
    return at == std::string::npos ? std::string() : path.substr(at + 4);
}

constexpr pelicast::phone_numbers::Functions kFunctions{read, regions, callingCode, libraryVersion};

}  // namespace

extern "C" __attribute__((visibility("default"))) const pelicast::phone_numbers::Functions*
pelicast_phone_numbers() {
    return &kFunctions;
}
