#include "trop/ui/results/cell_elision.h"

namespace trop {

QString elideCellText(const QString& text, int width, const std::function<int(const QString&)>& textWidth)
{
    static const QString dots = QStringLiteral("...");
    QString kept = text;
    QString shown = text;
    while (shown.size() > 4 && textWidth(shown) > width) {
        kept.chop(1);
        shown = kept + dots;
    }
    return shown;
}

} // namespace trop
