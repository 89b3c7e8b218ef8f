#include "text/temperature.h"

namespace tarvana {

double FahrenheitToCelsius(double fahrenheit) {
  return (fahrenheit - 32) / 1.8;
}

double FahrenheitToKelvin(double fahrenheit) {
  return (fahrenheit - 32) / 1.8 + 273.15;
}

double CelsiusToFahrenheit(double celsius) {
  return 1.8 * celsius + 32;
}

double CelsiusToKelvin(double celsius) {
  return celsius + 273.15;
}

double KelvinToCelsius(double kelvin) {
  return kelvin - 273.15;
}

double KelvinToFahrenheit(double kelvin) {
  return (kelvin - 273.15) * 1.8 + 32;
}

}  // namespace tarvana
