#include "platform/qtview/FontDialog.h"

#include <QFontDatabase>
#include <QFontDialog>
#include <filesystem>
#include <set>

#include "platform/gdi/FontRegistry.h"
#include "platform/qtview/Convert.h"

namespace qtview {

void OfferLedFonts() {
    // Each file once: Qt keeps what it was given for the run.
    static std::set<std::string> offered;
    std::error_code error;
    const std::string folder = gdi::FontRegistry::Instance().FontsFolder();
    for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
        const std::string path = entry.path().string();
        if (entry.path().extension() != ".bdf" || offered.count(path)) continue;
        offered.insert(path);
        QFontDatabase::addApplicationFont(QString::fromStdString(path));
    }
}

bool RunFontDialog(forms::FontChoice& font, QWidget* parent) {
    OfferLedFonts();
    forms::StdFont start;
    start.Name = font.Name;
    start.Size = font.Size;
    start.Bold = font.Bold;
    start.Italic = font.Italic;
    start.Underline = font.Underline;
    start.Strikethrough = font.Strikethru;
    bool chosen = false;
    QFont picked = QFontDialog::getFont(&chosen, ToQFont(start), parent);
    if (!chosen) return false;
    font.Name = FromQt(picked.family());
    font.Size = picked.pointSizeF();
    font.Bold = picked.bold();
    font.Italic = picked.italic();
    font.Underline = picked.underline();
    font.Strikethru = picked.strikeOut();
    return true;
}

}  // namespace qtview
