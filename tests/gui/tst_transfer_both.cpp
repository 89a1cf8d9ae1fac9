// The Read/Write sequence as both programs run it: the desktop program's Write command and
// zqvcps-cli's write, each against its own zqv-radio-sim started the same way, must ask the
// same questions in the same order and give the same answers the same effect. The desktop's
// messages and questions are recorded by its scripted prompter; the command line prints each
// on stderr, a question followed by its answer ("[yes]", "[no: not a terminal]").
#include "GuiTestSupport.h"

#include "AskPwdDlg.h"
#include "CliTestSupport.h"
#include "CommandIds.h"
#include "FrameEditors.h"
#include "RadioCommands.h"
#include "StringTable.h"
#include "TransferDialog.h"
#include "TransferSequencer.h"
#include "TransferTestSupport.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTimer>

using namespace zqv;
using namespace zqvtest;

namespace {

// The command line's answer as it prints it (without a terminal: No / Cancel).
QString CliAnswer(unsigned style, int answer)
{
    const bool yesNo = (style & 0xF) == MB_YESNO || (style & 0xF) == MB_YESNOCANCEL;
    if (answer == IDYES || answer == IDOK)
        return yesNo ? QStringLiteral("[yes]") : QStringLiteral("[ok]");
    return yesNo ? QStringLiteral("[no: not a terminal]") : QStringLiteral("[cancel: not a terminal]");
}

// A group-3 template profile in `dir`; empty when it could not be copied.
QString CopyOfTemplate(const QTemporaryDir &dir)
{
    const QString profile = dir.filePath(QStringLiteral("p.zqv"));
    if (!QFile::copy(QStringLiteral(ZQV_DATA_SOURCE_DIR "/ProfileTemplate/ZQ-450 Standard.zqv"), profile))
        return QString();
    QFile(profile).setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    return profile;
}

const QRegularExpression kCliAnswerLine(QStringLiteral("^\\[(yes|ok|no: not a terminal|cancel: not a terminal)\\]$"),
                                        QRegularExpression::MultilineOption);

}  // namespace

class TestTransferBoth : public QObject {
    Q_OBJECT

private slots:
    void cleanup();
    void writeAsksTheSameQuestions_data();
    void writeAsksTheSameQuestions();
    void desktopWriteTakesTheClockFromTheDocument();

private:
    // Starts the desktop program on `sim`'s port with `profile` open; false when it did not.
    bool StartDesktop(const test::CSimProcess &sim, const QString &profile);
    // Runs Write to its end, typing `passwords` at the password prompt (then Cancel) and
    // clicking OK once the transfer dialog has finished.
    bool DesktopWrite(QStringList passwords);

    std::unique_ptr<CGuiWorld> m_world;
};

void TestTransferBoth::cleanup()
{
    m_world.reset();
    CChildFrame::SetTreeFactory(nullptr);
    CChildFrame::SetViewFactory(nullptr);
}

bool TestTransferBoth::StartDesktop(const test::CSimProcess &sim, const QString &profile)
{
    m_world = std::make_unique<CGuiWorld>();
    InstallEditors(m_world->prompter);
    SerialPortEntry port;
    port.portName = port.systemLocation = sim.port;
    port.description = QStringLiteral("BR ZQV CABLE");
    m_world->ports->ports = {port};
    if (!m_world->Start({profile}))
        return false;
    CRadioTransfer::Timing timing;
    timing.endWritePauseMs = 0;
    m_world->app->Radio().SetTiming(timing);
    // The frame looks for the cable once its first frame is on screen.
    return QTest::qWaitFor([&] { return m_world->Frame().CablePort() == sim.port; }, 5000) &&
        m_world->Frame().ActiveChild();
}

bool TestTransferBoth::DesktopWrite(QStringList passwords)
{
    QTimer driver;
    connect(&driver, &QTimer::timeout, this, [&] {
        QWidget *modal = QApplication::activeModalWidget();
        if (auto *dlg = qobject_cast<CReadWriteDialog *>(modal); dlg && dlg->OkButton()->isEnabled()) {
            dlg->OkButton()->click();
        } else if (auto *pwd = qobject_cast<CAskPwdDlg *>(modal)) {
            if (passwords.isEmpty())
                return pwd->reject();
            pwd->Edit()->setText(passwords.takeFirst());
            pwd->accept();
        }
    });
    driver.start(10);
    m_world->Frame().Action(ID_DEVICE_WRITE)->trigger();
    QElapsedTimer clock;
    clock.start();
    while (!m_world->app->TransferIdle() && clock.elapsed() < 30000)
        QTest::qWait(20);
    return m_world->app->TransferIdle();
}

void TestTransferBoth::writeAsksTheSameQuestions_data()
{
    QTest::addColumn<QStringList>("sim");
    QTest::addColumn<QList<int>>("answers");  // the desktop user's answers, in order
    QTest::addColumn<QStringList>("passwords");  // typed at the desktop's password prompt
    QTest::addColumn<QStringList>("cli");  // the same choices on the command line
    QTest::addColumn<QString>("firstQuestion");  // the first message; %s stands for any text
    QTest::addColumn<bool>("written");  // the radio got data
    QTest::addColumn<bool>("verify");  // read back after the write (no backup)
    QTest::addColumn<int>("exit");
    const QString older = LoadStr(IDS_WARN_PROFILE_NOT_SUPPORTED);
    const QString incorrect = LoadStr(IDS_PASSWORD_INCORRECT);
    // Firmware R5E.05.00 is setting group 2: its password is never read, and the group-3
    // profile needs the question about the older radio.
    QTest::newRow("older radio with a password, Yes")
        << QStringList{"--fw-version", "5", "--password", "1234"} << QList<int>{IDYES} << QStringList{}
        << QStringList{"--yes"} << older << true << false << 0;
    QTest::newRow("older radio with a password, No")
        << QStringList{"--fw-version", "5", "--password", "1234"} << QList<int>{IDNO} << QStringList{} << QStringList{}
        << older << false << false << 1;
    QTest::newRow("password, wrong one") << QStringList{"--password", "1234"} << QList<int>{} << QStringList{"1243"}
                                         << QStringList{"--password", "1243", "--yes"} << incorrect << false << false
                                         << 1;
    QTest::newRow("password, right one, Yes")
        << QStringList{"--password", "1234"} << QList<int>{IDYES} << QStringList{"1234"}
        << QStringList{"--password", "1234", "--yes"} << LoadStr(IDS_WARN_RADIO_NOT_IN_PROFILE) << true << false << 0;
    // The check after the write: a record stored wrongly is offered to be written again (once);
    // another radio on the cable is named and not compared.
    QTest::newRow("check fails, written again")
        << QStringList{"--unit-pid", "10000101", "--corrupt-record", "1"} << QList<int>{IDYES} << QStringList{}
        << QStringList{"--yes"} << LoadStr(IDS_VERIFY_RETRY) << true << true << 1;
    QTest::newRow("a different radio answers the check")
        << QStringList{"--unit-pid", "10000101", "--pid-after-write", "20009999"} << QList<int>{} << QStringList{}
        << QStringList{} << FormatStr(IDS_VERIFY_OTHER_RADIO, {"10000101", "R5E.08.00", "20009999", "R5E.08.00"})
        << true << true << 1;
}

void TestTransferBoth::writeAsksTheSameQuestions()
{
    QFETCH(QStringList, sim);
    QFETCH(QList<int>, answers);
    QFETCH(QStringList, passwords);
    QFETCH(QStringList, cli);
    QFETCH(QString, firstQuestion);
    QFETCH(bool, written);
    QFETCH(bool, verify);
    QFETCH(int, exit);

    // The desktop program.
    test::CSimProcess desktopRadio(sim);
    QVERIFY(desktopRadio.Ok());
    QTemporaryDir dir;
    const QString profile = CopyOfTemplate(dir);
    QVERIFY(!profile.isEmpty());
    QVERIFY(StartDesktop(desktopRadio, profile));
    m_world->store->WriteSafeWrite({false, verify, CConfigStore::kDefaultBackupKeep});
    for (const int answer : answers)
        m_world->prompter.Queue(answer);
    QVERIFY(DesktopWrite(passwords));
    const std::vector<CScriptedPrompter::Shown> shown = m_world->prompter.History();
    QVERIFY(!shown.empty());
    QVERIFY2(shown.front().text.startsWith(firstQuestion.section(QStringLiteral("%s"), 0, 0)) &&
                 shown.front().text.endsWith(firstQuestion.section(QStringLiteral("%s"), -1)),
             qPrintable(shown.front().text));

    // The command line, on a radio started the same way.
    test::CSimProcess cliRadio(sim);
    QVERIFY(cliRadio.Ok());
    const QStringList safe = verify ? QStringList{"--no-backup"} : QStringList{"--no-backup", "--no-verify"};
    const test::CliResult run =
        test::Cli(QStringList{"write", "--port", cliRadio.port} + safe + cli + QStringList{profile});
    QVERIFY2(run.exit >= 0, qPrintable(run.err));  // finished, without a crash
    const QString &err = run.err;
    QCOMPARE(run.exit, exit);

    // Every message of the desktop program is on stderr in the same order, each question with
    // the same answer; and the command line asked nothing more.
    qsizetype at = 0;
    int questions = 0;
    for (const CScriptedPrompter::Shown &s : shown) {
        const bool question = (s.style & 0xF) != MB_OK;
        questions += question ? 1 : 0;
        const QString expected = s.text + u'\n' + (question ? CliAnswer(s.style, s.answer) + u'\n' : QString());
        const qsizetype found = err.indexOf(expected, at);
        QVERIFY2(found >= 0,
                 qPrintable(
                     QStringLiteral("not on stderr after offset %1: %2\n--- stderr:\n%3").arg(at).arg(expected, err)));
        at = found + expected.size();
    }
    QCOMPARE(int(err.count(kCliAnswerLine)), questions);
    // And both radios got the profile, or neither did.
    QCOMPARE(desktopRadio.Commands().contains("29"), written);
    QCOMPARE(cliRadio.Commands().contains("29"), written);
}

// Write sets the radio's clock from this computer's clock when the profile's document says so.
void TestTransferBoth::desktopWriteTakesTheClockFromTheDocument()
{
    test::CSimProcess radio({});
    QVERIFY(radio.Ok());
    QTemporaryDir dir;
    const QString profile = CopyOfTemplate(dir);
    QVERIFY(!profile.isEmpty());
    QVERIFY(StartDesktop(radio, profile));
    m_world->Frame().ActiveChild()->Document().SetPcClockFlag(true);
    const quint32 before = CTransferSequencer::ClockSeconds(QDateTime::currentDateTime());
    QVERIFY(DesktopWrite({}));
    const quint32 after = CTransferSequencer::ClockSeconds(QDateTime::currentDateTime());
    QVERIFY(radio.Commands().contains("29"));
    radio.Stop();  // the simulator saves its memory on the way out
    const QRegularExpressionMatch m = QRegularExpression(QStringLiteral("current_time=\"(\\d+)\"")).match(radio.Dump());
    QVERIFY2(m.hasMatch(), qPrintable(radio.Dump().left(400)));
    const quint32 clock = m.captured(1).toUInt();
    QVERIFY2(clock >= before && clock <= after,
             qPrintable(QStringLiteral("%1 not in %2..%3").arg(clock).arg(before).arg(after)));
}

QTEST_MAIN(TestTransferBoth)
#include "tst_transfer_both.moc"
