// zqv-radio-sim: a radio on a pseudo-terminal.
//
// Prints the pseudo-terminal's path as the first line of stdout, then answers the programming
// protocol on it until it is stopped (SIGTERM, SIGINT, SIGHUP). Its memory is a profile file
// or a fresh radio; a write changes it, and --dump saves it as a profile after every completed
// write and at exit. --throttle paces both directions to the real 9600-baud wire (10 bits a
// byte); the fault options make it misbehave the ways a real radio can. --count N starts N such
// radios at once, each on a pseudo-terminal of its own with its own unit PID, for programming a
// fleet. It ends with the process that started it, so a test that dies never leaves it running.
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
#include <memory>
#include <poll.h>
#include <vector>
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

// The longest private ID a radio holds.
constexpr int kMaxPidLength = 11;

// Gives the radio a new own private ID; its own private contact follows.
void SetUnitPid(VirtualCPData &memory, const QString &pid)
{
    const QString oldPid = memory.limit.pid;
    memory.limit.pid = pid;
    for (VirtualCPContact &c : memory.contacts) {
        if (c.cntct_type == profile::kPrivateContact && c.pid == oldPid)
            c.pid = pid;
    }
}

// The file of radio `index` (1-based) of a fleet: "dump.zqv" becomes "dump-2.zqv"; a lone
// radio keeps the name as given.
QString RadioFile(const QString &path, int index, int count)
{
    if (path.isEmpty() || count == 0)
        return path;
    const QFileInfo info(path);
    const QString suffix = info.suffix().isEmpty() ? QString() : QLatin1Char('.') + info.suffix();
    const QString stem = path.left(path.size() - suffix.size());
    return stem + QLatin1Char('-') + QString::number(index) + suffix;
}

// What the loop needs from the command line beyond the radio itself.
struct SimOptions {
    QString dumpPath;
    QString logPath;
    bool throttle = false;
    std::int64_t delayNs = 0;
    int count = 0;  // 0: one radio, its path alone on the first line; N: N radios, "PATH PID" each
};

// The most radios one simulator runs: a fleet of cables on one PC, with room to spare.
constexpr int kMaxRadios = 64;

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
    const QCommandLineOption countOpt(
        QStringLiteral("count"),
        QStringLiteral("Run N radios, each on its own pseudo-terminal, printed one a line as \"PATH PID\". "
                       "The unit PIDs count up from the first radio's; --dump and --log files get \"-1\", "
                       "\"-2\" ... before their suffix."),
        QStringLiteral("N"));
    parser.addOptions({profileOpt, dumpOpt,     emptyOpt,    fullOpt,          logOpt,     throttleOpt,
                       delayOpt,   silentOpt,   checksumOpt, failOpt,          captureOpt, capturePidOpt,
                       unitPidOpt, passwordOpt, phaseOpt,    releaseOpt,       versionOpt, cloneOpt,
                       foreignOpt, corruptOpt,  dropOpt,     pidAfterWriteOpt, countOpt});
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
    options.dumpPath = parser.value(dumpOpt);

    bool ok = true;
    const auto number = [&](const QCommandLineOption &opt, int base) {
        bool good = false;
        const int v = parser.value(opt).toInt(&good, base);
        ok = ok && good && v >= 0 && v <= 255;
        return std::uint8_t(v);
    };
    if (parser.isSet(unitPidOpt))
        SetUnitPid(sim.memory, parser.value(unitPidOpt));
    if (parser.isSet(countOpt)) {
        bool good = false;
        options.count = parser.value(countOpt).toInt(&good);
        if (!good || options.count < 1 || options.count > kMaxRadios)
            return Fail(QStringLiteral("--count takes 1 to %1").arg(kMaxRadios));
        // The PIDs count up from the first radio's, so they must be a number with room for all.
        const QString &first = sim.memory.limit.pid;
        const qulonglong base = first.toULongLong(&good);
        if (!good || QString::number(base + options.count - 1).size() > kMaxPidLength)
            return Fail(QStringLiteral("--count needs a numeric unit PID with room for %1 radios").arg(options.count));
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

    options.logPath = parser.value(logOpt);
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

// One radio of the simulator: its memory and faults, its pseudo-terminal, its files, and the
// reply bytes on their way out, each with the time its last bit leaves the wire.
struct SimRadio {
    CRadioSim sim;
    PseudoTerminal pty;
    QString dumpPath;
    std::FILE *log = nullptr;
    std::deque<std::pair<std::int64_t, std::uint8_t>> out;
    std::int64_t inDone = 0;  // when the last received byte has fully arrived
    std::int64_t outDone = 0;  // when the last scheduled reply byte leaves
    bool blocked = false;  // the terminal side holds as much unread data as it takes

    ~SimRadio()
    {
        if (log)
            std::fclose(log);
        if (pty.keep >= 0)
            close(pty.keep);
        if (pty.master >= 0)
            close(pty.master);
    }
};

// Sends the reply bytes that are due; notes whether the terminal side is full.
void SendDue(SimRadio &radio, std::int64_t now)
{
    std::uint8_t buffer[512];
    std::size_t due = 0;
    while (due < radio.out.size() && radio.out[due].first <= now && due < sizeof buffer) {
        buffer[due] = radio.out[due].second;
        ++due;
    }
    radio.blocked = false;
    if (due > 0) {
        const ssize_t n = write(radio.pty.master, buffer, due);
        if (n > 0)
            radio.out.erase(radio.out.begin(), radio.out.begin() + n);
        radio.blocked = n < 0 && errno == EAGAIN;
    }
}

// Takes what the PC sent and schedules the replies, paced to the wire when throttled.
void TakeRequests(SimRadio &radio, const SimOptions &options)
{
    std::uint8_t buffer[512];
    const ssize_t n = read(radio.pty.master, buffer, sizeof buffer);
    if (n <= 0)
        return;
    const std::int64_t now = NowNs();
    for (ssize_t i = 0; i < n; ++i) {
        radio.inDone = options.throttle ? std::max(now, radio.inDone) + kByteNs : now;
        for (const QByteArray &reply : radio.sim.Receive(buffer + i, 1)) {
            std::int64_t t = std::max(radio.inDone + options.delayNs, radio.outDone);
            for (const char b : reply) {
                if (options.throttle)
                    t += kByteNs;
                radio.out.emplace_back(t, std::uint8_t(b));
            }
            radio.outDone = t;
        }
    }
}

// Answers the protocol on every radio's pseudo-terminal until a stop signal comes or the
// parent is gone. Each radio keeps its own timeline, so throttled radios run side by side.
void Run(std::vector<std::unique_ptr<SimRadio>> &radios, const SimOptions &options, const sigset_t &waitMask,
         pid_t parent)
{
    std::vector<pollfd> fds(radios.size());
    // A parent that ended before the request for its signal took hold is seen at once here.
    while (!g_stop && getppid() == parent) {
        std::int64_t left = kParentCheckNs;
        for (std::size_t i = 0; i < radios.size(); ++i) {
            SimRadio &radio = *radios[i];
            SendDue(radio, NowNs());
            fds[i] = pollfd{radio.pty.master, short(POLLIN | (radio.blocked ? POLLOUT : 0)), 0};
            if (!radio.out.empty() && !radio.blocked)
                left = std::min(left, std::clamp<std::int64_t>(radio.out.front().first - NowNs(), 0, kParentCheckNs));
        }
        const timespec wait{time_t(left / 1000000000), long(left % 1000000000)};
        if (ppoll(fds.data(), nfds_t(fds.size()), &wait, &waitMask) <= 0)
            continue;
        bool idle = true;  // nothing but a hang-up: the terminal side is closed
        for (std::size_t i = 0; i < radios.size(); ++i) {
            if (fds[i].revents & POLLIN) {
                TakeRequests(*radios[i], options);
                idle = false;
            } else if (fds[i].revents & POLLOUT) {
                idle = false;
            }
        }
        if (idle)
            usleep(10000);
    }
}

// Sets up radio `index` (1-based) of `count` from the configured radio `model`: its unit PID,
// files and pseudo-terminal. Returns the exit code after saying why when it cannot (0 when
// all is well).
int SetUpRadio(SimRadio &radio, const CRadioSim &model, const SimOptions &options, int index)
{
    radio.sim = model;
    if (options.count > 0) {
        const QString &first = model.memory.limit.pid;
        SetUnitPid(radio.sim.memory,
                   QStringLiteral("%1").arg(first.toULongLong() + index - 1, int(first.size()), 10, QLatin1Char('0')));
    }
    radio.dumpPath = RadioFile(options.dumpPath, index, options.count);
    if (!radio.dumpPath.isEmpty()) {
        CRadioSim &sim = radio.sim;
        const QString dumpPath = radio.dumpPath;
        sim.onCommit = [&sim, dumpPath] {
            if (!DumpProfile(dumpPath, sim))
                QTextStream(stderr) << "zqv-radio-sim: cannot write " << dumpPath << "\n";
        };
    }
    const QString logPath = RadioFile(options.logPath, index, options.count);
    if (!logPath.isEmpty()) {
        std::FILE *log = std::fopen(QFile::encodeName(logPath).constData(), "a");
        if (!log)
            return Fail(QStringLiteral("cannot open the log file"));
        std::setvbuf(log, nullptr, _IOLBF, 0);
        radio.log = log;
        radio.sim.onRequest = [log](const QString &line) { std::fprintf(log, "%s\n", line.toUtf8().constData()); };
    }
    return OpenPseudoTerminal(radio.pty);
}

}  // namespace

int main(int argc, char *argv[])
{
    const pid_t parent = FollowParent();
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("zqv-radio-sim"));

    CRadioSim model;
    SimOptions options;
    if (const int code = Configure(app, model, options))
        return code;
    std::vector<std::unique_ptr<SimRadio>> radios;
    for (int i = 1; i <= std::max(options.count, 1); ++i) {
        radios.push_back(std::make_unique<SimRadio>());
        if (const int code = SetUpRadio(*radios.back(), model, options, i))
            return code;
    }
    sigset_t waitMask;
    CatchStopSignals(waitMask);

    for (const auto &radio : radios) {
        if (options.count > 0)
            std::printf("%s %s\n", radio->pty.path.constData(), radio->sim.memory.limit.pid.toLatin1().constData());
        else
            std::printf("%s\n", radio->pty.path.constData());
    }
    std::fflush(stdout);
    Run(radios, options, waitMask, parent);

    for (const auto &radio : radios) {
        if (!radio->dumpPath.isEmpty())
            DumpProfile(radio->dumpPath, radio->sim);
    }
    return 0;
}
