// The fifteen-command example algorithm appended at start-up.
#include "app/example_algorithm.h"

#include "app/app_state.h"
#include "model/algorithm.h"

void appendExampleBlock(Algorithm &Target) {
  Target.appendRepeatStart(20);
  Target.appendArithmetic(app.max, ArithmeticOp::Give, 18);
  Target.appendArithmetic(app.min, ArithmeticOp::Give, 8);
  Target.appendRandom(app.x, app.max, app.min);
  Target.appendRandom(app.y, app.max, app.min);
  Target.appendArithmetic(app.max, ArithmeticOp::Give, 10);
  Target.appendArithmetic(app.min, ArithmeticOp::Give, -10);
  Target.appendRandom(app.h, app.max, app.min);
  Target.appendRandom(app.v, app.max, app.min);
  Target.appendArithmetic(app.max, ArithmeticOp::Give, 5);
  Target.appendArithmetic(app.min, ArithmeticOp::Give, 1);
  Target.appendRandom(app.dx, app.max, app.min);
  Target.appendRandom(app.dy, app.max, app.min);
  Target.appendDraw(static_cast<int>(ShapeKind::Square));
  Target.appendRepeatEnd();
}
