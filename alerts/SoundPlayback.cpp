#include "SoundPlayback.h"

#include "platform/beeper.h"

#include <QFile>
#include <QFileInfo>

namespace nudgery {

SoundPlayback::SoundPlayback(MediaPlayer& player, Beeper& beeper, QObject* parent)
    : QObject(parent), player_(player), beeper_(beeper) {
    connect(&player_, &MediaPlayer::Finished, this, &SoundPlayback::MediaPlayer1Notify);
}

void SoundPlayback::PlaySoundNow(const std::string& path) {
    if (!path.empty() && QFileInfo(QFile::decodeName(path.c_str())).isFile())
        PlayTheSound(path);
}

void SoundPlayback::PlayTheSound(const std::string& path) {
    Shutup();
    current_ = player_.Open(path);
    if (current_ == 0) {
        // The user hears that the sound failed; the notification goes on without it.
        beeper_.Beep();
        return;
    }
    player_.Play();
}

void SoundPlayback::Shutup() {
    current_ = 0;
    player_.Close();
}

void SoundPlayback::MediaPlayer1Notify(SoundId sound) {
    if (sound != 0 && sound == current_) {
        Shutup();
        emit SoundEnded();
    }
}

} // namespace nudgery
