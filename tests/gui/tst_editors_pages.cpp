// The pages of the profile tree's folders and the services every form shares: the numbers of
// the Contacts page, the folders' Add buttons, the Lists and Scan List pages, control
// visibility from the setting document, colours and layout, and the help pane's control notice.
#include "ContactsView.h"
#include "ControlIds.h"
#include "EditorTestSupport.h"
#include "ListsView.h"
#include "PublicGroupView.h"
#include "RadioInfoView.h"
#include "ScanListView.h"
#include "StringTable.h"
#include "ThemeColours.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QTest>

using namespace zqvtest;

namespace {

// A bare form that makes the rule-script calls every form makes.
class CRuleProbe : public CBaseView {
public:
    CRuleProbe(CEditorWindow &w) : CBaseView(w, w.Tree(), kNodeSettings) {}
    using CBaseView::SetValueOrRestore;
};

// Ten public groups on channel 3's scan list, which is then full.
void FillScanListOfChannel3(const CDataItem &root)
{
    CDataItem list = ListItem(root, kNodePublicGroups);
    for (int i = 0; i < 10; ++i) {
        CDataItem added;
        list.AddNewChild(added);
        int r1 = 0;
        int r2 = 0;
        if (added.IsEmpty() || added.SetAttributeValue(QStringLiteral("in_scan_list"), false, r1, 0, r2) != 0 ||
            added.SetAttributeValue(QStringLiteral("channel"), 3, r1, 0, r2) != 0 ||
            added.SetAttributeValue(QStringLiteral("in_scan_list"), true, r1, 0, r2) != 0)
            qFatal("cannot fill the scan list of channel 3");
    }
}

}  // namespace

Q_DECLARE_METATYPE(RuleResult)

class TestEditorsPages : public QObject {
    Q_OBJECT

private slots:
    void contactsPageCounts()
    {
        CEditorWindow w;
        QVERIFY(w.NewFromTemplate(QStringLiteral("ZQ-880 Fleet.zqv")));
        QVERIFY(w.Select(kNodeContacts));
        CBaseView *page = w.Form();
        QVERIFY(qobject_cast<CContactsView *>(page));
        const struct {
            int id;
            const char *value;
        } expected[] = {
            {IDC_CONTACTS_MAX_CONTACTS, "150"},      {IDC_CONTACTS_CUR_CONTACTS, "3"},
            {IDC_CONTACTS_MAX_PRIVATE_GROUPS, "50"}, {IDC_CONTACTS_CUR_PRIVATE_GROUPS, "1"},
            {IDC_CONTACTS_MAX_PUBLIC_GROUPS, "100"}, {IDC_CONTACTS_CUR_PUBLIC_GROUPS, "1"},
            {IDC_CONTACTS_MAX_PRIVATES, "150"},      {IDC_CONTACTS_CUR_PRIVATES, "1"},
        };
        for (const auto &e : expected)
            QCOMPARE(page->ControlText(e.id), QLatin1String(e.value));
        QCOMPARE(page->ControlText(IDC_CONTACTS_MAX_PRIVATES_LABEL), LoadStr(IDS_MAXIMUM_PRIVATES));

        // The page is rebuilt each time it is shown.
        QVERIFY(w.Select(kNodePublicGroups));
        w.Tree().OnAdd();
        QVERIFY(w.Select(kNodeContacts));
        QCOMPARE(w.Form()->ControlText(IDC_CONTACTS_CUR_PUBLIC_GROUPS), QStringLiteral("2"));
        QCOMPARE(w.Form()->ControlText(IDC_CONTACTS_CUR_CONTACTS), QStringLiteral("4"));
    }

    void folderPagesAddWhileTheModelAllows()
    {
        CEditorWindow w;
        QVERIFY(w.NewFromTemplate(QStringLiteral("ZQ-210 Compact.zqv")));
        QVERIFY(w.Select(kNodePrivates));
        auto *scanner = qobject_cast<QPushButton *>(w.Form()->Control(IDC_PRIVATES_ADD_SCANNER));
        QVERIFY(scanner && scanner->isEnabled() && w.Form()->Control(IDC_PRIVATES_ADD)->isEnabled());
        QCOMPARE(w.Form()->ControlText(IDC_PRIVATES_ADD_SCANNER_LABEL), LoadStr(IDS_ADD_PRIVATES_WITH_SCANNER));
        scanner->click();
        CEditorWindow::Flush();
        QCOMPARE(w.ChildLabels(kNodePrivates), QStringList({"This Radio", "Private 1"}));
        QCOMPARE(w.Tree().AddText(), LoadStr(IDS_ADD_WITH_SCANNER));

        // The model takes 10 public groups: the page's button goes grey at 10.
        for (int i = 1; i < 10; ++i) {
            QVERIFY(w.Select(kNodePublicGroups));
            w.Tree().OnAdd();
        }
        QVERIFY(w.Select(kNodePublicGroups));
        QCOMPARE(w.ChildLabels(kNodePublicGroups).size(), 10);
        QVERIFY(!w.Form()->Control(IDC_PUBLICGROUPS_ADD)->isEnabled());
        QVERIFY(w.Select(kNodePublicGroup, 0));
        QVERIFY(!w.Form()->Control(IDC_PUBLICGROUP_ADD)->isEnabled());
        QVERIFY(w.Select(kNodePrivateGroups));
        QVERIFY(w.Form()->Control(IDC_PRIVATEGROUPS_ADD)->isEnabled());
    }

    void listsAndScanListPages()
    {
        CEditorWindow w;
        QVERIFY(w.NewFromTemplate(QStringLiteral("ZQ-880 Fleet.zqv")));
        QVERIFY(w.Select(kNodeLists));
        auto *lists = w.FormAs<CListsView>();
        QVERIFY(lists);
        QStringList scroll;
        for (int i = 0; i < lists->ScrollList()->count(); ++i)
            scroll << lists->ScrollList()->item(i)->text();
        QCOMPARE(scroll, QStringList({"Public 1", "Group 1", "This Radio"}));
        QCOMPARE(lists->ScanGrid()->columnCount(), 32);
        QCOMPARE(lists->ScanGrid()->horizontalHeaderItem(1)->text(), QStringLiteral("Channel 2"));
        QCOMPARE(lists->ScanGrid()->item(0, 0)->text(), QStringLiteral("Public 1"));
        QVERIFY(lists->ScanMode()->isChecked() && !lists->ScanMode()->isEnabled());

        QVERIFY(w.Select(kNodeScanList));
        auto *scan = w.FormAs<CScanListView>();
        QVERIFY(scan && scan->ScanMode()->isChecked());
        QVERIFY(!w.IsModified());
        scan->ScanMode()->setChecked(false);
        QCOMPARE(AttrText(ChildItem(w.Root(), "setting"), "scan_en"), QStringLiteral("0"));
        QVERIFY(w.IsModified());
        QVERIFY(w.Select(kNodeLists));
        QVERIFY(!w.FormAs<CListsView>()->ScanMode()->isChecked());
    }

    // The root's form is a form like the others (its page's visibility is checked below): help
    // notices, the heading band, and read-only fields that look read-only and take no typing.
    void radioInformationForm()
    {
        CEditorWindow w;
        QVERIFY(w.NewFromTemplate(QStringLiteral("ZQ-880 Fleet.zqv")));
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        // Shown for the root when the tree is built.
        auto *form = w.FormAs<CRadioInfoView>();
        QVERIFY(form);
        QCOMPARE(form->UnitPid(), QStringLiteral("10000101"));
        QCOMPARE(form->Name(), QStringLiteral("This Radio"));
        QCOMPARE(form->FirmwareVersion(), QStringLiteral("R5E.08.00"));
        QCOMPARE(form->CodeplugVersion(), QStringLiteral("CP03.10.05"));
        QCOMPARE(form->ControlText(IDC_RADIOINFO_HEADING), LoadStr(IDS_RADIO_INFO_CAPTION));
        QCOMPARE(form->ControlText(IDC_RADIOINFO_FIRMWARE_LABEL),
                 LoadStr(IDS_FIRMWARE_VERSION) + LoadStr(IDS_LABEL_COLON));
        QWidget *heading = form->Control(IDC_RADIOINFO_HEADING);
        QCOMPARE(heading->palette().color(QPalette::Window),
                 ThemeColours(ThemeRole::Heading, QApplication::palette()).background);
        QCOMPARE(heading->palette().color(QPalette::WindowText), QColor(Qt::white));

        auto *pid = qobject_cast<QLineEdit *>(form->Control(IDC_RADIOINFO_PID));
        QVERIFY(pid && pid->isReadOnly());
        QCOMPARE(pid->palette().color(QPalette::Base),
                 ThemeColours(ThemeRole::ReadOnly, QApplication::palette()).background);
        QVERIFY(pid->palette().color(QPalette::Base) != QApplication::palette().color(QPalette::Base));
        w.helpPane = true;
        pid->setFocus();
        QTRY_COMPARE(w.helpRequests, QStringList({"CRadioInfoView:1102"}));
        QTest::keyClicks(pid, QStringLiteral("99"));
        QCOMPARE(pid->text(), QStringLiteral("10000101"));
        QVERIFY(!w.IsModified());
    }

    // A control the page hides, one the page does not name, one without isVisible, and one it
    // shows.
    void visibilityFromTheSettingDocument_data()
    {
        QTest::addColumn<QString>("page");
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("hidden");
        QTest::addColumn<int>("unnamed");
        QTest::addColumn<int>("plain");
        QTest::addColumn<int>("shown");
        QTest::newRow("Contacts") << "Contacts" << int(kNodeContacts) << int(IDC_CONTACTS_CUR_CONTACTS)
                                  << int(IDC_CONTACTS_CUR_PRIVATES) << int(IDC_CONTACTS_CUR_PUBLIC_GROUPS)
                                  << int(IDC_CONTACTS_MAX_CONTACTS);
        QTest::newRow("RadioInfo") << "RadioInfo" << int(kNodeRoot) << int(IDC_RADIOINFO_FIRMWARE)
                                   << int(IDC_RADIOINFO_CODEPLUG) << int(IDC_RADIOINFO_NAME) << int(IDC_RADIOINFO_PID);
        QTest::newRow("RadioInfo, a whole row")
            << "RadioInfo" << int(kNodeRoot) << int(IDC_RADIOINFO_FIRMWARE_LABEL) << int(IDC_RADIOINFO_FIRMWARE)
            << int(IDC_RADIOINFO_NAME) << int(IDC_RADIOINFO_CODEPLUG);
    }
    void visibilityFromTheSettingDocument()
    {
        QFETCH(QString, page);
        QFETCH(int, kind);
        QFETCH(int, hidden);
        QFETCH(int, unnamed);
        QFETCH(int, plain);
        QFETCH(int, shown);
        CEditorWindow w;
        QVERIFY(w.NewFromTemplate(QStringLiteral("ZQ-450 Standard.zqv")));
        w.show();
        const auto &doc = w.Document().SettingDocument();
        QVERIFY(doc);
        xmlNodePtr pageNode = doc->SelectOne(nullptr, QStringLiteral("//dfns:") + page);
        QVERIFY(pageNode);
        for (xmlNodePtr control : ElementChildren(pageNode)) {
            const int id = GetAttr(control, "ID").toInt();
            if (id == hidden)
                SetAttr(control, "isVisible", QStringLiteral("0"));
            else if (id == unnamed)
                doc->Detach(control);
            else if (id == plain)
                RemoveAttr(control, "isVisible");
        }
        QVERIFY(w.Select(kNodeSettings));
        QVERIFY(w.Select(kind));
        CBaseView *form = w.Form();
        QVERIFY(form);
        QVERIFY(!form->Control(hidden)->isVisibleTo(form));
        QVERIFY(!form->Control(unnamed)->isVisibleTo(form));
        QVERIFY(form->Control(plain)->isVisibleTo(form));
        QVERIFY(form->Control(shown)->isVisibleTo(form));

        // The rows below the heading keep their even spacing: a hidden row leaves no hole.
        QList<int> rows;
        for (const QWidget *c : form->widget()->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
            if (c->isVisibleTo(form) && !rows.contains(c->geometry().center().y()))
                rows << c->geometry().center().y();
        std::sort(rows.begin(), rows.end());
        QVERIFY(rows.size() >= 4);
        for (int i = 3; i < rows.size(); ++i)
            QCOMPARE(rows[i] - rows[i - 1], rows[2] - rows[1]);
    }

    // One attribute write of the first public group (on channel 1's scan list) through the typed
    // rule call: what is shown, what the call answers, and what the profile holds afterwards.
    void ruleCalls_data()
    {
        QTest::addColumn<QString>("attribute");
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<bool>("fullScanList");  // channel 3's scan list full beforehand
        QTest::addColumn<int>("answer");  // to a question, 0 when none is expected
        QTest::addColumn<RuleResult>("result");
        QTest::addColumn<QList<int>>("messages");
        QTest::addColumn<QList<int>>("styles");  // the box style of each message
        QTest::addColumn<QString>("channel");  // afterwards; empty: profile unchanged
        QTest::addColumn<QString>("inScanList");

        const int question = IDS_PUBLIC_GROUP_CHANNEL_CHANGE;
        const int ask = MB_OKCANCEL | MB_ICONQUESTION;
        QTest::newRow("applied") << "name" << QVariant(QStringLiteral("Renamed")) << false << 0 << RuleResult::Applied
                                 << QList<int>{} << QList<int>{} << "1"
                                 << "1";
        QTest::newRow("refused") << "channel" << QVariant(99) << false << 0 << RuleResult::Refused
                                 << QList<int>{IDS_VALUE_NOT_VALID} << QList<int>{MB_OK | MB_ICONWARNING} << ""
                                 << "";
        QTest::newRow("asked, OK") << "channel" << QVariant(3) << false << int(IDOK) << RuleResult::Applied
                                   << QList<int>{question} << QList<int>{ask} << "3"
                                   << "1";
        QTest::newRow("asked, Cancel") << "channel" << QVariant(3) << false << int(IDCANCEL) << RuleResult::Ask
                                       << QList<int>{question} << QList<int>{ask} << ""
                                       << "";
        QTest::newRow("asked, OK, notice") << "channel" << QVariant(3) << true << int(IDOK) << RuleResult::Applied
                                           << QList<int>{question, IDS_SCAN_LIST_FULL_AFTER_CHANNEL_CHANGE}
                                           << QList<int>{ask, MB_OK | MB_ICONINFORMATION} << "3"
                                           << "0";
    }
    void ruleCalls()
    {
        QFETCH(QString, attribute);
        QFETCH(QVariant, value);
        QFETCH(bool, fullScanList);
        QFETCH(int, answer);
        QFETCH(RuleResult, result);
        QFETCH(QList<int>, messages);
        QFETCH(QList<int>, styles);
        QFETCH(QString, channel);
        QFETCH(QString, inScanList);
        const QStringList args{QStringLiteral("1"), QStringLiteral("3")};

        // Once through the call every form uses, once through the one a control uses: the same
        // answer, and a control not applied goes back to what the profile holds.
        for (const bool withControl : {false, true}) {
            CEditorWindow w;
            QVERIFY(w.NewFromTemplate(QStringLiteral("ZQ-450 Standard.zqv")));
            if (fullScanList)
                FillScanListOfChannel3(w.Root());
            CDataItem group = ListChild(w.Root(), kNodePublicGroup, 0);
            QCOMPARE(AttrText(group, "channel"), QStringLiteral("1"));
            QCOMPARE(AttrText(group, "in_scan_list"), QStringLiteral("1"));
            const QString before = w.ProfileText();
            if (answer != 0)
                w.prompter.Queue(answer);

            RuleResult got = RuleResult::Refused;
            int restored = 0;
            if (withControl) {
                CRuleProbe probe(w);
                const bool applied = probe.SetValueOrRestore(
                    group, attribute, value, [&restored] { ++restored; }, args);
                QCOMPARE(applied, result == RuleResult::Applied);
                QCOMPARE(restored, result == RuleResult::Applied ? 0 : 1);
            } else {
                got = CBaseView::ApplyRule(
                    w.prompter,
                    [&](int confirm, int &message, int &style) {
                        return group.SetAttributeValue(attribute, value, message, confirm, style);
                    },
                    args);
                QCOMPARE(got, result);
            }

            QStringList expected;
            for (int id : messages)
                expected << (id == IDS_PUBLIC_GROUP_CHANNEL_CHANGE ? FormatStr(id, args) : LoadStr(id));
            QCOMPARE(w.prompter.Texts(), expected);
            for (int i = 0; i < styles.size(); ++i)
                QCOMPARE(int(w.prompter.History().at(i).style), styles.at(i));
            if (channel.isEmpty()) {
                QCOMPARE(w.ProfileText(), before);
            } else {
                QCOMPARE(AttrText(group, "channel"), channel);
                QCOMPARE(AttrText(group, "in_scan_list"), inScanList);
                QVERIFY(w.ProfileText() != before);
            }
        }
    }

    void coloursAndLayout()
    {
        CEditorWindow w;
        QVERIFY(w.NewFromTemplate(QStringLiteral("ZQ-450 Standard.zqv")));
        w.show();
        QVERIFY(w.Select(kNodePublicGroup, 0));
        auto *form = w.FormAs<CPublicGroupView>();
        QVERIFY(form);
        QWidget *heading = form->Control(IDC_PUBLICGROUP_HEADING);
        QCOMPARE(heading->palette().color(QPalette::Window),
                 ThemeColours(ThemeRole::Heading, QApplication::palette()).background);
        QCOMPARE(heading->palette().color(QPalette::WindowText), QColor(Qt::white));
        QCOMPARE(form->NameEdit()->palette().color(QPalette::Base), QColor(Qt::white));

        // Wide: the heading spans the form less 10 at each side, the fields stop at twice their
        // design width and the block is centred.
        form->resize(1000, 500);
        CEditorWindow::Flush();
        const int width = form->viewport()->width();
        QCOMPARE(heading->geometry().left(), 10);
        QCOMPARE(heading->geometry().width(), width - 20);
        QWidget *label = form->Control(IDC_PUBLICGROUP_NAME_LABEL);
        QWidget *name = form->NameEdit();
        QCOMPARE(name->width(), 2 * 220);
        const int blockLeft = label->geometry().left();
        const int blockRight = name->geometry().right();
        QVERIFY(qAbs((blockLeft - 0) - (width - 1 - blockRight)) <= 1);

        // Narrow: never closer than 20 to the left edge, and the form scrolls.
        form->resize(200, 300);
        CEditorWindow::Flush();
        QCOMPARE(label->geometry().left(), 20);
        QVERIFY(form->horizontalScrollBar()->isVisible());
    }

    void helpPaneFollowsTheFocus()
    {
        CEditorWindow w;
        QVERIFY(w.NewFromTemplate(QStringLiteral("ZQ-450 Standard.zqv")));
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        w.helpPane = true;
        QVERIFY(w.Select(kNodePublicGroup, 0));
        QCOMPARE(w.blankHelpRequests, 1);
        auto *form = w.FormAs<CPublicGroupView>();
        form->ChannelList()->setFocus();
        QTRY_COMPARE(w.helpRequests, QStringList({"CPublicGroupView:1524"}));
        w.helpPane = false;
        form->NameEdit()->setFocus();
        QTRY_VERIFY(form->NameEdit()->hasFocus());
        QCOMPARE(w.helpRequests.size(), 1);
    }
};

QTEST_MAIN(TestEditorsPages)
#include "tst_editors_pages.moc"
