#pragma once
// Files as streams of fixed byte counts. Opening and creating throw the
// platform's file errors; the checked reads and writes throw when fewer bytes
// moved than asked. Messages name the file as the caller gave it.
#include <cstdint>
#include <string>

enum : uint16_t {
    fmOpenRead = 0x0000,
    fmShareDenyNone = 0x0040,
    fmCreate = 0xFFFF,
};

bool FileExists(const std::string& fileName);

class TFileStream {
  public:
    // fmOpenRead (with any share flag) opens an existing file read-only and
    // throws EFOpenError; fmCreate creates or empties it and throws EFCreateError.
    TFileStream(const std::string& fileName, uint16_t mode);
    virtual ~TFileStream();
    TFileStream(const TFileStream&) = delete;
    TFileStream& operator=(const TFileStream&) = delete;

    // The bytes that moved, fewer at the end of the file or on an error.
    int32_t Read(void* buffer, int32_t count);
    int32_t Write(const void* buffer, int32_t count);
    // All count bytes or EReadError / EWriteError.
    void ReadBuffer(void* buffer, int32_t count);
    void WriteBuffer(const void* buffer, int32_t count);

    int64_t Size() const;
    const std::string& FileName() const { return fileName_; }

  protected:
    struct THandle {
        int fd;
    };
    TFileStream(std::string fileName, THandle handle);
    // Puts what was written on the disk and closes the file; throws EWriteError.
    void FlushAndClose();

  private:
    std::string fileName_;
    int fd_;
};

// Writes a file anew so that it is replaced whole or not at all: the bytes go
// to a temporary file beside it, which takes the file's place only on Commit.
// Until then, and whenever a step fails, the file keeps its old content and
// the temporary file is removed.
class TFileReplacement : public TFileStream {
  public:
    explicit TFileReplacement(const std::string& fileName); // EFCreateError
    ~TFileReplacement() override;

    // Flushes the temporary file to the disk and renames it over the file;
    // throws EWriteError or EFCreateError.
    void Commit();

  private:
    struct TTemporary {
        std::string name;
        int fd;
    };
    static TTemporary CreateTemporary(const std::string& fileName);
    TFileReplacement(const std::string& fileName, TTemporary temporary);

    std::string tempName_;
    bool committed_ = false;
};

// Tests: the operations that can be made to fail, as a full disk or a
// refused open would. A failing Read or Write moves half of its bytes.
enum class TFileOp { Open, Create, Read, Write, Flush, Rename };
// The operation of that kind after `skip` successful ones fails, once.
void FailNextFileOp(TFileOp op, int skip = 0);
void ClearFileFaults();
