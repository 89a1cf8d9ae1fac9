#include "CommandTable.h"

#include "CommandIds.h"
#include "StringTable.h"

namespace zqv {

const std::vector<CommandSpec> &CommandTable()
{
    static const std::vector<CommandSpec> table = {
        {ID_FILE_NEW, IDS_MENU_FILE_NEW, IDS_PROMPT_FILE_NEW, ToolIcon::New, IDS_TOOLBAR_NEW},
        {ID_FILE_OPEN, IDS_MENU_FILE_OPEN, IDS_PROMPT_FILE_OPEN, ToolIcon::Open, IDS_TOOLBAR_OPEN},
        {ID_FILE_CLOSE, IDS_MENU_FILE_CLOSE, IDS_PROMPT_FILE_CLOSE, std::nullopt},
        {ID_FILE_SAVE, IDS_MENU_FILE_SAVE, IDS_PROMPT_FILE_SAVE, ToolIcon::Save, IDS_TOOLBAR_SAVE},
        {ID_FILE_SAVE_AS, IDS_MENU_FILE_SAVE_AS, IDS_PROMPT_FILE_SAVE_AS, std::nullopt},
        {ID_FILE_REVERT, IDS_MENU_FILE_REVERT, IDS_PROMPT_FILE_REVERT, std::nullopt},
        {ID_FILE_IMPORT_CONTACTS, IDS_MENU_FILE_IMPORT_CONTACTS, IDS_PROMPT_FILE_IMPORT_CONTACTS, std::nullopt},
        {ID_FILE_IMPORT_TEXTS, IDS_MENU_FILE_IMPORT_TEXTS, IDS_PROMPT_FILE_IMPORT_TEXTS, std::nullopt},
        {ID_FILE_EXPORT_CONTACTS, IDS_MENU_FILE_EXPORT_CONTACTS, IDS_PROMPT_FILE_EXPORT_CONTACTS, std::nullopt},
        {ID_FILE_EXPORT_TEXTS, IDS_MENU_FILE_EXPORT_TEXTS, IDS_PROMPT_FILE_EXPORT_TEXTS, std::nullopt},
        {ID_FILE_MERGE, IDS_MENU_FILE_MERGE, IDS_PROMPT_FILE_MERGE, std::nullopt},
        {ID_APP_EXIT, IDS_MENU_FILE_EXIT, IDS_PROMPT_APP_EXIT, std::nullopt},
        {ID_EDIT_UNDO, IDS_MENU_EDIT_UNDO, IDS_PROMPT_EDIT_UNDO, ToolIcon::Undo, IDS_TOOLBAR_UNDO},
        {ID_EDIT_REDO, IDS_MENU_EDIT_REDO, IDS_PROMPT_EDIT_REDO, ToolIcon::Redo, IDS_TOOLBAR_REDO},
        {ID_EDIT_ADD, IDS_MENU_EDIT_ADD, IDS_PROMPT_EDIT_ADD, ToolIcon::Add, IDS_TOOLBAR_ADD},
        {ID_EDIT_SCAN_ADD, IDS_MENU_EDIT_SCAN_ADD, IDS_PROMPT_EDIT_SCAN_ADD, ToolIcon::Scan, IDS_TOOLBAR_SCAN},
        {ID_EDIT_CUT, IDS_MENU_EDIT_CUT, IDS_PROMPT_EDIT_CUT, ToolIcon::Cut, IDS_TOOLBAR_CUT},
        {ID_EDIT_COPY, IDS_MENU_EDIT_COPY, IDS_PROMPT_EDIT_COPY, ToolIcon::Copy, IDS_TOOLBAR_COPY},
        {ID_EDIT_PASTE, IDS_MENU_EDIT_PASTE, IDS_PROMPT_EDIT_PASTE, ToolIcon::Paste, IDS_TOOLBAR_PASTE},
        {ID_EDIT_DELETE, IDS_MENU_EDIT_DELETE, IDS_PROMPT_EDIT_DELETE, ToolIcon::Delete, IDS_TOOLBAR_DELETE},
        {ID_EDIT_RENAME, IDS_MENU_EDIT_RENAME, IDS_PROMPT_EDIT_RENAME, std::nullopt},
        {ID_EDIT_DEALER_INFO, IDS_MENU_EDIT_DEALER_INFO, IDS_PROMPT_EDIT_DEALER_INFO, std::nullopt},
        {ID_EDIT_PREFERENCE, IDS_MENU_EDIT_PREFERENCE, IDS_PROMPT_EDIT_PREFERENCE, std::nullopt},
        {ID_VIEW_TOOLBAR, IDS_MENU_VIEW_TOOLBAR, IDS_PROMPT_VIEW_TOOLBAR, std::nullopt},
        {ID_VIEW_STATUS_BAR, IDS_MENU_VIEW_STATUS_BAR, IDS_PROMPT_VIEW_STATUS_BAR, std::nullopt},
        {ID_VIEW_HELP_PANE, IDS_MENU_VIEW_HELP_PANE, IDS_PROMPT_VIEW_HELP_PANE, std::nullopt},
        {ID_VIEW_CONTACTS_TABLE, IDS_MENU_VIEW_CONTACTS_TABLE, IDS_PROMPT_VIEW_CONTACTS_TABLE, std::nullopt},
        {ID_VIEW_PROBLEMS, IDS_MENU_VIEW_PROBLEMS, IDS_PROMPT_VIEW_PROBLEMS, std::nullopt},
        {ID_VIEW_FILTER, IDS_MENU_VIEW_FILTER, IDS_PROMPT_VIEW_FILTER, std::nullopt},
        {ID_DEVICE_READ, IDS_MENU_DEVICE_READ, IDS_PROMPT_DEVICE_READ, ToolIcon::Read, IDS_TOOLBAR_READ},
        {ID_DEVICE_WRITE, IDS_MENU_DEVICE_WRITE, IDS_PROMPT_DEVICE_WRITE, ToolIcon::Write, IDS_TOOLBAR_WRITE},
        {ID_DEVICE_RESET, IDS_MENU_DEVICE_RESET, IDS_PROMPT_DEVICE_RESET, std::nullopt},
        {ID_DEVICE_RESTORE, IDS_MENU_DEVICE_RESTORE, IDS_PROMPT_DEVICE_RESTORE, std::nullopt},
        {ID_DEVICE_COMPARE, IDS_MENU_DEVICE_COMPARE, IDS_PROMPT_DEVICE_COMPARE, std::nullopt},
        {ID_DEVICE_HISTORY, IDS_MENU_DEVICE_HISTORY, IDS_PROMPT_DEVICE_HISTORY, std::nullopt},
        {ID_DEVICE_FLEET, IDS_MENU_DEVICE_FLEET, IDS_PROMPT_DEVICE_FLEET, std::nullopt},
        {ID_DEVICE_FIND_CABLE, IDS_MENU_DEVICE_FIND_CABLE, IDS_PROMPT_DEVICE_FIND_CABLE, std::nullopt},
        {ID_DEVICE_TEST_CONNECTION, IDS_MENU_DEVICE_TEST_CONNECTION, IDS_PROMPT_DEVICE_TEST_CONNECTION, std::nullopt},
        {ID_REPORT, IDS_MENU_REPORT, IDS_PROMPT_REPORT, ToolIcon::Report, IDS_TOOLBAR_REPORT},
        {ID_WINDOW_CASCADE, IDS_MENU_WINDOW_CASCADE, IDS_PROMPT_WINDOW_CASCADE, std::nullopt},
        {ID_WINDOW_TILE, IDS_MENU_WINDOW_TILE, IDS_PROMPT_WINDOW_TILE, std::nullopt},
        {ID_HELP_CONTENTS, IDS_MENU_HELP_CONTENTS, IDS_PROMPT_HELP_CONTENTS, std::nullopt},
        {ID_HELP_CONTEXT, IDS_MENU_HELP_CONTEXT, IDS_PROMPT_HELP_CONTEXT, std::nullopt},
        {ID_HELP_LAST_TRACE, IDS_MENU_HELP_LAST_TRACE, IDS_PROMPT_HELP_LAST_TRACE, std::nullopt},
        {ID_HELP_SUPPORT_BUNDLE, IDS_MENU_HELP_SUPPORT_BUNDLE, IDS_PROMPT_HELP_SUPPORT_BUNDLE, std::nullopt},
        {ID_APP_ABOUT, IDS_MENU_HELP_ABOUT, IDS_PROMPT_APP_ABOUT, ToolIcon::About, IDS_TOOLBAR_ABOUT},
    };
    return table;
}

const CommandSpec *FindCommand(int id)
{
    for (const auto &spec : CommandTable())
        if (spec.id == id)
            return &spec;
    return nullptr;
}

const std::vector<int> &ToolbarLayout()
{
    // Positions 3, 7, 11 and 14 of the classic toolbar are separators; Undo and Redo follow
    // the clipboard group.
    static const std::vector<int> layout = {
        ID_FILE_NEW,
        ID_FILE_OPEN,
        ID_FILE_SAVE,
        0,
        ID_EDIT_ADD,
        ID_EDIT_SCAN_ADD,
        ID_EDIT_DELETE,
        0,
        ID_EDIT_CUT,
        ID_EDIT_COPY,
        ID_EDIT_PASTE,
        0,
        ID_EDIT_UNDO,
        ID_EDIT_REDO,
        0,
        ID_DEVICE_READ,
        ID_DEVICE_WRITE,
        0,
        ID_REPORT,
        ID_APP_ABOUT,
    };
    return layout;
}

MenuText SplitMenuText(const QString &text)
{
    const qsizetype tab = text.indexOf(u'\t');
    if (tab < 0)
        return {text, QKeySequence()};
    QString key = text.mid(tab + 1);
    // "Del" is the classic menu's spelling of the Delete key.
    if (key.compare(QLatin1String("Del"), Qt::CaseInsensitive) == 0)
        key = QStringLiteral("Delete");
    return {text.left(tab), QKeySequence::fromString(key, QKeySequence::PortableText)};
}

QList<QKeySequence> CommandShortcuts(const CommandSpec &spec)
{
    switch (spec.id) {
    // F1 is the context help's; the contents keep their menu entry without a key.
    case ID_HELP_CONTENTS: return {};
    // Redo answers both of the usual keys.
    case ID_EDIT_REDO: return {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)};
    default: break;
    }
    const QKeySequence key = SplitMenuText(LoadStr(spec.textId)).accelerator;
    return key.isEmpty() ? QList<QKeySequence>() : QList<QKeySequence>{key};
}

PromptText SplitPromptText(const QString &text)
{
    const qsizetype nl = text.indexOf(u'\n');
    if (nl < 0)
        return {text, text};
    return {text.left(nl), text.mid(nl + 1)};
}

}  // namespace zqv
