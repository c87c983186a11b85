// glossary_test.cpp - Show that the program's Japanese follows docs/glossary-ja.md: no Japanese
// text of the catalogue (messages and help) holds a word that the glossary's table lists as one to
// avoid. The glossary is read as it stands, so that it is the one place the words are kept.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "messages/message_catalogue.h"
#include "support/test_support.h"

namespace gdf {
namespace {

// The cells of a Markdown table row "| a | b | c |", trimmed.
std::vector<std::string> Cells(const std::string& row) {
  std::vector<std::string> cells;
  std::size_t start = row.find('|');
  while (start != std::string::npos) {
    const std::size_t end = row.find('|', start + 1);
    if (end == std::string::npos) break;
    std::string cell = row.substr(start + 1, end - start - 1);
    cell.erase(0, cell.find_first_not_of(' '));
    cell.erase(cell.find_last_not_of(' ') + 1);
    cells.push_back(cell);
    start = end;
  }
  return cells;
}

// The words of the glossary's third column, split at "、", without the quotes 「」.
std::vector<std::string> WordsToAvoid(const std::string& glossary) {
  const std::string comma = "、";
  std::vector<std::string> words;
  std::size_t at = 0;
  while (at < glossary.size()) {
    std::size_t end = glossary.find('\n', at);
    if (end == std::string::npos) end = glossary.size();
    const std::string row = glossary.substr(at, end - at);
    at = end + 1;
    const std::vector<std::string> cells = Cells(row);
    if (cells.size() != 3 || cells[0] == "概念" || cells[0].rfind("---", 0) == 0) continue;
    std::string list = cells[2];
    for (std::size_t from = 0; from <= list.size();) {
      std::size_t next = list.find(comma, from);
      if (next == std::string::npos) next = list.size();
      std::string word = list.substr(from, next - from);
      for (const char* quote : {"「", "」"}) {
        for (std::size_t q; (q = word.find(quote)) != std::string::npos;) word.erase(q, 3);
      }
      if (!word.empty()) words.push_back(word);
      from = next + comma.size();
    }
  }
  return words;
}

TEST(Glossary, ListsWordsToAvoid) {
  const std::vector<std::string> words =
      WordsToAvoid(test::ReadBytes(test::SourceDir() + "/docs/glossary-ja.md"));
  // A table that the reader no longer finds would make the test below pass on nothing.
  for (const char* word : {"テーブル", "ホストのパス", "試行", "変換済み", "実行は", "new"}) {
    EXPECT_NE(std::find(words.begin(), words.end(), word), words.end()) << word;
  }
}

TEST(Glossary, NoJapaneseTextHoldsAWordToAvoid) {
  const std::vector<std::string> words =
      WordsToAvoid(test::ReadBytes(test::SourceDir() + "/docs/glossary-ja.md"));
  ASSERT_FALSE(words.empty());
  // The system's own texts stand as the users have always known them.
  const std::set<MessageId> exempt = {MessageId::kConverting,   MessageId::kCompleted,
                                      MessageId::kInvalidPath,  MessageId::kNoSourceFile,
                                      MessageId::kCreateFolder, MessageId::kBadDrive,
                                      MessageId::kNoSetting};
  int texts = 0;
  for (int i = 0; i < static_cast<int>(MessageId::kCount); ++i) {
    const auto id = static_cast<MessageId>(i);
    if (exempt.count(id) != 0) continue;
    const std::string japanese = ToUtf8(Template(id, Language::kJapanese));
    if (japanese.empty()) continue;
    ++texts;
    for (const std::string& word : words) {
      EXPECT_EQ(japanese.find(word), std::string::npos)
          << "message " << i << " holds 「" << word << "」:\n"
          << japanese;
    }
  }
  EXPECT_GT(texts, 300);
}

}  // namespace
}  // namespace gdf
