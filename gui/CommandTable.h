// The command table of the main window: for every menu and toolbar command its number, the
// string-table ids of its menu text and of its status-bar prompt with tool tip, its keyboard
// accelerator and its toolbar picture.
#pragma once

#include "Artwork.h"

#include <QKeySequence>
#include <QList>
#include <QString>
#include <optional>
#include <vector>

namespace zqv {

struct CommandSpec {
    int id;
    int textId;  // menu text, "&Label\tAccelerator"
    int promptId;  // "status-bar prompt\ntool tip" (the tip part may be missing)
    std::optional<ToolIcon> icon;
    int toolTextId = 0;  // the toolbar button's text
};

const std::vector<CommandSpec> &CommandTable();
const CommandSpec *FindCommand(int id);

// The toolbar in order; 0 marks a separator.
const std::vector<int> &ToolbarLayout();

// A menu text split at its tab: the label and the accelerator written after the tab.
struct MenuText {
    QString label;
    QKeySequence accelerator;
};
MenuText SplitMenuText(const QString &text);

// The keys of command `spec` in the current language: the accelerator of its menu text, with
// the few commands that answer another key or none. The main window's actions and the help's
// keyboard page both take them from here.
QList<QKeySequence> CommandShortcuts(const CommandSpec &spec);

// A prompt text split at its line break: the status-bar prompt and the tool tip (the prompt
// itself when the text has no tip part).
struct PromptText {
    QString prompt;
    QString tip;
};
PromptText SplitPromptText(const QString &text);

}  // namespace zqv
