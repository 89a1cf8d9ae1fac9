// One radio's transfer session: everything a conversation with one radio on one port needs
// and nothing that another radio's session could share.
//
// A session owns
//   - its port name (with the port factory and timing tests put in place of the serial port),
//   - its worker thread, which runs one operation (CRadioTransfer) at a time,
//   - its cancel flag (Cancel stops this radio's operation only),
//   - its question handshake (the worker waits in OnQuestion until Answer is called),
//   - its event queue: progress, success, failure, question and the end of the operation,
//     in the order the worker reported them.
// Sessions of different ports run side by side. The port itself is guarded by one lock per
// port name: a second session on a port in use gets LR_PORT_FAILURE ("port in use") instead
// of opening it, and so does a second program, because the serial port is also locked
// against other processes while open.
//
// Waiting for an operation:
//   - a plain loop (the command line, a fleet worker): Run(operation, handler) starts it and
//     hands each event to `handler` on the calling thread until it has ended;
//   - a local event loop (the desktop program): RunInEventLoop(operation, handler) does the
//     same while the calling thread's Qt events go on (windows repaint, timers fire);
//   - a window's own loop (a modal dialog): Start(operation), SetNotifier(wake) to be woken
//     on the worker thread when an event is queued, then TakeEvent until kEnded.
// The handler answers a kQuestion event with Answer(yes) (before or after it returns).
//
// Thread rules: Start, Run, RunInEventLoop, TakeEvent and the destructor belong to the thread
// that owns the session; RequestCancel, Answer and CancelFlag may be used from any thread.
// Destroying a session cancels its running operation, answers a pending question no and
// waits for the worker to end.
#pragma once

#include "RadioTransfer.h"

#include <QString>
#include <atomic>
#include <condition_variable>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>

namespace zqv {

// What a session's worker reported, in order.
struct TransferEvent {
    enum Kind : char {
        kProgress = 'p',  // value: percent
        kSuccess = 's',
        kFailure = 'f',  // value: LinkResult code
        kQuestion = 'q',  // value: -1 radio not in the profile, -2 profile not supported
        kEnded = 'd',  // value: the operation's result (1 or the failure code); the last event
    };
    Kind kind;
    int value;
};

class CTransferSession : public ITransferObserver {
public:
    using Operation = std::function<int(CRadioTransfer &)>;
    using EventHandler = std::function<void(const TransferEvent &)>;

    explicit CTransferSession(const QString &portName);
    ~CTransferSession() override;
    CTransferSession(const CTransferSession &) = delete;
    CTransferSession &operator=(const CTransferSession &) = delete;

    const QString &Port() const { return m_strPort; }
    // Tests put a scripted port in place of the serial port, and shorter waits.
    void SetPortFactory(CRadioTransfer::PortFactory factory) { m_portFactory = std::move(factory); }
    const CRadioTransfer::PortFactory &PortFactory() const { return m_portFactory; }
    void SetTiming(const CRadioTransfer::Timing &timing) { m_timing = timing; }
    const CRadioTransfer::Timing &Timing() const { return m_timing; }
    // The clone-compatibility family radios must belong to.
    void SetModelFamily(int family) { m_nModelFamily = family; }
    int ModelFamily() const { return m_nModelFamily; }

    // Starts `operation` on the worker thread with a transfer on this session's port that
    // reports into the event queue. The cancel flag and the queue are cleared first; an
    // earlier operation must have ended (its kEnded taken).
    void Start(Operation operation);
    bool IsRunning() const { return m_worker.joinable(); }
    // Runs `operation` to its end, handing each event to `handler` on this thread (kEnded
    // last); returns the operation's result.
    int Run(Operation operation, const EventHandler &handler);
    // The same, waiting in a local Qt event loop.
    int RunInEventLoop(Operation operation, const EventHandler &handler);

    // The next queued event, without waiting; false when none is queued. Taking kEnded joins
    // the worker (it has run its last line).
    bool TakeEvent(TransferEvent &event);
    // Called on the worker thread whenever an event has been queued (null: nobody).
    void SetNotifier(std::function<void()> notify);

    // This radio's operation stops at its next step (a capture's pause ends at once).
    void RequestCancel();
    bool IsCancelRequested() const { return m_bCancel.load() != 0; }
    // Raw access for async-signal-safe cancellation (a terminal's Ctrl+C handler).
    std::atomic<int> &CancelFlag() { return m_bCancel; }
    // Answers the pending question: anything but yes also cancels. An answer given before the
    // worker has started to wait still releases it.
    void Answer(bool yes);

    // ITransferObserver: the worker's reports go into the queue.
    void OnProgress(int percent) override { Push({TransferEvent::kProgress, percent}); }
    void OnSuccess() override { Push({TransferEvent::kSuccess, 0}); }
    void OnFailure(int code) override { Push({TransferEvent::kFailure, code}); }
    void OnQuestion(int question) override { Push({TransferEvent::kQuestion, question}); }

private:
    friend class CRadioTransfer;
    void Push(const TransferEvent &event);
    void Join();
    // The question handshake and the cancellable pause, as the worker uses them.
    void BeginQuestion();
    void WaitForAnswer();
    void SleepUnlessCancelled(int ms);
    // The lock of this session's port, shared with every other session on the same port.
    std::shared_ptr<std::timed_mutex> PortLock() const;

    QString m_strPort;
    CRadioTransfer::PortFactory m_portFactory;
    CRadioTransfer::Timing m_timing;
    int m_nModelFamily = kModelFamily;
    std::thread m_worker;
    std::atomic<int> m_bCancel{0};

    // The question handshake and the pause.
    std::mutex m_answerMutex;
    std::condition_variable m_answerCv;
    bool m_bAnswered = false;

    // The event queue.
    std::mutex m_eventMutex;
    std::condition_variable m_eventCv;
    std::deque<TransferEvent> m_events;
    std::function<void()> m_notify;
};

}  // namespace zqv
