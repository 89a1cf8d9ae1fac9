#include "LinkFrame.h"

#include <cstring>

namespace zqv::link {

std::uint8_t Checksum(const std::uint8_t *bytes, int count)
{
    std::uint8_t sum = 0;
    for (int i = 0; i < count; ++i)
        sum = static_cast<std::uint8_t>(sum + bytes[i]);
    return static_cast<std::uint8_t>(0xFF - sum);
}

int BuildFrame(std::uint8_t opcode, const std::uint8_t *body, int bodyLength, std::uint8_t *out)
{
    const int n = bodyLength + 1;  // body + checksum
    if (bodyLength < 0 || n > 123)
        return 0;
    int pos = 0;
    if (n <= 14) {
        out[pos++] = static_cast<std::uint8_t>(0xF0 + n);
        out[pos++] = opcode;
    } else {
        out[pos++] = 0xFF;
        out[pos++] = opcode;
        out[pos++] = static_cast<std::uint8_t>(n >> 8);
        out[pos++] = static_cast<std::uint8_t>(n & 0xFF);
    }
    if (bodyLength > 0)
        std::memcpy(out + pos, body, static_cast<size_t>(bodyLength));
    pos += bodyLength;
    out[pos] = Checksum(out, pos);
    return pos + 1;
}

int BuildRequest(std::uint8_t command, const std::uint8_t *payload, int payloadLength, std::uint8_t *out)
{
    if (payloadLength < 0 || payloadLength > kMaxRequestPayload)
        return 0;
    std::uint8_t body[kMaxRequestPayload + 1];
    body[0] = command;
    if (payloadLength > 0)
        std::memcpy(body + 1, payload, static_cast<size_t>(payloadLength));
    return BuildFrame(kRequestOpcode, body, payloadLength + 1, out);
}

namespace {

// 0 for a time-out, -1 for a failed line; otherwise the byte through `byte`.
int Next(IByteSource &source, std::uint8_t &byte)
{
    const int b = source.NextByte();
    if (b == IByteSource::kPortFailure)
        return -1;
    if (b < 0)
        return 0;
    byte = static_cast<std::uint8_t>(b);
    return 1;
}

bool HasPrefix(std::uint8_t opcode)
{
    return opcode == 0x80 || opcode == 0x84 || opcode == 0x85;
}

}  // namespace

int ReadReply(IByteSource &source, std::uint8_t &opcode, std::uint8_t *body)
{
    std::uint8_t b = 0;
    int r = Next(source, b);
    if (r <= 0)
        return r;
    if (b != kReplyStartByte)
        return 0;

    // The length byte: skip what lies below 0xF0.
    int skipped = 0;
    for (;;) {
        if ((r = Next(source, b)) <= 0)
            return r;
        if (b >= 0xF0)
            break;
        if (++skipped > kMaxSkippedBytes)
            return 0;
    }
    std::uint8_t sum = b;  // the running sum restarts at the length byte
    const bool longForm = (b == 0xFF);
    int n = b & 0x0F;

    if ((r = Next(source, opcode)) <= 0)
        return r;
    sum = static_cast<std::uint8_t>(sum + opcode);

    int prefixBytes = 0;
    if (longForm) {
        std::uint8_t hi = 0, lo = 0;
        if ((r = Next(source, hi)) <= 0 || (r = Next(source, lo)) <= 0)
            return r;
        sum = static_cast<std::uint8_t>(sum + hi + lo);
        n = hi * 256 + lo;
        if (n != 0 && HasPrefix(opcode))
            prefixBytes = 3;
    }

    // n counts body + checksum. A long frame with n = 0 has nothing but its checksum; any other
    // frame must carry at least one body byte beyond the prefix, and no more than the body
    // buffer holds.
    int bodyBytes = 0;
    if (longForm && n == 0) {
        bodyBytes = 0;
    } else {
        bodyBytes = n - 1 - prefixBytes;
        if (bodyBytes < 1 || bodyBytes > kMaxReplyBody)
            return 0;
    }

    for (int i = 0; i < prefixBytes; ++i) {
        if ((r = Next(source, b)) <= 0)
            return r;
        sum = static_cast<std::uint8_t>(sum + b);
    }
    for (int i = 0; i < bodyBytes; ++i) {
        if ((r = Next(source, body[i])) <= 0)
            return r;
        sum = static_cast<std::uint8_t>(sum + body[i]);
    }
    std::uint8_t checksum = 0;
    if ((r = Next(source, checksum)) <= 0)
        return r;
    if (static_cast<std::uint8_t>(0xFF - sum) != checksum)
        return -1;
    return bodyBytes;
}

}  // namespace zqv::link
