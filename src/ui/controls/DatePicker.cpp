#include "DatePicker.h"

#include "text/Errors.h"
#include "ui/Application.h"

#include <QCalendarWidget>
#include <QKeyEvent>
#include <QVBoxLayout>

namespace ravik {

namespace {
const QDate kFirstDay(1601, 1, 1);
const QDate kLastDay(9999, 12, 31);
} // namespace

DatePicker::DatePicker(QWidget* parent) : QToolButton(parent) {
    setArrowType(Qt::DownArrow);
    setFocusPolicy(Qt::StrongFocus);
    popup_ = new QWidget(this, Qt::Popup);
    calendar_ = new QCalendarWidget(popup_);
    calendar_->setDateRange(kFirstDay, kLastDay);
    auto* layout = new QVBoxLayout(popup_);
    layout->setContentsMargins(1, 1, 1, 1);
    layout->addWidget(calendar_);
    connect(this, &QToolButton::clicked, this, &DatePicker::dropDown);
    connect(calendar_, &QCalendarWidget::clicked, this, &DatePicker::pick);
    connect(calendar_, &QCalendarWidget::activated, this, &DatePicker::pick);
}

void DatePicker::setDate(QDate date) {
    if (!date.isValid() || date < kFirstDay || date > kLastDay)
        throw Error(QStringLiteral("Failed to set calendar date or time"));
    date_ = date;
}

void DatePicker::dropDown() {
    // What goes wrong before opening is reported; the calendar still opens on the old value.
    try {
        emit aboutToDropDown();
    } catch (...) {
        Application::showCurrentException();
    }
    calendar_->setSelectedDate(date_);
    popup_->adjustSize();
    const QPoint below = mapToGlobal(QPoint(width() - popup_->width(), height()));
    popup_->move(below);
    popup_->show();
    calendar_->setFocus();
}

void DatePicker::pick(QDate date) {
    popup_->hide();
    if (date == date_)
        return;
    date_ = date;
    emit dateChanged();
}

void DatePicker::keyPressEvent(QKeyEvent* event) {
    const int step = event->key() == Qt::Key_Up ? 1 : event->key() == Qt::Key_Down ? -1 : 0;
    if (step == 0 || date_.addDays(step) < kFirstDay || date_.addDays(step) > kLastDay) {
        QToolButton::keyPressEvent(event);
        return;
    }
    date_ = date_.addDays(step);
    emit dateChanged();
}

} // namespace ravik
