// An edit box whose text must be typed: it refuses pasting by keyboard, by the middle mouse
// button (the X11 selection), by dropping text, and through the main window's Paste command,
// and has no context menu. Everything else is a normal edit box.
#pragma once

#include <QLineEdit>

namespace zqv {

class CNonPasteEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit CNonPasteEdit(QWidget *parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
};

}  // namespace zqv
