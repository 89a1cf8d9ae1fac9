// The form of the tree's root: the radio identity stored in a profile, that is the radio's
// own private ID, the name of its own private contact, and the firmware and codeplug
// versions. All four fields are read-only and look it; their text can be selected and copied.
#pragma once

#include "BaseView.h"

class QLineEdit;

namespace zqv {

class CXmlDocument;

class CRadioInfoView : public CBaseView {
    Q_OBJECT
public:
    CRadioInfoView(IEditorHost &host, CZQVCPSTreeView &tree, QWidget *parent = nullptr);

    // Fills the fields from the profile. A profile without the identity attributes raises
    // CZQVCPSException 20004.
    void Load() override;

    QString UnitPid() const;
    QString Name() const;
    QString FirmwareVersion() const;
    QString CodeplugVersion() const;

    // The texts the fields show for a profile (the same rules as Load), for callers that need
    // them without a window.
    struct Info {
        QString unitPid, name, firmwareVersion, codeplugVersion;
    };
    static Info Read(const CXmlDocument &profile);

private:
    QLineEdit *AddField(int labelId, int labelText, int fieldId, int row);

    QLineEdit *m_pUnitPid;
    QLineEdit *m_pName;
    QLineEdit *m_pFirmware;
    QLineEdit *m_pCodeplug;
};

}  // namespace zqv
