// What a dealer should look at in a profile before it goes into a radio: everything a write
// would change (the list `check` prints, from WriteChanges) and the things a radio takes as
// they are but that are most likely mistakes: a private group without members, a private
// contact in no group, a scan list at its limit, a contact whose home group is on another
// channel, and two contacts whose names only differ in case or accents.
//
// Each problem names the element it is about, so a window can take the user to it.
#pragma once

#include "Prompter.h"

#include <QString>
#include <QStringList>
#include <vector>

namespace zqv {
class CXmlDocument;
}

namespace zqv::link {

struct ProfileProblem {
    enum Kind {
        WriteChange,  // a write would change or leave out something (see WriteChanges.h)
        EmptyPrivateGroup,
        UngroupedPrivate,
        ScanListFull,
        HomeGroupOtherChannel,
        DuplicateName,
    };
    // The element a problem is about.
    enum Place { Nowhere, Settings, PublicGroup, PrivateGroup, Private, TextMessage, ScanChannel };
    Kind kind = WriteChange;
    Place place = Nowhere;
    int index = 0;  // 0-based among the elements of its place; the channel - 1 for ScanChannel
    QString text;  // the line shown to the user, from the string table
};

// The problems of profile document `doc` a write would not show: the dealer's own checks, in
// profile order (private groups, private contacts, scan lists, duplicate names).
std::vector<ProfileProblem> ListDealerProblems(const CXmlDocument &doc);

// Everything: what a write of `text` (the same profile as text) would change, then the dealer
// checks of `doc`. Throws the data model's exception when the profile does not convert.
std::vector<ProfileProblem> ListProfileProblems(const CXmlDocument &doc, const QString &text);

// Before a write: when `problems` is not empty, asks once whether to write anyway (OK /
// Cancel), listing them. True to go on.
bool ConfirmProfileProblems(IPrompter &prompter, const std::vector<ProfileProblem> &problems);

}  // namespace zqv::link
