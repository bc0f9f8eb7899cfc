// The fifteen-command example algorithm appended at start-up.
#include "exec/example_algorithm.h"

#include "exec/variable_set.h"
#include "model/algorithm.h"

void appendExampleBlock(Algorithm &Target, const VariableSet &Vars) {
  Variable *Max = &Vars.max();
  Variable *Min = &Vars.min();
  Target.appendRepeatStart(20);
  Target.appendArithmetic(Max, ArithmeticOp::Give, 18);
  Target.appendArithmetic(Min, ArithmeticOp::Give, 8);
  Target.appendRandom(&Vars.x(), Max, Min);
  Target.appendRandom(&Vars.y(), Max, Min);
  Target.appendArithmetic(Max, ArithmeticOp::Give, 10);
  Target.appendArithmetic(Min, ArithmeticOp::Give, -10);
  Target.appendRandom(&Vars.h(), Max, Min);
  Target.appendRandom(&Vars.v(), Max, Min);
  Target.appendArithmetic(Max, ArithmeticOp::Give, 5);
  Target.appendArithmetic(Min, ArithmeticOp::Give, 1);
  Target.appendRandom(&Vars.dx(), Max, Min);
  Target.appendRandom(&Vars.dy(), Max, Min);
  Target.appendDraw(static_cast<int>(ShapeKind::Square));
  Target.appendRepeatEnd();
}
