#include "pages/frame_pages.h"

CFramePage::CFramePage(const FramePageTraits& traits) : CConfigPage(traits.look), traits_(traits) {}
