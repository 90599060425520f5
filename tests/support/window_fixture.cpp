#include "support/window_fixture.h"

#include <cstdlib>
#include <fstream>
#include <iterator>

WindowTest::WindowTest() : previousDir_(std::filesystem::current_path()) {
    std::string pattern = (std::filesystem::temp_directory_path() / "zv-test-XXXXXX").string();
    dir_ = mkdtemp(pattern.data());
    std::filesystem::current_path(dir_);
}

WindowTest::~WindowTest() {
    peer_.reset();
    window_.reset();
    std::filesystem::current_path(previousDir_);
    std::error_code ignored;
    std::filesystem::remove_all(dir_, ignored);
}

TMainWindow& WindowTest::MakeWindow() {
    peer_.reset();
    window_.reset();
    window_ = std::make_unique<TMainWindow>(nullptr);
    peer_ = std::make_unique<TMainWindowPeer>(*window_);
    return *window_;
}

std::vector<uint8_t> WindowTest::ReadDataFile() const {
    std::ifstream in(DataFile(), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WindowTest::WriteDataFile(const std::vector<uint8_t>& bytes) const {
    std::ofstream out(DataFile(), std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
}

void WindowTest::Key(uint16_t key) {
    window_->KeyDown(key);
}

void WindowTest::Tick(uint32_t ms) {
    fakes.clock.Advance(ms);
    window_->Anime->Tick();
}
