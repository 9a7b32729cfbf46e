#include "tests/editor/HostRecord.h"

#include <cstdio>

int HostRecord::Count(const std::string& prefix) const
{
    int n = 0;
    for (const std::string& call : calls)
        n += call.compare(0, prefix.size(), prefix) == 0 ? 1 : 0;
    return n;
}

bool HostRecord::Has(const std::string& call) const
{
    for (const std::string& c : calls) {
        if (c == call)
            return true;
    }
    return false;
}

double HostRecord::LastValue(int index) const
{
    double last = -1.0;
    for (const std::string& call : calls) {
        int i = -1;
        double v = 0.0;
        if (std::sscanf(call.c_str(), "value %d %lf", &i, &v) == 2 && i == index)
            last = v;
    }
    return last;
}
