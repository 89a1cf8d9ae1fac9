// Shared by the radio data model and profile document tests: a throw-away installation (the
// shipped schema, rule script and templates, with the setting documents of the adaptation
// fixture) and helpers that read and compare profiles.
#pragma once

#include "Prompter.h"
#include "RadioDataModel.h"
#include "TextFile.h"
#include "XmlDom.h"
#include "ZQVCPSException.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <functional>

namespace zqv::test {

inline QString FixturePath(const QString &relative)
{
    return QStringLiteral(ZQV_FIXTURES_DIR "/") + relative;
}

inline QByteArray ReadBytes(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        qFatal("cannot read %s", qPrintable(path));
    return f.readAll();
}

inline void WriteBytes(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
}

// The plain text of a profile file as the program reads it (decoded and unscrambled).
inline QString ReadProfileFile(const QString &path, int *mode = nullptr)
{
    int m = 0;
    QString text = ReadTextFile(path, &m);
    if (!text.startsWith(QLatin1String("<?xml"), Qt::CaseInsensitive))
        ScrambleText(text, m);
    if (mode)
        *mode = m;
    return text;
}

// Every element of a profile as "Name[key]: attr=value,..." (attributes sorted; key = name,
// txt or pid so list entries can be told apart), sorted: two profiles with the same entries
// hold the same fields with the same values, whatever their order.
inline QStringList Entries(const QString &profileText, bool withValues = true)
{
    auto doc = CXmlDocument::Parse(profileText);
    if (!doc)
        qFatal("profile does not parse");
    QStringList out;
    std::function<void(xmlNodePtr)> walk = [&](xmlNodePtr node) {
        QStringList attrs;
        for (xmlAttrPtr a = node->properties; a; a = a->next) {
            const char *raw = reinterpret_cast<const char *>(a->name);
            const QString name = QString::fromUtf8(raw);
            attrs << (withValues ? name + QLatin1Char('=') + GetAttr(node, raw) : name);
        }
        attrs.sort();
        QString key = GetAttr(node, "name");
        if (key.isEmpty())
            key = GetAttr(node, "txt");
        if (key.isEmpty())
            key = GetAttr(node, "pid");
        out << QStringLiteral("%1[%2]: %3").arg(NodeName(node), key, attrs.join(QLatin1Char(',')));
        for (xmlNodePtr child : ElementChildren(node))
            walk(child);
    };
    walk(doc->Root());
    out.sort();
    return out;
}

inline QStringList AttributeNames(const QString &profileText, const char *element)
{
    auto doc = CXmlDocument::Parse(profileText);
    QStringList names;
    if (!doc)
        return names;
    xmlNodePtr node = doc->SelectOne(nullptr, QStringLiteral("//dfns:%1").arg(QLatin1String(element)));
    for (xmlAttrPtr a = node ? node->properties : nullptr; a; a = a->next)
        names << QString::fromUtf8(reinterpret_cast<const char *>(a->name));
    names.sort();
    return names;
}

// The message id a call throws (0 when it does not throw); the trace goes to `trace`.
inline int ThrownId(const std::function<void()> &f, QString *trace = nullptr)
{
    try {
        f();
    } catch (const CZQVCPSException &e) {
        if (trace)
            *trace = e.GetTrace();
        return e.GetMessageId();
    }
    return 0;
}

// An installation folder: ProfileTemplate/ from the source tree's data, lib/ from the
// adaptation fixture.
class CTestInstallation {
public:
    CTestInstallation()
    {
        if (!m_dir.isValid())
            qFatal("no temporary folder");
        QDir(m_dir.path()).mkpath(QStringLiteral("ProfileTemplate"));
        QDir(m_dir.path()).mkpath(QStringLiteral("lib"));
        const QDir templates(QStringLiteral(ZQV_DATA_SOURCE_DIR "/ProfileTemplate"));
        for (const QString &name : templates.entryList(QDir::Files))
            QFile::copy(templates.filePath(name), Path(QStringLiteral("ProfileTemplate/") + name));
        for (const char *name : {"Region.stv", "UpDownGradeSetting.stv"})
            QFile::copy(FixturePath(QStringLiteral("adaptation/") + QLatin1String(name)),
                        Path(QStringLiteral("lib/") + QLatin1String(name)));
        m_spUpgrade = CXmlDocument::Parse(ReadBytes(Path(QStringLiteral("lib/UpDownGradeSetting.stv"))));
        if (!m_spUpgrade)
            qFatal("the adaptation fixture does not parse");
    }

    QString Dir() const { return m_dir.path(); }
    QString Path(const QString &relative) const { return m_dir.filePath(relative); }
    const std::shared_ptr<CXmlDocument> &UpgradeDoc() const { return m_spUpgrade; }

    CModelEnvironment Environment(IPrompter *prompter = nullptr) const
    {
        CModelEnvironment env;
        env.installDir = Dir();
        env.regionCode = QStringLiteral("ZQV");
        env.upgradeDoc = m_spUpgrade;
        env.prompter = prompter;
        return env;
    }

private:
    QTemporaryDir m_dir;
    std::shared_ptr<CXmlDocument> m_spUpgrade;
};

}  // namespace zqv::test
