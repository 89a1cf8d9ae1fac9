#include "RadioInfoView.h"

#include "ControlIds.h"
#include "ProfileFormat.h"
#include "StringTable.h"
#include "XmlDom.h"
#include "ZQVCPSDoc.h"
#include "ZQVCPSException.h"

#include <QLabel>
#include <QLineEdit>

namespace zqv {
namespace {

constexpr const char kOp[] = "CRadioInfoView::Load";
// Where the rows of labels and fields start, and their spacing.
constexpr int kTop = 60;
constexpr int kRowHeight = 40;
// Shown as the name when the profile has no private contact for the radio's own ID.
constexpr const char kUnknownName[] = "XXXXXXXXXXX";

unsigned NumberAttr(xmlNodePtr element, const char *name)
{
    bool ok = false;
    const unsigned value = GetAttr(element, name).toUInt(&ok);
    if (!ok || !HasAttr(element, name))
        ZQV_THROW(IDS_RADIO_INFO_LOAD_ERROR, kOp,
                  QStringLiteral("attribute %1 missing or not a number").arg(QLatin1String(name)));
    return value;
}

QString Hex2(unsigned v)
{
    return QStringLiteral("%1").arg(v, 2, 16, QLatin1Char('0')).toUpper();
}
QString Dec2(unsigned v)
{
    return QStringLiteral("%1").arg(v, 2, 10, QLatin1Char('0'));
}

QString Label(int id)
{
    return LoadStr(id) + LoadStr(IDS_LABEL_COLON);
}

}  // namespace

CRadioInfoView::Info CRadioInfoView::Read(const CXmlDocument &profile)
{
    xmlNodePtr version = profile.SelectOne(nullptr, QLatin1String(profile::kQueryVersion));
    xmlNodePtr limit = profile.SelectOne(nullptr, QLatin1String(profile::kQueryLimit));
    if (!version || !limit || !HasAttr(limit, "pid") || !HasAttr(version, "firmware_phase"))
        ZQV_THROW(IDS_RADIO_INFO_LOAD_ERROR, kOp, QStringLiteral("version or limit missing"));

    Info info;
    info.unitPid = GetAttr(limit, "pid");
    info.firmwareVersion = GetAttr(version, "firmware_phase") + Hex2(NumberAttr(version, "firmware_release")) + u'.' +
        Dec2(NumberAttr(version, "firmware_version")) + u'.' + Dec2(NumberAttr(version, "firmware_revision"));
    info.codeplugVersion = QStringLiteral("CP") + Hex2(NumberAttr(version, "codeplug_structure")) + u'.' +
        Hex2(NumberAttr(version, "codeplug_version")) + u'.' + Hex2(NumberAttr(version, "codeplug_dev_version"));
    if (info.unitPid.contains(u'X')) {
        info.name = info.unitPid;
    } else {
        xmlNodePtr own = profile.SelectOne(nullptr, QLatin1String(profile::kQueryPrivateByPid),
                                           {{QStringLiteral("pid"), info.unitPid}});
        info.name = own ? GetAttr(own, "name") : QString::fromLatin1(kUnknownName);
    }
    return info;
}

CRadioInfoView::CRadioInfoView(IEditorHost &host, CZQVCPSTreeView &tree, QWidget *parent)
    : CBaseView(host, tree, kNodeRoot, parent)
{
    AddHeading(IDC_RADIOINFO_HEADING, LoadStr(IDS_RADIO_INFO_CAPTION));
    m_pUnitPid = AddField(IDC_RADIOINFO_PID_LABEL, IDS_UNIT_PRIVATE_ID, IDC_RADIOINFO_PID, 0);
    m_pName = AddField(IDC_RADIOINFO_NAME_LABEL, IDS_NAME, IDC_RADIOINFO_NAME, 1);
    m_pFirmware = AddField(IDC_RADIOINFO_FIRMWARE_LABEL, IDS_FIRMWARE_VERSION, IDC_RADIOINFO_FIRMWARE, 2);
    m_pCodeplug = AddField(IDC_RADIOINFO_CODEPLUG_LABEL, IDS_CODEPLUG_VERSION, IDC_RADIOINFO_CODEPLUG, 3);
}

QLineEdit *CRadioInfoView::AddField(int labelId, int labelText, int fieldId, int row)
{
    const int y = kTop + row * kRowHeight;
    QLabel *label = AddLabel(labelId, Label(labelText), QRect(0, y, 160, 26));
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return AddReadOnlyField(fieldId, QRect(170, y, 240, 26));
}

void CRadioInfoView::Load()
{
    ApplyPageVisibility(QStringLiteral("RadioInfo"));
    const auto profile = Document().Model().ProfileDocument();
    if (!profile)
        ZQV_THROW(IDS_RADIO_INFO_LOAD_ERROR, kOp, QStringLiteral("no profile"));
    const Info info = Read(*profile);
    m_pUnitPid->setText(info.unitPid);
    m_pName->setText(info.name);
    m_pFirmware->setText(info.firmwareVersion);
    m_pCodeplug->setText(info.codeplugVersion);
    // Long names and versions show their beginning.
    for (QLineEdit *field : {m_pUnitPid, m_pName, m_pFirmware, m_pCodeplug})
        field->setCursorPosition(0);
}

QString CRadioInfoView::UnitPid() const
{
    return m_pUnitPid->text();
}
QString CRadioInfoView::Name() const
{
    return m_pName->text();
}
QString CRadioInfoView::FirmwareVersion() const
{
    return m_pFirmware->text();
}
QString CRadioInfoView::CodeplugVersion() const
{
    return m_pCodeplug->text();
}

}  // namespace zqv
