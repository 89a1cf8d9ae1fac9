// The connection troubleshooter over the faults the simulated radio and the test can make,
// in process and through `zqvcps-cli doctor`, and the hint a failed CLI transfer gives.
#include "CableDoctor.h"
#include "CliTestSupport.h"
#include "Prompter.h"
#include "SettingDocs.h"
#include "SettingsMerge.h"
#include "StringIds.h"
#include "StringTable.h"
#include "TransferTestSupport.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <cerrno>
#include <fcntl.h>
#include <grp.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace zqv;
using namespace zqv::test;

namespace {

// Whether an unprivileged user may open `path`: when the test runs as root, which may open
// anything, the open is tried in a child that has dropped to the user "nobody".
int OpenAsUnprivileged(const QString &path)
{
    const QByteArray bytes = QFile::encodeName(path);
    const pid_t child = ::fork();
    if (child == 0) {
        if (::setgroups(0, nullptr) != 0 || ::setgid(65534) != 0 || ::setuid(65534) != 0)
            ::_exit(255);
        const int fd = ::open(bytes.constData(), O_RDWR | O_NOCTTY | O_NONBLOCK);
        ::_exit(fd < 0 ? (errno & 0x7F) : 0);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) != 255 ? WEXITSTATUS(status) : 0;
}

}  // namespace

class TestCableDoctor : public QObject {
    Q_OBJECT

private:
    std::shared_ptr<CXmlDocument> m_upgrade;
    CScriptedPrompter m_prompter;

    CCableDoctor Doctor()
    {
        return CCableDoctor([this](const QString &v) { return GetGroupByVersion(*m_upgrade, v); });
    }

private slots:
    void initTestCase()
    {
        m_upgrade = LoadSettingDoc(QStringLiteral(ZQV_DATA_SOURCE_DIR), QLatin1String(kUpgradeDocName), m_prompter);
        QVERIFY(m_upgrade);
    }

    void faults_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<QStringList>("simOptions");
        QTest::addColumn<int>("failedCheck");  // -1: every check passes
        QTest::addColumn<int>("passedBefore");  // checks that passed before the failure
        QTest::addColumn<QString>("detail");  // a text the failure's sentence holds ("%port" = the port)

        const QString silent = FormatStr(IDS_DOC_SILENT, {QStringLiteral("%port")});
        QTest::newRow("no port") << "missing" << QStringList{} << int(DoctorCheck::PortExists) << 0
                                 << FormatStr(IDS_DOC_NO_PORT, {QStringLiteral("%port")});
        QTest::newRow("permission denied")
            << "denied" << QStringList{} << int(DoctorCheck::MayOpen) << 1
            << FormatStr(IDS_DOC_DENIED, {QStringLiteral("%port"), QStringLiteral("%group")});
        QTest::newRow("held by another program")
            << "held" << QStringList{} << int(DoctorCheck::NotHeld) << 2 << QString();  // names the holder, below
        QTest::newRow("silent radio") << "" << QStringList{QStringLiteral("--silent")} << int(DoctorCheck::Answers) << 3
                                      << silent;
        QTest::newRow("garbled replies") << "" << QStringList{QStringLiteral("--bad-checksum")}
                                         << int(DoctorCheck::WellFormed) << 4
                                         << FormatStr(IDS_DOC_GARBLED, {QStringLiteral("%port")});
        QTest::newRow("unsupported firmware")
            << "" << QStringList{QStringLiteral("--fw-release"), QStringLiteral("70")} << int(DoctorCheck::Supported)
            << 5 << FormatStr(IDS_DOC_UNSUPPORTED_FIRMWARE, {QStringLiteral("R70.08.00")});
        QTest::newRow("unsupported model")
            << "" << QStringList{QStringLiteral("--clone-version"), QStringLiteral("9")} << int(DoctorCheck::Supported)
            << 5 << LoadStr(IDS_DOC_UNSUPPORTED_MODEL).section(QStringLiteral("%s"), 1);
        QTest::newRow("happy path") << "" << QStringList{} << -1 << 6 << QString();
    }

    void faults()
    {
        QFETCH(QString, fault);
        QFETCH(QStringList, simOptions);
        QFETCH(int, failedCheck);
        QFETCH(int, passedBefore);
        QFETCH(QString, detail);

        QTemporaryDir dir;
        CCableDoctor doctor = Doctor();
        QString port;
        QString groupName;
        std::unique_ptr<CSimProcess> sim;
        QProcess holder;
        int ptyMaster = -1;
        const auto closeMaster = qScopeGuard([&] {
            if (ptyMaster >= 0)
                ::close(ptyMaster);
        });
        if (fault == QLatin1String("missing")) {
            port = dir.filePath(QStringLiteral("ttyUSB7"));
        } else if (fault == QLatin1String("denied")) {
            // A terminal device node of our own that nobody may open.
            ptyMaster = ::posix_openpt(O_RDWR | O_NOCTTY);
            QVERIFY(ptyMaster >= 0 && ::grantpt(ptyMaster) == 0 && ::unlockpt(ptyMaster) == 0);
            port = QString::fromLocal8Bit(::ptsname(ptyMaster));
            QCOMPARE(::chmod(QFile::encodeName(port).constData(), 0), 0);
            struct stat st {};
            QCOMPARE(::stat(QFile::encodeName(port).constData(), &st), 0);
            const struct group *gr = ::getgrgid(st.st_gid);
            groupName = gr ? QString::fromLocal8Bit(gr->gr_name) : QString::number(st.st_gid);
            if (::geteuid() == 0)
                doctor.SetOpenProbe(OpenAsUnprivileged);
        } else {
            sim = std::make_unique<CSimProcess>(simOptions);
            QVERIFY(sim->Ok());
            port = sim->port;
            if (fault == QLatin1String("held")) {
                holder.setProgram(QStringLiteral("sleep"));
                holder.setArguments({QStringLiteral("30")});
                holder.setStandardInputFile(port);
                holder.start();
                QVERIFY(holder.waitForStarted());
                detail = FormatStr(
                    IDS_DOC_HELD,
                    {port, FormatStr(IDS_DOC_HOLDER, {QStringLiteral("sleep"), QString::number(holder.processId())})});
            }
        }
        detail.replace(QLatin1String("%port"), port).replace(QLatin1String("%group"), groupName);

        const DoctorReport report = doctor.Run(port);
        const QString text = report.Text();
        QVERIFY2(report.steps.size() == passedBefore + (failedCheck >= 0 ? 1 : 0), qPrintable(text));
        for (int i = 0; i < passedBefore; ++i)
            QVERIFY2(report.steps[i].passed, qPrintable(text));
        if (failedCheck >= 0) {
            QVERIFY(!report.AllPassed());
            QCOMPARE(int(report.steps.last().check), failedCheck);
            QVERIFY2(!report.steps.last().passed, qPrintable(text));
            QVERIFY2(report.steps.last().detail.contains(detail), qPrintable(text + "\n-- wanted: " + detail));
        } else {
            QVERIFY2(report.AllPassed(), qPrintable(text));
        }

        // The command-line tool says the same and exits 1 at the first failure. (Run as root,
        // the tool may open the denied node; that row is the doctor's alone.)
        if (fault == QLatin1String("denied") && ::geteuid() == 0)
            return;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_CACHE_HOME"), dir.filePath(QStringLiteral("cache")));
        const CliResult cli = Cli({QStringLiteral("doctor"), QStringLiteral("--port"), port}, env);
        QVERIFY2(cli.exit == (failedCheck >= 0 ? 1 : 0), qPrintable(cli.out + cli.err));
        QVERIFY2(cli.out.contains(failedCheck >= 0 ? detail : report.summary), qPrintable(cli.out + cli.err));
        holder.kill();
        holder.waitForFinished();
    }

    // A failed transfer on the command line names the command that finds the cause.
    void cliFailureOffersDoctor()
    {
        CSimProcess sim({QStringLiteral("--silent")});
        QVERIFY(sim.Ok());
        const CliResult cli = Cli({QStringLiteral("identify"), QStringLiteral("--port"), sim.port});
        QCOMPARE(cli.exit, 1);
        QVERIFY2(cli.err.contains(FormatStr(IDS_DOC_CLI_HINT, {sim.port})), qPrintable(cli.err));
    }
};

QTEST_MAIN(TestCableDoctor)
#include "tst_cable_doctor.moc"
