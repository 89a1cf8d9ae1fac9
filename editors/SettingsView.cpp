#include "SettingsView.h"

#include "ControlIds.h"
#include "EditorHost.h"
#include "NonPasteEdit.h"
#include "ProfileItems.h"
#include "Prompter.h"
#include "StringTable.h"
#include "TwoListWidget.h"
#include "XmlDom.h"
#include "ZQVCPSDoc.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QScopedValueRollback>
#include <QSignalBlocker>

namespace zqv {

const QDate CSettingsView::kFirstDate(2000, 1, 1);
const QDate CSettingsView::kLastDate(2059, 12, 31);

namespace {

// Design positions: labels in the first column, their controls in the second; a second pair
// of columns to the right for the controls that come in twos.
constexpr int kLabelX = 0;
constexpr int kFieldX = 170;
constexpr int kLabel2X = 350;
constexpr int kField2X = 470;
constexpr int kFieldW = 150;
constexpr int kRowH = 24;

QRect LabelAt(int y)
{
    return QRect(kLabelX, y, kFieldX - kLabelX - 10, kRowH);
}
QRect FieldAt(int y)
{
    return QRect(kFieldX, y, kFieldW, kRowH);
}
QRect Label2At(int y)
{
    return QRect(kLabel2X, y, kField2X - kLabel2X - 10, kRowH);
}
QRect Field2At(int y)
{
    return QRect(kField2X, y, kFieldW, kRowH);
}
QRect WideAt(int y)
{
    return QRect(kLabelX, y, kField2X + kFieldW, kRowH);
}

bool ReadSeconds(const QString &text, qint64 &seconds)
{
    bool ok = false;
    seconds = text.trimmed().toLongLong(&ok);
    return ok;
}

}  // namespace

const std::vector<CSettingsView::LanguageName> &CSettingsView::LanguageNames()
{
    return settings::LanguageNames();
}

qint64 CSettingsView::ToSeconds(const QDate &date, const QTime &time)
{
    return QDateTime(date, time, Qt::UTC).toSecsSinceEpoch();
}

QDateTime CSettingsView::FromSeconds(qint64 seconds)
{
    return QDateTime::fromSecsSinceEpoch(seconds, Qt::UTC);
}

CSettingsView::CSettingsView(IEditorHost &host, CZQVCPSTreeView &tree, QWidget *parent)
    : CBaseView(host, tree, kNodeSettings, parent)
{
    AddHeading(IDC_SETTINGS_HEADING, LoadStr(IDS_SETTINGS));
    AddCheck(IDC_SETTINGS_VIBRACALL, WideAt(50), "vibracall");

    AddHeading(IDC_SETTINGS_DISPLAY_LABEL, LoadStr(IDS_SET_DISPLAY), 84, kStyleSubHeading);
    AddList(IDC_SETTINGS_CONTRAST_LABEL, IDC_SETTINGS_CONTRAST, LabelAt(124), FieldAt(124), "contrast");
    AddList(IDC_SETTINGS_BACKLIGHT_LABEL, IDC_SETTINGS_BACKLIGHT, Label2At(124), Field2At(124), "backlight");

    AddHeading(IDC_SETTINGS_CLOCK_LABEL, LoadStr(IDS_SET_CLOCK_ALARM), 158, kStyleSubHeading);
    AddList(IDC_SETTINGS_TIME_FORMAT_LABEL, IDC_SETTINGS_TIME_FORMAT, LabelAt(198), FieldAt(198), "time_format");
    AddLabel(IDC_SETTINGS_TIME_LABEL, LoadStr(IDS_SET_TIME), Label2At(198));
    m_pTime = AddControl(IDC_SETTINGS_TIME, new QDateTimeEdit, Field2At(198));
    AddList(IDC_SETTINGS_DATE_FORMAT_LABEL, IDC_SETTINGS_DATE_FORMAT, LabelAt(232), FieldAt(232), "date_format");
    AddLabel(IDC_SETTINGS_DATE_LABEL, LoadStr(IDS_SET_DATE), Label2At(232));
    m_pDate = AddControl(IDC_SETTINGS_DATE, new QDateTimeEdit, Field2At(232));
    m_pNow = AddControl(IDC_SETTINGS_NOW, new QPushButton(LoadStr(IDS_SET_NOW)),
                        QRect(kField2X + kFieldW + 10, 198, 80, kRowH));
    // Now sets the time beside it: Tab reaches it before the row below.
    setTabOrder(m_pTime, m_pNow);
    m_pPcClock = AddControl(IDC_SETTINGS_PC_CLOCK, new QCheckBox(LoadStr(IDS_SET_TIME_FROM_PC)), WideAt(266));
    AddCheck(IDC_SETTINGS_ALARM, LabelAt(300), "alarm_en");
    AddLabel(IDC_SETTINGS_ALARM_TIME_LABEL, LoadStr(IDS_SET_ALARM_TIME), Label2At(300));
    m_pAlarmTime = AddControl(IDC_SETTINGS_ALARM_TIME, new QDateTimeEdit, Field2At(300));

    // The volume lists are filled by Load: they depend on the model's highest level.
    AddHeading(IDC_SETTINGS_VOLUME_LABEL, LoadStr(IDS_SET_VOLUME), 334, kStyleSubHeading);
    AddList(IDC_SETTINGS_RINGER_LABEL, IDC_SETTINGS_RINGER, LabelAt(374), FieldAt(374), "ringer_vol_level");
    AddList(IDC_SETTINGS_SPEAKER_LABEL, IDC_SETTINGS_SPEAKER, Label2At(374), Field2At(374), "speaker_vol_level");
    AddList(IDC_SETTINGS_KEYPAD_LABEL, IDC_SETTINGS_KEYPAD, LabelAt(408), FieldAt(408), "keypad_vol_level");
    AddList(IDC_SETTINGS_ALARM_VOLUME_LABEL, IDC_SETTINGS_ALARM_VOLUME, Label2At(408), Field2At(408),
            "alarm_vol_level");
    AddList(IDC_SETTINGS_EARPIECE_LABEL, IDC_SETTINGS_EARPIECE, LabelAt(442), FieldAt(442), "earpiece_vol_level");

    AddHeading(IDC_SETTINGS_ADVANCED_LABEL, LoadStr(IDS_SET_ADVANCED), 476, kStyleSubHeading);
    int y = 516;
    // The private contacts with manager mode, and those that see all groups.
    const auto addPair = [this, &y](const TwoListIds &ids, int caption) {
        auto *pair = AddTwoList(new CTwoListWidget, ids, QRect(kLabelX, y, kField2X + kFieldW, 170));
        pair->SetCaptions(LoadStr(IDS_ALL_PRIVATES), LoadStr(caption));
        // Fields follow the lists: neither list gives up height for the rows below it.
        pair->setMinimumHeight(170);
        y += 174;
        return pair;
    };
    m_pManager = addPair({IDC_SETTINGS_MNGR_ALL_LABEL, IDC_SETTINGS_MNGR_ALL, IDC_SETTINGS_MNGR_ON_LABEL,
                          IDC_SETTINGS_MNGR_ON, IDC_SETTINGS_MNGR_ADD, IDC_SETTINGS_MNGR_REMOVE},
                         IDS_SET_MANAGER_MODE_ON_FOR);
    AddLabel(IDC_SETTINGS_MNGR_NOTE, LoadStr(IDS_SET_MANAGER_MODE_NOTE), QRect(kLabelX, y, kField2X + kFieldW, 36))
        ->setWordWrap(true);
    y += 44;
    m_pSeeAll = addPair({IDC_SETTINGS_SEEALL_ALL_LABEL, IDC_SETTINGS_SEEALL_ALL, IDC_SETTINGS_SEEALL_ON_LABEL,
                         IDC_SETTINGS_SEEALL_ON, IDC_SETTINGS_SEEALL_ADD, IDC_SETTINGS_SEEALL_REMOVE},
                        IDS_SET_SEE_ALL_GROUPS_ON_FOR);
    y += 10;
    AddList(IDC_SETTINGS_LANGUAGE_LABEL, IDC_SETTINGS_LANGUAGE, LabelAt(y), FieldAt(y), "language");
    y += 40;
    AddLabel(IDC_SETTINGS_PASSWORD_LABEL, LoadStr(IDS_SET_CODEPLUG_PASSWORD), QRect(kLabelX, y, 340, kRowH));
    m_pPassword = AddControl(IDC_SETTINGS_PASSWORD, new CNonPasteEdit, Field2At(y));
    y += 34;
    AddLabel(IDC_SETTINGS_CONFIRM_LABEL, LoadStr(IDS_SET_CONFIRM_PASSWORD), QRect(kLabelX, y, 340, kRowH));
    m_pConfirm = AddControl(IDC_SETTINGS_CONFIRM_PASSWORD, new CNonPasteEdit, Field2At(y));
    for (QLineEdit *edit : {m_pPassword, m_pConfirm}) {
        edit->setEchoMode(QLineEdit::Password);
        edit->setMaxLength(4);
        edit->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,4}")), edit));
    }
    y += 40;
    AddList(IDC_SETTINGS_TPT_OFFSET_LABEL, IDC_SETTINGS_TPT_OFFSET, QRect(kLabelX, y, 340, kRowH), Field2At(y),
            "tpt_offset");
    y += 34;
    AddLabel(IDC_SETTINGS_NOISE_LABEL, LoadStr(IDS_SET_AMBIENT_NOISE), QRect(kLabelX, y, 340, kRowH));
    y += 30;
    AddList(IDC_SETTINGS_NOISE_ACCESSORY_LABEL, IDC_SETTINGS_NOISE_ACCESSORY, LabelAt(y), FieldAt(y),
            "noise_level_accessory");
    AddList(IDC_SETTINGS_NOISE_RADIO_LABEL, IDC_SETTINGS_NOISE_RADIO, Label2At(y), Field2At(y), "noise_level_radio");
    y += 40;
    AddCheck(IDC_SETTINGS_INTERNAL_PTT_DIS, WideAt(y), "internal_ptt_dis");
    y += 30;
    AddCheck(IDC_SETTINGS_PROG_MODE_DIS, WideAt(y), "prog_mode_dis");
    y += 30;
    AddCheck(IDC_SETTINGS_TX_TOT_DIS, WideAt(y), "tx_timeout_timer_dis");
    y += 30;
    AddList(IDC_SETTINGS_TX_TOT_LABEL, IDC_SETTINGS_TX_TOT, LabelAt(y), FieldAt(y), "tot_timer");
    y += 34;
    AddCheck(IDC_SETTINGS_PRIVATE_REPLY_DIS, WideAt(y), "priv_grp_call_rep_dis");

    // The pickers show the stored seconds as they are: no time zone, no daylight saving gaps.
    // Their limits are set in the same time spec, or a time-only picker would take the local
    // zone's offset at its default earliest date as its earliest time of day.
    const auto setRange = [](QDateTimeEdit *picker, const QDate &first, const QDate &last, const QString &format) {
        picker->setTimeSpec(Qt::UTC);
        picker->setLocale(QLocale(QLocale::English, QLocale::UnitedStates));
        picker->setMinimumDateTime(QDateTime(first, QTime(0, 0), Qt::UTC));
        picker->setMaximumDateTime(QDateTime(last, QTime(23, 59, 59), Qt::UTC));
        picker->setDisplayFormat(format);
    };
    setRange(m_pTime, kFirstDate, kLastDate, QStringLiteral("HH:mm"));
    setRange(m_pDate, kFirstDate, kLastDate, QStringLiteral("MM/dd/yy"));
    setRange(m_pAlarmTime, QDate(1970, 1, 1), kLastDate, QStringLiteral("HH:mm"));

    for (std::size_t i = 0; i < m_fields.size(); ++i) {
        QWidget *w = m_fields[i].widget;
        if (auto *list = qobject_cast<QComboBox *>(w))
            connect(list, qOverload<int>(&QComboBox::currentIndexChanged), this,
                    [this, i] { Guarded([&] { OnFieldChanged(m_fields[i]); }); });
        else if (auto *check = qobject_cast<QCheckBox *>(w))
            connect(check, &QCheckBox::toggled, this, [this, i] { Guarded([&] { OnFieldChanged(m_fields[i]); }); });
    }
    connect(m_pTime, &QDateTimeEdit::dateTimeChanged, this, [this] { Guarded([this] { OnClockPicked(); }); });
    connect(m_pDate, &QDateTimeEdit::dateTimeChanged, this, [this] { Guarded([this] { OnClockPicked(); }); });
    connect(m_pAlarmTime, &QDateTimeEdit::dateTimeChanged, this, [this] { Guarded([this] { OnAlarmPicked(); }); });
    connect(m_pPcClock, &QCheckBox::toggled, this, [this](bool on) { Guarded([&] { OnPcClockToggled(on); }); });
    connect(m_pNow, &QPushButton::clicked, this, [this] { Guarded([this] { OnNow(); }); });
    for (QDateTimeEdit *picker : {m_pTime, m_pDate, m_pAlarmTime})
        if (QLineEdit *text = picker->findChild<QLineEdit *>())
            text->installEventFilter(this);
    m_pPassword->installEventFilter(this);
    m_pConfirm->installEventFilter(this);
    connect(m_pManager, &CTwoListWidget::addRequested, this,
            [this] { Guarded([this] { OnAddPrivates(m_pManager); }); });
    connect(m_pManager, &CTwoListWidget::removeRequested, this,
            [this] { Guarded([this] { OnRemovePrivates(m_pManager); }); });
    connect(m_pSeeAll, &CTwoListWidget::addRequested, this, [this] { Guarded([this] { OnAddPrivates(m_pSeeAll); }); });
    connect(m_pSeeAll, &CTwoListWidget::removeRequested, this,
            [this] { Guarded([this] { OnRemovePrivates(m_pSeeAll); }); });
}

// Labels, list entries and check-box values come from the settings table, which the change
// report and the CLI's diff read too.
void CSettingsView::AddList(int labelId, int listId, const QRect &label, const QRect &list, const char *attribute)
{
    AddLabel(labelId, LoadStr(settings::Find(QLatin1String(attribute))->labelId), label);
    auto *combo = AddControl(listId, new QComboBox, list);
    std::vector<int> values;
    for (const settings::Choice &c : settings::Choices(QLatin1String(attribute))) {
        combo->addItem(c.text);
        values.push_back(c.value);
    }
    m_fields.push_back({combo, attribute, std::move(values)});
}

void CSettingsView::AddCheck(int id, const QRect &rect, const char *attribute)
{
    const settings::Field *field = settings::Find(QLatin1String(attribute));
    auto *check = AddControl(id, new QCheckBox(LoadStr(field->labelId)), rect);
    m_fields.push_back({check, attribute, {field->on, field->off}});
}

QCheckBox *CSettingsView::CheckBox(int controlId) const
{
    return qobject_cast<QCheckBox *>(Control(controlId));
}

QComboBox *CSettingsView::List(int controlId) const
{
    return qobject_cast<QComboBox *>(Control(controlId));
}

CDataItem CSettingsView::Setting() const
{
    return ChildItem(ProfileRoot(), "setting");
}

void CSettingsView::Load()
{
    const QScopedValueRollback<bool> loading(m_bLoading, true);
    ApplyPageVisibility(QStringLiteral("Settings"));
    const CDataItem root = ProfileRoot();

    // Volume levels up to the model's highest; 0 (silent) only where the radio allows it.
    const int maxVolume = static_cast<int>(qBound<qint64>(qint64(0), LimitNumber(root, "max_vol_level"), qint64(255)));
    // Languages: the entries of the model's list that have a name, in the list's order.
    std::vector<int> languageIds;
    QStringList languageNames;
    const CDataItem limit = ChildItem(root, "limit");
    const qint64 languageCount = LimitNumber(root, "num_of_languages");
    for (xmlNodePtr list : ElementChildren(limit.Node())) {
        if (!IsProfileElement(list, "languages"))
            continue;
        qint64 taken = 0;
        for (xmlNodePtr language : ElementChildren(list)) {
            if (taken++ >= languageCount)
                break;
            bool ok = false;
            const int id = GetAttr(language, "language_id").trimmed().toInt(&ok);
            for (const LanguageName &name : LanguageNames())
                if (ok && name.id == id) {
                    languageIds.push_back(id);
                    languageNames << LoadStr(name.stringId);
                }
        }
    }
    for (Field &field : m_fields) {
        const QByteArray attribute(field.attribute);
        auto *list = qobject_cast<QComboBox *>(field.widget);
        if (!list || !(attribute.endsWith("_vol_level") || attribute == "language"))
            continue;
        list->clear();
        if (attribute == "language") {
            field.values = languageIds;
            list->addItems(languageNames);
            continue;
        }
        field.values.clear();
        for (const settings::Choice &c : settings::Choices(QLatin1String(attribute), maxVolume)) {
            field.values.push_back(c.value);
            list->addItem(c.text);
        }
    }

    for (const Field &field : m_fields)
        ShowField(field);
    CheckBox(IDC_SETTINGS_VIBRACALL)->setEnabled(LimitNumber(root, "vibracall_dis") == 0);
    {
        const QSignalBlocker block(m_pPcClock);
        m_pPcClock->setChecked(Document().PcClockFlag());
    }
    LoadClock();
    LoadPrivateLists();
    const QString password = AttrText(Setting(), "password");
    m_pPassword->setText(password);
    m_pConfirm->setText(password);
}

void CSettingsView::ShowField(const Field &field)
{
    const QString text = AttrText(Setting(), field.attribute).trimmed();
    bool ok = false;
    const int value = text.toInt(&ok);
    const QSignalBlocker block(field.widget);
    if (auto *list = qobject_cast<QComboBox *>(field.widget)) {
        int index = -1;
        for (std::size_t i = 0; ok && i < field.values.size(); ++i)
            if (field.values[i] == value)
                index = static_cast<int>(i);
        list->setCurrentIndex(index);
    } else if (auto *check = qobject_cast<QCheckBox *>(field.widget)) {
        check->setChecked(ok && value == field.values.front());
    }
    AfterFieldShown(field.attribute);
}

void CSettingsView::AfterFieldShown(const char *attribute)
{
    const QByteArray name(attribute);
    if (name == "alarm_en")
        m_pAlarmTime->setEnabled(CheckBox(IDC_SETTINGS_ALARM)->isChecked());
    else if (name == "tx_timeout_timer_dis")
        List(IDC_SETTINGS_TX_TOT)->setEnabled(!CheckBox(IDC_SETTINGS_TX_TOT_DIS)->isChecked());
    else if (name == "time_format")
        ApplyTimeFormat();
    else if (name == "date_format")
        ApplyDateFormat();
}

void CSettingsView::OnFieldChanged(const Field &field)
{
    if (m_bLoading || HasDataError())
        return;
    QVariant value;
    if (auto *list = qobject_cast<QComboBox *>(field.widget)) {
        const int index = list->currentIndex();
        if (index < 0 || index >= static_cast<int>(field.values.size()))
            return;
        value = field.values[static_cast<std::size_t>(index)];
    } else if (auto *check = qobject_cast<QCheckBox *>(field.widget)) {
        value = check->isChecked() ? field.values[0] : field.values[1];
    }
    CDataItem setting = Setting();
    const QString before = AttrText(setting, field.attribute);
    if (!SetValueOrRestore(setting, QLatin1String(field.attribute), value, [this, &field] { ShowField(field); }))
        return;
    if (AttrText(setting, field.attribute) != before)
        SetModified();
    AfterFieldShown(field.attribute);
}

void CSettingsView::LoadClock()
{
    const QSignalBlocker blockTime(m_pTime);
    const QSignalBlocker blockDate(m_pDate);
    const QSignalBlocker blockAlarm(m_pAlarmTime);
    const CDataItem setting = Setting();
    qint64 seconds = 0;
    QDateTime clock;
    if (ReadSeconds(AttrText(setting, "current_time"), seconds)) {
        clock = FromSeconds(seconds);
    } else {
        // Without a stored clock the pickers start on 1 January of this year, midnight.
        clock = QDateTime(QDate(QDate::currentDate().year(), 1, 1), QTime(0, 0), Qt::UTC);
    }
    ApplyTimeFormat();
    ApplyDateFormat();
    m_pTime->setDateTime(clock);
    m_pDate->setDateTime(clock);
    if (!ReadSeconds(AttrText(setting, "alarm_time"), seconds))
        seconds = 0;
    m_pAlarmTime->setDateTime(FromSeconds(seconds));
    ApplyClockEnabled();
}

namespace {

// A new display format makes the picker recompute its value through the local time zone;
// the value is put back as it was, quietly.
void SetPickerFormat(QDateTimeEdit *picker, const QString &format)
{
    if (picker->displayFormat() == format)
        return;
    const QSignalBlocker block(picker);
    const QDateTime value = picker->dateTime();
    picker->setDisplayFormat(format);
    picker->setDateTime(value);
}

}  // namespace

void CSettingsView::ApplyTimeFormat()
{
    // 12-hour mode shows AM or PM after the minutes; it follows the time as it changes.
    const bool twelve = List(IDC_SETTINGS_TIME_FORMAT)->currentIndex() == 0;
    const QString format = twelve ? QStringLiteral("hh:mm AP") : QStringLiteral("HH:mm");
    SetPickerFormat(m_pTime, format);
    // The alarm is a time of day on the same radio: it reads the same way.
    SetPickerFormat(m_pAlarmTime, format);
}

void CSettingsView::ApplyDateFormat()
{
    const bool dayFirst = List(IDC_SETTINGS_DATE_FORMAT)->currentIndex() == 1;
    SetPickerFormat(m_pDate, dayFirst ? QStringLiteral("dd/MM/yy") : QStringLiteral("MM/dd/yy"));
}

void CSettingsView::ApplyClockEnabled()
{
    const bool pcClock = Document().PcClockFlag();
    m_pTime->setEnabled(!pcClock);
    m_pDate->setEnabled(!pcClock);
    m_pNow->setEnabled(!pcClock);
}

qint64 CSettingsView::PickedClock() const
{
    return ToSeconds(m_pDate->date(), m_pTime->time());
}

qint64 CSettingsView::PickedAlarm() const
{
    return ToSeconds(m_pAlarmTime->date(), m_pAlarmTime->time());
}

bool CSettingsView::WriteSeconds(const char *name, qint64 seconds)
{
    CDataItem setting = Setting();
    if (AttrText(setting, name).trimmed() == QString::number(seconds))
        return true;
    if (!SetValueOrRestore(setting, QLatin1String(name), seconds, [this] { LoadClock(); }))
        return false;
    SetModified();
    return true;
}

void CSettingsView::OnClockPicked()
{
    if (m_bLoading || HasDataError() || Document().PcClockFlag())
        return;
    WriteSeconds("current_time", PickedClock());
}

void CSettingsView::OnAlarmPicked()
{
    if (m_bLoading || HasDataError())
        return;
    WriteSeconds("alarm_time", PickedAlarm());
}

void CSettingsView::OnNow()
{
    if (m_bLoading || HasDataError() || Document().PcClockFlag())
        return;
    // The PC's local time, to the second, as the radio's clock keeps it (no time zone).
    const QDateTime now = QDateTime::currentDateTime();
    {
        const QSignalBlocker blockTime(m_pTime);
        const QSignalBlocker blockDate(m_pDate);
        m_pDate->setDate(now.date());
        m_pTime->setTime(QTime(now.time().hour(), now.time().minute(), now.time().second()));
    }
    WriteSeconds("current_time", PickedClock());
}

void CSettingsView::OnPcClockToggled(bool on)
{
    if (m_bLoading || HasDataError())
        return;
    Document().SetPcClockFlag(on);
    ApplyClockEnabled();
    if (!on)
        WriteSeconds("current_time", PickedClock());
}

const char *CSettingsView::PairAttribute(const CTwoListWidget *pair) const
{
    return pair == m_pManager ? "mngr_mode" : "see_all_groups";
}

void CSettingsView::LoadPrivateLists()
{
    const CDataItem root = ProfileRoot();
    const int count = ListItem(root, kNodePrivates).GetChildCount();
    for (CTwoListWidget *pair : {m_pManager, m_pSeeAll}) {
        pair->Clear();
        const char *attribute = PairAttribute(pair);
        for (int i = 0; i < count; ++i) {
            const CDataItem contact = ListChild(root, kNodePrivate, i);
            const CTwoListWidget::Entry entry{AttrText(contact, "name"), QString(), QIcon(), i, true, QString()};
            if (AttrText(contact, attribute).trimmed() == QLatin1String("1"))
                pair->AddSelected(entry);
            else
                pair->AddAvailable(entry);
        }
        // Only models with the feature offer the pair.
        pair->SetListsEnabled(LimitNumber(root, pair == m_pManager ? "mngr_mode_en" : "see_all_groups_en") != 0);
    }
}

QStringList CSettingsView::MovePrivates(CTwoListWidget *pair, bool on)
{
    const CDataItem root = ProfileRoot();
    const QLatin1String attribute(PairAttribute(pair));
    QStringList moved;
    QListWidgetItem *first = nullptr;
    const QList<QListWidgetItem *> items = on ? pair->SelectedAvailable() : pair->SelectedChosen();
    for (QListWidgetItem *item : items) {
        CDataItem contact = ListChild(root, kNodePrivate, CTwoListWidget::DataOf(item).toInt());
        if (contact.IsEmpty() || AttrText(contact, "name") != CTwoListWidget::NameOf(item)) {
            ProfileDataError();
            return moved;
        }
        // A refused contact stays where it is; the rule script's message says why.
        if (SetValue(contact, attribute, on ? 1 : 0) != RuleResult::Applied)
            continue;
        if (on)
            pair->MoveToSelected(item);
        else
            pair->MoveToAvailable(item);
        moved << CTwoListWidget::NameOf(item);
        if (!first)
            first = item;
    }
    if (first) {
        QListWidget *list = first->listWidget();
        list->clearSelection();
        list->setCurrentItem(first);
        first->setSelected(true);
        SetModified();
    }
    pair->UpdateButtons();
    return moved;
}

void CSettingsView::OnAddPrivates(CTwoListWidget *pair)
{
    if (m_bLoading || HasDataError())
        return;
    const QStringList moved = MovePrivates(pair, true);
    if (pair != m_pManager || moved.isEmpty() || !m_pSeeAll->AvailableList()->isEnabled())
        return;
    // Manager mode implies seeing all groups: the same contacts go into that list too.
    QListWidget *available = m_pSeeAll->AvailableList();
    available->clearSelection();
    for (const QString &name : moved)
        if (QListWidgetItem *item = CTwoListWidget::FindByName(available, name))
            item->setSelected(true);
    if (!m_pSeeAll->SelectedAvailable().isEmpty())
        MovePrivates(m_pSeeAll, true);
}

void CSettingsView::OnRemovePrivates(CTwoListWidget *pair)
{
    if (m_bLoading || HasDataError())
        return;
    MovePrivates(pair, false);
}

bool CSettingsView::PasswordLengthOk(QLineEdit *edit)
{
    const int length = edit->text().size();
    if (length == 0 || length == 4)
        return true;
    ShowMessage(IDS_PASSWORD_NEEDS_4_DIGITS, MB_OK | MB_ICONWARNING);
    return false;
}

bool CSettingsView::StorePassword()
{
    CDataItem setting = Setting();
    const QString text = m_pPassword->text();
    if (text == AttrText(setting, "password"))
        return true;
    const auto restore = [this] {
        const QString stored = AttrText(Setting(), "password");
        m_pPassword->setText(stored);
        m_pConfirm->setText(stored);
    };
    if (!SetValueOrRestore(setting, QStringLiteral("password"), text, restore))
        return false;
    SetModified();
    return true;
}

bool CSettingsView::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::FocusOut && (watched == m_pPassword || watched == m_pConfirm))
        Guarded([&] { OnPasswordLeft(static_cast<QLineEdit *>(watched)); });
    // A click into a picker selects the field (hours, minutes, month ...) under the pointer,
    // so that digits typed next replace it rather than make a text the picker refuses.
    if (event->type() == QEvent::MouseButtonRelease)
        for (QDateTimeEdit *picker : {m_pTime, m_pDate, m_pAlarmTime})
            if (watched == picker->findChild<QLineEdit *>())
                QMetaObject::invokeMethod(
                    picker, [picker] { picker->setSelectedSection(picker->currentSection()); }, Qt::QueuedConnection);
    return CBaseView::eventFilter(watched, event);
}

void CSettingsView::OnPasswordLeft(QLineEdit *edit)
{
    if (m_bChecking || m_bLoading || IsValidationSuspended() || HasDataError())
        return;
    // Leaving the form is covered by the check before leaving it.
    QWidget *to = QApplication::focusWidget();
    if (!to || !isAncestorOf(to))
        return;
    const QScopedValueRollback<bool> checking(m_bChecking, true);
    if (!PasswordLengthOk(edit)) {
        FocusAndSelectAll(edit);
        return;
    }
    QLineEdit *other = edit == m_pPassword ? m_pConfirm : m_pPassword;
    if (edit->text() != other->text()) {
        // Moving on to type the other edit, or an other edit still empty, is not a mismatch yet.
        if (to == other || other->text().isEmpty())
            return;
        ShowMessage(IDS_PASSWORDS_DO_NOT_MATCH, MB_OK | MB_ICONWARNING);
        m_pPassword->clear();
        m_pConfirm->clear();
        edit->setFocus(Qt::OtherFocusReason);
        return;
    }
    StorePassword();
}

int CSettingsView::ValidateBeforeLeaving()
{
    if (HasDataError())
        return 1;
    int result = 1;
    Guarded([&] {
        const QScopedValueRollback<bool> checking(m_bChecking, true);
        for (QLineEdit *edit : {m_pPassword, m_pConfirm})
            if (!PasswordLengthOk(edit)) {
                PostReturnToField(edit->property("controlId").toInt());
                result = 0;
                return;
            }
        if (m_pPassword->text() != m_pConfirm->text()) {
            ShowMessage(IDS_PASSWORDS_DO_NOT_MATCH, MB_OK | MB_ICONWARNING);
            m_pPassword->clear();
            m_pConfirm->clear();
            PostReturnToField(IDC_SETTINGS_PASSWORD);
            result = 0;
            return;
        }
        if (!StorePassword()) {
            PostReturnToField(IDC_SETTINGS_PASSWORD);
            result = 0;
            return;
        }
        if (!Document().PcClockFlag())
            WriteSeconds("current_time", PickedClock());
        WriteSeconds("alarm_time", PickedAlarm());
    });
    return result;
}

void CSettingsView::ReturnToField(int controlId)
{
    FocusAndSelectAll(controlId == IDC_SETTINGS_CONFIRM_PASSWORD ? m_pConfirm : m_pPassword);
}

}  // namespace zqv
