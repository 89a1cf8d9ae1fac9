// The menu bar of the main window as data: its menus in order, each with its entries, and
// which of them only the menu set for open profiles carries. The commands' texts, keys and
// prompts come from the command table.
#pragma once

#include <vector>

namespace zqv {

enum class MenuEntryKind {
    Command,  // the command's action
    Separator,
    RecentFiles,  // the recent-file entries, or a greyed placeholder while there are none
    LanguageMenu,  // the Language submenu
};

struct MenuEntrySpec {
    MenuEntryKind kind;
    int commandId = 0;
    bool profileOnly = false;  // only in the menu set for open profiles
};

enum class MenuKind {
    Popup,  // a menu of the entries
    Command,  // a top-level command without a menu (the entries' one command)
    WindowList,  // the entries, then one entry per profile window
};

struct MenuSpec {
    MenuKind kind;
    int textId;  // the menu's title; 0 for a top-level command, which shows the command's text
    bool profileOnly;
    std::vector<MenuEntrySpec> entries;
    const char *objectName = nullptr;  // a top-level command's entry
};

// The menu bar in order, both sets in one table.
const std::vector<MenuSpec> &MenuTable();

}  // namespace zqv
