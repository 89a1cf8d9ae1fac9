#include "PortEnumerator.h"

#include "ConfigStore.h"

#include <QSerialPortInfo>
#include <chrono>
#include <climits>
#include <thread>

namespace zqv {

QList<SerialPortEntry> CQtPortEnumerator::Ports() const
{
    QList<SerialPortEntry> out;
    for (const QSerialPortInfo &info : QSerialPortInfo::availablePorts()) {
        SerialPortEntry e;
        e.portName = info.portName();
        e.systemLocation = info.systemLocation();
        e.description = info.description();
        e.manufacturer = info.manufacturer();
        e.serialNumber = info.serialNumber();
        e.vendorId = info.hasVendorIdentifier() ? info.vendorIdentifier() : 0;
        e.productId = info.hasProductIdentifier() ? info.productIdentifier() : 0;
        out.append(e);
    }
    return out;
}

int PortNumber(const QString &portName)
{
    qsizetype start = portName.size();
    while (start > 0 && portName.at(start - 1).isDigit())
        --start;
    if (start == portName.size())
        return -1;
    bool ok = false;
    const int n = portName.mid(start).toInt(&ok);
    return ok ? n : INT_MAX;
}

QString ValidatePort(const IPortEnumerator &ports, const QString &wanted)
{
    QString lowest;
    int lowestNumber = INT_MAX;
    bool any = false;
    for (const SerialPortEntry &port : ports.Ports()) {
        if (!wanted.isEmpty() && (port.portName == wanted || port.systemLocation == wanted))
            return wanted;
        int number = PortNumber(port.portName);
        if (number < 0)
            number = INT_MAX;
        if (!any || number < lowestNumber) {
            lowest = port.portName;
            lowestNumber = number;
            any = true;
        }
    }
    return lowest;
}

QString DetectCable(const IPortEnumerator &ports, int settleMs)
{
    if (settleMs > 0)
        std::this_thread::sleep_for(std::chrono::milliseconds(settleMs));
    for (const SerialPortEntry &port : ports.Ports()) {
        if (port.description.compare(QLatin1String(kCableDescription), Qt::CaseInsensitive) == 0)
            return port.portName;
    }
    return QString();
}

PortPreference ReadPortPreference(const CConfigStore &config)
{
    PortPreference preference;
    if (const std::optional<quint32> autoDetect = config.ReadDword(config::AutoDetect))
        preference.autoDetect = int(*autoDetect);
    preference.currentComPort = config.ReadString(config::CurrentComPort);
    return preference;
}

QString FindPort(const IPortEnumerator &ports, const PortPreference &preference, bool forceDetect, int settleMs)
{
    QString name;
    if (forceDetect || (preference.autoDetect && *preference.autoDetect != 0))
        name = DetectCable(ports, settleMs);
    else if (preference.autoDetect && preference.currentComPort)
        name = *preference.currentComPort;
    return ValidatePort(ports, name);
}

}  // namespace zqv
