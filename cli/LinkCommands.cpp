// The radio commands of zqvcps-cli: ports, identify, read, write, restore, diff, backups, reset,
// read-pid, capture-pid.
//
// Identify, read, write and reset run the link's Read/Write/Reset sequence (CTransferSequencer)
// over one transfer session with the command line's host (CliTransfer.h), so both programs
// take the same steps and ask the same questions in the same order. The session's worker
// talks to the radio; this thread prints its progress and failure on stderr and asks the
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
#include "CliTransfer.h"

#include "BackupStore.h"
#include "ConfigStore.h"
#include "LinkCodec.h"
#include "PortEnumerator.h"
#include "ProfileDiff.h"
#include "StringIds.h"
#include "StringTable.h"
#include "TransferSequencer.h"
#include "TransferSession.h"
#include "ZQVCPSException.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

namespace zqv::cli {

namespace {

const QStringList kVerboseFlags{QStringLiteral("-v"), QStringLiteral("--verbose")};
const QString kPort = QStringLiteral("--port");
const QString kPassword = QStringLiteral("--password");
const QString kYes = QStringLiteral("--yes");
const QString kNoBackup = QStringLiteral("--no-backup");
const QString kNoVerify = QStringLiteral("--no-verify");
const QString kJson = QStringLiteral("--json");

QString CodeplugVersion(const VirtualCPData &r)
{
    return QString::asprintf("CP%02X.%02X.%02X", r.codeplug_structure, r.codeplug_version, r.codeplug_dev_version);
}

// The command line's host for a command's arguments.
CCliTransferHost MakeHost(CCliContext &ctx, const CArgs &args)
{
    return CCliTransferHost(ctx, args.Value(kPassword), args.Has(kPassword));
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
    CCliTransferHost host = MakeHost(ctx, a);
    CTransferSequencer sequencer(host, ctx.Prompter());
    CTransferSession session(a.Value(kPort));
    if (!sequencer.Identify(session) || sequencer.RadioGroup() < 0)
        return kExitFailure;
    const VirtualCPData &radio = sequencer.Radio();
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
    CCliTransferHost host = MakeHost(ctx, a);
    host.SetOutput(output);
    CTransferSequencer sequencer(host, ctx.Prompter());
    CTransferSession session(a.Value(kPort));
    sequencer.Read(session);
    return host.ReadRecord() ? kExitOk : kExitFailure;
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
    CCliTransferHost host = MakeHost(ctx, a);
    host.SetProfile(&doc, self.name == QLatin1String("restore"));
    host.SetSafeWrite(safe);
    CTransferSequencer sequencer(host, ctx.Prompter());
    CTransferSession session(a.Value(kPort));
    sequencer.Write(session);
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
    CCliTransferHost host = MakeHost(ctx, a);
    CTransferSequencer sequencer(host, ctx.Prompter());
    CTransferSession session(a.Value(kPort));
    sequencer.Read(session);
    if (!host.ReadRecord())
        return kExitFailure;
    before = *host.ReadRecord();
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
    CCliTransferHost host = MakeHost(ctx, a);
    CTransferSequencer sequencer(host, ctx.Prompter());
    CTransferSession session(a.Value(kPort));
    if (!sequencer.Reset(session))
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
    CTransferSession session(a.Value(kPort));
    QString pid;
    if (RunInTerminal(ctx, session, [&](CRadioTransfer &t) { return t.ReadUnitPid(pid); }) != link::LR_SUCCESS)
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
    CTransferSession session(a.Value(kPort));
    ctx.Err() << LoadStr(IDS_READ_PID_INSTRUCTION) << '\n';
    TerminalRunOptions options;
    options.progressTextId = IDS_READ_PID_TITLE;
    QString pid;
    if (RunInTerminal(
            ctx, session, [&](CRadioTransfer &t) { return t.CapturePid(pid); }, options) != link::LR_SUCCESS)
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
