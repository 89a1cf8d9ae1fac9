#include "WriteChanges.h"

#include "DataAdaptor.h"
#include "LinkCodec.h"
#include "ProfileFormat.h"
#include "SettingFields.h"
#include "StringIds.h"
#include "StringTable.h"
#include "TransferRecord.h"
#include "XmlDom.h"

#include <algorithm>
#include <map>

namespace zqv::link {
namespace {

// Lines shown in the question before the rest is summed up.
constexpr int kMaxQuestionLines = 20;

// Contact attributes the radio does not keep per contact: the private scroll list never
// leaves the program, and manager mode and see-all-groups travel in the settings switches
// (compared there) rather than in the contact record.
bool IsComparedContactAttribute(const QByteArray &name)
{
    return name != "private_scroll_list" && name != "see_all_groups" && name != "mngr_mode";
}

// The manager-mode and see-all-groups switches are set from the written radio's own contact
// by design (the profile keeps them per contact and the radio in its settings): they are the
// write's own choice, not something the radio cannot hold.
bool IsComparedSettingAttribute(const QByteArray &name)
{
    return name != "mngr_mode" && name != "see_all_grps";
}

bool AllDigits(const QString &text)
{
    if (text.isEmpty())
        return false;
    for (const QChar c : text)
        if (c < u'0' || c > u'9')
            return false;
    return true;
}

// Equal, or the same decimal number written with leading zeros.
bool SameValue(const QString &profile, const QString &radio)
{
    if (profile == radio)
        return true;
    if (!AllDigits(profile) || !AllDigits(radio))
        return false;
    auto strip = [](const QString &t) {
        qsizetype i = 0;
        while (i + 1 < t.size() && t.at(i) == u'0')
            ++i;
        return t.mid(i);
    };
    return strip(profile) == strip(radio);
}

// The radio keeps single bytes, so a character can reach it as a control character (U+201A
// as 0x1A) that XML cannot hold: the radio's copy could not be written as profile text. Such
// characters stand in as private-use characters while the copy is compared, and are turned
// back when a value is reported. Tab, line feed and carriage return are left as they are: XML
// holds them, and what the conversion back makes of them is part of what is compared.
constexpr char16_t kControlStandIn = 0xE000;

bool NeedsStandIn(char16_t c)
{
    return c < 0x20 && c != u'\t' && c != u'\n' && c != u'\r';
}

void StandIn(QString &text)
{
    for (QChar &c : text)
        if (NeedsStandIn(c.unicode()))
            c = QChar(char16_t(kControlStandIn + c.unicode()));
}

QString StandOut(QString text)
{
    for (QChar &c : text)
        if (c.unicode() >= kControlStandIn && c.unicode() < kControlStandIn + 0x20)
            c = QChar(char16_t(c.unicode() - kControlStandIn));
    return text;
}

void StandInRecordTexts(VirtualCPData &record)
{
    StandIn(record.setting.password);
    StandIn(record.setting.call_forward_id);
    for (VirtualCPContact &c : record.contacts) {
        StandIn(c.name);
        StandIn(c.pid);
        StandIn(c.home_grp);
        for (QString &parent : c.parent_pid)
            StandIn(parent);
    }
    for (QString &t : record.texts)
        StandIn(t);
}

// The elements the record conversion reads into consecutive slots, walked the same way: the
// first match and its following element siblings.
std::vector<xmlNodePtr> ListEntries(const CXmlDocument &doc, const char *firstQuery, xmlNodePtr context = nullptr)
{
    std::vector<xmlNodePtr> out;
    for (xmlNodePtr n = doc.SelectOne(context, QLatin1String(firstQuery)); n; n = NextElementSibling(n))
        out.push_back(n);
    return out;
}

QStringList Memberships(const CXmlDocument &doc, xmlNodePtr contact)
{
    QStringList pids;
    for (xmlNodePtr p : ListEntries(doc, profile::kQueryParentGroups, contact))
        pids << StandOut(GetAttr(p, "pid"));
    return pids;
}

QString Describe(xmlNodePtr element, int index)
{
    QString text = QStringLiteral("%1[%2]").arg(NodeName(element)).arg(index);
    if (HasAttr(element, "name"))
        text += QStringLiteral(" \"%1\"").arg(GetAttr(element, "name"));
    return text;
}

class CChangeList {
public:
    explicit CChangeList(std::vector<WriteChange> &out) : m_out(out) {}

    void Add(WriteChange::Kind kind, const QString &element, const QString &field = QString(),
             const QString &profileValue = QString(), const QString &radioValue = QString())
    {
        m_out.push_back(WriteChange{kind, element, field, profileValue, radioValue});
    }

    // Every attribute of `radio` that `profile` has too, except those `compared` rejects.
    template <typename Filter>
    void CompareAttributes(xmlNodePtr profile, xmlNodePtr radio, const QString &element, Filter compared)
    {
        for (xmlAttrPtr a = radio->properties; a; a = a->next) {
            const QByteArray name(reinterpret_cast<const char *>(a->name));
            if (!compared(name) || !HasAttr(profile, name.constData()))
                continue;
            const QString said = GetAttr(profile, name.constData());
            const QString got = StandOut(GetAttr(radio, name.constData()));
            if (!SameValue(said, got))
                Add(WriteChange::Value, element, QString::fromLatin1(name), said, got);
        }
    }

private:
    std::vector<WriteChange> &m_out;
};

}  // namespace

RadioCopy StoreAsRadio(const VirtualCPData &record)
{
    RadioCopy copy;
    VirtualCPData &radio = copy.radio;
    radio = record;
    VirtualCPSetting setting;
    const QByteArray settingBytes = EncodeSettings(record.setting);
    DecodeSettings(reinterpret_cast<const std::uint8_t *>(settingBytes.constData()), int(settingBytes.size()), setting);
    radio.setting = setting;

    radio.contacts.fill(VirtualCPContact());
    for (int slot : ContactsToSend(record)) {
        QByteArray bytes;
        if (!EncodeContact(record.contacts[slot], bytes)) {
            copy.notEncodable.push_back(slot);
            continue;
        }
        VirtualCPContact c;
        DecodeContact(reinterpret_cast<const std::uint8_t *>(bytes.constData()), int(bytes.size()), c);
        radio.contacts[copy.sentSlots.size()] = c;
        copy.sentSlots.push_back(slot);
    }
    TidyPrivateContacts(radio);

    radio.texts.fill(QString());
    for (int slot : TextsToSend(record)) {
        const QByteArray bytes = EncodeText(record.texts[slot]);
        QString t;
        DecodeText(reinterpret_cast<const std::uint8_t *>(bytes.constData()), int(bytes.size()), t);
        radio.texts[copy.sentTexts.size()] = t;
        copy.sentTexts.push_back(slot);
    }
    return copy;
}

std::vector<WriteChange> ListWriteChanges(const QString &text, const QString &ownPid)
{
    // The record the write sends, prepared as the write prepares it. The radio's limits are
    // not known here; the profile's own stand for them.
    VirtualCPData record;
    CDataAdaptor::XML2VirtualCP(text, record, ownPid);
    VirtualCPLimit radioLimit = record.limit;
    radioLimit.pid = ownPid;
    RecountCounters(record);
    const VirtualCPData converted = record;  // before CheckFits empties what does not fit
    CheckFits(record, radioLimit);
    PrepareRecordForWrite(record, radioLimit);

    // What the radio holds afterwards, in the order it stores the records, as a read returns
    // it: each record through the link's encoder and decoder, then the read's tidy.
    RadioCopy copy = StoreAsRadio(record);
    VirtualCPData &radio = copy.radio;
    const std::vector<int> &notEncodable = copy.notEncodable;
    const std::vector<int> &sentSlots = copy.sentSlots;
    const std::vector<int> &sentTexts = copy.sentTexts;

    // Both sides as profile documents: the profile as the conversion read it, the radio's
    // copy as a read would write it.
    const auto said = CDataAdaptor::CopyPrvtScrlLst(text, ownPid);
    QString radioText;
    StandInRecordTexts(radio);
    CDataAdaptor::VirtualCP2XML(radio, radioText);
    const auto got = CDataAdaptor::CopyPrvtScrlLst(radioText, QString());

    std::vector<WriteChange> changes;
    CChangeList list(changes);

    if (xmlNodePtr s = said->SelectOne(nullptr, QLatin1String(profile::kQuerySetting)))
        list.CompareAttributes(s, got->SelectOne(nullptr, QLatin1String(profile::kQuerySetting)),
                               QStringLiteral("setting"), IsComparedSettingAttribute);

    // The profile's contacts by slot, as the conversion numbered them.
    std::vector<xmlNodePtr> contactElements;
    std::vector<int> kindIndex;  // 1-based position among the element's own kind
    for (const char *query :
         {profile::kQueryFirstPublicGroup, profile::kQueryFirstPrivateGroup, profile::kQueryFirstPrivate}) {
        int index = 0;
        for (xmlNodePtr n : ListEntries(*said, query)) {
            contactElements.push_back(n);
            kindIndex.push_back(++index);
        }
    }
    auto describeSlot = [&](int slot) { return Describe(contactElements[slot], kindIndex[slot]); };

    // The radio's contacts: VirtualCP2XML writes each kind in slot order, so the j-th element
    // of a kind is the j-th radio slot of that type.
    std::map<int, xmlNodePtr> radioElementOfSlot;
    const std::pair<int, const char *> kinds[] = {{profile::kPublicGroup, profile::kQueryFirstPublicGroup},
                                                  {profile::kPrivateGroup, profile::kQueryFirstPrivateGroup},
                                                  {profile::kPrivateContact, profile::kQueryFirstPrivate}};
    for (const auto &[type, query] : kinds) {
        const std::vector<xmlNodePtr> elements = ListEntries(*got, query);
        size_t j = 0;
        for (size_t k = 0; k < sentSlots.size() && j < elements.size(); ++k)
            if (radio.contacts[k].cntct_type == type)
                radioElementOfSlot[sentSlots[k]] = elements[j++];
    }

    for (int slot = 0; slot < int(contactElements.size()); ++slot) {
        const QString element = describeSlot(slot);
        if (slot >= profile::kMaxContacts || converted.contacts[slot].IsEmpty()) {
            list.Add(WriteChange::NotSent, element);
            continue;
        }
        if (std::find(notEncodable.begin(), notEncodable.end(), slot) != notEncodable.end()) {
            list.Add(WriteChange::NotEncodable, element);
            continue;
        }
        const auto found = radioElementOfSlot.find(slot);
        if (found == radioElementOfSlot.end()) {
            list.Add(WriteChange::NotSent, element);
            continue;
        }
        xmlNodePtr mine = contactElements[slot];
        list.CompareAttributes(mine, found->second, element, IsComparedContactAttribute);
        if (NodeName(mine) == QLatin1String("Private")) {
            const QStringList before = Memberships(*said, mine);
            const QStringList after = Memberships(*got, found->second);
            if (before != after)
                list.Add(WriteChange::Value, element, QStringLiteral("ParentPrivateGroup"),
                         before.join(QStringLiteral(", ")), after.join(QStringLiteral(", ")));
        }
    }

    // Texts: VirtualCP2XML writes the non-empty ones in slot order.
    const std::vector<xmlNodePtr> textElements = ListEntries(*said, profile::kQueryFirstTextMessage);
    const std::vector<xmlNodePtr> radioTexts = ListEntries(*got, profile::kQueryFirstTextMessage);
    std::map<int, QString> radioTextOfSlot;
    for (size_t k = 0, j = 0; k < sentTexts.size(); ++k) {
        if (radio.texts[k].isEmpty())
            radioTextOfSlot[sentTexts[k]] = QString();
        else if (j < radioTexts.size())
            radioTextOfSlot[sentTexts[k]] = StandOut(GetAttr(radioTexts[j++], "txt"));
    }
    for (int slot = 0; slot < int(textElements.size()); ++slot) {
        const QString element = Describe(textElements[slot], slot + 1);
        const QString mine = GetAttr(textElements[slot], "txt");
        const auto found = radioTextOfSlot.find(slot);
        if (found == radioTextOfSlot.end()) {
            if (!mine.isEmpty())  // an empty text is a free slot, never sent
                list.Add(WriteChange::NotSent, element);
            continue;
        }
        if (found->second != mine)
            list.Add(WriteChange::Value, element, QStringLiteral("txt"), mine, found->second);
    }

    // Private contacts are found by name (the scroll lists name them): a name the radio holds
    // twice reaches only the first.
    std::map<QString, int> firstWithName;
    for (size_t k = 0; k < sentSlots.size(); ++k) {
        const VirtualCPContact &c = radio.contacts[k];
        if (c.cntct_type != profile::kPrivateContact)
            continue;
        const auto [it, inserted] = firstWithName.emplace(c.name, sentSlots[k]);
        if (!inserted)
            list.Add(WriteChange::DuplicateName, describeSlot(sentSlots[k]), QStringLiteral("name"), StandOut(c.name),
                     describeSlot(it->second));
    }

    // Two contacts of one type under one PID: the radio finds a contact by its type and PID,
    // so calls and memberships reach only one of them.
    std::map<std::pair<QString, QString>, int> firstWithPid;
    for (int slot = 0; slot < int(contactElements.size()); ++slot) {
        const QString pid = GetAttr(contactElements[slot], "pid").trimmed();
        if (pid.isEmpty())
            continue;
        const auto [it, inserted] = firstWithPid.emplace(std::make_pair(NodeName(contactElements[slot]), pid), slot);
        if (!inserted)
            list.Add(WriteChange::DuplicatePid, describeSlot(slot), QStringLiteral("pid"), pid,
                     describeSlot(it->second));
    }
    return changes;
}

QString VisibleText(const QString &value)
{
    QString out;
    for (const QChar c : value) {
        if (c == u'\t')
            out += QLatin1String("\\t");
        else if (c == u'\n')
            out += QLatin1String("\\n");
        else if (c == u'\r')
            out += QLatin1String("\\r");
        else if (c.unicode() < 0x20 || (c.unicode() >= 0x7F && c.unicode() < 0xA0))
            out += QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QLatin1Char('0'));
        else
            out += c;
    }
    return out;
}

namespace {

// A field as the forms name it; a setting's values as the Settings form shows them.
QString FieldLabel(const WriteChange &change)
{
    if (change.element == QLatin1String("setting"))
        return settings::Label(change.field);
    static constexpr std::pair<const char *, int> kFields[] = {
        {"name", IDS_DIFF_FIELD_NAME},
        {"pid", IDS_DIFF_FIELD_PID},
        {"channel", IDS_DIFF_FIELD_CHANNEL},
        {"alert_tone", IDS_DIFF_FIELD_ALERT_TONE},
        {"home_grp", IDS_DIFF_FIELD_HOME_GROUP},
        {"in_scroll_list", IDS_DIFF_FIELD_SCROLL_LIST},
        {"in_scan_list", IDS_DIFF_FIELD_SCAN_LIST},
        {"show_grp_only", IDS_GROUP_ONLY},
        {"ParentPrivateGroup", IDS_DIFF_FIELD_GROUPS},
        {"txt", IDS_DIFF_FIELD_TEXT},
    };
    for (const auto &[field, id] : kFields)
        if (change.field == QLatin1String(field))
            return LoadStr(id);
    return change.field;
}

QString ValueText(const WriteChange &change, const QString &value)
{
    return VisibleText(change.element == QLatin1String("setting") ? settings::ValueText(change.field, value) : value);
}

}  // namespace

QString DescribeWriteChange(const WriteChange &change)
{
    switch (change.kind) {
    case WriteChange::NotSent: return FormatStr(IDS_WRITE_CHANGE_NOT_SENT, {VisibleText(change.element)});
    case WriteChange::NotEncodable: return FormatStr(IDS_WRITE_CHANGE_NOT_ENCODABLE, {VisibleText(change.element)});
    case WriteChange::DuplicateName:
        return FormatStr(IDS_WRITE_CHANGE_DUPLICATE_NAME,
                         {VisibleText(change.element), FieldLabel(change), VisibleText(change.profileValue),
                          VisibleText(change.radioValue)});
    case WriteChange::DuplicatePid:
        return FormatStr(
            IDS_CHECK_DUPLICATE_PID,
            {VisibleText(change.element), VisibleText(change.profileValue), VisibleText(change.radioValue)});
    case WriteChange::Value: break;
    }
    return FormatStr(IDS_WRITE_CHANGE_VALUE,
                     {VisibleText(change.element), FieldLabel(change), ValueText(change, change.profileValue),
                      ValueText(change, change.radioValue)});
}

QStringList DescribeWriteChanges(const std::vector<WriteChange> &changes)
{
    QStringList lines;
    for (const WriteChange &change : changes)
        lines << DescribeWriteChange(change);
    return lines;
}

bool ConfirmWriteChanges(IPrompter &prompter, const QStringList &lines)
{
    if (lines.isEmpty())
        return true;
    QStringList shown = lines.mid(0, kMaxQuestionLines);
    if (lines.size() > kMaxQuestionLines)
        shown << FormatStr(IDS_WRITE_CHANGES_MORE, {QString::number(lines.size() - kMaxQuestionLines)});
    return prompter.Show(FormatStr(IDS_WRITE_CHANGES_QUESTION, {shown.join(QLatin1Char('\n'))}),
                         MB_OKCANCEL | MB_ICONWARNING) == IDOK;
}

}  // namespace zqv::link
