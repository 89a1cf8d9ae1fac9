// The New Profile dialog: the radio models for which the installation ships a template
// (ProfileTemplate/*.zqv), one of which the user picks.
#pragma once

#include <QDialog>

class QListWidget;

namespace zqv {

class IPrompter;

class CNewProfileDlg : public QDialog {
    Q_OBJECT
public:
    CNewProfileDlg(const QString &installPath, IPrompter &prompter, QWidget *parent = nullptr);

    // The template names found (file names without ".zqv"), in list order.
    QStringList Templates() const;
    QListWidget *List() const { return m_pList; }
    // The chosen template's path after OK; empty otherwise.
    const QString &TemplatePath() const { return m_strTemplatePath; }

    // Shows the dialog; without templates shows message 10114 and returns Rejected at once.
    int exec() override;
    void accept() override;

private:
    QString m_strInstallPath;
    IPrompter &m_prompter;
    QListWidget *m_pList;
    QString m_strTemplatePath;
};

}  // namespace zqv
