// The example block every start shows: a loop of 20 passes that places a
// square of random size at a random place.
#ifndef QUOVADRIN_APP_EXAMPLE_ALGORITHM_H
#define QUOVADRIN_APP_EXAMPLE_ALGORITHM_H

class Algorithm;

/// Appends the fifteen commands of the example to \p Target, using the
/// AppState Variables as operands.
void appendExampleBlock(Algorithm &Target);

#endif
