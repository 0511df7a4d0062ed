#pragma once

#include <QLineEdit>
#include <QMessageBox>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

class QDialog;
class QWidget;

// Every modal message box and dialog run goes through here, so tests can
// replace the presenter and never block on a modal loop.
namespace MessageBoxes {

struct Request
{
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QWidget* parent = nullptr;
    QString title;
    QString text;
    QMessageBox::StandardButtons buttons = QMessageBox::Ok;
    QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
};

// A file chooser's question: one file to open, several to open, or one to
// save.
struct FileRequest
{
    enum class Kind { Open, OpenMany, Save };
    Kind kind = Kind::Open;
    QWidget* parent = nullptr;
    QString caption;
    // The start directory, or for Save the proposed file.
    QString path;
    QString filter;
};

// One line of text asked for in a modal input dialog.
struct TextRequest
{
    QWidget* parent = nullptr;
    QString title;
    QString label;
    QLineEdit::EchoMode echoMode = QLineEdit::Normal;
    QString text; // the prefill
};

using Presenter = std::function<QMessageBox::StandardButton(const Request&)>;
using DialogRunner = std::function<int(QDialog*)>;
// The chosen paths; empty when cancelled.
using FileChooser = std::function<QStringList(const FileRequest&)>;
// The entered text, or none when the dialog was cancelled.
using TextPresenter = std::function<std::optional<QString>(const TextRequest&)>;

// Replaces the presenter (an empty function restores the real message box).
void setPresenter(Presenter presenter);
// Replaces how modal dialogs are run (empty restores QDialog::exec).
void setDialogRunner(DialogRunner runner);
// Replaces the file chooser (empty restores QFileDialog's).
void setFileChooser(FileChooser chooser);
// Replaces the text input dialog (empty restores QInputDialog).
void setTextPresenter(TextPresenter presenter);

QMessageBox::StandardButton show(const Request& request);
QMessageBox::StandardButton critical(QWidget* parent, const QString& title, const QString& text);
QMessageBox::StandardButton warning(QWidget* parent, const QString& title, const QString& text);
QMessageBox::StandardButton information(QWidget* parent, const QString& title, const QString& text);
// Yes/No question; returns Yes or No.
QMessageBox::StandardButton question(QWidget* parent, const QString& title, const QString& text,
                                     QMessageBox::StandardButton defaultButton = QMessageBox::No);
// Runs a modal dialog and returns its result code.
int exec(QDialog* dialog);
// Asks for one line of text; none when cancelled.
std::optional<QString> getText(const TextRequest& request);

// The chosen paths; empty when cancelled.
QStringList chooseFiles(const FileRequest& request);
// The first chosen path; empty when cancelled.
QString chooseFile(const FileRequest& request);
// One of the items, from a non-editable list that starts on `current`
// (a QInputDialog run through exec); empty when cancelled.
std::optional<QString> chooseItem(QWidget* parent, const QString& title, const QString& label,
                                  const QStringList& items, int current = 0);

} // namespace MessageBoxes
