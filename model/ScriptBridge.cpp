#include "ScriptBridge.h"

#include "Collation.h"
#include "ZQVCPSException.h"

#include <QJSEngine>
#include <QJSValueIterator>
#include <QRegularExpression>
#include <algorithm>
#include <cmath>

namespace zqv {

namespace {

QString AttributeText(const QJSValue &value)
{
    if (value.isBool())
        return value.toBool() ? QStringLiteral("1") : QStringLiteral("0");
    if (value.isNumber()) {
        const double d = value.toNumber();
        if (std::isfinite(d) && d == std::floor(d) && std::fabs(d) < 9.2e18)
            return QString::number(static_cast<qint64>(d));
        return QString::number(d);
    }
    if (value.isNull() || value.isUndefined())
        return QString();
    return value.toString();
}

bool InProfileNamespace(xmlNodePtr node)
{
    return IsElement(node) && node->ns &&
        xmlStrEqual(node->ns->href, reinterpret_cast<const xmlChar *>(kProfileNamespace));
}

XPathVars ToVars(const QJSValue &vars)
{
    XPathVars out;
    if (!vars.isObject())
        return out;
    QJSValueIterator it(vars);
    while (it.hasNext()) {
        it.next();
        out.emplace_back(it.name(), AttributeText(it.value()));
    }
    return out;
}

// What the script's number() makes of an attribute's text that has no blanks around it: the
// value of a string of digits, NaN for anything else. Up to 18 digits the value is added up
// exactly in an integer and rounded once to a double, as a decimal parse rounds it; longer
// strings (no ID has them) take the general parse.
double DigitsValue(const QString &text)
{
    if (text.isEmpty())
        return qQNaN();
    quint64 value = 0;
    for (const QChar ch : text) {
        if (ch < QLatin1Char('0') || ch > QLatin1Char('9'))
            return qQNaN();
        value = value * 10 + (ch.unicode() - '0');
    }
    return text.size() <= 18 ? static_cast<double>(value) : text.toDouble();
}

}  // namespace

// An absolute path of child steps through elements of the profile namespace, whose last step
// may test attributes without a namespace for presence or for a value given in a variable:
// "/dfns:ZQVProfile/dfns:Contacts/dfns:*/dfns:*[@cntct_type and @pid=$p]". The rules ask such
// questions of every contact on every edit and every imported row; walking the tree answers
// them at a fraction of what the XPath engine spends. They select the same nodes in the same
// (document) order. Any other expression goes to XPath.
struct CPlainPath {
    struct Test {
        QByteArray attribute;
        QString variable;  // empty: the attribute exists
    };
    std::vector<QByteArray> steps;  // local names, "*" for any
    std::vector<Test> tests;

    static std::shared_ptr<const CPlainPath> Parse(const QString &xpath)
    {
        static const QRegularExpression name(QStringLiteral("^[A-Za-z_][A-Za-z0-9_]*$"));
        QString path = xpath;
        QString predicate;
        if (path.endsWith(QLatin1Char(']'))) {
            const qsizetype open = path.indexOf(QLatin1Char('['));
            if (open < 0 || path.indexOf(QLatin1Char('['), open + 1) >= 0)
                return nullptr;
            predicate = path.mid(open + 1, path.size() - open - 2);
            path.truncate(open);
        }
        if (!path.startsWith(QLatin1Char('/')))
            return nullptr;
        auto plain = std::make_shared<CPlainPath>();
        for (const QString &step : path.mid(1).split(QLatin1Char('/'))) {
            if (!step.startsWith(QLatin1String("dfns:")))
                return nullptr;
            const QString local = step.mid(5);
            if (local != QLatin1String("*") && !name.match(local).hasMatch())
                return nullptr;
            plain->steps.push_back(local.toUtf8());
        }
        if (!predicate.isNull()) {
            for (const QString &term : predicate.split(QStringLiteral(" and "))) {
                const qsizetype equals = term.indexOf(QLatin1Char('='));
                const QString attribute = term.mid(1, equals < 0 ? -1 : equals - 1);
                const QString variable = equals < 0 ? QString() : term.mid(equals + 1);
                if (!term.startsWith(QLatin1Char('@')) || !name.match(attribute).hasMatch() ||
                    (equals >= 0 &&
                     (!variable.startsWith(QLatin1Char('$')) || !name.match(variable.mid(1)).hasMatch())))
                    return nullptr;
                plain->tests.push_back({attribute.toUtf8(), equals < 0 ? QString() : variable.mid(1)});
            }
        }
        return plain;
    }
};

namespace {

// The value of an element's attribute without a namespace, as XPath compares it; false when
// the element has no such attribute.
bool PlainAttribute(xmlNodePtr element, const QByteArray &name, QByteArray &value)
{
    for (xmlAttrPtr a = element->properties; a; a = a->next) {
        if (a->ns || !xmlStrEqual(a->name, reinterpret_cast<const xmlChar *>(name.constData())))
            continue;
        xmlChar *text = xmlNodeGetContent(reinterpret_cast<xmlNodePtr>(a));
        value = text ? QByteArray(reinterpret_cast<const char *>(text)) : QByteArray("");
        xmlFree(text);
        return true;
    }
    return false;
}

void CollectPlain(xmlNodePtr parent, size_t step, const CPlainPath &path, const std::vector<QByteArray> &values,
                  bool firstOnly, std::vector<xmlNodePtr> &out)
{
    const QByteArray &local = path.steps[step];
    const bool any = local == "*";
    for (xmlNodePtr child = parent->children; child; child = child->next) {
        if (!InProfileNamespace(child) ||
            (!any && !xmlStrEqual(child->name, reinterpret_cast<const xmlChar *>(local.constData()))))
            continue;
        if (step + 1 < path.steps.size()) {
            CollectPlain(child, step + 1, path, values, firstOnly, out);
        } else {
            bool passes = true;
            QByteArray value;
            for (size_t t = 0; t < path.tests.size() && passes; ++t)
                passes = PlainAttribute(child, path.tests[t].attribute, value) &&
                    (path.tests[t].variable.isEmpty() || value == values[t]);
            if (passes)
                out.push_back(child);
        }
        if (firstOnly && !out.empty())
            return;
    }
}

}  // namespace

// ---- CJsNode ---------------------------------------------------------------------------

CJsNode::CJsNode(CScriptBridge *bridge, xmlNodePtr node, const QString &attribute)
    : QObject(bridge), m_pBridge(bridge), m_pNode(node), m_strAttribute(attribute)
{
}

QString CJsNode::nodeName() const
{
    return IsAttribute() ? m_strAttribute : NodeName(m_pNode);
}

int CJsNode::nodeType() const
{
    if (IsAttribute())
        return 2;
    switch (m_pNode->type) {
    case XML_ELEMENT_NODE: return 1;
    case XML_TEXT_NODE: return 3;
    case XML_CDATA_SECTION_NODE: return 4;
    case XML_PI_NODE: return 7;
    case XML_COMMENT_NODE: return 8;
    case XML_DOCUMENT_NODE: return 9;
    default: return 0;
    }
}

QJSValue CJsNode::parentNode() const
{
    if (IsAttribute())
        return QJSValue(QJSValue::NullValue);
    return m_pBridge->Wrap(m_pNode->parent);
}

QJSValue CJsNode::ownerElement() const
{
    return IsAttribute() ? m_pBridge->Wrap(m_pNode) : QJSValue(QJSValue::NullValue);
}

QJSValue CJsNode::ownerDocument() const
{
    return m_pBridge->Wrap(reinterpret_cast<xmlNodePtr>(m_pNode->doc));
}

QJSValue CJsNode::documentElement() const
{
    return m_pBridge->Wrap(xmlDocGetRootElement(m_pNode->doc));
}

QJSValue CJsNode::firstChild() const
{
    return IsAttribute() ? QJSValue(QJSValue::NullValue) : m_pBridge->Wrap(m_pNode->children);
}
QJSValue CJsNode::lastChild() const
{
    return IsAttribute() ? QJSValue(QJSValue::NullValue) : m_pBridge->Wrap(m_pNode->last);
}
QJSValue CJsNode::nextSibling() const
{
    return IsAttribute() ? QJSValue(QJSValue::NullValue) : m_pBridge->Wrap(m_pNode->next);
}
QJSValue CJsNode::previousSibling() const
{
    return IsAttribute() ? QJSValue(QJSValue::NullValue) : m_pBridge->Wrap(m_pNode->prev);
}

QJSValue CJsNode::childNodes() const
{
    std::vector<xmlNodePtr> nodes;
    if (!IsAttribute())
        for (xmlNodePtr c = m_pNode->children; c; c = c->next)
            nodes.push_back(c);
    return m_pBridge->WrapList(nodes);
}

QJSValue CJsNode::attributes() const
{
    QJSValue list = m_pBridge->Engine()->newArray();
    quint32 i = 0;
    if (!IsAttribute() && IsElement(m_pNode))
        for (xmlAttrPtr a = m_pNode->properties; a; a = a->next)
            list.setProperty(
                i++, m_pBridge->WrapAttribute(m_pNode, QString::fromUtf8(reinterpret_cast<const char *>(a->name))));
    return list;
}

QString CJsNode::text() const
{
    if (IsAttribute())
        return GetAttr(m_pNode, m_strAttribute.toUtf8().constData());
    xmlChar *content = xmlNodeGetContent(m_pNode);
    const QString out = content ? QString::fromUtf8(reinterpret_cast<const char *>(content)) : QString();
    xmlFree(content);
    return out;
}

void CJsNode::setText(const QString &text)
{
    if (IsAttribute()) {
        SetAttr(m_pNode, m_strAttribute.toUtf8().constData(), text);
        return;
    }
    if (!IsElement(m_pNode))
        return;
    // Children are detached, not freed, so wrappers of them stay valid.
    while (m_pNode->children)
        m_pBridge->Document()->Detach(m_pNode->children);
    xmlAddChild(m_pNode, xmlNewDocText(m_pNode->doc, reinterpret_cast<const xmlChar *>(text.toUtf8().constData())));
}

QJSValue CJsNode::value() const
{
    if (IsAttribute()) {
        if (!HasAttr(m_pNode, m_strAttribute.toUtf8().constData()))
            return QJSValue(QJSValue::NullValue);
        return QJSValue(text());
    }
    if (m_pNode->type == XML_ELEMENT_NODE || m_pNode->type == XML_DOCUMENT_NODE)
        return QJSValue(QJSValue::NullValue);
    return QJSValue(text());
}

void CJsNode::setValue(const QJSValue &value)
{
    if (IsAttribute())
        SetAttr(m_pNode, m_strAttribute.toUtf8().constData(), AttributeText(value));
    else if (m_pNode->type != XML_ELEMENT_NODE && m_pNode->type != XML_DOCUMENT_NODE)
        xmlNodeSetContent(m_pNode, reinterpret_cast<const xmlChar *>(AttributeText(value).toUtf8().constData()));
}

QJSValue CJsNode::getAttribute(const QString &name) const
{
    const QByteArray n = name.toUtf8();
    if (IsAttribute() || !HasAttr(m_pNode, n.constData()))
        return QJSValue(QJSValue::NullValue);
    return QJSValue(GetAttr(m_pNode, n.constData()));
}

bool CJsNode::hasAttribute(const QString &name) const
{
    return !IsAttribute() && HasAttr(m_pNode, name.toUtf8().constData());
}

void CJsNode::setAttribute(const QString &name, const QJSValue &value)
{
    if (IsAttribute() || !IsElement(m_pNode)) {
        m_pBridge->Fail(QStringLiteral("setAttribute: not an element"));
        return;
    }
    SetAttr(m_pNode, name.toUtf8().constData(), AttributeText(value));
}

void CJsNode::removeAttribute(const QString &name)
{
    if (!IsAttribute())
        RemoveAttr(m_pNode, name.toUtf8().constData());
}

QJSValue CJsNode::getAttributeNode(const QString &name) const
{
    if (!hasAttribute(name))
        return QJSValue(QJSValue::NullValue);
    return m_pBridge->WrapAttribute(m_pNode, name);
}

QJSValue CJsNode::selectSingleNode(const QString &xpath, const QJSValue &vars) const
{
    try {
        const std::vector<xmlNodePtr> nodes = m_pBridge->Select(m_pNode, xpath, vars, true);
        return m_pBridge->Wrap(nodes.empty() ? nullptr : nodes.front());
    } catch (const CZQVCPSException &e) {
        return m_pBridge->Fail(e.GetTrace().trimmed());
    }
}

QJSValue CJsNode::selectNodes(const QString &xpath, const QJSValue &vars) const
{
    try {
        return m_pBridge->WrapList(m_pBridge->Select(m_pNode, xpath, vars, false));
    } catch (const CZQVCPSException &e) {
        return m_pBridge->Fail(e.GetTrace().trimmed());
    }
}

std::vector<xmlNodePtr> CJsNode::Contacts() const
{
    std::vector<xmlNodePtr> contacts;
    xmlNodePtr root = m_pNode && m_pNode->doc ? xmlDocGetRootElement(m_pNode->doc) : nullptr;
    if (!root)
        return contacts;
    for (xmlNodePtr folder = root->children; folder; folder = folder->next) {
        if (!IsProfileElement(folder, "Contacts"))
            continue;
        for (xmlNodePtr list = folder->children; list; list = list->next) {
            if (!InProfileNamespace(list))
                continue;
            for (xmlNodePtr c = list->children; c; c = c->next)
                if (InProfileNamespace(c) && HasAttr(c, "cntct_type"))
                    contacts.push_back(c);
        }
    }
    return contacts;
}

int CJsNode::contactCount() const
{
    return int(Contacts().size());
}

int CJsNode::countContactsNamedLike(const QString &name) const
{
    int count = 0;
    for (xmlNodePtr c : Contacts())
        if (CollateNames(GetAttr(c, "name"), name) == 0)
            ++count;
    return count;
}

QJSValue CJsNode::contactNumbers(const QString &attribute) const
{
    const std::vector<xmlNodePtr> contacts = Contacts();
    const QByteArray name = attribute.toUtf8();
    QJSValue list = m_pBridge->Engine()->newArray(static_cast<uint>(contacts.size()));
    for (size_t i = 0; i < contacts.size(); ++i) {
        list.setProperty(static_cast<quint32>(i), DigitsValue(GetAttr(contacts[i], name.constData()).trimmed()));
    }
    return list;
}

QJSValue CJsNode::appendChild(const QJSValue &child)
{
    return insertBefore(child, QJSValue(QJSValue::NullValue));
}

QJSValue CJsNode::insertBefore(const QJSValue &child, const QJSValue &reference)
{
    xmlNodePtr node = m_pBridge->Unwrap(child);
    xmlNodePtr ref = m_pBridge->Unwrap(reference);
    if (IsAttribute() || !node || node->type == XML_DOCUMENT_NODE || node->doc != m_pNode->doc)
        return m_pBridge->Fail(QStringLiteral("insertBefore: not a node of this document"));
    for (xmlNodePtr a = m_pNode; a; a = a->parent)
        if (a == node)
            return m_pBridge->Fail(QStringLiteral("insertBefore: a node cannot contain itself"));
    if (ref && ref->parent != m_pNode)
        return m_pBridge->Fail(QStringLiteral("insertBefore: the reference node is not a child"));
    if (m_pNode->type == XML_DOCUMENT_NODE && xmlDocGetRootElement(m_pNode->doc))
        return m_pBridge->Fail(QStringLiteral("insertBefore: the document already has its root"));
    xmlUnlinkNode(node);
    if (ref)
        xmlAddPrevSibling(ref, node);
    else
        xmlAddChild(m_pNode, node);
    return child;
}

QJSValue CJsNode::removeChild(const QJSValue &child)
{
    xmlNodePtr node = m_pBridge->Unwrap(child);
    if (IsAttribute() || !node || node->parent != m_pNode)
        return m_pBridge->Fail(QStringLiteral("removeChild: not a child of this node"));
    m_pBridge->Document()->Detach(node);
    return child;
}

QJSValue CJsNode::createElement(const QString &name)
{
    return m_pBridge->Wrap(m_pBridge->Document()->CreateElement(name));
}

QJSValue CJsNode::cloneNode(bool deep)
{
    if (IsAttribute() || m_pNode->type == XML_DOCUMENT_NODE)
        return m_pBridge->Fail(QStringLiteral("cloneNode: only elements can be cloned"));
    xmlNodePtr copy = xmlDocCopyNode(m_pNode, m_pNode->doc, deep ? 1 : 2);
    m_pBridge->Document()->Detach(copy);  // owned by the document until inserted
    return m_pBridge->Wrap(copy);
}

bool CJsNode::hasChildNodes() const
{
    return !IsAttribute() && m_pNode->children != nullptr;
}

// ---- CJsHost ---------------------------------------------------------------------------

int CJsHost::compareNames(const QString &a, const QString &b) const
{
    const int c = CollateNames(a, b);
    return c < 0 ? -1 : (c > 0 ? 1 : 0);
}

// ---- CScriptBridge ---------------------------------------------------------------------

CScriptBridge::CScriptBridge(QJSEngine *engine) : m_pEngine(engine) {}

void CScriptBridge::SetDocument(std::shared_ptr<CXmlDocument> doc)
{
    // Wrappers of the old document's nodes must not outlive it.
    qDeleteAll(m_nodes);
    qDeleteAll(m_attributes);
    m_nodes.clear();
    m_attributes.clear();
    m_spDoc = std::move(doc);
}

CScriptBridge::~CScriptBridge() = default;

std::vector<xmlNodePtr> CScriptBridge::Select(xmlNodePtr context, const QString &xpath, const QJSValue &vars,
                                              bool firstOnly)
{
    const XPathVars given = ToVars(vars);
    auto known = m_plainPaths.constFind(xpath);
    if (known == m_plainPaths.constEnd()) {
        // The rules use a few dozen expressions; a cache that grows past that starts afresh.
        if (m_plainPaths.size() >= 256)
            m_plainPaths.clear();
        known = m_plainPaths.insert(xpath, CPlainPath::Parse(xpath));
    }
    const CPlainPath *plain = known->get();
    xmlNodePtr root = m_spDoc ? m_spDoc->Root() : nullptr;
    std::vector<QByteArray> values;
    for (size_t t = 0; plain && t < plain->tests.size(); ++t) {
        const QString &variable = plain->tests[t].variable;
        const auto found = std::find_if(given.begin(), given.end(), [&](const auto &v) { return v.first == variable; });
        if (!variable.isEmpty() && found == given.end())
            plain = nullptr;  // XPath reports the unknown variable
        else
            values.push_back(variable.isEmpty() ? QByteArray() : found->second.toUtf8());
    }
    if (!plain || !root || !root->doc) {
        std::vector<xmlNodePtr> nodes = m_spDoc->Select(context, xpath, given);
        if (firstOnly && nodes.size() > 1)
            nodes.resize(1);
        return nodes;
    }
    std::vector<xmlNodePtr> nodes;
    CollectPlain(reinterpret_cast<xmlNodePtr>(root->doc), 0, *plain, values, firstOnly, nodes);
    return nodes;
}

QJSValue CScriptBridge::Wrap(xmlNodePtr node)
{
    if (!node || !m_spDoc)
        return QJSValue(QJSValue::NullValue);
    if (node->type == XML_ATTRIBUTE_NODE)
        return WrapAttribute(node->parent, QString::fromUtf8(reinterpret_cast<const char *>(node->name)));
    CJsNode *&wrapper = m_nodes[node];
    if (!wrapper) {
        wrapper = new CJsNode(this, node);
        QJSEngine::setObjectOwnership(wrapper, QJSEngine::CppOwnership);
    }
    return m_pEngine->newQObject(wrapper);
}

QJSValue CScriptBridge::WrapAttribute(xmlNodePtr element, const QString &name)
{
    if (!element || !m_spDoc)
        return QJSValue(QJSValue::NullValue);
    CJsNode *&wrapper = m_attributes[qMakePair(element, name)];
    if (!wrapper) {
        wrapper = new CJsNode(this, element, name);
        QJSEngine::setObjectOwnership(wrapper, QJSEngine::CppOwnership);
    }
    return m_pEngine->newQObject(wrapper);
}

QJSValue CScriptBridge::WrapList(const std::vector<xmlNodePtr> &nodes)
{
    QJSValue list = m_pEngine->newArray(static_cast<uint>(nodes.size()));
    for (size_t i = 0; i < nodes.size(); ++i)
        list.setProperty(static_cast<quint32>(i), Wrap(nodes[i]));
    return list;
}

xmlNodePtr CScriptBridge::Unwrap(const QJSValue &value) const
{
    auto *node = qobject_cast<CJsNode *>(value.toQObject());
    return (node && node->Attribute().isNull()) ? node->Node() : nullptr;
}

QJSValue CScriptBridge::Fail(const QString &message) const
{
    m_pEngine->throwError(message);
    return QJSValue();
}

}  // namespace zqv
