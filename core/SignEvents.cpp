#include "core/SignEvents.h"

#include "core/Globals.h"

namespace zomel {
namespace {

SignEvents* gSubscriber = nullptr;

}  // namespace

void SubscribeSignEvents(SignEvents* subscriber) {
    gSubscriber = subscriber;
}

SignEvents* SignSubscriber() {
    return MainForm != nullptr ? gSubscriber : nullptr;
}

}  // namespace zomel
