// Device > Fleet against simulated radios, one zqv-radio-sim per cable: the rows follow the
// cables, the one confirmation lists the radios to be written, a radio not in the profile is
// offered as a private contact (one undo step), and the run table is saved as CSV. A cable
// plugged in during a run is the fleet run's own affair (tst_fleet).
#include "GuiRadioSupport.h"

#include "ChildFrame.h"
#include "CommandIds.h"
#include "FleetDialogs.h"
#include "FleetWindow.h"
#include "StringTable.h"
#include "TextFile.h"

#include <QAction>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>
#include <QUndoStack>

using namespace zqv;
using namespace zqvtest;

class TestFleetGui : public QObject, public CRadioWorldFixture {
    Q_OBJECT

    QTemporaryDir m_data;
    std::vector<std::unique_ptr<CSimProcess>> m_sims;

    // A simulated radio with unit ID `pid` on a cable of its own; its port.
    QString AddRadio(const QString &pid, const QStringList &options = {})
    {
        m_sims.push_back(std::make_unique<CSimProcess>(QStringList{"--unit-pid", pid} + options));
        if (!m_sims.back()->Ok())
            return QString();
        SerialPortEntry port;
        port.portName = port.systemLocation = m_sims.back()->port;
        port.description = QString::fromLatin1(kCableDescription);
        m_world->ports->ports << port;
        return port.portName;
    }
    // The program with the template open (its own private contact 10000101, "This Radio") and
    // the Fleet window shown.
    CFleetWindow *OpenFleet()
    {
        if (!m_world->Start({m_world->CopyOfTemplate("fleet.zqv")}))
            return nullptr;
        m_world->Frame().Action(ID_DEVICE_FLEET)->trigger();
        auto *window = m_world->Frame().findChild<CFleetWindow *>();
        if (window)
            window->Fleet().SetSessionSetup([](CTransferSession &session) {
                CRadioTransfer::Timing timing;
                timing.endWritePauseMs = 0;
                session.SetTiming(timing);
            });
        return window;
    }
    static QString Cell(const QTreeWidgetItem *item, int column) { return item ? item->text(column) : QString(); }
    // Waits until every row shows a unit ID.
    static bool WaitIdentified(CFleetWindow &window, int rows)
    {
        return QTest::qWaitFor(
            [&] {
                if (window.IsRunning() || window.RowList()->topLevelItemCount() != rows)
                    return false;
                for (int i = 0; i < rows; ++i)
                    if (window.RowList()->topLevelItem(i)->text(CFleetWindow::ColPid).isEmpty())
                        return false;
                return true;
            },
            20000);
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_data.isValid());
        qputenv("XDG_DATA_HOME", m_data.path().toLocal8Bit());
    }
    void init() { InitRadioWorld(); }
    void cleanup()
    {
        CleanupRadioWorld();
        m_sims.clear();
    }

    void rowsFollowTheCablesAndTheRunTableIsSaved()
    {
        const QString mine = AddRadio("10000101");
        const QString stranger = AddRadio("10000102");
        QVERIFY(!mine.isEmpty() && !stranger.isEmpty());
        CFleetWindow *window = OpenFleet();
        QVERIFY(window);
        QVERIFY(window->isVisible());
        QVERIFY(WaitIdentified(*window, 2));
        QTreeWidgetItem *row = window->RowOfPort(mine);
        QCOMPARE(Cell(row, CFleetWindow::ColPid), QString("10000101"));
        QCOMPARE(Cell(row, CFleetWindow::ColName), QString("This Radio"));
        QCOMPARE(Cell(row, CFleetWindow::ColFirmware), QString("R5E.08.00"));
        QVERIFY(!Cell(row, CFleetWindow::ColGroup).isEmpty());
        QCOMPARE(Cell(window->RowOfPort(stranger), CFleetWindow::ColName), QString());

        // The one confirmation lists the radio that will be written, not the refused one.
        QStringList confirmed;
        QTimer driver;
        connect(&driver, &QTimer::timeout, this, [&] {
            if (auto *dlg = qobject_cast<CFleetConfirmDialog *>(QApplication::activeModalWidget())) {
                for (int i = 0; i < dlg->List()->topLevelItemCount(); ++i)
                    confirmed << dlg->List()->topLevelItem(i)->text(0);
                dlg->accept();
            }
        });
        driver.start(20);
        window->Fleet().SetPollInterval(100);
        QVERIFY(window->ActionButton(FleetAction::Write)->isEnabled());
        window->ActionButton(FleetAction::Write)->click();
        driver.stop();
        QVERIFY(!window->IsRunning());
        QCOMPARE(confirmed.size(), 1);
        QVERIFY2(confirmed[0].contains(mine) && confirmed[0].contains("This Radio"), qPrintable(confirmed[0]));

        // The run table: the radio written and the one refused.
        QCOMPARE(window->RunList()->topLevelItemCount(), 2);
        QVERIFY(window->SaveCsvButton()->isEnabled());
        const QString csv = m_data.filePath("run.csv");
        QVERIFY(window->SaveRunTable(csv));
        const QStringList lines = ReadTextFile(csv).split(u'\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 3);
        const QString written = lines.filter("10000101").value(0);
        const QString refused = lines.filter("10000102").value(0);
        QVERIFY2(written.contains(CFleetRun::ResultText(FleetResult::Succeeded)), qPrintable(written));
        QVERIFY2(refused.contains(CFleetRun::ResultText(FleetResult::Refused)), qPrintable(refused));
        QVERIFY(!m_sims[1]->ReceivedAnyWrite());

        // The cable pulled out: its row goes.
        m_world->ports->ports.removeLast();
        QVERIFY(QTest::qWaitFor([&] { return !window->RowOfPort(stranger); }, 5000));
        QCOMPARE(window->RowList()->topLevelItemCount(), 1);
    }

    void radioNotInTheProfileIsAddedAsOneUndoStep()
    {
        QVERIFY(!AddRadio("10000101").isEmpty());
        const QString stranger = AddRadio("10000102");
        CFleetWindow *window = OpenFleet();
        QVERIFY(window);
        QVERIFY(WaitIdentified(*window, 2));
        CChildFrame *child = m_world->Frame().ActiveChild();
        QVERIFY(child);
        const int steps = child->UndoStack().count();
        QVERIFY(window->AddButton()->isEnabled());
        // Only the radio that is not in the profile is offered, whichever rows are chosen.
        window->AddButton()->click();
        QVERIFY(WaitIdentified(*window, 2));
        QVERIFY(child->Document().Model().ProfileText().contains(QLatin1String("pid=\"10000102\"")));
        QCOMPARE(child->UndoStack().count(), steps + 1);
        QCOMPARE(child->UndoStack().undoText(), FormatStr(IDS_FLEET_ADD_UNDO, {"1"}));
        // Its row takes the new contact's name, and there is nothing left to add.
        QCOMPARE(Cell(window->RowOfPort(stranger), CFleetWindow::ColName), QString("10000102"));
        QVERIFY(!window->AddButton()->isEnabled());
        child->UndoStack().undo();
        QVERIFY(!child->Document().Model().ProfileText().contains(QLatin1String("pid=\"10000102\"")));
    }
};

QTEST_MAIN(TestFleetGui)
#include "tst_gui_fleet.moc"
