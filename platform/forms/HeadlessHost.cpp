#include "platform/forms/HeadlessHost.h"

#include <algorithm>

#include "platform/forms/BasicControls.h"
#include "platform/forms/CheckBox.h"
#include "platform/forms/Constants.h"
#include "platform/forms/Focus.h"
#include "platform/forms/Form.h"
#include "platform/forms/ListControl.h"
#include "platform/forms/Timer.h"

namespace forms {
namespace {

int DefaultAnswer(int style) {
    switch (style & 0x0F) {
        case vbAbortRetryIgnore:
            return vbAbort;
        case vbYesNoCancel:
        case vbYesNo:
            return vbYes;
        case vbRetryCancel:
            return vbRetry;
        default:
            return vbOK;
    }
}

}  // namespace

void HeadlessHost::WiringFault(Form& form, const std::string& text) {
    Host::WiringFault(form, text);
    wiringFaults_.push_back(text);
}

void HeadlessHost::OnModal(const std::string& formName, std::function<void(Form&)> action) {
    modalActions_[formName].push_back(std::move(action));
}

int HeadlessHost::MessageBox(const std::string& prompt, int style, const std::string& title) {
    int answer = DefaultAnswer(style);
    if (!answers_.empty()) {
        answer = answers_.front();
        answers_.pop_front();
    }
    messages_.push_back(Message{prompt, style, title, answer});
    journal_.push_back("msgbox " + title);
    return answer;
}

bool HeadlessHost::ChooseFont(FontChoice& font, vb::Long flags) {
    fontDialogs_.push_back(FontDialog{font, flags});
    journal_.push_back("font dialog");
    if (fontAnswers_.empty()) return false;
    std::optional<FontChoice> answer = fontAnswers_.front();
    fontAnswers_.pop_front();
    if (!answer) return false;
    font = *answer;
    return true;
}

bool HeadlessHost::ShowPrinterDialog(const std::string& documentName, PrinterChoice& choice) {
    printerDialogs_.push_back(documentName);
    printerChoices_.push_back(choice);
    journal_.push_back("printer dialog " + documentName);
    if (printerAnswers_.empty()) return true;
    PrinterAnswer answer = printerAnswers_.front();
    printerAnswers_.pop_front();
    if (answer.print && answer.choice) choice = *answer.choice;
    return answer.print;
}

std::optional<std::string> HeadlessHost::InputBox(const std::string& prompt,
                                                  const std::string& title,
                                                  const std::string& defaultText) {
    inputPrompts_.push_back(prompt);
    journal_.push_back("input box " + title);
    if (inputAnswers_.empty()) return defaultText;
    std::optional<std::string> answer = inputAnswers_.front();
    inputAnswers_.pop_front();
    return answer;
}

void HeadlessHost::WindowShown(Form& form, Form* owner) {
    journal_.push_back("show " + form.Name() + (owner ? " owner " + owner->Name() : ""));
    form.Activate();
}

void HeadlessHost::RunModal(Form& form, Form* owner) {
    journal_.push_back("modal " + form.Name() + (owner ? " owner " + owner->Name() : ""));
    form.Activate();
    auto pending = modalActions_.find(form.Name());
    if (pending != modalActions_.end() && !pending->second.empty()) {
        auto action = std::move(pending->second.front());
        pending->second.pop_front();
        action(form);
    }
    // A person eventually closes the window; without a script, that is at once.
    if (form.IsLoaded() && form.Visible() && !form.CloseByUser()) form.Hide();
}

bool HeadlessHost::OpenDocument(const std::string& target, std::string& reason) {
    opened_.push_back(target);
    journal_.push_back("open " + target);
    if (!failNextOpen_) return true;
    reason = *failNextOpen_;
    failNextOpen_.reset();
    return false;
}

void HeadlessHost::WindowHidden(Form& form) {
    journal_.push_back("hide " + form.Name());
}

void HeadlessHost::WindowUnloaded(Form& form) {
    journal_.push_back("unload " + form.Name());
}

void HeadlessHost::WindowRefresh(Form& form) {
    journal_.push_back("refresh " + form.Name());
}

bool HeadlessHost::Click(Control& control) {
    if (!CanReceiveFocus(control.Parent(), control) || !control.FocusFromPerson()) return false;
    if (auto* button = dynamic_cast<CommandButton*>(&control))
        button->Click();
    else if (auto* check = dynamic_cast<CheckBox*>(&control))
        check->Click();
    else if (auto* option = dynamic_cast<OptionButton*>(&control))
        option->Click();
    return true;
}

bool HeadlessHost::PressTab(Form& form, bool backwards) {
    return TabFromPerson(form, backwards);
}

bool HeadlessHost::OpenList(ComboBox& combo) {
    return CanReceiveFocus(combo.Parent(), combo) && combo.OpenListByPerson();
}

bool HeadlessHost::Choose(ComboBox& combo, const std::string& entry) {
    if (!OpenList(combo)) return false;
    for (vb::Integer i = 0; i < combo.ListCount(); ++i) {
        if (combo.List(i) != entry) continue;
        combo.SetListIndex(i);
        return true;
    }
    return false;
}

void HeadlessHost::StartTimer(Timer& timer) {
    StopTimer(timer);
    timers_.push_back(ArmedTimer{&timer, now_ + timer.Interval(), nextOrder_++});
}

void HeadlessHost::StopTimer(Timer& timer) {
    std::erase_if(timers_, [&](const ArmedTimer& armed) { return armed.timer == &timer; });
}

bool HeadlessHost::IsTimerRunning(const Timer& timer) const {
    return std::any_of(timers_.begin(), timers_.end(),
                       [&](const ArmedTimer& armed) { return armed.timer == &timer; });
}

void HeadlessHost::AdvanceTime(vb::Long milliseconds) {
    const long long end = now_ + std::max<vb::Long>(milliseconds, 0);
    auto earlier = [](const ArmedTimer& a, const ArmedTimer& b) {
        return a.due != b.due ? a.due < b.due : a.order < b.order;
    };
    for (;;) {
        // A tick may start, stop or destroy timers, so the next one is looked up afresh.
        auto next = std::min_element(timers_.begin(), timers_.end(), earlier);
        if (next == timers_.end() || next->due > end) break;
        now_ = next->due;
        Timer* timer = next->timer;
        next->due += std::max<vb::Long>(timer->Interval(), 1);
        next->order = nextOrder_++;
        timer->Tick();
    }
    now_ = end;
}

}  // namespace forms
