#include "game/extra_info_dlg.h"

#include "game/game_look.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace galloria {

CExtraInfoDlg::CExtraInfoDlg(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(tr("Extra Info"));
    ApplyGameLook(this);

    auto* intro = new QLabel(tr("Please fill out the information below. This information will be "
                                "necessary should you decide to post your scores to Tamberlyn's "
                                "website."),
                             this);
    intro->setWordWrap(true);
    intro->setFixedWidth(300);

    const QString labels[kFieldCount] = {tr("First Name:"), tr("Last Name:"), tr("Town/City:"),
                                         tr("Country:"), tr("Current Email Address:")};
    auto* form = new QVBoxLayout;
    form->setSpacing(3);
    for (int index = 0; index < kFieldCount; ++index) {
        auto* field = new QLineEdit(this);
        auto* label = new QLabel(labels[index], this);
        label->setBuddy(field);
        form->addWidget(label);
        form->addWidget(field);
        if (index + 1 < kFieldCount)
            form->addSpacing(3);
        fields_[index] = field;
        connect(field, &QLineEdit::textChanged, this, &CExtraInfoDlg::UpdateOk);
    }
    fields_[kFieldCount - 1]->setAlignment(Qt::AlignCenter);

    okButton_ = new QPushButton(tr("OK"), this);
    okButton_->setDefault(true);
    cancelButton_ = new QPushButton(tr("Cancel"), this);
    connect(okButton_, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancelButton_, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cancelButton_);
    buttons->addWidget(okButton_);
    buttons->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 12, 16, 12);
    layout->setSpacing(10);
    layout->addWidget(intro);
    layout->addLayout(form);
    layout->addLayout(buttons);
    setFixedSize(sizeHint());
}

void CExtraInfoDlg::Load(const PersonalDetails& details)
{
    const std::string* texts[kFieldCount] = {&details.first, &details.last, &details.city, &details.country,
                                             &details.email};
    for (int index = 0; index < kFieldCount; ++index)
        fields_[index]->setText(QString::fromStdString(*texts[index]));
    UpdateOk();
}

PersonalDetails CExtraInfoDlg::Read() const
{
    return {fields_[0]->text().toStdString(), fields_[1]->text().toStdString(),
            fields_[2]->text().toStdString(), fields_[3]->text().toStdString(),
            fields_[4]->text().toStdString()};
}

void CExtraInfoDlg::UpdateOk()
{
    okButton_->setEnabled(Read().Complete());
}

std::optional<PersonalDetails> CExtraInfoDlg::Ask(const PersonalDetails& stored)
{
    Load(stored);
    fields_[0]->setFocus();
    if (exec() != QDialog::Accepted)
        return std::nullopt;
    return Read();
}

} // namespace galloria
