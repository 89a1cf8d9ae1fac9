// What differs between two radio images, in the profile's own terms: contacts and groups are
// matched by type and PID (not by slot, so a contact that moved in the list is not a change),
// then their names, memberships, home group, scroll and scan list entries and other fields are
// compared; settings and radio features field by field; text messages by their text (a message
// only moved is no change; a changed one pairs with the one it replaced). The write's change
// report (radio before the write against what it will hold), the check after a write (what was
// sent against what the radio gives back) and `zqvcps-cli diff` all use it.
#pragma once

#include "VirtualCPData.h"

#include <QString>
#include <QStringList>
#include <vector>

namespace zqv::link {

struct ProfileDifference {
    enum Kind { Added, Removed, Changed };
    Kind kind = Changed;
    QString section;  // "contact", "setting", "feature" or "text", for scripts
    QString key;  // the contact's "type:pid", the text's number, or the field name
    QString item;  // what a person reads: "Private contact "Ann" (1001)", "Settings"
    QString field;  // Changed only: "name", "in scan list", "backlight"
    QString oldValue;  // Changed only
    QString newValue;  // Changed only
};

// The differences from `before` to `after`: changed and added contacts in `after`'s order,
// then removed ones, settings, features and texts. A contact whose PID changed while its type
// and name stayed is one change of its PID rather than a removal and an addition. The radio's
// clock, identity and the counters a link keeps are not compared.
std::vector<ProfileDifference> CompareRecords(const VirtualCPData &before, const VirtualCPData &after);

// What tells two radios apart: the unit's private ID and the firmware version, as Changed
// differences of the section "radio". A comparison of two profiles puts them first; the
// write's change report and its check do not, as they compare one radio with itself.
std::vector<ProfileDifference> CompareIdentities(const VirtualCPData &before, const VirtualCPData &after);

// One difference as a line: "Private contact "Ann" (1001), name: Ann → Anne". Control
// characters in names and values are shown as escapes ("\t", "\x1b").
QString DescribeDifference(const ProfileDifference &difference);
QStringList DescribeDifferences(const std::vector<ProfileDifference> &differences);
// The differences as a JSON document: {"equal": bool, "differences": [{kind, section, key,
// item, field, old, new}, ...]}.
QByteArray DifferencesToJson(const std::vector<ProfileDifference> &differences);

// What a radio holds after `record` is written into a radio with the limits `radio`, as a
// read gives it back: the write's checks and preparation, each record through the link's
// encoder and decoder, then the read's own tidying.
VirtualCPData ExpectedAfterWrite(const VirtualCPData &record, const VirtualCPLimit &radio);

}  // namespace zqv::link
