// Saving a composed frame as a PNG file, for the replay session's `frame` command: through Qt
// in the native tool, by a small encoder of its own in the page.
#pragma once

#include <string>

#include "platform/pixmap.h"

bool SaveFramePng(const CPixmap& frame, const std::string& path);
