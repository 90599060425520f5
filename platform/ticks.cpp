#include "platform/ticks.h"

#include <chrono>

namespace {

std::function<uint32_t()>& TickSource() {
    static std::function<uint32_t()> source;
    return source;
}

uint32_t SteadyMilliseconds() {
    using namespace std::chrono;
    auto ms = duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
    return static_cast<uint32_t>(ms);
}

} // namespace

uint32_t GetTickCount() {
    auto& source = TickSource();
    return source ? source() : SteadyMilliseconds();
}

void SetTickSource(std::function<uint32_t()> source) {
    TickSource() = std::move(source);
}
