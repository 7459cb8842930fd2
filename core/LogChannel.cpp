#include "core/LogChannel.h"

#include <ctime>

#include "platform/os/TextChannel.h"

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
    std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S", &local);
    return text;
}

}  // namespace zomel
