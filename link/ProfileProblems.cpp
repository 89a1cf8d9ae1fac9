#include "ProfileProblems.h"

#include "Collation.h"
#include "ProfileFormat.h"
#include "StringIds.h"
#include "StringTable.h"
#include "WriteChanges.h"
#include "XmlDom.h"

#include <QRegularExpression>
#include <map>

namespace zqv::link {
namespace {

// Lines shown in the question before the rest is summed up.
constexpr int kMaxQuestionLines = 20;

std::vector<xmlNodePtr> Entries(const CXmlDocument &doc, const char *firstQuery)
{
    std::vector<xmlNodePtr> out;
    for (xmlNodePtr n = doc.SelectOne(nullptr, QLatin1String(firstQuery)); n; n = NextElementSibling(n))
        out.push_back(n);
    return out;
}

bool IsTrue(xmlNodePtr element, const char *name)
{
    return GetAttr(element, name).trimmed() == QLatin1String("1");
}

QString Name(xmlNodePtr element)
{
    return VisibleText(GetAttr(element, "name"));
}

// Where a write change is: its element is described as "Kind[n] ..." (1-based) or "setting".
void PlaceWriteChange(const WriteChange &change, ProfileProblem &problem)
{
    if (change.element == QLatin1String("setting")) {
        problem.place = ProfileProblem::Settings;
        return;
    }
    static const QRegularExpression pattern(QStringLiteral("^(\\w+)\\[(\\d+)\\]"));
    const QRegularExpressionMatch m = pattern.match(change.element);
    if (!m.hasMatch())
        return;
    static const std::pair<const char *, ProfileProblem::Place> kPlaces[] = {
        {"PublicGroup", ProfileProblem::PublicGroup},
        {"PrivateGroup", ProfileProblem::PrivateGroup},
        {"Private", ProfileProblem::Private},
        {"TextMessage", ProfileProblem::TextMessage},
    };
    for (const auto &[name, place] : kPlaces)
        if (m.captured(1) == QLatin1String(name)) {
            problem.place = place;
            problem.index = m.captured(2).toInt() - 1;
        }
}

class CProblemList {
public:
    explicit CProblemList(std::vector<ProfileProblem> &out) : m_out(out) {}
    void Add(ProfileProblem::Kind kind, ProfileProblem::Place place, int index, const QString &text)
    {
        m_out.push_back(ProfileProblem{kind, place, index, text});
    }

private:
    std::vector<ProfileProblem> &m_out;
};

}  // namespace

std::vector<ProfileProblem> ListDealerProblems(const CXmlDocument &doc)
{
    std::vector<ProfileProblem> problems;
    CProblemList list(problems);
    const std::vector<xmlNodePtr> publicGroups = Entries(doc, profile::kQueryFirstPublicGroup);
    const std::vector<xmlNodePtr> privateGroups = Entries(doc, profile::kQueryFirstPrivateGroup);
    const std::vector<xmlNodePtr> privates = Entries(doc, profile::kQueryFirstPrivate);

    // Memberships: the private groups each private contact belongs to.
    std::vector<QStringList> memberOf(privates.size());
    std::map<QString, int> memberCount;
    for (size_t i = 0; i < privates.size(); ++i)
        for (xmlNodePtr p : doc.Select(privates[i], QLatin1String(profile::kQueryParentGroups))) {
            const QString pid = GetAttr(p, "pid").trimmed();
            memberOf[i] << pid;
            ++memberCount[pid];
        }

    for (size_t i = 0; i < privateGroups.size(); ++i)
        if (memberCount[GetAttr(privateGroups[i], "pid").trimmed()] == 0)
            list.Add(ProfileProblem::EmptyPrivateGroup, ProfileProblem::PrivateGroup, int(i),
                     FormatStr(IDS_PROBLEM_EMPTY_GROUP, {Name(privateGroups[i])}));

    // Groups by PID for the home-group look-up: a private group first, as the radio looks.
    std::map<QString, xmlNodePtr> groupOfPid;
    for (const auto *groups : {&publicGroups, &privateGroups})
        for (xmlNodePtr g : *groups)
            groupOfPid[GetAttr(g, "pid").trimmed()] = g;

    for (size_t i = 0; i < privates.size(); ++i) {
        xmlNodePtr contact = privates[i];
        // Without private groups in the profile no contact can be in one; a spare ID (not in
        // use) is not expected to be.
        if (!privateGroups.empty() && memberOf[i].isEmpty() &&
            GetAttr(contact, "id_in_use").trimmed() != QLatin1String("0"))
            list.Add(ProfileProblem::UngroupedPrivate, ProfileProblem::Private, int(i),
                     FormatStr(IDS_PROBLEM_UNGROUPED_PRIVATE, {Name(contact)}));
        const QString home = GetAttr(contact, "home_grp").trimmed();
        const auto found = home.isEmpty() ? groupOfPid.end() : groupOfPid.find(home);
        if (found == groupOfPid.end())
            continue;
        const QString channel = GetAttr(contact, "channel").trimmed();
        const QString homeChannel = GetAttr(found->second, "channel").trimmed();
        if (channel.toInt() != homeChannel.toInt())
            list.Add(ProfileProblem::HomeGroupOtherChannel, ProfileProblem::Private, int(i),
                     FormatStr(IDS_PROBLEM_HOME_CHANNEL, {Name(contact), channel, Name(found->second), homeChannel}));
    }

    // Scan lists, where the model scans public groups at all.
    xmlNodePtr limit = doc.SelectOne(nullptr, QLatin1String(profile::kQueryLimit));
    if (limit && IsTrue(limit, "public_scan_en")) {
        std::map<int, int> onScanList;
        for (xmlNodePtr g : publicGroups)
            if (IsTrue(g, "in_scan_list"))
                ++onScanList[GetAttr(g, "channel").trimmed().toInt()];
        for (const auto &[channel, count] : onScanList)
            if (channel >= 1 && count >= profile::kMaxScanListEntries)
                list.Add(ProfileProblem::ScanListFull, ProfileProblem::ScanChannel, channel - 1,
                         FormatStr(IDS_PROBLEM_SCAN_LIST_FULL,
                                   {QString::number(channel), QString::number(count),
                                    QString::number(profile::kMaxScanListEntries)}));
    }

    // Names the lists cannot tell apart: equal but for case and accents. Two private contacts
    // of exactly the same name are already among the write changes.
    struct Named {
        xmlNodePtr element;
        ProfileProblem::Place place;
        int index;
    };
    std::vector<Named> named;
    for (size_t i = 0; i < publicGroups.size(); ++i)
        named.push_back({publicGroups[i], ProfileProblem::PublicGroup, int(i)});
    for (size_t i = 0; i < privateGroups.size(); ++i)
        named.push_back({privateGroups[i], ProfileProblem::PrivateGroup, int(i)});
    for (size_t i = 0; i < privates.size(); ++i)
        named.push_back({privates[i], ProfileProblem::Private, int(i)});
    std::map<QString, size_t, bool (*)(const QString &, const QString &)> firstOfName(CollateLess);
    for (size_t k = 0; k < named.size(); ++k) {
        const QString name = GetAttr(named[k].element, "name");
        if (name.trimmed().isEmpty())
            continue;
        const auto [it, inserted] = firstOfName.emplace(name, k);
        if (inserted)
            continue;
        const Named &first = named[it->second];
        if (first.place == ProfileProblem::Private && named[k].place == ProfileProblem::Private &&
            GetAttr(first.element, "name") == name)
            continue;
        list.Add(ProfileProblem::DuplicateName, named[k].place, named[k].index,
                 FormatStr(IDS_PROBLEM_DUPLICATE_NAME, {VisibleText(name), Name(first.element)}));
    }
    return problems;
}

std::vector<ProfileProblem> ListProfileProblems(const CXmlDocument &doc, const QString &text)
{
    std::vector<ProfileProblem> problems;
    for (const WriteChange &change : ListWriteChanges(text)) {
        ProfileProblem problem;
        problem.text = DescribeWriteChange(change);
        PlaceWriteChange(change, problem);
        problems.push_back(problem);
    }
    for (ProfileProblem &problem : ListDealerProblems(doc))
        problems.push_back(std::move(problem));
    return problems;
}

bool ConfirmProfileProblems(IPrompter &prompter, const std::vector<ProfileProblem> &problems)
{
    if (problems.empty())
        return true;
    QStringList shown;
    for (size_t i = 0; i < problems.size() && i < size_t(kMaxQuestionLines); ++i)
        shown << problems[i].text;
    if (problems.size() > size_t(kMaxQuestionLines))
        shown << FormatStr(IDS_WRITE_CHANGES_MORE, {QString::number(problems.size() - kMaxQuestionLines)});
    return prompter.Show(FormatStr(IDS_PROBLEMS_QUESTION, {shown.join(QLatin1Char('\n'))}),
                         MB_OKCANCEL | MB_ICONWARNING) == IDOK;
}

}  // namespace zqv::link
