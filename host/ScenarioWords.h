// Reading the words of a scenario line.
#pragma once

#include <string>
#include <vector>

namespace host {

// A decimal int (with optional sign) that fills the whole word.
bool ParseInt(const std::string& word, int* value);

}  // namespace host
