#include "frmSplash.h"

#include "AppTitle.h"

#include <QEventLoop>
#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

namespace tarvik {

frmSplash::frmSplash(int waitMs) : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("frmSplash"));
    setWindowTitle(QString::fromUtf8(AppTitle));
    setFixedSize(520, 300);

    auto* title = new QLabel(QStringLiteral("Tarvik"), this);
    QFont big = title->font();
    big.setPointSizeF(big.pointSizeF() * 3);
    big.setBold(true);
    title->setFont(big);
    title->setAlignment(Qt::AlignCenter);

    auto* subtitle = new QLabel(
        QStringLiteral("Vedic horoscope, panchang, dashas, varshphal and match-making"), this);
    subtitle->setAlignment(Qt::AlignCenter);

    lblVersion = new QLabel(QString::fromStdString(VersionCaption()), this);
    lblVersion->setObjectName(QStringLiteral("lblVersion"));
    lblVersion->setAlignment(Qt::AlignCenter);

    auto* notice = new QLabel(QString::fromUtf8(LicenceNotice), this);
    notice->setObjectName(QStringLiteral("lblLicence"));
    notice->setWordWrap(true);
    notice->setAlignment(Qt::AlignCenter);
    QFont small = notice->font();
    small.setPointSizeF(small.pointSizeF() * 0.85);
    notice->setFont(small);

    lblMessage = new QLabel(QStringLiteral("Loading Please Wait.........."), this);
    lblMessage->setObjectName(QStringLiteral("lblMessage"));
    lblMessage->setAlignment(Qt::AlignCenter);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(32, 28, 32, 20);
    layout->addStretch(1);
    layout->addWidget(title);
    layout->addWidget(subtitle);
    layout->addSpacing(8);
    layout->addWidget(lblVersion);
    layout->addStretch(2);
    layout->addWidget(notice);
    layout->addSpacing(10);
    layout->addWidget(lblMessage);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setSingleShot(true);
    Timer1->setTimerType(Qt::PreciseTimer);   // the wait is never shorter than asked
    Timer1->setInterval(waitMs);

    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void frmSplash::Form_Load()
{
    show();
    QEventLoop wait;
    connect(Timer1, &QTimer::timeout, &wait, &QEventLoop::quit);
    Timer1->start();
    wait.exec();
}

void frmSplash::SetMessage(const QString& text)
{
    lblMessage->setText(text);
    // Start-up runs on without returning to the event loop: paint now.
    lblMessage->repaint();
    emit messageChanged(text);
}

QString frmSplash::Message() const { return lblMessage->text(); }

void PaintTitlePage(QWidget& page)
{
    QPainter p(&page);
    const QRect r = page.rect();
    p.fillRect(r, QColor(0xfb, 0xf6, 0xe9));
    p.setPen(QPen(QColor(0x9a, 0x4a, 0x10), 3));
    p.drawRect(r.adjusted(6, 6, -7, -7));
    p.setPen(QPen(QColor(0x9a, 0x4a, 0x10), 1));
    p.drawRect(r.adjusted(12, 12, -13, -13));
}

void frmSplash::paintEvent(QPaintEvent*) { PaintTitlePage(*this); }

} // namespace tarvik
