// What the desktop program's tests share: an installation and configuration of their own in
// a temporary folder, the application started with scripted answers, a save dialog that
// answers with a prepared name, and a fixed list of serial ports.
#pragma once

#include "ChildFrame.h"
#include "ConfigStore.h"
#include "FileDialog.h"
#include "MainFrame.h"
#include "PortEnumerator.h"
#include "Prompter.h"
#include "ZQVCPSApp.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

namespace zqvtest {

using namespace zqv;

class CScriptedFileDialog : public IFileDialog {
public:
    QStringList answers;
    int asked = 0;
    SaveRequest lastRequest;
    QString GetSaveFileName(const SaveRequest &request) override
    {
        ++asked;
        lastRequest = request;
        return answers.isEmpty() ? QString() : answers.takeFirst();
    }
};

// Copies a folder tree (the installation data) into `to`.
inline bool CopyTree(const QString &from, const QString &to)
{
    QDir src(from);
    if (!QDir().mkpath(to))
        return false;
    for (const QFileInfo &fi : src.entryInfoList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot)) {
        const QString target = to + QLatin1Char('/') + fi.fileName();
        if (fi.isDir()) {
            if (!CopyTree(fi.filePath(), target))
                return false;
        } else if (!QFile::copy(fi.filePath(), target)) {
            return false;
        }
    }
    return true;
}

// One test's world: installation, configuration, answers, ports and the application.
class CGuiWorld {
public:
    QTemporaryDir dir;
    QString installPath;
    std::unique_ptr<CConfigStore> store;
    CScriptedPrompter prompter;
    CScriptedFileDialog fileDialog;
    std::shared_ptr<CListPortEnumerator> ports = std::make_shared<CListPortEnumerator>();
    std::unique_ptr<CZQVCPSApp> app;
    bool scriptEngine = true;

    // An installation copied from the source tree's data, English as the default language.
    CGuiWorld()
    {
        installPath = dir.filePath(QStringLiteral("install"));
        CopyTree(QStringLiteral(ZQV_DATA_SOURCE_DIR), installPath);
        store = std::make_unique<CConfigStore>(dir.filePath(QStringLiteral("user")),
                                               dir.filePath(QStringLiteral("system")));
        store->Write(config::DefaultLanguage, QStringLiteral("English"));
        store->Write(config::InstallPath, installPath);
        // The radio tests check the plain write; the safe write's tests switch it on.
        store->WriteSafeWrite({false, false, CConfigStore::kDefaultBackupKeep});
    }

    void WriteInstallFile(const QString &relative, const QByteArray &content)
    {
        QFile f(installPath + QLatin1Char('/') + relative);
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(content);
    }

    // Builds the application and runs its start-up without the splash.
    bool Start(const QStringList &extraArgs = {})
    {
        CZQVCPSApp::Services services;
        services.prompter = &prompter;
        services.store = store.get();
        services.fileDialog = &fileDialog;
        services.ports = ports;
        const bool engine = scriptEngine;
        services.scriptEngineCheck = [engine] { return engine; };
        app = std::make_unique<CZQVCPSApp>(services);
        return app->InitInstance(QStringList{QStringLiteral("zqvcps"), QStringLiteral("--no-splash")} + extraArgs);
    }

    CMainFrame &Frame() { return *app->MainFrame(); }

    // A template profile of the installation.
    QString Template(const QString &name = QStringLiteral("ZQ-450 Standard")) const
    {
        return installPath + QStringLiteral("/ProfileTemplate/") + name + QStringLiteral(".zqv");
    }

    // A copy of a template in the test's folder (so saving never touches the installation).
    QString CopyOfTemplate(const QString &fileName, const QString &name = QStringLiteral("ZQ-450 Standard"))
    {
        const QString path = dir.filePath(fileName);
        QFile::remove(path);
        QFile::copy(Template(name), path);
        QFile(path).setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        return path;
    }
};

// The texts shown so far, one per message.
inline QStringList Shown(const CScriptedPrompter &prompter)
{
    return prompter.Texts();
}

}  // namespace zqvtest
