#pragma once
// The media player on SDL2_mixer: wave and MIDI files through the same calls. The audio
// device is opened with the first sound and released again whenever no sound is open, so an
// idle program keeps no audio thread busy and a machine without audio runs on.

#include "media_player.h"

#include <atomic>
#include <memory>
#include <string>

namespace nudgery {

// The General MIDI soundfont of the Debian package fluid-soundfont-gm.
inline constexpr const char* kDefaultSoundFont = "/usr/share/sounds/sf2/FluidR3_GM.sf2";

// SDL_mixer keeps one music stream per process, so at most one instance may exist at a time.
class SdlMediaPlayer final : public MediaPlayer {
    Q_OBJECT
public:
    // `soundFont` serves MIDI files when it exists; otherwise SDL_mixer looks for its own.
    explicit SdlMediaPlayer(std::string soundFont = kDefaultSoundFont, QObject* parent = nullptr);
    ~SdlMediaPlayer() override;

    SoundId Open(const std::string& path) override;
    void Play() override;
    void Close() override;
    bool IsOpen() const override { return session_ != nullptr; }

private:
    class Session;
    // Called by SDL_mixer on its audio thread, or inside a halt on the caller's thread.
    static void OnMusicFinished();

    const std::string soundFont_;
    std::unique_ptr<Session> session_;
    SoundId lastId_ = 0;
    // The id of the sound now playing, 0 when none; read by the audio thread.
    std::atomic<SoundId> playing_{0};
};

} // namespace nudgery
