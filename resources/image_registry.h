#pragma once
// Images by resource number: every background, button picture and gauge part
// that the pages and the monitoring panel ask for.

#include <QPixmap>
#include <QSize>
#include <vector>

// The image with this number; a null pixmap when there is none, which callers
// treat like a missing bitmap resource. Needs a QGuiApplication.
QPixmap ResourceImage(int id);

bool HasResourceImage(int id);

// Size of the image, or an invalid size for an unknown number.
QSize ResourceImageSize(int id);

// Every known number, ascending.
std::vector<int> ResourceImageIds();
