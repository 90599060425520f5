#include "platform/sound.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include "platform/exception.h"
#include "platform/text.h"

namespace {

// The real device: SDL_mixer on the default output, one channel, a small
// buffer so a hit sounds with its key.
class TMixerDevice : public TWaveDevice {
  public:
    ~TMixerDevice() override {
        if (chunk_)
            Mix_FreeChunk(chunk_);
        if (audioOpen_)
            Mix_CloseAudio();
        if (sdlInit_)
            SDL_QuitSubSystem(SDL_INIT_AUDIO);
    }

    void Open(const std::string& fileName) override {
        if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0)
            Fail(Cp932("音声出力を初期化できません"));
        sdlInit_ = true;
        if (Mix_OpenAudio(44100, MIX_DEFAULT_FORMAT, 2, 512) != 0)
            Fail(Cp932("音声出力を開けません"));
        audioOpen_ = true;
        Mix_AllocateChannels(1);
        chunk_ = Mix_LoadWAV(fileName.c_str());
        if (!chunk_)
            Fail(Cp932("サウンドファイル ") + fileName + Cp932(" を開けません"));
    }

    bool Playing() const override { return Mix_Playing(0) != 0; }
    void Stop() override { Mix_HaltChannel(0); }
    void PlayFromStart() override { Mix_PlayChannel(0, chunk_, 0); }

  private:
    [[noreturn]] static void Fail(const std::string& what) {
        throw EMediaDeviceError(what + " (" + SDL_GetError() + ")");
    }

    Mix_Chunk* chunk_ = nullptr;
    bool audioOpen_ = false;
    bool sdlInit_ = false;
};

TWaveDeviceFactory& Factory() {
    static TWaveDeviceFactory factory;
    return factory;
}

} // namespace

void SetWaveDeviceFactory(TWaveDeviceFactory factory) {
    Factory() = std::move(factory);
}

TMediaPlayer::TMediaPlayer() = default;
TMediaPlayer::~TMediaPlayer() {
    Close();
}

void TMediaPlayer::Open() {
    Close();
    auto device = Factory() ? Factory()() : std::make_unique<TMixerDevice>();
    device->Open(FileName);
    device_ = std::move(device);
}

void TMediaPlayer::Close() {
    device_.reset();
}

TMPModes TMediaPlayer::Mode() const {
    if (!device_)
        return mpNotReady;
    return device_->Playing() ? mpPlaying : mpStopped;
}

void TMediaPlayer::SetPosition(int) {
    if (device_)
        device_->Stop();
}

void TMediaPlayer::Play() {
    // A device that is not open plays nothing, and says nothing.
    if (!device_ || device_->Playing())
        return;
    device_->PlayFromStart();
}
