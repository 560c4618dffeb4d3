#pragma once
// Owners of libical's objects, each freed with the function libical gives for it.

#include <cstdlib>
#include <libical/ical.h>
#include <memory>

namespace nudgery::ical {

struct ComponentFree {
    void operator()(icalcomponent* component) const { icalcomponent_free(component); }
};
struct ParserFree {
    void operator()(icalparser* parser) const { icalparser_free(parser); }
};
struct IteratorFree {
    void operator()(icalrecur_iterator* iterator) const { icalrecur_iterator_free(iterator); }
};
struct ZoneFree {
    // Frees the zone and the component it was given.
    void operator()(icaltimezone* zone) const { icaltimezone_free(zone, 1); }
};
struct BufferFree {
    void operator()(char* buffer) const { icalmemory_free_buffer(buffer); }
};

using ComponentPtr = std::unique_ptr<icalcomponent, ComponentFree>;
using ParserPtr = std::unique_ptr<icalparser, ParserFree>;
using IteratorPtr = std::unique_ptr<icalrecur_iterator, IteratorFree>;
using ZonePtr = std::unique_ptr<icaltimezone, ZoneFree>;
using BufferPtr = std::unique_ptr<char, BufferFree>;

} // namespace nudgery::ical
