#include "HelpPane.h"

#include "HelpModule.h"

namespace zqv {

namespace {

const QLatin1String kUrlPrefix("mk:@MSITStore:");
const QLatin1String kUrlSeparator("::");

}  // namespace

CHelpView::CHelpView(PageLookup lookup, const QString &helpFilePath, QWidget *parent)
    : QTextBrowser(parent), m_fnLookup(std::move(lookup)), m_strHelpFilePath(helpFilePath)
{
    setOpenLinks(false);
}

CHelpView::~CHelpView() = default;

QString CHelpView::HelpUrl(const QString &helpFilePath, const QString &page)
{
    QString url = kUrlPrefix + helpFilePath + kUrlSeparator + page;
    return url.replace(QLatin1Char(' '), QLatin1String("%20"));
}

void CHelpView::ShowControlHelp(const QString &formClass, int controlId)
{
    m_strFormClass = formClass;
    m_nControlId = controlId;
    // A failure to find or show the page leaves the pane blank; it never reaches the form.
    try {
        m_strPage = m_fnLookup ? m_fnLookup(formClass, controlId) : QString();
        const QString url =
            m_strPage.isEmpty() ? QString(QLatin1String(kBlank)) : HelpUrl(m_strHelpFilePath, m_strPage);
        if (url != m_strLocation)
            Navigate(url);
    } catch (...) {
        Navigate(QLatin1String(kBlank));
    }
}

void CHelpView::Blank()
{
    m_strFormClass.clear();
    m_nControlId = -1;
    m_strPage.clear();
    if (m_strLocation != QLatin1String(kBlank))
        Navigate(QLatin1String(kBlank));
}

void CHelpView::Navigate(const QString &url)
{
    ++m_nNavigations;
    m_strLocation = url;
    if (url == QLatin1String(kBlank)) {
        clear();
        return;
    }
    // mk:@MSITStore:<file>::<page>: the file is the help file of the current language.
    const int separator = url.lastIndexOf(kUrlSeparator);
    QString file = url.mid(kUrlPrefix.size(), separator - kUrlPrefix.size());
    file.replace(QLatin1String("%20"), QLatin1String(" "));
    const QString page = url.mid(separator + kUrlSeparator.size()).replace(QLatin1String("%20"), QLatin1String(" "));
    if (!m_spHelpFile || m_spHelpFile->Path() != file)
        m_spHelpFile = OpenHelpPages(file);
    // A page the file lacks (or a file that is missing, or a help module that cannot be loaded)
    // leaves the pane blank.
    const QUrl address = m_spHelpFile ? m_spHelpFile->PageUrl(page) : QUrl();
    if (address.isValid())
        setSource(address);
    else
        Navigate(QLatin1String(kBlank));
}

QVariant CHelpView::loadResource(int type, const QUrl &name)
{
    if (name.scheme() == QLatin1String("qthelp"))
        return m_spHelpFile ? QVariant(m_spHelpFile->FileData(name)) : QVariant();
    // The pane shows help pages only: nothing from disk or the network.
    Q_UNUSED(type);
    return QVariant();
}

}  // namespace zqv
