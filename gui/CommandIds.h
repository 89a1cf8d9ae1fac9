// Numbers of the menu and toolbar commands. They are the program's fixed command numbers: the
// menu relabelling, the language commands and the tests find commands by them.
#pragma once

namespace zqv {

enum CommandId : int {
    ID_VIEW_HELP_PANE = 220,
    ID_EDIT_ADD = 32771,
    ID_EDIT_DELETE = 32772,
    ID_EDIT_RENAME = 32773,
    ID_EDIT_DEALER_INFO = 32774,
    ID_EDIT_PREFERENCE = 32775,
    ID_DEVICE_READ = 32776,
    ID_DEVICE_WRITE = 32777,
    ID_DEVICE_RESET = 32778,
    ID_REPORT = 32779,
    ID_HELP_CONTENTS = 32780,
    ID_EDIT_SCAN_ADD = 32802,
    ID_LANGUAGE_GERMAN = 32808,
    ID_LANGUAGE_SPANISH = 32811,
    ID_LANGUAGE_ENGLISH = 32812,
    ID_LANGUAGE_LA_PORTUGUESE = 32821,
    ID_LANGUAGE_LA_SPANISH = 32822,
    ID_LANGUAGE_CA_FRENCH = 32823,
    ID_LANGUAGE_FRENCH = 32826,
    ID_DEVICE_RESTORE = 32840,
    ID_FILE_IMPORT_CONTACTS = 32860,
    ID_FILE_IMPORT_TEXTS = 32861,
    ID_FILE_EXPORT_CONTACTS = 32862,
    ID_FILE_EXPORT_TEXTS = 32863,
    ID_FILE_MERGE = 32864,
    ID_VIEW_PROBLEMS = 32920,
    ID_VIEW_FILTER = 32921,
    ID_FILE_NEW = 57600,
    ID_FILE_OPEN = 57601,
    ID_FILE_CLOSE = 57602,
    ID_FILE_SAVE = 57603,
    ID_FILE_SAVE_AS = 57604,
    ID_FILE_MRU_FIRST = 57616,
    ID_EDIT_COPY = 57634,
    ID_EDIT_CUT = 57635,
    ID_EDIT_PASTE = 57637,
    ID_WINDOW_CASCADE = 57650,
    ID_WINDOW_TILE = 57651,
    ID_APP_ABOUT = 57664,
    ID_APP_EXIT = 57665,
    ID_VIEW_TOOLBAR = 59392,
    ID_VIEW_STATUS_BAR = 59393,
};

// The number of entries in the most-recently-used list.
inline constexpr int kMruEntries = 4;

}  // namespace zqv
