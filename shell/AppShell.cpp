#include "AppShell.h"

#include "ConfigStore.h"
#include "Modules.h"
#include "Prompter.h"
#include "SettingDocs.h"
#include "SettingsMerge.h"
#include "StringIds.h"
#include "ZQVCPSException.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <new>

namespace zqv {

namespace {
constexpr char kOpInitInstance[] = "CZQVCPSApp::InitInstance";

// Runs a step of start-up: an exception it throws shows its message and fails the step.
template <class Step>
bool ShowingFailures(IPrompter &prompter, Step &&step)
{
    try {
        return step();
    } catch (const CZQVCPSException &e) {
        prompter.ShowMessage(e.GetMessageId());
    } catch (const std::bad_alloc &) {
        prompter.ShowMessage(IDS_FATAL_ERROR_REINSTALL);
    } catch (const std::exception &) {
        prompter.ShowMessage(IDS_UNKNOWN_ERROR);
    }
    return false;
}
}  // namespace

bool CheckScriptEngine()
{
    // The engine is the rule-script module's: a module that cannot be loaded is a missing engine.
    const auto check = ResolveModule<bool()>(kRuleScriptModule, "zqv_check_script_engine");
    return check && check();
}

CAppShell::CAppShell(CConfigStore &store, IPrompter &prompter)
    : m_store(store), m_prompter(prompter), m_fnScriptCheck(CheckScriptEngine)
{
}

CAppShell::~CAppShell()
{
    DropTranslation();
}

bool CAppShell::LoadTranslation(const QString &path)
{
    DropTranslation();
    if (path.isEmpty() || !QCoreApplication::instance())
        return false;
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(path))
        return false;
    // Installing answers false for a translation without messages, which is still a valid
    // (if useless) translation: only the load decides.
    QCoreApplication::installTranslator(translator.get());
    // Message boxes use Qt's standard buttons, whose texts come from Qt's own catalogue:
    // without it a translated question would offer English Yes and No; the help window's
    // index and search come from Qt's help catalogue. The language is the one the program's
    // translation names (es_419 falls back to Qt's es).
    for (const char *catalogue : {"qtbase", "qt_help"}) {
        auto qtTranslator = std::make_unique<QTranslator>();
        if (!translator->language().isEmpty() &&
            qtTranslator->load(QLocale(translator->language()), QLatin1String(catalogue), QStringLiteral("_"),
                               QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
            QCoreApplication::installTranslator(qtTranslator.get());
            m_qtTranslators.push_back(std::move(qtTranslator));
        }
    }
    m_pTranslator = std::move(translator);
    return true;
}

QLocale CAppShell::Locale() const
{
    if (m_pTranslator && !m_pTranslator->language().isEmpty())
        return QLocale(m_pTranslator->language());
    return QLocale(QLocale::English, QLocale::UnitedStates);
}

void CAppShell::DropTranslation()
{
    if (QCoreApplication::instance()) {
        if (m_pTranslator)
            QCoreApplication::removeTranslator(m_pTranslator.get());
        for (const auto &qtTranslator : m_qtTranslators)
            QCoreApplication::removeTranslator(qtTranslator.get());
    }
    m_pTranslator.reset();
    m_qtTranslators.clear();
}

bool CAppShell::ScriptEngineReady()
{
    if (m_scriptEngine == EngineState::Unchecked)
        m_scriptEngine = m_fnScriptCheck && m_fnScriptCheck() ? EngineState::Works : EngineState::Missing;
    if (m_scriptEngine == EngineState::Missing)
        m_prompter.ShowMessage(IDS_VBSCRIPT_ENGINE_MISSING);
    return m_scriptEngine == EngineState::Works;
}

bool CAppShell::Start(bool deferred)
{
    const bool started = ShowingFailures(m_prompter, [this, deferred] {
        if (!m_store.CheckRegistry(m_prompter))
            return false;

        const QString language = m_store.ReadCurrentLanguage();
        if (language != QLatin1String(kEnglish) && !LoadTranslation(m_store.GetGUIResourcePath(language))) {
            m_store.WriteCurrentLanguage(QLatin1String(kEnglish));
            m_prompter.ShowMessage(IDS_LANGUAGE_FILE_MISSING);
        }

        if (!deferred && !ScriptEngineReady())
            return false;

        m_strInstallPath = m_store.ReadInstallPath();
        // The help-pane map is only needed once a form shows its help: here it must be there.
        const QFileInfo helpPane(SettingDocPath(m_strInstallPath, QLatin1String(kHelpPaneDocName)));
        if (!helpPane.isFile() || !helpPane.isReadable() || helpPane.size() == 0) {
            m_prompter.ShowMessage(IDS_FILES_MISSING);
            return false;
        }

        m_strCurrentLanguage = m_store.ReadCurrentLanguage();
        m_strHelpFilePath = m_store.GetHelpFilePath(m_strCurrentLanguage);

        m_spRegionDoc = LoadSettingDoc(m_strInstallPath, QLatin1String(kRegionDocName), m_prompter);
        if (!m_spRegionDoc)
            return false;
        m_strRegion = zqv::GetRegion(*m_spRegionDoc);
        if (m_strRegion != QLatin1String(kRegionCode)) {
            m_prompter.ShowMessage(IDS_FILES_MISSING);
            return false;
        }
        return true;
    });
    return started && (deferred || SettingDocumentsReady());
}

bool CAppShell::SettingDocumentsReady()
{
    return LoadUpgradeDoc() && (m_spWorkingDoc || BuildGroupSettingDoc(kStartupSettingGroup));
}

bool CAppShell::LoadUpgradeDoc()
{
    if (m_spUpgradeDoc)
        return true;
    return ShowingFailures(m_prompter, [this] {
        auto doc = LoadSettingDoc(m_strInstallPath, QLatin1String(kUpgradeDocName), m_prompter);
        if (!doc)
            return false;
        // The XML library must be able to make a document before any is merged.
        if (const auto probe = CXmlDocument::Create(); !probe || !probe->Doc())
            ZQV_THROW(IDS_FATAL_ERROR_REINSTALL, kOpInitInstance, QStringLiteral("create XML document failed"));
        m_spUpgradeDoc = std::move(doc);
        return true;
    });
}

std::shared_ptr<CXmlDocument> CAppShell::BuildGroupSettingDoc(int group)
{
    if (!LoadUpgradeDoc())
        return nullptr;
    try {
        // Only the working document is kept: the merged one is a step on the way to it.
        GroupSettingDocs docs = MergeGroupSettingDoc(*m_spUpgradeDoc, group, m_strRegion);
        m_spWorkingDoc = std::move(docs.working);
        m_nCurrentSettingGroup = group;
        return m_spWorkingDoc;
    } catch (const CZQVCPSException &e) {
        // A broken document is an unknown error to the user; a wrong merge entry shows where.
        if (e.GetMessageId() == IDS_UNKNOWN_ERROR)
            m_prompter.ShowMessage(IDS_UNKNOWN_ERROR);
        else
            m_prompter.Show(e.GetTrace(), MB_OK);
    } catch (const std::exception &) {
        m_prompter.ShowMessage(IDS_UNKNOWN_ERROR);
    }
    return nullptr;
}

int CAppShell::GetGroupByVersion(const QString &version)
{
    return LoadUpgradeDoc() ? zqv::GetGroupByVersion(*m_spUpgradeDoc, version) : 0;
}

std::shared_ptr<CXmlDocument> CAppShell::GetUpgradeDoc()
{
    return LoadUpgradeDoc() ? m_spUpgradeDoc : nullptr;
}

QStringList CAppShell::GetSupportLanguages() const
{
    return m_spRegionDoc ? zqv::GetSupportLanguages(*m_spRegionDoc) : QStringList();
}

QString CAppShell::GetLanguageDisplayName(const QString &language) const
{
    return m_spRegionDoc ? zqv::GetLanguageDisplayName(*m_spRegionDoc, language) : QStringLiteral(" ");
}

const CXmlDocument *CAppShell::HelpPaneDoc() const
{
    if (!m_bHelpPaneRead) {
        m_bHelpPaneRead = true;
        try {
            m_spHelpPaneDoc = LoadSettingDoc(m_strInstallPath, QLatin1String(kHelpPaneDocName), m_prompter);
        } catch (const CZQVCPSException &e) {
            m_prompter.ShowMessage(e.GetMessageId());
        }
    }
    return m_spHelpPaneDoc.get();
}

QString CAppShell::GetHelpPageName(const QString &section, int id) const
{
    const CXmlDocument *doc = HelpPaneDoc();
    return doc ? zqv::GetHelpPageName(*doc, section, id) : QString();
}

QString CAppShell::GetFormHelpPageName(const QString &section) const
{
    const CXmlDocument *doc = HelpPaneDoc();
    return doc ? zqv::GetFormHelpPageName(*doc, section) : QString();
}

}  // namespace zqv
