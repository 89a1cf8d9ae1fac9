// The help pane below the form of a profile window. The window hands it the focus notices of
// the form's controls; what the pane makes of them (which page, how it is shown) is its own
// business, so the window sees it only through IHelpPane.
#pragma once

#include <QString>
#include <QTextBrowser>
#include <functional>

class QWidget;

namespace zqv {

class IHelpPane {
public:
    virtual ~IHelpPane() = default;
    // The widget the window puts in the row below the form.
    virtual QWidget *Widget() = 0;
    // Control `controlId` of the form of class `formClass` got the keyboard focus.
    virtual void ShowControlHelp(const QString &formClass, int controlId) = 0;
    // Another node's form is shown: nothing has the focus yet.
    virtual void Blank() = 0;
};

// The desktop program's pane: a read-only text browser that keeps the help topic of the
// control with the focus and looks up its page in the help-pane map. It shows nothing yet: it
// stays blank until the help pages are rendered in it, and blanks itself whenever the topic
// moves to another page.
class CHelpPane : public QTextBrowser, public IHelpPane {
    Q_OBJECT
public:
    // Maps a form class and a control id to the page name in the help file; empty when the
    // control has none.
    using PageLookup = std::function<QString(const QString &formClass, int controlId)>;

    explicit CHelpPane(PageLookup lookup = nullptr, QWidget *parent = nullptr);

    // IHelpPane
    QWidget *Widget() override { return this; }
    void ShowControlHelp(const QString &formClass, int controlId) override;
    void Blank() override;

    // The topic of the last notice: the form class (empty when blank), the control id (-1 when
    // blank) and the page the map gives for it (empty when none).
    const QString &FormClass() const { return m_strFormClass; }
    int ControlId() const { return m_nControlId; }
    const QString &PageName() const { return m_strPage; }

private:
    PageLookup m_fnLookup;
    QString m_strFormClass;
    int m_nControlId = -1;
    QString m_strPage;
};

}  // namespace zqv
