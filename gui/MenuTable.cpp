#include "MenuTable.h"

#include "CommandIds.h"
#include "StringIds.h"

namespace zqv {

namespace {

constexpr bool kProfile = true;

MenuEntrySpec Cmd(int id, bool profileOnly = false)
{
    return {MenuEntryKind::Command, id, profileOnly};
}

MenuEntrySpec Sep(bool profileOnly = false)
{
    return {MenuEntryKind::Separator, 0, profileOnly};
}

}  // namespace

const std::vector<MenuSpec> &MenuTable()
{
    static const std::vector<MenuSpec> table = {
        {MenuKind::Popup,
         IDS_MENU_FILE,
         false,
         {Cmd(ID_FILE_NEW),
          Cmd(ID_FILE_OPEN),
          Cmd(ID_FILE_CLOSE, kProfile),
          Cmd(ID_FILE_SAVE, kProfile),
          Cmd(ID_FILE_SAVE_AS, kProfile),
          Cmd(ID_FILE_REVERT, kProfile),
          Sep(kProfile),
          Cmd(ID_FILE_IMPORT_CONTACTS, kProfile),
          Cmd(ID_FILE_IMPORT_TEXTS, kProfile),
          Cmd(ID_FILE_EXPORT_CONTACTS, kProfile),
          Cmd(ID_FILE_EXPORT_TEXTS, kProfile),
          Cmd(ID_FILE_MERGE, kProfile),
          Sep(),
          {MenuEntryKind::RecentFiles},
          Sep(),
          Cmd(ID_APP_EXIT)}},
        {MenuKind::Popup,
         IDS_MENU_EDIT,
         false,
         {Cmd(ID_EDIT_UNDO, kProfile),
          Cmd(ID_EDIT_REDO, kProfile),
          Sep(kProfile),
          Cmd(ID_EDIT_ADD, kProfile),
          Cmd(ID_EDIT_SCAN_ADD, kProfile),
          Sep(kProfile),
          Cmd(ID_EDIT_CUT, kProfile),
          Cmd(ID_EDIT_COPY, kProfile),
          Cmd(ID_EDIT_PASTE, kProfile),
          Cmd(ID_EDIT_DELETE, kProfile),
          Cmd(ID_EDIT_RENAME, kProfile),
          Sep(kProfile),
          Cmd(ID_EDIT_DEALER_INFO),
          Cmd(ID_EDIT_PREFERENCE),
          {MenuEntryKind::LanguageMenu}}},
        {MenuKind::Popup,
         IDS_MENU_VIEW,
         false,
         {Cmd(ID_VIEW_TOOLBAR), Cmd(ID_VIEW_STATUS_BAR), Cmd(ID_VIEW_HELP_PANE, kProfile),
          Cmd(ID_VIEW_CONTACTS_TABLE, kProfile), Cmd(ID_VIEW_PROBLEMS, kProfile), Cmd(ID_VIEW_FILTER, kProfile)}},
        {MenuKind::Popup,
         IDS_MENU_DEVICE,
         false,
         {Cmd(ID_DEVICE_READ), Cmd(ID_DEVICE_WRITE, kProfile), Cmd(ID_DEVICE_RESET), Cmd(ID_DEVICE_RESTORE), Sep(),
          Cmd(ID_DEVICE_COMPARE, kProfile), Cmd(ID_DEVICE_HISTORY), Cmd(ID_DEVICE_FLEET), Sep(),
          Cmd(ID_DEVICE_FIND_CABLE), Cmd(ID_DEVICE_TEST_CONNECTION)}},
        {MenuKind::Command, 0, kProfile, {Cmd(ID_REPORT)}, "ReportMenuEntry"},
        {MenuKind::WindowList, IDS_MENU_WINDOW, kProfile, {Cmd(ID_WINDOW_CASCADE), Cmd(ID_WINDOW_TILE)}},
        {MenuKind::Popup,
         IDS_MENU_HELP,
         false,
         {Cmd(ID_HELP_CONTENTS), Cmd(ID_HELP_CONTEXT), Sep(), Cmd(ID_HELP_LAST_TRACE), Cmd(ID_HELP_SUPPORT_BUNDLE),
          Sep(), Cmd(ID_APP_ABOUT)}},
    };
    return table;
}

}  // namespace zqv
