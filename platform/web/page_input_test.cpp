// The page's actions as input: form bodies decode as browsers encode them
// (and refuse what is broken), every kind of action becomes the input a
// person's own would be, in order, and what does not decode is refused
// with a reason and no input at all.
#include <gtest/gtest.h>

#include "page_input.h"

namespace plat::web {
namespace {

TEST(DecodeForm, DecodesPercentEscapesAndPlusAsSpace) {
  Fields fields;
  ASSERT_TRUE(DecodeForm("kind=text&text=a+b%E6%9D%B1%26%3D&empty=&bare", &fields));
  EXPECT_EQ(fields["kind"], "text");
  EXPECT_EQ(fields["text"], "a b\xE6\x9D\xB1&=");
  EXPECT_EQ(fields["empty"], "");
  EXPECT_EQ(fields["bare"], "");
}

TEST(DecodeForm, RefusesBrokenEscapesAndRepeatedNames) {
  Fields fields;
  for (const char* body : {"a=%E", "a=%zz", "a=%", "a=1&a=2"}) EXPECT_FALSE(DecodeForm(body, &fields)) << body;
}

const HWND kWindow = reinterpret_cast<HWND>(static_cast<intptr_t>(65540));
constexpr LPARAM kAt = MAKELPARAM(12, 34);

struct ActionCase {
  const char* name;
  Fields fields;
  std::vector<Input> input;
};

class DecodeActionTest : public ::testing::TestWithParam<ActionCase> {};

TEST_P(DecodeActionTest, GivesTheInputOfAPerson) {
  const DecodedAction action = DecodeAction(GetParam().fields);
  EXPECT_EQ(action.error, "");
  EXPECT_FALSE(action.forAdapter);
  EXPECT_EQ(action.input, GetParam().input);
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, DecodeActionTest,
    ::testing::Values(
        ActionCase{"tap",
                   {{"kind", "tap"}, {"window", "65540"}, {"x", "12"}, {"y", "34"}},
                   {{kWindow, WM_LBUTTONDOWN, MK_LBUTTON, kAt}, {kWindow, WM_LBUTTONUP, 0, kAt}}},
        ActionCase{"choose",
                   {{"kind", "choose"}, {"window", "65540"}, {"index", "3"}},
                   {{kWindow, WM_PLAT_GESTURE, kGestureChoose, 3}}},
        ActionCase{"activate",
                   {{"kind", "activate"}, {"window", "65540"}, {"index", "0"}},
                   {{kWindow, WM_PLAT_GESTURE, kGestureActivate, 0}}},
        ActionCase{"check_date",
                   {{"kind", "check-date"}, {"window", "65540"}, {"checked", "0"}},
                   {{kWindow, WM_PLAT_GESTURE, kGestureCheck, 0}}},
        ActionCase{"set_date",
                   {{"kind", "set-date"}, {"window", "65540"}, {"date", "20260507"}},
                   {{kWindow, WM_PLAT_GESTURE, kGestureSetDate, 20260507}}},
        ActionCase{"scroll",
                   {{"kind", "scroll"}, {"window", "65540"}, {"code", "page-down"}},
                   {{kWindow, WM_VSCROLL, MAKEWPARAM(SB_PAGEDOWN, 0), 0}}},
        ActionCase{"scroll_thumb",
                   {{"kind", "scroll"}, {"window", "65540"}, {"code", "thumb"}, {"pos", "7"}},
                   {{kWindow, WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 7), 0}}},
        ActionCase{"caption_ok", {{"kind", "caption-ok"}, {"window", "65540"}},
                   {{kWindow, WM_PLAT_GESTURE, kGestureCaptionOk, 0}}},
        ActionCase{"close", {{"kind", "close"}, {"window", "65540"}}, {{kWindow, WM_PLAT_GESTURE, kGestureClose, 0}}},
        ActionCase{"key", {{"kind", "key"}, {"name", "Enter"}},
                   {{nullptr, WM_KEYDOWN, VK_RETURN, 1}, {nullptr, WM_KEYUP, VK_RETURN, 1}}},
        ActionCase{"shift_tab",
                   {{"kind", "key"}, {"name", "Tab"}, {"shift", "1"}},
                   {{nullptr, WM_KEYDOWN, VK_SHIFT, 1},
                    {nullptr, WM_KEYDOWN, VK_TAB, 1},
                    {nullptr, WM_KEYUP, VK_TAB, 1},
                    {nullptr, WM_KEYUP, VK_SHIFT, 1}}},
        ActionCase{"text",
                   {{"kind", "text"}, {"text", "a\xE6\x9D\xB1\xF0\x9F\x98\x80"}},
                   {{nullptr, WM_CHAR, u'a', 1},
                    {nullptr, WM_CHAR, u'東', 1},
                    {nullptr, WM_CHAR, 0xD83D, 1},
                    {nullptr, WM_CHAR, 0xDE00, 1}}}),
    [](const auto& info) { return std::string(info.param.name); });

struct RefusedCase {
  const char* name;
  Fields fields;
};

class RefusedActionTest : public ::testing::TestWithParam<RefusedCase> {};

TEST_P(RefusedActionTest, SaysWhyAndGivesNoInput) {
  const DecodedAction action = DecodeAction(GetParam().fields);
  EXPECT_NE(action.error, "");
  EXPECT_TRUE(action.input.empty());
  EXPECT_FALSE(action.forAdapter);
}

INSTANTIATE_TEST_SUITE_P(
    Broken, RefusedActionTest,
    ::testing::Values(RefusedCase{"no_kind", {{"window", "65540"}}},
                      RefusedCase{"no_window", {{"kind", "tap"}, {"x", "1"}, {"y", "1"}}},
                      RefusedCase{"window_not_a_number", {{"kind", "close"}, {"window", "12ab"}}},
                      RefusedCase{"window_zero", {{"kind", "close"}, {"window", "0"}}},
                      RefusedCase{"tap_outside", {{"kind", "tap"}, {"window", "65540"}, {"x", "-1"}, {"y", "3"}}},
                      RefusedCase{"tap_too_far", {{"kind", "tap"}, {"window", "65540"}, {"x", "40000"}, {"y", "3"}}},
                      RefusedCase{"index_missing", {{"kind", "choose"}, {"window", "65540"}}},
                      RefusedCase{"check_two", {{"kind", "check-date"}, {"window", "65540"}, {"checked", "2"}}},
                      RefusedCase{"date_short", {{"kind", "set-date"}, {"window", "65540"}, {"date", "260507"}}},
                      RefusedCase{"scroll_sideways", {{"kind", "scroll"}, {"window", "65540"}, {"code", "left"}}},
                      RefusedCase{"thumb_without_pos", {{"kind", "scroll"}, {"window", "65540"}, {"code", "thumb"}}},
                      RefusedCase{"unknown_key", {{"kind", "key"}, {"name", "F13"}}},
                      RefusedCase{"shift_two", {{"kind", "key"}, {"name", "Tab"}, {"shift", "2"}}},
                      RefusedCase{"text_empty", {{"kind", "text"}, {"text", ""}}},
                      RefusedCase{"text_not_utf8", {{"kind", "text"}, {"text", "\xFF"}}},
                      RefusedCase{"text_with_newline", {{"kind", "text"}, {"text", "a\nb"}}},
                      RefusedCase{"text_too_long", {{"kind", "text"}, {"text", std::string(kMaxTextUnits + 1, 'x')}}},
                      RefusedCase{"adapter_kind_without_window", {{"kind", "pan"}}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DecodeAction, LeavesKindsItDoesNotKnowToTheWindowsAdapter) {
  const DecodedAction action = DecodeAction({{"kind", "zoom-in"}, {"window", "65540"}});
  EXPECT_EQ(action.error, "");
  EXPECT_TRUE(action.forAdapter);
  EXPECT_EQ(action.window, kWindow);
  EXPECT_TRUE(action.input.empty());
}

TEST(WindowIds, RoundTripAndRefuseAnythingElse) {
  EXPECT_EQ(WindowFromId(std::to_string(WindowId(kWindow))), kWindow);
  for (const char* text : {"", "-5", "0", "1x", " 1", "99999999999999999999"}) EXPECT_EQ(WindowFromId(text), nullptr) << text;
}

}  // namespace
}  // namespace plat::web
