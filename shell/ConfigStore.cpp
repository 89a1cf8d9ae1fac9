#include "ConfigStore.h"

#include "FileSave.h"
#include "Prompter.h"
#include "StringIds.h"
#include "StringTable.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QRegularExpression>
#include <QStandardPaths>
#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <limits>
#include <unistd.h>

namespace zqv {

namespace {

QString KeyOf(const ConfigValue &value, const QString &language)
{
    const QString key = QString::fromLatin1(value.key);
    return key.contains(QLatin1String("%1")) ? key.arg(language) : key;
}

bool OverLimit(const ConfigValue &value, qsizetype size)
{
    return value.limit > 0 && size > value.limit;
}

// Where a settings file that must not be read is replaced: below a device, so nothing is
// ever found there and nothing can be created.
constexpr char kUnusableSettingsFile[] = "/dev/null/unusable.conf";

// The settings file `file`. One that exists but is no regular file (a FIFO, a device, a
// folder) is never handed to QSettings, which would wait forever on a FIFO: its values read
// as absent, nothing is written, and `problem` gets the reason.
std::unique_ptr<QSettings> SettingsAt(QString file, QString *problem = nullptr)
{
    if (const QString refusal = SaveTargetRefusal(file); !refusal.isEmpty()) {
        if (problem)
            *problem = refusal;
        file = QLatin1String(kUnusableSettingsFile);
    }
    auto settings = std::make_unique<QSettings>(file, QSettings::IniFormat);
    settings->setFallbacksEnabled(false);
    return settings;
}

// The settings file below `folder`.
std::unique_ptr<QSettings> SettingsFile(const QString &folder, QString *problem = nullptr)
{
    return SettingsAt(CConfigStore::ConfigFileIn(folder), problem);
}

}  // namespace

QString DealerDefaultToText(const QByteArray &bytes)
{
    QString text;
    text.reserve(bytes.size() + 8);
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto b = static_cast<unsigned char>(bytes.at(i));
        if (b != 0)
            text += QChar(char16_t(b));
        else if (i + 1 < bytes.size())
            text += QLatin1String("\r\n");
    }
    return text;
}

CConfigStore::CConfigStore()
{
#ifdef Q_OS_WIN
    m_pUser = std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                          QLatin1String(kConfigOrganisation), QLatin1String(kConfigApplication));
#else
    // The file the platform's per-user settings of this organisation and program live in.
    const QString userFolder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    m_strUserFile = ConfigFileIn(userFolder);
    m_pUser = SettingsFile(userFolder, &m_strUserProblem);
#endif
#ifdef Q_OS_WIN
    // The machine's registry key, unless a folder is named explicitly.
    if (qEnvironmentVariableIsEmpty(kSystemConfigDirEnv))
        m_pSystem = std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::SystemScope,
                                                QLatin1String(kConfigOrganisation), QLatin1String(kConfigApplication));
#endif
    if (!m_pSystem)
        m_pSystem = SettingsAt(DefaultSystemConfigFile());
    // A user value never falls back to a machine value of the same name.
    m_pUser->setFallbacksEnabled(false);
    m_pSystem->setFallbacksEnabled(false);
}

CConfigStore::CConfigStore(const QString &userFolder, const QString &systemFolder)
    : m_strUserFile(ConfigFileIn(userFolder)), m_pUser(SettingsFile(userFolder, &m_strUserProblem)),
      m_pSystem(SettingsFile(systemFolder))
{
}

CConfigStore::~CConfigStore() = default;

QString CConfigStore::DefaultSystemConfigDir()
{
    const QString fromEnv = qEnvironmentVariable(kSystemConfigDirEnv);
    if (!fromEnv.isEmpty())
        return fromEnv;
    if (QCoreApplication::instance()) {
        const QString beside = QDir::cleanPath(QCoreApplication::applicationDirPath() + QStringLiteral("/../etc/xdg"));
        if (QFileInfo::exists(ConfigFileIn(beside)))
            return beside;
    }
    return QLibraryInfo::path(QLibraryInfo::SettingsPath);
}

QString CConfigStore::DefaultSystemConfigFile()
{
    const QString folder = DefaultSystemConfigDir();
    if (qEnvironmentVariableIsEmpty(kSystemConfigDirEnv) && QCoreApplication::instance() &&
        folder == QLibraryInfo::path(QLibraryInfo::SettingsPath)) {
        // <prefix>/bin/../etc for any prefix, <prefix>/bin/../../etc for /usr (and an
        // unpacked package).
        const QString bin = QCoreApplication::applicationDirPath();
        for (const QString &etc : {bin + QStringLiteral("/../etc"), bin + QStringLiteral("/../../etc")}) {
            const QString file = QDir::cleanPath(etc + QStringLiteral("/zqvcps/zqvcps.conf"));
            if (QFileInfo::exists(file))
                return file;
        }
    }
    return ConfigFileIn(folder);
}

QString CConfigStore::DesktopLanguage(const QStringList &uiLanguages)
{
    for (const QString &name : uiLanguages) {
        const QStringList parts = name.split(QRegularExpression(QStringLiteral("[-_]")));
        const QString language = parts.value(0).toLower();
        // The region, skipping a script part ("zh-Hant-TW").
        QString region;
        for (qsizetype i = 1; i < parts.size() && region.isEmpty(); ++i)
            if (parts[i].size() != 4)
                region = parts[i].toUpper();
        if (language == QLatin1String("en"))
            return QLatin1String(kEnglish);
        if (language == QLatin1String("de"))
            return QStringLiteral("German");
        if (language == QLatin1String("fr"))
            return region == QLatin1String("CA") ? QStringLiteral("CaFrench") : QStringLiteral("French");
        // Brazilian Portuguese is the one Portuguese there is.
        if (language == QLatin1String("pt"))
            return QStringLiteral("LaPortuguese");
        // Spanish of Spain, or of the Americas and every other region.
        if (language == QLatin1String("es"))
            return region.isEmpty() || region == QLatin1String("ES") ? QStringLiteral("Spanish")
                                                                     : QStringLiteral("LaSpanish");
    }
    return QLatin1String(kEnglish);
}

QString CConfigStore::ConfigFileIn(const QString &folder)
{
    return folder + QLatin1Char('/') + QLatin1String(kConfigOrganisation) + QLatin1Char('/') +
        QLatin1String(kConfigApplication) + QStringLiteral(".conf");
}

QSettings &CConfigStore::Scope(ConfigScope scope) const
{
    return scope == ConfigScope::User ? *m_pUser : *m_pSystem;
}

std::optional<QString> CConfigStore::ReadString(const ConfigValue &value, const QString &language) const
{
    const QVariant data = Scope(value.scope).value(KeyOf(value, language));
    // Stored settings read back as text; numbers count as their decimal text. Lists, byte
    // arrays and other types are not text values.
    const int type = data.typeId();
    if (type != QMetaType::QString && type != QMetaType::Int && type != QMetaType::UInt &&
        type != QMetaType::LongLong && type != QMetaType::ULongLong)
        return std::nullopt;
    const QString text = data.toString();
    if (OverLimit(value, text.size()))
        return std::nullopt;
    return text;
}

std::optional<quint32> CConfigStore::ReadDword(const ConfigValue &value) const
{
    const QVariant data = Scope(value.scope).value(KeyOf(value, QString()));
    if (!data.isValid())
        return std::nullopt;
    bool ok = false;
    const qint64 number =
        data.typeId() == QMetaType::QString ? data.toString().trimmed().toLongLong(&ok) : data.toLongLong(&ok);
    // Four bytes: a value that needs more does not fit the buffer and is not read.
    if (!ok || number < std::numeric_limits<qint32>::min() || number > std::numeric_limits<quint32>::max())
        return std::nullopt;
    return static_cast<quint32>(number);
}

std::optional<QByteArray> CConfigStore::ReadBytes(const ConfigValue &value, const QString &language) const
{
    const QVariant data = Scope(value.scope).value(KeyOf(value, language));
    QByteArray bytes;
    if (data.typeId() == QMetaType::QByteArray) {
        bytes = data.toByteArray();
    } else if (data.typeId() == QMetaType::QString) {
        const QString text = data.toString();
        for (QChar c : text)
            if (c.unicode() > 0xFF)
                return std::nullopt;
        bytes = text.toLatin1();
    } else {
        return std::nullopt;
    }
    if (OverLimit(value, bytes.size()))
        return std::nullopt;
    return bytes;
}

bool CConfigStore::Write(const ConfigValue &value, const QVariant &data, const QString &language)
{
    QVariant stored;
    switch (value.type) {
    case ConfigType::String:
    case ConfigType::MultiString:
        if (OverLimit(value, data.toString().size()))
            return false;
        stored = data.toString();
        break;
    case ConfigType::Dword: stored = data.toUInt(); break;
    case ConfigType::Bytes:
        if (OverLimit(value, data.toByteArray().size()))
            return false;
        stored = data.toByteArray();
        break;
    }
    QSettings &settings = Scope(value.scope);
    settings.setValue(KeyOf(value, language), stored);
    settings.sync();
    return settings.status() == QSettings::NoError;
}

bool CConfigStore::Contains(const ConfigValue &value, const QString &language) const
{
    return Scope(value.scope).contains(KeyOf(value, language));
}

void CConfigStore::Remove(const ConfigValue &value, const QString &language)
{
    QSettings &settings = Scope(value.scope);
    settings.remove(KeyOf(value, language));
    settings.sync();
}

QString CConfigStore::ReadCurrentLanguage() const
{
    return ReadString(config::CurrentLanguage).value_or(QString());
}

bool CConfigStore::WriteCurrentLanguage(const QString &language)
{
    return Write(config::CurrentLanguage, language);
}

QString CConfigStore::ReadDefaultLanguage() const
{
    return ReadString(config::DefaultLanguage).value_or(QString());
}

QString CConfigStore::ReadInstallPath() const
{
    const QString path = ReadString(config::InstallPath).value_or(QString());
    // A relative path names the data folder from the program's own folder (an installed
    // package records "../share/zqvcps"), so an installation can be moved or unpacked
    // anywhere and still finds its data beside its programs.
    if (path.isEmpty() || QDir::isAbsolutePath(path) || !QCoreApplication::instance())
        return path;
    return QDir::cleanPath(QCoreApplication::applicationDirPath() + QLatin1Char('/') + path);
}

int CConfigStore::ReadShowContextHelp() const
{
    const auto value = ReadDword(config::ShowContextHelp);
    return value ? static_cast<qint32>(*value) : -1;
}

bool CConfigStore::WriteShowContextHelp(bool show)
{
    return Write(config::ShowContextHelp, show ? 1u : 0u);
}

bool CConfigStore::ReadLinkTrace() const
{
    return ReadDword(config::LinkTrace).value_or(0) != 0;
}

bool CConfigStore::WriteLinkTrace(bool on)
{
    return Write(config::LinkTrace, on ? 1u : 0u);
}

QString CConfigStore::LinkTraceFilePath()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QStringLiteral("/link-trace.log");
}

CConfigStore::SafeWrite CConfigStore::ReadSafeWrite() const
{
    SafeWrite values;
    values.backup = ReadDword(config::BackupBeforeWrite).value_or(1) != 0;
    values.verify = ReadDword(config::VerifyAfterWrite).value_or(1) != 0;
    const quint32 keep = ReadDword(config::BackupKeepCount).value_or(kDefaultBackupKeep);
    values.keep = keep >= 1 && keep <= quint32(kMaxBackupKeep) ? int(keep) : kDefaultBackupKeep;
    return values;
}

bool CConfigStore::WriteSafeWrite(const SafeWrite &values)
{
    const quint32 keep = quint32(std::clamp(values.keep, 1, kMaxBackupKeep));
    return Write(config::BackupBeforeWrite, values.backup ? 1u : 0u) &&
        Write(config::VerifyAfterWrite, values.verify ? 1u : 0u) && Write(config::BackupKeepCount, keep);
}

QString CConfigStore::BackupFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
        QStringLiteral("/Corvane/ZQV CPS/backups");
}

QString CConfigStore::GetGUIResourcePath(const QString &language) const
{
    if (language.isEmpty())
        return QString();
    const auto file = ReadString(config::GUIResource, language);
    return file ? ReadInstallPath() + QLatin1Char('/') + *file : QString();
}

QString CConfigStore::GetHelpFilePath(const QString &language) const
{
    if (language.isEmpty())
        return QString();
    const auto file = ReadString(config::HelpFileName, language);
    return file ? ReadInstallPath() + QLatin1Char('/') + *file : QString();
}

bool CConfigStore::UserSettingsUsable() const
{
    // The counterpart of opening or creating the user's keys: the settings file must be
    // readable as settings, and either exist readable or be creatable.
    if (!m_strUserProblem.isEmpty() || m_pUser->status() != QSettings::NoError)
        return false;
    const QString file = m_pUser->fileName();
    return m_pUser->isWritable() || (QFileInfo(file).isFile() && QFileInfo(file).isReadable());
}

QString CConfigStore::UserSettingsProblem() const
{
    if (!m_strUserProblem.isEmpty() || m_strUserFile.isEmpty())
        return m_strUserProblem;
    const QByteArray file = QFile::encodeName(m_strUserFile);
    // A regular file (anything else was refused before): what opening it says.
    if (QFileInfo::exists(m_strUserFile)) {
        const int fd = ::open(file.constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
        if (fd < 0)
            return qt_error_string(errno);
        ::close(fd);
        return QString();
    }
    // Missing: what creating it says (its folder may be a file, or not writable).
    QDir().mkpath(QFileInfo(m_strUserFile).absolutePath());
    const int fd = ::open(file.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd < 0)
        return qt_error_string(errno);
    ::close(fd);
    ::unlink(file.constData());
    return QString();
}

QString CConfigStore::SetAsideUserSettings()
{
    const QString file = m_pUser->fileName();
    if (!QFileInfo(file).isFile())
        return QString();
    // The values this program keeps, as far as they could be read; whatever else the parser
    // made of the file is left behind.
    static const QRegularExpression kOwnKeys(
        QStringLiteral("^(CurrentLanguage|CurrentComPort|AutoDetect|ShowContextHelp"
                       "|Language/[^/]+/(DealerInfo|DealerNotes|ContactInfo)"
                       "|ZQV CPS/Recent File List/File[1-4])$"));
    QList<QPair<QString, QVariant>> readable;
    for (const QString &key : m_pUser->allKeys())
        if (kOwnKeys.match(key).hasMatch())
            readable.append({key, m_pUser->value(key)});
    QString aside = file + QStringLiteral(".unreadable");
    for (int n = 2; QFileInfo::exists(aside); ++n)
        aside = file + QStringLiteral(".unreadable%1").arg(n);
    if (!QFile::rename(file, aside))
        return QString();
    m_pUser = std::make_unique<QSettings>(file, QSettings::IniFormat);
    m_pUser->setFallbacksEnabled(false);
    for (const auto &[key, value] : std::as_const(readable))
        m_pUser->setValue(key, value);
    m_pUser->sync();
    return m_pUser->status() == QSettings::NoError ? aside : QString();
}

bool CConfigStore::CheckRegistry(IPrompter &prompter)
{
    // A settings file is parsed on first use; only then does its status say whether it could
    // be read.
    m_pUser->contains(QLatin1String(config::CurrentLanguage.key));
    if (m_pUser->status() == QSettings::FormatError) {
        const QString aside = SetAsideUserSettings();
        if (aside.isEmpty()) {
            prompter.ShowMessage(IDS_FATAL_REGISTRY_ERROR);
            return false;
        }
        prompter.Show(FormatStr(IDS_CONFIG_UNREADABLE, {QDir::toNativeSeparators(aside)}), MB_OK | MB_ICONWARNING);
    }
    if (!UserSettingsUsable()) {
        // The file and the cause, so that the user can mend it; reinstalling would not.
        const QString problem = UserSettingsProblem();
        if (problem.isEmpty())
            prompter.ShowMessage(IDS_FATAL_REGISTRY_ERROR);
        else
            prompter.Show(FormatStr(IDS_CONFIG_CANNOT_READ, {QDir::toNativeSeparators(m_strUserFile), problem}),
                          MB_OK | MB_ICONERROR);
        return false;
    }
    if (!Contains(config::CurrentComPort))
        Write(config::CurrentComPort, QStringLiteral("COM1"));
    if (ReadCurrentLanguage().isEmpty()) {
        QString defaultLanguage = ReadDefaultLanguage();
        if (defaultLanguage == QLatin1String(kDesktopLanguage))
            defaultLanguage = DesktopLanguage(QLocale::system().uiLanguages());
        if (defaultLanguage.isEmpty()) {
            prompter.ShowMessage(IDS_FATAL_REGISTRY_ERROR);
            return false;
        }
        // Ending here without a word would leave the user with a program that does not start
        // and no reason.
        if (!WriteCurrentLanguage(defaultLanguage)) {
            prompter.ShowMessage(IDS_FATAL_REGISTRY_ERROR);
            return false;
        }
    }
    CopyDealerInfoDefaults();
    return true;
}

void CConfigStore::CopyDealerInfoDefaults()
{
    const QString language = ReadCurrentLanguage();
    if (language.isEmpty())
        return;
    const std::pair<const ConfigValue &, const ConfigValue &> values[] = {
        {config::DefaultDealerInfo, config::UserDealerInfo},
        {config::DefaultDealerNotes, config::UserDealerNotes},
        {config::DefaultContactInfo, config::UserContactInfo},
    };
    for (const auto &[machine, user] : values) {
        if (ReadString(user, language))
            continue;
        const QByteArray defaults = ReadBytes(machine, language).value_or(QByteArray());
        Write(user, DealerDefaultToText(defaults), language);
    }
}

}  // namespace zqv
