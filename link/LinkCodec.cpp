#include "LinkCodec.h"

#include "LinkFrame.h"

#include <QStringList>
#include <cstring>
#include <limits>

namespace zqv::link {
namespace {

// Reads fields off received data; any read past the end marks the reader as failed.
class CWireReader {
public:
    CWireReader(const std::uint8_t *data, int length) : m_data(data), m_length(length > 0 ? length : 0) {}

    bool Ok() const { return m_ok; }
    int Pos() const { return m_pos; }
    int Left() const { return m_length - m_pos; }

    std::uint8_t Byte()
    {
        if (m_pos >= m_length) {
            m_ok = false;
            return 0;
        }
        return m_data[m_pos++];
    }
    std::uint32_t Le32()
    {
        std::uint32_t v = 0;
        for (int i = 0; i < 4; ++i)
            v |= std::uint32_t(Byte()) << (8 * i);
        return v;
    }
    std::uint32_t Be32()
    {
        std::uint32_t v = 0;
        for (int i = 0; i < 4; ++i)
            v = (v << 8) | Byte();
        return v;
    }
    // A NUL-terminated text, cut to `maxChars`. Fails when the data ends before the NUL.
    QString CString(int maxChars)
    {
        const int start = m_pos;
        while (m_pos < m_length && m_data[m_pos] != 0)
            ++m_pos;
        if (m_pos >= m_length) {
            m_ok = false;
            return QString();
        }
        const int chars = std::min(m_pos - start, maxChars);
        ++m_pos;  // the NUL
        return FromRadioText(reinterpret_cast<const char *>(m_data + start), chars);
    }
    // A fixed-width text: `width` bytes, the text ending at the first NUL.
    QString Fixed(int width)
    {
        if (Left() < width) {
            m_ok = false;
            m_pos = m_length;
            return QString();
        }
        int chars = 0;
        while (chars < width && m_data[m_pos + chars] != 0)
            ++chars;
        const QString text = FromRadioText(reinterpret_cast<const char *>(m_data + m_pos), chars);
        m_pos += width;
        return text;
    }

private:
    const std::uint8_t *m_data;
    int m_length;
    int m_pos = 0;
    bool m_ok = true;
};

void PutLe32(QByteArray &out, std::uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        out.append(char((v >> (8 * i)) & 0xFF));
}

void PutBe32(QByteArray &out, std::uint32_t v)
{
    for (int i = 3; i >= 0; --i)
        out.append(char((v >> (8 * i)) & 0xFF));
}

void PutCString(QByteArray &out, const QString &text, int maxChars)
{
    out.append(ToRadioText(text, maxChars));
    out.append('\0');
}

void SetDefaultBanks(VirtualCPLimit &limit)
{
    limit.bank[0] =
        PublicGroupInfo{QString::fromLatin1(kDefaultBankStartPid), QString::fromLatin1(kPublicBankName), 100};
    for (int i = 1; i < profile::kPublicGroupBanks; ++i)
        limit.bank[i] = PublicGroupInfo{};
}

}  // namespace

QByteArray ToRadioText(const QString &text, int maxChars)
{
    const int chars = std::min(int(text.size()), maxChars);
    QByteArray out(chars, Qt::Uninitialized);
    for (int i = 0; i < chars; ++i)
        out[i] = char(text.at(i).unicode() & 0xFF);
    return out;
}

QString FromRadioText(const char *bytes, int length)
{
    return QString::fromLatin1(bytes, length);
}

std::uint8_t ReplyLetter(std::uint8_t command)
{
    switch (command) {
    case CMD_READ_IDENTITY: return 'E';
    case CMD_READ_LIMITS: return 'F';
    case CMD_READ_SETTINGS: return 'G';
    case CMD_READ_CONTACT: return 'H';
    case CMD_READ_TEXT: return 'I';
    case CMD_START_CAPTURE:
    case CMD_POLL_CAPTURE: return 'S';
    case CMD_START:
    case CMD_WRITE_SETTINGS:
    case CMD_WRITE_CONTACT:
    case CMD_WRITE_TEXT:
    case CMD_END_WRITE:
    case CMD_RESET: return 'P';
    default: return 0;
    }
}

int CommandResult(std::uint8_t command, int r, std::uint8_t opcode, const std::uint8_t *body)
{
    if (r > 0 && opcode == kReplyOpcodeOk && body[0] == ReplyLetter(command) &&
        (command != CMD_POLL_CAPTURE || (r >= 2 && body[1] == CS_CAPTURED)))
        return LR_SUCCESS;
    if (r == -1)
        return LR_PORT_FAILURE;
    if (r == -2)
        return LR_MESSAGE_COMPOSE;
    if (r <= 0)
        return LR_NO_REPLY;
    if (opcode == kReplyOpcodeNak)
        return body[0] == 0 ? LR_EARLIER_FIRMWARE : LR_INVALID_OPCODE;
    if (opcode != kReplyOpcodeOk)
        return LR_INVALID_OPCODE;
    if (body[0] == 'Q') {
        if (r >= 3 && body[2] == QD_RESET_OR_WRITE_FIRST)
            return LR_RESET_OR_WRITE_FIRST;
        if (r >= 3 && body[2] == QD_BUSY)
            return LR_RADIO_BUSY;
        return LR_OPERATION_FAILED;
    }
    if (body[0] == 'S') {
        const int status = r >= 2 ? body[1] : -1;
        if (status == CS_WAITING)
            return LR_TIMED_OUT;
        if (status == CS_UNSUPPORTED)
            return LR_OPERATION_UNSUPPORTED;
        if (status == CS_CAPTURED)
            return r;
        return LR_OPERATION_FAILED;
    }
    return LR_UNSUPPORTED_COMMAND;
}

bool DecodeIdentity(const std::uint8_t *data, int length, VirtualCPData &record)
{
    if (length < 7)
        return false;
    const std::uint8_t phase = data[6];
    const bool versionOk = data[0] == 0x5E && data[1] < 9;
    if (phase != 'D' && !versionOk)
        return false;
    record.firmware_phase = QLatin1Char(phase == 'R' ? 'R' : 'D');
    record.firmware_release = data[0];
    record.firmware_version = data[1];
    record.firmware_revision = data[2];
    record.codeplug_structure = data[3];
    record.codeplug_version = data[4];
    record.codeplug_dev_version = data[5];
    return true;
}

QByteArray EncodeIdentity(const VirtualCPData &record)
{
    QByteArray out;
    out.append(char(record.firmware_release));
    out.append(char(record.firmware_version));
    out.append(char(record.firmware_revision));
    out.append(char(record.codeplug_structure));
    out.append(char(record.codeplug_version));
    out.append(char(record.codeplug_dev_version));
    out.append(char(record.firmware_phase.unicode() & 0xFF));
    return out;
}

bool ParsePid(const QString &text, std::uint64_t &value)
{
    if (text.isEmpty())
        return false;
    std::uint64_t v = 0;
    for (const QChar c : text) {
        if (c < u'0' || c > u'9')
            return false;
        const unsigned digit = c.unicode() - u'0';
        if (v > (std::numeric_limits<std::uint64_t>::max() - digit) / 10)
            return false;
        v = v * 10 + digit;
    }
    value = v;
    return true;
}

bool AcceptPidRange(std::uint64_t start, std::uint64_t end)
{
    return start > kMinValidPid && end > kMinValidPid && start < end && start <= kMaxValidPid && end <= kMaxValidPid;
}

bool AcceptPublicGroupBlock(std::uint64_t start, unsigned size)
{
    if (size == 0 || start >= (std::uint64_t(1) << 34))
        return false;
    if (start < (std::uint64_t(1) << 32))
        return start >= 4294965995ull + size;
    return true;
}

bool DecodeLimit(const std::uint8_t *data, int length, VirtualCPLimit &limit)
{
    CWireReader in(data, length);
    const QString pid = in.CString(kMaxPidChars);
    const QString start = in.CString(kMaxPidChars);
    const QString end = in.CString(kMaxPidChars);
    const QString blockStart = in.CString(kMaxPidChars);
    const unsigned blockSize = in.Byte();
    const QString model = in.Fixed(kModelBytes);
    VirtualCPLimit v = limit;
    v.clone_compatibility_version = in.Byte();
    v.max_num_of_contacts = in.Byte();
    v.max_num_of_private_grps = in.Byte();
    v.max_num_of_public_grps = in.Byte();
    v.max_num_of_predefined_msgs = in.Byte();
    v.limit_flags = in.Le32();
    v.limit_flags2 = in.Le32();
    const int languages = in.Byte();
    v.language_id.fill(0);
    for (int i = 0; i < languages; ++i) {
        const std::uint8_t id = in.Byte();
        if (i < profile::kMaxLanguages)
            v.language_id[i] = id;
    }
    v.num_of_languages = static_cast<std::uint8_t>(std::min(languages, profile::kMaxLanguages));
    v.max_num_of_channels = in.Byte();
    v.max_vol_level = in.Byte();
    if (!in.Ok())
        return false;

    v.pid = pid;
    v.model = model;
    std::uint64_t s = 0, e = 0;
    if (ParsePid(start, s) && ParsePid(end, e) && AcceptPidRange(s, e)) {
        v.valid_PID_start = start;
        v.valid_PID_end = end;
    } else if (v.valid_PID_start.isEmpty() || v.valid_PID_end.isEmpty()) {
        v.valid_PID_start = QString::fromLatin1(kDefaultValidPidStart);
        v.valid_PID_end = QString::fromLatin1(kDefaultValidPidEnd);
    }
    SetDefaultBanks(v);
    std::uint64_t b = 0;
    if (ParsePid(blockStart, b) && AcceptPublicGroupBlock(b, blockSize))
        v.bank[0] = PublicGroupInfo{blockStart, QString::fromLatin1(kPublicBankName), std::uint8_t(blockSize)};
    limit = v;
    return true;
}

QByteArray EncodeLimit(const VirtualCPLimit &limit)
{
    QByteArray out;
    PutCString(out, limit.pid, kMaxPidChars);
    PutCString(out, limit.valid_PID_start, kMaxPidChars);
    PutCString(out, limit.valid_PID_end, kMaxPidChars);
    PutCString(out, limit.bank[0].start_pid, kMaxPidChars);
    out.append(char(limit.bank[0].lst_size));
    QByteArray model = ToRadioText(limit.model, kModelBytes);
    model.append(QByteArray(kModelBytes - model.size(), '\0'));
    out.append(model);
    out.append(char(limit.clone_compatibility_version));
    out.append(char(limit.max_num_of_contacts));
    out.append(char(limit.max_num_of_private_grps));
    out.append(char(limit.max_num_of_public_grps));
    out.append(char(limit.max_num_of_predefined_msgs));
    PutLe32(out, limit.limit_flags);
    PutLe32(out, limit.limit_flags2);
    const int languages = std::min<int>(limit.num_of_languages, profile::kMaxLanguages);
    out.append(char(languages));
    for (int i = 0; i < languages; ++i)
        out.append(char(limit.language_id[i]));
    out.append(char(limit.max_num_of_channels));
    out.append(char(limit.max_vol_level));
    return out;
}

bool DecodeSettings(const std::uint8_t *data, int length, VirtualCPSetting &setting)
{
    CWireReader in(data, length);
    VirtualCPSetting v = setting;
    v.contrast = in.Byte();
    v.backlight = in.Be32();
    v.vibracall = in.Byte();
    v.current_time = in.Be32();
    v.alarm_time = in.Be32();
    v.ringer_vol_level = in.Byte();
    v.speaker_vol_level = in.Byte();
    v.keypad_vol_level = in.Byte();
    v.alarm_vol_level = in.Byte();
    v.earpiece_vol_level = in.Byte();
    v.language = in.Byte();
    v.setting_flags = in.Le32();
    v.call_forward_id = in.CString(kMaxPidChars);
    if (!in.Ok())
        return false;
    // The block may end after the call-forward text (one more byte is tolerated): what is
    // missing of the tail keeps its old value.
    const int tail = in.Pos();
    if (length > tail + 1) {
        const int passwordBytes = std::min(kPasswordBytes, length - tail);
        const std::uint8_t *password = data + tail + kSettingsPasswordAt;
        int chars = 0;
        while (chars < passwordBytes && chars < 4 && password[chars] != 0)
            ++chars;
        v.password = FromRadioText(reinterpret_cast<const char *>(password), chars);
        if (length > tail + kSettingsTotTimerAt)
            v.tot_timer = data[tail + kSettingsTotTimerAt];
        if (length > tail + kSettingsTptOffsetAt)
            v.tpt_offset = data[tail + kSettingsTptOffsetAt];
        if (length > tail + kSettingsNoiseAt)
            v.noise = data[tail + kSettingsNoiseAt];
    }
    setting = v;
    return true;
}

QByteArray EncodeSettings(const VirtualCPSetting &setting)
{
    QByteArray out;
    out.append(char(setting.contrast));
    PutBe32(out, setting.backlight);
    out.append(char(setting.vibracall));
    PutBe32(out, setting.current_time);
    PutBe32(out, setting.alarm_time);
    out.append(char(setting.ringer_vol_level));
    out.append(char(setting.speaker_vol_level));
    out.append(char(setting.keypad_vol_level));
    out.append(char(setting.alarm_vol_level));
    out.append(char(setting.earpiece_vol_level));
    out.append(char(setting.language));
    PutLe32(out, setting.setting_flags);
    PutCString(out, setting.call_forward_id, kMaxPidChars);
    QByteArray password = ToRadioText(setting.password, 4);
    password.append(QByteArray(kPasswordBytes - password.size(), '\0'));
    out.append(password);
    out.append(char(setting.tot_timer));
    out.append(char(setting.tpt_offset));
    out.append(char(setting.noise));
    return out;
}

bool DecodeContact(const std::uint8_t *data, int length, VirtualCPContact &contact)
{
    CWireReader in(data, length);
    VirtualCPContact c;
    c.name = in.CString(kMaxNameChars);
    c.alert_tone = in.Byte();
    c.pid = in.CString(kMaxPidChars);
    c.contact_flags_a = in.Byte();
    c.channel = in.Byte();
    c.cntct_type = in.Byte();
    if (c.cntct_type == profile::kPrivateContact) {
        c.contact_flags_b = CFB_SEE_ALL_GROUPS;
        c.member_count = in.Byte();
        c.home_grp_position = in.Byte();
        for (int i = 0; i < c.member_count && in.Ok(); ++i) {
            const QString member = in.CString(kMaxPidChars);
            if (i < profile::kMaxParentGroups)
                c.parent_pid[i] = member;
            if (i + 1 == c.home_grp_position)
                c.home_grp = member;
        }
    }
    if (!in.Ok())
        return false;
    contact = c;
    return true;
}

bool EncodeContact(const VirtualCPContact &contact, QByteArray &out)
{
    if (contact.cntct_type == kEmptySlot)
        return false;
    out.clear();
    PutCString(out, contact.name, kMaxNameChars);
    out.append(char(contact.alert_tone));
    PutCString(out, contact.pid, kMaxPidChars);
    out.append(char(contact.contact_flags_a));
    out.append(char(contact.channel));
    out.append(char(contact.cntct_type));
    if (contact.cntct_type == profile::kPrivateContact) {
        QStringList members;
        for (const QString &parent : contact.parent_pid) {
            if (!parent.isEmpty())
                members << parent;
        }
        int home = 0;
        if (!contact.home_grp.isEmpty()) {
            home = int(members.indexOf(contact.home_grp)) + 1;
            if (home == 0) {
                members << contact.home_grp;
                home = int(members.size());
            }
        }
        out.append(char(members.size()));
        out.append(char(home));
        for (const QString &member : members)
            PutCString(out, member, kMaxPidChars);
    }
    return out.size() <= kMaxRequestPayload - 2;
}

bool DecodeText(const std::uint8_t *data, int length, QString &text)
{
    CWireReader in(data, length);
    const QString t = in.CString(kMaxTextChars);
    if (!in.Ok())
        return false;
    text = t;
    return true;
}

QByteArray EncodeText(const QString &text)
{
    QByteArray out;
    PutCString(out, text, kMaxTextChars);
    return out;
}

bool DecodeCapturedPid(const std::uint8_t *data, int length, QString &pid)
{
    CWireReader in(data, length);
    in.Byte();  // status
    const QString p = in.CString(kMaxPidChars);
    if (!in.Ok())
        return false;
    pid = p;
    return true;
}

}  // namespace zqv::link
