// The one-field input box answers alike on both backends: what the user typed
// on OK, the value untouched on Cancel, never more than the field takes.
#include <gtest/gtest.h>
#include "Backend.h"

namespace hd::contract {

TEST(InputQueryContract, OkGivesTheTypedTextOverTheFieldsOwn) {
  auto backend = MakeBackend();
  std::string value = "old word";
  backend->AnswerInputQuery("new word");
  EXPECT_TRUE(backend->platform().forms.InputQuery("Add word", "Type a word", value, InputEcho::AsTyped));
  EXPECT_EQ(value, "new word");
  const SeenInputQuery seen = backend->LastInputQuery();
  EXPECT_EQ(seen.caption, "Add word");
  EXPECT_EQ(seen.prompt, "Type a word");
  EXPECT_EQ(seen.initial, "old word");
  EXPECT_FALSE(seen.stars);
}

TEST(InputQueryContract, StarsHideTheTextOnlyOnScreen) {
  auto backend = MakeBackend();
  std::string value;
  backend->AnswerInputQuery("Se cr3t!");
  EXPECT_TRUE(backend->platform().forms.InputQuery("Access", "Type password", value, InputEcho::Stars));
  EXPECT_EQ(value, "Se cr3t!");
  EXPECT_TRUE(backend->LastInputQuery().stars);
}

TEST(InputQueryContract, CancelLeavesTheValueAlone) {
  auto backend = MakeBackend();
  std::string value = "kept";
  backend->AnswerInputQuery(std::nullopt);
  EXPECT_FALSE(backend->platform().forms.InputQuery("Edit word", "Type a word", value, InputEcho::AsTyped));
  EXPECT_EQ(value, "kept");
  EXPECT_EQ(backend->LastInputQuery().caption, "Edit word") << "the box was shown";
}

TEST(InputQueryContract, TheFieldTakesNoMoreThanItsLimit) {
  auto backend = MakeBackend();
  std::string value;
  const std::string typed = std::string(kInputQueryMaxLength, 'a') + "bcdef";
  backend->AnswerInputQuery(typed);
  EXPECT_TRUE(backend->platform().forms.InputQuery("Add word", "Type a word", value, InputEcho::AsTyped));
  EXPECT_EQ(value, std::string(kInputQueryMaxLength, 'a'));
}

}  // namespace hd::contract
