// The window in other languages: a tour of every menu and of the windows a
// set opens, checking each text a player reads. In the test language (every
// text bracketed) a text without brackets escaped translation; in Spanish,
// German and French every text fits its control at 640 x 480 and at
// 1024 x 768, and no two controls of a window or items of a menu share a
// mnemonic.
#include "game/game.h"
#include "game/menu_state.h"

#include "app/game_translation.h"
#include "app/main_frame.h"
#include "game/help_window.h"

#include "modal_answerer.h"
#include "window_test_helpers.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTabBar>
#include <QTextDocumentFragment>

#include <map>

namespace galloria {
namespace {

QString Plain(const QString& text)
{
    return Qt::mightBeRichText(text) ? QTextDocumentFragment::fromHtml(text).toPlainText() : text;
}

// The letter a text's & marks, lower case; none for "&&" or no &.
QChar Mnemonic(const QString& text)
{
    static const QRegularExpression marked(QStringLiteral("(?:^|[^&])&([^&\\s])"));
    const QRegularExpressionMatch match = marked.match(text);
    return match.hasMatch() ? match.captured(1).at(0).toLower() : QChar();
}

// The width a text takes on one line, its widest line when it has several.
int TextWidth(const QWidget& control, const QString& text)
{
    int widest = 0;
    for (const QString& line : QString(text).remove(QRegularExpression(QStringLiteral("&(?!&)"))).split('\n'))
        widest = std::max(widest, control.fontMetrics().horizontalAdvance(line));
    return widest;
}

// The room a button's text has: its contents less the indicator of a radio
// button or check box, or a push button's padding, as its style draws it.
int ButtonTextRoom(const QAbstractButton& button)
{
    QStyleOptionButton option;
    option.initFrom(&button);
    option.text = button.text();
    option.icon = button.icon();
    option.iconSize = button.iconSize();
    QStyle::SubElement contents = QStyle::SE_PushButtonContents;
    if (qobject_cast<const QRadioButton*>(&button))
        contents = QStyle::SE_RadioButtonContents;
    else if (qobject_cast<const QCheckBox*>(&button))
        contents = QStyle::SE_CheckBoxContents;
    const int iconWidth = button.icon().isNull() ? 0 : button.iconSize().width();
    return button.style()->subElementRect(contents, &option, &button).width() - iconWidth;
}

// What the player reads in a window, and whether its control cuts it.
struct ShownText {
    QString text;
    bool cut = false;
};

std::vector<ShownText> TextsOf(const QWidget& window)
{
    std::vector<ShownText> texts;
    if (!window.windowTitle().isEmpty())
        texts.push_back({window.windowTitle()});
    for (const QWidget* child : window.findChildren<QWidget*>()) {
        if (!child->isVisibleTo(&window))
            continue;
        if (const auto* label = qobject_cast<const QLabel*>(child); label && !label->text().isEmpty()) {
            const bool fits = label->wordWrap() ? label->heightForWidth(label->width()) <= label->height()
                                                : label->sizeHint().width() <= label->width();
            texts.push_back({label->text(), !fits});
        } else if (const auto* button = qobject_cast<const QAbstractButton*>(child)) {
            if (!button->text().isEmpty())
                texts.push_back(
                    {button->text(), TextWidth(*button, button->text()) > ButtonTextRoom(*button)});
        } else if (const auto* box = qobject_cast<const QGroupBox*>(child); box && !box->title().isEmpty()) {
            texts.push_back({box->title(), TextWidth(*box, box->title()) > box->width()});
        } else if (const auto* tabs = qobject_cast<const QTabBar*>(child)) {
            for (int tab = 0; tab < tabs->count(); ++tab)
                texts.push_back({tabs->tabText(tab)});
        }
    }
    return texts;
}

// Each problem of a window's texts, as "window: text: what is wrong".
using Check = std::function<void(const QString& where, const std::vector<ShownText>&, QStringList&)>;

void CheckNothingEscaped(const QString& where, const std::vector<ShownText>& texts, QStringList& problems)
{
    static const QRegularExpression innermost(QStringLiteral("⟦[^⟦⟧]*⟧"));
    static const QRegularExpression word(QStringLiteral("[A-Za-z]{2,}"));
    for (const ShownText& shown : texts) {
        QString rest = Plain(shown.text);
        for (QString before; before != rest;)
            rest = (before = rest).remove(innermost);
        if (rest.contains(word))
            problems << where + QStringLiteral(": untranslated: ") + shown.text;
    }
}

void CheckFitAndMnemonics(const QString& where, const std::vector<ShownText>& texts, QStringList& problems,
                          bool mnemonics)
{
    std::map<QChar, QString> taken;
    for (const ShownText& shown : texts) {
        if (shown.cut)
            problems << where + QStringLiteral(": cut: ") + shown.text;
        const QChar letter = Mnemonic(shown.text);
        if (!mnemonics || letter.isNull())
            continue;
        if (const auto [first, isNew] = taken.emplace(letter, shown.text); !isNew)
            problems << where + QStringLiteral(": &") + letter + QStringLiteral(" twice: ") + first->second +
                            QStringLiteral(" / ") + shown.text;
    }
}

class TranslationTour : public GameFolderFixture {
protected:
    void TearDown() override
    {
        player.reset();
        frame.reset();
        InstallGameLanguage(GameLanguage::English);
        GameFolderFixture::TearDown();
    }

    void Look(const QString& where, QWidget& window)
    {
        check(where, TextsOf(window), problems);
        const QSize least = window.minimumSizeHint().expandedTo(window.minimumSize());
        if (least.width() > LayoutWidth(size) || least.height() > LayoutHeight(size))
            problems << where + QStringLiteral(": cannot shrink to the screen: %1 x %2")
                                    .arg(least.width())
                                    .arg(least.height());
        SaveScreenshot(window, QStringLiteral("%1_%2_%3.png").arg(shotPrefix, where).arg(++windowsSeen));
    }

    void LookAtMenus()
    {
        std::vector<ShownText> bar;
        for (QAction* item : frame->menuBar()->actions()) {
            bar.push_back({item->text()});
            if (QMenu* popup = item->menu()) {
                std::vector<ShownText> items;
                for (QAction* entry : popup->actions())
                    items.push_back({entry->text()});
                check(popup->title(), items, problems);
            }
        }
        check(QStringLiteral("menu bar"), bar, problems);
    }

    // Opens the window at the size's screen, runs through every menu, the windows of
    // the menus, and a whole set of one player with its questions and notices.
    void Tour()
    {
        StoreSetting(QStringLiteral("View"), static_cast<int>(ViewRaceMode::None));
        frame = std::make_unique<CMainFrame>(size);
        frame->resize(LayoutWidth(size), LayoutHeight(size));
        frame->show();
        player = std::make_unique<ModalAnswerer>(frame->View());
        player->playerNames = {QStringLiteral("⟦Ann⟧")}; // a name is no text to translate
        player->onEveryWindow = [this](QWidget& window) {
            Look(QString::fromLatin1(window.metaObject()->className()).remove(QStringLiteral("galloria::")),
                 window);
        };
        LookAtMenus();
        for (MenuCommand command : {MenuCommand::GameOptions, MenuCommand::AddHorse, MenuCommand::ListHorses,
                                    MenuCommand::HallOfFame, MenuCommand::About, MenuCommand::StartNewRaceSet,
                                    MenuCommand::LiveOdds}) {
            frame->Action(command)->trigger();
        }
        for (int press = 0; press < 25 && frame->View().GameObject().menus.Phase() != GamePhase::NoSet;
             ++press) {
            SaveScreenshot(*frame, QStringLiteral("%1_window_%2.png").arg(shotPrefix).arg(press));
            frame->Action(MenuCommand::RaceOrNextRace)->trigger();
        }
        frame->Action(MenuCommand::HelpContents)->trigger();
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (auto* help = qobject_cast<CHelpWindow*>(window); help && help->isVisible())
                Look(QStringLiteral("help"), *help);
        }
        EXPECT_GE(player->windows.size(), 12u) << "the tour missed windows";
    }

    Check check;
    SizeClass size = SizeClass::Small;
    QString shotPrefix = QStringLiteral("pseudo");
    int windowsSeen = 0;
    QStringList problems;
    std::unique_ptr<CMainFrame> frame;
    std::unique_ptr<ModalAnswerer> player;
};

TEST_F(TranslationTour, EveryTextAPlayerReadsIsTranslated)
{
    ASSERT_TRUE(InstallCatalogue(QStringLiteral("galloria_pseudo")));
    check = CheckNothingEscaped;
    Tour();
    EXPECT_TRUE(problems.isEmpty()) << problems.join(QLatin1Char('\n')).toStdString();
}

class TranslationTourIn : public TranslationTour,
                          public ::testing::WithParamInterface<std::tuple<GameLanguage, SizeClass>> {};

TEST_P(TranslationTourIn, EveryTextFitsItsControlWithItsOwnMnemonic)
{
    const auto [language, sizeClass] = GetParam();
    ASSERT_EQ(InstallGameLanguage(language), language);
    size = sizeClass;
    shotPrefix =
        QStringLiteral("%1_%2").arg(QString::fromLatin1(LanguageCode(language))).arg(LayoutWidth(size));
    // English keeps the design's mnemonics as they stand, &STABLE and &SUMMERY
    // of the menu bar both on S among them, so only its fit is checked.
    check = [mnemonics = language != GameLanguage::English](const QString& where, const auto& texts,
                                                            QStringList& found) {
        CheckFitAndMnemonics(where, texts, found, mnemonics);
    };
    Tour();
    EXPECT_TRUE(problems.isEmpty()) << problems.join(QLatin1Char('\n')).toStdString();
}

INSTANTIATE_TEST_SUITE_P(EveryLanguage, TranslationTourIn,
                         ::testing::Combine(::testing::Values(GameLanguage::English, GameLanguage::Spanish,
                                                              GameLanguage::German, GameLanguage::French),
                                            ::testing::Values(SizeClass::Small, SizeClass::Large)),
                         [](const auto& info) {
                             return std::string(LanguageCode(std::get<0>(info.param))) + "_" +
                                    std::to_string(LayoutWidth(std::get<1>(info.param)));
                         });

} // namespace
} // namespace galloria
