// A safe write at the real wire speed: `zqvcps-cli write --yes` of a 150-contact, 25-text
// profile into a full radio (one contact renamed) against zqv-radio-sim throttled to 9600 baud,
// with the backup read, the change report, the write and the check read. Its elapsed time is
// compared with the wire limit of the three transfers (every byte both ways x 10 bits / 9600,
// plus the write's fixed 4000 ms pause before the end-write reply). Each phase is also timed
// alone, in-process, with its own wire limit.
//
//   bench_safe_write [runs]
#include "BenchTiming.h"
#include "DataAdaptor.h"
#include "RadioSim.h"
#include "RadioTransfer.h"
#include "TextFile.h"
#include "TransferSession.h"
#include "TransferTestSupport.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <cstdio>

using namespace zqv;
using zqv::test::CSimProcess;
using zqvbench::kBaud;
using zqvbench::kBitsPerByte;
using zqvbench::kEndWritePauseMs;

namespace {

struct Phase {
    double elapsedMs = 0;
    double wireMs = 0;
};

double WireMs(const CRadioTransfer &t)
{
    return zqvbench::WireMs(t.LastBytesWritten() + t.LastBytesRead());
}

void Print(const char *what, const Phase &p)
{
    std::printf("%-14s elapsed %8.1f ms  wire limit %8.1f ms  ratio %.4f\n", what, p.elapsedMs, p.wireMs,
                p.elapsedMs / p.wireMs);
}

// The three transfers of a safe write, each timed alone.
void Phases(const VirtualCPData &profile, Phase &backup, Phase &write, Phase &verify)
{
    CSimProcess sim({QStringLiteral("--throttle"), QStringLiteral("--full")});
    CTransferSession session(sim.port);
    CRadioTransfer transfer(session, nullptr);
    VirtualCPData read;
    QElapsedTimer t;
    t.start();
    if (transfer.ReadRadio(read) != 1)
        std::fprintf(stderr, "backup read failed\n");
    backup = {t.nsecsElapsed() / 1e6, WireMs(transfer)};
    t.restart();
    if (transfer.WriteRadio(profile) != 1)
        std::fprintf(stderr, "write failed\n");
    write = {t.nsecsElapsed() / 1e6, WireMs(transfer) + kEndWritePauseMs};
    t.restart();
    if (transfer.ReadRadio(read) != 1)
        std::fprintf(stderr, "check read failed\n");
    verify = {t.nsecsElapsed() / 1e6, WireMs(transfer)};
}

// The whole command, as a dealer runs it.
double CliSafeWrite(const QString &dir, const QString &profilePath)
{
    CSimProcess sim({QStringLiteral("--throttle"), QStringLiteral("--full")});
    QProcess cli;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_DATA_HOME"), dir);  // the backups go here
    cli.setProcessEnvironment(env);
    cli.setStandardInputFile(QProcess::nullDevice());
    QElapsedTimer t;
    t.start();
    cli.start(QStringLiteral(ZQV_CLI),
              {QStringLiteral("--install-dir"), QStringLiteral(ZQV_DATA_DIR), QStringLiteral("write"),
               QStringLiteral("--yes"), QStringLiteral("--port"), sim.port, profilePath});
    cli.waitForFinished(-1);
    const double elapsed = t.nsecsElapsed() / 1e6;
    if (cli.exitCode() != 0)
        std::fprintf(stderr, "zqvcps-cli write failed:\n%s\n", cli.readAllStandardError().constData());
    return elapsed;
}

}  // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 3;
    QTemporaryDir dir;
    VirtualCPData profile = CRadioSim::FullRadio();
    profile.contacts[70].name = QStringLiteral("Someone Else");
    const QString profilePath = dir.filePath(QStringLiteral("profile.zqv"));
    QString text;
    CDataAdaptor::VirtualCP2XML(profile, text);
    QFile f(profilePath);
    if (!f.open(QIODevice::WriteOnly) || f.write(EncodeTextFile(text, TEXT_MODE_UTF16)) < 0)
        return 1;
    f.close();

    std::printf("Throttled to %.0f baud, %g bits a byte; a 150-contact, 25-text radio.\n", kBaud, kBitsPerByte);
    for (int i = 0; i < runs; ++i) {
        Phase backup, write, verify;
        Phases(profile, backup, write, verify);
        Print("backup read", backup);
        Print("write", write);
        Print("check read", verify);
        const double limit = backup.wireMs + write.wireMs + verify.wireMs;
        const double whole = CliSafeWrite(dir.path(), profilePath);
        std::printf("%-14s elapsed %8.1f ms  wire limit %8.1f ms  ratio %.4f\n", "cli safe write", whole, limit,
                    whole / limit);
    }
    return 0;
}
