#include "SerialPort.h"

#include "LinkTrace.h"

#include <cerrno>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <linux/serial.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

namespace zqv {
namespace {

// Errors that mean the device is not there: it never existed, or it was unplugged.
bool IsMissingDeviceError(int error)
{
    return error == ENOENT || error == ENODEV || error == ENXIO || error == ENOTDIR;
}

QString ErrorText(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

std::int64_t NowMs()
{
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return std::int64_t(ts.tv_sec) * 1000 + ts.tv_nsec / 1000000;
}

}  // namespace

CSerialPort::CSerialPort(const QString &portName)
{
    m_strDevicePath = portName.contains(u'/') ? portName : QStringLiteral("/dev/") + portName;
    Open();
    if (linktrace::Active()) {
        linktrace::Event(
            IsOpen() ? QStringLiteral("open %1").arg(m_strDevicePath)
                     : QStringLiteral("open %1 failed: %2").arg(m_strDevicePath, ErrorText(int(m_dwLastError))));
    }
}

CSerialPort::~CSerialPort()
{
    Close();
}

void CSerialPort::Open()
{
    m_hLine = -1;
    m_dwLastError = 0;
    m_dwLineErrors = 0;
    m_trouble = PortTrouble::None;

    const QByteArray path = m_strDevicePath.toLocal8Bit();
    const int fd = ::open(path.constData(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        const int error = errno;
        RecordError(error);
        if (IsMissingDeviceError(error))
            m_trouble = PortTrouble::Missing;
        else if (error == EISDIR)
            m_trouble = PortTrouble::NotTerminal;
        return;
    }
    // Only one program may hold the port. The advisory lock also keeps out a second instance
    // of this program when it runs as root, which the exclusive-tty flag does not.
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd);
        RecordError(EBUSY);
        return;
    }
    termios probe{};
    if (::tcgetattr(fd, &probe) != 0) {  // not a terminal: not a serial port either
        const int error = errno;
        RecordError(error);
        if (error == ENOTTY || error == EINVAL)
            m_trouble = PortTrouble::NotTerminal;
        ::close(fd);
        return;
    }
    ::ioctl(fd, TIOCEXCL);
    m_hLine = fd;

    // The kernel's tty buffers are fixed (4096 bytes for received data); there is no queue
    // size to set. Each step below clears the last error before it runs; the line settings
    // come last so that their result is what the open leaves behind: a line that cannot be put
    // into raw 9600 8N1 (which also guarantees that nothing is inserted into received data)
    // fails every exchange.
    SetModemLines();
    SetReadTimeouts(0, kReadMsPerByte, 0);
    SetWriteTimeouts(0, kWriteTimeoutMs);
    const std::uint32_t lineError = SetLineSettings() ? 0 : m_dwLastError;
    Purge(PURGE_TXABORT | PURGE_RXABORT | PURGE_TXCLEAR | PURGE_RXCLEAR);
    PortStatus status;
    ClearErrors(&status, nullptr);  // sets the baseline of the line-error counters
    m_dwLastError = lineError;
}

int CSerialPort::SetLineSettings()
{
    m_dwLastError = 0;
    termios tio{};
    if (::tcgetattr(m_hLine, &tio) != 0) {
        RecordError(errno);
        return 0;
    }
    ::cfmakeraw(&tio);
    ::cfsetispeed(&tio, B9600);
    ::cfsetospeed(&tio, B9600);
    tio.c_cflag &= ~(CSIZE | PARENB | CSTOPB | CRTSCTS);
    tio.c_cflag |= CS8 | CLOCAL | CREAD;
    tio.c_iflag &= ~(IXON | IXOFF | IXANY | INPCK | PARMRK);
    tio.c_iflag |= IGNBRK;
    // Reads never block (the descriptor is non-blocking and time-outs come from poll). VMIN 1
    // makes an empty line answer EAGAIN, so that a read of 0 bytes only ever means hang-up.
    tio.c_cc[VMIN] = 1;
    tio.c_cc[VTIME] = 0;
    if (::tcsetattr(m_hLine, TCSANOW, &tio) != 0) {
        RecordError(errno);
        return 0;
    }
    return 1;
}

int CSerialPort::SetModemLines()
{
    m_dwLastError = 0;
    int lines = TIOCM_DTR | TIOCM_RTS;
    if (::ioctl(m_hLine, TIOCMBIS, &lines) != 0) {
        // A pseudo-terminal has no modem lines; that is no reason to refuse it.
        if (errno == ENOTTY || errno == EINVAL)
            return 1;
        RecordError(errno);
        return 0;
    }
    return 1;
}

int CSerialPort::SetReadTimeouts(int intervalMs, int multiplierMs, int constantMs)
{
    m_dwLastError = 0;
    m_nReadIntervalMs = intervalMs;
    m_nReadMultiplierMs = multiplierMs;
    m_nReadConstantMs = constantMs;
    return 1;
}

int CSerialPort::SetWriteTimeouts(int multiplierMs, int constantMs)
{
    m_dwLastError = 0;
    m_nWriteMultiplierMs = multiplierMs;
    m_nWriteConstantMs = constantMs;
    return 1;
}

void CSerialPort::MarkFailed(int osError)
{
    RecordError(osError ? osError : EIO);
    if (m_trouble != PortTrouble::Lost && linktrace::Active())
        linktrace::Event(QStringLiteral("hang-up %1: %2").arg(m_strDevicePath, ErrorText(int(m_dwLastError))));
    m_trouble = PortTrouble::Lost;
}

int CSerialPort::Read(std::uint8_t *buffer, int count, bool waitAll)
{
    if (!IsOpen())
        return 0;
    PortStatus status;
    ClearErrors(&status, nullptr);
    if (!waitAll && count > static_cast<int>(status.cbInQue))
        count = static_cast<int>(status.cbInQue);
    if (count <= 0)
        return 0;

    const std::int64_t deadline = NowMs() + std::int64_t(m_nReadMultiplierMs) * count + m_nReadConstantMs;
    int got = 0;
    while (got < count) {
        const ssize_t n = ::read(m_hLine, buffer + got, static_cast<size_t>(count - got));
        if (n > 0) {
            got += static_cast<int>(n);
            continue;
        }
        if (n == 0) {  // end of file on a terminal: the other side hung up
            MarkFailed(EIO);
            break;
        }
        if (errno == EINTR)
            continue;
        if (errno != EAGAIN) {
            MarkFailed(errno);
            break;
        }
        std::int64_t left = deadline - NowMs();
        // With an interval time-out, a pause that long after the first byte also ends the read.
        const bool intervalBounded = m_nReadIntervalMs > 0 && got > 0 && left > m_nReadIntervalMs;
        if (intervalBounded)
            left = m_nReadIntervalMs;
        if (left <= 0)
            break;
        pollfd pfd{m_hLine, POLLIN, 0};
        const int ready = ::poll(&pfd, 1, static_cast<int>(left));
        if (ready == 0 && intervalBounded)
            break;
        if (ready < 0 && errno != EINTR) {
            MarkFailed(errno);
            break;
        }
        if (ready > 0 && !(pfd.revents & POLLIN) && (pfd.revents & (POLLHUP | POLLERR | POLLNVAL))) {
            MarkFailed(EIO);
            break;
        }
    }
    m_nBytesRead += static_cast<std::uint64_t>(got);
    return got;
}

int CSerialPort::Write(const std::uint8_t *buffer, int count)
{
    if (!IsOpen() || count <= 0)
        return 0;
    const std::int64_t deadline = NowMs() + std::int64_t(m_nWriteMultiplierMs) * count + m_nWriteConstantMs;
    int done = 0;
    while (done < count) {
        const ssize_t n = ::write(m_hLine, buffer + done, static_cast<size_t>(count - done));
        if (n > 0) {
            done += static_cast<int>(n);
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 && errno != EAGAIN) {
            if (errno == EIO || IsMissingDeviceError(errno))
                MarkFailed(errno);
            else
                RecordError(errno);
            break;
        }
        const std::int64_t left = deadline - NowMs();
        if (left <= 0) {
            RecordError(ETIMEDOUT);
            break;
        }
        pollfd pfd{m_hLine, POLLOUT, 0};
        if (::poll(&pfd, 1, static_cast<int>(left)) < 0 && errno != EINTR) {
            RecordError(errno);
            break;
        }
        if (pfd.revents & (POLLHUP | POLLERR | POLLNVAL)) {
            MarkFailed(EIO);
            break;
        }
    }
    m_nBytesWritten += static_cast<std::uint64_t>(done);
    return done;
}

int CSerialPort::Purge(std::uint32_t flags)
{
    m_dwLastError = 0;
    if (!IsOpen())
        return 0;
    const bool in = flags & (PURGE_RXABORT | PURGE_RXCLEAR);
    const bool out = flags & (PURGE_TXABORT | PURGE_TXCLEAR);
    if (!in && !out)
        return 1;
    if (::tcflush(m_hLine, in && out ? TCIOFLUSH : (in ? TCIFLUSH : TCOFLUSH)) != 0) {
        RecordError(errno);
        return 0;
    }
    return 1;
}

int CSerialPort::ClearErrors(PortStatus *status, std::uint32_t *errors)
{
    m_dwLastError = 0;
    if (!IsOpen())
        return 0;
    int inQueue = 0, outQueue = 0;
    if (::ioctl(m_hLine, FIONREAD, &inQueue) != 0) {
        RecordError(errno);
        return 0;
    }
    if (::ioctl(m_hLine, TIOCOUTQ, &outQueue) != 0)
        outQueue = 0;

    // Line errors, from the driver's counters where it keeps them (a pseudo-terminal does not).
    m_dwLineErrors = 0;
    serial_icounter_struct counters{};
    if (::ioctl(m_hLine, TIOCGICOUNT, &counters) == 0) {
        const auto delta = [](int now, std::uint32_t &last) {
            const bool changed = static_cast<std::uint32_t>(now) != last;
            last = static_cast<std::uint32_t>(now);
            return changed;
        };
        if (delta(counters.frame, m_nFrameCount))
            m_dwLineErrors |= CE_FRAME;
        if (delta(counters.overrun, m_nOverrunCount))
            m_dwLineErrors |= CE_OVERRUN;
        if (delta(counters.parity, m_nParityCount))
            m_dwLineErrors |= CE_RXPARITY;
        if (delta(counters.brk, m_nBreakCount))
            m_dwLineErrors |= CE_BREAK;
        if (delta(counters.buf_overrun, m_nBufOverrunCount))
            m_dwLineErrors |= CE_RXOVER;
    }
    if (status) {
        status->cbInQue = static_cast<std::uint32_t>(inQueue > 0 ? inQueue : 0);
        status->cbOutQue = static_cast<std::uint32_t>(outQueue > 0 ? outQueue : 0);
    }
    if (errors)
        *errors = m_dwLineErrors;
    return 1;
}

int CSerialPort::Close()
{
    if (!IsOpen())
        return 1;
    Purge(PURGE_TXABORT | PURGE_RXABORT | PURGE_TXCLEAR | PURGE_RXCLEAR);
    ::ioctl(m_hLine, TIOCNXCL);
    const int rc = ::close(m_hLine);  // also releases the advisory lock
    m_hLine = -1;
    m_dwLastError = 0;
    m_dwLineErrors = 0;
    if (linktrace::Active()) {
        linktrace::Event(QStringLiteral("close %1 (%2 bytes read, %3 written)")
                             .arg(m_strDevicePath)
                             .arg(m_nBytesRead)
                             .arg(m_nBytesWritten));
    }
    return rc == 0 ? 1 : 0;
}

}  // namespace zqv
