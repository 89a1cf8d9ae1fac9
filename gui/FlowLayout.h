// A row of controls that wraps onto further rows where the window is too narrow for it, so a
// dialog's buttons, check boxes and filters stay whole on a small screen or in a long language.
#pragma once

#include <QLayout>
#include <QList>

namespace zqv {

class CFlowLayout : public QLayout {
public:
    // A flow inside another layout, without margins of its own.
    CFlowLayout();
    ~CFlowLayout() override;

    // Adds a nested layout (a label with its field) as one item that never splits.
    void AddLayout(QLayout *layout);
    // Adds room that takes what is left of a row, as a stretch does in a box layout.
    void AddStretch();

    void addItem(QLayoutItem *item) override;
    int count() const override;
    QLayoutItem *itemAt(int index) const override;
    QLayoutItem *takeAt(int index) override;
    Qt::Orientations expandingDirections() const override;
    bool hasHeightForWidth() const override;
    int heightForWidth(int width) const override;
    QSize minimumSize() const override;
    QSize sizeHint() const override;
    void setGeometry(const QRect &rect) override;

private:
    // Places the items in rows within `rect` (or only measures when `apply` is false) and
    // returns the height the rows take.
    int Arrange(const QRect &rect, bool apply) const;
    int Gap(Qt::Orientation orientation) const;

    QList<QLayoutItem *> m_items;
};

}  // namespace zqv
