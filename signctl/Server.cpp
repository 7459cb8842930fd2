// The library's exports: the one class it serves.
#include "platform/com/InprocServer.h"
#include "signctl/SignOcx.h"
#include "signctl/SignOcxClass.h"

namespace {

std::vector<com::ServerClass> Classes() {
    return {{veldo::kSignOcxClsid, veldo::kSignOcxProgId,
             [] { return std::make_shared<veldo::SignOcx>(); }}};
}

}  // namespace

ZRT_COM_SERVER(Classes)
