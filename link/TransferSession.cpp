#include "TransferSession.h"

#include <QEventLoop>
#include <QMetaObject>
#include <QObject>
#include <algorithm>
#include <chrono>
#include <map>

namespace zqv {

namespace {

// One lock per port name, shared by the sessions that use the port at the same time and
// dropped once none does. This guards the port, not a transfer: sessions of other ports never
// wait for each other.
std::shared_ptr<std::timed_mutex> LockOfPort(const QString &port)
{
    static std::mutex registryMutex;
    static std::map<QString, std::weak_ptr<std::timed_mutex>> registry;
    std::lock_guard<std::mutex> guard(registryMutex);
    for (auto it = registry.begin(); it != registry.end();)
        it = it->second.expired() ? registry.erase(it) : std::next(it);
    std::shared_ptr<std::timed_mutex> lock = registry[port].lock();
    if (!lock) {
        lock = std::make_shared<std::timed_mutex>();
        registry[port] = lock;
    }
    return lock;
}

}  // namespace

CTransferSession::CTransferSession(const QString &portName) : m_strPort(portName) {}

CTransferSession::~CTransferSession()
{
    SetNotifier(nullptr);
    if (m_worker.joinable()) {
        RequestCancel();
        Answer(false);  // a question still waiting is answered no
    }
    Join();
}

std::shared_ptr<std::timed_mutex> CTransferSession::PortLock() const
{
    return LockOfPort(m_strPort);
}

void CTransferSession::Join()
{
    if (m_worker.joinable())
        m_worker.join();
}

void CTransferSession::Start(Operation operation)
{
    Join();
    m_bCancel.store(0);
    {
        std::lock_guard<std::mutex> lock(m_answerMutex);
        m_bAnswered = false;
    }
    {
        std::lock_guard<std::mutex> lock(m_eventMutex);
        m_events.clear();
    }
    m_worker = std::thread([this, operation = std::move(operation)] {
        int result = 0;
        {
            CRadioTransfer transfer(*this, this);
            result = operation(transfer);
        }
        // The port is closed (and its lock released) before the end is reported: whoever
        // takes kEnded may open it again at once.
        Push({TransferEvent::kEnded, result});
    });
}

void CTransferSession::Push(const TransferEvent &event)
{
    std::function<void()> notify;
    {
        std::lock_guard<std::mutex> lock(m_eventMutex);
        m_events.push_back(event);
        notify = m_notify;
        m_eventCv.notify_all();
    }
    if (notify)
        notify();
}

void CTransferSession::SetNotifier(std::function<void()> notify)
{
    std::lock_guard<std::mutex> lock(m_eventMutex);
    m_notify = std::move(notify);
}

bool CTransferSession::TakeEvent(TransferEvent &event)
{
    {
        std::lock_guard<std::mutex> lock(m_eventMutex);
        if (m_events.empty())
            return false;
        event = m_events.front();
        m_events.pop_front();
    }
    if (event.kind == TransferEvent::kEnded)
        Join();  // the worker has run its last line: this returns at once
    return true;
}

int CTransferSession::Run(Operation operation, const EventHandler &handler)
{
    Start(std::move(operation));
    for (;;) {
        TransferEvent event{};
        {
            std::unique_lock<std::mutex> lock(m_eventMutex);
            m_eventCv.wait(lock, [this] { return !m_events.empty(); });
        }
        TakeEvent(event);
        if (handler)
            handler(event);
        if (event.kind == TransferEvent::kEnded)
            return event.value;
    }
}

int CTransferSession::RunInEventLoop(Operation operation, const EventHandler &handler)
{
    QEventLoop loop;
    QObject waker;
    int result = 0;
    const auto drain = [&] {
        TransferEvent event{};
        while (TakeEvent(event)) {
            if (handler)
                handler(event);
            if (event.kind == TransferEvent::kEnded) {
                result = event.value;
                loop.quit();
                return;
            }
        }
    };
    SetNotifier([&waker, drain] { QMetaObject::invokeMethod(&waker, drain, Qt::QueuedConnection); });
    Start(std::move(operation));
    loop.exec();
    SetNotifier(nullptr);
    return result;
}

void CTransferSession::RequestCancel()
{
    m_bCancel.store(1);
    std::lock_guard<std::mutex> lock(m_answerMutex);
    m_answerCv.notify_all();  // ends a cancellable pause at once
}

void CTransferSession::Answer(bool yes)
{
    if (!yes)
        m_bCancel.store(1);
    std::lock_guard<std::mutex> lock(m_answerMutex);
    m_bAnswered = true;
    m_answerCv.notify_all();
}

void CTransferSession::BeginQuestion()
{
    // Called before the question goes out, so an answer can only belong to this question.
    std::lock_guard<std::mutex> lock(m_answerMutex);
    m_bAnswered = false;
}

void CTransferSession::WaitForAnswer()
{
    std::unique_lock<std::mutex> lock(m_answerMutex);
    m_answerCv.wait(lock, [this] { return m_bAnswered; });
    m_bAnswered = false;
}

void CTransferSession::SleepUnlessCancelled(int ms)
{
    // RequestCancel wakes the wait at once. A terminal's Ctrl+C handler can only set the flag
    // (it may not take the lock to notify), so the flag is also looked at every 50 ms.
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
    std::unique_lock<std::mutex> lock(m_answerMutex);
    while (m_bCancel.load() == 0) {
        const auto now = std::chrono::steady_clock::now();
        if (now >= end)
            break;
        m_answerCv.wait_for(lock,
                            std::min<std::chrono::steady_clock::duration>(end - now, std::chrono::milliseconds(50)));
    }
}

}  // namespace zqv
