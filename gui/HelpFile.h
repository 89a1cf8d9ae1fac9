// A compiled help file (a Qt help file, .qch) opened for reading its pages: the help pane takes
// its pages from it. The file is registered in a help collection of its own in a private
// temporary folder, so nothing is written next to the installation. Part of the help module.
#pragma once

#include "HelpModule.h"

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>
#include <QUrl>
#include <memory>
#include <set>

#include <QHelpEngineCore>

namespace zqv {

// An engine of type `Engine` (QHelpEngineCore, or QHelpEngine for the contents, index and
// search) over a new collection file `collection` with the help file `path` registered in it;
// null when that fails. The collection goes in a private folder, so nothing is written next to
// the installation.
template <class Engine>
std::unique_ptr<Engine> OpenHelpCollection(const QString &collection, const QString &path)
{
    auto engine = std::make_unique<Engine>(collection);
    engine->setReadOnly(false);  // the collection is created and the file registered in it
    if (!engine->setupData() || !engine->registerDocumentation(path))
        return nullptr;
    return engine;
}

class CHelpFile : public IHelpPages {
public:
    // The help file at `path`, opened once per process and kept while it is in use or until
    // it changes on disk; never null, but not open when the file is missing or is not a help
    // file.
    static std::shared_ptr<CHelpFile> Open(const QString &path);

    explicit CHelpFile(const QString &path);
    ~CHelpFile() override;
    CHelpFile(const CHelpFile &) = delete;
    CHelpFile &operator=(const CHelpFile &) = delete;

    bool IsOpen() const { return !m_strNamespace.isEmpty(); }
    const QString &Path() const override { return m_strPath; }
    const QString &Namespace() const { return m_strNamespace; }
    QUrl PageUrl(const QString &page) const override;
    QByteArray FileData(const QUrl &url) const override;

private:
    QString m_strPath;
    QTemporaryDir m_dir;
    std::unique_ptr<QHelpEngineCore> m_pEngine;
    QString m_strNamespace;
    QString m_strFolder;
    std::set<QString> m_pages;
};

}  // namespace zqv
