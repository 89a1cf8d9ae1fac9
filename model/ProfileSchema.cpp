#include "ProfileSchema.h"

#include <unordered_map>

#include <libxml/xmlschemas.h>

namespace zqv {

namespace {

const xmlChar *X(const char *s)
{
    return reinterpret_cast<const xmlChar *>(s);
}

bool IsXs(xmlNodePtr node, const char *localName)
{
    return IsElement(node) && node->ns && xmlStrEqual(node->ns->href, X(kXsdNamespace)) &&
        xmlStrEqual(node->name, X(localName));
}

// Splits a QName of the schema document into its namespace URI and local name.
std::pair<QString, QString> ResolveQName(xmlNodePtr context, const QString &qname)
{
    const qsizetype colon = qname.indexOf(QLatin1Char(':'));
    const QString prefix = colon < 0 ? QString() : qname.left(colon);
    const QString local = colon < 0 ? qname : qname.mid(colon + 1);
    const QByteArray p = prefix.toUtf8();
    xmlNsPtr ns = xmlSearchNs(context->doc, context, prefix.isEmpty() ? nullptr : X(p.constData()));
    return {ns ? QString::fromUtf8(reinterpret_cast<const char *>(ns->href)) : QString(), local};
}

bool IsBuiltin(xmlNodePtr context, const QString &qname, QString *local)
{
    const auto [uri, name] = ResolveQName(context, qname);
    if (local)
        *local = name;
    return uri == QLatin1String(kXsdNamespace);
}

struct ErrorSink {
    QString first;
};

void CollectError(void *userData, xmlErrorPtr err)
{
    auto *sink = static_cast<ErrorSink *>(userData);
    if (sink && err && err->level >= XML_ERR_ERROR && sink->first.isEmpty())
        sink->first = QStringLiteral("line %1: %2").arg(err->line).arg(QString::fromUtf8(err->message).trimmed());
}

constexpr int kMaxDepth = 32;  // guards against circular group and type references

// True for one or more ASCII digits and nothing else.
bool IsDigits(const xmlChar *text)
{
    if (!text || !*text)
        return false;
    for (; *text; ++text)
        if (*text < '0' || *text > '9')
            return false;
    return true;
}

}  // namespace

CProfileSchema::~CProfileSchema()
{
    if (m_pSchema)
        xmlSchemaFree(m_pSchema);
}

std::shared_ptr<CProfileSchema> CProfileSchema::Load(const QByteArray &xsdText, QString *error)
{
    std::shared_ptr<CProfileSchema> schema(new CProfileSchema);
    schema->m_spDoc = CXmlDocument::Parse(xsdText, error);
    if (!schema->m_spDoc)
        return nullptr;
    schema->m_spDoc->BindPrefix("xs", kXsdNamespace);
    schema->m_spDoc->BindPrefix("ccps", kSchemaExtNamespace);

    ErrorSink sink;
    xmlSchemaParserCtxtPtr pctxt = xmlSchemaNewMemParserCtxt(xsdText.constData(), xsdText.size());
    if (!pctxt) {
        if (error)
            *error = QStringLiteral("cannot create the schema parser");
        return nullptr;
    }
    xmlSchemaSetParserStructuredErrors(pctxt, CollectError, &sink);
    schema->m_pSchema = xmlSchemaParse(pctxt);
    xmlSchemaFreeParserCtxt(pctxt);
    if (!schema->m_pSchema) {
        if (error)
            *error = sink.first.isEmpty() ? QStringLiteral("the schema does not compile") : sink.first;
        return nullptr;
    }
    return schema;
}

bool CProfileSchema::Validate(const CXmlDocument &doc, QString *error) const
{
    ErrorSink sink;
    xmlSchemaValidCtxtPtr vctxt = xmlSchemaNewValidCtxt(m_pSchema);
    if (!vctxt) {
        if (error)
            *error = QStringLiteral("cannot create the schema validator");
        return false;
    }
    xmlSchemaSetValidStructuredErrors(vctxt, CollectError, &sink);
    const int rc = xmlSchemaValidateDoc(vctxt, doc.Doc());
    xmlSchemaFreeValidCtxt(vctxt);
    if (rc != 0 && error)
        *error = sink.first.isEmpty() ? QStringLiteral("the document is not valid") : sink.first;
    return rc == 0 && NumbersAreDigits(doc, error);
}

// Whether the schema declares this attribute (of this element, under this parent) as a number,
// a switch or a type code; remembered across documents by the names' text. `key` is a buffer.
bool CProfileSchema::IsNumericAttribute(xmlNodePtr element, xmlAttrPtr attr, QByteArray &key) const
{
    key.resize(0);
    if (element->parent && element->parent->type == XML_ELEMENT_NODE)
        key.append(reinterpret_cast<const char *>(element->parent->name)).append('/');
    key.append(reinterpret_cast<const char *>(element->name)).append('@');
    key.append(reinterpret_cast<const char *>(attr->name));
    auto it = m_numericCache.constFind(key);
    if (it == m_numericCache.cend()) {
        const QString name = QString::fromUtf8(reinterpret_cast<const char *>(attr->name));
        const xmlNodePtr decl = AttributeDecl(element, name);
        it = m_numericCache.insert(key, decl && AttributeType(decl) != ValueType::Text);
    }
    return *it;
}

// The validator collapses white space before it checks a number's pattern, so " 7" and
// "\t7" pass as 7 although the record conversion reads them as 0. Numbers, switches and
// contact types are therefore checked again on the text as stored: digits only.
bool CProfileSchema::NumbersAreDigits(const CXmlDocument &doc, QString *error) const
{
    bool ok = true;
    // A profile has thousands of attributes but few distinct names: each name triple is looked
    // up by its text once per walk (into one reused buffer), then by its pointers.
    QByteArray key;
    key.reserve(128);
    // Within one document the parser keeps each name once, so the three name pointers identify
    // an attribute's declaration as well as its text does, at the cost of a pointer hash.
    struct NameKey {
        const xmlChar *parent, *element, *attribute;
        bool operator==(const NameKey &o) const
        {
            return parent == o.parent && element == o.element && attribute == o.attribute;
        }
    };
    struct NameKeyHash {
        size_t operator()(const NameKey &k) const
        {
            const std::hash<const void *> h;
            return h(k.parent) ^ (h(k.element) * 31) ^ (h(k.attribute) * 1009);
        }
    };
    std::unordered_map<NameKey, bool, NameKeyHash> byName;
    auto check = [&](xmlNodePtr element) {
        const xmlChar *parentName =
            element->parent && element->parent->type == XML_ELEMENT_NODE ? element->parent->name : nullptr;
        for (xmlAttrPtr attr = element->properties; attr; attr = attr->next) {
            const NameKey nameKey{parentName, element->name, attr->name};
            auto known = byName.find(nameKey);
            bool numeric = false;
            if (known != byName.end()) {
                numeric = known->second;
            } else {
                numeric = IsNumericAttribute(element, attr, key);
                byName.emplace(nameKey, numeric);
            }
            if (!numeric)
                continue;
            const xmlNodePtr text = attr->children;
            const bool digits = text && !text->next && text->type == XML_TEXT_NODE
                ? IsDigits(text->content)
                : IsDigits(reinterpret_cast<const xmlChar *>(
                      GetAttr(element, reinterpret_cast<const char *>(attr->name)).toUtf8().constData()));
            if (!digits) {
                if (error)
                    *error = QStringLiteral("line %1: the value '%2' of attribute '%3' of element '%4' is not an "
                                            "unsigned decimal number")
                                 .arg(element->line)
                                 .arg(GetAttr(element, reinterpret_cast<const char *>(attr->name)),
                                      QString::fromUtf8(reinterpret_cast<const char *>(attr->name)), NodeName(element));
                ok = false;
                return false;
            }
        }
        return true;
    };
    xmlNodePtr root = doc.Root();
    if (root && check(root))
        ForEachElement(root, check);
    return ok;
}

xmlNodePtr CProfileSchema::Global(const char *kind, const QString &qname) const
{
    const QString local = ResolveQName(m_spDoc->Root(), qname).second;
    for (xmlNodePtr child : ElementChildren(m_spDoc->Root()))
        if (IsXs(child, kind) && GetAttr(child, "name") == local)
            return child;
    return nullptr;
}

xmlNodePtr CProfileSchema::ComplexTypeOf(xmlNodePtr elementDecl) const
{
    if (!elementDecl)
        return nullptr;
    if (HasAttr(elementDecl, "ref"))
        elementDecl = Global("element", GetAttr(elementDecl, "ref"));
    if (!elementDecl)
        return nullptr;
    for (xmlNodePtr child : ElementChildren(elementDecl))
        if (IsXs(child, "complexType"))
            return child;
    const QString type = GetAttr(elementDecl, "type");
    if (type.isEmpty() || IsBuiltin(elementDecl, type, nullptr))
        return nullptr;
    return Global("complexType", type);
}

// Searches the content model under `owner` (a complex type or any particle) for the
// declaration of child element `name`.
xmlNodePtr CProfileSchema::FindChildElementDecl(xmlNodePtr owner, const QString &name, int depth) const
{
    if (!owner || depth > kMaxDepth)
        return nullptr;
    for (xmlNodePtr child : ElementChildren(owner)) {
        if (IsXs(child, "element")) {
            if (GetAttr(child, "name") == name)
                return child;
            if (HasAttr(child, "ref") && ResolveQName(child, GetAttr(child, "ref")).second == name)
                return child;
        } else if (IsXs(child, "sequence") || IsXs(child, "choice") || IsXs(child, "all") ||
                   IsXs(child, "complexContent")) {
            if (xmlNodePtr found = FindChildElementDecl(child, name, depth + 1))
                return found;
        } else if (IsXs(child, "group") && HasAttr(child, "ref")) {
            if (xmlNodePtr found = FindChildElementDecl(Global("group", GetAttr(child, "ref")), name, depth + 1))
                return found;
        } else if (IsXs(child, "extension") || IsXs(child, "restriction")) {
            if (xmlNodePtr found = FindChildElementDecl(child, name, depth + 1))
                return found;
            const QString base = GetAttr(child, "base");
            if (IsXs(child, "extension") && !base.isEmpty() && !IsBuiltin(child, base, nullptr))
                if (xmlNodePtr found = FindChildElementDecl(Global("complexType", base), name, depth + 1))
                    return found;
        }
    }
    return nullptr;
}

xmlNodePtr CProfileSchema::FindAttributeDecl(xmlNodePtr owner, const QString &name, int depth) const
{
    if (!owner || depth > kMaxDepth)
        return nullptr;
    for (xmlNodePtr child : ElementChildren(owner)) {
        if (IsXs(child, "attribute")) {
            if (GetAttr(child, "name") == name)
                return child;
            if (HasAttr(child, "ref") && ResolveQName(child, GetAttr(child, "ref")).second == name)
                return child;
        } else if (IsXs(child, "attributeGroup")) {
            xmlNodePtr group = HasAttr(child, "ref") ? Global("attributeGroup", GetAttr(child, "ref")) : child;
            if (xmlNodePtr found = FindAttributeDecl(group, name, depth + 1))
                return found;
        } else if (IsXs(child, "complexContent") || IsXs(child, "simpleContent")) {
            if (xmlNodePtr found = FindAttributeDecl(child, name, depth + 1))
                return found;
        } else if (IsXs(child, "extension") || IsXs(child, "restriction")) {
            if (xmlNodePtr found = FindAttributeDecl(child, name, depth + 1))
                return found;
            const QString base = GetAttr(child, "base");
            if (!base.isEmpty() && !IsBuiltin(child, base, nullptr))
                if (xmlNodePtr found = FindAttributeDecl(Global("complexType", base), name, depth + 1))
                    return found;
        }
    }
    return nullptr;
}

QString CProfileSchema::ElementPath(xmlNodePtr element) const
{
    QString path;
    for (xmlNodePtr n = element; IsElement(n); n = n->parent)
        path.prepend(QLatin1Char('/') + NodeName(n));
    return path;
}

xmlNodePtr CProfileSchema::ElementDecl(xmlNodePtr element) const
{
    if (!IsElement(element))
        return nullptr;
    const QString path = ElementPath(element);
    const auto cached = m_elementCache.constFind(path);
    if (cached != m_elementCache.constEnd())
        return cached.value();

    xmlNodePtr decl = nullptr;
    if (!IsElement(element->parent)) {
        decl = Global("element", NodeName(element));
    } else if (xmlNodePtr parentDecl = ElementDecl(element->parent)) {
        decl = FindChildElementDecl(ComplexTypeOf(parentDecl), NodeName(element), 0);
    }
    m_elementCache.insert(path, decl);
    return decl;
}

xmlNodePtr CProfileSchema::AttributeDecl(xmlNodePtr element, const QString &name) const
{
    const QString key = ElementPath(element) + QLatin1Char('@') + name;
    const auto cached = m_attributeCache.constFind(key);
    if (cached != m_attributeCache.constEnd())
        return cached.value();
    xmlNodePtr decl = FindAttributeDecl(ComplexTypeOf(ElementDecl(element)), name, 0);
    if (decl && HasAttr(decl, "ref") && !decl->children) {
        if (xmlNodePtr global = Global("attribute", GetAttr(decl, "ref")))
            decl = global;
    }
    m_attributeCache.insert(key, decl);
    return decl;
}

QString CProfileSchema::Hook(xmlNodePtr decl, const char *hook) const
{
    if (!decl)
        return QString();
    auto it = m_hookCache.find(decl);
    if (it == m_hookCache.end()) {
        QHash<QString, QString> hooks;
        // A local reference may carry its own annotation; the referenced global one counts too.
        std::vector<xmlNodePtr> owners{decl};
        if (HasAttr(decl, "ref"))
            if (xmlNodePtr global = Global(IsXs(decl, "element") ? "element" : "attribute", GetAttr(decl, "ref")))
                owners.push_back(global);
        for (xmlNodePtr owner : owners) {
            for (xmlNodePtr ext :
                 m_spDoc->Select(owner, QStringLiteral("xs:annotation/xs:appinfo/ccps:SchemaExtension"))) {
                for (xmlAttrPtr attr = ext->properties; attr; attr = attr->next) {
                    const QString key = QString::fromUtf8(reinterpret_cast<const char *>(attr->name));
                    if (!hooks.contains(key))
                        hooks.insert(key, GetAttr(ext, reinterpret_cast<const char *>(attr->name)));
                }
            }
        }
        it = m_hookCache.insert(decl, hooks);
    }
    return it->value(QString::fromLatin1(hook));
}

CProfileSchema::ValueType CProfileSchema::AttributeType(xmlNodePtr decl) const
{
    xmlNodePtr node = decl;
    for (int depth = 0; node && depth < kMaxDepth; ++depth) {
        QString typeName = GetAttr(node, IsXs(node, "restriction") ? "base" : "type");
        if (typeName.isEmpty()) {
            // An anonymous simple type: follow its restriction.
            xmlNodePtr next = nullptr;
            for (xmlNodePtr child : ElementChildren(node)) {
                if (IsXs(child, "simpleType") || IsXs(child, "restriction")) {
                    next = child;
                    break;
                }
            }
            node = next;
            continue;
        }
        QString local;
        if (IsBuiltin(node, typeName, &local)) {
            if (local == QLatin1String("long"))
                return ValueType::Long;
            if (local == QLatin1String("boolean"))
                return ValueType::Boolean;
            if (local == QLatin1String("unsignedLong"))
                return ValueType::UnsignedLong;
            return ValueType::Text;
        }
        node = Global("simpleType", typeName);
    }
    return ValueType::Text;
}

}  // namespace zqv
