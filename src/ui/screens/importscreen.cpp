#include "ui/screens/importscreen.h"

#include "app/appstate.h"
#include "data/accountrepository.h"
#include "data/transactionrepository.h"
#include "services/accountsetup.h"
#include "services/importsetup.h"
#include "sync/syncengine.h"
#include "ui/dialogs/accountformdialog.h"
#include "ui/dialogs/messageboxes.h"
#include "ui/dialogs/splitlineswidget.h"
#include "ui/screens/csvpreviewmodel.h"
#include "ui/screens/importqifmapping.h"
#include "ui/style.h"


#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListView>
#include <QPlainTextEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QStackedWidget>
#include <QHeaderView>
#include <QTableView>
#include <QVBoxLayout>

#include <array>
#include <vector>

using namespace ImportSetup;

namespace {

constexpr int kSetupPage = 0;
constexpr int kResultPage = 1;
// A short import finishes before its progress dialog would flash up.
constexpr int kImportDialogDelayMs = 500;
constexpr int kAnalysisDialogDelayMs = 200;
constexpr int kEventSliceMs = 5;
constexpr int kColumnComboMinWidth = 160;
// Column lists up to this long are as wide as their widest item; measuring
// every item of a list of a million columns would take minutes.
constexpr int kMeasuredColumns = 1000;
constexpr int kPreviewMinHeight = 220;

QString fileName(const QString& path)
{
    return path.section(QLatin1Char('/'), -1);
}

void selectData(QComboBox* combo, int data)
{
    const int index = combo->findData(data);
    if (index >= 0)
        combo->setCurrentIndex(index);
}

} // namespace

ImportScreen::ImportScreen(AppState* appState, QWidget* parent)
    : QWidget(parent)
    , m_appState(appState)
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 16, 16, 16);
    auto* title = new QLabel(tr("Import Transactions"), this);
    applyFontRole(title, int(FontRole::Title), 700);
    layout->addWidget(title);
    m_pages = new QStackedWidget(this);
    m_pages->setObjectName(QStringLiteral("pages"));
    layout->addWidget(m_pages, 1);

    // Setup page: format, account, file, then the CSV mapping or the QIF rows.
    auto* setup = new QWidget(m_pages);
    auto* setupLayout = new QVBoxLayout(setup);
    setupLayout->setContentsMargins(0, 0, 0, 0);
    auto* form = new QFormLayout;
    auto* formatRow = new QHBoxLayout;
    formatRow->setContentsMargins(0, 0, 0, 0);
    m_csvRadio = new QRadioButton(tr("CSV"), setup);
    m_csvRadio->setObjectName(QStringLiteral("csvRadio"));
    m_csvRadio->setChecked(true);
    m_qifRadio = new QRadioButton(tr("QIF"), setup);
    m_qifRadio->setObjectName(QStringLiteral("qifRadio"));
    auto* formats = new QButtonGroup(this);
    formats->setExclusive(true);
    formats->addButton(m_csvRadio);
    formats->addButton(m_qifRadio);
    formatRow->addWidget(m_csvRadio);
    formatRow->addWidget(m_qifRadio);
    formatRow->addStretch();
    auto* formatLabel = new QLabel(tr("&Format:"), setup);
    formatLabel->setBuddy(m_csvRadio);
    form->addRow(formatLabel, formatRow);
    m_accountCombo = new QComboBox(setup);
    m_accountCombo->setObjectName(QStringLiteral("accountCombo"));
    m_accountLabel = new QLabel(tr("&Account:"), setup);
    m_accountLabel->setBuddy(m_accountCombo);
    form->addRow(m_accountLabel, m_accountCombo);
    auto* fileRow = new QHBoxLayout;
    m_fileLabel = new QLabel(tr("No file selected"), setup);
    m_fileLabel->setObjectName(QStringLiteral("fileLabel"));
    auto* browse = new QPushButton(tr("Browse..."), setup);
    browse->setObjectName(QStringLiteral("browseButton"));
    fileRow->addWidget(m_fileLabel, 1);
    fileRow->addWidget(browse);
    form->addRow(tr("File:"), fileRow);
    setupLayout->addLayout(form);
    setupLayout->addSpacing(16);

    m_csvBox = new QWidget(setup);
    auto* csvLayout = new QVBoxLayout(m_csvBox);
    csvLayout->setContentsMargins(0, 0, 0, 0);
    auto* csvHeading = new QLabel(tr("CSV Column Mapping:"), m_csvBox);
    applyFontRole(csvHeading, int(FontRole::Body), 700);
    csvLayout->addWidget(csvHeading);
    // Two columns of settings leave the preview its room in the window's
    // first size.
    auto* mapRow = new QHBoxLayout;
    auto* requiredForm = new QFormLayout;
    auto* optionalForm = new QFormLayout;
    mapRow->addLayout(requiredForm);
    mapRow->addSpacing(16);
    mapRow->addLayout(optionalForm);
    mapRow->addStretch();
    m_columnList = new CsvColumnListModel(false, this);
    m_optionalColumnList = new CsvColumnListModel(true, this);
    const auto addColumnRow = [](QFormLayout* form, QComboBox*& combo, const QString& label,
                                 QAbstractItemModel* columns, const char* name) {
        combo = makeColumnCombo(columns);
        combo->setObjectName(QLatin1String(name));
        form->addRow(label, combo);
    };
    addColumnRow(requiredForm, m_dateCombo, tr("Date column:"), m_columnList, "dateColumnCombo");
    addColumnRow(requiredForm, m_payeeCombo, tr("Payee column:"), m_columnList, "payeeColumnCombo");
    addColumnRow(requiredForm, m_amountCombo, tr("Amount column:"), m_columnList, "amountColumnCombo");
    addColumnRow(optionalForm, m_memoCombo, tr("Memo column:"), m_optionalColumnList, "memoColumnCombo");
    addColumnRow(optionalForm, m_categoryCombo, tr("Category column:"), m_optionalColumnList, "categoryColumnCombo");
    m_dateFormatCombo = new QComboBox(m_csvBox);
    m_dateFormatCombo->setObjectName(QStringLiteral("dateFormatCombo"));
    m_dateFormatCombo->addItem(tr("Auto-detect"), QString());
    for (const char* format : {"MM/dd/yyyy", "M/d/yyyy", "M/dd/yyyy", "dd/MM/yyyy", "yyyy-MM-dd", "yyyyMMdd",
                               "MM/dd/yy"})
        m_dateFormatCombo->addItem(QLatin1String(format), QLatin1String(format));
    m_dateFormatCombo->addItem(tr("Month D, YYYY (May 14, 2026)"), QStringLiteral("MMMM d, yyyy"));
    optionalForm->addRow(tr("Date format:"), m_dateFormatCombo);
    m_headerCheck = new QCheckBox(tr("First row is header"), m_csvBox);
    m_headerCheck->setObjectName(QStringLiteral("headerCheck"));
    m_headerCheck->setChecked(true);
    requiredForm->addRow(QString(), m_headerCheck);
    csvLayout->addLayout(mapRow);
    m_previewTable = new QTableView(m_csvBox);
    m_previewTable->setObjectName(QStringLiteral("previewTable"));
    m_previewModel = new CsvPreviewModel(m_previewTable);
    m_previewTable->setModel(m_previewModel);
    // Rows of one height: the view then never measures a million of them.
    m_previewTable->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_previewTable->setMinimumHeight(kPreviewMinHeight);
    m_previewTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_previewTable->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    csvLayout->addWidget(m_previewTable, 1);
    m_previewSummary = new QLabel(m_csvBox);
    m_previewSummary->setObjectName(QStringLiteral("previewSummary"));
    csvLayout->addWidget(m_previewSummary);
    setupLayout->addWidget(m_csvBox, 1);

    m_qifBox = new QifMappingBox(setup);
    m_qifBox->setObjectName(QStringLiteral("qifBox"));
    m_qifBox->hide();
    setupLayout->addWidget(m_qifBox, 1);
    // Takes the room while neither box shows.
    setupLayout->addStretch();
    auto* importButton = new QPushButton(tr("Import"), setup);
    importButton->setObjectName(QStringLiteral("importButton"));
    setupLayout->addWidget(importButton);
    m_pages->addWidget(setup);

    // Result page: the summary of the import.
    auto* result = new QWidget(m_pages);
    auto* resultLayout = new QVBoxLayout(result);
    resultLayout->setContentsMargins(0, 0, 0, 0);
    m_log = new QPlainTextEdit(result);
    m_log->setObjectName(QStringLiteral("log"));
    m_log->setReadOnly(true);
    m_log->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    m_log->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    setFontRole(m_log, FontRole::Body);
    resultLayout->addWidget(m_log, 1);
    auto* done = new QPushButton(tr("Done"), result);
    done->setObjectName(QStringLiteral("doneButton"));
    resultLayout->addWidget(done, 0, Qt::AlignHCenter);
    m_pages->addWidget(result);

    connect(browse, &QPushButton::clicked, this, &ImportScreen::selectFile);
    connect(importButton, &QPushButton::clicked, this, &ImportScreen::runImport);
    connect(m_csvRadio, &QRadioButton::toggled, this, &ImportScreen::onFormatToggled);
    connect(m_qifRadio, &QRadioButton::toggled, this, &ImportScreen::onFormatToggled);
    connect(done, &QPushButton::clicked, this, [this] {
        emit importCompleted();
        resetFile();
        window()->close();
    });
    // The preview follows every mapping control.
    for (QComboBox* combo : {m_dateCombo, m_payeeCombo, m_amountCombo, m_memoCombo, m_categoryCombo, m_dateFormatCombo})
        connect(combo, &QComboBox::currentIndexChanged, this, &ImportScreen::showCsvPreview);
    connect(m_headerCheck, &QCheckBox::toggled, this, &ImportScreen::showCsvPreview);
    if (SyncEngine* engine = m_appState->syncEngine())
        connect(engine, &SyncEngine::idsRenamed, this, &ImportScreen::followRenamedIds);

    onFormatToggled();
}

ImportScreen::~ImportScreen() = default;

QComboBox* ImportScreen::makeColumnCombo(QAbstractItemModel* columns)
{
    auto* combo = new QComboBox;
    combo->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    combo->setMinimumWidth(kColumnComboMinWidth);
    combo->setModel(columns);
    // Items of one line each: the popup's list lays them out by the size
    // of one rather than measuring every one.
    if (auto* list = qobject_cast<QListView*>(combo->view()))
        list->setUniformItemSizes(true);
    return combo;
}

void ImportScreen::onFormatToggled()
{
    const bool csv = m_csvRadio->isChecked();
    m_csvBox->setVisible(csv);
    m_accountCombo->setVisible(csv);
    m_accountLabel->setVisible(csv);
    if (csv) {
        m_qifBox->hide();
        clearQifMappingRows();
    }
}

void ImportScreen::refresh()
{
    resetFile();
    m_accountCombo->clear();
    reloadAccounts();
    // The account shown in the register is the likely target.
    const int current = m_accountCombo->findData(m_appState->currentAccountId());
    if (current >= 0)
        m_accountCombo->setCurrentIndex(current);
}

void ImportScreen::reloadAccounts()
{
    const QString selected = m_accountCombo->currentData().toString();
    m_accountCombo->clear();
    const QList<Account> accounts = m_appState->accountRepository()->findAll();
    for (const Account& account : accounts)
        m_accountCombo->addItem(account.name, account.id);
    const int index = selected.isEmpty() ? -1 : m_accountCombo->findData(selected);
    if (index >= 0)
        m_accountCombo->setCurrentIndex(index);
}

void ImportScreen::followRenamedIds(const QString& table, const QHash<QString, QString>& renamed)
{
    if (table != QLatin1String("accounts"))
        return;
    // The items keep their places, so the current ones stay chosen.
    followComboIds(m_accountCombo, renamed);
    for (const QifMappingRow& row : m_qifBox->rows())
        followComboIds(row.targetCombo, renamed);
}

void ImportScreen::resetFile()
{
    m_qifFiles.clear();
    clearCsvFile();
    m_csvRadio->setChecked(true);
    clearQifMappingRows();
    m_qifBox->hide();
    m_log->clear();
    m_pages->setCurrentIndex(kSetupPage);
}

void ImportScreen::clearCsvFile()
{
    m_csvPath.clear();
    m_fileLabel->setText(tr("No file selected"));
    m_fileLabel->setToolTip(QString());
    m_csvFile.reset();
    m_csvHash.clear();
    clearCsvPreview();
}

void ImportScreen::clearCsvPreview()
{
    m_previewModel->setFile(nullptr, CsvColumnMapping());
    m_previewSummary->clear();
}

void ImportScreen::selectFile()
{
    if (m_qifRadio->isChecked()) {
        selectQifFiles();
        return;
    }
    const QStringList paths = MessageBoxes::chooseFiles(
        {MessageBoxes::FileRequest::Kind::Open, this, tr("Select File"), QString(), tr("CSV Files (*.csv);;All Files (*)")});
    if (paths.isEmpty())
        return;
    clearQifMappingRows();
    m_qifBox->hide();
    const QString& path = paths.first();
    if (path != m_csvPath) {
        m_previewColumnCount = -1;
        // A format chosen for one file would misread another's dates.
        const QSignalBlocker block(m_dateFormatCombo);
        m_dateFormatCombo->setCurrentIndex(0);
    }
    m_csvPath = path;
    m_qifFiles.clear();
    m_fileLabel->setText(fileName(path));
    m_fileLabel->setToolTip(QDir::toNativeSeparators(path));
    loadCsvPreview();
}

void ImportScreen::loadCsvPreview()
{
    // Read the way a new file will most likely be mapped, so that the rows
    // are not read twice.
    CsvColumnMapping mapping = currentMapping();
    if (m_previewColumnCount < 0) {
        mapping.dateColumn = 0;
        mapping.payeeColumn = 1;
        mapping.amountColumn = 2;
    }
    if (!readCsvFile(mapping))
        return;
    if (m_csvFile->rowCount > 0) {
        const int columnCount = m_csvFile->columnCount;
        updateColumnCombos();
        if (columnCount >= 3 && columnCount != m_previewColumnCount) {
            const QSignalBlocker blockDate(m_dateCombo);
            const QSignalBlocker blockPayee(m_payeeCombo);
            const QSignalBlocker blockAmount(m_amountCombo);
            selectData(m_dateCombo, 0);
            selectData(m_payeeCombo, 1);
            selectData(m_amountCombo, 2);
        }
        m_previewColumnCount = columnCount;
    }
    showCsvPreview();
}

bool ImportScreen::readCsvFile(const CsvColumnMapping& mapping)
{
    // The digest before the rows: a change while they are read is found
    // at the import.
    const std::optional<QByteArray> hash = hashFile(m_csvPath);
    std::optional<CsvFilePreview> file = hash ? readCsvPreview(m_csvPath, mapping) : std::nullopt;
    if (!file) {
        // What the table showed belongs to another file, or to this one
        // as it was.
        warnUnreadable({m_csvPath});
        clearCsvFile();
        return false;
    }
    m_csvHash = *hash;
    m_csvFile = std::move(file);
    return true;
}

void ImportScreen::updateColumnCombos()
{
    const std::array<QComboBox*, 5> combos = {m_dateCombo, m_payeeCombo, m_amountCombo, m_memoCombo, m_categoryCombo};
    std::array<int, 5> indexes{};
    std::vector<QSignalBlocker> blocks;
    blocks.reserve(combos.size());
    for (std::size_t i = 0; i < combos.size(); ++i) {
        blocks.emplace_back(combos[i]);
        indexes[i] = combos[i]->currentIndex();
    }
    const int columnCount = m_csvFile->columnCount;
    const bool measured = columnCount <= kMeasuredColumns;
    const int longest = measured ? 0 : csvLongestColumnLabel(m_csvFile->firstRow, columnCount);
    for (QComboBox* combo : combos) {
        // A longer list is as wide as its longest item's characters (with
        // room for an icon: Qt sizes by characters no other way).
        combo->setSizeAdjustPolicy(measured ? QComboBox::AdjustToContents
                                            : QComboBox::AdjustToMinimumContentsLengthWithIcon);
        combo->setMinimumContentsLength(longest);
    }
    m_columnList->setColumns(m_csvFile->firstRow, m_csvFile->columnCount);
    m_optionalColumnList->setColumns(m_csvFile->firstRow, m_csvFile->columnCount);
    // A reset list has no current item; a list filled anew would take its
    // first.
    for (std::size_t i = 0; i < combos.size(); ++i) {
        const int count = combos[i]->count();
        combos[i]->setCurrentIndex(indexes[i] >= 0 && indexes[i] < count ? indexes[i] : (count > 0 ? 0 : -1));
    }
}

CsvColumnMapping ImportScreen::currentMapping() const
{
    // Every field from the controls: the record's defaults are no choice
    // the user made.
    CsvColumnMapping mapping;
    mapping.dateColumn = m_dateCombo->currentData().toInt();
    mapping.payeeColumn = m_payeeCombo->currentData().toInt();
    mapping.amountColumn = m_amountCombo->currentData().toInt();
    mapping.memoColumn = m_memoCombo->currentIndex() < 0 ? -1 : m_memoCombo->currentData().toInt();
    mapping.categoryColumn = m_categoryCombo->currentIndex() < 0 ? -1 : m_categoryCombo->currentData().toInt();
    mapping.hasHeader = m_headerCheck->isChecked();
    mapping.dateFormat = m_dateFormatCombo->currentData().toString();
    return mapping;
}

void ImportScreen::showCsvPreview()
{
    if (m_csvPath.isEmpty()) {
        clearCsvPreview();
        return;
    }
    const CsvColumnMapping mapping = currentMapping();
    // No row is kept: the counts of another way of reading the rows take
    // another pass over the file.
    if ((!m_csvFile || !readsRowsAlike(m_csvFile->mapping, mapping)) && !readCsvFile(mapping))
        return;
    if (m_csvFile->rowCount == 0) {
        clearCsvPreview();
        m_previewSummary->setText(tr("The file holds no rows."));
        return;
    }
    m_previewModel->setFile(&*m_csvFile, mapping);
    m_previewSummary->setText(csvPreviewSummary(m_csvFile->preview));
}

void ImportScreen::selectQifFiles()
{
    const QStringList paths = MessageBoxes::chooseFiles(
        {MessageBoxes::FileRequest::Kind::OpenMany, this, tr("Select QIF File(s)"), QString(), tr("QIF Files (*.qif)")});
    // Cancelling keeps the files and rows chosen before.
    if (paths.isEmpty())
        return;
    clearQifMappingRows();
    m_qifBox->hide();
    clearCsvFile();

    const QStringList unreadable = unreadableFiles(paths);
    if (!unreadable.isEmpty())
        warnUnreadable(unreadable);
    QStringList readable = paths;
    for (const QString& path : unreadable)
        readable.removeOne(path);
    setQifFiles(readable);
    if (readable.isEmpty())
        return;

    std::unique_ptr<QProgressDialog> progress = makeProgressDialog(tr("Analyzing QIF file(s)..."),
                                                                   kAnalysisDialogDelayMs);
    progress->setValue(0);
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, kEventSliceMs);
    const QifAnalysis analysis = m_appState->importService()->analyzeQifFiles(readable);
    progress.reset();

    if (analysis.accounts.isEmpty() || analysis.transactionCount == 0) {
        MessageBoxes::warning(this, tr("Nothing to Import"),
                              tr("No transactions that can be imported were found in the chosen QIF file(s)."));
        setQifFiles({});
        return;
    }
    buildQifMappingRows(analysis.accounts);
    m_qifBox->show();
}

void ImportScreen::setQifFiles(const QStringList& paths)
{
    m_qifFiles = paths;
    if (paths.isEmpty()) {
        m_fileLabel->setText(tr("No file selected"));
        m_fileLabel->setToolTip(QString());
    } else if (paths.size() == 1) {
        m_fileLabel->setText(fileName(paths.first()));
        m_fileLabel->setToolTip(QDir::toNativeSeparators(paths.first()));
    } else {
        m_fileLabel->setText(tr("%n file(s) selected", nullptr, int(paths.size())));
        QStringList native;
        for (const QString& path : paths)
            native.append(QDir::toNativeSeparators(path));
        m_fileLabel->setToolTip(native.join(QLatin1Char('\n')));
    }
}

void ImportScreen::buildQifMappingRows(const QList<QifSourceAccount>& sources)
{
    m_qifBox->build(sources, m_appState->accountRepository()->findAll());
}

void ImportScreen::clearQifMappingRows()
{
    m_qifBox->clear();
}

void ImportScreen::warnUnreadable(const QStringList& paths)
{
    QStringList native;
    for (const QString& path : paths)
        native.append(QDir::toNativeSeparators(path));
    MessageBoxes::warning(this, tr("Cannot Read File"),
                          native.size() == 1
                              ? tr("The file \"%1\" could not be opened or read.").arg(native.first())
                              : tr("These files could not be opened or read:\n%1").arg(native.join(QLatin1Char('\n'))));
}

void ImportScreen::runImport()
{
    // The service lets the event loop run while it works; a second click
    // must not start a second import inside the first.
    if (m_running)
        return;
    if (m_qifRadio->isChecked()) {
        if (!m_qifFiles.isEmpty())
            runQifImport();
    } else if (!m_csvPath.isEmpty()) {
        runCsvImport();
    }
}

void ImportScreen::runCsvImport()
{
    // The file may have gone or changed since the preview.
    const std::optional<QByteArray> hash = hashFile(m_csvPath);
    if (!hash) {
        warnUnreadable({m_csvPath});
        clearCsvFile();
        return;
    }
    if (*hash != m_csvHash || !m_csvFile) {
        loadCsvPreview();
        MessageBoxes::warning(this, tr("Import Transactions"),
                              tr("The file \"%1\" has changed since it was previewed. Check the preview and "
                                 "import again.")
                                  .arg(fileName(m_csvPath)));
        return;
    }
    const CsvColumnMapping mapping = currentMapping();
    if (csvDataRowCount(m_csvFile->rowCount, mapping.hasHeader) == 0) {
        MessageBoxes::warning(this, tr("Nothing to Import"),
                              tr("The file \"%1\" holds no rows to import.").arg(fileName(m_csvPath)));
        return;
    }
    const QString target = csvTarget();
    if (target.isEmpty())
        return;
    const QString path = m_csvPath;
    const ImportResult result =
        runWithProgress([&] { return m_appState->importService()->importCsv(path, target, mapping); });
    showOutcome(result, {});
}

QString ImportScreen::csvTarget()
{
    AccountRepository* accounts = m_appState->accountRepository();
    const QString selected = m_accountCombo->currentData().toString();
    if (!selected.isEmpty()) {
        if (isLiveAccount(*accounts, selected))
            return selected;
        MessageBoxes::warning(this, tr("Import Transactions"),
                              tr("The account \"%1\" no longer exists. Choose another account.")
                                  .arg(m_accountCombo->currentText()));
        reloadAccounts();
        return QString();
    }

    if (MessageBoxes::question(this, tr("No target account"), tr("Pick an account to import into, or create one now."),
                               QMessageBox::Yes)
        != QMessageBox::Yes)
        return QString();
    AccountFormDialog dialog(this);
    if (MessageBoxes::exec(&dialog) != QDialog::Accepted)
        return QString();
    const Account account = dialog.account();
    if (account.name.isEmpty())
        return QString();
    if (!createAccountWithOpeningBalance(m_appState->database(), accounts, m_appState->transactionRepository(), account,
                                         account.startingBalance, dialog.asOfDate())) {
        MessageBoxes::warning(this, tr("New Account"),
                              tr("The account \"%1\" could not be created.").arg(account.name));
        return QString();
    }
    reloadAccounts();
    m_accountCombo->setCurrentIndex(m_accountCombo->findData(account.id));
    return account.id;
}

void ImportScreen::runQifImport()
{
    const QStringList unreadable = unreadableFiles(m_qifFiles);
    if (!unreadable.isEmpty()) {
        warnUnreadable(unreadable);
        return;
    }
    if (m_qifBox->rows().isEmpty()) {
        MessageBoxes::warning(this, tr("Import Transactions"), tr("Choose the QIF files again to map their accounts."));
        return;
    }
    AccountRepository* accounts = m_appState->accountRepository();
    const QList<QifTargetChoice> choices = m_qifBox->choices();
    const QStringList gone = goneTargets(*accounts, choices);
    if (!gone.isEmpty()) {
        MessageBoxes::warning(this, tr("Import Transactions"),
                              tr("The account chosen for %1 no longer exists. Choose another one.")
                                  .arg(gone.join(QStringLiteral(", "))));
        m_qifBox->rebuild(accounts->findAll());
        return;
    }

    const QifTargets targets = resolveQifTargets(accounts, choices);
    QStringList notes;
    for (const QString& name : targets.notCreated)
        notes.append(tr("The account \"%1\" could not be created; its transactions were skipped.").arg(name));
    const QStringList files = m_qifFiles;
    const ImportResult result =
        runWithProgress([&] { return m_appState->importService()->importQif(files, targets.mapping); });

    if (result.failed || recordsRead(result) == 0) {
        // The accounts made for the run stay; the rows now offer them, so
        // another try does not make them twice.
        m_qifBox->rebuild(accounts->findAll());
        QStringList kept;
        for (auto it = targets.created.cbegin(); it != targets.created.cend(); ++it) {
            m_qifBox->setChoice(it.key(), it.value());
            if (const std::optional<Account> account = accounts->findById(it.value()))
                kept.append(account->name);
        }
        if (!kept.isEmpty())
            notes.append(tr("The accounts created for it were kept: %1.").arg(kept.join(QStringLiteral(", "))));
    }
    showOutcome(result, notes);
}

std::unique_ptr<QProgressDialog> ImportScreen::makeProgressDialog(const QString& label, int minimumDuration)
{
    auto dialog = std::make_unique<QProgressDialog>(label, tr("Cancel"), 0, 0, this);
    dialog->setWindowModality(Qt::WindowModal);
    dialog->setMinimumDuration(minimumDuration);
    dialog->setCancelButton(nullptr);
    return dialog;
}

ImportResult ImportScreen::runWithProgress(const std::function<ImportResult()>& work)
{
    m_running = true;
    std::unique_ptr<QProgressDialog> dialog = makeProgressDialog(tr("Importing..."), kImportDialogDelayMs);
    QProgressDialog* shown = dialog.get();
    ImportService* service = m_appState->importService();
    // The dialog is the context: the connections end with it.
    connect(service, &ImportService::importStarted, shown, [shown](int total) {
        shown->setMaximum(total);
        shown->setValue(0);
    });
    connect(service, &ImportService::importProgress, shown, [shown](int current, int total) {
        shown->setMaximum(total);
        shown->setValue(current);
    });
    const ImportResult result = work();
    dialog.reset();
    m_running = false;
    return result;
}

void ImportScreen::showOutcome(const ImportResult& result, const QStringList& notes)
{
    if (!result.failed && recordsRead(result) == 0) {
        MessageBoxes::warning(this, tr("Nothing to Import"),
                              (QStringList{tr("No transactions were found in the chosen file(s).")} + notes)
                                  .join(QStringLiteral("\n\n")));
        return;
    }
    QStringList lines = summaryLines(result);
    if (!notes.isEmpty())
        lines << QString() << notes;
    m_log->setPlainText(lines.join(QLatin1Char('\n')));
    m_pages->setCurrentIndex(kResultPage);
    // The register shows the new rows at once, also when the window is
    // closed without "Done".
    if (result.imported > 0)
        emit importCompleted();
}
