// message_catalogue.h - Every text of the program's own, in Japanese and in English, and how a
// message is rendered in either.
//
// The core says what happened as a message id with its parameters (a CatalogueMessage); a front
// end renders it in its language. The system's own texts (system_texts.h) are in the catalogue
// too, the same in both languages, so that a front end can print them first and the program's
// explanation after them.
//
// A template names its parameters {1} to {9}. "{1?file|files}" picks the first word when
// parameter 1 is "1" and the second otherwise, for counts in English; the Japanese template of
// the same message names the same parameters. A parameter is a text, shown as it stands, or a
// message of its own (a reason, a unit), shown in the language of the message that holds it.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

#include "messages/message_ids.h"
#include "platform/file_error.h"
#include "text/text.h"

namespace gdf {

/// The language a front end speaks.
enum class Language { kJapanese, kEnglish };

/// A message of the catalogue with its parameters: what the core reports.
struct CatalogueMessage;

/// A parameter of a message: a text that stands as it is given, the same in every language, or a
/// message of the catalogue, rendered in the language of the message that holds it.
struct MessageArg {
  MessageArg(Text text);                 // NOLINT(google-explicit-constructor)
  MessageArg(const char16_t* text);      // NOLINT(google-explicit-constructor)
  MessageArg(CatalogueMessage message);  // NOLINT(google-explicit-constructor)

  Text text;                             ///< the text, when it is one
  std::vector<CatalogueMessage> nested;  ///< the message, when it is one (one element)

  bool operator==(const MessageArg&) const;
};

/// A message of the catalogue with its parameters: what the core reports.
struct CatalogueMessage {
  MessageId id = MessageId::kPlainText;  ///< which message
  std::vector<MessageArg> args;          ///< its parameters, {1} first

  CatalogueMessage() = default;
  CatalogueMessage(MessageId message, std::vector<MessageArg> parameters)
      : id(message), args(std::move(parameters)) {}
  CatalogueMessage(MessageId message, const std::vector<Text>& parameters)
      : id(message), args(parameters.begin(), parameters.end()) {}
  /// A text that has no message of its own: the same in both languages.
  CatalogueMessage(Text text)  // NOLINT(google-explicit-constructor)
      : id(MessageId::kPlainText), args{MessageArg(std::move(text))} {}
  CatalogueMessage(const char16_t* text) : CatalogueMessage(Text(text)) {}  // NOLINT

  bool operator==(const CatalogueMessage&) const = default;
};

inline MessageArg::MessageArg(Text value) : text(std::move(value)) {}
inline MessageArg::MessageArg(const char16_t* value) : text(value) {}
inline MessageArg::MessageArg(CatalogueMessage message) : nested{std::move(message)} {}
inline bool MessageArg::operator==(const MessageArg& other) const {
  return text == other.text && nested == other.nested;
}

/// A message with its parameters.
CatalogueMessage Say(MessageId id, std::initializer_list<MessageArg> args = {});
/// A count as a parameter.
Text Count(std::int64_t number);
/// Why a file operation failed, in the words of the catalogue; a failure of no known kind in
/// the system's own words.
CatalogueMessage ReasonOf(const FileError& error);

/// The template of a message in a language.
TextView Template(MessageId id, Language language);
/// A message rendered in a language.
Text Render(const CatalogueMessage& message, Language language);
/// Messages rendered as one text, sentence after sentence.
Text RenderSentences(const std::vector<CatalogueMessage>& messages, Language language);
/// Messages rendered one to a line.
Text RenderLines(const std::vector<CatalogueMessage>& messages, Language language);

/// The language of a language tag: Japanese for a tag that begins with "ja", else English.
Language LanguageOfTag(std::string_view tag);
/// The language of the user of this process (the platform's own setting).
Language UserLanguage();

}  // namespace gdf
