#pragma once
// Sound files made by the tests themselves, and a reader for what SDL's disk driver wrote.

#include <QString>
#include <cstdint>
#include <vector>

namespace nudgery::test {

// A 16-bit mono wave file holding a 440 Hz sine tone of `seconds`.
void WriteSineWav(const QString& path, double seconds);
// A one-track MIDI file: a piano playing a chord for about `seconds`.
void WriteChordMidi(const QString& path, double seconds);

// The signed 16-bit samples in a raw audio file; empty when the file does not exist.
std::vector<std::int16_t> ReadSamples(const QString& path);
// How many samples are louder than the faint noise that dithering or a synthesizer's
// release could leave.
std::size_t CountAudible(const std::vector<std::int16_t>& samples);

} // namespace nudgery::test
