#include "resources/image_registry.h"

#include <QImage>
#include <QPainter>
#include <map>

#include "resources/image_entry.h"

namespace {

const std::map<int, ImageEntry>& Registry() {
    static const std::map<int, ImageEntry> registry = [] {
        std::map<int, ImageEntry> table;
        for (const auto& family :
             {BackgroundImageEntries(), ButtonImageEntries(), GaugeImageEntries()}) {
            for (const ImageEntry& entry : family) table.emplace(entry.Id, entry);
        }
        return table;
    }();
    return registry;
}

const ImageEntry* FindEntry(int id) {
    const auto found = Registry().find(id);
    return found == Registry().end() ? nullptr : &found->second;
}

}  // namespace

QPixmap ResourceImage(int id) {
    const ImageEntry* entry = FindEntry(id);
    if (entry == nullptr)
        return QPixmap();
    // Opaque 24-bit pictures on white, like the bitmaps the pages expect:
    // white is the transparent colour of the button images.
    QImage image(entry->Size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    entry->Paint(painter, entry->Size, entry->Variant);
    painter.end();
    return QPixmap::fromImage(image);
}

bool HasResourceImage(int id) {
    return FindEntry(id) != nullptr;
}

QSize ResourceImageSize(int id) {
    const ImageEntry* entry = FindEntry(id);
    return entry == nullptr ? QSize() : entry->Size;
}

std::vector<int> ResourceImageIds() {
    std::vector<int> ids;
    ids.reserve(Registry().size());
    for (const auto& entry : Registry()) ids.push_back(entry.first);
    return ids;
}
