#include "ui/dialogs/messageboxes.h"

#include <QDialog>
#include <QFileDialog>
#include <QInputDialog>

namespace MessageBoxes {

namespace {

Presenter& presenter()
{
    static Presenter p;
    return p;
}

DialogRunner& dialogRunner()
{
    static DialogRunner r;
    return r;
}

FileChooser& fileChooser()
{
    static FileChooser c;
    return c;
}

TextPresenter& textPresenter()
{
    static TextPresenter p;
    return p;
}

QMessageBox::StandardButton showReal(const Request& r)
{
    QMessageBox box(r.icon, r.title, r.text, r.buttons, r.parent);
    // User and server text is shown as plain text, never as markup.
    box.setTextFormat(Qt::PlainText);
    if (r.defaultButton != QMessageBox::NoButton)
        box.setDefaultButton(r.defaultButton);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

} // namespace

void setPresenter(Presenter p)
{
    presenter() = std::move(p);
}

void setDialogRunner(DialogRunner r)
{
    dialogRunner() = std::move(r);
}

void setFileChooser(FileChooser c)
{
    fileChooser() = std::move(c);
}

void setTextPresenter(TextPresenter p)
{
    textPresenter() = std::move(p);
}

QMessageBox::StandardButton show(const Request& request)
{
    if (presenter())
        return presenter()(request);
    return showReal(request);
}

QMessageBox::StandardButton critical(QWidget* parent, const QString& title, const QString& text)
{
    return show({QMessageBox::Critical, parent, title, text, QMessageBox::Ok, QMessageBox::NoButton});
}

QMessageBox::StandardButton warning(QWidget* parent, const QString& title, const QString& text)
{
    return show({QMessageBox::Warning, parent, title, text, QMessageBox::Ok, QMessageBox::NoButton});
}

QMessageBox::StandardButton information(QWidget* parent, const QString& title, const QString& text)
{
    return show({QMessageBox::Information, parent, title, text, QMessageBox::Ok, QMessageBox::NoButton});
}

QMessageBox::StandardButton question(QWidget* parent, const QString& title, const QString& text,
                                     QMessageBox::StandardButton defaultButton)
{
    return show({QMessageBox::Question, parent, title, text, QMessageBox::Yes | QMessageBox::No, defaultButton});
}

int exec(QDialog* dialog)
{
    if (dialogRunner())
        return dialogRunner()(dialog);
    return dialog->exec();
}

QStringList chooseFiles(const FileRequest& r)
{
    if (fileChooser())
        return fileChooser()(r);
    switch (r.kind) {
    case FileRequest::Kind::OpenMany:
        return QFileDialog::getOpenFileNames(r.parent, r.caption, r.path, r.filter);
    case FileRequest::Kind::Save: {
        const QString path = QFileDialog::getSaveFileName(r.parent, r.caption, r.path, r.filter);
        return path.isEmpty() ? QStringList() : QStringList{path};
    }
    case FileRequest::Kind::Open:
        break;
    }
    const QString path = QFileDialog::getOpenFileName(r.parent, r.caption, r.path, r.filter);
    return path.isEmpty() ? QStringList() : QStringList{path};
}

QString chooseFile(const FileRequest& request)
{
    return chooseFiles(request).value(0);
}

std::optional<QString> chooseItem(QWidget* parent, const QString& title, const QString& label,
                                  const QStringList& items, int current)
{
    QInputDialog dialog(parent);
    dialog.setWindowTitle(title);
    dialog.setLabelText(label);
    dialog.setComboBoxItems(items);
    dialog.setComboBoxEditable(false);
    dialog.setTextValue(items.value(current));
    if (exec(&dialog) != QDialog::Accepted)
        return std::nullopt;
    return dialog.textValue();
}

std::optional<QString> getText(const TextRequest& request)
{
    if (textPresenter())
        return textPresenter()(request);
    bool ok = false;
    const QString text
        = QInputDialog::getText(request.parent, request.title, request.label, request.echoMode, request.text, &ok);
    if (!ok)
        return std::nullopt;
    return text;
}

} // namespace MessageBoxes
