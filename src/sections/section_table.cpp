// section_table.cpp - The table of the sections.
#include "sections/section_table.h"

#include <algorithm>
#include <iterator>

namespace gdf {

const SectionKind kSections[10] = {
    {"$Z", "header block", nullptr, "header lines", 1, false},
    {"$A", "layers", MakeSectionA, "records", 9, false},
    {"$S", "observation columns", MakeSectionS, "records", 9, false},
    {"$W", "dated readings", MakeSectionW, "records", 0, false},
    {"$C", "counts per length", MakeSectionC, "records", 5, false},
    {"$K", "text notes", MakeSectionK, "text lines", 0, true},
    {"$O", "two series of readings", MakeSectionO, "records", 5, true},
    {"$U", "list for G81.TXT", MakeSectionU, "records", 2, false},
    {"$B", "table by depth", MakeSectionB, "records", 10, false},
    {"$H", "names by depth", MakeSectionH, "records", 4, false},
};

const SectionKind* FindSectionKind(std::string_view tag) {
  const auto found = std::find_if(std::begin(kSections), std::end(kSections),
                                  [&](const SectionKind& kind) { return tag == kind.tag; });
  return found == std::end(kSections) ? nullptr : found;
}

}  // namespace gdf
