// main.cpp - The gdfconv command line: one subcommand per job, each a thin layer over the core.
#include <iostream>
#include <string>
#include <vector>

#include "cli/commands.h"

namespace {

constexpr const char kUsage[] =
    R"(gdfconv - converts boring-log source data files (*.gdf) into record files

Usage:
  gdfconv convert [options] SOURCE TARGET   convert one source data file
  gdfconv --help                            show this text
  gdfconv convert --help                    the options of convert, with examples

Exit status: 0 converted, 1 refused by a check, 2 usage error, 3 failed during the conversion.
)";

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  if (args.empty()) {
    std::cerr << kUsage;
    return 2;
  }
  const std::string command = args.front();
  args.erase(args.begin());
  if (command == "--help" || command == "-h" || command == "help") {
    std::cout << kUsage;
    return 0;
  }
  if (command == "convert") return gdf::cli::RunConvertCommand(args);
  std::cerr << "gdfconv: unknown command '" << command << "'\n\n" << kUsage;
  return 2;
}
