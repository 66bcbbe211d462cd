#pragma once

#include "wav_file.h"

#include <cstdint>
#include <initializer_list>
#include <vector>

namespace galloria::art {

inline constexpr int kSampleRate = 22050;

// A repeatable noise source: the same seed gives the same samples on every
// machine (the standard distributions are not portable, so none is used).
class Noise {
public:
    explicit Noise(std::uint32_t seed) : state_(seed ? seed : 1u) {}
    double Next(); // uniform in [-1, 1)
    double Uniform(double low, double high);

private:
    std::uint32_t state_;
};

// Second-order filter (the usual audio cookbook forms), one sample at a time.
class Biquad {
public:
    static Biquad BandPass(double centre, double q);
    static Biquad LowPass(double cutoff, double q);
    static Biquad HighPass(double cutoff, double q);
    // New band-pass tuning that keeps the filter's memory, for sweeps.
    void RetuneBandPass(double centre, double q);
    double Step(double in);

private:
    double b0_ = 1, b1_ = 0, b2_ = 0, a1_ = 0, a2_ = 0;
    double x1_ = 0, x2_ = 0, y1_ = 0, y2_ = 0;
};

// A partial of a tone: frequency ratio and relative level.
struct Partial {
    double ratio;
    double level;
};

// A sound under construction: floating samples, added to by the voices below.
class Track {
public:
    explicit Track(double seconds);

    std::size_t Size() const { return samples_.size(); }
    double& At(std::size_t i) { return samples_[i]; }
    double At(std::size_t i) const { return samples_[i]; }

    // A pitched note with the given partials: it rises in `attack` seconds and
    // decays exponentially by `decay` per second, then fades out over its last
    // `release` seconds. Vibrato is a depth in semitones at `vibratoRate` Hz.
    struct Note {
        double start = 0;
        double length = 0.2;
        double frequency = 440;
        double level = 1;
        double attack = 0.01;
        double decay = 0;
        double release = 0.05;
        double vibratoDepth = 0;
        double vibratoRate = 5.5;
        double glideTo = 0; // when set, the pitch slides there over the note
    };
    void AddNote(const Note& note, std::initializer_list<Partial> partials);

    // Adds `other` times `level`, starting at `start` seconds; with `wrap`
    // what runs past the end comes round to the beginning (for loops).
    void Mix(const Track& other, double start, double level, bool wrap = false);

    // Scales the whole sound so its loudest sample sits at `peak` (of full
    // scale); silence stays silence.
    void Normalise(double peak);
    // Raised-cosine fades at both ends so the sound starts and stops at zero.
    void FadeEnds(double inSeconds, double outSeconds);

    PcmSound ToPcm() const;

private:
    std::vector<double> samples_;
};

} // namespace galloria::art
