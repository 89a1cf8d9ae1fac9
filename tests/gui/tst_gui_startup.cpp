// Start-up of the desktop program: the failures that end it or let it go on, the menus it
// builds for the installation's languages, the language commands, the command line and the
// recent-file list.
#include "GuiTestSupport.h"

#include "CommandIds.h"
#include "CommandTable.h"
#include "Languages.h"
#include "MenuTable.h"
#include "StringTable.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QTranslator>

using namespace zqv;
using namespace zqvtest;

namespace {

QStringList MenuBarTitles(CMainFrame &frame)
{
    QStringList titles;
    for (QAction *a : frame.menuBar()->actions())
        titles << a->text();
    return titles;
}

QStringList LanguageEntries(CMainFrame &frame)
{
    QStringList entries;
    for (QAction *a : frame.LanguageMenu()->actions())
        entries << a->text();
    return entries;
}

// Whether the process has mapped a shared library whose file name starts with `name`.
bool Loaded(const char *name)
{
    QFile maps(QStringLiteral("/proc/self/maps"));
    return maps.open(QIODevice::ReadOnly) && maps.readAll().contains(QByteArray("/") + name);
}

// The libraries the first window does without: they load when first used.
const char *const kLoadedOnFirstUse[] = {"libQt6Qml.so", "libQt6Network.so", "libQt6PrintSupport.so", "libQt6Help.so",
                                         "libQt6Sql.so", "libzip.so",        "libcrypto.so"};

QByteArray RegionDoc(const QByteArray &region, const QByteArray &languages)
{
    return "<?xml version=\"1.0\"?>\n<RegionSetting xmlns=\"urn:corvane:zqv-cps:profile\"><Region name=\"" + region +
        "\"/><SupportLanguages>" + languages + "</SupportLanguages></RegionSetting>";
}

}  // namespace

class TestStartup : public QObject {
    Q_OBJECT

private slots:
    void plainStartShowsMainFrameWithoutProfile();
    void failuresThatEndStartUp_data();
    void failuresThatEndStartUp();
    void missingLanguageFileContinuesInEnglish();
    void startsInEachTranslatedLanguage_data();
    void startsInEachTranslatedLanguage();
    void languageMenuShowsSupportedLanguages();
    void englishOnlyRemovesLanguagePopup();
    void choosingLanguageAsksForRestart();
    void profileOnCommandLine();
    void commandLineAnsweredWithoutADisplay_data();
    void commandLineAnsweredWithoutADisplay();
    void recentFilesKeepFourNewestFirst();
};

void TestStartup::plainStartShowsMainFrameWithoutProfile()
{
    CGuiWorld world;
    world.ports->Add(QStringLiteral("ttyUSB0"), QStringLiteral("BR ZQV CABLE"));
    QVERIFY(world.Start());
    CMainFrame &frame = world.Frame();
    QVERIFY(frame.isVisible());
    QCOMPARE(frame.windowTitle(), QString("ZQV CPS"));
    QVERIFY(world.prompter.History().empty());
    QVERIFY(frame.Children().isEmpty());
    QCOMPARE(MenuBarTitles(frame), (QStringList{"&File", "&Edit", "&View", "&Device", "&Help"}));
    // The cable's port is looked for once the window is on screen, and then shown in the
    // status bar's port pane.
    QCOMPARE(frame.PortPaneText(), QString());
    QTRY_COMPARE(frame.PortPaneText(), QString("ttyUSB0"));
    // The windows' icon is set then too.
    QVERIFY(!frame.windowIcon().isNull());
    // Commands that need a profile are off, the rest on.
    QVERIFY(!frame.Action(ID_FILE_SAVE)->isEnabled());
    QVERIFY(!frame.Action(ID_DEVICE_WRITE)->isEnabled());
    QVERIFY(frame.Action(ID_DEVICE_READ)->isEnabled());
    QVERIFY(frame.Action(ID_DEVICE_RESET)->isEnabled());
    QCOMPARE(frame.Action(ID_DEVICE_READ)->shortcut(), QKeySequence("Ctrl+R"));
    QCOMPARE(frame.Action(ID_DEVICE_READ)->statusTip(), QString("Read from the radio"));
    QCOMPARE(frame.Action(ID_DEVICE_READ)->toolTip(), QString("Read"));
    QCOMPARE(frame.Action(ID_APP_ABOUT)->text(), QString("&About ZQV CPS..."));
    for (const char *library : kLoadedOnFirstUse)
        QVERIFY2(!Loaded(library), library);
    // Several copies may run at once: a second application starts beside the first.
    CGuiWorld second;
    QVERIFY(second.Start());
}

void TestStartup::failuresThatEndStartUp_data()
{
    QTest::addColumn<QString>("breakage");
    QTest::addColumn<int>("message");
    QTest::addColumn<bool>("named");  // a profile named on the command line
    QTest::newRow("no default language") << "nodefault" << int(IDS_FATAL_REGISTRY_ERROR) << false;
    QTest::newRow("other region") << "region" << int(IDS_FILES_MISSING) << false;
    QTest::newRow("missing setting document") << "missing" << int(IDS_FILES_MISSING) << false;
    // The window needs no upgrade document: it is loaded once the window is on screen, or
    // before, for a profile named on the command line.
    QTest::newRow("truncated upgrade document") << "truncated" << int(IDS_FILES_MISSING) << false;
    QTest::newRow("truncated upgrade document, profile named") << "truncated" << int(IDS_FILES_MISSING) << true;
}

void TestStartup::failuresThatEndStartUp()
{
    QFETCH(QString, breakage);
    QFETCH(int, message);
    QFETCH(bool, named);
    CGuiWorld world;
    if (breakage == "nodefault")
        world.store->Remove(config::DefaultLanguage);
    else if (breakage == "region")
        world.WriteInstallFile("lib/Region.stv", RegionDoc("XYZ", "<language name=\"English\"/>"));
    else if (breakage == "truncated")
        world.WriteInstallFile("lib/UpDownGradeSetting.stv", "<?xml version=\"1.0\"?><UpDownGradeSetting xmlns=\"urn");
    else if (breakage == "missing")
        QVERIFY(QFile::remove(world.installPath + "/lib/HelpPane.stv"));
    if (breakage == "truncated" && !named) {
        QVERIFY(world.Start());
        QTRY_COMPARE(Shown(world.prompter), QStringList{LoadStr(message)});
        QVERIFY(!world.Frame().isVisible());
        QVERIFY(world.app->StartFailed());
        return;
    }
    QVERIFY(!world.Start(named ? QStringList{world.Template()} : QStringList()));
    QCOMPARE(Shown(world.prompter), QStringList{LoadStr(message)});
    QVERIFY(!world.app->MainFrame());
}

void TestStartup::missingLanguageFileContinuesInEnglish()
{
    CGuiWorld world;
    world.store->Write(config::CurrentLanguage, QStringLiteral("German"));
    QVERIFY(world.Start());
    QCOMPARE(Shown(world.prompter), QStringList{LoadStr(IDS_LANGUAGE_FILE_MISSING)});
    QCOMPARE(world.store->ReadCurrentLanguage(), QString("English"));
    QVERIFY(world.Frame().Action(ID_LANGUAGE_ENGLISH)->isChecked());
    QVERIFY(!world.Frame().Action(ID_LANGUAGE_GERMAN)->isChecked());
}

void TestStartup::startsInEachTranslatedLanguage_data()
{
    // Every built translation (<data>/translations/zqvcps_<locale>.qm) with its language.
    static const QHash<QString, QString> languages{{"fr_CA", "CaFrench"},   {"fr", "French"},
                                                   {"de", "German"},        {"pt_BR", "LaPortuguese"},
                                                   {"es_419", "LaSpanish"}, {"es", "Spanish"}};
    QTest::addColumn<QString>("qm");
    QTest::addColumn<QString>("language");
    const QDir built(QStringLiteral(ZQV_BUILD_DIR "/data/translations"));
    const QStringList files = built.entryList({QStringLiteral("zqvcps_*.qm")}, QDir::Files, QDir::Name);
    if (files.isEmpty())
        QSKIP("no translation is built");
    for (const QString &file : files) {
        const QString locale = file.mid(7, file.size() - 10);
        QVERIFY2(languages.contains(locale), qPrintable(file));
        QTest::newRow(qPrintable(locale)) << built.filePath(file) << languages[locale];
    }
}

void TestStartup::startsInEachTranslatedLanguage()
{
    QFETCH(QString, qm);
    QFETCH(QString, language);
    QTranslator expected;
    QVERIFY(expected.load(qm));
    const auto tr = [&](int id) {
        const QString text = expected.translate("StringTable", EnglishStr(id));
        return text.isEmpty() ? QString::fromUtf8(EnglishStr(id)) : text;
    };

    CGuiWorld world;
    QVERIFY(QDir(world.installPath).mkpath(QStringLiteral("translations")));
    QVERIFY(QFile::copy(qm, world.installPath + QStringLiteral("/translations/") + QFileInfo(qm).fileName()));
    world.store->Write(config::GUIResource, QStringLiteral("translations/") + QFileInfo(qm).fileName(), language);
    world.store->Write(config::CurrentLanguage, language);
    QVERIFY(world.Start());
    QVERIFY2(world.prompter.History().empty(), qPrintable(Shown(world.prompter).join('\n')));
    CMainFrame &frame = world.Frame();

    // The menu bar without a profile, its titles in the language.
    QStringList titles;
    for (const MenuSpec &menu : MenuTable())
        if (!menu.profileOnly)
            titles << tr(menu.textId);
    QCOMPARE(MenuBarTitles(frame), titles);
    QVERIFY(titles.first() != QString::fromUtf8(EnglishStr(IDS_MENU_FILE)));
    // A command's entry, its status-bar prompt and tool tip are translated; its key is kept.
    const CommandSpec *read = FindCommand(ID_DEVICE_READ);
    QCOMPARE(frame.Action(ID_DEVICE_READ)->text(), SplitMenuText(tr(read->textId)).label);
    QCOMPARE(frame.Action(ID_DEVICE_READ)->statusTip(), SplitPromptText(tr(read->promptId)).prompt);
    QCOMPARE(frame.Action(ID_DEVICE_READ)->toolTip(), SplitPromptText(tr(read->promptId)).tip);
    QCOMPARE(frame.Action(ID_DEVICE_READ)->shortcut(), QKeySequence("Ctrl+R"));
    QCOMPARE(frame.Action(ID_FILE_NEW)->shortcut(), QKeySequence("Ctrl+N"));
    QCOMPARE(frame.LanguageMenu()->title(), tr(IDS_MENU_EDIT_LANGUAGE));
    for (const LanguageEntry &lang : kLanguages)
        if (language == QLatin1String(lang.name))
            QVERIFY(frame.Action(lang.commandId)->isChecked());
    // Message boxes' standard buttons speak the language too (Qt's own catalogue is loaded).
    QVERIFY(QCoreApplication::translate("QPlatformTheme", "&Yes") != QLatin1String("&Yes"));
}

void TestStartup::languageMenuShowsSupportedLanguages()
{
    CGuiWorld world;
    world.WriteInstallFile("lib/Region.stv",
                           RegionDoc("ZQV",
                                     "<language name=\"Spanish\" displayName=\"Espa&#241;ol\"/>"
                                     "<language name=\"English\" displayName=\"English (US)\"/>"));
    QVERIFY(world.Start());
    CMainFrame &frame = world.Frame();
    QCOMPARE(LanguageEntries(frame), (QStringList{"English (US)", QString::fromUtf8("Español")}));
    QCOMPARE(frame.LanguageMenu()->title(), QString("&Language"));
    QVERIFY(frame.LanguageMenu()->menuAction()->isVisible());

    // The full installation list offers all seven, in the menu's order.
    CGuiWorld full;
    QVERIFY(full.Start());
    QCOMPARE(LanguageEntries(full.Frame()).size(), 7);
    QCOMPARE(LanguageEntries(full.Frame()).at(2), QString("English"));
}

void TestStartup::englishOnlyRemovesLanguagePopup()
{
    CGuiWorld world;
    world.WriteInstallFile("lib/Region.stv", RegionDoc("ZQV", "<language name=\"English\"/>"));
    QVERIFY(world.Start());
    QVERIFY(!world.Frame().LanguageMenu()->menuAction()->isVisible());
}

void TestStartup::choosingLanguageAsksForRestart()
{
    CGuiWorld world;
    QVERIFY(world.Start());
    CMainFrame &frame = world.Frame();
    // The current language: no message.
    frame.Action(ID_LANGUAGE_ENGLISH)->trigger();
    QVERIFY(world.prompter.History().empty());
    // Another one: stored, checked, and the restart message.
    frame.Action(ID_LANGUAGE_GERMAN)->trigger();
    QCOMPARE(Shown(world.prompter), QStringList{LoadStr(IDS_RESTART_FOR_LANGUAGE)});
    QCOMPARE(world.store->ReadCurrentLanguage(), QString("German"));
    QVERIFY(frame.Action(ID_LANGUAGE_GERMAN)->isChecked());
    QVERIFY(!frame.Action(ID_LANGUAGE_ENGLISH)->isChecked());
    // The menu texts stay English until the next start.
    QCOMPARE(frame.Action(ID_FILE_OPEN)->text(), QString("&Open..."));
}

// --help, --version and a wrong command line are answered by the program itself with no
// display to connect to (the platform is one that would need it).
void TestStartup::commandLineAnsweredWithoutADisplay_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("out");
    QTest::addColumn<QString>("err");
    QTest::newRow("--help") << QStringList{"--help"} << 0 << "Usage: zqvcps [--no-splash]" << QString();
    QTest::newRow("--version") << QStringList{"--version"} << 0 << QStringLiteral("zqvcps " ZQV_VERSION "\n")
                               << QString();
    QTest::newRow("unknown option") << QStringList{"--frobnicate", "x.zqv"} << 2 << QString()
                                    << "zqvcps: unknown option --frobnicate\nUsage: zqvcps";
    QTest::newRow("--port without its port")
        << QStringList{"--port"} << 2 << QString() << "zqvcps: option --port needs a value\nUsage:";
}

void TestStartup::commandLineAnsweredWithoutADisplay()
{
    QFETCH(QStringList, arguments);
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove("DISPLAY");
    env.remove("WAYLAND_DISPLAY");
    env.insert("QT_QPA_PLATFORM", "xcb");
    p.setProcessEnvironment(env);
    p.start(QStringLiteral(ZQV_APP), arguments);
    QVERIFY(p.waitForFinished(30000));
    const QString outText = QString::fromLocal8Bit(p.readAllStandardOutput());
    const QString errText = QString::fromLocal8Bit(p.readAllStandardError());
    QCOMPARE(p.exitStatus(), QProcess::NormalExit);
    QTEST(p.exitCode(), "exitCode");
    QFETCH(QString, out);
    QFETCH(QString, err);
    // Only what the program itself prints: the text asked for, or the error and the usage.
    QVERIFY2(out.isEmpty() ? outText.isEmpty() : outText.startsWith(out), qPrintable(outText));
    QVERIFY2(err.isEmpty() ? errText.isEmpty() : errText.startsWith(err), qPrintable(errText));
}

void TestStartup::profileOnCommandLine()
{
    CGuiWorld world;
    const QString path = world.CopyOfTemplate("mine.zqv");
    QVERIFY(world.Start({path}));
    QCOMPARE(world.Frame().Children().size(), 1);
    // The rule script's engine came with the profile.
    QVERIFY(Loaded("libQt6Qml.so"));
    QCOMPARE(world.Frame().windowTitle(), QString("ZQV CPS - [mine.zqv]"));
    QCOMPARE(MenuBarTitles(world.Frame()),
             (QStringList{"&File", "&Edit", "&View", "&Device", "&Report", "&Window", "&Help"}));
    // The recent-file list is written once the window is on screen.
    QVERIFY(world.app->RecentFiles().isEmpty());
    QTRY_COMPARE(world.app->RecentFiles(), QStringList{QFileInfo(path).absoluteFilePath()});

    // Without a script engine the program starts; a profile cannot be opened and says why.
    CGuiWorld noEngine;
    noEngine.scriptEngine = false;
    QVERIFY(noEngine.Start());
    QVERIFY(noEngine.prompter.History().empty());
    QVERIFY(!noEngine.app->OpenProfile(noEngine.CopyOfTemplate("mine.zqv")));
    QCOMPARE(Shown(noEngine.prompter), QStringList{LoadStr(IDS_VBSCRIPT_ENGINE_MISSING)});
    QVERIFY(noEngine.Frame().Children().isEmpty());

    // A file that is no profile: its message, and the start ends.
    CGuiWorld broken;
    const QString junk = broken.dir.filePath("junk.zqv");
    QFile f(junk);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("<?xml version=\"1.0\"?><ZQVProfile xmlns=\"urn:corvane:zqv-cps:profile\"/>");
    f.close();
    QVERIFY(!broken.Start({junk}));
    QCOMPARE(broken.prompter.History().size(), size_t(1));
    // The message names the file.
    QVERIFY(Shown(broken.prompter).first().startsWith(QDir::toNativeSeparators(junk) + "\n\n"));
}

void TestStartup::recentFilesKeepFourNewestFirst()
{
    CGuiWorld world;
    QVERIFY(world.Start());
    for (int i = 1; i <= 5; ++i)
        world.app->AddToRecentFiles(world.dir.filePath(QStringLiteral("p%1.zqv").arg(i)));
    const QStringList files = world.app->RecentFiles();
    QCOMPARE(files.size(), 4);
    QCOMPARE(QFileInfo(files.first()).fileName(), QString("p5.zqv"));
    QCOMPARE(QFileInfo(files.last()).fileName(), QString("p2.zqv"));
    QAction *first = world.Frame().findChild<QAction *>(QString::number(ID_FILE_MRU_FIRST));
    QVERIFY(first && first->isVisible());
    QCOMPARE(first->text(), QString("&1 p5.zqv"));
    // A recent file that has gone: removed from the list, with the system's reason.
    world.app->OnOpenRecentFile(0);
    QCOMPARE(world.app->RecentFiles().size(), 3);
    QCOMPARE(world.prompter.History().size(), size_t(1));
    QVERIFY(Shown(world.prompter).first().contains(QLatin1String("p5.zqv")));
}

QTEST_MAIN(TestStartup)
#include "tst_gui_startup.moc"
