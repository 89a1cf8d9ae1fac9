// Read, Write and Reset from the main window against the simulated radio on a
// pseudo-terminal: a read into a new profile and over the active one, the password prompt,
// the questions before and during a write (answered No: nothing is sent), a complete write,
// and a reset.
#include "GuiRadioSupport.h"
#include "GuiTestSupport.h"

#include "AskPwdDlg.h"
#include "BaseView.h"
#include "CommandIds.h"
#include "EditorHost.h"
#include "FrameEditors.h"
#include "ModelTestSupport.h"
#include "PrivateView.h"
#include "RadioCommands.h"
#include "RadioDataModel.h"
#include "RadioInfoView.h"
#include "StringTable.h"
#include "TransferDialog.h"
#include "ZQVCPSTreeView.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>

using namespace zqv;
using namespace zqvtest;

class TestRadio : public QObject, public CRadioWorldFixture {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void readIntoNewProfile();
    void readOfOlderRadioKeepsItsFormat_data();
    void readOfOlderRadioKeepsItsFormat();
    void readOverActiveProfile();
    void passwordProtectedRadio();
    void passwordPromptCancelled();
    void writeToOlderRadioAsksFirst();
    void writeQuestionsAnsweredNoSendNothing_data();
    void writeQuestionsAnsweredNoSendNothing();
    void completeWrite();
    void writeThatChangesTheProfileAsksFirst_data();
    void writeThatChangesTheProfileAsksFirst();
    void sequenceKeepsTheProfileItStartedWith();
    void failedWriteEndsWithoutBlockingTheWindow();
    void reset();
    void cancelDuringRead();
    void readTellsWhatWasLeftOut();
    void radioOfNoSettingGroup();
    void cancelledWriteSaysTheRadioWasReset();
    void capturePrivateId();
    void captureTimesOut();
    void privateFormReadPidButton();
    void formReadsPrivateIdThroughTheWindow();

private:
    bool RunCommand(int id);
    // Runs command `id` and clicks the transfer dialog's Cancel once its progress reaches
    // `percent`; the status line right after the click goes to `status`. False when the
    // command did not end idle or Cancel was never clicked.
    bool RunCommandCancelledAt(int id, int percent, QString *status = nullptr);
    // An attribute of the first such element in the radio's memory.
    QString RadioAttribute(const char *element, const char *attribute);
    QMdiSubWindow *SubWindowOf(CChildFrame *child);
};

void TestRadio::init()
{
    InitRadioWorld();
}

void TestRadio::cleanup()
{
    CleanupRadioWorld();
}

bool TestRadio::RunCommand(int id)
{
    CMainFrame &frame = m_world->Frame();
    if (!frame.Action(id)->isEnabled())
        return false;
    frame.Action(id)->trigger();
    return WaitIdle() && frame.Action(id)->isEnabled();
}

QMdiSubWindow *TestRadio::SubWindowOf(CChildFrame *child)
{
    for (QMdiSubWindow *sub : m_world->Frame().MdiArea()->subWindowList())
        if (sub->widget() == child)
            return sub;
    return nullptr;
}

bool TestRadio::RunCommandCancelledAt(int id, int percent, QString *status)
{
    bool cancelled = false;
    m_driver->timer.stop();
    QTimer poll;
    connect(&poll, &QTimer::timeout, this, [&] {
        auto *dlg = qobject_cast<CReadWriteDialog *>(QApplication::activeModalWidget());
        if (!dlg || cancelled || dlg->ProgressBar()->value() < percent)
            return;
        cancelled = true;
        dlg->CancelButton()->click();
        if (status)
            *status = dlg->StatusLabel()->text();
    });
    poll.start(10);
    return RunCommand(id) && cancelled;
}

void TestRadio::readIntoNewProfile()
{
    QVERIFY(Start({}));
    QVERIFY(RunCommand(ID_DEVICE_READ));
    QCOMPARE(Shown(m_world->prompter), QStringList());
    QCOMPARE(m_world->app->Radio().LastDialogResult(), 1);
    QCOMPARE(m_world->Frame().Children().size(), 1);
    CChildFrame *child = m_world->Frame().ActiveChild();
    // A profile made from a radio is named after the radio's ID and is not saved yet.
    QCOMPARE(child->Title(), QString("20000001"));
    QVERIFY(child->IsModified());
    auto *info = qobject_cast<CRadioInfoView *>(child->RightView());
    QVERIFY(info);
    QCOMPARE(info->UnitPid(), QString("20000001"));
    QCOMPARE(info->Name(), QString("My Radio"));
    // Identity, password (group 3) and the read itself.
    const QStringList commands = m_sim->Commands();
    QVERIFY(commands.contains("30"));
    QVERIFY(!m_sim->ReceivedAnyWrite());
    QCOMPARE(m_world->Frame().PortPaneText(), m_sim->port);

    // The same radio read again into a new profile: its window is told apart by a number,
    // and Exit's questions say which profile each is about.
    m_world->prompter.Queue(IDYES);
    QVERIFY(RunCommand(ID_DEVICE_READ));
    QCOMPARE(m_world->Frame().Children().size(), 2);
    QCOMPARE(m_world->Frame().ActiveChild()->Title(), QString("20000001 (2)"));
    m_world->prompter.Clear();
    m_world->prompter.Queue({IDNO, IDCANCEL});
    QVERIFY(!m_world->Frame().close());
    QCOMPARE(Shown(m_world->prompter),
             (QStringList{FormatStr(IDS_SAVE_CHANGES_QUESTION, {"20000001"}),
                          FormatStr(IDS_SAVE_CHANGES_QUESTION, {"20000001 (2)"})}));
}

// A profile read from a group-1 or group-2 radio is saved in that radio's format without the
// question about converting, which belongs to profiles the user opened.
void TestRadio::readOfOlderRadioKeepsItsFormat_data()
{
    QTest::addColumn<QString>("version");
    QTest::newRow("group 1") << "2";
    QTest::newRow("group 2") << "5";
}

void TestRadio::readOfOlderRadioKeepsItsFormat()
{
    QFETCH(QString, version);
    QVERIFY(Start({"--fw-version", version}));
    QVERIFY(RunCommand(ID_DEVICE_READ));
    CChildFrame *child = m_world->Frame().ActiveChild();
    QVERIFY(child);
    const QString path = QDir(m_world->dir.path()).filePath("read.zqv");
    QVERIFY(child->Document().DoSave(path, true));
    QCOMPARE(Shown(m_world->prompter), QStringList());
    QVERIFY(test::ReadProfileFile(path).contains(QStringLiteral("firmware_version=\"%1\"").arg(version)));
}

void TestRadio::readOverActiveProfile()
{
    QVERIFY(Start({}, {m_world->CopyOfTemplate("mine.zqv")}));
    CChildFrame *child = m_world->Frame().ActiveChild();
    QVERIFY(!child->IsModified());
    // No: overwrite the profile that is open.
    m_world->prompter.Queue(IDNO);
    QVERIFY(RunCommand(ID_DEVICE_READ));
    QCOMPARE(Shown(m_world->prompter), QStringList{LoadStr(IDS_READ_NEW_OR_OVERWRITE)});
    QCOMPARE(m_world->Frame().Children().size(), 1);
    QVERIFY(child->IsModified());
    QCOMPARE(child->Title(), QString("mine.zqv"));
    auto *info = qobject_cast<CRadioInfoView *>(child->RightView());
    QVERIFY(info);
    QCOMPARE(info->UnitPid(), QString("20000001"));
    // Yes: a second window with the radio's profile.
    m_world->prompter.Queue(IDYES);
    QVERIFY(RunCommand(ID_DEVICE_READ));
    QCOMPARE(m_world->Frame().Children().size(), 2);
    // Cancel: nothing more.
    m_world->prompter.Queue(IDCANCEL);
    QVERIFY(RunCommand(ID_DEVICE_READ));
    QCOMPARE(m_world->Frame().Children().size(), 2);
}

void TestRadio::passwordProtectedRadio()
{
    QVERIFY(Start({"--password", "4321"}));
    m_driver->passwords = {"1111", "4321"};
    QVERIFY(RunCommand(ID_DEVICE_READ));
    QCOMPARE(m_driver->passwordPrompts, 2);
    QCOMPARE(Shown(m_world->prompter), QStringList{LoadStr(IDS_PASSWORD_INCORRECT)});
    QCOMPARE(m_world->Frame().Children().size(), 1);
}

void TestRadio::passwordPromptCancelled()
{
    QVERIFY(Start({"--password", "4321"}));
    m_driver->passwords = {"9999"};
    QVERIFY(RunCommand(ID_DEVICE_READ));
    QCOMPARE(m_driver->passwordPrompts, 2);
    QCOMPARE(m_world->Frame().Children().size(), 0);
    QVERIFY(!m_sim->Commands().contains("30"));
}

void TestRadio::writeToOlderRadioAsksFirst()
{
    // Firmware 5E.05.00 is setting group 2; the template is a group-3 profile.
    QVERIFY(Start({"--fw-version", "5"}, {m_world->CopyOfTemplate("mine.zqv")}));
    m_world->prompter.Queue(IDNO);
    QVERIFY(RunCommand(ID_DEVICE_WRITE));
    QCOMPARE(Shown(m_world->prompter), QStringList{LoadStr(IDS_WARN_PROFILE_NOT_SUPPORTED)});
    QCOMPARE(m_world->app->Radio().Sequencer().RadioGroup(), 2);
    QCOMPARE(m_world->app->Radio().LastDialogResult(), 0);
    QVERIFY(!m_sim->ReceivedAnyWrite());
    // A group-2 radio is not asked for its password.
    QVERIFY(!m_sim->Commands().contains("28"));
}

void TestRadio::writeQuestionsAnsweredNoSendNothing_data()
{
    QTest::addColumn<QStringList>("simArgs");
    QTest::addColumn<int>("question");
    // The radio's own ID is not among the profile's private contacts.
    QTest::newRow("-1 radio not in profile") << QStringList() << int(IDS_WARN_RADIO_NOT_IN_PROFILE);
    // A radio without the features the profile uses.
    QTest::newRow("-2 profile does not fit")
        << QStringList{"--profile", QStringLiteral(ZQV_DATA_SOURCE_DIR "/ProfileTemplate/ZQ-210 Compact.zqv")}
        << int(IDS_WARN_PROFILE_NOT_SUPPORTED);
}

void TestRadio::writeQuestionsAnsweredNoSendNothing()
{
    QFETCH(QStringList, simArgs);
    QFETCH(int, question);
    QVERIFY(Start(simArgs, {m_world->CopyOfTemplate("mine.zqv")}));
    m_world->prompter.Queue(IDNO);
    QVERIFY(RunCommand(ID_DEVICE_WRITE));
    QCOMPARE(Shown(m_world->prompter), QStringList{LoadStr(question)});
    // The write ends as cancelled by the user, and no data went to the radio.
    QCOMPARE(m_world->app->Radio().LastDialogResult(), -12);
    QVERIFY(!m_sim->ReceivedAnyWrite());
    QVERIFY(m_world->Frame().Action(ID_DEVICE_WRITE)->isEnabled());
}

void TestRadio::completeWrite()
{
    // The radio is the profile's own radio: no question.
    const QString path = m_world->CopyOfTemplate("mine.zqv");
    QVERIFY(Start({"--profile", path, "--empty"}, {path}));
    QVERIFY(RunCommand(ID_DEVICE_WRITE));
    QCOMPARE(Shown(m_world->prompter), QStringList());
    QCOMPARE(m_world->app->Radio().LastDialogResult(), 1);
    QVERIFY(m_sim->Commands().contains("36"));
    QCOMPARE(m_world->app->Radio().UnitPid(), QString("10000101"));
    // The radio now holds the profile's text message.
    QCOMPARE(RadioAttribute("TextMessage", "txt"), QString("On my way"));
    QCOMPARE(RadioAttribute("limit", "pid"), QString("10000101"));
}

QString TestRadio::RadioAttribute(const char *element, const char *attribute)
{
    // The simulator keeps its memory as a profile, read back here as the program reads
    // profiles.
    CRadioDataModel dumped(m_world->app->ModelEnvironment());
    if (!dumped.Initialize() || !dumped.LoadProfile(m_sim->DumpPath(), true))
        return QStringLiteral("(no memory dump)");
    xmlNodePtr node = dumped.ProfileDocument()->SelectOne(nullptr, QStringLiteral("//dfns:") + QLatin1String(element));
    return node ? GetAttr(node, attribute) : QString();
}

void TestRadio::sequenceKeepsTheProfileItStartedWith()
{
    // A is the radio's own profile; B, another model's, would be written without a question
    // as well, so only the radio's memory tells which one went.
    const QString pathA = m_world->CopyOfTemplate("mine.zqv");
    QVERIFY(Start({"--profile", pathA, "--empty"}, {pathA}));
    CMainFrame &frame = m_world->Frame();
    CChildFrame *a = frame.ActiveChild();
    QVERIFY(m_world->app->OpenProfile(m_world->CopyOfTemplate("other.zqv", "ZQ-210 Compact")));
    CChildFrame *b = frame.ActiveChild();
    QVERIFY(a != b);

    // Write on A; B is activated before the first step has reported.
    frame.ActivateChild(a);
    frame.Action(ID_DEVICE_WRITE)->trigger();
    frame.ActivateChild(b);
    QCOMPARE(frame.ActiveChild(), b);
    // A's window refuses to close while the sequence runs; B's does not care.
    QVERIFY(!SubWindowOf(a)->close());
    QVERIFY(WaitIdle());
    QCOMPARE(m_world->app->Radio().LastDialogResult(), 1);
    QCOMPARE(Shown(m_world->prompter), QStringList());
    QCOMPARE(RadioAttribute("TextMessage", "txt"), QString("On my way"));

    // Read on A, answered No (overwrite): A takes the radio's content, B stays as it was.
    QVERIFY(!a->IsModified());
    frame.ActivateChild(a);
    m_world->prompter.Queue(IDNO);
    frame.Action(ID_DEVICE_READ)->trigger();
    frame.ActivateChild(b);
    QVERIFY(WaitIdle());
    QCOMPARE(Shown(m_world->prompter), QStringList{LoadStr(IDS_READ_NEW_OR_OVERWRITE)});
    QVERIFY(a->IsModified());
    QVERIFY(!b->IsModified());
    // The question came with A in front.
    QCOMPARE(frame.ActiveChild(), a);

    // Once the sequence has ended, A closes as usual.
    a->SetModified(false);
    QVERIFY(SubWindowOf(a)->close());
    QTRY_COMPARE(frame.Children().size(), 1);
}

void TestRadio::failedWriteEndsWithoutBlockingTheWindow()
{
    // The radio refuses the first contact: the write fails after data went out, and the
    // worker then tries to reset the radio, which no longer answers (its third limits request
    // goes unanswered): the worker outlasts its failure report by the reply time-out.
    const QString path = m_world->CopyOfTemplate("mine.zqv");
    QVERIFY(Start({"--profile", path, "--fail", "31@1:q-other", "--fail", "27@3:silent"}, {path}));
    m_driver->timer.stop();
    bool closedAtOnce = false;
    QElapsedTimer clock;
    qint64 failureShownAt = -1, lastTick = -1, longestPause = 0;
    QTimer poll;
    connect(&poll, &QTimer::timeout, this, [&] {
        const qint64 now = clock.elapsed();
        if (failureShownAt >= 0)
            longestPause = std::max(longestPause, now - lastTick);
        lastTick = now;
        auto *dlg = qobject_cast<CReadWriteDialog *>(QApplication::activeModalWidget());
        if (!dlg || !dlg->IsFinished() || failureShownAt >= 0)
            return;
        // A failure followed by Cancel ends the dialog at once.
        failureShownAt = now;
        dlg->CancelButton()->click();
        closedAtOnce = !dlg->isVisible();
    });
    clock.start();
    poll.start(5);
    QVERIFY(RunCommand(ID_DEVICE_WRITE));
    const qint64 endedAt = clock.elapsed();
    QCOMPARE(m_world->app->Radio().LastDialogResult(), -8);
    QVERIFY(closedAtOnce);
    // The sequence ended only after the worker had given up on the radio ...
    QVERIFY2(endedAt - failureShownAt >= 250, qPrintable(QString::number(endedAt - failureShownAt)));
    // ... while the window went on handling its events.
    QVERIFY2(longestPause < 200, qPrintable(QString::number(longestPause)));
    QVERIFY(m_sim->Commands().count("27") >= 3);
}

void TestRadio::writeThatChangesTheProfileAsksFirst_data()
{
    QTest::addColumn<int>("answer");
    QTest::newRow("OK: written as the radio takes it") << int(IDOK);
    QTest::newRow("Cancel: nothing sent") << int(IDCANCEL);
}

void TestRadio::writeThatChangesTheProfileAsksFirst()
{
    QFETCH(int, answer);
    // The own contact's name is longer than the radio keeps.
    const QString longName = QStringLiteral("This Radio with a name far too long");
    const QString path = m_world->CopyOfTemplate("long.zqv");
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray patched = file.readAll().replace("name=\"This Radio\"", "name=\"" + longName.toUtf8() + "\"");
    file.close();
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(patched);
    file.close();
    QVERIFY(Start({"--profile", m_world->CopyOfTemplate("radio.zqv"), "--empty"}, {path}));
    m_world->prompter.Queue(answer);
    QVERIFY(RunCommand(ID_DEVICE_WRITE));
    const QStringList shown = Shown(m_world->prompter);
    QCOMPARE(shown.size(), qsizetype(1));
    QVERIFY2(shown.first().contains("\"" + longName + "\", name") &&
                 shown.first().contains("\"" + longName.left(25) + "\""),
             qPrintable(shown.first()));
    QCOMPARE(m_sim->ReceivedAnyWrite(), answer == IDOK);
    if (answer != IDOK)
        return;
    QCOMPARE(m_world->app->Radio().LastDialogResult(), 1);
    CRadioDataModel dumped(m_world->app->ModelEnvironment());
    QVERIFY(dumped.Initialize());
    QVERIFY(dumped.LoadProfile(m_sim->DumpPath(), true));
    QVERIFY(dumped.ProfileDocument()->SelectOne(nullptr, QStringLiteral("//dfns:Private[@name = $n]"),
                                                {{"n", longName.left(25)}}));
}

void TestRadio::reset()
{
    QVERIFY(Start({}));
    QVERIFY(RunCommand(ID_DEVICE_RESET));
    QVERIFY(m_sim->Commands().contains("37"));
    QCOMPARE(Shown(m_world->prompter), QStringList());
    QCOMPARE(m_world->Frame().Children().size(), 0);
}

void TestRadio::cancelDuringRead()
{
    // A full radio at the real wire speed takes seconds to read: time enough to cancel.
    QVERIFY(Start({"--full", "--throttle"}));
    QString statusAfterCancel;
    QVERIFY(RunCommandCancelledAt(ID_DEVICE_READ, 60, &statusAfterCancel));
    QCOMPARE(statusAfterCancel, LoadStr(IDS_CANCELING_OPERATION));
    // The dialog stayed until the worker stopped, and nothing was created from the radio.
    QCOMPARE(m_world->app->Radio().LastDialogResult(), -12);
    QCOMPARE(m_world->Frame().Children().size(), 0);
    QCOMPARE(Shown(m_world->prompter), QStringList());
}

// A contact of an unknown type and control characters do not fail the read; the user is
// told once the read has ended.
void TestRadio::readTellsWhatWasLeftOut()
{
    QVERIFY(Start({"--foreign-records"}));
    QVERIFY(RunCommand(ID_DEVICE_READ));
    QCOMPARE(m_world->app->Radio().LastDialogResult(), 1);
    QCOMPARE(Shown(m_world->prompter), QStringList{ReadNoteTexts(ReadNotes{1, 2}).join(u'\n')});
    QCOMPARE(m_world->Frame().Children().size(), 1);
}

void TestRadio::radioOfNoSettingGroup()
{
    QVERIFY(Start({"--phase", "D", "--fw-version", "12"}));
    QVERIFY(RunCommand(ID_DEVICE_READ));
    QCOMPARE(Shown(m_world->prompter), QStringList{FormatStr(IDS_SETTING_GROUP_UNKNOWN, {"D5E.12.00"})});
    QCOMPARE(m_world->Frame().Children().size(), 0);
    QVERIFY(!m_sim->Commands().contains("30"));
}

// A write cancelled after data went out resets the radio, and says so.
void TestRadio::cancelledWriteSaysTheRadioWasReset()
{
    const QString path = m_world->CopyOfTemplate("mine.zqv");
    QVERIFY(Start({"--profile", path, "--empty", "--throttle"}, {path}));
    QVERIFY(RunCommandCancelledAt(ID_DEVICE_WRITE, 60));
    QCOMPARE(m_world->app->Radio().LastDialogResult(), -12);
    QVERIFY(m_sim->Commands().contains("37"));
    QCOMPARE(Shown(m_world->prompter), QStringList{LoadStr(IDS_WRITE_RADIO_WAS_RESET)});
}

void TestRadio::capturePrivateId()
{
    QVERIFY(Start({"--capture-after", "2", "--capture-pid", "20004711"}));
    TransferUiContext context = m_world->app->Radio().UiContext();
    CRadioTransfer::Timing timing;
    timing.capturePollMs = 20;
    context.timing = timing;
    CReadPidDialog dlg(context, &m_world->Frame());
    QStringList panes;
    bool escapeIgnored = false;
    QTimer poll;
    QString status;
    connect(&poll, &QTimer::timeout, this, [&] {
        panes << m_world->Frame().PortPaneText();
        if (!dlg.OkButton()->isEnabled())
            return;
        status = dlg.StatusLabel()->text();
        // After success Esc does nothing; OK closes.
        QTest::keyClick(&dlg, Qt::Key_Escape);
        escapeIgnored = dlg.isVisible() && !dlg.CancelButton()->isEnabled();
        dlg.OkButton()->click();
    });
    poll.start(10);
    QCOMPARE(dlg.exec(), int(QDialog::Accepted));
    QVERIFY(escapeIgnored);
    QVERIFY(panes.contains(LoadStr(IDS_TRANSFERRING)));
    QCOMPARE(dlg.CapturedPid(), QString("20004711"));
    QCOMPARE(status, LoadStr(IDS_READING_SUCCESSFUL) + u'\n' + FormatStr(IDS_CAPTURED_PID, {"20004711"}));
    QVERIFY(!dlg.ProgressIsRed());
    QCOMPARE(m_world->Frame().PortPaneText(), m_sim->port);
}

void TestRadio::captureTimesOut()
{
    QVERIFY(Start({}));
    TransferUiContext context = m_world->app->Radio().UiContext();
    CRadioTransfer::Timing timing;
    timing.capturePollMs = 20;
    context.timing = timing;
    CReadPidDialog dlg(context, &m_world->Frame());
    QTimer poll;
    connect(&poll, &QTimer::timeout, this, [&] {
        // After the failure the dialog waits for Cancel, which ends it at once.
        if (dlg.IsFinished())
            dlg.CancelButton()->click();
    });
    poll.start(10);
    QCOMPARE(dlg.exec(), int(QDialog::Rejected));
    QCOMPARE(dlg.FailureCode(), -9);
    QVERIFY(dlg.ProgressIsRed());
    QCOMPARE(dlg.CapturedPid(), QString(20, QLatin1Char(' ')));
}

// A form asks its window for the read-private-ID dialog: the window runs it over the radio
// link, above itself, and hands back the captured ID after OK, nothing after Cancel.
void TestRadio::formReadsPrivateIdThroughTheWindow()
{
    const QString path = m_world->CopyOfTemplate("mine.zqv");
    QVERIFY(Start({"--capture-after", "2", "--capture-pid", "20004711"}, {path}));
    CRadioTransfer::Timing timing;
    timing.endWritePauseMs = 0;
    timing.capturePollMs = 20;
    m_world->app->Radio().SetTiming(timing);
    CChildFrame *child = m_world->Frame().ActiveChild();
    QVERIFY(child);
    QVERIFY(qobject_cast<CBaseView *>(child->RightView()));
    // The window the forms work in.
    auto *host = dynamic_cast<IEditorHost *>(&child->Tree());
    QVERIFY(host);

    bool cancel = false;
    QWidget *dialogParent = nullptr;
    QTimer poll;
    connect(&poll, &QTimer::timeout, this, [&] {
        auto *dlg = qobject_cast<CReadPidDialog *>(QApplication::activeModalWidget());
        if (!dlg)
            return;
        dialogParent = dlg->parentWidget();
        if (cancel && dlg->CancelButton()->isEnabled())
            dlg->CancelButton()->click();
        else if (!cancel && dlg->OkButton()->isEnabled())
            dlg->OkButton()->click();
    });
    poll.start(10);
    QCOMPARE(host->ReadPrivateIdFromRadio(), std::optional<QString>(QStringLiteral("20004711")));
    QCOMPARE(dialogParent, child);
    QVERIFY(m_sim->Commands().contains("38"));

    cancel = true;
    QCOMPARE(host->ReadPrivateIdFromRadio(), std::nullopt);
}

// The private-contact form's read button, through the window's dialog, against the simulator.
void TestRadio::privateFormReadPidButton()
{
    const QString path = m_world->CopyOfTemplate("mine.zqv");
    QVERIFY(Start({"--capture-after", "2", "--capture-pid", "10000555"}, {path}));
    CRadioTransfer::Timing timing;
    timing.endWritePauseMs = 0;
    timing.capturePollMs = 20;
    m_world->app->Radio().SetTiming(timing);
    CChildFrame *child = m_world->Frame().ActiveChild();
    QVERIFY(child);
    auto *tree = child->findChild<CZQVCPSTreeView *>();
    QVERIFY(tree);
    QVERIFY(tree->SelectNode(tree->FindNode(kNodePrivate, 0)));
    QCoreApplication::processEvents();
    auto *form = qobject_cast<CPrivateView *>(child->RightView());
    QVERIFY(form);

    QTimer poll;
    connect(&poll, &QTimer::timeout, this, [&] {
        auto *dlg = qobject_cast<CReadPidDialog *>(QApplication::activeModalWidget());
        if (dlg && dlg->OkButton()->isEnabled())
            dlg->OkButton()->click();
    });
    poll.start(10);
    form->ReadPidButton()->click();
    poll.stop();
    QCOMPARE(form->PidEdit()->text(), QStringLiteral("10000555"));
    QCOMPARE(form->ValidateBeforeLeaving(), 1);
    QCOMPARE(child->Document().Model().RootItem().GetContactNameByID(QStringLiteral("10000555")),
             QStringLiteral("This Radio"));
}

QTEST_MAIN(TestRadio)
#include "tst_gui_radio.moc"
