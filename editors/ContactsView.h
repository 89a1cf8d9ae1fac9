// The "Contacts" page: how many contacts, private groups, public groups and private contacts
// the radio model allows and how many the profile holds (read only).
#pragma once

#include "BaseView.h"

class QLineEdit;

namespace zqv {

class CContactsView : public CBaseView {
    Q_OBJECT
public:
    CContactsView(IEditorHost &host, CZQVCPSTreeView &tree, QWidget *parent = nullptr);

    void Load() override;

private:
    QLineEdit *AddNumber(int labelId, int labelText, int valueId, int column, int row);
};

}  // namespace zqv
