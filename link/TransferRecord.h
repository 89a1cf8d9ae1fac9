// What the transfer operations do to a virtual codeplug record around the commands: counting,
// finding contacts, tidying private contacts after a read, the manager-mode and see-all-groups
// switches of the radio's own contact, the check that a profile fits a radio, and the order
// and numbering of the records a write sends. Pure functions, so each rule is testable alone.
#pragma once

#include "VirtualCPData.h"

#include <QString>
#include <vector>

namespace zqv::link {

// Recounts contact_count (slots whose name and pid are both set), private_group_count,
// public_group_count and text_message_count (non-empty texts).
void RecountCounters(VirtualCPData &record);

// The first slot whose name and pid are set, whose type is `type` and whose pid is `pid`;
// -1 when there is none.
int FindContact(const VirtualCPData &record, const QString &pid, int type);

// After a read: parent PIDs that are not private groups are emptied, a home group that is
// neither a private nor a public group is emptied, and a private home group that is not yet
// one of the parents takes the first free parent slot. Slots from max_num_of_contacts on are
// left alone.
void TidyPrivateContacts(VirtualCPData &record);

// After a read: every control character (codes below 32, and 127) in the contact names, the
// texts, the model name and the public-group bank names becomes a blank, because a profile
// cannot hold them. Returns how many were replaced.
int BlankControlCharacters(VirtualCPData &record);

// After a read: the radio's own private contact (pid = the unit PID) gets manager mode and
// see-all-groups in its flags B exactly when the settings switch and the radio's feature are
// both on.
void ApplyOwnContactFlags(VirtualCPData &record);

// The last steps of every read, in order: ApplyOwnContactFlags, then BlankControlCharacters
// (its count returned). The check after a write expects what a read gives back through this.
int FinishRead(VirtualCPData &record);

// Before a write: the settings switches mngr_mode and see_all_grps follow the own contact's
// flags B, each only where the radio's feature is on.
void ApplyOwnSettingFlags(VirtualCPData &record);

// Before a write, once the record has been checked against the radio: a radio whose
// features disable vibracall gets vibracall 2 whatever the profile says, the record takes the
// radio's limits, and the settings switches follow the radio's own contact
// (ApplyOwnSettingFlags).
void PrepareRecordForWrite(VirtualCPData &record, const VirtualCPLimit &radio);

// Whether a clone-compatibility version fits the model family.
bool ModelFits(std::uint8_t cloneCompatibilityVersion, int modelFamily);

// Whether a PID lies in one of the public-group ID blocks of `limit`.
bool InPublicGroupBlocks(const QString &pid, const VirtualCPLimit &limit);

// Checks the profile `record` against the radio's `radio` limits before a write. Public
// groups outside the radio's ID blocks are dropped from the record (slot emptied, counters
// lowered). Returns true when everything fits. `record`'s counters must be current.
bool CheckFits(VirtualCPData &record, const VirtualCPLimit &radio);

// The contact slots a write sends, in sending order: private groups, then public groups, then
// private contacts, each in slot order and up to its own limit, the whole list cut to
// max_num_of_contacts. The records are numbered 1..size() in this order.
std::vector<int> ContactsToSend(const VirtualCPData &record);

// The text slots a write sends: the non-empty texts in slot order, at most
// max_num_of_predefined_msgs of them, numbered 1..size().
std::vector<int> TextsToSend(const VirtualCPData &record);

}  // namespace zqv::link
