// The settings form end to end against the simulated radio: every setting changed through the
// form, saved and written arrives in the radio; with Set Time Using PC Clock checked the
// radio's clock comes from the PC.
#include "ChildFrame.h"
#include "CommandIds.h"
#include "ControlIds.h"
#include "FrameEditors.h"
#include "GuiRadioSupport.h"
#include "GuiTestSupport.h"
#include "RadioCommands.h"
#include "RadioDataModel.h"
#include "RadioTransfer.h"
#include "SettingsView.h"
#include "TransferSequencer.h"
#include "XmlDom.h"
#include "ZQVCPSTreeView.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QLineEdit>
#include <QTest>

using namespace zqv;
using namespace zqvtest;

class TestSettingsRadio : public QObject, public CRadioWorldFixture {
    Q_OBJECT

private slots:
    void init() { InitRadioWorld(); }
    void cleanup() { CleanupRadioWorld(); }

    void everySettingArrivesInTheRadio()
    {
        const QString path = m_world->CopyOfTemplate("mine.zqv", QStringLiteral("ZQ-880 Fleet"));
        QVERIFY(StartWithProfile(path));
        CSettingsView *form = SettingsForm();
        QVERIFY(form);
        // Another position in every list, every check box flipped (the timeout switch last,
        // so that its list could still be changed), the password pair, the clock and alarm.
        for (int id : {IDC_SETTINGS_CONTRAST, IDC_SETTINGS_BACKLIGHT, IDC_SETTINGS_TIME_FORMAT,
                       IDC_SETTINGS_DATE_FORMAT, IDC_SETTINGS_RINGER, IDC_SETTINGS_SPEAKER, IDC_SETTINGS_KEYPAD,
                       IDC_SETTINGS_ALARM_VOLUME, IDC_SETTINGS_EARPIECE, IDC_SETTINGS_LANGUAGE, IDC_SETTINGS_TPT_OFFSET,
                       IDC_SETTINGS_NOISE_ACCESSORY, IDC_SETTINGS_NOISE_RADIO, IDC_SETTINGS_TX_TOT}) {
            QComboBox *list = form->List(id);
            list->setCurrentIndex((list->currentIndex() + 1) % list->count());
        }
        for (int id : {IDC_SETTINGS_VIBRACALL, IDC_SETTINGS_ALARM, IDC_SETTINGS_INTERNAL_PTT_DIS,
                       IDC_SETTINGS_PROG_MODE_DIS, IDC_SETTINGS_PRIVATE_REPLY_DIS, IDC_SETTINGS_TX_TOT_DIS})
            form->CheckBox(id)->toggle();
        form->DatePicker()->setDate(QDate(2031, 7, 14));
        form->TimePicker()->setTime(QTime(16, 45));
        form->AlarmPicker()->setTime(QTime(5, 15));
        form->PasswordEdit()->setText(QStringLiteral("2468"));
        form->ConfirmEdit()->setText(QStringLiteral("2468"));
        QVERIFY(m_world->Frame().ActiveChild()->Tree().CommitPendingEdits());
        QVERIFY(Shown(m_world->prompter).isEmpty());

        const QMap<QString, QString> edited = SettingAttributes(ProfileNode());
        QCOMPARE(edited.value("current_time"),
                 QString::number(CSettingsView::ToSeconds(QDate(2031, 7, 14), QTime(16, 45))));
        QCOMPARE(edited.value("password"), QStringLiteral("2468"));
        QMap<QString, QString> original;
        {
            CRadioDataModel model(m_world->app->ModelEnvironment());
            QVERIFY(model.Initialize() && model.LoadProfile(path, true));
            original = SettingAttributes(model.ProfileDocument()->SelectOne(nullptr, QStringLiteral("//dfns:setting")));
        }
        QStringList changed;
        for (auto it = edited.cbegin(); it != edited.cend(); ++it)
            if (original.value(it.key()) != it.value())
                changed << it.key();
        QCOMPARE(changed.size(), 23);  // every attribute the form edits

        m_world->Frame().Action(ID_FILE_SAVE)->trigger();
        QVERIFY(!m_world->Frame().ActiveChild()->Document().IsModified());
        QVERIFY(RunWrite());
        QCOMPARE(Shown(m_world->prompter), QStringList());
        const QMap<QString, QString> radio = RadioSettings();
        for (const QString &name : changed)
            QVERIFY2(radio.value(name) == edited.value(name),
                     qPrintable(
                         QStringLiteral("%1: radio %2, profile %3").arg(name, radio.value(name), edited.value(name))));
    }

    void pcClockSetsTheRadioClock()
    {
        const QString path = m_world->CopyOfTemplate("mine.zqv", QStringLiteral("ZQ-880 Fleet"));
        QVERIFY(StartWithProfile(path));
        CSettingsView *form = SettingsForm();
        QVERIFY(form);
        form->CheckBox(IDC_SETTINGS_PC_CLOCK)->setChecked(true);
        const quint32 before = CTransferSequencer::ClockSeconds(QDateTime::currentDateTime());
        QVERIFY(RunWrite());
        const quint32 after = CTransferSequencer::ClockSeconds(QDateTime::currentDateTime());
        const quint32 clock = RadioSettings().value("current_time").toUInt();
        QVERIFY2(clock >= before && clock <= after, qPrintable(QString::number(clock)));
    }

private:
    bool StartWithProfile(const QString &path)
    {
        return Start({"--profile", path, "--empty"}, {path}) && m_world->Frame().ActiveChild() != nullptr;
    }
    CSettingsView *SettingsForm()
    {
        auto *tree = qobject_cast<CZQVCPSTreeView *>(m_world->Frame().ActiveChild()->Tree().Widget());
        if (!tree || !tree->SelectNode(tree->FindNode(kNodeSettings)))
            return nullptr;
        QCoreApplication::processEvents();
        return qobject_cast<CSettingsView *>(m_world->Frame().ActiveChild()->RightView());
    }
    xmlNodePtr ProfileNode()
    {
        return m_world->Frame().ActiveChild()->Document().Model().ProfileDocument()->SelectOne(
            nullptr, QStringLiteral("//dfns:setting"));
    }
    static QMap<QString, QString> SettingAttributes(xmlNodePtr setting)
    {
        QMap<QString, QString> out;
        for (xmlAttrPtr a = setting ? setting->properties : nullptr; a; a = a->next)
            out.insert(QString::fromUtf8(reinterpret_cast<const char *>(a->name)),
                       GetAttr(setting, reinterpret_cast<const char *>(a->name)));
        return out;
    }
    bool RunWrite()
    {
        m_world->Frame().Action(ID_DEVICE_WRITE)->trigger();
        return WaitIdle() && m_world->app->Radio().LastDialogResult() == 1;
    }
    // The settings in the radio's memory, which the simulator keeps as a profile.
    QMap<QString, QString> RadioSettings()
    {
        CRadioDataModel dumped(m_world->app->ModelEnvironment());
        if (!dumped.Initialize() || !dumped.LoadProfile(m_sim->DumpPath(), true))
            return {};
        return SettingAttributes(dumped.ProfileDocument()->SelectOne(nullptr, QStringLiteral("//dfns:setting")));
    }
};

QTEST_MAIN(TestSettingsRadio)
#include "tst_settings_radio.moc"
