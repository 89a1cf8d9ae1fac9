// How the program asks the user something or tells the user something. Every message box and
// question goes through this interface: the desktop program answers with a real message box,
// the command-line tool on its terminal, and tests with scripted answers.
//
// Styles and answers use the classic message-box numbers, because the rule script hands back
// a box style as a plain integer together with the message id it wants shown.
#pragma once

#include <QString>
#include <QStringList>
#include <deque>
#include <vector>

namespace zqv {

// Message-box styles: buttons in the low nibble, icon in the next.
enum MessageBoxStyle : unsigned {
    MB_OK = 0x0,
    MB_OKCANCEL = 0x1,
    MB_ABORTRETRYIGNORE = 0x2,
    MB_YESNOCANCEL = 0x3,
    MB_YESNO = 0x4,
    MB_RETRYCANCEL = 0x5,
    MB_ICONERROR = 0x10,
    MB_ICONQUESTION = 0x20,
    MB_ICONWARNING = 0x30,
    MB_ICONINFORMATION = 0x40,
    MB_DEFBUTTON2 = 0x100,
    // A failed radio operation: the box also offers the connection troubleshooter.
    MB_OFFER_TROUBLESHOOTER = 0x10000,
};

// Answers.
enum MessageBoxAnswer : int {
    IDOK = 1,
    IDCANCEL = 2,
    IDABORT = 3,
    IDRETRY = 4,
    IDIGNORE = 5,
    IDYES = 6,
    IDNO = 7,
    IDTROUBLESHOOT = 12,  // the troubleshooter's button of MB_OFFER_TROUBLESHOOTER
};

class IPrompter {
public:
    virtual ~IPrompter() = default;
    // Shows `text` with the buttons and icon of `style` and returns the answer.
    virtual int Show(const QString &text, unsigned style) = 0;

    // Shows string-table message `id`.
    int ShowMessage(int id, unsigned style = MB_OK);
};

// A prompter whose answers are given in advance; it records everything it was asked.
// Without a queued answer it gives the first button's answer (OK, Yes, Abort or Retry).
class CScriptedPrompter : public IPrompter {
public:
    struct Shown {
        QString text;
        unsigned style;
        int answer;
    };

    int Show(const QString &text, unsigned style) override;
    void Queue(int answer) { m_answers.push_back(answer); }
    void Queue(std::initializer_list<int> answers) { m_answers.insert(m_answers.end(), answers); }

    const std::vector<Shown> &History() const { return m_history; }
    QStringList Texts() const;
    void Clear()
    {
        m_history.clear();
        m_answers.clear();
    }

private:
    std::deque<int> m_answers;
    std::vector<Shown> m_history;
};

}  // namespace zqv
