// The script host as the data items call it (model/RuleScript.h).
#include "ScriptHost.h"

namespace zqv {

CRuleResult CScriptHost::CallRule(const QString &function, const std::vector<CRuleArg> &args)
{
    QJSValueList values;
    std::vector<QJSValue> refs;
    for (const CRuleArg &arg : args) {
        switch (arg.kind) {
        case CRuleArg::Kind::Node: values << Wrap(arg.node); break;
        case CRuleArg::Kind::Attribute: values << WrapAttribute(arg.node, arg.text); break;
        case CRuleArg::Kind::Text: values << QJSValue(arg.text); break;
        case CRuleArg::Kind::Number: values << QJSValue(arg.number); break;
        case CRuleArg::Kind::Ref:
            refs.push_back(NewRef(arg.number));
            values << refs.back();
            break;
        }
    }
    const Result result = Call(function, values);
    CRuleResult out;
    out.ok = result.ok;
    out.errorLine = result.errorLine;
    out.errorText = result.errorText;
    if (result.ok) {
        out.number = result.value.toInt();
        out.truth = result.value.toBool();
        out.node = Unwrap(result.value);
    }
    for (const QJSValue &ref : refs)
        out.refs.push_back(RefValue(ref));
    return out;
}

}  // namespace zqv
