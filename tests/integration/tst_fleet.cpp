// Many radios at once against zqv-radio-sim: `zqvcps-cli fleet` over simulated radios of every
// kind (ordinary, password-protected, an older setting group, one whose unit PID is in no
// private contact, one that drops the connection mid-write), and the fleet run itself for what
// only a window does while a run goes on: Stop, and a cable plugged in appearing as a row.
#include "CliTestSupport.h"
#include "FleetRun.h"
#include "FleetTestSupport.h"
#include "RadioSim.h"
#include "SettingDocs.h"
#include "StringTable.h"
#include "TransferTestSupport.h"
#include "WriteHistory.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

using namespace zqv;
using namespace zqv::test;

namespace {

using Radios = QList<QStringList>;

// "20000001 Done": a radio's line of the run table as the rows below expect it.
QString Line(const QString &pid, FleetResult result)
{
    return pid + u' ' + CFleetRun::ResultText(result);
}

}  // namespace

class TestFleet : public QObject {
    Q_OBJECT

    QTemporaryDir m_home;
    QProcessEnvironment m_env;
    QString m_profile;

    QString HistoryPath() const { return m_home.filePath(QStringLiteral("data/Corvane/ZQV CPS/history.sqlite")); }

    // One simulator per radio, all from the test's profile.
    std::vector<std::unique_ptr<CSimProcess>> StartRadios(const Radios &radios, QStringList extra = {})
    {
        std::vector<std::unique_ptr<CSimProcess>> sims;
        for (const QStringList &options : radios)
            sims.push_back(std::make_unique<CSimProcess>(QStringList{"--profile", m_profile} + options + extra));
        return sims;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_home.isValid());
        m_env = QProcessEnvironment::systemEnvironment();
        m_env.insert(QStringLiteral("XDG_DATA_HOME"), m_home.filePath(QStringLiteral("data")));
        m_env.insert(QStringLiteral("XDG_CONFIG_HOME"), m_home.filePath(QStringLiteral("config")));
        m_env.insert(QStringLiteral("XDG_CACHE_HOME"), m_home.filePath(QStringLiteral("cache")));
        // The profile holds the private contacts from 20000001 on, with room for one more; the
        // radios get it too.
        m_profile = m_home.filePath(QStringLiteral("fleet.zqv"));
        VirtualCPData radio = CRadioSim::FullRadio();
        radio.contacts[149] = VirtualCPContact();
        SaveProfile(radio, m_profile);
    }
    void init() { QDir(m_home.filePath(QStringLiteral("data"))).removeRecursively(); }

    void cliRunTable_data()
    {
        QTest::addColumn<Radios>("radios");
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QStringList>("lines");  // unit PID and result, a radio each
        QTest::addColumn<QStringList>("reasons");  // what the run table's details must say
        QTest::addColumn<int>("historyEntries");

        const Radios five{{"--unit-pid", "20000001"},
                          {"--unit-pid", "20000002", "--password", "1234"},
                          {"--unit-pid", "20000003", "--fw-version", "5"},
                          {"--unit-pid", "29999999"},
                          {"--unit-pid", "20000004", "--drop-after", "20"}};
        // Three verified writes; the radio without its own contact refused with its reason; the
        // dropped one offered its backup, which goes back in; every write in the history.
        QTest::newRow("write five radios")
            << five << QStringList{"write", "--password", "1234", "--yes", "--add-missing"} << 1
            << QStringList{Line("20000001", FleetResult::Succeeded), Line("20000002", FleetResult::Succeeded),
                           Line("20000003", FleetResult::Succeeded), Line("20000004", FleetResult::Failed),
                           Line("29999999", FleetResult::Refused)}
            << QStringList{FormatStr(IDS_FLEET_NOT_IN_PROFILE, {"29999999"}), LoadStr(IDS_FLEET_BACKUP_BACK)} << 4;
        // Nobody confirmed (no terminal, no --yes): nothing is written.
        QTest::newRow("write not confirmed")
            << Radios{{"--unit-pid", "20000001"}, {"--unit-pid", "20000002"}} << QStringList{"write"} << 1
            << QStringList{Line("20000001", FleetResult::Stopped), Line("20000002", FleetResult::Stopped)}
            << QStringList{LoadStr(IDS_FLEET_NOT_CONFIRMED)} << 0;
        QTest::newRow("write with a wrong password")
            << Radios{{"--unit-pid", "20000002", "--password", "1234"}}
            << QStringList{"write", "--password", "4321", "--yes"} << 1
            << QStringList{Line("20000002", FleetResult::Refused)} << QStringList{LoadStr(IDS_PASSWORD_INCORRECT)} << 0;
        QTest::newRow("check, one differs")
            << Radios{{"--unit-pid", "20000001"}, {"--unit-pid", "20000002"}} << QStringList{"check"} << 3
            << QStringList{Line("20000001", FleetResult::Succeeded), Line("20000002", FleetResult::Differs)}
            << QStringList{LoadStr(IDS_FLEET_SAME)} << 0;
        QTest::newRow("check, all hold the profile")
            << Radios{{"--unit-pid", "20000001"}} << QStringList{"check"} << 0
            << QStringList{Line("20000001", FleetResult::Succeeded)} << QStringList{} << 0;
        QTest::newRow("check, one cannot be read")
            << Radios{{"--unit-pid", "20000001"}, {"--unit-pid", "20000002", "--silent"}} << QStringList{"check"} << 1
            << QStringList{Line("", FleetResult::Failed), Line("20000001", FleetResult::Succeeded)} << QStringList{}
            << 0;
        QTest::newRow("read into a folder")
            << Radios{{"--unit-pid", "20000001"}, {"--unit-pid", "20000002"}} << QStringList{"read", "-o", "OUT"} << 0
            << QStringList{Line("20000001", FleetResult::Succeeded), Line("20000002", FleetResult::Succeeded)}
            << QStringList{"20000001.zqv", "20000002.zqv"} << 0;
    }
    void cliRunTable()
    {
        QFETCH(Radios, radios);
        QFETCH(QStringList, args);
        QFETCH(int, exitCode);
        QFETCH(QStringList, lines);
        QFETCH(QStringList, reasons);
        QFETCH(int, historyEntries);

        const auto sims = StartRadios(radios);
        QStringList ports;
        for (const auto &sim : sims) {
            QVERIFY(sim->Ok());
            ports << sim->port;
        }
        QTemporaryDir out;
        const QString action = args.first();
        args.replaceInStrings(QStringLiteral("OUT"), out.path());
        args << "--ports" << ports.join(u',') << "--json";
        // Each row writes into a copy of the profile (--add-missing changes it).
        const QString profile = out.filePath(QStringLiteral("profile.zqv"));
        QVERIFY(QFile::copy(m_profile, profile));
        if (action != QLatin1String("read"))
            args << profile;
        const CliResult r = Cli(QStringList{"fleet"} + args, m_env);
        QVERIFY2(r.exit == exitCode, qPrintable(r.err + r.out));

        const QJsonArray table = QJsonDocument::fromJson(r.out.toUtf8()).array();
        QStringList got, details;
        for (const QJsonValue &v : table) {
            const QJsonObject o = v.toObject();
            got << o["unitPid"].toString() + u' ' + o["result"].toString();
            details << o["reason"].toString();
            if (o["result"].toString() == CFleetRun::ResultText(FleetResult::Succeeded) &&
                action == QLatin1String("write")) {
                QCOMPARE(o["verify"].toString(), link::HistoryResultText(link::kHistoryVerified));
                QVERIFY(QFileInfo(o["backup"].toString()).isFile());
            }
        }
        got.sort();
        QCOMPARE(got, lines);
        for (const QString &reason : reasons)
            QVERIFY2(details.join(u'\n').contains(reason), qPrintable(details.join(u'\n')));
        // Each radio's line came as it finished, before the table.
        for (const QString &line : lines)
            QVERIFY2(r.err.contains(line.section(u' ', 0, 0)), qPrintable(r.err));
        if (action == QLatin1String("read"))
            QCOMPARE(LoadRecord(out.filePath("20000002.zqv")).limit.pid, QStringLiteral("20000002"));
        if (lines.contains(Line("20000004", FleetResult::Failed)))
            QVERIFY(r.err.contains(LoadStr(IDS_SAFE_RESTORE_QUESTION).section(u'\n', 0, 0)));
        // The radio refused for want of its own contact is one now, and so gets written next time.
        const auto own = [&](const QString &pid) {
            const VirtualCPData record = LoadRecord(profile);
            return std::any_of(record.contacts.begin(), record.contacts.end(),
                               [&](const VirtualCPContact &c) { return c.pid == pid; });
        };
        QCOMPARE(own("29999999"), args.contains("--add-missing"));
        link::CWriteHistory history(HistoryPath());
        QCOMPARE(int(history.Find().size()), historyEntries);
    }

    // Stop during a write ends every radio's session safely (each write cut off is reset and
    // offered its backup), and a cable plugged in while the run goes on appears as a new row
    // that the run leaves alone.
    void stopAndAPluggedInCable()
    {
        const auto sims = StartRadios(
            {{"--unit-pid", "20000001"}, {"--unit-pid", "20000002"}, {"--unit-pid", "20000003"}}, {"--throttle"});
        for (const auto &sim : sims)
            QVERIFY(sim->Ok());
        CListPortEnumerator ports;
        ports.Add(sims[0]->port);
        ports.Add(sims[1]->port);
        CTestFleetHost host;
        CFleetRun run(host, ports);
        host.run = &run;
        QTemporaryDir backups;
        CScriptedPrompter prompter;
        run.SetCablesOnly(false);
        run.SetPollInterval(50);
        // As a window waits: in a local event loop (the command line's plain wait is in the rows above).
        run.SetWaitInEventLoop(true);
        run.SetUpgradeDocument(
            LoadSettingDoc(QStringLiteral(ZQV_DATA_SOURCE_DIR), QLatin1String(kUpgradeDocName), prompter));
        run.SetProfile({ReadProfileFile(m_profile), 3, false, m_profile});
        run.SetBackups(backups.path(), 3);
        // The cable comes when the writes begin; Stop once both radios hold part of the profile.
        QHash<int, int> writing;
        host.onRow = [&](const FleetRow &row) {
            if (row.step != LoadStr(IDS_WRITING_TO_RADIO))
                return;
            if (writing.isEmpty())
                ports.Add(sims[2]->port);
            writing[row.id] = row.progress;
            if (writing.size() == 2 && std::all_of(writing.begin(), writing.end(), [](int p) { return p >= 60; }))
                run.Stop();
        };
        QVERIFY(!run.Run(FleetAction::Write));

        QCOMPARE(int(run.RunTable().size()), 2);
        for (const FleetRunEntry &e : run.RunTable()) {
            QCOMPARE(e.result, FleetResult::Failed);
            QVERIFY2(e.reason.contains(LoadStr(IDS_FLEET_BACKUP_BACK)), qPrintable(e.reason));
        }
        QCOMPARE(host.asked.size(), 2);
        QCOMPARE(int(run.Rows().size()), 3);
        const FleetRow &added = run.Rows().back();
        QCOMPARE(added.device, sims[2]->port);
        QVERIFY(host.rowsSeenWhileRunning.contains(added.id));
        QCOMPARE(added.state, FleetRow::State::Idle);
        QVERIFY(!sims[2]->ReceivedAnyWrite());
    }
};

QTEST_MAIN(TestFleet)
#include "tst_fleet.moc"
