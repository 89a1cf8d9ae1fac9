// The simulated radio as a separate program on a real pseudo-terminal, for the transfer
// integration tests: start it with options, learn its port from its first line of output,
// read its request log and its dumped memory, stop it.
#pragma once

#include "TextFile.h"

#include <QFile>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/prctl.h>

namespace zqv::test {

class CSimProcess {
public:
    explicit CSimProcess(const QStringList &options)
    {
        m_process.setProgram(QStringLiteral(ZQV_SIM));
        m_process.setArguments(QStringList{QStringLiteral("--log"), LogPath(), QStringLiteral("--dump"), DumpPath()} +
                               options);
        m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        // The simulator ends with its owner, even when a test ends abnormally.
        m_process.setChildProcessModifier([] { prctl(PR_SET_PDEATHSIG, SIGTERM); });
        m_process.start();
        if (m_process.waitForStarted(5000)) {
            for (int i = 0; i < 100 && !m_process.canReadLine(); ++i)
                m_process.waitForReadyRead(100);
            port = QString::fromLocal8Bit(m_process.readLine()).trimmed();
        }
    }
    ~CSimProcess() { Stop(); }

    // Ends the program; it saves its memory to DumpPath() on the way out.
    void Stop()
    {
        if (m_process.state() == QProcess::NotRunning)
            return;
        m_process.terminate();
        if (!m_process.waitForFinished(5000)) {
            m_process.kill();
            m_process.waitForFinished(5000);
        }
    }

    // Ends the program at once, the way a radio is unplugged: the line hangs up.
    void Kill()
    {
        m_process.kill();
        m_process.waitForFinished(5000);
    }

    bool Ok() const { return port.startsWith(QLatin1String("/dev/")); }
    QString LogPath() const { return m_dir.filePath(QStringLiteral("requests.log")); }
    QString DumpPath() const { return m_dir.filePath(QStringLiteral("memory.zqv")); }
    QString Path(const QString &name) const { return m_dir.filePath(name); }

    // The requests it has received: "25", "31 3/150" ...
    QStringList Requests() const
    {
        QFile f(LogPath());
        if (!f.open(QIODevice::ReadOnly))
            return {};
        return QString::fromUtf8(f.readAll()).split(u'\n', Qt::SkipEmptyParts);
    }
    QStringList Commands() const
    {
        QStringList out;
        for (const QString &r : Requests())
            out << r.left(2);
        return out;
    }
    // Whether any request that changes the radio's memory arrived.
    bool ReceivedAnyWrite() const
    {
        const QStringList c = Commands();
        return c.contains(QLatin1String("29")) || c.contains(QLatin1String("31")) || c.contains(QLatin1String("33")) ||
            c.contains(QLatin1String("36"));
    }
    // The memory it saved, as profile text.
    QString Dump() const { return ReadTextFile(DumpPath()); }

    QString port;

private:
    QTemporaryDir m_dir;
    QProcess m_process;
};

}  // namespace zqv::test
