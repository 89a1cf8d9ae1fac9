// Every window of the desktop program that its window tests open: the program started in
// one of its languages with the fleet template open, each form of the profile tree, and each
// dialog and window built as the program builds it. One row per window, by name; a target that
// uses it links zqv_editors_frame and passes ZQV_BUILD_SYSTEM_CONFIG.
#pragma once

#include "GuiTestSupport.h"

#include "AboutDlg.h"
#include "AskPwdDlg.h"
#include "CableDoctor.h"
#include "CompareRadioDialog.h"
#include "ConnectionDialogs.h"
#include "DealerInfoDialog.h"
#include "ExchangeDialogs.h"
#include "FleetDialogs.h"
#include "FleetWindow.h"
#include "FrameEditors.h"
#include "HelpModule.h"
#include "NewProfileDlg.h"
#include "NodeKinds.h"
#include "PreferenceDialog.h"
#include "ProblemsPanel.h"
#include "ReportDlg.h"
#include "ReportOptionDlg.h"
#include "SafeWriteDialogs.h"
#include "TransferDialog.h"
#include "WriteHistoryDialog.h"
#include "ZQVCPSTreeView.h"

#include <QApplication>
#include <QSettings>
#include <functional>

namespace zqvtest {

// The languages of the program and their built translations (English has none).
inline const QList<QPair<QString, QString>> kTestLanguages{{"English", ""},
                                                           {"German", "zqvcps_de.qm"},
                                                           {"Spanish", "zqvcps_es.qm"},
                                                           {"LaSpanish", "zqvcps_es_419.qm"},
                                                           {"French", "zqvcps_fr.qm"},
                                                           {"CaFrench", "zqvcps_fr_CA.qm"},
                                                           {"LaPortuguese", "zqvcps_pt_BR.qm"}};

// The help file the build made for English, as the build's configuration names it.
inline QString BuiltHelpFile()
{
    QSettings conf(QStringLiteral(ZQV_BUILD_SYSTEM_CONFIG), QSettings::IniFormat);
    const QString install = conf.value(QStringLiteral("InstallPath")).toString();
    return QDir(install).filePath(conf.value(QStringLiteral("Language/English/HelpFileName")).toString());
}

// The program with the real editors and the fleet template open, in `language`.
struct CWorld {
    CGuiWorld gui;
    VirtualCPData record;
    TransferUiContext transfer;
    CCableDoctor doctor{[](const QString &) { return 0; }};
    std::vector<std::unique_ptr<QWidget>> owned;

    bool Start(const QString &language, const QString &qm)
    {
        InstallEditors(gui.prompter);
        if (!qm.isEmpty()) {
            QDir(gui.installPath).mkpath(QStringLiteral("translations"));
            QFile::copy(QStringLiteral(ZQV_BUILD_DIR "/data/translations/") + qm,
                        gui.installPath + QStringLiteral("/translations/") + qm);
            gui.store->Write(config::GUIResource, QStringLiteral("translations/") + qm, language);
            gui.store->Write(config::CurrentLanguage, language);
        }
        // F1 opens the help the build made (its English pages in every language).
        QDir(gui.installPath).mkpath(QStringLiteral("help"));
        QFile::link(BuiltHelpFile(), gui.installPath + QStringLiteral("/help/zqvcps.qch"));
        gui.store->Write(config::HelpFileName, QStringLiteral("help/zqvcps.qch"), language);
        for (const auto *v : {&config::UserDealerInfo, &config::UserContactInfo, &config::UserDealerNotes})
            gui.store->Write(*v, QStringLiteral("text"), language);
        gui.ports->Add(QStringLiteral("ttyUSB0"), QStringLiteral("USB serial"));
        transfer.prompter = &gui.prompter;
        transfer.findPort = [] { return QString(); };
        transfer.setPortPane = [](const QString &) {};
        if (!gui.Start() || !gui.app->OpenProfile(gui.CopyOfTemplate(QStringLiteral("fleet.zqv"), "ZQ-880 Fleet")))
            return false;
        gui.Frame().resize(1280, 800);
        gui.Frame().show();
        return true;
    }
    ~CWorld()
    {
        owned.clear();
        gui.app.reset();
        CChildFrame::SetTreeFactory(nullptr);
        CChildFrame::SetViewFactory(nullptr);
    }
    // Closes what the last row opened: its dialogs, help windows and the problems panel.
    void CloseWindows()
    {
        owned.clear();
        for (QWidget *w : QApplication::topLevelWidgets())
            if (w->objectName() == QLatin1String("HelpWindow"))
                delete w;
        Child().ShowProblems(false);
    }
    QWidget *Own(QWidget *w)
    {
        owned.emplace_back(w);
        return w;
    }
    CChildFrame &Child() { return *gui.Frame().ActiveChild(); }
    // The form of node `kind` (the first node of that kind), as the tree shows it.
    QWidget *Form(int kind)
    {
        auto *tree = qobject_cast<CZQVCPSTreeView *>(Child().Tree().Widget());
        QTreeWidgetItem *node = tree ? tree->FindNode(kind, 0) : nullptr;
        if (!node || !tree->SelectNode(node))
            return nullptr;
        QCoreApplication::processEvents();
        return Child().RightView();
    }
};

inline std::vector<link::ProfileDifference> SomeDifferences()
{
    link::ProfileDifference d;
    d.item = QStringLiteral("Private contact \"Ann\" (1001)");
    d.field = QStringLiteral("name");
    d.oldValue = QStringLiteral("Ann");
    d.newValue = QStringLiteral("Anne");
    return {d};
}

// Every window the program opens besides the forms: its class and how to open it.
struct WindowRow {
    const char *name;
    const char *className;
    std::function<QWidget *(CWorld &)> open;
};

inline const std::vector<WindowRow> &Windows()
{
    static const std::vector<WindowRow> rows{
        {"main window", "CMainFrame", [](CWorld &w) -> QWidget * { return &w.gui.Frame(); }},
        {"problems panel", "CProblemsPanel",
         [](CWorld &w) -> QWidget * {
             w.Child().ShowProblems(true);
             return w.Child().Problems();
         }},
        {"about", "CAboutDlg", [](CWorld &w) { return w.Own(new CAboutDlg(&w.gui.Frame())); }},
        {"password", "CAskPwdDlg",
         [](CWorld &w) { return w.Own(new CAskPwdDlg(QStringLiteral("0815"), w.gui.prompter, &w.gui.Frame())); }},
        {"new profile", "CNewProfileDlg",
         [](CWorld &w) { return w.Own(new CNewProfileDlg(w.gui.installPath, w.gui.prompter, &w.gui.Frame())); }},
        {"preferences", "CPreferenceDialog",
         [](CWorld &w) { return w.Own(new CPreferenceDialog(*w.gui.store, *w.gui.ports, &w.gui.Frame())); }},
        {"dealer info", "CDealerInfoDialog",
         [](CWorld &w) {
             CDealerInfoDialog::Texts texts;
             CDealerInfoDialog::ReadTexts(*w.gui.store, w.gui.app->CurrentLanguage(), texts);
             return w.Own(new CDealerInfoDialog(*w.gui.store, w.gui.prompter, w.gui.app->CurrentLanguage(), texts,
                                                &w.gui.Frame()));
         }},
        {"read or write", "CReadWriteDialog",
         [](CWorld &w) {
             return w.Own(new CReadWriteDialog(CReadWriteDialog::Mode::Write, w.record, false, w.transfer, nullptr,
                                               &w.gui.Frame()));
         }},
        {"read private ID", "CReadPidDialog",
         [](CWorld &w) { return w.Own(new CReadPidDialog(w.transfer, &w.gui.Frame())); }},
        {"change report", "CChangeReportDialog",
         [](CWorld &w) {
             return w.Own(new CChangeReportDialog(SomeDifferences(), w.gui.dir.filePath("b.zqv"), {}, &w.gui.Frame()));
         }},
        {"restore backup", "CRestoreBackupDialog",
         [](CWorld &w) {
             return w.Own(
                 new CRestoreBackupDialog(w.gui.dir.filePath("backups"), QString(), QLocale(), &w.gui.Frame()));
         }},
        {"history", "CWriteHistoryDialog",
         [](CWorld &w) {
             return w.Own(new CWriteHistoryDialog(w.gui.dir.filePath("history.sqlite"), w.gui.prompter,
                                                  w.gui.fileDialog, &w.gui.Frame()));
         }},
        {"compare", "CCompareRadioDialog",
         [](CWorld &w) {
             return w.Own(new CCompareRadioDialog(SomeDifferences(), QStringLiteral("Ann (20000001)"),
                                                  QStringLiteral("fleet"), &w.gui.Frame()));
         }},
        {"find cable", "CFindCableDialog",
         [](CWorld &w) { return w.Own(new CFindCableDialog(*w.gui.ports, &w.gui.Frame())); }},
        {"test connection", "CTestConnectionDialog",
         [](CWorld &w) {
             return w.Own(new CTestConnectionDialog(w.doctor, QStringLiteral("/dev/ttyUSB0"), &w.gui.Frame()));
         }},
        {"import preview", "CImportPreviewDlg",
         [](CWorld &w) {
             return w.Own(new CImportPreviewDlg(&w.gui.Frame(), QStringLiteral("contacts.csv"),
                                                CImportPreviewDlg::Mode::Import,
                                                [](const MergeOptions &) { return ImportReport{}; }));
         }},
        {"merge preview", "CImportPreviewDlg",
         [](CWorld &w) {
             return w.Own(new CImportPreviewDlg(&w.gui.Frame(), QStringLiteral("other.zqv"),
                                                CImportPreviewDlg::Mode::Merge,
                                                [](const MergeOptions &) { return ImportReport{}; }));
         }},
        {"report options", "CReportOptionDlg",
         [](CWorld &w) { return w.Own(new CReportOptionDlg(true, &w.gui.Frame())); }},
        {"report", "CReportDlg",
         [](CWorld &w) {
             const QString page = w.gui.dir.filePath(QStringLiteral("report.htm"));
             QFile f(page);
             if (f.open(QIODevice::WriteOnly))
                 f.write("<html><body><p>Report</p></body></html>");
             f.close();
             return w.Own(new CReportDlg(page, QStringLiteral("fleet"), w.gui.dir.path(), w.gui.prompter,
                                         w.gui.fileDialog, &w.gui.Frame()));
         }},
        {"fleet", "CFleetWindow", [](CWorld &w) { return w.Own(new CFleetWindow(*w.gui.app, &w.gui.Frame())); }},
        {"fleet confirmation", "CFleetConfirmDialog",
         [](CWorld &w) {
             FleetRadioPlan plan;
             plan.rowId = 1;
             plan.port = QStringLiteral("ttyUSB0");
             plan.unitPid = QStringLiteral("20000001");
             plan.name = QStringLiteral("Ann");
             plan.changes = SomeDifferences();
             return w.Own(new CFleetConfirmDialog({plan}, QStringLiteral("fleet.zqv"), &w.gui.Frame()));
         }},
        {"fleet password", "CFleetPasswordDialog",
         [](CWorld &w) {
             FleetRow row;
             row.port = QStringLiteral("ttyUSB0");
             row.unitPid = QStringLiteral("20000001");
             row.name = QStringLiteral("Ann");
             return w.Own(new CFleetPasswordDialog(row, w.gui.prompter, &w.gui.Frame()));
         }},
        {"help window", "CHelpWindow",
         [](CWorld &w) -> QWidget * {
             IHelpWindow *help = ShowHelpWindow(BuiltHelpFile(), w.gui.prompter, &w.gui.Frame());
             return help ? help->Window() : nullptr;
         }},
    };
    return rows;
}

// Opens the window of a row: a form for "form <kind>", else the row of Windows().
inline QWidget *Open(CWorld &world, const QString &row)
{
    if (row.startsWith(QLatin1String("form "))) {
        return world.Form(row.section(QLatin1Char(' '), 1, 1).toInt());
    }
    for (const WindowRow &w : Windows())
        if (row == QLatin1String(w.name)) {
            QWidget *window = w.open(world);
            if (window && window->isWindow()) {
                window->show();
                QCoreApplication::processEvents();
            }
            return window;
        }
    return nullptr;
}

// One row per form (every node kind the tree has a form for) and per window.
inline QStringList RowNames()
{
    QStringList rows;
    for (int kind = 0; kind < kNodeKindCount; ++kind)
        if (NodeViewClass(NodeKind(kind)))
            rows << QStringLiteral("form %1 %2").arg(kind).arg(QLatin1String(NodeViewClass(NodeKind(kind))));
    for (const WindowRow &w : Windows())
        rows << QLatin1String(w.name);
    return rows;
}
// One program per language, kept from row to row (starting one is the slow part).
class CWorldPerLanguage {
public:
    CWorld &Get(const QString &language, const QString &qm)
    {
        if (!m_world || m_language != language) {
            m_world.reset();
            m_world = std::make_unique<CWorld>();
            m_language = language;
            if (!m_world->Start(language, qm))
                qFatal("the program does not start in %s", qPrintable(language));
        }
        return *m_world;
    }
    CWorld *Current() { return m_world.get(); }
    void Reset() { m_world.reset(); }

private:
    std::unique_ptr<CWorld> m_world;
    QString m_language;
};

}  // namespace zqvtest
