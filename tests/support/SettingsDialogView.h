// A settings dialog without a window, as some frameworks drive one: setting a
// control from code raises the same notification a user's click does, so only
// dialogLoading keeps the filling quiet. Posted messages wait until Pump().
#pragma once
#include <cstdint>
#include <deque>
#include <map>

#include "documents/settings/SettingsDialog.h"
#include "platform/Types.h"

namespace xd::test {

class FakeSettingsDialogView final : public ISettingsDialogView {
public:
    bool Create(WindowHandle) override {
        if (failCreate) return false;
        ++created;
        closed = false;
        return true;
    }
    void PostDeferredLoad() override { posted.push_back(kSettingsDeferredLoad); }
    void ShowModal() override {}
    void BringToForeground() override { ++broughtToFront; }
    void PostCloseRequest() override { posted.push_back(msg::kClose); }
    void Close() override { closed = true; }
    WindowHandle Handle() override { return handle; }
    bool IsChecked(SettingsCheck box) override { return checks[box]; }
    void SetChecked(SettingsCheck box, bool checked) override {
        if (checks[box] == checked) return;
        checks[box] = checked;
        OnSettingsCheckClicked(*context, box);
    }
    void SetHotkeyItems(HotkeyList list, const HotkeyItems& list_items) override { items[list] = list_items; }
    int SelectedHotkeyItem(HotkeyList list) override { return selected.count(list) ? selected[list] : -1; }
    void SelectHotkeyItem(HotkeyList list, int index) override {
        selected[list] = index;
        OnHotkeyListChanged(*context, list);
    }

    std::string WaitSecondsText() override { return waitText; }
    void SetWaitSecondsText(const std::string& text) override {
        waitText = text;
        OnWaitSecondsChanged(*context);
    }
    // The user's typing in Text1, as its change notification follows.
    void TypeWaitSeconds(const std::string& text) { SetWaitSecondsText(text); }

    void Pump() {
        while (!posted.empty()) {
            const std::uint32_t message = posted.front();
            posted.pop_front();
            if (message == kSettingsDeferredLoad) OnSettingsDeferredLoad(*context, kSettingsDeferredLoadParam);
            if (message == msg::kClose) static_cast<void>(OnSettingsCloseRequest(*context));
        }
    }
    void Click(SettingsCheck box) { SetChecked(box, !checks[box]); }

    // The handlers the dialog's notifications go to; set before the first use.
    SettingsDialogContext* context = nullptr;
    WindowHandle handle = 0x2002;
    bool failCreate = false;
    bool closed = true;
    int created = 0;
    int broughtToFront = 0;
    std::deque<std::uint32_t> posted;
    std::map<SettingsCheck, bool> checks{
        {SettingsCheck::Check2, false}, {SettingsCheck::Check3, false}, {SettingsCheck::Check4, false},
        {SettingsCheck::Check5, false}, {SettingsCheck::Check6, false}, {SettingsCheck::Check7, false},
        {SettingsCheck::Check8, false}, {SettingsCheck::Check9, false}, {SettingsCheck::Check10, false},
        {SettingsCheck::Check11, false}, {SettingsCheck::Check12, false}};
    std::string waitText;
    std::map<HotkeyList, HotkeyItems> items;
    std::map<HotkeyList, int> selected;
};

}  // namespace xd::test
