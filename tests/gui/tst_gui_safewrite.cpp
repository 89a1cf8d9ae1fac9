// The desktop program's safe write against zqv-radio-sim: the change report before the write,
// the backup, the check afterwards; Cancel in the report sends nothing; a write cut off
// part-way offers the backup and restores the radio; Device > Restore Backup writes a chosen
// backup back; the Preference dialog keeps the switches.
#include "CliTestSupport.h"
#include "GuiRadioSupport.h"
#include "GuiTestSupport.h"

#include "BackupStore.h"
#include "CommandIds.h"
#include "FrameEditors.h"
#include "PreferenceDialog.h"
#include "RadioCommands.h"
#include "SafeWriteDialogs.h"
#include "StringTable.h"

#include <QAction>
#include <QCheckBox>
#include <QSpinBox>
#include <QTimer>
#include <QTreeWidget>

using namespace zqv;
using namespace zqvtest;

class TestSafeWriteGui : public QObject, public CRadioWorldFixture {
    Q_OBJECT

    QTemporaryDir m_data;

    // The open profile is the template (its own contact 10000101); the radio starts as the
    // simulator's fresh radio with that ID, so the write changes its settings, contacts and
    // text.
    bool StartWorld(const QStringList &simArgs)
    {
        const QString path = m_world->CopyOfTemplate("mine.zqv");
        if (!Start(QStringList{"--unit-pid", "10000101"} + simArgs, {path}))
            return false;
        m_world->store->WriteSafeWrite({true, true, CConfigStore::kDefaultBackupKeep});
        return true;
    }
    bool RunCommand(int id)
    {
        m_world->Frame().Action(id)->trigger();
        return WaitIdle();
    }
    VirtualCPData RadioMemory() const { return test::LoadRecord(m_sim->DumpPath()); }
    static std::vector<link::BackupEntry> Backups() { return link::ListBackups(CConfigStore::BackupFolder()); }
    static QByteArray ReadAll(const QString &path)
    {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_data.isValid());
        qputenv("XDG_DATA_HOME", m_data.path().toLocal8Bit());
    }
    void init()
    {
        QDir(CConfigStore::BackupFolder()).removeRecursively();
        InitRadioWorld();
    }
    void cleanup() { CleanupRadioWorld(); }

    void writeReportsBacksUpAndVerifies()
    {
        QVERIFY(StartWorld({}));
        QVERIFY(RunCommand(ID_DEVICE_WRITE));
        QCOMPARE(m_driver->changeReports.size(), 1);
        const QStringList rows = m_driver->changeReports.first();
        QVERIFY2(rows.contains(QString("%1|%2|Hello|On my way").arg(FormatStr(IDS_DIFF_TEXT, {"1", "Hello"}), "text")),
                 qPrintable(rows.join(u'\n')));
        QCOMPARE(Shown(m_world->prompter), QStringList{LoadStr(IDS_SAFE_VERIFIED)});
        // One flow: no step waited for OK, success was said after the check.
        QCOMPARE(m_driver->okClicks, 0);
        const auto backups = Backups();
        QCOMPARE(int(backups.size()), 1);
        QCOMPARE(test::LoadRecord(backups.front().path).texts[0], QString("Hello"));
        QCOMPARE(RadioMemory().texts[0], QString("On my way"));
    }

    void cancelInTheReportSendsNothing()
    {
        QVERIFY(StartWorld({}));
        m_driver->writeChanges = false;
        QVERIFY(RunCommand(ID_DEVICE_WRITE));
        QCOMPARE(m_driver->changeReports.size(), 1);
        QCOMPARE(Shown(m_world->prompter), QStringList());
        QVERIFY(!m_sim->ReceivedAnyWrite());
        // A second declined write leaves the one backup of the unchanged radio alone.
        QVERIFY(RunCommand(ID_DEVICE_WRITE));
        QCOMPARE(m_driver->changeReports.size(), 2);
        QCOMPARE(int(Backups().size()), 1);
    }

    // The line drops part-way; Yes to the offer writes the backup back. Then Device > Restore
    // Backup writes the chosen backup once more: the radio holds it already, which the
    // question says.
    void droppedWriteIsRestored()
    {
        QVERIFY(StartWorld({"--drop-after", "1"}));
        m_driver->closeFailedDialogs = true;
        m_world->prompter.Queue(IDYES);  // the offer to restore
        QVERIFY(RunCommand(ID_DEVICE_WRITE));
        const QString backup = Backups().front().path;
        const QStringList shown = Shown(m_world->prompter);
        QVERIFY2(shown.contains(FormatStr(IDS_SAFE_RESTORE_QUESTION, {backup})), qPrintable(shown.join(u'\n')));
        QCOMPARE(shown.last(), LoadStr(IDS_SAFE_VERIFIED));
        QCOMPARE(RadioMemory().texts[0], QString("Hello"));

        int listed = -1;
        QTimer answer;
        connect(&answer, &QTimer::timeout, this, [&] {
            if (auto *dlg = qobject_cast<CRestoreBackupDialog *>(QApplication::activeModalWidget())) {
                listed = dlg->List()->topLevelItemCount();
                dlg->accept();
            }
        });
        answer.start(10);
        m_world->prompter.Clear();
        m_world->prompter.Queue(IDYES);
        QVERIFY(RunCommand(ID_DEVICE_RESTORE));
        QCOMPARE(listed, 1);
        QCOMPARE(Shown(m_world->prompter),
                 (QStringList{LoadStr(IDS_SAFE_NOTHING_CHANGES), LoadStr(IDS_SAFE_VERIFIED)}));
        QCOMPARE(RadioMemory().texts[0], QString("Hello"));

        // It was written from an untitled copy: Save asks for a new file and never touches the
        // backup, which is no recent file either.
        CChildFrame *copy = m_world->Frame().ActiveChild();
        QVERIFY(copy && copy->Document().GetPathName().isEmpty());
        QVERIFY(!m_world->app->RecentFiles().contains(backup));
        const QByteArray before = ReadAll(backup);
        copy->SetModified();
        QVERIFY(!copy->Save(false));
        QCOMPARE(m_world->fileDialog.asked, 1);
        QCOMPARE(ReadAll(backup), before);
    }

    // A backup of another radio: the report's first line and its question name both radios.
    void restoreNamesWhoseBackupItIs()
    {
        QVERIFY(StartWorld({}));
        VirtualCPData other = test::LoadRecord(m_world->CopyOfTemplate("other.zqv"));
        other.limit.pid = QStringLiteral("10000999");
        const QString folder = CConfigStore::BackupFolder() + QStringLiteral("/10000999");
        QVERIFY(QDir().mkpath(folder));
        test::SaveProfile(other, folder + QStringLiteral("/2026-01-01_00-00-00.zqv"));
        QTimer answer;
        connect(&answer, &QTimer::timeout, this, [&] {
            if (auto *dlg = qobject_cast<CRestoreBackupDialog *>(QApplication::activeModalWidget()))
                dlg->accept();
        });
        answer.start(10);
        m_driver->writeChanges = false;
        QVERIFY(RunCommand(ID_DEVICE_RESTORE));
        QCOMPARE(m_driver->changeReportIntros.size(), 1);
        const QString connected = QStringLiteral("My Radio (10000101)");
        QVERIFY2(m_driver->changeReportIntros.first().startsWith(
                     FormatStr(IDS_RESTORE_OTHER_RADIO, {"10000999", connected}) + u'\n'),
                 qPrintable(m_driver->changeReportIntros.first()));
        QCOMPARE(m_driver->changeReportQuestions.first(),
                 FormatStr(IDS_RESTORE_OTHER_RADIO_QUESTION, {"10000999", connected}));
    }

    // The list names each backup's radio and model, orders backups of one second by their
    // number, and writes dates in the language it is given.
    void restoreListNamesTheRadios()
    {
        QTemporaryDir root;
        const VirtualCPData radio =
            test::LoadRecord(QStringLiteral(ZQV_DATA_SOURCE_DIR "/ProfileTemplate/ZQ-450 Standard.zqv"));
        const QDateTime t0(QDate(2026, 3, 14), QTime(15, 9, 26));
        for (int n = 1; n <= 10; ++n)
            test::SaveProfile(radio, link::NewBackupPath(root.path(), radio.limit.pid, t0));
        const QLocale german(QLocale::German, QLocale::Germany);
        CRestoreBackupDialog dlg(root.path(), QString(), german);
        QTreeWidget *list = dlg.List();
        QCOMPARE(list->topLevelItemCount(), 10);
        const QTreeWidgetItem *first = list->topLevelItem(0);
        QCOMPARE((QStringList{first->text(0), first->text(1), first->text(2), first->text(3), first->text(5)}),
                 (QStringList{"10000101", "This Radio", "Z450", german.toString(t0.date(), QLocale::ShortFormat),
                              "2026-03-14_15-09-26-10"}));
        QCOMPARE(list->topLevelItem(1)->text(5), QStringLiteral("2026-03-14_15-09-26-9"));
        QCOMPARE(list->topLevelItem(9)->text(5), QStringLiteral("2026-03-14_15-09-26"));
    }

    // A write that fails or does not check out ends with one message that says what happened
    // and offers what can be done next; each offer is made once.
    void failedWriteOrCheck_data()
    {
        QTest::addColumn<QStringList>("sim");
        QTest::addColumn<QList<int>>("answers");
        QTest::addColumn<QList<int>>("shown");  // the messages, in order
        QTest::newRow("refused part-way: only the offer of the backup")
            << QStringList{"--fail", "31@2:q-other"} << QList<int>{IDNO} << QList<int>{IDS_SAFE_RESTORE_QUESTION};
        QTest::newRow("the write-back fails too")
            << QStringList{"--drop-after", "1", "--fail", "31@3:q-other"} << QList<int>{IDYES}
            << QList<int>{IDS_SAFE_RESTORE_QUESTION, IDS_RESTORE_WRITE_FAILED};
        QTest::newRow("check fails: written again, then the backup")
            << QStringList{"--corrupt-record", "1"} << QList<int>{IDYES, IDYES}
            << QList<int>{IDS_VERIFY_RETRY_OR_RESTORE, IDS_VERIFY_RESTORE, IDS_SAFE_VERIFY_FAILED};
        QTest::newRow("check fails: Cancel leaves the radio")
            << QStringList{"--corrupt-record", "1"} << QList<int>{IDCANCEL} << QList<int>{IDS_VERIFY_RETRY_OR_RESTORE};
        QTest::newRow("a different radio answers the check")
            << QStringList{"--pid-after-write", "20009999"} << QList<int>{} << QList<int>{IDS_VERIFY_OTHER_RADIO};
    }
    void failedWriteOrCheck()
    {
        QFETCH(QStringList, sim);
        QFETCH(QList<int>, answers);
        QFETCH(QList<int>, shown);
        QVERIFY(StartWorld(sim));
        m_driver->closeFailedDialogs = true;
        for (const int answer : answers)
            m_world->prompter.Queue(answer);
        QVERIFY(RunCommand(ID_DEVICE_WRITE));
        const QStringList texts = Shown(m_world->prompter);
        QCOMPARE(texts.size(), shown.size());
        for (int i = 0; i < shown.size(); ++i) {
            // The fixed parts of the text around its lists and paths.
            const QString model = LoadStr(shown[i]);
            QVERIFY2(texts[i].startsWith(model.section(QStringLiteral("%s"), 0, 0)) &&
                         texts[i].endsWith(model.section(QStringLiteral("%s"), -1)),
                     qPrintable(texts.join(QStringLiteral("\n---\n"))));
        }
        if (shown.contains(IDS_SAFE_RESTORE_QUESTION))
            QVERIFY(texts.first().endsWith(Backups().front().path));
        if (shown.first() == IDS_VERIFY_OTHER_RADIO)
            QCOMPARE(texts.first(),
                     FormatStr(IDS_VERIFY_OTHER_RADIO, {"10000101", "R5E.08.00", "20009999", "R5E.08.00"}));
    }

    void preferenceKeepsTheSwitches()
    {
        QVERIFY(StartWorld({}));
        CPreferenceDialog dlg(*m_world->store, *m_world->ports);
        QVERIFY(dlg.BackupBox()->isChecked());
        dlg.VerifyBox()->setChecked(false);
        dlg.KeepBox()->setValue(5);
        dlg.accept();
        const CConfigStore::SafeWrite safe = m_world->store->ReadSafeWrite();
        QVERIFY(safe.backup);
        QVERIFY(!safe.verify);
        QCOMPARE(safe.keep, 5);
    }
};

QTEST_MAIN(TestSafeWriteGui)
#include "tst_gui_safewrite.moc"
