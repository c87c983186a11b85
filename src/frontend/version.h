// version.h - The release's version, as "--version" and the windows' help say it.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace gdf {

/// "gdfconv 0.1.0": the program's name and the release's version.
std::string ProgramVersionLine(std::string_view program);

/// Whether the arguments ask for the version: "--version" before any "--".
bool AsksForVersion(const std::vector<std::string>& args);

}  // namespace gdf
