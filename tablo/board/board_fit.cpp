#include "tablo/board/board_fit.h"

#include <algorithm>

namespace tablo {

BoardFit fitBoardLines(int heightPixels, int chosenLines, int minLinePixels)
{
    const int wanted = std::max(chosenLines, 1);
    const int height = std::max(heightPixels, 0);
    const int minimum = std::max(minLinePixels, 1);
    const int linePixels = height / (wanted + 1); // + the title row
    if (linePixels >= minimum)
        return {wanted, linePixels};
    return {std::max(height / minimum - 1, 1), minimum};
}

BoardFit fitBoardWidth(BoardFit fit, int widthPixels, int baseWidthTotal, int minLinePixels)
{
    if (baseWidthTotal <= 0 || scaledWidth(baseWidthTotal, fit.linePixels) <= widthPixels)
        return fit;
    fit.linePixels = std::max(widthPixels * kBaseLinePixels / baseWidthTotal, std::max(minLinePixels, 1));
    return fit;
}

int scaledWidth(int baseWidth, int linePixels)
{
    return baseWidth * linePixels / kBaseLinePixels;
}

} // namespace tablo
