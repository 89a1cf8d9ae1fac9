#include "ConnectionDialogs.h"

#include "AppShell.h"
#include "ChildFrame.h"
#include "ConfigStore.h"
#include "FileDialog.h"
#include "MainFrame.h"
#include "Prompter.h"
#include "RadioDataModel.h"
#include "ScreenFit.h"
#include "StringIds.h"
#include "StringTable.h"
#include "SupportBundle.h"
#include "TraceStore.h"
#include "ZQVCPSApp.h"
#include "ZQVCPSDoc.h"

#include <QApplication>
#include <QCheckBox>
#include <QCoreApplication>
#include <QDateTime>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QStyle>
#include <QThread>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace zqv {
namespace {

// The short name of a command from its prompt ("description\nShort name"), for a window title.
QString TitleOf(int promptId)
{
    return LoadStr(promptId).section(u'\n', -1);
}

// A list keeps a few rows in sight however small the screen; beyond them it scrolls.
constexpr int kListLeastHeight = 100;

QLabel *WrappedLabel(const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);  // port names, paths and process names as they are
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

}  // namespace

CFindCableDialog::CFindCableDialog(IPortEnumerator &ports, QWidget *parent, int pollMs)
    : QDialog(parent), m_ports(ports)
{
    setWindowTitle(TitleOf(IDS_PROMPT_DEVICE_FIND_CABLE));
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(WrappedLabel(LoadStr(IDS_FIND_INSTRUCTION), this));
    m_pList = new QTreeWidget(this);
    m_pList->setAccessibleName(windowTitle());
    m_pList->setRootIsDecorated(false);
    m_pList->setHeaderLabels(LoadStr(IDS_FIND_COLUMNS).split(u'|'));
    m_pList->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    // The list scrolls where the screen is too small for its columns.
    m_pList->setMinimumHeight(kListLeastHeight);
    layout->addWidget(m_pList, 1);
    m_pStatus = WrappedLabel(QString(), this);
    layout->addWidget(m_pStatus);
    auto *buttons = new QDialogButtonBox(this);
    m_pUse = buttons->addButton(LoadStr(IDS_FIND_USE), QDialogButtonBox::AcceptRole);
    m_pUse->setEnabled(false);
    buttons->addButton(LoadStr(IDS_REPORT_CLOSE), QDialogButtonBox::RejectRole);
    connect(m_pUse, &QPushButton::clicked, this, &CFindCableDialog::OnUse);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    FitToScreen(*this, QSize(760, 320));

    m_finder.Start(m_ports.Ports());
    Fill();
    connect(&m_timer, &QTimer::timeout, this, &CFindCableDialog::Poll);
    m_timer.start(pollMs);
}

void CFindCableDialog::Fill()
{
    const QString selected = m_pList->currentItem() ? m_pList->currentItem()->text(0) : QString();
    m_pList->clear();
    for (const PortInfo &p : TakePortInventory(m_ports)) {
        auto *item = new QTreeWidgetItem(m_pList,
                                         {p.entry.portName, p.entry.description, UsbIds(p.entry), p.entry.serialNumber,
                                          p.isCable ? LoadStr(IDS_REPORT_YES) : QString(), DescribeHolders(p.holders)});
        item->setToolTip(0, p.entry.systemLocation);
        // The port the finder found last is the one offered; the user may pick another found one.
        if (p.entry.portName == (m_finder.FoundPorts().isEmpty() ? selected : m_finder.FoundPorts().last()))
            m_pList->setCurrentItem(item);
    }
}

void CFindCableDialog::Poll()
{
    const QList<CCableFinder::Event> events = m_finder.Update(m_ports.Ports());
    if (events.isEmpty())
        return;
    QStringList lines;
    for (const CCableFinder::Event &e : events)
        lines << FormatStr(e.kind == CCableFinder::EventKind::Gone ? IDS_FIND_GONE : IDS_FIND_BACK, {e.portName});
    m_pStatus->setText(lines.join(u'\n'));
    Fill();
    m_pUse->setEnabled(!m_finder.FoundPorts().isEmpty());
}

void CFindCableDialog::OnUse()
{
    const QStringList &found = m_finder.FoundPorts();
    if (found.isEmpty())
        return;
    const QString current = m_pList->currentItem() ? m_pList->currentItem()->text(0) : QString();
    m_strChosen = found.contains(current) ? current : found.last();
    accept();
}

CTestConnectionDialog::CTestConnectionDialog(const CCableDoctor &doctor, const QString &port, QWidget *parent)
    : QDialog(parent), m_doctor(doctor), m_strPort(port)
{
    setWindowTitle(TitleOf(IDS_PROMPT_DEVICE_TEST_CONNECTION) + QStringLiteral(" - ") + port);
    auto *layout = new QVBoxLayout(this);
    m_pChecks = new QTreeWidget(this);
    m_pChecks->setAccessibleName(windowTitle());
    m_pChecks->setHeaderHidden(true);
    m_pChecks->setRootIsDecorated(false);
    m_pChecks->setMinimumHeight(kListLeastHeight);
    for (DoctorCheck check : {DoctorCheck::PortExists, DoctorCheck::MayOpen, DoctorCheck::NotHeld, DoctorCheck::Answers,
                              DoctorCheck::WellFormed, DoctorCheck::Supported})
        new QTreeWidgetItem(m_pChecks, {DoctorCheckName(check)});
    layout->addWidget(m_pChecks, 1);
    m_pResult = WrappedLabel(QString(), this);
    layout->addWidget(m_pResult);
    auto *buttons = new QDialogButtonBox(this);
    m_pClose = buttons->addButton(LoadStr(IDS_REPORT_CLOSE), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    FitToScreen(*this, QSize(600, 320));
}

CTestConnectionDialog::~CTestConnectionDialog()
{
    if (m_pWorker) {
        m_pWorker->wait();
        delete m_pWorker;
    }
}

void CTestConnectionDialog::Start()
{
    if (m_pWorker)
        return;
    m_bFinished = false;
    QPointer<CTestConnectionDialog> self(this);
    m_pWorker = QThread::create([this, self] {
        const DoctorReport report = m_doctor.Run(m_strPort);
        QMetaObject::invokeMethod(
            qApp,
            [self, report] {
                if (self)
                    self->Show(report);
            },
            Qt::QueuedConnection);
    });
    m_pWorker->start();
}

void CTestConnectionDialog::Show(const DoctorReport &report)
{
    m_pWorker->wait();
    delete m_pWorker;
    m_pWorker = nullptr;
    m_report = report;
    QStyle *s = style();
    for (int i = 0; i < m_pChecks->topLevelItemCount(); ++i) {
        QTreeWidgetItem *item = m_pChecks->topLevelItem(i);
        item->setIcon(0, QIcon());
        item->setDisabled(i >= report.steps.size());
        if (i < report.steps.size())
            item->setIcon(
                0,
                s->standardIcon(report.steps[i].passed ? QStyle::SP_DialogApplyButton : QStyle::SP_MessageBoxCritical));
    }
    const DoctorStep *failed = report.Failure();
    m_pResult->setText(failed ? failed->detail : report.summary);
    m_bFinished = true;
    emit Done();
}

void RunFindCable(CZQVCPSApp &app)
{
    CFindCableDialog dlg(app.Ports(), app.MainFrame());
    if (dlg.exec() != QDialog::Accepted || dlg.ChosenPort().isEmpty())
        return;
    // The cable's port is the port choice from now on, whatever detection would pick.
    app.Store().Write(config::CurrentComPort, dlg.ChosenPort());
    app.Store().Write(config::AutoDetect, 0u);
    if (CMainFrame *frame = app.MainFrame())
        frame->SetCablePort(app.FindPort(false));
    app.Prompter().Show(FormatStr(IDS_FIND_STORED, {dlg.ChosenPort()}), MB_OK | MB_ICONINFORMATION);
}

void RunTestConnection(CZQVCPSApp &app, const QString &port)
{
    const QString target = port.isEmpty() ? app.FindPort(false) : port;
    CAppShell &shell = app.Shell();
    const CCableDoctor doctor([&shell](const QString &version) { return shell.GetGroupByVersion(version); });
    CTestConnectionDialog dlg(doctor, target, app.MainFrame());
    dlg.Start();
    dlg.exec();
}

void RunOpenLastTrace(CZQVCPSApp &app)
{
    const QStringList traces = tracestore::Traces();
    QFile file(traces.isEmpty() ? QString() : traces.first());
    if (traces.isEmpty() || !file.open(QIODevice::ReadOnly)) {
        app.Prompter().ShowMessage(IDS_TRACE_NONE, MB_OK | MB_ICONINFORMATION);
        return;
    }
    QDialog dlg(app.MainFrame());
    dlg.setWindowTitle(QDir::toNativeSeparators(traces.first()));
    auto *layout = new QVBoxLayout(&dlg);
    auto *text = new QPlainTextEdit(&dlg);
    text->setReadOnly(true);
    text->setAccessibleName(dlg.windowTitle());
    text->setLineWrapMode(QPlainTextEdit::NoWrap);
    text->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    text->setPlainText(QString::fromUtf8(file.read(8 * 1024 * 1024)));
    layout->addWidget(text);
    auto *buttons = new QDialogButtonBox(&dlg);
    buttons->addButton(LoadStr(IDS_REPORT_CLOSE), QDialogButtonBox::RejectRole);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dlg, &QDialog::reject);
    layout->addWidget(buttons);
    FitToScreen(dlg, QSize(900, 500));
    dlg.exec();
}

void RunSaveSupportBundle(CZQVCPSApp &app)
{
    QDialog dlg(app.MainFrame());
    dlg.setWindowTitle(TitleOf(IDS_PROMPT_HELP_SUPPORT_BUNDLE));
    auto *layout = new QVBoxLayout(&dlg);
    QLabel *contents = WrappedLabel(LoadStr(IDS_BUNDLE_CONTENTS), &dlg);
    layout->addWidget(contents);
    QLabel *leftOut = WrappedLabel(LoadStr(IDS_BUNDLE_NAMES_LEFT_OUT), &dlg);
    layout->addWidget(leftOut);
    auto *names = new QCheckBox(LoadStr(IDS_BUNDLE_NAMES_CHECK), &dlg);
    layout->addWidget(names);
    QObject::connect(names, &QCheckBox::toggled, leftOut, &QWidget::setHidden);
    auto *buttons = new QDialogButtonBox(&dlg);
    buttons->addButton(LoadStr(IDS_BUTTON_OK), QDialogButtonBox::AcceptRole)->setDefault(true);
    buttons->addButton(LoadStr(IDS_BUTTON_CANCEL), QDialogButtonBox::RejectRole);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dlg, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dlg, &QDialog::reject);
    layout->addWidget(buttons);
    FitToScreen(dlg, QSize(560, std::max(dlg.heightForWidth(560), dlg.sizeHint().height())));
    if (dlg.exec() != QDialog::Accepted)
        return;

    IFileDialog::SaveRequest request;
    request.proposedPath =
        QDir::home().filePath(QStringLiteral("zqvcps-support-%1.zip")
                                  .arg(QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmm"))));
    request.filter = QStringLiteral("*.zip");
    request.defaultExtension = QStringLiteral("zip");
    const QString path = app.FileDialog().GetSaveFileName(request);
    if (path.isEmpty())
        return;
    SupportBundleInput input;
    input.programVersion = QCoreApplication::applicationVersion();
    input.traces = tracestore::Traces();
    input.config = &app.Store();
    input.doctorReport = CCableDoctor::LastReportText();
    if (CChildFrame *child = app.MainFrame() ? app.MainFrame()->ActiveChild() : nullptr)
        input.profile = child->Document().Model().ProfileDocument();
    input.includeNames = names->isChecked();
    QString error;
    if (SaveSupportBundle(path, input, &error))
        app.Prompter().Show(FormatStr(IDS_BUNDLE_SAVED, {QDir::toNativeSeparators(path)}), MB_OK | MB_ICONINFORMATION);
    else
        app.Prompter().Show(FormatStr(IDS_BUNDLE_SAVE_FAILED, {QDir::toNativeSeparators(path), error}),
                            MB_OK | MB_ICONERROR);
}

void InstallTroubleshooterOffer(CZQVCPSApp &app)
{
    // Taken up after the failure's box has closed, so the test window is not stacked on it.
    SetTroubleshooterHandler([&app](const QString &port) {
        QTimer::singleShot(0, app.MainFrame(), [&app, port] { RunTestConnection(app, port); });
    });
}

void OfferTroubleshooter(QDialog &transferDialog, const QString &port, int code)
{
    if (code == link::LR_USER_CANCELED)
        return;
    auto *buttons = transferDialog.findChild<QDialogButtonBox *>();
    if (!buttons || buttons->property("zqvTroubleshooter").toBool())
        return;
    buttons->setProperty("zqvTroubleshooter", true);
    QPushButton *offer = buttons->addButton(LoadStr(IDS_DOC_OFFER_BUTTON), QDialogButtonBox::ActionRole);
    offer->setAutoDefault(false);
    QObject::connect(offer, &QPushButton::clicked, &transferDialog, [&transferDialog, port] {
        // The transfer window closes the way its OK button closes it, then the test runs.
        for (QAbstractButton *b : transferDialog.findChild<QDialogButtonBox *>()->buttons())
            if (transferDialog.findChild<QDialogButtonBox *>()->buttonRole(b) == QDialogButtonBox::AcceptRole) {
                b->click();
                break;
            }
        TakeUpTroubleshooter(port);
    });
}

}  // namespace zqv
