// message_catalogue.cpp - A message looked up in the catalogue and rendered in a language. The
// texts are those of src/messages/texts/ and src/messages/help/, which tools/gen_catalogue.py
// compiles into catalogue_texts.inc.
#include "messages/message_catalogue.h"

#include <iterator>
#include <span>
#include <string>

#include "messages/system_texts.h"
#include "platform/file_system.h"
#include "platform/host.h"

namespace gdf {
namespace {

// One message of the catalogue in both languages.
struct CatalogueEntry {
  MessageId id;
  const char16_t* japanese;
  const char16_t* english;
};

#include "messages/catalogue_texts.inc"

// The system's own texts, the same in both languages.
constexpr CatalogueEntry kSystemTexts[] = {
    {MessageId::kConverting, messages::kConverting, messages::kConverting},
    {MessageId::kCompleted, messages::kCompleted, messages::kCompleted},
    {MessageId::kInvalidPath, messages::kInvalidPath, messages::kInvalidPath},
    {MessageId::kNoSourceFile, messages::kNoSourceFile, messages::kNoSourceFile},
    {MessageId::kCreateFolder, messages::kCreateFolder, messages::kCreateFolder},
    {MessageId::kBadDrive, messages::kBadDrive, messages::kBadDrive},
    {MessageId::kNoSetting, messages::kNoSetting, messages::kNoSetting},
};

// Every message's entry, by id; an id without an entry has none.
const std::vector<const CatalogueEntry*>& EntriesById() {
  static const std::vector<const CatalogueEntry*> byId = [] {
    std::vector<const CatalogueEntry*> table(static_cast<std::size_t>(MessageId::kCount));
    for (const auto& texts :
         {std::span<const CatalogueEntry>(kSystemTexts), std::span<const CatalogueEntry>(kTexts)}) {
      for (const CatalogueEntry& entry : texts) table[static_cast<std::size_t>(entry.id)] = &entry;
    }
    return table;
  }();
  return byId;
}

constexpr MessageId kFailureWords[] = {
    MessageId::kPlainText,  // FileFailure::kOther: the system's own words
    MessageId::kFileNoSuchFile,
    MessageId::kFileNoSuchFolder,
    MessageId::kFileNotAFolder,
    MessageId::kFileIsAFolder,
    MessageId::kFileExists,
    MessageId::kFileNoSuchDrive,
    MessageId::kFilePermissionDenied,
    MessageId::kFileAccessDenied,
    MessageId::kFileReadOnlyDrive,
    MessageId::kFileWriteProtected,
    MessageId::kFileDiskFull,
    MessageId::kFileQuotaExceeded,
    MessageId::kFileBeyondSizeLimit,
    MessageId::kFileInputOutput,
    MessageId::kFileBusy,
    MessageId::kFileTooManyOpenFiles,
    MessageId::kFileFolderNotEmpty,
    MessageId::kFileInUse,
    MessageId::kFileDriveNotReady,
    MessageId::kFileNameNotAllowed,
};
static_assert(std::size(kFailureWords) ==
                  static_cast<std::size_t>(FileFailure::kNameNotAllowed) + 1,
              "every kind of file failure has its words");

}  // namespace

CatalogueMessage Say(MessageId id, std::initializer_list<MessageArg> args) {
  return CatalogueMessage{id, std::vector<MessageArg>(args)};
}

CatalogueMessage ReasonOf(const FileError& error) {
  if (error.kind == FileFailure::kOther) return CatalogueMessage(FromUtf8(error.text));
  return Say(kFailureWords[static_cast<std::size_t>(error.kind)]);
}

Text Count(std::int64_t number) { return FromAscii(std::to_string(number)); }

TextView Template(MessageId id, Language language) {
  const auto index = static_cast<std::size_t>(id);
  const CatalogueEntry* entry = index < EntriesById().size() ? EntriesById()[index] : nullptr;
  if (entry == nullptr) return {};
  return language == Language::kJapanese ? entry->japanese : entry->english;
}

Text Render(const CatalogueMessage& message, Language language) {
  const TextView pattern = Template(message.id, language);
  Text out;
  out.reserve(pattern.size() + 32);
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    const char16_t c = pattern[i];
    const bool placeholder =
        c == u'{' && i + 2 < pattern.size() && pattern[i + 1] >= u'1' && pattern[i + 1] <= u'9';
    if (!placeholder) {
      out.push_back(c);
      continue;
    }
    const std::size_t index = static_cast<std::size_t>(pattern[i + 1] - u'1');
    const MessageArg* arg = index < message.args.size() ? &message.args[index] : nullptr;
    const std::size_t close = pattern.find(u'}', i);
    if (close == TextView::npos) {
      out.push_back(c);
      continue;
    }
    if (pattern[i + 2] == u'?') {
      // "{n?one|many}": the word for the count.
      const TextView words = pattern.substr(i + 3, close - i - 3);
      const std::size_t bar = words.find(u'|');
      out += arg != nullptr && arg->text == u"1" ? words.substr(0, bar) : words.substr(bar + 1);
    } else if (arg != nullptr) {
      out += arg->nested.empty() ? arg->text : Render(arg->nested.front(), language);
    }
    i = close;
  }
  return out;
}

Text RenderSentences(const std::vector<CatalogueMessage>& messages, Language language) {
  Text out;
  for (const CatalogueMessage& message : messages) {
    // Japanese sentences end in "。" and follow one another without a blank.
    if (!out.empty() && language == Language::kEnglish) out.push_back(u' ');
    out += Render(message, language);
  }
  return out;
}

Text RenderLines(const std::vector<CatalogueMessage>& messages, Language language) {
  Text out;
  for (const CatalogueMessage& message : messages) {
    if (!out.empty()) out.push_back(u'\n');
    out += Render(message, language);
  }
  return out;
}

Language LanguageOfTag(std::string_view tag) {
  return tag.substr(0, 2) == "ja" ? Language::kJapanese : Language::kEnglish;
}

Language UserLanguage() { return LanguageOfTag(UserLanguageTag()); }

}  // namespace gdf
