// The radio commands of zqvcps-cli: ports, identify, read, write, restore, diff, backups, reset,
// read-pid, capture-pid.
//
// Identify, read, write and reset run the desktop program's Read/Write/Reset sequence
// (CTransferSequencer) with a host of the command line, so both programs take the same steps
// and ask the same questions in the same order. Each transfer runs on a worker thread like the
// desktop program's; this thread prints its progress and failure on stderr and asks the
// questions through the prompter (Yes with --yes, asked on a terminal, No otherwise). Ctrl+C
// cancels a running transfer the way the Cancel button does. Radios that carry a codeplug
// password need it as --password for read and write; without it (or with a wrong one) nothing
// is read or written.
//
// A write backs the radio up first (a profile in the backup folder), prints what it will change
// and asks, and reads the radio back afterwards to verify it (--no-backup, --no-verify and the
// desktop program's Preference switches turn these off). After a write that stopped once data
// had gone out, it offers to write the backup back.
#include "CliSupport.h"

#include "BackupStore.h"
#include "CableDoctor.h"
#include "ConfigStore.h"
#include "LinkCodec.h"
#include "PortEnumerator.h"
#include "ProfileDiff.h"
#include "RadioTransfer.h"
#include "SettingDocs.h"
#include "SettingsMerge.h"
#include "StringIds.h"
#include "StringTable.h"
#include "TransferSequencer.h"
#include "ZQVCPSException.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <atomic>
#include <condition_variable>
#include <csignal>
#include <deque>
#include <mutex>
#include <optional>

namespace zqv::cli {

namespace {

const QStringList kVerboseFlags{QStringLiteral("-v"), QStringLiteral("--verbose")};
const QString kPort = QStringLiteral("--port");
const QString kPassword = QStringLiteral("--password");
const QString kYes = QStringLiteral("--yes");
const QString kNoBackup = QStringLiteral("--no-backup");
const QString kNoVerify = QStringLiteral("--no-verify");
const QString kJson = QStringLiteral("--json");

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
    // Whether Run shows a failure itself (the default); without, the caller shows it.
    void SetShowFailures(bool show) { m_bShowFailures = show; }
    // What the last Run reported: kNoticeSuccess, kNoticeFailure with its code, or 0 when the
    // operation reported neither.
    std::pair<int, int> Outcome() const { return m_outcome; }

    int Run(const std::function<int(CRadioTransfer &)> &operation)
    {
        m_outcome = {0, 0};
        CRadioTransfer transfer(m_strPort, this);
        int result = 0;
        g_pCancel = &CTransferContext::Instance().CancelFlag();
        struct sigaction sa {
        }, old{};
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
            case 's': m_outcome = {kNoticeSuccess, 0}; break;
            case 'f':
                m_outcome = {kNoticeFailure, e.value};
                if (m_bShowFailures)
                    ShowTransferFailure(m_ctx.Prompter(), TransferFailureText(e.value), e.value, m_strPort,
                                        MB_ICONERROR);
                break;
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
            yes = m_ctx.Prompter().Show(
                      LoadStr(question == -1 ? IDS_WARN_RADIO_NOT_IN_PROFILE : IDS_WARN_PROFILE_NOT_SUPPORTED),
                      MB_YESNO | MB_ICONQUESTION) == IDYES;
        else
            yes = m_ctx.Prompter().Show(LoadStr(IDS_UNKNOWN_WARNING), MB_OK) == IDOK;
        CTransferContext::Instance().Answer(yes);
    }

    CCliContext &m_ctx;
    QString m_strPort;
    int m_nProgressTextId = 0;
    bool m_bNotSupportedAccepted = false;
    bool m_bShowFailures = true;
    std::pair<int, int> m_outcome{0, 0};
    std::mutex m_mutex;
    std::condition_variable m_cv;
    std::deque<Event> m_events;
};

QString CodeplugVersion(const VirtualCPData &r)
{
    return QString::asprintf("CP%02X.%02X.%02X", r.codeplug_structure, r.codeplug_version, r.codeplug_dev_version);
}

// The setting group of a firmware version by the installation's upgrade document; -1 (message
// shown) when the document cannot be read.
int SettingGroup(CCliContext &ctx, const QString &version)
{
    try {
        const std::shared_ptr<CXmlDocument> upgrade =
            LoadSettingDoc(ctx.InstallDir(), QLatin1String(kUpgradeDocName), ctx.Prompter());
        return upgrade ? GetGroupByVersion(*upgrade, version) : -1;
    } catch (const CZQVCPSException &e) {
        ctx.Report(e.GetMessageId(), e.GetTrace());
        return -1;
    }
}

// The Read/Write/Reset sequence's host on the command line. A short operation runs at once on
// a worker thread and leaves its outcome as the notice the sequence takes next; the read or
// write prints its progress instead of showing a dialog; the password prompt is answered from
// --password; the questions go through the terminal prompter.
class CCliSequenceHost : public ITransferHost {
public:
    CCliSequenceHost(CCliContext &ctx, const CArgs &args) : m_ctx(ctx), m_args(args), m_transfer(ctx, args.Value(kPort))
    {
        // The sequence shows a short operation's failure itself, with this host's text.
        m_transfer.SetShowFailures(false);
    }

    // The profile a write sends (none for the other commands).
    void SetProfile(CZQVCPSDoc *doc) { m_pDoc = doc; }
    // The safe-write steps: the user's settings, then --no-backup and --no-verify.
    void SetSafeWrite(const CConfigStore::SafeWrite &values) { m_safeWrite = values; }
    // A read keeps the radio's record for the caller instead of saving it as a profile.
    void SetKeepReadRecord(bool keep) { m_bKeepReadRecord = keep; }
    // Where a read saves the new profile.
    void SetOutput(const QString &path) { m_strOutput = path; }
    // The profile written is a backup (restore).
    void SetWritingBackup(bool backup) { m_bWritingBackup = backup; }

    // Runs one command of the sequence to its end: each operation's notice moves it on.
    void Run(CTransferSequencer &sequencer, void (CTransferSequencer::*command)())
    {
        (sequencer.*command)();
        while (m_notice) {
            const auto [kind, code] = *m_notice;
            m_notice.reset();
            sequencer.OnNotice(kind, code);
        }
    }
    // The read saved its profile, or the write has gone through.
    bool TransferDone() const { return m_bTransferDone; }
    // The last short operation (identity, reset ...) succeeded.
    bool LastOperationSucceeded() const { return m_transfer.Outcome().first == kNoticeSuccess; }

    QString CablePort() const override { return m_args.Value(kPort); }
    bool CommitPendingEdits() override { return true; }
    VirtualCPData &TransferRecord() override { return m_record; }
    void RecreateLink() override { m_record = VirtualCPData(); }
    // No window to settle before the radio is asked: the identity follows at once.
    void StartDelay() override { m_notice = {kNoticeSuccess, 0}; }
    void StartReset() override
    {
        RunShort([](CRadioTransfer &t) { return t.ResetRadio(); });
    }
    // The radio's own private ID decides whose private scroll list the record carries.
    void StartReadUnitPid() override
    {
        RunShort([this](CRadioTransfer &t) { return t.ReadUnitPid(m_strUnitPid); });
    }
    void StartReadIdentity() override
    {
        RunShort([this](CRadioTransfer &t) { return t.ReadIdentity(m_record); });
    }
    void StartReadPassword() override
    {
        RunShort([this](CRadioTransfer &t) { return t.ReadRadioPassword(m_record); });
    }
    int GroupByVersion(const QString &firmwareVersion) override { return SettingGroup(m_ctx, firmwareVersion); }

    // Nobody to ask: the password given must be the radio's.
    bool AskPassword(const QString &expected, QString &entered) override
    {
        const bool given = m_args.Has(kPassword);
        if (given && m_args.Value(kPassword) == expected) {
            entered = expected;
            return true;
        }
        m_ctx.Prompter().ShowMessage(given ? IDS_PASSWORD_INCORRECT : IDS_CLI_PASSWORD_REQUIRED, MB_ICONERROR);
        return false;
    }

    bool RunTransferDialog(bool write, bool olderRadioAccepted) override
    {
        m_transfer.SetShowFailures(true);
        m_transfer.SetNotSupportedAccepted(olderRadioAccepted);
        m_transfer.SetProgressText(write                ? IDS_WRITING_TO_RADIO
                                       : m_nReadPurpose ? m_nReadPurpose
                                                        : IDS_READING_FROM_RADIO);
        bool ok = false;
        if (write) {
            ok = m_transfer.Run([&](CRadioTransfer &t) {
                const int result = t.WriteRadio(m_record);
                m_bWriteResetRadio = t.LastWriteResetRadio();
                m_bWriteSentData = t.LastWriteSentData();
                return result;
            }) == link::LR_SUCCESS;
            // Success is said once the check read has found the radio as written.
            if (ok && !m_bCheckFollows)
                m_ctx.Err() << LoadStr(IDS_WRITING_SUCCESS) << '\n';
            m_bTransferDone = ok;
        } else {
            ReadNotes notes;
            ok = m_transfer.Run([&](CRadioTransfer &t) {
                const int result = t.ReadRadio(m_record);
                notes = t.LastReadNotes();
                return result;
            }) == link::LR_SUCCESS;
            if (ok)
                for (const QString &note : ReadNoteTexts(notes))
                    m_ctx.Err() << note << '\n';
        }
        m_transfer.SetShowFailures(false);
        return ok;
    }

    // A read always makes a new profile, saved like File Save As: there is no open profile to
    // overwrite, so the question about one does not arise.
    bool HasActiveProfile() const override { return false; }
    QString ActiveProfilePath() const override
    {
        return m_pDoc ? QFileInfo(m_pDoc->GetPathName()).absoluteFilePath() : QString();
    }
    void NewProfileFromRecord() override
    {
        if (m_bKeepReadRecord) {
            m_bTransferDone = true;
            return;
        }
        if (!SaveRecordAsProfile(m_record, m_strOutput))
            return;
        m_ctx.Err() << LoadStr(IDS_READING_SUCCESSFUL) << '\n';
        m_bTransferDone = true;
    }
    void OverwriteActiveProfile() override {}  // never asked for: HasActiveProfile is false

    // What the write changes in the profile is not asked about here: `check` lists it.
    bool ActiveProfileToRecord() override
    {
        try {
            return m_pDoc && m_pDoc->GetVirtualCPData(m_record, m_strUnitPid);
        } catch (const CZQVCPSException &e) {
            m_ctx.Report(e.GetMessageId(), e.GetTrace());
            return false;
        }
    }
    int ActiveProfileGroup() const override { return m_pDoc ? m_pDoc->Model().GetSettingGroup() : 0; }
    bool ActiveProfileUsesPcClock() const override { return m_pDoc && m_pDoc->PcClockFlag(); }

    QString FailureText(int code) const override { return TransferFailureText(code); }
    // The log of a script says why nothing was written.
    void QuestionDeclined() override
    {
        m_ctx.Prompter().Show(TransferFailureText(link::LR_USER_CANCELED), MB_OK | MB_ICONERROR);
    }

    bool BackupBeforeWrite() const override { return m_safeWrite.backup; }
    bool VerifyAfterWrite() const override { return m_safeWrite.verify; }
    int BackupKeepCount() const override { return m_safeWrite.keep; }
    QString BackupFolder() const override { return CConfigStore::BackupFolder(); }
    bool SaveRecordAsProfile(const VirtualCPData &record, const QString &path) override
    {
        CCliDocumentHost host(m_ctx);
        host.SetRadioRecord(record);
        CZQVCPSDoc doc(m_ctx.Environment(), host, m_ctx.Prompter());
        if (doc.OnNewDocument() && doc.DoSave(path, true))
            return true;
        m_ctx.Trace(doc.GetLastErrorTrace());
        return false;
    }
    void SetReadPurpose(int textId) override { m_nReadPurpose = textId; }
    bool LastWriteSentData() const override { return m_bWriteSentData; }
    bool LastWriteResetRadio() const override { return m_bWriteResetRadio; }
    void SetCheckFollows(bool follows) override { m_bCheckFollows = follows; }
    QString RadioUnitPid() const override { return m_strUnitPid; }
    void ShowNotice(const QString &text) override { m_ctx.Err() << text << '\n'; }
    bool WritingBackup() const override { return m_bWritingBackup; }

private:
    void RunShort(const std::function<int(CRadioTransfer &)> &operation)
    {
        m_transfer.SetProgressText(0);
        m_transfer.Run(operation);
        // An operation that reported nothing ends the sequence as a plain notice does.
        const auto [kind, code] = m_transfer.Outcome();
        m_notice = std::make_pair(kind ? kind : int(kNoticeProgress), code);
    }

    CCliContext &m_ctx;
    const CArgs &m_args;
    CCliTransfer m_transfer;
    CZQVCPSDoc *m_pDoc = nullptr;
    QString m_strOutput;
    VirtualCPData m_record;
    QString m_strUnitPid;
    std::optional<std::pair<int, int>> m_notice;
    bool m_bTransferDone = false;
    CConfigStore::SafeWrite m_safeWrite{false, false, CConfigStore::kDefaultBackupKeep};
    bool m_bKeepReadRecord = false;
    bool m_bWriteSentData = false;
    bool m_bWritingBackup = false;
    bool m_bWriteResetRadio = false;
    bool m_bCheckFollows = false;
    int m_nReadPurpose = 0;
};

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
    if (args == QStringList{QStringLiteral("--watch")})
        return RunPortsWatch(ctx);
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
    CCliSequenceHost host(ctx, a);
    CTransferSequencer sequencer(host, ctx.Prompter());
    host.Run(sequencer, &CTransferSequencer::Identify);
    if (!host.LastOperationSucceeded() || sequencer.RadioGroup() < 0)
        return kExitFailure;
    const VirtualCPData &radio = host.TransferRecord();
    const QString colon = LoadStr(IDS_LABEL_COLON) + u' ';
    ctx.Out() << LoadStr(IDS_FIRMWARE_VERSION) << colon << CTransferSequencer::FirmwareVersionText(radio) << '\n'
              << LoadStr(IDS_CODEPLUG_VERSION) << colon << CodeplugVersion(radio) << '\n'
              << LoadStr(IDS_CLI_SETTING_GROUP) << colon << sequencer.RadioGroup() << '\n';
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
    CCliSequenceHost host(ctx, a);
    host.SetOutput(output);
    CTransferSequencer sequencer(host, ctx.Prompter());
    host.Run(sequencer, &CTransferSequencer::Read);
    return host.TransferDone() ? kExitOk : kExitFailure;
}

// write and restore: the profile FILE into the radio, with the backup, the change report and
// the check afterwards unless switched off.
int RunWrite(CCliContext &ctx, const CCommand &self, const QStringList &args)
{
    CArgs a;
    int exit = kExitOk;
    if (!ParseRadioArgs(ctx, self, args, a, {kPassword}, {kYes, kNoBackup, kNoVerify}, 1, exit))
        return exit;
    ctx.Prompter().SetAssumeYes(a.Has(kYes));
    if (!ctx.LoadInstallation())
        return kExitFailure;
    CCliDocumentHost docHost(ctx);
    CZQVCPSDoc doc(ctx.Environment(), docHost, ctx.Prompter());
    if (!OpenProfile(ctx, doc, a.Operands().first()))
        return kExitFailure;
    CConfigStore::SafeWrite safe = CConfigStore().ReadSafeWrite();
    safe.backup = safe.backup && !a.Has(kNoBackup);
    safe.verify = safe.verify && !a.Has(kNoVerify);
    CCliSequenceHost host(ctx, a);
    host.SetProfile(&doc);
    host.SetSafeWrite(safe);
    host.SetWritingBackup(self.name == QLatin1String("restore"));
    CTransferSequencer sequencer(host, ctx.Prompter());
    host.Run(sequencer, &CTransferSequencer::Write);
    const WriteOutcome outcome = sequencer.LastWriteOutcome();
    return outcome == WriteOutcome::Written || outcome == WriteOutcome::Verified ? kExitOk : kExitFailure;
}

// Prints the differences (or that there are none); 0 when equal, 3 when different.
int PrintDifferences(CCliContext &ctx, const std::vector<link::ProfileDifference> &differences, bool json)
{
    if (json)
        ctx.Out() << QString::fromUtf8(link::DifferencesToJson(differences));
    else if (differences.empty())
        ctx.Out() << LoadStr(IDS_DIFF_SAME) << '\n';
    else
        for (const QString &line : link::DescribeDifferences(differences))
            ctx.Out() << line << '\n';
    return differences.empty() ? kExitOk : kExitDifferent;
}

// The record of a profile file as a write would convert it; false (message shown) when it
// does not load or convert.
bool ProfileRecord(CCliContext &ctx, const QString &path, const QString &ownPid, VirtualCPData &record)
{
    CCliDocumentHost docHost(ctx);
    CZQVCPSDoc doc(ctx.Environment(), docHost, ctx.Prompter());
    if (!OpenProfile(ctx, doc, path))
        return false;
    try {
        return doc.GetVirtualCPData(record, ownPid);
    } catch (const CZQVCPSException &e) {
        ctx.Report(e.GetMessageId(), e.GetTrace());
        return false;
    }
}

// diff A B: two profiles. diff --port P FILE: what writing FILE would change in the radio.
int RunDiff(CCliContext &ctx, const CCommand &self, const QStringList &args)
{
    CArgs a;
    if (!a.Parse(args, {kPort, kPassword}, kVerboseFlags + QStringList{kJson}))
        return UsageError(ctx, self, a.Error());
    ctx.SetVerbose(a.Has(QStringLiteral("-v")) || a.Has(QStringLiteral("--verbose")));
    const bool radio = a.Has(kPort);
    if (a.Operands().size() != (radio ? 1 : 2))
        return UsageError(
            ctx, self, radio ? QStringLiteral("diff --port P needs one FILE") : QStringLiteral("diff needs two FILEs"));
    if (!ctx.LoadInstallation())
        return kExitFailure;
    VirtualCPData before, after;
    if (!radio) {
        if (!ProfileRecord(ctx, a.Operands().at(0), QString(), before) ||
            !ProfileRecord(ctx, a.Operands().at(1), QString(), after))
            return kExitFailure;
        // Two profiles may come from two radios: which radio and firmware each is from comes first.
        std::vector<link::ProfileDifference> differences = link::CompareIdentities(before, after);
        for (link::ProfileDifference &d : link::CompareRecords(before, after))
            differences.push_back(std::move(d));
        return PrintDifferences(ctx, differences, a.Has(kJson));
    }
    CCliSequenceHost host(ctx, a);
    host.SetKeepReadRecord(true);
    CTransferSequencer sequencer(host, ctx.Prompter());
    host.Run(sequencer, &CTransferSequencer::Read);
    if (!host.TransferDone())
        return kExitFailure;
    before = host.TransferRecord();
    if (!ProfileRecord(ctx, a.Operands().at(0), before.limit.pid, after))
        return kExitFailure;
    return PrintDifferences(ctx, link::CompareRecords(before, link::ExpectedAfterWrite(after, before.limit)),
                            a.Has(kJson));
}

// backups [--pid N]: the backups taken before writes, newest first.
int RunBackups(CCliContext &ctx, const CCommand &self, const QStringList &args)
{
    CArgs a;
    if (!a.Parse(args, {QStringLiteral("--pid")}, {}) || !a.Operands().isEmpty())
        return UsageError(ctx, self, a.Error().isEmpty() ? QStringLiteral("backups takes no FILE") : a.Error());
    // A radio's ID is up to 11 digits; "unknown" is the folder of a radio that sent none.
    const QString pid = a.Value(QStringLiteral("--pid"));
    static const QRegularExpression kPidPattern(QStringLiteral("^\\d{1,11}$"));
    if (a.Has(QStringLiteral("--pid")) && !kPidPattern.match(pid).hasMatch() &&
        pid != link::BackupFolderName(QString()))
        return UsageError(ctx, self, QStringLiteral("--pid takes a radio's ID (digits): %1").arg(pid));
    const auto backups = link::ListBackups(CConfigStore::BackupFolder(), pid);
    if (backups.empty())
        ctx.Err() << LoadStr(IDS_BACKUPS_NONE) << '\n';
    for (const link::BackupEntry &b : backups)
        ctx.Out() << b.pid << '\t' << b.taken.toString(QStringLiteral("yyyy-MM-dd")) << '\t'
                  << b.taken.toString(QStringLiteral("HH:mm:ss")) << '\t' << b.name << '\t' << b.path << '\n';
    return kExitOk;
}

int RunReset(CCliContext &ctx, const CCommand &self, const QStringList &args)
{
    CArgs a;
    int exit = kExitOk;
    if (!ParseRadioArgs(ctx, self, args, a, {}, {}, 0, exit))
        return exit;
    CCliSequenceHost host(ctx, a);
    CTransferSequencer sequencer(host, ctx.Prompter());
    host.Run(sequencer, &CTransferSequencer::Reset);
    if (!host.LastOperationSucceeded())
        return kExitFailure;
    ctx.Err() << LoadStr(IDS_RESET_DONE) << '\n';
    return kExitOk;
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

}  // namespace

void RegisterLinkCommands(CommandTable &table)
{
    AddCommand(table, "ports", "ports [--watch]",
               "list the serial ports; mark the cable and the configured port; --watch finds the cable", RunPorts);
    AddCommand(table, "identify", "identify --port P", "show the radio's firmware, codeplug version and setting group",
               RunIdentify);
    AddCommand(table, "read", "read --port P [--password N] -o FILE", "read the radio into a new profile", RunRead);
    AddCommand(table, "write", "write --port P [--password N] [--yes] [--no-backup] [--no-verify] FILE",
               "back up the radio, show what changes, write the profile, verify", RunWrite);
    AddCommand(table, "restore", "restore --port P [--password N] [--yes] [--no-backup] [--no-verify] FILE",
               "write a backup (see backups) back into the radio, as safely as write", RunWrite);
    AddCommand(table, "diff", "diff [--json] A.zqv B.zqv | diff --port P [--password N] [--json] FILE",
               "what differs between two profiles, or what writing FILE changes in the radio (exit 3)", RunDiff);
    AddCommand(table, "backups", "backups [--pid N]", "list the backups taken before writes, newest first", RunBackups);
    AddCommand(table, "reset", "reset --port P", "reset the radio", RunReset);
    AddCommand(table, "read-pid", "read-pid --port P", "show the radio's own private ID", RunReadPid);
    AddCommand(table, "capture-pid", "capture-pid --port P", "capture another radio's private ID over the air",
               RunCapturePid);
}

}  // namespace zqv::cli
