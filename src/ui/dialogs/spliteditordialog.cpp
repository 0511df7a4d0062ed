#include "ui/dialogs/spliteditordialog.h"

#include "data/money.h"
#include "ui/dialogs/splitlineswidget.h"
#include "ui/style.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include <limits>

namespace {

} // namespace

SplitEditorDialog::SplitEditorDialog(AppState* appState, qint64 total, const QList<SplitLine>& lines,
                                     QWidget* parent)
    : QDialog(parent)
    , m_appState(appState)
    , m_total(total)
{
    setWindowTitle(tr("Split Transaction"));
    setMinimumSize(550, 350);

    auto* layout = new QVBoxLayout(this);

    auto* top = new QHBoxLayout;
    auto* totalLabel = new QLabel(tr("Total: %1").arg(formatAmount(amountMagnitude(m_total), CurrencyCode::USD)), this);
    totalLabel->setObjectName(QStringLiteral("totalLabel"));
    totalLabel->setTextFormat(Qt::PlainText);
    m_remainingLabel = new QLabel(this);
    m_remainingLabel->setObjectName(QStringLiteral("remainingLabel"));
    m_remainingLabel->setTextFormat(Qt::PlainText);
    // Marked so the theme keeps it bold when the font scale changes.
    m_remainingLabel->setProperty(FontRoleProperty, static_cast<int>(FontRole::Body));
    m_remainingLabel->setProperty(FontWeightProperty, 700);
    QFont bold = scaledFont();
    bold.setWeight(QFont::Bold);
    m_remainingLabel->setFont(bold);
    top->addWidget(totalLabel);
    top->addStretch();
    top->addWidget(m_remainingLabel);
    layout->addLayout(top);

    m_lines = new SplitLinesWidget(appState, this);
    m_lines->setObjectName(QStringLiteral("splitLines"));
    m_lines->setLines(lines);
    layout->addWidget(m_lines, 1);
    connect(m_lines, &SplitLinesWidget::changed, this, &SplitEditorDialog::updateRemaining);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);

    updateRemaining();
}

QList<SplitLine> SplitEditorDialog::lines() const
{
    return m_lines->lines(m_total < 0 ? -1 : 1);
}

void SplitEditorDialog::accept()
{
    // Lines that do not add up are allowed; a line without a category is
    // not, because it could not be stored.
    if (!m_lines->checkCategories(this))
        return;
    QDialog::accept();
}

void SplitEditorDialog::updateRemaining()
{
    const qint64 remaining = amountMagnitude(m_total) - m_lines->amountTotal();
    m_remainingLabel->setText(tr("Remaining: %1").arg(formatAmount(remaining, CurrencyCode::USD)));
    if (remaining == 0)
        m_remainingLabel->setStyleSheet(QStringLiteral("color: green;"));
    else if (remaining > 0)
        m_remainingLabel->setStyleSheet(QString());
    else
        m_remainingLabel->setStyleSheet(QStringLiteral("color: #cc0000;"));
}
