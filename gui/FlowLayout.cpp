#include "FlowLayout.h"

#include <QApplication>
#include <QSpacerItem>
#include <QStyle>
#include <QWidget>
#include <algorithm>

namespace zqv {

CFlowLayout::CFlowLayout()
{
    setContentsMargins(0, 0, 0, 0);
}

CFlowLayout::~CFlowLayout()
{
    while (QLayoutItem *item = takeAt(0))
        delete item;
}

void CFlowLayout::AddLayout(QLayout *layout)
{
    addChildLayout(layout);
    addItem(layout);
}

void CFlowLayout::AddStretch()
{
    addItem(new QSpacerItem(0, 0, QSizePolicy::Expanding, QSizePolicy::Minimum));
}

void CFlowLayout::addItem(QLayoutItem *item)
{
    m_items.append(item);
    invalidate();
}

int CFlowLayout::count() const
{
    return int(m_items.size());
}

QLayoutItem *CFlowLayout::itemAt(int index) const
{
    return index >= 0 && index < m_items.size() ? m_items.at(index) : nullptr;
}

QLayoutItem *CFlowLayout::takeAt(int index)
{
    if (index < 0 || index >= m_items.size())
        return nullptr;
    invalidate();
    return m_items.takeAt(index);
}

Qt::Orientations CFlowLayout::expandingDirections() const
{
    return {};
}

bool CFlowLayout::hasHeightForWidth() const
{
    return true;
}

int CFlowLayout::heightForWidth(int width) const
{
    return Arrange(QRect(0, 0, width, 0), false);
}

QSize CFlowLayout::minimumSize() const
{
    // As narrow as its widest item; the rows it then takes are its height for that width.
    QSize size;
    for (const QLayoutItem *item : m_items)
        size = size.expandedTo(item->minimumSize());
    const QMargins m = contentsMargins();
    return size + QSize(m.left() + m.right(), m.top() + m.bottom());
}

QSize CFlowLayout::sizeHint() const
{
    // Everything on one row.
    int width = 0;
    int height = 0;
    for (const QLayoutItem *item : m_items) {
        if (item->isEmpty())
            continue;
        width += (width > 0 ? Gap(Qt::Horizontal) : 0) + item->sizeHint().width();
        height = std::max(height, item->sizeHint().height());
    }
    const QMargins m = contentsMargins();
    return QSize(width + m.left() + m.right(), height + m.top() + m.bottom());
}

void CFlowLayout::setGeometry(const QRect &rect)
{
    QLayout::setGeometry(rect);
    Arrange(rect, true);
}

int CFlowLayout::Gap(Qt::Orientation orientation) const
{
    if (spacing() >= 0)
        return spacing();
    const QStyle *style = parentWidget() ? parentWidget()->style() : QApplication::style();
    const int gap = style->pixelMetric(orientation == Qt::Horizontal ? QStyle::PM_LayoutHorizontalSpacing
                                                                     : QStyle::PM_LayoutVerticalSpacing);
    return gap >= 0 ? gap : 6;
}

int CFlowLayout::Arrange(const QRect &rect, bool apply) const
{
    const QRect area = rect.marginsRemoved(contentsMargins());
    const int hGap = Gap(Qt::Horizontal);
    const int vGap = Gap(Qt::Vertical);
    // The items of one row, each at the width it gets.
    struct Placed {
        QLayoutItem *item;
        int width;
    };
    QList<Placed> row;
    int y = area.top();
    const auto placeRow = [&]() {
        if (row.isEmpty())
            return;
        int used = 0;
        int height = 0;
        int growing = 0;
        for (const Placed &p : row) {
            used += p.width;
            height = std::max(height, p.item->sizeHint().height());
            if (p.item->expandingDirections() & Qt::Horizontal)
                ++growing;
        }
        used += hGap * int(row.size() - 1);
        // What is left of the row goes to the items that grow (a line edit, a stretch).
        int spare = growing > 0 ? std::max(0, area.width() - used) : 0;
        int x = area.left();
        for (const Placed &p : row) {
            int width = p.width;
            if (growing > 0 && (p.item->expandingDirections() & Qt::Horizontal)) {
                const int share = spare / growing--;
                width += share;
                spare -= share;
            }
            if (apply) {
                const int h = std::min(height, p.item->maximumSize().height());
                p.item->setGeometry(QRect(x, y + (height - h) / 2, width, h));
            }
            x += width + hGap;
        }
        y += height + vGap;
        row.clear();
    };
    int x = area.left();
    for (QLayoutItem *item : m_items) {
        if (item->isEmpty())
            continue;
        const int width =
            std::max(item->minimumSize().width(), std::min(item->sizeHint().width(), std::max(area.width(), 0)));
        if (!row.isEmpty() && x + width > area.left() + area.width()) {
            placeRow();
            x = area.left();
        }
        row.append({item, width});
        x += width + hGap;
    }
    placeRow();
    const QMargins m = contentsMargins();
    return std::max(0, y - vGap - area.top()) + m.top() + m.bottom();
}

}  // namespace zqv
