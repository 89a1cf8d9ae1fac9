#include "Modules.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QLibrary>
#include <memory>
#include <mutex>

// The installed module folder relative to the installed programs' folder (set by the build).
#ifndef ZQV_MODULE_INSTALL_RELDIR
#define ZQV_MODULE_INSTALL_RELDIR "../lib/zqvcps"
#endif

namespace zqv {

QStringList ModuleFolders()
{
    // Without an application object (a library test, say) the program's folder is unknown.
    const QString programDir = QCoreApplication::instance() ? QCoreApplication::applicationDirPath() : QString();
    if (programDir.isEmpty())
        return {};
    QStringList folders;
    for (const QString &relative : {QStringLiteral(ZQV_MODULE_INSTALL_RELDIR), QStringLiteral("../lib/zqvcps"),
                                    QStringLiteral("../../lib/zqvcps"), QStringLiteral("../../../lib/zqvcps")}) {
        const QString folder = QDir::cleanPath(programDir + QLatin1Char('/') + relative);
        if (!folders.contains(folder))
            folders << folder;
    }
    return folders;
}

void *ResolveModuleFunction(const char *name, const char *symbol, QString *error)
{
    static std::mutex lock;
    // Loaded modules are never unloaded: objects they made may live until the program ends.
    static QHash<QByteArray, QLibrary *> loaded;
    const std::lock_guard<std::mutex> guard(lock);
    QLibrary *library = loaded.value(QByteArray(name));
    if (!library) {
        const QString file = QStringLiteral("lib%1.so").arg(QLatin1String(name));
        QString reason;
        for (const QString &folder : ModuleFolders()) {
            const QString path = folder + QLatin1Char('/') + file;
            if (!QFileInfo(path).isFile())
                continue;
            auto candidate = std::make_unique<QLibrary>(path);
            // Every symbol bound now: a module that does not fit the program fails here, not
            // in the middle of a call.
            candidate->setLoadHints(QLibrary::ResolveAllSymbolsHint);
            if (candidate->load()) {
                library = candidate.release();
                break;
            }
            reason = candidate->errorString();
        }
        if (!library) {
            if (error)
                *error = reason.isEmpty() ? QStringLiteral("%1 not found in %2").arg(file, ModuleFolders().join(u':'))
                                          : reason;
            return nullptr;
        }
        loaded.insert(QByteArray(name), library);
    }
    void *function = reinterpret_cast<void *>(library->resolve(symbol));
    if (!function && error)
        *error = QStringLiteral("%1 has no function %2").arg(library->fileName(), QLatin1String(symbol));
    return function;
}

}  // namespace zqv
