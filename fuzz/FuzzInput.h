// What both fuzz targets share: the fuzzer's bytes as a file the game's readers open by path, and
// the fuzzer's limits set from the game's own.
#pragma once

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include <sys/mman.h>
#include <unistd.h>

namespace glintrow::fuzzing {

// A file in memory, rewritten for every input: the readers open it by its path, as they open the
// game's files, and find a regular file of the input's size.
class InputFile {
public:
    InputFile() : descriptor_(::memfd_create("fuzz-input", MFD_CLOEXEC)) {
        if (descriptor_ < 0) {
            std::perror("memfd_create");
            std::abort();
        }
    }

    std::string Write(const uint8_t* data, size_t size) {
        if (::ftruncate(descriptor_, 0) != 0 ||
            ::pwrite(descriptor_, data, size, 0) != static_cast<ssize_t>(size)) {
            std::perror("writing the input");
            std::abort();
        }
        return "/proc/self/fd/" + std::to_string(descriptor_);
    }

private:
    int descriptor_;
};

// Adds to the fuzzer's command line each flag that it does not give itself. The fuzzer reads its
// flags after LLVMFuzzerInitialize, so an allocation over the game's limits becomes a finding
// whatever the command line says.
inline void AddFlags(int* argc, char*** argv, const std::vector<std::string>& flags) {
    static std::vector<std::string> added;
    static std::vector<char*> arguments;
    arguments.assign(*argv, *argv + *argc);
    for (const std::string& flag : flags) {
        const std::string name = flag.substr(0, flag.find('=') + 1);
        bool given = false;
        for (int i = 1; i < *argc; ++i)
            given = given || std::string((*argv)[i]).starts_with(name);
        if (!given)
            added.push_back(flag);
    }
    for (std::string& flag : added)
        arguments.push_back(flag.data());
    arguments.push_back(nullptr);
    *argc = static_cast<int>(arguments.size()) - 1;
    *argv = arguments.data();
}

// The fuzzer's malloc limit for a largest allowed allocation: the fuzzer reports allocations of
// this many whole megabytes or more.
inline std::string MallocLimitFlag(int64_t largestBytes) {
    return "-malloc_limit_mb=" + std::to_string(largestBytes / (1024 * 1024) + 1);
}

} // namespace glintrow::fuzzing
