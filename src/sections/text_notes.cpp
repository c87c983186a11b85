// text_notes.cpp - The "$K" section: text notes, written to X12.TXT.
#include "sections/section.h"

namespace gdf {
namespace {

class TextNotesSection : public Section {
 public:
  void Read(TextReader& reader, const SectionHeader& header) override {
    (void)reader;
    (void)header;
  }
  void Write(RunContext&) override {}
};

}  // namespace

std::unique_ptr<Section> MakeTextNotesSection() { return std::make_unique<TextNotesSection>(); }

}  // namespace gdf
