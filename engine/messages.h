// Texts the import shows to the user. Sources are UTF-8 and compiled with
// -fexec-charset=CP932, so these are Shift-JIS bytes at run time.
#pragma once

inline constexpr char kErrorCaption[] = "ｲﾝﾎﾟｰﾄｴﾗｰ";

// Item list conversion; the path is inserted before the suffix.
inline constexpr char kCannotOpenListSuffix[] = " が開けません。";
inline constexpr char kCannotSaveSuffix[] =
    " を保存することが出来ません。\n展開するフォルダを確認してください。";

// Tree walk
inline constexpr char kCannotOpenTree[] =
    "ﾂﾘｰﾌｧｲﾙが存在しません。もしくは開くことが出来ません";
inline constexpr char kProgressPrefix[] = "新RIVOﾌｫﾙﾀﾞにｲﾝﾎﾟｰﾄ中です。( ";
inline constexpr char kProgressSuffix[] = " % )";

// Import run
inline constexpr char kFillBothFields[] = "２つの項目を入力してください。";
inline constexpr char kRootQuestion[] = "Internet.WLS(ﾙｰﾄｱｲﾃﾑ)もｲﾝﾎﾟｰﾄしますか？";
inline constexpr char kRootQuestionCaption[] = "Internet.WLS(ﾙｰﾄｱｲﾃﾑ)のｲﾝﾎﾟｰﾄ";
inline constexpr char kFinished[] = "ｲﾝﾎﾟｰﾄ終了";
inline constexpr char kStoppedPartWay[] = "ｲﾝﾎﾟｰﾄは途中で終了しました";
inline constexpr char kStatusSuccess[] = "○ 正常終了しました。";
inline constexpr char kStatusFailure[] = "× 異常終了しました。";
