#include "ProfileTree.h"

#include "Artwork.h"
#include "ChildFrame.h"
#include "CommandState.h"
#include "ProfileFormat.h"
#include "ZQVCPSDoc.h"

#include <QHeaderView>

namespace zqv {

CProfileRootTree::CProfileRootTree(CChildFrame &frame) : m_frame(frame)
{
    setObjectName(QStringLiteral("ProfileTree"));
    setHeaderHidden(true);
    setColumnCount(1);
    setRootIsDecorated(true);
    setIconSize(QSize(20, 20));
    connect(this, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem *now) {
        if (now)
            m_frame.ShowView(kViewRadioInfo);
    });
}

void CProfileRootTree::Build()
{
    clear();
    QString model;
    if (auto doc = m_frame.Document().Model().ProfileDocument())
        if (xmlNodePtr limit = doc->SelectOne(nullptr, QLatin1String(profile::kQueryLimit)))
            model = GetAttr(limit, "model");
    auto *root = new QTreeWidgetItem(this, {profile::ModelDisplayName(model)});
    root->setIcon(0, AppIcon());
    setCurrentItem(root);
    // The root offers none of the tree's commands.
    CCommandState::Instance().SetTreeFlags(false, false, false, false);
}

}  // namespace zqv
