#pragma once
// The game's surface as assistive technology sees it: a table of the grid's cells, the four ship
// panels with their cells, the status button and the legend, each named as the window shows it
// (place_names.h), with the focus place of the keys as the accessible focus.

#include <QAccessibleInterface>

namespace vornmark {

class GameSurface;
struct FocusPlace;

// Makes the surface's interface known to Qt's accessibility; called once a surface exists.
void install_surface_accessibility();

// The interfaces of the surface's parts, for the events that announce their changes.
QAccessibleInterface* accessible_place(GameSurface& surface, const FocusPlace& place);
QAccessibleInterface* accessible_status(GameSurface& surface);
QAccessibleInterface* accessible_legend(GameSurface& surface);

}  // namespace vornmark
