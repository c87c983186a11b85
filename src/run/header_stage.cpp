// header_stage.cpp - Loading of L4.TXT and the header stage: the title lists from the "$Z"
// block, the L1 and L2 look-ups, KISHITU.TXT made sure of, then CNT.TXT and the title files.
#include "run/header_stage.h"

#include "common/errors.h"
#include "common/numbers.h"
#include "common/routines.h"
#include "run/count_file.h"
#include "run/title_files.h"
#include "sections/section.h"
#include "tables/code_tables.h"

namespace gdf {
namespace {

// The era rule: two-digit years of one era are moved by 1925, all others by 1988.
Text EraYear(TextView headerLine) {
  const float value = NumericOrZero(headerLine);
  const float year = (value > 40 && value < 65) ? value + 1925 : value + 1988;
  return StrForm(year);
}

void FillTitleList1(const HeaderBlock& h, std::vector<Text>& list) {
  list[1] = h.Line(1);
  list[4] = EraYear(h.Line(6));
  list[5] = h.Line(7);
  list[6] = h.Line(8);
  list[7] = EraYear(h.Line(9));
  list[8] = h.Line(10);
  list[9] = h.Line(11);
  list[10] = h.Line(3);
  list[17] = h.Line(4);
  list[18] = h.Line(31);
  list[19] = h.Line(32);
  list[21] = h.Line(16);
  list[22] = h.Line(17);
}

void FillTitleList2(const HeaderBlock& h, std::vector<Text>& list) {
  list[1] = h.Line(5);
  list[15] = h.Line(19);
  list[16] = h.Line(18);
  list[18] = h.Line(12);
  const Text h13 = h.Line(13);
  list[19] = StartsWith(h13, u"+") ? h13.substr(1) : h13;
  list[20] = h.Line(33);
  list[28] = h.Line(20);
  list[29] = h.Line(22);
  list[30] = h.Line(23);
  list[32] = h.Line(21);
}

// The name table that the layer section searches first must exist; an existing one is kept.
void MakeSureKishituExists(RunContext& context) {
  const Text path = context.TablePath(u"KISHITU.TXT");
  if (context.fs.Exists(path, ListAttribute::kNormal)) return;
  FileError error;
  auto file = context.fs.Open(path, OpenMode::kAppend, error);
  if (!file || !file->Close(error)) {
    throw RunError(FailureKind::kCannotWrite,
                   Say(MessageId::kCannotCreateNameTable, {ReasonOf(error)}), path);
  }
}

}  // namespace

HeaderBlock ReadHeaderBlock(TextReader& reader, const SectionHeader& header, SectionNotes& notes) {
  HeaderBlock block;
  block.lines.resize(1);
  ReadFixedRecords(reader, header, 1, notes,
                   [&](const FixedRecord& line) { block.lines.push_back(line[1]); });
  return block;
}

HeaderBlock ReadHeaderBlock(TextReader& reader, const SectionHeader& header) {
  StopAtFirstFault notes;
  return ReadHeaderBlock(reader, header, notes);
}

void LoadL4Table(RunContext& context) {
  context.l4 = ReadL4Pairs(context.fs, context.TablePath(u"L4.TXT"));
}

void RunHeaderStage(const HeaderBlock& block, RunContext& context) {
  context.titleList1.assign(kTitleList1Size + 1, Text());
  context.titleList2.assign(kTitleList2Size + 1, Text());
  FillTitleList1(block, context.titleList1);
  FillTitleList2(block, context.titleList2);
  context.titleList2[17] = LookUpL1Code(context, block.Line(12));
  context.titleList2[31] = LookUpL2Code(context, block.Line(21));
  MakeSureKishituExists(context);
  WriteCountFile(context);
  WriteTitleFiles(context, context.titleList1, context.titleList2, context.recordBase);
  context.yearText = context.titleList1[4];
  context.headerStageRan = true;
}

}  // namespace gdf
