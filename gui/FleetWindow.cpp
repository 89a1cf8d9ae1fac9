#include "FleetWindow.h"

#include "AccessibleName.h"
#include "AppShell.h"
#include "ChildFrame.h"
#include "FlowLayout.h"
#include "MainFrame.h"
#include "ProblemsPanel.h"
#include "Prompter.h"
#include "ScreenFit.h"
#include "StringIds.h"
#include "StringTable.h"
#include "ZQVCPSApp.h"
#include "ZQVCPSException.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSplitter>
#include <QStandardPaths>
#include <QStyle>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace zqv {

namespace {

constexpr int kPollMs = 1000;
const char *const kWindowName = "FleetWindow";

// A list of radios: whole rows selected, several at once, long paths shortened in the middle.
QTreeWidget *MakeList(QWidget *parent, const QStringList &columns)
{
    auto *list = new QTreeWidget(parent);
    list->setRootIsDecorated(false);
    list->setAlternatingRowColors(true);
    list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    list->setTextElideMode(Qt::ElideMiddle);
    list->setHeaderLabels(columns);
    list->header()->setStretchLastSection(true);
    return list;
}

QPushButton *MakeButton(QLayout *row, int textId, QWidget *parent)
{
    auto *button = new QPushButton(LoadStr(textId), parent);
    button->setAutoDefault(false);
    row->addWidget(button);
    return button;
}

QStyle::StandardPixmap ResultIcon(FleetResult result)
{
    switch (result) {
    case FleetResult::Succeeded: return QStyle::SP_DialogApplyButton;
    case FleetResult::Differs:
    case FleetResult::Refused: return QStyle::SP_MessageBoxWarning;
    case FleetResult::Failed: return QStyle::SP_MessageBoxCritical;
    case FleetResult::Stopped:
    case FleetResult::None: break;
    }
    return QStyle::SP_CustomBase;
}

}  // namespace

CFleetWindow::CFleetWindow(CZQVCPSApp &app, QWidget *parent)
    : QWidget(parent, Qt::Window), m_app(app),
      m_spRun(std::make_unique<CFleetRun>(static_cast<IFleetHost &>(*this), app.Ports()))
{
    setObjectName(QLatin1String(kWindowName));
    setWindowTitle(LoadStr(IDS_FLEET_TITLE));
    m_spRun->SetWaitInEventLoop(true);
    m_spRun->SetPollInterval(kPollMs);
    m_clock.start();
    auto *layout = new QVBoxLayout(this);

    // The buttons wrap onto a second row where the window is narrow.
    auto *actions = new CFlowLayout;
    m_pRead = MakeButton(actions, IDS_FLEET_READ_ALL, this);
    m_pCheck = MakeButton(actions, IDS_FLEET_CHECK_ALL, this);
    m_pWrite = MakeButton(actions, IDS_FLEET_WRITE_ALL, this);
    m_pStop = MakeButton(actions, IDS_FLEET_STOP, this);
    actions->AddStretch();
    m_pAdd = MakeButton(actions, IDS_FLEET_ADD_CONTACTS, this);
    layout->addLayout(actions);

    // The profile, then the folder with its field and button, on a second row if need be.
    auto *where = new CFlowLayout;
    m_pProfile = new QLabel(this);
    m_pProfile->setTextFormat(Qt::PlainText);
    where->addWidget(m_pProfile);
    auto *folder = new QHBoxLayout;
    auto *folderLabel = new QLabel(LoadStr(IDS_FLEET_FOLDER), this);
    m_pFolder = new QLineEdit(
        QDir::toNativeSeparators(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)), this);
    folderLabel->setBuddy(m_pFolder);
    folder->addWidget(folderLabel);
    folder->addWidget(m_pFolder, 1);
    auto *browse = new QPushButton(LoadStr(IDS_FLEET_BROWSE), this);
    browse->setAutoDefault(false);
    folder->addWidget(browse);
    where->AddLayout(folder);
    layout->addLayout(where);

    auto *splitter = new QSplitter(Qt::Vertical, this);
    auto *top = new QWidget(splitter);
    auto *topLayout = new QVBoxLayout(top);
    topLayout->setContentsMargins(0, 0, 0, 0);
    m_pRows = MakeList(top, LoadStr(IDS_FLEET_COLUMNS).split(u'|'));
    m_pRows->setAccessibleName(windowTitle());
    // A row's status is a sentence: its end is cut, not its middle.
    m_pRows->setTextElideMode(Qt::ElideRight);
    topLayout->addWidget(m_pRows, 1);
    m_pCount = new QLabel(top);
    m_pCount->setTextFormat(Qt::PlainText);
    m_pCount->setWordWrap(true);
    topLayout->addWidget(m_pCount);
    auto *bottom = new QWidget(splitter);
    auto *bottomLayout = new QVBoxLayout(bottom);
    bottomLayout->setContentsMargins(0, 0, 0, 0);
    auto *runLabel = new QLabel(LoadStr(IDS_FLEET_LAST_RUN), bottom);
    bottomLayout->addWidget(runLabel);
    m_pRunList = MakeList(bottom, CFleetRun::RunTableColumns());
    NameByLabel(runLabel, m_pRunList);
    bottomLayout->addWidget(m_pRunList, 1);
    splitter->setStretchFactor(0, 3);
    splitter->setStretchFactor(1, 2);
    layout->addWidget(splitter, 1);

    auto *end = new CFlowLayout;
    m_pSaveCsv = MakeButton(end, IDS_FLEET_SAVE_CSV, this);
    m_pPrint = MakeButton(end, IDS_FLEET_PRINT, this);
    end->AddStretch();
    QPushButton *close = MakeButton(end, IDS_HISTORY_CLOSE, this);
    layout->addLayout(end);

    // Columns wide enough for their usual contents, whatever the language of their titles.
    const QFontMetrics fm = m_pRows->fontMetrics();
    const auto fit = [&](int column, const QString &sample) {
        m_pRows->setColumnWidth(
            column,
            std::max(fm.horizontalAdvance(sample), fm.horizontalAdvance(m_pRows->headerItem()->text(column))) +
                fm.averageCharWidth() * 3);
    };
    fit(ColPort, QStringLiteral("/dev/ttyUSB00"));
    fit(ColPid, QStringLiteral("00000000000"));
    fit(ColName, QStringLiteral("Wwwwwwwwwwwwwwwwwwww"));
    fit(ColFirmware, QStringLiteral("R5E.08.00"));
    fit(ColGroup, QStringLiteral("00"));
    fit(ColProgress, QStringLiteral("MMMMMMMMMM"));
    fit(ColTimeLeft, FormatStr(IDS_TIME_LEFT_MINUTES, {"10", "50"}));

    connect(m_pRead, &QPushButton::clicked, this, [this] { RunAction(FleetAction::Read); });
    connect(m_pCheck, &QPushButton::clicked, this, [this] { RunAction(FleetAction::Check); });
    connect(m_pWrite, &QPushButton::clicked, this, [this] { RunAction(FleetAction::Write); });
    connect(m_pStop, &QPushButton::clicked, this, [this] { m_spRun->Stop(); });
    connect(m_pAdd, &QPushButton::clicked, this, &CFleetWindow::AddToProfile);
    connect(browse, &QPushButton::clicked, this, &CFleetWindow::OnBrowse);
    connect(m_pFolder, &QLineEdit::textChanged, this, &CFleetWindow::UpdateControls);
    connect(m_pSaveCsv, &QPushButton::clicked, this, &CFleetWindow::OnSaveCsv);
    connect(m_pPrint, &QPushButton::clicked, this, &CFleetWindow::OnPrint);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    connect(m_pRows, &QTreeWidget::itemSelectionChanged, this, &CFleetWindow::UpdateControls);

    m_pPoll = new QTimer(this);
    m_pPoll->setInterval(kPollMs);
    connect(m_pPoll, &QTimer::timeout, this, &CFleetWindow::Poll);
    // The time left goes down between reports, and a stalled radio loses it.
    m_pTick = new QTimer(this);
    m_pTick->setInterval(1000);
    connect(m_pTick, &QTimer::timeout, this, &CFleetWindow::ShowTimesLeft);
    m_pTick->start();
    FitToScreen(*this, QSize(1100, 600));
    UpdateControls();
    // The rows first: typing must not go into the folder by accident.
    m_pRows->setFocus();
}

CFleetWindow::~CFleetWindow() = default;

QPushButton *CFleetWindow::ActionButton(FleetAction action) const
{
    switch (action) {
    case FleetAction::Read: return m_pRead;
    case FleetAction::Check: return m_pCheck;
    case FleetAction::Write: return m_pWrite;
    case FleetAction::Identify: break;
    }
    return nullptr;
}

QTreeWidgetItem *CFleetWindow::RowOfPort(const QString &port) const
{
    for (const auto &[id, view] : m_rows)
        if (view.item->text(ColPort) == port)
            return view.item;
    return nullptr;
}

CChildFrame *CFleetWindow::ActiveProfile() const
{
    return m_app.MainFrame() ? m_app.MainFrame()->ActiveChild() : nullptr;
}

std::vector<int> CFleetWindow::ChosenRows() const
{
    std::vector<int> ids;
    for (const auto &[id, view] : m_rows)
        if (view.item->isSelected())
            ids.push_back(id);
    if (ids.empty())
        for (const auto &[id, view] : m_rows)
            ids.push_back(id);
    return ids;
}

std::vector<int> CFleetWindow::RowsNotInProfile(const std::vector<int> &rows) const
{
    std::vector<int> out;
    for (int id : rows)
        if (const FleetRow *row = m_spRun->Row(id); row && row->notInProfile && !row->unitPid.isEmpty())
            out.push_back(id);
    return out;
}

// ---- the run ---------------------------------------------------------------------------------

void CFleetWindow::RunAction(FleetAction action)
{
    if (IsRunning() || !m_app.TransferIdle())
        return;
    CChildFrame *profile = ActiveProfile();
    if (action == FleetAction::Check || action == FleetAction::Write) {
        if (!profile) {
            m_app.Prompter().Show(LoadStr(IDS_FLEET_NO_PROFILE), MB_OK | MB_ICONINFORMATION);
            return;
        }
        if (!profile->Tree().CommitPendingEdits())
            return;
        if (action == FleetAction::Write && !ConfirmProblemsBeforeWrite(profile, m_app.Prompter()))
            return;
        // Every radio gets its backup and its check, whatever the single write's switches say.
        m_spRun->SetBackups(CConfigStore::BackupFolder(), m_app.Store().ReadSafeWrite().keep);
    }
    if (action == FleetAction::Read) {
        if (m_pFolder->text().trimmed().isEmpty())
            OnBrowse();
        const QString folder = QDir::fromNativeSeparators(m_pFolder->text().trimmed());
        if (folder.isEmpty())
            return;
        QDir().mkpath(folder);
        m_spRun->SetOutputFolder(folder);
    }
    Execute(action, ChosenRows(), profile);
}

void CFleetWindow::Execute(FleetAction action, const std::vector<int> &rowIds, CChildFrame *profile)
{
    // The run works on a copy of the profile taken now: the window may be edited or closed
    // meanwhile.
    try {
        m_spRun->SetProfile(profile ? FleetProfile::FromDocument(profile->Document()) : FleetProfile());
    } catch (const CZQVCPSException &e) {
        m_app.Prompter().ShowMessage(e.GetMessageId());
        return;
    }
    m_strRunProfile = profile ? profile->Document().GetTitle() : QString();
    m_spRun->SetUpgradeDocument(m_app.Shell().GetUpgradeDoc());
    // An identification leaves the last run's table as it is.
    m_bFillTable = action != FleetAction::Identify;
    if (m_bFillTable) {
        m_runTable.clear();
        m_pRunList->clear();
        m_runCsv.clear();
        m_strRunPage.clear();
    }
    UpdateControls();
    if (CMainFrame *frame = m_app.MainFrame())
        frame->UpdateCommands();
    m_spRun->Run(action, rowIds);
    if (m_bFillTable) {
        m_runCsv = m_spRun->RunTableCsv();
        m_strRunPage = m_spRun->RunTableHtml(LoadStr(IDS_FLEET_RUN_TITLE));
    }
    m_bFillTable = false;
    UpdateControls();
    if (CMainFrame *frame = m_app.MainFrame())
        frame->UpdateCommands();
    if (m_bCloseWhenIdle) {
        m_bCloseWhenIdle = false;
        close();
    }
}

void CFleetWindow::Poll()
{
    if (IsRunning() || !isVisible())
        return;
    m_spRun->Refresh();
    UpdateControls();
    // A radio on a new cable is identified once nothing else talks to a radio and no window
    // waits for an answer.
    if (!m_app.TransferIdle() || QApplication::activeModalWidget())
        return;
    std::vector<int> fresh;
    for (const FleetRow &row : m_spRun->Rows())
        if (row.present && m_identified.insert(row.id).second)
            fresh.push_back(row.id);
    if (!fresh.empty())
        Execute(FleetAction::Identify, fresh, ActiveProfile());
}

// ---- IFleetHost ------------------------------------------------------------------------------

void CFleetWindow::RowChanged(const FleetRow &row)
{
    RowView &view = m_rows[row.id];
    if (!view.item) {
        view.item = new QTreeWidgetItem(m_pRows);
        view.bar = new QProgressBar(m_pRows);
        view.bar->setRange(0, 100);
        view.bar->setValue(0);
        m_pRows->setItemWidget(view.item, ColProgress, view.bar);
    }
    QTreeWidgetItem *item = view.item;
    item->setText(ColPort, row.port);
    item->setToolTip(ColPort, row.device);
    item->setText(ColPid, row.unitPid);
    item->setText(ColName, row.name);
    item->setText(ColFirmware, row.firmware);
    item->setText(ColGroup, row.group > 0 ? QString::number(row.group) : QString());
    const bool working = row.state == FleetRow::State::Working;
    const qint64 now = m_clock.elapsed();
    if (working && (!view.working || row.step != view.step))
        view.eta.Restart(now);
    if (working)
        view.eta.Update(row.progress, now);
    view.working = working;
    view.step = row.step;
    view.bar->setValue(row.state == FleetRow::State::Done && row.result == FleetResult::Succeeded ? 100 : row.progress);
    item->setText(ColTimeLeft, working ? TimeLeftText(view.eta.RemainingMs()) : QString());

    if (IsRunning() && (working || row.state == FleetRow::State::Done))
        view.identifiedOnly = !m_bFillTable;
    QString status = row.step;
    QStyle::StandardPixmap icon = QStyle::SP_CustomBase;
    if (row.state == FleetRow::State::Confirming) {
        status = LoadStr(IDS_FLEET_WAITING);
    } else if (!working && row.result != FleetResult::None) {
        icon = ResultIcon(row.result);
        status = row.reason.isEmpty() ? CFleetRun::ResultText(row.result) : row.reason;
        if (view.identifiedOnly && row.result == FleetResult::Succeeded) {
            // Identified only: nothing to report but what keeps the radio from being written.
            const bool stranger = row.notInProfile && ActiveProfile();
            status = stranger ? FormatStr(IDS_FLEET_NOT_IN_PROFILE, {row.unitPid}) : QString();
            icon = stranger ? QStyle::SP_MessageBoxWarning : QStyle::SP_CustomBase;
        }
    }
    item->setText(ColStatus, status);
    item->setToolTip(ColStatus, status);
    item->setIcon(ColStatus, icon == QStyle::SP_CustomBase ? QIcon() : style()->standardIcon(icon));
    UpdateControls();
}

void CFleetWindow::RowRemoved(int rowId)
{
    const auto it = m_rows.find(rowId);
    if (it == m_rows.end())
        return;
    delete it->second.item;
    m_rows.erase(it);
    m_identified.erase(rowId);
    UpdateControls();
}

void CFleetWindow::RadioFinished(const FleetRunEntry &entry)
{
    if (m_bFillTable)
        AddRunEntry(entry);
}

// ---- what the window shows -------------------------------------------------------------------

void CFleetWindow::ShowTimesLeft()
{
    const qint64 now = m_clock.elapsed();
    for (auto &[id, view] : m_rows) {
        if (!view.working)
            continue;
        view.eta.Update(view.bar->value(), now);
        view.item->setText(ColTimeLeft, TimeLeftText(view.eta.RemainingMs()));
    }
}

void CFleetWindow::UpdateControls()
{
    const bool running = IsRunning();
    const bool idle = !running && m_app.TransferIdle();
    const bool any = !m_rows.empty();
    const bool selected = !m_pRows->selectedItems().isEmpty();
    CChildFrame *profile = ActiveProfile();
    m_pRead->setText(LoadStr(selected ? IDS_FLEET_READ_SELECTED : IDS_FLEET_READ_ALL));
    m_pCheck->setText(LoadStr(selected ? IDS_FLEET_CHECK_SELECTED : IDS_FLEET_CHECK_ALL));
    m_pWrite->setText(LoadStr(selected ? IDS_FLEET_WRITE_SELECTED : IDS_FLEET_WRITE_ALL));
    m_pRead->setEnabled(idle && any && !m_pFolder->text().trimmed().isEmpty());
    m_pCheck->setEnabled(idle && any && profile);
    m_pWrite->setEnabled(idle && any && profile);
    m_pStop->setEnabled(running);
    m_pAdd->setEnabled(idle && profile && !RowsNotInProfile(ChosenRows()).empty());
    m_pSaveCsv->setEnabled(!running && !m_runCsv.isEmpty() && !m_runTable.empty());
    m_pPrint->setEnabled(!running && !m_strRunPage.isEmpty() && !m_runTable.empty());
    m_pProfile->setText(profile ? LoadStr(IDS_HISTORY_COL_PROFILE) + LoadStr(IDS_LABEL_COLON) + QLatin1Char(' ') +
                                profile->Document().GetTitle()
                                : LoadStr(IDS_FLEET_NO_PROFILE));
    m_pCount->setText(any ? FormatStr(IDS_FLEET_COUNT, {QString::number(m_rows.size())}) : LoadStr(IDS_FLEET_NO_CABLE));
}

// ---- the window ------------------------------------------------------------------------------

void CFleetWindow::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    m_pPoll->start();
    QTimer::singleShot(0, this, &CFleetWindow::Poll);
}

void CFleetWindow::hideEvent(QHideEvent *event)
{
    m_pPoll->stop();
    QWidget::hideEvent(event);
}

void CFleetWindow::closeEvent(QCloseEvent *event)
{
    // A run ends safely first (a write broken off here would leave a radio half programmed);
    // the window closes once it has.
    if (IsRunning()) {
        m_bCloseWhenIdle = true;
        m_spRun->Stop();
        event->ignore();
        return;
    }
    QWidget::closeEvent(event);
}

void ShowFleetWindow(CZQVCPSApp &app)
{
    CMainFrame *frame = app.MainFrame();
    if (!frame)
        return;
    auto *window = frame->findChild<CFleetWindow *>(QLatin1String(kWindowName), Qt::FindDirectChildrenOnly);
    if (!window)
        window = new CFleetWindow(app, frame);
    window->show();
    window->raise();
    window->activateWindow();
}

bool FleetRunning(const QWidget *mainWindow)
{
    const auto *window = mainWindow
        ? mainWindow->findChild<CFleetWindow *>(QLatin1String(kWindowName), Qt::FindDirectChildrenOnly)
        : nullptr;
    return window && window->IsRunning();
}

}  // namespace zqv
