#pragma once

#include <QAccessible>
#include <private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

#include <algorithm>
#include <vector>

// Switches Qt's accessibility on, as a screen reader's arrival does, and keeps
// the events the program raises instead of handing them to a bridge. Qt's
// offscreen platform has no bridge that could switch it on, so this throws the
// platform's own switch, as Qt's tests do.
class AccessibilityRecorder {
public:
    AccessibilityRecorder()
    {
        FActive = this;
        QAccessible::installUpdateHandler(Record);
        Platform().setActive(true);
    }
    ~AccessibilityRecorder()
    {
        Platform().setActive(false);
        QAccessible::installUpdateHandler(nullptr);
        FActive = nullptr;
    }
    AccessibilityRecorder(const AccessibilityRecorder&) = delete;
    AccessibilityRecorder& operator=(const AccessibilityRecorder&) = delete;

    long Count(const QObject* object, QAccessible::Event type) const
    {
        return std::count_if(FEvents.begin(), FEvents.end(), [&](const TEvent& event) {
            return event.Object == object && event.Type == type;
        });
    }
    void Clear() { FEvents.clear(); }

private:
    struct TEvent {
        const QObject* Object;
        QAccessible::Event Type;
    };

    static QPlatformAccessibility& Platform()
    {
        return *QGuiApplicationPrivate::platformIntegration()->accessibility();
    }
    static void Record(QAccessibleEvent* event)
    {
        FActive->FEvents.push_back({event->object(), event->type()});
    }

    static inline AccessibilityRecorder* FActive = nullptr;
    std::vector<TEvent> FEvents;
};
