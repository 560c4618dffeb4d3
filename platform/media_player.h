#pragma once
// The media player: plays one sound file at a time, asynchronously, and reports the end of
// each sound to the Qt event loop.

#include <QObject>
#include <cstdint>
#include <string>

namespace nudgery {

// Identifies one opened sound, so that a report of its end can be told from the reports of
// sounds that came before it. Never 0 for an opened sound.
using SoundId = std::uint64_t;

class MediaPlayer : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    ~MediaPlayer() override;

    // Opens the file at `path` (bytes as the file system takes them) on the audio device,
    // closing whatever sound is open first. Returns the new sound's id, or 0 when the file
    // or the device cannot be opened.
    virtual SoundId Open(const std::string& path) = 0;
    // Starts the open sound from its beginning and returns at once; Finished reports its end.
    virtual void Play() = 0;
    // Stops and closes the open sound, if any, and releases the audio device.
    virtual void Close() = 0;
    virtual bool IsOpen() const = 0;

signals:
    // Delivered through the event loop when a sound ends by itself or is stopped.
    void Finished(nudgery::SoundId sound);
};

} // namespace nudgery
