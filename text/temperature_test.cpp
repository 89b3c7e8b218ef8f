#include "text/temperature.h"

#include <gtest/gtest.h>

namespace tarvana {
namespace {

TEST(Temperature, ConvertsBetweenTheThreeScales) {
  struct Case {
    const char* name;
    double (*convert)(double);
    double in, want;
  };
  const Case cases[] = {
      {"FahrenheitToCelsius", FahrenheitToCelsius, 212, 100},
      {"FahrenheitToCelsius", FahrenheitToCelsius, 32, 0},
      {"FahrenheitToCelsius", FahrenheitToCelsius, -40, -40},
      {"FahrenheitToKelvin", FahrenheitToKelvin, 32, 273.15},
      {"FahrenheitToKelvin", FahrenheitToKelvin, 212, 373.15},
      {"FahrenheitToKelvin", FahrenheitToKelvin, -40, 233.15},
      {"CelsiusToFahrenheit", CelsiusToFahrenheit, 100, 212},
      {"CelsiusToFahrenheit", CelsiusToFahrenheit, -40, -40},
      {"CelsiusToKelvin", CelsiusToKelvin, 0, 273.15},
      {"CelsiusToKelvin", CelsiusToKelvin, -300, -26.85},
      {"KelvinToCelsius", KelvinToCelsius, 0, -273.15},
      {"KelvinToCelsius", KelvinToCelsius, 373.15, 100},
      {"KelvinToFahrenheit", KelvinToFahrenheit, 0, -459.67},
      {"KelvinToFahrenheit", KelvinToFahrenheit, 273.15, 32},
  };
  for (const auto& c : cases)
    EXPECT_NEAR(c.convert(c.in), c.want, 1e-9) << c.name << "(" << c.in << ")";
}

}  // namespace
}  // namespace tarvana
