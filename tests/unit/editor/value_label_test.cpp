// The texts a value Label composes: its Variable's name with the operand or
// the value, without a length limit, and a new revision for each new text,
// which tells the window that the Label looks different.
#include <gtest/gtest.h>

#include "editor/value_label.h"
#include "model/variable.h"

TEST(ValueLabel, TextsFollowOperandAndValue) {
  Variable Target(0), Operand("1"), Count(10), CountOperand("10");
  Target.setName("h");
  ValueLabel VModel(PickName::FieldH, "V", &Target, &Operand);
  EXPECT_EQ(VModel.text(), "h=1"); // the Label's own name is never shown
  const unsigned Shown = VModel.revision();
  Target.setValue(18);
  VModel.showValue();
  EXPECT_EQ(VModel.text(), "h=18");
  Operand.setName("-12345678901");
  VModel.showOperand();
  EXPECT_EQ(VModel.text(), "h=-12345678901"); // no length limit
  EXPECT_EQ(VModel.revision(), Shown + 2) << "each new text asks for a new picture";

  ValueLabel C(PickName::Count, "c", &Count, &CountOperand);
  EXPECT_EQ(C.text(), "10");
  Count.setValue(7);
  C.showValue();
  EXPECT_EQ(C.text(), "7");
  C.setOperand(&Target);
  C.setTarget(&Operand);
  C.showOperand();
  EXPECT_EQ(C.text(), "h");
  EXPECT_EQ(C.target(), &Operand);
}
