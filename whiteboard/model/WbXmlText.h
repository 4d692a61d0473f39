// Small pieces shared by the page and object XML writers and readers.
#pragma once

#include "platform/CString.h"

struct XmlElement;

// text with XML's special characters (" & ' < >) replaced by entities, for an attribute value
// written between double quotes; "" for NULL. The readers get the text back unescaped.
CString EscapeXmlAttribute(const char* text);

// The value of the attribute `name` of element, NULL when it has none.
const char* XmlAttributeText(XmlElement* element, const char* name);

// A decimal integer at the start of text (after blanks); 0 when there is none, clamped to the
// int range.
int ReadXmlDecimal(const char* text);
