#include "platform/com/InprocServer.h"

#include <dlfcn.h>

#include <algorithm>
#include <filesystem>

#include "platform/com/ClassRegistry.h"
#include "platform/vb/Error.h"

namespace com {
namespace {

std::string LibraryPath(const void* anchor) {
    Dl_info info{};
    if (!dladdr(anchor, &info) || !info.dli_fname || !*info.dli_fname)
        vb::Raise(vb::err::kFileNotFound);
    return std::filesystem::canonical(info.dli_fname).string();
}

int Guarded(auto&& step) {
    return vb::ResumeNext(step) ? status::kOk : status::kFailed;
}

}  // namespace

class InprocServer::Factory : public ClassFactory {
public:
    explicit Factory(ServerClass serverClass) : class_(std::move(serverClass)) {}

    DispatchRef CreateInstance() override {
        DispatchRef object = class_.create();
        std::erase_if(live_, [](const auto& weak) { return weak.expired(); });
        live_.push_back(object);
        return object;
    }

    bool Idle() const {
        return std::ranges::all_of(live_, [](const auto& weak) { return weak.expired(); });
    }
    const ServerClass& Class() const { return class_; }

private:
    ServerClass class_;
    std::vector<std::weak_ptr<Dispatch>> live_;
};

InprocServer::InprocServer(std::vector<ServerClass> classes) {
    for (auto& serverClass : classes)
        factories_.push_back(std::make_unique<Factory>(std::move(serverClass)));
}

InprocServer::~InprocServer() = default;

int InprocServer::Register(const void* anchor) {
    return Guarded([&] {
        const std::string library = LibraryPath(anchor);
        for (const auto& factory : factories_)
            RegisterClass(factory->Class().clsid, factory->Class().progId, library);
    });
}

int InprocServer::Unregister(const void* anchor) {
    return Guarded([&] {
        const std::string library = LibraryPath(anchor);
        for (const auto& factory : factories_)
            UnregisterClass(factory->Class().clsid, library);
    });
}

int InprocServer::GetClassObject(const Clsid* clsid, ClassFactory** factory) {
    if (!clsid || !factory) return status::kFailed;
    auto found = std::ranges::find_if(
        factories_, [&](const auto& candidate) { return candidate->Class().clsid == *clsid; });
    if (found == factories_.end()) return status::kClassNotAvailable;
    *factory = found->get();
    return status::kOk;
}

int InprocServer::CanUnloadNow() {
    bool idle =
        std::ranges::all_of(factories_, [](const auto& factory) { return factory->Idle(); });
    return idle ? status::kOk : status::kFailed;
}

}  // namespace com
