#include "RadioSim.h"

#include "LinkCodec.h"
#include "LinkFrame.h"
#include "TransferRecord.h"

#include <QStringList>

namespace zqv {

using namespace link;

QByteArray BuildReply(std::uint8_t opcode, const QByteArray &body)
{
    std::uint8_t frame[kMaxFrameBytes + 8];
    const int length =
        BuildFrame(opcode, reinterpret_cast<const std::uint8_t *>(body.constData()), int(body.size()), frame);
    QByteArray out;
    out.append(char(kReplyStartByte));
    out.append(reinterpret_cast<const char *>(frame), length);
    return out;
}

bool ParseSimFault(const QString &text, SimFault &fault)
{
    const qsizetype colon = text.indexOf(u':');
    if (colon < 0)
        return false;
    QString target = text.left(colon);
    const QString kind = text.mid(colon + 1);
    SimFault f;
    const qsizetype at = target.indexOf(u'@');
    if (at >= 0) {
        bool ok = false;
        f.occurrence = target.mid(at + 1).toInt(&ok);
        if (!ok || f.occurrence < 1)
            return false;
        target = target.left(at);
    }
    if (target != QLatin1String("all")) {
        bool ok = false;
        f.command = target.toInt(&ok, 16);
        if (!ok || f.command < 0 || f.command > 0xFF)
            return false;
    }
    static const struct {
        const char *name;
        SimFaultKind kind;
    } kinds[] = {
        {"silent", SimFaultKind::Silent},
        {"bad-checksum", SimFaultKind::BadChecksum},
        {"q-fd", SimFaultKind::RefuseFD},
        {"q-fe", SimFaultKind::RefuseBusy},
        {"q-other", SimFaultKind::RefuseOther},
        {"s1", SimFaultKind::StatusWaiting},
        {"s4", SimFaultKind::StatusUnsupported},
        {"s-other", SimFaultKind::StatusOther},
        {"old-firmware", SimFaultKind::EarlierFirmware},
        {"bad-opcode", SimFaultKind::InvalidOpcode},
        {"bad-letter", SimFaultKind::WrongLetter},
        {"drop-reply", SimFaultKind::DropReply},
    };
    for (const auto &k : kinds) {
        if (kind == QLatin1String(k.name)) {
            f.kind = k.kind;
            fault = f;
            return true;
        }
    }
    return false;
}

CRadioSim::CRadioSim() : memory(DefaultRadio()) {}

std::vector<QByteArray> CRadioSim::Receive(const std::uint8_t *bytes, int count)
{
    std::vector<QByteArray> replies;
    m_pending.insert(m_pending.end(), bytes, bytes + count);
    for (;;) {
        // Drop what cannot start a frame.
        size_t start = 0;
        while (start < m_pending.size() && m_pending[start] < 0xF0)
            ++start;
        m_pending.erase(m_pending.begin(), m_pending.begin() + static_cast<std::ptrdiff_t>(start));
        if (m_pending.size() < 2)
            break;
        const bool longForm = m_pending[0] == 0xFF;
        size_t size = 0;
        if (longForm) {
            if (m_pending.size() < 4)
                break;
            size = 4 + size_t(m_pending[2] * 256 + m_pending[3]);
        } else {
            size = 2 + size_t(m_pending[0] & 0x0F);
        }
        if (m_pending.size() < size)
            break;
        const std::vector<std::uint8_t> frame(m_pending.begin(), m_pending.begin() + static_cast<std::ptrdiff_t>(size));
        m_pending.erase(m_pending.begin(), m_pending.begin() + static_cast<std::ptrdiff_t>(size));
        const int header = longForm ? 4 : 2;
        const int bodyLength = int(size) - header - 1;
        if (bodyLength < 1 || frame[1] != kRequestOpcode || Checksum(frame.data(), int(size) - 1) != frame[size - 1]) {
            if (onRequest)
                onRequest(QStringLiteral("dropped frame"));
            continue;
        }
        const QByteArray reply = Handle(frame[header], frame.data() + header + 1, bodyLength - 1);
        if (!reply.isEmpty())
            replies.push_back(reply);
    }
    return replies;
}

QByteArray CRadioSim::Handle(std::uint8_t command, const std::uint8_t *payload, int length)
{
    // A dropped line carries nothing until a program opens a new session; the fault happens
    // once, so the radio can then be written again.
    if (m_bDropped) {
        if (command != CMD_READ_IDENTITY)
            return QByteArray();
        m_bDropped = false;
        dropAfterRecords = 0;
    }
    const int occurrence = ++m_counts[command];
    if (onRequest) {
        QString line = QString::asprintf("%02X", command);
        if ((command == CMD_READ_CONTACT || command == CMD_WRITE_CONTACT || command == CMD_READ_TEXT ||
             command == CMD_WRITE_TEXT) &&
            length >= 2)
            line += QString::asprintf(" %d/%d", payload[0], payload[1]);
        onRequest(line);
    }
    for (const SimFault &f : faults) {
        if ((f.command >= 0 && f.command != command) || (f.occurrence != 0 && f.occurrence != occurrence))
            continue;
        const auto refusal = [command](char letter, std::uint8_t detail) {
            QByteArray body;
            body.append(letter);
            body.append(char(command));
            body.append(char(detail));
            return BuildReply(kReplyOpcodeOk, body);
        };
        switch (f.kind) {
        case SimFaultKind::Silent: return QByteArray();
        case SimFaultKind::BadChecksum: {
            QByteArray reply = Answer(command, payload, length);
            if (!reply.isEmpty())
                reply[reply.size() - 1] = char(reply.at(reply.size() - 1) ^ 0x5A);
            return reply;
        }
        case SimFaultKind::RefuseFD: return refusal('Q', QD_RESET_OR_WRITE_FIRST);
        case SimFaultKind::RefuseBusy: return refusal('Q', QD_BUSY);
        case SimFaultKind::RefuseOther: return refusal('Q', 0x01);
        case SimFaultKind::StatusWaiting: return BuildReply(kReplyOpcodeOk, QByteArray("S\x01", 2));
        case SimFaultKind::StatusUnsupported: return BuildReply(kReplyOpcodeOk, QByteArray("S\x04", 2));
        case SimFaultKind::StatusOther: return BuildReply(kReplyOpcodeOk, QByteArray("S\x03", 2));
        case SimFaultKind::EarlierFirmware: return BuildReply(kReplyOpcodeNak, QByteArray(1, '\0'));
        case SimFaultKind::InvalidOpcode: return BuildReply(kReplyOpcodeNak, QByteArray(1, '\x01'));
        case SimFaultKind::WrongLetter: return BuildReply(kReplyOpcodeOk, QByteArray("Z", 1));
        case SimFaultKind::DropReply: Answer(command, payload, length); return QByteArray();
        }
    }
    return Answer(command, payload, length);
}

QByteArray CRadioSim::Refuse(std::uint8_t command) const
{
    QByteArray body("Q");
    body.append(char(command));
    body.append('\0');
    return BuildReply(kReplyOpcodeOk, body);
}

QByteArray CRadioSim::Answer(std::uint8_t command, const std::uint8_t *payload, int length)
{
    const auto ok = [](char letter, const QByteArray &data = QByteArray()) {
        return BuildReply(kReplyOpcodeOk, QByteArray(1, letter) + data);
    };
    switch (command) {
    case CMD_READ_IDENTITY: return ok('E', EncodeIdentity(memory));
    case CMD_START: return ok('P');
    case CMD_READ_LIMITS: return ok('F', EncodeLimit(memory.limit));
    case CMD_READ_SETTINGS: return ok('G', EncodeSettings(memory.setting));
    case CMD_WRITE_SETTINGS: {
        if (!DecodeSettings(payload, length, memory.setting))
            return Refuse(command);
        return ok('P');
    }
    case CMD_READ_CONTACT: return ReadList(true, payload, length);
    case CMD_READ_TEXT: return ReadList(false, payload, length);
    case CMD_WRITE_CONTACT: return WriteContact(payload, length);
    case CMD_WRITE_TEXT: return WriteText(payload, length);
    case CMD_END_WRITE:
        ++m_nEndWrites;
        m_nContactTotal = m_nTextTotal = -1;
        if (onCommit)
            onCommit();
        if (!pidAfterWrite.isEmpty())
            memory.limit.pid = pidAfterWrite;
        return ok('P');
    case CMD_RESET:
        ++m_nResets;
        m_nContactTotal = m_nTextTotal = -1;
        return ok('P');
    case CMD_START_CAPTURE: m_nPolls = 0; return ok('S', QByteArray(1, char(CS_WAITING)));
    case CMD_POLL_CAPTURE:
        ++m_nPolls;
        if (captureAfterPolls > 0 && m_nPolls >= captureAfterPolls)
            return ok('S',
                      QByteArray(1, char(CS_CAPTURED)) + ToRadioText(capturedPid, kMaxPidChars) + QByteArray(1, '\0'));
        return ok('S', QByteArray(1, char(CS_WAITING)));
    default: return Refuse(command);
    }
}

QByteArray CRadioSim::ReadList(bool contacts, const std::uint8_t *payload, int length) const
{
    std::vector<int> used;
    if (contacts) {
        for (int i = 0; i < profile::kMaxContacts; ++i) {
            const VirtualCPContact &c = memory.contacts[i];
            if (!c.IsEmpty() && !c.name.isEmpty() && !c.pid.isEmpty())
                used.push_back(i);
        }
    } else {
        for (int i = 0; i < profile::kMaxTextMessages; ++i) {
            if (!memory.texts[i].isEmpty())
                used.push_back(i);
        }
    }
    const char letter = contacts ? 'H' : 'I';
    const int total = int(used.size());
    int index = length >= 1 ? payload[0] : 0;
    if (index == 0)
        index = 1;
    QByteArray body(1, letter);
    if (total == 0 || index > total) {
        body.append(2, '\0');
        return BuildReply(kReplyOpcodeOk, body);
    }
    body.append(char(index));
    body.append(char(total));
    if (contacts) {
        QByteArray record;
        EncodeContact(memory.contacts[used[index - 1]], record);
        body.append(record);
    } else {
        body.append(EncodeText(memory.texts[used[index - 1]]));
    }
    return BuildReply(kReplyOpcodeOk, body);
}

// A write numbers its records 1..total with the same total throughout; index 1 (or the empty
// list's index 0, total 0) starts the list afresh.
QByteArray CRadioSim::WriteContact(const std::uint8_t *payload, int length)
{
    if (length < 2)
        return Refuse(CMD_WRITE_CONTACT);
    const int index = payload[0], total = payload[1];
    if (index <= 1) {
        for (VirtualCPContact &c : memory.contacts)
            c = VirtualCPContact();
        m_nContactNext = 1;
        m_nContactTotal = total;
        if (index == 0)
            return total == 0 ? BuildReply(kReplyOpcodeOk, "P") : Refuse(CMD_WRITE_CONTACT);
    }
    // The record just taken, sent again because its reply was lost: take it again and answer
    // again, as the radio does.
    const bool repeat = index > 1 && index == m_nContactNext - 1;
    VirtualCPContact contact;
    if ((index != m_nContactNext && !repeat) || total != m_nContactTotal || index > total ||
        index > profile::kMaxContacts || !DecodeContact(payload + 2, length - 2, contact))
        return Refuse(CMD_WRITE_CONTACT);
    contact.contact_flags_b = 0;  // not carried: the radio keeps these in its settings
    if (index == corruptContactRecord && !contact.name.isEmpty())
        contact.name[0] = contact.name.at(0) == u'X' ? u'Y' : u'X';
    memory.contacts[index - 1] = contact;
    if (!repeat)
        ++m_nContactNext;
    return RecordTaken();
}

QByteArray CRadioSim::WriteText(const std::uint8_t *payload, int length)
{
    if (length < 2)
        return Refuse(CMD_WRITE_TEXT);
    const int index = payload[0], total = payload[1];
    if (index <= 1) {
        for (QString &t : memory.texts)
            t.clear();
        m_nTextNext = 1;
        m_nTextTotal = total;
        if (index == 0)
            return total == 0 ? BuildReply(kReplyOpcodeOk, "P") : Refuse(CMD_WRITE_TEXT);
    }
    const bool repeat = index > 1 && index == m_nTextNext - 1;  // as for contacts
    QString text;
    if ((index != m_nTextNext && !repeat) || total != m_nTextTotal || index > total ||
        index > profile::kMaxTextMessages || !DecodeText(payload + 2, length - 2, text))
        return Refuse(CMD_WRITE_TEXT);
    memory.texts[index - 1] = text;
    if (!repeat)
        ++m_nTextNext;
    return RecordTaken();
}

// The acknowledgement of a contact or text record, unless the line drops right after it: the
// record is stored, its reply is lost.
QByteArray CRadioSim::RecordTaken()
{
    if (dropAfterRecords > 0 && ++m_nRecordsTaken >= dropAfterRecords) {
        m_bDropped = true;
        return QByteArray();
    }
    return BuildReply(kReplyOpcodeOk, "P");
}

// ---- radios to start from --------------------------------------------------------------------

namespace {

VirtualCPData BaseRadio()
{
    VirtualCPData r;
    VirtualCPLimit &l = r.limit;
    l.pid = QStringLiteral("20000001");
    l.valid_PID_start = QString::fromLatin1(kDefaultValidPidStart);
    l.valid_PID_end = QString::fromLatin1(kDefaultValidPidEnd);
    l.bank[0].pid_name = QString::fromLatin1(kPublicBankName);
    l.model = QStringLiteral("ZQ7S");
    l.clone_compatibility_version = 3;
    l.max_num_of_contacts = 150;
    l.max_num_of_private_grps = 25;
    l.max_num_of_public_grps = 40;
    l.max_num_of_predefined_msgs = 25;
    l.limit_flags = LF_SMS_FREE_FORM_MESGS_EN | LF_SMS_COMPOSE_MESGS_EN | LF_PUBLIC_SCAN_EN | LF_SEE_ALL_GROUPS_EN |
        LF_MNGR_MODE_EN | LF_TX_TOT_EN | LF_ADD_PRVT_GRP_EN | LF_ADD_PRVT_CONTACTS_EN | LF_CALL_FORWARD_EN |
        LF_PRVT_CALL_TX_EN | LF_PRVT_CALL_RET_EN | LF_SMS_MESGS_TX_EN | LF_SMS_MESGS_RX_EN | 0x05u;
    l.limit_flags2 = 0x00A50001;
    l.num_of_languages = 3;
    l.language_id = {0, 2, 5, 0, 0, 0};
    l.max_num_of_channels = 10;
    l.max_vol_level = 7;

    VirtualCPSetting &s = r.setting;
    s.contrast = 5;
    s.backlight = 10;
    s.vibracall = 1;
    s.current_time = 1700000000;
    s.alarm_time = 25200;
    s.ringer_vol_level = 3;
    s.speaker_vol_level = 4;
    s.keypad_vol_level = 2;
    s.alarm_vol_level = 5;
    s.earpiece_vol_level = 6;
    s.language = 2;
    s.setting_flags = SF_TIME_FORMAT | SF_SCAN_EN | SF_MNGR_MODE | SF_SEE_ALL_GRPS | 0x3u;
    s.call_forward_id = QStringLiteral("20000002");
    s.noise = 0x21;
    s.tot_timer = 60;
    s.tpt_offset = 2;
    return r;
}

VirtualCPContact Contact(const QString &name, const QString &pid, int type, int channel)
{
    VirtualCPContact c;
    c.name = name;
    c.pid = pid;
    c.cntct_type = std::uint8_t(type);
    c.channel = std::uint8_t(channel);
    return c;
}

// What a contact looks like after it has crossed the link: the link-only member fields set and
// the see-all-groups bit that arrives with every private contact.
VirtualCPContact AsReceived(const VirtualCPContact &c)
{
    QByteArray bytes;
    VirtualCPContact out = c;
    if (EncodeContact(c, bytes))
        DecodeContact(reinterpret_cast<const std::uint8_t *>(bytes.constData()), int(bytes.size()), out);
    return out;
}

// As after a read: parent and home references tidied, and the own contact's manager-mode and
// see-all-groups bits following the settings.
void SetOwnFlags(VirtualCPData &r)
{
    TidyPrivateContacts(r);
    for (VirtualCPContact &c : r.contacts) {
        if (c.cntct_type == profile::kPrivateContact && c.pid == r.limit.pid) {
            c.contact_flags_b = 0;
            if ((r.setting.setting_flags & SF_MNGR_MODE) && (r.limit.limit_flags & LF_MNGR_MODE_EN))
                c.contact_flags_b |= CFB_MNGR_MODE;
            if ((r.setting.setting_flags & SF_SEE_ALL_GRPS) && (r.limit.limit_flags & LF_SEE_ALL_GROUPS_EN))
                c.contact_flags_b |= CFB_SEE_ALL_GROUPS;
        }
    }
}

}  // namespace

VirtualCPData CRadioSim::AsRead() const
{
    VirtualCPData r = memory;
    for (VirtualCPContact &c : r.contacts)
        c = AsReceived(c);
    SetOwnFlags(r);
    return r;
}

VirtualCPData CRadioSim::EmptyRadio()
{
    return BaseRadio();
}

VirtualCPData CRadioSim::DefaultRadio()
{
    VirtualCPData r = BaseRadio();
    r.contacts[0] = AsReceived(Contact(QStringLiteral("Public 1"), QStringLiteral("17179869183"), 2, 1));
    r.contacts[0].contact_flags_a = CFA_IN_SCAN_LIST | CFA_IN_SCROLL_LIST;
    VirtualCPContact own = Contact(QStringLiteral("My Radio"), r.limit.pid, 0, 1);
    own.home_grp = QStringLiteral("17179869183");
    own.contact_flags_a = CFA_ID_IN_USE;
    r.contacts[1] = AsReceived(own);
    r.texts[0] = QStringLiteral("Hello");
    SetOwnFlags(r);
    return r;
}

VirtualCPData CRadioSim::FullRadio()
{
    VirtualCPData r = BaseRadio();
    const int privateGroups = 20, publicGroups = 30, privates = 100;
    int slot = 0;
    QStringList groupPids, publicPids;
    for (int g = 0; g < publicGroups; ++g) {
        const QString pid = QString::number(17179869183ull - std::uint64_t(g));
        publicPids << pid;
        VirtualCPContact c = Contact(QString::fromLatin1("\xD6"
                                                         "ffentlich %1")
                                         .arg(g + 1, 2, 10, QLatin1Char('0')),
                                     pid, 2, 1 + g % 10);
        c.contact_flags_a = std::uint8_t((g % 2 ? CFA_IN_SCAN_LIST : 0) | (g % 3 ? CFA_IN_SCROLL_LIST : 0));
        r.contacts[slot++] = AsReceived(c);
    }
    for (int g = 0; g < privateGroups; ++g) {
        const QString pid = QString::number(30000001 + g);
        groupPids << pid;
        VirtualCPContact c =
            Contact(QString::fromLatin1("\xC9quipe %1").arg(g + 1, 2, 10, QLatin1Char('0')), pid, 1, 1 + g % 10);
        c.contact_flags_a = std::uint8_t(g % 2 ? CFA_IN_SCROLL_LIST : 0);
        r.contacts[slot++] = AsReceived(c);
    }
    for (int p = 0; p < privates; ++p) {
        const QString pid = QString::number(20000001 + p);  // the first is the radio's own
        VirtualCPContact c = Contact(p == 0 ? QStringLiteral("My Radio")
                                            : QString::fromLatin1("Agent \xD1%1 %2")
                                                  .arg(p, 3, 10, QLatin1Char('0'))
                                                  .arg(QString(QChar(0xE0 + p % 28))),
                                     pid, 0, 1 + p % 10);
        c.alert_tone = std::uint8_t(p % 8);
        c.contact_flags_a = std::uint8_t(p % 8);  // the bits a private contact has in a profile
        const int parents = p % 6;
        for (int k = 0; k < parents; ++k)
            c.parent_pid[k] = groupPids[(p + 3 * k) % privateGroups];
        if (p % 3 == 0)
            c.home_grp = publicPids[p % publicGroups];
        else if (p % 3 == 1 && parents > 0)
            c.home_grp = c.parent_pid[parents - 1];
        r.contacts[slot++] = AsReceived(c);
    }
    for (int t = 0; t < profile::kMaxTextMessages; ++t)
        r.texts[t] = QString::fromLatin1("Message %1: r\xE9union \xE0 %2h").arg(t + 1).arg(8 + t % 12);
    r.texts[24] = QString(80, QChar(0xFF));
    SetOwnFlags(r);
    return r;
}

void CRadioSim::AddForeignRecords(VirtualCPData &radio)
{
    for (VirtualCPContact &c : radio.contacts) {
        if (c.IsEmpty()) {
            c = Contact(QStringLiteral("Newer Type"), QStringLiteral("20009876"), 7, 1);
            break;
        }
    }
    if (!radio.contacts[0].IsEmpty())
        radio.contacts[0].name = radio.contacts[0].name.left(kMaxNameChars - 2) + QChar(0x07) + u'!';
    radio.texts[0] = radio.texts[0].left(kMaxTextChars - 2) + QChar(0x1B) + u'!';
}

}  // namespace zqv
