#pragma once
// Calls into the C library that the program's own code makes, replaced at link time
// (-Wl,--wrap) in the test binary that links this file. While a test keeps a FileCallLog,
// file flushes and renames are recorded; while it keeps a ZoneModel, the time zone is that
// model instead of the C library's. Otherwise every call goes to the C library unchanged.

#include <ctime>
#include <string>
#include <vector>

namespace nudgery::interposed {

// A flush of the file or folder at `path`, or a rename of `path` to `to`. Paths are
// absolute, with the links of their folders resolved.
struct FileCall {
    enum class Kind { Flush, Rename };
    Kind kind;
    std::string path;
    std::string to;
};

class FileCallLog {
public:
    FileCallLog();
    ~FileCallLog();
    FileCallLog(const FileCallLog&) = delete;
    FileCallLog& operator=(const FileCallLog&) = delete;

    // The calls that succeeded, in their order.
    const std::vector<FileCall>& Calls() const { return calls_; }
    void Add(FileCall call) { calls_.push_back(std::move(call)); }

private:
    std::vector<FileCall> calls_;
};

// The C library's time zone as it behaves with TZ unset: tzset() reads the zone file (here
// an offset the test sets), and so does the first conversion when tzset() has not run;
// later conversions keep what was read last, as localtime_r() does. A replaced zone file is
// thus seen only after the next tzset().
class ZoneModel {
public:
    explicit ZoneModel(long fileOffsetSeconds);
    ~ZoneModel();
    ZoneModel(const ZoneModel&) = delete;
    ZoneModel& operator=(const ZoneModel&) = delete;

    // The zone file now holds another offset.
    void ReplaceFile(long offsetSeconds) { fileOffset_ = offsetSeconds; }

    void Read() {
        readOffset_ = fileOffset_;
        read_ = true;
    }
    long Offset() {
        if (!read_)
            Read();
        return readOffset_;
    }

private:
    long fileOffset_;
    long readOffset_ = 0;
    bool read_ = false;
};

} // namespace nudgery::interposed
