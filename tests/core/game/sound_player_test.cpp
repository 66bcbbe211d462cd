#include "game/sound_player.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace galloria {
namespace {

// Writes down every request that reaches the platform.
class RecordingSink final : public SoundSink {
public:
    void PlayOnce(std::string_view fileName) override { calls.push_back("once " + std::string(fileName)); }
    void PlayLoop(std::string_view fileName) override { calls.push_back("loop " + std::string(fileName)); }
    void Stop() override { calls.push_back("stop"); }

    std::vector<std::string> calls;
};

TEST(SoundPlayer, LoopsRunningStopsOnRequestAndPlaysTheRestOnce)
{
    RecordingSink sink;
    SoundPlayer player(sink);
    player.Play(SoundEffect::Pop);
    player.Play(SoundEffect::Run);
    player.Play(SoundEffect::StopRun);
    player.Play(SoundEffect::Tada);
    player.Play(SoundEffect::Silence);
    player.Play(6);
    player.Play(14);
    EXPECT_EQ(sink.calls, (std::vector<std::string>{"once Sounds/gxpop.wav", "loop Sounds/gxrun.wav", "stop",
                                                    "once Sounds/gxtada.wav", "stop",
                                                    "once Sounds/gxprogram.wav", "once Sounds/gxdel.wav"}));

    // Every numbered sound with a file plays it once, except the running loop.
    for (int number = 1; number <= 15; ++number) {
        sink.calls.clear();
        player.Play(number);
        ASSERT_EQ(sink.calls.size(), 1u) << number;
        if (number == 4)
            EXPECT_EQ(sink.calls[0], "loop Sounds/gxrun.wav");
        else if (number == 5)
            EXPECT_EQ(sink.calls[0], "stop");
        else
            EXPECT_EQ(sink.calls[0].rfind("once Sounds/gx", 0), 0u) << sink.calls[0];
    }
}

TEST(SoundPlayer, NumbersWithoutASoundPlayNothing)
{
    RecordingSink sink;
    SoundPlayer player(sink);
    for (int number : {0, -1, 16, 17, 19, 21, 100})
        player.Play(number);
    player.Play(static_cast<SoundEffect>(18));
    EXPECT_TRUE(sink.calls.empty());
}

TEST(SoundPlayer, WithSoundOffNothingReachesTheSink)
{
    RecordingSink sink;
    SoundPlayer player(sink, false);
    for (int number = -1; number <= 21; ++number)
        player.Play(number);
    player.SetEnabled(false);
    EXPECT_FALSE(player.Enabled());
    EXPECT_TRUE(sink.calls.empty());

    player.SetEnabled(true);
    player.Play(SoundEffect::Click);
    EXPECT_EQ(sink.calls, std::vector<std::string>{"once Sounds/gxclick.wav"});
}

TEST(SoundPlayer, TurningSoundOffStopsARunningLoopOnce)
{
    RecordingSink sink;
    SoundPlayer player(sink);
    player.Play(SoundEffect::Run);
    player.SetEnabled(false);
    player.Play(SoundEffect::StopRun);
    player.Play(SoundEffect::Silence);
    player.SetEnabled(false);
    EXPECT_EQ(sink.calls, (std::vector<std::string>{"loop Sounds/gxrun.wav", "stop"}));

    // A loop that was already cut off or stopped needs no stop.
    sink.calls.clear();
    player.SetEnabled(true);
    player.Play(SoundEffect::Run);
    player.Play(SoundEffect::Cheer);
    player.SetEnabled(false);
    player.SetEnabled(true);
    player.Play(SoundEffect::Run);
    player.Play(SoundEffect::StopRun);
    player.SetEnabled(false);
    EXPECT_EQ(sink.calls, (std::vector<std::string>{"loop Sounds/gxrun.wav", "once Sounds/gxcheer.wav",
                                                    "loop Sounds/gxrun.wav", "stop"}));
}

} // namespace
} // namespace galloria
