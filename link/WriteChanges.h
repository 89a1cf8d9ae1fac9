// What writing a profile into a radio changes: the values the radio would hold that differ
// from what the profile says. A write converts the profile to the virtual codeplug record,
// prepares the record the way the write does, and encodes each record on the link, where
// names, PIDs and texts are cut to the radio's field lengths, characters become single bytes,
// numbers lose what does not fit their field, and the radio keeps only memberships and home
// groups that name one of its groups. The list is found by running exactly that: the
// record conversion, the write's own preparation, the link's encoders and decoders, the tidy
// a read applies, and the conversion back to profile text, and comparing the result with the
// profile field by field. No cap is repeated here, so the list cannot drift from what a
// write does.
#pragma once

#include "Prompter.h"

#include "VirtualCPData.h"

#include <QString>
#include <QStringList>
#include <vector>

namespace zqv::link {

struct WriteChange {
    enum Kind {
        Value,  // the radio would hold `radioValue` instead of `profileValue`
        NotSent,  // the element is not written (over a limit, outside the ID blocks, no name)
        NotEncodable,  // the element is not written: its record does not fit a request
        DuplicateName,  // a private contact's name is also another's (`radioValue` names it)
        DuplicatePid,  // a contact's PID is also another's of its type (`radioValue` names it)
    };
    Kind kind = Value;
    QString element;  // "setting", "Private[3] \"Ann\"", "TextMessage[2]"
    QString field;  // the attribute, or "ParentPrivateGroup" for the memberships
    QString profileValue;
    QString radioValue;
};

// A record prepared for the write as the radio stores it and a read returns it: settings,
// contacts and texts each through the link's encoder and decoder, in sending order, then the
// read's tidy of memberships. `sentSlots`/`sentTexts` give the record slot of each radio slot;
// `notEncodable` the contact slots whose record does not fit a request.
struct RadioCopy {
    VirtualCPData radio;
    std::vector<int> sentSlots;
    std::vector<int> notEncodable;
    std::vector<int> sentTexts;
};
RadioCopy StoreAsRadio(const VirtualCPData &record);

// The changes a write of profile text `text` would make, in profile order: the setting
// element, the contacts (public groups, private groups, private contacts), the text
// messages, then duplicate private-contact names and duplicate PIDs. `ownPid` is the private ID of the radio
// about to be written (empty when not known), as the conversion takes it for the private
// scroll list. The radio's other limits are taken to be the profile's. Throws the data
// model's exception when the profile does not convert (as the write would).
std::vector<WriteChange> ListWriteChanges(const QString &text, const QString &ownPid = QString());

// Control characters are invisible in a message: `value` with them as escapes ("\t",
// "\x1b"), so a tab that became a blank, or a name holding a terminal escape, shows as such.
QString VisibleText(const QString &value);

// One change as a line of text from the string table; control characters in values are shown
// as escapes ("\t"), so a tab that became a blank is visible.
QString DescribeWriteChange(const WriteChange &change);
QStringList DescribeWriteChanges(const std::vector<WriteChange> &changes);

// Before a write: when `lines` is not empty, asks whether to write anyway (OK / Cancel).
// True to go on.
bool ConfirmWriteChanges(IPrompter &prompter, const QStringList &lines);

}  // namespace zqv::link
