// Reading the words of a scenario line.
#pragma once

#include <string>
#include <vector>

namespace host {

// A decimal int (with optional sign) that fills the whole word.
bool ParseInt(const std::string& word, int* value);

// A word as a scenario line writes it: in double quotes, with \" \\ \r \n, when it is empty or
// holds blanks, quotes, backslashes, '#' or line breaks; else as it is.
std::string QuoteWord(const std::string& word);

}  // namespace host
