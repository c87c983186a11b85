// version.cpp - The release's version as the programs say it.
#include "frontend/version.h"

#include "gdfconv_version.h"  // written by CMake

namespace gdf {

std::string ProgramVersionLine(std::string_view program) {
  return std::string(program) + " " + GDFCONV_VERSION_TEXT;
}

bool AsksForVersion(const std::vector<std::string>& args) {
  for (const std::string& arg : args) {
    if (arg == "--") return false;
    if (arg == "--version") return true;
  }
  return false;
}

}  // namespace gdf
