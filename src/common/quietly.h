// The error trap of the program's handlers: a step that fails ends the handler without a word,
// and what was done before it stays done.
#pragma once

namespace zeb {

template <typename Handler> void quietly(Handler &&handler) noexcept
{
    try {
        handler();
    } catch (...) {
    }
}

} // namespace zeb
