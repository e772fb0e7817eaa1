#include "SmallWindows.h"

#include "AppTitle.h"
#include "frmSplash.h"
#include "core/State.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <filesystem>

namespace tarvik {

const char* const CombustionNote =
    "In fact Moon, Mars, Mercury, Jupiter, Venus and Saturn will be in the state of combustion if they are at "
    "the distance of 12\u00b0, 17\u00b0, 14\u00b0, 11\u00b0, 10\u00b0 and 15\u00b0 respectively from Sun. But as "
    "per our view any planet gets combust if it is at the distance of 5\u00b0 from sun and we have taken the "
    "same ideology here, in this software";

namespace {

// A link of the about box's rich text.
QString Link(const char* url, const char* text)
{
    return QStringLiteral("<a href=\"%1\">%2</a>").arg(QString::fromLatin1(url), QString::fromUtf8(text));
}

} // namespace

QString AboutLicence()
{
    return QStringLiteral("Copyright \u00a9 2026 the Tarvik developers.<br>This program is free software: you can "
                          "redistribute it and/or modify it under the terms of the GNU Affero General Public License "
                          "as published by the Free Software Foundation, either version 3 of the License, or (at "
                          "your option) any later version. It is distributed in the hope that it will be useful, "
                          "but WITHOUT ANY WARRANTY; without even the implied warranty of MERCHANTABILITY or "
                          "FITNESS FOR A PARTICULAR PURPOSE. See the %1 for more details.")
        .arg(Link("https://www.gnu.org/licenses/agpl-3.0.html", "GNU Affero General Public License"));
}

QString AboutCredits()
{
    return QStringLiteral("The atlas of places is derived from the %1 gazetteer, licensed under Creative Commons "
                          "Attribution 4.0 (%2; its set of 2013 under %3), the zones of each country from "
                          "countries-and-timezones by Manuel de la Torre (MIT licence) and the IANA time zone "
                          "database (public domain). The planetary positions come from the Swiss Ephemeris, "
                          "copyright Astrodienst AG, Switzerland, under the GNU Affero General Public License.")
        .arg(Link("https://www.geonames.org/", "GeoNames"),
             Link("https://creativecommons.org/licenses/by/4.0/", "CC BY 4.0"),
             Link("https://creativecommons.org/licenses/by/3.0/", "CC BY 3.0"));
}

std::string InstalledDocumentation()
{
    namespace fs = std::filesystem;
    const fs::path docs = (fs::path(Program().ProgramFolder) / TARVIK_INSTALLED_DOC_FROM_DATA).lexically_normal();
    std::error_code ec;
    return fs::is_regular_file(docs / "LICENSE", ec) ? docs.string() : std::string();
}

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

// A paragraph of rich text whose links open in the desktop's browser.
QLabel* Paragraph(const QString& html, double scale = 1)
{
    QLabel* label = Centred(html, scale);
    label->setTextFormat(Qt::RichText);
    label->setOpenExternalLinks(true);
    label->setTextInteractionFlags(Qt::LinksAccessibleByMouse);
    return label;
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

    lblVersion = Centred(QString::fromStdString(VersionCaption()), 1, true);
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
    layout->addSpacing(10);
    lblLicence = Paragraph(AboutLicence(), 0.85);
    lblLicence->setObjectName(QStringLiteral("lblLicence"));
    layout->addWidget(lblLicence);
    layout->addSpacing(6);
    QString credits = AboutCredits();
    if (const std::string docs = InstalledDocumentation(); !docs.empty())
        credits += QStringLiteral(" The licence's full text and the sources with their licences are in %1.")
                       .arg(QString::fromStdString(docs).toHtmlEscaped());
    lblCredits = Paragraph(credits, 0.85);
    lblCredits->setObjectName(QStringLiteral("lblCredits"));
    layout->addWidget(lblCredits);
    layout->addStretch(1);
    layout->addWidget(Centred(QStringLiteral("The predictions this program prints are general readings of the "
                                             "planets' positions; they are no substitute for a learned "
                                             "astrologer's judgement."),
                              0.85));
    layout->addSpacing(12);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(Command1);
    buttons->addStretch(1);
    layout->addLayout(buttons);
    setFixedWidth(560);
    setFixedHeight(heightForWidth(560) > 0 ? heightForWidth(560) : sizeHint().height());
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
