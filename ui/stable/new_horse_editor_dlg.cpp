#include "stable/new_horse_editor_dlg.h"

#include "betting/betting_style.h"
#include "race/course_colours.h"
#include "race/runner_livery.h"
#include "race/runner_sprites.h"

#include <QColorDialog>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QSlider>
#include <QVBoxLayout>

namespace galloria {

namespace {

constexpr const char* kSliderLabels[] = {QT_TRANSLATE_NOOP("galloria::CNewHorseEditorDlg", "Speed:"),
                                         QT_TRANSLATE_NOOP("galloria::CNewHorseEditorDlg", "Sprint:"),
                                         QT_TRANSLATE_NOOP("galloria::CNewHorseEditorDlg", "Stamina:"),
                                         QT_TRANSLATE_NOOP("galloria::CNewHorseEditorDlg", "Spontaneity:")};
constexpr int kGallopFrames = 11;
constexpr int kGallopMilliseconds = 70;
constexpr double kPreviewZoom = 1.5;

} // namespace

CNewHorseEditorDlg::CNewHorseEditorDlg(QWidget* parent)
    : QDialog(parent), model_(std::make_unique<NewHorseEditorModel>())
{
    setWindowTitle(tr("New Horse Editor"));
    const double scale = BettingScaleFor(parent);
    setStyleSheet(StableStyleSheet(scale));
    const auto px = [scale](int pixels) { return static_cast<int>(pixels * scale + 0.5); };

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(px(10));
    grid->setVerticalSpacing(px(8));
    int row = 0;

    name_ = new QLineEdit(this);
    name_->setObjectName(QStringLiteral("name"));
    name_->setAlignment(Qt::AlignCenter);
    name_->setMaxLength(static_cast<int>(kMaxHorseNameLength)); // what a record holds
    name_->setPlaceholderText(tr("letters, spaces and apostrophes"));
    grid->addWidget(new QLabel(tr("Name:"), this), row, 0);
    grid->addWidget(name_, row++, 1, 1, 2);

    for (int s = 0; s < NewHorseEditorModel::kSliderCount; ++s) {
        auto* slider = new QSlider(Qt::Horizontal, this);
        slider->setRange(0, NewHorseEditorModel::kSliderMax);
        slider->setPageStep(10);
        slider->setMinimumWidth(px(220));
        auto* value = new QLabel(QStringLiteral("0"), this);
        value->setProperty("role", "value");
        value->setFixedWidth(px(44));
        connect(slider, &QSlider::valueChanged, value, [value](int position) { value->setNum(position); });
        grid->addWidget(new QLabel(tr(kSliderLabels[s]), this), row, 0);
        grid->addWidget(slider, row, 1);
        grid->addWidget(value, row++, 2);
        sliders_[static_cast<std::size_t>(s)] = slider;
        values_[static_cast<std::size_t>(s)] = value;
    }

    owner_ = new QComboBox(this);
    owner_->setEditable(true);
    owner_->setInsertPolicy(QComboBox::NoInsert); // the model keeps the owner list
    owner_->lineEdit()->setMaxLength(static_cast<int>(OwnerBook::kMaxOwnerLength));
    grid->addWidget(new QLabel(tr("Owner:"), this), row, 0);
    grid->addWidget(owner_, row++, 1, 1, 2);

    colourBox_ = new QLabel(this);
    colourBox_->setObjectName(QStringLiteral("colourBox"));
    colourBox_->setFixedSize(px(56), px(30));
    change_ = new QPushButton(tr("Change"), this);
    auto* colourRow = new QHBoxLayout;
    colourRow->addWidget(colourBox_);
    colourRow->addWidget(change_);
    colourRow->addStretch();
    grid->addWidget(new QLabel(tr("Color:"), this), row, 0);
    grid->addLayout(colourRow, row++, 1, 1, 2);

    // The horse in its colour, galloping on a strip of turf.
    preview_ = new QLabel(this);
    preview_->setObjectName(QStringLiteral("preview"));
    preview_->setAlignment(Qt::AlignCenter);
    preview_->setMinimumHeight(px(kSpriteHeight * kPreviewZoom + 12));
    preview_->setStyleSheet(QStringLiteral("background: %1; border: 2px solid #b8942f; border-radius: 4px;")
                                .arg(course::kGrass.name()));
    grid->addWidget(preview_, row++, 0, 1, 3);

    ok_ = new QPushButton(tr("OK"), this);
    cancel_ = new QPushButton(tr("Cancel"), this);
    ok_->setDefault(true);
    joined_ = new QLabel(this);
    joined_->setObjectName(QStringLiteral("joined"));
    joined_->setProperty("role", QStringLiteral("status"));
    joined_->setWordWrap(true);
    joined_->setMinimumHeight(px(36)); // two lines, so the fixed-size dialog never cuts it
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(joined_, 1);
    buttons->addWidget(cancel_);
    buttons->addWidget(ok_);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(px(14), px(12), px(14), px(12));
    layout->setSpacing(px(10));
    layout->addLayout(grid);
    layout->addLayout(buttons);

    connect(ok_, &QPushButton::clicked, this, &CNewHorseEditorDlg::PressOk);
    connect(cancel_, &QPushButton::clicked, this, &CNewHorseEditorDlg::reject);
    connect(change_, &QPushButton::clicked, this, &CNewHorseEditorDlg::ChangeColour);
    // Any edit begins the next horse: the line about the last one goes.
    connect(name_, &QLineEdit::textEdited, this, &CNewHorseEditorDlg::ClearJoined);
    connect(owner_->lineEdit(), &QLineEdit::textEdited, this, &CNewHorseEditorDlg::ClearJoined);
    connect(owner_, &QComboBox::activated, this, &CNewHorseEditorDlg::ClearJoined);
    for (QSlider* slider : sliders_)
        connect(slider, &QSlider::actionTriggered, this, &CNewHorseEditorDlg::ClearJoined);
    gallop_.setInterval(kGallopMilliseconds);
    connect(&gallop_, &QTimer::timeout, this, &CNewHorseEditorDlg::StepPreview);
    setFixedSize(sizeHint());
}

CNewHorseEditorDlg::~CNewHorseEditorDlg() = default;

void CNewHorseEditorDlg::Run()
{
    ShowModel();
    name_->setFocus();
    gallop_.start();
    exec();
    gallop_.stop();
}

void CNewHorseEditorDlg::ShowModel()
{
    const NewHorseEditorModel& model = *model_;
    name_->setText(StableText(model.name));
    for (int s = 0; s < NewHorseEditorModel::kSliderCount; ++s) {
        sliders_[static_cast<std::size_t>(s)]->setValue(model.values[static_cast<std::size_t>(s)]);
        values_[static_cast<std::size_t>(s)]->setText(
            StableText(model.ValueText(static_cast<NewHorseEditorModel::Slider>(s))));
    }
    owner_->clear();
    for (const std::string& owner : model.OwnerChoices())
        owner_->addItem(StableText(owner));
    owner_->setEditText(StableText(model.owner));
    owner_->setEnabled(model.ownershipEnabled);
    ShowColour();
}

void CNewHorseEditorDlg::ShowColour()
{
    // The box's own inside is filled, whatever its size on this screen.
    colourBox_->setStyleSheet(
        QStringLiteral("QLabel#colourBox { background: %1; border: 2px inset #b8942f; }")
            .arg(ColourOfHorse(model_->colour).name()));
    strip_ = BuildRunnerSprite(model_->colour, 1);
    StepPreview();
}

void CNewHorseEditorDlg::StepPreview()
{
    if (strip_.isNull())
        return;
    frame_ = (frame_ + 1) % kGallopFrames;
    const int width = strip_.width() / kGallopFrames;
    const QImage frame = strip_.copy(frame_ * width, 0, width, strip_.height());
    const double zoom = kPreviewZoom * preview_->devicePixelRatioF();
    preview_->setPixmap(QPixmap::fromImage(frame.scaled(static_cast<int>(width * zoom),
                                                        static_cast<int>(strip_.height() * zoom),
                                                        Qt::KeepAspectRatio, Qt::SmoothTransformation)));
}

void CNewHorseEditorDlg::PressOk()
{
    NewHorseEditorModel& model = *model_;
    model.name = name_->text().toStdString();
    model.owner = owner_->currentText().toStdString();
    for (int s = 0; s < NewHorseEditorModel::kSliderCount; ++s)
        model.values[static_cast<std::size_t>(s)] = sliders_[static_cast<std::size_t>(s)]->value();
    const NewHorseEditorModel::OkResult result = model.Ok();
    ShowModel();
    joined_->setText(StableText(result.joined));
    if (!result.message.empty())
        AskWith(ask, this, result.message, MessageKind::Information);
    name_->setFocus();
}

void CNewHorseEditorDlg::ChangeColour()
{
    const QColor start = ColourOfHorse(model_->colour);
    std::optional<QColor> chosen;
    if (chooseColour) {
        chosen = chooseColour(start);
    } else {
        const QColor picked = QColorDialog::getColor(start, this, tr("Color"));
        if (picked.isValid())
            chosen = picked;
    }
    if (!chosen)
        return;
    model_->colour = HorseColourOf(*chosen);
    ClearJoined();
    ShowColour();
    repaint();
}

void CNewHorseEditorDlg::ClearJoined()
{
    joined_->clear();
}

void CNewHorseEditorDlg::reject()
{
    model_->Cancel();
    QDialog::reject();
}

} // namespace galloria
