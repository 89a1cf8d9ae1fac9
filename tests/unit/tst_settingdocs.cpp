// Setting documents: both file encodings, scrambling, loading with its failure paths, the
// region and help-pane look-ups, and the shipped documents against the form views' controls.
#include "ControlIds.h"
#include "SettingDocs.h"
#include "ShellFixture.h"
#include "StringIds.h"
#include "TextFile.h"
#include "ZQVCPSException.h"

#include <QElapsedTimer>
#include <QTest>
#include <csignal>
#include <set>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace zqv;

namespace {

// The process's address space (VmSize), in kB.
qint64 VirtualMemoryKb()
{
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : f.readAll().split('\n'))
        if (line.startsWith("VmSize:"))
            return line.mid(7).trimmed().split(' ').first().toLongLong();
    return -1;
}

const QString kPlainRegion = QStringLiteral(
    "<?xml version=\"1.0\"?><RegionSetting xmlns=\"urn:corvane:zqv-cps:profile\"><Region name=\"ZQV\"/>"
    "<SupportLanguages><!-- comment --><language name=\"English\" displayName=\"English\"/>"
    "<language name=\"Spanish\"/><language name=\"O'Brien\" displayName=\"Irish \u00C9ire\"/></SupportLanguages>"
    "</RegionSetting>");

std::shared_ptr<CXmlDocument> ParseOrFail(const QString &text)
{
    auto doc = CXmlDocument::Parse(text);
    if (!doc)
        qFatal("test document does not parse");
    return doc;
}

QByteArray ShippedFile(const char *name)
{
    QFile file(QStringLiteral(ZQV_DATA_SOURCE_DIR "/lib/") + QLatin1String(name));
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

}  // namespace

class TestSettingDocs : public QObject {
    Q_OBJECT
private slots:
    void readTextFileDetectsEncoding_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("mode");
        QTest::newRow("utf-16 without its mark")
            << QByteArray("\xFF\xFE<\0a\0\xAC\x20", 8) << QStringLiteral("<a\u20AC") << 0;
        QTest::newRow("utf-16, odd last byte dropped") << QByteArray("\xFF\xFEx\0y", 5) << QStringLiteral("x") << 0;
        QTest::newRow("only the mark") << QByteArray("\xFF\xFE", 2) << QString() << 0;
        QTest::newRow("cp1252 high half")
            << QByteArray("\x80\xE9\x9F\x81", 4) << QStringLiteral("\u20AC\u00E9\u0178\u0081") << 1;
        QTest::newRow("utf-16 big-endian is single-byte text")
            << QByteArray("\xFE\xFF\0a", 4) << QStringLiteral("\u00FE\u00FF\u0000a") << 1;
        // Plain XML: UTF-8 when it is valid UTF-8 (kept as UTF-16 when saved, unless ASCII)
        QTest::newRow("plain ascii") << QByteArray("<?xml ?><a/>") << QStringLiteral("<?xml ?><a/>") << 1;
        QTest::newRow("plain utf-8") << QByteArray("<?xml ?><a n=\"Ren\xC3\xA9"
                                                   "e \xE2\x82\xAC\"/>")
                                     << QStringLiteral("<?xml ?><a n=\"Ren\u00E9"
                                                       "e \u20AC\"/>")
                                     << 0;
        QTest::newRow("plain utf-8 with mark")
            << QByteArray("\xEF\xBB\xBF<?XML ?><a/>") << QStringLiteral("<?XML ?><a/>") << 0;
        QTest::newRow("plain cp1252") << QByteArray("<?xml ?><a n=\"Ren\xE9"
                                                    "e\"/>")
                                      << QStringLiteral("<?xml ?><a n=\"Ren\u00E9"
                                                        "e\"/>")
                                      << 1;
        QTest::newRow("plain cp1252 with mark")
            << QByteArray("\xEF\xBB\xBF<?xml ?>\xE9") << QStringLiteral("<?xml ?>\u00E9") << 1;
        QTest::newRow("not plain: no utf-8")
            << QByteArray("<a>\xC3\xA9</a>") << QStringLiteral("<a>\u00C3\u00A9</a>") << 1;
    }
    void readTextFileDetectsEncoding()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, text);
        QFETCH(int, mode);
        QTemporaryDir dir;
        QFile file(dir.filePath("f.stv"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        file.close();
        int got = -1;
        QCOMPARE(ReadTextFile(file.fileName(), &got), text);
        QCOMPARE(got, mode);
    }

    void readTextFileRefusesMissingAndOversizedFiles()
    {
        QTemporaryDir dir;
        int mode = -1;
        QCOMPARE(ReadTextFile(dir.filePath("missing.stv"), &mode), QString());
        QCOMPARE(mode, 0);
        QCOMPARE(ReadTextFile(dir.path(), &mode), QString());  // a folder
        QFile file(dir.filePath("big.stv"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray(101, 'x'));
        file.close();
        TextFileStatus status = TextFileStatus::Ok;
        QCOMPARE(ReadTextFile(file.fileName(), &mode, 100, &status), QString());
        QCOMPARE(status, TextFileStatus::TooLarge);
        QCOMPARE(ReadTextFile(file.fileName(), &mode, 101, &status).size(), 101);
        QCOMPARE(status, TextFileStatus::Ok);
        // A small file under the default limit needs no more memory than its size: read in a
        // child whose address space has 16 MB to spare, far less than the limit.
        const pid_t child = fork();
        if (child == 0) {
            rlimit limit{};
            limit.rlim_cur = limit.rlim_max = rlim_t(VirtualMemoryKb() + 16 * 1024) * 1024;
            setrlimit(RLIMIT_AS, &limit);
            // Out of memory is an exit code, not the test framework's crash report; and the
            // child never outlives the test.
            for (int sig : {SIGABRT, SIGSEGV, SIGBUS})
                signal(sig, SIG_DFL);
            alarm(30);
            int code = 1;
            try {
                code = ReadTextFile(file.fileName(), &mode).size() == 101 ? 0 : 1;
            } catch (...) {
                code = 2;
            }
            _exit(code);
        }
        int exitStatus = -1;
        QCOMPARE(waitpid(child, &exitStatus, 0), child);
        QVERIFY2(WIFEXITED(exitStatus) && WEXITSTATUS(exitStatus) == 0, "the read ran out of address space");
        // A FIFO is never opened: opening it would wait for a writer.
        const QString fifo = dir.filePath("fifo.stv");
        QCOMPARE(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        QCOMPARE(ReadTextFile(fifo, &mode, 100, &status), QString());
        QCOMPARE(status, TextFileStatus::NotRegularFile);
    }

    void scramblingIsItsOwnInverse_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("mode");
        const QString key = QString(QChar(char16_t(kScrambleKey)));
        for (int mode : {0, 1}) {
            const char *m = mode ? "cp1252" : "utf-16";
            QTest::addRow("%s xml", m) << QStringLiteral("<?xml version=\"1.0\"?><a b=\"c\"/>") << mode;
            QTest::addRow("%s the key itself", m) << (QStringLiteral("a") + key + QStringLiteral("b")) << mode;
            QTest::addRow("%s cp1252 specials", m) << QStringLiteral("\u20AC\u2122\u0081\u00FF\u00E9") << mode;
        }
        QTest::newRow("utf-16 beyond latin-1") << QStringLiteral("\u4E2D\U0001F600") << 0;
    }
    void scramblingIsItsOwnInverse()
    {
        QFETCH(QString, text);
        QFETCH(int, mode);
        QString scrambled = text;
        ScrambleText(scrambled, mode);
        QVERIFY(scrambled != text);
        QString back = scrambled;
        ScrambleText(back, mode);
        QCOMPARE(back, text);
        // The text survives the trip through a file of its encoding.
        QTemporaryDir dir;
        QFile file(dir.filePath("s.stv"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(EncodeTextFile(scrambled, mode));
        file.close();
        int got = -1;
        QCOMPARE(ReadTextFile(file.fileName(), &got), scrambled);
        QCOMPARE(got, mode);
    }

    void scramblingWorksOnBytesOrUnits()
    {
        const QString key = QString(QChar(char16_t(kScrambleKey)));
        // UTF-16: the key character stays; others have their low byte flipped.
        QString text = key + QStringLiteral("A\u0141");
        ScrambleText(text, 0);
        QCOMPARE(text, key + QChar(char16_t('A' ^ kScrambleKey)) + QChar(char16_t(0x0141 ^ kScrambleKey)));
        // Single byte: "\u20AC" is byte 0x80 in the code page, and flipping works on that byte.
        QString euro = QStringLiteral("\u20AC");
        ScrambleText(euro, 1);
        QCOMPARE(EncodeCp1252(euro), QByteArray(1, char(0x80 ^ kScrambleKey)));
        // Scrambled XML never looks like plain XML.
        QString xml = QStringLiteral("<?xml version=\"1.0\"?>");
        for (int mode : {0, 1}) {
            QString s = xml;
            ScrambleText(s, mode);
            for (QChar c : s)
                QVERIFY(c.unicode() > 0x7F);
        }
    }

    void scrambledDocumentsLoadLikePlainOnes_data()
    {
        QTest::addColumn<int>("mode");
        QTest::newRow("utf-16") << 0;
        QTest::newRow("cp1252") << 1;
    }
    void scrambledDocumentsLoadLikePlainOnes()
    {
        QFETCH(int, mode);
        CShellFixture fx;
        QString text = kPlainRegion;
        ScrambleText(text, mode);
        fx.WriteLib("Region.stv", EncodeTextFile(text, mode));
        auto doc = LoadSettingDoc(fx.InstallPath(), "Region.stv", fx.Prompter());
        QVERIFY(doc);
        QVERIFY(fx.Shown().isEmpty());
        QCOMPARE(GetSupportLanguages(*doc), QStringList({"English", "Spanish", "O'Brien"}));
        QCOMPARE(GetLanguageDisplayName(*doc, "O'Brien"), QStringLiteral("Irish \u00C9ire"));
    }

    void plainDeclarationIsMatchedWithoutCase()
    {
        CShellFixture fx;
        fx.WriteLib("Region.stv", EncodeTextFile(QStringLiteral("<?XmL") + kPlainRegion.mid(5), 1));
        auto doc = LoadSettingDoc(fx.InstallPath(), "Region.stv", fx.Prompter());
        QVERIFY(doc);
        QCOMPARE(GetRegion(*doc), QStringLiteral("ZQV"));
        QVERIFY(fx.Shown().isEmpty());
    }

    void badDocumentsShowMessage222_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        const QByteArray plain = kPlainRegion.toUtf8();
        QTest::newRow("empty file") << QByteArray();
        QTest::newRow("truncated") << plain.left(plain.size() / 2);
        QTest::newRow("not xml") << QByteArray("Region=ZQV\nLanguages=English\n");
        QTest::newRow("binary") << QByteArray("\x00\x01\x02\xA5\xFF\x10", 6);
        QTest::newRow("utf-16 big-endian")
            << (QByteArray("\xFE\xFF", 2) +
                QByteArray::fromRawData(reinterpret_cast<const char *>(kPlainRegion.utf16()), kPlainRegion.size() * 2));
        QTest::newRow("utf-16 without its mark")
            << QByteArray::fromRawData(reinterpret_cast<const char *>(kPlainRegion.utf16()), kPlainRegion.size() * 2);
        QTest::newRow("document type") << QByteArray("<?xml version='1.0'?><!DOCTYPE r [<!ENTITY e 'x'>]><r>&e;</r>");
        QTest::newRow("40,000 attributes on one element (430 KB)") << [&] {
            QByteArray crowded = plain;
            QByteArray extra;
            for (int i = 0; i < 40000; ++i)
                extra += " a" + QByteArray::number(i) + "=\"1\"";
            return crowded.insert(crowded.indexOf("<Region ") + 7, extra);
        }();
        QTest::newRow("scrambled with the other mode") << [] {
            QString t = kPlainRegion;
            ScrambleText(t, 0);
            return EncodeTextFile(t, 1);
        }();
    }
    void badDocumentsShowMessage222()
    {
        QFETCH(QByteArray, bytes);
        CShellFixture fx;
        fx.WriteLib("Region.stv", bytes);
        QElapsedTimer timer;
        timer.start();
        QVERIFY(!LoadSettingDoc(fx.InstallPath(), "Region.stv", fx.Prompter()));
        QVERIFY2(timer.elapsed() < 1000, qPrintable(QString::number(timer.elapsed())));
        QCOMPARE(fx.Shown(), CShellFixture::Messages({IDS_FILES_MISSING}));
    }

    void missingOrNamelessDocuments()
    {
        CShellFixture fx;
        QVERIFY(!LoadSettingDoc(fx.InstallPath(), "Nothing.stv", fx.Prompter()));
        QCOMPARE(fx.Shown(), CShellFixture::Messages({IDS_FILES_MISSING}));
        fx.Prompter().Clear();
        QVERIFY(!LoadSettingDoc(fx.InstallPath(), QString(), fx.Prompter()));
        QVERIFY(fx.Shown().isEmpty());
    }

    void hugeDocumentIsRefusedUnread()
    {
        CShellFixture fx;
        QFile file(fx.LibDir() + "/Region.stv");
        QVERIFY(file.open(QIODevice::WriteOnly));
        const QByteArray chunk(1024 * 1024, ' ');
        file.write("<?xml version=\"1.0\"?><RegionSetting xmlns=\"urn:corvane:zqv-cps:profile\">");
        for (int i = 0; i < 100; ++i)
            QVERIFY(file.write(chunk) == chunk.size());
        file.write("<Region name=\"ZQV\"/></RegionSetting>");
        file.close();
        QElapsedTimer timer;
        timer.start();
        QVERIFY(!LoadSettingDoc(fx.InstallPath(), "Region.stv", fx.Prompter()));
        QVERIFY2(timer.elapsed() < 500, "an oversized document is refused before it is read");
        QCOMPARE(fx.Shown(), CShellFixture::Messages({IDS_FILES_MISSING}));
    }

    void regionLookups()
    {
        auto doc = ParseOrFail(kPlainRegion);
        QCOMPARE(GetRegion(*doc), QStringLiteral("ZQV"));
        QCOMPARE(GetSupportLanguages(*doc), QStringList({"English", "Spanish", "O'Brien"}));
        QCOMPARE(GetLanguageDisplayName(*doc, "English"), QStringLiteral("English"));
        QCOMPARE(GetLanguageDisplayName(*doc, "Spanish"), QStringLiteral(" "));  // no displayName
        QCOMPARE(GetLanguageDisplayName(*doc, "German"), QStringLiteral(" "));  // not listed
        QCOMPARE(GetLanguageDisplayName(*doc, "x'] | //*[@name='"), QStringLiteral(" "));

        auto bare = ParseOrFail("<RegionSetting xmlns='urn:corvane:zqv-cps:profile'><Region/></RegionSetting>");
        QCOMPARE(GetRegion(*bare), QString());
        QCOMPARE(GetSupportLanguages(*bare), QStringList());

        auto noRegion = ParseOrFail("<RegionSetting xmlns='urn:corvane:zqv-cps:profile'/>");
        try {
            GetRegion(*noRegion);
            QFAIL("a document without Region must throw");
        } catch (const CZQVCPSException &e) {
            QCOMPARE(e.GetMessageId(), int(IDS_UNKNOWN_ERROR));
        }
    }

    void helpPageLookups()
    {
        auto doc =
            ParseOrFail("<HelpPane xmlns='urn:corvane:zqv-cps:profile'><Sections><CSettingsView>"
                        "<map id='1066' pageName='settings.htm#password'/></CSettingsView></Sections></HelpPane>");
        QCOMPARE(GetHelpPageName(*doc, "CSettingsView", 1066), QStringLiteral("settings.htm#password"));
        QCOMPARE(GetHelpPageName(*doc, "CSettingsView", 1067), QString());
        QCOMPARE(GetHelpPageName(*doc, "CPrivateView", 1066), QString());
        QCOMPARE(GetHelpPageName(*doc, "", 1066), QString());
        QCOMPARE(GetHelpPageName(*doc, "CSettingsView/..", 1066), QString());
    }

    void shippedDocumentsAreAsciiAndPlain()
    {
        for (const char *name : {"Region.stv", "HelpPane.stv", "UpDownGradeSetting.stv"}) {
            const QByteArray bytes = ShippedFile(name);
            QVERIFY2(bytes.startsWith("<?xml"), name);
            for (char c : bytes)
                QVERIFY2(static_cast<unsigned char>(c) < 0x80, name);
        }
    }

    void shippedRegionOffersTheSevenLanguages()
    {
        CShellFixture fx;
        auto doc = LoadSettingDoc(fx.InstallPath(), "Region.stv", fx.Prompter());
        QVERIFY(doc);
        QCOMPARE(GetRegion(*doc), QStringLiteral("ZQV"));
        QStringList expected;
        for (const LanguageEntry &entry : kLanguages)
            expected << entry.name;
        QCOMPARE(GetSupportLanguages(*doc), expected);
        for (const QString &language : expected)
            QVERIFY2(GetLanguageDisplayName(*doc, language).trimmed().size() > 1, qPrintable(language));
        QCOMPARE(GetLanguageDisplayName(*doc, "French"), QStringLiteral("Fran\u00E7ais"));
    }

    void shippedHelpPaneMapsEveryControl()
    {
        CShellFixture fx;
        auto doc = LoadSettingDoc(fx.InstallPath(), "HelpPane.stv", fx.Prompter());
        QVERIFY(doc);
        std::size_t total = 0;
        for (const FormViewControls &view : kFormViewControls) {
            std::set<int> ids;
            for (std::size_t i = 0; i < view.count; ++i) {
                QVERIFY2(ids.insert(view.ids[i]).second, view.viewClass);  // unique within the view
                QVERIFY2(!GetHelpPageName(*doc, view.viewClass, view.ids[i]).isEmpty(),
                         qPrintable(QStringLiteral("%1 %2").arg(view.viewClass).arg(view.ids[i])));
            }
            total += view.count;
            // ...and nothing else: every map of the section names a control of the view.
            const auto maps = doc->Select(nullptr, QStringLiteral("//dfns:%1/dfns:map").arg(view.viewClass));
            QCOMPARE(maps.size(), view.count);
        }
        QCOMPARE(doc->Select(nullptr, "//dfns:map").size(), total);
        QCOMPARE(GetHelpPageName(*doc, "CSettingsView", IDC_SETTINGS_PASSWORD),
                 QStringLiteral("settings.htm#password"));
    }
};

QTEST_GUILESS_MAIN(TestSettingDocs)
#include "tst_settingdocs.moc"
