// SPDX-License-Identifier: MIT
#include "platform/AccessibleEvents.h"

#include <QAccessible>
#include <QApplication>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QDBusVariant>
#include <QEvent>
#include <QPointer>
#include <QWidget>

namespace {
// The names Qt's bridge gives its connection to the accessibility bus and its objects.
constexpr const char* BridgeConnection = "a11y";
constexpr const char* ObjectPathPrefix = "/org/a11y/atspi/accessible/";
constexpr const char* RootPath = "/org/a11y/atspi/accessible/root";

struct TApplicationReference {
  QString Service;
};
}  // namespace

Q_DECLARE_METATYPE(TApplicationReference)

namespace {
QDBusArgument& operator<<(QDBusArgument& argument, const TApplicationReference& reference) {
  argument.beginStructure();
  argument << reference.Service << QDBusObjectPath(RootPath);
  argument.endStructure();
  return argument;
}

// Only sent, never read back; D-Bus types need both directions.
const QDBusArgument& operator>>(const QDBusArgument& argument, TApplicationReference&) { return argument; }

// The signal of type `member`:`detail` from `object`, with the arguments every
// AT-SPI object event carries.
void Send(QObject* object, const char* member, const QString& detail, int detail1) {
  if (!object || !QAccessible::isActive()) return;
  static const QMetaType registered = qDBusRegisterMetaType<TApplicationReference>();
  (void)registered;
  QDBusConnection bus(BridgeConnection);
  if (!bus.isConnected()) return;
  QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(object);
  if (!accessible) return;
  const QString path = ObjectPathPrefix + QString::number(QAccessible::uniqueId(accessible));
  QDBusMessage signal = QDBusMessage::createSignal(path, "org.a11y.atspi.Event.Object", member);
  signal << detail << detail1 << 0 << QVariant::fromValue(QDBusVariant(0))
         << QVariant::fromValue(TApplicationReference{bus.baseService()});
  bus.send(signal);
}

class TVisibleStateEvents : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    const QEvent::Type type = event->type();
    // A window minimised or restored keeps its state: those events come from outside.
    if ((type == QEvent::Show || type == QEvent::Hide) && !event->spontaneous() && watched->isWidgetType())
      Send(watched, "StateChanged", "visible", type == QEvent::Show ? 1 : 0);
    return false;
  }
};
}  // namespace

void InstallVisibleStateEvents() {
  static QPointer<TVisibleStateEvents> filter;
  if (filter) return;
  filter = new TVisibleStateEvents(qApp);
  qApp->installEventFilter(filter);
}

void AccessibleSelectionChanged(QObject* object) { Send(object, "SelectionChanged", QString(), 0); }

void AccessibleModelChanged(QObject* object) {
  Send(object, "ModelChanged", QString(), 0);
  Send(object, "VisibleDataChanged", QString(), 0);
}
