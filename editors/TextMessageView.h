// The form of one predefined text message: the text (at most 80 characters) with the buttons
// that delete it and add another. The text reaches the profile when the form is left (or the
// profile saved, written or reported): control characters are dropped, a blank text or one
// the rule script refuses offers to delete the message.
#pragma once

#include "BaseView.h"

class QPlainTextEdit;
class QPushButton;

namespace zqv {

class CTextMessageView : public CBaseView {
    Q_OBJECT
public:
    // The longest message the radio takes, and how much of the edit a commit reads.
    static constexpr int kMaxLength = 80;
    static constexpr int kMaxCommitRead = 1024;

    CTextMessageView(IEditorHost &host, CZQVCPSTreeView &tree, QWidget *parent = nullptr);

    void Load() override;
    // The commit: 1 written or unchanged, 0 the user stays to edit, -1 the message was deleted.
    int ValidateBeforeLeaving() override;
    void OnAfterAdd(int addedKind) override;
    void ReturnToField(int controlId) override;

    // `text` without its control characters (codes below 32).
    static QString StripControlCharacters(const QString &text);

    QPlainTextEdit *TextEdit() const { return m_pText; }

private:
    void OnTextChanged();
    int DeleteThisMessage();

    QPlainTextEdit *m_pText;
    QPushButton *m_pAdd;
    QString m_strAccepted;  // the edit's text as it last stood within the length limit
    bool m_bChanged = false;
    bool m_bLoading = false;
};

}  // namespace zqv
