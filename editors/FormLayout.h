// The layout of a form's page: controls in rows and columns, bands across the whole page, and
// the page's width shared out the way a dealer reads a form.
//
// Columns are as wide as their widest control needs (a label column as wide as its longest
// label, in whatever language). When the page is wider than that, the block of controls takes
// half the room beyond its least width, or all of it when a column may grow without end (a grid
// that shows more the wider it is); the columns whose controls expand (fields, lists) share it,
// each up to the largest maximum width of its expanding controls. The rest goes equally to both
// sides, so the block stays centred and readable instead of stretching across a wide screen. A
// control whose cell reaches the last column may reach past the columns to the block's right
// edge (a pair of lists under a short column of fields), and an expanding one widens the block
// up to its own maximum. Bands (headings) run across the whole page, a smaller margin from its
// sides.
//
// A hidden control takes no room; a row with nothing shown disappears with its spacing. Rows
// keep to their height, except that the lowest row showing a tall control (a list) takes the
// height left in a high page, down to its tall controls' least height in a low one. The layout's
// least size is what all shown controls need: a scroll area around it scrolls only below that.
#pragma once

#include <QLayout>
#include <vector>

namespace zqv {

class CFormLayout : public QLayout {
public:
    // How a control takes the width of its cell: a band runs across the page, a filling one
    // takes its cell up to its maximum width, a button keeps the width of its text.
    enum class Fit { Band, Fill, Hint };
    struct Place {
        int row = 0;
        int column = 0;
        int span = 1;
        Fit fit = Fit::Fill;
        // A list: as high as `height` unless its row takes the height left.
        bool tall = false;
        int height = 0;
    };

    explicit CFormLayout(QWidget *parent);
    ~CFormLayout() override;

    void AddControl(QWidget *widget, const Place &place);
    // The space above row `row`, kept only while the row and one above it show something.
    void SetRowGap(int row, int gap);
    // The space between column `column` - 1 and `column`.
    void SetColumnGap(int column, int gap);
    // The least space between the page's sides and the block of controls; bands keep the
    // layout's left and right contents margins.
    void SetBlockMargin(int margin);

    void addItem(QLayoutItem *item) override;
    int count() const override;
    QLayoutItem *itemAt(int index) const override;
    QLayoutItem *takeAt(int index) override;
    QSize sizeHint() const override;
    QSize minimumSize() const override;
    void setGeometry(const QRect &rect) override;
    void invalidate() override;
    Qt::Orientations expandingDirections() const override;

private:
    struct Item {
        QLayoutItem *item;
        Place place;
    };
    // Where the columns and the block lie for a page `width` wide (0: the least width).
    struct Columns {
        std::vector<int> x;
        std::vector<int> width;
        int blockLeft = 0;
        int blockRight = 0;
        int least = 0;  // the page's least width
    };
    // The top and height of each row for a page `height` high (0: the least height).
    struct Rows {
        std::vector<int> y;
        std::vector<int> height;
        int stretched = -1;  // the row that takes the height left
        int least = 0;
    };
    Columns ArrangeColumns(int width) const;
    Rows ArrangeRows(const Columns &columns, int height) const;
    // The left and width of `item`'s cell, and the width it takes there.
    QRect Cell(const Columns &columns, const Item &item) const;
    int ItemWidth(const Columns &columns, const Item &item) const;
    int ItemHeight(const Columns &columns, const Item &item, bool stretchedRow) const;
    int ColumnCount() const;
    int Gap(const std::vector<int> &gaps, int index, int fallback) const;

    std::vector<Item> m_items;
    std::vector<int> m_rowGaps;
    std::vector<int> m_columnGaps;
    int m_nBlockMargin = 0;
    mutable QSize m_least;
};

}  // namespace zqv
