#pragma once

#include <functional>

class TComponent;

enum TMouseButton { mbLeft, mbRight, mbMiddle };

enum TShiftStateFlag : unsigned {
    ssShift = 1,
    ssAlt = 2,
    ssCtrl = 4,
    ssLeft = 8,
    ssRight = 16,
    ssMiddle = 32,
    ssDouble = 64,
};
using TShiftState = unsigned;

using TNotifyEvent = std::function<void(TComponent* Sender)>;
using TMouseEvent =
    std::function<void(TComponent* Sender, TMouseButton Button, TShiftState Shift, int X, int Y)>;
using TMouseMoveEvent = std::function<void(TComponent* Sender, TShiftState Shift, int X, int Y)>;
using TCanResizeEvent =
    std::function<void(TComponent* Sender, int& NewWidth, int& NewHeight, bool& Resize)>;

// A form's handler bound to the form; exactly one member is set, the event
// kind the handler's parameters make it.
struct TBoundMethod {
    TNotifyEvent Notify;
    TMouseEvent Mouse;
    TMouseMoveEvent MouseMove;
    TCanResizeEvent CanResize;
};
