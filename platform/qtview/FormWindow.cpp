#include "platform/qtview/FormWindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLayout>
#include <QScreen>
#include <algorithm>
#include <cctype>

#include "platform/forms/Metrics.h"
#include "platform/qtview/Convert.h"
#include "platform/qtview/ViewFactory.h"

namespace qtview {
namespace {

constexpr int kBorderNone = 0;

// The form whose Activate ran last: switching back to it from another program is no
// activation of the program's windows.
const forms::Form* lastActivated = nullptr;

bool SameName(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) ==
               std::tolower(static_cast<unsigned char>(y));
    });
}

// "fraSize" or "Frame(2)".
std::pair<std::string_view, int> SplitContainerName(std::string_view name) {
    if (name.empty()) return {name, -1};
    size_t open = name.find('(');
    if (open == std::string_view::npos || name.back() != ')') return {name, -1};
    std::string digits(name.substr(open + 1, name.size() - open - 2));
    return {name.substr(0, open), std::atoi(digits.c_str())};
}

}  // namespace

FormWindow::FormWindow(forms::Form& form) : form_(&form), client_(new QWidget(this)) {
    setCentralWidget(client_);
    client_->installEventFilter(this);
    ApplyWindowStyle();
    FollowModel("Caption");
    FollowModel("BackColor");
    PlaceFromModel();
}

FormWindow::~FormWindow() {
    DropViews();
}

void FormWindow::BuildViews() {
    for (const auto& control : form_->Controls())
        views_.push_back(CreateView(*control, *this));
    for (const auto& view : views_)
        view->Attach();
    // Menus and toolbars may have come with the controls.
    PlaceFromModel();
}

void FormWindow::AddControl(forms::Control& control) {
    views_.push_back(CreateView(control, *this));
    views_.back()->Attach();
    PlaceFromModel();
}

void FormWindow::RemoveControl(forms::Control& control) {
    std::erase_if(views_, [&](const auto& view) { return &view->Model() == &control; });
}

void FormWindow::Detach() {
    DropViews();
    form_ = nullptr;
}

void FormWindow::DropViews() {
    if (lastActivated == form_) lastActivated = nullptr;
    while (!views_.empty())
        views_.pop_back();
}

ViewBase* FormWindow::ViewOf(const forms::Control& control) const {
    for (const auto& view : views_)
        if (&view->Model() == &control) return view.get();
    return nullptr;
}

ViewBase* FormWindow::ViewNamed(std::string_view name) const {
    if (name.empty()) return nullptr;
    auto [base, index] = SplitContainerName(name);
    for (const auto& view : views_) {
        const forms::Control& c = view->Model();
        if (c.Index() == index && SameName(c.Name(), base)) return view.get();
    }
    return nullptr;
}

QWidget* FormWindow::ContainerArea(const std::string& name) const {
    if (name.empty()) return client_;
    ViewBase* view = ViewNamed(name);
    return view && view->ChildArea() ? view->ChildArea() : client_;
}

forms::Control* FormWindow::FocusedControl() const {
    QWidget* focus = QApplication::focusWidget();
    if (!focus || focus->window() != this) return nullptr;
    ViewBase* view = ViewBase::Of(focus);
    return view && &view->Window() == this ? &view->Model() : nullptr;
}

void FormWindow::FollowModel(std::string_view name) {
    if (name == "Caption") {
        setWindowTitle(ToQt(form_->Caption()));
    } else if (name == "Size" || name == "Position") {
        PlaceFromModel();
    } else if (name == "WindowState") {
        following_ = true;
        static const Qt::WindowStates states[] = {Qt::WindowNoState, Qt::WindowMinimized,
                                                  Qt::WindowMaximized};
        setWindowState(states[form_->WindowState()]);
        following_ = false;
    } else if (name == "BackColor") {
        QPalette palette = client_->palette();
        palette.setColor(QPalette::Window, ToQColor(form_->Get("BackColor")));
        client_->setPalette(palette);
        client_->setAutoFillBackground(true);
    } else if (name == "Enabled") {
        setEnabled(form_->Get("Enabled").ToBool());
    }
}

void FormWindow::FitToClient() {
    PlaceFromModel();
}

void FormWindow::PlaceFromModel() {
    // Left and Top place the window's frame; the inner size is the form's less its borders.
    following_ = true;
    move(TwipsToPixelsX(form_->Left()), TwipsToPixelsY(form_->Top()));
    int width = TwipsToPixelsX(form_->ScaleWidth());
    int height = TwipsToPixelsY(form_->ScaleHeight());
    // The bars above the client area add to the window, so that the controls keep the
    // room the window description gives them.
    resize(width, height);
    if (layout()) layout()->activate();
    if (int chrome = this->height() - client_->height(); chrome > 0) {
        resize(width, height + chrome);
        if (layout()) layout()->activate();
    }
    // A window as large as the screen (the first run's placement) keeps its bars and status
    // bar on the screen; the form keeps the size it asked for.
    if (QScreen* shown = screen()) {
        const QRect room = shown->availableGeometry();
        resize(std::min(this->width(), room.width()), std::min(this->height(), room.height()));
    }
    following_ = false;
}

void FormWindow::KeyFromPerson(const QKeyEvent& event, bool down) {
    int code = KeyCodeOf(event);
    if (code == 0 || !form_ || !form_->IsLoaded()) return;
    auto keyCode = static_cast<vb::Integer>(code);
    auto shift = static_cast<vb::Integer>(ShiftStateOf(event));
    if (!down) {
        form_->KeyUp(keyCode, shift, FocusedControl());
        return;
    }
    form_->KeyDown(keyCode, shift, FocusedControl());
    // A key that makes a character (Enter and Escape too) follows as KeyPress, unless the
    // window went with the key (an unload lets go of the form).
    QString text = event.text();
    if (!form_ || !form_->IsLoaded() || text.size() != 1 || text[0].unicode() > 255) return;
    form_->KeyPress(static_cast<vb::Integer>(text[0].unicode()), FocusedControl());
}

void FormWindow::ShowPlaced() {
    // The frame is known once the window is on screen: the placement is made again with it.
    following_ = true;
    show();
    following_ = false;
    PlaceFromModel();
}

void FormWindow::RepaintNow() {
    repaint();
}

void FormWindow::closeEvent(QCloseEvent* event) {
    // The form decides: its query-unload may cancel; an unload removes this window.
    event->ignore();
    if (form_ && form_->IsLoaded()) form_->CloseByUser();
}

void FormWindow::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (!form_) return;
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && lastActivated != form_) {
        lastActivated = form_;
        form_->Activate();
    } else if (event->type() == QEvent::WindowStateChange && !following_) {
        StateChangedByPerson();
    }
}

void FormWindow::moveEvent(QMoveEvent* event) {
    QMainWindow::moveEvent(event);
    if (following_ || !form_ || !form_->IsLoaded()) return;
    QPoint at = pos();
    if (at.x() == TwipsToPixelsX(form_->Left()) && at.y() == TwipsToPixelsY(form_->Top())) return;
    form_->Move(static_cast<vb::Single>(PixelsToTwipsX(at.x())),
                static_cast<vb::Single>(PixelsToTwipsY(at.y())), form_->Width(), form_->Height());
}

bool FormWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == client_ && event->type() == QEvent::Resize && form_) {
        for (const auto& view : views_)
            view->ContainerResized();
        if (!following_ && form_->IsLoaded()) ClientResizedByPerson();
    }
    return QMainWindow::eventFilter(watched, event);
}

void FormWindow::ClientResizedByPerson() {
    if (form_->WindowState() == forms::vbMinimized) return;
    if (client_->width() == TwipsToPixelsX(form_->ScaleWidth()) &&
        client_->height() == TwipsToPixelsY(form_->ScaleHeight()))
        return;
    auto width =
        static_cast<vb::Single>(PixelsToTwipsX(client_->width()) + 2 * forms::kWindowBorderTwips);
    auto height = static_cast<vb::Single>(PixelsToTwipsY(client_->height()) +
                                          2 * forms::kWindowBorderTwips + forms::kCaptionBarTwips);
    form_->Move(form_->Left(), form_->Top(), width, height);
}

void FormWindow::StateChangedByPerson() {
    vb::Integer state = forms::vbNormal;
    if (windowState() & Qt::WindowMinimized)
        state = forms::vbMinimized;
    else if (windowState() & Qt::WindowMaximized)
        state = forms::vbMaximized;
    if (state != form_->WindowState()) form_->SetWindowState(state);
}

void FormWindow::ApplyWindowStyle() {
    Qt::WindowFlags flags = Qt::Window;
    if (form_->Get("BorderStyle").ToInteger() == kBorderNone) flags |= Qt::FramelessWindowHint;
    if (!form_->Get("ControlBox").ToBool()) flags |= Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    setWindowFlags(flags);
}

}  // namespace qtview
