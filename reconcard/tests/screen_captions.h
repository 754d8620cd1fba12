// The captions by which the card plug-in's tests find its screens, whether
// the host or the test process runs them.
#pragma once

namespace reconcard_test {

inline constexpr char16_t kPickCaption[] = u"踏査点を指示してください。";
inline constexpr char16_t kListCaption[] = u"現地踏査情報一覧";
inline constexpr char16_t kNewCoordCaption[] = u"新規座標を指示";
inline constexpr char16_t kPosCheckCaption[] = u"位置を確認してください。";
inline constexpr char16_t kKnownCardCaption[] = u"既知点踏査カード";

}  // namespace reconcard_test
