// Writes every picture and sound of the game, or the contact sheet, to disk.
#pragma once

#include <filesystem>

namespace glintrow::assets {

bool writeAllAssets(const std::filesystem::path& outdir);
// Needs a QGuiApplication.
bool writeContactSheet(const std::filesystem::path& file);

} // namespace glintrow::assets
