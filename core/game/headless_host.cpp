#include "game/headless_host.h"

#include "betting/betting_window_model.h"
#include "game/player_names_model.h"
#include "game/race_set_results_model.h"

namespace galloria {

MessageAnswer HeadlessHost::NextAnswer(MessageKind kind)
{
    if (!answers.empty()) {
        const MessageAnswer answer = answers.front();
        answers.pop_front();
        return answer;
    }
    // Retrying would only meet the same scripted answer again.
    if (kind == MessageKind::RetryCancel)
        return MessageAnswer::Cancel;
    return kind == MessageKind::YesNoCancel ? MessageAnswer::Yes : MessageAnswer::Ok;
}

MessageAnswer HeadlessHost::ShowMessage(std::string_view text, MessageKind kind)
{
    messages.emplace_back(text);
    return NextAnswer(kind);
}

void HeadlessHost::ShowNotice(std::span<const std::string_view> lines, bool, int)
{
    std::string text;
    for (std::string_view line : lines) {
        if (!text.empty())
            text += '\n';
        text += line;
    }
    notices.push_back(text);
}

bool HeadlessHost::AskPlayerNames(PlayerNamesModel& names)
{
    namesShown.push_back({names.Text(0), names.Text(1), names.Text(2), names.Text(3)});
    if (namesCancelled)
        return false;
    for (int slot = 0; slot < 4; ++slot)
        names.TypeText(slot, playerNames[slot]);
    return true;
}

bool HeadlessHost::ShowRaceSetResults(const RaceSetResultsModel& results)
{
    setTitles.push_back(results.Title());
    if (continueSets <= 0 || !results.CanContinue())
        return false;
    --continueSets;
    return true;
}

void HeadlessHost::ShowTip(std::string_view text)
{
    tips.emplace_back(text);
}

void HeadlessHost::RunBettingWindow(BettingWindowModel& window)
{
    if (bettor)
        bettor(window);
}

std::optional<PersonalDetails> HeadlessHost::AskPersonalDetails(const PersonalDetails&)
{
    return personalDetails;
}

std::optional<std::filesystem::path> HeadlessHost::ChooseSaveFile(std::string_view)
{
    return saveFile;
}

std::optional<std::filesystem::path> HeadlessHost::ChooseOpenFile()
{
    return openFile;
}

} // namespace galloria
