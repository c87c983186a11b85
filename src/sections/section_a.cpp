// section_a.cpp - The "$A" section: the layers of the boring, each with its depth and its
// soil or rock name, written to X1.TXT with the name's code from the name tables.
#include <vector>

#include "common/errors.h"
#include "common/fields.h"
#include "common/numbers.h"
#include "common/print_file.h"
#include "sections/section.h"
#include "tables/soil_names.h"
#include "tables/table_field.h"

namespace gdf {
namespace {

// A layer record that has a name: lines 1, 2, 3 and 5 of its nine, trimmed.
struct Layer {
  Text depth;       ///< line 1
  Text firstPart;   ///< line 2, never empty
  Text secondPart;  ///< line 3, may be empty
  Text attribute;   ///< line 5, or four blanks when it is empty

  /// Line 2, and line 3 after "・" when there is one.
  Text Name() const { return secondPart.empty() ? firstPart : firstPart + u"・" + secondPart; }
};

// One X1.TXT line: record number, depth, name code and name.
void WriteX1Record(PrintFile& file, std::int16_t& counter, const Layer& layer, TextView code) {
  file.PrintLine(CounterField(counter) + u"," + DepthField(layer.depth) + u"," + Text(code) + u"," +
                 layer.Name());
  Increment16(counter);
}

// A named layer's depth must be a number, and its name and attribute must fit a name table.
void CheckLayer(SectionNotes& notes, const FixedRecord& record, const Layer& layer,
                const Text& attribute) {
  CheckRecordDepth(notes, record);
  const Text name = layer.Name();
  switch (QuotingOf(name)) {
    case TableQuoting::kPlain:
      break;
    case TableQuoting::kImpossible:
      notes.Warning(record.SourceLine(2), Say(MessageId::kCheckLayerNameCannotBeQuoted, {name}));
      break;
    case TableQuoting::kQuoted:
      notes.Warning(record.SourceLine(2), Say(MessageId::kCheckLayerNameQuoted, {name}));
      break;
  }
  // The attribute goes into the name tables with a new name, by the same rule.
  switch (QuotingOf(attribute)) {
    case TableQuoting::kPlain:
      break;
    case TableQuoting::kImpossible:
      notes.Warning(record.SourceLine(5),
                    Say(MessageId::kCheckAttributeCannotBeQuoted, {attribute}));
      break;
    case TableQuoting::kQuoted:
      notes.Warning(record.SourceLine(5), Say(MessageId::kCheckAttributeQuoted, {attribute}));
      break;
  }
}

class SectionA : public Section {
 public:
  void Read(TextReader& reader, const SectionHeader& header, SectionNotes& notes) override {
    ReadFixedRecords(reader, header, 9, notes, [&](const FixedRecord& record) {
      if (Trim(record[2]).empty()) return;
      const Text attribute = Trim(record[5]);
      layers_.push_back({Trim(record[1]), Trim(record[2]), Trim(record[3]),
                         attribute.empty() ? Text(u"    ") : attribute});
      if (record.checked) CheckLayer(notes, record, layers_.back(), attribute);
    });
    if (layers_.size() > kMostNumbered) {
      notes.Fault(
          {FailureKind::kOverflow,
           {},
           reader.File().Name(),
           header.SourceLine(),
           Say(MessageId::kTooManyLayers,
               {NumberText(static_cast<long long>(layers_.size())), Count(kMostNumbered)})});
    }
  }

  void Write(SectionContext& context) override {
    PrintFile file(context.fs, context.RecordPath(u"X1.TXT"));
    SoilNameTables tables(context);
    std::int16_t counter = 1;
    try {
      for (const Layer& layer : layers_) {
        const Text code = ClassifySoilName(tables, layer.Name(), layer.attribute);
        WriteX1Record(file, counter, layer, code);
      }
    } catch (...) {
      // The names added before the failure stay in the tables.
      try {
        tables.Commit();
      } catch (const RunError&) {
        // The first failure is the one to report.
      }
      throw;
    }
    tables.Commit();
    context.CloseRecordFile(file, u"X1.TXT");
  }

 private:
  std::vector<Layer> layers_;
};

}  // namespace

std::unique_ptr<Section> MakeSectionA() { return std::make_unique<SectionA>(); }

}  // namespace gdf
