// Frames of the radio programming protocol, both directions, and the byte-by-byte reply reader.
//
// A frame is  [length] [opcode] [body ...] [checksum]  in the short form (body + checksum
// = n <= 14 bytes, length byte 0xF0 + n), or  0xFF [opcode] [n high] [n low] [body ...]
// [checksum]  in the long form. The checksum is 0xFF minus the 8-bit sum of every byte from the
// length byte through the last body byte. Replies are preceded by the start byte 0x50, which
// the checksum does not cover. In a long reply with opcode 0x80, 0x84 or 0x85 the first three
// body bytes are a 24-bit value that is checked but not delivered.
//
// Nothing here depends on Qt, so the fuzz target can build it on its own.
#pragma once

#include <cstdint>

namespace zqv::link {

inline constexpr std::uint8_t kRequestOpcode = 0x9B;
inline constexpr std::uint8_t kReplyOpcodeOk = 0x41;  // 'A'
inline constexpr std::uint8_t kReplyOpcodeNak = 0x8C;  // the radio refuses the command set
inline constexpr std::uint8_t kReplyStartByte = 0x50;

inline constexpr int kMaxFrameBytes = 128;  // the largest request frame
inline constexpr int kMaxRequestPayload = 121;  // n = payload + 2 <= 123
inline constexpr int kMaxReplyBody = 121;  // reply letter + up to 120 data bytes
// Bytes below 0xF0 that the reader skips while it looks for a length byte. A radio never sends
// more than a handful; a line that keeps sending noise must not hold the reader forever.
inline constexpr int kMaxSkippedBytes = 256;

// 0xFF minus the 8-bit sum of `count` bytes.
std::uint8_t Checksum(const std::uint8_t *bytes, int count);

// Builds a frame with `opcode` and `body` into `out` (room for kMaxFrameBytes + 5 bytes).
// Returns the frame length, or 0 when the body is too long for a frame of at most n = 123.
int BuildFrame(std::uint8_t opcode, const std::uint8_t *body, int bodyLength, std::uint8_t *out);

// Builds a request (opcode 0x9B, body = command byte + payload). Returns the frame length, or 0
// when the payload is longer than 121 bytes.
int BuildRequest(std::uint8_t command, const std::uint8_t *payload, int payloadLength, std::uint8_t *out);

// Where the reply reader takes its bytes from.
class IByteSource {
public:
    enum : int { kTimeout = -1, kPortFailure = -2 };
    virtual ~IByteSource() = default;
    // The next byte (0-255), kTimeout when none arrived in time, kPortFailure when the line
    // failed (hang-up, I/O error).
    virtual int NextByte() = 0;
};

// Reads one reply: the start byte, then one frame. `body` receives up to kMaxReplyBody bytes.
// Returns the number of body bytes (> 0); 0 for no valid reply (wrong start byte, time-out,
// empty or malformed frame); -1 for a checksum error or a failed line.
int ReadReply(IByteSource &source, std::uint8_t &opcode, std::uint8_t *body);

}  // namespace zqv::link
