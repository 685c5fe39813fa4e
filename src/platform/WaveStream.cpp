// Wave files for the mixer: opened by the path's own bytes, their layout read first, and a file
// whose data chunk claims more than it holds read with the claim cut to what it holds.
#include "WaveStream.h"

#include "RegularFile.h"
#include "Runtime.h"

#include <SDL.h>

#include <cstdio>

#include <unistd.h>

namespace glintrow {
namespace {

// A wave file whose data chunk claims more than the file holds, read with the claim cut to what
// it holds: SDL then plays what there is rather than allocating what the header says.
struct CutClaim {
    SDL_RWops* file;
    int64_t lengthAt;
    Uint8 length[4];
};

size_t readCutClaim(SDL_RWops* stream, void* into, size_t size, size_t count) {
    const CutClaim& cut = *static_cast<CutClaim*>(stream->hidden.unknown.data1);
    const int64_t from = SDL_RWtell(cut.file);
    const size_t read = SDL_RWread(cut.file, into, size, count);
    for (int64_t i = 0; i < 4; ++i) {
        const int64_t at = cut.lengthAt + i - from;
        if (at >= 0 && at < static_cast<int64_t>(read * size))
            static_cast<Uint8*>(into)[at] = cut.length[i];
    }
    return read;
}

Sint64 seekCutClaim(SDL_RWops* stream, Sint64 offset, int whence) {
    return SDL_RWseek(static_cast<CutClaim*>(stream->hidden.unknown.data1)->file, offset, whence);
}

Sint64 sizeCutClaim(SDL_RWops* stream) {
    return SDL_RWsize(static_cast<CutClaim*>(stream->hidden.unknown.data1)->file);
}

size_t writeNothing(SDL_RWops*, const void*, size_t, size_t) {
    return 0;
}

int closeCutClaim(SDL_RWops* stream) {
    auto* cut = static_cast<CutClaim*>(stream->hidden.unknown.data1);
    const int status = SDL_RWclose(cut->file);
    delete cut;
    SDL_FreeRW(stream);
    return status;
}

SDL_RWops* cutClaimOf(SDL_RWops* file, const WaveLayout& wave) {
    SDL_RWops* stream = SDL_AllocRW();
    if (!stream)
        return nullptr;
    auto* cut = new CutClaim{file, wave.lengthAt, {}};
    for (int i = 0; i < 4; ++i)
        cut->length[i] = static_cast<Uint8>(static_cast<uint64_t>(wave.sampleBytes) >> (8 * i));
    stream->hidden.unknown.data1 = cut;
    stream->read = readCutClaim;
    stream->seek = seekCutClaim;
    stream->size = sizeCutClaim;
    stream->write = writeNothing;
    stream->close = closeCutClaim;
    return stream;
}

} // namespace

SDL_RWops* OpenWaveStream(const std::string& path, const SoundLimits& limits, WaveLayout& wave) {
    const int descriptor = OpenRegularFile(path);
    try {
        wave = ReadWaveLayout(descriptor, path, limits);
    } catch (...) {
        ::close(descriptor);
        throw;
    }
    FILE* stream = ::fdopen(descriptor, "rb");
    SDL_RWops* file = stream ? SDL_RWFromFP(stream, SDL_TRUE) : nullptr;
    if (!file) {
        if (stream)
            std::fclose(stream);
        else
            ::close(descriptor);
        throw RuntimeError(reasons::PermissionDenied, {path});
    }
    if (!wave.claimsMore)
        return file;
    SDL_RWops* cut = cutClaimOf(file, wave);
    if (!cut) {
        SDL_RWclose(file);
        throw RuntimeError(reasons::OutOfMemoryFor, {path});
    }
    return cut;
}

} // namespace glintrow
