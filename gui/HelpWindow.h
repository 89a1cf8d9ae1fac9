// The Help command's window: the compiled help file of the current language (a Qt help file)
// opened at its start page, with its contents, its index (with a look-for field) and a full-text
// search beside the pages, and back and forward navigation. Part of the help module: the
// program opens it with ShowHelpWindow (HelpModule.h).
#pragma once

#include "HelpModule.h"

#include <QMainWindow>
#include <QTemporaryDir>
#include <QUrl>
#include <memory>

class QHelpEngine;
class QLineEdit;
class QTabWidget;
class QTextBrowser;

namespace zqv {

class IPrompter;

class CHelpWindow : public QMainWindow, public IHelpWindow {
    Q_OBJECT
public:
    // Checks the help file and opens it: message 10144 without a help file configured, 10142
    // when the file is missing and 10143 when it is not a readable help file. Returns the
    // window (it deletes itself when closed, and closes with `owner`), or null. The window
    // opens at `page` ("settings.htm#contrast") when the file has it, else at its start page.
    static CHelpWindow *ShowHelp(const QString &helpFilePath, IPrompter &prompter, QWidget *owner = nullptr,
                                 const QString &page = QString());

    ~CHelpWindow() override;
    // IHelpWindow
    QMainWindow *Window() override { return this; }
    const QString &HelpFilePath() const override { return m_strHelpFilePath; }
    void ShowTopic(const QString &page) override;
    void ShowContents() override;
    void Activate() override;
    QTextBrowser *Browser() const { return m_pBrowser; }
    QTabWidget *Sidebar() const { return m_pSidebar; }
    QHelpEngine &Engine() const { return *m_pEngine; }
    QLineEdit *IndexLookFor() const { return m_pLookFor; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    CHelpWindow(std::unique_ptr<QTemporaryDir> dir, std::unique_ptr<QHelpEngine> engine, const QUrl &start,
                QWidget *owner);
    void ShowPage(const QUrl &url);
    // The address of `page` in the help file, or an invalid address when the file lacks it.
    QUrl PageUrl(const QString &page) const;

    std::unique_ptr<QTemporaryDir> m_pDir;
    std::unique_ptr<QHelpEngine> m_pEngine;
    QUrl m_start;
    QString m_strHelpFilePath;
    QTextBrowser *m_pBrowser;
    QTabWidget *m_pSidebar;
    QLineEdit *m_pLookFor;
};

}  // namespace zqv
