#include "account/ui/accountwidgets.h"

#include "ui/style.h"

#include <QApplication>
#include <QLabel>
#include <QPalette>

namespace LarkAccount::AccountWidgets {

QLabel* plainLabel(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setTextFormat(Qt::PlainText);
    label->setText(text);
    return label;
}

void setSecondaryColor(QWidget* widget)
{
    followTheme(widget, [widget] {
        QPalette palette = widget->palette();
        palette.setBrush(QPalette::All, QPalette::WindowText,
                         QBrush(QApplication::palette().color(QPalette::PlaceholderText)));
        widget->setPalette(palette);
    });
}

void shrinkFont(QWidget* widget, int points)
{
    QFont font = widget->font();
    font.setPointSize(qMax(7, font.pointSize() - points));
    widget->setFont(font);
}

void growFont(QWidget* widget, int points, QFont::Weight weight)
{
    QFont font = widget->font();
    font.setPointSize(font.pointSize() + points);
    font.setWeight(weight);
    widget->setFont(font);
}

void setFontWeight(QWidget* widget, QFont::Weight weight)
{
    QFont font = widget->font();
    font.setWeight(weight);
    widget->setFont(font);
}

void ContentDisposal::discard(QWidget* widget)
{
    widget->hide();
    if (m_running > 0)
        m_held.append(widget);
    else
        widget->deleteLater();
}

ContentDisposal::ActionScope::ActionScope(ContentDisposal& disposal)
    : m_disposal(disposal)
{
    ++m_disposal.m_running;
}

ContentDisposal::ActionScope::~ActionScope()
{
    if (--m_disposal.m_running > 0)
        return;
    for (const QPointer<QWidget>& widget : std::as_const(m_disposal.m_held)) {
        if (widget)
            widget->deleteLater();
    }
    m_disposal.m_held.clear();
}

} // namespace LarkAccount::AccountWidgets
