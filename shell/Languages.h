// The user-interface languages: the Language menu's entries, the decisions the menu code
// applies at start-up (which entries stay, what they are labelled), and choosing a language.
#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

namespace zqv {

class CConfigStore;
class IPrompter;

struct LanguageEntry {
    const char *name;  // the language name of the configuration and Region.stv
    int commandId;  // its Language menu command
};

// The seven languages in Language-menu order.
inline constexpr LanguageEntry kLanguages[] = {
    {"CaFrench", 32823},     {"French", 32826},    {"English", 32812}, {"German", 32808},
    {"LaPortuguese", 32821}, {"LaSpanish", 32822}, {"Spanish", 32811},
};

// The language of a Language menu command, or an empty string.
QString LanguageOfCommand(int commandId);

// Which parts of the Language popup go, given the installation's supported languages: the
// whole popup when English is the only one; otherwise the entries of the languages it does
// not list. The English entry always stays.
struct LanguageMenuPruning {
    bool removePopup = false;
    QStringList removeEntries;  // language names, in menu order
};
LanguageMenuPruning PlanLanguageMenuPruning(const QStringList &supported);

// The labels of the Language popup: unless English is the only supported language, the popup
// is relabelled "&Language" and every entry with its display name (`displayName` answers " "
// for a language without one).
struct LanguageMenuLabels {
    bool relabel = false;
    QString popupLabel;
    std::vector<std::pair<int, QString>> entries;  // command id -> label, in menu order
};
LanguageMenuLabels PlanLanguageMenuLabels(const QStringList &supported,
                                          const std::function<QString(const QString &)> &displayName);

// Menu passes: LocalizeMenus and PruneLanguageMenu each do their work on their first two calls
// only (at start-up and when the first profile window brings its own menu bar).
class CMenuPassCounter {
public:
    // True when this call is to do the work.
    bool Take()
    {
        if (m_nPass >= 3)
            return false;
        return ++m_nPass <= 2;
    }

private:
    int m_nPass = 0;
};

// The Language command for `language`: stores it as CurrentLanguage, makes it the frame's
// current language and, when it differs from the stored one, tells the user that it applies
// at the next start (message 224). Returns whether the message was shown.
bool SelectLanguage(CConfigStore &store, IPrompter &prompter, const QString &language, QString &frameLanguage);

// The check mark of a language's menu entry.
inline bool IsLanguageChecked(const QString &frameLanguage, const QString &language)
{
    return frameLanguage == language;
}

}  // namespace zqv
