#pragma once

// A loop that calls an open editor back on the thread that owns its window:
// a timer every period and, where the editor has one, whenever its event
// descriptor is readable. Hosts lend theirs (a VST 3 host's run loop, a CLAP
// host's timer and descriptor support, an LV2 host's idle calls); the
// editor's own thread stands in where a host lends none.
class RunLoop {
public:
    class Client {
    public:
        // The watched descriptor is readable; false when it is no longer the
        // one to watch, and the loop then stops watching it.
        virtual bool DescriptorReady(int descriptor) = 0;
        virtual void TimerFired() = 0;

    protected:
        ~Client() = default;
    };

    virtual ~RunLoop() = default;

    // Starts calling client: TimerFired every periodMs, DescriptorReady when
    // descriptor (-1: none) is readable. False, and no call, when the loop
    // refuses the timer; without the descriptor the timer's calls still serve.
    virtual bool Attach(Client& client, int periodMs, int descriptor) = 0;
    // Stops every call; none runs any more when it returns.
    virtual void Detach() = 0;
};
