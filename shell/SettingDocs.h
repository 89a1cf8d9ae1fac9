// The setting documents of the installation's "lib" folder (Region.stv, HelpPane.stv,
// UpDownGradeSetting.stv): finding, reading, unscrambling and parsing them, and the look-ups
// on the region and help-pane documents.
//
// All three are XML in the profile namespace; queries use the `dfns` prefix.
#pragma once

#include "XmlDom.h"

#include <QString>
#include <QStringList>
#include <memory>

namespace zqv {

class IPrompter;

inline constexpr char kRegionDocName[] = "Region.stv";
inline constexpr char kHelpPaneDocName[] = "HelpPane.stv";
inline constexpr char kUpgradeDocName[] = "UpDownGradeSetting.stv";

// Setting documents larger than this are refused before they are read (message 222): the
// shipped ones are a few tens of kilobytes.
inline constexpr qint64 kMaxSettingDocBytes = 8 * 1024 * 1024;

// The path of setting document `name`: <installPath>/lib/<name>.
QString SettingDocPath(const QString &installPath, const QString &name);

// Loads setting document `name` from <installPath>/lib. A missing, unreadable, oversized or
// empty file, or text that does not parse as XML (after unscrambling when it does not begin
// with "<?xml"), shows message 222 and yields null. An empty name yields null silently.
// Throws CZQVCPSException 102 when no document can be created (out of memory) and 106 for
// any other library failure, with the trace line of "LoadSettingDoc".
std::shared_ptr<CXmlDocument> LoadSettingDoc(const QString &installPath, const QString &name, IPrompter &prompter);

// The `name`s of the element children of every SupportLanguages element, in document order
// (children without a name are skipped). Empty when there is no SupportLanguages element.
QStringList GetSupportLanguages(const CXmlDocument &regionDoc);

// The displayName of language `language`, or a single blank when it has none or the language
// is not listed.
QString GetLanguageDisplayName(const CXmlDocument &regionDoc, const QString &language);

// The `name` of the first Region element (empty when the attribute is absent). A document
// without a Region element is broken: throws CZQVCPSException 106.
QString GetRegion(const CXmlDocument &regionDoc);

// The help page of control `id` of view class `section`, or an empty string.
QString GetHelpPageName(const CXmlDocument &helpDoc, const QString &section, int id);
// The page of the form of view class `section` as a whole: the page of its first map without
// the anchor, or an empty string when the form has no map.
QString GetFormHelpPageName(const CXmlDocument &helpDoc, const QString &section);

// True when `name` can stand as one element name in a query step (an XML name without a
// prefix). Names taken from documents are checked with it before they go into a query.
bool IsQueryName(const QString &name);

}  // namespace zqv
