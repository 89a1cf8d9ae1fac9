// The desktop program's answer to IPrompter: a modal QMessageBox titled with the program's
// name, with the buttons, icon and default button of the classic style word.
#pragma once

#include "Prompter.h"

class QWidget;

namespace zqv {

class CMessageBoxPrompter : public IPrompter {
public:
    // `parent` is the window the boxes are centred on; when null the active window is used.
    explicit CMessageBoxPrompter(QWidget *parent = nullptr) : m_pParent(parent) {}
    int Show(const QString &text, unsigned style) override;

private:
    QWidget *m_pParent;
};

}  // namespace zqv
