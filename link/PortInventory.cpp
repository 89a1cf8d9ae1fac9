#include "PortInventory.h"

#include "StringIds.h"
#include "StringTable.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <unistd.h>

namespace zqv {

namespace {

// The number N of a pseudo-terminal /dev/pts/N; -1 for any other device.
int PtyIndex(const QString &canonicalPath)
{
    static const QString prefix = QStringLiteral("/dev/pts/");
    if (!canonicalPath.startsWith(prefix))
        return -1;
    bool ok = false;
    const int n = canonicalPath.mid(prefix.size()).toInt(&ok);
    return ok ? n : -1;
}

// Whether descriptor `fd` of the process folder `pidDir` is the master side of pseudo-terminal
// `index` (the kernel names it in the descriptor's fdinfo).
bool IsPtyMaster(const QDir &pidDir, const QString &fd, const QString &target, int index)
{
    if (index < 0 || !target.endsWith(QLatin1String("ptmx")))
        return false;
    QFile info(pidDir.filePath(QStringLiteral("fdinfo/") + fd));
    if (!info.open(QIODevice::ReadOnly))
        return false;
    for (const QByteArray &line : info.readAll().split('\n'))
        if (line.startsWith("tty-index:"))
            return line.mid(10).trimmed().toInt() == index;
    return false;
}

}  // namespace

QList<PortHolder> PortHolders(const QString &devicePath, const QString &procRoot)
{
    QList<PortHolder> holders;
    const QString wanted = QFileInfo(devicePath).canonicalFilePath();
    if (wanted.isEmpty())
        return holders;
    const int ptyIndex = PtyIndex(wanted);
    const qint64 self = qint64(::getpid());
    const QDir proc(procRoot);
    const QStringList entries = proc.entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString &entry : entries) {
        bool isPid = false;
        const qint64 pid = entry.toLongLong(&isPid);
        if (!isPid || pid == self)
            continue;
        const QDir pidDir(proc.filePath(entry));
        const QDir fds(pidDir.filePath(QStringLiteral("fd")));
        // A process this user may not look into lists nothing.
        const QStringList links = fds.entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot);
        bool holds = false;
        bool otherEnd = false;
        for (const QString &fd : links) {
            const QString target = QFileInfo(fds.filePath(fd)).symLinkTarget();
            if (target == wanted)
                holds = true;
            else if (IsPtyMaster(pidDir, fd, target, ptyIndex))
                otherEnd = true;
        }
        // The program on the master side of a pseudo-terminal is what answers on it (a
        // simulated radio), not a program that takes the port away.
        if (!holds || otherEnd)
            continue;
        QFile comm(pidDir.filePath(QStringLiteral("comm")));
        PortHolder holder;
        holder.pid = pid;
        if (comm.open(QIODevice::ReadOnly))
            holder.name = QString::fromLocal8Bit(comm.readAll()).trimmed();
        holders << holder;
    }
    return holders;
}

QString DescribeHolders(const QList<PortHolder> &holders)
{
    QStringList parts;
    for (const PortHolder &h : holders)
        parts << FormatStr(IDS_DOC_HOLDER, {h.name.isEmpty() ? QStringLiteral("?") : h.name, QString::number(h.pid)});
    return parts.join(QStringLiteral(", "));
}

QList<PortInfo> TakePortInventory(const IPortEnumerator &ports, const QString &procRoot)
{
    QList<PortInfo> out;
    for (const SerialPortEntry &entry : ports.Ports()) {
        PortInfo info;
        info.entry = entry;
        info.isCable = entry.description.compare(QLatin1String(kCableDescription), Qt::CaseInsensitive) == 0;
        info.holders = PortHolders(entry.systemLocation, procRoot);
        out << info;
    }
    return out;
}

QString UsbIds(const SerialPortEntry &entry)
{
    if (entry.vendorId == 0 && entry.productId == 0)
        return QString();
    return QStringLiteral("%1:%2")
        .arg(entry.vendorId, 4, 16, QLatin1Char('0'))
        .arg(entry.productId, 4, 16, QLatin1Char('0'));
}

void CCableFinder::Start(const QList<SerialPortEntry> &ports)
{
    m_present.clear();
    m_gone.clear();
    m_found.clear();
    for (const SerialPortEntry &p : ports)
        m_present.insert(p.portName);
}

QList<CCableFinder::Event> CCableFinder::Update(const QList<SerialPortEntry> &ports)
{
    QList<Event> events;
    QSet<QString> now;
    QStringList order;
    for (const SerialPortEntry &p : ports) {
        now.insert(p.portName);
        order << p.portName;
    }
    QStringList went;
    for (const QString &name : std::as_const(m_present))
        if (!now.contains(name))
            went << name;
    went.sort();
    for (const QString &name : went) {
        m_gone.insert(name);
        m_found.removeAll(name);
        events << Event{EventKind::Gone, name};
    }
    for (const QString &name : order) {
        if (m_present.contains(name))
            continue;
        // A cable plugged in again may get another name (ttyUSB0 -> ttyUSB1): any port that
        // comes while one is missing is taken as that one come back.
        const bool back = !m_gone.isEmpty();
        if (back) {
            if (!m_gone.remove(name))
                m_gone.erase(m_gone.begin());
        }
        m_found.removeAll(name);
        m_found << name;
        events << Event{back ? EventKind::Back : EventKind::New, name};
    }
    m_present = now;
    return events;
}

}  // namespace zqv
