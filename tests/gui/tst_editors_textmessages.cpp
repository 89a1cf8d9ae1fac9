// The text-message forms against the shipped templates: the commit when a message is left,
// the questions for blank and refused texts, the length limit and the add limit.
#include "ControlIds.h"
#include "EditorTestSupport.h"
#include "StringTable.h"
#include "TextMessageView.h"
#include "TextMessagesView.h"

#include <QPlainTextEdit>
#include <QTest>

using namespace zqvtest;

class TestEditorsTextMessages : public QObject {
    Q_OBJECT

private:
    static CTextMessageView *OpenFirstMessage(CEditorWindow &w)
    {
        if (!w.NewFromTemplate(QStringLiteral("ZQ-450 Standard.zqv")) || !w.Select(kNodeTextMessage, 0))
            return nullptr;
        return w.FormAs<CTextMessageView>();
    }

    static QString StoredText(CEditorWindow &w, int index = 0)
    {
        return AttrText(ListChild(w.Root(), kNodeTextMessage, index), "txt");
    }

private slots:
    void commitStripsControlCharacters()
    {
        CEditorWindow w;
        CTextMessageView *form = OpenFirstMessage(w);
        QVERIFY(form);
        QVERIFY(!w.IsModified());
        form->TextEdit()->setPlainText(QStringLiteral("Meet\tat\nthe gate, a very long message indeed"));
        QVERIFY(w.Select(kNodeTextMessages));
        QCOMPARE(StoredText(w), QStringLiteral("Meetatthe gate, a very long message indeed"));
        QCOMPARE(w.Label(kNodeTextMessage, 0), QStringLiteral("Meetatthe gate, a ve..."));
        QVERIFY(w.IsModified());
        QVERIFY(w.prompter.History().empty());

        // Spaces are text, not blank.
        QVERIFY(w.Select(kNodeTextMessage, 0));
        w.FormAs<CTextMessageView>()->TextEdit()->setPlainText(QStringLiteral("   "));
        QVERIFY(w.Select(kNodeSettings));
        QCOMPARE(StoredText(w), QStringLiteral("   "));

        // Left unchanged: nothing is written.
        w.ClearModified();
        const QString before = w.ProfileText();
        QVERIFY(w.Select(kNodeTextMessage, 0));
        QVERIFY(w.Select(kNodeSettings));
        QCOMPARE(w.ProfileText(), before);
        QVERIFY(!w.IsModified());
    }

    // Tab leaves the message for the next control instead of typing a tab.
    void tabLeavesTheMessage()
    {
        CEditorWindow w;
        CTextMessageView *form = OpenFirstMessage(w);
        QVERIFY(form);
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        const QString text = form->TextEdit()->toPlainText();
        form->TextEdit()->setFocus();
        QTest::keyClick(form->TextEdit(), Qt::Key_Tab);
        QVERIFY(!form->TextEdit()->hasFocus());
        QCOMPARE(form->TextEdit()->toPlainText(), text);
    }

    void blankMessageOffersToDelete()
    {
        CEditorWindow w;
        CTextMessageView *form = OpenFirstMessage(w);
        QVERIFY(form);
        form->TextEdit()->setPlainText(QStringLiteral("\t\t\n"));

        w.prompter.Queue(IDCANCEL);
        QVERIFY(!w.Select(kNodeSettings));
        QCOMPARE(w.prompter.Texts(), QStringList({LoadStr(IDS_MESSAGE_BLANK_DELETE)}));
        QCOMPARE(w.Form(), form);
        QCOMPARE(StoredText(w), QStringLiteral("On my way"));

        // Save, Write and Report commit first: Cancel stops them as well.
        w.prompter.Queue(IDCANCEL);
        QVERIFY(!w.Tree().CommitPendingEdits());

        w.prompter.Queue(IDOK);
        QVERIFY(w.Tree().CommitPendingEdits());
        QVERIFY(w.ChildLabels(kNodeTextMessages).isEmpty());
        QCOMPARE(w.CurrentKind(), int(kNodeTextMessages));
        QVERIFY(w.FormAs<CTextMessagesView>());
    }

    void refusedTextOffersToDelete()
    {
        CEditorWindow w;
        CTextMessageView *form = OpenFirstMessage(w);
        QVERIFY(form);
        form->TextEdit()->setPlainText(QStringLiteral("Price 5 \u20AC"));
        w.prompter.Queue(IDCANCEL);
        QVERIFY(!w.Select(kNodeSettings));
        QCOMPARE(w.prompter.Texts(), QStringList({LoadStr(IDS_MESSAGE_NOT_ISO8859)}));
        QCOMPARE(w.prompter.History().back().style & 0xF, unsigned(MB_OKCANCEL));
        QCOMPARE(StoredText(w), QStringLiteral("On my way"));

        w.prompter.Queue(IDOK);
        QVERIFY(w.Select(kNodeSettings));
        QVERIFY(w.ChildLabels(kNodeTextMessages).isEmpty());
        QCOMPARE(w.CurrentKind(), int(kNodeSettings));
    }

    void eightyCharacters()
    {
        CEditorWindow w;
        CTextMessageView *form = OpenFirstMessage(w);
        QVERIFY(form);
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        const QString eighty(80, QLatin1Char('a'));
        form->TextEdit()->setPlainText(eighty);
        form->TextEdit()->setFocus();
        form->TextEdit()->moveCursor(QTextCursor::End);
        QTest::keyClick(form->TextEdit(), Qt::Key_B);
        QCOMPARE(form->TextEdit()->toPlainText(), eighty);
        QCOMPARE(w.prompter.Texts(), QStringList({FormatStr(IDS_TEXT_MESSAGE_TOO_LONG, {"80"})}));
    }

    void addStopsAtTheModelLimit()
    {
        CEditorWindow w;
        QVERIFY(w.NewFromTemplate(QStringLiteral("ZQ-210 Compact.zqv")));
        QVERIFY(w.Select(kNodeTextMessages));
        QCOMPARE(w.Form()->ControlText(IDC_TEXTMSGS_MAX), QStringLiteral("10"));
        QCOMPARE(w.Form()->ControlText(IDC_TEXTMSGS_CURRENT), QStringLiteral("1"));
        for (int i = 1; i < 10; ++i) {
            QVERIFY(w.Select(kNodeTextMessages));
            QVERIFY(w.Form()->Control(IDC_TEXTMSGS_ADD)->isEnabled());
            w.Tree().OnAdd();
        }
        QCOMPARE(w.ChildLabels(kNodeTextMessages).size(), 10);
        QVERIFY(w.Select(kNodeTextMessages));
        QCOMPARE(w.Form()->ControlText(IDC_TEXTMSGS_CURRENT), QStringLiteral("10"));
        QVERIFY(!w.Form()->Control(IDC_TEXTMSGS_ADD)->isEnabled());
        QVERIFY(!w.Tree().AvailableCommands().add);
        w.Tree().OnAdd();
        QCOMPARE(w.ChildLabels(kNodeTextMessages).size(), 10);
    }
};

QTEST_MAIN(TestEditorsTextMessages)
#include "tst_editors_textmessages.moc"
