#include "SettingDocs.h"

#include "Prompter.h"
#include "StringIds.h"
#include "TextFile.h"
#include "ZQVCPSException.h"

#include <libxml/tree.h>
#include <new>

namespace zqv {

namespace {
constexpr char kOpLoadSettingDoc[] = "LoadSettingDoc";
}

QString SettingDocPath(const QString &installPath, const QString &name)
{
    return installPath + QStringLiteral("/lib/") + name;
}

std::shared_ptr<CXmlDocument> LoadSettingDoc(const QString &installPath, const QString &name, IPrompter &prompter)
{
    if (name.isEmpty())
        return nullptr;
    try {
        int mode = TEXT_MODE_UTF16;
        QString text = ReadTextFile(SettingDocPath(installPath, name), &mode, kMaxSettingDocBytes);
        if (text.isEmpty()) {
            prompter.ShowMessage(IDS_FILES_MISSING);
            return nullptr;
        }
        // Plain XML begins with its declaration, in any letter case; the parser takes it only
        // in lower case. Anything else is scrambled.
        if (text.left(5).compare(QLatin1String("<?xml"), Qt::CaseInsensitive) == 0)
            text.replace(0, 5, QLatin1String("<?xml"));
        else
            ScrambleText(text, mode);
        auto doc = CXmlDocument::Parse(text);
        if (!doc) {
            prompter.ShowMessage(IDS_FILES_MISSING);
            return nullptr;
        }
        return doc;
    } catch (const std::bad_alloc &) {
        ZQV_THROW(IDS_FATAL_ERROR_REINSTALL, kOpLoadSettingDoc, QStringLiteral("create XML document failed"));
    }
    ZQV_CATCH_RETHROW(kOpLoadSettingDoc, IDS_UNKNOWN_ERROR)
}

QStringList GetSupportLanguages(const CXmlDocument &regionDoc)
{
    QStringList names;
    for (xmlNodePtr node : regionDoc.Select(nullptr, QStringLiteral("//dfns:SupportLanguages/dfns:*")))
        if (HasAttr(node, "name"))
            names << GetAttr(node, "name");
    return names;
}

QString GetLanguageDisplayName(const CXmlDocument &regionDoc, const QString &language)
{
    xmlNodePtr node = regionDoc.SelectOne(
        nullptr, QStringLiteral("//dfns:SupportLanguages/dfns:language[@name = $name]"), {{"name", language}});
    const QString display = GetAttr(node, "displayName");
    return display.isEmpty() ? QStringLiteral(" ") : display;
}

QString GetRegion(const CXmlDocument &regionDoc)
{
    xmlNodePtr node = regionDoc.SelectOne(nullptr, QStringLiteral("//dfns:Region"));
    if (!node)
        ZQV_THROW(IDS_UNKNOWN_ERROR, "GetRegion", QStringLiteral("the Region element is missing"));
    return GetAttr(node, "name");
}

QString GetHelpPageName(const CXmlDocument &helpDoc, const QString &section, int id)
{
    if (!IsQueryName(section))
        return QString();
    xmlNodePtr node = helpDoc.SelectOne(nullptr, QStringLiteral("//dfns:%1/dfns:map[@id = $id]").arg(section),
                                        {{"id", QString::number(id)}});
    return GetAttr(node, "pageName");
}

QString GetFormHelpPageName(const CXmlDocument &helpDoc, const QString &section)
{
    if (!IsQueryName(section))
        return QString();
    xmlNodePtr node = helpDoc.SelectOne(nullptr, QStringLiteral("//dfns:%1/dfns:map[@pageName][1]").arg(section));
    return GetAttr(node, "pageName").section(QLatin1Char('#'), 0, 0);
}

bool IsQueryName(const QString &name)
{
    const QByteArray utf8 = name.toUtf8();
    return !utf8.isEmpty() && xmlValidateNCName(reinterpret_cast<const xmlChar *>(utf8.constData()), 0) == 0;
}

}  // namespace zqv
