#pragma once

#include "game/headless_host.h"

#include <array>
#include <deque>
#include <optional>
#include <ostream>
#include <string>

namespace galloria::sim {

// A text as one line of a transcript: line breaks written as \n.
std::string OneLine(std::string_view text);

// The host of a scripted session: the players' answers to the dialogs are
// queued by the script before the command that opens them, and everything the
// game shows is printed to the transcript as it happens.
class PlayHost final : public HeadlessHost {
public:
    explicit PlayHost(std::ostream& out) : out_(out) {}

    // The next names dialog gets these four boxes; none cancels it.
    void QueueNames(std::optional<std::array<std::string, 4>> names)
    {
        queuedNames_.push_back(std::move(names));
    }
    void QueueAnswer(MessageAnswer answer) { queuedAnswers_.push_back(answer); }
    void QueueSetResults(bool continueRacing) { queuedSetResults_.push_back(continueRacing); }

    // The last message box's text and the title of the last set results; none before the first.
    const std::optional<std::string>& LastMessage() const { return lastMessage_; }
    const std::optional<std::string>& LastSetTitle() const { return lastSetTitle_; }

    MessageAnswer ShowMessage(std::string_view text, MessageKind kind) override;
    void ShowNotice(std::span<const std::string_view> lines, bool praise, int amount) override;
    bool AskPlayerNames(PlayerNamesModel& names) override;
    bool ShowRaceSetResults(const RaceSetResultsModel& results) override;
    OptionsAnswer AskOptions(const GameSettings& settings) override;
    void ShowTip(std::string_view text) override;
    void SetWindowTitle(std::string_view title) override;
    std::optional<PersonalDetails> AskPersonalDetails(const PersonalDetails& stored) override;

    // The answer of the options dialog the next GAME OPTIONS gets: the
    // settings it opens on are changed by `change`; unset, it is cancelled.
    std::function<void(GameSettings&)> optionsChange;
    bool optionsReset = false;

private:
    std::ostream& out_;
    std::deque<std::optional<std::array<std::string, 4>>> queuedNames_;
    std::deque<MessageAnswer> queuedAnswers_;
    std::deque<bool> queuedSetResults_;
    std::optional<std::string> lastMessage_;
    std::optional<std::string> lastSetTitle_;
    std::string lastTitle_;
};

} // namespace galloria::sim
