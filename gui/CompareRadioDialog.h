// Device > Compare with Radio: reads the radio on the cable, without a backup and without any
// question beyond its codeplug password, and shows side by side what writing the active profile
// would change in it: the same comparison as `zqvcps-cli diff --port`.
#pragma once

#include "ProfileDiff.h"

#include <QDialog>
#include <vector>

class QLabel;
class QTreeWidget;

namespace zqv {

class CZQVCPSApp;

class CCompareRadioDialog : public QDialog {
    Q_OBJECT
public:
    // `radio` names the radio ("Ann (20000001)"), `profile` the profile.
    CCompareRadioDialog(const std::vector<link::ProfileDifference> &differences, const QString &radio,
                        const QString &profile, QWidget *parent = nullptr);
    QTreeWidget *List() const { return m_pList; }
    QString IntroText() const;

private:
    QLabel *m_pIntro;
    QTreeWidget *m_pList;
};

// The Device > Compare with Radio command on the active profile window.
void CompareWithRadio(CZQVCPSApp &app);

}  // namespace zqv
