#include <QCoreApplication>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QTest>
#include <QTranslator>

#include "StringTable.h"

using namespace zqv;

namespace {

// What LoadStr returned before any QCoreApplication existed (set in main).
QString g_textWithoutApplication;

// Stands in for a loaded language file: replaces two texts, leaves the rest untranslated.
class ReplacingTranslator : public QTranslator {
public:
    QString translate(const char *context, const char *sourceText, const char *disambiguation, int n) const override
    {
        Q_UNUSED(disambiguation);
        Q_UNUSED(n);
        if (qstrcmp(context, "StringTable") != 0)
            return QString();
        if (qstrcmp(sourceText, "Fatal error: 101.") == 0)
            return QStringLiteral("Erreur fatale : 101.");
        if (qstrcmp(sourceText, "Channel %d (%d)") == 0)
            return QStringLiteral("Canal %d (%d)");
        if (qstrcmp(sourceText, "Channel %d") == 0)
            return QStringLiteral("100%% canal %d %x %");
        return QString();
    }
    bool isEmpty() const override { return false; }
};

// Every "IDS_NAME = number" of the id header, in header order.
QList<QPair<QString, int>> HeaderIds()
{
    QList<QPair<QString, int>> ids;
    QFile header(QStringLiteral(ZQV_SOURCE_DIR "/resources/StringIds.h"));
    if (!header.open(QIODevice::ReadOnly | QIODevice::Text))
        return ids;
    static const QRegularExpression entry(QStringLiteral("^\\s*(IDS_\\w+)\\s*=\\s*(\\d+)\\s*,"),
                                          QRegularExpression::MultilineOption);
    auto it = entry.globalMatch(QString::fromUtf8(header.readAll()));
    while (it.hasNext()) {
        const auto m = it.next();
        ids.append({m.captured(1), m.captured(2).toInt()});
    }
    return ids;
}

}  // namespace

class TestStringTable : public QObject {
    Q_OBJECT

private slots:
    void everyHeaderIdHasOneText();
    void fixedTexts_data();
    void fixedTexts();
    void unknownId();
    void placeholdersAreOnlyTheSupportedOnes();
    void formatStr_data();
    void formatStr();
    void translatorReplacesTexts();
    void worksWithoutApplication();
};

void TestStringTable::everyHeaderIdHasOneText()
{
    const auto ids = HeaderIds();
    QVERIFY2(ids.size() > 300, "the id header could not be read or parsed");

    QSet<int> numbers;
    for (const auto &[name, id] : ids) {
        QVERIFY2(!numbers.contains(id), qPrintable(name + QStringLiteral(" reuses an id")));
        numbers.insert(id);
        QVERIFY2(HasStr(id), qPrintable(name + QStringLiteral(" has no text")));
        QVERIFY2(qstrlen(EnglishStr(id)) > 0, qPrintable(name + QStringLiteral(" has an empty text")));
        // Menu and command ids (which also key their prompts) occupy 32768-57343.
        QVERIFY2(id < 32768 || id > 57343, qPrintable(name + QStringLiteral(" is in the command range")));
    }

    // The lookup finds exactly the header's ids and nothing else.
    QSet<int> found;
    for (int id = 0; id <= 0xFFFF; ++id) {
        if (HasStr(id))
            found.insert(id);
    }
    QCOMPARE(found, numbers);
}

void TestStringTable::fixedTexts_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<QString>("text");
    QTest::newRow("101") << 101 << QStringLiteral("Fatal error: 101.");
    QTest::newRow("102") << 102 << QStringLiteral("Fatal error.\nPlease uninstall and re-install ZQV CPS.");
    QTest::newRow("105") << 105 << QStringLiteral("Invalid profile.");
    QTest::newRow("10001") << 10001
                           << QStringLiteral("Do you want to create a new profile(Yes), overwrite the currently "
                                             "selected profile(No) or cancel it?");
    QTest::newRow("292") << 292
                         << QStringLiteral("Error: 101 Some node exist in CodePlugSetting part and VisibleSetting.");
    QTest::newRow("293") << 293 << QStringLiteral("Error: 102 Some node are not correct, please check.");
    QTest::newRow("10134 keeps its line break and indent")
        << 10134
        << QStringLiteral("Error: Unable to establish a connection with the radio.\n          Please check your "
                          "connection and try again.");
}

void TestStringTable::fixedTexts()
{
    QFETCH(int, id);
    QFETCH(QString, text);
    QCOMPARE(LoadStr(id), text);
    QCOMPARE(QString::fromUtf8(EnglishStr(id)), text);
}

void TestStringTable::unknownId()
{
    for (int id : {-1, 0, 99, 109, 32768, 99999}) {
        QVERIFY(!HasStr(id));
        QVERIFY(LoadStr(id).isEmpty());
        QVERIFY(EnglishStr(id) != nullptr);
        QCOMPARE(qstrlen(EnglishStr(id)), 0u);
        QVERIFY(FormatStr(id, {QStringLiteral("x")}).isEmpty());
    }
}

void TestStringTable::placeholdersAreOnlyTheSupportedOnes()
{
    // FormatStr fills %d and %s only; a text with any other conversion would show it raw.
    for (const auto &[name, id] : HeaderIds()) {
        const QString text = QString::fromUtf8(EnglishStr(id));
        for (qsizetype i = 0; i < text.size(); ++i) {
            if (text.at(i) != u'%')
                continue;
            const QChar next = i + 1 < text.size() ? text.at(i + 1) : QChar();
            QVERIFY2(next == u'd' || next == u's' || next == u'%', qPrintable(name + QStringLiteral(": ") + text));
            ++i;
        }
    }
}

void TestStringTable::formatStr_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("expected");
    QTest::newRow("two numbers in order")
        << int(IDS_TREE_CHANNEL_COUNT) << QStringList{"3", "7"} << QStringLiteral("Channel 3 (7)");
    QTest::newRow("string") << int(IDS_OPERATION_FAILED_REASON) << QStringList{"User Canceled"}
                            << QStringLiteral("Error: Operation Failed (User Canceled).");
    QTest::newRow("in a long question")
        << int(IDS_PUBLIC_GROUP_CHANNEL_CHANGE) << QStringList{"1", "2"}
        << QStringLiteral("Changing the channel will remove this public group from channel 1's scan list and "
                          "add it to channel 2's scan list. Do you want to continue?");
    QTest::newRow("missing second argument")
        << int(IDS_TREE_CHANNEL_COUNT) << QStringList{"3"} << QStringLiteral("Channel 3 ()");
    QTest::newRow("no arguments") << int(IDS_TREE_CHANNEL_COUNT) << QStringList{} << QStringLiteral("Channel  ()");
    QTest::newRow("extra arguments ignored")
        << int(IDS_CHANNEL_N) << QStringList{"4", "9"} << QStringLiteral("Channel 4");
    QTest::newRow("percent in an argument is not expanded") << int(IDS_OPERATION_FAILED_REASON) << QStringList{"%d%s%%"}
                                                            << QStringLiteral("Error: Operation Failed (%d%s%%).");
    QTest::newRow("text without conversions")
        << int(IDS_INVALID_PROFILE) << QStringList{"x"} << QStringLiteral("Invalid profile.");
}

void TestStringTable::formatStr()
{
    QFETCH(int, id);
    QFETCH(QStringList, args);
    QFETCH(QString, expected);
    QCOMPARE(FormatStr(id, args), expected);
}

void TestStringTable::translatorReplacesTexts()
{
    ReplacingTranslator translator;
    QVERIFY(QCoreApplication::installTranslator(&translator));

    QCOMPARE(LoadStr(IDS_FATAL_ERROR_101), QStringLiteral("Erreur fatale : 101."));
    QCOMPARE(QString::fromUtf8(EnglishStr(IDS_FATAL_ERROR_101)), QStringLiteral("Fatal error: 101."));
    QCOMPARE(LoadStr(IDS_INVALID_PROFILE), QStringLiteral("Invalid profile."));  // not translated
    QCOMPARE(FormatStr(IDS_TREE_CHANNEL_COUNT, {"2", "5"}), QStringLiteral("Canal 2 (5)"));
    // A translated text may hold "%%", an unknown conversion or a trailing '%': kept as written.
    QCOMPARE(FormatStr(IDS_CHANNEL_N, {"5"}), QStringLiteral("100% canal 5 %x %"));

    QVERIFY(QCoreApplication::removeTranslator(&translator));
    QCOMPARE(LoadStr(IDS_FATAL_ERROR_101), QStringLiteral("Fatal error: 101."));
}

void TestStringTable::worksWithoutApplication()
{
    QCOMPARE(g_textWithoutApplication, QStringLiteral("Fatal error: 101."));
}

int main(int argc, char **argv)
{
    g_textWithoutApplication = LoadStr(IDS_FATAL_ERROR_101);
    QCoreApplication app(argc, argv);
    TestStringTable test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_stringtable.moc"
