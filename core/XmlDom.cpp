#include "XmlDom.h"

#include "StringIds.h"
#include "ZQVCPSException.h"

#include <cstring>
#include <libxml/parser.h>
#include <libxml/parserInternals.h>
#include <libxml/xmlerror.h>
#include <libxml/xpathInternals.h>
#include <mutex>

namespace zqv {

namespace {

const xmlChar *X(const char *s)
{
    return reinterpret_cast<const xmlChar *>(s);
}
QString Q(const xmlChar *s)
{
    return s ? QString::fromUtf8(reinterpret_cast<const char *>(s)) : QString();
}

xmlParserInputPtr RefuseExternalEntity(const char *, const char *, xmlParserCtxtPtr)
{
    return nullptr;
}

struct ParseState {
    QString error;
    bool sawDoctype = false;
};

void OnDoctype(void *ctx, const xmlChar *, const xmlChar *, const xmlChar *)
{
    auto *ctxt = static_cast<xmlParserCtxtPtr>(ctx);
    static_cast<ParseState *>(ctxt->_private)->sawDoctype = true;
    xmlStopParser(ctxt);
}

void OnParseError(void *userData, xmlErrorPtr err)
{
    auto *ctxt = static_cast<xmlParserCtxtPtr>(userData);
    auto *state = ctxt ? static_cast<ParseState *>(ctxt->_private) : nullptr;
    if (!state || !err || err->level < XML_ERR_ERROR || !state->error.isEmpty())
        return;
    state->error = QStringLiteral("line %1: %2").arg(err->line).arg(QString::fromUtf8(err->message).trimmed());
}

void OnXPathError(void *userData, xmlErrorPtr err)
{
    auto *message = static_cast<QString *>(userData);
    if (message && err && err->message && message->isEmpty())
        *message = QString::fromUtf8(err->message).trimmed();
}

}  // namespace

void HardenXmlLibrary()
{
    static std::once_flag once;
    std::call_once(once, [] {
        xmlInitParser();
        xmlSetExternalEntityLoader(RefuseExternalEntity);
    });
}

CXmlDocument::CXmlDocument(xmlDocPtr doc) : m_pDoc(doc)
{
    m_pXPath = xmlXPathNewContext(m_pDoc);
    xmlXPathRegisterNs(m_pXPath, X("dfns"), X(kProfileNamespace));
}

CXmlDocument::~CXmlDocument()
{
    for (auto &entry : m_compiled)
        xmlXPathFreeCompExpr(entry.second);
    if (m_pXPath)
        xmlXPathFreeContext(m_pXPath);
    for (xmlNodePtr node : m_orphans)
        if (!node->parent)
            xmlFreeNode(node);
    xmlFreeDoc(m_pDoc);
}

int FindCrowdedElement(const QByteArray &utf8, int cap)
{
    const char *p = utf8.constData();
    const qsizetype n = utf8.size();
    int line = 1;
    qsizetype i = 0;
    auto startsWith = [&](qsizetype at, const char *s, qsizetype len) {
        return n - at >= len && memcmp(p + at, s, size_t(len)) == 0;
    };
    // Moves i past the next `end`, counting lines (to the end of the text when there is none).
    auto skipPast = [&](const char *end, qsizetype len) {
        while (i < n && !startsWith(i, end, len)) {
            if (p[i] == '\n')
                ++line;
            ++i;
        }
        i = qMin(n, i + len);
    };
    while (i < n) {
        const char c = p[i];
        if (c == '\n')
            ++line;
        if (c != '<') {
            ++i;
            continue;
        }
        if (startsWith(i, "<!--", 4)) {
            i += 4;
            skipPast("-->", 3);
        } else if (startsWith(i, "<![CDATA[", 9)) {
            i += 9;
            skipPast("]]>", 3);
        } else if (startsWith(i, "<?", 2)) {
            i += 2;
            skipPast("?>", 2);
        } else if (startsWith(i, "<!", 2) || startsWith(i, "</", 2)) {
            i += 2;
            skipPast(">", 1);
        } else {
            // A start tag: every '=' outside a quoted value begins an attribute value.
            const int tagLine = line;
            int attributes = 0;
            char quote = 0;
            for (++i; i < n; ++i) {
                const char d = p[i];
                if (d == '\n')
                    ++line;
                if (quote) {
                    if (d == quote)
                        quote = 0;
                } else if (d == '"' || d == '\'') {
                    quote = d;
                } else if (d == '=') {
                    if (++attributes > cap)
                        return tagLine;
                } else if (d == '>' || d == '<') {
                    break;  // a stray '<' is the parser's to report
                }
            }
            if (i < n && p[i] == '>')
                ++i;
        }
    }
    return 0;
}

std::shared_ptr<CXmlDocument> CXmlDocument::Parse(const QByteArray &utf8, QString *error, XmlParseFailure *failure)
{
    HardenXmlLibrary();
    if (failure)
        *failure = XmlParseFailure::None;
    if (const int line = FindCrowdedElement(utf8)) {
        if (error)
            *error = QStringLiteral("line %1: an element has more than %2 attributes")
                         .arg(line)
                         .arg(kMaxAttributesPerElement);
        if (failure)
            *failure = XmlParseFailure::TooManyAttributes;
        return nullptr;
    }
    ParseState state;
    xmlParserCtxtPtr ctxt = xmlNewParserCtxt();
    if (!ctxt) {
        if (failure)
            *failure = XmlParseFailure::Malformed;
        if (error)
            *error = QStringLiteral("out of memory");
        return nullptr;
    }
    ctxt->_private = &state;
    ctxt->sax->internalSubset = OnDoctype;
    ctxt->sax->serror = OnParseError;
    // The text is already decoded: whatever encoding its declaration names is not used.
    xmlDocPtr doc = xmlCtxtReadMemory(ctxt, utf8.constData(), utf8.size(), nullptr, "UTF-8",
                                      XML_PARSE_NONET | XML_PARSE_NOBLANKS | XML_PARSE_NOWARNING);
    const bool stopped = ctxt->errNo == XML_ERR_USER_STOP || state.sawDoctype;
    const bool wellFormed = ctxt->wellFormed && doc && !stopped;
    if (!wellFormed) {
        if (failure)
            *failure = XmlParseFailure::Malformed;
        if (error) {
            if (state.sawDoctype)
                *error = QStringLiteral("document type declarations are not accepted");
            else if (!state.error.isEmpty())
                *error = state.error;
            else
                *error = QStringLiteral("not a well-formed XML document");
        }
        if (doc)
            xmlFreeDoc(doc);
        xmlFreeParserCtxt(ctxt);
        return nullptr;
    }
    xmlFreeParserCtxt(ctxt);
    if (!xmlDocGetRootElement(doc)) {
        xmlFreeDoc(doc);
        if (failure)
            *failure = XmlParseFailure::Malformed;
        if (error)
            *error = QStringLiteral("the document has no root element");
        return nullptr;
    }
    return std::shared_ptr<CXmlDocument>(new CXmlDocument(doc));
}

std::shared_ptr<CXmlDocument> CXmlDocument::Parse(const QString &text, QString *error, XmlParseFailure *failure)
{
    return Parse(text.toUtf8(), error, failure);
}

std::shared_ptr<CXmlDocument> CXmlDocument::Create()
{
    HardenXmlLibrary();
    return std::shared_ptr<CXmlDocument>(new CXmlDocument(xmlNewDoc(X("1.0"))));
}

std::shared_ptr<CXmlDocument> CXmlDocument::Adopt(xmlDocPtr doc)
{
    HardenXmlLibrary();
    return doc ? std::shared_ptr<CXmlDocument>(new CXmlDocument(doc)) : nullptr;
}

xmlNodePtr CXmlDocument::Root() const
{
    return xmlDocGetRootElement(m_pDoc);
}

QByteArray CXmlDocument::ToUtf8(bool format) const
{
    xmlChar *mem = nullptr;
    int size = 0;
    xmlDocDumpFormatMemoryEnc(m_pDoc, &mem, &size, "UTF-8", format ? 1 : 0);
    QByteArray out(reinterpret_cast<const char *>(mem), size);
    xmlFree(mem);
    return out;
}

void CXmlDocument::BindPrefix(const char *prefix, const char *uri)
{
    xmlXPathRegisterNs(m_pXPath, X(prefix), X(uri));
}

namespace {
constexpr size_t kMaxCompiledExpressions = 256;
}  // namespace

xmlXPathObjectPtr CXmlDocument::Eval(xmlNodePtr context, const QString &xpath, const XPathVars &vars) const
{
    QString message;
    m_pXPath->node = context ? context : reinterpret_cast<xmlNodePtr>(m_pDoc);
    m_pXPath->error = OnXPathError;
    m_pXPath->userData = &message;
    for (const auto &var : vars) {
        const QByteArray value = var.second.toUtf8();
        xmlXPathRegisterVariable(m_pXPath, X(var.first.toUtf8().constData()), xmlXPathNewString(X(value.constData())));
    }
    const QByteArray utf8 = xpath.toUtf8();
    std::string key(utf8.constData(), size_t(utf8.size()));
    auto compiled = m_compiled.find(key);
    xmlXPathCompExprPtr expression = compiled == m_compiled.end() ? nullptr : compiled->second;
    if (!expression) {
        expression = xmlXPathCtxtCompile(m_pXPath, X(utf8.constData()));
        // The expressions come from the program and the rule script, a few dozen in all; a
        // cache that grows past that is started afresh.
        if (expression && m_compiled.size() >= kMaxCompiledExpressions) {
            for (auto &entry : m_compiled)
                xmlXPathFreeCompExpr(entry.second);
            m_compiled.clear();
        }
        if (expression)
            m_compiled.emplace(std::move(key), expression);
    }
    xmlXPathObjectPtr result = expression ? xmlXPathCompiledEval(expression, m_pXPath) : nullptr;
    if (!vars.empty())
        xmlXPathRegisteredVariablesCleanup(m_pXPath);
    m_pXPath->userData = nullptr;
    if (!result)
        ZQV_THROW(IDS_UNKNOWN_ERROR, "CXmlDocument::Select",
                  QStringLiteral("XPath '%1' failed: %2").arg(xpath, message));
    return result;
}

std::vector<xmlNodePtr> CXmlDocument::Select(xmlNodePtr context, const QString &xpath, const XPathVars &vars) const
{
    xmlXPathObjectPtr result = Eval(context, xpath, vars);
    std::vector<xmlNodePtr> nodes;
    if (result->type != XPATH_NODESET) {
        xmlXPathFreeObject(result);
        ZQV_THROW(IDS_UNKNOWN_ERROR, "CXmlDocument::Select",
                  QStringLiteral("XPath '%1' does not select nodes").arg(xpath));
    }
    if (result->nodesetval) {
        nodes.reserve(result->nodesetval->nodeNr);
        for (int i = 0; i < result->nodesetval->nodeNr; ++i)
            nodes.push_back(result->nodesetval->nodeTab[i]);
    }
    xmlXPathFreeObject(result);
    return nodes;
}

xmlNodePtr CXmlDocument::SelectOne(xmlNodePtr context, const QString &xpath, const XPathVars &vars) const
{
    const auto nodes = Select(context, xpath, vars);
    return nodes.empty() ? nullptr : nodes.front();
}

double CXmlDocument::Number(xmlNodePtr context, const QString &xpath, const XPathVars &vars) const
{
    xmlXPathObjectPtr result = Eval(context, xpath, vars);
    const double value = xmlXPathCastToNumber(result);
    xmlXPathFreeObject(result);
    return value;
}

xmlNodePtr CXmlDocument::CreateElement(const QString &localName)
{
    xmlNodePtr root = Root();
    xmlNsPtr ns = root ? xmlSearchNsByHref(m_pDoc, root, X(kProfileNamespace)) : nullptr;
    xmlNodePtr node = xmlNewDocNode(m_pDoc, ns, X(localName.toUtf8().constData()), nullptr);
    if (!ns)
        xmlSetNs(node, xmlNewNs(node, X(kProfileNamespace), nullptr));
    m_orphans.push_back(node);
    return node;
}

void CXmlDocument::Detach(xmlNodePtr node)
{
    if (!node)
        return;
    xmlUnlinkNode(node);
    for (xmlNodePtr known : m_orphans)
        if (known == node)
            return;
    m_orphans.push_back(node);
}

QString NodeName(xmlNodePtr node)
{
    if (!node)
        return QString();
    if (node->type == XML_DOCUMENT_NODE)
        return QStringLiteral("#document");
    if (node->type == XML_TEXT_NODE)
        return QStringLiteral("#text");
    if (node->type == XML_COMMENT_NODE)
        return QStringLiteral("#comment");
    return Q(node->name);
}

bool IsElement(xmlNodePtr node)
{
    return node && node->type == XML_ELEMENT_NODE;
}

bool HasAttr(xmlNodePtr element, const char *name)
{
    return IsElement(element) && xmlHasProp(element, X(name)) != nullptr;
}

QString GetAttr(xmlNodePtr element, const char *name)
{
    if (!IsElement(element))
        return QString();
    xmlChar *value = xmlGetNoNsProp(element, X(name));
    QString out = Q(value);
    xmlFree(value);
    return out;
}

void SetAttr(xmlNodePtr element, const char *name, const QString &value)
{
    if (IsElement(element))
        xmlSetProp(element, X(name), X(value.toUtf8().constData()));
}

void RemoveAttr(xmlNodePtr element, const char *name)
{
    if (!IsElement(element))
        return;
    if (xmlAttrPtr attr = xmlHasProp(element, X(name)))
        xmlRemoveProp(attr);
}

std::vector<xmlNodePtr> ElementChildren(xmlNodePtr node)
{
    std::vector<xmlNodePtr> out;
    for (xmlNodePtr child = node ? node->children : nullptr; child; child = child->next)
        if (child->type == XML_ELEMENT_NODE)
            out.push_back(child);
    return out;
}

xmlNodePtr NextElementSibling(xmlNodePtr node)
{
    for (xmlNodePtr next = node ? node->next : nullptr; next; next = next->next)
        if (next->type == XML_ELEMENT_NODE)
            return next;
    return nullptr;
}

bool IsProfileElement(xmlNodePtr element, const char *localName)
{
    return IsElement(element) && element->ns && xmlStrEqual(element->ns->href, X(kProfileNamespace)) &&
        xmlStrEqual(element->name, X(localName));
}

bool AttrEquals(xmlNodePtr element, const char *name, const QByteArray &utf8)
{
    xmlAttrPtr attr = IsElement(element) ? xmlHasProp(element, X(name)) : nullptr;
    if (!attr)
        return false;
    if (!attr->children)
        return utf8.isEmpty();
    if (attr->children->type == XML_TEXT_NODE && !attr->children->next)
        return xmlStrEqual(attr->children->content, X(utf8.constData()));
    xmlChar *value = xmlNodeListGetString(element->doc, attr->children, 1);
    const bool equal = xmlStrEqual(value ? value : X(""), X(utf8.constData()));
    xmlFree(value);
    return equal;
}

double AttrNumber(xmlNodePtr element, const char *name)
{
    xmlChar *value = IsElement(element) ? xmlGetNoNsProp(element, X(name)) : nullptr;
    if (!value)
        return xmlXPathNAN;
    const double number = xmlXPathStringEvalNumber(value);
    xmlFree(value);
    return number;
}

QString XmlEscape(const QString &text)
{
    QString out = text;
    out.replace(QLatin1Char('&'), QLatin1String("&amp;"));
    out.replace(QLatin1Char('<'), QLatin1String("&lt;"));
    out.replace(QLatin1Char('>'), QLatin1String("&gt;"));
    out.replace(QLatin1Char('"'), QLatin1String("&quot;"));
    return out;
}

}  // namespace zqv
