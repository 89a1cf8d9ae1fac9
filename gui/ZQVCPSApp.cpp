#include "ZQVCPSApp.h"

#include "AboutDlg.h"
#include "Appearance.h"
#include "Artwork.h"
#include "ChildFrame.h"
#include "DealerInfoDialog.h"
#include "DialogHelp.h"
#include "FleetWindow.h"
#include "HelpModule.h"
#include "MainFrame.h"
#include "MessageBoxPrompter.h"
#include "NewProfileDlg.h"
#include "PreferenceDialog.h"
#include "RadioCommands.h"
#include "RadioTransfer.h"
#include "ReportDlg.h"
#include "SplashWindow.h"
#include "StringTable.h"
#include "ZQVCPSException.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>

namespace zqv {

namespace {

// The splash picture's time on screen.
constexpr int kSplashMs = 2500;

QString OpenFilter()
{
    // "ZQV CPS Files (*.zqv)" and "All Files (*.*)".
    return QStringLiteral("%1 %2 (*.zqv);;%3 (*)")
        .arg(LoadStr(IDS_APP_NAME), LoadStr(IDS_FILTER_FILES), LoadStr(IDS_FILTER_ALL_FILES));
}

}  // namespace

QString CQtFileDialog::GetSaveFileName(const SaveRequest &request)
{
    QFileDialog dialog(QApplication::activeWindow(), QString(), request.proposedPath, request.filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(request.defaultExtension);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().first();
}

CZQVCPSApp::CZQVCPSApp() : CZQVCPSApp(Services()) {}

CZQVCPSApp::CZQVCPSApp(Services services)
{
    if (services.prompter) {
        m_pPrompter = services.prompter;
    } else {
        m_pOwnPrompter = std::make_unique<CMessageBoxPrompter>();
        m_pPrompter = m_pOwnPrompter.get();
    }
    if (services.store) {
        m_pStore = services.store;
    } else {
        m_pOwnStore = std::make_unique<CConfigStore>();
        m_pStore = m_pOwnStore.get();
    }
    if (services.fileDialog) {
        m_pFileDialog = services.fileDialog;
    } else {
        m_pOwnFileDialog = std::make_unique<CQtFileDialog>();
        m_pFileDialog = m_pOwnFileDialog.get();
    }
    m_pPorts = services.ports ? services.ports : std::make_shared<CQtPortEnumerator>();
    m_pShell = std::make_unique<CAppShell>(*m_pStore, *m_pPrompter);
    if (services.scriptEngineCheck)
        m_pShell->SetScriptEngineCheck(services.scriptEngineCheck);
    // The Report command: the report choice, then the report in its window.
    m_fnReport = [this](CChildFrame &child) {
        const CReportContext context{m_pShell->GetInstallPath(),
                                     report::DefaultReportCacheFolder(),
                                     ReadDealerTexts(*m_pStore, m_pShell->GetCurrentLanguage()),
                                     m_pPrompter,
                                     m_pFileDialog,
                                     m_pMainFrame};
        RunReportCommand(child.Document(), context);
    };
}

CZQVCPSApp::~CZQVCPSApp()
{
    delete m_pMainFrame;
    m_pRadio.reset();
}

bool CZQVCPSApp::InitInstance(const QStringList &arguments)
{
    const CommandLine cmd = ParseCommandLine(arguments);
    if (!cmd.port.isEmpty()) {
        // The named ports are the only ones, each taken for a programming cable (several, comma
        // separated, for the Fleet window).
        auto ports = std::make_shared<CListPortEnumerator>();
        for (const QString &port : cmd.port.split(u',', Qt::SkipEmptyParts))
            ports->Add(port, QString::fromLatin1(kCableDescription));
        m_pPorts = std::move(ports);
    }

    // The window needs no script engine: it is checked before the first profile is built.
    if (!m_pShell->Start(true))
        return false;
    QString traceError;
    if (!CPreferenceDialog::ApplyLinkTrace(*m_pStore, &traceError))
        m_pPrompter->Show(traceError, MB_OK | MB_ICONWARNING);

    // A look of the program's own is in place before the first window is built (nothing
    // happens when the desktop's is chosen).
    ApplyAppearance(ReadAppearance(*m_pStore));
    m_pRadio = std::make_unique<CRadioCommands>(*this);
    m_pMainFrame = new CMainFrame(*this);
    // What the first frame does without comes once it is on screen: the windows' icon (painted
    // at four sizes for the window manager) and the setting documents (loaded before, by a
    // profile named on the command line). A start that cannot load the documents ends there
    // with the reason.
    connect(m_pMainFrame, &CMainFrame::FirstFrameShown, this, [this] {
        QApplication::setWindowIcon(AppIcon());
        if (!m_pShell->SettingDocumentsReady()) {
            m_bStartFailed = true;
            m_pMainFrame->close();
        }
    });
    qApp->installEventFilter(
        new CDialogHelpKey([this](QWidget *window, const QString &page) { OnDialogHelp(window, page); }, this));

    // A plain start opens nothing; a profile named on the command line is opened, and a
    // profile that cannot be opened ends the start as the shell command would. It goes into
    // the recent-file list once the window is on screen: writing the configuration file can
    // wait until then.
    if (!cmd.profile.isEmpty()) {
        if (!OpenProfile(cmd.profile, false)) {
            delete m_pMainFrame;
            return false;
        }
        connect(m_pMainFrame, &CMainFrame::FirstFrameShown, this,
                [this, path = cmd.profile] { AddToRecentFiles(path); });
    }

    LocalizeMenus();
    PruneLanguageMenu();

    if (cmd.splash) {
        auto *splash = new CSplashWindow(
            SplashPixmap(LoadStr(IDS_APP_NAME), FormatStr(IDS_ABOUT_VERSION, {CAboutDlg::ProductVersion()})),
            kSplashMs);
        connect(splash, &CSplashWindow::Closed, this, [this] {
            if (m_pMainFrame)
                m_pMainFrame->ShowMaximized();
        });
        splash->show();
    } else {
        m_pMainFrame->ShowMaximized();
    }
    return true;
}

CModelEnvironment CZQVCPSApp::ModelEnvironment()
{
    CModelEnvironment env;
    env.installDir = m_pShell->GetInstallPath();
    env.regionCode = m_pShell->GetRegion();
    env.upgradeDoc = m_pShell->GetUpgradeDoc();
    env.prompter = m_pPrompter;
    return env;
}

std::shared_ptr<const CXmlDocument> CZQVCPSApp::WorkingSettingDocument(int group)
{
    if (group != m_pShell->GetCurrentSettingGroup() || !m_pShell->GetWorkingSettingDoc())
        return m_pShell->BuildGroupSettingDoc(group);
    return m_pShell->GetWorkingSettingDoc();
}

void CZQVCPSApp::LocalizeMenus()
{
    if (!m_pMainFrame || !m_pShell->LocalizeMenusPasses().Take())
        return;
    // The menu texts come from the string table of the current language when the menus are
    // built; what start-up adds is the Language popup's labels from Region.stv.
    const LanguageMenuLabels labels =
        PlanLanguageMenuLabels(m_pShell->GetSupportLanguages(),
                               [this](const QString &language) { return m_pShell->GetLanguageDisplayName(language); });
    if (!labels.relabel)
        return;
    QMenu *menu = m_pMainFrame->LanguageMenu();
    menu->setTitle(labels.popupLabel);
    for (const auto &[id, label] : labels.entries)
        if (QAction *action = m_pMainFrame->Action(id))
            action->setText(label);
}

void CZQVCPSApp::PruneLanguageMenu()
{
    if (!m_pMainFrame || !m_pShell->LanguageMenuPasses().Take())
        return;
    const LanguageMenuPruning plan = PlanLanguageMenuPruning(m_pShell->GetSupportLanguages());
    QMenu *menu = m_pMainFrame->LanguageMenu();
    if (plan.removePopup) {
        menu->menuAction()->setVisible(false);
        return;
    }
    for (const QString &language : plan.removeEntries) {
        for (const LanguageEntry &entry : kLanguages) {
            if (language == QLatin1String(entry.name))
                if (QAction *action = m_pMainFrame->Action(entry.commandId))
                    menu->removeAction(action);
        }
    }
}

QString CZQVCPSApp::FindPort(bool autoDetect)
{
    PortPreference preference;
    if (const auto detect = m_pStore->ReadDword(config::AutoDetect))
        preference.autoDetect = static_cast<int>(*detect);
    preference.currentComPort = m_pStore->ReadString(config::CurrentComPort);
    return zqv::FindPort(*m_pPorts, preference, autoDetect);
}

bool CZQVCPSApp::TransferIdle() const
{
    return (!m_pRadio || m_pRadio->IsIdle()) && !FleetRunning(m_pMainFrame);
}

CChildFrame *CZQVCPSApp::CreateChild()
{
    return new CChildFrame(*this, m_pMainFrame ? m_pMainFrame->HelpPaneShown() : false);
}

void CZQVCPSApp::ShowFileMessage(const QString &path, const QString &message)
{
    m_pPrompter->Show(FormatStr(IDS_FILE_MESSAGE, {QDir::toNativeSeparators(path), message}), MB_OK | MB_ICONERROR);
}

std::unique_ptr<CRadioDataModel> CZQVCPSApp::CheckProfile(const QString &path)
{
    if (!ProfilesCanBeBuilt())
        return nullptr;
    // The messages name the file: several may be opened at once (a drop, a command line).
    try {
        auto model = std::make_unique<CRadioDataModel>(ModelEnvironment());
        model->Initialize();
        if (model->LoadProfile(path, true))
            return model;
        ShowFileMessage(path, LoadStr(IDS_LOAD_PROFILE_FAILED));
    } catch (const CZQVCPSException &e) {
        ShowFileMessage(path, e.MessageText());
    } catch (const std::exception &) {
        ShowFileMessage(path, LoadStr(IDS_UNKNOWN_ERROR));
    }
    return nullptr;
}

bool CZQVCPSApp::ProfilesCanBeBuilt()
{
    return m_pShell->ScriptEngineReady() && m_pShell->SettingDocumentsReady();
}

void CZQVCPSApp::OnFileNew()
{
    if (!m_pMainFrame)
        return;
    if (!ProfilesCanBeBuilt())
        return;
    CNewProfileDlg dlg(m_pShell->GetInstallPath(), *m_pPrompter, m_pMainFrame);
    if (dlg.exec() != QDialog::Accepted)
        return;
    m_pShell->SetNewProfileTemplatePath(dlg.TemplatePath());
    if (!CheckProfile(dlg.TemplatePath()))
        return;
    AddNewChild(nullptr);
}

void CZQVCPSApp::NewProfileFromRecord(const VirtualCPData &record)
{
    if (m_pMainFrame && ProfilesCanBeBuilt())
        AddNewChild(&record);
}

void CZQVCPSApp::AddNewChild(const VirtualCPData *record)
{
    CChildFrame *child = CreateChild();
    if (!child->NewDocument(record)) {
        delete child;
        return;
    }
    // Profiles read from radios are named after the radio's ID: a second one of the same
    // radio is told apart by a number, "20000001 (2)", as untitled documents are numbered.
    QStringList titles;
    for (CChildFrame *open : m_pMainFrame->Children())
        titles << open->Title();
    const QString base = child->Title();
    QString title = base;
    for (int n = 2; titles.contains(title); ++n)
        title = QStringLiteral("%1 (%2)").arg(base).arg(n);
    if (title != base)
        child->SetTitle(title);
    m_pMainFrame->AddChild(child);
}

void CZQVCPSApp::OnFileOpen()
{
    if (!m_pMainFrame)
        return;
    const QString path = QFileDialog::getOpenFileName(m_pMainFrame, QString(), QString(), OpenFilter());
    if (!path.isEmpty())
        OpenProfile(path);
}

bool CZQVCPSApp::OpenProfile(const QString &path, bool addToRecent)
{
    if (!m_pMainFrame)
        return false;
    const QString canonical = QFileInfo(path).canonicalFilePath();
    for (QMdiSubWindow *sub : m_pMainFrame->MdiArea()->subWindowList()) {
        auto *child = qobject_cast<CChildFrame *>(sub->widget());
        if (child && !canonical.isEmpty() &&
            QFileInfo(child->Document().GetPathName()).canonicalFilePath() == canonical) {
            m_pMainFrame->MdiArea()->setActiveSubWindow(sub);
            return true;
        }
    }
    CChildFrame *child = OpenChild(path);
    if (!child)
        return false;
    m_pMainFrame->AddChild(child);
    if (addToRecent)
        AddToRecentFiles(path);
    return true;
}

CChildFrame *CZQVCPSApp::OpenChild(const QString &path)
{
    std::unique_ptr<CRadioDataModel> checked = CheckProfile(path);
    if (!checked)
        return nullptr;
    CChildFrame *child = CreateChild();
    if (!child->OpenDocument(path, std::move(checked))) {
        delete child;
        return nullptr;
    }
    return child;
}

CChildFrame *CZQVCPSApp::OpenProfileCopy(const QString &path, const QString &title)
{
    if (!m_pMainFrame)
        return nullptr;
    CChildFrame *child = OpenChild(path);
    if (!child)
        return nullptr;
    child->Document().SetPathName(QString());
    child->SetTitle(title);
    m_pMainFrame->AddChild(child);
    return child;
}

void CZQVCPSApp::OnOpenRecentFile(int index)
{
    const QStringList files = RecentFiles();
    if (index < 0 || index >= files.size())
        return;
    const QString path = files[index];
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        RemoveFromRecentFiles(path);
        ShowFileMessage(path, file.errorString());
        return;
    }
    file.close();
    if (!OpenProfile(path))
        RemoveFromRecentFiles(path);
}

QStringList CZQVCPSApp::RecentFiles() const
{
    QStringList files;
    for (int i = 1; i <= 4; ++i) {
        const auto value = m_pStore->ReadString(config::RecentFile, QString::number(i));
        if (value && !value->isEmpty())
            files << *value;
    }
    return files;
}

void CZQVCPSApp::WriteRecentFiles(const QStringList &files)
{
    for (int i = 1; i <= 4; ++i) {
        if (i <= files.size())
            m_pStore->Write(config::RecentFile, files[i - 1], QString::number(i));
        else
            m_pStore->Remove(config::RecentFile, QString::number(i));
    }
    emit RecentFilesChanged();
}

void CZQVCPSApp::AddToRecentFiles(const QString &path)
{
    if (path.isEmpty())
        return;
    const QString absolute = QFileInfo(path).absoluteFilePath();
    QStringList files = RecentFiles();
    files.removeAll(absolute);
    files.prepend(absolute);
    while (files.size() > 4)
        files.removeLast();
    WriteRecentFiles(files);
}

void CZQVCPSApp::RemoveFromRecentFiles(const QString &path)
{
    QStringList files = RecentFiles();
    files.removeAll(path);
    WriteRecentFiles(files);
}

void CZQVCPSApp::OnAppAbout()
{
    CAboutDlg dlg(m_pMainFrame);
    dlg.exec();
}

void CZQVCPSApp::OnDealerInfo()
{
    CDealerInfoDialog::Run(*m_pStore, *m_pPrompter, m_pShell->GetCurrentLanguage(), m_pMainFrame);
}

void CZQVCPSApp::OnPreference()
{
    CPreferenceDialog dlg(*m_pStore, *m_pPorts, m_pMainFrame);
    if (m_pMainFrame)
        connect(&dlg, &CPreferenceDialog::PortChosen, m_pMainFrame, &CMainFrame::SetPortPane);
    const int result = dlg.exec();
    if (m_pMainFrame) {
        // The chosen port is the one the transfers use from now on; after Cancel the status
        // bar shows the port in use again.
        if (result == QDialog::Accepted)
            m_pMainFrame->SetCablePort(FindPort(false));
        else
            m_pMainFrame->SetPortPane(m_pMainFrame->CablePort());
    }
}

void CZQVCPSApp::OnHelpContents()
{
    OnHelpTopic(QString());
    if (m_pHelpWindow)
        m_pHelp->ShowContents();
}

void CZQVCPSApp::OnHelpTopic(const QString &page)
{
    // One help window at a time: another topic replaces the page it shows. A language change
    // names another help file, which opens in a window of its own.
    const QString path = m_pShell->GetHelpFilePath();
    if (m_pHelpWindow && m_pHelp->HelpFilePath() == path) {
        m_pHelp->ShowTopic(page);
    } else {
        if (m_pHelpWindow)
            m_pHelpWindow->close();
        // The help is a module of its own; one that cannot be loaded is an incomplete
        // installation.
        QString error;
        m_pHelp = ShowHelpWindow(path, *m_pPrompter, m_pMainFrame, page, &error);
        m_pHelpWindow = m_pHelp ? m_pHelp->Window() : nullptr;
        if (!m_pHelp && !error.isEmpty())
            m_pPrompter->Show(LoadStr(IDS_FILES_MISSING) + u'\n' + error, MB_OK | MB_ICONERROR);
    }
    if (m_pHelpWindow)
        m_pHelp->Activate();
}

void CZQVCPSApp::OnDialogHelp(QWidget *window, const QString &page)
{
    OnHelpTopic(page);
    if (!m_pHelpWindow)
        return;
    KeepHelpUsable(m_pHelpWindow, window, m_pMainFrame);
    m_pHelp->Activate();
}

void CZQVCPSApp::OnReport()
{
    CChildFrame *child = m_pMainFrame ? m_pMainFrame->ActiveChild() : nullptr;
    if (!child || !m_fnReport)
        return;
    if (!child->Tree().CommitPendingEdits())
        return;
    child->Tree().RefreshSelectedItem();
    try {
        m_fnReport(*child);
    } catch (const CZQVCPSException &e) {
        // With its arguments: a report that cannot be written names its file and the cause.
        m_pPrompter->Show(e.MessageText(), MB_OK);
    }
}

}  // namespace zqv
