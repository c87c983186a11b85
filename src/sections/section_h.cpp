// section_h.cpp - The "$H" section: three columns by depth, written to R72.TXT.
#include "sections/section.h"

namespace gdf {
namespace {

class SectionH : public Section {
 public:
  void Read(TextReader& reader, const SectionHeader& header) override {
    ReadFixedRecords(reader, header.count, 4, [](const std::vector<Text>&) {});
  }
  void Write(RunContext&) override {}
};

}  // namespace

std::unique_ptr<Section> MakeSectionH() { return std::make_unique<SectionH>(); }

}  // namespace gdf
