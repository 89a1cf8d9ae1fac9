#include "DataAdaptor.h"

#include "DataItem.h"
#include "StringIds.h"
#include "ZQVCPSException.h"

#include <algorithm>

namespace zqv {

namespace {

const char kOpXml2VirtualCP[] = "CDataAdaptor::XML2VirtualCP";
const char kOpCopyPrvtScrlLst[] = "CDataAdaptor::CopyPrvtScrlLst";
const char kSource[] = "CDataAdaptor";

// Base-10 unsigned parsing that stops at the first non-digit; text that does not start with
// a digit reads as 0. Wider values wrap, so a narrower field keeps the low bits.
std::uint64_t ParseUnsigned(const QString &text)
{
    std::uint64_t value = 0;
    for (const QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            break;
        value = value * 10 + static_cast<std::uint64_t>(c.unicode() - '0');
    }
    return value;
}

// The element children that follow `node`, in document order. White space, comments and
// processing instructions between list entries are passed over: they carry no data, and
// stopping at them would silently drop the rest of the list.
xmlNodePtr NextEntry(xmlNodePtr node)
{
    return NextElementSibling(node);
}

// Reads the attributes of one element; a missing attribute fails the conversion.
class CAttrReader {
public:
    CAttrReader(xmlNodePtr element, const char *op) : m_pElement(element), m_op(op) {}

    QString Text(const char *name) const
    {
        if (!HasAttr(m_pElement, name))
            throw CZQVCPSException::FromLibraryError(
                IDS_UNKNOWN_ERROR, m_op, __LINE__,
                QStringLiteral("The attribute '%1' is missing").arg(QLatin1String(name)),
                QStringLiteral("Element=%1").arg(NodeName(m_pElement)), QLatin1String(kSource));
        return GetAttr(m_pElement, name);
    }
    std::uint8_t U8(const char *name) const { return static_cast<std::uint8_t>(Number(name)); }
    std::uint32_t U32(const char *name) const { return static_cast<std::uint32_t>(Number(name)); }
    bool Bit(const char *name) const { return (Number(name) & 1u) != 0; }

    // A number attribute holds unsigned decimal digits and nothing else. Anything else (a
    // blank, a sign, white space) fails the conversion rather than reaching the radio as 0.
    std::uint64_t Number(const char *name) const
    {
        const QString text = Text(name);
        const bool digits = !text.isEmpty() && std::all_of(text.begin(), text.end(), [](QChar c) {
            return c >= QLatin1Char('0') && c <= QLatin1Char('9');
        });
        if (!digits)
            throw CZQVCPSException::FromLibraryError(
                IDS_UNKNOWN_ERROR, m_op, __LINE__,
                QStringLiteral("The attribute '%1' is not a number: '%2'").arg(QLatin1String(name), text),
                QStringLiteral("Element=%1").arg(NodeName(m_pElement)), QLatin1String(kSource));
        return ParseUnsigned(text);
    }

    template <typename Word>
    void Flag(const char *name, Word &word, Word mask) const
    {
        word = Bit(name) ? static_cast<Word>(word | mask) : static_cast<Word>(word & ~mask);
    }

private:
    xmlNodePtr m_pElement;
    const char *m_op;
};

xmlNodePtr RequireElement(const CXmlDocument &doc, const char *query)
{
    xmlNodePtr node = doc.SelectOne(nullptr, QLatin1String(query));
    if (!node)
        throw CZQVCPSException::FromLibraryError(
            IDS_UNKNOWN_ERROR, kOpXml2VirtualCP, __LINE__,
            QStringLiteral("The profile has no element %1").arg(QLatin1String(query)), QString(),
            QLatin1String(kSource));
    return node;
}

void ReadContactCommon(const CAttrReader &r, VirtualCPContact &c)
{
    c.cntct_type = r.U8("cntct_type");
    c.name = r.Text("name");
    c.pid = r.Text("pid");
    c.channel = r.U8("channel");
}

// Builds the profile text by plain concatenation, in the layout of a radio read.
class CProfileWriter {
public:
    explicit CProfileWriter(QString &out) : m_out(out) {}

    CProfileWriter &Raw(const char *text)
    {
        m_out += QLatin1String(text);
        return *this;
    }
    // CR LF TAB name="value" with the value escaped.
    CProfileWriter &Attr(const char *name, const QString &value)
    {
        m_out += QLatin1String("\r\n\t");
        m_out += QLatin1String(name);
        m_out += QLatin1String("=\"");
        m_out += XmlEscape(value);
        m_out += QLatin1Char('"');
        return *this;
    }
    CProfileWriter &Escaped(const QString &value)
    {
        m_out += XmlEscape(value);
        return *this;
    }
    CProfileWriter &Attr(const char *name, std::uint64_t value) { return Attr(name, QString::number(value)); }
    CProfileWriter &Flag(const char *name, bool value) { return Attr(name, QLatin1String(value ? "1" : "0")); }

private:
    QString &m_out;
};

void WriteVersion(CProfileWriter &w, const VirtualCPData &r)
{
    w.Raw("\r\n\t<version");
    w.Attr("firmware_phase", r.firmware_phase.isNull() ? QString() : QString(r.firmware_phase))
        .Attr("firmware_release", r.firmware_release)
        .Attr("firmware_version", r.firmware_version)
        .Attr("firmware_revision", r.firmware_revision)
        .Attr("codeplug_version", r.codeplug_version)
        .Attr("codeplug_structure", r.codeplug_structure)
        .Attr("codeplug_dev_version", r.codeplug_dev_version);
    w.Raw("\r\n\t/>");
}

void WriteLimit(CProfileWriter &w, const VirtualCPLimit &l)
{
    w.Raw("\r\n\t<limit");
    w.Attr("pid", l.pid).Attr("valid_PID_start", l.valid_PID_start).Attr("valid_PID_end", l.valid_PID_end);
    w.Attr("starting_public_grp_pid", l.bank[0].start_pid).Attr("public_grp_list_size", l.bank[0].lst_size);
    for (int i = 0; i < profile::kPublicGroupBanks; ++i) {
        const QByteArray start = "public_grp_info_start_pid" + QByteArray::number(i);
        const QByteArray name = "public_grp_info_pid_name" + QByteArray::number(i);
        const QByteArray size = "public_grp_info_lst_size" + QByteArray::number(i);
        w.Attr(start.constData(), l.bank[i].start_pid)
            .Attr(name.constData(), l.bank[i].pid_name)
            .Attr(size.constData(), l.bank[i].lst_size);
    }
    w.Attr("model", l.model)
        .Attr("clone_compatibility_version", l.clone_compatibility_version)
        .Attr("max_num_of_contacts", l.max_num_of_contacts)
        .Attr("max_num_of_private_grps", l.max_num_of_private_grps)
        .Attr("max_num_of_public_grps", l.max_num_of_public_grps)
        .Attr("max_num_of_predefined_msgs", l.max_num_of_predefined_msgs)
        .Attr("max_num_of_channels", l.max_num_of_channels)
        .Attr("max_vol_level", l.max_vol_level)
        .Attr("num_of_languages", l.num_of_languages);
    for (const FlagAttribute &flag : kLimitFlagAttributes)
        w.Flag(flag.name, (l.limit_flags & flag.mask) != 0);
    w.Attr("static_ergo_flag2", std::uint64_t{0});
    w.Raw(">\r\n\t<languages>");
    const int languages = std::min<int>(l.num_of_languages, profile::kMaxLanguages);
    for (int i = 0; i < languages; ++i) {
        w.Raw("\r\n\t<language language_id=\"");
        w.Raw(QByteArray::number(l.language_id[i]).constData());
        w.Raw("\" />");
    }
    w.Raw("\r\n\t</languages>\r\n\t</limit>");
}

void WriteSetting(CProfileWriter &w, const VirtualCPSetting &s)
{
    w.Raw("\r\n\t<setting");
    w.Attr("password", s.password)
        .Attr("contrast", s.contrast)
        .Attr("backlight", s.backlight)
        .Attr("vibracall", s.vibracall)
        .Attr("tot_timer", s.tot_timer)
        .Attr("current_time", s.current_time)
        .Attr("alarm_time", s.alarm_time)
        .Attr("ringer_vol_level", s.ringer_vol_level)
        .Attr("speaker_vol_level", s.speaker_vol_level)
        .Attr("keypad_vol_level", s.keypad_vol_level)
        .Attr("alarm_vol_level", s.alarm_vol_level)
        .Attr("earpiece_vol_level", s.earpiece_vol_level)
        .Attr("language", s.language)
        .Attr("call_forward_id", s.call_forward_id)
        .Attr("tpt_offset", s.tpt_offset)
        .Attr("noise_level_accessory", s.noise_level_accessory())
        .Attr("noise_level_radio", s.noise_level_radio());
    for (const FlagAttribute &flag : kSettingFlagAttributes)
        w.Flag(flag.name, (s.setting_flags & flag.mask) != 0);
    w.Raw("\r\n\t/>\n\r");
}

void WriteContact(CProfileWriter &w, const VirtualCPContact &c)
{
    const auto a = c.contact_flags_a;
    const auto b = c.contact_flags_b;
    switch (c.cntct_type) {
    case profile::kPublicGroup:
        w.Raw("\r\n\t<PublicGroup");
        w.Attr("cntct_type", c.cntct_type).Attr("name", c.name).Attr("pid", c.pid).Attr("channel", c.channel);
        w.Flag("in_scan_list", (a & CFA_IN_SCAN_LIST) != 0).Flag("in_scroll_list", (a & CFA_IN_SCROLL_LIST) != 0);
        w.Raw("\r\n\t/>");
        break;
    case profile::kPrivateGroup:
        w.Raw("\r\n\t<PrivateGroup");
        w.Attr("cntct_type", c.cntct_type).Attr("name", c.name).Attr("pid", c.pid).Attr("channel", c.channel);
        w.Flag("in_scroll_list", (a & CFA_IN_SCROLL_LIST) != 0);
        w.Raw("\r\n\t/>");
        break;
    case profile::kPrivateContact:
        w.Raw("\r\n\t<Private");
        w.Attr("cntct_type", c.cntct_type).Attr("name", c.name).Attr("pid", c.pid).Attr("channel", c.channel);
        w.Flag("in_scroll_list", (a & CFA_IN_SCROLL_LIST) != 0)
            .Attr("alert_tone", c.alert_tone)
            .Attr("home_grp", c.home_grp)
            .Flag("show_grp_only", (a & CFA_SHOW_GRP_ONLY) != 0)
            .Flag("id_in_use", (a & CFA_ID_IN_USE) != 0)
            .Flag("see_all_groups", (b & CFB_SEE_ALL_GROUPS) != 0)
            .Flag("mngr_mode", (b & CFB_MNGR_MODE) != 0)
            .Flag("private_scroll_list", false);
        w.Raw("><ParentPrivateGroups>");
        for (const QString &parent : c.parent_pid) {
            if (parent.isEmpty())
                continue;
            w.Raw("<ParentPrivateGroup pid =\"").Escaped(parent).Raw("\" />");
        }
        w.Raw("</ParentPrivateGroups><scrolllist/></Private>");
        break;
    default: break;
    }
}

}  // namespace

std::shared_ptr<CXmlDocument> CDataAdaptor::CopyPrvtScrlLst(const QString &text, const QString &ownPid)
{
    try {
        QString reason;
        auto doc = CXmlDocument::Parse(text, &reason);
        if (!doc)
            throw CZQVCPSException::FromLibraryError(IDS_UNKNOWN_ERROR, kOpCopyPrvtScrlLst, __LINE__, reason,
                                                     QStringLiteral("The profile text does not parse"),
                                                     QLatin1String(kSource));
        if (ownPid.isEmpty())
            return doc;
        xmlNodePtr own = doc->SelectOne(nullptr, QLatin1String(profile::kQueryPrivateByPid), {{"pid", ownPid}});
        if (!own)
            return doc;
        const QString flag = GetAttr(own, "private_scroll_list").trimmed();
        const bool enabled = ParseUnsigned(flag) != 0 || flag.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0;
        if (!enabled)
            return doc;
        for (xmlNodePtr contact : doc->Select(nullptr, QLatin1String(profile::kQueryAllContacts)))
            SetAttr(contact, "in_scroll_list", QStringLiteral("0"));
        // Names are passed to the query as a variable, so quotes of either kind in a name
        // need no special handling: the contact is the first whose name equals it exactly.
        for (xmlNodePtr entry :
             doc->Select(nullptr, QLatin1String(profile::kQueryPrivateScrollList), {{"pid", ownPid}})) {
            const QString name = GetAttr(entry, "name");
            if (xmlNodePtr contact =
                    doc->SelectOne(nullptr, QLatin1String(profile::kQueryContactByName), {{"name", name}}))
                SetAttr(contact, "in_scroll_list", QStringLiteral("1"));
        }
        return doc;
    }
    ZQV_CATCH_RETHROW(kOpCopyPrvtScrlLst, IDS_UNKNOWN_ERROR)
}

int CDataAdaptor::XML2VirtualCP(const QString &text, VirtualCPData &record, const QString &ownPid)
{
    try {
        const auto doc = CopyPrvtScrlLst(text, ownPid);

        {
            const CAttrReader r(RequireElement(*doc, profile::kQueryVersion), kOpXml2VirtualCP);
            const QString phase = r.Text("firmware_phase");
            record.firmware_phase = phase.isEmpty() ? QChar() : phase.at(0);
            record.firmware_release = r.U8("firmware_release");
            record.firmware_version = r.U8("firmware_version");
            record.firmware_revision = r.U8("firmware_revision");
            record.codeplug_structure = r.U8("codeplug_structure");
            record.codeplug_version = r.U8("codeplug_version");
            record.codeplug_dev_version = r.U8("codeplug_dev_version");
        }
        {
            VirtualCPLimit &l = record.limit;
            const CAttrReader r(RequireElement(*doc, profile::kQueryLimit), kOpXml2VirtualCP);
            l.pid = r.Text("pid");
            l.valid_PID_start = r.Text("valid_PID_start");
            l.valid_PID_end = r.Text("valid_PID_end");
            for (int i = 0; i < profile::kPublicGroupBanks; ++i) {
                l.bank[i].start_pid = r.Text(("public_grp_info_start_pid" + QByteArray::number(i)).constData());
                l.bank[i].pid_name = r.Text(("public_grp_info_pid_name" + QByteArray::number(i)).constData());
                l.bank[i].lst_size = r.U8(("public_grp_info_lst_size" + QByteArray::number(i)).constData());
            }
            l.model = r.Text("model");
            l.clone_compatibility_version = r.U8("clone_compatibility_version");
            l.max_num_of_contacts = r.U8("max_num_of_contacts");
            l.max_num_of_private_grps = r.U8("max_num_of_private_grps");
            l.max_num_of_public_grps = r.U8("max_num_of_public_grps");
            l.max_num_of_predefined_msgs = r.U8("max_num_of_predefined_msgs");
            l.max_num_of_channels = r.U8("max_num_of_channels");
            l.max_vol_level = r.U8("max_vol_level");
            l.num_of_languages = r.U8("num_of_languages");
            for (const FlagAttribute &flag : kLimitFlagAttributes)
                r.Flag(flag.name, l.limit_flags, flag.mask);
        }
        int slot = 0;
        for (xmlNodePtr n = doc->SelectOne(nullptr, QLatin1String(profile::kQueryFirstLanguage));
             n && slot < profile::kMaxLanguages; n = NextEntry(n))
            record.limit.language_id[slot++] = CAttrReader(n, kOpXml2VirtualCP).U8("language_id");
        {
            VirtualCPSetting &s = record.setting;
            const CAttrReader r(RequireElement(*doc, profile::kQuerySetting), kOpXml2VirtualCP);
            s.password = r.Text("password");
            s.contrast = r.U8("contrast");
            s.backlight = r.U32("backlight");
            s.vibracall = r.U8("vibracall");
            s.tot_timer = r.U8("tot_timer");
            s.current_time = r.U32("current_time");
            s.alarm_time = r.U32("alarm_time");
            s.ringer_vol_level = r.U8("ringer_vol_level");
            s.speaker_vol_level = r.U8("speaker_vol_level");
            s.keypad_vol_level = r.U8("keypad_vol_level");
            s.alarm_vol_level = r.U8("alarm_vol_level");
            s.earpiece_vol_level = r.U8("earpiece_vol_level");
            s.language = r.U8("language");
            s.call_forward_id = r.Text("call_forward_id");
            s.tpt_offset = r.U8("tpt_offset");
            s.set_noise_levels(r.U8("noise_level_accessory"), r.U8("noise_level_radio"));
            for (const FlagAttribute &flag : kSettingFlagAttributes)
                r.Flag(flag.name, s.setting_flags, flag.mask);
        }

        // One running slot index over public groups, private groups and private contacts.
        slot = 0;
        for (xmlNodePtr n = doc->SelectOne(nullptr, QLatin1String(profile::kQueryFirstPublicGroup));
             n && slot < profile::kMaxContacts; n = NextEntry(n)) {
            VirtualCPContact &c = record.contacts[slot++];
            const CAttrReader r(n, kOpXml2VirtualCP);
            ReadContactCommon(r, c);
            r.Flag("in_scan_list", c.contact_flags_a, std::uint8_t(CFA_IN_SCAN_LIST));
            r.Flag("in_scroll_list", c.contact_flags_a, std::uint8_t(CFA_IN_SCROLL_LIST));
        }
        for (xmlNodePtr n = doc->SelectOne(nullptr, QLatin1String(profile::kQueryFirstPrivateGroup));
             n && slot < profile::kMaxContacts; n = NextEntry(n)) {
            VirtualCPContact &c = record.contacts[slot++];
            const CAttrReader r(n, kOpXml2VirtualCP);
            ReadContactCommon(r, c);
            r.Flag("in_scroll_list", c.contact_flags_a, std::uint8_t(CFA_IN_SCROLL_LIST));
        }
        for (xmlNodePtr n = doc->SelectOne(nullptr, QLatin1String(profile::kQueryFirstPrivate));
             n && slot < profile::kMaxContacts; n = NextEntry(n)) {
            VirtualCPContact &c = record.contacts[slot++];
            const CAttrReader r(n, kOpXml2VirtualCP);
            ReadContactCommon(r, c);
            r.Flag("in_scroll_list", c.contact_flags_a, std::uint8_t(CFA_IN_SCROLL_LIST));
            c.alert_tone = r.U8("alert_tone");
            c.home_grp = r.Text("home_grp");
            r.Flag("show_grp_only", c.contact_flags_a, std::uint8_t(CFA_SHOW_GRP_ONLY));
            r.Flag("id_in_use", c.contact_flags_a, std::uint8_t(CFA_ID_IN_USE));
            r.Flag("see_all_groups", c.contact_flags_b, std::uint8_t(CFB_SEE_ALL_GROUPS));
            r.Flag("mngr_mode", c.contact_flags_b, std::uint8_t(CFB_MNGR_MODE));
            int parent = 0;
            for (xmlNodePtr p = doc->SelectOne(n, QLatin1String(profile::kQueryParentGroups));
                 p && parent < profile::kMaxParentGroups; p = NextEntry(p))
                c.parent_pid[parent++] = CAttrReader(p, kOpXml2VirtualCP).Text("pid");
        }

        slot = 0;
        for (xmlNodePtr n = doc->SelectOne(nullptr, QLatin1String(profile::kQueryFirstTextMessage));
             n && slot < profile::kMaxTextMessages; n = NextEntry(n))
            record.texts[slot++] = CAttrReader(n, kOpXml2VirtualCP).Text("txt");
        return 1;
    }
    ZQV_CATCH_RETHROW(kOpXml2VirtualCP, IDS_UNKNOWN_ERROR)
}

int CDataAdaptor::VirtualCP2XML(const VirtualCPData &record, QString &text)
{
    text.clear();
    text.reserve(4096 + 420 * profile::kMaxContacts);
    CProfileWriter w(text);
    w.Raw("<?xml version=\"1.0\" encoding=\"utf-8\" ?><ZQVProfile xmlns=\"");
    w.Raw(kProfileNamespace);
    w.Raw("\">");
    WriteVersion(w, record);
    WriteLimit(w, record.limit);
    WriteSetting(w, record.setting);

    w.Raw("\n\r<Contacts> <PublicGroups>");
    for (const VirtualCPContact &c : record.contacts)
        if (c.cntct_type == profile::kPublicGroup)
            WriteContact(w, c);
    w.Raw("</PublicGroups><PrivateGroups>");
    for (const VirtualCPContact &c : record.contacts)
        if (c.cntct_type == profile::kPrivateGroup)
            WriteContact(w, c);
    w.Raw("</PrivateGroups><Privates>");
    for (const VirtualCPContact &c : record.contacts)
        if (c.cntct_type == profile::kPrivateContact)
            WriteContact(w, c);
    w.Raw("</Privates></Contacts>");

    w.Raw("\r\n<TextMessages>");
    for (const QString &message : record.texts) {
        if (message.isEmpty())
            continue;
        w.Raw("\r\n\t<TextMessage txt=\"").Escaped(message).Raw("\" />");
    }
    w.Raw("\r\n\t</TextMessages></ZQVProfile>");
    return 1;
}

void CDataAdaptor::SortProfileText(QString &text)
{
    // One parse and one serialisation for the four lists: the same result as sorting the text
    // four times with SortXMLChildNodes, at a quarter of the cost.
    QString reason;
    auto doc = CXmlDocument::Parse(text, &reason);
    if (!doc)
        ZQV_THROW(IDS_INVALID_PROFILE, "CDataAdaptor::SortProfileText", reason);
    SortProfileDocument(*doc);
    text = doc->ToString();
}

void CDataAdaptor::SortProfileDocument(CXmlDocument &doc)
{
    CDataItem::SortChildNodes(doc, QStringLiteral("TextMessages"), QStringLiteral("txt"), true);
    CDataItem::SortChildNodes(doc, QStringLiteral("Privates"), QStringLiteral("name"), true);
    CDataItem::SortChildNodes(doc, QStringLiteral("PublicGroups"), QStringLiteral("name"), true);
    CDataItem::SortChildNodes(doc, QStringLiteral("PrivateGroups"), QStringLiteral("name"), true);
}

}  // namespace zqv
