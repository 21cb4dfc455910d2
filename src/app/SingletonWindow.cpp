#include "SingletonWindow.h"

namespace {
std::vector<std::function<void()>>& destroyers() {
    static std::vector<std::function<void()>> list;
    return list;
}
} // namespace

namespace WindowRegistry {

void destroyAll() {
    for (auto& destroy : destroyers())
        destroy();
}

void track(std::function<void()> destroy) {
    destroyers().push_back(std::move(destroy));
}

} // namespace WindowRegistry
