#pragma once
// Image slots realised as labels on a window: one label per slot, placed from
// a slot list, hidden until a gauge shows it. The monitoring panel and the
// lambda page's live view draw their gauges through this.

#include <QPixmap>
#include <map>
#include <vector>

#include "monitor/gauge_slots.h"
#include "monitor/image_slots.h"

class QLabel;
class QWidget;

class SlotLabels : public ImageSlots {
  public:
    SlotLabels(QWidget* parent, const std::vector<SlotPlacement>& placements);

    void Show(int slot, int imageId) override;
    void Hide(int slot) override;
    void Move(int slot, SlotPoint topLeft) override;

    // What a slot shows now: its image id, or 0 while hidden (or unknown).
    int ShownImage(int slot) const;
    QLabel* Label(int slot) const;

  private:
    struct Slot {
        QLabel* label;
        int bottom;  // kept by bars when their top moves
        bool keepsBottom;
        int imageId = 0;
    };
    const QPixmap& Image(int imageId);

    std::map<int, Slot> slots_;
    std::map<int, QPixmap> images_;
};
