// The form that shows the radio identity stored in a profile: the radio's own private ID, the
// name of its own private contact, and the firmware and codeplug versions. All four fields are
// read-only; the text can be selected and copied.
#pragma once

#include <QWidget>

class QLineEdit;
class QLabel;

namespace zqv {

class CXmlDocument;

class CRadioInfoView : public QWidget {
    Q_OBJECT
public:
    explicit CRadioInfoView(QWidget *parent = nullptr);

    // Fills the fields from the profile. A profile without the identity attributes raises
    // CZQVCPSException 20004.
    void Load(const CXmlDocument &profile);

    // The help pane's topic key of this form.
    static constexpr const char *kHelpTopic = "RadioInfo";

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
    QLabel *m_pCaption;
    QLineEdit *m_pUnitPid;
    QLineEdit *m_pName;
    QLineEdit *m_pFirmware;
    QLineEdit *m_pCodeplug;
};

}  // namespace zqv
