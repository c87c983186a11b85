// section_u.cpp - The "$U" section: entries kept for G81.TXT, which the "$B" section writes.
//
// Every record adds an entry, blank or not, and neither line is trimmed.
#include <memory>
#include <vector>

#include "sections/section.h"

namespace gdf {
namespace {

class SectionU : public Section {
 public:
  void Read(TextReader& reader, const SectionHeader& header, SectionNotes& notes) override {
    if (header.count > 0) list_.reserve(static_cast<std::size_t>(header.count));
    ReadFixedRecords(reader, header, 2, notes, [&](const FixedRecord& record) {
      list_.push_back({record[2], record[1]});
      if (record.checked) CheckRecordDepth(notes, record, MissingDepth::kZero);
    });
  }
  // Writes no file of its own: the run hands the list to the "$B" section.
  std::vector<DepthEntry> HandedList() override { return std::move(list_); }
  void Write(SectionContext&) override {}

 private:
  std::vector<DepthEntry> list_;
};

}  // namespace

std::unique_ptr<Section> MakeSectionU() { return std::make_unique<SectionU>(); }

}  // namespace gdf
