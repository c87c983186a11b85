// message_catalogue_test.cpp - Show that every message has both languages with the same
// parameters, that the system's own texts are unchanged in both, and that the user's language
// is chosen as POSIX chooses it.
#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <set>
#include <string>

#include "messages/message_catalogue.h"
#include "platform/file_system.h"

namespace gdf {
namespace {

// The parameters a template names, with "?" after those used as counts.
std::set<std::string> Parameters(TextView pattern) {
  std::set<std::string> found;
  for (std::size_t i = 0; i + 2 < pattern.size(); ++i) {
    if (pattern[i] != u'{' || pattern[i + 1] < u'1' || pattern[i + 1] > u'9') continue;
    std::string name(1, static_cast<char>(pattern[i + 1]));
    if (pattern[i + 2] == u'?') {
      const std::size_t close = pattern.find(u'}', i);
      EXPECT_NE(close, TextView::npos) << ToUtf8(pattern);
      EXPECT_NE(pattern.substr(i, close - i).find(u'|'), TextView::npos) << ToUtf8(pattern);
    } else {
      EXPECT_EQ(pattern[i + 2], u'}') << ToUtf8(pattern);
    }
    found.insert(name);
  }
  return found;
}

TEST(MessageCatalogueTest, EveryMessageHasBothLanguagesWithTheSameParameters) {
  for (int i = 0; i < static_cast<int>(MessageId::kCount); ++i) {
    const auto id = static_cast<MessageId>(i);
    const TextView japanese = Template(id, Language::kJapanese);
    const TextView english = Template(id, Language::kEnglish);
    EXPECT_FALSE(japanese.empty()) << "message " << i;
    EXPECT_FALSE(english.empty()) << "message " << i;
    EXPECT_EQ(Parameters(japanese), Parameters(english))
        << "message " << i << ": " << ToUtf8(english);
  }
}

TEST(MessageCatalogueTest, TheSystemsOwnTextsAreUnchangedInBothLanguages) {
  const struct {
    MessageId id;
    const char16_t* text;
  } cases[] = {
      {MessageId::kConverting, u"只今変換中！\u3000しばらくお待ちください。"},
      {MessageId::kCompleted, u"変換が正常に終了しました。"},
      {MessageId::kInvalidPath, u"指定されたパスは正しくありません。"},
      {MessageId::kNoSourceFile, u"変換元ファイルが選択されていません。"},
      {MessageId::kCreateFolder, u"フォルダがありません。新規作成しますか？"},
      {MessageId::kBadDrive,
       u"規定値のドライブ名が正しくありません。ドライブ名は１文字のアルファベットと \":\" "
       u"でなければいけません。  例 \"C:\", \"D:\"..."},
      {MessageId::kNoSetting, u" VIRIZU の設定がありません."},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Template(c.id, Language::kJapanese), c.text);
    EXPECT_EQ(Template(c.id, Language::kEnglish), c.text);
  }
}

TEST(MessageCatalogueTest, RendersParametersAndCounts) {
  const struct {
    CatalogueMessage message;
    Language language;
    const char16_t* expected;
  } cases[] = {
      {Say(MessageId::kFilesWrittenBefore, {u"1"}), Language::kEnglish,
       u"1 file was written or changed before the stop:"},
      {Say(MessageId::kFilesWrittenBefore, {u"3"}), Language::kEnglish,
       u"3 files were written or changed before the stop:"},
      {Say(MessageId::kWrittenFile, {u"D:\\OUT\\X1.TXT", u"1"}), Language::kEnglish,
       u"  D:\\OUT\\X1.TXT (1 line)"},
      {Say(MessageId::kWrittenFile, {u"D:\\OUT\\X1.TXT", u"0"}), Language::kEnglish,
       u"  D:\\OUT\\X1.TXT (0 lines)"},
      {Say(MessageId::kWrittenFile, {u"D:\\OUT\\X1.TXT", u"2"}), Language::kJapanese,
       u"  D:\\OUT\\X1.TXT（2 行）"},
      {Say(MessageId::kPathBlank, {u"my dir"}), Language::kJapanese,
       u"フォルダ名「my dir」に空白が含まれています。パスに空白は使えません。"},
      // Words that the core and the file systems give as messages are Japanese in Japanese.
      {Say(MessageId::kOverflow16, {Say(MessageId::kWhatTextLength)}), Language::kJapanese,
       u"文字列の長さ が大きすぎます（32767 まで）。"},
      {Say(MessageId::kCannotWriteFile, {ReasonOf(Failed(FileFailure::kDiskFull))}),
       Language::kJapanese, u"ファイルに書き込めません：ディスクの空き容量が足りません。"},
      // A missing parameter renders empty rather than failing.
      {Say(MessageId::kPathDriveNotMapped), Language::kEnglish, u"Drive : is not mapped."},
  };
  for (const auto& c : cases) EXPECT_EQ(Render(c.message, c.language), c.expected);
}

// Sentences follow one another with a blank in English and without one in Japanese; the unit of
// a section's count is a word of the language.
TEST(MessageCatalogueTest, RendersSentences) {
  const std::vector<CatalogueMessage> sentences = {
      Say(MessageId::kCheckCountPastEnd, {u"3", u"1", Say(MessageId::kUnitRecords)}),
      Say(MessageId::kCheckRunStopsHere)};
  EXPECT_EQ(RenderSentences(sentences, Language::kEnglish),
            u"The count 3 promises more records than the 1 that stand after the tag line: the "
            u"run reads past the end of the file and stops there, before it writes anything. The "
            u"run stops here.");
  EXPECT_EQ(
      RenderSentences(sentences, Language::kJapanese),
      u"件数 3 に対して、タグ行の後にあるレコードは 1 しかありません。変換はファイルの終わりを"
      u"越えて読もうとし、何も書き込む前に中断します。変換はここで中断します。");
  EXPECT_EQ(RenderSentences({}, Language::kEnglish), u"");
}

// On POSIX the locale variables choose; on Windows the user's UI language does.
#ifndef _WIN32
// Sets or clears the three locale variables for one test and puts them back after it.
class LocaleEnvironment {
 public:
  LocaleEnvironment() {
    for (const char* name : kNames) {
      const char* value = std::getenv(name);
      saved_.push_back(value ? std::optional<std::string>(value) : std::nullopt);
      ::unsetenv(name);
    }
  }
  ~LocaleEnvironment() {
    for (std::size_t i = 0; i < std::size(kNames); ++i) {
      if (saved_[i]) {
        ::setenv(kNames[i], saved_[i]->c_str(), 1);
      } else {
        ::unsetenv(kNames[i]);
      }
    }
  }
  static constexpr const char* kNames[] = {"LC_ALL", "LC_MESSAGES", "LANG"};

 private:
  std::vector<std::optional<std::string>> saved_;
};

// A Japanese failure text is Japanese throughout: the reasons the file systems give are put into
// Japanese with it by their kind; English says them in English, and a reason of no known kind
// stands in the system's own words.
TEST(MessageCatalogueTest, SystemReasonsInTheLanguageOfTheText) {
  const struct {
    FileError reason;
    const char16_t* english;
    const char16_t* japanese;
  } cases[] = {
      {Failed(FileFailure::kNoSuchFile), u"No such file or directory",
       u"ファイルまたはフォルダがありません"},
      {Failed(FileFailure::kNotAFolder), u"Not a directory",
       u"パスの途中がフォルダではなくファイルです"},
      {{FileFailure::kPermissionDenied, 13, "Permission denied"},
       u"Permission denied",
       u"アクセス権がありません"},
      {{FileFailure::kInUse, 32, "The process cannot access the file"},
       u"the file is in use by another program",
       u"ほかのプログラムがファイルを使用中です"},
      {{FileFailure::kOther, 1234, "Windows error 1234"},
       u"Windows error 1234",
       u"Windows error 1234"},
  };
  for (const auto& c : cases) {
    const CatalogueMessage message = Say(MessageId::kCannotWriteFile, {ReasonOf(c.reason)});
    EXPECT_NE(Render(message, Language::kJapanese).find(c.japanese), Text::npos) << c.reason.text;
    EXPECT_NE(Render(message, Language::kEnglish).find(c.english), Text::npos) << c.reason.text;
  }
}

// Every kind of failure has words of its own in both languages, and no two kinds share them.
TEST(MessageCatalogueTest, EveryKindOfFileFailureHasItsOwnWords) {
  std::set<Text> english;
  for (int kind = 1; kind <= static_cast<int>(FileFailure::kNameNotAllowed); ++kind) {
    const CatalogueMessage words = ReasonOf({static_cast<FileFailure>(kind), 0, "system words"});
    EXPECT_NE(words.id, MessageId::kPlainText) << kind;
    EXPECT_FALSE(Render(words, Language::kJapanese).empty()) << kind;
    EXPECT_TRUE(english.insert(Render(words, Language::kEnglish)).second) << kind;
  }
}

// A parameter given as text stands as it is, in every language, whatever it says: a file or a
// name that happens to read like a reason or a unit is not translated.
TEST(MessageCatalogueTest, ATextParameterIsNeverTranslated) {
  for (const char16_t* text : {u"Permission denied", u"records", u"a counter", u"it is a folder"}) {
    const CatalogueMessage message = Say(MessageId::kPlainText, {Text(text)});
    EXPECT_EQ(Render(message, Language::kJapanese), text);
    EXPECT_EQ(Render(message, Language::kEnglish), text);
  }
  // A source file named "records" was once shown as 「レコード」.
  EXPECT_NE(Render(Say(MessageId::kSourceMissing, {u"records"}), Language::kJapanese)
                .find(u"「records」"),
            Text::npos);
}

TEST(MessageCatalogueTest, TheFirstLocaleVariableSetChoosesTheLanguage) {
  const struct {
    const char* lcAll;
    const char* lcMessages;
    const char* lang;
    Language expected;
  } cases[] = {
      {nullptr, nullptr, nullptr, Language::kEnglish},
      {nullptr, nullptr, "ja_JP.UTF-8", Language::kJapanese},
      {nullptr, nullptr, "C", Language::kEnglish},
      {nullptr, "ja_JP.UTF-8", "C", Language::kJapanese},
      {"C", "ja_JP.UTF-8", "ja_JP.UTF-8", Language::kEnglish},
      {"ja", nullptr, "en_US.UTF-8", Language::kJapanese},
      // An empty variable counts as not set.
      {"", "", "ja_JP.eucJP", Language::kJapanese},
      {nullptr, nullptr, "en_JA", Language::kEnglish},
  };
  for (const auto& c : cases) {
    LocaleEnvironment environment;
    const char* values[] = {c.lcAll, c.lcMessages, c.lang};
    for (std::size_t i = 0; i < 3; ++i) {
      if (values[i] != nullptr) ::setenv(LocaleEnvironment::kNames[i], values[i], 1);
    }
    EXPECT_EQ(UserLanguage(), c.expected)
        << (c.lcAll ? c.lcAll : "-") << " " << (c.lcMessages ? c.lcMessages : "-") << " "
        << (c.lang ? c.lang : "-");
  }
}
#endif

}  // namespace
}  // namespace gdf
