// Writes every picture and sound of the game, or the contact sheet, to disk.
#pragma once

#include <filesystem>

namespace glintrow::assets {

inline constexpr int IconSizes[] = {16, 32, 48, 64, 128, 256};

bool writeAllAssets(const std::filesystem::path& outdir);
bool writeContactSheet(const std::filesystem::path& file);

} // namespace glintrow::assets
