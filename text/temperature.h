#pragma once
// Temperature conversions between the Fahrenheit, Celsius and Kelvin scales,
// in double precision and unrounded; any value is accepted, even below
// absolute zero.

namespace tarvana {

// (F - 32) / 1.8
double FahrenheitToCelsius(double fahrenheit);
// (F - 32) / 1.8 + 273.15
double FahrenheitToKelvin(double fahrenheit);
// 1.8 * C + 32
double CelsiusToFahrenheit(double celsius);
// C + 273.15
double CelsiusToKelvin(double celsius);
// K - 273.15
double KelvinToCelsius(double kelvin);
// (K - 273.15) * 1.8 + 32
double KelvinToFahrenheit(double kelvin);

}  // namespace tarvana
