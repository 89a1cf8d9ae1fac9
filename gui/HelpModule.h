// The help window and the pages of the compiled help files stand on Qt Help (which brings Qt
// SQL with it). They live in a module of their own (core/Modules.h), loaded the first time a
// help page is looked up (F1, Help > Help Topics, the help pane's first page), so the program
// starts without those libraries. The program reaches them through the interfaces below.
#pragma once

#include <QByteArray>
#include <QString>
#include <QUrl>
#include <memory>

class QMainWindow;
class QWidget;

namespace zqv {

class IPrompter;

inline constexpr char kHelpModule[] = "zqvhelp";

// The pages of one help file, as the help pane reads them.
class IHelpPages {
public:
    virtual ~IHelpPages() = default;
    virtual const QString &Path() const = 0;
    // The address of page `page` ("settings.htm" or "settings.htm#vibracall") inside the file;
    // invalid when the file has no such page (or is missing, or is not a help file).
    virtual QUrl PageUrl(const QString &page) const = 0;
    // The bytes of a page, style sheet or picture of the file (empty when it has none).
    virtual QByteArray FileData(const QUrl &url) const = 0;
};

// The help window as the program drives it. The window deletes itself when closed: watch
// Window() with a QPointer.
class IHelpWindow {
public:
    virtual QMainWindow *Window() = 0;
    virtual const QString &HelpFilePath() const = 0;
    // Shows `page` of the help file (its start page when the file lacks it), with the keyboard
    // on the page.
    virtual void ShowTopic(const QString &page) = 0;
    // Shows the start page with the contents beside it, with the keyboard on the contents.
    virtual void ShowContents() = 0;
    // Brings the window to the front with the keyboard in it.
    virtual void Activate() = 0;

protected:
    ~IHelpWindow() = default;
};

// The help file at `path`, opened once per process and kept while it is in use or until it
// changes on disk. Null, with the reason in `error`, when the help module cannot be loaded.
std::shared_ptr<IHelpPages> OpenHelpPages(const QString &path, QString *error = nullptr);

// Checks the help file and opens the help window on it: message 10144 without a help file
// configured, 10142 when the file is missing and 10143 when it is not a readable help file.
// The window opens at `page` ("settings.htm#contrast") when the file has it, else at its start
// page, and closes with `owner`. Null when the window did not open; with the reason in `error`
// (and no message shown) when the help module cannot be loaded.
IHelpWindow *ShowHelpWindow(const QString &helpFilePath, IPrompter &prompter, QWidget *owner,
                            const QString &page = QString(), QString *error = nullptr);

}  // namespace zqv
