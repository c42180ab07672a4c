// SPDX-License-Identifier: GPL-3.0-or-later
// The module of phone_numbers.h, over libphonenumber.
#include <phonenumbers/phonenumberutil.h>

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

constexpr pelicast::phone_numbers::Functions kFunctions{read, regions, callingCode};

}  // namespace

extern "C" __attribute__((visibility("default"))) const pelicast::phone_numbers::Functions*
pelicast_phone_numbers() {
    return &kFunctions;
}
