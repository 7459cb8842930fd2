#include "modelspec/FSOsearch.h"

#include <algorithm>
#include <filesystem>

#include "platform/os/Files.h"
#include "platform/os/Paths.h"
#include "platform/vb/Strings.h"

namespace zomel {

namespace fs = std::filesystem;

std::string FSOsearch::searchForFile(const std::vector<std::string>& wanted) {
    wanted_ = wanted;
    found_.clear();
    foldersSearched_ = 0;
    seen_.clear();
    for (const std::string& drive : os::FixedDrives()) {
        SearchFolder(drive, 0);
        if (!found_.empty()) return found_ + '\0';
    }
    return found_;
}

bool FSOsearch::Matches(const std::string& name) const {
    const std::string upper = vb::UCase(name);
    for (const std::string& end : wanted_)
        if (upper.ends_with(end)) return true;
    return false;
}

// A folder that cannot be opened or listed ends only its own search.
void FSOsearch::SearchFolder(const std::string& folder, int depth) {
    if (depth > kMostDepth || foldersSearched_ >= kMostFolders) return;
    const std::optional<os::FolderIdentity> identity = os::IdentityOfFolder(folder);
    if (!identity || !seen_.insert(*identity).second) return;
    ++foldersSearched_;

    std::error_code error;
    std::vector<fs::path> files;
    std::vector<fs::path> subfolders;
    fs::directory_iterator it(folder, fs::directory_options::skip_permission_denied, error);
    for (; !error && it != fs::directory_iterator(); it.increment(error)) {
        const fs::directory_entry& entry = *it;
        std::error_code typeError;
        // Links to folders are not followed: they lead back into the tree or far away.
        if (!entry.is_symlink(typeError) && entry.is_directory(typeError))
            subfolders.push_back(entry.path());
        else
            files.push_back(entry.path());
    }
    // Listed by name, so that a search finds the same program every time.
    std::sort(files.begin(), files.end());
    std::sort(subfolders.begin(), subfolders.end());
    for (const fs::path& file : files) {
        if (Matches(file.filename().string()) && os::IsProgramFile(file.string())) {
            found_ = file.string();
            return;
        }
    }
    for (const fs::path& sub : subfolders) {
        SearchFolder(sub.string(), depth + 1);
        if (!found_.empty()) return;
    }
}

}  // namespace zomel
