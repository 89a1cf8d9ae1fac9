// The parts of the program that stand on a large library (the rule-script engine, the write
// history's database, printing) are built as modules of their own and loaded the first time
// they are used, so a start that never needs them never loads those libraries.
//
// A module is looked for in the program's own installation: the installed module folder
// relative to the program's folder, else (in a build tree) lib/zqvcps one, two or three
// folders up from it. Each module is loaded once and kept for the rest of the run.
#pragma once

#include <QString>
#include <QStringList>

namespace zqv {

// The modules' names (file libNAME.so).
inline constexpr char kRuleScriptModule[] = "zqvrulescript";

// The folders searched for modules, in order.
QStringList ModuleFolders();

// The function `symbol` of module `name`, the module loaded on first use. Null, with the reason
// in `error`, when the module cannot be found or loaded or lacks the function. Safe to call
// from any thread.
void *ResolveModuleFunction(const char *name, const char *symbol, QString *error = nullptr);

// The same, typed: ResolveModule<bool()>("name", "function").
template <typename F>
F *ResolveModule(const char *name, const char *symbol, QString *error = nullptr)
{
    return reinterpret_cast<F *>(ResolveModuleFunction(name, symbol, error));
}

}  // namespace zqv
