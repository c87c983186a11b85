// counts_per_length.cpp - The "$C" section: counts per length, written to X5.TXT.
#include "sections/section.h"

namespace gdf {
namespace {

class CountsPerLengthSection : public Section {
 public:
  void Read(TextReader& reader, const SectionHeader& header) override {
    ReadFixedRecords(reader, header.count, 5, [](const std::vector<Text>&) {});
  }
  void Write(RunContext&) override {}
};

}  // namespace

std::unique_ptr<Section> MakeCountsPerLengthSection() { return std::make_unique<CountsPerLengthSection>(); }

}  // namespace gdf
