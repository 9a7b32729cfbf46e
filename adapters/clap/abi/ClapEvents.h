#pragma once

// Processing: the audio buffers, the timed events in and out, the call's record.

#include "adapters/clap/abi/ClapCore.h"

extern "C" {

enum clap_process_status_value : int32_t {
    CLAP_PROCESS_ERROR = 0,
    CLAP_PROCESS_CONTINUE = 1,
    CLAP_PROCESS_CONTINUE_IF_NOT_QUIET = 2,
    CLAP_PROCESS_TAIL = 3,
    CLAP_PROCESS_SLEEP = 4,
};

static const uint16_t CLAP_CORE_EVENT_SPACE_ID = 0;

enum clap_event_flags : uint32_t { CLAP_EVENT_IS_LIVE = 1, CLAP_EVENT_DONT_RECORD = 2 };

enum clap_event_type : uint16_t {
    CLAP_EVENT_PARAM_VALUE = 5,
    CLAP_EVENT_PARAM_MOD = 6,
    CLAP_EVENT_PARAM_GESTURE_BEGIN = 7,
    CLAP_EVENT_PARAM_GESTURE_END = 8,
    CLAP_EVENT_TRANSPORT = 9,
};

struct clap_event_header {
    uint32_t size;
    uint32_t time;
    uint16_t space_id;
    uint16_t type;
    uint32_t flags;
};

struct clap_event_param_value {
    clap_event_header header;
    clap_id param_id;
    void* cookie;
    int32_t note_id;
    int16_t port_index;
    int16_t channel;
    int16_t key;
    double value;
};

struct clap_event_param_gesture {
    clap_event_header header;
    clap_id param_id;
};

enum clap_transport_flags : uint32_t {
    CLAP_TRANSPORT_HAS_TEMPO = 1,
    CLAP_TRANSPORT_HAS_BEATS_TIMELINE = 2,
    CLAP_TRANSPORT_HAS_SECONDS_TIMELINE = 4,
    CLAP_TRANSPORT_HAS_TIME_SIGNATURE = 8,
    CLAP_TRANSPORT_IS_PLAYING = 16,
    CLAP_TRANSPORT_IS_LOOP_ACTIVE = 64,
};

static const int64_t CLAP_BEATTIME_FACTOR = int64_t(1) << 31;
static const int64_t CLAP_SECTIME_FACTOR = int64_t(1) << 31;

struct clap_event_transport {
    clap_event_header header;
    uint32_t flags;
    int64_t song_pos_beats;
    int64_t song_pos_seconds;
    double tempo;
    double tempo_inc;
    int64_t loop_start_beats;
    int64_t loop_end_beats;
    int64_t loop_start_seconds;
    int64_t loop_end_seconds;
    int64_t bar_start;
    int32_t bar_number;
    uint16_t tsig_num;
    uint16_t tsig_denom;
};

struct clap_input_events {
    void* ctx;
    uint32_t(CLAP_ABI* size)(const clap_input_events* list);
    const clap_event_header*(CLAP_ABI* get)(const clap_input_events* list, uint32_t index);
};

struct clap_output_events {
    void* ctx;
    bool(CLAP_ABI* try_push)(const clap_output_events* list, const clap_event_header* event);
};

struct clap_audio_buffer {
    float** data32;
    double** data64;
    uint32_t channel_count;
    uint32_t latency;
    uint64_t constant_mask;
};

struct clap_process {
    int64_t steady_time;
    uint32_t frames_count;
    const clap_event_transport* transport;
    const clap_audio_buffer* audio_inputs;
    clap_audio_buffer* audio_outputs;
    uint32_t audio_inputs_count;
    uint32_t audio_outputs_count;
    const clap_input_events* in_events;
    const clap_output_events* out_events;
};

} // extern "C"

static_assert(sizeof(clap_event_header) == 16 && sizeof(clap_event_param_gesture) == 20, "event header");
static_assert(sizeof(clap_event_transport) == 104 && offsetof(clap_event_transport, tsig_denom) == 102, "transport");
#if UINTPTR_MAX > 0xFFFFFFFFu
static_assert(sizeof(clap_event_param_value) == 56 && offsetof(clap_event_param_value, value) == 48, "param value");
static_assert(sizeof(clap_audio_buffer) == 32 && offsetof(clap_audio_buffer, constant_mask) == 24, "buffer");
static_assert(sizeof(clap_process) == 64 && offsetof(clap_process, out_events) == 56, "process");
static_assert(sizeof(clap_input_events) == 24 && sizeof(clap_output_events) == 16, "event lists");
#else
static_assert(sizeof(clap_event_param_value) == 48 && offsetof(clap_event_param_value, value) == 40, "param value");
static_assert(sizeof(clap_audio_buffer) == 24 && offsetof(clap_audio_buffer, constant_mask) == 16, "buffer");
static_assert(sizeof(clap_process) == 40 && offsetof(clap_process, out_events) == 36, "process");
static_assert(sizeof(clap_input_events) == 12 && sizeof(clap_output_events) == 8, "event lists");
#endif
