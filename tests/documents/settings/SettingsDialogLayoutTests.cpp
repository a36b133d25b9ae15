#include "documents/settings/SettingsDialogLayout.h"

#include <gtest/gtest.h>

#include <string>

namespace xd::settingsdialog {
namespace {

struct Box {
    int left, top, right, bottom;
};

// What shows on the form: a drop-down list closed is one line high.
Box Shown(const ControlSpec& c) {
    const int height = c.kind == ControlKind::DropDownList ? 22 : c.height;
    return Box{c.x, c.y, c.x + c.width, c.y + height};
}
bool Intersect(const Box& a, const Box& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}
bool Inside(const Box& inner, const Box& outer) {
    return inner.left >= outer.left && inner.right <= outer.right && inner.top >= outer.top &&
           inner.bottom <= outer.bottom;
}
std::string Name(const ControlSpec& c) { return std::string(c.name) + "#" + std::to_string(c.id); }

// A box added to a frame must not run over the frames below it or over its neighbours: every visible control
// lies wholly inside one frame or clear of them all, and no two of them overlap.
TEST(SettingsDialogLayout, VisibleControlsNeitherOverlapNorCrossAFrame) {
    for (const ControlSpec& c : kControls) {
        if (!c.visible) continue;
        for (const ControlSpec& other : kControls) {
            if (!other.visible || &other == &c) continue;
            const Box a = Shown(c), b = Shown(other);
            if (c.kind == ControlKind::GroupBox && other.kind == ControlKind::GroupBox) {
                EXPECT_FALSE(Intersect(a, b)) << Name(c) << " and " << Name(other);
            } else if (other.kind == ControlKind::GroupBox && c.kind != ControlKind::GroupBox) {
                EXPECT_TRUE(Inside(a, b) || !Intersect(a, b)) << Name(c) << " crosses " << Name(other);
            } else if (c.kind != ControlKind::GroupBox && other.kind != ControlKind::GroupBox) {
                EXPECT_FALSE(Intersect(a, b)) << Name(c) << " and " << Name(other);
            }
        }
    }
}

}  // namespace
}  // namespace xd::settingsdialog
