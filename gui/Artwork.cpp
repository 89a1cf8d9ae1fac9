#include "Artwork.h"

#include "PaintedIcon.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <functional>

namespace zqv {
namespace {

// Every icon is drawn on a 32 x 32 grid and scaled to the size asked for.
constexpr int kGrid = 32;

const QColor kInk(0x33, 0x3b, 0x48);
const QColor kPaper(0xfd, 0xfd, 0xfb);
const QColor kBlue(0x2f, 0x6f, 0xc6);
const QColor kGreen(0x2e, 0x9a, 0x48);
const QColor kRed(0xd0, 0x3b, 0x30);
const QColor kAmber(0xe8, 0xa8, 0x2a);

QPen Pen(const QColor &c, qreal w = 1.6)
{
    return QPen(c, w, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void Page(QPainter &p, const QRectF &r, bool lines)
{
    const qreal fold = 7;
    QPainterPath path;
    path.moveTo(r.topLeft());
    path.lineTo(r.right() - fold, r.top());
    path.lineTo(r.right(), r.top() + fold);
    path.lineTo(r.bottomRight());
    path.lineTo(r.bottomLeft());
    path.closeSubpath();
    p.setPen(Pen(kInk));
    p.setBrush(kPaper);
    p.drawPath(path);
    QPainterPath corner;
    corner.moveTo(r.right() - fold, r.top());
    corner.lineTo(r.right() - fold, r.top() + fold);
    corner.lineTo(r.right(), r.top() + fold);
    p.setBrush(QColor(0xdd, 0xe3, 0xea));
    p.drawPath(corner);
    if (lines) {
        p.setPen(Pen(QColor(0x8a, 0x96, 0xa6), 1.4));
        for (qreal y = r.top() + fold + 4; y < r.bottom() - 3; y += 4)
            p.drawLine(QPointF(r.left() + 4, y), QPointF(r.right() - 4, y));
    }
}

void Radio(QPainter &p, const QRectF &body)
{
    // A handheld radio: antenna, body with display and speaker grille.
    p.setPen(Pen(kInk, 2.2));
    p.drawLine(QPointF(body.left() + 4, body.top()), QPointF(body.left() + 4, body.top() - 8));
    p.setPen(Pen(kInk));
    QLinearGradient g(body.topLeft(), body.topRight());
    g.setColorAt(0, QColor(0x4a, 0x55, 0x66));
    g.setColorAt(1, QColor(0x2a, 0x31, 0x3c));
    p.setBrush(g);
    p.drawRoundedRect(body, 2.5, 2.5);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x9f, 0xe0, 0xa8));
    p.drawRect(QRectF(body.left() + 2.5, body.top() + 3, body.width() - 5, 5));
    p.setPen(Pen(QColor(0xb8, 0xc2, 0xcf), 1.2));
    for (qreal y = body.top() + 11; y < body.bottom() - 2; y += 2.6)
        p.drawLine(QPointF(body.left() + 3, y), QPointF(body.right() - 3, y));
}

void Arrow(QPainter &p, QPointF from, QPointF to, const QColor &c)
{
    p.setPen(Pen(c, 3));
    p.drawLine(from, to);
    const QLineF line(to, from);
    QLineF a = line;
    a.setLength(6);
    a.setAngle(line.angle() + 35);
    QLineF b = line;
    b.setLength(6);
    b.setAngle(line.angle() - 35);
    p.drawLine(a);
    p.drawLine(b);
}

// A curved arrow turning back to the left (Undo) or on to the right (Redo, the mirror image).
void TurnArrow(QPainter &p, bool back)
{
    p.save();
    if (!back) {
        p.translate(kGrid, 0);
        p.scale(-1, 1);
    }
    QPainterPath path;
    path.moveTo(9, 12);
    path.cubicTo(QPointF(22, 8), QPointF(31, 16), QPointF(24, 25));
    path.lineTo(18, 27);
    p.setBrush(Qt::NoBrush);
    p.setPen(Pen(kBlue.darker(130), 4.4));
    p.drawPath(path);
    p.setPen(Pen(kBlue, 2.6));
    p.drawPath(path);
    QPainterPath head;
    head.moveTo(3, 12);
    head.lineTo(12, 5);
    head.lineTo(12, 19);
    head.closeSubpath();
    p.setPen(Pen(kBlue.darker(130), 1.2));
    p.setBrush(kBlue);
    p.drawPath(head);
    p.restore();
}

void DrawIcon(QPainter &p, ToolIcon which)
{
    switch (which) {
    case ToolIcon::New:
        Page(p, QRectF(7, 3, 18, 25), false);
        p.setPen(Pen(kAmber, 2.2));
        p.drawLine(QPointF(23, 19), QPointF(23, 29));
        p.drawLine(QPointF(18, 24), QPointF(28, 24));
        break;
    case ToolIcon::Open: {
        p.setPen(Pen(kInk));
        p.setBrush(QColor(0xf0, 0xc0, 0x5a));
        QPainterPath back;
        back.moveTo(3, 8);
        back.lineTo(11, 8);
        back.lineTo(13, 10.5);
        back.lineTo(26, 10.5);
        back.lineTo(26, 26);
        back.lineTo(3, 26);
        back.closeSubpath();
        p.drawPath(back);
        p.setBrush(QColor(0xf8, 0xd8, 0x80));
        QPainterPath front;
        front.moveTo(3, 26);
        front.lineTo(8, 15);
        front.lineTo(30, 15);
        front.lineTo(26, 26);
        front.closeSubpath();
        p.drawPath(front);
        break;
    }
    case ToolIcon::Save:
        p.setPen(Pen(kInk));
        p.setBrush(kBlue);
        p.drawRoundedRect(QRectF(4, 4, 24, 24), 2, 2);
        p.setBrush(kPaper);
        p.drawRect(QRectF(9, 4, 14, 9));
        p.setBrush(QColor(0xdd, 0xe3, 0xea));
        p.drawRect(QRectF(8, 17, 16, 11));
        p.setPen(Pen(kInk, 2));
        p.drawLine(QPointF(19, 6.5), QPointF(19, 10.5));
        break;
    case ToolIcon::Add:
        p.setPen(Pen(kGreen.darker(130)));
        p.setBrush(kGreen);
        p.drawEllipse(QRectF(4, 4, 24, 24));
        p.setPen(Pen(Qt::white, 3.4));
        p.drawLine(QPointF(16, 10), QPointF(16, 22));
        p.drawLine(QPointF(10, 16), QPointF(22, 16));
        break;
    case ToolIcon::Scan: {
        p.setPen(Qt::NoPen);
        p.setBrush(kInk);
        const qreal widths[] = {1.5, 1, 2.5, 1, 1.5, 3, 1, 2, 1, 2.5, 1.5};
        qreal x = 5;
        for (int i = 0; i < 11; ++i) {
            if (i % 2 == 0)
                p.drawRect(QRectF(x, 7, widths[i], 18));
            x += widths[i] + 0.9;
        }
        p.setPen(Pen(kRed, 1.8));
        p.drawLine(QPointF(3, 16), QPointF(29, 16));
        break;
    }
    case ToolIcon::Delete:
        p.setPen(Pen(kRed.darker(120), 5));
        p.drawLine(QPointF(8, 8), QPointF(24, 24));
        p.drawLine(QPointF(24, 8), QPointF(8, 24));
        p.setPen(Pen(kRed, 3.2));
        p.drawLine(QPointF(8, 8), QPointF(24, 24));
        p.drawLine(QPointF(24, 8), QPointF(8, 24));
        break;
    case ToolIcon::Cut:
        p.setPen(Pen(kInk, 2));
        p.drawLine(QPointF(11, 4), QPointF(19.5, 21));
        p.drawLine(QPointF(21, 4), QPointF(12.5, 21));
        p.setPen(Pen(kRed, 2.2));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QRectF(6, 20, 8, 8));
        p.drawEllipse(QRectF(18, 20, 8, 8));
        break;
    case ToolIcon::Copy:
        Page(p, QRectF(4, 3, 16, 20), true);
        Page(p, QRectF(12, 9, 16, 20), true);
        break;
    case ToolIcon::Paste:
        p.setPen(Pen(kInk));
        p.setBrush(QColor(0xc0, 0x8a, 0x4a));
        p.drawRoundedRect(QRectF(4, 5, 18, 23), 2, 2);
        p.setBrush(QColor(0xb0, 0xb8, 0xc4));
        p.drawRoundedRect(QRectF(9, 3, 8, 5), 1.5, 1.5);
        Page(p, QRectF(13, 11, 15, 18), true);
        break;
    case ToolIcon::Undo:
    case ToolIcon::Redo: TurnArrow(p, which == ToolIcon::Undo); break;
    case ToolIcon::Read:
        Radio(p, QRectF(3, 11, 11, 19));
        Arrow(p, QPointF(17, 14), QPointF(29, 14), kGreen);
        p.setPen(Pen(kInk));
        p.setBrush(QColor(0xdd, 0xe3, 0xea));
        p.drawRect(QRectF(19, 19, 10, 8));
        break;
    case ToolIcon::Write:
        Radio(p, QRectF(18, 11, 11, 19));
        Arrow(p, QPointF(4, 14), QPointF(16, 14), kBlue);
        p.setPen(Pen(kInk));
        p.setBrush(QColor(0xdd, 0xe3, 0xea));
        p.drawRect(QRectF(4, 19, 10, 8));
        break;
    case ToolIcon::Report:
        Page(p, QRectF(6, 3, 20, 26), true);
        p.setPen(Qt::NoPen);
        p.setBrush(kBlue);
        p.drawRect(QRectF(10, 20, 3, 6));
        p.setBrush(kGreen);
        p.drawRect(QRectF(14.5, 16, 3, 10));
        p.setBrush(kAmber);
        p.drawRect(QRectF(19, 18, 3, 8));
        break;
    case ToolIcon::About: {
        p.setPen(Pen(kBlue.darker(130)));
        p.setBrush(kBlue);
        p.drawEllipse(QRectF(4, 4, 24, 24));
        // The question mark is drawn, not set in a font of its own, which the toolbar's first
        // paint would look up.
        QPainterPath hook;
        const QRectF bend(12, 8.5, 8, 8);
        hook.arcMoveTo(bend, 160);
        hook.arcTo(bend, 160, -250);
        hook.lineTo(16, 19.5);
        p.setPen(QPen(Qt::white, 3.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPath(hook);
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        p.drawEllipse(QPointF(16, 23.6), 2, 2);
        break;
    }
    }
}

}  // namespace

QIcon ToolbarIcon(ToolIcon which)
{
    return PaintedIcon([which](QPainter &p) { DrawIcon(p, which); }, kGrid);
}

QIcon AppIcon()
{
    return PaintedIcon(
        [](QPainter &p) {
            p.setPen(Qt::NoPen);
            p.setBrush(kBlue);
            p.drawRoundedRect(QRectF(1, 1, 30, 30), 6, 6);
            Radio(p, QRectF(10, 11, 12, 19));
            p.setPen(Pen(Qt::white, 1.6));
            p.setBrush(Qt::NoBrush);
            p.drawArc(QRectF(13, 0, 12, 12), 0, 90 * 16);
            p.drawArc(QRectF(10, -3, 18, 18), 0, 90 * 16);
        },
        kGrid);
}

QPixmap SplashPixmap(const QString &appName, const QString &versionText)
{
    const QSize size(480, 280);
    QPixmap pm(size);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient bg(0, 0, size.width(), size.height());
    bg.setColorAt(0, QColor(0x1d, 0x3f, 0x72));
    bg.setColorAt(1, QColor(0x2f, 0x6f, 0xc6));
    p.fillRect(pm.rect(), bg);
    // Radio waves from the corner.
    p.setPen(QPen(QColor(255, 255, 255, 40), 10));
    for (int r = 80; r < 560; r += 60)
        p.drawEllipse(QPointF(size.width() - 60, size.height() - 20), r, r);
    p.save();
    p.translate(40, 60);
    p.scale(4.5, 4.5);
    Radio(p, QRectF(6, 11, 14, 21));
    p.restore();
    QFont title;
    title.setPixelSize(44);
    title.setBold(true);
    p.setFont(title);
    p.setPen(Qt::white);
    p.drawText(QRectF(160, 70, 300, 60), Qt::AlignLeft | Qt::AlignVCenter, appName);
    QFont sub;
    sub.setPixelSize(16);
    p.setFont(sub);
    p.setPen(QColor(0xdd, 0xe8, 0xf6));
    p.drawText(QRectF(162, 130, 300, 24), Qt::AlignLeft | Qt::AlignVCenter, versionText);
    p.setPen(QColor(255, 255, 255, 90));
    p.drawRect(pm.rect().adjusted(0, 0, -1, -1));
    return pm;
}

}  // namespace zqv
