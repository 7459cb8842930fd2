#pragma once

#include <QApplication>
#include <QTest>
#include <string>

#include "platform/forms/Description.h"
#include "platform/forms/Host.h"
#include "platform/forms/Instance.h"
#include "platform/forms/StringTable.h"
#include "platform/qtview/FormWindow.h"
#include "platform/qtview/QtHost.h"
#include "platform/qtview/ToolRow.h"
#include "tests/support/TestEnvironment.h"

// One QApplication for the test program; it runs on the offscreen platform.
inline QApplication& TestApplication() {
    static int argc = 1;
    static char name[] = "test_qtview";
    static char* argv[] = {name, nullptr};
    static auto* app = new QApplication(argc, argv);
    return *app;
}

// The window's first toolbar, nullptr when it has none.
inline qtview::ToolRow* FirstToolRow(const QWidget& window) {
    for (QWidget* child : window.findChildren<QWidget*>())
        if (auto* row = dynamic_cast<qtview::ToolRow*>(child)) return row;
    return nullptr;
}

// A program folder of its own with the tests' window descriptions, and the Qt host.
struct QtFixture {
    QApplication& app = TestApplication();
    TestEnvironment env;
    std::string folder = env.UseProgramFolder();
    qtview::QtHost host;

    QtFixture() {
        forms::ResetInstances();
        forms::SetHost(&host);
        forms::ReloadWindowDescriptions();
        forms::ReloadStringTable();
    }
    ~QtFixture() {
        forms::ResetInstances();
        forms::SetHost(nullptr);
        forms::ReloadWindowDescriptions();
        forms::ReloadStringTable();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    void Describe(const std::string& name, const std::string& json) const {
        env.WriteFile("app/forms/" + name + ".json", json);
    }

    qtview::FormWindow& WindowOf(const forms::Form& form) const { return *host.WindowOf(form); }
    template <class W>
    W& WidgetOf(const forms::Control& control) const {
        auto* widget = qobject_cast<W*>(host.WidgetOf(control));
        if (!widget) throw std::runtime_error("no widget of that kind for " + control.Name());
        return *widget;
    }
    // Shows the window and gives it the keyboard, as a person's click on it would.
    void ShowActive(forms::Form& form) const {
        form.Show();
        qtview::FormWindow& window = WindowOf(form);
        window.activateWindow();
        QApplication::setActiveWindow(&window);
        QApplication::processEvents();
    }
};
