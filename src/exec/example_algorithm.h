// The example block every start shows: a loop of 20 passes that places a
// square of random size at a random place.
#ifndef QUOVADRIN_EXEC_EXAMPLE_ALGORITHM_H
#define QUOVADRIN_EXEC_EXAMPLE_ALGORITHM_H

class Algorithm;
class VariableSet;

/// Appends the fifteen commands of the example to \p Target, with the user
/// Variables of \p Vars as operands.
void appendExampleBlock(Algorithm &Target, const VariableSet &Vars);

#endif
