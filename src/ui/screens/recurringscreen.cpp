#include "ui/screens/recurringscreen.h"

#include "app/appstate.h"
#include "data/datetext.h"
#include "data/recurringrepository.h"
#include "services/recurringlist.h"
#include "services/recurringservice.h"
#include "ui/dialogs/messageboxes.h"
#include "ui/screens/recurringformdialog.h"
#include "ui/screens/recurringmodel.h"
#include "ui/style.h"

#include <QAction>
#include <QDate>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include <memory>

namespace {

constexpr int kEnterAheadDays = 7;

QString dueDateText(const QDate& date)
{
    return namedMonthText(date, QStringLiteral("MMM d, yyyy"));
}

} // namespace

RecurringScreen::RecurringScreen(AppState* appState, QWidget* parent)
    : QWidget(parent)
    , m_appState(appState)
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 16, 16, 16);

    auto* header = new QHBoxLayout;
    auto* title = new QLabel(tr("Recurring Transactions"), this);
    applyFontRole(title, int(FontRole::Title), 700);
    header->addWidget(title);
    m_dueLabel = new QLabel(this);
    followTheme(m_dueLabel, [label = m_dueLabel] {
        label->setStyleSheet(QStringLiteral("color: %1;").arg(positiveColor().name()));
    });
    applyFontRole(m_dueLabel, int(FontRole::Body), 700);
    header->addWidget(m_dueLabel);
    header->addStretch();
    auto addButton = [&](const QString& text, const char* name, void (RecurringScreen::*slot)()) {
        auto* button = new QPushButton(text, this);
        button->setObjectName(QLatin1String(name));
        connect(button, &QPushButton::clicked, this, slot);
        header->addWidget(button);
    };
    addButton(tr("Confirm All Due"), "confirmAllDueButton", &RecurringScreen::confirmAllDue);
    addButton(tr("Enter Next 7 Days"), "enterNextDaysButton", &RecurringScreen::enterNextSevenDays);
    addButton(tr("New Recurring"), "newRecurringButton", &RecurringScreen::showNewForm);
    layout->addLayout(header);

    m_model = new RecurringModel(appState->accountRepository(), this);
    m_table = new QTableView(this);
    m_table->setModel(m_model);
    m_table->setAlternatingRowColors(true);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->verticalHeader()->hide();
    m_table->setContextMenuPolicy(Qt::CustomContextMenu);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setSortingEnabled(true);
    m_table->sortByColumn(RecurringModel::NextDueColumn, Qt::AscendingOrder);
    // The other columns hold short texts; the payee takes the rest.
    m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_table->horizontalHeader()->setSectionResizeMode(RecurringModel::PayeeColumn, QHeaderView::Stretch);
    layout->addWidget(m_table, 1);

    connect(m_table, &QTableView::doubleClicked, this, [this](const QModelIndex& index) {
        if (index.isValid())
            showEditForm(index.row());
    });
    connect(m_table, &QWidget::customContextMenuRequested, this, &RecurringScreen::onContextMenu);
}

RecurringScreen::~RecurringScreen() = default;

void RecurringScreen::refresh()
{
    const std::optional<RecurringTransaction> current = currentSchedule();
    RecurringService* service = m_appState->recurringService();
    m_model->setRows(service->all());

    // The reset dropped the current row; the same schedule stays current.
    if (current) {
        for (int row = 0; row < m_model->rowCount(); ++row) {
            if (m_model->scheduleAt(row)->id == current->id) {
                m_table->setCurrentIndex(m_model->index(row, 0));
                break;
            }
        }
    }

    const int due = service->pendingCount();
    if (due < 1) {
        m_dueLabel->clear();
    } else {
        m_dueLabel->setText(tr("(%1 due)").arg(due));

    }
}

QMenu* RecurringScreen::createContextMenu(const QPoint& pos)
{
    const QModelIndex index = m_table->indexAt(pos);
    const std::optional<RecurringTransaction> schedule = m_model->scheduleAt(index.row());
    if (!index.isValid() || !schedule)
        return nullptr;
    // The commands act on the current row: the one the menu was opened on.
    m_table->setCurrentIndex(index);

    const QDate today = QDate::currentDate();
    const int row = index.row();
    auto* menu = new QMenu(this);
    menu->addAction(tr("&Edit"), this, [this, row] { showEditForm(row); });
    menu->addAction(tr("&Confirm"), this, &RecurringScreen::confirmSelected)
        ->setEnabled(RecurringList::isDue(*schedule, today));
    menu->addAction(tr("&Skip"), this, &RecurringScreen::skipSelected)
        ->setEnabled(RecurringList::isDue(*schedule, today));
    menu->addAction(tr("Enter &Early..."), this, &RecurringScreen::enterEarlySelected)
        ->setEnabled(RecurringList::canEnterEarly(*schedule, today));
    menu->addSeparator();
    menu->addAction(tr("&Delete"), this, &RecurringScreen::deleteSelected);
    return menu;
}

void RecurringScreen::onContextMenu(QPoint pos)
{
    const std::unique_ptr<QMenu> menu(createContextMenu(pos));
    if (menu)
        menu->exec(m_table->viewport()->mapToGlobal(pos));
}

void RecurringScreen::showNewForm()
{
    RecurringFormDialog dialog(m_appState, this);
    if (MessageBoxes::exec(&dialog) != QDialog::Accepted)
        return;
    const bool saved = m_appState->recurringRepository()->insert(dialog.recurring());
    refresh();
    warnIfNotSaved(saved, tr("The recurring transaction could not be saved."));
}

void RecurringScreen::showEditForm(int row)
{
    const std::optional<RecurringTransaction> shown = m_model->scheduleAt(row);
    if (!shown)
        return;
    // The stored schedule, not the table's copy: a posting may have moved it.
    const std::optional<RecurringTransaction> schedule = m_appState->recurringRepository()->findById(shown->id);
    if (!schedule || schedule->deletedAt) {
        refresh();
        return;
    }
    RecurringFormDialog dialog(m_appState, *schedule, this);
    while (MessageBoxes::exec(&dialog) == QDialog::Accepted) {
        const RecurringTransaction edited = dialog.recurring();
        // Gone meanwhile: the form comes back with what was typed.
        const std::optional<RecurringTransaction> stored = m_appState->recurringRepository()->findById(edited.id);
        if (!stored || stored->deletedAt) {
            MessageBoxes::warning(this, tr("Not Saved"),
                                  tr("This recurring transaction no longer exists. Nothing was saved."));
            continue;
        }
        const bool saved = m_appState->recurringService()->saveEdit(dialog.original(), edited);
        refresh();
        warnIfNotSaved(saved, tr("The changes to \"%1\" could not be saved.").arg(schedule->payee));
        return;
    }
}

void RecurringScreen::confirmSelected()
{
    const std::optional<RecurringTransaction> schedule = currentSchedule();
    if (schedule && RecurringList::isDue(*schedule, QDate::currentDate()))
        post(*schedule);
}

void RecurringScreen::enterEarlySelected()
{
    const std::optional<RecurringTransaction> schedule = currentSchedule();
    if (!schedule || !RecurringList::canEnterEarly(*schedule, QDate::currentDate()))
        return;
    const QString question = tr("Enter \"%1\" now, dated %2? The transaction is dated its due date and you can "
                                "edit or delete it later.")
                                 .arg(schedule->payee, dueDateText(schedule->nextDueDate));
    if (MessageBoxes::question(this, tr("Enter Early"), question) == QMessageBox::Yes)
        post(*schedule);
}

void RecurringScreen::skipSelected()
{
    const std::optional<RecurringTransaction> schedule = currentSchedule();
    if (!schedule || !RecurringList::isDue(*schedule, QDate::currentDate()))
        return;
    const bool skipped = m_appState->recurringService()->skip(schedule->id);
    refresh();
    if (!skipped)
        MessageBoxes::warning(this, tr("Not Skipped"),
                              tr("\"%1\" could not be skipped; its next due date is unchanged.").arg(schedule->payee));
}

void RecurringScreen::deleteSelected()
{
    const std::optional<RecurringTransaction> schedule = currentSchedule();
    if (!schedule)
        return;
    if (MessageBoxes::question(this, tr("Delete"), tr("Delete recurring \"%1\"?").arg(schedule->payee))
        != QMessageBox::Yes)
        return;
    // Transactions it posted stay in the register.
    const bool deleted = m_appState->recurringRepository()->softDelete(schedule->id);
    refresh();
    if (!deleted)
        MessageBoxes::warning(this, tr("Not Deleted"), tr("\"%1\" could not be deleted.").arg(schedule->payee));
}

void RecurringScreen::confirmAllDue()
{
    RecurringService* service = m_appState->recurringService();
    const int due = service->pendingCount();
    const int posted = service->confirmAllDue();
    if (posted > 0)
        emit transactionsChanged();
    if (posted > 0 || due > 0)
        refresh();
    if (posted < due)
        warnNotPosted(tr("Due transactions not posted: %1 of %2.").arg(due - posted).arg(due));
}

void RecurringScreen::enterNextSevenDays()
{
    if (MessageBoxes::question(this, tr("Enter Next 7 Days"),
                               tr("Enter all recurring transactions due in the next 7 days? They are dated their "
                                  "due dates and you can edit or delete them later."))
        != QMessageBox::Yes)
        return;
    RecurringService* service = m_appState->recurringService();
    const QDate until = QDate::currentDate().addDays(kEnterAheadDays);
    const int posted = service->enterEarlyUntil(until);
    if (posted > 0)
        emit transactionsChanged();
    refresh();
    // Whatever is still due by then could not be entered.
    const int behind = RecurringList::countDueBy(service->all(), until);
    if (behind > 0)
        warnNotPosted(
            tr("Some occurrences due by %1 were not entered (recurring transactions still due by then: %2).")
                .arg(dueDateText(until))
                .arg(behind));
}

std::optional<RecurringTransaction> RecurringScreen::currentSchedule() const
{
    const QModelIndex current = m_table->currentIndex();
    if (!current.isValid())
        return std::nullopt;
    return m_model->scheduleAt(current.row());
}

void RecurringScreen::post(const RecurringTransaction& schedule)
{
    const bool posted = m_appState->recurringService()->confirm(schedule.id);
    if (posted)
        emit transactionsChanged();
    refresh();
    if (!posted)
        warnNotPosted(tr("\"%1\" due %2 was not posted.").arg(schedule.payee, dueDateText(schedule.nextDueDate)));
}

void RecurringScreen::warnNotPosted(const QString& what)
{
    MessageBoxes::warning(this, tr("Not Posted"),
                          what + QLatin1Char(' ')
                              + tr("Possible reasons: the occurrence is already in the register, a transfer "
                                   "account is missing or deleted, or the schedule's dates are broken."));
}

void RecurringScreen::warnIfNotSaved(bool saved, const QString& text)
{
    if (!saved)
        MessageBoxes::warning(this, tr("Not Saved"), text);
}
