// The pages of the three contact folders of the tree: "Public Groups", "Private Groups" and
// "Privates". Each offers the Add command of its folder (the Privates page also the add with
// a bar-code scanner), enabled while the rule script lets the folder take one more contact.
#pragma once

#include "BaseView.h"

namespace zqv {

class CContactFolderView : public CBaseView {
    Q_OBJECT
public:
    void Load() override;

protected:
    CContactFolderView(IEditorHost &host, CZQVCPSTreeView &tree, NodeKind kind, const char *page, int headingId,
                       int heading, QWidget *parent);
    // An add button with its caption in row `row`; the button sends an Add notice for
    // `addKind`.
    void AddButtonRow(int buttonId, int labelId, int caption, NodeKind addKind, int row);

private:
    const char *m_szPage;
    std::vector<int> m_buttons;
};

class CPublicGroupsView : public CContactFolderView {
    Q_OBJECT
public:
    CPublicGroupsView(IEditorHost &host, CZQVCPSTreeView &tree, QWidget *parent = nullptr);
};

class CPrivateGroupsView : public CContactFolderView {
    Q_OBJECT
public:
    CPrivateGroupsView(IEditorHost &host, CZQVCPSTreeView &tree, QWidget *parent = nullptr);
};

class CPrivatesView : public CContactFolderView {
    Q_OBJECT
public:
    CPrivatesView(IEditorHost &host, CZQVCPSTreeView &tree, QWidget *parent = nullptr);
};

}  // namespace zqv
