// The configuration store: the user's and the machine's settings of "ZQV CPS" (organisation
// "Corvane"), on QSettings.
//
// User scope: CurrentLanguage, CurrentComPort, AutoDetect, ShowContextHelp, LinkTrace and the user's
// dealer texts per language. System scope, written by the build and by `cmake --install`
// (see HACKING.md): DefaultLanguage, InstallPath and, per language, GUIResource, HelpFileName
// and the dealer-text defaults. Every value has a type and a size limit; a value that is
// longer than its limit, or not of its type, reads as absent. Nothing outside this class
// touches the configuration.
#pragma once

#include <QByteArray>
#include <QSettings>
#include <QString>
#include <memory>
#include <optional>

namespace zqv {

class IPrompter;

inline constexpr char kConfigOrganisation[] = "Corvane";
inline constexpr char kConfigApplication[] = "ZQV CPS";
// The environment variable that names the folder of the machine-wide configuration.
inline constexpr char kSystemConfigDirEnv[] = "ZQV_SYSTEM_CONFIG_DIR";
// The fallback language: needs no translation and is always offered.
inline constexpr char kEnglish[] = "English";
// The DefaultLanguage that stands for the desktop's own language (the installed default).
inline constexpr char kDesktopLanguage[] = "Desktop";

enum class ConfigScope { User, System };
enum class ConfigType {
    String,  // text
    Dword,  // a 32-bit number
    MultiString,  // text of several lines, "\r\n" between them
    Bytes,  // one byte per character, a zero byte between lines
};

// One value of the configuration. `key` may hold "%1" for the language name. `limit` is in
// characters (bytes for Bytes, 4 for Dword); 0 means no limit.
struct ConfigValue {
    ConfigScope scope;
    const char *key;
    ConfigType type;
    int limit;
};

namespace config {
inline constexpr ConfigValue CurrentLanguage{ConfigScope::User, "CurrentLanguage", ConfigType::String, 49};
inline constexpr ConfigValue CurrentComPort{ConfigScope::User, "CurrentComPort", ConfigType::String, 0};
inline constexpr ConfigValue AutoDetect{ConfigScope::User, "AutoDetect", ConfigType::Dword, 4};
inline constexpr ConfigValue ShowContextHelp{ConfigScope::User, "ShowContextHelp", ConfigType::Dword, 4};
// Nonzero: the desktop program writes the link trace to LinkTraceFilePath().
inline constexpr ConfigValue LinkTrace{ConfigScope::User, "LinkTrace", ConfigType::Dword, 4};
// Safe write: zero switches off the backup before a write and the check after it; the number
// of backups kept per radio (1..kMaxBackupKeep, default kDefaultBackupKeep).
inline constexpr ConfigValue BackupBeforeWrite{ConfigScope::User, "BackupBeforeWrite", ConfigType::Dword, 4};
inline constexpr ConfigValue VerifyAfterWrite{ConfigScope::User, "VerifyAfterWrite", ConfigType::Dword, 4};
inline constexpr ConfigValue BackupKeepCount{ConfigScope::User, "BackupKeepCount", ConfigType::Dword, 4};
inline constexpr ConfigValue UserDealerInfo{ConfigScope::User, "Language/%1/DealerInfo", ConfigType::MultiString, 0};
inline constexpr ConfigValue UserDealerNotes{ConfigScope::User, "Language/%1/DealerNotes", ConfigType::MultiString, 0};
inline constexpr ConfigValue UserContactInfo{ConfigScope::User, "Language/%1/ContactInfo", ConfigType::MultiString, 0};
inline constexpr ConfigValue DefaultLanguage{ConfigScope::System, "DefaultLanguage", ConfigType::String, 49};
inline constexpr ConfigValue InstallPath{ConfigScope::System, "InstallPath", ConfigType::String, 511};
inline constexpr ConfigValue GUIResource{ConfigScope::System, "Language/%1/GUIResource", ConfigType::String, 1023};
inline constexpr ConfigValue HelpFileName{ConfigScope::System, "Language/%1/HelpFileName", ConfigType::String, 1023};
inline constexpr ConfigValue DefaultDealerInfo{ConfigScope::System, "Language/%1/DealerInfo", ConfigType::Bytes, 1024};
inline constexpr ConfigValue DefaultDealerNotes{ConfigScope::System, "Language/%1/DealerNotes", ConfigType::Bytes,
                                                1024};
inline constexpr ConfigValue DefaultContactInfo{ConfigScope::System, "Language/%1/ContactInfo", ConfigType::Bytes,
                                                1024};
// The most-recently-used profiles ("%1" is 1..4), kept where the classic application framework
// keeps them: "<application>/Recent File List/File<n>".
inline constexpr ConfigValue RecentFile{ConfigScope::User, "ZQV CPS/Recent File List/File%1", ConfigType::String, 0};
}  // namespace config

// The dealer-text defaults as the user's text: every nonzero byte is the character of that
// code, every zero byte but the last of the data a line break "\r\n".
QString DealerDefaultToText(const QByteArray &bytes);

class CConfigStore {
public:
    // The usual places: the user's settings where the platform keeps them, the machine's in
    // DefaultSystemConfigDir().
    CConfigStore();
    // Both scopes below explicit folders, each as <folder>/Corvane/ZQV CPS.conf.
    CConfigStore(const QString &userFolder, const QString &systemFolder);
    ~CConfigStore();
    CConfigStore(const CConfigStore &) = delete;
    CConfigStore &operator=(const CConfigStore &) = delete;

    // Where the machine-wide settings are read from: $ZQV_SYSTEM_CONFIG_DIR when set; else
    // <program folder>/../etc/xdg when it holds them (the build tree and an installed
    // prefix); else the platform's system settings folder.
    static QString DefaultSystemConfigDir();
    // The machine-wide settings file: the one below DefaultSystemConfigDir(), except that an
    // installed program whose folder has no build-tree file reads its package's own file,
    // <etc>/zqvcps/zqvcps.conf (/etc for the prefix /usr), in place, so an administrator's edit
    // is the file an upgrade keeps.
    static QString DefaultSystemConfigFile();
    // The settings file below `folder`.
    static QString ConfigFileIn(const QString &folder);

    // Typed reads of one value (`language` fills "%1"); absent when missing, over its limit or
    // of another type.
    std::optional<QString> ReadString(const ConfigValue &value, const QString &language = QString()) const;
    std::optional<quint32> ReadDword(const ConfigValue &value) const;
    std::optional<QByteArray> ReadBytes(const ConfigValue &value, const QString &language = QString()) const;
    // Writes one value and flushes it; false when it could not be stored.
    bool Write(const ConfigValue &value, const QVariant &data, const QString &language = QString());
    bool Contains(const ConfigValue &value, const QString &language = QString()) const;
    void Remove(const ConfigValue &value, const QString &language = QString());

    // The accessors the program uses.
    QString ReadCurrentLanguage() const;  // empty when absent
    bool WriteCurrentLanguage(const QString &language);
    QString ReadDefaultLanguage() const;  // empty when absent
    // Empty when absent; a relative value is taken from the program's folder.
    QString ReadInstallPath() const;
    int ReadShowContextHelp() const;  // -1 when absent
    bool WriteShowContextHelp(bool show);
    // Whether the desktop program writes the link trace; off when absent or unreadable.
    bool ReadLinkTrace() const;
    bool WriteLinkTrace(bool on);
    // Where the desktop program writes the link trace: link-trace.log in the user's data folder.
    static QString LinkTraceFilePath();
    // The safe-write switches (on when absent) and how many backups to keep per radio.
    static constexpr int kDefaultBackupKeep = 20;
    static constexpr int kMaxBackupKeep = 999;
    struct SafeWrite {
        bool backup = true;
        bool verify = true;
        int keep = kDefaultBackupKeep;
    };
    SafeWrite ReadSafeWrite() const;
    bool WriteSafeWrite(const SafeWrite &values);
    // Where backups taken before a write go, one folder per radio: "backups" in the user's
    // data folder, the same for both programs.
    static QString BackupFolder();
    // <InstallPath>/<GUIResource> or <InstallPath>/<HelpFileName> of `language`; empty when
    // the language is empty or the value is absent.
    QString GetGUIResourcePath(const QString &language) const;
    QString GetHelpFilePath(const QString &language) const;

    // Start-up check of the configuration: the user's settings must be readable or creatable,
    // CurrentComPort gets "COM1" when missing, an empty CurrentLanguage takes DefaultLanguage,
    // and the dealer-text defaults are copied. Fails with IDS_CONFIG_CANNOT_READ (the file and
    // the cause) when the user's settings file cannot be read or created (another owner's, a
    // folder, a FIFO: never waited on), and with 10115 when no default language is configured
    // or CurrentLanguage cannot be written. A settings file that cannot be parsed is repaired first: the values this
    // program keeps that could be read go into a fresh file, the old file is kept beside it
    // (".unreadable"), and the user is told where.
    bool CheckRegistry(IPrompter &prompter);
    // The first of the desktop's languages (`uiLanguages`, as QLocale::uiLanguages() gives
    // them, "de-DE", "es-419") that the program has; English when none. A DefaultLanguage of
    // kDesktopLanguage takes this language on the first start.
    static QString DesktopLanguage(const QStringList &uiLanguages);
    // Copies the machine's dealer-text defaults of the current language to the user's values
    // that are missing or unreadable.
    void CopyDealerInfoDefaults();

private:
    QSettings &Scope(ConfigScope scope) const;
    bool UserSettingsUsable() const;
    // Why the user's settings file cannot be read or created, in the system's words; empty
    // when no cause can be named.
    QString UserSettingsProblem() const;
    // Replaces an unparsable user settings file as CheckRegistry says; returns the path the
    // old file was kept under, empty when that failed.
    QString SetAsideUserSettings();

    QString m_strUserFile;  // the user's settings file (empty where the platform keeps no file)
    QString m_strUserProblem;  // set when that file exists and is no regular file
    std::unique_ptr<QSettings> m_pUser;
    std::unique_ptr<QSettings> m_pSystem;
};

}  // namespace zqv
