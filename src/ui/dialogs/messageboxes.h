#pragma once

#include <QMessageBox>
#include <QString>

#include <functional>

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

using Presenter = std::function<QMessageBox::StandardButton(const Request&)>;
using DialogRunner = std::function<int(QDialog*)>;

// Replaces the presenter (an empty function restores the real message box).
void setPresenter(Presenter presenter);
// Replaces how modal dialogs are run (empty restores QDialog::exec).
void setDialogRunner(DialogRunner runner);

QMessageBox::StandardButton show(const Request& request);
QMessageBox::StandardButton critical(QWidget* parent, const QString& title, const QString& text);
QMessageBox::StandardButton warning(QWidget* parent, const QString& title, const QString& text);
QMessageBox::StandardButton information(QWidget* parent, const QString& title, const QString& text);
// Yes/No question; returns Yes or No.
QMessageBox::StandardButton question(QWidget* parent, const QString& title, const QString& text,
                                     QMessageBox::StandardButton defaultButton = QMessageBox::No);
// Runs a modal dialog and returns its result code.
int exec(QDialog* dialog);

} // namespace MessageBoxes
