#include "NewProfileDlg.h"

#include "AccessibleName.h"
#include "EditCommands.h"
#include "Prompter.h"
#include "StringTable.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QGroupBox>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace zqv {

namespace {
constexpr int kIdcTemplateList = 1027;
const QString kTemplateFolder = QStringLiteral("ProfileTemplate");
const QString kProfileExt = QStringLiteral(".zqv");
}  // namespace

CNewProfileDlg::CNewProfileDlg(const QString &installPath, IPrompter &prompter, QWidget *parent)
    : QDialog(parent), m_strInstallPath(installPath), m_prompter(prompter)
{
    setWindowTitle(LoadStr(IDS_NEW_PROFILE_TITLE));
    auto *layout = new QVBoxLayout(this);
    auto *group = new QGroupBox(LoadStr(IDS_CHOOSE_PROFILE_MODEL), this);
    auto *groupLayout = new QVBoxLayout(group);
    m_pList = new QListWidget(group);
    m_pList->setAccessibleName(WithoutMnemonic(group->title()));
    m_pList->setProperty(kControlIdProperty, kIdcTemplateList);
    groupLayout->addWidget(m_pList);
    layout->addWidget(group);
    auto *buttons = new QDialogButtonBox(this);
    buttons->addButton(LoadStr(IDS_BUTTON_OK), QDialogButtonBox::AcceptRole)->setDefault(true);
    buttons->addButton(LoadStr(IDS_BUTTON_CANCEL), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_pList, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
    layout->addWidget(buttons);
    resize(340, 300);

    // Every regular file whose name ends in ".zqv", in the folder's own order; the entry is
    // the file name without its last four characters.
    const QDir dir(m_strInstallPath + QLatin1Char('/') + kTemplateFolder);
    const auto entries = dir.entryInfoList(QDir::Files | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Unsorted);
    QStringList names;
    for (const QFileInfo &fi : entries)
        if (fi.fileName().endsWith(kProfileExt, Qt::CaseInsensitive) && fi.fileName().size() > kProfileExt.size())
            names << fi.fileName().chopped(kProfileExt.size());
    // The folder's order differs between file systems; the list shows the models sorted so
    // that a dealer finds them in the same place every time.
    names.sort(Qt::CaseInsensitive);
    m_pList->addItems(names);
    if (m_pList->count() > 0)
        m_pList->setCurrentRow(0);
}

QStringList CNewProfileDlg::Templates() const
{
    QStringList out;
    for (int i = 0; i < m_pList->count(); ++i)
        out << m_pList->item(i)->text();
    return out;
}

int CNewProfileDlg::exec()
{
    m_strTemplatePath.clear();
    if (m_pList->count() == 0) {
        m_prompter.ShowMessage(IDS_NO_TEMPLATE_FILES);
        return QDialog::Rejected;
    }
    return QDialog::exec();
}

void CNewProfileDlg::accept()
{
    QListWidgetItem *item = m_pList->currentItem();
    if (!item)
        return;
    m_strTemplatePath =
        m_strInstallPath + QLatin1Char('/') + kTemplateFolder + QLatin1Char('/') + item->text() + kProfileExt;
    QDialog::accept();
}

}  // namespace zqv
