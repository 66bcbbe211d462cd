#include "sound_recipes.h"

#include "synth.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace galloria::art {

namespace {

constexpr double kTwoPi = 2.0 * std::numbers::pi;

// Note frequencies by semitone from A4.
double Pitch(int semitonesFromA4)
{
    return 440.0 * std::pow(2.0, semitonesFromA4 / 12.0);
}

constexpr int C4 = -9, G4 = -2, A4 = 0, B4 = 2, C5 = 3, D5 = 5, E5 = 7, G5 = 10, A5 = 12, B5 = 14, C6 = 15,
              E6 = 19, G6 = 22;

// A brass-like timbre: strong low harmonics falling off gently.
const std::initializer_list<Partial> kBrass = {{1, 1.0},  {2, 0.62}, {3, 0.45}, {4, 0.28},
                                               {5, 0.18}, {6, 0.10}, {7, 0.05}};
// A softer, rounder horn for the bugle.
const std::initializer_list<Partial> kBugle = {{1, 1.0}, {2, 0.48}, {3, 0.30}, {4, 0.14}, {5, 0.07}};
// A struck bell: inharmonic partials that make it ring.
const std::initializer_list<Partial> kBell = {{1, 1.0}, {2.76, 0.42}, {5.40, 0.22}, {8.93, 0.10}};
// A clear chime, nearly a sine.
const std::initializer_list<Partial> kChime = {{1, 1.0}, {2, 0.12}, {3.01, 0.05}};

Track::Note NoteAt(double start, double length, int pitch, double level)
{
    Track::Note n;
    n.start = start;
    n.length = length;
    n.frequency = Pitch(pitch);
    n.level = level;
    return n;
}

// Filtered noise with an envelope given as a function of time in seconds.
template <typename Envelope>
Track NoiseBurst(double seconds, std::uint32_t seed, Biquad filter, Envelope envelope)
{
    Track t(seconds);
    Noise noise(seed);
    for (std::size_t i = 0; i < t.Size(); ++i) {
        t.At(i) = filter.Step(noise.Next()) * envelope(static_cast<double>(i) / kSampleRate);
    }
    return t;
}

PcmSound Finish(Track& t, double fadeIn = 0.004, double fadeOut = 0.03)
{
    t.Normalise(kSoundPeak);
    t.FadeEnds(fadeIn, fadeOut);
    return t.ToPcm();
}

PcmSound StartFanfare()
{
    // A rising call answered by a held chord: da-da-da-DAAH.
    Track t(1.7);
    const int line[] = {G4, C5, E5};
    for (int i = 0; i < 3; ++i) {
        auto n = NoteAt(0.02 + i * 0.13, 0.12, line[i], 0.8);
        n.release = 0.03;
        t.AddNote(n, kBrass);
    }
    for (const int p : {C5, E5, G5}) {
        auto n = NoteAt(0.42, 1.25, p, p == G5 ? 0.75 : 0.55);
        n.attack = 0.03;
        n.decay = 0.9;
        n.release = 0.35;
        n.vibratoDepth = 0.12;
        t.AddNote(n, kBrass);
    }
    return Finish(t);
}

PcmSound SoftPop()
{
    Track t(0.12);
    Track::Note n;
    n.start = 0;
    n.length = 0.12;
    n.frequency = 880;
    n.glideTo = 260;
    n.attack = 0.003;
    n.decay = 38;
    n.release = 0.02;
    t.AddNote(n, {{1, 1.0}, {2, 0.15}});
    return Finish(t, 0.002, 0.02);
}

PcmSound ShareChime()
{
    // Two soft chimes, a fifth apart.
    Track t(0.7);
    auto a = NoteAt(0.0, 0.6, E5 + 12, 0.8);
    a.decay = 6;
    a.release = 0.2;
    auto b = NoteAt(0.12, 0.58, B5 + 12, 0.6);
    b.decay = 6;
    b.release = 0.2;
    t.AddNote(a, kChime);
    t.AddNote(b, kChime);
    return Finish(t);
}

// One hoof striking turf: a dull thump with a little grit.
Track HoofBeat(std::uint32_t seed, double weight)
{
    Track beat(0.09);
    Track::Note thump;
    thump.length = 0.09;
    thump.frequency = 115 * weight;
    thump.glideTo = 55 * weight;
    thump.attack = 0.002;
    thump.decay = 45;
    thump.release = 0.02;
    beat.AddNote(thump, {{1, 1.0}, {2, 0.25}});
    Track grit = NoiseBurst(0.05, seed, Biquad::BandPass(1400, 0.9),
                            [](double s) { return 0.55 * std::exp(-s * 90); });
    beat.Mix(grit, 0, 1.0);
    return beat;
}

PcmSound GallopLoop()
{
    // A leading horse in a four-beat gallop, strides of 0.4 s, and a quieter
    // one half a stride behind; everything is written round the loop's end
    // so the last sample meets the first.
    constexpr double kLoop = 1.2;
    constexpr double kStride = 0.4;
    Track t(kLoop);
    const double beats[] = {0.0, 0.075, 0.16, 0.215}; // hind, hind, fore, fore
    // The loop's join falls between beats, where the sound is quietest.
    const double offsets[] = {0.05, 0.255};
    const double levels[] = {1.0, 0.42};
    std::uint32_t seed = 77;
    for (int horse = 0; horse < 2; ++horse) {
        for (int stride = 0; stride < 3; ++stride) {
            for (int b = 0; b < 4; ++b) {
                const double accent = b == 2 ? 1.0 : 0.8; // the leading foreleg lands hardest
                const Track beat = HoofBeat(seed++, 1.0 - 0.08 * horse + 0.03 * b);
                t.Mix(beat, offsets[horse] + stride * kStride + beats[b], levels[horse] * accent, true);
            }
        }
    }
    t.Normalise(kSoundPeak);
    return t.ToPcm(); // no fades: the loop must join without a gap
}

PcmSound BugleCall()
{
    // A short call on the notes a valveless bugle has: short-short-long.
    Track t(2.1);
    struct Step {
        double start, length;
        int pitch;
    };
    const Step steps[] = {{0.00, 0.14, G4}, {0.16, 0.14, C5}, {0.32, 0.30, E5},
                          {0.66, 0.14, C5}, {0.82, 0.14, E5}, {0.98, 1.05, G5}};
    for (const Step& s : steps) {
        auto n = NoteAt(s.start + 0.02, s.length, s.pitch, 0.8);
        n.attack = 0.018;
        n.release = s.length > 0.5 ? 0.4 : 0.04;
        n.decay = s.length > 0.5 ? 0.5 : 0;
        n.vibratoDepth = s.length > 0.5 ? 0.15 : 0;
        t.AddNote(n, kBugle);
    }
    return Finish(t);
}

PcmSound Neigh()
{
    // A whinny: a buzzy voice whose pitch jumps up, then shakes its way down,
    // shaped by two formants, with breath underneath.
    constexpr double kLength = 1.35;
    Track voice(kLength);
    double phase = 0;
    Noise jitter(404);
    for (std::size_t i = 0; i < voice.Size(); ++i) {
        const double t = static_cast<double>(i) / kSampleRate;
        const double u = t / kLength;
        // Pitch contour: a quick rise to the top, then a long fall.
        const double contour =
            u < 0.12 ? 520 + (1180 - 520) * (u / 0.12) : 1180 * std::pow(380.0 / 1180.0, (u - 0.12) / 0.88);
        const double shakeRate = 9.0 + 5.0 * u;
        const double shake = (0.04 + 0.16 * u) * std::sin(kTwoPi * shakeRate * t);
        const double frequency = contour * (1.0 + shake) * (1.0 + 0.01 * jitter.Next());
        phase += frequency / kSampleRate;
        phase -= std::floor(phase);
        // A bright pulse-like wave: a few odd and even harmonics.
        double wave = 0;
        for (int h = 1; h <= 8; ++h) {
            if (frequency * h < kSampleRate * 0.45) {
                wave += std::sin(kTwoPi * phase * h) / h;
            }
        }
        double envelope = std::min(1.0, t / 0.06) * (u < 0.7 ? 1.0 : std::max(0.0, (1.0 - u) / 0.3));
        envelope *= 0.75 + 0.25 * std::sin(kTwoPi * shakeRate * t + 1.0); // the shake also pulses the level
        voice.At(i) = wave * envelope;
    }
    Track shaped(kLength);
    Biquad low = Biquad::BandPass(850, 1.6);
    Biquad high = Biquad::BandPass(2100, 2.2);
    for (std::size_t i = 0; i < voice.Size(); ++i) {
        shaped.At(i) = low.Step(voice.At(i)) + 0.7 * high.Step(voice.At(i)) + 0.15 * voice.At(i);
    }
    const Track breath = NoiseBurst(kLength, 405, Biquad::BandPass(1600, 0.7), [](double s) {
        return 0.12 * std::min(1.0, s / 0.1) * std::max(0.0, 1.0 - s / kLength);
    });
    shaped.Mix(breath, 0, 1.0);
    return Finish(shaped, 0.01, 0.12);
}

PcmSound GateOpens()
{
    // The starter's bell, then the stall doors banging open along the line.
    Track t(1.3);
    for (int ring = 0; ring < 2; ++ring) {
        auto bell = NoteAt(ring * 0.11, 1.2 - ring * 0.11, A5, ring == 0 ? 0.55 : 0.45);
        bell.attack = 0.002;
        bell.decay = 3.2;
        bell.release = 0.25;
        t.AddNote(bell, kBell);
    }
    Noise spacing(81);
    double at = 0.18;
    for (int door = 0; door < 12; ++door) {
        const Track clack = NoiseBurst(0.06, 900 + door, Biquad::BandPass(spacing.Uniform(1800, 3200), 2.5),
                                       [](double s) { return std::exp(-s * 70); });
        const Track knock = NoiseBurst(0.08, 950 + door, Biquad::LowPass(400, 1.0),
                                       [](double s) { return 1.6 * std::exp(-s * 55); });
        const double level = 0.9 - 0.03 * door;
        t.Mix(clack, at, level);
        t.Mix(knock, at, level);
        at += spacing.Uniform(0.018, 0.045);
    }
    return Finish(t, 0.002, 0.2);
}

PcmSound EndCadence()
{
    // A gentle closing phrase coming home to the tonic.
    Track t(1.3);
    const int line[] = {G5, E5, D5, C5};
    for (int i = 0; i < 4; ++i) {
        auto n = NoteAt(i * 0.18, i == 3 ? 0.75 : 0.2, line[i], 0.7);
        n.attack = 0.01;
        n.decay = 2.5;
        n.release = i == 3 ? 0.3 : 0.05;
        t.AddNote(n, kChime);
    }
    auto bass = NoteAt(0.54, 0.75, C4, 0.5);
    bass.decay = 2.5;
    bass.release = 0.3;
    t.AddNote(bass, kChime);
    return Finish(t);
}

PcmSound Click()
{
    Track t(0.1);
    Track::Note tick;
    tick.length = 0.03;
    tick.frequency = 2400;
    tick.glideTo = 1600;
    tick.attack = 0.0008;
    tick.decay = 160;
    tick.release = 0.008;
    t.AddNote(tick, {{1, 1.0}});
    const Track snap =
        NoiseBurst(0.02, 12, Biquad::HighPass(3000, 0.8), [](double s) { return 0.5 * std::exp(-s * 300); });
    t.Mix(snap, 0, 1.0);
    return Finish(t, 0.0008, 0.02);
}

PcmSound CashRegister()
{
    // The drawer's clack, then the ding.
    Track t(1.0);
    const Track clack =
        NoiseBurst(0.05, 31, Biquad::BandPass(900, 1.2), [](double s) { return std::exp(-s * 80); });
    t.Mix(clack, 0, 0.7);
    auto ding = NoteAt(0.05, 0.93, C6 + 12, 0.8);
    ding.attack = 0.002;
    ding.decay = 4.0;
    ding.release = 0.2;
    t.AddNote(ding, kBell);
    auto body = NoteAt(0.05, 0.6, C6, 0.35);
    body.attack = 0.002;
    body.decay = 6.0;
    body.release = 0.15;
    t.AddNote(body, kChime);
    return Finish(t, 0.002, 0.1);
}

// One spectator's shout: a buzzy voice rising and falling in pitch through
// the two formants of an open "ah", with a little wobble.
Track Shout(double seconds, double pitch, std::uint32_t seed)
{
    Track raw(seconds);
    Noise jitter(seed);
    const double wobbleRate = jitter.Uniform(4.5, 7.0);
    double phase = 0;
    for (std::size_t i = 0; i < raw.Size(); ++i) {
        const double t = static_cast<double>(i) / kSampleRate;
        const double u = t / seconds;
        const double contour = pitch * (1.0 + 0.35 * std::sin(std::numbers::pi * std::min(1.0, u * 1.3)));
        const double frequency =
            contour * (1.0 + 0.02 * std::sin(kTwoPi * wobbleRate * t) + 0.004 * jitter.Next());
        phase += frequency / kSampleRate;
        phase -= std::floor(phase);
        double wave = 0;
        for (int h = 1; h <= 12; ++h) {
            if (frequency * h < kSampleRate * 0.45) {
                wave += std::sin(kTwoPi * phase * h) / h;
            }
        }
        raw.At(i) = wave * std::sin(std::numbers::pi * u);
    }
    Track shaped(seconds);
    Biquad first = Biquad::BandPass(jitter.Uniform(700, 900), 2.5);
    Biquad second = Biquad::BandPass(jitter.Uniform(1100, 1400), 3.0);
    for (std::size_t i = 0; i < raw.Size(); ++i) {
        shaped.At(i) = first.Step(raw.At(i)) + 0.6 * second.Step(raw.At(i));
    }
    return shaped;
}

PcmSound CrowdCheer()
{
    // The stand roaring: a bed of band-limited noise whose loudness wanders,
    // with shouts rising out of it, swelling up and dying away.
    constexpr double kLength = 2.4;
    Track t(kLength);
    Noise wander(55);
    for (int voice = 0; voice < 14; ++voice) {
        const double centre = wander.Uniform(500, 2600);
        const double rate = wander.Uniform(2.0, 6.0);
        const double offset = wander.Uniform(0, kTwoPi);
        const Track v = NoiseBurst(kLength, 1000 + voice, Biquad::BandPass(centre, 3.0), [=](double s) {
            return 0.7 + 0.3 * std::sin(kTwoPi * rate * s + offset);
        });
        t.Mix(v, 0, 1.0);
    }
    Track roar = NoiseBurst(kLength, 999, Biquad::LowPass(700, 0.7), [](double) { return 0.6; });
    t.Mix(roar, 0, 1.0);
    for (int shout = 0; shout < 16; ++shout) {
        const double start = wander.Uniform(0.15, 1.4);
        const double length = wander.Uniform(0.45, 0.9);
        t.Mix(Shout(length, wander.Uniform(170, 420), 2000 + shout), start, wander.Uniform(1.2, 2.2));
    }
    for (std::size_t i = 0; i < t.Size(); ++i) {
        const double s = static_cast<double>(i) / kSampleRate;
        const double swell =
            s < 0.7 ? std::pow(s / 0.7, 1.5) : (s < 1.5 ? 1.0 : std::max(0.0, 1.0 - (s - 1.5) / 0.9));
        t.At(i) *= swell;
    }
    return Finish(t, 0.05, 0.2);
}

PcmSound CancelBlip()
{
    Track t(0.28);
    auto a = NoteAt(0.0, 0.11, E5, 0.7);
    a.glideTo = Pitch(D5);
    a.release = 0.03;
    auto b = NoteAt(0.1, 0.18, B4, 0.7);
    b.glideTo = Pitch(A4);
    b.decay = 8;
    b.release = 0.08;
    t.AddNote(a, {{1, 1.0}, {2, 0.2}});
    t.AddNote(b, {{1, 1.0}, {2, 0.2}});
    return Finish(t, 0.003, 0.05);
}

PcmSound EraseSwoosh()
{
    // Paper torn across: noise whose pitch sweeps down, roughened by grains.
    constexpr double kLength = 0.45;
    Track t(kLength);
    Noise noise(14);
    Noise grains(15);
    double grain = 1.0;
    for (std::size_t i = 0; i < t.Size(); ++i) {
        const double s = static_cast<double>(i) / kSampleRate;
        const double u = s / kLength;
        if (i % 90 == 0) {
            grain = 0.45 + 0.55 * (grains.Next() + 1.0) * 0.5;
        }
        const double envelope = std::sin(std::numbers::pi * u) * grain;
        t.At(i) = noise.Next() * envelope;
    }
    // The band sweeps down: its tuning is renewed every short block, keeping
    // the filter's memory so the sweep is smooth.
    Track swept(kLength);
    constexpr std::size_t kBlock = 64;
    Biquad filter = Biquad::BandPass(3200, 1.4);
    for (std::size_t i = 0; i < t.Size(); ++i) {
        if (i % kBlock == 0) {
            const double u = static_cast<double>(i) / static_cast<double>(t.Size());
            filter.RetuneBandPass(3200 * std::pow(700.0 / 3200.0, u), 1.4);
        }
        swept.At(i) = filter.Step(t.At(i));
    }
    return Finish(swept, 0.005, 0.05);
}

PcmSound TaDa()
{
    // A short pickup chord, then the big one held.
    Track t(1.4);
    for (const int p : {G4, B4, D5}) {
        auto n = NoteAt(0.0, 0.13, p, 0.5);
        n.release = 0.03;
        t.AddNote(n, kBrass);
    }
    for (const int p : {C4, C5, E5, G5, C6}) {
        auto n = NoteAt(0.16, 1.2, p, p == C6 ? 0.45 : 0.5);
        n.attack = 0.015;
        n.decay = 1.3;
        n.release = 0.4;
        n.vibratoDepth = 0.1;
        t.AddNote(n, kBrass);
    }
    auto sparkle = NoteAt(0.16, 0.9, E6 + 12, 0.15);
    sparkle.decay = 5;
    sparkle.release = 0.2;
    t.AddNote(sparkle, kBell);
    auto sparkle2 = NoteAt(0.22, 0.8, G6 + 12, 0.1);
    sparkle2.decay = 5;
    sparkle2.release = 0.2;
    t.AddNote(sparkle2, kBell);
    return Finish(t);
}

} // namespace

std::vector<SoundEffect> SoundsWithFiles()
{
    std::vector<SoundEffect> sounds;
    for (int n = 1; n <= static_cast<int>(SoundEffect::Silence); ++n) {
        if (!SoundFileName(static_cast<SoundEffect>(n)).empty()) {
            sounds.push_back(static_cast<SoundEffect>(n));
        }
    }
    return sounds;
}

std::string SoundFileBaseName(SoundEffect sound)
{
    const std::string_view path = SoundFileName(sound);
    const auto slash = path.find_last_of("/\\");
    return std::string(slash == std::string_view::npos ? path : path.substr(slash + 1));
}

std::optional<PcmSound> MakeSound(SoundEffect sound)
{
    switch (sound) {
    case SoundEffect::Start:
        return StartFanfare();
    case SoundEffect::Pop:
        return SoftPop();
    case SoundEffect::Share:
        return ShareChime();
    case SoundEffect::Run:
        return GallopLoop();
    case SoundEffect::Program:
        return BugleCall();
    case SoundEffect::Neigh:
        return Neigh();
    case SoundEffect::Gate:
        return GateOpens();
    case SoundEffect::End:
        return EndCadence();
    case SoundEffect::Click:
        return Click();
    case SoundEffect::Buy:
        return CashRegister();
    case SoundEffect::Cheer:
        return CrowdCheer();
    case SoundEffect::Cancel:
        return CancelBlip();
    case SoundEffect::Delete:
        return EraseSwoosh();
    case SoundEffect::Tada:
        return TaDa();
    case SoundEffect::StopRun:
    case SoundEffect::Silence:
        break;
    }
    return std::nullopt;
}

} // namespace galloria::art
