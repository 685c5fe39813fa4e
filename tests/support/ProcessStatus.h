// What the system tells of the test process's memory.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <string>

namespace glintrow::testing {

// A size the system keeps for the process in /proc/self/status (VmSize, VmHWM, ...), in bytes.
inline int64_t ReadProcessBytes(const std::string& field) {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.starts_with(field + ":"))
            return std::stoll(line.substr(field.size() + 1)) * 1024;
    ADD_FAILURE() << "the system does not tell the process's " << field;
    return 0;
}

} // namespace glintrow::testing
