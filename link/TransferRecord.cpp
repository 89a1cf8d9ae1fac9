#include "TransferRecord.h"

#include "LinkCodec.h"

#include <algorithm>

namespace zqv::link {
namespace {

bool IsUsed(const VirtualCPContact &c)
{
    return !c.name.isEmpty() && !c.pid.isEmpty();
}

int CountUsed(const VirtualCPData &record, int type)
{
    return int(std::count_if(record.contacts.begin(), record.contacts.end(),
                             [type](const VirtualCPContact &c) { return IsUsed(c) && c.cntct_type == type; }));
}

}  // namespace

void RecountCounters(VirtualCPData &record)
{
    record.contact_count = int(std::count_if(record.contacts.begin(), record.contacts.end(), IsUsed));
    record.private_group_count = CountUsed(record, profile::kPrivateGroup);
    record.public_group_count = CountUsed(record, profile::kPublicGroup);
    record.text_message_count =
        int(std::count_if(record.texts.begin(), record.texts.end(), [](const QString &t) { return !t.isEmpty(); }));
}

int FindContact(const VirtualCPData &record, const QString &pid, int type)
{
    for (int i = 0; i < profile::kMaxContacts; ++i) {
        const VirtualCPContact &c = record.contacts[i];
        if (IsUsed(c) && c.cntct_type == type && c.pid == pid)
            return i;
    }
    return -1;
}

void TidyPrivateContacts(VirtualCPData &record)
{
    const int slotCount = std::min<int>(record.limit.max_num_of_contacts, profile::kMaxContacts);
    for (int i = 0; i < slotCount; ++i) {
        VirtualCPContact &c = record.contacts[i];
        if (c.cntct_type != profile::kPrivateContact)
            continue;
        int freeSlot = -1;
        for (int p = 0; p < profile::kMaxParentGroups; ++p) {
            QString &parent = c.parent_pid[p];
            if (!parent.isEmpty() && FindContact(record, parent, profile::kPrivateGroup) < 0)
                parent.clear();
            if (parent.isEmpty() && freeSlot < 0)
                freeSlot = p;
        }
        if (c.home_grp.isEmpty())
            continue;
        const bool privateHome = FindContact(record, c.home_grp, profile::kPrivateGroup) >= 0;
        if (!privateHome && FindContact(record, c.home_grp, profile::kPublicGroup) < 0) {
            c.home_grp.clear();
            continue;
        }
        // A private home group is always one of the parents; one that already is must not be
        // listed twice.
        const bool listed = std::find(c.parent_pid.begin(), c.parent_pid.end(), c.home_grp) != c.parent_pid.end();
        if (privateHome && freeSlot >= 0 && !listed)
            c.parent_pid[freeSlot] = c.home_grp;
    }
}

void ApplyOwnContactFlags(VirtualCPData &record)
{
    const int own = FindContact(record, record.limit.pid, profile::kPrivateContact);
    if (own < 0)
        return;
    VirtualCPContact &c = record.contacts[own];
    c.contact_flags_b &= std::uint8_t(~(CFB_MNGR_MODE | CFB_SEE_ALL_GROUPS));
    const std::uint32_t settings = record.setting.setting_flags;
    const std::uint32_t features = record.limit.limit_flags;
    if ((settings & SF_MNGR_MODE) && (features & LF_MNGR_MODE_EN))
        c.contact_flags_b |= CFB_MNGR_MODE;
    if ((settings & SF_SEE_ALL_GRPS) && (features & LF_SEE_ALL_GROUPS_EN))
        c.contact_flags_b |= CFB_SEE_ALL_GROUPS;
}

void ApplyOwnSettingFlags(VirtualCPData &record)
{
    std::uint32_t &settings = record.setting.setting_flags;
    settings &= ~std::uint32_t(SF_MNGR_MODE | SF_SEE_ALL_GRPS);
    const int own = FindContact(record, record.limit.pid, profile::kPrivateContact);
    if (own < 0)
        return;
    const std::uint8_t flags = record.contacts[own].contact_flags_b;
    const std::uint32_t features = record.limit.limit_flags;
    if ((flags & CFB_MNGR_MODE) && (features & LF_MNGR_MODE_EN))
        settings |= SF_MNGR_MODE;
    if ((flags & CFB_SEE_ALL_GROUPS) && (features & LF_SEE_ALL_GROUPS_EN))
        settings |= SF_SEE_ALL_GRPS;
}

void PrepareRecordForWrite(VirtualCPData &record, const VirtualCPLimit &radio)
{
    if (radio.limit_flags & LF_VIBRACALL_DIS)
        record.setting.vibracall = 2;
    record.limit = radio;
    ApplyOwnSettingFlags(record);
}

bool ModelFits(std::uint8_t cloneCompatibilityVersion, int modelFamily)
{
    if (cloneCompatibilityVersion == modelFamily)
        return true;
    return modelFamily == 3 && cloneCompatibilityVersion == 1;
}

bool InPublicGroupBlocks(const QString &pid, const VirtualCPLimit &limit)
{
    std::uint64_t id = 0;
    if (!ParsePid(pid, id))
        return false;
    for (const PublicGroupInfo &bank : limit.bank) {
        std::uint64_t start = 0;
        if (bank.lst_size == 0 || !ParsePid(bank.start_pid, start))
            continue;
        if (id <= start && id + bank.lst_size > start)  // start - size < id <= start
            return true;
    }
    return false;
}

bool CheckFits(VirtualCPData &record, const VirtualCPLimit &radio)
{
    bool fits = true;
    for (VirtualCPContact &c : record.contacts) {
        if (IsUsed(c) && c.cntct_type == profile::kPublicGroup && !InPublicGroupBlocks(c.pid, radio)) {
            c.cntct_type = kEmptySlot;
            --record.contact_count;
            --record.public_group_count;
            fits = false;
        }
    }
    const int privateGroups = record.private_group_count;
    const int publicGroups = record.public_group_count;
    const int privates = CountUsed(record, profile::kPrivateContact);
    if (privateGroups > radio.max_num_of_private_grps || publicGroups > radio.max_num_of_public_grps)
        fits = false;
    if (privates > int(radio.max_num_of_contacts) - std::min<int>(publicGroups, radio.max_num_of_public_grps) -
            std::min<int>(privateGroups, radio.max_num_of_private_grps))
        fits = false;
    if (record.text_message_count > radio.max_num_of_predefined_msgs)
        fits = false;
    const std::uint32_t features = LF_ADD_PRVT_CONTACTS_EN | LF_ADD_PRVT_GRP_EN | LF_CALL_FORWARD_EN |
        LF_PUBLIC_SCAN_EN | LF_SEE_ALL_GROUPS_EN | LF_SMS_MESGS_TX_EN | LF_SMS_COMPOSE_MESGS_EN;
    if (record.limit.limit_flags & features & ~radio.limit_flags)
        fits = false;
    if ((radio.limit_flags & LF_VIBRACALL_DIS) && !(record.limit.limit_flags & LF_VIBRACALL_DIS))
        fits = false;
    return fits;
}

std::vector<int> ContactsToSend(const VirtualCPData &record)
{
    std::vector<int> slotList;
    const auto pass = [&](int type, int limit) {
        int taken = 0;
        for (int i = 0; i < profile::kMaxContacts && taken < limit; ++i) {
            const VirtualCPContact &c = record.contacts[i];
            if (IsUsed(c) && c.cntct_type == type) {
                slotList.push_back(i);
                ++taken;
            }
        }
    };
    pass(profile::kPrivateGroup, record.limit.max_num_of_private_grps);
    pass(profile::kPublicGroup, record.limit.max_num_of_public_grps);
    pass(profile::kPrivateContact, record.limit.max_num_of_contacts);
    if (slotList.size() > record.limit.max_num_of_contacts)
        slotList.resize(record.limit.max_num_of_contacts);
    return slotList;
}

std::vector<int> TextsToSend(const VirtualCPData &record)
{
    std::vector<int> slotList;
    for (int i = 0; i < profile::kMaxTextMessages && int(slotList.size()) < record.limit.max_num_of_predefined_msgs;
         ++i) {
        if (!record.texts[i].isEmpty())
            slotList.push_back(i);
    }
    return slotList;
}

int BlankControlCharacters(VirtualCPData &record)
{
    int replaced = 0;
    const auto blank = [&replaced](QString &text) {
        for (QChar &c : text) {
            if (c.unicode() < 0x20 || c.unicode() == 0x7F) {
                c = QLatin1Char(' ');
                ++replaced;
            }
        }
    };
    for (VirtualCPContact &c : record.contacts)
        blank(c.name);
    for (QString &t : record.texts)
        blank(t);
    blank(record.limit.model);
    for (PublicGroupInfo &b : record.limit.bank)
        blank(b.pid_name);
    return replaced;
}

int FinishRead(VirtualCPData &record)
{
    ApplyOwnContactFlags(record);
    return BlankControlCharacters(record);
}

}  // namespace zqv::link
