#include "SettingFields.h"

#include "StringIds.h"
#include "StringTable.h"

#include <QDateTime>

namespace zqv::settings {
namespace {

// In the form's order; the switches the form does not show (the radio keeps them with the
// settings) follow.
constexpr Field kFields[] = {
    {"vibracall", Kind::Check, IDS_SET_VIBRACALL, 0, 1, 2},
    {"contrast", Kind::List, IDS_SET_CONTRAST, 0, 0, 0},
    {"backlight", Kind::List, IDS_SET_BACKLIGHT, 0, 0, 0},
    {"time_format", Kind::List, IDS_SET_TIME_FORMAT, 0, 0, 0},
    {"date_format", Kind::List, IDS_SET_DATE_FORMAT, 0, 0, 0},
    {"alarm_en", Kind::Check, IDS_SET_ALARM, 0, 1, 0},
    {"alarm_time", Kind::Clock, IDS_SET_ALARM_TIME, 0, 0, 0},
    {"ringer_vol_level", Kind::List, IDS_SET_RINGER_VOLUME, IDS_SET_VOLUME, 0, 0},
    {"speaker_vol_level", Kind::List, IDS_SET_SPEAKER, IDS_SET_VOLUME, 0, 0},
    {"keypad_vol_level", Kind::List, IDS_SET_KEYPAD, IDS_SET_VOLUME, 0, 0},
    {"alarm_vol_level", Kind::List, IDS_SET_ALARM, IDS_SET_VOLUME, 0, 0},
    {"earpiece_vol_level", Kind::List, IDS_SET_EARPIECE, IDS_SET_VOLUME, 0, 0},
    {"language", Kind::List, IDS_SET_LANGUAGE, 0, 0, 0},
    {"password", Kind::Other, IDS_SET_CODEPLUG_PASSWORD, 0, 0, 0},
    {"tpt_offset", Kind::List, IDS_SET_TPT_OFFSET, 0, 0, 0},
    {"noise_level_accessory", Kind::List, IDS_SET_ACCESSORY, IDS_SET_AMBIENT_NOISE, 0, 0},
    {"noise_level_radio", Kind::List, IDS_SET_RADIO, IDS_SET_AMBIENT_NOISE, 0, 0},
    {"internal_ptt_dis", Kind::Check, IDS_SET_DISABLE_INTERNAL_PTT, 0, 1, 0},
    {"prog_mode_dis", Kind::Check, IDS_SET_DISABLE_PROG_MODE, 0, 1, 0},
    {"tx_timeout_timer_dis", Kind::Check, IDS_SET_DISABLE_TX_TOT, 0, 1, 0},
    {"tot_timer", Kind::List, IDS_SET_TX_TOT, 0, 0, 0},
    {"priv_grp_call_rep_dis", Kind::Check, IDS_SET_DISABLE_PRIVATE_REPLY, 0, 1, 0},
    {"see_all_grps", Kind::Check, IDS_SEE_ALL_GROUPS, 0, 1, 0},
    {"mngr_mode", Kind::Check, IDS_MANAGER_MODE, 0, 1, 0},
    {"scan_en", Kind::Check, IDS_SCAN_MODE, 0, 1, 0},
    {"call_fwd_en", Kind::Check, IDS_SET_CALL_FORWARDING, 0, 1, 0},
    {"call_forward_id", Kind::Other, IDS_SET_CALL_FORWARD_ID, 0, 0, 0},
    {"is_disabled", Kind::Check, IDS_SET_RADIO_DISABLED, 0, 1, 0},
};

QString Seconds(int n)
{
    return QStringLiteral("%1 %2").arg(n).arg(LoadStr(IDS_SET_SECONDS));
}

std::vector<Choice> Numbered(int first, int last)
{
    std::vector<Choice> out;
    for (int v = first; v <= last; ++v)
        out.push_back({v, QString::number(v)});
    return out;
}

}  // namespace

const Field *Find(const QString &attribute)
{
    for (const Field &f : kFields)
        if (attribute == QLatin1String(f.attribute))
            return &f;
    return nullptr;
}

const std::vector<LanguageName> &LanguageNames()
{
    static const std::vector<LanguageName> names = {
        {0, IDS_LANGUAGE_ENGLISH},    {1, IDS_LANGUAGE_SPANISH}, {4, IDS_LANGUAGE_FRENCH},
        {5, IDS_LANGUAGE_PORTUGUESE}, {7, IDS_LANGUAGE_GERMAN},  {9, IDS_LANGUAGE_DUTCH},
    };
    return names;
}

std::vector<Choice> Choices(const QString &attribute, int maxVolume)
{
    const QByteArray name = attribute.toLatin1();
    if (name == "contrast") {
        std::vector<Choice> out;
        for (int v = 6; v >= 0; --v)
            out.push_back({v, QString::number(v)});
        return out;
    }
    if (name == "backlight")
        return {{90000, Seconds(90)}, {30000, Seconds(30)}, {20000, Seconds(20)},
                {10000, Seconds(10)}, {5000, Seconds(5)},   {0, LoadStr(IDS_SET_OFF)}};
    if (name == "time_format")
        return {{0, LoadStr(IDS_SET_12HR)}, {1, LoadStr(IDS_SET_24HR)}};
    if (name == "date_format")
        return {{0, LoadStr(IDS_SET_MM_DD)}, {1, LoadStr(IDS_SET_DD_MM)}};
    if (name == "ringer_vol_level" || name == "keypad_vol_level")
        return Numbered(0, maxVolume);
    if (name.endsWith("_vol_level"))
        return Numbered(1, maxVolume);
    if (name == "tpt_offset") {
        std::vector<Choice> out;
        for (int v = 0; v <= 13; ++v)
            out.push_back({v, QString::number(-v)});
        return out;
    }
    if (name == "noise_level_accessory" || name == "noise_level_radio")
        return {{1, LoadStr(IDS_SET_NOISE_LOW)},
                {2, LoadStr(IDS_SET_NOISE_STANDARD)},
                {3, LoadStr(IDS_SET_NOISE_MEDIUM)},
                {4, LoadStr(IDS_SET_NOISE_HIGH)}};
    if (name == "tot_timer")
        return {{60, Seconds(60)}, {120, Seconds(120)}, {180, Seconds(180)}};
    if (name == "language") {
        std::vector<Choice> out;
        for (const LanguageName &l : LanguageNames())
            out.push_back({l.id, LoadStr(l.stringId)});
        return out;
    }
    return {};
}

QString Label(const QString &attribute)
{
    const Field *f = Find(attribute);
    if (!f)
        return QString(attribute).replace(u'_', u' ');
    return f->groupId ? QStringLiteral("%1 (%2)").arg(LoadStr(f->groupId), LoadStr(f->labelId)) : LoadStr(f->labelId);
}

QString ValueText(const QString &attribute, const QString &value)
{
    const Field *f = Find(attribute);
    bool ok = false;
    const qlonglong number = value.trimmed().toLongLong(&ok);
    if (!f || !ok)
        return value;
    switch (f->kind) {
    case Kind::Check:
        if (number == f->on)
            return LoadStr(IDS_DIFF_YES);
        if (number == f->off)
            return LoadStr(IDS_DIFF_NO);
        return value;
    case Kind::Clock:
        // The stored seconds are shown as they are: no time zone.
        return QDateTime::fromSecsSinceEpoch(number, Qt::UTC).toString(QStringLiteral("HH:mm"));
    case Kind::List:
        // Volume lists are numbers whatever the model's highest level.
        if (attribute.endsWith(QLatin1String("_vol_level")))
            return QString::number(number);
        for (const Choice &c : Choices(attribute))
            if (c.value == number)
                return c.text;
        return value;
    case Kind::Other: break;
    }
    return value;
}

}  // namespace zqv::settings
