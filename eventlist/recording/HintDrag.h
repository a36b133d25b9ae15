// The end of a drag of the position hint window: the selected line's first event
// moves to where the hint was dropped, or the hint slides back.
#pragma once
#include <functional>

#include "eventlist/recording/EventEditing.h"
#include "eventlist/recording/TargetCapture.h"

namespace xd {

enum class HintDropResult {
    NoSelection,  // nothing selected (or recording, playing): nothing done
    SlidBack,     // over this program, or another window in dedicated mode
    Moved,        // the event took the new point
    MovedNoText   // moved, but its display text has no "," to rewrite
};

// hintTopLeft is the hint window's top-left corner when the drag ends.
// slideBack animates the hint back to the event's position (with a closing
// left-click effect); the player side owns that animation.
HintDropResult EndHintDrag(EventEditContext& c, WindowTextCache& cache, Point hintTopLeft,
                           const std::function<void(const RecordedEvent& event)>& slideBack);

}  // namespace xd
