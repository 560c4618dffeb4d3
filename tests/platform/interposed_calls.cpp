#include "interposed_calls.h"

#include <climits>
#include <cstdlib>
#include <unistd.h>

namespace nudgery::interposed {
namespace {

FileCallLog* activeLog = nullptr;
ZoneModel* activeZone = nullptr;

std::string Resolved(const std::string& path) {
    char resolved[PATH_MAX];
    return ::realpath(path.c_str(), resolved) ? std::string(resolved) : path;
}

// A path whose last part may not exist (a rename's source after the rename): its folder
// resolved, its name as it is.
std::string ResolvedFolderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return Resolved(".") + "/" + path;
    return Resolved(path.substr(0, slash + 1)) + path.substr(slash);
}

std::string PathOfDescriptor(int fd) {
    char target[PATH_MAX];
    const std::string link = "/proc/self/fd/" + std::to_string(fd);
    const ssize_t length = ::readlink(link.c_str(), target, sizeof target - 1);
    return length < 0 ? std::string() : std::string(target, static_cast<std::size_t>(length));
}

} // namespace

FileCallLog::FileCallLog() {
    activeLog = this;
}

FileCallLog::~FileCallLog() {
    activeLog = nullptr;
}

ZoneModel::ZoneModel(long fileOffsetSeconds) : fileOffset_(fileOffsetSeconds) {
    activeZone = this;
}

ZoneModel::~ZoneModel() {
    activeZone = nullptr;
}

} // namespace nudgery::interposed

using nudgery::interposed::FileCall;

extern "C" {

int __real_fsync(int fd);
int __real_rename(const char* from, const char* to);
void __real_tzset();
std::tm* __real_localtime_r(const std::time_t* time, std::tm* result);

int __wrap_fsync(int fd) {
    const int result = __real_fsync(fd);
    if (result == 0 && nudgery::interposed::activeLog)
        nudgery::interposed::activeLog->Add(
            {FileCall::Kind::Flush, nudgery::interposed::PathOfDescriptor(fd), {}});
    return result;
}

int __wrap_rename(const char* from, const char* to) {
    using nudgery::interposed::ResolvedFolderOf;
    const std::string source = ResolvedFolderOf(from);
    const int result = __real_rename(from, to);
    if (result == 0 && nudgery::interposed::activeLog)
        nudgery::interposed::activeLog->Add({FileCall::Kind::Rename, source, ResolvedFolderOf(to)});
    return result;
}

void __wrap_tzset() {
    if (nudgery::interposed::activeZone)
        nudgery::interposed::activeZone->Read();
    else
        __real_tzset();
}

std::tm* __wrap_localtime_r(const std::time_t* time, std::tm* result) {
    if (!nudgery::interposed::activeZone)
        return __real_localtime_r(time, result);
    const long offset = nudgery::interposed::activeZone->Offset();
    const std::time_t local = *time + offset;
    if (!gmtime_r(&local, result))
        return nullptr;
    result->tm_gmtoff = offset;
    return result;
}

} // extern "C"
