#pragma once

#include "services/importsetup.h"

#include <QAbstractTableModel>

// The import window's preview of a CSV file: every row of the file, each
// read from the file only when the view asks for it, so that a file of a
// million rows takes the memory of one piece of it.
class CsvPreviewModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;

    // Shows the file's rows read with its mapping, the columns headed by
    // the fields `mapping` feeds from them; null shows nothing.
    void setFile(const ImportSetup::CsvFilePreview* file, const CsvColumnMapping& mapping);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    std::optional<ImportSetup::CsvFilePreview> m_file;
    // Headers are made when the view asks: a file may hold millions of
    // columns.
    CsvColumnMapping m_headerMapping;
    // The row last read: a view asks for each of its cells and roles.
    mutable int m_cachedRow = -1;
    mutable ImportSetup::CsvPreviewRow m_shown;
    mutable QStringList m_fields;
};
