// zqv_helpcontents: writes one language's help project from the English one. Every contents
// title and index keyword of the English project that is its page's title (a page) or the
// heading at its anchor (page#anchor) becomes the same title or heading of that language's
// page; the few index keywords that are synonyms rather than headings ("Print" for the report
// window) are looked up in the language's index-terms.txt. Anything it cannot translate fails
// the build with the page and anchor named, so a contents entry never stays English, and a
// heading renamed in a translated page renames its contents entry with it.
//
//   zqv_helpcontents ENGLISH.qhp ENGLISH_PAGES_DIR LANGUAGE_PAGES_DIR OUT.qhp
//
// index-terms.txt: one "English term<TAB>translation" per line; blank lines and lines starting
// with # are skipped. A line that no keyword uses is an error too (a stale translation).
#include <QDir>
#include <QFile>
#include <QHash>
#include <QRegularExpression>
#include <QSet>
#include <QString>

#include <libxml/HTMLparser.h>
#include <libxml/parser.h>
#include <libxml/tree.h>
#include <libxml/xpath.h>

#include <cstdio>
#include <map>
#include <memory>
#include <utility>

namespace {

struct DocFree {
    void operator()(xmlDocPtr doc) const { xmlFreeDoc(doc); }
};
using DocPtr = std::unique_ptr<xmlDoc, DocFree>;

QString Simplified(const xmlChar *text)
{
    return QString::fromUtf8(reinterpret_cast<const char *>(text)).simplified();
}

// The pages of one folder, parsed once each; a title lookup names what it could not find.
class CPages {
public:
    explicit CPages(QString dir) : m_dir(std::move(dir)) {}

    // The page's <title> for "page.htm", the text of the heading at the anchor for
    // "page.htm#anchor" (the heading carries the id, or holds an <a> with that name or id).
    QString Title(const QString &ref, QString *error)
    {
        const QString file = ref.section(QLatin1Char('#'), 0, 0);
        const QString anchor = ref.section(QLatin1Char('#'), 1);
        static const QRegularExpression plain(QStringLiteral("^[A-Za-z0-9_.-]+$"));
        if (!plain.match(file).hasMatch() || (!anchor.isEmpty() && !plain.match(anchor).hasMatch())) {
            *error = QStringLiteral("%1: not a page or page#anchor").arg(ref);
            return {};
        }
        xmlDocPtr doc = Page(file);
        if (!doc) {
            *error = QStringLiteral("%1: cannot read %2").arg(ref, QDir(m_dir).filePath(file));
            return {};
        }
        const QString xpath = anchor.isEmpty()
            ? QStringLiteral("string(/html/head/title)")
            : QStringLiteral("string((//h1|//h2|//h3|//h4|//h5|//h6)[@id='%1' or .//a[@name='%1' or @id='%1']][1])")
                  .arg(anchor);
        QString title;
        xmlXPathContextPtr context = xmlXPathNewContext(doc);
        if (xmlXPathObjectPtr result =
                xmlXPathEvalExpression(reinterpret_cast<const xmlChar *>(xpath.toUtf8().constData()), context)) {
            if (result->type == XPATH_STRING && result->stringval)
                title = Simplified(result->stringval);
            xmlXPathFreeObject(result);
        }
        xmlXPathFreeContext(context);
        if (title.isEmpty())
            *error = anchor.isEmpty() ? QStringLiteral("%1: the page has no title").arg(ref)
                                      : QStringLiteral("%1: no heading at this anchor").arg(ref);
        return title;
    }

private:
    xmlDocPtr Page(const QString &file)
    {
        auto it = m_docs.find(file);
        if (it == m_docs.end()) {
            const QByteArray path = QFile::encodeName(QDir(m_dir).filePath(file));
            // Our pages are UTF-8 and self-contained: no network, no error chatter on stderr.
            xmlDocPtr doc = QFile::exists(QString::fromLocal8Bit(path))
                ? htmlReadFile(path.constData(), "UTF-8", HTML_PARSE_NONET | HTML_PARSE_NOERROR | HTML_PARSE_NOWARNING)
                : nullptr;
            it = m_docs.emplace(file, DocPtr(doc)).first;
        }
        return it->second.get();
    }

    QString m_dir;
    std::map<QString, DocPtr> m_docs;
};

bool ReadTerms(const QString &path, QHash<QString, QString> *terms, QString *error)
{
    QFile file(path);
    if (!file.exists())
        return true;
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        *error = QStringLiteral("cannot read %1").arg(path);
        return false;
    }
    int number = 0;
    for (const QString &line : QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'))) {
        ++number;
        if (line.trimmed().isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        const QStringList parts = line.split(QLatin1Char('\t'));
        if (parts.size() != 2 || parts[0].trimmed().isEmpty() || parts[1].trimmed().isEmpty()) {
            *error = QStringLiteral("%1:%2: expected \"English term<TAB>translation\"").arg(path).arg(number);
            return false;
        }
        terms->insert(parts[0].trimmed(), parts[1].trimmed());
    }
    return true;
}

int Fail(const QString &message)
{
    std::fprintf(stderr, "zqv_helpcontents: %s\n", message.toUtf8().constData());
    return 1;
}

}  // namespace

int main(int argc, char **argv)
{
    if (argc != 5)
        return Fail(QStringLiteral("usage: zqv_helpcontents ENGLISH.qhp ENGLISH_PAGES_DIR LANGUAGE_PAGES_DIR OUT.qhp"));
    const QString languageDir = QFile::decodeName(argv[3]);
    CPages english(QFile::decodeName(argv[2]));
    CPages translated(languageDir);
    QHash<QString, QString> terms;
    QString error;
    const QString termsPath = QDir(languageDir).filePath(QStringLiteral("index-terms.txt"));
    if (!ReadTerms(termsPath, &terms, &error))
        return Fail(error);

    DocPtr project(xmlReadFile(argv[1], nullptr, XML_PARSE_NONET));
    if (!project)
        return Fail(QStringLiteral("cannot read the help project %1").arg(QFile::decodeName(argv[1])));

    // Each <section title> and <keyword name>, with its ref.
    QSet<QString> usedTerms;
    QStringList failures;
    xmlXPathContextPtr context = xmlXPathNewContext(project.get());
    xmlXPathObjectPtr entries =
        xmlXPathEvalExpression(reinterpret_cast<const xmlChar *>("//section|//keyword"), context);
    const int count = entries && entries->nodesetval ? entries->nodesetval->nodeNr : 0;
    for (int i = 0; i < count; ++i) {
        xmlNodePtr node = entries->nodesetval->nodeTab[i];
        const bool isSection = xmlStrEqual(node->name, reinterpret_cast<const xmlChar *>("section"));
        const char *attribute = isSection ? "title" : "name";
        xmlChar *nameValue = xmlGetProp(node, reinterpret_cast<const xmlChar *>(attribute));
        xmlChar *refValue = xmlGetProp(node, reinterpret_cast<const xmlChar *>("ref"));
        const QString name = nameValue ? Simplified(nameValue) : QString();
        const QString ref = refValue ? Simplified(refValue) : QString();
        xmlFree(nameValue);
        xmlFree(refValue);

        QString englishError, translatedError, title;
        if (english.Title(ref, &englishError) == name) {
            title = translated.Title(ref, &translatedError);
            if (title.isEmpty())
                failures << translatedError;
        } else if (terms.contains(name)) {
            title = terms.value(name);
            usedTerms.insert(name);
        } else {
            const QString kind = isSection ? QStringLiteral("contents entry") : QStringLiteral("index keyword");
            failures << QStringLiteral(
                            "%1 \"%2\" (%3) is not the heading of its page (%4), and %5 does not translate it")
                            .arg(kind, name, ref,
                                 englishError.isEmpty() ? QStringLiteral("that reads otherwise") : englishError,
                                 termsPath);
        }
        if (!title.isEmpty())
            xmlSetProp(node, reinterpret_cast<const xmlChar *>(attribute),
                       reinterpret_cast<const xmlChar *>(title.toUtf8().constData()));
    }
    xmlXPathFreeObject(entries);
    xmlXPathFreeContext(context);
    if (count == 0)
        failures << QStringLiteral("the help project has no contents or index entries");
    for (auto it = terms.cbegin(); it != terms.cend(); ++it)
        if (!usedTerms.contains(it.key()))
            failures << QStringLiteral("%1: \"%2\" is no index keyword of the English help project")
                            .arg(termsPath, it.key());
    if (!failures.isEmpty()) {
        for (const QString &failure : failures)
            Fail(failure);
        return 1;
    }
    if (xmlSaveFormatFileEnc(argv[4], project.get(), "UTF-8", 0) < 0)
        return Fail(QStringLiteral("cannot write %1").arg(QFile::decodeName(argv[4])));
    return 0;
}
