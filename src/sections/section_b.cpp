// section_b.cpp - The "$B" section: N8.TXT, G71.TXT, G73.TXT, then G81.TXT.
#include "sections/section.h"

namespace gdf {
namespace {

class SectionB : public Section {
 public:
  void Read(TextReader& reader, const SectionHeader& header) override {
    ReadFixedRecords(reader, header.count, 10, [](const std::vector<Text>&) {});
  }
  void Write(RunContext&) override {}
};

}  // namespace

std::unique_ptr<Section> MakeSectionB() { return std::make_unique<SectionB>(); }

}  // namespace gdf
