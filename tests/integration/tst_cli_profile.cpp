// zqvcps-cli's profile commands, run as a user runs them: exit codes, the messages on stderr,
// and the files they write.
#include "FleetProfile.h"
#include "ProfilePatches.h"
#include "StringIds.h"
#include "StringTable.h"
#include "TextFile.h"
#include "XmlDom.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>

using namespace zqv;

namespace {

struct Run {
    int code = -1;
    QString out;
    QString err;
};

QString Fixture(const char *relative)
{
    return QStringLiteral(ZQV_FIXTURES_DIR "/") + QLatin1String(relative);
}

QString PlainText(const QString &path, int *mode = nullptr)
{
    int m = 0;
    QString text = ReadTextFile(path, &m);
    if (!text.startsWith(QLatin1String("<?xml")))
        ScrambleText(text, m);
    if (mode)
        *mode = m;
    return text;
}

}  // namespace

class TestCliProfile : public QObject {
    Q_OBJECT

    QTemporaryDir dir;

    QString Install() const { return dir.filePath("install"); }
    QString Path(const QString &name) const { return dir.filePath(name); }

    // `limitBytes` > 0 runs the program under that file-size limit.
    Run Cli(const QStringList &args, bool withInstall = true, rlim_t limitBytes = 0)
    {
        QProcess p;
        if (limitBytes > 0)
            p.setChildProcessModifier([limitBytes] {
                rlimit limit{limitBytes, limitBytes};
                ::setrlimit(RLIMIT_FSIZE, &limit);
            });
        p.setProgram(QStringLiteral(ZQV_CLI));
        p.setArguments(withInstall ? QStringList{"--install-dir", Install()} + args : args);
        p.setStandardInputFile(QProcess::nullDevice());
        p.start();
        if (!p.waitForFinished(60000))
            qFatal("zqvcps-cli did not finish");
        return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()),
                QString::fromUtf8(p.readAllStandardError())};
    }

private slots:
    void initTestCase()
    {
        QVERIFY(dir.isValid());
        // the shipped ProfileTemplate folder and the setting documents of the adaptation fixture
        QDir(dir.path()).mkpath("install/ProfileTemplate");
        QDir(dir.path()).mkpath("install/lib");
        const QDir templates(QStringLiteral(ZQV_DATA_SOURCE_DIR "/ProfileTemplate"));
        for (const QString &name : templates.entryList(QDir::Files))
            QVERIFY(QFile::copy(templates.filePath(name), Install() + "/ProfileTemplate/" + name));
        for (const char *name : {"Region.stv", "UpDownGradeSetting.stv"})
            QVERIFY(QFile::copy(Fixture("adaptation/") + name, Install() + "/lib/" + name));
    }

    void helpAndUsageErrors()
    {
        Run r = Cli({"--help"});
        QCOMPARE(r.code, 0);
        for (const char *command : {"new --template NAME -o FILE", "show FILE", "check FILE", "convert FILE [-o OUT]"})
            QVERIFY2(r.out.contains(command), command);
        QCOMPARE(Cli({}, false).code, 2);
        QCOMPARE(Cli({"frobnicate"}).code, 2);
        QCOMPARE(Cli({"--install-dir"}, false).code, 2);
        QCOMPARE(Cli({"check"}).code, 2);
        QCOMPARE(Cli({"check", "a", "b"}).code, 2);
        QCOMPARE(Cli({"show", "--bogus", "x"}).code, 2);
        r = Cli({"convert", Fixture("profiles/valid_group3.zqv"), "-o", ""});
        QCOMPARE(r.code, 2);
        QVERIFY2(r.err.contains("convert FILE [-o OUT]"), qPrintable(r.err));
        r = Cli({"new", "-o", Path("x.zqv")});
        QCOMPARE(r.code, 2);
        QVERIFY2(r.err.contains("ZQ-450 Standard"), qPrintable(r.err));  // names the templates
        r = Cli({"new", "--template", "No Such Radio", "-o", Path("x.zqv")});
        QCOMPARE(r.code, 2);
        QVERIFY(!QFile::exists(Path("x.zqv")));
    }

    void newProfilesFromEveryTemplate()
    {
        for (const char *name : {"ZQ-210 Compact", "ZQ-450 Standard", "ZQ-880 Fleet"}) {
            const QString out = Path(QStringLiteral("%1.zqv").arg(QLatin1String(name)));
            Run r = Cli({"new", "--template", name, "-o", out});
            QVERIFY2(r.code == 0, qPrintable(r.err));
            QVERIFY(!PlainText(out).isEmpty());
            QFile written(out);
            QVERIFY(written.open(QIODevice::ReadOnly));
            QVERIFY(!written.readAll().startsWith("<?xml"));  // scrambled
            r = Cli({"check", out});
            QVERIFY2(r.code == 0, qPrintable(r.err));
            QVERIFY2(r.out.contains("valid profile") && r.out.contains("setting group 3"), qPrintable(r.out));
        }
    }

    void showPrintsTheFileAsStored()
    {
        Run r = Cli({"show", Fixture("g1/standard_g1.zqv")});
        QVERIFY2(r.code == 0, qPrintable(r.err));
        QVERIFY(r.out.startsWith("<?xml"));
        QVERIFY(r.out.contains("model=\"Q450\""));
        // the group-1 file's own fields only, not the ones added for editing
        QVERIFY(!r.out.contains("password="));
        QVERIFY(!r.out.contains("scrolllist"));
    }

    // `show` output is a profile again: show a.zqv > b.zqv; show b.zqv gives the same text,
    // for "Ren\u00E9e" and every character a profile can hold (tab, line feed, carriage
    // return and 0x20-0xFF), and a UTF-8 byte-order mark is accepted.
    void showOutputOpensAgain()
    {
        QString range = QStringLiteral("\t\n\r");
        for (char16_t c = 0x20; c <= 0xFF; ++c)
            range += QChar(c);
        QString text = PlainText(Fixture("profiles/valid_group3.zqv"));
        QVERIFY(text.contains("txt=\"On my way\""));
        text.replace("txt=\"On my way\"",
                     "txt=\"" + XmlEscape(range).replace("\t", "&#9;").replace("\n", "&#10;").replace("\r", "&#13;") +
                         "\"");
        text.replace("name=\"Alice\"", "name=\"Ren\u00E9e\"");
        QString scrambled = text;
        ScrambleText(scrambled, TEXT_MODE_UTF16);
        QFile a(Path("show-a.zqv"));
        QVERIFY(a.open(QIODevice::WriteOnly));
        a.write(EncodeTextFile(scrambled, TEXT_MODE_UTF16));
        a.close();

        const Run first = Cli({"show", a.fileName()});
        QVERIFY2(first.code == 0, qPrintable(first.err));
        QVERIFY(first.out.contains("name=\"Ren\u00E9e\""));
        for (const QByteArray &mark : {QByteArray(), QByteArray("\xEF\xBB\xBF")}) {
            QFile b(Path("show-b.zqv"));
            QVERIFY(b.open(QIODevice::WriteOnly | QIODevice::Truncate));
            b.write(mark + first.out.toUtf8());
            b.close();
            const Run second = Cli({"show", b.fileName()});
            QVERIFY2(second.code == 0, qPrintable(second.err));
            QCOMPARE(second.out, first.out);
        }
        auto doc = CXmlDocument::Parse(first.out.toUtf8());
        QVERIFY(doc);
        QVERIFY(doc->SelectOne(nullptr, "//dfns:TextMessage[@txt = $t]", {{"t", range}}));
    }

    void checkReportsBadProfilesWithTheirMessage_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("message");
        QTest::newRow("schema-invalid") << Path("missing-pid.zqv") << int(IDS_INVALID_PROFILE);
        QTest::newRow("missing file") << Path("nothing-here.zqv") << int(IDS_LOAD_PROFILE_FAILED);
        QTest::newRow("clone compatibility 2") << Path("clone2.zqv") << int(IDS_RADIO_MODEL_UNSUPPORTED);
        QTest::newRow("binary") << Path("binary.zqv") << int(IDS_INVALID_PROFILE);
        // Never opened, so a FIFO nobody writes cannot hang the command.
        QTest::newRow("FIFO") << Path("fifo.zqv") << int(IDS_PROFILE_NOT_REGULAR_FILE);
        QTest::newRow("folder") << Path("folder.zqv") << int(IDS_PROFILE_NOT_REGULAR_FILE);
        QTest::newRow("device") << "/dev/null" << int(IDS_PROFILE_NOT_REGULAR_FILE);
    }
    void checkReportsBadProfilesWithTheirMessage()
    {
        QFETCH(QString, file);
        QFETCH(int, message);
        QFile clone2(Path("clone2.zqv"));
        QVERIFY(clone2.open(QIODevice::WriteOnly));
        QFile g3(Fixture("profiles/valid_group3.zqv"));
        QVERIFY(g3.open(QIODevice::ReadOnly));
        clone2.write(g3.readAll().replace("clone_compatibility_version=\"3\"", "clone_compatibility_version=\"2\""));
        clone2.close();
        QFile missingPid(Path("missing-pid.zqv"));
        QVERIFY(missingPid.open(QIODevice::WriteOnly));
        missingPid.write(test::InvalidProfile("missing pid"));
        missingPid.close();
        QFile binary(Path("binary.zqv"));
        QVERIFY(binary.open(QIODevice::WriteOnly));
        binary.write(QByteArray("\x7f"
                                "ELF\x02\x01\x01\x00\x00\x00\xff\xfe",
                                12));
        binary.close();
        if (!QFileInfo::exists(Path("fifo.zqv")))
            QCOMPARE(mkfifo(QFile::encodeName(Path("fifo.zqv")).constData(), 0600), 0);
        QVERIFY(QDir().mkpath(Path("folder.zqv")));

        Run r = Cli({"check", file});
        QCOMPARE(r.code, 1);
        const QString text = message == IDS_PROFILE_NOT_REGULAR_FILE ? FormatStr(message, {file}) : LoadStr(message);
        QVERIFY2(r.err.contains(text), qPrintable(r.err));
        QVERIFY(r.out.isEmpty());
        // --verbose adds the trace of a load failure
        if (QFileInfo(file).isFile()) {
            r = Cli({"check", "-v", file});
            QVERIFY2(r.err.contains("(CRadioDataModel::LoadProfile:"), qPrintable(r.err));
        }
    }

    void convertWritesTheLatestFormat()
    {
        const QString g1 = Path("g1.zqv");
        QFile::remove(g1);
        QVERIFY(QFile::copy(Fixture("g1/standard_g1.zqv"), g1));
        const QByteArray before = [&] {
            QFile f(g1);
            f.open(QIODevice::ReadOnly);
            return f.readAll();
        }();
        Run r = Cli({"convert", g1, "-o", Path("g3.zqv")});
        QVERIFY2(r.code == 0, qPrintable(r.err));
        QVERIFY(r.err.contains(LoadStr(IDS_CONVERT_TO_LATEST_FORMAT)));
        int mode = -1;
        const QString text = PlainText(Path("g3.zqv"), &mode);
        QCOMPARE(mode, 0);  // UTF-16
        QVERIFY(text.contains("firmware_version=\"7\""));
        QVERIFY(text.contains("noise_level_radio="));
        r = Cli({"check", Path("g3.zqv")});
        QVERIFY2(r.out.contains("setting group 3"), qPrintable(r.out));
        // the source is untouched, and a latest-format file needs nothing
        QFile f(g1);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), before);
        r = Cli({"convert", Path("g3.zqv")});
        QCOMPARE(r.code, 0);
        QVERIFY(r.err.contains("already"));
    }

    void shippedInstallationReadsEveryGroup()
    {
        const QString shipped = QStringLiteral(ZQV_DATA_SOURCE_DIR);
        const QStringList files{Fixture("g1/standard_g1.zqv"), Fixture("g2/standard_g2.zqv"),
                                Fixture("profiles/valid_group1.zqv"), Fixture("profiles/valid_group3.zqv"),
                                shipped + "/ProfileTemplate/ZQ-210 Compact.zqv"};
        const QStringList groups{"setting group 1", "setting group 2", "setting group 1", "setting group 3",
                                 "setting group 3"};
        for (int i = 0; i < files.size(); ++i) {
            Run r = Cli({"--install-dir", shipped, "check", files[i]}, false);
            QVERIFY2(r.code == 0, qPrintable(files[i] + ": " + r.err));
            QVERIFY2(r.out.contains(groups[i]), qPrintable(r.out));
            // shown as stored: the adaptation is taken off again
            r = Cli({"--install-dir", shipped, "show", files[i]}, false);
            QCOMPARE(r.code, 0);
            const QString original = PlainText(files[i]);
            for (const char *field :
                 {"password=", "call_forward_id=", "prog_mode_dis=", "private_scroll_list=", "<scrolllist"})
                QVERIFY2(r.out.contains(field) == original.contains(field), qPrintable(files[i] + ": " + field));
        }
        Run r =
            Cli({"--install-dir", shipped, "convert", Fixture("g2/standard_g2.zqv"), "-o", Path("g2to3.zqv")}, false);
        QVERIFY2(r.code == 0, qPrintable(r.err));
        r = Cli({"--install-dir", shipped, "check", Path("g2to3.zqv")}, false);
        QVERIFY2(r.out.contains("setting group 3"), qPrintable(r.out));
        QVERIFY(PlainText(Path("g2to3.zqv")).contains("<scrolllist/>"));
    }

    // Each kind of value a write changes, made from the valid profile by one patch: check
    // names the element and the field with both values, exits 0, and 1 with --strict.
    void checkWarnsAboutWhatAWriteChanges_data()
    {
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");
        QTest::addColumn<QStringList>("expected");  // parts of one warning line
        const QString longName = QString(60, 'N');
        const QString longText = QString(120, 'T');
        // Positions are those of the profile as the program keeps it (sorted by name).
        QTest::newRow("name over 25 characters")
            << "name=\"Bruno\""
            << "name=\"" + longName + "\""
            << QStringList{"Private[4] \"" + longName + "\", name", "would get \"" + QString(25, 'N') + "\""};
        QTest::newRow("text over 80 characters")
            << "txt=\"On my way\""
            << "txt=\"" + longText + "\""
            << QStringList{"TextMessage[4], text", "would get \"" + QString(80, 'T') + "\""};
        QTest::newRow("characters outside the radio's set")
            << "name=\"Security\""
            << "name=\"Radio \u20ac \u4e2d\""
            << QStringList{"PublicGroup[4] \"Radio \u20ac \u4e2d\", name", "\"Radio \u00ac -\""};
        QTest::newRow("character the radio holds as a control byte")
            << "name=\"Security\""
            << "name=\"Gate\u201a\"" << QStringList{"PublicGroup[3] \"Gate\u201a\", name", "would get \"Gate\\x1a\""};
        QTest::newRow("tab in a name") << "name=\"Bruno\""
                                       << "name=\"Bru&#9;no\""
                                       << QStringList{"name: the profile has \"Bru\\tno\"", "\"Bru no\""};
        QTest::newRow("membership of no private group")
            << "<ParentPrivateGroup pid =\"4012091\" />"
            << "<ParentPrivateGroup pid =\"4012555\" />"
            << QStringList{"Private[3] \"Bruno\", groups", "has \"4012555\"", "would get \"4012091\""};
        QTest::newRow("home group that is no group")
            << "home_grp=\"10000001\""
            << "home_grp=\"4012777\"" << QStringList{"home group", "\"4012777\"", "would get \"\""};
        QTest::newRow("two private contacts with one name")
            << "name=\"Bruno\""
            << "name=\"Alice\""
            << QStringList{"Private[2] \"Alice\", name: \"Alice\" is also the name of Private[1] \"Alice\""};
        QTest::newRow("two private contacts with one PID")
            << "pid=\"4012003\""
            << "pid=\"4012002\""
            << QStringList{"Private[3] \"Bruno\": 4012002 is also the PID of Private[1] \"Alice\""};
        QTest::newRow("public group outside the ID blocks")
            << "pid=\"17179869181\""
            << "pid=\"17179869000\""
            << QStringList{"PublicGroup[4] \"Security\": " + FormatStr(IDS_WRITE_CHANGE_NOT_SENT, {QString()}).mid(2)};
    }
    void checkWarnsAboutWhatAWriteChanges()
    {
        QFETCH(QString, from);
        QFETCH(QString, to);
        QFETCH(QStringList, expected);
        // Written with a byte-order mark, so the characters outside code page 1252 are read as
        // written.
        QString text = QString::fromUtf8([] {
            QFile f(Fixture("profiles/valid_group3.zqv"));
            f.open(QIODevice::ReadOnly);
            return f.readAll();
        }());
        const qsizetype at = text.indexOf(from);
        QVERIFY2(at >= 0, qPrintable(from));
        text.replace(at, from.size(), to);
        const QString path = Path("changed.zqv");
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(EncodeTextFile(text, TEXT_MODE_UTF16));
        file.close();

        Run r = Cli({"check", path});
        QVERIFY2(r.code == 0, qPrintable(r.err));
        QVERIFY(r.out.contains("valid profile"));
        // Notes are what a dealer should look at besides; this table is about the warnings.
        const QString notePrefix = FormatStr(IDS_CLI_NOTE, {QString()});
        const auto warningsOf = [&](const QString &err) {
            QStringList lines = err.split('\n', Qt::SkipEmptyParts);
            lines.removeIf([&](const QString &line) { return line.startsWith(notePrefix); });
            return lines;
        };
        const QStringList warnings = warningsOf(r.err);
        const QString prefix = FormatStr(IDS_CLI_WARNING, {QString()});
        QStringList matching;
        for (const QString &line : warnings) {
            QVERIFY2(line.startsWith(prefix), qPrintable(line));
            bool all = true;
            for (const QString &part : expected)
                all = all && line.contains(part);
            if (all)
                matching << line;
        }
        QVERIFY2(matching.size() == 1, qPrintable(r.err));
        // Nothing else than the patch and what the valid profile already changes.
        const QString validErr = Cli({"check", Fixture("profiles/valid_group3.zqv")}).err;
        QCOMPARE(warnings.size(), warningsOf(validErr).size() + 1);
        // The dealer's checks are printed as notes (the sample has a contact in no group).
        QVERIFY2(validErr.contains(FormatStr(IDS_CLI_NOTE, {FormatStr(IDS_PROBLEM_UNGROUPED_PRIVATE, {"Chlo\u00e9"})})),
                 qPrintable(validErr));
        r = Cli({"check", "--strict", path});
        QCOMPARE(r.code, 1);
        QVERIFY(r.err.contains(matching.first()));
    }

    // A save that cannot be done fails with the file's name and the reason, and what was
    // there stays as it was: under a file-size limit the program does not die of the signal,
    // and a FIFO or a device node is never replaced by a regular file.
    void saveFailureKeepsWhatWasThere_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("reason");
        QTest::newRow("file-size limit") << "limited.zqv"
                                         << "File too large";
        QTest::newRow("FIFO") << "pipe.zqv" << LoadStr(IDS_NOT_REGULAR_FILE_REASON);
        QTest::newRow("device node") << "full.zqv" << LoadStr(IDS_NOT_REGULAR_FILE_REASON);
    }
    void saveFailureKeepsWhatWasThere()
    {
        QFETCH(QString, target);
        QFETCH(QString, reason);
        target = Path(target);
        QFile::remove(target);
        const QByteArray old = "old bytes";
        QFile f(target);
        if (reason == "File too large") {
            QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
            f.write(old);
            f.close();
        } else if (target.endsWith("pipe.zqv")) {
            QCOMPARE(mkfifo(QFile::encodeName(target).constData(), 0600), 0);
        } else if (mknod(QFile::encodeName(target).constData(), S_IFCHR | 0600, makedev(1, 7)) != 0) {
            // A node of the device that refuses every write, where replacing it is harmless.
            QSKIP("no device node can be made here (needs the right to make one)");
        }
        const bool special = reason != "File too large";
        Run r = Cli({"convert", Fixture("g1/standard_g1.zqv"), "-o", target}, true, special ? 0 : 2048);
        QCOMPARE(r.code, 1);
        QVERIFY2(r.err.contains(FormatStr(IDS_SAVE_IO_ERROR, {target, reason})), qPrintable(r.err));
        if (special) {
            QVERIFY(QFileInfo::exists(target) && !QFileInfo(target).isFile());
        } else {
            QVERIFY(f.open(QIODevice::ReadOnly));
            QCOMPARE(f.readAll(), old);
        }
    }

    // A trace that cannot be kept is said: a FIFO is refused before the command runs, and lines
    // a file could not take end the command with a warning.
    void traceThatCannotBeWrittenIsSaid()
    {
        const QString pipe = Path("trace-pipe.log");
        if (!QFileInfo::exists(pipe))
            QCOMPARE(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
        Run r = Cli({"--trace", pipe, "check", Fixture("profiles/valid_group3.zqv")});
        QCOMPARE(r.code, 1);
        QVERIFY2(r.err.contains(LoadStr(IDS_NOT_REGULAR_FILE_REASON)), qPrintable(r.err));
        QVERIFY(!QFileInfo(pipe).isFile());

        const QString full = Path("trace-full.log");
        QFile::remove(full);
        r = Cli({"--trace", full, "check", Fixture("profiles/valid_group3.zqv")}, true, 16);
        QVERIFY2(r.code == 0, qPrintable(r.err));
        QVERIFY2(r.err.contains("warning: the trace file " + full + " is incomplete: File too large"),
                 qPrintable(r.err));
    }

    // read checks its output before it asks the radio: the port is never opened.
    void readRefusesAnUnwritableOutputFirst()
    {
        const QString target = Path("no-such-folder/read.zqv");
        Run r = Cli({"read", "--port", Path("no-such-port"), "-o", target});
        QCOMPARE(r.code, 1);
        // that message only: no port failure
        QCOMPARE(r.err, FormatStr(IDS_SAVE_IO_ERROR, {target, "No such file or directory"}) + '\n');
    }

    // export and import as a dealer runs them: every row's refusal with its line, exit 1 when
    // one was refused, --dry-run writing nothing, and export -> import -> diff finding nothing.
    void csvCommands_data()
    {
        QTest::addColumn<QStringList>("args");  // IN.csv is {csv}, the profile {zqv}, -o {out}
        QTest::addColumn<QByteArray>("csv");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("err");  // a line stderr holds
        QTest::addColumn<bool>("written");  // {out} exists afterwards
        const QStringList import{"import", "--what", "contacts", "{csv}", "{zqv}"};
        QTest::newRow("a refused row: its line, exit 1, the others saved")
            << import + QStringList{"-o", "{out}"} << QByteArray("Name,PID\nNear,10000201\nFar,5\n") << 1
            << FormatStr(IDS_CSV_LINE, {"3", "Far: " + FormatStr(IDS_CSV_VERDICT_REFUSED, {LoadStr(IDS_ID_NOT_VALID)})})
            << true;
        QTest::newRow("dry run writes nothing")
            << import + QStringList{"--dry-run"} << QByteArray("Name,PID\nNear,10000201\n") << 0
            << FormatStr(IDS_CSV_LINE, {"2", "Near: " + LoadStr(IDS_CSV_VERDICT_NEW)}) << false;
        QTest::newRow("binary garbage") << import + QStringList{"-o", "{out}"}
                                        << QByteArray("\x7f"
                                                      "ELF\x02\x01\x01\0\0",
                                                      9)
                                        << 1 << LoadStr(IDS_CSV_NOT_TEXT) << false;
        QTest::newRow("clash renamed") << import + QStringList{"--on-clash", "rename", "-o", "{out}"}
                                       << QByteArray("Name\nTHIS RADIO\n") << 0
                                       << FormatStr(IDS_CSV_VERDICT_CLASH_RENAME, {"THIS RADIO 2"}) << true;
        QTest::newRow("merge, rows named by the contact")
            << QStringList{"merge", "{zqv}", "{fleet}", "--what", "groups", "--dry-run"} << QByteArray() << 0
            << "Group 1: " + LoadStr(IDS_CSV_VERDICT_NEW) << false;
        QTest::newRow("import needs -o or --dry-run") << import << QByteArray("Name\n") << 2 << "OUT.zqv" << false;
        QTest::newRow("unknown clash policy") << import + QStringList{"--on-clash", "merge", "--dry-run"}
                                              << QByteArray("Name\n") << 2 << "--on-clash" << false;
    }

    void csvCommands()
    {
        QFETCH(QStringList, args);
        QFETCH(QByteArray, csv);
        QFETCH(int, code);
        QFETCH(QString, err);
        QFETCH(bool, written);
        const QString csvPath = Path("in.csv");
        const QString out = Path("csv-out.zqv");
        QFile::remove(out);
        QFile f(csvPath);
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(csv);
        f.close();
        for (QString &a : args)
            a.replace("{csv}", csvPath)
                .replace("{zqv}", Install() + "/ProfileTemplate/ZQ-450 Standard.zqv")
                .replace("{fleet}", Install() + "/ProfileTemplate/ZQ-880 Fleet.zqv")
                .replace("{out}", out);
        const Run r = Cli(args);
        QVERIFY2(r.err.contains(err), qPrintable(r.err));
        QCOMPARE(r.code, code);
        QCOMPARE(QFile::exists(out), written);
    }

    void csvExportImportDiff_data()
    {
        QTest::addColumn<QString>("profile");
        for (const char *name : {"ZQ-210 Compact", "ZQ-450 Standard", "ZQ-880 Fleet"})
            QTest::newRow(name) << QString::fromLatin1(name);
    }

    // A full fleet exported, imported into a new profile of the same model, and compared with
    // diff: nothing differs.
    void csvExportImportDiff()
    {
        QFETCH(QString, profile);
        const QString empty = Install() + "/ProfileTemplate/" + profile + ".zqv";
        const QString fleet = Path(profile + " fleet.zqv");
        {
            test::CTestInstallation inst;
            CRadioDataModel full(inst.Environment());
            QVERIFY(full.LoadProfile(empty, true));
            test::FillFleet(full);
            test::WriteBytes(fleet, full.ProfileText().toUtf8());
        }
        QString into = empty;
        for (const char *what : {"contacts", "texts"}) {
            const QString csv = Path(QStringLiteral("fleet-%1.csv").arg(what));
            Run r = Cli({"export", "--what", what, fleet, "-o", csv});
            QVERIFY2(r.code == 0, qPrintable(r.err));
            QFile written(csv);
            QVERIFY(written.open(QIODevice::ReadOnly));
            QVERIFY(written.readAll().startsWith(qstrcmp(what, "texts") == 0 ? "\xEF\xBB\xBFText\r\n"
                                                                             : "\xEF\xBB\xBFType,Name,PID,"));
            const QString out = Path(QStringLiteral("again-%1.zqv").arg(what));
            r = Cli({"import", "--what", what, csv, into, "-o", out});
            QVERIFY2(r.code == 0, qPrintable(r.out + r.err));
            into = out;
        }
        const Run r = Cli({"diff", fleet, into});
        QVERIFY2(r.code == 0, qPrintable(r.out + r.err));
    }

    void brokenInstallationIsReported()
    {
        Run r = Cli({"--install-dir", Path("no-install"), "check", Fixture("g1/standard_g1.zqv")}, false);
        QCOMPARE(r.code, 1);
        QVERIFY2(r.err.contains(LoadStr(IDS_FILES_MISSING)), qPrintable(r.err));
    }
};

QTEST_GUILESS_MAIN(TestCliProfile)
#include "tst_cli_profile.moc"
