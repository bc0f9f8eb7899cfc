// Where random values come from. The model only asks for the next draw; the
// generator with its fixed rule belongs to execution and is handed in, so
// two generators never share state and a test pins its own seed.
#ifndef QUOVADRIN_MODEL_RANDOM_SOURCE_H
#define QUOVADRIN_MODEL_RANDOM_SOURCE_H

class RandomSource {
public:
  virtual ~RandomSource() = default;
  /// One draw, 0 to 32767.
  virtual int nextRandom() = 0;
};

#endif
