#include "platform/os/TextChannel.h"

#include <fcntl.h>
#include <unistd.h>

namespace os {

bool TextChannel::OpenNew(const std::string& path) {
    Close();
    path_ = path;
    // Whatever is at the path goes first, so that a link planted there cannot redirect the
    // writes; O_EXCL and O_NOFOLLOW refuse anything that appears in between.
    ::unlink(path.c_str());
    int fd =
        ::open(path.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644);
    if (fd < 0) return false;
    file_.reset(::fdopen(fd, "a"));
    if (!file_) ::close(fd);
    return IsOpen();
}

void TextChannel::WriteQuoted(const std::string& text) {
    if (!file_) return;
    std::fputc('"', file_.get());
    std::fwrite(text.data(), 1, text.size(), file_.get());
    std::fputs("\"\r\n", file_.get());
    std::fflush(file_.get());
}

void TextChannel::PrintLine(const std::string& text) {
    if (!file_) return;
    std::fwrite(text.data(), 1, text.size(), file_.get());
    std::fputs("\r\n", file_.get());
    std::fflush(file_.get());
}

void TextChannel::Close() {
    file_.reset();
}

}  // namespace os
