#include "platform/text.h"

#include <cerrno>
#include <iconv.h>
#include <stdexcept>

namespace {

class Converter {
  public:
    Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {
        if (cd_ == reinterpret_cast<iconv_t>(-1))
            throw std::runtime_error(std::string("no iconv converter from ") + from + " to " + to);
    }
    ~Converter() { iconv_close(cd_); }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    // Converts in; each input sequence that cannot be converted is skipped and
    // replaced by `replacement`, or makes the whole conversion fail when it is null.
    std::optional<std::string> Run(std::string_view in, const char* replacement) {
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        std::string out;
        char buffer[256];
        char* src = const_cast<char*>(in.data());
        size_t srcLeft = in.size();
        while (srcLeft > 0) {
            char* dst = buffer;
            size_t dstLeft = sizeof buffer;
            size_t rc = iconv(cd_, &src, &srcLeft, &dst, &dstLeft);
            out.append(buffer, static_cast<size_t>(dst - buffer));
            if (rc != static_cast<size_t>(-1))
                continue;
            if (errno == E2BIG)
                continue;
            if (!replacement)
                return std::nullopt;
            out += replacement;
            ++src; // EILSEQ or EINVAL: skip the offending byte
            --srcLeft;
        }
        return out;
    }

  private:
    iconv_t cd_;
};

} // namespace

std::optional<std::string> Utf8ToCp932(std::string_view utf8) {
    static Converter converter("CP932", "UTF-8");
    return converter.Run(utf8, nullptr);
}

std::string Cp932ToUtf8(std::string_view cp932) {
    static Converter converter("UTF-8", "CP932");
    return *converter.Run(cp932, "\xEF\xBF\xBD");
}

std::string Cp932(std::string_view utf8) {
    auto converted = Utf8ToCp932(utf8);
    if (!converted)
        throw std::logic_error("text has no code page 932 form: " + std::string(utf8));
    return *converted;
}
