#include "ProblemsPanel.h"

#include "AccessibleName.h"
#include "ChildFrame.h"
#include "StringTable.h"
#include "ZQVCPSException.h"

#include <QLabel>
#include <QListWidget>
#include <QStyle>
#include <QVBoxLayout>

namespace zqv {

namespace {

// The view kind of the node a problem's place stands for.
int ViewKindOf(link::ProfileProblem::Place place)
{
    switch (place) {
    case link::ProfileProblem::Settings: return kViewSettings;
    case link::ProfileProblem::PublicGroup: return kViewPublicGroup;
    case link::ProfileProblem::PrivateGroup: return kViewPrivateGroup;
    case link::ProfileProblem::Private: return kViewPrivate;
    case link::ProfileProblem::TextMessage: return kViewTextMessage;
    case link::ProfileProblem::ScanChannel: return kViewScanChannel;
    case link::ProfileProblem::Nowhere: break;
    }
    return -1;
}

}  // namespace

CProblemsPanel::CProblemsPanel(CChildFrame &frame, QWidget *parent)
    : QWidget(parent), m_frame(frame), m_pHeading(new QLabel(this)), m_pList(new QListWidget(this))
{
    setObjectName(QStringLiteral("ProblemsPanel"));
    m_pList->setObjectName(QStringLiteral("ProblemsList"));
    m_pHeading->setTextFormat(Qt::PlainText);
    m_pHeading->setBuddy(m_pList);
    m_pList->setAccessibleName(WithoutMnemonic(LoadStr(IDS_MENU_VIEW_PROBLEMS)));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 2, 4, 2);
    layout->setSpacing(2);
    layout->addWidget(m_pHeading);
    layout->addWidget(m_pList, 1);
    connect(m_pList, &QListWidget::itemClicked, this, [this](QListWidgetItem *item) { GoTo(m_pList->row(item)); });
    connect(m_pList, &QListWidget::itemActivated, this, [this](QListWidgetItem *item) { GoTo(m_pList->row(item)); });
    m_refreshTimer.setSingleShot(true);
    m_refreshTimer.setInterval(kRefreshDelayMs);
    connect(&m_refreshTimer, &QTimer::timeout, this, &CProblemsPanel::Refresh);
    // Every change of the profile passes the window's title (the modified mark); a hidden
    // panel only notes that its list is old.
    connect(&m_frame, &CChildFrame::TitleChanged, this, [this] {
        m_bStale = true;
        if (!isHidden())
            m_refreshTimer.start();
    });
}

void CProblemsPanel::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    RefreshIfStale();
}

void CProblemsPanel::RefreshIfStale()
{
    if (m_bStale)
        Refresh();
}

void CProblemsPanel::Refresh()
{
    m_refreshTimer.stop();
    m_bStale = false;
    m_problems.clear();
    const CRadioDataModel &model = m_frame.Document().Model();
    if (const auto doc = model.IsInitialized() ? model.ProfileDocument() : nullptr) {
        try {
            m_problems = link::ListProfileProblems(*doc, model.ProfileText());
        } catch (const CZQVCPSException &e) {
            // A profile that does not convert cannot be written at all: that is its first
            // problem, and the dealer's checks still apply.
            m_problems.push_back(
                {link::ProfileProblem::WriteChange, link::ProfileProblem::Nowhere, 0, LoadStr(e.GetMessageId())});
            for (link::ProfileProblem &p : link::ListDealerProblems(*doc))
                m_problems.push_back(std::move(p));
        }
    }
    m_pHeading->setText(FormatStr(IDS_PROBLEMS_HEADING, {QString::number(m_problems.size())}));
    m_pList->clear();
    const QIcon warning = style()->standardIcon(QStyle::SP_MessageBoxWarning);
    const QIcon notice = style()->standardIcon(QStyle::SP_MessageBoxInformation);
    for (const link::ProfileProblem &p : m_problems) {
        auto *item = new QListWidgetItem(p.kind == link::ProfileProblem::WriteChange ? warning : notice, p.text);
        item->setToolTip(p.text);
        m_pList->addItem(item);
    }
    if (m_problems.empty()) {
        auto *item = new QListWidgetItem(LoadStr(IDS_PROBLEMS_NONE));
        item->setFlags(Qt::NoItemFlags);
        m_pList->addItem(item);
    }
}

void CProblemsPanel::GoTo(int row)
{
    if (row < 0 || row >= int(m_problems.size()))
        return;
    const link::ProfileProblem &p = m_problems[row];
    const int kind = ViewKindOf(p.place);
    if (kind >= 0)
        m_frame.Tree().ShowNode(kind, p.index);
}

bool ConfirmProblemsBeforeWrite(CChildFrame *child, IPrompter &prompter)
{
    if (!child)
        return true;
    if (!child->Tree().CommitPendingEdits())
        return false;
    const auto doc = child->Document().Model().ProfileDocument();
    if (!doc)
        return true;
    // What the write changes is asked about by the write itself, once the radio is known.
    const std::vector<link::ProfileProblem> problems = link::ListDealerProblems(*doc);
    if (problems.empty())
        return true;
    child->ShowProblems(true);
    return link::ConfirmProfileProblems(prompter, problems);
}

}  // namespace zqv
