// Names for screen readers: a control takes the text of the label that stands for it, or a
// name of its own where no label does (icon buttons, lists under a heading).
#pragma once

#include <QString>

class QLabel;
class QWidget;

namespace zqv {

// `text` as a screen reader should speak it: without its mnemonic marker ("&&" stays "&").
QString WithoutMnemonic(const QString &text);

// Makes `label` the label of `control`: its mnemonic moves the focus there, and the control's
// accessible name is the label's text. Item views, text boxes and buttons do not look for a
// buddy label themselves, so the name is set as well.
void NameByLabel(QLabel *label, QWidget *control);

}  // namespace zqv
