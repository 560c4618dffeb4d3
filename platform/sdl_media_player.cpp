#include "sdl_media_player.h"

#include <QFileInfo>
#include <SDL.h>
#include <SDL_mixer.h>
#include <cassert>

namespace nudgery {

namespace {

// The instance that SDL_mixer's finished hook reports to; the hook takes no user data.
std::atomic<SdlMediaPlayer*> hookTarget{nullptr};

constexpr int kSampleRate = 44100;
constexpr int kChannels = 2;
// About 23 ms of audio per buffer, so a stop is heard at once.
constexpr int kBufferFrames = 1024;

} // namespace

// One open sound: the audio device and the music loaded on it, released in reverse order.
class SdlMediaPlayer::Session {
public:
    static std::unique_ptr<Session> Open(const std::string& path, const std::string& soundFont) {
        auto device = AudioDevice::Open();
        if (!device)
            return nullptr;
        if (!soundFont.empty() && QFileInfo::exists(QString::fromStdString(soundFont)))
            Mix_SetSoundFonts(soundFont.c_str());
        // Recognised by content, not by name: a file named like a sound that holds
        // something else fails here rather than playing silence.
        SDL_RWops* source = SDL_RWFromFile(path.c_str(), "rb");
        if (!source)
            return nullptr;
        Music music(Mix_LoadMUS_RW(source, SDL_TRUE));
        if (!music)
            return nullptr;
        return std::unique_ptr<Session>(new Session(std::move(device), std::move(music)));
    }

    ~Session() { Mix_HaltMusic(); }

    Mix_Music* music() const { return music_.get(); }

private:
    class AudioDevice {
    public:
        static std::unique_ptr<AudioDevice> Open() {
            if (SDL_InitSubSystem(SDL_INIT_AUDIO) < 0)
                return nullptr;
            Mix_Init(MIX_INIT_MID);
            if (Mix_OpenAudio(kSampleRate, MIX_DEFAULT_FORMAT, kChannels, kBufferFrames) < 0) {
                Mix_Quit();
                SDL_QuitSubSystem(SDL_INIT_AUDIO);
                return nullptr;
            }
            Mix_HookMusicFinished(&SdlMediaPlayer::OnMusicFinished);
            return std::unique_ptr<AudioDevice>(new AudioDevice);
        }
        ~AudioDevice() {
            Mix_HookMusicFinished(nullptr);
            Mix_CloseAudio();
            Mix_Quit();
            SDL_QuitSubSystem(SDL_INIT_AUDIO);
        }
        AudioDevice(const AudioDevice&) = delete;
        AudioDevice& operator=(const AudioDevice&) = delete;

    private:
        AudioDevice() = default;
    };

    struct FreeMusic {
        void operator()(Mix_Music* music) const { Mix_FreeMusic(music); }
    };
    using Music = std::unique_ptr<Mix_Music, FreeMusic>;

    Session(std::unique_ptr<AudioDevice> device, Music music)
        : device_(std::move(device)), music_(std::move(music)) {}

    // Declared first so that it is released last.
    std::unique_ptr<AudioDevice> device_;
    Music music_;
};

SdlMediaPlayer::SdlMediaPlayer(std::string soundFont, QObject* parent)
    : MediaPlayer(parent), soundFont_(std::move(soundFont)) {
    [[maybe_unused]] SdlMediaPlayer* previous = hookTarget.exchange(this);
    assert(previous == nullptr);
}

SdlMediaPlayer::~SdlMediaPlayer() {
    Close();
    hookTarget.store(nullptr);
}

SoundId SdlMediaPlayer::Open(const std::string& path) {
    Close();
    session_ = Session::Open(path, soundFont_);
    return session_ ? ++lastId_ : 0;
}

void SdlMediaPlayer::Play() {
    if (!session_)
        return;
    // A restart must not report the end of the play it replaces.
    playing_.store(0);
    Mix_HaltMusic();
    playing_.store(lastId_);
    if (Mix_PlayMusic(session_->music(), 0) < 0)
        OnMusicFinished(); // a play that cannot start ends at once
}

void SdlMediaPlayer::Close() {
    // Halting inside the session's release reports the end of a sound still playing.
    session_.reset();
}

void SdlMediaPlayer::OnMusicFinished() {
    SdlMediaPlayer* self = hookTarget.load();
    if (!self)
        return;
    const SoundId sound = self->playing_.exchange(0);
    if (sound == 0)
        return;
    QMetaObject::invokeMethod(
        self, [self, sound] { emit self->Finished(sound); }, Qt::QueuedConnection);
}

} // namespace nudgery
