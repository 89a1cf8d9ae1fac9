// zqvcps-cli's radio commands against zqv-radio-sim on a pseudo-terminal, as a user runs them:
// a full read into a profile, reads of radios of every setting group, a write compared with the
// radio's saved memory and its retry after a lost reply, the empty radio, the message of each
// failure, what a read leaves out, the write's questions answered No and Yes, the codeplug
// password, reset and capture; the link trace of a read.
#include "CliTestSupport.h"
#include "DataAdaptor.h"
#include "LinkTestSupport.h"
#include "RadioSim.h"
#include "RadioTransfer.h"
#include "StringTable.h"
#include "TextFile.h"
#include "TransferTestSupport.h"

#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

using namespace zqv;
using namespace zqv::test;

namespace {

QByteArray FromHex(const QString &hex)
{
    return QByteArray::fromHex(hex.toLatin1());
}

}  // namespace

class TestTransferCli : public QObject {
    Q_OBJECT
private slots:
    void readFullRadioIntoAProfile()
    {
        CSimProcess sim({QStringLiteral("--full")});
        QVERIFY(sim.Ok());
        const QString file = sim.Path(QStringLiteral("read.zqv"));
        const CliResult r = Cli({"read", "--port", sim.port, "-o", file});
        QCOMPARE(r.exit, 0);
        QVERIFY2(r.err.contains(QStringLiteral("Reading from the radio ... 80%\nReading successful!")),
                 qPrintable(r.err));
        CompareAsProfiles(LoadRecord(file), CRadioSim::FullRadio());
        if (QTest::currentTestFailed())
            return;
        // The saved file is a profile the program opens.
        const CliResult check = Cli({"check", file});
        QCOMPARE(check.exit, 0);
        QVERIFY(check.out.contains(QStringLiteral("150 contacts")));
    }

    void writeAProfileAndCompareTheRadioMemory()
    {
        CSimProcess sim({QStringLiteral("--empty")});
        QVERIFY(sim.Ok());
        const QString file = sim.Path(QStringLiteral("full.zqv"));
        SaveProfile(CRadioSim::FullRadio(), file);
        const CliResult r = Cli({"write", "--no-backup", "--no-verify", "--port", sim.port, file});
        QCOMPARE(r.exit, 0);
        QVERIFY2(r.err.endsWith(QStringLiteral("Writing to the radio ... 80%\nWriting success!\n")), qPrintable(r.err));
        CompareAsProfiles(LoadRecord(sim.DumpPath()), CRadioSim::FullRadio());
        QVERIFY(sim.Requests().contains("31 150/150"));
        QVERIFY(sim.Requests().contains("33 25/25"));
    }

    void emptyRadio()
    {
        CSimProcess sim({QStringLiteral("--empty")});
        QVERIFY(sim.Ok());
        const QString file = sim.Path(QStringLiteral("empty.zqv"));
        const CliResult r = Cli({"read", "--port", sim.port, "-o", file});
        QCOMPARE(r.exit, 0);
        QVERIFY(sim.Requests().contains("30 0/0"));
        const VirtualCPData record = LoadRecord(file);
        QVERIFY(std::all_of(record.contacts.begin(), record.contacts.end(),
                            [](const VirtualCPContact &c) { return c.IsEmpty(); }));
        QVERIFY(std::all_of(record.texts.begin(), record.texts.end(), [](const QString &t) { return t.isEmpty(); }));
        // Writing it back sends the empty lists.
        CSimProcess other({QStringLiteral("--full")});
        QVERIFY(other.Ok());
        QCOMPARE(Cli({"write", "--no-backup", "--no-verify", "--port", other.port, "--yes", file}).exit, 0);
        QVERIFY(other.Requests().contains("31 0/0"));
        QVERIFY(other.Requests().contains("33 0/0"));
    }

    void failureMessages_data()
    {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<int>("code");
        QTest::newRow("silent radio") << QStringList{"--silent"} << -2;
        QTest::newRow("bad checksums: the cable") << QStringList{"--bad-checksum"} << -21;
        QTest::newRow("busy") << QStringList{"--fail", "25:q-fe"} << -11;
        QTest::newRow("reset or write first") << QStringList{"--fail", "25:q-fd"} << -14;
        QTest::newRow("earlier firmware") << QStringList{"--fail", "25:old-firmware"} << -3;
        QTest::newRow("invalid opcode") << QStringList{"--fail", "26:bad-opcode"} << -6;
        QTest::newRow("unsupported command") << QStringList{"--fail", "27:bad-letter"} << -7;
        QTest::newRow("operation failed") << QStringList{"--fail", "27:q-other"} << -8;
        QTest::newRow("operation unsupported") << QStringList{"--fail", "27:s4"} << -10;
        QTest::newRow("version misfit") << QStringList{"--fw-version", "9"} << -4;
        QTest::newRow("model misfit") << QStringList{"--clone-version", "2"} << -5;
        QTest::newRow("port that does not exist") << QStringList{} << -19;
        QTest::newRow("a file, not a terminal") << QStringList{"/dev/null"} << -22;
        QTest::newRow("a folder, not a terminal") << QStringList{"/tmp"} << -22;
    }
    void failureMessages()
    {
        QFETCH(QStringList, options);
        QFETCH(int, code);
        // A path instead of options is the port itself.
        const bool path = !options.isEmpty() && options.first().startsWith(u'/');
        CSimProcess sim(path ? QStringList{} : options);
        QVERIFY(sim.Ok());
        const QString port = path ? options.first()
            : options.isEmpty()   ? QStringLiteral("/dev/zqv-no-such-port")
                                  : sim.port;
        const CliResult r = Cli({"read-pid", "--port", port});
        QCOMPARE(r.exit, 1);
        // Every failure ends with the command that finds its cause.
        QCOMPARE(r.err, TransferFailureText(code) + u'\n' + FormatStr(IDS_DOC_CLI_HINT, {port}) + u'\n');
        QVERIFY(r.out.isEmpty());
    }

    // A port another program holds keeps the message that says so.
    void busyPort()
    {
        CSimProcess sim({});
        QVERIFY(sim.Ok());
        const int fd = ::open(QFile::encodeName(sim.port).constData(), O_RDWR | O_NOCTTY);
        QVERIFY(fd >= 0);
        QCOMPARE(::flock(fd, LOCK_EX | LOCK_NB), 0);
        const CliResult r = Cli({"read-pid", "--port", sim.port});
        ::close(fd);
        QCOMPARE(r.exit, 1);
        QCOMPARE(r.err, TransferFailureText(-1) + u'\n' + FormatStr(IDS_DOC_CLI_HINT, {sim.port}) + u'\n');
    }

    // Radios of each setting group are read into a profile that holds what the radio holds.
    // Group 1 and 2 radios lack some settings; the profile gives those their defaults.
    void readEachSettingGroup_data()
    {
        QTest::addColumn<QString>("version");
        QTest::addColumn<int>("group");
        QTest::newRow("group 1") << "2" << 1;
        QTest::newRow("group 2") << "5" << 2;
        QTest::newRow("group 3") << "8" << 3;
    }
    void readEachSettingGroup()
    {
        QFETCH(QString, version);
        QFETCH(int, group);
        CSimProcess sim({QStringLiteral("--full"), QStringLiteral("--fw-version"), version});
        QVERIFY(sim.Ok());
        const QString file = sim.Path(QStringLiteral("read.zqv"));
        const CliResult r = Cli({"read", "--port", sim.port, "-o", file});
        QVERIFY2(r.exit == 0, qPrintable(r.err));
        QVERIFY2(r.err.endsWith(LoadStr(IDS_READING_SUCCESSFUL) + u'\n'), qPrintable(r.err));
        // The profile keeps the radio's format, without the question meant for opened files;
        // converted to the latest one it must hold what the radio holds.
        QVERIFY2(!r.err.contains(LoadStr(IDS_CONVERT_TO_LATEST_FORMAT)), qPrintable(r.err));
        QVERIFY(ReadProfileFile(file).contains(QStringLiteral("firmware_version=\"%1\"").arg(version)));
        QString converted = file;
        if (group < 3) {
            converted = sim.Path(QStringLiteral("converted.zqv"));
            const CliResult convert = Cli({"convert", file, "-o", converted});
            QVERIFY2(convert.exit == 0, qPrintable(convert.err));
        }
        const VirtualCPData got = LoadRecord(converted);
        VirtualCPData want = CRadioSim::FullRadio();
        want.firmware_version = got.firmware_version;  // the conversion's, checked above
        // Settings that the radio's group does not have take the setting document's defaults.
        VirtualCPSetting &s = want.setting;
        if (group == 1) {
            s.password.clear();
            s.setting_flags &= ~(SF_PROG_MODE_DIS | SF_INTERNAL_PTT_DIS | SF_TX_TIMEOUT_TIMER_DIS);
        }
        if (group <= 2) {
            s.call_forward_id.clear();
            s.tpt_offset = 0;
            s.noise = 0x22;
            s.setting_flags &= ~SF_PRIV_GRP_CALL_REP_DIS;
        }
        CompareAsProfiles(got, want);
        if (QTest::currentTestFailed())
            return;
        const CliResult check = Cli({"check", file});
        QVERIFY2(check.exit == 0, qPrintable(check.err));

        // Written back, the radio's backup keeps its format too, unasked even with --yes.
        const CliResult write = Cli({"write", "--yes", "--port", sim.port, file});
        QVERIFY2(write.exit == 0, qPrintable(write.err));
        QVERIFY2(!write.err.contains(LoadStr(IDS_CONVERT_TO_LATEST_FORMAT)), qPrintable(write.err));
        const QString saved = LoadStr(IDS_SAFE_BACKUP_SAVED).section(QStringLiteral("%s"), 0, 0);
        const qsizetype at = write.err.indexOf(saved);
        QVERIFY2(at >= 0, qPrintable(write.err));
        const QString backup = write.err.mid(at + saved.size()).section(u'\n', 0, 0);
        QVERIFY(ReadProfileFile(backup).contains(QStringLiteral("firmware_version=\"%1\"").arg(version)));
    }

    // A radio whose firmware belongs to no setting group is refused with a message of its own,
    // before anything is read or written.
    void radioOfNoSettingGroup()
    {
        CSimProcess sim(
            {QStringLiteral("--phase"), QStringLiteral("D"), QStringLiteral("--fw-version"), QStringLiteral("12")});
        QVERIFY(sim.Ok());
        const QString file = sim.Path(QStringLiteral("read.zqv"));
        const QString message = FormatStr(IDS_SETTING_GROUP_UNKNOWN, {QStringLiteral("D5E.12.00")}) + u'\n';
        const CliResult read = Cli({"read", "--port", sim.port, "-o", file});
        QCOMPARE(read.exit, 1);
        QCOMPARE(read.err, message);
        QVERIFY(!sim.Commands().contains("30"));
        SaveProfile(CRadioSim::DefaultRadio(), file);
        const CliResult write = Cli({"write", "--no-backup", "--no-verify", "--port", sim.port, "--yes", file});
        QCOMPARE(write.exit, 1);
        QCOMPARE(write.err, message);
        QVERIFY(!sim.Commands().contains("29"));
    }

    // What a profile cannot hold is left out or blanked, and the user is told how much.
    void readTellsWhatWasLeftOut()
    {
        CSimProcess sim({QStringLiteral("--foreign-records")});
        QVERIFY(sim.Ok());
        const QString file = sim.Path(QStringLiteral("read.zqv"));
        const CliResult r = Cli({"read", "--port", sim.port, "-o", file});
        QVERIFY2(r.exit == 0, qPrintable(r.err));
        for (const QString &note : ReadNoteTexts(ReadNotes{1, 2}))
            QVERIFY2(r.err.contains(note + u'\n'), qPrintable(r.err));
        const VirtualCPData got = LoadRecord(file);
        QCOMPARE(got.contacts[0].name, QStringLiteral("Public 1 !"));
        QCOMPARE(got.texts[0], QStringLiteral("Hello !"));
        QCOMPARE(std::count_if(got.contacts.begin(), got.contacts.end(),
                               [](const VirtualCPContact &c) { return !c.IsEmpty(); }),
                 2);
    }

    // A write that the radio refuses part-way resets the radio, and the user is told that it
    // needs a whole write.
    void refusedWriteSaysTheRadioWasReset()
    {
        CSimProcess sim({QStringLiteral("--fail"), QStringLiteral("31@3:q-other")});
        QVERIFY(sim.Ok());
        const QString file = sim.Path(QStringLiteral("p.zqv"));
        SaveProfile(CRadioSim::FullRadio(), file);
        const CliResult r = Cli({"write", "--no-backup", "--no-verify", "--port", sim.port, "--yes", file});
        QCOMPARE(r.exit, 1);
        QVERIFY2(r.err.endsWith(TransferFailureText(-8) + u'\n' + FormatStr(IDS_DOC_CLI_HINT, {sim.port}) + u'\n' +
                                LoadStr(IDS_WRITE_RADIO_WAS_RESET) + u'\n'),
                 qPrintable(r.err));
        QCOMPARE(sim.Commands().mid(sim.Commands().size() - 2), (QStringList{"27", "37"}));
    }

    // A record whose reply was lost is sent again and the write succeeds.
    void writeRetriesALostReply()
    {
        CSimProcess sim({QStringLiteral("--empty"), QStringLiteral("--fail"), QStringLiteral("31@7:drop-reply")});
        QVERIFY(sim.Ok());
        const QString file = sim.Path(QStringLiteral("full.zqv"));
        SaveProfile(CRadioSim::FullRadio(), file);
        const CliResult r = Cli({"write", "--no-backup", "--no-verify", "--port", sim.port, file});
        QVERIFY2(r.exit == 0, qPrintable(r.err));
        QCOMPARE(sim.Requests().count("31 7/150"), 2);
        CompareAsProfiles(LoadRecord(sim.DumpPath()), CRadioSim::FullRadio());
    }

    void writeQuestions_data()
    {
        QTest::addColumn<bool>("yes");
        QTest::newRow("no (no terminal)") << false;
        QTest::newRow("yes (--yes)") << true;
    }
    void writeQuestions()
    {
        QFETCH(bool, yes);
        // The radio's own ID is not in the profile, and one public group lies outside the
        // radio's ID blocks.
        CSimProcess sim({QStringLiteral("--unit-pid"), QStringLiteral("20009999")});
        QVERIFY(sim.Ok());
        VirtualCPData profile = CRadioSim::FullRadio();
        profile.contacts[0].pid = QStringLiteral("17179869000");
        const QString file = sim.Path(QStringLiteral("p.zqv"));
        SaveProfile(profile, file);
        const CliResult r =
            Cli(yes ? QStringList{"write", "--no-backup", "--no-verify", "--port", sim.port, "--yes", file}
                    : QStringList{"write", "--no-backup", "--no-verify", "--port", sim.port, file});
        const QString notSupported = LoadStr(IDS_WARN_PROFILE_NOT_SUPPORTED);
        const QString notInProfile = LoadStr(IDS_WARN_RADIO_NOT_IN_PROFILE);
        QVERIFY(r.err.contains(notSupported));
        if (!yes) {
            QCOMPARE(r.exit, 1);
            QVERIFY(!r.err.contains(notInProfile));  // after No nothing more is asked
            QVERIFY(r.err.endsWith(TransferFailureText(-12) + u'\n'));
            // No data record went out.
            for (const char *data : {"29", "31", "33", "36", "37"})
                QVERIFY2(!sim.Commands().contains(data), data);
            return;
        }
        QCOMPARE(r.exit, 0);
        QVERIFY(r.err.indexOf(notSupported) < r.err.indexOf(notInProfile));
        // 149 records: the group outside the blocks is not sent.
        QVERIFY(sim.Requests().contains("31 149/149"));
    }

    void olderRadioIsAskedAboutFirst()
    {
        CSimProcess sim({QStringLiteral("--fw-version"), QStringLiteral("5")});  // setting group 2
        QVERIFY(sim.Ok());
        const QString file = sim.Path(QStringLiteral("p.zqv"));
        SaveProfile(CRadioSim::FullRadio(), file);
        const CliResult identify = Cli({"identify", "--port", sim.port});
        QCOMPARE(identify.exit, 0);
        QCOMPARE(identify.out,
                 QStringLiteral("Firmware Version: R5E.05.00\nCodeplug Version: CP03.10.05\nSetting Group: 2\n"));
        const CliResult r = Cli({"write", "--no-backup", "--no-verify", "--port", sim.port, file});
        QCOMPARE(r.exit, 1);
        QVERIFY(r.err.startsWith(LoadStr(IDS_WARN_PROFILE_NOT_SUPPORTED)));
        QVERIFY(!sim.Commands().contains("29"));
    }

    void password_data()
    {
        QTest::addColumn<QStringList>("given");
        QTest::addColumn<int>("exit");
        QTest::addColumn<int>("message");
        QTest::newRow("missing") << QStringList{} << 1 << int(IDS_CLI_PASSWORD_REQUIRED);
        QTest::newRow("wrong") << QStringList{"--password", "1243"} << 1 << int(IDS_PASSWORD_INCORRECT);
        QTest::newRow("right") << QStringList{"--password", "1234"} << 0 << 0;
    }
    void password()
    {
        QFETCH(QStringList, given);
        QFETCH(int, exit);
        QFETCH(int, message);
        CSimProcess sim({QStringLiteral("--password"), QStringLiteral("1234")});
        QVERIFY(sim.Ok());
        const QString file = sim.Path(QStringLiteral("p.zqv"));
        const CliResult read = Cli(QStringList{"read", "--port", sim.port, "-o", file} + given);
        QCOMPARE(read.exit, exit);
        if (exit != 0) {
            QCOMPARE(read.err, LoadStr(message) + u'\n');
            QVERIFY(!sim.Commands().contains("30"));
            QVERIFY(!QFile::exists(file));
            // Nor is anything written.
            SaveProfile(CRadioSim::DefaultRadio(), file);
            const CliResult write =
                Cli(QStringList{"write", "--no-backup", "--no-verify", "--port", sim.port, "--yes", file} + given);
            QCOMPARE(write.exit, 1);
            QCOMPARE(write.err, LoadStr(message) + u'\n');
            QVERIFY(!sim.Commands().contains("29"));
        }
    }

    void resetAndPids()
    {
        CSimProcess sim({QStringLiteral("--capture-after"), QStringLiteral("1"), QStringLiteral("--capture-pid"),
                         QStringLiteral("20007777")});
        QVERIFY(sim.Ok());
        const CliResult reset = Cli({"reset", "--port", sim.port});
        QCOMPARE(reset.exit, 0);
        QCOMPARE(reset.err, LoadStr(IDS_RESET_DONE) + u'\n');
        QCOMPARE(sim.Commands(), (QStringList{"27", "37"}));
        const CliResult pid = Cli({"read-pid", "--port", sim.port});
        QCOMPARE(pid.exit, 0);
        QCOMPARE(pid.out, QStringLiteral("20000001\n"));
        const CliResult captured = Cli({"capture-pid", "--port", sim.port});
        QCOMPARE(captured.exit, 0);
        QCOMPARE(captured.out, QStringLiteral("20007777\n"));
        QVERIFY(captured.err.startsWith(LoadStr(IDS_READ_PID_INSTRUCTION)));
    }

    // Ctrl+C during a capture ends it at once, not after the pause between polls.
    void interruptedCaptureEndsAtOnce()
    {
        CSimProcess sim({});
        QVERIFY(sim.Ok());
        QProcess cli;
        cli.setProgram(QStringLiteral(ZQV_CLI));
        cli.setArguments({"--install-dir", ZQV_BUILD_DIR "/data", "capture-pid", "--port", sim.port});
        cli.start();
        QVERIFY(cli.waitForStarted(5000));
        for (int i = 0; i < 100 && !sim.Commands().contains("38"); ++i)
            QTest::qWait(50);
        QVERIFY(sim.Commands().contains("38"));
        QTest::qWait(300);  // inside the first pause
        QElapsedTimer clock;
        clock.start();
        ::kill(pid_t(cli.processId()), SIGINT);
        QVERIFY(cli.waitForFinished(5000));
        QVERIFY2(clock.elapsed() < 1000, qPrintable(QString::number(clock.elapsed())));
        QCOMPARE(cli.exitCode(), 1);
        QVERIFY(QString::fromLocal8Bit(cli.readAllStandardError()).endsWith(TransferFailureText(-12) + u'\n'));
        QVERIFY(!sim.Commands().contains("39"));
    }

    // A read with --trace: the sent frames are exactly the requests the radio logged, and each
    // received frame is exactly what the same radio answers to that request. Lines carry both
    // time stamps, the file is private to the user and appended to; without --trace nothing
    // is written.
    void traceRecordsEveryFrame()
    {
        CSimProcess sim({QStringLiteral("--full")});
        QVERIFY(sim.Ok());
        const QString trace = sim.Path(QStringLiteral("trace/link.log"));
        QCOMPARE(Cli({"--trace", trace, "read", "--port", sim.port, "-o", sim.Path("read.zqv")}).exit, 1);  // no folder
        QVERIFY(QDir().mkpath(sim.Path(QStringLiteral("trace"))));
        const CliResult r = Cli({"--trace", trace, "read", "--port", sim.port, "-o", sim.Path("read.zqv")});
        QCOMPARE(r.exit, 0);
        QVERIFY2(!r.err.contains(QStringLiteral(" TX ")), qPrintable(r.err));
        QCOMPARE(QFileInfo(trace).permissions(),
                 QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadUser | QFileDevice::WriteUser);

        const QStringList sent = TraceOf(trace, QStringLiteral("TX"));
        const QStringList received = TraceOf(trace, QStringLiteral("RX"));
        const QStringList requests = sim.Requests();
        QVERIFY(requests.size() > 150);
        QCOMPARE(sent.size(), requests.size());
        QCOMPARE(received.size(), sent.size());
        // The same radio, fed the traced requests, logs the same requests and gives the traced
        // replies.
        CRadioSim radio;
        radio.memory = CRadioSim::FullRadio();
        QStringList logged;
        radio.onRequest = [&logged](const QString &line) { logged << line; };
        for (int i = 0; i < sent.size(); ++i) {
            const QByteArray frame = FromHex(sent.at(i));
            const auto replies =
                radio.Receive(reinterpret_cast<const std::uint8_t *>(frame.constData()), int(frame.size()));
            QCOMPARE(int(replies.size()), 1);
            QCOMPARE(FromHex(received.at(i)), replies.front());
        }
        QCOMPARE(logged, requests);

        const QStringList events = TraceOf(trace, QStringLiteral("EV"));
        QVERIFY2(events.first().startsWith(QStringLiteral("trace started: zqvcps-cli")), qPrintable(events.first()));
        const int opens = int(events.filter(QStringLiteral("open ") + sim.port).size());
        QVERIFY(opens > 0);
        QCOMPARE(int(events.filter(QStringLiteral("close ") + sim.port).size()), opens);
        // Each line: monotonic milliseconds, then the UTC time.
        const QStringList first = ReadTextFile(trace).section(u'\n', 0, 0).split(u' ');
        bool number = false;
        first.at(0).toLongLong(&number);
        QVERIFY(number);
        QVERIFY(QDateTime::fromString(first.at(1), Qt::ISODateWithMs).isValid());

        // A second run appends.
        QCOMPARE(Cli({"--trace", trace, "identify", "--port", sim.port}).exit, 0);
        QCOMPARE(TraceOf(trace, QStringLiteral("TX")).mid(0, sent.size()), sent);
        QVERIFY(TraceOf(trace, QStringLiteral("TX")).size() > sent.size());

        // Off by default: a read without --trace leaves nothing in the user's folders and
        // nothing on stderr.
        QTemporaryDir home;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("HOME"), home.path());
        env.insert(QStringLiteral("XDG_DATA_HOME"), home.filePath(QStringLiteral("data")));
        env.remove(QStringLiteral("QT_LOGGING_RULES"));
        const CliResult plain = Cli({"read", "--port", sim.port, "-o", sim.Path("plain.zqv")}, env);
        QCOMPARE(plain.exit, 0);
        QVERIFY2(!plain.err.contains(QStringLiteral(" TX ")), qPrintable(plain.err));
        QVERIFY(!QFileInfo::exists(home.filePath(QStringLiteral("data"))));
    }

    void usageErrors()
    {
        QCOMPARE(Cli({"--trace"}).exit, 2);
        QCOMPARE(Cli({"--trace", "a.log", "--trace", "b.log", "ports"}).exit, 2);
        QCOMPARE(Cli({"read", "-o", "x.zqv"}).exit, 2);  // no port
        QCOMPARE(Cli({"read", "--port", "/dev/null"}).exit, 2);  // no output file
        QCOMPARE(Cli({"write", "--no-backup", "--no-verify", "--port", "/dev/null"}).exit, 2);  // no profile
        QCOMPARE(Cli({"identify", "--port", "/dev/null", "extra"}).exit, 2);
        QCOMPARE(Cli({"backups", "--pid", "abc"}).exit, 2);
    }
};

QTEST_GUILESS_MAIN(TestTransferCli)
#include "tst_transfer_cli.moc"
