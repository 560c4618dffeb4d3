#pragma once
// All sound of the program: one sound at a time, played asynchronously; a new sound replaces
// the one playing. The main window owns one instance and forwards its sound calls to it.

#include "platform/media_player.h"

#include <QObject>
#include <string>

namespace nudgery {

class Beeper;

class SoundPlayback : public QObject {
    Q_OBJECT
public:
    SoundPlayback(MediaPlayer& player, Beeper& beeper, QObject* parent = nullptr);

    // Plays the file when one exists at `path`; otherwise, and for an empty path, nothing.
    void PlaySoundNow(const std::string& path);
    // Opens the file and starts it playing; a file that cannot be opened gives one beep.
    void PlayTheSound(const std::string& path);
    // Stops any sound; with nothing playing it does nothing.
    void Shutup();
    // The end of `sound` closes the player, unless another sound has replaced it since.
    void MediaPlayer1Notify(SoundId sound);
    // Whether a sound is open: playing, or not yet reported ended.
    bool Playing() const { return player_.IsOpen(); }

signals:
    // The sound playing has come to its end by itself (not by Shutup or a new sound).
    void SoundEnded();

private:
    MediaPlayer& player_;
    Beeper& beeper_;
    // The sound now open, 0 when none.
    SoundId current_ = 0;
};

} // namespace nudgery
