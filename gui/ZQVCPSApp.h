// The application object of the desktop program: start-up in its fixed order (configuration,
// language, script engine, setting documents, region, working setting document, main window,
// command line, menus, splash), the File New / Open / recent-file / About commands, and what
// every profile window shares (prompter, file dialog, setting documents, the record of the
// last radio read).
#pragma once

#include "AppShell.h"
#include "ConfigStore.h"
#include "FileDialog.h"
#include "MainFrame.h"
#include "PortEnumerator.h"
#include "Prompter.h"
#include "RadioDataModel.h"
#include "VirtualCPData.h"

#include <QObject>
#include <QPointer>
#include <QStringList>
#include <functional>
#include <memory>

namespace zqv {

class CChildFrame;
class CMainFrame;
class CRadioCommands;
class IHelpWindow;

// The desktop program's save dialog.
class CQtFileDialog : public IFileDialog {
public:
    QString GetSaveFileName(const SaveRequest &request) override;
};

class CZQVCPSApp : public QObject {
    Q_OBJECT
public:
    // What can be given in place of the real pieces (tests): a prompter, a configuration
    // store, a save dialog, the script-engine check and the serial-port service.
    struct Services {
        IPrompter *prompter = nullptr;
        CConfigStore *store = nullptr;
        IFileDialog *fileDialog = nullptr;
        std::function<bool()> scriptEngineCheck;
        std::shared_ptr<IPortEnumerator> ports;
    };

    CZQVCPSApp();
    explicit CZQVCPSApp(Services services);
    ~CZQVCPSApp() override;

    // The command line: "--no-splash" skips the splash picture (tests, benchmarks);
    // "--port PATH" makes PATH the only serial port, taken for the programming cable (a
    // simulated radio's pseudo-terminal, which the system's port list never shows); the
    // first other argument is a profile to open. "--help" and "--version" ask for a text
    // instead of a start. The toolkit's own options ("-platform xcb", "-style=fusion") are
    // passed over; any other option is an error. Needs no application object, so main() can
    // answer before it opens a display.
    struct CommandLine {
        bool splash = true;
        QString port;
        QString profile;
        bool help = false;
        bool version = false;
        QString error;  // an unknown option, or one without its value; empty when none
    };
    static CommandLine ParseCommandLine(const QStringList &arguments);
    // What "--help" prints (and a command-line error, after its reason).
    static QString UsageText();

    // Start-up. False ends the program (the failing step has shown its message). The main
    // window is shown after the splash, or at once without it.
    bool InitInstance(const QStringList &arguments);
    // True when start-up ended after the window was shown (the setting documents could not be
    // loaded; the message has been shown and the window closed).
    bool StartFailed() const { return m_bStartFailed; }

    IPrompter &Prompter() { return *m_pPrompter; }
    IFileDialog &FileDialog() { return *m_pFileDialog; }
    CConfigStore &Store() { return *m_pStore; }
    CAppShell &Shell() { return *m_pShell; }
    CMainFrame *MainFrame() const { return m_pMainFrame; }
    CRadioCommands &Radio() { return *m_pRadio; }
    IPortEnumerator &Ports() { return *m_pPorts; }

    // Start-up state.
    QString CurrentLanguage() const { return m_pShell->GetCurrentLanguage(); }
    int ReadShowContextHelp() const { return m_pStore->ReadShowContextHelp(); }
    void WriteShowContextHelp(bool show) { m_pStore->WriteShowContextHelp(show); }
    CModelEnvironment ModelEnvironment();
    std::shared_ptr<const CXmlDocument> WorkingSettingDocument(int group);
    QString NewProfileTemplatePath() const { return m_pShell->GetNewProfileTemplatePath(); }

    // Menus: the language popup's labels and the entries the installation does not offer.
    void LocalizeMenus();
    void PruneLanguageMenu();

    // The cable's port (empty when none): with `autoDetect` only the cable counts.
    QString FindPort(bool autoDetect);
    bool TransferIdle() const;

    // Commands of the application.
    void OnFileNew();
    // A new profile window made from a radio's record as read.
    void NewProfileFromRecord(const VirtualCPData &record);
    void OnFileOpen();
    // Opens a profile (Open, recent file, dropped file, command line). A profile that is
    // already open is brought to the front. False when it was not opened. A profile opened
    // is put first in the recent-file list unless `addToRecent` is false.
    bool OpenProfile(const QString &path, bool addToRecent = true);
    // Opens a profile as an untitled copy named `title`: the window has no file, so Save asks
    // where to save and the file itself is never written; it is not added to the recent files.
    // The window, or null when it was not opened.
    CChildFrame *OpenProfileCopy(const QString &path, const QString &title);
    void OnOpenRecentFile(int index);
    void OnAppAbout();
    void OnDealerInfo();
    void OnPreference();
    void OnHelpContents();
    // Opens the help at `page` ("settings.htm#contrast"; the start page when empty or missing
    // from the help file), in the help window already open when there is one.
    void OnHelpTopic(const QString &page);
    // F1 in a dialog or window of the program's own: the help at its page, usable while the
    // dialog is modal.
    void OnDialogHelp(QWidget *window, const QString &page);
    void OnReport();

    // Reports are generated by a handler (the report window's, unless a test installs its
    // own); without one the Report command stays disabled.
    using ReportHandler = std::function<void(CChildFrame &)>;
    void SetReportHandler(ReportHandler handler) { m_fnReport = std::move(handler); }
    bool HasReportHandler() const { return static_cast<bool>(m_fnReport); }

    // The most-recently-used profiles, newest first.
    QStringList RecentFiles() const;
    void AddToRecentFiles(const QString &path);
    void RemoveFromRecentFiles(const QString &path);

signals:
    void RecentFilesChanged();

private:
    // Checks a profile in a data model of its own before a window is made for it, showing what
    // is wrong (naming the file). The loaded model (a window takes it over), or null.
    std::unique_ptr<CRadioDataModel> CheckProfile(const QString &path);
    // The script engine and the setting documents are there (checked when first needed: the
    // window needs neither); each failure shows its message.
    bool ProfilesCanBeBuilt();
    // An error box about a file: its path, then the message.
    void ShowFileMessage(const QString &path, const QString &message);
    CChildFrame *CreateChild();
    // A new profile window from `record`, or from the chosen template (null).
    void AddNewChild(const VirtualCPData *record);
    // A new profile window with the profile at `path` checked and opened, not yet shown;
    // nullptr (the reason shown) when it does not open.
    CChildFrame *OpenChild(const QString &path);
    void WriteRecentFiles(const QStringList &files);

    std::unique_ptr<IPrompter> m_pOwnPrompter;
    std::unique_ptr<CConfigStore> m_pOwnStore;
    std::unique_ptr<IFileDialog> m_pOwnFileDialog;
    IPrompter *m_pPrompter = nullptr;
    CConfigStore *m_pStore = nullptr;
    IFileDialog *m_pFileDialog = nullptr;
    std::shared_ptr<IPortEnumerator> m_pPorts;
    std::unique_ptr<CAppShell> m_pShell;
    QPointer<CMainFrame> m_pMainFrame;
    // The help window (from the help module) and the program's handle on it, valid while the
    // window lives.
    QPointer<QMainWindow> m_pHelpWindow;
    IHelpWindow *m_pHelp = nullptr;
    std::unique_ptr<CRadioCommands> m_pRadio;
    ReportHandler m_fnReport;
    bool m_bStartFailed = false;
};

}  // namespace zqv
