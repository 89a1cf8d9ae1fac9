#include "HelpPane.h"

namespace zqv {

CHelpPane::CHelpPane(PageLookup lookup, QWidget *parent) : QTextBrowser(parent), m_fnLookup(std::move(lookup))
{
    setOpenLinks(false);
}

void CHelpPane::ShowControlHelp(const QString &formClass, int controlId)
{
    m_strFormClass = formClass;
    m_nControlId = controlId;
    const QString page = m_fnLookup ? m_fnLookup(formClass, controlId) : QString();
    // The same page again (another control of the same topic, or the same control focused
    // twice) leaves the pane as it is.
    if (page == m_strPage)
        return;
    m_strPage = page;
    clear();
}

void CHelpPane::Blank()
{
    m_strFormClass.clear();
    m_nControlId = -1;
    m_strPage.clear();
    clear();
}

}  // namespace zqv
