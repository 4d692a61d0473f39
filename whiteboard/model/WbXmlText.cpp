#include "whiteboard/model/WbXmlText.h"

#include <climits>
#include <cstdlib>
#include <string>

#include "platform/Charset.h"
#include "platform/Mbcs.h"

#include "xml/XmlText.h"
#include "xml/XmlTree.h"

CString EscapeXmlAttribute(const char* text) {
  XmlStringBuilder builder;
  XmlStringBuilderInit(&builder);
  XmlStringBuilderAppendEscaped(text, &builder);
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
