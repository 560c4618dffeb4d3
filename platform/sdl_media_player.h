#pragma once
// The media player on SDL2_mixer: wave and MIDI files through the same calls. The library is
// loaded with the first sound, and the audio device opened with each sound and released
// again whenever no sound is open, so an idle program keeps no audio thread busy and a
// machine without audio, or without the library, runs on (each sound then fails to open).

#include "media_player.h"

#include <atomic>
#include <memory>
#include <string>

namespace nudgery {

// The General MIDI soundfont of the Debian package fluid-soundfont-gm.
inline constexpr const char* kDefaultSoundFont = "/usr/share/sounds/sf2/FluidR3_GM.sf2";
// SDL2_mixer as Debian installs it; it brings SDL2 with it.
inline constexpr const char* kMixerLibrary = "libSDL2_mixer-2.0.so.0";

// SDL_mixer keeps one music stream per process, so at most one instance may exist at a time.
class SdlMediaPlayer final : public MediaPlayer {
    Q_OBJECT
public:
    // `soundFont` serves MIDI files when it exists; otherwise SDL_mixer looks for its own.
    // `library` names the SDL2_mixer library to load.
    explicit SdlMediaPlayer(std::string soundFont = kDefaultSoundFont,
                            std::string library = kMixerLibrary, QObject* parent = nullptr);
    ~SdlMediaPlayer() override;

    SoundId Open(const std::string& path) override;
    void Play() override;
    void Close() override;
    bool IsOpen() const override { return session_ != nullptr; }

private:
    class Library;
    class Session;
    // Called by SDL_mixer on its audio thread, or inside a halt on the caller's thread.
    static void OnMusicFinished();

    const std::string soundFont_;
    const std::string libraryName_;
    std::unique_ptr<Library> library_;
    std::unique_ptr<Session> session_;
    SoundId lastId_ = 0;
    // The id of the sound now playing, 0 when none; read by the audio thread.
    std::atomic<SoundId> playing_{0};
};

} // namespace nudgery
