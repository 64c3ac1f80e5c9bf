#include "PortIndex.h"

#include "NumberText.h"

int PortOfIndex(std::string_view index, int portCount)
{
    if (index.size() < 2 || index[0] != '.' || index.find('.', 1) != std::string_view::npos ||
        index.find_first_not_of("0123456789", 1) != std::string_view::npos)
        return 0;
    const auto port = LeadingInteger(index.substr(1));
    return port && *port >= 1 && *port <= portCount ? int(*port) : 0;
}
