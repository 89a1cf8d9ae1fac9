// The help files the build makes, the help pane that shows their pages for the focused
// control, and the help window of the Help command.
#include "CommandTable.h"
#include "HelpFile.h"
#include "HelpPane.h"
#include "HelpWindow.h"
#include "MenuTable.h"
#include "Prompter.h"
#include "SettingDocs.h"
#include "StringTable.h"
#include "XmlDom.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QHelpContentModel>
#include <QHelpContentWidget>
#include <QHelpEngine>
#include <QHelpIndexModel>
#include <QHelpIndexWidget>
#include <QHelpLink>
#include <QHelpSearchEngine>
#include <QKeySequence>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QProcess>
#include <QRegularExpression>
#include <QSettings>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTextDocumentFragment>
#include <QTranslator>
#include <functional>

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
        files.insert(language,
                     QDir(install).filePath(conf.value(language + QStringLiteral("/HelpFileName")).toString()));
    return files;
}

// A text of the string table as a menu or form shows it: without its accelerator, its key and
// a closing "...", and with the program's name in place of %s.
QString Shown(int id)
{
    QString text = LoadStr(id).section(QLatin1Char('\t'), 0, 0);
    text.replace(QLatin1String("&&"), QStringLiteral("\x01")).remove(QLatin1Char('&'));
    text.replace(QLatin1Char('\x01'), QLatin1Char('&')).replace(QLatin1String("%s"), QLatin1String("ZQV CPS"));
    if (text.endsWith(QLatin1String("...")))
        text.chop(3);
    return text.trimmed();
}

// What a contents or index entry for `url` should read: the page's title, or the text of the
// heading that carries the url's anchor (on itself or on an <a> inside it).
QString HeadingAt(const CHelpFile &file, const QUrl &url)
{
    const QString html = QString::fromUtf8(file.FileData(url));
    static const QRegularExpression title(QStringLiteral("<title>(.*?)</title>"),
                                          QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression heading(QStringLiteral("<h([1-6])[^>]*>.*?</h\\1>"),
                                            QRegularExpression::DotMatchesEverythingOption);
    QString text;
    if (!url.hasFragment()) {
        text = title.match(html).captured(1);
    } else {
        const QString id = QStringLiteral("id=\"%1\"").arg(url.fragment());
        for (auto m = heading.globalMatch(html); m.hasNext() && text.isEmpty();) {
            const QString match = m.next().captured(0);
            if (match.contains(id))
                text = match;
        }
    }
    return QTextDocumentFragment::fromHtml(text).toPlainText().simplified();
}

// The contents of a help window's file, depth first: each entry's title and address.
QList<QPair<QString, QUrl>> ContentsOf(QHelpEngine &engine)
{
    QList<QPair<QString, QUrl>> entries;
    QHelpContentModel *model = engine.contentModel();
    std::function<void(const QModelIndex &)> walk = [&](const QModelIndex &parent) {
        for (int row = 0; row < model->rowCount(parent); ++row) {
            const QModelIndex index = model->index(row, 0, parent);
            entries.append({index.data().toString(), model->contentItemAt(index)->url()});
            walk(index);
        }
    };
    walk(QModelIndex());
    return entries;
}

// A copy of the German pages with one change, and what the contents tool says of it.
QString RunContentsTool(const std::function<void(const QString &pagesDir)> &patch, int *exitCode)
{
    QTemporaryDir dir;
    const QString pages = dir.filePath(QStringLiteral("pages"));
    const QString source = QStringLiteral(ZQV_DATA_SOURCE_DIR "/help/pages-German");
    QDir().mkpath(pages);
    for (const QString &name : QDir(source).entryList(QDir::Files))
        QFile::copy(source + QLatin1Char('/') + name, pages + QLatin1Char('/') + name);
    patch(pages);
    QProcess tool;
    tool.start(QStringLiteral(ZQV_HELPCONTENTS),
               {QStringLiteral(ZQV_DATA_SOURCE_DIR "/help/zqvcps.qhp.in"),
                QStringLiteral(ZQV_DATA_SOURCE_DIR "/help/pages"), pages, dir.filePath(QStringLiteral("out.qhp"))});
    tool.waitForFinished();
    *exitCode = tool.exitCode();
    return QString::fromUtf8(tool.readAllStandardError());
}

void Rewrite(const QString &path, const QString &from, const QString &to)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QString text = QString::fromUtf8(file.readAll());
    file.close();
    QVERIFY2(text.contains(from), qPrintable(from));
    text.replace(from, to);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(text.toUtf8());
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
                    QVERIFY2(html.contains("name=\"" + url.fragment().toUtf8() + '"'),
                             qPrintable(it.key() + ": " + page));
            }
        }
    }

    // Each language's help window lists the same contents as the English one, each entry
    // titled as the page it opens (in that file's language), and its index names each page
    // as that page's heading or by a term of the language's index-terms.txt.
    void contentsAndIndexInTheFilesLanguage_data()
    {
        QTest::addColumn<QString>("language");
        for (const QString &language : BuiltHelpFiles().keys())
            QTest::newRow(qPrintable(language)) << language;
    }
    void contentsAndIndexInTheFilesLanguage()
    {
        QFETCH(QString, language);
        const bool isEnglish = language == QLatin1String("English");
        CScriptedPrompter prompter;
        QWidget owner;
        const QMap<QString, QString> files = BuiltHelpFiles();
        CHelpWindow *english = CHelpWindow::ShowHelp(files.value(QStringLiteral("English")), prompter, &owner);
        CHelpWindow *window = CHelpWindow::ShowHelp(files.value(language), prompter, &owner);
        QVERIFY(english && window);
        QTRY_VERIFY(!english->Engine().contentModel()->isCreatingContents() &&
                    english->Engine().contentModel()->rowCount() > 0);
        QTRY_VERIFY(!window->Engine().contentModel()->isCreatingContents() &&
                    window->Engine().contentModel()->rowCount() > 0);
        const auto file = CHelpFile::Open(files.value(language));

        const auto englishContents = ContentsOf(english->Engine());
        const auto contents = ContentsOf(window->Engine());
        QCOMPARE(contents.size(), englishContents.size());
        QVERIFY(contents.size() > 150);
        int differ = 0;
        for (int i = 0; i < contents.size(); ++i) {
            QCOMPARE(contents[i].second.path() + contents[i].second.fragment(),
                     englishContents[i].second.path() + englishContents[i].second.fragment());
            QCOMPARE(contents[i].first, HeadingAt(*file, contents[i].second));
            differ += contents[i].first != englishContents[i].first;
        }
        if (!isEnglish)
            QVERIFY2(differ > contents.size() * 9 / 10, qPrintable(QString::number(differ)));

        // The index synonyms: the English ones are the left column of any language's list.
        QSet<QString> terms;
        QFile termsFile(QStringLiteral(ZQV_DATA_SOURCE_DIR "/help/pages-%1/index-terms.txt")
                            .arg(isEnglish ? QStringLiteral("German") : language));
        QVERIFY(termsFile.open(QIODevice::ReadOnly));
        for (const QString &line : QString::fromUtf8(termsFile.readAll()).split(QLatin1Char('\n')))
            if (!line.startsWith(QLatin1Char('#')) && line.contains(QLatin1Char('\t')))
                terms.insert(line.section(QLatin1Char('\t'), isEnglish ? 0 : 1, isEnglish ? 0 : 1));
        QHelpIndexModel *index = window->Engine().indexModel();
        QTRY_VERIFY(!index->isCreatingIndex() && index->rowCount() > 100);
        for (int row = 0; row < index->rowCount(); ++row) {
            const QString keyword = index->index(row, 0).data().toString();
            const QList<QHelpLink> links = window->Engine().documentsForKeyword(keyword);
            QVERIFY2(!links.isEmpty(), qPrintable(keyword));
            for (const QHelpLink &link : links)
                QVERIFY2(terms.contains(keyword) || keyword == HeadingAt(*file, link.url),
                         qPrintable(keyword + QStringLiteral(" -> ") + link.url.toString()));
        }
    }

    // In every language a help topic is headed with the words of the form control or the menu
    // command it explains, as that language's translation shows them ("Menu > Command").
    void helpHeadingsUseTheProgramsWords_data()
    {
        QTest::addColumn<QString>("language");
        for (const QString &language : BuiltHelpFiles().keys())
            QTest::newRow(qPrintable(language)) << language;
    }
    void helpHeadingsUseTheProgramsWords()
    {
        QFETCH(QString, language);
        QSettings conf(QStringLiteral(ZQV_BUILD_SYSTEM_CONFIG), QSettings::IniFormat);
        const QString resource = conf.value(QStringLiteral("Language/%1/GUIResource").arg(language)).toString();
        QTranslator translator;
        if (language != QLatin1String("English")) {
            QVERIFY(translator.load(QDir(conf.value(QStringLiteral("InstallPath")).toString()).filePath(resource)));
            QCoreApplication::installTranslator(&translator);
        }
        const auto file = CHelpFile::Open(BuiltHelpFiles().value(language));
        static const struct {
            const char *page;
            std::initializer_list<int> ids;
        } kTerms[] = {
            {"privates.htm#add", {IDS_ADD_PRIVATES}},
            {"privates.htm#add_scanner", {IDS_ADD_PRIVATES_WITH_SCANNER}},
            {"private.htm#id", {IDS_ID}},
            {"private.htm#read_pid", {IDS_READ_PID_BUTTON}},
            {"private.htm#group_only", {IDS_GROUP_ONLY}},
            {"private.htm#home_group", {IDS_HOME_GROUP}},
            {"private.htm#ringer", {IDS_RINGER}},
            {"private.htm#delete", {IDS_DELETE_CURRENT_CONTACT}},
            {"private.htm#add", {IDS_ADD_PRIVATES}},
            {"scanchannel.htm#available", {IDS_ALL_PUBLIC_GROUPS}},
            {"scanchannel.htm#list", {IDS_SCAN_LIST}},
            {"scrolllist.htm#available", {IDS_AVAILABLE_CONTACTS}},
            {"scanlist.htm#scan_mode", {IDS_SCAN_MODE}},
            {"dlg_readpid.htm", {IDS_READ_PID_TITLE}},
            {"dlg_preference.htm", {IDS_MENU_EDIT_PREFERENCE}},
            {"cmd_file_new.htm", {IDS_MENU_FILE, IDS_MENU_FILE_NEW}},
            {"cmd_file_open.htm", {IDS_MENU_FILE, IDS_MENU_FILE_OPEN}},
            {"cmd_file_close.htm", {IDS_MENU_FILE, IDS_MENU_FILE_CLOSE}},
            {"cmd_file_save.htm", {IDS_MENU_FILE, IDS_MENU_FILE_SAVE}},
            {"cmd_file_save_as.htm", {IDS_MENU_FILE, IDS_MENU_FILE_SAVE_AS}},
            {"cmd_file_recent.htm", {IDS_MENU_FILE, IDS_MENU_FILE_RECENT}},
            {"cmd_file_exit.htm", {IDS_MENU_FILE, IDS_MENU_FILE_EXIT}},
            {"cmd_edit_add.htm", {IDS_MENU_EDIT, IDS_MENU_EDIT_ADD}},
            {"cmd_edit_scan_add.htm", {IDS_MENU_EDIT, IDS_MENU_EDIT_SCAN_ADD}},
            {"cmd_edit_cut.htm", {IDS_MENU_EDIT, IDS_MENU_EDIT_CUT}},
            {"cmd_edit_copy.htm", {IDS_MENU_EDIT, IDS_MENU_EDIT_COPY}},
            {"cmd_edit_paste.htm", {IDS_MENU_EDIT, IDS_MENU_EDIT_PASTE}},
            {"cmd_edit_delete.htm", {IDS_MENU_EDIT, IDS_MENU_EDIT_DELETE}},
            {"cmd_edit_rename.htm", {IDS_MENU_EDIT, IDS_MENU_EDIT_RENAME}},
            {"cmd_edit_dealer_info.htm", {IDS_MENU_EDIT, IDS_MENU_EDIT_DEALER_INFO}},
            {"cmd_edit_preference.htm", {IDS_MENU_EDIT, IDS_MENU_EDIT_PREFERENCE}},
            {"cmd_edit_language.htm", {IDS_MENU_EDIT, IDS_MENU_EDIT_LANGUAGE}},
            {"cmd_view_toolbar.htm", {IDS_MENU_VIEW, IDS_MENU_VIEW_TOOLBAR}},
            {"cmd_view_status_bar.htm", {IDS_MENU_VIEW, IDS_MENU_VIEW_STATUS_BAR}},
            {"cmd_view_help_pane.htm", {IDS_MENU_VIEW, IDS_MENU_VIEW_HELP_PANE}},
            {"cmd_view_problems.htm", {IDS_MENU_VIEW, IDS_MENU_VIEW_PROBLEMS}},
            {"cmd_view_filter.htm", {IDS_MENU_VIEW, IDS_MENU_VIEW_FILTER}},
            {"cmd_radio_read.htm", {IDS_MENU_DEVICE, IDS_MENU_DEVICE_READ}},
            {"cmd_radio_write.htm", {IDS_MENU_DEVICE, IDS_MENU_DEVICE_WRITE}},
            {"cmd_radio_reset.htm", {IDS_MENU_DEVICE, IDS_MENU_DEVICE_RESET}},
            {"cmd_radio_restore.htm", {IDS_MENU_DEVICE, IDS_MENU_DEVICE_RESTORE}},
            {"cmd_report.htm", {IDS_MENU_REPORT}},
            {"cmd_window_cascade.htm", {IDS_MENU_WINDOW, IDS_MENU_WINDOW_CASCADE}},
            {"cmd_window_tile.htm", {IDS_MENU_WINDOW, IDS_MENU_WINDOW_TILE}},
            {"cmd_help_contents.htm", {IDS_MENU_HELP, IDS_MENU_HELP_CONTENTS}},
            {"cmd_help_about.htm", {IDS_MENU_HELP, IDS_MENU_HELP_ABOUT}},
        };
        QStringList wrong;
        for (const auto &term : kTerms) {
            QStringList words;
            for (int id : term.ids)
                words << Shown(id);
            const QString page = QString::fromLatin1(term.page);
            const QString heading = HeadingAt(*file, file->PageUrl(page));
            if (heading != words.join(QLatin1String(" > ")))
                wrong << page + QStringLiteral(": \"") + heading + QStringLiteral("\", the program says \"") +
                        words.join(QLatin1String(" > ")) + QLatin1Char('"');
        }
        QCoreApplication::removeTranslator(&translator);
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(QLatin1Char('\n'))));
    }

    // The build refuses a translated help whose contents it cannot translate: a heading gone
    // from a page, an index synonym without its translation, a stale translation.
    void contentsToolRefusesWhatItCannotTranslate_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");
        QTest::addColumn<QString>("message");
        QTest::newRow("heading gone") << "settings.htm"
                                      << "<a name=\"contrast\" id=\"contrast\"></a>"
                                      << ""
                                      << "settings.htm#contrast: no heading at this anchor";
        QTest::newRow("empty title") << "privates.htm"
                                     << "<title>Privatkontakte</title>"
                                     << "<title></title>"
                                     << "privates.htm: the page has no title";
        QTest::newRow("synonym untranslated") << "index-terms.txt"
                                              << "Print\tDrucken\n"
                                              << ""
                                              << "index keyword \"Print\" (dlg_report.htm)";
        QTest::newRow("stale synonym") << "index-terms.txt"
                                       << "PDF\tPDF\n"
                                       << "PDF\tPDF\nSpool\tWarteschlange\n"
                                       << "\"Spool\" is no index keyword";
        QTest::newRow("no change") << ""
                                   << ""
                                   << ""
                                   << "";
    }
    void contentsToolRefusesWhatItCannotTranslate()
    {
        QFETCH(QString, file);
        QFETCH(QString, from);
        QFETCH(QString, to);
        QFETCH(QString, message);
        int exitCode = -1;
        const QString errors = RunContentsTool(
            [&](const QString &pages) {
                if (!file.isEmpty())
                    Rewrite(pages + QLatin1Char('/') + file, from, to);
            },
            &exitCode);
        QCOMPARE(exitCode, message.isEmpty() ? 0 : 1);
        QVERIFY2(errors.contains(message), qPrintable(errors));
    }

    // The keyboard page of every language lists every key of every menu command, named as
    // that language's menus show key and command, and no key that no command has.
    void keyboardPageListsEveryShortcut_data()
    {
        QTest::addColumn<QString>("language");
        for (const QString &language : BuiltHelpFiles().keys())
            QTest::newRow(qPrintable(language)) << language;
    }
    void keyboardPageListsEveryShortcut()
    {
        QFETCH(QString, language);
        QSettings conf(QStringLiteral(ZQV_BUILD_SYSTEM_CONFIG), QSettings::IniFormat);
        const QString resource = conf.value(QStringLiteral("Language/%1/GUIResource").arg(language)).toString();
        QTranslator translator;
        QTranslator qtTranslator;
        if (language != QLatin1String("English")) {
            QVERIFY(translator.load(QDir(conf.value(QStringLiteral("InstallPath")).toString()).filePath(resource)));
            QVERIFY(qtTranslator.load(QLocale(translator.language()), QStringLiteral("qtbase"), QStringLiteral("_"),
                                      QLibraryInfo::path(QLibraryInfo::TranslationsPath)));
            QCoreApplication::installTranslator(&translator);
            QCoreApplication::installTranslator(&qtTranslator);
        }
        QStringList expected;
        for (const MenuSpec &menu : MenuTable())
            for (const MenuEntrySpec &entry : menu.entries)
                if (const CommandSpec *spec =
                        entry.kind == MenuEntryKind::Command ? FindCommand(entry.commandId) : nullptr)
                    for (const QKeySequence &key : CommandShortcuts(*spec))
                        expected << key.toString(QKeySequence::NativeText) + QStringLiteral(" | ") +
                                (menu.textId ? Shown(menu.textId) + QStringLiteral(" > ") : QString()) +
                                Shown(spec->textId);
        QCoreApplication::removeTranslator(&qtTranslator);
        QCoreApplication::removeTranslator(&translator);
        QVERIFY(expected.size() >= 17);

        const auto file = CHelpFile::Open(BuiltHelpFiles().value(language));
        const QString html = QString::fromUtf8(file->FileData(file->PageUrl(QStringLiteral("keyboard.htm"))));
        static const QRegularExpression row(QStringLiteral("<tr><td>(.*?)</td><td>(.*?)</td></tr>"));
        QStringList listed;
        for (auto m = row.globalMatch(html); m.hasNext();) {
            const QRegularExpressionMatch match = m.next();
            listed << QTextDocumentFragment::fromHtml(match.captured(1)).toPlainText() + QStringLiteral(" | ") +
                    QTextDocumentFragment::fromHtml(match.captured(2)).toPlainText();
        }
        expected.sort();
        listed.sort();
        QCOMPARE(listed, expected);
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
        CHelpWindow *window =
            CHelpWindow::ShowHelp(BuiltHelpFiles().value(QStringLiteral("English")), prompter, &owner);
        QVERIFY(window);
        QVERIFY(prompter.History().empty());
        QCOMPARE(window->windowTitle(), QStringLiteral("ZQV CPS Help"));
        QCOMPARE(window->Sidebar()->count(), 3);
        // All of it on the screen's free area, whatever the screen's size.
        QVERIFY(window->screen()->availableGeometry().contains(window->frameGeometry()));
        QHelpEngine &engine = window->Engine();
        QTRY_VERIFY(engine.contentModel()->rowCount() > 0);
        QTRY_VERIFY(engine.indexModel()->rowCount() > 0);
        QVERIFY(!engine.indexModel()
                     ->match(engine.indexModel()->index(0, 0), Qt::DisplayRole, QStringLiteral("Codeplug Password"), 1,
                             Qt::MatchExactly)
                     .isEmpty());
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

    // The index's look-for field (here in German): typing narrows the index to the keywords
    // that contain the text, in any case, and selects the one that starts with it; the arrow
    // keys move through the index while the typing goes on; Enter opens the selected topic; a
    // pattern with "*" matches as a wildcard.
    void indexLookForFindsAndOpensATopic()
    {
        CScriptedPrompter prompter;
        QWidget owner;
        CHelpWindow *window = CHelpWindow::ShowHelp(BuiltHelpFiles().value(QStringLiteral("German")), prompter, &owner);
        QVERIFY(window);
        QHelpIndexModel *model = window->Engine().indexModel();
        QHelpIndexWidget *index = window->Engine().indexWidget();
        QLineEdit *lookFor = window->IndexLookFor();
        QTRY_VERIFY(!model->isCreatingIndex() && model->rowCount() > 100);
        const int all = model->rowCount();

        QTest::keyClicks(lookFor, QStringLiteral("nur gr"));
        QVERIFY(model->rowCount() > 0 && model->rowCount() < all);
        for (int row = 0; row < model->rowCount(); ++row)
            QVERIFY(model->index(row, 0).data().toString().contains(QLatin1String("nur gr"), Qt::CaseInsensitive));
        QCOMPARE(index->currentIndex().data().toString(), QStringLiteral("Nur Gruppe"));
        QTest::keyClick(lookFor, Qt::Key_Return);
        QTRY_COMPARE(window->Browser()->source().fileName(), QStringLiteral("private.htm"));
        QCOMPARE(window->Browser()->source().fragment(), QStringLiteral("group_only"));

        lookFor->clear();
        QCOMPARE(model->rowCount(), all);
        QTest::keyClicks(lookFor, QStringLiteral("Kanal"));
        const QString first = index->currentIndex().data().toString();
        QVERIFY(first.startsWith(QLatin1String("Kanal")));
        QTest::keyClick(lookFor, Qt::Key_Down);
        QVERIFY(index->currentIndex().data().toString() != first);
        QCOMPARE(lookFor->text(), QStringLiteral("Kanal"));

        lookFor->setText(QStringLiteral("*fehler*verbindung*"));
        QVERIFY(model->rowCount() > 0 && model->rowCount() < all);
        for (int row = 0; row < model->rowCount(); ++row)
            QVERIFY(model->index(row, 0).data().toString().contains(QLatin1String("Verbindung"), Qt::CaseInsensitive));
    }
};

QTEST_MAIN(TestHelp)
#include "tst_help.moc"
