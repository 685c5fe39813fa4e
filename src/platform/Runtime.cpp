// Run-time services that need no window: conversions, the random source and the program's folder.
#include "Runtime.h"

#include <cmath>
#include <cstring>
#include <filesystem>
#include <limits>

#include <sys/auxv.h>

namespace glintrow {
namespace {

uint64_t randomState = 0x853c49e6748fea9bULL;

uint64_t mix(uint64_t z) {
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
    return z ^ (z >> 31);
}

// The dynamic loader, whichever C library it belongs to: ld-linux-x86-64.so.2, ld-musl-x86_64.so.1.
bool isDynamicLoader(const std::filesystem::path& file) {
    const std::string name = file.filename().string();
    return name.starts_with("ld-") && name.find(".so") != std::string::npos;
}

} // namespace

RuntimeError::RuntimeError(Reason reason)
    : std::runtime_error(reason.SayInEnglish()), reason_(std::move(reason)) {}

RuntimeError::RuntimeError(const ReasonText& text, std::vector<Reason> details)
    : RuntimeError(Reason(text, std::move(details))) {}

Reason ReasonOf(const std::exception& failure) {
    if (const auto* error = dynamic_cast<const RuntimeError*>(&failure))
        return error->reason();
    return std::string(failure.what());
}

RuntimeHooks& Hooks() {
    static RuntimeHooks hooks;
    return hooks;
}

int16_t CInt(double value) {
    const double rounded = std::nearbyint(value);
    if (!(rounded >= std::numeric_limits<int16_t>::min() &&
          rounded <= std::numeric_limits<int16_t>::max()))
        throw RuntimeError(reasons::Overflow);
    return static_cast<int16_t>(rounded);
}

void Randomize(double seed) {
    const float clock = static_cast<float>(seed);
    uint32_t bits = 0;
    std::memcpy(&bits, &clock, sizeof bits);
    randomState = mix(randomState ^ (0x9e3779b97f4a7c15ULL * (uint64_t{bits} + 1)));
}

float Rnd() {
    randomState += 0x9e3779b97f4a7c15ULL;
    // 24 bits fill a float's mantissa exactly, so the result is below 1.
    return static_cast<float>(mix(randomState) >> 40) * (1.0f / 16777216.0f);
}

void SetRandomState(uint64_t state) {
    randomState = state;
}

std::string AppPath() {
    if (Hooks().appPath)
        return Hooks().appPath();
    namespace fs = std::filesystem;
    // The system's own record of the running program, with every link on the way resolved, as
    // bytes: any folder name the file system allows will do, valid text or not.
    const std::string record = "/proc/self/exe";
    std::error_code startedError;
    const fs::path started = fs::read_symlink(record, startedError);
    if (!startedError && !isDynamicLoader(started))
        return started.parent_path().string();
    // Started as the dynamic loader's argument, the program's path is the name the loader puts
    // where the system keeps the name it started, relative to the folder it started in.
    const char* name = reinterpret_cast<const char*>(getauxval(AT_EXECFN));
    std::error_code nameError;
    const fs::path program = name ? fs::canonical(name, nameError) : fs::path();
    if (name && !nameError && !isDynamicLoader(program))
        return program.parent_path().string();
    const Reason recorded =
        startedError ? Reason(reasons::ProgramRecordUnreadable, {record, startedError.message()})
                     : Reason(reasons::ProgramRecordIsLoader, {record, started.string()});
    const Reason named = !name       ? Reason(reasons::StartingNameUnknown)
                         : nameError ? Reason(reasons::StartingNameUnfollowed,
                                              {std::string(name), nameError.message()})
                                     : Reason(reasons::StartingNameIsLoader);
    throw RuntimeError(reasons::FolderNotFound, {recorded, named});
}

} // namespace glintrow
