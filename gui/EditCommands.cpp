#include "EditCommands.h"

#include "ChildFrame.h"
#include "NonPasteEdit.h"
#include "ProfileTree.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QTextEdit>

namespace zqv {
namespace {

constexpr int kPasswordControlId = 1066;
constexpr int kConfirmPasswordControlId = 1002;

bool ClipboardHasText()
{
    const QMimeData *data = QApplication::clipboard()->mimeData();
    return data && data->hasText() && !data->text().isEmpty();
}

}  // namespace

bool IsEditBox(const QWidget *w)
{
    return qobject_cast<const QLineEdit *>(w) || qobject_cast<const QPlainTextEdit *>(w) ||
        qobject_cast<const QTextEdit *>(w);
}

bool IsEditableEditBox(const QWidget *w)
{
    if (auto *le = qobject_cast<const QLineEdit *>(w))
        return !le->isReadOnly();
    if (auto *pe = qobject_cast<const QPlainTextEdit *>(w))
        return !pe->isReadOnly();
    if (auto *te = qobject_cast<const QTextEdit *>(w))
        return !te->isReadOnly();
    return false;
}

bool IsPasswordBox(const QWidget *w)
{
    if (!w)
        return false;
    auto *le = qobject_cast<const QLineEdit *>(w);
    if (le && le->echoMode() != QLineEdit::Normal)
        return true;
    // The ids name the codeplug password boxes only on the settings form; other windows use
    // the same numbers for their own controls (the dealer dialog's contact box is 1002).
    bool ok = false;
    const int id = w->property(kControlIdProperty).toInt(&ok);
    if (!ok || (id != kPasswordControlId && id != kConfirmPasswordControlId))
        return false;
    for (QWidget *p = w->parentWidget(); p; p = p->parentWidget())
        if (auto *child = qobject_cast<CChildFrame *>(p))
            return child->ViewKind() == kViewSettings && child->RightView() && child->RightView()->isAncestorOf(w);
    return false;
}

bool EditBoxHasSelection(const QWidget *w)
{
    if (auto *le = qobject_cast<const QLineEdit *>(w))
        return le->hasSelectedText();
    if (auto *pe = qobject_cast<const QPlainTextEdit *>(w))
        return pe->textCursor().hasSelection();
    if (auto *te = qobject_cast<const QTextEdit *>(w))
        return te->textCursor().hasSelection();
    return false;
}

bool CanEdit(EditCommand command, const QWidget *focus)
{
    if (!IsEditBox(focus))
        return false;
    switch (command) {
    case EditCommand::Cut: return !IsPasswordBox(focus) && IsEditableEditBox(focus) && EditBoxHasSelection(focus);
    case EditCommand::Copy: return !IsPasswordBox(focus) && EditBoxHasSelection(focus);
    case EditCommand::Paste: return !IsPasswordBox(focus) && IsEditableEditBox(focus) && ClipboardHasText();
    case EditCommand::Delete: return IsEditableEditBox(focus) && EditBoxHasSelection(focus);
    }
    return false;
}

bool CanCopyItems(CChildFrame *child, const QWidget *focus)
{
    // Enabled with the tree's focus whatever its node (the enabling follows the focus, not each
    // move in the tree); a node without contacts or texts copies nothing.
    return child && focus && focus == child->Tree().Widget();
}

bool CanPasteItems(CChildFrame *child, const QWidget *focus)
{
    return child && !IsEditBox(focus) && ExchangeClip::IsIn(QApplication::clipboard()->mimeData());
}

void CopyItems(CChildFrame &child)
{
    const ExchangeClip clip = child.Tree().CopyItems();
    if (!clip.IsEmpty())
        QApplication::clipboard()->setMimeData(clip.ToMimeData());
}

void PasteItems(CChildFrame &child)
{
    child.Tree().PasteItems(ExchangeClip::FromMimeData(QApplication::clipboard()->mimeData()));
}

bool DoEdit(EditCommand command, QWidget *focus)
{
    if (auto *le = qobject_cast<QLineEdit *>(focus)) {
        switch (command) {
        case EditCommand::Cut: le->cut(); break;
        case EditCommand::Copy: le->copy(); break;
        case EditCommand::Paste:
            if (!qobject_cast<CNonPasteEdit *>(le))
                le->paste();
            break;
        case EditCommand::Delete:
            if (le->hasSelectedText() && !le->isReadOnly())
                le->del();
            break;
        }
        return true;
    }
    auto apply = [command](auto *edit) {
        switch (command) {
        case EditCommand::Cut: edit->cut(); break;
        case EditCommand::Copy: edit->copy(); break;
        case EditCommand::Paste: edit->paste(); break;
        case EditCommand::Delete:
            if (!edit->isReadOnly()) {
                QTextCursor c = edit->textCursor();
                c.removeSelectedText();
                edit->setTextCursor(c);
            }
            break;
        }
    };
    if (auto *pe = qobject_cast<QPlainTextEdit *>(focus)) {
        apply(pe);
        return true;
    }
    if (auto *te = qobject_cast<QTextEdit *>(focus)) {
        apply(te);
        return true;
    }
    return false;
}

}  // namespace zqv
