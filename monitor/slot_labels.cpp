#include "monitor/slot_labels.h"

#include <QLabel>

#include "resources/image_registry.h"

SlotLabels::SlotLabels(QWidget* parent, const std::vector<SlotPlacement>& placements) {
    for (const SlotPlacement& placement : placements) {
        auto* label = new QLabel(parent);
        label->setGeometry(placement.rect);
        // A bar shows the lower part of its image: the colours stay at their
        // voltages as the bar grows.
        label->setAlignment(placement.keepsBottom ? Qt::AlignLeft | Qt::AlignBottom
                                                  : Qt::AlignLeft | Qt::AlignTop);
        label->setAttribute(Qt::WA_TransparentForMouseEvents);
        label->hide();
        slots_.emplace(placement.slot,
                       Slot{label, placement.rect.bottom(), placement.keepsBottom, 0});
    }
}

const QPixmap& SlotLabels::Image(int imageId) {
    auto found = images_.find(imageId);
    if (found == images_.end())
        found = images_.emplace(imageId, ResourceImage(imageId)).first;
    return found->second;
}

void SlotLabels::Show(int slot, int imageId) {
    auto found = slots_.find(slot);
    if (found == slots_.end())
        return;
    Slot& s = found->second;
    if (s.imageId != imageId) {
        s.label->setPixmap(Image(imageId));
        s.imageId = imageId;
    }
    s.label->show();
}

void SlotLabels::Hide(int slot) {
    auto found = slots_.find(slot);
    if (found == slots_.end())
        return;
    found->second.label->hide();
}

void SlotLabels::Move(int slot, SlotPoint topLeft) {
    auto found = slots_.find(slot);
    if (found == slots_.end())
        return;
    Slot& s = found->second;
    const QRect old = s.label->geometry();
    if (s.keepsBottom)
        s.label->setGeometry(topLeft.x, topLeft.y, old.width(), s.bottom - topLeft.y + 1);
    else
        s.label->move(topLeft.x, topLeft.y);
}

int SlotLabels::ShownImage(int slot) const {
    auto found = slots_.find(slot);
    if (found == slots_.end() || found->second.label->isHidden())
        return 0;
    return found->second.imageId;
}

QLabel* SlotLabels::Label(int slot) const {
    auto found = slots_.find(slot);
    return found == slots_.end() ? nullptr : found->second.label;
}
