// The DOM objects the rule script works with: one wrapper object per profile node (so the
// same node is always the same script object) and per element attribute.
#pragma once

#include "XmlDom.h"

#include <QHash>
#include <QJSValue>
#include <QObject>
#include <QPair>
#include <memory>

class QJSEngine;

namespace zqv {

class CScriptBridge;

class CJsNode : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString nodeName READ nodeName CONSTANT)
    Q_PROPERTY(QString baseName READ nodeName CONSTANT)
    Q_PROPERTY(QString name READ nodeName CONSTANT)
    Q_PROPERTY(int nodeType READ nodeType CONSTANT)
    Q_PROPERTY(QJSValue parentNode READ parentNode)
    Q_PROPERTY(QJSValue ownerElement READ ownerElement)
    Q_PROPERTY(QJSValue ownerDocument READ ownerDocument)
    Q_PROPERTY(QJSValue documentElement READ documentElement)
    Q_PROPERTY(QJSValue firstChild READ firstChild)
    Q_PROPERTY(QJSValue lastChild READ lastChild)
    Q_PROPERTY(QJSValue nextSibling READ nextSibling)
    Q_PROPERTY(QJSValue previousSibling READ previousSibling)
    Q_PROPERTY(QJSValue childNodes READ childNodes)
    Q_PROPERTY(QJSValue attributes READ attributes)
    Q_PROPERTY(QString text READ text WRITE setText)
    Q_PROPERTY(QJSValue value READ value WRITE setValue)
    Q_PROPERTY(QJSValue nodeValue READ value WRITE setValue)

public:
    CJsNode(CScriptBridge *bridge, xmlNodePtr node, const QString &attribute = QString());

    QString nodeName() const;
    int nodeType() const;
    QJSValue parentNode() const;
    QJSValue ownerElement() const;
    QJSValue ownerDocument() const;
    QJSValue documentElement() const;
    QJSValue firstChild() const;
    QJSValue lastChild() const;
    QJSValue nextSibling() const;
    QJSValue previousSibling() const;
    QJSValue childNodes() const;
    QJSValue attributes() const;
    QString text() const;
    void setText(const QString &text);
    QJSValue value() const;
    void setValue(const QJSValue &value);

    Q_INVOKABLE QJSValue getAttribute(const QString &name) const;
    Q_INVOKABLE bool hasAttribute(const QString &name) const;
    Q_INVOKABLE void setAttribute(const QString &name, const QJSValue &value);
    Q_INVOKABLE void removeAttribute(const QString &name);
    Q_INVOKABLE QJSValue getAttributeNode(const QString &name) const;
    Q_INVOKABLE QJSValue selectSingleNode(const QString &xpath, const QJSValue &vars = QJSValue()) const;
    Q_INVOKABLE QJSValue selectNodes(const QString &xpath, const QJSValue &vars = QJSValue()) const;
    // Questions about all contacts of the node's profile (the elements with a cntct_type in
    // the lists under the root's Contacts). The rules ask them on every edit and every
    // imported row; these answer without an XPath query or a script object per contact.
    // How many contacts there are; how many have a name equal to `name` in the name order;
    // and one attribute of each as a number (what the script's number() makes of the text:
    // NaN unless it is digits, blanks around them aside), in document order.
    Q_INVOKABLE int contactCount() const;
    Q_INVOKABLE int countContactsNamedLike(const QString &name) const;
    Q_INVOKABLE QJSValue contactNumbers(const QString &attribute) const;
    Q_INVOKABLE QJSValue appendChild(const QJSValue &child);
    Q_INVOKABLE QJSValue insertBefore(const QJSValue &child, const QJSValue &reference);
    Q_INVOKABLE QJSValue removeChild(const QJSValue &child);
    Q_INVOKABLE QJSValue createElement(const QString &name);
    Q_INVOKABLE QJSValue cloneNode(bool deep);
    Q_INVOKABLE bool hasChildNodes() const;

    xmlNodePtr Node() const { return m_pNode; }
    const QString &Attribute() const { return m_strAttribute; }

private:
    bool IsAttribute() const { return !m_strAttribute.isNull(); }
    // The contacts of the node's profile, in document order.
    std::vector<xmlNodePtr> Contacts() const;
    CScriptBridge *m_pBridge;
    xmlNodePtr m_pNode;  // the node, or the owning element of an attribute
    QString m_strAttribute;  // the attribute's name for attribute nodes
};

// Compares names the way the program sorts them; available to the script as `Host`.
class CJsHost : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    Q_INVOKABLE int compareNames(const QString &a, const QString &b) const;
};

// A plain path of the kind the rules ask on every edit, answered by walking the tree (see
// ScriptBridge.cpp); null for an expression XPath has to evaluate.
struct CPlainPath;

class CScriptBridge : public QObject {
    Q_OBJECT
public:
    explicit CScriptBridge(QJSEngine *engine);
    ~CScriptBridge() override;

    // The nodes an expression selects from `context`, in document order (with `firstOnly`, at
    // most the first); throws as CXmlDocument::Select does.
    std::vector<xmlNodePtr> Select(xmlNodePtr context, const QString &xpath, const QJSValue &vars, bool firstOnly);

    void SetDocument(std::shared_ptr<CXmlDocument> doc);
    CXmlDocument *Document() const { return m_spDoc.get(); }
    QJSEngine *Engine() const { return m_pEngine; }

    QJSValue Wrap(xmlNodePtr node);
    QJSValue WrapAttribute(xmlNodePtr element, const QString &name);
    QJSValue WrapList(const std::vector<xmlNodePtr> &nodes);
    xmlNodePtr Unwrap(const QJSValue &value) const;
    // Raises a script error (the script may catch it) and returns undefined.
    QJSValue Fail(const QString &message) const;

private:
    QJSEngine *m_pEngine;
    std::shared_ptr<CXmlDocument> m_spDoc;
    QHash<xmlNodePtr, CJsNode *> m_nodes;
    QHash<QPair<xmlNodePtr, QString>, CJsNode *> m_attributes;
    QHash<QString, std::shared_ptr<const CPlainPath>> m_plainPaths;  // by expression; null: not plain
};

}  // namespace zqv
