// zqv-radio-sim: a radio on a pseudo-terminal.
//
// Prints the pseudo-terminal's path as the first line of stdout, then answers the programming
// protocol on it until it is stopped (SIGTERM, SIGINT, SIGHUP). Its memory is a profile file
// or a fresh radio; a write changes it, and --dump saves it as a profile after every completed
// write and at exit. --throttle paces both directions to the real 9600-baud wire (10 bits a
// byte); the fault options make it misbehave the ways a real radio can. It ends with the
// process that started it, so a test that dies never leaves it running.
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

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <deque>
#include <fcntl.h>
#include <poll.h>
#ifdef __linux__
#include <sys/prctl.h>
#endif
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

// What the loop needs from the command line beyond the radio itself.
struct SimOptions {
    QString dumpPath;
    bool throttle = false;
    std::int64_t delayNs = 0;
    std::FILE *log = nullptr;
};

// Reads the command line into the radio and `options`; on a bad option returns the exit code
// after saying why (0 when all is well).
int Configure(const QCoreApplication &app, CRadioSim &sim, SimOptions &options)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("A simulated radio on a pseudo-terminal."));
    parser.addHelpOption();
    const QCommandLineOption profileOpt(
        QStringLiteral("profile"), QStringLiteral("Start with the memory of profile FILE."), QStringLiteral("FILE"));
    const QCommandLineOption dumpOpt(
        QStringLiteral("dump"),
        QStringLiteral("Save the memory as a profile to FILE after every completed write and at exit."),
        QStringLiteral("FILE"));
    const QCommandLineOption emptyOpt(QStringLiteral("empty"),
                                      QStringLiteral("Start as a radio without contacts and texts."));
    const QCommandLineOption fullOpt(QStringLiteral("full"),
                                     QStringLiteral("Start as a full radio (150 contacts, 25 texts)."));
    const QCommandLineOption logOpt(QStringLiteral("log"), QStringLiteral("Append a line per request to FILE."),
                                    QStringLiteral("FILE"));
    const QCommandLineOption throttleOpt(QStringLiteral("throttle"),
                                         QStringLiteral("Pace both directions to 9600 baud."));
    const QCommandLineOption delayOpt(QStringLiteral("delay"), QStringLiteral("Wait MS before each reply."),
                                      QStringLiteral("MS"));
    const QCommandLineOption silentOpt(QStringLiteral("silent"), QStringLiteral("Never answer."));
    const QCommandLineOption checksumOpt(QStringLiteral("bad-checksum"),
                                         QStringLiteral("Corrupt the checksum of every reply."));
    const QCommandLineOption failOpt(QStringLiteral("fail"),
                                     QStringLiteral("Misbehave: CMD[@N]:KIND, CMD two hex digits or 'all', KIND one of "
                                                    "silent, bad-checksum, q-fd, q-fe, q-other, s1, s4, s-other, "
                                                    "old-firmware, bad-opcode, bad-letter, drop-reply (carried out, "
                                                    "reply lost). Repeatable."),
                                     QStringLiteral("RULE"));
    const QCommandLineOption captureOpt(QStringLiteral("capture-after"),
                                        QStringLiteral("The N-th poll of a capture reports a PID."),
                                        QStringLiteral("N"));
    const QCommandLineOption capturePidOpt(QStringLiteral("capture-pid"), QStringLiteral("The PID a capture reports."),
                                           QStringLiteral("PID"));
    const QCommandLineOption unitPidOpt(QStringLiteral("unit-pid"), QStringLiteral("The radio's own private ID."),
                                        QStringLiteral("PID"));
    const QCommandLineOption passwordOpt(QStringLiteral("password"), QStringLiteral("The radio's codeplug password."),
                                         QStringLiteral("TEXT"));
    const QCommandLineOption phaseOpt(QStringLiteral("phase"), QStringLiteral("Firmware phase letter."),
                                      QStringLiteral("C"));
    const QCommandLineOption releaseOpt(QStringLiteral("fw-release"), QStringLiteral("Firmware release (hex)."),
                                        QStringLiteral("HEX"));
    const QCommandLineOption versionOpt(QStringLiteral("fw-version"), QStringLiteral("Firmware version."),
                                        QStringLiteral("N"));
    const QCommandLineOption cloneOpt(QStringLiteral("clone-version"), QStringLiteral("Clone-compatibility version."),
                                      QStringLiteral("N"));
    const QCommandLineOption foreignOpt(
        QStringLiteral("foreign-records"),
        QStringLiteral("Add a contact of an unknown type, and control characters in the "
                       "first contact's name and the first text."));
    const QCommandLineOption corruptOpt(
        QStringLiteral("corrupt-record"),
        QStringLiteral("Acknowledge the N-th contact record of a write but store it with a wrong name."),
        QStringLiteral("N"));
    const QCommandLineOption dropOpt(
        QStringLiteral("drop-after"),
        QStringLiteral("Stop answering after N contact and text records of a write, as if the "
                       "cable came out; answer again from the next identity request."),
        QStringLiteral("N"));
    const QCommandLineOption pidAfterWriteOpt(
        QStringLiteral("pid-after-write"),
        QStringLiteral("Answer with the own private ID N after each write, as a different radio would."),
        QStringLiteral("N"));
    parser.addOptions({profileOpt, dumpOpt,     emptyOpt,    fullOpt,         logOpt,     throttleOpt,
                       delayOpt,   silentOpt,   checksumOpt, failOpt,         captureOpt, capturePidOpt,
                       unitPidOpt, passwordOpt, phaseOpt,    releaseOpt,      versionOpt, cloneOpt,
                       foreignOpt, corruptOpt,  dropOpt,     pidAfterWriteOpt});
    parser.process(app);

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
    options.dumpPath = dumpPath;
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
    if (parser.isSet(corruptOpt))
        sim.corruptContactRecord = number(corruptOpt, 10);
    if (parser.isSet(dropOpt))
        sim.dropAfterRecords = number(dropOpt, 10);
    if (parser.isSet(pidAfterWriteOpt))
        sim.pidAfterWrite = parser.value(pidAfterWriteOpt);
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
    options.throttle = parser.isSet(throttleOpt);
    options.delayNs = std::int64_t(parser.value(delayOpt).toInt()) * 1000000;

    if (parser.isSet(logOpt)) {
        std::FILE *log = std::fopen(QFile::encodeName(parser.value(logOpt)).constData(), "a");
        if (!log)
            return Fail(QStringLiteral("cannot open the log file"));
        std::setvbuf(log, nullptr, _IOLBF, 0);
        options.log = log;
        sim.onRequest = [log](const QString &line) { std::fprintf(log, "%s\n", line.toUtf8().constData()); };
    }
    return 0;
}

// The pseudo-terminal: the side the simulator answers on, and the terminal side it keeps open
// itself so the line stays up while programs open and close it.
struct PseudoTerminal {
    int master = -1;
    int keep = -1;
    QByteArray path;
};

int OpenPseudoTerminal(PseudoTerminal &pty)
{
    pty.master = posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (pty.master < 0 || grantpt(pty.master) != 0 || unlockpt(pty.master) != 0)
        return Fail(QStringLiteral("cannot create a pseudo-terminal: ") + QString::fromLocal8Bit(std::strerror(errno)));
    const char *name = ptsname(pty.master);
    if (!name)
        return Fail(QStringLiteral("no pseudo-terminal name"));
    pty.path = QByteArray(name);
    pty.keep = open(pty.path.constData(), O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (pty.keep < 0 || !MakeRaw(pty.keep) || !MakeRaw(pty.master))
        return Fail(QStringLiteral("cannot set up the pseudo-terminal"));
    fcntl(pty.master, F_SETFL, fcntl(pty.master, F_GETFL) | O_NONBLOCK);
    return 0;
}

// Stops on SIGTERM, SIGINT and SIGHUP. The stop signals are let through only while the loop
// waits in ppoll (`waitMask`), so one that arrives between the check of g_stop and the wait
// cannot be missed.
void CatchStopSignals(sigset_t &waitMask)
{
    struct sigaction sa {};
    sa.sa_handler = OnSignal;
    sigemptyset(&sa.sa_mask);
    sigaction(SIGTERM, &sa, nullptr);
    sigaction(SIGINT, &sa, nullptr);
    sigaction(SIGHUP, &sa, nullptr);
    signal(SIGPIPE, SIG_IGN);
    sigset_t stopSignals;
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGTERM);
    sigaddset(&stopSignals, SIGINT);
    sigaddset(&stopSignals, SIGHUP);
    sigprocmask(SIG_BLOCK, &stopSignals, &waitMask);
}

// How often the loop looks whether the process that started the simulator is still there,
// where the system does not send a signal when it ends.
constexpr std::int64_t kParentCheckNs = 500000000;

// Asks for SIGTERM when the process that started the simulator ends, and returns that
// process's id for the loop's own check.
pid_t FollowParent()
{
    const pid_t parent = getppid();
#ifdef __linux__
    prctl(PR_SET_PDEATHSIG, SIGTERM);
#endif
    return parent;
}

// Answers the protocol on the pseudo-terminal until a stop signal comes or the parent is gone.
void Run(CRadioSim &sim, int master, const SimOptions &options, const sigset_t &waitMask, pid_t parent)
{
    const bool throttle = options.throttle;
    const std::int64_t delayNs = options.delayNs;
    // Bytes waiting to go out, each with the time its last bit leaves the wire.
    std::deque<std::pair<std::int64_t, std::uint8_t>> out;
    std::int64_t inDone = 0;  // when the last received byte has fully arrived
    std::int64_t outDone = 0;  // when the last scheduled reply byte leaves
    std::uint8_t buffer[512];
    // A parent that ended before the request for its signal took hold is seen at once here.
    while (!g_stop && getppid() == parent) {
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
        std::int64_t left = kParentCheckNs;
        if (!out.empty() && !blocked)
            left = std::clamp<std::int64_t>(out.front().first - NowNs(), 0, kParentCheckNs);
        const timespec wait{time_t(left / 1000000000), long(left % 1000000000)};
        if (ppoll(&pfd, 1, &wait, &waitMask) <= 0)
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
}

}  // namespace

int main(int argc, char *argv[])
{
    const pid_t parent = FollowParent();
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("zqv-radio-sim"));

    CRadioSim sim;
    SimOptions options;
    if (const int code = Configure(app, sim, options))
        return code;
    PseudoTerminal pty;
    if (const int code = OpenPseudoTerminal(pty))
        return code;
    sigset_t waitMask;
    CatchStopSignals(waitMask);

    std::printf("%s\n", pty.path.constData());
    std::fflush(stdout);
    Run(sim, pty.master, options, waitMask, parent);

    if (!options.dumpPath.isEmpty())
        DumpProfile(options.dumpPath, sim);
    if (options.log)
        std::fclose(options.log);
    close(pty.keep);
    close(pty.master);
    return 0;
}
