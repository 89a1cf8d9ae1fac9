#include "TransferDialog.h"

#include "ConnectionDialogs.h"

#include "LinkCodec.h"
#include "Prompter.h"
#include "StringTable.h"
#include "ThemeColours.h"

#include <QCloseEvent>
#include <QDialogButtonBox>
#include <QEventLoop>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>
#include <chrono>
#include <thread>

namespace zqv {

std::unique_ptr<CTransferSession> MakeTransferSession(const QString &port, const TransferUiContext &context)
{
    auto session = std::make_unique<CTransferSession>(port);
    if (context.portFactory)
        session->SetPortFactory(context.portFactory);
    if (context.timing)
        session->SetTiming(*context.timing);
    return session;
}

CTransferDialog::CTransferDialog(const TransferUiContext &context, CTransferSession *session, QWidget *parent)
    : QDialog(parent), m_context(context), m_pSession(session)
{
    m_pLayout = new QVBoxLayout(this);
    m_pStatus = new QLabel(this);
    m_pStatus->setObjectName(QStringLiteral("StatusText"));
    m_pStatus->setTextFormat(Qt::PlainText);
    m_pStatus->setWordWrap(true);
    m_pStatus->setMinimumHeight(m_pStatus->fontMetrics().height() * 2);
    m_pProgress = new QProgressBar(this);
    m_pProgress->setRange(0, 100);
    m_pProgress->setValue(0);
    m_pProgress->setTextVisible(true);
    m_pTimeLeft = new QLabel(this);
    m_pTimeLeft->setObjectName(QStringLiteral("TimeLeft"));
    m_pTimeLeft->setTextFormat(Qt::PlainText);
    // Wide enough for "10 min 50 s left" in any language, so the bar does not jump.
    m_pTimeLeft->setMinimumWidth(
        m_pTimeLeft->fontMetrics().horizontalAdvance(FormatStr(IDS_TIME_LEFT_MINUTES, {"10", "50"})));
    m_pTimeLeft->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    // Between reports the time left still goes down, and a stall takes it away.
    m_pTick = new QTimer(this);
    m_pTick->setInterval(1000);
    connect(m_pTick, &QTimer::timeout, this, &CTransferDialog::ShowTimeLeft);
    auto *buttons = new QDialogButtonBox(this);
    m_pOk = buttons->addButton(LoadStr(IDS_BUTTON_OK), QDialogButtonBox::AcceptRole);
    m_pCancel = buttons->addButton(LoadStr(IDS_BUTTON_CANCEL), QDialogButtonBox::RejectRole);
    m_pOk->setAutoDefault(false);
    m_pCancel->setAutoDefault(false);
    connect(m_pOk, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_pCancel, &QPushButton::clicked, this, &CTransferDialog::reject);
    m_pLayout->addWidget(m_pStatus);
    auto *progressRow = new QHBoxLayout;
    progressRow->addWidget(m_pProgress, 1);
    progressRow->addWidget(m_pTimeLeft);
    m_pLayout->addLayout(progressRow);
    m_pLayout->addWidget(buttons);
    setMinimumWidth(400);
}

CTransferDialog::~CTransferDialog()
{
    if (!m_pSession)
        return;
    // The worker reports to this dialog: it must be gone before the dialog is. A question
    // still waiting for its answer is answered no.
    m_pSession->SetNotifier(nullptr);
    if (m_bWorkerRunning) {
        m_pSession->RequestCancel();
        m_pSession->Answer(false);
        TransferEvent event{};
        while (m_bWorkerRunning) {
            while (m_bWorkerRunning && m_pSession->TakeEvent(event))
                m_bWorkerRunning = event.kind != TransferEvent::kEnded;
            if (m_bWorkerRunning)
                std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
    }
}

void CTransferDialog::SetPortPane(const QString &text)
{
    if (m_context.setPortPane)
        m_context.setPortPane(text);
}

int CTransferDialog::exec()
{
    Start();
    const int result = QDialog::exec();
    // The dialog may end while the worker still finishes its last exchange with the radio
    // (Cancel after a failure). Wait for its end with the event loop running, so the windows
    // stay painted; the caller's next step then never meets a busy port.
    if (m_bWorkerRunning) {
        QEventLoop loop;
        connect(this, &CTransferDialog::WorkerEnded, &loop, &QEventLoop::quit);
        if (m_bWorkerRunning)
            loop.exec();
    }
    return result;
}

void CTransferDialog::Start()
{
    m_pOk->setText(LoadStr(IDS_BUTTON_OK));
    m_pCancel->setText(LoadStr(IDS_BUTTON_CANCEL));
    if (!m_pSession) {
        m_pOwnSession = MakeTransferSession(m_context.findPort ? m_context.findPort() : QString(), m_context);
        m_pSession = m_pOwnSession.get();
    }
    m_strPort = m_pSession->Port();
    SetOpeningTexts();
    if (m_strPort.isEmpty()) {
        // Nothing to talk to: no worker starts, and Cancel closes the dialog at once.
        m_pStatus->setText(LoadStr(IDS_CANCELING_OPERATION));
        m_bNoWorker = true;
        m_bFinished = true;
        m_pOk->setEnabled(false);
        m_pCancel->setEnabled(true);
        return;
    }
    m_pOk->setEnabled(false);
    m_pCancel->setEnabled(true);
    m_pCancel->setFocus();
    m_bWorkerRunning = true;
    m_clock.start();
    m_eta.Restart(0);
    m_pTick->start();
    m_pSession->SetNotifier([this] {
        QMetaObject::invokeMethod(
            this, [this] { DrainEvents(); }, Qt::QueuedConnection);
    });
    m_pSession->Start([this](CRadioTransfer &transfer) { return RunOperation(transfer); });
    SetPortPane(LoadStr(IDS_TRANSFERRING));
}

void CTransferDialog::DrainEvents()
{
    TransferEvent event{};
    while (m_bWorkerRunning && m_pSession->TakeEvent(event)) {
        switch (event.kind) {
        case TransferEvent::kProgress:
            m_pProgress->setValue(event.value);
            ShowTimeLeft();
            break;
        case TransferEvent::kSuccess: HandleSuccess(); break;
        case TransferEvent::kFailure: HandleFailure(event.value); break;
        case TransferEvent::kQuestion: OnQuestion(event.value); break;
        case TransferEvent::kEnded: HandleWorkerEnded(); break;
        }
    }
}

void CTransferDialog::ShowTimeLeft()
{
    m_eta.Update(m_pProgress->value(), m_clock.elapsed());
    m_pTimeLeft->setText(m_bWorkerRunning && !m_bFinished && !m_bSucceeded ? TimeLeftText(m_eta.RemainingMs())
                                                                           : QString());
}

void CTransferDialog::HandleWorkerEnded()
{
    // Taking the end joined the worker: what it wrote is complete.
    m_pSession->SetNotifier(nullptr);
    m_bWorkerRunning = false;
    m_pTick->stop();
    m_pTimeLeft->clear();
    OnWorkerEnded();
    emit WorkerEnded();
}

void CTransferDialog::HandleSuccess()
{
    m_bSucceeded = true;
    m_pProgress->setValue(100);
    m_pTimeLeft->clear();
    m_pOk->setEnabled(true);
    m_pCancel->setEnabled(false);
    m_pOk->setDefault(true);
    m_pOk->setFocus();
    SetPortPane(m_strPort);
    OnSucceeded();
}

void CTransferDialog::HandleFailure(int code)
{
    m_bFinished = true;
    m_nFailure = code;
    m_pTimeLeft->clear();
    OnFailed(code);
    SetPortPane(m_strPort);
    if (code == link::LR_USER_CANCELED)
        QDialog::reject();
}

void CTransferDialog::OnFailed(int code)
{
    if (code == link::LR_TEXT_CONVERSION && m_context.prompter)
        m_context.prompter->Show(TransferFailureText(code), MB_OK);
    else
        m_pStatus->setText(TransferFailureText(code));
    OfferTroubleshooter(*this, m_strPort, code);
}

void CTransferDialog::OnQuestion(int question)
{
    (void)question;
    // Only the read/write dialog is asked questions; any other answers no.
    m_pSession->Answer(false);
}

void CTransferDialog::reject()
{
    if (!m_pCancel->isEnabled())
        return;  // the transfer succeeded: only OK ends the dialog
    if (m_pSession)
        m_pSession->RequestCancel();
    m_pStatus->setText(LoadStr(IDS_CANCELING_OPERATION));
    if (m_bFinished)
        QDialog::reject();
    // Otherwise the worker stops at its next step and reports the cancel, which ends the
    // dialog.
}

void CTransferDialog::closeEvent(QCloseEvent *event)
{
    event->ignore();
    reject();
}

void CTransferDialog::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape) {
        reject();
        return;
    }
    QDialog::keyPressEvent(event);
}

// ---- read / write --------------------------------------------------------------------------

CReadWriteDialog::CReadWriteDialog(Mode mode, VirtualCPData &record, bool olderRadioAccepted,
                                   const TransferUiContext &context, CTransferSession *session, QWidget *parent)
    : CTransferDialog(context, session, parent), m_mode(mode), m_record(record),
      m_bOlderRadioAccepted(olderRadioAccepted)
{
    setObjectName(mode == Mode::Read ? QStringLiteral("ReadDialog") : QStringLiteral("WriteDialog"));
}

void CReadWriteDialog::SetOpeningTexts()
{
    const bool read = m_mode == Mode::Read;
    // The backup read and the check read are steps of a write: the window says Write.
    setWindowTitle(LoadStr(read && !m_nPurposeTextId ? IDS_READ_TITLE : IDS_WRITE_TITLE));
    StatusLabel()->setText(LoadStr(m_nPurposeTextId ? m_nPurposeTextId
                                       : read       ? IDS_READING_FROM_RADIO
                                                    : IDS_WRITING_TO_RADIO));
}

int CReadWriteDialog::RunOperation(CRadioTransfer &transfer)
{
    if (m_mode == Mode::Read) {
        const int result = transfer.ReadRadio(m_record);
        m_readNotes = transfer.LastReadNotes();
        return result;
    }
    const int result = transfer.WriteRadio(m_record);
    m_bRadioReset = transfer.LastWriteResetRadio();
    m_bSentData = transfer.LastWriteSentData();
    return result;
}

void CReadWriteDialog::OnSucceeded()
{
    // A backup or check read, and a write that is checked next, are steps of the write: the
    // write goes on without waiting for OK, and success is said only once the check is done.
    if (m_nPurposeTextId || (m_mode == Mode::Write && m_bCheckFollows)) {
        if (m_mode == Mode::Write)
            StatusLabel()->setText(LoadStr(IDS_SAFE_VERIFYING));
        OkButton()->setEnabled(false);  // nothing to confirm: the dialog closes by itself
        QMetaObject::invokeMethod(this, &QDialog::accept, Qt::QueuedConnection);
        return;
    }
    const QString text = LoadStr(m_mode == Mode::Read ? IDS_READING_SUCCESSFUL : IDS_WRITING_SUCCESS);
    setWindowTitle(text);
    StatusLabel()->setText(text);
}

void CReadWriteDialog::OnWorkerEnded()
{
    // The worker stores these after its operation returns, which may be after the success or
    // failure notice has arrived: they are read only once the thread has been joined.
    if (!Context().prompter)
        return;
    // What the read left out or changed.
    if (m_mode == Mode::Read && Succeeded()) {
        const QStringList notes = ReadNoteTexts(m_readNotes);
        if (!notes.isEmpty())
            Context().prompter->Show(notes.join(u'\n'), MB_OK | MB_ICONINFORMATION);
    }
    // A write that stopped part-way and left the radio reset is reported by the write's
    // sequence (RadioWasReset), together with the offer of the backup when there is one.
}

void CReadWriteDialog::OnQuestion(int question)
{
    bool yes = false;
    IPrompter *prompter = Context().prompter;
    if (question == -2 && m_bOlderRadioAccepted) {
        yes = true;
    } else if (!prompter) {
        yes = false;
    } else if (question == -1 || question == -2) {
        const int id = question == -1 ? IDS_WARN_RADIO_NOT_IN_PROFILE : IDS_WARN_PROFILE_NOT_SUPPORTED;
        yes = prompter->ShowMessage(id, MB_YESNO | MB_ICONQUESTION) == IDYES;
    } else {
        yes = prompter->ShowMessage(IDS_UNKNOWN_WARNING, MB_OK) == IDOK;
    }
    Session().Answer(yes);
}

// ---- read private ID -----------------------------------------------------------------------

CReadPidDialog::CReadPidDialog(const TransferUiContext &context, QWidget *parent)
    : CTransferDialog(context, nullptr, parent), m_strPid(20, QLatin1Char(' '))
{
    setObjectName(QStringLiteral("ReadPidDialog"));
    m_pInstruction = new QLabel(this);
    m_pInstruction->setTextFormat(Qt::PlainText);
    m_pInstruction->setWordWrap(true);
    Layout()->insertWidget(0, m_pInstruction);
}

void CReadPidDialog::SetOpeningTexts()
{
    setWindowTitle(LoadStr(IDS_READ_PID_TITLE));
    m_pInstruction->setText(LoadStr(IDS_READ_PID_INSTRUCTION));
    StatusLabel()->clear();
}

int CReadPidDialog::RunOperation(CRadioTransfer &transfer)
{
    return transfer.CapturePid(m_strWorkerPid);
}

void CReadPidDialog::OnSucceeded()
{
    m_strPid = m_strWorkerPid.left(64);
    const QString text = LoadStr(IDS_READING_SUCCESSFUL);
    setWindowTitle(text);
    StatusLabel()->setText(text + u'\n' + FormatStr(IDS_CAPTURED_PID, {m_strPid.trimmed()}));
}

void CReadPidDialog::OnFailed(int code)
{
    CTransferDialog::OnFailed(code);
    if (code == link::LR_TIMED_OUT) {
        m_bRed = true;
        QPalette pal = ProgressBar()->palette();
        ApplyThemeColours(pal, ThemeRole::Failure);
        ProgressBar()->setPalette(pal);
        ProgressBar()->setAutoFillBackground(true);
    }
}

}  // namespace zqv
