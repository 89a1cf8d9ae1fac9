#include "DataItem.h"

#include "Collation.h"
#include "StringIds.h"
#include "ZQVCPSException.h"

#include <algorithm>

namespace zqv {

namespace {

const char kOpGetChildByName[] = "CDataItem::GetChildByName";
const char kOpGetAttributeValue[] = "CDataItem::GetAttributeValue";
const char kOpSetAttributeValue[] = "CDataItem::SetAttributeValue";
const char kOpRemoveChildByIndex[] = "CDataItem::RemoveChildByIndex";

QString InvokeFailed(const QString &what, const CRuleResult &result)
{
    QString text = QStringLiteral("Invoke script function failed\nfunction name=") + what;
    if (!result.errorText.isEmpty())
        text += QStringLiteral("\nLine=%1 Description=%2").arg(result.errorLine).arg(result.errorText);
    return text;
}

// Base-10 parsing of the leading digits (after an optional sign); text without digits is 0.
qint64 LeadingNumber(const QString &text)
{
    qsizetype i = 0;
    while (i < text.size() && text.at(i).isSpace())
        ++i;
    bool negative = false;
    if (i < text.size() && (text.at(i) == QLatin1Char('-') || text.at(i) == QLatin1Char('+')))
        negative = text.at(i++) == QLatin1Char('-');
    quint64 value = 0;
    for (; i < text.size() && text.at(i).isDigit() && text.at(i).unicode() < 128; ++i)
        value = value * 10 + static_cast<quint64>(text.at(i).unicode() - '0');
    return negative ? -static_cast<qint64>(value) : static_cast<qint64>(value);
}

QString ValueText(const QVariant &value)
{
    if (value.typeId() == QMetaType::Bool)
        return value.toBool() ? QStringLiteral("1") : QStringLiteral("0");
    return value.toString();
}

}  // namespace

CDataItem::CDataItem(std::shared_ptr<CProfileContext> context, xmlNodePtr node)
    : m_spContext(std::move(context)), m_pNode(node)
{
}

CDataItem CDataItem::ForDocument(std::shared_ptr<CProfileContext> context)
{
    xmlNodePtr doc = reinterpret_cast<xmlNodePtr>(context->doc->Doc());
    return CDataItem(std::move(context), doc);
}

void CDataItem::RequireNode(const char *op) const
{
    if (!m_pNode || !m_spContext)
        ZQV_THROW(IDS_UNKNOWN_ERROR, op, QStringLiteral("The data item has no node"));
}

void CDataItem::GetChildByName(const QString &name, CDataItem &item) const
{
    RequireNode(kOpGetChildByName);
    for (xmlNodePtr child : ElementChildren(m_pNode)) {
        if (NodeName(child) == name && child->ns &&
            xmlStrEqual(child->ns->href, reinterpret_cast<const xmlChar *>(kProfileNamespace))) {
            item = CDataItem(m_spContext, child);
            return;
        }
    }
    ZQV_THROW(IDS_PROGRAMMING_ERROR_107, kOpGetChildByName, QStringLiteral("Name='%1'").arg(name));
}

int CDataItem::GetChildCount() const
{
    RequireNode("CDataItem::GetChildCount");
    return static_cast<int>(ElementChildren(m_pNode).size());
}

void CDataItem::GetChildByIndex(int index, CDataItem &item) const
{
    RequireNode("CDataItem::GetChildByIndex");
    const auto children = ElementChildren(m_pNode);
    item = (index >= 0 && index < static_cast<int>(children.size())) ? CDataItem(m_spContext, children[index])
                                                                     : CDataItem(m_spContext, nullptr);
}

QVariant CDataItem::TypedValue(const QString &name, const QString &text) const
{
    const xmlNodePtr decl = m_spContext->schema ? m_spContext->schema->AttributeDecl(m_pNode, name) : nullptr;
    switch (decl ? m_spContext->schema->AttributeType(decl) : CProfileSchema::ValueType::Text) {
    case CProfileSchema::ValueType::Long: return QVariant::fromValue(static_cast<qint32>(LeadingNumber(text)));
    case CProfileSchema::ValueType::UnsignedLong: return QVariant::fromValue(static_cast<quint32>(LeadingNumber(text)));
    case CProfileSchema::ValueType::Boolean: {
        const QString t = text.trimmed();
        return QVariant(t == QLatin1String("1") || t.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0);
    }
    case CProfileSchema::ValueType::Text: break;
    }
    return QVariant(text);
}

QVariant CDataItem::GetAttributeValue(const QString &name) const
{
    RequireNode(kOpGetAttributeValue);
    const QByteArray n = name.toUtf8();
    if (!HasAttr(m_pNode, n.constData()))
        ZQV_THROW(IDS_PROGRAMMING_ERROR_108, kOpGetAttributeValue, QStringLiteral("Name='%1'").arg(name));
    return TypedValue(name, GetAttr(m_pNode, n.constData()));
}

int CDataItem::SetAttributeValue(const QString &name, const QVariant &value, int &r1, int param, int &r2)
{
    r1 = 0;
    r2 = 0;
    RequireNode(kOpSetAttributeValue);
    const QByteArray n = name.toUtf8();
    if (!HasAttr(m_pNode, n.constData()))
        ZQV_THROW(IDS_PROGRAMMING_ERROR_108, kOpSetAttributeValue, QStringLiteral("Name='%1'").arg(name));

    QString function;
    const QString text = ValueText(value);
    if (GetScriptHandler(m_pNode, "SetVal", function, name)) {
        const CRuleResult result = m_spContext->script->CallRule(
            function,
            {CRuleArg::Node(m_pNode), CRuleArg::Attribute(m_pNode, name), CRuleArg::Text(text), CRuleArg::Ref(),
             CRuleArg::Number(param), CRuleArg::Ref()});
        if (!result.ok)
            ZQV_THROW(IDS_UNKNOWN_ERROR, kOpSetAttributeValue,
                      InvokeFailed(
                          QStringLiteral("SetAttributeValue,Node=%1 Attribute=%2 Value=%3").arg(GetName(), name, text),
                          result));
        r1 = result.refs[0];
        r2 = result.refs[1];
        return result.number;
    }
    SetAttr(m_pNode, n.constData(), text);
    return 0;
}

bool CDataItem::GetScriptHandler(xmlNodePtr node, const char *hook, QString &function, const QString &attribute) const
{
    function.clear();
    if (!m_spContext || !m_spContext->schema || !m_spContext->script || !IsElement(node))
        return false;
    const CProfileSchema &schema = *m_spContext->schema;
    const xmlNodePtr decl = attribute.isEmpty() ? schema.ElementDecl(node) : schema.AttributeDecl(node, attribute);
    function = schema.Hook(decl, hook);
    return !function.isEmpty();
}

bool CDataItem::CanAddChild() const
{
    RequireNode("CDataItem::CanAddChild");
    QString function;
    if (!GetScriptHandler(m_pNode, "CanAddChild", function))
        return false;
    const CRuleResult result = m_spContext->script->CallRule(function, {CRuleArg::Node(m_pNode)});
    if (!result.ok)
        ZQV_THROW(IDS_UNKNOWN_ERROR, "CDataItem::CanAddChild",
                  InvokeFailed(QStringLiteral("CanAddChild,Node=%1").arg(GetName()), result));
    return result.truth;
}

CDataItem CDataItem::CallOnAddNew(const std::vector<CRuleArg> &extra, CDataItem &item, const char *op)
{
    RequireNode(op);
    item = CDataItem(m_spContext, nullptr);
    QString function;
    if (!GetScriptHandler(m_pNode, "OnAddNew", function))
        return item;
    std::vector<CRuleArg> args{CRuleArg::Node(m_pNode)};
    args.insert(args.end(), extra.begin(), extra.end());
    const CRuleResult result = m_spContext->script->CallRule(function, args);
    if (!result.ok)
        ZQV_THROW(IDS_UNKNOWN_ERROR, op, InvokeFailed(QStringLiteral("OnAddNew,Node=%1").arg(GetName()), result));
    if (xmlNodePtr created = result.node)
        item = CDataItem(m_spContext, created);
    return item;
}

CDataItem CDataItem::AddNewChild(CDataItem &item)
{
    return CallOnAddNew({}, item, "CDataItem::AddNewChild");
}

CDataItem CDataItem::AddNewPriScrList(const QString &text, CDataItem &item)
{
    return CallOnAddNew({CRuleArg::Text(text)}, item, "CDataItem::AddNewPriScrList");
}

CDataItem CDataItem::AddNewPriGrpPrivate(const QString &text, CDataItem &item)
{
    return CallOnAddNew({CRuleArg::Text(text)}, item, "CDataItem::AddNewPriGrpPrivate");
}

int CDataItem::RemoveChildByIndex(int index, int &r1, int param, int &r2)
{
    r1 = 0;
    r2 = 0;
    RequireNode(kOpRemoveChildByIndex);
    const auto children = ElementChildren(m_pNode);
    if (index < 0 || index >= static_cast<int>(children.size()))
        ZQV_THROW(IDS_PROGRAMMING_ERROR_108, kOpRemoveChildByIndex, QStringLiteral("Index='%1'").arg(index));
    xmlNodePtr child = children[index];

    QString function;
    if (GetScriptHandler(child, "OnDelete", function)) {
        const CRuleResult result = m_spContext->script->CallRule(
            function, {CRuleArg::Node(child), CRuleArg::Ref(), CRuleArg::Number(param), CRuleArg::Ref()});
        if (!result.ok)
            ZQV_THROW(IDS_UNKNOWN_ERROR, kOpRemoveChildByIndex,
                      InvokeFailed(QStringLiteral("OnDelete,Node=%1").arg(NodeName(child)), result));
        r1 = result.refs[0];
        r2 = result.refs[1];
        return result.number;
    }
    m_spContext->doc->Detach(child);
    return 0;
}

bool CDataItem::IsEnabled() const
{
    RequireNode("CDataItem::IsEnabled");
    QString function;
    if (!GetScriptHandler(m_pNode, "IsEnabled", function))
        return true;
    const CRuleResult result = m_spContext->script->CallRule(function, {CRuleArg::Node(m_pNode)});
    if (!result.ok)
        ZQV_THROW(IDS_UNKNOWN_ERROR, "CDataItem::IsEnabled",
                  InvokeFailed(QStringLiteral("IsEnabled,Node=%1").arg(GetName()), result));
    return result.truth;
}

// The contact look-ups answer the profile queries
//   count(//dfns:*[@cntct_type and @in_scroll_list = 1])
//   count(//dfns:PublicGroup[@channel = N and @in_scan_list = 1])
//   //dfns:*[@cntct_type and @pid = $pid]
//   //dfns:ParentPrivateGroup[@pid = $pid]
// with a tree walk of the same meaning: they run once per contact when a tree or a list is
// filled, and the walk is about thirty times faster than libxml2's XPath for them.
int CDataItem::GetScrollListCount() const
{
    RequireNode("CDataItem::GetScrollListCount");
    int count = 0;
    ForEachElement(reinterpret_cast<xmlNodePtr>(m_spContext->doc->Doc()), [&count](xmlNodePtr e) {
        if (e->ns && xmlStrEqual(e->ns->href, reinterpret_cast<const xmlChar *>(kProfileNamespace)) &&
            HasAttr(e, "cntct_type") && AttrNumber(e, "in_scroll_list") == 1)
            ++count;
        return true;
    });
    return count;
}

int CDataItem::GetScanListCount(int channel) const
{
    RequireNode("CDataItem::GetScanListCount");
    int count = 0;
    ForEachElement(reinterpret_cast<xmlNodePtr>(m_spContext->doc->Doc()), [&count, channel](xmlNodePtr e) {
        if (IsProfileElement(e, "PublicGroup") && AttrNumber(e, "channel") == channel &&
            AttrNumber(e, "in_scan_list") == 1)
            ++count;
        return true;
    });
    return count;
}

QString CDataItem::GetContactNameByID(const QString &pid) const
{
    if (pid.isEmpty())
        return QString();
    CDataItem contact;
    GetContactByID(pid, contact);
    return contact.IsEmpty() ? QString() : GetAttr(contact.Node(), "name");
}

void CDataItem::GetContactByID(const QString &pid, CDataItem &item) const
{
    RequireNode("CDataItem::GetContactByID");
    const QByteArray key = pid.toUtf8();
    xmlNodePtr found = nullptr;
    ForEachElement(reinterpret_cast<xmlNodePtr>(m_spContext->doc->Doc()), [&found, &key](xmlNodePtr e) {
        if (e->ns && xmlStrEqual(e->ns->href, reinterpret_cast<const xmlChar *>(kProfileNamespace)) &&
            HasAttr(e, "cntct_type") && AttrEquals(e, "pid", key))
            found = e;
        return found == nullptr;
    });
    item = CDataItem(m_spContext, found);
}

void CDataItem::GetGroupMemeber(const QString &groupPid, QStringList &pids, QStringList &names) const
{
    RequireNode("CDataItem::GetGroupMemeber");
    pids.clear();
    names.clear();
    const QByteArray key = groupPid.toUtf8();
    ForEachElement(reinterpret_cast<xmlNodePtr>(m_spContext->doc->Doc()), [&](xmlNodePtr e) {
        if (IsProfileElement(e, "ParentPrivateGroup") && AttrEquals(e, "pid", key)) {
            xmlNodePtr contact = e->parent ? e->parent->parent : nullptr;
            if (IsElement(contact)) {
                pids << GetAttr(contact, "pid");
                names << GetAttr(contact, "name");
            }
        }
        return true;
    });
}

void CDataItem::SortXMLChildNodes(QString &text, const QString &listName, const QString &key, bool ascending)
{
    QString reason;
    auto doc = CXmlDocument::Parse(text, &reason);
    if (!doc)
        ZQV_THROW(IDS_INVALID_PROFILE, "CDataItem::SortXMLChildNodes", reason);
    SortChildNodes(*doc, listName, key, ascending);
    text = doc->ToString();
}

void CDataItem::SortChildNodes(CXmlDocument &doc, const QString &listName, const QString &key, bool ascending)
{
    const QByteArray name = listName.toUtf8();
    xmlNodePtr list = nullptr;
    ForEachElement(reinterpret_cast<xmlNodePtr>(doc.Doc()), [&list, &name](xmlNodePtr e) {
        if (IsProfileElement(e, name.constData()))
            list = e;
        return list == nullptr;
    });
    if (!list)
        return;
    const QByteArray k = key.toUtf8();
    std::vector<std::pair<QString, xmlNodePtr>> children;
    for (xmlNodePtr child : ElementChildren(list))
        children.emplace_back(GetAttr(child, k.constData()), child);
    std::stable_sort(children.begin(), children.end(), [ascending](const auto &a, const auto &b) {
        const int c = CollateNames(a.first, b.first);
        return ascending ? c < 0 : c > 0;
    });
    for (const auto &entry : children) {
        xmlUnlinkNode(entry.second);
        xmlAddChild(list, entry.second);
    }
}

int CDataItem::RepositionChild(const CDataItem &list, int index, const QString &key)
{
    list.RequireNode("CDataItem::RepositionChild");
    const auto children = ElementChildren(list.Node());
    if (index < 0 || index >= static_cast<int>(children.size()))
        ZQV_THROW(IDS_PROGRAMMING_ERROR_108, "CDataItem::RepositionChild", QStringLiteral("Index='%1'").arg(index));
    const QByteArray k = key.toUtf8();
    xmlNodePtr moved = children[index];
    const QString movedKey = GetAttr(moved, k.constData());

    xmlNodePtr before = nullptr;
    for (int pos = 0; pos < static_cast<int>(children.size()); ++pos) {
        if (pos == index)
            continue;
        const int c = CollateNames(GetAttr(children[pos], k.constData()), movedKey);
        if (c > 0 || (c == 0 && pos > index)) {
            before = children[pos];
            break;
        }
    }
    xmlUnlinkNode(moved);
    if (before)
        xmlAddPrevSibling(before, moved);
    else
        xmlAddChild(list.Node(), moved);

    int newIndex = 0;
    for (xmlNodePtr n = moved->prev; n; n = n->prev)
        if (IsElement(n))
            ++newIndex;
    return newIndex;
}

}  // namespace zqv
