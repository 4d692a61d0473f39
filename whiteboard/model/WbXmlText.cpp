#include "whiteboard/model/WbXmlText.h"

#include <climits>
#include <cstdlib>
#include <string>

#include "platform/Charset.h"
#include "platform/Mbcs.h"

#include "xml/XmlText.h"
#include "xml/XmlTree.h"

CString EscapeXmlAttribute(const char* text) {
  // The module's texts are GBK; the page XML is UTF-8, where control characters may not stand.
  std::string utf8 = charset::GbkToUtf8(text ? text : "");
  for (char& ch : utf8)
    if ((unsigned char)ch < 0x20) ch = '?';
  XmlStringBuilder builder;
  XmlStringBuilderInit(&builder);
  XmlStringBuilderAppendEscaped(utf8.c_str(), &builder);
  CString escaped(builder.start, (int)XmlStringBuilderLength(&builder));
  XmlStringBuilderFree(&builder);
  return escaped;
}

const char* XmlAttributeText(XmlElement* element, const char* name) {
  return XmlAttributeValue(XmlFindAttribute(XmlFirstAttribute(element), name));
}

bool CopyXmlId(XmlElement* element, char* dest, size_t destSize) {
  const char* id = XmlAttributeText(element, "id");
  if (!id) return false;
  mbcs::CopyLimited(dest, destSize, charset::Utf8ToGbk(id).c_str());
  return true;
}

int ReadXmlDecimal(const char* text) {
  if (!text) return 0;
  long long value = strtoll(text, nullptr, 10);
  if (value > INT_MAX) return INT_MAX;
  if (value < INT_MIN) return INT_MIN;
  return (int)value;
}
