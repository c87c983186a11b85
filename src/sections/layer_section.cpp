// layer_section.cpp - The "$A" section: the layers of the boring, each with its depth and its
// soil or rock name, written to X1.TXT with the name's code from the name tables.
#include <vector>

#include "common/errors.h"
#include "common/fields.h"
#include "common/numbers.h"
#include "common/print_file.h"
#include "sections/section.h"
#include "tables/soil_names.h"

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

// The layer count and the X1.TXT record counter are 16-bit: the counter passes the last layer.
constexpr std::size_t kMostLayers = 32766;

// One X1.TXT line: record number, depth, name code and name.
void WriteX1Record(PrintFile& file, std::int16_t& counter, const Layer& layer, TextView code) {
  file.PrintLine(CounterField(counter) + u"," + DepthField(layer.depth) + u"," + Text(code) + u"," +
                 layer.Name());
  Increment16(counter);
}

class LayerSection : public Section {
 public:
  void Read(TextReader& reader, const SectionHeader& header) override {
    ReadFixedRecords(reader, header.count, 9, [&](const std::vector<Text>& record) {
      if (Trim(record[2]).empty()) return;
      const Text attribute = Trim(record[5]);
      layers_.push_back({Trim(record[1]), Trim(record[2]), Trim(record[3]),
                         attribute.empty() ? Text(u"    ") : attribute});
    });
    if (layers_.size() > kMostLayers) {
      throw RunError(FailureKind::kOverflow,
                     u"The section lists " + FromAscii(std::to_string(layers_.size())) +
                         u" named layers; at most 32766 can be numbered.",
                     reader.File().Name(), header.SourceLine());
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

std::unique_ptr<Section> MakeLayerSection() { return std::make_unique<LayerSection>(); }

}  // namespace gdf
