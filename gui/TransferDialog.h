// The common part of the two transfer dialogs: a progress bar, a status line, OK and Cancel,
// and the worker thread that runs one transfer operation. The worker's reports (progress,
// success, failure, questions) reach the dialog on the window's thread; Cancel sets the
// process-wide cancel flag and the dialog waits for the worker to stop.
//
// A worker may still talk to the radio after it has reported (a write that failed part-way
// resets the radio). The window never blocks on it: the thread is joined only once it has
// said that it ended, and exec() returns after that, keeping the windows painted meanwhile.
#pragma once

#include "RadioTransfer.h"

#include <QDialog>
#include <atomic>
#include <functional>
#include <memory>
#include <optional>
#include <thread>

class QLabel;
class QProgressBar;
class QPushButton;
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

// Starts `operation` on a worker thread (the cancel flag cleared first) with a transfer on
// `port` that reports to `observer`, using the context's port factory and timing. `ended`,
// when given, runs last on the worker thread, after the port has been closed: joining the
// thread once it has been heard from never blocks.
std::thread StartTransferWorker(const QString &port, ITransferObserver *observer, const TransferUiContext &context,
                                std::function<void(CRadioTransfer &)> operation, std::function<void()> ended = nullptr);

class CTransferDialog : public QDialog {
    Q_OBJECT
public:
    ~CTransferDialog() override;

    QProgressBar *ProgressBar() const { return m_pProgress; }
    QLabel *StatusLabel() const { return m_pStatus; }
    QPushButton *OkButton() const { return m_pOk; }
    QPushButton *CancelButton() const { return m_pCancel; }
    // The port the dialog looked up when it opened.
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
    CTransferDialog(const TransferUiContext &context, QWidget *parent);

    // Runs the operation on the worker thread; returns its result.
    virtual int RunOperation(CRadioTransfer &transfer) = 0;
    // The texts and layout of the subclass, set when the dialog opens.
    virtual void SetOpeningTexts() = 0;
    virtual void OnSucceeded() = 0;
    virtual void OnFailed(int code);
    // The worker thread has ended and been joined: what its operation left behind may be read.
    virtual void OnWorkerEnded() {}
    virtual void OnQuestion(int question);

    QVBoxLayout *Layout() const { return m_pLayout; }
    const TransferUiContext &Context() const { return m_context; }
    void SetPortPane(const QString &text);

    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    class CObserver;
    void Start();
    void HandleProgress(int percent);
    void HandleSuccess();
    void HandleFailure(int code);
    void HandleWorkerEnded();
    void JoinWorker();

    TransferUiContext m_context;
    QVBoxLayout *m_pLayout;
    QProgressBar *m_pProgress;
    QLabel *m_pStatus;
    QPushButton *m_pOk;
    QPushButton *m_pCancel;
    QString m_strPort;
    std::unique_ptr<CObserver> m_pObserver;
    std::thread m_worker;
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
                     QWidget *parent = nullptr);
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
