// The translations under translations/: each holds every text of the string table, finished;
// each translation keeps its source's placeholders in order; no two entries of one menu, nor
// two menus of the menu bar, share an accelerator letter; texts that name different things (the
// program's preferences, the radio's settings) do not read the same. Each check is also shown
// catching a broken copy of a valid translation (the file patched in memory).
#include "CommandTable.h"
#include "MenuTable.h"
#include "Mnemonic.h"
#include "ModelTestSupport.h"
#include "StringIds.h"
#include "StringTable.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QRegularExpression>
#include <QTest>
#include <QXmlStreamReader>

using namespace zqv;

namespace {

const QString kTranslationsDir = QStringLiteral(ZQV_SOURCE_DIR "/translations");

// A C string literal's text, its escapes resolved (the table uses \n, \t, \" and \\).
QString Unescape(const QString &literal)
{
    QString out;
    for (int i = 0; i < literal.size(); ++i) {
        QChar c = literal[i];
        if (c == QLatin1Char('\\') && i + 1 < literal.size()) {
            c = literal[++i];
            if (c == QLatin1Char('n'))
                c = QLatin1Char('\n');
            else if (c == QLatin1Char('t'))
                c = QLatin1Char('\t');
        }
        out += c;
    }
    return out;
}

// The source texts the program looks up: every marked text of the string table, adjacent
// literals joined as the compiler joins them.
QStringList ParseTableSources()
{
    const QString table =
        QString::fromUtf8(test::ReadBytes(QStringLiteral(ZQV_SOURCE_DIR "/resources/StringTable.cpp")));
    static const QRegularExpression entry(
        QStringLiteral(R"re(QT_TRANSLATE_NOOP\("StringTable",((?:\s*"(?:[^"\\]|\\.)*")+)\s*\))re"));
    static const QRegularExpression piece(QStringLiteral(R"re("((?:[^"\\]|\\.)*)")re"));
    QStringList sources;
    for (auto m = entry.globalMatch(table); m.hasNext();) {
        QString text;
        for (auto p = piece.globalMatch(m.next().captured(1)); p.hasNext();)
            text += Unescape(p.next().captured(1));
        sources << text;
    }
    return sources;
}

// The table is read once; every translation file is checked against the same texts.
const QStringList &TableSources()
{
    static const QStringList sources = ParseTableSources();
    return sources;
}

struct Message {
    QString translation;
    bool finished = false;
};

// The messages of the context "StringTable" by source text; a message lupdate left unfinished,
// or marked vanished or obsolete, counts as not finished.
QHash<QString, Message> ReadTs(const QByteArray &ts, QString *error)
{
    QHash<QString, Message> messages;
    QXmlStreamReader xml(ts);
    QString context, source;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (xml.name() == QLatin1String("source")) {
            source = xml.readElementText();
        } else if (xml.name() == QLatin1String("translation") && context == QLatin1String("StringTable")) {
            Message m;
            m.finished = xml.attributes().value(QLatin1String("type")).isEmpty();
            m.translation = xml.readElementText();
            m.finished = m.finished && !m.translation.isEmpty();
            messages.insert(source, m);
        }
    }
    if (xml.hasError())
        *error = xml.errorString();
    return messages;
}

// The placeholders of a text in order: %1..%99, %d, %s ..., and the tab before a menu key.
QStringList Placeholders(const QString &text)
{
    static const QRegularExpression re(QStringLiteral("%\\d+|%[a-z]|\\t"));
    QStringList found;
    for (auto m = re.globalMatch(text); m.hasNext();)
        found << m.next().captured();
    return found;
}

// The menus as lists of string-table ids: the menu bar's titles first, then each menu.
QList<QList<int>> MenuTextIds()
{
    QList<int> bar;
    QList<QList<int>> menus;
    for (const MenuSpec &menu : MenuTable()) {
        QList<int> ids;
        for (const MenuEntrySpec &e : menu.entries) {
            if (e.kind == MenuEntryKind::Command)
                ids << FindCommand(e.commandId)->textId;
            else if (e.kind == MenuEntryKind::LanguageMenu)
                ids << IDS_MENU_EDIT_LANGUAGE;
        }
        bar << (menu.textId ? menu.textId : ids.value(0));
        if (menu.kind != MenuKind::Command)
            menus << ids;
    }
    menus.prepend(bar);
    return menus;
}

// Every fault of one translation file, one line each.
QStringList Check(const QByteArray &ts)
{
    QStringList faults;
    QString error;
    const QHash<QString, Message> messages = ReadTs(ts, &error);
    if (!error.isEmpty())
        return {QStringLiteral("not valid XML: ") + error};

    for (const QString &source : TableSources()) {
        const auto it = messages.constFind(source);
        if (it == messages.constEnd()) {
            faults << QStringLiteral("missing: ") + source;
            continue;
        }
        if (!it->finished)
            faults << QStringLiteral("unfinished: ") + source;
        else if (Placeholders(source) != Placeholders(it->translation))
            faults << QStringLiteral("placeholders differ: ") + source;
    }

    const auto translated = [&](int id) {
        const QString english = QString::fromUtf8(EnglishStr(id));
        const Message m = messages.value(english);
        return m.finished ? m.translation : english;
    };
    // Texts that name different things must not read the same: the program's own preferences
    // are not the radio's settings.
    static const QList<QPair<int, int>> kDistinct = {{IDS_MENU_EDIT_PREFERENCE, IDS_SETTINGS},
                                                     {IDS_PREFERENCE_TITLE, IDS_SETTINGS}};
    const auto plain = [&](int id) { return translated(id).remove(QLatin1Char('&')).trimmed(); };
    for (const auto &[one, other] : kDistinct)
        if (plain(one).compare(plain(other), Qt::CaseInsensitive) == 0)
            faults << QStringLiteral("one word for two things: %1, %2")
                          .arg(QString::fromUtf8(EnglishStr(one)), QString::fromUtf8(EnglishStr(other)));

    for (const QList<int> &menu : MenuTextIds()) {
        QHash<QString, QString> taken;  // letter -> text
        for (int id : menu) {
            const QString english = QString::fromUtf8(EnglishStr(id));
            const QString text = translated(id);
            const QString letter = zqvtest::MnemonicLetter(text);
            if (letter.isEmpty()) {
                if (!zqvtest::MnemonicLetter(english).isEmpty())
                    faults << QStringLiteral("no accelerator: ") + text;
                continue;
            }
            if (taken.contains(letter))
                faults << QStringLiteral("accelerator '%1' twice: %2, %3").arg(letter, taken[letter], text);
            taken.insert(letter, text);
        }
    }
    return faults;
}

QStringList TsFiles()
{
    return QDir(kTranslationsDir).entryList({QStringLiteral("zqvcps_*.ts")}, QDir::Files, QDir::Name);
}

}  // namespace

class TestTranslations : public QObject {
    Q_OBJECT

private slots:
    void tableSourcesAreRead();
    void everyTranslationPasses_data();
    void everyTranslationPasses();
    void checksCatchBrokenCopy_data();
    void checksCatchBrokenCopy();
};

void TestTranslations::tableSourcesAreRead()
{
    // The parse of the table must see escapes and the whole table, or every check is hollow.
    const QStringList sources = TableSources();
    QVERIFY(sources.size() > 400);
    QVERIFY(sources.contains(QString::fromUtf8(EnglishStr(IDS_MENU_FILE_NEW))));
    QVERIFY(sources.contains(QString::fromUtf8(EnglishStr(IDS_WRITE_CHANGE_VALUE))));
    QVERIFY(sources.contains(QString::fromUtf8(EnglishStr(IDS_FATAL_ERROR_REINSTALL))));
}

void TestTranslations::everyTranslationPasses_data()
{
    QTest::addColumn<QString>("file");
    const QStringList files = TsFiles();
    if (files.isEmpty())
        QSKIP("no translations");
    for (const QString &file : files)
        QTest::newRow(qPrintable(file)) << file;
}

void TestTranslations::everyTranslationPasses()
{
    QFETCH(QString, file);
    const QStringList faults = Check(test::ReadBytes(kTranslationsDir + QLatin1Char('/') + file));
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
}

void TestTranslations::checksCatchBrokenCopy_data()
{
    // Each row patches one spot of the German translation and names the fault it must cause.
    QTest::addColumn<QByteArray>("from");
    QTest::addColumn<QByteArray>("to");
    QTest::addColumn<QString>("fault");
    QTest::newRow("unfinished") << QByteArray("<translation>Ungültiges Profil.</translation>")
                                << QByteArray("<translation type=\"unfinished\">Ungültiges Profil.</translation>")
                                << QString("unfinished: Invalid profile.");
    QTest::newRow("empty") << QByteArray("<translation>Ungültiges Profil.</translation>")
                           << QByteArray("<translation></translation>") << QString("unfinished: Invalid profile.");
    QTest::newRow("missing") << QByteArray("<source>Invalid profile.</source>")
                             << QByteArray("<source>Invalid.</source>") << QString("missing: Invalid profile.");
    QTest::newRow("placeholder lost") << QByteArray("<translation>Kanal %d</translation>")
                                      << QByteArray("<translation>Kanal</translation>")
                                      << QString("placeholders differ: Channel %d");
    QTest::newRow("placeholders swapped") << QByteArray("<translation>Textnachricht %s &quot;%s&quot;</translation>")
                                          << QByteArray("<translation>Textnachricht %d &quot;%s&quot;</translation>")
                                          << QString("placeholders differ: Text message %s \"%s\"");
    QTest::newRow("key tab lost") << QByteArray("<translation>&amp;Neu\tCtrl+N</translation>")
                                  << QByteArray("<translation>&amp;Neu Ctrl+N</translation>")
                                  << QString("placeholders differ: &New\tCtrl+N");
    QTest::newRow("same letter in a menu") << QByteArray("<translation>Spei&amp;chern\tCtrl+S</translation>")
                                           << QByteArray("<translation>&amp;Speichern\tCtrl+S</translation>")
                                           << QString("accelerator 's' twice: &Schließen, &Speichern\tCtrl+S");
    QTest::newRow("same letter in the menu bar") << QByteArray("<translation>&amp;Ansicht</translation>")
                                                 << QByteArray("<translation>&amp;Darstellung</translation>")
                                                 << QString("accelerator 'd' twice: &Datei, &Darstellung");
    QTest::newRow("accelerator dropped") << QByteArray("<translation>Be&amp;richt</translation>")
                                         << QByteArray("<translation>Bericht</translation>")
                                         << QString("no accelerator: Bericht");
    QTest::newRow("preferences called settings") << QByteArray("<translation>&amp;Optionen</translation>")
                                                 << QByteArray("<translation>Einstellun&amp;gen</translation>")
                                                 << QString("one word for two things: Pr&eference, Settings");
    QTest::newRow("broken XML") << QByteArray("</TS>") << QByteArray("") << QString("not valid XML: ");
}

void TestTranslations::checksCatchBrokenCopy()
{
    QFETCH(QByteArray, from);
    QFETCH(QByteArray, to);
    QFETCH(QString, fault);
    const QByteArray valid = test::ReadBytes(kTranslationsDir + QStringLiteral("/zqvcps_de.ts"));
    QVERIFY(Check(valid).isEmpty());
    QCOMPARE(valid.count(from), 1);
    const QStringList faults = Check(QByteArray(valid).replace(from, to));
    QVERIFY2(faults.size() == 1 && faults[0].startsWith(fault), qPrintable(faults.join(QLatin1Char('\n'))));
}

QTEST_GUILESS_MAIN(TestTranslations)
#include "tst_translations.moc"
