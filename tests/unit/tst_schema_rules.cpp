// The installation's profile schema against its rule script and the shipped files: valid and
// broken sample profiles, digits-only numbers, every hook and message the schema and the script
// name, typed reads, and every template setting passing its rule.
#include "ProfilePatches.h"
#include "RulesTestSupport.h"
#include "StringTable.h"

#include <QDir>
#include <QRegularExpression>
#include <QSet>
#include <QTest>

using namespace zqv;
using namespace zqv::test;

class TestSchemaRules : public QObject, public CRulesFixture {
    Q_OBJECT
private slots:
    void init() { LoadSample(); }
    void cleanup() { CheckStillValid(); }

    // The sample profiles load; each patched from the group-3 sample with one fault does not.
    void schemaOnSampleProfiles_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("valid");
        const QStringList files = QDir(kProfiles).entryList({QStringLiteral("valid_*.zqv")}, QDir::Files, QDir::Name);
        QVERIFY(files.size() >= 2);
        for (const QString &file : files)
            QTest::newRow(qPrintable(file)) << ReadBytes(kProfiles + file) << true;
        const QByteArray g3 = test::ValidGroup3Profile();
        const auto patches = test::InvalidProfilePatches(g3);
        QVERIFY(patches.size() > 10);
        for (const auto &patch : patches)
            QTest::newRow(patch.name) << test::PatchedProfile(g3, patch) << false;
    }
    void schemaOnSampleProfiles()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, valid);
        QString error;
        auto doc = CXmlDocument::Parse(bytes, &error);
        QVERIFY2(doc, qPrintable(error));
        QVERIFY2(ctx->schema->Validate(*doc, &error) == valid, qPrintable(error));
    }

    // Every number, switch and type code of the schema takes unsigned decimal digits only:
    // each given each odd value in turn, on the sample profile, is refused.
    void schemaRefusesNumbersThatAreNotDigits()
    {
        const QStringList odd{" 7", "\t7", "7 ", "+7", "-1", "7.0", "", "0x7", "\u0667"};
        QSet<QString> seen;
        std::vector<xmlNodePtr> elements{ctx->doc->Root()};
        ForEachElement(ctx->doc->Root(), [&](xmlNodePtr e) {
            elements.push_back(e);
            return true;
        });
        for (xmlNodePtr element : elements) {
            for (xmlAttrPtr a = element->properties; a; a = a->next) {
                const char *name = reinterpret_cast<const char *>(a->name);
                const QString key = NodeName(element) + QLatin1Char('@') + QLatin1String(name);
                xmlNodePtr decl = ctx->schema->AttributeDecl(element, QString::fromUtf8(name));
                if (seen.contains(key) || !decl || ctx->schema->AttributeType(decl) == CProfileSchema::ValueType::Text)
                    continue;
                seen.insert(key);
                const QString good = GetAttr(element, name);
                for (const QString &value : odd) {
                    SetAttr(element, name, value);
                    QVERIFY2(!ctx->schema->Validate(*ctx->doc),
                             qPrintable(key + QStringLiteral(" = '") + value + QLatin1Char('\'')));
                }
                SetAttr(element, name, good);
            }
        }
        QVERIFY2(seen.size() >= 80, qPrintable(QString::number(seen.size())));
    }

    void everyHookNamesAScriptFunction()
    {
        const auto hooks = ctx->schema->Document().Select(nullptr, QStringLiteral("//ccps:SchemaExtension/@*"));
        QVERIFY(hooks.size() > 30);
        for (xmlNodePtr hook : hooks) {
            const QString function = GetAttr(hook->parent, reinterpret_cast<const char *>(hook->name));
            QVERIFY2(ctx->script->HasFunction(function), qPrintable(function));
        }
    }

    // A message the script names but the string table lacks would show an empty box.
    void everyScriptMessageIsInTheStringTable()
    {
        const QString script = QString::fromUtf8(ReadBytes(kTemplate + QStringLiteral("DataProfile.js")));
        const qsizetype begin = script.indexOf(QLatin1String("const MSG = {"));
        const qsizetype end = script.indexOf(QLatin1String("};"), begin);
        QVERIFY(begin >= 0 && end > begin);
        static const QRegularExpression entry(QStringLiteral("(\\w+):\\s*(\\d+)"));
        int count = 0;
        for (const auto &match : entry.globalMatch(script.mid(begin, end - begin))) {
            QVERIFY2(!LoadStr(match.captured(2).toInt()).isEmpty(), qPrintable(match.captured(1)));
            ++count;
        }
        QVERIFY(count >= 15);
    }

    void typedReads()
    {
        QCOMPARE(Item(kDispatch).GetAttributeValue(QStringLiteral("channel")).typeId(), int(QMetaType::Int));
        QCOMPARE(Item(kDispatch).GetAttributeValue(QStringLiteral("in_scan_list")), QVariant(true));
        QCOMPARE(Item(kSetting).GetAttributeValue(QStringLiteral("backlight")).typeId(), int(QMetaType::UInt));
        QCOMPARE(Item(kAlice).GetAttributeValue(QStringLiteral("pid")), QVariant(QStringLiteral("4012002")));
    }

    // Every setting has a rule, and every shipped template's settings pass theirs: a new
    // profile can be stored again exactly as it came.
    void everyTemplateSettingPassesItsRule()
    {
        const QStringList templates = QDir(kTemplate).entryList({QStringLiteral("*.zqv")}, QDir::Files);
        QVERIFY(templates.size() >= 3);
        for (const QString &file : templates) {
            QString error;
            ctx->doc = CXmlDocument::Parse(ReadBytes(kTemplate + file), &error);
            QVERIFY2(ctx->doc, qPrintable(error));
            ctx->script->SetDocument(ctx->doc);
            xmlNodePtr setting = Node(kSetting);
            for (xmlAttrPtr a = setting->properties; a; a = a->next) {
                const QString name = QString::fromUtf8(reinterpret_cast<const char *>(a->name));
                const QString what = file + QLatin1Char(' ') + name;
                QVERIFY2(!ctx->schema->Hook(ctx->schema->AttributeDecl(setting, name), "SetVal").isEmpty(),
                         qPrintable(what));
                const QString value = GetAttr(setting, a->name ? reinterpret_cast<const char *>(a->name) : "");
                QCOMPARE(Set(kSetting, name, value), QList<int>({0, 0, 0}));
                QCOMPARE(Attr(kSetting, name.toUtf8().constData()), value);
            }
        }
    }
};

QTEST_MAIN(TestSchemaRules)
#include "tst_schema_rules.moc"
