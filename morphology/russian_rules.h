#pragma once
#include <span>

#include "morphology/ending_rule.h"

namespace lexorin {

// The Russian ending-replacement rules, in the order in which they are tried
// (rule n is element n - 1).
std::span<const EndingRule> RussianRules();

}  // namespace lexorin
