#pragma once
// Lambda step: simulated probe signal and injection times.
// (frame only until the fields arrive)

#include "pages/frame_pages.h"

class CLambdaPage : public CFramePage {
    Q_OBJECT
public:
    CLambdaPage();
};

class CLambdaBasicPage : public CFramePage {
    Q_OBJECT
public:
    CLambdaBasicPage();
};
