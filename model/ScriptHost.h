// Hosts the rule script in a JavaScript engine and calls its functions by name.
//
// The script sees profile nodes through a small DOM bridge with the familiar XML DOM API
// (getAttribute, setAttribute, selectSingleNode, selectNodes, appendChild, removeChild,
// createElement, nodeName, parentNode, ownerDocument ...). Out parameters are objects whose
// `value` the script sets. A global object `Host` offers the program's name collation.
//
// Every call runs under a watchdog: a function that does not return within the time limit is
// interrupted and reported as failed, so a faulty rule can never hang the program.
#pragma once

#include "RuleScript.h"
#include "XmlDom.h"

#include <QJSEngine>
#include <QJSValue>
#include <QObject>
#include <QString>
#include <QVariant>
#include <memory>

namespace zqv {

class CScriptWatchdog;
class CScriptBridge;

class CScriptHost : public IRuleScript {
public:
    // The outcome of one call.
    struct Result {
        bool ok = false;
        QJSValue value;  // the function's return value
        int errorLine = 0;  // line of the script error, when not ok
        QString errorText;  // the script's description of the error, when not ok
    };

    CScriptHost();
    ~CScriptHost() override;
    CScriptHost(const CScriptHost &) = delete;
    CScriptHost &operator=(const CScriptHost &) = delete;

    // Runs the script's text so its functions exist. False with "line N: description" in
    // `error` when the script does not compile or its top level throws.
    bool Load(const QString &scriptText, QString *error = nullptr) override;

    // The document whose nodes the script works on.
    void SetDocument(std::shared_ptr<CXmlDocument> doc) override;
    const std::shared_ptr<CXmlDocument> &Document() const { return m_spDoc; }

    // True when the script defines a function of this name.
    bool HasFunction(const QString &name) const override;

    // Calls a script function with the given arguments.
    Result Call(const QString &function, const QJSValueList &args);
    // The same for the data items: the arguments made into script values, the result read back.
    CRuleResult CallRule(const QString &function, const std::vector<CRuleArg> &args) override;

    // Argument helpers.
    QJSValue Wrap(xmlNodePtr node);  // a DOM node
    QJSValue WrapAttribute(xmlNodePtr element, const QString &name);  // an attribute node
    QJSValue NewRef(int initial = 0);  // a by-reference integer
    static int RefValue(const QJSValue &ref);
    xmlNodePtr Unwrap(const QJSValue &value) const;  // null when not a node

    // The longest a single call may run.
    void SetTimeLimit(int milliseconds) { m_nTimeLimitMs = milliseconds; }

    QJSEngine &Engine() { return *m_pEngine; }

private:
    std::unique_ptr<QJSEngine> m_pEngine;
    std::unique_ptr<CScriptWatchdog> m_pWatchdog;
    CScriptBridge *m_pBridge = nullptr;  // owned by the engine's object tree
    std::shared_ptr<CXmlDocument> m_spDoc;
    QJSValue m_trampoline;
    int m_nTimeLimitMs = 5000;
};

}  // namespace zqv
