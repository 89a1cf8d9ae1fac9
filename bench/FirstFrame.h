// What both start-up benchmark programs (the bare window and zqvcps's start-up) share: the
// moment their main window is on screen, and the process's resident memory once it has
// settled. Linked into programs that use Qt Widgets only.
#pragma once

#include <QApplication>
#include <QFile>
#include <QTextStream>
#include <QTimer>
#include <QWidget>
#include <ctime>
#include <functional>

namespace zqvbench {

inline qint64 RealtimeNs()
{
    timespec ts{};
    clock_gettime(CLOCK_REALTIME, &ts);
    return qint64(ts.tv_sec) * 1000000000 + ts.tv_nsec;
}

// The processor time the process has used so far, all its threads: unlike the wall clock it
// hardly depends on what else the machine is doing.
inline qint64 ProcessCpuUs()
{
    timespec ts{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
    return qint64(ts.tv_sec) * 1000000 + ts.tv_nsec / 1000;
}

inline qint64 ResidentKb()
{
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : f.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLongLong();
    return -1;
}

// Watches `window` for its first frame on screen: the window's first paint starts the paint
// of the whole window (its children after it) into the backing store, which is then flushed to
// the display; a zero timer queued at that first paint runs once all of that has happened.
// Then prints "shown <ns since the epoch> cpu_us <processor time until then> rss_kb <kB>"
// (memory 300 ms later, once the window has settled and whatever it does after its first frame
// has run), and whatever `after` returns, and ends the program.
class CFrameOnScreen : public QObject {
public:
    explicit CFrameOnScreen(QWidget *window, std::function<QString()> after = {}) : m_fnAfter(std::move(after))
    {
        window->installEventFilter(this);
    }
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && !m_bSeen) {
            m_bSeen = true;
            QTimer::singleShot(0, this, [this] {
                const qint64 shown = RealtimeNs(), cpu = ProcessCpuUs();
                QTimer::singleShot(300, this, [this, shown, cpu] {
                    QTextStream out(stdout);
                    out << "shown " << shown << " cpu_us " << cpu << " rss_kb " << ResidentKb();
                    if (m_fnAfter)
                        out << ' ' << m_fnAfter();
                    out << Qt::endl;
                    QApplication::exit(0);
                });
            });
        }
        return false;
    }

private:
    std::function<QString()> m_fnAfter;
    bool m_bSeen = false;
};

}  // namespace zqvbench
