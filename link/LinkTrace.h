// The link trace: every frame sent to and received from the radio, in hex, with a time stamp,
// and the port's open, close and hang-up events, so that a failing radio can be diagnosed from
// a file the user sends in.
//
// Two outputs, both off by default:
//  - a trace file (linktrace::Start): appended to, one line written at a time with write(2), so a
//    line is on disk as soon as it is traced even if the program then crashes; created with
//    mode 0600 because frames carry the radio's contacts and password;
//  - the logging category "zqv.link" at debug level, for a developer
//    (QT_LOGGING_RULES="zqv.link.debug=true" shows the same lines on stderr).
//
// A line is  "<monotonic ms> <UTC time> <kind> <text>", kind TX (a frame sent), RX (the bytes
// of one reply as read, from the start byte on) or EV (an event). When neither output is on,
// a traced frame costs one relaxed atomic load and one flag test. Every function may be called
// from any thread.
#pragma once

#include <QLoggingCategory>
#include <QString>
#include <atomic>
#include <cstdint>

Q_DECLARE_LOGGING_CATEGORY(lcLink)

namespace zqv::linktrace {

namespace detail {
extern std::atomic<bool> g_fileOn;
extern std::atomic<bool> g_sessionOn;
}  // namespace detail

// True when a traced line goes anywhere; callers test this before they format anything.
inline bool Active()
{
    return detail::g_fileOn.load(std::memory_order_relaxed) || detail::g_sessionOn.load(std::memory_order_relaxed) ||
        lcLink().isDebugEnabled();
}

// Sends further lines to `path` (the file replaces any earlier one). False, with the reason
// in `error`, when the file cannot be opened for appending or is no regular file; the trace
// is then off.
bool Start(const QString &path, QString *error = nullptr);
// Closes the trace file; lines then go to the logging category only.
void Stop();
// A second file that takes the same lines for one transfer session (the per-session traces
// kept in the cache); replaces any earlier session file. False, with the reason, as Start.
bool StartSession(const QString &path, QString *error = nullptr);
void StopSession();
// The file lines go to; empty when none.
QString FilePath();
// Why lines could not be written to the trace file since it was started (the first
// failure: a full disk, a file-size limit); empty while every line went in.
QString WriteError();

enum class Direction { Sent, Received };
// Traces one frame (no line when `length` <= 0; call only when Active()).
void Frame(Direction direction, const std::uint8_t *bytes, int length);
// Traces one event ("open /dev/ttyUSB0", "hang-up ...").
void Event(const QString &text);

// The hex form of a frame: "9B 25 3F" (upper case, one space between bytes).
QString Hex(const std::uint8_t *bytes, int length);

}  // namespace zqv::linktrace
