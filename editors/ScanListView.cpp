#include "ScanListView.h"

#include "ControlIds.h"
#include "ProfileItems.h"
#include "Prompter.h"
#include "StringTable.h"

#include <QCheckBox>

namespace zqv {

CScanListView::CScanListView(IEditorHost &host, CZQVCPSTreeView &tree, QWidget *parent)
    : CBaseView(host, tree, kNodeScanList, parent)
{
    AddHeading(IDC_SCANLIST_HEADING, LoadStr(IDS_SCAN_LIST));
    m_pScanMode = AddControl(IDC_SCANLIST_SCAN_MODE, new QCheckBox(LoadStr(IDS_SCAN_MODE)), QRect(0, 70, 220, 26));
    connect(m_pScanMode, &QCheckBox::toggled, this, [this](bool on) { Guarded([&] { OnScanModeToggled(on); }); });
}

void CScanListView::Load()
{
    ApplyPageVisibility(QStringLiteral("ScanList"));
    m_bLoading = true;
    m_pScanMode->setChecked(ChildItem(ProfileRoot(), "setting").GetAttributeValue(QStringLiteral("scan_en")).toBool());
    m_bLoading = false;
}

void CScanListView::OnScanModeToggled(bool on)
{
    if (m_bLoading)
        return;
    CDataItem setting = ChildItem(ProfileRoot(), "setting");
    const QString old = AttrText(setting, "scan_en");
    if (!SetValueOrRestore(setting, QStringLiteral("scan_en"), on, [this, on] {
            // The switch shows what the profile holds.
            m_bLoading = true;
            m_pScanMode->setChecked(!on);
            m_bLoading = false;
        }))
        return;
    if (AttrText(setting, "scan_en") != old)
        SetModified();
}

}  // namespace zqv
