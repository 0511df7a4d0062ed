#pragma once

#include <QComboBox>
#include <QCompleter>
#include <QDate>
#include <QLineEdit>
#include <QWidget>

#include <QStringList>

// Object names other register code looks the payee editor up by.
inline constexpr char PayeeMemoEditorName[] = "PayeeMemoEditor";
inline constexpr char PayeeEditName[] = "payeeEdit";
inline constexpr char MemoEditName[] = "memoEdit";
// Dynamic property of the category combo: the id of its current item.
inline constexpr char CategoryIdProperty[] = "_larkCategoryId";

// True when the widget or one of its parents below `stop` is the two-line
// payee editor.
bool insidePayeeMemoEditor(const QWidget* widget, const QWidget* stop = nullptr);

// Reads an amount cell's text as the register writes it (two decimals, or
// digits as hundredths in auto-decimal mode) into hundredths; false when the
// text reads as no number.
bool readEntryAmount(const QString& text, qint64* amount);

class QKeyEvent;
// The register's command keys (Ctrl+Return, Ctrl+E, Ctrl+D, Ctrl+I, Ctrl+N,
// Ctrl+M, Alt+Return). The cell editors pass them on to the register
// instead of taking them: on Linux a line edit binds Ctrl+E and Ctrl+D to
// cursor moves and deletion.
bool isRegisterCommandKey(const QKeyEvent* key);

// Line edit of the register's cells. Return or Enter while its completion
// popup is open takes the popup's current entry instead of leaving the cell.
class RegisterLineEdit : public QLineEdit
{
    Q_OBJECT
public:
    explicit RegisterLineEdit(QWidget* parent = nullptr);

protected:
    bool event(QEvent* e) override;
};

// The register's date cell: shows its stored date as M/d/yyyy, all of it
// selected, so a typed date replaces it; the date shortcut keys act on the
// stored date. The typed text is read only when the cell is written back.
class SmartDateEdit : public RegisterLineEdit
{
    Q_OBJECT
public:
    explicit SmartDateEdit(QWidget* parent = nullptr);

    // Stores the date and redisplays it.
    void setDate(const QDate& date);
    // The typed text as a date when it reads as one, else the stored date.
    QDate date() const;

public slots:
    void openCalendarPopup();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void updateDisplay();

    QDate m_date;
};

class RegisterComboBox : public QComboBox
{
    Q_OBJECT
public:
    explicit RegisterComboBox(QWidget* parent = nullptr);

protected:
    bool event(QEvent* e) override;
};

// Completer whose Tab and Return take the highlighted entry and move on:
// inside the two-line payee editor to its memo line, elsewhere to the next
// cell (Shift+Tab to the previous one). With nothing highlighted the typed
// text stays, except in a combo box (the category), which takes the only
// entry offered.
class TabCompleter : public QCompleter
{
    Q_OBJECT
public:
    explicit TabCompleter(QObject* parent = nullptr);
    TabCompleter(QAbstractItemModel* model, QObject* parent = nullptr);
    TabCompleter(const QStringList& list, QObject* parent = nullptr);

    // True for the keys that choose from the open popup and move on.
    static bool acceptsAndMoves(const QKeyEvent* key);
    // Takes the entry for the key and moves on; the popup must be open.
    void acceptAndMove(const QKeyEvent* key);

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    void configure();
};

// Two-line payee cell: payee over an italic memo line.
class PayeeMemoEditor : public QWidget
{
    Q_OBJECT
public:
    explicit PayeeMemoEditor(QWidget* parent = nullptr);

    RegisterLineEdit* payeeEdit() const { return m_payee; }
    RegisterLineEdit* memoEdit() const { return m_memo; }

private:
    RegisterLineEdit* m_payee;
    RegisterLineEdit* m_memo;
};
