// The virtual codeplug: the in-memory image of one radio's configuration, exchanged between a
// profile and the radio link. The link fills it from a radio and encodes it to a radio; the
// profile data model converts it to and from profile text (CDataAdaptor).
//
// A plain record with value semantics and fixed slot counts: 150 contact slots, 25 text slots,
// 6 language ids, 5 parent groups per contact, 4 public-group banks. Text fields are owned
// strings of any length; the radio link enforces the radio's own lengths. Field names are the
// profile's attribute names, so a field and its attribute are found by the same word.
#pragma once

#include "ProfileFormat.h"

#include <QString>
#include <array>
#include <cstdint>

namespace zqv {

// Bits of VirtualCPLimit::limit_flags (bit 0 = least significant). Bits 0-7 and 15 have no
// profile attribute; the profile conversions leave them as they are.
enum LimitFlag : std::uint32_t {
    LF_SMS_FREE_FORM_MESGS_EN = 1u << 8,
    LF_SMS_COMPOSE_MESGS_EN = 1u << 9,
    LF_PRVT_CALL_REC_DIS = 1u << 10,
    LF_PUBLIC_SCAN_EN = 1u << 11,
    LF_VIBRACALL_DIS = 1u << 12,
    LF_SEE_ALL_GROUPS_EN = 1u << 13,
    LF_MNGR_MODE_EN = 1u << 14,
    LF_TX_TOT_EN = 1u << 16,
    LF_ADD_PRVT_GRP_EN = 1u << 17,
    LF_ADD_PRVT_CONTACTS_EN = 1u << 18,
    LF_CALL_FORWARD_EN = 1u << 19,
    LF_PRVT_CALL_TX_EN = 1u << 20,
    LF_PRVT_CALL_RET_EN = 1u << 21,
    LF_SMS_MESGS_TX_EN = 1u << 22,
    LF_SMS_MESGS_RX_EN = 1u << 23,
    LF_OTA_TIME_UPDATE_EN = 1u << 24,
    LF_REMOTE_MONITOR_EN = 1u << 25,
    LF_REMOTE_DISABLE_EN = 1u << 26,
    LF_OTA_CLONE_TX_EN = 1u << 27,
    LF_OTA_TIME_UPDATE_RX_EN = 1u << 28,
    LF_REMOTE_MONITOR_RX_EN = 1u << 29,
    LF_REMOTE_DISABLE_RX_EN = 1u << 30,
    LF_OTA_CLONE_RX_EN = 1u << 31,
};

// Bits of VirtualCPSetting::setting_flags. The other bits have no profile attribute and are
// left as they are.
enum SettingFlag : std::uint32_t {
    SF_INTERNAL_PTT_DIS = 1u << 17,
    SF_PROG_MODE_DIS = 1u << 18,
    SF_TX_TIMEOUT_TIMER_DIS = 1u << 19,
    SF_PRIV_GRP_CALL_REP_DIS = 1u << 22,
    SF_IS_DISABLED = 1u << 24,
    SF_CALL_FWD_EN = 1u << 25,
    SF_MNGR_MODE = 1u << 26,
    SF_ALARM_EN = 1u << 27,
    SF_SCAN_EN = 1u << 28,
    SF_SEE_ALL_GRPS = 1u << 29,
    SF_DATE_FORMAT = 1u << 30,
    SF_TIME_FORMAT = 1u << 31,
};

// Bits of VirtualCPContact::contact_flags_a and contact_flags_b.
enum ContactFlag : std::uint8_t {
    CFA_ID_IN_USE = 1u << 0,
    CFA_IN_SCROLL_LIST = 1u << 1,
    CFA_SHOW_GRP_ONLY = 1u << 2,
    CFA_IN_SCAN_LIST = 1u << 3,
    CFB_SEE_ALL_GROUPS = 1u << 6,
    CFB_MNGR_MODE = 1u << 7,
};

// A profile attribute that is one bit of a flag word.
struct FlagAttribute {
    const char *name;
    std::uint32_t mask;
};

// The 23 limit flags in the order the profile lists them.
inline constexpr FlagAttribute kLimitFlagAttributes[] = {
    {"mngr_mode_en", LF_MNGR_MODE_EN},
    {"see_all_groups_en", LF_SEE_ALL_GROUPS_EN},
    {"vibracall_dis", LF_VIBRACALL_DIS},
    {"public_scan_en", LF_PUBLIC_SCAN_EN},
    {"prvt_call_rec_dis", LF_PRVT_CALL_REC_DIS},
    {"sms_compose_mesgs_en", LF_SMS_COMPOSE_MESGS_EN},
    {"sms_free_form_mesgs_en", LF_SMS_FREE_FORM_MESGS_EN},
    {"sms_mesgs_rx_en", LF_SMS_MESGS_RX_EN},
    {"sms_mesgs_tx_en", LF_SMS_MESGS_TX_EN},
    {"prvt_call_ret_en", LF_PRVT_CALL_RET_EN},
    {"prvt_call_tx_en", LF_PRVT_CALL_TX_EN},
    {"call_forward_en", LF_CALL_FORWARD_EN},
    {"add_prvt_contacts_en", LF_ADD_PRVT_CONTACTS_EN},
    {"add_prvt_grp_en", LF_ADD_PRVT_GRP_EN},
    {"tx_tot_en", LF_TX_TOT_EN},
    {"ota_clone_rx_en", LF_OTA_CLONE_RX_EN},
    {"remote_disable_rx_en", LF_REMOTE_DISABLE_RX_EN},
    {"remote_monitor_rx_en", LF_REMOTE_MONITOR_RX_EN},
    {"ota_time_update_rx_en", LF_OTA_TIME_UPDATE_RX_EN},
    {"ota_clone_tx_en", LF_OTA_CLONE_TX_EN},
    {"remote_disable_en", LF_REMOTE_DISABLE_EN},
    {"remote_monitor_en", LF_REMOTE_MONITOR_EN},
    {"ota_time_update_en", LF_OTA_TIME_UPDATE_EN},
};

// The 12 setting switches in the order the profile lists them.
inline constexpr FlagAttribute kSettingFlagAttributes[] = {
    {"time_format", SF_TIME_FORMAT},
    {"date_format", SF_DATE_FORMAT},
    {"see_all_grps", SF_SEE_ALL_GRPS},
    {"scan_en", SF_SCAN_EN},
    {"alarm_en", SF_ALARM_EN},
    {"mngr_mode", SF_MNGR_MODE},
    {"call_fwd_en", SF_CALL_FWD_EN},
    {"is_disabled", SF_IS_DISABLED},
    {"prog_mode_dis", SF_PROG_MODE_DIS},
    {"internal_ptt_dis", SF_INTERNAL_PTT_DIS},
    {"tx_timeout_timer_dis", SF_TX_TIMEOUT_TIMER_DIS},
    {"priv_grp_call_rep_dis", SF_PRIV_GRP_CALL_REP_DIS},
};

// The start PID of the first public-group bank of a fresh record: 0x3FFFFFFFF.
inline constexpr char kDefaultBankStartPid[] = "17179869183";
// The `cntct_type` of an empty contact slot.
inline constexpr std::uint8_t kEmptySlot = 255;

// One public-group bank: the IDs start_pid, start_pid - 1, ... (lst_size of them).
struct PublicGroupInfo {
    QString start_pid = QStringLiteral("0");
    QString pid_name;
    std::uint8_t lst_size = 0;

    bool operator==(const PublicGroupInfo &o) const
    {
        return start_pid == o.start_pid && pid_name == o.pid_name && lst_size == o.lst_size;
    }
    bool operator!=(const PublicGroupInfo &o) const { return !(*this == o); }
};

struct VirtualCPLimit {
    QString pid;
    QString valid_PID_start;
    QString valid_PID_end;
    std::array<PublicGroupInfo, profile::kPublicGroupBanks> bank{
        PublicGroupInfo{QString::fromLatin1(kDefaultBankStartPid), QString(), 100}, PublicGroupInfo{},
        PublicGroupInfo{}, PublicGroupInfo{}};
    QString model;
    std::uint8_t clone_compatibility_version = 0;
    std::uint8_t max_num_of_contacts = 0;
    std::uint8_t max_num_of_private_grps = 0;
    std::uint8_t max_num_of_public_grps = 0;
    std::uint8_t max_num_of_predefined_msgs = 0;
    std::uint32_t limit_flags = 0;  // LimitFlag bits
    std::uint32_t limit_flags2 = 0;  // used by the radio link only; no profile attribute
    std::uint8_t num_of_languages = 0;
    std::array<std::uint8_t, profile::kMaxLanguages> language_id{};
    std::uint8_t max_num_of_channels = 0;
    std::uint8_t max_vol_level = 0;

    bool operator==(const VirtualCPLimit &o) const
    {
        return pid == o.pid && valid_PID_start == o.valid_PID_start && valid_PID_end == o.valid_PID_end &&
            bank == o.bank && model == o.model && clone_compatibility_version == o.clone_compatibility_version &&
            max_num_of_contacts == o.max_num_of_contacts && max_num_of_private_grps == o.max_num_of_private_grps &&
            max_num_of_public_grps == o.max_num_of_public_grps &&
            max_num_of_predefined_msgs == o.max_num_of_predefined_msgs && limit_flags == o.limit_flags &&
            limit_flags2 == o.limit_flags2 && num_of_languages == o.num_of_languages && language_id == o.language_id &&
            max_num_of_channels == o.max_num_of_channels && max_vol_level == o.max_vol_level;
    }
    bool operator!=(const VirtualCPLimit &o) const { return !(*this == o); }
};

struct VirtualCPSetting {
    std::uint8_t contrast = 0;
    std::uint32_t backlight = 0;
    std::uint8_t vibracall = 0;
    std::uint32_t current_time = 0;
    std::uint32_t alarm_time = 0;
    std::uint8_t ringer_vol_level = 0;
    std::uint8_t speaker_vol_level = 1;
    std::uint8_t keypad_vol_level = 0;
    std::uint8_t alarm_vol_level = 1;
    std::uint8_t earpiece_vol_level = 1;
    std::uint8_t language = 0;
    std::uint32_t setting_flags = 0;  // SettingFlag bits
    QString call_forward_id = QStringLiteral("0");
    QString password;
    std::uint8_t noise = 0;  // high nibble noise_level_accessory, low nibble noise_level_radio
    std::uint8_t tot_timer = 0;
    std::uint8_t tpt_offset = 0;

    std::uint8_t noise_level_accessory() const { return static_cast<std::uint8_t>(noise >> 4); }
    std::uint8_t noise_level_radio() const { return static_cast<std::uint8_t>(noise & 0x0F); }
    void set_noise_levels(unsigned accessory, unsigned radio)
    {
        noise = static_cast<std::uint8_t>(((accessory & 0x0F) << 4) | (radio & 0x0F));
    }

    bool operator==(const VirtualCPSetting &o) const
    {
        return contrast == o.contrast && backlight == o.backlight && vibracall == o.vibracall &&
            current_time == o.current_time && alarm_time == o.alarm_time && ringer_vol_level == o.ringer_vol_level &&
            speaker_vol_level == o.speaker_vol_level && keypad_vol_level == o.keypad_vol_level &&
            alarm_vol_level == o.alarm_vol_level && earpiece_vol_level == o.earpiece_vol_level &&
            language == o.language && setting_flags == o.setting_flags && call_forward_id == o.call_forward_id &&
            password == o.password && noise == o.noise && tot_timer == o.tot_timer && tpt_offset == o.tpt_offset;
    }
    bool operator!=(const VirtualCPSetting &o) const { return !(*this == o); }
};

struct VirtualCPContact {
    QString name;
    std::uint8_t alert_tone = 0;
    QString pid;
    std::uint8_t contact_flags_a = 0;  // CFA_ bits
    std::uint8_t contact_flags_b = 0;  // CFB_ bits
    std::uint8_t channel = 0;
    std::uint8_t cntct_type = kEmptySlot;  // 0 private contact, 1 private group, 2 public group
    std::array<QString, profile::kMaxParentGroups> parent_pid;
    QString home_grp;
    // Used by the radio link only: the member count and the 1-based position of the home
    // group among the members, as a radio sends them.
    std::uint8_t member_count = 0;
    std::uint8_t home_grp_position = 0;

    bool IsEmpty() const { return cntct_type == kEmptySlot; }

    bool operator==(const VirtualCPContact &o) const
    {
        return name == o.name && alert_tone == o.alert_tone && pid == o.pid && contact_flags_a == o.contact_flags_a &&
            contact_flags_b == o.contact_flags_b && channel == o.channel && cntct_type == o.cntct_type &&
            parent_pid == o.parent_pid && home_grp == o.home_grp && member_count == o.member_count &&
            home_grp_position == o.home_grp_position;
    }
    bool operator!=(const VirtualCPContact &o) const { return !(*this == o); }
};

struct VirtualCPData {
    // Version part. Note the order: codeplug_structure before codeplug_version here, while the
    // profile lists codeplug_version first.
    QChar firmware_phase = QLatin1Char('R');
    std::uint8_t firmware_release = 0x5E;
    std::uint8_t firmware_version = 8;
    std::uint8_t firmware_revision = 0;
    std::uint8_t codeplug_structure = 3;
    std::uint8_t codeplug_version = 16;
    std::uint8_t codeplug_dev_version = 5;

    VirtualCPLimit limit;
    VirtualCPSetting setting;
    std::array<VirtualCPContact, profile::kMaxContacts> contacts;
    std::array<QString, profile::kMaxTextMessages> texts;  // an empty text is a free slot

    // Recounted by the radio link from the slots before a write; the profile conversions
    // neither read nor set them.
    std::int32_t contact_count = 0;
    std::int32_t public_group_count = 0;
    std::int32_t private_group_count = 0;
    std::int32_t text_message_count = 0;

    bool operator==(const VirtualCPData &o) const
    {
        return firmware_phase == o.firmware_phase && firmware_release == o.firmware_release &&
            firmware_version == o.firmware_version && firmware_revision == o.firmware_revision &&
            codeplug_structure == o.codeplug_structure && codeplug_version == o.codeplug_version &&
            codeplug_dev_version == o.codeplug_dev_version && limit == o.limit && setting == o.setting &&
            contacts == o.contacts && texts == o.texts && contact_count == o.contact_count &&
            public_group_count == o.public_group_count && private_group_count == o.private_group_count &&
            text_message_count == o.text_message_count;
    }
    bool operator!=(const VirtualCPData &o) const { return !(*this == o); }
};

}  // namespace zqv
