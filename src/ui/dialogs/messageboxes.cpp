#include "ui/dialogs/messageboxes.h"

#include <QDialog>
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
