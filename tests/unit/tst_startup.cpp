// Start-up without a window: every failure ends start-up with its message, the language
// choice with its translation, and the Language menu decisions.
#include "Languages.h"
#include "Modules.h"
#include "SettingDocs.h"
#include "ShellFixture.h"
#include "StringIds.h"
#include "TextFile.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QTest>

using namespace zqv;

namespace {

// A translation file without messages: a valid, loadable translation.
QByteArray EmptyTranslation()
{
    static const unsigned char magic[16] = {0x3c, 0xb8, 0x64, 0x18, 0xca, 0xef, 0x9c, 0x95,
                                            0xcd, 0x21, 0x1c, 0xbf, 0x60, 0xa1, 0xbd, 0xdd};
    return QByteArray(reinterpret_cast<const char *>(magic), sizeof magic);
}

void WriteFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
}

}  // namespace

class TestStartup : public QObject {
    Q_OBJECT
private slots:
    void startsWithTheShippedInstallation()
    {
        CShellFixture fx;
        fx.Store().Write(config::HelpFileName, "help/zqvcps.qch", "English");
        QVERIFY(fx.Shell().Start());
        QVERIFY2(fx.Shown().isEmpty(), qPrintable(fx.Shown().join('|')));
        QCOMPARE(fx.Shell().GetRegion(), QStringLiteral("ZQV"));
        QCOMPARE(fx.Shell().GetCurrentLanguage(), QStringLiteral("English"));
        QCOMPARE(fx.Shell().GetHelpFilePath(), fx.InstallPath() + "/help/zqvcps.qch");
        QCOMPARE(fx.Shell().GetCurrentSettingGroup(), 3);
        QVERIFY(fx.Shell().GetWorkingSettingDoc());
        QCOMPARE(NodeName(fx.Shell().GetWorkingSettingDoc()->Root()), QStringLiteral("RegionCommon"));
        QCOMPARE(fx.Shell().GetGroupByVersion("R5E.08.00"), 3);
        QCOMPARE(fx.Shell().GetSupportLanguages().size(), 7);
        QVERIFY(!fx.Shell().GetHelpPageName("CSettingsView", 1066).isEmpty());
        QVERIFY(!fx.Shell().HasTranslation());
        // The configuration was initialised on the way.
        QCOMPARE(fx.Store().ReadCurrentLanguage(), QStringLiteral("English"));
        QCOMPARE(fx.Store().ReadString(config::CurrentComPort).value_or(""), QStringLiteral("COM1"));
    }

    void realScriptEngineRuns() { QVERIFY(CheckScriptEngine()); }

    // A module that is missing, or lacks a function, is reported with the reason, never called.
    void moduleFailuresAreReported()
    {
        QString error;
        QVERIFY(!ResolveModuleFunction("zqvnosuchmodule", "zqv_new_rule_script", &error));
        QVERIFY2(error.contains(QStringLiteral("libzqvnosuchmodule.so")), qPrintable(error));
        error.clear();
        QVERIFY(!ResolveModuleFunction(kRuleScriptModule, "zqv_no_such_function", &error));
        QVERIFY2(error.contains(QStringLiteral("zqv_no_such_function")), qPrintable(error));
    }

    void failuresEndStartUp_data()
    {
        QTest::addColumn<QString>("document");
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<int>("messageId");
        const QByteArray region = "<?xml version=\"1.0\"?><RegionSetting xmlns=\"urn:corvane:zqv-cps:profile\">"
                                  "<Region name=\"%1\"/></RegionSetting>";
        QTest::newRow("Region.stv names another region")
            << "Region.stv" << QByteArray(region).replace("%1", "XYZ") << int(IDS_FILES_MISSING);
        QTest::newRow("region code in other case")
            << "Region.stv" << QByteArray(region).replace("%1", "zqv") << int(IDS_FILES_MISSING);
        QTest::newRow("empty Region.stv") << "Region.stv" << QByteArray() << int(IDS_FILES_MISSING);
        QTest::newRow("Region.stv without Region")
            << "Region.stv"
            << QByteArray("<?xml version=\"1.0\"?><RegionSetting xmlns=\"urn:corvane:zqv-cps:profile\"/>")
            << int(IDS_UNKNOWN_ERROR);
        QTest::newRow("missing HelpPane.stv") << "HelpPane.stv" << QByteArray("-") << int(IDS_FILES_MISSING);
        QTest::newRow("non-XML UpDownGradeSetting.stv")
            << "UpDownGradeSetting.stv" << QByteArray("G1=5E.00.00-5E.03.99") << int(IDS_FILES_MISSING);
        // the UTF-8 mark is read past; the document is then judged by what it holds
        QTest::newRow("UTF-8 text with a byte-order mark")
            << "UpDownGradeSetting.stv" << QByteArray("\xEF\xBB\xBF<?xml version=\"1.0\"?><a/>")
            << int(IDS_UNKNOWN_ERROR);
        QTest::newRow("UpDownGradeSetting.stv without group 3")
            << "UpDownGradeSetting.stv"
            << QByteArray("<?xml version=\"1.0\"?><UpDownGradeSetting xmlns=\"urn:corvane:zqv-cps:profile\"/>")
            << int(IDS_UNKNOWN_ERROR);
    }
    void failuresEndStartUp()
    {
        QFETCH(QString, document);
        QFETCH(QByteArray, content);
        QFETCH(int, messageId);
        // Deferred, as the desktop program starts, the setting documents' failures come when
        // the documents are first needed.
        for (const bool deferred : {false, true}) {
            CShellFixture fx;
            if (content == "-")
                QFile::remove(fx.LibDir() + '/' + document);
            else
                fx.WriteLib(document, content);
            const bool later = deferred && document == QLatin1String("UpDownGradeSetting.stv");
            QCOMPARE(fx.Shell().Start(deferred), later);
            if (later) {
                QVERIFY(fx.Shown().isEmpty());
                QVERIFY(!fx.Shell().SettingDocumentsReady());
            }
            QCOMPARE(fx.Shown(), CShellFixture::Messages({messageId}));
        }
    }

    void brokenHelpPaneMapIsReportedAtItsFirstLookUp()
    {
        CShellFixture fx;
        fx.WriteLib("HelpPane.stv", "<?xml version=\"1.0\"?><HelpPane xmlns=\"urn:");
        QVERIFY(fx.Shell().Start());
        QVERIFY(fx.Shown().isEmpty());
        QCOMPARE(fx.Shell().GetHelpPageName("CSettingsView", 1066), QString());
        QCOMPARE(fx.Shell().GetHelpPageName("CSettingsView", 1066), QString());
        QCOMPARE(fx.Shown(), CShellFixture::Messages({IDS_FILES_MISSING}));
    }

    void brokenMergeEntryShowsItsTrace()
    {
        CShellFixture fx;
        QByteArray upgrade = fx.ReadLib("UpDownGradeSetting.stv");
        const QByteArray entry = "<CPField name=\"tpt_offset\" nodename=\"setting\" defaulvalue=\"0\" isExist=\"1\"/>";
        QVERIFY(upgrade.contains(entry));
        upgrade.replace(entry, "<CPField name=\"tpt_offset\" nodename=\"setting\" defaulvalue=\"0\"/>");
        fx.WriteLib("UpDownGradeSetting.stv", upgrade);
        QVERIFY(!fx.Shell().Start());
        QCOMPARE(fx.Shown().size(), 1);
        QVERIFY(fx.Shown().front().startsWith("\n(CZQVCPSApp::CodePlugMergeToBase:"));
    }

    void hugeSettingDocumentEndsStartUp()
    {
        CShellFixture fx;
        QFile file(fx.LibDir() + "/UpDownGradeSetting.stv");
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("<?xml version=\"1.0\"?><UpDownGradeSetting xmlns=\"urn:corvane:zqv-cps:profile\"><CPSVersion>");
        const QByteArray span = "<G1><VerSpan startVer=\"5E.00.00\" endVer=\"5E.03.99\"/></G1>\n";
        const QByteArray block = span.repeated(1024 * 1024 / span.size());
        for (int i = 0; i < 100; ++i)
            QVERIFY(file.write(block) == block.size());
        file.write("</CPSVersion></UpDownGradeSetting>");
        file.close();
        QVERIFY(!fx.Shell().Start());
        QCOMPARE(fx.Shown(), CShellFixture::Messages({IDS_FILES_MISSING}));
    }

    void scrambledShippedFilesStart_data()
    {
        QTest::addColumn<int>("mode");
        QTest::newRow("utf-16") << 0;
        QTest::newRow("cp1252") << 1;
    }
    void scrambledShippedFilesStart()
    {
        QFETCH(int, mode);
        CShellFixture fx;
        for (const char *name : {"Region.stv", "HelpPane.stv", "UpDownGradeSetting.stv"}) {
            QString text = QString::fromUtf8(fx.ReadLib(name));
            ScrambleText(text, mode);
            fx.WriteLib(name, EncodeTextFile(text, mode));
        }
        QVERIFY(fx.Shell().Start());
        QVERIFY(fx.Shown().isEmpty());
        QCOMPARE(fx.Shell().GetLanguageDisplayName("Spanish"), QStringLiteral("Espa\u00F1ol (Espa\u00F1a)"));
    }

    void noDefaultLanguageGives10115()
    {
        CShellFixture fx(false);  // the machine's values were never written
        QVERIFY(!fx.Shell().Start());
        QCOMPARE(fx.Shown(), CShellFixture::Messages({IDS_FATAL_REGISTRY_ERROR}));
    }

    void missingScriptEngineGives294()
    {
        CShellFixture fx;
        fx.Shell().SetScriptEngineCheck([] { return false; });
        QVERIFY(!fx.Shell().Start());
        QCOMPARE(fx.Shown(), CShellFixture::Messages({IDS_VBSCRIPT_ENGINE_MISSING}));
        QVERIFY(!fx.Shell().GetHelpPaneDoc());  // nothing after the check ran

        // Left to the first profile: the start goes through, the first profile hears why it
        // cannot be built, and so does every later one; the engine is tried only once.
        CShellFixture deferred;
        int checks = 0;
        deferred.Shell().SetScriptEngineCheck([&checks] {
            ++checks;
            return false;
        });
        QVERIFY(deferred.Shell().Start(true));
        QCOMPARE(checks, 0);
        QVERIFY(deferred.Shown().isEmpty());
        QVERIFY(!deferred.Shell().ScriptEngineReady());
        QVERIFY(!deferred.Shell().ScriptEngineReady());
        QCOMPARE(checks, 1);
        QCOMPARE(deferred.Shown(), CShellFixture::Messages({IDS_VBSCRIPT_ENGINE_MISSING, IDS_VBSCRIPT_ENGINE_MISSING}));
    }

    void languageChoice_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("resource");  // GUIResource of the language; "" none
        QTest::addColumn<bool>("validFile");
        QTest::addColumn<bool>("translated");
        QTest::addColumn<QString>("languageAfter");
        QTest::newRow("German with its translation") << "German"
                                                     << "lang/de.qm" << true << true << "German";
        QTest::newRow("German without GUIResource") << "German"
                                                    << "" << false << false << "English";
        QTest::newRow("German, file missing") << "German"
                                              << "lang/de.qm" << false << false << "English";
        QTest::newRow("English never loads a translation") << "English"
                                                           << "lang/en.qm" << true << false << "English";
        QTest::newRow("english is not English") << "english"
                                                << "" << false << false << "English";
    }
    void languageChoice()
    {
        QFETCH(QString, language);
        QFETCH(QString, resource);
        QFETCH(bool, validFile);
        QFETCH(bool, translated);
        QFETCH(QString, languageAfter);
        CShellFixture fx;
        QVERIFY(fx.Store().WriteCurrentLanguage(language));
        if (!resource.isEmpty())
            QVERIFY(fx.Store().Write(config::GUIResource, resource, language));
        if (validFile)
            WriteFile(fx.InstallPath() + '/' + resource, EmptyTranslation());
        QVERIFY(fx.Shell().Start());  // a missing translation never ends start-up
        QCOMPARE(fx.Shell().HasTranslation(), translated);
        const bool warned = language != QLatin1String("English") && !translated;
        QCOMPARE(fx.Shown(), warned ? CShellFixture::Messages({IDS_LANGUAGE_FILE_MISSING}) : QStringList());
        QCOMPARE(fx.Store().ReadCurrentLanguage(), languageAfter);
        QCOMPARE(fx.Shell().GetCurrentLanguage(), languageAfter);
    }

    void defaultLanguageIsTakenOnFirstStart()
    {
        CShellFixture fx;
        QVERIFY(fx.Store().Write(config::DefaultLanguage, "German"));
        QVERIFY(fx.Store().Write(config::GUIResource, "lang/de.qm", "German"));
        WriteFile(fx.InstallPath() + "/lang/de.qm", EmptyTranslation());
        QVERIFY(fx.Shell().Start());
        QVERIFY(fx.Shown().isEmpty());
        QCOMPARE(fx.Shell().GetCurrentLanguage(), QStringLiteral("German"));
        QVERIFY(fx.Shell().HasTranslation());
    }

    // Qt's own texts follow the language: the standard buttons (qtbase) and the help window's
    // index and search (qt_help), where Qt ships a catalogue of the language.
    void qtCataloguesFollowTheLanguage()
    {
        if (!QFileInfo::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) + "/qt_help_de.qm"))
            QSKIP("Qt's German help catalogue is not installed");
        CShellFixture fx;
        QVERIFY(fx.Store().WriteCurrentLanguage("German"));
        QVERIFY(fx.Store().Write(config::GUIResource, "lang/de.qm", "German"));
        QFile built(QStringLiteral(ZQV_BUILD_DIR "/data/translations/zqvcps_de.qm"));
        QVERIFY2(built.open(QIODevice::ReadOnly), qPrintable(built.fileName()));
        WriteFile(fx.InstallPath() + "/lang/de.qm", built.readAll());
        QVERIFY(fx.Shell().Start());
        QCOMPARE(QCoreApplication::translate("QHelpSearchQueryWidget", "Search for:"), QStringLiteral("Suche nach:"));
    }

    void languageMenuPruning_data()
    {
        QTest::addColumn<QStringList>("supported");
        QTest::addColumn<bool>("removePopup");
        QTest::addColumn<QStringList>("removed");
        QTest::newRow("English only") << QStringList{"English"} << true << QStringList();
        QTest::newRow("English and Spanish")
            << QStringList{"English", "Spanish"} << false
            << QStringList{"CaFrench", "French", "German", "LaPortuguese", "LaSpanish"};
        QTest::newRow("Spanish only") << QStringList{"Spanish"} << false
                                      << QStringList{"CaFrench", "French", "German", "LaPortuguese", "LaSpanish"};
        QTest::newRow("no list: English stays")
            << QStringList() << false
            << QStringList{"CaFrench", "French", "German", "LaPortuguese", "LaSpanish", "Spanish"};
        QTest::newRow("names are case-sensitive")
            << QStringList{"English", "german"} << false
            << QStringList{"CaFrench", "French", "German", "LaPortuguese", "LaSpanish", "Spanish"};
        QTest::newRow("all seven") << QStringList{"CaFrench",     "French",    "English", "German",
                                                  "LaPortuguese", "LaSpanish", "Spanish"}
                                   << false << QStringList();
    }
    void languageMenuPruning()
    {
        QFETCH(QStringList, supported);
        QFETCH(bool, removePopup);
        QFETCH(QStringList, removed);
        const LanguageMenuPruning plan = PlanLanguageMenuPruning(supported);
        QCOMPARE(plan.removePopup, removePopup);
        QCOMPARE(plan.removeEntries, removed);
        const LanguageMenuLabels labels =
            PlanLanguageMenuLabels(supported, [](const QString &l) { return "<" + l + ">"; });
        QCOMPARE(labels.relabel, !removePopup);
        if (labels.relabel) {
            QCOMPARE(labels.popupLabel, LoadStr(IDS_MENU_EDIT_LANGUAGE));
            QCOMPARE(int(labels.entries.size()), 7);
            QCOMPARE(labels.entries.at(2), std::make_pair(32812, QStringLiteral("<English>")));
        }
    }

    void shippedRegionLabelsTheMenu()
    {
        CShellFixture fx;
        QVERIFY(fx.Shell().Start());
        const LanguageMenuLabels labels = PlanLanguageMenuLabels(
            fx.Shell().GetSupportLanguages(), [&](const QString &l) { return fx.Shell().GetLanguageDisplayName(l); });
        QVERIFY(labels.relabel);
        QCOMPARE(labels.entries.at(3), std::make_pair(32808, QStringLiteral("Deutsch")));
        QVERIFY(PlanLanguageMenuPruning(fx.Shell().GetSupportLanguages()).removeEntries.isEmpty());
        QCOMPARE(LanguageOfCommand(32822), QStringLiteral("LaSpanish"));
        QCOMPARE(LanguageOfCommand(1), QString());
    }

    void choosingALanguage()
    {
        CShellFixture fx;
        QVERIFY(fx.Shell().Start());
        QString frameLanguage = fx.Shell().GetCurrentLanguage();
        QVERIFY(!SelectLanguage(fx.Store(), fx.Prompter(), "English", frameLanguage));  // already current
        QVERIFY(fx.Shown().isEmpty());
        QVERIFY(SelectLanguage(fx.Store(), fx.Prompter(), "Spanish", frameLanguage));
        QCOMPARE(fx.Shown(), CShellFixture::Messages({IDS_RESTART_FOR_LANGUAGE}));
        QCOMPARE(frameLanguage, QStringLiteral("Spanish"));
        QCOMPARE(fx.Store().ReadCurrentLanguage(), QStringLiteral("Spanish"));
        QCOMPARE(fx.Shell().GetCurrentLanguage(), QStringLiteral("English"));  // until the next start
        QVERIFY(IsLanguageChecked(frameLanguage, "Spanish"));
        QVERIFY(!IsLanguageChecked(frameLanguage, "English"));
    }

    void menuPassesRunTwice()
    {
        CMenuPassCounter passes;
        QVERIFY(passes.Take());
        QVERIFY(passes.Take());
        for (int i = 0; i < 5; ++i)
            QVERIFY(!passes.Take());
    }
};

QTEST_GUILESS_MAIN(TestStartup)
#include "tst_startup.moc"
