#include "TextMessageView.h"

#include "ControlIds.h"
#include "ProfileItems.h"
#include "Prompter.h"
#include "StringTable.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextCursor>

namespace zqv {

CTextMessageView::CTextMessageView(IEditorHost &host, CZQVCPSTreeView &tree, QWidget *parent)
    : CBaseView(host, tree, kNodeTextMessage, parent)
{
    AddHeading(IDC_TEXTMSG_HEADING, LoadStr(IDS_TEXT_MESSAGE));
    AddLabel(IDC_TEXTMSG_TEXT_LABEL, LoadStr(IDS_TEXT_MESSAGE), QRect(0, 60, 420, 24));
    m_pText = AddControl(IDC_TEXTMSG_TEXT, new QPlainTextEdit, QRect(0, 86, 420, 90));
    auto *del =
        AddControl(IDC_TEXTMSG_DELETE, new QPushButton(LoadStr(IDS_DELETE_CURRENT_MESSAGE)), QRect(0, 188, 220, 30));
    m_pAdd = AddAddButton(IDC_TEXTMSG_ADD, kNodeTextMessage, kNodeTextMessages, QRect(0, 236, 44, 40));
    AddLabel(IDC_TEXTMSG_ADD_LABEL, LoadStr(IDS_ADD_NEW_MESSAGE), QRect(54, 243, 260, 26));
    setFocusProxy(m_pText);
    // A message holds no tabs: Tab goes on to the next control, as in every other field.
    m_pText->setTabChangesFocus(true);
    connect(m_pText, &QPlainTextEdit::textChanged, this, [this] { OnTextChanged(); });
    connect(del, &QPushButton::clicked, this, [this] { PostHint(kHintDelete, kNodeTextMessage, CurrentIndex()); });
}

void CTextMessageView::Load()
{
    ApplyPageVisibility(QStringLiteral("TextMsgX"));
    const CDataItem root = ProfileRoot();
    m_pAdd->setEnabled(ListItem(root, kNodeTextMessages).CanAddChild());
    m_bLoading = true;
    m_strAccepted = AttrText(ListChild(root, kNodeTextMessage, CurrentIndex()), "txt");
    m_pText->setPlainText(m_strAccepted);
    m_pText->selectAll();
    m_bLoading = false;
}

QString CTextMessageView::StripControlCharacters(const QString &text)
{
    QString out;
    out.reserve(text.size());
    for (QChar c : text)
        if (c.unicode() >= 32)
            out += c;
    return out;
}

void CTextMessageView::OnTextChanged()
{
    if (m_bLoading)
        return;
    const QString text = m_pText->toPlainText();
    if (text.size() > kMaxLength) {
        // The edit takes no more: put the last text back, the caret where the typing was.
        const int caret =
            qMax(0, m_pText->textCursor().position() - static_cast<int>(text.size() - m_strAccepted.size()));
        m_bLoading = true;
        m_pText->setPlainText(m_strAccepted);
        QTextCursor cursor = m_pText->textCursor();
        cursor.setPosition(qMin(caret, static_cast<int>(m_strAccepted.size())));
        m_pText->setTextCursor(cursor);
        m_bLoading = false;
        Prompter().Show(FormatStr(IDS_TEXT_MESSAGE_TOO_LONG, {QString::number(kMaxLength)}), MB_OK | MB_ICONWARNING);
        return;
    }
    m_strAccepted = text;
    m_bChanged = true;
    SetModified();
}

int CTextMessageView::DeleteThisMessage()
{
    CSuspendValidation suspend;
    SendHint(kHintDelete, kNodeTextMessage, CurrentIndex());
    return -1;
}

int CTextMessageView::ValidateBeforeLeaving()
{
    const QString text = StripControlCharacters(m_pText->toPlainText().left(kMaxCommitRead));
    if (text.isEmpty()) {
        if (Prompter().ShowMessage(IDS_MESSAGE_BLANK_DELETE, MB_OKCANCEL | MB_ICONQUESTION) == IDOK)
            return DeleteThisMessage();
        PostReturnToField(IDC_TEXTMSG_TEXT);
        return 0;
    }
    if (!m_bChanged)
        return 1;
    CDataItem message = ListChild(ProfileRoot(), kNodeTextMessage, CurrentIndex());
    if (message.IsEmpty())
        return 1;
    const QString old = AttrText(message, "txt");
    // A text the script refuses is offered for deletion, with the refusal's icon.
    const RuleAnswer answer = SetValueQuietly(message, QStringLiteral("txt"), text);
    if (answer.result == RuleResult::Applied) {
        m_bChanged = false;
        if (AttrText(message, "txt") != old)
            SetModified();
        SendHint(kHintRefresh, kNodeTextMessage, CurrentIndex());
        return 1;
    }
    if (answer.message != 0 && ShowMessage(answer.message, MB_OKCANCEL | (answer.style & 0xF0u)) == IDOK)
        return DeleteThisMessage();
    PostReturnToField(IDC_TEXTMSG_TEXT);
    return 0;
}

void CTextMessageView::OnAfterAdd(int)
{
    FocusAndSelectAll(m_pText);
}

void CTextMessageView::ReturnToField(int)
{
    FocusAndSelectAll(m_pText);
}

}  // namespace zqv
