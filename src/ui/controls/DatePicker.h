#pragma once

#include <QDate>
#include <QToolButton>

class QCalendarWidget;

namespace ravik {

// A date value behind a drop-down arrow: the arrow opens a month calendar on the value, and a
// day picked there becomes the value.
class DatePicker : public QToolButton {
    Q_OBJECT
public:
    explicit DatePicker(QWidget* parent = nullptr);

    QDate date() const { return date_; }
    // Throws "Failed to set calendar date or time" for a day the calendar cannot show.
    void setDate(QDate date);
    // Opens the calendar, as a click on the arrow does.
    void dropDown();
    QCalendarWidget* calendar() const { return calendar_; }

signals:
    // The calendar is about to open: a handler may set the value it opens on.
    void aboutToDropDown();
    // The user picked a day or changed the value with the keyboard.
    void dateChanged();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void pick(QDate date);

    QDate date_{2005, 4, 28};
    QWidget* popup_;
    QCalendarWidget* calendar_;
};

} // namespace ravik
