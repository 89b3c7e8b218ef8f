// Picks a file (opening folders on the way) and shows it, until Esc.
#include <filesystem>

#include <tarvana/tarvana.h>

int main(int argc, char** argv) {
  using namespace tarvana;
  Session session;
  const std::filesystem::path folder = argc > 1 ? argv[1] : ".";
  while (const auto file = ui::PickFile(folder, {.title = "Pick a file to view"})) {
    if (!ui::ViewTextFile(*file))
      ui::ShowMessage("There is nothing to show in " + file->filename().string() + ".");
  }
}
