#pragma once

#include "services/reportformat.h"

#include <QList>
#include <QScopeGuard>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <array>
#include <functional>

class AppState;
class QComboBox;
class QDateEdit;
class QLabel;
class QPushButton;
class QTabWidget;
class QTableWidget;
class QTimer;

// The Reports window: the eight reports of ReportService for an account and
// a period, one tab each, and the CSV export of the current tab. Every
// change of a filter, a date or the current tab runs all eight again.
// (The tabs themselves are built and filled in reporttabs.cpp.)
class ReportsScreen : public QWidget
{
    Q_OBJECT
public:
    enum Tab {
        CategorySpendingTab,
        PayeeSummaryTab,
        TaxReportTab,
        IncomeVsExpensesTab,
        CashFlowTab,
        YearOverYearTab,
        AccountSummaryTab,
        TransactionsTab,
        TabCount
    };

    explicit ReportsScreen(AppState* appState, QWidget* parent = nullptr);
    ~ReportsScreen() override;

    // Refills the account list (back on "All Accounts") and runs the reports;
    // the main window calls it before every showing.
    void refresh();

    QTableWidget* table(int tab) const;

    // Delay after the last change of the data before the reports run again:
    // a burst of changes (an import) gives one run.
    static constexpr int kChangeDelayMs = 200;

signals:
    // After every run of the eight reports.
    void reportsUpdated();

private slots:
    void onDatePresetChanged(int index);
    void onFilterChanged();
    void runReport();
    void exportCurrentTab();

private:
    void reloadAccounts();
    QList<DatePreset> datePresets() const;
    void applyDatePreset(int index);
    static void setupDateEdit(QDateEdit* edit);
    void onDataChanged();

    // Tabs (reporttabs.cpp).
    static QTableWidget* makeReportTable(const QStringList& headers);
    static void appendTotalRow(QTableWidget* table, qint64 first, qint64 second, qint64 third);
    void buildTabs();
    void buildYearOverYearTab();
    void buildTransactionsTab();
    void applyComparePreset(int index);
    void setComparePeriodsText();
    void fillTables(const QString& accountId, QDate from, QDate to);

    // The loading flag is set until the guard ends, then restored to what
    // it was, however the holder returns.
    [[nodiscard]] QScopeGuard<std::function<void()>> holdLoading();

    AppState* m_appState;
    QTabWidget* m_tabs = nullptr;
    QComboBox* m_accountCombo = nullptr;
    QComboBox* m_periodCombo = nullptr;
    QLabel* m_rangeLabel = nullptr;
    QDateEdit* m_fromEdit = nullptr;
    QDateEdit* m_toEdit = nullptr;
    QComboBox* m_compareCombo = nullptr;
    QLabel* m_periodsLabel = nullptr;
    QWidget* m_customRangeBox = nullptr;
    QDateEdit* m_p1FromEdit = nullptr;
    QDateEdit* m_p1ToEdit = nullptr;
    QDateEdit* m_p2FromEdit = nullptr;
    QDateEdit* m_p2ToEdit = nullptr;
    std::array<QTableWidget*, TabCount> m_tables{};
    bool m_loading = true;
    QTimer* m_changeTimer = nullptr;
};
