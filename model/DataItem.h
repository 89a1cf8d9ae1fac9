// The handle through which every view reads and edits the profile: one node of the profile
// document together with the rule script. Reads are typed by the schema; every change for
// which the schema names a rule function goes through the rule script, which applies it (and
// its dependent changes) or refuses it and names the message to show.
//
// Items are values: copies share the node and the profile context.
#pragma once

#include "ProfileSchema.h"
#include "RuleScript.h"
#include "XmlDom.h"

#include <QString>
#include <QStringList>
#include <QVariant>
#include <memory>

namespace zqv {

// What all items of one open profile share: the parsed document, its schema and the hosted
// rule script (which works on that same document).
struct CProfileContext {
    std::shared_ptr<CXmlDocument> doc;
    std::shared_ptr<const CProfileSchema> schema;
    std::shared_ptr<IRuleScript> script;
};

class CDataItem {
public:
    CDataItem() = default;
    CDataItem(std::shared_ptr<CProfileContext> context, xmlNodePtr node);
    // An item for the document itself.
    static CDataItem ForDocument(std::shared_ptr<CProfileContext> context);

    bool IsEmpty() const { return m_pNode == nullptr; }
    xmlNodePtr Node() const { return m_pNode; }
    QString GetName() const { return NodeName(m_pNode); }
    const std::shared_ptr<CProfileContext> &Context() const { return m_spContext; }

    // Children. Only element children count; comments and white space do not.
    void GetChildByName(const QString &name, CDataItem &item) const;
    int GetChildCount() const;
    void GetChildByIndex(int index, CDataItem &item) const;

    // Attributes.
    QVariant GetAttributeValue(const QString &name) const;
    int SetAttributeValue(const QString &name, const QVariant &value, int &r1, int param, int &r2);

    // Rule hooks.
    bool CanAddChild() const;
    CDataItem AddNewChild(CDataItem &item);
    CDataItem AddNewPriScrList(const QString &text, CDataItem &item);
    CDataItem AddNewPriGrpPrivate(const QString &text, CDataItem &item);
    int RemoveChildByIndex(int index, int &r1, int param, int &r2);
    bool IsEnabled() const;

    // Contact queries.
    int GetScrollListCount() const;
    int GetScanListCount(int channel) const;
    QString GetContactNameByID(const QString &pid) const;
    void GetContactByID(const QString &pid, CDataItem &item) const;
    void GetGroupMemeber(const QString &groupPid, QStringList &pids, QStringList &names) const;

    // Reorders, in profile text, the children of the first element `listName` by attribute
    // `key` under the name collation; equal keys keep their order.
    static void SortXMLChildNodes(QString &text, const QString &listName, const QString &key, bool ascending);
    // The same reordering on a parsed document, for callers that sort several lists at once.
    static void SortChildNodes(CXmlDocument &doc, const QString &listName, const QString &key, bool ascending);
    // Moves the child at `index` of `list` to its place in the name collation after its key
    // changed; returns its new index.
    static int RepositionChild(const CDataItem &list, int index, const QString &key);

    // The script function that the schema names for `hook` on `node` (an element, or an
    // attribute given as element + attribute name).
    bool GetScriptHandler(xmlNodePtr node, const char *hook, QString &function,
                          const QString &attribute = QString()) const;

private:
    void RequireNode(const char *op) const;
    CDataItem CallOnAddNew(const std::vector<CRuleArg> &extra, CDataItem &item, const char *op);
    QVariant TypedValue(const QString &name, const QString &text) const;

    std::shared_ptr<CProfileContext> m_spContext;
    xmlNodePtr m_pNode = nullptr;
};

}  // namespace zqv
