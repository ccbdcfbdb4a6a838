#include "ui/widgets/announcer.h"

#include <QAccessible>
#include <QAccessibleWidget>

namespace {

QAccessibleInterface* NotificationInterface(const QString& className, QObject* object)
{
    if (className == QLatin1String(CAnnouncer::staticMetaObject.className()) && object != nullptr &&
        object->isWidgetType()) {
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Notification);
    }
    return nullptr;
}

} // namespace

CAnnouncer::CAnnouncer(QWidget* parent) : QWidget(parent)
{
    static const bool installed = [] {
        QAccessible::installFactory(NotificationInterface);
        return true;
    }();
    Q_UNUSED(installed);
    setObjectName(QStringLiteral("announcer"));
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFixedSize(1, 1);
    hide();
}

void CAnnouncer::Announce(const QString& text)
{
    const QString said = text.trimmed();
    if (said.isEmpty()) {
        return;
    }
    // Shown again even when it says the same text twice: the second outcome is news too.
    hide();
    setAccessibleName(said);
    show();
}
