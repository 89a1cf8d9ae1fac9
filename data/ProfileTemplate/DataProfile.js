"use strict";
// ZQV CPS rule script: every business rule of profile editing.
//
// The program calls these functions through the hooks that DataProfile.xsd names:
//   SetVal(element, attribute, value, r1, param, r2) -> int   an attribute write
//   CanAddChild(list) -> bool                                may the list take one more child
//   OnAddNew(list[, text]) -> new node or null               create, insert and return a child
//   OnDelete(child, r1, param, r2) -> int                     delete a child and what depends on it
//   IsEnabled(folder) -> bool                                 does the tree show the folder
// Results: 0 applied (a non-zero r1 is then a notice to show), 1 refused (r1 = message id,
// r2 = message-box style), 2 question (r1/r2 as for a refusal; on OK the view repeats the call
// with param 1, or with the box's answer itself for the private scroll list switch).
// The script changes the profile itself; the views re-read what they show after each call.
//
// The rules at a glance
//   Names        1-20 characters, ISO-8859-1 letters, unlike every other contact's name
//                (similar = equal under the program's name order: case and accents folded)
//   Private PID  digits, within valid_PID_start..valid_PID_end, unlike every other contact's
//   Group PIDs   public: inside one of the four banks; private: digits; both unlike the others.
//                A private group may take the ID of a private contact whose id_in_use is 0
//                (the group form offers exactly those IDs).
//   Channels     1..max_num_of_channels
//                public group: question if it is on a scan list; it moves to the new channel's
//                  scan list, or drops off with a notice when that list holds 10 already
//                private group: refused when no private contact on the new channel could join;
//                  question if it has members; the members are removed
//                private contact: question if it has groups or a home group; it leaves all its
//                  groups, groups left empty are deleted, its home group is cleared
//                a group that leaves a channel stops being the home group of contacts there
//   Home group   none, or a group on the contact's channel; a private group is joined as well
//                (refused when the contact is in 5 groups already)
//   Memberships  at most 5 per private contact; only groups on the contact's channel; the last
//                member of a group cannot be moved to another group
//   Scan list    at most 10 public groups per channel
//   Deleting     public group: at once; private group: question if it has members; private
//                contact: question if it is in groups, groups left empty are deleted. Every
//                deletion clears memberships, home groups, the call-forward target and private
//                scroll-list entries that named the deleted contact.
//   Renaming     private scroll-list entries follow the new name; changed group PIDs are
//                followed by memberships, home groups and the call-forward target
//   Adding       within max_num_of_contacts (all contacts together, at most 150),
//                max_num_of_public_grps, max_num_of_private_grps, max_num_of_predefined_msgs
//                (at most 25); a new contact gets a unique name ("Public 1", "Group 1",
//                "Private 1"), a free ID, channel 1 and sits on the scroll list
//   Texts        1-80 ISO-8859-1 characters
//   Settings     password empty or 4 digits; volumes, ringer, tone offset, noise levels,
//                contrast, clock and alarm time in their ranges; vibracall, backlight and Tx
//                timeout one of the values the settings form offers; language one of the
//                model's; switches stored as 0/1
//   Writing the value an attribute already has is always accepted and changes nothing.

// ------------------------------------------------------------------ messages (string table)
const MSG = {
    SIMILAR_NAME: 127,                    // "A similar name already exists in the contact list. ..."
    SIMILAR_PID: 132,                     // "A similar PID already exists in the contact list. ..."
    PUBLIC_CHANNEL_QUESTION: 133,         // "Changing the channel will remove this public group from channel %d's scan list ..."
    SCAN_LIST_FULL_NOTICE: 134,           // "Channel changed successfully, but the new channel's scan list is full ..."
    NO_PRIVATE_ON_CHANNEL: 135,           // "Programing error: 135.\nNo available private contacts in the new channel."
    PRIVATE_GROUP_CHANNEL_QUESTION: 136,  // "Changing this Private Group's channel will remove all of its members. ..."
    PRIVATE_CHANNEL_QUESTION: 137,        // "Changing this Private contact's channel will remove it from all of its Private Groups ..."
    IN_MAX_GROUPS: 140,                   // "Private contact already belongs to maximum number of private groups. ..."
    DELETE_PRIVATE_GROUP_QUESTION: 141,   // "Deleting this Private Group will remove all of its members. ..."
    DELETE_PRIVATE_QUESTION: 142,         // "Deleting this Private contact will remove it from all of its Private Groups ..."
    NAME_LENGTH: 165,                     // "The length of contact name can not exceed %d."
    TEXT_LENGTH: 201,                     // "The length of text message can not exceed %d characters."
    TEXT_NOT_LATIN1: 217,                 // "The message can only contain ISO-8859-1 characters. ..."
    NAME_NOT_LATIN1: 218,                 // "Contact name can only contain ISO-8859-1 characters."
    PASSWORD_DIGITS: 295,                 // "Please enter 4 numeric characters."
    GROUP_NEEDS_MEMBER: 10106,            // "There should be at least one group member assigned!"
    ID_NOT_VALID: 30010,                  // "This ID is not valid for this radio model."
    SCAN_LIST_AT_MAXIMUM: 32102,          // "Reached maximum number of contacts in this channel."
    COPY_SCROLL_LIST_QUESTION: 30011,     // "The private scroll list is empty. Do you want to start it with the contacts of the scroll list?"
    VALUE_NOT_VALID: 30012                // "The value is not valid."
};

// Message-box styles and answers (the Windows numbers the views use).
const MB = { OK: 0x0, OKCANCEL: 0x1, YESNO: 0x4, ICONERROR: 0x10, ICONQUESTION: 0x20, ICONWARNING: 0x30, ICONINFORMATION: 0x40 };
const ANSWER = { OK: 1, CANCEL: 2, YES: 6, NO: 7 };
const RESULT = { APPLIED: 0, REFUSED: 1, QUESTION: 2 };

// Fixed limits of the radio family.
const NAME_MAX = 20;
const TEXT_MAX = 80;
const CONTACTS_MAX = 150;
const TEXTS_MAX = 25;
const GROUPS_PER_PRIVATE = 5;
const SCAN_LIST_MAX = 10;

// Numeric attributes with a plain range; a limit attribute's name stands for its value.
const RANGES = {
    alert_tone: [1, 12],
    contrast: [0, 6],
    ringer_vol_level: [0, "max_vol_level"],
    keypad_vol_level: [0, "max_vol_level"],
    speaker_vol_level: [1, "max_vol_level"],
    alarm_vol_level: [1, "max_vol_level"],
    earpiece_vol_level: [1, "max_vol_level"],
    tpt_offset: [0, 13],
    noise_level_accessory: [1, 4],
    noise_level_radio: [1, 4],
    // seconds since 1970: the clock within the date picker's years 2000-2059, the alarm a
    // time of day on any date up to then
    current_time: [946684800, 2840140799],
    alarm_time: [0, 2840140799]
};

// Numeric attributes that take one of a few values: those the settings form offers.
const CHOICES = {
    vibracall: [1, 2],                                // on, off
    backlight: [90000, 30000, 20000, 10000, 5000, 0], // milliseconds; 0 = off
    tot_timer: [60, 120, 180]                         // seconds
};

// ------------------------------------------------------------------ answers

function refuse(r1, r2, message, style) {
    r1.value = message;
    r2.value = style === undefined ? (MB.OK | MB.ICONWARNING) : style;
    return RESULT.REFUSED;
}

function ask(r1, r2, message, style) {
    r1.value = message;
    r2.value = style === undefined ? (MB.OKCANCEL | MB.ICONQUESTION) : style;
    return RESULT.QUESTION;
}

function notice(r1, r2, message) {
    r1.value = message;
    r2.value = MB.OK | MB.ICONINFORMATION;
    return RESULT.APPLIED;
}

function confirmed(param) {
    return param === ANSWER.OK || param === ANSWER.YES;
}

// ------------------------------------------------------------------ reading the profile

function attr(node, name) {
    const value = node.getAttribute(name);
    return value === null || value === undefined ? "" : String(value);
}

// A whole unsigned decimal number, or NaN.
function number(text) {
    text = String(text).trim();
    return /^[0-9]+$/.test(text) ? Number(text) : NaN;
}

// A switch as 1/0 or true/false, or null. The profile spells it 0 or 1.
function flag(text) {
    const t = String(text).trim().toLowerCase();
    if (t === "1" || t === "true")
        return 1;
    if (t === "0" || t === "false")
        return 0;
    return null;
}

function limitOf(node) {
    return node.selectSingleNode("/dfns:ZQVProfile/dfns:limit");
}

function limitNumber(node, name) {
    const n = number(attr(limitOf(node), name));
    return isNaN(n) ? 0 : n;
}

function removeNode(node) {
    node.parentNode.removeChild(node);
}

const CONTACTS_PATH = "/dfns:ZQVProfile/dfns:Contacts/dfns:*/dfns:*[@cntct_type]";

function allContacts(node) {
    return node.selectNodes(CONTACTS_PATH);
}

// Is `node` one of allContacts()?
function isContact(node) {
    return node.selectSingleNode("self::dfns:*[@cntct_type][parent::dfns:*/parent::dfns:Contacts]") !== null;
}

function privates(node) {
    return node.selectNodes("/dfns:ZQVProfile/dfns:Contacts/dfns:Privates/dfns:Private");
}

function contactByName(node, name) {
    return node.selectSingleNode("/dfns:ZQVProfile/dfns:Contacts/dfns:*/dfns:*[@cntct_type and @name=$n]", { n: name });
}

function contactByPid(node, pid) {
    return node.selectSingleNode("/dfns:ZQVProfile/dfns:Contacts/dfns:*/dfns:*[@cntct_type and @pid=$p]", { p: pid });
}

function privateGroupByPid(node, pid) {
    return node.selectSingleNode("/dfns:ZQVProfile/dfns:Contacts/dfns:PrivateGroups/dfns:PrivateGroup[@pid=$p]", { p: pid });
}

// The group a home-group PID names: a private group first, then a public group.
function groupByPid(node, pid) {
    return privateGroupByPid(node, pid) ||
           node.selectSingleNode("/dfns:ZQVProfile/dfns:Contacts/dfns:PublicGroups/dfns:PublicGroup[@pid=$p]", { p: pid });
}

// The ParentPrivateGroup entries of one private contact.
function membershipsOf(contact) {
    return contact.selectNodes("dfns:ParentPrivateGroups/dfns:ParentPrivateGroup");
}

// The ParentPrivateGroup entries, over all private contacts, that name a group.
function membersOf(node, groupPid) {
    return node.selectNodes("/dfns:ZQVProfile/dfns:Contacts/dfns:Privates/dfns:Private/dfns:ParentPrivateGroups/dfns:ParentPrivateGroup[@pid=$p]",
                            { p: groupPid });
}

function scanListCount(node, channel, except) {
    return node.selectNodes("/dfns:ZQVProfile/dfns:Contacts/dfns:PublicGroups/dfns:PublicGroup[@in_scan_list = 1]")
        .filter(g => g !== except && number(attr(g, "channel")) === channel).length;
}

function contactLimit(node) {
    return Math.min(limitNumber(node, "max_num_of_contacts"), CONTACTS_MAX);
}

// ------------------------------------------------------------------ names and texts

// Printable ISO-8859-1 only: no control characters, nothing above 255.
function isLatin1Text(text) {
    for (let i = 0; i < text.length; ++i) {
        const c = text.charCodeAt(i);
        if (c < 0x20 || (c >= 0x7f && c <= 0x9f) || c > 0xff)
            return false;
    }
    return true;
}

// The scans of every contact below (names, IDs, the count) run on every edit and every
// imported row: the node answers them itself (contactCount, countContactsNamedLike,
// contactNumbers) instead of a script object per contact.
function nameTaken(node, name, except) {
    let similar = node.countContactsNamedLike(name);
    if (similar > 0 && except && isContact(except) && Host.compareNames(attr(except, "name"), name) === 0)
        --similar;
    return similar > 0;
}

// The message that refuses a contact name, or 0.
function nameProblem(contact, name) {
    if (name.length < 1 || name.length > NAME_MAX)
        return MSG.NAME_LENGTH;
    if (!isLatin1Text(name))
        return MSG.NAME_NOT_LATIN1;
    if (nameTaken(contact, name, contact))
        return MSG.SIMILAR_NAME;
    return 0;
}

// "<word> <n>" with the smallest n that no contact's name resembles, within 20 characters.
function defaultName(node, word) {
    word = String(word || "").trim();
    for (let n = 1; n <= CONTACTS_MAX + 1; ++n) {
        const suffix = " " + n;
        const name = word.substring(0, NAME_MAX - suffix.length) + suffix;
        if (!nameTaken(node, name, null))
            return name;
    }
    return null;
}

// ------------------------------------------------------------------ PIDs

const PID_PATTERN = /^(0|[1-9][0-9]{0,10})$/;

// A private group and a private contact that is not in use may share an ID.
function maySharePid(a, b) {
    const unused = c => c.nodeName === "Private" && attr(c, "id_in_use") === "0";
    return (a.nodeName === "PrivateGroup" && unused(b)) || (b.nodeName === "PrivateGroup" && unused(a));
}

function pidTaken(contact, pid) {
    const n = number(pid);
    // Most IDs are free: only when some contact has it are the contacts themselves looked at.
    if (contact.contactNumbers("pid").indexOf(n) < 0)
        return false;
    return allContacts(contact).some(c => c !== contact && number(attr(c, "pid")) === n && !maySharePid(contact, c));
}

// The range of private IDs the model accepts, or null when the profile does not say.
function privateRange(node) {
    const limit = limitOf(node);
    const low = number(attr(limit, "valid_PID_start"));
    const high = number(attr(limit, "valid_PID_end"));
    return isNaN(low) || isNaN(high) || high < low ? null : { low: low, high: high };
}

// The public-group banks in use: each covers `size` IDs counting down from its start PID.
function publicBanks(node) {
    const limit = limitOf(node);
    const banks = [];
    for (let i = 0; i < 4; ++i) {
        const start = number(attr(limit, "public_grp_info_start_pid" + i));
        const size = number(attr(limit, "public_grp_info_lst_size" + i));
        const known = (start >= 17179867884 && start <= 17179869183) || (start >= 0 && start <= 10000001);
        if (size > 0 && known)
            banks.push({ high: start, low: Math.max(0, start - size + 1) });
    }
    return banks;
}

function usedPids(node) {
    return new Set(node.contactNumbers("pid"));
}

function freePrivatePid(node) {
    const range = privateRange(node);
    if (!range)
        return null;
    const used = usedPids(node);
    const last = Math.min(range.high, range.low + CONTACTS_MAX + 1);
    for (let n = range.low; n <= last; ++n)
        if (!used.has(n))
            return String(n);
    return null;
}

function freePublicPid(node) {
    const used = usedPids(node);
    for (const bank of publicBanks(node))
        for (let n = bank.high, k = 0; n >= bank.low && k <= CONTACTS_MAX; --n, ++k)
            if (!used.has(n))
                return String(n);
    return null;
}

// ------------------------------------------------------------------ dependent changes

// Contacts that had `group` as home group but are no longer on its channel lose it.
function clearForeignHomeGroups(group) {
    const pid = attr(group, "pid");
    const channel = attr(group, "channel");
    group.selectNodes("/dfns:ZQVProfile/dfns:Contacts/dfns:Privates/dfns:Private[@home_grp=$p]", { p: pid })
        .filter(c => attr(c, "channel") !== channel)
        .forEach(c => c.setAttribute("home_grp", ""));
}

// After a contact's ID changed from oldPid, what referred to it follows, unless another
// contact still has oldPid: memberships, home groups and the call-forward target.
function followPid(node, oldPid, newPid) {
    if (!privateGroupByPid(node, oldPid))
        membersOf(node, oldPid).forEach(m => m.setAttribute("pid", newPid));
    if (!groupByPid(node, oldPid))
        node.selectNodes("/dfns:ZQVProfile/dfns:Contacts/dfns:Privates/dfns:Private[@home_grp=$p]", { p: oldPid })
            .forEach(c => c.setAttribute("home_grp", newPid));
    const setting = node.selectSingleNode("/dfns:ZQVProfile/dfns:setting[@call_forward_id=$p]", { p: oldPid });
    if (setting && !contactByPid(node, oldPid))
        setting.setAttribute("call_forward_id", newPid);
}

function renameScrollEntries(node, oldName, newName) {
    if (contactByName(node, oldName))
        return;  // another contact still carries the old name
    node.selectNodes("/dfns:ZQVProfile/dfns:Contacts/dfns:Privates/dfns:Private/dfns:scrolllist/dfns:list[@name=$n]", { n: oldName })
        .forEach(e => e.setAttribute("name", newName));
}

// Removes a contact and every reference to it. A private contact's groups that are left
// without members are removed as well.
function removeContact(contact) {
    const list = contact.parentNode;
    const kind = contact.nodeName;
    const pid = attr(contact, "pid");
    const name = attr(contact, "name");
    const groups = kind === "Private" ? membershipsOf(contact).map(m => attr(m, "pid")) : [];
    removeNode(contact);

    if (kind === "PrivateGroup" && !privateGroupByPid(list, pid))
        membersOf(list, pid).forEach(removeNode);
    if (kind !== "Private" && !groupByPid(list, pid))
        list.selectNodes("/dfns:ZQVProfile/dfns:Contacts/dfns:Privates/dfns:Private[@home_grp=$p]", { p: pid })
            .forEach(c => c.setAttribute("home_grp", ""));
    if (!contactByPid(list, pid)) {
        const setting = list.selectSingleNode("/dfns:ZQVProfile/dfns:setting[@call_forward_id=$p]", { p: pid });
        if (setting)
            setting.setAttribute("call_forward_id", "");
    }
    if (!contactByName(list, name))
        list.selectNodes("/dfns:ZQVProfile/dfns:Contacts/dfns:Privates/dfns:Private/dfns:scrolllist/dfns:list[@name=$n]", { n: name }).forEach(removeNode);
    groups.forEach(g => removeGroupIfEmpty(list, g));
}

function removeGroupIfEmpty(node, groupPid) {
    const group = privateGroupByPid(node, groupPid);
    if (group && membersOf(node, groupPid).length === 0)
        removeContact(group);
}

// A private contact leaves all its groups (empty groups go) and loses its home group.
function leaveAllGroups(contact) {
    const groups = membershipsOf(contact).map(m => attr(m, "pid"));
    membershipsOf(contact).forEach(removeNode);
    groups.forEach(g => removeGroupIfEmpty(contact, g));
    contact.setAttribute("home_grp", "");
}

function addMembership(contact, groupPid) {
    let list = contact.selectSingleNode("dfns:ParentPrivateGroups");
    if (!list) {
        list = contact.createElement("ParentPrivateGroups");
        contact.insertBefore(list, contact.firstChild);
    }
    const entry = contact.createElement("ParentPrivateGroup");
    entry.setAttribute("pid", groupPid);
    list.appendChild(entry);
    return entry;
}

function scrollListOf(contact) {
    let list = contact.selectSingleNode("dfns:scrolllist");
    if (!list) {
        list = contact.createElement("scrolllist");
        contact.appendChild(list);
    }
    return list;
}

// ------------------------------------------------------------------ SetVal: every contact

function SetContactName(element, attribute, value, r1, param, r2) {
    const old = attr(element, "name");
    value = String(value);
    if (value === old)
        return RESULT.APPLIED;
    const problem = nameProblem(element, value);
    if (problem)
        return refuse(r1, r2, problem);
    element.setAttribute("name", value);
    renameScrollEntries(element, old, value);
    return RESULT.APPLIED;
}

// Any 0/1 switch.
function SetFlag(element, attribute, value, r1, param, r2) {
    const on = flag(value);
    if (on === null)
        return refuse(r1, r2, MSG.VALUE_NOT_VALID);
    element.setAttribute(attribute.nodeName, on);
    return RESULT.APPLIED;
}

// Any number with a plain range (RANGES).
function SetNumberInRange(element, attribute, value, r1, param, r2) {
    const name = attribute.nodeName;
    const range = RANGES[name];
    const n = number(value);
    const bound = b => typeof b === "string" ? limitNumber(element, b) : b;
    if (!range || isNaN(n) || n < bound(range[0]) || n > bound(range[1]))
        return refuse(r1, r2, MSG.VALUE_NOT_VALID);
    element.setAttribute(name, n);
    return RESULT.APPLIED;
}

// Any number from a fixed list of values (CHOICES).
function SetNumberFromChoices(element, attribute, value, r1, param, r2) {
    const name = attribute.nodeName;
    const choices = CHOICES[name];
    const n = number(value);
    if (!choices || choices.indexOf(n) < 0)
        return refuse(r1, r2, MSG.VALUE_NOT_VALID);
    element.setAttribute(name, n);
    return RESULT.APPLIED;
}

// ------------------------------------------------------------------ SetVal: PIDs

// Where each kind of contact takes its ID from: private contacts from the model's range,
// public groups from the banks; the group form offers private groups the IDs of contacts.
const PID_SOURCES = {
    Private: (node, n) => {
        const range = privateRange(node);
        return !range || (n >= range.low && n <= range.high);
    },
    PrivateGroup: (node, n) => true,
    PublicGroup: (node, n) => publicBanks(node).some(b => n >= b.low && n <= b.high)
};

function SetContactPid(element, attribute, value, r1, param, r2) {
    const old = attr(element, "pid");
    value = String(value).trim();
    if (value === old)
        return RESULT.APPLIED;
    if (!PID_PATTERN.test(value) || !PID_SOURCES[element.nodeName](element, number(value)))
        return refuse(r1, r2, MSG.ID_NOT_VALID);
    if (pidTaken(element, value))
        return refuse(r1, r2, MSG.SIMILAR_PID);
    element.setAttribute("pid", value);
    followPid(element, old, value);
    return RESULT.APPLIED;
}

// ------------------------------------------------------------------ SetVal: channels

// The new channel as a number, or NaN when it is outside 1..max_num_of_channels.
function channelNumber(element, value) {
    const n = number(value);
    return n >= 1 && n <= limitNumber(element, "max_num_of_channels") ? n : NaN;
}

function SetPublicGroupChannel(element, attribute, value, r1, param, r2) {
    const channel = channelNumber(element, value);
    if (isNaN(channel))
        return refuse(r1, r2, MSG.VALUE_NOT_VALID);
    if (channel === number(attr(element, "channel")))
        return RESULT.APPLIED;
    const scanned = flag(attr(element, "in_scan_list")) === 1;
    if (scanned && !confirmed(param))
        return ask(r1, r2, MSG.PUBLIC_CHANNEL_QUESTION);

    element.setAttribute("channel", channel);
    clearForeignHomeGroups(element);
    if (scanned && scanListCount(element, channel, element) >= SCAN_LIST_MAX) {
        element.setAttribute("in_scan_list", 0);
        return notice(r1, r2, MSG.SCAN_LIST_FULL_NOTICE);
    }
    return RESULT.APPLIED;
}

function SetPrivateGroupChannel(element, attribute, value, r1, param, r2) {
    const channel = channelNumber(element, value);
    if (isNaN(channel))
        return refuse(r1, r2, MSG.VALUE_NOT_VALID);
    if (channel === number(attr(element, "channel")))
        return RESULT.APPLIED;
    const canJoin = privates(element).some(c => number(attr(c, "channel")) === channel &&
                                                membershipsOf(c).length < GROUPS_PER_PRIVATE);
    if (!canJoin)
        return refuse(r1, r2, MSG.NO_PRIVATE_ON_CHANNEL, MB.OK | MB.ICONERROR);
    const pid = attr(element, "pid");
    const members = membersOf(element, pid);
    if (members.length > 0 && !confirmed(param))
        return ask(r1, r2, MSG.PRIVATE_GROUP_CHANNEL_QUESTION);

    members.forEach(removeNode);
    element.setAttribute("channel", channel);
    clearForeignHomeGroups(element);
    return RESULT.APPLIED;
}

function SetPrivateChannel(element, attribute, value, r1, param, r2) {
    const channel = channelNumber(element, value);
    if (isNaN(channel))
        return refuse(r1, r2, MSG.VALUE_NOT_VALID);
    if (channel === number(attr(element, "channel")))
        return RESULT.APPLIED;
    const loses = membershipsOf(element).length > 0 || attr(element, "home_grp") !== "";
    if (loses && !confirmed(param))
        return ask(r1, r2, MSG.PRIVATE_CHANNEL_QUESTION);

    leaveAllGroups(element);
    element.setAttribute("channel", channel);
    return RESULT.APPLIED;
}

// ------------------------------------------------------------------ SetVal: private contact

function SetHomeGroup(element, attribute, value, r1, param, r2) {
    value = String(value).trim();
    if (value === attr(element, "home_grp"))
        return RESULT.APPLIED;
    if (value !== "") {
        const group = groupByPid(element, value);
        if (!group || attr(group, "channel") !== attr(element, "channel"))
            return refuse(r1, r2, MSG.VALUE_NOT_VALID);
        const isMember = membershipsOf(element).some(m => attr(m, "pid") === value);
        if (group.nodeName === "PrivateGroup" && !isMember) {
            if (membershipsOf(element).length >= GROUPS_PER_PRIVATE)
                return refuse(r1, r2, MSG.IN_MAX_GROUPS);
            addMembership(element, value);
        }
    }
    element.setAttribute("home_grp", value);
    return RESULT.APPLIED;
}

// Switching the private scroll list on while it is empty offers to start it with the global
// scroll list (Yes/No); the view passes the answer back as param.
function SetPrivateScrollList(element, attribute, value, r1, param, r2) {
    const on = flag(value);
    if (on === null)
        return refuse(r1, r2, MSG.VALUE_NOT_VALID);
    if (on === 1 && flag(attr(element, "private_scroll_list")) !== 1) {
        const list = element.selectSingleNode("dfns:scrolllist");
        const empty = !list || list.selectNodes("dfns:list").length === 0;
        const global = element.selectNodes("/dfns:ZQVProfile/dfns:Contacts/dfns:*/dfns:*[@cntct_type and @in_scroll_list = 1]");
        if (empty && global.length > 0) {
            if (param === 0)
                return ask(r1, r2, MSG.COPY_SCROLL_LIST_QUESTION, MB.YESNO | MB.ICONQUESTION);
            if (confirmed(param))
                global.forEach(c => AddScrollEntry(scrollListOf(element), attr(c, "name")));
        }
    }
    element.setAttribute("private_scroll_list", on);
    return RESULT.APPLIED;
}

// Memberships are created empty by AddMembership; this write names the group. A refused new
// entry is taken out again so the profile never keeps an entry without a group.
function SetMembershipPid(element, attribute, value, r1, param, r2) {
    const contact = element.parentNode.parentNode;
    const old = attr(element, "pid");
    const fresh = old === "";
    value = String(value).trim();
    if (value === old)
        return RESULT.APPLIED;
    const refuseEntry = message => {
        if (fresh)
            removeNode(element);
        return refuse(r1, r2, message);
    };
    const group = privateGroupByPid(element, value);
    if (!group || attr(group, "channel") !== attr(contact, "channel"))
        return refuseEntry(MSG.VALUE_NOT_VALID);
    const others = membershipsOf(contact).filter(m => m !== element);
    if (others.some(m => attr(m, "pid") === value)) {
        if (!fresh)
            return refuse(r1, r2, MSG.VALUE_NOT_VALID);
        removeNode(element);  // already a member: nothing to add
        return RESULT.APPLIED;
    }
    if (others.length >= GROUPS_PER_PRIVATE)
        return refuseEntry(MSG.IN_MAX_GROUPS);
    if (!fresh && membersOf(element, old).length === 1)
        return refuse(r1, r2, MSG.GROUP_NEEDS_MEMBER);

    element.setAttribute("pid", value);
    if (!fresh && attr(contact, "home_grp") === old)
        contact.setAttribute("home_grp", "");
    return RESULT.APPLIED;
}

// ------------------------------------------------------------------ SetVal: lists and texts

function SetInScanList(element, attribute, value, r1, param, r2) {
    const on = flag(value);
    if (on === null)
        return refuse(r1, r2, MSG.VALUE_NOT_VALID);
    const channel = number(attr(element, "channel"));
    if (on === 1 && flag(attr(element, "in_scan_list")) !== 1 &&
        scanListCount(element, channel, element) >= SCAN_LIST_MAX)
        return refuse(r1, r2, MSG.SCAN_LIST_AT_MAXIMUM);
    element.setAttribute("in_scan_list", on);
    return RESULT.APPLIED;
}

function SetMessageText(element, attribute, value, r1, param, r2) {
    value = String(value);
    if (value === attr(element, "txt"))
        return RESULT.APPLIED;
    if (value.length === 0)
        return refuse(r1, r2, MSG.VALUE_NOT_VALID);
    if (value.length > TEXT_MAX)
        return refuse(r1, r2, MSG.TEXT_LENGTH);
    if (!isLatin1Text(value))
        return refuse(r1, r2, MSG.TEXT_NOT_LATIN1, MB.OKCANCEL | MB.ICONWARNING);
    element.setAttribute("txt", value);
    return RESULT.APPLIED;
}

// ------------------------------------------------------------------ SetVal: settings

function SetPassword(element, attribute, value, r1, param, r2) {
    value = String(value);
    if (!/^([0-9]{4})?$/.test(value))
        return refuse(r1, r2, MSG.PASSWORD_DIGITS);
    element.setAttribute("password", value);
    return RESULT.APPLIED;
}

function SetLanguage(element, attribute, value, r1, param, r2) {
    const id = number(value);
    const offered = element.selectNodes("/dfns:ZQVProfile/dfns:limit/dfns:languages/dfns:language")
        .some(l => number(attr(l, "language_id")) === id);
    if (!offered)
        return refuse(r1, r2, MSG.VALUE_NOT_VALID);
    element.setAttribute("language", id);
    return RESULT.APPLIED;
}

function SetCallForwardId(element, attribute, value, r1, param, r2) {
    value = String(value).trim();
    if (!/^[0-9]{0,11}$/.test(value))
        return refuse(r1, r2, MSG.ID_NOT_VALID);
    element.setAttribute("call_forward_id", value);
    return RESULT.APPLIED;
}

// ------------------------------------------------------------------ CanAddChild

function contactCount(node) {
    return node.contactCount();
}

function CanAddPublicGroup(element) {
    return contactCount(element) < contactLimit(element) &&
           element.selectNodes("dfns:PublicGroup").length < limitNumber(element, "max_num_of_public_grps") &&
           freePublicPid(element) !== null;
}

function CanAddPrivateGroup(element) {
    return contactCount(element) < contactLimit(element) &&
           element.selectNodes("dfns:PrivateGroup").length < limitNumber(element, "max_num_of_private_grps") &&
           freePrivatePid(element) !== null;
}

function CanAddPrivate(element) {
    return contactCount(element) < contactLimit(element) && freePrivatePid(element) !== null;
}

function CanAddTextMessage(element) {
    const max = Math.min(limitNumber(element, "max_num_of_predefined_msgs"), TEXTS_MAX);
    return element.selectNodes("dfns:TextMessage").length < max;
}

function CanAddMembership(element) {
    return element.selectNodes("dfns:ParentPrivateGroup").length < GROUPS_PER_PRIVATE;
}

function CanAddScrollEntry(element) {
    return element.selectNodes("dfns:list").length < contactCount(element);
}

// ------------------------------------------------------------------ OnAddNew

// Creates `name` with the attributes in the given order and appends it to `list`.
function appendNew(list, name, attributes) {
    const node = list.createElement(name);
    Object.keys(attributes).forEach(key => node.setAttribute(key, attributes[key]));
    list.appendChild(node);
    return node;
}

function AddPublicGroup(element, text) {
    if (!CanAddPublicGroup(element))
        return null;
    const scan = limitNumber(element, "public_scan_en") === 1 && scanListCount(element, 1, null) < SCAN_LIST_MAX;
    return appendNew(element, "PublicGroup", {
        cntct_type: 2, name: defaultName(element, text || "Public"), pid: freePublicPid(element),
        channel: 1, in_scan_list: scan ? 1 : 0, in_scroll_list: 1
    });
}

function AddPrivateGroup(element, text) {
    if (!CanAddPrivateGroup(element))
        return null;
    return appendNew(element, "PrivateGroup", {
        cntct_type: 1, name: defaultName(element, text || "Group"), pid: freePrivatePid(element),
        channel: 1, in_scroll_list: 1
    });
}

function AddPrivate(element, text) {
    if (!CanAddPrivate(element))
        return null;
    const contact = appendNew(element, "Private", {
        cntct_type: 0, name: defaultName(element, text || "Private"), pid: freePrivatePid(element),
        channel: 1, in_scroll_list: 1, alert_tone: 1, home_grp: "", show_grp_only: 0, id_in_use: 1,
        see_all_groups: 0, mngr_mode: 0, private_scroll_list: 0
    });
    contact.appendChild(contact.createElement("ParentPrivateGroups"));
    contact.appendChild(contact.createElement("scrolllist"));
    return contact;
}

function AddTextMessage(element, text) {
    if (!CanAddTextMessage(element))
        return null;
    const texts = element.selectNodes("dfns:TextMessage").map(t => attr(t, "txt"));
    let n = 1;
    while (texts.indexOf("Message " + n) >= 0)
        ++n;
    return appendNew(element, "TextMessage", { txt: "Message " + n });
}

// A new membership without a group yet; SetMembershipPid names the group.
function AddMembership(element, text) {
    if (!CanAddMembership(element))
        return null;
    return appendNew(element, "ParentPrivateGroup", { pid: "" });
}

// A private scroll-list entry for the contact named `text`; an entry that exists is returned
// as it is.
function AddScrollEntry(element, text) {
    const name = text === undefined || text === null ? "" : String(text);
    if (name === "" || !contactByName(element, name))
        return null;
    const existing = element.selectSingleNode("dfns:list[@name=$n]", { n: name });
    if (existing)
        return existing;
    if (!CanAddScrollEntry(element))
        return null;
    return appendNew(element, "list", { name: name });
}

// ------------------------------------------------------------------ OnDelete

function DeletePublicGroup(child, r1, param, r2) {
    removeContact(child);
    return RESULT.APPLIED;
}

function DeletePrivateGroup(child, r1, param, r2) {
    if (membersOf(child, attr(child, "pid")).length > 0 && !confirmed(param))
        return ask(r1, r2, MSG.DELETE_PRIVATE_GROUP_QUESTION);
    removeContact(child);
    return RESULT.APPLIED;
}

function DeletePrivate(child, r1, param, r2) {
    if (membershipsOf(child).length > 0 && !confirmed(param))
        return ask(r1, r2, MSG.DELETE_PRIVATE_QUESTION);
    removeContact(child);
    return RESULT.APPLIED;
}

// Leaving a group; the group stays even when it has no member left (its form asks for one).
// A contact whose home group it was loses that home group, which the radio would otherwise
// count as a membership again.
function DeleteMembership(child, r1, param, r2) {
    const contact = child.parentNode.parentNode;
    const pid = attr(child, "pid");
    removeNode(child);
    if (pid !== "" && attr(contact, "home_grp") === pid)
        contact.setAttribute("home_grp", "");
    return RESULT.APPLIED;
}

// ------------------------------------------------------------------ IsEnabled

// A folder shows when the model allows such contacts or the profile holds some.
function hasChildrenOrRoom(element, child, limitName) {
    return element.selectNodes("dfns:" + child).length > 0 || limitNumber(element, limitName) > 0;
}

function IsPublicGroupsEnabled(element) {
    return hasChildrenOrRoom(element, "PublicGroup", "max_num_of_public_grps");
}

function IsPrivateGroupsEnabled(element) {
    return hasChildrenOrRoom(element, "PrivateGroup", "max_num_of_private_grps");
}

function IsPrivatesEnabled(element) {
    return hasChildrenOrRoom(element, "Private", "max_num_of_contacts");
}

function IsTextMessagesEnabled(element) {
    return hasChildrenOrRoom(element, "TextMessage", "max_num_of_predefined_msgs");
}
