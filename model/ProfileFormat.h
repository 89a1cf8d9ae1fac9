// Facts of the profile file format that several parts of the program share: the element and
// list names, the XPath queries by which nodes are found, and the version check made on the
// text before it is parsed.
//
// Every query binds `dfns` to the profile namespace. Queries that take a PID or a name take it
// as the XPath variable $pid or $name, so no user text is ever pasted into an expression.
#pragma once

#include <QString>

namespace zqv::profile {

// Singletons.
inline constexpr char kQueryVersion[] = "//dfns:version";
inline constexpr char kQueryLimit[] = "//dfns:limit";
inline constexpr char kQuerySetting[] = "//dfns:setting";
// The first of a list; the rest follow as siblings in document order.
inline constexpr char kQueryFirstLanguage[] = "//dfns:language";
inline constexpr char kQueryFirstPublicGroup[] = "//dfns:PublicGroup";
inline constexpr char kQueryFirstPrivateGroup[] = "//dfns:PrivateGroup";
inline constexpr char kQueryFirstPrivate[] = "//dfns:Private";
inline constexpr char kQueryFirstTextMessage[] = "//dfns:TextMessage";
// Relative to a Private: its parent private groups.
inline constexpr char kQueryParentGroups[] = "./dfns:*/dfns:ParentPrivateGroup";
// Counts.
inline constexpr char kQueryScrollList[] = "//dfns:*[@cntct_type and @in_scroll_list = 1]";
// %1 = channel number.
inline constexpr char kQueryScanListOfChannel[] = "//dfns:PublicGroup[@channel = %1 and @in_scan_list = 1]";
// Look-ups by PID ($pid) and name ($name).
inline constexpr char kQueryContactByPid[] = "//dfns:*[@cntct_type and @pid = $pid]";
inline constexpr char kQueryGroupMembers[] = "//dfns:ParentPrivateGroup[@pid = $pid]";
inline constexpr char kQueryPublicGroupByPid[] = "//dfns:PublicGroups/dfns:PublicGroup[@pid = $pid]";
inline constexpr char kQueryPrivateByPid[] = "//dfns:Privates/dfns:Private[@pid = $pid]";
inline constexpr char kQueryPrivateScrollList[] = "//dfns:Privates/dfns:Private[@pid = $pid]/dfns:scrolllist/dfns:list";
inline constexpr char kQueryAllContacts[] = "//dfns:Contacts/dfns:*/dfns:*";
inline constexpr char kQueryContactByName[] = "//dfns:Contacts/dfns:*/dfns:*[@name = $name]";
inline constexpr char kQueryContactNameContains[] = "//dfns:Contacts/dfns:*/dfns:*[contains(@name, $name)]";
// %1 = the list element's name (a fixed name from the program, never user text).
inline constexpr char kQueryChildrenOfList[] = "//dfns:%1/dfns:*";

// Contact types (the `cntct_type` attribute).
enum ContactType { kPrivateContact = 0, kPrivateGroup = 1, kPublicGroup = 2 };

// The fixed limits of the radio image.
inline constexpr int kMaxContacts = 150;
inline constexpr int kMaxTextMessages = 25;
inline constexpr int kMaxLanguages = 6;
inline constexpr int kMaxParentGroups = 5;
inline constexpr int kPublicGroupBanks = 4;
// Public groups on one channel's scan list.
inline constexpr int kMaxScanListEntries = 10;

// The version check made on profile text before it is parsed: the value of the first
// `clone_compatibility_version="..."` must be exactly "1" or "3".
bool IsSupportedCloneVersion(const QString &profileText);

// How a model code (the `model` attribute of `limit`) reads as the model's name wherever it
// is shown, in the profile tree's root label and in report titles: every "Z" is spelled
// "ZQV" ("Z450" reads "ZQV450"). The code itself is stored and sent to the radio unchanged.
QString ModelDisplayName(const QString &modelCode);

}  // namespace zqv::profile
