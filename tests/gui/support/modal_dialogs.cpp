#include "modal_dialogs.h"

#include <QAbstractButton>
#include <QApplication>
#include <QTimer>

namespace {

constexpr int kPollMs = 10;

} // namespace

QPointer<QTimer> WhenModalOpens(std::function<bool(QWidget* modal)> action)
{
    auto* timer = new QTimer(qApp);
    timer->setInterval(kPollMs);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, action = std::move(action)] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal != nullptr && action(modal)) {
            timer->stop();
            timer->deleteLater();
        }
    });
    timer->start();
    return timer;
}

QPointer<QTimer> ClickInNextModal(const QString& windowName, const QString& buttonName,
                                  std::function<void(QWidget* modal)> inspect)
{
    return WhenModalOpens([windowName, buttonName, inspect = std::move(inspect)](QWidget* modal) {
        if (modal->objectName() != windowName) {
            return false;
        }
        if (inspect) {
            inspect(modal);
        }
        if (auto* button = modal->findChild<QAbstractButton*>(buttonName)) {
            button->click();
        }
        return true;
    });
}
