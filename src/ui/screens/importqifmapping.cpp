#include "ui/screens/importqifmapping.h"

#include "ui/style.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QScrollArea>
#include <QVBoxLayout>

using ImportSetup::kCreateChoice;
using ImportSetup::kSkipChoice;

namespace {

const QString kRowsLayoutName = QStringLiteral("qifMapRowsLayout");

} // namespace

QifMappingBox::QifMappingBox(QWidget* parent)
    : QWidget(parent)
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* heading = new QLabel(tr("QIF source accounts:"), this);
    applyFontRole(heading, int(FontRole::Body), 700);
    layout->addWidget(heading);
    auto* help = new QLabel(tr("Choose where each Quicken account should be imported. Accounts mapped across the "
                               "selected files will have their transfers linked automatically."),
                            this);
    help->setWordWrap(true);
    layout->addWidget(help);

    // Files of many accounts make many rows; they scroll instead of
    // stretching the window.
    auto* scroll = new QScrollArea(this);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    auto* rowsWidget = new QWidget(scroll);
    auto* rows = new QFormLayout(rowsWidget);
    rows->setObjectName(kRowsLayoutName);
    rows->setContentsMargins(0, 0, 0, 0);
    scroll->setWidget(rowsWidget);
    layout->addWidget(scroll, 1);
}

QFormLayout* QifMappingBox::rowsLayout() const
{
    return findChild<QFormLayout*>(kRowsLayoutName);
}

void QifMappingBox::build(const QList<QifSourceAccount>& sources, const QList<Account>& accounts)
{
    clear();
    QFormLayout* form = rowsLayout();
    if (!form)
        return;
    for (const QifSourceAccount& source : sources) {
        auto* combo = new QComboBox;
        combo->addItem(tr("— Create new account \"%1\" —").arg(ImportSetup::qifNewAccountName(source)),
                       QLatin1String(kCreateChoice));
        combo->addItem(tr("— Skip these transactions —"), QLatin1String(kSkipChoice));
        for (const Account& account : accounts)
            combo->addItem(account.name, account.id);
        const int match = ImportSetup::matchingAccount(source, accounts);
        if (match >= 0)
            combo->setCurrentIndex(match + 2);
        form->addRow(source.label, combo);
        m_rows.append({source, combo});
    }
}

void QifMappingBox::rebuild(const QList<Account>& accounts)
{
    const QList<ImportSetup::QifTargetChoice> kept = choices();
    QList<QifSourceAccount> sources;
    for (const ImportSetup::QifTargetChoice& c : kept)
        sources.append(c.source);
    build(sources, accounts);
    for (const ImportSetup::QifTargetChoice& c : kept)
        setChoice(c.source.key, c.choice);
}

void QifMappingBox::clear()
{
    if (QFormLayout* form = rowsLayout()) {
        while (form->rowCount() > 0)
            form->removeRow(0);
    }
    m_rows.clear();
}

void QifMappingBox::setChoice(const QString& sourceKey, const QString& accountId)
{
    for (const QifMappingRow& row : std::as_const(m_rows)) {
        if (row.source.key != sourceKey)
            continue;
        const int index = row.targetCombo->findData(accountId);
        if (index >= 0)
            row.targetCombo->setCurrentIndex(index);
    }
}

QList<ImportSetup::QifTargetChoice> QifMappingBox::choices() const
{
    QList<ImportSetup::QifTargetChoice> result;
    for (const QifMappingRow& row : m_rows)
        result.append({row.source, row.targetCombo->currentData().toString()});
    return result;
}
