#include "platform/qtview/ToolBarsView.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QToolButton>

#include "platform/qtview/Convert.h"
#include "platform/qtview/FormWindow.h"
#include "platform/qtview/Pictures.h"
#include "platform/qtview/ToolRow.h"

namespace qtview {

ToolBarsView::ToolBarsView(forms::Control& control, FormWindow& window)
    : ViewBase(control, window) {}

ToolBarsView::~ToolBarsView() {
    for (auto& [bar, item] : toolbars_)
        delete bar.data();
    if (menuBar_) menuBar_->clear();
}

forms::ActiveToolBars& ToolBarsView::Bars() const {
    return static_cast<forms::ActiveToolBars&>(Model());
}

void ToolBarsView::Attach() {
    for (const auto& bar : Bars().ToolBars()) {
        if (bar->Get("IsMenuBar").ToBool()) {
            menuBar_ = Window().menuBar();
            AddTools(*menuBar_, bar->Tools());
            continue;
        }
        auto* toolbar = new ToolRow;
        toolbar->setObjectName(ToQt(bar->Get("Name").ToString()));
        Window().AddToolRow(toolbar);
        toolbars_.emplace_back(toolbar, bar.get());
        AddTools(*toolbar, bar->Tools(), toolbar);
    }
    ViewBase::Attach();
}

void ToolBarsView::AddTools(QWidget& owner, forms::ItemList<forms::Tool>& tools, ToolRow* row) {
    for (const auto& tool : tools) {
        vb::Integer type = tool->Type();
        if (type == forms::kToolSeparator) {
            auto* separator = new QAction(&owner);
            separator->setSeparator(true);
            owner.addAction(separator);
            if (row) row->AddSeparator(separator);
            continue;
        }
        if (type == forms::kToolPopup) {
            auto* menu = new QMenu(&owner);
            owner.addAction(menu->menuAction());
            entries_.push_back({menu->menuAction(), tool.get()});
            AddTools(*menu, tool->Menu());
            continue;
        }
        auto* action = new QAction(&owner);
        owner.addAction(action);
        if (row) {
            const forms::Tool* shared = Bars().FindTool(tool->ID());
            action->setIcon(ToolPicture((shared ? *shared : *tool).Get("Picture").ToString()));
            row->AddTool(action);
        }
        entries_.push_back({action, tool.get()});
        QObject::connect(action, &QAction::triggered, [this, id = tool->ID()] { Choose(id); });
    }
}

QWidget* ToolBarsView::FocusTarget() const {
    forms::ToolBar* focused = Bars().FocusedToolbar();
    for (const auto& [toolbar, item] : toolbars_)
        if (item == focused && toolbar) return toolbar->CurrentButton();
    return nullptr;
}

void ToolBarsView::Choose(const std::string& id) {
    if (Syncing()) return;
    // A tool may unload its window (File > Exit), and the window's views with it.
    if (!Outlived([&] { Bars().ClickTool(id); })) return;
    // A state the model kept (a grouped tool clicked while down) is shown again.
    Quietly([&] { Sync({}); });
}

void ToolBarsView::ItemChanged(forms::Control& control, const forms::PropertyObject& item,
                               std::string_view name) {
    const auto* tool = dynamic_cast<const forms::Tool*>(&item);
    // A bar's change may show or hide a toolbar; a changed ID may move entries to another tool.
    if (!tool || name == "ID") return ViewBase::ItemChanged(control, item, name);
    Quietly([&] {
        const std::string id = tool->ID();
        for (const Entry& entry : entries_)
            if (entry.barTool->HasID(id)) SyncEntry(entry);
        if (name == "Visible") SyncRows();
    });
}

void ToolBarsView::SyncEntry(const Entry& entry) const {
    const forms::Tool* shared = Bars().FindTool(entry.barTool->ID());
    const forms::Tool& own = shared ? *shared : *entry.barTool;
    std::string caption = entry.barTool->Get("Name").ToString();
    if (caption.empty()) caption = own.Get("Name").ToString();
    entry.action->setText(ToQt(caption));
    if (QMenu* menu = entry.action->menu()) menu->setTitle(ToQt(caption));
    std::string tip = own.Get("ToolTipText").ToString();
    entry.action->setToolTip(WithoutMnemonics(ToQt(tip.empty() ? caption : tip)));
    entry.action->setCheckable(own.Type() == forms::kToolStateButton);
    entry.action->setChecked(own.State() == forms::kToolDown);
    entry.action->setEnabled(own.Get("Enabled").ToBool());
    entry.action->setVisible(own.Get("Visible").ToBool());
}

void ToolBarsView::Sync(std::string_view) {
    for (const Entry& entry : entries_)
        SyncEntry(entry);
    SyncRows();
}

void ToolBarsView::SyncRows() {
    bool resized = false;
    for (auto& [toolbar, item] : toolbars_) {
        if (toolbar) toolbar->FollowActions();
        bool visible = item->Get("Visible").ToBool();
        if (toolbar && toolbar->isHidden() == visible) {
            toolbar->setVisible(visible);
            resized = true;
        }
    }
    if (resized) Window().FitToClient();
}

}  // namespace qtview
