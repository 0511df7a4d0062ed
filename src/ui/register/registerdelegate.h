#pragma once

#include "data/records.h"

#include <QString>
#include <QStringList>
#include <QStyledItemDelegate>

#include <optional>

class AppState;
class RegisterModel;

// Paints register rows in one-line or two-line mode and creates the inline
// editor of each column.
class RegisterDelegate : public QStyledItemDelegate
{
    Q_OBJECT
public:
    RegisterDelegate(AppState* appState, QObject* parent = nullptr);

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;
    void updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                              const QModelIndex& index) const override;

    // Payees for the completion: every known payee, then a transfer entry
    // for every other live account.
    QStringList payeeCompletions() const;
    // Payee autofill of the entry row, for a payee typed here or chosen from
    // the completion: fills the buffers from the payee's last transaction in
    // the account (`keepMemo` leaves a memo typed with the payee alone) and
    // returns that transaction; none when the payee has none.
    std::optional<Transaction> autofillEntryRow(RegisterModel* model, int viewRow, const QString& payee,
                                                bool keepMemo) const;

    AppState* appState;
    QString accountId;    // account of the register; set by the screen
    bool twoLineMode = false;

    static constexpr int TwoLineRowHeight = 52;
    static constexpr int FirstLineHeight = 36;

private:
    QWidget* createPayeeEditor(QWidget* parent, const QModelIndex& index) const;
    QWidget* createCategoryEditor(QWidget* parent) const;
    static bool payeeChanged(const QString& buffered, const QString& typed);
};
