#include "DealerInfoDialog.h"

#include "AccessibleName.h"
#include "ConfigStore.h"
#include "EditCommands.h"
#include "Prompter.h"
#include "ReportBuilder.h"
#include "ScreenFit.h"
#include "StringTable.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMimeData>
#include <QPushButton>
#include <QVBoxLayout>

namespace zqv {

namespace {
constexpr int kIdcDealerInfo = 1001;
constexpr int kIdcContactInfo = 1002;
constexpr int kIdcNotes = 1005;

QString ToStored(const QString &shown)
{
    QString text = shown;
    return text.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
}

QString ToShown(const QString &stored)
{
    QString text = stored;
    return text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
}
}  // namespace

CLimitedTextEdit::CLimitedTextEdit(int limit, QWidget *parent) : QPlainTextEdit(parent), m_nLimit(limit)
{
    setTabChangesFocus(true);
    connect(this, &QPlainTextEdit::textChanged, this, &CLimitedTextEdit::Enforce);
}

void CLimitedTextEdit::keyPressEvent(QKeyEvent *event)
{
    // A key that would add a character to a full box is refused (the selection it would
    // replace counts as room).
    const bool adds = !event->text().isEmpty() &&
        (event->text().at(0).isPrint() || event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter);
    if (adds && toPlainText().size() - textCursor().selectedText().size() >= m_nLimit) {
        event->accept();
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

void CLimitedTextEdit::insertFromMimeData(const QMimeData *source)
{
    if (!source || !source->hasText())
        return;
    const int room = m_nLimit - (toPlainText().size() - textCursor().selectedText().size());
    if (room <= 0)
        return;
    insertPlainText(source->text().left(room));
}

void CLimitedTextEdit::Enforce()
{
    // Whatever else changed the text (input methods, drops, programs) is cut to the limit.
    if (m_bEnforcing || toPlainText().size() <= m_nLimit)
        return;
    m_bEnforcing = true;
    const int pos = textCursor().position();
    setPlainText(toPlainText().left(m_nLimit));
    QTextCursor c = textCursor();
    c.setPosition(qMin(pos, m_nLimit));
    setTextCursor(c);
    m_bEnforcing = false;
}

bool CDealerInfoDialog::ReadTexts(const CConfigStore &store, const QString &language, Texts &texts)
{
    bool complete = false;
    const CDealerTexts stored = ReadDealerTexts(store, language, &complete);
    if (!complete)
        return false;
    texts.dealerInfo = stored.dealerInfo;
    texts.contactInfo = stored.contactInfo;
    texts.dealerNotes = stored.dealerNotes;
    return true;
}

int CDealerInfoDialog::Run(CConfigStore &store, IPrompter &prompter, const QString &language, QWidget *parent)
{
    Texts texts;
    if (!ReadTexts(store, language, texts)) {
        prompter.ShowMessage(IDS_LANGUAGE_TYPE_ERROR);
        return QDialog::Rejected;
    }
    CDealerInfoDialog dlg(store, prompter, language, texts, parent);
    return dlg.exec();
}

CDealerInfoDialog::CDealerInfoDialog(CConfigStore &store, IPrompter &prompter, const QString &language,
                                     const Texts &texts, QWidget *parent)
    : QDialog(parent), m_store(store), m_prompter(prompter), m_strLanguage(language)
{
    setWindowTitle(LoadStr(IDS_DEALER_INFO_TITLE));
    auto *layout = new QVBoxLayout(this);
    auto box = [this, layout](int labelId, int controlId, const QString &text) {
        auto *label = new QLabel(LoadStr(labelId), this);
        layout->addWidget(label);
        auto *edit = new CLimitedTextEdit(kTextLimit, this);
        NameByLabel(label, edit);
        edit->setProperty(kControlIdProperty, controlId);
        edit->setPlainText(ToShown(text).left(kTextLimit));
        // Two lines at least; beyond them the box scrolls.
        edit->setMinimumHeight(edit->fontMetrics().lineSpacing() * 2 + 2 * edit->frameWidth() +
                               int(2 * edit->document()->documentMargin()));
        layout->addWidget(edit);
        return edit;
    };
    m_pDealer = box(IDS_DEALER_INFO_LABEL, kIdcDealerInfo, texts.dealerInfo);
    m_pContact = box(IDS_CONTACT_INFO_LABEL, kIdcContactInfo, texts.contactInfo);
    m_pNotes = box(IDS_NOTES_LABEL, kIdcNotes, texts.dealerNotes);
    auto *buttons = new QDialogButtonBox(this);
    buttons->addButton(LoadStr(IDS_BUTTON_OK), QDialogButtonBox::AcceptRole);
    buttons->addButton(LoadStr(IDS_BUTTON_CANCEL), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    FitToScreen(*this, QSize(460, 420));
}

void CDealerInfoDialog::accept()
{
    const bool ok = m_store.Write(config::UserDealerInfo, ToStored(m_pDealer->toPlainText()), m_strLanguage) &&
        m_store.Write(config::UserContactInfo, ToStored(m_pContact->toPlainText()), m_strLanguage) &&
        m_store.Write(config::UserDealerNotes, ToStored(m_pNotes->toPlainText()), m_strLanguage);
    if (!ok) {
        m_prompter.ShowMessage(IDS_DEALER_INFO_WRITE_FAILED);
        return;
    }
    QDialog::accept();
}

}  // namespace zqv
