// How long a transfer still needs, from its percentages as they arrive.
//
// The rate is measured over stretches of at least kSampleMs and smoothed, so one quick or slow
// record does not make the estimate jump. Nothing is estimated until the rate is steady: the
// transfer has run for kSettleMs and the last stretches agree with the smoothed rate. Once
// steady, the estimate stays shown until the transfer starts over (its percentage falls, as
// when a safe write goes from its backup read to the write) or stops moving.
//
// Times are milliseconds from any fixed start (a QElapsedTimer), so tests give their own.
#pragma once

#include <QString>
#include <QtGlobal>

namespace zqv {

class CTransferEta {
public:
    // The shortest stretch a rate is measured over, and how long a transfer runs before its
    // time left is shown.
    static constexpr qint64 kSampleMs = 400;
    static constexpr qint64 kSettleMs = 2000;

    // Starts over: a transfer begins at `nowMs` with 0 %.
    void Restart(qint64 nowMs);
    // The transfer reached `percent` (0-100) at `nowMs`.
    void Update(int percent, qint64 nowMs);
    // The time left after the last update, in ms; -1 while there is no steady estimate.
    qint64 RemainingMs() const;

private:
    bool m_bStarted = false;
    qint64 m_nStartMs = 0;
    int m_nPercent = 0;  // the last percentage
    qint64 m_nLastMoveMs = 0;  // when it was reached
    qint64 m_nLastUpdateMs = 0;
    qint64 m_nSampleMs = 0;  // where the stretch being measured began
    int m_nSamplePercent = 0;
    double m_dRate = 0;  // smoothed, percent per ms
    int m_nSamples = 0;
    int m_nAgreeing = 0;  // stretches in a row close to the smoothed rate
    bool m_bSteady = false;
};

// "35 s left", "2 min 10 s left": rounded up to 5 s, above a minute to 10 s. Empty for a
// negative time (no estimate).
QString TimeLeftText(qint64 ms);

}  // namespace zqv
