#include "ui/screens/reportsscreen.h"

#include "app/appstate.h"
#include "data/accountrepository.h"
#include "data/categoryrepository.h"
#include "data/datetext.h"
#include "data/transactionrepository.h"
#include "services/reportservice.h"
#include "ui/dialogs/messageboxes.h"
#include "ui/style.h"

#include <QCalendarWidget>
#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QSaveFile>
#include <QShortcut>
#include <QTabWidget>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

#include <utility>

ReportsScreen::ReportsScreen(AppState* appState, QWidget* parent)
    : QWidget(parent)
    , m_appState(appState)
{
    // The loading flag is set from the member initialiser to the end of
    // construction: nothing built here runs the reports.
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 24, 24, 24);

    auto* title = new QLabel(tr("Reports"), this);
    setFontRole(title, FontRole::Heading);
    layout->addWidget(title);
    layout->addSpacing(12);

    auto* filters = new QHBoxLayout;
    filters->setSpacing(8);
    filters->addWidget(new QLabel(tr("Account:"), this));
    m_accountCombo = new QComboBox(this);
    m_accountCombo->setObjectName(QStringLiteral("accountCombo"));
    m_accountCombo->setMinimumWidth(140);
    filters->addWidget(m_accountCombo);
    filters->addSpacing(12);
    filters->addWidget(new QLabel(tr("Period:"), this));
    m_periodCombo = new QComboBox(this);
    m_periodCombo->setObjectName(QStringLiteral("periodCombo"));
    m_periodCombo->setMinimumWidth(130);
    for (const DatePreset& preset : datePresets())
        m_periodCombo->addItem(preset.name);
    m_periodCombo->setCurrentIndex(0);
    filters->addWidget(m_periodCombo);
    m_rangeLabel = new QLabel(this);
    m_rangeLabel->setObjectName(QStringLiteral("rangeLabel"));
    m_rangeLabel->setStyleSheet(QStringLiteral("color: %1;").arg(QStringLiteral("#6E8A7E")));
    filters->addWidget(m_rangeLabel);
    m_fromEdit = new QDateEdit(this);
    m_fromEdit->setObjectName(QStringLiteral("fromEdit"));
    m_toEdit = new QDateEdit(this);
    m_toEdit->setObjectName(QStringLiteral("toEdit"));
    for (QDateEdit* edit : {m_fromEdit, m_toEdit}) {
        setupDateEdit(edit);
        edit->hide();
        filters->addWidget(edit);
    }
    filters->addStretch();
    auto* exportButton = new QPushButton(tr("Export CSV"), this);
    exportButton->setObjectName(QStringLiteral("exportButton"));
    filters->addWidget(exportButton);
    layout->addLayout(filters);
    layout->addSpacing(8);

    m_tabs = new QTabWidget(this);
    m_tabs->setObjectName(QStringLiteral("reportTabs"));
    buildTabs();
    layout->addWidget(m_tabs, 1);

    connect(m_accountCombo, &QComboBox::currentIndexChanged, this, &ReportsScreen::onFilterChanged);
    connect(m_periodCombo, &QComboBox::currentIndexChanged, this, &ReportsScreen::onDatePresetChanged);
    connect(m_fromEdit, &QDateEdit::dateChanged, this, &ReportsScreen::onFilterChanged);
    connect(m_toEdit, &QDateEdit::dateChanged, this, &ReportsScreen::onFilterChanged);
    connect(exportButton, &QPushButton::clicked, this, &ReportsScreen::exportCurrentTab);
    connect(m_tabs, &QTabWidget::currentChanged, this, &ReportsScreen::onFilterChanged);
    // A focused table would take Ctrl+Tab for its own cell moves; the tabs
    // turn from anywhere in the window.
    const auto turn = [this](int delta) {
        const int count = m_tabs->count();
        if (count > 0)
            m_tabs->setCurrentIndex((m_tabs->currentIndex() + delta + count) % count);
    };
    const std::pair<QKeySequence, int> turns[] = {
        {QKeySequence(Qt::CTRL | Qt::Key_Tab), 1},
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab), -1},
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab), -1},
        {QKeySequence(Qt::CTRL | Qt::Key_PageDown), 1},
        {QKeySequence(Qt::CTRL | Qt::Key_PageUp), -1},
    };
    for (const auto& [sequence, delta] : turns) {
        auto* shortcut = new QShortcut(sequence, this);
        shortcut->setContext(Qt::WindowShortcut);
        connect(shortcut, &QShortcut::activated, this, [turn, d = delta] { turn(d); });
    }

    applyDatePreset(0);

    // Changes of the data come in bursts (an import writes thousands of
    // rows): the reports run once, a moment after the last, and only while
    // the window is shown; a hidden window is brought up to date by the
    // refresh before its next showing.
    m_changeTimer = new QTimer(this);
    m_changeTimer->setSingleShot(true);
    m_changeTimer->setInterval(kChangeDelayMs);
    connect(m_changeTimer, &QTimer::timeout, this, &ReportsScreen::onDataChanged);
    const auto scheduleRun = [this] {
        if (isVisible())
            m_changeTimer->start();
    };
    connect(m_appState->accountRepository(), &AccountRepository::accountsChanged, this, scheduleRun);
    connect(m_appState->categoryRepository(), &CategoryRepository::categoriesChanged, this, scheduleRun);
    connect(m_appState->transactionRepository(), &TransactionRepository::transactionsChanged, this, scheduleRun);

    m_loading = false;
}

ReportsScreen::~ReportsScreen() = default;

QScopeGuard<std::function<void()>> ReportsScreen::holdLoading()
{
    const bool was = std::exchange(m_loading, true);
    return QScopeGuard<std::function<void()>>([this, was] { m_loading = was; });
}

QTableWidget* ReportsScreen::table(int tab) const
{
    return tab >= 0 && tab < TabCount ? m_tables[size_t(tab)] : nullptr;
}

QList<DatePreset> ReportsScreen::datePresets() const
{
    return ReportFormat::datePresets(QDate::currentDate());
}

void ReportsScreen::setupDateEdit(QDateEdit* edit)
{
    const QLocale locale = interfaceLocale();
    edit->setDisplayFormat(locale.dateFormat(QLocale::ShortFormat));
    edit->setCalendarPopup(true);
    edit->setLocale(locale);
    auto* calendar = new QCalendarWidget(edit);
    calendar->setFirstDayOfWeek(Qt::DayOfWeek(weekStartDayRef()));
    calendar->setLocale(locale);
    edit->setCalendarWidget(calendar);
}

void ReportsScreen::reloadAccounts()
{
    m_accountCombo->clear();
    m_accountCombo->addItem(tr("All Accounts"), QString());
    for (const Account& account : m_appState->accountRepository()->findAll())
        m_accountCombo->addItem(account.name, account.id);
}

void ReportsScreen::refresh()
{
    {
        const auto loading = holdLoading();
        reloadAccounts();
    }
    runReport();
}

void ReportsScreen::onDataChanged()
{
    if (isVisible())
        refresh();
}

void ReportsScreen::applyDatePreset(int index)
{
    const QList<DatePreset> presets = datePresets();
    if (index < 0 || index >= presets.size())
        return;
    const DatePreset& preset = presets.at(index);
    const bool custom = preset.name == ReportFormat::kCustomPreset;
    m_fromEdit->setVisible(custom);
    m_toEdit->setVisible(custom);
    m_rangeLabel->setVisible(!custom);
    if (custom)
        return;
    {
        const auto loading = holdLoading();
        m_fromEdit->setDate(preset.from);
        m_toEdit->setDate(preset.to);
    }
    m_rangeLabel->setText(tr("%1 – %2").arg(shortDateText(preset.from), shortDateText(preset.to)));
}

void ReportsScreen::onDatePresetChanged(int index)
{
    applyDatePreset(index);
    if (!m_loading)
        runReport();
}

void ReportsScreen::onFilterChanged()
{
    if (!m_loading)
        runReport();
}

void ReportsScreen::runReport()
{
    // Nothing before the tables exist, and no run inside another run or a
    // reload (widgets set then would ask for one).
    if (!m_tables[TransactionsTab] || m_loading)
        return;
    const auto loading = holdLoading();
    fillTables(m_accountCombo->currentData().toString(), m_fromEdit->date(), m_toEdit->date());
    emit reportsUpdated();
}

void ReportsScreen::exportCurrentTab()
{
    const int tab = m_tabs->currentIndex();
    QTableWidget* source = table(tab);
    if (!source || source->rowCount() == 0)
        return;
    const QString path =
        MessageBoxes::chooseFile({MessageBoxes::FileRequest::Kind::Save, this, tr("Export CSV"),
                                  ReportFormat::exportFileName(tab), tr("CSV Files (*.csv)")});
    if (path.isEmpty())
        return;

    // The cells as displayed: formatted money, short dates, the Total row.
    QStringList headers;
    for (int c = 0; c < source->columnCount(); ++c) {
        const QTableWidgetItem* header = source->horizontalHeaderItem(c);
        headers << (header ? header->text() : QString());
    }
    QList<QStringList> rows;
    rows.reserve(source->rowCount());
    for (int r = 0; r < source->rowCount(); ++r) {
        QStringList cells;
        for (int c = 0; c < source->columnCount(); ++c) {
            const QTableWidgetItem* item = source->item(r, c);
            cells << (item ? item->text() : QString());
        }
        rows.append(cells);
    }

    // Written whole or not at all; a failure is said, naming the file.
    const QByteArray text = ReportService::toCsv(headers, rows).toUtf8();
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text) || file.write(text) != text.size() || !file.commit()) {
        MessageBoxes::warning(
            this, tr("Export CSV"),
            tr("The report could not be saved to %1.\n\n%2").arg(QDir::toNativeSeparators(path), file.errorString()));
    }
}
