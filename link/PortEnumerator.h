// Which serial port a transfer opens: the port the user chose, or the programming cable's port
// when automatic detection is on, checked against the ports that are present, with the
// lowest-numbered present port as the fallback. An empty result means there is no port at all.
//
// The ports come from a PortEnumerator: the real one asks the operating system through
// QSerialPortInfo; tests give a fixed list.
#pragma once

#include <QList>
#include <QString>
#include <optional>

namespace zqv {

class CConfigStore;

struct SerialPortEntry {
    QString portName;  // "ttyUSB0", "COM3"
    QString systemLocation;  // "/dev/ttyUSB0"
    QString description;  // what the USB device reports as its product
    QString manufacturer;
    QString serialNumber;
    quint16 vendorId = 0;
    quint16 productId = 0;
};

class IPortEnumerator {
public:
    virtual ~IPortEnumerator() = default;
    // The serial ports present, in the system's order.
    virtual QList<SerialPortEntry> Ports() const = 0;
};

class CQtPortEnumerator : public IPortEnumerator {
public:
    QList<SerialPortEntry> Ports() const override;
};

// A port list given by the caller: a device path named on the command line (a pseudo-terminal
// of the simulated radio, taken for the cable), or the ports a test pretends to have.
class CListPortEnumerator : public IPortEnumerator {
public:
    QList<SerialPortEntry> ports;
    QList<SerialPortEntry> Ports() const override { return ports; }
    // A port named `name` at /dev/<name>, or at `name` itself when it is a path.
    void Add(const QString &name, const QString &description = QString())
    {
        SerialPortEntry e;
        e.portName = name;
        e.systemLocation = name.startsWith(QLatin1Char('/')) ? name : QStringLiteral("/dev/") + name;
        e.description = description;
        ports << e;
    }
};

// The description the programming cable reports (compared without regard to case).
inline constexpr char kCableDescription[] = "BR ZQV CABLE";

// A port's number: the digits its name ends with (ttyUSB2 -> 2, COM10 -> 10); -1 without.
int PortNumber(const QString &portName);

// `wanted` when that port is present (by name or device path), else the lowest-numbered
// present port (the first of equals), else empty.
QString ValidatePort(const IPortEnumerator &ports, const QString &wanted);

// The port of the first programming cable present, or empty. Waits `settleMs` first, so a
// cable that was just plugged in has been announced.
QString DetectCable(const IPortEnumerator &ports, int settleMs = 100);

// The two configuration values that choose the port; absent when they cannot be read.
struct PortPreference {
    std::optional<int> autoDetect;  // nonzero: look for the cable
    std::optional<QString> currentComPort;  // the port the user chose
};

// AutoDetect and CurrentComPort as the configuration holds them.
PortPreference ReadPortPreference(const CConfigStore &config);

// The port a transfer uses. With `forceDetect` the cable is looked for whatever the
// configuration says.
QString FindPort(const IPortEnumerator &ports, const PortPreference &preference, bool forceDetect = false,
                 int settleMs = 100);

}  // namespace zqv
