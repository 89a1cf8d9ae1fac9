// The byte pipe between the PC and the programming cable.
//
// CSerialPort opens one serial device with the line settings the radio expects (9600 baud, 8
// data bits, no parity, one stop bit, raw, no flow control, DTR and RTS on), purges it, and
// reads with a time-out of 100 ms per byte asked for and writes bounded by 120 ms. It knows
// nothing about frames. A port that does not exist or that another program holds leaves the
// object "not open" with the OS error in GetLastError(); reads and writes then return 0.
//
// The link talks to it through IBytePort, so tests can put a scripted port in its place.
#pragma once

#include <QString>
#include <cstdint>

namespace zqv {

// PurgeComm flags.
enum PurgeFlag : std::uint32_t {
    PURGE_TXABORT = 0x1,
    PURGE_RXABORT = 0x2,
    PURGE_TXCLEAR = 0x4,
    PURGE_RXCLEAR = 0x8,
};

// Line-error flags reported by ClearErrors.
enum LineError : std::uint32_t {
    CE_RXOVER = 0x1,
    CE_OVERRUN = 0x2,
    CE_RXPARITY = 0x4,
    CE_FRAME = 0x8,
    CE_BREAK = 0x10,
};

// Queue state reported by ClearErrors.
struct PortStatus {
    std::uint32_t cbInQue = 0;  // bytes received and not yet read
    std::uint32_t cbOutQue = 0;  // bytes written and not yet sent
};

// Why a port failed, so that the user is told what to do about it.
enum class PortTrouble {
    None,  // usable, or failing for a reason not listed below
    Missing,  // the device does not exist (never there, or removed before it was opened)
    Lost,  // the device went away or hung up while it was open
    NotTerminal,  // the path exists but is no terminal device (a file, a folder, another device)
};

class IBytePort {
public:
    virtual ~IBytePort() = default;
    virtual bool IsOpen() const = 0;
    // What is known about a failure of this port; kept until the port is closed, because the
    // last error is cleared by every purge.
    virtual PortTrouble Trouble() const { return PortTrouble::None; }
    // The OS error of the most recent failing call, 0 after a successful purge or error-clear.
    virtual std::uint32_t GetLastError() const = 0;
    // Reads up to `count` bytes. With waitAll false, `count` is first lowered to what is queued
    // (0: return at once). Waits at most count x 100 ms. Returns the bytes read.
    virtual int Read(std::uint8_t *buffer, int count, bool waitAll) = 0;
    // Writes `count` bytes within 120 ms; returns the bytes written.
    virtual int Write(const std::uint8_t *buffer, int count) = 0;
    // Discards queued data (PurgeFlag bits). Returns nonzero on success.
    virtual int Purge(std::uint32_t flags) = 0;
    // Clears and reports the line errors and the queue state. Returns nonzero on success.
    virtual int ClearErrors(PortStatus *status, std::uint32_t *errors) = 0;
};

class CSerialPort : public IBytePort {
public:
    // `portName` is a device path ("/dev/ttyUSB0", a pseudo-terminal) or a bare device name
    // ("ttyUSB0"), which is looked for under /dev.
    explicit CSerialPort(const QString &portName);
    ~CSerialPort() override;
    CSerialPort(const CSerialPort &) = delete;
    CSerialPort &operator=(const CSerialPort &) = delete;

    bool IsOpen() const override { return m_hLine >= 0; }
    std::uint32_t GetLastError() const override { return m_dwLastError; }
    PortTrouble Trouble() const override { return m_trouble; }
    int Read(std::uint8_t *buffer, int count, bool waitAll) override;
    int Write(const std::uint8_t *buffer, int count) override;
    int Purge(std::uint32_t flags) override;
    int ClearErrors(PortStatus *status, std::uint32_t *errors) override;

    // Closes the line if it is open (purging both directions first). Returns 1 when it was not
    // open, else nonzero on success.
    int Close();

    // The device path opened (or tried).
    const QString &DevicePath() const { return m_strDevicePath; }
    // Bytes that went through Read and Write since the port was opened.
    std::uint64_t BytesRead() const { return m_nBytesRead; }
    std::uint64_t BytesWritten() const { return m_nBytesWritten; }

    // Time-outs, as the line is configured on open.
    static constexpr int kReadMsPerByte = 100;
    static constexpr int kWriteTimeoutMs = 120;

private:
    void Open();
    int SetLineSettings();
    int SetModemLines();
    int SetReadTimeouts(int intervalMs, int multiplierMs, int constantMs);
    int SetWriteTimeouts(int multiplierMs, int constantMs);
    void RecordError(int osError) { m_dwLastError = static_cast<std::uint32_t>(osError); }
    // After poll reported a hang-up or read() failed: the line is gone.
    void MarkFailed(int osError);

    QString m_strDevicePath;
    int m_hLine = -1;
    std::uint32_t m_dwLastError = 0;
    std::uint32_t m_dwLineErrors = 0;
    // Counters of the line errors at the last ClearErrors, for the delta.
    std::uint32_t m_nFrameCount = 0, m_nOverrunCount = 0, m_nParityCount = 0, m_nBreakCount = 0, m_nBufOverrunCount = 0;
    int m_nReadIntervalMs = 0, m_nReadMultiplierMs = 0, m_nReadConstantMs = 0;
    int m_nWriteMultiplierMs = 0, m_nWriteConstantMs = 0;
    std::uint64_t m_nBytesRead = 0;
    std::uint64_t m_nBytesWritten = 0;
    PortTrouble m_trouble = PortTrouble::None;
};

}  // namespace zqv
