// The program's own texts as the user sees them (Shift-JIS bytes at run time,
// as this file is compiled with -fexec-charset=CP932).
#pragma once

#include <string>

inline constexpr char kVersionText[] = "RUZOziv Ver 2.0.0.6";
inline constexpr char kErrorCaption[] = "ｲﾝﾎﾟｰﾄｴﾗｰ";
inline constexpr char kFillBothFields[] = "２つの項目を入力してください。";
inline constexpr char kRootQuestion[] = "Internet.WLS(ﾙｰﾄｱｲﾃﾑ)もｲﾝﾎﾟｰﾄしますか？";
inline constexpr char kRootQuestionCaption[] = "Internet.WLS(ﾙｰﾄｱｲﾃﾑ)のｲﾝﾎﾟｰﾄ";
inline constexpr char kFinished[] = "ｲﾝﾎﾟｰﾄ終了";
inline constexpr char kStoppedPartWay[] = "ｲﾝﾎﾟｰﾄは途中で終了しました";
inline constexpr char kStatusSuccess[] = "○ 正常終了しました。";
inline constexpr char kStatusFailure[] = "× 異常終了しました。";
inline constexpr char kCannotOpenSuffix[] = " が開けません。";
inline constexpr char kOptionsCaption[] = "詳細設定";
inline constexpr char kTreeFileDialogTitle[] = "ﾂﾘｰﾌｧｲﾙを開く";
inline constexpr char kFolderPickerText[] = "フォルダを選択してください";

// The progress text after a share of the tree's lines.
inline std::string ProgressText(int percent)
{
    return "新RIVOﾌｫﾙﾀﾞにｲﾝﾎﾟｰﾄ中です。( " + std::to_string(percent) + " % )";
}
