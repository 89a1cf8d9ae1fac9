// The radio commands of zqvcps-cli: ports, identify, read, write, reset, read-pid, capture-pid.
//
// Each transfer runs on a worker thread like the desktop program's; this thread prints its
// progress and failure on stderr and asks a write's questions through the prompter (Yes with
// --yes, asked on a terminal, No otherwise). Ctrl+C cancels a running transfer the way the
// Cancel button does. Radios of setting group 3 and above may carry a codeplug password: read
// and write then need it as --password, and without it (or with a wrong one) nothing is read
// or written.
#include "CliSupport.h"

#include "ConfigStore.h"
#include "LinkCodec.h"
#include "PortEnumerator.h"
#include "RadioTransfer.h"
#include "SettingDocs.h"
#include "SettingsMerge.h"
#include "StringIds.h"
#include "StringTable.h"
#include "ZQVCPSException.h"

#include <QDir>
#include <QFileInfo>
#include <atomic>
#include <condition_variable>
#include <csignal>
#include <deque>
#include <mutex>

namespace zqv::cli {

namespace {

const QStringList kVerboseFlags{QStringLiteral("-v"), QStringLiteral("--verbose")};
const QString kPort = QStringLiteral("--port");
const QString kPassword = QStringLiteral("--password");

std::atomic<int> *g_pCancel = nullptr;

void OnInterrupt(int)
{
    if (g_pCancel)
        g_pCancel->store(1);
}

// Runs transfer operations on a worker thread and reports what they post.
class CCliTransfer : public ITransferObserver {
public:
    CCliTransfer(CCliContext &ctx, const QString &port) : m_ctx(ctx), m_strPort(port) {}

    // Progress lines start with this text ("Reading from the radio ..."); none without it.
    void SetProgressText(int id) { m_nProgressTextId = id; }
    // The user has already agreed that the radio may not take everything: the question about
    // it is answered yes without asking.
    void SetNotSupportedAccepted(bool accepted) { m_bNotSupportedAccepted = accepted; }

    int Run(const std::function<int(CRadioTransfer &)> &operation)
    {
        CRadioTransfer transfer(m_strPort, this);
        int result = 0;
        g_pCancel = &CTransferContext::Instance().CancelFlag();
        struct sigaction sa {}, old {};
        sa.sa_handler = OnInterrupt;
        sigemptyset(&sa.sa_mask);
        sigaction(SIGINT, &sa, &old);
        std::thread worker = StartTransferThread([&] {
            result = operation(transfer);
            Push({'d', 0});
        });
        for (bool done = false; !done;) {
            const Event e = Pop();
            switch (e.kind) {
            case 'p':
                if (m_nProgressTextId)
                    m_ctx.Err() << LoadStr(m_nProgressTextId) << ' ' << e.value << "%\n";
                m_ctx.Err().flush();
                break;
            case 'f': m_ctx.Prompter().Show(TransferFailureText(e.value), MB_OK | MB_ICONERROR); break;
            case 'q': Answer(e.value); break;
            case 'd': done = true; break;
            default: break;
            }
        }
        worker.join();
        sigaction(SIGINT, &old, nullptr);
        g_pCancel = nullptr;
        return result;
    }

    void OnProgress(int percent) override { Push({'p', percent}); }
    void OnSuccess() override { Push({'s', 0}); }
    void OnFailure(int code) override { Push({'f', code}); }
    void OnQuestion(int question) override { Push({'q', question}); }

private:
    struct Event {
        char kind;
        int value;
    };

    void Push(Event e)
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_events.push_back(e);
        m_cv.notify_one();
    }
    Event Pop()
    {
        std::unique_lock<std::mutex> lock(m_mutex);
        m_cv.wait(lock, [this] { return !m_events.empty(); });
        const Event e = m_events.front();
        m_events.pop_front();
        return e;
    }
    void Answer(int question)
    {
        bool yes = true;
        if (question == -2 && m_bNotSupportedAccepted)
            yes = true;
        else if (question == -1 || question == -2)
            yes = m_ctx.Prompter().Show(LoadStr(question == -1 ? IDS_WARN_RADIO_NOT_IN_PROFILE
                                                                : IDS_WARN_PROFILE_NOT_SUPPORTED),
                                        MB_YESNO | MB_ICONQUESTION) == IDYES;
        else
            yes = m_ctx.Prompter().Show(LoadStr(IDS_UNKNOWN_WARNING), MB_OK) == IDOK;
        CTransferContext::Instance().Answer(yes);
    }

    CCliContext &m_ctx;
    QString m_strPort;
    int m_nProgressTextId = 0;
    bool m_bNotSupportedAccepted = false;
    std::mutex m_mutex;
    std::condition_variable m_cv;
    std::deque<Event> m_events;
};

QString FirmwareVersion(const VirtualCPData &r)
{
    return QString(r.firmware_phase) +
           QString::asprintf("%02X.%02d.%02d", r.firmware_release, r.firmware_version, r.firmware_revision);
}

QString CodeplugVersion(const VirtualCPData &r)
{
    return QString::asprintf("CP%02X.%02X.%02X", r.codeplug_structure, r.codeplug_version, r.codeplug_dev_version);
}

// The setting group of a firmware version by the installation's upgrade document; -1 (message
// shown) when the document cannot be read.
int SettingGroup(CCliContext &ctx, const QString &version)
{
    try {
        const std::shared_ptr<CXmlDocument> upgrade = LoadSettingDoc(ctx.InstallDir(), QLatin1String(kUpgradeDocName), ctx.Prompter());
        return upgrade ? GetGroupByVersion(*upgrade, version) : -1;
    } catch (const CZQVCPSException &e) {
        ctx.Report(e.GetMessageId(), e.GetTrace());
        return -1;
    }
}

// Identifies the radio and, from setting group 3 on, checks its codeplug password against
// `given`. False (message shown) when the radio does not answer or the password is missing or
// wrong. `group` receives the radio's setting group.
bool IdentifyAndCheckPassword(CCliContext &ctx, CCliTransfer &transfer, const CArgs &args, int &group)
{
    VirtualCPData radio;
    if (transfer.Run([&](CRadioTransfer &t) { return t.ReadIdentity(radio); }) != link::LR_SUCCESS)
        return false;
    group = SettingGroup(ctx, FirmwareVersion(radio));
    if (group < 0)
        return false;
    if (group == 0) {  // no setting group says which fields this radio has
        ctx.Prompter().Show(FormatStr(IDS_SETTING_GROUP_UNKNOWN, {FirmwareVersion(radio)}), MB_OK | MB_ICONERROR);
        return false;
    }
    if (group < 3)
        return true;
    if (transfer.Run([&](CRadioTransfer &t) { return t.ReadRadioPassword(radio); }) != link::LR_SUCCESS)
        return false;
    const QString expected = radio.setting.password;
    if (expected.isEmpty() || expected == args.Value(kPassword))
        return true;
    ctx.Prompter().ShowMessage(args.Has(kPassword) ? IDS_PASSWORD_INCORRECT : IDS_CLI_PASSWORD_REQUIRED, MB_ICONERROR);
    return false;
}

// Parses the options every radio command shares; false (usage shown) when --port is missing.
bool ParseRadioArgs(CCliContext &ctx, const CCommand &self, const QStringList &args, CArgs &a,
                    const QStringList &valued, const QStringList &flags, int operands, int &exit)
{
    if (!a.Parse(args, QStringList{kPort} + valued, kVerboseFlags + flags)) {
        exit = UsageError(ctx, self, a.Error());
        return false;
    }
    ctx.SetVerbose(a.Has(QStringLiteral("-v")) || a.Has(QStringLiteral("--verbose")));
    if (a.Value(kPort).isEmpty()) {
        exit = UsageError(ctx, self, QStringLiteral("%1 needs --port PORT").arg(self.name));
        return false;
    }
    if (a.Operands().size() != operands) {
        exit = UsageError(ctx, self, QStringLiteral("unexpected arguments: %1").arg(a.Operands().join(u' ')));
        return false;
    }
    return true;
}

int RunPorts(CCliContext &ctx, const CCommand &self, const QStringList &args)
{
    if (!args.isEmpty())
        return UsageError(ctx, self, QStringLiteral("ports takes no arguments"));
    CQtPortEnumerator ports;
    const QList<SerialPortEntry> list = ports.Ports();
    if (list.isEmpty()) {
        ctx.Prompter().ShowMessage(IDS_NO_COM_PORT, MB_ICONERROR);
        return kExitFailure;
    }
    const CConfigStore config;
    const QString cable = DetectCable(ports);
    const QString chosen = FindPort(ports, ReadPortPreference(config), false, 0);
    for (const SerialPortEntry &p : list) {
        ctx.Out() << p.systemLocation << '\t' << p.description;
        if (p.portName == cable)
            ctx.Out() << "\t[cable]";
        if (p.portName == chosen)
            ctx.Out() << "\t[selected]";
        ctx.Out() << '\n';
    }
    return kExitOk;
}

int RunIdentify(CCliContext &ctx, const CCommand &self, const QStringList &args)
{
    CArgs a;
    int exit = kExitOk;
    if (!ParseRadioArgs(ctx, self, args, a, {}, {}, 0, exit))
        return exit;
    CCliTransfer transfer(ctx, a.Value(kPort));
    VirtualCPData radio;
    if (transfer.Run([&](CRadioTransfer &t) { return t.ReadIdentity(radio); }) != link::LR_SUCCESS)
        return kExitFailure;
    const int group = SettingGroup(ctx, FirmwareVersion(radio));
    if (group < 0)
        return kExitFailure;
    const QString colon = LoadStr(IDS_LABEL_COLON) + u' ';
    ctx.Out() << LoadStr(IDS_FIRMWARE_VERSION) << colon << FirmwareVersion(radio) << '\n'
              << LoadStr(IDS_CODEPLUG_VERSION) << colon << CodeplugVersion(radio) << '\n'
              << LoadStr(IDS_CLI_SETTING_GROUP) << colon << group << '\n';
    return kExitOk;
}

int RunRead(CCliContext &ctx, const CCommand &self, const QStringList &args)
{
    CArgs a;
    int exit = kExitOk;
    if (!ParseRadioArgs(ctx, self, args, a, {kPassword, QStringLiteral("-o")}, {}, 0, exit))
        return exit;
    const QString output = a.Value(QStringLiteral("-o"));
    if (output.isEmpty())
        return UsageError(ctx, self, QStringLiteral("read needs -o FILE"));
    // A read takes long: an output that cannot be written is refused before the radio is asked.
    if (QString reason; !CZQVCPSDoc::CanSaveTo(output, &reason)) {
        ctx.Err() << FormatStr(IDS_SAVE_IO_ERROR, {QDir::toNativeSeparators(output), reason}) << '\n';
        return kExitFailure;
    }
    if (!ctx.LoadInstallation())
        return kExitFailure;
    CCliTransfer transfer(ctx, a.Value(kPort));
    int group = 0;
    if (!IdentifyAndCheckPassword(ctx, transfer, a, group))
        return kExitFailure;

    VirtualCPData record;
    ReadNotes notes;
    transfer.SetProgressText(IDS_READING_FROM_RADIO);
    if (transfer.Run([&](CRadioTransfer &t) {
            const int result = t.ReadRadio(record);
            notes = t.LastReadNotes();
            return result;
        }) != link::LR_SUCCESS)
        return kExitFailure;
    for (const QString &note : ReadNoteTexts(notes))
        ctx.Err() << note << '\n';

    // A new profile from the record, saved like File Save As.
    CCliDocumentHost host(ctx);
    host.SetRadioRecord(record);
    CZQVCPSDoc doc(ctx.Environment(), host, ctx.Prompter());
    if (!doc.OnNewDocument() || !doc.DoSave(output, true)) {
        ctx.Trace(doc.GetLastErrorTrace());
        return kExitFailure;
    }
    ctx.Err() << LoadStr(IDS_READING_SUCCESSFUL) << '\n';
    return kExitOk;
}

int RunWrite(CCliContext &ctx, const CCommand &self, const QStringList &args)
{
    CArgs a;
    int exit = kExitOk;
    if (!ParseRadioArgs(ctx, self, args, a, {kPassword}, {QStringLiteral("--yes")}, 1, exit))
        return exit;
    ctx.Prompter().SetAssumeYes(a.Has(QStringLiteral("--yes")));
    if (!ctx.LoadInstallation())
        return kExitFailure;
    CCliDocumentHost host(ctx);
    CZQVCPSDoc doc(ctx.Environment(), host, ctx.Prompter());
    const QString path = a.Operands().first();
    if (!QFileInfo(path).isFile()) {
        ctx.Err() << "zqvcps-cli: " << path << ": no such file\n";
        ctx.Prompter().ShowMessage(IDS_LOAD_PROFILE_FAILED);
        return kExitFailure;
    }
    if (!doc.OnOpenDocument(path)) {
        ctx.Trace(doc.GetLastErrorTrace());
        return kExitFailure;
    }

    // The radio's own private ID decides whose private scroll list the record carries.
    CCliTransfer transfer(ctx, a.Value(kPort));
    QString unitPid;
    if (transfer.Run([&](CRadioTransfer &t) { return t.ReadUnitPid(unitPid); }) != link::LR_SUCCESS)
        return kExitFailure;
    int group = 0;
    if (!IdentifyAndCheckPassword(ctx, transfer, a, group))
        return kExitFailure;

    VirtualCPData record;
    try {
        doc.GetVirtualCPData(record, unitPid);
    } catch (const CZQVCPSException &e) {
        ctx.Report(e.GetMessageId(), e.GetTrace());
        return kExitFailure;
    }
    // A radio of an older setting group than the profile's: ask once, before anything moves.
    bool olderAccepted = false;
    if (group < doc.Model().GetSettingGroup()) {
        if (ctx.Prompter().Show(LoadStr(IDS_WARN_PROFILE_NOT_SUPPORTED), MB_YESNO | MB_ICONQUESTION) != IDYES) {
            ctx.Prompter().Show(TransferFailureText(link::LR_USER_CANCELED), MB_OK | MB_ICONERROR);
            return kExitFailure;
        }
        olderAccepted = true;
    }

    transfer.SetNotSupportedAccepted(olderAccepted);
    transfer.SetProgressText(IDS_WRITING_TO_RADIO);
    bool radioReset = false;
    if (transfer.Run([&](CRadioTransfer &t) {
            const int result = t.WriteRadio(record);
            radioReset = t.LastWriteResetRadio();
            return result;
        }) != link::LR_SUCCESS) {
        if (radioReset)
            ctx.Prompter().ShowMessage(IDS_WRITE_RADIO_WAS_RESET, MB_ICONWARNING);
        return kExitFailure;
    }
    ctx.Err() << LoadStr(IDS_WRITING_SUCCESS) << '\n';
    return kExitOk;
}

int RunReset(CCliContext &ctx, const CCommand &self, const QStringList &args)
{
    CArgs a;
    int exit = kExitOk;
    if (!ParseRadioArgs(ctx, self, args, a, {}, {}, 0, exit))
        return exit;
    CCliTransfer transfer(ctx, a.Value(kPort));
    return transfer.Run([](CRadioTransfer &t) { return t.ResetRadio(); }) == link::LR_SUCCESS ? kExitOk : kExitFailure;
}

int RunReadPid(CCliContext &ctx, const CCommand &self, const QStringList &args)
{
    CArgs a;
    int exit = kExitOk;
    if (!ParseRadioArgs(ctx, self, args, a, {}, {}, 0, exit))
        return exit;
    CCliTransfer transfer(ctx, a.Value(kPort));
    QString pid;
    if (transfer.Run([&](CRadioTransfer &t) { return t.ReadUnitPid(pid); }) != link::LR_SUCCESS)
        return kExitFailure;
    ctx.Out() << pid << '\n';
    return kExitOk;
}

int RunCapturePid(CCliContext &ctx, const CCommand &self, const QStringList &args)
{
    CArgs a;
    int exit = kExitOk;
    if (!ParseRadioArgs(ctx, self, args, a, {}, {}, 0, exit))
        return exit;
    CCliTransfer transfer(ctx, a.Value(kPort));
    ctx.Err() << LoadStr(IDS_READ_PID_INSTRUCTION) << '\n';
    transfer.SetProgressText(IDS_READ_PID_TITLE);
    QString pid;
    if (transfer.Run([&](CRadioTransfer &t) { return t.CapturePid(pid); }) != link::LR_SUCCESS)
        return kExitFailure;
    ctx.Out() << pid << '\n';
    return kExitOk;
}

void Add(CommandTable &table, const char *name, const char *synopsis, const char *summary,
         int (*run)(CCliContext &, const CCommand &, const QStringList &))
{
    CCommand command;
    command.name = QLatin1String(name);
    command.synopsis = QLatin1String(synopsis);
    command.summary = QLatin1String(summary);
    const CCommand self = command;
    command.run = [run, self](CCliContext &ctx, const QStringList &args) { return run(ctx, self, args); };
    table.push_back(command);
}

}  // namespace

void RegisterLinkCommands(CommandTable &table)
{
    Add(table, "ports", "ports", "list the serial ports; mark the cable and the configured port", RunPorts);
    Add(table, "identify", "identify --port P", "show the radio's firmware, codeplug version and setting group",
        RunIdentify);
    Add(table, "read", "read --port P [--password N] -o FILE", "read the radio into a new profile", RunRead);
    Add(table, "write", "write --port P [--password N] [--yes] FILE", "write a profile into the radio", RunWrite);
    Add(table, "reset", "reset --port P", "reset the radio", RunReset);
    Add(table, "read-pid", "read-pid --port P", "show the radio's own private ID", RunReadPid);
    Add(table, "capture-pid", "capture-pid --port P", "capture another radio's private ID over the air",
        RunCapturePid);
}

}  // namespace zqv::cli
