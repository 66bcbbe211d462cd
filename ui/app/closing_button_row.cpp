#include "app/closing_button_row.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QPushButton>

namespace galloria {

ClosingButtonRow MakeClosingButtonRow(QDialog& dialog, const QString& caption)
{
    auto* button = new QPushButton(caption, &dialog);
    button->setDefault(true);
    QObject::connect(button, &QPushButton::clicked, &dialog, &QDialog::accept);
    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(button);
    return {row, button};
}

} // namespace galloria
