#pragma once

#include <mutex>
#include <vector>

#include "adapters/clap/abi/ClapEvents.h"

namespace ClapHost {

// The events a host hands a plug-in with a block or a flush: parameter
// values in the order added (a host under test may add them out of order or
// past the block), and any other header a test makes up.
class ClapInputEvents {
public:
    ClapInputEvents();
    ClapInputEvents(const ClapInputEvents&) = delete;
    ClapInputEvents& operator=(const ClapInputEvents&) = delete;

    void AddValue(clap_id param, double value, uint32_t time = 0);
    // An event as given, its header's size bytes copied.
    void Add(const clap_event_header& event);
    void Clear() { events.clear(); }
    const clap_input_events* Record() const { return &record; }

private:
    static uint32_t CLAP_ABI Size(const clap_input_events* list);
    static const clap_event_header* CLAP_ABI Get(const clap_input_events* list, uint32_t index);

    // Each event in room of its own, as large as the largest event we make.
    std::vector<clap_event_param_value> events;
    clap_input_events record{};
};

// What the plug-in pushed to the host, in the order pushed: parameter
// gestures and values. Read from any thread.
class ClapOutputEvents {
public:
    struct Event {
        uint16_t type;
        clap_id param;
        double value; // of a value event
        uint32_t time;
    };

    ClapOutputEvents();
    ClapOutputEvents(const ClapOutputEvents&) = delete;
    ClapOutputEvents& operator=(const ClapOutputEvents&) = delete;

    const clap_output_events* Record() const { return &record; }
    std::vector<Event> Events() const;
    int Count(uint16_t type) const;

private:
    static bool CLAP_ABI TryPush(const clap_output_events* list, const clap_event_header* event);

    mutable std::mutex lock;
    std::vector<Event> events;
    clap_output_events record{};
};

} // namespace ClapHost
