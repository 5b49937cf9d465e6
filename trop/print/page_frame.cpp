#include "trop/print/page_frame.h"

#include <algorithm>

namespace trop {
namespace {

constexpr int kA4WidthMm = 210;
constexpr int kA4HeightMm = 297;
constexpr int kSmallAreaMm = 210; // areas under this on their larger side get margins

struct Rect {
    int left, top, right, bottom;
};

Rect wholeArea(const DeviceMetrics& device)
{
    return {1, 4, device.widthPx - 1, device.heightPx - 1};
}

bool smallArea(const DeviceMetrics& device) { return std::max(device.widthMm, device.heightMm) < kSmallAreaMm; }

int fixedUnit(const DeviceMetrics& device) { return device.dpiY / 25 + 1; }

// Pens by resolution; the rectangle gives room for the thick outer rules.
PageFrame withTools(Rect rect, int unit, const DeviceMetrics& device)
{
    PageFrame frame;
    frame.unit = std::max(1, unit);
    int inset;
    if (device.dpiY < 251) {
        frame.thinPen = 1;
        frame.thickPen = 2;
        inset = 1;
    } else {
        frame.thinPen = 2;
        frame.thickPen = std::max(1, frame.unit / 2);
        inset = frame.unit / 2;
    }
    frame.left = rect.left + inset;
    frame.right = rect.right - inset;
    frame.top = rect.top;
    frame.bottom = rect.bottom;
    frame.bodyBottom = frame.bottom - 4 * frame.unit;
    frame.titleFont = {10 * frame.unit, true};
    frame.headingFont = {4 * frame.unit, true};
    frame.smallFont = {2 * frame.unit, false};
    return frame;
}

} // namespace

int PageFrame::ruleOffset() const { return std::max(0, unit / 2 - 3); }

DeviceMetrics usableMetrics(const DeviceMetrics& device)
{
    DeviceMetrics m = device;
    if (m.dpiY <= 0)
        m.dpiY = m.dpiX > 0 ? m.dpiX : 600;
    if (m.dpiX <= 0)
        m.dpiX = m.dpiY;
    if (m.widthPx <= 0 || m.heightPx <= 0) {
        m.widthPx = kA4WidthMm * m.dpiX * 10 / 254;
        m.heightPx = kA4HeightMm * m.dpiY * 10 / 254;
        m.widthMm = kA4WidthMm;
        m.heightMm = kA4HeightMm;
    }
    if (m.widthMm <= 0 || m.heightMm <= 0) {
        m.widthMm = std::max(kA4WidthMm, m.widthPx * 254 / (m.dpiX * 10));
        m.heightMm = std::max(kA4HeightMm, m.heightPx * 254 / (m.dpiY * 10));
    }
    return m;
}

PageFrame fixedFrame(const DeviceMetrics& device)
{
    const DeviceMetrics m = usableMetrics(device);
    return withTools(wholeArea(m), fixedUnit(m), m);
}

PageFrame resultsFrame(const DeviceMetrics& device, int stageCount)
{
    const DeviceMetrics m = usableMetrics(device);
    Rect rect = wholeArea(m);
    if (smallArea(m)) {
        rect.left = m.widthPx * 8 / m.widthMm;
        rect.right = m.widthPx - rect.left;
        rect.top = m.heightPx * 8 / m.heightMm;
        rect.bottom = m.heightPx - rect.top;
    }
    const int w = rect.right - rect.left;
    const int divisor = stageCount == 1 ? 150 : 60 * (stageCount + 1) + 40;
    int unit = (w - w / divisor - 2) / divisor;
    const long long readable = static_cast<long long>(unit) * m.widthMm * 12 / m.widthPx;
    if (smallArea(m)) {
        if (readable < 5)
            unit = m.dpiY / 50 + 1;
    } else if (readable < 10) {
        unit = fixedUnit(m);
    }
    return withTools(rect, unit, m);
}

} // namespace trop
