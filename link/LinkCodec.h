// The radio's command set and the byte layout of every record that travels in a command:
// identity, limit record, settings block, contact record, text message, captured PID.
// Decoders take the reply data (the reply body after its letter) and fill the record; encoders
// give the bytes a request carries (or, for the simulated radio, a reply). Both directions
// live here so that the simulated radio speaks exactly the layout the link reads.
//
// Text on the link is single-byte ISO-8859-1: a character goes out as its low 8 bits and a
// received byte is the character with that code. Strings are NUL-terminated unless a width is
// fixed; a received string is cut to its field's length.
#pragma once

#include "VirtualCPData.h"

#include <QByteArray>
#include <QString>
#include <cstdint>

namespace zqv::link {

// Result codes of the link and the transfer operations: 1 is success, the rest are failures.
enum LinkResult : int {
    LR_SUCCESS = 1,
    LR_PORT_FAILURE = -1,
    LR_NO_REPLY = -2,
    LR_EARLIER_FIRMWARE = -3,
    LR_VERSION_UNSUPPORTED = -4,
    LR_MODEL_UNSUPPORTED = -5,
    LR_INVALID_OPCODE = -6,
    LR_UNSUPPORTED_COMMAND = -7,
    LR_OPERATION_FAILED = -8,
    LR_TIMED_OUT = -9,
    LR_OPERATION_UNSUPPORTED = -10,
    LR_RADIO_BUSY = -11,
    LR_USER_CANCELED = -12,
    LR_MESSAGE_COMPOSE = -13,
    LR_RESET_OR_WRITE_FIRST = -14,
    LR_TEXT_CONVERSION = -15,
    LR_PASSWORD_UNREADABLE = -17,
    LR_PORT_NOT_FOUND = -19,  // the port does not exist
    LR_CONNECTION_LOST = -20,  // the port went away or hung up, or the radio fell silent, during the operation
    LR_GARBLED_REPLIES = -21,  // replies kept arriving with bad checksums: a bad cable or noise on the line
    LR_NOT_A_TERMINAL = -22,  // the port's path is no terminal device, so no serial port
};

// Command bytes (every request has opcode 0x9B).
enum Command : std::uint8_t {
    CMD_READ_IDENTITY = 0x25,
    CMD_START = 0x26,
    CMD_READ_LIMITS = 0x27,
    CMD_READ_SETTINGS = 0x28,
    CMD_WRITE_SETTINGS = 0x29,
    CMD_READ_CONTACT = 0x30,
    CMD_WRITE_CONTACT = 0x31,
    CMD_READ_TEXT = 0x32,
    CMD_WRITE_TEXT = 0x33,
    CMD_END_WRITE = 0x36,
    CMD_RESET = 0x37,
    CMD_START_CAPTURE = 0x38,
    CMD_POLL_CAPTURE = 0x39,
};

// The reply letter a command succeeds with ('P' for the commands that carry no data back); 0
// for a byte that is no command.
std::uint8_t ReplyLetter(std::uint8_t command);

// Status bytes of an 'S' reply.
enum CaptureStatus : std::uint8_t { CS_WAITING = 1, CS_CAPTURED = 2, CS_UNSUPPORTED = 4 };
// Detail bytes of a 'Q' reply (its third body byte).
enum RefusalDetail : std::uint8_t { QD_RESET_OR_WRITE_FIRST = 0xFD, QD_BUSY = 0xFE };

// Turns an exchange result `r` with its reply opcode and body into the command's result: 1 on
// success, else a failure code (or, for an 'S' status 2 where it was not expected, r itself).
int CommandResult(std::uint8_t command, int r, std::uint8_t opcode, const std::uint8_t *body);

// Identity (7 bytes): release, version, revision, codeplug structure, codeplug version, dev
// version, phase letter. Returns false when the radio's version is not supported; only an
// accepted identity is stored (phase first, a letter other than R or D stored as D).
bool DecodeIdentity(const std::uint8_t *data, int length, VirtualCPData &record);
QByteArray EncodeIdentity(const VirtualCPData &record);

// The valid private-ID range and the public-group ID block the limit record announces.
inline constexpr std::uint64_t kMinValidPid = 10000000;  // exclusive
inline constexpr std::uint64_t kMaxValidPid = 17179867883ull;  // inclusive
inline constexpr char kDefaultValidPidStart[] = "10000001";
inline constexpr char kDefaultValidPidEnd[] = "17179867883";
inline constexpr char kPublicBankName[] = "Public";
bool AcceptPidRange(std::uint64_t start, std::uint64_t end);
bool AcceptPublicGroupBlock(std::uint64_t start, unsigned size);

// Decimal text to number; false for empty text, a non-digit, or a value above 2^64 - 1.
bool ParsePid(const QString &text, std::uint64_t &value);

// Limit record (reply to 0x27). Fields of `limit` that the record does not carry acceptably
// (PID range, public-group block) get their defaults. Returns false for a record that ends
// early or whose texts are not terminated.
bool DecodeLimit(const std::uint8_t *data, int length, VirtualCPLimit &limit);
QByteArray EncodeLimit(const VirtualCPLimit &limit);

// Settings block (reply to 0x28, payload of 0x29). A block that ends after the call-forward
// text leaves the password and the last three fields as they were. Returns false when the
// block ends before its call-forward text does.
bool DecodeSettings(const std::uint8_t *data, int length, VirtualCPSetting &setting);
QByteArray EncodeSettings(const VirtualCPSetting &setting);

// Contact record (in 0x30 replies and 0x31 requests). Decoding fills `contact` from scratch:
// the members go to the parent slots in order (at most five), the member at the home position
// also to `home_grp`; type 0 gets the see-all-groups bit. Encoding sends the non-empty parent
// PIDs and the home group's position among them, appending the home group when it is not one
// of them. Returns false for a record that ends early, or for a contact that cannot be sent.
bool DecodeContact(const std::uint8_t *data, int length, VirtualCPContact &contact);
bool EncodeContact(const VirtualCPContact &contact, QByteArray &out);

// Text message (in 0x32 replies and 0x33 requests): NUL-terminated, at most 80 characters.
bool DecodeText(const std::uint8_t *data, int length, QString &text);
QByteArray EncodeText(const QString &text);

// Captured PID (reply data of 0x39 with status 2: status byte, PID text).
bool DecodeCapturedPid(const std::uint8_t *data, int length, QString &pid);

// Field lengths the radio keeps.
inline constexpr int kMaxNameChars = 25;
inline constexpr int kMaxPidChars = 11;
inline constexpr int kMaxTextChars = 80;
inline constexpr int kPasswordBytes = 5;
inline constexpr int kModelBytes = 4;

// The settings block: a fixed head of 24 bytes, the call-forward text with its terminator,
// then a tail of the password, the talk-out timer, the talk-permit offset and the noise level.
// The tail's offsets count from the byte after the call-forward text's terminator.
inline constexpr int kSettingsPasswordAt = 0;
inline constexpr int kSettingsTotTimerAt = kSettingsPasswordAt + kPasswordBytes;
inline constexpr int kSettingsTptOffsetAt = kSettingsTotTimerAt + 1;
inline constexpr int kSettingsNoiseAt = kSettingsTptOffsetAt + 1;

// Single-byte text.
QByteArray ToRadioText(const QString &text, int maxChars);
QString FromRadioText(const char *bytes, int length);

}  // namespace zqv::link
