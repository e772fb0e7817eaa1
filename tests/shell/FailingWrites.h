#pragma once

// A folder where writing fails part-way, for the tests of what a failed
// write leaves and says.

#include "refdata/RefdataFixture.h"

#include <sys/mount.h>
#include <sys/resource.h>

#include <csignal>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

namespace tarvik::testing {

// A folder where writing fails part-way: a small file system filled to the
// last byte (a tmpfs, where the process may mount one), or else a limit on
// the size of any file the process writes.
class FailingWrites {
public:
    enum class Way { FullDisk, SizeLimit };

    explicit FailingWrites(Way way) : way_(way) {}
    ~FailingWrites()
    {
        if (limited_)
            ::setrlimit(RLIMIT_FSIZE, &oldLimit_);
        if (mounted_)
            ::umount2(folder_.Path().c_str(), MNT_DETACH);
        std::signal(SIGXFSZ, SIG_DFL);
    }

    // False when this way cannot be set up here.
    bool Ready() const { return way_ == Way::SizeLimit || mounted_; }
    std::string File(const std::string& name) const { return folder_.File(name); }
    // The reason the system gives for the failed write.
    const char* Reason() const { return way_ == Way::FullDisk ? "No space left on device" : "File too large"; }

    // Makes the old files and then takes away the room for anything new.
    void Start(const std::vector<std::pair<std::string, std::string>>& oldFiles)
    {
        if (way_ == Way::FullDisk)
            mounted_ = ::mount("tarvik-test", folder_.Path().c_str(), "tmpfs", 0, "size=64k") == 0;
        if (!Ready())
            return;
        for (const auto& [name, text] : oldFiles)
            folder_.Write(name, text);
        if (way_ == Way::FullDisk) {
            std::ofstream filler(folder_.File("filler"), std::ios::binary);
            const std::string block(512, 'f');
            for (int i = 0; i < 1024 && filler.write(block.data(), block.size()); ++i)
                filler.flush();
        } else {
            // A file of 100 bytes and more cannot be written (the signal the
            // limit sends is ignored, so that the write fails instead).
            std::signal(SIGXFSZ, SIG_IGN);
            ::getrlimit(RLIMIT_FSIZE, &oldLimit_);
            rlimit limit = oldLimit_;
            limit.rlim_cur = 100;
            limited_ = ::setrlimit(RLIMIT_FSIZE, &limit) == 0;
        }
    }

private:
    Way way_;
    ScratchFolder folder_;
    bool mounted_ = false;
    bool limited_ = false;
    rlimit oldLimit_{};
};

} // namespace tarvik::testing
