#pragma once
// The system's printer device, where printer output goes unless a file is
// named: one definition per platform (printer_port_posix.cpp,
// printer_port_windows.cpp).

namespace tarvana {

const char* DefaultPrinterPort();

}  // namespace tarvana
