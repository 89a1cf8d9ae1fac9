// The command line's side of a radio transfer: one session per command, waited for with a
// plain loop that prints progress on stderr, asks the radio's questions through the terminal
// prompter and lets Ctrl+C cancel; and the host that runs the link's Read/Write/Reset/Identify
// sequence for zqvcps-cli (no dialogs: the password comes from --password, a read is saved
// as a profile, the safe-write switches come from the user's settings and the options).
#pragma once

#include "CliSupport.h"
#include "TransferSequencer.h"
#include "TransferSession.h"

#include <optional>

namespace zqv::cli {

// How RunInTerminal shows an operation.
struct TerminalRunOptions {
    int progressTextId = 0;  // progress lines start with this text; none without it
    bool showFailures = true;  // the failure's text on stderr
    unsigned failureStyle = MB_OK | MB_ICONERROR;
    bool olderRadioAccepted = false;  // a write's question -2 is answered yes
};

// Runs `operation` in `session` to its end on this thread's plain loop; returns its result.
int RunInTerminal(CCliContext &ctx, CTransferSession &session, const CTransferSession::Operation &operation,
                  const TerminalRunOptions &options = {});

class CCliTransferHost : public ITransferHost {
public:
    CCliTransferHost(CCliContext &ctx, const QString &password, bool passwordGiven)
        : m_ctx(ctx), m_strPassword(password), m_bPasswordGiven(passwordGiven)
    {
    }

    // The profile a write sends (none for the other commands), and whether it is a backup.
    void SetProfile(CZQVCPSDoc *doc, bool isBackup)
    {
        m_pDoc = doc;
        m_bWritingBackup = isBackup;
    }
    // The safe-write steps: the user's settings, then --no-backup and --no-verify.
    void SetSafeWrite(const CConfigStore::SafeWrite &values) { m_safeWrite = values; }
    // Where a read saves the new profile; empty: the record is kept (ReadRecord) instead.
    void SetOutput(const QString &path) { m_strOutput = path; }
    const std::optional<VirtualCPData> &ReadRecord() const { return m_readRecord; }

    int Run(CTransferSession &session, TransferJob &job) override;
    bool AskPassword(const QString &expected, QString &entered) override;
    int GroupByVersion(const QString &firmwareVersion) override;
    bool CommitPendingEdits() override { return true; }
    // A read always makes a new profile, saved like File Save As: there is no open profile to
    // overwrite, so the question about one does not arise.
    bool HasActiveProfile() const override { return false; }
    void TakeReadRecord(const VirtualCPData &record, bool overwrite) override;
    bool ProfileForWrite(const QString &unitPid, ProfileToWrite &out) override;
    SafeWriteSettings SafeWrite() const override;
    bool SaveRecordAsProfile(const VirtualCPData &record, const QString &path) override;
    void ShowNotice(const QString &text) override { m_ctx.Err() << text << '\n'; }

private:
    CCliContext &m_ctx;
    QString m_strPassword;
    bool m_bPasswordGiven;
    CZQVCPSDoc *m_pDoc = nullptr;
    bool m_bWritingBackup = false;
    QString m_strOutput;
    std::optional<VirtualCPData> m_readRecord;
    CConfigStore::SafeWrite m_safeWrite{false, false, CConfigStore::kDefaultBackupKeep};
};

}  // namespace zqv::cli
