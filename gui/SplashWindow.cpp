#include "SplashWindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QPainter>
#include <QScreen>
#include <QTimer>

namespace zqv {

CSplashWindow::CSplashWindow(const QPixmap &picture, int timeoutMs)
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint), m_picture(picture)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(m_picture.deviceIndependentSize().toSize());
    if (QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    qApp->installEventFilter(this);
    QTimer::singleShot(timeoutMs, this, &QWidget::close);
}

CSplashWindow::~CSplashWindow()
{
    qApp->removeEventFilter(this);
}

void CSplashWindow::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.drawPixmap(0, 0, m_picture);
}

bool CSplashWindow::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::MouseButtonPress:
    case QEvent::NonClientAreaMouseButtonPress: close(); break;
    default: break;
    }
    return QWidget::eventFilter(watched, event);
}

void CSplashWindow::closeEvent(QCloseEvent *event)
{
    if (!m_bClosed) {
        m_bClosed = true;
        qApp->removeEventFilter(this);
        emit Closed();
    }
    event->accept();
}

}  // namespace zqv
