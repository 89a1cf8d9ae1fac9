// The complete conversations with a radio: read it into a record, write a record into it,
// reset it, read its own private ID, capture another radio's private ID, read its codeplug
// password and read its identity.
//
// Each operation takes its port's lock (two operations never share a port), opens the port,
// drives the commands, and reports to an observer: progress, success, failure (with its
// result code) and questions. Every operation also returns its result (1 or the failure code),
// so callers that need no observer can chain them. A transfer belongs to a CTransferSession,
// whose worker thread runs it and whose cancel flag and question handshake it uses.
#pragma once

#include "RadioLink.h"
#include "SerialPort.h"
#include "VirtualCPData.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <mutex>

namespace zqv {

class CTransferSession;

// The clone-compatibility family radios must belong to.
inline constexpr int kModelFamily = 3;

// Receives what a transfer operation reports, on the operation's thread.
class ITransferObserver {
public:
    virtual ~ITransferObserver() = default;
    virtual void OnProgress(int percent) = 0;
    virtual void OnSuccess() = 0;
    // `code` is a LinkResult; LR_USER_CANCELED when the user cancelled.
    virtual void OnFailure(int code) = 0;
    // A write asks: -1 the radio being programmed is not in this profile, -2 some profile
    // information is not supported by the radio. The operation waits until its session's
    // Answer is called, from any thread, before or after this returns.
    virtual void OnQuestion(int question) = 0;
};

// The message the transfer windows show for a failure code.
QString TransferFailureText(int code);

// What a read left out or changed so that the record can be stored as a profile; the user is
// told about each.
struct ReadNotes {
    int foreignContacts = 0;  // contact records of a type this program does not know
    int controlCharacters = 0;  // control characters in names and texts, now blanks
    bool operator==(const ReadNotes &o) const
    {
        return foreignContacts == o.foreignContacts && controlCharacters == o.controlCharacters;
    }
};

// The notices for `notes`, one text each; none when the read took everything as it was.
QStringList ReadNoteTexts(const ReadNotes &notes);

class CRadioTransfer {
public:
    using PortFactory = std::function<std::unique_ptr<IBytePort>(const QString &portName)>;

    struct Timing {
        int endWritePauseMs = 4000;  // between the end-write command and its reply
        int capturePollMs = 3000;  // between the polls of a private-ID capture
        int portWaitMs = 2000;  // how long an operation waits for a port another one holds
    };

    // A transfer on `session`'s port, with its port factory, timing, cancel flag and question
    // handshake. `observer` may be null (nothing is reported; a question is then answered no).
    CRadioTransfer(CTransferSession &session, ITransferObserver *observer);

    // Tests put a scripted port in place of the serial port.
    void SetPortFactory(PortFactory factory) { m_portFactory = std::move(factory); }
    void SetTiming(const Timing &timing) { m_timing = timing; }

    // Reads the radio; `target` receives the whole record only on success.
    int ReadRadio(VirtualCPData &target);
    // Writes a copy of `source` into the radio; `source` is not changed.
    int WriteRadio(const VirtualCPData &source);
    int ResetRadio();
    // The radio's own private ID (at most 11 characters).
    int ReadUnitPid(QString &pid);
    // Another radio's private ID, sent over the air within about 12 seconds.
    int CapturePid(QString &pid);
    // The radio's codeplug password into `record`'s settings.
    int ReadRadioPassword(VirtualCPData &record);
    // The radio's seven identity bytes into `record`.
    int ReadIdentity(VirtualCPData &record);

    // What the last successful read left out or changed.
    const ReadNotes &LastReadNotes() const { return m_readNotes; }
    // True when the last write stopped part-way and the radio was reset: it then holds part of
    // the profile and needs a whole write.
    bool LastWriteResetRadio() const { return m_bRadioReset; }
    // True when the last write sent any record (settings, contacts, texts) to the radio.
    bool LastWriteSentData() const { return m_bDataSent; }

    // Bytes that crossed the serial line in the last operation, both directions.
    std::uint64_t LastBytesRead() const { return m_nBytesRead; }
    std::uint64_t LastBytesWritten() const { return m_nBytesWritten; }

private:
    class CSession;

    // The steps operations share; each returns false once the operation is to stop.
    bool Proceed();
    void Fail(int code);
    void Succeed();
    void Progress(int percent);
    void Ask(int question);
    bool Opening(VirtualCPData &record);
    bool ReadLimits(VirtualCPLimit &limit);
    bool ReadList(bool contacts, VirtualCPData &record, ReadNotes &notes);
    bool SendAll(bool contacts, const VirtualCPData &record);
    bool Check(int code);
    void ResetAfterAbortedWrite();

    QString m_strPortName;
    ITransferObserver *m_pObserver;
    PortFactory m_portFactory;
    Timing m_timing;
    CTransferSession &m_session;

    // Per operation.
    CRadioLink *m_pLink = nullptr;
    bool m_bError = false;
    bool m_bCancelReported = false;
    bool m_bDataSent = false;
    bool m_bRadioReset = false;
    bool m_bRadioAnswered = false;  // the radio answered the opening of this operation
    int m_nResult = 0;
    ReadNotes m_readNotes;
    std::uint64_t m_nBytesRead = 0;
    std::uint64_t m_nBytesWritten = 0;
};

}  // namespace zqv
