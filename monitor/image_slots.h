#pragma once
// The gauges are made only of pre-drawn images placed in fixed slots. The
// gauge logic decides which slot shows which image; a view realises the
// slots (labels on a window) and tests record what was asked of them.

struct SlotPoint {
    int x = 0;
    int y = 0;
};

class ImageSlots {
  public:
    virtual ~ImageSlots() = default;
    // Shows image imageId in the slot (replacing any image it had).
    virtual void Show(int slot, int imageId) = 0;
    virtual void Hide(int slot) = 0;
    // Puts the slot's top-left corner at the point (client pixels). A voltage
    // bar keeps its bottom edge: moving its top makes it taller or shorter.
    virtual void Move(int slot, SlotPoint topLeft) = 0;
};
