#include "ui/dialogs/splitlineswidget.h"

#include "app/appstate.h"
#include "data/categoryrepository.h"
#include "data/renamedids.h"
#include "sync/syncengine.h"
#include "ui/dialogs/formamount.h"
#include "ui/dialogs/messageboxes.h"
#include "ui/widgets/smartamountfield.h"

#include <QComboBox>
#include <QCompleter>
#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QUuid>
#include <QVBoxLayout>

namespace {

enum Column { CategoryColumn = 0, AmountColumn = 1, MemoColumn = 2 };

// Makes the table's current row follow the keyboard focus inside the cell
// widgets, so "- Remove" takes away the row the user was working in.
class CellFocusTracker : public QObject
{
public:
    explicit CellFocusTracker(QTableWidget* table)
        : QObject(table)
        , m_table(table)
    {
    }

    void watch(QWidget* widget)
    {
        widget->installEventFilter(this);
        const QList<QWidget*> children = widget->findChildren<QWidget*>();
        for (QWidget* child : children)
            child->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::FocusIn) {
            QWidget* widget = qobject_cast<QWidget*>(watched);
            while (widget && widget->parentWidget() != m_table->viewport())
                widget = widget->parentWidget();
            if (widget) {
                const QModelIndex index = m_table->indexAt(widget->geometry().center());
                if (index.isValid() && index.row() != m_table->currentRow())
                    m_table->setCurrentCell(index.row(), index.column());
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QTableWidget* m_table;
};

// Tab walks the cells, and from the last cell (Shift+Tab from the first)
// leaves the table, so the buttons and the dialog's OK can be reached from
// the keyboard.
class SplitTable : public QTableWidget
{
public:
    using QTableWidget::QTableWidget;

protected:
    bool focusNextPrevChild(bool next) override
    {
        const bool atEnd = next ? currentRow() >= rowCount() - 1 && currentColumn() >= columnCount() - 1
                                : currentRow() <= 0 && currentColumn() <= 0;
        if (!atEnd)
            return QTableWidget::focusNextPrevChild(next);
        // The cell widgets follow the table in the focus chain: skip them.
        QWidget* target = this;
        do {
            target = next ? target->nextInFocusChain() : target->previousInFocusChain();
        } while (target != this
                 && (isAncestorOf(target) || !(target->focusPolicy() & Qt::TabFocus) || !target->isEnabled()
                     || !target->isVisibleTo(window())));
        if (target == this)
            return QTableWidget::focusNextPrevChild(next);
        target->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
        return true;
    }
};

} // namespace

QString comboCategoryId(const QComboBox* combo)
{
    if (!combo)
        return QString();
    const QString text = combo->currentText();
    const int current = combo->currentIndex();
    if (current >= 0 && combo->itemText(current) == text)
        return combo->itemData(current).toString();
    // Typed text counts only when it is exactly a label, letter case included.
    const int typed = combo->findData(text, Qt::DisplayRole, Qt::MatchExactly | Qt::MatchCaseSensitive);
    return typed >= 0 ? combo->itemData(typed).toString() : QString();
}

void followComboIds(QComboBox* combo, const QHash<QString, QString>& renamed)
{
    for (int i = 0; combo && i < combo->count(); ++i)
        combo->setItemData(i, RenamedIds::follow(renamed, combo->itemData(i).toString()));
}

SplitLinesWidget::SplitLinesWidget(AppState* appState, QWidget* parent)
    : QWidget(parent)
    , m_appState(appState)
{
    m_choices.append({QString(), tr("(none)")});
    if (m_appState && m_appState->categoryRepository()) {
        const QList<Category> categories = m_appState->categoryRepository()->findAll();
        for (const Category& category : categories)
            m_choices.append({category.id, category.name});
    }

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);

    m_table = new SplitTable(0, 3, this);
    m_table->setObjectName(QStringLiteral("splitTable"));
    m_table->setHorizontalHeaderLabels({tr("Category"), tr("Amount"), tr("Memo")});
    m_table->verticalHeader()->setVisible(false);
    m_table->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_table->setMinimumHeight(180);
    QHeaderView* header = m_table->horizontalHeader();
    header->setSectionResizeMode(CategoryColumn, QHeaderView::Stretch);
    header->setSectionResizeMode(AmountColumn, QHeaderView::Fixed);
    header->resizeSection(AmountColumn, 120);
    header->setSectionResizeMode(MemoColumn, QHeaderView::Stretch);
    layout->addWidget(m_table, 1);

    auto* buttons = new QHBoxLayout;
    auto* addButton = new QPushButton(tr("+ Add Line"), this);
    addButton->setObjectName(QStringLiteral("addLineButton"));
    auto* removeButton = new QPushButton(tr("- Remove"), this);
    removeButton->setObjectName(QStringLiteral("removeLineButton"));
    buttons->addWidget(addButton);
    buttons->addWidget(removeButton);
    buttons->addStretch();
    layout->addLayout(buttons);

    connect(addButton, &QPushButton::clicked, this, &SplitLinesWidget::addLine);
    connect(removeButton, &QPushButton::clicked, this, &SplitLinesWidget::removeCurrentLine);
    connect(m_table, &QTableWidget::itemChanged, this, &SplitLinesWidget::changed);
    // While a dialog is open, a sync may rename the categories it offers.
    if (SyncEngine* engine = m_appState ? m_appState->syncEngine() : nullptr)
        connect(engine, &SyncEngine::idsRenamed, this, &SplitLinesWidget::followRenamedIds);
}

void SplitLinesWidget::followRenamedIds(const QString& table, const QHash<QString, QString>& renamed)
{
    if (table != QLatin1String("categories"))
        return;
    for (auto& choice : m_choices)
        choice.first = RenamedIds::follow(renamed, choice.first);
    for (int row = 0; row < m_table->rowCount(); ++row)
        followComboIds(rowCombo(row), renamed);
}

void SplitLinesWidget::addLine()
{
    const int row = m_table->rowCount();
    m_table->insertRow(row);

    auto* combo = new QComboBox;
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    for (const auto& choice : std::as_const(m_choices))
        combo->addItem(choice.second, choice.first);
    if (QCompleter* completer = combo->completer()) {
        completer->setCaseSensitivity(Qt::CaseInsensitive);
        completer->setFilterMode(Qt::MatchContains);
        completer->setCompletionMode(QCompleter::PopupCompletion);
        connect(completer, QOverload<const QString&>::of(&QCompleter::activated), combo,
                [combo](const QString& text) {
                    // The combo box has already selected the chosen row; only
                    // when it did not, the first item with that label is taken.
                    if (combo->currentIndex() >= 0 && combo->itemText(combo->currentIndex()) == text)
                        return;
                    const int index =
                        combo->findData(text, Qt::DisplayRole, Qt::MatchExactly | Qt::MatchCaseSensitive);
                    if (index >= 0)
                        combo->setCurrentIndex(index);
                });
    }
    m_table->setCellWidget(row, CategoryColumn, combo);

    auto* amount = new SmartAmountField;
    amount->setRange(0.0, kLargestTypedAmount / 100.0);
    amount->setPrefix(tr("$ "));
    connect(amount, &SmartAmountField::valueChanged, this, &SplitLinesWidget::changed);
    m_table->setCellWidget(row, AmountColumn, amount);

    m_table->setItem(row, MemoColumn, new QTableWidgetItem);

    // Not findChild: without Q_OBJECT the tracker has QObject's meta-object,
    // so qobject_cast would take any child of the table for it.
    CellFocusTracker* tracker = nullptr;
    for (QObject* child : m_table->children()) {
        if ((tracker = dynamic_cast<CellFocusTracker*>(child)))
            break;
    }
    if (!tracker)
        tracker = new CellFocusTracker(m_table);
    tracker->watch(combo);
    tracker->watch(amount);

    emit changed();
}

void SplitLinesWidget::removeCurrentLine()
{
    const int row = m_table->currentRow();
    if (row < 0 || row >= m_table->rowCount())
        return;
    m_table->removeRow(row);
    emit changed();
}

void SplitLinesWidget::setLines(const QList<SplitLine>& lines)
{
    // Filling writes items and amounts; one change is announced at the end.
    {
        const QSignalBlocker blocker(this);
        m_table->setRowCount(0);
        if (lines.isEmpty()) {
            addLine();
            addLine();
        }
        for (const SplitLine& line : lines) {
            addLine();
            const int row = m_table->rowCount() - 1;
            QComboBox* combo = rowCombo(row);
            int index = combo->findData(line.categoryId, Qt::UserRole, Qt::MatchExactly | Qt::MatchCaseSensitive);
            if (index < 0 && !line.categoryId.isEmpty() && m_appState && m_appState->categoryRepository()) {
                // A category deleted (or added) since the choices were read
                // still owns this line: show it so saving keeps it.
                if (const std::optional<Category> category =
                        m_appState->categoryRepository()->findById(line.categoryId)) {
                    const QString label =
                        category->deletedAt ? tr("%1 (deleted)").arg(category->name) : category->name;
                    combo->addItem(label, category->id);
                    index = combo->count() - 1;
                }
            }
            if (index >= 0)
                combo->setCurrentIndex(index);
            setFormAmount(static_cast<SmartAmountField*>(m_table->cellWidget(row, AmountColumn)), line.amount);
            m_table->item(row, MemoColumn)->setText(line.memo);
        }
    }
    emit changed();
}

QComboBox* SplitLinesWidget::rowCombo(int row) const
{
    return qobject_cast<QComboBox*>(m_table->cellWidget(row, CategoryColumn));
}

qint64 SplitLinesWidget::rowCents(int row) const
{
    const auto* amount = qobject_cast<const SmartAmountField*>(m_table->cellWidget(row, AmountColumn));
    return amount ? formAmount(amount) : 0;
}

qint64 SplitLinesWidget::amountTotal() const
{
    qint64 total = 0;
    for (int row = 0; row < m_table->rowCount(); ++row)
        total += rowCents(row);
    return total;
}

QList<SplitLine> SplitLinesWidget::lines(int sign) const
{
    QList<SplitLine> result;
    const QDateTime now = QDateTime::currentDateTimeUtc();
    for (int row = 0; row < m_table->rowCount(); ++row) {
        const qint64 cents = rowCents(row);
        if (cents == 0)
            continue;
        SplitLine line;
        line.id = QUuid::createUuid().toString(QUuid::WithoutBraces);
        line.categoryId = comboCategoryId(rowCombo(row));
        line.amount = sign < 0 ? -cents : cents;
        if (const QTableWidgetItem* memo = m_table->item(row, MemoColumn))
            line.memo = memo->text();
        line.createdAt = now;
        line.updatedAt = now;
        result.append(line);
    }
    return result;
}

int SplitLinesWidget::uncategorizedRow() const
{
    for (int row = 0; row < m_table->rowCount(); ++row) {
        if (rowCents(row) != 0 && comboCategoryId(rowCombo(row)).isEmpty())
            return row;
    }
    return -1;
}

bool SplitLinesWidget::checkCategories(QWidget* parent)
{
    const int row = uncategorizedRow();
    if (row < 0)
        return true;
    MessageBoxes::warning(parent, tr("Split Transaction"),
                          tr("Split line %1 has an amount but no category. Choose a category for it, "
                             "or set its amount to 0 to drop it.")
                              .arg(row + 1));
    m_table->setCurrentCell(row, CategoryColumn);
    if (QComboBox* combo = rowCombo(row))
        combo->setFocus(Qt::OtherFocusReason);
    return false;
}
