#include "ui/screens/payeescreen.h"

#include "app/appstate.h"
#include "data/datetext.h"
#include "data/transactionrepository.h"
#include "ui/dialogs/messageboxes.h"
#include "ui/style.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QVBoxLayout>

namespace {

const QColor kMuted(QStringLiteral("#6E8A7E"));

// Paints the payee on the left and its transaction count, muted, on the
// right of the row.
class PayeeCountDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        // Some air between the rows of a long list.
        return QStyledItemDelegate::sizeHint(option, index) + QSize(0, 8);
    }

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        QStyleOptionViewItem opt(option);
        initStyleOption(&opt, index);
        const QWidget* widget = opt.widget;
        QStyle* style = widget ? widget->style() : QApplication::style();
        const QRect textRect =
            style->subElementRect(QStyle::SE_ItemViewItemText, &opt, widget).adjusted(0, 0, -6, 0);
        const QString payee = opt.text;
        opt.text.clear();
        style->drawControl(QStyle::CE_ItemViewItem, &opt, painter, widget);

        const QString count = interfaceLocale().toString(index.data(PayeeScreen::CountRole).toInt());
        const int countWidth = opt.fontMetrics.horizontalAdvance(count);
        QRect payeeRect = textRect;
        payeeRect.setRight(textRect.right() - countWidth - 12);
        const bool selected = opt.state & QStyle::State_Selected;
        const QColor text = opt.palette.color(selected ? QPalette::HighlightedText : QPalette::Text);
        painter->save();
        painter->setFont(opt.font);
        painter->setPen(text);
        painter->drawText(payeeRect, Qt::AlignLeft | Qt::AlignVCenter,
                          opt.fontMetrics.elidedText(payee, Qt::ElideRight, payeeRect.width()));
        painter->setPen(selected ? text : kMuted);
        painter->drawText(textRect, Qt::AlignRight | Qt::AlignVCenter, count);
        painter->restore();
    }
};

} // namespace

PayeeScreen::PayeeScreen(AppState* appState, QWidget* parent)
    : QWidget(parent)
    , m_appState(appState)
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 16, 16, 16);

    auto* title = new QLabel(tr("Payee Management"), this);
    applyFontRole(title, int(FontRole::Title), 700);
    layout->addWidget(title);
    layout->addSpacing(8);

    m_list = new QListWidget(this);
    m_list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_list->setItemDelegate(new PayeeCountDelegate(m_list));
    layout->addWidget(m_list, 1);

    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel(tr("Rename to:"), this));
    m_renameField = new QLineEdit(this);
    row->addWidget(m_renameField, 1);
    auto* rename = new QPushButton(tr("Rename Selected"), this);
    auto* merge = new QPushButton(tr("Merge Selected"), this);
    row->addWidget(rename);
    row->addWidget(merge);
    layout->addLayout(row);

    connect(rename, &QPushButton::clicked, this, &PayeeScreen::onRename);
    connect(merge, &QPushButton::clicked, this, &PayeeScreen::onMerge);
}

PayeeScreen::~PayeeScreen() = default;

void PayeeScreen::loadPayees()
{
    const QList<PayeeUsage> payees = m_appState->transactionRepository()->payeeCounts();
    // Filled while hidden from the view: one layout for the whole list.
    m_list->setUpdatesEnabled(false);
    m_list->clear();
    for (const PayeeUsage& usage : payees) {
        auto* item = new QListWidgetItem(usage.payee);
        item->setData(CountRole, usage.count);
        item->setToolTip(tr("%n transaction(s)", "", usage.count));
        m_list->addItem(item);
    }
    m_list->setUpdatesEnabled(true);
}

QStringList PayeeScreen::selectedPayees() const
{
    QStringList payees;
    for (const QListWidgetItem* item : m_list->selectedItems())
        payees.append(item->text());
    return payees;
}

bool PayeeScreen::rewrite(const QStringList& payees, const QString& newPayee, const QString& failureTitle,
                          int& changed)
{
    if (m_appState->transactionRepository()->renamePayees(payees, newPayee, &changed))
        return true;
    MessageBoxes::warning(this, failureTitle,
                          tr("The payees could not be changed. No transaction was changed."));
    return false;
}

void PayeeScreen::onRename()
{
    const QString newName = m_renameField->text().trimmed();
    const QStringList payees = selectedPayees();
    if (newName.isEmpty() || payees.isEmpty())
        return;
    int changed = 0;
    if (!rewrite(payees, newName, tr("Rename Failed"), changed))
        return;
    MessageBoxes::information(this, tr("Rename Complete"), tr("Renamed %n transaction(s).", "", changed));
    loadPayees();
    emit payeesChanged();
}

void PayeeScreen::onMerge()
{
    const QStringList payees = selectedPayees();
    if (payees.size() < 2) {
        MessageBoxes::information(this, tr("Merge"), tr("Select 2 or more payees to merge."));
        return;
    }
    QString target = m_renameField->text().trimmed();
    if (target.isEmpty())
        target = payees.first();
    const QString question = tr("Merge %1 payees into \"%2\"?").arg(QString::number(payees.size()), target);
    if (MessageBoxes::question(this, tr("Merge Payees"), question) != QMessageBox::Yes)
        return;
    int changed = 0;
    if (!rewrite(payees, target, tr("Merge Failed"), changed))
        return;
    MessageBoxes::information(this, tr("Merge Complete"), tr("Merged %n transaction(s).", "", changed));
    loadPayees();
    emit payeesChanged();
}
