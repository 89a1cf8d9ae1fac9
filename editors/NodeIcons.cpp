#include "NodeIcons.h"

#include "NodeKinds.h"
#include "PaintedIcon.h"

#include <QHash>
#include <QPainter>
#include <QPainterPath>

namespace zqv {

namespace {

enum class Shape { Radio, Folder, Page, People, Person, List, Gear };

struct Look {
    Shape shape;
    QColor colour;
};

Look LookOf(NodeKind kind, bool ownRadio)
{
    switch (kind) {
    case kNodeRoot: return {Shape::Radio, QColor(40, 70, 140)};
    case kNodeSettings: return {Shape::Gear, QColor(90, 90, 90)};
    case kNodeTextMessage: return {Shape::Page, QColor(60, 120, 60)};
    case kNodePublicGroup: return {Shape::People, QColor(30, 110, 190)};
    case kNodePrivateGroup: return {Shape::People, QColor(170, 90, 20)};
    case kNodePrivate:
        return ownRadio ? Look{Shape::Radio, QColor(190, 30, 30)} : Look{Shape::Person, QColor(120, 60, 150)};
    case kNodeScrollList:
    case kNodeScanChannel: return {Shape::List, QColor(40, 120, 120)};
    case kNodeAllContacts: return {Shape::People, QColor(90, 90, 150)};
    default: return {Shape::Folder, QColor(200, 160, 40)};
    }
}

// Draws the icon on a 16 x 16 grid.
void Draw(QPainter &p, const Look &look)
{
    p.setPen(QPen(look.colour.darker(150), 1));
    p.setBrush(look.colour);
    switch (look.shape) {
    case Shape::Radio:
        p.drawRoundedRect(QRectF(4.5, 4.5, 7, 11), 1.5, 1.5);
        p.drawLine(QPointF(10, 4.5), QPointF(10, 0.5));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(6, 6, 4, 3));
        break;
    case Shape::Folder: {
        QPainterPath path;
        path.moveTo(1.5, 3.5);
        path.lineTo(6, 3.5);
        path.lineTo(7.5, 5);
        path.lineTo(14.5, 5);
        path.lineTo(14.5, 13.5);
        path.lineTo(1.5, 13.5);
        path.closeSubpath();
        p.drawPath(path);
        break;
    }
    case Shape::Page:
        p.setBrush(Qt::white);
        p.drawRect(QRectF(3.5, 1.5, 9, 13));
        for (double y = 4.5; y < 13; y += 2.5)
            p.drawLine(QPointF(5, y), QPointF(11, y));
        break;
    case Shape::People:
        p.drawEllipse(QRectF(1.5, 2.5, 5, 5));
        p.drawEllipse(QRectF(9.5, 2.5, 5, 5));
        p.drawEllipse(QRectF(5.5, 5.5, 5, 5));
        p.drawRoundedRect(QRectF(2.5, 10.5, 11, 4.5), 2, 2);
        break;
    case Shape::Person:
        p.drawEllipse(QRectF(5, 1.5, 6, 6));
        p.drawRoundedRect(QRectF(3.5, 8.5, 9, 6.5), 3, 3);
        break;
    case Shape::List:
        for (int i = 0; i < 4; ++i)
            p.drawRect(QRectF(2.5, 2.5 + i * 3.2, 11, 2));
        break;
    case Shape::Gear:
        p.drawEllipse(QRectF(2.5, 2.5, 11, 11));
        p.setBrush(Qt::white);
        p.drawEllipse(QRectF(6, 6, 4, 4));
        break;
    }
}

}  // namespace

QIcon NodeIcon(NodeKind kind, bool ownRadio)
{
    static QHash<int, QIcon> cache;
    const int key = kind * 2 + (ownRadio ? 1 : 0);
    auto it = cache.constFind(key);
    if (it != cache.constEnd())
        return *it;
    const Look look = LookOf(kind, ownRadio);
    const QIcon icon = PaintedIcon([look](QPainter &p) { Draw(p, look); }, 16);
    cache.insert(key, icon);
    return icon;
}

}  // namespace zqv
