// The state all transfer operations of the process share with the windows that start them:
// the transfer lock that keeps operations from overlapping, the cancel flag, and the handshake
// by which an operation waits for the answer to its question.
#pragma once

#include <atomic>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>

namespace zqv {

// State shared by all transfer operations of the process and the windows that start them.
class CTransferContext {
public:
    static CTransferContext &Instance();

    // The user wants the running operation stopped; it stops at its next step.
    void RequestCancel();
    void ClearCancel();
    bool IsCancelRequested() const { return m_bCancel.load(); }

    // Answers the pending question: anything but yes also requests cancel. An answer given
    // before the operation has started to wait still releases it.
    void Answer(bool yes);

    // The clone-compatibility family radios must belong to (3 from start-up on).
    void SetModelFamily(int family) { m_nModelFamily.store(family); }
    int ModelFamily() const { return m_nModelFamily.load(); }

    // Raw access for async-signal-safe cancellation (a terminal's Ctrl+C handler).
    std::atomic<int> &CancelFlag() { return m_bCancel; }

private:
    friend class CRadioTransfer;
    CTransferContext() = default;
    void BeginQuestion();
    void WaitForAnswer();
    // Sleeps up to `ms`, returning early when cancel is requested.
    void SleepUnlessCancelled(int ms);

    std::mutex m_transferLock;
    std::atomic<int> m_bCancel{0};
    std::atomic<int> m_nModelFamily{3};
    std::mutex m_mutex;
    std::condition_variable m_cv;
    bool m_bAnswered = false;
};

// Starts `operation` on a worker thread the way the transfer windows do: the cancel flag is
// cleared first, so a cancel from an earlier operation never stops this one.
std::thread StartTransferThread(std::function<void()> operation);

}  // namespace zqv
