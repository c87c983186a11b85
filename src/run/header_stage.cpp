// header_stage.cpp - Loading of L4.TXT and the header stage.
#include "run/header_stage.h"

namespace gdf {

HeaderBlock ReadHeaderBlock(TextReader& reader, const SectionHeader& header) {
  HeaderBlock block;
  block.lines.resize(1);
  for (int n = 1; n <= header.count; ++n) block.lines.push_back(reader.ReadLine());
  return block;
}

void LoadL4Table(RunContext& context) { (void)context; }

void RunHeaderStage(const HeaderBlock& block, RunContext& context) {
  (void)block;
  context.headerStageRan = true;
}

}  // namespace gdf
