// Device > Compare with Radio and Device > History against zqv-radio-sim: the comparison reads
// the radio and shows the profile's changes side by side without writing or backing up; a
// write of the desktop program is listed in the history, filtered, and becomes a job sheet.
#include "CliTestSupport.h"
#include "GuiRadioSupport.h"
#include "GuiTestSupport.h"

#include "CommandIds.h"
#include "CompareRadioDialog.h"
#include "FrameEditors.h"
#include "StringTable.h"
#include "TextFile.h"
#include "WriteHistoryDialog.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QTimer>
#include <QTreeWidget>

using namespace zqv;
using namespace zqvtest;

namespace {

QStringList Rows(const QTreeWidget *list, std::initializer_list<int> columns)
{
    QStringList rows;
    for (int i = 0; i < list->topLevelItemCount(); ++i) {
        QStringList cells;
        for (int c : columns)
            cells << list->topLevelItem(i)->text(c);
        rows << cells.join(u'|');
    }
    return rows;
}

}  // namespace

class TestHistoryGui : public QObject, public CRadioWorldFixture {
    Q_OBJECT

    QTemporaryDir m_data;
    QString m_profile;

    // The open profile is the template (own contact 10000101, text "On my way"); the radio is
    // the simulator's fresh radio with that ID (text "Hello").
    bool StartWorld()
    {
        m_profile = m_world->CopyOfTemplate("mine.zqv");
        if (!Start(QStringList{"--unit-pid", "10000101"}, {m_profile}))
            return false;
        m_world->store->WriteSafeWrite({true, true, CConfigStore::kDefaultBackupKeep});
        return true;
    }
    // Triggers `id` and hands the modal window of type T to `look` once it shows, then closes it.
    template <class T>
    bool WithDialog(int id, const std::function<void(T &)> &look)
    {
        bool seen = false;
        QTimer timer;
        connect(&timer, &QTimer::timeout, this, [&] {
            if (auto *dlg = qobject_cast<T *>(QApplication::activeModalWidget()); dlg && !seen) {
                seen = true;
                look(*dlg);
                dlg->reject();
            }
        });
        timer.start(10);
        m_world->Frame().Action(id)->trigger();
        return seen;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_data.isValid());
        qputenv("XDG_DATA_HOME", m_data.path().toLocal8Bit());
    }
    void init()
    {
        QDir(m_data.path()).removeRecursively();
        InitRadioWorld();
    }
    void cleanup() { CleanupRadioWorld(); }

    void compareShowsTheChangesAndWritesNothing()
    {
        QVERIFY(StartWorld());
        QStringList rows;
        QString intro;
        QVERIFY(WithDialog<CCompareRadioDialog>(ID_DEVICE_COMPARE, [&](CCompareRadioDialog &dlg) {
            rows = Rows(dlg.List(), {0, 1, 2, 3});
            intro = dlg.IntroText();
        }));
        QVERIFY2(rows.contains(QString("%1|text|Hello|On my way").arg(FormatStr(IDS_DIFF_TEXT, {"1", "Hello"}))),
                 qPrintable(rows.join(u'\n')));
        QVERIFY2(intro.contains(QStringLiteral("10000101")), qPrintable(intro));
        // A look only: nothing sent, no backup, no question.
        QVERIFY(!m_sim->ReceivedAnyWrite());
        QVERIFY(!QDir(CConfigStore::BackupFolder()).exists());
        QCOMPARE(Shown(m_world->prompter), QStringList());
        QCOMPARE(m_driver->changeReports.size(), 0);
    }

    void writeIsInTheHistoryAndItsJobSheet()
    {
        QVERIFY(StartWorld());
        m_world->Frame().Action(ID_DEVICE_WRITE)->trigger();
        QVERIFY(WaitIdle());
        QCOMPARE(Shown(m_world->prompter), QStringList{LoadStr(IDS_SAFE_VERIFIED)});

        QStringList all, other, sheet;
        QVERIFY(WithDialog<CWriteHistoryDialog>(ID_DEVICE_HISTORY, [&](CWriteHistoryDialog &dlg) {
            all = Rows(dlg.List(), {2, 5, 3});
            QVERIFY(dlg.List()->topLevelItem(0)->text(4).contains(QStringLiteral("On my way")));
            dlg.RadioBox()->setText(QStringLiteral("999"));
            other = Rows(dlg.List(), {2});
            dlg.RadioBox()->setText(QStringLiteral("10000101"));
            dlg.FromBox()->setChecked(true);
            dlg.FromDate()->setDate(QDate::currentDate().addDays(1));
            sheet << QString::number(dlg.List()->topLevelItemCount());
            dlg.FromDate()->setDate(QDate::currentDate());
            dlg.CustomerBox()->setText(QStringLiteral("Acme Security"));
            const QString page = ReadTextFile(dlg.WriteJobSheet());
            sheet << QString::number(page.contains(QStringLiteral("Acme Security")))
                  << QString::number(page.contains(QStringLiteral("On my way")));
        }));
        QCOMPARE(all,
                 QStringList{QString("10000101|%1|%2")
                                 .arg(QDir::toNativeSeparators(m_profile), LoadStr(IDS_HISTORY_RESULT_VERIFIED))});
        QCOMPARE(other, QStringList{});
        QCOMPARE(sheet, (QStringList{"0", "1", "1"}));
    }
};

QTEST_MAIN(TestHistoryGui)
#include "tst_gui_history.moc"
