// The rule-script module: the script host with its engine, loaded by the program when the
// first profile is opened (model/RuleScript.h) and by the start-up's check of the engine.
#include "ScriptHost.h"

#include <QCoreApplication>
#include <QJSEngine>

extern "C" Q_DECL_EXPORT zqv::IRuleScript *zqv_new_rule_script()
{
    return new zqv::CScriptHost;
}

// Whether the engine runs a small strict-mode script (the start-up's check of the engine).
extern "C" Q_DECL_EXPORT bool zqv_check_script_engine()
{
    if (!QCoreApplication::instance())
        return false;
    QJSEngine engine;
    const QJSValue result =
        engine.evaluate(QStringLiteral("\"use strict\"; (function (a, b) { return a + b; })(40, 2)"));
    return !result.isError() && result.toInt() == 42;
}
