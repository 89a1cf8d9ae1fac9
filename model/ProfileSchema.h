// The profile schema: validation of whole profiles, and the per-node facts the data items
// read from the schema document itself: which rule-script function a node's hook names, and
// which built-in type an attribute's value has.
//
// Declarations are found by walking the schema's content models along the node's path from
// the root (global elements and `ref`, named and anonymous complex types, sequence, choice,
// all, group references, complex-content extensions, attribute groups), and cached per path.
#pragma once

#include "XmlDom.h"

#include <QHash>
#include <QString>
#include <memory>

struct _xmlSchema;

namespace zqv {

class CProfileSchema {
public:
    // The built-in type at the end of an attribute type's chain of base types, as far as the
    // data items care.
    enum class ValueType { Text, Long, Boolean, UnsignedLong };

    ~CProfileSchema();

    // Loads a schema from its text. Null on failure, with the reason in `error`.
    static std::shared_ptr<CProfileSchema> Load(const QByteArray &xsdText, QString *error = nullptr);

    // Validates a whole document. False with the first reason (and its line) in `error`.
    bool Validate(const CXmlDocument &doc, QString *error = nullptr) const;

    // The declaration of a profile element, or null when the schema does not declare it.
    xmlNodePtr ElementDecl(xmlNodePtr element) const;
    // The declaration of attribute `name` of a profile element, or null.
    xmlNodePtr AttributeDecl(xmlNodePtr element, const QString &name) const;

    // The script function that declaration `decl` names for `hook` in its annotation
    // (xs:annotation/xs:appinfo/ccps:SchemaExtension/@hook); empty when there is none.
    QString Hook(xmlNodePtr decl, const char *hook) const;

    // The value type of an attribute declaration (Text when unknown).
    ValueType AttributeType(xmlNodePtr attributeDecl) const;

    const CXmlDocument &Document() const { return *m_spDoc; }

private:
    CProfileSchema() = default;

    xmlNodePtr Global(const char *kind, const QString &qname) const;
    xmlNodePtr ComplexTypeOf(xmlNodePtr elementDecl) const;
    xmlNodePtr FindChildElementDecl(xmlNodePtr particleOwner, const QString &name, int depth) const;
    xmlNodePtr FindAttributeDecl(xmlNodePtr owner, const QString &name, int depth) const;
    QString ElementPath(xmlNodePtr element) const;
    bool IsNumericAttribute(xmlNodePtr element, xmlAttrPtr attr, QByteArray &key) const;
    bool NumbersAreDigits(const CXmlDocument &doc, QString *error) const;

    std::shared_ptr<CXmlDocument> m_spDoc;
    _xmlSchema *m_pSchema = nullptr;
    mutable QHash<QString, xmlNodePtr> m_elementCache;
    mutable QHash<QString, xmlNodePtr> m_attributeCache;
    mutable QHash<xmlNodePtr, QHash<QString, QString>> m_hookCache;
    // parent/element@attribute -> whether the attribute holds a number, switch or type code
    mutable QHash<QByteArray, bool> m_numericCache;
};

}  // namespace zqv
