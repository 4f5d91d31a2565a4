#include "toolkit/number_dialog.h"

#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QPushButton>
#include <QSpinBox>

std::optional<std::vector<int>> ask_numbers(const std::string& title, const std::vector<NumberField>& fields,
                                            int minimum, int maximum)
{
    QDialog dialog(QApplication::activeWindow());
    dialog.setWindowTitle(QString::fromStdString(title));
    auto* form = new QFormLayout(&dialog);
    std::vector<QSpinBox*> boxes;
    for (const NumberField& field : fields) {
        auto* box = new QSpinBox;
        box->setRange(minimum, maximum);
        box->setValue(field.value);
        box->setAccessibleName(QString::fromStdString(field.label));
        form->addRow(QString::fromStdString(field.label), box);  // the label names its field
        boxes.push_back(box);
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    buttons->button(QDialogButtonBox::Ok)->setDefault(true);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    form->addRow(buttons);
    if (!boxes.empty()) {
        boxes.front()->setFocus();
        boxes.front()->selectAll();
    }
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    std::vector<int> values;
    for (QSpinBox* box : boxes) {
        box->interpretText();  // a number typed but not yet taken in
        values.push_back(box->value());
    }
    return values;
}
