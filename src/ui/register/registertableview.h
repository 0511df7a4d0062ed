#pragma once

#include <QPointer>
#include <QTableView>

class RegisterScreen;

// The register's table: Tab and Backtab move between fields through the
// screen, Space or C toggles the cleared mark, keyboard moves never land on
// the Balance column, and typing never searches the rows.
class RegisterTableView : public QTableView
{
    Q_OBJECT
public:
    explicit RegisterTableView(QWidget* parent = nullptr);

    // The screen that takes the field moves; null until it sets itself.
    QPointer<RegisterScreen> screen;

    void keyboardSearch(const QString& search) override;
    using QTableView::edit;

protected:
    bool edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) override;
    bool event(QEvent* e) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool focusNextPrevChild(bool next) override;
    void commitData(QWidget* editor) override;
    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override;
    QModelIndex moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers) override;

private:
    bool focusInsidePayeeMemoEditor() const;
    // An editor the view has already let go of (closed, or dropped by a
    // model reset) while a queued write-back for it was still on its way.
    static bool isReleasedEditor(const QWidget* editor);
};
