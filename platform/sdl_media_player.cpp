#include "sdl_media_player.h"

#include <QFileInfo>
#include <SDL.h>
#include <SDL_mixer.h>
#include <cassert>
#include <dlfcn.h>

namespace nudgery {

namespace {

// The instance that SDL_mixer's finished hook reports to; the hook takes no user data.
std::atomic<SdlMediaPlayer*> hookTarget{nullptr};

constexpr int kSampleRate = 44100;
constexpr int kChannels = 2;
// About 23 ms of audio per buffer, so a stop is heard at once.
constexpr int kBufferFrames = 1024;

} // namespace

// The calls the player makes into SDL and SDL_mixer, found in the libraries when the first
// sound is opened: a program that plays nothing never loads the sound stack (SDL_mixer
// brings a MIDI synthesiser and the sound servers' clients with it).
class SdlMediaPlayer::Library {
public:
    // None when the library or one of its functions cannot be found.
    static std::unique_ptr<Library> Load(const std::string& name) {
        // Loaded for good: SDL keeps state and threads across the whole process, so the
        // handle is never closed.
        void* handle = dlopen(name.c_str(), RTLD_NOW | RTLD_LOCAL);
        if (!handle)
            return nullptr;
        auto library = std::unique_ptr<Library>(new Library);
        const bool found = Find(handle, "SDL_InitSubSystem", library->InitSubSystem) &&
                           Find(handle, "SDL_QuitSubSystem", library->QuitSubSystem) &&
                           Find(handle, "SDL_RWFromFile", library->RWFromFile) &&
                           Find(handle, "Mix_Init", library->Init) &&
                           Find(handle, "Mix_Quit", library->Quit) &&
                           Find(handle, "Mix_OpenAudio", library->OpenAudio) &&
                           Find(handle, "Mix_CloseAudio", library->CloseAudio) &&
                           Find(handle, "Mix_HookMusicFinished", library->HookMusicFinished) &&
                           Find(handle, "Mix_SetSoundFonts", library->SetSoundFonts) &&
                           Find(handle, "Mix_LoadMUS_RW", library->LoadMUS_RW) &&
                           Find(handle, "Mix_FreeMusic", library->FreeMusic) &&
                           Find(handle, "Mix_HaltMusic", library->HaltMusic) &&
                           Find(handle, "Mix_PlayMusic", library->PlayMusic);
        return found ? std::move(library) : nullptr;
    }

    decltype(&SDL_InitSubSystem) InitSubSystem = nullptr;
    decltype(&SDL_QuitSubSystem) QuitSubSystem = nullptr;
    decltype(&SDL_RWFromFile) RWFromFile = nullptr;
    decltype(&Mix_Init) Init = nullptr;
    decltype(&Mix_Quit) Quit = nullptr;
    decltype(&Mix_OpenAudio) OpenAudio = nullptr;
    decltype(&Mix_CloseAudio) CloseAudio = nullptr;
    decltype(&Mix_HookMusicFinished) HookMusicFinished = nullptr;
    decltype(&Mix_SetSoundFonts) SetSoundFonts = nullptr;
    decltype(&Mix_LoadMUS_RW) LoadMUS_RW = nullptr;
    decltype(&Mix_FreeMusic) FreeMusic = nullptr;
    decltype(&Mix_HaltMusic) HaltMusic = nullptr;
    decltype(&Mix_PlayMusic) PlayMusic = nullptr;

private:
    Library() = default;

    template <typename Function>
    static bool Find(void* handle, const char* name, Function& function) {
        function = reinterpret_cast<Function>(dlsym(handle, name));
        return function != nullptr;
    }
};

// One open sound: the audio device and the music loaded on it, released in reverse order.
class SdlMediaPlayer::Session {
public:
    static std::unique_ptr<Session> Open(const Library& sdl, const std::string& path,
                                         const std::string& soundFont) {
        auto device = AudioDevice::Open(sdl);
        if (!device)
            return nullptr;
        if (!soundFont.empty() && QFileInfo::exists(QString::fromStdString(soundFont)))
            sdl.SetSoundFonts(soundFont.c_str());
        // Recognised by content, not by name: a file named like a sound that holds
        // something else fails here rather than playing silence.
        SDL_RWops* source = sdl.RWFromFile(path.c_str(), "rb");
        if (!source)
            return nullptr;
        Music music(sdl.LoadMUS_RW(source, SDL_TRUE), FreeMusic{&sdl});
        if (!music)
            return nullptr;
        return std::unique_ptr<Session>(new Session(sdl, std::move(device), std::move(music)));
    }

    ~Session() { sdl_.HaltMusic(); }

    Mix_Music* music() const { return music_.get(); }

private:
    class AudioDevice {
    public:
        static std::unique_ptr<AudioDevice> Open(const Library& sdl) {
            if (sdl.InitSubSystem(SDL_INIT_AUDIO) < 0)
                return nullptr;
            sdl.Init(MIX_INIT_MID);
            if (sdl.OpenAudio(kSampleRate, MIX_DEFAULT_FORMAT, kChannels, kBufferFrames) < 0) {
                sdl.Quit();
                sdl.QuitSubSystem(SDL_INIT_AUDIO);
                return nullptr;
            }
            sdl.HookMusicFinished(&SdlMediaPlayer::OnMusicFinished);
            return std::unique_ptr<AudioDevice>(new AudioDevice(sdl));
        }
        ~AudioDevice() {
            sdl_.HookMusicFinished(nullptr);
            sdl_.CloseAudio();
            sdl_.Quit();
            sdl_.QuitSubSystem(SDL_INIT_AUDIO);
        }
        AudioDevice(const AudioDevice&) = delete;
        AudioDevice& operator=(const AudioDevice&) = delete;

    private:
        explicit AudioDevice(const Library& sdl) : sdl_(sdl) {}
        const Library& sdl_;
    };

    struct FreeMusic {
        const Library* sdl;
        void operator()(Mix_Music* music) const { sdl->FreeMusic(music); }
    };
    using Music = std::unique_ptr<Mix_Music, FreeMusic>;

    Session(const Library& sdl, std::unique_ptr<AudioDevice> device, Music music)
        : sdl_(sdl), device_(std::move(device)), music_(std::move(music)) {}

    const Library& sdl_;
    // Declared first so that it is released last.
    std::unique_ptr<AudioDevice> device_;
    Music music_;
};

SdlMediaPlayer::SdlMediaPlayer(std::string soundFont, std::string library, QObject* parent)
    : MediaPlayer(parent), soundFont_(std::move(soundFont)), libraryName_(std::move(library)) {
    [[maybe_unused]] SdlMediaPlayer* previous = hookTarget.exchange(this);
    assert(previous == nullptr);
}

SdlMediaPlayer::~SdlMediaPlayer() {
    Close();
    hookTarget.store(nullptr);
}

SoundId SdlMediaPlayer::Open(const std::string& path) {
    Close();
    // A library that cannot be loaded is looked for again with the next sound.
    if (!library_)
        library_ = Library::Load(libraryName_);
    if (!library_)
        return 0;
    session_ = Session::Open(*library_, path, soundFont_);
    return session_ ? ++lastId_ : 0;
}

void SdlMediaPlayer::Play() {
    if (!session_)
        return;
    // A restart must not report the end of the play it replaces.
    playing_.store(0);
    library_->HaltMusic();
    playing_.store(lastId_);
    if (library_->PlayMusic(session_->music(), 0) < 0)
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
