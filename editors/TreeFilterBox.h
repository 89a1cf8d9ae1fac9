// The left column of a profile window: a filter box above the profile tree. Typing narrows
// the tree (CZQVCPSTreeView::SetFilter), Enter selects the first match and puts the focus
// into the tree, Escape clears the box and goes back to the tree.
#pragma once

#include <QWidget>

class QLineEdit;

namespace zqv {

class CZQVCPSTreeView;

class CTreeFilterBox : public QWidget {
    Q_OBJECT
public:
    // Takes `tree` into the column below the box.
    explicit CTreeFilterBox(CZQVCPSTreeView *tree, QWidget *parent = nullptr);

    QLineEdit *Edit() const { return m_pEdit; }
    // Ctrl+F: the focus into the box with its text selected.
    void FocusFilter();
    // Enter: the first match selected (as a click does) and the focus in the tree.
    void SelectFirstMatch();
    // Escape: the box emptied, every node shown, the focus in the tree.
    void ClearFilter();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    CZQVCPSTreeView *m_pTree;
    QLineEdit *m_pEdit;
};

}  // namespace zqv
