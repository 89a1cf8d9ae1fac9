// The SQL module (core/SqlDatabase.h): an SQLite connection through Qt SQL, one per object.
#include "SqlDatabase.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QStringList>
#include <atomic>

namespace {

class CSqlDatabase : public zqv::ISqlDatabase {
public:
    CSqlDatabase()
    {
        static std::atomic<int> s_nConnections{0};
        m_strConnection = QStringLiteral("zqv-sql-%1").arg(++s_nConnections);
    }
    ~CSqlDatabase() override
    {
        {
            QSqlDatabase db = QSqlDatabase::database(m_strConnection, false);
            if (db.isOpen())
                db.close();
        }
        QSqlDatabase::removeDatabase(m_strConnection);
    }
    bool Open(const QString &path) override
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_strConnection);
        if (!db.isValid()) {
            m_strError = db.lastError().text();
            return false;
        }
        db.setDatabaseName(path);
        if (!db.open()) {
            m_strError = db.lastError().text();
            return false;
        }
        return true;
    }
    bool HasTable(const QString &name) override
    {
        return QSqlDatabase::database(m_strConnection, false).tables().contains(name);
    }
    bool Exec(const QString &sql, const QVariantList &values, std::vector<QVariantList> *rows) override
    {
        QSqlQuery query(QSqlDatabase::database(m_strConnection, false));
        query.setForwardOnly(true);
        if (!query.prepare(sql)) {
            m_strError = query.lastError().text();
            return false;
        }
        for (const QVariant &value : values)
            query.addBindValue(value);
        if (!query.exec()) {
            m_strError = query.lastError().text();
            return false;
        }
        while (rows && query.next()) {
            QVariantList row;
            const int columns = query.record().count();
            for (int i = 0; i < columns; ++i)
                row << query.value(i);
            rows->push_back(std::move(row));
        }
        return true;
    }
    QString LastError() const override { return m_strError; }

private:
    QString m_strConnection;
    QString m_strError;
};

}  // namespace

extern "C" Q_DECL_EXPORT zqv::ISqlDatabase *zqv_new_sql_database()
{
    return new CSqlDatabase;
}
