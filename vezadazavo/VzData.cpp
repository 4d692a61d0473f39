// The library's current data set.
#include "vezadazavo/VezadaZavo.h"

namespace {

VzDataSet& Current() {
  static VzDataSet data = VzDefaultDataSet();
  return data;
}

}  // namespace

void VzSetDataSet(const VzDataSet& data) { Current() = data; }
VzDataSet& VzData() { return Current(); }
