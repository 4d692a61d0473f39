// Library-internal: where a text declares its encoding.
#pragma once

#include <cstddef>

// Locates the value of the first "encoding=" in text[0, length): it runs from the second
// character after "=" up to the second double quote counted from "=". Only double quotes
// delimit it, so encoding='gbk' and encoding= "gbk" are not recognised. Answers false when
// "encoding=" is absent or its value is not closed within the text.
bool XmlFindDeclaredEncoding(const char* text, size_t length, size_t* start, size_t* end);

// One pass over a NUL-terminated text: answers its length and puts its first "encoding=" (or
// NULL) in *key.
size_t XmlMeasureText(const char* text, const char** key);
// XmlFindDeclaredEncoding with the first "encoding=" of text[0, length) already found (NULL: none).
bool XmlDeclaredEncodingAt(const char* text, size_t length, const char* key, size_t* start, size_t* end);
