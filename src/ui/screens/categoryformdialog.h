#pragma once

#include "data/records.h"

#include <QDialog>
#include <QHash>
#include <QString>

class QCheckBox;
class QComboBox;
class QDialogButtonBox;
class QLabel;
class QLineEdit;

// Modal form for a new category, a new subcategory under a given parent, or
// an edited category: name, type, tax-relevant flag and tax code. It stores
// nothing: after an accepted run the caller takes category(). OK stays
// disabled while the name is blank.
class CategoryFormDialog : public QDialog
{
    Q_OBJECT
public:
    // A new category; a non-empty parentId makes it a subcategory, and a
    // non-empty parentName shows the parent.
    CategoryFormDialog(const QString& parentId, const QString& parentName, QWidget* parent = nullptr);
    // Editing; the category keeps its parent.
    CategoryFormDialog(const Category& category, const QString& parentName, QWidget* parent = nullptr);
    ~CategoryFormDialog() override;

    // The category the form describes.
    Category category() const;

    // The live categories; OK then refuses, with a message, a name that
    // another of them has under the same parent.
    void setExistingCategories(const QList<Category>& categories);
    void accept() override;
    // Rows of `table` took new ids (old id → new id) while the form is open:
    // the category, its parent and the categories its name is checked
    // against follow. The opener forwards them; the form knows no sync
    // engine.
    void followRenamedIds(const QString& table, const QHash<QString, QString>& renamed);

private:
    void setupUi(const QString& parentName);
    void loadCategory();
    void setTaxCodeEnabled(bool enabled);

    QLineEdit* m_nameEdit = nullptr;
    QComboBox* m_typeCombo = nullptr;
    QCheckBox* m_taxRelevantCheck = nullptr;
    QLineEdit* m_taxCodeEdit = nullptr;
    QLabel* m_taxCodeLabel = nullptr;
    QLabel* m_parentLabel = nullptr;
    QDialogButtonBox* m_buttons = nullptr;
    Category m_category;
    QString m_parentId;
    bool m_editMode = false;
    QList<Category> m_existing;
};
