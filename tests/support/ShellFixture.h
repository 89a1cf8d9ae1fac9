// A throw-away installation for the shell tests: a temporary folder with lib/ (the shipped
// setting documents, any of which a test may replace), the user's and the machine's
// configuration in folders of their own, a scripted prompter and an application shell on them.
#pragma once

#include "AppShell.h"
#include "ConfigStore.h"
#include "Prompter.h"
#include "StringTable.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <memory>

namespace zqv {

class CShellFixture {
public:
    // A configured installation: DefaultLanguage English, InstallPath = the temporary folder.
    explicit CShellFixture(bool configured = true)
    {
        QDir().mkpath(LibDir());
        for (const char *name : {"Region.stv", "HelpPane.stv", "UpDownGradeSetting.stv"})
            QFile::copy(QStringLiteral(ZQV_DATA_SOURCE_DIR "/lib/") + QLatin1String(name), LibDir() + '/' + name);
        if (configured) {
            CConfigStore writer(m_dir.filePath("unused"), SystemDir());
            writer.Write(config::DefaultLanguage, QStringLiteral("English"));
            writer.Write(config::InstallPath, InstallPath());
        }
        m_pStore = std::make_unique<CConfigStore>(UserDir(), SystemDir());
        m_pShell = std::make_unique<CAppShell>(*m_pStore, m_prompter);
    }

    QString InstallPath() const { return m_dir.filePath("install"); }
    QString LibDir() const { return InstallPath() + QStringLiteral("/lib"); }
    QString UserDir() const { return m_dir.filePath("user"); }
    QString SystemDir() const { return m_dir.filePath("system"); }
    QString Path(const QString &name) const { return m_dir.filePath(name); }

    // Replaces setting document `name` by `bytes`.
    void WriteLib(const QString &name, const QByteArray &bytes) const
    {
        QFile file(LibDir() + '/' + name);
        file.open(QIODevice::WriteOnly | QIODevice::Truncate);
        file.write(bytes);
    }
    QByteArray ReadLib(const QString &name) const
    {
        QFile file(LibDir() + '/' + name);
        file.open(QIODevice::ReadOnly);
        return file.readAll();
    }

    CConfigStore &Store() { return *m_pStore; }
    CScriptedPrompter &Prompter() { return m_prompter; }
    CAppShell &Shell() { return *m_pShell; }

    // What the prompter was shown, as string-table texts.
    QStringList Shown() const { return m_prompter.Texts(); }
    static QStringList Messages(std::initializer_list<int> ids)
    {
        QStringList out;
        for (int id : ids)
            out << LoadStr(id);
        return out;
    }

private:
    QTemporaryDir m_dir;
    CScriptedPrompter m_prompter;
    std::unique_ptr<CConfigStore> m_pStore;
    std::unique_ptr<CAppShell> m_pShell;
};

}  // namespace zqv
