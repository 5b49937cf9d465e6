// The page geometry and drawing tools shared by every printout: the printable
// rectangle, the layout unit, the body's lowest row position, the three
// fonts and the two pens, all in device pixels.
#pragma once

#include "trop/print/page_ops.h"

namespace trop {

struct PageFrame {
    int left = 0, top = 0, right = 0, bottom = 0;
    int unit = 1;       // the layout unit (H or P)
    int bodyBottom = 0; // lowest y of table rows: bottom - 4 units
    int thinPen = 1, thickPen = 2;
    PrintFont titleFont, headingFont, smallFont;

    int x(int units) const { return left + units * unit; }
    // The small gap "unit/2 - 3" pixels, never negative.
    int ruleOffset() const;
};

// A device that reports no size or resolution is taken as an A4 page at the
// resolution it reports (600 dpi when none): a large page.
DeviceMetrics usableMetrics(const DeviceMetrics& device);

// Fixed geometry: the rectangle is the whole printable area, the unit is
// (vertical dpi) / 25 + 1, pens by resolution.
PageFrame fixedFrame(const DeviceMetrics& device);

// The results printouts: 8 mm margins on areas whose larger side is under
// 210 mm, the unit adapted to the number of stages (raised when too small to
// read), pens by resolution.
PageFrame resultsFrame(const DeviceMetrics& device, int stageCount);

} // namespace trop
