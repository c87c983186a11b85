// table_health.cpp - Each table read line by line with the run's field read, then the name
// tables and the code tables looked through for codes and names that a run would get wrong.
#include "tables/table_health.h"

#include <algorithm>
#include <map>
#include <utility>

#include "common/cp932.h"
#include "common/numbers.h"
#include "common/routines.h"
#include "common/text_file.h"
#include "tables/soil_names.h"
#include "text/letter_case.h"
#include "text/lines.h"

namespace gdf {
namespace {

// How a table is read and grown.
enum class TableKind {
  kName,        // KISHITU.TXT, XKISHITU.TXT: six fields, four-digit codes by range
  kColumnCode,  // L13.TXT to L17.TXT, L19.TXT: codes 1 to 99, the last line of a name wins
  kNameCode,    // L18.txt, L18b.txt: codes 01 to 99, the first line of a name wins
  kReadOnly,    // L1.TXT, L2.TXT, L4.TXT: read, never grown
};

struct TableShape {
  const char16_t* name;
  TableKind kind;
  std::size_t fields;
  bool required;  // a run that needs it stops without it
};

constexpr char16_t kMainTable[] = u"KISHITU.TXT";
constexpr char16_t kAddedTable[] = u"XKISHITU.TXT";
constexpr char16_t kWorkFile[] = u"XKISHITU.TMP";
constexpr int kMostTwoDigitCode = 99;

// KISHITU.TXT is made empty by a run that misses it; L18.txt and L18b.txt are used only when
// they hold something.
constexpr TableShape kTables[] = {
    {kMainTable, TableKind::kName, 6, false},      {kAddedTable, TableKind::kName, 6, true},
    {u"L1.TXT", TableKind::kReadOnly, 2, true},    {u"L2.TXT", TableKind::kReadOnly, 2, true},
    {u"L4.TXT", TableKind::kReadOnly, 2, true},    {u"L13.TXT", TableKind::kColumnCode, 2, true},
    {u"L14.TXT", TableKind::kColumnCode, 2, true}, {u"L15.TXT", TableKind::kColumnCode, 2, true},
    {u"L16.TXT", TableKind::kColumnCode, 2, true}, {u"L17.TXT", TableKind::kColumnCode, 3, true},
    {u"L19.TXT", TableKind::kColumnCode, 2, true}, {u"L18.txt", TableKind::kNameCode, 2, false},
    {u"L18b.txt", TableKind::kNameCode, 2, false},
};

// A table line that reads as the fields of one entry.
struct Entry {
  std::int32_t line = 0;
  std::vector<Text> fields;
  const Text& Code() const { return fields.front(); }
  const Text& Name() const { return fields.back(); }
};

// The fields of one line as the run's field read gives them back.
std::vector<Text> FieldsOf(std::string_view bytes) {
  const LineFile file(std::string(bytes) + "\r\n", {});
  TextReader reader(file);
  std::vector<Text> fields;
  while (!reader.AtEnd()) fields.push_back(reader.ReadField());
  return fields;
}

bool FourDigits(const Text& code) {
  if (code.size() != 4) return false;
  for (const char16_t ch : code) {
    if (ch < u'0' || ch > u'9') return false;
  }
  return true;
}

class Checker {
 public:
  Checker(FileSystem& fs, TableHealth& health) : fs_(fs), health_(health) {}

  void Run() {
    const Text folder = health_.folder;
    for (const TableShape& shape : kTables) {
      const Text path = folder + shape.name;
      if (fs_.Size(path) < 0) {
        if (shape.required) Add(TableFault::kMissing, shape.name, 0, {});
        continue;
      }
      FileError error;
      const auto bytes = fs_.ReadAll(path, error);
      if (!bytes) {
        Add(TableFault::kMissing, shape.name, 0, {});
        continue;
      }
      ++health_.tables;
      std::vector<Entry> entries = ReadLines(shape, *bytes);
      switch (shape.kind) {
        case TableKind::kName:
          CheckNameTable(shape.name, entries);
          names_[shape.name] = std::move(entries);
          break;
        case TableKind::kColumnCode:
        case TableKind::kNameCode:
          CheckCodeTable(shape, entries);
          break;
        case TableKind::kReadOnly:
          break;
      }
    }
    CheckNameTablesAgree();
    if (fs_.Exists(folder + kWorkFile, ListAttribute::kNormal)) {
      Add(TableFault::kWorkFileLeft, kWorkFile, 0, {}, TableSeverity::kNote);
    }
  }

 private:
  void Add(TableFault fault, const Text& table, std::int32_t line, std::vector<Text> values,
           TableSeverity severity = TableSeverity::kFault) {
    health_.findings.push_back({fault, severity, table, line, std::move(values), std::nullopt});
  }

  // Every line: its bytes, its line end and its fields; the lines that read as one entry.
  std::vector<Entry> ReadLines(const TableShape& shape, const std::string& bytes) {
    std::vector<Entry> entries;
    std::int32_t number = 0;
    for (const auto& [line, end] : SplitLines(bytes)) {
      ++number;
      if (end.empty()) {
        Add(TableFault::kPartialLastLine, shape.name, number, {});
      } else if (end != "\r\n") {
        Add(TableFault::kBareLineEnd, shape.name, number, {});
      }
      ++health_.lines;
      if (!Cp932Valid(line)) {
        Add(TableFault::kNotCp932, shape.name, number, {});
        continue;
      }
      if (IsBlankLine(line)) continue;  // the run passes over them
      std::vector<Text> fields = FieldsOf(line);
      if (fields.size() != shape.fields) {
        Add(TableFault::kFieldCount, shape.name, number,
            {Count(std::ssize(fields)), Count(static_cast<std::int64_t>(shape.fields))});
        continue;
      }
      entries.push_back({number, std::move(fields)});
    }
    return entries;
  }

  // A code on two names, and a name under two codes of one search range (the search finds only
  // the first): what two runs that added at once without a lock leave.
  void CheckNameTable(const Text& table, const std::vector<Entry>& entries) {
    std::map<Text, const Entry*> byCode;
    std::map<std::pair<Text, int>, const Entry*> byName;
    for (const Entry& entry : entries) {
      const Text code = Trim(entry.Code());
      const float value = NumericOrZero(code);
      const auto range = RangeOfCode(value);
      const bool highBlock = table == kAddedTable && value >= kFirstHighCode;
      if (!highBlock && (!FourDigits(code) || !range)) {
        Add(TableFault::kCodeOutOfRange, table, entry.line, {code, entry.fields[1]});
        continue;
      }
      // Names as they stand: a remark in "（）" tells entries with the same matching part apart.
      const Text& name = entry.fields[1];
      const auto [first, newCode] = byCode.emplace(code, &entry);
      if (!newCode && first->second->fields[1] != name) {
        Add(TableFault::kCodeTwice, table, entry.line,
            {code, entry.fields[1], Count(first->second->line), first->second->fields[1]});
      }
      if (!range) continue;
      const auto [earlier, newName] =
          byName.emplace(std::make_pair(name, static_cast<int>(*range)), &entry);
      if (!newName && Trim(earlier->second->Code()) != code) {
        Add(TableFault::kNameTwice, table, entry.line,
            {entry.fields[1], code, Count(earlier->second->line), Trim(earlier->second->Code())});
      }
    }
  }

  void CheckCodeTable(const TableShape& shape, const std::vector<Entry>& entries) {
    std::map<int, const Entry*> byCode;
    std::map<Text, const Entry*> byName;
    for (const Entry& entry : entries) {
      const Text code = Trim(entry.Code());
      const float value = NumericOrZero(code);
      const int number = static_cast<int>(value);
      if (code.empty() || static_cast<float>(number) != value || number < 1 ||
          number > kMostTwoDigitCode) {
        Add(TableFault::kCodeOutOfRange, shape.name, entry.line, {code, entry.Name()});
        continue;
      }
      // The column tables find a name in either width, the others in either letter case.
      const Text key = shape.kind == TableKind::kColumnCode ? ToFullWidth(entry.Name())
                                                            : ToUpperSimple(entry.Name());
      const auto [first, newCode] = byCode.emplace(number, &entry);
      if (!newCode && first->second->Name() != entry.Name()) {
        Add(TableFault::kCodeTwice, shape.name, entry.line,
            {code, entry.Name(), Count(first->second->line), first->second->Name()});
      }
      const auto [earlier, newName] = byName.emplace(key, &entry);
      if (!newName && NumericOrZero(earlier->second->Code()) != value) {
        Add(TableFault::kNameTwice, shape.name, entry.line,
            {entry.Name(), code, Count(earlier->second->line), Trim(earlier->second->Code())});
      }
    }
  }

  // Every added name (2000 to 3999) in both tables: KISHITU.TXT takes one from XKISHITU.TXT when
  // a run meets it, but a code that XKISHITU.TXT lost would be given again.
  void CheckNameTablesAgree() {
    const auto main = names_.find(kMainTable);
    const auto added = names_.find(kAddedTable);
    if (main == names_.end() || added == names_.end()) return;
    const auto isAdded = [](const Entry& entry) {
      const float value = NumericOrZero(entry.Code());
      return IsAddedNameCode(value);
    };
    std::map<std::pair<Text, Text>, bool> inMain;
    std::map<Text, bool> codesAdded;
    for (const Entry& entry : main->second) {
      inMain[{Trim(entry.Code()), MatchingPart(entry.fields[1])}] = true;
    }
    for (const Entry& entry : added->second) {
      if (!isAdded(entry)) continue;
      codesAdded[Trim(entry.Code())] = true;
      if (inMain.count({Trim(entry.Code()), MatchingPart(entry.fields[1])}) == 0) {
        Add(TableFault::kAddedNotInMain, kAddedTable, entry.line,
            {Trim(entry.Code()), entry.fields[1]}, TableSeverity::kNote);
      }
    }
    for (const Entry& entry : main->second) {
      if (isAdded(entry) && codesAdded.count(Trim(entry.Code())) == 0) {
        Add(TableFault::kMainNotInAdded, kMainTable, entry.line,
            {Trim(entry.Code()), entry.fields[1]});
      }
    }
  }

  FileSystem& fs_;
  TableHealth& health_;
  std::map<Text, std::vector<Entry>> names_;
};

// The code and the name of the line a finding is about, as the log would hold them.
std::optional<std::pair<Text, Text>> CodeAndName(const TableFinding& finding) {
  switch (finding.fault) {
    case TableFault::kCodeOutOfRange:
    case TableFault::kCodeTwice:
    case TableFault::kAddedNotInMain:
    case TableFault::kMainNotInAdded:
      return std::make_pair(finding.values[0], finding.values[1]);
    case TableFault::kNameTwice:
      return std::make_pair(finding.values[1], finding.values[0]);
    default:
      return std::nullopt;
  }
}

}  // namespace

bool TableHealth::Healthy() const {
  for (const TableFinding& finding : findings) {
    if (finding.severity == TableSeverity::kFault) return false;
  }
  return true;
}

TableHealth CheckTableHealth(FileSystem& fs, const Text& patternFolder) {
  TableHealth health;
  health.folder = patternFolder;
  if (!health.folder.empty() && health.folder.back() != u'\\') health.folder += u'\\';
  // Read under a shared lock where there is one, so that no run changes a table meanwhile; a
  // folder that a run is changing is read all the same, and says so.
  LockError error;
  const auto lock = fs.LockFolder(health.folder, LockMode::kShared, 0, error);
  if (!lock && error.kind == LockFailure::kBusy) {
    health.lockHeld = true;
    health.holder = ParseHolderLine(error.holderLine);
  }
  FileError ignored;
  if (const auto log = fs.ReadAll(health.folder + kAdditionLogName, ignored)) {
    health.log = ReadAdditionLog(*log);
  }
  Checker(fs, health).Run();
  std::stable_sort(health.findings.begin(), health.findings.end(),
                   [](const TableFinding& a, const TableFinding& b) {
                     const Text left = ToUpperSimple(a.table);
                     const Text right = ToUpperSimple(b.table);
                     return left != right ? left < right : a.line < b.line;
                   });
  // Who added each line that a finding is about: the last addition of that code and name.
  for (TableFinding& finding : health.findings) {
    const auto line = CodeAndName(finding);
    if (!line) continue;
    for (auto it = health.log.rbegin(); it != health.log.rend(); ++it) {
      if (EqualFoldingCase(it->table, finding.table) && Trim(it->code) == line->first &&
          it->name == line->second) {
        finding.addedBy = *it;
        break;
      }
    }
  }
  return health;
}

const char* FaultName(TableFault fault) {
  switch (fault) {
    case TableFault::kMissing:
      return "missing";
    case TableFault::kNotCp932:
      return "notCp932";
    case TableFault::kBareLineEnd:
      return "lineEndNotCrLf";
    case TableFault::kPartialLastLine:
      return "partialLastLine";
    case TableFault::kFieldCount:
      return "fieldCount";
    case TableFault::kCodeOutOfRange:
      return "codeOutOfRange";
    case TableFault::kCodeTwice:
      return "codeTwice";
    case TableFault::kNameTwice:
      return "nameTwice";
    case TableFault::kAddedNotInMain:
      return "addedNameNotInMainTable";
    case TableFault::kMainNotInAdded:
      return "addedCodeMissingFromAddedTable";
    case TableFault::kWorkFileLeft:
      return "workFileLeft";
  }
  return "";
}

CatalogueMessage DescribeFinding(const TableFinding& finding) {
  static constexpr MessageId kSaid[] = {
      MessageId::kTableMissing,        MessageId::kTableNotCp932,
      MessageId::kTableBareLineEnd,    MessageId::kTablePartialLastLine,
      MessageId::kTableFieldCount,     MessageId::kTableCodeOutOfRange,
      MessageId::kTableCodeTwice,      MessageId::kTableNameTwice,
      MessageId::kTableAddedNotInMain, MessageId::kTableMainNotInAdded,
      MessageId::kTableWorkFileLeft,
  };
  return CatalogueMessage(kSaid[static_cast<std::size_t>(finding.fault)], finding.values);
}

CatalogueMessage AdviceFor(const TableFinding& finding) {
  static constexpr MessageId kAdvice[] = {
      MessageId::kTableMissingAdvice,        MessageId::kTableNotCp932Advice,
      MessageId::kTableBareLineEndAdvice,    MessageId::kTablePartialLastLineAdvice,
      MessageId::kTableFieldCountAdvice,     MessageId::kTableCodeOutOfRangeAdvice,
      MessageId::kTableCodeTwiceAdvice,      MessageId::kTableNameTwiceAdvice,
      MessageId::kTableAddedNotInMainAdvice, MessageId::kTableMainNotInAddedAdvice,
      MessageId::kTableWorkFileLeftAdvice,
  };
  return CatalogueMessage(kAdvice[static_cast<std::size_t>(finding.fault)], finding.values);
}

std::optional<CatalogueMessage> AddedByText(const TableFinding& finding) {
  if (!finding.addedBy) return std::nullopt;
  const LoggedAddition& by = *finding.addedBy;
  return Say(MessageId::kTableAddedBy, {by.user, by.computer, by.time, by.source, Count(by.line)});
}

}  // namespace gdf
