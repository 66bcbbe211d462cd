#include "play_host.h"

#include "game/player_names_model.h"
#include "game/race_set_results_model.h"

namespace galloria::sim {

namespace {

std::string_view KindName(MessageKind kind)
{
    switch (kind) {
    case MessageKind::RetryCancel:
        return "retry-cancel";
    case MessageKind::Information:
        return "ok";
    case MessageKind::OkCancel:
        return "ok-cancel";
    case MessageKind::YesNoCancel:
        return "yes-no-cancel";
    }
    return "?";
}

std::string_view AnswerName(MessageAnswer answer)
{
    switch (answer) {
    case MessageAnswer::Ok:
        return "ok";
    case MessageAnswer::Yes:
        return "yes";
    case MessageAnswer::No:
        return "no";
    case MessageAnswer::Cancel:
        return "cancel";
    }
    return "?";
}

// The button of a box of `kind` that a queued answer presses: a box has no
// Yes or No unless it asks yes or no, and an information box only OK.
MessageAnswer ButtonFor(MessageKind kind, MessageAnswer answer)
{
    if (kind == MessageKind::Information)
        return MessageAnswer::Ok;
    if (kind == MessageKind::YesNoCancel)
        return answer == MessageAnswer::Ok ? MessageAnswer::Yes : answer;
    if (answer == MessageAnswer::Yes)
        return MessageAnswer::Ok;
    return answer == MessageAnswer::No ? MessageAnswer::Cancel : answer;
}

// The button pressed when the script queued none, as HeadlessHost presses it.
MessageAnswer DefaultButton(MessageKind kind)
{
    if (kind == MessageKind::RetryCancel)
        return MessageAnswer::Cancel; // retrying would only meet the same answer again
    return kind == MessageKind::YesNoCancel ? MessageAnswer::Yes : MessageAnswer::Ok;
}

} // namespace

std::string OneLine(std::string_view text)
{
    std::string line;
    for (char c : text) {
        if (c == '\n')
            line += "\\n";
        else if (c != '\r')
            line += c;
    }
    return line;
}

MessageAnswer PlayHost::ShowMessage(std::string_view text, MessageKind kind)
{
    HeadlessHost::ShowMessage(text, kind);
    MessageAnswer answer = DefaultButton(kind);
    if (!queuedAnswers_.empty()) {
        answer = ButtonFor(kind, queuedAnswers_.front());
        queuedAnswers_.pop_front();
    }
    lastMessage_ = OneLine(text);
    out_ << "  message (" << KindName(kind) << ") \"" << *lastMessage_ << "\" -> " << AnswerName(answer)
         << "\n";
    return answer;
}

void PlayHost::ShowNotice(std::span<const std::string_view> lines, bool praise, int amount)
{
    HeadlessHost::ShowNotice(lines, praise, amount);
    out_ << "  notice \"" << OneLine(notices.back()) << "\"\n";
}

bool PlayHost::AskPlayerNames(PlayerNamesModel& names)
{
    std::optional<std::array<std::string, 4>> typed;
    if (!queuedNames_.empty()) {
        typed = queuedNames_.front();
        queuedNames_.pop_front();
    }
    namesCancelled = !typed;
    if (typed)
        playerNames = *typed;
    out_ << "  names dialog -> " << (typed ? "ok" : "cancel") << "\n";
    return HeadlessHost::AskPlayerNames(names);
}

bool PlayHost::ShowRaceSetResults(const RaceSetResultsModel& results)
{
    HeadlessHost::ShowRaceSetResults(results);
    lastSetTitle_ = results.Title();
    bool continueRacing = false;
    if (!queuedSetResults_.empty()) {
        continueRacing = queuedSetResults_.front() && results.CanContinue();
        queuedSetResults_.pop_front();
    }
    using Grid = RaceSetResultsModel;
    out_ << "  set results \"" << results.Title() << "\":";
    for (int column = 0; column < Grid::kColumnCount; ++column) {
        if (!results.Cell(Grid::kNameRow, column).empty())
            out_ << " " << results.Cell(Grid::kNameRow, column) << " "
                 << results.Cell(Grid::kStartRow, column) << " -> " << results.Cell(Grid::kFinishRow, column)
                 << ";";
    }
    out_ << " -> " << (continueRacing ? "Continue Racing" : "Don't Continue This Game") << "\n";
    return continueRacing;
}

OptionsAnswer PlayHost::AskOptions(const GameSettings& settings)
{
    OptionsAnswer answer;
    if (optionsChange) {
        answer.saved = settings;
        optionsChange(*answer.saved);
    }
    answer.resetRequested = optionsReset;
    out_ << "  options dialog -> " << (answer.saved ? "Save New Settings" : "cancel")
         << (answer.resetRequested ? ", hall of fame reset" : "") << "\n";
    optionsChange = nullptr;
    optionsReset = false;
    return answer;
}

void PlayHost::ShowTip(std::string_view text)
{
    HeadlessHost::ShowTip(text);
    out_ << "  tip \"" << OneLine(text) << "\"\n";
}

void PlayHost::SetWindowTitle(std::string_view title)
{
    HeadlessHost::SetWindowTitle(title);
    if (title == lastTitle_)
        return;
    lastTitle_ = title;
    out_ << "  title \"" << title << "\"\n";
}

std::optional<PersonalDetails> PlayHost::AskPersonalDetails(const PersonalDetails&)
{
    out_ << "  personal details dialog -> cancel\n";
    return std::nullopt;
}

} // namespace galloria::sim
