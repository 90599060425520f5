#include "platform/filestream.h"

#include <cerrno>
#include <fcntl.h>
#include <stdexcept>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/exception.h"
#include "platform/text.h"

namespace {

constexpr int FileOpCount = 6;
int pendingFaults[FileOpCount] = {-1, -1, -1, -1, -1, -1};

bool Faulted(TFileOp op) {
    int& pending = pendingFaults[static_cast<int>(op)];
    if (pending < 0)
        return false;
    return pending-- == 0;
}

EReadError ReadError(const std::string& fileName) {
    return EReadError(Cp932("ﾌｧｲﾙ ") + fileName + Cp932(" を読み込めません"));
}

EWriteError WriteError(const std::string& fileName) {
    return EWriteError(Cp932("ﾌｧｲﾙ ") + fileName + Cp932(" に書き込めません"));
}

bool IsDirectory(int fd) {
    struct stat st {};
    return fstat(fd, &st) == 0 && S_ISDIR(st.st_mode);
}

int OpenForReading(const std::string& fileName) {
    if (Faulted(TFileOp::Open))
        throw EFOpenError(fileName);
    const int fd = ::open(fileName.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        throw EFOpenError(fileName);
    if (IsDirectory(fd)) {
        ::close(fd);
        throw EFOpenError(fileName);
    }
    return fd;
}

int CreateForWriting(const std::string& fileName) {
    if (Faulted(TFileOp::Create))
        throw EFCreateError(fileName);
    const int fd = ::open(fileName.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd < 0)
        throw EFCreateError(fileName);
    return fd;
}

int OpenByMode(const std::string& fileName, uint16_t mode) {
    if (mode == fmCreate)
        return CreateForWriting(fileName);
    if ((mode & 0x000F) == fmOpenRead)
        return OpenForReading(fileName);
    throw std::invalid_argument("unsupported file mode");
}

// A temporary file keeps the permissions of the file it will replace.
void TakePermissionsOf(const std::string& fileName, int fd) {
    struct stat st {};
    if (stat(fileName.c_str(), &st) == 0 && S_ISREG(st.st_mode))
        (void)fchmod(fd, st.st_mode & 07777);
}

// Makes a finished rename survive a crash. The file is already replaced, so a
// failure here changes nothing the next run would read.
void SyncDirectoryOf(const std::string& fileName) {
    const auto slash = fileName.rfind('/');
    const std::string dir = slash == std::string::npos ? "." : fileName.substr(0, slash + 1);
    const int fd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    (void)fsync(fd);
    ::close(fd);
}

} // namespace

bool FileExists(const std::string& fileName) {
    struct stat st {};
    return stat(fileName.c_str(), &st) == 0 && !S_ISDIR(st.st_mode);
}

TFileStream::TFileStream(const std::string& fileName, uint16_t mode)
    : TFileStream(fileName, THandle{OpenByMode(fileName, mode)}) {}

TFileStream::TFileStream(std::string fileName, THandle handle)
    : fileName_(std::move(fileName)), fd_(handle.fd) {}

TFileStream::~TFileStream() {
    if (fd_ >= 0)
        ::close(fd_);
}

namespace {

// Moves count bytes through read(2) or write(2), on over short transfers and
// interruptions; gives how many moved. An injected fault moves half of them.
template <class Transfer> int32_t MoveBytes(Transfer transfer, int32_t count, bool faulted) {
    if (count <= 0)
        return 0;
    size_t wanted = static_cast<size_t>(count);
    if (faulted)
        wanted /= 2;
    size_t done = 0;
    while (done < wanted) {
        const ssize_t n = transfer(done, wanted - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        done += static_cast<size_t>(n);
    }
    return static_cast<int32_t>(done);
}

} // namespace

int32_t TFileStream::Read(void* buffer, int32_t count) {
    auto* bytes = static_cast<char*>(buffer);
    return MoveBytes([&](size_t at, size_t n) { return ::read(fd_, bytes + at, n); }, count,
                     count > 0 && Faulted(TFileOp::Read));
}

int32_t TFileStream::Write(const void* buffer, int32_t count) {
    const auto* bytes = static_cast<const char*>(buffer);
    return MoveBytes([&](size_t at, size_t n) { return ::write(fd_, bytes + at, n); }, count,
                     count > 0 && Faulted(TFileOp::Write));
}

void TFileStream::ReadBuffer(void* buffer, int32_t count) {
    if (Read(buffer, count) != count)
        throw ReadError(fileName_);
}

void TFileStream::WriteBuffer(const void* buffer, int32_t count) {
    if (Write(buffer, count) != count)
        throw WriteError(fileName_);
}

int64_t TFileStream::Size() const {
    struct stat st {};
    if (fstat(fd_, &st) != 0)
        throw ReadError(fileName_);
    return static_cast<int64_t>(st.st_size);
}

void TFileStream::FlushAndClose() {
    const bool flushed = !Faulted(TFileOp::Flush) && fsync(fd_) == 0;
    const bool closed = ::close(fd_) == 0;
    fd_ = -1;
    if (!flushed || !closed)
        throw WriteError(fileName_);
}

TFileReplacement::TFileReplacement(const std::string& fileName)
    : TFileReplacement(fileName, CreateTemporary(fileName)) {}

TFileReplacement::TFileReplacement(const std::string& fileName, TTemporary temporary)
    : TFileStream(fileName, THandle{temporary.fd}), tempName_(std::move(temporary.name)) {}

TFileReplacement::TTemporary TFileReplacement::CreateTemporary(const std::string& fileName) {
    static unsigned serial = 0;
    if (Faulted(TFileOp::Create))
        throw EFCreateError(fileName);
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string name =
            fileName + "." + std::to_string(getpid()) + "." + std::to_string(serial++) + ".tmp";
        const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0) {
            TakePermissionsOf(fileName, fd);
            return {std::move(name), fd};
        }
        if (errno != EEXIST)
            break;
    }
    throw EFCreateError(fileName);
}

TFileReplacement::~TFileReplacement() {
    if (!committed_)
        ::unlink(tempName_.c_str());
}

void TFileReplacement::Commit() {
    FlushAndClose();
    if (Faulted(TFileOp::Rename) || ::rename(tempName_.c_str(), FileName().c_str()) != 0)
        throw EFCreateError(FileName());
    committed_ = true;
    SyncDirectoryOf(FileName());
}

void FailNextFileOp(TFileOp op, int skip) {
    pendingFaults[static_cast<int>(op)] = skip;
}

void ClearFileFaults() {
    for (int& pending : pendingFaults)
        pending = -1;
}
