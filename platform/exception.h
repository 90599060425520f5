#pragma once
// The errors the platform raises. Messages are code page 932 byte strings,
// like every other text the game shows.
#include <stdexcept>
#include <string>

class Exception : public std::runtime_error {
  public:
    explicit Exception(const std::string& message) : std::runtime_error(message) {}
    std::string Message() const { return what(); }
};

// A file could not be opened for reading.
class EFOpenError : public Exception {
  public:
    explicit EFOpenError(const std::string& fileName);
};

// A file could not be created or written.
class EFCreateError : public Exception {
  public:
    explicit EFCreateError(const std::string& fileName);
    EFCreateError(const std::string& fileName, const std::string& reason);
};

// Fewer bytes could be read than the caller needs.
class EReadError : public Exception {
  public:
    using Exception::Exception;
};

// Fewer bytes could be written than the caller gave, or they could not be
// put on the disk.
class EWriteError : public Exception {
  public:
    using Exception::Exception;
};

// The sound device or the sound file could not be opened.
class EMediaDeviceError : public Exception {
  public:
    using Exception::Exception;
};
