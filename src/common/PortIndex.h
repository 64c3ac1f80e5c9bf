#pragma once
// The port of a row of a table indexed by port: the index suffix ".5" of a walked row.

#include <string_view>

// The port number 1 ... portCount of a one-arc index ".P"; 0 for any other index.
int PortOfIndex(std::string_view index, int portCount);
