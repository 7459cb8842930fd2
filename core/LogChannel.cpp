#include "core/LogChannel.h"

#include "platform/os/TextChannel.h"
#include "platform/vb/Now.h"

namespace zomel {
namespace {

os::TextChannel& Channel() {
    static os::TextChannel channel;
    return channel;
}

}  // namespace

bool OpenLog(const std::string& path) {
    return Channel().OpenNew(path);
}
bool IsLogOpen() {
    return Channel().IsOpen();
}
void CloseLog() {
    Channel().Close();
}
void WriteLogLine(const std::string& line) {
    Channel().WriteQuoted(line);
}

std::string LogTimestamp() {
    return vb::NowText("%Y-%m-%d %H:%M:%S");
}

}  // namespace zomel
