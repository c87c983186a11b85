// dated_readings.cpp - The "$W" section: dated readings, written to N9.TXT.
#include "sections/section.h"

namespace gdf {
namespace {

class DatedReadingsSection : public Section {
 public:
  void Read(TextReader& reader, const SectionHeader& header) override {
    for (int record = 1; record <= header.count; ++record) {
      reader.ReadField();
      reader.ReadField();
    }
  }
  void Write(RunContext&) override {}
};

}  // namespace

std::unique_ptr<Section> MakeDatedReadingsSection() {
  return std::make_unique<DatedReadingsSection>();
}

}  // namespace gdf
