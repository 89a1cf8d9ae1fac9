// The help files the build makes, the help pane that shows their pages for the focused
// control, and the help window of the Help command.
#include "HelpFile.h"
#include "HelpPane.h"
#include "HelpWindow.h"
#include "Prompter.h"
#include "SettingDocs.h"
#include "StringTable.h"
#include "XmlDom.h"

#include <QDir>
#include <QFile>
#include <QHelpContentWidget>
#include <QHelpEngine>
#include <QHelpIndexModel>
#include <QHelpSearchEngine>
#include <QSettings>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTest>
#include <QTextBrowser>

using namespace zqv;

namespace {

// The help files of the build tree, by language, as the build's configuration names them.
QMap<QString, QString> BuiltHelpFiles()
{
    QMap<QString, QString> files;
    QSettings conf(QStringLiteral(ZQV_BUILD_SYSTEM_CONFIG), QSettings::IniFormat);
    const QString install = conf.value(QStringLiteral("InstallPath")).toString();
    conf.beginGroup(QStringLiteral("Language"));
    for (const QString &language : conf.childGroups())
        files.insert(language, QDir(install).filePath(conf.value(language + QStringLiteral("/HelpFileName")).toString()));
    return files;
}

}  // namespace

class TestHelp : public QObject {
    Q_OBJECT

private slots:
    // Every page the help-pane map names is in the help file of every language, anchor and all.
    void everyMapEntryResolves()
    {
        CScriptedPrompter prompter;
        auto map = LoadSettingDoc(QStringLiteral(ZQV_DATA_SOURCE_DIR), QLatin1String(kHelpPaneDocName), prompter);
        QVERIFY(map);
        QStringList pages;
        for (xmlNodePtr node : map->Select(nullptr, QStringLiteral("//dfns:map")))
            pages << GetAttr(node, "pageName");
        QVERIFY(pages.size() > 150);
        pages.removeDuplicates();

        const QMap<QString, QString> files = BuiltHelpFiles();
        QCOMPARE(files.size(), 7);  // every language the Language menu offers
        for (auto it = files.cbegin(); it != files.cend(); ++it) {
            const auto file = CHelpFile::Open(it.value());
            QVERIFY2(file->IsOpen(), qPrintable(it.value()));
            for (const QString &page : pages) {
                const QUrl url = file->PageUrl(page);
                QVERIFY2(url.isValid(), qPrintable(it.key() + ": " + page));
                const QByteArray html = file->FileData(url);
                QVERIFY2(!html.isEmpty(), qPrintable(it.key() + ": " + page));
                if (url.hasFragment())
                    QVERIFY2(html.contains("name=\"" + url.fragment().toUtf8() + '"'), qPrintable(it.key() + ": " + page));
            }
        }
    }

    // The pane: the page of the focused control, the compiled-help address with blanks as %20,
    // no reload for the same address, blank for a control without a page, for a page the file
    // lacks and for a missing file.
    void paneFollowsTheFocusedControl()
    {
        CScriptedPrompter prompter;
        auto map = LoadSettingDoc(QStringLiteral(ZQV_DATA_SOURCE_DIR), QLatin1String(kHelpPaneDocName), prompter);
        QVERIFY(map);
        QTemporaryDir dir;
        QVERIFY(QDir().mkpath(dir.filePath(QStringLiteral("help files"))));
        const QString path = dir.filePath(QStringLiteral("help files/zqv cps.qch"));
        QVERIFY(QFile::copy(BuiltHelpFiles().value(QStringLiteral("English")), path));
        QString extraPage;
        const auto lookup = [&](const QString &section, int id) {
            return id == 1 ? extraPage : GetHelpPageName(*map, section, id);
        };
        CHelpView pane(lookup, path);
        QCOMPARE(pane.Location(), QStringLiteral("about:blank"));

        pane.ShowControlHelp(QStringLiteral("CSettingsView"), 1201);
        QString expected = QStringLiteral("mk:@MSITStore:") + path + QStringLiteral("::settings.htm#vibracall");
        expected.replace(QLatin1Char(' '), QLatin1String("%20"));
        QCOMPARE(pane.Location(), expected);
        QVERIFY(!pane.Location().contains(QLatin1Char(' ')));
        QVERIFY(pane.toPlainText().contains(QLatin1String("vibrates")));
        const int navigations = pane.NavigationCount();

        // The same control again, and another control of the same topic: no reload.
        pane.ShowControlHelp(QStringLiteral("CSettingsView"), 1201);
        QCOMPARE(pane.NavigationCount(), navigations);
        pane.ShowControlHelp(QStringLiteral("CSettingsView"), 1203);
        pane.ShowControlHelp(QStringLiteral("CSettingsView"), 1204);
        QCOMPARE(pane.NavigationCount(), navigations + 1);
        QVERIFY(pane.Location().endsWith(QLatin1String("settings.htm#contrast")));

        // Another form's page.
        pane.ShowControlHelp(QStringLiteral("CPublicGroupView"), 1522);
        QVERIFY(pane.Location().endsWith(QLatin1String("::publicgroup.htm#name")));
        QVERIFY(pane.toPlainText().contains(QLatin1String("One public group")));

        // No map entry: blank.
        pane.ShowControlHelp(QStringLiteral("CSettingsView"), 9999);
        QCOMPARE(pane.Location(), QStringLiteral("about:blank"));
        QVERIFY(pane.toPlainText().isEmpty());

        // A page the help file does not have: blank after the failed navigation.
        extraPage = QStringLiteral("nosuchpage.htm");
        pane.ShowControlHelp(QStringLiteral("CSettingsView"), 1201);
        pane.ShowControlHelp(QStringLiteral("CSettingsView"), 1);
        QCOMPARE(pane.Location(), QStringLiteral("about:blank"));
        QVERIFY(pane.toPlainText().isEmpty());

        // A missing help file: the same.
        CHelpView missing(lookup, dir.filePath(QStringLiteral("help files/gone.qch")));
        missing.ShowControlHelp(QStringLiteral("CSettingsView"), 1201);
        QCOMPARE(missing.Location(), QStringLiteral("about:blank"));
        QVERIFY(missing.toPlainText().isEmpty());
    }

    // The Help command's window: the start page with contents, index and search.
    void helpWindowHasContentsIndexAndSearch()
    {
        CScriptedPrompter prompter;
        QWidget owner;
        CHelpWindow *window = CHelpWindow::ShowHelp(BuiltHelpFiles().value(QStringLiteral("English")), prompter, &owner);
        QVERIFY(window);
        QVERIFY(prompter.History().empty());
        QCOMPARE(window->windowTitle(), QStringLiteral("ZQV CPS Help"));
        QCOMPARE(window->Sidebar()->count(), 3);
        QHelpEngine &engine = window->Engine();
        QTRY_VERIFY(engine.contentModel()->rowCount() > 0);
        QTRY_VERIFY(engine.indexModel()->rowCount() > 0);
        QVERIFY(!engine.indexModel()->match(engine.indexModel()->index(0, 0), Qt::DisplayRole,
                                            QStringLiteral("Codeplug Password"), 1, Qt::MatchExactly).isEmpty());
        // Search: once indexed, a word from the troubleshooting page finds it.
        QHelpSearchEngine *search = engine.searchEngine();
        // The window indexes the file in the background; a search before that finds nothing.
        QSignalSpy searched(search, &QHelpSearchEngine::searchingFinished);
        QElapsedTimer timer;
        timer.start();
        while (search->searchResultCount() == 0 && timer.elapsed() < 20000) {
            searched.clear();
            search->search(QStringLiteral("busy"));
            QVERIFY(searched.wait(5000));
            if (search->searchResultCount() == 0)
                QTest::qWait(100);
        }
        QVERIFY(search->searchResultCount() > 0);
        bool found = false;
        for (const QHelpSearchResult &result : search->searchResults(0, search->searchResultCount()))
            found = found || result.url().fileName() == QLatin1String("troubleshooting.htm");
        QVERIFY(found);
    }
};

QTEST_MAIN(TestHelp)
#include "tst_help.moc"
