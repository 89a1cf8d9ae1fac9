#include "AboutDlg.h"

#include "Artwork.h"
#include "StringTable.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace zqv {

QString CAboutDlg::ProductVersion()
{
    return QStringLiteral(ZQV_PRODUCT_VERSION);
}

CAboutDlg::CAboutDlg(QWidget *parent) : QDialog(parent)
{
    const QString app = LoadStr(IDS_APP_NAME);
    setWindowTitle(FormatStr(IDS_ABOUT_TITLE, {app}));
    auto *outer = new QVBoxLayout(this);
    auto *row = new QHBoxLayout;
    auto *icon = new QLabel(this);
    icon->setPixmap(AppIcon().pixmap(48, 48));
    icon->setAlignment(Qt::AlignTop);
    row->addWidget(icon);
    auto *texts = new QVBoxLayout;
    auto *name = new QLabel(app, this);
    QFont f = name->font();
    f.setBold(true);
    f.setPointSizeF(f.pointSizeF() * 1.3);
    name->setFont(f);
    texts->addWidget(name);
    auto line = [this, texts](const QString &text) {
        auto *label = new QLabel(text, this);
        label->setWordWrap(true);
        label->setTextInteractionFlags(Qt::TextSelectableByMouse);
        texts->addWidget(label);
        return label;
    };
    line(LoadStr(IDS_ABOUT_DESCRIPTION));
    line(FormatStr(IDS_ABOUT_VERSION, {ProductVersion()}))->setObjectName(QStringLiteral("VersionLabel"));
    texts->addSpacing(8);
    line(LoadStr(IDS_ABOUT_LEGAL_1));
    line(LoadStr(IDS_ABOUT_LEGAL_2));
    line(LoadStr(IDS_ABOUT_LEGAL_3));
    texts->addStretch(1);
    row->addLayout(texts, 1);
    outer->addLayout(row);
    auto *buttons = new QDialogButtonBox(this);
    buttons->addButton(LoadStr(IDS_BUTTON_OK), QDialogButtonBox::AcceptRole)->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    outer->addWidget(buttons);
    setMinimumWidth(420);
}

}  // namespace zqv
