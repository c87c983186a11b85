// section_fixture.cpp - The folders and the context of the section tests.
#include "support/section_fixture.h"

#include <filesystem>
#include <vector>

#include "sections/section.h"
#include "sections/section_table.h"
#include "sections/source_file.h"

namespace gdf::test {

SectionFixture::SectionFixture() {
  std::filesystem::create_directories(dir.path() / "pattern");
  std::filesystem::create_directories(dir.path() / "out");
  FileSystemSettings settings;
  settings.drives[u'D'] = dir.path().string();
  fs = std::make_unique<HostFileSystem>(settings);
  context = std::make_unique<RunContext>(*fs, report);
  context->recordBase = u"D:\\out\\";
  context->patternFolder = u"D:\\pattern\\";
  context->programFolder = u"D:\\";
  context->titleList1.assign(24, Text());
}

void SectionFixture::ConvertSections(const std::string& source,
                                     std::initializer_list<const char*> tags) {
  const LineFile file(Cp932Lines(source), u"D:\\b.gdf");
  std::vector<std::unique_ptr<Section>> sections;
  for (const char* tag : tags) {
    const SectionHeader header = FindSection(file, tag);
    if (!header.Present()) continue;
    auto section = FindSectionKind(tag)->make();
    TextReader reader(file, header.BodyLine(file));
    section->Read(reader, header);
    if (!sections.empty()) section->TakeHandedList(sections.back()->HandedList());
    sections.push_back(std::move(section));
  }
  for (auto& section : sections) section->Write(*context);
}

std::string SectionFixture::ConvertAndRead(const std::string& source, const char* tag,
                                           const char* name) {
  std::filesystem::remove(dir.path() / "out" / name);
  ConvertSections(source, {tag});
  return Out(name);
}

std::string SectionFixture::Out(const std::string& name) {
  return ReadCp932(dir / ("out/" + name));
}

bool SectionFixture::Written(const std::string& name) { return Exists(dir / ("out/" + name)); }

void SectionFixture::Table(const std::string& name, const std::string& bytes) {
  WriteBytes(dir / ("pattern/" + name), bytes);
}

std::string SectionFixture::TableText(const std::string& name) {
  return ReadCp932(dir / ("pattern/" + name));
}

}  // namespace gdf::test
