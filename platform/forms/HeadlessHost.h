#pragma once

#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/forms/Host.h"

namespace forms {

// The host for tests: it records what a person would have seen, answers message boxes from a
// script, and runs a test's callback inside each modal window before the window closes.
class ComboBox;

class HeadlessHost : public Host {
public:
    struct Message {
        std::string prompt;
        int style = 0;
        std::string title;
        int answer = 0;

        int Buttons() const { return style & 0x0F; }
        int Icon() const { return style & 0x70; }
    };

    // Answers the next message boxes in order; without a scripted answer a box gets its
    // default button (OK, Abort, Yes or Retry).
    void AnswerNext(int answer) { answers_.push_back(answer); }
    // Runs `action` inside the next modal show of window `formName`; the window is closed
    // with its close box afterwards when the action left it open.
    void OnModal(const std::string& formName, std::function<void(Form&)> action);

    // Answers the next font dialogs in order: a choice is OK with that font, nullopt is
    // Cancel; without a scripted answer the dialog is cancelled.
    void AnswerFontDialog(std::optional<FontChoice> answer) { fontAnswers_.push_back(answer); }
    struct FontDialog {
        FontChoice shown;
        vb::Long flags = 0;
    };
    const std::vector<FontDialog>& FontDialogs() const { return fontDialogs_; }
    int Beeps() const { return beeps_; }
    // Answers the next input boxes in order (nullopt cancels); without a scripted answer the
    // box is confirmed with its default text.
    void AnswerInputBox(std::optional<std::string> answer) {
        inputAnswers_.push_back(std::move(answer));
    }
    // The prompts of the input boxes shown, in order.
    const std::vector<std::string>& InputPrompts() const { return inputPrompts_; }
    // Answers the next printer dialogs in order: true prints as the dialog was opened, a
    // choice prints with that queue (or file) and copies, false cancels; without a scripted
    // answer the dialog prints as it was opened.
    void AnswerPrinterDialog(bool print) { printerAnswers_.push_back({print, std::nullopt}); }
    void AnswerPrinterDialog(const PrinterChoice& choice) {
        printerAnswers_.push_back({true, choice});
    }
    // The document names of the printer dialogs shown, in order.
    const std::vector<std::string>& PrinterDialogs() const { return printerDialogs_; }
    // What each of them showed as chosen when it opened.
    const std::vector<PrinterChoice>& PrinterDialogChoices() const { return printerChoices_; }

    // A person's hand on the windows.  Each is false when the focus stayed where it was (a
    // Validate handler of the control losing it cancelled), and the action then ends.
    // A click into `control`, which must be one a person can reach: the focus moves there,
    // then a button, check box or option button is clicked.
    bool Click(Control& control);
    // Tab (Shift+Tab: backwards) in the window: the focus moves to the next control.
    bool PressTab(Form& form, bool backwards = false);
    // The list's arrow: the focus comes to the combo box and its list opens (DropDown).
    bool OpenList(ComboBox& combo);
    // Opens the list and picks the entry that reads `entry`; false also when there is none.
    bool Choose(ComboBox& combo, const std::string& entry);

    // The handlers that can never run, as windows loaded (see Form::On).
    void WiringFault(Form& form, const std::string& text) override;
    const std::vector<std::string>& WiringFaults() const { return wiringFaults_; }

    const std::vector<Message>& Messages() const { return messages_; }
    // The prompts of the message boxes shown, in order.
    std::vector<std::string> MessagePrompts() const {
        std::vector<std::string> prompts;
        prompts.reserve(messages_.size());
        for (const auto& message : messages_)
            prompts.push_back(message.prompt);
        return prompts;
    }
    void ClearMessages() { messages_.clear(); }
    // One line per window event: "show frmMain", "modal frmOrder owner frmMain", "hide
    // frmSplash", "unload frmSplash", "refresh frmSplash".
    const std::vector<std::string>& Journal() const { return journal_; }
    void ClearJournal() { journal_.clear(); }
    const std::vector<vb::Integer>& MousePointers() const { return pointers_; }
    // Documents opened, in order; the next opening fails, for `reason`, when told so.
    const std::vector<std::string>& OpenedDocuments() const { return opened_; }
    void FailNextOpen(std::string reason) { failNextOpen_ = std::move(reason); }

    int MessageBox(const std::string& prompt, int style, const std::string& title) override;
    void WindowShown(Form& form, Form* owner) override;
    void RunModal(Form& form, Form* owner) override;
    void WindowHidden(Form& form) override;
    void WindowUnloaded(Form& form) override;
    void WindowRefresh(Form& form) override;
    void MousePointerChanged(vb::Integer pointer) override { pointers_.push_back(pointer); }
    std::string ClipboardText() override { return clipboard_; }
    void SetClipboardText(const std::string& text) override { clipboard_ = text; }
    bool OpenDocument(const std::string& target, std::string& reason) override;
    bool ChooseFont(FontChoice& font, vb::Long flags) override;
    bool ShowPrinterDialog(const std::string& documentName, PrinterChoice& choice) override;
    std::optional<std::string> InputBox(const std::string& prompt, const std::string& title,
                                        const std::string& defaultText) override;
    void Beep() override { ++beeps_; }

    // The virtual clock, in milliseconds since the host was made.  AdvanceTime moves it on
    // and fires every timer that falls due on the way, in the order of their due times
    // (timers due at the same time in the order they were started).
    void StartTimer(Timer& timer) override;
    void StopTimer(Timer& timer) override;
    void AdvanceTime(vb::Long milliseconds);
    long long Now() const { return now_; }
    bool IsTimerRunning(const Timer& timer) const;

private:
    std::deque<int> answers_;
    std::map<std::string, std::deque<std::function<void(Form&)>>> modalActions_;
    std::vector<Message> messages_;
    std::vector<std::string> wiringFaults_;
    std::vector<std::string> journal_;
    std::vector<vb::Integer> pointers_;
    std::string clipboard_;
    std::vector<std::string> opened_;
    std::optional<std::string> failNextOpen_;
    std::deque<std::optional<FontChoice>> fontAnswers_;
    std::vector<FontDialog> fontDialogs_;
    int beeps_ = 0;
    struct PrinterAnswer {
        bool print = true;
        std::optional<PrinterChoice> choice;  // nullopt: as the dialog was opened
    };
    std::deque<PrinterAnswer> printerAnswers_;
    std::vector<PrinterChoice> printerChoices_;
    std::deque<std::optional<std::string>> inputAnswers_;
    std::vector<std::string> inputPrompts_;
    std::vector<std::string> printerDialogs_;

    struct ArmedTimer {
        Timer* timer = nullptr;
        long long due = 0;
        unsigned long long order = 0;
    };
    std::vector<ArmedTimer> timers_;
    long long now_ = 0;
    unsigned long long nextOrder_ = 0;
};

}  // namespace forms
