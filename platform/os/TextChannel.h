#pragma once

#include <cstdio>
#include <memory>
#include <string>

// A sequential text file opened for appending, as the log uses it.
namespace os {

class TextChannel {
public:
    // Creates the file anew (an existing one is replaced, a symbolic link is never
    // followed); false when it cannot be opened.
    bool OpenNew(const std::string& path);
    bool IsOpen() const { return file_ != nullptr; }
    const std::string& Path() const { return path_; }

    // One record as "Write #" makes it: the text in double quotes (inner quotes as they are),
    // then CR LF.  Written through at once.  Never raises; does nothing when closed.
    void WriteQuoted(const std::string& text);
    // The text and CR LF ("Print #").
    void PrintLine(const std::string& text);
    void Close();

private:
    struct Closer {
        void operator()(std::FILE* f) const { std::fclose(f); }
    };
    std::unique_ptr<std::FILE, Closer> file_;
    std::string path_;
};

}  // namespace os
