#include "tools/printer_port.h"

namespace tarvana {

// The DOS device name that Windows keeps for the default printer port.
const char* DefaultPrinterPort() {
  return "PRN";
}

}  // namespace tarvana
