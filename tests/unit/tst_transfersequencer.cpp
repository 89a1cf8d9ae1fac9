// The Read, Write, Reset and Identify sequences, driven through a scripted host: which
// operations run in which order, when the password is asked, the questions, and what happens
// after failures and cancels.
#include "StringTable.h"
#include "TransferSequencer.h"
#include "WriteChanges.h"

#include <QFile>

#include <QTest>

using namespace zqv;

namespace {

class CFakeHost : public ITransferHost {
public:
    QString port = QStringLiteral("ttyUSB0");
    bool commit = true;
    VirtualCPData record;
    int groupOfRadio = 3;
    QString radioPassword;
    bool hasProfile = false;
    int profileGroup = 3;
    bool pcClock = false;
    bool convertOk = true;
    bool dialogOk = true;
    QStringList passwordsTyped;  // what the user types at each prompt; "" cancels
    QStringList calls;
    bool olderAcceptedSeen = false;
    int declined = 0;
    QString failurePrefix;  // a host with its own failure texts puts this before the code

    QString CablePort() const override { return port; }
    bool CommitPendingEdits() override
    {
        calls << "commit";
        return commit;
    }
    VirtualCPData &TransferRecord() override { return record; }
    void RecreateLink() override
    {
        calls << "recreate";
        record = VirtualCPData();
    }
    void StartDelay() override { calls << "delay"; }
    void StartReset() override { calls << "reset"; }
    void StartReadUnitPid() override { calls << "unitpid"; }
    void StartReadIdentity() override { calls << "identity"; }
    void StartReadPassword() override
    {
        calls << "password";
        record.setting.password = radioPassword;
    }
    int GroupByVersion(const QString &version) override
    {
        calls << "group " + version;
        return groupOfRadio;
    }
    QString FailureText(int code) const override
    {
        return failurePrefix.isEmpty() ? ITransferHost::FailureText(code) : failurePrefix + QString::number(code);
    }
    void QuestionDeclined() override { ++declined; }
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
    bool RunTransferDialog(bool write, bool olderAccepted) override
    {
        calls << (write ? "write-dialog" : "read-dialog");
        olderAcceptedSeen = olderAccepted;
        return dialogOk;
    }
    bool HasActiveProfile() const override { return hasProfile; }
    void NewProfileFromRecord() override { calls << "new-profile"; }
    void OverwriteActiveProfile() override { calls << "overwrite"; }
    bool ActiveProfileToRecord() override
    {
        calls << "convert";
        return convertOk;
    }
    QStringList ActiveProfileWriteChanges() override
    {
        calls << "changes";
        return writeChanges;
    }
    QStringList writeChanges;
    int ActiveProfileGroup() const override { return profileGroup; }
    bool ActiveProfileUsesPcClock() const override { return pcClock; }
};

}  // namespace

// Records each message and question in the host's call list too, so the order of questions,
// prompts and operations shows in one list.
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

class TestTransferSequencer : public QObject {
    Q_OBJECT

private slots:
    void readWithoutPortShowsMessageAndStaysIdle();
    void readSequenceByRadioGroup_data();
    void readSequenceByRadioGroup();
    void radioOfNoSettingGroupStopsWithItsMessage();
    void readIntoActiveProfileAsksNewOrOverwrite_data();
    void readIntoActiveProfileAsksNewOrOverwrite();
    void readDialogCancelledCreatesNothing();
    void passwordPromptRepeatsUntilRightOrCancel();
    void writeToOlderRadioAsksFirst();
    void writeWithPcClockSetsTime();
    void writeStopsWhenProfileCannotBeConverted();
    void writeAsksBeforeChangingTheProfile_data();
    void writeAsksBeforeChangingTheProfile();
    void writeAsksItsQuestionsBeforeThePassword();
    void failureNoticeShowsMessageAndKeepsStep();
    void identifyReportsTheGroupWithoutStopping();
    void hostThatCannotTellTheGroupEndsSilently();
    void resetRunsAndEndsIdle();
    void failureMessages_data();
    void failureMessages();
    void firmwareVersionAndClock();
};

void TestTransferSequencer::readWithoutPortShowsMessageAndStaysIdle()
{
    CFakeHost host;
    host.port.clear();
    CScriptedPrompter prompter;
    CTransferSequencer seq(host, prompter);
    seq.Read();
    QCOMPARE(prompter.Texts(), QStringList{LoadStr(IDS_NO_COM_PORT)});
    QVERIFY(seq.IsIdle());
    QCOMPARE(seq.Step(), int(kStepNone));
    QVERIFY(host.calls.isEmpty());
    seq.Write();
    seq.Reset();
    QCOMPARE(prompter.Texts().size(), 3);
    QVERIFY(host.calls.isEmpty());
}

void TestTransferSequencer::readSequenceByRadioGroup_data()
{
    QTest::addColumn<int>("group");
    QTest::addColumn<QString>("password");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("group 2: no password read")
        << 2 << QString("1234") << QStringList{"delay", "identity", "group R5E.08.00", "read-dialog", "new-profile"};
    QTest::newRow("group 3, empty password: no prompt")
        << 3 << QString()
        << QStringList{"delay", "identity", "group R5E.08.00", "password", "read-dialog", "new-profile"};
}

void TestTransferSequencer::readSequenceByRadioGroup()
{
    QFETCH(int, group);
    QFETCH(QString, password);
    QFETCH(QStringList, expected);
    CFakeHost host;
    host.groupOfRadio = group;
    host.radioPassword = password;
    CScriptedPrompter prompter;
    CTransferSequencer seq(host, prompter);

    seq.Read();
    QVERIFY(!seq.IsIdle());
    QCOMPARE(seq.Step(), int(kStepReadRequested));
    // Each operation's success moves the machine on until the flow has run.
    for (int i = 0; i < 4 && !seq.IsIdle(); ++i)
        seq.OnNotice(kNoticeSuccess, 0);
    QCOMPARE(host.calls, expected);
    QVERIFY(seq.IsIdle());
    QVERIFY(prompter.History().empty());
    QCOMPARE(seq.RadioGroup(), group);
}

// Read and write stop after the identity when the firmware is in no setting group.
void TestTransferSequencer::radioOfNoSettingGroupStopsWithItsMessage()
{
    for (const bool write : {false, true}) {
        CFakeHost host;
        host.groupOfRadio = 0;
        CScriptedPrompter prompter;
        CTransferSequencer seq(host, prompter);
        write ? seq.Write() : seq.Read();
        for (int i = 0; i < 4 && !seq.IsIdle(); ++i)
            seq.OnNotice(kNoticeSuccess, 0);
        QVERIFY(seq.IsIdle());
        const QStringList start = write ? QStringList{"commit", "unitpid"} : QStringList{"delay"};
        QCOMPARE(host.calls, (start + QStringList{"identity", "group R5E.08.00"}));
        QCOMPARE(prompter.Texts(), QStringList{FormatStr(IDS_SETTING_GROUP_UNKNOWN, {"R5E.08.00"})});
    }
}

void TestTransferSequencer::readIntoActiveProfileAsksNewOrOverwrite_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<QString>("action");
    QTest::newRow("Yes: new profile") << int(IDYES) << QString("new-profile");
    QTest::newRow("No: overwrite") << int(IDNO) << QString("overwrite");
    QTest::newRow("Cancel: nothing") << int(IDCANCEL) << QString();
}

void TestTransferSequencer::readIntoActiveProfileAsksNewOrOverwrite()
{
    QFETCH(int, answer);
    QFETCH(QString, action);
    CFakeHost host;
    host.groupOfRadio = 2;
    host.hasProfile = true;
    CScriptedPrompter prompter;
    prompter.Queue(answer);
    CTransferSequencer seq(host, prompter);
    seq.Read();
    seq.OnNotice(kNoticeSuccess, 0);
    seq.OnNotice(kNoticeSuccess, 0);
    QCOMPARE(prompter.Texts(), QStringList{LoadStr(IDS_READ_NEW_OR_OVERWRITE)});
    QCOMPARE(prompter.History()[0].style & 0xF, unsigned(MB_YESNOCANCEL));
    QCOMPARE(host.calls.contains("new-profile"), action == "new-profile");
    QCOMPARE(host.calls.contains("overwrite"), action == "overwrite");
    QVERIFY(seq.IsIdle());
}

void TestTransferSequencer::readDialogCancelledCreatesNothing()
{
    CFakeHost host;
    host.groupOfRadio = 2;
    host.hasProfile = true;
    host.dialogOk = false;
    CScriptedPrompter prompter;
    CTransferSequencer seq(host, prompter);
    seq.Read();
    seq.OnNotice(kNoticeSuccess, 0);
    seq.OnNotice(kNoticeSuccess, 0);
    QVERIFY(prompter.History().empty());
    QVERIFY(!host.calls.contains("new-profile") && !host.calls.contains("overwrite"));
    QVERIFY(seq.IsIdle());
}

void TestTransferSequencer::passwordPromptRepeatsUntilRightOrCancel()
{
    // Two wrong passwords, then the right one: three prompts, then the dialog.
    {
        CFakeHost host;
        host.radioPassword = "4711";
        host.passwordsTyped = {"1111", "2222", "4711"};
        CScriptedPrompter prompter;
        CTransferSequencer seq(host, prompter);
        seq.Read();
        for (int i = 0; i < 3; ++i)
            seq.OnNotice(kNoticeSuccess, 0);
        QCOMPARE(host.calls.count("prompt"), 3);
        QVERIFY(host.calls.contains("read-dialog"));
        QCOMPARE(seq.EnteredPassword(), QString("4711"));
        // The password stays known for the next read of this radio: no prompt then.
        host.calls.clear();
        seq.Read();
        for (int i = 0; i < 3; ++i)
            seq.OnNotice(kNoticeSuccess, 0);
        QCOMPARE(host.calls.count("prompt"), 0);
        QVERIFY(host.calls.contains("read-dialog"));
    }
    // Cancel at the prompt ends the write with nothing sent and Write enabled again.
    {
        CFakeHost host;
        host.radioPassword = "4711";
        host.passwordsTyped = {"1111", ""};
        CScriptedPrompter prompter;
        CTransferSequencer seq(host, prompter);
        seq.Write();
        for (int i = 0; i < 3; ++i)
            seq.OnNotice(kNoticeSuccess, 0);
        QCOMPARE(host.calls.count("prompt"), 2);
        QVERIFY(!host.calls.contains("write-dialog"));
        QVERIFY(seq.IsIdle());
    }
}

void TestTransferSequencer::writeToOlderRadioAsksFirst()
{
    // A group-3 profile into a group-2 radio: question 10031 before anything is sent.
    CFakeHost host;
    host.groupOfRadio = 2;
    host.profileGroup = 3;
    host.hasProfile = true;
    CScriptedPrompter prompter;
    prompter.Queue(IDNO);
    CTransferSequencer seq(host, prompter);
    seq.Write();
    QCOMPARE(host.calls, (QStringList{"commit", "unitpid"}));
    QCOMPARE(seq.Step(), int(kStepWriteRequested));
    seq.OnNotice(kNoticeSuccess, 0);  // unit PID read
    seq.OnNotice(kNoticeSuccess, 0);  // identified: group 2, no password read
    QCOMPARE(prompter.Texts(), QStringList{LoadStr(IDS_WARN_PROFILE_NOT_SUPPORTED)});
    QVERIFY(!host.calls.contains("write-dialog"));
    QVERIFY(!host.calls.contains("password"));
    QVERIFY(seq.IsIdle());
    QVERIFY(!seq.OlderRadioAccepted());

    // Yes: the dialog runs with the acceptance, so it does not ask the same again.
    host.calls.clear();
    prompter.Clear();
    prompter.Queue(IDYES);
    seq.Write();
    seq.OnNotice(kNoticeSuccess, 0);
    seq.OnNotice(kNoticeSuccess, 0);
    QVERIFY(host.calls.contains("write-dialog"));
    QVERIFY(host.olderAcceptedSeen);

    // A later write to a radio of the profile's own group does not carry the acceptance.
    host.calls.clear();
    host.groupOfRadio = 3;
    seq.Write();
    for (int i = 0; i < 3; ++i)
        seq.OnNotice(kNoticeSuccess, 0);
    QVERIFY(host.calls.contains("write-dialog"));
    QVERIFY(!host.olderAcceptedSeen);
}

void TestTransferSequencer::writeWithPcClockSetsTime()
{
    CFakeHost host;
    host.groupOfRadio = 2;
    host.profileGroup = 2;
    host.pcClock = true;
    CScriptedPrompter prompter;
    CTransferSequencer seq(host, prompter);
    const quint32 before = CTransferSequencer::ClockSeconds(QDateTime::currentDateTime());
    seq.Write();
    seq.OnNotice(kNoticeSuccess, 0);
    seq.OnNotice(kNoticeSuccess, 0);
    const quint32 after = CTransferSequencer::ClockSeconds(QDateTime::currentDateTime());
    QVERIFY(host.calls.contains("write-dialog"));
    QVERIFY(host.record.setting.current_time >= before && host.record.setting.current_time <= after);
}

void TestTransferSequencer::writeStopsWhenProfileCannotBeConverted()
{
    CFakeHost host;
    host.groupOfRadio = 2;
    host.convertOk = false;
    CScriptedPrompter prompter;
    CTransferSequencer seq(host, prompter);
    seq.Write();
    seq.OnNotice(kNoticeSuccess, 0);
    seq.OnNotice(kNoticeSuccess, 0);
    QVERIFY(host.calls.contains("convert"));
    QVERIFY(!host.calls.contains("write-dialog"));
    QVERIFY(seq.IsIdle());

    // A form that refuses its pending edit stops Write before anything starts.
    CFakeHost refusing;
    refusing.commit = false;
    CTransferSequencer seq2(refusing, prompter);
    seq2.Write();
    QCOMPARE(refusing.calls, QStringList{"commit"});
    QVERIFY(seq2.IsIdle());
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
    seq.Write();
    for (int i = 0; i < 3; ++i)  // unit PID, identity, password
        seq.OnNotice(kNoticeSuccess, 0);
    QCOMPARE(host.calls.contains("write-dialog"), written);
    QCOMPARE(prompter.Texts().size(), qsizetype(asked ? 1 : 0));
    if (asked) {
        const QString question = prompter.Texts().first();
        QVERIFY2(question.contains("Private[2] \"" + name + "\", name") && question.contains(QString(25, 'x') + "\""),
                 qPrintable(question));
        QCOMPARE(prompter.History().front().style, unsigned(MB_OKCANCEL | MB_ICONWARNING));
    }
    QVERIFY(seq.IsIdle());
}

// A group-3 write whose profile changes on the way to a password-protected radio: the profile's
// questions come first, the password prompt last, just before the transfer.
void TestTransferSequencer::writeAsksItsQuestionsBeforeThePassword()
{
    CFakeHost host;
    host.radioPassword = "4711";
    host.passwordsTyped = {"4711"};
    host.writeChanges = {"Private[2]: name cut"};
    CLoggingPrompter prompter(host.calls);
    CTransferSequencer seq(host, prompter);
    seq.Write();
    for (int i = 0; i < 3; ++i)
        seq.OnNotice(kNoticeSuccess, 0);
    const QString question = "ask " + FormatStr(IDS_WRITE_CHANGES_QUESTION, {"Private[2]: name cut"}).left(20);
    QCOMPARE(host.calls,
             (QStringList{"commit", "unitpid", "identity", "group R5E.08.00", "password", "recreate", "convert",
                          "changes", question, "prompt", "write-dialog"}));

    // Declining a question tells the host, which may say why nothing was written.
    for (const bool older : {false, true}) {
        CFakeHost declining;
        declining.groupOfRadio = older ? 2 : 3;
        if (!older)
            declining.writeChanges = {"Private[2]: name cut"};
        CScriptedPrompter no;
        no.Queue(older ? IDNO : IDCANCEL);
        CTransferSequencer seq2(declining, no);
        seq2.Write();
        for (int i = 0; i < 3 && !seq2.IsIdle(); ++i)
            seq2.OnNotice(kNoticeSuccess, 0);
        QCOMPARE(declining.declined, 1);
        QVERIFY(!declining.calls.contains("prompt") && !declining.calls.contains("write-dialog"));
        QVERIFY(seq2.IsIdle());
    }
}

void TestTransferSequencer::failureNoticeShowsMessageAndKeepsStep()
{
    CFakeHost host;
    CScriptedPrompter prompter;
    CTransferSequencer seq(host, prompter);
    seq.Read();
    seq.OnNotice(kNoticeSuccess, 0);  // identity asked
    seq.OnNotice(kNoticeFailure, -2);
    QCOMPARE(prompter.Texts(), QStringList{LoadStr(IDS_MAIN_NO_CONNECTION)});
    QVERIFY(seq.IsIdle());
    QCOMPARE(seq.Step(), int(kStepReadIdentified));
    QVERIFY(!host.calls.contains("read-dialog"));
    // The next Read starts afresh.
    seq.Read();
    QCOMPARE(seq.Step(), int(kStepReadRequested));
}

void TestTransferSequencer::identifyReportsTheGroupWithoutStopping()
{
    for (const int group : {0, 2}) {
        CFakeHost host;
        host.groupOfRadio = group;
        CScriptedPrompter prompter;
        CTransferSequencer seq(host, prompter);
        seq.Identify();
        QCOMPARE(seq.Step(), int(kStepIdentify));
        QVERIFY(!seq.IsIdle());
        seq.OnNotice(kNoticeSuccess, 0);
        QVERIFY(seq.IsIdle());
        QCOMPARE(seq.RadioGroup(), group);
        QCOMPARE(host.calls, (QStringList{"identity", "group R5E.08.00"}));
        QVERIFY(prompter.History().empty());
    }
    // A failure is shown with the host's own text for the code.
    CFakeHost host;
    host.failurePrefix = "failed ";
    CScriptedPrompter prompter;
    CTransferSequencer seq(host, prompter);
    seq.Identify();
    seq.OnNotice(kNoticeFailure, -2);
    QCOMPARE(prompter.Texts(), QStringList{"failed -2"});
    QVERIFY(seq.IsIdle());
}

// A host that could not read its setting documents has said so: no further message, and
// nothing more is asked of the radio.
void TestTransferSequencer::hostThatCannotTellTheGroupEndsSilently()
{
    CFakeHost host;
    host.groupOfRadio = -1;
    CScriptedPrompter prompter;
    CTransferSequencer seq(host, prompter);
    seq.Read();
    seq.OnNotice(kNoticeSuccess, 0);
    seq.OnNotice(kNoticeSuccess, 0);
    QVERIFY(seq.IsIdle());
    QVERIFY(prompter.History().empty());
    QCOMPARE(host.calls, (QStringList{"delay", "identity", "group R5E.08.00"}));
}

void TestTransferSequencer::resetRunsAndEndsIdle()
{
    CFakeHost host;
    CScriptedPrompter prompter;
    CTransferSequencer seq(host, prompter);
    seq.Reset();
    QCOMPARE(host.calls, QStringList{"reset"});
    QVERIFY(!seq.IsIdle());
    seq.OnNotice(kNoticeSuccess, 0);
    QVERIFY(seq.IsIdle());
    QCOMPARE(host.calls, QStringList{"reset"});
    QVERIFY(prompter.History().empty());
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
