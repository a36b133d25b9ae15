#include "documents/settings/SettingsDialog.h"

#include <atomic>
#include <string>

#include "documents/ProfileValues.h"
#include "documents/SettingsStore.h"
#include "documents/settings/FileAssociation.h"

namespace xd {
namespace {

void StoreOption(SettingsDialogContext& context, std::string_view key, const std::string& value) {
    // A failed write is not reported; the option keeps its value for this run.
    static_cast<void>(WriteOption(context.script.profile, context.script.settingsFile, kOptionsSection, key, value));
}

void ApplyCheckBox(SettingsDialogContext& context, const OptionCheckBox& row, bool ticked) {
    const std::int32_t v = ticked ? -1 : 0;
    context.script.options.*row.option = v;
    if (row.configMember) {
        if (std::atomic<std::int32_t>* member = IntegerMember(context.script.config, *row.configMember)) {
            member->store(v);
        }
        std::string line(row.lineKey);
        line += ticked ? "=1" : "=0";
        line += row.lineComment;
        RewriteConfigLine(context.script.editor, row.lineKey, line);
    }
    StoreOption(context, row.settingsKey, FormatProfileFlag(ticked));
}

}  // namespace

const OptionCheckBox* FindOptionCheckBox(SettingsCheck box) noexcept {
    for (const OptionCheckBox& row : kOptionCheckBoxes)
        if (row.box == box) return &row;
    return nullptr;
}

HotkeyItems MakeHotkeyItems() {
    HotkeyItems items;
    for (int i = 0; i < kHotkeyItemCount; ++i) items[static_cast<std::size_t>(i)] = "F" + std::to_string(i + 1);
    return items;
}

void OpenSettingsDialog(SettingsDialogContext& context) noexcept {
    // While the modal loop runs, the tray menu can still ask for the dialog.
    if (context.state.open) {
        context.view.BringToForeground();
        return;
    }
    if (!context.view.Create(context.owner)) return;
    context.state.open = true;
    context.view.PostDeferredLoad();
    context.view.ShowModal();
}

void OnSettingsDeferredLoad(SettingsDialogContext& context, std::uintptr_t wParam) noexcept {
    if (wParam != kSettingsDeferredLoadParam || !context.state.open) return;
    LoadSettingsDialog(context);
}

void LoadSettingsDialog(SettingsDialogContext& context) noexcept {
    context.state.dialogLoading = true;
    ISettingsDialogView& view = context.view;
    if (IsAssociated(context.registry, context.programPath)) view.SetChecked(SettingsCheck::Check2, true);
    for (const OptionCheckBox& row : kOptionCheckBoxes) {
        view.SetChecked(row.box, context.script.options.*row.option != 0);
    }
    view.SetWaitSecondsText(FormatProfileInt(ClampWaitForWindowSeconds(context.script.options.waitForWindowSeconds)));
    const HotkeyItems items = MakeHotkeyItems();
    view.SetHotkeyItems(HotkeyList::Record, items);
    view.SetHotkeyItems(HotkeyList::Play, items);
    // The options are clamped when read; clamping again keeps a selection whatever they hold.
    view.SelectHotkeyItem(HotkeyList::Record, ClampHotkey(context.script.options.recordKey) - kFirstHotkey);
    view.SelectHotkeyItem(HotkeyList::Play, ClampHotkey(context.script.options.playKey) - kFirstHotkey);
    context.state.dialogLoading = false;
}

void OnHotkeyListChanged(SettingsDialogContext& context, HotkeyList list) noexcept {
    if (context.state.dialogLoading) return;
    const int index = context.view.SelectedHotkeyItem(list);
    if (index < 0 || index >= kHotkeyItemCount) return;
    const std::int32_t key = kFirstHotkey + index;
    // The keyboard hook reads the option at the next key press.
    if (list == HotkeyList::Record) {
        context.script.options.recordKey = key;
        StoreOption(context, optionkey::kRecordKey, FormatProfileInt(key));
    } else {
        context.script.options.playKey = key;
        StoreOption(context, optionkey::kPlayKey, FormatProfileInt(key));
    }
}

void OnSettingsCheckClicked(SettingsDialogContext& context, SettingsCheck box) noexcept {
    if (context.state.dialogLoading) return;
    const bool ticked = context.view.IsChecked(box);
    if (box == SettingsCheck::Check2) {
        // A failed registration leaves the box ticked; the box said why.
        if (ticked) {
            static_cast<void>(RegisterAssociation(context.registry, context.boxes, context.programPath));
        } else {
            RemoveAssociation(context.registry);
        }
        return;
    }
    if (const OptionCheckBox* row = FindOptionCheckBox(box)) ApplyCheckBox(context, *row, ticked);
}

void OnWaitSecondsChanged(SettingsDialogContext& context) noexcept {
    if (context.state.dialogLoading) return;
    const int seconds = ClampWaitForWindowSeconds(ParseProfileInt64(context.view.WaitSecondsText()));
    if (seconds == context.script.options.waitForWindowSeconds) return;
    context.script.options.waitForWindowSeconds = seconds;
    StoreOption(context, optionkey::kWaitForWindow, FormatProfileInt(seconds));
}

void OnWaitSecondsDone(SettingsDialogContext& context) noexcept {
    const std::string shown = FormatProfileInt(context.script.options.waitForWindowSeconds);
    if (context.view.WaitSecondsText() == shown) return;
    // Not the user's typing: nothing to store.
    context.state.dialogLoading = true;
    context.view.SetWaitSecondsText(shown);
    context.state.dialogLoading = false;
}

void OnSettingsOkClicked(SettingsDialogContext& context) noexcept {
    if (context.state.dialogLoading) return;
    context.view.PostCloseRequest();
}

bool CheckHotkeys(SettingsDialogContext& context) noexcept {
    const int record = context.view.SelectedHotkeyItem(HotkeyList::Record);
    const int play = context.view.SelectedHotkeyItem(HotkeyList::Play);
    // Lists without a selection (not yet filled) cannot be corrected, so they
    // never hold the dialog open.
    if (record < 0 || play < 0 || record != play) return true;
    static_cast<void>(context.boxes.Show(context.view.Handle(), std::string(kSameHotkeyText),
                                         std::string(kSameHotkeyCaption), kSameHotkeyBoxFlags));
    return false;
}

bool OnSettingsCloseRequest(SettingsDialogContext& context) noexcept {
    if (!context.state.open) return true;
    if (!CheckHotkeys(context)) return false;
    context.view.Close();
    context.state.open = false;
    context.state.dialogLoading = false;
    return true;
}

}  // namespace xd
