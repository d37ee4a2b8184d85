#include "loopback/Plugs.h"

const Plug kPlugs[2] = {
    {"data-status", {{{2, 15}, {3, 13}, {4, 12}, {5, 10}, {6, 11}}}},
    {"control-status", {{{1, 13}, {14, 12}, {16, 10}, {17, 11}, {2, 15}}}},
};

const Plug* FindPlug(std::string_view name) {
    for (const Plug& plug : kPlugs) {
        if (plug.name == name)
            return &plug;
    }
    return nullptr;
}
