// The Problems panel of a profile window (View > Problems): what a write would change and
// what a dealer should look at (link/ProfileProblems.h), one line each; a click on a line
// selects the node it is about. It follows the profile's changes while it is shown.
//
// Before a Write, ConfirmProblemsBeforeWrite shows the panel and asks once whether to go on.
#pragma once

#include "ProfileProblems.h"

#include <QTimer>
#include <QWidget>
#include <vector>

class QLabel;
class QListWidget;

namespace zqv {

class CChildFrame;
class IPrompter;

class CProblemsPanel : public QWidget {
    Q_OBJECT
public:
    // The pause after an edit before the list follows it: typing stays fluent.
    static constexpr int kRefreshDelayMs = 200;

    explicit CProblemsPanel(CChildFrame &frame, QWidget *parent = nullptr);

    // Lists the profile's problems now; or only when the profile changed since the last time.
    void Refresh();
    void RefreshIfStale();
    const std::vector<link::ProfileProblem> &Problems() const { return m_problems; }
    QListWidget *List() const { return m_pList; }
    // Takes the user to the node that line `row` is about.
    void GoTo(int row);

protected:
    void showEvent(QShowEvent *event) override;

private:
    CChildFrame &m_frame;
    QLabel *m_pHeading;
    QListWidget *m_pList;
    QTimer m_refreshTimer;
    bool m_bStale = true;
    std::vector<link::ProfileProblem> m_problems;
};

// Before the Write of `child`'s profile (null: no profile, nothing to ask): commits the form's
// pending edit, then, when the profile has problems the write's own change question does not
// name (the dealer's checks), shows them in the panel and asks once whether to write anyway.
// True to go on.
bool ConfirmProblemsBeforeWrite(CChildFrame *child, IPrompter &prompter);

}  // namespace zqv
