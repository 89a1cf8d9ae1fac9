// An installation with the shipped report templates and pictures, and profiles opened in it
// through the profile document, for the report tests and the report benchmark.
#pragma once

#include "ModelTestSupport.h"

#include "Prompter.h"
#include "SettingsMerge.h"
#include "ZQVCPSDoc.h"

#include <QDir>
#include <QRegularExpression>
#include <memory>
#include <optional>

namespace zqv::test {

class CReportHost : public IDocumentHost {
public:
    explicit CReportHost(std::shared_ptr<const CXmlDocument> upgrade) : m_spUpgrade(std::move(upgrade)) {}
    QString NewProfileTemplatePath() const override { return QString(); }
    std::shared_ptr<const CXmlDocument> WorkingSettingDocument(int group) override
    {
        return MergeGroupSettingDoc(*m_spUpgrade, group, QStringLiteral("ZQV")).working;
    }

private:
    std::shared_ptr<const CXmlDocument> m_spUpgrade;
};

// The test installation plus Report/ copied from the source tree's data.
class CReportInstallation : public CTestInstallation {
public:
    CReportInstallation() : host(UpgradeDoc())
    {
        QDir(Dir()).mkpath(QStringLiteral("Report"));
        const QDir report(QStringLiteral(ZQV_DATA_SOURCE_DIR "/Report"));
        for (const QString &name : report.entryList(QDir::Files))
            QFile::copy(report.filePath(name), Path(QStringLiteral("Report/") + name));
    }

    // Opens profile text (written to a file of the installation first); null when it fails.
    std::unique_ptr<CZQVCPSDoc> Open(const QByteArray &profileText, const QString &name = QStringLiteral("report.zqv"))
    {
        const QString path = Path(name);
        WriteBytes(path, profileText);
        auto doc = std::make_unique<CZQVCPSDoc>(Environment(&prompter), host, prompter);
        if (!doc->OnOpenDocument(path))
            return nullptr;
        return doc;
    }

    // A new profile made from a radio record, as a read from a radio makes it.
    std::unique_ptr<CZQVCPSDoc> FromRecord(const VirtualCPData &record)
    {
        auto doc = std::make_unique<CZQVCPSDoc>(Environment(&prompter), host, prompter);
        if (!doc->OnNewDocument(&record))
            return nullptr;
        return doc;
    }

    CScriptedPrompter prompter;
    CReportHost host;
};

// The group-1 fixture with its Privates list emptied: no contact has the unit PID.
inline QByteArray Group1WithoutPrivates()
{
    QString text = QString::fromUtf8(ReadBytes(FixturePath(QStringLiteral("profiles/valid_group1.zqv"))));
    text.replace(
        QRegularExpression(QStringLiteral("<Privates>.*</Privates>"), QRegularExpression::DotMatchesEverythingOption),
        QStringLiteral("<Privates></Privates>"));
    return text.toUtf8();
}

}  // namespace zqv::test
