#include "SupportBundle.h"

#include "ConfigStore.h"
#include "FileSave.h"
#include "StringIds.h"
#include "StringTable.h"
#include "TraceStore.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSysInfo>
#include <libxml/xmlversion.h>
#include <zip.h>

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

// Adds `bytes` as the entry `name`; false when libzip refuses.
bool AddEntry(zip_t *archive, const QString &name, const QByteArray &bytes)
{
    // The source copies nothing: libzip reads the bytes when the archive is closed, and the
    // caller keeps them alive until then.
    zip_source_t *source = zip_source_buffer(archive, bytes.constData(), zip_uint64_t(bytes.size()), 0);
    if (!source)
        return false;
    if (zip_file_add(archive, name.toUtf8().constData(), source, ZIP_FL_OVERWRITE | ZIP_FL_ENC_UTF_8) < 0) {
        zip_source_free(source);
        return false;
    }
    return true;
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
             QLatin1String(zip_libzip_version()));
}

QByteArray BuildSupportBundle(const SupportBundleInput &input, QString *error)
{
    zip_error_t zerror;
    zip_error_init(&zerror);
    zip_source_t *memory = zip_source_buffer_create(nullptr, 0, 0, &zerror);
    zip_t *archive = memory ? zip_open_from_source(memory, ZIP_TRUNCATE, &zerror) : nullptr;
    const auto failed = [&](const QString &reason) {
        if (error)
            *error = reason;
        return QByteArray();
    };
    if (!archive) {
        const QString reason = QString::fromLocal8Bit(zip_error_strerror(&zerror));
        if (memory)
            zip_source_free(memory);
        zip_error_fini(&zerror);
        return failed(reason);
    }
    zip_error_fini(&zerror);
    zip_source_keep(memory);

    // Every entry's bytes stay here until the archive is closed.
    std::vector<std::pair<QString, QByteArray>> entries;
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
    for (const auto &[name, bytes] : entries)
        if (!AddEntry(archive, name, bytes)) {
            const QString reason = QString::fromLocal8Bit(zip_strerror(archive));
            zip_discard(archive);
            zip_source_free(memory);
            return failed(reason);
        }
    if (zip_close(archive) < 0) {
        const QString reason = QString::fromLocal8Bit(zip_strerror(archive));
        zip_discard(archive);
        zip_source_free(memory);
        return failed(reason);
    }
    QByteArray out;
    zip_stat_t st;
    zip_stat_init(&st);
    if (zip_source_stat(memory, &st) == 0 && zip_source_open(memory) == 0) {
        out.resize(qsizetype(st.size));
        const zip_int64_t n = zip_source_read(memory, out.data(), st.size);
        zip_source_close(memory);
        if (n != zip_int64_t(st.size))
            out.clear();
    }
    zip_source_free(memory);
    if (out.isEmpty())
        return failed(LoadStr(IDS_BUNDLE_BUILD_FAILED));
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
