#include "ui/register/registerdelegate.h"

#include "app/appstate.h"
#include "data/accountrepository.h"
#include "data/categoryrepository.h"
#include "data/money.h"
#include "data/transactionrepository.h"
#include "ui/widgets/dateinput.h"
#include "ui/register/registereditors.h"
#include "ui/register/registermodel.h"
#include "ui/register/registerscreen.h"
#include "ui/style.h"

#include <QApplication>
#include <QHash>
#include <QHeaderView>
#include <QPainter>
#include <QTableView>

#include <algorithm>
#include <limits>

namespace {

QColor dimmedColor()
{
    return QColor(QStringLiteral("#6E8A7E"));
}

QString plainAmount(qint64 amount)
{
    return formatAmountPlain(amount, CurrencyCode::USD);
}

// The memo line's font: italic and one point smaller, at least 7 points.
QFont memoFont(QFont font)
{
    font.setItalic(true);
    if (font.pointSizeF() > 0)
        font.setPointSizeF(std::max(font.pointSizeF() - 1.0, 7.0));
    else if (font.pixelSize() > 0)
        font.setPixelSize(std::max(font.pixelSize() - 1, 7));
    return font;
}

// Balance texts are plain numbers; the bracketed form counts as negative.
bool readsNegative(const QString& text)
{
    QString digits = text;
    digits.remove(QLatin1Char('$'));
    digits.remove(QLatin1Char(','));
    digits.remove(QLatin1Char('('));
    digits.remove(QLatin1Char(')'));
    bool ok = false;
    const double value = digits.trimmed().toDouble(&ok);
    if (!ok)
        return false;
    return value < 0 || text.contains(QLatin1Char('('));
}

QTableView* tableViewOf(const QWidget* widget)
{
    for (QWidget* w = const_cast<QWidget*>(widget); w; w = w->parentWidget()) {
        if (auto* view = qobject_cast<QTableView*>(w))
            return view;
    }
    return nullptr;
}

} // namespace

RegisterDelegate::RegisterDelegate(AppState* state, QObject* parent)
    : QStyledItemDelegate(parent)
    , appState(state)
{
}

QSize RegisterDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    QSize size = QStyledItemDelegate::sizeHint(option, index);
    if (twoLineMode)
        size.setHeight(TwoLineRowHeight);
    return size;
}

void RegisterDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    if (!twoLineMode) {
        QStyledItemDelegate::paint(painter, option, index);
        return;
    }

    painter->save();
    QStyleOptionViewItem opt(option);
    initStyleOption(&opt, index);
    opt.text.clear();
    const QWidget* widget = opt.widget;
    QStyle* style = widget ? widget->style() : QApplication::style();
    const int column = index.column();
    const QRect cell = opt.rect;
    const QColor rowBackground = opt.palette.color(index.row() % 2 ? QPalette::AlternateBase : QPalette::Base);

    painter->fillRect(cell, rowBackground);
    if (column == RegisterModel::PayeeColumn) {
        style->drawControl(QStyle::CE_ItemViewItem, &opt, painter, widget);
    } else {
        QStyleOptionViewItem top(opt);
        top.rect.setHeight(FirstLineHeight);
        style->drawControl(QStyle::CE_ItemViewItem, &top, painter, widget);
    }

    const QRect textRect = cell.adjusted(4, 0, -4, 0);
    QRect firstLine = textRect;
    firstLine.setHeight(FirstLineHeight);
    Qt::Alignment alignment = Qt::AlignLeft;
    if (column == RegisterModel::PaymentColumn || column == RegisterModel::DepositColumn
        || column == RegisterModel::BalanceColumn)
        alignment = Qt::AlignRight;
    else if (column == RegisterModel::ClearedColumn)
        alignment = Qt::AlignHCenter;
    alignment |= Qt::AlignVCenter;

    const bool selected = opt.state & QStyle::State_Selected;
    QColor textColor = opt.palette.color(QPalette::Text);
    if (selected) {
        textColor = opt.palette.color(QPalette::HighlightedText);
    } else {
        const QVariant foreground = index.data(Qt::ForegroundRole);
        if (foreground.canConvert<QBrush>() && foreground.isValid())
            textColor = foreground.value<QBrush>().color();
    }

    const QString text = index.data(Qt::DisplayRole).toString();
    const bool registerModel = qobject_cast<const RegisterModel*>(index.model()) != nullptr;
    const QString memo = registerModel
        ? index.sibling(index.row(), RegisterModel::MemoColumn).data(Qt::DisplayRole).toString()
        : QString();
    const QColor memoColor = selected ? opt.palette.color(QPalette::HighlightedText) : dimmedColor();
    const auto drawMemo = [&](const QRect& rect) {
        if (memo.isEmpty() || rect.width() <= 0)
            return;
        painter->setFont(memoFont(opt.font));
        painter->setPen(memoColor);
        painter->drawText(rect, Qt::AlignLeft | Qt::AlignVCenter, memo);
    };

    painter->setFont(opt.font);
    painter->setPen(textColor);
    if (column == RegisterModel::PayeeColumn) {
        painter->drawText(firstLine, alignment, text);
        drawMemo(QRect(QPoint(textRect.left(), cell.top() + FirstLineHeight), QPoint(textRect.right(), cell.bottom())));
    } else {
        if (column == RegisterModel::BalanceColumn && !selected && readsNegative(text))
            painter->setPen(negativeColor());
        painter->drawText(firstLine, alignment, text);
        if (column == RegisterModel::CategoryColumn) {
            // The memo line runs under Payee and Category together.
            if (QTableView* view = tableViewOf(widget)) {
                const int left = view->horizontalHeader()->sectionViewportPosition(RegisterModel::PayeeColumn) + 4;
                drawMemo(QRect(QPoint(left, cell.top() + FirstLineHeight), QPoint(cell.right() - 4, cell.bottom())));
            }
        }
    }
    painter->restore();
}

QStringList RegisterDelegate::payeeCompletions() const
{
    QStringList list;
    if (!appState)
        return list;
    if (TransactionRepository* transactions = appState->transactionRepository())
        list = transactions->distinctPayees();
    if (AccountRepository* accounts = appState->accountRepository()) {
        QString ownEntry;
        for (const Account& account : accounts->findAll()) {
            const QString entry = QStringLiteral("[Transfer] %1").arg(account.name);
            if (account.id == accountId) {
                ownEntry = entry;
                continue;
            }
            if (!list.contains(entry))
                list.append(entry);
        }
        // The other side of a transfer names this account as its payee; a
        // transfer to itself must not be offered here.
        if (!ownEntry.isEmpty() && !accountId.isEmpty())
            list.removeAll(ownEntry);
    }
    return list;
}

QWidget* RegisterDelegate::createPayeeEditor(QWidget* parent, const QModelIndex& index) const
{
    const QStringList payees = payeeCompletions();
    auto* screen = qobject_cast<RegisterScreen*>(QObject::parent());
    const auto attach = [&](RegisterLineEdit* edit) {
        if (screen) {
            screen->attachPayeeCompleter(edit, payees, index);
        } else {
            // Without a screen there is no autofill on choosing; the
            // completion itself still works.
            edit->setCompleter(new TabCompleter(payees, edit));
        }
    };

    if (!twoLineMode) {
        auto* edit = new RegisterLineEdit(parent);
        edit->setFocusPolicy(Qt::ClickFocus);
        attach(edit);
        return edit;
    }
    auto* editor = new PayeeMemoEditor(parent);
    editor->memoEdit()->setPlaceholderText(tr("Memo"));
    attach(editor->payeeEdit());
    return editor;
}

QWidget* RegisterDelegate::createCategoryEditor(QWidget* parent) const
{
    auto* combo = new RegisterComboBox(parent);
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->addItem(QString(), QString());

    const QList<Category> categories =
        appState && appState->categoryRepository() ? appState->categoryRepository()->findAll() : QList<Category>();
    QHash<QString, QString> names;
    for (const Category& category : categories)
        names.insert(category.id, category.name);
    for (const Category& category : categories) {
        const auto parentName = names.constFind(category.parentId);
        const QString text = !category.parentId.isEmpty() && parentName != names.constEnd()
            ? QStringLiteral("%1 > %2").arg(*parentName, category.name)
            : category.name;
        combo->addItem(text, category.id);
    }

    auto* completer = new TabCompleter(combo->model(), combo);
    combo->setCompleter(completer);
    connect(completer, qOverload<const QString&>(&QCompleter::activated), combo, [combo](const QString& text) {
        const int item = combo->findText(text);
        if (item >= 0)
            combo->setCurrentIndex(item);
    });
    combo->setProperty(CategoryIdProperty, QString());
    connect(combo, &QComboBox::currentIndexChanged, combo, [combo](int item) {
        combo->setProperty(CategoryIdProperty, combo->itemData(item, Qt::UserRole).toString());
    });
    return combo;
}

QWidget* RegisterDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                        const QModelIndex& index) const
{
    Q_UNUSED(option);
    QWidget* editor = nullptr;
    switch (index.column()) {
    case RegisterModel::DateColumn:
        editor = new SmartDateEdit(parent);
        break;
    case RegisterModel::PayeeColumn:
        return createPayeeEditor(parent, index);
    case RegisterModel::CategoryColumn:
        editor = createCategoryEditor(parent);
        break;
    default: {
        auto* edit = new RegisterLineEdit(parent);
        if (index.column() == RegisterModel::PaymentColumn || index.column() == RegisterModel::DepositColumn)
            edit->setAlignment(Qt::AlignRight);
        editor = edit;
        break;
    }
    }
    editor->setFocusPolicy(Qt::ClickFocus);
    return editor;
}

void RegisterDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const
{
    const QString text = index.data(Qt::EditRole).toString();
    const auto* model = qobject_cast<const RegisterModel*>(index.model());

    if (auto* date = qobject_cast<SmartDateEdit*>(editor)) {
        const QDate parsed = parseTypedDate(text);
        if (parsed.isValid())
            date->setDate(parsed);
        return;
    }
    if (editor->objectName() == QLatin1String(PayeeMemoEditorName)) {
        if (auto* payee = editor->findChild<QLineEdit*>(QLatin1String(PayeeEditName)))
            payee->setText(text);
        auto* memo = editor->findChild<QLineEdit*>(QLatin1String(MemoEditName));
        if (memo && model)
            memo->setText(index.sibling(index.row(), RegisterModel::MemoColumn).data(Qt::EditRole).toString());
        return;
    }
    if (auto* combo = qobject_cast<QComboBox*>(editor)) {
        // The id decides first: a name shared by two categories, or the
        // name of a deleted one, must not pick another category.
        int item = -1;
        if (model && !model->categoryIdText.isEmpty())
            item = combo->findData(model->categoryIdText, Qt::UserRole);
        if (item < 0)
            item = combo->findText(text);
        if (item >= 0)
            combo->setCurrentIndex(item);
        else
            combo->setCurrentText(text);
        return;
    }
    if (auto* edit = qobject_cast<QLineEdit*>(editor))
        edit->setText(text);
}

void RegisterDelegate::setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const
{
    auto* registerModel = qobject_cast<RegisterModel*>(model);
    const int column = index.column();

    if (auto* date = qobject_cast<SmartDateEdit*>(editor)) {
        // Text that is no date ("2/30/24") stays as typed, so the commit
        // refuses it instead of saving another date without a word.
        const QString typed = date->text().trimmed();
        const bool unreadable = !typed.isEmpty() && !parseTypedDate(typed).isValid();
        model->setData(index, unreadable ? typed : date->date().toString(QStringLiteral("M/d/yyyy")), Qt::EditRole);
        return;
    }
    if (editor->objectName() == QLatin1String(PayeeMemoEditorName)) {
        if (!registerModel)
            return;
        const QString previousPayee = registerModel->payeeText;
        const QString previousMemo = registerModel->memoText;
        if (auto* memo = editor->findChild<QLineEdit*>(QLatin1String(MemoEditName)))
            registerModel->setEditBuffer(RegisterModel::MemoColumn, memo->text());
        auto* payee = editor->findChild<QLineEdit*>(QLatin1String(PayeeEditName));
        if (!payee)
            return;
        registerModel->setEditBuffer(RegisterModel::PayeeColumn, payee->text());
        if (registerModel->isBufferedEntryRow(index.row()) && payeeChanged(previousPayee, payee->text()))
            autofillEntryRow(registerModel, index.row(), registerModel->payeeText.trimmed(),
                             registerModel->memoText != previousMemo);
        return;
    }
    if (auto* combo = qobject_cast<QComboBox*>(editor)) {
        const QString text = combo->currentText();
        if (registerModel) {
            int item = combo->currentIndex();
            if (item < 0 || combo->itemText(item) != text)
                item = combo->findText(text);
            QString id = item >= 0 ? combo->itemData(item, Qt::UserRole).toString() : QString();
            // An untouched text keeps its category, also when that category
            // is not offered (deleted) or shares its name with a live one.
            if (text == registerModel->categoryText && !registerModel->categoryIdText.isEmpty()
                && (item < 0 || combo->findData(registerModel->categoryIdText, Qt::UserRole) < 0))
                id = registerModel->categoryIdText;
            // The id first: writing the text redisplays the open editor from
            // the buffers, which must not still name the old category.
            registerModel->setCategoryId(id);
        }
        model->setData(index, text, Qt::EditRole);
        return;
    }
    if (auto* edit = qobject_cast<QLineEdit*>(editor)) {
        QString text = edit->text();
        // Auto-decimal digits become the amount they stand for; text that
        // reads as none stays as typed, for the commit to refuse.
        qint64 amount = 0;
        if ((column == RegisterModel::PaymentColumn || column == RegisterModel::DepositColumn) && amountAutoDecimal()
            && !text.trimmed().isEmpty() && readEntryAmount(text, &amount))
            text = plainAmount(amount);
        const QString previousPayee = registerModel ? registerModel->payeeText : QString();
        model->setData(index, text, Qt::EditRole);
        if (column == RegisterModel::PayeeColumn && registerModel && registerModel->isBufferedEntryRow(index.row())
            && payeeChanged(previousPayee, text))
            autofillEntryRow(registerModel, index.row(), registerModel->payeeText.trimmed(), false);
    }
}

bool RegisterDelegate::payeeChanged(const QString& buffered, const QString& typed)
{
    // Writing back a payee cell the user only passed through must not fill
    // the row again over an amount or memo typed since.
    return typed.trimmed() != buffered.trimmed();
}

std::optional<Transaction> RegisterDelegate::autofillEntryRow(RegisterModel* model, int viewRow, const QString& payee,
                                                              bool keepMemo) const
{
    if (payee.isEmpty() || !appState || !appState->transactionRepository())
        return std::nullopt;
    const std::optional<Transaction> last = appState->transactionRepository()->findLastByPayee(payee, accountId);
    if (!last)
        return std::nullopt;
    std::optional<Category> category;
    if (!last->categoryId.isEmpty() && appState->categoryRepository())
        category = appState->categoryRepository()->findById(last->categoryId);
    model->fillFromTransaction(viewRow, *last, category, keepMemo);
    return last;
}

void RegisterDelegate::updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                                            const QModelIndex& index) const
{
    if (!twoLineMode) {
        QStyledItemDelegate::updateEditorGeometry(editor, option, index);
        return;
    }
    QRect rect = option.rect;
    if (index.column() != RegisterModel::PayeeColumn)
        rect.setHeight(FirstLineHeight);
    editor->setGeometry(rect);
}
