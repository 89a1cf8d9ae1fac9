// The "Lists" page (read only): the global scroll list, the scan list of every channel side
// by side, and whether scanning is switched on.
#pragma once

#include "BaseView.h"

class QListWidget;
class QTableWidget;
class QCheckBox;

namespace zqv {

class CListsView : public CBaseView {
    Q_OBJECT
public:
    CListsView(IEditorHost &host, CZQVCPSTreeView &tree, QWidget *parent = nullptr);

    void Load() override;

    QListWidget *ScrollList() const { return m_pScroll; }
    QTableWidget *ScanGrid() const { return m_pScan; }
    QCheckBox *ScanMode() const { return m_pScanMode; }

private:
    QListWidget *m_pScroll;
    QTableWidget *m_pScan;
    QCheckBox *m_pScanMode;
};

}  // namespace zqv
