#include "RadioLink.h"

#include "LinkTrace.h"

#include <chrono>
#include <thread>

namespace zqv {

using namespace link;

int CRadioLink::CPortSource::NextByte()
{
    if (m_nPos < m_nFill) {
        if (m_bRecord)
            m_recorded.append(char(m_buffer[m_nPos]));
        return m_buffer[m_nPos++];
    }
    m_nPos = m_nFill = 0;
    for (int attempt = 0; attempt < kByteAttempts; ++attempt) {
        int n = m_pPort->Read(m_buffer, int(sizeof m_buffer), false);
        if (n <= 0 && m_pPort->GetLastError() == 0)
            n = m_pPort->Read(m_buffer, 1, true);
        if (n > 0) {
            m_nFill = n;
            m_nPos = 1;
            if (m_bRecord)
                m_recorded.append(char(m_buffer[0]));
            return m_buffer[0];
        }
        if (m_pPort->GetLastError() != 0)
            return kPortFailure;
    }
    return kTimeout;
}

int CRadioLink::Build(std::uint8_t opcode, std::uint8_t command, const std::uint8_t *payload, int payloadLength,
                      std::uint8_t *frame)
{
    if (payloadLength < 0 || payloadLength > kMaxFrameBytes || payloadLength + 2 > 123)
        return 0;
    std::uint8_t body[kMaxFrameBytes + 1];
    body[0] = command;
    for (int i = 0; i < payloadLength; ++i)
        body[i + 1] = payload[i];
    return BuildFrame(opcode, body, payloadLength + 1, frame);
}

int CRadioLink::Exchange(const std::uint8_t *request, int requestLength, std::uint8_t &opcode, std::uint8_t *body,
                         bool pause)
{
    m_bChecksumError = false;
    if (requestLength == 0)
        return -2;
    if (!m_pPort || !m_pPort->IsOpen() || m_pPort->GetLastError() != 0)
        return -1;
    int result = 0;
    for (int attempt = 0; attempt < kRetries; ++attempt) {
        const bool trace = linktrace::Active();
        m_pPort->Purge(PURGE_TXCLEAR | PURGE_RXCLEAR);
        m_source.Clear(trace);
        if (trace)
            linktrace::Frame(linktrace::Direction::Sent, request, requestLength);
        const int written = m_pPort->Write(request, requestLength);
        if (written != requestLength) {
            result = -1;
            if (trace)
                linktrace::Event(QStringLiteral("write failed: %1 of %2 bytes sent").arg(written).arg(requestLength));
        } else {
            if (pause)
                std::this_thread::sleep_for(std::chrono::milliseconds(m_nEndWritePauseMs));
            result = ReadReply(m_source, opcode, body);
            if (trace)
                TraceReply(result);
        }
        if (result > 0)
            break;
    }
    // A -1 from a line that still works (the request went out, the port reports no error) is a
    // reply whose checksum did not add up.
    m_bChecksumError = result == -1 && m_pPort->GetLastError() == 0 && m_pPort->Trouble() == PortTrouble::None;
    m_pPort->ClearErrors(nullptr, nullptr);
    return result;
}

void CRadioLink::TraceReply(int result)
{
    // Everything read from the port for this attempt, including bytes after the reply that the
    // next purge throws away.
    QByteArray bytes = m_source.Recorded();
    bytes.append(reinterpret_cast<const char *>(m_source.UnreadBytes()), m_source.Unread());
    linktrace::Frame(linktrace::Direction::Received, reinterpret_cast<const std::uint8_t *>(bytes.constData()),
                     int(bytes.size()));
    if (m_source.Unread() > 0)
        linktrace::Event(
            QStringLiteral("the last %1 bytes came after the reply and were discarded").arg(m_source.Unread()));
    if (result <= 0)
        linktrace::Event(result == 0 ? QStringLiteral("no valid reply")
                                     : QStringLiteral("reply failed: checksum error or line failure"));
}

int CRadioLink::Command(std::uint8_t command, const std::uint8_t *payload, int payloadLength, Reply &reply)
{
    std::uint8_t frame[kMaxFrameBytes + 8];
    const int frameLength = Build(kRequestOpcode, command, payload, payloadLength, frame);
    std::uint8_t opcode = 0;
    reply.length = 0;
    const int r = Exchange(frame, frameLength, opcode, reply.body, command == CMD_END_WRITE);
    if (r > 0)
        reply.length = static_cast<std::uint8_t>(r);
    const int result = CommandResult(command, r, opcode, reply.body);
    // A port failure is, for the user, one of five things: the port is held by another
    // program, it does not exist, its path is no serial port, the radio's cable went away
    // during the transfer, or the replies arrive garbled (a bad cable or noise).
    if (result == LR_PORT_FAILURE && m_pPort) {
        if (m_pPort->Trouble() == PortTrouble::Missing)
            return LR_PORT_NOT_FOUND;
        if (m_pPort->Trouble() == PortTrouble::NotTerminal)
            return LR_NOT_A_TERMINAL;
        if (m_pPort->Trouble() == PortTrouble::Lost)
            return LR_CONNECTION_LOST;
        if (m_bChecksumError)
            return LR_GARBLED_REPLIES;
    }
    return result;
}

int CRadioLink::WriteSettings(const QByteArray &block, Reply &reply)
{
    return Command(CMD_WRITE_SETTINGS, reinterpret_cast<const std::uint8_t *>(block.constData()), int(block.size()),
                   reply);
}

int CRadioLink::PagedCommand(std::uint8_t command, int index, int total, const QByteArray &data, Reply &reply)
{
    QByteArray payload;
    payload.reserve(data.size() + 2);
    payload.append(char(index));
    payload.append(char(total));
    payload.append(data);
    return Command(command, reinterpret_cast<const std::uint8_t *>(payload.constData()), int(payload.size()), reply);
}

int CRadioLink::ReadContact(int index, int total, Reply &reply)
{
    return PagedCommand(CMD_READ_CONTACT, index, total, QByteArray(), reply);
}

int CRadioLink::WriteContact(int index, int total, const QByteArray &record, Reply &reply)
{
    return PagedCommand(CMD_WRITE_CONTACT, index, total, record, reply);
}

int CRadioLink::ReadText(int index, int total, Reply &reply)
{
    return PagedCommand(CMD_READ_TEXT, index, total, QByteArray(), reply);
}

int CRadioLink::WriteText(int index, int total, const QByteArray &text, Reply &reply)
{
    return PagedCommand(CMD_WRITE_TEXT, index, total, text, reply);
}

}  // namespace zqv
