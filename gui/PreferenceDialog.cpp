#include "PreferenceDialog.h"

#include "AccessibleName.h"
#include "Appearance.h"
#include "ConfigStore.h"
#include "EditCommands.h"
#include "LinkTrace.h"
#include "PortEnumerator.h"
#include "ScreenFit.h"
#include "StringTable.h"
#include "TraceStore.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QSpinBox>
#include <QVBoxLayout>

namespace zqv {

namespace {
constexpr int kIdcAutoDetect = 1016;
constexpr int kIdcPortList = 1003;
constexpr int kIdcLinkTrace = 1020;
}  // namespace

CPreferenceDialog::CPreferenceDialog(CConfigStore &store, IPortEnumerator &ports, QWidget *parent)
    : QDialog(parent), m_store(store), m_enumerator(ports)
{
    setWindowTitle(LoadStr(IDS_PREFERENCE_TITLE));
    // The choices are single lines, in some languages wider than a small screen at a large
    // scale factor: they sit on a scroll area, which scrolls only where the screen is too
    // small for them.
    auto *body = new QWidget;
    auto *layout = new QVBoxLayout(body);
    layout->setContentsMargins(QMargins());
    m_pAuto = new QCheckBox(LoadStr(IDS_AUTO_DETECT_COM_PORT), body);
    m_pAuto->setProperty(kControlIdProperty, kIdcAutoDetect);
    layout->addWidget(m_pAuto);
    auto *portLabel = new QLabel(LoadStr(IDS_SELECT_COM_PORT), body);
    layout->addWidget(portLabel);
    m_pPorts = new QComboBox(body);
    NameByLabel(portLabel, m_pPorts);
    m_pPorts->setProperty(kControlIdProperty, kIdcPortList);
    m_pPorts->setMinimumWidth(220);
    layout->addWidget(m_pPorts);
    m_pTrace = new QCheckBox(LoadStr(IDS_LINK_TRACE_CHECK), body);
    m_pTrace->setProperty(kControlIdProperty, kIdcLinkTrace);
    m_pTrace->setChecked(m_store.ReadLinkTrace());
    layout->addWidget(m_pTrace);
    m_pTraceFile =
        new QLabel(FormatStr(IDS_LINK_TRACE_FILE, {QDir::toNativeSeparators(CConfigStore::LinkTraceFilePath())}), body);
    m_pTraceFile->setTextFormat(Qt::PlainText);
    m_pTraceFile->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_pTraceFile->setWordWrap(true);
    layout->addWidget(m_pTraceFile);
    m_pKeepTraces = new QCheckBox(LoadStr(IDS_PREF_KEEP_TRACES), body);
    m_pKeepTraces->setChecked(tracestore::Enabled(m_store));
    layout->addWidget(m_pKeepTraces);
    const CConfigStore::SafeWrite safe = m_store.ReadSafeWrite();
    m_pBackup = new QCheckBox(LoadStr(IDS_PREF_BACKUP_BEFORE_WRITE), body);
    m_pBackup->setChecked(safe.backup);
    layout->addWidget(m_pBackup);
    m_pVerify = new QCheckBox(LoadStr(IDS_PREF_VERIFY_AFTER_WRITE), body);
    m_pVerify->setChecked(safe.verify);
    layout->addWidget(m_pVerify);
    auto *keepRow = new QHBoxLayout;
    auto *keepLabel = new QLabel(LoadStr(IDS_PREF_BACKUP_KEEP), body);
    keepRow->addWidget(keepLabel);
    m_pKeep = new QSpinBox(body);
    NameByLabel(keepLabel, m_pKeep);
    m_pKeep->setRange(1, CConfigStore::kMaxBackupKeep);
    m_pKeep->setValue(safe.keep);
    keepRow->addWidget(m_pKeep);
    keepRow->addStretch();
    layout->addLayout(keepRow);
    connect(m_pBackup, &QCheckBox::toggled, m_pKeep, &QWidget::setEnabled);
    m_pKeep->setEnabled(safe.backup);
    auto *lookRow = new QHBoxLayout;
    auto *lookLabel = new QLabel(LoadStr(IDS_PREF_APPEARANCE), body);
    lookRow->addWidget(lookLabel);
    m_pAppearance = new QComboBox(body);
    // In the order of Appearance's values.
    for (int id : {IDS_APPEARANCE_DESKTOP, IDS_APPEARANCE_DARK, IDS_APPEARANCE_HIGH_CONTRAST})
        m_pAppearance->addItem(LoadStr(id));
    m_pAppearance->setCurrentIndex(static_cast<int>(ReadAppearance(m_store)));
    NameByLabel(lookLabel, m_pAppearance);
    lookRow->addWidget(m_pAppearance);
    lookRow->addStretch();
    layout->addLayout(lookRow);
    layout->addStretch();
    auto *scroll = new QScrollArea(this);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setFocusPolicy(Qt::NoFocus);
    scroll->setWidgetResizable(true);
    scroll->setWidget(body);
    auto *outer = new QVBoxLayout(this);
    outer->addWidget(scroll);
    auto *buttons = new QDialogButtonBox(this);
    buttons->addButton(LoadStr(IDS_BUTTON_OK), QDialogButtonBox::AcceptRole)->setDefault(true);
    buttons->addButton(LoadStr(IDS_BUTTON_CANCEL), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    outer->addWidget(buttons);
    const QMargins margins = outer->contentsMargins();
    FitToScreen(*this,
                QSize(body->sizeHint().width() + margins.left() + margins.right(),
                      body->sizeHint().height() + outer->spacing() + buttons->sizeHint().height() + margins.top() +
                          margins.bottom()));

    FillPortList();
    m_pAuto->setChecked(m_store.ReadDword(config::AutoDetect).value_or(0) != 0);
    ApplyCheckRule();
    connect(m_pAuto, &QCheckBox::clicked, this, &CPreferenceDialog::ApplyCheckRule);
}

void CPreferenceDialog::FillPortList()
{
    m_pPorts->clear();
    for (const SerialPortEntry &port : m_enumerator.Ports())
        m_pPorts->addItem(port.portName);
    PortPreference preference;
    if (const auto detect = m_store.ReadDword(config::AutoDetect))
        preference.autoDetect = static_cast<int>(*detect);
    preference.currentComPort = m_store.ReadString(config::CurrentComPort);
    const QString found = FindPort(m_enumerator, preference, m_pAuto->isChecked());
    if (found.isEmpty())
        return;
    const int index = m_pPorts->findText(found);
    m_pPorts->setCurrentIndex(index >= 0 ? index : 0);
    emit PortChosen(found);
}

void CPreferenceDialog::ApplyCheckRule()
{
    if (m_pAuto->isChecked()) {
        m_pPorts->setEnabled(false);
        FillPortList();
    } else {
        m_pPorts->setEnabled(true);
        if (m_pPorts->currentIndex() < 0) {
            if (m_pPorts->count() > 0)
                m_pPorts->setCurrentIndex(0);
        } else {
            const QString checked = ValidatePort(m_enumerator, m_pPorts->currentText());
            if (!checked.isEmpty()) {
                m_pPorts->clear();
                for (const SerialPortEntry &port : m_enumerator.Ports())
                    m_pPorts->addItem(port.portName);
                const int index = m_pPorts->findText(checked);
                m_pPorts->setCurrentIndex(index >= 0 ? index : 0);
            }
        }
    }
    emit PortChosen(m_pPorts->currentText());
}

int CPreferenceDialog::exec()
{
    emit PortChosen(m_pPorts->currentText());
    return QDialog::exec();
}

void CPreferenceDialog::accept()
{
    // A trace that cannot be written keeps the dialog open with the reason and nothing stored,
    // so that the user does not believe it is being recorded.
    QString error;
    if (!SwitchLinkTrace(m_pTrace->isChecked(), &error)) {
        m_pTraceFile->setText(error);
        return;
    }
    const QString port = m_pPorts->currentText();
    // A store that cannot be written is not reported; the values are then simply not kept.
    m_store.Write(config::CurrentComPort, port);
    m_store.Write(config::AutoDetect, m_pAuto->isChecked() ? 1u : 0u);
    m_store.WriteLinkTrace(m_pTrace->isChecked());
    m_store.Write(tracestore::KeepLinkTraces, m_pKeepTraces->isChecked() ? 1u : 0u);
    m_store.WriteSafeWrite({m_pBackup->isChecked(), m_pVerify->isChecked(), m_pKeep->value()});
    const auto look = static_cast<Appearance>(m_pAppearance->currentIndex());
    if (look != ReadAppearance(m_store)) {
        WriteAppearance(m_store, look);
        ApplyAppearance(look);
    }
    emit PortChosen(port);
    QDialog::accept();
}

bool CPreferenceDialog::ApplyLinkTrace(const CConfigStore &store, QString *error)
{
    return SwitchLinkTrace(store.ReadLinkTrace(), error);
}

bool CPreferenceDialog::SwitchLinkTrace(bool on, QString *error)
{
    const QString path = CConfigStore::LinkTraceFilePath();
    if (linktrace::FilePath() == path) {
        if (!on)
            linktrace::Stop();
        return true;
    }
    if (!on)
        return true;
    QDir().mkpath(QFileInfo(path).absolutePath());  // when it fails, the open below says why
    QString reason;
    if (linktrace::Start(path, &reason))
        return true;
    if (error)
        *error = FormatStr(IDS_LINK_TRACE_OPEN_FAILED, {QDir::toNativeSeparators(path), reason});
    return false;
}

}  // namespace zqv
