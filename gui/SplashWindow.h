// The splash picture shown while the program starts: centred, without a caption. It closes
// itself after its time or at the first key or mouse-button press anywhere in the program.
#pragma once

#include <QWidget>

namespace zqv {

class CSplashWindow : public QWidget {
    Q_OBJECT
public:
    CSplashWindow(const QPixmap &picture, int timeoutMs);
    ~CSplashWindow() override;

signals:
    void Closed();

protected:
    void paintEvent(QPaintEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    QPixmap m_picture;
    bool m_bClosed = false;
};

}  // namespace zqv
