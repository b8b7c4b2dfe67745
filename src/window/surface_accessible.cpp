#include "window/surface_accessible.h"

#include <QAccessibleWidget>
#include <QCoreApplication>
#include <map>
#include <tuple>

#include "play/play_flow.h"
#include "play/state_texts.h"
#include "presentation/keyboard.h"
#include "presentation/layout.h"
#include "presentation/place_names.h"
#include "setup/fleet.h"
#include "setup/match.h"
#include "window/game_surface.h"
#include "window/game_wording.h"
#include "window/qt_canvas.h"

namespace vornmark {

namespace {

// The surface's children, in this order: the grid, the four panels, the status button, the legend.
enum class Part { Grid, Panel, GridCell, PanelCell, Status, Legend };
constexpr int kStatusIndex = 1 + kFleetSize;
constexpr int kLegendIndex = kStatusIndex + 1;
constexpr int kSurfaceChildren = kLegendIndex + 1;

const char* const kShipNames[kFleetSize] = {"Corvette", "Destroyer", "Battleship", "Submarine"};

class SurfaceAccessible;

// One part of the surface; it holds no state of the game, only which part it is.
class PartAccessible : public QAccessibleInterface,
                       public QAccessibleTableInterface,
                       public QAccessibleTableCellInterface,
                       public QAccessibleActionInterface {
 public:
  PartAccessible(const SurfaceAccessible& surface, Part part, int a, int b)
      : surface_(surface), part_(part), a_(a), b_(b) {}

  bool isValid() const override;
  QObject* object() const override { return nullptr; }
  QWindow* window() const override;
  QAccessibleInterface* childAt(int x, int y) const override;
  QAccessibleInterface* parent() const override;
  QAccessibleInterface* child(int index) const override;
  int childCount() const override;
  int indexOfChild(const QAccessibleInterface* child) const override;
  QString text(QAccessible::Text t) const override;
  void setText(QAccessible::Text, const QString&) override {}
  QRect rect() const override;
  QAccessible::Role role() const override;
  QAccessible::State state() const override;
  void* interface_cast(QAccessible::InterfaceType type) override;

  // The grid as a table.
  QAccessibleInterface* caption() const override { return nullptr; }
  QAccessibleInterface* summary() const override { return nullptr; }
  QAccessibleInterface* cellAt(int row, int column) const override;
  int selectedCellCount() const override { return 0; }
  QList<QAccessibleInterface*> selectedCells() const override { return {}; }
  QString columnDescription(int column) const override { return QString::number(column); }
  QString rowDescription(int row) const override { return QString::number(row); }
  int selectedColumnCount() const override { return 0; }
  int selectedRowCount() const override { return 0; }
  int columnCount() const override;
  int rowCount() const override { return columnCount(); }
  QList<int> selectedColumns() const override { return {}; }
  QList<int> selectedRows() const override { return {}; }
  bool isColumnSelected(int) const override { return false; }
  bool isRowSelected(int) const override { return false; }
  bool selectRow(int) override { return false; }
  bool selectColumn(int) override { return false; }
  bool unselectRow(int) override { return false; }
  bool unselectColumn(int) override { return false; }
  void modelChange(QAccessibleTableModelChangeEvent*) override {}

  // A grid cell as a table cell.
  bool isSelected() const override { return false; }
  QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
  QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
  int columnIndex() const override { return a_; }
  int rowIndex() const override { return b_; }
  int columnExtent() const override { return 1; }
  int rowExtent() const override { return 1; }
  QAccessibleInterface* table() const override;

  // Cells and the status button are pressed as the mouse presses them.
  QStringList actionNames() const override;
  void doAction(const QString& action) override;
  QStringList keyBindingsForAction(const QString&) const override { return {}; }

  bool pressable() const { return part_ == Part::GridCell || part_ == Part::PanelCell || part_ == Part::Status; }
  FocusPlace place() const;

 private:
  const SurfaceAccessible& surface_;
  Part part_;
  int a_;  // Panel, PanelCell: the ship; GridCell: the column
  int b_;  // PanelCell: the cell; GridCell: the row
};

class SurfaceAccessible : public QAccessibleWidget {
 public:
  explicit SurfaceAccessible(GameSurface* surface) : QAccessibleWidget(surface, QAccessible::Client) {}
  ~SurfaceAccessible() override {
    for (const auto& [key, id] : parts_) QAccessible::deleteAccessibleInterface(id);
  }

  GameSurface& surface() const { return *static_cast<GameSurface*>(widget()); }
  int grid() const { return surface().match().grid(); }

  // The one interface of a part, made when first asked for and kept until the surface goes.
  QAccessibleInterface* part(Part part, int a = 0, int b = 0) const {
    const auto key = std::make_tuple(part, a, b);
    auto found = parts_.find(key);
    if (found == parts_.end()) {
      auto* made = new PartAccessible(*this, part, a, b);
      found = parts_.emplace(key, QAccessible::registerAccessibleInterface(made)).first;
    }
    return QAccessible::accessibleInterface(found->second);
  }
  QAccessibleInterface* place(const FocusPlace& place) const {
    switch (place.zone) {
      case FocusZone::Grid:
        return part(Part::GridCell, place.column, place.row);
      case FocusZone::Panels:
        return part(Part::PanelCell, place.ship, place.cell);
      case FocusZone::Status:
        break;
    }
    return part(Part::Status);
  }
  // The part under a point of the surface, found as a press there is classified.
  QAccessibleInterface* part_at(QPoint local) const {
    const ClickTarget target = classify_click(surface().layout(), pack_position(local.x(), local.y()));
    switch (target.kind) {
      case ClickKind::GridCell:
        return part(Part::GridCell, target.column, target.row);
      case ClickKind::ShipPanel:
        return part(Part::PanelCell, target.ship, target.cell);
      case ClickKind::StatusButton:
        return part(Part::Status);
      case ClickKind::Nothing:
        break;
    }
    return nullptr;
  }

  int childCount() const override { return kSurfaceChildren; }
  QAccessibleInterface* child(int index) const override {
    if (index == 0) return part(Part::Grid);
    if (index >= 1 && index <= kFleetSize) return part(Part::Panel, index - 1);
    if (index == kStatusIndex) return part(Part::Status);
    if (index == kLegendIndex) return part(Part::Legend);
    return nullptr;
  }
  int indexOfChild(const QAccessibleInterface* child) const override {
    for (int i = 0; i < kSurfaceChildren; ++i)
      if (this->child(i) == child) return i;
    return -1;
  }
  QAccessibleInterface* childAt(int x, int y) const override {
    const QAccessibleInterface* hit = part_at(surface().mapFromGlobal(QPoint(x, y)));
    if (hit == nullptr) return nullptr;
    return hit->parent() == this ? const_cast<QAccessibleInterface*>(hit) : hit->parent();
  }
  QAccessibleInterface* focusChild() const override {
    return surface().hasFocus() ? place(surface().focus_place()) : nullptr;
  }
  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Name) return QCoreApplication::translate("Board", "Vornmark board");
    return QAccessibleWidget::text(t);
  }

 private:
  mutable std::map<std::tuple<Part, int, int>, QAccessible::Id> parts_;
};

bool PartAccessible::isValid() const {
  switch (part_) {
    case Part::GridCell:
      return a_ >= 0 && b_ >= 0 && a_ < surface_.grid() && b_ < surface_.grid();
    case Part::PanelCell:
      return b_ >= 0 && b_ < panel_cell_count(a_);
    default:
      return true;
  }
}

QWindow* PartAccessible::window() const { return surface_.window(); }

QAccessibleInterface* PartAccessible::childAt(int x, int y) const {
  for (int i = 0; i < childCount(); ++i) {
    QAccessibleInterface* c = child(i);
    if (c != nullptr && c->rect().contains(x, y)) return c;
  }
  return nullptr;
}

QAccessibleInterface* PartAccessible::parent() const {
  if (part_ == Part::GridCell) return surface_.part(Part::Grid);
  if (part_ == Part::PanelCell) return surface_.part(Part::Panel, a_);
  return const_cast<SurfaceAccessible*>(&surface_);
}

QAccessibleInterface* PartAccessible::child(int index) const {
  if (index < 0 || index >= childCount()) return nullptr;
  if (part_ == Part::Grid) return surface_.part(Part::GridCell, index % surface_.grid(), index / surface_.grid());
  return surface_.part(Part::PanelCell, a_, index);
}

int PartAccessible::childCount() const {
  if (part_ == Part::Grid) return surface_.grid() * surface_.grid();
  if (part_ == Part::Panel) return panel_cell_count(a_);
  return 0;
}

int PartAccessible::indexOfChild(const QAccessibleInterface* child) const {
  const auto* cell = dynamic_cast<const PartAccessible*>(child);
  if (cell == nullptr || cell->parent() != this) return -1;
  return part_ == Part::Grid ? cell->b_ * surface_.grid() + cell->a_ : cell->b_;
}

FocusPlace PartAccessible::place() const {
  if (part_ == Part::GridCell) return {FocusZone::Grid, a_, b_, 0, 0};
  if (part_ == Part::PanelCell) return {FocusZone::Panels, 0, 0, a_, b_};
  return {FocusZone::Status, 0, 0, 0, 0};
}

QString PartAccessible::text(QAccessible::Text t) const {
  if (t != QAccessible::Name) return {};
  const GameSurface& surface = surface_.surface();
  const Match& match = surface.match();
  if (part_ == Part::Grid) return QCoreApplication::translate("Board", "Grid");
  if (part_ == Part::Panel) return game_text(std::string_view(kShipNames[a_]));
  if (part_ == Part::Legend) return game_text(legend_text(match));
  if (part_ == Part::Status) return game_text(status_button_name(match));
  if (surface.flow() == nullptr || !isValid()) return {};
  return game_text(focus_place_name(match, surface.flow()->scene(), place()));
}

QRect PartAccessible::rect() const {
  const GameSurface& surface = surface_.surface();
  const Layout& layout = surface.layout();
  Rect r;
  switch (part_) {
    case Part::Grid:
      r = layout.board_rect;
      break;
    case Part::Panel:
      r = invalidate_panel(layout, a_);
      break;
    case Part::Legend:
      r = legend_rect_for(layout, surface.match().play_state() == PlayState::Placing);
      break;
    default:
      r = focus_rect(layout, place());
      break;
  }
  const QRect local = qt_rect(r);
  return QRect(surface.mapToGlobal(local.topLeft()), local.size());
}

QAccessible::Role PartAccessible::role() const {
  switch (part_) {
    case Part::Grid:
      return QAccessible::Table;
    case Part::Panel:
      return QAccessible::List;
    case Part::GridCell:
      return QAccessible::Cell;
    case Part::PanelCell:
      return QAccessible::ListItem;
    case Part::Status:
      return QAccessible::Button;
    case Part::Legend:
      break;
  }
  return QAccessible::StaticText;
}

QAccessible::State PartAccessible::state() const {
  QAccessible::State state;
  const GameSurface& surface = surface_.surface();
  if (part_ == Part::Status && surface.match().play_state() == PlayState::Idle) state.invisible = true;
  if (!pressable()) return state;
  state.focusable = true;
  state.focused = surface.hasFocus() && surface.focus_place() == place();
  return state;
}

void* PartAccessible::interface_cast(QAccessible::InterfaceType type) {
  if (type == QAccessible::TableInterface && part_ == Part::Grid) return static_cast<QAccessibleTableInterface*>(this);
  if (type == QAccessible::TableCellInterface && part_ == Part::GridCell)
    return static_cast<QAccessibleTableCellInterface*>(this);
  if (type == QAccessible::ActionInterface && pressable()) return static_cast<QAccessibleActionInterface*>(this);
  return nullptr;
}

QAccessibleInterface* PartAccessible::cellAt(int row, int column) const {
  if (row < 0 || column < 0 || row >= surface_.grid() || column >= surface_.grid()) return nullptr;
  return surface_.part(Part::GridCell, column, row);
}

int PartAccessible::columnCount() const { return part_ == Part::Grid ? surface_.grid() : 0; }

QAccessibleInterface* PartAccessible::table() const { return surface_.part(Part::Grid); }

QStringList PartAccessible::actionNames() const { return {pressAction()}; }

void PartAccessible::doAction(const QString& action) {
  if (action == pressAction() && isValid()) surface_.surface().click_place(place());
}

QAccessibleInterface* surface_factory(const QString& class_name, QObject* object) {
  if (class_name == QLatin1String("vornmark::GameSurface") && object != nullptr && object->isWidgetType())
    return new SurfaceAccessible(static_cast<GameSurface*>(object));
  return nullptr;
}

SurfaceAccessible* surface_interface(GameSurface& surface) {
  return static_cast<SurfaceAccessible*>(QAccessible::queryAccessibleInterface(&surface));
}

}  // namespace

void install_surface_accessibility() {
  static const bool installed = [] {
    QAccessible::installFactory(surface_factory);
    return true;
  }();
  (void)installed;
}

QAccessibleInterface* accessible_place(GameSurface& surface, const FocusPlace& place) {
  return surface_interface(surface)->place(place);
}

QAccessibleInterface* accessible_status(GameSurface& surface) { return surface_interface(surface)->part(Part::Status); }

QAccessibleInterface* accessible_legend(GameSurface& surface) { return surface_interface(surface)->part(Part::Legend); }

}  // namespace vornmark
