// The rule script as the data items call it. The script engine and its libraries live in a
// module of their own (core/Modules.h), loaded when the first profile is opened: this
// interface carries no engine types, only nodes, texts and numbers.
#pragma once

#include "XmlDom.h"

#include <QString>
#include <memory>
#include <vector>

namespace zqv {

// One argument of a rule call: a DOM node, an attribute node, a text, a number or a
// by-reference integer (an object whose `value` the script sets).
struct CRuleArg {
    enum class Kind { Node, Attribute, Text, Number, Ref };
    Kind kind = Kind::Number;
    xmlNodePtr node = nullptr;  // the node, or the attribute's element
    QString text;  // the text, or the attribute's name
    int number = 0;  // the number, or the reference's first value

    static CRuleArg Node(xmlNodePtr n) { return {Kind::Node, n, {}, 0}; }
    static CRuleArg Attribute(xmlNodePtr element, const QString &name) { return {Kind::Attribute, element, name, 0}; }
    static CRuleArg Text(const QString &t) { return {Kind::Text, nullptr, t, 0}; }
    static CRuleArg Number(int n) { return {Kind::Number, nullptr, {}, n}; }
    static CRuleArg Ref(int initial = 0) { return {Kind::Ref, nullptr, {}, initial}; }
};

// The outcome of one rule call.
struct CRuleResult {
    bool ok = false;
    int number = 0;  // the return value as an integer
    bool truth = false;  // the return value as a truth value
    xmlNodePtr node = nullptr;  // the returned DOM node, if it is one
    std::vector<int> refs;  // the by-reference arguments' values after the call, in order
    int errorLine = 0;  // when not ok: the script error's line
    QString errorText;  // and its description
};

class IRuleScript {
public:
    virtual ~IRuleScript() = default;
    // Runs the script's text so its functions exist. False with "line N: description" in
    // `error` when the script does not compile or its top level throws.
    virtual bool Load(const QString &scriptText, QString *error = nullptr) = 0;
    // The document whose nodes the script works on.
    virtual void SetDocument(std::shared_ptr<CXmlDocument> doc) = 0;
    virtual bool HasFunction(const QString &name) const = 0;
    virtual CRuleResult CallRule(const QString &function, const std::vector<CRuleArg> &args) = 0;
};

// A new rule script from the script module. Throws CZQVCPSException when the module cannot be
// loaded.
std::shared_ptr<IRuleScript> CreateRuleScript();

}  // namespace zqv
