// The help pane below the form of a profile window. The window hands it the focus notices of
// the form's controls; what the pane makes of them (which page, how it is shown) is its own
// business, so the window sees it only through IHelpPane.
#pragma once

#include <QString>
#include <QTextBrowser>
#include <functional>
#include <memory>

class QWidget;

namespace zqv {

class IHelpPages;

class IHelpPane {
public:
    virtual ~IHelpPane() = default;
    // Control `controlId` of the form of class `formClass` got the keyboard focus.
    virtual void ShowControlHelp(const QString &formClass, int controlId) = 0;
    // Another node's form is shown: nothing has the focus yet.
    virtual void Blank() = 0;
};

// The desktop program's pane: a read-only browser that shows the help page of the control with
// the focus, looked up in the help-pane map and read out of the help file of the current
// language (through the help module, loaded when the pane first shows a page). Its location is
// the compiled-help address of the page, "mk:@MSITStore:<help file>::<page>" with every blank
// as "%20"; the same address again (the same control, or another control of the same topic)
// does not reload the page. A control without a page, and a page that cannot be shown, leave
// the pane blank ("about:blank").
class CHelpView : public QTextBrowser, public IHelpPane {
    Q_OBJECT
public:
    // Maps a form class and a control id to the page name in the help file; empty when the
    // control has none.
    using PageLookup = std::function<QString(const QString &formClass, int controlId)>;

    static constexpr const char *kBlank = "about:blank";

    explicit CHelpView(PageLookup lookup = nullptr, const QString &helpFilePath = QString(), QWidget *parent = nullptr);
    ~CHelpView() override;

    // The compiled-help address of `page` in help file `helpFilePath`.
    static QString HelpUrl(const QString &helpFilePath, const QString &page);

    // IHelpPane
    void ShowControlHelp(const QString &formClass, int controlId) override;
    void Blank() override;

    // The address shown ("about:blank" when blank), and how many times the pane navigated.
    const QString &Location() const { return m_strLocation; }
    int NavigationCount() const { return m_nNavigations; }
    // The topic of the last notice: the form class (empty when blank), the control id (-1 when
    // blank) and the page the map gives for it (empty when none).
    const QString &FormClass() const { return m_strFormClass; }
    int ControlId() const { return m_nControlId; }
    const QString &PageName() const { return m_strPage; }

protected:
    QVariant loadResource(int type, const QUrl &name) override;

private:
    void Navigate(const QString &url);

    PageLookup m_fnLookup;
    QString m_strHelpFilePath;
    std::shared_ptr<IHelpPages> m_spHelpFile;
    QString m_strLocation = QLatin1String(kBlank);
    int m_nNavigations = 0;
    QString m_strFormClass;
    int m_nControlId = -1;
    QString m_strPage;
};

}  // namespace zqv
