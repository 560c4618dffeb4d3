#include "audio_files.h"

#include <QFile>
#include <cmath>
#include <numbers>
#include <stdexcept>

namespace nudgery::test {

namespace {

void AppendLittleEndian(QByteArray& bytes, std::uint32_t value, int size) {
    for (int i = 0; i < size; ++i)
        bytes.append(static_cast<char>((value >> (8 * i)) & 0xFF));
}

void AppendBigEndian(QByteArray& bytes, std::uint32_t value, int size) {
    for (int i = size - 1; i >= 0; --i)
        bytes.append(static_cast<char>((value >> (8 * i)) & 0xFF));
}

// A MIDI variable-length quantity.
void AppendVarLength(QByteArray& bytes, std::uint32_t value) {
    QByteArray groups;
    groups.prepend(static_cast<char>(value & 0x7F));
    while ((value >>= 7) != 0)
        groups.prepend(static_cast<char>(0x80 | (value & 0x7F)));
    bytes.append(groups);
}

void WriteFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        throw std::runtime_error("cannot write " + path.toStdString());
}

} // namespace

void WriteSineWav(const QString& path, double seconds) {
    constexpr int kRate = 22050;
    const auto frames = static_cast<std::uint32_t>(seconds * kRate);
    QByteArray bytes("RIFF");
    AppendLittleEndian(bytes, 36 + frames * 2, 4);
    bytes.append("WAVEfmt ");
    AppendLittleEndian(bytes, 16, 4);        // format chunk size
    AppendLittleEndian(bytes, 1, 2);         // PCM
    AppendLittleEndian(bytes, 1, 2);         // mono
    AppendLittleEndian(bytes, kRate, 4);     // frames per second
    AppendLittleEndian(bytes, kRate * 2, 4); // bytes per second
    AppendLittleEndian(bytes, 2, 2);         // bytes per frame
    AppendLittleEndian(bytes, 16, 2);        // bits per sample
    bytes.append("data");
    AppendLittleEndian(bytes, frames * 2, 4);
    for (std::uint32_t i = 0; i < frames; ++i) {
        const double value = 12000 * std::sin(2 * std::numbers::pi * 440 * i / kRate);
        AppendLittleEndian(bytes, static_cast<std::uint16_t>(std::lround(value)), 2);
    }
    WriteFile(path, bytes);
}

void WriteChordMidi(const QString& path, double seconds) {
    constexpr int kTicksPerQuarter = 480; // at the default 120 beats a minute: 960 ticks a second
    constexpr int kNotes[] = {60, 64, 67};
    QByteArray track;
    AppendVarLength(track, 0);
    track.append("\xC0\x00", 2); // piano on channel 1
    for (int note : kNotes) {
        AppendVarLength(track, 0);
        track.append(static_cast<char>(0x90)).append(static_cast<char>(note)).append(100);
    }
    for (std::size_t i = 0; i < std::size(kNotes); ++i) {
        AppendVarLength(track, i == 0 ? static_cast<std::uint32_t>(seconds * 960) : 0);
        track.append(static_cast<char>(0x80)).append(static_cast<char>(kNotes[i])).append(64);
    }
    AppendVarLength(track, 0);
    track.append("\xFF\x2F\x00", 3); // end of track

    QByteArray bytes("MThd");
    AppendBigEndian(bytes, 6, 4);
    AppendBigEndian(bytes, 0, 2); // format 0
    AppendBigEndian(bytes, 1, 2); // one track
    AppendBigEndian(bytes, kTicksPerQuarter, 2);
    bytes.append("MTrk");
    AppendBigEndian(bytes, track.size(), 4);
    bytes.append(track);
    WriteFile(path, bytes);
}

std::vector<std::int16_t> ReadSamples(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = file.readAll();
    std::vector<std::int16_t> samples(bytes.size() / 2);
    for (std::size_t i = 0; i < samples.size(); ++i) {
        const auto low = static_cast<std::uint8_t>(bytes[2 * i]);
        const auto high = static_cast<std::uint8_t>(bytes[2 * i + 1]);
        samples[i] = static_cast<std::int16_t>(low | (high << 8));
    }
    return samples;
}

std::size_t CountAudible(const std::vector<std::int16_t>& samples) {
    constexpr int kNoise = 64;
    std::size_t count = 0;
    for (std::int16_t sample : samples)
        count += std::abs(sample) > kNoise;
    return count;
}

} // namespace nudgery::test
