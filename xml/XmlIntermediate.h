// Library-internal: the expat callbacks that build the intermediate tree. Elements carry their
// name, attributes and document ordinals; every piece of character data that expat reports becomes
// an older-form text node of kind 1 with its own ordinal.
#pragma once

#include <expat.h>

#include "xml/XmlTree.h"

struct XmlIntermediateBuilder {
  XML_Parser parser;
  XmlElement* root;
  XmlElement* current;
  bool failed;  // out of memory: the parser was stopped
};

// Makes the builder the parser's user data and installs its callbacks.
void XmlIntermediateInstall(XML_Parser parser, XmlIntermediateBuilder* builder);
void XMLCALL XmlIntermediateStart(void* builder, const XML_Char* name, const XML_Char** attributes);
