#include "SafeWriteDialogs.h"

#include "ScreenFit.h"
#include "StringTable.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace zqv {

namespace {

QTreeWidget *MakeList(QWidget *parent, int columnsId)
{
    auto *list = new QTreeWidget(parent);
    list->setRootIsDecorated(false);
    list->setAlternatingRowColors(true);
    list->setHeaderLabels(LoadStr(columnsId).split(u'\n'));
    list->header()->setStretchLastSection(true);
    return list;
}

QDialogButtonBox *MakeButtons(QDialog *dialog, QPushButton *&accept, int acceptId)
{
    auto *buttons = new QDialogButtonBox(dialog);
    accept = buttons->addButton(LoadStr(acceptId), QDialogButtonBox::AcceptRole);
    accept->setDefault(true);
    buttons->addButton(LoadStr(IDS_BUTTON_CANCEL), QDialogButtonBox::RejectRole);
    QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    return buttons;
}

}  // namespace

QStringList ChangeReportCells(const link::ProfileDifference &d)
{
    QString change = d.field;
    if (d.kind == link::ProfileDifference::Added)
        change = LoadStr(IDS_DIFF_KIND_ADDED);
    else if (d.kind == link::ProfileDifference::Removed)
        change = LoadStr(IDS_DIFF_KIND_REMOVED);
    return {d.item, change, d.oldValue, d.newValue};
}

CChangeReportDialog::CChangeReportDialog(const std::vector<link::ProfileDifference> &changes, const QString &backupPath,
                                         const OtherRadioBackup &other, QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("ChangeReportDialog"));
    setWindowTitle(LoadStr(IDS_CHANGE_REPORT_TITLE));
    auto *layout = new QVBoxLayout(this);
    QString introText = FormatStr(IDS_CHANGE_REPORT_INTRO, {QDir::toNativeSeparators(backupPath)});
    if (other.IsSet())
        introText = FormatStr(IDS_RESTORE_OTHER_RADIO, {other.backupRadio, other.connectedRadio}) +
            QStringLiteral("\n\n") + introText;
    auto *intro = m_pIntro = new QLabel(introText, this);
    intro->setTextFormat(Qt::PlainText);
    intro->setWordWrap(true);
    intro->setTextFormat(Qt::PlainText);
    intro->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(intro);
    m_pList = MakeList(this, IDS_CHANGE_REPORT_COLUMNS);
    m_pList->setAccessibleName(windowTitle());
    for (const link::ProfileDifference &d : changes)
        new QTreeWidgetItem(m_pList, ChangeReportCells(d));
    for (int c = 0; c < m_pList->columnCount() - 1; ++c)
        m_pList->resizeColumnToContents(c);
    layout->addWidget(m_pList);
    if (other.IsSet()) {
        m_pQuestion =
            new QLabel(FormatStr(IDS_RESTORE_OTHER_RADIO_QUESTION, {other.backupRadio, other.connectedRadio}), this);
        m_pQuestion->setTextFormat(Qt::PlainText);
        m_pQuestion->setWordWrap(true);
        layout->addWidget(m_pQuestion);
    }
    layout->addWidget(MakeButtons(this, m_pWrite, IDS_CHANGE_REPORT_WRITE));
    FitToScreen(*this, QSize(820, 420));
}

QString CChangeReportDialog::IntroText() const
{
    return m_pIntro->text();
}

QString CChangeReportDialog::QuestionText() const
{
    return m_pQuestion ? m_pQuestion->text() : QString();
}

CRestoreBackupDialog::CRestoreBackupDialog(const QString &root, const QString &pid, const QLocale &locale,
                                           QWidget *parent)
    : QDialog(parent), m_strRoot(root), m_strPid(pid), m_locale(locale)
{
    setObjectName(QStringLiteral("RestoreBackupDialog"));
    setWindowTitle(LoadStr(IDS_RESTORE_TITLE));
    auto *layout = new QVBoxLayout(this);
    auto *intro = new QLabel(LoadStr(IDS_RESTORE_INTRO), this);
    intro->setWordWrap(true);
    layout->addWidget(intro);
    m_pAll = new QCheckBox(LoadStr(IDS_RESTORE_ALL_RADIOS), this);
    m_pAll->setChecked(pid.isEmpty());
    m_pAll->setEnabled(!pid.isEmpty());
    layout->addWidget(m_pAll);
    m_pList = MakeList(this, IDS_RESTORE_LIST_COLUMNS);
    m_pList->setAccessibleName(windowTitle());
    layout->addWidget(m_pList);
    layout->addWidget(MakeButtons(this, m_pRestore, IDS_RESTORE_OPEN));
    connect(m_pAll, &QCheckBox::toggled, this, &CRestoreBackupDialog::Fill);
    connect(m_pList, &QTreeWidget::itemSelectionChanged, this, [this] { m_pRestore->setEnabled(!Chosen().isEmpty()); });
    connect(m_pList, &QTreeWidget::itemDoubleClicked, this, &QDialog::accept);
    Fill();
    FitToScreen(*this, QSize(720, 360));
}

void CRestoreBackupDialog::Fill()
{
    m_pList->clear();
    const auto backups = link::ListBackups(m_strRoot, m_pAll->isChecked() ? QString() : m_strPid);
    for (const link::BackupEntry &b : backups) {
        const link::BackupRadio radio = link::ReadBackupRadio(b.path);
        auto *item = new QTreeWidgetItem(m_pList,
                                         {b.pid, radio.name, radio.model,
                                          m_locale.toString(b.taken.date(), QLocale::ShortFormat),
                                          m_locale.toString(b.taken.time(), QLocale::LongFormat), b.name});
        item->setData(0, Qt::UserRole, b.path);
        item->setToolTip(5, QDir::toNativeSeparators(b.path));
    }
    if (m_pList->topLevelItemCount() > 0)
        m_pList->setCurrentItem(m_pList->topLevelItem(0));
    m_pRestore->setEnabled(!Chosen().isEmpty());
    for (int c = 0; c < m_pList->columnCount() - 1; ++c)
        m_pList->resizeColumnToContents(c);
}

QString CRestoreBackupDialog::Chosen() const
{
    const QTreeWidgetItem *item = m_pList->currentItem();
    return item ? item->data(0, Qt::UserRole).toString() : QString();
}

}  // namespace zqv
