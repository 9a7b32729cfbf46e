#pragma once

#include <cstdlib>
#include <map>
#include <string>

// Sets environment variables for one test and puts the old values back.
class ScopedEnv {
public:
    ScopedEnv() = default;
    ~ScopedEnv()
    {
        for (const auto& [name, old] : saved) {
            if (old.first)
                setenv(name.c_str(), old.second.c_str(), 1);
            else
                unsetenv(name.c_str());
        }
    }
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

    void Set(const std::string& name, const std::string& value)
    {
        Remember(name);
        setenv(name.c_str(), value.c_str(), 1);
    }
    void Unset(const std::string& name)
    {
        Remember(name);
        unsetenv(name.c_str());
    }

private:
    void Remember(const std::string& name)
    {
        if (saved.count(name))
            return;
        const char* old = std::getenv(name.c_str());
        saved[name] = {old != nullptr, old ? old : ""};
    }

    std::map<std::string, std::pair<bool, std::string>> saved;
};
