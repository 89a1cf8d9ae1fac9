// The radio side of the programming protocol, for the simulated radio `zqv-radio-sim` and for
// tests that drive the link without a pseudo-terminal.
//
// CRadioSim takes the bytes a PC sends, cuts them into request frames, answers each command
// from its memory (a virtual codeplug record) and changes that memory when it is written. Fault
// rules make it stay silent, corrupt checksums or answer with refusals, per command and, if
// wanted, only on the n-th request of that command.
#pragma once

#include "VirtualCPData.h"

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <functional>
#include <vector>

namespace zqv {

enum class SimFaultKind {
    Silent,  // no reply at all
    BadChecksum,  // the normal reply with a wrong checksum
    RefuseFD,  // 'Q' with detail 0xFD (reset or write first)
    RefuseBusy,  // 'Q' with detail 0xFE (busy)
    RefuseOther,  // 'Q' with another detail
    StatusWaiting,  // 'S' status 1
    StatusUnsupported,  // 'S' status 4
    StatusOther,  // 'S' status 3
    EarlierFirmware,  // opcode 0x8C, first byte 0
    InvalidOpcode,  // opcode 0x8C, first byte 1
    WrongLetter,  // 'A' with a letter no command expects
    DropReply,  // the request is carried out, but its reply is lost on the way
};

struct SimFault {
    int command = -1;  // -1: every command
    int occurrence = 0;  // 0: every request of that command; n: only the n-th
    SimFaultKind kind = SimFaultKind::Silent;
};

// Parses "CMD[@N]:KIND" (CMD two hex digits or "all"; KIND one of silent, bad-checksum, q-fd,
// q-fe, q-other, s1, s4, s-other, old-firmware, bad-opcode, bad-letter, drop-reply).
bool ParseSimFault(const QString &text, SimFault &fault);

class CRadioSim {
public:
    CRadioSim();

    // The radio's memory. Reads answer from it; writes change it as they arrive (a write that
    // stops part-way leaves what was accepted).
    VirtualCPData memory;
    std::vector<SimFault> faults;
    // The n-th poll after the capture started reports `capturedPid`; 0 never.
    int captureAfterPolls = 0;
    QString capturedPid = QStringLiteral("20001234");
    // The contact record written with this index (1-based; 0 none) is acknowledged but stored
    // with a wrong name, as a radio with a failing memory cell would.
    int corruptContactRecord = 0;
    // After this many contact and text records of a write (0 never), the radio stops answering
    // as if the cable had come out; it answers again from the next session's identity request,
    // once the cable is back.
    int dropAfterRecords = 0;
    // After each accepted end-write (empty: never), the radio answers with this own private
    // ID, as a different radio put on the cable before the write is read back would.
    QString pidAfterWrite;

    // Called after an end-write has been accepted, before its reply goes out.
    std::function<void()> onCommit;
    // Called with a line for each request that arrives ("31 3/150", "36").
    std::function<void(const QString &)> onRequest;

    // Takes bytes from the PC; returns the replies to send, in order (each starts with the
    // start byte). A request with a bad checksum or a foreign opcode is dropped unanswered.
    std::vector<QByteArray> Receive(const std::uint8_t *bytes, int count);

    // The memory as a read of this radio yields it: references tidied, the see-all-groups bit
    // that arrives with every private contact, the own contact's switches from the settings.
    VirtualCPData AsRead() const;

    int ResetCount() const { return m_nResets; }
    int EndWriteCount() const { return m_nEndWrites; }

    // Radios to start from: a fresh radio (its own private contact, a public group, a text),
    // one without contacts and texts, and a full one (150 contacts, 25 texts). The full radio's
    // record is exactly what reading it yields.
    static VirtualCPData DefaultRadio();
    static VirtualCPData EmptyRadio();
    static VirtualCPData FullRadio();
    // Gives `radio` what a radio with newer firmware may hold and this program cannot store
    // as it is: one contact of an unknown type (in the first free slot) and a control
    // character in the first contact's name and in the first text.
    static void AddForeignRecords(VirtualCPData &radio);

private:
    QByteArray Handle(std::uint8_t command, const std::uint8_t *payload, int length);
    QByteArray Answer(std::uint8_t command, const std::uint8_t *payload, int length);
    QByteArray Refuse(std::uint8_t command) const;
    QByteArray WriteContact(const std::uint8_t *payload, int length);
    QByteArray WriteText(const std::uint8_t *payload, int length);
    QByteArray ReadList(bool contacts, const std::uint8_t *payload, int length) const;
    QByteArray RecordTaken();

    std::vector<std::uint8_t> m_pending;
    int m_counts[256] = {};
    int m_nResets = 0;
    int m_nEndWrites = 0;
    int m_nPolls = 0;
    int m_nRecordsTaken = 0;  // records of the writes so far, for dropAfterRecords
    bool m_bDropped = false;  // not answering until the next identity request
    // Sequence checks of a write in progress.
    int m_nContactNext = 0, m_nContactTotal = -1;
    int m_nTextNext = 0, m_nTextTotal = -1;
};

// A reply frame: start byte, then the frame with `opcode` and `body`.
QByteArray BuildReply(std::uint8_t opcode, const QByteArray &body);

}  // namespace zqv
