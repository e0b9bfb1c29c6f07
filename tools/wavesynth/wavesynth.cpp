// SPDX-License-Identifier: GPL-3.0-or-later
// wavesynth: writes the KORVA-Interface sound effects as WAV files.
//
// Usage: wavesynth OUTDIR
//
// Every sound is built from sine waves, soft square waves, filtered noise and
// envelopes, so no binary audio has to be kept in the source tree. Output is
// 16-bit mono PCM at 22050 Hz and is byte-identical on every run and platform.

#include "sound/waves.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <system_error>
#include <vector>

namespace {

constexpr int kSampleRate = 22050;
constexpr double kPi = 3.14159265358979323846;
constexpr double kPeakDbfs = -6.0;

using Samples = std::vector<double>;
using Waveform = double (*)(double phase);

std::size_t sampleCount(double seconds)
{
    return static_cast<std::size_t>(std::lround(seconds * kSampleRate));
}

// ---- Waveforms (phase is measured in cycles) -------------------------------

double sine(double phase)
{
    return std::sin(2.0 * kPi * phase);
}

// The first three odd harmonics of a square wave: brighter than a sine, but
// without the buzz and aliasing of a hard-edged square.
double softSquare(double phase)
{
    return sine(phase) + sine(3.0 * phase) / 3.0 + sine(5.0 * phase) / 5.0;
}

// ---- Sources ---------------------------------------------------------------

// An oscillator whose pitch glides exponentially from f0 to f1, which the ear
// hears as an even slide. The phase is accumulated so the glide has no jumps.
Samples sweep(double f0, double f1, double seconds, Waveform wave = sine)
{
    const std::size_t n = sampleCount(seconds);
    Samples out(n);
    double phase = 0.0;
    for (std::size_t i = 0; i < n; ++i) {
        const double progress = static_cast<double>(i) / static_cast<double>(n);
        out[i] = wave(phase);
        phase += f0 * std::pow(f1 / f0, progress) / kSampleRate;
        phase -= std::floor(phase);
    }
    return out;
}

Samples tone(double freq, double seconds, Waveform wave = sine)
{
    return sweep(freq, freq, seconds, wave);
}

// White noise from a fixed-seed xorshift generator (the same on every
// platform), softened by a one-pole low-pass so it is a hiss, not static.
Samples softNoise(double seconds, double cutoffHz, std::uint32_t seed)
{
    const double k = 1.0 - std::exp(-2.0 * kPi * cutoffHz / kSampleRate);
    Samples out(sampleCount(seconds));
    std::uint32_t state = seed;
    double filtered = 0.0;
    for (double &x : out) {
        state ^= state << 13;
        state ^= state >> 17;
        state ^= state << 5;
        const double white = state / 2147483648.0 - 1.0; // in [-1, 1)
        filtered += k * (white - filtered);
        x = filtered;
    }
    return out;
}

// ---- Shaping ---------------------------------------------------------------

// Raised-cosine fade-in and fade-out, so a sound never starts or stops on a
// jump in level (which would be heard as a click).
void envelope(Samples &s, double attack, double release)
{
    const std::size_t n = s.size();
    const std::size_t a = std::min(sampleCount(attack), n);
    const std::size_t r = std::min(sampleCount(release), n);
    auto ramp = [](std::size_t i, std::size_t len) {
        return 0.5 - 0.5 * std::cos(kPi * static_cast<double>(i) / static_cast<double>(len));
    };
    for (std::size_t i = 0; i < a; ++i)
        s[i] *= ramp(i, a);
    for (std::size_t i = 0; i < r; ++i)
        s[n - 1 - i] *= ramp(i, r);
}

// Exponential fade in which the level falls by 60 dB over `seconds`, like the
// ring of a struck bell.
void decay(Samples &s, double seconds)
{
    const double rate = std::log(1000.0) / (seconds * kSampleRate);
    for (std::size_t i = 0; i < s.size(); ++i)
        s[i] *= std::exp(-rate * static_cast<double>(i));
}

// Adds `src`, scaled by `gain`, into `dst` from `atSeconds` on; dst grows as
// needed, so sounds can be laid out on a timeline.
void mixInto(Samples &dst, const Samples &src, double atSeconds, double gain = 1.0)
{
    const std::size_t start = sampleCount(atSeconds);
    if (dst.size() < start + src.size())
        dst.resize(start + src.size(), 0.0);
    for (std::size_t i = 0; i < src.size(); ++i)
        dst[start + i] += gain * src[i];
}

// Scales the sound so that its loudest sample sits at kPeakDbfs.
void normalise(Samples &s)
{
    double peak = 0.0;
    for (double x : s)
        peak = std::max(peak, std::abs(x));
    if (peak <= 0.0)
        return;
    const double gain = std::pow(10.0, kPeakDbfs / 20.0) / peak;
    for (double &x : s)
        x *= gain;
}

// A tone with a quick fade-in and the given fade-out: a single beep.
Samples note(double freq, double seconds, double release, Waveform wave = sine)
{
    Samples s = tone(freq, seconds, wave);
    envelope(s, 0.005, release);
    return s;
}

// A sine that rings and dies away, used as one partial of a chime.
Samples partial(double freq, double seconds, double ringSeconds)
{
    Samples s = tone(freq, seconds);
    decay(s, ringSeconds);
    return s;
}

// ---- Recipes ---------------------------------------------------------------

// A button's chirp: two short beeps, the second a fifth higher.
Samples buttonChirp()
{
    Samples out;
    mixInto(out, note(880.0, 0.08, 0.02), 0.0);
    mixInto(out, note(1320.0, 0.12, 0.06), 0.08);
    return out;
}

// Minimising: a quick downward swoop with a breath of air behind it.
Samples minimiseSwoop()
{
    const double length = 0.3;
    Samples glide = sweep(1500.0, 300.0, length);
    envelope(glide, 0.01, 0.12);
    Samples air = softNoise(length, 1200.0, 0x2u);
    envelope(air, 0.03, 0.2);

    Samples out;
    mixInto(out, glide, 0.0);
    mixInto(out, air, 0.0, 0.25);
    return out;
}

// The bar graph's power-up: a rising C major arpeggio over a soft upward
// glide; the top note rings on.
Samples powerUpArpeggio()
{
    const double notes[] = {523.25, 659.25, 783.99};
    const double step = 0.11;

    Samples out;
    for (int i = 0; i < 3; ++i)
        mixInto(out, note(notes[i], 0.14, 0.06, softSquare), i * step);
    mixInto(out, note(1046.5, 0.3, 0.22, softSquare), 3 * step);

    Samples rise = sweep(261.63, 1046.5, 0.45);
    envelope(rise, 0.05, 0.2);
    mixInto(out, rise, 0.0, 0.25);
    return out;
}

// Power-down: a long falling sweep over a low hum, both fading away.
Samples powerDownSweep()
{
    const double length = 1.0;
    Samples fall = sweep(880.0, 110.0, length, softSquare);
    decay(fall, 1.4);
    envelope(fall, 0.01, 0.4);

    Samples hum = tone(110.0, length);
    mixInto(hum, tone(220.0, length), 0.0, 0.5);
    decay(hum, 1.2);
    envelope(hum, 0.03, 0.3);

    Samples out;
    mixInto(out, fall, 0.0, 0.6);
    mixInto(out, hum, 0.0, 0.5);
    return out;
}

// The black screen's soft low chime: a 220 Hz bell whose upper partials
// die away sooner than the fundamental, with a slow fade.
Samples blackScreenChime()
{
    const double length = 0.9;
    Samples out;
    mixInto(out, partial(220.0, length, 1.2), 0.0);
    mixInto(out, partial(220.8, length, 1.0), 0.0, 0.5); // slight beat = shimmer
    mixInto(out, partial(440.0, length, 0.6), 0.0, 0.3);
    mixInto(out, partial(607.2, length, 0.35), 0.0, 0.12); // 2.76x: bell colour
    envelope(out, 0.015, 0.2);
    return out;
}

// ---- Output ----------------------------------------------------------------

// Writes the samples (in [-1, 1]) as a mono 16-bit PCM RIFF/WAVE file.
// Returns false if the file could not be written.
bool writeWav(const std::filesystem::path &path, const Samples &samples)
{
    constexpr std::uint32_t channels = 1;
    constexpr std::uint32_t bitsPerSample = 16;
    constexpr std::uint32_t blockAlign = channels * bitsPerSample / 8;
    constexpr std::uint32_t rate = kSampleRate;
    const auto dataBytes = static_cast<std::uint32_t>(samples.size() * blockAlign);

    std::string bytes;
    bytes.reserve(44 + dataBytes);
    // WAV stores numbers little-endian whatever the host byte order.
    auto put = [&bytes](std::uint32_t value, int size) {
        for (int i = 0; i < size; ++i)
            bytes.push_back(static_cast<char>((value >> (8 * i)) & 0xFFu));
    };

    bytes += "RIFF";
    put(36 + dataBytes, 4); // size of everything after this field
    bytes += "WAVEfmt ";
    put(16, 4); // fmt chunk size
    put(1, 2);  // format 1 = integer PCM
    put(channels, 2);
    put(rate, 4);
    put(rate * blockAlign, 4); // bytes per second
    put(blockAlign, 2);
    put(bitsPerSample, 2);
    bytes += "data";
    put(dataBytes, 4);
    for (double x : samples) {
        const long level = std::lround(std::clamp(x, -1.0, 1.0) * 32767.0);
        put(static_cast<std::uint16_t>(level), 2); // two's complement bits
    }

    std::ofstream file(path, std::ios::binary);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    file.close();
    return !file.fail();
}

struct Sound
{
    Wave wave;
    Samples (*make)();
};

} // namespace

int main(int argc, char *argv[])
{
    if (argc != 2) {
        std::cerr << "usage: wavesynth OUTDIR\n";
        return 2;
    }

    const std::filesystem::path outDir = argv[1];
    std::error_code error;
    std::filesystem::create_directories(outDir, error);
    if (error) {
        std::cerr << "wavesynth: cannot create directory " << outDir.string() << ": "
                  << error.message() << '\n';
        return 1;
    }

    const Sound sounds[] = {
        {Wave::Button, buttonChirp},           {Wave::Minimise, minimiseSwoop},
        {Wave::PowerUp, powerUpArpeggio},      {Wave::PowerDown, powerDownSweep},
        {Wave::BlackScreen, blackScreenChime},
    };
    for (const Sound &sound : sounds) {
        Samples samples = sound.make();
        normalise(samples);
        const std::filesystem::path path = outDir / waveFile(sound.wave);
        if (!writeWav(path, samples)) {
            std::cerr << "wavesynth: cannot write " << path.string() << '\n';
            return 1;
        }
    }
    return 0;
}
