#pragma once

#include <cstdio>
#include <initializer_list>
#include <string>

#include "values/text.h"

namespace quorvella {

// A text as the terminal shows it: in the locale's encoding, line breaks as "\n".
std::string ForTerminal(const Text& text);

// Prints `parts` one after another and a line end on `stream`.
void PrintLine(std::FILE* stream, std::initializer_list<std::string> parts);

}  // namespace quorvella
