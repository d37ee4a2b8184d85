#include "framework/MessageMap.h"

const MessageMapEntry* FindMessageEntry(const MessageMap* map, UINT message, UINT commandId) {
    for (; map != nullptr; map = map->base()) {
        for (const MessageMapEntry* entry = map->entries; entry->message != 0; ++entry) {
            if (entry->message != message)
                continue;
            if (message != WM_COMMAND ||
                (commandId >= entry->firstId && commandId <= entry->lastId))
                return entry;
        }
    }
    return nullptr;
}
