#pragma once

#include "services/importservice.h"
#include "services/importsetup.h"

#include <QList>
#include <QWidget>

class QComboBox;
class QFormLayout;

// One source account of the chosen QIF files and the box choosing where
// its transactions go.
struct QifMappingRow
{
    QifSourceAccount source;
    QComboBox* targetCombo = nullptr; // owned by the box's form layout
};

// The QIF part of the import window: one row per source account, each
// offering a new account, no import, or one of the live accounts.
class QifMappingBox : public QWidget
{
    Q_OBJECT
public:
    explicit QifMappingBox(QWidget* parent = nullptr);

    // Replaces the rows. A source named in an account header preselects the
    // live account of that name (letter case ignored), any other "create".
    void build(const QList<QifSourceAccount>& sources, const QList<Account>& accounts);
    // Rebuilds the rows with these accounts, keeping each row's choice
    // where it is still offered.
    void rebuild(const QList<Account>& accounts);
    void clear();
    // Selects the account for the source, when the row offers it.
    void setChoice(const QString& sourceKey, const QString& accountId);

    const QList<QifMappingRow>& rows() const { return m_rows; }
    QList<ImportSetup::QifTargetChoice> choices() const;

private:
    QFormLayout* rowsLayout() const;

    QList<QifMappingRow> m_rows;
};
