// section_u.cpp - The "$U" section: entries kept for G81.TXT.
#include "sections/section.h"

namespace gdf {
namespace {

class SectionU : public Section {
 public:
  void Read(TextReader& reader, const SectionHeader& header) override {
    ReadFixedRecords(reader, header.count, 2, [](const std::vector<Text>&) {});
  }
  void Write(RunContext&) override {}
};

}  // namespace

std::unique_ptr<Section> MakeSectionU() { return std::make_unique<SectionU>(); }

}  // namespace gdf
