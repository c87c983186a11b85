// layer_section.cpp - The "$A" section: layers and their names, written to X1.TXT.
#include "sections/section.h"

namespace gdf {
namespace {

class LayerSection : public Section {
 public:
  void Read(TextReader& reader, const SectionHeader& header) override {
    ReadFixedRecords(reader, header.count, 9, [](const std::vector<Text>&) {});
  }
  void Write(RunContext&) override {}
};

}  // namespace

std::unique_ptr<Section> MakeLayerSection() { return std::make_unique<LayerSection>(); }

}  // namespace gdf
