// CTagReader: a small reader of tagged text such as <a x="1"><b y='2' z=3/></a>. It parses a
// copy of the text into elements with attributes and walks them with a cursor. Text content,
// comments, processing instructions and declarations are skipped; entities are not decoded.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "platform/Win32Types.h"

class CTagReader {
 public:
  // Parses a copy of text and puts the cursor on the first top-level element. FALSE (and no
  // elements) when the text is NULL, has no element, or its tags do not nest properly.
  BOOL LoadText(const char* text);
  // Moves to the first element named name at or after the cursor on its level.
  BOOL FindTag(const char* name);
  // Moves to the first child; the cursor stays when there is none.
  BOOL EnterTag();
  // Moves to the next sibling; the cursor stays when there is none.
  BOOL NextTag();
  // Moves to the parent (a top-level element keeps the cursor).
  void LeaveTag();
  // Copies the attribute's value into out[outSize], cut without splitting a double-byte
  // character; "" and FALSE when the cursor's element lacks it.
  BOOL GetTagAttribute(const char* name, char* out, int outSize);

 private:
  struct Element {
    std::string name;
    std::vector<std::pair<std::string, std::string>> attributes;
    int parent = -1;
    int firstChild = -1;
    int nextSibling = -1;
  };
  class Parser;

  std::vector<Element> m_elements;
  int m_iCursor = -1;
};
