// The configuration store: defaults, types and size limits of every value, the start-up check
// of the configuration and the copy of the dealer-text defaults, each on its own folders.
#include "ConfigStore.h"
#include "Prompter.h"
#include "StringIds.h"
#include "StringTable.h"

#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QRandomGenerator>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <sys/fsuid.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace zqv;

namespace {

// A store on two fresh folders; `Raw` writes straight into a scope's file, as an installer or
// a hand edit would, bypassing the store's own checks.
struct Folders {
    QTemporaryDir dir;
    QString User() const { return dir.filePath("user"); }
    QString System() const { return dir.filePath("system"); }
    void Raw(ConfigScope scope, const QString &key, const QVariant &value) const
    {
        QSettings file(CConfigStore::ConfigFileIn(scope == ConfigScope::User ? User() : System()),
                       QSettings::IniFormat);
        file.setValue(key, value);
    }
};

// Every value that has a size limit.
const ConfigValue *const kLimited[] = {
    &config::CurrentLanguage, &config::DefaultLanguage,   &config::InstallPath,        &config::GUIResource,
    &config::HelpFileName,    &config::DefaultDealerInfo, &config::DefaultDealerNotes, &config::DefaultContactInfo};

}  // namespace

class TestConfigStore : public QObject {
    Q_OBJECT
private slots:
    void missingValuesReadAsTheirDefaults()
    {
        Folders f;
        CConfigStore store(f.User(), f.System());
        QCOMPARE(store.ReadCurrentLanguage(), QString());
        QCOMPARE(store.ReadDefaultLanguage(), QString());
        QCOMPARE(store.ReadInstallPath(), QString());
        QCOMPARE(store.ReadShowContextHelp(), -1);
        QVERIFY(!store.ReadDword(config::AutoDetect));
        QVERIFY(!store.ReadString(config::CurrentComPort));
        QCOMPARE(store.GetGUIResourcePath("German"), QString());
        QCOMPARE(store.GetHelpFilePath(QString()), QString());
    }

    void valuesOverTheirLimitAreAbsent_data()
    {
        QTest::addColumn<int>("which");
        QTest::addColumn<QString>("language");
        for (int i = 0; i < int(std::size(kLimited)); ++i)
            QTest::newRow(kLimited[i]->key) << i << QStringLiteral("German");
    }
    void valuesOverTheirLimitAreAbsent()
    {
        QFETCH(int, which);
        QFETCH(QString, language);
        const ConfigValue &value = *kLimited[which];
        const QString key = QString::fromLatin1(value.key).replace("%1", language);
        for (int extra : {0, 1}) {
            Folders f;
            const QString text(value.limit + extra, QLatin1Char('x'));
            if (value.type == ConfigType::Bytes)
                f.Raw(value.scope, key, text.toLatin1());
            else
                f.Raw(value.scope, key, text);
            CConfigStore store(f.User(), f.System());
            if (value.type == ConfigType::Bytes)
                QCOMPARE(store.ReadBytes(value, language).has_value(), extra == 0);
            else
                QCOMPARE(store.ReadString(value, language).has_value(), extra == 0);
            // The store itself never writes what it could not read back.
            QCOMPARE(store.Write(value, value.type == ConfigType::Bytes ? QVariant(text.toLatin1()) : QVariant(text),
                                 language),
                     extra == 0);
        }
    }

    void valuesOfAnotherTypeAreAbsent()
    {
        Folders f;
        f.Raw(ConfigScope::User, "CurrentLanguage", QStringList{"Ger", "man"});
        f.Raw(ConfigScope::User, "AutoDetect", "yes");
        f.Raw(ConfigScope::User, "ShowContextHelp", "4294967296");  // needs five bytes
        f.Raw(ConfigScope::System, "InstallPath", QByteArray("/opt"));
        CConfigStore store(f.User(), f.System());
        QCOMPARE(store.ReadCurrentLanguage(), QString());
        QVERIFY(!store.ReadDword(config::AutoDetect));
        QCOMPARE(store.ReadShowContextHelp(), -1);
        QCOMPARE(store.ReadInstallPath(), QString());
    }

    void valuesRoundTrip()
    {
        Folders f;
        {
            CConfigStore store(f.User(), f.System());
            QVERIFY(store.WriteCurrentLanguage("Spanish"));
            QVERIFY(store.Write(config::CurrentComPort, "/dev/ttyUSB0"));
            QVERIFY(store.Write(config::AutoDetect, 1u));
            QVERIFY(store.WriteShowContextHelp(true));
            QVERIFY(store.Write(config::InstallPath, "/opt/zqv cps"));
            QVERIFY(store.Write(config::GUIResource, "lang/zqv_es.qm", "Spanish"));
            QVERIFY(store.Write(config::HelpFileName, "help/zqv_es.qch", "Spanish"));
        }
        CConfigStore store(f.User(), f.System());
        QCOMPARE(store.ReadCurrentLanguage(), QStringLiteral("Spanish"));
        QCOMPARE(store.ReadString(config::CurrentComPort).value_or(""), QStringLiteral("/dev/ttyUSB0"));
        QCOMPARE(store.ReadDword(config::AutoDetect).value_or(0), 1u);
        QCOMPARE(store.ReadShowContextHelp(), 1);
        QVERIFY(store.WriteShowContextHelp(false));
        QCOMPARE(store.ReadShowContextHelp(), 0);
        QCOMPARE(store.GetGUIResourcePath("Spanish"), QStringLiteral("/opt/zqv cps/lang/zqv_es.qm"));
        QCOMPARE(store.GetHelpFilePath("Spanish"), QStringLiteral("/opt/zqv cps/help/zqv_es.qch"));
        QCOMPARE(store.GetHelpFilePath("German"), QString());
        // User and machine values never stand in for each other.
        QVERIFY(!store.ReadString(config::UserDealerInfo, "Spanish"));
        QCOMPARE(store.ReadDefaultLanguage(), QString());
    }

    void relativeInstallPathIsTakenFromTheProgramFolder()
    {
        // An installed package records its data folder relative to its programs, so an
        // unpacked or moved installation still finds it; the language files follow.
        Folders f;
        {
            CConfigStore store(f.User(), f.System());
            QVERIFY(store.Write(config::InstallPath, "../share/zqvcps"));
            QVERIFY(store.Write(config::GUIResource, "translations/zqvcps_de.qm", "German"));
        }
        CConfigStore store(f.User(), f.System());
        const QString expected = QDir::cleanPath(QCoreApplication::applicationDirPath() + "/../share/zqvcps");
        QCOMPARE(store.ReadInstallPath(), expected);
        QCOMPARE(store.GetGUIResourcePath("German"), expected + "/translations/zqvcps_de.qm");
    }

    void checkRegistryFillsTheUsersValues()
    {
        Folders f;
        f.Raw(ConfigScope::System, "DefaultLanguage", "German");
        f.Raw(ConfigScope::System, "Language/German/DealerInfo", QByteArray("Radio Shop\0Main St. 1\0", 22));
        f.Raw(ConfigScope::System, "Language/German/ContactInfo", QByteArray("Caf\xE9", 4));
        CConfigStore store(f.User(), f.System());
        CScriptedPrompter prompter;
        QVERIFY(store.CheckRegistry(prompter));
        QVERIFY(prompter.History().empty());
        QCOMPARE(store.ReadCurrentLanguage(), QStringLiteral("German"));
        QCOMPARE(store.ReadString(config::CurrentComPort).value_or(""), QStringLiteral("COM1"));
        QCOMPARE(store.ReadString(config::UserDealerInfo, "German").value_or("?"),
                 QStringLiteral("Radio Shop\r\nMain St. 1"));
        QCOMPARE(store.ReadString(config::UserContactInfo, "German").value_or("?"), QStringLiteral("Caf\u00E9"));
        QCOMPARE(store.ReadString(config::UserDealerNotes, "German").value_or("?"), QString());

        // Values the user has are kept.
        QVERIFY(store.Write(config::CurrentComPort, "/dev/ttyS1"));
        QVERIFY(store.Write(config::UserDealerInfo, "Mine", "German"));
        QVERIFY(store.WriteCurrentLanguage("French"));
        QVERIFY(store.CheckRegistry(prompter));
        QCOMPARE(store.ReadString(config::CurrentComPort).value_or(""), QStringLiteral("/dev/ttyS1"));
        QCOMPARE(store.ReadString(config::UserDealerInfo, "German").value_or(""), QStringLiteral("Mine"));
        QCOMPARE(store.ReadCurrentLanguage(), QStringLiteral("French"));
    }

    // A configuration start-up cannot use ends it: without a default language with 10115; with
    // user settings that cannot be read or created with the file and the cause (the user can
    // mend that, reinstalling would not), and a FIFO there is never waited on.
    void checkRegistryRefusesWhatItCannotUse_data()
    {
        QTest::addColumn<QString>("defaultLanguage");
        QTest::addColumn<QString>("userFile");  // what stands where the user's settings file goes
        QTest::addColumn<QString>("cause");  // empty: message 10115
        QTest::newRow("no default language") << QString() << QString() << QString();
        QTest::newRow("default language over its limit") << QString(50, QLatin1Char('G')) << QString() << QString();
        QTest::newRow("user settings cannot be created") << "English"
                                                         << "below a file"
                                                         << "Not a directory";
        QTest::newRow("user settings are a folder") << "English"
                                                    << "folder"
                                                    << "not a regular file";
        QTest::newRow("user settings are a FIFO") << "English"
                                                  << "fifo"
                                                  << "not a regular file";
        QTest::newRow("user settings of another owner") << "English"
                                                        << "another owner"
                                                        << "Permission denied";
    }
    void checkRegistryRefusesWhatItCannotUse()
    {
        QFETCH(QString, defaultLanguage);
        QFETCH(QString, userFile);
        QFETCH(QString, cause);
        Folders f;
        if (!defaultLanguage.isEmpty())
            f.Raw(ConfigScope::System, "DefaultLanguage", defaultLanguage);
        QString user = f.User();
        const QString file = CConfigStore::ConfigFileIn(user);
        QVERIFY(QDir().mkpath(QFileInfo(file).path()));
        if (userFile == "below a file") {
            // A plain file where the settings folder would go: nothing can be created below it.
            QFile blocker(f.dir.filePath("blocker"));
            QVERIFY(blocker.open(QIODevice::WriteOnly));
            user = blocker.fileName();
        } else if (userFile == "folder") {
            QVERIFY(QDir().mkpath(file));
        } else if (userFile == "fifo") {
            QCOMPARE(mkfifo(QFile::encodeName(file).constData(), 0600), 0);
        } else if (userFile == "another owner") {
            // Another user's private file in folders anyone may look into.
            f.Raw(ConfigScope::User, "CurrentLanguage", "German");
            QVERIFY(QFile::setPermissions(file, QFile::ReadOwner | QFile::WriteOwner));
            const auto open =
                QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther;
            for (const QString &folder : {f.dir.path(), user, QFileInfo(file).path()})
                QVERIFY(QFile::setPermissions(folder, open));
        }
        CScriptedPrompter prompter;
        // Permissions bind the superuser's file-system identity once it is another user's
        // (this thread only, undone at once).
        const bool otherUser = userFile == "another owner";
        const uid_t before = otherUser ? setfsuid(geteuid() == 0 ? 65534 : geteuid()) : 0;
        bool started = true;
        {
            CConfigStore store(user, f.System());
            started = store.CheckRegistry(prompter);
        }
        if (otherUser)
            setfsuid(before);
        QVERIFY(!started);
        QCOMPARE(prompter.Texts().size(), qsizetype(1));
        const QString message = prompter.Texts().first();
        if (cause.isEmpty()) {
            QCOMPARE(message, LoadStr(IDS_FATAL_REGISTRY_ERROR));
        } else {
            QVERIFY2(
                message.startsWith(
                    FormatStr(IDS_CONFIG_CANNOT_READ, {CConfigStore::ConfigFileIn(user), cause}).section(u'\n', 0, 0)),
                qPrintable(message));
            QVERIFY2(message.contains(cause, Qt::CaseInsensitive), qPrintable(message));
        }
        // What stood there is as it was.
        if (userFile == "fifo" || userFile == "folder")
            QVERIFY(QFileInfo::exists(file) && !QFileInfo(file).isFile());
    }

    // A user settings file that cannot be parsed: the start goes on with a repaired file (the
    // values that could be read), the old file is kept byte for byte, and the user is told.
    void unreadableUserSettingsAreRepaired_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("dealerInfo");
        const QByteArray valid("[General]\nCurrentLanguage=German\nCurrentComPort=/dev/ttyUSB3\n"
                               "[Language]\nGerman\\DealerInfo=Harbour Radio\n");
        // A valid file with one bad line at the end, in the middle, or a broken section.
        QTest::newRow("bytes that are no text") << QByteArray(valid).insert(10, "\xff\xfe\x01junk\n") << "German"
                                                << "Harbour Radio";
        QTest::newRow("line without a value") << QByteArray(valid).insert(10, "noequals\n") << "German"
                                              << "Harbour Radio";
        QTest::newRow("unterminated section") << valid + "[broken\n"
                                              << "German"
                                              << "Harbour Radio";
        // Random bytes: nothing of ours survives, the defaults come back.
        for (quint32 seed : {7u, 11u, 2024u, 31337u}) {
            QRandomGenerator random(seed);
            QByteArray bytes(2000, '\0');
            random.fillRange(reinterpret_cast<quint32 *>(bytes.data()), bytes.size() / 4);
            QTest::newRow(qPrintable(QStringLiteral("garbage %1").arg(seed))) << bytes << "English"
                                                                              << "";
        }
    }
    void unreadableUserSettingsAreRepaired()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, language);
        QFETCH(QString, dealerInfo);
        Folders f;
        f.Raw(ConfigScope::System, "DefaultLanguage", "English");
        const QString file = CConfigStore::ConfigFileIn(f.User());
        QVERIFY(QDir().mkpath(QFileInfo(file).path()));
        {
            QFile out(file);
            QVERIFY(out.open(QIODevice::WriteOnly));
            out.write(content);
        }
        {
            CConfigStore store(f.User(), f.System());
            CScriptedPrompter prompter;
            QVERIFY(store.CheckRegistry(prompter));
            QCOMPARE(prompter.Texts(),
                     QStringList{FormatStr(IDS_CONFIG_UNREADABLE, {QDir::toNativeSeparators(file + ".unreadable")})});
            QCOMPARE(store.ReadCurrentLanguage(), language);
            QCOMPARE(store.ReadString(config::UserDealerInfo, language).value_or("?"), dealerInfo);
            // Values written from now on are kept.
            QVERIFY(store.WriteShowContextHelp(true));
        }
        QFile kept(file + ".unreadable");
        QVERIFY(kept.open(QIODevice::ReadOnly));
        QCOMPARE(kept.readAll(), content);
        // The next start reads the repaired file without a word.
        CConfigStore again(f.User(), f.System());
        CScriptedPrompter prompter;
        QVERIFY(again.CheckRegistry(prompter));
        QVERIFY(prompter.History().empty());
        QCOMPARE(again.ReadShowContextHelp(), 1);
        QCOMPARE(again.ReadCurrentLanguage(), language);
    }

    void dealerDefaultsBecomeLines_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("text");
        QTest::newRow("empty") << QByteArray() << QString();
        QTest::newRow("one line, terminated") << QByteArray("abc\0", 4) << QStringLiteral("abc");
        QTest::newRow("two lines") << QByteArray("a\0b\0", 4) << QStringLiteral("a\r\nb");
        QTest::newRow("unterminated") << QByteArray("a\0b", 3) << QStringLiteral("a\r\nb");
        QTest::newRow("double terminator") << QByteArray("a\0\0", 3) << QStringLiteral("a\r\n");
        QTest::newRow("bytes are character codes") << QByteArray("\xC4\x80", 2) << QStringLiteral("\u00C4\u0080");
    }
    void dealerDefaultsBecomeLines()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, text);
        QCOMPARE(DealerDefaultToText(bytes), text);
    }

    // The installed DefaultLanguage stands for the desktop's language: the first of the
    // desktop's languages the program has, by language and region.
    void desktopLanguage_data()
    {
        QTest::addColumn<QStringList>("uiLanguages");
        QTest::addColumn<QString>("language");
        QTest::newRow("German of Austria") << QStringList{"de-AT", "de"} << "German";
        QTest::newRow("French of Canada") << QStringList{"fr-CA"} << "CaFrench";
        QTest::newRow("French of Belgium") << QStringList{"fr-BE"} << "French";
        QTest::newRow("Spanish of Spain") << QStringList{"es-ES"} << "Spanish";
        QTest::newRow("Spanish without a region") << QStringList{"es"} << "Spanish";
        QTest::newRow("Spanish of Mexico") << QStringList{"es_MX"} << "LaSpanish";
        QTest::newRow("Latin-American Spanish") << QStringList{"es-419"} << "LaSpanish";
        QTest::newRow("Portuguese of Brazil") << QStringList{"pt-BR"} << "LaPortuguese";
        QTest::newRow("a language the program lacks, then French") << QStringList{"it-IT", "fr-FR"} << "French";
        QTest::newRow("English before German") << QStringList{"en-GB", "de-DE"} << "English";
        QTest::newRow("none the program has") << QStringList{"ja-JP", "C"} << "English";
        QTest::newRow("no languages") << QStringList{} << "English";
    }
    void desktopLanguage()
    {
        QFETCH(QStringList, uiLanguages);
        QFETCH(QString, language);
        QCOMPARE(CConfigStore::DesktopLanguage(uiLanguages), language);
    }

    void desktopDefaultBecomesTheUsersLanguage()
    {
        Folders f;
        f.Raw(ConfigScope::System, "DefaultLanguage", kDesktopLanguage);
        CConfigStore store(f.User(), f.System());
        CScriptedPrompter prompter;
        QVERIFY(store.CheckRegistry(prompter));
        QCOMPARE(store.ReadCurrentLanguage(), CConfigStore::DesktopLanguage(QLocale::system().uiLanguages()));
    }

    void systemFolderFromTheEnvironment()
    {
        qputenv(kSystemConfigDirEnv, "/some/where");
        QCOMPARE(CConfigStore::DefaultSystemConfigDir(), QStringLiteral("/some/where"));
        qunsetenv(kSystemConfigDirEnv);
        QVERIFY(CConfigStore::DefaultSystemConfigDir() != QStringLiteral("/some/where"));
    }

    void buildWritesTheMachineConfiguration()
    {
        // A fresh build starts without set-up: the build tree holds the machine's values.
        CConfigStore store(QStringLiteral(ZQV_BUILD_DIR "/test-config"), QStringLiteral(ZQV_BUILD_DIR "/etc/xdg"));
        QCOMPARE(store.ReadDefaultLanguage(), QStringLiteral("English"));
        QCOMPARE(store.ReadInstallPath(), QStringLiteral(ZQV_BUILD_DIR "/data"));
        QVERIFY(!store.GetHelpFilePath("English").isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestConfigStore)
#include "tst_configstore.moc"
