#pragma once

#include "services/importservice.h"
#include "services/importsetup.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <functional>
#include <memory>
#include <optional>

class AppState;
class QAbstractItemModel;
class QCheckBox;
class QComboBox;
class QLabel;
class QPlainTextEdit;
class QProgressDialog;
class QPushButton;
class QRadioButton;
class QStackedWidget;
class CsvPreviewModel;
class QTableView;
class QifMappingBox;

// The Import Transactions window: a CSV file into one account, with its
// columns mapped and a preview of the rows as they will be stored, or QIF
// files into accounts chosen per source account; the import runs with a
// progress dialog and ends on a summary of what happened.
class ImportScreen : public QWidget
{
    Q_OBJECT
public:
    explicit ImportScreen(AppState* appState, QWidget* parent = nullptr);
    ~ImportScreen() override;

    // Back to a CSV import without files, with the accounts read anew.
    void refresh();
    // True while an import is being written.
    bool isRunning() const { return m_running; }

signals:
    // Data may have changed: an import wrote rows, or the user closed the
    // summary of an import with "Done".
    void importCompleted();

public slots:
    void selectFile();
    void runImport();

private:
    void reloadAccounts();
    // A sync repair renamed rows of `table` (old id → new id): the chosen
    // target accounts stay chosen under their new ids.
    void followRenamedIds(const QString& table, const QHash<QString, QString>& renamed);
    void resetFile();
    static QComboBox* makeColumnCombo(QAbstractItemModel* columns);
    // The column lists for the file's first row and column count, each
    // keeping its choice where the new list still holds it.
    void updateColumnCombos();
    void onFormatToggled();
    void loadCsvPreview();
    // Draws the shown rows with the current mapping.
    // Reads the file's digest and counts with the mapping; a file that
    // cannot be read is warned about and dropped.
    bool readCsvFile(const CsvColumnMapping& mapping);
    void showCsvPreview();
    // No CSV file: path, label and preview cleared.
    void clearCsvFile();
    void clearCsvPreview();
    CsvColumnMapping currentMapping() const;
    void buildQifMappingRows(const QList<QifSourceAccount>& sources);
    void clearQifMappingRows();
    void selectQifFiles();
    void setQifFiles(const QStringList& paths);

    void runCsvImport();
    void runQifImport();
    // The import's target: the chosen live account, or one made now when
    // there is none; empty when the run is off.
    QString csvTarget();
    // The import with its progress dialog; the dialog exists for this run
    // only.
    ImportResult runWithProgress(const std::function<ImportResult()>& work);
    std::unique_ptr<QProgressDialog> makeProgressDialog(const QString& label, int minimumDuration);
    // Tells the outcome: the summary page (a rolled-back import's too), or
    // a warning when the import found nothing.
    void showOutcome(const ImportResult& result, const QStringList& notes);
    void warnUnreadable(const QStringList& paths);

    AppState* m_appState;
    QRadioButton* m_csvRadio = nullptr;
    QRadioButton* m_qifRadio = nullptr;
    QComboBox* m_accountCombo = nullptr;
    QLabel* m_fileLabel = nullptr;
    QString m_csvPath;
    QStringList m_qifFiles;
    QComboBox* m_dateCombo = nullptr;
    QComboBox* m_payeeCombo = nullptr;
    QComboBox* m_amountCombo = nullptr;
    QComboBox* m_memoCombo = nullptr;
    QComboBox* m_categoryCombo = nullptr;
    // The items of the column combos, made on demand: Date, Payee and
    // Amount share the first, Memo and Category the second with "(none)".
    ImportSetup::CsvColumnListModel* m_columnList = nullptr;
    ImportSetup::CsvColumnListModel* m_optionalColumnList = nullptr;
    QComboBox* m_dateFormatCombo = nullptr;
    QCheckBox* m_headerCheck = nullptr;
    QTableView* m_previewTable = nullptr;
    CsvPreviewModel* m_previewModel = nullptr;
    QifMappingBox* m_qifBox = nullptr;
    QLabel* m_accountLabel = nullptr;
    QPlainTextEdit* m_log = nullptr;
    QStackedWidget* m_pages = nullptr;
    // The shown rows of the CSV file and the counts of all of its rows;
    // the file itself is read again for another way of reading its rows.
    std::optional<ImportSetup::CsvFilePreview> m_csvFile;
    // The digest of the file's bytes taken before its preview was read.
    QByteArray m_csvHash;
    int m_previewColumnCount = -1;
    QWidget* m_csvBox = nullptr;
    QLabel* m_previewSummary = nullptr;
    bool m_running = false;
};
