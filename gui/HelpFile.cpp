#include "HelpFile.h"

#include <QDateTime>
#include <QFileInfo>
#include <QHelpEngineCore>
#include <QMutex>
#include <map>

namespace zqv {

std::shared_ptr<CHelpFile> CHelpFile::Open(const QString &path)
{
    struct Entry {
        std::weak_ptr<CHelpFile> file;
        QDateTime modified;
        qint64 size = -1;
    };
    static QMutex mutex;
    static std::map<QString, Entry> cache;
    const QMutexLocker lock(&mutex);
    const QFileInfo info(path);
    Entry &entry = cache[info.absoluteFilePath()];
    std::shared_ptr<CHelpFile> file = entry.file.lock();
    if (file && entry.modified == info.lastModified() && entry.size == info.size())
        return file;
    file = std::make_shared<CHelpFile>(path);
    entry = Entry{file, info.lastModified(), info.size()};
    return file;
}

CHelpFile::CHelpFile(const QString &path) : m_strPath(path)
{
    if (!QFileInfo(path).isFile() || !m_dir.isValid())
        return;
    const QString ns = QHelpEngineCore::namespaceName(path);
    if (ns.isEmpty())
        return;
    m_pEngine = OpenHelpCollection<QHelpEngineCore>(m_dir.filePath(QStringLiteral("pages.qhc")), path);
    if (!m_pEngine)
        return;
    for (const QUrl &url : m_pEngine->files(ns, QString())) {
        // qthelp://<namespace>/<virtual folder>/<page>
        const QString urlPath = url.path();
        const int slash = urlPath.indexOf(QLatin1Char('/'), 1);
        if (slash < 0)
            continue;
        m_strFolder = urlPath.mid(1, slash - 1);
        m_pages.insert(urlPath.mid(slash + 1));
    }
    if (!m_pages.empty())
        m_strNamespace = ns;
}

CHelpFile::~CHelpFile() = default;

QUrl CHelpFile::PageUrl(const QString &page) const
{
    const int hash = page.indexOf(QLatin1Char('#'));
    const QString file = hash < 0 ? page : page.left(hash);
    if (!IsOpen() || m_pages.count(file) == 0)
        return QUrl();
    QUrl url;
    url.setScheme(QStringLiteral("qthelp"));
    url.setHost(m_strNamespace);
    url.setPath(QStringLiteral("/%1/%2").arg(m_strFolder, file));
    if (hash >= 0)
        url.setFragment(page.mid(hash + 1));
    return url;
}

QByteArray CHelpFile::FileData(const QUrl &url) const
{
    return IsOpen() ? m_pEngine->fileData(url) : QByteArray();
}

}  // namespace zqv
