#include "RadioTransfer.h"

#include "LinkCodec.h"
#include "StringTable.h"
#include "TransferRecord.h"
#include "TransferSession.h"

#include <QStringList>
#include <chrono>

namespace zqv {

using namespace link;

QString TransferFailureText(int code)
{
    const auto reason = [](int id) { return FormatStr(IDS_OPERATION_FAILED_REASON, {LoadStr(id)}); };
    switch (code) {
    case LR_PORT_FAILURE: return LoadStr(IDS_XFER_PORT_IN_USE);
    case LR_PORT_NOT_FOUND: return LoadStr(IDS_PORT_NOT_FOUND);
    case LR_CONNECTION_LOST: return LoadStr(IDS_CONNECTION_LOST);
    case LR_GARBLED_REPLIES: return LoadStr(IDS_GARBLED_REPLIES);
    case LR_NOT_A_TERMINAL: return LoadStr(IDS_PORT_NOT_A_TERMINAL);
    case LR_NO_REPLY: return LoadStr(IDS_XFER_NO_CONNECTION);
    case LR_EARLIER_FIRMWARE: return LoadStr(IDS_XFER_EARLIER_FIRMWARE);
    case LR_VERSION_UNSUPPORTED: return LoadStr(IDS_XFER_VERSION_UNSUPPORTED);
    case LR_MODEL_UNSUPPORTED: return LoadStr(IDS_XFER_MODEL_UNSUPPORTED);
    case LR_INVALID_OPCODE: return reason(IDS_REASON_INVALID_OPCODE);
    case LR_UNSUPPORTED_COMMAND: return reason(IDS_REASON_UNSUPPORTED_COMMAND);
    case LR_OPERATION_FAILED: return LoadStr(IDS_OPERATION_FAILED);
    case LR_TIMED_OUT: return LoadStr(IDS_XFER_TIMED_OUT);
    case LR_OPERATION_UNSUPPORTED: return reason(IDS_REASON_OPERATION_UNSUPPORTED);
    case LR_RADIO_BUSY: return LoadStr(IDS_XFER_RADIO_BUSY);
    case LR_USER_CANCELED: return reason(IDS_REASON_USER_CANCELED);
    case LR_MESSAGE_COMPOSE: return reason(IDS_REASON_MESSAGE_COMPOSE);
    case LR_RESET_OR_WRITE_FIRST: return LoadStr(IDS_XFER_RESET_OR_WRITE_FIRST);
    case LR_TEXT_CONVERSION: return LoadStr(IDS_CPS_TEXT_CONVERT_FAILED);
    case LR_PASSWORD_UNREADABLE: return LoadStr(IDS_RADIO_PASSWORD_FAILED);
    default: return FormatStr(IDS_OPERATION_FAILED_CODE, {QString::number(code)});
    }
}

QStringList ReadNoteTexts(const ReadNotes &notes)
{
    QStringList out;
    if (notes.foreignContacts > 0)
        out << FormatStr(IDS_READ_CONTACTS_LEFT_OUT, {QString::number(notes.foreignContacts)});
    if (notes.controlCharacters > 0)
        out << FormatStr(IDS_READ_CONTROL_CHARS_REPLACED, {QString::number(notes.controlCharacters)});
    return out;
}

// ---- one operation's frame -----------------------------------------------------------------

// Holds the port's lock, the port and the link for the length of one operation. A port that
// another operation holds for longer than the timing allows is not opened: the operation
// fails at its first step with LR_PORT_FAILURE.
class CRadioTransfer::CSession {
public:
    explicit CSession(CRadioTransfer &owner)
        : m_owner(owner), m_pPortLock(owner.m_session.PortLock()), m_lock(*m_pPortLock, std::defer_lock)
    {
        owner.m_bError = false;
        owner.m_bCancelReported = false;
        owner.m_bDataSent = false;
        owner.m_bRadioReset = false;
        owner.m_bRadioAnswered = false;
        owner.m_nResult = 0;
        if (!m_lock.try_lock_for(std::chrono::milliseconds(owner.m_timing.portWaitMs))) {
            owner.Fail(LR_PORT_FAILURE);
            return;
        }
        m_pPort = owner.m_portFactory ? owner.m_portFactory(owner.m_strPortName)
                                      : std::make_unique<CSerialPort>(owner.m_strPortName);
        m_pLink = std::make_unique<CRadioLink>(m_pPort.get());
        m_pLink->SetEndWritePauseMs(owner.m_timing.endWritePauseMs);
        owner.m_pLink = m_pLink.get();
    }
    ~CSession()
    {
        if (auto *serial = dynamic_cast<CSerialPort *>(m_pPort.get())) {
            m_owner.m_nBytesRead = serial->BytesRead();
            m_owner.m_nBytesWritten = serial->BytesWritten();
        }
        m_owner.m_pLink = nullptr;
        m_pLink.reset();
        m_pPort.reset();  // closes (and purges) the port before the lock goes
    }

private:
    CRadioTransfer &m_owner;
    std::shared_ptr<std::timed_mutex> m_pPortLock;
    std::unique_lock<std::timed_mutex> m_lock;
    std::unique_ptr<IBytePort> m_pPort;
    std::unique_ptr<CRadioLink> m_pLink;
};

CRadioTransfer::CRadioTransfer(CTransferSession &session, ITransferObserver *observer)
    : m_strPortName(session.Port()), m_pObserver(observer), m_portFactory(session.PortFactory()),
      m_timing(session.Timing()), m_session(session)
{
}

bool CRadioTransfer::Proceed()
{
    // A failure has been reported already: stop without a second report.
    if (m_bError)
        return false;
    if (m_session.IsCancelRequested()) {
        if (!m_bCancelReported) {
            m_bCancelReported = true;
            m_bError = true;
            m_nResult = LR_USER_CANCELED;
            if (m_pObserver)
                m_pObserver->OnFailure(LR_USER_CANCELED);
        }
        return false;
    }
    return true;
}

void CRadioTransfer::Fail(int code)
{
    // A radio that has answered in this operation and then falls silent was there: the
    // connection was lost on the way, which "unable to establish a connection" would hide.
    if (code == LR_NO_REPLY && m_bRadioAnswered)
        code = LR_CONNECTION_LOST;
    m_bError = true;
    m_nResult = code;
    if (m_pObserver)
        m_pObserver->OnFailure(code);
}

void CRadioTransfer::Succeed()
{
    m_nResult = LR_SUCCESS;
    if (m_pObserver)
        m_pObserver->OnSuccess();
}

void CRadioTransfer::Progress(int percent)
{
    if (m_pObserver)
        m_pObserver->OnProgress(percent);
}

void CRadioTransfer::Ask(int question)
{
    if (!m_pObserver) {
        m_session.RequestCancel();
        return;
    }
    m_session.BeginQuestion();
    m_pObserver->OnQuestion(question);
    m_session.WaitForAnswer();
}

bool CRadioTransfer::Check(int code)
{
    if (code == LR_SUCCESS)
        return true;
    Fail(code);
    return false;
}

bool CRadioTransfer::Opening(VirtualCPData &record)
{
    CRadioLink::Reply reply;
    if (!Proceed() || !Check(m_pLink->ReadIdentity(reply)))
        return false;
    if (!DecodeIdentity(reply.Data(), reply.DataLength(), record)) {
        Fail(LR_VERSION_UNSUPPORTED);
        return false;
    }
    m_bRadioAnswered = true;
    return Proceed() && Check(m_pLink->Start(reply));
}

bool CRadioTransfer::ReadLimits(VirtualCPLimit &limit)
{
    CRadioLink::Reply reply;
    if (!Proceed() || !Check(m_pLink->ReadLimits(reply)))
        return false;
    if (!DecodeLimit(reply.Data(), reply.DataLength(), limit)) {
        Fail(LR_OPERATION_FAILED);
        return false;
    }
    if (!ModelFits(limit.clone_compatibility_version, m_session.ModelFamily())) {
        Fail(LR_MODEL_UNSUPPORTED);
        return false;
    }
    return true;
}

// Reads the contact or text list: index 0 and total 0 first, then each next index with the
// total the radio announced. A first reply with total 0 is the empty list. Otherwise every
// record 1..total must arrive, in order, with the same total: anything else would leave records
// missing and fails the read. A contact of a type this program does not know (a newer
// firmware's) is left out and counted; its slot stays empty.
bool CRadioTransfer::ReadList(bool contacts, VirtualCPData &record, ReadNotes &notes)
{
    const int slotCount = contacts ? profile::kMaxContacts : profile::kMaxTextMessages;
    int index = 0, total = 0;
    for (;;) {
        if (!Proceed())
            return false;
        CRadioLink::Reply reply;
        const int code = contacts ? m_pLink->ReadContact(index, total, reply) : m_pLink->ReadText(index, total, reply);
        if (!Check(code))
            return false;
        if (reply.DataLength() < 2) {
            Fail(LR_OPERATION_FAILED);
            return false;
        }
        const int r = reply.Data()[0];
        const int t = reply.Data()[1];
        if (index == 0) {
            if (t == 0)
                return true;
            if (r != 1 || t > slotCount) {
                Fail(LR_OPERATION_FAILED);
                return false;
            }
        } else if (r != index || t != total) {
            Fail(LR_OPERATION_FAILED);
            return false;
        }
        const std::uint8_t *data = reply.Data() + 2;
        const int length = reply.DataLength() - 2;
        bool ok = false;
        if (contacts) {
            VirtualCPContact contact;
            ok = DecodeContact(data, length, contact);
            if (ok && contact.cntct_type <= profile::kPublicGroup)
                record.contacts[r - 1] = contact;
            else if (ok)
                ++notes.foreignContacts;
        } else {
            ok = DecodeText(data, length, record.texts[r - 1]);
        }
        if (!ok) {
            Fail(LR_OPERATION_FAILED);
            return false;
        }
        total = t;
        index = r + 1;
        if (total < index)
            return true;
    }
}

int CRadioTransfer::ReadRadio(VirtualCPData &target)
{
    CSession session(*this);
    VirtualCPData result;
    ReadNotes notes;
    if (!Opening(result))
        return m_nResult;
    Progress(20);

    if (!ReadLimits(result.limit))
        return m_nResult;
    Progress(40);

    CRadioLink::Reply reply;
    if (!Proceed() || !Check(m_pLink->ReadSettings(reply)))
        return m_nResult;
    // The block is the whole reply data after the letter.
    if (!DecodeSettings(reply.Data(), reply.DataLength(), result.setting)) {
        Fail(LR_OPERATION_FAILED);
        return m_nResult;
    }
    Progress(60);

    if (!ReadList(true, result, notes))
        return m_nResult;
    TidyPrivateContacts(result);
    Progress(80);

    if (!ReadList(false, result, notes))
        return m_nResult;
    notes.controlCharacters = FinishRead(result);
    if (!Proceed())
        return m_nResult;
    target = result;
    m_readNotes = notes;
    Succeed();
    return m_nResult;
}

// Sends the contacts or the texts numbered 1..total; an empty list is one request with index
// 0, total 0 and no record.
bool CRadioTransfer::SendAll(bool contacts, const VirtualCPData &record)
{
    const std::vector<int> slotList = contacts ? ContactsToSend(record) : TextsToSend(record);
    const int total = int(slotList.size());
    CRadioLink::Reply reply;
    if (total == 0) {
        if (!Proceed())
            return false;
        m_bDataSent = true;
        return Check(contacts ? m_pLink->WriteContact(0, 0, QByteArray(), reply)
                              : m_pLink->WriteText(0, 0, QByteArray(), reply));
    }
    for (int k = 0; k < total; ++k) {
        if (!Proceed())
            return false;
        QByteArray data;
        if (contacts) {
            if (!EncodeContact(record.contacts[slotList[k]], data)) {
                Fail(LR_MESSAGE_COMPOSE);
                return false;
            }
        } else {
            data = EncodeText(record.texts[slotList[k]]);
        }
        m_bDataSent = true;
        if (!Check(contacts ? m_pLink->WriteContact(k + 1, total, data, reply)
                            : m_pLink->WriteText(k + 1, total, data, reply)))
            return false;
    }
    return true;
}

int CRadioTransfer::WriteRadio(const VirtualCPData &source)
{
    CSession session(*this);
    VirtualCPData copy = source;
    RecountCounters(copy);
    const auto finish = [this]() {
        if (m_bDataSent && (m_nResult == LR_OPERATION_FAILED || m_nResult == LR_USER_CANCELED))
            ResetAfterAbortedWrite();
        return m_nResult;
    };

    if (!Opening(copy))
        return finish();
    Progress(20);

    VirtualCPLimit radio = VirtualCPData().limit;
    if (!ReadLimits(radio))
        return finish();
    if (!CheckFits(copy, radio))
        Ask(-2);
    if (!m_session.IsCancelRequested() && FindContact(copy, radio.pid, profile::kPrivateContact) < 0)
        Ask(-1);
    if (!Proceed())
        return finish();
    PrepareRecordForWrite(copy, radio);
    Progress(40);

    CRadioLink::Reply reply;
    m_bDataSent = true;
    if (!Check(m_pLink->WriteSettings(EncodeSettings(copy.setting), reply)))
        return finish();
    Progress(60);

    if (!SendAll(true, copy))
        return finish();
    Progress(80);

    if (!SendAll(false, copy) || !Proceed() || !Check(m_pLink->EndWrite(reply)))
        return finish();
    Succeed();
    return finish();
}

// After a write that the radio refused part-way (-8) or that the user cancelled once data had
// gone out, the radio holds part of the new codeplug and waits in programming mode. It is
// reset so it leaves that state; nothing more is reported, the user sees the first failure.
void CRadioTransfer::ResetAfterAbortedWrite()
{
    CRadioLink::Reply reply;
    if (m_pLink->ReadLimits(reply) != LR_SUCCESS)
        return;
    VirtualCPLimit limit;
    if (!DecodeLimit(reply.Data(), reply.DataLength(), limit) ||
        !ModelFits(limit.clone_compatibility_version, m_session.ModelFamily()))
        return;
    m_bRadioReset = m_pLink->Reset(reply) == LR_SUCCESS;
}

int CRadioTransfer::ResetRadio()
{
    CSession session(*this);
    VirtualCPLimit limit;
    CRadioLink::Reply reply;
    if (ReadLimits(limit) && Proceed() && Check(m_pLink->Reset(reply)))
        Succeed();
    return m_nResult;
}

int CRadioTransfer::ReadUnitPid(QString &pid)
{
    CSession session(*this);
    VirtualCPData scratch;
    if (Opening(scratch) && ReadLimits(scratch.limit) && Proceed()) {
        pid = scratch.limit.pid.left(kMaxPidChars);
        Succeed();
    }
    return m_nResult;
}

int CRadioTransfer::CapturePid(QString &pid)
{
    CSession session(*this);
    VirtualCPData scratch;
    if (!Opening(scratch) || !ReadLimits(scratch.limit))
        return m_nResult;
    Progress(20);
    CRadioLink::Reply reply;
    if (!Proceed())
        return m_nResult;
    const int started = m_pLink->StartCapture(reply);
    if (started == LR_PORT_FAILURE || started == LR_PORT_NOT_FOUND || started == LR_CONNECTION_LOST ||
        started == LR_NO_REPLY || started == LR_GARBLED_REPLIES || started == LR_NOT_A_TERMINAL) {
        Fail(started);
        return m_nResult;
    }
    if (started != LR_SUCCESS || reply.DataLength() < 1 || reply.Data()[0] != CS_WAITING) {
        Fail(LR_RADIO_BUSY);
        return m_nResult;
    }
    for (int percent = 20;;) {
        if (percent > 99) {
            Fail(LR_TIMED_OUT);
            return m_nResult;
        }
        m_session.SleepUnlessCancelled(m_timing.capturePollMs);
        if (!Proceed())
            return m_nResult;
        const int code = m_pLink->PollCapture(reply);
        if (code == LR_SUCCESS) {
            QString captured;
            if (!DecodeCapturedPid(reply.Data(), reply.DataLength(), captured)) {
                Fail(LR_OPERATION_FAILED);
                return m_nResult;
            }
            pid = captured;
            Succeed();
            return m_nResult;
        }
        if (code != LR_TIMED_OUT) {
            Fail(code);
            return m_nResult;
        }
        percent += 20;
        Progress(percent);
    }
}

int CRadioTransfer::ReadRadioPassword(VirtualCPData &record)
{
    CSession session(*this);
    VirtualCPData scratch;
    CRadioLink::Reply reply;
    if (!Opening(scratch) || !Proceed() || !Check(m_pLink->ReadSettings(reply)))
        return m_nResult;
    if (!DecodeSettings(reply.Data(), reply.DataLength(), scratch.setting)) {
        Fail(LR_PASSWORD_UNREADABLE);
        return m_nResult;
    }
    record.setting.password = scratch.setting.password;
    Succeed();
    return m_nResult;
}

int CRadioTransfer::ReadIdentity(VirtualCPData &record)
{
    CSession session(*this);
    VirtualCPData scratch;
    CRadioLink::Reply reply;
    if (!Opening(scratch) || !Proceed() || !Check(m_pLink->ReadIdentity(reply)))
        return m_nResult;
    if (!DecodeIdentity(reply.Data(), reply.DataLength(), scratch)) {
        Fail(LR_VERSION_UNSUPPORTED);
        return m_nResult;
    }
    record.firmware_phase = scratch.firmware_phase;
    record.firmware_release = scratch.firmware_release;
    record.firmware_version = scratch.firmware_version;
    record.firmware_revision = scratch.firmware_revision;
    record.codeplug_structure = scratch.codeplug_structure;
    record.codeplug_version = scratch.codeplug_version;
    record.codeplug_dev_version = scratch.codeplug_dev_version;
    Succeed();
    return m_nResult;
}

}  // namespace zqv
