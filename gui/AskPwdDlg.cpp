#include "AskPwdDlg.h"

#include "AccessibleName.h"
#include "EditCommands.h"
#include "Prompter.h"
#include "StringTable.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

namespace zqv {

namespace {
constexpr int kIdcPassword = 1127;
constexpr int kIdcOk = 1124;
constexpr int kIdcCancel = 1125;
}  // namespace

CAskPwdDlg::CAskPwdDlg(const QString &expected, IPrompter &prompter, QWidget *parent)
    : QDialog(parent), m_strExpected(expected), m_prompter(prompter)
{
    setWindowTitle(LoadStr(IDS_PASSWORD_DIALOG_TITLE));
    auto *layout = new QVBoxLayout(this);
    auto *prompt = new QLabel(LoadStr(IDS_PASSWORD_PROMPT), this);
    layout->addWidget(prompt);
    m_pEdit = new QLineEdit(this);
    NameByLabel(prompt, m_pEdit);
    m_pEdit->setProperty(kControlIdProperty, kIdcPassword);
    m_pEdit->setEchoMode(QLineEdit::Password);
    m_pEdit->setMaxLength(4);
    m_pEdit->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,4}")), m_pEdit));
    layout->addWidget(m_pEdit);
    auto *buttons = new QDialogButtonBox(this);
    QPushButton *ok = buttons->addButton(LoadStr(IDS_BUTTON_OK), QDialogButtonBox::AcceptRole);
    QPushButton *cancel = buttons->addButton(LoadStr(IDS_BUTTON_CANCEL), QDialogButtonBox::RejectRole);
    ok->setProperty(kControlIdProperty, kIdcOk);
    cancel->setProperty(kControlIdProperty, kIdcCancel);
    ok->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    setMinimumWidth(280);
}

void CAskPwdDlg::showEvent(QShowEvent *event)
{
    m_pEdit->clear();
    m_pEdit->setFocus();
    QDialog::showEvent(event);
}

void CAskPwdDlg::accept()
{
    const QString typed = m_pEdit->text();
    if (typed != m_strExpected)
        m_prompter.ShowMessage(IDS_PASSWORD_INCORRECT);
    else
        m_strEntered = typed;
    QDialog::accept();
}

}  // namespace zqv
