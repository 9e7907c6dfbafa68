#include "shell/qt/dialog_window.h"

#include <QAction>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QTimer>
#include <QWindow>
#include <algorithm>
#include <climits>

#include "platform/focus_ring.h"
#include "shell/qt/client_area.h"
#include "shell/qt/picture_control.h"
#include "shell/qt/qt_host.h"
#include "shell/qt/run_report.h"
#include "shell/qt/template_style.h"

namespace lab {

namespace {
Qt::Alignment HorizontalAlignment(TextAlign align) {
  switch (align) {
    case TextAlign::Right:
      return Qt::AlignRight;
    case TextAlign::Centre:
      return Qt::AlignHCenter;
    case TextAlign::Left:
      break;
  }
  return Qt::AlignLeft;
}
// The shortest period a timer runs at, in milliseconds.
constexpr unsigned kMinimumTimerPeriod = 10;
}  // namespace

DialogWindow::DialogWindow(QtHost& host, Dialog& dialog, const DialogTemplate& source)
    : QDialog(nullptr, WindowFlags(source)), m_host(host), m_dialog(&dialog), m_source(source) {
  setWindowTitle(ToQString(source.caption));
  setAccessibleName(ToQString(DialogName(source)));
  setFont(DialogFont(source));
  setPalette(DialogPalette(palette()));
  setFixedSize(ClientSize(source));

  m_client = new ClientArea(*this);
  m_client->setGeometry(QRect(QPoint(0, 0), ClientSize(source)));
  for (const ControlTemplate& control : source.controls) {
    m_controls.push_back(ControlWidget{&control, CreateControl(control)});
  }
  // The template's first control lies on top, the client area under all.
  for (auto it = m_controls.rbegin(); it != m_controls.rend(); ++it) it->widget->raise();
  m_client->lower();
}

DialogWindow::~DialogWindow() = default;

QWidget* DialogWindow::Control(int id) const {
  for (const ControlWidget& c : m_controls) {
    if (c.source->id == id) return c.widget;
  }
  return nullptr;
}

// --- controls from the template ----------------------------------------------

QWidget* DialogWindow::CreateControl(const ControlTemplate& control) {
  const ControlLook look = DescribeControl(control);
  QWidget* widget = nullptr;
  switch (look.kind) {
    case ControlKind::PushButton:
      widget = CreateButton(control, look);
      break;
    case ControlKind::Edit:
      widget = CreateEdit(control, look);
      break;
    case ControlKind::Text:
      widget = CreateText(control, look);
      break;
    case ControlKind::Picture:
      widget = CreatePicture(control);
      break;
  }
  widget->setFont(font());
  widget->setProperty("controlId", control.id);
  if (look.kind == ControlKind::Edit)
    widget->setAccessibleName(ToQString(ControlName(m_source, control)));
  if (widget->focusPolicy() != Qt::NoFocus) {
    widget->setFocusPolicy(look.tabStop ? Qt::StrongFocus : Qt::ClickFocus);
  }
  widget->setEnabled(!look.disabled);
  if (!look.visible) widget->hide();
  return widget;
}

QWidget* DialogWindow::CreateButton(const ControlTemplate& control, const ControlLook& look) {
  auto* button = new QPushButton(ToQString(control.text), this);
  button->setGeometry(ControlRect(control));
  button->setAutoDefault(true);
  button->setDefault(look.defaultButton);
  const int id = control.id;
  connect(button, &QPushButton::clicked, this,
          [this, id] { Dispatch([id](Dialog& d) { d.DispatchCommand(id, BN_CLICKED); }); });
  return button;
}

QWidget* DialogWindow::CreateEdit(const ControlTemplate& control, const ControlLook& look) {
  auto* edit = new QLineEdit(ToQString(control.text), this);
  edit->setGeometry(ControlRect(control));
  edit->setCursorPosition(0);
  const bool readOnly = look.readOnly;
  edit->setReadOnly(readOnly);
  if (look.digits) edit->setInputMethodHints(Qt::ImhPreferNumbers);
  // A read-only box shows the dialog's background, not the white of a box
  // that takes typing.
  const QColor base = readOnly ? DialogBackground() : QColor(Qt::white);
  QPalette palette = edit->palette();
  for (QPalette::ColorGroup g : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
    palette.setColor(g, QPalette::Base, base);
  }
  edit->setPalette(palette);
  if (look.staticEdge) {
    // A thin sunken edge: dark on the top and left, light on the bottom and
    // right.
    edit->setStyleSheet(
        QStringLiteral("QLineEdit { border: 1px solid; border-color: rgb(160, 160, 160) "
                       "rgb(255, 255, 255) rgb(255, 255, 255) rgb(160, 160, 160); "
                       "background: %1; padding: 0 1px; }")
            .arg(base.name()));
  } else if (!look.border) {
    edit->setFrame(false);
  }
  // Typing, pasting, deleting: every change of the text the user makes.
  // Changes the dialog makes itself (CWnd::SetWindowText) are notified by
  // the core, with this signal blocked while the text is set.
  const int id = control.id;
  connect(edit, &QLineEdit::textChanged, this,
          [this, id] { Dispatch([id](Dialog& d) { d.DispatchCommand(id, EN_CHANGE); }); });
  return edit;
}

QWidget* DialogWindow::CreatePicture(const ControlTemplate& control) {
  // A picture control takes the size of its picture.
  const Bitmap* bitmap = LoadBitmap(control.bitmap);
  auto* picture = new PictureControl(bitmap != nullptr ? ViewBitmap(*bitmap) : QImage(), this);
  const QRect rect = ControlRect(control);
  picture->setGeometry(QRect(rect.topLeft(), picture->Picture().size()));
  if (picture->Picture().isNull()) picture->hide();
  return picture;
}

QWidget* DialogWindow::CreateText(const ControlTemplate& control, const ControlLook& look) {
  auto* label = new QLabel(ToQString(control.text), this);
  label->setGeometry(ControlRect(control));
  label->setTextFormat(Qt::PlainText);
  label->setWordWrap(true);
  label->setAlignment(HorizontalAlignment(look.align) | Qt::AlignVCenter);
  // Text labels let clicks through to the window behind them.
  label->setAttribute(Qt::WA_TransparentForMouseEvents);
  return label;
}

// --- the modal life ------------------------------------------------------------

void DialogWindow::PrepareToShow() {
  m_client->TakeInstrumentFocus(m_dialog != nullptr && !m_dialog->Instruments().empty());
  const FocusStop opening = m_dialog != nullptr ? OpeningFocus(*m_dialog) : FocusStop{};
  QWidget* first = opening.kind == FocusStop::Kind::kControl ? Control(opening.id) : nullptr;
  if (first != nullptr) first->setFocus(Qt::OtherFocusReason);
  if (const QScreen* s = screen() != nullptr ? screen() : QGuiApplication::primaryScreen()) {
    move(s->availableGeometry().center() - rect().center());
  }
}

void DialogWindow::EndModal(int result) {
  if (isVisible()) {
    done(result);
  } else {
    setResult(result);
  }
}

void DialogWindow::Detach() {
  m_dialog = nullptr;
  for (auto& [id, timer] : m_timers) timer->stop();
  hide();
}

void DialogWindow::accept() {
  Dispatch([](Dialog& d) { d.DispatchCommand(IDOK, BN_CLICKED); });
}

void DialogWindow::reject() {
  Dispatch([](Dialog& d) { d.DispatchCommand(IDCANCEL, BN_CLICKED); });
}

void DialogWindow::keyPressEvent(QKeyEvent* event) {
  // Keys that the controls leave alone reach the window: Enter presses the
  // default push button, Escape cancels, F1 offers the window menu.
  const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
  if (modifiers == Qt::NoModifier) {
    switch (event->key()) {
      case Qt::Key_Return:
      case Qt::Key_Enter:
        Dispatch([](Dialog& d) { d.DispatchKey(VK_RETURN); });
        return;
      case Qt::Key_Escape:
        Dispatch([](Dialog& d) { d.DispatchKey(VK_ESCAPE); });
        return;
      case Qt::Key_F1:
        if (HasWindowMenu()) {
          ShowWindowMenu(mapToGlobal(QPoint(0, 0)));
          return;
        }
        break;
      default:
        break;
    }
  }
  // Not QDialog's handling: it would end the window behind the dialog.
  QWidget::keyPressEvent(event);
}

bool DialogWindow::focusNextPrevChild(bool next) {
  if (m_dialog == nullptr) return QDialog::focusNextPrevChild(next);
  FocusStop current;
  const QWidget* focused = focusWidget();
  if (focused == m_client && m_dialog->FocusedInstrument() >= 0) {
    current = {FocusStop::Kind::kInstrument, m_dialog->FocusedInstrument()};
  }
  for (const ControlWidget& c : m_controls) {
    if (c.widget == focused) current = {FocusStop::Kind::kControl, c.source->id};
  }
  const FocusStop to = NextFocusStop(*m_dialog, current, !next);
  if (to.kind == FocusStop::Kind::kInstrument) {
    m_client->TabToInstrument(to.id);
    return true;
  }
  QWidget* widget = to.kind == FocusStop::Kind::kControl ? Control(to.id) : nullptr;
  if (widget == nullptr) return false;
  widget->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
  return true;
}

void DialogWindow::closeEvent(QCloseEvent* event) {
  // The close button is the close command; the dialog ends the window
  // (through EndModal) if it agrees.
  event->ignore();
  if (m_dialog == nullptr || m_dialog->IsEnding()) return;
  // A message box or a dialog over this window was started by one of its
  // handlers: it ends now, its loop returns, and the handler finishes before
  // the dialog gets the command.
  if (m_host.EndAbove(*m_dialog) && m_depth > 0) {
    m_closePending = true;
    return;
  }
  Dispatch([](Dialog& d) { d.DispatchSysCommand(SC_CLOSE); });
}

void DialogWindow::DeliverPendingClose() {
  m_closePending = false;
  Dispatch([](Dialog& d) { d.DispatchSysCommand(SC_CLOSE); });
}

void DialogWindow::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  QWindow* handle = windowHandle();
  if (handle != nullptr && handle != m_exposeWatched) {
    if (m_exposeWatched != nullptr) m_exposeWatched->removeEventFilter(this);
    handle->installEventFilter(this);
    m_exposeWatched = handle;
  }
}

bool DialogWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == m_exposeWatched && event->type() == QEvent::Expose &&
      m_exposeWatched->isExposed()) {
    // The window came into view (shown, uncovered, restored): the dialog
    // paints its whole picture anew before the window shows it.
    Dispatch([](Dialog& d) { d.DispatchPaint(); });
  }
  return QDialog::eventFilter(watched, event);
}

// --- controls --------------------------------------------------------------------

bool DialogWindow::SetControlTextQuietly(int id, std::string_view text) {
  QWidget* widget = Control(id);
  if (widget == nullptr) return false;
  const QString value = ToQString(text);
  if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
    // The core notifies the change; the edit's own signal is the user's.
    const QSignalBlocker quiet(edit);
    const bool news = edit->isReadOnly() && edit->text() != value;
    edit->setText(value);
    edit->setCursorPosition(0);  // a new text shows from its beginning
    // A new message of the message line is told to a screen reader once, as
    // the line's description.
    if (news) edit->setAccessibleDescription(value);
  } else if (auto* button = qobject_cast<QPushButton*>(widget)) {
    button->setText(value);
  } else if (auto* label = qobject_cast<QLabel*>(widget)) {
    label->setText(value);
  }
  return true;
}

std::string DialogWindow::ControlText(int id) const {
  QWidget* widget = Control(id);
  if (auto* edit = qobject_cast<QLineEdit*>(widget)) return ToUtf8(edit->text());
  if (auto* button = qobject_cast<QPushButton*>(widget)) return ToUtf8(button->text());
  if (auto* label = qobject_cast<QLabel*>(widget)) return ToUtf8(label->text());
  return std::string();
}

void DialogWindow::EnableControl(int id, bool enable) {
  if (QWidget* widget = Control(id)) widget->setEnabled(enable);
}

bool DialogWindow::IsControlEnabled(int id) const {
  const QWidget* widget = Control(id);
  return widget != nullptr && widget->isEnabledTo(this);
}

void DialogWindow::FocusControl(int id) {
  QWidget* widget = Control(id);
  if (widget == nullptr) return;
  widget->setFocus(Qt::OtherFocusReason);
  if (auto* edit = qobject_cast<QLineEdit*>(widget)) edit->selectAll();
}

// --- timers, window menu, icon --------------------------------------------------

void DialogWindow::SetTimer(unsigned id, unsigned milliseconds) {
  QTimer* timer = nullptr;
  for (auto& [timerId, t] : m_timers) {
    if (timerId == id) timer = t;
  }
  if (timer == nullptr) {
    timer = new QTimer(this);
    timer->setTimerType(Qt::PreciseTimer);
    connect(timer, &QTimer::timeout, this, [this, id] {
      Dispatch([id](Dialog& d) {
        run_report::NoteTick();
        d.DispatchTimer(id);
      });
    });
    m_timers.emplace_back(id, timer);
  }
  const unsigned period =
      std::clamp(milliseconds, kMinimumTimerPeriod, static_cast<unsigned>(INT_MAX));
  timer->start(static_cast<int>(period));
}

bool DialogWindow::HasWindowMenu() const {
  return m_dialog != nullptr && m_dialog->HasSystemMenuItem();
}

void DialogWindow::ShowWindowMenu(const QPoint& globalPos) {
  if (!HasWindowMenu()) return;
  QMenu menu(this);
  for (const WindowMenuItem& item : m_dialog->SystemMenuItems()) {
    if (item.separator) {
      menu.addSeparator();
    } else {
      QAction* action = menu.addAction(QString::fromStdString(item.text));
      action->setData(item.command);
      action->setEnabled(item.enabled);
    }
  }
  const QAction* chosen = menu.exec(globalPos);
  if (chosen == nullptr) return;
  const unsigned command = chosen->data().toUInt();
  Dispatch([command](Dialog& d) { d.DispatchSysCommand(command); });
}

void DialogWindow::ShowIcon() {
  if (m_dialog == nullptr) return;
  const Icon* big = m_dialog->WindowIcon(true);
  const Icon* small = m_dialog->WindowIcon(false);
  QIcon windowIcon;
  if (big != nullptr) AddIconImage(windowIcon, big->large);
  if (small != nullptr) AddIconImage(windowIcon, small->small);
  setWindowIcon(windowIcon);
}

// --- the surface -------------------------------------------------------------------

void DialogWindow::SurfaceChanged(const CRect& rect) {
  m_client->Changed(QRect(rect.left, rect.top, rect.Width(), rect.Height()));
}

void DialogWindow::PresentNow() { m_client->PresentNow(); }

}  // namespace lab
