#include "synth.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace galloria::art {

namespace {

constexpr double kTwoPi = 2.0 * std::numbers::pi;

} // namespace

double Noise::Next()
{
    // xorshift32: tiny, fast and identical everywhere.
    state_ ^= state_ << 13;
    state_ ^= state_ >> 17;
    state_ ^= state_ << 5;
    return static_cast<double>(state_) / 2147483648.0 - 1.0;
}

double Noise::Uniform(double low, double high)
{
    return low + (Next() + 1.0) * 0.5 * (high - low);
}

Biquad Biquad::BandPass(double centre, double q)
{
    Biquad f;
    f.RetuneBandPass(centre, q);
    return f;
}

void Biquad::RetuneBandPass(double centre, double q)
{
    const double w = kTwoPi * centre / kSampleRate;
    const double alpha = std::sin(w) / (2 * q);
    const double a0 = 1 + alpha;
    b0_ = alpha / a0;
    b1_ = 0;
    b2_ = -alpha / a0;
    a1_ = -2 * std::cos(w) / a0;
    a2_ = (1 - alpha) / a0;
}

Biquad Biquad::LowPass(double cutoff, double q)
{
    const double w = kTwoPi * cutoff / kSampleRate;
    const double alpha = std::sin(w) / (2 * q);
    const double c = std::cos(w);
    const double a0 = 1 + alpha;
    Biquad f;
    f.b0_ = (1 - c) / 2 / a0;
    f.b1_ = (1 - c) / a0;
    f.b2_ = (1 - c) / 2 / a0;
    f.a1_ = -2 * c / a0;
    f.a2_ = (1 - alpha) / a0;
    return f;
}

Biquad Biquad::HighPass(double cutoff, double q)
{
    const double w = kTwoPi * cutoff / kSampleRate;
    const double alpha = std::sin(w) / (2 * q);
    const double c = std::cos(w);
    const double a0 = 1 + alpha;
    Biquad f;
    f.b0_ = (1 + c) / 2 / a0;
    f.b1_ = -(1 + c) / a0;
    f.b2_ = (1 + c) / 2 / a0;
    f.a1_ = -2 * c / a0;
    f.a2_ = (1 - alpha) / a0;
    return f;
}

double Biquad::Step(double in)
{
    const double out = b0_ * in + b1_ * x1_ + b2_ * x2_ - a1_ * y1_ - a2_ * y2_;
    x2_ = x1_;
    x1_ = in;
    y2_ = y1_;
    y1_ = out;
    return out;
}

Track::Track(double seconds) : samples_(static_cast<std::size_t>(std::lround(seconds * kSampleRate)), 0.0) {}

void Track::AddNote(const Note& note, std::initializer_list<Partial> partials)
{
    const auto first = static_cast<std::size_t>(std::lround(note.start * kSampleRate));
    const auto count = static_cast<std::size_t>(std::lround(note.length * kSampleRate));
    double phase = 0;
    for (std::size_t i = 0; i < count && first + i < samples_.size(); ++i) {
        const double t = static_cast<double>(i) / kSampleRate;
        double frequency = note.frequency;
        if (note.glideTo > 0) {
            frequency *= std::pow(note.glideTo / note.frequency, t / note.length);
        }
        if (note.vibratoDepth > 0) {
            // Vibrato grows in over the first 0.15 s, as a player's would.
            const double depth = note.vibratoDepth * std::min(1.0, t / 0.15);
            frequency *= std::pow(2.0, depth * std::sin(kTwoPi * note.vibratoRate * t) / 12.0);
        }
        phase += frequency / kSampleRate;
        phase -= std::floor(phase);
        double envelope = note.level * std::exp(-note.decay * t);
        if (t < note.attack) {
            envelope *= t / note.attack;
        }
        const double left = note.length - t;
        if (left < note.release) {
            envelope *= std::max(0.0, left / note.release);
        }
        double value = 0;
        for (const Partial& p : partials) {
            // Partials above the Nyquist frequency would fold back as noise.
            if (frequency * p.ratio < kSampleRate * 0.45) {
                value += p.level * std::sin(kTwoPi * phase * p.ratio);
            }
        }
        samples_[first + i] += envelope * value;
    }
}

void Track::Mix(const Track& other, double start, double level, bool wrap)
{
    const auto first = static_cast<std::size_t>(std::lround(start * kSampleRate));
    for (std::size_t i = 0; i < other.Size(); ++i) {
        std::size_t at = first + i;
        if (at >= samples_.size()) {
            if (!wrap) {
                break;
            }
            at %= samples_.size();
        }
        samples_[at] += level * other.At(i);
    }
}

void Track::Normalise(double peak)
{
    double loudest = 0;
    for (const double s : samples_) {
        loudest = std::max(loudest, std::abs(s));
    }
    if (loudest > 0) {
        for (double& s : samples_) {
            s *= peak / loudest;
        }
    }
}

void Track::FadeEnds(double inSeconds, double outSeconds)
{
    const auto fadeIn = std::min(samples_.size(), static_cast<std::size_t>(inSeconds * kSampleRate));
    const auto fadeOut = std::min(samples_.size(), static_cast<std::size_t>(outSeconds * kSampleRate));
    for (std::size_t i = 0; i < fadeIn; ++i) {
        samples_[i] *= 0.5 - 0.5 * std::cos(std::numbers::pi * static_cast<double>(i) / fadeIn);
    }
    for (std::size_t i = 0; i < fadeOut; ++i) {
        samples_[samples_.size() - 1 - i] *=
            0.5 - 0.5 * std::cos(std::numbers::pi * static_cast<double>(i) / fadeOut);
    }
}

PcmSound Track::ToPcm() const
{
    PcmSound pcm;
    pcm.sampleRate = kSampleRate;
    pcm.samples.reserve(samples_.size());
    for (const double s : samples_) {
        const double scaled = std::clamp(s, -1.0, 1.0) * 32767.0;
        pcm.samples.push_back(static_cast<std::int16_t>(std::lround(scaled)));
    }
    return pcm;
}

} // namespace galloria::art
