// CRadioLink speaks the radio's programming protocol over a port: it builds request frames,
// exchanges them with retries (purging the port before each attempt), reads replies byte by
// byte and offers one operation per radio command, each turning the reply into a result code
// (1 = success, negative = failure, see LinkResult).
//
// A link belongs to one transfer operation on one thread and keeps no state between
// operations.
#pragma once

#include "LinkCodec.h"
#include "LinkFrame.h"
#include "SerialPort.h"

#include <QByteArray>
#include <cstdint>

namespace zqv {

class CRadioLink {
public:
    // The reply body of a command: the reply letter and up to 120 data bytes.
    struct Reply {
        std::uint8_t body[link::kMaxReplyBody] = {};
        std::uint8_t length = 0;
        // The reply data: what follows the reply letter.
        const std::uint8_t *Data() const { return body + 1; }
        int DataLength() const { return length > 0 ? length - 1 : 0; }
    };

    explicit CRadioLink(IBytePort *port) : m_pPort(port) {}

    // The pause between sending the end-write command and reading its reply (4000 ms).
    void SetEndWritePauseMs(int ms) { m_nEndWritePauseMs = ms; }

    // Builds a request frame; returns its length, or 0 when the payload is too long.
    static int Build(std::uint8_t opcode, std::uint8_t command, const std::uint8_t *payload, int payloadLength,
                     std::uint8_t *frame);

    // Sends `request` and reads the reply, up to three attempts. Returns the reply body length
    // (> 0), 0 for no valid reply, -1 for a port failure or a checksum error, -2 for an empty
    // request. `pause` waits the end-write pause between sending and reading. After a -1,
    // LastWasChecksumError() tells a garbled reply on a working line from a failing port.
    int Exchange(const std::uint8_t *request, int requestLength, std::uint8_t &opcode, std::uint8_t *body, bool pause);
    bool LastWasChecksumError() const { return m_bChecksumError; }

    // Sends `command` with `payload` and applies the command-result rules.
    int Command(std::uint8_t command, const std::uint8_t *payload, int payloadLength, Reply &reply);

    // One operation per command.
    int ReadIdentity(Reply &reply) { return Command(link::CMD_READ_IDENTITY, nullptr, 0, reply); }
    int Start(Reply &reply) { return Command(link::CMD_START, nullptr, 0, reply); }
    int ReadLimits(Reply &reply) { return Command(link::CMD_READ_LIMITS, nullptr, 0, reply); }
    int ReadSettings(Reply &reply) { return Command(link::CMD_READ_SETTINGS, nullptr, 0, reply); }
    int WriteSettings(const QByteArray &block, Reply &reply);
    int ReadContact(int index, int total, Reply &reply);
    int WriteContact(int index, int total, const QByteArray &record, Reply &reply);
    int ReadText(int index, int total, Reply &reply);
    int WriteText(int index, int total, const QByteArray &text, Reply &reply);
    int EndWrite(Reply &reply) { return Command(link::CMD_END_WRITE, nullptr, 0, reply); }
    int Reset(Reply &reply) { return Command(link::CMD_RESET, nullptr, 0, reply); }
    int StartCapture(Reply &reply) { return Command(link::CMD_START_CAPTURE, nullptr, 0, reply); }
    int PollCapture(Reply &reply) { return Command(link::CMD_POLL_CAPTURE, nullptr, 0, reply); }

    static constexpr int kRetries = 3;
    static constexpr int kByteAttempts = 3;

private:
    // Reads reply bytes from the port: what is already queued in one go, else one byte with
    // the port's time-out, up to three attempts per byte.
    class CPortSource : public link::IByteSource {
    public:
        explicit CPortSource(IBytePort *port) : m_pPort(port) {}
        int NextByte() override;
        // Forgets buffered bytes; with `record`, keeps every byte handed out until the next
        // Clear, for the link trace.
        void Clear(bool record = false)
        {
            m_nPos = m_nFill = 0;
            m_bRecord = record;
            m_recorded.clear();
        }
        const QByteArray &Recorded() const { return m_recorded; }
        // Bytes read from the port but not handed out.
        int Unread() const { return m_nFill - m_nPos; }
        const std::uint8_t *UnreadBytes() const { return m_buffer + m_nPos; }

    private:
        IBytePort *m_pPort;
        std::uint8_t m_buffer[256] = {};
        int m_nPos = 0;
        int m_nFill = 0;
        bool m_bRecord = false;
        QByteArray m_recorded;
    };

    // Traces the reply bytes read for one attempt and its outcome.
    void TraceReply(int result);

    int PagedCommand(std::uint8_t command, int index, int total, const QByteArray &data, Reply &reply);

    IBytePort *m_pPort;
    CPortSource m_source{m_pPort};
    int m_nEndWritePauseMs = 4000;
    bool m_bChecksumError = false;
};

}  // namespace zqv
