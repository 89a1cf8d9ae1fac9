#include "CliTransfer.h"

#include "CableDoctor.h"
#include "SettingDocs.h"
#include "SettingsMerge.h"
#include "StringTable.h"
#include "ZQVCPSException.h"

#include <QFileInfo>

#include <atomic>
#include <csignal>

namespace zqv::cli {

namespace {

std::atomic<int> *g_pCancel = nullptr;

void OnInterrupt(int)
{
    if (g_pCancel)
        g_pCancel->store(1);
}

}  // namespace

int RunInTerminal(CCliContext &ctx, CTransferSession &session, const CTransferSession::Operation &operation,
                  const TerminalRunOptions &options)
{
    // Ctrl+C cancels the running operation the way the Cancel button does.
    g_pCancel = &session.CancelFlag();
    struct sigaction sa {
    }, old{};
    sa.sa_handler = OnInterrupt;
    sigemptyset(&sa.sa_mask);
    sigaction(SIGINT, &sa, &old);
    const int result = session.Run(operation, [&](const TransferEvent &e) {
        switch (e.kind) {
        case TransferEvent::kProgress:
            if (options.progressTextId)
                ctx.Err() << LoadStr(options.progressTextId) << ' ' << e.value << "%\n";
            ctx.Err().flush();
            break;
        case TransferEvent::kFailure:
            if (options.showFailures)
                ShowTransferFailure(ctx.Prompter(), TransferFailureText(e.value), e.value, session.Port(),
                                    options.failureStyle);
            break;
        case TransferEvent::kQuestion:
            session.Answer(AnswerWriteQuestion(ctx.Prompter(), e.value, options.olderRadioAccepted));
            break;
        case TransferEvent::kSuccess:
        case TransferEvent::kEnded: break;
        }
    });
    sigaction(SIGINT, &old, nullptr);
    g_pCancel = nullptr;
    return result;
}

int CCliTransferHost::Run(CTransferSession &session, TransferJob &job)
{
    // No window to settle before the radio is asked: the identity follows at once.
    if (job.kind == TransferJob::kPause)
        return link::LR_SUCCESS;
    const auto operation = [&job](CRadioTransfer &t) { return RunTransferJob(t, job); };
    if (!job.IsLong())
        return RunInTerminal(m_ctx, session, operation, {0, true, MB_OK, false});
    const bool write = job.kind == TransferJob::kWrite;
    TerminalRunOptions options;
    options.progressTextId = write ? IDS_WRITING_TO_RADIO : job.purposeId ? job.purposeId : IDS_READING_FROM_RADIO;
    options.olderRadioAccepted = job.olderRadioAccepted;
    const int result = RunInTerminal(m_ctx, session, operation, options);
    if (result != link::LR_SUCCESS)
        return result;
    // Success is said once the check read has found the radio as written.
    if (write && !job.checkFollows)
        m_ctx.Err() << LoadStr(IDS_WRITING_SUCCESS) << '\n';
    if (!write)
        for (const QString &note : ReadNoteTexts(job.notes))
            m_ctx.Err() << note << '\n';
    return result;
}

// Nobody to ask: the password given must be the radio's.
bool CCliTransferHost::AskPassword(const QString &expected, QString &entered)
{
    if (m_bPasswordGiven && m_strPassword == expected) {
        entered = expected;
        return true;
    }
    m_ctx.Prompter().ShowMessage(m_bPasswordGiven ? IDS_PASSWORD_INCORRECT : IDS_CLI_PASSWORD_REQUIRED, MB_ICONERROR);
    return false;
}

// The setting group of a firmware version by the installation's upgrade document; -1 (message
// shown) when the document cannot be read.
int CCliTransferHost::GroupByVersion(const QString &firmwareVersion)
{
    try {
        const std::shared_ptr<CXmlDocument> upgrade =
            LoadSettingDoc(m_ctx.InstallDir(), QLatin1String(kUpgradeDocName), m_ctx.Prompter());
        return upgrade ? GetGroupByVersion(*upgrade, firmwareVersion) : -1;
    } catch (const CZQVCPSException &e) {
        m_ctx.Report(e.GetMessageId(), e.GetTrace());
        return -1;
    }
}

void CCliTransferHost::TakeReadRecord(const VirtualCPData &record, bool overwrite)
{
    (void)overwrite;  // never asked for: HasActiveProfile is false
    if (m_strOutput.isEmpty()) {
        m_readRecord = record;
        return;
    }
    if (!SaveRecordAsProfile(record, m_strOutput))
        return;
    m_ctx.Err() << LoadStr(IDS_READING_SUCCESSFUL) << '\n';
    m_readRecord = record;
}

// What the write changes in the profile is not asked about here: `check` lists it.
bool CCliTransferHost::ProfileForWrite(const QString &unitPid, ProfileToWrite &out)
{
    try {
        if (!m_pDoc || !m_pDoc->GetVirtualCPData(out.record, unitPid))
            return false;
    } catch (const CZQVCPSException &e) {
        m_ctx.Report(e.GetMessageId(), e.GetTrace());
        return false;
    }
    out.group = m_pDoc->Model().GetSettingGroup();
    out.pcClock = m_pDoc->PcClockFlag();
    out.isBackup = m_bWritingBackup;
    out.path = QFileInfo(m_pDoc->GetPathName()).absoluteFilePath();
    return true;
}

SafeWriteSettings CCliTransferHost::SafeWrite() const
{
    return {m_safeWrite.backup, m_safeWrite.verify, m_safeWrite.keep, CConfigStore::BackupFolder()};
}

bool CCliTransferHost::SaveRecordAsProfile(const VirtualCPData &record, const QString &path)
{
    CCliDocumentHost host(m_ctx);
    CZQVCPSDoc doc(m_ctx.Environment(), host, m_ctx.Prompter());
    if (doc.OnNewDocument(&record) && doc.DoSave(path, true))
        return true;
    m_ctx.Trace(doc.GetLastErrorTrace());
    return false;
}

}  // namespace zqv::cli
