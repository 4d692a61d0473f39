// Reading the words of a scenario line.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace host {

// Splits a line into words; a word in double quotes may hold blanks (\" \\ \r \n escape).
// False when a quote is not closed.
bool SplitWords(const std::string& line, std::vector<std::string>* words);

// A decimal int (with optional sign) that fills the whole word.
bool ParseInt(const std::string& word, int* value);

// A word as a scenario line writes it: in double quotes, with \" \\ \r \n, when it is empty or
// holds blanks, quotes, backslashes, '#' or line breaks; else as it is.
std::string QuoteWord(const std::string& word);

// Copies a word (UTF-8) into a fixed GBK text field of `size` bytes, zero included; false, and
// the field unchanged, when it does not fit.
bool SetGbkText(char* field, size_t size, const std::string& utf8);
template <size_t N>
bool SetGbkText(char (&field)[N], const std::string& utf8) {
  return SetGbkText(field, N, utf8);
}

}  // namespace host
