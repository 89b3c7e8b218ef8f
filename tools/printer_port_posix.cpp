#include "tools/printer_port.h"

namespace tarvana {

const char* DefaultPrinterPort() {
  return "/dev/lp0";
}

}  // namespace tarvana
