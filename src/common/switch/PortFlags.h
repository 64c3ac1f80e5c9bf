#pragma once

#include <vector>

// One entry per port, element p - 1 for port p (its size is the port count N). 1 marks a
// selected port; some pages keep other per-port values in the same shape.
using PortFlags = std::vector<int>;
