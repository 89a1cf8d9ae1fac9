#include "RuleScript.h"

#include "Modules.h"
#include "StringIds.h"
#include "ZQVCPSException.h"

namespace zqv {

std::shared_ptr<IRuleScript> CreateRuleScript()
{
    QString error;
    const auto create = ResolveModule<IRuleScript *()>(kRuleScriptModule, "zqv_new_rule_script", &error);
    if (!create)
        ZQV_THROW(IDS_VBSCRIPT_ENGINE_MISSING, "CreateRuleScript", error);
    return std::shared_ptr<IRuleScript>(create());
}

}  // namespace zqv
