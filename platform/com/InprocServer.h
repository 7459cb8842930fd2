#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/com/ClassFactory.h"

// What a server library includes to provide the four exports.  In one of its source files:
//
//     static std::vector<com::ServerClass> Classes() {
//         return {{kCounterClsid, "Zomel.Counter", [] { return std::make_shared<Counter>(); }}};
//     }
//     ZRT_COM_SERVER(Classes)
//
// Registration records each class with the library's own path, found from the address of
// its exports.  A failing export leaves its error in vb::Err() for the caller.
namespace com {

struct ServerClass {
    Clsid clsid;
    std::string progId;
    std::function<DispatchRef()> create;
};

class InprocServer {
public:
    explicit InprocServer(std::vector<ServerClass> classes);
    ~InprocServer();

    // `anchor` is any address inside the server library.
    int Register(const void* anchor);
    int Unregister(const void* anchor);
    int GetClassObject(const Clsid* clsid, ClassFactory** factory);
    int CanUnloadNow();

private:
    class Factory;
    std::vector<std::unique_ptr<Factory>> factories_;
};

}  // namespace com

#define ZRT_COM_EXPORT extern "C" __attribute__((visibility("default")))

#define ZRT_COM_SERVER(classes)                                                                  \
    static com::InprocServer& ZrtComServer() {                                                   \
        static com::InprocServer server(classes());                                              \
        return server;                                                                           \
    }                                                                                            \
    ZRT_COM_EXPORT int DllRegisterServer() {                                                     \
        return ZrtComServer().Register(reinterpret_cast<const void*>(&ZrtComServer));            \
    }                                                                                            \
    ZRT_COM_EXPORT int DllUnregisterServer() {                                                   \
        return ZrtComServer().Unregister(reinterpret_cast<const void*>(&ZrtComServer));          \
    }                                                                                            \
    ZRT_COM_EXPORT int DllGetClassObject(const com::Clsid* clsid, com::ClassFactory** factory) { \
        return ZrtComServer().GetClassObject(clsid, factory);                                    \
    }                                                                                            \
    ZRT_COM_EXPORT int DllCanUnloadNow() {                                                       \
        return ZrtComServer().CanUnloadNow();                                                    \
    }
