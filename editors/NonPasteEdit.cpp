#include "NonPasteEdit.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMouseEvent>

namespace zqv {

CNonPasteEdit::CNonPasteEdit(QWidget *parent) : QLineEdit(parent)
{
    setAcceptDrops(false);
    setContextMenuPolicy(Qt::PreventContextMenu);
}

void CNonPasteEdit::keyPressEvent(QKeyEvent *event)
{
    // Ctrl+V, Shift+Insert and the platform's other paste keys.
    if (event->matches(QKeySequence::Paste)) {
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void CNonPasteEdit::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::RightButton || event->button() == Qt::MiddleButton) {
        event->accept();
        return;
    }
    QLineEdit::mousePressEvent(event);
}

void CNonPasteEdit::mouseReleaseEvent(QMouseEvent *event)
{
    // The middle button pastes the selection when it is released.
    if (event->button() == Qt::RightButton || event->button() == Qt::MiddleButton) {
        event->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
}

void CNonPasteEdit::contextMenuEvent(QContextMenuEvent *event)
{
    event->accept();
}

}  // namespace zqv
