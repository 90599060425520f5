#include "support/fakes.h"

#include "platform/exception.h"
#include "platform/filestream.h"
#include "platform/helpviewer.h"
#include "platform/text.h"
#include "platform/ticks.h"

void FakeWaveDevice::Open(const std::string& fileName) {
    if (log_.failOpen)
        throw EMediaDeviceError(log_.failText);
    log_.opened.push_back(fileName);
}

void FakeWaveDevice::Stop() {
    ++log_.stops;
    log_.playing = false;
}

void FakeWaveDevice::PlayFromStart() {
    ++log_.plays;
    log_.playing = true;
}

std::string ShownBox::Utf8Text() const {
    return Cp932ToUtf8(text);
}
std::string ShownBox::Utf8Caption() const {
    return Cp932ToUtf8(caption);
}

Fakes::Fakes() {
    SetTickSource([this] { return clock.now; });
    SetWaveDeviceFactory([this] { return std::make_unique<FakeWaveDevice>(wave); });
    SetMessageBoxHook([this](const std::string& text, const std::string& caption, TBoxIcon icon) {
        boxes.push_back({text, caption, icon});
    });
    SetHelpHook([this](const std::string& file, int context) { help.push_back({file, context}); });
    ClearFileFaults();
}

Fakes::~Fakes() {
    SetTickSource({});
    SetWaveDeviceFactory({});
    SetMessageBoxHook({});
    SetHelpHook({});
    ClearFileFaults();
}
