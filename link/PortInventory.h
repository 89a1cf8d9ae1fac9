// What is known of each serial port, for the cable finder and the troubleshooter: the USB
// product, its vendor and product IDs, its serial number, whether it is the programming cable,
// and which programs hold it open (on Linux found by scanning /proc/<pid>/fd).
//
// CCableFinder tells, from one port list to the next, which port went away and which came
// back: a dealer unplugs the cable and plugs it in again, and the port that returns is the
// cable's, whatever name the system gives it the second time.
#pragma once

#include "PortEnumerator.h"

#include <QList>
#include <QSet>
#include <QString>

namespace zqv {

struct PortHolder {
    qint64 pid = 0;
    QString name;  // the program's name as the system gives it ("minicom")
};

struct PortInfo {
    SerialPortEntry entry;
    bool isCable = false;
    QList<PortHolder> holders;
};

// The processes other than this one that have `devicePath` open. `procRoot` is the folder of
// the process table ("/proc"); processes this user may not look into are not seen.
QList<PortHolder> PortHolders(const QString &devicePath, const QString &procRoot = QStringLiteral("/proc"));

// "minicom (process ID 4242), screen (process ID 77)".
QString DescribeHolders(const QList<PortHolder> &holders);

// Every port of `ports` with what is known of it.
QList<PortInfo> TakePortInventory(const IPortEnumerator &ports, const QString &procRoot = QStringLiteral("/proc"));

// "0403:6001", empty when the port reports no USB IDs.
QString UsbIds(const SerialPortEntry &entry);

class CCableFinder {
public:
    enum class EventKind {
        Gone,  // the port disappeared
        Back,  // a port came back after one had gone: the cable's port
        New,  // a port appeared while none had gone (a cable plugged in for the first time)
    };
    struct Event {
        EventKind kind;
        QString portName;
    };

    // The ports present when the user was asked to unplug the cable.
    void Start(const QList<SerialPortEntry> &ports);
    // The ports present now; returns what changed since the last call, in the order: the
    // ports that went, then the ports that came.
    QList<Event> Update(const QList<SerialPortEntry> &ports);
    // The ports that came back or appeared since Start, in that order (one per cable).
    const QStringList &FoundPorts() const { return m_found; }

private:
    QSet<QString> m_present;
    QSet<QString> m_gone;  // ports that went and have not come back
    QStringList m_found;
};

}  // namespace zqv
