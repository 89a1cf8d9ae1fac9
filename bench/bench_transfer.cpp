// Transfers at the real wire speed: a full read and a full write of a 150-contact, 25-text
// radio against zqv-radio-sim throttled to 9600 baud (10 bits a byte), each compared with the
// wire limit (every byte both ways x 10 bits / 9600, plus the write's fixed 4000 ms pause
// before the end-write reply); and the CPU time the command-line tool spends on a throttled
// read, as a share of the elapsed time.
//
//   bench_transfer [runs]
#include "BenchTiming.h"
#include "RadioSim.h"
#include "RadioTransfer.h"
#include "TransferSession.h"
#include "TransferTestSupport.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>

#include <cstdio>
#include <ctime>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

using namespace zqv;
using namespace zqvbench;
using zqv::test::CSimProcess;

extern char **environ;

namespace {

double ThreadCpuMs()
{
    timespec ts{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return ts.tv_sec * 1e3 + ts.tv_nsec / 1e6;
}

struct Figures {
    double elapsedMs = 0, wireMs = 0, cpuMs = 0;
    std::uint64_t bytesOut = 0, bytesIn = 0;
    int exchanges = 0;
};

void Print(const char *what, const Figures &f)
{
    const double over = f.elapsedMs - f.wireMs;
    std::printf("%-6s elapsed %8.1f ms  wire limit %8.1f ms  ratio %.4f  (%llu bytes out, %llu in, %d exchanges,"
                " %.1f ms over the limit = %.3f ms per exchange)  link CPU %.1f ms = %.2f%%\n",
                what, f.elapsedMs, f.wireMs, f.elapsedMs / f.wireMs, static_cast<unsigned long long>(f.bytesOut),
                static_cast<unsigned long long>(f.bytesIn), f.exchanges, over, over / f.exchanges, f.cpuMs,
                100.0 * f.cpuMs / f.elapsedMs);
}

Figures TimedRead()
{
    CSimProcess sim({QStringLiteral("--throttle"), QStringLiteral("--full")});
    CTransferSession session(sim.port);
    CRadioTransfer transfer(session, nullptr);
    VirtualCPData record;
    QElapsedTimer t;
    const double cpu0 = ThreadCpuMs();
    t.start();
    if (transfer.ReadRadio(record) != 1 || record != CRadioSim::FullRadio())
        std::fprintf(stderr, "read failed\n");
    Figures f;
    f.elapsedMs = t.nsecsElapsed() / 1e6;
    f.cpuMs = ThreadCpuMs() - cpu0;
    f.bytesOut = transfer.LastBytesWritten();
    f.bytesIn = transfer.LastBytesRead();
    f.wireMs = WireMs(f.bytesOut + f.bytesIn);
    f.exchanges = int(sim.Requests().size());
    return f;
}

Figures TimedWrite()
{
    CSimProcess sim({QStringLiteral("--throttle"), QStringLiteral("--empty")});
    CTransferSession session(sim.port);
    CRadioTransfer transfer(session, nullptr);
    QElapsedTimer t;
    const double cpu0 = ThreadCpuMs();
    t.start();
    if (transfer.WriteRadio(CRadioSim::FullRadio()) != 1)
        std::fprintf(stderr, "write failed\n");
    Figures f;
    f.elapsedMs = t.nsecsElapsed() / 1e6;
    f.cpuMs = ThreadCpuMs() - cpu0;
    f.bytesOut = transfer.LastBytesWritten();
    f.bytesIn = transfer.LastBytesRead();
    f.wireMs = WireMs(f.bytesOut + f.bytesIn) + kEndWritePauseMs;
    f.exchanges = int(sim.Requests().size());
    return f;
}

// `zqvcps-cli read` as a child process: its user + system CPU time against the elapsed time.
void CliReadCpu(const QString &dir)
{
    CSimProcess sim({QStringLiteral("--throttle"), QStringLiteral("--full")});
    const QByteArray cli = QByteArrayLiteral(ZQV_CLI);
    const QByteArray port = sim.port.toLocal8Bit();
    const QByteArray out = (dir + QStringLiteral("/read.zqv")).toLocal8Bit();
    const QByteArray installDir = QByteArrayLiteral(ZQV_DATA_DIR);
    char *argv[] = {const_cast<char *>(cli.constData()),
                    const_cast<char *>("--install-dir"),
                    const_cast<char *>(installDir.constData()),
                    const_cast<char *>("read"),
                    const_cast<char *>("--port"),
                    const_cast<char *>(port.constData()),
                    const_cast<char *>("-o"),
                    const_cast<char *>(out.constData()),
                    nullptr};
    QElapsedTimer t;
    t.start();
    pid_t pid = 0;
    if (posix_spawn(&pid, argv[0], nullptr, nullptr, argv, environ) != 0) {
        std::fprintf(stderr, "cannot start %s\n", argv[0]);
        return;
    }
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    const double elapsed = t.nsecsElapsed() / 1e6;
    const double user = usage.ru_utime.tv_sec * 1e3 + usage.ru_utime.tv_usec / 1e3;
    const double sys = usage.ru_stime.tv_sec * 1e3 + usage.ru_stime.tv_usec / 1e3;
    std::printf(
        "cli    read exit %d  elapsed %8.1f ms  CPU user %.1f ms + system %.1f ms = %.2f%% of the elapsed time\n",
        WIFEXITED(status) ? WEXITSTATUS(status) : -1, elapsed, user, sys, 100.0 * (user + sys) / elapsed);
}

}  // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 3;
    QTemporaryDir dir;
    std::printf("Throttled to %.0f baud, %g bits a byte; a 150-contact, 25-text radio.\n", kBaud, kBitsPerByte);
    for (int i = 0; i < runs; ++i)
        Print("read", TimedRead());
    for (int i = 0; i < runs; ++i)
        Print("write", TimedWrite());
    CliReadCpu(dir.path());
    return 0;
}
