#include "RadioInfoView.h"

#include "ProfileFormat.h"
#include "StringTable.h"
#include "XmlDom.h"
#include "ZQVCPSException.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace zqv {
namespace {

constexpr const char kOp[] = "CRadioInfoView::Load";
// Shown as the name when the profile has no private contact for the radio's own ID.
constexpr const char kUnknownName[] = "XXXXXXXXXXX";

unsigned NumberAttr(xmlNodePtr element, const char *name)
{
    bool ok = false;
    const unsigned value = GetAttr(element, name).toUInt(&ok);
    if (!ok || !HasAttr(element, name))
        ZQV_THROW(IDS_RADIO_INFO_LOAD_ERROR, kOp, QStringLiteral("attribute %1 missing or not a number").arg(QLatin1String(name)));
    return value;
}

QString Hex2(unsigned v) { return QStringLiteral("%1").arg(v, 2, 16, QLatin1Char('0')).toUpper(); }
QString Dec2(unsigned v) { return QStringLiteral("%1").arg(v, 2, 10, QLatin1Char('0')); }

QString Label(int id) { return LoadStr(id) + LoadStr(IDS_LABEL_COLON); }

}  // namespace

CRadioInfoView::Info CRadioInfoView::Read(const CXmlDocument &profile)
{
    xmlNodePtr version = profile.SelectOne(nullptr, QLatin1String(profile::kQueryVersion));
    xmlNodePtr limit = profile.SelectOne(nullptr, QLatin1String(profile::kQueryLimit));
    if (!version || !limit || !HasAttr(limit, "pid") || !HasAttr(version, "firmware_phase"))
        ZQV_THROW(IDS_RADIO_INFO_LOAD_ERROR, kOp, QStringLiteral("version or limit missing"));

    Info info;
    info.unitPid = GetAttr(limit, "pid");
    info.firmwareVersion = GetAttr(version, "firmware_phase") + Hex2(NumberAttr(version, "firmware_release")) +
                           u'.' + Dec2(NumberAttr(version, "firmware_version")) + u'.' +
                           Dec2(NumberAttr(version, "firmware_revision"));
    info.codeplugVersion = QStringLiteral("CP") + Hex2(NumberAttr(version, "codeplug_structure")) + u'.' +
                           Hex2(NumberAttr(version, "codeplug_version")) + u'.' +
                           Hex2(NumberAttr(version, "codeplug_dev_version"));
    if (info.unitPid.contains(u'X')) {
        info.name = info.unitPid;
    } else {
        xmlNodePtr own = profile.SelectOne(nullptr, QLatin1String(profile::kQueryPrivateByPid), {{QStringLiteral("pid"), info.unitPid}});
        info.name = own ? GetAttr(own, "name") : QString::fromLatin1(kUnknownName);
    }
    return info;
}

CRadioInfoView::CRadioInfoView(QWidget *parent) : QWidget(parent)
{
    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(20, 20, 20, 20);
    m_pCaption = new QLabel(LoadStr(IDS_RADIO_INFO_CAPTION), this);
    QFont captionFont = m_pCaption->font();
    captionFont.setBold(true);
    captionFont.setPointSizeF(captionFont.pointSizeF() * 1.4);
    m_pCaption->setFont(captionFont);
    outer->addWidget(m_pCaption);
    outer->addSpacing(12);

    auto *form = new QFormLayout;
    form->setLabelAlignment(Qt::AlignRight | Qt::AlignVCenter);
    form->setHorizontalSpacing(16);
    form->setVerticalSpacing(10);
    auto field = [this, form](int labelId) {
        auto *edit = new QLineEdit(this);
        edit->setReadOnly(true);
        edit->setMinimumWidth(220);
        edit->setMaximumWidth(320);
        form->addRow(Label(labelId), edit);
        return edit;
    };
    m_pUnitPid = field(IDS_UNIT_PRIVATE_ID);
    m_pName = field(IDS_NAME);
    m_pFirmware = field(IDS_FIRMWARE_VERSION);
    m_pCodeplug = field(IDS_CODEPLUG_VERSION);
    outer->addLayout(form);
    outer->addStretch(1);
}

void CRadioInfoView::Load(const CXmlDocument &profile)
{
    const Info info = Read(profile);
    m_pUnitPid->setText(info.unitPid);
    m_pName->setText(info.name);
    m_pFirmware->setText(info.firmwareVersion);
    m_pCodeplug->setText(info.codeplugVersion);
}

QString CRadioInfoView::UnitPid() const { return m_pUnitPid->text(); }
QString CRadioInfoView::Name() const { return m_pName->text(); }
QString CRadioInfoView::FirmwareVersion() const { return m_pFirmware->text(); }
QString CRadioInfoView::CodeplugVersion() const { return m_pCodeplug->text(); }

}  // namespace zqv
