// soil_names.cpp - The search passes over the name tables, the adding of new names, and the
// writing of the grown tables.
#include "tables/soil_names.h"

#include <array>
#include <unordered_map>
#include <vector>

#include "common/cp932.h"
#include "common/errors.h"
#include "common/numbers.h"
#include "common/print_file.h"
#include "common/routines.h"
#include "tables/table_field.h"
#include "tables/table_file.h"
#include "text/lines.h"

namespace gdf {
namespace {

constexpr char16_t kKishitu[] = u"KISHITU.TXT";
constexpr char16_t kXKishitu[] = u"XKISHITU.TXT";
constexpr char16_t kXKishituWork[] = u"XKISHITU.TMP";
constexpr char16_t kMarker[] = u"PATADD.txt";
constexpr int kFieldsPerEntry = 6;

using NameEntry = std::array<Text, kFieldsPerEntry>;

// The entries of one table that a search can find, by the matching part of their name and
// their code range; for each, the first such entry in the file.
class NameIndex {
 public:
  void Clear() {
    entries_.clear();
    first_.clear();
  }
  void Add(NameEntry entry) {
    const auto range = RangeOfCode(NumericOrZero(entry[0]));
    if (!range) return;
    entry[1] = MatchingPart(entry[1]);
    auto [it, added] = first_.try_emplace(entry[1], std::array<std::int32_t, 3>{-1, -1, -1});
    std::int32_t& slot = it->second[static_cast<std::size_t>(*range)];
    if (slot >= 0) return;  // an earlier entry of the file wins
    slot = static_cast<std::int32_t>(entries_.size());
    entries_.push_back(std::move(entry));
  }
  // The first entry of the range whose matching part equals the name: the full match of a
  // search pass. Partial matches never give a code, so they need no search here.
  const NameEntry* Find(const Text& name, CodeRange range) const {
    const auto it = first_.find(name);
    if (it == first_.end()) return nullptr;
    const std::int32_t slot = it->second[static_cast<std::size_t>(range)];
    return slot < 0 ? nullptr : &entries_[static_cast<std::size_t>(slot)];
  }

 private:
  std::vector<NameEntry> entries_;
  std::unordered_map<Text, std::array<std::int32_t, 3>> first_;
};

// Reads every entry of six fields, passing over blank lines, into the index. Returns whether
// every entry stood alone on one line, so that a whole line inserted between two lines adds
// exactly its own entry.
bool ReadNameEntries(const LineFile& file, NameIndex& index) {
  TextReader reader(file);
  bool oneLineEach = true;
  for (reader.SkipBlankLines(); !reader.AtEnd(); reader.SkipBlankLines()) {
    const std::size_t start = reader.LineNumber();
    NameEntry entry;
    for (int field = 0; field < kFieldsPerEntry; ++field) {
      if (field == kFieldsPerEntry - 1 && reader.LineNumber() != start) oneLineEach = false;
      entry[static_cast<std::size_t>(field)] = reader.ReadField();
    }
    if (reader.LineNumber() != start + 1) oneLineEach = false;
    index.Add(std::move(entry));
  }
  return oneLineEach;
}

// A field that is written as it stands must read back as one field of its own.
void CheckPlainField(TextView value, const Text& tablePath) {
  const Text left = TrimLeft(value);
  if (value.find(u',') == TextView::npos && !StartsWith(left, u"\"")) return;
  throw RunError(FailureKind::kBadValue, Say(MessageId::kValueBreaksTableLine, {Text(value)}),
                 tablePath);
}

// A table line: the name between double quotes when the field read would not give it back
// unchanged, every other field as it stands.
Text EntryLine(const NameEntry& fields, const Text& tablePath) {
  Text line;
  for (std::size_t i = 0; i < fields.size(); ++i) {
    if (i > 0) line.push_back(u',');
    if (i == 1) {
      line += TableField(fields[i], tablePath);
    } else if ((i == 2 || i == 3) &&
               (fields[i].find(u',') != Text::npos || StartsWith(TrimLeft(fields[i]), u"\""))) {
      // An attribute that holds "," or begins with a double quote goes between double quotes,
      // as a name does, so that the entry keeps its six fields.
      line += TableField(fields[i], tablePath);
    } else {
      CheckPlainField(fields[i], tablePath);
      line += fields[i];
    }
  }
  return line;
}

// The entries of one table line as the field read gives them back, or nothing when the line
// does not hold whole entries of six fields.
std::optional<std::vector<NameEntry>> EntriesOfLine(const Text& line, const Text& tablePath) {
  const LineFile file(Cp932Encode(line) + "\r\n", tablePath);
  TextReader reader(file);
  std::vector<NameEntry> entries;
  try {
    while (!reader.AtEnd()) {
      NameEntry entry;
      for (Text& field : entry) field = reader.ReadField();
      entries.push_back(std::move(entry));
    }
  } catch (const RunError&) {
    return std::nullopt;
  }
  return entries;
}

}  // namespace

std::optional<CodeRange> RangeOfCode(float value) {
  if (value > 4999 && value < 5500) return CodeRange::kA;
  if (value > 999 && value < 4000) return CodeRange::kB;
  if (value > 0 && value < 1000) return CodeRange::kC;
  return std::nullopt;
}

Text MatchingPart(TextView tableName) {
  return Text(tableName.substr(0, std::min(tableName.find(u'（'), tableName.size())));
}

struct SoilNameTables::State {
  explicit State(TableFolder& runContext) : context(runContext) {}

  // KISHITU.TXT: its bytes as read, and the lines appended to it since.
  struct Main {
    Text path;
    bool read = false;
    bool indexStale = false;  // the index must be read again from the bytes with the appends
    std::string content;
    std::vector<Text> appended;
    NameIndex index;
  };
  // XKISHITU.TXT: its lines as they stand now, each with the value of its first four
  // characters once the first rebuild has needed them.
  struct Added {
    struct Line {
      Text text;
      bool blank = false;
      std::optional<float> value;
    };
    Text path;
    bool read = false;
    bool changed = false;
    bool indexStale = false;
    bool oneLineEach = true;
    std::vector<Line> lines;
    NameIndex index;
  };

  TableFolder& context;
  Main main;
  Added added;
  bool markerNeeded = false;
  bool markerMade = false;
  std::vector<AddedTableLine> notes;  // in the order the lines were added

  // The bytes that KISHITU.TXT holds once the appends are written.
  std::string MainBytes() const {
    std::string bytes = main.content;
    if (!main.appended.empty() && !EndsWithLineEnd(bytes)) bytes += "\r\n";
    for (const Text& line : main.appended) {
      Cp932EncodeAppend(line, bytes);
      bytes += "\r\n";
    }
    return bytes;
  }
  // The bytes of the rebuilt XKISHITU.TXT: every line ended by CR LF.
  std::string AddedBytes() const {
    std::string bytes;
    for (const Added::Line& line : added.lines) {
      Cp932EncodeAppend(line.text, bytes);
      bytes += "\r\n";
    }
    return bytes;
  }

  NameIndex& MainIndex() {
    if (!main.read) {
      main.path = context.TablePath(kKishitu);
      main.content = LoadTable(context.fs, main.path).Bytes();
      main.read = true;
      main.indexStale = true;
    }
    if (main.indexStale) {
      main.index.Clear();
      ReadNameEntries(LineFile(MainBytes(), main.path), main.index);
      main.indexStale = false;
    }
    return main.index;
  }

  NameIndex& AddedIndex() {
    if (!added.read) {
      added.path = context.TablePath(kXKishitu);
      const LineFile file = LoadTable(context.fs, added.path);
      added.oneLineEach = ReadNameEntries(file, added.index);
      for (std::size_t i = 0; i < file.LineCount(); ++i) {
        added.lines.push_back({file.Line(i), IsBlankLine(file.LineBytes(i)), std::nullopt});
      }
      added.read = true;
    }
    if (added.indexStale) {
      added.index.Clear();
      added.oneLineEach = ReadNameEntries(LineFile(AddedBytes(), added.path), added.index);
      added.indexStale = false;
    }
    return added.index;
  }

  void AppendToMain(const Text& line, const Text& code, const Text& name);
  Text AddName(const Text& name, const Text& attribute);
  void EnsureMarker();
};

void SoilNameTables::State::AppendToMain(const Text& line, const Text& code, const Text& name) {
  main.appended.push_back(line);
  // A line at the end of the table adds its entries behind all others; when it does not read
  // back as whole entries, the next search reads the table as the file will hold it.
  const auto entries = EntriesOfLine(line, main.path);
  if (!entries) {
    main.indexStale = true;
  } else if (!main.indexStale) {
    for (const NameEntry& entry : *entries) main.index.Add(entry);
  }
  notes.push_back({kKishitu, code, name});
  markerNeeded = true;
}

// No full match anywhere: the name gets the code after the last entry below 4000 that comes
// before the first entry of 4000 or more (from 2000 on), its line goes there, and the same
// line is appended to KISHITU.TXT. Nothing changes when the line cannot be made.
Text SoilNameTables::State::AddName(const Text& name, const Text& attribute) {
  for (Added::Line& line : added.lines) {
    if (!line.value) line.value = line.blank ? 0.0f : NumericOrZero(LeftChars(line.text, 4));
  }
  std::size_t insertAt = added.lines.size();
  float lastCode = 0;
  for (std::size_t i = 0; i < added.lines.size(); ++i) {
    const Added::Line& line = added.lines[i];
    if (line.blank) continue;  // copied unchanged; they do not count
    if (*line.value >= kFirstHighCode) {
      insertAt = i;
      break;
    }
    lastCode = *line.value;
  }
  const float codeValue = (lastCode < kFirstAddedCode ? kFirstAddedCode - 1 : lastCode) + 1;
  if (codeValue >= kFirstHighCode) {
    throw RunError(FailureKind::kTableFull, Say(MessageId::kAddedNamesFull, {name}), added.path);
  }
  const Text code = RightChars(u"0000" + Trim(StrForm(codeValue)), 4);
  const NameEntry fields{code, name, attribute, attribute, u"    ", u"0000"};
  const Text addedLine = EntryLine(fields, added.path);
  const Text mainLine = EntryLine(fields, main.path);

  added.lines.insert(added.lines.begin() + static_cast<std::ptrdiff_t>(insertAt),
                     Added::Line{addedLine, false, codeValue});
  added.changed = true;
  // The new entry is the only one of its range with this name unless the name itself holds
  // "（", whose cut may meet an entry that comes before it in the file.
  const auto entries = EntriesOfLine(addedLine, added.path);
  if (!added.indexStale && added.oneLineEach && entries && entries->size() == 1 &&
      MatchingPart(name) == name) {
    added.index.Add(entries->front());
  } else {
    added.indexStale = true;
  }
  notes.push_back({kXKishitu, code, name});
  AppendToMain(mainLine, code, name);
  return code;
}

void SoilNameTables::State::EnsureMarker() {
  if (!markerNeeded || markerMade) return;
  const Text path = context.programFolder + kMarker;
  const bool existed = context.fs.Exists(path, ListAttribute::kNormal);
  FileError error;
  auto file = context.fs.Open(path, OpenMode::kAppend, error);
  if (!file || !file->Close(error)) {
    throw RunError(FailureKind::kCannotWrite,
                   Say(MessageId::kCannotCreateMarker, {ReasonOf(error)}), path);
  }
  if (!existed) context.markerCreated = true;
  markerMade = true;
}

SoilNameTables::SoilNameTables(TableFolder& context) : state_(std::make_unique<State>(context)) {}

SoilNameTables::~SoilNameTables() = default;

void SoilNameTables::Commit() {
  State& s = *state_;
  FileSystem& fs = s.context.fs;
  const auto reportNotes = [&](bool mainWritten) {
    for (AddedTableLine& note : s.notes) {
      if (mainWritten || note.table != kKishitu) s.context.added.push_back(note);
    }
    s.notes.clear();
  };

  // The marker before the first table line: a run stopped in between may leave a marker without
  // growth, which is harmless, but never growth without a marker.
  s.EnsureMarker();
  // XKISHITU.TXT first, so that KISHITU.TXT never holds a code that it lacks.
  if (s.added.changed) {
    const Text work = s.context.TablePath(kXKishituWork);
    FileError error;
    const std::string bytes = s.AddedBytes();
    // A work file left by a run that was killed goes before this run writes its own.
    if (fs.Exists(work, ListAttribute::kNormal) && !fs.Delete(work, error)) {
      throw RunError(FailureKind::kCannotWrite,
                     Say(MessageId::kTableCannotBeReplaced, {ReasonOf(error)}), work);
    }
    auto file = fs.Open(work, OpenMode::kTruncate, error);
    const bool written = file && file->Write(bytes, error) && file->Sync(error) &&
                         file->Close(error) && fs.Rename(work, s.added.path, error);
    if (!written) {
      file.reset();
      FileError ignored;
      fs.Delete(work, ignored);
      throw RunError(FailureKind::kCannotWrite,
                     Say(MessageId::kTableCannotBeReplaced, {ReasonOf(error)}), s.added.path);
    }
    s.added.changed = false;
  }
  if (!s.main.appended.empty()) {
    // The lines go in one write, so that the table takes all of them or none.
    Text lines;
    for (std::size_t i = 0; i < s.main.appended.size(); ++i) {
      if (i > 0) lines += u"\r\n";
      lines += s.main.appended[i];
    }
    try {
      AppendTableLine(fs, s.main.path, lines, &s.main.content);
    } catch (const RunError&) {
      reportNotes(false);
      throw;
    }
    s.main.content = s.MainBytes();
    s.main.appended.clear();
  }
  reportNotes(true);
}

Text ClassifySoilName(SoilNameTables& tables, TextView layerName, TextView attribute) {
  SoilNameTables::State& s = *tables.state_;
  const Text name(layerName);
  if (name.empty()) return u"0000";
  constexpr CodeRange kRanges[] = {CodeRange::kA, CodeRange::kB, CodeRange::kC};
  for (const CodeRange range : kRanges) {
    if (const NameEntry* entry = s.MainIndex().Find(name, range)) return (*entry)[0];
  }
  for (const CodeRange range : kRanges) {
    if (const NameEntry* entry = s.AddedIndex().Find(name, range)) {
      // Known as an added name: KISHITU.TXT gets the entry as it was read, its name cut.
      const NameEntry found = *entry;
      s.AppendToMain(EntryLine(found, s.main.path), found[0], found[1]);
      return found[0];
    }
  }
  return s.AddName(name, Text(attribute));
}

}  // namespace gdf
