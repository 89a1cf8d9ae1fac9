// zqv-radio-sim: a radio on a pseudo-terminal.
//
// Prints the pseudo-terminal's path as the first line of stdout, then answers the programming
// protocol on it until it is stopped (SIGTERM, SIGINT, SIGHUP). Its memory is a profile file
// or a fresh radio; a write changes it, and --dump saves it as a profile after every completed
// write and at exit. --throttle paces both directions to the real 9600-baud wire (10 bits a
// byte); the fault options make it misbehave the ways a real radio can.
#include "RadioSim.h"

#include "DataAdaptor.h"
#include "LinkCodec.h"
#include "TextFile.h"
#include "ZQVCPSException.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QTextStream>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <ctime>
#include <deque>
#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

using namespace zqv;

namespace {

volatile std::sig_atomic_t g_stop = 0;

void OnSignal(int)
{
    g_stop = 1;
}

std::int64_t NowNs()
{
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return std::int64_t(ts.tv_sec) * 1000000000 + ts.tv_nsec;
}

// 10 bits a byte at 9600 baud.
constexpr std::int64_t kByteNs = 1000000000LL * 10 / 9600;

bool MakeRaw(int fd)
{
    termios tio{};
    if (tcgetattr(fd, &tio) != 0)
        return false;
    cfmakeraw(&tio);
    return tcsetattr(fd, TCSANOW, &tio) == 0;
}

int Fail(const QString &text)
{
    QTextStream(stderr) << "zqv-radio-sim: " << text << "\n";
    return 2;
}

// Reads a profile (plain or scrambled, UTF-16 or code page 1252) into the radio's memory.
bool LoadProfile(const QString &path, VirtualCPData &memory, QString &error)
{
    if (!QFileInfo(path).isFile()) {
        error = QStringLiteral("no such file");
        return false;
    }
    int mode = TEXT_MODE_UTF16;
    QString text = ReadTextFile(path, &mode);
    if (!text.startsWith(QLatin1String("<?xml"), Qt::CaseInsensitive))
        ScrambleText(text, mode);
    try {
        VirtualCPData record;
        CDataAdaptor::XML2VirtualCP(text, record);
        memory = record;
        return true;
    } catch (const CZQVCPSException &e) {
        error = e.GetTrace();
        return false;
    }
}

// Writes the radio's memory as a read would give it: a plain profile in UTF-16, replacing the
// file only once it is complete.
bool DumpProfile(const QString &path, const CRadioSim &sim)
{
    QString text;
    CDataAdaptor::VirtualCP2XML(sim.AsRead(), text);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(EncodeTextFile(text, TEXT_MODE_UTF16));
    return file.commit();
}

}  // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("zqv-radio-sim"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("A simulated radio on a pseudo-terminal."));
    parser.addHelpOption();
    const QCommandLineOption profileOpt(QStringLiteral("profile"), QStringLiteral("Start with the memory of profile FILE."), QStringLiteral("FILE"));
    const QCommandLineOption dumpOpt(QStringLiteral("dump"),
                                     QStringLiteral("Save the memory as a profile to FILE after every completed write and at exit."),
                                     QStringLiteral("FILE"));
    const QCommandLineOption emptyOpt(QStringLiteral("empty"), QStringLiteral("Start as a radio without contacts and texts."));
    const QCommandLineOption fullOpt(QStringLiteral("full"), QStringLiteral("Start as a full radio (150 contacts, 25 texts)."));
    const QCommandLineOption logOpt(QStringLiteral("log"), QStringLiteral("Append a line per request to FILE."), QStringLiteral("FILE"));
    const QCommandLineOption throttleOpt(QStringLiteral("throttle"), QStringLiteral("Pace both directions to 9600 baud."));
    const QCommandLineOption delayOpt(QStringLiteral("delay"), QStringLiteral("Wait MS before each reply."), QStringLiteral("MS"));
    const QCommandLineOption silentOpt(QStringLiteral("silent"), QStringLiteral("Never answer."));
    const QCommandLineOption checksumOpt(QStringLiteral("bad-checksum"), QStringLiteral("Corrupt the checksum of every reply."));
    const QCommandLineOption failOpt(QStringLiteral("fail"),
                                     QStringLiteral("Misbehave: CMD[@N]:KIND, CMD two hex digits or 'all', KIND one of "
                                                    "silent, bad-checksum, q-fd, q-fe, q-other, s1, s4, s-other, "
                                                    "old-firmware, bad-opcode, bad-letter, drop-reply (carried out, "
                                                    "reply lost). Repeatable."),
                                     QStringLiteral("RULE"));
    const QCommandLineOption captureOpt(QStringLiteral("capture-after"), QStringLiteral("The N-th poll of a capture reports a PID."), QStringLiteral("N"));
    const QCommandLineOption capturePidOpt(QStringLiteral("capture-pid"), QStringLiteral("The PID a capture reports."), QStringLiteral("PID"));
    const QCommandLineOption unitPidOpt(QStringLiteral("unit-pid"), QStringLiteral("The radio's own private ID."), QStringLiteral("PID"));
    const QCommandLineOption passwordOpt(QStringLiteral("password"), QStringLiteral("The radio's codeplug password."), QStringLiteral("TEXT"));
    const QCommandLineOption phaseOpt(QStringLiteral("phase"), QStringLiteral("Firmware phase letter."), QStringLiteral("C"));
    const QCommandLineOption releaseOpt(QStringLiteral("fw-release"), QStringLiteral("Firmware release (hex)."), QStringLiteral("HEX"));
    const QCommandLineOption versionOpt(QStringLiteral("fw-version"), QStringLiteral("Firmware version."), QStringLiteral("N"));
    const QCommandLineOption cloneOpt(QStringLiteral("clone-version"), QStringLiteral("Clone-compatibility version."), QStringLiteral("N"));
    const QCommandLineOption foreignOpt(QStringLiteral("foreign-records"),
                                        QStringLiteral("Add a contact of an unknown type, and control characters in the "
                                                       "first contact's name and the first text."));
    parser.addOptions({profileOpt, dumpOpt, emptyOpt, fullOpt, logOpt, throttleOpt, delayOpt, silentOpt, checksumOpt, failOpt, captureOpt,
                       capturePidOpt, unitPidOpt, passwordOpt, phaseOpt, releaseOpt, versionOpt, cloneOpt, foreignOpt});
    parser.process(app);

    CRadioSim sim;
    if (parser.isSet(emptyOpt))
        sim.memory = CRadioSim::EmptyRadio();
    else if (parser.isSet(fullOpt))
        sim.memory = CRadioSim::FullRadio();
    if (parser.isSet(profileOpt)) {
        QString error;
        if (!LoadProfile(parser.value(profileOpt), sim.memory, error))
            return Fail(QStringLiteral("cannot load the profile: ") + error);
    }
    const QString dumpPath = parser.value(dumpOpt);
    if (!dumpPath.isEmpty()) {
        sim.onCommit = [&sim, dumpPath] {
            if (!DumpProfile(dumpPath, sim))
                QTextStream(stderr) << "zqv-radio-sim: cannot write " << dumpPath << "\n";
        };
    }

    bool ok = true;
    const auto number = [&](const QCommandLineOption &opt, int base) {
        bool good = false;
        const int v = parser.value(opt).toInt(&good, base);
        ok = ok && good && v >= 0 && v <= 255;
        return std::uint8_t(v);
    };
    if (parser.isSet(unitPidOpt)) {
        const QString oldPid = sim.memory.limit.pid;
        sim.memory.limit.pid = parser.value(unitPidOpt);
        for (VirtualCPContact &c : sim.memory.contacts) {
            if (c.cntct_type == profile::kPrivateContact && c.pid == oldPid)
                c.pid = sim.memory.limit.pid;
        }
    }
    if (parser.isSet(passwordOpt))
        sim.memory.setting.password = parser.value(passwordOpt);
    if (parser.isSet(phaseOpt) && parser.value(phaseOpt).size() == 1)
        sim.memory.firmware_phase = parser.value(phaseOpt).at(0);
    if (parser.isSet(releaseOpt))
        sim.memory.firmware_release = number(releaseOpt, 16);
    if (parser.isSet(versionOpt))
        sim.memory.firmware_version = number(versionOpt, 10);
    if (parser.isSet(cloneOpt))
        sim.memory.limit.clone_compatibility_version = number(cloneOpt, 10);
    if (parser.isSet(foreignOpt))
        CRadioSim::AddForeignRecords(sim.memory);
    if (parser.isSet(captureOpt))
        sim.captureAfterPolls = number(captureOpt, 10);
    if (parser.isSet(capturePidOpt))
        sim.capturedPid = parser.value(capturePidOpt);
    if (!ok)
        return Fail(QStringLiteral("a numeric option is out of range"));
    if (parser.isSet(silentOpt))
        sim.faults.push_back(SimFault{-1, 0, SimFaultKind::Silent});
    if (parser.isSet(checksumOpt))
        sim.faults.push_back(SimFault{-1, 0, SimFaultKind::BadChecksum});
    for (const QString &rule : parser.values(failOpt)) {
        SimFault fault;
        if (!ParseSimFault(rule, fault))
            return Fail(QStringLiteral("bad --fail rule: ") + rule);
        sim.faults.push_back(fault);
    }
    const bool throttle = parser.isSet(throttleOpt);
    const std::int64_t delayNs = std::int64_t(parser.value(delayOpt).toInt()) * 1000000;

    std::FILE *log = nullptr;
    if (parser.isSet(logOpt)) {
        log = std::fopen(QFile::encodeName(parser.value(logOpt)).constData(), "a");
        if (!log)
            return Fail(QStringLiteral("cannot open the log file"));
        std::setvbuf(log, nullptr, _IOLBF, 0);
        sim.onRequest = [log](const QString &line) { std::fprintf(log, "%s\n", line.toUtf8().constData()); };
    }

    // The pseudo-terminal. The simulator keeps the terminal side open itself, so the line
    // stays up while programs open and close it.
    const int master = posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (master < 0 || grantpt(master) != 0 || unlockpt(master) != 0)
        return Fail(QStringLiteral("cannot create a pseudo-terminal: ") + QString::fromLocal8Bit(std::strerror(errno)));
    const char *name = ptsname(master);
    if (!name)
        return Fail(QStringLiteral("no pseudo-terminal name"));
    const QByteArray path(name);
    const int keep = open(path.constData(), O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (keep < 0 || !MakeRaw(keep) || !MakeRaw(master))
        return Fail(QStringLiteral("cannot set up the pseudo-terminal"));
    fcntl(master, F_SETFL, fcntl(master, F_GETFL) | O_NONBLOCK);

    struct sigaction sa {};
    sa.sa_handler = OnSignal;
    sigemptyset(&sa.sa_mask);
    sigaction(SIGTERM, &sa, nullptr);
    sigaction(SIGINT, &sa, nullptr);
    sigaction(SIGHUP, &sa, nullptr);
    signal(SIGPIPE, SIG_IGN);
    // The stop signals are let through only while the loop waits in ppoll, so one that
    // arrives between the check of g_stop and the wait cannot be missed.
    sigset_t stopSignals, waitMask;
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGTERM);
    sigaddset(&stopSignals, SIGINT);
    sigaddset(&stopSignals, SIGHUP);
    sigprocmask(SIG_BLOCK, &stopSignals, &waitMask);

    std::printf("%s\n", path.constData());
    std::fflush(stdout);

    // Bytes waiting to go out, each with the time its last bit leaves the wire.
    std::deque<std::pair<std::int64_t, std::uint8_t>> out;
    std::int64_t inDone = 0;   // when the last received byte has fully arrived
    std::int64_t outDone = 0;  // when the last scheduled reply byte leaves
    std::uint8_t buffer[512];
    while (!g_stop) {
        std::int64_t now = NowNs();
        std::size_t due = 0;
        while (due < out.size() && out[due].first <= now && due < sizeof buffer) {
            buffer[due] = out[due].second;
            ++due;
        }
        bool blocked = false;  // the terminal side holds as much unread data as it takes
        if (due > 0) {
            const ssize_t n = write(master, buffer, due);
            if (n > 0)
                out.erase(out.begin(), out.begin() + n);
            blocked = n < 0 && errno == EAGAIN;
        }

        pollfd pfd{master, short(POLLIN | (blocked ? POLLOUT : 0)), 0};
        timespec wait{};
        timespec *timeout = nullptr;
        if (!out.empty() && !blocked) {
            const std::int64_t left = std::max<std::int64_t>(0, out.front().first - NowNs());
            wait.tv_sec = left / 1000000000;
            wait.tv_nsec = left % 1000000000;
            timeout = &wait;
        }
        if (ppoll(&pfd, 1, timeout, &waitMask) <= 0)
            continue;
        if (!(pfd.revents & POLLIN)) {
            if (!(pfd.revents & POLLOUT))
                usleep(10000);
            continue;
        }
        const ssize_t n = read(master, buffer, sizeof buffer);
        if (n <= 0)
            continue;
        now = NowNs();
        for (ssize_t i = 0; i < n; ++i) {
            inDone = throttle ? std::max(now, inDone) + kByteNs : now;
            for (const QByteArray &reply : sim.Receive(buffer + i, 1)) {
                std::int64_t t = std::max(inDone + delayNs, outDone);
                for (const char b : reply) {
                    if (throttle)
                        t += kByteNs;
                    out.emplace_back(t, std::uint8_t(b));
                }
                outDone = t;
            }
        }
    }
    if (!dumpPath.isEmpty())
        DumpProfile(dumpPath, sim);
    if (log)
        std::fclose(log);
    close(keep);
    close(master);
    return 0;
}
