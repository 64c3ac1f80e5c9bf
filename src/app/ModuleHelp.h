#pragma once
// The text of `sorvex-module --help`: how the launch line is written.

#include <string>

std::string moduleHelpText();
