#include "TextMessagesView.h"

#include "ControlIds.h"
#include "ProfileItems.h"
#include "StringTable.h"
#include "ZQVCPSException.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace zqv {

CTextMessagesView::CTextMessagesView(IEditorHost &host, CZQVCPSTreeView &tree, QWidget *parent)
    : CBaseView(host, tree, kNodeTextMessages, parent)
{
    AddHeading(IDC_TEXTMSGS_HEADING, LoadStr(IDS_TEXT_MESSAGES));
    AddLabel(IDC_TEXTMSGS_MAX_LABEL, LoadStr(IDS_MAXIMUM_TEXT_MESSAGES), QRect(0, 60, 260, 26));
    AddLabel(IDC_TEXTMSGS_CURRENT_LABEL, LoadStr(IDS_CURRENT_TEXT_MESSAGES), QRect(0, 96, 260, 26));
    for (int id : {IDC_TEXTMSGS_MAX, IDC_TEXTMSGS_CURRENT}) {
        // A count keeps its width.
        QLineEdit *count = AddReadOnlyField(id, QRect(265, id == IDC_TEXTMSGS_MAX ? 60 : 96, 60, 26));
        count->setAlignment(Qt::AlignRight);
        count->setFixedWidth(60);
    }
    AddAddButton(IDC_TEXTMSGS_ADD, kNodeTextMessage, kNodeTextMessages, QRect(0, 146, 44, 40));
    AddLabel(IDC_TEXTMSGS_ADD_LABEL, LoadStr(IDS_ADD_TEXT_MESSAGE), QRect(54, 153, 260, 26));
}

void CTextMessagesView::Load()
{
    ApplyPageVisibility(QStringLiteral("TextMsgs"));
    try {
        const CDataItem root = ProfileRoot();
        const CDataItem texts = ChildItem(root, "TextMessages");
        static_cast<QLineEdit *>(Control(IDC_TEXTMSGS_MAX))
            ->setText(QString::number(LimitNumber(root, "max_num_of_predefined_msgs")));
        static_cast<QLineEdit *>(Control(IDC_TEXTMSGS_CURRENT))->setText(QString::number(texts.GetChildCount()));
        Control(IDC_TEXTMSGS_ADD)->setEnabled(texts.CanAddChild());
    } catch (CZQVCPSException &e) {
        e.AddTrace("CTextMessagesView::Load", __LINE__, QLatin1String(kExceptionCatched));
        ZQV_THROW(IDS_TEXT_MESSAGES_LOAD_ERROR, "CTextMessagesView::Load", e.GetTrace());
    }
}

}  // namespace zqv
