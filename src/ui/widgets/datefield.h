#pragma once

#include <QDate>
#include <QLineEdit>

// One-line date entry. Holds a committed date that changes only through
// setDate, the calendar popup, a shortcut key or leaving the field; typing
// alone is read when the field loses focus or date() is asked.
class DateField : public QLineEdit
{
    Q_OBJECT
public:
    explicit DateField(QWidget* parent = nullptr);

    // The date typed so far when it parses, else the committed date.
    QDate date() const;
    void setDate(const QDate& date);

signals:
    void dateChanged(QDate date);

public slots:
    void openCalendarPopup();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void commit(const QDate& date);
    void redisplay();

    QDate m_date;
};
