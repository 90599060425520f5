#pragma once
// The media player of the wave-audio device, and the device behind it.
#include <functional>
#include <memory>
#include <string>

// One sound file on one output channel. Tests replace it with a recorder.
class TWaveDevice {
  public:
    virtual ~TWaveDevice() = default;
    // Opens the output and loads the file; throws EMediaDeviceError.
    virtual void Open(const std::string& fileName) = 0;
    virtual bool Playing() const = 0;
    virtual void Stop() = 0;          // and back to the beginning
    virtual void PlayFromStart() = 0; // cuts whatever plays
};

using TWaveDeviceFactory = std::function<std::unique_ptr<TWaveDevice>()>;
void SetWaveDeviceFactory(TWaveDeviceFactory factory); // tests; empty restores the real one

enum TMPModes { mpNotReady, mpStopped, mpPlaying };

class TMediaPlayer {
  public:
    TMediaPlayer();
    ~TMediaPlayer(); // closes an open device

    std::string FileName;
    bool AutoRewind = true;

    void Open(); // throws EMediaDeviceError
    void Close();
    TMPModes Mode() const;
    // Only the beginning is a position this player can seek to: it stops the sound.
    void SetPosition(int position);
    // Plays from the current position: a sound that plays goes on, one that
    // played to its end (or was stopped) starts from its beginning.
    void Play();

  private:
    std::unique_ptr<TWaveDevice> device_;
};
