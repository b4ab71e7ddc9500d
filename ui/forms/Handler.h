// Every handler of every window runs through RunHandler: a fault that escapes it ends the
// handler, the application's error box shows it, and the application goes on.
#pragma once

#include <QObject>

#include <functional>

namespace kvr {

void RunHandler(const std::function<void()> &handler);

// Connects a signal to a handler of `receiver` guarded by RunHandler.
template <typename Sender, typename Signal, typename Receiver, typename Handler>
void ConnectHandler(Sender *sender, Signal signal, Receiver *receiver, Handler handler) {
    QObject::connect(sender, signal, receiver,
                     [receiver, handler] { RunHandler([&] { (receiver->*handler)(); }); });
}

} // namespace kvr
