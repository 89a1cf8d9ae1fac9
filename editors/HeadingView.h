// The form of a node whose editor is not part of the program yet (settings, private group,
// private contact, scroll list, one channel's scan list): its heading only, with the page
// visibility of its kind.
#pragma once

#include "BaseView.h"

class QLabel;

namespace zqv {

class CHeadingView : public CBaseView {
    Q_OBJECT
public:
    // `kind`: kNodeSettings, kNodePrivateGroup, kNodePrivate, kNodeScrollList or
    // kNodeScanChannel.
    CHeadingView(IEditorHost &host, CZQVCPSTreeView &tree, NodeKind kind, QWidget *parent = nullptr);

    void Load() override;
    // A renamed contact shows its new name.
    void OnUpdate(const ViewHint &hint) override;

    QString Heading() const;

private:
    QString HeadingText() const;

    QLabel *m_pHeading;
};

}  // namespace zqv
