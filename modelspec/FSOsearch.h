#pragma once

#include <set>
#include <string>
#include <utility>
#include <vector>

#include "platform/os/Files.h"

namespace zomel {

// Searches the fixed drives (the folders where programs are installed) for a program by the
// end of its file name, depth-first, files before subfolders; the first match wins.
class FSOsearch {
public:
    // The full path of the first file whose name, in upper case, ends in one of `wanted`
    // (given in upper case), followed by one NUL character; empty text when there is none.
    std::string searchForFile(const std::vector<std::string>& wanted);

    // How many folders the last search opened.
    size_t FoldersSearched() const { return foldersSearched_; }

    // A search never opens more folders than this, nor goes deeper, so that it ends soon on
    // any machine.
    static constexpr size_t kMostFolders = 5000;
    static constexpr int kMostDepth = 10;

private:
    void SearchFolder(const std::string& folder, int depth);
    bool Matches(const std::string& name) const;

    std::vector<std::string> wanted_;
    std::string found_;
    size_t foldersSearched_ = 0;
    // Folders already searched, by device and inode: a link back into the tree is met once.
    std::set<os::FolderIdentity> seen_;
};

}  // namespace zomel
