// Small helpers shared by the page and object XML writers and readers.
#pragma once

#include "platform/CString.h"

struct XmlElement;

// GBK text as UTF-8 with XML's special characters (" & ' < >) replaced by entities and control
// characters by "?", for an attribute value written between double quotes; "" for NULL. The
// readers get the text back unescaped (ids back in GBK, CopyXmlId).
CString EscapeXmlAttribute(const char* text);

// The value of the attribute `name` of element, NULL when it has none.
const char* XmlAttributeText(XmlElement* element, const char* name);

// Copies the element's "id" into dest[destSize] as GBK, the module's text encoding: the parsed
// tree holds UTF-8, and a GBK id cut to the field never ends in half a character, so a page
// written again loads again. A character GBK lacks becomes "?" for each of its bytes.
// FALSE (dest untouched) without an id.
bool CopyXmlId(XmlElement* element, char* dest, size_t destSize);

// A decimal integer at the start of text (after blanks); 0 when there is none, clamped to the
// int range.
int ReadXmlDecimal(const char* text);
