// Cut, Copy, Paste and Delete of the Edit menu when the keyboard focus is in an edit box of a
// form: the rules that enable them and the requests sent to the box.
//
// An edit box is a QLineEdit, QPlainTextEdit or QTextEdit; it is editable when it is not
// read-only. The two codeplug password boxes of the settings form (control ids 1066 and 1002,
// given to the widget as its "controlId" property, inside a profile window's settings form)
// and any box that hides what is typed never give their text away: Cut, Copy and Paste stay
// disabled there. The same ids elsewhere name ordinary boxes.
#pragma once

class QWidget;

namespace zqv {

class CChildFrame;

// The dynamic property by which a form's control carries its dialog-control id.
inline constexpr const char kControlIdProperty[] = "controlId";

enum class EditCommand { Cut, Copy, Paste, Delete };

bool IsEditBox(const QWidget *w);
bool IsEditableEditBox(const QWidget *w);
bool IsPasswordBox(const QWidget *w);
bool EditBoxHasSelection(const QWidget *w);

// Whether `command` applies to the edit box `focus` (null or another widget: false).
// Delete is decided here only for an editable box; elsewhere it belongs to the tree.
bool CanEdit(EditCommand command, const QWidget *focus);
// Sends the request to the box; returns false when `focus` is not an edit box. A paste into a
// box that refuses pasting (CNonPasteEdit) does nothing.
bool DoEdit(EditCommand command, QWidget *focus);

// Copy and Paste of whole contacts and texts between profile windows, when the focus is not
// in an edit box: Copy takes the items of the tree's selected node while the tree has the
// focus (a node without any copies nothing); Paste puts the clipboard's items into the profile of `child`.
bool CanCopyItems(CChildFrame *child, const QWidget *focus);
bool CanPasteItems(CChildFrame *child, const QWidget *focus);
void CopyItems(CChildFrame &child);
void PasteItems(CChildFrame &child);

}  // namespace zqv
