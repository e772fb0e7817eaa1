#pragma once

// The title page shown while the program starts. It is modeless and owns no
// other window; start-up waits on it for its timer's one tick.

#include <QWidget>

class QLabel;
class QTimer;

namespace tarvik {

// The title page's paper and its double rule, as the splash window and the
// about box show them.
void PaintTitlePage(QWidget& page);

class frmSplash : public QWidget {
    Q_OBJECT
public:
    // waitMs: how long Form_Load keeps start-up waiting (2000 ms in the program).
    explicit frmSplash(int waitMs = 2000);

    // Shows the window and lets pending events run until the timer fires once.
    void Form_Load();
    // The status line under the title, painted at once.
    void SetMessage(const QString& text);
    QString Message() const;

    QLabel* lblMessage = nullptr;
    QLabel* lblVersion = nullptr;
    QTimer* Timer1 = nullptr;

signals:
    void messageChanged(const QString& text);

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace tarvik
