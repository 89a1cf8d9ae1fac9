// The "Scan List" page: the "Scan Mode" switch that turns scanning on or off for the radio.
#pragma once

#include "BaseView.h"

class QCheckBox;

namespace zqv {

class CScanListView : public CBaseView {
    Q_OBJECT
public:
    CScanListView(IEditorHost &host, CZQVCPSTreeView &tree, QWidget *parent = nullptr);

    void Load() override;

    QCheckBox *ScanMode() const { return m_pScanMode; }

private:
    void OnScanModeToggled(bool on);

    QCheckBox *m_pScanMode;
    bool m_bLoading = false;
};

}  // namespace zqv
