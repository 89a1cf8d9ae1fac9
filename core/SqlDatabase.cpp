#include "SqlDatabase.h"

#include "Modules.h"

namespace zqv {

std::unique_ptr<ISqlDatabase> CreateSqlDatabase(QString *error)
{
    const auto create = ResolveModule<ISqlDatabase *()>(kSqlModule, "zqv_new_sql_database", error);
    return std::unique_ptr<ISqlDatabase>(create ? create() : nullptr);
}

}  // namespace zqv
