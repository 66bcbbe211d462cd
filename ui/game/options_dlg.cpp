#include "game/options_dlg.h"

#include "app/game_message_box.h"
#include "game/game_look.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QVBoxLayout>

#include <algorithm>

namespace galloria {

namespace {

// A group box of radio buttons in a row (or a column), each button's id the
// stored value it stands for.
QButtonGroup* RadioRow(QGroupBox* box, const QStringList& texts, bool vertical)
{
    auto* group = new QButtonGroup(box);
    QBoxLayout* layout = vertical ? static_cast<QBoxLayout*>(new QVBoxLayout(box))
                                  : static_cast<QBoxLayout*>(new QHBoxLayout(box));
    layout->setSpacing(vertical ? 2 : 10);
    for (int value = 0; value < texts.size(); ++value) {
        auto* button = new QRadioButton(texts[value], box);
        group->addButton(button, value);
        layout->addWidget(button);
    }
    layout->addStretch();
    return group;
}

// Checks the button of `value`; when no button stands for it the group is
// left without a check, and reading it back keeps the value.
void Check(QButtonGroup* group, int value)
{
    if (QAbstractButton* button = group->button(value)) {
        button->setChecked(true);
        return;
    }
    group->setExclusive(false);
    for (QAbstractButton* button : group->buttons())
        button->setChecked(false);
    group->setExclusive(true);
}

int Checked(const QButtonGroup* group, int opened)
{
    const int id = group->checkedId();
    return id >= 0 ? id : opened;
}

QLabel* ValueLabel(QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setAlignment(Qt::AlignCenter);
    label->setMinimumWidth(28);
    label->setStyleSheet(QStringLiteral("background: %1; border: 1px solid %2; font-weight: bold;")
                             .arg(look::kPaper.name(), look::kTurf.name()));
    return label;
}

QSlider* Slider(QWidget* parent, int minimum, int maximum, QLabel* value)
{
    auto* slider = new QSlider(Qt::Horizontal, parent);
    slider->setRange(minimum, maximum);
    slider->setTickPosition(QSlider::NoTicks);
    slider->setPageStep(1);
    // The value text follows the slider while it moves.
    QObject::connect(slider, &QSlider::valueChanged, value,
                     [value](int position) { value->setText(QString::number(position)); });
    return slider;
}

QLabel* Small(const QString& text, QWidget* parent, Qt::Alignment alignment)
{
    auto* label = new QLabel(text, parent);
    label->setAlignment(alignment);
    return label;
}

} // namespace

COptionsDlg::COptionsDlg(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(tr("Game Options"));
    ApplyGameLook(this);

    auto* soundBox = new QGroupBox(tr("Sound"), this);
    sound_ = RadioRow(soundBox, {tr("ON"), tr("OFF")}, false);

    auto* ownerBox = new QGroupBox(tr("Horse Ownership"), this);
    owner_ = RadioRow(ownerBox, {tr("ON"), tr("OFF")}, false);

    auto* speedBox = new QGroupBox(tr("Animation Speed"), this);
    speedValue_ = ValueLabel(speedBox);
    speed_ = Slider(speedBox, kMinAnimationSpeed, kMaxAnimationSpeed, speedValue_);
    {
        auto* layout = new QGridLayout(speedBox);
        layout->addWidget(speed_, 0, 0, 1, 2);
        layout->addWidget(speedValue_, 0, 2);
        layout->addWidget(Small(tr("Slower"), speedBox, Qt::AlignLeft), 1, 0);
        layout->addWidget(Small(tr("Faster"), speedBox, Qt::AlignRight), 1, 1);
        layout->setColumnStretch(0, 1);
        layout->setColumnStretch(1, 1);
    }

    auto* oddsBox = new QGroupBox(tr("Odds Accuracy"), this);
    oddsValue_ = ValueLabel(oddsBox);
    odds_ = Slider(oddsBox, kMinOddsAccuracy, kMaxOddsAccuracy, oddsValue_);
    {
        auto* layout = new QGridLayout(oddsBox);
        layout->addWidget(odds_, 0, 0, 1, 3);
        layout->addWidget(oddsValue_, 0, 3);
        layout->addWidget(Small(tr("Low"), oddsBox, Qt::AlignLeft), 1, 0);
        layout->addWidget(Small(tr("Med."), oddsBox, Qt::AlignHCenter), 1, 1);
        layout->addWidget(Small(tr("High"), oddsBox, Qt::AlignRight), 1, 2);
        for (int column = 0; column < 3; ++column)
            layout->setColumnStretch(column, 1);
    }

    auto* sortBox = new QGroupBox(tr("Racing Form Order"), this);
    sort_ = RadioRow(sortBox, {tr("None"), tr("Odds"), tr("Best Time"), tr("Results"), tr("Earnings")}, true);

    auto* viewBox = new QGroupBox(tr("View Race"), this);
    view_ = new QButtonGroup(viewBox);
    {
        // "Whole" and "Home" carry a second word beneath them: Race, Stretch.
        auto* layout = new QGridLayout(viewBox);
        layout->setVerticalSpacing(0);
        const QString texts[] = {tr("Whole"), tr("Home"), tr("None")};
        const QString beneath[] = {tr("Race"), tr("Stretch"), QString()};
        for (int value = 0; value < 3; ++value) {
            auto* button = new QRadioButton(texts[value], viewBox);
            view_->addButton(button, value);
            layout->addWidget(button, 0, value);
            if (!beneath[value].isEmpty()) {
                auto* word = new QLabel(beneath[value], viewBox);
                // Lined up with the button's text, past its indicator.
                word->setContentsMargins(20, 0, 0, 0);
                layout->addWidget(word, 1, value);
            }
        }
    }

    auto* graphicsBox = new QGroupBox(tr("Graphics"), this);
    graphics_ = RadioRow(graphicsBox, {tr("High"), tr("Medium"), tr("Low")}, true);
    // The finish at a quarter speed: replays always, live races when close.
    slowMotion_ = new QCheckBox(tr("Slow-motion finish"), this);

    auto* languageBox = new QGroupBox(tr("Language"), this);
    language_ = new QComboBox(languageBox);
    for (GameLanguage language : kGameLanguages)
        language_->addItem(QString::fromStdString(LanguageChoiceText(language)));
    // The windows are made in one language: another one starts with the game.
    languageNote_ = new QLabel(tr("Galloria speaks it from its next start."), languageBox);
    languageNote_->setWordWrap(true);
    languageNote_->hide(); // shown once another language is chosen; the size is made without it
    {
        auto* layout = new QVBoxLayout(languageBox);
        layout->addWidget(language_);
        layout->addWidget(languageNote_);
    }
    connect(language_, &QComboBox::currentIndexChanged, this, [this](int index) {
        languageNote_->setVisible(kGameLanguages[static_cast<std::size_t>(index)] != opened_.language);
    });

    resetButton_ = new QPushButton(tr("Reset Betting Hall Of Fame"), this);
    connect(resetButton_, &QPushButton::clicked, this, &COptionsDlg::AskReset);
    resetNote_ = new QLabel(tr("The high score lists will be reset."), this);
    resetNote_->setAlignment(Qt::AlignCenter);
    resetNote_->setStyleSheet(QStringLiteral("color: #8b1a1a; font-weight: bold;"));

    saveButton_ = new QPushButton(tr("Save New\nSettings"), this);
    saveButton_->setDefault(true);
    cancelButton_ = new QPushButton(tr("Cancel"), this);
    cancelButton_->setMinimumHeight(saveButton_->sizeHint().height());
    connect(saveButton_, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancelButton_, &QPushButton::clicked, this, &QDialog::reject);

    auto* left = new QVBoxLayout;
    left->addWidget(soundBox);
    left->addWidget(speedBox);
    left->addWidget(viewBox);
    left->addWidget(oddsBox);
    left->addStretch();

    auto* middle = new QVBoxLayout;
    middle->addWidget(sortBox);
    middle->addWidget(graphicsBox);
    middle->addWidget(slowMotion_);
    middle->addStretch();

    auto* right = new QVBoxLayout;
    right->addWidget(ownerBox);
    right->addWidget(languageBox);
    right->addStretch();
    right->addWidget(saveButton_);
    right->addWidget(cancelButton_);

    auto* columns = new QHBoxLayout;
    columns->setSpacing(10);
    columns->addLayout(left, 3);
    columns->addLayout(middle, 2);
    columns->addLayout(right, 2);

    auto* resetRow = new QHBoxLayout;
    resetRow->addWidget(resetButton_);
    resetRow->addSpacing(10);
    resetRow->addWidget(resetNote_);
    resetRow->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 10, 12, 10);
    layout->addLayout(columns);
    layout->addLayout(resetRow);
    setFixedSize(sizeHint());
}

bool COptionsDlg::AskResetInMessageBox(QWidget* parent)
{
    QMessageBox box(QMessageBox::Critical, tr("Galloria"), tr("Reset All High Score Lists?"),
                    QMessageBox::Ok | QMessageBox::Cancel, parent);
    ApplyGameMessageLook(box);
    box.setDefaultButton(QMessageBox::Cancel);
    NameStandardButtons(box);
    return box.exec() == QMessageBox::Ok;
}

void COptionsDlg::AskReset()
{
    if (!resetQuestion_(this))
        return;
    resetRequested_ = true;
    // Confirmed once is enough; the note tells the player it will happen
    // whichever button closes the dialog.
    resetButton_->setEnabled(false);
    resetNote_->setVisible(true);
}

void COptionsDlg::Load(const GameSettings& settings)
{
    opened_ = settings;
    resetRequested_ = false;
    resetButton_->setEnabled(true);
    resetNote_->setVisible(false);

    Check(sound_, settings.soundSetting);
    speed_->setValue(settings.animationSpeed);
    speedValue_->setText(QString::number(speed_->value()));
    Check(sort_, static_cast<int>(settings.sortOrder));
    Check(view_, static_cast<int>(settings.viewRaceMode));
    Check(graphics_, static_cast<int>(settings.graphicsQuality));
    odds_->setValue(settings.oddsAccuracy);
    oddsValue_->setText(QString::number(odds_->value()));
    Check(owner_, settings.ownershipSetting);
    slowMotion_->setChecked(settings.slowMotionFinish);
    const auto chosen = std::find(kGameLanguages.begin(), kGameLanguages.end(), settings.language);
    language_->setCurrentIndex(static_cast<int>(chosen - kGameLanguages.begin()));
    languageNote_->setVisible(false);
}

GameSettings COptionsDlg::Read() const
{
    GameSettings settings = opened_;
    settings.soundSetting = Checked(sound_, opened_.soundSetting);
    settings.animationSpeed = speed_->value();
    settings.sortOrder = static_cast<SortOrder>(Checked(sort_, static_cast<int>(opened_.sortOrder)));
    settings.viewRaceMode = static_cast<ViewRaceMode>(Checked(view_, static_cast<int>(opened_.viewRaceMode)));
    settings.graphicsQuality =
        static_cast<GraphicsQuality>(Checked(graphics_, static_cast<int>(opened_.graphicsQuality)));
    settings.oddsAccuracy = odds_->value();
    settings.ownershipSetting = Checked(owner_, opened_.ownershipSetting);
    settings.slowMotionFinish = slowMotion_->isChecked();
    settings.language = kGameLanguages[static_cast<std::size_t>(language_->currentIndex())];
    return settings;
}

OptionsAnswer COptionsDlg::Ask(const GameSettings& settings)
{
    Load(settings);
    saveButton_->setFocus();
    OptionsAnswer answer;
    if (exec() == QDialog::Accepted)
        answer.saved = Read();
    answer.resetRequested = resetRequested_;
    return answer;
}

} // namespace galloria
