// The radio password prompt shown before reading or writing a radio that has a codeplug
// password: up to four digits, typed hidden. OK always closes the prompt; a wrong password is
// reported (message 302) and not stored, so the caller's loop asks again.
#pragma once

#include <QDialog>

class QLineEdit;

namespace zqv {

class IPrompter;

class CAskPwdDlg : public QDialog {
    Q_OBJECT
public:
    CAskPwdDlg(const QString &expected, IPrompter &prompter, QWidget *parent = nullptr);

    // The password typed when it matched the expected one; empty otherwise.
    const QString &Entered() const { return m_strEntered; }
    QLineEdit *Edit() const { return m_pEdit; }

    void accept() override;

protected:
    void showEvent(QShowEvent *event) override;

private:
    QString m_strExpected;
    QString m_strEntered;
    IPrompter &m_prompter;
    QLineEdit *m_pEdit;
};

}  // namespace zqv
