#include "FormLayout.h"

#include <QWidget>
#include <algorithm>

namespace zqv {

namespace {

// The space between rows and columns where the form sets none.
constexpr int kDefaultGap = 10;

bool Grows(const QLayoutItem *item)
{
    return (item->expandingDirections() & Qt::Horizontal) != 0;
}

}  // namespace

CFormLayout::CFormLayout(QWidget *parent) : QLayout(parent) {}

CFormLayout::~CFormLayout()
{
    while (QLayoutItem *item = takeAt(0))
        delete item;
}

void CFormLayout::AddControl(QWidget *widget, const Place &place)
{
    addChildWidget(widget);
    m_items.push_back({new QWidgetItem(widget), place});
    invalidate();
}

void CFormLayout::SetRowGap(int row, int gap)
{
    if (row >= static_cast<int>(m_rowGaps.size()))
        m_rowGaps.resize(row + 1, -1);
    m_rowGaps[row] = gap;
    invalidate();
}

void CFormLayout::SetColumnGap(int column, int gap)
{
    if (column >= static_cast<int>(m_columnGaps.size()))
        m_columnGaps.resize(column + 1, -1);
    m_columnGaps[column] = gap;
    invalidate();
}

void CFormLayout::SetBlockMargin(int margin)
{
    m_nBlockMargin = margin;
    invalidate();
}

void CFormLayout::addItem(QLayoutItem *item)
{
    // An item added the generic way gets a band of its own below the others.
    int row = 0;
    for (const Item &i : m_items)
        row = qMax(row, i.place.row + 1);
    Place place;
    place.row = row;
    place.fit = Fit::Band;
    m_items.push_back({item, place});
    invalidate();
}

int CFormLayout::count() const
{
    return static_cast<int>(m_items.size());
}

QLayoutItem *CFormLayout::itemAt(int index) const
{
    return index >= 0 && index < count() ? m_items[index].item : nullptr;
}

QLayoutItem *CFormLayout::takeAt(int index)
{
    if (index < 0 || index >= count())
        return nullptr;
    QLayoutItem *item = m_items[index].item;
    m_items.erase(m_items.begin() + index);
    invalidate();
    return item;
}

void CFormLayout::invalidate()
{
    m_least = QSize();
    QLayout::invalidate();
}

Qt::Orientations CFormLayout::expandingDirections() const
{
    return Qt::Horizontal | Qt::Vertical;
}

QSize CFormLayout::minimumSize() const
{
    if (!m_least.isValid()) {
        const Columns columns = ArrangeColumns(0);
        m_least = QSize(columns.least, ArrangeRows(columns, 0).least);
    }
    return m_least;
}

QSize CFormLayout::sizeHint() const
{
    return minimumSize();
}

int CFormLayout::ColumnCount() const
{
    int n = 0;
    for (const Item &i : m_items)
        if (i.place.fit != Fit::Band)
            n = qMax(n, i.place.column + i.place.span);
    return n;
}

int CFormLayout::Gap(const std::vector<int> &gaps, int index, int fallback) const
{
    return index < static_cast<int>(gaps.size()) && gaps[index] >= 0 ? gaps[index] : fallback;
}

CFormLayout::Columns CFormLayout::ArrangeColumns(int width) const
{
    const QMargins margins = contentsMargins();
    const int n = ColumnCount();
    const auto leastWidth = [](const Item &i) {
        const QLayoutItem *item = i.item;
        return i.place.fit == Fit::Hint ? item->sizeHint().expandedTo(item->minimumSize()).width()
                                        : item->minimumSize().width();
    };
    const auto lastColumn = [](const Item &i) { return i.place.column + i.place.span - 1; };
    const auto reachesEnd = [&](const Item &i) { return i.place.span > 1 && lastColumn(i) == n - 1; };

    // Each column as wide as its widest control needs; the expanding ones may grow up to the
    // widest maximum among them.
    std::vector<int> least(n, 0);
    std::vector<int> cap(n, 0);
    std::vector<const Item *> spanning;
    for (const Item &i : m_items) {
        if (i.place.fit == Fit::Band || i.item->isEmpty())
            continue;
        if (i.place.span > 1) {
            if (!reachesEnd(i))
                spanning.push_back(&i);
            continue;
        }
        least[i.place.column] = qMax(least[i.place.column], leastWidth(i));
        if (i.place.fit == Fit::Fill && Grows(i.item))
            cap[i.place.column] = qMax(cap[i.place.column], i.item->maximumSize().width());
    }
    const auto spanWidth = [&](const std::vector<int> &widths, int first, int last) {
        int w = 0;
        for (int c = first; c <= last; ++c)
            w += widths[c] + (c > first ? Gap(m_columnGaps, c, kDefaultGap) : 0);
        return w;
    };
    // A control over several columns that needs more than they give widens the last of them.
    std::stable_sort(spanning.begin(), spanning.end(),
                     [](const Item *a, const Item *b) { return a->place.span < b->place.span; });
    for (const Item *i : spanning) {
        const int need = leastWidth(*i) - spanWidth(least, i->place.column, lastColumn(*i));
        if (need > 0)
            least[lastColumn(*i)] += need;
    }
    for (int c = 0; c < n; ++c)
        cap[c] = qMax(cap[c], least[c]);

    const auto offsets = [&](const std::vector<int> &widths) {
        std::vector<int> x(n, 0);
        for (int c = 1; c < n; ++c)
            x[c] = x[c - 1] + widths[c - 1] + Gap(m_columnGaps, c, kDefaultGap);
        return x;
    };
    const auto blockWidth = [&](const std::vector<int> &widths, int room) {
        const std::vector<int> x = offsets(widths);
        int block = n > 0 ? spanWidth(widths, 0, n - 1) : 0;
        for (const Item &i : m_items) {
            if (i.place.fit == Fit::Band || i.item->isEmpty() || !reachesEnd(i))
                continue;
            block = qMax(block, x[i.place.column] + leastWidth(i));
            if (room > 0 && i.place.fit == Fit::Fill && Grows(i.item))
                block = qMax(block, qMin(room, x[i.place.column] + i.item->maximumSize().width()));
        }
        return block;
    };

    Columns columns;
    columns.least = blockWidth(least, 0) + 2 * m_nBlockMargin;
    for (const Item &i : m_items)
        if (i.place.fit == Fit::Band && !i.item->isEmpty())
            columns.least = qMax(columns.least, i.item->minimumSize().width());
    columns.least += margins.left() + margins.right();

    // Of the room beyond the block's least width, the block takes half and the margins the
    // other half, so that the fields neither stay small in a wide window nor fill it at once; a
    // column without a cap (a grid that shows more the wider it is) takes it all. Inside the
    // block the expanding columns take what they are given in equal shares, each up to its cap.
    const int room = qMax(width, columns.least) - margins.left() - margins.right() - 2 * m_nBlockMargin;
    const int blockLeast = blockWidth(least, 0);
    std::vector<int> growing;
    bool uncapped = false;
    for (int c = 0; c < n; ++c)
        if (cap[c] > least[c]) {
            growing.push_back(c);
            uncapped = uncapped || cap[c] >= QWIDGETSIZE_MAX;
        }
    const int spare = qMax(0, room - blockLeast);
    const int blockRoom = blockLeast + (uncapped ? spare : spare / 2);
    columns.width = least;
    int extra = blockRoom - (n > 0 ? spanWidth(least, 0, n - 1) : 0);
    while (extra > 0 && !growing.empty()) {
        const int share = qMax(1, extra / static_cast<int>(growing.size()));
        for (int c : growing) {
            const int add = std::min({share, cap[c] - columns.width[c], extra});
            columns.width[c] += add;
            extra -= add;
        }
        growing.erase(std::remove_if(growing.begin(), growing.end(), [&](int c) { return columns.width[c] >= cap[c]; }),
                      growing.end());
    }
    const int block = blockWidth(columns.width, blockRoom);
    columns.blockLeft = margins.left() + m_nBlockMargin + qMax(0, (room - block) / 2);
    columns.blockRight = columns.blockLeft + block;
    columns.x = offsets(columns.width);
    for (int &x : columns.x)
        x += columns.blockLeft;
    return columns;
}

QRect CFormLayout::Cell(const Columns &columns, const Item &item) const
{
    const int first = item.place.column;
    const int last = first + item.place.span - 1;
    const int right =
        last == static_cast<int>(columns.x.size()) - 1 ? columns.blockRight : columns.x[last] + columns.width[last];
    return QRect(columns.x[first], 0, right - columns.x[first], 0);
}

int CFormLayout::ItemWidth(const Columns &columns, const Item &item) const
{
    const QLayoutItem *i = item.item;
    if (item.place.fit == Fit::Hint)
        return i->sizeHint().expandedTo(i->minimumSize()).width();
    return qBound(i->minimumSize().width(), Cell(columns, item).width(), i->maximumSize().width());
}

int CFormLayout::ItemHeight(const Columns &columns, const Item &item, bool stretchedRow) const
{
    const QLayoutItem *i = item.item;
    const int least = i->minimumSize().height();
    const int most = i->maximumSize().height();
    if (item.place.tall)
        return stretchedRow ? least : qBound(least, item.place.height, most);
    int h = i->sizeHint().height();
    if (i->hasHeightForWidth() && item.place.fit != Fit::Band)
        h = i->heightForWidth(ItemWidth(columns, item));
    return qBound(least, h, most);
}

CFormLayout::Rows CFormLayout::ArrangeRows(const Columns &columns, int height) const
{
    const QMargins margins = contentsMargins();
    int n = 0;
    for (const Item &i : m_items)
        n = qMax(n, i.place.row + 1);
    Rows rows;
    rows.y.assign(n, 0);
    rows.height.assign(n, 0);
    std::vector<bool> shown(n, false);
    for (const Item &i : m_items) {
        if (i.item->isEmpty())
            continue;
        shown[i.place.row] = true;
        if (i.place.tall)
            rows.stretched = qMax(rows.stretched, i.place.row);
    }
    for (const Item &i : m_items)
        if (!i.item->isEmpty())
            rows.height[i.place.row] =
                qMax(rows.height[i.place.row], ItemHeight(columns, i, i.place.row == rows.stretched));
    int y = margins.top();
    bool first = true;
    for (int r = 0; r < n; ++r) {
        if (!shown[r])
            continue;
        if (!first)
            y += Gap(m_rowGaps, r, kDefaultGap);
        first = false;
        rows.y[r] = y;
        y += rows.height[r];
    }
    rows.least = y + margins.bottom();
    const int extra = height - rows.least;
    if (extra > 0 && rows.stretched >= 0) {
        rows.height[rows.stretched] += extra;
        for (int r = rows.stretched + 1; r < n; ++r)
            rows.y[r] += extra;
    }
    return rows;
}

void CFormLayout::setGeometry(const QRect &rect)
{
    QLayout::setGeometry(rect);
    const QMargins margins = contentsMargins();
    const Columns columns = ArrangeColumns(rect.width());
    const Rows rows = ArrangeRows(columns, rect.height());
    for (const Item &i : m_items) {
        if (i.item->isEmpty())
            continue;
        const int row = i.place.row;
        const int top = rect.y() + rows.y[row];
        if (i.place.fit == Fit::Band) {
            i.item->setGeometry(QRect(rect.x() + margins.left(), top, rect.width() - margins.left() - margins.right(),
                                      rows.height[row]));
            continue;
        }
        const int left = rect.x() + Cell(columns, i).left();
        const int width = ItemWidth(columns, i);
        if (i.place.tall) {
            i.item->setGeometry(QRect(left, top, width, qMin(rows.height[row], i.item->maximumSize().height())));
            continue;
        }
        // Controls lower than their row sit in its middle, so that labels line up with fields.
        const int height = ItemHeight(columns, i, false);
        i.item->setGeometry(QRect(left, top + (rows.height[row] - height) / 2, width, height));
    }
}

}  // namespace zqv
