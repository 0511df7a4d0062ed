#include "ui/screens/csvpreviewmodel.h"

#include <QCoreApplication>
#include <QFont>
#include <QGuiApplication>
#include <QPalette>

using ImportSetup::CsvPreviewRow;

void CsvPreviewModel::setFile(const ImportSetup::CsvFilePreview* file, const CsvColumnMapping& mapping)
{
    beginResetModel();
    m_file.reset();
    if (file)
        m_file = *file;
    m_headerMapping = mapping;
    m_cachedRow = -1;
    endResetModel();
}

int CsvPreviewModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() || !m_file ? 0 : m_file->rowCount;
}

int CsvPreviewModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() || !m_file ? 0 : m_file->columnCount;
}

QVariant CsvPreviewModel::data(const QModelIndex& index, int role) const
{
    if (!m_file || !index.isValid())
        return QVariant();
    if (index.row() != m_cachedRow) {
        m_cachedRow = index.row();
        // A file changed since it was read may no longer give the row: its
        // cells stay empty (the import refuses such a file).
        if (!m_file->row(index.row(), m_shown, m_fields)) {
            m_shown = CsvPreviewRow();
            m_fields.clear();
        }
    }
    const int column = index.column();
    const QString cell = m_shown.cells.value(column);
    const bool record = m_shown.kind == CsvPreviewRow::Kind::Record;
    switch (role) {
    case Qt::DisplayRole:
        return cell;
    case Qt::ForegroundRole:
        return record ? QVariant() : QGuiApplication::palette().color(QPalette::Disabled, QPalette::Text);
    case Qt::ToolTipRole:
        if (!record)
            return m_shown.note;
        if (column < m_fields.size() && m_fields.at(column) != cell)
            return QCoreApplication::translate("ImportScreen", "In the file: %1").arg(m_fields.at(column));
        return QVariant();
    case Qt::FontRole:
        if (m_shown.kind == CsvPreviewRow::Kind::Header) {
            QFont font;
            font.setItalic(true);
            return font;
        }
        return QVariant();
    case Qt::TextAlignmentRole:
        if (record && column == m_file->mapping.amountColumn)
            return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
        return QVariant();
    default:
        return QVariant();
    }
}

QVariant CsvPreviewModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole)
        return section >= 0 && section < columnCount() ? ImportSetup::csvPreviewHeader(section, m_headerMapping)
                                                       : QString();
    return QAbstractTableModel::headerData(section, orientation, role);
}
