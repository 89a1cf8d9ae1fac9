// The "Text Messages" page: the model's maximum and the profile's number of predefined text
// messages, and the button that adds one (disabled while the rule script allows no more).
#pragma once

#include "BaseView.h"

namespace zqv {

class CTextMessagesView : public CBaseView {
    Q_OBJECT
public:
    CTextMessagesView(IEditorHost &host, CZQVCPSTreeView &tree, QWidget *parent = nullptr);

    // Throws CZQVCPSException 20006 when the profile cannot be read.
    void Load() override;
};

}  // namespace zqv
