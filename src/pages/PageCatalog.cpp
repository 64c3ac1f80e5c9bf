#include "PageCatalog.h"

#include <functional>
#include <map>

namespace {

using Factory = std::function<std::unique_ptr<QDialog>(int port)>;

const std::map<int, Factory>& factories()
{
    static const std::map<int, Factory> table = {
        // Pages join here as they are built: {commandId, [](int port) { return std::make_unique<...>(); }}
    };
    return table;
}

} // namespace

bool PageCatalog::has(int commandId)
{
    return factories().count(commandId) != 0;
}

std::unique_ptr<QDialog> PageCatalog::create(int commandId, int port)
{
    auto it = factories().find(commandId);
    return it == factories().end() ? nullptr : it->second(port);
}
