// How the board fills a wall screen: the chosen number of lines (plus the
// column titles) fills the window's height, each line as high as that
// allows; only when lines would get too small to read does the window show
// fewer of them.
#pragma once

namespace tablo {

inline constexpr int kDefaultBoardLines = 15;
inline constexpr int kMinLinePixels = 16;
// Column widths are given for lines of this height (a 13-pixel font).
inline constexpr int kBaseLinePixels = 20;

struct BoardFit {
    int lines;      // lines the window holds, at least 1
    int linePixels; // height of a line and of the title row
};

BoardFit fitBoardLines(int heightPixels, int chosenLines, int minLinePixels = kMinLinePixels);

// The same fit with lines made lower (and so the font smaller) when the
// columns, baseWidthTotal pixels wide at kBaseLinePixels, would not fit the
// width otherwise; never below minLinePixels.
BoardFit fitBoardWidth(BoardFit fit, int widthPixels, int baseWidthTotal, int minLinePixels = kMinLinePixels);

// A width given at kBaseLinePixels, for lines of linePixels.
int scaledWidth(int baseWidth, int linePixels);

} // namespace tablo
