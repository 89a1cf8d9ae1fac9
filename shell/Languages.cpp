#include "Languages.h"

#include "ConfigStore.h"
#include "Prompter.h"
#include "StringIds.h"
#include "StringTable.h"

namespace zqv {

namespace {
bool OnlyEnglish(const QStringList &supported)
{
    return supported.size() == 1 && supported.front() == QLatin1String(kEnglish);
}
}  // namespace

QString LanguageOfCommand(int commandId)
{
    for (const LanguageEntry &entry : kLanguages)
        if (entry.commandId == commandId)
            return QString::fromLatin1(entry.name);
    return QString();
}

LanguageMenuPruning PlanLanguageMenuPruning(const QStringList &supported)
{
    LanguageMenuPruning plan;
    if (OnlyEnglish(supported)) {
        plan.removePopup = true;
        return plan;
    }
    for (const LanguageEntry &entry : kLanguages) {
        const QString name = QString::fromLatin1(entry.name);
        if (name != QLatin1String(kEnglish) && !supported.contains(name, Qt::CaseSensitive))
            plan.removeEntries << name;
    }
    return plan;
}

LanguageMenuLabels PlanLanguageMenuLabels(const QStringList &supported,
                                          const std::function<QString(const QString &)> &displayName)
{
    LanguageMenuLabels labels;
    if (OnlyEnglish(supported))
        return labels;
    labels.relabel = true;
    labels.popupLabel = LoadStr(IDS_MENU_EDIT_LANGUAGE);
    for (const LanguageEntry &entry : kLanguages)
        labels.entries.emplace_back(entry.commandId, displayName(QString::fromLatin1(entry.name)));
    return labels;
}

bool SelectLanguage(CConfigStore &store, IPrompter &prompter, const QString &language, QString &frameLanguage)
{
    const QString old = store.ReadCurrentLanguage();
    store.WriteCurrentLanguage(language);
    frameLanguage = language;
    if (old == language)
        return false;
    prompter.ShowMessage(IDS_RESTART_FOR_LANGUAGE);
    return true;
}

}  // namespace zqv
