// The Dealer Information dialog: the dealer's own texts (dealer information, contact
// information, notes) of the current language, which the reports print. Each text holds at
// most 250 characters; lines are kept with "\r\n" between them.
#pragma once

#include <QDialog>
#include <QPlainTextEdit>

namespace zqv {

class CConfigStore;
class IPrompter;

// A multi-line edit box that takes at most `limit` characters, however they arrive.
class CLimitedTextEdit : public QPlainTextEdit {
    Q_OBJECT
public:
    CLimitedTextEdit(int limit, QWidget *parent = nullptr);
    int Limit() const { return m_nLimit; }

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void insertFromMimeData(const QMimeData *source) override;

private:
    void Enforce();
    int m_nLimit;
    bool m_bEnforcing = false;
};

class CDealerInfoDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr int kTextLimit = 250;

    // The three texts of `language` (lines separated by "\r\n"); false when the language is
    // empty or a text cannot be read.
    struct Texts {
        QString dealerInfo, contactInfo, dealerNotes;
    };
    static bool ReadTexts(const CConfigStore &store, const QString &language, Texts &texts);

    // Edit > Dealer Info: shows message 161 instead of the dialog when the texts cannot be
    // read; otherwise shows the dialog. Returns the dialog's result.
    static int Run(CConfigStore &store, IPrompter &prompter, const QString &language, QWidget *parent);

    CDealerInfoDialog(CConfigStore &store, IPrompter &prompter, const QString &language, const Texts &texts,
                      QWidget *parent = nullptr);

    CLimitedTextEdit *DealerInfoEdit() const { return m_pDealer; }
    CLimitedTextEdit *ContactInfoEdit() const { return m_pContact; }
    CLimitedTextEdit *NotesEdit() const { return m_pNotes; }

    // Stores the three texts; a failure shows message 10118 and keeps the dialog open.
    void accept() override;

private:
    CConfigStore &m_store;
    IPrompter &m_prompter;
    QString m_strLanguage;
    CLimitedTextEdit *m_pDealer;
    CLimitedTextEdit *m_pContact;
    CLimitedTextEdit *m_pNotes;
};

}  // namespace zqv
