#include "SupportBundle.h"

#include "ConfigStore.h"
#include "FileSave.h"
#include "StringIds.h"
#include "StringTable.h"
#include "TraceStore.h"
#include "ZipArchive.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSysInfo>
#include <libxml/xmlversion.h>

namespace zqv {
namespace {

QString ProfileCount(const CXmlDocument &doc, const char *element)
{
    int n = 0;
    ForEachElement(doc.Root(), [&](xmlNodePtr node) {
        if (IsProfileElement(node, element))
            ++n;
        return true;
    });
    return QString::number(n);
}

QString ConfigurationText(const CConfigStore &config)
{
    // The dealer texts and the recent files' paths can name customers: they stay out.
    static const ConfigValue kStrings[] = {config::CurrentLanguage, config::CurrentComPort, config::DefaultLanguage,
                                           config::InstallPath};
    static const ConfigValue kDwords[] = {config::AutoDetect,        config::ShowContextHelp,  config::LinkTrace,
                                          config::BackupBeforeWrite, config::VerifyAfterWrite, config::BackupKeepCount,
                                          tracestore::KeepLinkTraces};
    QStringList lines;
    for (const ConfigValue &v : kStrings)
        if (const auto value = config.ReadString(v))
            lines << QStringLiteral("%1=%2").arg(QLatin1String(v.key), *value);
    for (const ConfigValue &v : kDwords)
        if (const auto value = config.ReadDword(v))
            lines << QStringLiteral("%1=%2").arg(QLatin1String(v.key)).arg(*value);
    return lines.join(u'\n') + u'\n';
}

}  // namespace

QString RedactTraceLine(const QString &line)
{
    static const QRegularExpression frame(QStringLiteral("^(\\S+ \\S+ (?:TX|RX) )(.*)$"));
    const QRegularExpressionMatch m = frame.match(line);
    if (!m.hasMatch())
        return line;
    const QStringList bytes = m.captured(2).split(u' ', Qt::SkipEmptyParts);
    if (bytes.size() <= kBundleFrameBytes)
        return line;
    return m.captured(1) + bytes.mid(0, kBundleFrameBytes).join(u' ') +
        QStringLiteral(" [%1 bytes left out]").arg(bytes.size() - kBundleFrameBytes);
}

QString ProfileSummaryText(const CXmlDocument &doc, bool withNames)
{
    QStringList lines;
    const xmlNodePtr root = doc.Root();
    xmlNodePtr version = nullptr, limit = nullptr;
    for (xmlNodePtr child : ElementChildren(root)) {
        if (IsProfileElement(child, "version"))
            version = child;
        else if (IsProfileElement(child, "limit"))
            limit = child;
    }
    if (limit)
        lines << QStringLiteral("model=%1").arg(GetAttr(limit, "model"));
    if (version)
        lines << QStringLiteral("firmware=%1 %2.%3.%4")
                     .arg(GetAttr(version, "firmware_phase"), GetAttr(version, "firmware_release"),
                          GetAttr(version, "firmware_version"), GetAttr(version, "firmware_revision"))
              << QStringLiteral("codeplug=%1.%2.%3")
                     .arg(GetAttr(version, "codeplug_structure"), GetAttr(version, "codeplug_version"),
                          GetAttr(version, "codeplug_dev_version"));
    lines << QStringLiteral("public groups=%1").arg(ProfileCount(doc, "PublicGroup"))
          << QStringLiteral("private groups=%1").arg(ProfileCount(doc, "PrivateGroup"))
          << QStringLiteral("private contacts=%1").arg(ProfileCount(doc, "Private"))
          << QStringLiteral("text messages=%1").arg(ProfileCount(doc, "TextMessage"));
    if (withNames) {
        if (limit)
            lines << QStringLiteral("radio ID=%1").arg(GetAttr(limit, "pid"));
        ForEachElement(root, [&](xmlNodePtr node) {
            for (const char *kind : {"PublicGroup", "PrivateGroup", "Private"})
                if (IsProfileElement(node, kind) && HasAttr(node, "pid"))
                    lines << QStringLiteral("%1: %2 (%3)")
                                 .arg(QLatin1String(kind), GetAttr(node, "name"), GetAttr(node, "pid"));
            return true;
        });
    }
    return lines.join(u'\n') + u'\n';
}

QString SystemText()
{
    return QStringLiteral("distribution=%1\nkernel=%2 %3\narchitecture=%4\nQt=%5\nlibxml2=%6\nlibzip=%7\n")
        .arg(QSysInfo::prettyProductName(), QSysInfo::kernelType(), QSysInfo::kernelVersion(),
             QSysInfo::currentCpuArchitecture(), QLatin1String(qVersion()), QLatin1String(LIBXML_DOTTED_VERSION),
             ZipLibraryVersion());
}

QByteArray BuildSupportBundle(const SupportBundleInput &input, QString *error)
{
    std::vector<ZipEntry> entries;
    QString readme = LoadStr(IDS_BUNDLE_CONTENTS);
    if (!input.includeNames)
        readme += u'\n' + LoadStr(IDS_BUNDLE_NAMES_LEFT_OUT);
    entries.emplace_back(QStringLiteral("README.txt"), (readme + u'\n').toUtf8());
    entries.emplace_back(QStringLiteral("version.txt"), (input.programVersion + u'\n').toUtf8());
    entries.emplace_back(QStringLiteral("system.txt"), SystemText().toUtf8());
    if (input.config)
        entries.emplace_back(QStringLiteral("configuration.txt"), ConfigurationText(*input.config).toUtf8());
    entries.emplace_back(QStringLiteral("troubleshooter.txt"), (input.doctorReport + u'\n').toUtf8());
    if (input.profile)
        entries.emplace_back(QStringLiteral("profile.txt"),
                             ProfileSummaryText(*input.profile, input.includeNames).toUtf8());
    for (const QString &path : input.traces) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            continue;
        QByteArray bytes = file.readAll();
        if (!input.includeNames) {
            QStringList lines = QString::fromUtf8(bytes).split(u'\n');
            for (QString &line : lines)
                line = RedactTraceLine(line);
            bytes = lines.join(u'\n').toUtf8();
        }
        entries.emplace_back(QStringLiteral("traces/") + QFileInfo(path).fileName(), bytes);
    }
    QString reason;
    const QByteArray out = ZipArchiveBytes(entries, &reason);
    if (out.isEmpty()) {
        if (error)
            *error = reason.isEmpty() ? LoadStr(IDS_BUNDLE_BUILD_FAILED) : reason;
        return QByteArray();
    }
    return out;
}

bool SaveSupportBundle(const QString &path, const SupportBundleInput &input, QString *error)
{
    const QByteArray bytes = BuildSupportBundle(input, error);
    if (bytes.isEmpty())
        return false;
    if (!SaveFileReplacing(path, bytes, error))
        return false;
    // With names asked for it carries the contacts and the password: the user's alone.
    QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    return true;
}

}  // namespace zqv
