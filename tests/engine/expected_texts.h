// The program's texts as the user must see them, written out here on their
// own so that a changed text in the engine shows up as a failure.
#pragma once

#include <string>

inline const std::string kExpectErrorCaption = "ｲﾝﾎﾟｰﾄｴﾗｰ";

inline std::string CannotOpenList(const std::string& listPath)
{
    return listPath + " が開けません。";
}

inline std::string CannotSave(const std::string& datPath)
{
    return datPath + " を保存することが出来ません。\n展開するフォルダを確認してください。";
}

inline const std::string kExpectCannotOpenTree = "ﾂﾘｰﾌｧｲﾙが存在しません。もしくは開くことが出来ません";

inline std::string Progress(int percent)
{
    return "新RIVOﾌｫﾙﾀﾞにｲﾝﾎﾟｰﾄ中です。( " + std::to_string(percent) + " % )";
}

inline const std::string kExpectFillBoth = "２つの項目を入力してください。";
inline const std::string kExpectRootQuestion = "Internet.WLS(ﾙｰﾄｱｲﾃﾑ)もｲﾝﾎﾟｰﾄしますか？";
inline const std::string kExpectRootCaption = "Internet.WLS(ﾙｰﾄｱｲﾃﾑ)のｲﾝﾎﾟｰﾄ";
inline const std::string kExpectFinished = "ｲﾝﾎﾟｰﾄ終了";
inline const std::string kExpectStopped = "ｲﾝﾎﾟｰﾄは途中で終了しました";
inline const std::string kExpectStatusSuccess = "○ 正常終了しました。";
inline const std::string kExpectStatusFailure = "× 異常終了しました。";
