// observation_columns.cpp - The "$S" section: observation columns, written to X3.TXT and R30.TXT to R35.TXT.
#include "sections/section.h"

namespace gdf {
namespace {

class ObservationColumnsSection : public Section {
 public:
  void Read(TextReader& reader, const SectionHeader& header) override {
    ReadFixedRecords(reader, header.count, 9, [](const std::vector<Text>&) {});
  }
  void Write(RunContext&) override {}
};

}  // namespace

std::unique_ptr<Section> MakeObservationColumnsSection() { return std::make_unique<ObservationColumnsSection>(); }

}  // namespace gdf
