#pragma once
// Fakes of the platform services: a clock the test sets, a wave device that
// records what it is asked, message boxes and help requests that are recorded.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/dialogs.h"
#include "platform/sound.h"

struct FakeClock {
    uint32_t now = 1000000;
    void Advance(uint32_t ms) { now += ms; }
};

struct WaveLog {
    std::vector<std::string> opened; // file names
    int plays = 0;                   // plays started from the beginning
    int stops = 0;
    bool playing = false; // what the device says while a sound runs
    bool failOpen = false;
    std::string failText = "no wave audio output";
};

class FakeWaveDevice : public TWaveDevice {
  public:
    explicit FakeWaveDevice(WaveLog& log) : log_(log) {}
    void Open(const std::string& fileName) override;
    bool Playing() const override { return log_.playing; }
    void Stop() override;
    void PlayFromStart() override;

  private:
    WaveLog& log_;
};

struct ShownBox {
    std::string text;    // code page 932
    std::string caption; // code page 932
    TBoxIcon icon;
    std::string Utf8Text() const;
    std::string Utf8Caption() const;
};

struct HelpRequest {
    std::string file;
    int context;
};

// Installs every fake for its lifetime and removes them again.
class Fakes {
  public:
    Fakes();
    ~Fakes();
    Fakes(const Fakes&) = delete;
    Fakes& operator=(const Fakes&) = delete;

    FakeClock clock;
    WaveLog wave;
    std::vector<ShownBox> boxes;
    std::vector<HelpRequest> help;
};
