#include "DateBox.h"

#include "EntryRules.h"

#include <QAction>
#include <QCalendarWidget>
#include <QKeyEvent>
#include <QLocale>
#include <QPainter>
#include <QPixmap>
#include <QStyleOption>
#include <QStyle>

namespace tarvik {

DateBox::DateBox(QWidget* parent) : QLineEdit(parent)
{
    setMaxLength(20);
    // The arrow a drop-down list shows, for the calendar that drops down.
    QPixmap arrow(12, 12);
    arrow.fill(Qt::transparent);
    {
        QPainter painter(&arrow);
        QStyleOption option;
        option.initFrom(this);
        option.rect = arrow.rect();
        style()->drawPrimitive(QStyle::PE_IndicatorArrowDown, &option, &painter, this);
    }
    QAction* open = addAction(QIcon(arrow), QLineEdit::TrailingPosition);
    open->setObjectName(QStringLiteral("actCalendar"));
    open->setToolTip(QStringLiteral("Calendar"));
    connect(open, &QAction::triggered, this, &DateBox::ShowCalendar);
}

QDate DateBox::date() const
{
    const std::optional<QDate> d = ReadDateEntry(text());
    return d && *d >= first_ && *d <= last_ ? *d : QDate();
}

void DateBox::setDate(QDate date)
{
    if (date.isValid())
        setText(DateEntryText(date));
}

void DateBox::setDateRange(QDate first, QDate last)
{
    first_ = first;
    last_ = last;
}

void DateBox::keyPressEvent(QKeyEvent* event)
{
    // The keys that open the list of a drop-down box open the calendar.
    const bool altDown = event->key() == Qt::Key_Down && event->modifiers() == Qt::AltModifier;
    if (altDown || (event->key() == Qt::Key_F4 && event->modifiers() == Qt::NoModifier)) {
        ShowCalendar();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void DateBox::ShowCalendar()
{
    if (calendar_)
        return;
    calendar_ = new QCalendarWidget(this);
    calendar_->setObjectName(QStringLiteral("qt_calendar"));
    calendar_->setWindowFlags(Qt::Popup);
    calendar_->setAttribute(Qt::WA_DeleteOnClose);
    calendar_->setLocale(QLocale::c());
    calendar_->setDateRange(first_, last_);
    const QDate shown = date();
    calendar_->setSelectedDate(shown.isValid() ? shown : QDate::currentDate());
    connect(calendar_, &QCalendarWidget::clicked, this, [this](QDate picked) {
        setDate(picked);
        calendar_->close();
    });
    connect(calendar_, &QCalendarWidget::activated, this, [this](QDate picked) {
        setDate(picked);
        calendar_->close();
    });
    connect(calendar_, &QObject::destroyed, this, [this] { calendar_ = nullptr; });
    calendar_->adjustSize();
    calendar_->move(mapToGlobal(QPoint(0, height())));
    calendar_->show();
    calendar_->setFocus(Qt::PopupFocusReason);
}

} // namespace tarvik
