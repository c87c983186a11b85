// section_o.cpp - The "$O" section: two series by depth, written to R41.TXT.
#include "sections/section.h"

namespace gdf {
namespace {

class SectionO : public Section {
 public:
  void Read(TextReader& reader, const SectionHeader& header) override {
    ReadFixedRecords(reader, header.count, 5, [](const std::vector<Text>&) {});
  }
  void Write(RunContext&) override {}
};

}  // namespace

std::unique_ptr<Section> MakeSectionO() { return std::make_unique<SectionO>(); }

}  // namespace gdf
