// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the program sends to the gateway and what it relies on in the replies.
// The gateway stand-in includes this header too, so both sides agree by
// construction. Plain constant texts, no Qt.
namespace pelicast::protocol {

// Pages, each addressed as transport base + domain + "/" + page.
inline constexpr auto kSendPage = "comsend.asp";
inline constexpr auto kCreditsPage = "comcredits.asp";
inline constexpr auto kUploadPage = "commultiaddc.asp";
// Opened in the browser only.
inline constexpr auto kNewUserPage = "newuser.asp";
inline constexpr auto kBuyPage = "buy.asp";

// Field names.
inline constexpr auto kUser = "user";
inline constexpr auto kPass = "pass";
inline constexpr auto kSms = "sms";
inline constexpr auto kRcpt = "rcpt";
inline constexpr auto kFrom = "from";
inline constexpr auto kAff = "aff";
inline constexpr auto kNewName = "newname";
inline constexpr auto kNewNum = "newnum";
inline constexpr auto kNewEmails = "newemails";
inline constexpr auto kNewGroups = "newgroups";
inline constexpr auto kDelOld = "delold";
// The only value "delold" takes; the field is left out when groups are kept.
inline constexpr auto kDelOldValue = "1";
// Names the program's maker to the gateway.
inline constexpr auto kAffiliate = "brackel";

// The fields of each page, in the order they are sent.
inline constexpr const char* kSendFields[] = {kUser, kPass, kSms, kRcpt, kFrom, kAff};
inline constexpr const char* kCreditsFields[] = {kUser, kPass};
// "delold" follows these when existing groups are to be replaced.
inline constexpr const char* kUploadFields[] = {kUser,   kPass,      kNewName,
                                                kNewNum, kNewEmails, kNewGroups};

// Written for every ";" in "rcpt" and "newgroups".
inline constexpr auto kListSeparator = "----";
// Precedes every line of "newname", "newnum" and "newemails".
inline constexpr auto kLineBreak = "\r\n";
inline constexpr auto kFormContentType = "application/x-www-form-urlencoded";

// A reply states the account's balance after this marker, spelled and
// capitalised exactly so.
inline constexpr auto kCreditsMarker = "Credits Left:";
// A reply holding one of these, in any case, says that the gateway did not
// take the request on, even when it states a balance ("Invalid recipient.
// Credits Left: 100").
inline constexpr const char* kRefusalWords[] = {"Nothing was sent", "Wrong user name or password",
                                                "Invalid"};

// Messages sent under the service's own name (or no name) cost less per
// recipient than those under a sender name of the user's choice.
inline constexpr auto kServiceOriginator = "Quillo";
inline constexpr int kServicePrice = 5;
inline constexpr int kOwnOriginatorPrice = 6;

}  // namespace pelicast::protocol
