// The form of the radio's general settings: the attributes of the profile's `setting` element
// (display, clock and alarm, volumes, language, codeplug password and the advanced switches),
// offered as the model's `limit` element allows. Every change goes through the rule script;
// a refused change leaves the profile as it was and puts the control back on the profile's
// value.
//
// The clock and the alarm time are whole seconds since 1 January 1970 00:00:00 without any
// time-zone shift: the radio keeps local time, so the pickers show the stored value as it is.
#pragma once

#include "BaseView.h"
#include "SettingFields.h"

#include <QDateTime>
#include <QString>
#include <vector>

class QCheckBox;
class QComboBox;
class QDateTimeEdit;
class QPushButton;
class QLineEdit;

namespace zqv {
class CTwoListWidget;
}

namespace zqv {

class CSettingsView : public CBaseView {
    Q_OBJECT
public:
    // The dates the date picker accepts.
    static const QDate kFirstDate;
    static const QDate kLastDate;

    CSettingsView(IEditorHost &host, CZQVCPSTreeView &tree, QWidget *parent = nullptr);

    void Load() override;
    int ValidateBeforeLeaving() override;
    void ReturnToField(int controlId) override;

    // Seconds since 1970 for a date and time taken as they are (no time zone), and back.
    static qint64 ToSeconds(const QDate &date, const QTime &time);
    static QDateTime FromSeconds(qint64 seconds);

    // The language ids the Language list can name, with the string id of each name.
    using LanguageName = settings::LanguageName;
    static const std::vector<LanguageName> &LanguageNames();

    QCheckBox *CheckBox(int controlId) const;
    QComboBox *List(int controlId) const;
    QDateTimeEdit *TimePicker() const { return m_pTime; }
    QDateTimeEdit *DatePicker() const { return m_pDate; }
    QDateTimeEdit *AlarmPicker() const { return m_pAlarmTime; }
    QPushButton *NowButton() const { return m_pNow; }
    QLineEdit *PasswordEdit() const { return m_pPassword; }
    QLineEdit *ConfirmEdit() const { return m_pConfirm; }
    CTwoListWidget *ManagerModeLists() const { return m_pManager; }
    CTwoListWidget *SeeAllGroupsLists() const { return m_pSeeAll; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // One list or check box that shows one attribute of `setting`. A list stores the value at
    // its position in `values`; a check box stores values[0] when checked, values[1] when not.
    struct Field {
        QWidget *widget;
        const char *attribute;
        std::vector<int> values;
    };

    CDataItem Setting() const;
    void AddList(int labelId, int listId, const QRect &label, const QRect &list, const char *attribute);
    void AddCheck(int id, const QRect &rect, const char *attribute);
    void ShowField(const Field &field);
    void OnFieldChanged(const Field &field);
    void AfterFieldShown(const char *attribute);

    void LoadClock();
    void ApplyTimeFormat();
    void ApplyDateFormat();
    void ApplyClockEnabled();
    qint64 PickedClock() const;
    qint64 PickedAlarm() const;
    void OnClockPicked();
    void OnAlarmPicked();
    void OnPcClockToggled(bool on);
    // "Now": the time and date pickers take the PC's present time.
    void OnNow();
    // Writes attribute `name` with `seconds` when it differs from the profile; false when the
    // rule script refused it (the pickers are then put back).
    bool WriteSeconds(const char *name, qint64 seconds);

    // The two pairs of private-contact lists: the attribute each sets on a contact, filling
    // them, and moving the selected contacts in (`on`) or out; answers the names moved.
    const char *PairAttribute(const CTwoListWidget *pair) const;
    void LoadPrivateLists();
    QStringList MovePrivates(CTwoListWidget *pair, bool on);
    void OnAddPrivates(CTwoListWidget *pair);
    void OnRemovePrivates(CTwoListWidget *pair);

    // The password checks: the length of one edit, the agreement of both, and the write.
    bool PasswordLengthOk(QLineEdit *edit);
    void OnPasswordLeft(QLineEdit *edit);
    bool StorePassword();

    std::vector<Field> m_fields;
    QDateTimeEdit *m_pTime = nullptr;
    QDateTimeEdit *m_pDate = nullptr;
    QDateTimeEdit *m_pAlarmTime = nullptr;
    QCheckBox *m_pPcClock = nullptr;
    QPushButton *m_pNow = nullptr;
    CTwoListWidget *m_pManager = nullptr;
    CTwoListWidget *m_pSeeAll = nullptr;
    QLineEdit *m_pPassword = nullptr;
    QLineEdit *m_pConfirm = nullptr;
    bool m_bLoading = false;
    bool m_bChecking = false;
};

}  // namespace zqv
