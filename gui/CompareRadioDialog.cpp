#include "CompareRadioDialog.h"

#include "AppShell.h"
#include "AskPwdDlg.h"
#include "BackupStore.h"
#include "CableDoctor.h"
#include "ChildFrame.h"
#include "MainFrame.h"
#include "Prompter.h"
#include "RadioCommands.h"
#include "ScreenFit.h"
#include "StringIds.h"
#include "StringTable.h"
#include "TransferDialog.h"
#include "TransferSession.h"
#include "ZQVCPSApp.h"
#include "ZQVCPSException.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace zqv {

namespace {

// Runs the short radio operation `operation` over `session` and waits for it, the window
// kept painted; returns its result code (1 on success).
int RunShortOperation(CTransferSession &session, const CTransferSession::Operation &operation)
{
    return session.RunInEventLoop(operation, [&session](const TransferEvent &e) {
        if (e.kind == TransferEvent::kQuestion)
            session.Answer(false);
    });
}

// Reads the radio on `port` into `radio`, asking its codeplug password when it has one;
// false when the read did not happen (the reason has been shown).
bool ReadRadioForCompare(CZQVCPSApp &app, const QString &port, VirtualCPData &radio)
{
    IPrompter &prompter = app.Prompter();
    const std::unique_ptr<CTransferSession> session = MakeTransferSession(port, app.Radio().UiContext());
    int code = RunShortOperation(*session, [&radio](CRadioTransfer &t) { return t.ReadIdentity(radio); });
    const int group = code == 1 ? app.Shell().GetGroupByVersion(CTransferSequencer::FirmwareVersionText(radio)) : 0;
    if (code == 1 && GroupHasPassword(group))
        code = RunShortOperation(*session, [&radio](CRadioTransfer &t) { return t.ReadRadioPassword(radio); });
    if (code != 1) {
        ShowTransferFailure(prompter, CTransferSequencer::FailureMessage(code), code, port, MB_OK | MB_ICONERROR);
        return false;
    }
    // The password guards the radio's contents: a comparison shows them, so it asks as a read does.
    const QString expected = GroupHasPassword(group) ? radio.setting.password : QString();
    QString entered;
    while (!expected.isEmpty() && entered != expected) {
        CAskPwdDlg dlg(expected, prompter, app.MainFrame());
        if (dlg.exec() != QDialog::Accepted)
            return false;
        entered = dlg.Entered();
    }
    CReadWriteDialog dlg(CReadWriteDialog::Mode::Read, radio, false, app.Radio().UiContext(), session.get(),
                         app.MainFrame());
    return dlg.exec() == QDialog::Accepted;
}

}  // namespace

CCompareRadioDialog::CCompareRadioDialog(const std::vector<link::ProfileDifference> &differences, const QString &radio,
                                         const QString &profile, QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(LoadStr(IDS_COMPARE_TITLE));
    setWindowFlag(Qt::WindowMaximizeButtonHint);
    auto *layout = new QVBoxLayout(this);
    m_pIntro = new QLabel(differences.empty()
                              ? FormatStr(IDS_COMPARE_SAME, {radio})
                              : FormatStr(IDS_COMPARE_DIFFERENT, {profile, radio, QString::number(differences.size())}),
                          this);
    m_pIntro->setTextFormat(Qt::PlainText);
    m_pIntro->setWordWrap(true);
    layout->addWidget(m_pIntro);
    m_pList = new QTreeWidget(this);
    m_pList->setAccessibleName(windowTitle());
    m_pList->setRootIsDecorated(false);
    m_pList->setHeaderLabels({LoadStr(IDS_COMPARE_COL_ITEM), LoadStr(IDS_COMPARE_COL_FIELD),
                              LoadStr(IDS_COMPARE_COL_RADIO), LoadStr(IDS_COMPARE_COL_PROFILE)});
    for (const link::ProfileDifference &d : differences) {
        // An item only one side has shows as there on that side and not there on the other.
        QString inRadio = d.oldValue, inProfile = d.newValue;
        if (d.kind == link::ProfileDifference::Added) {
            inRadio = LoadStr(IDS_COMPARE_ABSENT);
            inProfile = LoadStr(IDS_COMPARE_PRESENT);
        } else if (d.kind == link::ProfileDifference::Removed) {
            inRadio = LoadStr(IDS_COMPARE_PRESENT);
            inProfile = LoadStr(IDS_COMPARE_ABSENT);
        }
        auto *item = new QTreeWidgetItem(m_pList, {d.item, d.field, inRadio, inProfile});
        item->setToolTip(0, link::DescribeDifference(d));
    }
    for (int c = 0; c < m_pList->columnCount(); ++c)
        m_pList->resizeColumnToContents(c);
    m_pList->setVisible(!differences.empty());
    layout->addWidget(m_pList, 1);
    auto *buttons = new QDialogButtonBox(this);
    buttons->addButton(LoadStr(IDS_HISTORY_CLOSE), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    FitToScreen(*this, QSize(820, 520));
}

QString CCompareRadioDialog::IntroText() const
{
    return m_pIntro->text();
}

void CompareWithRadio(CZQVCPSApp &app)
{
    CMainFrame *frame = app.MainFrame();
    CChildFrame *child = frame ? frame->ActiveChild() : nullptr;
    if (!child || !child->Tree().CommitPendingEdits())
        return;
    const QString port = app.FindPort(false);
    if (port.isEmpty()) {
        app.Prompter().ShowMessage(IDS_NO_COM_PORT);
        return;
    }
    frame->SetCablePort(port);
    // The profile window stays open while the radio is read.
    QPointer<CChildFrame> target(child);
    target->SetTransferLock(true);
    VirtualCPData radio;
    const bool read = ReadRadioForCompare(app, port, radio);
    if (target)
        target->SetTransferLock(false);
    if (!read || !target)
        return;
    VirtualCPData profile;
    try {
        if (!target->Document().GetVirtualCPData(profile, radio.limit.pid))
            return;
    } catch (const CZQVCPSException &e) {
        app.Prompter().ShowMessage(e.GetMessageId());
        return;
    }
    const auto differences = link::CompareRecords(radio, link::ExpectedAfterWrite(profile, radio.limit));
    CCompareRadioDialog dlg(differences, link::RadioLabel(radio), target->Document().GetTitle(), frame);
    dlg.exec();
}

}  // namespace zqv
