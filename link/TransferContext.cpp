#include "TransferContext.h"

#include <algorithm>
#include <chrono>

namespace zqv {

CTransferContext &CTransferContext::Instance()
{
    static CTransferContext context;
    return context;
}

void CTransferContext::RequestCancel()
{
    m_bCancel.store(1);
    std::lock_guard<std::mutex> lock(m_mutex);
    m_cv.notify_all();  // ends a cancellable pause at once
}

void CTransferContext::ClearCancel()
{
    m_bCancel.store(0);
}

void CTransferContext::Answer(bool yes)
{
    if (!yes)
        m_bCancel.store(1);
    std::lock_guard<std::mutex> lock(m_mutex);
    m_bAnswered = true;
    m_cv.notify_all();
}

void CTransferContext::BeginQuestion()
{
    // Called before the question goes out, so an answer can only belong to this question.
    std::lock_guard<std::mutex> lock(m_mutex);
    m_bAnswered = false;
}

void CTransferContext::WaitForAnswer()
{
    std::unique_lock<std::mutex> lock(m_mutex);
    m_cv.wait(lock, [this] { return m_bAnswered; });
    m_bAnswered = false;
}

void CTransferContext::SleepUnlessCancelled(int ms)
{
    // RequestCancel wakes the wait at once. A terminal's Ctrl+C handler can only set the flag
    // (it may not take the lock to notify), so the flag is also looked at every 50 ms.
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
    std::unique_lock<std::mutex> lock(m_mutex);
    while (m_bCancel.load() == 0) {
        const auto now = std::chrono::steady_clock::now();
        if (now >= end)
            break;
        m_cv.wait_for(lock, std::min<std::chrono::steady_clock::duration>(end - now, std::chrono::milliseconds(50)));
    }
}

std::thread StartTransferThread(std::function<void()> operation)
{
    CTransferContext::Instance().ClearCancel();
    return std::thread(std::move(operation));
}

}  // namespace zqv
