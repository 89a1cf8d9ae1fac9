// A small RAII layer over libxml2 for profiles, setting documents and the profile schema.
//
// Parsing is safe for untrusted text: no network, no DTD loading, no entity substitution, and
// any document type declaration is refused outright (profiles and setting documents have
// none), which also shuts out entity-expansion bombs. XPath queries bind the prefix `dfns` to
// the profile namespace; text that comes from users (names, PIDs) is passed to queries as
// XPath variables, never pasted into the expression.
//
// Nodes are plain `xmlNodePtr`s owned by their document. Nodes taken out of the tree through
// `Detach` (or created and not yet inserted) stay alive until the document is freed, so a
// handle held by a view or a script never points at freed memory.
#pragma once

#include <QByteArray>
#include <QString>
#include <libxml/tree.h>
#include <libxml/xpath.h>
#include <memory>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

namespace zqv {

// The namespace of every element of profiles, templates and setting documents.
inline constexpr const char kProfileNamespace[] = "urn:corvane:zqv-cps:profile";
// The namespace of the `SchemaExtension` annotations in the profile schema (prefix `ccps`).
inline constexpr const char kSchemaExtNamespace[] = "urn:corvane:zqv-cps:schema-extension";
// XML Schema's own namespace (prefix `xs`).
inline constexpr const char kXsdNamespace[] = "http://www.w3.org/2001/XMLSchema";

// The most attributes one element may carry. The largest element of a real profile has about
// 60; the parser's duplicate-attribute check takes time quadratic in their number, so a
// document with a crowded element is refused before it is parsed.
inline constexpr int kMaxAttributesPerElement = 256;

// Why Parse refused a text.
enum class XmlParseFailure {
    None,
    Malformed,  // not well-formed, a document type declaration, no root element
    TooManyAttributes,  // an element with more than kMaxAttributesPerElement attributes
};

// Named string variables for an XPath query: {"pid", "1234"} is `$pid` in the expression.
using XPathVars = std::vector<std::pair<QString, QString>>;

class CXmlDocument {
public:
    ~CXmlDocument();
    CXmlDocument(const CXmlDocument &) = delete;
    CXmlDocument &operator=(const CXmlDocument &) = delete;

    // Parses XML text. On failure returns null and, when `error` is given, the parser's
    // reason with its line number; `failure` tells a crowded element from other faults.
    static std::shared_ptr<CXmlDocument> Parse(const QByteArray &utf8, QString *error = nullptr,
                                               XmlParseFailure *failure = nullptr);
    static std::shared_ptr<CXmlDocument> Parse(const QString &text, QString *error = nullptr,
                                               XmlParseFailure *failure = nullptr);
    // An empty document (no root), for building documents in code.
    static std::shared_ptr<CXmlDocument> Create();
    // Takes ownership of a document libxml2 produced elsewhere (e.g. xmlCopyDoc).
    static std::shared_ptr<CXmlDocument> Adopt(xmlDocPtr doc);

    xmlDocPtr Doc() const { return m_pDoc; }
    xmlNodePtr Root() const;

    // Serialises the document as UTF-8 XML with its declaration.
    QByteArray ToUtf8(bool format = false) const;
    QString ToString(bool format = false) const { return QString::fromUtf8(ToUtf8(format)); }

    // Binds a further namespace prefix for this document's queries (`dfns` is always bound).
    void BindPrefix(const char *prefix, const char *uri);

    // Runs an XPath expression relative to `context` (the document when null) and returns the
    // selected nodes in document order. An expression that does not compile, or that yields
    // no node-set, throws CZQVCPSException 106 with libxml2's reason.
    std::vector<xmlNodePtr> Select(xmlNodePtr context, const QString &xpath, const XPathVars &vars = {}) const;
    // The first selected node, or null.
    xmlNodePtr SelectOne(xmlNodePtr context, const QString &xpath, const XPathVars &vars = {}) const;
    // Evaluates an expression to a number (e.g. count(...)).
    double Number(xmlNodePtr context, const QString &xpath, const XPathVars &vars = {}) const;

    // A new element in the profile namespace, not yet in the tree (owned by the document).
    xmlNodePtr CreateElement(const QString &localName);
    // Takes `node` out of the tree; it stays alive until the document is freed.
    void Detach(xmlNodePtr node);

private:
    explicit CXmlDocument(xmlDocPtr doc);
    xmlXPathObjectPtr Eval(xmlNodePtr context, const QString &xpath, const XPathVars &vars) const;

    xmlDocPtr m_pDoc;
    xmlXPathContextPtr m_pXPath = nullptr;
    // Expressions compiled once, by their text: the rule script and the import run the same
    // few queries thousands of times.
    mutable std::unordered_map<std::string, xmlXPathCompExprPtr> m_compiled;
    std::vector<xmlNodePtr> m_orphans;
};

// Node helpers. Element names are compared by local name; attributes carry no namespace.
QString NodeName(xmlNodePtr node);
bool IsElement(xmlNodePtr node);
bool HasAttr(xmlNodePtr element, const char *name);
QString GetAttr(xmlNodePtr element, const char *name);
void SetAttr(xmlNodePtr element, const char *name, const QString &value);
void RemoveAttr(xmlNodePtr element, const char *name);
// Element children only, in document order.
std::vector<xmlNodePtr> ElementChildren(xmlNodePtr node);
xmlNodePtr NextElementSibling(xmlNodePtr node);

// True when `element` is in the profile namespace and has this local name.
bool IsProfileElement(xmlNodePtr element, const char *localName);
// Calls `visit(element)` for every element below `node` (itself excluded) in document order;
// stops early when `visit` returns false. A plain tree walk: much faster than an XPath `//`
// query for the look-ups that run once per contact.
template <class Visit>
void ForEachElement(xmlNodePtr node, Visit visit)
{
    xmlNodePtr cur = node ? node->children : nullptr;
    while (cur) {
        if (cur->type == XML_ELEMENT_NODE) {
            if (!visit(cur))
                return;
            if (cur->children) {
                cur = cur->children;
                continue;
            }
        }
        while (cur && !cur->next && cur != node)
            cur = cur->parent;
        if (!cur || cur == node)
            return;
        cur = cur->next;
    }
}
// Compares an attribute's value with UTF-8 text without copying it; false when absent.
bool AttrEquals(xmlNodePtr element, const char *name, const QByteArray &utf8);
// An attribute's value read as an XPath number would be (NaN when absent or not a number), so
// `@flag = 1` can be answered without XPath.
double AttrNumber(xmlNodePtr element, const char *name);

// Escapes text for an XML attribute value in double quotes: "&" first, then "<", ">" and the
// double quote. The apostrophe is left as it is.
QString XmlEscape(const QString &text);

// The line of the first start tag in `utf8` with more than `cap` attributes, or 0 when there
// is none. One linear pass over the text that skips comments, processing instructions,
// CDATA sections, declarations and quoted values; it never reads past the text.
int FindCrowdedElement(const QByteArray &utf8, int cap = kMaxAttributesPerElement);

// Makes libxml2 refuse every external entity and DTD load process-wide. Called by Parse.
void HardenXmlLibrary();

}  // namespace zqv
