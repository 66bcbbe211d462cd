#include "game/enter_names_dlg.h"

#include "game/game_look.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <QValidator>

namespace galloria {

namespace {

QString ToQt(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Lets a box hold what the names model accepts: a typed name of at most a
// name's length, or a list entry's text whole.
class NameValidator : public QValidator {
public:
    using QValidator::QValidator;

    State validate(QString& input, int&) const override
    {
        return NameBoxAccepts(input.toStdString()) ? Acceptable : Invalid;
    }
};

} // namespace

CEnterNamesDlg::CEnterNamesDlg(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(tr("Enter Name(s)"));
    ApplyGameLook(this);

    auto* hint = new QLabel(tr("Enter a new name or use the current one."), this);
    hint->setAlignment(Qt::AlignCenter);

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(10);
    for (int slot = 0; slot < kPlayerSlots; ++slot) {
        auto* label = new QLabel(tr("Player %1:").arg(slot + 1), this);
        auto* box = new QComboBox(this);
        box->setEditable(true);
        // Typed names are not kept as new entries, and no completion: a
        // name starting with "N" must not turn into "Not In Game".
        box->setInsertPolicy(QComboBox::NoInsert);
        box->setCompleter(nullptr);
        for (int entry = 0; entry < kNameListEntryCount; ++entry)
            box->addItem(ToQt(NameListEntry(entry)));
        box->lineEdit()->setValidator(new NameValidator(box));
        box->setMinimumWidth(170);
        box->setObjectName(QStringLiteral("nameBox%1").arg(slot + 1));
        label->setBuddy(box);
        grid->addWidget(label, slot, 0, Qt::AlignRight);
        grid->addWidget(box, slot, 1);
        boxes_[slot] = box;
    }

    playButton_ = new QPushButton(tr("PLAY"), this);
    playButton_->setDefault(true);
    cancelButton_ = new QPushButton(tr("Cancel"), this);
    connect(playButton_, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancelButton_, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(playButton_);
    buttons->addWidget(cancelButton_);
    buttons->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(18, 14, 18, 14);
    layout->setSpacing(12);
    layout->addWidget(hint);
    layout->addLayout(grid);
    layout->addLayout(buttons);
    setFixedSize(sizeHint());
}

void CEnterNamesDlg::Load(const PlayerNamesModel& names)
{
    for (int slot = 0; slot < kPlayerSlots; ++slot) {
        QComboBox* box = boxes_[slot];
        const int selection = names.Selection(slot);
        if (selection >= 0 && selection < kNameListEntryCount)
            box->setCurrentIndex(selection);
        box->setEditText(QString::fromStdString(names.Text(slot)));
    }
}

void CEnterNamesDlg::Store(PlayerNamesModel& names) const
{
    // A box reports its text; the model knows a list entry's text when it
    // sees one, so a picked entry and a typed text need no telling apart here.
    for (int slot = 0; slot < kPlayerSlots; ++slot)
        names.TypeText(slot, boxes_[slot]->currentText().toStdString());
}

bool CEnterNamesDlg::Ask(PlayerNamesModel& names)
{
    Load(names);
    boxes_[0]->setFocus();
    boxes_[0]->lineEdit()->selectAll();
    if (exec() != QDialog::Accepted)
        return false;
    Store(names);
    return true;
}

} // namespace galloria
