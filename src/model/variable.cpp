// Variables: a value and the name the sentences show.
#include "model/variable.h"

#include "model/text_format.h"
#include "model/text_scan.h"

Variable::Variable(int32_t Number) : Value(Number), Name(formatText("%i", Number)) {}

Variable::Variable(const char *Text)
    : Value(Text ? readInteger(Text, NumberBase::Decimal) : 0), Name(Text ? Text : "") {}

Variable::Variable() : Value(0) {}

Variable::~Variable() = default;
