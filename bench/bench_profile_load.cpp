// Loading, schema-validating and querying a 150-contact profile, against a bare libxml2 parse
// of the same text.
//
//   bench_profile_load [--iterations N] [profile.zqv]
//
// Without a file it builds a full profile (40 public groups, 20 private groups, 90 private
// contacts with memberships, 25 text messages) from the shipped sample fixture.
#include "DataItem.h"
#include "ProfileFormat.h"
#include "ProfileSchema.h"
#include "XmlDom.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTextStream>
#include <libxml/parser.h>

using namespace zqv;

namespace {

QByteArray ReadFile(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        qFatal("cannot read %s", qPrintable(path));
    return f.readAll();
}

void AddContact(CXmlDocument &doc, const char *list, const char *element, int type, int i, int channel)
{
    xmlNodePtr parent = doc.SelectOne(nullptr, QStringLiteral("//dfns:%1").arg(QLatin1String(list)));
    xmlNodePtr c = doc.CreateElement(QLatin1String(element));
    SetAttr(c, "cntct_type", QString::number(type));
    SetAttr(c, "name", QStringLiteral("%1 %2").arg(QLatin1String(element)).arg(i, 3, 10, QLatin1Char('0')));
    SetAttr(c, "pid", QString::number(type == 2 ? 17179869183LL - i : 4000100 + type * 1000 + i));
    SetAttr(c, "channel", QString::number(channel));
    if (type == 2)
        SetAttr(c, "in_scan_list", i % 3 == 0 ? "1" : "0");
    SetAttr(c, "in_scroll_list", i % 2 ? "1" : "0");
    if (type == 0) {
        for (const char *a : {"alert_tone", "home_grp", "show_grp_only", "id_in_use", "see_all_groups", "mngr_mode",
                              "private_scroll_list"})
            SetAttr(c, a, QStringLiteral("0"));
        SetAttr(c, "home_grp", QString::number(4000100 + 1000 + (i % 20)));
        xmlNodePtr parents = doc.CreateElement("ParentPrivateGroups");
        for (int g = 0; g < 3; ++g) {
            xmlNodePtr p = doc.CreateElement("ParentPrivateGroup");
            SetAttr(p, "pid", QString::number(4000100 + 1000 + ((i + g) % 20)));
            xmlAddChild(parents, p);
        }
        xmlAddChild(c, parents);
        xmlAddChild(c, doc.CreateElement("scrolllist"));
    }
    xmlAddChild(parent, c);
}

QByteArray BuildProfile()
{
    auto doc =
        CXmlDocument::Parse(ReadFile(QStringLiteral(ZQV_SOURCE_DIR "/tests/fixtures/profiles/valid_group3.zqv")));
    for (const char *list : {"PublicGroups", "PrivateGroups", "Privates", "TextMessages"})
        for (xmlNodePtr child :
             ElementChildren(doc->SelectOne(nullptr, QStringLiteral("//dfns:%1").arg(QLatin1String(list)))))
            doc->Detach(child);
    for (int i = 0; i < 40; ++i)
        AddContact(*doc, "PublicGroups", "PublicGroup", 2, i, 1 + i % 16);
    for (int i = 0; i < 20; ++i)
        AddContact(*doc, "PrivateGroups", "PrivateGroup", 1, i, 1);
    for (int i = 0; i < 90; ++i)
        AddContact(*doc, "Privates", "Private", 0, i, 1);
    xmlNodePtr texts = doc->SelectOne(nullptr, "//dfns:TextMessages");
    for (int i = 0; i < 25; ++i) {
        xmlNodePtr t = doc->CreateElement("TextMessage");
        SetAttr(t, "txt", QStringLiteral("Predefined message number %1, please acknowledge").arg(i));
        xmlAddChild(texts, t);
    }
    return doc->ToUtf8(true);
}

// The queries an editor session makes when a profile is opened and its tree is shown.
int QueryAll(const std::shared_ptr<CProfileContext> &ctx)
{
    CDataItem root = CDataItem::ForDocument(ctx);
    int hits = root.GetScrollListCount();
    for (int ch = 1; ch <= 16; ++ch)
        hits += root.GetScanListCount(ch);
    for (xmlNodePtr contact : ctx->doc->Select(nullptr, QLatin1String(profile::kQueryAllContacts))) {
        const QString pid = GetAttr(contact, "pid");
        hits += root.GetContactNameByID(pid).isEmpty() ? 0 : 1;
    }
    QStringList pids, names;
    for (xmlNodePtr group : ctx->doc->Select(nullptr, QStringLiteral("//dfns:PrivateGroup"))) {
        root.GetGroupMemeber(GetAttr(group, "pid"), pids, names);
        hits += static_cast<int>(pids.size());
    }
    return hits;
}

}  // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    int iterations = 200;
    if (args.size() >= 2 && args.first() == QLatin1String("--iterations")) {
        iterations = args.at(1).toInt();
        args = args.mid(2);
    }
    const QByteArray text = args.isEmpty() ? BuildProfile() : ReadFile(args.first());
    QString error;
    auto schema =
        CProfileSchema::Load(ReadFile(QStringLiteral(ZQV_SOURCE_DIR "/data/ProfileTemplate/DataProfile.xsd")), &error);
    if (!schema)
        qFatal("schema: %s", qPrintable(error));
    {
        auto doc = CXmlDocument::Parse(text, &error);
        if (!doc || !schema->Validate(*doc, &error))
            qFatal("the benchmark profile is not valid: %s", qPrintable(error));
    }

    QElapsedTimer timer;
    // Baseline: libxml2 alone, no checks.
    timer.start();
    for (int i = 0; i < iterations; ++i) {
        xmlDocPtr d = xmlReadMemory(text.constData(), text.size(), nullptr, "UTF-8", XML_PARSE_NONET);
        xmlFreeDoc(d);
    }
    const double bareMs = timer.nsecsElapsed() / 1e6 / iterations;

    double parseMs = 0, validateMs = 0, queryMs = 0;
    int hits = 0;
    for (int i = 0; i < iterations; ++i) {
        timer.restart();
        auto ctx = std::make_shared<CProfileContext>();
        ctx->doc = CXmlDocument::Parse(text);
        parseMs += timer.nsecsElapsed() / 1e6;
        timer.restart();
        schema->Validate(*ctx->doc);
        validateMs += timer.nsecsElapsed() / 1e6;
        timer.restart();
        ctx->schema = schema;
        hits = QueryAll(ctx);
        queryMs += timer.nsecsElapsed() / 1e6;
    }
    parseMs /= iterations;
    validateMs /= iterations;
    queryMs /= iterations;
    const double total = parseMs + validateMs + queryMs;

    QTextStream out(stdout);
    out << "profile: " << text.size() << " bytes, " << iterations << " iterations, " << hits << " query hits\n";
    out << QString::asprintf("bare libxml2 parse        %8.3f ms\n", bareMs);
    out << QString::asprintf("safe parse                %8.3f ms\n", parseMs);
    out << QString::asprintf("schema validation         %8.3f ms\n", validateMs);
    out << QString::asprintf("queries (tree + lookups)  %8.3f ms\n", queryMs);
    out << QString::asprintf("load + validate + query   %8.3f ms = %.2f x bare parse\n", total, total / bareMs);
    out << QString::asprintf("load + validate           %8.3f ms = %.2f x bare parse\n", parseMs + validateMs,
                             (parseMs + validateMs) / bareMs);
    return 0;
}
