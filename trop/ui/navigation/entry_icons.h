// Pictures of the navigation entries (artwork only, from the style).
#pragma once

#include "navigation_rules.h"

#include <QIcon>

class QStyle;

namespace trop {

QIcon entryIcon(const QStyle& style, EntryIcon icon);

} // namespace trop
