#include "PaintedIcon.h"

#include <QApplication>
#include <QHash>
#include <QIconEngine>
#include <QPainter>
#include <QPixmap>
#include <QStyle>
#include <QStyleOption>

namespace zqv {

namespace {

// Paints an icon when a size of it is first needed and keeps that picture: the program starts
// without drawing pictures nobody looks at.
class CPaintedIconEngine : public QIconEngine {
public:
    CPaintedIconEngine(std::function<void(QPainter &)> draw, int grid) : m_draw(std::move(draw)), m_nGrid(grid) {}

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override
    {
        const qreal dpr = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
        QPixmap pm = pixmap(rect.size() * dpr, mode, state);
        pm.setDevicePixelRatio(dpr);
        painter->drawPixmap(rect, pm);
    }

    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State) override
    {
        const int side = qMax(1, qMin(size.width(), size.height()));
        const quint64 key = (quint64(side) << 8) | quint64(mode);
        auto it = m_cache.constFind(key);
        if (it != m_cache.constEnd())
            return *it;
        QPixmap pm = Render(side);
        if (mode == QIcon::Disabled) {
            QStyleOption option;
            option.palette = QApplication::palette();
            pm = QApplication::style()->generatedIconPixmap(QIcon::Disabled, pm, &option);
        }
        m_cache.insert(key, pm);
        return pm;
    }

    QSize actualSize(const QSize &size, QIcon::Mode, QIcon::State) override
    {
        const int side = qMin(size.width(), size.height());
        return QSize(side, side);
    }

    QIconEngine *clone() const override { return new CPaintedIconEngine(m_draw, m_nGrid); }

private:
    QPixmap Render(int side) const
    {
        QPixmap pm(side, side);
        pm.fill(Qt::transparent);
        QPainter p(&pm);
        p.setRenderHint(QPainter::Antialiasing);
        p.setRenderHint(QPainter::TextAntialiasing);
        p.scale(qreal(side) / m_nGrid, qreal(side) / m_nGrid);
        m_draw(p);
        return pm;
    }

    std::function<void(QPainter &)> m_draw;
    int m_nGrid;
    QHash<quint64, QPixmap> m_cache;
};

}  // namespace

QIcon PaintedIcon(std::function<void(QPainter &)> draw, int grid)
{
    return QIcon(new CPaintedIconEngine(std::move(draw), grid));
}

}  // namespace zqv
