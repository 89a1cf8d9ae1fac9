// Two lists side by side with "Add >>" and "<< Remove" between them: the entries that may be
// added on the left ("Available"), the chosen ones on the right ("Selected"). Both lists are
// multi-select and kept sorted by the name collation; each entry shows an icon and a text and
// carries its name and a payload (a node, an index) as data, so a form never parses an
// entry's text back into a name.
//
// The widget never moves anything on its own: a button, a double click or Enter in a list only
// emits addRequested / removeRequested, the form asks the rule script for each selected entry
// and moves the ones that went in with MoveToSelected / MoveToAvailable. Clicking into one list
// (or selecting in it with the keyboard) clears the selection of the other; tabbing into a list
// with nothing selected selects its current entry; each button is enabled exactly when its list
// has a selection.
#pragma once

#include <QIcon>
#include <QList>
#include <QString>
#include <QVariant>
#include <QWidget>

class QLabel;
class QListWidget;
class QListWidgetItem;
class QPushButton;

namespace zqv {

class CTwoListWidget : public QWidget {
    Q_OBJECT
public:
    // Item data roles: the entry's name (also its sort key) and its payload.
    static constexpr int kNameRole = Qt::UserRole + 1;
    static constexpr int kDataRole = Qt::UserRole + 2;

    struct Entry {
        QString name;  // the contact's name: sort key, and what the form looks the entry up by
        QString text;  // what the list shows; empty shows the name
        QIcon icon;
        QVariant data;  // the form's payload
        bool selectable = true;
        QString toolTip;
    };

    explicit CTwoListWidget(QWidget *parent = nullptr);

    // The headings above the two lists (default "Available" / "Selected").
    void SetCaptions(const QString &available, const QString &selected);

    QListWidget *AvailableList() const { return m_pAvailable; }
    QListWidget *SelectedList() const { return m_pSelected; }
    QPushButton *AddButton() const { return m_pAdd; }
    QPushButton *RemoveButton() const { return m_pRemove; }
    QLabel *AvailableLabel() const { return m_pAvailableLabel; }
    QLabel *SelectedLabel() const { return m_pSelectedLabel; }

    // Empties both lists and disables both buttons.
    void Clear();
    QListWidgetItem *AddAvailable(const Entry &entry);
    QListWidgetItem *AddSelected(const Entry &entry);

    // The selected entries of each list, top to bottom.
    QList<QListWidgetItem *> SelectedAvailable() const;
    QList<QListWidgetItem *> SelectedChosen() const;

    // Moves `item` into the other list with the text `text` (empty: its name) and answers the
    // row it left. The item keeps its name, payload and icon.
    int MoveToSelected(QListWidgetItem *item, const QString &text = QString());
    int MoveToAvailable(QListWidgetItem *item, const QString &text = QString());

    // Selects (and gives the caret to) the entry of `list` at `row`; past the end it selects
    // the last entry when `pastEndToLast`, else the first. An empty list selects nothing.
    static void SelectRow(QListWidget *list, int row, bool pastEndToLast);
    // After entries left `from` (either list), the first of them from row `row`: selects the
    // entry now in that place (the first one when past the end); an emptied list hands the
    // selection and the focus to the other list's first entry. The buttons follow.
    void SelectAfterMove(QListWidget *from, int row);

    // Enables or disables both lists and both buttons together; disabling also clears both
    // selections.
    void SetListsEnabled(bool enabled);
    // Each button enabled exactly when its list has a selection (and the lists are enabled).
    void UpdateButtons();

    // The entry of either list whose name is `name` (the first one), or null.
    static QListWidgetItem *FindByName(QListWidget *list, const QString &name);
    static QString NameOf(const QListWidgetItem *item);
    static QVariant DataOf(const QListWidgetItem *item);

signals:
    // The user asked to move the selected entries of the available list (button or double
    // click), or of the selected list.
    void addRequested();
    void removeRequested();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QListWidgetItem *Insert(QListWidget *list, const Entry &entry);
    int Move(QListWidgetItem *item, QListWidget *to, const QString &text);
    void OnPressed(QListWidget *list);

    QLabel *m_pAvailableLabel;
    QLabel *m_pSelectedLabel;
    QListWidget *m_pAvailable;
    QListWidget *m_pSelected;
    QPushButton *m_pAdd;
    QPushButton *m_pRemove;
};

}  // namespace zqv
