#include "ui/widgets/statusbar.h"

#include "ui/style.h"

#include <QLabel>
#include <QProgressBar>

namespace {

QLabel* makeLabel(QWidget* parent, const QString& objectName)
{
    auto* label = new QLabel(parent);
    label->setObjectName(objectName);
    // Sync states can carry server text; never interpret it as markup.
    label->setTextFormat(Qt::PlainText);
    setFontRole(label, FontRole::Body);
    return label;
}

} // namespace

StatusBar::StatusBar(QWidget* parent)
    : QStatusBar(parent)
    , m_syncLabel(makeLabel(this, QStringLiteral("syncLabel")))
    , m_accountCountLabel(makeLabel(this, QStringLiteral("accountCountLabel")))
    , m_recurringDueLabel(makeLabel(this, QStringLiteral("recurringDueLabel")))
    , m_busyLabel(makeLabel(this, QStringLiteral("busyLabel")))
    , m_busyBar(new QProgressBar(this))
{
    setStyleSheet(QStringLiteral("QStatusBar {  padding: 2px 4px;}QStatusBar::item { border: none; }"));

    m_syncLabel->setText(tr("Offline"));
    m_recurringDueLabel->hide();
    m_busyLabel->hide();

    m_busyBar->setObjectName(QStringLiteral("busyBar"));
    m_busyBar->setRange(0, 0);
    m_busyBar->setMaximumWidth(100);
    m_busyBar->setMaximumHeight(14);
    m_busyBar->setTextVisible(false);
    setFontRole(m_busyBar, FontRole::Body);
    m_busyBar->hide();

    addWidget(m_accountCountLabel, 0);
    addWidget(m_recurringDueLabel, 0);
    addPermanentWidget(m_busyLabel, 0);
    addPermanentWidget(m_busyBar, 0);
    addPermanentWidget(m_syncLabel, 0);
    connect(this, &QStatusBar::messageChanged, this, &StatusBar::updateRecurringDueVisibility);
    connect(this, &QStatusBar::messageChanged, this, [this](const QString& text) {
        if (text != m_warning)
            m_warning.clear();
    });
}

StatusBar::~StatusBar() = default;

void StatusBar::setSyncStatus(const QString& text)
{
    m_syncLabel->setText(text);
}

void StatusBar::setAccountCount(int count)
{
    m_accountCountLabel->setText(tr("%n account(s)", nullptr, count));
}

void StatusBar::setRecurringDueCount(int count)
{
    m_recurringDueCount = count;
    if (count > 0) {
        m_recurringDueLabel->setText(tr("  •  %n recurring due", nullptr, count));
    }
    updateColors();
    updateRecurringDueVisibility();
}

void StatusBar::updateRecurringDueVisibility()
{
    m_recurringDueLabel->setVisible(m_recurringDueCount > 0 && currentMessage().isEmpty());
}

void StatusBar::showProgress(const QString& text)
{
    m_busyLabel->setText(text);
    m_busyLabel->show();
    m_busyBar->show();
}

void StatusBar::hideProgress()
{
    m_busyLabel->hide();
    m_busyBar->hide();
}

void StatusBar::showMessage(const QString& text, int timeout)
{
    hideProgress();
    QStatusBar::showMessage(text, timeout);
}

void StatusBar::showWarning(const QString& text, int timeout)
{
    m_warning = text;
    showMessage(text, timeout);
}

void StatusBar::showRoutineMessage(const QString& text, int timeout)
{
    if (m_warning.isEmpty())
        QStatusBar::showMessage(text, timeout);
}

void StatusBar::updateColors()
{
    const QString color = isDarkPalette() ? QStringLiteral("#8FAF9F") : QStringLiteral("#2A3D33");
    const QString sheet = QStringLiteral("color: %1;").arg(color);
    m_syncLabel->setStyleSheet(sheet);
    m_accountCountLabel->setStyleSheet(sheet);
    const QString due = isDarkPalette() ? QStringLiteral("#FFA726") : QStringLiteral("#E65100");
    m_recurringDueLabel->setStyleSheet(QStringLiteral("color: %1; font-weight: bold;").arg(due));
}
