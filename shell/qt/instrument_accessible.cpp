#include "shell/qt/instrument_accessible.h"

#include <QAccessibleWidget>
#include <QPointer>
#include <QWindow>
#include <optional>

#include "shell/qt/client_area.h"
#include "shell/qt/template_style.h"

namespace lab {

namespace {

std::optional<Instrument> FindInstrument(const ClientArea* area, int id) {
  const Dialog* dialog = area != nullptr ? area->Core() : nullptr;
  if (dialog == nullptr) return std::nullopt;
  for (Instrument& i : dialog->Instruments()) {
    if (i.id == id) return std::move(i);
  }
  return std::nullopt;
}

QAccessible::Role RoleOf(InstrumentRole role) {
  switch (role) {
    case InstrumentRole::kSwitch:
      return QAccessible::CheckBox;
    case InstrumentRole::kReadout:
      return QAccessible::StatusBar;
    case InstrumentRole::kGraph:
      return QAccessible::Chart;
    case InstrumentRole::kButton:
    case InstrumentRole::kBall:
      break;
  }
  return QAccessible::Button;
}

// The graph's table read row by row, each cell after its column's head:
// "Punt 1, m (kg) 0.7, T² (s²) 1.44".
std::string TableText(const Instrument& graph) {
  std::string text;
  if (graph.table.empty()) return text;
  const std::vector<std::string>& head = graph.table.front();
  for (std::size_t r = 1; r < graph.table.size(); ++r) {
    const std::vector<std::string>& row = graph.table[r];
    for (std::size_t c = 0; c < row.size(); ++c) {
      if (c > 0) text += ", ";
      if (c > 0 && c < head.size()) text += head[c] + " ";
      text += c == 0 && !head.empty() ? head[0] + " " + row[c] : row[c];
    }
    text += ". ";
  }
  return text;
}

// One instrument: a child of the client area's object with no object of
// its own, known by its id.
class InstrumentAccessible : public QAccessibleInterface, public QAccessibleActionInterface {
 public:
  InstrumentAccessible(ClientArea* area, int id) : m_area(area), m_id(id) {}

  bool isValid() const override { return FindInstrument(m_area, m_id).has_value(); }
  QObject* object() const override { return nullptr; }
  QWindow* window() const override {
    return m_area != nullptr ? m_area->window()->windowHandle() : nullptr;
  }
  QAccessibleInterface* parent() const override {
    return QAccessible::queryAccessibleInterface(m_area.data());
  }
  QAccessibleInterface* child(int) const override { return nullptr; }
  int childCount() const override { return 0; }
  int indexOfChild(const QAccessibleInterface*) const override { return -1; }
  QAccessibleInterface* childAt(int, int) const override { return nullptr; }

  QString text(QAccessible::Text t) const override {
    const std::optional<Instrument> i = FindInstrument(m_area, m_id);
    if (!i) return QString();
    if (t == QAccessible::Name) {
      // As the page names it: the name, then the state.
      return ToQString(i->state.empty() ? i->name : i->name + ", " + i->state);
    }
    if (t == QAccessible::Description) {
      std::string text = i->keys;
      if (!i->summary.empty()) text += (text.empty() ? "" : " ") + i->summary + ". ";
      text += TableText(*i);
      return ToQString(text).trimmed();
    }
    return QString();
  }
  void setText(QAccessible::Text, const QString&) override {}

  QRect rect() const override {
    const std::optional<Instrument> i = FindInstrument(m_area, m_id);
    if (!i || m_area == nullptr) return QRect();
    const QRect local(i->rect.left, i->rect.top, i->rect.Width(), i->rect.Height());
    return QRect(m_area->mapToGlobal(local.topLeft()), local.size());
  }

  QAccessible::Role role() const override {
    const std::optional<Instrument> i = FindInstrument(m_area, m_id);
    return i ? RoleOf(i->role) : QAccessible::NoRole;
  }

  QAccessible::State state() const override {
    QAccessible::State s;
    const std::optional<Instrument> i = FindInstrument(m_area, m_id);
    if (!i) {
      s.invalid = true;
      return s;
    }
    s.focusable = true;
    s.focused = m_area->hasFocus() && m_area->Core()->FocusedInstrument() == m_id;
    if (i->role == InstrumentRole::kSwitch) {
      s.checkable = true;
      s.checked = i->checked;
    }
    if (i->role == InstrumentRole::kReadout || i->role == InstrumentRole::kGraph) {
      s.readOnly = true;
    }
    return s;
  }

  void* interface_cast(QAccessible::InterfaceType type) override {
    if (type == QAccessible::ActionInterface && Pressable()) {
      return static_cast<QAccessibleActionInterface*>(this);
    }
    return nullptr;
  }

  // Buttons and the switch are pressed as Space presses them.
  QStringList actionNames() const override {
    return Pressable() ? QStringList{pressAction()} : QStringList{};
  }
  void doAction(const QString& name) override {
    if (name == pressAction() && Pressable() && m_area != nullptr) m_area->PressInstrument(m_id);
  }
  QStringList keyBindingsForAction(const QString&) const override { return {}; }

 private:
  bool Pressable() const {
    const std::optional<Instrument> i = FindInstrument(m_area, m_id);
    return i && (i->role == InstrumentRole::kButton || i->role == InstrumentRole::kSwitch);
  }

  QPointer<ClientArea> m_area;
  int m_id;
};

// The client area: its instruments are its children.
class ClientAreaAccessible : public QAccessibleWidget {
 public:
  explicit ClientAreaAccessible(ClientArea* area)
      : QAccessibleWidget(area, QAccessible::Grouping), m_area(area) {}

  ~ClientAreaAccessible() override {
    for (const auto& [id, child] : m_children) QAccessible::deleteAccessibleInterface(child);
  }

  int childCount() const override { return static_cast<int>(List().size()); }

  QAccessibleInterface* child(int index) const override {
    const std::vector<Instrument> list = List();
    if (index < 0 || index >= static_cast<int>(list.size())) return nullptr;
    return ChildOf(list[static_cast<std::size_t>(index)].id);
  }

  int indexOfChild(const QAccessibleInterface* child) const override {
    const std::vector<Instrument> list = List();
    for (std::size_t n = 0; n < list.size(); ++n) {
      const auto found = m_children.find(list[n].id);
      if (found != m_children.end() && QAccessible::accessibleInterface(found->second) == child) {
        return static_cast<int>(n);
      }
    }
    return -1;
  }

  QAccessibleInterface* focusChild() const override {
    const Dialog* dialog = m_area->Core();
    if (!m_area->hasFocus() || dialog == nullptr || dialog->FocusedInstrument() < 0) {
      return nullptr;
    }
    return ChildOf(dialog->FocusedInstrument());
  }

  QAccessibleInterface* childAt(int x, int y) const override {
    const QPoint p = m_area->mapFromGlobal(QPoint(x, y));
    for (const Instrument& i : List()) {
      if (p.x() >= i.rect.left && p.x() < i.rect.right && p.y() >= i.rect.top &&
          p.y() < i.rect.bottom) {
        return ChildOf(i.id);
      }
    }
    return nullptr;
  }

 private:
  std::vector<Instrument> List() const {
    const Dialog* dialog = m_area->Core();
    return dialog != nullptr ? dialog->Instruments() : std::vector<Instrument>();
  }

  QAccessibleInterface* ChildOf(int id) const {
    const auto found = m_children.find(id);
    if (found != m_children.end()) return QAccessible::accessibleInterface(found->second);
    auto* child = new InstrumentAccessible(m_area, id);
    m_children[id] = QAccessible::registerAccessibleInterface(child);
    return child;
  }

  ClientArea* m_area;
  mutable std::map<int, QAccessible::Id> m_children;
};

QAccessibleInterface* ClientAreaFactory(const QString&, QObject* object) {
  if (auto* area = dynamic_cast<ClientArea*>(object)) return new ClientAreaAccessible(area);
  return nullptr;
}

void Notify(QAccessibleInterface* child, QAccessible::Event type) {
  if (child == nullptr) return;
  QAccessibleEvent event(child, type);
  QAccessible::updateAccessibility(&event);
}

}  // namespace

void InstallInstrumentAccessibility() {
  static const bool installed = [] {
    QAccessible::installFactory(ClientAreaFactory);
    return true;
  }();
  (void)installed;
}

void InstrumentAnnouncer::Focus(ClientArea& area, int index) {
  if (!QAccessible::isActive()) return;
  QAccessibleInterface* self = QAccessible::queryAccessibleInterface(&area);
  QAccessibleInterface* child = self != nullptr ? self->child(index) : nullptr;
  if (child == nullptr) return;
  QAccessible::State focused;
  focused.focused = true;
  QAccessibleStateChangeEvent change(child, focused);
  QAccessible::updateAccessibility(&change);
  Notify(child, QAccessible::Focus);
}

void InstrumentAnnouncer::Update(ClientArea& area, const std::vector<Instrument>& list) {
  if (!QAccessible::isActive()) return;
  QAccessibleInterface* self = QAccessible::queryAccessibleInterface(&area);
  for (std::size_t n = 0; n < list.size(); ++n) {
    const Instrument& i = list[n];
    Heard& heard = m_heard[i.id];
    const bool announce = m_started && heard.announced != i.announced;
    const bool flipped = m_started && heard.checked != i.checked;
    heard = Heard{i.announced, i.checked};
    if ((!announce && !flipped) || self == nullptr) continue;
    QAccessibleInterface* child = self->child(static_cast<int>(n));
    if (flipped) {
      QAccessible::State checked;
      checked.checked = true;
      QAccessibleStateChangeEvent change(child, checked);
      QAccessible::updateAccessibility(&change);
    }
    Notify(child, QAccessible::NameChanged);
  }
  m_started = true;
}

}  // namespace lab
