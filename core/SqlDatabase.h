// An SQLite database file through Qt SQL, which lives in a module of its own (core/Modules.h)
// loaded at the first use of a database: the programs start without the SQL libraries. Only
// plain values cross: statements with ? placeholders, bound values and rows of values.
#pragma once

#include <QString>
#include <QVariant>
#include <memory>
#include <vector>

namespace zqv {

inline constexpr char kSqlModule[] = "zqvsql";

class ISqlDatabase {
public:
    virtual ~ISqlDatabase() = default;
    // Opens (creating it when missing) the SQLite file `path`. False with LastError() set.
    virtual bool Open(const QString &path) = 0;
    virtual bool HasTable(const QString &name) = 0;
    // Runs one statement with its ? placeholders bound to `values` in order; the result's rows
    // go into `rows` when given. False with LastError() set.
    virtual bool Exec(const QString &sql, const QVariantList &values = {},
                      std::vector<QVariantList> *rows = nullptr) = 0;
    virtual QString LastError() const = 0;
};

// A database connection of its own, not yet open; null, with the reason in `error`, when the
// SQL module cannot be loaded.
std::unique_ptr<ISqlDatabase> CreateSqlDatabase(QString *error = nullptr);

}  // namespace zqv
