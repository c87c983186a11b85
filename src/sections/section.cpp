// section.cpp - The converter of each tag.
#include "sections/section.h"

namespace gdf {

std::unique_ptr<Section> MakeSection(const std::string& tag) {
  if (tag == "$A") return MakeLayerSection();
  if (tag == "$S") return MakeObservationColumnsSection();
  if (tag == "$W") return MakeDatedReadingsSection();
  if (tag == "$C") return MakeCountsPerLengthSection();
  if (tag == "$K") return MakeTextNotesSection();
  if (tag == "$O") return MakeSectionO();
  if (tag == "$U") return MakeSectionU();
  if (tag == "$B") return MakeSectionB();
  if (tag == "$H") return MakeSectionH();
  return nullptr;
}

}  // namespace gdf
