#include "CableDoctor.h"

#include "FileSave.h"
#include "LinkCodec.h"
#include "PortInventory.h"
#include "Prompter.h"
#include "RadioLink.h"
#include "StringIds.h"
#include "StringTable.h"
#include "TraceStore.h"
#include "TransferRecord.h"
#include "TransferSequencer.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QScopeGuard>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <grp.h>
#include <mutex>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace zqv {
namespace {

// The last report is kept beside the link traces, so the desktop program's support bundle
// also has the result of a `zqvcps-cli doctor` run.
QString LastReportPath()
{
    return QDir(tracestore::Folder()).filePath(QStringLiteral("last-test-connection.txt"));
}

int OpenAsThisUser(const QString &path)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return errno;
    ::close(fd);
    return 0;
}

QString UserName()
{
    if (const passwd *pw = ::getpwuid(::geteuid()))
        return QString::fromLocal8Bit(pw->pw_name);
    return QString::number(::geteuid());
}

// Whether this process runs with group `gid` now.
bool InGroupNow(gid_t gid)
{
    if (::getegid() == gid)
        return true;
    const int n = ::getgroups(0, nullptr);
    if (n <= 0)
        return false;
    std::vector<gid_t> groups(static_cast<size_t>(n));
    const int got = ::getgroups(n, groups.data());
    for (int i = 0; i < got; ++i)
        if (groups[static_cast<size_t>(i)] == gid)
            return true;
    return false;
}

// Whether the user is listed in group `gid` (a membership that a new login would give).
bool ListedInGroup(gid_t gid)
{
    const passwd *pw = ::getpwuid(::geteuid());
    if (pw && pw->pw_gid == gid)
        return true;
    const group *gr = ::getgrgid(gid);
    if (!gr || !pw)
        return false;
    for (char **member = gr->gr_mem; member && *member; ++member)
        if (std::strcmp(*member, pw->pw_name) == 0)
            return true;
    return false;
}

}  // namespace

const DoctorStep *DoctorReport::Failure() const
{
    for (const DoctorStep &s : steps)
        if (!s.passed)
            return &s;
    return nullptr;
}

QString DoctorCheckName(DoctorCheck check)
{
    switch (check) {
    case DoctorCheck::PortExists: return LoadStr(IDS_DOC_CHECK_EXISTS);
    case DoctorCheck::MayOpen: return LoadStr(IDS_DOC_CHECK_ACCESS);
    case DoctorCheck::NotHeld: return LoadStr(IDS_DOC_CHECK_FREE);
    case DoctorCheck::Answers: return LoadStr(IDS_DOC_CHECK_ANSWERS);
    case DoctorCheck::WellFormed: return LoadStr(IDS_DOC_CHECK_WELLFORMED);
    case DoctorCheck::Supported: return LoadStr(IDS_DOC_CHECK_SUPPORTED);
    }
    return QString();
}

QString DoctorReport::Text() const
{
    QStringList lines;
    for (const DoctorStep &s : steps)
        lines << FormatStr(s.passed ? IDS_DOC_LINE_PASS : IDS_DOC_LINE_FAIL, {DoctorCheckName(s.check)});
    lines << QString();
    if (const DoctorStep *failed = Failure())
        lines << failed->detail;
    else
        lines << summary;
    return lines.join(u'\n');
}

QString CCableDoctor::LastReportText()
{
    QFile file(LastReportPath());
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(file.read(64 * 1024));
}

DoctorReport CCableDoctor::Run(const QString &port) const
{
    DoctorReport report;
    report.port = port;
    const QString path = port.contains(u'/') ? port : QStringLiteral("/dev/") + port;
    struct stat st {};
    if (port.isEmpty()) {
        report.steps << DoctorStep{DoctorCheck::PortExists, false, LoadStr(IDS_DOC_NO_PORT_CHOSEN)};
    } else if (::stat(QFile::encodeName(path).constData(), &st) != 0) {
        report.steps << DoctorStep{DoctorCheck::PortExists, false, FormatStr(IDS_DOC_NO_PORT, {path})};
    } else if (!S_ISCHR(st.st_mode)) {
        report.steps << DoctorStep{DoctorCheck::PortExists, false, LoadStr(IDS_PORT_NOT_A_TERMINAL)};
    } else {
        report.steps << DoctorStep{DoctorCheck::PortExists, true, QString()};
        if (CheckAccess(path, report)) {
            const QList<PortHolder> holders = PortHolders(path, m_strProcRoot);
            if (!holders.isEmpty()) {
                report.steps << DoctorStep{DoctorCheck::NotHeld, false,
                                           FormatStr(IDS_DOC_HELD, {path, DescribeHolders(holders)})};
            } else {
                report.steps << DoctorStep{DoctorCheck::NotHeld, true, QString()};
                CheckRadio(path, report);
            }
        }
    }
    // A report that cannot be kept is still shown; only the bundle goes without it.
    QDir().mkpath(tracestore::Folder());
    SaveFileReplacing(LastReportPath(), (QStringLiteral("%1\n%2\n").arg(port, report.Text())).toUtf8());
    return report;
}

bool CCableDoctor::CheckAccess(const QString &path, DoctorReport &report) const
{
    const int error = m_openProbe ? m_openProbe(path) : OpenAsThisUser(path);
    if (error != EACCES && error != EPERM) {
        report.steps << DoctorStep{DoctorCheck::MayOpen, true, QString()};
        return true;
    }
    struct stat st {};
    ::stat(QFile::encodeName(path).constData(), &st);
    const group *gr = ::getgrgid(st.st_gid);
    const QString groupName = gr ? QString::fromLocal8Bit(gr->gr_name) : QString::number(st.st_gid);
    QStringList text{FormatStr(IDS_DOC_DENIED, {path, groupName})};
    if (ListedInGroup(st.st_gid)) {
        if (!InGroupNow(st.st_gid))
            text << LoadStr(IDS_DOC_DENIED_NEW_MEMBER);
    } else {
        text << FormatStr(IDS_DOC_DENIED_NOT_MEMBER,
                          {QStringLiteral("sudo usermod -aG %1 %2").arg(groupName, UserName())});
    }
    QString rule;
    for (const QString &candidate : m_udevRules)
        if (QFileInfo::exists(candidate)) {
            rule = candidate;
            break;
        }
    text << (rule.isEmpty() ? LoadStr(IDS_DOC_RULE_MISSING) : FormatStr(IDS_DOC_RULE_INSTALLED, {rule}));
    report.steps << DoctorStep{DoctorCheck::MayOpen, false, text.join(u'\n')};
    return false;
}

bool CCableDoctor::CheckRadio(const QString &path, DoctorReport &report) const
{
    // The doctor's frames are a session of their own among the kept traces.
    tracestore::BeginSession();
    const auto endSession = qScopeGuard([] { tracestore::EndSession(); });
    std::unique_ptr<IBytePort> port = m_portFactory ? m_portFactory(path) : std::make_unique<CSerialPort>(path);
    CRadioLink link(port.get());
    CRadioLink::Reply reply;
    const auto fail = [&](DoctorCheck check, const QString &detail) {
        report.steps << DoctorStep{check, false, detail};
        return false;
    };
    const int code = link.ReadIdentity(reply);
    switch (code) {
    case link::LR_SUCCESS: break;
    case link::LR_PORT_FAILURE:
        // Held under a lock by a program whose descriptors this user cannot see.
        report.steps.last() = DoctorStep{DoctorCheck::NotHeld, false, FormatStr(IDS_DOC_HELD_UNKNOWN, {path})};
        return false;
    case link::LR_NO_REPLY:
    case link::LR_TIMED_OUT:
    case link::LR_CONNECTION_LOST: return fail(DoctorCheck::Answers, FormatStr(IDS_DOC_SILENT, {path}));
    case link::LR_GARBLED_REPLIES:
        report.steps << DoctorStep{DoctorCheck::Answers, true, QString()};
        return fail(DoctorCheck::WellFormed, FormatStr(IDS_DOC_GARBLED, {path}));
    default: return fail(DoctorCheck::Answers, CTransferSequencer::FailureMessage(code));
    }
    report.steps << DoctorStep{DoctorCheck::Answers, true, QString()};
    constexpr int kIdentityBytes = 7;
    if (reply.DataLength() < kIdentityBytes)
        return fail(DoctorCheck::WellFormed, FormatStr(IDS_DOC_GARBLED, {path}));
    report.steps << DoctorStep{DoctorCheck::WellFormed, true, QString()};

    // A firmware the link does not take is named as the radio reports it.
    VirtualCPData radio;
    const bool known = link::DecodeIdentity(reply.Data(), reply.DataLength(), radio);
    if (!known) {
        radio.firmware_phase = QLatin1Char(char(reply.Data()[6]));
        radio.firmware_release = reply.Data()[0];
        radio.firmware_version = reply.Data()[1];
        radio.firmware_revision = reply.Data()[2];
    }
    const QString firmware = CTransferSequencer::FirmwareVersionText(radio);
    const int group = known && m_groupOf ? m_groupOf(firmware) : 0;
    if (group <= 0)
        return fail(DoctorCheck::Supported, FormatStr(IDS_DOC_UNSUPPORTED_FIRMWARE, {firmware}));
    int limitCode = link.Start(reply);
    if (limitCode == link::LR_SUCCESS)
        limitCode = link.ReadLimits(reply);
    if (limitCode != link::LR_SUCCESS)
        return fail(DoctorCheck::Supported, CTransferSequencer::FailureMessage(limitCode));
    VirtualCPLimit limit;
    if (!link::DecodeLimit(reply.Data(), reply.DataLength(), limit) ||
        !link::ModelFits(limit.clone_compatibility_version, m_nModelFamily))
        return fail(DoctorCheck::Supported, FormatStr(IDS_DOC_UNSUPPORTED_MODEL, {limit.model}));
    report.steps << DoctorStep{DoctorCheck::Supported, true, QString()};
    report.summary = FormatStr(IDS_DOC_ALL_PASSED, {path, limit.model, firmware, QString::number(group)});
    return true;
}

}  // namespace zqv

namespace zqv {
namespace {
std::mutex g_handlerMutex;
std::function<void(const QString &)> g_handler;
bool g_asButton = true;
}  // namespace

void SetTroubleshooterHandler(std::function<void(const QString &port)> handler, bool asButton)
{
    std::lock_guard<std::mutex> lock(g_handlerMutex);
    g_handler = std::move(handler);
    g_asButton = asButton;
}

void TakeUpTroubleshooter(const QString &port)
{
    std::function<void(const QString &)> handler;
    {
        std::lock_guard<std::mutex> lock(g_handlerMutex);
        handler = g_handler;
    }
    if (handler)
        handler(port);
}

void ShowTransferFailure(IPrompter &prompter, const QString &text, int code, const QString &port, unsigned style)
{
    std::function<void(const QString &)> handler;
    bool asButton = true;
    {
        std::lock_guard<std::mutex> lock(g_handlerMutex);
        handler = g_handler;
        asButton = g_asButton;
    }
    if (!handler || code == link::LR_USER_CANCELED) {
        prompter.Show(text, style);
    } else if (!asButton) {
        prompter.Show(text, style);
        handler(port);
    } else if (prompter.Show(text, style | MB_OFFER_TROUBLESHOOTER) == IDTROUBLESHOOT) {
        handler(port);
    }
}

}  // namespace zqv
