// A window's event handlers by control name, each run through the dispatcher. Every window's logic
// keeps its handlers in one of these, so a click reaches a handler the same way in every window.
#pragma once

#include "core/dispatch.h"

#include <QHash>
#include <QString>
#include <functional>
#include <initializer_list>
#include <utility>

class UiServices;

template <class... Args> class HandlerTable {
  public:
    using Handler = std::function<void(Args...)>;

    HandlerTable(std::initializer_list<std::pair<QString, Handler>> handlers) {
        for (const auto& [control, handler] : handlers)
            add(control, handler);
    }
    void add(const QString& control, Handler handler) { handlers_.insert(control, std::move(handler)); }
    bool handles(const QString& control) const { return handlers_.contains(control); }

    // Runs the handler of `control` through the dispatcher; a control without one does nothing.
    void run(UiServices& ui, const QString& control, Args... args) const {
        const auto it = handlers_.constFind(control);
        if (it == handlers_.cend())
            return;
        const Handler& handler = *it;
        dispatch(ui, [&] { handler(std::forward<Args>(args)...); });
    }

  private:
    QHash<QString, Handler> handlers_;
};
