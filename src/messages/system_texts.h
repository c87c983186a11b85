// system_texts.h - The system's own texts: status line, message boxes and the question, exactly as
// the users know them.
#pragma once

namespace gdf::messages {

/// Status line while a run converts (the two sentences are separated by U+3000).
inline constexpr char16_t kConverting[] = u"只今変換中！　しばらくお待ちください。";
/// Status line after a run that ended normally.
inline constexpr char16_t kCompleted[] = u"変換が正常に終了しました。";
/// The target path is not acceptable.
inline constexpr char16_t kInvalidPath[] = u"指定されたパスは正しくありません。";
/// No source data file has been chosen, or it does not exist.
inline constexpr char16_t kNoSourceFile[] = u"変換元ファイルが選択されていません。";
/// A level of the target folder is missing.
inline constexpr char16_t kCreateFolder[] = u"フォルダがありません。新規作成しますか？";
/// The path does not begin with a drive letter and a colon.
inline constexpr char16_t kBadDrive[] =
    u"規定値のドライブ名が正しくありません。ドライブ名は１文字のアルファベットと \":\" でなけ"
    u"ればいけません。  例 \"C:\", \"D:\"...";
/// There is no usable pattern-data folder setting.
inline constexpr char16_t kNoSetting[] = u" VIRIZU の設定がありません.";

}  // namespace gdf::messages
