// The Help command's window: the compiled help file of the current language (a Qt help file)
// opened at its start page, with its own back and forward navigation.
#pragma once

#include <QMainWindow>
#include <memory>

class QHelpEngineCore;
class QTextBrowser;

namespace zqv {

class IPrompter;

class CHelpWindow : public QMainWindow {
    Q_OBJECT
public:
    // Checks the help file and opens it: message 10144 without a help file configured, 10142
    // when the file is missing and 10143 when it is not a readable help file. Returns the
    // window (it deletes itself when closed, and closes with `owner`), or null.
    static CHelpWindow *ShowHelp(const QString &helpFilePath, IPrompter &prompter, QWidget *owner = nullptr);

    ~CHelpWindow() override;
    QTextBrowser *Browser() const { return m_pBrowser; }

private:
    CHelpWindow(std::unique_ptr<QHelpEngineCore> engine, const QString &collection, const QUrl &start, QWidget *owner);

    std::unique_ptr<QHelpEngineCore> m_pEngine;
    QString m_strCollection;
    QTextBrowser *m_pBrowser;
};

}  // namespace zqv
