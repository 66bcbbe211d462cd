#include "betting_window_dlg.h"

#include "app/dialog_placement.h"

#include "betting/bet.h"
#include "betting/betting_window_model.h"
#include "betting/race_set_state.h"
#include "game/sound_player.h"

#include "betting_style.h"
#include "review_bets_dlg.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QVBoxLayout>

#include <algorithm>

namespace galloria {

namespace {

// Control ids of the window; every control's object name is "betting_<id>".
constexpr int kBetLineId = 6536;
constexpr int kFirstPlayerId = 1022;
constexpr int kFirstBalanceId = 1091;
constexpr int kDigitIds[] = {1034, 1035, 1036, 1037, 1038, 1039, 1040, 1041, 1042, 1043, 1045, 1046};
constexpr int kClearId = 1048;
constexpr int kRunnerIds[kMaxFieldSize] = {1049, 1050, 1051, 2052, 1053, 1054,
                                           1055, 1056, 1057, 1058, 1059, 1060};
constexpr int kAllId = 1063;
constexpr int kLongId = 1064;
constexpr int kBuyId = 1;
constexpr int kViewId = 3;
constexpr int kRaceId = 4;
constexpr int kClearAllId = 5;

// The keypad as a calculator lays it out: row, column of each AmountKey.
constexpr int kKeyRow[] = {2, 2, 2, 1, 1, 1, 0, 0, 0, 3, 3, 3};
constexpr int kKeyColumn[] = {0, 1, 2, 0, 1, 2, 0, 1, 2, 0, 1, 2};

// Sizes in pixels of the 640 x 480 layout; larger screens scale them.
constexpr int kWindowWidth = 630;
constexpr int kBetLinePixels = 24;
constexpr int kKeyWidth = 40;
constexpr int kClearWidth = 52;
constexpr int kTypeWidth = 112;
constexpr int kRunnerWidth = 34;
constexpr int kActionWidth = 84;
constexpr int kGroupMargin = 6;
// The compact arrangement's widths.
constexpr int kCompactKeyWidth = 28;
constexpr int kCompactClearWidth = 44;
constexpr int kCompactTypeWidth = 94;
constexpr int kCompactRunnerWidth = 25;
constexpr int kCompactAllWidth = 36;
constexpr int kCompactActionWidth = 70;
constexpr int kSpacing = 4;

static_assert(kPlayerSlots == 4 && kMaxFieldSize == 12, "the window has 4 player and 12 runner buttons");

QString IdName(int id)
{
    return QStringLiteral("betting_%1").arg(id);
}

QString Text(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Keeps a layout's cell when its widget is hidden, so hiding runners past the
// field or absent players never reshapes the window.
void KeepPlaceWhenHidden(QWidget* widget)
{
    QSizePolicy policy = widget->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    widget->setSizePolicy(policy);
}

} // namespace

CBettingWindowDlg::CBettingWindowDlg(QWidget* parent, SoundPlayer& sounds)
    : QDialog(parent), sounds_(sounds), review_(new CReviewBetsDlg(this, sounds))
{
    setObjectName(QStringLiteral("betting_146"));
    setWindowTitle(tr("Betting Window"));
    BuildControls();
    arrangement_.scale = 0.0; // nothing applied yet
    ApplyArrangement({BettingScaleFor(parentWidget() != nullptr ? parentWidget() : this), false, true});
}

QPushButton* CBettingWindowDlg::MakeButton(const QString& text, int id, bool checkable)
{
    auto* button = new QPushButton(text, this);
    button->setObjectName(IdName(id));
    // Enter belongs to BUY alone, whichever key has the focus.
    button->setAutoDefault(false);
    button->setCheckable(checkable);
    return button;
}

void CBettingWindowDlg::BuildControls()
{
    betLine_ = new QLineEdit(this);
    betLine_->setObjectName(IdName(kBetLineId));
    // Display only: the line is composed from the choices, never typed.
    betLine_->setReadOnly(true);
    betLine_->setFocusPolicy(Qt::NoFocus);

    playerBox_ = new QGroupBox(this);
    for (int p = 0; p < kPlayerSlots; ++p) {
        players_[p] = MakeButton(tr("Player %1").arg(p + 1), kFirstPlayerId + p, true);
        balances_[p] = new QLabel(this);
        balances_[p]->setObjectName(IdName(kFirstBalanceId + p));
        balances_[p]->setProperty("role", QStringLiteral("balance"));
        balances_[p]->setAlignment(Qt::AlignCenter);
        KeepPlaceWhenHidden(players_[p]);
        KeepPlaceWhenHidden(balances_[p]);
        connect(players_[p], &QPushButton::clicked, this, [this, p] {
            if (model_ != nullptr)
                Apply(model_->ChoosePlayer(p));
        });
    }

    amountBox_ = new QGroupBox(this);
    for (int k = 0; k < static_cast<int>(keys_.size()); ++k) {
        const auto key = static_cast<AmountKey>(k);
        keys_[k] = MakeButton(Text(AmountKeyText(key)), kDigitIds[k]);
        connect(keys_[k], &QPushButton::clicked, this, [this, key] {
            if (model_ != nullptr)
                Apply(model_->PressKey(key));
        });
    }
    clear_ = MakeButton(tr("Clear"), kClearId);
    clear_->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Expanding);
    connect(clear_, &QPushButton::clicked, this, [this] {
        if (model_ != nullptr)
            Apply(model_->ClearAmount());
    });

    typeBox_ = new QGroupBox(this);
    const struct {
        const char* text;
        int id;
        BetType type;
        bool boxed;
    } typeDefs[] = {
        {QT_TR_NOOP("Win"), 1065, BetType::Win, false},
        {QT_TR_NOOP("Place"), 1066, BetType::Place, false},
        {QT_TR_NOOP("Show"), 1067, BetType::Show, false},
        {QT_TR_NOOP("Across"), 1068, BetType::Across, false},
        {QT_TR_NOOP("Exacta"), 1069, BetType::Exacta, false},
        {QT_TR_NOOP("Triacta"), 1070, BetType::Triacta, false},
        {QT_TR_NOOP("Exacta Boxed"), 1072, BetType::Exacta, true},
        {QT_TR_NOOP("Triacta Boxed"), 1073, BetType::Triacta, true},
    };
    for (int t = 0; t < static_cast<int>(types_.size()); ++t) {
        const auto& def = typeDefs[t];
        types_[t] = {MakeButton(tr(def.text), def.id, true), def.type, def.boxed};
        connect(types_[t].button, &QPushButton::clicked, this, [this, type = def.type, boxed = def.boxed] {
            if (model_ != nullptr)
                Apply(model_->ChooseType(type, boxed));
        });
    }

    horseBox_ = new QGroupBox(this);
    for (int k = 0; k < kMaxFieldSize; ++k) {
        runners_[k] = MakeButton(QString::number(k + 1), kRunnerIds[k], true);
        KeepPlaceWhenHidden(runners_[k]);
        connect(runners_[k], &QPushButton::clicked, this, [this, k] {
            if (model_ != nullptr)
                Apply(model_->ChooseRunner(k));
        });
    }
    all_ = MakeButton(tr("All"), kAllId, true);
    long_ = MakeButton(tr("Long"), kLongId, true);
    connect(all_, &QPushButton::clicked, this, [this] {
        if (model_ != nullptr)
            Apply(model_->ChooseRunner(HorseAll));
    });
    connect(long_, &QPushButton::clicked, this, [this] {
        if (model_ != nullptr)
            Apply(model_->ChooseRunner(HorseLong));
    });

    view_ = MakeButton(tr("View"), kViewId);
    clearAll_ = MakeButton(tr("Clear All"), kClearAllId);
    buy_ = MakeButton(tr("BUY"), kBuyId);
    buy_->setProperty("role", QStringLiteral("buy"));
    buy_->setAutoDefault(true);
    buy_->setDefault(true);
    race_ = MakeButton(tr("race"), kRaceId);
    connect(view_, &QPushButton::clicked, this, &CBettingWindowDlg::OnView);
    connect(clearAll_, &QPushButton::clicked, this, [this] {
        if (model_ != nullptr)
            Apply(model_->ClearAll());
    });
    connect(buy_, &QPushButton::clicked, this, [this] {
        if (model_ != nullptr)
            Apply(model_->Buy());
    });
    connect(race_, &QPushButton::clicked, this, [this] {
        if (model_ != nullptr)
            Apply(model_->Race());
    });

    status_ = new QLabel(this);
    status_->setObjectName(QStringLiteral("betting_status"));
    status_->setProperty("role", QStringLiteral("status"));
    status_->setWordWrap(true);
}

void CBettingWindowDlg::LayOut(bool compact)
{
    // The same controls in one of two arrangements: the roomy one, and a
    // compact one that keeps every control but packs the keypad, the types
    // and the runners into three rows, for when the window must fit under a
    // long racing form.
    delete layout();
    for (QGroupBox* box : {playerBox_, amountBox_, typeBox_, horseBox_})
        delete box->layout();

    auto* playerGrid = new QGridLayout(playerBox_);
    for (int p = 0; p < kPlayerSlots; ++p) {
        if (compact) {
            playerGrid->addWidget(players_[p], 0, 2 * p);
            playerGrid->addWidget(balances_[p], 0, 2 * p + 1);
        } else {
            playerGrid->addWidget(players_[p], 0, p);
            playerGrid->addWidget(balances_[p], 1, p);
        }
    }
    auto* keypad = new QGridLayout(amountBox_);
    for (int k = 0; k < static_cast<int>(keys_.size()); ++k) {
        // Compact: the digits 7-9, 4-6, 1-3 in three rows with 0, 00 and
        // 000 down a fourth column.
        if (compact)
            keypad->addWidget(keys_[k], kKeyRow[k] < 3 ? kKeyRow[k] : kKeyColumn[k],
                              kKeyRow[k] < 3 ? kKeyColumn[k] : 3);
        else
            keypad->addWidget(keys_[k], kKeyRow[k], kKeyColumn[k]);
    }
    if (compact)
        keypad->addWidget(clear_, 0, 4, 3, 1);
    else
        keypad->addWidget(clear_, 2, 3, 2, 1);
    auto* typeGrid = new QGridLayout(typeBox_);
    for (int t = 0; t < static_cast<int>(types_.size()); ++t) {
        if (compact)
            typeGrid->addWidget(types_[t].button, t / 3, t % 3);
        else
            typeGrid->addWidget(types_[t].button, t / 2, t % 2);
    }
    auto* horseGrid = new QGridLayout(horseBox_);
    for (int k = 0; k < kMaxFieldSize; ++k)
        horseGrid->addWidget(runners_[k], k / 4, k % 4);
    if (compact) {
        horseGrid->addWidget(all_, 0, 4);
        horseGrid->addWidget(long_, 1, 4);
    } else {
        horseGrid->addWidget(all_, 3, 0, 1, 2);
        horseGrid->addWidget(long_, 3, 2, 1, 2);
    }

    auto* middle = new QHBoxLayout;
    middle->addWidget(amountBox_);
    middle->addWidget(typeBox_);
    middle->addWidget(horseBox_);

    auto* actions = new QHBoxLayout;
    actions->addWidget(status_, 1);
    for (QPushButton* button : {view_, clearAll_, buy_, race_})
        actions->addWidget(button);

    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(betLine_);
    layout->addWidget(playerBox_);
    layout->addLayout(middle);
    layout->addLayout(actions);
}

void CBettingWindowDlg::ApplyArrangement(const BettingArrangement& arrangement)
{
    if (arrangement == arrangement_)
        return;
    const bool compact = arrangement.compact;
    if (compact != arrangement_.compact || arrangement_.scale == 0.0)
        LayOut(compact);
    arrangement_ = arrangement;
    const bool titled = arrangement.titled;
    playerBox_->setTitle(titled ? tr("Player") : QString());
    amountBox_->setTitle(titled ? tr("Amount") : QString());
    typeBox_->setTitle(titled ? tr("Type Of Bet") : QString());
    horseBox_->setTitle(titled ? tr("Horse(s)") : QString());

    const double scale = arrangement.scale;
    const auto px = [scale](int pixels) { return static_cast<int>(pixels * scale + 0.5); };
    setStyleSheet(BettingStyleSheet(scale, compact, titled));

    const int width = px(kWindowWidth);
    const int margin = compact ? px(3) : px(8);
    layout()->setContentsMargins(margin, margin, margin, margin);
    layout()->setSpacing(compact ? px(2) : px(6));
    betLine_->setFixedWidth(width - 2 * margin);
    betLine_->setFont(BetLineFont(width - 2 * margin - px(20), compact ? px(14) : px(kBetLinePixels)));
    for (QPushButton* key : keys_) {
        key->setFixedWidth(compact ? px(kCompactKeyWidth) : px(kKeyWidth));
        FitCaption(*key, key->width(), scale, compact);
    }
    clear_->setFixedWidth(compact ? px(kCompactClearWidth) : px(kClearWidth));
    FitCaption(*clear_, clear_->width(), scale, compact);
    for (const TypeButton& type : types_) {
        type.button->setFixedWidth(compact ? px(kCompactTypeWidth) : px(kTypeWidth));
        FitCaption(*type.button, type.button->width(), scale, compact);
    }
    for (QPushButton* runner : runners_)
        runner->setFixedWidth(compact ? px(kCompactRunnerWidth) : px(kRunnerWidth));
    all_->setMinimumWidth(compact ? px(kCompactAllWidth) : 0);
    long_->setMinimumWidth(compact ? px(kCompactAllWidth) : 0);
    // All and Long share a row of their own: each has the room of two runners.
    for (QPushButton* button : {all_, long_})
        FitCaption(*button, compact ? px(kCompactAllWidth) : 2 * px(kRunnerWidth) + px(kSpacing), scale,
                   compact);
    for (QPushButton* button : {view_, clearAll_, buy_, race_}) {
        button->setMinimumWidth(compact ? px(kCompactActionWidth) : px(kActionWidth));
        FitCaption(*button, button->minimumWidth(), scale, compact);
    }
    status_->setMinimumWidth(px(120));
    const int groupMargin = compact ? px(2) : px(kGroupMargin);
    for (QGroupBox* group : {playerBox_, amountBox_, typeBox_, horseBox_}) {
        group->layout()->setContentsMargins(groupMargin, groupMargin, groupMargin, groupMargin);
        group->layout()->setSpacing(compact ? px(2) : px(kSpacing));
    }
}

QSize CBettingWindowDlg::MeasuredFrame()
{
    Refresh();
    // Sized as it will be shown: styled and laid out, even before its first
    // showing.
    ensurePolished();
    for (QWidget* child : findChildren<QWidget*>())
        child->ensurePolished();
    layout()->activate();
    adjustSize();
    return FrameSizeOf(*this);
}

QRect CBettingWindowDlg::Arrange(QPoint topLeft, int fullFormTop, const QRect& area)
{
    if (area != arrangedArea_ || fullFormTop != arrangedFullFormTop_) {
        arrangedArea_ = area;
        arrangedFullFormTop_ = fullFormTop;
        const BettingArrangement chosen = ChooseBettingArrangement(
            BettingScaleForScreenWidth(area.width()), [&](const BettingArrangement& a) {
                ApplyArrangement(a);
                const QSize frame = MeasuredFrame();
                return fullFormTop + frame.height() <= area.top() + area.height() &&
                       frame.width() <= area.width();
            });
        ApplyArrangement(chosen);
    }
    const QSize frame = MeasuredFrame();
    return QRect(KeptWithin(topLeft, frame, area), frame);
}

void CBettingWindowDlg::Run(BettingWindowModel& model, QPoint topLeft, int fullFormTop, const QRect& area)
{
    if (!model.IsOpen())
        return;
    model_ = &model;
    status_->clear();
    move(Arrange(topLeft, fullFormTop, area.isEmpty() ? AvailableAreaAt(topLeft, *this) : area).topLeft());
    exec();
    model_ = nullptr;
}

void CBettingWindowDlg::Apply(const BetActionResult& result)
{
    if (result.sound)
        sounds_.Play(*result.sound);
    if (!result.message.empty())
        status_->setText(Text(result.message));
    else if (result.applied)
        status_->clear();
    Refresh();
    if (result.closesWindow)
        accept();
}

void CBettingWindowDlg::OnView()
{
    if (model_ == nullptr)
        return;
    const BetActionResult opened = model_->View();
    Apply(opened);
    if (!opened.applied)
        return;
    review_->Run(model_->Review());
    Apply(model_->CloseReview());
}

void CBettingWindowDlg::Refresh()
{
    if (model_ == nullptr)
        return;
    const BettingWindowModel& m = *model_;

    betLine_->setText(Text(m.BetLine()));
    betLine_->setCursorPosition(0); // a line wider than the box shows its start

    for (int p = 0; p < kPlayerSlots; ++p) {
        const bool shown = m.IsPlayerShown(p);
        players_[p]->setVisible(shown);
        balances_[p]->setVisible(shown);
        // A name is shown as typed: "&" would otherwise mark a shortcut.
        if (shown)
            players_[p]->setText(Text(m.PlayerName(p)).replace(QLatin1Char('&'), QStringLiteral("&&")));
        players_[p]->setEnabled(m.CanChoosePlayer(p));
        players_[p]->setChecked(m.CurrentPlayer() == p);
        balances_[p]->setText(Text(m.BalanceText(p)));
    }

    for (int k = 0; k < static_cast<int>(keys_.size()); ++k)
        keys_[k]->setEnabled(m.CanPressKey());
    clear_->setEnabled(m.CanClearAmount());

    const Bet& open = m.OpenBet();
    for (const TypeButton& type : types_) {
        type.button->setEnabled(m.CanChooseType(type.type, type.boxed));
        type.button->setChecked(open.type == type.type && open.boxed == type.boxed);
    }

    for (int k = 0; k < kMaxFieldSize; ++k) {
        runners_[k]->setVisible(m.IsRunnerShown(k));
        runners_[k]->setEnabled(m.CanChooseRunner(k));
        runners_[k]->setChecked(m.NamedInBet(k));
    }
    all_->setEnabled(m.CanChooseRunner(HorseAll));
    all_->setChecked(m.NamedInBet(HorseAll));
    long_->setEnabled(m.CanChooseRunner(HorseLong));
    long_->setChecked(m.NamedInBet(HorseLong));

    view_->setEnabled(m.CanView());
    clearAll_->setEnabled(m.CanClearAll());
    buy_->setEnabled(m.CanBuy());
}

} // namespace galloria
