#pragma once
// The table row behind every numbered image; each image family contributes
// its own rows.

#include <QSize>
#include <vector>

class QPainter;

// Variant tells the painter of a numbered series (digits, arc segments,
// actuator positions, page accents) which member to draw. The painter starts
// on a white surface of the given size with antialiasing on.
struct ImageEntry {
    int Id;
    QSize Size;
    void (*Paint)(QPainter& painter, QSize size, int variant);
    int Variant;
};

std::vector<ImageEntry> BackgroundImageEntries();
std::vector<ImageEntry> ButtonImageEntries();
std::vector<ImageEntry> GaugeImageEntries();
