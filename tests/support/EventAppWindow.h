// The event-list main window's own controls as plain records, for tests.
#pragma once
#include "eventlist/app/EventAppWindow.h"

namespace xd::test {

class FakeEventAppWindow final : public IEventAppWindow {
public:
    WindowHandle Handle() override { return handle; }
    void SetRecordActive(bool on) override { recordActive = on; }
    void EnableEditing(bool on) override { editingEnabled = on; }
    void ShowHintWindow(Point topLeft) override {
        hintShown = true;
        hintAt = topLeft;
    }
    void CloseHintWindow() override {
        hintShown = false;
        ++hintCloses;
    }
    void SetExpanded(bool on) override { expanded = on; }

    WindowHandle handle = kNoWindow;
    bool recordActive = false;
    bool editingEnabled = true;
    bool hintShown = false;
    Point hintAt{};
    int hintCloses = 0;
    bool expanded = false;
};

}  // namespace xd::test
