#pragma once
// What the modern layer keeps on the screen, in the order it was opened. When
// the screen changes size with the terminal, each is put away from the top
// down, the screen takes its new size, and each is placed and drawn again
// from the bottom up, so that centred boxes stay centred and what lay under
// them comes back right when they close.

namespace tarvana::ui::internal {

class Layer {
 public:
  Layer(const Layer&) = delete;
  Layer& operator=(const Layer&) = delete;

 protected:
  Layer() = default;
  // Leaves the stack: a derived destructor calls it before it puts back the
  // screen, so that no size change reaches a layer half destroyed.
  ~Layer();
  // Joins the stack on top: called once the layer is drawn, as the last step
  // of opening it.
  void Follow();
  void StopFollowing();
  // False while a size change has left the layer off the screen: there is
  // then nothing of it to put back.
  bool Shown() const { return shown_; }

 private:
  friend struct LayerStack;
  // Puts back what lay under the layer where it was placed.
  virtual void Hide() = 0;
  // Places the layer on the screen as it is now (centred again where it was
  // centred), keeps what lies under it and draws it. Throws
  // std::invalid_argument when it no longer fits; it is then left off the
  // screen until a later size lets it show again.
  virtual void Show() = 0;
  bool following_ = false;
  bool shown_ = true;
};

}  // namespace tarvana::ui::internal
