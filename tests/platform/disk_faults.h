#pragma once
// Conditions under which file operations fail the way they do on a full disk or in a
// folder that cannot be written to, set for the scope of a test. The tests run as root,
// who may write anywhere: the folder's rights only hold once this thread has given up the
// capabilities that override them.

#include <QFile>
#include <QString>
#include <csignal>
#include <cstring>
#include <gtest/gtest.h>
#include <linux/capability.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace nudgery {

// No file of this process may grow beyond `bytes`: a write past it fails with EFBIG, as on
// a full disk, instead of raising SIGXFSZ.
class DiskFullAt {
public:
    explicit DiskFullAt(rlim_t bytes) : previousHandler_(std::signal(SIGXFSZ, SIG_IGN)) {
        getrlimit(RLIMIT_FSIZE, &saved_);
        rlimit lowered = saved_;
        lowered.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &lowered);
    }
    ~DiskFullAt() {
        setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, previousHandler_);
    }
    DiskFullAt(const DiskFullAt&) = delete;
    DiskFullAt& operator=(const DiskFullAt&) = delete;

private:
    void (*previousHandler_)(int);
    rlimit saved_{};
};

// This thread gives up the capabilities that let root read and write files whatever
// their permissions, so that the permissions hold; an ordinary user has none to give up.
class PermissionsEnforced {
public:
    PermissionsEnforced() {
        EXPECT_EQ(::syscall(SYS_capget, &header_, saved_), 0);
        __user_cap_data_struct lowered[2];
        std::memcpy(lowered, saved_, sizeof lowered);
        for (const int capability : {CAP_DAC_OVERRIDE, CAP_DAC_READ_SEARCH, CAP_FOWNER})
            lowered[capability / 32].effective &= ~(1u << (capability % 32));
        EXPECT_EQ(::syscall(SYS_capset, &header_, lowered), 0);
    }
    ~PermissionsEnforced() { ::syscall(SYS_capset, &header_, saved_); }
    PermissionsEnforced(const PermissionsEnforced&) = delete;
    PermissionsEnforced& operator=(const PermissionsEnforced&) = delete;

private:
    __user_cap_header_struct header_{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct saved_[2]{};
};

// The folder can be read but not written: nothing can be created, removed or renamed in it.
class UnwritableFolder {
public:
    explicit UnwritableFolder(QString folder) : folder_(std::move(folder)) {
        EXPECT_TRUE(QFile::setPermissions(folder_, ReadOnly));
    }
    ~UnwritableFolder() { QFile::setPermissions(folder_, ReadOnly | QFile::WriteOwner); }
    UnwritableFolder(const UnwritableFolder&) = delete;
    UnwritableFolder& operator=(const UnwritableFolder&) = delete;

private:
    static constexpr QFile::Permissions ReadOnly = QFile::ReadOwner | QFile::ExeOwner |
                                                   QFile::ReadGroup | QFile::ExeGroup |
                                                   QFile::ReadOther | QFile::ExeOther;
    QString folder_;
    PermissionsEnforced enforced_;
};

// The file cannot be read, nor written, by anyone.
class UnreadableFile {
public:
    explicit UnreadableFile(QString file) : file_(std::move(file)) {
        EXPECT_TRUE(QFile::setPermissions(file_, {}));
    }
    ~UnreadableFile() { QFile::setPermissions(file_, QFile::ReadOwner | QFile::WriteOwner); }
    UnreadableFile(const UnreadableFile&) = delete;
    UnreadableFile& operator=(const UnreadableFile&) = delete;

private:
    QString file_;
    PermissionsEnforced enforced_;
};

} // namespace nudgery
