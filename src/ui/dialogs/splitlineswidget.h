#pragma once

#include "data/records.h"

#include <QHash>
#include <QList>
#include <QPair>
#include <QString>
#include <QWidget>

class AppState;
class QComboBox;
class QTableWidget;

// The id a category combo box stands for: the current item's id when its
// label is the edit text (so two categories with the same label never swap),
// else the first item labelled exactly as typed, else empty.
QString comboCategoryId(const QComboBox* combo);
// The items' ids (their Qt::UserRole data) that a sync repair renamed take
// their new ids (`renamed`: old id → new id).
void followComboIds(QComboBox* combo, const QHash<QString, QString>& renamed);

// Editable table of split lines: category, positive amount and memo per
// row. It stores nothing; the caller gives the sign of the lines it reads.
class SplitLinesWidget : public QWidget
{
    Q_OBJECT
public:
    explicit SplitLinesWidget(AppState* appState, QWidget* parent = nullptr);

    void addLine();
    void removeCurrentLine();
    // Replaces every row; an empty list gives two empty rows.
    void setLines(const QList<SplitLine>& lines);
    // Sum of the rows in minor units, each row rounded on its own.
    qint64 amountTotal() const;
    // The rows with an amount, as new lines (fresh ids) signed by `sign`.
    QList<SplitLine> lines(int sign) const;

    // The first row (0-based) that has an amount but no category, or -1.
    int uncategorizedRow() const;
    // Warns and returns false while a row with an amount has no category:
    // such a line cannot be stored, so the dialogs refuse OK instead.
    bool checkCategories(QWidget* parent);

    QTableWidget* table() const { return m_table; }

signals:
    void changed();

private:
    qint64 rowCents(int row) const;
    QComboBox* rowCombo(int row) const;
    // Categories a sync repair renamed (`table` "categories", old id → new
    // id): the choices and every row keep their category under its new id.
    void followRenamedIds(const QString& table, const QHash<QString, QString>& renamed);

    AppState* m_appState;
    QTableWidget* m_table = nullptr;
    QList<QPair<QString, QString>> m_choices; // (category id, label)
};
