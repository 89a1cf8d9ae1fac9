// The Read, Write, Reset and Identify sequences, driven through a scripted host: which
// operations run in which order, when the password is asked, the questions, and what happens
// after failures and cancels. One table holds the scenarios; a row may run several commands
// one after the other on the same sequencer.
#include "StringTable.h"
#include "TransferSequencer.h"
#include "TransferSession.h"
#include "WriteChanges.h"

#include <QFile>

#include <QTest>

using namespace zqv;

namespace {

// Logs every radio operation, host call and (through CLoggingPrompter) every message in one
// list, so the order of questions, prompts and operations shows in one place.
class CFakeHost : public ITransferHost {
public:
    bool commit = true;
    int groupOfRadio = 3;
    QString radioPassword;
    bool hasProfile = false;
    int profileGroup = 3;
    bool pcClock = false;
    bool convertOk = true;
    bool dialogOk = true;
    QString failAt;  // the operation that fails (the host shows "failed <code>")
    QStringList writeChanges;
    QStringList passwordsTyped;  // what the user types at each prompt; "" cancels
    QStringList calls;
    quint32 writtenClock = 0;

    int Run(CTransferSession &, TransferJob &job) override
    {
        static const char *const kNames[] = {"delay",    "reset",       "unitpid",     "identity",
                                             "password", "read-dialog", "write-dialog"};
        QString name = QLatin1String(kNames[job.kind]);
        if (job.kind == TransferJob::kWrite && job.olderRadioAccepted)
            name += QStringLiteral(" older");
        calls << name;
        if (name.startsWith(failAt) && !failAt.isEmpty()) {
            calls << QStringLiteral("failed -2");
            return -2;
        }
        if (job.kind == TransferJob::kPassword)
            job.record->setting.password = radioPassword;
        if (job.kind == TransferJob::kWrite)
            writtenClock = job.record->setting.current_time;
        return job.IsLong() && !dialogOk ? int(link::LR_USER_CANCELED) : 1;
    }
    int GroupByVersion(const QString &version) override
    {
        calls << "group " + version;
        return groupOfRadio;
    }
    bool AskPassword(const QString &expected, QString &entered) override
    {
        calls << "prompt";
        if (passwordsTyped.isEmpty() || passwordsTyped.first().isEmpty())
            return false;
        const QString typed = passwordsTyped.takeFirst();
        if (typed == expected)
            entered = typed;
        return true;
    }
    bool CommitPendingEdits() override
    {
        calls << "commit";
        return commit;
    }
    bool HasActiveProfile() const override { return hasProfile; }
    void TakeReadRecord(const VirtualCPData &, bool overwrite) override
    {
        calls << (overwrite ? "overwrite" : "new-profile");
    }
    bool ProfileForWrite(const QString &, ProfileToWrite &out) override
    {
        calls << "convert";
        out.changes = writeChanges;
        out.group = profileGroup;
        out.pcClock = pcClock;
        return convertOk;
    }
    SafeWriteSettings SafeWrite() const override { return {}; }
    bool SaveRecordAsProfile(const VirtualCPData &, const QString &) override { return false; }
    void ShowNotice(const QString &text) override { calls << "notice " + text.left(20); }
};

class CLoggingPrompter : public CScriptedPrompter {
public:
    explicit CLoggingPrompter(QStringList &log) : m_log(log) {}
    int Show(const QString &text, unsigned style) override
    {
        m_log << "ask " + text.left(20);
        return CScriptedPrompter::Show(text, style);
    }

private:
    QStringList &m_log;
};

QString Ask(const QString &text)
{
    return "ask " + text.left(20);
}

}  // namespace

class TestTransferSequencer : public QObject {
    Q_OBJECT

private slots:
    void sequences_data();
    void sequences();
    void writeAsksBeforeChangingTheProfile_data();
    void writeAsksBeforeChangingTheProfile();
    void writeWithPcClockSetsTime();
    void failureMessages_data();
    void failureMessages();
    void firmwareVersionAndClock();
};

void TestTransferSequencer::sequences_data()
{
    QTest::addColumn<QString>("commands");  // run one after the other: read, write, reset, identify
    QTest::addColumn<QString>("port");
    QTest::addColumn<QString>("host");  // host settings: "group=2 password=4711 profile ..." (see below)
    QTest::addColumn<QStringList>("typed");  // at the password prompts
    QTest::addColumn<QList<int>>("answers");  // to the questions, in order
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<bool>("done");  // what the last command returned

    const QString group = QStringLiteral("group R5E.08.00");
    const QString older = Ask(LoadStr(IDS_WARN_PROFILE_NOT_SUPPORTED));
    const QString declined = "notice " + TransferFailureText(link::LR_USER_CANCELED).left(20);
    const QStringList writeStart{"commit", "unitpid", "identity", group};
    const auto row = [](const char *name) { return &QTest::newRow(name); };

    *row("no port: message 304, nothing asked of the radio")
        << "read write reset" << QString() << QString() << QStringList() << QList<int>()
        << QStringList{Ask(LoadStr(IDS_NO_COM_PORT)), Ask(LoadStr(IDS_NO_COM_PORT)), Ask(LoadStr(IDS_NO_COM_PORT))}
        << false;
    *row("read, group 2: no password read")
        << "read"
        << "ttyUSB0"
        << "group=2 password=1234" << QStringList() << QList<int>()
        << QStringList{"delay", "identity", group, "read-dialog", "new-profile"} << true;
    *row("read, group 3, empty password: no prompt")
        << "read"
        << "ttyUSB0"
        << "group=3" << QStringList() << QList<int>()
        << QStringList{"delay", "identity", group, "password", "read-dialog", "new-profile"} << true;
    *row("read, radio of no setting group")
        << "read"
        << "ttyUSB0"
        << "group=0" << QStringList() << QList<int>()
        << QStringList{"delay", "identity", group, Ask(FormatStr(IDS_SETTING_GROUP_UNKNOWN, {"R5E.08.00"}))} << false;
    *row("write, radio of no setting group")
        << "write"
        << "ttyUSB0"
        << "group=0" << QStringList() << QList<int>()
        << writeStart + QStringList{Ask(FormatStr(IDS_SETTING_GROUP_UNKNOWN, {"R5E.08.00"}))} << false;
    *row("host that cannot tell the group ends silently")
        << "read"
        << "ttyUSB0"
        << "group=-1" << QStringList() << QList<int>() << QStringList{"delay", "identity", group} << false;
    *row("read into an active profile, Yes: new profile")
        << "read"
        << "ttyUSB0"
        << "group=2 profile" << QStringList() << QList<int>{IDYES}
        << QStringList{"delay",      "identity", group, "read-dialog", Ask(LoadStr(IDS_READ_NEW_OR_OVERWRITE)),
                       "new-profile"}
        << true;
    *row("read into an active profile, No: overwrite")
        << "read"
        << "ttyUSB0"
        << "group=2 profile" << QStringList() << QList<int>{IDNO}
        << QStringList{"delay", "identity", group, "read-dialog", Ask(LoadStr(IDS_READ_NEW_OR_OVERWRITE)), "overwrite"}
        << true;
    *row("read into an active profile, Cancel: nothing")
        << "read"
        << "ttyUSB0"
        << "group=2 profile" << QStringList() << QList<int>{IDCANCEL}
        << QStringList{"delay", "identity", group, "read-dialog", Ask(LoadStr(IDS_READ_NEW_OR_OVERWRITE))} << false;
    *row("read dialog cancelled: no question, no profile")
        << "read"
        << "ttyUSB0"
        << "group=2 profile dialog-fails" << QStringList() << QList<int>()
        << QStringList{"delay", "identity", group, "read-dialog"} << false;
    *row("password asked until right; known for the next read")
        << "read read"
        << "ttyUSB0"
        << "password=4711" << QStringList{"1111", "2222", "4711"} << QList<int>()
        << QStringList{"delay",    "identity", group,         "password",    "prompt",
                       "prompt",   "prompt",   "read-dialog", "new-profile", "delay",
                       "identity", group,      "password",    "read-dialog", "new-profile"}
        << true;
    *row("password prompt cancelled: nothing written")
        << "write"
        << "ttyUSB0"
        << "password=4711" << QStringList{"1111", ""} << QList<int>()
        << writeStart + QStringList{"password", "convert", "prompt", "prompt"} << false;
    *row("failure of a short operation: shown, sequence ends; the next starts afresh")
        << "read"
        << "ttyUSB0"
        << "fail=identity" << QStringList() << QList<int>() << QStringList{"delay", "identity", "failed -2"} << false;
    *row("older radio, No: asked before anything is sent or the password read")
        << "write"
        << "ttyUSB0"
        << "group=2 profile-group=3" << QStringList() << QList<int>{IDNO}
        << writeStart + QStringList{"convert", older, declined} << false;
    *row("older radio, Yes: the write knows; the next write to a radio of its group does not")
        << "write write"
        << "ttyUSB0"
        << "group=2 profile-group=3 then-group=3" << QStringList() << QList<int>{IDYES}
        << writeStart + QStringList{"convert", older, "write-dialog older"} + writeStart +
            QStringList{"password", "convert", "write-dialog"}
        << true;
    *row("profile that cannot be converted: nothing written")
        << "write"
        << "ttyUSB0"
        << "group=2 no-convert" << QStringList() << QList<int>() << writeStart + QStringList{"convert"} << false;
    *row("form refuses its pending edit: nothing starts")
        << "write"
        << "ttyUSB0"
        << "no-commit" << QStringList() << QList<int>() << QStringList{"commit"} << false;
    *row("write: the profile's questions come before the password prompt") << "write"
                                                                           << "ttyUSB0"
                                                                           << "password=4711 changes"
                                                                           << QStringList{"4711"} << QList<int>{IDOK}
                                                                           << writeStart +
            QStringList{"password", "convert", Ask(FormatStr(IDS_WRITE_CHANGES_QUESTION, {"Private[2]: name cut"})),
                        "prompt", "write-dialog"} << true;
    *row("write: changes declined, the host is told") << "write"
                                                      << "ttyUSB0"
                                                      << "changes" << QStringList() << QList<int>{IDCANCEL}
                                                      << writeStart +
            QStringList{"password", "convert", Ask(FormatStr(IDS_WRITE_CHANGES_QUESTION, {"Private[2]: name cut"})),
                        declined} << false;
    *row("write failed in the dialog") << "write"
                                       << "ttyUSB0"
                                       << "group=2 profile-group=2 dialog-fails" << QStringList() << QList<int>()
                                       << writeStart + QStringList{"convert", "write-dialog"} << false;
    *row("identify: the group, even none, without a message")
        << "identify identify"
        << "ttyUSB0"
        << "group=0" << QStringList() << QList<int>() << QStringList{"identity", group, "identity", group} << true;
    *row("identify fails: shown by the host")
        << "identify"
        << "ttyUSB0"
        << "fail=identity" << QStringList() << QList<int>() << QStringList{"identity", "failed -2"} << false;
    *row("reset") << "reset"
                  << "ttyUSB0" << QString() << QStringList() << QList<int>() << QStringList{"reset"} << true;
}

void TestTransferSequencer::sequences()
{
    QFETCH(QString, commands);
    QFETCH(QString, port);
    QFETCH(QString, host);
    QFETCH(QStringList, typed);
    QFETCH(QList<int>, answers);
    QFETCH(QStringList, expected);
    QFETCH(bool, done);

    CFakeHost fake;
    int thenGroup = 0;
    for (const QString &setting : host.split(u' ', Qt::SkipEmptyParts)) {
        const QString key = setting.section(u'=', 0, 0);
        const QString value = setting.section(u'=', 1);
        if (key == "group")
            fake.groupOfRadio = value.toInt();
        else if (key == "then-group")
            thenGroup = value.toInt();
        else if (key == "password")
            fake.radioPassword = value;
        else if (key == "profile")
            fake.hasProfile = true;
        else if (key == "profile-group")
            fake.profileGroup = value.toInt();
        else if (key == "dialog-fails")
            fake.dialogOk = false;
        else if (key == "no-convert")
            fake.convertOk = false;
        else if (key == "no-commit")
            fake.commit = false;
        else if (key == "fail")
            fake.failAt = value;
        else if (key == "changes")
            fake.writeChanges = {"Private[2]: name cut"};
        else
            QFAIL(qPrintable("unknown host setting " + setting));
    }
    fake.passwordsTyped = typed;
    CLoggingPrompter prompter(fake.calls);
    for (const int answer : answers)
        prompter.Queue(answer);
    CTransferSequencer seq(fake, prompter);
    CTransferSession session(port);
    bool result = false;
    const QStringList list = commands.split(u' ');
    for (int i = 0; i < list.size(); ++i) {
        if (i > 0 && thenGroup)
            fake.groupOfRadio = thenGroup;
        const QString &command = list.at(i);
        result = command == "read" ? seq.Read(session)
            : command == "write"   ? seq.Write(session)
            : command == "reset"   ? seq.Reset(session)
                                   : seq.Identify(session);
        QVERIFY(seq.IsIdle());
    }
    QVERIFY2(fake.calls == expected, qPrintable(fake.calls.join(" | ")));
    QCOMPARE(result, done);
    if (commands.startsWith("identify") && done)
        QCOMPARE(seq.RadioGroup(), fake.groupOfRadio);
}

void TestTransferSequencer::writeAsksBeforeChangingTheProfile_data()
{
    QTest::addColumn<QString>("name");  // the name given to the profile's second private contact
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("asked");
    QTest::addColumn<bool>("written");
    QTest::newRow("radio gets the profile as it is: no question") << "Alice" << 0 << false << true;
    QTest::newRow("name cut, OK: written") << QString(30, 'x') << int(IDOK) << true << true;
    QTest::newRow("name cut, Cancel: nothing sent") << QString(30, 'x') << int(IDCANCEL) << true << false;
}

void TestTransferSequencer::writeAsksBeforeChangingTheProfile()
{
    QFETCH(QString, name);
    QFETCH(int, answer);
    QFETCH(bool, asked);
    QFETCH(bool, written);
    QFile fixture(QStringLiteral(ZQV_FIXTURES_DIR "/profiles/valid_group3.zqv"));
    QVERIFY(fixture.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(fixture.readAll()).replace("name=\"Alice\"", "name=\"" + name + "\"");
    CFakeHost host;
    host.writeChanges = link::DescribeWriteChanges(link::ListWriteChanges(text, QStringLiteral("4012999")));
    CScriptedPrompter prompter;
    if (answer)
        prompter.Queue(answer);
    CTransferSequencer seq(host, prompter);
    CTransferSession session(QStringLiteral("ttyUSB0"));
    QCOMPARE(seq.Write(session), written);
    QCOMPARE(host.calls.contains("write-dialog"), written);
    QCOMPARE(prompter.Texts().size(), qsizetype(asked ? 1 : 0));
    if (asked) {
        const QString question = prompter.Texts().first();
        QVERIFY2(question.contains("Private[2] \"" + name + "\", name") && question.contains(QString(25, 'x') + "\""),
                 qPrintable(question));
        QCOMPARE(prompter.History().front().style, unsigned(MB_OKCANCEL | MB_ICONWARNING));
    }
}

void TestTransferSequencer::writeWithPcClockSetsTime()
{
    CFakeHost host;
    host.groupOfRadio = 2;
    host.profileGroup = 2;
    host.pcClock = true;
    CScriptedPrompter prompter;
    CTransferSequencer seq(host, prompter);
    CTransferSession session(QStringLiteral("ttyUSB0"));
    const quint32 before = CTransferSequencer::ClockSeconds(QDateTime::currentDateTime());
    QVERIFY(seq.Write(session));
    const quint32 after = CTransferSequencer::ClockSeconds(QDateTime::currentDateTime());
    QVERIFY(host.writtenClock >= before && host.writtenClock <= after);
}

void TestTransferSequencer::failureMessages_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("text");
    QTest::newRow("-1") << -1 << LoadStr(IDS_MAIN_PORT_IN_USE);
    QTest::newRow("-5") << -5 << LoadStr(IDS_RADIO_MODEL_UNSUPPORTED);
    QTest::newRow("-6") << -6 << FormatStr(IDS_OPERATION_FAILED_REASON, {LoadStr(IDS_REASON_INVALID_OPCODE)});
    QTest::newRow("-12") << -12 << QString("Error: Operation Failed (User Canceled).");
    QTest::newRow("-14") << -14 << LoadStr(IDS_MAIN_PERFORM_RESET);
    QTest::newRow("-17") << -17 << LoadStr(IDS_RADIO_PASSWORD_FAILED);
    QTest::newRow("-18") << -18 << LoadStr(IDS_M_PROFILE_NOT_COMPATIBLE);
    QTest::newRow("-19") << -19 << LoadStr(IDS_PORT_NOT_FOUND);
    QTest::newRow("-20") << -20 << LoadStr(IDS_CONNECTION_LOST);
    QTest::newRow("other") << -42 << QString("Error: Operation Failed (-42).");
}

void TestTransferSequencer::failureMessages()
{
    QFETCH(int, code);
    QFETCH(QString, text);
    QCOMPARE(CTransferSequencer::FailureMessage(code), text);
}

void TestTransferSequencer::firmwareVersionAndClock()
{
    VirtualCPData record;
    record.firmware_phase = QLatin1Char('D');
    record.firmware_release = 0x0A;
    record.firmware_version = 4;
    record.firmware_revision = 12;
    QCOMPARE(CTransferSequencer::FirmwareVersionText(record), QString("D0A.04.12"));
    // 2000-02-29 12:34:56 local time, counted without a time-zone shift.
    QCOMPARE(CTransferSequencer::ClockSeconds(QDateTime(QDate(2000, 2, 29), QTime(12, 34, 56))), quint32(951827696));
}

QTEST_GUILESS_MAIN(TestTransferSequencer)
#include "tst_transfersequencer.moc"
