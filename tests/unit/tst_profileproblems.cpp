// The problems list: each kind found on the valid sample changed by one patch, placed on the
// element it is about, and none on the shipped templates.
#include "ProfilePatches.h"
#include "ProfileProblems.h"
#include "StringTable.h"
#include "XmlDom.h"

#include <QDir>
#include <QTest>

using namespace zqv;
using namespace zqv::link;
using namespace zqv::test;

Q_DECLARE_METATYPE(ProfileProblem::Kind)
Q_DECLARE_METATYPE(ProfileProblem::Place)

namespace {

std::vector<ProfileProblem> ProblemsOf(const QByteArray &text)
{
    const auto doc = CXmlDocument::Parse(text);
    if (!doc)
        qFatal("profile does not parse");
    return ListProfileProblems(*doc, QString::fromUtf8(text));
}

}  // namespace

class TestProfileProblems : public QObject {
    Q_OBJECT
private slots:
    // Rows: a patch of the valid sample and the one problem it adds to the sample's own (a
    // contact leaves a private group only with its home group elsewhere: the radio counts the
    // home group among its groups).
    // Indexes are positions in the file (Base 01, Alice, Bruno, Chloé, Spare ID 90).
    void eachKindOnItsElement_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<ProfileProblem::Kind>("kind");
        QTest::addColumn<ProfileProblem::Place>("place");
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("part");
        QByteArray scanGroups;
        for (int i = 0; i < 8; ++i)
            scanGroups += QStringLiteral("\t<PublicGroup cntct_type=\"2\" name=\"Scan %1\" pid=\"%2\" channel=\"1\" "
                                         "in_scan_list=\"1\" in_scroll_list=\"0\" />\n")
                              .arg(i)
                              .arg(17179869170LL + i)
                              .toUtf8();
        m_patches = {
            {"group without members",
             {{"<ParentPrivateGroup pid =\"4012091\" />", "<ParentPrivateGroup pid =\"4012090\" />"},
              {"home_grp=\"4012091\"", "home_grp=\"17179869181\""}}},
            {"contact in no group",
             {{"<ParentPrivateGroup pid =\"4012090\" /></ParentPrivateGroups><scrolllist/>",
               "</ParentPrivateGroups><scrolllist/>"},
              {"home_grp=\"4012090\"", "home_grp=\"17179869183\""}}},
            {"scan list at its limit", {{"</PublicGroups>", scanGroups + "</PublicGroups>"}}},
            {"home group on another channel", {{"home_grp=\"10000001\"", "home_grp=\"17179869181\""}}},
            {"names equal but for case and accents", {{"name=\"Events\"", "name=\"CHLOE\""}}},
            {"two private contacts with one name", {{"name=\"Bruno\"", "name=\"Alice\""}}},
            {"two private contacts with one PID", {{"pid=\"4012003\"", "pid=\"4012002\""}}},
            {"text cut by the radio", {{"txt=\"On my way\"", "txt=\"" + QByteArray(90, 'T') + "\""}}},
        };
        using P = ProfileProblem;
        QTest::newRow("group without members")
            << 0 << P::EmptyPrivateGroup << P::PrivateGroup << 1 << FormatStr(IDS_PROBLEM_EMPTY_GROUP, {"Supervisors"});
        QTest::newRow("contact in no group")
            << 1 << P::UngroupedPrivate << P::Private << 1 << FormatStr(IDS_PROBLEM_UNGROUPED_PRIVATE, {"Alice"});
        QTest::newRow("scan list at its limit")
            << 2 << P::ScanListFull << P::ScanChannel << 0 << FormatStr(IDS_PROBLEM_SCAN_LIST_FULL, {"1", "10", "10"});
        QTest::newRow("home group on another channel")
            << 3 << P::HomeGroupOtherChannel << P::Private << 3
            << FormatStr(IDS_PROBLEM_HOME_CHANNEL, {QStringLiteral("Chlo\u00e9"), "3", "Security", "2"});
        QTest::newRow("names equal but for case and accents")
            << 4 << P::DuplicateName << P::Private << 3
            << FormatStr(IDS_PROBLEM_DUPLICATE_NAME, {QStringLiteral("Chlo\u00e9"), "CHLOE"});
        // What a write changes comes from the write-change list, on the element it names.
        QTest::newRow("two private contacts with one name")
            << 5 << P::WriteChange << P::Private << 2 << QStringLiteral("is also the name of");
        QTest::newRow("two private contacts with one PID")
            << 6 << P::WriteChange << P::Private << 2 << QStringLiteral("4012002 is also the PID of");
        QTest::newRow("text cut by the radio") << 7 << P::WriteChange << P::TextMessage << 0 << QString(80, 'T');
    }
    void eachKindOnItsElement()
    {
        QFETCH(int, row);
        QFETCH(ProfileProblem::Kind, kind);
        QFETCH(ProfileProblem::Place, place);
        QFETCH(int, index);
        QFETCH(QString, part);
        const QByteArray valid = ValidGroup3Profile();
        QStringList before;
        for (const ProfileProblem &p : ProblemsOf(valid))
            before << p.text;
        std::vector<ProfileProblem> added;
        for (const ProfileProblem &p : ProblemsOf(PatchedProfile(valid, m_patches[row])))
            if (!before.contains(p.text))
                added.push_back(p);
        QString all;
        for (const ProfileProblem &p : added)
            all += p.text + '\n';
        QVERIFY2(added.size() == 1, qPrintable(all));
        QCOMPARE(added[0].kind, kind);
        QCOMPARE(added[0].place, place);
        QCOMPARE(added[0].index, index);
        QVERIFY2(added[0].text.contains(part), qPrintable(added[0].text));
    }

    // A profile as a dealer starts from has nothing to look at; a spare ID (not in use) in no
    // group is no problem either, while a contact in use is.
    void noneOnTheShippedTemplates()
    {
        const QDir dir(QStringLiteral(ZQV_DATA_SOURCE_DIR "/ProfileTemplate"));
        const QStringList files = dir.entryList({QStringLiteral("*.zqv")}, QDir::Files);
        QVERIFY(files.size() >= 3);
        for (const QString &name : files) {
            QFile f(dir.filePath(name));
            QVERIFY(f.open(QIODevice::ReadOnly));
            const auto problems = ProblemsOf(f.readAll());
            QVERIFY2(problems.empty(),
                     qPrintable(name + ": " + (problems.empty() ? QString() : problems.front().text)));
        }
        QStringList sample;
        for (const ProfileProblem &p : ProblemsOf(ValidGroup3Profile()))
            sample << p.text;
        QCOMPARE(sample, QStringList{FormatStr(IDS_PROBLEM_UNGROUPED_PRIVATE, {QStringLiteral("Chlo\u00e9")})});
    }

    // The question before a write: none without problems; with them, one question whose
    // answer decides, the list cut after twenty lines.
    void questionBeforeWrite()
    {
        CScriptedPrompter prompter;
        QVERIFY(ConfirmProfileProblems(prompter, {}));
        QCOMPARE(prompter.History().size(), size_t(0));
        std::vector<ProfileProblem> many(23);
        for (int i = 0; i < 23; ++i)
            many[i].text = QStringLiteral("line %1").arg(i);
        prompter.Queue({IDCANCEL, IDOK});
        QVERIFY(!ConfirmProfileProblems(prompter, many));
        QVERIFY(ConfirmProfileProblems(prompter, many));
        QCOMPARE(prompter.History().size(), size_t(2));
        const QString asked = prompter.History().front().text;
        QVERIFY(asked.contains("line 19") && !asked.contains("line 20"));
        QVERIFY(asked.contains(FormatStr(IDS_WRITE_CHANGES_MORE, {"3"})));
    }

private:
    std::vector<ProfilePatch> m_patches;
};

QTEST_MAIN(TestProfileProblems)
#include "tst_profileproblems.moc"
