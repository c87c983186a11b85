// section_fixture.h - What every section's test converts with: a fresh folder as drive D:, with
// the target folder D:\out\ and the pattern-data folder D:\pattern\, and the run's context that
// a section writes through.
#pragma once

#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>
#include <string>

#include "platform/host_file_system.h"
#include "run/run_context.h"
#include "support/test_support.h"

namespace gdf::test {

class SectionFixture : public ::testing::Test {
 protected:
  SectionFixture();

  /// Reads the sections `tags` of `source` (UTF-8, "\n" line ends) in that order, each as the
  /// run reads it, hands a section's list on to the next, and writes them all.
  void ConvertSections(const std::string& source, std::initializer_list<const char*> tags);
  /// Converts the section `tag` of `source` and gives the record file `name` (empty when the
  /// section did not write it: a file left by an earlier conversion is removed first).
  std::string ConvertAndRead(const std::string& source, const char* tag, const char* name);

  /// A record file of the target folder, decoded; whether the run wrote it.
  std::string Out(const std::string& name);
  bool Written(const std::string& name);
  /// A table of the pattern-data folder: written as the bytes given, read back decoded.
  void Table(const std::string& name, const std::string& bytes);
  std::string TableText(const std::string& name);

  TempDir dir;
  std::unique_ptr<HostFileSystem> fs;
  RunReport report;
  std::unique_ptr<RunContext> context;
};

}  // namespace gdf::test
