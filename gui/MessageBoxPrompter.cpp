#include "MessageBoxPrompter.h"

#include "StringTable.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

namespace zqv {
namespace {

struct ButtonSpec {
    QMessageBox::StandardButton button;
    int answer;
};

std::vector<ButtonSpec> ButtonsOf(unsigned style)
{
    switch (style & 0xF) {
    case MB_OKCANCEL: return {{QMessageBox::Ok, IDOK}, {QMessageBox::Cancel, IDCANCEL}};
    case MB_ABORTRETRYIGNORE:
        return {{QMessageBox::Abort, IDABORT}, {QMessageBox::Retry, IDRETRY}, {QMessageBox::Ignore, IDIGNORE}};
    case MB_YESNOCANCEL: return {{QMessageBox::Yes, IDYES}, {QMessageBox::No, IDNO}, {QMessageBox::Cancel, IDCANCEL}};
    case MB_YESNO: return {{QMessageBox::Yes, IDYES}, {QMessageBox::No, IDNO}};
    case MB_RETRYCANCEL: return {{QMessageBox::Retry, IDRETRY}, {QMessageBox::Cancel, IDCANCEL}};
    default: return {{QMessageBox::Ok, IDOK}};
    }
}

QMessageBox::Icon IconOf(unsigned style)
{
    switch (style & 0xF0) {
    case MB_ICONERROR: return QMessageBox::Critical;
    case MB_ICONQUESTION: return QMessageBox::Question;
    case MB_ICONWARNING: return QMessageBox::Warning;
    case MB_ICONINFORMATION: return QMessageBox::Information;
    default:
        // A box without an icon of its own gets the question mark when it asks Yes/No and
        // the warning sign otherwise, as the classic application message box does.
        switch (style & 0xF) {
        case MB_YESNO:
        case MB_YESNOCANCEL: return QMessageBox::Question;
        default: return QMessageBox::Warning;
        }
    }
}

}  // namespace

int CMessageBoxPrompter::Show(const QString &text, unsigned style)
{
    QWidget *parent = m_pParent ? m_pParent->window() : QApplication::activeWindow();
    QMessageBox box(IconOf(style), LoadStr(IDS_APP_NAME), QString(), QMessageBox::NoButton, parent);
    // Messages carry file names, contact names and system texts: shown as they are, never
    // read as markup (a file named "<b>x</b>.zqv" shows those characters).
    box.setTextFormat(Qt::PlainText);
    box.setText(text);
    // A screen reader announces the box as it opens: the message goes with the box itself, not
    // only with the label inside it.
    box.setAccessibleDescription(text);
    const auto buttons = ButtonsOf(style);
    for (const auto &b : buttons)
        box.addButton(b.button);
    const size_t defIndex = (style & MB_DEFBUTTON2) && buttons.size() > 1 ? 1 : 0;
    box.setDefaultButton(buttons[defIndex].button);
    // Esc gives Cancel where there is one, else the only button's answer (an OK box).
    for (const auto &b : buttons)
        if (b.answer == IDCANCEL || buttons.size() == 1)
            box.setEscapeButton(b.button);
    // A failed radio operation offers the troubleshooter beside OK.
    QPushButton *troubleshoot = (style & MB_OFFER_TROUBLESHOOTER)
        ? box.addButton(LoadStr(IDS_DOC_OFFER_BUTTON), QMessageBox::ActionRole)
        : nullptr;
    box.exec();
    if (troubleshoot && box.clickedButton() == troubleshoot)
        return IDTROUBLESHOOT;
    const auto clicked = box.standardButton(box.clickedButton());
    for (const auto &b : buttons)
        if (b.button == clicked)
            return b.answer;
    // Closed without a button: Cancel where there is one, otherwise the No/first answer.
    for (const auto &b : buttons)
        if (b.answer == IDCANCEL)
            return IDCANCEL;
    return buttons.size() == 2 && buttons[1].answer == IDNO ? IDNO : buttons.front().answer;
}

}  // namespace zqv
