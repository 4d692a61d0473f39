// The XML document library: element trees, object nodes, parsing and writing.
#pragma once

#include "xml/XmlNode.h"
#include "xml/XmlParse.h"
#include "xml/XmlRecordList.h"
#include "xml/XmlSchema.h"
#include "xml/XmlText.h"
#include "xml/XmlTree.h"
