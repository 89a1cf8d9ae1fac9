// The settings form against the shipped templates: what each control stores, what the model's
// limits offer, refused writes, the password checks, the clock and the controls each setting
// group shows.
#include "ControlIds.h"
#include "EditorTestSupport.h"
#include "SettingsView.h"
#include "StringTable.h"
#include "TwoListWidget.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include <ctime>

using namespace zqvtest;

namespace {

QString SettingAttr(CEditorWindow &w, const char *name)
{
    return AttrText(ChildItem(w.Root(), "setting"), name);
}

}  // namespace

class TestEditorsSettings : public QObject {
    Q_OBJECT

private:
    static CSettingsView *Open(CEditorWindow &w, const QString &path)
    {
        const bool opened = path.endsWith(QLatin1String(".zqv")) && !path.contains(QLatin1Char('/'))
            ? w.NewFromTemplate(path)
            : w.Open(path);
        if (!opened || !w.Select(kNodeSettings))
            return nullptr;
        return w.FormAs<CSettingsView>();
    }

private slots:
    // A zone far from UTC, with an odd offset in its early history: the clock must not move.
    void initTestCase()
    {
        qputenv("TZ", "Asia/Kolkata");
        tzset();
    }

    // Every list position and check-box state stores the value the radio expects.
    void controlStoresItsValue_data()
    {
        QTest::addColumn<int>("control");
        QTest::addColumn<int>("choice");  // list position, or 1/0 for a check box
        QTest::addColumn<QString>("attribute");
        QTest::addColumn<QString>("stored");
        const auto row = [](const char *tag, int control, int choice, const char *attribute, const char *stored) {
            QTest::newRow(tag) << control << choice << QString::fromLatin1(attribute) << QString::fromLatin1(stored);
        };
        row("vibracall off", IDC_SETTINGS_VIBRACALL, 0, "vibracall", "2");
        row("vibracall on", IDC_SETTINGS_VIBRACALL, 1, "vibracall", "1");
        row("contrast first", IDC_SETTINGS_CONTRAST, 0, "contrast", "6");
        row("contrast last", IDC_SETTINGS_CONTRAST, 6, "contrast", "0");
        row("backlight 90 s", IDC_SETTINGS_BACKLIGHT, 0, "backlight", "90000");
        row("backlight 5 s", IDC_SETTINGS_BACKLIGHT, 4, "backlight", "5000");
        row("backlight off", IDC_SETTINGS_BACKLIGHT, 5, "backlight", "0");
        row("12 hours", IDC_SETTINGS_TIME_FORMAT, 0, "time_format", "0");
        row("day first", IDC_SETTINGS_DATE_FORMAT, 1, "date_format", "1");
        row("alarm on", IDC_SETTINGS_ALARM, 1, "alarm_en", "1");
        row("ringer silent", IDC_SETTINGS_RINGER, 0, "ringer_vol_level", "0");
        row("keypad 5", IDC_SETTINGS_KEYPAD, 5, "keypad_vol_level", "5");
        row("speaker lowest", IDC_SETTINGS_SPEAKER, 0, "speaker_vol_level", "1");
        row("alarm volume 3", IDC_SETTINGS_ALARM_VOLUME, 2, "alarm_vol_level", "3");
        row("earpiece highest", IDC_SETTINGS_EARPIECE, 8, "earpiece_vol_level", "9");
        row("tone offset -13", IDC_SETTINGS_TPT_OFFSET, 13, "tpt_offset", "13");
        row("noise accessory low", IDC_SETTINGS_NOISE_ACCESSORY, 0, "noise_level_accessory", "1");
        row("noise radio high", IDC_SETTINGS_NOISE_RADIO, 3, "noise_level_radio", "4");
        row("language German", IDC_SETTINGS_LANGUAGE, 4, "language", "7");
        row("language Dutch", IDC_SETTINGS_LANGUAGE, 5, "language", "9");
        row("internal PTT off", IDC_SETTINGS_INTERNAL_PTT_DIS, 1, "internal_ptt_dis", "1");
        row("programming mode off", IDC_SETTINGS_PROG_MODE_DIS, 1, "prog_mode_dis", "1");
        row("timeout timer off", IDC_SETTINGS_TX_TOT_DIS, 1, "tx_timeout_timer_dis", "1");
        row("timeout 180 s", IDC_SETTINGS_TX_TOT, 2, "tot_timer", "180");
        row("private reply off", IDC_SETTINGS_PRIVATE_REPLY_DIS, 1, "priv_grp_call_rep_dis", "1");
    }
    void controlStoresItsValue()
    {
        QFETCH(int, control);
        QFETCH(int, choice);
        QFETCH(QString, attribute);
        QFETCH(QString, stored);
        CEditorWindow w;
        CSettingsView *form = Open(w, kFleet);
        QVERIFY(form);
        w.ClearModified();
        const QByteArray name = attribute.toLatin1();
        if (QComboBox *list = form->List(control)) {
            QVERIFY(list->currentIndex() != choice);
            list->setCurrentIndex(choice);
        } else {
            QCheckBox *check = form->CheckBox(control);
            QVERIFY(check);
            if (check->isChecked() == bool(choice))
                check->setChecked(!choice);
            check->setChecked(choice);
        }
        QCOMPARE(SettingAttr(w, name.constData()), stored);
        QVERIFY(w.IsModified());
        QVERIFY(w.prompter.History().empty());
        // The profile's value reads back as the same choice.
        QVERIFY(w.Select(kNodeRoot));
        QVERIFY(w.Select(kNodeSettings));
        form = w.FormAs<CSettingsView>();
        if (QComboBox *list = form->List(control))
            QCOMPARE(list->currentIndex(), choice);
        else
            QCOMPARE(form->CheckBox(control)->isChecked(), bool(choice));
    }

    // What the lists offer follows the model's limits.
    void listsFollowTheModel()
    {
        CEditorWindow w;
        CSettingsView *form = Open(w, kFleet);
        QVERIFY(form);
        QCOMPARE(form->List(IDC_SETTINGS_RINGER)->count(), 10);
        QCOMPARE(form->List(IDC_SETTINGS_SPEAKER)->itemText(0), QStringLiteral("1"));
        QCOMPARE(form->List(IDC_SETTINGS_TPT_OFFSET)->itemText(13), QStringLiteral("-13"));
        QCOMPARE(form->List(IDC_SETTINGS_BACKLIGHT)->itemText(0), QStringLiteral("90 seconds"));
        QCOMPARE(form->List(IDC_SETTINGS_BACKLIGHT)->itemText(5), LoadStr(IDS_SET_OFF));
        QVERIFY(form->CheckBox(IDC_SETTINGS_VIBRACALL)->isEnabled());

        // Highest volume 0, the vibrator disabled, an unknown language id and a list longer
        // than its count.
        QTemporaryDir dir;
        const QString path = EditedTemplate(dir, kFleet, [](QString &text) {
            text.replace(QStringLiteral("max_vol_level=\"9\""), QStringLiteral("max_vol_level=\"0\""));
            text.replace(QStringLiteral("vibracall_dis=\"0\""), QStringLiteral("vibracall_dis=\"1\""));
            text.replace(QStringLiteral("num_of_languages=\"6\""), QStringLiteral("num_of_languages=\"4\""));
            text.replace(QStringLiteral("language_id=\"1\""), QStringLiteral("language_id=\"3\""));
        });
        CEditorWindow w2;
        form = Open(w2, path);
        QVERIFY(form);
        QCOMPARE(form->List(IDC_SETTINGS_RINGER)->count(), 1);
        QCOMPARE(form->List(IDC_SETTINGS_KEYPAD)->itemText(0), QStringLiteral("0"));
        QCOMPARE(form->List(IDC_SETTINGS_SPEAKER)->count(), 0);
        QCOMPARE(form->List(IDC_SETTINGS_ALARM_VOLUME)->count(), 0);
        QCOMPARE(form->List(IDC_SETTINGS_EARPIECE)->count(), 0);
        QVERIFY(!form->CheckBox(IDC_SETTINGS_VIBRACALL)->isEnabled());
        QComboBox *languages = form->List(IDC_SETTINGS_LANGUAGE);
        QCOMPARE(languages->count(), 3);  // 0, 4, 5: id 3 has no name, 7 and 9 are past the count
        QCOMPARE(languages->itemText(1), LoadStr(IDS_LANGUAGE_FRENCH));
        QCOMPARE(languages->currentText(), LoadStr(IDS_LANGUAGE_ENGLISH));
    }

    // A write the rule script refuses leaves the profile and puts the control back.
    void refusedWriteRestoresTheControl()
    {
        CEditorWindow w;
        CSettingsView *form = Open(w, kFleet);
        QVERIFY(form);
        QComboBox *speaker = form->List(IDC_SETTINGS_SPEAKER);
        const int before = speaker->currentIndex();
        // The model's limit drops under the open form.
        xmlSetProp(ChildItem(w.Root(), "limit").Node(), BAD_CAST "max_vol_level", BAD_CAST "2");
        const QString profile = w.ProfileText();
        w.ClearModified();
        speaker->setCurrentIndex(8);
        QCOMPARE(w.prompter.Texts(), QStringList({LoadStr(IDS_VALUE_NOT_VALID)}));
        QCOMPARE(speaker->currentIndex(), before);
        QCOMPARE(w.ProfileText(), profile);
        QVERIFY(!w.IsModified());
        QCOMPARE(w.closeRequests, 0);
    }

    void disablingTheTimeoutTimerDisablesItsList()
    {
        CEditorWindow w;
        CSettingsView *form = Open(w, kFleet);
        QVERIFY(form);
        QComboBox *timer = form->List(IDC_SETTINGS_TX_TOT);
        QCheckBox *disable = form->CheckBox(IDC_SETTINGS_TX_TOT_DIS);
        QVERIFY(timer->isEnabled());
        disable->setChecked(true);
        QVERIFY(!timer->isEnabled());
        disable->setChecked(false);
        QVERIFY(timer->isEnabled());
        // The alarm picker follows Alarm Enabled the same way.
        QVERIFY(!form->AlarmPicker()->isEnabled());
        form->CheckBox(IDC_SETTINGS_ALARM)->setChecked(true);
        QVERIFY(form->AlarmPicker()->isEnabled());
    }

    // The password checks in their order: too short, mismatch, agreement; both empty is a
    // valid password.
    void passwordChecks()
    {
        CEditorWindow w;
        CSettingsView *form = Open(w, kFleet);
        QVERIFY(form);
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QLineEdit *password = form->PasswordEdit();
        QLineEdit *confirm = form->ConfirmEdit();
        QWidget *elsewhere = form->List(IDC_SETTINGS_CONTRAST);

        // Only digits, at most four.
        password->setFocus();
        QTest::keyClicks(password, QStringLiteral("12a345"));
        QCOMPARE(password->text(), QStringLiteral("1234"));

        // Too short: the message, and the focus goes back.
        password->setText(QStringLiteral("12"));
        confirm->setFocus();
        QCOMPARE(w.prompter.Texts(), QStringList({LoadStr(IDS_PASSWORD_NEEDS_4_DIGITS)}));
        QTRY_VERIFY(password->hasFocus());

        // Moving on to the confirmation is no mismatch yet; leaving it with another value is.
        w.prompter.Clear();
        password->setText(QStringLiteral("1234"));
        confirm->setFocus();
        QVERIFY(w.prompter.History().empty());
        confirm->setText(QStringLiteral("5678"));
        elsewhere->setFocus();
        QCOMPARE(w.prompter.Texts(), QStringList({LoadStr(IDS_PASSWORDS_DO_NOT_MATCH)}));
        QVERIFY(password->text().isEmpty() && confirm->text().isEmpty());
        QCOMPARE(SettingAttr(w, "password"), QString());

        // Agreement stores it.
        w.prompter.Clear();
        password->setFocus();
        password->setText(QStringLiteral("4321"));
        confirm->setFocus();
        confirm->setText(QStringLiteral("4321"));
        elsewhere->setFocus();
        QVERIFY(w.prompter.History().empty());
        QCOMPARE(SettingAttr(w, "password"), QStringLiteral("4321"));

        // Both emptied: the password is removed.
        w.ClearModified();
        password->clear();
        confirm->clear();
        QVERIFY(w.Select(kNodeRoot));
        QCOMPARE(SettingAttr(w, "password"), QString());
        QVERIFY(w.IsModified());
        QVERIFY(w.prompter.History().empty());
    }

    // Leaving the form runs the same checks; a failing one keeps the form.
    void leavingChecksThePassword()
    {
        CEditorWindow w;
        CSettingsView *form = Open(w, kFleet);
        QVERIFY(form);
        form->PasswordEdit()->setText(QStringLiteral("123"));
        QVERIFY(!w.Select(kNodeRoot));
        QCOMPARE(w.prompter.Texts(), QStringList({LoadStr(IDS_PASSWORD_NEEDS_4_DIGITS)}));
        QCOMPARE(w.CurrentKind(), int(kNodeSettings));

        w.prompter.Clear();
        form->PasswordEdit()->setText(QStringLiteral("1234"));
        QVERIFY(!w.Select(kNodeRoot));
        QCOMPARE(w.prompter.Texts(), QStringList({LoadStr(IDS_PASSWORDS_DO_NOT_MATCH)}));
        QVERIFY(form->PasswordEdit()->text().isEmpty());

        w.prompter.Clear();
        form->PasswordEdit()->setText(QStringLiteral("1234"));
        form->ConfirmEdit()->setText(QStringLiteral("1234"));
        QVERIFY(w.Select(kNodeRoot));
        QCOMPARE(SettingAttr(w, "password"), QStringLiteral("1234"));
    }

    // Seconds since 1970 without a time zone, the pickers' formats and range, the PC clock.
    void clock()
    {
        CEditorWindow w;
        CSettingsView *form = Open(w, kFleet);
        QVERIFY(form);
        // 1262304000 is 1 January 2010, midnight, wherever the PC is.
        QCOMPARE(form->DatePicker()->date(), QDate(2010, 1, 1));
        QCOMPARE(form->TimePicker()->time(), QTime(0, 0));
        QCOMPARE(form->AlarmPicker()->time(), QTime(7, 0));  // 25200 s
        QCOMPARE(form->DatePicker()->displayFormat(), QStringLiteral("MM/dd/yy"));
        // A click into a picker selects the field under the pointer, so typed digits replace it.
        auto *timeText = form->TimePicker()->findChild<QLineEdit *>();
        QVERIFY(timeText);
        QTest::mouseClick(timeText, Qt::LeftButton, {}, QPoint(4, timeText->height() / 2));
        QCoreApplication::processEvents();
        QTest::keyClicks(form->TimePicker(), QStringLiteral("1345"));
        QCOMPARE(form->TimePicker()->time(), QTime(13, 45));

        // 12-hour display with AM/PM after the minutes; the date day first.
        form->List(IDC_SETTINGS_TIME_FORMAT)->setCurrentIndex(0);
        form->List(IDC_SETTINGS_DATE_FORMAT)->setCurrentIndex(1);
        form->TimePicker()->setTime(QTime(13, 5));
        QCOMPARE(form->TimePicker()->text(), QStringLiteral("01:05 PM"));
        QCOMPARE(form->AlarmPicker()->text(), QStringLiteral("07:00 AM"));
        QCOMPARE(form->DatePicker()->text(), QStringLiteral("01/01/10"));
        QCOMPARE(SettingAttr(w, "current_time"), QString::number(1262304000 + 13 * 3600 + 5 * 60));

        // The date picker keeps to 2000-2059.
        form->DatePicker()->setDate(QDate(1999, 6, 1));
        QCOMPARE(form->DatePicker()->date(), QDate(2000, 1, 1));
        form->DatePicker()->setDate(QDate(2059, 12, 31));
        form->TimePicker()->setTime(QTime(23, 59, 59));
        QCOMPARE(SettingAttr(w, "current_time"), QStringLiteral("2840140799"));

        // The alarm picker writes alarm_time on its own date.
        form->AlarmPicker()->setTime(QTime(6, 30));
        QCOMPARE(SettingAttr(w, "alarm_time"), QString::number(6 * 3600 + 30 * 60));

        // PC clock: the flag on the document, the pickers disabled and ignored; unchecking
        // writes the pickers' time.
        QCheckBox *pc = form->CheckBox(IDC_SETTINGS_PC_CLOCK);
        pc->setChecked(true);
        QVERIFY(w.Document().PcClockFlag());
        QVERIFY(!form->TimePicker()->isEnabled() && !form->DatePicker()->isEnabled());
        QVERIFY(!form->NowButton()->isEnabled());
        const QString stored = SettingAttr(w, "current_time");
        form->DatePicker()->setDate(QDate(2020, 2, 29));
        QCOMPARE(SettingAttr(w, "current_time"), stored);
        pc->setChecked(false);
        QVERIFY(!w.Document().PcClockFlag());
        QCOMPARE(SettingAttr(w, "current_time"),
                 QString::number(CSettingsView::ToSeconds(QDate(2020, 2, 29), QTime(23, 59, 59))));

        // "Now" takes the PC's present time, to the second.
        const QDateTime earliest = QDateTime::currentDateTime();
        form->NowButton()->click();
        const qint64 now = SettingAttr(w, "current_time").toLongLong();
        const qint64 from = CSettingsView::ToSeconds(earliest.date(), earliest.time());
        QVERIFY2(now >= from - 1 && now <= from + 2, qPrintable(QStringLiteral("%1 %2").arg(now).arg(from)));

        // Without a stored clock the pickers show 1 January of this year, midnight.
        xmlUnsetProp(ChildItem(w.Root(), "setting").Node(), BAD_CAST "current_time");
        QVERIFY(w.Select(kNodeRoot));
        QVERIFY(w.Select(kNodeSettings));
        form = w.FormAs<CSettingsView>();
        QCOMPARE(form->DatePicker()->date(), QDate(QDate::currentDate().year(), 1, 1));
        QCOMPARE(form->TimePicker()->time(), QTime(0, 0));
    }

    // Manager mode and see-all-groups: the contacts move between the lists and their switches
    // follow; adding to manager mode adds to see-all-groups too, removing does not.
    void managerModeAndSeeAllGroups()
    {
        CEditorWindow w;
        QVERIFY(w.NewFromTemplate(kFleet));
        QVERIFY(w.Select(kNodePrivates));
        w.Tree().OnAdd();
        QVERIFY(w.Select(kNodePrivates));
        w.Tree().OnAdd();
        QVERIFY(w.Select(kNodeSettings));
        auto *form = w.FormAs<CSettingsView>();
        QVERIFY(form);
        CTwoListWidget *manager = form->ManagerModeLists();
        CTwoListWidget *seeAll = form->SeeAllGroupsLists();
        QCOMPARE(manager->AvailableList()->count(), 2);
        QCOMPARE(manager->SelectedList()->count(), 1);  // "This Radio"
        QCOMPARE(seeAll->SelectedList()->count(), 1);
        QVERIFY(!manager->AddButton()->isEnabled());

        const auto contact = [&w](const QString &name) {
            for (int i = 0; i < ListItem(w.Root(), kNodePrivates).GetChildCount(); ++i)
                if (AttrText(ListChild(w.Root(), kNodePrivate, i), "name") == name)
                    return ListChild(w.Root(), kNodePrivate, i);
            return CDataItem();
        };
        const QString first = CTwoListWidget::NameOf(manager->AvailableList()->item(0));
        const QString second = CTwoListWidget::NameOf(manager->AvailableList()->item(1));
        w.ClearModified();
        manager->AvailableList()->selectAll();
        QVERIFY(manager->AddButton()->isEnabled());
        manager->AddButton()->click();
        QCOMPARE(manager->SelectedList()->count(), 3);
        QCOMPARE(seeAll->SelectedList()->count(), 3);
        for (const QString &name : {first, second}) {
            QCOMPARE(AttrText(contact(name), "mngr_mode"), QStringLiteral("1"));
            QCOMPARE(AttrText(contact(name), "see_all_groups"), QStringLiteral("1"));
        }
        QVERIFY(w.IsModified());
        // The first moved entry stays selected.
        QCOMPARE(CTwoListWidget::NameOf(manager->SelectedList()->currentItem()), first);

        // Removing from manager mode leaves see-all-groups as it is.
        manager->SelectedList()->clearSelection();
        CTwoListWidget::FindByName(manager->SelectedList(), second)->setSelected(true);
        manager->RemoveButton()->click();
        QCOMPARE(AttrText(contact(second), "mngr_mode"), QStringLiteral("0"));
        QCOMPARE(AttrText(contact(second), "see_all_groups"), QStringLiteral("1"));
        QVERIFY(CTwoListWidget::FindByName(manager->AvailableList(), second));

        CTwoListWidget::FindByName(seeAll->SelectedList(), second)->setSelected(true);
        seeAll->RemoveButton()->click();
        QCOMPARE(AttrText(contact(second), "see_all_groups"), QStringLiteral("0"));
        QVERIFY(w.prompter.History().empty());

        // A model without manager mode offers the pair disabled.
        CEditorWindow w2;
        QVERIFY(w2.NewFromTemplate(QStringLiteral("ZQ-450 Standard.zqv")));
        QVERIFY(w2.Select(kNodeSettings));
        form = w2.FormAs<CSettingsView>();
        QVERIFY(!form->ManagerModeLists()->AvailableList()->isEnabled());
        QVERIFY(form->SeeAllGroupsLists()->AvailableList()->isEnabled());
    }

    // The controls each setting group shows.
    void visibilityBySettingGroup_data()
    {
        QTest::addColumn<QString>("firmwareVersion");
        QTest::addColumn<bool>("password");
        QTest::addColumn<bool>("disableSwitches");
        QTest::addColumn<bool>("lateFields");
        QTest::newRow("G1") << QStringLiteral("2") << false << false << false;
        QTest::newRow("G2") << QStringLiteral("5") << true << true << false;
        QTest::newRow("G3") << QStringLiteral("8") << true << true << true;
    }
    void visibilityBySettingGroup()
    {
        QFETCH(QString, firmwareVersion);
        QFETCH(bool, password);
        QFETCH(bool, disableSwitches);
        QFETCH(bool, lateFields);
        QTemporaryDir dir;
        const QString path = EditedTemplate(dir, kFleet, [&](QString &text) {
            text.replace(QStringLiteral("firmware_version=\"8\""),
                         QStringLiteral("firmware_version=\"%1\"").arg(firmwareVersion));
        });
        CEditorWindow w;
        CSettingsView *form = Open(w, path);
        QVERIFY(form);
        const auto shown = [form](int id) { return !form->Control(id)->isHidden(); };
        QVERIFY(shown(IDC_SETTINGS_CONTRAST) && shown(IDC_SETTINGS_LANGUAGE) && shown(IDC_SETTINGS_TX_TOT));
        for (int id : {IDC_SETTINGS_PASSWORD, IDC_SETTINGS_CONFIRM_PASSWORD, IDC_SETTINGS_PASSWORD_LABEL})
            QCOMPARE(shown(id), password);
        for (int id : {IDC_SETTINGS_PROG_MODE_DIS, IDC_SETTINGS_INTERNAL_PTT_DIS, IDC_SETTINGS_TX_TOT_DIS})
            QCOMPARE(shown(id), disableSwitches);
        for (int id : {IDC_SETTINGS_TPT_OFFSET, IDC_SETTINGS_NOISE_RADIO, IDC_SETTINGS_PRIVATE_REPLY_DIS})
            QCOMPARE(shown(id), lateFields);
        QVERIFY(w.prompter.History().empty());
    }
};

QTEST_MAIN(TestEditorsSettings)
#include "tst_editors_settings.moc"
