// The radio's settings as the Settings form shows them: each attribute of the profile's
// `setting` element with the form's label and the texts of its values. The form builds its
// lists from this table, and the write's change report, the check after a write and the CLI's
// `diff` name a setting and its values with it, so they read like the form the dealer edited.
#pragma once

#include <QString>
#include <vector>

namespace zqv::settings {

// One entry of a list as the form offers it: the stored value and the translated text.
struct Choice {
    int value;
    QString text;
};

enum class Kind {
    List,  // a drop-down list: the value is one of Choices()
    Check,  // a check box: `on` when ticked, `off` when clear
    Clock,  // seconds since 1 January 1970, shown as a time of day
    Other,  // shown as it is stored
};

struct Field {
    const char *attribute;
    Kind kind;
    int labelId;  // the form's label
    int groupId;  // 0, or the heading the label stands under where the label alone names another control too
    int on;  // Check: the stored value of a ticked box
    int off;  // Check: the stored value of a clear box
};

// The row of a setting attribute, or nullptr for one that has none.
const Field *Find(const QString &attribute);

// The entries of a list in the form's order. The volume lists run up to the model's highest
// level `maxVolume` (0, silent, only for Ringer and Keypad); the language list holds every
// language that has a name (a model offers some of them).
std::vector<Choice> Choices(const QString &attribute, int maxVolume = 0);

// The languages of the radio by id, with the string id of their names, in the form's order.
struct LanguageName {
    int id;
    int stringId;
};
const std::vector<LanguageName> &LanguageNames();

// A setting as the form labels it ("Backlight", "Volume (Alarm)"); an attribute without a row
// reads as its name with blanks for '_'.
QString Label(const QString &attribute);

// A stored value as the form shows it: "30 seconds", "24hr", "Off", "Low", "07:30"; a check
// box as yes or no. A value the form does not offer, and an attribute without a row, are
// returned as they are.
QString ValueText(const QString &attribute, const QString &value);

}  // namespace zqv::settings
