#include "TraceStore.h"

#include "LinkTrace.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <atomic>
#include <mutex>

namespace zqv::tracestore {
namespace {

std::mutex g_mutex;
QString g_folder;  // empty: DefaultFolder()
bool g_running = false;

const QString kPattern = QStringLiteral("link-*.log");

}  // namespace

QString DefaultFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation) + u'/' +
        QLatin1String(kConfigOrganisation) + u'/' + QLatin1String(kConfigApplication) + QStringLiteral("/link-traces");
}

QString Folder()
{
    std::lock_guard<std::mutex> lock(g_mutex);
    return g_folder.isEmpty() ? DefaultFolder() : g_folder;
}

void SetFolder(const QString &folder)
{
    std::lock_guard<std::mutex> lock(g_mutex);
    g_folder = folder;
}

bool Enabled(const CConfigStore &config)
{
    return config.ReadDword(KeepLinkTraces).value_or(1) != 0;
}

QStringList Traces()
{
    const QDir dir(Folder());
    QStringList out;
    // The names carry the UTC start time, so the name order is the time order.
    for (const QString &name : dir.entryList({kPattern}, QDir::Files, QDir::Name | QDir::Reversed))
        out << dir.filePath(name);
    return out;
}

void BeginSession()
{
    if (!Enabled(CConfigStore()))
        return;
    const QString folder = Folder();
    {
        std::lock_guard<std::mutex> lock(g_mutex);
        if (g_running)
            return;
        g_running = true;
    }
    // Frames carry contacts and the codeplug password: the folder is the user's alone.
    QDir().mkpath(folder);
    QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    const QString stamp = QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyyMMdd-HHmmss-zzz"));
    // A trace that cannot be written must not stop the transfer: it is simply not kept.
    linktrace::StartSession(QDir(folder).filePath(QStringLiteral("link-%1.log").arg(stamp)));
    const QStringList kept = Traces();
    for (qsizetype i = kKeptSessions; i < kept.size(); ++i)
        QFile::remove(kept[i]);
}

void EndSession()
{
    {
        std::lock_guard<std::mutex> lock(g_mutex);
        if (!g_running)
            return;
        g_running = false;
    }
    linktrace::StopSession();
}

}  // namespace zqv::tracestore
