#include "SmallWindows.h"

#include "AppTitle.h"
#include "frmSplash.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace tarvik {

const char* const CombustionNote =
    "In fact Moon, Mars, Mercury, Jupiter, Venus and Saturn will be in the state of combustion if they are at "
    "the distance of 12\u00b0, 17\u00b0, 14\u00b0, 11\u00b0, 10\u00b0 and 15\u00b0 respectively from Sun. But as "
    "per our view any planet gets combust if it is at the distance of 5\u00b0 from sun and we have taken the "
    "same ideology here, in this software";

namespace {

QLabel* Centred(const QString& text, double scale = 1, bool bold = false)
{
    auto* label = new QLabel(text);
    label->setAlignment(Qt::AlignCenter);
    label->setWordWrap(true);
    QFont font = label->font();
    font.setPointSizeF(font.pointSizeF() * scale);
    font.setBold(bold);
    label->setFont(font);
    return label;
}

QPushButton* OkButton()
{
    auto* ok = new QPushButton(QStringLiteral("&OK"));
    ok->setObjectName(QStringLiteral("Command1"));
    ok->setDefault(true);
    return ok;
}

// A line across the window, one of the note's two ornaments.
QFrame* Rule()
{
    auto* line = new QFrame;
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    line->setLineWidth(1);
    line->setMidLineWidth(1);
    return line;
}

} // namespace

frmAbout::frmAbout(QWidget* owner) : QDialog(owner)
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral("About ") + QString::fromUtf8(AppTitle));
    setModal(true);

    lblVersion = Centred(QString::fromUtf8(VersionCaption), 1, true);
    lblVersion->setObjectName(QStringLiteral("lblVersion"));
    Command1 = OkButton();
    connect(Command1, &QPushButton::clicked, this, &frmAbout::Command1_Click);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(36, 30, 36, 22);
    layout->addWidget(Centred(QStringLiteral("Tarvik"), 2.6, true));
    layout->addWidget(lblVersion);
    layout->addSpacing(10);
    layout->addWidget(Centred(QStringLiteral("Horoscopes in the Indian sidereal tradition: the birth chart and its "
                                             "divisional charts, panchang, KP, dashas, ashtakavarga, annual charts "
                                             "and match-making, in English and Hindi.")));
    layout->addStretch(1);
    layout->addWidget(Centred(QStringLiteral("The predictions this program prints are general readings of the "
                                             "planets' positions; they are no substitute for a learned "
                                             "astrologer's judgement. This program is protected by copyright law."),
                              0.85));
    layout->addSpacing(12);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(Command1);
    buttons->addStretch(1);
    layout->addLayout(buttons);
    setFixedSize(480, 330);
}

void frmAbout::Command1_Click() { accept(); }

void frmAbout::mousePressEvent(QMouseEvent*) { accept(); }

void frmAbout::keyPressEvent(QKeyEvent* event)
{
    // Enter and Escape type characters of their own (CR, ESC) as well.
    const bool types = !event->text().isEmpty() || event->key() == Qt::Key_Return ||
                       event->key() == Qt::Key_Enter || event->key() == Qt::Key_Escape;
    if (types)
        accept();
    else
        QDialog::keyPressEvent(event);
}

void frmAbout::paintEvent(QPaintEvent*) { PaintTitlePage(*this); }

frmCOM::frmCOM(QWidget* owner) : QDialog(owner)
{
    setObjectName(QStringLiteral("frmCOM"));
    setWindowTitle(QStringLiteral("Combustion of Planets"));
    setModal(true);

    Label1 = new QLabel(QString::fromUtf8(CombustionNote));
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setWordWrap(true);
    Label1->setAlignment(Qt::AlignJustify | Qt::AlignVCenter);
    Command1 = OkButton();
    connect(Command1, &QPushButton::clicked, this, &frmCOM::Command1_Click);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 18, 24, 16);
    layout->addWidget(Rule());
    layout->addSpacing(6);
    layout->addWidget(Label1, 1);
    layout->addSpacing(6);
    layout->addWidget(Rule());
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(Command1);
    layout->addLayout(buttons);
    // The whole note shows at the window's width.
    constexpr int Width = 460;
    const QMargins m = layout->contentsMargins();
    Label1->setMinimumHeight(Label1->heightForWidth(Width - m.left() - m.right()));
    setFixedWidth(Width);
    setFixedHeight(sizeHint().height());
}

void frmCOM::Command1_Click() { accept(); }

void frmCOM::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape: accept(); return;
    default: event->ignore();   // the note stays open
    }
}

} // namespace tarvik
