#include "ui/window_placement.h"

#include "core/settings_store.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>
#include <string_view>

namespace {

constexpr std::string_view kWindowPosition = "Window Position";
constexpr std::string_view kZoom = "Zoom";
constexpr std::string_view kIcon = "Icon";
constexpr std::string_view kLeft = "Left";
constexpr std::string_view kTop = "Top";
constexpr std::string_view kWidth = "Width";
constexpr std::string_view kHeight = "Height";

// A stored placement counts as on a screen when this much of its top edge is on one.
constexpr int kMinVisibleWidth = 64;
constexpr int kTitleStripHeight = 24;

QRect MovedOntoScreen(const QRect& rect)
{
    const QList<QScreen*> screens = QGuiApplication::screens();
    if (screens.isEmpty()) {
        return rect;
    }
    const QRect titleStrip(rect.left(), rect.top(), rect.width(), kTitleStripHeight);
    for (const QScreen* screen : screens) {
        if (screen->availableGeometry().intersected(titleStrip).width() >= kMinVisibleWidth) {
            return rect;
        }
    }
    const QScreen* target = QGuiApplication::screenAt(rect.center());
    if (target == nullptr) {
        target = QGuiApplication::primaryScreen();
    }
    const QRect area = target->availableGeometry();
    const QSize size = rect.size().boundedTo(area.size());
    const int left = std::clamp(rect.left(), area.left(), area.left() + area.width() - size.width());
    const int top = std::clamp(rect.top(), area.top(), area.top() + area.height() - size.height());
    return QRect(QPoint(left, top), size);
}

} // namespace

SWindowPlacement ReadWindowPlacement(const ISettingsStore& settings, const QRect& start)
{
    SWindowPlacement placement;
    placement.maximised = settings.GetInt(kWindowPosition, kZoom, 0) != 0;
    // "Icon" is stored but never used: the frame does not start minimised.
    placement.rect = QRect(settings.GetInt(kWindowPosition, kLeft, start.left()),
                           settings.GetInt(kWindowPosition, kTop, start.top()),
                           settings.GetInt(kWindowPosition, kWidth, start.width()),
                           settings.GetInt(kWindowPosition, kHeight, start.height()));
    return placement;
}

QRect PlacementOnScreen(const QRect& rect, const QSize& minimum, const QSize& maximum)
{
    const QSize size = rect.size().expandedTo(minimum).boundedTo(maximum);
    return MovedOntoScreen(QRect(rect.topLeft(), size));
}

void StoreWindowPlacement(ISettingsStore& settings, const QWidget& window)
{
    const auto write = [&settings](std::string_view name, int value) {
        return settings.SetInt(kWindowPosition, name, value);
    };
    if (!write(kZoom, 0) || !write(kIcon, 0)) {
        return;
    }
    if ((window.isMaximized() && !write(kZoom, 1)) || (window.isMinimized() && !write(kIcon, 1))) {
        return;
    }
    const QRect rect(window.pos(), window.size());
    if (write(kLeft, rect.left()) && write(kTop, rect.top()) && write(kWidth, rect.width())) {
        write(kHeight, rect.height());
    }
}
