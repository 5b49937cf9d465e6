// "Definicja trasy": the control points editor, then, when the route has
// points, the groups window and the rules dialog, each modal over `parent`.
#pragma once

#include <QString>

#include <filesystem>

class QWidget;

namespace trop {

void runRouteDefinition(QWidget* parent, const std::filesystem::path& stageFolder, const QString& title);

} // namespace trop
