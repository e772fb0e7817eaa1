#pragma once

// A date box: the date is whatever the whole text reads as ("15-Aug-1980",
// "15-08-1980", "15/8/1980", "15.8.1980", "15 8 1980" and the like), never
// a section typed into a previous date. A calendar beside the text picks a
// date; it opens with a click on the arrow, Alt+Down or F4. The owner
// checks the text when the box is left.

#include <QDate>
#include <QLineEdit>

class QCalendarWidget;

namespace tarvik {

class DateBox : public QLineEdit {
    Q_OBJECT
public:
    explicit DateBox(QWidget* parent = nullptr);

    // The date of the text; invalid when the text reads as no date or as
    // one outside the box's range.
    QDate date() const;
    // Shows the date as "DD-MMM-YYYY".
    void setDate(QDate date);
    void setDateRange(QDate first, QDate last);

    // The calendar, while it is open (null otherwise).
    QCalendarWidget* Calendar() const { return calendar_; }
    void ShowCalendar();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    QDate first_{1800, 1, 1};
    QDate last_{2199, 12, 31};
    QCalendarWidget* calendar_ = nullptr;
};

} // namespace tarvik
