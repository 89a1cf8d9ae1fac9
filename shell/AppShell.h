// What the application object does and keeps that needs no window: the start-up checks that
// the desktop program and the command-line tool share (configuration, language and its
// translation, script engine, the three setting documents, the region, the working setting
// document of group 3), the setting documents for the rest of the run, and the builds of the
// working setting document for other setting groups.
//
// Every start-up failure is shown through the prompter and ends start-up (Start returns
// false); the caller then ends the program.
#pragma once

#include "Languages.h"
#include "XmlDom.h"

#include <QLocale>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <vector>

class QTranslator;

namespace zqv {

class CConfigStore;
class IPrompter;

// The installation's region: Region.stv must name exactly this one.
inline constexpr char kRegionCode[] = "ZQV";
// The setting group whose working setting document start-up builds.
inline constexpr int kStartupSettingGroup = 3;

// True when the rule-script engine can be created and runs a script (needs a
// QCoreApplication).
bool CheckScriptEngine();

class CAppShell {
public:
    CAppShell(CConfigStore &store, IPrompter &prompter);
    ~CAppShell();
    CAppShell(const CAppShell &) = delete;
    CAppShell &operator=(const CAppShell &) = delete;

    // Replaces the script-engine check of start-up (tests).
    void SetScriptEngineCheck(std::function<bool()> check) { m_fnScriptCheck = std::move(check); }

    // The start-up checks, in this order: configuration; CurrentLanguage and its translation
    // (message 223 and English when it cannot be loaded); the script engine (294); HelpPane.stv
    // is there (read at the first help-page look-up);
    // the current language and help file; Region.stv and its region (222 unless "ZQV");
    // UpDownGradeSetting.stv; the working setting document of group 3. A setting document that
    // cannot be read shows 222; a broken one shows 102 or 106. With `deferred` the script
    // engine and the last two are left out, for the desktop program, whose window needs none of
    // them: ScriptEngineReady and SettingDocumentsReady check them when they are first needed.
    bool Start(bool deferred = false);

    // True once UpDownGradeSetting.stv is loaded and the working setting document of group 3
    // built; loads them at the first call, and again at each call after a failure, which shows
    // its message each time.
    bool SettingDocumentsReady();

    // True when the rule-script engine works; checked on the first call only. When it does not,
    // every call shows message 294 (the cause a profile cannot be opened or made).
    bool ScriptEngineReady();

    // The working setting document of setting group `group`, built afresh from the upgrade
    // document (loaded first when it is not yet); on success it becomes the current one and
    // `group` the current setting group.
    // A failure shows its message (the trace text for a broken merge entry, 106 for a broken
    // document), returns null and leaves the current document and group as they were.
    std::shared_ptr<CXmlDocument> BuildGroupSettingDoc(int group);

    // Both load the upgrade document when it is not yet (0 and null when it cannot be).
    int GetGroupByVersion(const QString &version);
    std::shared_ptr<CXmlDocument> GetUpgradeDoc();
    QStringList GetSupportLanguages() const;
    QString GetLanguageDisplayName(const QString &language) const;
    QString GetHelpPageName(const QString &section, int id) const;
    QString GetFormHelpPageName(const QString &section) const;

    const QString &GetCurrentLanguage() const { return m_strCurrentLanguage; }
    const QString &GetRegion() const { return m_strRegion; }
    const QString &GetHelpFilePath() const { return m_strHelpFilePath; }
    const QString &GetInstallPath() const { return m_strInstallPath; }
    int GetCurrentSettingGroup() const { return m_nCurrentSettingGroup; }
    const std::shared_ptr<CXmlDocument> &GetRegionDoc() const { return m_spRegionDoc; }
    // HelpPane.stv once a look-up has read it (null before, or when it is broken).
    const std::shared_ptr<CXmlDocument> &GetHelpPaneDoc() const { return m_spHelpPaneDoc; }
    const std::shared_ptr<CXmlDocument> &GetWorkingSettingDoc() const { return m_spWorkingDoc; }
    // True when a translation was loaded for the current language.
    bool HasTranslation() const { return m_pTranslator != nullptr; }
    // The locale of the program's language (its translation's; English without one), for the
    // dates and times the windows show.
    QLocale Locale() const;

    // The template chosen in the New Profile dialog, read when a new profile is created.
    const QString &GetNewProfileTemplatePath() const { return m_strNewTemplatePath; }
    void SetNewProfileTemplatePath(const QString &path) { m_strNewTemplatePath = path; }

    // The menu passes of LocalizeMenus and PruneLanguageMenu.
    CMenuPassCounter &LocalizeMenusPasses() { return m_localizePasses; }
    CMenuPassCounter &LanguageMenuPasses() { return m_languageMenuPasses; }

    CConfigStore &Store() { return m_store; }
    IPrompter &Prompter() { return m_prompter; }

private:
    // HelpPane.stv, read at the first look-up (null when it is broken).
    const CXmlDocument *HelpPaneDoc() const;
    // UpDownGradeSetting.stv, loaded at the first call (false, its message shown, when it
    // cannot be).
    bool LoadUpgradeDoc();
    bool LoadTranslation(const QString &path);
    void DropTranslation();

    CConfigStore &m_store;
    IPrompter &m_prompter;
    std::function<bool()> m_fnScriptCheck;
    enum class EngineState { Unchecked, Works, Missing } m_scriptEngine = EngineState::Unchecked;
    std::unique_ptr<QTranslator> m_pTranslator;
    // Qt's own texts in the same language (the standard Yes/No/Cancel buttons of message
    // boxes, the file dialog, the help window's index and search); a catalogue Qt ships none
    // of for the language is left out.
    std::vector<std::unique_ptr<QTranslator>> m_qtTranslators;

    QString m_strNewTemplatePath;
    int m_nCurrentSettingGroup = kStartupSettingGroup;
    std::shared_ptr<CXmlDocument> m_spWorkingDoc;
    std::shared_ptr<CXmlDocument> m_spRegionDoc;
    // Read at the first look-up; a broken document shows its message at that look-up only.
    mutable std::shared_ptr<CXmlDocument> m_spHelpPaneDoc;
    mutable bool m_bHelpPaneRead = false;
    std::shared_ptr<CXmlDocument> m_spUpgradeDoc;
    QString m_strHelpFilePath;
    QString m_strCurrentLanguage;
    QString m_strRegion;
    QString m_strInstallPath;
    CMenuPassCounter m_localizePasses;
    CMenuPassCounter m_languageMenuPasses;
};

}  // namespace zqv
