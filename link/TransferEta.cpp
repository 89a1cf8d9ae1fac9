#include "TransferEta.h"

#include "StringIds.h"
#include "StringTable.h"

#include <QStringList>

#include <algorithm>
#include <cmath>

namespace zqv {

namespace {
// The weight of the newest stretch in the smoothed rate.
constexpr double kSmoothing = 0.35;
// A stretch agrees with the smoothed rate when it is within this factor of it either way.
constexpr double kAgreement = 1.5;
// Stretches in a row that must agree before an estimate is shown.
constexpr int kAgreeingNeeded = 2;
// A transfer is stalled when it has not moved for this long, or for three times as long as a
// percent took so far, whichever is longer.
constexpr qint64 kStallMs = 5000;
}  // namespace

void CTransferEta::Restart(qint64 nowMs)
{
    *this = CTransferEta();
    m_bStarted = true;
    m_nStartMs = m_nSampleMs = m_nLastMoveMs = m_nLastUpdateMs = nowMs;
}

void CTransferEta::Update(int percent, qint64 nowMs)
{
    percent = std::clamp(percent, 0, 100);
    if (!m_bStarted || percent < m_nPercent) {
        // The first report, or a new step starting again from a lower percentage.
        Restart(nowMs);
        m_nPercent = m_nSamplePercent = percent;
        return;
    }
    m_nLastUpdateMs = nowMs;
    if (percent > m_nPercent) {
        m_nPercent = percent;
        m_nLastMoveMs = nowMs;
    }
    if (m_dRate > 0 && nowMs - m_nLastMoveMs > std::max<qint64>(kStallMs, qint64(3 / m_dRate))) {
        // Stalled (a radio that stopped answering, a retry): the old rate says nothing now.
        m_bSteady = false;
        m_nAgreeing = 0;
    }
    // A stretch ends once it is long enough and the transfer has moved in it.
    if (percent == m_nSamplePercent || nowMs - m_nSampleMs < kSampleMs)
        return;
    const double rate = double(percent - m_nSamplePercent) / double(nowMs - m_nSampleMs);
    m_nSampleMs = nowMs;
    m_nSamplePercent = percent;
    const bool agrees = m_dRate > 0 && rate <= m_dRate * kAgreement && rate * kAgreement >= m_dRate;
    m_dRate = m_nSamples == 0 ? rate : kSmoothing * rate + (1 - kSmoothing) * m_dRate;
    ++m_nSamples;
    m_nAgreeing = agrees ? m_nAgreeing + 1 : 0;
    if (m_nAgreeing >= kAgreeingNeeded && nowMs - m_nStartMs >= kSettleMs)
        m_bSteady = true;
}

qint64 CTransferEta::RemainingMs() const
{
    if (m_nPercent >= 100 && m_bStarted)
        return 0;
    if (!m_bSteady || m_dRate <= 0)
        return -1;
    // Counted from the moment the last percentage arrived, so it goes down between reports.
    const double fromLastMove = double(100 - m_nPercent) / m_dRate;
    return std::max<qint64>(0, qint64(std::llround(fromLastMove)) - (m_nLastUpdateMs - m_nLastMoveMs));
}

QString TimeLeftText(qint64 ms)
{
    if (ms < 0)
        return QString();
    const qint64 step = ms > 60000 ? 10 : 5;
    const qint64 seconds = ((ms + 999) / 1000 + step - 1) / step * step;
    if (seconds < 60)
        return FormatStr(IDS_TIME_LEFT_SECONDS, {QString::number(seconds)});
    return FormatStr(IDS_TIME_LEFT_MINUTES, {QString::number(seconds / 60), QString::number(seconds % 60)});
}

}  // namespace zqv
