#pragma once
// Auxiliary functions step: cut-off, probe heating, relay, overlap.
// (frame only until the fields arrive)

#include "pages/frame_pages.h"

class CAuxPage : public CFramePage {
    Q_OBJECT
public:
    CAuxPage();
};

class CAuxBasicPage : public CFramePage {
    Q_OBJECT
public:
    CAuxBasicPage();
};
