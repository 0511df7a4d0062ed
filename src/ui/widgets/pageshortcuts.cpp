#include "ui/widgets/pageshortcuts.h"

#include <QListWidget>
#include <QShortcut>

void addPageShortcuts(QWidget* window, QListWidget* navigation)
{
    const auto step = [navigation](int delta) {
        const int count = navigation->count();
        if (count > 0)
            navigation->setCurrentRow((navigation->currentRow() + delta + count) % count);
    };
    auto* next = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_PageDown), window);
    QObject::connect(next, &QShortcut::activated, navigation, [step] { step(1); });
    auto* previous = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_PageUp), window);
    QObject::connect(previous, &QShortcut::activated, navigation, [step] { step(-1); });
}
