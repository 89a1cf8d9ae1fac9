// The common part of the two transfer dialogs: a progress bar, a status line, OK and Cancel,
// over one radio's transfer session, which runs the operation on its worker thread. The
// session's events (progress, success, failure, questions) reach the dialog on the window's
// thread; Cancel sets the session's cancel flag and the dialog waits for the worker to stop.
//
// A worker may still talk to the radio after it has reported (a write that failed part-way
// resets the radio). The window never blocks on it: the thread is joined only once it has
// said that it ended, and exec() returns after that, keeping the windows painted meanwhile.
#pragma once

#include "RadioTransfer.h"
#include "TransferEta.h"
#include "TransferSession.h"

#include <QDialog>
#include <QElapsedTimer>
#include <atomic>
#include <functional>
#include <memory>
#include <optional>
#include <thread>

class QLabel;
class QProgressBar;
class QPushButton;
class QTimer;
class QVBoxLayout;

namespace zqv {

class IPrompter;

// What a transfer dialog needs from the window that opens it.
struct TransferUiContext {
    IPrompter *prompter = nullptr;
    // Looks up the port to use; empty when there is none.
    std::function<QString()> findPort;
    // Writes the status bar's port pane ("Transferring" while a transfer runs).
    std::function<void(const QString &)> setPortPane;
    // Replaces the serial port with another byte port (tests).
    CRadioTransfer::PortFactory portFactory;
    // Replaces the operations' waits (tests).
    std::optional<CRadioTransfer::Timing> timing;
};

// A session on `port` with the context's port factory and timing.
std::unique_ptr<CTransferSession> MakeTransferSession(const QString &port, const TransferUiContext &context);

class CTransferDialog : public QDialog {
    Q_OBJECT
public:
    ~CTransferDialog() override;

    QProgressBar *ProgressBar() const { return m_pProgress; }
    // The time left beside the percentage; empty until the rate is steady.
    QLabel *TimeLeftLabel() const { return m_pTimeLeft; }
    QLabel *StatusLabel() const { return m_pStatus; }
    QPushButton *OkButton() const { return m_pOk; }
    QPushButton *CancelButton() const { return m_pCancel; }
    // The port the dialog's session talks to.
    const QString &PortName() const { return m_strPort; }
    bool IsFinished() const { return m_bFinished; }
    bool Succeeded() const { return m_bSucceeded; }
    // The last failure code reported (0 when none).
    int FailureCode() const { return m_nFailure; }

    int exec() override;
    void reject() override;

signals:
    // The worker thread has ended (and has been joined).
    void WorkerEnded();

protected:
    // Runs on `session` (the caller's, which outlives the dialog), or on a session of its own
    // on the port the context looks up when the dialog opens (null).
    CTransferDialog(const TransferUiContext &context, CTransferSession *session, QWidget *parent);

    // Runs the operation on the worker thread; returns its result.
    virtual int RunOperation(CRadioTransfer &transfer) = 0;
    // The texts and layout of the subclass, set when the dialog opens.
    virtual void SetOpeningTexts() = 0;
    virtual void OnSucceeded() = 0;
    virtual void OnFailed(int code);
    // The worker thread has ended and been joined: what its operation left behind may be read.
    virtual void OnWorkerEnded() {}
    virtual void OnQuestion(int question);

    CTransferSession &Session() const { return *m_pSession; }
    QVBoxLayout *Layout() const { return m_pLayout; }
    const TransferUiContext &Context() const { return m_context; }
    void SetPortPane(const QString &text);

    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void Start();
    // Handles the session's queued events on the window's thread.
    void DrainEvents();
    void HandleSuccess();
    void HandleFailure(int code);
    void HandleWorkerEnded();
    // Feeds the estimate the current percentage and shows its time left.
    void ShowTimeLeft();

    TransferUiContext m_context;
    std::unique_ptr<CTransferSession> m_pOwnSession;
    CTransferSession *m_pSession;
    QVBoxLayout *m_pLayout;
    QProgressBar *m_pProgress;
    QLabel *m_pTimeLeft;
    CTransferEta m_eta;
    QElapsedTimer m_clock;
    QTimer *m_pTick;
    QLabel *m_pStatus;
    QPushButton *m_pOk;
    QPushButton *m_pCancel;
    QString m_strPort;
    bool m_bFinished = false;
    bool m_bSucceeded = false;
    bool m_bNoWorker = false;
    bool m_bWorkerRunning = false;
    int m_nFailure = 0;
};

// Reading a radio into the record, or writing the record into a radio.
class CReadWriteDialog : public CTransferDialog {
    Q_OBJECT
public:
    enum class Mode { Read, Write };
    // `record` is the main window's transfer record: a read fills it on success, a write
    // sends it. With `olderRadioAccepted` the write's question -2 is answered yes without
    // asking, because the user has accepted writing to an older radio already.
    CReadWriteDialog(Mode mode, VirtualCPData &record, bool olderRadioAccepted, const TransferUiContext &context,
                     CTransferSession *session = nullptr, QWidget *parent = nullptr);
    Mode GetMode() const { return m_mode; }
    // A read made for another purpose (backing up, checking a write) says so; 0 for none.
    void SetPurposeText(int textId) { m_nPurposeTextId = textId; }
    // Whether the write sent any record before it ended (after the dialog has closed).
    bool SentData() const { return m_bSentData; }
    // Whether the write stopped part-way and the radio was reset (after the dialog has closed).
    bool RadioWasReset() const { return m_bRadioReset; }
    // The radio is read back after this write: its success is not the end of the write, so
    // the dialog says it goes on checking and closes without waiting for OK.
    void SetCheckFollows(bool follows) { m_bCheckFollows = follows; }

protected:
    int RunOperation(CRadioTransfer &transfer) override;
    void SetOpeningTexts() override;
    void OnSucceeded() override;
    void OnWorkerEnded() override;
    void OnQuestion(int question) override;

private:
    Mode m_mode;
    VirtualCPData &m_record;
    bool m_bOlderRadioAccepted;
    // Written by the worker; read only after it has been joined.
    ReadNotes m_readNotes;
    bool m_bRadioReset = false;
    bool m_bSentData = false;
    bool m_bCheckFollows = false;
    int m_nPurposeTextId = 0;
};

// Capturing another radio's private ID over the air.
class CReadPidDialog : public CTransferDialog {
    Q_OBJECT
public:
    explicit CReadPidDialog(const TransferUiContext &context, QWidget *parent = nullptr);
    // The captured ID after the dialog closed: 20 blanks until an ID was captured.
    const QString &CapturedPid() const { return m_strPid; }
    QLabel *InstructionLabel() const { return m_pInstruction; }
    // True when the progress bar shows the time-out's red background.
    bool ProgressIsRed() const { return m_bRed; }

protected:
    int RunOperation(CRadioTransfer &transfer) override;
    void SetOpeningTexts() override;
    void OnSucceeded() override;
    void OnFailed(int code) override;

private:
    QLabel *m_pInstruction;
    QString m_strPid;
    QString m_strWorkerPid;
    bool m_bRed = false;
};

}  // namespace zqv
