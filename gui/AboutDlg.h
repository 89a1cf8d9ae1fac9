// The About box: the program's name, description, version and legal notices.
#pragma once

#include <QDialog>

namespace zqv {

class CAboutDlg : public QDialog {
    Q_OBJECT
public:
    explicit CAboutDlg(QWidget *parent = nullptr);
    // The product version the box shows ("0.1.0").
    static QString ProductVersion();
};

}  // namespace zqv
