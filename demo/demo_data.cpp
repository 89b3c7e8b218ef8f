#include "demo/demo.h"

namespace tarvana::demo {

DemoData MakeDemoData() {
  DemoData data;
  data.animals = BasedArray<std::string>(
      1, {"Elephant",   "Cow",    "Pig",       "Horse",   "Hippopotamus", "Giraffe",  "Beaver",
          "Woodpecker", "Cat",    "Dog",       "Lion",    "Tiger",        "Panther",  "Rhinocerous",
          "Leopard",    "Cougar", "Wolverine", "Otter",   "Wildebeast",   "Antelope", "Gazelle",
          "Squirrel",   "Hawk",   "Eagle",     "Ocelot",  "Chipmunk",     "Fox",      "Weasel",
          "Lizard",     "Goat",   "Falcon",    "Chicken", "Sheep",        "Aardvark", "Toucan",
          "Kiwi",       "Gnu",    "Shark",     "Whale",   "Dolphin",      "Hamster",  "Mouse",
          "Rat",        "Ferret", "Guinea Pig"});
  data.picked = BasedArray<std::int16_t>(1, 45);
  return data;
}

}  // namespace tarvana::demo
