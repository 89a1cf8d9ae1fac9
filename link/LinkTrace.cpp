#include "LinkTrace.h"

#include "FileSave.h"
#include "StringIds.h"
#include "StringTable.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <cerrno>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <mutex>
#include <sys/stat.h>
#include <unistd.h>

Q_LOGGING_CATEGORY(lcLink, "zqv.link", QtInfoMsg)

namespace zqv::linktrace {

namespace detail {
std::atomic<bool> g_fileOn{false};
std::atomic<bool> g_sessionOn{false};
}  // namespace detail

namespace {

std::mutex g_mutex;  // guards g_fd, g_path and g_writeError, and keeps lines whole in the file
int g_fd = -1;
QString g_path;
QString g_writeError;  // why the first line that could not be written was lost
int g_sessionFd = -1;  // the current transfer session's trace, guarded by g_mutex

qint64 MonotonicMs()
{
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return qint64(ts.tv_sec) * 1000 + ts.tv_nsec / 1000000;
}

// Writes all of `bytes`; a short write or an interrupted call is continued. A failure is
// remembered (the first one) for WriteError(), never shown here: a trace that cannot be
// written must not disturb the transfer.
void WriteAll(int fd, const QByteArray &bytes)
{
    const char *p = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t n = ::write(fd, p, size_t(left));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            if (g_writeError.isEmpty())
                g_writeError = QString::fromLocal8Bit(std::strerror(n < 0 ? errno : ENOSPC));
            return;
        }
        p += n;
        left -= n;
    }
}

void Emit(const char *kind, const QString &text)
{
    const QString line = QString::number(MonotonicMs()) + u' ' +
        QDateTime::currentDateTimeUtc().toString(Qt::ISODateWithMs) + u' ' + QLatin1String(kind) + u' ' + text;
    if (detail::g_fileOn.load(std::memory_order_relaxed) || detail::g_sessionOn.load(std::memory_order_relaxed)) {
        const QByteArray bytes = (line + u'\n').toUtf8();
        std::lock_guard<std::mutex> lock(g_mutex);
        if (g_fd >= 0)
            WriteAll(g_fd, bytes);
        if (g_sessionFd >= 0)
            WriteAll(g_sessionFd, bytes);
    }
    qCDebug(lcLink).noquote() << line;
}

}  // namespace

QString Hex(const std::uint8_t *bytes, int length)
{
    static const char digits[] = "0123456789ABCDEF";
    QString out;
    if (length <= 0)
        return out;
    out.reserve(length * 3 - 1);
    for (int i = 0; i < length; ++i) {
        if (i > 0)
            out += u' ';
        out += QLatin1Char(digits[bytes[i] >> 4]);
        out += QLatin1Char(digits[bytes[i] & 0xF]);
    }
    return out;
}

namespace {

// Opens `path` for appending with mode 0600; -1 with the reason in `error` when it cannot be
// opened or is no regular file.
int OpenTraceFile(const QString &path, QString *error)
{
    // Only a regular file takes a trace, as with every file the program writes: a device or
    // a pipe would swallow or block the lines. Checked before the open, which could wait on
    // a pipe or wake a device, and again on what was opened.
    if (const QString refusal = SaveTargetRefusal(path); !refusal.isEmpty()) {
        if (error)
            *error = refusal;
        return -1;
    }
    // Non-blocking for the open only: a named pipe made in the meantime fails at once instead
    // of hanging the program.
    const int fd = ::open(QFile::encodeName(path).constData(),
                          O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC | O_NOCTTY | O_NONBLOCK, 0600);
    if (fd < 0) {
        if (error)
            *error = QString::fromLocal8Bit(std::strerror(errno));
        return -1;
    }
    if (struct stat st{}; ::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        if (error)
            *error = LoadStr(IDS_NOT_REGULAR_FILE_REASON);
        return -1;
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    return fd;
}

}  // namespace

bool Start(const QString &path, QString *error)
{
    Stop();
    const int fd = OpenTraceFile(path, error);
    if (fd < 0)
        return false;
    {
        std::lock_guard<std::mutex> lock(g_mutex);
        g_fd = fd;
        g_path = path;
        g_writeError.clear();
        detail::g_fileOn.store(true, std::memory_order_relaxed);
    }
    Event(QStringLiteral("trace started: %1 %2")
              .arg(QCoreApplication::applicationName(), QCoreApplication::applicationVersion()));
    return true;
}

bool StartSession(const QString &path, QString *error)
{
    StopSession();
    const int fd = OpenTraceFile(path, error);
    if (fd < 0)
        return false;
    std::lock_guard<std::mutex> lock(g_mutex);
    g_sessionFd = fd;
    detail::g_sessionOn.store(true, std::memory_order_relaxed);
    return true;
}

void StopSession()
{
    std::lock_guard<std::mutex> lock(g_mutex);
    detail::g_sessionOn.store(false, std::memory_order_relaxed);
    if (g_sessionFd >= 0)
        ::close(g_sessionFd);
    g_sessionFd = -1;
}

void Stop()
{
    std::lock_guard<std::mutex> lock(g_mutex);
    detail::g_fileOn.store(false, std::memory_order_relaxed);
    if (g_fd >= 0)
        ::close(g_fd);
    g_fd = -1;
    g_path.clear();
}

QString FilePath()
{
    std::lock_guard<std::mutex> lock(g_mutex);
    return g_path;
}

QString WriteError()
{
    std::lock_guard<std::mutex> lock(g_mutex);
    return g_writeError;
}

void Frame(Direction direction, const std::uint8_t *bytes, int length)
{
    if (length <= 0)
        return;
    Emit(direction == Direction::Sent ? "TX" : "RX", Hex(bytes, length));
}

void Event(const QString &text)
{
    Emit("EV", text);
}

}  // namespace zqv::linktrace
